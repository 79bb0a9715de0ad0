// Documents written by other programs, through both automation routes: each is opened,
// has a placeholder replaced (Word's Find/Execute, Writer's replaceAll), is exported to
// PDF and read back. The corpus is made when the test runs: flat ODF sources that
// LibreOffice writes out as .docx and .odt, and packages written by hand the way Word
// and LibreOffice write them. One process serves the whole corpus with one warm
// in-process converter; none of the documents may make it fail.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iostream>

#include "core/convert.h"
#include "platform/office/convert.h"
#include "platform/office/process.h"
#include "platform/office/testdocs.h"
#include "platform/office/word/word.h"
#include "platform/office/writer/writer.h"
#include "testing/testing.h"

namespace orvane::office {
namespace {

namespace fs = std::filesystem;
using testdocs::DocxPart;

constexpr const char* kPlaceholder = "Cli.Nome";
constexpr const char* kName = "Joaquim Conceição";
constexpr const char* kCommentText = "Ver cláusula";

struct Sample {
  std::string file;
  std::vector<std::string> shows;  // texts the PDF shows besides the replacement
  int replacements = 1;            // how many times the replacement shows
  // The same through the other route, which opens the document through a conversion:
  // fields that LibreOffice works out again on reading (a date, a title, a
  // cross-reference) no longer show the placeholder there.
  int converted_replacements = -1;  // -1: as many
};

// ---- sources LibreOffice writes out ----------------------------------------------------

std::string fodt(const std::string& text, const std::string& master = "") {
  return R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0" xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" xmlns:xlink="http://www.w3.org/1999/xlink" xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0" office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
<office:automatic-styles><style:page-layout style:name="pm1"><style:page-layout-properties fo:page-width="21cm" fo:page-height="29.7cm" fo:margin-top="2cm" fo:margin-bottom="2cm" fo:margin-left="2cm" fo:margin-right="2cm"/><style:header-style><style:header-footer-properties fo:min-height="0.5cm"/></style:header-style><style:footer-style><style:header-footer-properties fo:min-height="0.5cm"/></style:footer-style></style:page-layout></office:automatic-styles>
<office:master-styles><style:master-page style:name="Standard" style:page-layout-name="pm1">)" +
         master + R"(</style:master-page></office:master-styles>
<office:body><office:text>)" +
         text + "</office:text></office:body></office:document>";
}

std::string p(const std::string& s) { return "<text:p>" + s + "</text:p>"; }

std::string png_base64() {
  std::string png = testdocs::png_bytes(8, 8);
  static const char* abc = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (size_t i = 0; i < png.size(); i += 3) {
    uint32_t n = static_cast<uint32_t>(static_cast<unsigned char>(png[i])) << 16;
    if (i + 1 < png.size()) n |= static_cast<uint32_t>(static_cast<unsigned char>(png[i + 1])) << 8;
    if (i + 2 < png.size()) n |= static_cast<unsigned char>(png[i + 2]);
    out += abc[n >> 18 & 63];
    out += abc[n >> 12 & 63];
    out += i + 1 < png.size() ? abc[n >> 6 & 63] : '=';
    out += i + 2 < png.size() ? abc[n & 63] : '=';
  }
  return out;
}

