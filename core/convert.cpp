#include "core/convert.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "core/error.h"
#include "core/object.h"

namespace orvane {
namespace {

bool is_space(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

TextView trim_ws(TextView s) {
  while (!s.empty() && is_space(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_space(s.back())) s.remove_suffix(1);
  return s;
}

[[noreturn]] void mismatch() { throw VbError(err::kTypeMismatch); }
[[noreturn]] void null_use() { throw VbError(err::kInvalidUseOfNull); }

using Digits = DecimalDigits;

Digits to_digits(double d, int significant) { return decimal_digits(d, significant); }

Text digits_to_text(const Digits& g) {
  std::string out;
  if (g.negative) out.push_back('-');
  const std::string& d = g.digits;
  int exp = g.point - 1;
  if (d == "0") return u"0";
  if (exp >= 15 || exp < -4) {
    out.push_back(d[0]);
    if (d.size() > 1) {
      out.push_back(',');
      out.append(d.substr(1));
    }
    char eb[16];
    std::snprintf(eb, sizeof eb, "E%c%02d", exp < 0 ? '-' : '+', std::abs(exp));
    out.append(eb);
    return from_utf8(out);
  }
  if (g.point <= 0) {
    out.append("0,");
    out.append(static_cast<size_t>(-g.point), '0');
    out.append(d);
  } else if (g.point >= static_cast<int>(d.size())) {
    out.append(d);
    out.append(static_cast<size_t>(g.point - d.size()), '0');
  } else {
    out.append(d.substr(0, g.point));
    out.push_back(',');
    out.append(d.substr(g.point));
  }
  return from_utf8(out);
}

int two_digit_year(int y) { return y < 30 ? 2000 + y : 1900 + y; }

bool read_int(TextView s, size_t& i, int& v, int max_digits = 4) {
  size_t start = i;
  v = 0;
  while (i < s.size() && s[i] >= u'0' && s[i] <= u'9' &&
         i - start < static_cast<size_t>(max_digits)) {
    v = v * 10 + (s[i] - u'0');
    ++i;
  }
  return i > start;
}

std::optional<double> parse_time(TextView s, size_t& i) {
  int h, m = 0, sec = 0;
  if (!read_int(s, i, h, 2)) return std::nullopt;
  if (i >= s.size() || s[i] != u':') return std::nullopt;
  ++i;
  if (!read_int(s, i, m, 2)) return std::nullopt;
  if (i < s.size() && s[i] == u':') {
    ++i;
    if (!read_int(s, i, sec, 2)) return std::nullopt;
    if (i < s.size() && (s[i] == u'.' || s[i] == u',')) {  // fractional seconds: ignored
      ++i;
      int frac;
      read_int(s, i, frac, 9);
    }
  }
  while (i < s.size() && s[i] == u' ') ++i;
  if (i < s.size()) {
    Text rest = vb::UCase(s.substr(i));
    if (rest == u"PM" && h < 12)
      h += 12, i = s.size();
    else if (rest == u"AM" && h == 12)
      h = 0, i = s.size();
    else if (rest == u"AM" || rest == u"PM")
      i = s.size();
  }
  if (h > 23 || m > 59 || sec > 59) return std::nullopt;
  return (h * 3600 + m * 60 + sec) / 86400.0;
}

int64_t checked_round_even(double d, double lo, double hi) {
  if (std::isnan(d)) throw VbError(err::kOverflow);
  double r = std::nearbyint(d);
  if (r < lo || r > hi) throw VbError(err::kOverflow);
  return static_cast<int64_t>(r);
}

}  // namespace

std::optional<double> parse_locale_number(TextView in) {
  TextView s = trim_ws(in);
  if (s.empty()) return std::nullopt;
  bool negative = false;
  size_t i = 0;
  auto skip_spaces = [&] {
    while (i < s.size() && s[i] == u' ') ++i;
  };
  auto read_sign = [&] {
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) {
      negative = s[i] == u'-';
      ++i;
      skip_spaces();
      return true;
    }
    return false;
  };
  bool had_sign = read_sign();
  if (s.substr(i).starts_with(u"R$")) {
    i += 2;
    skip_spaces();
    if (!had_sign) read_sign();
  }
  std::string num;
  bool digits = false, decimal = false;
  for (; i < s.size(); ++i) {
    char16_t c = s[i];
    if (c >= u'0' && c <= u'9') {
      num.push_back(static_cast<char>(c));
      digits = true;
    } else if (c == u'.' && !decimal) {
      continue;  // thousands separator
    } else if (c == u',' && !decimal) {
      decimal = true;
      num.push_back('.');
    } else {
      break;
    }
  }
  if (!digits) return std::nullopt;
  if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
    size_t j = i + 1;
    std::string ex = "e";
    if (j < s.size() && (s[j] == u'+' || s[j] == u'-')) ex.push_back(static_cast<char>(s[j++]));
    size_t start = j;
    while (j < s.size() && s[j] >= u'0' && s[j] <= u'9') ex.push_back(static_cast<char>(s[j++]));
    if (j == start) return std::nullopt;
    num += ex;
    i = j;
  }
  skip_spaces();
  if (i < s.size() && !had_sign && (s[i] == u'-' || s[i] == u'+')) {  // trailing sign
    negative = s[i] == u'-';
    ++i;
    skip_spaces();
  }
  if (i != s.size()) return std::nullopt;
  double v = std::strtod(num.c_str(), nullptr);
  if (std::isinf(v)) return std::nullopt;
  return negative ? -v : v;
}

std::optional<Date> parse_locale_date(TextView in) {
  TextView s = trim_ws(in);
  if (s.empty()) return std::nullopt;
  size_t i = 0;
  int a, b, c;
  if (!read_int(s, i, a, 4)) return std::nullopt;
  if (i < s.size() && s[i] == u':') {  // time only
    i = 0;
    auto t = parse_time(s, i);
    if (!t || i != s.size()) return std::nullopt;
    return Date(*t);
  }
  if (i >= s.size()) return std::nullopt;
  char16_t sep = s[i];
  if (sep != u'/' && sep != u'-' && sep != u'.') return std::nullopt;
  ++i;
  if (!read_int(s, i, b, 2)) return std::nullopt;
  int y, m, d;
  if (i < s.size() && s[i] == sep) {
    ++i;
    size_t before = i;
    if (!read_int(s, i, c, 4)) return std::nullopt;
    if (a > 31) {  // yyyy-mm-dd
      y = a, m = b, d = c;
    } else {
      d = a, m = b, y = (i - before <= 2) ? two_digit_year(c) : c;
    }
  } else {
    return std::nullopt;  // day and month without a year
  }
  double t = 0;
  if (i < s.size()) {
    if (s[i] != u' ' && s[i] != u'T') return std::nullopt;
    while (i < s.size() && (s[i] == u' ' || s[i] == u'T')) ++i;
    auto tt = parse_time(s, i);
    if (!tt) return std::nullopt;
    t = *tt;
    if (i != s.size()) return std::nullopt;
  }
  if (m < 1 || m > 12 || d < 1 || y < 100 || y > 9999 || d > DaysInMonth(y, m)) return std::nullopt;
  Date day = Date::from_parts(y, m, d);
  double oa = day.oa();
  return Date(oa >= 0 ? oa + t : oa - t);
}

Text double_to_text(double d, int significant) {
  if (std::isnan(d)) return u"NaN";
  if (std::isinf(d)) return d > 0 ? u"1,#INF" : u"-1,#INF";
  return digits_to_text(to_digits(d, significant));
}

Text currency_to_text(Currency c) {
  int64_t raw = c.raw();
  bool neg = raw < 0;
  uint64_t u = neg ? static_cast<uint64_t>(-(raw + 1)) + 1 : static_cast<uint64_t>(raw);
  std::string s = std::to_string(u / 10000);
  uint64_t frac = u % 10000;
  if (frac) {
    char fb[8];
    std::snprintf(fb, sizeof fb, "%04llu", static_cast<unsigned long long>(frac));
    std::string f = fb;
    while (!f.empty() && f.back() == '0') f.pop_back();
    s += "," + f;
  }
  return from_utf8((neg ? "-" : "") + s);
}

Text decimal_to_text(const Decimal& d) {
  std::string s = d.to_string();
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  for (char& ch : s)
    if (ch == '.') ch = ',';
  return from_utf8(s);
}

Text date_to_text(Date d) {
  auto p = d.parts();
  char buf[40];
  bool has_time = p.hour || p.minute || p.second;
  bool has_date = std::trunc(d.oa()) != 0;
  if (has_date && has_time)
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d %02d:%02d:%02d", p.day, p.month, p.year, p.hour,
                  p.minute, p.second);
  else if (has_time)
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", p.hour, p.minute, p.second);
  else
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", p.day, p.month, p.year);
  return from_utf8(buf);
}

