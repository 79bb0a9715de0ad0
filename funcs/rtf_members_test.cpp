#include "funcs/rtf_members.h"

#include <gtest/gtest.h>

#include "funcs/funcoes_orvane.h"
#include "testing/testing.h"

namespace orvane::funcs {
namespace {

using orvane::testing::orvane_bin;
using orvane::testing::run_command;
using orvane::testing::TempDir;
using orvane::testing::write_file;

class RtfMembers : public ::testing::Test {
 protected:
  Variant call(TextView member, std::vector<Variant>& args) {
    return f_->invoke(member, CallKind::Method, args);
  }
  Variant call(TextView member, std::vector<Variant>&& args = {}) { return call(member, args); }
  std::shared_ptr<FuncoesOrvane> f_ = std::make_shared<FuncoesOrvane>(nullptr);
};

TEST_F(RtfMembers, ListsLiveInTheInstanceBetweenCalls) {
  call(u"PushNext", {Variant(Text(u"</b>"))});
  call(u"pushnextbeg", {Variant(Text(u"<b>"))});
  EXPECT_EQ(call(u"InNext", {Variant(Text(u"</b>"))}), Variant(true));
  EXPECT_EQ(call(u"InNext", {Variant::Null()}), Variant(false));
  call(u"Next2Codes");
  EXPECT_EQ(call(u"InCodes", {Variant(Text(u"</b>")), Variant(true)}), Variant(false));
  EXPECT_EQ(call(u"GetAllCodesBeg"), Variant(Text(u"<b>")));
  EXPECT_EQ(call(u"InCodes", {Variant(Text(u"</b>")), Variant(true)}), Variant(true));
  EXPECT_EQ(call(u"KillCode", {Variant(Text(u"*"))}), Variant(int32_t{1}));
  EXPECT_EQ(call(u"ProcessAfterTextCodes"), Variant(Text(u"</b>")));
  // Another instance has lists of its own.
  auto other = std::make_shared<FuncoesOrvane>(nullptr);
  std::vector<Variant> none;
  EXPECT_EQ(other->invoke(u"GetActiveCodes", CallKind::Method, none), Variant(Text()));
  call(u"ClearCodes");
  EXPECT_EQ(call(u"GetActiveCodes"), Variant(Text()));
}

TEST_F(RtfMembers, ByReferenceArgumentsAreWrittenBack) {
  std::vector<Variant> line{Variant(Text(u"\\b hello"))};
  EXPECT_EQ(call(u"NabNextWord", line), Variant(Text(u"\\b")));
  EXPECT_EQ(line[0], Variant(Text(u"hello")));

  std::vector<Variant> rtf{Variant(Text(u"one\r\ntwo"))};
  EXPECT_EQ(call(u"NabNextLine", rtf), Variant(Text(u"one")));
  EXPECT_EQ(rtf[0], Variant(Text(u"two")));

  std::vector<Variant> sec{Variant(Text(u"a{\\x{y}}b")), Variant(int32_t{3})};
  EXPECT_EQ(call(u"NabSection", sec), Variant(Text(u"{\\x{y}}")));
  EXPECT_EQ(sec[0], Variant(Text(u"ab")));

  std::vector<Variant> colours{
      Variant(Text(u"{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}")), Variant()};
  call(u"GetColorTable", colours);
  ASSERT_TRUE(colours[1].is_array());
  EXPECT_EQ(colours[1].array().bound(0).lower, 0);
  EXPECT_EQ(
      colours[1].array().items(),
      (std::vector<Variant>{Variant(Text()), Variant(Text(u"FF0000")), Variant(Text(u"0000FF"))}));
  std::vector<Variant> fonts{Variant(Text(u"{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\fnil Times;}}")),
                             Variant()};
  call(u"GetFontTable", fonts);
  ASSERT_TRUE(fonts[1].is_array());
  EXPECT_EQ(fonts[1].array().items(),
            (std::vector<Variant>{Variant(Text(u"Arial")), Variant(Text(u"Times"))}));
}

TEST_F(RtfMembers, PublicFieldsAndConversion) {
  std::vector<Variant> cr{Variant(Text(u"\r\n"))};
  f_->invoke(u"strCR", CallKind::PropertyPut, cr);
  std::vector<Variant> none;
  EXPECT_EQ(f_->invoke(u"strCR", CallKind::PropertyGet, none), Variant(Text(u"\r\n")));
  std::vector<Variant> yes{Variant(true)};
  f_->invoke(u"gDebug", CallKind::PropertyPut, yes);
  EXPECT_EQ(f_->invoke(u"gDebug", CallKind::PropertyGet, none), Variant(true));
  EXPECT_EQ(f_->invoke(u"gStep", CallKind::PropertyGet, none), Variant(false));

  // Words handed one by one build strCurPhrase.
  call(u"ProcessWord", {Variant(Text(u"\\b"))});
  call(u"ProcessWord", {Variant(Text(u"bold"))});
  EXPECT_EQ(f_->invoke(u"strCurPhrase", CallKind::PropertyGet, none), Variant(Text(u"<b>bold")));

  // The option-less call sets strCR again; the phrase is empty after a conversion.
  EXPECT_EQ(call(u"rtf2html3", {Variant(Text(u"{\\rtf1 \\i x\\i0\\par y}"))}),
            Variant(Text(u"<i>x</i><br>y")));
  EXPECT_EQ(f_->invoke(u"strCurPhrase", CallKind::PropertyGet, none), Variant(Text()));
  EXPECT_EQ(f_->invoke(u"strCR", CallKind::PropertyGet, none), Variant(Text()));
  EXPECT_EQ(call(u"HTMLCode", {Variant(Text(u"e9"))}), Variant(Text(u"&eacute;")));
  EXPECT_EQ(call(u"IsDig", {Variant(Text(u"5"))}), Variant(true));
  EXPECT_EQ(call(u"TrimAll", {Variant(Text(u"\r\n x \r\n"))}), Variant(Text(u"x")));
  EXPECT_EQ(
      call(u"rtf2html_replace", {Variant(Text(u"a-b")), Variant(Text(u"-")), Variant(int32_t{1})}),
      Variant(Text(u"a1b")));
  try {
    call(u"rtf2html3", {Variant(Text(u"{\\rtf1 \\cf1 x}"))});
    ADD_FAILURE();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 9);
  }
}

TEST(RtfCommand, ConvertsAFileThroughTheCommand) {
  TempDir dir;
  write_file(
      dir.path() / "note.rtf",
      "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}\r\n"
      "\\pard\\qc\\b T\\'edtulo\\b0\\par\r\n\\pard\\cf1 Aten\\'e7\\'e3o\\cf0  fim\\par\r\n}\r\n");
  auto r = run_command(orvane_bin() + " call FuncoesOrvane rtf2html3 @file:" + dir.str() +
                       "note.rtf @str:+CR");
  ASSERT_EQ(r.status, 0) << r.err;
  // "\b0" queues the table again, so the second paragraph opens it too; "\cf0" closes the
  // font and the table with it, and the table queued again mid-paragraph owes its closing
  // tag at the end.
  EXPECT_EQ(r.out,
            "<b><table width=100%><tr><td align=\"center\">T&iacute;tulo</td></tr></table></b>"
            "<br>\r\n<font color=\"#FF0000\"><table width=100%><tr><td align=\"center\">"
            "Aten&ccedil;&atilde;o</td></tr></table></font> fim</td></tr></table>\n");
  r = run_command(orvane_bin() + " call FuncoesOrvane rtf2html3 @file:" + dir.str() +
                  "note.rtf @str:+CR+WF");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "<table width=100%><tr><td align=\"center\"><b>T&iacute;tulo</b></td></tr></table>"
            "<br>\r\n<font color=\"#FF0000\">Aten&ccedil;&atilde;o</font> fim\n");

  write_file(dir.path() / "bad.rtf", "{\\rtf1 \\cf3 x}");
  r = run_command(orvane_bin() + " call --json FuncoesOrvane rtf2html3 @file:" + dir.str() +
                  "bad.rtf");
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.out.find("\"number\":9"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace orvane::funcs
