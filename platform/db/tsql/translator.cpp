#include "platform/db/tsql/translator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <unordered_map>

#include "platform/db/tsql/lexer.h"
#include "platform/db/tsql/parser.h"

namespace orvane::db::tsql {

VbError translate_error(const std::string& message) {
  return VbError(kDbCommandError, from_utf8(message), u"Orvane SQL");
}

const ColumnDef* TableDef::find(TextView column) const {
  for (const auto& c : columns)
    if (vb::EqualsNoCase(c.name, column)) return &c;
  return nullptr;
}

std::string iso_date(Date d) {
  DateParts p = d.parts();
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                p.minute, p.second);
  return buf;
}

// Reads "hh:mm[:ss][.fff]" at `rest` and moves past it.
bool read_time(const char*& rest, int& h, int& mi, int& se) {
  int n = 0;
  if (std::sscanf(rest, "%2d:%2d%n", &h, &mi, &n) != 2) return false;
  rest += n;
  if (*rest == ':') {
    if (std::sscanf(rest, ":%2d%n", &se, &n) != 1) return false;
    rest += n;
  }
  if (*rest == '.') {
    ++rest;
    while (*rest >= '0' && *rest <= '9') ++rest;
  }
  return true;
}

bool parse_date_literal(TextView text, Date& out) {
  std::string s = to_utf8(text);
  while (!s.empty() && s.back() == ' ') s.pop_back();
  while (!s.empty() && s.front() == ' ') s.erase(0, 1);
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, se = 0, n = 0;
  const char* rest = s.c_str();
  bool time_only = false;
  if (std::sscanf(s.c_str(), "%4d-%2d-%2d%n", &y, &mo, &d, &n) == 3 && n == 10) {
    rest += n;
  } else if (std::sscanf(s.c_str(), "%2d/%2d/%4d%n", &mo, &d, &y, &n) == 3 && (n == 10 || n >= 8)) {
    rest += n;
  } else if (s.size() >= 8 && std::sscanf(s.c_str(), "%4d%2d%2d%n", &y, &mo, &d, &n) == 3 &&
             n == 8) {
    rest += n;
  } else if (read_time(rest, h, mi, se)) {
    // A time alone is that time on the base day, as SQL Server reads it.
    y = 1900, mo = 1, d = 1;
    time_only = true;
  } else {
    return false;
  }
  if (!time_only && (*rest == 'T' || *rest == ' ')) {
    ++rest;
    if (!read_time(rest, h, mi, se)) return false;
  }
  if (*rest) return false;
  try {
    out = Date::from_parts(y, mo, d, h, mi, se);
  } catch (const VbError&) {
    return false;
  }
  return true;
}

namespace {

// More literals than this are written inline (engines cap the parameters of a statement).
constexpr size_t kMaxLiterals = 999;
// Stands for a literal in a shape key; a text holding it has no shape.
constexpr char16_t kShapeMarker = u'\x01';

// SQL Server numbers datetimes from 1900-01-01; that day in Julian days.
constexpr const char* kBaseJulian = "2415020.5";
constexpr const char* kDateFormat = "'%Y-%m-%d %H:%M:%S'";

// An emitted expression: SQLite text and the SQL Server type it has.
struct E {
  std::string sql;
  SqlType type;
  const Expr* src = nullptr;  // the source node (literals are recognised through it)
  int slot = 0;               // a bound literal: sql is its ?slot (maybe in parentheses)
};

struct Source {
  Text alias;  // what the source is qualified with, as emitted
  Text table_name;
  const TableDef* table = nullptr;
  bool derived = false;
  std::vector<OutColumn> derived_columns;
  bool derived_known = false;
  bool known() const { return table || (derived && derived_known); }
  const OutColumn* find_derived(TextView name) const {
    for (const auto& c : derived_columns)
      if (vb::EqualsNoCase(c.name, name)) return &c;
    return nullptr;
  }
};

struct Scope {
  std::vector<Source> sources;
  const Scope* parent = nullptr;
  const std::vector<OutColumn>* aliases = nullptr;  // ORDER BY may name result columns
};

// Bytes of translated text the two operands of a ^ may hold together.
constexpr size_t kMaxXorOperands = 16384;

std::string ident(TextView name) {
  if (name.find(u']') != TextView::npos)
    throw translate_error("identifier with ']' is not supported: " + to_utf8(name));
  if (name.find(u'\0') != TextView::npos)
    throw translate_error("identifier with a NUL character is not supported");
  return "[" + to_utf8(name) + "]";
}

// SQLite ends a statement's text at a NUL byte, so a NUL inside the value is joined in
// as char(0) rather than written into the literal.
std::string quote(TextView value) {
  std::string s = "'";
  bool joined = false;
  for (char c : to_utf8(value)) {
    if (c == '\0') {
      s += "'||char(0)||'";
      joined = true;
      continue;
    }
    if (c == '\'') s += '\'';
    s += c;
  }
  return joined ? "(" + s + "')" : s + "'";
}

SqlType number_type(TextView text) {
  if (text.find_first_of(u"eE") != TextView::npos) return sql_type(SqlBase::Float);
  size_t dot = text.find(u'.');
  if (dot != TextView::npos) {
    SqlType t = sql_type(SqlBase::Decimal);
    t.scale = static_cast<uint8_t>(std::min<size_t>(text.size() - dot - 1, 38));
    t.precision = static_cast<uint8_t>(std::min<size_t>(text.size() - 1, 38));
    return t;
  }
  if (text.size() > 10 || (text.size() == 10 && text > u"2147483647"))
    return sql_type(SqlBase::BigInt);
  return sql_type(SqlBase::Int);
}

bool is_string_literal(const E& e) { return e.src && e.src->kind == ExprKind::String; }

class Emitter {
 public:
  Emitter(const Schema& schema, Translation& out) : schema_(schema), out_(out) {}

  // Bind literals as parameters; `positions` are the literals' offsets in the text.
  void bind_literals(std::vector<size_t> positions) {
    params_ = true;
    lit_pos_ = std::move(positions);
    out_.literals.assign(lit_pos_.size(), {});
    out_.now_slot = static_cast<int>(lit_pos_.size()) + 1;
  }
  // A literal was both bound and taken differently elsewhere: no shared translation.
  bool conflict() const { return conflict_; }

