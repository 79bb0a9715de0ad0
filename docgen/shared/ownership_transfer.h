// The ownership transfer of a vehicle from another customer, as a budget (and the contract
// and amendment made from it) prints it: the former owner's data, the vehicle, and the type
// of the budget it came with.
#pragma once

#include <cstdint>

#include "core/variant.h"
#include "docgen/frame/placeholder_table.h"

namespace orvane::docgen {

// vTrocaNome, vTrocaCPFCNPJ, vTrocaEndereço, vTrocaNumCasa, vTrocaBairro, vTrocaCidade,
// vTrocaCEP, vTrocaEstado from the origin customer (empty without one);
// vTrocaTitularidadeVeiculo, the origin vehicle's plate, colour, year, model and chassis
// joined by tabs (empty without one); vTipoOrcOrigem, setting 249 for the TipoServiço of the
// budget `planilha`.
void ownership_transfer_routine(const Variant& conn, PlaceholderTable& table,
                                const Variant& origin_customer, const Variant& origin_vehicle,
                                const Variant& planilha);

}  // namespace orvane::docgen
