// The service order's list and table declarations, one constant table per recordset that
// feeds them. The numbered names ("vServiços2", "vEquipamentos5", "vPontosC" ...) are paired
// with their layouts here and nowhere else.
#pragma once

#include <cstdint>
#include <vector>

#include "docgen/frame/lists.h"
#include "docgen/frame/tables.h"

namespace orvane::docgen::service_order {

// Lines a list holds (its last index). Most lists hold 500; the zones of a monitoring
// account can run to thousands of events; a payment condition has at most twelve dates.
inline constexpr int32_t kListLines = 500;
inline constexpr int32_t kTechnicianLines = 50;
inline constexpr int32_t kConditionLines = 50;
inline constexpr int32_t kZoneLines = 10000;
inline constexpr int32_t kAccountLines = 1000;
inline constexpr int32_t kInstalledLines = 2000;

// A line is charged when its CobraCliente is set (products and services of the order).
LineFacts charged_line(const db::Recordset& rs);

const std::vector<ListLayout>& technician_lists();        // vTecnicos
const std::vector<ListLayout>& visit_lists();             // vAtendimentos
const std::vector<ListLayout>& customer_service_lists();  // vCliServ
const std::vector<ListLayout>& service_lists();           // vServiços ... vServiços7
const std::vector<ListLayout>& product_lists();           // vEquipamentos ..., vProdPontos
const std::vector<ListLayout>& removal_lists();           // vEquipamentosRetirar, 2, vProdPontos
const std::vector<ListLayout>& access_lists();            // vAcessos
const std::vector<ListLayout>& contact_lists();           // vContatos
const std::vector<ListLayout>& zone_lists();              // vPontos, vPontos2, vPontos3, vPontosC
// The order's vehicles: one line each in vVeiculos; in vVeiculosRastChip each vehicle's
// line is followed by its trackers' and chips' lines.
const std::vector<ListLayout>& vehicle_lists();
const std::vector<ListLayout>& tracker_lists();          // vRastreadoresVeiculos, vVeiculosRastChip
const std::vector<ListLayout>& chip_lists();             // vChipsVeiculos, vVeiculosRastChip
const std::vector<ListLayout>& removed_vehicle_lists();  // vVeiculosRetirarRastChip
// The imported budget's additional services, read twice as the host reads them.
const std::vector<ListLayout>& budget_service_lists();        // vOrcServAD, vServOrc
const std::vector<ListLayout>& budget_named_service_lists();  // vServiçosAdicionais ... 3
// The names of the budget's additional services, joined into vListaServOrc.
const std::vector<ListLayout>& budget_service_names();
const std::vector<ListLayout>& checklist_lists();      // vCheckList
const std::vector<ListLayout>& installed_lists();      // vProdutosInstalados, ...Loc
const std::vector<ListLayout>& customer_chip_lists();  // vClienteChips

// Tables. Their order is the order the Writer route inserts them in: a placeholder that
// begins another comes after it, since the insertion removes the placeholder's text
// everywhere (substring match).
const std::vector<TableLayout>& product_tables();  // vEquipamentosTabelaVendidos, ...Valores, ...
const TableLayout& vehicles_table();               // vTabelaVeiculos
const TableLayout& previous_orders_detailed_table();    // vOSsAnteriores4
const TableLayout& previous_orders_short_table();       // vOSsAnteriores2
const TableLayout& previous_orders_of_account_table();  // vOSsAnteriores3
const TableLayout& previous_orders_table();             // vOSsAnteriores

}  // namespace orvane::docgen::service_order
