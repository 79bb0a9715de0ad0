// The contract's data pass: one reading of the database shared by both suites, routine by
// routine in the order the rows are entered. On Writer every row replaces substrings in row
// order, so where one placeholder begins another the longer is entered first.
#include <vector>

#include "core/convert.h"
#include "core/error.h"
#include "core/format.h"
#include "docgen/contract/contract.h"
#include "docgen/contract/customer_tax.h"
#include "docgen/contract/lists.h"
#include "docgen/contract/queries.h"
#include "docgen/frame/values.h"
#include "docgen/shared/budget_vehicles.h"
#include "docgen/shared/contract_equipment.h"
#include "docgen/shared/contract_keys.h"
#include "docgen/shared/contract_lists.h"
#include "docgen/shared/contract_queries.h"
#include "docgen/shared/contract_services.h"
#include "docgen/shared/contract_values.h"
#include "docgen/shared/contract_vehicle.h"
#include "docgen/shared/digital_acceptance.h"
#include "docgen/shared/ownership_transfer.h"
#include "docgen/shared/payment_conditions.h"
#include "docgen/shared/receivables.h"
#include "funcs/aggregates.h"
#include "funcs/unitchecks.h"
#include "funcs/wording.h"

namespace orvane::docgen {
namespace {

namespace sql = contract_sql;

// The contract's placeholder table holds up to 10 000 rows.
constexpr int32_t kTableRows = 10000;

Variant field(const db::Recordset& rs, const char* name) {
  return rs.eof() ? Variant() : rs.field(T(name));
}

Text money(Currency c) { return CStr(Format(Variant(c), u"#,##0.00")); }

// A record the contract cannot be made without: reading it on no row is the error the
// database gives for that (3021).
void require_record(const db::Recordset& rs) {
  if (rs.eof()) (void)rs.field(0);
}

// The records and their state, read once and used by the routines below.
struct Records {
  db::RecordsetPtr customer, contract, vehicle, post;
};

class ContractReader {
 public:
  ContractReader(Generation& g, const ContractArguments& a) : g_(g), a_(a), d_(kTableRows) {
    k_.conn = g.conn;
    k_.ctx = g.ctx;
    k_.unit = g.unit;
    k_.company = g.company;
    k_.customer = a.cod_cliente;
    k_.budget_filter = a.filtro_orc;
  }

  DocumentData read() {
    declare_lists();
    records_routine();
    cancellation_routine();
    debts_routine();
    vehicle_routine();
    add_payment_marks(k_, *r_.customer, table());
    values_routine();
    equipment_and_services_routine();
    customer_vehicles_routine();
    receivables_routine();
    contract_details_routine();
    totals_routine();
    writer_texts_routine();
    observation_routine();
    return std::move(d_);
  }

 private:
  PlaceholderTable& table() { return d_.table; }
  ListContext list_context() const {
    return ListContext{.conn = g_.conn, .ctx = g_.ctx, .unit = g_.unit};
  }
  Text code() const { return k_.customer_text(); }

  // Records: the customer ("Cli."), the contract ("Contr."), the first vehicle ("GR."),
  // the company ("EMP."), the acceptance ("ACT."), the vehicle ("VEI.") and the post
  // ("POSTO."). Without a vehicle or post their queries find nothing and their
  // placeholders come out empty, so one template serves every cancellation.
  void records_routine() {
    r_.customer = k_.open(sql::customer(code()));
    require_record(*r_.customer);
    AdicionaCamposLista(*r_.customer, u"Cli.", table());

    r_.contract = k_.open(sql::contract_record(code()));
    require_record(*r_.contract);
    // Before the record's own rows: "Contr.Prazo" would replace inside it on Writer.
    const Variant prazo = r_.contract->field(u"Prazo");
    table().add(u"Contr.PrazoExtenso",
                Variant(key_text(prazo).empty() ? Text() : count_in_words(*g_.ctx, prazo)));
    AdicionaCamposLista(*r_.contract, u"Contr.", table());

    AdicionaCamposLista(*k_.open(sql::first_vehicle(code())), u"GR.", table());

    Text company = key_text(field(*r_.customer, "Empresa"));
    if (company.empty()) company = CStr(Variant(g_.company));
    AdicionaCamposLista(*k_.open(sql::company(company)), u"EMP.", table());

    // The contract is accepted with the budget it came from.
    const Text origin = key_text(field(*r_.customer, "OrçamentoOrigem"));
    const Variant id_aceite = origin.empty() ? Variant()
                                             : funcs::Dlookup(g_.conn, u"idAceite", T("Orçamentos"),
                                                              T("Planílha=") + origin);
    add_acceptance_record(g_.conn, table(), id_aceite);

    r_.vehicle = k_.open(sql::vehicle(CStr(Variant(a_.cod_veiculo))));
    AdicionaCamposLista(*r_.vehicle, u"VEI.", table());
    r_.post = k_.open(sql::post(CStr(Variant(a_.cod_posto))));
    AdicionaCamposLista(*r_.post, u"POSTO.", table());
  }

