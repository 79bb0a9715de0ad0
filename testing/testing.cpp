#include "testing/testing.h"

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "demo/demo_db.h"

namespace orvane::testing {

TempDir::TempDir() {
  auto base = std::filesystem::temp_directory_path();
  std::random_device rd;
  for (int i = 0; i < 100; ++i) {
    auto p = base / ("orvane-test-" + std::to_string(getpid()) + "-" + std::to_string(rd()));
    if (std::filesystem::create_directory(p)) {
      path_ = p;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TmpdirOverride::TmpdirOverride() {
  if (const char* t = std::getenv("TMPDIR")) saved_ = t;
}

TmpdirOverride::~TmpdirOverride() {
  if (saved_)
    setenv("TMPDIR", saved_->c_str(), 1);
  else
    unsetenv("TMPDIR");
}

void TmpdirOverride::point_at(const std::string& dir) { setenv("TMPDIR", dir.c_str(), 1); }

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

RecordingContext::RecordingContext(HostSettings settings, Date now) {
  ctx = make_context(sink, std::make_shared<FixedClock>(now), std::move(settings));
}

std::string orvane_bin() {
  if (const char* b = std::getenv("ORVANE_BIN")) return b;
  return std::string(ORVANE_BINARY_DIR) + "/orvane";
}

RunResult run_command(const std::string& command_line) {
  TempDir dir;
  std::string out = (dir.path() / "out").string(), err = (dir.path() / "err").string();
  std::string cmd = "(" + command_line + ") >" + out + " 2>" + err + " </dev/null";
  int st = std::system(cmd.c_str());
  RunResult r;
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  r.out = read_file(out);
  r.err = read_file(err);
  return r;
}

std::filesystem::path demo_database(const TempDir& dir) {
  auto path = dir.path() / "demo.db";
  demo::write_demo_database(path, dir.path(), true);
  return path;
}

std::string read_file(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void write_file(const std::filesystem::path& p, std::string_view data) {
  std::ofstream out(p, std::ios::binary);
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

}  // namespace orvane::testing
