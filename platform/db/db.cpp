#include "platform/db/db.h"

#include <cctype>
#include <cstring>
#include <map>

#include "core/convert.h"
#include "platform/db/odbc/odbc_backend.h"
#include "platform/db/sqlite/sqlite_backend.h"
#include "platform/db/tsql/lexer.h"

namespace orvane::db {

using component::Args;
using component::MemberTable;
using component::opt;
using component::val;

namespace {

// Bounds of the translation caches: distinct shapes, and translations of one shape
// (a shape has several when a literal that shapes the SQL, such as TOP n, varies).
constexpr size_t kSharedShapes = 1024;
constexpr size_t kTranslationsPerShape = 8;

VbError ado(int32_t number, const char* text) { return VbError(number, from_utf8(text), u"ADODB"); }

VbError closed_error() {
  return ado(ado_error::kObjectClosed, "Operation is not allowed when the object is closed.");
}

// A failing statement: the engine's message and the text that was run.
VbError statement_error(const VbError& e, TextView sql) {
  return VbError(kDbCommandError, e.description() + u" (SQL: " + Text(sql) + u")", e.source());
}

int32_t defined_size(const SqlType& t, AdoType a) {
  if (t.is_text()) return t.size > 0 ? t.size : 2147483647;
  switch (a) {
    case AdoType::Boolean:
      return 2;
    case AdoType::SmallInt:
      return 2;
    case AdoType::TinyInt:
      return 1;
    case AdoType::Integer:
    case AdoType::Single:
      return 4;
    default:
      return 8;
  }
}

// The type of a column the engine could not type: the first stored value decides.
AdoType natural_type(const Variant& v) {
  switch (v.type()) {
    case VarType::Long:
    case VarType::Integer:
      return AdoType::Integer;
    case VarType::Double:
      return AdoType::Double;
    case VarType::Date:
      return AdoType::DBTimeStamp;
    default:
      return AdoType::VarWChar;
  }
}

}  // namespace

// ---- Connection ------------------------------------------------------------------------

class Connection::SchemaCache : public tsql::Schema {
 public:
  explicit SchemaCache(Backend& b) : backend_(b) {}
  const tsql::TableDef* find(TextView table) const override {
    Text key = tsql::fold(table);
    auto it = tables_.find(key);
    if (it == tables_.end()) {
      auto def = backend_.describe(table);
      it = tables_.emplace(key, def ? std::make_unique<tsql::TableDef>(std::move(*def)) : nullptr)
               .first;
    }
    return it->second.get();
  }

