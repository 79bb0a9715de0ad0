#include "funcs/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <random>

#include "core/error.h"
#include "platform/db/db.h"
#include "testing/testing.h"

namespace orvane::funcs {
namespace {

double cents(Currency c) { return c.raw() / 100.0; }
Currency cur(double v) { return Currency::from_double(v); }

Currency iss(int rule, double v, int16_t casas = 2) { return round_iss(rule, v, casas); }

TEST(Abnt, ListedValues) {
  EXPECT_EQ(Arredondamento_ABNT_NBR5891(2.125), cur(2.12));
  EXPECT_EQ(Arredondamento_ABNT_NBR5891(2.135), cur(2.14));
  EXPECT_EQ(Arredondamento_ABNT_NBR5891(2.1251), cur(2.13));
  EXPECT_EQ(Arredondamento_ABNT_NBR5891(2.126), cur(2.13));
  EXPECT_EQ(Arredondamento_ABNT_NBR5891(2.124), cur(2.12));
  EXPECT_EQ(Arredondamento_ABNT_NBR5891(2.12), cur(2.12));
  EXPECT_EQ(Arredondamento_ABNT_NBR5891(2.12500001), cur(2.12));
  EXPECT_EQ(Arredondamento_ABNT_NBR5891(2.675), cur(2.68));  // stored as 2.67499999...
  EXPECT_EQ(Arredondamento_ABNT_NBR5891(9.985), cur(9.98));
  EXPECT_EQ(Arredondamento_ABNT_NBR5891(9.995), cur(10));
  EXPECT_EQ(Arredondamento_ABNT_NBR5891(9.9851), cur(9.99));
  EXPECT_EQ(Arredondamento_ABNT_NBR5891(-2.135), cur(-2.14));
  EXPECT_EQ(Arredondamento_ABNT_NBR5891(1e16), Currency());
  EXPECT_EQ(Arredondamento_ABNT_NBR5891(NAN), Currency());
}

TEST(RoundTruncado, CutsAfterTwo) {
  EXPECT_EQ(RoundTruncado(2.129), cur(2.12));
  EXPECT_EQ(RoundTruncado(2.99999999), cur(2.99));
  EXPECT_EQ(RoundTruncado(2.999999999), cur(3));
  EXPECT_EQ(RoundTruncado(-2.129), cur(-2.12));
  EXPECT_EQ(RoundTruncado(2.129, 4), cur(2.12));  // the width is not consulted
  EXPECT_EQ(RoundTruncado(0.07), cur(0.07));      // 0.07 is 0.0700000000000000067...
  EXPECT_EQ(RoundTruncado(1e300), Currency());
}

TEST(RoundIss, RulesZeroToThree) {
  EXPECT_EQ(iss(0, 10.135), cur(10.14));  // a tie on the shown digits: to even
  EXPECT_EQ(iss(0, 10.125), cur(10.12));
  EXPECT_EQ(iss(0, 2.5, 0), cur(2));
  EXPECT_EQ(iss(0, 10.12345, 4), cur(10.1234));

  EXPECT_EQ(iss(1, 10.125), cur(10.13));
  EXPECT_EQ(iss(1, 10.124), cur(10.12));
  double v = 10.1234567;
  EXPECT_EQ(round_iss(1, v), cur(10.12));
  EXPECT_EQ(v, 10.12346);
  v = 10.124995;  // five places first (to even: 10.125), then the third decimal decides
  EXPECT_EQ(round_iss(1, v), cur(10.13));
  EXPECT_EQ(v, 10.125);

  EXPECT_EQ(iss(2, 10.12999), cur(10.13));
  EXPECT_EQ(iss(2, 10.12994), cur(10.12));
  EXPECT_EQ(iss(3, 2.135), cur(2.14));
  EXPECT_EQ(iss(3, 2.125), cur(2.12));
  EXPECT_EQ(iss(6, 10.5), Currency());
  EXPECT_EQ(iss(-1, 10.5), Currency());
}

TEST(RoundIss, DigitRules) {
  EXPECT_EQ(iss(4, 10.125), cur(10.12));
  EXPECT_EQ(iss(4, 10.12501), cur(10.13));
  EXPECT_EQ(iss(4, 10.126), cur(10.13));
  EXPECT_EQ(iss(4, 10.995), cur(10.99));
  EXPECT_EQ(iss(4, 10.996), cur(11));
  EXPECT_EQ(iss(4, 99.9951), cur(100));
  EXPECT_EQ(iss(5, 10.12501), cur(10.12));
  EXPECT_EQ(iss(5, 10.126), cur(10.13));
  EXPECT_EQ(iss(5, 845915.396), cur(845915.40));
  EXPECT_EQ(iss(5, 0.996), cur(1));
  // Other widths: the carry follows the width.
  EXPECT_EQ(iss(4, 1.23451, 3), cur(1.235));
  EXPECT_EQ(iss(4, 1.2345, 3), cur(1.234));
  EXPECT_EQ(iss(5, 1.9996, 3), cur(2));
  EXPECT_EQ(iss(5, 10.6, 0), cur(11));
  EXPECT_EQ(iss(4, 10.5, 0), cur(10));
  EXPECT_EQ(iss(4, 10.51, 0), cur(11));
  EXPECT_EQ(iss(5, 1.23456789016, 12), cur(1.2346));  // past the currency's four places
  // Negative amounts round as their magnitude.
  EXPECT_EQ(iss(4, -10.996), cur(-11));
  EXPECT_EQ(iss(5, -10.126), cur(-10.13));
  EXPECT_EQ(iss(1, -10.125), cur(-10.13));
}

TEST(RoundIss, FailuresReachTheCaller) {
  for (int rule = 0; rule <= 5; ++rule) {
    try {
      iss(rule, 10.5, -1);
      ADD_FAILURE() << "rule " << rule << " accepted a negative width";
    } catch (const VbError& e) {
      EXPECT_EQ(e.number(), err::kInvalidCall);
    }
    if (rule == 0) continue;  // rounding 1E16 to even is representable, then overflows below
    EXPECT_THROW(iss(rule, 1e16), VbError) << rule;
  }
  EXPECT_THROW(iss(0, 1e16), VbError);
}

// A decimal amount written with at most 13 significant digits, so that the 15 digits
// the host shows of the double are exactly these, and its value in 1E-10 units.
struct Sample {
  double value;
  int64_t units;  // value * 1E10, exactly
};

Sample random_sample(std::mt19937_64& rng) {
  std::uniform_int_distribution<int64_t> integer(0, 999999);
  std::uniform_int_distribution<int> places(0, 7), digit(0, 9), coin(0, 3);
  int64_t ip = coin(rng) == 0 ? integer(rng) % 100 : integer(rng);
  int n = places(rng);
  std::string frac;
  for (int i = 0; i < n; ++i) frac.push_back(static_cast<char>('0' + digit(rng)));
  if (n >= 3 && coin(rng) == 0) {  // ties and near-ties at the third decimal
    frac[2] = '5';
    for (int i = 3; i < n; ++i)
      if (coin(rng) != 0) frac[i] = '0';
  }
  std::string text = std::to_string(ip) + (n ? "." + frac : "");
  int64_t units = ip * 10000000000LL;
  int64_t scale = 1000000000LL;
  for (char c : frac) units += (c - '0') * scale, scale /= 10;
  return {std::strtod(text.c_str(), nullptr), units};
}

// Every rule against integer arithmetic on the exact decimal value, over many values.
TEST(Rounding, AgreesWithDecimalReference) {
  constexpr int64_t E2 = 100000000, E3 = 10000000, E4 = 1000000, E5 = 100000;
  std::mt19937_64 rng(5891);
  for (int i = 0; i < 50000; ++i) {
    Sample s = random_sample(rng);
    SCOPED_TRACE(::testing::Message() << std::setprecision(15) << s.value);
    const int64_t n = s.units, cut = n / E2, d3 = n / E3 % 10, d4 = n / E4 % 10;
    const int64_t after = n % E3;  // everything past the third decimal

    bool abnt_up = d3 > 5 || (d3 == 5 && (d4 != 0 || cut % 2 == 1));
    ASSERT_EQ(cents(Arredondamento_ABNT_NBR5891(s.value)), cut + abnt_up);
    ASSERT_EQ(cents(RoundTruncado(s.value)), cut);

    int64_t rem = n % E2;
    ASSERT_EQ(cents(iss(0, s.value)), cut + (rem > E2 / 2 || (rem == E2 / 2 && cut % 2)));

    int64_t q5 = n / E5, r5 = n % E5;
    int64_t n5 = (q5 + (r5 > E5 / 2 || (r5 == E5 / 2 && q5 % 2))) * E5;
    ASSERT_EQ(cents(iss(1, s.value)), n5 / E2 + (n5 / E3 % 10 >= 5));

    int64_t q4 = n / E4 + (n % E4 >= E4 / 2);
    ASSERT_EQ(cents(iss(2, s.value)), q4 / 100);
    ASSERT_EQ(iss(3, s.value), Arredondamento_ABNT_NBR5891(s.value));
    ASSERT_EQ(cents(iss(4, s.value)), cut + (d3 > 5 || (d3 == 5 && after > 0)));
    ASSERT_EQ(cents(iss(5, s.value)), cut + (d3 > 5));
    ASSERT_EQ(Arredondamento_ABNT_NBR5891(-s.value), -Arredondamento_ABNT_NBR5891(s.value));
  }
}

TEST(RoundingCommand, ThroughOrvaneCall) {
  auto r = orvane::testing::run_command(
      orvane::testing::orvane_bin() +
      " call --json FuncoesOrvane Arredondamento_ABNT_NBR5891 2.135 --then RoundTruncado "
      "2,999999999 @missing");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"result\":{\"type\":\"Currency\",\"value\":\"2.1400\"}"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\"result\":{\"type\":\"Currency\",\"value\":\"3.0000\"}"),
            std::string::npos)
      << r.out;
}

