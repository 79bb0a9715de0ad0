#include "platform/office/word/word.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "component/registry.h"
#include "core/convert.h"
#include "platform/office/convert.h"
#include "platform/office/package.h"
#include "platform/office/testdocs.h"
#include "testing/testing.h"

namespace orvane::office::word {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// A placeholder split the way editors split them: across runs, a proofing mark and a
// bookmark, the middle part bold.
const char* kSplitBody =
    "<w:p><w:r><w:t xml:space=\"preserve\">Cliente: </w:t></w:r><w:proofErr w:type=\"spellStart\"/>"
    "<w:r><w:t>Cli</w:t></w:r><w:bookmarkStart w:id=\"0\" w:name=\"m\"/><w:r><w:rPr><w:b/></w:rPr>"
    "<w:t>.No</w:t></w:r><w:bookmarkEnd w:id=\"0\"/><w:r><w:t>me</w:t></w:r>"
    "<w:proofErr w:type=\"spellEnd\"/><w:r><w:t xml:space=\"preserve\"> e "
    "Cli.NomeFantasia.</w:t></w:r></w:p>"
    "<w:p><w:r><w:rPr><w:i/></w:rPr><w:t>cli.nome</w:t></w:r><w:r><w:tab/><w:t>fim</w:t></w:r></"
    "w:p>"
    "<w:tbl><w:tblPr/><w:tblGrid><w:gridCol w:w=\"3000\"/></w:tblGrid><w:tr><w:tc><w:tcPr><w:tcW "
    "w:w=\"3000\" "
    "w:type=\"dxa\"/></w:tcPr><w:p><w:r><w:t>[Cli.Nome]</w:t></w:r></w:p></w:tc></w:tr></w:tbl>"
    "<w:p><w:r><w:t>Obs: Des.Observação</w:t></w:r></w:p>"
    "<w:p><w:r><w:t>Antes vTabela depois</w:t></w:r></w:p>";

std::string document_xml(const std::string& docx) {
  return Package::open(docx).read("word/document.xml");
}

struct WordTest : ::testing::Test {
  TempDir dir;
  testing::RecordingContext rc;
  std::shared_ptr<Application> word = Application::create(rc.ctx);
  std::string path(const std::string& name) { return dir.str() + name; }
  void replace_all(const ::orvane::Text& what, const ::orvane::Text& with) {
    auto& f = word->Selection().Find();
    f.ClearFormatting();
    f.Replacement().ClearFormatting();
    f.Text(what);
    f.Replacement().Text(with);
    f.Forward(true);
    f.Wrap(wdFindContinue);
    f.Format(false);
    f.MatchCase(false);
    f.MatchWholeWord(true);
    f.MatchWildcards(false);
    f.MatchSoundsLike(false);
    f.MatchAllWordForms(false);
    f.Execute(wdReplaceAll);
  }
  bool find(const ::orvane::Text& what) {
    auto& f = word->Selection().Find();
    f.ClearFormatting();
    f.Text(what);
    f.Replacement().Text(u"");
    f.Forward(true);
    f.Wrap(wdFindContinue);
    f.MatchWholeWord(true);
    return f.Execute();
  }
};

TEST_F(WordTest, ReplaceAllFindsSplitPlaceholdersKeepsFormattingAndWholeWords) {
  testdocs::write_docx(path("t.docx"), kSplitBody);
  word->ChangeFileOpenDirectory(from_utf8(dir.str()));
  word->Documents().Open(u"t.docx");
  replace_all(u"Cli.Nome", T("José <&> Ltda"));
  word->ActiveDocument().SaveAs(from_utf8(path("out.docx")));
  std::string xml = document_xml(path("out.docx"));

  ParaText p0 = word->ActiveDocument().engine().body().text(0);
  EXPECT_EQ(to_utf8(p0.text), "Cliente: José <&> Ltda e Cli.NomeFantasia.");
  // The second paragraph matched case-insensitively; its italics stay.
  EXPECT_EQ(to_utf8(word->ActiveDocument().engine().body().text(1).text), "José <&> Ltda\tfim");
  EXPECT_NE(
      xml.find("<w:rPr><w:i/></w:rPr><w:t xml:space=\"preserve\">José &lt;&amp;&gt; Ltda</w:t>"),
      std::string::npos);
  // The replacement takes the formatting of its first character (plain), and the
  // bookmark and proofing marks are still there.
  EXPECT_NE(xml.find("bookmarkStart"), std::string::npos);
  EXPECT_NE(xml.find("proofErr"), std::string::npos);
  // Inside the table too, and "[" "]" are not word characters.
  EXPECT_EQ(to_utf8(word->ActiveDocument().engine().body().text(2).text), "[José <&> Ltda]");
  EXPECT_NE(xml.find("Cli.NomeFantasia"), std::string::npos);
}

// A replacement in a field's shown result turns the field into that text (LibreOffice
// would work the date out again); a hyperlink keeps its link, and untouched fields stay.
TEST_F(WordTest, ReplacingInAFieldResultKeepsTheNewText) {
  auto field = [](const std::string& code, const std::string& result) {
    return "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText>" + code +
           "</w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:t>" +
           result + "</w:t></w:r><w:r><w:fldChar w:fldCharType=\"end\"/></w:r>";
  };
  testdocs::write_docx(
      path("t.docx"),
      "<w:p>" + field(" DATE ", "Cli.Nome") + "<w:r><w:t xml:space=\"preserve\"> e </w:t></w:r>" +
          field(" HYPERLINK \"https://a.b/\" ", "Cli.Nome") + "<w:r><w:t>,</w:t></w:r>" +
          "<w:fldSimple w:instr=\" TITLE \"><w:r><w:t>Cli.Nome</w:t></w:r></w:fldSimple>" +
          "<w:r><w:t>,</w:t></w:r>" + field(" PAGE ", "1") + "</w:p>");
  word->Documents().Open(from_utf8(path("t.docx")));
  replace_all(u"Cli.Nome", u"Ana");
  EXPECT_EQ(to_utf8(word->ActiveDocument().engine().body().text(0).text), "Ana e Ana,Ana,1");
  word->ActiveDocument().SaveAs(from_utf8(path("out.docx")));
  std::string xml = document_xml(path("out.docx"));
  EXPECT_EQ(xml.find("DATE"), std::string::npos) << xml;
  EXPECT_EQ(xml.find("TITLE"), std::string::npos) << xml;
  EXPECT_NE(xml.find("HYPERLINK"), std::string::npos) << xml;
  EXPECT_NE(xml.find("PAGE"), std::string::npos) << xml;
  // Three fields were left: the link's and the page's begin, separate and end marks.
  size_t marks = 0;
  for (size_t at = xml.find("w:fldChar "); at != std::string::npos;
       at = xml.find("w:fldChar ", at + 1))
    ++marks;
  EXPECT_EQ(marks, 6u) << xml;
}

TEST_F(WordTest, LongTextPassTypesParagraphsAtTheFoundPlace) {
  testdocs::write_docx(path("t.docx"), kSplitBody);
  word->Documents().Open(from_utf8(path("t.docx")));
  ASSERT_TRUE(find(T("Des.Observação")));
  EXPECT_EQ(word->Selection().Text(), T("Des.Observação"));
  word->Selection().TypeText(u"linha 1\r\nlinha 2\ttab");
  word->Selection().TypeParagraph();
  word->Selection().TypeText(u"linha 3");
  Story& body = word->ActiveDocument().engine().body();
  ASSERT_EQ(body.count(), 7u);
  EXPECT_EQ(to_utf8(body.text(3).text), "Obs: linha 1");
  EXPECT_EQ(to_utf8(body.text(4).text), "linha 2\ttab");
  EXPECT_EQ(to_utf8(body.text(5).text), "linha 3");
  // Not found: the selection stays and nothing is typed.
  EXPECT_FALSE(find(u"vNaoExiste"));
  EXPECT_EQ(to_utf8(body.text(5).text), "linha 3");
}

// Lists typed one after another, as the generators type theirs: every split keeps what was
// read of the other paragraphs, and what the index holds stays what the document says.
TEST_F(WordTest, ParagraphsTypedOneListAfterAnother) {
  testdocs::write_docx(path("t.docx"),
                       "<w:p><w:r><w:t>vA</w:t></w:r></w:p><w:p><w:r><w:t>meio vC</w:t></w:r></w:p>"
                       "<w:p><w:r><w:t>vB fim</w:t></w:r></w:p>");
  word->Documents().Open(from_utf8(path("t.docx")));
  ASSERT_TRUE(find(u"vA"));
  for (int i = 1; i <= 3; ++i) {
    word->Selection().TypeText(u"vA linha " + CStr(Variant(int32_t{i})));
    if (i < 3) word->Selection().TypeParagraph();
  }
  // Lines in one text: the paragraph splits before anything else touched it.
  ASSERT_TRUE(find(u"vB"));
  word->Selection().TypeText(u"vB linha 1\r\nvB linha 2");
  replace_all(u"vC", u"trocado");
  Story& body = word->ActiveDocument().engine().body();
  ASSERT_EQ(body.count(), 6u);
  for (size_t i = 0; i < body.count(); ++i) {
    EXPECT_EQ(body.text(i).text, body.text_of(body.para(i)).text) << i;
  }
  EXPECT_EQ(to_utf8(body.text(2).text), "vA linha 3");
  EXPECT_EQ(to_utf8(body.text(3).text), "meio trocado");
  EXPECT_EQ(to_utf8(body.text(4).text), "vB linha 1");
  EXPECT_EQ(to_utf8(body.text(5).text), "vB linha 2 fim");
}

TEST_F(WordTest, TableTakesThePlaceholdersPlaceAndGrowsByCell) {
  testdocs::write_docx(path("t.docx"), kSplitBody);
  word->Documents().Open(from_utf8(path("t.docx")));
  ASSERT_TRUE(find(u"vTabela"));
  auto& sel = word->Selection();
  Table t = word->ActiveDocument().Tables().Add(sel.Range(), 1, 3, 1, 0);
  const char16_t* heads[] = {u"Código", u"Produto", u"Total"};
  const double widths[] = {40, 250, 75};
  for (int c = 0; c < 3; ++c) {
    sel.Columns().Width(widths[c]);
    sel.Font().Bold(true);
    sel.TypeText(heads[c]);
    if (c < 2) sel.MoveRight(wdCell);
  }
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 3; ++c) {
      sel.MoveRight(wdCell);
      sel.Font().Bold(false);
      sel.TypeText(from_utf8("r" + std::to_string(r) + "c" + std::to_string(c)));
    }
  EXPECT_EQ(t.RowsCount(), 3);
  // Merge the last row's cells and set borders, alignment and height.
  sel.MoveLeft(wdCell, 2, wdExtend);
  EXPECT_EQ(sel.Cells().Count(), 3);
  sel.Cells().Merge();
  sel.Cells().VerticalAlignment(wdCellAlignVerticalCenter);
  sel.Cells().Height(20);
  sel.ParagraphFormat().Alignment(wdAlignParagraphRight);
  t.Select();
  sel.Borders().LineStyle(wdLineStyleSingle);
  // From the whole table selected, down is the paragraph under the table.
  sel.MoveDown(wdLine, 1, 0);
  sel.TypeText(u"Abaixo da tabela");

