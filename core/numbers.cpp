#include "core/numbers.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "core/error.h"

namespace orvane {
namespace {

int64_t floor_div(int64_t a, int64_t b) {
  int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// Days from 1899-12-30 to y-m-d (proleptic Gregorian), by the civil-days algorithm.
int64_t days_from_civil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = floor_div(y, 400);
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const int64_t unix_days = era * 146097 + static_cast<int64_t>(doe) - 719468;
  return unix_days + 25569;  // 1970-01-01 is OLE day 25569
}

void civil_from_days(int64_t oa_days, int& y, int& m, int& d) {
  int64_t z = oa_days - 25569 + 719468;
  const int64_t era = floor_div(z, 146097);
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t yy = static_cast<int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yy + (m <= 2));
}

bool is_leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// OLE dates encode days before 1899-12-30 as negative whole parts with a positive
// fraction: -1.25 is 1899-12-29 06:00.
Date from_serial(int64_t days, double time) {
  if (days >= 0) return Date(static_cast<double>(days) + time);
  return Date(static_cast<double>(days) - time);
}

Int128 pow10_128(int n) {
  Int128 r = 1;
  for (int i = 0; i < n; ++i) r *= 10;
  return r;
}

}  // namespace

DecimalDigits decimal_digits(double v, int significant) {
  DecimalDigits r;
  r.negative = std::signbit(v) && v != 0;
  if (v == 0 || !std::isfinite(v)) {
    r.digits = "0";
    return r;
  }
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::abs(v));
  std::string s = buf;
  size_t e = s.find('e');
  for (size_t i = 0; i < e; ++i)
    if (s[i] != '.') r.digits.push_back(s[i]);
  while (r.digits.size() > 1 && r.digits.back() == '0') r.digits.pop_back();
  r.point = std::stoi(s.substr(e + 1)) + 1;
  return r;
}

Currency Currency::from_double(double v) {
  if (std::isnan(v)) throw VbError(err::kOverflow);
  double scaled = v * kScale;
  if (!(scaled >= -9.2233720368547758e18 && scaled < 9.2233720368547758e18))
    throw VbError(err::kOverflow);
  if (std::abs(scaled) >= 1e15) return from_raw(static_cast<int64_t>(std::nearbyint(scaled)));
  // Half to even on the value's 15-digit decimal text, so 0.00015 is a tie and not
  // 1.4999... ten-thousandths.
  DecimalDigits g = decimal_digits(v);
  const std::string& digits = g.digits;
  int point = g.point + 4;  // digits before the point of v*10^4
  Int128 kept = 0;
  for (int i = 0; i < point && i < static_cast<int>(digits.size()); ++i)
    kept = kept * 10 + (digits[i] - '0');
  for (int i = static_cast<int>(digits.size()); i < point; ++i) kept *= 10;
  if (point >= 0 && point < static_cast<int>(digits.size())) {
    std::string rest = digits.substr(point);
    bool up;
    if (rest[0] != '5')
      up = rest[0] > '5';
    else if (rest.find_first_not_of('0', 1) != std::string::npos)
      up = true;
    else
      up = kept & 1;
    if (up) ++kept;
  }
  int64_t r = static_cast<int64_t>(kept);
  return from_raw(v < 0 ? -r : r);
}

Currency Currency::operator+(Currency o) const {
  int64_t r;
  if (__builtin_add_overflow(raw_, o.raw_, &r)) throw VbError(err::kOverflow);
  return from_raw(r);
}

Currency Currency::operator-(Currency o) const {
  int64_t r;
  if (__builtin_sub_overflow(raw_, o.raw_, &r)) throw VbError(err::kOverflow);
  return from_raw(r);
}

Decimal::Decimal(Int128 mantissa, int scale) : mantissa_(mantissa), scale_(scale) {
  if (scale < 0 || scale > 28) throw VbError(err::kOverflow);
}

