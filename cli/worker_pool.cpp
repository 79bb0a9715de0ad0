#include "cli/worker_pool.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>

#include "cli/doc_kinds.h"
#include "platform/os/files.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;

bool write_all(int fd, const std::string& s) {
  size_t done = 0;
  while (done < s.size()) {
    ssize_t n = ::write(fd, s.data() + done, s.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

std::string clean_field(std::string s) {
  for (char& c : s)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return s;
}

int g_signal_pipe = -1;
extern "C" void on_interrupt(int) {
  int saved = errno;
  char c = 1;
  if (g_signal_pipe >= 0) (void)!::write(g_signal_pipe, &c, 1);
  errno = saved;
}

struct Worker {
  pid_t pid = -1;
  int to = -1;    // keys
  int from = -1;  // results
  std::string buffer;
  std::optional<std::string> current;
  fs::path log;
};

std::string this_program() {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("orvane") : self.string();
}

// Starts a worker in its own process group (a Ctrl-C at the terminal reaches this process
// only, which decides what the workers do) with `tmp` as its temporary folder.
Worker spawn(const std::vector<std::string>& args, const fs::path& tmp) {
  int keys[2], results[2];
  if (::pipe2(keys, O_CLOEXEC) != 0) throw std::runtime_error("cannot start a worker");
  if (::pipe2(results, O_CLOEXEC) != 0) {
    ::close(keys[0]);
    ::close(keys[1]);
    throw std::runtime_error("cannot start a worker");
  }
  Worker w;
  w.log = tmp / "worker.log";
  std::string program = this_program();
  std::vector<char*> argv;
  for (const auto& s : args) argv.push_back(const_cast<char*>(s.c_str()));
  argv.push_back(nullptr);
  std::string tmpdir = "TMPDIR=" + tmp.string() + "/";
  std::vector<char*> envp;
  for (char** e = environ; *e; ++e)
    if (std::strncmp(*e, "TMPDIR=", 7) != 0) envp.push_back(*e);
  envp.push_back(tmpdir.data());
  envp.push_back(nullptr);
  pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("cannot start a worker: " + std::string(strerror(errno)));
  if (pid == 0) {
    ::setpgid(0, 0);
    ::signal(SIGINT, SIG_DFL);
    ::signal(SIGPIPE, SIG_DFL);
    int log = ::open(w.log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ::dup2(keys[0], 0);
    ::dup2(results[1], 3);
    if (log >= 0) {
      ::dup2(log, 1);
      ::dup2(log, 2);
    }
    ::execve(program.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(keys[0]);
  ::close(results[1]);
  w.pid = pid;
  w.to = keys[1];
  w.from = results[0];
  return w;
}

std::string last_line_of(const fs::path& file) {
  std::ifstream in(file);
  std::string line, last;
  while (std::getline(in, line))
    if (!line.empty()) last = line;
  return last;
}

class Pool {
 public:
  Pool(const PoolSettings& s, const std::vector<std::string>& keys)
      : s_(s), queue_(keys.begin(), keys.end()) {}

  // Runs every key; returns the outcomes in the order they finished.
  PoolResult run() {
    scratch_ = os::make_scratch_folder("orvane-gera");
    if (scratch_.empty()) throw std::runtime_error("no room in the temporary folder for workers");
    int pipe_fds[2];
    if (::pipe2(pipe_fds, O_CLOEXEC | O_NONBLOCK) != 0)
      throw std::runtime_error("cannot watch for Ctrl-C");
    g_signal_pipe = pipe_fds[1];
    struct sigaction sa {
    }, old_int{}, old_term{}, old_pipe{};
    sa.sa_handler = on_interrupt;
    sigemptyset(&sa.sa_mask);
    ::sigaction(SIGINT, &sa, &old_int);
    ::sigaction(SIGTERM, &sa, &old_term);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, &old_pipe);

    const size_t n = std::min<size_t>(static_cast<size_t>(s_.jobs), queue_.size());
    for (size_t i = 0; i < n; ++i) start_worker();
    loop(pipe_fds[0]);

    ::sigaction(SIGINT, &old_int, nullptr);
    ::sigaction(SIGTERM, &old_term, nullptr);
    ::sigaction(SIGPIPE, &old_pipe, nullptr);
    g_signal_pipe = -1;
    ::close(pipe_fds[0]);
    ::close(pipe_fds[1]);
    sweep_partials();
    std::error_code ec;
    fs::remove_all(scratch_, ec);
    return {std::move(outcomes_), interrupts_ > 0};
  }

 private:
  void start_worker() {
    fs::path tmp = fs::path(scratch_) / ("w" + std::to_string(++started_));
    fs::create_directories(tmp);
    workers_.push_back(spawn(s_.worker_args, tmp));
    pids_.push_back(workers_.back().pid);
    dispatch(workers_.back());
  }

  // Gives the worker its next key, or lets it finish when there is none.
  void dispatch(Worker& w) {
    if (w.to < 0) return;
    if (interrupts_ == 0 && !queue_.empty()) {
      w.current = queue_.front();
      queue_.pop_front();
      if (write_all(w.to, *w.current + "\n")) return;
    }
    ::close(w.to);
    w.to = -1;
  }

  void record(KeyOutcome r) {
    if (s_.on_outcome) s_.on_outcome(r);
    outcomes_.push_back(std::move(r));
  }

  void on_line(Worker& w, const std::string& line) {
    std::vector<std::string> f;
    size_t start = 0;
    while (true) {
      size_t tab = line.find('\t', start);
      f.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    KeyOutcome r;
    r.key = f.size() > 1 ? f[1] : w.current.value_or("?");
    if (f[0] == "ok" && f.size() >= 5) {
      r.ok = true;
      r.detail = f[2];
      r.pages = std::atoi(f[3].c_str());
      r.seconds = std::atof(f[4].c_str());
    } else {
      r.detail = f.size() > 2 ? f[2] : "the worker answered \"" + line + "\"";
    }
    w.current.reset();
    record(std::move(r));
    dispatch(w);
  }

  // A worker's results ended: it finished, or it died (its document failed; the rest of the
  // list goes on, with a new worker when none is left).
  void on_end(Worker& w) {
    ::close(w.from);
    w.from = -1;
    if (w.to >= 0) ::close(w.to);
    w.to = -1;
    int status = 0;
    ::waitpid(w.pid, &status, 0);
    if (w.current) {
      std::string why =
          WIFSIGNALED(status)
              ? "the worker was ended by signal " + std::to_string(WTERMSIG(status))
              : "the worker stopped (exit " + std::to_string(WEXITSTATUS(status)) + ")";
      std::string said = last_line_of(w.log);
      record({*w.current, false, why + (said.empty() ? "" : ": " + said), 0, 0});
      w.current.reset();
    }
    w.pid = -1;
    bool others = false;
    for (const auto& other : workers_) others = others || other.pid > 0;
    if (!others && interrupts_ == 0 && !queue_.empty() && ++respawns_ <= 3) start_worker();
  }

  void loop(int signal_fd) {
    while (true) {
      std::vector<pollfd> fds = {{signal_fd, POLLIN, 0}};
      std::vector<size_t> which;
      for (size_t i = 0; i < workers_.size(); ++i)
        if (workers_[i].from >= 0) {
          fds.push_back({workers_[i].from, POLLIN, 0});
          which.push_back(i);
        }
      if (which.empty()) break;
      if (::poll(fds.data(), fds.size(), -1) < 0) {
        if (errno == EINTR) continue;
        throw std::runtime_error("poll: " + std::string(strerror(errno)));
      }
      if (fds[0].revents & POLLIN) {
        char c[16];
        while (::read(signal_fd, c, sizeof c) > 0) ++interrupts_;
        interrupted();
      }
      for (size_t k = 1; k < fds.size(); ++k) {
        if (!(fds[k].revents & (POLLIN | POLLHUP | POLLERR))) continue;
        Worker& w = workers_[which[k - 1]];
        char buf[4096];
        ssize_t n = ::read(w.from, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
          on_end(w);
          continue;
        }
        w.buffer.append(buf, static_cast<size_t>(n));
        size_t nl;
        while ((nl = w.buffer.find('\n')) != std::string::npos) {
          std::string line = w.buffer.substr(0, nl);
          w.buffer.erase(0, nl + 1);
          on_line(w, line);
        }
      }
    }
  }

  void interrupted() {
    if (interrupts_ == 1 && !stopping_) {
      stopping_ = true;
      if (s_.on_note)
        s_.on_note(
            "interrupted: finishing the documents in progress (Ctrl-C again "
            "to stop at once)");
      for (auto& w : workers_)
        if (w.to >= 0 && !w.current) {
          ::close(w.to);
          w.to = -1;
        }
    } else if (interrupts_ >= 2) {
      for (auto& w : workers_)
        if (w.pid > 0) ::kill(w.pid, SIGKILL);
    }
  }

  // A worker stopped at once may leave its temporary copy beside a target; never the target.
  void sweep_partials() {
    if (s_.target_folder.empty()) return;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(s_.target_folder, ec)) {
      std::string name = e.path().filename().string();
      if (!is_partial_name(name)) continue;
      for (pid_t pid : pids_)
        if (name.rfind(".orvane-part-" + std::to_string(pid) + "-", 0) == 0)
          fs::remove(e.path(), ec);
    }
  }

  const PoolSettings& s_;
  std::deque<std::string> queue_;
  std::string scratch_;
  std::vector<Worker> workers_;
  std::vector<pid_t> pids_;
  std::vector<KeyOutcome> outcomes_;
  int started_ = 0;
  int respawns_ = 0;
  int interrupts_ = 0;
  bool stopping_ = false;
};

}  // namespace

PoolResult run_pool(const PoolSettings& settings, const std::vector<std::string>& keys) {
  Pool pool(settings, keys);
  return pool.run();
}

std::string ok_answer(const std::string& key, const std::string& path, int pages, double seconds) {
  return "ok\t" + clean_field(key) + "\t" + clean_field(path) + "\t" + std::to_string(pages) +
         "\t" + std::to_string(seconds) + "\n";
}

std::string fail_answer(const std::string& key, const std::string& message) {
  return "fail\t" + clean_field(key) + "\t" + clean_field(message) + "\n";
}

}  // namespace orvane::cli
