// The Word operations the generators use, each one a short sequence of calls on the
// Word object model ("Word.Application"), late-bound by member name: this file and its
// Writer twin are the only places in docgen that name suite members. Any object that
// answers those members will do (ours, or one a host passes to DocWordSubstLista).
//
// Errors are not caught: a suite error reaches the generator's handler.
#pragma once

#include <cstdint>
#include <vector>

#include "core/context.h"
#include "core/object.h"
#include "core/text.h"
#include "core/variant.h"

namespace orvane::docgen::word_suite {

// Word's constants used here, by their Word names.
inline constexpr int32_t wdCharacter = 1, wdLine = 5, wdCell = 12;
inline constexpr int32_t wdMove = 0, wdExtend = 1;
inline constexpr int32_t wdAlignParagraphLeft = 0, wdAlignParagraphCenter = 1,
                         wdAlignParagraphRight = 2;
inline constexpr int32_t wdCellAlignVerticalCenter = 1;
inline constexpr int32_t wdLineStyleSingle = 1;

// "Word.Application" (VbError 429 when it cannot be created), with the file opened from
// `folder` by its bare name, as the generators open a working copy.
ObjectPtr open(const ContextPtr& ctx, TextView folder, TextView file_name);

// The leading number of Word's Version text ("16.0" -> 16).
double major_version(const ObjectPtr& word);

// Find set-up shared by every pass: formatting cleared, `text` to find, `replacement`,
// forward, wrapping, whole words, no case, wildcards, sounds-like or word forms.
void set_find(const ObjectPtr& word, TextView text, TextView replacement);
// Replace-all of `text` by `replacement` (the table pass's step).
void replace_all(const ObjectPtr& word, TextView text, TextView replacement);
// A plain Execute: the first occurrence after the selection, wrapping, becomes the
// selection. True when the selection then holds `placeholder` (compared in upper case
// when `upper_case`).
bool find_placeholder(const ObjectPtr& word, TextView placeholder, bool upper_case = false);

// Typing at the selection.
void type_text(const ObjectPtr& word, TextView text);
void type_paragraph(const ObjectPtr& word);
void set_bold(const ObjectPtr& word, bool bold);
void set_alignment(const ObjectPtr& word, int32_t alignment);
void add_picture(const ObjectPtr& word, TextView file);

// Tables at the selection.
// A table of one row and `columns` columns in place of the selection; the selection moves
// to its first cell.
void add_table(const ObjectPtr& word, int32_t columns);
void set_column_width(const ObjectPtr& word, double points);
// Moves to the next cell (past the last cell this appends a row).
void next_cell(const ObjectPtr& word);
// Extends the selection over the next `cells` cells of the row.
void extend_cells(const ObjectPtr& word, int32_t cells);
void merge_cells(const ObjectPtr& word);
void center_cells_vertically(const ObjectPtr& word);
// The six border line styles of the selected cells (top, left, bottom, right, inside).
void set_borders(const ObjectPtr& word, int32_t line_style);
// From the last row of a table: the insertion point goes to the paragraph below it.
void leave_table(const ObjectPtr& word);
// Whole table selected (for the borders of every cell).
void select_table(const ObjectPtr& word);

// Output. With `short_list` each call passes only the arguments some documents give
// (export: file, format, opening, pages 1 to 1 and the document options; save: the file
// name; print: copies, collation and background), leaving Word's defaults for the rest.
void export_pdf(const ObjectPtr& word, TextView path, bool open_after, bool short_list = false);
// A Word 97 ".doc": ChangeFileOpenDirectory to its folder, SaveAs by its bare name.
void save_doc(const ObjectPtr& word, TextView folder, TextView file_name, bool short_list = false);
void print(const ObjectPtr& word, int16_t copies, bool short_list = false);
// Closes the active window without saving and quits; errors ignored.
void close_and_quit(const ObjectPtr& word);
// Leaves Word open with the document in front of the user.
void show(const ObjectPtr& word);

}  // namespace orvane::docgen::word_suite
