#include "platform/os/shell.h"

#include <gtest/gtest.h>

#include "testing/testing.h"

namespace orvane::os {
namespace {

using orvane::testing::read_file;
using orvane::testing::TempDir;
using orvane::testing::write_file;

// An opener that writes the path it was given and the folder it ran in, then exits
// with `status`.
HostSettings recording_opener(const TempDir& d, int status = 0) {
  HostSettings s;
  std::string out = shell_quote(d.str() + "opened");
  s.opener_command = "sh -c 'printf \"%s|%s\" \"$1\" \"$(pwd)\" > " + out + "; exit " +
                     std::to_string(status) + "' opener";
  return s;
}

TEST(ShellOpen, HandsTheFileToTheOpenerInTheWorkingFolder) {
  TempDir d;
  std::string name = "contrato d'Ávila (1).pdf";
  write_file(d.path() / name, "%PDF");
  EXPECT_GE(shell_open(recording_opener(d), from_utf8(d.str() + name), from_utf8(d.str())), 32);
  EXPECT_EQ(read_file(d.path() / "opened"), d.str() + name + "|" + d.path().string());
}

TEST(ShellOpen, RelativeNamesAreFoundInTheWorkingFolder) {
  TempDir d;
  write_file(d.path() / "a.txt", "a");
  EXPECT_GE(shell_open(recording_opener(d), u"a.txt", from_utf8(d.path().string())), 32);
  EXPECT_EQ(read_file(d.path() / "opened"), d.str() + "a.txt|" + d.path().string());
}

TEST(ShellOpen, FailuresAreShellResultCodes) {
  TempDir d;
  write_file(d.path() / "a.txt", "a");
  Text file = from_utf8(d.str() + "a.txt");
  EXPECT_EQ(shell_open(recording_opener(d), from_utf8(d.str() + "falta.txt"), u""),
            shell::kFileNotFound);
  EXPECT_EQ(shell_open(recording_opener(d), u"", u""), shell::kFileNotFound);
  EXPECT_EQ(shell_open(recording_opener(d), file, from_utf8(d.str() + "sem-pasta")),
            shell::kPathNotFound);
  EXPECT_FALSE(std::filesystem::exists(d.path() / "opened"));  // nothing was run

  EXPECT_EQ(shell_open(recording_opener(d, 2), file, u""), shell::kFileNotFound);
  EXPECT_EQ(shell_open(recording_opener(d, 4), file, u""), shell::kNoAssociation);
  HostSettings missing;
  missing.opener_command = "/nonexistent/opener";
  EXPECT_EQ(shell_open(missing, file, u""), shell::kFileNotFound);
}

TEST(RunDetached, ReportsTheExitStatusOrThatItIsStillRunning) {
  EXPECT_EQ(run_detached("exit 0", "", 5000), 0);
  EXPECT_EQ(run_detached("exit 7", "", 5000), 7);
  EXPECT_EQ(run_detached("sleep 5", "", 100), kStillRunning);
}

}  // namespace
}  // namespace orvane::os
