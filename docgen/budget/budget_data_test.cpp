// The budget's data pass on the demo database: the placeholder table and the lists it
// builds for the budgets whose branches differ (rental with groups, sale without groups and
// with its own installment plan, tracking with vehicles and an ownership transfer, an empty
// budget), and the taxes under the unit's settings.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/convert.h"
#include "core/format.h"
#include "docgen/budget/budget.h"
#include "docgen/budget/lists.h"
#include "docgen/frame/apply.h"
#include "docgen/frame/substitution.h"
#include "platform/db/db.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

using Lines = std::vector<std::string>;

class BudgetData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    shared_ = new orvane::testing::TempDir();
    orvane::testing::demo_database(*shared_);
  }
  static void TearDownTestSuite() {
    delete shared_;
    shared_ = nullptr;
  }

  // The data pass of budget `planilha` for unit `unit`, on the shared demo database or on
  // one of the test's own.
  DocumentData read(int32_t planilha, int32_t unit = 301, int32_t company = 1,
                    const std::string& db = "") {
    const std::string file = db.empty() ? shared_->str() + "demo.db" : db;
    Variant conn = db::as_variant(db::open_connection(from_utf8(file), rec_.ctx));
    Text layout = u"/modelos/Orcamento.docx";
    Generation g(rec_.ctx, conn, unit, company, layout, false, 0);
    Budget budget(planilha);
    return budget.read(g);
  }

  static std::string value(const DocumentData& d, const char* placeholder) {
    const Variant* v = d.table.find(T(placeholder));
    EXPECT_NE(v, nullptr) << placeholder;
    return v ? to_utf8(suite_text(*v)) : std::string();
  }
  static Lines lines(const DocumentData& d, const char* placeholder) {
    Lines out;
    const ListLines& l = d.lists[T(placeholder)];
    for (int32_t i = 1; i <= l.count(); ++i) out.push_back(to_utf8(l.line(i)));
    return out;
  }

  static orvane::testing::TempDir* shared_;
  orvane::testing::RecordingContext rec_;
};
orvane::testing::TempDir* BudgetData::shared_ = nullptr;

