// Amounts, hours and months in Brazilian-Portuguese words, as contracts, budgets and
// service orders print them next to the figures. The vocabulary is the host's own and
// mostly carries no accents ("tres", "milhao", "milhoes").
#pragma once

#include <cstdint>

#include "component/member_table.h"
#include "core/context.h"
#include "core/numbers.h"
#include "core/text.h"

namespace orvane::funcs {

// extenso: the amount in `nValor` (a number written in the host locale: "1.234,56") in
// words, with "real"/"reais" and "centavo"/"centavos" unless `esconde_moeda`, when
// the cents are read after "vírgula" as "decimal"/"decimais". `feminino` uses the
// feminine forms ("duas", "duzentas") in every group. Amounts above 999999999,99 give "".
// A leading "-" is removed from `nValor` (the caller's text is changed); no word is said
// for the sign. A text that is not a number shows the standard failure message through
// `ctx` and gives "".
Text extenso(const Context& ctx, Text& nValor, bool esconde_moeda = false, bool feminino = false);

// extensoCompleta: the masculine reading with currency words, not cut to 250 characters,
// followed at once by the cheque fill "-*" x 74. `nValor` is left as it is.
Text extensoCompleta(const Context& ctx, TextView nValor);

// ExtensoHoras: "8 (oito) horas", "1 (uma) hora", "23 (vinte e três) horas"; 25 or more
// gives the figures alone, a negative number "".
Text ExtensoHoras(int32_t horas);

// TrocaPonto: valor + centavos/100 as text with a decimal point and at least two
// decimals ("1234.50", "7.00", "0.1234").
Text TrocaPonto(Currency valor, uint8_t centavos = 0);

// NomeMês: "Janeiro" .. "Dezembro" for 1..12, "" otherwise.
Text NomeMês(int16_t mes);

void add_wording_members(component::MemberTable& t);

}  // namespace orvane::funcs
