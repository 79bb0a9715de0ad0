#include "cli/gera_cmd.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>

#include "cli/doc_kinds.h"
#include "cli/preview.h"
#include "cli/progress.h"
#include "core/convert.h"
#include "core/error.h"
#include "platform/db/db.h"
#include "platform/os/files.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const char* kUsage =
    "usage: orvane gera KIND [KEY...] [--where SQL] --db URL --unit N --template PATH\n"
    "                  [--company N] [--out DIR] [--jobs N] [--route word|writer] [OPTIONS]\n";

struct BadInvocation : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Options {
  const DocumentKind* kind = nullptr;
  std::vector<std::string> keys;
  std::optional<std::string> where;
  std::string db;
  int32_t unit = 0;
  bool unit_given = false;
  int32_t company = 1;
  std::string template_path;
  std::string out;
  int jobs = 1;
  std::optional<Route> route;
  std::vector<std::pair<const MemberOption*, std::string>> member_options;
  // Worker mode: keys on stdin, one result line per key on fd 3.
  bool worker = false;
  std::string fallback_out;  // where a file left in the worker's temporary folder goes
};

int32_t whole_number(const std::string& opt, const std::string& v, long long lo, long long hi) {
  char* end = nullptr;
  errno = 0;
  long long n = std::strtoll(v.c_str(), &end, 10);
  if (v.empty() || *end || errno || n < lo || n > hi)
    throw BadInvocation(opt + " takes a whole number, not \"" + v + "\"");
  return static_cast<int32_t>(n);
}

Options parse(const std::vector<std::string>& a) {
  Options o;
  if (a.empty()) throw BadInvocation("gera needs a KIND: " + kind_names());
  o.kind = find_kind(a[0]);
  if (!o.kind)
    throw BadInvocation("unknown kind of document \"" + a[0] + "\" (one of: " + kind_names() + ")");
  for (size_t i = 1; i < a.size(); ++i) {
    const std::string& opt = a[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= a.size()) throw BadInvocation(opt + " needs a value");
      return a[++i];
    };
    if (opt.rfind("--", 0) != 0) {
      o.keys.push_back(opt);
    } else if (opt == "--where") {
      o.where = value();
    } else if (opt == "--db") {
      o.db = value();
    } else if (opt == "--unit") {
      o.unit = whole_number(opt, value(), 0, 2147483647);
      o.unit_given = true;
    } else if (opt == "--company") {
      o.company = whole_number(opt, value(), 0, 2147483647);
    } else if (opt == "--template") {
      o.template_path = value();
    } else if (opt == "--out") {
      o.out = value();
    } else if (opt == "--jobs") {
      o.jobs = whole_number(opt, value(), 1, 64);
    } else if (opt == "--route") {
      const std::string& r = value();
      if (r == "word")
        o.route = Route::Word;
      else if (r == "writer")
        o.route = Route::Writer;
      else
        throw BadInvocation("--route takes word or writer");
    } else if (opt == "--worker") {
      o.worker = true;
    } else if (opt == "--fallback-out") {
      o.fallback_out = value();
    } else {
      const MemberOption* m = nullptr;
      for (const auto& candidate : o.kind->options)
        if (candidate.flag == opt) m = &candidate;
      if (!m) {
        std::string known;
        for (const auto& c : o.kind->options) known += " " + c.flag;
        throw BadInvocation("unknown option " + opt + " for " + o.kind->name +
                            (known.empty() ? "" : " (its options:" + known + ")"));
      }
      o.member_options.emplace_back(m, m->type == MemberOption::Type::Switch ? "" : value());
    }
  }
  if (o.db.empty())
    if (const char* env = std::getenv("ORVANE_DB")) o.db = env;
  if (o.db.empty()) throw BadInvocation("--db URL is needed");
  if (!o.unit_given) throw BadInvocation("--unit N is needed");
  if (o.template_path.empty()) throw BadInvocation("--template PATH is needed");
  if (!o.worker && o.keys.empty() && !o.where)
    throw BadInvocation("give the keys of the documents, or --where SQL to select them");
  return o;
}