Text CStr(const Variant& v) {
  switch (v.type()) {
    case VarType::Empty:
      return Text();
    case VarType::Null:
      null_use();
    case VarType::Integer:
      return from_utf8(std::to_string(v.integer()));
    case VarType::Long:
      return from_utf8(std::to_string(v.lng()));
    case VarType::Byte:
      return from_utf8(std::to_string(v.byte()));
    case VarType::Single:
      return double_to_text(v.single(), 7);
    case VarType::Double:
      return double_to_text(v.dbl());
    case VarType::Currency:
      return currency_to_text(v.currency());
    case VarType::Decimal:
      return decimal_to_text(v.decimal());
    case VarType::Date:
      return date_to_text(v.date());
    case VarType::String:
      return v.text();
    case VarType::Boolean:
      return v.boolean() ? u"True" : u"False";
    case VarType::Error: {
      int32_t sc = v.error().scode;
      int32_t n = sc == kParamNotFound ? err::kNamedArgNotFound : (sc & 0xFFFF);
      return u"Error " + from_utf8(std::to_string(n));
    }
    default:
      mismatch();
  }
}

double CDbl(const Variant& v) {
  switch (v.type()) {
    case VarType::Empty:
      return 0;
    case VarType::Null:
      null_use();
    case VarType::Integer:
      return v.integer();
    case VarType::Long:
      return v.lng();
    case VarType::Byte:
      return v.byte();
    case VarType::Single:
      return v.single();
    case VarType::Double:
      return v.dbl();
    case VarType::Currency:
      return v.currency().to_double();
    case VarType::Decimal:
      return v.decimal().to_double();
    case VarType::Date:
      return v.date().oa();
    case VarType::Boolean:
      return v.boolean() ? -1 : 0;
    case VarType::String: {
      auto n = parse_locale_number(v.text());
      if (n) return *n;
      Text t = vb::UCase(trim_ws(v.text()));
      if (t == u"TRUE" || t == u"VERDADEIRO") return -1;
      if (t == u"FALSE" || t == u"FALSO") return 0;
      mismatch();
    }
    default:
      mismatch();
  }
}

