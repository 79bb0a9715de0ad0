#include "funcs/wording.h"

#include <array>
#include <cmath>

#include "core/convert.h"
#include "core/error.h"
#include "core/format.h"
#include "funcs/funcoes_orvane.h"

namespace orvane::funcs {

using component::opt;
using component::ref;

namespace {

// Every word carries its trailing blank, so a reading is a plain concatenation.
constexpr std::array<const char*, 20> kUnits = {
    "",          "um ",     "dois ",      "tres ",      "quatro ",  "cinco ",   "seis ",
    "sete ",     "oito ",   "nove ",      "dez ",       "onze ",    "doze ",    "treze ",
    "quatorze ", "quinze ", "dezesseis ", "dezessete ", "dezoito ", "dezenove "};
constexpr std::array<const char*, 10> kTens = {"",          "dez ",       "vinte ",    "trinta ",
                                               "quarenta ", "cinquenta ", "sessenta ", "setenta ",
                                               "oitenta ",  "noventa "};
constexpr std::array<const char*, 10> kHundreds = {"",
                                                   "cento ",
                                                   "duzentos ",
                                                   "trezentos ",
                                                   "quatrocentos ",
                                                   "quinhentos ",
                                                   "seiscentos ",
                                                   "setecentos ",
                                                   "oitocentos ",
                                                   "novecentos "};
constexpr std::array<const char*, 10> kHundredsFem = {"",
                                                      "cento ",
                                                      "duzentas ",
                                                      "trezentas ",
                                                      "quatrocentas ",
                                                      "quinhentas ",
                                                      "seiscentas ",
                                                      "setecentas ",
                                                      "oitocentas ",
                                                      "novecentas "};

constexpr double kLargestAmount = 999999999.99;
constexpr int kMaxReading = 250;

std::string unit_word(int n, bool fem) { return fem && n == 2 ? "duas " : kUnits[n]; }

// The words of one group of three digits ("234" -> "duzentos e trinta e quatro ").
std::string group_words(const std::string& g, bool fem) {
  int d1 = g[0] - '0', d2 = g[1] - '0', d3 = g[2] - '0';
  int value = d1 * 100 + d2 * 10 + d3, last_two = d2 * 10 + d3;
  int size = value < 10 ? 1 : value < 100 ? 2 : 3;
  std::string t;
  if (size == 3) {
    if (last_two == 0) return d1 == 1 ? "cem " : (fem ? kHundredsFem : kHundreds)[d1];
    t += (fem ? kHundredsFem : kHundreds)[d1];
    t += "e ";
    size = 2;
  }
  if (size == 2) {
    if (last_two < 20) return t + unit_word(last_two, fem);
    t += kTens[d2];
    if (d3 == 0) return t;
    t += "e ";
  }
  return t + unit_word(d3, fem);
}

struct Groups {
  std::string millions, thousands, units, cents;  // three digits each
  int M = 0, K = 0, U = 0, C = 0;
  long I = 0;  // the integer part: millions, thousands and units read together
};

Groups split_groups(double magnitude) {
  // "0000001234,56": ten integer digits (the first, billions, is never read) and cents.
  std::string f = to_utf8(FormatText(Variant(magnitude), u"0000000000.00"));
  if (f.size() != 13) throw VbError(err::kInvalidCall);
  Groups g;
  g.millions = f.substr(1, 3);
  g.thousands = f.substr(4, 3);
  g.units = f.substr(7, 3);
  g.cents = "0" + f.substr(11, 2);
  g.M = std::stoi(g.millions);
  g.K = std::stoi(g.thousands);
  g.U = std::stoi(g.units);
  g.C = std::stoi(g.cents);
  g.I = g.M * 1000000L + g.K * 1000L + g.U;
  return g;
}

// The reading before its first letter is raised and the blanks trimmed.
std::string read_amount(double magnitude, bool esconde, bool fem) {
  Groups g = split_groups(magnitude);
  const std::string cents = group_words(g.cents, fem);
  const char* cents_word = g.C == 1 ? "centavo" : "centavos";
  if (g.I == 0 && g.C != 0) return cents + cents_word;

  std::string r;
  if (g.M != 0) {
    const bool one = g.M == 1;
    r += group_words(g.millions, fem);
    if (g.K == 0 && g.U == 0)
      r += one ? "milhao de " : "milhoes de ";
    else if ((g.K != 0) != (g.U != 0) && g.C == 0)
      r += one ? "milhao e " : "milhoes e ";
    else
      r += one ? "milhao, " : "milhoes, ";
  }
  if (g.K != 0) {
    r += group_words(g.thousands, fem);
    r += g.U == 0 ? "mil " : g.C == 0 ? "mil e " : "mil, ";
  }
  r += group_words(g.units, fem);
  if (g.C == 0) {
    if (!esconde) r += g.I == 1 ? "real " : "reais ";
  } else if (!esconde) {
    r += g.U == 1 || g.I == 1 ? "real " : "reais ";
  }
  if (g.C != 0) r += esconde ? "vírgula " + cents : "e " + cents + cents_word;
  return r;
}

Text finish(const std::string& reading) {
  Text r = from_utf8(reading);
  if (!r.empty()) r[0] = vb::UpperChar(r[0]);
  return vb::Trim(r);
}

// The value of an amount written in the host locale; raises 13 when it is not a number.
double amount_of(TextView nValor) { return CDbl(Variant(Text(nValor))); }

}  // namespace

Text extenso(const Context& ctx, Text& nValor, bool esconde_moeda, bool feminino) {
  try {
    double v = amount_of(nValor);
    if (!(std::abs(v) <= kLargestAmount)) return Text();
    if (vb::Left(nValor, 1) == u"-") nValor = vb::Mid(nValor, 2);
    Text r = vb::Left(finish(read_amount(std::abs(v), esconde_moeda, feminino)), kMaxReading);
    if (esconde_moeda) {
      r = vb::Replace(r, u"centavos", u"decimais");
      r = vb::Replace(r, u"centavo", u"decimal");
    }
    return vb::Trim(r);
  } catch (...) {
    VbError e = current_error();
    ctx.show(ui::standard_failure(e.number(), e.description()));
    return Text();
  }
}

Text extensoCompleta(const Context& ctx, TextView nValor) {
  try {
    double v = amount_of(nValor);
    if (!(std::abs(v) <= kLargestAmount)) return Text();
    Text fill;
    for (int i = 0; i < 74; ++i) fill += u"-*";
    return finish(read_amount(std::abs(v), false, false)) + fill;
  } catch (...) {
    VbError e = current_error();
    ctx.show(ui::standard_failure(e.number(), e.description()));
    return Text();
  }
}

Text ExtensoHoras(int32_t horas) {
  static const std::array<const char*, 21> kHours = {
      "zero",     "uma",    "duas",      "três",      "quatro",  "cinco",    "seis",
      "sete",     "oito",   "nove",      "dez",       "onze",    "doze",     "treze",
      "quatorze", "quinze", "dezesseis", "dezessete", "dezoito", "dezenove", "vinte"};
  if (horas < 0) return Text();
  Text figures = from_utf8(std::to_string(horas));
  if (horas >= 25) return figures;
  if (horas >= 21) return figures + u" (vinte e " + T(kHours[horas - 20]) + u") horas";
  if (horas == 1) return figures + u" (uma) hora";
  return figures + u" (" + T(kHours[horas]) + u") horas";
}

Text TrocaPonto(Currency valor, uint8_t centavos) {
  Text t;
  const Currency cents = Currency::from_raw(int64_t{centavos} * 100);
  try {
    t = currency_to_text(valor + cents);
  } catch (const VbError&) {
    // Beyond the currency range the sum is a double, shown as the host shows doubles.
    t = double_to_text(valor.to_double() + centavos / 100.0);
  }
  t = vb::Replace(t, u",", u".");
  if (t.size() >= 2 && t[t.size() - 2] == u'.') t += u"0";
  if (vb::InStr(t, u".") == 0) t += u".00";
  t = vb::Trim(t);
  if (vb::Left(t, 1) == u".") t = u"0" + t;
  return t;
}

Text NomeMês(int16_t mes) {
  static const std::array<const char*, 12> kMonths = {
      "Janeiro", "Fevereiro", "Março",    "Abril",   "Maio",     "Junho",
      "Julho",   "Agosto",    "Setembro", "Outubro", "Novembro", "Dezembro"};
  if (mes < 1 || mes > 12) return Text();
  return T(kMonths[mes - 1]);
}

void add_wording_members(component::MemberTable& t) {
  const Variant no = false;
  t.method(
      u"extenso",
      {ref(u"nValor", VarType::String), opt(u"EscondeMoeda", VarType::Boolean, no),
       opt(u"Feminino", VarType::Boolean, no)},
      VarType::String,
      [](Object& self, component::Args& a) {
        Text v = a[0].text();
        Text r = extenso(self_of(self).context(), v, a[1].boolean(), a[2].boolean());
        a[0] = v;
        return Variant(r);
      },
      "nValor (pt-BR number) in words; removes a leading minus from nValor");
  t.method(
      u"extensoCompleta", {ref(u"nValor", VarType::String)}, VarType::String,
      [](Object& self, component::Args& a) {
        return Variant(extensoCompleta(self_of(self).context(), a[0].text()));
      },
      "nValor in words followed by the cheque fill");
  t.method(
      u"ExtensoHoras", {ref(u"Horas", VarType::Long)}, VarType::String,
      [](Object&, component::Args& a) { return Variant(ExtensoHoras(a[0].lng())); },
      "\"8 (oito) horas\"");
  t.method(
      u"TrocaPonto",
      {ref(u"Valor", VarType::Currency), opt(u"Centavos", VarType::Byte, Variant(uint8_t{0}))},
      VarType::String,
      [](Object&, component::Args& a) { return Variant(TrocaPonto(a[0].currency(), a[1].byte())); },
      "Valor + Centavos/100 with a decimal point (\"1234.50\")");
  t.method(
      T("NomeMês"), {ref(T("Mês"), VarType::Integer)}, VarType::String,
      [](Object&, component::Args& a) { return Variant(NomeMês(a[0].integer())); },
      "month name, \"\" outside 1..12");
}

}  // namespace orvane::funcs
