#include "funcs/aggregates.h"

#include "platform/db/db.h"

namespace orvane::funcs {

using component::opt;
using component::ref;

namespace {

// A table name alone gets the no-lock hint; an alias, a join or a list does not. The
// test for "Join" is case-sensitive on purpose: that is how the texts are built.
bool takes_hint(TextView tabela) {
  return tabela.find(u' ') == TextView::npos && tabela.find(u"Join") == TextView::npos &&
         tabela.find(u',') == TextView::npos;
}

// Field 0 of the first row the text returns, through the host's connection. Our own
// connections answer directly; any other connection object is driven late-bound.
Variant first_value(const Variant& conn, TextView sql) {
  const ObjectPtr& o = as_object(conn);
  if (auto c = std::dynamic_pointer_cast<db::Connection>(o)) return c->first_value(sql);
  Variant rs = call(o, u"Execute", {Text(sql), Variant::Missing(), Variant(int32_t{-1})});
  Variant fields = get(as_object(rs), u"Fields");
  Variant field = get(as_object(fields), u"Item", {Variant(int32_t{0})});
  return get(as_object(field), u"Value");
}

Variant aggregate(TextView fn, const Variant& conn, TextView campo, TextView tabela,
                  TextView filtro) {
  Variant result(int16_t{0});
  resume_next([&] { result = first_value(conn, aggregate_sql(fn, campo, tabela, filtro)); });
  return result;
}

}  // namespace

Variant NZ(const Variant& dado, const Variant& caso_null) {
  if (!dado.is_null()) return dado;
  if (caso_null.is_null()) return Variant(int16_t{0});
  return caso_null;
}

Text dlookup_sql(TextView campo, TextView tabela, TextView filtro) {
  Text sql = u"Select Top 1 " + Text(campo);
  if (!tabela.empty()) {
    sql += u" From " + Text(tabela);
    if (takes_hint(tabela)) sql += u" With (NoLock) ";
  }
  if (!filtro.empty()) sql += u" Where " + Text(filtro);
  return sql;
}

Text aggregate_sql(TextView fn, TextView campo, TextView tabela, TextView filtro) {
  Text sql = u"Select " + Text(fn) + u"(" + Text(campo) + u") From " + Text(tabela);
  if (takes_hint(tabela)) sql += u" With (NoLock) ";
  if (!filtro.empty()) sql += u" Where " + Text(filtro);
  return sql;
}

Variant Dlookup(const Variant& conn, TextView campo, TextView tabela, TextView filtro) {
  Variant result = Variant::Null();
  resume_next([&] { result = first_value(conn, dlookup_sql(campo, tabela, filtro)); });
  return result;
}

Variant DMin(const Variant& conn, TextView campo, TextView tabela, TextView filtro) {
  return aggregate(u"Min", conn, campo, tabela, filtro);
}
Variant DMax(const Variant& conn, TextView campo, TextView tabela, TextView filtro) {
  return aggregate(u"Max", conn, campo, tabela, filtro);
}
Variant DSum(const Variant& conn, TextView campo, TextView tabela, TextView filtro) {
  return aggregate(u"Sum", conn, campo, tabela, filtro);
}
Variant DAvg(const Variant& conn, TextView campo, TextView tabela, TextView filtro) {
  return aggregate(u"Avg", conn, campo, tabela, filtro);
}
Variant DCount(const Variant& conn, TextView campo, TextView tabela, TextView filtro) {
  return aggregate(u"Count", conn, campo, tabela, filtro);
}

void add_aggregate_members(component::MemberTable& t) {
  using Fn = Variant (*)(const Variant&, TextView, TextView, TextView);
  auto lookup = [&t](const char16_t* name, Fn fn, const char* doc) {
    t.method(
        name,
        {ref(u"Connorvane", VarType::Variant), ref(u"Campo", VarType::String),
         ref(u"Tabela", VarType::String), opt(u"Filtro", VarType::String, Text())},
        VarType::Variant,
        [fn](Object&, component::Args& a) {
          return fn(a[0], a[1].text(), a[2].text(), a[3].text());
        },
        doc);
  };
  lookup(u"Dlookup", &Dlookup,
         "the first row's value of Campo in Tabela under Filtro; Null on any failure");
  lookup(u"DMin", &DMin, "Min(Campo) over Tabela under Filtro; Integer 0 on any failure");
  lookup(u"DMax", &DMax, "Max(Campo) over Tabela under Filtro; Integer 0 on any failure");
  lookup(u"DSum", &DSum, "Sum(Campo) over Tabela under Filtro; Integer 0 on any failure");
  lookup(u"DAvg", &DAvg, "Avg(Campo) over Tabela under Filtro; Integer 0 on any failure");
  lookup(u"DCount", &DCount, "Count(Campo) over Tabela under Filtro; Integer 0 on any failure");
  t.method(
      u"NZ", {ref(u"Dado", VarType::Variant), opt(u"CasoNull", VarType::Variant)}, VarType::Variant,
      [](Object&, component::Args& a) { return NZ(a[0], a[1]); },
      "Dado unless it is Null; else CasoNull (Integer 0 when that is Null too)");
}

}  // namespace orvane::funcs
