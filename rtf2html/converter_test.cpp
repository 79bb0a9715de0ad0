#include "rtf2html/converter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

#include "core/error.h"
#include "testing/testing.h"

namespace orvane::rtf {
namespace {

namespace fs = std::filesystem;
using orvane::testing::read_file;
using orvane::testing::run_command;
using orvane::testing::TempDir;
using orvane::testing::write_file;

Text html(TextView rtf, TextView options = {}) {
  Converter c;
  return c.rtf2html3(rtf, options);
}

int count(TextView s, TextView what) {
  int n = 0;
  for (size_t p = s.find(what); p != TextView::npos; p = s.find(what, p + 1)) ++n;
  return n;
}

// Every tag the converter writes is closed as often as it is opened.
void expect_balanced(TextView out) {
  for (TextView tag :
       {u"b", u"i", u"u", u"s", u"sup", u"sub", u"font", u"li", u"table", u"tr", u"td"}) {
    Text t(tag);
    int opened = count(out, u"<" + t + u">") + count(out, u"<" + t + u" ");
    EXPECT_EQ(opened, count(out, u"</" + t + u">")) << to_utf8(t) << " in " << to_utf8(out);
  }
}

// The text of the HTML without tags, entities decoded (the Latin-1 ones and &nbsp;).
Text visible_text(TextView out) {
  static const std::map<Text, char16_t> entities = [] {
    std::map<Text, char16_t> m{{u"&nbsp;", u' '}};
    for (int c = 0xa1; c <= 0xff; ++c) {
      static constexpr char kHex[] = "0123456789abcdef";
      Text code{char16_t(kHex[c / 16]), char16_t(kHex[c % 16])};
      Text e = Converter::HTMLCode(code);
      if (!e.empty()) m[e] = static_cast<char16_t>(c);
    }
    return m;
  }();
  Text text;
  for (size_t i = 0; i < out.size();) {
    if (out[i] == u'<') {
      size_t close = out.find(u'>', i);
      if (out.substr(i, 4) == u"<br>") text += u'\n';
      i = close == TextView::npos ? out.size() : close + 1;
    } else if (out[i] == u'&' && out.find(u';', i) != TextView::npos) {
      size_t semi = out.find(u';', i);
      auto it = entities.find(Text(out.substr(i, semi - i + 1)));
      text += it == entities.end() ? u'?' : it->second;
      i = semi + 1;
    } else {
      text += out[i++];
    }
  }
  return text;
}

Text without_spaces(TextView s) {
  Text out;
  for (char16_t c : s)
    if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n') out += c;
  return out;
}

TEST(Converter, PlainTextAndNonRtf) {
  EXPECT_EQ(html(u"{\\rtf1 hello}"), u"hello");
  EXPECT_EQ(html(u"plain text {\\b x}"), u"plain text {\\b x}");
  EXPECT_EQ(html(u""), u"");
  EXPECT_EQ(html(u"  {\\rtf1\\ansi word}  "), u"word");
}

TEST(Converter, TagsOpenBeforeTextAndCloseBeforeTheNextText) {
  EXPECT_EQ(html(u"{\\rtf1 a \\b bold\\b0  c}"), u"a <b>bold</b> c");
  // Nothing is opened for a format no text follows.
  EXPECT_EQ(html(u"{\\rtf1 a\\i\\i0  c}"), u"a c");
  EXPECT_EQ(html(u"{\\rtf1 \\b\\i both\\b0  it\\i0  none}"), u"<i><b>both</b> it</i> none");
  EXPECT_EQ(html(u"{\\rtf1 \\ul u\\ulnone  \\strike s\\strike0  x\\super 2\\nosupersub  "
                 u"y\\sub 3\\nosupersub}"),
            u"<u>u </u><s>s</s> x<sup>2</sup> y<sub>3</sub>");
  // A group ends its formatting; the tag closes before the next text.
  EXPECT_EQ(html(u"{\\rtf1 {\\b x} y}"), u"<b>x</b> y");
  EXPECT_EQ(html(u"{\\rtf1 \\b x\\plain  y}"), u"<b>x</b> y");
  // Open at the end: closed at the end.
  EXPECT_EQ(html(u"{\\rtf1 \\b\\i x}"), u"<i><b>x</b></i>");
}

TEST(Converter, Paragraphs) {
  EXPECT_EQ(html(u"{\\rtf1 one\\par two}"), u"one<br>two");
  EXPECT_EQ(html(u"{\\rtf1 one\\par two}", u"+CR"), u"one<br>\r\ntwo");
  // Breaks owed at the end are dropped; leading spaces of a line become &nbsp;.
  EXPECT_EQ(html(u"{\\rtf1 one\\par\\par }", u"+CR"), u"one");
  EXPECT_EQ(html(u"{\\rtf1 one\\par   two}"), u"one<br>  two");
  EXPECT_EQ(html(u"{\\rtf1 one\\par  \\b two}"), u"one<br>&nbsp;<b>two</b>");
  EXPECT_EQ(html(u"{\\rtf1 a\\tab b}"), u"a\tb");
}

TEST(Converter, AlignmentTables) {
  const Text center = u"<table width=100%><tr><td align=\"center\">";
  const Text right = u"<table width=100%><tr><td align=\"right\">";
  const Text end = u"</td></tr></table>";
  // A document starting with \qc opens its table at once.
  EXPECT_EQ(html(u"{\\rtf1\\qc Title}"), center + u"Title" + end);
  EXPECT_EQ(html(u"{\\rtf1\\pard\\qc Title\\par\\pard Body\\par\\pard\\qr Sign\\par}"),
            center + u"Title" + end + u"<br>Body<br>" + right + u"Sign" + end);
  // Mid-paragraph the table waits for the next paragraph; it is never closed unopened.
  Text mid = html(u"{\\rtf1 a\\qc  b}");
  EXPECT_EQ(mid, u"a b");
}

TEST(Converter, ColoursFontsAndSizes) {
  const Text head =
      u"{\\rtf1{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\froman Times;}}"
      u"{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";
  EXPECT_EQ(html(head + u"\\cf1 red\\cf0  black}"), u"<font color=\"#FF0000\">red</font> black");
  EXPECT_EQ(html(head + u"\\cf1 red\\cf2 blue}"),
            u"<font color=\"#FF0000\">red</font><font color=\"#0000FF\">blue</font>");
  EXPECT_EQ(html(head + u"\\f1\\fs28\\cf2 x}"),
            u"<font face=\"Times\" color=\"#0000FF\" size=4>x</font>");
  EXPECT_EQ(html(head + u"\\f1 x}", u"-FF"), u"x");
  // Sizes: N / 7 limited to 1..8; the default size is not written.
  EXPECT_EQ(html(head + u"\\fs2 a}"), u"<font size=1>a</font>");
  EXPECT_EQ(html(head + u"\\fs99999999999999999999 a}"), u"<font size=8>a</font>");
  EXPECT_EQ(html(head + u"\\fs24 a}", u"+F=3"), u"a");
  EXPECT_EQ(html(head + u"\\fs24 a}", u"+F=4"), u"<font size=3>a</font>");
  // A colour requested and withdrawn before any text writes nothing.
  EXPECT_EQ(html(head + u"\\cf1\\cf0  x}"), u" x");
}

TEST(Converter, ReopeningAnOpenFormatAddsNothing) {
  EXPECT_EQ(html(u"{\\rtf1 \\b x\\b y\\b0  z}"), u"<b>xy</b> z");
  const Text head = u"{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}";
  EXPECT_EQ(html(head + u"\\cf1 a\\plain\\cf1 b}"), u"<font color=\"#FF0000\">ab</font>");
  // The lists stay as short as the set of formats in use, however long the text.
  Text rtf = head;
  for (int i = 0; i < 500; ++i) rtf += u"\\b x\\plain\\cf1 y\\qc z\\i\\ul w";
  Converter c;
  Text out = c.rtf2html3(rtf + u"}");
  expect_balanced(out);
  EXPECT_LE(c.lists().codes().size(), 8u);
}

TEST(Converter, NumbersBeyondTheTablesFail) {
  const Text head = u"{\\rtf1{\\fonttbl{\\f0\\fnil Arial;}}{\\colortbl;\\red255\\green0\\blue0;}";
  for (Text body : {u"\\cf2 x}", u"\\cf99999999999999999999 x}", u"\\f1 x}", u"\\f-1 x}"}) {
    Converter c;
    try {
      c.rtf2html3(head + body);
      ADD_FAILURE() << to_utf8(body);
    } catch (const VbError& e) {
      EXPECT_EQ(e.number(), 9);
    }
    EXPECT_EQ(c.strCurPhrase, u"");
    // The instance still works afterwards.
    EXPECT_EQ(c.rtf2html3(u"{\\rtf1 ok}"), u"ok");
  }
  try {
    html(u"{\\rtf1 x}", u"+F=99999");
    ADD_FAILURE();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 6);
  }
}

TEST(Converter, Escapes) {
  EXPECT_EQ(html(u"{\\rtf1 caf\\'e9 cr\\'e8me}"), u"caf&eacute; cr&egrave;me");
  EXPECT_EQ(html(u"{\\rtf1 caf\\'E9!}"), u"caf!");  // upper-case digits: dropped
  EXPECT_EQ(html(u"{\\rtf1 a\\\\b\\{c\\}}"), u"a\\b{c}");
  EXPECT_EQ(html(u"{\\rtf1 Brand\\'99 x}"), u"Brand<sup>TM</sup> x");
  EXPECT_EQ(html(u"{\\rtf1 wait\\'85}"), u"wait...");
  EXPECT_EQ(html(u"{\\rtf1 \\'8a\\'9a}"), u"\u0161");
}

TEST(Converter, SkippedGroupsAndLists) {
  EXPECT_EQ(html(u"{\\rtf1 a{\\*\\generator Writer {nested} 1.0;}b}"), u"ab");
  EXPECT_EQ(html(u"{\\rtf1 a{\\pict\\pngblip 89504e47}b}"), u"ab");
  EXPECT_EQ(html(u"{\\rtf1{\\info{\\title T}{\\author A}}{\\stylesheet{\\s0 Normal;}}\\pard body}"),
            u"body");
  // Old-style bullets: the numbering text is skipped, each item is closed at \par.
  Text list = html(
      u"{\\rtf1{\\pntext\\f0\\'b7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}one\\par "
      u"{\\pntext\\f0\\'b7\\tab}two\\par\\pard after}",
      u"+CR");
  EXPECT_EQ(list, u"<li>one</li>\r\n<li>two</li>\r\nafter");
}

TEST(Converter, BareLineFeedsReadAsCrLf) {
  const Text lf = u"{\\rtf1 \\b one\\b0\n two\\par\nthree \n}";
  Text crlf;
  for (char16_t c : lf) crlf += c == u'\n' ? Text(u"\r\n") : Text(1, c);
  EXPECT_EQ(html(lf), html(crlf));
  EXPECT_EQ(html(lf), u"<b>one</b>two<br>three");
}

TEST(Converter, HelperMembers) {
  EXPECT_EQ(Converter::ParseFont(u"", u"", u""), u"");
  EXPECT_EQ(Converter::ParseFont(u"#FF0000", u"3", u"Arial"),
            u"<font face=\"Arial\" color=\"#FF0000\" size=3>");
  EXPECT_EQ(Converter::ParseFont(u"", u"0", u""), u"<font>");

  EXPECT_EQ(Converter::HTMLCode(u"00"), u"&nbsp;");
  EXPECT_EQ(Converter::HTMLCode(u"a1"), u"&iexcl;");
  EXPECT_EQ(Converter::HTMLCode(u"ad"), u"&shy;");
  EXPECT_EQ(Converter::HTMLCode(u"ae"), u"");
  EXPECT_EQ(Converter::HTMLCode(u"c7"), u"&Ccedil;");
  EXPECT_EQ(Converter::HTMLCode(u"d7"), u"&times;");
  EXPECT_EQ(Converter::HTMLCode(u"e9"), u"&eacute;");
  EXPECT_EQ(Converter::HTMLCode(u"ff"), u"&yuml;");
  EXPECT_EQ(Converter::HTMLCode(u"9e"), u"\u017e");
  for (TextView bad : {u"E9", u"a0", u"80", u"41", u"e", u"e9x", u"zz"})
    EXPECT_EQ(Converter::HTMLCode(bad), u"") << to_utf8(bad);
  int named = 0;
  for (int c = 0xa1; c <= 0xff; ++c) {
    static constexpr char kHex[] = "0123456789abcdef";
    Text e = Converter::HTMLCode(Text{char16_t(kHex[c / 16]), char16_t(kHex[c % 16])});
    if (!e.empty() && e.front() == u'&' && e.back() == u';') ++named;
  }
  EXPECT_EQ(named, 94);

  EXPECT_EQ(Converter::rtf2html_replace(u"a<br>b<br>", u"<br>", u"\r\n"), u"a\r\nb\r\n");
  EXPECT_EQ(Converter::rtf2html_replace(u"aaa", u"a", u"aa"), u"aaaaaa");
  EXPECT_EQ(Converter::rtf2html_replace(u"abc", u"", u"x"), u"abc");
  EXPECT_EQ(Converter::rtf2html_replace(Text(40000, u'a'), u"b", u"c"), Text(40000, u'a'));
  EXPECT_EQ(Converter::rtf2html_replace(Text(32766, u'a') + u"b", u"b", u"c"),
            Text(32766, u'a') + u"c");
  try {
    Converter::rtf2html_replace(Text(32767, u'a') + u"b", u"b", u"c");
    ADD_FAILURE();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 6);
  }
}

