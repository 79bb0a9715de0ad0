// The rows of an open recordset as the engine stored them: numbers in place, texts and
// blobs as their bytes. A cell becomes a Variant when it is first read, and keeps it:
// opening a large recordset costs little more than stepping through it, and a report
// that reads each field once converts each value once.
#pragma once

#include <memory>
#include <new>
#include <vector>

#include "platform/db/backend.h"

namespace orvane::db {

class RowStore {
 public:
  RowStore() = default;
  RowStore(const RowStore&) = delete;
  RowStore& operator=(const RowStore&) = delete;
  ~RowStore();

  void clear();
  size_t size() const { return cells_; }

  // Appends a cell holding the stored value (a copy of its bytes).
  void add(const RawValue& v);
  // Appends a cell holding a value already converted.
  void add(Variant v);

  // The cell's value as a field of ADO type `as` hands it out (stored_value()). Made on
  // the first read; the reference stays valid until the cell is set or the store cleared.
  const Variant& get(size_t cell, AdoType as, const SqlType& declared) const {
    Cell& c = at(cell);
    if (c.kind == RawValue::Kind::None) return variant(c.index);
    return convert(c, as, declared);
  }
  void set(size_t cell, Variant v);
  // The same value without keeping it: for reading every cell once, as an export does,
  // without the store growing by a converted copy of each.
  Variant peek(size_t cell, AdoType as, const SqlType& declared) const;

 private:
  struct Cell {
    union {
      int64_t i;
      double d;
      const char* bytes;  // Utf8, Utf16, Blob: in the arena
      uint64_t index;     // None: the Variant
    };
    uint32_t size;
    RawValue::Kind kind;  // None: converted, a Variant
  };
  // Storage that never moves once written, so that references and pointers into it
  // stay valid: cells, bytes and variants each in blocks.
  static constexpr size_t kCellBlock = 4096;
  static constexpr size_t kByteBlock = 64 * 1024;
  static constexpr size_t kVariantBlock = 1024;
  struct alignas(Variant) Slot {
    unsigned char raw[sizeof(Variant)];
  };

  Cell& at(size_t cell) const { return cell_blocks_[cell / kCellBlock][cell % kCellBlock]; }
  // Memory for the cell and byte blocks, from slabs that grow with the store: a large
  // recordset lives in a few large slabs (backed by huge pages where the system offers
  // them), a small one in a small slab.
  char* take(size_t n);
  Variant& variant(uint64_t i) const {
    return *std::launder(
        reinterpret_cast<Variant*>(&variant_blocks_[i / kVariantBlock][i % kVariantBlock]));
  }
  Cell& push();
  const char* copy(const void* data, size_t n);
  uint64_t make_variant(Variant v) const;
  const Variant& convert(Cell& c, AdoType as, const SqlType& declared) const;

  size_t cells_ = 0;
  std::vector<Cell*> cell_blocks_;                   // in slabs_
  std::vector<std::unique_ptr<char[]>> big_values_;  // each too large for a byte block
  char* bytes_ = nullptr;                            // the byte block being filled
  size_t byte_used_ = kByteBlock;                    // of bytes_
  std::vector<std::unique_ptr<char[]>> slabs_;
  char* slab_at_ = nullptr;
  char* slab_end_ = nullptr;
  size_t next_slab_ = kFirstSlab;
  static constexpr size_t kFirstSlab = 128 * 1024;
  static constexpr size_t kLargestSlab = 8 << 20;
  mutable std::vector<std::unique_ptr<Slot[]>> variant_blocks_;
  mutable uint64_t variants_ = 0;
};

}  // namespace orvane::db
