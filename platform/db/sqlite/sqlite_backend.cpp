#include "platform/db/sqlite/sqlite_backend.h"

#include <sqlite3.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <unordered_map>

#include "core/convert.h"

namespace orvane::db {
namespace {

VbError engine_error(const std::string& message) {
  return VbError(kDbCommandError, from_utf8(message), u"SQLite");
}

// Decodes one code point of UTF-8 (Latin letters are all the folding needs).
inline uint32_t next_cp(const unsigned char*& p, const unsigned char* end) {
  uint32_t c = *p++;
  if (c < 0x80) return c;
  int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
  c &= 0x3F >> extra;
  while (extra-- > 0 && p < end) c = (c << 6) | (*p++ & 0x3F);
  return c;
}

inline uint32_t fold_cp(uint32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
  if (c <= 0xFF) return vb::UpperChar(static_cast<char16_t>(c));
  return c;
}

// SQL Server's default comparison: case-insensitive (accented letters too), the
// shorter text padded with blanks.
int nocase_compare(void*, int na, const void* a, int nb, const void* b) {
  auto pa = static_cast<const unsigned char*>(a), ea = pa + na;
  auto pb = static_cast<const unsigned char*>(b), eb = pb + nb;
  while (pa < ea && pb < eb) {
    if (*pa < 0x80 && *pb < 0x80) {
      unsigned ca = *pa++, cb = *pb++;
      if (ca == cb) continue;
      ca = (ca >= 'a' && ca <= 'z') ? ca - 32 : ca;
      cb = (cb >= 'a' && cb <= 'z') ? cb - 32 : cb;
      if (ca != cb) return ca < cb ? -1 : 1;
      continue;
    }
    uint32_t ca = fold_cp(next_cp(pa, ea)), cb = fold_cp(next_cp(pb, eb));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  while (pa < ea) {
    uint32_t c = fold_cp(next_cp(pa, ea));
    if (c != ' ') return c < ' ' ? -1 : 1;
  }
  while (pb < eb) {
    uint32_t c = fold_cp(next_cp(pb, eb));
    if (c != ' ') return c < ' ' ? 1 : -1;
  }
  return 0;
}

// upper()/lower() that know accented letters, as the host's UCase/LCase do.
void case_function(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  auto text = static_cast<const char16_t*>(sqlite3_value_text16(argv[0]));
  int bytes = sqlite3_value_bytes16(argv[0]);
  Text t(text, static_cast<size_t>(bytes) / 2);
  bool upper = sqlite3_user_data(ctx) != nullptr;
  Text r = upper ? vb::UCase(t) : vb::LCase(t);
  sqlite3_result_text16(ctx, r.data(), static_cast<int>(r.size() * 2), SQLITE_TRANSIENT);
}

class SqliteBackend;

class SqliteCursor : public Cursor {
 public:
  SqliteCursor(SqliteBackend& owner, sqlite3_stmt* stmt, std::string sql, bool has_row)
      : owner_(owner), stmt_(stmt), sql_(std::move(sql)), pending_(has_row) {
    columns_ = sqlite3_column_count(stmt_);
  }
  ~SqliteCursor() override;

  int columns() const override { return columns_; }
  Text column_name(int i) const override {
    auto p = static_cast<const char16_t*>(sqlite3_column_name16(stmt_, i));
    return p ? Text(p) : Text();
  }
  SqlType column_type(int i) const override {
    const char* d = sqlite3_column_decltype(stmt_, i);
    return d ? parse_sql_type(std::string_view(d)) : SqlType{};
  }
  bool step() override;
  Variant value(int i, AdoType as, const SqlType& declared) const override {
    return stored_value(raw(i), as, declared);
  }
  RawValue raw(int i) const override;

 private:
  SqliteBackend& owner_;
  sqlite3_stmt* stmt_;
  std::string sql_;
  int columns_ = 0;
  bool pending_;  // the first row was stepped to by run()
  bool done_ = false;
};

class SqliteBackend : public Backend {
 public:
  explicit SqliteBackend(sqlite3* db) : db_(db) {
    sqlite3_busy_timeout(db_, 5000);
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_create_collation_v2(db_, "NOCASE", SQLITE_UTF8, nullptr, nocase_compare, nullptr);
    sqlite3_create_function_v2(db_, "upper", 1, SQLITE_UTF16 | SQLITE_DETERMINISTIC,
                               reinterpret_cast<void*>(1), case_function, nullptr, nullptr,
                               nullptr);
    sqlite3_create_function_v2(db_, "lower", 1, SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr,
                               case_function, nullptr, nullptr, nullptr);
    // A double-quoted word is a name, never a string.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, "PRAGMA encoding", -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW) {
      auto enc = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
      utf16_ = enc && std::strncmp(enc, "UTF-16", 6) == 0;
    }
    sqlite3_finalize(st);
  }
  ~SqliteBackend() override { close(); }

  bool speaks_sqlite() const override { return true; }
  bool numbered_parameters() const override { return true; }

  std::unique_ptr<Cursor> run(const std::string& sql, const std::vector<Variant>& params,
                              const Date* now) override {
    if (!db_) throw engine_error("the connection is closed");
    sqlite3_stmt* stmt = checkout(sql);
    for (size_t i = 0; i < params.size(); ++i) bind(stmt, static_cast<int>(i + 1), params[i]);
    if (now) {
      int idx = sqlite3_bind_parameter_index(stmt, tsql::kNowParameter);
      if (idx > 0) {
        std::string iso = tsql::iso_date(*now);
        sqlite3_bind_text(stmt, idx, iso.c_str(), static_cast<int>(iso.size()), SQLITE_TRANSIENT);
      }
    }
    int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
      std::string msg = sqlite3_errmsg(db_);
      sqlite3_reset(stmt);
      checkin(sql, stmt);
      throw engine_error(msg);
    }
    if (sqlite3_column_count(stmt) == 0) {
      while (rc == SQLITE_ROW) rc = sqlite3_step(stmt);
    }
    return std::make_unique<SqliteCursor>(*this, stmt, sql, rc == SQLITE_ROW);
  }

