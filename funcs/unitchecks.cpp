#include "funcs/unitchecks.h"

#include <algorithm>
#include <initializer_list>

namespace orvane::funcs {

using component::ref;

namespace {

struct UnitRange {
  int32_t first, last;
};

bool in_units(int32_t cod, std::initializer_list<UnitRange> units) {
  return std::any_of(units.begin(), units.end(),
                     [cod](const UnitRange& r) { return cod >= r.first && cod <= r.last; });
}

}  // namespace

bool TestaBrelis(int32_t cod) {
  return in_units(cod, {{740, 743},
                        {749, 751},
                        {1260, 1260},
                        {1335, 1335},
                        {1379, 1379},
                        {1388, 1388},
                        {1406, 1406},
                        {1697, 1697},
                        {1784, 1785}});
}

bool TestaDortam(int32_t cod) { return in_units(cod, {{616, 616}, {811, 811}, {1258, 1258}}); }

bool TestaQuenzo(int32_t cod) {
  return in_units(
      cod, {{634, 634}, {691, 694}, {753, 753}, {755, 755}, {829, 829}, {832, 832}, {910, 910}});
}

Text DecripSenha(TextView texto) {
  Text out;
  out.reserve(texto.size());
  for (char16_t c : texto) {
    // A character the code page lacks reads as "?", as the host's Asc gives it.
    int code = vb::Asc(TextView(&c, 1));
    if (code < kPasswordShift) return Text();
    out += vb::Chr(code - kPasswordShift);
  }
  return out;
}

void add_unitchecks_members(component::MemberTable& t) {
  auto check = [&t](const char16_t* name, bool (*fn)(int32_t)) {
    t.method(
        name, {ref(u"CodUnidade", VarType::Long)}, VarType::Boolean,
        [fn](Object&, component::Args& a) { return Variant(fn(a[0].lng())); },
        "True for the customer's units");
  };
  check(u"TestaBrelis", TestaBrelis);
  check(u"TestaDortam", TestaDortam);
  check(u"TestaQuenzo", TestaQuenzo);
  t.method(
      u"DecripSenha", {ref(u"Texto", VarType::String)}, VarType::String,
      [](Object&, component::Args& a) { return Variant(DecripSenha(a[0].text())); },
      "a stored password back in plain text (\"\" when it cannot be decoded)");
}

}  // namespace orvane::funcs
