// C++ face of the Orvane component, header-only over the C interface (orvane.h), so a
// C++ host links only liborvane.so.
//
//   orvane::FuncoesOrvane f;                      // the typed classes: orvane/classes.hpp
//   orvane::Value amount("-1234,56");
//   std::string words = f.extenso(amount).str();  // amount now holds "1234,56"
//
// Value owns one variant (text, numbers, dates, objects, arrays). Object owns one
// reference to a component object and calls its members by name. A member that raises
// throws orvane::Error (number and description).
#ifndef ORVANE_ORVANE_HPP
#define ORVANE_ORVANE_HPP

#include <cstring>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "orvane/orvane.h"

namespace orvane {

class Error : public std::runtime_error {
 public:
  Error(int32_t number, const std::string& description)
      : std::runtime_error(std::to_string(number) + ": " + description),
        number_(number),
        description_(description) {}
  int32_t number() const { return number_; }
  const std::string& description() const { return description_; }

 private:
  int32_t number_;
  std::string description_;
};

class Object;

class Value {
 public:
  Value() { std::memset(&v_, 0, sizeof v_); }
  Value(const char* text) : Value(std::string(text)) {}
  Value(const std::string& text) : Value() {
    text_ = text;
    v_.type = ORVANE_STRING;
    v_.utf8 = text_.c_str();
  }
  Value(bool b) : Value() {
    v_.type = ORVANE_BOOLEAN;
    v_.v.boolean = b;
  }
  Value(int i) : Value() {
    v_.type = ORVANE_LONG;
    v_.v.i4 = i;
  }
  Value(int16_t i) : Value() {
    v_.type = ORVANE_INTEGER;
    v_.v.i2 = i;
  }
  Value(double d) : Value() {
    v_.type = ORVANE_DOUBLE;
    v_.v.r8 = d;
  }
  inline Value(const Object& o);
  static Value null() {
    Value v;
    v.v_.type = ORVANE_NULL;
    return v;
  }
  static Value missing() {
    Value v;
    v.v_ = orvane_missing();
    return v;
  }
  static Value currency(int64_t ten_thousandths) {
    Value v;
    v.v_.type = ORVANE_CURRENCY;
    v.v_.v.cy = ten_thousandths;
    return v;
  }
  static Value date(double ole_date) {
    Value v;
    v.v_.type = ORVANE_DATE;
    v.v_.v.date = ole_date;
    return v;
  }

  Value(const Value& o) : Value() { copy_from(o); }
  Value& operator=(const Value& o) {
    if (this != &o) {
      orvane_variant_clear(&v_);
      copy_from(o);
    }
    return *this;
  }
  Value(Value&& o) noexcept : v_(o.v_), text_(std::move(o.text_)) {
    if (v_.type == ORVANE_STRING && !v_.owned) v_.utf8 = text_.c_str();
    std::memset(&o.v_, 0, sizeof o.v_);
  }
  Value& operator=(Value&& o) noexcept {
    if (this != &o) {
      orvane_variant_clear(&v_);
      v_ = o.v_;
      text_ = std::move(o.text_);
      if (v_.type == ORVANE_STRING && !v_.owned) v_.utf8 = text_.c_str();
      std::memset(&o.v_, 0, sizeof o.v_);
    }
    return *this;
  }
  ~Value() { orvane_variant_clear(&v_); }

  int type() const { return v_.type; }
  bool is_null() const { return v_.type == ORVANE_NULL; }
  bool is_empty() const { return v_.type == ORVANE_EMPTY; }
  bool is_missing() const {
    return v_.type == ORVANE_ERROR && v_.v.scode == ORVANE_PARAM_NOT_FOUND;
  }
  // The text of a String or Decimal ("" for other types).
  std::string str() const {
    return (v_.type == ORVANE_STRING || v_.type == ORVANE_DECIMAL) && v_.utf8 ? v_.utf8 : "";
  }
  bool boolean() const { return v_.type == ORVANE_BOOLEAN && v_.v.boolean; }
  // Numbers of any numeric type as a double (Currency scaled back).
  double number() const {
    switch (v_.type) {
      case ORVANE_INTEGER:
        return v_.v.i2;
      case ORVANE_LONG:
        return v_.v.i4;
      case ORVANE_SINGLE:
        return v_.v.r4;
      case ORVANE_DOUBLE:
        return v_.v.r8;
      case ORVANE_CURRENCY:
        return static_cast<double>(v_.v.cy) / 10000;
      case ORVANE_DATE:
        return v_.v.date;
      case ORVANE_BYTE:
        return v_.v.byte;
      case ORVANE_BOOLEAN:
        return v_.v.boolean ? -1 : 0;
      default:
        return 0;
    }
  }
  inline Object object() const;

