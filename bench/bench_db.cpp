// The database layer against raw sqlite3 on the same file: single-value lookups by key
// (Dlookup builds a new SQL text per call; texts that differ only in the key share one
// translation and one prepared statement) and reading a static recordset of 100 000
// rows field by field (values are kept as stored and converted when read).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>

#include "funcs/aggregates.h"
#include "platform/db/db.h"

namespace {

using namespace orvane;

constexpr int kRows = 100000;

const std::string& db_path() {
  static const std::string path = [] {
    std::string p = (std::filesystem::temp_directory_path() / "orvane_bench_db.db").string();
    std::filesystem::remove(p);
    auto c = db::create_database(from_utf8(p));
    std::string script =
        "CREATE TABLE Produtos (CodProduto int PRIMARY KEY, \"Descrição\" varchar(60), "
        "Valor money, Cadastro datetime, Quantidade int, Unidade char(2));"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
        "INSERT INTO Produtos SELECT i, 'Produto número ' || i, i * 1.25, "
        "'2026-01-01 10:00:00', i % 100, 'UN' FROM n;";
    c->run_script(from_utf8(script));
    return p;
  }();
  return path;
}

void BM_Dlookup(benchmark::State& state) {
  Variant conn = db::as_variant(db::open_connection(from_utf8("sqlite:" + db_path())));
  int key = 0;
  for (auto _ : state) {
    key = key % kRows + 1;
    Text filter = u"CodProduto=" + from_utf8(std::to_string(key));
    Variant v = funcs::Dlookup(conn, T("Descrição"), u"Produtos", filter);
    benchmark::DoNotOptimize(v);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Dlookup);

void BM_RawLookup(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(db_path().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  int key = 0;
  for (auto _ : state) {
    key = key % kRows + 1;
    std::string sql = "SELECT Descrição FROM Produtos WHERE CodProduto=" + std::to_string(key);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
    if (sqlite3_step(st) == SQLITE_ROW) benchmark::DoNotOptimize(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
  }
  sqlite3_close(db);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RawLookup);

void BM_StaticRecordset100k(benchmark::State& state) {
  auto conn = db::open_connection(from_utf8("sqlite:" + db_path()));
  for (auto _ : state) {
    auto rs = db::open_recordset(conn, u"Select * From Produtos");
    int n = rs->field_count();
    for (; !rs->eof(); rs->move_next())
      for (int i = 0; i < n; ++i) benchmark::DoNotOptimize(&rs->field(i));
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_StaticRecordset100k)->Unit(benchmark::kMillisecond);

void BM_RawStep100k(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(db_path().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  for (auto _ : state) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM Produtos", -1, &st, nullptr);
    int n = sqlite3_column_count(st);
    while (sqlite3_step(st) == SQLITE_ROW) {
      for (int i = 0; i < n; ++i) {
        switch (sqlite3_column_type(st, i)) {
          case SQLITE_INTEGER:
            benchmark::DoNotOptimize(sqlite3_column_int64(st, i));
            break;
          case SQLITE_FLOAT:
            benchmark::DoNotOptimize(sqlite3_column_double(st, i));
            break;
          default:
            benchmark::DoNotOptimize(sqlite3_column_text(st, i));
        }
      }
    }
    sqlite3_finalize(st);
  }
  sqlite3_close(db);
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_RawStep100k)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
