// The service order's computed placeholders ("vModalidade", "vMensagemTécnico", "vVeiPlaca"
// ...): AdicionaVariaveisOS and the small rules it is made of.
#pragma once

#include <vector>

#include "core/numbers.h"
#include "core/text.h"
#include "core/variant.h"
#include "docgen/frame/pipeline.h"
#include "docgen/frame/placeholder_table.h"
#include "platform/db/db.h"

namespace orvane::docgen::service_order {

// The order's vehicle lines (OSVeículos) and, per line in the same order, the trackers and
// chips installed in it. Read once for the computed placeholders and the vehicle lists.
struct OrderVehicles {
  db::RecordsetPtr vehicles;
  std::vector<db::RecordsetPtr> trackers, chips;
};
OrderVehicles read_order_vehicles(const Generation& g, TextView planilha);

// What AdicionaVariaveisOS reads besides the connection.
struct OrderSources {
  const db::Recordset& order;
  const db::Recordset& customer;
  const Variant& imported_budget;  // PlanílhaOrçamento of the imported budget, or Null
  Currency products_gross;         // vProdutosTotalBruto
  Currency services_gross;         // vServiçosTotalBruto
  const OrderVehicles& vehicles;
  Route route;  // the Writer variant has no "vEmpMonitoramento"
};

// Appends the computed placeholders, one row each, in the document's order. Where one
// name holds another ("vTotalOS" holds "vTotal", "vPercProdutosDescontos" holds
// "vProdutosDescontos") the longer one comes first, so that Writer's substring
// replacement leaves it whole.
void AdicionaVariaveisOS(const Variant& conn, PlaceholderTable& table, const OrderSources& s);

// The imported budget of an order (OSImportação, TipoItem 'I'), or Null.
Variant imported_budget(const Variant& conn, TextView planilha);

// The sums of the charged lines before their discounts: products Quantidade x Unitário,
// services TotalBruto. The recordsets are walked from their first record.
Currency products_gross(db::Recordset& products);
Currency services_gross(db::Recordset& services);

// The rules of single placeholders.
Text modalidade_text(const Variant& modalidade);    // "L" Locado, else Vendido
Text nivel_seguranca_text(const Variant& nivel);    // 1..5, else "Não Informado"
Text prioridade_text(const Variant& prioridade);    // A, N, B, else "Não Informado"
Text mensagem_tecnico(const db::Recordset& order);  // vMensagemTécnico
Text data_executa(const db::Recordset& order);      // vDataExecuta
Text forma_pagamento(const Variant& conn, const db::Recordset& order, const Variant& budget);

}  // namespace orvane::docgen::service_order
