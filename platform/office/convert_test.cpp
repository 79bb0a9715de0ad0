// Conversions whose LibreOffice dies or fails under them: the call fails with a reason
// (or is done again in a child soffice), the file at the target path stays as it was,
// and the next conversion works.
#include "platform/office/convert.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "core/error.h"
#include "platform/office/testdocs.h"
#include "testing/faults.h"
#include "testing/testing.h"

namespace orvane::office {
namespace {

namespace fs = std::filesystem;
using orvane::testing::read_file;
using orvane::testing::TempDir;
using orvane::testing::write_file;
using testdocs::pdf_text;
using testdocs::write_odt;

// Process groups of the running processes whose command line mentions `marker` (and
// `program`, when given).
std::vector<pid_t> groups_mentioning(const std::string& marker, const std::string& program = "") {
  std::vector<pid_t> groups;
  DIR* proc = opendir("/proc");
  if (!proc) return groups;
  while (dirent* e = readdir(proc)) {
    pid_t pid = static_cast<pid_t>(std::atoi(e->d_name));
    if (pid <= 0 || pid == getpid()) continue;
    std::ifstream f("/proc/" + std::string(e->d_name) + "/cmdline", std::ios::binary);
    std::stringstream cmd;
    cmd << f.rdbuf();
    if (cmd.str().find(marker) == std::string::npos || cmd.str().find(program) == std::string::npos)
      continue;
    pid_t group = getpgid(pid);
    if (group > 0 && group != getpgrp()) groups.push_back(group);
  }
  closedir(proc);
  return groups;
}

class Conversion : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!libreoffice_installed()) GTEST_SKIP() << "LibreOffice is not installed";
    // ctest runs each test in its own process: the temporary folder is this test's own,
    // so its path marks the LibreOffice processes this test starts.
    tmp_ = dir_.path() / "tmp";
    fs::create_directories(tmp_);
    tmpdir_.point_at(tmp_);
    std::string body;
    for (int i = 0; i < 400; ++i)
      body += "<text:p>Linha " + std::to_string(i) + " do documento de teste.</text:p>";
    input_ = dir_.str() + "entrada.odt";
    write_odt(input_, body);
    target_ = dir_.str() + "saida.pdf";
    write_file(target_, "o arquivo anterior");
  }

  orvane::testing::TmpdirOverride tmpdir_;
  TempDir dir_;
  fs::path tmp_;
  std::string input_, target_;
};

TEST_F(Conversion, LibreOfficeKilledMidwayFailsAndKeepsTheTarget) {
  std::atomic<bool> done{false};
  std::string error;
  int32_t number = 0;
  std::thread convert([&] {
    try {
      convert_with_soffice(input_, target_, Format::Pdf);
    } catch (const VbError& e) {
      number = e.number();
      error = to_utf8(e.description());
    }
    done = true;
  });
  // Once LibreOffice proper (soffice.bin) is at work, kill the program the converter
  // started, as an operator's `kill -9` would; what that program started in turn is
  // left for the converter to end.
  bool killed = false;
  while (!done && !killed) {
    for (pid_t group : groups_mentioning(tmp_.string(), "soffice.bin")) {
      ::kill(group, SIGKILL);  // the group's leader
      killed = true;
    }
    if (!killed) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  convert.join();
  ASSERT_TRUE(killed) << "the conversion ended before it could be killed";
  EXPECT_EQ(number, 4198);
  EXPECT_NE(error.find("O LibreOffice não conseguiu converter " + input_), std::string::npos)
      << error;
  EXPECT_EQ(read_file(target_), "o arquivo anterior");
  // Nothing but the input and the old target in the target's folder.
  for (const auto& e : fs::directory_iterator(dir_.path())) {
    if (!e.is_regular_file()) continue;
    EXPECT_TRUE(e.path().string() == input_ || e.path().string() == target_) << e.path();
  }
  // A killed process lingers a moment in /proc while the kernel ends it.
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!groups_mentioning(tmp_.string()).empty() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_TRUE(groups_mentioning(tmp_.string()).empty()) << "a killed converter left processes";

  // The next conversion is not hindered by what the killed one left behind.
  convert_with_soffice(input_, target_, Format::Pdf);
  EXPECT_EQ(read_file(target_).rfind("%PDF", 0), 0u);
  EXPECT_NE(pdf_text(target_).find("Linha 399"), std::string::npos);
}

TEST_F(Conversion, FullTemporaryFolderFailsWithoutEndingTheProcess) {
  testing::SmallTmpfs disk(tmp_, 256);
  if (!disk.ok()) GTEST_SKIP() << disk.why();
  try {
    convert_document(input_, target_, Format::Pdf);
    // It fitted after all: then the target is a whole PDF.
    EXPECT_NE(read_file(target_).find("%%EOF"), std::string::npos);
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 4198);
    EXPECT_EQ(read_file(target_), "o arquivo anterior");
  }
  // Started on a full disk, LibreOffice would have been started in this process.
  EXPECT_FALSE(in_process_converter_running());
}

