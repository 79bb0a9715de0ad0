#include "docgen/gera_docs_orvane.h"

namespace orvane::docgen {

GeraDocsOrvane::GeraDocsOrvane(ContextPtr ctx) : ctx_(ctx ? std::move(ctx) : default_context()) {}

const component::MemberTable& GeraDocsOrvane::table() {
  static const component::MemberTable kTable(u"GeraDocsOrvane");
  return kTable;
}

}  // namespace orvane::docgen