// A small host database: companies with their ISS rule and stock company, unit cost
// settings, price tables and stock costs.
class CostDatabase : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.str() + "host.db";
    auto db = db::create_database(from_utf8(path_));
    db->run_script(T(R"(
      CREATE TABLE Empresas (CodEmpresa int PRIMARY KEY, Conciliadora int,
                             TipoArredondamentoISS smallint);
      CREATE TABLE DadosEntidades (CodEntidade int, Unidade int, Codigo varchar(50),
                                   Descreve varchar(255));
      CREATE TABLE Unidades (CodUnidade int PRIMARY KEY, ForcaCustoSelecionadoOrc bit);
      CREATE TABLE ProdutosTabelas (CodInterno int PRIMARY KEY, UtilizaValoresProprios bit,
                                    UtilizaPrecoCusto bit);
      CREATE TABLE ProdutosTabelasItens (CodTabela int, CodProduto int, TipoItem char(1),
                                         PrecoCusto money);
      CREATE TABLE LocalizaProdutos (CodProduto int, CodEmpresa int, TipoEstoque int,
                                     CustoGerencial money, Custo money,
                                     "CustoReposição" money, "CustoMédio" money);
      INSERT INTO Empresas VALUES (1, 10, 1), (2, NULL, 4), (3, 10, 5), (4, 10, NULL),
                                  (5, 10, 9), (6, 10, 3);
      INSERT INTO LocalizaProdutos VALUES (100, 10, 1, 1.11, 2.22, 3.33, 4.44),
                                          (100, 10, 2, 91, 92, 93, 94),
                                          (100, 0, 1, 5.55, 6.66, 7.77, 8.88),
                                          (200, 10, 1, NULL, NULL, NULL, NULL);
      INSERT INTO Unidades VALUES (1, 0), (2, 0), (3, 1), (4, 0), (5, NULL);
      INSERT INTO DadosEntidades VALUES (254, 1, ' 2 ', NULL), (254, 2, '3', NULL),
                                        (175, 2, NULL, '1'), (254, 3, '3', NULL),
                                        (175, 3, NULL, ' 1'), (254, 4, '7', NULL),
                                        (175, 5, NULL, '0');
      INSERT INTO ProdutosTabelas VALUES (1, 1, 1), (2, 1, 1), (3, 1, 0), (4, 1, 1);
      INSERT INTO ProdutosTabelasItens VALUES (1, 100, 'P', 12.50), (2, 100, 'P', 0),
                                              (3, 100, 'P', 12.50), (4, 100, 'S', 12.50),
                                              (4, 200, NULL, 3.75);
    )"));
    conn_ = db::as_variant(db::open_connection(from_utf8(path_)));
  }

  Currency cost(int unidade, int empresa, int produto, int tabela) {
    return RetornaCustoSelecionado(conn_, unidade, empresa, produto, tabela);
  }

  orvane::testing::TempDir dir_;
  std::string path_;
  Variant conn_;
};