// Name, source, and what the PDF shows besides the replacement.
std::vector<std::pair<Sample, std::string>> libreoffice_sources() {
  const std::string change_info =
      "<office:change-info><dc:creator>Ana</dc:creator><dc:date>2024-01-02T10:00:00</dc:date>"
      "</office:change-info>";
  return {
      {{"comentario", {"Contrato de prestação de serviços com"}},
       fodt(p("Contrato de prestação de serviços com <office:annotation><dc:creator>Revisor"
              "</dc:creator><dc:date>2024-01-02T10:00:00</dc:date><text:p>" +
              std::string(kCommentText) + "</text:p></office:annotation>Cli.Nome."))},
      {{"alteracoes", {"Texto inserido para", "fim do texto"}},
       fodt("<text:tracked-changes><text:changed-region text:id=\"c1\"><text:insertion>" +
            change_info +
            "</text:insertion></text:changed-region><text:changed-region text:id=\"c2\">"
            "<text:deletion>" +
            change_info +
            "<text:p>apagado</text:p></text:deletion></text:changed-region>"
            "</text:tracked-changes>" +
            p("Texto <text:change-start text:change-id=\"c1\"/>inserido para Cli.Nome"
              "<text:change-end text:change-id=\"c1\"/> e <text:change text:change-id=\"c2\"/>"
              "fim do texto."))},
      {{"notas", {"Cláusula para", "Nota de rodapé explicativa"}},
       fodt(p("Cláusula para Cli.Nome<text:note text:id=\"n1\" text:note-class=\"footnote\">"
              "<text:note-citation>1</text:note-citation><text:note-body><text:p>Nota de rodapé "
              "explicativa.</text:p></text:note-body></text:note> conforme anexo."))},
      {{"campos", {"Página 1 de 1", "; data"}, 2},
       fodt(p("Página <text:page-number text:select-page=\"current\">1</text:page-number> de "
              "<text:page-count>1</text:page-count>; autor <text:author-name text:fixed=\"true\">"
              "Cli.Nome</text:author-name>; data <text:date text:fixed=\"true\" "
              "text:date-value=\"2024-01-02\">02/01/2024</text:date>; cliente Cli.Nome."))},
      {{"caixa", {"Antes da caixa", "Texto dentro da caixa"}},
       fodt(p("Antes da caixa <draw:frame draw:name=\"Caixa1\" text:anchor-type=\"as-char\" "
              "svg:width=\"6cm\" svg:height=\"2cm\"><draw:text-box><text:p>Texto dentro da caixa"
              "</text:p></draw:text-box></draw:frame> e Cli.Nome depois."))},
      {{"cabecalho", {"Cabeçalho da empresa", "Rodapé da página", "Corpo com"}},
       fodt(p("Corpo com Cli.Nome."),
            "<style:header><text:p>Cabeçalho da empresa</text:p></style:header><style:footer>"
            "<text:p>Rodapé da página</text:p></style:footer>")},
      {{"marcadores", {"Nome:", "fim da frase"}},
       fodt(p("Nome: <text:bookmark-start text:name=\"nome\"/>Cli.Nome<text:bookmark-end "
              "text:name=\"nome\"/> e <text:bookmark text:name=\"ponto\"/>fim da frase."))},
      {{"links", {"Veja o site do", "agora"}},
       fodt(p("Veja <text:a xlink:type=\"simple\" xlink:href=\"https://exemplo.com.br/\">o site "
              "do Cli.Nome</text:a> agora."))},
      {{"tabelas", {"Externa", "Interna", "Depois da tabela"}},
       fodt("<table:table table:name=\"T1\"><table:table-column "
            "table:number-columns-repeated=\"2\"/><table:table-row><table:table-cell><text:p>"
            "Externa</text:p></table:table-cell><table:table-cell><table:table "
            "table:name=\"T2\"><table:table-column table:number-columns-repeated=\"2\"/>"
            "<table:table-row><table:table-cell><text:p>Interna Cli.Nome</text:p>"
            "</table:table-cell><table:table-cell><text:p>B</text:p></table:table-cell>"
            "</table:table-row></table:table></table:table-cell></table:table-row></table:table>" +
            p("Depois da tabela."))},
      {{"imagens", {"Logotipo", "de"}},
       fodt(p("Logotipo <draw:frame draw:name=\"Img1\" text:anchor-type=\"as-char\" "
              "svg:width=\"1cm\" svg:height=\"1cm\"><draw:image><office:binary-data>" +
              png_base64() + "</office:binary-data></draw:image></draw:frame> de Cli.Nome."))},
      {{"secoes", {"Primeira parte", "Última parte"}},
       fodt(p("Primeira parte.") +
            "<text:section text:name=\"Secao1\"><text:p>Dentro da seção, Cli.Nome.</text:p>"
            "</text:section>" +
            p("Última parte."))},
      {{"listas", {"Primeiro item", "Terceiro item"}},
       fodt("<text:list><text:list-item>" + p("Primeiro item") + "</text:list-item>" +
            "<text:list-item>" + p("Segundo item: Cli.Nome") + "</text:list-item>" +
            "<text:list-item>" + p("Terceiro item") + "</text:list-item></text:list>")},
  };
}

