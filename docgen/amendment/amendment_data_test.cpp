// The amendment's data pass on the demo database, without a document: the placeholder
// table, the lists and the tables each amendment of the demo gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/convert.h"
#include "core/error.h"
#include "docgen/amendment/amendment.h"
#include "docgen/amendment/lists.h"
#include "docgen/amendment/services_history.h"
#include "docgen/frame/apply.h"
#include "docgen/frame/values.h"
#include "platform/db/db.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

using orvane::testing::TempDir;

std::vector<Text> lines_of(const ListLines& l) {
  std::vector<Text> out;
  for (int32_t i = 1; i <= l.count(); ++i) out.push_back(l.line(i));
  return out;
}

class AmendmentData : public ::testing::Test {
 protected:
  void SetUp() override {
    connection_ =
        db::open_connection(from_utf8(orvane::testing::demo_database(dir_).string()), ctx_.ctx);
  }

  DocumentData read(int32_t customer, int32_t number, int32_t unit = 301) {
    Generation g(ctx_.ctx, db::as_variant(connection_), unit, 1, layout_, false, 0);
    return read_amendment(g, AmendmentKeys{customer, number, Variant::Missing()});
  }
  void run(const char* sql) { connection_->execute(from_utf8(sql)); }

  // Placeholder -> value of the first row of that name.
  static std::map<Text, Text> rows(const DocumentData& d) {
    std::map<Text, Text> out;
    for (int32_t i = d.table.counter(); i >= 1; --i)
      out[d.table.text(i)] = key_text(d.table.value(i));
    return out;
  }

  TempDir dir_;
  orvane::testing::RecordingContext ctx_;  // today is 5 December 2026
  db::ConnectionPtr connection_;
  Text layout_;
};

TEST_F(AmendmentData, VehicleServiceChangesReadAsSentences) {
  const DocumentData d = read(1063, 1);
  const std::vector<Text> expected = {
      T("Veículo VOLVO/FH 540 6X4, Placa QPD4F21, Chassi 9BVRG40D5ME875321 - PROTEÇÃO VEICULAR "
        "incluído com o valor de R$ 89,00 (Oitenta e nove reais) na mensalidade do veículo"),
      T("Veículo MERCEDES-BENZ/ACTROS 2651, Placa RFA2B37, Chassi 9BM958174NB230487 - ASSISTÊNCIA "
        "24H VEICULAR com o valor de R$ 29,90 (Vinte e nove reais e noventa centavos) removido da "
        "mensalidade do veículo"),
      T("Veículo VOLVO/FH 540 6X4, Placa QPD4F21, Chassi 9BVRG40D5ME875321 - TELEMETRIA E "
        "CONTROLE DE JORNADA com o acréscimo de R$ 5,00 (Cinco reais) na mensalidade do veículo"),
      T("Veículo MERCEDES-BENZ/ACTROS 2651, Placa RFA2B37, Chassi 9BM958174NB230487 - PROTEÇÃO "
        "VEICULAR com a redução de R$ 10,00 (Dez reais) na mensalidade do veículo"),
  };
  EXPECT_EQ(lines_of(d.lists[u"vADTVeiServ"]), expected);
}

TEST_F(AmendmentData, ServicesBeforeAndAfterWithTheTwoRowsSortedByName) {
  DocumentData d = read(1042, 1);
  EXPECT_EQ(lines_of(d.lists[u"vADTServCliente"]),
            (std::vector<Text>{u"*\t**MONITORAMENTO MENSAL\tR$ 139,90",
                               T("*\t*LOCAÇÃO/COMODATO\tR$ 60,00"),
                               u"*\tAPLICATIVO DE CELULAR (ARME/DESARME)\tR$ 14,90",
                               T("*\tPRONTA RESPOSTA TÁTICA\tR$ 49,90")}));
  EXPECT_EQ(lines_of(d.lists[u"vADTServNovo"]),
            (std::vector<Text>{
                u"*\t**MONITORAMENTO MENSAL\tR$ 139,90", T("*\t*LOCAÇÃO/COMODATO\tR$ 105,00"),
                u"*\tAPLICATIVO DE CELULAR (ARME/DESARME)\tR$ 14,90",
                T("*\tPRONTA RESPOSTA TÁTICA\tR$ 49,90"), T("*\tVÍDEO MONITORAMENTO\tR$ 79,90")}));
  EXPECT_EQ(lines_of(d.lists[u"vAdtServAd"]),
            std::vector<Text>{T("VÍDEO MONITORAMENTO\t1\tR$ 79,90")});

  // A customer who bought the equipment has no loan row; a service the amendment drops is
  // not among those after it.
  d = read(1201, 1);
  EXPECT_EQ(lines_of(d.lists[u"vADTServCliente"]),
            (std::vector<Text>{u"*\t**MONITORAMENTO MENSAL\tR$ 99,90",
                               T("*\tPRONTA RESPOSTA TÁTICA\tR$ 49,90"),
                               T("*\tRELATÓRIO DE ABERTURA E FECHAMENTO\tR$ 9,90")}));
  EXPECT_EQ(lines_of(d.lists[u"vADTServNovo"]),
            (std::vector<Text>{u"*\t**MONITORAMENTO MENSAL\tR$ 99,90",
                               T("*\tRELATÓRIO DE ABERTURA E FECHAMENTO\tR$ 9,90")}));
  EXPECT_EQ(lines_of(d.lists[u"vADTServNovo2"])[1],
            T("*\tPRONTA RESPOSTA TÁTICA\t0\tR$ 49,90\tR$ 0,00"));
}