Variant option_value(const MemberOption& m, const std::string& v) {
  using Type = MemberOption::Type;
  switch (m.type) {
    case Type::Switch:
      return true;
    case Type::Integer:
      return Variant(whole_number(m.flag, v, -2147483648LL, 2147483647LL));
    case Type::Date: {
      int y = 0, mo = 0, d = 0;
      char tail = 0;
      if (std::sscanf(v.c_str(), "%d-%d-%d%c", &y, &mo, &d, &tail) != 3)
        throw BadInvocation(m.flag + " takes a date YYYY-MM-DD, not \"" + v + "\"");
      try {
        return Date::from_parts(y, mo, d, 0, 0, 0);
      } catch (const VbError&) {
        throw BadInvocation(m.flag + ": not a valid date: " + v);
      }
    }
    case Type::Folder:
      return from_utf8(fs::absolute(v).string());
    case Type::Text:
      break;
  }
  return from_utf8(v);
}

// The named arguments beyond the common ones; Folder options default to the template's
// folder.
std::vector<std::pair<std::u16string, Variant>> member_arguments(const Options& o) {
  std::vector<std::pair<std::u16string, Variant>> args;
  for (const auto& [m, v] : o.member_options) args.emplace_back(m->param, option_value(*m, v));
  return with_folder_defaults(*o.kind, o.template_path, std::move(args));
}

// The template, where the member will look for it: the path itself, or a standard name in
// one of the folders the kind's Folder options name.
bool template_exists(const Options& o,
                     const std::vector<std::pair<std::u16string, Variant>>& args) {
  std::error_code ec;
  if (fs::is_regular_file(o.template_path, ec)) return true;
  std::string name = fs::path(o.template_path).filename().string();
  for (const auto& m : o.kind->options) {
    if (m.type != MemberOption::Type::Folder) continue;
    for (const auto& [param, v] : args)
      if (param == m.param && fs::is_regular_file(fs::path(to_utf8(v.text())) / name, ec))
        return true;
  }
  return false;
}

void check_writable_folder(const fs::path& dir) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec || !fs::is_directory(dir))
    throw BadInvocation("output folder " + dir.string() +
                        " cannot be made: " + (ec ? ec.message() : "not a folder"));
  fs::path probe = dir / (".orvane-part-" + std::to_string(::getpid()) + "-probe");
  int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd < 0)
    throw BadInvocation("output folder " + dir.string() +
                        " cannot be written: " + std::strerror(errno));
  ::close(fd);
  fs::remove(probe, ec);
}

std::string key_condition(const DocumentKind& kind, const DocumentKey& key) {
  std::string where;
  for (size_t i = 0; i < kind.key_columns.size(); ++i)
    where += (i ? " And " : "") + kind.key_columns[i] + "=" + std::to_string(key.parts[i]);
  return where;
}

std::string key_columns_list(const DocumentKind& kind) {
  std::string cols;
  for (size_t i = 0; i < kind.key_columns.size(); ++i)
    cols += (i ? ", " : "") + kind.key_columns[i];
  return cols;
}

// ---- the worker ---------------------------------------------------------------------

std::string clean_field(std::string s) {
  for (char& c : s)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return s;
}

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

bool under(const fs::path& file, const fs::path& folder) {
  std::string f = fs::weakly_canonical(file).string();
  std::string d = fs::weakly_canonical(folder).string();
  if (!d.empty() && d.back() != '/') d += '/';
  return f.rfind(d, 0) == 0;
}

// Where a produced document goes: --out, or beside where the member put it (a file left in
// this worker's own temporary folder goes to the caller's). Documents named after their
// template get the key, so the documents of one batch do not overwrite each other.
fs::path target_of(const Options& o, const DocumentKey& key, const fs::path& produced) {
  fs::path dir;
  if (!o.out.empty())
    dir = o.out;
  else if (!o.fallback_out.empty() && under(produced, to_utf8(os::temp_folder())))
    dir = o.fallback_out;
  else
    dir = produced.parent_path();
  std::string name = produced.filename().string();
  if (!o.kind->names_its_files)
    name = produced.stem().string() + " " + key.file_text() + produced.extension().string();
  return dir / name;
}

