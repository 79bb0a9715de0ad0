#include "core/variant.h"

#include "core/error.h"

namespace orvane {

const char* var_type_name(VarType t) {
  switch (t) {
    case VarType::Empty:
      return "Empty";
    case VarType::Null:
      return "Null";
    case VarType::Integer:
      return "Integer";
    case VarType::Long:
      return "Long";
    case VarType::Single:
      return "Single";
    case VarType::Double:
      return "Double";
    case VarType::Currency:
      return "Currency";
    case VarType::Date:
      return "Date";
    case VarType::String:
      return "String";
    case VarType::Object:
      return "Object";
    case VarType::Error:
      return "Error";
    case VarType::Boolean:
      return "Boolean";
    case VarType::Variant:
      return "Variant";
    case VarType::Decimal:
      return "Decimal";
    case VarType::Byte:
      return "Byte";
    case VarType::Array:
      return "Array";
  }
  return "Unknown";
}

Variant::Variant(Array v) : v_(std::make_unique<Array>(std::move(v))) {}

Variant::Variant(const Variant& o) {
  if (o.is_array())
    v_ = std::make_unique<Array>(o.array());
  else
    std::visit(
        [this](const auto& x) {
          using X = std::decay_t<decltype(x)>;
          if constexpr (!std::is_same_v<X, std::unique_ptr<Array>>) v_ = x;
        },
        o.v_);
}

Variant& Variant::operator=(const Variant& o) {
  if (this != &o) {
    Variant copy(o);
    *this = std::move(copy);
  }
  return *this;
}

Variant::~Variant() = default;

VarType Variant::type() const {
  static constexpr VarType kTypes[] = {
      VarType::Empty,  VarType::Null,     VarType::Integer, VarType::Long,   VarType::Single,
      VarType::Double, VarType::Currency, VarType::Date,    VarType::String, VarType::Object,
      VarType::Error,  VarType::Boolean,  VarType::Decimal, VarType::Byte,   VarType::Array};
  return kTypes[v_.index()];
}

bool Variant::is_missing() const {
  auto* e = std::get_if<ErrorValue>(&v_);
  return e && e->scode == kParamNotFound;
}

bool Variant::is_numeric_type() const { return orvane::is_numeric_type(type()); }

bool is_numeric_type(VarType t) {
  switch (t) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Decimal:
    case VarType::Byte:
      return true;
    default:
      return false;
  }
}

namespace {
template <class T, class V>
auto& get_or_mismatch(V& v) {
  auto* p = std::get_if<T>(&v);
  if (!p) throw VbError(err::kTypeMismatch);
  return *p;
}
}  // namespace

int16_t Variant::integer() const { return get_or_mismatch<int16_t>(v_); }
int32_t Variant::lng() const { return get_or_mismatch<int32_t>(v_); }
float Variant::single() const { return get_or_mismatch<float>(v_); }
double Variant::dbl() const { return get_or_mismatch<double>(v_); }
Currency Variant::currency() const { return get_or_mismatch<Currency>(v_); }
Date Variant::date() const { return get_or_mismatch<Date>(v_); }
const Text& Variant::text() const { return get_or_mismatch<Text>(v_); }
Text& Variant::text() { return get_or_mismatch<Text>(v_); }
const ObjectPtr& Variant::object() const { return get_or_mismatch<ObjectPtr>(v_); }
ErrorValue Variant::error() const { return get_or_mismatch<ErrorValue>(v_); }
bool Variant::boolean() const { return get_or_mismatch<bool>(v_); }
const Decimal& Variant::decimal() const { return get_or_mismatch<Decimal>(v_); }
uint8_t Variant::byte() const { return get_or_mismatch<uint8_t>(v_); }
const Array& Variant::array() const { return *get_or_mismatch<std::unique_ptr<Array>>(v_); }
Array& Variant::array() { return *get_or_mismatch<std::unique_ptr<Array>>(v_); }

bool Variant::operator==(const Variant& o) const {
  if (v_.index() != o.v_.index()) return false;
  if (is_array()) return array() == o.array();
  return std::visit(
      [&](const auto& x) {
        using X = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<X, std::unique_ptr<Array>>)
          return false;
        else
          return x == std::get<X>(o.v_);
      },
      v_);
}

Array::Array(std::vector<Bound> bounds) : bounds_(std::move(bounds)) {
  size_t n = bounds_.empty() ? 0 : 1;
  for (const auto& b : bounds_) {
    if (b.count < 0) throw VbError(err::kSubscript);
    n *= static_cast<size_t>(b.count);
  }
  items_.resize(n);
}

Array Array::of(std::vector<Variant> items, int32_t lower) {
  Array a({Bound{lower, static_cast<int32_t>(items.size())}});
  a.items_ = std::move(items);
  return a;
}

size_t Array::offset(const std::vector<int32_t>& index) const {
  if (index.size() != bounds_.size()) throw VbError(err::kSubscript);
  size_t off = 0;
  for (size_t d = 0; d < bounds_.size(); ++d) {
    int64_t i = static_cast<int64_t>(index[d]) - bounds_[d].lower;
    if (i < 0 || i >= bounds_[d].count) throw VbError(err::kSubscript);
    off = off * bounds_[d].count + static_cast<size_t>(i);
  }
  return off;
}

Variant& Array::at(const std::vector<int32_t>& index) { return items_[offset(index)]; }
const Variant& Array::at(const std::vector<int32_t>& index) const { return items_[offset(index)]; }

}  // namespace orvane
