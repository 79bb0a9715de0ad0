// Translates the SQL Server texts the library issues into SQLite's dialect. It parses
// the text (parser.h), resolves every name against the database schema, infers the SQL
// Server type of every expression, and writes SQLite SQL that computes what SQL Server
// would: TOP becomes LIMIT, table hints vanish, Isnull/Len/Left/... become their SQLite
// forms, `+` concatenates texts and adds days to dates, text comparisons ignore case,
// and the result columns keep the names and types SQL Server gives them.
//
// Storage conventions the translation relies on: a datetime is ISO text
// "YYYY-MM-DD HH:MM:SS" (a time of day alone is "1899-12-30 HH:MM:SS"), bit is 0/1.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/error.h"
#include "core/variant.h"
#include "platform/db/types.h"

namespace orvane::db {

// The error number ADO raises for a failing command (DB_E_ERRORSINCOMMAND).
inline constexpr int32_t kDbCommandError = static_cast<int32_t>(0x80040E14u);

namespace tsql {

// A translation failure as the database error it stands for.
VbError translate_error(const std::string& message);

struct ColumnDef {
  Text name;
  SqlType type;
};

struct TableDef {
  Text name;  // as the schema spells it
  std::vector<ColumnDef> columns;
  const ColumnDef* find(TextView column) const;  // case-insensitive
};

// What the translator knows of the database. find() is called for every table name
// a statement mentions; nullptr when there is no such table (the engine then reports it).
class Schema {
 public:
  virtual ~Schema() = default;
  virtual const TableDef* find(TextView table) const = 0;
};

// A result column of a translated SELECT.
struct OutColumn {
  Text name;     // as SQL Server names it ("" for an unnamed expression)
  SqlType type;  // Unknown: the stored value decides
};

struct Translation {
  enum class Kind : uint8_t { Select, Update, Delete, Insert, Passthrough };
  Kind kind = Kind::Select;
  std::string sql;  // SQLite text, UTF-8
  // The result columns in order, when the translator could tell them all (a `*` over a
  // table it does not know leaves this false and the engine's names and types hold).
  bool columns_known = false;
  std::vector<OutColumn> columns;
  // The text holds the parameter kNowParameter for GetDate(): bind the clock's now.
  bool uses_now = false;
  // A one-table SELECT without grouping: the table rows can be added to and changed
  // through (empty otherwise). With `with_rowid`, the last result column is its rowid.
  Text base_table;
  bool has_rowid = false;

  // With Options::parameters: the literals of the text (its numbers and strings, in
  // order) that the SQL takes as parameters. Literal j is ?{j+1}; GetDate() is
  // ?{now_slot}. Texts that differ only in the values of bound literals share the
  // translation (see Shape).
  enum class Bind : uint8_t {
    Inline,  // written into the SQL, or shaping it: the translation holds for this value only
    Int,     // an int literal, bound as a number
    Real,    // a decimal or float literal, bound as its text and read by the engine's CAST
    Text,    // a string
    Date,    // a string compared with or stored into a datetime: bound in ISO form
  };
  struct LiteralUse {
    Bind bind = Bind::Inline;
    bool pinned = false;      // also written inline somewhere: its value must match
    bool no_bracket = false;  // a LIKE pattern: a '[' needs a translation of its own
  };
  bool parameterized = false;
  std::vector<LiteralUse> literals;
  int now_slot = 0;
  int slots = 0;  // the highest ?n the SQL uses
};

inline constexpr const char* kNowParameter = "@orvane_now";

struct Options {
  // Add the base table's rowid as a last hidden column, so that the rows of the
  // recordset can be updated in place.
  bool with_rowid = false;
  // Bind the literals that only supply values (see Translation::literals) instead of
  // writing them into the SQL. The engine must number parameters as SQLite does (?n).
  bool parameters = false;
};

// REQUIRES: schema outlives the call. Throws VbError (kDbCommandError) for a text it
// cannot parse or a construct outside the subset, naming it.
Translation translate(TextView sql, const Schema& schema, Options options = {});

// A text with each literal replaced by its class (int, bigint, decimal of a precision
// and scale, float, string, national string): texts of one shape parse alike and
// differ only in the values of their literals.
struct Literal {
  Text text;  // number text or string value
  bool number = false;
};
struct Shape {
  Text key;
  std::vector<Literal> literals;
};
// False when the text has no shape to share: it cannot be tokenized, is passed through
// untranslated, or holds the marker character of the key.
bool shape_of(TextView sql, Shape& out);

// The parameters for a text of the shape `t` was translated from (its literals in
// `origin`), with the literals `values`: params[j] binds ?{j+1}; the GetDate() slot is
// left Empty. False when these values need a translation of their own (an inline
// literal differs, or a value the translation did not take).
bool bind_literals(const Translation& t, const std::vector<Literal>& origin,
                   const std::vector<Literal>& values, std::vector<Variant>& params);

// ISO text of a date as the translation stores dates ("2026-12-05 10:30:00").
std::string iso_date(Date d);
// Reads the date texts SQL Server accepts in literals: "2026-12-05", "20261205",
// "12/05/2026" (month first), with an optional time; false when it is none of them.
bool parse_date_literal(TextView s, Date& out);

}  // namespace tsql
}  // namespace orvane::db
