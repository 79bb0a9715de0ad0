// The service order's data pass on the demo database, without a document: the computed
// placeholders and their fall-backs, the delivery address, the lists (pairings, charged
// and rented lines, sort orders, empty-list texts), the payment terms, the previous orders,
// the masking of marked spans, and what differs between the Word and Writer variants.
#include <gtest/gtest.h>

#include <map>

#include "core/convert.h"
#include "docgen/service_order/observations.h"
#include "docgen/service_order/payment_terms.h"
#include "docgen/service_order/service_order.h"
#include "platform/db/db.h"
#include "testing/testing.h"

namespace orvane::docgen::service_order {
namespace {

using orvane::testing::RecordingContext;
using orvane::testing::TempDir;

std::vector<std::string> lines_of(const ListLines& l) {
  std::vector<std::string> out;
  for (int32_t i = 1; i <= l.count(); ++i) out.push_back(to_utf8(l.line(i)));
  return out;
}

// The rows of one data pass by placeholder (the first row of each name) and their order.
struct Read {
  OrderData data;
  std::map<std::string, std::string> value;
  std::vector<std::string> order;

  std::string operator[](const std::string& placeholder) const {
    auto it = value.find(placeholder);
    return it == value.end() ? "<no row>" : it->second;
  }
  std::vector<std::string> list(const char* placeholder) const {
    return lines_of(data.document.lists[from_utf8(placeholder)]);
  }
  const TableContent& table(const char* placeholder) const {
    const TableContent* t = data.document.table_content(from_utf8(placeholder));
    if (!t) throw std::runtime_error(placeholder);
    return *t;
  }
  // The first cell of every row of a table.
  std::vector<std::string> first_cells(const char* placeholder) const {
    std::vector<std::string> out;
    for (const TableBlock& b : table(placeholder).blocks) {
      for (const auto& row : b.rows) out.push_back(to_utf8(row.at(0).text));
    }
    return out;
  }
  size_t position(const std::string& placeholder) const {
    return std::find(order.begin(), order.end(), placeholder) - order.begin();
  }
};

class OrderDataPass : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir();
    db_ = new std::string(orvane::testing::demo_database(*dir_).string());
  }
  static void TearDownTestSuite() {
    delete dir_;
    delete db_;
  }

  Variant conn() const { return db::as_variant(db::open_connection(from_utf8(*db_), rec_.ctx)); }

  Read read_order(int32_t planilha, int32_t unit = 301, Route route = Route::Word) {
    Text layout = u"modelo.docx";
    Generation g(rec_.ctx, conn(), unit, 1, layout, false, 0);
    g.route = route;
    Read r{read(g, planilha), {}, {}};
    const PlaceholderTable& t = r.data.document.table;
    for (int32_t i = 1; i <= t.counter(); ++i) {
      const std::string name = to_utf8(t.text(i));
      r.order.push_back(name);
      const Variant& v = t.value(i);
      r.value.emplace(name, v.is_null() || v.is_empty() ? std::string() : to_utf8(CStr(v)));
    }
    return r;
  }

  RecordingContext rec_;  // "today" is 05/12/2026
  static TempDir* dir_;
  static std::string* db_;
};

TempDir* OrderDataPass::dir_ = nullptr;
std::string* OrderDataPass::db_ = nullptr;

