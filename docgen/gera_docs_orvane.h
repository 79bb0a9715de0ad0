// GeraDocsOrvane: the document generators. Keeps no state between calls.
#pragma once

#include "component/member_table.h"
#include "core/context.h"

namespace orvane::docgen {

class GeraDocsOrvane : public component::DispatchObject {
 public:
  explicit GeraDocsOrvane(ContextPtr ctx = nullptr);
  const Context& context() const { return *ctx_; }
  const ContextPtr& context_ptr() const { return ctx_; }
  const component::MemberTable& members() const override { return table(); }
  static const component::MemberTable& table();

 private:
  ContextPtr ctx_;
};

}  // namespace orvane::docgen
