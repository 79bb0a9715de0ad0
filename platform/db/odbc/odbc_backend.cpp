#include "platform/db/odbc/odbc_backend.h"

#include <sql.h>
#include <sqlext.h>

#include <cstring>

#include "core/convert.h"

namespace orvane::db {
namespace {

// Texts cross the driver boundary as UTF-8 through the narrow calls: drivers that
// speak UTF-8 (SQLite's, FreeTDS with a UTF-8 client charset) get them unchanged, where
// the driver manager's wide-to-narrow conversion would use the locale's code page.
SQLCHAR* u8(std::string& s) { return reinterpret_cast<SQLCHAR*>(s.data()); }
std::string from_buf(const SQLCHAR* p) { return reinterpret_cast<const char*>(p); }

// The driver's diagnostic records, joined.
Text diagnostics(SQLSMALLINT type, SQLHANDLE h) {
  Text all;
  for (SQLSMALLINT i = 1;; ++i) {
    SQLCHAR state[6] = {};
    SQLINTEGER native = 0;
    SQLCHAR msg[1024] = {};
    SQLSMALLINT len = 0;
    SQLRETURN rc = SQLGetDiagRec(type, h, i, state, &native, msg, 1024, &len);
    if (!SQL_SUCCEEDED(rc)) break;
    if (!all.empty()) all += u"; ";
    all += from_utf8(from_buf(msg));
  }
  return all.empty() ? Text(u"ODBC call failed") : all;
}

[[noreturn]] void fail(SQLSMALLINT type, SQLHANDLE h) {
  throw VbError(kDbCommandError, diagnostics(type, h), u"ODBC");
}

SqlType type_of_code(SQLSMALLINT code, SQLULEN size, SQLSMALLINT digits) {
  switch (code) {
    case SQL_BIT:
      return sql_type(SqlBase::Bit);
    case SQL_TINYINT:
      return sql_type(SqlBase::TinyInt);
    case SQL_SMALLINT:
      return sql_type(SqlBase::SmallInt);
    case SQL_INTEGER:
      return sql_type(SqlBase::Int);
    case SQL_BIGINT:
      return sql_type(SqlBase::BigInt);
    case SQL_REAL:
      return sql_type(SqlBase::Real);
    case SQL_FLOAT:
    case SQL_DOUBLE:
      return sql_type(SqlBase::Float);
    case SQL_DECIMAL:
    case SQL_NUMERIC: {
      if (size == 19 && digits == 4) return sql_type(SqlBase::Money);
      SqlType t = sql_type(SqlBase::Decimal);
      t.precision = static_cast<uint8_t>(std::min<SQLULEN>(size, 38));
      t.scale = static_cast<uint8_t>(std::max<SQLSMALLINT>(digits, 0));
      return t;
    }
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP:
    case SQL_DATETIME:
      return sql_type(SqlBase::DateTime);
    case SQL_TYPE_DATE:
      return sql_type(SqlBase::Date);
    case SQL_TYPE_TIME:
      return sql_type(SqlBase::Time);
    case SQL_CHAR:
      return sql_type(SqlBase::Char, static_cast<int32_t>(size));
    case SQL_VARCHAR:
      return sql_type(SqlBase::VarChar, static_cast<int32_t>(size));
    case SQL_LONGVARCHAR:
      return sql_type(SqlBase::Text);
    case SQL_WCHAR:
      return sql_type(SqlBase::NChar, static_cast<int32_t>(size));
    case SQL_WVARCHAR:
      return sql_type(SqlBase::NVarChar, static_cast<int32_t>(size));
    case SQL_WLONGVARCHAR:
      return sql_type(SqlBase::NText);
    default:
      return SqlType{};
  }
}

struct Column {
  Text name;
  SqlType type;
};

class OdbcCursor : public Cursor {
 public:
  OdbcCursor(SQLHSTMT st, std::vector<Column> cols) : st_(st), cols_(std::move(cols)) {}
  ~OdbcCursor() override { SQLFreeHandle(SQL_HANDLE_STMT, st_); }

