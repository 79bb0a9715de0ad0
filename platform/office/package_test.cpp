#include "platform/office/package.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

#include <filesystem>

#include "core/error.h"
#include "testing/testing.h"

namespace orvane::office {
namespace {

using testing::TempDir;

// Builds a zip from (name, data, stored) triples with libzip directly.
void make_zip(const std::string& path,
              const std::vector<std::tuple<std::string, std::string, bool>>& parts) {
  int err = 0;
  zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
  ASSERT_NE(z, nullptr);
  std::vector<std::string> keep;
  keep.reserve(parts.size());
  for (auto& [name, data, stored] : parts) {
    keep.push_back(data);
    zip_source_t* s = zip_source_buffer(z, keep.back().data(), keep.back().size(), 0);
    zip_int64_t i = zip_file_add(z, name.c_str(), s, ZIP_FL_ENC_UTF_8);
    zip_set_file_compression(z, i, stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 9);
  }
  ASSERT_EQ(zip_close(z), 0);
}

// The raw local-header bytes of each entry, to compare compressed data across saves.
std::string raw_entry(const std::string& path, const std::string& name) {
  int err = 0;
  zip_t* z = zip_open(path.c_str(), ZIP_RDONLY, &err);
  zip_stat_t st;
  zip_stat(z, name.c_str(), 0, &st);
  zip_file_t* f = zip_fopen(z, name.c_str(), ZIP_FL_COMPRESSED);
  std::string data(st.comp_size, '\0');
  zip_fread(f, data.data(), data.size());
  zip_fclose(f);
  zip_discard(z);
  return data;
}

int throws_number(const std::function<void()>& f) {
  try {
    f();
  } catch (const VbError& e) {
    return e.number();
  }
  return 0;
}

TEST(Package, KeepsUntouchedPartsAndPutsMimetypeFirst) {
  TempDir dir;
  std::string src = dir.str() + "a.odt", dst = dir.str() + "b.odt";
  std::string big(50000, 'x');
  for (size_t i = 0; i < big.size(); i += 7) big[i] = static_cast<char>('a' + i % 26);
  make_zip(src, {{"content.xml", "<a>old</a>", false},
                 {"Pictures/p.png", big, false},
                 {"mimetype", "application/vnd.oasis.opendocument.text", false}});
  Package p = Package::open(src);
  EXPECT_EQ(p.read("content.xml"), "<a>old</a>");
  p.write("content.xml", "<a>new</a>");
  p.write("added.xml", "<b/>");
  p.save(dst, /*odf=*/true);

  EXPECT_EQ(raw_entry(dst, "Pictures/p.png"), raw_entry(src, "Pictures/p.png"));
  Package q = Package::open(dst);
  auto names = q.names();
  ASSERT_EQ(names.front(), "mimetype");
  EXPECT_EQ(q.read("content.xml"), "<a>new</a>");
  EXPECT_EQ(q.read("added.xml"), "<b/>");
  EXPECT_EQ(q.read("Pictures/p.png"), big);
  // mimetype must be stored and start right after the first local header (offset 38).
  std::string bytes = testing::read_file(dst);
  EXPECT_EQ(bytes.substr(30, 8), "mimetype");
  EXPECT_EQ(bytes.substr(38, 39), "application/vnd.oasis.opendocument.text");
  struct stat st {};
  ASSERT_EQ(stat(dst.c_str(), &st), 0);
  EXPECT_NE(st.st_mode & S_IRGRP, 0u) << "saved file keeps a normal mode";
}

TEST(Package, BadInputRaisesClearErrors) {
  TempDir dir;
  std::string junk = dir.str() + "junk.docx";
  testing::write_file(junk, "this is not a zip file at all, just text");
  try {
    Package::open(junk);
    FAIL();
  } catch (const VbError& e) {
    EXPECT_NE(to_utf8(e.description()).find("junk.docx"), std::string::npos);
  }
  EXPECT_NE(throws_number([&] { Package::open(dir.str() + "missing.docx"); }), 0);

  std::string ok = dir.str() + "ok.docx";
  make_zip(ok, {{"word/document.xml", "<x/>", false}});
  Package p = Package::open(ok);
  EXPECT_NE(throws_number([&] { p.read("word/styles.xml"); }), 0);

  // A truncated archive is refused, not half read.
  std::string cut = dir.str() + "cut.docx";
  std::string whole = testing::read_file(ok);
  testing::write_file(cut, whole.substr(0, whole.size() - 30));
  EXPECT_NE(throws_number([&] { Package::open(cut).read("word/document.xml"); }), 0);
}

TEST(Package, ZipBombIsRefusedAtTheCap) {
  TempDir dir;
  std::string bomb = dir.str() + "bomb.docx";
  make_zip(bomb, {{"word/document.xml", std::string(8 << 20, '\0'), false}});
  EXPECT_LT(std::filesystem::file_size(bomb), 100000u);
  PackageLimits small;
  small.max_part_size = 1 << 20;
  Package p = Package::open(bomb, small);
  try {
    p.read("word/document.xml");
    FAIL();
  } catch (const VbError& e) {
    EXPECT_NE(to_utf8(e.description()).find("excede"), std::string::npos);
  }
}

TEST(Package, FailedSaveLeavesTheTargetAndNoLitter) {
  TempDir dir;
  std::string src = dir.str() + "a.docx";
  make_zip(src, {{"word/document.xml", "<x/>", false}});
  Package p = Package::open(src);
  EXPECT_NE(throws_number([&] { p.save(dir.str() + "no/such/folder/b.docx", false); }), 0);

  std::filesystem::create_directory(dir.path() / "ro");
  std::string target = dir.str() + "ro/b.docx";
  testing::write_file(target, "previous");
  chmod((dir.str() + "ro").c_str(), 0555);
  if (geteuid() != 0) {  // root writes anywhere
    EXPECT_NE(throws_number([&] { p.save(target, false); }), 0);
    EXPECT_EQ(testing::read_file(target), "previous");
  }
  chmod((dir.str() + "ro").c_str(), 0755);
  p.save(target, false);
  EXPECT_EQ(Package::open(target).read("word/document.xml"), "<x/>");
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path() / "ro")) files += e.exists();
  EXPECT_EQ(files, 1) << "no temporary file left beside the target";
}

}  // namespace
}  // namespace orvane::office
