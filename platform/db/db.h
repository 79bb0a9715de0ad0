// The database access interface: ADO's Connection, Recordset, Fields and Field, with
// ADO semantics (static cursor with an exact RecordCount, EOF/BOF, fields by name or
// index with ADO type codes, Null for SQL NULL, AddNew/field assignment/Update,
// State/Close). Each is a late-bound object (type names "Connection", "Recordset",
// "Fields", "Field") for hosts and generic code, and has a direct C++ API for the
// library's own code.
//
// A connection is opened from a URL: "sqlite:PATH", "odbc:CONNECTION-STRING" or a bare
// path (SQLite). On SQLite (and on an ODBC driver that reports SQLite) the SQL Server
// texts of the library run through the translator in tsql/; on any other ODBC driver
// they pass through unchanged. The host's connection travels as a Variant holding the
// Connection object.
//
// Failures raise VbError: the database's message and the SQL text for a failing
// statement (number kDbCommandError), ADO's numbers for misuse (3021 no current row,
// 3265 no such field, 3704 closed object, 3251 read-only recordset).
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "component/member_table.h"
#include "component/registry.h"
#include "core/context.h"
#include "platform/db/backend.h"
#include "platform/db/row_store.h"
#include "platform/db/types.h"

namespace orvane::db {

enum class CursorType : int32_t {
  Unspecified = -1,
  ForwardOnly = 0,
  Keyset = 1,
  Dynamic = 2,
  Static = 3
};
enum class LockType : int32_t {
  Unspecified = -1,
  ReadOnly = 1,
  Pessimistic = 2,
  Optimistic = 3,
  BatchOptimistic = 4
};

namespace ado_error {
inline constexpr int32_t kNoCurrentRecord = 3021;
inline constexpr int32_t kItemNotFound = 3265;
inline constexpr int32_t kObjectClosed = 3704;
inline constexpr int32_t kReadOnly = 3251;
inline constexpr int32_t kBadArgument = 3001;
}  // namespace ado_error

struct FieldInfo {
  Text name;
  AdoType type = AdoType::VarWChar;
  SqlType sql_type;          // the SQL Server type behind it (Unknown when not known)
  int32_t defined_size = 0;  // characters of a text column, bytes of a number
};

class Connection;
class Recordset;
using ConnectionPtr = std::shared_ptr<Connection>;
using RecordsetPtr = std::shared_ptr<Recordset>;

class Connection : public component::DispatchObject {
 public:
  Connection(std::unique_ptr<Backend> backend, ContextPtr ctx, Text url);
  // A connection created closed (by ProgID); Open() connects it.
  explicit Connection(ContextPtr ctx);
  ~Connection() override;

  const component::MemberTable& members() const override;

  // Opens the database a URL names. VbError (kDbCommandError) when it cannot be opened.
  void open(TextView url);
  bool is_open() const;
  void close();
  const Text& url() const { return url_; }

  // Runs a statement. A query returns an open static read-only recordset; any other
  // statement returns a closed recordset and sets *affected.
  RecordsetPtr execute(TextView sql, int64_t* affected = nullptr);
  // Field 0 of the first row of a query, without building a recordset. VbError when
  // the statement fails or returns no row.
  Variant first_value(TextView sql);
  // Runs a script in the engine's own dialect (for SQLite: SQLite's SQL; several
  // statements separated by ";") as one transaction. Used to build databases.
  void run_script(TextView script);

  // ---- for Recordset and the backends --------------------------------------------
  struct Prepared {
    std::shared_ptr<const tsql::Translation> translation;  // null when passing through
    std::string sql;                                       // what the engine runs
    std::vector<Variant> params;                           // the text's bound literals
  };
  Prepared prepare(TextView sql, bool with_rowid);
  // Runs prepared text; on failure raises VbError with the engine message and `source`.
  std::unique_ptr<Cursor> run(const Prepared& p, TextView source,
                              const std::vector<Variant>& params = {});
  Backend& backend();
  const tsql::TableDef* table(TextView name);
  const ContextPtr& context() const { return ctx_; }

 private:
  class SchemaCache;
  void forget_schema();

  std::unique_ptr<Backend> backend_;
  ContextPtr ctx_;
  Text url_;
  std::unique_ptr<SchemaCache> schema_;
  std::unordered_map<Text, std::shared_ptr<const tsql::Translation>> translations_;
  // Translations with bound literals by shape; each holds for the inline literals of
  // the text it was made from.
  struct Shared {
    std::shared_ptr<const tsql::Translation> translation;
    std::vector<tsql::Literal> literals;
  };
  std::unordered_map<Text, std::vector<Shared>> shapes_;
};

class Recordset : public component::DispatchObject {
 public:
  explicit Recordset(ContextPtr ctx = nullptr);
  const component::MemberTable& members() const override;

