// The SQL texts of the contract routines that the amendment shares, as named functions.
// `code` is the customer; `filter` is " And " + FiltroOrc (or "") and goes into every query
// of the approved budgets.
#pragma once

#include "core/text.h"

namespace orvane::docgen::contract_sql {

// The customer's equipment.
Text sold_service_order_products(TextView code);
Text lent_service_order_products(TextView code);
Text charged_budget_lines(TextView code, TextView filter);
Text rented_free_budget_lines(TextView code, TextView filter);
Text equipment_balance(TextView code);
Text budget_lines_with_kind(TextView code, TextView filter);
Text charged_services_total(TextView code, TextView filter);
Text budget_totals(TextView code, TextView filter);
Text selected_budgets(TextView code, TextView filter);
Text grouped_budget_services(TextView code, TextView filter);
// The budgets' additional services grouped by service and observation, under `where` (the
// approved budgets of a customer, or one budget).
Text grouped_budget_additional_services(TextView where);
// The condition of the customer's approved budgets (for the query texts that take one).
Text approved_budgets_of(TextView code, TextView filter);

// The customer's additional services.
Text customer_additional_services(TextView code);
Text customer_services_with_notes(TextView code);
Text additional_service_kinds();
// The synthetic first lines of the service lists: the monthly monitoring and, unless a sale,
// the equipment rental (amounts written with a decimal point).
Text monthly_lines(TextView monitoring, TextView rental, bool sale);

// The approved budgets' observations.
Text budgets_observations(TextView customer, TextView filter);
// The customer's cancellation that is not called off (its reason shows in both documents).
Text customer_cancellation(TextView customer);
// A payment condition (CondiçõesPagto) by its code.
Text payment_condition(TextView code);

// The approved budgets' vehicles.
Text budget_vehicles(TextView code, TextView filter);

// The customer's receivables with interest: `fine` and `daily` are percentages written with a
// decimal point. `kind` picks the list: "Fat" billing, "OS" service orders, "" all open.
Text receivables_with_interest(TextView code, TextView fine, TextView daily, TextView kind);

}  // namespace orvane::docgen::contract_sql
