#include "json/collection.h"

#include "core/convert.h"

namespace orvane::json {
namespace {

Collection& self_of(Object& o) { return static_cast<Collection&>(o); }

// This list has no keys: a text index names a key that cannot be there.
int64_t index_of(const Variant& v) {
  if (v.is_text()) throw VbError(err::kInvalidCall);
  return CLng(v);
}

}  // namespace

Variant& Collection::Item(int64_t index) {
  if (index < 1 || index > static_cast<int64_t>(items_.size())) throw VbError(err::kSubscript);
  return items_[static_cast<size_t>(index - 1)];
}

void Collection::Remove(int64_t index) {
  Item(index);  // range check
  items_.erase(items_.begin() + (index - 1));
}

const component::MemberTable& Collection::table() {
  using component::Args;
  using component::ref;
  static const component::MemberTable kTable = [] {
    component::MemberTable t(u"Collection");
    t.property_get(
        u"Count", VarType::Long,
        [](Object& o, Args&) { return Variant(static_cast<int32_t>(self_of(o).size())); },
        "number of items");
    t.method(
        u"Item", {ref(u"Index", VarType::Variant)}, VarType::Variant,
        [](Object& o, Args& a) { return self_of(o).Item(index_of(a[0])); },
        "the item at Index (from 1); error 9 outside 1..Count");
    t.method(
        u"Add", {ref(u"Item", VarType::Variant)}, VarType::Empty,
        [](Object& o, Args& a) {
          self_of(o).Add(a[0]);
          return Variant();
        },
        "appends Item");
    t.method(
        u"Remove", {ref(u"Index", VarType::Variant)}, VarType::Empty,
        [](Object& o, Args& a) {
          self_of(o).Remove(index_of(a[0]));
          return Variant();
        },
        "removes the item at Index (from 1)");
    return t;
  }();
  return kTable;
}

}  // namespace orvane::json
