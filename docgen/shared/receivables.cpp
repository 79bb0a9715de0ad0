#include "docgen/shared/receivables.h"

#include <sstream>

#include "core/convert.h"
#include "core/format.h"
#include "docgen/frame/values.h"
#include "docgen/shared/contract_lists.h"
#include "docgen/shared/contract_queries.h"
#include "funcs/aggregates.h"

namespace orvane::docgen {
namespace {

// Fine on overdue receivables (Codigo), and the daily interest (Descreve of the row whose
// Codigo is "MoraDia").
constexpr int32_t kFineSetting = 85;
constexpr int32_t kDailyInterestSetting = 18;

// A percentage as the host types it ("0,033"); anything else counts 0.
double typed_percentage(const Variant& v) {
  const auto n = parse_locale_number(vb::Trim(key_text(v)));
  return n ? *n : 0.0;
}

Text query(const ContractKeys& k, const InterestRates& r, TextView kind) {
  return contract_sql::receivables_with_interest(k.customer_text(), sql_number(r.fine),
                                                 sql_number(r.daily), kind);
}

}  // namespace

InterestRates interest_rates(const ContractKeys& k) {
  InterestRates r;
  r.fine = typed_percentage(unit_setting(k.conn, kFineSetting, k.unit, u"Codigo"));
  r.daily = typed_percentage(funcs::Dlookup(k.conn, u"Descreve", u"DadosEntidades",
                                            u"CodEntidade=" + CStr(Variant(kDailyInterestSetting)) +
                                                u" And Codigo='MoraDia' And Unidade=" +
                                                CStr(Variant(k.unit))));
  return r;
}

Text sql_number(double value) {
  std::ostringstream s;
  s.imbue(std::locale::classic());
  s.precision(15);
  s << value;
  return from_utf8(s.str());
}

std::vector<TableContent> receivable_tables_content(const ContractKeys& k,
                                                    const InterestRates& rates) {
  const ListContext context{.conn = k.conn, .ctx = k.ctx, .unit = k.unit};
  const std::vector<TableLayout>& layouts = receivable_tables();
  std::vector<TableContent> out;
  const TextView kinds[] = {u"Fat", u"OS", u""};
  for (size_t i = 0; i < layouts.size(); ++i) {
    out.push_back(build_table(*k.open(query(k, rates, kinds[i])), layouts[i], context));
  }
  return out;
}

void add_receivable_totals(const ContractKeys& k, const InterestRates& rates,
                           PlaceholderTable& table) {
  db::RecordsetPtr rs = k.open(query(k, rates, u""));
  Currency original, with_interest;
  for (; !rs->eof(); rs->move_next()) {
    original = original + money_or_zero(rs->field(u"Saldo"));
    with_interest = with_interest + money_or_zero(rs->field(u"ValorJuros"));
  }
  table.add(u"vVlrDuplicatasOriginal", Variant(CStr(Format(Variant(original), u"Currency"))));
  table.add(u"vVlrDuplicatasJuros", Variant(CStr(Format(Variant(with_interest), u"Currency"))));
  table.add(u"vExtDuplicatasOriginal", Variant(in_words(*k.ctx, Variant(original))));
  table.add(u"vExtDuplicatasJuros", Variant(in_words(*k.ctx, Variant(with_interest))));
}

}  // namespace orvane::docgen