  word->ActiveDocument().SaveAs(from_utf8(path("out.docx")));
  std::string xml = document_xml(path("out.docx"));
  EXPECT_GT(xml.find("Abaixo da tabela"), xml.find("</w:tbl>"));
  size_t before = xml.find(">Antes <"), tbl = xml.find("<w:tbl>", xml.find("Des.Observa")),
         after = xml.find("> depois<");
  ASSERT_NE(before, std::string::npos);
  ASSERT_NE(tbl, std::string::npos);
  EXPECT_LT(before, tbl);
  EXPECT_LT(tbl, after);
  EXPECT_EQ(xml.find("vTabela"), std::string::npos);
  EXPECT_NE(xml.find("<w:gridCol w:w=\"800\"/><w:gridCol w:w=\"5000\"/><w:gridCol w:w=\"1500\"/>"),
            std::string::npos);
  EXPECT_NE(xml.find("<w:b/><w:bCs/></w:rPr><w:t xml:space=\"preserve\">Código"),
            std::string::npos);
  EXPECT_NE(
      xml.find("<w:b w:val=\"0\"/><w:bCs w:val=\"0\"/></w:rPr><w:t xml:space=\"preserve\">r0c0"),
      std::string::npos);
  EXPECT_NE(xml.find("<w:gridSpan w:val=\"3\"/>"), std::string::npos);
  EXPECT_NE(xml.find("<w:vAlign w:val=\"center\"/>"), std::string::npos);
  EXPECT_NE(xml.find("<w:trHeight w:val=\"400\" w:hRule=\"atLeast\"/>"), std::string::npos);
  EXPECT_NE(xml.find("<w:jc w:val=\"right\"/>"), std::string::npos);
  EXPECT_NE(xml.find("<w:tcBorders>"), std::string::npos);
  // The merged cell keeps the three texts as paragraphs.
  EXPECT_LT(xml.find("r1c0"), xml.find("r1c2"));
}

