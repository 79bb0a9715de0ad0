// Conversions between stored values and the variants fields hand out.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>

#include "core/convert.h"
#include "platform/db/backend.h"

namespace orvane::db {
namespace {

Text number_text(const Variant& v) {
  char buf[40];
  switch (v.type()) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte:
      return from_utf8(std::to_string(CLng(v)));
    case VarType::Currency:
      return from_utf8(Decimal::from_currency(v.currency()).to_string());
    case VarType::Decimal:
      return from_utf8(v.decimal().to_string());
    default:
      std::snprintf(buf, sizeof buf, "%.15g", CDbl(v));
      return from_utf8(buf);
  }
}

Text pad(Text s, const SqlType& declared) {
  if ((declared.base == SqlBase::Char || declared.base == SqlBase::NChar) && declared.size > 0 &&
      static_cast<int32_t>(s.size()) < declared.size)
    s.append(static_cast<size_t>(declared.size) - s.size(), u' ');
  return s;
}

Decimal decimal_of(double d, int scale) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", std::clamp(scale, 0, 20), d);
  return Decimal::parse(buf);
}

// Text read as a number the way the engine writes them (point as separator), then
// the host's locale form.
std::optional<double> text_number(const Text& t) {
  std::string s = to_utf8(t);
  char* end = nullptr;
  double d = std::strtod(s.c_str(), &end);
  if (!s.empty() && end && *end == 0) return d;
  return parse_locale_number(t);
}

// "YYYY-MM-DD HH:MM:SS" and its shorter forms, the way dates are stored.
template <typename C>
bool fast_iso(const C* s, size_t n, Date& out) {
  auto dig = [&](size_t i) { return i < n && s[i] >= C('0') && s[i] <= C('9'); };
  auto num = [&](size_t i, size_t len) {
    int v = 0;
    for (size_t k = 0; k < len; ++k) v = v * 10 + (s[i + k] - C('0'));
    return v;
  };
  if (n < 10 || !dig(0) || !dig(3) || s[4] != C('-') || s[7] != C('-') || !dig(9)) return false;
  int y = num(0, 4), mo = num(5, 2), d = num(8, 2), h = 0, mi = 0, se = 0;
  if (n >= 16 && (s[10] == C(' ') || s[10] == C('T')) && s[13] == C(':')) {
    h = num(11, 2);
    mi = num(14, 2);
    if (n >= 19 && s[16] == C(':')) se = num(17, 2);
  } else if (n != 10) {
    return false;
  }
  try {
    out = Date::from_parts(y, mo, d, h, mi, se);
  } catch (const VbError&) {
    return false;
  }
  return true;
}

// Fields whose stored texts are handed out as they are (char(n) padded).
bool is_text_field(AdoType as) {
  switch (as) {
    case AdoType::Char:
    case AdoType::WChar:
    case AdoType::VarChar:
    case AdoType::VarWChar:
    case AdoType::LongVarChar:
    case AdoType::LongVarWChar:
    case AdoType::Guid:
    case AdoType::Variant:
      return true;
    default:
      return false;
  }
}

constexpr uint64_t kHighBits = 0x8080808080808080ull;

}  // namespace

bool valid_utf8(const char* text, size_t n) {
  auto p = reinterpret_cast<const unsigned char*>(text);
  auto cont = [&](size_t i) { return (p[i] & 0xC0) == 0x80; };
  size_t i = 0;
  while (i < n) {
    if (i + 8 <= n) {
      uint64_t w;
      std::memcpy(&w, p + i, 8);
      if (!(w & kHighBits)) {
        i += 8;
        continue;
      }
    }
    unsigned c = p[i];
    if (c < 0x80) {
      ++i;
    } else if (c >= 0xC2 && c <= 0xDF) {
      if (i + 1 >= n || !cont(i + 1)) return false;
      i += 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      if (i + 2 >= n || !cont(i + 1) || !cont(i + 2)) return false;
      unsigned c1 = p[i + 1];
      if (c == 0xE0 && c1 < 0xA0) return false;                       // overlong
      if (c == 0xED && c1 >= 0xA0) return false;                      // a surrogate
      if (c == 0xEF && c1 == 0xBF && p[i + 2] >= 0xBE) return false;  // U+FFFE, U+FFFF
      i += 3;
    } else if (c >= 0xF0 && c <= 0xF4) {
      if (i + 3 >= n || !cont(i + 1) || !cont(i + 2) || !cont(i + 3)) return false;
      unsigned c1 = p[i + 1];
      if ((c == 0xF0 && c1 < 0x90) || (c == 0xF4 && c1 >= 0x90)) return false;
      i += 4;
    } else {
      return false;
    }
  }
  return true;
}

