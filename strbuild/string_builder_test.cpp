#include "strbuild/string_builder.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "testing/testing.h"

namespace orvane::strbuild {
namespace {

int error_of(auto&& statement) {
  try {
    statement();
  } catch (const VbError& e) {
    return e.number();
  }
  return 0;
}

TEST(StringBuilder, CapacityGrowsByWholeChunks) {
  cStringBuilder b;
  EXPECT_EQ(b.Length(), 0);
  EXPECT_EQ(b.Capacity(), 0);
  EXPECT_EQ(b.ChunkSize(), 8192);
  b.Append(u"abc");
  EXPECT_EQ(b.Length(), 3);
  EXPECT_EQ(b.Capacity(), 8192);

  cStringBuilder big;
  big.Append(Text(10000, u'x'));
  EXPECT_EQ(big.Capacity(), 16384);
  // Exactly full does not grow; one more character adds one chunk.
  big.Append(Text(6384, u'y'));
  EXPECT_EQ(big.Length(), 16384);
  EXPECT_EQ(big.Capacity(), 16384);
  big.Append(u"z");
  EXPECT_EQ(big.Capacity(), 24576);
  big.Append(u"");
  EXPECT_EQ(big.Length(), 16385);

  cStringBuilder small;
  small.SetChunkSize(10);
  EXPECT_EQ(small.ChunkSize(), 10);
  small.AppendNL(u"abcdefghi");  // 11 characters with the CR LF
  EXPECT_EQ(small.toString(), u"abcdefghi\r\n");
  EXPECT_EQ(small.Capacity(), 20);
}

TEST(StringBuilder, ManyPiecesKeepTheTextAndTheChunkRule) {
  cStringBuilder b;
  Text expected;
  for (int i = 0; i < 20000; ++i) {
    Text piece(static_cast<size_t>(1 + i % 37), static_cast<char16_t>(u'a' + i % 26));
    b.Append(piece);
    expected += piece;
  }
  EXPECT_EQ(b.str(), expected);
  const int32_t chunks = (b.Length() + 8191) / 8192;
  EXPECT_EQ(b.Capacity(), chunks * 8192);
}

TEST(StringBuilder, TheStringClearAndHeapMinimize) {
  cStringBuilder b;
  b.Append(Text(30000, u'a'));
  EXPECT_EQ(b.Capacity(), 32768);
  b.SetTheString(u"short");
  EXPECT_EQ(b.toString(), u"short");
  EXPECT_EQ(b.Capacity(), 32768);  // already covers the value
  b.HeapMinimize();
  EXPECT_EQ(b.Capacity(), 8192);
  EXPECT_EQ(b.toString(), u"short");

  b.SetTheString(Text(9000, u'q'));
  EXPECT_EQ(b.Capacity(), 16384);
  b.SetTheString(u"");
  EXPECT_EQ(b.Capacity(), 0);
  EXPECT_EQ(b.Length(), 0);

  b.Append(u"abc");
  b.Clear();
  EXPECT_EQ(b.toString(), u"");
  EXPECT_EQ(b.Capacity(), 0);
}

TEST(StringBuilder, InsertAndRemoveCheckTheirRange) {
  cStringBuilder b;
  b.Append(u"abc");
  b.Insert(0, u"x");
  EXPECT_EQ(b.toString(), u"xabc");
  b.SetTheString(u"abc");
  b.Insert(3, u"x");
  EXPECT_EQ(b.toString(), u"abcx");
  b.SetTheString(u"abc");
  EXPECT_EQ(error_of([&] { b.Insert(4, u"x"); }), 9);
  EXPECT_EQ(error_of([&] { b.Insert(-1, u"x"); }), 9);
  EXPECT_EQ(b.toString(), u"abc");

  b.Remove(1, 1);
  EXPECT_EQ(b.toString(), u"ac");
  b.SetTheString(u"abc");
  EXPECT_EQ(error_of([&] { b.Remove(2, 2); }), 9);
  EXPECT_EQ(error_of([&] { b.Remove(-1, 1); }), 9);
  EXPECT_EQ(error_of([&] { b.Remove(0, -1); }), 9);
  EXPECT_EQ(b.toString(), u"abc");
  b.Remove(0, 3);
  EXPECT_EQ(b.toString(), u"");
  EXPECT_EQ(b.Capacity(), 8192);  // removing keeps the capacity
}

TEST(StringBuilder, FindLooksOnlyAtTheText) {
  cStringBuilder b;
  b.Append(u"abc");
  EXPECT_EQ(b.Find(u"c"), 3);
  EXPECT_EQ(b.Find(u"C"), 3);
  EXPECT_EQ(b.Find(u"C", 1, 0), 0);
  EXPECT_EQ(b.Find(u" "), 0);
  EXPECT_EQ(b.Find(u"c "), 0);
  EXPECT_EQ(b.Find(u"a", 2), 0);
  EXPECT_EQ(b.Find(u"a", -5), 1);
  EXPECT_EQ(b.Find(u"b", 9), 0);
  b.Append(u"ÇÃO abc");
  EXPECT_EQ(b.Find(T("ção")), 4);
  EXPECT_EQ(b.Find(u"abc", 2), 8);
}

TEST(StringBuilder, ChunkSizeAndOverflow) {
  cStringBuilder b;
  EXPECT_EQ(error_of([&] { b.SetChunkSize(0); }), 5);
  EXPECT_EQ(error_of([&] { b.SetChunkSize(-3); }), 5);
  EXPECT_EQ(error_of([&] { b.SetChunkSize(1073741824); }), 6);
  b.SetChunkSize(1073741823);
  EXPECT_EQ(b.ChunkSize(), 1073741823);
  // The first chunk alone (2^31 - 2 bytes) still fits in 32 bits; a second does not.
  b.Append(u"a");
  EXPECT_EQ(b.Capacity(), 1073741823);
  EXPECT_EQ(b.toString(), u"a");
}

TEST(StringBuilder, OneInstanceThroughTheCommandLine) {
  auto r = testing::run_command(
      testing::orvane_bin() +
      " call cStringBuilder Length --then Capacity --then ChunkSize --then Append abc"
      " --then Length --then Capacity --then Insert 0 x --then toString"
      " --then Insert 4 y --then toString --then Remove 2 2 --then toString"
      " --then Find C --then Find C 1 0 --then let TheString 'hello world'"
      " --then HeapMinimize --then Capacity --then Clear --then toString --then Length"
      " --then Remove 0 1");
  EXPECT_EQ(r.status, 3) << r.err;
  EXPECT_EQ(r.out, "0\n0\n8192\n3\n8192\nxabc\nxabcy\nxay\n0\n0\n8192\n\n0\n");
  EXPECT_NE(r.err.find("error 9"), std::string::npos) << r.err;

  auto j = testing::run_command(testing::orvane_bin() +
                                " call --json cStringBuilder let ChunkSize 0 --then Length");
  EXPECT_EQ(j.status, 3);
  EXPECT_NE(j.out.find(R"("error":{"number":5)"), std::string::npos) << j.out;
  EXPECT_EQ(j.out.find("Length"), std::string::npos);  // later calls do not run
}

}  // namespace
}  // namespace orvane::strbuild