TEST_F(WordTest, PicturesAreEmbeddedAndNonImagesRefused) {
  testdocs::write_docx(path("t.docx"), kSplitBody);
  testing::write_file(path("foto.png"), testdocs::png_bytes(40, 20));
  testing::write_file(path("foto.txt"), "not a picture");
  word->Documents().Open(from_utf8(path("t.docx")));
  ASSERT_TRUE(find(u"vTabela"));
  word->Selection().InlineShapes().AddPicture(from_utf8(path("foto.png")), false, true);
  try {
    word->Selection().InlineShapes().AddPicture(from_utf8(path("foto.txt")));
    FAIL();
  } catch (const VbError& e) {
    EXPECT_NE(to_utf8(e.description()).find("foto.txt"), std::string::npos);
  }
  word->ActiveDocument().SaveAs(from_utf8(path("out.docx")));
  Package p = Package::open(path("out.docx"));
  EXPECT_EQ(p.read("word/media/orvane1.png"), testdocs::png_bytes(40, 20));
  EXPECT_NE(p.read("word/_rels/document.xml.rels").find("media/orvane1.png"), std::string::npos);
  EXPECT_NE(p.read("[Content_Types].xml").find("Extension=\"png\""), std::string::npos);
  std::string xml = p.read("word/document.xml");
  EXPECT_NE(xml.find("<wp:extent cx=\"381000\" cy=\"190500\"/>"), std::string::npos);
  EXPECT_NE(xml.find("xmlns:wp="), std::string::npos);
}