// ---- packages written by hand ------------------------------------------------------------

const std::string kW = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
const std::string kWordType = "application/vnd.openxmlformats-officedocument.wordprocessingml.";
const std::string kWNs =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";

std::string wp(const std::string& runs) { return "<w:p>" + runs + "</w:p>"; }
std::string wr(const std::string& text) {
  return "<w:r><w:t xml:space=\"preserve\">" + text + "</w:t></w:r>";
}
std::string complex_field(const std::string& code, const std::string& result) {
  return "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText "
         "xml:space=\"preserve\"> " +
         code +
         " </w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:rPr>"
         "<w:b/></w:rPr><w:t>" +
         result + "</w:t></w:r><w:r><w:fldChar w:fldCharType=\"end\"/></w:r>";
}

std::vector<Sample> write_by_hand(const std::string& dir) {
  std::vector<Sample> out;
  // A review comment over the placeholder, as Word writes one.
  testdocs::write_docx(
      dir + "word-comentario.docx",
      wp(wr("Contrato de prestação de serviços com ") + "<w:commentRangeStart w:id=\"0\"/>" +
         wr("Cli.Nome") +
         "<w:commentRangeEnd w:id=\"0\"/><w:r><w:rPr><w:rStyle w:val=\"Refdecomentrio\"/>"
         "</w:rPr><w:commentReference w:id=\"0\"/></w:r>" +
         wr(".")),
      {{"rId5", "word/comments.xml", kWordType + "comments+xml", kW + "comments",
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><w:comments " + kWNs +
            "><w:comment w:id=\"0\" w:author=\"Revisor\" w:date=\"2024-01-02T10:00:00Z\" "
            "w:initials=\"R\"><w:p><w:r><w:annotationRef/></w:r>" +
            wr(kCommentText) + "</w:p></w:comment></w:comments>"}});
  out.push_back({"word-comentario.docx", {"Contrato de prestação de serviços com"}});

  // Tracked changes: the placeholder inside an insertion, a deletion, a format change.
  testdocs::write_docx(
      dir + "word-alteracoes.docx",
      wp(wr("Texto ") + "<w:ins w:id=\"1\" w:author=\"Ana\" w:date=\"2024-01-02T10:00:00Z\">" +
         wr("inserido para Cli.Nome") +
         "</w:ins><w:del w:id=\"2\" w:author=\"Ana\" w:date=\"2024-01-02T10:00:00Z\"><w:r>"
         "<w:delText>apagado</w:delText></w:r></w:del>" +
         "<w:r><w:rPr><w:b/><w:rPrChange w:id=\"3\" w:author=\"Ana\" "
         "w:date=\"2024-01-02T10:00:00Z\"><w:rPr/></w:rPrChange></w:rPr><w:t "
         "xml:space=\"preserve\">"
         " e fim do texto.</w:t></w:r>"));
  out.push_back({"word-alteracoes.docx", {"Texto inserido para", "fim do texto"}});

  // Fields whose shown result is the placeholder: LibreOffice would work a date, a title
  // and a cross-reference out again; a hyperlink field keeps its link.
  testdocs::write_docx(
      dir + "word-campos.docx",
      wp("<w:bookmarkStart w:id=\"0\" w:name=\"marca\"/>" + wr("Marcado") +
         "<w:bookmarkEnd w:id=\"0\"/>") +
          wp(wr("Data: ") + complex_field("DATE \\@ \"dd/MM/yyyy\"", "Cli.Nome")) +
          wp(wr("Título: ") +
             "<w:fldSimple w:instr=\" TITLE \\* MERGEFORMAT \"><w:r><w:t>Cli.Nome</w:t></w:r>"
             "</w:fldSimple>") +
          wp(wr("Referência: ") + complex_field("REF marca \\h", "Cli.Nome")) +
          wp(wr("Link: ") + complex_field("HYPERLINK \"https://exemplo.com.br/\"", "Cli.Nome")) +
          wp(wr("Página ") + complex_field("PAGE", "1")));
  out.push_back({"word-campos.docx", {"Marcado", "Página 1"}, 4, 1});

  // A text box (DrawingML with its VML fallback) and a content control.
  std::string box_text =
      "<w:txbxContent><w:p><w:r><w:t>Texto da caixa</w:t></w:r></w:p>"
      "</w:txbxContent>";
  testdocs::write_docx(
      dir + "word-caixa.docx",
      wp(wr("Antes da caixa ") +
         "<w:r><mc:AlternateContent><mc:Choice Requires=\"wps\"><w:drawing><wp:inline "
         "distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\"><wp:extent cx=\"1800000\" "
         "cy=\"540000\"/><wp:docPr id=\"1\" name=\"Caixa 1\"/><a:graphic><a:graphicData "
         "uri=\"http://schemas.microsoft.com/office/word/2010/wordprocessingShape\"><wps:wsp>"
         "<wps:cNvSpPr txBox=\"1\"/><wps:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext "
         "cx=\"1800000\" cy=\"540000\"/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/>"
         "</a:prstGeom></wps:spPr><wps:txbx>" +
         box_text +
         "</wps:txbx><wps:bodyPr/></wps:wsp></a:graphicData></a:graphic></wp:inline>"
         "</w:drawing></mc:Choice><mc:Fallback><w:pict><v:shape style=\"width:141pt;"
         "height:42pt\"><v:textbox>" +
         box_text + "</v:textbox></v:shape></w:pict></mc:Fallback></mc:AlternateContent></w:r>") +
          "<w:sdt><w:sdtPr><w:alias w:val=\"Cliente\"/></w:sdtPr><w:sdtContent>" +
          wp(wr("Controle: Cli.Nome")) + "</w:sdtContent></w:sdt>");
  out.push_back({"word-caixa.docx", {"Antes da caixa", "Texto da caixa", "Controle:"}});

  // Header, footer, footnote, a hyperlink over the placeholder, a nested table.
  std::string hdr = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><w:hdr " + kWNs +
                    ">" + wp(wr("Cabeçalho da empresa")) + "</w:hdr>";
  std::string ftr = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><w:ftr " + kWNs +
                    ">" + wp(wr("Rodapé da página")) + "</w:ftr>";
  std::string notes =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><w:footnotes " + kWNs +
      "><w:footnote w:type=\"separator\" w:id=\"-1\"><w:p><w:r><w:separator/></w:r></w:p>"
      "</w:footnote><w:footnote w:type=\"continuationSeparator\" w:id=\"0\"><w:p><w:r>"
      "<w:continuationSeparator/></w:r></w:p></w:footnote><w:footnote w:id=\"1\"><w:p><w:r>"
      "<w:footnoteRef/></w:r>" +
      wr(" Nota de rodapé explicativa.") + "</w:p></w:footnote></w:footnotes>";
  auto cell = [](const std::string& content) {
    return "<w:tc><w:tcPr><w:tcW w:w=\"4000\" w:type=\"dxa\"/></w:tcPr>" + content + "</w:tc>";
  };
  auto table = [](const std::string& cells) {
    return "<w:tbl><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/></w:tblPr><w:tblGrid>"
           "<w:gridCol w:w=\"4000\"/><w:gridCol w:w=\"4000\"/></w:tblGrid><w:tr>" +
           cells + "</w:tr></w:tbl>";
  };
  testdocs::write_docx(
      dir + "word-cabecalho.docx",
      wp(wr("Veja ") + "<w:hyperlink r:id=\"rId9\">" + wr("o site do Cli.Nome") + "</w:hyperlink>" +
         wr(" agora") + "<w:r><w:footnoteReference w:id=\"1\"/></w:r>") +
          table(cell(wp(wr("Externa"))) +
                cell(table(cell(wp(wr("Interna Cli.Nome"))) + cell(wp(wr("B")))) + wp(""))) +
          wp(wr("Depois da tabela.")),
      {{"rId6", "word/header1.xml", kWordType + "header+xml", kW + "header", hdr},
       {"rId7", "word/footer1.xml", kWordType + "footer+xml", kW + "footer", ftr},
       {"rId8", "word/footnotes.xml", kWordType + "footnotes+xml", kW + "footnotes", notes},
       {"rId9", "", "", kW + "hyperlink", "https://exemplo.com.br/"}},
      "<w:headerReference w:type=\"default\" r:id=\"rId6\"/><w:footerReference "
      "w:type=\"default\" r:id=\"rId7\"/>");
  out.push_back({"word-cabecalho.docx",
                 {"Cabeçalho da empresa", "Rodapé da página", "Nota de rodapé explicativa",
                  "Externa", "Interna", "Depois da tabela"},
                 2});

  // ODF: a ranged annotation, tracked changes, fields LibreOffice works out on load.
  testdocs::write_odt(dir + "odf-comentario.odt",
                      p("Contrato de prestação de serviços com <office:annotation "
                        "office:name=\"a1\"><dc:creator>Revisor</dc:creator><text:p>" +
                        std::string(kCommentText) +
                        "</text:p></office:annotation>Cli.Nome<office:annotation-end "
                        "office:name=\"a1\"/>."));
  out.push_back({"odf-comentario.odt", {"Contrato de prestação de serviços com"}});
  std::string info =
      "<office:change-info><dc:creator>Ana</dc:creator><dc:date>2024-01-02T10:00:00</dc:date>"
      "</office:change-info>";
  testdocs::write_odt(
      dir + "odf-alteracoes.odt",
      "<text:tracked-changes><text:changed-region text:id=\"c1\"><text:insertion>" + info +
          "</text:insertion></text:changed-region><text:changed-region text:id=\"c2\">"
          "<text:deletion>" +
          info +
          "<text:p>apagado</text:p></text:deletion></text:changed-region></text:tracked-changes>" +
          p("Texto <text:change-start text:change-id=\"c1\"/>inserido para Cli.Nome"
            "<text:change-end text:change-id=\"c1\"/> e <text:change text:change-id=\"c2\"/>"
            "fim do texto."));
  out.push_back({"odf-alteracoes.odt", {"Texto inserido para", "fim do texto"}});
  testdocs::write_odt(
      dir + "odf-campos.odt",
      p("Título: <text:title>Cli.Nome</text:title>") +
          p("Data: <text:date text:date-value=\"2024-01-02\">Cli.Nome</text:date>") +
          p("Página <text:page-number text:select-page=\"current\">1</text:page-number>."),
      "<style:header><text:p>Cabeçalho da empresa</text:p></style:header>");
  out.push_back({"odf-campos.odt", {"Página 1", "Cabeçalho da empresa"}, 2, 0});
  return out;
}

