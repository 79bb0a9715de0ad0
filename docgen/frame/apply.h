// Putting a data pass's result into the document, the pieces every document's two
// applications are made of. The order of the calls is each document's own (its Word list
// order, where its tables go); the pieces are the same.
#pragma once

#include <vector>

#include "core/object.h"
#include "core/text.h"
#include "docgen/frame/pipeline.h"

namespace orvane::docgen {

// Word: each long text typed whole at its placeholder's first occurrence.
void type_long_texts(const ObjectPtr& word, const std::vector<LongText>& texts);

// Word: each picture placeholder's first occurrence removed and, when it names a file, the
// picture inserted there (a file that is not a picture is left out; the document goes on).
void insert_word_pictures(const ObjectPtr& word, const std::vector<PicturePlaceholder>& pictures);

// Word: the lists typed with DocWordSubstLista, first those of `order` (a document's fixed
// list order, longer names before the shorter ones they begin with), then every other
// declared list, longer names first; the whole sequence `times` times.
void type_word_lists(const ObjectPtr& word, const ListSet& lists,
                     const std::vector<Text>& order = {}, int times = 1);

// Writer: each list (not the Word-only ones) joined into one text, every line followed by
// CR LF, and added to the placeholder table under its name, in the same order as on Word.
void add_writer_lists(PlaceholderTable& table, const ListSet& lists,
                      const std::vector<Text>& order = {});

// The built tables named in `placeholders` (all, in build order, when empty), on each suite.
void insert_word_tables(const ObjectPtr& word, const DocumentData& d,
                        const std::vector<Text>& placeholders = {});
void insert_writer_tables(const Generation& g, const DocumentData& d,
                          const std::vector<Text>& placeholders = {});

}  // namespace orvane::docgen
