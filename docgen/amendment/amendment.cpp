#include "docgen/amendment/amendment.h"

#include "core/convert.h"
#include "core/format.h"
#include "docgen/amendment/data_pass.h"
#include "docgen/amendment/lists.h"
#include "docgen/amendment/queries.h"
#include "docgen/amendment/services_history.h"
#include "docgen/frame/apply.h"
#include "docgen/frame/substitution.h"
#include "docgen/frame/values.h"
#include "docgen/gera_docs_orvane.h"
#include "docgen/shared/digital_acceptance.h"
#include "funcs/aggregates.h"
#include "funcs/files.h"
#include "funcs/textclean.h"

namespace orvane::docgen {

using amendment::DataPass;

namespace amendment {

Text sql_key(const Variant& v) {
  const Text k = key_text(v);
  return k.empty() ? Text(u"Null") : k;
}

Variant field_or_null(const db::Recordset& rs, TextView name) {
  return rs.eof() ? Variant() : rs.field(name);
}

}  // namespace amendment

namespace {

using amendment::field_or_null;
using amendment::sql_key;

constexpr const char16_t* kMoney = u"#,##0.00";

// "odt" as the last three characters, or the standard amendment template in any folder.
bool amendment_hands_over(TextView contrato) {
  return ends_in_odt(contrato) ||
         funcs::SeparaArquivo(contrato, true) == Text(kStandardAmendmentTemplate);
}

const GeneratorDeclaration& declaration() {
  static const GeneratorDeclaration d{
      .word_member = u"GeraAditivo",
      .writer_member = u"GeraAditivoOpen",
      .hands_over = amendment_hands_over,
      .word_missing = T("Não é possível gerar o aditivo pois não há Word instalado na máquina!"),
      .writer_missing = T("Não é possível gerar o aditivo pois não há Writer (OpenOffice) "
                          "instalado na máquina!"),
      .writer_tables = true,
      // After a failure Word keeps running and the Writer document stays loaded.
      .writer_429_names_writer = true,
      .failure_quits_word = false,
      .failure_closes_writer = false,
  };
  return d;
}

Text money(double v) { return key_text(Format(Variant(CCur(v)), kMoney)); }
Text currency(double v) { return key_text(Format(Variant(CCur(v)), u"Currency")); }
double number(const db::Recordset& rs, TextView name) {
  return number_or_zero(field_or_null(rs, name));
}

// ---- records ---------------------------------------------------------------------------

// The amendment's guard post under "POSTO.", its monthly value in words and its current
// services ("quantity description", ", " between them), as the contract shows a post.
void post_routine(DataPass& p) {
  const Text post_key = sql_key(p.adt->field(u"CodPosto"));
  db::RecordsetPtr post = p.read(amendment_sql::post(post_key));
  AdicionaCamposLista(*post, u"POSTO.", p.d.table);
  p.d.table.add(u"vExtensoValorPosto",
                Variant(in_words(*p.g.ctx, field_or_null(*post, u"ValorMensal"))));
  Text services;
  db::RecordsetPtr rs = p.read(amendment_sql::post_services(post_key));
  for (; !rs->eof(); rs->move_next()) {
    services += (services.empty() ? Text() : Text(u", ")) +
                formatted(rs->field(u"Quantidade"), u"0") + u" " +
                key_text(rs->field(T("Descrição")));
  }
  p.d.table.add(T("vPostosServiços"), Variant(services));
}

// The customer, the contract, the first vehicle, the amendment (refused when it is
// cancelled or unknown), the company, the acceptance and the guard post, each under its
// prefix.
void record_routine(DataPass& p) {
  Generation& g = p.g;
  PlaceholderTable& t = p.d.table;
  p.cli = p.read(amendment_sql::customer(p.customer));
  AdicionaCamposLista(*p.cli, u"Cli.", t);

  p.contract = p.read(amendment_sql::contract(p.customer));
  // Entered before the contract's columns: on Writer "Contr.Prazo" would otherwise be
  // replaced inside it.
  t.add(u"Contr.PrazoExtenso",
        Variant(count_in_words(*g.ctx, Variant(number(*p.contract, u"Prazo")))));
  AdicionaCamposLista(*p.contract, u"Contr.", t);

  p.vehicle = p.read(amendment_sql::first_vehicle(p.customer));
  AdicionaCamposLista(*p.vehicle, u"GR.", t);

  p.adt = p.read(amendment_sql::amendment(p.customer, CStr(Variant(p.keys.num_aditivo))));
  AdicionaCamposLista(*p.adt, u"ADT.", t);
  // A cancelled or unknown amendment has no record: reading it fails here.
  p.amendment_key = key_text(p.adt->field(u"CodInterno"));
  p.budget_key = sql_key(p.adt->field(T("PlaOrçamento")));

  // The customer's company, under "EMP.".
  const Text company = sql_key(field_or_null(*p.cli, u"Empresa"));
  db::RecordsetPtr emp = p.read(amendment_sql::company(company));
  AdicionaCamposLista(*emp, u"EMP.", t);

  add_acceptance_record(g.conn, t, p.adt->field(u"idAceite"));

  post_routine(p);
}

// ---- the amendment's own placeholders ------------------------------------------------------

// The monitoring part of the customer's monthly value: what is left of ValorNF (ValorME for
// a customer billed in the other currency) after the equipment loan and the additional
// services.
double monthly_value(const DataPass& p) {
  const double base =
      number(*p.cli, u"ValorNF") != 0 ? number(*p.cli, u"ValorNF") : number(*p.cli, u"ValorME");
  const double services = number_or_zero(funcs::DSum(
      p.g.conn, T("ValorServiço"), T("ClientesServiçosAdicionais"), u"CodCliente=" + p.customer));
  return base - number(*p.cli, u"ValorComodato") - services;
}

// Products of the originating budget added under loan (rented, not charged) and withdrawn.
struct ProductTotals {
  double added_quantity = 0, added_value = 0;
  double withdrawn_quantity = 0, withdrawn_loan_quantity = 0, withdrawn_loan_value = 0;
};

ProductTotals product_totals(const DataPass& p) {
  ProductTotals s;
  db::RecordsetPtr added = p.read(amendment_sql::added_products(p.budget_key));
  for (; !added->eof(); added->move_next()) {
    if (is_set(added->field(u"Cobrado"))) continue;
    s.added_quantity += number(*added, u"Quantidade");
    s.added_value += number(*added, T("TotalLíquido"));
  }
  db::RecordsetPtr withdrawn = p.read(amendment_sql::withdrawn_products(p.budget_key));
  for (; !withdrawn->eof(); withdrawn->move_next()) {
    s.withdrawn_quantity += number(*withdrawn, u"Quantidade");
    // What a sale budget withdraws was the customer's own, not lent.
    if (p.budget_sale) continue;
    s.withdrawn_loan_quantity += number(*withdrawn, u"Quantidade");
    s.withdrawn_loan_value += number(*withdrawn, u"Total");
  }
  return s;
}

// "plate - model" of the current vehicle.
Text plate_and_model(const db::Recordset& vehicle) {
  return key_text(vehicle.field(u"Placa")) + u" - " + key_text(vehicle.field(u"Modelo"));
}

// "OS SEGUINTES VEÍCULOS SERÃO ..." followed by the vehicles, "; " between them; "" without
// vehicles.
Text vehicles_sentence(TextView heading, const std::vector<Text>& vehicles) {
  Text out;
  for (const Text& v : vehicles) out += (out.empty() ? Text(heading) : Text(u"; ")) + v;
  return out;
}

// The vehicles the budget removes, each as it is registered.
std::vector<db::RecordsetPtr> removed_vehicles(const DataPass& p) {
  std::vector<db::RecordsetPtr> out;
  db::RecordsetPtr removed = p.read(amendment_sql::removed_vehicles(p.budget_key));
  for (; !removed->eof(); removed->move_next()) {
    out.push_back(
        p.read(amendment_sql::registered_vehicle(sql_key(removed->field(T("CodVeículo"))))));
  }
  return out;
}

// The new tracking value: the old value plus what the budget's vehicles add; when they
// add nothing, the amendment's new value.
double new_tracking_value(const DataPass& p) {
  db::RecordsetPtr rs = p.read(amendment_sql::new_tracking_value(p.amendment_key));
  const double computed = number(*rs, T("NovaVariável"));
  return computed != number(*rs, u"ValorNF") ? computed : number(*rs, u"NovoValorNF");
}

// vServAdExcluidos: each cancelled service with its date, "; " between them.
Text excluded_services(const DataPass& p) {
  Text out;
  db::RecordsetPtr rs = p.read(amendment_sql::excluded_services(p.customer));
  for (; !rs->eof(); rs->move_next()) {
    if (!out.empty()) out += u"; ";
    out += key_text(rs->field(u"Servico")) + u" - " +
           formatted(rs->field(u"Cancelamento"), u"dd/mm/yyyy");
  }
  return out;
}

void amendment_placeholders(DataPass& p, double active_vehicles_total) {
  Generation& g = p.g;
  const Context& ctx = *g.ctx;
  PlaceholderTable& t = p.d.table;
  auto add = [&](TextView name, Text value) { t.add(name, Variant(std::move(value))); };
  auto words = [&](double v) { return in_words(ctx, Variant(CCur(v))); };

  const Variant when = p.adt->field(u"dataaditivo");
  add(u"vDataAditivo", date_in_words(when.is_null() ? Variant(ctx.now()) : when));
  const Variant signed_on = field_or_null(*p.contract, u"Assinatura");
  if (!signed_on.is_null() && !signed_on.is_empty()) {
    const Date end = DateAdd("m", number(*p.contract, u"Prazo"), CDate(signed_on));
    add(u"vDtTerminoContrato", formatted(Variant(end), u"dd/mm/yyyy"));
  }
  const double without_loan = number(*p.cli, u"ValorNF") - number(*p.cli, u"ValorComodato");
  add(u"vValorSemComodato", money(without_loan));
  add(u"vExtensoValorSemComodato", words(without_loan));
  const double old_value = number(*p.adt, u"ValorNF");
  const double new_value = number(*p.adt, u"NovoValorNF");
  add(u"vExtensoADTValorAnterior", words(old_value));
  add(u"vExtensoADTValorNovo", words(new_value));
  add(u"vExtensoNovoPrazo", count_in_words(ctx, Variant(number(*p.adt, u"NovoPrazo"))));
  add(u"vDiferencaMensal", money(new_value - old_value));
  add(u"vExtensoDiferencaMensal", words(new_value - old_value));
  const double tracking = new_tracking_value(p);
  add(u"vRastNovoValor", money(tracking));
  add(u"vExtensoRastNovoValor", words(tracking));

  const db::Recordset& b = *p.budget;
  add(u"vNumOrcOrigem", formatted(field_or_null(b, T("NumOrçamento")), u"000000"));
  add(u"vTitOrcOrigem", key_text(field_or_null(b, u"Titulo")));
  add(u"vVlrEntradaOrcOrigem", formatted(field_or_null(b, u"ValorEntrada"), kMoney));
  add(u"vVlrComodato", formatted(field_or_null(b, u"ValorComodato"), kMoney));
  add(u"vExtVlrComodato", words(number(b, u"ValorComodato")));
  add(u"vOrcValorMensal", formatted(field_or_null(b, u"ValorMonitoramento"), kMoney));
  add(u"vExtOrcValorMensal", words(number(b, u"ValorMonitoramento")));

  add(u"vValorVeiculosAtivos", currency(active_vehicles_total));
  add(u"vExtensoValorVeiculosAtivos", words(active_vehicles_total));
  const double budget_vehicles =
      number_or_zero(funcs::DSum(g.conn, amendment_sql::budget_vehicles_value(),
                                 T("OrçamentosVeículos"), T("Planílha=") + p.budget_key));
  add(u"vValorVeiculos2", money(budget_vehicles));
  add(u"vExtensoValorVeiculos2", words(budget_vehicles));
  const double budget_monthly =
      number_or_zero(funcs::Dlookup(g.conn, amendment_sql::budget_vehicle_totals(), T("Orçamentos"),
                                    T("Planílha=") + p.budget_key));
  add(u"vValorVeiculos", money(budget_monthly));
  add(u"vExtensoValorVeiculos", words(budget_monthly));

  const ProductTotals products = product_totals(p);
  add(u"vADTValorAcresComodato", money(products.added_value));
  add(u"vADTExtensoValorAcresComodato", words(products.added_value));
  add(u"vQTDProdAcres", key_text(Format(Variant(products.added_quantity), u"0")));
  add(u"vQTDProdRet", key_text(Format(Variant(products.withdrawn_quantity), u"0")));
  add(u"vADTQtRetComodato", key_text(Format(Variant(products.withdrawn_loan_quantity), u"0")));
  add(u"vADTValorRetComodato", money(products.withdrawn_loan_value));

  std::vector<Text> added, removed;
  db::RecordsetPtr in = p.read(amendment_sql::added_vehicles(p.budget_key));
  for (; !in->eof(); in->move_next()) added.push_back(plate_and_model(*in));
  for (const db::RecordsetPtr& v : removed_vehicles(p)) {
    if (!v->eof()) removed.push_back(plate_and_model(*v));
  }
  add(u"vPlacasIncluir",
      vehicles_sentence(T("OS SEGUINTES VEÍCULOS SERÃO ACRESCENTADOS: "), added));
  add(u"vPlacasRetirar", vehicles_sentence(T("OS SEGUINTES VEÍCULOS SERÃO REMOVIDOS: "), removed));

  const double loan = number(*p.adt, u"NovoComodato");
  add(u"vSomaComodato", loan == 0 ? T("Não Contratado") : u"R$ " + money(loan));
  add(u"vServAdExcluidos", excluded_services(p));
}

// ---- lists ----------------------------------------------------------------------------------

// The customer's active vehicles that are not being cancelled, and their total.
double active_vehicles(DataPass& p) {
  db::RecordsetPtr rs = p.read(amendment_sql::active_vehicles(p.customer));
  p.d.lists.declare(amendment::active_vehicle_lists());
  build_lists(*rs, amendment::active_vehicle_lists(), p.d.lists, p.list_context());
  double total = 0;
  const ListContext context = p.list_context();
  if (rs->record_count() > 0) {
    for (rs->move_first(); !rs->eof(); rs->move_next()) {
      const LineFacts facts;
      if (amendment::vehicle_cancelled(Line(*rs, facts, context))) continue;
      total += number(*rs, T("ValorVeículo"));
    }
  }
  return total;
}

void vehicle_service_changes(DataPass& p) {
  const auto& layouts = amendment::vehicle_service_change_lists();
  p.d.lists.declare(layouts);
  db::RecordsetPtr rs = p.read(amendment_sql::vehicle_service_changes(p.amendment_key));
  build_lists(*rs, layouts, p.d.lists, p.list_context());
}

// The services before and after: the history routine, the comparison and its lists.
void services_before_and_after(DataPass& p) {
  const amendment::HistoryValues history = amendment::history_routine(p.g.conn, p.amendment_key);
  amendment::ComparisonInput in;
  in.cod_cliente = p.customer;
  in.cod_aditivo = p.amendment_key;
  in.monthly = monthly_value(p);
  in.loan = number(*p.cli, u"ValorComodato");
  in.sale = p.sale;
  in.other_currency = number(*p.cli, u"ValorNF") == 0 && number(*p.cli, u"ValorME") != 0;
  in.contract_signed = is_set(field_or_null(*p.contract, u"Assinado"));
  p.services = amendment::compare_services(p.g.conn, in, history);
  amendment::build_service_lists(p.services, p.d.lists);
}

// What the originating budget adds and withdraws.
void budget_products_and_vehicles(DataPass& p) {
  ListSet& lists = p.d.lists;
  const ListContext context = p.list_context();

  const auto& products = amendment::added_product_lists(p.lent);
  lists.declare(products);
  db::RecordsetPtr added = p.read(amendment_sql::added_products(p.budget_key));
  ListContext product_context = context;
  product_context.facts = [](const db::Recordset& rs) {
    const bool charged = is_set(rs.field(u"Cobrado"));
    return LineFacts{.rented = !charged, .charged = charged};
  };
  build_lists(*added, products, lists, product_context);

  const auto& services = amendment::added_service_lists();
  lists.declare(services);
  db::RecordsetPtr budget_services = p.read(amendment_sql::added_services(p.budget_key));
  ListContext service_context = context;
  service_context.facts = [sale = p.budget_sale](const db::Recordset& rs) {
    const bool charged = sale || is_set(rs.field(u"CobraLocado"));
    return LineFacts{.rented = !charged, .charged = charged};
  };
  build_lists(*budget_services, services, lists, service_context);

  const auto& withdrawn = amendment::withdrawn_product_lists();
  lists.declare(withdrawn);
  db::RecordsetPtr out = p.read(amendment_sql::withdrawn_products(p.budget_key));
  build_lists(*out, withdrawn, lists, context);

  const auto& vehicles_in = amendment::added_vehicle_lists();
  lists.declare(vehicles_in);
  db::RecordsetPtr in = p.read(amendment_sql::added_vehicles(p.budget_key));
  build_lists(*in, vehicles_in, lists, context);

  const auto& vehicles_out = amendment::removed_vehicle_lists();
  lists.declare(vehicles_out);
  ListBuilder builder(vehicles_out, lists, context);
  for (const db::RecordsetPtr& v : removed_vehicles(p)) {
    if (!v->eof()) builder.add(*v);
  }
  builder.finish();
}

// ---- the generator ------------------------------------------------------------------------

class Amendment : public Generator {
 public:
  explicit Amendment(const AmendmentKeys& keys) : keys_(keys) {}

