#include "core/format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "core/convert.h"
#include "core/error.h"

namespace orvane {
namespace {

const char* const kMonths[] = {"janeiro",  "fevereiro", "março",    "abril",
                               "maio",     "junho",     "julho",    "agosto",
                               "setembro", "outubro",   "novembro", "dezembro"};
const char* const kMonthsShort[] = {"jan", "fev", "mar", "abr", "mai", "jun",
                                    "jul", "ago", "set", "out", "nov", "dez"};
const char* const kWeekdays[] = {"domingo",      "segunda-feira", "terça-feira", "quarta-feira",
                                 "quinta-feira", "sexta-feira",   "sábado"};
const char* const kWeekdaysShort[] = {"dom", "seg", "ter", "qua", "qui", "sex", "sáb"};

// ---- pattern scanning -------------------------------------------------------------

// Splits a pattern at ";" outside quotes and escapes.
std::vector<Text> sections(TextView p) {
  std::vector<Text> out(1);
  for (size_t i = 0; i < p.size(); ++i) {
    char16_t c = p[i];
    if (c == u'"') {
      size_t j = p.find(u'"', i + 1);
      if (j == TextView::npos) j = p.size() - 1;
      out.back().append(p.substr(i, j - i + 1));
      i = j;
    } else if (c == u'\\' && i + 1 < p.size()) {
      out.back().append(p.substr(i, 2));
      ++i;
    } else if (c == u';') {
      out.emplace_back();
    } else {
      out.back().push_back(c);
    }
  }
  return out;
}

enum class Kind { Number, Date, Text };

Kind pattern_kind(TextView p) {
  bool digits = false, date = false;
  for (size_t i = 0; i < p.size(); ++i) {
    char16_t c = p[i];
    if (c == u'"') {
      size_t j = p.find(u'"', i + 1);
      i = j == TextView::npos ? p.size() : j;
      continue;
    }
    if (c == u'\\') {
      ++i;
      continue;
    }
    if (c == u'0' || c == u'#') digits = true;
    char16_t l = vb::LowerChar(c);
    if (l == u'd' || l == u'm' || l == u'y' || l == u'h' || l == u'n' || l == u's' || l == u'w' ||
        l == u'q' || l == u'c' || l == u't' || c == u'/' || c == u':')
      date = true;
    if (l == u'e' && digits) date = false;  // scientific
  }
  if (digits) return Kind::Number;
  if (date) return Kind::Date;
  return Kind::Text;
}

// ---- numbers -------------------------------------------------------------------------

// The decimal digits of |v| rounded half away from zero to `decimals` places, taken
// from the 15-digit text of the value so that binary artefacts never decide.
struct Fixed {
  std::string int_digits;   // "0" when the integer part is zero
  std::string frac_digits;  // exactly `decimals` digits
  bool zero = true;
};

Fixed to_fixed(double v, int decimals) {
  DecimalDigits g = decimal_digits(v);
  std::string digits = g.digits;
  int point = g.point;  // digits before the decimal point
  // Pad so that the integer part and `decimals` fraction digits plus one exist.
  if (point <= 0) {
    digits.insert(0, static_cast<size_t>(-point + 1), '0');
    point = 1;
  }
  int need = point + decimals + 1;
  if (static_cast<int>(digits.size()) < need) digits.append(need - digits.size(), '0');
  std::string kept = digits.substr(0, point + decimals);
  if (digits[point + decimals] >= '5') {
    int i = static_cast<int>(kept.size()) - 1;
    while (i >= 0 && kept[i] == '9') kept[i--] = '0';
    if (i < 0) {
      kept.insert(kept.begin(), '1');
      ++point;
    } else {
      ++kept[i];
    }
  }
  Fixed f;
  f.int_digits = kept.substr(0, point);
  f.frac_digits = kept.substr(point);
  size_t nz = f.int_digits.find_first_not_of('0');
  f.int_digits = nz == std::string::npos ? "0" : f.int_digits.substr(nz);
  f.zero = f.int_digits == "0" && f.frac_digits.find_first_not_of('0') == std::string::npos;
  return f;
}

struct Token {
  enum Type { Digit0, DigitHash, Point, Comma, Percent, Literal, Exponent } type;
  Text text;  // literal text, or "E+"/"E-" for the exponent
};

std::vector<Token> number_tokens(TextView p) {
  std::vector<Token> t;
  for (size_t i = 0; i < p.size(); ++i) {
    char16_t c = p[i];
    switch (c) {
      case u'0':
        t.push_back({Token::Digit0, {}});
        break;
      case u'#':
        t.push_back({Token::DigitHash, {}});
        break;
      case u'.':
        t.push_back({Token::Point, {}});
        break;
      case u',':
        t.push_back({Token::Comma, {}});
        break;
      case u'%':
        t.push_back({Token::Percent, u"%"});
        break;
      case u'"': {
        size_t j = p.find(u'"', i + 1);
        if (j == TextView::npos) j = p.size();
        t.push_back({Token::Literal, Text(p.substr(i + 1, j - i - 1))});
        i = j;
        break;
      }
      case u'\\':
        if (i + 1 < p.size()) t.push_back({Token::Literal, Text(1, p[++i])});
        break;
      case u'E':
      case u'e':
        if (i + 1 < p.size() && (p[i + 1] == u'+' || p[i + 1] == u'-')) {
          t.push_back({Token::Exponent, Text{c, p[i + 1]}});
          ++i;
          break;
        }
        [[fallthrough]];
      default:
        t.push_back({Token::Literal, Text(1, c)});
    }
  }
  return t;
}

bool is_digit_token(const Token& t) {
  return t.type == Token::Digit0 || t.type == Token::DigitHash;
}

Text group_thousands(const std::string& digits) {
  Text out;
  int n = static_cast<int>(digits.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out.push_back(u'.');
    out.push_back(digits[i]);
  }
  return out;
}

// Formats |v| with one section's tokens; the sign is handled by the caller.
Text format_number_section(double v, TextView section) {
  std::vector<Token> toks = number_tokens(section);
  size_t point = toks.size();
  for (size_t i = 0; i < toks.size(); ++i)
    if (toks[i].type == Token::Point) {
      point = i;
      break;
    }
  size_t exp_at = toks.size();
  for (size_t i = 0; i < toks.size(); ++i)
    if (toks[i].type == Token::Exponent) {
      exp_at = i;
      break;
    }
  bool percent = false;
  for (auto& t : toks)
    if (t.type == Token::Percent) percent = true;
  if (percent) v *= 100;

  // Integer and decimal placeholders.
  int int_places = 0, int_min = 0, dec_places = 0, dec_min = 0;
  bool grouping = false;
  int first_digit = -1, last_digit = -1;
  bool seen_zero = false;
  for (size_t i = 0; i < std::min(point, exp_at); ++i) {
    if (is_digit_token(toks[i])) {
      if (first_digit < 0) first_digit = static_cast<int>(i);
      last_digit = static_cast<int>(i);
      ++int_places;
      if (toks[i].type == Token::Digit0) seen_zero = true;
      if (seen_zero) ++int_min;
    }
  }
  // A comma between integer placeholders groups thousands; trailing commas scale.
  int scale_commas = 0;
  for (size_t i = 0; i < std::min(point, exp_at); ++i) {
    if (toks[i].type != Token::Comma) continue;
    bool digit_after = false;
    for (size_t j = i + 1; j < std::min(point, exp_at); ++j)
      if (is_digit_token(toks[j])) digit_after = true;
    if (digit_after && static_cast<int>(i) > first_digit)
      grouping = true;
    else if (!digit_after && first_digit >= 0)
      ++scale_commas;
  }
  for (int k = 0; k < scale_commas; ++k) v /= 1000;
  for (size_t i = point + 1; i < exp_at && point < toks.size(); ++i) {
    if (is_digit_token(toks[i])) {
      ++dec_places;
      if (toks[i].type == Token::Digit0) dec_min = dec_places;
    }
  }

  int exponent = 0;
  if (exp_at < toks.size() && v != 0) {
    exponent = static_cast<int>(std::floor(std::log10(v)));
    exponent -= std::max(0, int_places - 1);
    v /= std::pow(10.0, exponent);
    Fixed probe = to_fixed(v, dec_places);
    if (static_cast<int>(probe.int_digits.size()) > std::max(1, int_places)) {
      v /= 10;
      ++exponent;
    }
  }

  Fixed f = to_fixed(v, dec_places);
  std::string int_digits = f.int_digits;
  if (int_digits == "0" && int_min == 0) int_digits.clear();
  if (static_cast<int>(int_digits.size()) < int_min)
    int_digits.insert(0, int_min - int_digits.size(), '0');

  Text out;
  // Integer part: literals before the first placeholder, then the digits laid out
  // against the placeholders from the right.
  size_t int_end = std::min(point, exp_at);
  if (first_digit < 0) {
    for (size_t i = 0; i < int_end; ++i)
      if (toks[i].type == Token::Literal || toks[i].type == Token::Percent) out += toks[i].text;
    out += grouping ? group_thousands(int_digits) : from_utf8(int_digits);
  } else {
    for (int i = 0; i < first_digit; ++i)
      if (toks[i].type == Token::Literal || toks[i].type == Token::Percent) out += toks[i].text;
    if (grouping) {
      out += group_thousands(int_digits);
      for (int i = first_digit; i <= last_digit; ++i)
        if (toks[i].type == Token::Literal) out += toks[i].text;
    } else {
      // Right to left over the placeholders, literals kept in place.
      Text body;
      int d = static_cast<int>(int_digits.size()) - 1;
      for (int i = last_digit; i >= first_digit; --i) {
        const Token& t = toks[i];
        if (is_digit_token(t)) {
          if (i == first_digit) {
            Text rest;
            while (d >= 0) rest.insert(rest.begin(), static_cast<char16_t>(int_digits[d--]));
            body.insert(0, rest);
          } else if (d >= 0) {
            body.insert(body.begin(), static_cast<char16_t>(int_digits[d--]));
          }
        } else if (t.type == Token::Literal || t.type == Token::Percent) {
          body.insert(0, t.text);
        }
      }
      out += body;
    }
    for (size_t i = last_digit + 1; i < int_end; ++i)
      if (toks[i].type == Token::Literal || toks[i].type == Token::Percent) out += toks[i].text;
  }
  // Decimal part.
  if (point < toks.size() && point < exp_at) {
    out.push_back(u',');
    // Digits beyond the last '0' placeholder are dropped when they are zeros.
    std::string frac = f.frac_digits;
    int shown = static_cast<int>(frac.size());
    while (shown > dec_min && frac[shown - 1] == '0') --shown;
    int k = 0;
    for (size_t i = point + 1; i < exp_at; ++i) {
      const Token& t = toks[i];
      if (is_digit_token(t)) {
        if (k < shown) out.push_back(static_cast<char16_t>(frac[k]));
        ++k;
      } else if (t.type == Token::Literal || t.type == Token::Percent) {
        out += t.text;
      }
    }
  }
  if (exp_at < toks.size()) {
    out.push_back(toks[exp_at].text[0]);
    if (exponent < 0)
      out.push_back(u'-');
    else if (toks[exp_at].text[1] == u'+')
      out.push_back(u'+');
    int exp_digits = 0;
    size_t i = exp_at + 1;
    for (; i < toks.size() && is_digit_token(toks[i]); ++i) ++exp_digits;
    std::string e = std::to_string(std::abs(exponent));
    if (static_cast<int>(e.size()) < exp_digits) e.insert(0, exp_digits - e.size(), '0');
    out += from_utf8(e);
    for (; i < toks.size(); ++i)
      if (toks[i].type == Token::Literal || toks[i].type == Token::Percent) out += toks[i].text;
  }
  return out;
}

bool rounds_to_zero(double v, TextView section) {
  int dec = 0;
  bool after_point = false;
  for (const auto& t : number_tokens(section)) {
    if (t.type == Token::Point)
      after_point = true;
    else if (after_point && is_digit_token(t))
      ++dec;
    else if (t.type == Token::Exponent)
      return v == 0;
  }
  return to_fixed(v, dec).zero;
}

Text format_number(double v, TextView pattern) {
  std::vector<Text> secs = sections(pattern);
  bool negative = v < 0;
  double a = std::abs(v);
  if (secs.size() >= 3 && rounds_to_zero(a, secs[0]) && !secs[2].empty())
    return format_number_section(0, secs[2]);
  if (negative && secs.size() >= 2 && !secs[1].empty()) return format_number_section(a, secs[1]);
  Text body = format_number_section(a, secs[0]);
  if (negative) body.insert(body.begin(), u'-');
  return body;
}

// ---- dates ---------------------------------------------------------------------------

Text two(int v) {
  char b[8];
  std::snprintf(b, sizeof b, "%02d", v);
  return from_utf8(b);
}

Text num(int v) { return from_utf8(std::to_string(v)); }

Text format_date(Date d, TextView p) {
  DateParts x = d.parts();
  Text out;
  bool after_hour = false;  // an "m" right after hours means minutes
  size_t n = p.size();
  auto run = [&](size_t i, char16_t lower) {
    size_t j = i;
    while (j < n && vb::LowerChar(p[j]) == lower) ++j;
    return j - i;
  };
  for (size_t i = 0; i < n;) {
    char16_t c = p[i];
    char16_t l = vb::LowerChar(c);
    if (c == u'"') {
      size_t j = p.find(u'"', i + 1);
      if (j == TextView::npos) j = n;
      out.append(p.substr(i + 1, j - i - 1));
      i = j + 1;
      continue;
    }
    if (c == u'\\') {
      if (i + 1 < n) out.push_back(p[i + 1]);
      i += 2;
      continue;
    }
    if (vb::UCase(p.substr(i, 5)) == u"AM/PM") {
      out += x.hour < 12 ? u"AM" : u"PM";
      i += 5;
      continue;
    }
    if (vb::UCase(p.substr(i, 3)) == u"A/P") {
      out += x.hour < 12 ? u"A" : u"P";
      i += 3;
      continue;
    }
    size_t k;
    switch (l) {
      case u'd':
        k = run(i, u'd');
        if (k == 1)
          out += num(x.day);
        else if (k == 2)
          out += two(x.day);
        else if (k == 3)
          out += from_utf8(kWeekdaysShort[x.weekday - 1]);
        else if (k == 4)
          out += from_utf8(kWeekdays[x.weekday - 1]);
        else if (k == 5)
          out += two(x.day) + u"/" + two(x.month) + u"/" + num(x.year);
        else
          out += from_utf8(kWeekdays[x.weekday - 1]) + u", " + num(x.day) + T(" de ") +
                 from_utf8(kMonths[x.month - 1]) + T(" de ") + num(x.year);
        i += k;
        after_hour = false;
        break;
      case u'm':
        k = run(i, u'm');
        if (after_hour && k <= 2) {
          out += k == 1 ? num(x.minute) : two(x.minute);
        } else if (k == 1) {
          out += num(x.month);
        } else if (k == 2) {
          // "mm" also means minutes when seconds follow (hh:mm:ss without the hour
          // before it is not a concern here).
          out += two(x.month);
        } else if (k == 3) {
          out += from_utf8(kMonthsShort[x.month - 1]);
        } else {
          out += from_utf8(kMonths[x.month - 1]);
        }
        i += k;
        after_hour = false;
        break;
      case u'y':
        k = run(i, u'y');
        if (k == 1 || k == 3) {
          // Day of the year.
          int doy =
              static_cast<int>(d.day_number() - Date::from_parts(x.year, 1, 1).day_number()) + 1;
          out += num(doy);
          if (k == 3) out += two(x.year % 100);
        } else if (k == 2) {
          out += two(x.year % 100);
        } else {
          out += num(x.year);
        }
        i += k;
        break;
      case u'h':
        k = run(i, u'h');
        out += k == 1 ? num(x.hour) : two(x.hour);
        i += k;
        after_hour = true;
        continue;
      case u'n':
        k = run(i, u'n');
        out += k == 1 ? num(x.minute) : two(x.minute);
        i += k;
        after_hour = false;
        break;
      case u's':
        k = run(i, u's');
        out += k == 1 ? num(x.second) : two(x.second);
        i += k;
        after_hour = false;
        break;
      case u'w':
        k = run(i, u'w');
        if (k == 1)
          out += num(x.weekday);
        else {
          int jan1 = Date::from_parts(x.year, 1, 1).parts().weekday;
          int doy = static_cast<int>(d.day_number() - Date::from_parts(x.year, 1, 1).day_number());
          out += num((doy + jan1 - 1) / 7 + 1);
        }
        i += k;
        break;
      case u'q':
        out += num((x.month - 1) / 3 + 1);
        ++i;
        break;
      case u'c':
        out += date_to_text(d);
        ++i;
        break;
      case u't':
        k = run(i, u't');
        if (k >= 5) {
          out += two(x.hour) + u":" + two(x.minute) + u":" + two(x.second);
          i += k;
        } else {
          out.push_back(c);
          ++i;
        }
        break;
      case u':':
        out.push_back(u':');
        ++i;
        continue;  // keeps after_hour for "hh:mm"
      default:
        out.push_back(c);
        ++i;
        if (c != u' ') after_hour = false;
    }
  }
  return out;
}

// ---- text ----------------------------------------------------------------------------

Text format_text(const Text& s, TextView p) {
  bool upper = false, lower = false, left = false;
  int placeholders = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    char16_t c = p[i];
    if (c == u'>')
      upper = true;
    else if (c == u'<')
      lower = true;
    else if (c == u'!')
      left = true;
    else if (c == u'@' || c == u'&')
      ++placeholders;
  }
  Text t = upper ? vb::UCase(s) : (lower ? vb::LCase(s) : s);
  if (placeholders == 0) {
    // Literals of the pattern surround the text.
    Text pre;
    for (char16_t c : p)
      if (c != u'>' && c != u'<' && c != u'!') pre.push_back(c);
    return pre + t;
  }
  // Fill placeholders from the right (from the left with "!"); characters beyond the
  // placeholders go before the first one (after the last one with "!").
  const int len = static_cast<int>(t.size());
  Text out;
  int pos = 0;
  for (char16_t c : p) {
    if (c == u'>' || c == u'<' || c == u'!') continue;
    if (c != u'@' && c != u'&') {
      out.push_back(c);
      continue;
    }
    int ci;
    if (left) {
      ci = pos;
    } else {
      if (pos == 0 && len > placeholders) out.append(t.substr(0, len - placeholders));
      ci = len - (placeholders - pos);
    }
    if (ci >= 0 && ci < len)
      out.push_back(t[ci]);
    else if (c == u'@')
      out.push_back(u' ');
    ++pos;
  }
  if (left && len > placeholders) out.append(t.substr(placeholders));
  return out;
}

// ---- named formats -------------------------------------------------------------------

std::optional<Text> named(const Variant& v, TextView pattern) {
  Text p = vb::LCase(pattern);
  auto number = [&] { return CDbl(v.type() == VarType::String ? Variant(CDbl(v)) : v); };
  if (p == u"currency") {
    double d = number();
    Text body = format_number_section(std::abs(d), u"#,##0.00");
    Text cur = Text(u"R$ ") + body;
    return (d < 0 && !to_fixed(std::abs(d), 2).zero) ? u"-" + cur : cur;
  }
  if (p == u"fixed") return format_number(number(), u"0.00");
  if (p == u"standard") return format_number(number(), u"#,##0.00");
  if (p == u"percent") return format_number(number(), u"0.00%");
  if (p == u"scientific") return format_number(number(), u"0.00E+00");
  if (p == u"general number") return CStr(Variant(number()));
  if (p == u"yes/no") return number() != 0 ? T("Sim") : T("Não");
  if (p == u"true/false") return number() != 0 ? T("Verdadeiro") : T("Falso");
  if (p == u"on/off") return number() != 0 ? T("Ativado") : T("Desativado");
  if (p == u"short date") return format_date(CDate(v), u"dd/mm/yyyy");
  if (p == u"long date") return format_date(CDate(v), u"dddddd");
  if (p == u"medium date") return format_date(CDate(v), u"dd-mmm-yy");
  if (p == u"short time") return format_date(CDate(v), u"hh:nn");
  if (p == u"medium time") return format_date(CDate(v), u"hh:nn AM/PM");
  if (p == u"long time") return format_date(CDate(v), u"hh:nn:ss");
  if (p == u"general date") return date_to_text(CDate(v));
  return std::nullopt;
}

}  // namespace

