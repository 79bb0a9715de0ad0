#include "cli/sql_cmd.h"

#include <cstdlib>
#include <ostream>

#include "cli/json_writer.h"
#include "core/convert.h"
#include "platform/db/db.h"

namespace orvane::cli {
namespace {

std::string plain(const Variant& v) {
  if (v.is_null()) return "Null";
  if (v.is_array()) return "(binary)";
  return to_utf8(CStr(v));
}

void print_plain(const db::Recordset& rs, std::ostream& out) {
  const auto& fields = rs.fields();
  for (size_t i = 0; i < fields.size(); ++i)
    out << (i ? "\t" : "") << to_utf8(fields[i].name) << " ("
        << static_cast<int32_t>(fields[i].type) << ")";
  out << "\n";
}

}  // namespace

int cmd_sql(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  std::string url, sql;
  bool json = false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] == "--db") {
      if (i + 1 >= a.size()) {
        err << "orvane: --db needs a value\n";
        return 2;
      }
      url = a[++i];
    } else if (a[i] == "--json") {
      json = true;
    } else if (a[i].rfind("--", 0) == 0) {
      err << "orvane: unknown option: " << a[i] << "\n";
      return 2;
    } else if (sql.empty()) {
      sql = a[i];
    } else {
      err << "orvane: sql takes one SQL text (quote it)\n";
      return 2;
    }
  }
  if (url.empty())
    if (const char* env = std::getenv("ORVANE_DB")) url = env;
  if (url.empty() || sql.empty()) {
    err << "orvane: usage: orvane sql [--db URL] [--json] SQL (or set ORVANE_DB)\n";
    return 2;
  }
  try {
    auto conn = db::open_connection(from_utf8(url));
    int64_t affected = 0;
    auto rs = conn->execute(from_utf8(sql), &affected);
    if (json) {
      std::string line = "{\"columns\":[";
      if (rs->is_open()) {
        const auto& fields = rs->fields();
        for (size_t i = 0; i < fields.size(); ++i)
          line += std::string(i ? "," : "") + "{\"name\":" + json_string(TextView(fields[i].name)) +
                  ",\"type\":" + std::to_string(static_cast<int32_t>(fields[i].type)) + "}";
        line += "],\"rows\":[";
        bool first = true;
        for (; !rs->eof(); rs->move_next()) {
          line += first ? "[" : ",[";
          first = false;
          for (int i = 0; i < rs->field_count(); ++i)
            line += (i ? "," : "") + variant_json(rs->field(i));
          line += "]";
        }
        line += "],\"affected\":null}";
      } else {
        line += "],\"rows\":[],\"affected\":" + std::to_string(affected) + "}";
      }
      out << line << "\n";
    } else if (rs->is_open()) {
      print_plain(*rs, out);
      for (; !rs->eof(); rs->move_next()) {
        for (int i = 0; i < rs->field_count(); ++i) out << (i ? "\t" : "") << plain(rs->field(i));
        out << "\n";
      }
    } else {
      out << affected << " row(s) affected\n";
    }
    return 0;
  } catch (const VbError& e) {
    err << "orvane: error " << e.number() << ": " << to_utf8(e.description()) << "\n";
    return 3;
  }
}

}  // namespace orvane::cli
