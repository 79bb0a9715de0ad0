#include "docgen/layouts.h"

#include "core/convert.h"
#include "core/error.h"
#include "core/format.h"
#include "docgen/placeholders.h"
#include "docgen/substitution.h"

namespace orvane::docgen {
namespace {

constexpr int32_t kWdCell = 12;
constexpr int32_t kWdWord9TableBehavior = 1;
constexpr int32_t kWdAutoFitFixed = 0;

Variant invoke_named(const ObjectPtr& obj, TextView member, std::vector<Variant> args,
                     std::vector<Text> names) {
  if (!obj) throw VbError(err::kObjectNotSet);
  return obj->invoke(member, CallKind::Method, args, names);
}

bool accepted(const RecordFilter& include, const db::Recordset& rs) {
  return !include || include(rs);
}

// The records a table shows; the recordset is walked from its first record.
int32_t count_accepted(db::Recordset& rs, const RecordFilter& include) {
  if (!include) return rs.record_count();
  int32_t n = 0;
  for (rs.move_first(); !rs.eof(); rs.move_next()) {
    if (include(rs)) ++n;
  }
  return n;
}

}  // namespace

Text Cell::text(const db::Recordset& rs) const {
  Variant v = compute ? compute(rs) : rs.field(field);
  if (!format.empty()) v = Format(v, format);
  return suite_text(v);
}

Cell field(TextView name, TextView format) { return Cell{Text(name), Text(format), {}}; }

Cell computed(std::function<Variant(const db::Recordset&)> f, TextView format) {
  return Cell{Text(), Text(format), std::move(f)};
}

ListLines::ListLines(Text placeholder, int32_t last_index)
    : placeholder_(std::move(placeholder)), lines_({Array::Bound{0, last_index + 1}}) {}

void ListLines::add(Text line) {
  lines_.at(count_ + 1) = Variant(std::move(line));  // VbError 9 past the last index
  ++count_;
}

Text ListLines::joined(TextView terminator) const {
  Text out;
  for (int32_t i = 1; i <= count_; ++i) {
    out += suite_text(lines_.at(i));
    out += terminator;
  }
  return out;
}

Text list_line(const ListLayout& layout, const db::Recordset& rs) {
  Text line;
  for (size_t i = 0; i < layout.cells.size(); ++i) {
    if (i > 0) line += layout.separator;
    line += layout.cells[i].text(rs);
  }
  return line;
}

void build_lists(db::Recordset& rs, const std::vector<ListLayout>& layouts,
                 std::vector<ListLines>& lists) {
  if (lists.size() != layouts.size()) throw VbError(err::kInvalidCall);
  if (rs.record_count() < 1) return;
  for (rs.move_first(); !rs.eof(); rs.move_next()) {
    for (size_t i = 0; i < layouts.size(); ++i) {
      if (accepted(layouts[i].include, rs)) lists[i].add(list_line(layouts[i], rs));
    }
  }
}

void word_list(const ObjectPtr& word, const ListLines& list) {
  DocWordSubstLista(Variant(word), Variant(list.placeholder()), Variant(list.count()),
                    list.lines_variant());
}

void writer_list(Array& table, int32_t& counter, const ListLines& list, TextView terminator) {
  add_placeholder(table, counter, list.placeholder(), Variant(list.joined(terminator)));
}

Text column_letter(int column) { return Text(1, static_cast<char16_t>(u'A' + column)); }

void word_table_at_placeholder(const ObjectPtr& word, const TableLayout& layout, db::Recordset& rs,
                               bool condition) {
  if (!word_find_placeholder(word, layout.placeholder)) return;
  ObjectPtr selection = as_object(get(word, u"Selection"));
  if (!(rs.record_count() > 0 && condition)) {
    call(selection, u"TypeText", {Variant(Text(u" "))});
    return;
  }
  const int32_t columns = static_cast<int32_t>(layout.columns.size());
  ObjectPtr tables = as_object(get(as_object(get(word, u"ActiveDocument")), u"tables"));
  invoke_named(tables, u"Add",
               {get(selection, u"Range"), Variant(int32_t{1}), Variant(columns),
                Variant(kWdWord9TableBehavior), Variant(kWdAutoFitFixed)},
               {u"Range", u"NumRows", u"NumColumns", u"DefaultTableBehavior", u"AutoFitBehavior"});
  auto move_to_next_cell = [&] {
    invoke_named(selection, u"MoveRight", {Variant(kWdCell)}, {u"Unit"});
  };
  for (int32_t c = 0; c < columns; ++c) {
    const TableColumn& col = layout.columns[c];
    if (col.width) let(as_object(get(selection, u"Columns")), u"Width", Variant(*col.width));
    let(as_object(get(selection, u"Font")), u"Bold", Variant(true));
    call(selection, u"TypeText", {Variant(col.heading)});
    if (c + 1 < columns) move_to_next_cell();
  }
  for (rs.move_first(); !rs.eof(); rs.move_next()) {
    if (!accepted(layout.include, rs)) continue;
    for (const TableColumn& col : layout.columns) {
      move_to_next_cell();  // past the last cell this appends a row
      let(as_object(get(selection, u"Font")), u"Bold", Variant(false));
      call(selection, u"TypeText", {Variant(col.cell.text(rs))});
    }
  }
}

void DocWriterEscreveCelula(const Variant& celula, const Variant& texto, const ObjectPtr& tabela) {
  ObjectPtr cell = as_object(call(tabela, u"getCellByName", {celula}));
  ObjectPtr cursor = as_object(call(cell, u"createTextCursor"));
  call(cell, u"insertString", {Variant(cursor), Variant(suite_text(texto)), Variant(false)});
}

void writer_table_at_placeholder(const ObjectPtr& document, const ObjectPtr& cursor,
                                 const ObjectPtr& descriptor, const TableLayout& layout,
                                 db::Recordset& rs, bool condition) {
  ObjectPtr search = as_object(call(document, u"createSearchDescriptor"));
  let(search, u"SearchString", Variant(layout.placeholder));
  let(search, u"SearchCaseSensitive", Variant(false));
  let(search, u"SearchWords", Variant(true));
  Variant found = call(document, u"findFirst", {Variant(search)});
  if (found.is_object() && found.object()) {
    call(cursor, u"gotoRange", {call(found.object(), u"getStart"), Variant(false)});
    call(cursor, u"gotoRange", {found, Variant(true)});
  }

  if (rs.record_count() > 0 && condition) {
    const int32_t columns = static_cast<int32_t>(layout.columns.size());
    const int32_t rows = count_accepted(rs, layout.include);
    ObjectPtr table = as_object(
        call(document, u"createInstance", {Variant(Text(u"com.sun.star.text.TextTable"))}));
    call(table, u"initialize", {Variant(rows + 1), Variant(columns)});
    ObjectPtr text = as_object(call(document, u"GetText"));
    call(text, u"insertTextContent", {Variant(cursor), Variant(table), Variant(false)});

    for (int32_t c = 0; c < columns; ++c) {
      DocWriterEscreveCelula(Variant(column_letter(c) + u"1"), Variant(layout.columns[c].heading),
                             table);
    }
    int32_t r = 0;
    for (rs.move_first(); !rs.eof(); rs.move_next()) {
      if (!accepted(layout.include, rs)) continue;
      ++r;
      for (int32_t c = 0; c < columns; ++c) {
        Text name = column_letter(c) + CStr(Variant(r + 1));
        ObjectPtr cell = as_object(call(table, u"getCellByName", {Variant(name)}));
        call(cell, u"setString", {Variant(layout.columns[c].cell.text(rs))});
      }
    }

    if (!layout.writer_separators.empty()) {
      Variant separators = get(table, u"TableColumnSeparators");
      const double sum = CDbl(get(table, u"TableColumnRelativeSum"));
      Array& items = separators.array();
      for (size_t k = 0; k < layout.writer_separators.size(); ++k) {
        const Variant& sep = items.at(items.bound(0).lower + static_cast<int32_t>(k));
        let(as_object(sep), u"Position", Variant(sum * layout.writer_separators[k]));
      }
      let(table, u"TableColumnSeparators", separators);
    }
  }

  writer_replace_all(document, descriptor, Variant(layout.placeholder), Variant(Text()));
}

}  // namespace orvane::docgen
