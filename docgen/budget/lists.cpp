// Where a list's exact columns are the implementer's to choose, the name and the budget's
// vocabulary decide, and the choice is written here, once:
//   - "SemValor" drops the money columns and "SemCodigo" the code of the columns it names;
//   - "Desc" lists show the discount (real unit price against the net price), "Bruto" the
//     gross prices, "NF" the invoice description, "UN" the unit of measure, "Marca" the brand,
//     "NCM"/"Fiscais" the tax codes, "DescrAlternativa" the product's alternative text,
//     "Observacoes" the installation place;
//   - "VendidoLocado" says "Venda" or "Comodato"/"Locação" and hides rental prices ("R$ 0,00"),
//     as does "OcultaValor"; every other priced list shows "Locado" on a rented line;
//   - "Vendidos" lists take the lines sold, "Locados" the lines rented; "Proporcional" gives
//     each rented item's value spread over the months the rental takes to return it;
//   - the lists named after a customer (Tavlo, Movitra, Quilma) lead with what that customer
//     reads first: unit of measure, manufacturer code, quantity.
//   - services follow the products' rules; additional services take "R$ " or "Currency"
//     money, their total being the monthly value times the quantity (less the discount in the
//     "Desc" and "Completo3"/"5" lists); vehicles show identity, then the monthly values;
//   - group totals and "Total Líquido" sum the Total column of the lines with prices;
//   - Word tables: the grouped product and service tables close each group with its total;
//     the tables without values and the installation-place table are not grouped; the photo
//     tables differ by the lines they take (all, sold, rented) and by the picture's width.
// Quantities are written as the number is (40, 2,5); codes "000000".
#include "docgen/budget/lists.h"

#include "core/convert.h"
#include "docgen/budget/word_tables.h"
#include "docgen/frame/values.h"
#include "funcs/aggregates.h"

