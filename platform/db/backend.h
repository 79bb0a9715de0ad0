// What a database engine must offer the ADO-style layer (db.h): run one statement and
// walk its rows, report the declared types of columns and tables, and stored values as
// variants of the type a field hands out. SQLite (sqlite/) and ODBC (odbc/) implement it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/variant.h"
#include "platform/db/tsql/translator.h"
#include "platform/db/types.h"

namespace orvane::db {

// A value as the engine stores it, seen in place (the bytes stay valid until the cursor
// moves). Texts are UTF-8 when valid UTF-8 that converts the standard way, else UTF-16.
struct RawValue {
  enum class Kind : uint8_t { Null, Int, Real, Utf8, Utf16, Blob, None };
  Kind kind = Kind::None;
  int64_t i = 0;
  double d = 0;
  const void* data = nullptr;
  size_t size = 0;  // bytes
};

// The rows of one running statement. A statement that returns no rows has 0 columns.
class Cursor {
 public:
  virtual ~Cursor() = default;
  virtual int columns() const = 0;
  virtual Text column_name(int i) const = 0;
  // The column's type as the engine declares it; Unknown when it has none.
  virtual SqlType column_type(int i) const = 0;
  // Moves to the next row; false past the last. VbError when the engine fails.
  virtual bool step() = 0;
  // Value of column i of the current row, handed out as a field of ADO type `as`
  // reports it (Null for SQL NULL).
  virtual Variant value(int i, AdoType as, const SqlType& declared) const = 0;
  // Value of column i of the current row as stored, for keeping it unconverted; Kind::None
  // when the engine hands out converted values only.
  virtual RawValue raw(int i) const {
    (void)i;
    return {};
  }
};

class Backend {
 public:
  virtual ~Backend() = default;
  // True when the engine speaks SQLite: the library's SQL Server texts are translated.
  virtual bool speaks_sqlite() const = 0;
  // True when run() binds numbered parameters (?n) as SQLite does: translations then
  // bind their literals, and texts that differ only in them share one statement.
  virtual bool numbered_parameters() const { return false; }
  // Runs one statement (UTF-8). `params` bind ?1..?n in order; `now` binds the GetDate()
  // parameter when the text uses it. VbError carrying the engine's message on failure.
  virtual std::unique_ptr<Cursor> run(const std::string& sql, const std::vector<Variant>& params,
                                      const Date* now) = 0;
  // Rows changed by the last statement, and the rowid of the last inserted row.
  virtual int64_t changes() = 0;
  virtual int64_t last_rowid() = 0;
  // The table's columns with their declared types; nullopt when there is no such table.
  virtual std::optional<tsql::TableDef> describe(TextView table) = 0;
  // Runs a script of statements in the engine's own dialect, as one transaction.
  virtual void run_script(const std::string& script) = 0;
  virtual void close() = 0;
  virtual bool is_open() const = 0;
};

// The variant a stored value becomes as a field of ADO type `as`: numbers of the right
// width, Currency for money, Boolean for bit, Date for ISO text, text padded for char(n).
// Values that do not convert stay as they are rather than fail.
Variant typed_value(Variant raw, AdoType as, const SqlType& declared);

// The variant a stored value becomes as a field of ADO type `as` (see typed_value).
Variant stored_value(const RawValue& v, AdoType as, const SqlType& declared);

// The UTF-16 text of UTF-8 bytes that are valid_utf8().
Text utf8_text(const char* p, size_t n);
// True for UTF-8 whose every sequence is well formed, a scalar value below U+FFFE or
// above U+FFFF: the bytes the standard conversion and the engine's agree on.
bool valid_utf8(const char* p, size_t n);

// The value bound for a variant when it is stored (dates as ISO text, booleans as 0/1).
// Returns the variant to bind: Null, Long/Double/Currency as numbers, or text.
Variant storable(const Variant& v, const SqlType& target);

}  // namespace orvane::db
