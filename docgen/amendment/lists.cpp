#include "docgen/amendment/lists.h"

#include <algorithm>

#include "core/convert.h"
#include "core/format.h"
#include "docgen/amendment/queries.h"
#include "docgen/frame/values.h"
#include "funcs/aggregates.h"
#include "funcs/textclean.h"

namespace orvane::docgen::amendment {
namespace {

Text currency(double v) { return CStr(Format(Variant(CCur(v)), u"Currency")); }
Text field_text(const Line& line, TextView name) { return key_text(line.field(name)); }
double field_number(const Line& line, TextView name) { return number_or_zero(line.field(name)); }

// ---- computed columns ----------------------------------------------------------------------

// The kind the added and withdrawn products are listed under (setting 247 chooses).
Variant kind_rented(const Line&) { return Variant(T("Produto em Locação")); }
Variant kind_lent(const Line&) { return Variant(T("Produto em Comodato/Locação")); }
Variant kind_lent_short(const Line&) { return Variant(T("Produto em Comodato")); }

// The service's total, or "Não Cobrado" for a line the customer is not charged for.
Variant service_total_or_free(const Line& line) {
  if (line.rented()) return Variant(T("Não Cobrado"));
  return Variant(formatted(line.field(u"Total"), u"Currency"));
}

Variant plate_and_model(const Line& line) {
  return Variant(field_text(line, u"Placa") + u" - " + field_text(line, u"Modelo"));
}

Text yes_no(const Variant& v) { return is_set(v) ? Text(u"Sim") : Text(T("Não")); }

// The vehicle as the contract describes it: plate, make and model, year, fuel, colour,
// blocking, chassis, Renavam, then the battery (a vehicle coming in) or the voltage (one
// going out).
Text vehicle_description(const Line& line, TextView last_label, TextView last_field) {
  return T("Placa: ") + field_text(line, u"Placa") + T(" - Marca/Modelo: ") +
         field_text(line, u"Modelo") + T(" - Ano: ") + field_text(line, u"Ano") +
         T(" - Combustível: ") + funcs::TipoCombustivel(field_text(line, T("Combustível"))) +
         T(" - Cor: ") + field_text(line, u"Cor") + T(" - Bloqueio: ") +
         yes_no(line.field(u"Bloqueio")) + T(" - Chassi: ") + field_text(line, u"Chassis") +
         T(" - Renavam: ") + field_text(line, u"Renavam") + Text(last_label) +
         field_text(line, last_field);
}

Variant added_vehicle_description(const Line& line) {
  return Variant(vehicle_description(line, T(" - Bateria: "), u"Bateria"));
}

Variant removed_vehicle_description(const Line& line) {
  return Variant(vehicle_description(line, T(" - Voltagem: "), u"Voltagem"));
}

// The monthly line: the vehicle's value, its insurance and assistance when it has them,
// then its observations.
Variant added_vehicle_monthly(const Line& line) {
  Text out = T("Placa: ") + field_text(line, u"Placa") + T(" - Mensalidade: ") +
             currency(field_number(line, T("ValorVeículo")));
  const double insurance = field_number(line, u"ValorSeguro");
  const double assistance = field_number(line, T("ValorAssistência"));
  if (insurance != 0) out += T(" - Proteção Veicular: ") + currency(insurance);
  if (assistance != 0) out += T(" - Assistência Veicular: ") + currency(assistance);
  const Text remarks = field_text(line, T("Observações"));
  if (!remarks.empty()) out += T(" - Observações: ") + remarks;
  return Variant(out);
}

const std::vector<Column>& vehicle_columns() {
  static const std::vector<Column> k = {text(u"Placa"), text(u"Modelo"), text(u"Ano"), text(u"Cor"),
                                        text(u"Chassis")};
  return k;
}

std::vector<ListLayout> make_added_product_lists(LineValue kind) {
  const Column code8 = code(u"CodProduto", u"00000000");
  const Column name = text(T("Descrição"));
  const Column qty = quantity(u"Quantidade");
  const Column kind_column = computed(kind);
  return {
      {.placeholder = T("vEquipamentosAcréscimo"),
       .columns = {code8, name, qty, kind_column, price(T("Líquido")), total(T("TotalLíquido"))},
       .money = Money::Currency,
       .grand_total = true},
      {.placeholder = T("vEquipamentosAcréscimoSemValor"),
       .columns = {code8, name, qty, kind_column},
       .money = Money::Currency},
      {.placeholder = u"vEquipamentosFinal",
       .columns = {name, qty, kind_column, total(T("TotalLíquido"))},
       .money = Money::Currency,
       .upper_case = true},
  };
}

TableLayout make_products_table(TextView placeholder, LineValue kind) {
  return TableLayout{
      .placeholder = Text(placeholder),
      .columns = {{T("Código"), 60, code(u"CodProduto", u"00000000")},
                  {T("Descrição"), 240, text(T("Descrição"))},
                  {u"Quantidade", 75, quantity(u"Quantidade")},
                  {u"Obs", 130, computed(kind)}},
      .writer_separators = {0.12, 0.6, 0.75},
      .borders = true,
  };
}

}  // namespace

Variant vehicle_service_change(const Line& line) {
  const Context& ctx = *line.context().ctx;
  const double old_value = field_number(line, T("ValorServiço"));
  const double new_value = field_number(line, T("NovoValorServiço"));
  Text out = T("Veículo ") + field_text(line, u"Modelo") + u", Placa " +
             field_text(line, u"Placa") + u", Chassi " + field_text(line, u"Chassis") + u" - " +
             field_text(line, T("Descrição"));
  auto amount = [&](double v) {
    return currency(v) + u" (" + in_words(ctx, Variant(CCur(v))) + u")";
  };
  if (old_value == 0 && new_value != 0) {
    out += T(" incluído com o valor de ") + amount(new_value) + T(" na mensalidade do veículo");
  } else if (old_value != 0 && new_value == 0) {
    out += T(" com o valor de ") + amount(old_value) + T(" removido da mensalidade do veículo");
  } else if (old_value < new_value) {
    out +=
        T(" com o acréscimo de ") + amount(new_value - old_value) + T(" na mensalidade do veículo");
  } else if (old_value > new_value) {
    out +=
        T(" com a redução de ") + amount(old_value - new_value) + T(" na mensalidade do veículo");
  }
  return Variant(out);
}

bool vehicle_cancelled(const Line& line) {
  const Variant n =
      funcs::DCount(line.context().conn, u"*", T("VeículosCancelamento"),
                    amendment_sql::confirmed_vehicle_cancellation(field_text(line, u"CodInterno")));
  return number_or_zero(n) > 0;
}

namespace {
bool vehicle_not_cancelled(const Line& line) { return !vehicle_cancelled(line); }
}  // namespace

const std::vector<ListLayout>& added_product_lists(bool lent) {
  static const std::vector<ListLayout> rented = make_added_product_lists(kind_rented);
  static const std::vector<ListLayout> loaned = make_added_product_lists(kind_lent);
  return lent ? loaned : rented;
}

const std::vector<ListLayout>& withdrawn_product_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = T("vEquipamentosRetirada"),
       .columns = {code(u"CodProduto", u"00000000"), text(T("Descrição")), quantity(u"Quantidade"),
                   price(T("Unitário")), total(u"Total")},
       .money = Money::Currency},
      {.placeholder = T("vEquipamentosRetirada2"),
       .columns = {code(u"CodProduto", u"00000000"), text(T("Descrição")),
                   quantity(u"Quantidade")}},
  };
  return k;
}

