#include "docgen/shared/digital_acceptance.h"

#include "core/convert.h"
#include "docgen/frame/values.h"
#include "funcs/aggregates.h"
#include "platform/db/db.h"

namespace orvane::docgen {
namespace {

constexpr const char16_t* kDateTime = u"dd/mm/yyyy hh:mm:ss";

Variant witness(const Variant& conn, const Text& code, int type, TextView column) {
  return funcs::Dlookup(conn, column, u"AceiteDigitalEnvioTestemunha",
                        u"AceiteCodigo=" + code + u" And TipoTestemunha=" + CStr(Variant(type)));
}

}  // namespace

void digital_acceptance_routine(const Variant& conn, PlaceholderTable& table,
                                const Variant& acceptance_code) {
  const bool known = !key_text(acceptance_code).empty();
  const Text code = key_text(acceptance_code);
  auto look = [&](TextView column, TextView from, TextView filter) {
    return known ? funcs::Dlookup(conn, column, from, filter) : Variant();
  };
  const Text latest = u"Ace_Codigo=" + code + u" Order By AceEve_Data Desc";
  table.add(u"vDataAceite",
            Variant(formatted(look(u"AceEve_Data", u"AceiteDigitalEventos", latest), kDateTime)));
  table.add(u"vEveAceite",
            Variant(key_text(look(u"AceEve_Descricao", u"AceiteDigitalEventos", latest))));
  const char16_t* date_names[] = {u"vAssinante2DataAceite", u"vTestemunha1DataAceite",
                                  u"vTestemunha2DataAceite"};
  for (int type = 1; type <= 3; ++type) {
    const Variant when = known ? witness(conn, code, type, u"DataHoraAceite") : Variant();
    table.add(date_names[type - 1], Variant(formatted(when, kDateTime)));
  }
  for (int type = 2; type <= 3; ++type) {
    const Text n = CStr(Variant(type - 1));
    const Variant cpf = known ? witness(conn, code, type, u"CPFInformado") : Variant();
    const Variant name = known ? witness(conn, code, type, u"NomeInformado") : Variant();
    table.add(u"vTestemunha" + n + u"CPF", Variant(key_text(cpf)));
    table.add(u"vTestemunha" + n + u"Nome", Variant(key_text(name)));
  }
}

void add_acceptance_record(const Variant& conn, PlaceholderTable& table, const Variant& id_aceite) {
  Variant code;
  if (!key_text(id_aceite).empty()) {
    code = funcs::Dlookup(conn, u"Ace_Codigo", u"AceiteDigital",
                          u"Ace_Link='" + key_text(id_aceite) + u"'");
  }
  // Without an acceptance the record is read empty: its placeholders are blanked.
  const Text key = key_text(code).empty() ? Text(u"Null") : key_text(code);
  db::RecordsetPtr rs =
      db::open_recordset(conn, u"Select * From AceiteDigital Where Ace_Codigo=" + key,
                         db::CursorType::Static, db::LockType::ReadOnly);
  AdicionaCamposLista(*rs, u"ACT.", table, 1);
  digital_acceptance_routine(conn, table, code);
}

}  // namespace orvane::docgen
