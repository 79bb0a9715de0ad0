#include "docgen/contract/lists.h"

#include "core/convert.h"
#include "core/format.h"
#include "docgen/frame/values.h"

namespace orvane::docgen {
namespace {

Variant receivable_number(const Line& l) {
  return Variant(formatted(l.field(T("Número")), u"000000") + u"/" + key_text(l.field(u"Letra")));
}

const std::vector<Column>& receivable_columns() {
  static const std::vector<Column> k = {
      computed(receivable_number), text(u"Vencimento", u"dd/mm/yyyy"), total(u"ValorDuplicata")};
  return k;
}

Column desc() { return text(T("Descrição")); }
Column qty() { return quantity(u"Quantidade"); }

Variant tracker_line(const Line& l) {
  return Variant(u"Rastreador " + key_text(l.field(u"IDRastreador")) + u" (" +
                 key_text(l.field(u"Modelo")) + T(") no veículo ") + key_text(l.field(u"Placa")) +
                 u" - " + key_text(l.field(u"ModeloVei")) + u" - IMEI do chip " +
                 key_text(l.field(u"Imei")));
}

Variant chip_line(const Line& l) {
  return Variant(u"(" + key_text(l.field(u"DDD")) + u") " + key_text(l.field(u"Linha")));
}

Variant vehicle_line(const Line& l) {
  return Variant(key_text(l.field(u"Placa")) + u" - " + key_text(l.field(u"Modelo")) + u" - " +
                 key_text(l.field(u"Ano")) + u" - " + key_text(l.field(u"Cor")) + u" - Chassi " +
                 key_text(l.field(u"Chassis")) + u" - Renavam " + key_text(l.field(u"Renavam")));
}

Variant cost_total(const Line& l) {
  return Variant(CCur(number_or_zero(l.field(u"Custo")) * number_or_zero(l.field(u"Quantidade"))));
}

bool rented_or_lent(const Line& l) {
  const Text kind = key_text(l.field(u"Tipo"));
  return kind == u"Locado" || kind == T("Empréstimo") || kind == u"Emprestimo";
}

}  // namespace

const std::vector<ListLayout>& customer_vehicle_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vVeiculos",
       .columns = {text(u"Placa"), text(u"Modelo"), text(u"Ano"), text(u"Cor")}},
      {.placeholder = u"vVeiculos2",
       .columns = {text(u"Placa"), text(u"Modelo"), text(u"Chassis"), text(u"Renavam")}},
      {.placeholder = u"vVeiculos3",
       .columns = {text(u"Tipo"), text(u"Placa"), text(u"Modelo"), text(u"Ano")}},
      {.placeholder = u"vVeiculos4", .columns = {computed(vehicle_line)}},
      {.placeholder = u"vVeiculosCliPlaValor",
       .columns = {text(u"Placa"), total(T("ValorVeículo"))},
       .money = Money::Currency},
  };
  return k;
}

const std::vector<ListLayout>& vehicle_service_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vVeiculosServ", .columns = {text(u"Placa"), desc()}}};
  return k;
}

const std::vector<ListLayout>& tracker_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vListaRastChip",
       .columns = {text(u"Placa"), text(u"ModeloVei"), text(u"IDRastreador"), text(u"Modelo"),
                   text(u"Imei")}},
      {.placeholder = u"vListaRastChip2", .columns = {computed(tracker_line)}},
  };
  return k;
}

const std::vector<ListLayout>& chip_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vListaChip",
       .columns = {computed(chip_line), text(u"Serial"), text(u"Operadora")}}};
  return k;
}

const TableLayout& vehicles_table() {
  static const TableLayout k = {.placeholder = u"vTabelaVeiculos",
                                .columns = {{u"Placa", 70, text(u"Placa")},
                                            {u"Cor", 70, text(u"Cor")},
                                            {u"Ano", 45, text(u"Ano")},
                                            {u"Modelo", 170, text(u"Modelo")},
                                            {u"Chassi", 120, text(u"Chassis")}},
                                .writer_separators = {0.15, 0.3, 0.4, 0.75},
                                .borders = true};
  return k;
}

const TableLayout& contacts_table() {
  static const TableLayout k = {.placeholder = u"vTabelaContatos",
                                .columns = {{u"Nome", 150, text(u"Nome")},
                                            {u"Fone 1", 80, text(u"Fone1")},
                                            {u"Fone 2", 80, text(u"Fone2")},
                                            {u"Celular", 80, text(u"Celular")},
                                            {u"E-mail", 140, text(u"Email")}},
                                .writer_separators = {0.28, 0.43, 0.58, 0.73},
                                .borders = true};
  return k;
}

