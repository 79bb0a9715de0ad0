#include "docgen/shared/contract_services.h"

#include <map>
#include <sstream>

#include "core/convert.h"
#include "core/format.h"
#include "docgen/frame/values.h"
#include "docgen/shared/contract_lists.h"
#include "docgen/shared/contract_queries.h"
#include "docgen/shared/contract_values.h"
#include "funcs/unitchecks.h"

namespace orvane::docgen {
namespace {

namespace sql = contract_sql;

ListContext context_of(const ContractKeys& k) {
  return ListContext{.conn = k.conn, .ctx = k.ctx, .unit = k.unit};
}

// An amount written with a decimal point, as a SQL literal.
Text sql_amount(Currency c) {
  std::ostringstream s;
  s.imbue(std::locale::classic());
  s.precision(15);
  s << c.to_double();
  return from_utf8(s.str());
}

Text money(Currency c) { return CStr(Format(Variant(c), u"#,##0.00")); }

}  // namespace

void declare_service_lists(ListSet& lists) {
  lists.declare(u"vServAdLista");
  lists.declare(customer_service_lists());
  lists.declare(grouped_service_lists());
  lists.declare(budget_additional_service_lists());
}

MonthlyLines monthly_lines_of(const ContractKeys& k, const db::Recordset& customer) {
  MonthlyLines m;
  m.rental = money_or_zero(customer.field(u"ValorComodato"));
  m.monitoring = money_or_zero(customer.field(u"ValorNF")) +
                 money_or_zero(customer.field(u"ValorME")) - m.rental - customer_services_total(k);
  m.sale = key_text(customer.field(u"Modalidade")) == u"V";
  return m;
}

db::RecordsetPtr monthly_lines_recordset(const ContractKeys& k, const MonthlyLines& m) {
  return k.open(sql::monthly_lines(sql_amount(m.monitoring), sql_amount(m.rental), m.sale));
}

void customer_services_routine(const ContractKeys& k, const db::Recordset& customer, ListSet& lists,
                               PlaceholderTable& table) {
  const Context& ctx = *k.ctx;
  // The customer's row of each kind.
  struct Row {
    Variant quantity, value;
  };
  std::map<Text, Row> rows;
  Text names, with_notes;
  db::RecordsetPtr own = k.open(sql::customer_services_with_notes(k.customer_text()));
  for (; !own->eof(); own->move_next()) {
    rows[key_text(own->field(T("CodServiço")))] = {own->field(u"Quantidade"),
                                                   own->field(T("ValorServiço"))};
    const Text name = key_text(own->field(T("Descrição")));
    const Text notes = key_text(own->field(T("Observações")));
    names += (names.empty() ? u"" : u", ") + name;
    with_notes +=
        (with_notes.empty() ? u"" : u", ") + name + (notes.empty() ? u"" : u" (" + notes + u")");
  }

  db::RecordsetPtr kinds = k.open(sql::additional_service_kinds());
  for (; !kinds->eof(); kinds->move_next()) {
    const Text code = key_text(kinds->field(u"CodInterno"));
    auto it = rows.find(code);
    const bool has = it != rows.end();
    const Currency value = has ? money_or_zero(it->second.value) : Currency();
    const double quantity = has ? number_or_zero(it->second.quantity) : 0.0;
    Text figure;
    if (value != Currency()) {
      figure = u"R$ " + money(value);
    } else {
      figure = has && funcs::TestaBrelis(k.unit) ? Text(u"0,00") : T("Não Contratado");
    }
    table.add(u"vServAD" + code, Variant(figure));
    table.add(u"vServQtAD" + code, Variant(has ? formatted(Variant(quantity), u"0") : Text()));
    const Currency unit_value =
        Currency::from_double(quantity > 0 ? value.to_double() / quantity : value.to_double());
    table.add(u"vServADUnit" + code, Variant(has ? money(unit_value) : Text()));
    table.add(u"vServExtAD" + code, Variant(has ? in_words(ctx, Variant(value)) : Text()));
    table.add(u"vServSN" + code, Variant(has ? Text(u"Sim") : T("Não")));
  }

  const MonthlyLines m = monthly_lines_of(k, customer);
  table.add(u"vServComodato", Variant(!m.sale && m.rental != Currency() ? u"R$ " + money(m.rental)
                                                                        : T("Não Contratado")));
  const Currency services = customer_services_total(k);
  table.add(u"vAdicionais", Variant(money(services)));
  table.add(u"vExtensoAdicionais", Variant(in_words(ctx, Variant(services))));
  table.add(u"vServAdConcatenado", Variant(with_notes));
  if (!names.empty()) lists[u"vServAdLista"].add(names);

  ListBuilder builder(customer_service_lists(), lists, context_of(k));
  db::RecordsetPtr first = monthly_lines_recordset(k, m);
  for (; !first->eof(); first->move_next()) builder.add(*first);
  db::RecordsetPtr services_rs = k.open(sql::customer_additional_services(k.customer_text()));
  for (; !services_rs->eof(); services_rs->move_next()) builder.add(*services_rs);
  builder.finish();
}

void append_rows(TableContent& into, TableContent from) {
  if (from.blocks.empty()) return;
  if (into.blocks.empty()) into.blocks.emplace_back();
  for (auto& row : from.blocks.front().rows) into.blocks.front().rows.push_back(std::move(row));
  into.present = into.present || from.present;
}

std::vector<TableContent> customer_service_tables(const ContractKeys& k,
                                                  const db::Recordset& customer) {
  const ListContext context = context_of(k);
  const MonthlyLines m = monthly_lines_of(k, customer);
  std::vector<TableContent> out;
  for (const TableLayout* layout : {&service_register_table(), &service_order_table()}) {
    TableContent t = build_table(*monthly_lines_recordset(k, m), *layout, context);
    append_rows(t, build_table(*k.open(sql::customer_additional_services(k.customer_text())),
                               *layout, context));
    // Item numbers run on over both parts.
    if (layout == &service_order_table() && !t.blocks.empty()) {
      int32_t item = 0;
      for (auto& row : t.blocks.front().rows) row[0].text = formatted(Variant(++item), u"00");
    }
    out.push_back(std::move(t));
  }
  out.push_back(build_table(*k.open(sql::customer_services_with_notes(k.customer_text())),
                            service_notes_table(), context));
  return out;
}

void grouped_services_routine(const ContractKeys& k, ListSet& lists) {
  db::RecordsetPtr rs =
      k.open(sql::grouped_budget_services(k.customer_text(), k.and_budget_filter()));
  build_lists(*rs, grouped_service_lists(), lists, context_of(k));
}

void budget_additional_services_routine(const ContractKeys& k, TextView where, ListSet& lists) {
  db::RecordsetPtr rs = k.open(sql::grouped_budget_additional_services(where));
  build_lists(*rs, budget_additional_service_lists(), lists, context_of(k));
}

}  // namespace orvane::docgen
