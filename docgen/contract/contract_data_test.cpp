// The contract's data pass on the demo database, without a suite: the placeholder table and
// the lists read back for the customers whose data exercise each rule.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/convert.h"
#include "docgen/contract/contract.h"
#include "docgen/contract/customer_tax.h"
#include "platform/db/db.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

using orvane::testing::RecordingContext;
using orvane::testing::TempDir;

class ContractData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir();
    orvane::testing::demo_database(*dir_);
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }
  Variant conn() {
    if (!conn_) conn_ = db::open_connection(from_utf8(dir_->str() + "demo.db"), rec_.ctx);
    return db::as_variant(conn_);
  }

  // The data pass for `customer` as the member would run it for `unit` on `route`.
  DocumentData read(int32_t customer, int32_t unit = 301, Route route = Route::Word,
                    ContractArguments a = {}) {
    a.cod_cliente = customer;
    a.cod_unidade = unit;
    a.cod_empresa = 1;
    Text layout = u"Contract.dll";
    Generation g(rec_.ctx, conn(), unit, 1, layout, false, 0);
    g.route = route;
    return read_contract(g, a);
  }
  static Text value(const DocumentData& d, const char* placeholder) {
    const Variant* v = d.table.find(T(placeholder));
    if (!v) ADD_FAILURE() << "no row " << placeholder;
    return v && !v->is_null() && !v->is_empty() ? CStr(*v) : Text();
  }
  static Text long_text(const DocumentData& d, const char* placeholder) {
    for (const LongText& t : d.long_texts) {
      if (t.placeholder == T(placeholder)) return t.value.is_null() ? Text() : CStr(t.value);
    }
    ADD_FAILURE() << "no long text " << placeholder;
    return Text();
  }
  static std::vector<Text> lines(const DocumentData& d, const char* list) {
    std::vector<Text> out;
    const ListLines& l = d.lists[T(list)];
    for (int32_t i = 1; i <= l.count(); ++i) out.push_back(l.line(i));
    return out;
  }

  static inline TempDir* dir_ = nullptr;
  RecordingContext rec_;
  db::ConnectionPtr conn_;
};

#define EXPECT_ROW(d, name, expected) EXPECT_EQ(value(d, name), T(expected)) << name