TEST(Converter, GetCodesListsTheState) {
  Converter c;
  c.lists().PushNext(u"</b>");
  c.lists().PushNextBeg(u"<b>");
  c.lists().Next2Codes();
  c.lists().PushNext(u"</i>");
  c.lists().PushNextBeg(u"<i>");
  c.lists().PushNext(u"</u>");
  c.lists().PushNextBeg(u"<u>");
  EXPECT_EQ(c.GetCodes(u"w"),
            u"CurWord: w...\r\nBegCodes: <b> (P), \r\nCodes: </b> (P), \r\n"
            u"NextBegCodes: <i>, <u>\r\nNextCodes: </i>, </u>\r\nFont String: \r\n"
            u"Before Text: \r\n");
}

TEST(Converter, BadInputNeverCrashes) {
  for (TextView rtf :
       {u"{\\rtf1 {{{{{ x", u"{\\rtf1 }}}}} x }}}", u"{\\rtf1 x\\'", u"{\\rtf1 x\\'e",
        u"{\\rtf1 \\", u"{\\rtf1 {\\*", u"{\\rtf1{\\colortbl", u"{\\rtf1{\\fonttbl{",
        u"{\\rtf1 \\fs-99999999999999999 x", u"{\\rtf1 \\'99\\'99\\'99"}) {
    Converter c;
    Text out;
    EXPECT_NO_THROW(out = c.rtf2html3(rtf)) << to_utf8(rtf);
    expect_balanced(out);
  }
  // Random bytes drawn from the characters that matter to RTF.
  std::mt19937 rng(20261205);
  const TextView alphabet = u"{}\\\\\\'ab0129efpqrsuclitx \r\n\x01\xff*";
  for (int round = 0; round < 3000; ++round) {
    Text rtf = u"{\\rtf1{\\colortbl;\\red1;}{\\fonttbl{\\f0 A;}}";
    size_t n = rng() % 200;
    for (size_t i = 0; i < n; ++i) rtf += alphabet[rng() % alphabet.size()];
    Converter c;
    try {
      expect_balanced(c.rtf2html3(rtf));
    } catch (const VbError& e) {
      EXPECT_EQ(e.number(), 9) << to_utf8(rtf);
    }
  }
}