namespace orvane::docgen::budget {
namespace {

// ---- computed values ------------------------------------------------------------------------

Variant money(double v) { return Variant(CCur(Round(v, 2))); }
double num(const Line& line, TextView field) { return number_or_zero(line.field(field)); }

// The product's brand: the setting that its CodMarca names.
Variant brand(const Line& line) {
  const Variant& conn = line.context().conn;
  const Variant mark = funcs::Dlookup(conn, u"CodMarca", u"Produtos",
                                      u"CodProduto=" + key_text(line.field(u"CodProduto")));
  return Variant(key_text(
      funcs::Dlookup(conn, u"Descreve", u"DadosEntidades", u"CodInterno=" + key_text(mark))));
}

Variant alternative_description(const Line& line) {
  return Variant(key_text(funcs::Dlookup(line.context().conn, u"DescrAlternativa", u"Produtos",
                                         u"CodProduto=" + key_text(line.field(u"CodProduto")))));
}

Variant gross_total(const Line& line) {
  return money(num(line, u"UnitReal") * num(line, u"Quantidade"));
}
Variant unit_discount(const Line& line) {
  return money(num(line, u"UnitReal") - num(line, T("Líquido")));
}
Variant line_discount(const Line& line) {
  return money(num(line, u"UnitReal") * num(line, u"Quantidade") - num(line, T("TotalLíquido")));
}
Variant sale_or_loan(const Line& line) {
  return Variant(Text(line.rented() ? u"Comodato" : u"Venda"));
}
Variant sale_or_rental(const Line& line) {
  return Variant(line.rented() ? T("Locação") : Text(u"Venda"));
}
// A rented item's value over the months the rental takes to return it.
Variant monthly_share(const Line& line) {
  const double months = number_or_zero(line.value(kReturnMonths));
  if (months <= 0) return Variant();
  return money(num(line, u"Total") / months);
}
Variant quantity_and_unit(const Line& line) {
  return Variant(key_text(line.field(u"Quantidade")) + u" " + key_text(line.field(u"Unidade")));
}

Variant service_discount(const Line& line) {
  return money(num(line, u"TotalBruto") - num(line, u"Total"));
}

Variant additional_total(const Line& line) {
  return money(num(line, T("ValorServiço")) * num(line, u"Quantidade"));
}
Variant additional_net(const Line& line) {
  return money(num(line, T("ValorServiço")) * num(line, u"Quantidade") -
               num(line, u"DescontoTotal"));
}

// ---- columns ----------------------------------------------------------------------------------

Column product_code() { return code(u"CodProduto"); }
Column description() { return text(T("Descrição")); }
Column qty() { return quantity(u"Quantidade", u""); }
Column net_unit() { return price(T("Líquido")); }
Column net_total() { return total(T("TotalLíquido")); }
Column real_unit() { return price(u"UnitReal"); }
Column unit_of_measure() { return text(u"Unidade"); }
Column place() { return text(T("LocalInstalação")); }

std::vector<Column> standard() {
  return {product_code(), description(), qty(), net_unit(), net_total()};
}
std::vector<Column> with_unit_of_measure() {
  return {product_code(), description(), unit_of_measure(), qty(), net_unit(), net_total()};
}
std::vector<Column> by_place() { return {qty(), description(), place(), net_unit(), net_total()}; }

}  // namespace

const std::vector<ListLayout>& product_lists() {
  using enum Money;
  static const std::vector<ListLayout> k = {
      // placeholder, columns, money style, lines, rented lines, grouped, grand total, drops
      {.placeholder = u"vEquipamentos",
       .columns = standard(),
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true},
      {.placeholder = u"vEquipamentos2",
       .columns = {description(), qty(), net_unit(), net_total()},
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true,
       .grand_total = true},
      {.placeholder = u"vEquipamentos3",
       .columns = {product_code(), description(), qty(), net_total()},
       .money = Reais,
       .rented = Rented::Locado,
       .grand_total = true},
      {.placeholder = u"vEquipamentosTavlo2",
       .columns = {unit_of_measure(), qty(), description(), net_unit(), net_total()},
       .money = Currency,
       .rented = Rented::Locado,
       .grand_total = true},
      {.placeholder = u"vEquipamentosUN",
       .columns = with_unit_of_measure(),
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true},
      {.placeholder = u"vEquipamentosNF",
       .columns = {product_code(), text(T("DescriçaoNF")), qty(), net_unit(), net_total()},
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true},
      {.placeholder = u"vEquipamentosNF2",
       .columns = {text(T("DescriçaoNF")), qty(), net_unit(), net_total()},
       .money = Plain,
       .rented = Rented::Locado,
       .grand_total = true},
      {.placeholder = u"vEquipamentosNF3",
       .columns = {product_code(), text(T("DescriçaoNF")), text(u"NCM"), unit_of_measure(), qty(),
                   net_unit(), net_total()},
       .money = Currency,
       .rented = Rented::Locado},
      {.placeholder = u"vEquipamentosDesc",
       .columns = {product_code(), description(), qty(), real_unit(), net_unit(), net_total()},
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true},
      {.placeholder = u"vEquipamentosDesc2",
       .columns = {description(), qty(), real_unit(), computed(unit_discount, u"", Role::Price),
                   net_unit(), net_total()},
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true},
      {.placeholder = u"vEquipamentosDesc3",
       .columns = {description(), qty(), computed(gross_total, u"", Role::Price),
                   computed(line_discount, u"", Role::Price), net_total()},
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true,
       .grand_total = true},
      {.placeholder = u"vEquipamentosDesc4",
       .columns = {product_code(), description(), qty(), real_unit(),
                   computed(line_discount, u"", Role::Price), net_total()},
       .money = Currency,
       .rented = Rented::Locado,
       .grand_total = true},
      {.placeholder = u"vEquipamentosDesc5",
       .columns = {product_code(), description(), qty(), real_unit(), net_unit(), net_total()},
       .money = Plain,
       .rented = Rented::Zero,
       .grand_total = true},
      {.placeholder = u"vEquipamentosSemCodigo",
       .columns = standard(),
       .money = Plain,
       .rented = Rented::Locado,
       .grouped = true,
       .drop_code = true},
      {.placeholder = u"vEquipamentosSemCodigo2",
       .columns = {product_code(), description(), qty(), net_total()},
       .money = Plain,
       .rented = Rented::Locado,
       .grouped = true,
       .drop_code = true},
      {.placeholder = u"vEquipamentosSemCodigoSemGrupo",
       .columns = standard(),
       .money = Plain,
       .rented = Rented::Locado,
       .grand_total = true,
       .drop_code = true},
      {.placeholder = u"vEquipamentosMarca",
       .columns = {product_code(), description(), computed(brand), qty(), net_unit(), net_total()},
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true},
      {.placeholder = u"vEquipamentosMarcaBruto",
       .columns = {product_code(), description(), computed(brand), qty(), real_unit(),
                   computed(gross_total, u"", Role::Total)},
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true},
      {.placeholder = u"vEquipamentosBruto",
       .columns = {product_code(), description(), qty(), price(T("Unitário")), total(u"Total")},
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true},
      {.placeholder = u"vEquipamentosMovitra",
       .columns = {text(u"CodFabricante"), description(), unit_of_measure(), qty(), net_unit(),
                   net_total()},
       .money = Currency,
       .rented = Rented::Locado,
       .grouped = true},
      {.placeholder = u"vEquipamentosMovitra2",
       .columns = {text(u"CodFabricante"), description(), qty()},
       .grouped = true},
      {.placeholder = u"vEquipamentosSemValor", .columns = standard(), .drop_money = true},
      {.placeholder = u"vEquipamentosSemValor2",
       .columns = standard(),
       .drop_code = true,
       .drop_money = true},
      {.placeholder = u"vEquipamentosSemValor3",
       .columns = with_unit_of_measure(),
       .drop_money = true},
      {.placeholder = u"vEquipamentosSemValor4", .columns = by_place(), .drop_money = true},
      {.placeholder = u"vEquipamentosSemValorAgr",
       .columns = standard(),
       .grouped = true,
       .drop_money = true},
      {.placeholder = u"vEquipamentosNCM",
       .columns = {product_code(), description(), text(u"NCM"), qty(), net_unit(), net_total()},
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true},
      {.placeholder = u"vEquipamentosNCM2",
       .columns = {description(), text(u"NCM"), qty(), net_total()},
       .money = Currency,
       .rented = Rented::Locado,
       .grand_total = true},
      {.placeholder = u"vEquipamentosVendidoLocado",
       .columns = {product_code(), description(), qty(), computed(sale_or_loan), net_unit(),
                   net_total()},
       .money = Reais,
       .rented = Rented::Zero,
       .grouped = true},
      {.placeholder = u"vEquipamentosVendidoLocado2",
       .columns = {description(), qty(), computed(sale_or_rental), net_total()},
       .money = Currency,
       .rented = Rented::Zero,
       .grand_total = true},
      {.placeholder = u"vEquipamentosQuilma",
       .columns = {qty(), unit_of_measure(), description(), net_unit(), net_total()},
       .money = Plain,
       .rented = Rented::Locado,
       .grand_total = true},
      {.placeholder = u"vEquipamentosOcultaValor",
       .columns = standard(),
       .money = Reais,
       .rented = Rented::Zero,
       .grouped = true},
      {.placeholder = u"vEquipamentosDescrAlternativa",
       .columns = {product_code(), computed(alternative_description), qty(), net_unit(),
                   net_total()},
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true},
      {.placeholder = u"vEquipamentosDescrAlternativa2",
       .columns = {computed(alternative_description), qty()}},
      {.placeholder = u"vEquipamentosObservacoes",
       .columns = {product_code(), description(), qty(), place()},
       .grouped = true},
      {.placeholder = u"vEquipamentosFiscais",
       .columns = {product_code(), description(), text(u"NCM"), text(u"ST"), text(u"CST"),
                   text(u"CSOSN"), qty(), net_unit(), net_total()},
       .money = Plain,
       .rented = Rented::Locado},
      {.placeholder = T("vVendidosOrçamento2"),
       .columns = standard(),
       .money = Reais,
       .lines = Lines::NotRented,
       .grand_total = true},
      {.placeholder = T("vVendidosOrçamento3"),
       .columns = {description(), qty(), net_total()},
       .money = Currency,
       .lines = Lines::NotRented,
       .grand_total = true},
      {.placeholder = T("vLocadosOrçamento2"),
       .columns = {product_code(), description(), qty()},
       .lines = Lines::Rented},
      {.placeholder = T("vLocadosOrçamento3"),
       .columns = {description(), qty(), place()},
       .lines = Lines::Rented},
      {.placeholder = T("vLocadosOrçamento5"),
       .columns = {product_code(), description(), qty(), price(T("Unitário")), total(u"Total")},
       .money = Reais,
       .lines = Lines::Rented,
       .grand_total = true},
      {.placeholder = u"vLocadosProporcional",
       .columns = {description(), qty(), total(u"Total"),
                   computed(monthly_share, u"", Role::Price)},
       .money = Reais,
       .lines = Lines::Rented,
       .grand_total = true},
  };
  return k;
}

const std::vector<ListLayout>& unified_product_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vEquipamentosUnificado",
       .columns = {product_code(), text(u"CodFabricante"), description(), unit_of_measure(),
                   qty()}},
  };
  return k;
}

