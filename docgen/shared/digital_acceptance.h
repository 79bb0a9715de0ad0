// The digital acceptance of a budget or an amendment: the acceptance record ("ACT."
// placeholders) and the acceptance routine (latest event, when the second signer and the two
// witnesses accepted, the witnesses' names and CPFs). Used by the budget, the contract and
// the amendment.
#pragma once

#include "core/variant.h"
#include "docgen/frame/placeholder_table.h"

namespace orvane::docgen {

// With an `id_aceite` (the link of AceiteDigital): the acceptance record under the prefix
// "ACT." and then the acceptance routine for its code. Without one, the same placeholders
// with empty values, so that a template's acceptance fields come out blank.
void add_acceptance_record(const Variant& conn, PlaceholderTable& table, const Variant& id_aceite);

// The acceptance routine for an acceptance code: vDataAceite and vEveAceite (the latest
// event), vAssinante2DataAceite, vTestemunha1DataAceite, vTestemunha2DataAceite,
// vTestemunha1CPF, vTestemunha1Nome, vTestemunha2CPF, vTestemunha2Nome.
void digital_acceptance_routine(const Variant& conn, PlaceholderTable& table,
                                const Variant& acceptance_code);

}  // namespace orvane::docgen