  void make_working_copy(Generation& g) override {
    switch_on_ = storage_switch(g);
    working_copy_with_storage_switch(g);
    working_folder_ = funcs::SeparaArquivo(g.layout, false);
  }

  // Setting 311: keep the amendment as a Word document, unless a PDF is forced.
  bool keep_word(Generation& g) override {
    if (g.force_pdf) return false;
    return setting_number(unit_setting(g.conn, 311, g.unit, u"Codigo")) != 0;
  }

  DocumentData read(Generation& g) override {
    DocumentData d = read_amendment(g, keys_);
    customer_name_ = key_text(funcs::Dlookup(g.conn, u"Nome", u"Clientes",
                                             u"CodCliente=" + CStr(Variant(keys_.cod_cliente))));
    return d;
  }

  void apply_word(Generation& g, DocumentData& d) override { apply_amendment_word(g, d); }
  void apply_writer(Generation& g, DocumentData& d) override { apply_amendment_writer(g, d); }

  // In the unit document folder with the "(n)" counter, or beside the working copy when the
  // unit keeps its files in storage.
  Text output_path(Generation& g, OutputKind kind) override {
    const Text extension = kind == OutputKind::Doc   ? Text(u".doc")
                           : kind == OutputKind::Odt ? Text(u".odt")
                                                     : Text(u".pdf");
    const Text name =
        amendment_file_name(keys_.cod_cliente, keys_.num_aditivo, customer_name_, u"");
    if (switch_on_) return working_folder_ + name + extension;
    return free_file_name(unit_document_folder(g) + name, extension);
  }

