// The SQL texts of the service order, each as the host writes it: literal pieces joined
// with the keys, no parameters. A key is the text the host language makes of the value
// (Null as ""), so a missing key gives an incomplete statement where the host's would.
#pragma once

#include "core/text.h"

namespace orvane::docgen::service_order {

// Main records.
Text order_sql(TextView planilha);
Text customer_sql(TextView cliente);
Text company_sql(TextView empresa);

// Computed placeholders.
Text latest_visit_sql(TextView planilha);
Text order_vehicle_lines_sql(TextView planilha);  // plates and models
Text order_vehicle_sql(TextView cod_veiculo);     // the order's own vehicle (GRVeículos)
// The first tracker and the first chip of a registered vehicle.
Text first_tracker_sql(TextView vehicle);
Text first_chip_sql(TextView vehicle);

// Lists.
Text auxiliary_technicians_sql(TextView planilha);
Text visits_sql(TextView planilha);
Text customer_services_sql(TextView cliente);
Text services_sql(TextView planilha);
// The order's products, sorted as OrdemProdutos says (0 entry order, 1 description,
// 2 product code).
Text products_sql(TextView planilha, int32_t ordem_produtos);
Text products_to_remove_sql(TextView planilha);
// The monitoring account's users, contacts and zones; `chave` "" for every account of the
// customer.
Text accesses_sql(TextView cliente, TextView chave);
Text contacts_sql(TextView cliente, TextView chave);
Text zones_sql(TextView cliente, TextView chave);
Text order_vehicles_sql(TextView planilha);
Text vehicle_trackers_sql(TextView order_vehicle);
Text vehicle_chips_sql(TextView order_vehicle);
Text vehicles_to_remove_sql(TextView planilha);
Text payment_condition_sql(TextView condicao);
Text budget_services_sql(TextView orcamento);
Text budget_services_with_names_sql(TextView orcamento);
Text checklist_sql(TextView cod_checklist);
Text installed_products_sql(TextView cliente);
Text customer_chips_sql(TextView cliente);

// Tables.
Text vehicles_table_sql(TextView cliente, TextView planilha);
Text previous_orders_sql(TextView cliente, TextView cod_interno);           // vOSsAnteriores
Text previous_orders_short_sql(TextView cliente, TextView cod_interno);     // vOSsAnteriores2
Text previous_orders_detailed_sql(TextView cliente, TextView cod_interno);  // vOSsAnteriores4
// vOSsAnteriores3: the first, restricted to the monitoring account and partition when the
// order has one (`central` not "").
Text previous_orders_of_account_sql(TextView cliente, TextView cod_interno, TextView central,
                                    TextView particao);

}  // namespace orvane::docgen::service_order
