// The services of a contract: the customer's additional services (the placeholders of each
// kind, the service lists after the monthly lines, their tables) and the services and
// additional services of the approved budgets.
#pragma once

#include <vector>

#include "core/numbers.h"
#include "docgen/frame/lists.h"
#include "docgen/frame/placeholder_table.h"
#include "docgen/frame/tables.h"
#include "docgen/shared/contract_keys.h"
#include "platform/db/db.h"

namespace orvane::docgen {

// Every list of this file, declared in `lists`.
void declare_service_lists(ListSet& lists);

// The customer's monthly monitoring (ValorNF + ValorME - ValorComodato - the additional
// services) and rental (ValorComodato), the two first lines of the service lists.
struct MonthlyLines {
  Currency monitoring, rental;
  bool sale = false;  // a customer who bought the equipment has no rental line
};
MonthlyLines monthly_lines_of(const ContractKeys& k, const db::Recordset& customer);
// The monthly lines as a recordset (Descrição, Quantidade, Unitário, Total).
db::RecordsetPtr monthly_lines_recordset(const ContractKeys& k, const MonthlyLines& m);

// The customer's additional services: for each kind of ServiçosAdicionais (highest code
// first) vServAD + code ("R$ " + "#,##0.00"; when 0 "0,00" for TestaBrelis units that have
// the service and "Não Contratado" otherwise), vServQtAD, vServADUnit, vServExtAD, vServSN
// + code; vServComodato; vAdicionais and vExtensoAdicionais; vServAdConcatenado; the lists
// vServAdLista (the names joined with ", ") and vListaServADCadastro ... 4 (after the
// monthly lines).
void customer_services_routine(const ContractKeys& k, const db::Recordset& customer, ListSet& lists,
                               PlaceholderTable& table);

// vTabelaServADCadastro and vServADTabelaOrdem (monthly lines, then the services) and
// vServADTabelaQuantObs (the services with their notes).
std::vector<TableContent> customer_service_tables(const ContractKeys& k,
                                                  const db::Recordset& customer);

// The approved budgets' services grouped by service (vOrcServiços ... 3).
void grouped_services_routine(const ContractKeys& k, ListSet& lists);

// The budgets' additional services under `where` (the approved budgets of the customer, or
// one budget), grouped by service and observation: vOrcServAd ... , vServADDesc,
// vServADDescObs.
void budget_additional_services_routine(const ContractKeys& k, TextView where, ListSet& lists);

// Rows of `from` appended to the one block of `into` (tables built from two recordsets).
void append_rows(TableContent& into, TableContent from);

}  // namespace orvane::docgen
