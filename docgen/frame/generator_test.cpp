// A document declared on the frame, end to end on both suites: its data pass fills a
// scalar, a long text, every kind of declared list and two tables; each suite's
// application puts them in a LibreOffice-built template; run() saves, exports, prints and
// reports as every generator does.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "core/convert.h"
#include "docgen/frame/apply.h"
#include "docgen/frame/pipeline.h"
#include "docgen/frame/substitution.h"
#include "docgen/frame/testing_lines.h"
#include "testing/documents.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

namespace fs = std::filesystem;
using frame_testing::item_context;
using frame_testing::item_lists;
using frame_testing::item_tables;
using frame_testing::ItemsDatabase;
using orvane::testing::CallRecorder;
using orvane::testing::count_nodes;
using orvane::testing::has_line;
using orvane::testing::paragraphs;
using orvane::testing::pdf_text;
using orvane::testing::TempDir;

const fs::path kTemplates = fs::path(ORVANE_BINARY_DIR) / "docgen" / "testdata";
const std::string kLongText =
    "Instalação em duas etapas: primeiro a central e os sensores internos, depois as câmeras "
    "do portão e o gravador no rack. O cliente pediu que o técnico ligue trinta minutos antes "
    "de chegar. Chave com o zelador, Sr. Valdir, no apartamento 12.";

const GeneratorDeclaration& items_declaration() {
  static const GeneratorDeclaration d{
      .word_member = u"GeraItens",
      .writer_member = u"GeraItensOpen",
      .hands_over = ends_in_odt,
      .word_missing = u"Sem Word.",
      .writer_missing = u"Sem Writer.",
      .writer_tables = true,
  };
  return d;
}

// A proposal of the four items: what every document does, small.
class ItemsProposal : public Generator {
 public:
  explicit ItemsProposal(bool fail_in_data = false, bool keep = false)
      : fail_in_data_(fail_in_data), keep_(keep) {}

  bool keep_word(Generation&) override { return keep_; }

  DocumentData read(Generation& g) override {
    DocumentData d(100);
    d.table.add(u"vNome", Variant(T("Ana Lúcia")));
    d.long_texts.push_back({u"vTexto", Variant(from_utf8(kLongText))});
    if (fail_in_data_) open_recordset(g, u"Select * From Inexistente");
    d.lists.declare(item_lists());
    ListContext context = items_context(g);
    auto rs = open_recordset(g, u"Select * From Linhas Order By CodInterno");
    build_lists(*rs, item_lists(), d.lists, context);
    for (const TableLayout& t : item_tables()) d.tables.push_back(build_table(*rs, t, context));
    return d;
  }

  void apply_word(Generation& g, DocumentData& d) override {
    type_long_texts(g.word, d.long_texts);
    word_table_pass(g.word, d.table);
    type_word_lists(g.word, d.lists, {u"vItensSemCodigo", u"vItensMoeda"});
    insert_word_tables(g.word, d);
  }

  void apply_writer(Generation& g, DocumentData& d) override {
    // Writer takes long values whole: the long texts are ordinary rows there.
    for (const LongText& t : d.long_texts) d.table.add(t.placeholder, t.value);
    add_writer_lists(d.table, d.lists);
    insert_writer_tables(g, d);
    writer_table_pass(g.document, g.replace_descriptor, d.table);
  }

 private:
  static ListContext items_context(const Generation& g) {
    ListContext c{.conn = g.conn, .ctx = g.ctx, .unit = g.unit};
    c.facts = frame_testing::item_facts;
    c.group_field = u"Grupo";
    c.grouping = true;
    return c;
  }
  bool fail_in_data_, keep_;
};

class GeneratorRun : public ::testing::Test {
 protected:
  // One temporary folder for the whole process: the office converter, once started, keeps
  // its own files there.
  static const TempDir& temporary_folder() {
    static TempDir* shared = new TempDir();
    return *shared;
  }
  static void SetUpTestSuite() { setenv("TMPDIR", temporary_folder().str().c_str(), 1); }
  void SetUp() override {
    if (!fs::exists(kTemplates / "Declaracoes.docx")) GTEST_SKIP() << "templates not built";
    // Working copies and results of the previous test go.
    for (const auto& e : fs::directory_iterator(temporary_folder().path())) {
      if (e.path().filename().string().rfind("Proposta", 0) == 0) fs::remove(e.path());
    }
  }

  struct Result {
    Text result, layout;
    std::vector<ui::Message> messages;
  };
  Result generate(const char* ext, Route member, ItemsProposal gen = ItemsProposal(),
                  HostSettings settings = {}, int16_t copias = 0) {
    const fs::path copy = db_.dir().path() / (std::string("Proposta") + ext);
    fs::copy_file(kTemplates / (std::string("Declaracoes") + ext), copy,
                  fs::copy_options::overwrite_existing);
    orvane::testing::RecordingContext rec(recorder_.settings(settings));
    Result r;
    r.layout = from_utf8(copy.string());
    Generation g(rec.ctx, db_.conn(), 301, 1, r.layout, false, copias);
    r.result = member == Route::Word ? run_word_member(items_declaration(), gen, g)
                                     : run_writer_member(items_declaration(), gen, g);
    r.messages = rec.sink->messages();
    return r;
  }

  ItemsDatabase db_;
  CallRecorder recorder_{db_.dir()};
};

