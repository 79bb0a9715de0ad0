// The contract's data pass on the demo database, without a suite: the placeholder table and
// the lists read back for the customers whose data exercise each rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "core/convert.h"
#include "core/format.h"
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

// ---- lists, tables and the details --------------------------------------------------------

static const TableContent& table_of(const DocumentData& d, const char* placeholder) {
  const TableContent* t = d.table_content(T(placeholder));
  if (!t) throw std::runtime_error(std::string("no table ") + placeholder);
  return *t;
}

static std::vector<Text> row_texts(const TableContent& t, size_t block, size_t row) {
  std::vector<Text> out;
  for (const TableCell& c : t.blocks.at(block).rows.at(row)) out.push_back(c.text);
  return out;
}

TEST_F(ContractData, EquipmentOfTheApprovedBudgetsWithKindAndTotals) {
  const DocumentData d = read(1042);
  const std::vector<Text> tavlo = lines(d, "vEquipamentosTavlo");
  ASSERT_EQ(tavlo.size(), 14u);  // budgets 20051 and 20066
  // The alternative description when the product has one; the kind by charge and unit.
  EXPECT_EQ(tavlo[0], T("Central de alarme monitorada de 18 zonas com Ethernet e GPRS\t1,0\t"
                        "R$ 689,00\tR$ 689,00\tLOCADO"));
  EXPECT_EQ(tavlo[4], T("BOTÃO DE PÂNICO SEM FIO XAP 8000\t1,0\tR$ 69,90\tR$ 69,90\tVENDA"));
  EXPECT_EQ(lines(d, "vEquipamentosTavloLocados").size(), 9u);
  EXPECT_EQ(lines(d, "vVendidosOrçamento").size(), 5u);
  EXPECT_EQ(lines(d, "vLocadosOrçamento4")[0],
            T("1,0\tCENTRAL DE ALARME AMT 2018 E SMART\tLavanderia"));
  EXPECT_EQ(lines(d, "vVendidosOrçamento3").back(), T("Total Líquido\t\t616,70"));
  // Installed by the service orders, and the balance rebuilt from them.
  EXPECT_EQ(lines(d, "vInstalados"),
            (std::vector<Text>{T("001014\tBOTÃO DE PÂNICO SEM FIO XAP 8000\t1,0\tUN"),
                               u"001011\tCABO COAXIAL BIPOLAR 4MM\t40,0\tM"}));
  EXPECT_EQ(lines(d, "vLocadosTelealarme").size(), 8u);
  EXPECT_EQ(lines(d, "vVendidosTelealarme").size(), 2u);
  // 121 items; lent 2.025,70 + 1.815,00; sold 616,70 of 628,70; services 593,00 + 340,00.
  EXPECT_ROW(d, "vEquipTavloQtdade", "121,0");
  EXPECT_ROW(d, "vEquipTavloComodato", "3.840,70");
  EXPECT_ROW(d, "vEquipExtensoTavloComodato",
             "Tres mil, oitocentos e quarenta reais e setenta centavos");
  EXPECT_ROW(d, "vEquipTavloVendaBruto", "628,70");
  EXPECT_ROW(d, "vEquipTavloVenda", "616,70");
  EXPECT_ROW(d, "vEquipTavloServiços", "933,00");
  EXPECT_ROW(d, "vEquipTavloPercDesconto", "1,91%");
  EXPECT_ROW(d, "vEquipTavloTotalVenda", "R$ 1.549,70");
  EXPECT_ROW(d, "vEquipTavloTotal", "R$ 5.390,40");
  EXPECT_ROW(d, "vTotalComCrea", "R$ 1.584,70");  // with 20066's freight
  EXPECT_ROW(d, "vTotalVenda", "1.549,70");
  EXPECT_ROW(d, "vNumOrcSelecionado", "001187, 001205");
  EXPECT_EQ(lines(d, "vListaOrcamentos")[0], u"001187\tR$ 197,90\tR$ 593,00\tR$ 0,00\tR$ 0,00");
  const TableContent& table = table_of(d, "vTabelaEquipamentosTavlo");
  EXPECT_EQ(row_texts(table, 0, table.blocks[0].rows.size() - 1),
            (std::vector<Text>{u"Total: ", u"", u"", u"R$ 4.457,40", u""}));
  // The spare tracker lent to the carrier.
  EXPECT_EQ(lines(read(1063, 740), "vEmprestados"),
            (std::vector<Text>{u"001012\tRASTREADOR GPS/4G ST4305\t1,0"}));
}

