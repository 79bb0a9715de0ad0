#include "demo/demo_db.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace orvane::demo {
namespace {

namespace fs = std::filesystem;

// The folder is spliced into SQL string literals.
std::string substitute(std::string_view text, const std::string& folder) {
  std::string quoted;
  for (char c : folder) {
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  for (;;) {
    size_t hit = text.find(kFolderPlaceholder, pos);
    if (hit == std::string_view::npos) break;
    out.append(text, pos, hit - pos);
    out += quoted;
    pos = hit + kFolderPlaceholder.size();
  }
  out.append(text, pos);
  return out;
}

int line_of(const std::string& text, size_t offset) {
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + offset, '\n'));
}

// Where the next statement begins, past blanks and comments.
const char* statement_start(const char* p) {
  for (;;) {
    while (*p == ' ' || *p == '\n' || *p == '\t' || *p == '\r') ++p;
    if (p[0] == '-' && p[1] == '-') {
      while (*p && *p != '\n') ++p;
    } else if (p[0] == '/' && p[1] == '*') {
      const char* end = std::strstr(p + 2, "*/");
      p = end ? end + 2 : p + std::strlen(p);
    } else {
      return p;
    }
  }
}

class Database {
 public:
  explicit Database(const fs::path& file) {
    if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
      std::string msg = db_ ? sqlite3_errmsg(db_) : "out of memory";
      sqlite3_close(db_);
      throw std::runtime_error("cannot create " + file.string() + ": " + msg);
    }
  }
  ~Database() { sqlite3_close(db_); }
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  void exec(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
      throw std::runtime_error(sqlite3_errmsg(db_));
  }

  // Statement by statement, so that a mistake in the sources is reported with its line.
  void run_script(std::string_view name, const std::string& text) {
    const char* begin = text.c_str();
    const char* tail = begin;
    while (*tail) {
      sqlite3_stmt* stmt = nullptr;
      const char* start = statement_start(tail);
      int rc = sqlite3_prepare_v2(db_, tail, -1, &stmt, &tail);
      if (rc == SQLITE_OK && stmt) {
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        }
        if (rc == SQLITE_DONE) rc = SQLITE_OK;
      }
      sqlite3_finalize(stmt);
      if (rc != SQLITE_OK)
        throw std::runtime_error(std::string(name) + ":" +
                                 std::to_string(line_of(text, start - begin)) + ": " +
                                 sqlite3_errmsg(db_));
    }
  }

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace

bool write_database(const fs::path& path, const std::vector<SqlScript>& scripts,
                    const fs::path& folder, bool replace) {
  fs::path target = fs::absolute(path);
  if (fs::exists(target) && !replace) return false;
  if (fs::is_directory(target)) throw std::runtime_error(target.string() + " is a folder");
  fs::path dir = target.parent_path();
  fs::create_directories(dir);
  fs::path units = folder.empty() ? dir : fs::absolute(folder);
  std::string units_text = units.lexically_normal().string();
  while (units_text.size() > 1 && units_text.back() == '/') units_text.pop_back();

  fs::path scratch = target;
  scratch += ".building-" + std::to_string(getpid());
  std::error_code ignored;
  fs::remove(scratch, ignored);
  try {
    {
      Database db(scratch);
      // Nothing needs to survive a crash while building: the file is renamed in only when done.
      db.exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;");
      for (const auto& s : scripts) db.run_script(s.name, substitute(s.text, units_text));
      db.exec("COMMIT;");
    }
    fs::rename(scratch, target);
  } catch (...) {
    fs::remove(scratch, ignored);
    throw;
  }
  return true;
}

fs::path demo_picture_target(std::string_view name) {
  if (name == "assinatura.jpg")
    return fs::path("Arquivos Campinas") / "ORC0000020051-Assinatura.jpg";
  return fs::path("Fotos") / std::string(name);
}

bool write_demo_database(const fs::path& path, const fs::path& folder, bool replace) {
  if (!write_database(path, demo_scripts(), folder, replace)) return false;
  const fs::path base = folder.empty() ? fs::absolute(path).parent_path() : fs::absolute(folder);
  for (const DemoPicture& p : demo_pictures()) {
    const fs::path target = base / demo_picture_target(p.name);
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(p.bytes.data(), static_cast<std::streamsize>(p.bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + target.string());
  }
  return true;
}

}  // namespace orvane::demo
