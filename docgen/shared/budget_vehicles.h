// The vehicles of the customer's approved budgets, as the contract and its amendment list
// them: the description and value lines, the insured and assisted vehicles, the plates.
#pragma once

#include "docgen/frame/lists.h"
#include "docgen/frame/placeholder_table.h"
#include "docgen/shared/contract_keys.h"

namespace orvane::docgen {

// vVeiculosOrc ... 6, vVeiculosOrcPlaValor, vVeiculosOrcValores, vViaSeg, vViaSeg2 (declared
// in `lists` by the call), and vPlacasOrc (the plates joined with ", "), vVeiTot and
// vExtensoVeiTot (the vehicles' monthly values).
void budget_vehicles_routine(const ContractKeys& k, ListSet& lists, PlaceholderTable& table);

}  // namespace orvane::docgen