const std::vector<ListLayout>& added_service_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vServORC",
       .columns = {code(T("CodServiço")), text(T("Descrição")), quantity(u"Quantidade", u"0"),
                   computed(service_total_or_free)}},
  };
  return k;
}

const std::vector<ListLayout>& added_vehicle_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = T("vADTVeículosAcres"), .columns = {computed(added_vehicle_description)}},
      {.placeholder = T("vADTVeículosAcres2"), .columns = {computed(added_vehicle_monthly)}},
      {.placeholder = T("vADTVeículosAcres3"),
       .columns = {text(u"Placa"), text(u"Modelo"), text(u"Ano"), total(T("ValorVeículo"))},
       .money = Money::Currency},
      {.placeholder = T("vADTVeículos"), .columns = {computed(plate_and_model)}},
  };
  return k;
}

const std::vector<ListLayout>& removed_vehicle_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = T("vADTVeículosRet"), .columns = {computed(removed_vehicle_description)}},
      {.placeholder = T("vADTVeículosRet2"), .columns = vehicle_columns()},
  };
  return k;
}

const std::vector<ListLayout>& active_vehicle_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vVeiculosAtivos",
       .columns = {text(u"Placa"), text(u"Modelo"), text(u"Ano"), text(u"Cor"), text(u"Chassis"),
                   total(T("ValorVeículo"))},
       .money = Money::Currency,
       .filter = vehicle_not_cancelled},
      {.placeholder = u"vVeiculos",
       .columns = {computed(plate_and_model), text(u"Ano"), text(u"Cor")},
       .filter = vehicle_not_cancelled},
  };
  return k;
}

const std::vector<ListLayout>& vehicle_service_change_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vADTVeiServ", .columns = {computed(vehicle_service_change)}},
  };
  return k;
}

const std::vector<ServiceListLayout>& service_lists() {
  static const std::vector<ServiceListLayout> k = {
      {u"vADTServCliente", ServiceRows::Before, ServiceCells::Before, true},
      {u"vADTServNovo", ServiceRows::After, ServiceCells::After, true},
      {u"vADTServNovo2", ServiceRows::All, ServiceCells::BeforeAndAfter, true},
      {u"vServicosADCliente", ServiceRows::Customer, ServiceCells::QuantityAndValue},
      {u"vAdtServAd", ServiceRows::Amendment, ServiceCells::QuantityAndValue},
  };
  return k;
}

