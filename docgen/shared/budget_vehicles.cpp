#include "docgen/shared/budget_vehicles.h"

#include "core/convert.h"
#include "core/format.h"
#include "docgen/frame/values.h"
#include "docgen/shared/contract_lists.h"
#include "docgen/shared/contract_queries.h"

namespace orvane::docgen {

void budget_vehicles_routine(const ContractKeys& k, ListSet& lists, PlaceholderTable& table) {
  lists.declare(budget_vehicle_lists());
  db::RecordsetPtr rs =
      k.open(contract_sql::budget_vehicles(k.customer_text(), k.and_budget_filter()));
  build_lists(*rs, budget_vehicle_lists(), lists,
              ListContext{.conn = k.conn, .ctx = k.ctx, .unit = k.unit});
  Text plates;
  Currency total;
  if (rs->record_count() > 0) {
    for (rs->move_first(); !rs->eof(); rs->move_next()) {
      plates += (plates.empty() ? u"" : u", ") + key_text(rs->field(u"Placa"));
      total = total + money_or_zero(rs->field(T("ValorVeículo")));
    }
  }
  table.add(u"vPlacasOrc", Variant(plates));
  table.add(u"vVeiTot", Variant(CStr(Format(Variant(total), u"#,##0.00"))));
  table.add(u"vExtensoVeiTot", Variant(in_words(*k.ctx, Variant(total))));
}

}  // namespace orvane::docgen