Text utf8_text(const char* text, size_t n) {
  auto p = reinterpret_cast<const unsigned char*>(text);
  Text out(n, u'\0');
  char16_t* o = out.data();
  size_t i = 0;
  while (i < n) {
    if (i + 8 <= n) {
      uint64_t w;
      std::memcpy(&w, p + i, 8);
      if (!(w & kHighBits)) {
        for (int k = 0; k < 8; ++k) *o++ = p[i + k];
        i += 8;
        continue;
      }
    }
    unsigned c = p[i];
    uint32_t cp;
    if (c < 0x80) {
      cp = c;
      i += 1;
    } else if (c < 0xE0) {
      cp = ((c & 0x1Fu) << 6) | (p[i + 1] & 0x3Fu);
      i += 2;
    } else if (c < 0xF0) {
      cp = ((c & 0x0Fu) << 12) | ((p[i + 1] & 0x3Fu) << 6) | (p[i + 2] & 0x3Fu);
      i += 3;
    } else {
      cp = ((c & 0x07u) << 18) | ((p[i + 1] & 0x3Fu) << 12) | ((p[i + 2] & 0x3Fu) << 6) |
           (p[i + 3] & 0x3Fu);
      i += 4;
    }
    if (cp < 0x10000) {
      *o++ = static_cast<char16_t>(cp);
    } else {
      cp -= 0x10000;
      *o++ = static_cast<char16_t>(0xD800 + (cp >> 10));
      *o++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
  }
  out.resize(static_cast<size_t>(o - out.data()));
  return out;
}

Variant stored_value(const RawValue& v, AdoType as, const SqlType& declared) {
  switch (v.kind) {
    case RawValue::Kind::Null:
    case RawValue::Kind::None:
      return Variant::Null();
    case RawValue::Kind::Int: {
      int64_t x = v.i;
      bool fits = x >= INT32_MIN && x <= INT32_MAX;
      switch (as) {
        case AdoType::Integer:
          if (fits) return Variant(static_cast<int32_t>(x));
          break;
        case AdoType::Boolean:
          return Variant(x != 0);
        case AdoType::Currency:
          if (x > -922337203685477 && x < 922337203685477) return Variant(Currency::from_int(x));
          break;
        case AdoType::Variant:
          return fits ? Variant(static_cast<int32_t>(x)) : Variant(static_cast<double>(x));
        case AdoType::Numeric:
        case AdoType::BigInt:
          return Variant(Decimal(x, 0));
        default:
          break;
      }
      return typed_value(fits ? Variant(static_cast<int32_t>(x)) : Variant(static_cast<double>(x)),
                         as, declared);
    }
    case RawValue::Kind::Real: {
      double d = v.d;
      if (as == AdoType::Double || as == AdoType::Variant) return Variant(d);
      if (as == AdoType::Currency && std::fabs(d) < 9e10) {
        // Money is stored to four places: rounding the scaled value (half to even, the
        // default rounding mode) is exact there and avoids a decimal round trip.
        return Variant(Currency::from_raw(static_cast<int64_t>(std::nearbyint(d * 10000.0))));
      }
      return typed_value(Variant(d), as, declared);
    }
    case RawValue::Kind::Utf8: {
      auto p = static_cast<const char*>(v.data);
      Date d;
      if (as == AdoType::DBTimeStamp && fast_iso(p, v.size, d)) return d;
      if (is_text_field(as)) return pad(utf8_text(p, v.size), declared);
      return typed_value(Variant(utf8_text(p, v.size)), as, declared);
    }
    case RawValue::Kind::Utf16: {
      auto p = static_cast<const char16_t*>(v.data);
      size_t n = v.size / 2;
      Date d;
      if (as == AdoType::DBTimeStamp && fast_iso(p, n, d)) return d;
      if (is_text_field(as)) return pad(n ? Text(p, n) : Text(), declared);
      return typed_value(Variant(n ? Text(p, n) : Text()), as, declared);
    }
    case RawValue::Kind::Blob: {
      auto p = static_cast<const uint8_t*>(v.data);
      std::vector<Variant> bytes;
      bytes.reserve(v.size);
      for (size_t k = 0; k < v.size; ++k) bytes.emplace_back(p[k]);
      return Variant(Array::of(std::move(bytes)));
    }
  }
  return Variant::Null();
}

Variant typed_value(Variant raw, AdoType as, const SqlType& declared) {
  if (raw.is_null() || raw.is_empty()) return Variant::Null();
  try {
    if (raw.is_text()) {
      const Text& t = raw.text();
      switch (as) {
        case AdoType::DBTimeStamp:
        case AdoType::Date: {
          Date d;
          if (tsql::parse_date_literal(t, d)) return d;
          return raw;
        }
        case AdoType::Char:
        case AdoType::WChar:
        case AdoType::VarChar:
        case AdoType::VarWChar:
        case AdoType::LongVarChar:
        case AdoType::LongVarWChar:
        case AdoType::Guid:
        case AdoType::Variant:
          return pad(std::move(raw.text()), declared);
        default: {
          auto n = text_number(t);
          if (!n) return raw;
          return typed_value(Variant(*n), as, declared);
        }
      }
    }
    switch (as) {
      case AdoType::Boolean:
        return raw.type() == VarType::Boolean ? raw : Variant(CDbl(raw) != 0);
      case AdoType::SmallInt:
        return Variant(CInt(raw));
      case AdoType::Integer:
        return Variant(CLng(raw));
      case AdoType::TinyInt:
        return Variant(CByte(raw));
      case AdoType::Currency:
        return Variant(CCur(raw));
      case AdoType::Double:
        return Variant(CDbl(raw));
      case AdoType::Single:
        return Variant(CSng(raw));
      case AdoType::Numeric:
      case AdoType::BigInt:
        if (raw.type() == VarType::Decimal) return raw;
        return Variant(decimal_of(CDbl(raw), as == AdoType::BigInt ? 0 : declared.scale));
      case AdoType::DBTimeStamp:
      case AdoType::Date:
        return raw.type() == VarType::Date ? raw : Variant(Date(CDbl(raw)));
      case AdoType::Variant:
        return raw;
      default:
        if (raw.type() == VarType::Date) return from_utf8(tsql::iso_date(raw.date()));
        if (raw.type() == VarType::Boolean) return Text(raw.boolean() ? u"1" : u"0");
        if (raw.is_numeric_type()) return pad(number_text(raw), declared);
        return raw;
    }
  } catch (const VbError&) {
    return raw;  // out of the type's range: hand out what is stored
  }
}

Variant storable(const Variant& v, const SqlType& target) {
  switch (v.type()) {
    case VarType::Empty:
    case VarType::Null:
      return Variant::Null();
    case VarType::Boolean:
      return Variant(int32_t{v.boolean() ? 1 : 0});
    case VarType::Date:
      if (target.is_numeric()) return Variant(v.date().oa());
      return from_utf8(tsql::iso_date(v.date()));
    case VarType::String: {
      if (target.is_date()) {
        Date d;
        if (tsql::parse_date_literal(v.text(), d)) return from_utf8(tsql::iso_date(d));
        if (auto p = parse_locale_date(v.text())) return from_utf8(tsql::iso_date(*p));
        return v;
      }
      if (target.is_numeric()) {
        if (auto n = text_number(v.text())) {
          if (target.base == SqlBase::Bit) return Variant(int32_t{*n != 0 ? 1 : 0});
          return Variant(*n);
        }
      }
      return v;
    }
    case VarType::Currency:
    case VarType::Decimal:
    case VarType::Single:
    case VarType::Double:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte: {
      if (target.is_date()) return from_utf8(tsql::iso_date(Date(CDbl(v))));
      if (target.base == SqlBase::Bit) return Variant(int32_t{CDbl(v) != 0 ? 1 : 0});
      if (target.is_text()) return typed_value(v, AdoType::VarWChar, SqlType{});
      if (v.type() == VarType::Integer || v.type() == VarType::Byte) return Variant(CLng(v));
      if (v.type() == VarType::Currency || v.type() == VarType::Decimal ||
          v.type() == VarType::Single)
        return Variant(CDbl(v));
      return v;
    }
    default:
      throw VbError(err::kTypeMismatch, u"a value of this type cannot be stored in a field");
  }
}

}  // namespace orvane::db