TEST_F(ContractData, ValuesOfARentalContract) {
  const DocumentData d = read(1042);
  EXPECT_ROW(d, "vExtensoValorNF", "Duzentos e sessenta e quatro reais e setenta centavos");
  EXPECT_ROW(d, "vValorAnual", "3.176,40");
  EXPECT_ROW(d, "vValorTotalContrato", "9.529,20");  // 36 months
  // 264,70 less 60,00 of rental and 64,80 of services.
  EXPECT_ROW(d, "vValorMonitoramento", "139,90");
  EXPECT_ROW(d, "vExtensoValorMonitoramento", "Cento e trinta e nove reais e noventa centavos");
  EXPECT_ROW(d, "vValorSemAdicionais", "199,90");
  EXPECT_ROW(d, "vIndiceReajuste", "IGP-M (FGV)");
  EXPECT_ROW(d, "vAvisoDisparo", "Deseja ser avisado em todo disparo de alarme");
  EXPECT_ROW(d, "vModalidade", "LOCAÇÃO");
  EXPECT_ROW(d, "vServSNComodato", "Sim");
  EXPECT_ROW(d, "vExtensoValorChip", "Dezenove reais e noventa centavos");
  EXPECT_ROW(d, "vFinalContrato", "09/04/2028");
  EXPECT_ROW(d, "vFinal2Contrato", "10/04/2028");
  EXPECT_ROW(d, "vDiaVencimento", "10");
  EXPECT_ROW(d, "vExtensoDiaVencimento", "Dez");
  EXPECT_ROW(d, "vExtensoPrimeiroFaturamento", "10 de abril de 2025");
  EXPECT_ROW(d, "vExtensoTempoPreventiva", "Seis");
  EXPECT_ROW(d, "vExtensoMêsReajuste", "Março");
  EXPECT_ROW(d, "vDataContrato", "10 de Março de 2025");  // the signature
  EXPECT_ROW(d, "vInvDataContrato", "10/03/2025");
  EXPECT_ROW(d, "vDataExtenso", "05 de dezembro de 2026");
  EXPECT_ROW(d, "vComunicação", "Telefone, GPRS e Internet/IP");
  EXPECT_ROW(d, "vCPFVendedor", "618.305.742-80");
  EXPECT_ROW(d, "vEmpTrabalha", "Hospital Vera Cruz");
  EXPECT_ROW(d, "vFormaPagtoOrcOrigem", "Entrada 0/30/60");
  EXPECT_ROW(d, "Contr.PrazoExtenso", "Trinta e seis");
  // Payment by automatic debit.
  EXPECT_ROW(d, "vXDbt", "X");
  EXPECT_ROW(d, "vXBlto", "");
  EXPECT_ROW(d, "vBancoDbt", "Itaú Unibanco");
  EXPECT_ROW(d, "vAgênciaDbt", "0412");
  EXPECT_ROW(d, "vExtensoFormaPagto", "Débito automático em conta");
  // Totals routine.
  EXPECT_ROW(d, "vBonificaMeses", "janeiro/2026 e fevereiro/2026");
  EXPECT_ROW(d, "vBonificaValor", "329,50");
  EXPECT_ROW(d, "vIndicante", "PADARIA E CONFEITARIA SANTA EDWIGES LTDA");
  EXPECT_ROW(d, "vEVenda", "Não");
  EXPECT_ROW(d, "vValorTotalComodato", "2.160,00");
  EXPECT_ROW(d, "vValorSemComodato", "204,70");
  EXPECT_ROW(d, "vTipoPessoa", "física");
  EXPECT_ROW(d, "vEstadoCivil", "CASADO(A)");
  EXPECT_ROW(d, "vEstadoCivilRepresentante", "NÃO INFORMADO");

  // A date given by the caller wins over the signature.
  ContractArguments a;
  a.data_contrato = Variant(Date::from_parts(2026, 12, 1));
  EXPECT_ROW(read(1042, 301, Route::Word, a), "vDataContrato", "01 de Dezembro de 2026");
}

TEST_F(ContractData, ValuesOfASaleAndOfATrackingContract) {
  const DocumentData bakery = read(1057);
  EXPECT_ROW(bakery, "vModalidade", "VENDA");
  EXPECT_ROW(bakery, "vServSNComodato", "Não");
  EXPECT_ROW(bakery, "vEVenda", "Sim");
  EXPECT_ROW(bakery, "vXBlto", "X");
  EXPECT_ROW(bakery, "vCPFRepresentante", "834.752.019-41");
  EXPECT_ROW(bakery, "vCPFRepresentante2", "312.648.257-06");
  EXPECT_ROW(bakery, "vTipoPessoa", "jurídica");

  const DocumentData carrier = read(1063, 740);
  EXPECT_ROW(carrier, "vComunicação", "GPRS e Satélite");
  EXPECT_ROW(carrier, "vIndiceReajuste", "IPCA (IBGE)");
  EXPECT_ROW(carrier, "EMP.CidadeForo", "NOVA LIMA");
  EXPECT_ROW(carrier, "GR.Placa", "QPD4F21");
  // A CPF kept as bare digits is written with its points and hyphen.
  const DocumentData condo = read(1160);
  EXPECT_ROW(condo, "vCPFRepresentante", "417.295.638-64");
  EXPECT_ROW(condo, "vEstadoCivilRepresentante", "DIVORCIADO(A)");
  EXPECT_ROW(condo, "vEstadoCivilRepresentante2", "NÃO INFORMADO");
  EXPECT_ROW(condo, "vCliAtividade", "Condomínio residencial");
  EXPECT_ROW(condo, "vIndiceReajuste", "IGP-M (FGV)");  // the unit's default index
  // Without a form of its own the company's default one (the bank slip).
  const DocumentData market = read(1162, 616);
  EXPECT_ROW(market, "vXBlto", "X");
  EXPECT_ROW(market, "vDiaVencimento", "25");            // DiaVcto when DiaVencimento is empty
  EXPECT_ROW(market, "vIndiceReajuste", "IPCA (IBGE)");  // the unit's default index
}