int run_worker(const Options& o) {
  ::signal(SIGPIPE, SIG_IGN);
  const int results = 3;
  auto sink = std::make_shared<CollectingSink>();
  ContextPtr ctx = make_context(sink);
  Variant conn;
  std::string conn_error;
  try {
    conn = db::as_variant(db::open_connection(from_utf8(o.db), ctx));
  } catch (const VbError& e) {
    conn_error = "cannot open " + o.db + ": " + to_utf8(e.description());
  }
  GenerationRequest req;
  req.kind = o.kind;
  req.member = member_for(*o.kind, o.template_path, o.route);
  req.unit = o.unit;
  req.company = o.company;
  req.template_path = o.template_path;
  req.options = member_arguments(o);
  std::string line;
  while (std::getline(std::cin, line)) {
    auto key = parse_key(*o.kind, line);
    auto start = Clock::now();
    std::string reply;
    if (!key) {
      reply = "fail\t" + clean_field(line) + "\tnot a key\n";
    } else if (!conn_error.empty()) {
      reply = "fail\t" + line + "\t" + clean_field(conn_error) + "\n";
    } else {
      req.key = *key;
      GenerationResult r = generate(req, conn, ctx, *sink);
      if (r.ok) {
        try {
          fs::path target = target_of(o, *key, r.produced);
          if (target != fs::path(r.produced)) move_into_place(r.produced, target);
          double secs = std::chrono::duration<double>(Clock::now() - start).count();
          reply = "ok\t" + line + "\t" + clean_field(target.string()) + "\t" +
                  std::to_string(document_pages(target)) + "\t" + std::to_string(secs) + "\n";
        } catch (const std::exception& e) {
          reply = "fail\t" + line + "\t" + clean_field(e.what()) + "\n";
        }
      } else {
        reply = "fail\t" + line + "\t" + clean_field(r.message) + "\n";
      }
    }
    if (!write_all(results, reply)) return 1;
  }
  return 0;
}

// ---- the batch ----------------------------------------------------------------------

int g_signal_pipe = -1;
extern "C" void on_interrupt(int) {
  int saved = errno;
  char c = 1;
  if (g_signal_pipe >= 0) (void)!::write(g_signal_pipe, &c, 1);
  errno = saved;
}

struct Outcome {
  std::string key;
  bool ok = false;
  std::string detail;  // produced path, or the failure message
  int pages = 0;
  double seconds = 0;
};

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