const std::vector<ListLayout>& withdrawn_product_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vProdRetirar",
       .columns = {code(u"CodProduto", u"00000000"), description(), qty(), price(T("Unitário")),
                   total(u"Total")},
       .money = Money::Currency,
       .upper_case = true},
      {.placeholder = u"vProdRetirar2",
       .columns = {product_code(), description(), qty(), total(u"Total")},
       .money = Money::Currency},
  };
  return k;
}

const std::vector<ListLayout>& vehicle_lists() {
  auto plate = [] { return text(u"Placa"); };
  auto model = [] { return text(u"Modelo"); };
  auto identity = [&] { return std::vector<Column>{plate(), model(), text(u"Ano"), text(u"Cor")}; };
  const std::vector<Column> values = {price(u"ValorRastreamento"), price(T("ValorSeguro")),
                                      price(T("ValorAssistência")), price(u"ValorBloqueio"),
                                      price(T("ValorLocação"))};
  auto join = [](std::vector<Column> a, const std::vector<Column>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  static const std::vector<ListLayout> k = {
      {.placeholder = T("vVeículosOrçamento"),
       .columns = join(identity(), {price(u"ValorRastreamento")}),
       .money = Money::Plain},
      {.placeholder = T("vVeículosOrçamento2"),
       .columns = join(identity(), {text(u"Chassis"), text(u"Renavam")})},
      {.placeholder = T("vVeículosOrçamento3"),
       .columns = join({plate(), model()}, values),
       .money = Money::Plain},
      {.placeholder = T("vVeículosOrçamento4"),
       .columns = join(join(identity(), {text(u"Chassis"), text(u"Renavam")}), values),
       .money = Money::Plain},
  };
  return k;
}

const std::vector<ListLayout>& additional_service_lists() {
  auto name = [] { return text(T("NomeServiço")); };
  auto qtd = [] { return qty(); };
  auto unit = [] { return price(T("ValorServiço")); };
  auto discount = [] { return price(u"DescontoTotal"); };
  auto notes = [] { return text(T("Observações")); };
  auto times = [] { return computed(additional_total, u"", Role::Total); };
  auto net = [] { return computed(additional_net, u"", Role::Total); };
  using enum Money;
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vServAD", .columns = {name(), unit()}, .money = Reais},
      {.placeholder = u"vServAD2", .columns = {qtd(), name(), times()}, .money = Reais},
      {.placeholder = u"vServAD3", .columns = {name(), notes()}},
      {.placeholder = u"vServADDesc",
       .columns = {name(), unit(), discount(), net()},
       .money = Reais},
      {.placeholder = u"vServADCompleto",
       .columns = {qtd(), name(), unit(), times(), notes()},
       .money = Currency},
      {.placeholder = u"vServADCompleto2",
       .columns = {name(), qtd(), unit(), times()},
       .money = Reais,
       .grand_total = true},
      {.placeholder = u"vServADCompleto3",
       .columns = {name(), qtd(), unit(), discount(), net()},
       .money = Reais,
       .grand_total = true},
      {.placeholder = u"vServADCompleto4", .columns = {name(), notes(), times()}, .money = Reais},
      {.placeholder = u"vServADCompleto5",
       .columns = {qtd(), name(), notes(), unit(), discount(), net()},
       .money = Currency,
       .grand_total = true},
      {.placeholder = u"vServADQuantidade", .columns = {qtd(), name()}},
      {.placeholder = u"vServADBruto",
       .columns = {name(), qtd(), unit(), times()},
       .money = Currency},
      {.placeholder = u"vServADQuantObs", .columns = {qtd(), name(), notes()}},
  };
  return k;
}

