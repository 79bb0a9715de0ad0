// The customer's equipment balance that a service order's data pass leaves in
// TempProdutosCliente, compared row by row with the balance worked out here from the demo
// rows: every delivery, withdrawal, correction and pending return added up by product and
// kind, in one SQL statement of the database's own dialect.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "core/convert.h"
#include "docgen/service_order/service_order.h"
#include "platform/db/db.h"
#include "testing/testing.h"

namespace orvane::docgen::service_order {
namespace {

using orvane::testing::RecordingContext;
using orvane::testing::TempDir;

// Rows of a query as "a|b|c" texts, straight from SQLite.
std::vector<std::string> rows(const std::string& file, const std::string& sql) {
  sqlite3* db = nullptr;
  std::vector<std::string> out;
  EXPECT_EQ(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
    ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
  } else {
    while (sqlite3_step(st) == SQLITE_ROW) {
      std::string row;
      for (int i = 0; i < sqlite3_column_count(st); ++i) {
        if (i > 0) row += "|";
        auto t = sqlite3_column_text(st, i);
        row += t ? reinterpret_cast<const char*>(t) : "NULL";
      }
      out.push_back(row);
    }
  }
  sqlite3_finalize(st);
  sqlite3_close(db);
  return out;
}

// Every movement of the customer's equipment, signed, by product and kind.
std::string movements(int customer) {
  const std::string c = std::to_string(customer);
  const std::string closed = " JOIN OSs o ON o.Planílha = x.Planílha WHERE o.Cliente = " + c;
  return "SELECT x.CodProduto AS p, CASE x.CobraCliente WHEN 0 THEN x.Motivo ELSE 'Vendido' END "
         "AS k, x.Quantidade AS q FROM OSProdutos x" +
         closed +
         " AND o.Status NOT IN ('A','C') AND IFNULL(x.Motivo,'') <> 'Direta'"
         " UNION ALL SELECT x.CodProduto, x.Motivo, -x.Entregue FROM OSProdutosRetirar x" +
         closed +
         " AND o.Status NOT IN ('A','C')"
         " UNION ALL SELECT CodProduto, CASE Modalidade WHEN 'V' THEN 'Vendido' WHEN 'L' THEN "
         "'Locado' WHEN 'E' THEN 'Empréstimo' WHEN 'G' THEN 'Garantia' WHEN 'B' THEN 'Gratifica' "
         "WHEN 'I' THEN 'Interno' WHEN 'M' THEN 'Manutencao' END, Quantidade FROM CorrigeLocados "
         "WHERE CodCliente = " +
         c +
         " UNION ALL SELECT x.CodProduto, 'Em Transito', x.Quantidade - x.Entregue FROM "
         "OSProdutosRetirar x" +
         closed +
         " AND o.Status IN ('B','F') AND x.Entregue < x.Quantidade"
         " UNION ALL SELECT x.CodProduto, x.Motivo, x.Entregue - x.Quantidade FROM "
         "OSProdutosRetirar x" +
         closed + " AND o.Status IN ('B','F') AND x.Entregue < x.Quantidade";
}

std::vector<std::string> expected_balance(const std::string& file, int customer) {
  return rows(file, "SELECT p, k, SUM(q) FROM (" + movements(customer) +
                        ") GROUP BY p, k HAVING SUM(q) <> 0 ORDER BY p, k");
}

std::vector<std::string> balance(const std::string& file, int customer) {
  return rows(file,
              "SELECT CodProduto, Tipo, Quantidade FROM TempProdutosCliente WHERE Cliente = " +
                  std::to_string(customer) + " ORDER BY CodProduto, Tipo");
}

class EquipmentBalance : public ::testing::Test {
 protected:
  void SetUp() override { file_ = orvane::testing::demo_database(dir_).string(); }

  // The service order's data pass, which rebuilds its customer's balance on the way.
  void read_order(int32_t planilha, int32_t unit) {
    Text layout = u"modelo.docx";
    Generation g(rec_.ctx, db::as_variant(db::open_connection(from_utf8(file_), rec_.ctx)), unit, 1,
                 layout, false, 0);
    read(g, planilha);
  }

  TempDir dir_;
  std::string file_;
  RecordingContext rec_;
};

TEST_F(EquipmentBalance, MatchesTheMovementsOfTheOrdersCustomer) {
  struct Case {
    int32_t planilha, unit, customer;
  };
  for (const Case& c : {Case{30188, 301, 1042}, Case{30205, 301, 1101}, Case{74022, 740, 1063},
                        Case{30120, 301, 1057}}) {
    read_order(c.planilha, c.unit);
    const std::vector<std::string> expected = expected_balance(file_, c.customer);
    ASSERT_FALSE(expected.empty()) << c.customer;
    EXPECT_EQ(balance(file_, c.customer), expected) << c.planilha;
    // One row per product and kind, each with a cost.
    EXPECT_EQ(rows(file_, "SELECT CodProduto, Tipo FROM TempProdutosCliente WHERE Cliente = " +
                              std::to_string(c.customer) +
                              " GROUP BY CodProduto, Tipo HAVING count(*) > 1 OR min(Custo) <= 0"),
              std::vector<std::string>{})
        << c.planilha;
  }
  // What the demo data make sure of: a pending return is "Em Transito" and is taken off its
  // kind; a kind that comes back to zero (the lent battery) is not kept; a manual
  // correction names its kind.
  EXPECT_EQ(balance(file_, 1042).back(), "1015|Locado|2.0");
  EXPECT_NE(
      std::find(balance(file_, 1042).begin(), balance(file_, 1042).end(), "1003|Em Transito|1.0"),
      balance(file_, 1042).end());
  EXPECT_EQ(balance(file_, 1101),
            (std::vector<std::string>{"1003|Em Transito|1.0", "1003|Locado|1.0",
                                      "1004|Manutencao|1.0", "1014|Vendido|1.0"}));
  EXPECT_EQ(rows(file_, "SELECT SUM(q) FROM (" + movements(1101) + ") WHERE k = 'Empréstimo'"),
            std::vector<std::string>{"0.0"});
  EXPECT_EQ(balance(file_, 1057),
            (std::vector<std::string>{"1001|Vendido|1.0", "1002|Vendido|2.0", "1003|Vendido|3.0",
                                      "1005|Vendido|1.0", "1006|Em Transito|1.0",
                                      "1006|Garantia|1.0", "1006|Vendido|1.0", "1007|Vendido|1.0",
                                      "1011|Vendido|50.0", "1016|Vendido|1.0"}));
}

TEST_F(EquipmentBalance, ReplacesOnlyTheCustomersRows) {
  // A stale row of the customer goes; another customer's rows stay as they were.
  db::ConnectionPtr c = db::open_connection(from_utf8(file_));
  c->execute(
      T("Insert Into TempProdutosCliente (Cliente, CodProduto, Descrição, Tipo, Quantidade, "
        "Custo) Values (1042, 1009, 'GRAVADOR', 'Locado', 7, 1)"));
  c->execute(
      T("Insert Into TempProdutosCliente (Cliente, CodProduto, Descrição, Tipo, Quantidade, "
        "Custo) Values (1057, 1009, 'GRAVADOR', 'Locado', 7, 1)"));
  read_order(30188, 301);
  EXPECT_EQ(balance(file_, 1042), expected_balance(file_, 1042));
  EXPECT_EQ(balance(file_, 1057), (std::vector<std::string>{"1009|Locado|7.0"}));
}

}  // namespace
}  // namespace orvane::docgen::service_order