std::vector<std::string> worker_arguments(const Options& o, Route route,
                                          const std::string& fallback) {
  std::vector<std::string> a = {"orvane",     "gera",
                                o.kind->name, "--worker",
                                "--db",       o.db,
                                "--unit",     std::to_string(o.unit),
                                "--company",  std::to_string(o.company),
                                "--template", o.template_path,
                                "--route",    route == Route::Word ? "word" : "writer"};
  if (!o.out.empty()) a.insert(a.end(), {"--out", o.out});
  if (!fallback.empty()) a.insert(a.end(), {"--fallback-out", fallback});
  for (const auto& [m, v] : o.member_options) {
    a.push_back(m->flag);
    if (m->type != MemberOption::Type::Switch) a.push_back(v);
  }
  return a;
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

std::string describe_outcome(const DocumentKind& kind, const Outcome& r) {
  std::string s = kind.name + " " + r.key + ": ";
  if (!r.ok) return s + "FAILED: " + r.detail;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f s", r.seconds);
  if (r.pages > 0) s += std::to_string(r.pages) + (r.pages == 1 ? " page, " : " pages, ");
  return s + buf + " -> " + r.detail;
}

int terminal_width(int fd) {
  struct winsize ws {};
  if (::ioctl(fd, TIOCGWINSZ, &ws) == 0 && ws.ws_col > 20) return ws.ws_col;
  return 80;
}

class Batch {
 public:
  Batch(const Options& o, Route route, std::vector<std::string> keys, std::ostream& out,
        std::ostream& err, Progress& progress)
      : o_(o),
        route_(route),
        queue_(keys.begin(), keys.end()),
        out_(out),
        err_(err),
        progress_(progress) {}

  // Runs every key; returns the outcomes in the order they finished.
  std::vector<Outcome> run(bool& interrupted) {
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

    const std::string fallback = o_.out.empty() ? to_utf8(os::temp_folder()) : std::string();
    const size_t n = std::min<size_t>(static_cast<size_t>(o_.jobs), queue_.size());
    for (size_t i = 0; i < n; ++i) start_worker(fallback);
    loop(pipe_fds[0], fallback);

    ::sigaction(SIGINT, &old_int, nullptr);
    ::sigaction(SIGTERM, &old_term, nullptr);
    ::sigaction(SIGPIPE, &old_pipe, nullptr);
    g_signal_pipe = -1;
    ::close(pipe_fds[0]);
    ::close(pipe_fds[1]);
    sweep_partials();
    std::error_code ec;
    fs::remove_all(scratch_, ec);
    interrupted = interrupts_ > 0;
    return std::move(outcomes_);
  }

 private:
  void start_worker(const std::string& fallback) {
    fs::path tmp = fs::path(scratch_) / ("w" + std::to_string(++started_));
    fs::create_directories(tmp);
    workers_.push_back(spawn(worker_arguments(o_, route_, fallback), tmp));
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

  void record(Outcome r) {
    if (r.ok) out_ << r.detail << "\n" << std::flush;
    progress_.document(describe_outcome(*o_.kind, r), !r.ok);
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
    Outcome r;
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
  void on_end(Worker& w, const std::string& fallback) {
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
    if (!others && interrupts_ == 0 && !queue_.empty() && ++respawns_ <= 3) start_worker(fallback);
  }

  void loop(int signal_fd, const std::string& fallback) {
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
          on_end(w, fallback);
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
      progress_.note(
          "orvane: interrupted: finishing the documents in progress (Ctrl-C again "
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
    if (o_.out.empty()) return;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(o_.out, ec)) {
      std::string name = e.path().filename().string();
      if (!is_partial_name(name)) continue;
      for (pid_t pid : pids_)
        if (name.rfind(".orvane-part-" + std::to_string(pid) + "-", 0) == 0)
          fs::remove(e.path(), ec);
    }
  }

  const Options& o_;
  Route route_;
  std::deque<std::string> queue_;
  std::ostream& out_;
  std::ostream& err_;
  Progress& progress_;
  std::string scratch_;
  std::vector<Worker> workers_;
  std::vector<pid_t> pids_;
  std::vector<Outcome> outcomes_;
  int started_ = 0;
  int respawns_ = 0;
  int interrupts_ = 0;
  bool stopping_ = false;
};

}  // namespace

int cmd_gera(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options o;
  std::vector<std::pair<std::u16string, Variant>> member_args;
  try {
    o = parse(args);
    o.template_path = fs::absolute(o.template_path).string();
    if (!o.out.empty()) o.out = fs::absolute(o.out).string();
    if (o.worker) return run_worker(o);
    member_args = member_arguments(o);
  } catch (const BadInvocation& e) {
    err << "orvane: gera: " << e.what() << "\n" << kUsage;
    return 2;
  }
  const DocumentKind& kind = *o.kind;
  const Route route = o.route ? *o.route : route_of(kind, o.template_path);
  const std::u16string member = member_for(kind, o.template_path, o.route);
  auto fail = [&](const std::string& what) {
    err << "orvane: gera: " << what << "\n";
    return 2;
  };
  if (!member_available(member))
    return fail(kind.name + ": " + to_utf8(member) + " (" + kind.title +
                ") is not available in this build");
  if (!template_exists(o, member_args)) return fail("template not found: " + o.template_path);
  try {
    if (!o.out.empty()) check_writable_folder(o.out);
  } catch (const BadInvocation& e) {
    return fail(e.what());
  }
  db::ConnectionPtr conn;
  try {
    conn = db::open_connection(from_utf8(o.db));
  } catch (const VbError& e) {
    return fail("cannot open --db " + o.db + ": " + to_utf8(e.description()));
  }

  // The keys: those given (each checked), then those --where selects.
  std::vector<Outcome> rejected;
  std::vector<std::string> keys;
  std::set<std::string> seen;
  for (const auto& text : o.keys) {
    auto key = parse_key(kind, text);
    if (!key) {
      rejected.push_back(
          {text, false, "not a key of a " + kind.title + " (" + key_columns_list(kind) + ")"});
      continue;
    }
    if (!seen.insert(key->text()).second) continue;
    try {
      Variant n = conn->first_value(
          from_utf8("Select Count(*) From " + kind.table + " Where " + key_condition(kind, *key)));
      if (CLng(n) == 0) {
        rejected.push_back(
            {key->text(), false, "no " + kind.title + " " + key->text() + " in " + kind.table});
        continue;
      }
    } catch (const VbError& e) {
      rejected.push_back({key->text(), false, to_utf8(e.description())});
      continue;
    }
    keys.push_back(key->text());
  }
  std::string where_error;
  if (o.where) {
    try {
      auto rs =
          conn->execute(from_utf8("Select " + key_columns_list(kind) + " From " + kind.table +
                                  " Where " + *o.where + " Order By " + key_columns_list(kind)));
      for (; !rs->eof(); rs->move_next()) {
        DocumentKey key;
        for (int i = 0; i < rs->field_count(); ++i) key.parts.push_back(CLng(rs->field(i)));
        if (seen.insert(key.text()).second) keys.push_back(key.text());
      }
    } catch (const VbError& e) {
      where_error =
          "--where \"" + *o.where + "\" failed on " + kind.table + ": " + to_utf8(e.description());
    }
  }
  conn.reset();

  const size_t total = keys.size() + rejected.size();
  const bool terminal = is_terminal(2) && &err == &std::cerr;
  Progress progress(err, total, terminal, terminal ? terminal_width(2) : 80);
  if (!where_error.empty()) progress.note("orvane: gera: " + where_error);
  if (o.where && where_error.empty() && keys.empty() && o.keys.empty())
    progress.note("orvane: gera: no " + kind.title + " matches --where " + *o.where);
  for (const auto& r : rejected) progress.document(describe_outcome(kind, r), true, true);

  std::vector<Outcome> outcomes = rejected;
  bool interrupted = false;
  if (!keys.empty()) {
    try {
      Batch batch(o, route, keys, out, err, progress);
      auto done = batch.run(interrupted);
      outcomes.insert(outcomes.end(), done.begin(), done.end());
    } catch (const std::exception& e) {
      progress.finish();
      err << "orvane: gera: " << e.what() << "\n";
      return 3;
    }
  }
  progress.finish();

  size_t produced = 0, failed = 0;
  for (const auto& r : outcomes) (r.ok ? produced : failed)++;
  const size_t not_run = total - outcomes.size();
  char line[256];
  std::snprintf(line, sizeof line, "%zu %s%s: %zu produced, %zu failed", total, kind.title.c_str(),
                total == 1 ? "" : "s", produced, failed);
  err << line;
  if (not_run) err << ", " << not_run << " not started (interrupted)";
  std::snprintf(line, sizeof line, " in %s", format_duration(progress.elapsed()).c_str());
  err << line;
  if (produced) {
    std::snprintf(line, sizeof line, " (%.2f s per document with %d worker%s)",
                  progress.elapsed() / produced, o.jobs, o.jobs == 1 ? "" : "s");
    err << line;
  }
  err << "\n";
  if (failed || !where_error.empty()) {
    err << "failed:\n";
    if (!where_error.empty()) err << "  " << where_error << "\n";
    for (const auto& r : outcomes)
      if (!r.ok) err << "  " << kind.name << " " << r.key << ": " << r.detail << "\n";
  }
  if (interrupted) return 130;
  return failed || !where_error.empty() ? 3 : 0;
}

}  // namespace orvane::cli
