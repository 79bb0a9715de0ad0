// List placeholders declared as data and filled by one builder.
//
// A list placeholder ("vEquipamentos", "vTecnicos", ...) receives lines; each line is its
// cells joined by a tab. A ListLayout declares one list: its placeholder, its columns
// (a field or a computed value, a format, a role), its money style, which lines it takes,
// how a rented line shows its prices, whether it groups (group header line, "Total de "
// line) and closes with a grand total, which columns it drops, how many lines it holds
// and the line it shows when it stays empty. A document keeps its declarations in
// constant tables, one per recordset that feeds them; build_lists walks the recordset
// once and feeds every list of the table, keeping the group state itself.
//
//   const std::vector<ListLayout>& product_lists() {
//     static const std::vector<ListLayout> k = {
//         {.placeholder = u"vEquipamentos", .columns = {code(u"CodProduto"), text(u"Descrição"),
//          quantity(u"Quantidade"), price(u"Líquido"), total(u"TotalLíquido")},
//          .money = Money::Reais, .rented = Rented::Locado, .grouped = true},
//         ...};
//     return k;
//   }
//
// Lines are stored from index 1 up to the declared capacity; one more raises the
// subscript error (9), which the generator's handler reports.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "core/context.h"
#include "core/text.h"
#include "core/variant.h"
#include "platform/db/db.h"

namespace orvane::docgen {

class Line;
// A value computed from the current line (named functions, not closures, so a
// declaration table stays plain data).
using LineValue = Variant (*)(const Line&);
using LineTest = bool (*)(const Line&);

// How a money column is written: "R$ " + "#,##0.00", "#,##0.00", or "Currency".
enum class Money : uint8_t { Reais, Plain, Currency };

// What a column holds, so that a list can drop it or hide it on a rented line.
enum class Role : uint8_t { Code, Text, Quantity, Price, Total };

struct Column {
  Text field;              // a field of the record (when `compute` is null)
  Text format;             // VB format of the value; money columns take the list's style
  Role role = Role::Text;  // Price and Total are money columns
  LineValue compute = nullptr;
  bool sequence = false;  // the line's number in its list or table (1, 2, ...), formatted

  bool is_money() const { return role == Role::Price || role == Role::Total; }
};

// Column shorthands.
Column code(TextView field, TextView format = u"000000");
Column text(TextView field, TextView format = u"");
Column quantity(TextView field, TextView format = u"0.0");
Column price(TextView field);
Column total(TextView field);
Column computed(LineValue f, TextView format = u"", Role role = Role::Text);
// The number of the line within its list or table ("ITEM" columns), counting the lines the
// list takes (group and total lines not counted).
Column item_number(TextView format = u"");

// Which lines of the recordset a list takes. A rented line is one the document marks so
// (a rental budget's line that is not charged); a charged line is one billed to the
// customer.
enum class Lines : uint8_t { All, Charged, NotCharged, Rented, NotRented };

// How a rented line shows its money columns: as any line, "Locado" in the first money
// column and a blank in the others, or zero in every money column.
enum class Rented : uint8_t { Shown, Locado, Zero };

// The suites a list is applied on (some lists exist only in a document's Word variant).
enum class Suites : uint8_t { Both, WordOnly };

struct ListLayout {
  Text placeholder;
  std::vector<Column> columns;
  Money money = Money::Reais;
  Lines lines = Lines::All;
  LineTest filter = nullptr;  // a further test a line must pass
  Rented rented = Rented::Shown;
  bool grouped = false;      // group header and "Total de " lines, when the builder groups
  bool grand_total = false;  // a last line "Total Líquido" with the total of the Total column
  bool drop_code = false;    // columns of role Code left out
  bool drop_money = false;   // money columns left out
  bool upper_case = false;   // the whole line in capitals
  int32_t capacity = 500;
  Text empty_text;  // the one line of a list that stays empty ("" = none)
  Text separator = u"\t";
  Suites suites = Suites::Both;
};

// The lines of one list placeholder: Word takes them as an array from index 1 with a
// count, Writer as one text with each line followed by a terminator.
class ListLines {
 public:
  // Lines 1..`last_index` can be stored; storing past it raises the subscript error (9).
  ListLines(Text placeholder, int32_t last_index, Suites suites = Suites::Both);
  void add(Text line);
  const Text& placeholder() const { return placeholder_; }
  int32_t count() const;
  Suites suites() const { return suites_; }
  const Text& line(int32_t i) const;  // 1..count()
  // The lines as the array DocWordSubstLista takes (index 1..count).
  Variant lines_variant() const;
  // Every line followed by `terminator` ("" for no line).
  Text joined(TextView terminator) const;
  // The lines joined by `separator` (nothing after the last).
  Text joined_between(TextView separator) const;

