// Conversions between stored values and the variants fields hand out.
#include <algorithm>
#include <cmath>
#include <cstdio>
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

}  // namespace

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
