// The service order ("OS"): the work sheet a technician takes to the customer, from a Word
// template (GeraOS) or a Writer template (GeraOSOpen). GeraOS hands an ".odt" template over
// to GeraOSOpen. Both read the order once (service_order::read) and apply it on their suite.
#pragma once

#include <cstdint>
#include <vector>

#include "component/member_table.h"
#include "core/context.h"
#include "core/text.h"
#include "core/variant.h"
#include "docgen/frame/pipeline.h"

namespace orvane::docgen {

// The produced file's path (a PDF, or a ".doc" where the unit keeps orders as Word files or
// Word is older than version 12), or "" when the suite is missing or anything failed
// (reported in a message box). `layout_ordem` is the template path on entry and the
// produced file's path on return. The customer's equipment balance (TempProdutosCliente)
// is rebuilt on the way, and stays rebuilt when a later step fails.
Text GeraOS(const ContextPtr& ctx, const Variant& connorvane, int32_t cod_unidade,
            int32_t cod_empresa, int32_t planilha, Text& layout_ordem, bool visualiza,
            int16_t copias);
Text GeraOSOpen(const ContextPtr& ctx, const Variant& connorvane, int32_t cod_unidade,
                int32_t cod_empresa, int32_t planilha, Text& layout_ordem, bool visualiza,
                int16_t copias);

// GeraOS and GeraOSOpen on GeraDocsOrvane.
void add_service_order_members(component::MemberTable& t);

namespace service_order {

// Rows 1..1000 of the placeholder table.
inline constexpr int32_t kPlaceholderRows = 1000;

// One data pass: the placeholder rows, lists and tables, and what the Word variant types
// apart (the long observations, the masked observations, the chip list it types last).
struct OrderData {
  DocumentData document{kPlaceholderRows};
  std::vector<LongText> masked;  // vObserva and OS.Observações (Word)
  ListSet chips;                 // vClienteChips
};

// Reads order `planilha` for `g.route` (the Word variant's long texts and
// "vEmpMonitoramento", or the Writer variant's "OSs.ObservaçõesFechamento" row) and rebuilds
// the customer's equipment balance. `g` must have its connection, unit and company.
OrderData read(Generation& g, int32_t planilha);

// The applications, on the working copy open in `g`. Word: the long observations, the
// product tables, the masked observations, the placeholder rows (values cut at 200
// characters), the vehicles table, the lists, the previous-order tables and last the chip
// list. Writer: the tables, then every row and list (each line ended by CR LF) through the
// Writer table pass.
void apply_word(Generation& g, DocumentData& d, const std::vector<LongText>& masked,
                const ListSet& chips);
void apply_writer(Generation& g, DocumentData& d, const ListSet& chips);
void apply_word(Generation& g, OrderData& d);
void apply_writer(Generation& g, OrderData& d);

// The unit keeps service orders as Word documents (Unidades.AbreOSWord, Null as false).
bool abre_os_word(const Variant& conn, int32_t cod_unidade);

}  // namespace service_order
}  // namespace orvane::docgen
