// The customer's equipment, as the contract and its amendment list it: what the service
// orders installed or lent, the approved budgets' lines (charged, rented, with their kind),
// the equipment balance, and the sale totals of the approved budgets.
#pragma once

#include "core/numbers.h"
#include "docgen/frame/lists.h"
#include "docgen/frame/placeholder_table.h"
#include "docgen/frame/tables.h"
#include "docgen/shared/contract_keys.h"

namespace orvane::docgen {

// Every list of this file, declared in `lists`.
void declare_equipment_lists(ListSet& lists);

// The customer's balance is rebuilt (AtualizaProdutosCliente, a database write), then the
// installed and lent equipment fills vInstalados, vInstalados2, vEmprestados,
// vVendidosOrçamento ... 3, vLocadosOrçamento ... 4, vVendidosTelealarme, vLocadosTelealarme,
// vEquipamentosVendidos and vEquipamentosLocação.
void installed_equipment_routine(const ContractKeys& k, ListSet& lists);

// The approved budgets' lines with their kind (vEquipamentosTavlo ... ,
// vEquipamentosTavloLocados ...) and their totals: vEquipTavloQtdade, vEquipTavloComodato,
// vEquipExtensoTavloComodato, vEquipTavloVendaBruto, vEquipExtensoTavloVendaBruto,
// vEquipTavloVenda, vEquipExtensoTavloVenda, vEquipTavloServiços, vEquipExtensoTavloServiços,
// vEquipTavloPercDesconto, vEquipTavloTotalVenda, vEquipTavloTotal, then vTotalComCrea,
// vTotalVenda, vExtensoTotalVenda and vNumOrcSelecionado (with the lists vListaOrcamentos and
// vListaValorVeiOrc). Returns the sale total (charged equipment plus charged services).
Currency equipment_with_kind_routine(const ContractKeys& k, ListSet& lists,
                                     PlaceholderTable& table);

// The sale total in the installments of the payment condition of `budget` (a Planílha; ""
// when there is none): vNumParcelas (the condition's dates), vEquipCondicoesTavloTotalVenda
// and vEquipExtensoTavloTotalVenda.
void sale_installments_routine(const ContractKeys& k, TextView budget, Currency sale_total,
                               PlaceholderTable& table);

// vTabelaEquipamentosTavlo: the same lines as a table with a "Total: " row.
TableContent equipment_kind_table_content(const ContractKeys& k);

// An amount in words after TrocaPonto, its point read as the decimal comma.
Text amount_in_words(const Context& ctx, Currency amount);

}  // namespace orvane::docgen
