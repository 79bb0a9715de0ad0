// The amendment's tables, built in the data pass: Word puts each in as a table at its
// placeholder, Writer as a text table found through a search descriptor.
#include "core/convert.h"
#include "docgen/amendment/data_pass.h"
#include "docgen/amendment/lists.h"
#include "docgen/amendment/queries.h"
#include "docgen/frame/values.h"
#include "docgen/shared/contract_values.h"

namespace orvane::docgen::amendment {

void vehicle_services_tables_routine(DataPass& p) {
  const ListContext context = p.list_context();
  db::RecordsetPtr services = p.read(amendment_sql::additional_services_of_vehicles(p.customer));
  p.d.tables.push_back(build_table(*services, vehicle_services_table(), context));
  db::RecordsetPtr vehicles = p.read(amendment_sql::vehicles_with_additional_services(p.customer));
  p.d.tables.push_back(build_table(*vehicles, services_by_vehicle_table(), context));
}

void amendment_tables_routine(DataPass& p) {
  const ListContext context = p.list_context();
  db::RecordsetPtr added = p.read(amendment_sql::added_products(p.budget_key));
  p.d.tables.push_back(build_table(*added, added_products_table(p.lent), context));
  db::RecordsetPtr withdrawn = p.read(amendment_sql::withdrawn_products(p.budget_key));
  p.d.tables.push_back(build_table(*withdrawn, withdrawn_products_table(p.lent), context));
  db::RecordsetPtr vehicles = p.read(amendment_sql::approved_budget_vehicles(p.customer));
  p.d.tables.push_back(build_table(*vehicles, approved_budget_vehicles_table(), context));

  // The services and clauses may exceed what Word replaces at once: typed whole. The
  // services come in capitals, as their record placeholders do.
  auto upper = [&](TextView field) {
    return Variant(vb::UCase(key_text(field_or_null(*p.adt, field))));
  };
  p.d.long_texts.push_back({u"vOrcObserv", Variant(budgets_observations_text(p.contract_keys()))});
  p.d.long_texts.push_back({T("ADT.Serviço"), upper(T("Serviço"))});
  p.d.long_texts.push_back({T("ADT.NovoServiço"), upper(T("NovoServiço"))});
  p.d.long_texts.push_back(
      {u"vClausulaAntiga", Variant(key_text(field_or_null(*p.adt, u"ClausulaAntiga")))});
  p.d.long_texts.push_back(
      {u"vClausulaNova", Variant(key_text(field_or_null(*p.adt, u"ClausulaNova")))});
}

void service_tables_routine(DataPass& p) {
  // After the contract's vTabelaServADCadastro: on Writer, removing "vTabelaServAD" first
  // would eat the start of it.
  p.d.tables.push_back(services_with_total(p.services));
}

}  // namespace orvane::docgen::amendment
