// The payment terms of a service order (vCondições): the order's closing condition, or the
// imported budget's, spread over its installments.
#pragma once

#include "core/numbers.h"
#include "core/variant.h"
#include "docgen/frame/lists.h"
#include "platform/db/db.h"

namespace orvane::docgen::service_order {

// The order's FechamentoCondiçãoPagto, or when it has none the CondiçãoPagto of the imported
// budget; Null when neither names one.
Variant payment_condition(const Variant& conn, const db::Recordset& order, const Variant& budget);

// The lines of condition `condition` (a CondiçõesPagto record) for `amount`: one per
// installment (Data1 ... Data12 that are set), "A VISTA" for day 0 or the due date
// `base` + days, and the installment "Currency" after a tab; the first line starts with
// "ENTRADA " when the condition has a down payment (Entrada "S" or "E") and with
// "SEM ENTRADA " otherwise. A last line gives the condition's daily interest when it has
// one. Installments are the amount divided evenly, the last one taking the cents left.
void add_payment_terms(ListLines& list, const db::Recordset& condition, Currency amount, Date base);

}  // namespace orvane::docgen::service_order
