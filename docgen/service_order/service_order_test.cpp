// The service order end to end: the demo database, the demo template built by LibreOffice,
// both members and both suites, real PDFs and Word files read back, and a printer and an
// opener that record how they were called.
#include "docgen/service_order/service_order.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "core/convert.h"
#include "platform/db/db.h"
#include "platform/office/package.h"
#include "testing/documents.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

namespace fs = std::filesystem;
using orvane::testing::CallRecorder;
using orvane::testing::count_of;
using orvane::testing::pdf_text;
using orvane::testing::read_file;
using orvane::testing::run_command;
using orvane::testing::TempDir;

const fs::path kTemplates = fs::path(ORVANE_BINARY_DIR) / "demo" / "templates";
const std::string kTemplate = "Ordem de Serviço";

// The placeholders of the template that only the Word variant fills.
const char* const kWordOnly[] = {"vEmpMonitoramento", "vSigmaLocalizaPainel", "vObserva",
                                 "vServOrc"};

class ServiceOrder : public ::testing::Test {
 protected:
  // One temporary folder for the whole process: the office converter, once started, keeps
  // its own files there.
  static const TempDir& shared() {
    static TempDir* dir = new TempDir();
    return *dir;
  }
  static void SetUpTestSuite() {
    fs::create_directories(shared().path() / "tmp");
    setenv("TMPDIR", (shared().str() + "tmp/").c_str(), 1);
  }

  void SetUp() override {
    if (!fs::exists(kTemplates / (kTemplate + ".docx"))) GTEST_SKIP() << "templates not built";
    for (const auto& e : fs::directory_iterator(shared().path() / "tmp")) {
      if (e.path().filename().string().rfind("Ordem", 0) == 0) fs::remove(e.path());
    }
    db_ = orvane::testing::demo_database(dir_).string();
    fs::create_directories(dir_.path() / "modelos");
    for (const char* ext : {".docx", ".odt"}) {
      fs::copy_file(kTemplates / (kTemplate + ext), dir_.path() / "modelos" / (kTemplate + ext));
    }
  }

  struct Run {
    Text result, layout;
    std::vector<ui::Message> messages;
  };
  enum class Member { GeraOS, GeraOSOpen };
  Run run(Member member, int32_t planilha, const std::string& file, int32_t unit = 301,
          HostSettings settings = {}, bool visualiza = false, int16_t copias = 0) {
    orvane::testing::RecordingContext rec(recorder_.settings(settings));
    Variant conn = db::as_variant(db::open_connection(from_utf8(db_), rec.ctx));
    Run r;
    r.layout = from_utf8(dir_.str() + "modelos/" + file);
    const int32_t company = unit == 740 ? 2 : 1;
    r.result =
        member == Member::GeraOS
            ? GeraOS(rec.ctx, conn, unit, company, planilha, r.layout, visualiza, copias)
            : GeraOSOpen(rec.ctx, conn, unit, company, planilha, r.layout, visualiza, copias);
    r.messages = rec.sink->messages();
    return r;
  }

  std::string tmp(const std::string& name) const { return shared().str() + "tmp/" + name; }

  static void expect_generic_failure(const Run& r) {
    EXPECT_EQ(r.result, u"");
    ASSERT_EQ(r.messages.size(), 1u);
    const std::string m = to_utf8(r.messages[0].text);
    EXPECT_EQ(m.rfind("Ocorreu um erro ao processar o arquivo:\r\r", 0), 0u) << m;
    EXPECT_EQ(r.messages[0].style, 16);
    EXPECT_EQ(r.messages[0].title, u"Orvane");
  }

  TempDir dir_;
  std::string db_;
  CallRecorder recorder_{dir_};
};

void expect_contains(const std::string& text, std::initializer_list<const char*> parts) {
  for (const char* p : parts) EXPECT_NE(text.find(p), std::string::npos) << p << "\n" << text;
}

