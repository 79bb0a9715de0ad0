// The amendment end to end: the demo database, the demo templates built by LibreOffice, both
// members and both suites, the PDFs read back with pdftotext.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>

#include "component/registry.h"
#include "core/convert.h"
#include "docgen/amendment/amendment.h"
#include "docgen/frame/pipeline.h"
#include "platform/db/db.h"
#include "testing/documents.h"
#include "testing/s3rver.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

namespace fs = std::filesystem;
using orvane::testing::count_nodes;
using orvane::testing::pdf_text;
using orvane::testing::squeeze;
using orvane::testing::TempDir;

const fs::path kTemplates = fs::path(ORVANE_BINARY_DIR) / "demo" / "templates";

// Every table of the database but the customers' equipment balance (rebuilt before it is
// read), as text.
std::string database_text(const fs::path& file) {
  sqlite3* db = nullptr;
  EXPECT_EQ(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  std::vector<std::string> tables;
  auto each_row = [&](const std::string& sql, auto&& fn) {
    sqlite3_stmt* st = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), SQLITE_OK) << sql;
    while (sqlite3_step(st) == SQLITE_ROW) fn(st);
    sqlite3_finalize(st);
  };
  each_row("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name",
           [&](sqlite3_stmt* st) {
             tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
           });
  std::string out;
  for (const std::string& t : tables) {
    if (t == "TempProdutosCliente") continue;
    out += "[" + t + "]\n";
    each_row("SELECT * FROM \"" + t + "\" ORDER BY rowid", [&](sqlite3_stmt* st) {
      for (int i = 0; i < sqlite3_column_count(st); ++i) {
        const unsigned char* v = sqlite3_column_text(st, i);
        out += (v ? reinterpret_cast<const char*>(v) : "<null>") + std::string("|");
      }
      out += "\n";
    });
  }
  sqlite3_close(db);
  return out;
}

class AmendmentDocuments : public ::testing::Test {
 protected:
  // One temporary folder for the whole process: the office converter, once started, keeps
  // its own files there.
  static const TempDir& temporary_folder() {
    static TempDir* shared = new TempDir();
    return *shared;
  }
  static void SetUpTestSuite() { setenv("TMPDIR", temporary_folder().str().c_str(), 1); }

  void SetUp() override {
    if (!fs::exists(kTemplates / "Aditivo.docx") || !fs::exists(kTemplates / "AdditiveLGPD.dll")) {
      GTEST_SKIP() << "templates not built";
    }
    db_file_ = orvane::testing::demo_database(dir_);
    fs::create_directories(dir_.path() / "modelos" / "padrao");
    for (const char* name : {"Aditivo.docx", "Aditivo.odt"}) {
      fs::copy_file(kTemplates / name, dir_.path() / "modelos" / name);
    }
    fs::copy_file(kTemplates / "AdditiveLGPD.dll",
                  dir_.path() / "modelos" / "padrao" / "AdditiveLGPD.dll");
  }

  struct Run {
    Text result, layout;
    std::vector<ui::Message> messages;
  };
  Run run(int32_t customer, int32_t number, const std::string& template_path,
          Route member = Route::Word, HostSettings settings = {}, bool forca_pdf = false) {
    orvane::testing::RecordingContext rec(settings);
    Variant conn = db::as_variant(db::open_connection(from_utf8(db_file_.string()), rec.ctx));
    Run r;
    r.layout = from_utf8((dir_.path() / "modelos" / template_path).string());
    r.result = member == Route::Word ? GeraAditivo(rec.ctx, conn, 301, 1, customer, r.layout,
                                                   number, false, 0, forca_pdf)
                                     : GeraAditivoOpen(rec.ctx, conn, 301, 1, customer, r.layout,
                                                       number, false, 0, forca_pdf);
    r.messages = rec.sink->messages();
    return r;
  }
  void execute(const char* sql) {
    db::open_connection(from_utf8(db_file_.string()))->execute(from_utf8(sql));
  }
  fs::path documents() const { return dir_.path() / "Documentos Campinas"; }

  TempDir dir_;
  fs::path db_file_;
};