  std::string statement(const Statement& st, const Options& opt) {
    switch (st.kind) {
      case Statement::Kind::Select: {
        out_.kind = Translation::Kind::Select;
        bool known = true;
        std::string sql = select(*st.select, nullptr, out_.columns, known, &opt);
        out_.columns_known = known;
        return sql;
      }
      case Statement::Kind::Update:
        out_.kind = Translation::Kind::Update;
        return update(st);
      case Statement::Kind::Delete: {
        out_.kind = Translation::Kind::Delete;
        Scope scope;
        add_table(scope, st.table, Text());
        std::string sql = "DELETE FROM " + ident(scope.sources[0].table_name);
        if (st.where) sql += " WHERE " + expr(*st.where, scope).sql;
        return sql;
      }
      case Statement::Kind::Insert:
        out_.kind = Translation::Kind::Insert;
        return insert(st);
      case Statement::Kind::Passthrough:
        break;
    }
    return {};
  }

 private:
  // ---- names -------------------------------------------------------------------------

  void add_table(Scope& scope, const Text& name, const Text& alias) {
    Source s;
    s.table = schema_.find(name);
    s.table_name = s.table ? s.table->name : name;
    s.alias = alias.empty() ? s.table_name : alias;
    scope.sources.push_back(std::move(s));
  }

  struct Resolved {
    const Source* source = nullptr;
    Text name;  // canonical column name
    SqlType type;
    bool found = false;
  };

  static bool source_matches(const Source& s, TextView qualifier) {
    return vb::EqualsNoCase(s.alias, qualifier) || vb::EqualsNoCase(s.table_name, qualifier);
  }

  static bool lookup(const Source& s, TextView column, Resolved& r) {
    if (s.table) {
      if (const ColumnDef* c = s.table->find(column)) {
        r = Resolved{&s, c->name, c->type, true};
        return true;
      }
    } else if (s.derived) {
      if (const OutColumn* c = s.find_derived(column)) {
        r = Resolved{&s, c->name, c->type, true};
        return true;
      }
    }
    return false;
  }

  Resolved resolve(const Expr& col, const Scope& scope) {
    Resolved r;
    r.name = col.text;
    for (const Scope* sc = &scope; sc; sc = sc->parent) {
      if (!col.qualifier.empty()) {
        for (const auto& s : sc->sources) {
          if (source_matches(s, col.qualifier)) {
            r.source = &s;
            lookup(s, col.text, r);
            return r;
          }
        }
      } else {
        for (const auto& s : sc->sources)
          if (lookup(s, col.text, r)) return r;
      }
    }
    return r;
  }

  E column(const Expr& col, const Scope& scope) {
    Resolved r = resolve(col, scope);
    E e;
    e.src = &col;
    e.type = r.type;
    if (!col.qualifier.empty())
      e.sql = ident(r.source ? r.source->alias : col.qualifier) + "." + ident(r.name);
    else
      e.sql = ident(r.name);
    return e;
  }

  // ---- SELECT ------------------------------------------------------------------------

  void from_item(const TableRef& t, Scope& scope, std::string& sql, const Scope* outer) {
    switch (t.kind) {
      case TableRef::Kind::Table: {
        add_table(scope, t.name, t.alias);
        const Source& s = scope.sources.back();
        sql += ident(s.table_name);
        if (!t.alias.empty()) sql += " AS " + ident(t.alias);
        break;
      }
      case TableRef::Kind::Derived: {
        Source s;
        s.derived = true;
        s.alias = t.alias;
        s.table_name = t.alias;
        bool known = true;
        std::string inner = select(*t.derived, outer, s.derived_columns, known, nullptr);
        s.derived_known = known;
        sql += "(" + inner + ") AS " + ident(t.alias);
        scope.sources.push_back(std::move(s));
        break;
      }
      case TableRef::Kind::Join: {
        from_item(*t.left, scope, sql, outer);
        sql += t.join == u"INNER"   ? " INNER JOIN "
               : t.join == u"LEFT"  ? " LEFT JOIN "
               : t.join == u"RIGHT" ? " RIGHT JOIN "
               : t.join == u"FULL"  ? " FULL JOIN "
                                    : " CROSS JOIN ";
        from_item(*t.right, scope, sql, outer);
        if (t.on) sql += " ON " + expr(*t.on, scope).sql;
        break;
      }
    }
  }

  void expand_star(const Source& s, std::string& sql, std::vector<OutColumn>& cols, bool& known,
                   bool& first) {
    auto comma = [&] {
      if (!first) sql += ", ";
      first = false;
    };
    if (s.table) {
      for (const auto& c : s.table->columns) {
        comma();
        sql += ident(s.alias) + "." + ident(c.name);
        cols.push_back(OutColumn{c.name, c.type});
      }
    } else if (s.derived && s.derived_known) {
      for (const auto& c : s.derived_columns) {
        comma();
        sql += ident(s.alias) + "." + ident(c.name);
        cols.push_back(c);
      }
    } else {
      comma();
      sql += ident(s.alias) + ".*";
      known = false;
    }
  }

  std::string core(const SelectCore& c, const Scope* outer, std::vector<OutColumn>& cols,
                   bool& known, Scope& scope, bool top_inline, const Options* opt) {
    scope.parent = outer;
    std::string from;
    for (size_t i = 0; i < c.from.size(); ++i) {
      if (i) from += ", ";
      from_item(*c.from[i], scope, from, outer);
    }
    std::string sql = "SELECT ";
    if (c.distinct) sql += "DISTINCT ";
    bool first = true;
    for (const auto& item : c.items) {
      if (item.star) {
        if (item.star_qualifier.empty()) {
          if (scope.sources.empty()) throw translate_error("SELECT * needs a FROM clause");
          for (const auto& s : scope.sources) expand_star(s, sql, cols, known, first);
        } else {
          const Source* found = nullptr;
          for (const auto& s : scope.sources)
            if (source_matches(s, item.star_qualifier)) found = &s;
          if (!found) {
            if (!first) sql += ", ";
            first = false;
            sql += ident(item.star_qualifier) + ".*";
            known = false;
          } else {
            expand_star(*found, sql, cols, known, first);
          }
        }
        continue;
      }
      if (!first) sql += ", ";
      first = false;
      Pinned pinned(pin_);
      E e = expr(*item.expr, scope);
      sql += e.sql;
      Text name = item.alias;
      if (name.empty() && item.expr->kind == ExprKind::Column) {
        name = resolve(*item.expr, scope).name;
      }
      if (!item.alias.empty()) sql += " AS " + ident(item.alias);
      cols.push_back(OutColumn{name, e.type});
    }
    // One table, no grouping: rows can be changed through the recordset.
    bool single = c.from.size() == 1 && c.from[0]->kind == TableRef::Kind::Table &&
                  c.group_by.empty() && !c.having && !c.distinct;
    if (opt && single) {
      out_.base_table = scope.sources[0].table_name;
      if (opt->with_rowid && scope.sources[0].table) {
        sql += ", " + ident(scope.sources[0].alias) + "._rowid_";
        out_.has_rowid = true;
      }
    }
    if (!from.empty()) sql += " FROM " + from;
    if (c.where) sql += " WHERE " + expr(*c.where, scope).sql;
    if (!c.group_by.empty()) {
      sql += " GROUP BY ";
      Pinned pinned(pin_);
      for (size_t i = 0; i < c.group_by.size(); ++i) {
        if (i) sql += ", ";
        E g = expr(*c.group_by[i], scope);
        sql += g.sql;
        if (g.type.is_text()) sql += " COLLATE NOCASE";
      }
    }
    if (c.having) sql += " HAVING " + expr(*c.having, scope).sql;
    (void)top_inline;
    return sql;
  }