float CSng(const Variant& v) {
  double d = CDbl(v);
  if (std::isfinite(d) && std::abs(d) > std::numeric_limits<float>::max())
    throw VbError(err::kOverflow);
  return static_cast<float>(d);
}

int32_t CLng(const Variant& v) {
  if (v.type() == VarType::Long) return v.lng();
  if (v.type() == VarType::Currency) {
    // Exact on the scaled integer: half to even.
    int64_t raw = v.currency().raw();
    int64_t q = raw / 10000, r = raw % 10000;
    if (r > 5000 || (r == 5000 && (q & 1)))
      ++q;
    else if (r < -5000 || (r == -5000 && (q & 1)))
      --q;
    if (q < INT32_MIN || q > INT32_MAX) throw VbError(err::kOverflow);
    return static_cast<int32_t>(q);
  }
  return static_cast<int32_t>(checked_round_even(CDbl(v), INT32_MIN, INT32_MAX));
}

int16_t CInt(const Variant& v) {
  if (v.type() == VarType::Integer) return v.integer();
  int32_t l = CLng(v);
  if (l < INT16_MIN || l > INT16_MAX) throw VbError(err::kOverflow);
  return static_cast<int16_t>(l);
}

uint8_t CByte(const Variant& v) {
  int32_t l = CLng(v);
  if (l < 0 || l > 255) throw VbError(err::kOverflow);
  return static_cast<uint8_t>(l);
}

Currency CCur(const Variant& v) {
  switch (v.type()) {
    case VarType::Currency:
      return v.currency();
    case VarType::Integer:
      return Currency::from_int(v.integer());
    case VarType::Long:
      return Currency::from_int(v.lng());
    case VarType::Byte:
      return Currency::from_int(v.byte());
    case VarType::Decimal: {
      const Decimal& d = v.decimal();
      Int128 m = d.mantissa();
      int s = d.scale();
      while (s < 4) m *= 10, ++s;
      while (s > 4) {
        Int128 q = m / 10, r = m % 10;
        m = q;
        --s;
        if (s == 4) {  // half to even at the last digit dropped
          if (r > 5 || r < -5 || ((r == 5 || r == -5) && (q & 1))) m += r > 0 ? 1 : -1;
        }
      }
      if (m > INT64_MAX || m < INT64_MIN) throw VbError(err::kOverflow);
      return Currency::from_raw(static_cast<int64_t>(m));
    }
    case VarType::String: {
      auto n = parse_locale_number(v.text());
      if (!n) mismatch();
      return Currency::from_double(*n);
    }
    default:
      return Currency::from_double(CDbl(v));
  }
}

