// GeraDocsOrvane: the document generators. Keeps no state between calls. Each document
// adds its own members from its own folder (trip_sheet/, service_order/, ...).
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

// The context of the GeraDocsOrvane instance a member was called on.
const ContextPtr& context_of(Object& self);

}  // namespace orvane::docgen
