// Dictionary: a map from text keys to variant values that keeps its members in the
// order they were added, the way the host's scripting dictionary does. Keys compare
// case-sensitively; a key given as another type is used as its text (CStr).
//
// Late-bound members: Count, Item (get/let), Keys, Items (0-based arrays), Exists, Add
// (error 457 for a key already present), Remove (error 32811 when absent), RemoveAll.
// Reading Item of an absent key adds it with an Empty value, as the platform's does.
//
// Small maps are searched linearly; from kIndexFrom members on an open-addressing
// index over the member positions keeps lookups constant-time.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "component/member_table.h"

namespace orvane::json {

class Dictionary : public component::DispatchObject {
 public:
  static constexpr size_t kIndexFrom = 16;
  static constexpr int32_t kElementNotFound = 32811;

  const component::MemberTable& members() const override { return table(); }
  static const component::MemberTable& table();

  size_t size() const { return entries_.size(); }
  const std::vector<std::pair<Text, Variant>>& entries() const { return entries_; }

  // Position of the key, or -1.
  ptrdiff_t find(TextView key) const;
  bool Exists(TextView key) const { return find(key) >= 0; }
  // VbError 457 when the key is present (nothing changes then).
  void Add(Text key, Variant value);
  // Adds the key when it is new and returns true; leaves both arguments untouched
  // and returns false when the key is present.
  bool try_add(Text&& key, Variant&& value);
  // The value of a key, added as Empty when absent.
  Variant& Item(TextView key);
  void Remove(TextView key);
  void RemoveAll();

 private:
  static uint64_t hash(TextView key);
  ptrdiff_t find(TextView key, uint64_t h) const;
  void append(Text&& key, Variant&& value, uint64_t h);
  void rebuild_index();
  void index_insert(uint32_t pos, uint64_t h);

  std::vector<std::pair<Text, Variant>> entries_;
  // Slots hold member position + 1 (0 = free); size is a power of two or zero.
  std::vector<uint32_t> slots_;
};

}  // namespace orvane::json
