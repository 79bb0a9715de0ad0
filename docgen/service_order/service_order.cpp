#include "docgen/service_order/service_order.h"

#include <optional>

#include "core/convert.h"
#include "docgen/frame/apply.h"
#include "docgen/frame/substitution.h"
#include "docgen/frame/values.h"
#include "docgen/gera_docs_orvane.h"
#include "docgen/service_order/lists.h"
#include "docgen/service_order/observations.h"
#include "docgen/service_order/payment_terms.h"
#include "docgen/service_order/queries.h"
#include "docgen/service_order/variables.h"
#include "docgen/shared/equipment_balance.h"
#include "funcs/aggregates.h"

namespace orvane::docgen {
namespace service_order {
namespace {

const GeneratorDeclaration& declaration() {
  static const GeneratorDeclaration d{
      .word_member = u"GeraOS",
      .writer_member = u"GeraOSOpen",
      .hands_over = ends_in_odt,
      .word_missing =
          T("Não é possível gerar a impressão de OS pois não há Word instalado na máquina!"),
      .writer_missing = T("Não é possível gerar a impressão da OS pois não há Writer (OpenOffice) "
                          "instalado na máquina!"),
      .data_before_suite = false,
      .writer_tables = true,
      .writer_429_names_writer = true,
      .failure_quits_word = true,
      // A Writer document that was loaded stays open after a failure.
      .failure_closes_writer = false,
  };
  return d;
}

// The tables each suite puts in at its own moment.
const std::vector<Text>& product_table_names() {
  static const std::vector<Text> k = {u"vEquipamentosTabelaVendidos", u"vEquipamentosTabelaValores",
                                      u"vEquipamentosTabela"};
  return k;
}
const std::vector<Text>& previous_order_table_names() {
  static const std::vector<Text> k = {u"vOSsAnteriores4", u"vOSsAnteriores2", u"vOSsAnteriores3",
                                      u"vOSsAnteriores"};
  return k;
}

// The order, its customer and its company must exist: reading a record that is not there
// fails as the host's field access does (3021).
void require_record(const db::Recordset& rs) { rs.field(0); }

// The address the order is delivered at (ClientesEndereços) replaces the customer's own
// in the "Cli." address rows.
void apply_delivery_address(const Variant& conn, PlaceholderTable& table,
                            const Variant& cod_endereco) {
  if (cod_endereco.is_null()) return;
  const Text filter = u"CodInterno=" + key_text(cod_endereco);
  const std::pair<Text, Text> fields[] = {{T("Cli.Endereço"), T("Endereço")},
                                          {u"Cli.NumCasa", u"NumCasa"},
                                          {u"Cli.Bairro", u"Bairro"},
                                          {u"Cli.Cidade", u"Cidade"},
                                          {u"Cli.Estado", u"Estado"},
                                          {u"Cli.CEP", u"CEP"},
                                          {T("Cli.ComplEndereço"), u"Complemento"}};
  for (const auto& [row, column] : fields) {
    table.replace_value(row, funcs::Dlookup(conn, column, T("ClientesEndereços"), filter));
  }
}

// The monitoring account the lists of users, contacts and zones keep to: the order's
// CentralSIGMA unless it is empty or 0 (then every account of the customer).
Text account_key(const db::Recordset& order) {
  const Text central = key_text(order.field(u"CentralSIGMA"));
  return central == u"0" ? Text() : central;
}

// "LOCAÇÃO" (the customer's ValorComodato) and "MONITORAMENTO MENSAL" (ValorNF, or ValorME
// when that is 0, less the rental) close vCliServ, each with quantity 1 and its value as
// unit and total, under the columns of the service lines.
void add_rental_and_monitoring(ListLines& list, const db::Recordset& customer) {
  const double rental = number_or_zero(customer.field(u"ValorComodato"));
  double monthly = number_or_zero(customer.field(u"ValorNF"));
  if (monthly == 0) monthly = number_or_zero(customer.field(u"ValorME"));
  monthly -= rental;
  auto line = [&](TextView name, double value) {
    const Text v = formatted(Variant(CCur(Variant(value))), u"#,##0.00");
    list.add(Text(name) + u"\t\t\t" + formatted(Variant(int32_t{1}), u"#,##0.00") + u"\t" + v +
             u"\t" + v);
  };
  if (rental > 0) line(T("LOCAÇÃO"), rental);
  if (monthly > 0) line(u"MONITORAMENTO MENSAL", monthly);
}

// The vehicles of the order, each followed in vVeiculosRastChip by its trackers and chips.
void build_vehicle_lists(const OrderVehicles& v, ListSet& lists, const ListContext& context) {
  ListBuilder vehicles(vehicle_lists(), lists, context);
  db::Recordset& rs = *v.vehicles;
  size_t i = 0;
  if (rs.record_count() > 0) {
    for (rs.move_first(); !rs.eof(); rs.move_next(), ++i) {
      vehicles.add(rs);
      build_lists(*v.trackers.at(i), tracker_lists(), lists, context);
      build_lists(*v.chips.at(i), chip_lists(), lists, context);
    }
  }
  vehicles.finish();
}

// The payment terms, when the order or its imported budget names a condition; without one
// the condition's query is not run and the list stays empty.
void build_payment_terms(Generation& g, const db::Recordset& order, const Variant& budget,
                         ListLines& list) {
  const Variant condition = payment_condition(g.conn, order, budget);
  if (condition.is_null()) return;
  db::RecordsetPtr rs = open_recordset(g, payment_condition_sql(key_text(condition)));
  if (rs->eof()) return;
  const Currency amount = money_or_zero(order.field(u"TotalProdutos")) +
                          money_or_zero(order.field(T("TotalServiços"))) +
                          money_or_zero(order.field(u"ValorCREA"));
  // Due dates count from the closing of the order, or from today while it is open.
  const Variant& closed = order.field(u"DataFechamento");
  const Date base = closed.is_null() ? g.ctx->now() : CDate(closed);
  add_payment_terms(list, *rs, amount, Date(static_cast<double>(base.day_number())));
}

void build_budget_services(Generation& g, const Variant& budget, ListSet& lists,
                           const ListContext& context) {
  // An order without an imported budget reads the services of budget 0: none.
  const Text key = key_text(funcs::NZ(budget, Variant(int32_t{0})));
  build_lists(*open_recordset(g, budget_services_sql(key)), budget_service_lists(), lists, context);
  db::RecordsetPtr named = open_recordset(g, budget_services_with_names_sql(key));
  build_lists(*named, budget_named_service_lists(), lists, context);
  ListSet names;
  names.declare(budget_service_names());
  build_lists(*named, budget_service_names(), names, context);
  const ListLines& joined = names[u"vListaServOrc"];
  if (joined.count() > 0) lists[u"vListaServOrc"].add(joined.joined_between(u", "));
}

}  // namespace

bool abre_os_word(const Variant& conn, int32_t cod_unidade) {
  return CBool(funcs::NZ(
      funcs::Dlookup(conn, u"AbreOSWord", u"Unidades", u"CodUnidade=" + CStr(Variant(cod_unidade))),
      Variant(false)));
}

OrderData read(Generation& g, int32_t planilha) {
  OrderData data;
  DocumentData& d = data.document;
  PlaceholderTable& table = d.table;
  const Text key = CStr(Variant(planilha));

  // Main records.
  db::RecordsetPtr order = open_recordset(g, order_sql(key));
  db::RecordsetPtr customer = open_recordset(g, customer_sql(key_text(order->field(u"Cliente"))));
  require_record(*customer);
  db::RecordsetPtr company = open_recordset(g, company_sql(key_text(order->field(u"Empresa"))));
  require_record(*company);

  if (g.route == Route::Word) {
    d.long_texts = DocWordSubstObservacoes(*order, *customer);
  } else {
    table.add(T("OSs.ObservaçõesFechamento"), order->field(T("ObservaçõesFechamento")));
  }
  AdicionaCamposLista(*order, u"OS.", table, 1);
  AdicionaCamposLista(*customer, u"Cli.", table, 1);
  const int32_t price_table = CLng(funcs::NZ(order->field(u"CodTabela"), Variant(int32_t{0})));
  apply_delivery_address(g.conn, table, order->field(T("CodEndereço")));
  AdicionaCamposLista(*company, u"Emp.", table, 1);

  // Computed placeholders, with the sources the lists read again.
  const Variant budget = imported_budget(g.conn, key);
  db::RecordsetPtr services = open_recordset(g, services_sql(key));
  db::RecordsetPtr products = open_recordset(
      g, products_sql(key, CLng(funcs::NZ(order->field(u"OrdemProdutos"), Variant(int32_t{0})))));
  const OrderVehicles vehicles = read_order_vehicles(g, key);
  AdicionaVariaveisOS(g.conn, table,
                      OrderSources{.order = *order,
                                   .customer = *customer,
                                   .imported_budget = budget,
                                   .products_gross = products_gross(*products),
                                   .services_gross = services_gross(*services),
                                   .vehicles = vehicles,
                                   .route = g.route});

  // Lists, declared in one place so that each exists (and is applied) even when empty.
  ListSet& lists = d.lists;
  for (const auto* layouts :
       {&technician_lists(), &visit_lists(), &customer_service_lists(), &service_lists(),
        &product_lists(), &removal_lists(), &access_lists(), &contact_lists(), &zone_lists(),
        &vehicle_lists(), &tracker_lists(), &chip_lists(), &removed_vehicle_lists(),
        &budget_service_lists(), &budget_named_service_lists(), &checklist_lists(),
        &installed_lists()}) {
    lists.declare(*layouts);
  }
  ListLines& conditions = lists.declare(T("vCondições"), kConditionLines);
  lists.declare(u"vListaServOrc", kListLines);

  // The products' selected cost reads the call's company and the order's price table.
  const ListContext context{
      .conn = g.conn,
      .ctx = g.ctx,
      .unit = g.unit,
      .values = {{u"CodEmpresa", Variant(g.company)}, {u"CodTabela", Variant(price_table)}}};
  ListContext charged = context;
  charged.facts = charged_line;
  const Text cliente = key_text(order->field(u"Cliente"));

  const Variant technician = funcs::Dlookup(g.conn, u"Nome", u"Clientes",
                                            u"CodCliente=" + key_text(order->field(T("Técnico"))));
  if (!technician.is_null()) lists[u"vTecnicos"].add(vb::UCase(key_text(technician)));
  build_lists(*open_recordset(g, auxiliary_technicians_sql(key)), technician_lists(), lists,
              context);
  build_lists(*open_recordset(g, visits_sql(key)), visit_lists(), lists, context);
  build_lists(*open_recordset(g, customer_services_sql(cliente)), customer_service_lists(), lists,
              context);
  add_rental_and_monitoring(lists[u"vCliServ"], *customer);
  build_lists(*services, service_lists(), lists, charged);
  build_lists(*products, product_lists(), lists, charged);
  for (const TableLayout& t : product_tables())
    d.tables.push_back(build_table(*products, t, charged));
  build_lists(*open_recordset(g, products_to_remove_sql(key)), removal_lists(), lists, context);

  const Text chave = account_key(*order);
  build_lists(*open_recordset(g, accesses_sql(cliente, chave)), access_lists(), lists, context);
  build_lists(*open_recordset(g, contacts_sql(cliente, chave)), contact_lists(), lists, context);
  build_lists(*open_recordset(g, zones_sql(cliente, chave)), zone_lists(), lists, context);

  build_vehicle_lists(vehicles, lists, context);
  build_lists(*open_recordset(g, vehicles_to_remove_sql(key)), removed_vehicle_lists(), lists,
              context);

  build_payment_terms(g, *order, budget, conditions);
  build_budget_services(g, budget, lists, context);

  const Variant& checklist = order->field(u"CodCheckList");
  if (!checklist.is_null()) {
    build_lists(*open_recordset(g, checklist_sql(key_text(checklist))), checklist_lists(), lists,
                context);
  }
  if (g.route == Route::Word) data.masked = masked_observations(*order);

  // The installed equipment is read from the balance, rebuilt first.
  AtualizaProdutosCliente(g.conn, g.unit, g.company, CLng(order->field(u"Cliente")));
  build_lists(*open_recordset(g, installed_products_sql(cliente)), installed_lists(), lists,
              context);
  data.chips.declare(customer_chip_lists());
  build_lists(*open_recordset(g, customer_chips_sql(cliente)), customer_chip_lists(), data.chips,
              context);

  // Tables, in the order the Writer route inserts them (see lists.h).
  d.tables.push_back(
      build_table(*open_recordset(g, vehicles_table_sql(cliente, key)), vehicles_table(), context));
  const Text cod_interno = key_text(order->field(u"CodInterno"));
  d.tables.push_back(
      build_table(*open_recordset(g, previous_orders_detailed_sql(cliente, cod_interno)),
                  previous_orders_detailed_table(), context));
  d.tables.push_back(
      build_table(*open_recordset(g, previous_orders_short_sql(cliente, cod_interno)),
                  previous_orders_short_table(), context));
  d.tables.push_back(build_table(
      *open_recordset(g, previous_orders_of_account_sql(cliente, cod_interno, chave,
                                                        key_text(order->field(T("Partição"))))),
      previous_orders_of_account_table(), context));
  d.tables.push_back(build_table(*open_recordset(g, previous_orders_sql(cliente, cod_interno)),
                                 previous_orders_table(), context));
  return data;
}

void apply_word(Generation& g, DocumentData& d, const std::vector<LongText>& masked,
                const ListSet& chips) {
  type_long_texts(g.word, d.long_texts);  // before any placeholder row is applied
  insert_word_tables(g.word, d, product_table_names());
  type_long_texts(g.word, masked);
  word_table_pass(g.word, d.table);
  insert_word_tables(g.word, d, {u"vTabelaVeiculos"});
  type_word_lists(g.word, d.lists);
  insert_word_tables(g.word, d, previous_order_table_names());
  type_word_lists(g.word, chips);
}

void apply_writer(Generation& g, DocumentData& d, const ListSet& chips) {
  // The tables first: the list rows would replace inside "vEquipamentosTabela...".
  insert_writer_tables(g, d);
  add_writer_lists(d.table, d.lists);
  add_writer_lists(d.table, chips);
  writer_table_pass(g.document, g.replace_descriptor, d.table);
}

void apply_word(Generation& g, OrderData& d) { apply_word(g, d.document, d.masked, d.chips); }
void apply_writer(Generation& g, OrderData& d) { apply_writer(g, d.document, d.chips); }

namespace {

class ServiceOrder : public Generator {
 public:
  explicit ServiceOrder(int32_t planilha) : planilha_(planilha) {}

