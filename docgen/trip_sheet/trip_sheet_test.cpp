// The vehicle trip sheet end to end: the demo database, the demo templates built by
// LibreOffice, both suites, real PDFs read back with pdftotext, and a printer and an
// opener that record how they were called.
#include "docgen/trip_sheet/trip_sheet.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "component/registry.h"
#include "core/convert.h"
#include "demo/demo_db.h"
#include "docgen/frame/pipeline.h"
#include "platform/db/db.h"
#include "testing/s3rver.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

namespace fs = std::filesystem;
using orvane::testing::read_file;
using orvane::testing::run_command;
using orvane::testing::TempDir;
using orvane::testing::write_file;

const fs::path kTemplates = fs::path(ORVANE_BINARY_DIR) / "demo" / "templates";
const char* kTemplate = "Ficha de Deslocamento";

// The observation of demo trip 501 (longer than Word replaces at once).
const std::string kObservation =
    "Disparo na zona 3 (sala de estar) às 22h41. A cliente não atendeu às ligações da central. "
    "Na vistoria externa não havia sinais de arrombamento; a janela da sala estava aberta e a "
    "cortina balançava com o vento. O Sr. Rafael confirmou por telefone que esqueceu a janela "
    "aberta. Sistema rearmado remotamente às 23h40, com a janela fechada pelo vizinho Sr. "
    "Osvaldo.";

std::string squeeze(const std::string& s) {
  std::string out;
  bool blank = false;
  for (char c : s) {
    if (c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\f') {
      blank = !out.empty();
    } else {
      if (blank) out += ' ';
      blank = false;
      out += c;
    }
  }
  return out;
}

size_t count(const std::string& hay, const std::string& needle) {
  size_t n = 0;
  for (size_t at = hay.find(needle); at != std::string::npos; at = hay.find(needle, at + 1)) ++n;
  return n;
}

std::string pdf_text(const std::string& pdf) {
  auto r = run_command("pdftotext -enc UTF-8 '" + pdf + "' -");
  EXPECT_EQ(r.status, 0) << r.err;
  return squeeze(r.out);
}

class TripSheet : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    shared_ = new TempDir();
    db_path_ = shared_->str() + "demo.db";
    demo::write_demo_database(db_path_, shared_->path());
    // One temporary folder for the whole process: the office converter, once started,
    // keeps its own files there.
    fs::create_directories(shared_->path() / "tmp");
    setenv("TMPDIR", (shared_->str() + "tmp/").c_str(), 1);
  }
  static void TearDownTestSuite() {
    delete shared_;
    shared_ = nullptr;
  }

  void SetUp() override {
    if (!fs::exists(kTemplates / (std::string(kTemplate) + ".docx"))) {
      GTEST_SKIP() << "templates not built";
    }
    // Working copies and results of the previous test go.
    for (const auto& e : fs::directory_iterator(shared_->path() / "tmp")) {
      if (e.path().filename().string().rfind("Ficha", 0) == 0) fs::remove(e.path());
    }
    // The host's templates folder.
    fs::create_directories(dir_.path() / "modelos");
    for (const char* ext : {".docx", ".odt"}) {
      fs::copy_file(kTemplates / (std::string(kTemplate) + ext),
                    dir_.path() / "modelos" / (std::string(kTemplate) + ext));
    }
    log_ = dir_.str() + "calls.log";
    write_file(dir_.path() / "record.sh", "#!/bin/sh\necho \"$0 $*\" >> '" + log_ + "'\n");
    fs::permissions(dir_.path() / "record.sh", fs::perms::owner_all);
    fs::create_symlink(dir_.path() / "record.sh", dir_.path() / "printer");
    fs::create_symlink(dir_.path() / "record.sh", dir_.path() / "opener");
  }

  struct Run {
    Text result;
    Text layout;
    std::vector<ui::Message> messages;
  };
  Run run(int32_t trip, const std::string& template_name, HostSettings settings = {},
          bool visualiza = false, int16_t copias = 0, int32_t unit = 301,
          const std::string& database = db_path_) {
    settings.printer_command = dir_.str() + "printer";
    settings.opener_command = dir_.str() + "opener";
    orvane::testing::RecordingContext rec(settings);
    auto conn = db::as_variant(db::open_connection(from_utf8(database), rec.ctx));
    Run r;
    r.layout = from_utf8(dir_.str() + "modelos/" + template_name);
    r.result = GeraDeslocamentoViatura(rec.ctx, conn, unit, 1, trip, r.layout, visualiza, copias);
    r.messages = rec.sink->messages();
    return r;
  }

  // What the recording printer and opener were called with, waiting a little for the
  // opener, which runs detached.
  std::string calls(size_t expected_lines = 0) {
    for (int i = 0; i < 50; ++i) {
      std::string s = fs::exists(log_) ? read_file(log_) : "";
      if (static_cast<size_t>(std::count(s.begin(), s.end(), '\n')) >= expected_lines) return s;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return fs::exists(log_) ? read_file(log_) : "";
  }

  std::string tmp(const std::string& name) const { return shared_->str() + "tmp/" + name; }

  static TempDir* shared_;
  static std::string db_path_;
  TempDir dir_;
  std::string log_;
};

