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
};

inline constexpr const char* kNowParameter = "@orvane_now";

struct Options {
  // Add the base table's rowid as a last hidden column, so that the rows of the
  // recordset can be updated in place.
  bool with_rowid = false;
};

// REQUIRES: schema outlives the call. Throws VbError (kDbCommandError) for a text it
// cannot parse or a construct outside the subset, naming it.
Translation translate(TextView sql, const Schema& schema, Options options = {});

// ISO text of a date as the translation stores dates ("2026-12-05 10:30:00").
std::string iso_date(Date d);
// Reads the date texts SQL Server accepts in literals: "2026-12-05", "20261205",
// "12/05/2026" (month first), with an optional time; false when it is none of them.
bool parse_date_literal(TextView s, Date& out);

}  // namespace tsql
}  // namespace orvane::db
