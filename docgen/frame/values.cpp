#include "docgen/frame/values.h"

#include "core/convert.h"
#include "core/format.h"
#include "funcs/aggregates.h"
#include "funcs/wording.h"

namespace orvane::docgen {

Text key_text(const Variant& value) {
  return value.is_null() || value.is_empty() ? Text() : CStr(value);
}

double number_or_zero(const Variant& value) {
  if (value.is_null() || value.is_empty() || !IsNumeric(value)) return 0.0;
  return CDbl(value);
}

Currency money_or_zero(const Variant& value) {
  if (value.is_null() || value.is_empty() || !IsNumeric(value)) return Currency();
  return CCur(value);
}

bool is_set(const Variant& value) {
  if (value.is_null() || value.is_empty()) return false;
  if (value.type() == VarType::Boolean) return value.boolean();
  return IsNumeric(value) && CDbl(value) != 0.0;
}

Text formatted(const Variant& value, TextView format) {
  if (value.is_null() || value.is_empty()) return Text();
  return key_text(Format(value, format));
}

Text in_words(const Context& ctx, const Variant& amount) {
  Text figure = CStr(Format(Variant(money_or_zero(amount)), u"0.00"));
  return funcs::extenso(ctx, figure);
}

Text count_in_words(const Context& ctx, const Variant& count) {
  Text figure = CStr(Format(Variant(number_or_zero(count)), u"0"));
  return funcs::extenso(ctx, figure, true);
}

Text installments_in_words(const Context& ctx, int32_t count) {
  Text figure = vb::Replace(funcs::TrocaPonto(Currency::from_double(count)), u".", u",");
  Text words = vb::UCase(funcs::extenso(ctx, figure, true));
  words = vb::Replace(vb::Replace(words, u"HUM", u"UMA"), u"DOIS", u"DUAS");
  // The wording writes "um" where older wording wrote "hum": the word is read "UMA" too.
  Text out;
  for (const Text& word : vb::Split(words, u" ")) {
    if (!out.empty()) out += u" ";
    out += word == u"UM" ? Text(u"UMA") : word;
  }
  return out;
}

Text date_in_words(const Variant& date) {
  if (date.is_null() || date.is_empty()) return Text();
  return formatted(date, u"dd") + u" de " + formatted(date, u"mmmm") + u" de " +
         formatted(date, u"yyyy");
}

Text join_with_and(const std::vector<Text>& items) {
  Text out;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += i + 1 == items.size() ? Text(u" e ") : Text(u", ");
    out += items[i];
  }
  return out;
}

Variant unit_setting(const Variant& conn, int32_t entity, int32_t unit, TextView column) {
  return funcs::Dlookup(
      conn, column, u"DadosEntidades",
      u"CodEntidade=" + CStr(Variant(entity)) + u" And Unidade=" + CStr(Variant(unit)));
}

double setting_number(const Variant& setting) { return Val(vb::Trim(key_text(setting))); }

double setting_decimal(const Variant& setting) {
  const Text t = vb::Trim(key_text(setting));
  if (t.empty() || !IsNumeric(Variant(t))) return 0.0;
  return CDbl(Variant(t));
}

}  // namespace orvane::docgen
