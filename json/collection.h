// Collection: the host platform's 1-based list of variant values.
//
// Late-bound members: Count, Item (1-based; error 9 outside 1..Count), Add, Remove.
#pragma once

#include <vector>

#include "component/member_table.h"

namespace orvane::json {

class Collection : public component::DispatchObject {
 public:
  const component::MemberTable& members() const override { return table(); }
  static const component::MemberTable& table();

  size_t size() const { return items_.size(); }
  const std::vector<Variant>& items() const { return items_; }
  void Add(Variant v) { items_.push_back(std::move(v)); }
  // 1-based; VbError 9 outside 1..Count.
  Variant& Item(int64_t index);
  void Remove(int64_t index);

 private:
  std::vector<Variant> items_;
};

}  // namespace orvane::json
