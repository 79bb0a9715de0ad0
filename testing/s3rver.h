// A local S3-compatible server for the storage tests: s3rver (installed by
// scripts/install-deps.sh into build/node) on a free loopback port, with its data in a
// temporary folder and one bucket made at start. It accepts the credentials S3RVER / S3RVER
// and checks every request's signature. A restart keeps the port and the data.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/text.h"
#include "testing/testing.h"

extern char** environ;

namespace orvane::testing {

class S3rver {
 public:
  static constexpr const char* kAccessKey = "S3RVER";
  static constexpr const char* kSecretKey = "S3RVER";

  explicit S3rver(std::string bucket = "orvane") : bucket_(std::move(bucket)) { start(); }
  ~S3rver() { stop(); }
  S3rver(const S3rver&) = delete;
  S3rver& operator=(const S3rver&) = delete;

  bool running() const { return pid_ > 0; }
  // True when node or s3rver is not on this machine (the only reason to skip).
  bool absent() const { return absent_; }
  // Why the server is not running (for GTEST_SKIP).
  const std::string& problem() const { return problem_; }
  int port() const { return port_; }
  std::string endpoint() const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/" + bucket_;
  }
  // Where s3rver keeps an object's bytes: data/<bucket>/<key>._S3rver_object.
  std::filesystem::path object_file(const std::string& key) const {
    return data_.path() / bucket_ / (key + "._S3rver_object");
  }

  void stop() { end(SIGTERM); }
  // Ends the server at once, as a crash would: open connections are cut, nothing answered.
  void kill() { end(SIGKILL); }
  // Starts the server again on the same port and data folder (after stop or kill).
  void restart() {
    end(SIGTERM);
    problem_.clear();
    start();
  }

  static std::string program() {
    if (const char* p = std::getenv("ORVANE_S3RVER")) return p;
    for (std::string base :
         {std::string(ORVANE_BINARY_DIR), std::string(ORVANE_SOURCE_DIR) + "/build"}) {
      std::string p = base + "/node/node_modules/.bin/s3rver";
      if (::access(p.c_str(), X_OK) == 0) return p;
    }
    return {};
  }

 private:
  void end(int signal) {
    if (pid_ > 0) {
      ::kill(pid_, signal);
      int st;
      ::waitpid(pid_, &st, 0);
      pid_ = -1;
    }
    if (out_ >= 0) ::close(out_);
    out_ = -1;
  }

  void start() {
    std::string prog = program();
    if (prog.empty()) {
      problem_ = "s3rver is not installed (run scripts/install-deps.sh)";
      absent_ = true;
      return;
    }
    if (std::system("command -v node >/dev/null 2>&1") != 0) {
      problem_ = "node is not installed (run scripts/install-deps.sh)";
      absent_ = true;
      return;
    }
    std::string dir = data_.path().string();
    std::vector<std::string> args = {prog,
                                     "-d",
                                     dir,
                                     "-a",
                                     "127.0.0.1",
                                     "-p",
                                     std::to_string(port_),
                                     "-s",
                                     "--no-vhost-buckets",
                                     "--configure-bucket",
                                     bucket_};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
      problem_ = "pipe failed";
      return;
    }
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, fds[1], 1);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    int rc = posix_spawn(&pid, prog.c_str(), &fa, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    ::close(fds[1]);
    out_ = fds[0];
    if (rc != 0) {
      problem_ = "s3rver could not be started";
      return;
    }
    pid_ = pid;
    // It prints "S3rver listening on 127.0.0.1:PORT" once it accepts requests.
    std::string seen;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
      pollfd p{out_, POLLIN, 0};
      if (::poll(&p, 1, 200) <= 0) continue;
      char buf[256];
      ssize_t n = ::read(out_, buf, sizeof buf);
      if (n <= 0) break;
      seen.append(buf, static_cast<size_t>(n));
      size_t at = seen.find("listening on 127.0.0.1:");
      if (at != std::string::npos && seen.find('\n', at) != std::string::npos) {
        port_ = std::atoi(seen.c_str() + at + 23);
        return;
      }
    }
    problem_ = "s3rver did not start: " + seen;
    stop();
  }

  std::string bucket_;
  TempDir data_;
  pid_t pid_ = -1;
  int out_ = -1;
  int port_ = 0;
  std::string problem_;
  bool absent_ = false;
};

// A test suite against one s3rver started for the whole suite, with a folder for the
// tests' local files and the temporary folder (where downloads land) pointed at another.
class S3rverTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = new S3rver(); }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void SetUp() override {
    if (server_->absent()) GTEST_SKIP() << server_->problem();
    if (!server_->running()) server_->restart();  // an earlier test stopped it half-way
    ASSERT_TRUE(server_->running()) << server_->problem();
    tmpdir_.point_at(temp_.path());
  }
  Text endpoint() const { return from_utf8(server_->endpoint()); }

  static inline S3rver* server_ = nullptr;
  TempDir temp_, files_;
  TmpdirOverride tmpdir_;
};

}  // namespace orvane::testing
