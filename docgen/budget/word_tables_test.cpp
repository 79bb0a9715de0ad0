// The budget's Word-only parts read back from the saved .docx (tables per group with their
// merged total rows, cell borders, embedded pictures scaled into their cells, the signature)
// and from the PDF (the pictures and the texts in order), and with pictures and group names
// that could break them.
#include "docgen/budget/word_tables.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "core/convert.h"
#include "docgen/budget/budget.h"
#include "platform/db/db.h"
#include "testing/documents.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

namespace fs = std::filesystem;
using orvane::testing::count_nodes;
using orvane::testing::has_line;
using orvane::testing::paragraphs;
using orvane::testing::run_command;
using orvane::testing::TempDir;

const fs::path kTemplates = fs::path(ORVANE_BINARY_DIR) / "demo" / "templates";

size_t occurrences(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

class BudgetWordParts : public ::testing::Test {
 protected:
  static const TempDir& temporary_folder() {
    static TempDir* shared = new TempDir();
    return *shared;
  }
  static void SetUpTestSuite() { setenv("TMPDIR", temporary_folder().str().c_str(), 1); }
  void SetUp() override {
    if (!fs::exists(kTemplates / "Orçamento Completo.docx")) GTEST_SKIP() << "templates not built";
    db_ = orvane::testing::demo_database(dir_).string();
  }

  Variant connection() { return db::as_variant(db::open_connection(from_utf8(db_), rec_.ctx)); }

  // The complete template filled on Word and saved as .docx (no conversion).
  fs::path filled_docx(int32_t planilha) {
    const fs::path docx = dir_.path() / "completo.docx";
    fs::copy_file(kTemplates / "Orçamento Completo.docx", docx,
                  fs::copy_options::overwrite_existing);
    Text layout = from_utf8(docx.string());
    Generation g(rec_.ctx, connection(), 301, 1, layout, false, 0);
    Budget budget(planilha);
    open_working_copy(g, Route::Word, false);
    DocumentData d = budget.read(g);
    budget.apply_word(g, d);
    call(as_object(get(g.word, u"ActiveDocument")), u"SaveAs",
         {Variant(layout), Variant(int32_t{16})});
    call(g.word, u"Quit", {Variant(false)});
    return docx;
  }

  std::string generate_pdf(int32_t planilha) {
    Text layout = from_utf8((kTemplates / "Orçamento Completo.docx").string());
    const Text pdf = GeraOrcamento(rec_.ctx, connection(), 301, 1, planilha, layout, false, 0);
    EXPECT_TRUE(rec_.sink->messages().empty()) << to_utf8(rec_.sink->messages()[0].text);
    EXPECT_FALSE(pdf.empty());
    return to_utf8(pdf);
  }

  TempDir dir_;
  std::string db_;
  orvane::testing::RecordingContext rec_;
};

TEST_F(BudgetWordParts, GroupedTablesBordersAndPicturesInTheDocx) {
  const fs::path docx = filled_docx(20051);
  const std::vector<std::string> lines = paragraphs(docx);

  // One table per group in every grouped layout, each closed by its total; a layout that
  // takes only some lines has no table for a group without them (no sold line in the
  // central's group, no rented line among the services).
  EXPECT_EQ(occurrences(lines, "Total de CENTRAL E TECLADO:"), 7u);
  EXPECT_EQ(occurrences(lines, "Total de OUTROS:"), 9u);
  EXPECT_EQ(occurrences(lines, "Total de SENSORES:"), 9u);
  EXPECT_EQ(occurrences(lines, "Total de INSTALAÇÃO:"), 2u);
  EXPECT_GE(occurrences(lines, "R$ 128,00"), 9u);
  // The merged total rows, and the products and services in one table with its total.
  EXPECT_EQ(count_nodes(docx, "//w:tc/w:tcPr/w:gridSpan"), 27u);
  EXPECT_EQ(count_nodes(docx, "//w:tbl//w:tbl"), 0u);  // one table under the other
  EXPECT_EQ(occurrences(lines, "Total: "), 4u);        // two joined tables, Galdren, additional
  EXPECT_TRUE(has_line(lines, "R$ 790,90"));           // 197,90 sold + 593,00 of services

  // Every cell of the budget's tables has its borders.
  EXPECT_EQ(
      count_nodes(docx,
                  "//w:tbl[.//w:t[starts-with(., 'Total')]]//w:tc[not(w:tcPr/w:tcBorders/"
                  "w:top[@w:val='single']) or not(w:tcPr/w:tcBorders/w:left[@w:val='single'])]"),
      0u);
  EXPECT_GE(count_nodes(docx, "//w:tcBorders/w:bottom[@w:val='single']"), 100u);

  // Photo tables: the headings, the description in bold over its application, the quantity
  // with its unit, "Locado" for rented lines; 25 photographs (the cable has none) and the
  // signature, embedded.
  for (const char* heading : {"Imagem", "Qtdade", "Unitário", "Total"}) {
    EXPECT_TRUE(has_line(lines, heading)) << heading;
  }
  EXPECT_TRUE(has_line(lines,
                       "Gerencia sensores, teclados e sirenes e envia os eventos à central "
                       "de monitoramento."));
  EXPECT_TRUE(has_line(lines, "40 M"));
  EXPECT_EQ(count_nodes(docx, "//w:drawing"), 26u);
  EXPECT_GE(count_nodes(docx, "//w:tc//w:r[w:rPr/w:b][w:t='BOTÃO DE PÂNICO SEM FIO XAP 8000']"),
            5u);
  auto rels = run_command("unzip -p '" + docx.string() + "' word/_rels/document.xml.rels");
  EXPECT_EQ(orvane::testing::count_of(rels.out, "relationships/image\""), 26u) << rels.out;
  EXPECT_EQ(rels.out.find("External"), std::string::npos);

  // The pictures are scaled into their cells (90 or 150 points), the signature is not.
  EXPECT_EQ(count_nodes(docx, "//w:tbl//wp:extent[@cx > 1905000]"), 0u);
  EXPECT_EQ(count_nodes(docx, "//w:tbl//wp:extent[@cx > 1143000]"), 9u);
  EXPECT_EQ(count_nodes(docx, "//wp:extent[@cx > 1905000]"), 1u);

  for (const std::string& l : lines) {
    EXPECT_EQ(l.find("vEquipamentos"), std::string::npos) << l;
    EXPECT_EQ(l.find("vImgAssinatura"), std::string::npos) << l;
  }
}

TEST_F(BudgetWordParts, PdfShowsTheTablesInOrderAndThePictures) {
  const std::string pdf = generate_pdf(20051);
  auto images = run_command("pdfimages -list '" + pdf + "'");
  ASSERT_EQ(images.status, 0) << images.err;
  // Two heading lines, then one line per image.
  EXPECT_GE(orvane::testing::count_of(images.out, "\n"), 2u + 26u) << images.out;

  auto r = run_command("pdftotext -layout -enc UTF-8 '" + pdf + "' -");
  const std::string text = orvane::testing::squeeze(r.out);
  // Groups by name in the grouped tables, by their first line in the photo tables.
  const size_t tables = text.find("8. TABELAS DOS EQUIPAMENTOS");
  const size_t photos = text.find("10. FOTOS DOS EQUIPAMENTOS");
  ASSERT_NE(tables, std::string::npos);
  ASSERT_NE(photos, std::string::npos);
  const size_t central = text.find("Total de CENTRAL E TECLADO: R$ 0,00", tables);
  const size_t others = text.find("Total de OUTROS: R$ 128,00", tables);
  const size_t sensors = text.find("Total de SENSORES: R$ 69,90", tables);
  EXPECT_LT(central, others);
  EXPECT_LT(others, sensors);
  EXPECT_LT(text.find("Total de SENSORES:", photos), text.find("Total de OUTROS:", photos));
  EXPECT_EQ(text.find("vEquipamentos"), std::string::npos);
}

// Pictures that are missing or not pictures, and a group name with the characters Word and
// its XML treat specially: the tables are still built and the document converts.
TEST_F(BudgetWordParts, BrokenPicturesAndAwkwardGroupNames) {
  orvane::testing::write_file(dir_.path() / "nota.jpg", "não é uma imagem");
  db::open_connection(from_utf8(db_))
      ->run_script(
          from_utf8("Update Produtos Set Foto='" + dir_.str() +
                    "sumiu.jpg' Where CodProduto=1003;"
                    "Update Produtos Set Foto='" +
                    dir_.str() +
                    "nota.jpg' Where CodProduto=1004;"
                    "Update OrçamentosProdutos Set GrupoOrçamento='CÂMERAS <EXTERNAS> & \"PÁTIO\"' "
                    "Where Planílha=20102 And GrupoOrçamento='CFTV & GRAVAÇÃO';"));
  const fs::path docx = filled_docx(20102);
  const std::vector<std::string> lines = paragraphs(docx);
  EXPECT_TRUE(has_line(lines, "Total de CÂMERAS <EXTERNAS> & \"PÁTIO\":"));
  EXPECT_TRUE(has_line(lines, "SENSOR MAGNÉTICO DE ABERTURA XAS 4010"));
  // Only the smoke detector, the cameras and the recorder keep their pictures: 3 in each of
  // the two tables of every line, 2 rented (cameras, recorder), 1 sold (the detector) twice.
  EXPECT_EQ(count_nodes(docx, "//w:drawing"), 3u + 3u + 2u + 1u + 1u);

  const std::string pdf = generate_pdf(20102);
  auto r = run_command("pdftotext -layout -enc UTF-8 '" + pdf + "' -");
  const std::string text = orvane::testing::squeeze(r.out);
  EXPECT_NE(text.find("Total de CÂMERAS <EXTERNAS> & \"PÁTIO\": R$ 0,00"), std::string::npos)
      << text;
  EXPECT_NE(text.find("SENSOR MAGNÉTICO DE ABERTURA XAS 4010"), std::string::npos);
}

TEST_F(BudgetWordParts, SignatureImageName) {
  budget::BudgetCall b{.ctx = rec_.ctx, .conn = connection(), .unit = 301, .planilha = u"20051"};
  EXPECT_EQ(to_utf8(budget::signature_image(b)),
            dir_.str() + "Arquivos Campinas/ORC0000020051-Assinatura.jpg");
  b.unit = 999;  // no folder set for the unit
  EXPECT_EQ(budget::signature_image(b), u"");
}

}  // namespace
}  // namespace orvane::docgen
