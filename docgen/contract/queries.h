// The SQL texts of the contract, verbatim, as named functions. Keys are appended as the
// host writes them; `filter` is " And " + FiltroOrc or "".
#pragma once

#include "core/text.h"

namespace orvane::docgen::contract_sql {

Text customer(TextView code);
Text contract_record(TextView code);
Text first_vehicle(TextView code);
Text company(TextView code);
Text vehicle(TextView code);
Text post(TextView code);

Text vehicle_cancellation(TextView vehicle);
Text post_cancellation(TextView post);
Text cancellation_receivables(TextView planilha);

Text customer_taxes(TextView customer);
Text unsigned_contract(TextView customer);

Text bonuses(TextView customer);
Text budgets_monthly(TextView customer, TextView filter);
Text budgets_additional_services(TextView customer, TextView filter);

// The customer's vehicles, their services, trackers and the chips billed in batch.
Text customer_vehicles(TextView code);
Text vehicle_services(TextView code);
Text trackers(TextView code);
Text batch_chips(TextView code);

// The contract details.
Text origin_budget(TextView planilha);
Text imported_service_orders(TextView planilha);
Text contacts(TextView code);
Text post_services(TextView code, TextView post);
Text budget_additional_service_notes(TextView code, TextView filter);
Text budget_products(TextView code, TextView filter);
Text head_office_products(TextView code, TextView filter);
Text head_office_services(TextView code, TextView filter, bool head_office);

}  // namespace orvane::docgen::contract_sql