// A rental budget with three product groups, one of them unnamed: group headers in name order
// ("OUTROS" among them), rented lines with "Locado", group totals of the charged lines.
TEST_F(BudgetData, RentalProductLinesByGroup) {
  const DocumentData d = read(20051);
  EXPECT_EQ(lines(d, "vEquipamentos"),
            (Lines{"CENTRAL E TECLADO", "001001\tCENTRAL DE ALARME AMT 2018 E SMART\t1\tLocado\t ",
                   "001002\tTECLADO LCD XAT 2000\t1\tLocado\t ",
                   "Total de CENTRAL E TECLADO\t\t\t\tR$ 0,00", "OUTROS",
                   "001005\tSIRENE PIEZOELÉTRICA 120 DB\t1\tLocado\t ",
                   "001006\tBATERIA SELADA 12V 7AH\t1\tLocado\t ",
                   "001007\tCOMUNICADOR GPRS/4G XEG 4000 SMART\t1\tLocado\t ",
                   "001011\tCABO COAXIAL BIPOLAR 4MM\t40\tR$ 3,20\tR$ 128,00",
                   "Total de OUTROS\t\t\t\tR$ 128,00", "SENSORES",
                   "001003\tSENSOR INFRAVERMELHO PASSIVO IVP 3000 MW\t4\tLocado\t ",
                   "001004\tSENSOR MAGNÉTICO DE ABERTURA XAS 4010\t3\tLocado\t ",
                   "001014\tBOTÃO DE PÂNICO SEM FIO XAP 8000\t1\tR$ 69,90\tR$ 69,90",
                   "Total de SENSORES\t\t\t\tR$ 69,90"}));

  // The same columns without the code and with plain money; a grand total after the groups.
  const Lines no_code = lines(d, "vEquipamentosSemCodigo");
  ASSERT_EQ(no_code.size(), 15u);
  EXPECT_EQ(no_code[8], "CABO COAXIAL BIPOLAR 4MM\t40\t3,20\t128,00");
  EXPECT_EQ(no_code[9], "Total de OUTROS\t\t\t128,00");
  EXPECT_EQ(lines(d, "vEquipamentos2").back(), "Total Líquido\t\t\tR$ 197,90");

  // Rental prices hidden as zero; "Comodato" against "Venda"; the discount from the real
  // unit price (PreçoReal above Unitário on the panic button).
  const Lines loan = lines(d, "vEquipamentosVendidoLocado");
  EXPECT_EQ(loan[1], "001001\tCENTRAL DE ALARME AMT 2018 E SMART\t1\tComodato\tR$ 0,00\tR$ 0,00");
  EXPECT_EQ(loan[13], "001014\tBOTÃO DE PÂNICO SEM FIO XAP 8000\t1\tVenda\tR$ 69,90\tR$ 69,90");
  EXPECT_EQ(lines(d, "vEquipamentosDesc2")[13],
            "BOTÃO DE PÂNICO SEM FIO XAP 8000\t1\tR$ 79,90\tR$ 10,00\tR$ 69,90\tR$ 69,90");
  EXPECT_EQ(lines(d, "vEquipamentosDesc5")[0],
            "001001\tCENTRAL DE ALARME AMT 2018 E SMART\t1\t0,00\t0,00\t0,00");
  EXPECT_EQ(lines(d, "vEquipamentosFiscais")[5],
            "001011\tCABO COAXIAL BIPOLAR 4MM\t85442000\tS\t060\t500\t40\t3,20\t128,00");
  EXPECT_EQ(lines(d, "vEquipamentosMarca")[6],
            "001006\tBATERIA SELADA 12V 7AH\tUnicoba\t1\tLocado\t ");

  // Sold and rented lines apart; the rented items' value over the 36 months of return.
  EXPECT_EQ(lines(d, "vVendidosOrçamento3"),
            (Lines{"CABO COAXIAL BIPOLAR 4MM\t40\tR$ 128,00",
                   "BOTÃO DE PÂNICO SEM FIO XAP 8000\t1\tR$ 69,90", "Total Líquido\t\tR$ 197,90"}));
  const Lines rented = lines(d, "vLocadosProporcional");
  ASSERT_EQ(rented.size(), 8u);
  EXPECT_EQ(rented[0], "CENTRAL DE ALARME AMT 2018 E SMART\t1\tR$ 689,00\tR$ 19,14");
  EXPECT_EQ(rented[7], "Total Líquido\t\tR$ 2.025,70");

  EXPECT_EQ(value(d, "vProdutosComodato"), "2.025,70");
  EXPECT_EQ(value(d, "vTotalGaldren"), "2.816,60");  // every line's net total and the services
  EXPECT_EQ(value(d, "vDescProdGeral"), "10,00");    // only the lines listed with prices
  EXPECT_EQ(value(d, "vDescServGeral"), "27,00");
  EXPECT_EQ(value(d, "vPDescGeral"), "4,47%");
}

// A sale without product groups: no group lines, every line priced, nothing rented.
TEST_F(BudgetData, SaleProductLinesWithoutGroups) {
  const DocumentData d = read(20058);
  const Lines all = lines(d, "vEquipamentos");
  ASSERT_EQ(all.size(), 8u);
  EXPECT_EQ(all[0], "001001\tCENTRAL DE ALARME AMT 2018 E SMART\t1\tR$ 655,00\tR$ 655,00");
  for (const std::string& l : all) {
    EXPECT_EQ(l.find("Total de"), std::string::npos) << l;
    EXPECT_EQ(l.find("Locado"), std::string::npos) << l;
  }
  EXPECT_TRUE(lines(d, "vLocadosOrçamento2").empty());
  EXPECT_EQ(lines(d, "vEquipamentosVendidoLocado2")[0],
            "CENTRAL DE ALARME AMT 2018 E SMART\t1\tVenda\tR$ 655,00");
  EXPECT_EQ(lines(d, "vEquipamentosDesc")[0],
            "001001\tCENTRAL DE ALARME AMT 2018 E SMART\t1\tR$ 689,00\tR$ 655,00\tR$ 655,00");
  EXPECT_EQ(lines(d, "vEquipamentosTavlo2").back(), "Total Líquido\t\t\t\tR$ 2.255,10");
  EXPECT_EQ(value(d, "vProdutosComodato"), "0,00");
  EXPECT_EQ(value(d, "vModalidade"), "Venda");
  EXPECT_EQ(value(d, "vDescProdGeral"), "34,00");
}