// Watches, while `work` runs, for a LibreOffice process whose command line mentions
// `marker`: true when one ran.
template <typename F>
bool soffice_ran_during(const std::string& marker, F work) {
  std::atomic<bool> done{false}, seen{false};
  std::thread watch([&] {
    while (!done && !seen) {
      if (!groups_mentioning(marker, "soffice.bin").empty()) seen = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  });
  work();
  done = true;
  watch.join();
  return seen;
}

TEST_F(Conversion, AFailedInProcessConversionIsDoneInAChildAndSoAreTheLaterOnes) {
  std::string other = dir_.str() + "outro.odt";
  write_odt(other, "<text:p>Outro documento</text:p>");
  std::string pdf = dir_.str() + "primeiro.pdf";
  EXPECT_FALSE(
      soffice_ran_during(tmp_.string(), [&] { convert_document(other, pdf, Format::Pdf); }));
  ASSERT_TRUE(in_process_converter_running()) << "LibreOffice did not start in-process";
  EXPECT_NE(pdf_text(pdf).find("Outro documento"), std::string::npos);

  testing_hooks::fail_next_in_process_conversion();
  EXPECT_TRUE(
      soffice_ran_during(tmp_.string(), [&] { convert_document(input_, target_, Format::Pdf); }));
  EXPECT_FALSE(in_process_converter_running());
  EXPECT_NE(pdf_text(target_).find("Linha 399"), std::string::npos);
  // Later conversions, of any format, go to a child too and work.
  std::string docx = dir_.str() + "depois.docx";
  EXPECT_TRUE(
      soffice_ran_during(tmp_.string(), [&] { convert_document(other, docx, Format::Docx); }));
  EXPECT_NE(testdocs::document_text(docx).find("Outro documento"), std::string::npos);
  EXPECT_TRUE(soffice_ran_during(tmp_.string(), [&] { convert_document(docx, pdf, Format::Pdf); }));
  EXPECT_NE(pdf_text(pdf).find("Outro documento"), std::string::npos);
}

TEST_F(Conversion, ADocumentWithCommentsGoesToAChildAndTheConverterStays) {
  std::string pdf = dir_.str() + "primeiro.pdf";
  convert_document(input_, pdf, Format::Pdf);
  ASSERT_TRUE(in_process_converter_running());
  std::string commented = dir_.str() + "comentado.odt";
  write_odt(commented,
            "<text:p>Texto <office:annotation><dc:creator>Revisor</dc:creator><text:p>Ver "
            "cláusula</text:p></office:annotation>comentado.</text:p>");
  // A PDF asked for with its comments carries them as PDF comments.
  EXPECT_TRUE(soffice_ran_during(
      tmp_.string(), [&] { convert_document(commented, target_, Format::PdfWithComments); }));
  EXPECT_NE(pdf_text(target_).find("Texto comentado."), std::string::npos);
  EXPECT_TRUE(testdocs::pdf_has_comment(target_, "Ver cláusula"));
  // The in-process converter was not asked to load it, and still serves.
  EXPECT_TRUE(in_process_converter_running());
  EXPECT_FALSE(soffice_ran_during(tmp_.string(),
                                  [&] { convert_document(input_, pdf, Format::PdfWithComments); }));
  EXPECT_EQ(read_file(pdf).find("/Subtype /Text"), std::string::npos);
}

}  // namespace
}  // namespace orvane::office
