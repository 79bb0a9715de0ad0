#include "core/object.h"

#include "core/error.h"

namespace orvane {

const ObjectPtr& as_object(const Variant& v) {
  if (!v.is_object() || !v.object()) throw VbError(err::kObjectNotSet);
  return v.object();
}

Variant call(const ObjectPtr& obj, TextView member, std::vector<Variant> args) {
  if (!obj) throw VbError(err::kObjectNotSet);
  return obj->invoke(member, CallKind::Method, args);
}

Variant get(const ObjectPtr& obj, TextView property, std::vector<Variant> args) {
  if (!obj) throw VbError(err::kObjectNotSet);
  return obj->invoke(property, CallKind::PropertyGet, args);
}

void let(const ObjectPtr& obj, TextView property, Variant value) {
  if (!obj) throw VbError(err::kObjectNotSet);
  std::vector<Variant> args{std::move(value)};
  obj->invoke(property, CallKind::PropertyPut, args);
}

}  // namespace orvane
