// The late-bound faces of Connection and Recordset, and the Fields and Field objects
// that walk a recordset's columns. A Field reads the recordset's current row at the
// time of each call, as ADO's does.
#include "core/convert.h"
#include "platform/db/db.h"

namespace orvane::db {

using component::Args;
using component::MemberTable;
using component::opt;
using component::ref;
using component::val;

namespace {

RecordsetPtr self_rs(Object& self) {
  return std::static_pointer_cast<Recordset>(static_cast<Recordset&>(self).shared_from_this());
}

// Index by ordinal (number) or name (text).
int field_index_of(const Recordset& rs, const Variant& index) {
  if (index.is_text()) {
    int i = rs.field_index(index.text());
    if (i < 0)
      throw VbError(ado_error::kItemNotFound,
                    T("Item cannot be found in the collection corresponding to the requested "
                      "name or ordinal: ") +
                        index.text(),
                    u"ADODB");
    return i;
  }
  if (index.is_missing() || index.is_null() || index.is_empty())
    throw VbError(ado_error::kItemNotFound,
                  u"Item cannot be found in the collection corresponding to the requested name "
                  u"or ordinal.",
                  u"ADODB");
  int i = CLng(index);
  rs.field_info(i);  // raises 3265 when out of range
  return i;
}

class FieldObject : public component::DispatchObject {
 public:
  FieldObject(RecordsetPtr rs, int index) : rs_(std::move(rs)), index_(index) {}
  const MemberTable& members() const override { return table(); }
  static const MemberTable& table();
  Recordset& rs() const { return *rs_; }
  int index() const { return index_; }

 private:
  RecordsetPtr rs_;
  int index_;
};

class FieldsObject : public component::DispatchObject {
 public:
  explicit FieldsObject(RecordsetPtr rs) : rs_(std::move(rs)) {}
  const MemberTable& members() const override { return table(); }
  static const MemberTable& table();
  const RecordsetPtr& rs() const { return rs_; }

