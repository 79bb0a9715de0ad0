#include "docgen/gera_docs_orvane.h"

#include "docgen/amendment/amendment.h"
#include "docgen/budget/budget.h"
#include "docgen/contract/contract.h"
#include "docgen/frame/substitution.h"
#include "docgen/service_order/service_order.h"
#include "docgen/trip_sheet/trip_sheet.h"

namespace orvane::docgen {

using component::Args;
using component::ref;

GeraDocsOrvane::GeraDocsOrvane(ContextPtr ctx) : ctx_(ctx ? std::move(ctx) : default_context()) {}

const ContextPtr& context_of(Object& self) {
  return static_cast<GeraDocsOrvane&>(self).context_ptr();
}

const component::MemberTable& GeraDocsOrvane::table() {
  static const component::MemberTable kTable = [] {
    component::MemberTable t(u"GeraDocsOrvane");
    add_trip_sheet_members(t);
    add_service_order_members(t);
    add_budget_members(t);
    add_contract_members(t);
    add_amendment_members(t);
    t.method(
        u"DocWordSubstLista",
        {ref(u"DocWord", VarType::Variant), ref(T("Variável"), VarType::Variant),
         ref(u"Contador", VarType::Long), ref(u"Lista", VarType::Variant)},
        VarType::Empty,
        [](Object&, Args& a) {
          DocWordSubstLista(a[0], a[1], a[2], a[3]);
          return Variant();
        },
        "types the lines 1..Contador of Lista as paragraphs where Variável stands in Word");
    return t;
  }();
  return kTable;
}

}  // namespace orvane::docgen
