// cStringBuilder: a growable text buffer for assembling long texts.
//
// Sizes the host sees follow the chunk rule: the capacity grows by whole chunks
// (8192 characters by default) exactly when the text no longer fits, and Clear or an
// empty TheString gives it back. The storage underneath grows geometrically, so
// appending costs amortized constant time per character however large the text gets.
//
// Positions of Insert and Remove count from 0; Find answers 1-based positions.
// Insert/Remove outside their range raise VbError 9 and change nothing; sizes beyond
// the 32-bit signed range (in bytes, two per character) raise VbError 6.
#pragma once

#include <cstdint>

#include "component/member_table.h"
#include "core/context.h"

namespace orvane::strbuild {

class cStringBuilder : public component::DispatchObject {
 public:
  static constexpr int64_t kDefaultChunkBytes = 16384;

  explicit cStringBuilder(ContextPtr ctx = nullptr);
  const component::MemberTable& members() const override { return table(); }
  static const component::MemberTable& table();

  int32_t Length() const { return static_cast<int32_t>(text_.size()); }
  int32_t Capacity() const { return static_cast<int32_t>(capacity_bytes_ / 2); }
  int32_t ChunkSize() const { return static_cast<int32_t>(chunk_bytes_ / 2); }
  // VbError 5 below 1, 6 when twice the value leaves the 32-bit range.
  void SetChunkSize(int64_t chars);

  const Text& str() const { return text_; }
  Text toString() const { return text_; }
  void SetTheString(TextView s);
  void Clear();

  void Append(TextView s) {
    if (s.empty()) return;
    if (used_bytes() + 2 * static_cast<int64_t>(s.size()) > capacity_bytes_) grow(s.size());
    text_.append(s);
  }
  void Append(char16_t c) {
    if (used_bytes() + 2 > capacity_bytes_) grow(1);
    text_.push_back(c);
  }
  void AppendNL(TextView s);
  void Insert(int64_t index, TextView s);
  void Remove(int64_t index, int64_t length);
  // 1-based position of `find` from `start` (below 1 = from the first character);
  // compare 0 = binary, 1 = case-insensitive text.
  int32_t Find(TextView find, int64_t start = 1, int32_t compare = 1) const;
  void HeapMinimize();

  // Hands the text over and leaves the builder cleared.
  Text take();

 private:
  int64_t used_bytes() const { return 2 * static_cast<int64_t>(text_.size()); }
  // Adds whole chunks until `extra` more characters fit.
  void grow(size_t extra);
  // Adds whole chunks until the capacity reaches `need_bytes`.
  void cover(int64_t need_bytes);

  ContextPtr ctx_;
  Text text_;
  int64_t chunk_bytes_ = kDefaultChunkBytes;
  int64_t capacity_bytes_ = 0;
};

}  // namespace orvane::strbuild
