// The list and table declarations of the contract that its amendment reuses, one function
// per recordset that feeds them (declarations only; the routines in contract_equipment.h,
// contract_services.h, budget_vehicles.h and receivables.h fill them).
#pragma once

#include <cstdint>
#include <vector>

#include "core/text.h"
#include "docgen/frame/lists.h"
#include "docgen/frame/tables.h"
#include "platform/db/db.h"

namespace orvane::docgen {

// The kind word of a budget line: "VENDA" for a charged line; otherwise "COMODATO" in the
// units that lend their equipment (530, 535, 716, 848, 952 and those where TestaDortam
// holds) and "LOCADO" elsewhere.
Text equipment_kind(bool charged, int32_t unit);
// Lines of the approved budgets: charged when "Cobrado" (the sale or CobraLocado) is set,
// rented otherwise.
LineFacts charged_line_facts(const db::Recordset& rs);

// The equipment balance (TempProdutosCliente): vVendidosTelealarme, vLocadosTelealarme,
// vEquipamentosVendidos, vEquipamentosLocação, vEmprestados.
const std::vector<ListLayout>& equipment_balance_lists();
// Products of the service orders charged to the customer (vInstalados) and the ones lent
// (vInstalados2).
const std::vector<ListLayout>& sold_service_order_lists();
const std::vector<ListLayout>& lent_service_order_lists();
// The approved budgets' charged lines (vVendidosOrçamento ... 3) and rented free lines
// (vLocadosOrçamento ... 4).
const std::vector<ListLayout>& charged_budget_line_lists();
const std::vector<ListLayout>& rented_budget_line_lists();
// Every line of the approved budgets with its kind: vEquipamentosTavlo ... 4,
// vEquipamentosTavloLocados ... 3; and the table vTabelaEquipamentosTavlo.
const std::vector<ListLayout>& equipment_kind_lists();
const TableLayout& equipment_kind_table();
// The approved budgets: vListaOrcamentos, vListaValorVeiOrc.
const std::vector<ListLayout>& selected_budget_lists();
// The approved budgets' services grouped: vOrcServiços ... 3.
const std::vector<ListLayout>& grouped_service_lists();
// The budgets' additional services grouped: vOrcServAd, vOrcServAd2, vOrcServAdCompleto,
// vOrcServAdCompleto2, vServADDesc, vServADDescObs; the table vTabelaOrcServAd.
const std::vector<ListLayout>& budget_additional_service_lists();
const TableLayout& budget_additional_service_table();
// The customer's services, after the monthly lines: vListaServADCadastro ... 4; the tables
// vTabelaServADCadastro and vServADTabelaOrdem.
const std::vector<ListLayout>& customer_service_lists();
const TableLayout& service_register_table();
const TableLayout& service_order_table();
// The customer's services with their notes: vServADTabelaQuantObs.
const TableLayout& service_notes_table();
// The approved budgets' vehicles: vVeiculosOrc ... 6, vVeiculosOrcPlaValor,
// vVeiculosOrcValores, vViaSeg, vViaSeg2.
const std::vector<ListLayout>& budget_vehicle_lists();
// The three receivable tables with interest.
const std::vector<TableLayout>& receivable_tables();
// vEquipamentosFotos2: the approved budgets' products with their photograph, one table per
// group: "Imagem", "Descrição" (in bold, with the product's application under it), "Qtdade",
// "Unitário", "Total"; rented lines "Locado". The budget's photo tables have the same cells
// over the budget's own line columns (net prices computed per line), on Word only.
const TableLayout& product_photo_table();

}  // namespace orvane::docgen