TEST_F(ContractData, KindWordsFollowTheUnit) {
  auto kinds = [&](int32_t unit) {
    std::vector<Text> out;
    for (const Text& l : lines(read(1162, unit), "vEquipamentosTavlo3")) {
      out.push_back(l.substr(l.rfind(u'\t') + 1));
    }
    return out;
  };
  // Unit 616 lends its equipment (TestaDortam), as do 530, 535, 716, 848 and 952.
  EXPECT_EQ(kinds(616), (std::vector<Text>{u"COMODATO", u"COMODATO", u"VENDA"}));
  EXPECT_EQ(kinds(952), (std::vector<Text>{u"COMODATO", u"COMODATO", u"VENDA"}));
  EXPECT_EQ(kinds(301), (std::vector<Text>{u"LOCADO", u"LOCADO", u"VENDA"}));
}

TEST_F(ContractData, BudgetFilterNarrowsEveryBudgetList) {
  ContractArguments a;
  a.filtro_orc = T("Orçamentos.Planílha=20051");
  const DocumentData all = read(1042);
  const DocumentData one = read(1042, 301, Route::Word, a);
  const std::pair<const char*, size_t> narrowed[] = {
      {"vEquipamentosTavlo", 9},  {"vVendidosOrçamento", 2}, {"vLocadosOrçamento", 7},
      {"vListaOrcamentos", 1},    {"vOrcServiços", 2},       {"vOrcServAd", 2},
      {"vEquipamentosTavlo4", 9}, {"vListaValorVeiOrc", 1}};
  for (const auto& [list, count] : narrowed) {
    EXPECT_EQ(lines(one, list).size(), count) << list;
    EXPECT_GT(lines(all, list).size(), count) << list;
  }
  EXPECT_ROW(one, "vNumOrcSelecionado", "001187");
  EXPECT_ROW(one, "vOrcValorMensal", "264,70");
  EXPECT_ROW(all, "vOrcValorMensal", "589,50");
  EXPECT_EQ(table_of(one, "vTabelaLocadosOrçamento").blocks[0].rows.size(), 8u);  // 7 + total
  EXPECT_EQ(long_text(one, "vOrcObserv").find(T("Câmeras")), Text::npos);
  EXPECT_NE(long_text(all, "vOrcObserv").find(T("Câmeras")), Text::npos);
  // A condition naming a column that does not exist is the database's error.
  a.filtro_orc = u"Orçamentos.NaoExiste=1";
  EXPECT_THROW(read(1042, 301, Route::Word, a), VbError);
}

// Each receivable's value with interest, computed here from the demo clock (05/12/2026):
// the fine once and the daily interest for each day past due.
static Currency with_interest(double saldo, int days, double fine, double daily) {
  if (days <= 0) return Currency::from_double(saldo);
  return Currency::from_double(saldo + Round(saldo * fine / 100, 2) +
                               Round(saldo * daily / 100, 2) * days);
}

