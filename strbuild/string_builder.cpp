#include "strbuild/string_builder.h"

namespace orvane::strbuild {

cStringBuilder::cStringBuilder(ContextPtr ctx) : ctx_(std::move(ctx)) {}

const component::MemberTable& cStringBuilder::table() {
  static const component::MemberTable kTable(u"cStringBuilder");
  return kTable;
}

}  // namespace orvane::strbuild
