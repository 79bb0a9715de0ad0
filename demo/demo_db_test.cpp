#include "demo/demo_db.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "core/text.h"
#include "funcs/unitchecks.h"
#include "testing/testing.h"

namespace orvane::demo {
namespace {

namespace fs = std::filesystem;
using orvane::testing::TempDir;

// Reads a query's rows as text (NULL as "<null>"), columns joined by '|'.
class Reader {
 public:
  explicit Reader(const fs::path& file) {
    EXPECT_EQ(sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  }
  ~Reader() { sqlite3_close(db_); }
  std::vector<std::string> rows(const std::string& sql) {
    std::vector<std::string> out;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
      ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db_);
      return out;
    }
    while (sqlite3_step(st) == SQLITE_ROW) {
      std::string row;
      for (int i = 0; i < sqlite3_column_count(st); ++i) {
        if (i) row += "|";
        auto t = sqlite3_column_text(st, i);
        row += t ? reinterpret_cast<const char*>(t) : "<null>";
      }
      out.push_back(row);
    }
    sqlite3_finalize(st);
    return out;
  }
  std::string one(const std::string& sql) {
    auto r = rows(sql);
    return r.empty() ? "<no row>" : r[0];
  }

 private:
  sqlite3* db_ = nullptr;
};

std::string digits(const std::string& s) {
  std::string d;
  for (char c : s)
    if (c >= '0' && c <= '9') d += c;
  return d;
}

// Check digits of a CPF (11 digits) or CNPJ (14 digits).
bool valid_document(const std::string& text) {
  std::string d = digits(text);
  auto check = [&](size_t n, const std::vector<int>& weights) {
    int sum = 0;
    for (size_t i = 0; i < n; ++i) sum += (d[i] - '0') * weights[i];
    return sum;
  };
  if (d.size() == 11) {
    for (size_t n : {9u, 10u}) {
      std::vector<int> w;
      for (size_t i = 0; i < n; ++i) w.push_back(static_cast<int>(n + 1 - i));
      int r = check(n, w) * 10 % 11 % 10;
      if (r != d[n] - '0') return false;
    }
    return true;
  }
  if (d.size() == 14) {
    std::vector<int> w1 = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    std::vector<int> w2 = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    int r1 = check(12, w1) % 11, r2 = check(13, w2) % 11;
    return (r1 < 2 ? 0 : 11 - r1) == d[12] - '0' && (r2 < 2 ? 0 : 11 - r2) == d[13] - '0';
  }
  return false;
}

TEST(DemoDatabase, HoldsEveryTableWithTheFoldersPlacedUnderTheGivenFolder) {
  TempDir dir;
  fs::path db = dir.path() / "sub" / "demo.db";
  fs::path out = dir.path() / "demo out";
  ASSERT_TRUE(write_demo_database(db, out));
  Reader r(db);

  std::string schema(demo_scripts().front().text);
  size_t tables = 0;
  for (size_t p = 0; (p = schema.find("CREATE TABLE ", p)) != std::string::npos; ++p) ++tables;
  EXPECT_EQ(r.one("SELECT count(*) FROM sqlite_master WHERE type='table'"), std::to_string(tables));

  EXPECT_EQ(r.one("SELECT Descreve FROM DadosEntidades WHERE CodEntidade=76 And Unidade=301"),
            out.string() + "/Documentos Campinas/");
  EXPECT_EQ(r.one("SELECT Descreve FROM DadosEntidades WHERE CodEntidade=87 And Unidade=740"),
            out.string() + "/Arquivos BH/");
  EXPECT_EQ(r.one("SELECT count(*) FROM DadosEntidades WHERE Descreve LIKE '%{{%'"), "0");
}

TEST(DemoDatabase, DefaultsTheFoldersToTheDatabaseFolderAndQuotesApostrophes) {
  TempDir dir;
  fs::path db = dir.path() / "demo.db";
  ASSERT_TRUE(write_demo_database(db));
  EXPECT_EQ(Reader(db).one("SELECT Descreve FROM DadosEntidades WHERE CodInterno=76740"),
            dir.path().string() + "/Documentos BH/");

  fs::path odd = dir.path() / "Sant'Ana";
  ASSERT_TRUE(write_demo_database(db, odd, true));
  EXPECT_EQ(Reader(db).one("SELECT Descreve FROM DadosEntidades WHERE CodInterno=87301"),
            odd.string() + "/Arquivos Campinas/");
}

TEST(DemoDatabase, KeepsAnExistingFileUnlessReplacing) {
  TempDir dir;
  fs::path db = dir.path() / "demo.db";
  orvane::testing::write_file(db, "not a database");
  EXPECT_FALSE(write_demo_database(db));
  EXPECT_EQ(orvane::testing::read_file(db), "not a database");
  EXPECT_TRUE(write_demo_database(db, {}, true));
  EXPECT_EQ(Reader(db).one("SELECT Nome FROM Clientes WHERE CodCliente=1042"),
            "Ana Lúcia Bertolini Cardoso");
}

TEST(DemoDatabase, AFailingScriptNamesItsLineAndLeavesNothingBehind) {
  TempDir dir;
  fs::path db = dir.path() / "x.db";
  orvane::testing::write_file(db, "keep me");
  std::vector<SqlScript> scripts = {
      {"schema.sql", "CREATE TABLE t (a int);"},
      {"data/x.sql", "INSERT INTO t VALUES (1);\n\n-- a comment\nINSERT INTO u VALUES (2);\n"}};
  try {
    write_database(db, scripts, dir.path(), true);
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("data/x.sql:4: no such table: u"), std::string::npos)
        << e.what();
  }
  EXPECT_EQ(orvane::testing::read_file(db), "keep me");
  size_t files = 0;
  for ([[maybe_unused]] const auto& f : fs::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1u);
}