TEST_F(OrderDataPass, ComputedPlaceholdersOfTheAlarmOrder) {
  const Read r = read_order(30188);
  EXPECT_EQ(r["vModalidade"], "Locado");
  EXPECT_EQ(r["vSigmaFantasia"], "RESID. ANA LUCIA CARDOSO");
  EXPECT_EQ(r["vEmpMonitoramento"], "10001");
  EXPECT_EQ(r["vCliAtividade"], "Residência unifamiliar");
  EXPECT_EQ(r["vArea"], "Campinas - Região Central");
  EXPECT_EQ(r["vSubArea"], "Cambuí");
  EXPECT_EQ(r["vTipoFaturamento"], "Mensal pós-pago");
  EXPECT_EQ(r["vMensagemTécnico"],
            "ATENÇÃO SR TECNICO, AGENDADO O SERVIÇO COM O CLIENTE NO DIA 09/12/2026 ÀS 08:30. "
            "SEJA PONTUAL!");
  EXPECT_EQ(r["vDataExecuta"], "09/12/2026 08:30");
  EXPECT_EQ(r["vTotal"], "1.216,80");
  EXPECT_EQ(r["vTotalOS"], "1.216,80");
  EXPECT_EQ(r["vOSTipo"], "INSTALAÇÃO");
  // The latest preventive visit of the customer, whichever order asks.
  EXPECT_EQ(r["vUltimaPreventiva"], "02/09/2025");
  EXPECT_EQ(r["vNomeTécnico"], "Carlos Eduardo Nogueira");
  EXPECT_EQ(r["vNomeVendedor"], "Patrícia Helena Duarte");
  EXPECT_EQ(r["vPercProdutosDescontos"], "1,35%");
  EXPECT_EQ(r["vProdutosDescontos"], "R$ 12,00");
  EXPECT_EQ(r["vServiçosDescontos"], "R$ 20,00");
  // The order names no payment form or condition: the imported budget's are used.
  EXPECT_EQ(r["vTitOrcOrigem"], "Ampliação com CFTV e vídeo monitoramento");
  EXPECT_EQ(r["vFormaPagamento"], "Boleto bancário");
  // Charged lines before their discounts: 458 + 180 + 12 + 99,80 + 139; 180 + 180.
  EXPECT_EQ(r["vProdutosTotalBruto"], "R$ 888,80");
  EXPECT_EQ(r["vServiçosTotalBruto"], "R$ 360,00");
  EXPECT_EQ(r["vUltAtendimentoDT"], "03/12/2026");
  // An order without a vehicle leaves the vehicle's placeholders empty.
  EXPECT_EQ(r["vVeiPlaca"], "");
  EXPECT_EQ(r["vVeiRastID"], "");

  // Writer replaces substrings in row order: a name that holds another comes first.
  EXPECT_LT(r.position("vTotalOS"), r.position("vTotal"));
  EXPECT_LT(r.position("vPercProdutosDescontos"), r.position("vProdutosDescontos"));
  EXPECT_LT(r.position("vPercServiçosDescontos"), r.position("vServiçosDescontos"));
}

TEST_F(OrderDataPass, FallBacksOfLevelPriorityAndSchedule) {
  struct Case {
    int32_t planilha;
    const char *nivel, *prioridade;
  };
  for (const Case& c :
       {Case{30188, "Alto", "Alta"}, Case{30205, "Muito Alto", "Baixa"},
        Case{30202, "Baixo", "Normal"}, Case{30201, "Não Informado", "Não Informado"}}) {
    const Read r = read_order(c.planilha);
    EXPECT_EQ(r["vNivelSeguranca"], c.nivel) << c.planilha;
    EXPECT_EQ(r["vPrioridade"], c.prioridade) << c.planilha;
  }
  // Not scheduled: the date the signed order is due back.
  const Read r = read_order(74022, 740);
  EXPECT_EQ(r["vPrioridade"], "Não Informado");  // "U"
  EXPECT_EQ(r["vMensagemTécnico"],
            "ATENÇÃO SR TECNICO, DEVOLVER A OS ASSINADA ATÉ O DIA 12/12/2026.");
  EXPECT_EQ(r["vDataExecuta"], "ATÉ 12/12/2026");
  EXPECT_EQ(r["vModalidade"], "Vendido");  // "R"
}

TEST_F(OrderDataPass, DeliveryAddressReplacesTheNamedAddressRows) {
  const Read own = read_order(30188);
  EXPECT_EQ(own["Cli.Endereço"], "RUA CORONEL QUIRINO");
  EXPECT_EQ(own["Cli.ComplEndereço"], "CASA 2");

  const Read delivered = read_order(30176);
  EXPECT_EQ(delivered["Cli.Endereço"], "Rua Barreto Leme");
  EXPECT_EQ(delivered["Cli.NumCasa"], "1740");
  EXPECT_EQ(delivered["Cli.ComplEndereço"], "Sala 31");
  EXPECT_EQ(delivered["Cli.Bairro"], "Cambuí");
  EXPECT_EQ(delivered["Cli.CEP"], "13025-085");
  // Only the named rows change: the accent-free twins keep the customer's own address.
  EXPECT_EQ(delivered["Cli.EndereCo"], "RUA CORONEL QUIRINO");
  EXPECT_EQ(delivered["Cli.Nome"], "ANA LÚCIA BERTOLINI CARDOSO");
}