  orvane_variant* raw() { return &v_; }
  const orvane_variant* raw() const { return &v_; }

 private:
  void copy_from(const Value& o) {
    std::memset(&v_, 0, sizeof v_);
    v_.type = o.v_.type;
    v_.v = o.v_.v;
    if (o.v_.type == ORVANE_STRING || o.v_.type == ORVANE_DECIMAL) {
      text_ = o.str();
      v_.utf8 = text_.c_str();
    } else if (o.v_.type == ORVANE_OBJECT && o.v_.v.object) {
      orvane_addref(o.v_.v.object);
      v_.owned = 1;  // the reference is ours to release
    } else if (o.v_.type == ORVANE_ARRAY) {
      throw Error(5, "arrays are not copied by this wrapper");
    }
  }
  orvane_variant v_;
  std::string text_;  // the text of a host-built String
};

class Object {
 public:
  Object() = default;
  explicit Object(const char* name_or_prog_id) {
    orvane_error err;
    if (orvane_create(name_or_prog_id, &p_, &err) != ORVANE_OK)
      throw Error(err.number, err.description);
  }
  // Adopts one reference.
  static Object adopt(orvane_object* p) {
    Object o;
    o.p_ = p;
    return o;
  }
  Object(const Object& o) : p_(o.p_) { orvane_addref(p_); }
  Object& operator=(const Object& o) {
    if (this != &o) {
      orvane_release(p_);
      p_ = o.p_;
      orvane_addref(p_);
    }
    return *this;
  }
  Object(Object&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  Object& operator=(Object&& o) noexcept {
    if (this != &o) {
      orvane_release(p_);
      p_ = std::exchange(o.p_, nullptr);
    }
    return *this;
  }
  ~Object() { orvane_release(p_); }

  explicit operator bool() const { return p_ != nullptr; }
  std::string type_name() const { return orvane_type_name(p_); }
  orvane_object* handle() const { return p_; }

  // Calls a member; arguments are written back in place (by-reference parameters).
  Value invoke(const char* member, int kind, std::vector<Value*> args) const {
    std::vector<orvane_variant> raw;
    raw.reserve(args.size());
    for (Value* a : args) raw.push_back(*a->raw());
    Value result;
    orvane_error err;
    int st = orvane_invoke(p_, member, kind, raw.data(), raw.size(), nullptr, result.raw(), &err);
    for (size_t i = 0; i < args.size(); ++i) {
      if (raw[i].owned && std::memcmp(&raw[i], args[i]->raw(), sizeof raw[i]) != 0) {
        // Written back: the argument now owns the library's copy.
        orvane_variant_clear(args[i]->raw());
        *args[i]->raw() = raw[i];
      }
    }
    if (st != ORVANE_OK) throw Error(err.number, err.description);
    return result;
  }
  Value call(const char* member, std::initializer_list<Value> args = {}) const {
    std::vector<Value> copies(args);
    std::vector<Value*> ptrs;
    for (auto& c : copies) ptrs.push_back(&c);
    return invoke(member, ORVANE_METHOD, ptrs);
  }
  Value get(const char* property) const { return invoke(property, ORVANE_PROPERTY_GET, {}); }
  void let(const char* property, Value value) const {
    invoke(property, ORVANE_PROPERTY_LET, {&value});
  }

 private:
  orvane_object* p_ = nullptr;
};

inline Value::Value(const Object& o) : Value() {
  v_.type = ORVANE_OBJECT;
  v_.v.object = o.handle();
}

inline Object Value::object() const {
  if (v_.type != ORVANE_OBJECT || !v_.v.object) return Object();
  orvane_addref(v_.v.object);
  return Object::adopt(v_.v.object);
}

}  // namespace orvane

#endif  // ORVANE_ORVANE_HPP