  // Runs `sql` on `conn` and holds every row (ADO's static cursor; the other cursor
  // types behave as static). VbError carrying the database's message and the SQL text.
  void open(TextView sql, const ConnectionPtr& conn, CursorType cursor = CursorType::Static,
            LockType lock = LockType::ReadOnly);
  void close();
  bool is_open() const { return open_; }

  int32_t record_count() const;
  bool eof() const;
  bool bof() const;
  void move_next();
  void move_previous();
  void move_first();
  void move_last();

  int field_count() const;
  const FieldInfo& field_info(int index) const;
  const std::vector<FieldInfo>& fields() const;
  // -1 when there is no such field (names compare case-insensitively).
  int field_index(TextView name) const;
  // The value of a field in the current row. VbError 3265 for an unknown field, 3021
  // when there is no current row. The reference stays valid while the recordset is open
  // and the field is not assigned.
  const Variant& field(TextView name) const;
  const Variant& field(int index) const;
  // The value of field `index` of the current row, converted without being kept (for
  // reading each value once). The same value and errors as field(index).
  Variant peek_field(int index) const;
  // The current row's position (0 = first; record_count() past the last).
  int64_t position() const { return pos_; }

  // Row changes (the recordset must come from a one-table query opened with a lock
  // type other than read-only): add_new() starts a new row, set_field() assigns (also
  // to the current row), update() stores the row.
  void add_new();
  void set_field(TextView name, const Variant& value);
  void set_field(int index, const Variant& value);
  void update();
  void cancel_update();

  const Text& source() const { return source_; }
  const ConnectionPtr& connection() const { return conn_; }
  LockType lock_type() const { return lock_; }

 private:
  void require_open() const;
  void require_row() const;
  void finish_edit();
  Variant& edit_cell(int index);
  const Variant& cell(int64_t row, size_t index) const;
  int checked_index(TextView name) const;

  ContextPtr ctx_;
  ConnectionPtr conn_;
  Text source_;
  LockType lock_ = LockType::ReadOnly;
  CursorType cursor_ = CursorType::Static;
  bool open_ = false;
  std::vector<FieldInfo> fields_;
  std::unordered_map<Text, int> by_name_;  // folded name -> index
  RowStore cells_;                         // row-major
  std::vector<AdoType> read_as_;           // per field: the type its values convert as
  std::vector<int64_t> rowids_;            // per row, when updatable
  int64_t rows_ = 0;
  int64_t pos_ = 0;
  Text base_table_;
  bool has_rowid_ = false;
  // Editing: the pending values of the row being added or changed.
  enum class Edit { None, Adding, Changing } edit_ = Edit::None;
  std::vector<Variant> edit_values_;
  std::vector<bool> edit_set_;
};

// Opens a connection from a URL ("sqlite:PATH", "odbc:CONNECTION-STRING", bare path).
ConnectionPtr open_connection(TextView url, ContextPtr ctx = nullptr);
// A SQLite database file, created empty when missing (for building databases with
// Connection::run_script). VbError when it cannot be opened or created.
ConnectionPtr create_database(TextView path, ContextPtr ctx = nullptr);
// The Connection a variant holds. VbError 91 for Nothing/not an object, 13 for an
// object of another kind, 3704 for a closed connection.
ConnectionPtr connection_of(const Variant& conn);
// Opens a recordset on the connection (the generators' "rs.Open sql, conn, 3, 1").
RecordsetPtr open_recordset(const ConnectionPtr& conn, TextView sql,
                            CursorType cursor = CursorType::Static,
                            LockType lock = LockType::ReadOnly);
RecordsetPtr open_recordset(const Variant& conn, TextView sql,
                            CursorType cursor = CursorType::Static,
                            LockType lock = LockType::ReadOnly);
// The variant that carries a connection (the host's `Connorvane`).
inline Variant as_variant(const ConnectionPtr& c) { return Variant(ObjectPtr(c)); }
inline Variant as_variant(const RecordsetPtr& r) { return Variant(ObjectPtr(r)); }

// Registers "ADODB.Connection" and "ADODB.Recordset" creatable classes.
void register_classes(component::Registry& r);

}  // namespace orvane::db
