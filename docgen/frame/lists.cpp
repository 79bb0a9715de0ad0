#include "docgen/frame/lists.h"

#include "core/convert.h"
#include "core/error.h"
#include "core/format.h"

namespace orvane::docgen {
namespace {

bool kept(const ListLayout& layout, const Column& c) {
  if (layout.drop_code && c.role == Role::Code) return false;
  if (layout.drop_money && c.is_money()) return false;
  return true;
}

}  // namespace

Column code(TextView field, TextView format) {
  return Column{Text(field), Text(format), Role::Code, nullptr};
}
Column text(TextView field, TextView format) {
  return Column{Text(field), Text(format), Role::Text, nullptr};
}
Column quantity(TextView field, TextView format) {
  return Column{Text(field), Text(format), Role::Quantity, nullptr};
}
Column price(TextView field) { return Column{Text(field), Text(), Role::Price, nullptr}; }
Column total(TextView field) { return Column{Text(field), Text(), Role::Total, nullptr}; }
Column computed(LineValue f, TextView format, Role role) {
  return Column{Text(), Text(format), role, f};
}
Column item_number(TextView format) {
  return Column{Text(), Text(format), Role::Text, nullptr, true};
}

// ---- lines ------------------------------------------------------------------------------

ListLines::ListLines(Text placeholder, int32_t last_index, Suites suites)
    : placeholder_(std::move(placeholder)), last_index_(last_index), suites_(suites) {}

void ListLines::add(Text line) {
  if (static_cast<int32_t>(lines_.size()) >= last_index_) throw VbError(err::kSubscript);
  lines_.push_back(std::move(line));
}

int32_t ListLines::count() const { return static_cast<int32_t>(lines_.size()); }

const Text& ListLines::line(int32_t i) const {
  if (i < 1 || i > count()) throw VbError(err::kSubscript);
  return lines_[i - 1];
}

Variant ListLines::lines_variant() const {
  Array a({Array::Bound{0, last_index_ + 1}});
  for (int32_t i = 1; i <= count(); ++i) a.at(i) = Variant(lines_[i - 1]);
  return Variant(std::move(a));
}

Text ListLines::joined(TextView terminator) const {
  Text out;
  for (const Text& l : lines_) {
    out += l;
    out += terminator;
  }
  return out;
}

Text ListLines::joined_between(TextView separator) const {
  Text out;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) out += separator;
    out += lines_[i];
  }
  return out;
}

// ---- the set of a document's lists -------------------------------------------------------

void ListSet::declare(const std::vector<ListLayout>& layouts) {
  for (const ListLayout& l : layouts) {
    if (!find(l.placeholder)) lists_.emplace_back(l.placeholder, l.capacity, l.suites);
  }
}

ListLines& ListSet::declare(TextView placeholder, int32_t capacity, Suites suites) {
  for (ListLines& l : lists_) {
    if (l.placeholder() == placeholder) return l;
  }
  return lists_.emplace_back(Text(placeholder), capacity, suites);
}

const ListLines* ListSet::find(TextView placeholder) const {
  for (const ListLines& l : lists_) {
    if (l.placeholder() == placeholder) return &l;
  }
  return nullptr;
}

ListLines& ListSet::operator[](TextView placeholder) {
  return const_cast<ListLines&>(std::as_const(*this)[placeholder]);
}

const ListLines& ListSet::operator[](TextView placeholder) const {
  const ListLines* l = find(placeholder);
  if (!l) throw VbError(err::kInvalidCall, u"Lista não declarada: " + Text(placeholder));
  return *l;
}

// ---- context -------------------------------------------------------------------------------

Text ListContext::group_of(const db::Recordset& rs) const {
  const Variant g = group_value ? group_value(rs) : rs.field(group_field);
  return g.is_null() || g.is_empty() ? Text() : CStr(g);
}

Variant Line::value(TextView name) const {
  for (const auto& [n, v] : context_.values) {
    if (n == name) return v;
  }
  return Variant();
}

// ---- cell texts ---------------------------------------------------------------------------

Text money_text(const Variant& value, Money style) {
  if (value.is_null() || value.is_empty()) return Text();
  switch (style) {
    case Money::Reais:
      return u"R$ " + CStr(Format(value, u"#,##0.00"));
    case Money::Plain:
      return CStr(Format(value, u"#,##0.00"));
    case Money::Currency:
      return CStr(Format(value, u"Currency"));
  }
  return Text();
}

bool takes_line(Lines lines, LineTest filter, const Line& line) {
  switch (lines) {
    case Lines::All:
      break;
    case Lines::Charged:
      if (!line.charged()) return false;
      break;
    case Lines::NotCharged:
      if (line.charged()) return false;
      break;
    case Lines::Rented:
      if (!line.rented()) return false;
      break;
    case Lines::NotRented:
      if (line.rented()) return false;
      break;
  }
  return !filter || filter(line);
}

double column_number(const Column& column, const Line& line) {
  const Variant v = column.compute ? column.compute(line) : line.field(column.field);
  if (v.is_null() || v.is_empty() || !IsNumeric(v)) return 0.0;
  return CDbl(v);
}

