#include "funcs/aggregates.h"

namespace orvane::funcs {

using component::opt;
using component::ref;

Variant NZ(const Variant& dado, const Variant& caso_null) {
  if (!dado.is_null()) return dado;
  if (caso_null.is_null()) return Variant(int16_t{0});
  return caso_null;
}

void add_aggregate_members(component::MemberTable& t) {
  t.method(
      u"NZ", {ref(u"Dado", VarType::Variant), opt(u"CasoNull", VarType::Variant)}, VarType::Variant,
      [](Object&, component::Args& a) { return NZ(a[0], a[1]); },
      "Dado unless it is Null; else CasoNull (Integer 0 when that is Null too)");
}

}  // namespace orvane::funcs