// The budget's own plan (VencimentoPor 2): five installments of a loan on the products less
// the down payment at the unit's financing rate, against the financial formula computed here.
TEST_F(BudgetData, OwnInstallmentPlan) {
  const DocumentData d = read(20058);
  const double principal = 2255.10 - 500.00, rate = 0.0199;
  const double pmt = principal * rate / (1 - std::pow(1 + rate, -5));
  const std::string installment =
      to_utf8(CStr(Format(Variant(std::round(pmt * 100) / 100), u"#,##0.00")));
  EXPECT_EQ(installment, "372,25");
  EXPECT_EQ(value(d, "vValorParcelamento"), installment);
  EXPECT_EQ(value(d, "vExtensoValorParcelamento"),
            "Trezentos e setenta e dois reais e vinte e cinco centavos");
  EXPECT_EQ(lines(d, "vCondiçõesEntrada")[0],
            "Entrada de R$ 500,00 + 5 (cinco) parcelas de R$ " + installment);
  EXPECT_EQ(value(d, "vFinanciadoTaxa"), "1,99");
}

TEST_F(BudgetData, InstallmentsSentenceAndTotals) {
  const DocumentData d = read(20051);
  // Condition 11: a down payment and two more, the count written in the feminine.
  EXPECT_EQ(value(d, "vEquipCondicoesTavloTotalVenda"),
            "1 + 2 (UMA MAIS DUAS) PARCELAS IGUAIS E SUCESSIVAS DE R$ 263,63 (DUZENTOS E "
            "SESSENTA E TRES REAIS E SESSENTA E TRES CENTAVOS) CADA");
  EXPECT_EQ(value(d, "vTotalBruto"), "817,90");
  EXPECT_EQ(value(d, "vPercTotalDescontos"), "3,30%");
  EXPECT_EQ(value(d, "vExtensoTotalVenda"), "Setecentos e noventa reais e noventa centavos");
  EXPECT_EQ(value(d, "vTotalMensal"), "264,70");
  EXPECT_EQ(value(d, "vNovoMensal"), "529,40");
  EXPECT_EQ(value(d, "vValorAnual"), "3.176,40");
  EXPECT_EQ(value(d, "vTotFideliza36"), "339,50");
  EXPECT_EQ(value(d, "vEmissaoExtenso"), "27 de fevereiro de 2025");
  EXPECT_EQ(value(d, "vExtensoMesesRetorno"), "Trinta e seis");
  EXPECT_EQ(value(d, "vVendedorFone2"), "(19) 3251-4400");
  EXPECT_EQ(value(d, "vContatoFunção"), "Proprietária");
  EXPECT_EQ(value(d, "vServADTele1"), "49,90");
  EXPECT_EQ(value(d, "vServADTele2"), "Não Contratado");
  EXPECT_EQ(value(d, "vServObsAD3"), "Primeiro mês sem custo");
  EXPECT_EQ(lines(d, "vServADDesc")[1],
            "APLICATIVO DE CELULAR (ARME/DESARME)\tR$ 14,90\tR$ 5,00\tR$ 9,90");
  // The services all in one named group: no group lines.
  EXPECT_EQ(lines(d, "vServiços")[0],
            "000501\tINSTALAÇÃO DE SISTEMA DE ALARME\t1\tR$ 350,00\tR$ 350,00");
}