TEST_F(ContractData, ReceivablesWithInterestAtTheCallsClock) {
  auto rs = db::connection_of(conn())->execute(
      u"Select Saldo, Vencimento From ContasReceber Where Saldo>0 And Cliente=1042");
  Currency original, expected;
  const Date today = Date::from_parts(2026, 12, 5);
  for (; !rs->eof(); rs->move_next()) {
    const double saldo = CDbl(rs->field(u"Saldo"));
    const int days =
        static_cast<int>(CDate(rs->field(u"Vencimento")).day_number() - today.day_number()) * -1;
    original = original + Currency::from_double(saldo);
    expected = expected + with_interest(saldo, days, 2, 0.033);  // settings 85 and 18 of 301
  }
  const DocumentData d = read(1042);
  EXPECT_ROW(d, "vVlrDuplicatasOriginal", "R$ 1.418,30");
  EXPECT_EQ(value(d, "vVlrDuplicatasJuros"), CStr(Format(Variant(expected), u"Currency")));
  EXPECT_EQ(expected, Currency::from_double(1438.52));
  const TableContent& all = table_of(d, "vListaDuplicatas");
  EXPECT_EQ(row_texts(all, 0, 0),
            (std::vector<Text>{u"012071", u"01", u"10/10/2026", u"R$ 264,70", u"R$ 275,03"}));
  EXPECT_EQ(all.blocks[0].rows.back()[4].text, u"R$ 1.438,52");
  EXPECT_EQ(table_of(d, "vListaDuplicatasFaturamento").blocks[0].rows.size(), 3u);  // 2 + total
  EXPECT_EQ(row_texts(table_of(d, "vListaDuplicatasOS"), 0, 0),
            (std::vector<Text>{u"004990", u"01", u"20/11/2026", u"R$ 95,00", u"R$ 97,35"}));

  // Unit 634 charges 10 % and "0,05" a day: 159,90 of 10/11/2026, 25 days late, is
  // 159,90 + 15,99 + 0,08 x 25; the December one is not due yet.
  const DocumentData clinic = read(1161, 634);
  EXPECT_EQ(
      value(clinic, "vVlrDuplicatasJuros"),
      CStr(Format(Variant(with_interest(159.90, 25, 10, 0.05) + Currency::from_double(159.90)),
                  u"Currency")));
  EXPECT_ROW(clinic, "vVlrDuplicatasJuros", "R$ 337,79");

  // A receivable without a due date keeps its line, the date and the interest empty.
  db::connection_of(conn())->execute(
      T("Insert Into ContasReceber (CodInterno, Empresa, Cliente, Número, Letra, Operação, Saldo) "
        "Values (1399999, 1, 1163, 9999, '1', 'FatMensal', 10)"));
  const DocumentData person = read(1163);
  db::connection_of(conn())->execute(u"Delete From ContasReceber Where CodInterno=1399999");
  EXPECT_EQ(row_texts(table_of(person, "vListaDuplicatas"), 0, 0),
            (std::vector<Text>{u"009999", u"01", u"", u"R$ 10,00", u"R$ 10,00"}));
}