TEST_F(OrderDataPass, ServiceAndProductListsTakeTheirLines) {
  const Read r = read_order(30188);
  EXPECT_EQ(r.list("vServiços4"), (std::vector<std::string>{"CONFIGURAÇÃO DE GRAVADOR E CÂMERAS",
                                                            "INFRAESTRUTURA DE CABEAMENTO (PONTO)",
                                                            "VISITA TÉCNICA\tSem Cobrança"}));
  EXPECT_EQ(r.list("vServiços7").at(2), "000502\tVISITA TÉCNICA\t1,0\tR$ 95,00\tR$ 95,00\tNão");
  EXPECT_EQ(r.list("vServiços5").at(1), "INFRAESTRUTURA DE CABEAMENTO (PONTO)\t180,00");
  // Sorted by description (OrdemProdutos 1); the rented cameras and the sold ones apart.
  EXPECT_EQ(r.list("vEquipamentos"),
            (std::vector<std::string>{
                "001011\tCABO COAXIAL BIPOLAR 4MM\t60,0\tR$ 3,00\tR$ 180,00",
                "001008\tCÂMERA BULLET VHD 1220 B FULL HD\t4,0\tR$ 229,00\tR$ 916,00",
                "001008\tCÂMERA BULLET VHD 1220 B FULL HD\t2,0\tR$ 229,00\tR$ 458,00",
                "001010\tFONTE CHAVEADA 12V 5A\t2,0\tR$ 49,90\tR$ 99,80",
                "001009\tGRAVADOR DIGITAL MHDX 1108 8 CANAIS\t1,0\tR$ 899,00\tR$ 899,00",
                "001016\tSENSOR DE FUMAÇA ÓPTICO SEM FIO\t1,0\tR$ 139,00\tR$ 139,00"}));
  EXPECT_EQ(r.list("vEquipamentosVendidos").size(), 4u);
  EXPECT_EQ(
      r.list("vEquipamentosOpera"),
      (std::vector<std::string>{"001008\tCÂMERA BULLET VHD 1220 B FULL HD\t4,0\tUN\tLocado",
                                "001009\tGRAVADOR DIGITAL MHDX 1108 8 CANAIS\t1,0\tUN\tLocado"}));
  EXPECT_EQ(r.list("vEquipamentos7").at(0), "CABO COAXIAL BIPOLAR 4MM\t60,0\tM\tVenda");
  EXPECT_EQ(r.list("vEquipamentos5").at(0), "CB-4MM\tCABO COAXIAL BIPOLAR 4MM\tUnicoba\t60,0");
  // The unit's selected cost (management cost of unit 301), not the line's price.
  EXPECT_EQ(r.list("vEquipamentosInternos").at(4),
            "001009\tGRAVADOR DIGITAL MHDX 1108 8 CANAIS\t1,0\tR$ 569,00");
  // The charged lines' table; the points (smoke sensor) of the products.
  EXPECT_EQ(r.first_cells("vEquipamentosTabelaVendidos"),
            (std::vector<std::string>{"001011", "001008", "001010", "001016"}));
  EXPECT_EQ(r.list("vProdPontos"),
            (std::vector<std::string>{"001016\tSENSOR DE FUMAÇA ÓPTICO SEM FIO\t1,0"}));
  EXPECT_EQ(r.list("vEquipamentosRetirar"),
            (std::vector<std::string>{"001005\tSIRENE PIEZOELÉTRICA 120 DB\t1,0\tUN\tLocado"}));
  // The travel record ('D') is not a visit.
  EXPECT_EQ(r.list("vAtendimentos").size(), 2u);
  EXPECT_EQ(r.list("vTecnicos"),
            (std::vector<std::string>{"CARLOS EDUARDO NOGUEIRA", "RENATO APARECIDO SILVEIRA",
                                      "JULIANA FERRAZ MONTENEGRO"}));
  EXPECT_EQ(r.list("vCliServ"),
            (std::vector<std::string>{"APLICATIVO DE CELULAR (ARME/DESARME)\tNão\t\t1,00\t14,90",
                                      "PRONTA RESPOSTA TÁTICA\tNão\tAtendimento em até 20 "
                                      "minutos\t1,00\t49,90",
                                      "LOCAÇÃO\t\t\t1,00\t60,00\t60,00",
                                      "MONITORAMENTO MENSAL\t\t\t1,00\t204,70\t204,70"}));
  EXPECT_EQ(r.list("vCheckList").back(), "Observações do cliente sobre a instalação.  \t");
  EXPECT_EQ(r.list("vCheckList").front(),
            "Câmeras fixadas, alinhadas e com foco ajustado. (     )");
  // The imported budget's additional services, with the discount in the Word layout.
  EXPECT_EQ(r.list("vServiçosAdicionais3"),
            (std::vector<std::string>{"VÍDEO MONITORAMENTO\t1,0\tR$ 79,90\tR$ 10,00\tMonitoramento "
                                      "por vídeo das quatro câmeras"}));
  EXPECT_EQ(r.list("vListaServOrc"), (std::vector<std::string>{"VÍDEO MONITORAMENTO"}));
  // Users, contacts and zones of the order's account only (2231, not 2240), numeric zones
  // first by length.
  EXPECT_EQ(r.list("vAcessos").size(), 3u);
  EXPECT_EQ(r.list("vContatos").size(), 2u);  // the contact without a phone is left out
  const std::vector<std::string> zones = r.list("vPontos");
  ASSERT_EQ(zones.size(), 11u);
  EXPECT_EQ(zones[6], "10\tJANELA DA SALA");
  EXPECT_EQ(zones[8], "E130\tDISPARO DE ZONA");
  EXPECT_EQ(r.list("vPontosC").at(0), "1\tPORTA SOCIAL\tSENSOR MAGNÉTICO XAS 4010\tMagnético");
}

