// Variant mirrors the host language's variant: Empty, Null, Integer (16-bit), Long,
// Single, Double, Currency, Date, String, Object, Error, Boolean, Decimal, Byte and
// arrays with bounds. Values copy deeply (arrays too); objects are shared references.
//
// The omitted-argument marker is the Error value DISP_E_PARAMNOTFOUND (Variant::Missing()).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "core/numbers.h"
#include "core/text.h"

namespace orvane {

class Object;
using ObjectPtr = std::shared_ptr<Object>;
class Array;

// Type codes as the host platform numbers them (VarType).
enum class VarType : uint16_t {
  Empty = 0,
  Null = 1,
  Integer = 2,
  Long = 3,
  Single = 4,
  Double = 5,
  Currency = 6,
  Date = 7,
  String = 8,
  Object = 9,
  Error = 10,
  Boolean = 11,
  Variant = 12,  // only as a declared type: any value, no conversion
  Decimal = 14,
  Byte = 17,
  Array = 0x2000,  // an array of variants
};

// Integer, Long, Single, Double, Currency, Decimal and Byte.
bool is_numeric_type(VarType t);

// The type name the host language gives (TypeName without the "()" of arrays).
const char* var_type_name(VarType t);

struct ErrorValue {
  int32_t scode = 0;
  bool operator==(const ErrorValue&) const = default;
};
inline constexpr int32_t kParamNotFound = static_cast<int32_t>(0x80020004u);

class Variant {
 public:
  struct EmptyTag {
    bool operator==(const EmptyTag&) const = default;
  };
  struct NullTag {
    bool operator==(const NullTag&) const = default;
  };

  Variant() = default;
  Variant(int16_t v) : v_(v) {}
  Variant(int32_t v) : v_(v) {}
  Variant(float v) : v_(v) {}
  Variant(double v) : v_(v) {}
  Variant(Currency v) : v_(v) {}
  Variant(Date v) : v_(v) {}
  Variant(Text v) : v_(std::move(v)) {}
  Variant(const char16_t* v) : v_(Text(v)) {}
  Variant(ObjectPtr v) : v_(std::move(v)) {}
  Variant(ErrorValue v) : v_(v) {}
  Variant(bool v) : v_(v) {}
  Variant(Decimal v) : v_(v) {}
  Variant(uint8_t v) : v_(v) {}
  Variant(Array v);
  // Plain int literals are Long (int32_t); use Variant(int16_t(n)) for an Integer.
  Variant(const char*) = delete;  // use T("...") or u"..." for texts

  static Variant Null() {
    Variant v;
    v.v_ = NullTag{};
    return v;
  }
  static Variant Missing() { return Variant(ErrorValue{kParamNotFound}); }

  Variant(const Variant& o);
  Variant(Variant&&) noexcept = default;
  Variant& operator=(const Variant& o);
  Variant& operator=(Variant&&) noexcept = default;
  ~Variant();

  VarType type() const;
  bool is_empty() const { return v_.index() == 0; }
  bool is_null() const { return v_.index() == 1; }
  bool is_missing() const;
  bool is_text() const { return std::holds_alternative<Text>(v_); }
  bool is_object() const { return std::holds_alternative<ObjectPtr>(v_); }
  bool is_array() const { return std::holds_alternative<std::unique_ptr<Array>>(v_); }
  // True for Integer, Long, Single, Double, Currency, Decimal and Byte.
  bool is_numeric_type() const;

  // Direct access; VbError 13 when the variant holds another type.
  int16_t integer() const;
  int32_t lng() const;
  float single() const;
  double dbl() const;
  Currency currency() const;
  Date date() const;
  const Text& text() const;
  Text& text();
  const ObjectPtr& object() const;  // may be a null pointer (Nothing)
  ErrorValue error() const;
  bool boolean() const;
  const Decimal& decimal() const;
  uint8_t byte() const;
  const Array& array() const;
  Array& array();

  // Structural equality: same type and same value (objects by identity).
  bool operator==(const Variant& o) const;

 private:
  std::variant<EmptyTag, NullTag, int16_t, int32_t, float, double, Currency, Date, Text, ObjectPtr,
               ErrorValue, bool, Decimal, uint8_t, std::unique_ptr<Array>>
      v_;
};

// A rectangular array of variants with per-dimension lower bounds (row-major in the
// index list: the last index varies fastest).
class Array {
 public:
  struct Bound {
    int32_t lower = 0;
    int32_t count = 0;
    int32_t upper() const { return lower + count - 1; }
    bool operator==(const Bound&) const = default;
  };
  Array() = default;
  explicit Array(std::vector<Bound> bounds);
  // A one-dimensional array from `lower` holding `items`.
  static Array of(std::vector<Variant> items, int32_t lower = 0);

  int dims() const { return static_cast<int>(bounds_.size()); }
  const Bound& bound(int dim) const { return bounds_.at(dim); }  // dim is 0-based
  size_t size() const { return items_.size(); }
  // VbError 9 when an index is out of its bounds or the count of indexes is wrong.
  Variant& at(const std::vector<int32_t>& index);
  const Variant& at(const std::vector<int32_t>& index) const;
  Variant& at(int32_t i) { return at(std::vector<int32_t>{i}); }
  const Variant& at(int32_t i) const { return at(std::vector<int32_t>{i}); }
  // Storage in row-major order.
  std::vector<Variant>& items() { return items_; }
  const std::vector<Variant>& items() const { return items_; }
  bool operator==(const Array& o) const = default;

 private:
  size_t offset(const std::vector<int32_t>& index) const;
  std::vector<Bound> bounds_;
  std::vector<Variant> items_;
};

}  // namespace orvane