TEST_F(ServiceOrder, WordRouteFillsTheWholeOrder) {
  Run r = run(Member::GeraOS, 30188, kTemplate + ".docx");
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  EXPECT_EQ(to_utf8(r.result), tmp(kTemplate + ".pdf"));
  EXPECT_EQ(r.layout, r.result);
  const std::string text = pdf_text(to_utf8(r.result));
  expect_contains(text, {"ANA LÚCIA BERTOLINI CARDOSO",
                         "RUA CORONEL QUIRINO, 1187",
                         "ORDEM DE SERVIÇO - INSTALAÇÃO",
                         "AGENDADO O SERVIÇO COM O CLIENTE NO DIA 09/12/2026 ÀS 08:30",
                         "JULIANA FERRAZ MONTENEGRO",
                         "R$ 1.216,80",
                         "R$ 888,80",
                         "Boleto bancário",
                         "ENTRADA A VISTA",
                         "CONFIGURAÇÃO DE GRAVADOR",
                         "Sem Cobrança",
                         "SIRENE PIEZOELÉTRICA",
                         "PORTA SOCIAL",
                         "RAFAEL AUGUSTO CARDOSO",
                         "89551093144010299402",
                         "Em Transito",
                         "Sensor da sala disparando sem movimento",
                         "Gravador acessível pelo aplicativo do cliente. (",
                         "VÍDEO MONITORAMENTO",
                         "Mensal pós-pago",
                         "10001 / 2231 / 001",
                         "R$ 569,00"});
  // The marked spans are masked wherever the observations are typed whole.
  EXPECT_EQ(text.find("Thor@2026"), std::string::npos) << text;
  EXPECT_NE(text.find("*****************************************"), std::string::npos);
  // The monitoring observations are longer than Word replaces at once: typed whole.
  expect_contains(text, {"Não acionar a polícia antes da confirmação visual do agente."});
  // No placeholder is left.
  for (const char* prefix : {"OS.", "Cli.", "Emp.", "OSs.", "vEquip", "vServ", "vOSs", "vVei"}) {
    EXPECT_EQ(text.find(prefix), std::string::npos) << prefix << "\n" << text;
  }
}

TEST_F(ServiceOrder, WriterRouteByHandOverAndByItsOwnMember) {
  Run handed = run(Member::GeraOS, 30188, kTemplate + ".odt");
  ASSERT_TRUE(handed.messages.empty()) << to_utf8(handed.messages[0].text);
  EXPECT_EQ(to_utf8(handed.result), tmp(kTemplate + ".pdf"));
  const std::string text = pdf_text(to_utf8(handed.result));
  expect_contains(text, {"ANA LÚCIA BERTOLINI CARDOSO", "R$ 1.216,80", "ENTRADA A VISTA",
                         "JULIANA FERRAZ MONTENEGRO", "PORTA SOCIAL", "Em Transito",
                         "Gravador acessível pelo aplicativo do cliente. ( )"});
  // The total is not eaten by "vTotal" before "vTotalOS" (substring replacement).
  EXPECT_EQ(text.find("1.216,80OS"), std::string::npos) << text;
  EXPECT_EQ(text.find("vPerc"), std::string::npos) << text;
  // Writer has no masking and none of the Word-only placeholders.
  EXPECT_NE(text.find("senha Thor@2026"), std::string::npos) << text;
  for (const char* p : kWordOnly) EXPECT_NE(text.find(p), std::string::npos) << p;

  Run own = run(Member::GeraOSOpen, 30188, kTemplate + ".odt");
  ASSERT_TRUE(own.messages.empty()) << to_utf8(own.messages[0].text);
  EXPECT_EQ(pdf_text(to_utf8(own.result)), text);
}

TEST_F(ServiceOrder, TrackingOrderWithItsVehicles) {
  Run r = run(Member::GeraOS, 74022, kTemplate + ".docx", 740);
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  const std::string text = pdf_text(to_utf8(r.result));
  expect_contains(text, {"TRANSPORTADORA RIO PARDO LTDA", "RASTREVIA RASTREAMENTO VEICULAR LTDA",
                         "SHX2J90", "861585040126007", "31-99704-1178", "PXT8C19", "01322457719",
                         "Rastreador comunicando com a plataforma", "SEM ENTRADA", "ATÉ 12/12/2026",
                         "Não Informado"});
}