TEST_F(BudgetData, AcceptanceWitnesses) {
  const DocumentData d = read(20051);
  EXPECT_EQ(value(d, "ACT.Ace_NomeAssinante"), "ANA LÚCIA BERTOLINI CARDOSO");
  EXPECT_EQ(value(d, "vDataAceite"), "04/03/2025 09:31:44");  // the latest event
  EXPECT_EQ(value(d, "vEveAceite"), "Assinatura da testemunha 2 - documento concluído");
  EXPECT_EQ(value(d, "vAssinante2DataAceite"), "03/03/2025 20:02:51");
  EXPECT_EQ(value(d, "vTestemunha1Nome"), "Patrícia Helena Duarte");
  EXPECT_EQ(value(d, "vTestemunha1CPF"), "618.305.742-80");
  EXPECT_EQ(value(d, "vTestemunha2Nome"), "Marcelo Augusto Fontana");
  EXPECT_EQ(value(d, "vTestemunha2DataAceite"), "04/03/2025 09:31:44");

  // Without an acceptance the same placeholders are blank.
  const DocumentData none = read(20058);
  EXPECT_EQ(value(none, "vTestemunha1Nome"), "");
  EXPECT_EQ(value(none, "vDataAceite"), "");
}

// Vehicles: the budget's own rows; without any, the vehicle of the ownership transfer alone.
TEST_F(BudgetData, VehiclesAndTheOwnershipTransferVehicle) {
  const DocumentData fleet = read(20040, 740, 2);
  EXPECT_EQ(value(fleet, "vOrcPlacas"), "QPD4F21, RFA2B37, HMG7E54");
  EXPECT_EQ(value(fleet, "vQtdeVeiculos"), "3");
  EXPECT_EQ(value(fleet, "vVeiBloqueio"), "SIM");
  EXPECT_EQ(lines(fleet, "vVeículosOrçamento3")[1],
            "RFA2B37\tMERCEDES-BENZ/ACTROS 2651\t80,00\t89,00\t29,90\t10,00\t0,00");
  EXPECT_EQ(value(fleet, "vGRMensal"), "289,90");  // 438,70 less insurance and assistance

  const DocumentData transfer = read(20101, 740, 2);
  EXPECT_EQ(lines(transfer, "vVeículosOrçamento"),
            (Lines{"QWE3H71\tFIAT/FIORINO ENDURANCE 1.4\t2022\tBRANCA\t90,00"}));
  EXPECT_EQ(value(transfer, "vQtdeVeiculos"), "1");
  EXPECT_EQ(value(transfer, "vOrcPlacas"), "QWE3H71");
  EXPECT_EQ(value(transfer, "vTrocaNome"), "Cláudio Henrique Siqueira");
  EXPECT_EQ(value(transfer, "vTrocaTitularidadeVeiculo"),
            "QWE3H71\tBRANCA\t2022\tFIAT/FIORINO ENDURANCE 1.4\t9BD2651MHN9183406");
  EXPECT_EQ(value(transfer, "vTipoOrcOrigem"), "RASTREAMENTO VEICULAR");

  // The budget with vehicle rows lists them, not the transferred one.
  const DocumentData rows = read(20063, 740, 2);
  EXPECT_EQ(value(rows, "vOrcPlacas"), "SHX2J90, GTR5H08");
}

// The cases only the budgets 20101 and 20102 bring.
TEST_F(BudgetData, FinancingWithdrawalsLoyaltyAndUnfilledColumns) {
  const DocumentData tracking = read(20101, 740, 2);
  EXPECT_EQ(value(tracking, "vFinanciadoTotal"), "91,20");
  EXPECT_EQ(value(tracking, "vValorRetComodato"), "1.167,00");
  EXPECT_EQ(lines(tracking, "vProdRetirar"),
            (Lines{"00001012\tRASTREADOR GPS/4G ST4305\t3\tR$ 389,00\tR$ 1.167,00"}));
  // An additional service of value 0 is contracted on the units with their own rules.
  EXPECT_EQ(value(tracking, "vServADTele6"), "0,00");
  EXPECT_EQ(value(read(20101, 301, 2), "vServADTele6"), "Não Contratado");
  // Yes/no columns never filled in.
  EXPECT_EQ(value(tracking, "Cli.AvisaDisparo"), "Não");
  EXPECT_EQ(value(tracking, "Cli.Ativo"), "Não");

  const DocumentData rental = read(20102);
  // The same sensor in two groups, added up.
  EXPECT_EQ(lines(rental, "vEquipamentosUnificado")[3],
            "001003\t4540085\tSENSOR INFRAVERMELHO PASSIVO IVP 3000 MW\tUN\t3");
  // The loyalty tables price the sold lines; an item without TipoItem counts as a product.
  EXPECT_EQ(value(rental, "vTotal24"), "248,80");
  EXPECT_EQ(value(rental, "vTotal36"), "250,40");
  EXPECT_EQ(lines(rental, "vEquipamentos")[0], "CFTV & GRAVAÇÃO");
  EXPECT_EQ(value(rental, "vFinanciadoMeses"), "10");
}

