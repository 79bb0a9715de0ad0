#include "docgen/gera_docs_orvane.h"

#include "docgen/substitution.h"
#include "docgen/trip_sheet.h"

namespace orvane::docgen {

using component::Args;
using component::ref;

GeraDocsOrvane::GeraDocsOrvane(ContextPtr ctx) : ctx_(ctx ? std::move(ctx) : default_context()) {}

const component::MemberTable& GeraDocsOrvane::table() {
  static const component::MemberTable kTable = [] {
    component::MemberTable t(u"GeraDocsOrvane");
    t.method(
        u"GeraDeslocamentoViatura",
        {ref(u"Connorvane", VarType::Variant), ref(u"CodUnidade", VarType::Long),
         ref(u"CodEmpresa", VarType::Long), ref(u"CodDesloca", VarType::Long),
         ref(u"Layout", VarType::String), ref(u"Visualiza", VarType::Boolean),
         ref(T("Cópias"), VarType::Integer)},
        VarType::String,
        [](Object& self, Args& a) {
          auto& me = static_cast<GeraDocsOrvane&>(self);
          Text layout = a[4].text();
          Text result = GeraDeslocamentoViatura(me.context_ptr(), a[0], a[1].lng(), a[2].lng(),
                                                a[3].lng(), layout, a[5].boolean(), a[6].integer());
          a[4] = Variant(std::move(layout));
          return Variant(std::move(result));
        },
        "the vehicle trip sheet as PDF (or .doc); Layout is written back with its path");
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
