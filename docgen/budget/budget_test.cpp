// The budget end to end: the demo database, the demo templates built by LibreOffice, both
// members and both suites, the PDFs read back; the keep-Word setting, printing, the failures,
// and the Word list passes on a template that repeats a list.
#include "docgen/budget/budget.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <regex>

#include "component/registry.h"
#include "core/convert.h"
#include "docgen/frame/pipeline.h"
#include "platform/db/db.h"
#include "testing/documents.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

namespace fs = std::filesystem;
using orvane::testing::CallRecorder;
using orvane::testing::has_line;
using orvane::testing::paragraphs;
using orvane::testing::TempDir;

const fs::path kTemplates = fs::path(ORVANE_BINARY_DIR) / "demo" / "templates";
const fs::path kTestTemplates = fs::path(ORVANE_BINARY_DIR) / "docgen" / "budget" / "testdata";

const char* kObservation =
    "Equipamentos cedidos em comodato durante a vigência do contrato de 36 meses. Instalação em "
    "até 5 dias úteis após o aceite. Garantia de 12 meses para os itens vendidos (botão de "
    "pânico e cabeamento). Pronta resposta tática com chegada em até 20 minutos na região do "
    "Cambuí.";

// A PDF's text as laid out on the page (tab-aligned columns stay on their line), blanks
// squeezed.
std::string layout_text(const Text& pdf) {
  auto r = orvane::testing::run_command("pdftotext -layout -enc UTF-8 '" + to_utf8(pdf) + "' -");
  EXPECT_EQ(r.status, 0) << r.err;
  return orvane::testing::squeeze(r.out);
}

// Placeholders left in a document's text.
std::vector<std::string> leftovers(const std::string& text) {
  static const std::regex placeholder(
      "\\b(v[A-Z][A-Za-z0-9_]*|(Orc|ORC|Cli|Emp|ACT)\\.[A-Za-z_]+)");
  std::vector<std::string> out;
  for (std::sregex_iterator i(text.begin(), text.end(), placeholder), end; i != end; ++i) {
    out.push_back(i->str());
  }
  return out;
}

class BudgetRun : public ::testing::Test {
 protected:
  // One temporary folder for the whole process: the office converter, once started, keeps
  // its own files there.
  static const TempDir& temporary_folder() {
    static TempDir* shared = new TempDir();
    return *shared;
  }
  static void SetUpTestSuite() {
    setenv("TMPDIR", temporary_folder().str().c_str(), 1);
    data_ = new TempDir();
    orvane::testing::demo_database(*data_);
  }
  static void TearDownTestSuite() {
    delete data_;
    data_ = nullptr;
  }
  void SetUp() override {
    if (!fs::exists(kTemplates / "Orçamento.docx")) GTEST_SKIP() << "templates not built";
    // Working copies and results of the previous test go.
    for (const auto& e : fs::directory_iterator(temporary_folder().path())) {
      if (e.path().filename().string().rfind("Or", 0) == 0) fs::remove(e.path());
    }
  }

  // A database of the test's own, changed by `sql` (SQLite's own dialect).
  std::string database_with(const Text& sql) {
    own_ = std::make_unique<TempDir>();
    const std::string db = orvane::testing::demo_database(*own_).string();
    db::open_connection(from_utf8(db))->run_script(sql);
    return db;
  }

  struct Result {
    Text result, layout;
    std::vector<ui::Message> messages;
  };
  Result generate(const std::string& template_file, int32_t planilha, bool open_member = false,
                  bool forca_pdf = false, int16_t copias = 0, HostSettings settings = {},
                  const std::string& db = "", bool visualiza = false) {
    orvane::testing::RecordingContext rec(recorder_.settings(settings));
    Variant conn = db::as_variant(
        db::open_connection(from_utf8(db.empty() ? data_->str() + "demo.db" : db), rec.ctx));
    Result r;
    r.layout = from_utf8(template_file.find('/') == std::string::npos
                             ? (kTemplates / template_file).string()
                             : template_file);
    r.result = open_member ? GeraOrcamentoOpen(rec.ctx, conn, 301, 1, planilha, r.layout, visualiza,
                                               copias, forca_pdf)
                           : GeraOrcamento(rec.ctx, conn, 301, 1, planilha, r.layout, visualiza,
                                           copias, forca_pdf);
    r.messages = rec.sink->messages();
    return r;
  }

