// AdicionaCamposLista against a real database: every value rule, the accent-free twins,
// the walking order and an overfull table.
#include "docgen/frame/placeholder_table.h"

#include <gtest/gtest.h>

#include <map>

#include "core/convert.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

using orvane::testing::TempDir;

const char* kSchema = R"(
CREATE TABLE Clientes (CodCliente int PRIMARY KEY, Nome varchar(60), Cidade nvarchar(40),
  SenhaOnline varchar(20), "Endereço" varchar(60), "ComplEndereço" varchar(30), Bairro varchar(30),
  "EndereçoNF" varchar(60), "ComplementoNF" varchar(30), BairroNF varchar(30), ValorNF money,
  MoniDataCadastro datetime, Ativo bit, Limite float, Taxa decimal(18,2), "Observação" text,
  Cadastro datetime);
INSERT INTO Clientes VALUES
  (1, 'Ana Lúcia', 'Campinas', 'segredo', 'Rua A', 'apto 3', 'Centro', NULL, 'x', 'Outro',
   1234.5, '2024-03-07 15:20:00', 1, 0.5, 10.125, 'Cliente antigo', '2024-03-07 00:00:00'),
  (2, 'bruno', 'São Paulo', NULL, 'Rua B', NULL, 'Vila', 'Av. Cobrança', 'sala 9', 'Jardim',
   NULL, NULL, NULL, NULL, NULL, NULL, NULL);
CREATE TABLE Aditivos (CodInterno int, "Serviço" varchar(30), "NovoServiço" nvarchar(30));
INSERT INTO Aditivos VALUES (1, 'monitoramento', NULL);
CREATE TABLE Rastreadores (CodRastreio varchar(10), Modelo varchar(20));
INSERT INTO Rastreadores VALUES ('7781', 'st-340');
)";

class Placeholders : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string file = dir_.str() + "rules.db";
    db::create_database(from_utf8(file))->run_script(from_utf8(kSchema));
    conn_ = db::open_connection(from_utf8(file), ctx_.ctx);
  }

  // Rows 1..counter as a map from placeholder to value.
  std::map<Text, Variant> add(TextView sql, TextView prefix, int32_t direction = 1) {
    auto rs = db::open_recordset(conn_, sql);
    table_ = PlaceholderTable(1000);
    AdicionaCamposLista(*rs, prefix, table_, direction);
    std::map<Text, Variant> rows;
    for (int32_t i = 1; i <= table_.counter(); ++i) {
      rows[table_.text(i)] = table_.value(i);
    }
    return rows;
  }
  std::vector<Text> names() const {
    std::vector<Text> out;
    for (int32_t i = 1; i <= table_.counter(); ++i) out.push_back(table_.text(i));
    return out;
  }

  TempDir dir_;
  orvane::testing::RecordingContext ctx_;
  db::ConnectionPtr conn_;
  PlaceholderTable table_{1000};
};

Variant S(std::string_view s) { return Variant(from_utf8(s)); }

TEST_F(Placeholders, ValuesFollowTheFieldTypes) {
  auto rows = add(u"Select * From Clientes Where CodCliente=1", u"Pre.");
  EXPECT_EQ(rows[u"Pre.Nome"], S("ANA LÚCIA"));    // varchar: upper case
  EXPECT_EQ(rows[u"Pre.Cidade"], S("Campinas"));   // nvarchar keeps its case
  EXPECT_EQ(rows[u"Pre.ValorNF"], S("1.234,50"));  // money
  EXPECT_EQ(rows[u"Pre.Limite"], S("0,50"));       // float
  EXPECT_EQ(rows[u"Pre.Ativo"], S("Sim"));
  EXPECT_EQ(rows[T("Pre.Observação")], S("Cliente antigo"));  // text keeps its case
  // SQL Server's datetime is not ADO's date type: the value is left to the suite.
  EXPECT_EQ(rows[u"Pre.Cadastro"].type(), VarType::Date);
  EXPECT_EQ(CStr(rows[u"Pre.Cadastro"]), u"07/03/2024");
  // decimal is reported as numeric (131), which no format rule names.
  EXPECT_NE(rows[u"Pre.Taxa"].type(), VarType::String);
  // Outside "Cli." the password is an ordinary column.
  EXPECT_EQ(rows[u"Pre.SenhaOnline"], S("SEGREDO"));
}