Text MonthName(int month, bool abbreviate) {
  if (month < 1 || month > 12) throw VbError(err::kInvalidCall);
  return from_utf8(abbreviate ? kMonthsShort[month - 1] : kMonths[month - 1]);
}

Text WeekdayName(int weekday, bool abbreviate) {
  if (weekday < 1 || weekday > 7) throw VbError(err::kInvalidCall);
  return from_utf8(abbreviate ? kWeekdaysShort[weekday - 1] : kWeekdays[weekday - 1]);
}

Variant Format(const Variant& value, TextView pattern) {
  if (value.is_null()) return Variant::Null();
  if (value.is_empty()) return Text();
  if (pattern.empty()) {
    if (value.is_object() || value.is_array()) throw VbError(err::kTypeMismatch);
    return CStr(value);
  }
  if (value.is_object() || value.is_array()) throw VbError(err::kTypeMismatch);
  if (auto n = named(value, pattern)) return *n;
  switch (pattern_kind(pattern)) {
    case Kind::Number: {
      if (value.is_text()) {
        auto d = parse_locale_number(value.text());
        if (!d) return value.text();  // a text that is no number is left as it is
        return format_number(*d, pattern);
      }
      return format_number(CDbl(value), pattern);
    }
    case Kind::Date: {
      if (value.is_text()) {
        if (auto d = parse_locale_date(value.text())) return format_date(*d, pattern);
        if (auto n = parse_locale_number(value.text())) return format_date(Date(*n), pattern);
        return value.text();
      }
      return format_date(CDate(value), pattern);
    }
    case Kind::Text:
      return format_text(CStr(value), pattern);
  }
  return CStr(value);
}

Text FormatText(const Variant& value, TextView pattern) {
  Variant v = Format(value, pattern);
  return v.is_null() ? Text() : v.text();
}

}  // namespace orvane
