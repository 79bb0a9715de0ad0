// The payment conditions of a budget, as the budget, the contract (for its origin budget)
// and the amendment print them.
//
// The conditions offered are those linked to the budget (OrçamentosCondições); without any,
// the budget's own condition (CondiçãoPagto); without one, every active condition of its
// form of payment. A budget paid by its own plan (VencimentoPor 2) first shows that plan:
// NParcelas equal installments of a loan on TotalProdutos less the down payment, at the
// unit's financing rate (setting 196, % a month).
#pragma once

#include <cstdint>

#include "core/context.h"
#include "core/numbers.h"
#include "core/variant.h"
#include "docgen/frame/lists.h"

namespace orvane::docgen {

// vCondições, vCondições2, vCondiçõesValores, vCondiçõesEntrada, vCondiçõesSemValor,
// vCondiçõesProdutos, declared in `lists`.
void declare_payment_condition_lists(ListSet& lists);

// The payment-conditions routine: one line per condition in each condition list (the own
// plan first); returns the installment value (the own plan's, else that of the budget's
// condition, else 0). `forma` and `condicao` are the budget's FormaPagto and CondiçãoPagto.
Currency payment_conditions_routine(const Context& ctx, const Variant& conn, int32_t cod_unidade,
                                    const Variant& planilha, const Variant& forma,
                                    const Variant& condicao, ListSet& lists);

// vEquipCondicoesTavloTotalVenda: `total` spread over the condition `condicao` in equal
// installments: "1 + 2 (UMA MAIS DUAS) PARCELAS IGUAIS E SUCESSIVAS DE R$ … (…) CADA" with a
// down payment, "3 (TRÊS) PARCELAS …" without, "1 (UMA) PARCELA DE R$ … (…)" for a single
// payment; "" without a condition.
Text installments_sentence(const Context& ctx, const Variant& conn, const Variant& total,
                           const Variant& condicao);

// The constant payment of a loan: `principal` in `n` equal installments at `rate` a period
// (0.0199 for 1,99 %); principal / n without interest.
double loan_installment(double principal, int32_t n, double rate);

}  // namespace orvane::docgen
