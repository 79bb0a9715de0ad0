// Single values and aggregates from the database, and null substitution.
#pragma once

#include "component/member_table.h"
#include "core/variant.h"

namespace orvane::funcs {

// NZ: a copy of `dado` when it is not Null; otherwise `caso_null`, or the Integer 0
// when that is Null too. An omitted `caso_null` arrives as the omitted-argument marker
// and comes back as it is. Never fails.
Variant NZ(const Variant& dado, const Variant& caso_null = Variant::Missing());

void add_aggregate_members(component::MemberTable& t);

}  // namespace orvane::funcs