TEST_F(CostDatabase, SelectedCostFollowsTheUnitSettings) {
  EXPECT_EQ(cost(1, 1, 100, 0), cur(3.33));   // cost kind 2, written " 2 "
  EXPECT_EQ(cost(2, 1, 100, 0), cur(2.22));   // plain-cost switch on: Custo
  EXPECT_EQ(cost(3, 1, 100, 0), cur(4.44));   // switch on, but the unit forces its kind 3
  EXPECT_EQ(cost(4, 1, 100, 0), Currency());  // an unknown kind costs nothing
  EXPECT_EQ(cost(5, 1, 100, 0), cur(1.11));   // no kind: CustoGerencial
  EXPECT_EQ(cost(5, 2, 100, 0), cur(5.55));   // no stock company: company 0
  EXPECT_EQ(cost(5, 1, 200, 0), Currency());  // Null costs count as 0
  EXPECT_EQ(cost(5, 1, 999, 0), Currency());  // no such product
}

TEST_F(CostDatabase, PriceTableCostPrice) {
  EXPECT_EQ(cost(1, 1, 100, 1), cur(12.50));  // own values and cost price: the item's
  EXPECT_EQ(cost(1, 1, 100, 2), cur(3.33));   // an item cost of 0 keeps the stock cost
  EXPECT_EQ(cost(1, 1, 100, 3), cur(3.33));   // the table does not use the cost price
  EXPECT_EQ(cost(1, 1, 100, 4), cur(3.33));   // a service item is not a product
  EXPECT_EQ(cost(1, 1, 200, 4), cur(3.75));   // an item without a kind is a product
}

