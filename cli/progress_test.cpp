// Progress of a batch: the plain lines a log gets and the bar a terminal gets.
#include "cli/progress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace orvane::cli {
namespace {

TEST(ProgressBar, CountsRateAndTimeLeft) {
  std::string bar = progress_bar(10, 40, 5.0, 80, 10);
  EXPECT_EQ(bar.size(), 79u) << bar;  // the width less one column: no wrap at the edge
  EXPECT_NE(bar.find("  10/40  2.0/s  0:15 left"), std::string::npos) << bar;
  size_t filled = std::count(bar.begin(), bar.end(), '#');
  size_t empty = std::count(bar.begin(), bar.end(), '.') - 1;  // the rate's point
  EXPECT_EQ(filled * 3, empty) << bar;                         // a quarter done
  EXPECT_NE(progress_bar(0, 40, 0, 80, 0).find("0/40  -.-/s  -:-- left"), std::string::npos);
  EXPECT_NE(progress_bar(40, 40, 80, 80, 40).find("40/40  30.0/min  0:00 left"), std::string::npos);
  // Keys refused at once are done but say nothing of the rate.
  EXPECT_NE(progress_bar(12, 40, 4, 80, 2).find("12/40  30.0/min  0:56 left"), std::string::npos);
  EXPECT_EQ(format_duration(3725), "1:02:05");
  EXPECT_EQ(format_duration(59.6), "1:00");
}

TEST(Progress, PlainLinesWhenNotATerminal) {
  std::ostringstream err;
  {
    Progress p(err, 12, false);
    p.document("trip 501: 1 page", false);
    p.note("interrupted");
    p.document("trip 999: FAILED: no trip", true);
  }
  EXPECT_EQ(err.str(),
            "[ 1/12] trip 501: 1 page\ninterrupted\n[ 2/12] trip 999: FAILED: no trip\n");
}

TEST(Progress, TerminalRedrawsOneBarAndKeepsFailuresAbove) {
  std::ostringstream err;
  Progress p(err, 4, true, 60);
  p.document("trip 501: 1 page", false);
  p.document("trip 999: FAILED: no trip", true);
  p.finish();
  std::string s = err.str();
  EXPECT_EQ(s.find("trip 501"), std::string::npos) << "successes only move the bar";
  size_t failure = s.find("trip 999: FAILED: no trip\n");
  ASSERT_NE(failure, std::string::npos);
  EXPECT_EQ(s.substr(failure - 4, 4), "\r\033[K") << "the bar is cleared before the line";
  EXPECT_NE(s.find("2/4", failure), std::string::npos) << "and drawn again below it";
  EXPECT_EQ(s.find('\n', failure + 26), std::string::npos) << "the bar never scrolls";
  EXPECT_EQ(s.substr(s.size() - 4), "\r\033[K") << "finish() leaves a clean line";
}

}  // namespace
}  // namespace orvane::cli
