// RStoJSON over real SQLite recordsets, through the direct and the late-bound reading.
#include <gtest/gtest.h>

#include "json/export.h"
#include "platform/db/db.h"
#include "testing/testing.h"

namespace orvane::json {
namespace {

using db::open_recordset;

class RsExport : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.str() + "clientes.db";
    db::create_database(from_utf8(path_))
        ->run_script(T("CREATE TABLE Clientes (Cod int, Nome nvarchar(60), Saldo money, "
                       "Desde datetime, Obs varchar(40));"
                       "INSERT INTO Clientes VALUES (1, 'José D''Ávila {VIP}', 1234.5, "
                       "'2026-12-05 00:00:00', NULL);"
                       "INSERT INTO Clientes VALUES (2, 'Bia \"B\"', -2, '2025-01-31 14:30:00', "
                       "'linha1' || char(13) || char(10) || 'linha2');"));
    conn_ = db::open_connection(from_utf8(path_));
  }
  db::RecordsetPtr query(const char* sql) { return open_recordset(conn_, from_utf8(sql)); }

  testing::TempDir dir_;
  std::string path_;
  db::ConnectionPtr conn_;
};

const char* const kBoth =
    "( {\"Records\": [\r\n"
    "{\"Cod\":\"1\",\"Nome\":\"Jos\\u00E9 D\\u00C1vila \\u007BVIP\\u007D\",\"Saldo\":\"1234,5\","
    "\"Desde\":\"05/12/2026\",\"Obs\":\"\"},\r\n"
    "{\"Cod\":\"2\",\"Nome\":\"Bia \\\"B\\\"\",\"Saldo\":\"-2\",\"Desde\":\"31/01/2025 14:30:00\","
    "\"Obs\":\"linha1\\r\\nlinha2\"}\r\n"
    "], \"RecordCount\":\"2\" } )";

TEST_F(RsExport, RowsFromTheCurrentOneToTheEnd) {
  for (auto exporter : {&rs_to_json, &rs_to_json_late_bound}) {
    auto rs = query("SELECT * FROM Clientes ORDER BY Cod");
    EXPECT_EQ(to_utf8(exporter(Variant(ObjectPtr(rs)))), kBoth);
    EXPECT_TRUE(rs->eof());

    auto rest = query("SELECT Cod FROM Clientes ORDER BY Cod");
    rest->move_next();
    EXPECT_EQ(to_utf8(exporter(Variant(ObjectPtr(rest)))),
              "( {\"Records\": [\r\n{\"Cod\":\"2\"}\r\n], \"RecordCount\":\"1\" } )");
  }
}

TEST_F(RsExport, NullForClosedEmptyOrFinishedRecordsets) {
  for (auto exporter : {&rs_to_json, &rs_to_json_late_bound}) {
    auto empty = query("SELECT * FROM Clientes WHERE Cod = 99");
    EXPECT_EQ(exporter(Variant(ObjectPtr(empty))), u"null");
    auto closed = query("SELECT * FROM Clientes");
    closed->close();
    EXPECT_EQ(exporter(Variant(ObjectPtr(closed))), u"null");
    auto done = query("SELECT * FROM Clientes");
    exporter(Variant(ObjectPtr(done)));
    EXPECT_EQ(exporter(Variant(ObjectPtr(done))), u"null");
    EXPECT_EQ(exporter(Variant(ObjectPtr(conn_))), u"");  // not a recordset
  }
}

TEST_F(RsExport, LargeRecordsetsGiveTheSameTextBothWays) {
  // Enough rows for the direct reading to size its text after a sample, rows that grow past
  // that estimate, values longer than the writer's staging buffer, and megabytes of cells
  // (the recordset's large slabs).
  conn_->run_script(
      T("CREATE TABLE Grandes (Cod int, Texto varchar(8000), Valor money);"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30000) "
        "INSERT INTO Grandes SELECT i, "
        "CASE WHEN i % 5000 = 0 THEN replace(printf('%.9000c', 'x'), 'x', 'é{') "
        "ELSE printf('%.*c', i / 100, 'a') || ' Ação' END, i * 1.25 FROM n;"));
  const char* sql = "SELECT Cod, Texto, Valor FROM Grandes ORDER BY Cod";
  auto direct = query(sql);
  const Text fast = rs_to_json(Variant(ObjectPtr(direct)));
  EXPECT_TRUE(direct->eof());
  const Text late = rs_to_json_late_bound(Variant(ObjectPtr(query(sql))));
  ASSERT_GT(fast.size(), size_t{5} << 20);
  EXPECT_TRUE(fast == late);
  EXPECT_NE(fast.find(u"\"RecordCount\":\"30000\""), Text::npos);
  // Reading every value once leaves the recordset able to give them again.
  direct->move_first();
  EXPECT_EQ(direct->field(1), query(sql)->field(1));
  EXPECT_NE(direct->field(1).text().find(u"A\u00e7\u00e3o"), Text::npos);
}

TEST_F(RsExport, ThroughTheCommandLineAndBackInPython) {
  auto out = dir_.path() / "rs.json";
  auto r = testing::run_command(testing::orvane_bin() + " call --db " + path_ +
                                " FuncoesOrvane RStoJSON '@rs:SELECT Cod, Nome, Obs FROM "
                                "Clientes ORDER BY Cod' >" +
                                out.string());
  ASSERT_EQ(r.status, 0) << r.err;
  auto py = testing::run_command(
      "python3 -c 'import json,sys\n"
      "t=open(sys.argv[1],encoding=\"utf-8\").read().strip()[1:-1]\n"
      "v=json.loads(t)\n"
      "print(v[\"RecordCount\"], [r[\"Nome\"] for r in v[\"Records\"]], "
      "v[\"Records\"][1][\"Obs\"].split())' " +
      out.string());
  EXPECT_EQ(py.status, 0) << py.err;
  EXPECT_EQ(py.out, "2 ['José DÁvila {VIP}', 'Bia \"B\"'] ['linha1', 'linha2']\n");
}

}  // namespace
}  // namespace orvane::json
