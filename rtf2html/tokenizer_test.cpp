#include "rtf2html/tokenizer.h"

#include <gtest/gtest.h>

namespace orvane::rtf {
namespace {

// Every word of a line, as the converter sees them.
std::vector<Text> words(TextView line) {
  std::vector<Text> out;
  size_t pos = 0;
  while (pos < line.size()) out.emplace_back(next_word(line, pos));
  return out;
}

TEST(Tokenizer, NabNextWordTakesOneTokenFromTheFront) {
  Text line = u"\\b hello";
  EXPECT_EQ(NabNextWord(line), u"\\b");  // the space is consumed, not returned
  EXPECT_EQ(line, u"hello");
  line = u"\\'e9tude";
  EXPECT_EQ(NabNextWord(line), u"\\'e9");
  EXPECT_EQ(line, u"tude");
  line = u"{\\b x}";
  EXPECT_EQ(NabNextWord(line), u"{");
  EXPECT_EQ(line, u"\\b x}");
  line = u"";
  EXPECT_EQ(NabNextWord(line), u"");
  EXPECT_EQ(line, u"");
}

TEST(Tokenizer, WordKinds) {
  EXPECT_EQ(words(u"\\fs24\\b bold text\\b0}"),
            (std::vector<Text>{u"\\fs24", u"\\b", u"bold text", u"\\b0", u"}"}));
  EXPECT_EQ(words(u"a\\\\b\\{c\\}"),
            (std::vector<Text>{u"a", u"\\\\", u"b", u"\\{", u"c", u"\\}"}));
  // Two spaces after a control word: the second one is text.
  EXPECT_EQ(words(u"\\par  x"), (std::vector<Text>{u"\\par", u" x"}));
  EXPECT_EQ(words(u"\\*\\generator x;}"), (std::vector<Text>{u"\\*", u"\\generator", u"x;", u"}"}));
  // Truncated escapes and a lone backslash at the end of a line.
  EXPECT_EQ(words(u"\\'e"), std::vector<Text>{u"\\'e"});
  EXPECT_EQ(words(u"x\\"), (std::vector<Text>{u"x", u"\\"}));
  EXPECT_EQ(words(u"\\'"), std::vector<Text>{u"\\'"});
}

TEST(Tokenizer, Lines) {
  Text rtf = u"  \\b one\r\n\r\n two \r\n";
  EXPECT_EQ(NabNextLine(rtf), u"\\b one");
  EXPECT_EQ(rtf, u"two");
  EXPECT_EQ(NabNextLine(rtf), u"two");
  EXPECT_EQ(rtf, u"");

  // A bare LF is not a line end for the tokenizer (the converter turns it into CR LF).
  TextView text = u"a\nb\r\nc";
  size_t pos = 0;
  EXPECT_EQ(next_line(text, pos, text.size()), u"a\nb");
  EXPECT_EQ(next_line(text, pos, text.size()), u"c");
  EXPECT_EQ(pos, text.size());
}

TEST(Tokenizer, Trims) {
  EXPECT_EQ(TrimAll(u" \r\n x y \n\r "), u"x y");
  EXPECT_EQ(TrimAll(u" \r\n"), u"");
  EXPECT_EQ(TrimifCmd(u"  \\b  "), u"\\b");
  EXPECT_EQ(TrimifCmd(u" {x} "), u"{x}");
  EXPECT_EQ(TrimifCmd(u"  text  "), u" text");
  EXPECT_EQ(TrimifCmd(u"text  "), u"text");
  EXPECT_TRUE(IsDig(u"7"));
  EXPECT_FALSE(IsDig(u"a"));
  EXPECT_FALSE(IsDig(u""));
}

TEST(Tokenizer, NabSectionCutsTheEnclosingGroup) {
  Text rtf = u"\\rtf1{\\fonttbl{\\f0 A;}{\\f1 B;}}{\\colortbl;\\red1;}x";
  int32_t at = static_cast<int32_t>(rtf.find(u"\\fonttbl")) + 1;
  EXPECT_EQ(NabSection(rtf, at), u"{\\fonttbl{\\f0 A;}{\\f1 B;}}");
  EXPECT_EQ(rtf, u"\\rtf1{\\colortbl;\\red1;}x");

  // Escaped braces do not count; the position may be after inner groups.
  rtf = u"a{\\info{\\title x\\}y}{\\author z}\\b}b";
  at = static_cast<int32_t>(rtf.find(u"\\b}")) + 1;
  EXPECT_EQ(NabSection(rtf, at), u"{\\info{\\title x\\}y}{\\author z}\\b}");
  EXPECT_EQ(rtf, u"ab");

  // Unclosed group: to the end. No enclosing group or a bad position: nothing cut.
  rtf = u"x{\\info{\\title t}";
  EXPECT_EQ(NabSection(rtf, 4), u"{\\info{\\title t}");
  EXPECT_EQ(rtf, u"x");
  rtf = u"plain}";
  EXPECT_EQ(NabSection(rtf, 2), u"");
  EXPECT_EQ(NabSection(rtf, 0), u"");
  EXPECT_EQ(NabSection(rtf, 99), u"");
  EXPECT_EQ(rtf, u"plain}");
}

TEST(Tokenizer, ColourTable) {
  EXPECT_EQ(GetColorTable(u"{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"),
            (std::vector<Text>{u"", u"FF0000", u"0000FF"}));
  EXPECT_EQ(GetColorTable(u"{\\colortbl;\\red255\\green0\\blue128;\\red16\\blue999999999999;}"),
            (std::vector<Text>{u"", u"FF0080", u"1000FF"}));
  EXPECT_EQ(GetColorTable(u"{\\colortbl;}"), std::vector<Text>{u""});
  EXPECT_TRUE(GetColorTable(u"{\\fonttbl}").empty());
  // Unterminated table: read to the end, never past it.
  EXPECT_EQ(GetColorTable(u"{\\colortbl;\\red1\\green2\\blue3"),
            (std::vector<Text>{u"", u"010203"}));
}

TEST(Tokenizer, FontTable) {
  EXPECT_EQ(GetFontTable(u"{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\froman Times New Roman;}"
                         u"{\\f3\\fswiss Tahoma;}}"),
            (std::vector<Text>{u"Arial", u"Times New Roman"}));
  // A nested group before the name does not end the control words; \f1 is not \f10.
  EXPECT_EQ(GetFontTable(u"{\\fonttbl{\\f0\\froman{\\*\\panose 02020603}\\fcharset0 Serif;}"
                         u"{\\f10\\fnil Ten;}{\\f1\\fnil One;}}"),
            (std::vector<Text>{u"Serif", u"One"}));
  EXPECT_TRUE(GetFontTable(u"{\\fonttbl{\\f1 A;}}").empty());
  EXPECT_TRUE(GetFontTable(u"{\\fonttbl{\\f0\\fnil").empty());
  EXPECT_TRUE(GetFontTable(u"nothing").empty());
}

}  // namespace
}  // namespace orvane::rtf
