#include "docgen/trip_sheet.h"

#include "core/convert.h"
#include "docgen/pipeline.h"
#include "docgen/placeholders.h"
#include "docgen/substitution.h"

namespace orvane::docgen {
namespace {

constexpr int32_t kTableRows = 1000;

// The text the host language makes of `a & b` with a field that may be Null.
Text key_text(const Variant& v) { return v.is_null() ? Text() : CStr(v); }

Text missing_suite_message(Route route) {
  return route == Route::Word
             ? T("Não é possível gerar a impressão do checklist pois não há Word instalado na "
                 "máquina!")
             : T("Não é possível gerar a impressão do checklist pois não há Writer (OpenOffice) "
                 "instalado na máquina!");
}

}  // namespace

TripSheetData read_trip_sheet(const Variant& connorvane, int32_t cod_desloca) {
  auto open = [&](TextView sql) {
    return db::open_recordset(connorvane, sql, db::CursorType::Static, db::LockType::ReadOnly);
  };
  TripSheetData d{make_placeholder_table(kTableRows), 0, Variant()};
  db::RecordsetPtr trip = open(
      Text(u"Select *, ") +
      T("Isnull((Select Nome From Clientes Where CodCliente=VeículosDeslocamentos.Cliente),'') "
        "As NomeCliente, ") +
      T("(Select Rtrim(Isnull(Descreve,'')) From DadosEntidades Where "
        "CodInterno=VeículosDeslocamentos.CodMotivo) As DescMotivo ") +
      T("From VeículosDeslocamentos ") + u"Where CodInterno=" + CStr(Variant(cod_desloca)));
  AdicionaCamposLista(*trip, u"Des.", d.table, d.counter, 1);

  db::RecordsetPtr vehicle =
      open(T("Select * From Veículos Where CodVeículo=") + key_text(trip->field(u"Viatura")));
  AdicionaCamposLista(*vehicle, u"Vei.", d.table, d.counter, 1);

  db::RecordsetPtr driver = open(Text(u"SELECT * From Condutores Where CodCondutor=") +
                                 key_text(trip->field(u"Condutor")));
  AdicionaCamposLista(*driver, u"Con.", d.table, d.counter, 1);

  d.observacao = trip->field(T("Observação"));
  return d;
}

void substitute_trip_sheet_word(const ObjectPtr& word, const TripSheetData& data) {
  // The observation may exceed what Word replaces at once: typed whole first.
  word_long_text_pass(word, T("Des.Observação"), Variant(key_text(data.observacao)));
  word_table_pass(word, data.table, data.counter);
}

void substitute_trip_sheet_writer(const ObjectPtr& document, const ObjectPtr& replace_descriptor,
                                  const TripSheetData& data) {
  writer_table_pass(document, replace_descriptor, data.table, data.counter);
}

Text GeraDeslocamentoViatura(const ContextPtr& ctx, const Variant& connorvane, int32_t cod_unidade,
                             int32_t /*cod_empresa: not read*/, int32_t cod_desloca, Text& layout,
                             bool visualiza, int16_t copias) {
  Generation g(ctx, connorvane, cod_unidade, layout, visualiza, copias);
  functions(g);
  create_unit_document_folder(g);
  try {
    make_working_copy(g, true);
    TripSheetData data = read_trip_sheet(g.conn, cod_desloca);

    const Route route = choose_suite(g.layout);
    if (!check_suite(g, route, missing_suite_message(route))) return Text();
    open_working_copy(g, route);

    if (route == Route::Word) {
      substitute_trip_sheet_word(g.word, data);
      finish_word(g, save_word_output(g));
    } else {
      substitute_trip_sheet_writer(g.document, g.replace_descriptor, data);
      store_writer_pdf(g);
      finish_writer(g);
    }
    return g.layout;
  } catch (...) {
    report_failure(g, current_error(), word_429_message());
    return Text();
  }
}

}  // namespace orvane::docgen
