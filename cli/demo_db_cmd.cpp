#include "cli/demo_db_cmd.h"

#include <ostream>
#include <stdexcept>

#include "demo/demo_db.h"

namespace orvane::cli {

int cmd_demo_db(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string path, folder;
  bool force = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--force") {
      force = true;
    } else if (a == "--out") {
      if (++i == args.size()) {
        err << "orvane: demo-db: --out needs a folder\n";
        return 2;
      }
      folder = args[i];
    } else if (!a.empty() && a[0] == '-') {
      err << "orvane: demo-db: unknown option " << a << "\n";
      return 2;
    } else if (path.empty()) {
      path = a;
    } else {
      err << "orvane: demo-db: one database path only\n";
      return 2;
    }
  }
  if (path.empty()) {
    err << "usage: orvane demo-db PATH [--force] [--out DIR]\n"
           "  Writes the demo database (SQLite). An existing file is kept unless --force.\n"
           "  The units' document and file folders are placed under DIR (default: the\n"
           "  database's folder).\n";
    return 2;
  }
  try {
    if (!demo::write_demo_database(path, folder, force)) {
      err << "orvane: " << path << " already exists; kept (--force replaces it)\n";
      return 0;
    }
  } catch (const std::exception& e) {
    err << "orvane: demo-db: " << e.what() << "\n";
    return 3;
  }
  out << path << "\n";
  return 0;
}

}  // namespace orvane::cli