 private:
  RecordsetPtr rs_;
};

FieldObject& self_field(Object& o) { return static_cast<FieldObject&>(o); }
FieldsObject& self_fields(Object& o) { return static_cast<FieldsObject&>(o); }

const MemberTable& FieldObject::table() {
  static const MemberTable kTable = [] {
    MemberTable t(u"Field");
    auto value = [](Object& o, Args&) {
      auto& f = self_field(o);
      return f.rs().field(f.index());
    };
    t.property_get(u"Value", VarType::Variant, value, "the field's value in the current row");
    t.property_get(u"", VarType::Variant, value);
    auto let_value = [](Object& o, Args& a) {
      auto& f = self_field(o);
      f.rs().set_field(f.index(), a[0]);
      return Variant();
    };
    t.property_let(u"Value", val(u"Value", VarType::Variant), let_value);
    t.property_let(u"", val(u"Value", VarType::Variant), let_value);
    t.property_get(u"Name", VarType::String, [](Object& o, Args&) {
      auto& f = self_field(o);
      return Variant(f.rs().field_info(f.index()).name);
    });
    t.property_get(u"Type", VarType::Long, [](Object& o, Args&) {
      auto& f = self_field(o);
      return Variant(static_cast<int32_t>(f.rs().field_info(f.index()).type));
    });
    t.property_get(u"DefinedSize", VarType::Long, [](Object& o, Args&) {
      auto& f = self_field(o);
      return Variant(f.rs().field_info(f.index()).defined_size);
    });
    t.property_get(u"Precision", VarType::Byte, [](Object& o, Args&) {
      auto& f = self_field(o);
      return Variant(f.rs().field_info(f.index()).sql_type.precision);
    });
    t.property_get(u"NumericScale", VarType::Byte, [](Object& o, Args&) {
      auto& f = self_field(o);
      return Variant(f.rs().field_info(f.index()).sql_type.scale);
    });
    return t;
  }();
  return kTable;
}

const MemberTable& FieldsObject::table() {
  static const MemberTable kTable = [] {
    MemberTable t(u"Fields");
    t.property_get(u"Count", VarType::Long, [](Object& o, Args&) {
      return Variant(static_cast<int32_t>(self_fields(o).rs()->field_count()));
    });
    auto item = [](Object& o, Args& a) {
      const RecordsetPtr& rs = self_fields(o).rs();
      return Variant(ObjectPtr(std::make_shared<FieldObject>(rs, field_index_of(*rs, a[0]))));
    };
    t.property_get(u"Item", VarType::Object, item, "a field by ordinal or by name",
                   {val(u"Index", VarType::Variant)});
    t.property_get(u"", VarType::Object, item, {}, {val(u"Index", VarType::Variant)});
    return t;
  }();
  return kTable;
}

Variant fields_of(Object& self) {
  RecordsetPtr rs = self_rs(self);
  rs->field_count();  // a closed recordset has no fields
  return Variant(ObjectPtr(std::make_shared<FieldsObject>(rs)));
}

Variant collect(Object& self, const Variant& index) {
  auto& rs = static_cast<Recordset&>(self);
  return rs.field(field_index_of(rs, index));
}

Variant int_or(const Variant& v, int32_t fallback) {
  return v.is_missing() || v.is_empty() || v.is_null() ? Variant(fallback) : Variant(CLng(v));
}

}  // namespace

const MemberTable& Recordset::members() const {
  static const MemberTable kTable = [] {
    MemberTable t(u"Recordset");
    t.method(
        u"Open",
        {opt(u"Source", VarType::Variant, Variant::Missing(), false),
         opt(u"ActiveConnection", VarType::Variant, Variant::Missing(), false),
         opt(u"CursorType", VarType::Variant, Variant::Missing(), false),
         opt(u"LockType", VarType::Variant, Variant::Missing(), false),
         opt(u"Options", VarType::Variant, Variant::Missing(), false)},
        VarType::Empty,
        [](Object& o, Args& a) {
          auto& rs = static_cast<Recordset&>(o);
          if (a[0].is_missing()) throw VbError(ado_error::kBadArgument, u"Open needs a Source");
          ConnectionPtr conn;
          if (a[1].is_text())
            conn = open_connection(a[1].text(), rs.ctx_);
          else if (!a[1].is_missing())
            conn = connection_of(a[1]);
          else
            conn = rs.conn_;
          rs.open(CStr(a[0]), conn, static_cast<CursorType>(CLng(int_or(a[2], -1))),
                  static_cast<LockType>(CLng(int_or(a[3], -1))));
          return Variant();
        },
        "runs Source on ActiveConnection (cursor type 3 static, lock type 1 read-only)");
    t.method(u"Close", {}, VarType::Empty, [](Object& o, Args&) {
      static_cast<Recordset&>(o).close();
      return Variant();
    });
    t.property_get(u"State", VarType::Long, [](Object& o, Args&) {
      return Variant(int32_t{static_cast<Recordset&>(o).is_open() ? 1 : 0});
    });
    t.property_get(u"RecordCount", VarType::Long, [](Object& o, Args&) {
      return Variant(static_cast<Recordset&>(o).record_count());
    });
    t.property_get(u"EOF", VarType::Boolean,
                   [](Object& o, Args&) { return Variant(static_cast<Recordset&>(o).eof()); });
    t.property_get(u"BOF", VarType::Boolean,
                   [](Object& o, Args&) { return Variant(static_cast<Recordset&>(o).bof()); });
    auto mover = [](void (Recordset::*fn)()) {
      return [fn](Object& o, Args&) {
        (static_cast<Recordset&>(o).*fn)();
        return Variant();
      };
    };
    t.method(u"MoveNext", {}, VarType::Empty, mover(&Recordset::move_next));
    t.method(u"MovePrevious", {}, VarType::Empty, mover(&Recordset::move_previous));
    t.method(u"MoveFirst", {}, VarType::Empty, mover(&Recordset::move_first));
    t.method(u"MoveLast", {}, VarType::Empty, mover(&Recordset::move_last));
    t.method(u"AddNew", {}, VarType::Empty, mover(&Recordset::add_new));
    t.method(u"Update", {}, VarType::Empty, mover(&Recordset::update));
    t.method(u"CancelUpdate", {}, VarType::Empty, mover(&Recordset::cancel_update));
    t.property_get(u"Fields", VarType::Object, [](Object& o, Args&) { return fields_of(o); });
    t.property_get(u"Collect", VarType::Variant,
                   [](Object& o, Args& a) { return collect(o, a[0]); }, {},
                   {val(u"Index", VarType::Variant)});
    t.add(component::Member{u"Collect",
                            CallKind::PropertyPut,
                            {val(u"Index", VarType::Variant), val(u"Value", VarType::Variant)},
                            VarType::Empty,
                            [](Object& o, Args& a) {
                              auto& rs = static_cast<Recordset&>(o);
                              rs.set_field(field_index_of(rs, a[0]), a[1]);
                              return Variant();
                            },
                            "assigns a value to a field of the current row"});
    // rs("Name") reads a field's value; rs() alone is the Fields collection.
    t.property_get(
        u"", VarType::Variant,
        [](Object& o, Args& a) { return a[0].is_missing() ? fields_of(o) : collect(o, a[0]); }, {},
        {opt(u"Index", VarType::Variant, Variant::Missing(), false)});
    t.property_get(u"Source", VarType::String,
                   [](Object& o, Args&) { return Variant(static_cast<Recordset&>(o).source()); });
    t.property_get(u"ActiveConnection", VarType::Variant, [](Object& o, Args&) {
      const auto& c = static_cast<Recordset&>(o).connection();
      return c ? Variant(ObjectPtr(c)) : Variant::Null();
    });
    return t;
  }();
  return kTable;
}

const MemberTable& Connection::members() const {
  static const MemberTable kTable = [] {
    MemberTable t(u"Connection");
    t.method(
        u"Execute",
        {val(u"CommandText", VarType::String), opt(u"RecordsAffected", VarType::Variant),
         opt(u"Options", VarType::Long, Variant(int32_t{-1}), false)},
        VarType::Object,
        [](Object& o, Args& a) {
          auto& c = static_cast<Connection&>(o);
          int64_t affected = -1;
          RecordsetPtr rs = c.execute(a[0].text(), &affected);
          if (!a[1].is_missing()) a[1] = Variant(static_cast<int32_t>(affected));
          return Variant(ObjectPtr(rs));
        },
        "runs a statement; a query's rows come back as a static read-only recordset");
    t.method(u"Open", {opt(u"ConnectionString", VarType::String, Text(), false)}, VarType::Empty,
             [](Object& o, Args& a) {
               static_cast<Connection&>(o).open(a[0].text());
               return Variant();
             });
    t.method(u"Close", {}, VarType::Empty, [](Object& o, Args&) {
      static_cast<Connection&>(o).close();
      return Variant();
    });
    t.property_get(u"State", VarType::Long, [](Object& o, Args&) {
      return Variant(int32_t{static_cast<Connection&>(o).is_open() ? 1 : 0});
    });
    t.property_get(u"ConnectionString", VarType::String,
                   [](Object& o, Args&) { return Variant(static_cast<Connection&>(o).url()); });
    return t;
  }();
  return kTable;
}

void register_classes(component::Registry& r) {
  r.add(component::ClassInfo{
      u"Connection",
      {u"ADODB.Connection"},
      [](const ContextPtr& ctx) -> ObjectPtr { return std::make_shared<Connection>(ctx); },
      nullptr,
      false});
  r.add(component::ClassInfo{
      u"Recordset",
      {u"ADODB.Recordset"},
      [](const ContextPtr& ctx) -> ObjectPtr { return std::make_shared<Recordset>(ctx); },
      nullptr,
      false});
}

}  // namespace orvane::db