TEST_F(ContractData, ZeroMonitoringReadsByTheUnit) {
  // 94,80 = 45,00 of rental + 49,80 of services.
  EXPECT_ROW(read(1163, 301), "vValorMonitoramento", "Não Contratado");
  EXPECT_ROW(read(1163, 301), "vExtensoValorMonitoramento", "Não Contratado");
  const DocumentData brelis = read(1163, 740);
  EXPECT_ROW(brelis, "vValorMonitoramento", "0,00");
  EXPECT_ROW(brelis, "vValorSemAdicionais", "45,00");
  // A term of 0 months counts 12, from today when there is no first invoice.
  EXPECT_ROW(brelis, "vValorTotalContrato", "1.137,60");
  EXPECT_ROW(brelis, "vFinalContrato", "04/12/2027");
  EXPECT_ROW(brelis, "Contr.PrazoExtenso", "");
}

TEST_F(ContractData, ChannelClausesAndTheThirteenthInstalment) {
  const DocumentData writer = read(1057, 301, Route::Writer);
  EXPECT_EQ(long_text(writer, "vClausula64"),
            T("tendo optado pelo sistema de comunicação VIA TELEFONE, e de acordo com o serviço "
              "de manutenção do mesmo, elege como horário diário do teste as 07:30 horas, tendo "
              "optado pelo sistema de comunicação VIA RÁDIO, e de acordo com o serviço de "
              "manutenção do mesmo, elege a periodicidade do teste de linha a cada 24 (vinte e "
              "quatro) horas e tendo optado pelo sistema de comunicação VIA GPRS, e de acordo "
              "com o serviço de manutenção do mesmo, terá testes constantes e automáticos"));
  EXPECT_ROW(writer, "vAnexos", "4.3, 4.5 e 4.4");
  EXPECT_NE(long_text(writer, "vTextoDecimo").find(T("13 (Treze) parcelas anuais")), Text::npos);
  // The Word variant leaves the annexes empty.
  EXPECT_ROW(read(1057), "vAnexos", "");

  const DocumentData hourly = read(1160, 301, Route::Writer);
  const Text clauses = long_text(hourly, "vClausula64");
  EXPECT_NE(clauses.find(T("a cada 1 (uma) hora e tendo optado pelo sistema de comunicação VIA "
                           "INTERNET/IP com conexão através de rádio enlace dedicado, e de "
                           "acordo")),
            Text::npos)
      << to_utf8(clauses);
  EXPECT_ROW(hourly, "vAnexos", "4.5 e 4.6");
  EXPECT_EQ(long_text(hourly, "vTextoDecimo"), u"");
}