// ---- the two routes ------------------------------------------------------------------

// The PDF's text in reading order, every run of blanks and line ends made one space.
std::string pdf_words(const std::string& pdf) {
  ProcessResult r = run_program({"pdftotext", pdf, "-"}, 60);
  std::string words;
  for (char c : r.output) {
    bool blank = c == ' ' || c == '\n' || c == '\t' || c == '\f' || c == '\r';
    if (!blank)
      words += c;
    else if (!words.empty() && words.back() != ' ')
      words += ' ';
  }
  return words;
}

std::string through_word(word::Application& word, const std::string& doc, const std::string& pdf,
                         bool expect_found) {
  word.Documents().Open(from_utf8(doc));
  auto& f = word.Selection().Find();
  f.ClearFormatting();
  f.Replacement().ClearFormatting();
  f.Text(from_utf8(kPlaceholder));
  f.Replacement().Text(from_utf8(kName));
  f.Forward(true);
  f.Wrap(word::wdFindContinue);
  f.MatchWholeWord(false);
  EXPECT_EQ(f.Execute(word::wdReplaceAll), expect_found) << doc;
  word.ActiveDocument().ExportAsFixedFormat(from_utf8(pdf), word::wdExportFormatPDF);
  word.ActiveDocument().Close(false);
  return pdf_words(pdf);
}