const TableLayout& customer_services_table() {
  static const TableLayout k = {.placeholder = u"vTabelaServAD",
                                .columns = {{T("Serviço Contratado"), 250, desc()},
                                            {T("Valor Unitário"), 90, price(T("Unitário"))},
                                            {u"Valor Total", 90, total(u"Total")}},
                                .writer_separators = {0.6, 0.8},
                                .money = Money::Currency,
                                .total_row = true,
                                .borders = true};
  return k;
}

const TableLayout& post_services_table() {
  static const TableLayout k = {.placeholder = T("vPostosServiçosTabela"),
                                .columns = {{T("IDENTIFICAÇÃO"), 90, text(T("Identificação"))},
                                            {T("SERVIÇOS PRESTADOS NO POSTO"), 130, desc()},
                                            {T("QTDE SERVIÇO"), 45, quantity(u"Quantidade", u"0")},
                                            {T("OBSERVAÇÕES"), 100, text(T("Observações"))},
                                            {T("VLR UNITÁRIO"), 65, price(T("ValorUnitário"))},
                                            {u"VLR TOTAL", 65, total(u"ValorTotal")}},
                                .writer_separators = {0.18, 0.45, 0.54, 0.74, 0.87},
                                .money = Money::Currency,
                                .total_row = true,
                                .borders = true};
  return k;
}

const std::vector<TableLayout>& budget_line_tables() {
  static const std::vector<TableLayout> k = [] {
    std::vector<TableLayout> out;
    for (bool sold : {false, true}) {
      const Text base = sold ? T("vTabelaVendidosOrçamento") : T("vTabelaLocadosOrçamento");
      out.push_back({.placeholder = base,
                     .columns = {{u"ITEM", 35, item_number(u"00")},
                                 {u"QUANT", 45, qty()},
                                 {T("DESCRIÇÃO"), 220, desc()},
                                 {T("VALOR UNITÁRIO"), 75, price(T("Líquido"))},
                                 {u"VALOR", 75, total(T("TotalLíquido"))}},
                     .writer_separators = {0.08, 0.18, 0.67, 0.83},
                     .money = Money::Currency,
                     .lines = sold ? Lines::Charged : Lines::NotCharged,
                     .total_row = true,
                     .borders = true});
      out.push_back({.placeholder = base + u"2",
                     .columns = {{T("Código"), 60, code(u"CodProduto")},
                                 {u"Produto", 280, desc()},
                                 {u"Quantidade", 70, qty()}},
                     .writer_separators = {0.15, 0.83},
                     .lines = sold ? Lines::Charged : Lines::NotCharged,
                     .borders = true});
    }
    return out;
  }();
  return k;
}

const std::vector<TableLayout>& balance_tables() {
  static const std::vector<TableLayout> k = {
      {.placeholder = u"vTabelaInstalados",
       .columns = {{T("Código"), 60, code(u"CodProduto")},
                   {u"Produto", 250, desc()},
                   {u"Quantidade", 70, qty()},
                   {u"Tipo", 70, text(u"Tipo")}},
       .writer_separators = {0.14, 0.7, 0.85},
       .borders = true},
      {.placeholder = T("vTabelaEquipamentosLocação"),
       .columns = {{T("Código"), 60, code(u"CodProduto")},
                   {u"Equipamento", 200, desc()},
                   {u"Quantidade", 66, qty()},
                   {T("Valor Unitário"), 75, price(u"Custo")},
                   {u"Valor Total", 75, computed(cost_total, u"", Role::Total)}},
       .writer_separators = {0.13, 0.55, 0.68, 0.84},
       .money = Money::Currency,
       .filter = rented_or_lent,
       .total_row = true,
       .borders = true},
      {.placeholder = T("vTabelaEquipamentosLocação2"),
       .columns = {{u"Equipamento", 300, desc()}, {u"Quantidade", 80, qty()}},
       .writer_separators = {0.8},
       .filter = rented_or_lent,
       .borders = true},
  };
  return k;
}

