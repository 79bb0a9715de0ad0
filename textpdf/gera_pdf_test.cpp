// The converter checked on the files it writes: their structure (offsets, lengths,
// numbering), their pages and lines, and what real readers (qpdf, pdfinfo, pdftotext)
// make of them.
#include "textpdf/gera_pdf.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/error.h"
#include "testing/testing.h"

namespace orvane::textpdf {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::run_command;
using testing::write_file;

// The lines shown on each page (the page foot left out), as written in the file.
std::vector<std::vector<std::string>> pages_of(const std::string& pdf) {
  std::vector<std::vector<std::string>> pages;
  size_t at = 0;
  while ((at = pdf.find("\rstream\r", at)) != std::string::npos) {
    size_t end = pdf.find("endstream", at);
    std::string content = pdf.substr(at, end - at);
    pages.emplace_back();
    for (size_t p = 0; (p = content.find("T* (", p)) != std::string::npos;) {
      size_t q = content.find("\r\n) Tj\r", p);
      pages.back().push_back(content.substr(p + 4, q - p - 4));
      p = q;
    }
    at = end;
  }
  return pages;
}

// Checks what a reader relies on: every cross-reference entry points at its object, every
// stream's length object holds the stream's byte count, and startxref points at the table.
void expect_consistent(const std::string& pdf) {
  ASSERT_EQ(pdf.substr(0, 9), "%PDF-1.2\r");
  ASSERT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\r");
  size_t sx = pdf.rfind("startxref\r");
  size_t xref = std::stoul(pdf.substr(sx + 10));
  ASSERT_EQ(pdf.compare(xref, 5, "xref\r"), 0);
  size_t count = std::stoul(pdf.substr(xref + 7));
  size_t entries = pdf.find('\r', xref + 5) + 1;
  ASSERT_EQ(pdf.compare(entries, 20, "0000000000 65535 f \r"), 0);
  std::vector<size_t> offsets(count);
  for (size_t n = 1; n < count; ++n) {
    std::string entry = pdf.substr(entries + 20 * n, 20);
    ASSERT_EQ(entry.substr(10), " 00000 n \r") << n;
    offsets[n] = std::stoul(entry.substr(0, 10));
    std::string head = std::to_string(n) + " 0 obj\r";
    ASSERT_EQ(pdf.compare(offsets[n], head.size(), head), 0) << "object " << n;
  }
  ASSERT_EQ(pdf.compare(entries + 20 * count, 8, "trailer\r"), 0);
  EXPECT_NE(pdf.find("/Size " + std::to_string(count) + "\r"), std::string::npos);
  // Page p: objects 3p + 4 (page), 3p + 5 (stream), 3p + 6 (its length).
  const size_t pages = (count - 1 - 6) / 3;
  ASSERT_EQ(count, 7 + 3 * pages);
  for (size_t p = 1; p <= pages; ++p) {
    size_t page = offsets[3 * p + 4], stream = offsets[3 * p + 5], len = offsets[3 * p + 6];
    EXPECT_NE(pdf.find("/Contents " + std::to_string(3 * p + 5) + " 0 R", page), std::string::npos);
    size_t start = pdf.find("stream\r", stream) + 7;
    size_t end = pdf.find("endstream\r", start);
    size_t value_at = pdf.find('\r', len) + 1;
    EXPECT_EQ(std::stoul(pdf.substr(value_at)), end - start) << "page " << p;
  }
}

struct Converted {
  testing::RecordingContext rc;
  testing::TempDir dir;
  fs::path in = dir.path() / "in.txt", out = dir.path() / "out.pdf";
  std::string pdf;

