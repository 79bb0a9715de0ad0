// The customer's equipment balance: what is installed at the customer, by product and kind
// ("Vendido", "Locado", "Empréstimo", "Em Transito", ...), rebuilt from the service orders'
// delivered and withdrawn products, the manual corrections and what is on its way back.
// The service order, the contract and the amendment read it from TempProdutosCliente.
#pragma once

#include <cstdint>

#include "core/variant.h"

namespace orvane::docgen {

// AtualizaProdutosCliente: deletes the customer's rows of TempProdutosCliente and writes
// them again in six steps (received, withdrawn, corrections, in transit, zero rows
// removed), in one transaction of its own. Writes no other table. Errors reach the caller,
// with the customer's rows as they were.
void AtualizaProdutosCliente(const Variant& conn, int32_t cod_unidade, int32_t cod_empresa,
                             int32_t cliente);

}  // namespace orvane::docgen
