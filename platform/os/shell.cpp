#include "platform/os/shell.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "platform/os/files.h"

namespace orvane::os {
namespace {

// How long an opener may take to say it failed; desktop openers return at once, a
// viewer run in the foreground keeps going and counts as launched.
constexpr int kOpenerGraceMs = 5000;

// The opener's exit status as a shell result: xdg-open uses 2 for a missing file and
// 3 for a missing helper program; the shell uses 126/127 for a command it cannot run.
int shell_result(int status) {
  switch (status) {
    case kNotStarted:
      return shell::kNotEnoughMemory;
    case kStillRunning:
    case 0:
      return shell::kLaunched;
    case 2:
    case 127:
      return shell::kFileNotFound;
    case 126:
      return shell::kAccessDenied;
    default:
      return shell::kNoAssociation;
  }
}

}  // namespace

std::string shell_quote(const std::string& text) {
  std::string q = "'";
  for (char c : text) {
    if (c == '\'')
      q += "'\\''";
    else
      q += c;
  }
  return q + "'";
}

int run_detached(const std::string& command_line, const std::string& folder, int grace_ms) {
  // Everything the children need is prepared before fork: after it only
  // async-signal-safe calls are allowed.
  const char* argv[] = {"/bin/sh", "-c", command_line.c_str(), nullptr};
  const char* dir = folder.empty() ? nullptr : folder.c_str();
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return kNotStarted;

  pid_t first = ::fork();
  if (first < 0) {
    ::close(fds[0]);
    ::close(fds[1]);
    return kNotStarted;
  }
  if (first == 0) {
    // The watcher is reparented to init once `first` exits, so nothing is left
    // for the caller to reap; it reports the opener's status through the pipe.
    pid_t watcher = ::fork();
    if (watcher != 0) ::_exit(watcher < 0 ? 1 : 0);
    ::setsid();
    // Neither the watcher nor the opener may hold the caller's output streams open.
    int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
      ::dup2(null, 0);
      ::dup2(null, 1);
      ::dup2(null, 2);
    }
    pid_t opener = ::fork();
    if (opener == 0) {
      if (dir && ::chdir(dir) != 0) ::_exit(127);
      ::execv("/bin/sh", const_cast<char* const*>(argv));
      ::_exit(127);
    }
    unsigned char code = 127;
    int st = 0;
    if (opener > 0) {
      while (::waitpid(opener, &st, 0) < 0 && errno == EINTR) {
      }
      code = WIFEXITED(st) ? static_cast<unsigned char>(WEXITSTATUS(st)) : 128;
    }
    ssize_t ignored = ::write(fds[1], &code, 1);
    (void)ignored;
    ::_exit(0);
  }
  ::close(fds[1]);
  int st = 0;
  while (::waitpid(first, &st, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(st) || WEXITSTATUS(st) != 0) {
    ::close(fds[0]);
    return kNotStarted;
  }

  int result = kStillRunning;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(grace_ms);
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    deadline - std::chrono::steady_clock::now())
                    .count();
    if (left <= 0) break;
    pollfd p{fds[0], POLLIN, 0};
    int n = ::poll(&p, 1, static_cast<int>(left));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    unsigned char code;
    ssize_t r = ::read(fds[0], &code, 1);
    if (r < 0 && errno == EINTR) continue;
    result = r == 1 ? code : 127;
    break;
  }
  ::close(fds[0]);
  return result;
}

int shell_open(const HostSettings& settings, TextView file, TextView working_folder,
               int show_mode) {
  (void)show_mode;  // the desktop's opener places its own window
  std::string folder = to_utf8(working_folder);
  if (!folder.empty() && !folder_exists(working_folder)) return shell::kPathNotFound;
  std::string path = to_utf8(file);
  if (path.empty()) return shell::kFileNotFound;
  if (path.front() != '/' && !folder.empty())
    path = folder + (folder.back() == '/' ? "" : "/") + path;
  struct stat st;
  if (::stat(path.c_str(), &st) != 0)
    return errno == EACCES ? shell::kAccessDenied : shell::kFileNotFound;
  if (::access(path.c_str(), R_OK) != 0) return shell::kAccessDenied;

  std::string opener = settings.opener_command.empty() ? "xdg-open" : settings.opener_command;
  int status = run_detached(opener + " " + shell_quote(path), folder, kOpenerGraceMs);
  return shell_result(status);
}

}  // namespace orvane::os