Decimal Decimal::from_double(double v) {
  if (!std::isfinite(v) || std::abs(v) >= 7.9e28) throw VbError(err::kOverflow);
  // 15 significant digits, as the host platform converts doubles to decimals.
  DecimalDigits g = decimal_digits(v);
  Int128 m = 0;
  for (char c : g.digits) m = m * 10 + (c - '0');
  int scale = static_cast<int>(g.digits.size()) - g.point;
  for (; scale < 0; ++scale) m *= 10;
  for (; scale > 28; --scale) m /= 10;
  return Decimal(g.negative ? -m : m, scale);
}

Decimal Decimal::parse(std::string_view text) {
  size_t i = 0;
  bool neg = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) neg = text[i++] == '-';
  Int128 m = 0;
  int scale = 0;
  bool any = false, frac = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c == '.' && !frac) {
      frac = true;
      continue;
    }
    if (c < '0' || c > '9') throw VbError(err::kTypeMismatch);
    any = true;
    if (m > pow10_128(27)) throw VbError(err::kOverflow);
    m = m * 10 + (c - '0');
    if (frac) ++scale;
  }
  if (!any) throw VbError(err::kTypeMismatch);
  return Decimal(neg ? -m : m, std::min(scale, 28));
}

double Decimal::to_double() const {
  return static_cast<double>(mantissa_) / std::pow(10.0, scale_);
}

std::string Decimal::to_string() const {
  Int128 m = mantissa_ < 0 ? -mantissa_ : mantissa_;
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
    m /= 10;
  } while (m > 0);
  while (static_cast<int>(digits.size()) <= scale_) digits.insert(digits.begin(), '0');
  if (scale_ > 0) digits.insert(digits.end() - scale_, '.');
  if (mantissa_ < 0) digits.insert(digits.begin(), '-');
  return digits;
}

std::strong_ordering Decimal::operator<=>(const Decimal& o) const {
  int s = std::max(scale_, o.scale_);
  Int128 a = mantissa_ * pow10_128(s - scale_);
  Int128 b = o.mantissa_ * pow10_128(s - o.scale_);
  return a < b ? std::strong_ordering::less
               : (a > b ? std::strong_ordering::greater : std::strong_ordering::equal);
}

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && is_leap(year)) return 29;
  return kDays[(month - 1) % 12];
}

Date Date::from_parts(int year, int month, int day, int hour, int minute, int second) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
      second < 0 || second > 59)
    throw VbError(err::kInvalidCall);
  int64_t days = days_from_civil(year, month, day);
  double t = (hour * 3600 + minute * 60 + second) / 86400.0;
  return from_serial(days, t);
}

int64_t Date::day_number() const { return static_cast<int64_t>(std::trunc(oa_)); }

double Date::time_of_day() const { return std::abs(oa_ - std::trunc(oa_)); }

DateParts Date::parts() const {
  int64_t days = static_cast<int64_t>(std::trunc(oa_));
  int64_t secs = static_cast<int64_t>(std::llround(time_of_day() * 86400.0));
  if (secs >= 86400) {
    secs -= 86400;
    days += oa_ < 0 ? -1 : 1;
  }
  DateParts p;
  civil_from_days(days, p.year, p.month, p.day);
  p.hour = static_cast<int>(secs / 3600);
  p.minute = static_cast<int>((secs / 60) % 60);
  p.second = static_cast<int>(secs % 60);
  // 1899-12-30 was a Saturday (7).
  int64_t w = ((days % 7) + 7) % 7;  // 0 = Saturday
  p.weekday = static_cast<int>(w == 0 ? 7 : w);
  return p;
}

Date DateSerial(int year, int month, int day) {
  if (year >= 0 && year < 30)
    year += 2000;
  else if (year >= 30 && year < 100)
    year += 1900;
  int64_t m0 = static_cast<int64_t>(month) - 1;
  int64_t y = year + floor_div(m0, 12);
  int mm = static_cast<int>(m0 - floor_div(m0, 12) * 12) + 1;
  if (y < 100 || y > 9999) throw VbError(err::kOverflow);
  int64_t days = days_from_civil(y, mm, 1) + (day - 1);
  return from_serial(days, 0);
}