Decimal CDec(const Variant& v) {
  switch (v.type()) {
    case VarType::Decimal:
      return v.decimal();
    case VarType::Currency:
      return Decimal::from_currency(v.currency());
    case VarType::Integer:
      return Decimal(v.integer(), 0);
    case VarType::Long:
      return Decimal(v.lng(), 0);
    case VarType::Byte:
      return Decimal(v.byte(), 0);
    default:
      return Decimal::from_double(CDbl(v));
  }
}

Date CDate(const Variant& v) {
  switch (v.type()) {
    case VarType::Date:
      return v.date();
    case VarType::Null:
      null_use();
    case VarType::String: {
      if (auto d = parse_locale_date(v.text())) return *d;
      if (auto n = parse_locale_number(v.text())) return Date(*n);
      mismatch();
    }
    case VarType::Empty:
      return Date(0);
    default: {
      double d = CDbl(v);
      if (d < -657434.0 || d >= 2958466.0) throw VbError(err::kOverflow);
      return Date(d);
    }
  }
}

bool CBool(const Variant& v) {
  switch (v.type()) {
    case VarType::Boolean:
      return v.boolean();
    case VarType::Null:
      null_use();
    case VarType::String: {
      Text t = vb::UCase(trim_ws(v.text()));
      if (t == u"TRUE" || t == u"VERDADEIRO") return true;
      if (t == u"FALSE" || t == u"FALSO") return false;
      auto n = parse_locale_number(v.text());
      if (!n) mismatch();
      return *n != 0;
    }
    default:
      return CDbl(v) != 0;
  }
}

Variant convert_to(const Variant& v, VarType type) {
  if (type == VarType::Variant || v.type() == type) return v;
  switch (type) {
    case VarType::Integer:
      return CInt(v);
    case VarType::Long:
      return CLng(v);
    case VarType::Single:
      return CSng(v);
    case VarType::Double:
      return CDbl(v);
    case VarType::Currency:
      return CCur(v);
    case VarType::Decimal:
      return CDec(v);
    case VarType::Date:
      return CDate(v);
    case VarType::String:
      return CStr(v);
    case VarType::Boolean:
      return CBool(v);
    case VarType::Byte:
      return CByte(v);
    case VarType::Object:
      if (v.is_empty()) return Variant(ObjectPtr());
      mismatch();
    case VarType::Array:
      mismatch();
    case VarType::Error:
      mismatch();
    case VarType::Empty:
      return Variant();
    case VarType::Null:
      return Variant::Null();
    default:
      mismatch();
  }
}

double Val(TextView s) {
  std::string num;
  size_t i = 0;
  auto skip = [&] {
    while (i < s.size() && (s[i] == u' ' || s[i] == u'\t' || s[i] == u'\n' || s[i] == u'\r')) ++i;
  };
  skip();
  if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) num.push_back(static_cast<char>(s[i++]));
  bool point = false;
  for (; i < s.size(); ++i) {
    char16_t c = s[i];
    if (c == u' ' || c == u'\t') continue;  // Val ignores blanks within the number
    if (c >= u'0' && c <= u'9')
      num.push_back(static_cast<char>(c));
    else if (c == u'.' && !point)
      point = true, num.push_back('.');
    else
      break;
  }
  if (i < s.size() && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
    std::string ex = "e";
    size_t j = i + 1;
    if (j < s.size() && (s[j] == u'-' || s[j] == u'+')) ex.push_back(static_cast<char>(s[j++]));
    size_t st = j;
    while (j < s.size() && s[j] >= u'0' && s[j] <= u'9') ex.push_back(static_cast<char>(s[j++]));
    if (j > st) num += ex;
  }
  if (num.empty() || num == "-" || num == "+") return 0;
  return std::strtod(num.c_str(), nullptr);
}

bool IsNumeric(const Variant& v) {
  switch (v.type()) {
    case VarType::Empty:
      return true;
    case VarType::Boolean:
      return true;
    case VarType::String:
      return parse_locale_number(v.text()).has_value();
    default:
      return v.is_numeric_type();
  }
}

bool IsDate(const Variant& v) {
  if (v.type() == VarType::Date) return true;
  if (v.type() == VarType::String) return parse_locale_date(v.text()).has_value();
  return false;
}

