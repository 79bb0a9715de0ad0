// The customer's open receivables with the interest they carry today: the fine of setting 85
// and the daily interest of setting 18 ("MoraDia"), both percentages that the host types in
// the Brazilian form ("0,033" is 0.033 % a day). "Today" is the database's GetDate(), the
// call's clock.
#pragma once

#include <vector>

#include "core/numbers.h"
#include "docgen/frame/placeholder_table.h"
#include "docgen/frame/tables.h"
#include "docgen/shared/contract_keys.h"

namespace orvane::docgen {

// The unit's fine and daily interest, read as numbers.
struct InterestRates {
  double fine = 0;   // % of the balance, once
  double daily = 0;  // % of the balance a day
};
InterestRates interest_rates(const ContractKeys& k);

// A number as the SQL texts take it: a decimal point, no thousands separator.
Text sql_number(double value);

// vListaDuplicatasFaturamento (overdue billing), vListaDuplicatasOS (overdue service orders),
// vListaDuplicatas (all open, interest only once past due): "Duplicata", "Parcela",
// "Vencimento", "Valor Original", "Valor com Juros", and a "Total: " row.
std::vector<TableContent> receivable_tables_content(const ContractKeys& k,
                                                    const InterestRates& rates);

// vVlrDuplicatasOriginal, vVlrDuplicatasJuros ("Currency") and vExtDuplicatasOriginal,
// vExtDuplicatasJuros: the totals of every open receivable.
void add_receivable_totals(const ContractKeys& k, const InterestRates& rates,
                           PlaceholderTable& table);

}  // namespace orvane::docgen
