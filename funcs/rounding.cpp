#include "funcs/rounding.h"

#include <cmath>
#include <string>

#include "core/convert.h"
#include "core/error.h"
#include "core/format.h"
#include "funcs/aggregates.h"
#include "funcs/textclean.h"

namespace orvane::funcs {

using component::opt;
using component::ref;

namespace {

// Currency holds about 9.2E14; anything from 1E15 on cannot be a result.
constexpr double kBeyondCurrency = 1e15;

// A magnitude written with a fixed number of decimals, as the host's Format writes it:
// the 15-digit decimal form of the double, the last decimal rounded half away from zero.
struct Written {
  std::string integer;   // "10"
  std::string decimals;  // exactly the requested count of digits
};

Written write_decimals(double magnitude, int places) {
  if (!std::isfinite(magnitude) || magnitude >= kBeyondCurrency) throw VbError(err::kOverflow);
  Text pattern = places > 0 ? u"0." + Text(static_cast<size_t>(places), u'0') : Text(u"0");
  std::string s = to_utf8(FormatText(Variant(magnitude), pattern));
  size_t comma = s.find(',');
  Written w;
  w.integer = s.substr(0, comma);
  w.decimals = comma == std::string::npos ? std::string() : s.substr(comma + 1);
  if (w.decimals.size() != static_cast<size_t>(places)) throw VbError(err::kInvalidCall);
  return w;
}

// The currency value of "INTEGER.DECIMALS" (digits only), exactly.
Currency currency_of(const std::string& integer, std::string decimals) {
  while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();
  if (decimals.size() > 20) decimals.resize(20);  // far past the four the currency keeps
  std::string text = integer + (decimals.empty() ? "" : "." + decimals);
  return CCur(Variant(Decimal::parse(text)));
}

const Currency kCent = Currency::from_raw(100);

Currency with_sign(bool negative, Currency c) { return negative ? -c : c; }

// Rules 4 and 5: decide by the digit after the kept ones.
Currency digit_rule(double magnitude, int n, bool five_needs_more) {
  Written w = write_decimals(magnitude, 10);
  Text fitted = from_utf8(w.decimals);
  AcertoDG(fitted, u"0", 0, static_cast<int16_t>(n + 1), true);
  std::string d = to_utf8(fitted);
  std::string kept = d.substr(0, n);
  char next = d[n];
  std::string rest = n + 1 < 10 ? w.decimals.substr(n + 1) : std::string();
  bool later_digit = rest.find_first_not_of('0') != std::string::npos;
  bool up = next > '5' || (five_needs_more && next == '5' && later_digit);
  if (!up) return currency_of(w.integer, kept);
  // Add one unit of the last kept place; a run of nines carries into the integer part.
  int i = n - 1;
  while (i >= 0 && kept[i] == '9') kept[i--] = '0';
  if (i >= 0) {
    ++kept[i];
    return currency_of(w.integer, kept);
  }
  return currency_of(w.integer, kept) + Currency::from_int(1);
}

}  // namespace

Currency Arredondamento_ABNT_NBR5891(double valor) {
  try {
    Written w = write_decimals(std::abs(valor), 10);
    const char d2 = w.decimals[1], d3 = w.decimals[2], d4 = w.decimals[3];
    Currency cut = currency_of(w.integer, w.decimals.substr(0, 2));
    bool up = d3 > '5' || (d3 == '5' && (((d2 - '0') & 1) != 0 || d4 != '0'));
    return with_sign(std::signbit(valor), up ? cut + kCent : cut);
  } catch (...) {
    return Currency();
  }
}

Currency RoundTruncado(double valor, int32_t /*decimais*/) {
  try {
    Written w = write_decimals(std::abs(valor), 8);
    return with_sign(std::signbit(valor), currency_of(w.integer, w.decimals.substr(0, 2)));
  } catch (...) {
    return Currency();
  }
}

Currency round_iss(int32_t rule, double& valor_iss, int16_t casas) {
  if (casas < 0) throw VbError(err::kInvalidCall);
  const bool negative = std::signbit(valor_iss);
  switch (rule) {
    case 0:
      return CCur(Variant(Round(valor_iss, casas)));
    case 1: {
      valor_iss = Round(valor_iss, 5);
      Written w = write_decimals(std::abs(valor_iss), 10);
      Currency cut = currency_of(w.integer, w.decimals.substr(0, 2));
      return with_sign(negative, w.decimals[2] >= '5' ? cut + kCent : cut);
    }
    case 2: {
      Written w = write_decimals(std::abs(valor_iss), 4);
      return with_sign(negative, currency_of(w.integer, w.decimals.substr(0, 2)));
    }
    case 3: {
      if (!std::isfinite(valor_iss) || std::abs(valor_iss) >= kBeyondCurrency)
        throw VbError(err::kOverflow);
      return Arredondamento_ABNT_NBR5891(valor_iss);
    }
    case 4:
    case 5:
      return with_sign(negative, digit_rule(std::abs(valor_iss), casas, rule == 4));
    default:
      return Currency();
  }
}

namespace {

Text number_text(int32_t v) { return from_utf8(std::to_string(v)); }

// A setting kept as text ("2", " 1 "), read as a number; Null and "" read as 0.
double setting_number(const Variant& v) { return Val(vb::Trim(CStr(NZ(v, Text())))); }

bool setting_flag(const Variant& v) { return CBool(NZ(v, false)); }

}  // namespace

Currency RoundISSQN(const Variant& conn, int32_t cod_empresa, double& valor_iss, int16_t casas) {
  Variant rule = NZ(Dlookup(conn, u"TipoArredondamentoISS", u"Empresas",
                            u"CodEmpresa=" + number_text(cod_empresa)),
                    int16_t{0});
  double r = CDbl(rule);
  // A rule that is not one of the whole numbers 0..5 falls to "anything else".
  int32_t whole = r == std::trunc(r) && r >= 0 && r <= 5 ? static_cast<int32_t>(r) : -1;
  return round_iss(whole, valor_iss, casas);
}

Currency RetornaCustoSelecionado(const Variant& conn, int32_t cod_unidade, int32_t cod_empresa,
                                 int32_t cod_produto, int32_t cod_tabela) {
  const Text unidade = number_text(cod_unidade), tabela = number_text(cod_tabela),
             produto = number_text(cod_produto);
  Variant stock_company = int16_t{0};
  double cost_kind = 0;
  bool plain_cost = false, own_values = false, cost_price = false, force_selected = false;
  resume_next([&] {
    stock_company =
        NZ(Dlookup(conn, u"Conciliadora", u"Empresas", u"CodEmpresa=" + number_text(cod_empresa)),
           int16_t{0});
  });
  resume_next([&] {
    cost_kind = setting_number(
        Dlookup(conn, u"Codigo", u"DadosEntidades", u"CodEntidade=254 And Unidade=" + unidade));
  });
  resume_next([&] {
    plain_cost = setting_number(Dlookup(conn, u"Descreve", u"DadosEntidades",
                                        u"CodEntidade=175 And Unidade=" + unidade)) != 0;
  });
  resume_next([&] {
    own_values = setting_flag(
        Dlookup(conn, u"UtilizaValoresProprios", u"ProdutosTabelas", u"CodInterno=" + tabela));
  });
  resume_next([&] {
    cost_price = setting_flag(
        Dlookup(conn, u"UtilizaPrecoCusto", u"ProdutosTabelas", u"CodInterno=" + tabela));
  });
  resume_next([&] {
    force_selected = setting_flag(
        Dlookup(conn, u"ForcaCustoSelecionadoOrc", u"Unidades", u"CodUnidade=" + unidade));
  });

  Text product_filter;
  resume_next([&] {
    product_filter =
        u"TipoEstoque=1 And CodProduto=" + produto + u" And CodEmpresa=" + CStr(stock_company);
  });
  auto stock_cost = [&](TextView column) {
    return CCur(NZ(Dlookup(conn, column, u"LocalizaProdutos", product_filter), int16_t{0}));
  };
  Currency cost;
  if (!plain_cost || force_selected) {
    static const char* const kCostColumns[] = {"CustoGerencial", "Custo", "CustoReposição",
                                               "CustoMédio"};
    for (int kind = 0; kind < 4; ++kind)
      if (cost_kind == kind) resume_next([&] { cost = stock_cost(T(kCostColumns[kind])); });
  } else {
    resume_next([&] { cost = stock_cost(u"Custo"); });
  }
  if (own_values && cost_price) {
    resume_next([&] {
      Currency item = CCur(NZ(Dlookup(conn, u"PrecoCusto", u"ProdutosTabelasItens",
                                      u"Isnull(ProdutosTabelasItens.TipoItem,'P')='P' And "
                                      u"CodProduto=" +
                                          produto + u" And CodTabela=" + tabela),
                              int16_t{0}));
      if (item > Currency()) cost = item;
    });
  }
  return cost;
}

void add_rounding_members(component::MemberTable& t) {
  t.method(
      u"Arredondamento_ABNT_NBR5891", {ref(u"Valor", VarType::Double)}, VarType::Currency,
      [](Object&, component::Args& a) { return Variant(Arredondamento_ABNT_NBR5891(a[0].dbl())); },
      "Valor rounded to two decimals by ABNT NBR 5891");
  t.method(
      u"RoundTruncado",
      {ref(u"Valor", VarType::Double), opt(u"Decimais", VarType::Long, Variant(int32_t{2}))},
      VarType::Currency,
      [](Object&, component::Args& a) { return Variant(RoundTruncado(a[0].dbl(), a[1].lng())); },
      "Valor cut after two decimals");
  t.method(
      u"RoundISSQN",
      {ref(u"Connorvane", VarType::Variant), ref(u"CodEmpresa", VarType::Long),
       ref(u"ValorISS", VarType::Double),
       opt(u"CasasDecimais", VarType::Integer, Variant(int16_t{2}))},
      VarType::Currency,
      [](Object&, component::Args& a) {
        double valor = a[2].dbl();
        Currency r = RoundISSQN(a[0], a[1].lng(), valor, a[3].integer());
        a[2] = valor;
        return Variant(r);
      },
      "ValorISS rounded by the company's ISS rule (rule 1 writes ValorISS back)");
  t.method(
      u"RetornaCustoSelecionado",
      {ref(u"Connorvane", VarType::Variant), ref(u"CodUnidade", VarType::Long),
       ref(u"CodEmpresa", VarType::Long), ref(u"CodProduto", VarType::Long),
       ref(u"CodTabela", VarType::Long)},
      VarType::Currency,
      [](Object&, component::Args& a) {
        return Variant(
            RetornaCustoSelecionado(a[0], a[1].lng(), a[2].lng(), a[3].lng(), a[4].lng()));
      },
      "the product's cost under the unit's cost settings");
}

}  // namespace orvane::funcs