  std::string top_limit(const SelectCore& c, const Scope& scope) {
    Pinned pinned(pin_);
    E n = expr(*c.top, scope);
    return " LIMIT " + n.sql;
  }

  std::string order_by(const Select& s, const Scope& scope) {
    Pinned pinned(pin_);
    std::string sql = " ORDER BY ";
    for (size_t i = 0; i < s.order_by.size(); ++i) {
      if (i) sql += ", ";
      const Expr& x = *s.order_by[i].expr;
      E e;
      // A bare name that is a result column's alias sorts by that column.
      const OutColumn* alias = nullptr;
      if (x.kind == ExprKind::Column && x.qualifier.empty() && scope.aliases) {
        for (const auto& c : *scope.aliases)
          if (vb::EqualsNoCase(c.name, x.text)) alias = &c;
      }
      if (alias && !resolve(x, scope).found) {
        e.sql = ident(alias->name);
        e.type = alias->type;
      } else if (alias) {
        Resolved r = resolve(x, scope);
        e.sql = ident(r.name);
        e.type = alias->type.known() ? alias->type : r.type;
      } else {
        e = expr(x, scope);
      }
      sql += e.sql;
      if (e.type.is_text()) sql += " COLLATE NOCASE";
      if (s.order_by[i].desc) sql += " DESC";
    }
    return sql;
  }

  std::string select(const Select& s, const Scope* outer, std::vector<OutColumn>& cols, bool& known,
                     const Options* opt) {
    if (s.cores.size() == 1) {
      Scope scope;
      std::string sql = core(s.cores[0], outer, cols, known, scope, true, opt);
      scope.aliases = &cols;
      if (!s.order_by.empty()) sql += order_by(s, scope);
      if (s.cores[0].top) sql += top_limit(s.cores[0], scope);
      return sql;
    }
    std::string sql;
    for (size_t i = 0; i < s.cores.size(); ++i) {
      Scope scope;
      std::vector<OutColumn> core_cols;
      bool core_known = true;
      std::string part = core(s.cores[i], outer, core_cols, core_known, scope, false, nullptr);
      if (s.cores[i].top) part = "SELECT * FROM (" + part + top_limit(s.cores[i], scope) + ")";
      if (i == 0) {
        cols = core_cols;
        known = core_known;
      } else {
        sql += s.union_all[i - 1] ? " UNION ALL " : " UNION ";
        // The compound's column types widen over every part.
        if (core_known && known && core_cols.size() == cols.size()) {
          for (size_t k = 0; k < cols.size(); ++k) {
            SqlType a = cols[k].type, b = core_cols[k].type;
            cols[k].type = !a.known() ? b : !b.known() ? a : wider(a, b);
          }
        }
      }
      sql += part;
    }
    if (!s.order_by.empty()) {
      Scope scope;
      scope.parent = outer;
      scope.aliases = &cols;
      sql += order_by(s, scope);
    }
    return sql;
  }

  // ---- UPDATE, INSERT ----------------------------------------------------------------

  // A text literal stored into, or compared with, a date becomes the ISO form.
  E coerce(E value, SqlType target) {
    if (target.is_date() && is_string_literal(value)) {
      Date d;
      if (value.slot) {
        out_.literals[static_cast<size_t>(value.slot - 1)].bind = Translation::Bind::Date;
      } else if (value.src->text.empty()) {
        value.sql = "'1900-01-01 00:00:00'";
      } else if (parse_date_literal(value.src->text, d)) {
        value.sql = "'" + iso_date(d) + "'";
      }
      value.type = target;
    }
    return value;
  }

  std::string update(const Statement& st) {
    Scope scope;
    add_table(scope, st.table, Text());
    const Source& s = scope.sources[0];
    std::string sql = "UPDATE " + ident(s.table_name) + " SET ";
    for (size_t i = 0; i < st.sets.size(); ++i) {
      if (i) sql += ", ";
      const ColumnDef* c = s.table ? s.table->find(st.sets[i].first) : nullptr;
      sql += ident(c ? c->name : st.sets[i].first) + " = ";
      E v = expr(*st.sets[i].second, scope);
      sql += (c ? coerce(std::move(v), c->type) : v).sql;
    }
    if (st.where) sql += " WHERE " + expr(*st.where, scope).sql;
    return sql;
  }

  std::string insert(const Statement& st) {
    Scope scope;
    add_table(scope, st.table, Text());
    const Source& s = scope.sources[0];
    std::string sql = "INSERT INTO " + ident(s.table_name);
    std::vector<const ColumnDef*> targets;
    if (!st.columns.empty()) {
      sql += " (";
      for (size_t i = 0; i < st.columns.size(); ++i) {
        const ColumnDef* c = s.table ? s.table->find(st.columns[i]) : nullptr;
        targets.push_back(c);
        if (i) sql += ", ";
        sql += ident(c ? c->name : st.columns[i]);
      }
      sql += ")";
    } else if (s.table) {
      for (const auto& c : s.table->columns) targets.push_back(&c);
    }
    if (st.select) {
      std::vector<OutColumn> cols;
      bool known = true;
      return sql + " " + select(*st.select, nullptr, cols, known, nullptr);
    }
    sql += " VALUES ";
    Scope none;
    for (size_t r = 0; r < st.values.size(); ++r) {
      if (r) sql += ", ";
      sql += "(";
      for (size_t i = 0; i < st.values[r].size(); ++i) {
        if (i) sql += ", ";
        E v = expr(*st.values[r][i], none);
        if (i < targets.size() && targets[i]) v = coerce(std::move(v), targets[i]->type);
        sql += v.sql;
      }
      sql += ")";
    }
    return sql;
  }

  // ---- expressions -------------------------------------------------------------------

  // Every expression is written through here, one call level per level of its tree: a
  // bound keeps a deep tree (a long chain of operators builds one) from exhausting the
  // stack.
  E expr(const Expr& x, const Scope& scope) {
    if (expr_depth_ >= kMaxExprDepth)
      throw translate_error("unsupported SQL construct: expression more than 500 levels deep");
    ++expr_depth_;
    struct Leave {
      int& depth;
      ~Leave() { --depth; }
    } leave{expr_depth_};
    return expr_node(x, scope);
  }

