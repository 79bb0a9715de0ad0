// The syntax tree of the SQL Server subset the library speaks: SELECT (with TOP,
// DISTINCT, joins, derived tables, GROUP BY, HAVING, UNION [ALL], ORDER BY), UPDATE,
// DELETE and INSERT, and the expressions inside them.
#pragma once

#include <memory>
#include <vector>

#include "core/text.h"

namespace orvane::db::tsql {

struct Select;

enum class ExprKind : uint8_t {
  Number,  // text = the literal
  String,  // text = the value; national
  Null,
  Column,    // qualifier.text (qualifier may be empty)
  Star,      // * inside Count(*)
  Unary,     // text = "-", "+", "~", "NOT"; args[0]
  Binary,    // text = operator ("+", "=", "AND", ...); args[0], args[1]
  Function,  // text = name as written; args; distinct
  Case,      // has_operand: args[0] is the operand; then WHEN/THEN pairs; has_else: last
  Subquery,  // select
  Exists,    // select; negated
  InList,    // args[0] IN (args[1..]); negated
  InSelect,  // args[0] IN (select); negated
  Between,   // args[0] BETWEEN args[1] AND args[2]; negated
  Like,      // args[0] LIKE args[1]; negated
  IsNull,    // args[0] IS [NOT] NULL; negated
  Cast,      // args[0] AS type_text (Convert: args[1] is the style when given)
  Paren,     // ( args[0] )
};

struct Expr {
  ExprKind kind = ExprKind::Null;
  Text text;
  Text qualifier;
  std::vector<std::unique_ptr<Expr>> args;
  std::unique_ptr<Select> select;
  Text type_text;  // Cast/Convert target
  bool national = false;
  bool negated = false;
  bool distinct = false;
  bool has_operand = false;
  bool has_else = false;
  int chain = 0;  // Binary: operators in the chain this one ends (itself included)
  size_t pos = 0;
};
using ExprPtr = std::unique_ptr<Expr>;

struct SelectItem {
  ExprPtr expr;       // null for a star
  Text alias;         // empty when none
  bool star = false;  // * or qualifier.*
  Text star_qualifier;
};

struct TableRef {
  enum class Kind : uint8_t { Table, Derived, Join } kind = Kind::Table;
  Text name;   // Table: the table name
  Text alias;  // Table or Derived
  std::unique_ptr<Select> derived;
  // Join: left JOIN right ON on
  std::unique_ptr<TableRef> left, right;
  Text join;  // "INNER", "LEFT", "RIGHT", "FULL", "CROSS"
  ExprPtr on;
};
using TableRefPtr = std::unique_ptr<TableRef>;

struct SelectCore {
  bool distinct = false;
  ExprPtr top;  // TOP n (a number expression)
  std::vector<SelectItem> items;
  std::vector<TableRefPtr> from;
  ExprPtr where;
  std::vector<ExprPtr> group_by;
  ExprPtr having;
};

struct OrderItem {
  ExprPtr expr;
  bool desc = false;
};

struct Select {
  std::vector<SelectCore> cores;
  std::vector<bool> union_all;  // between cores[i] and cores[i+1]
  std::vector<OrderItem> order_by;
};

struct Statement {
  enum class Kind : uint8_t { Select, Update, Delete, Insert, Passthrough } kind = Kind::Select;
  std::unique_ptr<Select> select;              // Select; Insert ... Select
  Text table;                                  // Update, Delete, Insert
  std::vector<std::pair<Text, ExprPtr>> sets;  // Update
  ExprPtr where;                               // Update, Delete
  std::vector<Text> columns;                   // Insert
  std::vector<std::vector<ExprPtr>> values;    // Insert ... Values (...), (...)
};

}  // namespace orvane::db::tsql
