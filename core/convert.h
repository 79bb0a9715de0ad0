// The host language's conversions, in the host's Brazilian-Portuguese locale:
// decimal comma, thousands point, dd/mm/yyyy dates.
//
// Text -> number accepts "1234,56", "1.234,56", " -5 ", "R$ 10,00", "1E3", "(5)" is not
// accepted; anything else raises VbError 13. Number -> text gives up to 15 significant
// digits for Double (7 for Single) with a decimal comma and the scientific form
// ("1E+15", "1E-05") outside 1E-4 .. 1E15. Null raises 94 where the host language does.
// CLng/CInt round half to even; out-of-range values raise 6.
#pragma once

#include <cstdint>
#include <optional>

#include "core/numbers.h"
#include "core/text.h"
#include "core/variant.h"

namespace orvane {

Text CStr(const Variant& v);
double CDbl(const Variant& v);
float CSng(const Variant& v);
int32_t CLng(const Variant& v);
int16_t CInt(const Variant& v);
uint8_t CByte(const Variant& v);
Currency CCur(const Variant& v);
Decimal CDec(const Variant& v);
Date CDate(const Variant& v);
bool CBool(const Variant& v);
// Converts to a declared type (Variant = unchanged, Array/Object checked). VbError 13
// when the value does not convert, 6 on overflow.
Variant convert_to(const Variant& v, VarType type);

// Val: the leading number of a text, point as the decimal separator, 0 when none.
double Val(TextView s);
// IsNumeric/IsDate: whether CDbl/CDate would succeed.
bool IsNumeric(const Variant& v);
bool IsDate(const Variant& v);
// Round(x, n): half to even on the decimal value the double shows (15 digits).
double Round(double x, int digits = 0);
// Fix/Int: truncation toward zero / floor.
double Fix(double x);
double Int(double x);

// Parses a number written in the host locale; nullopt when it is not one.
std::optional<double> parse_locale_number(TextView s);
// Parses a date (and/or time) written in the host locale: "05/12/2026", "5/12/26",
// "05/12/2026 14:30", "14:30:00", also ISO "2026-12-05[T14:30:00]".
std::optional<Date> parse_locale_date(TextView s);

// Text forms of numbers as the host language shows them (decimal comma).
Text double_to_text(double d, int significant = 15);
Text currency_to_text(Currency c);
Text decimal_to_text(const Decimal& d);
Text date_to_text(Date d);

// Arithmetic and comparison of variants where the library needs them.
// Numeric + numeric adds in the wider type; text + text concatenates; Null propagates.
Variant add(const Variant& a, const Variant& b);
Variant subtract(const Variant& a, const Variant& b);
Variant multiply(const Variant& a, const Variant& b);
Variant divide(const Variant& a, const Variant& b);
// -1, 0, 1; numbers against numbers, texts against texts (binary); VbError 94 for Null.
int compare(const Variant& a, const Variant& b);

}  // namespace orvane