TEST_F(ContractData, CustomerServicesByKind) {
  const DocumentData d = read(1042);
  EXPECT_ROW(d, "vServAD1", "R$ 49,90");
  EXPECT_ROW(d, "vServQtAD1", "1");
  EXPECT_ROW(d, "vServADUnit1", "49,90");
  EXPECT_ROW(d, "vServExtAD1", "Quarenta e nove reais e noventa centavos");
  EXPECT_ROW(d, "vServSN1", "Sim");
  EXPECT_ROW(d, "vServAD2", "Não Contratado");
  EXPECT_ROW(d, "vServSN2", "Não");
  EXPECT_ROW(d, "vServComodato", "R$ 60,00");
  EXPECT_ROW(d, "vAdicionais", "64,80");
  EXPECT_EQ(lines(d, "vServAdLista"),
            (std::vector<Text>{T("APLICATIVO DE CELULAR (ARME/DESARME), PRONTA RESPOSTA TÁTICA")}));
  EXPECT_EQ(lines(d, "vListaServADCadastro"),
            (std::vector<Text>{u"MONITORAMENTO MENSAL\t1\tR$ 139,90\tR$ 139,90",
                               T("LOCAÇÃO DE EQUIPAMENTOS\t1\tR$ 60,00\tR$ 60,00"),
                               u"APLICATIVO DE CELULAR (ARME/DESARME)\t1\tR$ 14,90\tR$ 14,90",
                               T("PRONTA RESPOSTA TÁTICA\t1\tR$ 49,90\tR$ 49,90")}));
  EXPECT_ROW(d, "vServAdConcatenado",
             "APLICATIVO DE CELULAR (ARME/DESARME), PRONTA RESPOSTA TÁTICA (Atendimento em até 20 "
             "minutos)");
  EXPECT_EQ(row_texts(table_of(d, "vServADTabelaOrdem"), 0, 3),
            (std::vector<Text>{u"04", u"1", T("PRONTA RESPOSTA TÁTICA")}));
  // A service of value 0 reads 0,00 in a TestaBrelis unit, "Não Contratado" elsewhere.
  EXPECT_ROW(read(1063, 740), "vServAD3", "0,00");
  EXPECT_ROW(read(1063, 301), "vServAD3", "Não Contratado");
  // A sale has no rental line.
  const DocumentData bakery = read(1057);
  EXPECT_EQ(lines(bakery, "vListaServADCadastro4")[1], T("RELATÓRIO DE ABERTURA E FECHAMENTO"));
  EXPECT_ROW(bakery, "vServComodato", "Não Contratado");
}

TEST_F(ContractData, VehiclesTrackersAndChips) {
  const DocumentData d = read(1063, 740);
  EXPECT_EQ(lines(d, "vVeiculos").size(), 4u);
  EXPECT_EQ(lines(d, "vVeiculos3")[0], T("Caminhão\tQPD4F21\tVOLVO/FH 540 6X4\t2021"));
  EXPECT_EQ(lines(d, "vVeiculosServ").size(), 6u);
  EXPECT_EQ(lines(d, "vListaRastChip")[0],
            u"QPD4F21\tVOLVO/FH 540 6X4\t861585040123456\tST4305\t89551093144010233816");
  EXPECT_ROW(d, "vVeiculoGRContaOrc", "4");
  EXPECT_EQ(lines(d, "vListaChip"),
            (std::vector<Text>{u"(31) 98455-0173\t89550311000213366208\tTIM",
                               u"(31) 98457-3306\t89550311000213372284\tTIM",
                               u"(31) 99701-2211\t89551093144010233816\tVivo",
                               u"(31) 99702-5540\t89550531100400177421\tClaro"}));
  // The approved budgets' vehicles, with the services of each in their monthly value.
  EXPECT_ROW(d, "vPlacasOrc", "QPD4F21, RFA2B37, HMG7E54, SHX2J90, GTR5H08");
  EXPECT_ROW(d, "vVeiTot", "877,10");
  EXPECT_EQ(lines(d, "vVeiculosOrc2")[1],
            T("Mensalidade: R$ 80,00 - Proteção Veicular: R$ 89,00 - Assistência Veicular: "
              "R$ 29,90 - Bloqueio: R$ 10,00"));
  EXPECT_EQ(lines(d, "vViaSeg").size(), 2u);
  EXPECT_EQ(lines(d, "vViaSeg2").size(), 4u);
  EXPECT_EQ(lines(d, "vVeiculosOrc5")[0], T("Habilitação: 04812236650"));
  // A tracker whose vehicle has no chip keeps its line.
  db::connection_of(conn())->execute(
      T("Update GRVeículosChip Set CodVeículo=-3 Where CodVeículo=3"));
  const std::vector<Text> without = lines(read(1063, 740), "vListaRastChip");
  db::connection_of(conn())->execute(
      T("Update GRVeículosChip Set CodVeículo=3 Where CodVeículo=-3"));
  EXPECT_EQ(without[2], u"HMG7E54\tVW/DELIVERY 11.180\t861585040124018\tST340\t");
}