void expect_proposal_text(const std::string& text) {
  for (const char* expected :
       {"Proposta de Ana Lúcia", "Sensor infravermelho", "Locado", "Total de ALARME",
        "Total Líquido", "R$ 1.690,00", "1.232,00", "2.090,00", "R$ 0,00", "*** NÃO HÁ ITENS ***",
        "SENSOR INFRAVERMELHO", "Total de CFTV:", "R$ 3.322,00", "Área externa"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
  EXPECT_NE(text.find(orvane::testing::squeeze(kLongText)), std::string::npos) << text;
  for (const char* placeholder :
       {"vItens", "vCobrados", "vLocados", "vVazia", "vTabela", "vNome", "vTexto"}) {
    EXPECT_EQ(text.find(placeholder), std::string::npos) << placeholder << "\n" << text;
  }
}

TEST_F(GeneratorRun, WordRouteExportsThePdf) {
  Result r = generate(".docx", Route::Word);
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  EXPECT_EQ(vb::Right(r.result, 4), u".pdf");
  EXPECT_EQ(r.layout, r.result);
  expect_proposal_text(pdf_text(to_utf8(r.result)));
}

TEST_F(GeneratorRun, WriterRouteByHandOverAndByItsOwnMember) {
  Result r = generate(".odt", Route::Word);  // the Word member hands an .odt over
  ASSERT_TRUE(r.messages.empty()) << to_utf8(r.messages[0].text);
  const std::string text = pdf_text(to_utf8(r.result));
  expect_proposal_text(text);

  Result own = generate(".odt", Route::Writer);
  EXPECT_EQ(pdf_text(to_utf8(own.result)), text);
}

TEST_F(GeneratorRun, KeepWordSavesADocAndPrintsItsCopies) {
  Result r = generate(".docx", Route::Word, ItemsProposal(false, true), {}, 2);
  EXPECT_EQ(vb::Right(r.result, 4), u".doc");
  EXPECT_TRUE(fs::exists(to_utf8(r.result)));
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0].text, word_printing_message());
  EXPECT_NE(recorder_.calls(1).find("printer"), std::string::npos);
}

TEST_F(GeneratorRun, MissingSuiteAndFailureReportAndLeaveNoFile) {
  HostSettings no_writer;
  no_writer.without_writer = true;
  Result missing = generate(".odt", Route::Writer, ItemsProposal(), no_writer);
  EXPECT_EQ(missing.result, u"");
  ASSERT_EQ(missing.messages.size(), 1u);
  EXPECT_EQ(missing.messages[0].text, u"Sem Writer.");
  EXPECT_EQ(missing.messages[0].style, 16);

  for (const char* ext : {".docx", ".odt"}) {
    Result failed = generate(ext, Route::Word, ItemsProposal(true));
    EXPECT_EQ(failed.result, u"");
    ASSERT_EQ(failed.messages.size(), 1u) << ext;
    EXPECT_EQ(failed.messages[0].text.rfind(T("Ocorreu um erro ao processar o arquivo:"), 0), 0u);
    EXPECT_FALSE(fs::exists(to_utf8(pdf_name(failed.layout)))) << ext;
  }
}

// The applications themselves, read back from the saved documents: one table per group
// with a merged total row and borders on Word; one table with every row on Writer.
TEST_F(GeneratorRun, TablesAndListsInTheSavedDocuments) {
  orvane::testing::RecordingContext rec;
  const fs::path docx = db_.dir().path() / "aplicado.docx";
  fs::copy_file(kTemplates / "Declaracoes.docx", docx);
  Text layout = from_utf8(docx.string());
  Generation g(rec.ctx, db_.conn(), 301, 1, layout, false, 0);
  ItemsProposal gen;
  open_working_copy(g, Route::Word, false);
  DocumentData d = gen.read(g);
  gen.apply_word(g, d);
  call(as_object(get(g.word, u"ActiveDocument")), u"SaveAs",
       {Variant(layout), Variant(int32_t{16})});
  call(g.word, u"Quit", {Variant(false)});

  EXPECT_EQ(count_nodes(docx, "//w:tbl"), 3u);         // two groups, one table with a total row
  EXPECT_EQ(count_nodes(docx, "//w:tbl//w:tbl"), 0u);  // one under the other, not nested
  EXPECT_EQ(count_nodes(docx, "//w:tc/w:tcPr/w:gridSpan[@w:val='4']"), 2u);
  EXPECT_GE(count_nodes(docx, "//w:tcBorders/w:top[@w:val='single']"), 10u);
  auto lines = paragraphs(docx);
  EXPECT_TRUE(has_line(lines, "Total de ALARME:"));
  EXPECT_TRUE(has_line(lines, "Área externa"));
  EXPECT_TRUE(has_line(lines, "000101\tCentral de alarme\t1,0\tR$ 850,00\tR$ 850,00"));
  EXPECT_TRUE(has_line(lines, "Locado"));

  const fs::path odt = db_.dir().path() / "aplicado.odt";
  fs::copy_file(kTemplates / "Declaracoes.odt", odt);
  layout = from_utf8(odt.string());
  Generation w(rec.ctx, db_.conn(), 301, 1, layout, false, 0);
  open_working_copy(w, Route::Writer, true);
  DocumentData dw = gen.read(w);
  gen.apply_writer(w, dw);
  call(w.document, u"storeToURL", {Variant(u"file://" + layout), Variant(Array::of({}, 0))});
  EXPECT_EQ(count_nodes(odt, "//table:table"), 2u);
  EXPECT_EQ(count_nodes(odt, "//table:table[1]/table:table-row"), 7u);  // heading, 4, 2 totals
  lines = paragraphs(odt);
  EXPECT_TRUE(has_line(lines, "Total de CFTV:"));
  EXPECT_TRUE(has_line(lines, "000102\tSensor infravermelho\t4,0\tLocado\t "));
}

}  // namespace
}  // namespace orvane::docgen