double Round(double x, int digits) {
  if (digits < 0) throw VbError(err::kInvalidCall);
  if (!std::isfinite(x)) return x;
  Digits g = to_digits(x, 15);
  int keep = g.point + digits;  // how many of the digits stay
  if (keep >= static_cast<int>(g.digits.size())) return x;
  if (keep < 0) return 0;
  std::string kept = g.digits.substr(0, keep);
  std::string rest = g.digits.substr(keep);
  bool up;
  if (rest[0] != '5')
    up = rest[0] > '5';
  else if (rest.find_first_not_of('0', 1) != std::string::npos)
    up = true;
  else
    up = !kept.empty() && ((kept.back() - '0') & 1);
  if (kept.empty()) kept = "0";
  if (up) {
    int i = static_cast<int>(kept.size()) - 1;
    while (i >= 0 && kept[i] == '9') kept[i--] = '0';
    if (i < 0)
      kept.insert(kept.begin(), '1');
    else
      ++kept[i];
  }
  std::string num = kept + "e" + std::to_string(-digits);
  double r = std::strtod(num.c_str(), nullptr);
  return g.negative ? -r : r;
}

double Fix(double x) { return std::trunc(x); }
double Int(double x) { return std::floor(x); }

namespace {

int rank(VarType t) {
  switch (t) {
    case VarType::Byte:
      return 1;
    case VarType::Integer:
      return 2;
    case VarType::Long:
      return 3;
    case VarType::Single:
      return 4;
    case VarType::Double:
      return 5;
    case VarType::Currency:
      return 6;
    case VarType::Decimal:
      return 7;
    default:
      return 5;
  }
}

Variant numeric(const Variant& v) {
  if (v.is_empty()) return Variant(int16_t{0});
  if (v.type() == VarType::Boolean) return Variant(int16_t(v.boolean() ? -1 : 0));
  if (v.is_text()) return Variant(CDbl(v));
  if (v.type() == VarType::Date) return Variant(v.date().oa());
  return v;
}

template <class Op, class CurOp>
Variant arith(const Variant& a0, const Variant& b0, Op op, CurOp cur_op, bool keep_date) {
  if (a0.is_null() || b0.is_null()) return Variant::Null();
  bool date_result = keep_date && (a0.type() == VarType::Date || b0.type() == VarType::Date);
  Variant a = numeric(a0), b = numeric(b0);
  int r = std::max(rank(a.type()), rank(b.type()));
  if (date_result) return Variant(Date(op(CDbl(a), CDbl(b))));
  if (r == 6 || r == 7) {
    if (auto c = cur_op(CCur(a), CCur(b))) return *c;
  }
  double d = op(CDbl(a), CDbl(b));
  if (r <= 3 && std::trunc(d) == d) {
    if (r <= 2 && d >= INT16_MIN && d <= INT16_MAX) return Variant(static_cast<int16_t>(d));
    if (d >= INT32_MIN && d <= INT32_MAX) return Variant(static_cast<int32_t>(d));
  }
  return Variant(d);
}

}  // namespace

Variant add(const Variant& a, const Variant& b) {
  if (a.is_text() && b.is_text()) return Variant(a.text() + b.text());
  return arith(
      a, b, [](double x, double y) { return x + y; },
      [](Currency x, Currency y) -> std::optional<Variant> { return Variant(x + y); }, true);
}

Variant subtract(const Variant& a, const Variant& b) {
  return arith(
      a, b, [](double x, double y) { return x - y; },
      [](Currency x, Currency y) -> std::optional<Variant> { return Variant(x - y); },
      a.type() == VarType::Date && b.type() != VarType::Date);
}

Variant multiply(const Variant& a, const Variant& b) {
  return arith(
      a, b, [](double x, double y) { return x * y; },
      [](Currency x, Currency y) -> std::optional<Variant> {
        return Variant(Currency::from_double(x.to_double() * y.to_double()));
      },
      false);
}

Variant divide(const Variant& a, const Variant& b) {
  if (a.is_null() || b.is_null()) return Variant::Null();
  double y = CDbl(numeric(b));
  if (y == 0) throw VbError(err::kDivisionByZero);
  double x = CDbl(numeric(a));
  if (a.type() == VarType::Currency || b.type() == VarType::Currency)
    return Variant(Currency::from_double(x / y));
  return Variant(x / y);
}

int compare(const Variant& a, const Variant& b) {
  if (a.is_null() || b.is_null()) null_use();
  if (a.is_text() && b.is_text()) {
    int c = a.text().compare(b.text());
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
  }
  if (a.is_text() != b.is_text()) {
    // A text that holds a number compares as that number.
    const Variant& t = a.is_text() ? a : b;
    if (!IsNumeric(t)) return a.is_text() ? 1 : -1;
  }
  double x = CDbl(a), y = CDbl(b);
  return x < y ? -1 : (x > y ? 1 : 0);
}

}  // namespace orvane
