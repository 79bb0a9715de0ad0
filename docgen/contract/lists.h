// The contract's own list and table declarations (those the amendment shares are in
// docgen/shared/contract_lists.h), and the order the Word variant types its lists in.
#pragma once

#include <vector>

#include "core/text.h"
#include "docgen/frame/lists.h"
#include "docgen/frame/tables.h"

namespace orvane::docgen {

// vCancListaProporcional, vCancListaMulta: the cancellation's receivables, one line per
// receivable: number "000000" + "/" + Letra, Vencimento, ValorDuplicata ("Currency").
const std::vector<ListLayout>& cancellation_receivable_lists();

// The customer's active vehicles: vVeiculos ... 4, vVeiculosCliPlaValor; their services
// (vVeiculosServ); their trackers (vListaRastChip, vListaRastChip2); the chips billed in batch
// (vListaChip).
const std::vector<ListLayout>& customer_vehicle_lists();
const std::vector<ListLayout>& vehicle_service_lists();
const std::vector<ListLayout>& tracker_lists();
const std::vector<ListLayout>& chip_lists();

// The contract details' tables.
const TableLayout& vehicles_table();           // vTabelaVeiculos
const TableLayout& contacts_table();           // vTabelaContatos
const TableLayout& customer_services_table();  // vTabelaServAD
const TableLayout& post_services_table();      // vPostosServiçosTabela
const std::vector<TableLayout>&
budget_line_tables();  // vTabelaLocadosOrçamento ..., vTabelaVendidosOrçamento ...
const std::vector<TableLayout>&
balance_tables();                             // vTabelaInstalados, vTabelaEquipamentosLocação ...
const TableLayout& grouped_products_table();  // vEquipamentosGrupo
const TableLayout& head_office_products_table();                  // vOrcProdMatriz
const TableLayout& head_office_services_table(bool head_office);  // vOrcServMatriz, vOrcServFilial

// The list placeholders in the order the Word variant applies them (DocWordSubstLista).
const std::vector<Text>& contract_word_list_order();

}  // namespace orvane::docgen
