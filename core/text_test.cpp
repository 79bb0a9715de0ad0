#include "core/text.h"

#include <gtest/gtest.h>

#include "core/error.h"

namespace orvane {
namespace {

using namespace vb;

TEST(TextEncodings, Utf8AndWindows1252RoundTrip) {
  Text t = T("ação € “x” 😀");
  EXPECT_EQ(to_utf8(t), "ação € “x” 😀");
  EXPECT_EQ(t.size(), 13u);  // the emoji takes two UTF-16 units
  EXPECT_EQ(to_cp1252(T("ação €")), "a\xe7\xe3o \x80");
  EXPECT_EQ(from_cp1252("a\xe7\xe3o \x80\x96"), T("ação €–"));
  EXPECT_EQ(to_cp1252(T("😀")), "??");
  EXPECT_EQ(from_utf8("a\xff"
                      "b"),
            T("a\uFFFDb"));
  EXPECT_EQ(from_utf8("\xe2\x82"), T("\uFFFD"));
}

TEST(VbStrings, PositionsAreOneBasedAndClamped) {
  EXPECT_EQ(Left(u"abcdef", 2), u"ab");
  EXPECT_EQ(Left(u"ab", 5), u"ab");
  EXPECT_EQ(Right(u"abcdef", 2), u"ef");
  EXPECT_EQ(Mid(u"abcdef", 3), u"cdef");
  EXPECT_EQ(Mid(u"abcdef", 3, 2), u"cd");
  EXPECT_EQ(Mid(u"abc", 10), u"");
  EXPECT_THROW(Mid(u"abc", 0), VbError);
  EXPECT_THROW(Left(u"abc", -1), VbError);
  EXPECT_EQ(InStr(u"abcabc", u"c"), 3);
  EXPECT_EQ(InStr(4, u"abcabc", u"c"), 6);
  EXPECT_EQ(InStr(u"abc", u"C"), 0);
  EXPECT_EQ(InStr(1, u"abc", u"C", Compare::Text), 3);
  EXPECT_EQ(InStr(u"abc", u""), 1);
  EXPECT_EQ(InStr(10, u"abc", u"a"), 0);
  EXPECT_EQ(InStrRev(u"a\\b\\c", u"\\"), 4);
  EXPECT_EQ(InStrRev(u"abc", u"x"), 0);
  EXPECT_EQ(InStrRev(u"abcabc", u"abc", 5), 1);
}

TEST(VbStrings, TrimOnlySpaces) {
  EXPECT_EQ(Trim(u"  a b \t "), u"a b \t");
  EXPECT_EQ(LTrim(u"  a "), u"a ");
  EXPECT_EQ(RTrim(u"  a "), u"  a");
  EXPECT_EQ(Trim(u"   "), u"");
}

TEST(VbStrings, CaseCoversPortuguese) {
  EXPECT_EQ(UCase(T("ação são joão ü ñ")), T("AÇÃO SÃO JOÃO Ü Ñ"));
  EXPECT_EQ(LCase(T("AÇÃO ÉÊ")), T("ação éê"));
  EXPECT_EQ(UCase(T("ÿ œ š")), T("Ÿ Œ Š"));
  EXPECT_EQ(UCase(T("ß µ ÷")), T("ß µ ÷"));
  EXPECT_TRUE(EqualsNoCase(T("Planílha"), T("PLANÍLHA")));
}

TEST(VbStrings, ReplaceSplitJoin) {
  EXPECT_EQ(Replace(u"a.b.c", u".", u","), u"a,b,c");
  EXPECT_EQ(Replace(u"aXbxc", u"x", u"-", 1, -1, Compare::Text), u"a-b-c");
  EXPECT_EQ(Replace(u"a.b.c", u".", u"", 1, 1), u"ab.c");
  EXPECT_EQ(Replace(u"abcabc", u"b", u"B", 3), u"caBc");
  EXPECT_EQ(Replace(u"aaa", u"a", u"aa"), u"aaaaaa");
  auto parts = Split(u"a|b||c", u"|");
  ASSERT_EQ(parts.size(), 4u);
  EXPECT_EQ(parts[2], u"");
  EXPECT_TRUE(Split(u"", u"|").empty());
  EXPECT_EQ(Split(u"a|b|c", u"|", 2).back(), u"b|c");
  EXPECT_EQ(Join(parts, u"-"), u"a-b--c");
}

TEST(VbStrings, CharactersThroughWindows1252) {
  EXPECT_EQ(Chr(231), T("ç"));
  EXPECT_EQ(Chr(128), T("€"));
  EXPECT_EQ(Asc(T("€")), 128);
  EXPECT_EQ(Asc(T("ç")), 231);
  EXPECT_EQ(AscW(T("€")), 0x20AC);
  EXPECT_EQ(String(3, u'*'), u"***");
  EXPECT_EQ(Space(2), u"  ");
  EXPECT_THROW(Asc(u""), VbError);
  EXPECT_THROW(Chr(256), VbError);
}

}  // namespace
}  // namespace orvane
