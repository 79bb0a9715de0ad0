#include "platform/office/comments.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "platform/office/convert.h"
#include "platform/office/docx/document.h"
#include "platform/office/odt/document.h"
#include "platform/office/package.h"
#include "platform/office/process.h"
#include "platform/office/testdocs.h"
#include "testing/testing.h"

namespace orvane::office {
namespace {

using testing::read_file;
using testing::TempDir;
using testing::write_file;

const std::string kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
const std::string kType = "application/vnd.openxmlformats-officedocument.wordprocessingml.";
const std::string kNs =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";

// A comment over "prestação", as Word writes one.
void write_commented_docx(const std::string& path) {
  testdocs::write_docx(
      path,
      "<w:p><w:r><w:t xml:space=\"preserve\">Contrato de </w:t></w:r><w:commentRangeStart "
      "w:id=\"0\"/><w:r><w:t>prestação</w:t></w:r><w:commentRangeEnd w:id=\"0\"/><w:r><w:rPr>"
      "<w:rStyle w:val=\"Refdecomentrio\"/></w:rPr><w:commentReference w:id=\"0\"/></w:r><w:r>"
      "<w:t xml:space=\"preserve\"> de serviços.</w:t></w:r></w:p>",
      {{"rId5", "word/comments.xml", kType + "comments+xml", kRel + "comments",
        "<w:comments " + kNs +
            "><w:comment w:id=\"0\" w:author=\"Revisor\"><w:p><w:r><w:t>Ver cláusula</w:t></w:r>"
            "</w:p></w:comment></w:comments>"}});
}

TEST(Comments, WordCommentsLeaveTheCopyAndTheTextStays) {
  TempDir dir;
  std::string path = dir.str() + "c.docx";
  write_commented_docx(path);
  EXPECT_TRUE(has_comments(path));
  EXPECT_TRUE(remove_comments(path));
  EXPECT_FALSE(has_comments(path));
  Package pkg = Package::open(path);
  const std::string& xml = pkg.read("word/document.xml");
  EXPECT_EQ(xml.find("w:comment"), std::string::npos) << xml;
  // The run that only carried the reference went with it.
  EXPECT_EQ(xml.find("Refdecomentrio"), std::string::npos) << xml;
  auto doc = docx::Document::open(path);
  EXPECT_EQ(to_utf8(doc->body().text(0).text), "Contrato de prestação de serviços.");
  // Nothing more to take out: the file is left as it is.
  std::string before = read_file(path);
  EXPECT_FALSE(remove_comments(path));
  EXPECT_EQ(read_file(path), before);
}

TEST(Comments, OdfAnnotationsInTheTextAndInTheHeaderGo) {
  TempDir dir;
  std::string path = dir.str() + "c.odt";
  std::string note =
      "<office:annotation office:name=\"a1\"><dc:creator>Revisor</dc:creator><text:p>Ver "
      "cláusula</text:p></office:annotation>";
  testdocs::write_odt(path,
                      "<text:p>Contrato de " + note +
                          "prestação<office:annotation-end office:name=\"a1\"/> de "
                          "<text:span text:style-name=\"T1\">serviços</text:span>.</text:p>",
                      "<style:header><text:p>Cabeçalho<office:annotation><text:p>Logo</text:p>"
                      "</office:annotation></text:p></style:header>");
  EXPECT_TRUE(has_comments(path));
  EXPECT_TRUE(remove_comments(path));
  EXPECT_FALSE(has_comments(path));
  Package pkg = Package::open(path);
  for (const char* part : {"content.xml", "styles.xml"})
    EXPECT_EQ(pkg.read(part).find("annotation"), std::string::npos) << pkg.read(part);
  EXPECT_NE(pkg.read("styles.xml").find("Cabeçalho"), std::string::npos);
  auto doc = odt::Document::open(path);
  EXPECT_EQ(to_utf8(doc->body().text(0).text), "Contrato de prestação de serviços.");
  // The package stays one LibreOffice reads: "mimetype" first.
  EXPECT_EQ(read_file(path).substr(30, 8), "mimetype");
}

TEST(Comments, OtherKindsOfFiles) {
  TempDir dir;
  auto with = [&](const std::string& name, const std::string& bytes) {
    write_file(dir.str() + name, bytes);
    return has_comments(dir.str() + name);
  };
  EXPECT_TRUE(
      with("c.rtf", "{\\rtf1\\ansi Texto{\\*\\atnid R}\\chatn{\\*\\annotation Nota} fim\\par}"));
  EXPECT_FALSE(with("p.rtf", "{\\rtf1\\ansi Texto sem notas\\par}"));
  EXPECT_TRUE(with("c.fodt",
                   "<?xml version=\"1.0\"?><office:document><office:body><office:text><text:p>a"
                   "<office:annotation><text:p>n</text:p></office:annotation></text:p>"
                   "</office:text></office:body></office:document>"));
  // An annotation-end alone, or a longer name sharing the start, is not a comment.
  EXPECT_FALSE(with("p.fodt",
                    "<?xml version=\"1.0\"?><office:document><text:p>a<office:annotation-end/>"
                    "<office:annotations/></text:p></office:document>"));
  EXPECT_FALSE(with("t.txt", "office:annotation"));
  EXPECT_FALSE(with("junk.docx", "PK\x03\x04 not a zip"));
  EXPECT_FALSE(has_comments(dir.str() + "missing.docx"));
  // Not a package: nothing to take out, and the file stays.
  EXPECT_FALSE(remove_comments(dir.str() + "c.rtf"));
  EXPECT_NE(read_file(dir.str() + "c.rtf").find("annotation"), std::string::npos);
  EXPECT_THROW(remove_comments(dir.str() + "junk.docx"), VbError);
}

// Word 97 documents written by LibreOffice, with and without a comment.
TEST(Comments, Word97DocumentsTellByTheirFileInformation) {
  if (!libreoffice_installed()) GTEST_SKIP() << "LibreOffice is not installed";
  TempDir dir;
  write_commented_docx(dir.str() + "com.docx");
  testdocs::write_docx(dir.str() + "sem.docx", "<w:p><w:r><w:t>Sem notas</w:t></w:r></w:p>");
  ASSERT_TRUE(testdocs::soffice_convert_all({dir.str() + "com.docx", dir.str() + "sem.docx"},
                                            dir.str(), "doc"));
  EXPECT_TRUE(has_comments(dir.str() + "com.doc"));
  EXPECT_FALSE(has_comments(dir.str() + "sem.doc"));
}

}  // namespace
}  // namespace orvane::office
