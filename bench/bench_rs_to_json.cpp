// RStoJSON of 100 000 rows x 5 columns read from SQLite, beside `sqlite3 -json` on the
// same table (a whole process writing its JSON into a pipe we drain).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "json/export.h"
#include "platform/db/db.h"

namespace {

using namespace orvane;

constexpr int kRows = 100000;
constexpr const char* kQuery = "SELECT Cod, Nome, Cidade, Saldo, Desde FROM Clientes";

// The table, built once in a file removed at exit.
struct Database {
  std::string path;
  Database() {
    path = (std::filesystem::temp_directory_path() /
            ("orvane-bench-rs-" + std::to_string(getpid()) + ".db"))
               .string();
    std::filesystem::remove(path);
    std::string script =
        "CREATE TABLE Clientes (Cod int, Nome nvarchar(60), Cidade varchar(40), Saldo money, "
        "Desde datetime);"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
        std::to_string(kRows) +
        ") INSERT INTO Clientes SELECT i, "
        "'Cliente ' || i || ' Conceição D''Ávila', "
        "CASE i % 3 WHEN 0 THEN 'São Paulo' WHEN 1 THEN 'Belém' ELSE 'Niterói' END, "
        "(i * 37 % 100000) / 100.0, "
        "'2026-' || printf('%02d', 1 + i % 12) || '-' || printf('%02d', 1 + i % 28) || ' 10:30:00' "
        "FROM n;";
    db::create_database(from_utf8(path))->run_script(from_utf8(script));
  }
  ~Database() { std::filesystem::remove(path); }
};

const std::string& database() {
  static const Database d;
  return d.path;
}

void run_export(benchmark::State& state, Text (*exporter)(const Variant&)) {
  auto conn = db::open_connection(from_utf8(database()));
  size_t bytes = 0;
  for (auto _ : state) {
    auto rs = db::open_recordset(conn, from_utf8(kQuery));
    Text out = exporter(Variant(ObjectPtr(rs)));
    if (out.size() < 2 || out[0] != u'(') state.SkipWithError("the export failed");
    bytes = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["output_chars"] = static_cast<double>(bytes);
}

// Opening the recordset (the query and every row read into the static cursor)...
void BM_RecordsetOpen(benchmark::State& state) {
  auto conn = db::open_connection(from_utf8(database()));
  for (auto _ : state) {
    auto rs = db::open_recordset(conn, from_utf8(kQuery));
    benchmark::DoNotOptimize(rs.get());
  }
}
BENCHMARK(BM_RecordsetOpen)->Unit(benchmark::kMillisecond);

// ...and the whole of open + RStoJSON, read directly and late-bound.
void BM_RStoJSON(benchmark::State& state) { run_export(state, &json::rs_to_json); }
BENCHMARK(BM_RStoJSON)->Unit(benchmark::kMillisecond);

void BM_RStoJSON_LateBound(benchmark::State& state) {
  run_export(state, &json::rs_to_json_late_bound);
}
BENCHMARK(BM_RStoJSON_LateBound)->Unit(benchmark::kMillisecond);

void BM_Sqlite3Json(benchmark::State& state) {
  const std::string cmd = "sqlite3 -json " + database() + " '" + kQuery + "'";
  std::vector<char> buf(1 << 16);
  auto child_cpu = [] {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
  };
  const double cpu_before = child_cpu();
  for (auto _ : state) {
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) {
      state.SkipWithError("cannot run sqlite3");
      break;
    }
    size_t total = 0, n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) total += n;
    if (pclose(p) != 0 || total == 0) state.SkipWithError("sqlite3 failed");
    state.counters["output_bytes"] = static_cast<double>(total);
  }
  // The work happens in the child; its CPU time is the figure to set beside ours.
  state.counters["sqlite3_cpu_ms"] =
      (child_cpu() - cpu_before) * 1000 / static_cast<double>(state.iterations());
}
BENCHMARK(BM_Sqlite3Json)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