const TableLayout& added_products_table(bool lent) {
  static const TableLayout rented = make_products_table(u"vTabelaProdAcres", kind_rented);
  static const TableLayout loaned = make_products_table(u"vTabelaProdAcres", kind_lent_short);
  return lent ? loaned : rented;
}

const TableLayout& withdrawn_products_table(bool lent) {
  static const TableLayout rented = make_products_table(u"vTabelaProdRet", kind_rented);
  static const TableLayout loaned = make_products_table(u"vTabelaProdRet", kind_lent_short);
  return lent ? loaned : rented;
}

const TableLayout& vehicle_services_table() {
  static const TableLayout k{
      .placeholder = u"vServAdVeiculoTabela",
      .columns = {{T("Serviço Adicional"), 260, text(u"Descricao")},
                  {u"Valor", 90, total(u"ValorServico")},
                  {u"Prazo Contrato", 90, text(u"PrazoContrato")}},
      .writer_separators = {0.6, 0.8},
      .borders = true,
  };
  return k;
}

const TableLayout& services_by_vehicle_table() {
  static const TableLayout k{
      .placeholder = u"vVeiculoServAdTabela",
      .columns = {{T("Veículo"), 110, text(u"Modelo")},
                  {u"Placa", 55, text(u"Placa")},
                  {u"Chassis", 95, text(u"Chassis")},
                  {T("Descrição Serviços"), 95, text(u"Descricao")},
                  {T("Descrição Alternativa Serviço"), 95, text(u"DescrAlternativa")},
                  {T("Valor Serviço"), 60, total(u"ValorServico")}},
      .writer_separators = {0.22, 0.33, 0.52, 0.71, 0.89},
      .borders = true,
  };
  return k;
}

const TableLayout& approved_budget_vehicles_table() {
  static const TableLayout k{
      .placeholder = u"vVeiculosOrcTabela",
      .columns = {{u"Tipo", 55, text(u"Tipo")},
                  {u"Cor", 45, text(u"Cor")},
                  {T("Combustível"), 65, text(T("Combustível"))},
                  {u"Marca/Modelo", 105, text(u"Modelo")},
                  {u"Chassi", 100, text(u"Chassis")},
                  {u"Renavam", 65, text(u"Renavam")},
                  {u"Placa", 50, text(u"Placa")},
                  {u"Ano", 35, text(u"Ano")}},
      .writer_separators = {0.12, 0.22, 0.31, 0.54, 0.72, 0.84, 0.94},
      .borders = true,
  };
  return k;
}

const TableLayout& services_table() {
  static const TableLayout k{
      .placeholder = u"vTabelaServAD",
      .columns = {{T("Descrição"), 260, text(u"")},
                  {u"Quantidade", 70, text(u"")},
                  {u"Valor", 90, text(u"")}},
      .writer_separators = {0.62, 0.8},
      .borders = true,
  };
  return k;
}

const std::vector<Text>& word_list_order() {
  static const std::vector<Text> k = {
      u"vServicosADCliente",
      u"vEquipamentosFinal",
      T("vEquipamentosAcréscimoSemValor"),
      u"vServORC",
      T("vEquipamentosAcréscimo"),
      T("vEquipamentosRetirada2"),
      T("vEquipamentosRetirada"),
      T("vADTVeículosAcres3"),
      T("vADTVeículosAcres2"),
      T("vADTVeículosRet2"),
      T("vADTVeículosAcres"),
      T("vADTVeículosRet"),
      T("vADTVeículos"),
      T("vEquipamentosLocação"),
      u"vViaSeg2",
      u"vViaSeg",
      u"vVeiculosOrc2",
      u"vVeiculosOrc",
      u"vVeiculosAtivos",
      u"vVeiculos",
      u"vLocadosTelealarme",
      u"vVendidosTelealarme",
      T("vVendidosOrçamento"),
      T("vLocadosOrçamento3"),
      T("vLocadosOrçamento2"),
      T("vLocadosOrçamento"),
      u"vOrcServAdCompleto2",
      u"vOrcServAdCompleto",
      u"vOrcServAd",
      u"vAdtServAd",
      u"vEquipamentosVendidos",
      u"vEquipamentosTavlo3",
      u"vEquipamentosTavlo",
  };
  return k;
}

std::vector<Text> list_order(const ListSet& lists) {
  const std::vector<Text>& named = word_list_order();
  auto placed = [](const std::vector<Text>& v, const Text& n) {
    return std::find(v.begin(), v.end(), n) != v.end();
  };
  std::vector<Text> out;
  for (const Text& name : named) {
    std::vector<Text> containing;
    for (const ListLines& l : lists.all()) {
      const Text& other = l.placeholder();
      if (other != name && other.find(name) != Text::npos && !placed(named, other) &&
          !placed(out, other)) {
        containing.push_back(other);
      }
    }
    std::stable_sort(containing.begin(), containing.end(),
                     [](const Text& a, const Text& b) { return a.size() > b.size(); });
    out.insert(out.end(), containing.begin(), containing.end());
    out.push_back(name);
  }
  return out;
}

}  // namespace orvane::docgen::amendment
