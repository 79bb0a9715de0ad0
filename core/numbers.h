// Fixed-point value types of the host language.
//
// Currency: a 64-bit integer scaled by 10 000 (four decimal places). Conversions from
// double round half to even; arithmetic that leaves the range raises VbError 6.
// Decimal: a 96-bit-range integer mantissa with a scale of 0..28, used for database
// decimal/numeric columns.
// Date: the OLE automation date, days since 1899-12-30 with the time as the fraction
// (for dates before 1899-12-30 the fraction still counts forward from midnight).
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

__extension__ typedef __int128 Int128;

// The decimal digits of |v| at `significant` significant digits — the text the host
// language shows a double as — so that rounding rules work on the value people see and
// never on a binary artefact. `digits` has no trailing zeros ("0" for zero); the decimal
// point stands after `point` digits (point may be <= 0 or beyond the digits).
struct DecimalDigits {
  std::string digits;
  int point = 1;
  bool negative = false;
};
DecimalDigits decimal_digits(double v, int significant = 15);

class Currency {
 public:
  static constexpr int64_t kScale = 10000;
  constexpr Currency() = default;
  static constexpr Currency from_raw(int64_t raw) {
    Currency c;
    c.raw_ = raw;
    return c;
  }
  static Currency from_double(double v);  // half to even; VbError 6 when out of range
  static constexpr Currency from_int(int64_t v) { return from_raw(v * kScale); }

  constexpr int64_t raw() const { return raw_; }
  double to_double() const { return static_cast<double>(raw_) / kScale; }

  Currency operator+(Currency o) const;
  Currency operator-(Currency o) const;
  Currency operator-() const { return from_raw(-raw_); }
  auto operator<=>(const Currency&) const = default;

 private:
  int64_t raw_ = 0;
};

class Decimal {
 public:
  Decimal() = default;
  Decimal(Int128 mantissa, int scale);
  static Decimal from_double(double v);
  static Decimal from_currency(Currency c) { return Decimal(c.raw(), 4); }
  // Parses "-123.4500" (point as separator); VbError 13 when not a number.
  static Decimal parse(std::string_view text);

  Int128 mantissa() const { return mantissa_; }
  int scale() const { return scale_; }
  double to_double() const;
  // Plain decimal text with a point and the digits of its scale ("2.1200").
  std::string to_string() const;
  std::strong_ordering operator<=>(const Decimal& o) const;
  bool operator==(const Decimal& o) const { return (*this <=> o) == 0; }

 private:
  Int128 mantissa_ = 0;
  int scale_ = 0;
};

struct DateParts {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
  int weekday = 7;  // 1 = Sunday ... 7 = Saturday, as the host language counts
};

class Date {
 public:
  constexpr Date() = default;
  constexpr explicit Date(double oa) : oa_(oa) {}
  // VbError 5 when the parts do not form a valid date.
  static Date from_parts(int year, int month, int day, int hour = 0, int minute = 0,
                         int second = 0);
  constexpr double oa() const { return oa_; }
  // Rounded to the second, as the host language shows dates.
  DateParts parts() const;
  // Whole days and the time fraction measured forward from midnight.
  int64_t day_number() const;
  double time_of_day() const;  // 0 <= t < 1
  auto operator<=>(const Date&) const = default;

 private:
  double oa_ = 0;
};

// DateSerial(year, month, day): months and days outside their range roll over.
Date DateSerial(int year, int month, int day);
Date TimeSerial(int hour, int minute, int second);
// Interval codes of DateAdd/DateDiff: "yyyy", "q", "m", "y", "d", "w", "ww", "h", "n", "s".
Date DateAdd(std::string_view interval, double number, Date date);
int64_t DateDiff(std::string_view interval, Date d1, Date d2);
// Days in a month of a year.
int DaysInMonth(int year, int month);

}  // namespace orvane