TEST_F(ContractData, DetailsOfTheContract) {
  const DocumentData d = read(1042);
  EXPECT_ROW(d, "vSenhaOnLine", "Thor2026");
  EXPECT_ROW(d, "vTituloTermo",
             "TERMO DE ADESÃO E FICHA CADASTRAL AO CONTRATO PARTICULAR DE PRESTAÇÃO DE SERVIÇOS DE "
             "MONITORAMENTO COM EQUIPAMENTOS CEDIDOS EM LOCAÇÃO");
  EXPECT_ROW(d, "vNumOrcOrigem", "001187");
  EXPECT_ROW(d, "vOSsVincOrc", "004827");
  EXPECT_ROW(d, "vTipoFaturamento", "Mensal pós-pago");
  EXPECT_ROW(d, "vNumParcelas", "3");
  EXPECT_EQ(value(d, "vEquipCondicoesTavloTotalVenda").rfind(u"1 + 2 (UMA MAIS DUAS) PARCELAS", 0),
            0u)
      << to_utf8(value(d, "vEquipCondicoesTavloTotalVenda"));
  EXPECT_EQ(lines(d, "vCondições").size(), 3u);  // the origin budget's conditions
  EXPECT_EQ(table_of(d, "vEquipamentosGrupo").blocks.size(), 5u);
  EXPECT_FALSE(table_of(d, "vOrcProdMatriz").present);
  EXPECT_ROW(d, "vTotOrcServMatriz", "");
  EXPECT_ROW(read(1057), "vTituloTermo",
             "TERMO DE ADESÃO E FICHA CADASTRAL AO CONTRATO PARTICULAR DE PRESTAÇÃO DE SERVIÇOS DE "
             "MONITORAMENTO");

  const DocumentData carrier = read(1063, 740);
  EXPECT_ROW(carrier, "vContatos",
             "Gustavo Henrique Pardini (31) 3352-6070, Rosana Aparecida Teixeira (31) 3352-6074");
  EXPECT_EQ(table_of(carrier, "vTabelaContatos").blocks[0].rows.size(), 2u);
  // The posts' current services (the doorman replaced in March is gone).
  EXPECT_ROW(carrier, "vPostosServiços",
             "2 VIGILANTE 12X36 DIURNO, 1 RONDA MOTORIZADA NOTURNA, 1 CONTROLADOR DE ACESSO, 2 "
             "VIGILANTE 12X36 NOTURNO");
  EXPECT_ROW(carrier, "vExtensoValorPosto", "Nove mil e quatrocentos e cinquenta reais");
  ContractArguments post;
  post.cod_posto = 2;
  EXPECT_ROW(read(1063, 740, Route::Word, post), "vPostosServiços", "2 VIGILANTE 12X36 NOTURNO");

  // A branch: what its head office receives and the services each generates.
  const DocumentData branch = read(1165);
  const TableContent& delivered = table_of(branch, "vOrcProdMatriz");
  ASSERT_TRUE(delivered.present);
  EXPECT_EQ(delivered.blocks[0].rows.size(), 2u);
  EXPECT_EQ(row_texts(table_of(branch, "vOrcServMatriz"), 0, 0),
            (std::vector<Text>{u"MONITORAMENTO CONSOLIDADO DA MATRIZ", u"1", u"R$ 35,00"}));
  EXPECT_ROW(branch, "vTotOrcServMatriz", "35,00");
  EXPECT_ROW(branch, "vTotOrcServFilial", "49,90");
  EXPECT_ROW(branch, "vExtTotOrcServFilial", "Quarenta e nove reais e noventa centavos");
}

// On Writer every row replaces substrings in row order: no computed placeholder may contain
// one entered before it, lists and long texts included (they follow the rows).
TEST_F(ContractData, NoComputedPlaceholderEatsALaterOne) {
  for (int32_t customer : {1042, 1057, 1063, 1165}) {
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