TEST_F(WordTest, BadDocumentsRaiseClearErrors) {
  testing::write_file(path("junk.docx"), "PK\x03\x04 but not really a zip");
  testdocs::write_docx(path("broken.docx"), "<w:p><w:r><w:t>unclosed</w:r></w:p>");
  auto number = [&](const std::string& name) {
    try {
      word->Documents().Open(from_utf8(path(name)));
    } catch (const VbError& e) {
      EXPECT_FALSE(e.description().empty());
      return e.number();
    }
    return 0;
  };
  EXPECT_EQ(number("missing.docx"), 5174);
  EXPECT_EQ(number("broken.docx"), 5792);
  EXPECT_NE(number("junk.docx"), 0);
  EXPECT_EQ(word->Documents().Count(), 0);
  EXPECT_THROW(word->Selection(), VbError);

  // An unwritable target leaves no file behind; the document stays usable.
  testdocs::write_docx(path("t.docx"), kSplitBody);
  word->Documents().Open(from_utf8(path("t.docx")));
  EXPECT_THROW(word->ActiveDocument().SaveAs(from_utf8(path("nao/existe/x.docx"))), VbError);
  EXPECT_FALSE(fs::exists(path("nao")));
}

TEST_F(WordTest, DirectionsReplaceOneAndMovingAround) {
  testdocs::write_docx(
      path("t.docx"),
      "<w:p><w:r><w:t>um X dois X tres X</w:t></w:r></w:p><w:p><w:r><w:t>fim</w:t></w:r></w:p>");
  word->Documents().Open(from_utf8(path("t.docx")));
  auto& sel = word->Selection();
  auto& f = sel.Find();
  f.Text(u"x");
  f.MatchWholeWord(true);
  f.Wrap(wdFindStop);
  f.Forward(false);
  EXPECT_FALSE(f.Execute());  // at the start, nothing before and no wrapping
  f.Wrap(wdFindContinue);
  ASSERT_TRUE(f.Execute());  // wraps to the last one
  EXPECT_EQ(sel.Range().start_, 17);
  f.Forward(true);
  f.Replacement().Text(u"Y^tZ");
  ASSERT_TRUE(f.Execute(wdReplaceOne));  // the next after the selection: the first, wrapping
  Story& body = word->ActiveDocument().engine().body();
  EXPECT_EQ(to_utf8(body.text(0).text), "um Y\tZ dois X tres X");
  EXPECT_EQ(sel.Text(), u"Y\tZ");
  sel.Text(u"W");
  EXPECT_EQ(sel.Text(), u"W");
  sel.EndKey(wdLine);
  sel.TypeText(u"!");
  sel.MoveDown(wdLine, 1);
  sel.HomeKey(wdLine);
  sel.TypeText(u">");
  sel.HomeKey(wdStory);
  sel.MoveRight(wdCharacter, 2, wdExtend);
  EXPECT_EQ(sel.Text(), u"um");
  sel.Font().Bold(true);
  EXPECT_TRUE(sel.Font().Bold());
  EXPECT_EQ(to_utf8(body.text(0).text), "um W dois X tres X!");
  EXPECT_EQ(to_utf8(body.text(1).text), ">fim");
  EXPECT_THROW(sel.Cells().Merge(), VbError);  // not in a table
  f.MatchWildcards(true);
  EXPECT_THROW(f.Execute(), VbError);
}