  int columns() const override { return static_cast<int>(cols_.size()); }
  Text column_name(int i) const override { return cols_[static_cast<size_t>(i)].name; }
  SqlType column_type(int i) const override { return cols_[static_cast<size_t>(i)].type; }

  bool step() override {
    if (cols_.empty()) return false;
    SQLRETURN rc = SQLFetch(st_);
    if (rc == SQL_NO_DATA) return false;
    if (!SQL_SUCCEEDED(rc)) fail(SQL_HANDLE_STMT, st_);
    // Every column is read once, in order, as text; conversion happens per field.
    row_.assign(cols_.size(), std::nullopt);
    for (size_t i = 0; i < cols_.size(); ++i) {
      std::string value;
      char buf[4096];
      while (true) {
        SQLLEN ind = 0;
        rc = SQLGetData(st_, static_cast<SQLUSMALLINT>(i + 1), SQL_C_CHAR, buf, sizeof buf, &ind);
        if (rc == SQL_NO_DATA) break;
        if (!SQL_SUCCEEDED(rc)) fail(SQL_HANDLE_STMT, st_);
        if (ind == SQL_NULL_DATA) {
          value.clear();
          goto next_column;
        }
        size_t got = ind == SQL_NO_TOTAL || ind >= static_cast<SQLLEN>(sizeof buf)
                         ? sizeof buf - 1
                         : static_cast<size_t>(ind);
        value.append(buf, got);
        if (rc == SQL_SUCCESS) break;
      }
      row_[i] = from_utf8(value);
    next_column:;
    }
    return true;
  }

  Variant value(int i, AdoType as, const SqlType& declared) const override {
    const auto& cell = row_.at(static_cast<size_t>(i));
    if (!cell) return Variant::Null();
    if (as == AdoType::Variant) {
      const SqlType& t = cols_[static_cast<size_t>(i)].type;
      if (t.is_integer()) return typed_value(Variant(*cell), AdoType::Integer, t);
      if (t.is_numeric()) return typed_value(Variant(*cell), AdoType::Double, t);
      return Variant(*cell);
    }
    return typed_value(Variant(*cell), as, declared);
  }

 private:
  SQLHSTMT st_;
  std::vector<Column> cols_;
  std::vector<std::optional<Text>> row_;
};

class OdbcBackend : public Backend {
 public:
  OdbcBackend(SQLHENV env, SQLHDBC dbc) : env_(env), dbc_(dbc) {
    SQLCHAR name[256] = {};
    SQLSMALLINT len = 0;
    SQLGetInfo(dbc_, SQL_DBMS_NAME, name, sizeof name, &len);
    Text dbms = from_utf8(from_buf(name));
    sqlite_ = vb::InStr(dbms, u"SQLite", vb::Compare::Text) > 0;
  }
  ~OdbcBackend() override { close(); }

  bool speaks_sqlite() const override { return sqlite_; }

