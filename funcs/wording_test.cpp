#include "funcs/wording.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>

#include "testing/testing.h"

namespace orvane::funcs {
namespace {

using orvane::testing::RecordingContext;

std::string words(const std::string& amount, bool esconde = false, bool fem = false) {
  RecordingContext rc;
  Text v = from_utf8(amount);
  Text r = extenso(*rc.ctx, v, esconde, fem);
  EXPECT_TRUE(rc.sink->messages().empty()) << amount;
  return to_utf8(r);
}

TEST(Extenso, ListedAmounts) {
  EXPECT_EQ(words("1234,56"),
            "Um mil, duzentos e trinta e quatro reais e cinquenta e seis centavos");
  EXPECT_EQ(words("1.234,56"), words("1234,56"));
  EXPECT_EQ(words("100"), "Cem reais");
  EXPECT_EQ(words("101"), "Cento e um reais");
  EXPECT_EQ(words("21"), "Vinte e um reais");
  EXPECT_EQ(words("2000"), "Dois mil reais");
  EXPECT_EQ(words("1,00"), "Um real");
  EXPECT_EQ(words("1000000"), "Um milhao de reais");
  EXPECT_EQ(words("1500000"), "Um milhao e quinhentos mil reais");
  EXPECT_EQ(words("1000001"), "Um milhao e um reais");
  EXPECT_EQ(words("0,01"), "Um centavo");
  EXPECT_EQ(words("0"), "Reais");
  EXPECT_EQ(words("2001,50"), "Dois mil, um real e cinquenta centavos");
  EXPECT_EQ(words("10,50", true), "Dez vírgula cinquenta");
  EXPECT_EQ(words("0,50", true), "Cinquenta decimais");
  EXPECT_EQ(words("0,01", true), "Um decimal");
  EXPECT_EQ(words("202", false, true), "Duzentas e duas reais");
  EXPECT_EQ(words("2002002,02", false, true), "Duas milhoes, duas mil, duas reais e duas centavos");
}

TEST(Extenso, MillionsJoiners) {
  EXPECT_EQ(words("3000000,10"), "Tres milhoes de reais e dez centavos");
  EXPECT_EQ(words("2005000,10"), "Dois milhoes, cinco mil reais e dez centavos");
  EXPECT_EQ(words("2000005,10"), "Dois milhoes, cinco reais e dez centavos");
  EXPECT_EQ(words("2005005"), "Dois milhoes, cinco mil e cinco reais");
  EXPECT_EQ(words("999999999,99"),
            "Novecentos e noventa e nove milhoes, novecentos e noventa e nove mil, novecentos e "
            "noventa e nove reais e noventa e nove centavos");
}

TEST(Extenso, SignLimitAndBadInput) {
  RecordingContext rc;
  Text v = u"-5";
  EXPECT_EQ(to_utf8(extenso(*rc.ctx, v)), "Cinco reais");
  EXPECT_EQ(v, u"5");
  v = u"1000000000";
  EXPECT_EQ(extenso(*rc.ctx, v), u"");
  v = u"-1000000000";  // too large either way: nothing is read and the text stays
  EXPECT_EQ(extenso(*rc.ctx, v), u"");
  EXPECT_EQ(v, u"-1000000000");
  EXPECT_EQ(words("999999999,994"), "");  // the limit is on the value, not its two decimals
  EXPECT_TRUE(rc.sink->messages().empty());

  v = u"abc";
  EXPECT_EQ(extenso(*rc.ctx, v), u"");
  ASSERT_EQ(rc.sink->messages().size(), 1u);
  EXPECT_EQ(rc.sink->messages()[0], ui::standard_failure(13, standard_description(13)));
  EXPECT_EQ(extensoCompleta(*rc.ctx, u"12x"), u"");
  EXPECT_EQ(rc.sink->messages().size(), 2u);
}

TEST(Extenso, CompletaAddsTheFill) {
  RecordingContext rc;
  Text r = extensoCompleta(*rc.ctx, u"10");
  ASSERT_EQ(r.size(), 9u + 148u);
  EXPECT_EQ(r.substr(0, 11), u"Dez reais-*");
  EXPECT_EQ(r.substr(r.size() - 2), u"-*");
  // Masculine and with currency words whatever extenso's options would be.
  EXPECT_EQ(to_utf8(extensoCompleta(*rc.ctx, u"2,02").substr(0, 37)),
            "Dois reais e dois centavos-*-*-*-*-*-");
}

// Reads a reading back into cents, independently of how it was produced.
long long read_back(const std::string& reading, bool* ok) {
  static const std::map<std::string, int> kValues = {
      {"um", 1},           {"dois", 2},         {"duas", 2},
      {"tres", 3},         {"quatro", 4},       {"cinco", 5},
      {"seis", 6},         {"sete", 7},         {"oito", 8},
      {"nove", 9},         {"dez", 10},         {"onze", 11},
      {"doze", 12},        {"treze", 13},       {"quatorze", 14},
      {"quinze", 15},      {"dezesseis", 16},   {"dezessete", 17},
      {"dezoito", 18},     {"dezenove", 19},    {"vinte", 20},
      {"trinta", 30},      {"quarenta", 40},    {"cinquenta", 50},
      {"sessenta", 60},    {"setenta", 70},     {"oitenta", 80},
      {"noventa", 90},     {"cem", 100},        {"cento", 100},
      {"duzentos", 200},   {"trezentos", 300},  {"quatrocentos", 400},
      {"quinhentos", 500}, {"seiscentos", 600}, {"setecentos", 700},
      {"oitocentos", 800}, {"novecentos", 900}};
  std::istringstream in(reading);
  std::string w;
  long long total = 0, current = 0, integer = 0, cents = 0;
  *ok = true;
  while (in >> w) {
    if (!w.empty() && w.back() == ',') w.pop_back();
    if (!w.empty()) w[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(w[0])));
    if (w == "e" || w == "de") continue;
    if (auto it = kValues.find(w); it != kValues.end()) {
      current += it->second;
    } else if (w == "mil") {
      total += current * 1000, current = 0;
    } else if (w == "milhao" || w == "milhoes") {
      total += current * 1000000, current = 0;
    } else if (w == "real" || w == "reais") {
      integer = total + current, total = current = 0;
    } else if (w == "centavo" || w == "centavos") {
      cents = current, current = 0;
    } else {
      *ok = false;
    }
  }
  return integer * 100 + cents;
}

// Every amount from 0 to 2000, whole and with cents: the words read back to the
// amount, the text has no doubled or stray blanks, and the joiners are the right ones.
TEST(Extenso, SweepUpToTwoThousand) {
  RecordingContext rc;
  for (int reais = 0; reais <= 2000; ++reais) {
    for (int cents : {0, 1, 10, 15, 20, 21, 99}) {
      std::string amount =
          std::to_string(reais) + "," + (cents < 10 ? "0" : "") + std::to_string(cents);
      Text v = from_utf8(amount);
      std::string r = to_utf8(extenso(*rc.ctx, v));
      SCOPED_TRACE(amount + " -> " + r);
      bool ok;
      EXPECT_EQ(read_back(r, &ok), reais * 100LL + cents);
      EXPECT_TRUE(ok);
      EXPECT_EQ(r.find("  "), std::string::npos);
      EXPECT_FALSE(r.empty() || r.front() == ' ' || r.back() == ' ');
      EXPECT_TRUE(std::isupper(static_cast<unsigned char>(r[0])));
      for (const char* wrong : {" e e ", " e reais", " e real ", ", reais", "e mil", " e centavo",
                                "mil, reais", "mil e reais", ", e "})
        EXPECT_EQ(r.find(wrong), std::string::npos) << wrong;
      int k = reais / 1000, u = reais % 1000;
      EXPECT_EQ(r.find("mil, ") != std::string::npos, k && u && cents);
      EXPECT_EQ(r.find("mil e ") != std::string::npos, k && u && !cents);
      bool cents_joined =
          r.find("reais e ") != std::string::npos || r.find("real e ") != std::string::npos;
      EXPECT_EQ(cents_joined, reais && cents);
      std::string padded = " " + r + " ";
      padded[1] = static_cast<char>(std::tolower(static_cast<unsigned char>(padded[1])));
      const char* currency = reais == 0 && cents             ? nullptr
                             : (cents ? u == 1 : reais == 1) ? " real "
                                                             : " reais ";
      if (currency)
        EXPECT_NE(padded.find(currency), std::string::npos) << currency;
      else
        EXPECT_EQ(padded.find(" rea"), std::string::npos);
      // Hiding the currency keeps the same numbers and says no currency word.
      Text hidden_v = from_utf8(amount);
      std::string hidden = to_utf8(extenso(*rc.ctx, hidden_v, true));
      EXPECT_EQ(hidden.find("rea"), std::string::npos) << hidden;
      EXPECT_EQ(hidden.find("centavo"), std::string::npos) << hidden;
      EXPECT_EQ(hidden.find("  "), std::string::npos) << hidden;
    }
  }
  EXPECT_TRUE(rc.sink->messages().empty());
}

// Random amounts over the whole range read back exactly.
TEST(Extenso, RandomAmountsReadBack) {
  RecordingContext rc;
  std::mt19937_64 rng(5);
  std::uniform_int_distribution<long long> any(0, 99999999999LL);
  for (int i = 0; i < 20000; ++i) {
    long long c = any(rng);
    if (i % 3 == 0) c -= c % 100;        // whole amounts
    if (i % 5 == 0) c -= c % 100000;     // round thousands
    if (i % 7 == 0) c -= c % 100000000;  // round millions
    std::string amount = std::to_string(c / 100) + "," + std::to_string(100 + c % 100).substr(1);
    Text v = from_utf8(amount);
    std::string r = to_utf8(extenso(*rc.ctx, v));
    bool ok;
    ASSERT_EQ(read_back(r, &ok), c) << amount << " -> " << r;
    ASSERT_TRUE(ok) << r;
    ASSERT_EQ(r.find("  "), std::string::npos) << r;
  }
}

TEST(ExtensoHoras, Forms) {
  EXPECT_EQ(to_utf8(ExtensoHoras(23)), "23 (vinte e três) horas");
  EXPECT_EQ(to_utf8(ExtensoHoras(21)), "21 (vinte e uma) horas");
  EXPECT_EQ(to_utf8(ExtensoHoras(24)), "24 (vinte e quatro) horas");
  EXPECT_EQ(to_utf8(ExtensoHoras(1)), "1 (uma) hora");
  EXPECT_EQ(to_utf8(ExtensoHoras(8)), "8 (oito) horas");
  EXPECT_EQ(to_utf8(ExtensoHoras(0)), "0 (zero) horas");
  EXPECT_EQ(to_utf8(ExtensoHoras(20)), "20 (vinte) horas");
  EXPECT_EQ(to_utf8(ExtensoHoras(25)), "25");
  EXPECT_EQ(ExtensoHoras(-1), u"");
}

TEST(TrocaPonto, Forms) {
  EXPECT_EQ(TrocaPonto(Currency::from_double(1234.5)), u"1234.50");
  EXPECT_EQ(TrocaPonto(Currency::from_int(7)), u"7.00");
  EXPECT_EQ(TrocaPonto(Currency::from_int(10), 25), u"10.25");
  EXPECT_EQ(TrocaPonto(Currency::from_double(0.1234)), u"0.1234");
  EXPECT_EQ(TrocaPonto(Currency::from_double(-0.5)), u"-0.50");
  EXPECT_EQ(TrocaPonto(Currency::from_double(9.99), 255), u"12.54");
}

TEST(NomeMes, Names) {
  EXPECT_EQ(NomeMês(1), u"Janeiro");
  EXPECT_EQ(to_utf8(NomeMês(3)), "Março");
  EXPECT_EQ(NomeMês(12), u"Dezembro");
  EXPECT_EQ(NomeMês(0), u"");
  EXPECT_EQ(NomeMês(13), u"");
}

TEST(WordingCommand, ThroughOrvaneCall) {
  auto run = [](const std::string& args) {
    return orvane::testing::run_command(orvane::testing::orvane_bin() + " call " + args);
  };
  auto r = run("FuncoesOrvane extenso 1234,56");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "Um mil, duzentos e trinta e quatro reais e cinquenta e seis centavos\n");
  r = run("--json FuncoesOrvane extenso -5 @missing @bool:true");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"result\":{\"type\":\"String\",\"value\":\"Cinco reais\"}"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\"nValor\":{\"type\":\"String\",\"value\":\"5\"}"), std::string::npos);
  r = run("--json FuncoesOrvane extenso abc");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\"value\":\"\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Ocorreu o erro nº13"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"style\":16"), std::string::npos) << r.out;
  r = run("FuncoesOrvane nomemês 3 --then ExtensoHoras 1 --then TrocaPonto 10 25");
  EXPECT_EQ(r.out, "Março\n1 (uma) hora\n10.25\n");
}

}  // namespace
}  // namespace orvane::funcs
