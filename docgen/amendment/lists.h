// The amendment's own lists and tables, as declarations: what the originating budget adds
// and withdraws (products, services, vehicles), the customer's active vehicles, the
// vehicle service changes, the services before and after the amendment, and the tables of
// the amendment (put in on both suites: Word tables, Writer text tables).
#pragma once

#include <vector>

#include "core/text.h"
#include "docgen/frame/lists.h"
#include "docgen/frame/tables.h"

namespace orvane::docgen::amendment {

// ---- lists fed by a recordset ------------------------------------------------------------

// The products the originating budget adds (not charged). Setting 247 of the unit chooses
// the kind they are listed under: not 0, "Produto em Comodato/Locação" (the unit lends
// them); 0, "Produto em Locação".
const std::vector<ListLayout>& added_product_lists(bool lent);
const std::vector<ListLayout>& withdrawn_product_lists();
// The budget's services; a line the customer is not charged for reads "Não Cobrado".
const std::vector<ListLayout>& added_service_lists();
const std::vector<ListLayout>& added_vehicle_lists();
// Fed with the registered vehicles (GRVeículos) the budget removes.
const std::vector<ListLayout>& removed_vehicle_lists();
// The customer's active vehicles (vVeiculosAtivos, vVeiculos); one whose cancellation is
// confirmed is left out.
const std::vector<ListLayout>& active_vehicle_lists();
const std::vector<ListLayout>& vehicle_service_change_lists();

// One line of vADTVeiServ for a row of the vehicle service changes: "Veículo " + model +
// ", Placa " + plate + ", Chassi " + chassis + " - " + service, then what changed.
Variant vehicle_service_change(const Line& line);
// Whether a registered vehicle's cancellation is confirmed.
bool vehicle_cancelled(const Line& line);

// ---- the services before and after the amendment --------------------------------------------

// Which rows of the services comparison a list takes and what it shows of each.
enum class ServiceRows : uint8_t { Before, After, All, Customer, Amendment };
enum class ServiceCells : uint8_t { Before, After, BeforeAndAfter, QuantityAndValue };
struct ServiceListLayout {
  Text placeholder;
  ServiceRows rows;
  ServiceCells cells;
  bool bullet = false;  // each line begins with "*"
};
const std::vector<ServiceListLayout>& service_lists();

// ---- tables ---------------------------------------------------------------------------------
const TableLayout& added_products_table(bool lent);
const TableLayout& withdrawn_products_table(bool lent);
const TableLayout& vehicle_services_table();          // vServAdVeiculoTabela
const TableLayout& services_by_vehicle_table();       // vVeiculoServAdTabela
const TableLayout& approved_budget_vehicles_table();  // vVeiculosOrcTabela
// The customer's services with their total, built from the services comparison.
const TableLayout& services_table();  // vTabelaServAD

// The Word list order of the amendment (the lists it does not name follow, longer names
// first).
const std::vector<Text>& word_list_order();
// The order both suites apply `lists` in: word_list_order(), each name preceded by the
// declared lists it does not name whose names contain it (the contract's vVeiculosOrc3 before
// vVeiculosOrc), longer first.
std::vector<Text> list_order(const ListSet& lists);

}  // namespace orvane::docgen::amendment
