#include "docgen/service_order/payment_terms.h"

#include <vector>

#include "core/convert.h"
#include "core/format.h"
#include "docgen/frame/values.h"
#include "funcs/aggregates.h"

namespace orvane::docgen::service_order {

Variant payment_condition(const Variant& conn, const db::Recordset& order, const Variant& budget) {
  const Variant& own = order.field(T("FechamentoCondiçãoPagto"));
  if (!own.is_null()) return own;
  if (budget.is_null()) return Variant::Null();
  return funcs::Dlookup(conn, T("CondiçãoPagto"), T("Orçamentos"),
                        T("Planílha=") + key_text(budget));
}

void add_payment_terms(ListLines& list, const db::Recordset& condition, Currency amount,
                       Date base) {
  std::vector<double> days;
  for (int i = 1; i <= 12; ++i) {
    const Variant& d = condition.field(u"Data" + CStr(Variant(int32_t{i})));
    if (!d.is_null()) days.push_back(number_or_zero(d));
  }
  if (days.empty()) return;
  const Text entrada = key_text(condition.field(u"Entrada"));
  const bool down_payment = entrada == u"S" || entrada == u"E";

  const auto n = static_cast<int64_t>(days.size());
  // Whole cents per installment; the last one takes what the division leaves.
  const int64_t cents = amount.raw() / 100;
  const int64_t each = cents / n;
  for (int64_t i = 0; i < n; ++i) {
    const int64_t part = i + 1 < n ? each : cents - each * (n - 1);
    Text line = i == 0 ? (down_payment ? Text(u"ENTRADA ") : Text(u"SEM ENTRADA ")) : Text();
    line += days[i] == 0 ? Text(u"A VISTA")
                         : formatted(Variant(DateAdd("d", days[i], base)), u"dd/mm/yyyy");
    line += u"\t" + key_text(Format(Variant(Currency::from_raw(part * 100)), u"Currency"));
    list.add(std::move(line));
  }
  const double juro = number_or_zero(condition.field(T("JuroDiário")));
  if (juro > 0) {
    list.add(u"JUROS DE " + key_text(Format(Variant(juro), u"0.000")) +
             T("% AO DIA APÓS O VENCIMENTO"));
  }
}

}  // namespace orvane::docgen::service_order
