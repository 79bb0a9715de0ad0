#include "funcs/aggregates.h"

#include <gtest/gtest.h>

#include "funcs/funcoes_orvane.h"
#include "platform/db/db.h"
#include "testing/testing.h"

namespace orvane::funcs {
namespace {

class Aggregates : public ::testing::Test {
 protected:
  void SetUp() override {
    auto c = db::create_database(from_utf8(dir.str() + "agg.db"));
    c->run_script(
        u"CREATE TABLE Unidades (CodUnidade int, S3Ativo bit, Nome varchar(40));"
        u"INSERT INTO Unidades VALUES (3, 1, 'Matriz'), (4, 0, 'Filial'), (5, NULL, 'Nova');"
        u"CREATE TABLE Itens (Cod int, Valor money, Qtd int);"
        u"INSERT INTO Itens VALUES (1, 10.5, 2), (2, 4.25, 3), (3, NULL, 1);");
    conn = db::as_variant(c);
  }
  orvane::testing::TempDir dir;
  Variant conn;
};

TEST(AggregateSql, ExactTexts) {
  EXPECT_EQ(dlookup_sql(u"S3Ativo", u"Unidades", u"CodUnidade=3"),
            u"Select Top 1 S3Ativo From Unidades With (NoLock)  Where CodUnidade=3");
  EXPECT_EQ(dlookup_sql(u"1", u"", u""), u"Select Top 1 1");
  EXPECT_EQ(dlookup_sql(u"Nome", u"", u"1=1"), u"Select Top 1 Nome Where 1=1");
  EXPECT_EQ(dlookup_sql(u"A.Nome", u"Clientes A", u""), u"Select Top 1 A.Nome From Clientes A");
  EXPECT_EQ(aggregate_sql(u"Sum", u"Valor", u"Itens I", u"Cod>1"),
            u"Select Sum(Valor) From Itens I Where Cod>1");
  EXPECT_EQ(aggregate_sql(u"Count", u"*", u"A,B", u""), u"Select Count(*) From A,B");
  // Only "Join" with that capitalisation counts.
  EXPECT_EQ(aggregate_sql(u"Max", u"x", u"AJoinB", u""), u"Select Max(x) From AJoinB");
  EXPECT_EQ(aggregate_sql(u"Max", u"x", u"AjoinB", u""),
            u"Select Max(x) From AjoinB With (NoLock) ");
  EXPECT_EQ(aggregate_sql(u"Min", u"x", u"", u""), u"Select Min(x) From  With (NoLock) ");
}

TEST_F(Aggregates, LookupValuesAndFailures) {
  EXPECT_EQ(Dlookup(conn, u"S3Ativo", u"Unidades", u"CodUnidade=3"), Variant(true));
  EXPECT_EQ(Dlookup(conn, u"1", u""), Variant(int32_t{1}));
  EXPECT_TRUE(Dlookup(conn, u"Nome", u"Unidades", u"CodUnidade=99").is_null());
  EXPECT_TRUE(Dlookup(conn, u"S3Ativo", u"Unidades", u"CodUnidade=5").is_null());
  EXPECT_TRUE(Dlookup(conn, u"Nada", u"Unidades", u"").is_null());
  EXPECT_TRUE(Dlookup(conn, u"Nome", u"NaoExiste", u"").is_null());
  EXPECT_TRUE(Dlookup(Variant(u"not a connection"), u"1", u"").is_null());
  EXPECT_TRUE(Dlookup(Variant(), u"1", u"").is_null());
}

TEST_F(Aggregates, AggregatesAndTheirFailures) {
  EXPECT_EQ(DSum(conn, u"Valor", u"Itens"), Variant(Currency::from_raw(147500)));
  EXPECT_EQ(DCount(conn, u"Valor", u"Itens"), Variant(int32_t{2}));
  EXPECT_EQ(DCount(conn, u"*", u"Itens", u"Cod>10"), Variant(int32_t{0}));
  EXPECT_TRUE(DSum(conn, u"Valor", u"Itens", u"Cod>10").is_null());
  EXPECT_EQ(DSum(conn, u"Valorr", u"Itens"), Variant(int16_t{0}));
  EXPECT_EQ(DMax(conn, u"Qtd", u"Itens"), Variant(int32_t{3}));
  EXPECT_EQ(DMin(conn, u"Valor", u"Itens I", u"I.Cod>1"), Variant(Currency::from_raw(42500)));
  EXPECT_EQ(DAvg(conn, u"Qtd", u"Itens"), Variant(int32_t{2}));  // integer average
  EXPECT_EQ(DCount(conn, u"1", u""), Variant(int16_t{0}));      // "From  With (NoLock) "
  db::connection_of(conn)->close();
  EXPECT_EQ(DCount(conn, u"*", u"Itens"), Variant(int16_t{0}));
  EXPECT_TRUE(Dlookup(conn, u"1", u"").is_null());
}

TEST_F(Aggregates, LateBoundThroughFuncoesOrvane) {
  orvane::testing::RecordingContext rc;
  auto f = std::make_shared<FuncoesOrvane>(rc.ctx);
  std::vector<Variant> args{conn, Variant(u"Nome"), Variant(u"Unidades"), Variant(u"CodUnidade=4")};
  EXPECT_EQ(f->invoke(u"dlookup", CallKind::Method, args), Variant(u"Filial"));
  std::vector<Variant> no_filter{conn, Variant(u"Qtd"), Variant(u"Itens")};
  EXPECT_EQ(f->invoke(u"DSum", CallKind::Method, no_filter), Variant(int32_t{6}));
  EXPECT_TRUE(rc.sink->messages().empty());
}

TEST(NZ, ReplacesOnlyNull) {
  EXPECT_EQ(NZ(Variant::Null(), Text()), Variant(Text()));
  EXPECT_EQ(NZ(Variant::Null(), Variant::Null()), Variant(int16_t{0}));
  EXPECT_EQ(NZ(int32_t{5}, int16_t{0}), Variant(int32_t{5}));
  EXPECT_TRUE(NZ(Variant(), int16_t{0}).is_empty());  // Empty is not Null
  EXPECT_TRUE(NZ(Variant::Null()).is_missing());      // the omitted substitute comes back
  EXPECT_EQ(NZ(Text(u"x"), Text(u"y")), Variant(Text(u"x")));
}

}  // namespace
}  // namespace orvane::funcs