  E expr_node(const Expr& x, const Scope& scope) {
    E e;
    e.src = &x;
    switch (x.kind) {
      case ExprKind::Number:
        e.sql = to_utf8(x.text);
        e.type = number_type(x.text);
        literal(e, x,
                e.type.base == SqlBase::Int      ? Translation::Bind::Int
                : e.type.base == SqlBase::BigInt ? Translation::Bind::Inline
                                                 : Translation::Bind::Real);
        return e;
      case ExprKind::String:
        e.sql = quote(x.text);
        e.type = sql_type(x.national ? SqlBase::NVarChar : SqlBase::VarChar,
                          static_cast<int32_t>(std::max<size_t>(x.text.size(), 1)));
        literal(e, x, Translation::Bind::Text);
        return e;
      case ExprKind::Null:
        e.sql = "NULL";
        e.type = sql_type(SqlBase::Null);
        return e;
      case ExprKind::Column:
        return column(x, scope);
      case ExprKind::Star:
        e.sql = "*";
        return e;
      case ExprKind::Paren: {
        E in = expr(*x.args[0], scope);
        in.sql = "(" + in.sql + ")";
        return in;
      }
      case ExprKind::Unary: {
        E a = expr(*x.args[0], scope);
        if (x.text == u"NOT") {
          e.sql = "(NOT " + a.sql + ")";
          e.type = sql_type(SqlBase::Int);
        } else {
          e.sql = "(" + to_utf8(x.text) + a.sql + ")";
          e.type = a.type;
        }
        return e;
      }
      case ExprKind::Binary:
        return binary(x, scope);
      case ExprKind::Function:
        return function(x, scope);
      case ExprKind::Case:
        return case_expr(x, scope);
      case ExprKind::Subquery: {
        std::vector<OutColumn> cols;
        bool known = true;
        e.sql = "(" + select(*x.select, &scope, cols, known, nullptr) + ")";
        if (!cols.empty()) e.type = cols[0].type;
        return e;
      }
      case ExprKind::Exists: {
        std::vector<OutColumn> cols;
        bool known = true;
        e.sql = std::string(x.negated ? "(NOT EXISTS (" : "(EXISTS (") +
                select(*x.select, &scope, cols, known, nullptr) + "))";
        e.type = sql_type(SqlBase::Int);
        return e;
      }
      case ExprKind::InList: {
        E a = expr(*x.args[0], scope);
        std::string list;
        bool text = a.type.is_text();
        for (size_t i = 1; i < x.args.size(); ++i) {
          E v = coerce(expr(*x.args[i], scope), a.type);
          if (v.type.is_text() && !a.type.known()) text = true;
          if (i > 1) list += ", ";
          list += v.sql;
        }
        e.sql = "(" + a.sql + (text ? " COLLATE NOCASE" : "") +
                (x.negated ? " NOT IN (" : " IN (") + list + "))";
        e.type = sql_type(SqlBase::Int);
        return e;
      }
      case ExprKind::InSelect: {
        E a = expr(*x.args[0], scope);
        std::vector<OutColumn> cols;
        bool known = true;
        std::string inner = select(*x.select, &scope, cols, known, nullptr);
        bool text = a.type.is_text() || (!cols.empty() && cols[0].type.is_text());
        e.sql = "(" + a.sql + (text ? " COLLATE NOCASE" : "") +
                (x.negated ? " NOT IN (" : " IN (") + inner + "))";
        e.type = sql_type(SqlBase::Int);
        return e;
      }
      case ExprKind::Between: {
        E a = expr(*x.args[0], scope);
        E lo = coerce(expr(*x.args[1], scope), a.type);
        E hi = coerce(expr(*x.args[2], scope), a.type);
        bool text = a.type.is_text() || (!a.type.known() && lo.type.is_text());
        e.sql = "(" + a.sql + (text ? " COLLATE NOCASE" : "") +
                (x.negated ? " NOT BETWEEN " : " BETWEEN ") + lo.sql + " AND " + hi.sql + ")";
        e.type = sql_type(SqlBase::Int);
        return e;
      }
      case ExprKind::Like: {
        E a = expr(*x.args[0], scope);
        E p = expr(*x.args[1], scope);
        if (is_string_literal(p) && p.src->text.find(u'[') != Text::npos)
          throw translate_error("unsupported SQL construct: LIKE pattern with [ ]");
        if (p.slot) out_.literals[static_cast<size_t>(p.slot - 1)].no_bracket = true;
        e.sql = "(" + a.sql + (x.negated ? " NOT LIKE " : " LIKE ") + p.sql + ")";
        e.type = sql_type(SqlBase::Int);
        return e;
      }
      case ExprKind::IsNull: {
        E a = expr(*x.args[0], scope);
        e.sql = "(" + a.sql + (x.negated ? " IS NOT NULL)" : " IS NULL)");
        e.type = sql_type(SqlBase::Int);
        return e;
      }
      case ExprKind::Cast:
        return cast(x, scope);
    }
    return e;
  }

  static std::string julian(const E& date) { return "julianday(" + date.sql + ")"; }
  static std::string as_date(const std::string& julian_expr) {
    return std::string("strftime(") + kDateFormat + ", " + julian_expr + ")";
  }
  // The number SQL Server gives a datetime in arithmetic: days since 1900-01-01.
  static std::string date_number(const E& date) {
    return "(" + julian(date) + " - " + kBaseJulian + ")";
  }

