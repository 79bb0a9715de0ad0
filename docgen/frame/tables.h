// Table placeholders declared as data. A TableLayout declares the table that takes a
// placeholder's place: its columns (heading, Word width in points, the cell's value as a
// list Column), the Writer column separators as fractions of the table width, which
// records give rows, and the Word-only options: one table per group closed by a merged
// "Total de " + group + ":" row, a last "Total: " row, all six borders of every cell, a
// picture column, a cell in bold with a detail paragraph under it.
//
// The data pass builds a TableContent from a recordset (build_table); each suite then
// puts the content where its placeholder stands (insert_word_table, insert_writer_table).
#pragma once

#include <cstdint>
#include <vector>

#include "core/object.h"
#include "core/text.h"
#include "core/variant.h"
#include "docgen/frame/lists.h"
#include "platform/db/db.h"

namespace orvane::docgen {

struct TableColumn {
  Text heading;
  double word_width = 0;  // points; 0 leaves Word's own width
  Column cell;
  bool bold = false;     // the cell's value in bold
  Text detail_field;     // a field typed under the value, in a paragraph of its own
  bool picture = false;  // the value is a picture file inserted in the cell (Word)
};

struct TableLayout {
  Text placeholder;
  std::vector<TableColumn> columns;
  std::vector<double> writer_separators;  // separator k at this fraction of the width
  Money money = Money::Currency;
  Lines lines = Lines::All;
  LineTest filter = nullptr;
  Rented rented = Rented::Shown;
  bool grouped = false;    // one table per group, each closed by a merged total row
  bool total_row = false;  // a last row "Total: " with the sum of each Total column
  bool borders = false;    // the six borders of every cell (Word)
  Suites suites = Suites::Both;
  // The document's own routine for those borders, called with the whole table selected
  // (default: single lines on all six).
  void (*word_borders)(const ObjectPtr& word) = nullptr;
};

struct TableCell {
  Text text;
  Text detail;   // typed under `text`, in its own paragraph, not bold
  Text picture;  // a picture file (Word)
  bool bold = false;
};

// One table: its rows (the heading row not included) and, for a grouped table, the label
// and amount of its merged total row.
struct TableBlock {
  std::vector<std::vector<TableCell>> rows;
  Text total_label;  // "" = no total row
  Text total_value;
};

struct TableContent {
  const TableLayout* layout = nullptr;
  Text placeholder;
  // False when the table is not to be built (no rows, or the generator's condition): Word
  // then types a single blank at the placeholder and Writer inserts nothing.
  bool present = false;
  std::vector<TableBlock> blocks;  // one per group, or one
  int32_t rows() const;            // data and total rows of every block
};

// The table `layout` makes of the recordset (walked from its first record) when
// `condition` holds. Grouped layouts split blocks on `context.group_field`.
TableContent build_table(db::Recordset& rs, const TableLayout& layout, const ListContext& context,
                         bool condition = true);

// A table made of rows the document computed itself (each row one text per column).
TableContent table_of_rows(const TableLayout& layout, std::vector<std::vector<Text>> rows,
                           bool condition = true);

// On Word: the placeholder's first occurrence becomes the table(s) (headings in bold, one
// row per record) when present, else a single blank. Nothing happens when not found.
void insert_word_table(const ObjectPtr& word, const TableContent& content);

// On Writer: when the placeholder is found (whole word, case ignored) and the content is
// present, a text table is inserted there (headings, rows, separators); the placeholder
// text is then removed everywhere through `descriptor`.
void insert_writer_table(const ObjectPtr& document, const ObjectPtr& cursor,
                         const ObjectPtr& descriptor, const TableContent& content);

// DocWriterEscreveCelula: inserts `texto` into the cell `celula` ("A1") of a Writer
// text table through a text cursor of the cell.
void DocWriterEscreveCelula(const Variant& celula, const Variant& texto, const ObjectPtr& tabela);

// "A", "B", ... for column 0, 1, ...
Text column_letter(int column);

}  // namespace orvane::docgen
