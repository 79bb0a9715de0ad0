// What the amendment shows of the contract it changes, read by the contract's own routines:
// the vehicle, the payment marks, the values, the people, the customer's equipment and
// services, the approved budgets' vehicles, and the contract's tables.
#include "core/convert.h"
#include "docgen/amendment/data_pass.h"
#include "docgen/frame/values.h"
#include "docgen/shared/budget_vehicles.h"
#include "docgen/shared/contract_equipment.h"
#include "docgen/shared/contract_lists.h"
#include "docgen/shared/contract_queries.h"
#include "docgen/shared/contract_services.h"
#include "docgen/shared/contract_values.h"
#include "docgen/shared/contract_vehicle.h"
#include "docgen/shared/receivables.h"

namespace orvane::docgen::amendment {
namespace {

// The amendment names the channels more shortly than the contract ("Rádio", not "Via
// Rádio").
const ChannelWords& amendment_channel_words() {
  static const ChannelWords k{u"Telefone", T("Rádio"), u"GPRS", u"Internet/IP", T("Satélite")};
  return k;
}

}  // namespace

void contract_placeholders_routine(DataPass& p, int32_t balance_company) {
  const ContractKeys k = p.contract_keys();
  PlaceholderTable& t = p.d.table;
  ListSet& lists = p.d.lists;
  declare_equipment_lists(lists);
  declare_service_lists(lists);
  lists.declare(budget_vehicle_lists());

  // The vehicle the amendment shows is the customer's first, with the tracker and chip its
  // record names.
  add_vehicle_placeholders(k, *p.vehicle, devices_of_record(*p.vehicle), t);
  add_payment_marks(k, *p.cli, t);
  add_contract_values(k, *p.cli, *p.contract, p.keys.data_contrato, amendment_channel_words(), t);
  add_people_placeholders(k, *p.cli, t);
  db::RecordsetPtr cancellation = p.read(contract_sql::customer_cancellation(p.customer));
  t.add(u"vMotivoCancelamento", Variant(key_text(field_or_null(*cancellation, u"MotCanc"))));

  // The balance belongs to the stock company when the unit reconciles stock.
  ContractKeys balance = k;
  balance.company = balance_company;
  installed_equipment_routine(balance, lists);
  const Currency sale_total = equipment_with_kind_routine(k, lists, t);
  sale_installments_routine(k, key_text(field_or_null(*p.cli, T("OrçamentoOrigem"))), sale_total,
                            t);
  customer_services_routine(k, *p.cli, lists, t);
  // The additional services of the originating budget only.
  budget_additional_services_routine(k, T("OrçamentosServiçosAdicionais.Planílha=") + p.budget_key,
                                     lists);
  budget_vehicles_routine(k, lists, t);

  // The contract's tables the amendment shows.
  p.d.tables.push_back(equipment_kind_table_content(k));
  for (TableContent& table : customer_service_tables(k, *p.cli)) {
    p.d.tables.push_back(std::move(table));
  }
  for (TableContent& table : receivable_tables_content(k, interest_rates(k))) {
    if (table.placeholder == u"vListaDuplicatas") p.d.tables.push_back(std::move(table));
  }
}

}  // namespace orvane::docgen::amendment