  // The cancellation of the customer, or of the vehicle or the post given ("CANC."), its
  // amounts and its two receivable lists.
  void cancellation_routine() {
    db::RecordsetPtr c =
        a_.cod_veiculo != 0 ? k_.open(sql::vehicle_cancellation(CStr(Variant(a_.cod_veiculo))))
        : a_.cod_posto != 0 ? k_.open(sql::post_cancellation(CStr(Variant(a_.cod_posto))))
                            : k_.open(sql::customer_cancellation(code()));
    AdicionaCamposLista(*c, u"CANC.", table());
    const Variant proportional = field(*c, "ValorProporcional");
    table().add(u"vMesCancelamento", Variant(formatted(field(*c, "DataConfirmação"), u"mmmm")));
    table().add(u"vExtCancProporcional",
                Variant(c->eof() ? Text() : in_words(*g_.ctx, proportional)));
    table().add(u"vTotVlrCancelamento",
                Variant(c->eof() ? Text()
                                 : money(money_or_zero(field(*c, "ValorMulta")) +
                                         money_or_zero(proportional))));

    const ListContext context = list_context();
    auto receivables = [&](const char* planilha, size_t list) {
      const Text key = key_text(field(*c, planilha));
      if (key.empty()) return;
      db::RecordsetPtr rs = k_.open(sql::cancellation_receivables(key));
      const std::vector<ListLayout> one = {cancellation_receivable_lists()[list]};
      build_lists(*rs, one, d_.lists, context);
    };
    receivables("Planílha", 0);
    receivables("PlanílhaMulta", 1);

    table().add(T("vDataConfirmação"),
                Variant(date_with_month_name(
                    funcs::Dlookup(g_.conn, T("DataConfirmação"), u"ClientesCancelamentos",
                                   u"CodCliente=" + code() + u" And StatusCancelamento='A'"))));
    table().add(u"vMotivoCancelamento", Variant(key_text(field(*c, "MotCanc"))));
    cancellation_notes_ = Variant(key_text(field(*c, "Observações")));
  }

  // What the customer owes.
  void debts_routine() {
    const Currency balance =
        money_or_zero(funcs::DSum(g_.conn, u"Saldo", u"ContasReceber", u"Cliente=" + code()));
    table().add(u"vSaldoDevedor", Variant(money(balance)));
    table().add(u"vQtdeDuplDevedor", funcs::NZ(funcs::DCount(g_.conn, u"*", u"ContasReceber",
                                                             u"Saldo>0 And Cliente=" + code()),
                                               Variant(int32_t{0})));
    table().add(u"vExtSaldoDevedor", Variant(in_words(*g_.ctx, Variant(balance))));
    table().add(u"vMultaVencimento",
                Variant(formatted(funcs::DMin(g_.conn, u"Vencimento", u"ContasReceber",
                                              T("Operação='CancContr' And Cliente=") + code()),
                                  u"dd/mm/yyyy")));
  }

  // The vehicle given, its tracker and chip through their links, and the vehicle counts.
  void vehicle_routine() {
    table().add(T("vVeiculoGRQuantidadeOrçamento"),
                funcs::NZ(funcs::DSum(g_.conn, u"VeiculosQuantidade", T("Orçamentos"),
                                      T("Status Not In ('A', 'P', 'C') And Modalidade='R' And "
                                        "Cliente=") +
                                          code() + k_.and_budget_filter()),
                          Variant(int32_t{0})));
    const Variant vehicle = a_.cod_veiculo != 0 ? Variant(a_.cod_veiculo) : Variant();
    add_vehicle_placeholders(k_, *r_.vehicle, devices_through_links(k_, vehicle), table());
  }

  void values_routine() {
    add_contract_values(k_, *r_.customer, *r_.contract, a_.data_contrato, contract_channel_words(),
                        table());
  }