 private:
  Text placeholder_;
  int32_t last_index_;
  Suites suites_;
  std::vector<Text> lines_;
};

// Every list of a document, by placeholder, in the order they were declared. A declared
// list exists from the start, so a list whose source was never read is applied empty.
class ListSet {
 public:
  ListSet() = default;
  // Declares every list of `layouts` (a placeholder declared twice keeps its first lines).
  void declare(const std::vector<ListLayout>& layouts);
  // A list of plain lines (no layout): a placeholder, its capacity and suites.
  ListLines& declare(TextView placeholder, int32_t capacity = 500, Suites suites = Suites::Both);
  // VbError 5 for a placeholder that was not declared.
  ListLines& operator[](TextView placeholder);
  const ListLines& operator[](TextView placeholder) const;
  const ListLines* find(TextView placeholder) const;
  const std::deque<ListLines>& all() const { return lists_; }

 private:
  std::deque<ListLines> lists_;  // stable: builders keep references
};

// What the builder knows besides the record: the call's connection and context for
// computed columns, how to tell rented and charged lines, and the grouping.
struct LineFacts {
  bool rented = false;
  bool charged = true;
};
struct ListContext {
  Variant conn;
  ContextPtr ctx;
  int32_t unit = 0;
  std::function<LineFacts(const db::Recordset&)> facts;  // unset: every line charged
  Text group_field;                                      // the field that names a line's group
  bool grouping = false;  // grouped lists write group lines (e.g. more than one group)
  // A record's group when no single field name reaches it (e.g. a computed column that has
  // the name of a column before it); takes the place of `group_field` when set.
  Variant (*group_value)(const db::Recordset&) = nullptr;
  // Values of the whole document that computed columns read (Line::value).
  std::vector<std::pair<Text, Variant>> values;

  bool groups_lines() const { return !group_field.empty() || group_value != nullptr; }
  // The group name of the current record ("" for Null).
  Text group_of(const db::Recordset& rs) const;
};

// The builder's view of the current record.
class Line {
 public:
  Line(const db::Recordset& rs, const LineFacts& facts, const ListContext& context)
      : rs_(rs), facts_(facts), context_(context) {}
  Variant field(TextView name) const { return rs_.field(name); }
  const db::Recordset& record() const { return rs_; }
  bool rented() const { return facts_.rented; }
  bool charged() const { return facts_.charged; }
  const ListContext& context() const { return context_; }
  // A document value of the context (Empty when it has none of that name).
  Variant value(TextView name) const;

 private:
  const db::Recordset& rs_;
  const LineFacts& facts_;
  const ListContext& context_;
};

// A money value in a style ("R$ 1.234,50", "1.234,50", "R$ 1.234,50" by Currency).
Text money_text(const Variant& value, Money style);
// A column's text for the line (format, money style); Null gives "". `item` is the line's
// number for a sequence column.
Text column_text(const Column& column, const Line& line, Money money, int32_t item = 0);
// The same with the rented-line rule: on a rented line a money column shows "Locado" (the
// first) or a blank, or zero, as `rented` says; `first_money` follows the line's columns.
Text cell_text(const Column& column, const Line& line, Money money, Rented rented,
               bool& first_money, int32_t item = 0);
// Whether a line passes a declaration's choice of lines and its filter.
bool takes_line(Lines lines, LineTest filter, const Line& line);
// A column's value as a number for totals (Null, Empty and non-numbers count 0).
double column_number(const Column& column, const Line& line);

// Feeds the lists declared in `layouts` from records one at a time, then closes them.
class ListBuilder {
 public:
  ListBuilder(const std::vector<ListLayout>& layouts, ListSet& lists, ListContext context);
  ~ListBuilder();
  ListBuilder(const ListBuilder&) = delete;
  ListBuilder& operator=(const ListBuilder&) = delete;
  // One record: every list that takes it receives its line (and group lines).
  void add(const db::Recordset& rs);
  // The last group's total lines, the grand totals and the empty-list lines.
  void finish();

 private:
  struct State;
  const std::vector<ListLayout>& layouts_;
  ListSet& lists_;
  ListContext context_;
  std::vector<State> states_;
  bool finished_ = false;
};

// Walks the recordset from its first record to the end through a ListBuilder and
// finishes it. The lists must have been declared in `lists`.
void build_lists(db::Recordset& rs, const std::vector<ListLayout>& layouts, ListSet& lists,
                 const ListContext& context);

}  // namespace orvane::docgen