  E binary(const Expr& x, const Scope& scope) {
    const Text& op = x.text;
    // The operands of ^ are measured as written (see below): their literals stay inline.
    std::optional<Pinned> measured;
    if (op == u"^") measured.emplace(pin_);
    E a = expr(*x.args[0], scope);
    E b = expr(*x.args[1], scope);
    measured.reset();
    E e;
    e.src = &x;
    if (op == u"AND" || op == u"OR") {
      e.sql = "(" + a.sql + (op == u"AND" ? " AND " : " OR ") + b.sql + ")";
      e.type = sql_type(SqlBase::Int);
      return e;
    }
    if (op == u"=" || op == u"<>" || op == u"<" || op == u">" || op == u"<=" || op == u">=") {
      if (a.type.is_date()) b = coerce(std::move(b), a.type);
      if (b.type.is_date()) a = coerce(std::move(a), b.type);
      bool text = (a.type.is_text() && !b.type.is_numeric() && !b.type.is_date()) ||
                  (b.type.is_text() && !a.type.is_numeric() && !a.type.is_date());
      e.sql = "(" + a.sql + " " + to_utf8(op) + " " + b.sql + (text ? " COLLATE NOCASE)" : ")");
      e.type = sql_type(SqlBase::Int);
      return e;
    }
    if (op == u"+" || op == u"-") {
      bool add = op == u"+";
      if (a.type.is_date() || (add && b.type.is_date())) {
        const E& date = a.type.is_date() ? a : b;
        const E& other = a.type.is_date() ? b : a;
        std::string amount = other.type.is_date() ? date_number(other) : "(" + other.sql + ")";
        if (is_string_literal(other)) {
          if (other.slot) amount = "(" + pin(other) + ")";
          Date d;
          if (parse_date_literal(other.src->text, d))
            amount = "(julianday('" + iso_date(d) + "') - " + kBaseJulian + ")";
        }
        e.sql = as_date(julian(date) + (add ? " + " : " - ") + amount);
        e.type = sql_type(SqlBase::DateTime);
        return e;
      }
      bool concat = add && ((a.type.is_text() && !b.type.is_numeric()) ||
                            (b.type.is_text() && !a.type.is_numeric()));
      if (concat) {
        e.sql = "(" + a.sql + " || " + b.sql + ")";
        int32_t size = (a.type.size && b.type.size) ? a.type.size + b.type.size : 0;
        bool wide = a.type.base == SqlBase::NVarChar || b.type.base == SqlBase::NVarChar ||
                    a.type.base == SqlBase::NChar || b.type.base == SqlBase::NChar;
        e.type = sql_type(wide ? SqlBase::NVarChar : SqlBase::VarChar, size);
        return e;
      }
      e.sql = "(" + a.sql + (add ? " + " : " - ") + b.sql + ")";
      e.type = arithmetic_type(a.type, b.type);
      return e;
    }
    if (op == u"*" || op == u"%") {
      e.sql = "(" + a.sql + " " + to_utf8(op) + " " + b.sql + ")";
      e.type = arithmetic_type(a.type, b.type);
      return e;
    }
    if (op == u"/") {
      e.type = arithmetic_type(a.type, b.type);
      // Money and decimals may be stored as whole numbers; keep their division exact.
      if (e.type.known() && !e.type.is_integer())
        e.sql = "(CAST(" + a.sql + " AS REAL) / " + b.sql + ")";
      else
        e.sql = "(" + a.sql + " / " + b.sql + ")";
      return e;
    }
    if (op == u"&" || op == u"|") {
      e.sql = "(" + a.sql + " " + to_utf8(op) + " " + b.sql + ")";
      e.type = arithmetic_type(a.type, b.type);
      return e;
    }
    if (op == u"^") {
      // SQLite has no XOR: each operand is written twice, so a chain of them doubles
      // the text at every step; past a sane size the statement is refused.
      if (a.sql.size() + b.sql.size() > kMaxXorOperands)
        throw translate_error("unsupported SQL construct: operator ^ over operands this long");
      e.sql = "((" + a.sql + " | " + b.sql + ") - (" + a.sql + " & " + b.sql + "))";
      e.type = arithmetic_type(a.type, b.type);
      return e;
    }
    throw translate_error("unsupported SQL construct: operator " + to_utf8(op));
  }

  static SqlType arithmetic_type(SqlType a, SqlType b) {
    if (!a.known()) return b.is_numeric() ? b : a;
    if (!b.known()) return a.is_numeric() ? a : b;
    SqlType t = wider(a, b);
    // Text mixed with numbers converts to the number; bit arithmetic is int.
    if (t.is_text()) t = a.is_text() ? b : a;
    if (t.base == SqlBase::Bit || t.base == SqlBase::TinyInt || t.base == SqlBase::SmallInt)
      t = sql_type(SqlBase::Int);
    return t;
  }

  E case_expr(const Expr& x, const Scope& scope) {
    E e;
    e.src = &x;
    std::string sql = "CASE";
    size_t i = 0;
    SqlType operand;
    if (x.has_operand) {
      E op = expr(*x.args[0], scope);
      operand = op.type;
      sql += " " + op.sql;
      if (op.type.is_text()) sql += " COLLATE NOCASE";
      i = 1;
    }
    size_t pairs_end = x.args.size() - (x.has_else ? 1 : 0);
    SqlType result;
    auto widen = [&](const SqlType& t) {
      if (!t.known()) return;
      result = result.known() ? wider(result, t) : t;
    };
    for (; i + 1 < pairs_end + 1 && i < pairs_end; i += 2) {
      E when = expr(*x.args[i], scope);
      if (x.has_operand) when = coerce(std::move(when), operand);
      E then = expr(*x.args[i + 1], scope);
      widen(then.type);
      sql += " WHEN " + when.sql + " THEN " + then.sql;
    }
    if (x.has_else) {
      E other = expr(*x.args.back(), scope);
      widen(other.type);
      sql += " ELSE " + other.sql;
    }
    e.sql = sql + " END";
    e.type = result;
    return e;
  }

  std::string date_part_name(const Expr& part) {
    if (part.kind != ExprKind::Column || !part.qualifier.empty())
      throw translate_error("syntax error: a date part expected (Day, Month, Year...)");
    Text f = fold(part.text);
    if (f == u"DAY" || f == u"DD" || f == u"D" || f == u"DAYOFYEAR" || f == u"DY" || f == u"Y")
      return f == u"DAYOFYEAR" || f == u"DY" || f == u"Y" ? "dayofyear" : "day";
    if (f == u"MONTH" || f == u"MM" || f == u"M") return "month";
    if (f == u"YEAR" || f == u"YY" || f == u"YYYY") return "year";
    if (f == u"HOUR" || f == u"HH") return "hour";
    if (f == u"MINUTE" || f == u"MI" || f == u"N") return "minute";
    if (f == u"SECOND" || f == u"SS" || f == u"S") return "second";
    if (f == u"WEEKDAY" || f == u"DW") return "weekday";
    if (f == u"QUARTER" || f == u"QQ" || f == u"Q") return "quarter";
    throw translate_error("unsupported SQL construct: date part " + to_utf8(part.text));
  }

  void arity(const Expr& x, size_t lo, size_t hi) {
    if (x.args.size() < lo || x.args.size() > hi)
      throw translate_error("wrong number of arguments for " + to_utf8(x.text));
  }

