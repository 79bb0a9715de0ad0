#include "docgen/shared/contract_lists.h"

#include <algorithm>
#include <array>

#include "core/convert.h"
#include "core/format.h"
#include "docgen/frame/values.h"
#include "funcs/aggregates.h"
#include "funcs/textclean.h"
#include "funcs/unitchecks.h"

namespace orvane::docgen {
namespace {

// Units whose equipment is lent (comodato) rather than rented.
constexpr std::array<int32_t, 5> kLendingUnits = {530, 535, 716, 848, 952};

Text currency(const Variant& v) { return v.is_null() ? Text() : CStr(Format(v, u"Currency")); }

Variant kind_word(const Line& l) { return Variant(equipment_kind(l.charged(), l.context().unit)); }

// The product's alternative description when it has one.
Variant product_description(const Line& l) {
  const Variant alt = funcs::Dlookup(l.context().conn, u"DescrAlternativa", u"Produtos",
                                     u"CodProduto=" + key_text(l.field(u"CodProduto")));
  return key_text(alt).empty() ? l.field(T("Descrição")) : alt;
}

Text tipo(const Line& l) { return key_text(l.field(u"Tipo")); }
bool sold(const Line& l) { return tipo(l) == u"Vendido"; }
bool rented(const Line& l) { return tipo(l) == u"Locado"; }
bool lent(const Line& l) { return tipo(l) == T("Empréstimo") || tipo(l) == u"Emprestimo"; }
bool rented_or_lent(const Line& l) { return rented(l) || lent(l); }

Variant service_with_notes(const Line& l) {
  const Text notes = key_text(l.field(T("Observações")));
  const Text name = key_text(l.field(T("NomeServiço")));
  return Variant(notes.empty() ? name : name + u" - " + notes);
}

// A budget vehicle written out as its description line and its value lines.
Text yes_no(const Variant& v) { return is_set(v) ? Text(u"Sim") : T("Não"); }
Variant vehicle_description(const Line& l) {
  return Variant(u"Placa: " + key_text(l.field(u"Placa")) + u" - Marca/Modelo: " +
                 key_text(l.field(u"Modelo")) + u" - Ano: " + key_text(l.field(u"Ano")) +
                 T(" - Combustível: ") +
                 funcs::TipoCombustivel(key_text(l.field(T("Combustível")))) + u" - Cor: " +
                 key_text(l.field(u"Cor")) + u" - Bloqueio: " + yes_no(l.field(u"Bloqueio")) +
                 u" - Chassi: " + key_text(l.field(u"Chassis")) + u" - Renavam: " +
                 key_text(l.field(u"Renavam")) + u" - Bateria: " + key_text(l.field(u"Bateria")));
}
Variant vehicle_values(const Line& l) {
  return Variant(u"Mensalidade: " + currency(l.field(u"ValorRastreamento")) +
                 T(" - Proteção Veicular: ") + currency(l.field(u"ValorSeguro")) +
                 T(" - Assistência Veicular: ") + currency(l.field(T("ValorAssistência"))) +
                 u" - Bloqueio: " + currency(l.field(u"ValorBloqueio")));
}
Variant vehicle_tracking(const Line& l) {
  return Variant(u"Valor Mensal Rastreamento: " + currency(l.field(T("ValorVeículo"))));
}
Variant vehicle_notes(const Line& l) {
  return Variant(T("Observações: ") + key_text(l.field(T("Observações"))));
}
Variant vehicle_licence(const Line& l) {
  return Variant(T("Habilitação: ") + key_text(l.field(T("Habilitação"))));
}
Variant vehicle_insurance(const Line& l) {
  return Variant(u"Placa: " + key_text(l.field(u"Placa")) + u" - Marca/Modelo: " +
                 key_text(l.field(u"Modelo")) + T(" - Proteção Veicular: ") +
                 currency(l.field(u"ValorSeguro")));
}
Variant vehicle_assistance(const Line& l) {
  return Variant(u"Placa: " + key_text(l.field(u"Placa")) + u" - Marca/Modelo: " +
                 key_text(l.field(u"Modelo")) + T(" - Assistência Veicular: ") +
                 currency(l.field(T("ValorAssistência"))));
}
bool insured(const Line& l) { return number_or_zero(l.field(u"ValorSeguro")) > 0; }
bool assisted(const Line& l) { return number_or_zero(l.field(T("ValorAssistência"))) > 0; }

Variant quantity_and_unit(const Line& l) {
  return Variant(formatted(l.field(u"Quantidade"), u"0.0") + u" " + key_text(l.field(u"Unidade")));
}

Column desc() { return text(T("Descrição")); }
Column alt_desc() { return computed(product_description); }
Column qty() { return quantity(u"Quantidade"); }
Column kind() { return computed(kind_word); }

}  // namespace

Text equipment_kind(bool charged, int32_t unit) {
  if (charged) return u"VENDA";
  const bool lends =
      std::find(kLendingUnits.begin(), kLendingUnits.end(), unit) != kLendingUnits.end() ||
      funcs::TestaDortam(unit);
  return lends ? Text(u"COMODATO") : Text(u"LOCADO");
}

LineFacts charged_line_facts(const db::Recordset& rs) {
  const bool charged = is_set(rs.field(u"Cobrado"));
  return LineFacts{.rented = !charged, .charged = charged};
}

const std::vector<ListLayout>& equipment_balance_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vVendidosTelealarme",
       .columns = {code(u"CodProduto"), desc(), qty()},
       .filter = sold},
      {.placeholder = u"vLocadosTelealarme",
       .columns = {code(u"CodProduto"), desc(), qty()},
       .filter = rented},
      {.placeholder = u"vEquipamentosVendidos",
       .columns = {code(u"CodProduto"), desc(), qty(), price(u"Custo")},
       .money = Money::Plain,
       .filter = sold},
      {.placeholder = T("vEquipamentosLocação"),
       .columns = {code(u"CodProduto"), desc(), qty(), text(u"Tipo"), price(u"Custo")},
       .money = Money::Plain,
       .filter = rented_or_lent},
      {.placeholder = u"vEmprestados",
       .columns = {code(u"CodProduto"), desc(), qty()},
       .filter = lent},
  };
  return k;
}

