// The budget's Word-only parts: its tables (one per product or service group, each closed by
// its total), the tables with the products' photographs, the borders of their cells, the
// signature image and the observation typed whole. The Writer variant has none of them.
#pragma once

#include <vector>

#include "core/numbers.h"
#include "core/object.h"
#include "core/variant.h"
#include "docgen/budget/routines.h"
#include "docgen/frame/pipeline.h"

namespace orvane::docgen::budget {

// The borders routine: the six border line styles (top, left, bottom, right, inside) of the
// current selection, single lines.
void borders_routine(const ObjectPtr& word);

// The lines the tables are made of, as the routines read them.
struct TableSources {
  const ProductPass* products = nullptr;
  const ServicePass* services = nullptr;
  db::RecordsetPtr additional_services;
};

// The tables routine: the budget's trimmed observation typed whole at "ORC.Observ", every
// Word table of the budget (the photo tables among them) and the signature image of setting
// 87's folder at vImgAssinatura.
void tables_routine(const BudgetCall& b, const Variant& observ, const TableSources& sources,
                    DocumentData& d);

// The photo-tables routine: the product groups in the order of their first line, each
// group's lines read on their own and made into one table of each photo layout.
std::vector<TableContent> photo_tables_routine(const BudgetCall& b);

// The signature image of budget `planilha`: the folder of setting 87 (a separator added when
// missing) + "ORC" + the key as "0000000000" + "-Assinatura.jpg"; "" without the folder.
Text signature_image(const BudgetCall& b);

}  // namespace orvane::docgen::budget
