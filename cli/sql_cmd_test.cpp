// The database pieces of the command line, through the real orvane binary.
#include <gtest/gtest.h>

#include "platform/db/db.h"
#include "testing/testing.h"

namespace orvane {
namespace {

class DbCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    db_ = dir_.str() + "x.db";
    db::create_database(from_utf8(db_))
        ->run_script(
            from_utf8("CREATE TABLE Clientes (CodCliente int, Nome varchar(60), ValorNF money, "
                      "\"Cadastro\" datetime);"
                      "INSERT INTO Clientes VALUES (1, 'Ana', 10.5, '2026-01-02 00:00:00'), "
                      "(2, 'Bruno', NULL, NULL), (3, 'Célia', 3, NULL);"));
  }
  testing::RunResult run(const std::string& args) {
    return testing::run_command(testing::orvane_bin() + " " + args);
  }
  testing::TempDir dir_;
  std::string db_;
};

TEST_F(DbCommand, SqlPrintsColumnsWithAdoCodesThenRows) {
  auto r = run("sql --db " + db_ +
               " \"Select Top 2 Nome, ValorNF, Cadastro From Clientes With "
               "(NoLock) Order By CodCliente\"");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "Nome (200)\tValorNF (6)\tCadastro (135)\n"
            "Ana\t10,5\t02/01/2026\n"
            "Bruno\tNull\tNull\n");
  r = run("sql --json --db sqlite:" + db_ + " \"Select Count(1) As N From Clientes\"");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(
      r.out,
      "{\"columns\":[{\"name\":\"N\",\"type\":3}],\"rows\":[[{\"type\":\"Long\",\"value\":3}]],"
      "\"affected\":null}\n");
  r = run("sql --db " + db_ + " \"Update Clientes Set Nome='X' Where CodCliente>1\"");
  EXPECT_EQ(r.out, "2 row(s) affected\n");
}

TEST_F(DbCommand, SqlFailuresAndUsage) {
  auto r = run("sql --db " + db_ + " \"Select Nada From Clientes\"");
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("no such column: Nada"), std::string::npos) << r.err;
  r = run("sql --db " + dir_.str() + "missing.db \"Select 1\"");
  EXPECT_EQ(r.status, 3);
  r = run("sql --db " + db_);
  EXPECT_EQ(r.status, 2);
}

TEST_F(DbCommand, CallWithConnectionAndRecordset) {
  auto r = run("call --json --db " + db_ + " FuncoesOrvane Dlookup @conn @str:1 @str:");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"result\":{\"type\":\"Long\",\"value\":1}"), std::string::npos) << r.out;
  r = run("call --db " + db_ + " FuncoesOrvane Dlookup @conn Nome Clientes CodCliente=3");
  EXPECT_EQ(r.out, "Célia\n");
  r = run("call --db " + db_ + " FuncoesOrvane DSum @conn ValorNF Clientes");
  EXPECT_EQ(r.out, "13,5\n");
  r = run("call --db " + db_ + " FuncoesOrvane NZ \"@rs:Select Nome From Clientes\"");
  EXPECT_EQ(r.out, "Recordset\n");
  r = run("call --db " + db_ + " FuncoesOrvane NZ \"@rs:Select Nada From Clientes\"");
  EXPECT_EQ(r.status, 2);
  r = run("call --db " + dir_.str() + "none.db FuncoesOrvane NZ @conn");
  EXPECT_EQ(r.status, 2);
}

}  // namespace
}  // namespace orvane