TEST_F(ServiceOrder, EmptyListsShowTheirTexts) {
  for (const char* ext : {".docx", ".odt"}) {
    Run r = run(Member::GeraOS, 30201, kTemplate + ext);
    ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
    const std::string text = pdf_text(to_utf8(r.result));
    expect_contains(
        text, {"MARCOS VINÍCIUS TELES", "*** NÃO HÁ EQUIPAMENTOS INSTALADOS ***",
               "*** NÃO HÁ EQUIPAMENTOS LOCADOS ***", "*** NÃO HÁ CHIP VINCULADO AO CLIENTE ***",
               "Sem Forma de Pagamento Informada"});
    for (const char* p : {"vCondições", "vServiços", "vOSsAnteriores", "vTabelaVeiculos"}) {
      EXPECT_EQ(text.find(p), std::string::npos) << ext << " " << p;
    }
  }
}

TEST_F(ServiceOrder, UnitsKeepingWordDocumentsAndOldWord) {
  // Unit 302 keeps orders as Word files: a Word 97 ".doc", left open for the user.
  Run r = run(Member::GeraOS, 30202, kTemplate + ".docx", 302);
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  EXPECT_EQ(to_utf8(r.result), tmp(kTemplate + ".doc"));
  EXPECT_EQ(read_file(to_utf8(r.result)).substr(0, 4), std::string("\xD0\xCF\x11\xE0"));
  EXPECT_NE(recorder_.calls(1).find("opener " + to_utf8(r.result)), std::string::npos);

  // So does Word before version 12, for any unit.
  HostSettings word11;
  word11.word_version = u"11.0";
  r = run(Member::GeraOS, 30188, kTemplate + ".docx", 301, word11, false, 1);
  EXPECT_EQ(to_utf8(r.result), tmp(kTemplate + ".doc"));
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0].text, word_printing_message());

  // On Writer the preview leaves the document open instead of opening the PDF.
  fs::remove(dir_.path() / "recorder" / "calls.log");
  r = run(Member::GeraOSOpen, 30202, kTemplate + ".odt", 302, {}, true, 0);
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  EXPECT_EQ(to_utf8(r.result), tmp(kTemplate + ".pdf"));
  EXPECT_TRUE(fs::exists(to_utf8(r.result)));
  EXPECT_EQ(recorder_.calls(0), "");
}

TEST_F(ServiceOrder, PrintingAndPreview) {
  Run r = run(Member::GeraOSOpen, 30205, kTemplate + ".odt", 301, {}, false, 2);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0].text, writer_printing_message());
  EXPECT_EQ(count_of(recorder_.calls(2), "printer 1 "), 2u);  // once per copy

  fs::remove(dir_.path() / "recorder" / "calls.log");
  r = run(Member::GeraOSOpen, 30205, kTemplate + ".odt", 301, {}, true, 2);
  EXPECT_TRUE(r.messages.empty());
  const std::string log = recorder_.calls(1);
  EXPECT_NE(log.find("opener " + to_utf8(r.result)), std::string::npos) << log;
  EXPECT_EQ(log.find("printer"), std::string::npos) << log;
}

TEST_F(ServiceOrder, BadInputReportsAndLeavesNoFile) {
  // An unknown order, a customer or company that is not there.
  db::ConnectionPtr c = db::open_connection(from_utf8(db_));
  c->execute(T("Update OSs Set Cliente=4444 Where Planílha=30202"));
  c->execute(T("Update OSs Set Empresa=9 Where Planílha=30205"));
  for (int32_t planilha : {99999, 30202, 30205}) {
    for (const char* ext : {".docx", ".odt"}) {
      Run r = run(Member::GeraOS, planilha, kTemplate + ext);
      expect_generic_failure(r);
      EXPECT_FALSE(fs::exists(tmp(kTemplate + ".pdf"))) << planilha << ext;
    }
  }
  // A list is not cut: a 51st technician overflows vTecnicos (subscript error 9).
  for (int i = 0; i < 50; ++i) {
    c->execute(T("Insert Into OSsTécnicosAuxiliares (Planílha, Técnico) Values (30201, 9002)"));
  }
  Run overflow = run(Member::GeraOS, 30201, kTemplate + ".docx");
  expect_generic_failure(overflow);
  EXPECT_NE(to_utf8(overflow.messages.at(0).text).find("\r\r9 - "), std::string::npos);
  // A template that is not there, or is not a document.
  Run missing = run(Member::GeraOS, 30188, "Sem Modelo.docx");
  expect_generic_failure(missing);
  for (const char* ext : {".docx", ".odt"}) {
    // A package with nothing of a document in it.
    office::Package zip = office::Package::open((kTemplates / (kTemplate + ext)).string());
    for (const std::string& part : zip.names()) zip.remove(part);
    zip.write("leia-me.txt", "não é um documento");
    zip.save((dir_.path() / "modelos" / (std::string("Pacote") + ext)).string(), false);
    Run not_a_document = run(Member::GeraOS, 30188, std::string("Pacote") + ext);
    expect_generic_failure(not_a_document);
    EXPECT_FALSE(fs::exists(tmp("Pacote.pdf"))) << ext;
  }
}

