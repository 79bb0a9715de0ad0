#include "docgen/service_order/lists.h"

#include "core/convert.h"
#include "core/format.h"
#include "docgen/frame/values.h"
#include "docgen/service_order/queries.h"
#include "funcs/aggregates.h"
#include "funcs/rounding.h"
#include "platform/db/db.h"

namespace orvane::docgen::service_order {
namespace {

// ---- computed cells ---------------------------------------------------------------------

Variant yes_no(const Variant& v) { return Variant(is_set(v) ? Text(u"Sim") : T("Não")); }

Variant charged_yes_no(const Line& l) { return yes_no(l.field(u"CobraCliente")); }

Variant maintenance_yes_no(const Line& l) { return yes_no(l.field(T("Manutenção"))); }

// The service's description, with "Sem Cobrança" beside it when it is not charged.
Variant description_or_not_charged(const Line& l) {
  Text d = key_text(l.field(T("Descrição")));
  if (!l.charged()) d += u"\t" + T("Sem Cobrança");
  return Variant(std::move(d));
}

// Why the product goes to the customer: its Motivo, "Venda" when it is charged.
Variant reason(const Line& l) { return l.charged() ? Variant(Text(u"Venda")) : l.field(u"Motivo"); }

// The product's cost under the unit's rules and the order's price table.
Variant selected_cost(const Line& l) {
  const ListContext& c = l.context();
  return Variant(funcs::RetornaCustoSelecionado(c.conn, c.unit, CLng(l.value(u"CodEmpresa")),
                                                CLng(l.field(u"CodProduto")),
                                                CLng(l.value(u"CodTabela"))));
}

Variant to_remove(const Line&) { return Variant(Text(u"Retirar")); }

// A product counted as a protection point (sensors, buttons) in the product register.
bool points_product(const Line& l) {
  return is_set(funcs::Dlookup(l.context().conn, u"Pontos", u"Produtos",
                               u"CodProduto=" + key_text(l.field(u"CodProduto"))));
}

// The technician of a visit, or the mobile user who recorded it when there is none.
Variant visit_technician(const Line& l) {
  const Variant& name = l.field(u"NomeTec");
  return key_text(name).empty() ? l.field(T("MobileResponsável")) : name;
}

Variant empty_cell(const Line&) { return Variant(Text()); }

Variant ddd_line(const Line& l) {
  return Variant(key_text(l.field(u"DDD")) + u"-" + key_text(l.field(u"Linha")));
}

Variant customer_chip_number(const Line& l) {
  return Variant(u"(" + key_text(l.field(u"DDD")) + u") " + key_text(l.field(u"Linha")));
}

db::RecordsetPtr open(const Line& l, TextView sql) {
  return db::open_recordset(l.context().conn, sql, db::CursorType::Static, db::LockType::ReadOnly);
}

// The first tracker (model and id) and the first chip (line and serial) of a registered
// vehicle, as one cell each ("" when it has none).
Variant first_tracker(const Line& l) {
  db::RecordsetPtr rs = open(l, first_tracker_sql(key_text(l.field(u"CodInterno"))));
  if (rs->eof()) return Variant(Text());
  return Variant(key_text(rs->field(u"Modelo")) + u"\t" + key_text(rs->field(u"IDChip")));
}

Variant first_chip(const Line& l) {
  db::RecordsetPtr rs = open(l, first_chip_sql(key_text(l.field(u"CodInterno"))));
  if (rs->eof()) return Variant(Text());
  return Variant(key_text(rs->field(u"DDD")) + u"-" + key_text(rs->field(u"Linha")) + u"\t" +
                 key_text(rs->field(u"Serial")));
}

Variant additional_service_name(const Line& l) {
  return funcs::Dlookup(l.context().conn, T("Descrição"), T("ServiçosAdicionais"),
                        u"CodInterno=" + key_text(l.field(T("CodServiço"))));
}

// A checklist question with a box to tick, or room for a written answer.
Variant checklist_question(const Line& l) {
  const Text question = key_text(l.field(u"Pergunta"));
  if (is_set(l.field(u"Descritiva"))) return Variant(question + u".  \t");
  return Variant(question + u". (     )");
}

Variant product_unit(const Line& l) {
  return funcs::Dlookup(l.context().conn, u"Unidade", u"Produtos",
                        u"CodProduto=" + key_text(l.field(u"CodProduto")));
}

bool rented_kind(const Line& l) { return key_text(l.field(u"Tipo")) == u"Locado"; }

// ---- column sets shared by several layouts ------------------------------------------------

const Text kDescricao = T("Descrição");

Column description() { return text(kDescricao); }
Column product_code() { return code(u"CodProduto"); }
Column service_code() { return code(T("CodServiço")); }
Column amount() { return quantity(u"Quantidade"); }

}  // namespace

LineFacts charged_line(const db::Recordset& rs) {
  return LineFacts{.rented = false, .charged = is_set(rs.field(u"CobraCliente"))};
}

const std::vector<ListLayout>& technician_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vTecnicos",
       .columns = {text(u"Nome")},
       .upper_case = true,
       .capacity = kTechnicianLines},
  };
  return k;
}

