// The budget (quotation) of one budget record: the budget, its customer and company, its
// product, service, additional-service, vehicle and payment-condition lines and its digital
// acceptance, on a Word template (GeraOrçamento) or a Writer one (GeraOrçamentoOpen, which
// GeraOrçamento hands an ".odt" template to).
#pragma once

#include <cstdint>

#include "component/member_table.h"
#include "core/context.h"
#include "core/text.h"
#include "core/variant.h"
#include "docgen/frame/pipeline.h"

namespace orvane::docgen {

// The path of the produced file (a PDF, or a ".doc" where the unit keeps budgets as Word
// documents and `forca_pdf` is false), or "" when the suite is missing or anything failed
// (reported in a message box). `layout` is the template on entry and the produced file on
// return.
Text GeraOrcamento(const ContextPtr& ctx, const Variant& connorvane, int32_t cod_unidade,
                   int32_t cod_empresa, int32_t planilha, Text& layout, bool visualiza,
                   int16_t copias, bool forca_pdf = false);
Text GeraOrcamentoOpen(const ContextPtr& ctx, const Variant& connorvane, int32_t cod_unidade,
                       int32_t cod_empresa, int32_t planilha, Text& layout, bool visualiza,
                       int16_t copias, bool forca_pdf = false);

// GeraOrçamento and GeraOrçamentoOpen on GeraDocsOrvane.
void add_budget_members(component::MemberTable& t);

const GeneratorDeclaration& budget_declaration();

// The budget as the pipeline runs it; tests and the benchmark use its data pass and its
// applications on their own.
class Budget : public Generator {
 public:
  explicit Budget(int32_t planilha) : planilha_(planilha) {}

  void make_working_copy(Generation& g) override;
  bool keep_word(Generation& g) override;
  DocumentData read(Generation& g) override;
  void apply_word(Generation& g, DocumentData& d) override;
  void apply_writer(Generation& g, DocumentData& d) override;
  Text output_path(Generation& g, OutputKind kind) override;
  bool preview_keeps_writer_open(Generation& g) override;

 private:
  int32_t planilha_;
};

}  // namespace orvane::docgen