const TableLayout& grouped_products_table() {
  static const TableLayout k = {.placeholder = u"vEquipamentosGrupo",
                                .columns = {{T("Código"), 55, code(u"CodProduto")},
                                            {T("Descrição"), 220, desc()},
                                            {u"Quantidade", 66, qty()},
                                            {T("Unitário"), 70, price(T("Líquido"))},
                                            {u"Total", 70, total(T("TotalLíquido"))}},
                                .writer_separators = {0.12, 0.6, 0.72, 0.86},
                                .money = Money::Reais,
                                .rented = Rented::Locado,
                                .grouped = true,
                                .borders = true};
  return k;
}

const TableLayout& head_office_products_table() {
  static const TableLayout k = {.placeholder = u"vOrcProdMatriz",
                                .columns = {{T("Código"), 60, code(u"CodProduto")},
                                            {T("Produtos entregues na matriz"), 280, desc()},
                                            {u"Quantidade", 70, qty()}},
                                .writer_separators = {0.15, 0.83},
                                .borders = true};
  return k;
}

const TableLayout& head_office_services_table(bool head_office) {
  static const TableLayout matriz = {.placeholder = u"vOrcServMatriz",
                                     .columns = {{T("Serviços Matriz"), 280, desc()},
                                                 {u"Quantidade", 66, quantity(u"Quantidade", u"0")},
                                                 {u"Valor", 80, total(T("ValorServiço"))}},
                                     .writer_separators = {0.66, 0.8},
                                     .money = Money::Currency,
                                     .borders = true};
  static const TableLayout filial = [] {
    TableLayout t = matriz;
    t.placeholder = u"vOrcServFilial";
    t.columns[0].heading = T("Serviços Filial");
    return t;
  }();
  return head_office ? matriz : filial;
}

const std::vector<ListLayout>& cancellation_receivable_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vCancListaProporcional",
       .columns = receivable_columns(),
       .money = Money::Currency},
      {.placeholder = u"vCancListaMulta",
       .columns = receivable_columns(),
       .money = Money::Currency},
  };
  return k;
}

const std::vector<Text>& contract_word_list_order() {
  static const std::vector<Text> k = [] {
    std::vector<const char*> names = {"vServAdLista",
                                      "vCancListaProporcional",
                                      "vCancListaMulta",
                                      "vOrcServAdCompleto2",
                                      "vOrcServAdCompleto",
                                      "vOrcServAd2",
                                      "vOrcServAd",
                                      "vListaOrcamentos",
                                      "vListaValorVeiOrc",
                                      "vServADDescObs",
                                      "vListaServADCadastro4",
                                      "vListaServADCadastro3",
                                      "vListaServADCadastro2",
                                      "vListaServADCadastro",
                                      "vListaRastChip2",
                                      "vListaRastChip",
                                      "vListaChip",
                                      "vEquipamentosLocação",
                                      "vViaSeg2",
                                      "vViaSeg",
                                      "vOrcServiços3",
                                      "vOrcServiços2",
                                      "vOrcServiços",
                                      "vVeiculosServ",
                                      "vVeiculosOrcValores",
                                      "vVeiculosOrc6",
                                      "vVeiculosOrc5",
                                      "vVeiculosOrc4",
                                      "vVeiculosOrcPlaValor",
                                      "vVeiculosOrc3",
                                      "vVeiculosOrc2",
                                      "vVeiculosOrc",
                                      "vVeiculos2",
                                      "vVeiculos",
                                      "vLocadosOrçamento4",
                                      "vLocadosOrçamento3",
                                      "vLocadosOrçamento2",
                                      "vLocadosOrçamento",
                                      "vServADDesc",
                                      "vVeiculos4",
                                      "vVeiculos3",
                                      "vVeiculosCliPlaValor",
                                      "vEmprestados",
                                      "vInstalados2",
                                      "vInstalados",
                                      "vLocadosTelealarme",
                                      "vVendidosTelealarme",
                                      "vVendidosOrçamento3",
                                      "vVendidosOrçamento2",
                                      "vVendidosOrçamento",
                                      "vEquipamentosVendidos",
                                      "vEquipamentosTavloLocados3",
                                      "vEquipamentosTavloLocados2",
                                      "vEquipamentosTavloLocados",
                                      "vEquipamentosTavlo4",
                                      "vEquipamentosTavlo3",
                                      "vEquipamentosTavlo2",
                                      "vEquipamentosTavlo"};
    std::vector<Text> out;
    for (const char* n : names) out.push_back(T(n));
    return out;
  }();
  return k;
}

}  // namespace orvane::docgen