const std::vector<ListLayout>& visit_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vAtendimentos",
       .columns = {computed(visit_technician), text(u"Data", u"dd/mm/yyyy"),
                   text(u"HoraInicial", u"hh:mm"), text(u"HoraFinal", u"hh:mm"),
                   text(T("Observações"))}},
  };
  return k;
}

const std::vector<ListLayout>& customer_service_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vCliServ",
       .columns = {description(), computed(maintenance_yes_no), text(T("Observações")),
                   quantity(u"Quantidade", u"#,##0.00"), price(T("ValorServiço"))},
       .money = Money::Plain},
  };
  return k;
}

// The seven layouts of the services, built in one pass.
const std::vector<ListLayout>& service_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = T("vServiços"),
       .columns = {description(), amount(), price(T("Unitário")), total(u"Total")},
       .money = Money::Currency},
      {.placeholder = T("vServiços2"), .columns = {description(), amount()}},
      {.placeholder = T("vServiços3"),
       .columns = {service_code(), description(), amount(), price(T("Unitário")),
                   computed(charged_yes_no)},
       .money = Money::Currency},
      {.placeholder = T("vServiços4"), .columns = {computed(description_or_not_charged)}},
      {.placeholder = T("vServiços5"),
       .columns = {description(), total(u"TotalBruto")},
       .money = Money::Plain},
      {.placeholder = T("vServiços6"), .columns = {service_code(), description(), amount()}},
      {.placeholder = T("vServiços7"),
       .columns = {service_code(), description(), amount(), price(T("Unitário")), total(u"Total"),
                   computed(charged_yes_no)},
       .money = Money::Currency},
  };
  return k;
}

const std::vector<ListLayout>& product_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vEquipamentos",
       .columns = {product_code(), description(), amount(), price(u"Liquido"),
                   total(u"TotalLiquido")},
       .money = Money::Currency},
      {.placeholder = u"vEquipamentos2", .columns = {description(), amount()}},
      {.placeholder = u"vEquipamentos3",
       .columns = {product_code(), description(), text(u"Marca"), amount(), text(u"Unidade")}},
      {.placeholder = u"vEquipamentos4",
       .columns = {product_code(), description(), amount(), price(u"Liquido"),
                   total(u"TotalLiquido"), computed(charged_yes_no)},
       .money = Money::Currency},
      {.placeholder = u"vEquipamentos5",
       .columns = {text(u"CodFabricante"), description(), text(u"Marca"), amount()},
       .suites = Suites::WordOnly},
      {.placeholder = u"vEquipamentos6",
       .columns = {product_code(), description(), amount(), computed(reason)},
       .suites = Suites::WordOnly},
      {.placeholder = u"vEquipamentos7",
       .columns = {description(), amount(), text(u"Unidade"), computed(reason)}},
      {.placeholder = u"vEquipamentos8",
       .columns = {text(u"CodFabricante"), description(), amount(), text(u"Unidade"),
                   price(u"Liquido"), total(u"TotalLiquido")},
       .money = Money::Currency},
      {.placeholder = u"vEquipamentosVendidos",
       .columns = {product_code(), description(), amount(), price(u"Liquido"),
                   total(u"TotalLiquido")},
       .money = Money::Currency,
       .lines = Lines::Charged},
      {.placeholder = u"vEquipamentosOpera",
       .columns = {product_code(), description(), amount(), text(u"Unidade"), computed(reason)},
       .lines = Lines::NotCharged},
      {.placeholder = u"vEquipamentosInternos",
       .columns = {product_code(), description(), amount(),
                   computed(selected_cost, u"", Role::Price)},
       .money = Money::Currency,
       .suites = Suites::WordOnly},
      {.placeholder = u"vProdPontos",
       .columns = {product_code(), description(), amount()},
       .filter = points_product},
  };
  return k;
}