  explicit Converted(const std::string& text, Text font = u"Courier", int16_t size = 10) {
    write_file(in, text);
    GeraPDF(rc.ctx).ConvertToPDF(from_utf8(in.string()), from_utf8(out.string()), {}, {}, {}, {},
                                 {}, font, size);
    pdf = read_file(out);
  }
};

std::string numbered_lines(int first, int last) {
  std::string s;
  for (int i = first; i <= last; ++i) s += "line " + std::to_string(i) + "\r\n";
  return s;
}

std::string tool(const std::string& command) {
  auto r = run_command(command);
  EXPECT_EQ(r.status, 0) << command << "\n" << r.err;
  return r.out + r.err;
}

// qpdf finds no error. Its one warning, "stream keyword followed by carriage return only",
// comes from the CR line ends of the file and is expected (exit status 3 = warnings).
void expect_qpdf_accepts(const std::string& path) {
  auto r = run_command("qpdf --check " + path + " 2>&1");
  EXPECT_TRUE(r.status == 0 || r.status == 3) << r.out;
  EXPECT_NE(r.out.find("checking " + path), std::string::npos) << r.out;
  for (size_t a = 0, b; (b = r.out.find('\n', a)) != std::string::npos; a = b + 1) {
    std::string line = r.out.substr(a, b - a);
    if (line.find("WARNING") != std::string::npos || line.find("ERROR") != std::string::npos ||
        line.find("error") != std::string::npos) {
      EXPECT_NE(line.find("stream keyword followed by carriage return only"), std::string::npos)
          << line;
    }
  }
}

TEST(GeraPdfLayout, FollowsFontAndPageSize) {
  PdfLayout l = setup_layout(u"Courier", 10, 0, 8.5f, 11.0f);
  EXPECT_EQ(l.page_width, 612);
  EXPECT_EQ(l.page_height, 792);
  EXPECT_EQ(l.leading, Currency::from_int(12));
  EXPECT_EQ(l.lines_per_page, 60);
  EXPECT_EQ(l.chars_per_line, 92);
  EXPECT_EQ(l.number_x, 306.0);
  EXPECT_EQ(setup_layout(u"ARIAL", 10, 0, 8.5f, 11.0f).chars_per_line, 122);
  EXPECT_EQ(setup_layout(u"Helvetica", 10, 0, 8.5f, 11.0f).chars_per_line, 135);
  // A4 in inches: 595.44 x 841.68 points round to 595 x 842; the page number sits at 297.5.
  l = setup_layout(u"Courier", 11, 90, 8.27f, 11.69f);
  EXPECT_EQ(l.page_width, 595);
  EXPECT_EQ(l.page_height, 842);
  EXPECT_EQ(l.leading, Currency::from_raw(132000));
  EXPECT_EQ(l.lines_per_page, 58);  // 770 / 13.2 = 58.33
  EXPECT_EQ(l.chars_per_line, 81);  // 595 * 1.5 / 11 = 81.14
  EXPECT_EQ(l.number_x, 297.5);
  // Halves go to even: 7 points of Courier on 8.5 inches give 131.14 characters, and
  // 2.5 points give 720 / 3 = 240 lines.
  EXPECT_EQ(setup_layout(u"Courier", 7, 0, 8.5f, 11.0f).chars_per_line, 131);
  EXPECT_EQ(setup_layout(u"x", 10, 0, 0.5f, 1.5f).page_height, 108);
  EXPECT_EQ(setup_layout(u"x", 10, 0, 0.5f, 1.5f).lines_per_page, 3);  // 36 / 12
  EXPECT_EQ(setup_layout(u"x", 10, 0, 0.25f, 1.0f).page_width, 18);    // 18 * 2.2 / 10 = 3.96
  try {
    setup_layout(u"Courier", 0, 0, 8.5f, 11.0f);
    FAIL();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), err::kDivisionByZero);
  }
  try {
    setup_layout(u"Courier", -10, 0, 8.5f, 11.0f);
    FAIL();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), err::kInvalidCall);
  }
}