const std::vector<ListLayout>& sold_service_order_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vInstalados",
       .columns = {code(u"CodProduto"), desc(), qty(), text(u"Unidade")}}};
  return k;
}

const std::vector<ListLayout>& lent_service_order_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vInstalados2",
       .columns = {code(u"CodProduto"), desc(), qty(), text(u"Unidade"), text(u"Motivo")}}};
  return k;
}

const std::vector<ListLayout>& charged_budget_line_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = T("vVendidosOrçamento"), .columns = {code(u"CodProduto"), desc(), qty()}},
      {.placeholder = T("vVendidosOrçamento2"),
       .columns = {code(u"CodProduto"), desc(), qty(), price(T("Líquido")),
                   total(T("TotalLíquido"))},
       .money = Money::Plain},
      {.placeholder = T("vVendidosOrçamento3"),
       .columns = {desc(), qty(), total(T("TotalLíquido"))},
       .money = Money::Plain,
       .grand_total = true},
  };
  return k;
}

const std::vector<ListLayout>& rented_budget_line_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = T("vLocadosOrçamento"), .columns = {code(u"CodProduto"), desc(), qty()}},
      {.placeholder = T("vLocadosOrçamento2"),
       .columns = {code(u"CodProduto"), desc(), qty(), price(T("Líquido"))},
       .money = Money::Plain},
      {.placeholder = T("vLocadosOrçamento3"), .columns = {desc(), qty()}},
      {.placeholder = T("vLocadosOrçamento4"),
       .columns = {qty(), desc(), text(T("LocalInstalação"))}},
  };
  return k;
}

const std::vector<ListLayout>& equipment_kind_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vEquipamentosTavlo",
       .columns = {alt_desc(), qty(), price(T("Líquido")), total(T("TotalLíquido")), kind()},
       .money = Money::Currency},
      {.placeholder = u"vEquipamentosTavlo2", .columns = {qty(), alt_desc(), kind()}},
      {.placeholder = u"vEquipamentosTavlo3", .columns = {alt_desc(), qty(), kind()}},
      {.placeholder = u"vEquipamentosTavlo4",
       .columns = {code(u"CodProduto"), alt_desc(), qty(), price(T("Líquido")),
                   total(T("TotalLíquido")), kind()},
       .money = Money::Currency},
      {.placeholder = u"vEquipamentosTavloLocados",
       .columns = {alt_desc(), qty(), kind()},
       .lines = Lines::NotCharged},
      {.placeholder = u"vEquipamentosTavloLocados2",
       .columns = {alt_desc(), qty(), price(T("Líquido")), total(T("TotalLíquido"))},
       .money = Money::Currency,
       .lines = Lines::NotCharged},
      {.placeholder = u"vEquipamentosTavloLocados3",
       .columns = {code(u"CodProduto"), alt_desc(), qty()},
       .lines = Lines::NotCharged},
  };
  return k;
}

