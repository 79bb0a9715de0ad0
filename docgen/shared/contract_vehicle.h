// The vehicle of a contract document (a vehicle being cancelled, or the one an amendment
// is about): its technician, tracker, chip, inclusion date, fuel and blocking kind, and the
// customer's count of active vehicles.
#pragma once

#include "core/variant.h"
#include "docgen/frame/placeholder_table.h"
#include "docgen/shared/contract_keys.h"
#include "platform/db/db.h"

namespace orvane::docgen {

// The tracker (GRRastreador) and chip (GRChip) of a vehicle; Null when it has none.
struct VehicleDevices {
  Variant tracker, chip;
};
// Through the vehicle's links (GRVeículosRastreador, GRVeículosChip; the first of each).
VehicleDevices devices_through_links(const ContractKeys& k, const Variant& vehicle);
// As the vehicle record names them (its Rastreador and ChipGPRS).
VehicleDevices devices_of_record(const db::Recordset& vehicle);

// vVeiculoGRTecnico, vVeiculoGRRastreador, vVeiculoGRFoneChip, vVeiculoGRSerialChip,
// vVeiculoInclusaoExtenso, vVeiculoCombustivel, vVeiculoTipoBloqueio of the vehicle record
// `vehicle` (all empty when it has no record), then vVeiculoGRQuantidade, the customer's
// active vehicles.
void add_vehicle_placeholders(const ContractKeys& k, const db::Recordset& vehicle,
                              const VehicleDevices& devices, PlaceholderTable& table);

}  // namespace orvane::docgen