  // Units that keep service orders as Word documents save a ".doc" (Word) and leave the
  // Writer document open on preview.
  bool keep_word(Generation& g) override { return abre(g); }
  bool preview_keeps_writer_open(Generation& g) override { return abre(g); }

  Text output_path(Generation& g, OutputKind kind) override {
    if (g.route == Route::Writer) return writer_pdf_name(g.layout);
    return Generator::output_path(g, kind);
  }

  DocumentData read(Generation& g) override {
    OrderData data = service_order::read(g, planilha_);
    masked_ = std::move(data.masked);
    chips_ = std::move(data.chips);
    return std::move(data.document);
  }
  void apply_word(Generation& g, DocumentData& d) override {
    service_order::apply_word(g, d, masked_, chips_);
  }
  void apply_writer(Generation& g, DocumentData& d) override {
    service_order::apply_writer(g, d, chips_);
  }

 private:
  bool abre(Generation& g) {
    if (!abre_os_word_) abre_os_word_ = abre_os_word(g.conn, g.unit);
    return *abre_os_word_;
  }

  int32_t planilha_;
  std::optional<bool> abre_os_word_;
  std::vector<LongText> masked_;
  ListSet chips_;
};

}  // namespace
}  // namespace service_order

Text GeraOS(const ContextPtr& ctx, const Variant& connorvane, int32_t cod_unidade,
            int32_t cod_empresa, int32_t planilha, Text& layout_ordem, bool visualiza,
            int16_t copias) {
  Generation g(ctx, connorvane, cod_unidade, cod_empresa, layout_ordem, visualiza, copias);
  service_order::ServiceOrder order(planilha);
  return run_word_member(service_order::declaration(), order, g);
}

Text GeraOSOpen(const ContextPtr& ctx, const Variant& connorvane, int32_t cod_unidade,
                int32_t cod_empresa, int32_t planilha, Text& layout_ordem, bool visualiza,
                int16_t copias) {
  Generation g(ctx, connorvane, cod_unidade, cod_empresa, layout_ordem, visualiza, copias);
  service_order::ServiceOrder order(planilha);
  return run_writer_member(service_order::declaration(), order, g);
}

void add_service_order_members(component::MemberTable& t) {
  using component::ref;
  using Member =
      Text (*)(const ContextPtr&, const Variant&, int32_t, int32_t, int32_t, Text&, bool, int16_t);
  auto add = [&](TextView name, Member member, const char* help) {
    t.method(
        Text(name),
        {ref(u"Connorvane", VarType::Variant), ref(u"CodUnidade", VarType::Long),
         ref(u"CodEmpresa", VarType::Long), ref(T("Planílha"), VarType::Long),
         ref(u"LayoutOrdem", VarType::String), ref(u"Visualiza", VarType::Boolean),
         ref(T("Cópias"), VarType::Integer)},
        VarType::String,
        [member](Object& self, component::Args& a) {
          Text layout = a[4].text();
          Text result = member(context_of(self), a[0], a[1].lng(), a[2].lng(), a[3].lng(), layout,
                               a[5].boolean(), a[6].integer());
          a[4] = Variant(std::move(layout));
          return Variant(std::move(result));
        },
        help);
  };
  add(u"GeraOS", &GeraOS,
      "the service order as PDF (or .doc) from a Word template; an .odt template goes to "
      "GeraOSOpen; LayoutOrdem is written back with the produced file's path");
  add(u"GeraOSOpen", &GeraOSOpen,
      "the service order as PDF from a Writer template; LayoutOrdem is written back with the "
      "produced file's path");
}

}  // namespace orvane::docgen
