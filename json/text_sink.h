// TextSink: UTF-16 output written through a raw pointer, for the JSON writers. A writer
// asks for room for a whole token once and then stores without further checks.
//
// By default the text is kept in blocks that never move (no copy while growing) and joined
// once at the end; blocks of this size come back from the allocator warm on the next call
// instead of as fresh pages. A writer that can tell the final size calls expect(): from
// then on the text goes through a small staging buffer straight into the result, which is
// given its room once, so a long text is built once and never held twice.
#pragma once

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "core/memory.h"
#include "core/text.h"

namespace orvane::json {

class TextSink {
 public:
  static constexpr size_t kBlock = 256 * 1024;
  static constexpr size_t kStage = 16 * 1024;

  char16_t* room(size_t n) {
    if (static_cast<size_t>(end_ - p_) < n) next_buffer(n);
    return p_;
  }
  void done(char16_t* to) { p_ = to; }
  void put(char16_t c) { *room(1) = c, ++p_; }
  void put(TextView s) {
    char16_t* w = room(s.size());
    if (!s.empty()) std::memcpy(w, s.data(), s.size() * sizeof(char16_t));
    p_ = w + s.size();
  }

  // Characters written so far.
  size_t size() const {
    size_t n = direct_ ? result_.size() : 0;
    for (const auto& b : blocks_) n += b.used;
    return n + static_cast<size_t>(p_ - start_);
  }

  // Room for `total` characters in the result, and the writes from now on straight into it.
  void expect(size_t total) {
    if (!direct_) {
      seal();
      size_t written = 0;
      for (const auto& b : blocks_) written += b.used;
      result_.reserve(std::max(total, written));
      prefer_huge_pages(result_.data(), result_.capacity() * sizeof(char16_t));
      for (auto& b : blocks_) {
        result_.append(b.data.get(), b.used);
        b.data.reset();
      }
      blocks_.clear();
      direct_ = true;
      stage_ = std::unique_ptr<char16_t[]>(new char16_t[kStage]);
      start_ = p_ = stage_.get();
      end_ = p_ + kStage;
      return;
    }
    result_.reserve(std::max(total, size()));
  }

  Text text() {
    if (direct_) {
      flush();
      return std::move(result_);
    }
    seal();
    size_t total = 0;
    for (const auto& b : blocks_) total += b.used;
    Text out;
    out.reserve(total);
    // Each block goes as soon as it is copied.
    for (auto& b : blocks_) {
      out.append(b.data.get(), b.used);
      b.data.reset();
    }
    blocks_.clear();
    start_ = p_ = end_ = nullptr;
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
  void flush() {
    result_.append(start_, static_cast<size_t>(p_ - start_));
    oversize_.reset();
    start_ = p_ = stage_.get();
    end_ = p_ + kStage;
  }
  void next_buffer(size_t n) {
    if (direct_) {
      flush();
      if (n > kStage) {
        // One token longer than the stage: a buffer of its own, emptied at the next flush.
        oversize_ = std::unique_ptr<char16_t[]>(new char16_t[n]);
        start_ = p_ = oversize_.get();
        end_ = p_ + n;
      }
      return;
    }
    seal();
    const size_t size = std::max(kBlock, n);
    blocks_.push_back(Block{std::unique_ptr<char16_t[]>(new char16_t[size]), 0});
    start_ = p_ = blocks_.back().data.get();
    end_ = p_ + size;
  }

  std::vector<Block> blocks_;
  bool direct_ = false;
  Text result_;
  std::unique_ptr<char16_t[]> stage_;
  std::unique_ptr<char16_t[]> oversize_;
  char16_t* start_ = nullptr;  // start of the buffer p_ writes into
  char16_t* p_ = nullptr;
  char16_t* end_ = nullptr;
};

}  // namespace orvane::json
