// Rounding of money to two decimals: ABNT NBR 5891, plain truncation and the ISS tax
// rules a company picks. Every rule works on the decimal text of the value as the host
// shows a double (15 significant digits), so a binary artefact such as 10.125 being
// stored as 10.12499999... never decides a result.
//
// Negative values are rounded as their magnitude and keep their sign, so a refund rounds
// like the charge it reverses.
#pragma once

#include <cstdint>

#include "component/member_table.h"
#include "core/numbers.h"
#include "core/variant.h"

namespace orvane::funcs {

// Arredondamento_ABNT_NBR5891: to two decimals by the third and fourth decimals only
// (after writing the value with ten decimals): below 5 down, above 5 up, exactly 5 up
// when the fourth is not 0 or the second is odd (2.125 -> 2.12, 2.135 -> 2.14,
// 2.1251 -> 2.13, 2.12500001 -> 2.12). Any failure (a value beyond the currency range,
// NaN) gives 0.
Currency Arredondamento_ABNT_NBR5891(double valor);

// RoundTruncado: the value written with eight decimals, cut after two (2.129 -> 2.12,
// 2.999999999 -> 3). `decimais` is accepted for the host's sake and not consulted.
// Failures give 0.
Currency RoundTruncado(double valor, int32_t decimais = 2);

// The ISS rounding rules, applied to `valor_iss` with `casas` decimals:
//  0 half to even;  1 `valor_iss` first rounded to five places (half to even, written
//  back), then up when the third decimal is 5 or more;  2 the value at four decimals cut
//  after two;  3 ABNT NBR 5891;  4 up when the next digit is above 5, or is 5 followed by
//  any non-zero digit;  5 up only when the next digit is above 5. Other rules give 0.
// Rules 4 and 5 carry into the integer part when the decimals are all 9 (10.996 -> 11).
// Failures raise (VbError 5 for a negative `casas`, 6 beyond the currency range).
Currency round_iss(int32_t rule, double& valor_iss, int16_t casas = 2);

// RoundISSQN: `valor_iss` rounded by the company's rule (Empresas.TipoArredondamentoISS,
// Null = 0) through round_iss. Failures, reading the rule included, reach the caller.
Currency RoundISSQN(const Variant& conn, int32_t cod_empresa, double& valor_iss, int16_t casas = 2);

// RetornaCustoSelecionado: the cost of a product under the unit's settings. The product
// is looked up in LocalizaProdutos under the company's stock company
// (Empresas.Conciliadora, Null = 0). With the unit's plain-cost switch (entity 175) off,
// or the unit forcing the selected cost, the column is the unit's cost kind (entity 254:
// 0 CustoGerencial, 1 Custo, 2 CustoReposição, 3 CustoMédio, other kinds cost 0);
// otherwise Custo. A price table that uses its own values and the cost price replaces
// the cost by its item's PrecoCusto when that is above 0. Every failing step is skipped
// and leaves the cost where it was.
Currency RetornaCustoSelecionado(const Variant& conn, int32_t cod_unidade, int32_t cod_empresa,
                                 int32_t cod_produto, int32_t cod_tabela);

void add_rounding_members(component::MemberTable& t);

}  // namespace orvane::funcs