std::string through_writer(writer::ServiceManager& sm, const std::string& doc,
                           const std::string& pdf, bool expect_found) {
  auto d = sm.desktop()->loadComponentFromURL(from_utf8(file_url(doc)), u"_blank", 0, Variant());
  auto rd = d->createReplaceDescriptor();
  rd->setSearchString(from_utf8(kPlaceholder));
  rd->setReplaceString(from_utf8(kName));
  EXPECT_EQ(d->replaceAll(*rd) > 0, expect_found) << doc;
  auto filter = std::make_shared<writer::PropertyValue>();
  filter->Name = u"FilterName";
  filter->Value = Variant(u"writer_pdf_Export");
  d->storeToURL(from_utf8(file_url(pdf)), Variant(Array::of({Variant(ObjectPtr(filter))})));
  d->close(false);
  return pdf_words(pdf);
}

size_t count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(Corpus, DocumentsFromOtherProgramsReplaceAndExportOnBothRoutes) {
  if (!libreoffice_installed()) GTEST_SKIP() << "LibreOffice is not installed";
  auto started = std::chrono::steady_clock::now();
  testing::TempDir dir;
  std::vector<Sample> corpus;
  for (auto& [sample, source] : libreoffice_sources()) {
    std::string src = dir.str() + sample.file + ".fodt";
    testing::write_file(src, source);
    for (const char* ext : {".docx", ".odt"}) {
      Sample s = sample;
      s.file = sample.file + ext;
      convert_document(src, dir.str() + s.file,
                       std::string(ext) == ".docx" ? Format::Docx : Format::Odt);
      corpus.push_back(s);
    }
  }
  for (Sample& s : write_by_hand(dir.str())) corpus.push_back(s);
  auto made = std::chrono::steady_clock::now();

  testing::RecordingContext rc;
  auto word = word::Application::create(rc.ctx);
  auto writer = writer::ServiceManager::create(rc.ctx);
  for (const Sample& s : corpus) {
    std::string doc = dir.str() + s.file;
    for (bool via_word : {true, false}) {
      SCOPED_TRACE(s.file + (via_word ? " through Word" : " through Writer"));
      std::string pdf = doc + (via_word ? ".word.pdf" : ".writer.pdf");
      bool native = (s.file.rfind(".docx") != std::string::npos) == via_word;
      int expected =
          native || s.converted_replacements < 0 ? s.replacements : s.converted_replacements;
      std::string text;
      try {
        text = via_word ? through_word(*word, doc, pdf, expected > 0)
                        : through_writer(*writer, doc, pdf, expected > 0);
      } catch (const VbError& e) {
        ADD_FAILURE() << to_utf8(e.description());
        continue;
      }
      EXPECT_EQ(count(text, kName), static_cast<size_t>(expected)) << text;
      EXPECT_EQ(text.find(kPlaceholder), std::string::npos) << text;
      EXPECT_EQ(text.find(kCommentText), std::string::npos) << text;
      for (const std::string& shown : s.shows)
        EXPECT_NE(text.find(shown), std::string::npos) << shown << " in\n" << text;
    }
  }
  // No document made the in-process converter fail.
  EXPECT_TRUE(in_process_converter_running());
  auto done = std::chrono::steady_clock::now();
  auto secs = [](auto a, auto b) { return std::chrono::duration<double>(b - a).count(); };
  std::cout << corpus.size() << " documents: made in " << secs(started, made)
            << " s, both routes in " << secs(made, done) << " s\n";
}