// RTF written by real programs: LibreOffice (bare LF line ends) and a WordPad-style file
// with CR LF line ends.
class RealDocuments : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir();
    write_file(dir_->path() / "note.html",
               "<html><head><meta charset=\"utf-8\"></head><body>\n"
               "<p>Primeiro par\xc3\xa1grafo com <b>negrito</b>, <i>it\xc3\xa1lico</i> e "
               "<u>sublinhado</u>.</p>\n"
               "<p style=\"text-align:center\">Centralizado: a\xc3\xa7\xc3\xa3o \xc3\xa9 "
               "boa</p>\n"
               "<p style=\"text-align:right\"><font color=\"#ff0000\">Vermelho</font> e "
               "<font face=\"Courier New\" size=\"5\">grande</font></p>\n"
               "<p>Pre\xc3\xa7o: R$ 10 \xc2\xbd \xc2\xa9 2026 <s>riscado</s></p>\n"
               "</body></html>\n");
    std::string cmd =
        "cd " + dir_->str() + " && soffice -env:UserInstallation=file://" + dir_->str() +
        "profile --headless --convert-to 'rtf:Rich Text Format' note.html >/dev/null 2>&1";
    run_command(cmd);
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }
  static Text read(const fs::path& p) { return from_utf8(read_file(p)); }
  static TempDir* dir_;
};
TempDir* RealDocuments::dir_ = nullptr;