const TableLayout& equipment_kind_table() {
  static const TableLayout k = {.placeholder = u"vTabelaEquipamentosTavlo",
                                .columns = {{u"Produto", 210, alt_desc()},
                                            {u"Quantidade", 76, qty()},
                                            {T("Unitário"), 70, price(T("Líquido"))},
                                            {u"SubTotal", 70, total(T("TotalLíquido"))},
                                            {u"Tipo", 70, kind()}},
                                .writer_separators = {0.46, 0.58, 0.72, 0.86},
                                .money = Money::Currency,
                                .total_row = true,
                                .borders = true};
  return k;
}

const std::vector<ListLayout>& selected_budget_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vListaOrcamentos",
       .columns = {code(T("NumOrçamento")), price(u"TotalProdutos"), price(T("TotalServiços")),
                   price(u"ValorCrea"), total(u"ValorFrete")},
       .money = Money::Currency},
      {.placeholder = u"vListaValorVeiOrc",
       .columns = {code(T("NumOrçamento")), quantity(u"VeiculosQuantidade", u"0"),
                   price(u"VeiculosMensal"), total(T("VeículosComodato"))},
       .money = Money::Currency},
  };
  return k;
}

const std::vector<ListLayout>& grouped_service_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = T("vOrcServiços"),
       .columns = {desc(), qty(), total(u"Total")},
       .money = Money::Currency},
      {.placeholder = T("vOrcServiços2"), .columns = {code(T("CodServiço")), desc(), qty()}},
      {.placeholder = T("vOrcServiços3"),
       .columns = {desc(), total(u"Total")},
       .money = Money::Currency},
  };
  return k;
}

const std::vector<ListLayout>& budget_additional_service_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vOrcServAd",
       .columns = {text(T("NomeServiço")), quantity(u"Qtdade", u"0"), total(u"ValorTotal")},
       .money = Money::Currency},
      {.placeholder = u"vOrcServAd2",
       .columns = {text(T("NomeServiço")), total(u"ValorTotal")},
       .money = Money::Currency},
      {.placeholder = u"vOrcServAdCompleto",
       .columns = {text(T("NomeServiço")), quantity(u"Qtdade", u"0"), price(u"Desconto"),
                   total(u"ValorTotal"), text(T("Observações"))},
       .money = Money::Currency},
      {.placeholder = u"vOrcServAdCompleto2",
       .columns = {text(T("NomeServiço")), text(T("Observações"))}},
      {.placeholder = u"vServADDesc",
       .columns = {text(T("NomeServiço")), total(u"Desconto")},
       .money = Money::Currency},
      {.placeholder = u"vServADDescObs", .columns = {computed(service_with_notes)}},
  };
  return k;
}

const TableLayout& budget_additional_service_table() {
  static const TableLayout k = {.placeholder = u"vTabelaOrcServAd",
                                .columns = {{T("Serviço"), 170, text(T("NomeServiço"))},
                                            {u"Quantidade", 60, quantity(u"Qtdade", u"0")},
                                            {u"Desconto", 70, price(u"Desconto")},
                                            {u"Valor", 70, total(u"ValorTotal")},
                                            {T("Observações"), 150, text(T("Observações"))}},
                                .writer_separators = {0.32, 0.44, 0.58, 0.72},
                                .money = Money::Currency,
                                .borders = true};
  return k;
}

const std::vector<ListLayout>& customer_service_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vListaServADCadastro",
       .columns = {desc(), quantity(u"Quantidade", u"0"), price(T("Unitário")), total(u"Total")},
       .money = Money::Currency},
      {.placeholder = u"vListaServADCadastro2",
       .columns = {quantity(u"Quantidade", u"0"), desc(), total(u"Total")},
       .money = Money::Currency},
      {.placeholder = u"vListaServADCadastro3",
       .columns = {desc(), total(u"Total")},
       .money = Money::Currency},
      {.placeholder = u"vListaServADCadastro4", .columns = {desc()}},
  };
  return k;
}

