// The SQL Server dialect translator on arbitrary SQL texts against a small schema of the
// kind the library queries. A text it cannot translate is a VbError (the database error
// it stands for). A text it does translate must be SQL that SQLite can parse over the
// same tables: a syntax error there means the translator wrote a broken statement.
#include <sqlite3.h>

#include <map>
#include <string>

#include "fuzz/fuzz_common.h"
#include "platform/db/tsql/lexer.h"
#include "platform/db/tsql/translator.h"

namespace {

using namespace orvane;
using namespace orvane::db::tsql;

class MapSchema : public Schema {
 public:
  void add(const char* name, std::vector<std::pair<const char*, const char*>> cols) {
    TableDef t;
    t.name = from_utf8(name);
    for (auto& [n, ty] : cols)
      t.columns.push_back({from_utf8(n), db::parse_sql_type(std::string_view(ty))});
    tables_[fold(t.name)] = std::move(t);
  }
  const TableDef* find(TextView name) const override {
    auto it = tables_.find(fold(name));
    return it == tables_.end() ? nullptr : &it->second;
  }
  const std::map<Text, TableDef>& tables() const { return tables_; }

 private:
  std::map<Text, TableDef> tables_;
};

const MapSchema& schema() {
  static const MapSchema s = [] {
    MapSchema m;
    m.add("Unidades", {{"CodUnidade", "int"}, {"S3Ativo", "bit"}, {"Nome", "varchar(50)"}});
    m.add("OSs", {{"Planílha", "int"},
                  {"Ordem", "int"},
                  {"DataAgenda", "datetime"},
                  {"HoraAgenda", "datetime"},
                  {"Status", "char(1)"},
                  {"Técnico", "int"},
                  {"Cliente", "int"},
                  {"CodInterno", "int"},
                  {"DataAbertura", "datetime"},
                  {"Valor", "money"}});
    m.add("Clientes", {{"CodCliente", "int"}, {"Nome", "varchar(60)"}, {"ValorNF", "money"}});
    m.add("VeículosDeslocamentos", {{"CodInterno", "int"},
                                    {"Cliente", "int"},
                                    {"CodMotivo", "int"},
                                    {"Viatura", "int"},
                                    {"Condutor", "int"},
                                    {"Observação", "text"},
                                    {"Saída", "datetime"}});
    m.add("DadosEntidades", {{"CodInterno", "int"}, {"Descreve", "varchar(100)"}});
    return m;
  }();
  return s;
}

sqlite3* database() {
  static sqlite3* db = [] {
    sqlite3* d = nullptr;
    sqlite3_open(":memory:", &d);
    for (auto& [key, t] : schema().tables()) {
      std::string sql = "CREATE TABLE \"" + to_utf8(t.name) + "\" (";
      for (size_t i = 0; i < t.columns.size(); ++i)
        sql += (i ? ", \"" : "\"") + to_utf8(t.columns[i].name) + "\"";
      sql += ")";
      sqlite3_exec(d, sql.c_str(), nullptr, nullptr, nullptr);
    }
    return d;
  }();
  return db;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Text sql = fuzz::text_of(data, size);
  Translation t;
  bool translated = false;
  fuzz::run([&] {
    t = translate(sql, schema(), Options{.with_rowid = (size & 2) != 0});
    translated = true;
  });
  if (!translated || t.kind == Translation::Kind::Passthrough) return 0;
  sqlite3_stmt* stmt = nullptr;
  int rc =
      sqlite3_prepare_v2(database(), t.sql.c_str(), static_cast<int>(t.sql.size()), &stmt, nullptr);
  std::string message = rc == SQLITE_OK ? "" : sqlite3_errmsg(database());
  sqlite3_finalize(stmt);
  // Only the parser's own messages count: a name may well contain the words.
  const bool broken = (message.starts_with("near ") && message.ends_with(": syntax error")) ||
                      message.starts_with("unrecognized token:") || message == "incomplete input";
  if (broken) {
    fprintf(stderr, "translated to broken SQL: %s\n  %s\n", t.sql.c_str(), message.c_str());
    __builtin_trap();
  }
  return 0;
}
