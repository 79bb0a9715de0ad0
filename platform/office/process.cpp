#include "platform/office/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace orvane::office {

std::string shell_quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) {
    if (c == '\'')
      q += "'\\''";
    else
      q += c;
  }
  return q + "'";
}

ProcessResult run_program(const std::vector<std::string>& argv, int timeout_s) {
  ProcessResult r;
  if (argv.empty()) return r;
  char tmpl[] = "/tmp/orvane-run-XXXXXX";
  int out = mkstemp(tmpl);
  if (out < 0) return r;
  unlink(tmpl);
  std::vector<char*> args;
  for (auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = fork();
  if (pid < 0) {
    close(out);
    return r;
  }
  if (pid == 0) {
    int in = open("/dev/null", O_RDONLY);
    if (in >= 0) dup2(in, 0);
    dup2(out, 1);
    dup2(out, 2);
    setpgid(0, 0);  // its own group, so a timeout kills what it started too
    execvp(args[0], args.data());
    _exit(127);
  }
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeout_s);
  int st = 0;
  for (;;) {
    pid_t w = waitpid(pid, &st, WNOHANG);
    if (w == pid) break;
    if (w < 0) {
      st = -1;
      break;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      kill(-pid, SIGKILL);
      kill(pid, SIGKILL);
      waitpid(pid, &st, 0);
      r.timed_out = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!r.timed_out && st != -1 && WIFEXITED(st)) r.status = WEXITSTATUS(st);
  // A program killed from outside leaves what it started running on its own (soffice
  // leaves soffice.bin holding its profile): they go with it.
  if (!r.timed_out && st != -1 && WIFSIGNALED(st)) kill(-pid, SIGKILL);
  lseek(out, 0, SEEK_SET);
  char buf[4096];
  ssize_t n;
  while ((n = read(out, buf, sizeof buf)) > 0 && r.output.size() < (1u << 20))
    r.output.append(buf, static_cast<size_t>(n));
  close(out);
  return r;
}

ProcessResult run_shell(const std::string& command_line, int timeout_s) {
  return run_program({"/bin/sh", "-c", command_line}, timeout_s);
}

}  // namespace orvane::office