  int64_t changes() override { return db_ ? sqlite3_changes64(db_) : 0; }
  int64_t last_rowid() override { return db_ ? sqlite3_last_insert_rowid(db_) : 0; }

  std::optional<tsql::TableDef> describe(TextView table) override {
    if (!db_) return std::nullopt;
    tsql::TableDef def;
    {
      sqlite3_stmt* st = nullptr;
      const char* q =
          "SELECT name FROM sqlite_schema WHERE type IN ('table', 'view') AND name = ?1 "
          "COLLATE NOCASE";
      if (sqlite3_prepare_v2(db_, q, -1, &st, nullptr) != SQLITE_OK) return std::nullopt;
      std::string name = to_utf8(table);
      sqlite3_bind_text(st, 1, name.c_str(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
      if (sqlite3_step(st) == SQLITE_ROW)
        def.name = static_cast<const char16_t*>(sqlite3_column_text16(st, 0));
      sqlite3_finalize(st);
    }
    if (def.name.empty()) return std::nullopt;
    sqlite3_stmt* st = nullptr;
    std::string q = "SELECT name, type FROM pragma_table_info(?1)";
    if (sqlite3_prepare_v2(db_, q.c_str(), -1, &st, nullptr) != SQLITE_OK) return std::nullopt;
    std::string name = to_utf8(def.name);
    sqlite3_bind_text(st, 1, name.c_str(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
    while (sqlite3_step(st) == SQLITE_ROW) {
      tsql::ColumnDef c;
      c.name = static_cast<const char16_t*>(sqlite3_column_text16(st, 0));
      auto ty = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
      c.type = parse_sql_type(std::string_view(ty ? ty : ""));
      def.columns.push_back(std::move(c));
    }
    sqlite3_finalize(st);
    return def;
  }

  void run_script(const std::string& script) override {
    if (!db_) throw engine_error("the connection is closed");
    flush_cache();
    char* err = nullptr;
    if (sqlite3_exec(db_, "BEGIN", nullptr, nullptr, &err) != SQLITE_OK) raise(err);
    if (sqlite3_exec(db_, script.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
      std::string msg = err ? err : "script failed";
      sqlite3_free(err);
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
      throw engine_error(msg);
    }
    if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, &err) != SQLITE_OK) raise(err);
  }

  void close() override {
    if (!db_) return;
    flush_cache();
    sqlite3_close_v2(db_);
    db_ = nullptr;
  }
  bool is_open() const override { return db_ != nullptr; }

  // Statements are kept prepared between runs of the same text; a statement in use by a
  // cursor is checked out so that a nested run of that text prepares its own.
  sqlite3_stmt* checkout(const std::string& sql) {
    auto it = cache_.find(sql);
    if (it != cache_.end()) {
      sqlite3_stmt* s = it->second;
      cache_.erase(it);
      return s;
    }
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &s, nullptr) !=
        SQLITE_OK) {
      std::string msg = sqlite3_errmsg(db_);
      sqlite3_finalize(s);
      throw engine_error(msg);
    }
    if (!s) throw engine_error("empty statement");
    return s;
  }
  void checkin(const std::string& sql, sqlite3_stmt* s) {
    sqlite3_clear_bindings(s);
    if (!db_ || cache_.size() >= kCacheSize || !cache_.emplace(sql, s).second) sqlite3_finalize(s);
  }
  sqlite3* handle() const { return db_; }
  // Texts are stored as UTF-16: read them so, without a round trip through UTF-8.
  bool utf16() const { return utf16_; }

 private:
  static constexpr size_t kCacheSize = 64;

  [[noreturn]] static void raise(char* err) {
    std::string msg = err ? err : "failed";
    sqlite3_free(err);
    throw engine_error(msg);
  }

  void flush_cache() {
    for (auto& [sql, s] : cache_) sqlite3_finalize(s);
    cache_.clear();
  }

  void bind(sqlite3_stmt* s, int i, const Variant& v) {
    switch (v.type()) {
      case VarType::Empty:
      case VarType::Null:
        sqlite3_bind_null(s, i);
        break;
      case VarType::Integer:
      case VarType::Long:
      case VarType::Byte:
      case VarType::Boolean:
        sqlite3_bind_int64(s, i, v.type() == VarType::Boolean ? (v.boolean() ? 1 : 0) : CLng(v));
        break;
      case VarType::String: {
        const Text& t = v.text();
        sqlite3_bind_text16(s, i, t.data(), static_cast<int>(t.size() * 2), SQLITE_TRANSIENT);
        break;
      }
      default:
        sqlite3_bind_double(s, i, CDbl(v));
        break;
    }
  }

  sqlite3* db_;
  bool utf16_ = false;
  std::unordered_map<std::string, sqlite3_stmt*> cache_;
};

SqliteCursor::~SqliteCursor() {
  sqlite3_reset(stmt_);
  owner_.checkin(sql_, stmt_);
}

bool SqliteCursor::step() {
  if (done_) return false;
  if (pending_) {
    pending_ = false;
    return true;
  }
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  done_ = true;
  if (rc != SQLITE_DONE) throw engine_error(sqlite3_errmsg(owner_.handle()));
  return false;
}

RawValue SqliteCursor::raw(int i) const {
  // The value object itself: its accessors skip the statement's checks and locking, and
  // the connection is used from one thread at a time.
  sqlite3_value* v = sqlite3_column_value(stmt_, i);
  RawValue r;
  switch (sqlite3_value_type(v)) {
    case SQLITE_NULL:
      r.kind = RawValue::Kind::Null;
      break;
    case SQLITE_INTEGER:
      r.kind = RawValue::Kind::Int;
      r.i = sqlite3_value_int64(v);
      break;
    case SQLITE_FLOAT:
      r.kind = RawValue::Kind::Real;
      r.d = sqlite3_value_double(v);
      break;
    case SQLITE_TEXT:
      if (!owner_.utf16()) {
        auto p = reinterpret_cast<const char*>(sqlite3_value_text(v));
        auto n = static_cast<size_t>(sqlite3_value_bytes(v));
        if (valid_utf8(p, n)) {
          r.kind = RawValue::Kind::Utf8;
          r.data = p;
          r.size = n;
          break;
        }
      }
      // Malformed UTF-8 converts as the engine converts it.
      r.kind = RawValue::Kind::Utf16;
      r.data = sqlite3_value_text16(v);
      r.size = static_cast<size_t>(sqlite3_value_bytes16(v));
      break;
    default:
      r.kind = RawValue::Kind::Blob;
      r.data = sqlite3_value_blob(v);
      r.size = static_cast<size_t>(sqlite3_value_bytes(v));
      break;
  }
  return r;
}

}  // namespace

std::unique_ptr<Backend> open_sqlite(const std::string& path, bool create) {
  if (!create && !std::filesystem::exists(path))
    throw engine_error("unable to open database file: " + path + " (no such file)");
  sqlite3* db = nullptr;
  int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
  if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
    std::string msg = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    throw engine_error("unable to open database " + path + ": " + msg);
  }
  return std::make_unique<SqliteBackend>(db);
}

}  // namespace orvane::db
