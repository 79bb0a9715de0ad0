#include "docgen/shared/contract_vehicle.h"

#include "core/format.h"
#include "docgen/frame/values.h"
#include "funcs/aggregates.h"
#include "funcs/textclean.h"

namespace orvane::docgen {
namespace {

Variant lookup(const ContractKeys& k, TextView campo, TextView tabela, TextView key_name,
               const Variant& key) {
  if (key_text(key).empty()) return Variant();
  return funcs::Dlookup(k.conn, campo, tabela, Text(key_name) + u"=" + key_text(key));
}

}  // namespace

VehicleDevices devices_through_links(const ContractKeys& k, const Variant& vehicle) {
  if (key_text(vehicle).empty()) return {};
  auto first = [&](TextView column, TextView table) {
    db::RecordsetPtr rs =
        k.open(u"Select Top 1 " + Text(column) + u" From " + Text(table) + T(" Where CodVeículo=") +
               key_text(vehicle) + u" Order By CodInterno");
    return rs->eof() ? Variant() : rs->field(column);
  };
  return {first(u"CodRastreador", T("GRVeículosRastreador")),
          first(u"CodChip", T("GRVeículosChip"))};
}

VehicleDevices devices_of_record(const db::Recordset& vehicle) {
  if (vehicle.eof()) return {};
  return {vehicle.field(u"Rastreador"), vehicle.field(u"ChipGPRS")};
}

void add_vehicle_placeholders(const ContractKeys& k, const db::Recordset& vehicle,
                              const VehicleDevices& devices, PlaceholderTable& table) {
  const bool has = !vehicle.eof();
  auto field = [&](const char* name) { return has ? vehicle.field(T(name)) : Variant(); };

  table.add(
      u"vVeiculoGRTecnico",
      Variant(key_text(lookup(k, u"Nome", u"Clientes", u"CodCliente", field("TécnicoVeículo")))));
  table.add(
      u"vVeiculoGRRastreador",
      Variant(key_text(lookup(k, T("Isnull(IDVersão,'')+Isnull(IDCHip,'')+' - '+Isnull(Modelo,'')"),
                              u"GRRastreador", u"CodInterno", devices.tracker))));
  Text phone, serial;
  if (!key_text(devices.chip).empty()) {
    db::RecordsetPtr chip =
        k.open(u"Select DDD, Linha, Serial From GRChip Where CodInterno=" + key_text(devices.chip));
    if (!chip->eof()) {
      phone = u"(" + key_text(chip->field(u"DDD")) + u") " + key_text(chip->field(u"Linha"));
      serial = key_text(chip->field(u"Serial"));
    }
  }
  table.add(u"vVeiculoGRFoneChip", Variant(phone));
  table.add(u"vVeiculoGRSerialChip", Variant(serial));
  table.add(u"vVeiculoInclusaoExtenso",
            Variant(formatted(field("Inclusão"), u"dd \"de\" mmmm \"de\" yyyy")));
  table.add(u"vVeiculoCombustivel",
            Variant(funcs::TipoCombustivel(key_text(field("Combustível")))));
  const Variant blocking = field("Bloqueio");
  table.add(
      u"vVeiculoTipoBloqueio",
      Variant(key_text(blocking).empty()
                  ? Text()
                  : key_text(funcs::Dlookup(k.conn, u"Descreve", u"DadosEntidades",
                                            u"CodEntidade=233 And Codigo=" + key_text(blocking)))));
  table.add(u"vVeiculoGRQuantidade",
            funcs::NZ(funcs::DCount(k.conn, u"*", T("GRVeículos"),
                                    u"Cliente=" + k.customer_text() + u" And Isnull(Ativo,0)<>0"),
                      Variant(int32_t{0})));
}

}  // namespace orvane::docgen