const std::vector<ListLayout>& service_lists() {
  auto service_code = [] { return code(T("CodServiço")); };
  auto unit = [] { return price(T("Unitário")); };
  auto net = [] { return total(u"Total"); };
  const std::vector<Column> standard_service = {service_code(), description(), qty(), unit(),
                                                net()};
  using enum Money;
  static const std::vector<ListLayout> k = {
      {.placeholder = T("vServiços"),
       .columns = standard_service,
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true},
      {.placeholder = T("vServiços2"),
       .columns = standard_service,
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true,
       .grand_total = true,
       .drop_code = true},
      {.placeholder = T("vServiços3"),
       .columns = {description(), qty(), net()},
       .money = Currency,
       .rented = Rented::Locado,
       .grand_total = true},
      {.placeholder = T("vServiçosBruto"),
       .columns = {service_code(), description(), qty(), price(u"Bruto"), total(u"TotalBruto")},
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true},
      {.placeholder = T("vServiçosBruto2"),
       .columns = {description(), qty(), price(u"Bruto"), price(u"TotalBruto"), net()},
       .money = Plain,
       .rented = Rented::Locado,
       .grand_total = true},
      {.placeholder = T("vServiçosCod"),
       .columns = {service_code(), text(T("CodTipoServiço")), description(), qty(), unit(), net()},
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true},
      {.placeholder = T("vServiçosSemValor"), .columns = standard_service, .drop_money = true},
      {.placeholder = T("vServiçosSemValor2"),
       .columns = standard_service,
       .drop_code = true,
       .drop_money = true},
      {.placeholder = T("vServiçosTavlo"),
       .columns = {description(), qty(), price(T("PreçoReal")), net()},
       .money = Currency,
       .rented = Rented::Locado,
       .grand_total = true},
      {.placeholder = T("vListaServiçosDescontos"),
       .columns = {description(), qty(), price(u"Bruto"), unit(), net()},
       .money = Reais,
       .rented = Rented::Locado,
       .grouped = true},
      {.placeholder = T("vListaServiçosDescontos2"),
       .columns = {description(), price(u"TotalBruto"),
                   computed(service_discount, u"", Role::Price), net()},
       .money = Plain,
       .rented = Rented::Locado,
       .grand_total = true},
      {.placeholder = T("vListaServiçosDescontos3"),
       .columns = {service_code(), description(), qty(), price(T("PreçoReal")), unit(), net()},
       .money = Currency,
       .rented = Rented::Locado,
       .grand_total = true},
      {.placeholder = T("vServiçosDescr"), .columns = {description()}},
  };
  return k;
}