  OutputKind writer_output(Generation& g) override {
    return g.keep_word ? OutputKind::Odt : OutputKind::Pdf;
  }

  // With the unit's storage on, the produced file is stored there too.
  void after_save(Generation& g) override {
    if (!switch_on_) return;
    Text folder;
    funcs::ManipulaArqsCopiaArquivos(g.ctx, g.conn, g.unit, g.layout, u"", folder);
  }

 private:
  AmendmentKeys keys_;
  bool switch_on_ = false;
  Text working_folder_;
  Text customer_name_;
};

}  // namespace

// ---- the data pass and the applications ----------------------------------------------------

DocumentData read_amendment(Generation& g, const AmendmentKeys& keys) {
  DataPass p(g, keys);
  p.customer = CStr(Variant(keys.cod_cliente));
  record_routine(p);
  p.sale = key_text(field_or_null(*p.cli, u"Modalidade")) == u"V";
  p.budget = p.read(amendment_sql::originating_budget(p.budget_key));
  p.budget_sale = key_text(field_or_null(*p.budget, u"Modalidade")) == u"V";
  // Read before the budget's products are listed: it decides the kind they are listed
  // under.
  p.lent = setting_number(unit_setting(g.conn, 247, g.unit, u"Codigo")) != 0;

  const double active_total = active_vehicles(p);
  amendment_placeholders(p, active_total);
  vehicle_service_changes(p);
  services_before_and_after(p);
  budget_products_and_vehicles(p);

  // The customer's equipment balance is rebuilt before it is read. The stock company
  // (Conciliadora) keeps it when the unit reconciles stock (setting 80).
  const Variant stock_company = funcs::Dlookup(g.conn, u"Conciliadora", u"Empresas",
                                               u"CodEmpresa=" + CStr(Variant(g.company)));
  const bool reconciles = setting_number(unit_setting(g.conn, 80, g.unit, u"Codigo")) != 0;
  const int32_t balance_company =
      reconciles && number_or_zero(stock_company) != 0 ? CLng(stock_company) : g.company;
  amendment::contract_placeholders_routine(p, balance_company);

  amendment::vehicle_services_tables_routine(p);
  amendment::amendment_tables_routine(p);
  amendment::service_tables_routine(p);
  return std::move(p.d);
}

void apply_amendment_word(Generation& g, DocumentData& d) {
  type_long_texts(g.word, d.long_texts);
  insert_word_tables(g.word, d);
  word_table_pass(g.word, d.table);
  type_word_lists(g.word, d.lists, amendment::list_order(d.lists));
}

void apply_amendment_writer(Generation& g, DocumentData& d) {
  add_writer_lists(d.table, d.lists, amendment::list_order(d.lists));
  // Writer takes long values whole: the long texts are ordinary rows there.
  for (const LongText& t : d.long_texts) {
    if (!d.table.find(t.placeholder)) d.table.add(t.placeholder, t.value);
  }
  insert_writer_tables(g, d);
  writer_table_pass(g.document, g.replace_descriptor, d.table);
}

Text amendment_file_name(int32_t cod_cliente, int32_t num_aditivo, TextView nome,
                         TextView extension) {
  return funcs::LimpaArquivo(key_text(Format(Variant(cod_cliente), u"0000000")) + u"-ADT" +
                             CStr(Variant(num_aditivo)) + u"-" +
                             vb::Left(funcs::TiraAcento(nome), 50) + Text(extension));
}

namespace {

Text run_amendment(const ContextPtr& ctx, const Variant& conn, int32_t unit, int32_t company,
                   int32_t cod_cliente, Text& contrato, int32_t num_aditivo, bool visualiza,
                   int16_t copias, bool forca_pdf, const Variant& data_contrato, Route member) {
  Generation g(ctx, conn, unit, company, contrato, visualiza, copias, forca_pdf);
  Amendment amendment(AmendmentKeys{cod_cliente, num_aditivo, data_contrato});
  return member == Route::Word ? run_word_member(declaration(), amendment, g)
                               : run_writer_member(declaration(), amendment, g);
}

}  // namespace

Text GeraAditivo(const ContextPtr& ctx, const Variant& connorvane, int32_t cod_unidade,
                 int32_t cod_empresa, int32_t cod_cliente, Text& contrato, int32_t num_aditivo,
                 bool visualiza, int16_t copias, bool forca_pdf, const Variant& data_contrato) {
  return run_amendment(ctx, connorvane, cod_unidade, cod_empresa, cod_cliente, contrato,
                       num_aditivo, visualiza, copias, forca_pdf, data_contrato, Route::Word);
}

Text GeraAditivoOpen(const ContextPtr& ctx, const Variant& connorvane, int32_t cod_unidade,
                     int32_t cod_empresa, int32_t cod_cliente, Text& contrato, int32_t num_aditivo,
                     bool visualiza, int16_t copias, bool forca_pdf, const Variant& data_contrato) {
  return run_amendment(ctx, connorvane, cod_unidade, cod_empresa, cod_cliente, contrato,
                       num_aditivo, visualiza, copias, forca_pdf, data_contrato, Route::Writer);
}

void add_amendment_members(component::MemberTable& t) {
  using component::opt;
  using component::ref;
  const std::vector<component::Param> params = {
      ref(u"Connorvane", VarType::Variant),
      ref(u"CodUnidade", VarType::Long),
      ref(u"CodEmpresa", VarType::Long),
      ref(u"CodCliente", VarType::Long),
      ref(u"Contrato", VarType::String),
      ref(u"NumAditivo", VarType::Long),
      ref(u"Visualiza", VarType::Boolean),
      ref(T("Cópias"), VarType::Integer),
      opt(T("ForçaPDF"), VarType::Boolean, Variant(false)),
      opt(u"DataContrato", VarType::Variant),
  };
  for (Route member : {Route::Word, Route::Writer}) {
    t.method(
        member == Route::Word ? u"GeraAditivo" : u"GeraAditivoOpen", params, VarType::String,
        [member](Object& self, component::Args& a) {
          Text contrato = a[4].text();
          Text result = run_amendment(context_of(self), a[0], a[1].lng(), a[2].lng(), a[3].lng(),
                                      contrato, a[5].lng(), a[6].boolean(), a[7].integer(),
                                      a[8].boolean(), a[9], member);
          a[4] = Variant(std::move(contrato));
          return Variant(std::move(result));
        },
        member == Route::Word
            ? "the contract amendment NumAditivo of CodCliente as PDF (or .doc); Contrato is "
              "written back with its path"
            : "the contract amendment on Writer as PDF (or .odt); Contrato is written back");
  }
}

}  // namespace orvane::docgen