// A signed contract shows the customer's own values before the amendment; an unsigned one
// the values the history recorded.
TEST_F(AmendmentData, SignedContractKeepsTheCustomersValuesBefore) {
  run("Update ClientesHistórico Set ValorAnteriorComodato=55 Where CodInterno=1");
  EXPECT_EQ(lines_of(read(1042, 1).lists[u"vADTServCliente"])[1],
            T("*\t*LOCAÇÃO/COMODATO\tR$ 60,00"));
  run("Update ClientesContratos Set Assinado=0 Where CodCliente=1042");
  EXPECT_EQ(lines_of(read(1042, 1).lists[u"vADTServCliente"])[1],
            T("*\t*LOCAÇÃO/COMODATO\tR$ 55,00"));
}

TEST(ServicesComparison, HoldsAtMost101Rows) {
  amendment::ServicesComparison c;
  for (int32_t code = 1; code <= amendment::kComparisonRows; ++code) {
    c.add(amendment::ServiceRow{.code = code});
  }
  try {
    c.add(amendment::ServiceRow{.code = 102});
    ADD_FAILURE() << "a 102nd row was taken";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), err::kSubscript);
  }
}

TEST_F(AmendmentData, AmendmentPlaceholders) {
  auto r = rows(read(1063, 1));
  EXPECT_EQ(r[u"vDataAditivo"], u"26 de novembro de 2026");
  EXPECT_EQ(r[u"vDtTerminoContrato"], u"10/05/2026");
  EXPECT_EQ(r[u"vDiferencaMensal"], u"273,80");
  EXPECT_EQ(r[u"vExtensoADTValorNovo"], T("Oitocentos e setenta e sete reais e dez centavos"));
  EXPECT_EQ(r[u"vExtensoNovoPrazo"], u"Doze");
  EXPECT_EQ(r[u"Contr.PrazoExtenso"], u"Doze");
  // The budget's tracking values added to the old value.
  EXPECT_EQ(r[u"vRastNovoValor"], u"783,30");
  EXPECT_EQ(r[u"vNumOrcOrigem"], u"001201");
  EXPECT_EQ(r[u"vValorVeiculos2"], u"338,80");
  EXPECT_EQ(r[u"vValorVeiculos"], u"238,80");
  // The Strada's cancellation is confirmed: it is not among the active vehicles.
  EXPECT_EQ(r[u"vValorVeiculosAtivos"], u"R$ 438,70");
  EXPECT_EQ(r[u"vPlacasIncluir"],
            T("OS SEGUINTES VEÍCULOS SERÃO ACRESCENTADOS: SHX2J90 - SCANIA/R 450 A6X2NA; "
              "GTR5H08 - TOYOTA/HILUX SRV 2.8 4X4"));
  EXPECT_EQ(r[u"vPlacasRetirar"],
            T("OS SEGUINTES VEÍCULOS SERÃO REMOVIDOS: PXT8C19 - FIAT/STRADA FREEDOM 1.3"));
  EXPECT_EQ(r[u"vServAdExcluidos"], T("ASSISTÊNCIA 24H VEICULAR - 10/06/2026"));
  EXPECT_EQ(r[u"vSomaComodato"], T("Não Contratado"));
  EXPECT_EQ(r[u"POSTO.ValorMensal"], u"6.250,00");
  EXPECT_EQ(r[u"vExtensoValorPosto"], u"Seis mil e duzentos e cinquenta reais");
  // The post's services that have not ended.
  EXPECT_EQ(r[T("vPostosServiços")],
            u"2 VIGILANTE 12X36 DIURNO, 1 RONDA MOTORIZADA NOTURNA, 1 CONTROLADOR DE ACESSO");
  EXPECT_EQ(r[u"ACT.Ace_NomeAssinante"], u"GUSTAVO HENRIQUE PARDINI");

  // No date: today; a lower value: a negative difference; no signature date: no end date.
  r = rows(read(1201, 1));
  EXPECT_EQ(r[u"vDataAditivo"], u"05 de dezembro de 2026");
  EXPECT_EQ(r[u"vDiferencaMensal"], u"-49,90");
  EXPECT_EQ(r[u"vExtensoDiferencaMensal"], u"Quarenta e nove reais e noventa centavos");
  EXPECT_EQ(r.count(u"vDtTerminoContrato"), 0u);
  // Without an originating budget its placeholders are empty.
  EXPECT_EQ(r[u"vNumOrcOrigem"], u"");
  EXPECT_EQ(r[u"vPlacasIncluir"], u"");
  EXPECT_EQ(r[u"vQTDProdAcres"], u"0");
}

