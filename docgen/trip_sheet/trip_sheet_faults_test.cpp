// The trip sheet when its surroundings fail half way: the database loses a table or its
// connection, the temporary folder cannot be written or fills up. Each ends in one
// message box and an empty result; nothing is left half-written where a result would
// be, and the host's template is never harmed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "demo/demo_db.h"
#include "docgen/trip_sheet/trip_sheet.h"
#include "platform/db/db.h"
#include "testing/faults.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

namespace fs = std::filesystem;
using orvane::testing::read_file;
using orvane::testing::TempDir;
using orvane::testing::write_file;

const fs::path kTemplates = fs::path(ORVANE_BINARY_DIR) / "demo" / "templates";
const std::string kTemplate = "Ficha de Deslocamento";

// ctest runs every test in its own process, so each may point TMPDIR where it likes.
class TripSheetFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kTemplates / (kTemplate + ".odt"))) GTEST_SKIP() << "templates not built";
    db_ = dir_.str() + "demo.db";
    demo::write_demo_database(db_, dir_.path());
    fs::create_directories(dir_.path() / "modelos");
    for (const char* ext : {".docx", ".odt"})
      fs::copy_file(kTemplates / (kTemplate + ext), dir_.path() / "modelos" / (kTemplate + ext));
    set_tmp(dir_.path() / "tmp");
  }
  void set_tmp(const fs::path& p) {
    fs::create_directories(p.parent_path());
    if (!fs::exists(p) || fs::is_directory(p)) fs::create_directories(p);
    tmpdir_.point_at(p.string() + "/");
  }

  struct Run {
    Text result;
    std::vector<ui::Message> messages;
  };
  Run run(const Variant& conn, orvane::testing::RecordingContext& rec, const std::string& ext) {
    Text layout = from_utf8(dir_.str() + "modelos/" + kTemplate + ext);
    Run r;
    r.result = GeraDeslocamentoViatura(rec.ctx, conn, 301, 1, 501, layout, false, 0);
    r.messages = rec.sink->messages();
    return r;
  }
  Run run(const std::string& ext) {
    orvane::testing::RecordingContext rec;
    return run(db::as_variant(db::open_connection(from_utf8(db_), rec.ctx)), rec, ext);
  }

  // One critical message box and no result.
  static void expect_reported(const Run& r) {
    EXPECT_EQ(r.result, u"");
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].style, 16);
    EXPECT_EQ(r.messages[0].title, u"Orvane");
  }
  void expect_templates_intact() {
    for (const char* ext : {".docx", ".odt"})
      EXPECT_EQ(read_file(dir_.path() / "modelos" / (kTemplate + ext)),
                read_file(kTemplates / (kTemplate + ext)));
  }
  // No PDF, whole or partial, in the temporary folder.
  static void expect_no_pdf(const fs::path& tmp) {
    if (!fs::is_directory(tmp)) return;
    for (const auto& e : fs::recursive_directory_iterator(tmp))
      EXPECT_NE(e.path().extension(), ".pdf") << e.path();
  }

  orvane::testing::TmpdirOverride tmpdir_;
  TempDir dir_;
  std::string db_;
};

TEST_F(TripSheetFaults, MissingTableMidway) {
  // The trip and vehicle are read; the driver's table is gone.
  db::open_connection(from_utf8(db_))->execute(u"Drop Table Condutores");
  for (const char* ext : {".odt", ".docx"}) {
    Run r = run(ext);
    expect_reported(r);
    expect_no_pdf(dir_.path() / "tmp");
  }
  expect_templates_intact();
}

TEST_F(TripSheetFaults, ClosedConnection) {
  orvane::testing::RecordingContext rec;
  db::ConnectionPtr conn = db::open_connection(from_utf8(db_), rec.ctx);
  conn->close();
  Run r = run(db::as_variant(conn), rec, ".odt");
  expect_reported(r);
  expect_no_pdf(dir_.path() / "tmp");
  expect_templates_intact();
}

TEST_F(TripSheetFaults, TemporaryFolderThatIsAFile) {
  // Root ignores permission bits, so the folder is made unusable by being a file.
  write_file(dir_.path() / "not-a-folder", "x");
  tmpdir_.point_at(dir_.str() + "not-a-folder/tmp/");
  Run r = run(".odt");
  expect_reported(r);
  EXPECT_EQ(read_file(dir_.path() / "not-a-folder"), "x");
  expect_templates_intact();
}

// LibreOffice in this process would end it on a full disk; the conversion must fail as
// a conversion instead.
TEST_F(TripSheetFaults, FullTemporaryFolder) {
  // Room for the working copy of the template, not for the converted document.
  testing::SmallTmpfs disk(dir_.path() / "small", 160);
  if (!disk.ok()) GTEST_SKIP() << disk.why();
  set_tmp(dir_.path() / "small" / "tmp");
  Run r = run(".odt");
  for (auto& m : r.messages) std::cerr << "MSG " << to_utf8(m.text) << "\n";
  if (r.result.empty()) {
    expect_reported(r);
    expect_no_pdf(dir_.path() / "small");
  } else {
    // It fitted after all: then it is a whole PDF.
    const std::string pdf = read_file(to_utf8(r.result));
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
  }
  expect_templates_intact();
}

}  // namespace
}  // namespace orvane::docgen
