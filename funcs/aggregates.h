// Single values and aggregates from the database, and null substitution.
#pragma once

#include "component/member_table.h"
#include "core/variant.h"

namespace orvane::funcs {

// NZ: a copy of `dado` when it is not Null; otherwise `caso_null`, or the Integer 0
// when that is Null too. An omitted `caso_null` arrives as the omitted-argument marker
// and comes back as it is. Never fails.
Variant NZ(const Variant& dado, const Variant& caso_null = Variant::Missing());

// Dlookup: the first row's field 0 of "Select Top 1 CAMPO [From TABELA [With (NoLock) ]]
// [Where FILTRO]" on the connection (a Variant holding the host's Connection object);
// Null on any failure. Never raises.
Variant Dlookup(const Variant& conn, TextView campo, TextView tabela, TextView filtro = u"");
// Aggregates: field 0 of "Select Min(CAMPO) From TABELA ..."; the Integer 0 on any
// failure; the database's own answer (Null for an empty Min/Max/Sum/Avg) otherwise.
Variant DMin(const Variant& conn, TextView campo, TextView tabela, TextView filtro = u"");
Variant DMax(const Variant& conn, TextView campo, TextView tabela, TextView filtro = u"");
Variant DSum(const Variant& conn, TextView campo, TextView tabela, TextView filtro = u"");
Variant DAvg(const Variant& conn, TextView campo, TextView tabela, TextView filtro = u"");
Variant DCount(const Variant& conn, TextView campo, TextView tabela, TextView filtro = u"");

// The SQL texts the lookups run ("Min", "Max", "Sum", "Avg" or "Count" for `fn`).
Text dlookup_sql(TextView campo, TextView tabela, TextView filtro);
Text aggregate_sql(TextView fn, TextView campo, TextView tabela, TextView filtro);

void add_aggregate_members(component::MemberTable& t);

}  // namespace orvane::funcs