  // Every list exists from the start: one whose source has no rows is applied empty.
  void declare_lists() {
    d_.lists.declare(cancellation_receivable_lists());
    declare_equipment_lists(d_.lists);
    declare_service_lists(d_.lists);
    d_.lists.declare(budget_vehicle_lists());
    for (const auto* layouts :
         {&customer_vehicle_lists(), &vehicle_service_lists(), &tracker_lists(), &chip_lists()}) {
      d_.lists.declare(*layouts);
    }
    declare_payment_condition_lists(d_.lists);
  }

  // The equipment and services of the approved budgets and the customer's additional
  // services.
  void equipment_and_services_routine() {
    installed_equipment_routine(k_, d_.lists);
    sale_total_ = equipment_with_kind_routine(k_, d_.lists, table());
    grouped_services_routine(k_, d_.lists);
    budget_additional_services_routine(
        k_, contract_sql::approved_budgets_of(code(), k_.and_budget_filter()), d_.lists);
    customer_services_routine(k_, *r_.customer, d_.lists, table());
    budget_vehicles_routine(k_, d_.lists, table());
  }

  // The customer's active vehicles, their services and trackers, and the chips it is billed
  // for in batch.
  void customer_vehicles_routine() {
    const ListContext context = list_context();
    build_lists(*k_.open(sql::customer_vehicles(code())), customer_vehicle_lists(), d_.lists,
                context);
    build_lists(*k_.open(sql::vehicle_services(code())), vehicle_service_lists(), d_.lists,
                context);
    db::RecordsetPtr trackers = k_.open(sql::trackers(code()));
    build_lists(*trackers, tracker_lists(), d_.lists, context);
    table().add(u"vVeiculoGRContaOrc", Variant(trackers->record_count()));
    build_lists(*k_.open(sql::batch_chips(code())), chip_lists(), d_.lists, context);
  }

  // The receivables with interest, the equipment and service tables, and the payment
  // conditions of the origin budget (or of vPlaOrc).
  void receivables_routine() {
    const InterestRates rates = interest_rates(k_);
    for (TableContent& t : receivable_tables_content(k_, rates)) d_.tables.push_back(std::move(t));
    add_receivable_totals(k_, rates, table());
    d_.tables.push_back(equipment_kind_table_content(k_));
    for (TableContent& t : customer_service_tables(k_, *r_.customer)) {
      d_.tables.push_back(std::move(t));
    }
    if (!conditions_budget().empty()) {
      db::RecordsetPtr b = k_.open(sql::origin_budget(conditions_budget()));
      if (!b->eof()) {
        payment_conditions_routine(*g_.ctx, g_.conn, g_.unit, b->field(T("Planílha")),
                                   b->field(u"FormaPagto"), b->field(T("CondiçãoPagto")), d_.lists);
      }
    }
  }

  // The budget whose payment conditions the contract lists: vPlaOrc when given, else the
  // customer's origin budget.
  Text conditions_budget() const {
    if (a_.v_pla_orc != 0) return CStr(Variant(a_.v_pla_orc));
    return key_text(field(*r_.customer, "OrçamentoOrigem"));
  }

  // The contract details: the people of the contract, the customer's net value, the origin
  // budget, contacts, posts, and the tables of the budgets' products, the equipment
  // balance, the vehicles and the head office.
  void contract_details_routine() {
    const Context& ctx = *g_.ctx;
    const db::Recordset& c = *r_.customer;
    add_people_placeholders(k_, c, table());
    const Currency net = customer_net_value(g_.conn, g_.company, a_.cod_cliente);
    table().add(u"vValorLiquido", Variant(CStr(Format(Variant(net), u"Currency"))));
    table().add(u"vExtensoValorLiquido", Variant(in_words(ctx, Variant(net))));
    const bool sale = key_text(field(c, "Modalidade")) == u"V";
    table().add(u"vTituloTermo",
                Variant(T("TERMO DE ADESÃO E FICHA CADASTRAL AO CONTRATO PARTICULAR DE PRESTAÇÃO "
                          "DE SERVIÇOS DE MONITORAMENTO") +
                        (sale ? Text() : T(" COM EQUIPAMENTOS CEDIDOS EM LOCAÇÃO"))));
    table().add(u"vSenhaOnLine", Variant(funcs::DecripSenha(key_text(field(c, "SenhaOnLine")))));
    const Text billing = key_text(field(c, "TipoFaturamento"));
    table().add(u"vTipoFaturamento",
                Variant(billing.empty() ? Text()
                                        : key_text(funcs::Dlookup(
                                              g_.conn, u"TipoFaturamento", u"TiposFaturamento",
                                              u"CodTipoFaturamento=" + billing))));
    origin_budget_details();
    installments_details();
    contacts_details();
    post_details();
    budget_tables();
  }

