#include "cli/gera_cmd.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>

#include "cli/doc_kinds.h"
#include "cli/preview.h"
#include "cli/progress.h"
#include "cli/worker_pool.h"
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
    std::string answer;
    if (!key) {
      answer = fail_answer(line, "not a key");
    } else if (!conn_error.empty()) {
      answer = fail_answer(line, conn_error);
    } else {
      req.key = *key;
      GenerationResult r = generate(req, conn, ctx, *sink);
      if (r.ok) {
        try {
          fs::path target = target_of(o, *key, r.produced);
          if (target != fs::path(r.produced)) move_into_place(r.produced, target);
          double secs = std::chrono::duration<double>(Clock::now() - start).count();
          answer = ok_answer(line, target.string(), document_pages(target), secs);
        } catch (const std::exception& e) {
          answer = fail_answer(line, e.what());
        }
      } else {
        answer = fail_answer(line, r.message);
      }
    }
    // The pool reads answers line by line; a short write only happens when it has gone.
    if (::write(results, answer.data(), answer.size()) != static_cast<ssize_t>(answer.size()))
      return 1;
  }
  return 0;
}

// ---- the batch ----------------------------------------------------------------------

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

std::string describe_outcome(const DocumentKind& kind, const KeyOutcome& r) {
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
  std::vector<KeyOutcome> rejected;
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

  std::vector<KeyOutcome> outcomes = rejected;
  bool interrupted = false;
  if (!keys.empty()) {
    PoolSettings pool;
    // Files a member leaves in a worker's own temporary folder go to the caller's.
    pool.worker_args = worker_arguments(o, route, o.out.empty() ? to_utf8(os::temp_folder()) : "");
    pool.jobs = o.jobs;
    pool.target_folder = o.out;
    pool.on_outcome = [&](const KeyOutcome& r) {
      if (r.ok) out << r.detail << "\n" << std::flush;
      progress.document(describe_outcome(kind, r), !r.ok);
    };
    pool.on_note = [&](const std::string& note) { progress.note("orvane: " + note); };
    try {
      PoolResult done = run_pool(pool, keys);
      interrupted = done.interrupted;
      outcomes.insert(outcomes.end(), done.outcomes.begin(), done.outcomes.end());
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
    const size_t workers = std::min<size_t>(static_cast<size_t>(o.jobs), keys.size());
    std::snprintf(line, sizeof line, " (%.2f s per document with %zu worker%s)",
                  progress.elapsed() / produced, workers, workers == 1 ? "" : "s");
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
