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

}  // namespace

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