  // The budget the contract came from: its number, title, entry, observations, the service
  // orders that imported it, and the vehicle it transferred from another owner.
  void origin_budget_details() {
    const Text origin = key_text(field(*r_.customer, "OrçamentoOrigem"));
    db::RecordsetPtr b = k_.open(sql::origin_budget(origin.empty() ? Text(u"0") : origin));
    table().add(u"vVlrEntradaOrcOrigem",
                Variant(formatted(field(*b, "ValorEntrada"), u"#,##0.00")));
    table().add(u"vNumOrcOrigem", Variant(formatted(field(*b, "NumOrçamento"), u"000000")));
    table().add(u"vTitOrcOrigem", Variant(key_text(field(*b, "Titulo"))));
    table().add(u"vObsOrcOrigem", Variant(key_text(field(*b, "Observ"))));
    table().add(u"vObsFechamentoOrcOrigem", Variant(key_text(field(*b, "ObsFechamento"))));
    Text orders;
    if (!b->eof()) {
      db::RecordsetPtr o = k_.open(sql::imported_service_orders(origin));
      for (; !o->eof(); o->move_next()) {
        orders += (orders.empty() ? u"" : u", ") + formatted(o->field(u"Ordem"), u"000000");
      }
    }
    table().add(u"vOSsVincOrc", Variant(orders));
    ownership_transfer_routine(g_.conn, table(), field(*b, "CodClienteOrigemTrocaTitularidade"),
                               field(*b, "CodVeículoTrocaTitularidade"),
                               b->eof() ? Variant() : Variant(origin));
  }

  // The sale total of the approved budgets in the installments of the conditions budget.
  void installments_details() {
    sale_installments_routine(k_, conditions_budget(), sale_total_, table());
  }

  // The active contacts of the customer or of its prospect.
  void contacts_details() {
    db::RecordsetPtr rs = k_.open(sql::contacts(code()));
    Text names;
    for (; !rs->eof(); rs->move_next()) {
      const Text phone = key_text(rs->field(u"Fone1"));
      names += (names.empty() ? u"" : u", ") + key_text(rs->field(u"Nome")) +
               (phone.empty() ? Text() : u" " + phone);
    }
    table().add(u"vContatos", Variant(names));
    d_.tables.push_back(build_table(*rs, contacts_table(), list_context()));
    Text notes;
    db::RecordsetPtr n =
        k_.open(sql::budget_additional_service_notes(code(), k_.and_budget_filter()));
    for (; !n->eof(); n->move_next()) {
      notes += (notes.empty() ? u"" : u", ") + key_text(n->field(T("Observações")));
    }
    table().add(u"vOrcObsServAd", Variant(notes));
  }

  // The posts' current services (the post given, or every post of the customer).
  void post_details() {
    db::RecordsetPtr rs = k_.open(sql::post_services(code(), CStr(Variant(a_.cod_posto))));
    Text services;
    for (; !rs->eof(); rs->move_next()) {
      services += (services.empty() ? u"" : u", ") + formatted(rs->field(u"Quantidade"), u"0") +
                  u" " + key_text(rs->field(T("Descrição")));
    }
    table().add(T("vPostosServiços"), Variant(services));
    d_.tables.push_back(build_table(*rs, post_services_table(), list_context()));
    const Currency monthly =
        money_or_zero(a_.cod_posto != 0 ? field(*r_.post, "ValorMensal")
                                        : funcs::DSum(g_.conn, u"ValorMensal", u"ClientesPostos",
                                                      u"CodCliente=" + code()));
    table().add(u"vExtensoValorPosto", Variant(in_words(*g_.ctx, Variant(monthly))));
  }