  E function(const Expr& x, const Scope& scope) {
    Text f = fold(x.text);
    E e;
    e.src = &x;
    auto arg = [&](size_t i) { return expr(*x.args[i], scope); };
    auto text_of = [](const SqlType& t, int32_t size = 0) {
      return t.is_text() ? t : sql_type(SqlBase::VarChar, size);
    };
    if (f == u"ISNULL") {
      arity(x, 2, 2);
      E a = arg(0);
      E b = coerce(arg(1), a.type);
      e.sql = "ifnull(" + a.sql + ", " + b.sql + ")";
      e.type = a.type.known() ? a.type : b.type;
      return e;
    }
    if (f == u"NULLIF") {
      arity(x, 2, 2);
      E a = arg(0);
      E b = coerce(arg(1), a.type);
      e.sql = "nullif(" + a.sql + ", " + b.sql + ")";
      e.type = a.type;
      return e;
    }
    if (f == u"COALESCE") {
      std::string list;
      for (size_t i = 0; i < x.args.size(); ++i) {
        E a = arg(i);
        if (i) list += ", ";
        list += a.sql;
        if (a.type.known()) e.type = e.type.known() ? wider(e.type, a.type) : a.type;
      }
      e.sql = "coalesce(" + list + ")";
      return e;
    }
    if (f == u"ISNUMERIC") {
      arity(x, 1, 1);
      E a = arg(0);
      e.type = sql_type(SqlBase::Int);
      if (a.type.is_numeric()) {
        e.sql = "(CASE WHEN " + a.sql + " IS NULL THEN 0 ELSE 1 END)";
      } else {
        // Optional sign, digits with at most one decimal point, blanks around.
        std::string t = "trim(" + a.sql + ")";
        std::string s = "(CASE WHEN substr(" + t + ", 1, 1) IN ('+', '-') THEN substr(" + t +
                        ", 2) ELSE " + t + " END)";
        e.sql = "(CASE WHEN " + a.sql + " IS NULL THEN 0 WHEN typeof(" + a.sql +
                ") IN ('integer', 'real') THEN 1 WHEN " + s + " GLOB '*[0-9]*' AND " + s +
                " NOT GLOB '*[^0-9.]*' AND length(" + s + ") - length(replace(" + s +
                ", '.', '')) <= 1 THEN 1 ELSE 0 END)";
      }
      return e;
    }
    if (f == u"LEN") {
      arity(x, 1, 1);
      e.sql = "length(rtrim(" + arg(0).sql + "))";
      e.type = sql_type(SqlBase::Int);
      return e;
    }
    if (f == u"LEFT" || f == u"RIGHT") {
      arity(x, 2, 2);
      E s = arg(0);
      E n = arg(1);
      if (f == u"LEFT")
        e.sql = "substr(" + s.sql + ", 1, " + n.sql + ")";
      else
        e.sql = "(CASE WHEN " + n.sql + " > 0 THEN substr(" + s.sql + ", -(" + n.sql +
                ")) ELSE '' END)";
      e.type = text_of(s.type);
      return e;
    }
    if (f == u"SUBSTRING") {
      arity(x, 3, 3);
      E s = arg(0);
      e.sql = "substr(" + s.sql + ", " + arg(1).sql + ", " + arg(2).sql + ")";
      e.type = text_of(s.type);
      return e;
    }
    if (f == u"RTRIM" || f == u"LTRIM" || f == u"TRIM" || f == u"UPPER" || f == u"LOWER") {
      arity(x, 1, 1);
      E s = arg(0);
      e.sql = to_utf8(vb::LCase(f)) + "(" + s.sql + ")";
      e.type = text_of(s.type);
      return e;
    }
    if (f == u"REPLACE") {
      arity(x, 3, 3);
      E s = arg(0);
      e.sql = "replace(" + s.sql + ", " + arg(1).sql + ", " + arg(2).sql + ")";
      e.type = text_of(s.type);
      return e;
    }
    if (f == u"CHARINDEX") {
      arity(x, 2, 3);
      E find = arg(0), s = arg(1);
      if (x.args.size() == 2) {
        e.sql = "instr(" + s.sql + ", " + find.sql + ")";
      } else {
        E st = arg(2);
        std::string in = "instr(substr(" + s.sql + ", " + st.sql + "), " + find.sql + ")";
        e.sql = "(CASE WHEN " + in + " > 0 THEN " + in + " + " + st.sql + " - 1 ELSE 0 END)";
      }
      e.type = sql_type(SqlBase::Int);
      return e;
    }
    if (f == u"SPACE") {
      arity(x, 1, 1);
      e.sql = "printf('%*s', " + arg(0).sql + ", '')";
      e.type = sql_type(SqlBase::VarChar);
      return e;
    }
    if (f == u"REPLICATE") {
      arity(x, 2, 2);
      e.sql = "replace(hex(zeroblob(" + arg(1).sql + ")), '00', " + arg(0).sql + ")";
      e.type = sql_type(SqlBase::VarChar);
      return e;
    }
    if (f == u"ROUND") {
      arity(x, 2, 3);
      E v = arg(0);
      E n = arg(1);
      if (x.args.size() == 3 && !(x.args[2]->kind == ExprKind::Number && x.args[2]->text == u"0"))
        throw translate_error("unsupported SQL construct: ROUND with truncation");
      e.type = v.type;
      if (v.type.is_integer())
        e.sql = "CAST(round(" + v.sql + ", " + n.sql + ") AS INTEGER)";
      else
        e.sql = "round(" + v.sql + ", " + n.sql + ")";
      return e;
    }
    if (f == u"ABS") {
      arity(x, 1, 1);
      E v = arg(0);
      e.sql = "abs(" + v.sql + ")";
      e.type = v.type;
      return e;
    }
    if (f == u"FLOOR" || f == u"CEILING") {
      arity(x, 1, 1);
      E v = arg(0);
      std::string i = "CAST(" + v.sql + " AS INTEGER)";
      e.sql = f == u"FLOOR" ? "(" + i + " - (" + v.sql + " < " + i + "))"
                            : "(" + i + " + (" + v.sql + " > " + i + "))";
      e.type = v.type;
      return e;
    }
    if (f == u"GETDATE" || f == u"CURRENT_TIMESTAMP" || f == u"SYSDATETIME") {
      arity(x, 0, 0);
      out_.uses_now = true;
      e.sql = params_ ? "?" + std::to_string(out_.now_slot) : std::string(kNowParameter);
      e.type = sql_type(SqlBase::DateTime);
      return e;
    }
    if (f == u"DATEDIFF") {
      arity(x, 3, 3);
      std::string part = date_part_name(*x.args[0]);
      E a = arg(1), b = arg(2);
      e.type = sql_type(SqlBase::Int);
      auto whole = [&](const char* fmt, const E& d) {
        return "CAST(strftime('" + std::string(fmt) + "', " + d.sql + ") AS INTEGER)";
      };
      if (part == "day" || part == "dayofyear" || part == "weekday") {
        e.sql = "CAST(julianday(date(" + b.sql + ")) - julianday(date(" + a.sql + ")) AS INTEGER)";
      } else if (part == "month") {
        e.sql = "((" + whole("%Y", b) + " - " + whole("%Y", a) + ") * 12 + " + whole("%m", b) +
                " - " + whole("%m", a) + ")";
      } else if (part == "year") {
        e.sql = "(" + whole("%Y", b) + " - " + whole("%Y", a) + ")";
      } else if (part == "quarter") {
        e.sql = "((" + whole("%Y", b) + " - " + whole("%Y", a) + ") * 4 + (" + whole("%m", b) +
                " - 1) / 3 - (" + whole("%m", a) + " - 1) / 3)";
      } else {
        // Boundaries crossed: truncate both ends to the unit, then count units.
        const char* trunc = part == "hour"     ? "'%Y-%m-%d %H:00:00'"
                            : part == "minute" ? "'%Y-%m-%d %H:%M:00'"
                                               : "'%Y-%m-%d %H:%M:%S'";
        const char* per_day = part == "hour" ? "24" : part == "minute" ? "1440" : "86400";
        e.sql = "CAST(round((julianday(strftime(" + std::string(trunc) + ", " + b.sql +
                ")) - julianday(strftime(" + trunc + ", " + a.sql + "))) * " + per_day +
                ") AS INTEGER)";
      }
      return e;
    }
    if (f == u"DATEADD") {
      arity(x, 3, 3);
      std::string part = date_part_name(*x.args[0]);
      E n = arg(1), d = arg(2);
      e.type = sql_type(SqlBase::DateTime);
      if (part == "month" || part == "year" || part == "quarter") {
        std::string count = part == "quarter" ? "(" + n.sql + ") * 3" : n.sql;
        e.sql = std::string("strftime(") + kDateFormat + ", " + d.sql + ", (" + count + ") || ' " +
                (part == "year" ? "years" : "months") + "')";
      } else {
        const char* per_day = part == "hour"     ? " / 24.0"
                              : part == "minute" ? " / 1440.0"
                              : part == "second" ? " / 86400.0"
                                                 : "";
        e.sql = as_date(julian(d) + " + (" + n.sql + ")" + per_day);
      }
      return e;
    }
    if (f == u"YEAR" || f == u"MONTH" || f == u"DAY" || f == u"DATEPART") {
      std::string part;
      E d;
      if (f == u"DATEPART") {
        arity(x, 2, 2);
        part = date_part_name(*x.args[0]);
        d = arg(1);
      } else {
        arity(x, 1, 1);
        part = to_utf8(vb::LCase(f));
        d = arg(0);
      }
      const char* fmt = part == "year"        ? "%Y"
                        : part == "month"     ? "%m"
                        : part == "day"       ? "%d"
                        : part == "hour"      ? "%H"
                        : part == "minute"    ? "%M"
                        : part == "second"    ? "%S"
                        : part == "dayofyear" ? "%j"
                                              : "%w";
      if (part == "quarter")
        e.sql = "((CAST(strftime('%m', " + d.sql + ") AS INTEGER) + 2) / 3)";
      else
        e.sql = "(CAST(strftime('" + std::string(fmt) + "', " + d.sql + ") AS INTEGER)" +
                (part == "weekday" ? " + 1)" : ")");
      e.type = sql_type(SqlBase::Int);
      return e;
    }
    if (f == u"COUNT" || f == u"COUNT_BIG") {
      arity(x, 1, 1);
      std::string in = x.args[0]->kind == ExprKind::Star ? "*" : arg(0).sql;
      e.sql = std::string("count(") + (x.distinct ? "DISTINCT " : "") + in + ")";
      e.type = sql_type(f == u"COUNT" ? SqlBase::Int : SqlBase::BigInt);
      return e;
    }
    if (f == u"SUM" || f == u"AVG") {
      arity(x, 1, 1);
      E v = arg(0);
      SqlType t = v.type;
      if (t.base == SqlBase::TinyInt || t.base == SqlBase::SmallInt || t.base == SqlBase::Bit)
        t = sql_type(SqlBase::Int);
      else if (t.base == SqlBase::SmallMoney)
        t = sql_type(SqlBase::Money);
      else if (t.base == SqlBase::Real)
        t = sql_type(SqlBase::Float);
      else if (t.base == SqlBase::Decimal)
        t.precision = 38;
      std::string inner = (x.distinct ? "DISTINCT " : "") + v.sql;
      if (f == u"SUM")
        e.sql = "sum(" + inner + ")";
      else if (t.is_integer())
        e.sql = "CAST(avg(" + inner + ") AS INTEGER)";  // integer average truncates
      else
        e.sql = "avg(" + inner + ")";
      e.type = t;
      return e;
    }
    if (f == u"MIN" || f == u"MAX") {
      arity(x, 1, 1);
      E v = arg(0);
      e.sql = to_utf8(vb::LCase(f)) + "(" + v.sql + (v.type.is_text() ? " COLLATE NOCASE)" : ")");
      e.type = v.type;
      return e;
    }
    throw translate_error("unsupported SQL construct: function " + to_utf8(x.text));
  }