TempDir* TripSheet::shared_ = nullptr;
std::string TripSheet::db_path_;

TEST_F(TripSheet, WriterRouteFillsEveryPlaceholder) {
  Run r = run(501, std::string(kTemplate) + ".odt");
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  EXPECT_EQ(to_utf8(r.result), tmp(std::string(kTemplate) + ".pdf"));
  EXPECT_EQ(r.layout, r.result);
  std::string text = pdf_text(to_utf8(r.result));
  for (const char* expected :
       {"FZK3J17", "WELLINGTON BATISTA DOS SANTOS", "781.249.036-03", "18/11/2026", "22:47:00",
        "23:58:00", "48102", "RUA CORONEL QUIRINO, 1187 - CAMBUÍ", "17/04/2028",
        "STRADA ENDURANCE 1.4 CS", "9BD57814UNB112233"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
  // Every placeholder went, the accent-free ones too.
  for (const char* prefix : {"Des.", "Vei.", "Con."}) {
    EXPECT_EQ(text.find(prefix), std::string::npos) << text;
  }
  // Writer writes the long observation whole wherever it stands.
  EXPECT_EQ(count(text, squeeze(kObservation)), 2u) << text;
  // The unit's document folder was made on the way.
  EXPECT_TRUE(fs::is_directory(shared_->path() / "Documentos Campinas"));
}

TEST_F(TripSheet, WordRouteTypesTheObservationWholeOnlyOnce) {
  Run r = run(501, std::string(kTemplate) + ".docx");
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  EXPECT_EQ(to_utf8(r.result), tmp(std::string(kTemplate) + ".pdf"));
  std::string text = pdf_text(to_utf8(r.result));
  EXPECT_NE(text.find("WELLINGTON BATISTA DOS SANTOS"), std::string::npos) << text;
  EXPECT_EQ(text.find("Des."), std::string::npos) << text;
  // Whole at the first occurrence, its first 200 characters at the other.
  Text first200 = vb::Left(from_utf8(kObservation), 200);
  EXPECT_EQ(count(text, squeeze(kObservation)), 1u) << text;
  EXPECT_EQ(count(text, squeeze(to_utf8(first200))), 2u) << text;
}

TEST_F(TripSheet, CapitalOdtGoesToWordAndOldWordSavesDoc) {
  fs::copy_file(dir_.path() / "modelos" / (std::string(kTemplate) + ".odt"),
                dir_.path() / "modelos" / "Ficha.ODT");
  HostSettings no_writer;
  no_writer.without_writer = true;  // the Word route never asks for Writer
  Run r = run(501, "Ficha.ODT", no_writer);
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  EXPECT_EQ(to_utf8(r.result), tmp("Ficha.pdf"));
  EXPECT_NE(pdf_text(to_utf8(r.result)).find("FZK3J17"), std::string::npos);

  HostSettings word11;
  word11.word_version = u"11.0";
  r = run(501, std::string(kTemplate) + ".docx", word11);
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  EXPECT_EQ(to_utf8(r.result), tmp(std::string(kTemplate) + ".doc"));
  std::string doc = read_file(to_utf8(r.result));
  ASSERT_GE(doc.size(), 8u);
  EXPECT_EQ(doc.substr(0, 4), std::string("\xD0\xCF\x11\xE0"));  // a Word 97 file
  // Nothing to print: Word is left showing the document.
  EXPECT_NE(calls(1).find("opener " + to_utf8(r.result)), std::string::npos) << calls();
}

TEST_F(TripSheet, MissingRecordsGiveTheGenericMessage) {
  // Trip 503 loses its vehicle in a database of this test's own.
  const std::string database = dir_.str() + "sem-viatura.db";
  fs::copy_file(db_path_, database);
  db::open_connection(from_utf8(database))
      ->execute(T("Update VeículosDeslocamentos Set Viatura=Null Where CodInterno=503"));
  for (int32_t trip : {502 /* no driver */, 503 /* no vehicle */, 9999 /* no trip */}) {
    Run r = run(trip, std::string(kTemplate) + ".docx", {}, false, 0, 301, database);
    EXPECT_EQ(r.result, u"");
    ASSERT_EQ(r.messages.size(), 1u);
    const std::string m = to_utf8(r.messages[0].text);
    EXPECT_EQ(m.rfind("Ocorreu um erro ao processar o arquivo:\r\r", 0), 0u) << m;
    EXPECT_NE(m.find("\r\rVerifique se o arquivo já não está aberto em outra janela, encerre "
                     "todos e tente novamente!"),
              std::string::npos);
    EXPECT_EQ(r.messages[0].style, 16);
    EXPECT_EQ(r.messages[0].title, u"Orvane");
    // The working copy was made before the failure and stays named in Layout.
    EXPECT_EQ(to_utf8(r.layout), tmp(std::string(kTemplate) + ".docx"));
  }
}

TEST_F(TripSheet, MissingSuites) {
  HostSettings s;
  s.without_word = true;
  Run r = run(501, std::string(kTemplate) + ".docx", s);
  EXPECT_EQ(r.result, u"");
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(to_utf8(r.messages[0].text),
            "Não é possível gerar a impressão do checklist pois não há Word instalado na "
            "máquina!");
  EXPECT_EQ(r.messages[0].style, 16);
  EXPECT_TRUE(fs::exists(tmp(std::string(kTemplate) + ".docx")));  // the working copy stays
  EXPECT_FALSE(fs::exists(tmp(std::string(kTemplate) + ".pdf")));

  s = {};
  s.without_writer = true;
  r = run(501, std::string(kTemplate) + ".odt", s);
  EXPECT_EQ(r.result, u"");
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(to_utf8(r.messages[0].text),
            "Não é possível gerar a impressão do checklist pois não há Writer (OpenOffice) "
            "instalado na máquina!");
}

TEST_F(TripSheet, PrintingAndPreviewOnWord) {
  Run r = run(501, std::string(kTemplate) + ".docx", {}, false, 2);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(to_utf8(r.messages[0].text),
            "O Word está imprimindo o documento! Certifique-se que a impressão acabou e clique "
            "em OK!");
  EXPECT_EQ(r.messages[0].style, 64);
  std::string log = calls(1);
  EXPECT_NE(log.find("printer 2 "), std::string::npos) << log;
  EXPECT_EQ(log.find("opener"), std::string::npos) << log;

  fs::remove(log_);
  r = run(501, std::string(kTemplate) + ".docx", {}, true, 2);
  EXPECT_TRUE(r.messages.empty());
  log = calls(1);
  EXPECT_NE(log.find("opener " + to_utf8(r.result)), std::string::npos) << log;
  EXPECT_EQ(log.find("printer"), std::string::npos) << log;

  fs::remove(log_);
  r = run(501, std::string(kTemplate) + ".docx", {}, false, 0);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_TRUE(fs::exists(to_utf8(r.result)));
  EXPECT_EQ(calls(0), "");
}

TEST_F(TripSheet, PrintingAndPreviewOnWriter) {
  Run r = run(501, std::string(kTemplate) + ".odt", {}, false, 2);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(to_utf8(r.messages[0].text),
            "O documento está sendo impresso! Aguarde o fim da impressão e clique em ok!");
  EXPECT_EQ(r.messages[0].style, 64);
  std::string log = calls(2);
  EXPECT_EQ(count(log, "printer 1 "), 2u) << log;  // once per copy

  fs::remove(log_);
  r = run(501, std::string(kTemplate) + ".odt", {}, true, 3);
  EXPECT_TRUE(r.messages.empty());
  log = calls(1);
  EXPECT_NE(log.find("opener " + to_utf8(r.result)), std::string::npos) << log;
  EXPECT_EQ(log.find("printer"), std::string::npos) << log;

  fs::remove(log_);
  r = run(501, std::string(kTemplate) + ".odt", {}, false, 0);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_TRUE(fs::exists(to_utf8(r.result)));
  EXPECT_EQ(calls(0), "");
}

TEST_F(TripSheet, CommandLinePrintsThePathAndWritesLayoutBack) {
  const std::string tpl = dir_.str() + "modelos/" + kTemplate + ".docx";
  const std::string cmd = "TMPDIR='" + shared_->str() + "tmp/' " + orvane::testing::orvane_bin() +
                          " call --db '" + db_path_ +
                          "' GeraDocsOrvane GeraDeslocamentoViatura @conn 1 1 501 '" + tpl +
                          "' false @int:0";
  auto plain = run_command(cmd);
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.out, tmp(std::string(kTemplate) + ".pdf") + "\n");

  auto json = run_command("TMPDIR='" + shared_->str() + "tmp/' " + orvane::testing::orvane_bin() +
                          " call --json --db '" + db_path_ +
                          "' GeraDocsOrvane GeraDeslocamentoViatura @conn 1 1 501 '" + tpl +
                          "' false @int:0");
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_NE(json.out.find("\"Layout\":{\"type\":\"String\",\"value\":\"" +
                          tmp(std::string(kTemplate) + ".pdf") + "\"}"),
            std::string::npos)
      << json.out;
}

TEST_F(TripSheet, StorageSwitchFetchesTheTemplateFromTheUnitStorage) {
  orvane::testing::S3rver s3;
  if (s3.absent()) GTEST_SKIP() << s3.problem();
  ASSERT_TRUE(s3.running()) << s3.problem();
  // A database of our own whose unit 301 keeps its files in the object store.
  const std::string database = dir_.str() + "s3.db";
  fs::copy_file(db_path_, database);
  db::open_connection(from_utf8(database))
      ->execute(from_utf8("Update Unidades Set S3Ativo=1, UrlAmbienteS3='" + s3.endpoint() +
                          "' Where CodUnidade=301"));
  // Under the template's key the store holds another document: what comes out shows
  // which one was used.
  const std::string key = dir_.str() + "modelos/" + kTemplate + ".docx";
  ObjectPtr store = component::create_object(u"Tesmar.Orvane.OrvaneArquivos", nullptr);
  call(store, u"SalvarArquivo",
       {Variant(from_utf8(s3.endpoint())), Variant(Text(u"S3RVER")), Variant(Text(u"S3RVER")),
        Variant(from_utf8(key)),
        Variant(from_utf8(
            (fs::path(ORVANE_BINARY_DIR) / "docgen" / "testdata" / "Listas e Tabelas.docx")
                .string()))});

  Run r = run(501, std::string(kTemplate) + ".docx", {}, false, 0, 301, database);
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  ASSERT_FALSE(r.result.empty());
  EXPECT_EQ(fs::path(to_utf8(r.result)).extension(), ".pdf");
  const std::string text = pdf_text(to_utf8(r.result));
  EXPECT_NE(text.find("Relatório de frota da unidade 301"), std::string::npos) << text;
  EXPECT_EQ(text.find("FICHA DE DESLOCAMENTO"), std::string::npos) << text;
  // The host's own template was only read for its name and folder.
  EXPECT_FALSE(fs::exists(dir_.str() + "modelos/" + kTemplate + ".pdf"));
}

TEST_F(TripSheet, DemoCommandProducesBothRoutes) {
  const std::string out = dir_.str() + "demo";
  auto r = run_command("TMPDIR='" + shared_->str() + "tmp/' " + orvane::testing::orvane_bin() +
                       " demo --out '" + out + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::exists(out + "/demo.db"));
  for (const char* route : {"Word", "Writer"}) {
    const std::string pdf = out + "/Ficha de Deslocamento 501 (" + route + ").pdf";
    EXPECT_NE(r.out.find(pdf), std::string::npos) << r.out;
    EXPECT_NE(pdf_text(pdf).find("FZK3J17"), std::string::npos) << route;
  }
}

}  // namespace
}  // namespace orvane::docgen