TEST_F(CostDatabase, FailuresAreSkipped) {
  // A connection that is not there: every lookup fails and the cost stays 0.
  EXPECT_EQ(RetornaCustoSelecionado(Variant(), 1, 1, 100, 1), Currency());
  auto conn = db::connection_of(conn_);
  conn->run_script(u"DROP TABLE Unidades; DROP TABLE ProdutosTabelas;");
  EXPECT_EQ(cost(3, 1, 100, 1), cur(2.22));  // the forcing flag unreadable: switch decides
}

TEST_F(CostDatabase, IssRuleOfTheCompany) {
  double v = 10.125;
  EXPECT_EQ(RoundISSQN(conn_, 1, v), cur(10.13));
  v = 10.1234567;
  EXPECT_EQ(RoundISSQN(conn_, 1, v), cur(10.12));
  EXPECT_EQ(v, 10.12346);  // rule 1 writes the five-place value back
  v = 10.12501;
  EXPECT_EQ(RoundISSQN(conn_, 2, v), cur(10.13));
  EXPECT_EQ(RoundISSQN(conn_, 3, v), cur(10.12));
  EXPECT_EQ(v, 10.12501);
  v = 10.135;
  EXPECT_EQ(RoundISSQN(conn_, 4, v), cur(10.14));   // Null rule: 0, to even
  EXPECT_EQ(RoundISSQN(conn_, 99, v), cur(10.14));  // no such company: rule 0 too
  EXPECT_EQ(RoundISSQN(conn_, 5, v), Currency());   // an unknown rule
  v = 2.135;
  EXPECT_EQ(RoundISSQN(conn_, 6, v), cur(2.14));
  v = 10.5;
  EXPECT_THROW(RoundISSQN(conn_, 1, v, -1), VbError);
}

TEST_F(CostDatabase, ThroughOrvaneCall) {
  auto run = [&](const std::string& args) {
    return orvane::testing::run_command(orvane::testing::orvane_bin() +
                                        " call --db sqlite:" + path_ + " " + args);
  };
  auto r = run("FuncoesOrvane RoundISSQN @conn 1 10.125");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "10,13\n");
  r =
      run("--json FuncoesOrvane RoundISSQN @conn 1 10,1234567 --then RetornaCustoSelecionado "
          "@conn 1 1 100 1 --then RetornaCustoSelecionado @conn 5 2 100 0");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"ValorISS\":{\"type\":\"Double\",\"value\":10.12346}"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\"value\":\"12.5000\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"value\":\"5.5500\""), std::string::npos) << r.out;
}

}  // namespace
}  // namespace orvane::funcs
