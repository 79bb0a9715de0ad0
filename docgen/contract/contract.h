// The monitoring and equipment contract of one customer (GeraContrato, GeraContratoOpen):
// the contract record, the customer and its company, the approved budgets' equipment,
// services and vehicles, the customer's vehicles with trackers and chips, the receivables,
// an optional cancellation (of the customer, a vehicle or a guard post) and the digital
// acceptance. Its template is one of the standard templates of the installation folder or a
// template of the contracts folder; the result is named after the customer.
#pragma once

#include <cstdint>
#include <vector>

#include "component/member_table.h"
#include "core/context.h"
#include "core/text.h"
#include "core/variant.h"
#include "docgen/frame/pipeline.h"

namespace orvane::docgen {

// The arguments of both members beyond the connection and the template (`Contrato`).
struct ContractArguments {
  Text path_orvane;      // PathOrvane: the installation folder, with the standard templates
  Text pasta_contratos;  // PastaContratos: where any other template is taken from
  int32_t cod_unidade = 0;
  int32_t cod_empresa = 0;
  int32_t cod_cliente = 0;
  bool visualiza = false;
  int16_t copias = 0;
  bool forca_pdf = false;                      // ForçaPDF
  int32_t cod_veiculo = 0;                     // CodVeículo: record "VEI." and its cancellation
  int32_t cod_posto = 0;                       // CodPosto: record "POSTO." and its cancellation
  Text filtro_orc;                             // FiltroOrc: a condition on the budgets
  Variant data_contrato = Variant::Missing();  // DataContrato
  int32_t v_pla_orc = 0;                       // vPlaOrc
};

// The path of the produced document, or "" when the suite is missing or anything failed
// (reported in a message box). `contrato` is the template on entry and the produced
// document's path on return. GeraContrato hands a template ending in "odt" to
// GeraContratoOpen.
Text GeraContrato(const ContextPtr& ctx, const Variant& connorvane, const ContractArguments& a,
                  Text& contrato);
Text GeraContratoOpen(const ContextPtr& ctx, const Variant& connorvane, const ContractArguments& a,
                      Text& contrato);

// A standard template: its name, the name of its working copy on Writer, and the word the
// Writer output name carries.
struct StandardTemplate {
  Text name, working_copy, type_word;
};
// The nine standard templates; the first four are the Word variant's.
const std::vector<StandardTemplate>& standard_templates();
// The standard template `name` (a bare file name) on `route`, or nullptr.
const StandardTemplate* standard_template(TextView name, Route route);

// The data pass and the two applications on their own (the benchmark times them apart):
// `g` carries the connection, unit, company and route.
DocumentData read_contract(Generation& g, const ContractArguments& a);
void apply_contract_word(Generation& g, DocumentData& d);
void apply_contract_writer(Generation& g, DocumentData& d);

// GeraContrato and GeraContratoOpen on GeraDocsOrvane.
void add_contract_members(component::MemberTable& t);

}  // namespace orvane::docgen