  static void expect_no_output() {
    for (const auto& e : fs::directory_iterator(temporary_folder().path())) {
      EXPECT_NE(e.path().extension(), ".pdf") << e.path();
      EXPECT_NE(e.path().extension(), ".doc") << e.path();
    }
  }

  static TempDir* data_;
  std::unique_ptr<TempDir> own_;
  TempDir recorder_dir_;
  CallRecorder recorder_{recorder_dir_};
};
TempDir* BudgetRun::data_ = nullptr;

TEST_F(BudgetRun, WordProposalOfTheRentalBudget) {
  Result r = generate("Orçamento.docx", 20051);
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  EXPECT_EQ(r.result, from_utf8(temporary_folder().str()) + T("Orçamento001187.pdf"));
  EXPECT_EQ(r.layout, r.result);
  const std::string text = layout_text(r.result);
  for (const char* expected :
       {"PROPOSTA COMERCIAL", "Ana Lúcia Bertolini Cardoso", "CENTRAL E TECLADO",
        "Total de CENTRAL E TECLADO R$ 0,00", "Total de OUTROS R$ 128,00",
        "BOTÃO DE PÂNICO SEM FIO XAP 8000 1 R$ 69,90 R$ 69,90", "Total de SENSORES R$ 69,90",
        "Total Líquido R$ 197,90", "ENTRADA R$ 263,63 + 2 x R$ 263,63 (30/60 dias) R$ 790,90",
        "1 + 2 (UMA MAIS DUAS) PARCELAS IGUAIS E SUCESSIVAS DE R$ 263,63",
        "Setecentos e noventa reais e noventa centavos", "Duzentos e sessenta e quatro reais",
        "Aceite digital registrado em 04/03/2025 09:31:44", "Patrícia Helena Duarte",
        "Aceite em 04/03/2025 09:31:44", "PRONTA RESPOSTA TÁTICA R$ 49,90", "R$ 89,67"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
  // The observation typed whole (past the 200 characters of a replacement), the signature
  // image in place of its placeholder, nothing left unfilled.
  EXPECT_NE(text.find(kObservation), std::string::npos) << text;
  EXPECT_EQ(leftovers(text), std::vector<std::string>{}) << text;
  auto images = orvane::testing::run_command("pdfimages -list '" + to_utf8(r.result) + "'");
  EXPECT_EQ(orvane::testing::count_of(images.out, "jpeg"), 1u) << images.out;
}

TEST_F(BudgetRun, WriterResultThroughEitherMember) {
  Result handed = generate("Orçamento.odt", 20051);
  ASSERT_TRUE(handed.messages.empty()) << to_utf8(handed.messages[0].text);
  EXPECT_EQ(vb::Right(handed.result, 20), T("/Orçamento001187.pdf"));
  const std::string text = layout_text(handed.result);
  EXPECT_EQ(leftovers(text), std::vector<std::string>{}) << text;
  EXPECT_NE(text.find(kObservation), std::string::npos) << text;  // not cut on Writer
  EXPECT_NE(text.find("Total de SENSORES R$ 69,90"), std::string::npos) << text;

  Result own = generate("Orçamento.odt", 20051, true);
  EXPECT_EQ(own.result, handed.result);
  EXPECT_EQ(layout_text(own.result), text);

  // The complete template: every other list, filled; the Word-only tables left out cleanly.
  Result complete = generate("Orçamento Completo.odt", 20102, true);
  ASSERT_TRUE(complete.messages.empty()) << to_utf8(complete.messages[0].text);
  const std::string all = layout_text(complete.result);
  EXPECT_EQ(leftovers(all), std::vector<std::string>{}) << all;
  EXPECT_NE(all.find("CFTV & GRAVAÇÃO"), std::string::npos);
  EXPECT_NE(all.find("001003 4540085 SENSOR INFRAVERMELHO PASSIVO IVP 3000 MW UN 3"),
            std::string::npos)
      << all;
}

// Setting 239 keeps the budget as a Word document unless ForçaPDF; printing passes its copies.
TEST_F(BudgetRun, KeepWordSettingForcaPdfAndPrinting) {
  const std::string db =
      database_with(u"Update DadosEntidades Set Codigo='1' Where CodEntidade=239 And Unidade=301");
  Result kept = generate("Orçamento.docx", 20058, false, false, 1, {}, db);
  EXPECT_EQ(vb::Right(kept.result, 20), T("/Orçamento001192.doc"));
  EXPECT_TRUE(fs::exists(to_utf8(kept.result)));
  ASSERT_EQ(kept.messages.size(), 1u);
  EXPECT_EQ(kept.messages[0].text, word_printing_message());
  EXPECT_NE(recorder_.calls(1).find("printer"), std::string::npos);

  Result forced = generate("Orçamento.docx", 20058, false, true, 0, {}, db);
  EXPECT_EQ(vb::Right(forced.result, 4), u".pdf");
  EXPECT_TRUE(forced.messages.empty());

  // Writer always writes the PDF; previewing with the flag leaves the document open instead
  // of opening the PDF.
  Result writer = generate("Orçamento.odt", 20058, true, false, 0, {}, db, true);
  EXPECT_EQ(vb::Right(writer.result, 4), u".pdf");
  EXPECT_EQ(recorder_.calls().find("opener"), std::string::npos) << recorder_.calls();
  Result shown = generate("Orçamento.odt", 20058, true, true, 0, {}, db, true);
  EXPECT_TRUE(shown.messages.empty());
  EXPECT_NE(recorder_.calls(2).find("opener"), std::string::npos) << recorder_.calls();
}

TEST_F(BudgetRun, FailuresLeaveNoDocument) {
  auto expect_generic = [](const Result& r) {
    EXPECT_EQ(r.result, u"");
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].style, 16);
    EXPECT_EQ(r.messages[0].text.rfind(T("Ocorreu um erro ao processar o arquivo:"), 0), 0u)
        << to_utf8(r.messages[0].text);
  };
  // A budget that does not exist, on both suites.
  expect_generic(generate("Orçamento.docx", 29999));
  expect_generic(generate("Orçamento.odt", 29999));
  // A template that is not there.
  expect_generic(generate((data_->path() / "Nenhum.docx").string(), 20051));
  expect_no_output();

  // A budget without customer.
  const std::string db =
      database_with(T("Update Orçamentos Set Cliente=Null Where Planílha=20074"));
  expect_generic(generate("Orçamento.docx", 20074, false, false, 0, {}, db));
  expect_no_output();

  // No suite: the budget's own messages, nothing done.
  HostSettings none;
  none.without_word = none.without_writer = true;
  Result word = generate("Orçamento.docx", 20051, false, false, 0, none);
  ASSERT_EQ(word.messages.size(), 1u);
  EXPECT_EQ(word.messages[0].text,
            T("Não é possível gerar o orçamento pois não há Word instalado na máquina!"));
  Result writer = generate("Orçamento.odt", 20051, false, false, 0, none);
  ASSERT_EQ(writer.messages.size(), 1u);
  EXPECT_EQ(writer.messages[0].text,
            T("Não é possível gerar o orçamento pois não há Writer (OpenOffice) instalado na "
              "máquina!"));
  EXPECT_EQ(writer.result, u"");
}