// An export that asks for the markup keeps the comments, as PDF comments.
TEST(Corpus, ExportsWithMarkupCarryTheComments) {
  if (!libreoffice_installed()) GTEST_SKIP() << "LibreOffice is not installed";
  testing::TempDir dir;
  write_by_hand(dir.str());
  testing::RecordingContext rc;
  auto word = word::Application::create(rc.ctx);
  word->Documents().Open(from_utf8(dir.str() + "word-comentario.docx"));
  std::string pdf = dir.str() + "word.pdf";
  word->ActiveDocument().ExportAsFixedFormat(
      from_utf8(pdf), word::wdExportFormatPDF,
      word::ExportArgs{.Item = word::wdExportDocumentWithMarkup});
  EXPECT_TRUE(testdocs::pdf_has_comment(pdf, kCommentText));
  EXPECT_NE(pdf_words(pdf).find("serviços com Cli.Nome"), std::string::npos);

  auto writer = writer::ServiceManager::create(rc.ctx);
  auto doc = writer->desktop()->loadComponentFromURL(
      from_utf8(file_url(dir.str() + "odf-comentario.odt")), u"_blank", 0, Variant());
  auto prop = [](const char16_t* name, Variant value) {
    auto p = std::make_shared<writer::PropertyValue>();
    p->Name = name;
    p->Value = std::move(value);
    return Variant(ObjectPtr(p));
  };
  pdf = dir.str() + "writer.pdf";
  doc->storeToURL(
      from_utf8(file_url(pdf)),
      Variant(Array::of(
          {prop(u"FilterName", Variant(u"writer_pdf_Export")),
           prop(u"FilterData", Variant(Array::of({prop(u"ExportNotes", Variant(true))})))})));
  EXPECT_TRUE(testdocs::pdf_has_comment(pdf, kCommentText));
  // The default export of the same document leaves them out.
  doc->storeToURL(from_utf8(file_url(pdf)),
                  Variant(Array::of({prop(u"FilterName", Variant(u"writer_pdf_Export"))})));
  EXPECT_FALSE(testdocs::pdf_has_comment(pdf, kCommentText));
}

