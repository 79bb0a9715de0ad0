#include "rtf2html/code_lists.h"

#include <gtest/gtest.h>

namespace orvane::rtf {
namespace {

std::vector<Text> statuses(const CodeLists& l) {
  std::vector<Text> out;
  for (const auto& e : l.codes()) out.emplace_back(status_text(e.status));
  return out;
}

std::vector<Text> as_vector(const std::deque<Text>& d) { return {d.begin(), d.end()}; }

void request(CodeLists& l, Text close, Text open) {
  l.PushNext(std::move(close));
  l.PushNextBeg(std::move(open));
}

TEST(CodeLists, OpeningTagsFromTheLastEntryClosingFromTheFirst) {
  CodeLists l;
  request(l, u"</b>", u"<b>");
  l.Next2Codes();
  EXPECT_EQ(statuses(l), std::vector<Text>{u"P"});
  EXPECT_TRUE(l.next().empty());
  EXPECT_EQ(l.GetAllCodesBeg(), u"<b>");
  EXPECT_EQ(statuses(l), std::vector<Text>{u"A"});
  EXPECT_EQ(l.GetActiveCodes(), u"</b>");
  EXPECT_EQ(l.GetAllCodesBeg(), u"");  // nothing left to open

  CodeLists two;
  request(two, u"</b>", u"<b>");
  request(two, u"</i>", u"<i>");
  two.Next2Codes();
  EXPECT_EQ(two.GetAllCodesBeg(), u"<i><b>");
  EXPECT_EQ(two.GetActiveCodes(), u"</b></i>");
}

TEST(CodeLists, GroupCodesAndListItemFirst) {
  CodeLists l;
  request(l, u"</b>", u"<b>");
  request(l, u"</td></tr></table>", u"<table>");
  request(l, u"</li>", u"<li>");
  l.Next2Codes();
  ASSERT_EQ(l.codes().size(), 3u);
  EXPECT_EQ(l.codes()[0].code, u"</li>");  // exchanged with the first pair
  EXPECT_EQ(l.codes()[0].open, u"<li>");
  EXPECT_EQ(l.codes()[2].code, u"</b>");
  EXPECT_EQ(l.codes()[2].open, u"<b>");
  EXPECT_EQ(statuses(l), (std::vector<Text>{u"PG", u"PG", u"P"}));
  EXPECT_EQ(l.GetAllCodesBegTill(u"</td></tr></table>"), u"<b>");
  EXPECT_EQ(statuses(l), (std::vector<Text>{u"PG", u"PG", u"A"}));
  l.SetPendingCodesActive();
  EXPECT_EQ(statuses(l), (std::vector<Text>{u"G", u"G", u"A"}));
  EXPECT_TRUE(l.InCodes(u"</li>", true));
}

TEST(CodeLists, ClearNextKeepsFromTheException) {
  CodeLists l;
  request(l, u"</b>", u"<b>");
  request(l, u"</i>", u"<i>");
  request(l, u"</u>", u"<u>");
  l.ClearNext(u"</i>");
  EXPECT_EQ(as_vector(l.next()), (std::vector<Text>{u"</i>", u"</u>"}));
  EXPECT_EQ(as_vector(l.next_beg()), (std::vector<Text>{u"<i>", u"<u>"}));
  l.ClearNext(u"</s>");  // not pending: everything goes
  EXPECT_TRUE(l.next().empty());
  EXPECT_TRUE(l.next_beg().empty());
}

TEST(CodeLists, KillReviveAndRemoveBlanks) {
  CodeLists l;
  request(l, u"</b>", u"<b>");
  request(l, u"</li>", u"<li>");
  request(l, u"</font>", u"<font color=\"#FF0000\">");
  l.Next2Codes();
  l.SetPendingCodesActive();
  EXPECT_EQ(l.KillCode(u"*", u"G"), 2);
  EXPECT_EQ(statuses(l), (std::vector<Text>{u"G", u"K", u"K"}));
  EXPECT_FALSE(l.InCodes(u"</b>", true));
  EXPECT_TRUE(l.InCodes(u"</b>"));
  EXPECT_EQ(l.GetLastFont(), u"<font color=\"#FF0000\">");
  l.ReviveCode(u"</font>");
  EXPECT_EQ(statuses(l), (std::vector<Text>{u"G", u"K", u"A"}));
  EXPECT_EQ(l.LastKilled(), 1);
  l.RemoveBlanks();
  EXPECT_EQ(l.GetActiveCodes(), u"</li></font>");
  EXPECT_EQ(l.PopCode(), u"</font>");
  EXPECT_EQ(l.GetLastFont(), u"");
  l.KillGroupCodes();
  EXPECT_EQ(statuses(l), std::vector<Text>{u"K"});
}

TEST(CodeLists, Codes2NextTillQueuesTheLiveEntriesBefore) {
  CodeLists l;
  request(l, u"</i>", u"<i>");
  request(l, u"</u>", u"<u>");
  request(l, u"</s>", u"<s>");
  request(l, u"</b>", u"<b>");
  l.Next2Codes();
  l.SetPendingCodesActive();
  l.KillCode(u"</u>");
  l.Codes2NextTill(u"</b>");
  // </i> and </s> come back, each at the front; the killed </u> does not.
  EXPECT_EQ(as_vector(l.next()), (std::vector<Text>{u"</s>", u"</i>"}));
  EXPECT_EQ(as_vector(l.next_beg()), (std::vector<Text>{u"<s>", u"<i>"}));

  CodeLists pending;
  request(pending, u"</i>", u"<i>");
  pending.Next2Codes();
  request(pending, u"</b>", u"<b>");
  pending.Codes2NextTill(u"</b>");  // </b> already pending: nothing queued
  EXPECT_EQ(as_vector(pending.next()), std::vector<Text>{u"</b>"});

  l.Codes2Next();
  EXPECT_TRUE(l.codes().empty());
  EXPECT_EQ(l.next().size(), 6u);
}

TEST(CodeLists, GetAllCodesTillClosesBackToTheEntry) {
  CodeLists l;
  request(l, u"</b>", u"<b>");
  request(l, u"</i>", u"<i>");
  request(l, u"</u>", u"<u>");
  l.Next2Codes();
  l.SetPendingCodesActive();
  request(l, u"</u>", u"<u>");  // its opening tag is pending: left alone
  EXPECT_EQ(l.GetAllCodesTill(u"</i>"), u"</i>");
  EXPECT_EQ(statuses(l), (std::vector<Text>{u"A", u"K", u"A"}));
}

TEST(CodeLists, PendingListOperations) {
  CodeLists l;
  EXPECT_EQ(l.ShiftNext(), u"");
  EXPECT_EQ(l.ShiftNextBeg(), u"");
  EXPECT_EQ(l.PopCode(), u"");
  EXPECT_FALSE(l.InNext(u"</b>"));
  EXPECT_FALSE(l.InCodesBeg(u"<b>"));
  EXPECT_EQ(l.ReplaceInNextBeg(u"</font>", u"<font>"), 0);

  request(l, u"</b>", u"<b>");
  request(l, u"</font>", u"<font size=2>");
  l.UnShiftNext(u"</i>");
  l.UnShiftNextBeg(u"<i>");
  EXPECT_EQ(l.ReplaceInNextBeg(u"</font>", u"<font size=3>"), 3);
  EXPECT_TRUE(l.InNextBeg(u"<font size=3>"));
  l.RemoveFromNext(u"</b>");
  EXPECT_EQ(as_vector(l.next()), (std::vector<Text>{u"</i>", u"</font>"}));
  EXPECT_EQ(as_vector(l.next_beg()), (std::vector<Text>{u"<i>", u"<font size=3>"}));
  EXPECT_EQ(l.ShiftNext(), u"</i>");
  EXPECT_EQ(l.ShiftNextBeg(), u"<i>");

  l.Next2Codes();
  l.ReplaceInCodesBeg(u"</font>", u"<font size=4>");
  EXPECT_TRUE(l.InCodesBeg(u"<font size=4>"));
  EXPECT_EQ(l.GetAllCodesBeg(), u"<font size=4>");
  l.ClearCodes();
  EXPECT_TRUE(l.codes().empty());
}

TEST(CodeLists, UnevenListsDoNotBreak) {
  // The host may push to one pending list only; nothing must read past the shorter one.
  CodeLists l;
  l.PushNext(u"</b>");
  l.PushNext(u"</li>");
  l.RemoveFromNext(u"</li>");
  l.PushNext(u"</li>");
  l.Next2Codes();
  EXPECT_EQ(l.codes().size(), 2u);
  EXPECT_EQ(l.GetAllCodesBeg(), u"");
  l.PushNextBeg(u"<i>");
  l.ClearNext(u"</x>");
  EXPECT_TRUE(l.next_beg().empty());
}

}  // namespace
}  // namespace orvane::rtf