TEST_F(WordTest, PhotoTableCellsTakePicturesAndParagraphs) {
  testdocs::write_docx(path("t.docx"), "<w:p><w:r><w:t>vEquipamentosFotos</w:t></w:r></w:p>");
  testing::write_file(path("foto.png"), testdocs::png_bytes(8, 8));
  word->Documents().Open(from_utf8(path("t.docx")));
  ASSERT_TRUE(find(u"vEquipamentosFotos"));
  auto& sel = word->Selection();
  word->ActiveDocument().Tables().Add(sel.Range(), 1, 2);
  sel.TypeText(u"Imagem");
  sel.MoveRight(wdCell);
  sel.TypeText(T("Descrição"));
  sel.MoveRight(wdCell);  // a new row
  sel.InlineShapes().AddPicture(from_utf8(path("foto.png")));
  sel.MoveRight(wdCell);
  sel.Font().Bold(true);
  sel.TypeText(T("Câmera"));
  sel.TypeParagraph();
  sel.Font().Bold(false);
  sel.TypeText(u"Uso externo");
  sel.MoveLeft(wdCell);
  EXPECT_EQ(sel.Text(), u"\x01");
  sel.MoveDown(wdLine);  // below the table: the paragraph after it
  EXPECT_FALSE(sel.InTable());
  Table t = word->ActiveDocument().Tables().Item(1);
  EXPECT_EQ(t.RowsCount(), 2);
  word->ActiveDocument().SaveAs(from_utf8(path("out.docx")));
  std::string xml = document_xml(path("out.docx"));
  EXPECT_NE(xml.find("<w:drawing>"), std::string::npos);
  size_t cam = xml.find("Câmera"), uso = xml.find("Uso externo");
  ASSERT_NE(uso, std::string::npos);
  EXPECT_NE(xml.substr(cam, uso - cam).find("</w:p><w:p>"), std::string::npos)
      << "two paragraphs in the cell";
}

TEST(WordApplication, CreationVersionAndQuit) {
  HostSettings off;
  off.without_word = true;
  testing::RecordingContext no(off);
  try {
    component::create_object(u"Word.Application", no.ctx);
    FAIL();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 429);
  }
  HostSettings old;
  old.word_version = u"11.0";
  testing::RecordingContext rc(old);
  ObjectPtr w = component::create_object(u"word.application", rc.ctx);
  EXPECT_EQ(CStr(get(w, u"Version")), u"11.0");
  std::vector<Variant> args{Variant(false)};
  w->invoke(u"Quit", CallKind::Method, args, {u"SaveChanges"});
  EXPECT_THROW(get(w, u"ActiveDocument"), VbError);
}