TEST(GeraPdf, SixtyLinesFillAPageAndTheNextStartsPageTwo) {
  Converted one(numbered_lines(1, 60));
  expect_consistent(one.pdf);
  EXPECT_EQ(pages_of(one.pdf).size(), 1u);
  EXPECT_EQ(pages_of(one.pdf)[0].back(), "line 60");

  Converted two(numbered_lines(1, 121));
  expect_consistent(two.pdf);
  auto pages = pages_of(two.pdf);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].size(), 60u);
  EXPECT_EQ(pages[1].front(), "line 61");
  EXPECT_EQ(pages[1].size(), 60u);
  EXPECT_EQ(pages[2], std::vector<std::string>{"line 121"});
  EXPECT_NE(two.pdf.find("/Kids [ 7 0 R 10 0 R 13 0 R ]\r"), std::string::npos);
  EXPECT_NE(two.pdf.find("/Count 3\r/MediaBox [ 0 0 612 792 ]\r"), std::string::npos);
  EXPECT_NE(two.pdf.find("\rBT\r/F1 10 Tf\r1 0 0 1 50 752 Tm\r12 TL\rT* (line 61\r\n) Tj\r"),
            std::string::npos);
  // Every page ends with its number centred at the foot.
  for (int p = 1; p <= 3; ++p)
    EXPECT_NE(two.pdf.find("1 0 0 1 306 25 Tm\r(" + std::to_string(p) + ") Tj\r/F1 10 Tf\rET\r"),
              std::string::npos);
  // The document information, dated by the context's clock.
  EXPECT_NE(two.pdf.find("/CreationDate (D:20261205103000)\r/Creator ()\r/Producer (Orvane "
                         "Text-PDF v1.0)\r"),
            std::string::npos);
}

TEST(GeraPdf, WrappedPiecesCountAsLines) {
  // 59 short lines, then one that wraps into two: its second piece opens page 2.
  std::string text = numbered_lines(1, 59) + std::string(95, 'w') + "\r\nafter\r\n";
  auto pages = pages_of(Converted(text).pdf);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].back(), std::string(92, 'w'));
  EXPECT_EQ(pages[1], (std::vector<std::string>{"www", "after"}));
}

TEST(GeraPdf, WrapsAtTheLastBreakCharacterOfTheSecondHalf) {
  auto first_pieces = [](const std::string& line, Text font = u"Courier") {
    auto pages = pages_of(Converted(line + "\r\n", font).pdf);
    return pages.at(0);
  };
  // Spaces everywhere: cut after the last space at or before column 92.
  std::string words;
  while (words.size() < 100) words += "abcdefg ";
  words.resize(100);  // spaces at columns 8, 16, ..., 96
  auto p = first_pieces(words);
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0], words.substr(0, 88));
  EXPECT_EQ(p[1], words.substr(88));
  // A break character at column 46 is taken; one at column 45 is too early.
  std::string at46 = std::string(45, 'a') + "," + std::string(54, 'b');
  EXPECT_EQ(first_pieces(at46)[0], at46.substr(0, 46));
  std::string at45 = std::string(44, 'a') + "," + std::string(55, 'b');
  EXPECT_EQ(first_pieces(at45)[0], at45.substr(0, 92));
  // Any of the break characters counts, the double quote included; others do not.
  for (char c : std::string("*&^%$#,.;<=>[])}!\"")) {
    std::string s = std::string(60, 'a') + c + std::string(39, 'b');
    std::string want = c == ')' ? s.substr(0, 60) + "\\)" : s.substr(0, 61);
    EXPECT_EQ(first_pieces(s)[0], want) << c;
  }
  for (char c : std::string("-_/:?@'+{(")) {
    std::string s = std::string(60, 'a') + c + std::string(39, 'b');
    EXPECT_EQ(first_pieces(s)[0].size(), 92u) << c;
  }
  // No break character: cut at exactly 92, then 92 again.
  std::string solid(200, 'x');
  p = first_pieces(solid);
  EXPECT_EQ(
      p, (std::vector<std::string>{solid.substr(0, 92), solid.substr(0, 92), solid.substr(0, 16)}));
  // Lines are trimmed first; the width follows the font (Arial 122).
  EXPECT_EQ(first_pieces("   " + std::string(92, 'y') + "   "),
            std::vector<std::string>{std::string(92, 'y')});
  EXPECT_EQ(first_pieces(std::string(130, 'z'), u"Arial")[0].size(), 122u);
}

