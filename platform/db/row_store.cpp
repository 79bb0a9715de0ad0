#include "platform/db/row_store.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "core/memory.h"

namespace orvane::db {

RowStore::~RowStore() { clear(); }

void RowStore::clear() {
  for (uint64_t i = 0; i < variants_; ++i) variant(i).~Variant();
  variants_ = 0;
  variant_blocks_.clear();
  cells_ = 0;
  cell_blocks_.clear();
  big_values_.clear();
  bytes_ = nullptr;
  byte_used_ = kByteBlock;
  slabs_.clear();
  slab_at_ = slab_end_ = nullptr;
  next_slab_ = kFirstSlab;
}

char* RowStore::take(size_t n) {
  n = (n + 15) & ~size_t{15};
  if (static_cast<size_t>(slab_end_ - slab_at_) < n) {
    const size_t size = std::max(next_slab_, n);
    slabs_.push_back(std::make_unique_for_overwrite<char[]>(size));
    slab_at_ = slabs_.back().get();
    slab_end_ = slab_at_ + size;
    if (size >= (size_t{4} << 20)) prefer_huge_pages(slab_at_, size);
    next_slab_ = std::min(next_slab_ * 2, kLargestSlab);
  }
  char* p = slab_at_;
  slab_at_ += n;
  return p;
}

RowStore::Cell& RowStore::push() {
  if (cells_ / kCellBlock >= cell_blocks_.size()) {
    Cell* block = std::launder(reinterpret_cast<Cell*>(take(kCellBlock * sizeof(Cell))));
    std::uninitialized_default_construct_n(block, kCellBlock);
    cell_blocks_.push_back(block);
  }
  return at(cells_++);
}

const char* RowStore::copy(const void* data, size_t n) {
  if (n == 0) return nullptr;
  // Copies start at even offsets: UTF-16 texts are read in place as char16_t.
  byte_used_ += byte_used_ & 1;
  char* out;
  if (n > kByteBlock / 4) {
    // A large value gets a block of its own.
    big_values_.push_back(std::make_unique_for_overwrite<char[]>(n));
    out = big_values_.back().get();
  } else {
    if (byte_used_ + n > kByteBlock) {
      bytes_ = take(kByteBlock);
      byte_used_ = 0;
    }
    out = bytes_ + byte_used_;
    byte_used_ += n;
  }
  std::memcpy(out, data, n);
  return out;
}

uint64_t RowStore::make_variant(Variant v) const {
  uint64_t i = variants_;
  if (i / kVariantBlock >= variant_blocks_.size())
    variant_blocks_.push_back(std::make_unique_for_overwrite<Slot[]>(kVariantBlock));
  new (&variant_blocks_[i / kVariantBlock][i % kVariantBlock]) Variant(std::move(v));
  ++variants_;
  return i;
}

void RowStore::add(const RawValue& v) {
  if (v.kind == RawValue::Kind::None) {
    add(Variant::Null());
    return;
  }
  Cell& c = push();
  c.kind = v.kind;
  c.size = 0;
  switch (v.kind) {
    case RawValue::Kind::Int:
      c.i = v.i;
      break;
    case RawValue::Kind::Real:
      c.d = v.d;
      break;
    case RawValue::Kind::Utf8:
    case RawValue::Kind::Utf16:
    case RawValue::Kind::Blob:
      c.bytes = copy(v.data, v.size);
      c.size = static_cast<uint32_t>(v.size);
      break;
    default:
      c.i = 0;
      break;
  }
}

void RowStore::add(Variant v) {
  uint64_t index = make_variant(std::move(v));
  Cell& c = push();
  c.kind = RawValue::Kind::None;
  c.size = 0;
  c.index = index;
}

const Variant& RowStore::convert(Cell& c, AdoType as, const SqlType& declared) const {
  static const Variant kNull = Variant::Null();
  RawValue raw;
  raw.kind = c.kind;
  switch (c.kind) {
    case RawValue::Kind::Null:
      return kNull;
    case RawValue::Kind::Int:
      raw.i = c.i;
      break;
    case RawValue::Kind::Real:
      raw.d = c.d;
      break;
    default:
      raw.data = c.bytes;
      raw.size = c.size;
      break;
  }
  c.index = make_variant(stored_value(raw, as, declared));
  c.kind = RawValue::Kind::None;
  return variant(c.index);
}

Variant RowStore::peek(size_t cell, AdoType as, const SqlType& declared) const {
  const Cell& c = at(cell);
  RawValue raw;
  raw.kind = c.kind;
  switch (c.kind) {
    case RawValue::Kind::None:
      return variant(c.index);
    case RawValue::Kind::Null:
      return Variant::Null();
    case RawValue::Kind::Int:
      raw.i = c.i;
      break;
    case RawValue::Kind::Real:
      raw.d = c.d;
      break;
    default:
      raw.data = c.bytes;
      raw.size = c.size;
      break;
  }
  return stored_value(raw, as, declared);
}

void RowStore::set(size_t cell, Variant v) {
  Cell& c = at(cell);
  if (c.kind == RawValue::Kind::None) {
    variant(c.index) = std::move(v);
  } else {
    c.index = make_variant(std::move(v));
    c.kind = RawValue::Kind::None;
  }
}

}  // namespace orvane::db
