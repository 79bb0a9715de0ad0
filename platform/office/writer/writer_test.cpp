#include "platform/office/writer/writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "component/registry.h"
#include "core/convert.h"
#include "platform/office/convert.h"
#include "platform/office/package.h"
#include "platform/office/testdocs.h"
#include "testing/testing.h"

namespace orvane::office::writer {
namespace {

using testing::TempDir;

const char* kBody =
    "<text:p>Cliente: Cli.<text:span text:style-name=\"T1\">No</text:span><text:bookmark "
    "text:name=\"b\"/>me e Cli.NomeFantasia</text:p>"
    "<text:p>Lista: vLista<text:s text:c=\"3\"/>fim</text:p>"
    "<table:table table:name=\"T\"><table:table-column/><table:table-row><table:table-cell>"
    "<text:p>[CLI.NOME]</text:p></table:table-cell></table:table-row></table:table>"
    "<text:p>Antes vTabela depois</text:p>";

std::string content_xml(const std::string& odt) { return Package::open(odt).read("content.xml"); }

struct WriterTest : ::testing::Test {
  TempDir dir;
  testing::RecordingContext rc;
  std::shared_ptr<ServiceManager> sm = ServiceManager::create(rc.ctx);
  std::string path(const std::string& n) { return dir.str() + n; }
  std::shared_ptr<TextDocument> load(const std::string& file) {
    return sm->desktop()->loadComponentFromURL(from_utf8(file_url(file)), u"_blank", 0, Variant());
  }
  int replace_all(TextDocument& doc, const ::orvane::Text& what, const ::orvane::Text& with) {
    auto rd = doc.createReplaceDescriptor();
    rd->setSearchString(what);
    rd->setReplaceString(with);
    return doc.replaceAll(*rd);
  }
};

TEST_F(WriterTest, ReplaceAllUsesWritersDefaultsAcrossSpans) {
  testdocs::write_odt(path("t.odt"), kBody);
  auto doc = load(path("t.odt"));
  // Substring, case-insensitive: the longer placeholder and the capitals match too.
  EXPECT_EQ(replace_all(*doc, u"cli.nome", T("Ana & Cia")), 3);
  EXPECT_EQ(replace_all(*doc, u"vLista", u"um\r\ndois\tx"), 1);
  doc->storeToURL(from_utf8(file_url(path("out.odt"))), Variant());
  std::string xml = content_xml(path("out.odt"));
  Story& body = doc->engine().body();
  EXPECT_EQ(to_utf8(body.text(0).text), "Cliente: Ana & Cia e Ana & CiaFantasia");
  EXPECT_EQ(to_utf8(body.text(1).text), "Lista: um\ndois\tx   fim");
  EXPECT_EQ(to_utf8(body.text(2).text), "[Ana & Cia]");
  EXPECT_NE(xml.find("um<text:line-break/>dois<text:tab/>x"), std::string::npos);
  EXPECT_NE(xml.find("text:bookmark"), std::string::npos);
  // SearchWords and SearchCaseSensitive narrow the match.
  testdocs::write_odt(path("t2.odt"), kBody);
  auto doc2 = load(path("t2.odt"));
  auto rd = doc2->createReplaceDescriptor();
  rd->setSearchString(u"Cli.Nome");
  rd->setReplaceString(u"X");
  rd->SearchWords = true;
  rd->SearchCaseSensitive = true;
  EXPECT_EQ(doc2->replaceAll(*rd), 1);
  EXPECT_EQ(to_utf8(doc2->engine().body().text(0).text), "Cliente: X e Cli.NomeFantasia");
  // The mimetype part leads the saved package, stored.
  EXPECT_EQ(testing::read_file(path("out.odt")).substr(30, 8), "mimetype");
}

// ODF collapses runs of blanks in plain text: what is replaced in keeps every blank, as
// Writer stores them (<text:s/>), also at the start of a paragraph and after a line break.
TEST_F(WriterTest, ReplacedTextKeepsItsBlanks) {
  testdocs::write_odt(path("t.odt"), "<text:p>vCaixa</text:p><text:p>Item vMarca fim</text:p>");
  auto doc = load(path("t.odt"));
  EXPECT_EQ(replace_all(*doc, u"vCaixa", u"  Pergunta. (     )\r\n  fim"), 1);
  EXPECT_EQ(replace_all(*doc, u"vMarca", u"a  b"), 1);
  doc->storeToURL(from_utf8(file_url(path("out.odt"))), Variant());
  auto again = load(path("out.odt"));
  Story& body = again->engine().body();
  EXPECT_EQ(to_utf8(body.text(0).text), "  Pergunta. (     )\n  fim");
  EXPECT_EQ(to_utf8(body.text(1).text), "Item a  b fim");
  const std::string xml = content_xml(path("out.odt"));
  EXPECT_NE(xml.find("Pergunta. ( <text:s text:c=\"4\"/>)"), std::string::npos) << xml;
  EXPECT_NE(xml.find("a <text:s/>b"), std::string::npos) << xml;
}

// A replacement in a field's shown text turns the field into that text (LibreOffice
// would work the title out again); an input field keeps the text typed into it.
TEST_F(WriterTest, ReplacingInAFieldKeepsTheNewText) {
  testdocs::write_odt(path("t.odt"),
                      "<text:p><text:title>Cli.Nome</text:title> e <text:text-input "
                      "text:description=\"\">Cli.Nome</text:text-input> pág. "
                      "<text:page-number>1</text:page-number></text:p>");
  auto doc = load(path("t.odt"));
  EXPECT_EQ(replace_all(*doc, u"Cli.Nome", u"Ana"), 2);
  EXPECT_EQ(to_utf8(doc->engine().body().text(0).text), "Ana e Ana pág. 1");
  doc->storeToURL(from_utf8(file_url(path("out.odt"))), Variant());
  std::string xml = content_xml(path("out.odt"));
  EXPECT_EQ(xml.find("text:title"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<text:text-input text:description=\"\">Ana</text:text-input>"),
            std::string::npos)
      << xml;
  EXPECT_NE(xml.find("<text:page-number>1</text:page-number>"), std::string::npos) << xml;
}

TEST_F(WriterTest, TablePlaceholderPass) {
  testdocs::write_odt(path("t.odt"), kBody);
  auto doc = load(path("t.odt"));
  auto text = doc->getText();
  auto cursor = text->createTextCursor();
  auto sd = doc->createSearchDescriptor();
  sd->setSearchString(u"vTabela");
  sd->SearchCaseSensitive = false;
  sd->SearchWords = true;
  auto found = doc->findFirst(*sd);
  ASSERT_TRUE(found);
  cursor->gotoRange(*found->getStart(), false);
  cursor->gotoRange(*found, true);
  EXPECT_EQ(cursor->getString(), u"vTabela");
  auto table = doc->createInstance(u"com.sun.star.text.TextTable");
  table->initialize(3, 3);
  text->insertTextContent(*cursor, *table, false);
  for (const char16_t* name : {u"A1", u"B1", u"C1"}) {
    auto cell = table->getCellByName(name);
    auto c = cell->createTextCursor();
    cell->insertString(*c, ::orvane::Text(u"H") + name, false);
  }
  table->getCellByName(u"A2")->setString(T("Câmera"));
  table->getCellByName(u"C3")->setString(u"9,90");
  EXPECT_THROW(table->getCellByName(u"D1"), VbError);
  auto seps = table->TableColumnSeparators();
  ASSERT_EQ(seps.size(), 2u);
  seps[0].Position = static_cast<int16_t>(table->TableColumnRelativeSum() * 0.15);
  seps[1].Position = static_cast<int16_t>(table->TableColumnRelativeSum() * 0.5);
  table->TableColumnSeparators(seps);
  EXPECT_EQ(table->TableColumnSeparators()[1].Position, 5000);
  replace_all(*doc, u"vTabela", u"");
  doc->storeToURL(from_utf8(file_url(path("out.odt"))), Variant());
  std::string xml = content_xml(path("out.odt"));
  size_t before = xml.find(">Antes <"), tbl = xml.find("<table:table table:name=\"Tabela"),
         after = xml.find("> depois<");
  ASSERT_NE(tbl, std::string::npos);
  EXPECT_LT(before, tbl);
  EXPECT_LT(tbl, after);
  EXPECT_NE(xml.find("style:rel-column-width=\"1500*\""), std::string::npos);
  EXPECT_NE(xml.find("style:rel-column-width=\"3500*\""), std::string::npos);
  EXPECT_NE(xml.find("<text:p>HA1</text:p>"), std::string::npos);
  EXPECT_NE(xml.find("Câmera"), std::string::npos);
  EXPECT_EQ(xml.find("vTabela"), std::string::npos);
  EXPECT_FALSE(doc->findFirst(*sd));
}

TEST_F(WriterTest, BadDocumentsAndClosedDocuments) {
  testing::write_file(path("junk.odt"), "PK\x03\x04 nope");
  testdocs::write_odt(path("broken.odt"), "<text:p>unclosed</text:span></text:p>");
  for (const char* name : {"junk.odt", "broken.odt", "missing.odt"}) {
    try {
      load(path(name));
      ADD_FAILURE() << name;
    } catch (const VbError& e) {
      EXPECT_FALSE(e.description().empty());
    }
  }
  testdocs::write_odt(path("t.odt"), kBody);
  auto doc = load(path("t.odt"));
  EXPECT_THROW(doc->storeToURL(from_utf8(file_url(path("no/dir/x.odt"))), Variant()), VbError);
  EXPECT_FALSE(std::filesystem::exists(path("no")));
  doc->close(false);
  EXPECT_THROW(replace_all(*doc, u"a", u"b"), VbError);
  HostSettings off;
  off.without_writer = true;
  testing::RecordingContext no(off);
  try {
    component::create_object(u"com.sun.star.ServiceManager", no.ctx);
    FAIL();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 429);
  }
}

// Late-bound, as the generators' helpers call it, on a template LibreOffice wrote.
TEST_F(WriterTest, LateBoundOnALibreOfficeTemplateToPdfOdtAndPrinter) {
  testing::write_file(path("modelo.html"),
                      "<html><body><h1>Contrato</h1><p>Contratante: Cli.Nome</p>"
                      "<p>Itens: vItens</p></body></html>");
  std::string tpl = testdocs::soffice_convert(path("modelo.html"), dir.str(), "odt:writer8");
  ASSERT_FALSE(tpl.empty());
  HostSettings s;
  s.printer_command = "sh -c 'echo \"$0\" >> " + path("printed.txt") + "'";
  testing::RecordingContext prc(s);
  ObjectPtr manager = component::create_object(u"com.sun.star.ServiceManager", prc.ctx);
  ObjectPtr desktop =
      as_object(call(manager, u"createInstance", {Variant(u"com.sun.star.frame.Desktop")}));
  // A URL written the way ConvertToUrl writes Windows-style paths still loads.
  ObjectPtr doc = as_object(call(desktop, u"loadComponentFromURL",
                                 {Variant(from_utf8("file:///" + tpl)), Variant(u"_blank"),
                                  Variant(int32_t(0)), Variant(Array::of({}))}));
  ObjectPtr rd = as_object(call(doc, u"createReplaceDescriptor"));
  call(rd, u"setSearchString", {Variant(u"Cli.Nome")});
  call(rd, u"setReplaceString", {Variant(T("Beatriz Conceição"))});
  EXPECT_EQ(CLng(call(doc, u"replaceAll", {Variant(rd)})), 1);
  call(rd, u"setSearchString", {Variant(u"vItens")});
  call(rd, u"setReplaceString", {Variant(u"linha A\r\nlinha B")});
  call(doc, u"replaceAll", {Variant(rd)});

  ObjectPtr prop =
      as_object(call(manager, u"Bridge_GetStruct", {Variant(u"com.sun.star.beans.PropertyValue")}));
  let(prop, u"Name", Variant(u"FilterName"));
  let(prop, u"Value", Variant(u"writer_pdf_Export"));
  Array props = Array::of({Variant(prop), Variant()});
  call(doc, u"storeToURL", {Variant(from_utf8(file_url(path("saida.pdf")))), Variant(props)});
  std::string text = testdocs::pdf_text(path("saida.pdf"));
  EXPECT_NE(text.find("Beatriz Conceição"), std::string::npos) << text;
  EXPECT_NE(text.find("linha B"), std::string::npos);

  let(prop, u"Value", Variant(u"writer8"));
  call(doc, u"storeToURL",
       {Variant(from_utf8(file_url(path("saida.odt")))), Variant(Array::of({Variant(prop)}))});
  EXPECT_NE(testdocs::document_text(path("saida.odt")).find("Beatriz Conceição"),
            std::string::npos);
  call(doc, u"printPages", {Variant(Array::of({}))});
  EXPECT_EQ(testing::read_file(path("printed.txt")).substr(0, 2), "1\n");
  call(doc, u"close", {Variant(false)});
}

// Templates are kept under names that do not say what they are (".dll"), and a Word document
// may come named ".odt": each loads by its content.
TEST_F(WriterTest, DocumentsLoadByTheirContentWhateverTheirName) {
  testdocs::write_odt(path("Contract.dll"), "<text:p>Contrato de Cli.Nome</text:p>");
  auto odt = load(path("Contract.dll"));
  EXPECT_EQ(replace_all(*odt, u"Cli.Nome", u"Ana"), 1);
  testdocs::write_docx(path("Contrato.odt"),
                       "<w:p><w:r><w:t>Distrato de Cli.Nome</w:t></w:r></w:p>");
  auto docx = load(path("Contrato.odt"));
  EXPECT_EQ(replace_all(*docx, u"Cli.Nome", u"Ana"), 1);
  EXPECT_EQ(to_utf8(docx->engine().body().text(0).text), "Distrato de Ana");
}

}  // namespace
}  // namespace orvane::office::writer