const TableLayout& service_register_table() {
  static const TableLayout k = {.placeholder = u"vTabelaServADCadastro",
                                .columns = {{u"Quantidade", 76, quantity(u"Quantidade", u"0")},
                                            {T("Serviço Contratado"), 220, desc()},
                                            {T("Valor Unitário"), 80, price(T("Unitário"))},
                                            {u"Valor Total", 80, total(u"Total")}},
                                .writer_separators = {0.13, 0.64, 0.82},
                                .money = Money::Currency,
                                .borders = true};
  return k;
}

const TableLayout& service_order_table() {
  static const TableLayout k = {.placeholder = u"vServADTabelaOrdem",
                                .columns = {{u"ITEM", 40, item_number(u"00")},
                                            {u"QTDE", 50, quantity(u"Quantidade", u"0")},
                                            {T("SERVIÇOS CONTRATADOS"), 330, desc()}},
                                .writer_separators = {0.1, 0.22},
                                .borders = true};
  return k;
}

const TableLayout& service_notes_table() {
  static const TableLayout k = {.placeholder = u"vServADTabelaQuantObs",
                                .columns = {{u"QTDE", 50, quantity(u"Quantidade", u"0")},
                                            {T("SERVIÇO"), 180, desc()},
                                            {T("OBSERVAÇÕES"), 220, text(T("Observações"))}},
                                .writer_separators = {0.11, 0.51},
                                .borders = true};
  return k;
}

const std::vector<ListLayout>& budget_vehicle_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vVeiculosOrc", .columns = {computed(vehicle_description)}},
      {.placeholder = u"vVeiculosOrc2", .columns = {computed(vehicle_values)}},
      {.placeholder = u"vVeiculosOrc3", .columns = {computed(vehicle_tracking)}},
      {.placeholder = u"vVeiculosOrc4", .columns = {computed(vehicle_notes)}},
      {.placeholder = u"vVeiculosOrc5", .columns = {computed(vehicle_licence)}},
      {.placeholder = u"vVeiculosOrc6",
       .columns = {text(u"Placa"), text(u"Modelo"), text(u"Ano"), total(T("ValorVeículo"))},
       .money = Money::Currency},
      {.placeholder = u"vVeiculosOrcPlaValor",
       .columns = {text(u"Placa"), total(T("ValorVeículo"))},
       .money = Money::Currency},
      {.placeholder = u"vVeiculosOrcValores",
       .columns = {text(u"Placa"), price(u"ValorRastreamento"), price(u"ValorSeguro"),
                   price(T("ValorAssistência")), price(u"ValorBloqueio"), price(T("ValorLocação")),
                   total(T("ValorVeículo"))},
       .money = Money::Currency},
      {.placeholder = u"vViaSeg", .columns = {computed(vehicle_insurance)}, .filter = insured},
      {.placeholder = u"vViaSeg2", .columns = {computed(vehicle_assistance)}, .filter = assisted},
  };
  return k;
}

const std::vector<TableLayout>& receivable_tables() {
  static const std::vector<TableLayout> k = [] {
    const std::vector<TableColumn> columns = {
        {u"Duplicata", 70, code(T("Número"))},
        {u"Parcela", 50, text(u"Letra", u"00")},
        {u"Vencimento", 80, text(u"Vencimento", u"dd/mm/yyyy")},
        {u"Valor Original", 90, total(u"Saldo")},
        {u"Valor com Juros", 90, total(u"ValorJuros")}};
    std::vector<TableLayout> out;
    for (const char* name :
         {"vListaDuplicatasFaturamento", "vListaDuplicatasOS", "vListaDuplicatas"}) {
      out.push_back({.placeholder = T(name),
                     .columns = columns,
                     .writer_separators = {0.18, 0.3, 0.5, 0.75},
                     .money = Money::Reais,
                     .total_row = true,
                     .borders = true});
    }
    return out;
  }();
  return k;
}

const TableLayout& product_photo_table() {
  static const TableLayout k = {.placeholder = u"vEquipamentosFotos2",
                                .columns = {{u"Imagem", 90, text(u"Foto"), false, Text(), true},
                                            {T("Descrição"), 200, desc(), true, T("Aplicaçao")},
                                            {u"Qtdade", 50, computed(quantity_and_unit)},
                                            {T("Unitário"), 70, price(T("Líquido"))},
                                            {u"Total", 70, total(T("TotalLíquido"))}},
                                .writer_separators = {0.2, 0.65, 0.76, 0.88},
                                .money = Money::Reais,
                                .rented = Rented::Locado,
                                .grouped = true,
                                .borders = true};
  return k;
}

}  // namespace orvane::docgen