TEST_F(OrderDataPass, ProductsFollowTheOrdersSort) {
  auto codes = [&](int32_t planilha, int32_t unit) {
    std::vector<std::string> out;
    for (const std::string& line : read_order(planilha, unit).list("vEquipamentos")) {
      out.push_back(line.substr(0, 6));
    }
    return out;
  };
  // Entered as 1016, 1004, 1014; sorted by code (2).
  EXPECT_EQ(codes(30205, 301), (std::vector<std::string>{"001004", "001014", "001016"}));
  // No sort given (Null): as entered.
  EXPECT_EQ(codes(74022, 740), (std::vector<std::string>{"001012", "001013"}));
}

TEST_F(OrderDataPass, VehiclesTrackersAndChipsOfTheTrackingOrder) {
  const Read r = read_order(74022, 740);
  EXPECT_EQ(r["vVeiPlacas"], "SHX2J90; GTR5H08");
  EXPECT_EQ(r["vVeiModelos"], "SCANIA/R 450 A6X2NA, TOYOTA/HILUX SRV 2.8 4X4");
  EXPECT_EQ(r["vVeiPlaca"], "SHX2J90");
  EXPECT_EQ(r["vVeiInclusao"], "26/11/2026");
  EXPECT_EQ(r["vVeiPanico"], "SIM");
  EXPECT_EQ(r["vVeiBloqueio"], "Bloqueio de combustível");
  EXPECT_EQ(r["vVeiRastID"], "861585040126007");
  EXPECT_EQ(r["vVeiRastModelo"], "ST4305");
  EXPECT_EQ(r["vVeiCHIPLinha"], "31-99704-1178");
  EXPECT_EQ(r["vVeiCHIPSerial"], "89550531100400201745");
  EXPECT_EQ(r["vInstVeiRastID"], "SHX2J90: 861585040126007; GTR5H08: 861585040125532");
  EXPECT_EQ(r.list("vVeiculosRastChip"),
            (std::vector<std::string>{
                "SHX2J90\tSCANIA/R 450 A6X2NA", "\tST4305\t861585040126007",
                "\t31-99704-1178\t89550531100400201745", "GTR5H08\tTOYOTA/HILUX SRV 2.8 4X4",
                "\tST340\t861585040125532", "\t31-98456-2290\t89550311000213370051"}));
  EXPECT_EQ(r.list("vVeiculosRetirarRastChip"),
            (std::vector<std::string>{"PXT8C19\tFIAT/STRADA FREEDOM 1.3\tST4305\t861585040124190\t"
                                      "31-99703-6621\t89551093144010301127"}));
  // The customer's active vehicles (1 to 4) and the order's two vehicle lines.
  EXPECT_EQ(r.first_cells("vTabelaVeiculos"),
            (std::vector<std::string>{"01234567891", "01298765432", "01155698740", "01322457719",
                                      "01377851240", "01203344556"}));
  EXPECT_EQ(r.list("vChipsVeiculos").size(), 2u);
  // The chip list is apart: the Word variant types it last.
  EXPECT_EQ(r.data.document.lists.find(u"vClienteChips"), nullptr);
  EXPECT_EQ(lines_of(r.data.chips[u"vClienteChips"]).at(0),
            "(31) 99701-2211\t89551093144010233816");
  EXPECT_EQ(r.list("vCheckList").size(), 2u);
}

