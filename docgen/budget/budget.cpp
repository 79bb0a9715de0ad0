#include "docgen/budget/budget.h"

#include <algorithm>

#include "core/convert.h"
#include "core/format.h"
#include "docgen/budget/lists.h"
#include "docgen/budget/queries.h"
#include "docgen/budget/routines.h"
#include "docgen/budget/word_tables.h"
#include "docgen/frame/apply.h"
#include "docgen/frame/substitution.h"
#include "docgen/frame/values.h"
#include "docgen/gera_docs_orvane.h"
#include "docgen/shared/digital_acceptance.h"
#include "docgen/shared/ownership_transfer.h"
#include "docgen/shared/payment_conditions.h"
#include "funcs/aggregates.h"
#include "funcs/files.h"

namespace orvane::docgen {

using budget::amount_text;
using budget::BudgetCall;

const GeneratorDeclaration& budget_declaration() {
  static const GeneratorDeclaration d{
      .word_member = T("GeraOrçamento"),
      .writer_member = T("GeraOrçamentoOpen"),
      .hands_over = ends_in_dot_odt,
      .word_missing = T("Não é possível gerar o orçamento pois não há Word instalado na máquina!"),
      .writer_missing = T("Não é possível gerar o orçamento pois não há Writer (OpenOffice) "
                          "instalado na máquina!"),
      .data_before_suite = false,
      .writer_tables = false,
      .writer_429_names_writer = true,
      .failure_quits_word = true,
      .failure_closes_writer = true,
      .short_word_arguments = true,
  };
  return d;
}

namespace {

// The placeholder table's last row.
constexpr int32_t kTableRows = 10000;

Text key_of(int32_t planilha) { return CStr(Variant(planilha)); }

Variant money(Currency c) { return Variant(amount_text(c)); }

// The Word-only table placeholders, longer names first: on Writer they are emptied before the
// lists, which would otherwise replace the start of them ("vEquipamentos" in
// "vEquipamentosTabela").
std::vector<Text> word_only_placeholders() {
  std::vector<Text> names = budget::word_table_order();
  std::stable_sort(names.begin(), names.end(),
                   [](const Text& a, const Text& b) { return a.size() > b.size(); });
  return names;
}

}  // namespace

// ---- the pipeline's steps that are the budget's own ---------------------------------------

void Budget::make_working_copy(Generation& g) {
  // The template's name with the budget's number before its extension.
  const Variant number = funcs::Dlookup(g.conn, T("NumOrçamento"), T("Orçamentos"),
                                        T("Planílha=") + key_of(planilha_));
  const Text name = funcs::SeparaArquivo(g.layout, true);
  const Text digits = formatted(number, u"000000");
  const long dot = vb::InStrRev(name, u".");
  const Text copy = dot > 0 ? vb::Left(name, dot - 1) + digits + vb::Mid(name, dot) : name + digits;
  copy_to_temporary_folder(g, copy);
}

bool Budget::keep_word(Generation& g) {
  if (g.force_pdf) return false;
  return setting_number(unit_setting(g.conn, 239, g.unit, u"Codigo")) != 0;
}

Text Budget::output_path(Generation& g, OutputKind kind) {
  if (g.route == Route::Writer) return writer_pdf_name(g.layout);
  return Generator::output_path(g, kind);
}

bool Budget::preview_keeps_writer_open(Generation& g) { return g.keep_word; }

// ---- the data pass ---------------------------------------------------------------------------

DocumentData Budget::read(Generation& g) {
  DocumentData d(kTableRows);
  PlaceholderTable& table = d.table;
  const ContextPtr ctx = g.ctx;
  const Context& c = *ctx;
  const Variant& conn = g.conn;
  const Text key = key_of(planilha_);
  BudgetCall b{.ctx = ctx, .conn = conn, .unit = g.unit, .company = g.company, .planilha = key};

  // The records.
  db::RecordsetPtr orc = open_recordset(g, budget::budget_sql(key));
  AdicionaCamposLista(*orc, u"Orc.", table, 1);
  const db::Recordset& budget = *orc;
  auto field = [&](TextView name) -> const Variant& { return budget.field(name); };
  auto amount = [&](TextView name) { return money_or_zero(field(name)); };
  b.sale = key_text(field(u"Modalidade")) == u"V";

  db::RecordsetPtr customer = open_recordset(g, budget::customer_sql(key_text(field(u"Cliente"))));
  AdicionaCamposLista(*customer, u"Cli.", table, 1);
  db::RecordsetPtr company = open_recordset(g, budget::company_sql(key_text(field(u"Empresa"))));
  AdicionaCamposLista(*company, u"Emp.", table, 1);
  // "ACT." and the acceptance dates and witnesses.
  add_acceptance_record(conn, table, field(u"idAceite"));

  // The scalar placeholders.
  const budget::Summary summary = budget::summary_of(c, budget);
  const Currency products = amount(u"TotalProdutos");
  const Currency services = amount(T("TotalServiços"));
  const Currency product_discount = amount(u"Desconto");
  const Currency service_discount = amount(T("DescontoServiços"));
  const Currency monitoring = amount(u"ValorMonitoramento");
  const Currency loan = amount(u"ValorComodato");
  table.add(u"vModalidade", Variant(summary.modalidade));
  table.add(u"vDataOrc", Variant(formatted(field(u"DataAbertura"), u"dd/mm/yyyy")));
  table.add(u"vNomeCliente", Variant(summary.nome_cliente));
  table.add(u"vEmissaoExtenso", Variant(summary.emissao));
  table.add(u"vTotalDescontos", Variant(summary.descontos));
  table.add(u"vTotalBruto", Variant(summary.bruto));
  table.add(u"vPercTotalDescontos", Variant(summary.perc_descontos));
  table.add(u"vTotalSemCrea", Variant(summary.sem_crea));
  table.add(u"vExtensoTotalVenda", Variant(summary.extenso_venda));
  table.add(u"vTotalComCrea",
            money(products + services + amount(u"ValorCREA") + amount(u"ValorFrete")));
  const Currency additional = money_or_zero(funcs::DSum(
      conn, T("ValorServiço"), T("OrçamentosServiçosAdicionais"), T("Planílha=") + key));
  table.add(u"vTotalServAd", money(additional));
  auto with_words = [&](TextView placeholder, TextView words, Currency value) {
    table.add(placeholder, money(value));
    table.add(words, Variant(in_words(c, Variant(value))));
  };
  with_words(u"vTotalMensalPadrao", u"vExtTotalMensalPadrao", monitoring + loan);
  with_words(u"vTotalMensalSemLocacao", u"vExtTotalMensalSemLocacao", monitoring + additional);
  const Currency monthly = monitoring + loan + additional;
  with_words(u"vTotalMensal", u"vExtTotalMensal", monthly);
  const Text customer_filter = u"CodCliente=" + budget::key_number(field(u"Cliente"));
  table.add(u"vNovoMensal",
            money(money_or_zero(funcs::Dlookup(conn, u"ValorNF", u"Clientes", customer_filter)) +
                  monthly));
  const Currency vehicle_extras =
      money_or_zero(funcs::Dlookup(conn, T("Sum(Isnull(ValorSeguro,0)+Isnull(ValorAssistência,0))"),
                                   T("OrçamentosVeículos"), T("Planílha=") + key));
  with_words(u"vGRMensal", u"vExtGRMensal", monitoring - vehicle_extras);
  with_words(u"vVlrComodato", u"vExtVlrComodato", loan);
  table.add(u"vTextoMoni",
            Variant(monitoring > Currency() ? Text(u"Monitoramento de Alarme") : Text()));

  auto person = [&](const Variant& code, TextView column) {
    return Variant(key_text(
        funcs::Dlookup(conn, column, u"Clientes", u"CodCliente=" + budget::key_number(code))));
  };
  const Variant& seller = field(u"Vendedor");
  table.add(u"vVendedorNome", person(seller, u"Nome"));
  table.add(u"vVendedorEmail", person(seller, u"Email"));
  table.add(u"vVendedorFone2", person(seller, u"Fone2"));
  table.add(u"vVendedorFone", person(seller, u"Fone1"));
  table.add(u"vVendedorCelular", person(seller, u"Celular"));
  table.add(u"vGecomNome", person(field(u"Gecom"), u"Nome"));
  table.add(T("vServiçosTotal"), money(services + service_discount));
  table.add(T("vServiçosDesconto"), money(service_discount));
  table.add(T("vPServiçosDesconto"),
            Variant(formatted(field(T("PDescontoServiços")), u"#,##0.00")));
  table.add(u"vPDesconto", Variant(formatted(field(u"PDesconto"), u"#,##0.00")));
  table.add(u"vProdutosTotal", money(products + product_discount));
  table.add(u"vProdutosDesconto", money(product_discount));
  table.add(u"vTipoOrc",
            Variant(key_text(funcs::Dlookup(
                conn, u"Descreve", u"DadosEntidades",
                T("CodEntidade=249 And Codigo='") + key_text(field(T("TipoServiço"))) + u"'"))));
  table.add(u"vFormaPagto", Variant(key_text(funcs::Dlookup(
                                conn, u"FormaPagto", u"FormasPagto",
                                u"CodFormaPagto=" + budget::key_number(field(u"FormaPagto"))))));
  const double financed_months = number_or_zero(field(u"FinanciadoMeses"));
  const Currency financed_value = amount(u"FinanciadoValor");
  table.add(u"vFinanciadoMeses", Variant(financed_months));
  table.add(u"vFinanciadoMensal", money(financed_value));
  table.add(u"vFinanciadoTotal",
            money(Currency::from_double(financed_months * financed_value.to_double())));
  table.add(u"vFinanciadoTaxa",
            Variant(setting_decimal(unit_setting(conn, 196, g.unit, u"Descreve"))));

  // The payment conditions, and the installment value they give.
  const Currency installment =
      payment_conditions_routine(c, conn, g.unit, Variant(planilha_), field(u"FormaPagto"),
                                 field(T("CondiçãoPagto")), d.lists);
  with_words(u"vValorParcelamento", u"vExtensoValorParcelamento", installment);
  table.add(u"vValorEntrada", money(amount(u"ValorEntrada")));
  table.add(u"vExtensoMesesRetorno", Variant(count_in_words(c, field(T("MesesRetornoLocação")))));

  // The lines.
  d.lists.declare(budget::product_lists());
  d.lists.declare(budget::unified_product_lists());
  d.lists.declare(budget::withdrawn_product_lists());
  d.lists.declare(budget::vehicle_lists());
  d.lists.declare(budget::additional_service_lists());
  d.lists.declare(budget::service_lists());
  const budget::ProductPass product_pass =
      budget::product_lines(b, field(T("MesesRetornoLocação")), d.lists);
  const Currency withdrawn = budget::withdrawn_products(b, d.lists);
  const budget::ServicePass service_pass = budget::services_routine(b, d.lists);

  const Currency services_total =
      money_or_zero(funcs::DSum(conn, u"Total", T("OrçamentoServiços"), T("Planílha=") + key));
  table.add(u"vTotalGaldren", money(product_pass.net_total + services_total));
  table.add(u"vQtProdutoTotal",
            Variant(number_or_zero(
                funcs::DSum(conn, u"Quantidade", T("OrçamentosProdutos"), T("Planílha=") + key))));
  table.add(u"vQtServicoTotal",
            Variant(number_or_zero(
                funcs::DSum(conn, u"Quantidade", T("OrçamentoServiços"), T("Planílha=") + key))));
  table.add(u"vProdutosComodato",
            money(b.sale ? Currency()
                         : money_or_zero(funcs::DSum(
                               conn, T("TotalLíquido"), T("OrçamentosProdutos"),
                               T("Planílha=") + key + u" And Isnull(CobraLocado,0)=0"))));
  table.add(u"vValorRetComodato", money(withdrawn));
  const Currency additional_sum = money_or_zero(funcs::Dlookup(
      conn, T("Sum(ValorServiço)"), T("OrçamentosServiçosAdicionais"), T("Planílha=") + key));
  table.add(u"vFideliza12", money(additional_sum));
  table.add(u"vFideliza24", money(additional_sum + Currency::from_int(5)));
  table.add(u"vFideliza36", money(additional_sum + Currency::from_int(10)));
  table.add(u"vTotFideliza24", money(additional_sum + Currency::from_int(5) + monthly));
  table.add(u"vTotFideliza36", money(additional_sum + Currency::from_int(10) + monthly));

  const db::RecordsetPtr additional_lines = budget::additional_services_routine(b, d.lists);
  budget::totals_contacts_taxes_routine(b, budget, table);
  ownership_transfer_routine(conn, table, field(u"CodClienteOrigemTrocaTitularidade"),
                             field(T("CodVeículoTrocaTitularidade")), Variant(planilha_));
  const budget::VehiclePass vehicles =
      budget::vehicles_routine(b, field(T("CodVeículoTrocaTitularidade")), table, d.lists);
  // The plates may be longer than Word replaces at once.
  d.long_texts.push_back({u"vOrcPlacas", Variant(vehicles.plates), true});
  table.add(u"vQtdeVeiculos", Variant(vehicles.count));
  if (g.route == Route::Word) {
    budget::tables_routine(b, field(u"Observ"), {&product_pass, &service_pass, additional_lines},
                           d);
  }

  // The general discount: the lines listed with prices and the services.
  const Currency product_general = product_pass.priced_gross - product_pass.priced_net;
  const Currency service_general = service_pass.gross - service_pass.net;
  const Currency general = product_general + service_general;
  table.add(u"vDescProdGeral", money(product_general));
  table.add(u"vDescServGeral", money(service_general));
  table.add(u"vDescGeral", money(general));
  table.add(u"vPDescGeral",
            Variant(budget::percent_of(general, product_pass.priced_gross + service_pass.gross)));
  return d;
}

// ---- the applications ------------------------------------------------------------------------

void Budget::apply_word(Generation& g, DocumentData& d) {
  type_long_texts(g.word, d.long_texts);
  insert_word_tables(g.word, d, budget::word_table_order());
  insert_word_pictures(g.word, d.pictures);
  word_table_pass(g.word, d.table);
  type_word_lists(g.word, d.lists, budget::word_list_order(), 3);
}

void Budget::apply_writer(Generation& g, DocumentData& d) {
  for (const Text& name : word_only_placeholders()) d.table.add(name, Variant(Text()));
  add_writer_lists(d.table, d.lists, budget::word_list_order());
  d.table.add(u"vImgAssinatura", Variant(Text()));
  writer_table_pass(g.document, g.replace_descriptor, d.table);
}

// ---- the members -----------------------------------------------------------------------------

Text GeraOrcamento(const ContextPtr& ctx, const Variant& connorvane, int32_t cod_unidade,
                   int32_t cod_empresa, int32_t planilha, Text& layout, bool visualiza,
                   int16_t copias, bool forca_pdf) {
  Generation g(ctx, connorvane, cod_unidade, cod_empresa, layout, visualiza, copias, forca_pdf);
  Budget budget(planilha);
  return run_word_member(budget_declaration(), budget, g);
}

Text GeraOrcamentoOpen(const ContextPtr& ctx, const Variant& connorvane, int32_t cod_unidade,
                       int32_t cod_empresa, int32_t planilha, Text& layout, bool visualiza,
                       int16_t copias, bool forca_pdf) {
  Generation g(ctx, connorvane, cod_unidade, cod_empresa, layout, visualiza, copias, forca_pdf);
  Budget budget(planilha);
  return run_writer_member(budget_declaration(), budget, g);
}

void add_budget_members(component::MemberTable& t) {
  using component::opt;
  using component::ref;
  using Member = Text (*)(const ContextPtr&, const Variant&, int32_t, int32_t, int32_t, Text&, bool,
                          int16_t, bool);
  auto add = [&](TextView name, Member member, const char* doc) {
    t.method(
        name,
        {ref(u"Connorvane", VarType::Variant), ref(u"CodUnidade", VarType::Long),
         ref(u"CodEmpresa", VarType::Long), ref(T("Planílha"), VarType::Long),
         ref(T("LayoutOrçamento"), VarType::String), ref(u"Visualiza", VarType::Boolean),
         ref(T("Cópias"), VarType::Integer), opt(T("ForçaPDF"), VarType::Boolean, Variant(false))},
        VarType::String,
        [member](Object& self, component::Args& a) {
          Text layout = a[4].text();
          Text result = member(context_of(self), a[0], a[1].lng(), a[2].lng(), a[3].lng(), layout,
                               a[5].boolean(), a[6].integer(), a[7].boolean());
          a[4] = Variant(std::move(layout));
          return Variant(std::move(result));
        },
        doc);
  };
  add(T("GeraOrçamento"), GeraOrcamento,
      "the budget as PDF (or .doc where the unit keeps Word documents); an .odt template goes "
      "to GeraOrçamentoOpen; LayoutOrçamento is written back with the produced file");
  add(T("GeraOrçamentoOpen"), GeraOrcamentoOpen,
      "the budget from a Writer template as PDF; LayoutOrçamento is written back with its path");
}

}  // namespace orvane::docgen
