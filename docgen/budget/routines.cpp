#include "docgen/budget/routines.h"

#include "core/convert.h"
#include "core/format.h"
#include "docgen/budget/lists.h"
#include "docgen/budget/queries.h"
#include "docgen/frame/values.h"
#include "docgen/shared/payment_conditions.h"
#include "funcs/aggregates.h"
#include "funcs/unitchecks.h"

namespace orvane::docgen::budget {
namespace {

Currency money_of(const db::Recordset& rs, TextView field) {
  return money_or_zero(rs.field(field));
}

Currency times(Currency amount, double factor) {
  return Currency::from_double(amount.to_double() * factor);
}

// Rounded to cents, as the taxes are.
Currency cents(double v) { return CCur(Round(v, 2)); }

bool more_than_one_group(const BudgetCall& b, TextView groups_sql) {
  return open(b, groups_sql)->record_count() > 1;
}

}  // namespace

db::RecordsetPtr open(const BudgetCall& b, TextView sql) {
  return db::open_recordset(b.conn, sql, db::CursorType::Static, db::LockType::ReadOnly);
}

Text key_number(const Variant& v) { return CStr(Variant(number_or_zero(v))); }

Text amount_text(Currency value) { return CStr(Format(Variant(value), u"#,##0.00")); }

Text percent_of(Currency value, Currency base) {
  if (base <= Currency()) return u"0,00%";
  return CStr(Format(Variant(value.to_double() * 100.0 / base.to_double()), u"#,##0.00")) + u"%";
}

Text modality_name(const Variant& modalidade) {
  const Text m = key_text(modalidade);
  if (m == u"L") return u"Locado";
  if (m == u"V") return u"Venda";
  return u"Rastreamento";
}

Variant computed_group(const db::Recordset& rs) {
  // The computed GrupoOrçamento comes after the table's own column of that name.
  for (int i = rs.field_count(); i-- > 0;) {
    if (rs.field_info(i).name == T("GrupoOrçamento")) return rs.field(i);
  }
  return Variant();
}

ListContext line_context(const BudgetCall& b) {
  ListContext c{.conn = b.conn, .ctx = b.ctx, .unit = b.unit};
  const bool sale = b.sale;
  c.facts = [sale](const db::Recordset& rs) {
    const bool rented = !sale && !is_set(rs.field(u"CobraLocado"));
    return LineFacts{.rented = rented, .charged = !rented};
  };
  c.group_value = computed_group;
  return c;
}

// ---- product lines ------------------------------------------------------------------------

ProductPass product_lines(const BudgetCall& b, const Variant& return_months, ListSet& lists) {
  ProductPass pass;
  pass.grouping = more_than_one_group(b, product_groups_sql(b.planilha));
  ListContext context = line_context(b);
  context.grouping = pass.grouping;
  context.values = {{kReturnMonths, return_months}};

  pass.lines = open(b, product_lines_sql(b.planilha, b.sale));
  db::Recordset& rs = *pass.lines;
  {
    ListBuilder builder(product_lists(), lists, context);
    if (rs.record_count() > 0) {
      for (rs.move_first(); !rs.eof(); rs.move_next()) {
        builder.add(rs);
        const Currency net = money_of(rs, T("TotalLíquido"));
        pass.net_total = pass.net_total + net;
        if (!context.facts(rs).rented) {
          // Only lines listed with their prices count towards the general discount.
          pass.priced_gross = pass.priced_gross + times(money_of(rs, u"UnitReal"),
                                                        number_or_zero(rs.field(u"Quantidade")));
          pass.priced_net = pass.priced_net + net;
        }
      }
    }
    builder.finish();
  }

  db::RecordsetPtr unified = open(b, unified_products_sql(b.planilha));
  build_lists(*unified, unified_product_lists(), lists,
              ListContext{.conn = b.conn, .ctx = b.ctx, .unit = b.unit});
  return pass;
}

Currency withdrawn_products(const BudgetCall& b, ListSet& lists) {
  db::RecordsetPtr rs = open(b, withdrawn_products_sql(b.planilha));
  Currency total;
  ListBuilder builder(withdrawn_product_lists(), lists, ListContext{.conn = b.conn, .ctx = b.ctx});
  if (rs->record_count() > 0) {
    for (rs->move_first(); !rs->eof(); rs->move_next()) {
      builder.add(*rs);
      total = total + money_of(*rs, u"Total");
    }
  }
  builder.finish();
  return total;
}

// ---- services -----------------------------------------------------------------------------

ServicePass services_routine(const BudgetCall& b, ListSet& lists) {
  ServicePass pass;
  ListContext context = line_context(b);
  context.grouping = more_than_one_group(b, service_groups_sql(b.planilha));
  pass.lines = open(b, service_lines_sql(b.planilha));
  db::Recordset& rs = *pass.lines;
  ListBuilder builder(service_lists(), lists, context);
  if (rs.record_count() > 0) {
    for (rs.move_first(); !rs.eof(); rs.move_next()) {
      builder.add(rs);
      pass.gross = pass.gross + money_of(rs, u"TotalBruto");
      pass.net = pass.net + money_of(rs, u"Total");
      if (!context.facts(rs).rented) pass.charged_net = pass.charged_net + money_of(rs, u"Total");
    }
  }
  builder.finish();
  return pass;
}

db::RecordsetPtr additional_services_routine(const BudgetCall& b, ListSet& lists) {
  db::RecordsetPtr rs = open(b, additional_services_sql(b.planilha));
  build_lists(*rs, additional_service_lists(), lists,
              ListContext{.conn = b.conn, .ctx = b.ctx, .unit = b.unit});
  return rs;
}

// ---- vehicles -----------------------------------------------------------------------------

VehiclePass vehicles_routine(const BudgetCall& b, const Variant& transfer_vehicle,
                             PlaceholderTable& table, ListSet& lists) {
  VehiclePass pass;
  bool blocked = false;
  ListBuilder builder(vehicle_lists(), lists,
                      ListContext{.conn = b.conn, .ctx = b.ctx, .unit = b.unit});
  auto list_vehicle = [&](const Variant& code) {
    db::RecordsetPtr vehicle = open(b, vehicle_sql(key_number(code)));
    if (vehicle->record_count() == 0) return;
    builder.add(*vehicle);
    if (pass.count > 0) pass.plates += u", ";
    pass.plates += key_text(vehicle->field(u"Placa"));
    blocked = blocked || is_set(vehicle->field(u"Bloqueio"));
    ++pass.count;
  };

  db::RecordsetPtr rows = open(b, budget_vehicles_sql(b.planilha));
  if (rows->record_count() > 0) {
    for (rows->move_first(); !rows->eof(); rows->move_next()) {
      list_vehicle(rows->field(T("CodVeículo")));
    }
  } else if (number_or_zero(transfer_vehicle) != 0) {
    list_vehicle(transfer_vehicle);
  }
  builder.finish();
  table.add(u"vOrcPlacas", Variant(pass.plates));
  table.add(u"vVeiBloqueio", Variant(blocked ? Text(u"SIM") : T("NÃO")));
  return pass;
}

// ---- totals, contacts and taxes -------------------------------------------------------------

Summary summary_of(const Context& ctx, const db::Recordset& budget) {
  const Currency products = money_of(budget, u"TotalProdutos");
  const Currency services = money_of(budget, T("TotalServiços"));
  const Currency discounts =
      money_of(budget, u"Desconto") + money_of(budget, T("DescontoServiços"));
  const Currency gross = products + services + discounts;
  return Summary{.modalidade = modality_name(budget.field(u"Modalidade")),
                 .nome_cliente = key_text(budget.field(u"ClienteNome")),
                 .emissao = date_in_words(budget.field(T("Emissão"))),
                 .descontos = amount_text(discounts),
                 .bruto = amount_text(gross),
                 .perc_descontos = percent_of(discounts, gross),
                 .sem_crea = amount_text(products + services),
                 .extenso_venda = in_words(ctx, Variant(products + services))};
}

namespace {

void contact_placeholders(const BudgetCall& b, const db::Recordset& budget,
                          PlaceholderTable& table) {
  static const struct {
    const char16_t* placeholder;
    const char* column;
  } kContact[] = {{u"vContatoNome", "Nome"},
                  {u"vContatoFone", "Fone1"},
                  {u"vContatoCelular", "Celular"},
                  {u"vContatoEmail", "Email"},
                  {u"vContatoFunção", "Função"}};
  const Text filter = u"CodContato=" + key_number(budget.field(u"CodContato"));
  for (const auto& c : kContact) {
    table.add(c.placeholder,
              Variant(key_text(funcs::Dlookup(b.conn, T(c.column), u"ProspectsContatos", filter))));
  }
}

// vServADTele, vServQtAD, vServADUnit and vServObsAD for every kind of additional service,
// the highest code first (so that on Writer "vServADTele1" never replaces the start of
// "vServADTele10").
void additional_services_by_kind(const BudgetCall& b, PlaceholderTable& table) {
  const bool zero_is_contracted = funcs::TestaBrelis(b.unit);
  db::RecordsetPtr kinds = open(b, additional_service_kinds_sql());
  for (; !kinds->eof(); kinds->move_next()) {
    const Text code = key_text(kinds->field(u"CodInterno"));
    db::RecordsetPtr row = open(b, additional_service_of_kind_sql(code, b.planilha));
    const bool contracted = row->record_count() > 0;
    const Variant value = contracted ? row->field(T("ValorServiço")) : Variant();
    Text tele;
    if (number_or_zero(value) != 0) {
      tele = formatted(value, u"#,##0.00");
    } else if (zero_is_contracted && contracted) {
      tele = u"0,00";
    } else {
      tele = T("Não Contratado");
    }
    table.add(u"vServADTele" + code, Variant(tele));
    table.add(u"vServQtAD" + code,
              Variant(contracted ? key_text(row->field(u"Quantidade")) : Text()));
    table.add(u"vServADUnit" + code, Variant(formatted(value, u"#,##0.00")));
    table.add(u"vServObsAD" + code,
              Variant(contracted ? key_text(row->field(T("Observações"))) : Text()));
  }
}

// Which taxes a unit shows is its settings' choice: setting 207's Descreve turns ICMS on and
// its Codigo ISS, setting 26's Codigo PIS/COFINS/CSLL (any number but 0 is on). INSS is
// always shown. A tax turned off reads "0,00" and adds nothing to vTributos.
struct TaxSwitches {
  bool icms, iss, pis;
};

TaxSwitches tax_switches(const BudgetCall& b) {
  return TaxSwitches{.icms = setting_number(unit_setting(b.conn, 207, b.unit, u"Descreve")) != 0,
                     .iss = setting_number(unit_setting(b.conn, 207, b.unit, u"Codigo")) != 0,
                     .pis = setting_number(unit_setting(b.conn, 26, b.unit, u"Codigo")) != 0};
}

void tax_placeholders(const BudgetCall& b, const db::Recordset& budget, PlaceholderTable& table) {
  const TaxSwitches on = tax_switches(b);
  db::RecordsetPtr company = open(b, company_taxes_sql(CStr(Variant(b.company))));
  auto company_value = [&](TextView column) {
    return company->record_count() > 0 ? company->field(column) : Variant();
  };
  const bool simples = is_set(company_value(u"Simples"));
  const Currency products = money_of(budget, u"TotalProdutos");
  const Currency services = money_of(budget, T("TotalServiços"));
  Currency all;
  auto enter = [&](TextView placeholder, bool shown, double base, double rate) {
    const Currency tax = shown ? cents(base * rate / 100.0) : Currency();
    all = all + tax;
    table.add(placeholder, Variant(amount_text(tax)));
  };

  double icms_rate = 0, icms_base = 0;
  if (on.icms) {
    if (simples) {
      icms_rate = number_or_zero(company_value(u"PIcmsSimples"));
    } else {
      Text state = key_text(budget.field(u"UF"));
      if (state.empty()) state = key_text(company_value(u"UF"));
      icms_rate = number_or_zero(
          funcs::Dlookup(b.conn, T("ICMSSaída"), u"ICMSEstados",
                         u"Unidade=" + CStr(Variant(b.unit)) + u" And UF='" + state + u"'"));
    }
    const bool sale = modality_name(budget.field(u"Modalidade")) == u"Venda";
    icms_base = number_or_zero(funcs::DSum(b.conn, T("TotalLíquido"), icms_base_tables(),
                                           icms_base_filter(b.planilha, sale)));
  }
  enter(u"vTributoICMS", on.icms, icms_base, icms_rate);

  const double iss_rate = number_or_zero(company_value(simples ? u"PIssSimples" : u"ISS"));
  enter(u"vTributoISS", on.iss, services.to_double(), iss_rate);
  enter(u"vTributoINSS", true, services.to_double(), number_or_zero(company_value(u"PINSS")));

  double pis_rate = 0;
  if (on.pis) {
    const Text customer = u"CodCliente=" + key_number(budget.field(u"Cliente"));
    for (const char16_t* column : {u"PIS", u"COFINS", u"CSLL"}) {
      pis_rate += number_or_zero(funcs::Dlookup(b.conn, column, u"Clientes", customer));
    }
  }
  enter(u"vTributoPISProduto", on.pis, products.to_double(), pis_rate);
  enter(u"vTributoPISServico", on.pis, services.to_double(), pis_rate);
  table.add(u"vTributos", Variant(amount_text(all)));
}

}  // namespace

void totals_contacts_taxes_routine(const BudgetCall& b, const db::Recordset& budget,
                                   PlaceholderTable& table) {
  const Currency sale_total =
      money_of(budget, u"TotalProdutos") + money_of(budget, T("TotalServiços"));
  table.add(u"vEquipCondicoesTavloTotalVenda",
            Variant(installments_sentence(*b.ctx, b.conn, Variant(sale_total),
                                          budget.field(T("CondiçãoPagto")))));
  contact_placeholders(b, budget, table);

  const Currency additional = money_or_zero(funcs::DSum(
      b.conn, T("ValorServiço"), T("OrçamentosServiçosAdicionais"), T("Planílha=") + b.planilha));
  const Currency monthly =
      money_of(budget, u"ValorMonitoramento") + money_of(budget, u"ValorComodato") + additional;
  const Currency annual = times(monthly, 12);
  table.add(u"vValorAnual", Variant(amount_text(annual)));
  table.add(u"vExtensoValorAnual", Variant(in_words(*b.ctx, Variant(annual))));

  db::RecordsetPtr loyalty = open(b, loyalty_tables_sql(b.planilha, !b.sale));
  const bool any = loyalty->record_count() > 0;
  table.add(u"vTotal24", Variant(amount_text(any ? money_of(*loyalty, u"Valor24") : Currency())));
  table.add(u"vTotal36", Variant(amount_text(any ? money_of(*loyalty, u"Valor36") : Currency())));

  additional_services_by_kind(b, table);
  const Summary summary = summary_of(*b.ctx, budget);
  table.add(u"vModalidade", Variant(summary.modalidade));
  table.add(u"vNomeCliente", Variant(summary.nome_cliente));
  table.add(u"vTotalDescontos", Variant(summary.descontos));
  table.add(u"vPercTotalDescontos", Variant(summary.perc_descontos));
  table.add(u"vTotalBruto", Variant(summary.bruto));
  table.add(u"vTotalSemCrea", Variant(summary.sem_crea));
  table.add(u"vExtensoTotalVenda", Variant(summary.extenso_venda));
  table.add(u"vEmissaoExtenso", Variant(summary.emissao));
  tax_placeholders(b, budget, table);
}

}  // namespace orvane::docgen::budget
