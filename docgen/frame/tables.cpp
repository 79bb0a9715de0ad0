#include "docgen/frame/tables.h"

#include "core/convert.h"
#include "core/error.h"
#include "core/format.h"
#include "docgen/frame/substitution.h"
#include "docgen/frame/word_suite.h"
#include "docgen/frame/writer_suite.h"

namespace orvane::docgen {
namespace {

int total_column(const TableLayout& layout) {
  for (size_t k = 0; k < layout.columns.size(); ++k) {
    if (layout.columns[k].cell.role == Role::Total) return static_cast<int>(k);
  }
  return -1;
}

TableCell cell_of(const TableColumn& col, const Line& line, const TableLayout& layout,
                  bool& first_money, int32_t item) {
  TableCell cell;
  cell.bold = col.bold;
  Text value = cell_text(col.cell, line, layout.money, layout.rented, first_money, item);
  if (col.picture) {
    cell.picture = std::move(value);
  } else {
    cell.text = std::move(value);
  }
  if (!col.detail_field.empty()) cell.detail = suite_text(line.field(col.detail_field));
  return cell;
}

}  // namespace

int32_t TableContent::rows() const {
  int32_t n = 0;
  for (const TableBlock& b : blocks) {
    n += static_cast<int32_t>(b.rows.size()) + (b.total_label.empty() ? 0 : 1);
  }
  return n;
}

TableContent build_table(db::Recordset& rs, const TableLayout& layout, const ListContext& context,
                         bool condition) {
  TableContent content;
  content.layout = &layout;
  content.placeholder = layout.placeholder;
  const int totals = total_column(layout);
  const bool groups = layout.grouped && context.groups_lines();
  double block_total = 0.0;
  // The "Total: " row sums every Total column.
  std::vector<double> grand(layout.columns.size(), 0.0);
  int32_t items = 0;
  Text group;

  auto close_block = [&] {
    if (content.blocks.empty()) return;
    if (groups) {
      content.blocks.back().total_label = u"Total de " + group + u":";
      content.blocks.back().total_value = money_text(Variant(CCur(block_total)), Money::Reais);
    }
  };

  if (rs.record_count() > 0) {
    for (rs.move_first(); !rs.eof(); rs.move_next()) {
      const LineFacts facts = context.facts ? context.facts(rs) : LineFacts{};
      const Line line(rs, facts, context);
      if (!takes_line(layout.lines, layout.filter, line)) continue;
      if (groups) {
        const Text name = context.group_of(rs);
        if (content.blocks.empty() || name != group) {
          close_block();
          content.blocks.emplace_back();
          group = name;
          block_total = 0.0;
        }
      } else if (content.blocks.empty()) {
        content.blocks.emplace_back();
      }
      std::vector<TableCell> row;
      row.reserve(layout.columns.size());
      bool first_money = true;
      ++items;
      for (const TableColumn& col : layout.columns) {
        row.push_back(cell_of(col, line, layout, first_money, items));
      }
      if (totals >= 0 && !(line.rented() && layout.rented != Rented::Shown)) {
        block_total += column_number(layout.columns[totals].cell, line);
        for (size_t k = 0; k < layout.columns.size(); ++k) {
          if (layout.columns[k].cell.role == Role::Total) {
            grand[k] += column_number(layout.columns[k].cell, line);
          }
        }
      }
      content.blocks.back().rows.push_back(std::move(row));
    }
  }
  close_block();
  if (layout.total_row && !content.blocks.empty() && totals >= 0) {
    std::vector<TableCell> last(layout.columns.size());
    last[0].text = u"Total: ";
    for (size_t k = 0; k < layout.columns.size(); ++k) {
      if (layout.columns[k].cell.role == Role::Total) {
        last[k].text = money_text(Variant(CCur(grand[k])), layout.money);
      }
    }
    content.blocks.back().rows.push_back(std::move(last));
  }
  content.present = condition && !content.blocks.empty();
  return content;
}

TableContent table_of_rows(const TableLayout& layout, std::vector<std::vector<Text>> rows,
                           bool condition) {
  TableContent content;
  content.layout = &layout;
  content.placeholder = layout.placeholder;
  if (!rows.empty()) {
    TableBlock& block = content.blocks.emplace_back();
    for (std::vector<Text>& r : rows) {
      std::vector<TableCell> cells(layout.columns.size());
      for (size_t k = 0; k < cells.size() && k < r.size(); ++k) {
        cells[k].text = std::move(r[k]);
        cells[k].bold = layout.columns[k].bold;
      }
      block.rows.push_back(std::move(cells));
    }
  }
  content.present = condition && !content.blocks.empty();
  return content;
}

// ---- Word ----------------------------------------------------------------------------------

namespace {

void type_word_cell(const ObjectPtr& word, const TableCell& cell) {
  if (!cell.picture.empty()) {
    // A picture that cannot be read leaves the cell empty; the table goes on.
    resume_next([&] { word_suite::add_picture(word, cell.picture); });
  }
  word_suite::set_bold(word, cell.bold);
  word_suite::type_text(word, cell.text);
  if (!cell.detail.empty()) {
    if (cell.bold) word_suite::set_bold(word, false);
    word_suite::type_paragraph(word);
    word_suite::type_text(word, cell.detail);
  }
}

// The six borders of the selected cell (a cell is selected as the table is walked), when the
// layout has them. Set cell by cell, the selection never leaves the table's last cell, so the
// next group's table goes under this one.
void cell_borders(const ObjectPtr& word, const TableLayout& layout) {
  if (!layout.borders) return;
  if (layout.word_borders) {
    layout.word_borders(word);
  } else {
    word_suite::set_borders(word, word_suite::wdLineStyleSingle);
  }
}

void word_table(const ObjectPtr& word, const TableLayout& layout, const TableBlock& block) {
  const int32_t columns = static_cast<int32_t>(layout.columns.size());
  word_suite::add_table(word, columns);
  for (int32_t c = 0; c < columns; ++c) {
    const TableColumn& col = layout.columns[c];
    if (col.word_width > 0) word_suite::set_column_width(word, col.word_width);
    cell_borders(word, layout);
    word_suite::set_bold(word, true);
    word_suite::type_text(word, col.heading);
    if (c + 1 < columns) word_suite::next_cell(word);
  }
  for (const std::vector<TableCell>& row : block.rows) {
    for (const TableCell& cell : row) {
      word_suite::next_cell(word);  // past the last cell this appends a row
      cell_borders(word, layout);
      type_word_cell(word, cell);
    }
  }
  if (!block.total_label.empty()) {
    word_suite::next_cell(word);
    word_suite::set_bold(word, true);
    word_suite::type_text(word, block.total_label);
    if (columns > 2) {
      word_suite::extend_cells(word, columns - 2);
      word_suite::merge_cells(word);
    }
    cell_borders(word, layout);
    if (columns > 1) {
      word_suite::next_cell(word);
      cell_borders(word, layout);
      word_suite::type_text(word, block.total_value);
    }
    word_suite::set_bold(word, false);
  }
}

}  // namespace

void insert_word_table(const ObjectPtr& word, const TableContent& content) {
  if (!word_suite::find_placeholder(word, content.placeholder)) return;
  if (!content.present) {
    word_suite::type_text(word, u" ");
    return;
  }
  for (size_t b = 0; b < content.blocks.size(); ++b) {
    if (b > 0) {
      // The next group's table goes under the one just built, a paragraph apart.
      word_suite::leave_table(word);
      word_suite::type_paragraph(word);
    }
    word_table(word, *content.layout, content.blocks[b]);
  }
}

// ---- Writer --------------------------------------------------------------------------------

void DocWriterEscreveCelula(const Variant& celula, const Variant& texto, const ObjectPtr& tabela) {
  writer_suite::insert_cell_text(tabela, suite_text(celula), suite_text(texto));
}

Text column_letter(int column) { return Text(1, static_cast<char16_t>(u'A' + column)); }

void insert_writer_table(const ObjectPtr& document, const ObjectPtr& cursor,
                         const ObjectPtr& descriptor, const TableContent& content) {
  ObjectPtr found = writer_suite::find_first(document, content.placeholder);
  if (found && content.present) {
    writer_suite::select_range(cursor, found);
    const TableLayout& layout = *content.layout;
    const int32_t columns = static_cast<int32_t>(layout.columns.size());
    ObjectPtr table = writer_suite::insert_table(document, cursor, content.rows() + 1, columns);
    for (int32_t c = 0; c < columns; ++c) {
      DocWriterEscreveCelula(Variant(column_letter(c) + u"1"), Variant(layout.columns[c].heading),
                             table);
    }
    int32_t r = 1;
    auto write_row = [&](const std::vector<Text>& texts) {
      ++r;
      for (int32_t c = 0; c < columns && c < static_cast<int32_t>(texts.size()); ++c) {
        writer_suite::set_cell_text(table, column_letter(c) + CStr(Variant(r)), texts[c]);
      }
    };
    for (const TableBlock& block : content.blocks) {
      for (const std::vector<TableCell>& row : block.rows) {
        std::vector<Text> texts;
        for (const TableCell& cell : row) {
          texts.push_back(cell.detail.empty() ? cell.text : cell.text + u"\r\n" + cell.detail);
        }
        write_row(texts);
      }
      if (!block.total_label.empty()) {
        std::vector<Text> texts(columns);
        texts[0] = block.total_label;
        texts[columns - 1] = block.total_value;
        write_row(texts);
      }
    }
    if (!layout.writer_separators.empty()) {
      writer_suite::set_separators(table, layout.writer_separators);
    }
  }
  writer_suite::replace_all(document, descriptor, content.placeholder, u"");
}

}  // namespace orvane::docgen