  // The tables of the approved budgets' products, the equipment balance, the vehicles, the
  // budgets' additional services and, for a branch, what its head office receives.
  void budget_tables() {
    const Text filter = k_.and_budget_filter();
    ListContext lines = list_context();
    lines.facts = charged_line_facts;
    db::RecordsetPtr charged = k_.open(sql::budget_lines_with_kind(code(), filter));
    for (const TableLayout& t : budget_line_tables())
      d_.tables.push_back(build_table(*charged, t, lines));

    db::RecordsetPtr balance = k_.open(sql::equipment_balance(code()));
    for (const TableLayout& t : balance_tables()) {
      d_.tables.push_back(build_table(*balance, t, list_context()));
    }

    ListContext groups = lines;
    groups.group_field = u"Grupo";
    groups.grouping = true;
    db::RecordsetPtr products = k_.open(sql::budget_products(code(), filter));
    d_.tables.push_back(build_table(*products, grouped_products_table(), groups));
    d_.tables.push_back(build_table(*products, product_photo_table(), groups));

    d_.tables.push_back(
        build_table(*k_.open(sql::customer_vehicles(code())), vehicles_table(), list_context()));
    d_.tables.push_back(build_table(
        *k_.open(sql::grouped_budget_additional_services(sql::approved_budgets_of(code(), filter))),
        budget_additional_service_table(), list_context()));
    d_.tables.push_back(build_table(*k_.open(sql::customer_additional_services(code())),
                                    customer_services_table(), list_context()));

    // A branch's head office: the products delivered there and the services each generates.
    const bool branch = number_or_zero(field(*r_.customer, "CodCadastroMatriz")) != 0;
    d_.tables.push_back(build_table(*k_.open(sql::head_office_products(code(), filter)),
                                    head_office_products_table(), list_context(), branch));
    for (bool head_office : {true, false}) {
      db::RecordsetPtr rs = k_.open(sql::head_office_services(code(), filter, head_office));
      d_.tables.push_back(
          build_table(*rs, head_office_services_table(head_office), list_context(), branch));
      Currency total;
      if (branch && rs->record_count() > 0) {
        for (rs->move_first(); !rs->eof(); rs->move_next()) {
          total = total + money_or_zero(rs->field(T("ValorServiço")));
        }
      }
      const Text suffix = head_office ? Text(u"Matriz") : Text(u"Filial");
      table().add(u"vExtTotOrcServ" + suffix,
                  Variant(branch ? in_words(*g_.ctx, Variant(total)) : Text()));
      table().add(u"vTotOrcServ" + suffix, Variant(branch ? money(total) : Text()));
    }
  }

  // Monthly, annual and loyalty values, the bonus months, the referrer.
  void totals_routine() {
    const Context& ctx = *g_.ctx;
    const db::Recordset& c = *r_.customer;
    const Currency budgets =
        money_or_zero(k_.open(sql::budgets_monthly(code(), k_.and_budget_filter()))->field(0)) +
        money_or_zero(
            k_.open(sql::budgets_additional_services(code(), k_.and_budget_filter()))->field(0));
    table().add(u"vOrcValorMensal", Variant(money(budgets)));
    table().add(u"vExtensoOrcValorMensal", Variant(in_words(ctx, Variant(budgets))));

    std::vector<Text> months;
    Currency bonus;
    db::RecordsetPtr b = k_.open(sql::bonuses(code()));
    for (; !b->eof(); b->move_next()) {
      months.push_back(formatted(b->field(u"Data"), u"mmmm/yyyy"));
      bonus = bonus + money_or_zero(b->field(u"ValorDespesa"));
    }
    table().add(u"vBonificaMeses", Variant(join_with_and(months)));
    table().add(u"vBonificaValor", Variant(money(bonus)));

    const bool sale = key_text(field(c, "Modalidade")) == u"V";
    table().add(u"vEVenda", Variant(sale ? Text(u"Sim") : T("Não")));
    table().add(
        T("vMêsReajuste"),
        Variant(funcs::NomeMês(static_cast<int16_t>(number_or_zero(field(c, "MêsReajuste"))))));
    const Variant referrer =
        funcs::Dlookup(g_.conn, u"Indicante", u"Prospects", u"CodCliente=" + code());
    table().add(u"vIndicante",
                Variant(key_text(referrer).empty()
                            ? Text()
                            : key_text(funcs::Dlookup(g_.conn, u"Nome", u"Clientes",
                                                      u"CodCliente=" + key_text(referrer)))));

    const int32_t months_of_term = contract_months(*r_.contract);
    const Currency nf = money_or_zero(field(c, "ValorNF"));
    const Currency comodato = money_or_zero(field(c, "ValorComodato"));
    const Currency services = customer_services_total(k_);
    const Currency monitoring = nf - comodato - services;
    auto times_term = [&](Currency v) {
      return Currency::from_double(v.to_double() * months_of_term);
    };
    auto pair = [&](const char* figure, const char* words, Currency v) {
      table().add(T(figure), Variant(money(v)));
      table().add(T(words), Variant(in_words(ctx, Variant(v))));
    };
    pair("vValorTotalComodato", "vExtensoValorTotalComodato", times_term(comodato));
    pair("vValorTotalMonitoramento", "vExtensoValorTotalMonitoramento", times_term(monitoring));
    pair("vValorSemComodato", "vExtensoValorSemComodato", nf - comodato);
    pair("vTotalMonitoramentoServAd", "vExtensoTotalMonitoramentoServAd",
         times_term(monitoring + services));
  }

