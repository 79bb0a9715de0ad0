// Helpers shared by the tests: a scratch folder removed at the end, a context that
// records messages, and the path of the orvane command.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/context.h"

namespace orvane::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

// Points TMPDIR elsewhere with point_at(); puts back what it was when the object goes.
class TmpdirOverride {
 public:
  TmpdirOverride();
  ~TmpdirOverride();
  TmpdirOverride(const TmpdirOverride&) = delete;
  TmpdirOverride& operator=(const TmpdirOverride&) = delete;
  void point_at(const std::string& dir);

 private:
  std::optional<std::string> saved_;
};

struct RecordingContext {
  std::shared_ptr<ui::RecordingSink> sink = std::make_shared<ui::RecordingSink>();
  ContextPtr ctx;
  explicit RecordingContext(HostSettings settings = {},
                            Date now = Date::from_parts(2026, 12, 5, 10, 30, 0));
};

// The orvane command built with the tests.
std::string orvane_bin();

struct RunResult {
  int status = -1;
  std::string out, err;
};
// Runs a command line through /bin/sh and captures its output.
RunResult run_command(const std::string& command_line);

// A fresh demo database, dir/demo.db, with the units' document and file folders under dir.
std::filesystem::path demo_database(const TempDir& dir);

std::string read_file(const std::filesystem::path& p);
void write_file(const std::filesystem::path& p, std::string_view data);

}  // namespace orvane::testing