TEST_F(AmendmentData, ProductsServicesAndVehiclesOfTheOriginatingBudget) {
  DocumentData d = read(1042, 1);
  auto r = rows(d);
  EXPECT_EQ(lines_of(d.lists[T("vEquipamentosAcréscimo")]),
            (std::vector<Text>{
                T("00001008\tCÂMERA BULLET VHD 1220 B FULL HD\t4,0\tProduto em Locação\tR$ 229,00\t"
                  "R$ 916,00"),
                T("00001009\tGRAVADOR DIGITAL MHDX 1108 8 CANAIS\t1,0\tProduto em Locação\t"
                  "R$ 899,00\tR$ 899,00"),
                T("Total Líquido\t\t\t\t\tR$ 1.815,00")}));
  EXPECT_EQ(r[u"vQTDProdAcres"], u"5");
  EXPECT_EQ(r[u"vADTValorAcresComodato"], u"1.815,00");
  EXPECT_EQ(lines_of(d.lists[T("vEquipamentosRetirada")]),
            std::vector<Text>{T("00001005\tSIRENE PIEZOELÉTRICA 120 DB\t1,0\tR$ 39,90\tR$ 39,90")});
  EXPECT_EQ(r[u"vADTValorRetComodato"], u"39,90");
  // The technical visit the customer is not charged for.
  EXPECT_EQ(lines_of(d.lists[u"vServORC"]).back(), T("000502\tVISITA TÉCNICA\t1\tNão Cobrado"));

  // A unit that lends its equipment (setting 247) lists the products as lent.
  d = read(1042, 1, 740);
  EXPECT_NE(lines_of(d.lists[T("vEquipamentosAcréscimoSemValor")])[0].find(
                T("Produto em Comodato/Locação")),
            Text::npos);

  d = read(1063, 1);
  EXPECT_EQ(lines_of(d.lists[T("vADTVeículosAcres2")])[0],
            T("Placa: SHX2J90 - Mensalidade: R$ 154,80 - Assistência Veicular: R$ 29,90 - "
              "Observações: Novo caminhão da frota"));
  EXPECT_EQ(lines_of(d.lists[T("vADTVeículosRet")]),
            std::vector<Text>{T("Placa: PXT8C19 - Marca/Modelo: FIAT/STRADA FREEDOM 1.3 - Ano: "
                                "2023 - Combustível: BICOMBUSTIVEL - Cor: VERMELHA - Bloqueio: "
                                "Não - Chassi: 9BD281A3DPYB45678 - Renavam: 01322457719 - "
                                "Voltagem: 12V")});
  EXPECT_EQ(d.lists[u"vVeiculosAtivos"].count(), 3);
  EXPECT_EQ(lines_of(d.lists[u"vVeiculos"]).back(), u"HMG7E54 - VW/DELIVERY 11.180\t2019\tBRANCA");
}

TEST_F(AmendmentData, ServiceTablesOfTheRegisteredServices) {
  const DocumentData d = read(1042, 1);
  const TableContent* t = d.table_content(u"vTabelaServADCadastro");
  ASSERT_NE(t, nullptr);
  ASSERT_TRUE(t->present);
  std::vector<Text> names;
  for (const auto& row : t->blocks[0].rows) names.push_back(row[1].text);
  EXPECT_EQ(names, (std::vector<Text>{u"MONITORAMENTO MENSAL", T("LOCAÇÃO DE EQUIPAMENTOS"),
                                      u"APLICATIVO DE CELULAR (ARME/DESARME)",
                                      T("PRONTA RESPOSTA TÁTICA")}));
  const TableContent* s = d.table_content(u"vTabelaServAD");
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->blocks[0].rows.back()[2].text, u"64,80");
}

TEST_F(AmendmentData, CancelledOrUnknownAmendmentsAreRefused) {
  for (int32_t number : {2 /* cancelled */, 9 /* none */}) {
    try {
      read(1042, number);
      ADD_FAILURE() << "amendment " << number << " was read";
    } catch (const VbError& e) {
      EXPECT_EQ(e.number(), db::ado_error::kNoCurrentRecord);
    }
  }
  // A customer without a contract record: the contract's placeholders are blank.
  auto r = rows(read(1202, 1));
  EXPECT_EQ(r[u"Contr.NumContrato"], u"");
  EXPECT_EQ(r[u"Contr.PrazoExtenso"], u"");
  EXPECT_EQ(r.count(u"vDtTerminoContrato"), 0u);
}