TEST_F(ContractData, CustomerTaxesAgainstTheirRates) {
  // 1057 (company 1, withholds keeping ISS: setting 330 on): ISS 2 % of 199,70 = 3,994 ->
  // 3,99; IRPF 1,5 % = 2,9955 -> 3,00; PIS 0,65 % = 1,29805 -> 1,30; COFINS 3 % = 5,991 ->
  // 5,99; CSLL 1 % = 1,997 -> 2,00. 199,70 - 16,28.
  EXPECT_EQ(customer_net_value(conn(), 1, 1057), Currency::from_double(183.42));
  EXPECT_ROW(read(1057), "vValorLiquido", "R$ 183,42");
  EXPECT_ROW(read(1057), "vExtensoValorLiquido",
             "Cento e oitenta e tres reais e quarenta e dois centavos");
  // 1063 (no ISS): INSS 11 % of 603,30 = 66,363 cut to 66,36; IRPF 9,0495 -> 9,05; PIS
  // 3,92145 -> 3,92; COFINS 18,099 -> 18,10; CSLL 6,033 -> 6,03.
  EXPECT_EQ(customer_net_value(conn(), 2, 1063), Currency::from_double(499.84));
  // 1160, a company that does not keep ISS: company 1 withholds it (setting 170), company 2
  // does not. ISS 2 % of 389,40 = 7,788 -> 7,79; INSS 42,834 -> 42,83.
  EXPECT_EQ(customer_net_value(conn(), 1, 1160), Currency::from_double(338.78));
  EXPECT_EQ(customer_net_value(conn(), 2, 1160), Currency::from_double(346.57));
  // 1161 keeps ISS: setting 330 decides (on for company 1, off for company 2).
  EXPECT_EQ(customer_net_value(conn(), 1, 1161), Currency::from_double(155.10));
  EXPECT_EQ(customer_net_value(conn(), 2, 1161), Currency::from_double(159.90));
  // An individual: setting 323 (off for company 1, on for company 2, which rounds by ABNT).
  db::connection_of(conn())->execute(
      u"Update Clientes Set DISS=1, BaseISS='94,80', ISS=5 Where CodCliente=1163");
  EXPECT_EQ(customer_net_value(conn(), 1, 1163), Currency::from_double(94.80));
  EXPECT_EQ(customer_net_value(conn(), 2, 1163), Currency::from_double(90.06));
  db::connection_of(conn())->execute(u"Update Clientes Set DISS=0 Where CodCliente=1163");
  // Nothing withheld: the invoice itself.
  EXPECT_EQ(customer_net_value(conn(), 1, 1042), Currency::from_double(264.70));
}

TEST_F(ContractData, CancellationOfTheCustomer) {
  const DocumentData d = read(1057);
  EXPECT_ROW(d, "CANC.MotCanc", "MUDANÇA DE ENDEREÇO DO ESTABELECIMENTO");
  EXPECT_ROW(d, "vMesCancelamento", "novembro");
  EXPECT_ROW(d, "vExtCancProporcional", "Noventa e tres reais e dezenove centavos");
  EXPECT_ROW(d, "vTotVlrCancelamento", "692,29");
  EXPECT_ROW(d, "vDataConfirmação", "28 de Novembro de 2026");
  EXPECT_ROW(d, "vMotivoCancelamento", "Mudança de endereço do estabelecimento");
  EXPECT_EQ(lines(d, "vCancListaProporcional"),
            (std::vector<Text>{u"880012/1\t15/12/2026\tR$ 93,19"}));
  EXPECT_EQ(lines(d, "vCancListaMulta"), (std::vector<Text>{u"880013/1\t15/12/2026\tR$ 199,70",
                                                            u"880013/2\t15/01/2027\tR$ 199,70",
                                                            u"880013/3\t15/02/2027\tR$ 199,70"}));
  EXPECT_NE(long_text(d, "vCancObserva").find(T("parcelada em três vezes")), Text::npos);
  EXPECT_ROW(d, "vMultaVencimento", "15/12/2026");
  // A customer whose cancellation was withdrawn has none.
  const DocumentData none = read(1042);
  EXPECT_ROW(none, "CANC.MotCanc", "");
  EXPECT_ROW(none, "vTotVlrCancelamento", "");
  EXPECT_TRUE(lines(none, "vCancListaMulta").empty());
}

TEST_F(ContractData, CancellationOfAVehicleWithItsTrackerAndChip) {
  ContractArguments a;
  a.cod_veiculo = 4;
  const DocumentData d = read(1063, 740, Route::Word, a);
  EXPECT_ROW(d, "VEI.Placa", "PXT8C19");
  EXPECT_ROW(d, "CANC.MotCanc", "VEÍCULO VENDIDO");
  EXPECT_ROW(d, "vTotVlrCancelamento", "221,75");  // 41,95 + 179,80
  EXPECT_EQ(lines(d, "vCancListaProporcional"),
            (std::vector<Text>{u"880020/1\t05/12/2026\tR$ 41,95"}));
  EXPECT_EQ(lines(d, "vCancListaMulta").size(), 2u);
  EXPECT_ROW(d, "vVeiculoGRTecnico", "Wanderson Luiz Pacheco");
  EXPECT_ROW(d, "vVeiculoGRRastreador", "V2861585040124190 - ST4305");
  EXPECT_ROW(d, "vVeiculoGRFoneChip", "(31) 99703-6621");
  EXPECT_ROW(d, "vVeiculoGRSerialChip", "89551093144010301127");
  EXPECT_ROW(d, "vVeiculoInclusaoExtenso", "04 de agosto de 2025");
  EXPECT_ROW(d, "vVeiculoCombustivel", "BICOMBUSTIVEL");
  EXPECT_ROW(d, "vVeiculoTipoBloqueio", "Sem bloqueio");
  EXPECT_ROW(d, "vVeiculoGRQuantidade", "4");
  EXPECT_ROW(d, "vVeiculoGRQuantidadeOrçamento", "5");  // budgets 20040 and 20063
  // The customer's own cancellation is none: nothing confirmed.
  EXPECT_ROW(d, "vDataConfirmação", "");
}