// The document with a comment of the report that brought the converter down, on both
// routes, then twenty ordinary documents, all in a fresh process: every conversion runs
// in-process and the process ends normally (LibreOffice shuts down with it).
TEST(Corpus, ACommentedDocumentThenTwentyOthersAndTheProcessEndsNormally) {
  if (!libreoffice_installed()) GTEST_SKIP() << "LibreOffice is not installed";
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  testing::TempDir dir;
  auto run = [&] {
    // A temporary folder of its own shows whether a child soffice was ever started: it
    // keeps its profile there.
    testing::TmpdirOverride tmpdir;
    fs::create_directories(dir.path() / "tmp");
    tmpdir.point_at((dir.path() / "tmp").string());
    int failures = 0;
    auto check = [&](const std::string& text, const std::string& shown) {
      if (text.find(shown) == std::string::npos || text.find(kCommentText) != std::string::npos) {
        std::cerr << "wrong PDF: " << text << "\n";
        ++failures;
      }
    };
    std::vector<Sample> hand = write_by_hand(dir.str());
    testing::RecordingContext rc;
    auto word = word::Application::create(rc.ctx);
    auto writer = writer::ServiceManager::create(rc.ctx);
    std::string docx = dir.str() + "word-comentario.docx", odt = dir.str() + "odf-comentario.odt";
    check(through_word(*word, docx, docx + ".pdf", true), kName);
    check(through_writer(*writer, odt, odt + ".pdf", true), kName);
    for (int i = 0; i < 20; ++i) {
      std::string n = std::to_string(i);
      std::string doc = dir.str() + "comum" + n + (i % 2 ? ".odt" : ".docx");
      if (i % 2)
        testdocs::write_odt(doc, p("Documento " + n + " de Cli.Nome."));
      else
        testdocs::write_docx(doc, wp(wr("Documento " + n + " de Cli.Nome.")));
      check(i % 2 ? through_writer(*writer, doc, doc + ".pdf", true)
                  : through_word(*word, doc, doc + ".pdf", true),
            "Documento " + n + " de " + kName);
    }
    if (!in_process_converter_running()) {
      std::cerr << "the in-process converter stopped serving\n";
      ++failures;
    }
    for (const auto& e : fs::directory_iterator(dir.path() / "tmp"))
      if (e.path().filename().string().find("soffice") != std::string::npos) {
        std::cerr << "a child soffice converted: " << e.path() << "\n";
        ++failures;
      }
    std::exit(failures == 0 ? 0 : 1);
  };
  EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace orvane::office