TEST_F(RealDocuments, LibreOfficeDocument) {
  const fs::path rtf_path = dir_->path() / "note.rtf";
  ASSERT_TRUE(fs::exists(rtf_path)) << "LibreOffice did not write the RTF";
  const Text rtf = read(rtf_path);
  ASSERT_EQ(rtf.find(u"\r\n"), Text::npos);  // LibreOffice writes bare LF
  Converter c;
  const Text out = c.rtf2html3(rtf, u"+CR");
  expect_balanced(out);
  // Every paragraph, in order (line ends inside RTF can eat a space, so compare without).
  const Text text = without_spaces(visible_text(out));
  size_t at = 0;
  for (const char* p :
       {"Primeiro parágrafo com negrito, itálico e sublinhado.", "Centralizado: ação é boa",
        "Vermelho e grande", "Preço: R$ 10 ½ © 2026 riscado"}) {
    size_t found = text.find(without_spaces(T(p)), at);
    EXPECT_NE(found, Text::npos) << p << "\nin: " << to_utf8(out);
    if (found != Text::npos) at = found;
  }
  EXPECT_NE(out.find(u"<b>negrito</b>"), Text::npos);
  EXPECT_NE(out.find(u"a&ccedil;&atilde;o &eacute; boa"), Text::npos);
  EXPECT_NE(out.find(u"&frac12; &copy;"), Text::npos);
  EXPECT_NE(out.find(u"<font color=\"#FF0000\">"), Text::npos);
  EXPECT_NE(out.find(u"<font face=\"Courier New\" size=5>grande</font>"), Text::npos);
  EXPECT_NE(out.find(u"<td align=\"center\">Centralizado"), Text::npos);
  EXPECT_EQ(count(out, u"<br>\r\n"), 3);
  EXPECT_EQ(c.strCurPhrase, u"");

  // Read with CR LF line ends it gives the same HTML.
  Text crlf;
  for (char16_t ch : rtf) crlf += ch == u'\n' ? Text(u"\r\n") : Text(1, ch);
  EXPECT_EQ(c.rtf2html3(crlf, u"+CR"), out);
}