TEST_F(OrderDataPass, PreviousOrdersAreTheThreeLatestEarlierOnesNotCancelled) {
  const Read r = read_order(30188);
  // The cancelled 30162 (opened after 30145) is left out.
  EXPECT_EQ(r.first_cells("vOSsAnteriores"),
            (std::vector<std::string>{"005001", "004977", "004902"}));
  EXPECT_EQ(r.first_cells("vOSsAnteriores2"), r.first_cells("vOSsAnteriores"));
  EXPECT_EQ(r.first_cells("vOSsAnteriores4"), r.first_cells("vOSsAnteriores"));
  // Of the order's monitoring account and partition only: 30176 is the office's account.
  EXPECT_EQ(r.first_cells("vOSsAnteriores3"),
            (std::vector<std::string>{"004977", "004902", "004827"}));
  // The scheduled time: date and hour stored apart.
  EXPECT_EQ(to_utf8(r.table("vOSsAnteriores4").blocks[0].rows[2][2].text), "08/09/2025 08:30:00");

  // Created before the order: 30176 is later than 30170.
  EXPECT_EQ(read_order(30170).first_cells("vOSsAnteriores"),
            (std::vector<std::string>{"004902", "004827", "004801"}));
}

TEST_F(OrderDataPass, PaymentTermsOfTheOrderOrItsBudget) {
  // The budget's condition 11: a down payment and 30/60 days from today.
  EXPECT_EQ(read_order(30188).list("vCondições"),
            (std::vector<std::string>{"ENTRADA A VISTA\tR$ 405,60", "04/01/2027\tR$ 405,60",
                                      "03/02/2027\tR$ 405,60"}));
  // The order's own condition 12.
  EXPECT_EQ(read_order(74022, 740).list("vCondições"),
            (std::vector<std::string>{"SEM ENTRADA 04/01/2027\tR$ 153,00", "03/02/2027\tR$ 153,00",
                                      "05/03/2027\tR$ 153,00"}));

  // Six installments of 100,00 with interest: the last takes the cents left.
  db::RecordsetPtr condition =
      db::open_recordset(conn(), T("Select * From CondiçõesPagto Where CodCondição=13"),
                         db::CursorType::Static, db::LockType::ReadOnly);
  ListLines lines(u"vCondições", 50);
  add_payment_terms(lines, *condition, Currency::from_int(100), Date::from_parts(2027, 1, 10));
  EXPECT_EQ(lines_of(lines),
            (std::vector<std::string>{"ENTRADA A VISTA\tR$ 16,66", "09/02/2027\tR$ 16,66",
                                      "11/03/2027\tR$ 16,66", "10/04/2027\tR$ 16,66",
                                      "10/05/2027\tR$ 16,66", "09/06/2027\tR$ 16,70",
                                      "JUROS DE 0,033% AO DIA APÓS O VENCIMENTO"}));
}

TEST_F(OrderDataPass, AnOrderWithNothingAttached) {
  const Read r = read_order(30201);
  // Neither the order nor a budget names a payment condition: no terms, no query.
  EXPECT_EQ(r.list("vCondições").size(), 0u);
  EXPECT_EQ(r["vFormaPagamento"], "Sem Forma de Pagamento Informada");
  EXPECT_EQ(r["vTitOrcOrigem"], "");
  EXPECT_EQ(r["vUltimaPreventiva"], "");
  EXPECT_EQ(r["vUltAtendimentoDT"], "");
  EXPECT_EQ(r["vMensagemTécnico"],
            "ATENÇÃO SR TECNICO, DEVOLVER A OS ASSINADA ATÉ O DIA 10/12/2026.");
  EXPECT_EQ(r["vProdutosDescontos"], "R$ 0,00");
  // The lists with a text of their own say so; the others stay empty.
  EXPECT_EQ(r.list("vProdutosInstalados"),
            (std::vector<std::string>{"*** NÃO HÁ EQUIPAMENTOS INSTALADOS ***"}));
  EXPECT_EQ(r.list("vProdutosInstaladosLoc"),
            (std::vector<std::string>{"*** NÃO HÁ EQUIPAMENTOS LOCADOS ***"}));
  EXPECT_EQ(lines_of(r.data.chips[u"vClienteChips"]),
            (std::vector<std::string>{"*** NÃO HÁ CHIP VINCULADO AO CLIENTE ***"}));
  for (const char* empty :
       {"vServiços", "vEquipamentos", "vEquipamentosRetirar", "vAtendimentos", "vCliServ",
        "vVeiculos", "vCheckList", "vServiçosAdicionais", "vListaServOrc", "vAcessos", "vPontos"}) {
    EXPECT_EQ(r.list(empty).size(), 0u) << empty;
  }
  for (const char* table : {"vEquipamentosTabela", "vOSsAnteriores", "vTabelaVeiculos"}) {
    EXPECT_FALSE(r.table(table).present) << table;
  }
  // With no observations the masked ones are empty; Word types the missing closing notes as
  // a blank.
  EXPECT_EQ(to_utf8(CStr(r.data.masked.at(0).value)), "");
  EXPECT_EQ(to_utf8(CStr(r.data.document.long_texts.at(0).value)), " ");

  // A customer paying ValorME (ValorNF 0) gets the monthly line from it, less the rental.
  EXPECT_EQ(read_order(30202).list("vCliServ"),
            (std::vector<std::string>{"LOCAÇÃO\t\t\t1,00\t35,00\t35,00",
                                      "MONITORAMENTO MENSAL\t\t\t1,00\t114,90\t114,90"}));
}

