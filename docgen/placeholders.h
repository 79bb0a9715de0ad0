// The placeholder table every generator fills before substituting: a fixed table of
// variants, rows 0..R and columns 0..2, with a row counter the caller keeps. Row i
// (1..counter) holds the placeholder text in column 1 and its value in column 2; row 0
// and column 0 stay unused.
//
// The counter only grows. A row past R is not stored but still counted, so the next
// pass over rows 1..counter fails with the subscript error (9) on the first row that is
// missing — which is how an overfull table reaches the generator's error handler.
#pragma once

#include <cstdint>

#include "core/text.h"
#include "core/variant.h"
#include "platform/db/db.h"

namespace orvane::docgen {

// A table with rows 0..`last_row` and columns 0..2, every cell Empty.
Array make_placeholder_table(int32_t last_row);

// Counts one more row and stores (`placeholder`, `value`) in it; a row past the table's
// end is counted but not stored (no error here).
void add_placeholder(Array& table, int32_t& counter, TextView placeholder, Variant value);

// The placeholder text and the value of row `row`; VbError 9 for a row past the end.
const Variant& placeholder_text(const Array& table, int32_t row);
const Variant& placeholder_value(const Array& table, int32_t row);

// Appends one row per field of the recordset's current record: prefix + field name,
// with the value formatted by the field's type and the few named cases of the callers'
// sources ("Cli.", "ADT.", "Ras."), and a second row under the field name without
// accents when it has any. Direction 1 walks the fields forward, any other value
// backwards. A recordset with no record gives every row the empty text. Each statement
// that fails is skipped; nothing is raised. The recordset is not moved.
void AdicionaCamposLista(const db::Recordset& rs, TextView prefixo, Array& table, int32_t& contador,
                         int32_t direcao = 1);

// The value AdicionaCamposLista gives field `index` of the current record (exposed for
// the generators that add single fields by the same rules).
Variant field_placeholder_value(const db::Recordset& rs, TextView prefixo, int index);

}  // namespace orvane::docgen
