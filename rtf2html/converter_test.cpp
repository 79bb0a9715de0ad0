#include "rtf2html/converter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
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

Text wf(TextView rtf, TextView options = {}) {
  Converter c;
  return c.rtf2html3(rtf, Text(options) + u"+WF");
}

int count(TextView s, TextView what) {
  int n = 0;
  for (size_t p = s.find(what); p != TextView::npos; p = s.find(what, p + 1)) ++n;
  return n;
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
  EXPECT_EQ(wf(u"{\\rtf1 hello}"), u"hello");
}

TEST(Converter, TagsOpenBeforeTextAndCloseBeforeTheNextText) {
  EXPECT_EQ(html(u"{\\rtf1 a \\b bold\\b0  c}"), u"a <b>bold</b> c");
  // Nothing is opened for a format no text follows.
  EXPECT_EQ(html(u"{\\rtf1 a\\i\\i0  c}"), u"a c");
  // Opening tags go out from the last request to the first, closing tags first to last.
  EXPECT_EQ(html(u"{\\rtf1 \\b\\i both\\b0  it\\i0  none}"), u"<i><b>both</b> it</i> none");
  EXPECT_EQ(html(u"{\\rtf1 \\ul u\\ulnone  \\strike s\\strike0  x\\super 2\\nosupersub  "
                 u"y\\sub 3\\nosupersub}"),
            u"<u>u </u><s>s</s> x<sup>2</sup> y<sub>3</sub>");
  // A group ends its formatting; the tag closes before the next text.
  EXPECT_EQ(html(u"{\\rtf1 {\\b x} y}"), u"<b>x</b> y");
  EXPECT_EQ(html(u"{\\rtf1 \\b x\\plain  y}"), u"<b>x</b> y");
  // Open at the end: closed at the end.
  EXPECT_EQ(html(u"{\\rtf1 \\b\\i x}"), u"<i><b>x</b></i>");
  // Closing a format closes what stands before it in the lists and reopens it.
  EXPECT_EQ(html(u"{\\rtf1 \\i\\b x\\i0  y}"), u"<b><i>x</i> y</b>");
  EXPECT_EQ(html(u"{\\rtf1 \\b x\\i y\\b0  z}"), u"<b>x<i>y</b> z</i>");
}

TEST(Converter, AFormatRequestedAgainOpensAgain) {
  EXPECT_EQ(html(u"{\\rtf1 \\b x\\b y\\b0  z}"), u"<b>x<b>y</b></b> z");
  const Text head = u"{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}";
  // \plain kills the font; the same font requested again revives it and opens a second.
  EXPECT_EQ(html(head + u"\\cf1 a\\plain\\cf1 b}"),
            u"<font color=\"#FF0000\">a<font color=\"#FF0000\">b</font></font>");
  // A request already pending is not made twice.
  EXPECT_EQ(html(u"{\\rtf1 \\b\\b x}"), u"<b>x</b>");
  // A close while the same format is both open and requested again closes the open one
  // only: the request stays.
  EXPECT_EQ(html(u"{\\rtf1 \\b x\\b\\b0  y}"), u"<b>x</b><b> y</b>");
}

TEST(Converter, Paragraphs) {
  EXPECT_EQ(html(u"{\\rtf1 one\\par two}"), u"one<br>two");
  EXPECT_EQ(html(u"{\\rtf1 one\\par two}", u"+CR"), u"one<br>\r\ntwo");
  // Breaks owed at the end are dropped; leading spaces of a line become &nbsp;.
  EXPECT_EQ(html(u"{\\rtf1 one\\par\\par }", u"+CR"), u"one");
  EXPECT_EQ(html(u"{\\rtf1 one\\par   two}"), u"one<br>  two");
  // Spaces alone are written at once; the owed break waits for the next text.
  EXPECT_EQ(html(u"{\\rtf1 one\\par  \\b two}"), u"one&nbsp;<br><b>two</b>");
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
  // Mid-paragraph the table waits for the next paragraph, and its closing tag is owed
  // whether or not it was opened.
  EXPECT_EQ(html(u"{\\rtf1 a\\qc  b}"), u"a b" + end);
  EXPECT_EQ(html(u"{\\rtf1 a\\qc  b\\par c}"), u"a b<br>" + center + u"c" + end);
  // Closing the bold queues the table again; \pard kills the open one but the queued one
  // opens in the next paragraph.
  EXPECT_EQ(html(u"{\\rtf1\\pard\\qc\\b T\\b0\\par\\pard x}"),
            u"<b>" + center + u"T" + end + u"</b><br>" + center + u"x" + end);
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
  EXPECT_EQ(html(head + u"\\fs24 a}", u"x+F=4x"), u"<font size=3>a</font>");
  // \cf0 opens nothing, but a colour already requested stays requested.
  EXPECT_EQ(html(head + u"\\cf1\\cf0  x}"), u"<font color=\"#FF0000\"> x</font>");
  // A size alone only changes the tag: the same size again opens nothing new, a face does.
  EXPECT_EQ(html(head + u"\\fs20 a\\fs20 b}"), u"<font size=2>ab</font>");
  EXPECT_EQ(html(head + u"\\f0 a\\f0 b}"),
            u"<font face=\"Arial\">a<font face=\"Arial\">b</font></font>");
  // A second colour requested before any text: the first request stays pending and is
  // written (the font tag of the text is what the lists say).
  EXPECT_EQ(html(head + u"\\cf1 a\\cf2\\cf1 b}"),
            u"<font color=\"#FF0000\">a<font color=\"#0000FF\">b</font></font>");
}