TEST_F(Placeholders, NullValues) {
  auto rows = add(u"Select * From Clientes Where CodCliente=2", u"Pre.");
  EXPECT_EQ(rows[u"Pre.Ativo"], S("Não"));      // a null boolean
  EXPECT_TRUE(rows[u"Pre.ValorNF"].is_null());  // a null with a format stays null
  EXPECT_TRUE(rows[u"Pre.SenhaOnline"].is_null());
  EXPECT_EQ(rows[T("Pre.Observação")], S(""));  // others through NZ
}

TEST_F(Placeholders, AccentFreeTwinFollowsItsRow) {
  add(u"Select CodCliente, \"Endereço\", \"Observação\", Nome From Clientes Where CodCliente=1",
      u"Des.");
  std::vector<Text> expected = {u"Des.CodCliente",   T("Des.Endereço"), u"Des.EndereCo",
                                T("Des.Observação"), u"Des.ObservaCAo", u"Des.Nome"};
  EXPECT_EQ(names(), expected);
  EXPECT_EQ(table_.value(5), S("Cliente antigo"));
  EXPECT_EQ(table_.value(3), table_.value(2));
}

TEST_F(Placeholders, CustomerBillingAddressFallsBackToTheMainOne) {
  // Customer 1 has no billing address: the NF fields repeat the main address.
  auto rows = add(u"Select * From Clientes Where CodCliente=1", u"Cli.");
  EXPECT_EQ(rows.count(u"Cli.SenhaOnline"), 0u);
  EXPECT_EQ(rows[u"Cli.BairroNF"], S("Centro"));
  EXPECT_EQ(rows[u"Cli.ComplementoNF"], S("apto 3"));
  EXPECT_EQ(rows[T("Cli.EndereçoNF")], S("Rua A"));  // raw: no upper case
  EXPECT_EQ(rows[u"Cli.ValorNF"], S("1.234,50"));    // not an address field
  EXPECT_EQ(rows[u"Cli.MoniDataCadastro"], S("07/03/2024"));
  // Customer 2 has one: its own NF fields, raw.
  rows = add(u"Select * From Clientes Where CodCliente=2", u"Cli.");
  EXPECT_EQ(rows[u"Cli.BairroNF"], S("Jardim"));
  EXPECT_EQ(rows[u"Cli.ComplementoNF"], S("sala 9"));
  EXPECT_EQ(rows[u"Cli.MoniDataCadastro"], S(""));
}

TEST_F(Placeholders, AmendmentServicesAndTrackerCodes) {
  auto rows = add(u"Select * From Aditivos", u"ADT.");
  EXPECT_EQ(rows[T("ADT.Serviço")], S("MONITORAMENTO"));
  EXPECT_EQ(rows[T("ADT.NovoServiço")], S(""));
  EXPECT_EQ(rows[u"ADT.NovoServiCo"], S(""));
  rows = add(u"Select * From Rastreadores", u"Ras.");
  EXPECT_EQ(rows[u"Ras.CodRastreio"], S("INS7781IDE"));
  EXPECT_EQ(rows[u"Ras.Modelo"], S("ST-340"));
}

TEST_F(Placeholders, EmptyRecordsetGivesEmptyRows) {
  auto rows = add(u"Select * From Clientes Where CodCliente=99", u"Cli.");
  ASSERT_EQ(rows.size(), 16u + 4u);  // 16 fields without the password, 4 twins
  for (auto& [name, value] : rows) EXPECT_EQ(value, S("")) << to_utf8(name);
}

TEST_F(Placeholders, BackwardsWalksFromTheLastField) {
  add(u"Select CodInterno, \"Serviço\", \"NovoServiço\" From Aditivos", u"X.", -1);
  std::vector<Text> expected = {T("X.NovoServiço"), u"X.NovoServiCo", T("X.Serviço"), u"X.ServiCo",
                                u"X.CodInterno"};
  EXPECT_EQ(names(), expected);
}

TEST_F(Placeholders, OverfullTableCountsRowsItCannotStore) {
  auto rs = db::open_recordset(conn_, u"Select * From Clientes Where CodCliente=1");
  PlaceholderTable table(3);
  AdicionaCamposLista(*rs, u"Cli.", table, 1);  // no error raised here
  EXPECT_EQ(table.counter(), 16 + 4);
  EXPECT_EQ(table.text(3), T("Cli.Cidade"));
  try {
    table.text(4);
    FAIL() << "row 4 does not exist";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 9);
  }
}

}  // namespace
}  // namespace orvane::docgen