 private:
  Backend& backend_;
  mutable std::map<Text, std::unique_ptr<tsql::TableDef>> tables_;
};

Connection::Connection(std::unique_ptr<Backend> backend, ContextPtr ctx, Text url)
    : backend_(std::move(backend)),
      ctx_(ctx ? std::move(ctx) : default_context()),
      url_(std::move(url)) {
  schema_ = std::make_unique<SchemaCache>(*backend_);
}

Connection::Connection(ContextPtr ctx) : ctx_(ctx ? std::move(ctx) : default_context()) {}

Connection::~Connection() = default;

void Connection::open(TextView url) {
  if (is_open())
    throw ado(ado_error::kBadArgument, "Operation is not allowed when the object is open.");
  ConnectionPtr c = open_connection(url, ctx_);
  backend_ = std::move(c->backend_);
  url_ = Text(url);
  forget_schema();
}

bool Connection::is_open() const { return backend_ && backend_->is_open(); }

void Connection::close() {
  if (!is_open()) throw closed_error();
  translations_.clear();
  shapes_.clear();
  schema_.reset();
  backend_->close();
}

Backend& Connection::backend() {
  if (!is_open()) throw closed_error();
  return *backend_;
}

void Connection::forget_schema() {
  translations_.clear();
  shapes_.clear();
  schema_ = backend_ ? std::make_unique<SchemaCache>(*backend_) : nullptr;
}

const tsql::TableDef* Connection::table(TextView name) {
  backend();
  return schema_->find(name);
}

Connection::Prepared Connection::prepare(TextView sql, bool with_rowid) {
  Backend& b = backend();
  Prepared p;
  if (!b.speaks_sqlite()) {
    p.sql = to_utf8(sql);
    return p;
  }
  if (b.numbered_parameters()) {
    tsql::Shape shape;
    if (tsql::shape_of(sql, shape)) {
      shape.key += with_rowid ? u'R' : u'S';
      auto found = shapes_.find(shape.key);
      if (found != shapes_.end()) {
        for (const Shared& s : found->second) {
          if (tsql::bind_literals(*s.translation, s.literals, shape.literals, p.params)) {
            p.translation = s.translation;
            p.sql = p.translation->sql;
            return p;
          }
        }
      }
      tsql::Options o;
      o.with_rowid = with_rowid;
      o.parameters = true;
      auto t = std::make_shared<const tsql::Translation>(tsql::translate(sql, *schema_, o));
      p.translation = t;
      p.sql = t->sql;
      if (tsql::bind_literals(*t, shape.literals, shape.literals, p.params)) {
        if (found == shapes_.end()) {
          if (shapes_.size() >= kSharedShapes) shapes_.clear();
          found = shapes_.emplace(std::move(shape.key), std::vector<Shared>()).first;
        }
        // A shape whose inline literals keep changing: the newest translations stay.
        auto& list = found->second;
        if (list.size() >= kTranslationsPerShape) list.erase(list.begin());
        list.push_back(Shared{std::move(t), std::move(shape.literals)});
      }
      return p;
    }
  }
  Text key(sql);
  if (with_rowid) key += u'\x01';
  auto it = translations_.find(key);
  if (it == translations_.end()) {
    // Keys vary with every lookup; keep the cache bounded rather than clever.
    if (translations_.size() >= 4096) translations_.clear();
    tsql::Options o;
    o.with_rowid = with_rowid;
    auto t = std::make_shared<const tsql::Translation>(tsql::translate(sql, *schema_, o));
    it = translations_.emplace(std::move(key), std::move(t)).first;
  }
  p.translation = it->second;
  p.sql = p.translation->sql;
  return p;
}

std::unique_ptr<Cursor> Connection::run(const Prepared& p, TextView source,
                                        const std::vector<Variant>& params) {
  Backend& b = backend();
  Date now;
  bool uses_now = p.translation && p.translation->uses_now;
  if (uses_now) now = ctx_->now();
  const std::vector<Variant>* bound = params.empty() ? &p.params : &params;
  std::vector<Variant> with_now;
  if (uses_now && p.translation->now_slot > 0) {
    // GetDate() is one of the numbered parameters.
    with_now = *bound;
    with_now[static_cast<size_t>(p.translation->now_slot - 1)] = from_utf8(tsql::iso_date(now));
    bound = &with_now;
    uses_now = false;
  }
  try {
    auto c = b.run(p.sql, *bound, uses_now ? &now : nullptr);
    if (p.translation && p.translation->kind == tsql::Translation::Kind::Passthrough)
      forget_schema();
    return c;
  } catch (const VbError& e) {
    throw statement_error(e, source);
  }
}

RecordsetPtr Connection::execute(TextView sql, int64_t* affected) {
  auto rs = std::make_shared<Recordset>(ctx_);
  auto self = std::static_pointer_cast<Connection>(shared_from_this());
  rs->open(sql, self, CursorType::Static, LockType::ReadOnly);
  if (affected) *affected = rs->is_open() ? -1 : backend_->changes();
  return rs;
}

Variant Connection::first_value(TextView sql) {
  Prepared p;
  try {
    p = prepare(sql, false);
  } catch (const VbError& e) {
    throw statement_error(e, sql);
  }
  auto cur = run(p, sql);
  if (cur->columns() == 0 || !cur->step())
    throw ado(ado_error::kNoCurrentRecord,
              "Either BOF or EOF is True, or the current record has been deleted.");
  SqlType t;
  if (p.translation && p.translation->columns_known && !p.translation->columns.empty())
    t = p.translation->columns[0].type;
  if (!t.known()) t = cur->column_type(0);
  return cur->value(0, t.known() ? ado_type(t) : AdoType::Variant, t);
}

void Connection::run_script(TextView script) {
  Backend& b = backend();
  b.run_script(to_utf8(script));
  forget_schema();
}

// ---- Recordset -------------------------------------------------------------------------

Recordset::Recordset(ContextPtr ctx) : ctx_(ctx ? std::move(ctx) : default_context()) {}

void Recordset::open(TextView sql, const ConnectionPtr& conn, CursorType cursor, LockType lock) {
  if (open_)
    throw ado(ado_error::kBadArgument, "Operation is not allowed when the object is open.");
  if (!conn || !conn->is_open()) throw closed_error();
  if (lock == LockType::Unspecified) lock = LockType::ReadOnly;
  if (cursor == CursorType::Unspecified) cursor = CursorType::ForwardOnly;
  bool updatable = lock != LockType::ReadOnly;
  Connection::Prepared p;
  try {
    p = conn->prepare(sql, updatable);
  } catch (const VbError& e) {
    throw statement_error(e, sql);
  }
  auto cur = conn->run(p, sql);
  const tsql::Translation* t = p.translation.get();
  has_rowid_ = t && t->has_rowid;
  int n = cur->columns() - (has_rowid_ ? 1 : 0);
  fields_.clear();
  by_name_.clear();
  cells_.clear();
  read_as_.clear();
  rowids_.clear();
  rows_ = 0;
  edit_ = Edit::None;
  if (cur->columns() == 0) return;  // an action query leaves the recordset closed
  std::vector<bool> untyped(static_cast<size_t>(n), false);
  for (int i = 0; i < n; ++i) {
    FieldInfo f;
    bool known = t && t->columns_known && static_cast<size_t>(i) < t->columns.size();
    f.name = known ? t->columns[i].name : cur->column_name(i);
    f.sql_type = known ? t->columns[i].type : SqlType{};
    if (!f.sql_type.known()) f.sql_type = cur->column_type(i);
    untyped[i] = !f.sql_type.known();
    f.type = untyped[i] ? AdoType::Variant : ado_type(f.sql_type);
    f.defined_size = defined_size(f.sql_type, f.type);
    by_name_.emplace(tsql::fold(f.name), i);  // the first of equal names wins
    read_as_.push_back(f.type);
    fields_.push_back(std::move(f));
  }
  try {
    // Values are kept as stored and converted when read, where the engine allows.
    while (cur->step()) {
      for (int i = 0; i < n; ++i) {
        RawValue raw = cur->raw(i);
        if (raw.kind != RawValue::Kind::None)
          cells_.add(raw);
        else
          cells_.add(cur->value(i, read_as_[i], fields_[i].sql_type));
      }
      if (has_rowid_) {
        RawValue id = cur->raw(n);
        rowids_.push_back(id.kind == RawValue::Kind::Int
                              ? id.i
                              : CLng(cur->value(n, AdoType::Integer, SqlType{})));
      }
      ++rows_;
    }
  } catch (const VbError& e) {
    throw statement_error(e, sql);
  }
  for (int i = 0; i < n; ++i) {
    if (!untyped[i]) continue;
    AdoType a = AdoType::VarWChar;
    for (int64_t r = 0; r < rows_; ++r) {
      const Variant& v = cell(r, static_cast<size_t>(i));
      if (!v.is_null()) {
        a = natural_type(v);
        break;
      }
    }
    fields_[i].type = a;
    fields_[i].defined_size = defined_size(fields_[i].sql_type, a);
  }
  conn_ = conn;
  source_ = Text(sql);
  lock_ = lock;
  cursor_ = cursor;
  base_table_ = t ? t->base_table : Text();
  pos_ = 0;
  open_ = true;
}

void Recordset::close() {
  require_open();
  open_ = false;
  edit_ = Edit::None;
  fields_.clear();
  by_name_.clear();
  cells_.clear();
  read_as_.clear();
  rowids_.clear();
  rows_ = 0;
  pos_ = 0;
}

const Variant& Recordset::cell(int64_t row, size_t index) const {
  return cells_.get(static_cast<size_t>(row) * fields_.size() + index, read_as_[index],
                    fields_[index].sql_type);
}

void Recordset::require_open() const {
  if (!open_) throw closed_error();
}

void Recordset::require_row() const {
  require_open();
  if (edit_ == Edit::Adding) return;
  if (pos_ < 0 || pos_ >= rows_)
    throw ado(ado_error::kNoCurrentRecord,
              "Either BOF or EOF is True, or the current record has been deleted. Requested "
              "operation requires a current record.");
}

int32_t Recordset::record_count() const {
  require_open();
  return static_cast<int32_t>(rows_);
}

bool Recordset::eof() const {
  require_open();
  return rows_ == 0 || pos_ >= rows_;
}

bool Recordset::bof() const {
  require_open();
  return rows_ == 0 || pos_ < 0;
}

void Recordset::move_next() {
  finish_edit();
  if (eof()) require_row();
  ++pos_;
}

void Recordset::move_previous() {
  finish_edit();
  if (bof()) require_row();
  --pos_;
}

void Recordset::move_first() {
  finish_edit();
  require_open();
  pos_ = 0;
}

void Recordset::move_last() {
  finish_edit();
  require_open();
  pos_ = rows_ > 0 ? rows_ - 1 : 0;
}

int Recordset::field_count() const {
  require_open();
  return static_cast<int>(fields_.size());
}

const FieldInfo& Recordset::field_info(int index) const {
  require_open();
  if (index < 0 || index >= static_cast<int>(fields_.size()))
    throw ado(ado_error::kItemNotFound,
              "Item cannot be found in the collection corresponding to the requested name or "
              "ordinal.");
  return fields_[static_cast<size_t>(index)];
}

const std::vector<FieldInfo>& Recordset::fields() const {
  require_open();
  return fields_;
}

int Recordset::field_index(TextView name) const {
  // Most names are ASCII and already in the folded form's case; try the name as given
  // in upper case first without allocating when it is short.
  auto it = by_name_.find(tsql::fold(name));
  return it == by_name_.end() ? -1 : it->second;
}

int Recordset::checked_index(TextView name) const {
  require_open();
  int i = field_index(name);
  if (i < 0)
    throw VbError(ado_error::kItemNotFound,
                  T("Item cannot be found in the collection corresponding to the requested name "
                    "or ordinal: ") +
                      Text(name),
                  u"ADODB");
  return i;
}

const Variant& Recordset::field(TextView name) const { return field(checked_index(name)); }

const Variant& Recordset::field(int index) const {
  auto i = static_cast<size_t>(index);
  if (open_ && edit_ == Edit::None && index >= 0 && i < fields_.size() && pos_ >= 0 && pos_ < rows_)
    return cells_.get(static_cast<size_t>(pos_) * fields_.size() + i, read_as_[i],
                      fields_[i].sql_type);
  field_info(index);
  if (edit_ != Edit::None) return edit_values_[static_cast<size_t>(index)];
  require_row();
  return cell(pos_, static_cast<size_t>(index));
}

Variant Recordset::peek_field(int index) const {
  auto i = static_cast<size_t>(index);
  if (open_ && edit_ == Edit::None && index >= 0 && i < fields_.size() && pos_ >= 0 && pos_ < rows_)
    return cells_.peek(static_cast<size_t>(pos_) * fields_.size() + i, read_as_[i],
                       fields_[i].sql_type);
  return field(index);
}

void Recordset::add_new() {
  require_open();
  if (lock_ == LockType::ReadOnly || base_table_.empty())
    throw ado(ado_error::kReadOnly,
              "Current Recordset does not support updating. This may be a limitation of the "
              "provider, or of the selected locktype.");
  finish_edit();
  edit_ = Edit::Adding;
  edit_values_.assign(fields_.size(), Variant::Null());
  edit_set_.assign(fields_.size(), false);
}

Variant& Recordset::edit_cell(int index) {
  if (lock_ == LockType::ReadOnly || base_table_.empty())
    throw ado(ado_error::kReadOnly,
              "Current Recordset does not support updating. This may be a limitation of the "
              "provider, or of the selected locktype.");
  if (edit_ == Edit::None) {
    require_row();
    size_t n = fields_.size();
    edit_values_.clear();
    for (size_t i = 0; i < n; ++i) edit_values_.push_back(cell(pos_, i));
    edit_set_.assign(n, false);
    edit_ = Edit::Changing;
  }
  edit_set_[static_cast<size_t>(index)] = true;
  return edit_values_[static_cast<size_t>(index)];
}

void Recordset::set_field(TextView name, const Variant& value) {
  set_field(checked_index(name), value);
}

void Recordset::set_field(int index, const Variant& value) {
  const FieldInfo& f = field_info(index);
  Variant stored = storable(value, f.sql_type);
  edit_cell(index) = typed_value(stored, f.type, f.sql_type);
}

void Recordset::cancel_update() {
  require_open();
  edit_ = Edit::None;
}

void Recordset::finish_edit() {
  if (edit_ != Edit::None) update();
}

void Recordset::update() {
  require_open();
  if (edit_ == Edit::None) return;
  Backend& b = conn_->backend();
  const tsql::TableDef* table = b.speaks_sqlite() ? conn_->table(base_table_) : nullptr;
  auto column_name = [&](size_t i) {
    const Text& n = fields_[i].name;
    if (table)
      if (const tsql::ColumnDef* c = table->find(n)) return c->name;
    return n;
  };
  auto quoted = [](const Text& n) { return u"[" + n + u"]"; };
  std::vector<Variant> params;
  Text sql;
  if (edit_ == Edit::Adding) {
    Text cols, marks;
    for (size_t i = 0; i < fields_.size(); ++i) {
      if (!edit_set_[i]) continue;
      if (!cols.empty()) {
        cols += u", ";
        marks += u", ";
      }
      cols += quoted(column_name(i));
      marks += u"?";
      params.push_back(storable(edit_values_[i], fields_[i].sql_type));
    }
    sql = u"INSERT INTO " + quoted(base_table_) +
          (cols.empty() ? Text(u" DEFAULT VALUES") : u" (" + cols + u") VALUES (" + marks + u")");
  } else {
    Text sets;
    for (size_t i = 0; i < fields_.size(); ++i) {
      if (!edit_set_[i]) continue;
      if (!sets.empty()) sets += u", ";
      sets += quoted(column_name(i)) + u" = ?";
      params.push_back(storable(edit_values_[i], fields_[i].sql_type));
    }
    if (sets.empty()) {
      edit_ = Edit::None;
      return;
    }
    sql = u"UPDATE " + quoted(base_table_) + u" SET " + sets;
    if (has_rowid_) {
      sql += u" WHERE _rowid_ = ?";
      params.push_back(Variant(static_cast<double>(rowids_[static_cast<size_t>(pos_)])));
    } else {
      // Without a row id the row is the one whose stored values are those read.
      Text where;
      size_t n = fields_.size();
      for (size_t i = 0; i < n; ++i) {
        const Variant& orig = cell(pos_, i);
        if (!where.empty()) where += u" AND ";
        if (orig.is_null()) {
          where += quoted(column_name(i)) + u" IS NULL";
        } else {
          where += quoted(column_name(i)) + u" = ?";
          params.push_back(storable(orig, fields_[i].sql_type));
        }
      }
      sql += u" WHERE " + where;
    }
  }
  Connection::Prepared p;
  p.sql = to_utf8(sql);
  conn_->run(p, sql, params);
  size_t n = fields_.size();
  if (edit_ == Edit::Adding) {
    int64_t rowid = b.last_rowid();
    std::vector<Variant> row = edit_values_;
    if (has_rowid_) {
      // Read the stored row back: defaults and identity values appear as stored.
      Text cols;
      for (size_t i = 0; i < n; ++i) cols += (i ? u", " : u"") + quoted(column_name(i));
      Connection::Prepared q;
      q.sql = to_utf8(u"SELECT " + cols + u" FROM " + quoted(base_table_) + u" WHERE _rowid_ = ?");
      bool reread = resume_next([&] {
        auto cur = conn_->run(q, u"", {Variant(static_cast<double>(rowid))});
        if (cur->step())
          for (size_t i = 0; i < n; ++i)
            row[i] = cur->value(static_cast<int>(i), fields_[i].type, fields_[i].sql_type);
      });
      (void)reread;
    }
    for (Variant& v : row) cells_.add(std::move(v));
    if (has_rowid_) rowids_.push_back(rowid);
    pos_ = rows_++;
  } else {
    for (size_t i = 0; i < n; ++i)
      if (edit_set_[i]) cells_.set(static_cast<size_t>(pos_) * n + i, edit_values_[i]);
  }
  edit_ = Edit::None;
}

// ---- free functions --------------------------------------------------------------------

ConnectionPtr open_connection(TextView url, ContextPtr ctx) {
  std::string u = to_utf8(url);
  std::unique_ptr<Backend> b;
  auto starts = [&](const char* p) {
    size_t n = std::strlen(p);
    if (u.size() < n) return false;
    for (size_t i = 0; i < n; ++i)
      if (std::tolower(static_cast<unsigned char>(u[i])) != p[i]) return false;
    return true;
  };
  if (starts("sqlite:"))
    b = open_sqlite(u.substr(7), false);
  else if (starts("odbc:"))
    b = open_odbc(u.substr(5));
  else if (u.empty())
    throw VbError(kDbCommandError, u"no database named (sqlite:PATH, odbc:CONNECTION-STRING)");
  else
    b = open_sqlite(u, false);
  return std::make_shared<Connection>(std::move(b), std::move(ctx), Text(url));
}

ConnectionPtr create_database(TextView path, ContextPtr ctx) {
  return std::make_shared<Connection>(open_sqlite(to_utf8(path), true), std::move(ctx),
                                      u"sqlite:" + Text(path));
}

ConnectionPtr connection_of(const Variant& conn) {
  const ObjectPtr& o = as_object(conn);
  auto c = std::dynamic_pointer_cast<Connection>(o);
  if (!c) throw VbError(err::kTypeMismatch, T("a Connection was expected, not ") + o->type_name());
  if (!c->is_open()) throw closed_error();
  return c;
}

RecordsetPtr open_recordset(const ConnectionPtr& conn, TextView sql, CursorType cursor,
                            LockType lock) {
  auto rs = std::make_shared<Recordset>(conn ? conn->context() : nullptr);
  rs->open(sql, conn, cursor, lock);
  return rs;
}

RecordsetPtr open_recordset(const Variant& conn, TextView sql, CursorType cursor, LockType lock) {
  return open_recordset(connection_of(conn), sql, cursor, lock);
}

}  // namespace orvane::db