  std::unique_ptr<Cursor> run(const std::string& sql, const std::vector<Variant>& params,
                              const Date* now) override {
    if (!dbc_) throw VbError(kDbCommandError, u"the connection is closed", u"ODBC");
    std::string text = sql;
    if (now) {
      // The GetDate() parameter goes in as a literal: drivers differ in named parameters.
      std::string lit = "'" + tsql::iso_date(*now) + "'";
      for (size_t p = text.find(tsql::kNowParameter); p != std::string::npos;
           p = text.find(tsql::kNowParameter, p + lit.size()))
        text.replace(p, std::strlen(tsql::kNowParameter), lit);
    }
    SQLHSTMT st = nullptr;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &st))) fail(SQL_HANDLE_DBC, dbc_);
    // Parameter buffers must live until the statement has run.
    std::vector<std::string> texts(params.size());
    std::vector<double> doubles(params.size());
    std::vector<int64_t> ints(params.size());
    std::vector<SQLLEN> inds(params.size());
    for (size_t i = 0; i < params.size(); ++i) {
      const Variant& v = params[i];
      auto n = static_cast<SQLUSMALLINT>(i + 1);
      SQLRETURN rc;
      if (v.is_null() || v.is_empty()) {
        inds[i] = SQL_NULL_DATA;
        rc = SQLBindParameter(st, n, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 1, 0, nullptr, 0,
                              &inds[i]);
      } else if (v.type() == VarType::Long || v.type() == VarType::Integer ||
                 v.type() == VarType::Byte) {
        ints[i] = CLng(v);
        rc = SQLBindParameter(st, n, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0, &ints[i], 0,
                              nullptr);
      } else if (v.is_numeric_type()) {
        doubles[i] = CDbl(v);
        rc = SQLBindParameter(st, n, SQL_PARAM_INPUT, SQL_C_DOUBLE, SQL_DOUBLE, 0, 0, &doubles[i],
                              0, nullptr);
      } else {
        texts[i] = to_utf8(CStr(v));
        inds[i] = static_cast<SQLLEN>(texts[i].size());
        rc = SQLBindParameter(st, n, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR,
                              std::max<SQLULEN>(texts[i].size(), 1), 0, u8(texts[i]), inds[i],
                              &inds[i]);
      }
      if (!SQL_SUCCEEDED(rc)) {
        Text msg = diagnostics(SQL_HANDLE_STMT, st);
        SQLFreeHandle(SQL_HANDLE_STMT, st);
        throw VbError(kDbCommandError, msg, u"ODBC");
      }
    }
    SQLRETURN rc = SQLExecDirect(st, u8(text), static_cast<SQLINTEGER>(text.size()));
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) {
      Text msg = diagnostics(SQL_HANDLE_STMT, st);
      SQLFreeHandle(SQL_HANDLE_STMT, st);
      throw VbError(kDbCommandError, msg, u"ODBC");
    }
    SQLSMALLINT ncols = 0;
    SQLNumResultCols(st, &ncols);
    changes_ = 0;
    if (ncols == 0) {
      SQLLEN count = 0;
      if (SQL_SUCCEEDED(SQLRowCount(st, &count))) changes_ = count;
    }
    std::vector<Column> cols;
    for (SQLSMALLINT i = 1; i <= ncols; ++i) {
      SQLCHAR name[512] = {};
      SQLSMALLINT name_len = 0, code = 0, digits = 0, nullable = 0;
      SQLULEN size = 0;
      SQLDescribeCol(st, static_cast<SQLUSMALLINT>(i), name, 512, &name_len, &code, &size, &digits,
                     &nullable);
      Column c;
      c.name = from_utf8(from_buf(name));
      SQLCHAR tname[128] = {};
      SQLSMALLINT tlen = 0;
      SQLColAttribute(st, static_cast<SQLUSMALLINT>(i), SQL_DESC_TYPE_NAME, tname, sizeof tname,
                      &tlen, nullptr);
      std::string type_name = from_buf(tname);
      c.type = parse_sql_type(type_name);
      if (c.type.is_text() && c.type.size == 0 && c.type.base != SqlBase::Text &&
          c.type.base != SqlBase::NText)
        c.type.size = static_cast<int32_t>(size);
      if (!c.type.known()) c.type = type_of_code(code, size, digits);
      cols.push_back(std::move(c));
    }
    return std::make_unique<OdbcCursor>(st, std::move(cols));
  }

  int64_t changes() override { return changes_; }

  int64_t last_rowid() override {
    auto c = run(sqlite_ ? "SELECT last_insert_rowid()" : "SELECT SCOPE_IDENTITY()", {}, nullptr);
    if (!c->step()) return 0;
    Variant v = c->value(0, AdoType::Double, SqlType{});
    return v.is_null() ? 0 : static_cast<int64_t>(CDbl(v));
  }

  std::optional<tsql::TableDef> describe(TextView table) override {
    if (!sqlite_ || !dbc_) return std::nullopt;
    tsql::TableDef def;
    {
      // Names compare here, not in the driver: its NOCASE folds ASCII letters only.
      auto c = run("SELECT name FROM sqlite_master WHERE type IN ('table', 'view')", {}, nullptr);
      while (c->step()) {
        Text n = CStr(c->value(0, AdoType::VarWChar, SqlType{}));
        if (vb::EqualsNoCase(n, table)) {
          def.name = n;
          break;
        }
      }
      if (def.name.empty()) return std::nullopt;
    }
    std::string canonical;
    for (char c : to_utf8(def.name)) canonical += c == '\'' ? std::string("''") : std::string(1, c);
    auto c = run("SELECT name, type FROM pragma_table_info('" + canonical + "')", {}, nullptr);
    while (c->step()) {
      tsql::ColumnDef col;
      col.name = CStr(c->value(0, AdoType::VarWChar, SqlType{}));
      Variant ty = c->value(1, AdoType::VarWChar, SqlType{});
      col.type = parse_sql_type(ty.is_null() ? Text() : ty.text());
      def.columns.push_back(std::move(col));
    }
    return def;
  }

  void run_script(const std::string& script) override {
    if (!dbc_) throw VbError(kDbCommandError, u"the connection is closed", u"ODBC");
    SQLSetConnectAttr(dbc_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF),
                      0);
    try {
      for (const auto& stmt : split_script(script)) run(stmt, {}, nullptr);
      SQLEndTran(SQL_HANDLE_DBC, dbc_, SQL_COMMIT);
    } catch (...) {
      SQLEndTran(SQL_HANDLE_DBC, dbc_, SQL_ROLLBACK);
      SQLSetConnectAttr(dbc_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON),
                        0);
      throw;
    }
    SQLSetConnectAttr(dbc_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON),
                      0);
  }

  void close() override {
    if (dbc_) {
      SQLDisconnect(dbc_);
      SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
      dbc_ = nullptr;
    }
    if (env_) {
      SQLFreeHandle(SQL_HANDLE_ENV, env_);
      env_ = nullptr;
    }
  }
  bool is_open() const override { return dbc_ != nullptr; }

 private:
  // Statements of a script: split at ';' outside strings, names and comments.
  static std::vector<std::string> split_script(const std::string& s) {
    std::vector<std::string> out;
    std::string cur;
    for (size_t i = 0; i < s.size(); ++i) {
      char c = s[i];
      if (c == '\'' || c == '"' || c == '[') {
        char close = c == '[' ? ']' : c;
        cur += c;
        for (++i; i < s.size(); ++i) {
          cur += s[i];
          if (s[i] == close) break;
        }
        continue;
      }
      if (c == '-' && i + 1 < s.size() && s[i + 1] == '-') {
        while (i < s.size() && s[i] != '\n') ++i;
        continue;
      }
      if (c == ';') {
        if (cur.find_first_not_of(" \t\r\n") != std::string::npos) out.push_back(cur);
        cur.clear();
        continue;
      }
      cur += c;
    }
    if (cur.find_first_not_of(" \t\r\n") != std::string::npos) out.push_back(cur);
    return out;
  }

  SQLHENV env_;
  SQLHDBC dbc_;
  bool sqlite_ = false;
  int64_t changes_ = 0;
};

}  // namespace

std::unique_ptr<Backend> open_odbc(const std::string& connection_string) {
  SQLHENV env = nullptr;
  SQLHDBC dbc = nullptr;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
    throw VbError(kDbCommandError, u"ODBC is not available", u"ODBC");
  SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc))) {
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    throw VbError(kDbCommandError, u"ODBC is not available", u"ODBC");
  }
  std::string cs = connection_string;
  SQLCHAR out[1024];
  SQLSMALLINT out_len = 0;
  SQLRETURN rc = SQLDriverConnect(dbc, nullptr, u8(cs), static_cast<SQLSMALLINT>(cs.size()), out,
                                  1024, &out_len, SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(rc)) {
    Text msg = diagnostics(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    throw VbError(kDbCommandError, u"cannot connect (" + from_utf8(cs) + u"): " + msg, u"ODBC");
  }
  return std::make_unique<OdbcBackend>(env, dbc);
}

}  // namespace orvane::db