const std::vector<Text>& word_list_order() {
  static const std::vector<Text> k = {
      T("vVeículosOrçamento4"),
      T("vVeículosOrçamento3"),
      T("vVeículosOrçamento2"),
      T("vVeículosOrçamento"),
      u"vEquipamentosUnificado",
      u"vEquipamentosFiscais",
      u"vEquipamentosObservacoes",
      u"vEquipamentosDescrAlternativa2",
      u"vEquipamentosDescrAlternativa",
      u"vEquipamentosOcultaValor",
      u"vEquipamentosQuilma",
      u"vEquipamentosVendidoLocado2",
      u"vEquipamentosVendidoLocado",
      u"vEquipamentosNCM2",
      u"vEquipamentosNCM",
      u"vEquipamentosSemValorAgr",
      u"vEquipamentosSemValor4",
      u"vEquipamentosSemValor3",
      u"vEquipamentosSemValor2",
      u"vEquipamentosSemValor",
      u"vEquipamentosMovitra2",
      u"vEquipamentosMovitra",
      u"vEquipamentosBruto",
      u"vEquipamentosMarcaBruto",
      u"vEquipamentosMarca",
      u"vEquipamentosSemCodigoSemGrupo",
      u"vEquipamentosSemCodigo2",
      u"vEquipamentosSemCodigo",
      u"vEquipamentosDesc5",
      u"vEquipamentosDesc4",
      u"vEquipamentosDesc3",
      u"vEquipamentosDesc2",
      u"vEquipamentosDesc",
      u"vEquipamentosNF3",
      u"vEquipamentosNF2",
      u"vEquipamentosNF",
      u"vEquipamentosUN",
      u"vEquipamentosTavlo2",
      u"vEquipamentos3",
      u"vEquipamentos2",
      u"vEquipamentos",
      u"vLocadosProporcional",
      T("vLocadosOrçamento5"),
      T("vLocadosOrçamento3"),
      u"vProdRetirar2",
      u"vProdRetirar",
      T("vLocadosOrçamento2"),
      T("vVendidosOrçamento3"),
      T("vVendidosOrçamento2"),
      u"vServADQuantObs",
      u"vServADBruto",
      u"vServADQuantidade",
      u"vServADCompleto5",
      u"vServADCompleto4",
      u"vServADCompleto3",
      u"vServADCompleto2",
      u"vServADCompleto",
      u"vServADDesc",
      u"vServAD3",
      u"vServAD2",
      u"vServAD",
      T("vCondições2"),
      T("vCondiçõesValores"),
      T("vCondiçõesEntrada"),
      T("vCondiçõesSemValor"),
      T("vCondiçõesProdutos"),
      T("vCondições"),
  };
  return k;
}