TEST_F(OrderDataPass, WordAndWriterVariantsDifferOnlyWhereTheyShould) {
  const Read word = read_order(30188, 301, Route::Word);
  const Read writer = read_order(30188, 301, Route::Writer);
  EXPECT_EQ(writer["vEmpMonitoramento"], "<no row>");
  EXPECT_EQ(writer.order.front(), "OSs.ObservaçõesFechamento");
  EXPECT_EQ(word["OSs.ObservaçõesFechamento"], "<no row>");
  EXPECT_TRUE(writer.data.masked.empty());
  EXPECT_TRUE(writer.data.document.long_texts.empty());
  ASSERT_EQ(word.data.document.long_texts.size(), 4u);
  EXPECT_EQ(to_utf8(word.data.document.long_texts[1].placeholder), "Cli.ObservaçãoSigma");
  // Every other row is the same, in the same order.
  std::vector<std::string> a = word.order, b = writer.order;
  a.erase(std::find(a.begin(), a.end(), "vEmpMonitoramento"));
  b.erase(b.begin());
  EXPECT_EQ(a, b);
  for (const std::string& name : a) EXPECT_EQ(word[name], writer[name]) << name;
}

TEST(MarkedSpans, AreMaskedUntilTheFirstUnmatchedMarker) {
  auto mask = [](const char* s) { return to_utf8(mask_marked_spans(from_utf8(s))); };
  EXPECT_EQ(mask("Portão [#1234#] e alarme [#5678#]."), "Portão ******** e alarme ********.");
  EXPECT_EQ(mask("sem marcas"), "sem marcas");
  EXPECT_EQ(mask(""), "");
  // Nested: from the first "[#" to the first "#]"; the outer "#]" stays.
  EXPECT_EQ(mask("a [#b [#c#] d#] e"), "a ********* d#] e");
  // Unclosed: left as it is, after the spans before it.
  EXPECT_EQ(mask("x [#1#] y [#2"), "x ***** y [#2");
  // A "#]" before the first "[#" ends the masking: the span after it stays visible.
  EXPECT_EQ(mask("chave #] azul; senha [#7741#]"), "chave #] azul; senha [#7741#]");
  // The markers may share the "#".
  EXPECT_EQ(mask("[#]"), "***");
}

TEST_F(OrderDataPass, MaskedObservationsOfTheDemoOrders) {
  const Read r = read_order(30205);
  EXPECT_EQ(to_utf8(CStr(r.data.masked.at(0).value)),
            "Ampliar a proteção do estoque: sensor de fumaça e dois magnéticos. Entrada pela "
            "garagem ******************** com o vigia#] e elevador de serviço. [#Senha da "
            "vitrine: 3390");
  EXPECT_EQ(to_utf8(r.data.masked.at(1).placeholder), "OS.Observações");
  EXPECT_EQ(r.data.masked.at(1).value, r.data.masked.at(0).value);
  const std::string open = to_utf8(CStr(read_order(30202).data.masked.at(0).value));
  EXPECT_NE(open.find("[#7741#]"), std::string::npos) << open;
}

}  // namespace
}  // namespace orvane::docgen::service_order
