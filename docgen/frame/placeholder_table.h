// The placeholder table every generator fills before substituting: rows 1..counter of
// (placeholder text, value), kept in the order they were added, with room for rows
// 1..last_row. Rows are applied in that order, so on Writer (which matches substrings)
// an earlier row wins where one placeholder text holds another.
//
// The counter only grows. A row past last_row is not stored but still counted, so a pass
// over rows 1..counter fails with the subscript error (9) on the first row that is
// missing — which is how an overfull table reaches the generator's error handler.
#pragma once

#include <cstdint>
#include <vector>

#include "core/text.h"
#include "core/variant.h"
#include "platform/db/db.h"

namespace orvane::docgen {

class PlaceholderTable {
 public:
  explicit PlaceholderTable(int32_t last_row);

  // Counts one more row and stores (`placeholder`, `value`) in it when there is room.
  void add(TextView placeholder, Variant value);
  // Rows 1..counter(); VbError 9 for a row that was counted but not stored.
  const Text& text(int32_t row) const;
  const Variant& value(int32_t row) const;
  int32_t counter() const { return counter_; }
  int32_t last_row() const { return last_row_; }
  // Gives every stored row whose text is `placeholder` the value `value` (a later override of
  // a record's column, e.g. a delivery address); false when there is no such row.
  bool replace_value(TextView placeholder, const Variant& value);
  // The value of the first row named `placeholder`, or nullptr.
  const Variant* find(TextView placeholder) const;

 private:
  struct Row {
    Text text;
    Variant value;
  };
  int32_t last_row_;
  int32_t counter_ = 0;
  std::vector<Row> rows_;
};

// Appends one row per field of the recordset's current record: prefix + field name,
// with the value formatted by the field's type and the few named cases of the callers'
// sources ("Cli.", "ADT.", "Ras."), and a second row under the field name without
// accents when it has any. Direction 1 walks the fields forward, any other value
// backwards. A recordset with no record gives every row the empty text. Each statement
// that fails is skipped; nothing is raised. The recordset is not moved.
void AdicionaCamposLista(const db::Recordset& rs, TextView prefixo, PlaceholderTable& table,
                         int32_t direcao = 1);

// The value AdicionaCamposLista gives field `index` of the current record (exposed for
// the generators that add single fields by the same rules).
Variant field_placeholder_value(const db::Recordset& rs, TextView prefixo, int index);

}  // namespace orvane::docgen