// The data are meant to look real and to hang together: documents with valid check digits,
// no line pointing at a missing record, totals that match their lines.
TEST(DemoDatabase, DataHangTogether) {
  TempDir dir;
  Reader r(orvane::testing::demo_database(dir));

  std::vector<std::string> documents;
  for (const char* q :
       {"SELECT CGCCPF FROM Clientes", "SELECT CGC FROM Empresas",
        "SELECT CPFRepresentante FROM Clientes WHERE CPFRepresentante IS NOT NULL",
        "SELECT CPFRepresentante2 FROM Clientes WHERE CPFRepresentante2 IS NOT NULL",
        "SELECT CPFRespEmpresa FROM Empresas", "SELECT CPF FROM Condutores",
        "SELECT CPFInformado FROM AceiteDigitalEnvioTestemunha"})
    for (auto& d : r.rows(q)) documents.push_back(d);
  EXPECT_GT(documents.size(), 20u);
  EXPECT_FALSE(valid_document("284.317.596-83"));
  EXPECT_FALSE(valid_document("30.571.826/0001-72"));
  for (auto& d : documents) EXPECT_TRUE(valid_document(d)) << d;

  // Online passwords are kept shifted, the way the host stores them.
  EXPECT_EQ(to_utf8(funcs::DecripSenha(
                from_utf8(r.one("SELECT SenhaOnLine FROM Clientes WHERE CodCliente=1042")))),
            "Thor2026");
  EXPECT_EQ(to_utf8(funcs::DecripSenha(
                from_utf8(r.one("SELECT SenhaOnLine FROM Clientes WHERE CodCliente=1063")))),
            "RioPardo@25");

  // Each query lists the rows that point nowhere.
  const char* dangling[] = {
      "SELECT Planílha FROM OSs WHERE Cliente NOT IN (SELECT CodCliente FROM Clientes)",
      "SELECT Planílha FROM OSs WHERE Técnico NOT IN (SELECT CodCliente FROM Clientes)",
      "SELECT Planílha FROM Orçamentos WHERE Cliente NOT IN (SELECT CodCliente FROM Clientes)",
      "SELECT CodInterno FROM OSProdutos WHERE Planílha NOT IN (SELECT Planílha FROM OSs)"
      " OR CodProduto NOT IN (SELECT CodProduto FROM Produtos)",
      "SELECT CodInterno FROM OrçamentosProdutos WHERE Planílha NOT IN (SELECT Planílha FROM"
      " Orçamentos) OR CodProduto NOT IN (SELECT CodProduto FROM Produtos)",
      "SELECT CodInterno FROM OrçamentoServiços WHERE CodServiço NOT IN"
      " (SELECT CodServiço FROM Serviços)",
      "SELECT CodInterno FROM OSImportação WHERE PlanílhaOrçamento NOT IN"
      " (SELECT Planílha FROM Orçamentos) OR PlanílhaOS NOT IN (SELECT Planílha FROM OSs)",
      "SELECT CodInterno FROM OrçamentosVeículos WHERE CodVeículo NOT IN"
      " (SELECT CodInterno FROM GRVeículos)",
      "SELECT CodInterno FROM GRVeículosRastreador WHERE CodRastreador NOT IN"
      " (SELECT CodInterno FROM GRRastreador)",
      "SELECT CodInterno FROM GRVeículosChip WHERE CodChip NOT IN (SELECT CodInterno FROM GRChip)",
      "SELECT CodInterno FROM OSVeículosRastreador WHERE CodVeículo NOT IN"
      " (SELECT CodInterno FROM OSVeículos)",
      "SELECT CodInterno FROM ClientesAditivos WHERE PlaOrçamento NOT IN"
      " (SELECT Planílha FROM Orçamentos)",
      "SELECT CodInterno FROM ClientesServiçosAdicionais WHERE CodServiço NOT IN"
      " (SELECT CodInterno FROM ServiçosAdicionais)",
      "SELECT Planílha FROM Orçamentos WHERE idAceite NOT IN (SELECT Ace_Link FROM AceiteDigital)",
      "SELECT Planílha FROM Orçamentos WHERE CodContato NOT IN"
      " (SELECT CodContato FROM ProspectsContatos)",
      "SELECT CodInterno FROM ClientesHistóricoServiçosAdicionais WHERE CodHistórico NOT IN"
      " (SELECT CodInterno FROM ClientesHistórico)",
  };
  for (const char* q : dangling) EXPECT_EQ(r.rows(q), std::vector<std::string>{}) << q;

  // Totals of orders and budgets are the sums of their charged lines.
  EXPECT_EQ(r.rows("SELECT Planílha, TotalProdutos, (SELECT round(total(TotalLiquido),2) FROM"
                   " OSProdutos p WHERE p.Planílha=o.Planílha AND CobraCliente=1) AS s FROM OSs o"
                   " WHERE round(TotalProdutos,2) <> s"),
            std::vector<std::string>{});
  EXPECT_EQ(r.rows("SELECT Planílha, TotalServiços FROM OSs o WHERE round(TotalServiços,2) <>"
                   " (SELECT round(total(Total),2) FROM OSServiços s WHERE"
                   " s.Planílha=o.Planílha AND CobraCliente=1)"),
            std::vector<std::string>{});
  EXPECT_EQ(r.rows("SELECT Planílha, TotalProdutos FROM Orçamentos o WHERE round(TotalProdutos,2)"
                   " <> (SELECT round(total(TotalLíquido),2) FROM OrçamentosProdutos p WHERE"
                   " p.Planílha=o.Planílha AND (o.Modalidade='V' OR CobraLocado=1))"),
            std::vector<std::string>{});
  EXPECT_EQ(r.rows("SELECT Planílha, TotalServiços FROM Orçamentos o WHERE round(TotalServiços,2)"
                   " <> (SELECT round(total(Total),2) FROM OrçamentoServiços s WHERE"
                   " s.Planílha=o.Planílha)"),
            std::vector<std::string>{});
}

TEST(DemoDbCommand, WritesKeepsAndReplaces) {
  TempDir dir;
  std::string bin = orvane::testing::orvane_bin();
  std::string db = (dir.path() / "x.db").string();
  auto r = orvane::testing::run_command(bin + " demo-db '" + db + "'");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, db + "\n");
  EXPECT_EQ(Reader(db).one("SELECT count(*) FROM Orçamentos WHERE Planílha=20051"), "1");

  orvane::testing::write_file(db, "mine");
  r = orvane::testing::run_command(bin + " demo-db '" + db + "'");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("kept"), std::string::npos) << r.err;
  EXPECT_EQ(orvane::testing::read_file(db), "mine");

  r = orvane::testing::run_command(bin + " demo-db --force --out '" + dir.str() + "docs' '" + db +
                                   "'");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Reader(db).one("SELECT Descreve FROM DadosEntidades WHERE CodInterno=76301"),
            dir.str() + "docs/Documentos Campinas/");

  EXPECT_EQ(orvane::testing::run_command(bin + " demo-db").status, 2);
  EXPECT_EQ(orvane::testing::run_command(bin + " demo-db a.db b.db").status, 2);
}

}  // namespace
}  // namespace orvane::demo