// The contract's placeholders come through the contract's routines with the amendment's own
// data: the channel words, the first vehicle's own tracker, the originating budget's
// additional services only, the sale in the origin budget's instalments, the receivables.
TEST_F(AmendmentData, TakesOverTheContractsPlaceholders) {
  run("Update ClientesContratos Set Radio=1 Where CodCliente=1063");
  const DocumentData d = read(1063, 1);
  auto r = rows(d);
  EXPECT_EQ(r[T("vComunicação")], T("Rádio, GPRS e Satélite"));
  EXPECT_EQ(r[u"vVeiculoGRRastreador"], u"V2861585040123456 - ST4305");
  EXPECT_EQ(r[u"vVeiculoGRQuantidade"], u"4");
  EXPECT_EQ(r[u"vXBlto"], u"X");
  EXPECT_EQ(r[u"vTotalVenda"], u"1.067,00");
  // Budget 20040 has the same service (74,90): only the originating 20063 counts here.
  EXPECT_EQ(lines_of(d.lists[u"vOrcServAd"]),
            std::vector<Text>{u"TELEMETRIA E CONTROLE DE JORNADA\t1\tR$ 24,90"});
  EXPECT_EQ(lines_of(d.lists[u"vViaSeg"]).size(), 2u);
  // The approved budgets' observations, 20040's before 20063's.
  const auto observations =
      std::find_if(d.long_texts.begin(), d.long_texts.end(),
                   [](const LongText& t) { return t.placeholder == u"vOrcObserv"; });
  ASSERT_NE(observations, d.long_texts.end());
  const Text notes = key_text(observations->value);
  EXPECT_EQ(notes.find(u"Rastreadores cedidos"), 0u);
  EXPECT_NE(notes.find(u"A Hilux GTR5H08"), Text::npos);
  for (const char* table : {"vListaDuplicatas", "vTabelaEquipamentosTavlo", "vServADTabelaOrdem"}) {
    const TableContent* t = d.table_content(T(table));
    ASSERT_NE(t, nullptr) << table;
    EXPECT_TRUE(t->present) << table;
  }

  auto sale = rows(read(1042, 1));
  EXPECT_EQ(sale[u"vEquipCondicoesTavloTotalVenda"],
            T("1 + 2 (UMA MAIS DUAS) PARCELAS IGUAIS E SUCESSIVAS DE R$ 516,57 (QUINHENTOS E "
              "DEZESSEIS REAIS E CINQUENTA E SETE CENTAVOS) CADA"));
  EXPECT_EQ(sale[u"vServAD1"], u"R$ 49,90");
  EXPECT_EQ(sale[u"vVeiculoGRRastreador"], u"");  // no vehicle
}

// The contract's lists the amendment's order does not name (vVeiculosOrc3, vOrcServAd2 ...)
// go before the named list their names contain: applied after it, they would find their
// placeholder already eaten.
TEST_F(AmendmentData, ListsContainingAnotherComeFirst) {
  DocumentData d = read(1063, 1);
  const int32_t scalars = d.table.counter();
  add_writer_lists(d.table, d.lists, amendment::list_order(d.lists));
  std::vector<Text> names;
  for (int32_t row = scalars + 1; row <= d.table.counter(); ++row)
    names.push_back(d.table.text(row));
  EXPECT_EQ(names.size(), d.lists.all().size());
  for (size_t i = 0; i < names.size(); ++i) {
    for (size_t j = i + 1; j < names.size(); ++j) {
      EXPECT_EQ(names[j].find(names[i]), Text::npos)
          << to_utf8(names[j]) << " comes after " << to_utf8(names[i]);
    }
  }
  // The named lists keep their order.
  std::vector<Text> named;
  for (const Text& n : names) {
    const auto& order = amendment::word_list_order();
    if (std::find(order.begin(), order.end(), n) != order.end()) named.push_back(n);
  }
  EXPECT_EQ(named, amendment::word_list_order());
}

TEST_F(AmendmentData, FileName) {
  EXPECT_EQ(amendment_file_name(42, 2, T("José da Silva / Filho"), u".pdf"),
            u"0000042-ADT2-JosE da Silva  Filho.pdf");
  const Text long_name = amendment_file_name(1063, 1, Text(60, u'A'), u".doc");
  EXPECT_EQ(long_name, u"0001063-ADT1-" + Text(50, u'A') + u".doc");
}

}  // namespace
}  // namespace orvane::docgen
