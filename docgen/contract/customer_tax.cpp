#include "docgen/contract/customer_tax.h"

#include "core/convert.h"
#include "docgen/contract/queries.h"
#include "docgen/frame/values.h"
#include "funcs/aggregates.h"
#include "funcs/rounding.h"
#include "funcs/textclean.h"
#include "platform/db/db.h"

namespace orvane::docgen {
namespace {

// A base as the host keeps it: a text whose "," is the decimal point.
double base_of(const Variant& base) { return Val(vb::Replace(key_text(base), u",", u".")); }

bool company_setting_on(const Variant& conn, int32_t entity, int32_t company) {
  return setting_number(funcs::Dlookup(conn, u"Codigo", u"DadosEntidades",
                                       u"CodEntidade=" + CStr(Variant(entity)) + u" And Descreve=" +
                                           CStr(Variant(company)))) != 0;
}

bool iss_withheld(const Variant& conn, int32_t company, const db::Recordset& c) {
  if (!is_set(c.field(u"DISS"))) return false;
  Variant number = c.field(u"CGCCPF");
  const bool individual = funcs::LimpaLetra(number).size() < 12;
  const bool keeps = is_set(c.field(u"ManterISS"));
  const IssWithholdingSettings& s = kIssWithholding;
  const int32_t entity = individual ? (keeps ? s.individual_keeping : s.individual)
                                    : (keeps ? s.company_keeping : s.company);
  return company_setting_on(conn, entity, company);
}

}  // namespace

Currency customer_net_value(const Variant& conn, int32_t cod_empresa, int32_t cod_cliente) {
  db::RecordsetPtr c =
      db::open_recordset(conn, contract_sql::customer_taxes(CStr(Variant(cod_cliente))),
                         db::CursorType::Static, db::LockType::ReadOnly);
  if (c->eof()) return Currency();
  auto amount = [&](const char* base, const char* rate) {
    return base_of(c->field(T(base))) * number_or_zero(c->field(T(rate))) / 100;
  };
  double withheld = 0;
  if (iss_withheld(conn, cod_empresa, *c)) {
    double iss = amount("BaseISS", "ISS");
    withheld += funcs::RoundISSQN(conn, cod_empresa, iss).to_double();
  }
  if (is_set(c->field(u"DINSS")))
    withheld += funcs::RoundTruncado(amount("BaseINSS", "INSS")).to_double();
  if (is_set(c->field(u"DIRPF"))) withheld += Round(amount("BaseIRPF", "IRPF"), 2);
  if (is_set(c->field(u"DPIS"))) withheld += Round(amount("BasePIS", "PIS"), 2);
  if (is_set(c->field(u"DCOFINS"))) withheld += Round(amount("BaseCOFINS", "COFINS"), 2);
  if (is_set(c->field(u"DCSLL"))) withheld += Round(amount("BaseCSLL", "CSLL"), 2);
  return money_or_zero(c->field(u"ValorNF")) - Currency::from_double(Round(withheld, 2));
}

}  // namespace orvane::docgen