Text cell_text(const Column& column, const Line& line, Money money, Rented rented,
               bool& first_money, int32_t item) {
  if (!column.is_money()) return column_text(column, line, money, item);
  const bool was_first = first_money;
  first_money = false;
  if (line.rented() && rented == Rented::Locado) return was_first ? Text(u"Locado") : Text(u" ");
  if (line.rented() && rented == Rented::Zero) return money_text(Variant(Currency()), money);
  return column_text(column, line, money);
}

Text column_text(const Column& column, const Line& line, Money money, int32_t item) {
  if (column.sequence) {
    return column.format.empty() ? CStr(Variant(item)) : CStr(Format(Variant(item), column.format));
  }
  Variant v = column.compute ? column.compute(line) : line.field(column.field);
  if (v.is_null() || v.is_empty()) return Text();
  if (column.is_money() && column.format.empty()) return money_text(v, money);
  if (!column.format.empty()) v = Format(v, column.format);
  return v.is_null() ? Text() : CStr(v);
}

// ---- the builder ---------------------------------------------------------------------------

struct ListBuilder::State {
  ListLines* lines = nullptr;
  std::vector<const Column*> columns;  // those kept
  int total_index = -1;                // the kept column whose values are totalled
  int32_t items = 0;                   // lines taken so far (sequence columns)
  bool in_group = false;
  Text group;
  double group_total = 0.0;
  double grand_total = 0.0;
};

ListBuilder::ListBuilder(const std::vector<ListLayout>& layouts, ListSet& lists,
                         ListContext context)
    : layouts_(layouts), lists_(lists), context_(std::move(context)) {
  states_.resize(layouts_.size());
  for (size_t i = 0; i < layouts_.size(); ++i) {
    const ListLayout& l = layouts_[i];
    State& s = states_[i];
    s.lines = &lists_[l.placeholder];
    for (const Column& c : l.columns) {
      if (!kept(l, c)) continue;
      if (c.role == Role::Total) s.total_index = static_cast<int>(s.columns.size());
      s.columns.push_back(&c);
    }
    if (s.total_index < 0) {
      // Without a Total column the last money column carries the totals.
      for (size_t k = s.columns.size(); k-- > 0;) {
        if (s.columns[k]->is_money()) {
          s.total_index = static_cast<int>(k);
          break;
        }
      }
    }
  }
}

ListBuilder::~ListBuilder() = default;

namespace {

// "Total de " + group (or the grand-total label), tabs up to the total column, the total.
Text total_line(TextView label, int total_index, double amount, const ListLayout& layout) {
  Text line(label);
  for (int k = 0; k < std::max(total_index, 1); ++k) line += layout.separator;
  line += money_text(Variant(CCur(amount)), layout.money);
  return line;
}

Text finish_line(Text line, const ListLayout& layout) {
  return layout.upper_case ? vb::UCase(line) : line;
}

}  // namespace

void ListBuilder::add(const db::Recordset& rs) {
  const LineFacts facts = context_.facts ? context_.facts(rs) : LineFacts{};
  const Line line(rs, facts, context_);
  Text group;
  bool group_read = false;

  for (size_t i = 0; i < layouts_.size(); ++i) {
    const ListLayout& l = layouts_[i];
    State& s = states_[i];
    if (!takes_line(l.lines, l.filter, line)) continue;

    const bool groups = l.grouped && context_.grouping && context_.groups_lines();
    if (groups) {
      if (!group_read) {
        group = context_.group_of(rs);
        group_read = true;
      }
      if (!s.in_group || s.group != group) {
        if (s.in_group && s.total_index >= 0) {
          s.lines->add(
              finish_line(total_line(u"Total de " + s.group, s.total_index, s.group_total, l), l));
        }
        s.lines->add(finish_line(group, l));
        s.in_group = true;
        s.group = group;
        s.group_total = 0.0;
      }
    }

    Text out;
    bool first_money = true;
    ++s.items;
    for (size_t k = 0; k < s.columns.size(); ++k) {
      const Column& c = *s.columns[k];
      if (k > 0) out += l.separator;
      out += cell_text(c, line, l.money, l.rented, first_money, s.items);
      if (static_cast<int>(k) == s.total_index && !(facts.rented && l.rented != Rented::Shown)) {
        const double v = column_number(c, line);
        s.group_total += v;
        s.grand_total += v;
      }
    }
    s.lines->add(finish_line(std::move(out), l));
  }
}

void ListBuilder::finish() {
  if (finished_) return;
  finished_ = true;
  for (size_t i = 0; i < layouts_.size(); ++i) {
    const ListLayout& l = layouts_[i];
    State& s = states_[i];
    if (s.in_group && s.total_index >= 0) {
      s.lines->add(
          finish_line(total_line(u"Total de " + s.group, s.total_index, s.group_total, l), l));
    }
    if (l.grand_total && s.total_index >= 0 && s.lines->count() > 0) {
      s.lines->add(finish_line(total_line(T("Total Líquido"), s.total_index, s.grand_total, l), l));
    }
    if (s.lines->count() == 0 && !l.empty_text.empty()) s.lines->add(l.empty_text);
  }
}

void build_lists(db::Recordset& rs, const std::vector<ListLayout>& layouts, ListSet& lists,
                 const ListContext& context) {
  ListBuilder builder(layouts, lists, context);
  if (rs.record_count() > 0) {
    for (rs.move_first(); !rs.eof(); rs.move_next()) builder.add(rs);
  }
  builder.finish();
}

}  // namespace orvane::docgen
