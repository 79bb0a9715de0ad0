#include "component/registry.h"

namespace orvane::component {

void Registry::add(ClassInfo info) { classes_.push_back(std::move(info)); }

const ClassInfo* Registry::find(TextView name) const {
  for (const auto& c : classes_) {
    if (vb::EqualsNoCase(c.name, name)) return &c;
    for (const auto& p : c.prog_ids)
      if (vb::EqualsNoCase(p, name)) return &c;
  }
  return nullptr;
}

ObjectPtr Registry::create(TextView name, const ContextPtr& ctx) const {
  const ClassInfo* c = find(name);
  if (!c)
    throw VbError(err::kCantCreateObject,
                  standard_description(err::kCantCreateObject) + u" (" + Text(name) + u")");
  ObjectPtr o = c->factory(ctx ? ctx : default_context());
  if (!o)
    throw VbError(err::kCantCreateObject,
                  standard_description(err::kCantCreateObject) + u" (" + Text(name) + u")");
  return o;
}

const Registry& Registry::global() {
  static const Registry kRegistry = [] {
    Registry r;
    register_all_classes(r);
    return r;
  }();
  return kRegistry;
}

ObjectPtr create_object(TextView name, const ContextPtr& ctx) {
  return Registry::global().create(name, ctx);
}

}  // namespace orvane::component
