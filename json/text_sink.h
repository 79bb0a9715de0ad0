// TextSink: UTF-16 output written through a raw pointer, for the JSON writers. A writer
// asks for room for a whole token once and then stores without further checks. The
// text is kept in blocks that never move (no copy while growing) and joined once at
// the end; blocks of this size come back from the allocator warm on the next call
// instead of as fresh pages.
#pragma once

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "core/text.h"

namespace orvane::json {

class TextSink {
 public:
  static constexpr size_t kBlock = 256 * 1024;

  char16_t* room(size_t n) {
    if (static_cast<size_t>(end_ - p_) < n) next_block(n);
    return p_;
  }
  void done(char16_t* to) { p_ = to; }
  void put(char16_t c) { *room(1) = c, ++p_; }
  void put(TextView s) {
    char16_t* w = room(s.size());
    if (!s.empty()) std::memcpy(w, s.data(), s.size() * sizeof(char16_t));
    p_ = w + s.size();
  }
  Text text() {
    seal();
    size_t total = 0;
    for (const auto& b : blocks_) total += b.used;
    Text out;
    out.reserve(total);
    for (const auto& b : blocks_) out.append(b.data.get(), b.used);
    return out;
  }

 private:
  struct Block {
    std::unique_ptr<char16_t[]> data;
    size_t used = 0;
  };
  void seal() {
    if (!blocks_.empty()) blocks_.back().used = static_cast<size_t>(p_ - blocks_.back().data.get());
  }
  void next_block(size_t n) {
    seal();
    const size_t size = std::max(kBlock, n);
    blocks_.push_back(Block{std::unique_ptr<char16_t[]>(new char16_t[size]), 0});
    p_ = blocks_.back().data.get();
    end_ = p_ + size;
  }

  std::vector<Block> blocks_;
  char16_t* p_ = nullptr;
  char16_t* end_ = nullptr;
};

}  // namespace orvane::json