// A list holds 500 lines: one more reaches the handler as error 9.
TEST_F(BudgetRun, AListOfMoreThanFiveHundredLines) {
  const std::string db = database_with(
      T("Insert Into OrçamentosProdutos (Planílha, CodProduto, Descrição, Quantidade, Líquido, "
        "TotalLíquido, CobraLocado) Select 20074, 1004, 'SENSOR MAGNÉTICO', 1, 54.9, 54.9, 1 "
        "From OrçamentosProdutos a, OrçamentosProdutos b Limit 501"));
  Result r = generate("Orçamento.docx", 20074, false, false, 0, {}, db);
  EXPECT_EQ(r.result, u"");
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_NE(r.messages[0].text.find(u"\r\r9 - "), Text::npos) << to_utf8(r.messages[0].text);
  expect_no_output();
}

// Word types each list where it first stands, the whole sequence three times: three
// occurrences are filled and a fourth stays; a name that begins a longer one takes only its
// own place. Writer replaces every occurrence.
TEST_F(BudgetRun, ListPassesOnARepeatedList) {
  const fs::path source = kTestTemplates / "Listas Repetidas.docx";
  if (!fs::exists(source)) GTEST_SKIP() << "test templates not built";
  const fs::path docx = data_->path() / "repetidas.docx";
  fs::copy_file(source, docx, fs::copy_options::overwrite_existing);
  orvane::testing::RecordingContext rec;
  Variant conn = db::as_variant(db::open_connection(from_utf8(data_->str() + "demo.db"), rec.ctx));
  Text layout = from_utf8(docx.string());
  Generation g(rec.ctx, conn, 301, 1, layout, false, 0);
  docgen::Budget budget(20051);
  open_working_copy(g, Route::Word, false);
  DocumentData d = budget.read(g);
  budget.apply_word(g, d);
  call(as_object(get(g.word, u"ActiveDocument")), u"SaveAs",
       {Variant(layout), Variant(int32_t{16})});
  call(g.word, u"Quit", {Variant(false)});

  auto count = [](const std::vector<std::string>& lines, const std::string& line) {
    return std::count(lines.begin(), lines.end(), line);
  };
  std::vector<std::string> lines = paragraphs(docx);
  EXPECT_TRUE(has_line(lines, "Cliente: Ana Lúcia Bertolini Cardoso"));
  EXPECT_EQ(count(lines, "CENTRAL DE ALARME AMT 2018 E SMART\t1"), 3);
  EXPECT_EQ(count(lines, "vEquipamentosSemValor2"), 1);
  EXPECT_EQ(count(lines, "001001\tCENTRAL DE ALARME AMT 2018 E SMART\t1"), 1);
  EXPECT_TRUE(has_line(lines, "APLICATIVO DE CELULAR (ARME/DESARME)\tR$ 14,90"));

  const fs::path odt = data_->path() / "repetidas.odt";
  fs::copy_file(kTestTemplates / "Listas Repetidas.odt", odt, fs::copy_options::overwrite_existing);
  layout = from_utf8(odt.string());
  Generation w(rec.ctx, conn, 301, 1, layout, false, 0);
  w.route = Route::Writer;
  open_working_copy(w, Route::Writer, false);
  DocumentData dw = budget.read(w);
  budget.apply_writer(w, dw);
  call(w.document, u"storeToURL", {Variant(u"file://" + layout), Variant(Array::of({}, 0))});
  call(w.document, u"close", {Variant(false)});
  lines = paragraphs(odt);
  EXPECT_EQ(count(lines, "CENTRAL DE ALARME AMT 2018 E SMART\t1"), 4);
  EXPECT_EQ(count(lines, "001001\tCENTRAL DE ALARME AMT 2018 E SMART\t1"), 1);
  for (const std::string& l : lines) EXPECT_EQ(l.find("vEquipamentos"), std::string::npos) << l;
}

}  // namespace
}  // namespace orvane::docgen
