#include "textpdf/gera_pdf.h"

namespace orvane::textpdf {

GeraPDF::GeraPDF(ContextPtr ctx) : ctx_(ctx ? std::move(ctx) : default_context()) {}

const component::MemberTable& GeraPDF::table() {
  static const component::MemberTable kTable(u"GeraPDF");
  return kTable;
}

}  // namespace orvane::textpdf
