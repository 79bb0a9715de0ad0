// The customer tax routine: what the customer pays each month once the taxes it withholds on
// the invoice are taken off (vValorLiquido).
#pragma once

#include <cstdint>

#include "core/numbers.h"
#include "core/variant.h"

namespace orvane::docgen {

// Whether the company lets a customer withhold ISS, by kind of customer and its ManterISS.
// Each cell names the company setting (DadosEntidades, the row whose Descreve is the company
// code) whose Codigo, read as a number, must not be 0:
//
//                         ManterISS clear   ManterISS set
//   company (CNPJ)             170              330
//   individual (CPF)           323              331
//
// A customer whose number (CGCCPF through LimpaLetra) has fewer than 12 digits is an
// individual. DISS must be set as well.
struct IssWithholdingSettings {
  int32_t company = 170, company_keeping = 330;
  int32_t individual = 323, individual_keeping = 331;
};
inline constexpr IssWithholdingSettings kIssWithholding{};

// The customer's ValorNF minus the taxes it withholds: for each tax whose flag is set (DISS,
// DINSS, DIRPF, DPIS, DCOFINS, DCSLL; ISS also by the settings above) base × rate ÷ 100, the
// base being a text with a decimal comma. ISS is rounded by the company's rule (RoundISSQN),
// INSS cut to two places (RoundTruncado), the others rounded to two places.
Currency customer_net_value(const Variant& conn, int32_t cod_empresa, int32_t cod_cliente);

}  // namespace orvane::docgen