TEST(Converter, WordPadDocumentWithCrLf) {
  const Text rtf =
      from_utf8(read_file(fs::path(ORVANE_SOURCE_DIR) / "rtf2html/testdata/wordpad_crlf.rtf"));
  ASSERT_NE(rtf.find(u"\r\n"), Text::npos);
  Converter c;
  const Text out = c.rtf2html3(rtf);
  expect_balanced(out);
  const Text text = visible_text(out);
  EXPECT_EQ(text, T("Relatório de Serviço\nO técnico João visitou o cliente em São Paulo.\n"
                    "Atenção: alarme disparado às 14h ½.\nCancelado e 2\nAssinatura"));
  EXPECT_NE(out.find(u"<td align=\"center\">Relat&oacute;rio de Servi&ccedil;o</td>"), Text::npos);
  EXPECT_NE(out.find(u"<font face=\"Calibri\" color=\"#FF0000\" size=3>Aten&ccedil;&atilde;o:"),
            Text::npos);
  EXPECT_NE(out.find(u"<td align=\"right\"><font face=\"Arial\" size=2>Assinatura</font></td>"),
            Text::npos);
  // Only the first paragraph is centred.
  EXPECT_EQ(count(out, u"<table"), 2);
}

}  // namespace
}  // namespace orvane::rtf
