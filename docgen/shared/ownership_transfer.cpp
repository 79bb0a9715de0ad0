#include "docgen/shared/ownership_transfer.h"

#include "core/convert.h"
#include "docgen/frame/values.h"
#include "funcs/aggregates.h"
#include "platform/db/db.h"

namespace orvane::docgen {
namespace {

bool given(const Variant& key) { return !key_text(key).empty() && number_or_zero(key) != 0; }

db::RecordsetPtr read(const Variant& conn, TextView sql) {
  return db::open_recordset(conn, sql, db::CursorType::Static, db::LockType::ReadOnly);
}

}  // namespace

void ownership_transfer_routine(const Variant& conn, PlaceholderTable& table,
                                const Variant& origin_customer, const Variant& origin_vehicle,
                                const Variant& planilha) {
  static const struct {
    const char16_t* placeholder;
    const char* column;
  } kCustomer[] = {{u"vTrocaNome", "Nome"},         {u"vTrocaCPFCNPJ", "CGCCPF"},
                   {u"vTrocaEndereço", "Endereço"}, {u"vTrocaNumCasa", "NumCasa"},
                   {u"vTrocaBairro", "Bairro"},     {u"vTrocaCidade", "Cidade"},
                   {u"vTrocaCEP", "CEP"},           {u"vTrocaEstado", "Estado"}};
  db::RecordsetPtr customer;
  if (given(origin_customer)) {
    customer = read(conn, T("Select Nome, CGCCPF, Endereço, NumCasa, Bairro, Cidade, CEP, Estado "
                            "From Clientes Where CodCliente=") +
                              key_text(origin_customer));
  }
  const bool found = customer && !customer->eof();
  for (const auto& c : kCustomer) {
    table.add(c.placeholder, Variant(found ? key_text(customer->field(T(c.column))) : Text()));
  }

  Text vehicle;
  if (given(origin_vehicle)) {
    db::RecordsetPtr v = read(conn, T("Select Placa, Cor, Ano, Modelo, Chassis From GRVeículos "
                                      "Where CodInterno=") +
                                        key_text(origin_vehicle));
    if (!v->eof()) {
      for (int i = 0; i < v->field_count(); ++i) {
        if (i > 0) vehicle += u"\t";
        vehicle += key_text(v->field(i));
      }
    }
  }
  table.add(u"vTrocaTitularidadeVeiculo", Variant(vehicle));

  const Variant type =
      funcs::Dlookup(conn, T("TipoServiço"), T("Orçamentos"), T("Planílha=") + key_text(planilha));
  table.add(
      u"vTipoOrcOrigem",
      Variant(key_text(funcs::Dlookup(conn, u"Descreve", u"DadosEntidades",
                                      u"CodEntidade=249 And Codigo='" + key_text(type) + u"'"))));
}

}  // namespace orvane::docgen