const std::vector<ListLayout>& removal_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vEquipamentosRetirar",
       .columns = {product_code(), description(), amount(), text(u"Unidade"), text(u"Motivo")}},
      {.placeholder = u"vEquipamentosRetirar2",
       .columns = {product_code(), description(), amount()},
       .suites = Suites::WordOnly},
      {.placeholder = u"vProdPontos",
       .columns = {product_code(), description(), amount(), computed(to_remove)},
       .filter = points_product},
  };
  return k;
}

const std::vector<ListLayout>& access_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vAcessos",
       .columns = {text(u"Acesso"), text(u"Nome")},
       .capacity = kAccountLines},
  };
  return k;
}

const std::vector<ListLayout>& contact_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vContatos",
       .columns = {text(u"Nome"), text(u"Fone1")},
       .capacity = kAccountLines},
  };
  return k;
}

const std::vector<ListLayout>& zone_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vPontos",
       .columns = {text(u"Evento"), description()},
       .capacity = kZoneLines},
      {.placeholder = u"vPontos2",
       .columns = {text(u"Evento"), description(), text(u"DescProduto")},
       .capacity = kAccountLines},
      {.placeholder = u"vPontos3",
       .columns = {text(u"Evento"), description(), text(u"TipoSensor")},
       .capacity = kAccountLines},
      {.placeholder = u"vPontosC",
       .columns = {text(u"Evento"), description(), text(u"DescProduto"), text(u"TipoSensor")},
       .capacity = kAccountLines},
  };
  return k;
}

const std::vector<ListLayout>& vehicle_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vVeiculos",
       .columns = {text(u"Placa"), text(u"id"), text(u"Renavam"), text(u"Chassis"), text(u"Ano"),
                   text(T("Combustível")), text(u"Cor"), text(u"Modelo")}},
      {.placeholder = u"vVeiculosRastChip", .columns = {text(u"Placa"), text(u"Modelo")}},
  };
  return k;
}

const std::vector<ListLayout>& tracker_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vRastreadoresVeiculos", .columns = {text(u"Modelo"), text(u"IDChip")}},
      {.placeholder = u"vVeiculosRastChip",
       .columns = {computed(empty_cell), text(u"Modelo"), text(u"IDChip")}},
  };
  return k;
}

const std::vector<ListLayout>& chip_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vChipsVeiculos", .columns = {computed(ddd_line), text(u"Serial")}},
      {.placeholder = u"vVeiculosRastChip",
       .columns = {computed(empty_cell), computed(ddd_line), text(u"Serial")}},
  };
  return k;
}

const std::vector<ListLayout>& removed_vehicle_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vVeiculosRetirarRastChip",
       .columns = {text(u"Placa"), text(u"Modelo"), computed(first_tracker), computed(first_chip)}},
  };
  return k;
}

const std::vector<ListLayout>& budget_service_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vOrcServAD",
       .columns = {computed(additional_service_name), amount(), price(T("ValorServiço"))}},
      {.placeholder = u"vServOrc",
       .columns = {computed(additional_service_name), text(T("Observações")),
                   price(T("ValorServiço"))},
       .suites = Suites::WordOnly},
  };
  return k;
}

const std::vector<ListLayout>& budget_named_service_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = T("vServiçosAdicionais"),
       .columns = {text(T("NomeServiço")), amount(), price(T("ValorServiço"))}},
      {.placeholder = T("vServiçosAdicionais2"),
       .columns = {text(T("NomeServiço")), text(T("Observações"))}},
      {.placeholder = T("vServiçosAdicionais3"),
       .columns = {text(T("NomeServiço")), amount(), price(T("ValorServiço")),
                   price(u"DescontoTotal"), text(T("Observações"))},
       .suites = Suites::WordOnly},
  };
  return k;
}

const std::vector<ListLayout>& budget_service_names() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vListaServOrc", .columns = {text(T("NomeServiço"))}}};
  return k;
}

const std::vector<ListLayout>& checklist_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vCheckList", .columns = {computed(checklist_question)}},
  };
  return k;
}

const std::vector<ListLayout>& installed_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vProdutosInstalados",
       .columns = {product_code(), description(), amount(), computed(product_unit), text(u"Tipo")},
       .capacity = kInstalledLines,
       .empty_text = T("*** NÃO HÁ EQUIPAMENTOS INSTALADOS ***")},
      {.placeholder = u"vProdutosInstaladosLoc",
       .columns = {product_code(), description(), amount(), computed(product_unit), text(u"Tipo")},
       .filter = rented_kind,
       .capacity = kInstalledLines,
       .empty_text = T("*** NÃO HÁ EQUIPAMENTOS LOCADOS ***")},
  };
  return k;
}

