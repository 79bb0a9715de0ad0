#include "platform/os/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "core/error.h"
#include "testing/testing.h"

namespace orvane::os {
namespace {

using orvane::testing::read_file;
using orvane::testing::TempDir;
using orvane::testing::write_file;

Text U(const std::filesystem::path& p) { return from_utf8(p.string()); }

int32_t error_number(const std::function<void()>& f) {
  try {
    f();
  } catch (const VbError& e) {
    return e.number();
  }
  return 0;
}

size_t entries(const std::filesystem::path& dir) {
  size_t n = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir)) ++n;
  return n;
}

TEST(TempFolder, ComesFromTmpdirWithATrailingSeparator) {
  const char* old = std::getenv("TMPDIR");
  std::string saved = old ? old : "";
  setenv("TMPDIR", "/var/tmp/x", 1);
  EXPECT_EQ(temp_folder(), u"/var/tmp/x/");
  setenv("TMPDIR", "/var/tmp/y/", 1);
  EXPECT_EQ(temp_folder(), u"/var/tmp/y/");
  unsetenv("TMPDIR");
  EXPECT_EQ(temp_folder(), u"/tmp/");
  setenv("TMPDIR", "", 1);
  EXPECT_EQ(temp_folder(), u"/tmp/");
  if (old)
    setenv("TMPDIR", saved.c_str(), 1);
  else
    unsetenv("TMPDIR");
}

TEST(Files, ExistenceLengthAndDeletion) {
  TempDir d;
  auto f = d.path() / "relatório 1.txt";
  write_file(f, "12345");
  EXPECT_TRUE(file_exists(U(f)));
  EXPECT_FALSE(file_exists(U(d.path())));  // a folder is not a file
  EXPECT_TRUE(folder_exists(U(d.path())));
  EXPECT_FALSE(file_exists(u""));
  EXPECT_EQ(file_length(U(f)), 5);
  delete_file(U(f));
  EXPECT_FALSE(file_exists(U(f)));
  EXPECT_EQ(error_number([&] { file_length(U(f)); }), err::kFileNotFound);
  EXPECT_EQ(error_number([&] { delete_file(U(f)); }), err::kFileNotFound);
}

TEST(Files, CopyReplacesTheTargetWholeAndLeavesNoTemporaryName) {
  TempDir d;
  auto src = d.path() / "novo.pdf", dst = d.path() / "alvo.pdf";
  std::string big(300000, 'x');
  write_file(src, big);
  write_file(dst, "antigo");
  copy_file(U(src), U(dst));
  EXPECT_EQ(read_file(dst), big);
  EXPECT_EQ(read_file(src), big);
  EXPECT_EQ(entries(d.path()), 2u);
}

TEST(Files, FailedCopyKeepsTheOldTarget) {
  TempDir d;
  auto dst = d.path() / "alvo.pdf";
  write_file(dst, "antigo");
  EXPECT_EQ(error_number([&] { copy_file(U(d.path() / "falta.pdf"), U(dst)); }),
            err::kFileNotFound);
  EXPECT_EQ(error_number([&] { copy_file(U(dst), U(d.path() / "sem" / "x.pdf")); }),
            err::kPathNotFound);
  EXPECT_EQ(error_number([&] { copy_file(U(d.path()), U(dst)); }), err::kFileNotFound);
  EXPECT_EQ(read_file(dst), "antigo");
  EXPECT_EQ(entries(d.path()), 1u);
}

TEST(Files, CopyIntoAFolderThatCannotBeWrittenIsRefused) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempDir d;
  auto ro = d.path() / "ro";
  std::filesystem::create_directory(ro);
  write_file(d.path() / "a.txt", "a");
  write_file(ro / "a.txt", "old");
  chmod(ro.c_str(), 0555);
  EXPECT_EQ(error_number([&] { copy_file(U(d.path() / "a.txt"), U(ro / "a.txt")); }),
            err::kPermissionDenied);
  chmod(ro.c_str(), 0755);
  EXPECT_EQ(read_file(ro / "a.txt"), "old");
}

TEST(Files, CreateFolderMakesOneLevel) {
  TempDir d;
  auto f = d.path() / "Documentos Unidade";
  create_folder(U(f) + u"/");
  EXPECT_TRUE(folder_exists(U(f)));
  create_folder(U(f));  // already there: no failure
  EXPECT_EQ(error_number([&] { create_folder(U(d.path() / "a" / "b")); }), err::kPathNotFound);
  write_file(d.path() / "arquivo", "x");
  EXPECT_EQ(error_number([&] { create_folder(U(d.path() / "arquivo")); }), err::kPathFileAccess);
  EXPECT_EQ(error_number([&] { create_folder(u""); }), err::kPathNotFound);
}

}  // namespace
}  // namespace orvane::os
