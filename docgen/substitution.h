// The substitution passes, written once for every generator. They drive the suites
// late-bound, in the calls of their object models: a Word application object
// ("Word.Application") and a loaded Writer document with its replace descriptor.
//
// None of them catches errors: a suite error, or a placeholder table whose counter ran
// past its last row (subscript error 9), reaches the generator's handler.
#pragma once

#include <cstdint>

#include "core/object.h"
#include "core/text.h"
#include "core/variant.h"

namespace orvane::docgen {

// Word's Replacement.Text takes at most this many characters; longer values are cut by
// the table pass and must go through the long-text pass to appear whole.
inline constexpr long kWordReplaceLimit = 200;

// Every row 1..counter replaced everywhere (replace-all), whole words only, case
// ignored, the value cut to 200 characters.
void word_table_pass(const ObjectPtr& word, const Array& table, int32_t counter);

// Finds the first occurrence of `placeholder` after the selection (wrapping) and types
// `value` in its place, whole (Null types nothing). Later occurrences stay.
void word_long_text_pass(const ObjectPtr& word, TextView placeholder, const Variant& value);

// The Find set-up the passes share, then a plain Execute that selects what it finds.
// True when the selection then holds exactly `placeholder`.
bool word_find_placeholder(const ObjectPtr& word, TextView placeholder);

// DocWordSubstLista: the lines 1..`contador` of `lista` typed as paragraphs where
// `variavel` first occurs; a single blank when `contador` is 0; nothing when it is not
// found.
void DocWordSubstLista(const Variant& doc_word, const Variant& variavel, const Variant& contador,
                       const Variant& lista);

// Every row 1..counter replaced everywhere in the Writer document through the one
// replace descriptor: substring match with the suite's defaults, the value whole.
void writer_table_pass(const ObjectPtr& document, const ObjectPtr& descriptor, const Array& table,
                       int32_t counter);
// One search-and-replace-all through the descriptor.
void writer_replace_all(const ObjectPtr& document, const ObjectPtr& descriptor,
                        const Variant& search, const Variant& replace);

// The text a value becomes in a suite: Null and Empty as "", others by the host
// language's conversion.
Text suite_text(const Variant& v);

}  // namespace orvane::docgen
