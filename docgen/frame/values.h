// Small value rules every generator repeats: the text of a field that may be Null, numbers
// with Null as 0, amounts in words, unit settings, dates written out and word lists.
#pragma once

#include <cstdint>
#include <vector>

#include "core/context.h"
#include "core/numbers.h"
#include "core/text.h"
#include "core/variant.h"

namespace orvane::docgen {

// The text the host language makes of `a & value`: Null (and Empty) as "".
Text key_text(const Variant& value);
// A number with Null, Empty and non-numbers as 0.
double number_or_zero(const Variant& value);
// Money with Null as 0.
Currency money_or_zero(const Variant& value);
// True for a true boolean or a non-zero number; Null and Empty are false.
bool is_set(const Variant& value);

// A value formatted ("#,##0.00", "dd/mm/yyyy", ...); Null as "".
Text formatted(const Variant& value, TextView format);

// The amount in words, as the documents print it next to the figure: `extenso` of the
// value formatted "0.00" (reais and centavos, masculine).
Text in_words(const Context& ctx, const Variant& amount);
// A count in words without currency ("doze").
Text count_in_words(const Context& ctx, const Variant& count);
// A count of installments in words, feminine, in capitals: the count through `TrocaPonto`
// with its point turned into a comma, `extenso` without currency, then "HUM" (and the word
// "UM") read "UMA" and "DOIS" read "DUAS".
Text installments_in_words(const Context& ctx, int32_t count);

// A date written out: day "dd", " de ", month name "mmmm", " de ", year "yyyy".
Text date_in_words(const Variant& date);

// "a", "a e b", "a, b e c".
Text join_with_and(const std::vector<Text>& items);

// A unit setting: `column` of DadosEntidades for "CodEntidade=" + entity + " And Unidade="
// + unit (Null when there is none).
Variant unit_setting(const Variant& conn, int32_t entity, int32_t unit, TextView column);
// The numeric value of a trimmed setting text ("" counts as 0), the keep-Word flags' rule
// (the host's Val: "1,99" reads 1).
double setting_number(const Variant& setting);
// A setting typed by the host as a Brazilian number ("1,99", "0,033"); "" or text as 0.
double setting_decimal(const Variant& setting);

}  // namespace orvane::docgen