const std::vector<ListLayout>& customer_chip_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vClienteChips",
       .columns = {computed(customer_chip_number), text(u"Serial")},
       .empty_text = T("*** NÃO HÁ CHIP VINCULADO AO CLIENTE ***")},
  };
  return k;
}

// ---- tables -----------------------------------------------------------------------------

const std::vector<TableLayout>& product_tables() {
  static const std::vector<TableLayout> k = {
      {.placeholder = u"vEquipamentosTabelaVendidos",
       .columns = {{u"CodProduto", 10, product_code()},
                   {u"Produto", 250, description()},
                   {u"Un", 10, text(u"Unidade")},
                   {u"Quant", 30, amount()},
                   {u"Unit.", 75, price(u"Liquido")},
                   {u"Total", 75, total(u"TotalLiquido")}},
       .writer_separators = {0.15, 0.5},
       .lines = Lines::Charged},
      {.placeholder = u"vEquipamentosTabelaValores",
       .columns = {{u"CodProduto", 10, product_code()},
                   {u"Produto", 250, description()},
                   {u"Quant", 30, amount()},
                   {u"Unit.", 75, price(u"Liquido")},
                   {u"Total", 75, total(u"TotalLiquido")}},
       .writer_separators = {0.15, 0.5}},
      {.placeholder = u"vEquipamentosTabela",
       .columns = {{u"CodProduto", 10, product_code()},
                   {u"Produto", 400, description()},
                   {u"Quant", 50, amount()},
                   {u"UN", 30, text(u"Unidade")}},
       .writer_separators = {0.2, 0.6}},
  };
  return k;
}

const TableLayout& vehicles_table() {
  static const TableLayout k{.placeholder = u"vTabelaVeiculos",
                             .columns = {{u"Renavam", 0, text(u"Renavam")},
                                         {u"Chassis", 0, text(u"Chassis")},
                                         {T("Combustível"), 0, text(T("Combustível"))},
                                         {u"Ano", 0, text(u"Ano")},
                                         {u"Marca", 0, text(u"Modelo")},
                                         {u"Cor", 0, text(u"Cor")}}};
  return k;
}

namespace {

const std::vector<double> kPreviousOrderSeparators = {0.1, 0.25};

TableColumn order_number() { return {u"Ordem", 10, code(u"Ordem")}; }
TableColumn opened() { return {u"Abertura", 10, text(u"DataAbertura", u"dd/mm/yyyy")}; }

}  // namespace

const TableLayout& previous_orders_detailed_table() {
  static const TableLayout k{
      .placeholder = u"vOSsAnteriores4",
      .columns = {order_number(),
                  opened(),
                  {T("Execução"), 10, text(u"DataAgenda", u"dd/mm/yyyy hh:mm:ss")},
                  {u"Fechamento", 10, text(u"DataFechamento", u"dd/mm/yyyy")},
                  {u"Motivo", 150, text(T("Observações"))},
                  {T("Conclusão"), 150, text(T("ObservaçõesFechamento"))},
                  {T("Técnico"), 10, text(u"Tecnico")}},
      .writer_separators = kPreviousOrderSeparators};
  return k;
}

const TableLayout& previous_orders_short_table() {
  static const TableLayout k{
      .placeholder = u"vOSsAnteriores2",
      .columns = {order_number(), opened(), {u"Motivo", 350, text(T("Observações"))}},
      .writer_separators = kPreviousOrderSeparators};
  return k;
}

namespace {

std::vector<TableColumn> previous_order_columns() {
  return {order_number(),
          opened(),
          {u"Motivo", 150, text(T("Observações"))},
          {T("Conclusão"), 150, text(T("ObservaçõesFechamento"))},
          {T("Técnico"), 0, text(u"Nome")}};
}

}  // namespace

const TableLayout& previous_orders_of_account_table() {
  static const TableLayout k{.placeholder = u"vOSsAnteriores3",
                             .columns = previous_order_columns(),
                             .writer_separators = kPreviousOrderSeparators};
  return k;
}

const TableLayout& previous_orders_table() {
  static const TableLayout k{.placeholder = u"vOSsAnteriores",
                             .columns = previous_order_columns(),
                             .writer_separators = kPreviousOrderSeparators};
  return k;
}

}  // namespace orvane::docgen::service_order