TEST(Converter, TablesOutliveTheConversion) {
  // The colour and font tables stay in the instance: a later text without its own tables
  // uses the last ones.
  Converter c;
  c.rtf2html3(u"{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;} x}");
  EXPECT_EQ(c.rtf2html3(u"{\\rtf1\\cf1\\f0 y}"),
            u"<font face=\"Arial\" color=\"#FF0000\">y</font>");
  EXPECT_EQ(c.strCurPhrase, u"");
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
  // Text goes out as it is by default; well-formed output writes markup characters as
  // entities and keeps the converter's own.
  EXPECT_EQ(html(u"{\\rtf1 a<b & c>d}"), u"a<b & c>d");
  EXPECT_EQ(wf(u"{\\rtf1 a<b & c>d \\'e9&amp; &eacute;}"),
            u"a&lt;b &amp; c&gt;d &eacute;&amp;amp; &eacute;");
}

TEST(Converter, SkippedGroupsAndLists) {
  EXPECT_EQ(html(u"{\\rtf1 a{\\*\\generator Writer {nested} 1.0;}b}"), u"ab");
  EXPECT_EQ(html(u"{\\rtf1 a{\\pict\\pngblip 89504e47}b}"), u"ab");
  EXPECT_EQ(html(u"{\\rtf1{\\info{\\title T}{\\author A}}{\\stylesheet{\\s0 Normal;}}\\pard body}"),
            u"body");
  // Groups are looked for in what is left once the ones before are cut out, and a cut-out
  // group reads a bare LF as CR LF like the rest.
  EXPECT_EQ(html(u"{\\rtf1 a{\\in{\\fonttbl{\\f0 A;}}fo secret}b}"), u"ab");
  EXPECT_EQ(html(u"{\\rtf1 a{\\fonttbl{\\f0 Ar\nial;}}\\f0 b\nc}"),
            u"a<font face=\"Ar\r\nial\">bc</font>");
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

// Notes as a rich-text box writes them: every paragraph restates "\pard\f0\fs20". The
// expected texts were worked out by hand from the steps of the conversion; the comments
// give the turns that decide them.
TEST(Converter, RichTextBoxNotesWorkedByHand) {
  // Each paragraph's "\f0" requests the font again while it is open, so every paragraph
  // nests one more font tag (the size only changes the tag of the pending request).
  EXPECT_EQ(html(u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1046{\\fonttbl{\\f0\\fswiss"
                 u"\\fcharset0 Arial;}}\r\n"
                 u"\\viewkind4\\uc1\\pard\\f0\\fs20 Cliente ligou.\\par\r\n"
                 u"\\pard\\f0\\fs20 T\\'e9cnico agendado.\\par\r\n}\r\n"),
            u"<font face=\"Arial\" size=2>Cliente ligou.<br><font face=\"Arial\" size=2>"
            u"T&eacute;cnico agendado.</font></font>");

  // A centred bold title: "\b0" queues again the table that stands before the bold, so
  // "\pard" kills the open table but the queued one centres the next paragraph.
  EXPECT_EQ(html(u"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Tahoma;}}\r\n"
                 u"\\pard\\qc\\b\\f0\\fs20 RELAT\\'d3RIO\\b0\\par\r\n"
                 u"\\pard\\f0\\fs20 Texto.\\par\r\n}"),
            u"<font face=\"Tahoma\" size=2><b><table width=100%><tr><td align=\"center\">"
            u"RELAT&Oacute;RIO</td></tr></table></b><br><font face=\"Tahoma\" size=2>"
            u"<table width=100%><tr><td align=\"center\">Texto.</font></td></tr></table>"
            u"</font>");

  // Bold ended mid-title: the table and font are queued again but, mid-paragraph, the
  // table stops the opening tags, so the rest of the title goes out plain and the table
  // and font closing tags come later without their opening tags.
  EXPECT_EQ(html(u"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
                 u"\\pard\\qc\\f0\\fs20\\b Aviso\\b0  importante\\par\r\n"
                 u"\\pard\\f0\\fs20 Fim.\\par\r\n}"),
            u"<b><font face=\"Arial\" size=2><table width=100%><tr><td align=\"center\">Aviso"
            u"</td></tr></table></font></b> importante</font></td></tr></table><br>"
            u"<font face=\"Arial\" size=2>Fim.</font>");

  // Bullets and a colour: "\pntext" closes everything and opens the item inside the
  // font; the colour change only replaces the pending font request.
  const Text bullets =
      u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1046{\\fonttbl{\\f0\\fswiss\\fcharset0 "
      u"Arial;}{\\f1\\fnil\\fcharset2 Symbol;}}\r\n"
      u"{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
      u"\\viewkind4\\uc1\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0"
      u"{\\pntxtb\\'b7}}\\fi-200\\li200\\f0\\fs20 Bateria\\par\r\n"
      u"{\\pntext\\f1\\'b7\\tab}\\cf1 Sensor\\cf0\\par\r\n"
      u"\\pard\\f0\\fs20 Fim\\par\r\n}\r\n";
  EXPECT_EQ(html(bullets),
            u"<font face=\"Arial\" size=2><li>Bateria</li></font><font face=\"Arial\" "
            u"color=\"#FF0000\" size=2><li>Sensor</li></font><font face=\"Arial\" size=2>Fim"
            u"</font>");
  EXPECT_EQ(count(html(bullets, u"+CR"), u"</li>\r\n</font>"), 2);
}

TEST(Converter, WellFormedOutput) {
  // Well-formed: a format open is not opened again, closing tags follow the order of
  // opening, and what a close interrupts opens again inside.
  EXPECT_EQ(wf(u"{\\rtf1 \\b x\\b y\\b0  z}"), u"<b>xy</b> z");
  EXPECT_EQ(wf(u"{\\rtf1 \\b x\\i y\\b0  z}"), u"<b>x<i>y</i></b><i> z</i>");
  EXPECT_EQ(wf(u"{\\rtf1 \\b\\i both\\b0  it\\i0  none}"), u"<i><b>both</b> it</i> none");
  EXPECT_EQ(wf(u"{\\rtf1 \\b x\\b\\b0  y}"), u"<b>x</b> y");
  // No closing tag for a table that never opened; a table outside the inline formats.
  EXPECT_EQ(wf(u"{\\rtf1 a\\qc  b}"), u"a b");
  EXPECT_EQ(wf(u"{\\rtf1\\pard\\qc\\b T\\b0\\par\\pard x}"),
            u"<table width=100%><tr><td align=\"center\"><b>T</b></td></tr></table><br>x");
  // A colour change closes the font and opens the new one; "\cf0" ends it.
  const Text head = u"{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";
  EXPECT_EQ(wf(head + u"\\b\\cf1 a\\cf2 b\\cf0  c}"),
            u"<b><font color=\"#FF0000\">a</font><font color=\"#0000FF\">b</font> c</b>");
  // Every item is its own element, and a format open across items is closed and opened
  // again inside each.
  EXPECT_EQ(wf(u"{\\rtf1{\\pntext\\'b7\\tab}\\b one\\par{\\pntext\\'b7\\tab}two\\par\\pard "
               u"after}",
               u"+CR"),
            u"<li><b>one</b></li>\r\n<li><b>two</b></li>\r\n<b>after</b>");
  // A font face with markup characters stays inside its quotes.
  EXPECT_EQ(wf(u"{\\rtf1{\\fonttbl{\\f0 A\"<b>;}}\\f0 x}"),
            u"<font face=\"A&quot;&lt;b>\">x</font>");
  // The option is read anywhere in the text; without it the output is the default one.
  Converter c;
  EXPECT_EQ(c.rtf2html3(u"{\\rtf1 \\b x\\b y}", u"+CR-FF+WF"), u"<b>xy</b>");
  EXPECT_EQ(c.rtf2html3(u"{\\rtf1 \\b x\\b y}", u"+CR"), u"<b>x<b>y</b></b>");
}

TEST(Converter, HostileInputStaysBounded) {
  // Below the bound a format requested again is opened again, every time.
  Text few = u"{\\rtf1";
  for (int i = 0; i < 10; ++i) few += u"\\b x";
  EXPECT_EQ(count(html(few + u"}"), u"<b>"), 10);
  // Past it, a format already open is not opened again, and closes stop doubling what
  // they queue: the lists stop growing however long the text.
  const Text head = u"{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}";
  for (TextView unit :
       {TextView(u"\\b x"), TextView(u"\\cf1 x\\qc y\\par"), TextView(u"\\b0\\b0\\i\\b x"),
        TextView(u"{\\pntext}\\b x\\par"), TextView(u"\\pard\\f0 x\\par")}) {
    Text rtf = head + u"{\\fonttbl{\\f0 A;}}";
    for (int i = 0; i < 4000; ++i) rtf += unit;
    Converter c;
    c.rtf2html3(rtf + u"}");
    // Past the bound the lists grow by no more than one text's worth of requests.
    EXPECT_LE(c.lists().entries(), Converter::kReopenBound + 64) << to_utf8(unit);
  }
}

// Documents for rtf2html/testdata/check_html.py, one JSON line each: the default output
// (checked against a plain model of the conversion) and the well-formed one (checked with
// an HTML parser, and for the same text).
std::string json_string(std::string_view utf8) {
  return nlohmann::json(std::string(utf8))
      .dump(-1, ' ', true, nlohmann::json::error_handler_t::replace);
}
std::string json_string(TextView text) { return json_string(std::string_view(to_utf8(text))); }

class Cases {
 public:
  void add(const std::string& name, const Text& rtf, const Text& options) {
    std::string line = "{\"name\":" + json_string(std::string_view(name)) +
                       ",\"rtf\":" + json_string(TextView(rtf)) +
                       ",\"options\":" + json_string(TextView(options));
    auto run = [&](const Text& opts) -> std::string {
      Converter c;
      try {
        return json_string(TextView(c.rtf2html3(rtf, opts)));
      } catch (const VbError& e) {
        EXPECT_EQ(e.number(), 9) << name;
        return "null";
      }
    };
    line += ",\"html\":" + run(options) + ",\"wf\":" + run(options + u"+WF") + "}\n";
    lines_ += line;
  }
  void check() const {
    TempDir dir;
    write_file(dir.path() / "cases.jsonl", lines_);
    auto r =
        run_command("python3 " + std::string(ORVANE_SOURCE_DIR) +
                    "/rtf2html/testdata/check_html.py " + (dir.path() / "cases.jsonl").string());
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    std::cout << r.out;
  }

 private:
  std::string lines_;
};

// A note as a rich-text box writes it: font and colour tables, then paragraphs that each
// restate "\pard" and the font, with bullets, centred titles, colours, bold and accents.
Text rich_text_box_note(std::mt19937& rng) {
  auto pick = [&](size_t n) { return static_cast<size_t>(rng() % n); };
  static const char* const kWords[] = {"Cliente",
                                       "solicitou",
                                       "visita",
                                       "t\\'e9cnica",
                                       "alarme",
                                       "disparou",
                                       "\\'e0s",
                                       "14h",
                                       "sensor",
                                       "da",
                                       "cozinha",
                                       "bateria",
                                       "trocada",
                                       "monitora\\'e7\\'e3o",
                                       "ve\\'edculo",
                                       "rastreador",
                                       "instalado",
                                       "S\\'e3o",
                                       "Paulo",
                                       "n\\'ba",
                                       "12",
                                       "\\'bd",
                                       "or\\'e7amento",
                                       "aprovado"};
  auto words = [&](size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s += std::string(i ? " " : "") + kWords[pick(24)];
    return s;
  };
  const std::string size = std::to_string(16 + 2 * static_cast<int>(pick(4)));
  std::string s =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1046{\\fonttbl{\\f0\\fswiss\\fcharset0 "
      "Arial;}{\\f1\\fnil\\fcharset2 Symbol;}}\r\n"
      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
      "\\viewkind4\\uc1";
  const size_t paragraphs = 2 + pick(8);
  for (size_t p = 0; p < paragraphs; ++p) {
    switch (pick(6)) {
      case 0:  // centred title
        s += "\\pard\\qc\\b\\f0\\fs" + size + " " + words(1 + pick(3)) + "\\b0\\par\r\n";
        break;
      case 1: {  // bullets
        s += "\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}"
             "\\fi-200\\li200\\f0\\fs" +
             size + " " + words(2 + pick(3)) + "\\par\r\n";
        for (size_t i = pick(3); i > 0; --i)
          s += "{\\pntext\\f1\\'b7\\tab}" + words(1 + pick(4)) + "\\par\r\n";
        break;
      }
      case 2:  // a coloured word
        s += "\\pard\\f0\\fs" + size + " " + words(2) + " \\cf" + std::to_string(1 + pick(2)) +
             " " + words(1) + "\\cf0  " + words(2) + "\\par\r\n";
        break;
      case 3:  // bold and italic runs
        s += "\\pard\\f0\\fs" + size + " " + words(1) + " \\b " + words(2) + "\\b0  \\i " +
             words(1) + "\\i0  " + words(1) + "\\par\r\n";
        break;
      case 4:  // right-aligned signature
        s += "\\pard\\qr\\f0\\fs" + size + " " + words(2) + "\\par\r\n";
        break;
      default:
        s += "\\pard\\f0\\fs" + size + " " + words(3 + pick(6)) + "\\par\r\n";
    }
  }
  s += "}\r\n";
  return Text(s.begin(), s.end());
}

// Random RTF made of the words the converter knows, text, groups and escapes.
Text random_document(std::mt19937& rng) {
  static const char* const kPieces[] = {"\\b ",
                                        "\\b0 ",
                                        "\\i ",
                                        "\\i0 ",
                                        "\\ul ",
                                        "\\ulnone ",
                                        "\\strike ",
                                        "\\strike0 ",
                                        "\\super ",
                                        "\\sub ",
                                        "\\nosupersub ",
                                        "\\plain ",
                                        "\\par ",
                                        "\\par\r\n",
                                        "\\pard",
                                        "\\qc ",
                                        "\\qr ",
                                        "\\tab ",
                                        "\\cf0 ",
                                        "\\cf1 ",
                                        "\\cf2 ",
                                        "\\f0 ",
                                        "\\f1 ",
                                        "\\fs16 ",
                                        "\\fs28 ",
                                        "\\bullet ",
                                        "\\pnlvlblt ",
                                        "{",
                                        "}",
                                        "{\\*\\pn x}",
                                        "{\\pntext\\f1\\'b7\\tab}",
                                        "\\pntxtb ",
                                        "texto",
                                        " ",
                                        "  ",
                                        "a b",
                                        "\\'e9",
                                        "\\'E9",
                                        "\\'99",
                                        "\\'85",
                                        "\\'00",
                                        "\\\\",
                                        "\\{",
                                        "\\}",
                                        "\n",
                                        "\\fi-200",
                                        "\\unknown ",
                                        "1"};
  constexpr size_t kCount = sizeof kPieces / sizeof kPieces[0];
  std::string s =
      "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Symbol;}}{\\colortbl;\\red255\\green0\\blue0;"
      "\\red0\\green0\\blue255;}";
  if (rng() % 10 == 0) s += "{\\*\\listtable{\\list\\listid1}}";
  for (size_t n = rng() % 60; n > 0; --n) s += kPieces[rng() % kCount];
  s += "}";
  return Text(s.begin(), s.end());
}

// Notes as rich-text boxes write them, a WordPad file and 3000 random documents.
TEST(Converter, ManyDocumentsAgainstTheModelAndWellFormed) {
  Cases cases;
  std::mt19937 rng(20261206);
  for (int i = 0; i < 60; ++i) cases.add("note " + std::to_string(i), rich_text_box_note(rng), u"");
  for (int i = 0; i < 20; ++i)
    cases.add("note+CR " + std::to_string(i), rich_text_box_note(rng), u"+CR");
  static const TextView kOptions[] = {u"", u"+CR", u"+F=2", u"-FF"};
  for (int i = 0; i < 3000; ++i)
    cases.add("random " + std::to_string(i), random_document(rng), Text(kOptions[rng() % 4]));
  cases.add(
      "wordpad",
      from_utf8(read_file(fs::path(ORVANE_SOURCE_DIR) / "rtf2html/testdata/wordpad_crlf.rtf")),
      u"");
  cases.check();
}

TEST(Converter, BadInputNeverCrashes) {
  for (TextView rtf :
       {u"{\\rtf1 {{{{{ x", u"{\\rtf1 }}}}} x }}}", u"{\\rtf1 x\\'", u"{\\rtf1 x\\'e",
        u"{\\rtf1 \\", u"{\\rtf1 {\\*", u"{\\rtf1{\\colortbl", u"{\\rtf1{\\fonttbl{",
        u"{\\rtf1 \\fs-99999999999999999 x", u"{\\rtf1 \\'99\\'99\\'99"}) {
    EXPECT_NO_THROW(html(rtf)) << to_utf8(rtf);
    EXPECT_NO_THROW(wf(rtf)) << to_utf8(rtf);
  }
  // Random characters that matter to RTF.
  std::mt19937 rng(20261205);
  const TextView alphabet = u"{}\\\\\\'ab0129efpqrsuclitx \r\n\x01\xff*";
  for (int round = 0; round < 3000; ++round) {
    Text rtf = u"{\\rtf1{\\colortbl;\\red1;}{\\fonttbl{\\f0 A;}}";
    size_t n = rng() % 200;
    for (size_t i = 0; i < n; ++i) rtf += alphabet[rng() % alphabet.size()];
    for (TextView options : {u"", u"+WF"}) {
      Converter c;
      try {
        c.rtf2html3(rtf, options);
      } catch (const VbError& e) {
        EXPECT_EQ(e.number(), 9) << to_utf8(rtf);
      }
    }
  }
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
  EXPECT_NE(out.find(u"a&ccedil;&atilde;o &eacute; boa"), Text::npos);
  EXPECT_NE(out.find(u"&frac12; &copy;"), Text::npos);
  EXPECT_EQ(count(out, u"<br>\r\n"), 3);
  EXPECT_EQ(c.strCurPhrase, u"");
  // Read with CR LF line ends it gives the same HTML.
  Text crlf;
  for (char16_t ch : rtf) crlf += ch == u'\n' ? Text(u"\r\n") : Text(1, ch);
  EXPECT_EQ(c.rtf2html3(crlf, u"+CR"), out);

  // Well-formed, the formats show where the document has them.
  const Text clean = c.rtf2html3(rtf, u"+WF");
  EXPECT_NE(clean.find(u"<b>negrito</b>"), Text::npos) << to_utf8(clean);
  EXPECT_NE(clean.find(u"<font color=\"#FF0000\">Vermelho</font>"), Text::npos);
  EXPECT_NE(clean.find(u"<font face=\"Courier New\" size=5>grande</font>"), Text::npos);
  EXPECT_NE(clean.find(u"<td align=\"center\">Centralizado"), Text::npos);
  Cases cases;
  cases.add("LibreOffice", rtf, u"+CR");
  cases.add("LibreOffice", rtf, u"");
  cases.check();
}

TEST(Converter, WordPadDocumentWithCrLf) {
  const Text rtf =
      from_utf8(read_file(fs::path(ORVANE_SOURCE_DIR) / "rtf2html/testdata/wordpad_crlf.rtf"));
  ASSERT_NE(rtf.find(u"\r\n"), Text::npos);
  const Text want =
      T("Relatório de Serviço\nO técnico João visitou o cliente em São Paulo.\n"
        "Atenção: alarme disparado às 14h ½.\nCancelado e 2\nAssinatura");
  Converter c;
  const Text out = c.rtf2html3(rtf);
  EXPECT_EQ(visible_text(out), want);
  // "\b0" in the title queues its table again, so the body stays centred; "\qr" is
  // requested while that table is pending and is not requested twice.
  EXPECT_EQ(count(out, u"<td align=\"center\">"), 5);
  EXPECT_EQ(count(out, u"<td align=\"right\">"), 0);

  const Text clean = c.rtf2html3(rtf, u"+WF");
  EXPECT_EQ(visible_text(clean), want);
  EXPECT_NE(clean.find(u"<td align=\"center\"><b><font face=\"Calibri\" size=4>Relat&oacute;rio "
                       u"de Servi&ccedil;o</font></b></td></tr></table>"),
            Text::npos)
      << to_utf8(clean);
}

}  // namespace
}  // namespace orvane::rtf