TEST(GeraPdf, EscapesParenthesesNotBackslashes) {
  Converted c("f(x) = \\(a\\)\r\n" + std::string(91, 'q') + "(tail\r\n");
  expect_consistent(c.pdf);
  expect_qpdf_accepts(c.out.string());
  auto lines = pages_of(c.pdf).at(0);
  EXPECT_EQ(lines[0], "f\\(x\\) = \\\\(a\\\\)");
  // The escape is never split from its parenthesis at a wrap.
  EXPECT_EQ(lines[1], std::string(91, 'q'));
  EXPECT_EQ(lines[2], "\\(tail");
  std::string text = tool("pdftotext -layout " + c.out.string() + " -");
  EXPECT_NE(text.find("f(x) = "), std::string::npos);
  EXPECT_NE(text.find(std::string(91, 'q') + "\n(tail"), std::string::npos) << text;
}

TEST(GeraPdf, FormFeedStartsANewPage) {
  auto pages = pages_of(Converted("one\r\n\ftwo\r\nthree\r\n").pdf);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0], std::vector<std::string>{"one"});
  EXPECT_EQ(pages[1], (std::vector<std::string>{"\ftwo", "three"}));
  // A form feed in a wrapped line also breaks before the piece that holds it.
  std::string tail = std::string(50, 'b') + "\f" + std::string(20, 'c');
  pages = pages_of(Converted("x\r\n" + std::string(92, 'a') + tail + "\r\n").pdf);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[1], std::vector<std::string>{std::string(92, 'a')});
  EXPECT_EQ(pages[2], std::vector<std::string>{tail});
  // A form feed on a full page gives one break, not two.
  pages = pages_of(Converted(numbered_lines(1, 60) + "\fnext\r\n").pdf);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[1], std::vector<std::string>{"\fnext"});
}

TEST(GeraPdf, RealReadersOpenTheFile) {
  std::string text;
  for (int i = 1; i <= 150; ++i)
    text += "Linha " + std::to_string(i) + ": ação, coração, São Paulo – R$ 1.234,56\n";
  Converted c(text);
  expect_consistent(c.pdf);
  const std::string path = c.out.string();
  expect_qpdf_accepts(path);
  std::string info = tool("pdfinfo " + path);
  EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
  EXPECT_NE(info.find("612 x 792 pts"), std::string::npos) << info;
  // The text comes back line for line, accents included.
  std::string back = tool("pdftotext -layout " + path + " -");
  std::vector<std::string> lines;
  for (size_t a = 0, b; (b = back.find('\n', a)) != std::string::npos; a = b + 1) {
    std::string l = back.substr(a, b - a);
    if (l.find("Linha") != std::string::npos) lines.push_back(l.substr(l.find("Linha")));
  }
  ASSERT_EQ(lines.size(), 150u);
  EXPECT_EQ(lines[0], "Linha 1: ação, coração, São Paulo – R$ 1.234,56");
  EXPECT_EQ(lines[149], "Linha 150: ação, coração, São Paulo – R$ 1.234,56");
  // The page number: x = 306, 25 points above the bottom (bbox y counts from the top).
  std::string boxes = tool("pdftotext -f 1 -l 1 -bbox " + path + " -");
  EXPECT_NE(boxes.find("<word xMin=\"306.000000\" yMin=\"760."), std::string::npos) << boxes;
}

TEST(GeraPdf, MissingOrEmptyInputIsReportedAndTouchesNothing) {
  testing::RecordingContext rc;
  testing::TempDir dir;
  auto out = dir.path() / "out.pdf";
  write_file(out, "old");
  write_file(dir.path() / "empty.txt", "");
  GeraPDF pdf(rc.ctx);
  for (std::string name : {"missing.txt", "empty.txt"}) {
    Text in = from_utf8((dir.path() / name).string());
    pdf.ConvertToPDF(in, from_utf8(out.string()));
    ASSERT_FALSE(rc.sink->messages().empty());
    EXPECT_EQ(rc.sink->messages().back(),
              (ui::Message{T("Arquivo '") + in + T("' não existe."), ui::kOkOnly, Text()}));
  }
  EXPECT_EQ(read_file(out), "old");
  EXPECT_FALSE(fs::exists(dir.path() / "new.pdf"));
}

