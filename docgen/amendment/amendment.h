// The contract amendment: what an amendment (ClientesAditivos, numbered per customer)
// changes in the customer's contract — values before and after, the products, services and
// vehicles the budget that originated it adds and withdraws, the vehicle services it
// changes — with the contract's own data. GeraAditivo works in Word and hands Writer
// templates, and the standard amendment template "AdditiveLGPD.dll" (a Writer document),
// to GeraAditivoOpen.
#pragma once

#include <cstdint>

#include "component/member_table.h"
#include "core/context.h"
#include "core/numbers.h"
#include "core/text.h"
#include "core/variant.h"
#include "docgen/frame/pipeline.h"

namespace orvane::docgen {

// The file name of the standard amendment template, a Writer document in any folder.
inline constexpr const char16_t* kStandardAmendmentTemplate = u"AdditiveLGPD.dll";

// The path of the produced amendment (a PDF, a ".doc" or a ".odt" kept as such), or ""
// when the suite is missing or anything failed (reported in a message box). `contrato` is
// the template path on entry and the produced file's path on return.
Text GeraAditivo(const ContextPtr& ctx, const Variant& connorvane, int32_t cod_unidade,
                 int32_t cod_empresa, int32_t cod_cliente, Text& contrato, int32_t num_aditivo,
                 bool visualiza, int16_t copias, bool forca_pdf = false,
                 const Variant& data_contrato = Variant::Missing());
Text GeraAditivoOpen(const ContextPtr& ctx, const Variant& connorvane, int32_t cod_unidade,
                     int32_t cod_empresa, int32_t cod_cliente, Text& contrato, int32_t num_aditivo,
                     bool visualiza, int16_t copias, bool forca_pdf = false,
                     const Variant& data_contrato = Variant::Missing());

// The file name of an amendment, without its folder: the customer code "0000000", "-ADT",
// the amendment number, "-", the first 50 characters of the customer's name without
// accents, the extension (with its dot); only the characters a file name keeps.
Text amendment_file_name(int32_t cod_cliente, int32_t num_aditivo, TextView nome,
                         TextView extension);

// Which amendment of which customer.
struct AmendmentKeys {
  int32_t cod_cliente = 0;
  int32_t num_aditivo = 0;
  Variant data_contrato;  // DataContrato: Missing when not given
};

// The data pass and the two applications on their own (tests and the benchmark call them
// on an open document). The data pass reads only; AtualizaProdutosCliente rebuilds the
// customer's equipment balance before it is read.
DocumentData read_amendment(Generation& g, const AmendmentKeys& keys);
void apply_amendment_word(Generation& g, DocumentData& d);
void apply_amendment_writer(Generation& g, DocumentData& d);

// GeraAditivo and GeraAditivoOpen on GeraDocsOrvane.
void add_amendment_members(component::MemberTable& t);

}  // namespace orvane::docgen
