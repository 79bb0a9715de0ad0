// The SQL texts of the contract amendment, as the host writes them. Keys are passed as the
// text they are joined with (a customer code, an amendment's CodInterno, a budget's
// Planílha).
#pragma once

#include "core/text.h"

namespace orvane::docgen::amendment_sql {

// ---- records ---------------------------------------------------------------------------
Text customer(TextView cod_cliente);
Text contract(TextView cod_cliente);
Text first_vehicle(TextView cod_cliente);
// The amendment when it is not cancelled.
Text amendment(TextView cod_cliente, TextView num_aditivo);
// The company of the customer (the contract's query of Empresas).
Text company(TextView cod_empresa);
Text post(TextView cod_posto);
// The post's current services (those without an end date or ending later).
Text post_services(TextView cod_posto);

// ---- amendment placeholders --------------------------------------------------------------
// The old value, the new value and the new tracking value of the amendment.
Text new_tracking_value(TextView cod_aditivo);
Text originating_budget(TextView planilha);
// Looked up over the budget's vehicles (OrçamentosVeículos, summed) and on the budget
// itself (Orçamentos): what its vehicles add to the monthly value.
Text budget_vehicles_value();
Text budget_vehicle_totals();
Text excluded_services(TextView cod_cliente);
Text vehicle_service_changes(TextView cod_aditivo);

// ---- services before and after -------------------------------------------------------------
// The customer's services with the two rows of the monthly value ("," already turned into
// ".") and, unless the customer buys, of the loan.
Text current_services(TextView cod_cliente, TextView monthly, bool with_loan_row, TextView loan);
Text amendment_services(TextView cod_aditivo);
Text history(TextView cod_aditivo);
Text history_services(TextView cod_historico);

// ---- products and vehicles of the originating budget ---------------------------------------
Text added_products(TextView planilha);
Text added_services(TextView planilha);
Text withdrawn_products(TextView planilha);
Text added_vehicles(TextView planilha);
Text removed_vehicles(TextView planilha);
Text registered_vehicle(TextView cod_veiculo);
Text active_vehicles(TextView cod_cliente);
// Filter (for a lookup in VeículosCancelamento) of a vehicle's confirmed cancellation.
Text confirmed_vehicle_cancellation(TextView cod_veiculo);

// ---- Word tables --------------------------------------------------------------------------
Text additional_services_of_vehicles(TextView cod_cliente);
Text vehicles_with_additional_services(TextView cod_cliente);
Text approved_budget_vehicles(TextView cod_cliente);

}  // namespace orvane::docgen::amendment_sql
