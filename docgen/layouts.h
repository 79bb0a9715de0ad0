// Lists and tables declared as data. A generator describes each list placeholder (its
// cells and separator) and each table placeholder (columns with heading, Word width in
// points, cell value; Writer column separators as fractions of the table width); one
// builder turns a recordset into list lines, and one routine per suite puts a table
// where its placeholder stands.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/object.h"
#include "core/text.h"
#include "core/variant.h"
#include "platform/db/db.h"

namespace orvane::docgen {

// One value of a list line or a table row: a field of the current record, or a value
// computed from it, then formatted (an empty format keeps the value; Null gives "").
struct Cell {
  Text field;
  Text format;
  std::function<Variant(const db::Recordset&)> compute;

  Text text(const db::Recordset& rs) const;
};

// Shorthands for the common cells.
Cell field(TextView name, TextView format = u"");
Cell computed(std::function<Variant(const db::Recordset&)> f, TextView format = u"");

using RecordFilter = std::function<bool(const db::Recordset&)>;

struct ListLayout {
  Text placeholder;
  std::vector<Cell> cells;
  Text separator = u"\t";
  RecordFilter include;  // empty: every record gives a line
};

// The lines of one list placeholder: Word takes them as an array from index 1 with a
// count, Writer as one text with each line followed by a terminator.
class ListLines {
 public:
  // Lines 1..`last_index` can be stored; storing past it raises the subscript error (9).
  ListLines(Text placeholder, int32_t last_index);
  void add(Text line);
  const Text& placeholder() const { return placeholder_; }
  int32_t count() const { return count_; }
  const Array& lines() const { return lines_; }
  Variant lines_variant() const { return Variant(lines_); }
  // Every line followed by `terminator` ("" for no line).
  Text joined(TextView terminator) const;

 private:
  Text placeholder_;
  Array lines_;
  int32_t count_ = 0;
};

// The line a layout makes of the current record.
Text list_line(const ListLayout& layout, const db::Recordset& rs);

// Walks the recordset from its first record to the end and appends each record's line to
// every list whose layout accepts it (`lists[i]` receives `layouts[i]`'s lines).
void build_lists(db::Recordset& rs, const std::vector<ListLayout>& layouts,
                 std::vector<ListLines>& lists);

// A list put in its place: on Word typed as paragraphs (DocWordSubstLista); on Writer added
// to the placeholder table as one text, each line followed by `terminator`.
void word_list(const ObjectPtr& word, const ListLines& list);
void writer_list(Array& table, int32_t& counter, const ListLines& list, TextView terminator);

struct TableColumn {
  Text heading;
  std::optional<double> width;  // points, on Word; unset leaves Word's own width
  Cell cell;
};

struct TableLayout {
  Text placeholder;
  std::vector<TableColumn> columns;
  std::vector<double> writer_separators;  // position of separator k as a fraction
  RecordFilter include;                   // empty: every record gives a row
};

// The table placeholder on Word: the placeholder's first occurrence becomes the table
// (headings in bold, one row per accepted record) when the recordset has records and
// `condition` holds, else a single blank. Nothing happens when it is not found.
void word_table_at_placeholder(const ObjectPtr& word, const TableLayout& layout, db::Recordset& rs,
                               bool condition = true);

// The table placeholder on Writer: the found placeholder is selected with `cursor`, a
// text table is inserted at the cursor when the recordset has records and `condition`
// holds, its separators placed, and the placeholder text removed through `descriptor`.
void writer_table_at_placeholder(const ObjectPtr& document, const ObjectPtr& cursor,
                                 const ObjectPtr& descriptor, const TableLayout& layout,
                                 db::Recordset& rs, bool condition = true);

// DocWriterEscreveCelula: inserts `texto` into the cell `celula` ("A1") of a Writer
// text table through a text cursor of the cell.
void DocWriterEscreveCelula(const Variant& celula, const Variant& texto, const ObjectPtr& tabela);

// "A", "B", ... for column 0, 1, ...
Text column_letter(int column);

}  // namespace orvane::docgen