Date TimeSerial(int hour, int minute, int second) {
  int64_t total = static_cast<int64_t>(hour) * 3600 + minute * 60 + second;
  int64_t days = floor_div(total, 86400);
  double t = static_cast<double>(total - days * 86400) / 86400.0;
  return from_serial(days, t);
}

Date DateAdd(std::string_view interval, double number, Date date) {
  std::string iv;
  for (char c : interval)
    iv.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  double n = std::trunc(number);
  auto p = date.parts();
  auto add_months = [&](int64_t months) {
    int64_t m0 = (p.month - 1) + months;
    int64_t y = p.year + floor_div(m0, 12);
    int mm = static_cast<int>(m0 - floor_div(m0, 12) * 12) + 1;
    if (y < 100 || y > 9999) throw VbError(err::kInvalidCall);
    int dd = std::min(p.day, DaysInMonth(static_cast<int>(y), mm));
    int64_t days = days_from_civil(y, mm, dd);
    return from_serial(days, date.time_of_day());
  };
  if (iv == "yyyy") return add_months(static_cast<int64_t>(n) * 12);
  if (iv == "q") return add_months(static_cast<int64_t>(n) * 3);
  if (iv == "m") return add_months(static_cast<int64_t>(n));
  double seconds;
  if (iv == "d" || iv == "y" || iv == "w")
    seconds = n * 86400;
  else if (iv == "ww")
    seconds = n * 7 * 86400;
  else if (iv == "h")
    seconds = n * 3600;
  else if (iv == "n")
    seconds = n * 60;
  else if (iv == "s")
    seconds = n;
  else
    throw VbError(err::kInvalidCall);
  // Work in linear seconds so negative OLE dates add correctly.
  int64_t day = static_cast<int64_t>(std::trunc(date.oa()));
  int64_t sec = static_cast<int64_t>(std::llround(date.time_of_day() * 86400.0));
  int64_t total = day * 86400 + sec + static_cast<int64_t>(seconds);
  int64_t nd = floor_div(total, 86400);
  int64_t ns = total - nd * 86400;
  return from_serial(nd, ns / 86400.0);
}

int64_t DateDiff(std::string_view interval, Date d1, Date d2) {
  std::string iv;
  for (char c : interval)
    iv.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  auto a = d1.parts(), b = d2.parts();
  auto linear_seconds = [](Date d) {
    int64_t day = static_cast<int64_t>(std::trunc(d.oa()));
    return day * 86400 + static_cast<int64_t>(std::llround(d.time_of_day() * 86400.0));
  };
  auto day_of = [](Date d) { return static_cast<int64_t>(std::trunc(d.oa())); };
  if (iv == "yyyy") return b.year - a.year;
  if (iv == "q") return (b.year * 4 + (b.month - 1) / 3) - (a.year * 4 + (a.month - 1) / 3);
  if (iv == "m") return (b.year * 12 + b.month) - (a.year * 12 + a.month);
  if (iv == "d" || iv == "y") return day_of(d2) - day_of(d1);
  if (iv == "w") return (day_of(d2) - day_of(d1)) / 7;
  if (iv == "ww") {
    // Sundays crossed.
    auto week = [](int64_t day) { return floor_div(day + 6, 7); };  // day 1 = Sunday
    return week(day_of(d2)) - week(day_of(d1));
  }
  if (iv == "h") return floor_div(linear_seconds(d2), 3600) - floor_div(linear_seconds(d1), 3600);
  if (iv == "n") return floor_div(linear_seconds(d2), 60) - floor_div(linear_seconds(d1), 60);
  if (iv == "s") return linear_seconds(d2) - linear_seconds(d1);
  throw VbError(err::kInvalidCall);
}

}  // namespace orvane