  // The communication clauses, the annexes and the 13th instalment. The Writer variant's
  // routine; the Word variant gets the clauses too (its annexes stay empty).
  void writer_texts_routine() {
    const db::Recordset& c = *r_.contract;
    std::vector<Text> sentences, clauses;
    if (is_set(field(c, "Fone"))) {
      clauses.push_back(u"4.3");
      sentences.push_back(T("tendo optado pelo sistema de comunicação VIA TELEFONE, e de acordo "
                            "com o serviço de manutenção do mesmo, elege como horário diário do "
                            "teste as ") +
                          key_text(field(c, "HoraTeste")) + u" horas");
    }
    if (is_set(field(c, "Radio"))) {
      const int32_t hours = CLng(Variant(number_or_zero(field(c, "TesteRadio"))));
      const Text words =
          hours == 1 ? Text(u"uma") : vb::LCase(count_in_words(*g_.ctx, Variant(hours)));
      clauses.push_back(u"4.5");
      sentences.push_back(T("tendo optado pelo sistema de comunicação VIA RÁDIO, e de acordo com "
                            "o serviço de manutenção do mesmo, elege a periodicidade do teste de "
                            "linha a cada ") +
                          CStr(Variant(hours)) + u" (" + words + u") " +
                          (hours == 1 ? Text(u"hora") : Text(u"horas")));
    }
    if (is_set(field(c, "GPRS"))) {
      clauses.push_back(u"4.4");
      sentences.push_back(
          T("tendo optado pelo sistema de comunicação VIA GPRS, e de acordo com o "
            "serviço de manutenção do mesmo, terá testes constantes e automáticos"));
    }
    if (is_set(field(c, "Internet"))) {
      clauses.push_back(u"4.6");
      sentences.push_back(T("tendo optado pelo sistema de comunicação VIA INTERNET/IP com conexão "
                            "através de ") +
                          key_text(field(c, "TipoInternet")) +
                          T(", e de acordo com o serviço de manutenção do mesmo, terá testes "
                            "constantes e automáticos"));
    }
    // The clauses may run past what Word replaces at once: typed whole, as the observations.
    d_.long_texts.push_back({u"vClausula64", Variant(join_with_and(sentences))});
    // The Word variant leaves the annexes empty.
    table().add(u"vAnexos", Variant(g_.route == Route::Writer ? join_with_and(clauses) : Text()));
    d_.long_texts.push_back(
        {u"vTextoDecimo",
         Variant(is_set(field(c, "Decimo"))
                     ? T("Fica estabelecido entre as partes que serão pagas pela "
                         "CONTRATANTE à CONTRATADA, 13 (Treze) parcelas anuais, sendo que "
                         "uma fica a título de complementação dos serviços prestados, que "
                         "será paga juntamente com a mensalidade de Dezembro de cada ano, "
                         "tendo como vencimento todo mês de Janeiro.")
                     : Text())});
  }

  // The cancellation's and the budgets' observations, typed whole on Word.
  void observation_routine() {
    d_.long_texts.push_back({u"vCancObserva", cancellation_notes_});
    d_.long_texts.push_back({u"vOrcObserv", Variant(budgets_observations_text(k_))});
  }

  Generation& g_;
  const ContractArguments& a_;
  ContractKeys k_;
  DocumentData d_;
  Records r_;
  Variant cancellation_notes_;
  Currency sale_total_;
};

}  // namespace

DocumentData read_contract(Generation& g, const ContractArguments& a) {
  return ContractReader(g, a).read();
}

}  // namespace orvane::docgen
