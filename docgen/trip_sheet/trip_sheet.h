// The vehicle trip sheet (the "checklist" of a trip): the trip record, its vehicle and
// its driver on one page, from a Word or a Writer template. One member serves both suites:
// the template's extension decides.
#pragma once

#include <cstdint>

#include "component/member_table.h"
#include "core/context.h"
#include "core/object.h"
#include "core/text.h"
#include "core/variant.h"
#include "docgen/frame/placeholder_table.h"

namespace orvane::docgen {

// The path of the produced file (a PDF, or a ".doc" when Word cannot export), or "" when
// the suite is missing or anything failed (reported in a message box). `layout` is the
// template path on entry and the produced file's path on return.
Text GeraDeslocamentoViatura(const ContextPtr& ctx, const Variant& connorvane, int32_t cod_unidade,
                             int32_t cod_empresa, int32_t cod_desloca, Text& layout, bool visualiza,
                             int16_t copias);

// The data pass and the two substitutions on their own (the benchmark times them apart).
struct TripSheetData {
  PlaceholderTable table{1000};
  Variant observacao;  // the trip's Observação, typed whole on Word
};
// The trip, its vehicle and its driver as placeholder rows ("Des.", "Vei.", "Con.").
TripSheetData read_trip_sheet(const Variant& connorvane, int32_t cod_desloca);
void substitute_trip_sheet_word(const ObjectPtr& word, const TripSheetData& data);
void substitute_trip_sheet_writer(const ObjectPtr& document, const ObjectPtr& replace_descriptor,
                                  const TripSheetData& data);

// GeraDeslocamentoViatura on GeraDocsOrvane.
void add_trip_sheet_members(component::MemberTable& t);

}  // namespace orvane::docgen
