// ConvertToPDF when the output cannot be written: a folder that is a regular file, a
// disk that fills up half way. The error reaches the caller and no partial file stays
// where the output was to be, nor in place of an older one.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/error.h"
#include "testing/faults.h"
#include "testing/testing.h"
#include "textpdf/gera_pdf.h"

namespace orvane::textpdf {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::write_file;

std::string long_text() {
  std::string s;
  for (int i = 0; i < 6000; ++i) s += "Linha " + std::to_string(i) + " do relatório de frota\r\n";
  return s;
}

// "Disk full", raised when a write fails for lack of space.
constexpr int32_t kDiskFull = 61;

int32_t convert_error(GeraPDF& pdf, const fs::path& in, const fs::path& out) {
  try {
    pdf.ConvertToPDF(from_utf8(in.string()), from_utf8(out.string()));
  } catch (const VbError& e) {
    return e.number();
  }
  return 0;
}

TEST(GeraPdfFaults, OutputFolderThatIsAFile) {
  testing::RecordingContext rc;
  testing::TempDir dir;
  write_file(dir.path() / "in.txt", "texto\r\n");
  write_file(dir.path() / "pasta", "not a folder");
  GeraPDF pdf(rc.ctx);
  EXPECT_EQ(convert_error(pdf, dir.path() / "in.txt", dir.path() / "pasta" / "out.pdf"),
            err::kPathNotFound);
  EXPECT_EQ(read_file(dir.path() / "pasta"), "not a folder");
  EXPECT_EQ(read_file(dir.path() / "in.txt"), "texto\r\n");
}

TEST(GeraPdfFaults, FullDiskLeavesNoPartialOutput) {
  testing::TempDir dir;
  testing::SmallTmpfs disk(dir.path() / "disk", 64);
  if (!disk.ok()) GTEST_SKIP() << disk.why();
  testing::RecordingContext rc;
  write_file(dir.path() / "in.txt", long_text());
  GeraPDF pdf(rc.ctx);
  const fs::path out = dir.path() / "disk" / "out.pdf";
  EXPECT_EQ(convert_error(pdf, dir.path() / "in.txt", out), kDiskFull);
  EXPECT_FALSE(fs::exists(out));
  // The disk holds an older, good output: it survives a conversion that does not fit.
  write_file(out, "%PDF-1.2 old");
  const int32_t e = convert_error(pdf, dir.path() / "in.txt", out);
  EXPECT_EQ(e, kDiskFull);
  EXPECT_EQ(read_file(out), "%PDF-1.2 old");
  EXPECT_TRUE(rc.sink->messages().empty());
}

}  // namespace
}  // namespace orvane::textpdf
