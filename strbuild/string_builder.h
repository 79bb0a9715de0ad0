// cStringBuilder: a growable text buffer for assembling long texts.
#pragma once

#include "component/member_table.h"
#include "core/context.h"

namespace orvane::strbuild {

class cStringBuilder : public component::DispatchObject {
 public:
  explicit cStringBuilder(ContextPtr ctx = nullptr);
  const component::MemberTable& members() const override { return table(); }
  static const component::MemberTable& table();

 private:
  ContextPtr ctx_;
};

}  // namespace orvane::strbuild