// LibreOffice: a template it wrote, a PDF export read back, a Word 97 .doc, an RTF
// template converted on open, printing through the configured command.
TEST_F(WordTest, WorksWithLibreOfficeTemplatesAndConversions) {
  testing::write_file(path("modelo.html"),
                      "<html><body><h1>Ordem de Serviço</h1><p>Cliente: Cli.Nome</p>"
                      "<p>Observação: Des.Observação</p><p>Itens: vTabela</p></body></html>");
  std::string tpl =
      testdocs::soffice_convert(path("modelo.html"), dir.str(), "docx:MS Word 2007 XML");
  ASSERT_FALSE(tpl.empty());
  word->Documents().Open(from_utf8(tpl));
  replace_all(u"Cli.Nome", T("Joaquim Araújo"));
  ASSERT_TRUE(find(T("Des.Observação")));
  word->Selection().TypeText(u"Primeira linha\r\nSegunda linha");
  ASSERT_TRUE(find(u"vTabela"));
  word->ActiveDocument().Tables().Add(word->Selection().Range(), 1, 2);
  word->Selection().TypeText(u"A1");
  word->Selection().MoveRight(wdCell);
  word->Selection().TypeText(u"B1");
  word->Selection().MoveRight(wdCell);
  word->Selection().TypeText(u"A2");

  word->ActiveDocument().ExportAsFixedFormat(from_utf8(path("saida.pdf")), wdExportFormatPDF);
  std::string text = testdocs::pdf_text(path("saida.pdf"));
  EXPECT_NE(text.find("Joaquim Araújo"), std::string::npos) << text;
  EXPECT_NE(text.find("Segunda linha"), std::string::npos);
  EXPECT_NE(text.find("A2"), std::string::npos);
  EXPECT_EQ(text.find("Cli.Nome"), std::string::npos);

  word->ActiveDocument().SaveAs(from_utf8(path("saida.doc")),
                                SaveAsArgs{.FileFormat = wdFormatDocument});
  EXPECT_EQ(testing::read_file(path("saida.doc")).substr(0, 4), std::string("\xD0\xCF\x11\xE0", 4));
  EXPECT_EQ(word->ActiveDocument().FullName(), from_utf8(path("saida.doc")));
  word->ActiveDocument().SaveAs(from_utf8(path("saida.docx")));
  EXPECT_NE(testdocs::document_text(path("saida.docx")).find("Joaquim Araújo"), std::string::npos);
  EXPECT_NE(testdocs::document_text(path("saida.doc")).find("Segunda linha"), std::string::npos);

  // Printing goes through the configured command with copies and file appended.
  HostSettings s;
  s.printer_command =
      "sh -c 'echo \"$0 $1\" > " + path("printed.txt") + "; cp \"$1\" " + path("printed.pdf") + "'";
  testing::RecordingContext rc2(s);
  auto w2 = Application::create(rc2.ctx);
  w2->Documents().Open(from_utf8(path("saida.docx")));
  PrintOutArgs pa;
  pa.Copies = 2;
  w2->PrintOut(pa);
  EXPECT_EQ(testing::read_file(path("printed.txt")).substr(0, 2), "2 ");
  EXPECT_NE(testdocs::pdf_text(path("printed.pdf")).find("Joaquim"), std::string::npos);

  // A template that is not OOXML is converted on open.
  testing::write_file(path("modelo.rtf"), "{\\rtf1\\ansi {\\b Nome:} Cli.Nome\\par}");
  w2->Documents().Open(from_utf8(path("modelo.rtf")));
  auto& f = w2->Selection().Find();
  f.Text(u"Cli.Nome");
  f.Replacement().Text(u"Maria");
  f.Wrap(wdFindContinue);
  EXPECT_TRUE(f.Execute(wdReplaceAll));
  EXPECT_EQ(w2->ActiveDocument().FullName(), from_utf8(path("modelo.rtf")));
}

// A standard template keeps a ".dll" name: Word opens it by its content, a Word document or
// a Writer one.
TEST_F(WordTest, DocumentsOpenByTheirContentWhateverTheirName) {
  testdocs::write_docx(path("Contract.dll"),
                       "<w:p><w:r><w:t>Contrato de Cli.Nome</w:t></w:r></w:p>");
  word->Documents().Open(from_utf8(path("Contract.dll")));
  replace_all(u"Cli.Nome", u"Ana");
  word->ActiveDocument().SaveAs(from_utf8(path("a.docx")));
  EXPECT_NE(testdocs::document_text(path("a.docx")).find("Contrato de Ana"), std::string::npos);
  testdocs::write_odt(path("ContractD.dll"), "<text:p>Distrato de Cli.Nome</text:p>");
  word->Documents().Open(from_utf8(path("ContractD.dll")));
  replace_all(u"Cli.Nome", u"Ana");
  word->ActiveDocument().SaveAs(from_utf8(path("b.docx")));
  EXPECT_NE(testdocs::document_text(path("b.docx")).find("Distrato de Ana"), std::string::npos);
}

}  // namespace
}  // namespace orvane::office::word
