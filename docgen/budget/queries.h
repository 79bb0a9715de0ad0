// The SQL texts of the budget, as the generator sends them (SQL Server's dialect; the keys
// are spliced in as the host writes them).
#pragma once

#include "core/text.h"

namespace orvane::docgen::budget {

// The records and their prefixes.
Text budget_sql(TextView planilha);   // "Orc."
Text customer_sql(TextView cliente);  // "Cli."
Text company_sql(TextView empresa);   // "Emp."

// Product lines: the groups (their count decides grouping), the lines with the real unit
// price (`sale`: Modalidade "V"), and equal products added up.
Text product_groups_sql(TextView planilha);
Text product_lines_sql(TextView planilha, bool sale);
Text unified_products_sql(TextView planilha);
Text withdrawn_products_sql(TextView planilha);

// Vehicles: the budget's rows, then each vehicle with its tracking value.
Text budget_vehicles_sql(TextView planilha);
Text vehicle_sql(TextView cod_veiculo);

Text additional_services_sql(TextView planilha);
Text service_groups_sql(TextView planilha);
Text service_lines_sql(TextView planilha);

// Totals, contacts and taxes.
Text loyalty_tables_sql(TextView planilha, bool rental);
Text additional_service_kinds_sql();
Text additional_service_of_kind_sql(TextView kind, TextView planilha);
// The company's tax rates.
Text company_taxes_sql(TextView empresa);
// ICMS base: the table expression and the filter of the DSum.
Text icms_base_tables();
Text icms_base_filter(TextView planilha, bool sale);

// The photo tables: the groups in order of their first line, and one group's lines.
Text photo_groups_sql(TextView planilha);
Text photo_lines_sql(TextView planilha, TextView group);

}  // namespace orvane::docgen::budget
