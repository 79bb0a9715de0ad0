// The contract's own list and table declarations (those the amendment shares are in
// docgen/shared/contract_lists.h), and the order the Word variant types its lists in.
#pragma once

#include <vector>

#include "core/text.h"
#include "docgen/frame/lists.h"
#include "docgen/frame/tables.h"

namespace orvane::docgen {

// vCancListaProporcional, vCancListaMulta: the cancellation's receivables, one line per
// receivable: number "000000" + "/" + Letra, Vencimento, ValorDuplicata ("Currency").
const std::vector<ListLayout>& cancellation_receivable_lists();

// The list placeholders in the order the Word variant applies them (DocWordSubstLista).
const std::vector<Text>& contract_word_list_order();

}  // namespace orvane::docgen