TEST_F(ServiceOrder, FailureAfterTheBalanceKeepsTheRebuiltBalance) {
  db::ConnectionPtr c = db::open_connection(from_utf8(db_));
  c->execute(
      T("Insert Into TempProdutosCliente (Cliente, CodProduto, Descrição, Tipo, Quantidade) "
        "Values (1042, 1009, 'ANTIGA', 'Locado', 9)"));
  c->execute(u"Drop Table ClientesChip");  // read after the balance
  Run r = run(Member::GeraOS, 30188, kTemplate + ".docx");
  expect_generic_failure(r);
  EXPECT_FALSE(fs::exists(tmp(kTemplate + ".pdf")));
  auto rows =
      db::open_recordset(db::as_variant(c),
                         u"Select Count(*), Sum(Case Tipo When 'Em Transito' Then 1 Else 0 End), "
                         u"Sum(Case CodProduto When 1009 Then 1 Else 0 End) From "
                         u"TempProdutosCliente Where Cliente=1042");
  EXPECT_EQ(CLng(rows->field(0)), 11);
  EXPECT_EQ(CLng(rows->field(1)), 1);
  EXPECT_EQ(CLng(rows->field(2)), 0);
}

TEST_F(ServiceOrder, MissingSuites) {
  HostSettings no_word;
  no_word.without_word = true;
  Run r = run(Member::GeraOS, 30188, kTemplate + ".docx", 301, no_word);
  EXPECT_EQ(r.result, u"");
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(to_utf8(r.messages[0].text),
            "Não é possível gerar a impressão de OS pois não há Word instalado na máquina!");
  EXPECT_EQ(r.messages[0].style, 16);
  // The Word member hands an ".odt" over without asking for Word.
  r = run(Member::GeraOS, 30188, kTemplate + ".odt", 301, no_word);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_FALSE(r.result.empty());

  HostSettings no_writer;
  no_writer.without_writer = true;
  r = run(Member::GeraOSOpen, 30188, kTemplate + ".odt", 301, no_writer);
  EXPECT_EQ(r.result, u"");
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(to_utf8(r.messages[0].text),
            "Não é possível gerar a impressão da OS pois não há Writer (OpenOffice) instalado na "
            "máquina!");
}

TEST_F(ServiceOrder, CommandLineWritesLayoutOrdemBack) {
  const std::string tpl = dir_.str() + "modelos/" + kTemplate + ".docx";
  auto r = run_command("TMPDIR='" + shared().str() + "tmp/' " + orvane::testing::orvane_bin() +
                       " call --json --db '" + db_ +
                       "' GeraDocsOrvane GeraOS @conn @long:301 @long:1 @long:30188 '" + tpl +
                       "' @bool:false @int:0");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string pdf = tmp(kTemplate + ".pdf");
  EXPECT_NE(r.out.find("\"LayoutOrdem\":{\"type\":\"String\",\"value\":\"" + pdf + "\"}"),
            std::string::npos)
      << r.out;
  EXPECT_NE(pdf_text(pdf).find("ANA LÚCIA BERTOLINI CARDOSO"), std::string::npos);
}

}  // namespace
}  // namespace orvane::docgen
