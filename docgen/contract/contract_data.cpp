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
#include "docgen/shared/contract_keys.h"
#include "docgen/shared/contract_values.h"
#include "docgen/shared/contract_vehicle.h"
#include "docgen/shared/digital_acceptance.h"
#include "funcs/aggregates.h"
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
    records_routine();
    cancellation_routine();
    debts_routine();
    vehicle_routine();
    add_payment_marks(k_, *r_.customer, table());
    values_routine();
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

    d_.lists.declare(cancellation_receivable_lists());
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

  // The contract details: the people of the contract, the customer's net value.
  void contract_details_routine() {
    add_people_placeholders(k_, *r_.customer, table());
    const Currency net = customer_net_value(g_.conn, g_.company, a_.cod_cliente);
    table().add(u"vValorLiquido", Variant(CStr(Format(Variant(net), u"Currency"))));
    table().add(u"vExtensoValorLiquido", Variant(in_words(*g_.ctx, Variant(net))));
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
    Text notes;
    db::RecordsetPtr b = k_.open(sql::budgets_observations(code(), k_.and_budget_filter()));
    for (; !b->eof(); b->move_next()) {
      const Text o = vb::Trim(key_text(b->field(u"Observ")));
      if (o.empty()) continue;
      if (!notes.empty()) notes += u" ";
      notes += o;
    }
    d_.long_texts.push_back({u"vCancObserva", cancellation_notes_});
    d_.long_texts.push_back({u"vOrcObserv", Variant(notes)});
  }

  Generation& g_;
  const ContractArguments& a_;
  ContractKeys k_;
  DocumentData d_;
  Records r_;
  Variant cancellation_notes_;
};

}  // namespace

DocumentData read_contract(Generation& g, const ContractArguments& a) {
  return ContractReader(g, a).read();
}

}  // namespace orvane::docgen