TEST_F(BudgetData, EmptyBudgetWithoutModality) {
  const DocumentData d = read(20074);
  EXPECT_EQ(value(d, "vModalidade"), "Rastreamento");
  EXPECT_EQ(value(d, "vPercTotalDescontos"), "0,00%");
  EXPECT_EQ(value(d, "vPDescGeral"), "0,00%");
  EXPECT_EQ(value(d, "vTotalSemCrea"), "0,00");
  EXPECT_TRUE(lines(d, "vEquipamentos").empty());
  EXPECT_TRUE(lines(d, "vServiços").empty());
  EXPECT_EQ(lines(d, "vServAD"), (Lines{"PRONTA RESPOSTA TÁTICA\tR$ 49,90"}));
}

// Taxes: the unit's settings 207 (ICMS in Descreve, ISS in Codigo) and 26 (PIS/COFINS/CSLL)
// turn them on and off; INSS is always there.
TEST_F(BudgetData, TaxesUnderTheUnitSettings) {
  const DocumentData on = read(20058);
  EXPECT_EQ(value(on, "vTributoICMS"), "360,11");  // 18 % of the lines not taxed before
  EXPECT_EQ(value(on, "vTributoISS"), "11,50");
  EXPECT_EQ(value(on, "vTributoINSS"), "63,25");
  EXPECT_EQ(value(on, "vTributoPISProduto"), "104,86");  // 4,65 % of the customer's rates
  EXPECT_EQ(value(on, "vTributoPISServico"), "26,74");
  EXPECT_EQ(value(on, "vTributos"), "566,46");

  orvane::testing::TempDir own;
  const std::string db = orvane::testing::demo_database(own).string();
  db::open_connection(from_utf8(db))
      ->execute(
          u"Update DadosEntidades Set Codigo='0', Descreve='0' Where CodEntidade In "
          u"(207, 26) And Unidade=301");
  const DocumentData off = read(20058, 301, 1, db);
  EXPECT_EQ(value(off, "vTributoICMS"), "0,00");
  EXPECT_EQ(value(off, "vTributoISS"), "0,00");
  EXPECT_EQ(value(off, "vTributoPISProduto"), "0,00");
  EXPECT_EQ(value(off, "vTributoINSS"), "63,25");
  EXPECT_EQ(value(off, "vTributos"), "63,25");

  // A company in the simplified regime: its own ICMS rate on the charged lines of a rental.
  const DocumentData simples = read(20101, 740, 2);
  EXPECT_EQ(value(simples, "vTributoICMS"), "1,47");  // 1,86 % of 79,00
  EXPECT_EQ(value(simples, "vTributoISS"), "0,00");   // setting 207 of unit 740 has no ISS
}

// On Writer every list becomes a row after the scalar rows, and no list name is replaced
// inside a longer one: each name comes after every longer name that begins with it.
TEST_F(BudgetData, WriterListRowsLongerNamesFirst) {
  DocumentData d = read(20051);
  const int32_t scalars = d.table.counter();
  add_writer_lists(d.table, d.lists, budget::word_list_order());
  std::vector<Text> names;
  for (int32_t row = scalars + 1; row <= d.table.counter(); ++row)
    names.push_back(d.table.text(row));
  EXPECT_EQ(names.size(), d.lists.all().size());
  for (size_t i = 0; i < names.size(); ++i) {
    for (size_t j = i + 1; j < names.size(); ++j) {
      EXPECT_FALSE(names[j].size() > names[i].size() && names[j].starts_with(names[i]))
          << to_utf8(names[j]) << " comes after " << to_utf8(names[i]);
    }
  }
}

}  // namespace
}  // namespace orvane::docgen