TEST(GeraPdf, ReplacesAnExistingOutputButNeverItsInput) {
  testing::RecordingContext rc;
  testing::TempDir dir;
  auto in = dir.path() / "in.txt", out = dir.path() / "out.pdf";
  write_file(in, "text\r\n");
  write_file(out, std::string(100000, 'o'));
  GeraPDF pdf(rc.ctx);
  pdf.ConvertToPDF(from_utf8(in.string()), from_utf8(out.string()));
  std::string first = read_file(out);
  expect_consistent(first);
  write_file(out, "");  // an empty output counts as absent and is written into
  pdf.ConvertToPDF(from_utf8(in.string()), from_utf8(out.string()));
  EXPECT_EQ(read_file(out), first);
  try {
    pdf.ConvertToPDF(from_utf8(in.string()), from_utf8(in.string()));
    FAIL();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), err::kFileAlreadyOpen);
  }
  EXPECT_EQ(read_file(in), "text\r\n");
  try {
    pdf.ConvertToPDF(from_utf8(in.string()), from_utf8((dir.path() / "no/such.pdf").string()));
    FAIL();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), err::kPathNotFound);
  }
  EXPECT_TRUE(rc.sink->messages().empty());
}

TEST(GeraPdf, MoreThan1664PagesIsARangeFailure) {
  testing::RecordingContext rc;
  testing::TempDir dir;
  auto in = dir.path() / "in.txt", out = dir.path() / "out.pdf";
  std::string text;
  for (int i = 0; i < 1664 * 60; ++i) text += "x\n";
  write_file(in, text);
  GeraPDF pdf(rc.ctx);
  pdf.ConvertToPDF(from_utf8(in.string()), from_utf8(out.string()));
  std::string full = read_file(out);
  expect_consistent(full);
  EXPECT_NE(full.find("/Count 1664\r"), std::string::npos);
  write_file(in, text + "y\n");
  try {
    pdf.ConvertToPDF(from_utf8(in.string()), from_utf8(out.string()));
    FAIL();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), err::kSubscript);
  }
  std::string cut = read_file(out);
  EXPECT_LT(cut.size(), full.size());
  EXPECT_EQ(cut.find("%%EOF"), std::string::npos);
}

TEST(GeraPdf, CommandLineCallWithTheDefaults) {
  testing::TempDir dir;
  auto in = dir.path() / "in.txt", out = dir.path() / "out.pdf";
  write_file(in, "Relatório (mensal)\r\nfim\r\n");
  auto r = run_command(testing::orvane_bin() + " call --now 2026-01-02T03:04:05 GeraPDF " +
                       "ConvertToPDF " + in.string() + " " + out.string() +
                       " Autor Criador chaves Assunto Título Courier @int:12 @int:90");
  EXPECT_EQ(r.status, 0) << r.err;
  std::string pdf = read_file(out);
  expect_consistent(pdf);
  EXPECT_NE(pdf.find("/Author (Autor)\r/CreationDate (D:20260102030405)\r/Creator (Criador)\r"),
            std::string::npos);
  EXPECT_NE(pdf.find("/Title (T\xEDtulo)\r/Subject (Assunto)\r/Keywords (chaves)\r"),
            std::string::npos);
  EXPECT_NE(pdf.find("/Rotate 90\r"), std::string::npos);
  EXPECT_NE(pdf.find("/F1 12 Tf\r1 0 0 1 50 752 Tm\r14.4 TL\rT* (Relat\xF3rio \\(mensal\\)\r\n"),
            std::string::npos);
  r = run_command(testing::orvane_bin() + " call --json GeraPDF ConvertToPDF " +
                  (dir.path() / "none.txt").string() + " " + out.string());
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\"messages\":[{\"text\":\"Arquivo '" + (dir.path() / "none.txt").string() +
                       "' não existe.\",\"style\":0,\"title\":\"\"}]"),
            std::string::npos)
      << r.out;
}

}  // namespace
}  // namespace orvane::textpdf
