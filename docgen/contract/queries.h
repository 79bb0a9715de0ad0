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

Text customer_cancellation(TextView customer);
Text vehicle_cancellation(TextView vehicle);
Text post_cancellation(TextView post);
Text cancellation_receivables(TextView planilha);

Text customer_taxes(TextView customer);
Text unsigned_contract(TextView customer);

Text bonuses(TextView customer);
Text budgets_monthly(TextView customer, TextView filter);
Text budgets_additional_services(TextView customer, TextView filter);
Text budgets_observations(TextView customer, TextView filter);

}  // namespace orvane::docgen::contract_sql