TEST_F(ContractData, CancellationOfAPost) {
  ContractArguments a;
  a.cod_posto = 2;
  const DocumentData d = read(1063, 740, Route::Word, a);
  EXPECT_ROW(d, "POSTO.Identificação", "PORTARIA FILIAL BETIM");
  EXPECT_ROW(d, "CANC.StatusCancelamento", "P");
  EXPECT_ROW(d, "vTotVlrCancelamento", "4.266,67");
  EXPECT_EQ(lines(d, "vCancListaMulta"), (std::vector<Text>{u"880023/1\t20/01/2027\tR$ 3.200,00"}));
  // Without a vehicle its placeholders are there, empty.
  EXPECT_ROW(d, "VEI.Placa", "");
  EXPECT_ROW(d, "vVeiculoGRRastreador", "");
}

TEST_F(ContractData, DebtsOfTheCustomer) {
  const DocumentData d = read(1042);
  // Three monthly invoices, two service-order installments and a visit.
  EXPECT_ROW(d, "vSaldoDevedor", "1.418,30");
  EXPECT_ROW(d, "vQtdeDuplDevedor", "6");
  EXPECT_ROW(d, "vExtSaldoDevedor", "Um mil, quatrocentos e dezoito reais e trinta centavos");
  EXPECT_ROW(d, "vMultaVencimento", "");
}

// On Writer every row replaces substrings in row order: no computed placeholder may contain
// one entered before it, lists and long texts included (they follow the rows).
TEST_F(ContractData, NoComputedPlaceholderEatsALaterOne) {
  for (int32_t customer : {1042, 1057, 1063}) {
    const DocumentData d = read(customer, 301, Route::Writer);
    std::vector<Text> names;
    for (int32_t r = 1; r <= d.table.counter(); ++r) {
      if (d.table.text(r).rfind(u"v", 0) == 0) names.push_back(vb::LCase(d.table.text(r)));
    }
    for (const LongText& t : d.long_texts) names.push_back(vb::LCase(t.placeholder));
    std::vector<Text> lists;
    for (const ListLines& l : d.lists.all()) lists.push_back(vb::LCase(l.placeholder()));
    std::stable_sort(lists.begin(), lists.end(),
                     [](const Text& a, const Text& b) { return a.size() > b.size(); });
    names.insert(names.end(), lists.begin(), lists.end());
    for (size_t i = 0; i < names.size(); ++i) {
      for (size_t j = i + 1; j < names.size(); ++j) {
        if (names[j] != names[i]) {
          EXPECT_EQ(names[j].find(names[i]), Text::npos)
              << to_utf8(names[i]) << " comes before " << to_utf8(names[j]);
        }
      }
    }
  }
}

TEST_F(ContractData, BadKeysAreErrors) {
  // No customer, and a staff member without a contract record.
  for (int32_t customer : {4242, 9001}) {
    try {
      read(customer);
      FAIL() << customer;
    } catch (const VbError& e) {
      EXPECT_EQ(e.number(), 3021) << customer;
    }
  }
  ContractArguments a;
  a.filtro_orc = u"Orçamentos.Planilha ==";
  EXPECT_THROW(read(1042, 301, Route::Word, a), VbError);
}

}  // namespace
}  // namespace orvane::docgen
