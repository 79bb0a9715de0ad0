// The substitution passes, written once for every generator: the Word table pass, the
// Word long-text pass, list placeholders on Word (DocWordSubstLista) and the Writer
// table pass.
//
// None of them catches errors: a suite error, or a placeholder table whose counter ran
// past its last row (subscript error 9), reaches the generator's handler.
#pragma once

#include <cstdint>

#include "core/object.h"
#include "core/text.h"
#include "core/variant.h"
#include "docgen/frame/placeholder_table.h"

namespace orvane::docgen {

// Word's Replacement.Text takes at most this many characters; longer values are cut by
// the table pass and must go through the long-text pass to appear whole.
inline constexpr long kWordReplaceLimit = 200;

// Every row 1..counter replaced everywhere (replace-all), whole words only, case
// ignored, the value cut to 200 characters.
void word_table_pass(const ObjectPtr& word, const PlaceholderTable& table);

// Finds the first occurrence of `placeholder` after the selection (wrapping) and types
// `value` in its place, whole (Null types nothing). Later occurrences stay. With
// `upper_case` the found text is compared with the placeholder in upper case.
void word_long_text_pass(const ObjectPtr& word, TextView placeholder, const Variant& value,
                         bool upper_case = false);

// DocWordSubstLista: the lines 1..`contador` of `lista` typed as paragraphs where
// `variavel` first occurs; a single blank when `contador` is 0; nothing when it is not
// found.
void DocWordSubstLista(const Variant& doc_word, const Variant& variavel, const Variant& contador,
                       const Variant& lista);

// Every row 1..counter replaced everywhere in the Writer document through the one
// replace descriptor: substring match with the suite's defaults, the value whole.
void writer_table_pass(const ObjectPtr& document, const ObjectPtr& descriptor,
                       const PlaceholderTable& table);

// The text a value becomes in a suite: Null and Empty as "", others by the host
// language's conversion.
Text suite_text(const Variant& v);

}  // namespace orvane::docgen
