#include "docgen/shared/contract_equipment.h"

#include <vector>

#include "core/convert.h"
#include "core/format.h"
#include "docgen/frame/values.h"
#include "docgen/shared/contract_lists.h"
#include "docgen/shared/contract_queries.h"
#include "docgen/shared/equipment_balance.h"
#include "docgen/shared/payment_conditions.h"
#include "funcs/aggregates.h"
#include "funcs/wording.h"

namespace orvane::docgen {
namespace {

namespace sql = contract_sql;

ListContext context_of(const ContractKeys& k, bool budget_lines) {
  ListContext c{.conn = k.conn, .ctx = k.ctx, .unit = k.unit};
  if (budget_lines) c.facts = charged_line_facts;
  return c;
}

void fill(const ContractKeys& k, TextView query, const std::vector<ListLayout>& layouts,
          ListSet& lists, bool budget_lines = false) {
  db::RecordsetPtr rs = k.open(query);
  build_lists(*rs, layouts, lists, context_of(k, budget_lines));
}

Text money(Currency c) { return CStr(Format(Variant(c), u"#,##0.00")); }

}  // namespace

Text amount_in_words(const Context& ctx, Currency amount) {
  Text figure = vb::Replace(funcs::TrocaPonto(amount), u".", u",");
  return funcs::extenso(ctx, figure);
}

void declare_equipment_lists(ListSet& lists) {
  for (const auto* layouts :
       {&sold_service_order_lists(), &lent_service_order_lists(), &charged_budget_line_lists(),
        &rented_budget_line_lists(), &equipment_balance_lists(), &equipment_kind_lists(),
        &selected_budget_lists()}) {
    lists.declare(*layouts);
  }
}

void installed_equipment_routine(const ContractKeys& k, ListSet& lists) {
  AtualizaProdutosCliente(k.conn, k.unit, k.company, k.customer);
  const Text code = k.customer_text();
  const Text filter = k.and_budget_filter();
  fill(k, sql::sold_service_order_products(code), sold_service_order_lists(), lists);
  fill(k, sql::lent_service_order_products(code), lent_service_order_lists(), lists);
  fill(k, sql::charged_budget_lines(code, filter), charged_budget_line_lists(), lists, true);
  fill(k, sql::rented_free_budget_lines(code, filter), rented_budget_line_lists(), lists, true);
  fill(k, sql::equipment_balance(code), equipment_balance_lists(), lists);
}

Currency equipment_with_kind_routine(const ContractKeys& k, ListSet& lists,
                                     PlaceholderTable& table) {
  const Context& ctx = *k.ctx;
  const Text code = k.customer_text();
  const Text filter = k.and_budget_filter();
  db::RecordsetPtr rs = k.open(sql::budget_lines_with_kind(code, filter));
  build_lists(*rs, equipment_kind_lists(), lists, context_of(k, true));

  double quantity = 0;
  Currency loaned, gross, sale;
  if (rs->record_count() > 0) {
    for (rs->move_first(); !rs->eof(); rs->move_next()) {
      quantity += number_or_zero(rs->field(u"Quantidade"));
      if (is_set(rs->field(u"Cobrado"))) {
        gross = gross + money_or_zero(rs->field(u"Total"));
        sale = sale + money_or_zero(rs->field(T("TotalLíquido")));
      } else {
        loaned = loaned + money_or_zero(rs->field(T("TotalLíquido")));
      }
    }
  }
  const Currency services =
      money_or_zero(k.open(sql::charged_services_total(code, filter))->field(0));
  const Currency sale_total = sale + services;
  const double discount =
      gross == Currency() ? 0.0 : (gross - sale).to_double() * 100 / gross.to_double();

  table.add(u"vEquipTavloQtdade", Variant(formatted(Variant(quantity), u"0.0")));
  table.add(u"vEquipTavloComodato", Variant(money(loaned)));
  table.add(u"vEquipExtensoTavloComodato", Variant(amount_in_words(ctx, loaned)));
  table.add(u"vEquipTavloVendaBruto", Variant(money(gross)));
  table.add(u"vEquipExtensoTavloVendaBruto", Variant(amount_in_words(ctx, gross)));
  table.add(u"vEquipTavloVenda", Variant(money(sale)));
  table.add(u"vEquipExtensoTavloVenda", Variant(amount_in_words(ctx, sale)));
  table.add(T("vEquipTavloServiços"), Variant(money(services)));
  table.add(T("vEquipExtensoTavloServiços"), Variant(amount_in_words(ctx, services)));
  table.add(u"vEquipTavloPercDesconto", Variant(formatted(Variant(discount), u"0.00") + u"%"));
  table.add(u"vEquipTavloTotalVenda", Variant(CStr(Format(Variant(sale_total), u"Currency"))));
  table.add(u"vEquipTavloTotal",
            Variant(CStr(Format(Variant(loaned + sale + services), u"Currency"))));

  db::RecordsetPtr totals = k.open(sql::budget_totals(code, filter));
  table.add(u"vTotalComCrea",
            Variant(CStr(Format(Variant(money_or_zero(totals->field(u"ComCrea"))), u"Currency"))));
  const Currency venda = money_or_zero(totals->field(u"Venda"));
  table.add(u"vTotalVenda", Variant(money(venda)));
  table.add(u"vExtensoTotalVenda", Variant(in_words(ctx, Variant(venda))));

  db::RecordsetPtr budgets = k.open(sql::selected_budgets(code, filter));
  std::vector<Text> numbers;
  if (budgets->record_count() > 0) {
    for (budgets->move_first(); !budgets->eof(); budgets->move_next()) {
      numbers.push_back(formatted(budgets->field(T("NumOrçamento")), u"000000"));
    }
  }
  Text joined;
  for (size_t i = 0; i < numbers.size(); ++i) joined += (i ? u", " : u"") + numbers[i];
  table.add(u"vNumOrcSelecionado", Variant(joined));
  build_lists(*budgets, selected_budget_lists(), lists, context_of(k, false));
  return sale_total;
}

void sale_installments_routine(const ContractKeys& k, TextView budget, Currency sale_total,
                               PlaceholderTable& table) {
  Variant condition;
  if (!budget.empty()) {
    condition =
        funcs::Dlookup(k.conn, T("CondiçãoPagto"), T("Orçamentos"), T("Planílha=") + Text(budget));
  }
  int32_t installments = 0;
  if (!key_text(condition).empty()) {
    db::RecordsetPtr c = k.open(sql::payment_condition(key_text(condition)));
    for (int i = 1; !c->eof() && i <= 12; ++i) {
      if (!c->field(u"Data" + CStr(Variant(i))).is_null()) ++installments;
    }
  }
  table.add(u"vNumParcelas", Variant(installments));
  table.add(u"vEquipCondicoesTavloTotalVenda",
            Variant(installments_sentence(*k.ctx, k.conn, Variant(sale_total), condition)));
  table.add(u"vEquipExtensoTavloTotalVenda", Variant(amount_in_words(*k.ctx, sale_total)));
}

TableContent equipment_kind_table_content(const ContractKeys& k) {
  db::RecordsetPtr rs =
      k.open(contract_sql::budget_lines_with_kind(k.customer_text(), k.and_budget_filter()));
  return build_table(*rs, equipment_kind_table(), context_of(k, true));
}

}  // namespace orvane::docgen
