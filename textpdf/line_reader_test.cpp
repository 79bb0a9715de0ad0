#include "textpdf/line_reader.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text.h"
#include "testing/testing.h"

namespace orvane::textpdf {
namespace {

std::vector<std::string> read_lines(const std::string& bytes, size_t chunk) {
  testing::TempDir dir;
  auto path = dir.path() / "in.txt";
  testing::write_file(path, bytes);
  LineReader r(::open(path.c_str(), O_RDONLY), chunk);
  std::vector<std::string> lines;
  std::string_view line;
  while (r.next(line)) lines.emplace_back(line);
  return lines;
}

TEST(LineReader, LineEndsWhereverTheReadsFall) {
  const std::string text = "one\r\ntwo\rthree\nfour\r\n\r\nsix\n\n\r\r\nlast";
  const std::vector<std::string> want = {"one", "two", "three", "four", "",
                                         "six", "",    "",      "",     "last"};
  // Chunks of every small size put CR, LF and CR LF across read boundaries.
  for (size_t chunk : {1, 2, 3, 4, 5, 7, 64, 65536})
    EXPECT_EQ(read_lines(text, chunk), want) << chunk;
}

TEST(LineReader, AnEndAtTheEndStartsNoLine) {
  EXPECT_EQ(read_lines("a\r\n", 2), (std::vector<std::string>{"a"}));
  EXPECT_EQ(read_lines("a\r", 1), (std::vector<std::string>{"a"}));
  EXPECT_EQ(read_lines("a\n\n", 1), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(read_lines("", 4), (std::vector<std::string>{}));
  // A long line that spans many reads comes back whole.
  std::string long_line(10000, 'x');
  EXPECT_EQ(read_lines(long_line + "\r\nz", 100), (std::vector<std::string>{long_line, "z"}));
}

TEST(LineReader, DecodesUtf8ElseTakesWindows1252) {
  // UTF-8 lines (with a byte order mark at the start of the file) and a Windows-1252 line.
  auto lines = read_lines(
      "\xEF\xBB\xBF"
      "ação €\r\nna\xE7\xE3o \x80\r\n\xEF\xBB\xBFx",
      3);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "a\xE7\xE3o \x80");
  EXPECT_EQ(lines[1], "na\xE7\xE3o \x80");
  EXPECT_EQ(lines[2], "?x");  // a mark inside the file is a character like any other
}

TEST(LineReader, Utf8ToCp1252MatchesTheLibraryConversion) {
  for (std::string s : {"plain", "ação – “aspas” … œ Ÿ", "日本 and ☃", "emoji 😀!",
                        "\xC2\x81\xC2\xA0\xC2\xBF\xC3\x80\xC3\xBF"}) {
    std::string out;
    ASSERT_TRUE(utf8_to_cp1252(s, out)) << s;
    EXPECT_EQ(out, to_cp1252(from_utf8(s))) << s;
  }
  // Invalid forms: a lone continuation byte, a cut sequence, an overlong '/', a
  // surrogate, a value past U+10FFFF.
  for (std::string s : {"\x80", "a\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
    std::string out;
    EXPECT_FALSE(utf8_to_cp1252(s, out)) << s;
  }
}

}  // namespace
}  // namespace orvane::textpdf