// The carrier's amendment on Word: its name, the vehicle service sentences and the services
// before and after; a second call does not overwrite the first; the database is as it was.
TEST_F(AmendmentDocuments, WordRouteNamesTheFileAndKeepsTheEarlierOne) {
  const std::string before = database_text(db_file_);
  Run r = run(1063, 1, "Aditivo.docx");
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  const fs::path first = documents() / "0001063-ADT1-TRANSPORTADORA RIO PARDO LTDA.pdf";
  EXPECT_EQ(to_utf8(r.result), first.string());
  EXPECT_EQ(r.layout, r.result);
  const std::string text = pdf_text(first);
  for (const char* expected :
       {"PROTEÇÃO VEICULAR incluído com o valor de R$ 89,00 (Oitenta e nove reais) na "
        "mensalidade do veículo",
        "ASSISTÊNCIA 24H VEICULAR com o valor de R$ 29,90 (Vinte e nove reais e noventa centavos) "
        "removido da mensalidade do veículo",
        "com o acréscimo de R$ 5,00 (Cinco reais)", "com a redução de R$ 10,00 (Dez reais)",
        "**MONITORAMENTO MENSAL", "R$ 528,60", "R$ 777,50", "R$ 99,60",
        "OS SEGUINTES VEÍCULOS SERÃO REMOVIDOS: PXT8C19", "Serviço Contratado",
        "Rastreadores cedidos em comodato", "PARCELAS IGUAIS E SUCESSIVAS DE R$ 355,67",
        "RASTREAMENTO VEICULAR DE CINCO VEÍCULOS",
        "CLÁUSULA 1ª - Objeto: rastreamento dos veículos "
        "QPD4F21, RFA2B37, HMG7E54, SHX2J90 e GTR5H08."}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  for (const char* placeholder :
       {"vADTServ", "vADTVe", "vTabelaProd", "vPlacas", "ADT.", "Cli.", "vDiferenca",
        // taken over from the contract
        "vEquip", "vServAD", "vVeiculo", "vOrcObserv", "vComunica", "vListaDuplicatas"}) {
    EXPECT_EQ(text.find(placeholder), std::string::npos) << placeholder;
  }

  const auto first_size = fs::file_size(first);
  r = run(1063, 1, "Aditivo.docx");
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  EXPECT_EQ(to_utf8(r.result),
            (documents() / "0001063-ADT1-TRANSPORTADORA RIO PARDO LTDA(1).pdf").string());
  EXPECT_EQ(fs::file_size(first), first_size);
  EXPECT_EQ(database_text(db_file_), before);
}

// The standard template, in any folder, and Writer templates go to Writer even when Word is
// installed: the Word member succeeds on a machine without Word. The tables are Writer
// text tables.
TEST_F(AmendmentDocuments, StandardTemplateAndWriterTemplatesGoToWriter) {
  const std::string before = database_text(db_file_);
  HostSettings no_word;
  no_word.without_word = true;
  Run r = run(1042, 1, "padrao/AdditiveLGPD.dll", Route::Word, no_word);
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  EXPECT_EQ(to_utf8(r.result),
            (documents() / "0001042-ADT1-Ana LUcia Bertolini Cardoso.pdf").string());
  const std::string text = pdf_text(to_utf8(r.result));
  for (const char* expected :
       {"*LOCAÇÃO/COMODATO", "R$ 105,00", "VÍDEO MONITORAMENTO", "R$ 79,90", "Serviço Contratado",
        "Valor Unitário", "CÂMERA BULLET VHD 1220 B FULL HD", "SIRENE PIEZOELÉTRICA 120 DB",
        "MONITORAMENTO ELETRÔNICO DE ALARME 24 HORAS E VÍDEO MONITORAMENTO"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  for (const char* placeholder :
       {"vADTServ", "vADTVe", "vTabelaServ", "vTabelaProd", "ADT.", "Cli.", "vEquipamentosAcr"}) {
    EXPECT_EQ(text.find(placeholder), std::string::npos) << placeholder;
  }

  // The customer bought its equipment: no loan row; the lower value reads negative.
  r = run(1201, 1, "Aditivo.odt", Route::Word, no_word);
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  const std::string sale = pdf_text(to_utf8(r.result));
  EXPECT_EQ(sale.find("LOCAÇÃO/COMODATO"), std::string::npos);
  EXPECT_NE(sale.find("R$ -49,90 (Quarenta e nove reais e noventa centavos)"), std::string::npos);
  EXPECT_EQ(database_text(db_file_), before);
}

// Setting 311 keeps the amendment as a document of the suite (".doc" on Word, ".odt" on
// Writer) unless a PDF is forced.
TEST_F(AmendmentDocuments, KeepWordUnlessAPdfIsForced) {
  execute("Update DadosEntidades Set Codigo=' 1 ' Where CodEntidade=311 And Unidade=301");
  Run r = run(1042, 1, "Aditivo.docx");
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  EXPECT_EQ(to_utf8(r.result),
            (documents() / "0001042-ADT1-Ana LUcia Bertolini Cardoso.doc").string());
  EXPECT_TRUE(fs::exists(to_utf8(r.result)));

  r = run(1042, 1, "Aditivo.odt", Route::Writer);
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  const fs::path odt = documents() / "0001042-ADT1-Ana LUcia Bertolini Cardoso.odt";
  ASSERT_EQ(to_utf8(r.result), odt.string());
  // The template's three tables and those put in at their placeholders: the products added
  // and withdrawn, the registered services and the services with their total, and the
  // contract's equipment, ordered services, services with notes and receivables (this
  // customer's budgets have no vehicles).
  EXPECT_EQ(count_nodes(odt, "//table:table"), 3u + 8u);

  r = run(1042, 1, "Aditivo.docx", Route::Word, {}, true);
  EXPECT_EQ(to_utf8(r.result),
            (documents() / "0001042-ADT1-Ana LUcia Bertolini Cardoso.pdf").string());
}

// A unit that keeps its files in storage: the template comes from there, the amendment is
// written beside the fetched copy (no counter) and stored there too.
TEST_F(AmendmentDocuments, StorageSwitchWritesBesideTheWorkingCopyAndStoresTheFile) {
  orvane::testing::S3rver s3;
  if (s3.absent()) GTEST_SKIP() << s3.problem();
  ASSERT_TRUE(s3.running()) << s3.problem();
  execute(
      ("Update Unidades Set S3Ativo=1, UrlAmbienteS3='" + s3.endpoint() + "' Where CodUnidade=301")
          .c_str());
  const fs::path local = dir_.path() / "modelos" / "Aditivo.docx";
  ObjectPtr store = component::create_object(u"Tesmar.Orvane.OrvaneArquivos", nullptr);
  call(store, u"SalvarArquivo",
       {Variant(from_utf8(s3.endpoint())), Variant(Text(u"S3RVER")), Variant(Text(u"S3RVER")),
        Variant(from_utf8(local.string())), Variant(from_utf8(local.string()))});
  fs::remove(local);  // only the stored template is there to be used

  Run r = run(1063, 1, "Aditivo.docx");
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  const fs::path produced(to_utf8(r.result));
  EXPECT_EQ(produced.filename(), "0001063-ADT1-TRANSPORTADORA RIO PARDO LTDA.pdf");
  EXPECT_EQ(produced.parent_path().string() + "/", temporary_folder().str());
  // The store keeps the key without its leading "/".
  const fs::path key = (dir_.path() / "Arquivos Campinas" / produced.filename()).relative_path();
  EXPECT_TRUE(fs::exists(s3.object_file(key.string())));
  EXPECT_NE(pdf_text(produced).find("com a redução de R$ 10,00"), std::string::npos);
}

TEST_F(AmendmentDocuments, FailuresReportAndLeaveNoFile) {
  for (Route member : {Route::Word, Route::Writer}) {
    for (const char* name : {"Aditivo.docx", "Aditivo.odt"}) {
      Run r = run(1042, 2, name, member);  // cancelled: refused as unknown
      EXPECT_EQ(r.result, u"");
      ASSERT_EQ(r.messages.size(), 1u) << name;
      const std::string m = to_utf8(r.messages[0].text);
      EXPECT_EQ(m.rfind("Ocorreu um erro ao processar o arquivo:\r\r3021 - ", 0), 0u) << m;
      EXPECT_EQ(r.messages[0].style, 16);
    }
  }
  EXPECT_FALSE(fs::exists(documents()) && !fs::is_empty(documents()));

  HostSettings none;
  none.without_word = true;
  Run r = run(1063, 1, "Aditivo.docx", Route::Word, none);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(to_utf8(r.messages[0].text),
            "Não é possível gerar o aditivo pois não há Word instalado na máquina!");
  none = {};
  none.without_writer = true;
  r = run(1063, 1, "padrao/AdditiveLGPD.dll", Route::Word, none);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(to_utf8(r.messages[0].text),
            "Não é possível gerar o aditivo pois não há Writer (OpenOffice) instalado na máquina!");
  EXPECT_EQ(r.result, u"");
}

}  // namespace
}  // namespace orvane::docgen