  E cast(const Expr& x, const Scope& scope) {
    E v = expr(*x.args[0], scope);
    SqlType t = parse_sql_type(x.type_text);
    if (!t.known())
      throw translate_error("unsupported SQL construct: type " + to_utf8(x.type_text));
    E e;
    e.src = &x;
    e.type = t;
    if (t.is_integer()) {
      e.sql = t.base == SqlBase::Bit ? "(CASE WHEN " + v.sql + " IS NULL THEN NULL WHEN " + v.sql +
                                           " <> 0 THEN 1 ELSE 0 END)"
                                     : "CAST(" + v.sql + " AS INTEGER)";
    } else if (t.is_numeric()) {
      e.sql = "CAST(" + v.sql + " AS REAL)";
      if (t.base == SqlBase::Decimal)
        e.sql = "round(" + e.sql + ", " + std::to_string(t.scale) + ")";
      if (t.base == SqlBase::Money || t.base == SqlBase::SmallMoney)
        e.sql = "round(" + e.sql + ", 4)";
    } else if (t.is_date()) {
      if (is_string_literal(v)) {
        e = coerce(std::move(v), t);
      } else if (v.type.is_numeric()) {
        e.sql = as_date(std::string(kBaseJulian) + " + (" + v.sql + ")");
      } else {
        e.sql = v.sql;
      }
      e.type = t;
      if (t.base == SqlBase::Date) e.sql = "strftime('%Y-%m-%d 00:00:00', " + e.sql + ")";
    } else if (t.is_text()) {
      std::string s;
      if (v.type.is_date()) {
        int style = 0;
        if (x.args.size() > 1) style = std::atoi(to_utf8(x.args[1]->text).c_str());
        const char* fmt = style == 103   ? "%d/%m/%Y"
                          : style == 101 ? "%m/%d/%Y"
                          : style == 104 ? "%d.%m.%Y"
                          : style == 112 ? "%Y%m%d"
                          : style == 108 ? "%H:%M:%S"
                          : style == 23  ? "%Y-%m-%d"
                                         : "%Y-%m-%d %H:%M:%S";
        s = "strftime('" + std::string(fmt) + "', " + v.sql + ")";
      } else {
        s = "CAST(" + v.sql + " AS TEXT)";
      }
      if (t.size > 0) s = "substr(" + s + ", 1, " + std::to_string(t.size) + ")";
      e.sql = s;
    } else {
      e.sql = v.sql;
    }
    return e;
  }