// ---- Word tables ------------------------------------------------------------------------------

namespace {

TableColumn column(TextView heading, double width, Column cell) {
  return TableColumn{Text(heading), width, std::move(cell)};
}

}  // namespace

const std::vector<TableLayout>& product_tables() {
  static const std::vector<TableLayout> k = {
      {.placeholder = u"vEquipamentosVendidoLocadoTabela",
       .columns = {column(T("Código"), 48, product_code()),
                   column(T("Descrição"), 196, description()), column(u"Qtde", 40, qty()),
                   column(u"Forma", 62, computed(sale_or_loan)),
                   column(T("Unitário"), 68, net_unit()), column(u"Total", 72, net_total())},
       .money = Money::Reais,
       .rented = Rented::Zero,
       .grouped = true,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vEquipamentosTabelaEspecifica",
       .columns = {column(T("Código"), 48, product_code()),
                   {T("Descrição"), 226, description(), true, T("LocalInstalação")},
                   column(u"Qtde", 40, qty()),
                   column(T("Unitário"), 70, net_unit()),
                   column(u"Total", 72, net_total())},
       .money = Money::Reais,
       .rented = Rented::Locado,
       .grouped = true,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vEquipamentosTabelaNCM",
       .columns = {column(T("Código"), 48, product_code()),
                   column(T("Descrição"), 180, description()), column(u"NCM", 56, text(u"NCM")),
                   column(u"Qtde", 40, qty()), column(T("Unitário"), 66, net_unit()),
                   column(u"Total", 70, net_total())},
       .money = Money::Reais,
       .rented = Rented::Locado,
       .grouped = true,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vEquipamentosTabela",
       .columns = {column(T("Código"), 48, product_code()),
                   column(T("Descrição"), 226, description()), column(u"Qtde", 40, qty()),
                   column(T("Unitário"), 70, net_unit()), column(u"Total", 72, net_total())},
       .money = Money::Reais,
       .rented = Rented::Locado,
       .grouped = true,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vEquipamentosTabelaSemValor",
       .columns = {column(T("Código"), 60, product_code()),
                   column(T("Descrição"), 330, description()), column(u"Qtde", 60, qty())},
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vEquipamentosTabelaSemValor2",
       .columns = {column(T("Descrição"), 330, description()),
                   column(u"Unid.", 50, unit_of_measure()), column(u"Qtde", 60, qty())},
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vEquipamentosLocalInstala",
       .columns = {column(T("Descrição"), 220, description()), column(u"Qtde", 50, qty()),
                   column(T("Local de instalação"), 180, place())},
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vEquipamentosGaldren",
       .columns = {column(T("Código"), 48, product_code()),
                   column(T("Descrição"), 200, description()),
                   column(u"Unid.", 36, unit_of_measure()), column(u"Qtde", 40, qty()),
                   column(T("Unitário"), 66, net_unit()), column(u"Total", 70, net_total())},
       .money = Money::Reais,
       .rented = Rented::Locado,
       .total_row = true,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vTabelaProdServ",
       .columns = {column(T("Descrição"), 250, description()), column(u"Qtde", 45, qty()),
                   column(T("Unitário"), 75, net_unit()), column(u"Total", 80, net_total())},
       .money = Money::Reais,
       .rented = Rented::Locado,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vTabelaProdServSemUnit",
       .columns = {column(T("Descrição"), 300, description()), column(u"Qtde", 60, qty()),
                   column(u"Total", 90, net_total())},
       .money = Money::Reais,
       .rented = Rented::Locado,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
  };
  return k;
}

const std::vector<TableLayout>& service_tables() {
  static const std::vector<TableLayout> k = {
      {.placeholder = T("vServiçosTabela"),
       .columns = {column(T("Código"), 48, code(T("CodServiço"))),
                   column(T("Serviço"), 226, description()), column(u"Qtde", 40, qty()),
                   column(T("Unitário"), 70, price(T("Unitário"))),
                   column(u"Total", 72, total(u"Total"))},
       .money = Money::Reais,
       .rented = Rented::Locado,
       .grouped = true,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = T("vServiçosTabela2"),
       .columns = {column(T("Serviço"), 300, description()), column(u"Qtde", 60, qty()),
                   column(u"Total", 90, total(u"Total"))},
       .money = Money::Reais,
       .rented = Rented::Locado,
       .grouped = true,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vTabelaProdServ",
       .columns = {column(T("Descrição"), 250, description()), column(u"Qtde", 45, qty()),
                   column(T("Unitário"), 75, price(T("Unitário"))),
                   column(u"Total", 80, total(u"Total"))},
       .money = Money::Reais,
       .rented = Rented::Locado,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vTabelaProdServSemUnit",
       .columns = {column(T("Descrição"), 300, description()), column(u"Qtde", 60, qty()),
                   column(u"Total", 90, total(u"Total"))},
       .money = Money::Reais,
       .rented = Rented::Locado,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
  };
  return k;
}

const std::vector<TableLayout>& additional_service_tables() {
  static const std::vector<TableLayout> k = {
      {.placeholder = u"vServADTabela",
       .columns = {column(T("Serviço adicional"), 230, text(T("NomeServiço"))),
                   column(u"Qtde", 45, qty()),
                   column(T("Valor mensal"), 80, price(T("ValorServiço"))),
                   column(u"Total", 85, computed(additional_total, u"", Role::Total))},
       .money = Money::Reais,
       .total_row = true,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vServADTabelaQuantObs",
       .columns = {column(u"Qtde", 45, qty()),
                   column(T("Serviço adicional"), 200, text(T("NomeServiço"))),
                   column(T("Observações"), 205, text(T("Observações")))},
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
  };
  return k;
}

const std::vector<TableLayout>& photo_tables() {
  // "Imagem", "Descrição", "Qtdade", "Unitário", "Total": the picture, the description in
  // bold over the product's application, the quantity with its unit, the prices.
  auto photo = [](double picture_width, double description_width) {
    return std::vector<TableColumn>{
        {u"Imagem", picture_width, text(u"Foto"), false, Text(), true},
        {T("Descrição"), description_width, description(), true, T("Aplicaçao")},
        column(u"Qtdade", 50, computed(quantity_and_unit)),
        column(T("Unitário"), 66, net_unit()),
        column(u"Total", 70, net_total())};
  };
  static const std::vector<TableLayout> k = {
      // every line; the lines sold; the lines rented; larger pictures; larger pictures of the
      // lines sold
      {.placeholder = u"vEquipamentosFotos",
       .columns = photo(90, 178),
       .money = Money::Reais,
       .rented = Rented::Locado,
       .grouped = true,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vEquipamentosFotos2",
       .columns = photo(90, 178),
       .money = Money::Reais,
       .lines = Lines::NotRented,
       .rented = Rented::Locado,
       .grouped = true,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vEquipamentosFotos3",
       .columns = photo(90, 178),
       .money = Money::Reais,
       .lines = Lines::Rented,
       .rented = Rented::Locado,
       .grouped = true,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vEquipamentosFotos4",
       .columns = photo(150, 118),
       .money = Money::Reais,
       .rented = Rented::Locado,
       .grouped = true,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
      {.placeholder = u"vEquipamentosFotos5",
       .columns = photo(150, 118),
       .money = Money::Reais,
       .lines = Lines::NotRented,
       .rented = Rented::Locado,
       .grouped = true,
       .borders = true,
       .suites = Suites::WordOnly,
       .word_borders = borders_routine},
  };
  return k;
}

const std::vector<Text>& products_and_services_tables() {
  static const std::vector<Text> k = {u"vTabelaProdServ", u"vTabelaProdServSemUnit"};
  return k;
}

const std::vector<Text>& word_table_order() {
  static const std::vector<Text> k = {T("vServiçosTabela"),
                                      T("vServiçosTabela2"),
                                      u"vEquipamentosVendidoLocadoTabela",
                                      u"vEquipamentosTabelaEspecifica",
                                      u"vEquipamentosTabelaNCM",
                                      u"vEquipamentosTabela",
                                      u"vEquipamentosTabelaSemValor",
                                      u"vEquipamentosTabelaSemValor2",
                                      u"vEquipamentosLocalInstala",
                                      u"vEquipamentosFotos",
                                      u"vEquipamentosFotos2",
                                      u"vEquipamentosFotos3",
                                      u"vEquipamentosFotos4",
                                      u"vEquipamentosFotos5",
                                      u"vEquipamentosGaldren",
                                      u"vServADTabela",
                                      u"vServADTabelaQuantObs",
                                      u"vTabelaProdServ",
                                      u"vTabelaProdServSemUnit"};
  return k;
}

}  // namespace orvane::docgen::budget