  // ---- literals as parameters -------------------------------------------------------

  // Literals inside these parts are written inline: their values shape the result
  // (names and types of result columns, ORDER BY ordinals, TOP).
  struct Pinned {
    explicit Pinned(int& depth) : depth_(depth) { ++depth_; }
    ~Pinned() { --depth_; }
    int& depth_;
  };

  int ordinal(const Expr& x) const {
    auto it = std::lower_bound(lit_pos_.begin(), lit_pos_.end(), x.pos);
    if (it == lit_pos_.end() || *it != x.pos) return -1;
    return static_cast<int>(it - lit_pos_.begin());
  }

  // A literal emitted inline in e.sql becomes its parameter where it only supplies a value.
  void literal(E& e, const Expr& x, Translation::Bind bind) {
    int j = params_ ? ordinal(x) : -1;
    if (j < 0) return;
    Translation::LiteralUse& use = out_.literals[static_cast<size_t>(j)];
    if (pin_ > 0 || bind == Translation::Bind::Inline) {
      use.pinned = true;
      return;
    }
    if (use.bind != Translation::Bind::Inline && use.bind != bind) conflict_ = true;
    use.bind = bind;
    e.slot = j + 1;
    e.sql = "?" + std::to_string(j + 1);
    // CAST reads the text as the engine reads the literal; "+ 0" drops CAST's affinity,
    // which a literal does not have.
    if (bind == Translation::Bind::Real) e.sql = "(CAST(" + e.sql + " AS REAL) + 0)";
  }

  // The literal behind e is used for its value here: written inline.
  std::string pin(const E& e) {
    out_.literals[static_cast<size_t>(e.slot - 1)].pinned = true;
    return quote(e.src->text);
  }

  const Schema& schema_;
  Translation& out_;
  bool params_ = false;
  bool conflict_ = false;
  static constexpr int kMaxExprDepth = 500;
  int expr_depth_ = 0;
  int pin_ = 0;
  std::vector<size_t> lit_pos_;
};

}  // namespace

Translation translate(TextView sql, const Schema& schema, Options options) {
  Translation t;
  if (is_passthrough(sql)) {
    t.kind = Translation::Kind::Passthrough;
    t.sql = to_utf8(sql);
    return t;
  }
  Statement st = parse(sql);
  Emitter em(schema, t);
  if (options.parameters) {
    std::vector<size_t> positions;
    for (const Token& k : tokenize(sql))
      if (k.kind == Tok::Number || k.kind == Tok::String) positions.push_back(k.pos);
    if (positions.size() <= kMaxLiterals) {
      em.bind_literals(std::move(positions));
      t.parameterized = true;
    }
  }
  t.sql = em.statement(st, options);
  if (em.conflict()) {
    options.parameters = false;
    return translate(sql, schema, options);
  }
  if (t.parameterized) {
    for (size_t j = 0; j < t.literals.size(); ++j)
      if (t.literals[j].bind != Translation::Bind::Inline) t.slots = static_cast<int>(j) + 1;
    if (t.uses_now)
      t.slots = t.now_slot;
    else
      t.now_slot = 0;
  }
  return t;
}

bool shape_of(TextView sql, Shape& out) {
  if (sql.find(kShapeMarker) != TextView::npos || is_passthrough(sql)) return false;
  std::vector<Token> toks;
  try {
    toks = tokenize(sql);
  } catch (const VbError&) {
    return false;  // the translation reports it
  }
  out.key.clear();
  out.literals.clear();
  out.key.reserve(sql.size() + 8);
  size_t last = 0;
  for (Token& t : toks) {
    if (t.kind != Tok::Number && t.kind != Tok::String) continue;
    out.key.append(sql.substr(last, t.pos - last));
    out.key += kShapeMarker;
    if (t.kind == Tok::String) {
      out.key += t.national ? u'n' : u's';
    } else {
      SqlType ty = number_type(t.text);
      switch (ty.base) {
        case SqlBase::Int:
          out.key += u'i';
          break;
        case SqlBase::BigInt:
          out.key += u'b';
          break;
        case SqlBase::Decimal:
          out.key += u'd';
          out.key += static_cast<char16_t>(0x100 + ty.precision);
          out.key += static_cast<char16_t>(0x100 + ty.scale);
          break;
        default:
          out.key += u'f';
      }
    }
    last = t.end;
    out.literals.push_back(Literal{std::move(t.text), t.kind == Tok::Number});
  }
  out.key.append(sql.substr(last));
  return out.literals.size() <= kMaxLiterals;
}

bool bind_literals(const Translation& t, const std::vector<Literal>& origin,
                   const std::vector<Literal>& values, std::vector<Variant>& params) {
  size_t n = values.size();
  if (!t.parameterized || t.literals.size() != n || origin.size() != n) return false;
  params.assign(static_cast<size_t>(t.slots), Variant());
  for (size_t j = 0; j < n; ++j) {
    const Translation::LiteralUse& use = t.literals[j];
    const Text& v = values[j].text;
    if ((use.pinned || use.bind == Translation::Bind::Inline) && v != origin[j].text) return false;
    switch (use.bind) {
      case Translation::Bind::Inline:
        break;
      case Translation::Bind::Int: {
        // The shape holds only digits up to 2147483647 here.
        int64_t x = 0;
        for (char16_t c : v) x = x * 10 + (c - u'0');
        params[j] = Variant(static_cast<int32_t>(x));
        break;
      }
      case Translation::Bind::Real:
        params[j] = Variant(v);
        break;
      case Translation::Bind::Text:
        if (use.no_bracket && v.find(u'[') != Text::npos) return false;
        params[j] = Variant(v);
        break;
      case Translation::Bind::Date: {
        Date d;
        if (v.empty())
          params[j] = Variant(Text(u"1900-01-01 00:00:00"));
        else if (parse_date_literal(v, d))
          params[j] = from_utf8(iso_date(d));
        else
          params[j] = Variant(v);
        break;
      }
    }
  }
  return true;
}

}  // namespace orvane::db::tsql
