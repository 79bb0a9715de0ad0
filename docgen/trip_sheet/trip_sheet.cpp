#include "docgen/trip_sheet/trip_sheet.h"

#include "core/convert.h"
#include "docgen/frame/pipeline.h"
#include "docgen/frame/substitution.h"
#include "docgen/frame/values.h"
#include "docgen/gera_docs_orvane.h"

namespace orvane::docgen {
namespace {

const GeneratorDeclaration& declaration() {
  static const GeneratorDeclaration d{
      .word_member = u"GeraDeslocamentoViatura",
      .writer_member = u"",
      .hands_over = nullptr,
      .word_missing = T("Não é possível gerar a impressão do checklist pois não há Word "
                        "instalado na máquina!"),
      .writer_missing = T("Não é possível gerar a impressão do checklist pois não há Writer "
                          "(OpenOffice) instalado na máquina!"),
      .data_before_suite = true,
      .writer_tables = false,
      .writer_429_names_writer = false,
      .failure_quits_word = true,
      .failure_closes_writer = false,
  };
  return d;
}

class TripSheet : public Generator {
 public:
  explicit TripSheet(int32_t cod_desloca) : cod_desloca_(cod_desloca) {}

  void make_working_copy(Generation& g) override { working_copy_with_storage_switch(g); }

  DocumentData read(Generation& g) override {
    TripSheetData trip = read_trip_sheet(g.conn, cod_desloca_);
    DocumentData d(0);
    d.table = std::move(trip.table);
    // The observation may exceed what Word replaces at once: typed whole first.
    d.long_texts.push_back({T("Des.Observação"), Variant(key_text(trip.observacao))});
    return d;
  }

  void apply_word(Generation& g, DocumentData& d) override {
    for (const LongText& t : d.long_texts) word_long_text_pass(g.word, t.placeholder, t.value);
    word_table_pass(g.word, d.table);
  }

  void apply_writer(Generation& g, DocumentData& d) override {
    writer_table_pass(g.document, g.replace_descriptor, d.table);
  }

 private:
  int32_t cod_desloca_;
};

}  // namespace

TripSheetData read_trip_sheet(const Variant& connorvane, int32_t cod_desloca) {
  auto open = [&](TextView sql) {
    return db::open_recordset(connorvane, sql, db::CursorType::Static, db::LockType::ReadOnly);
  };
  TripSheetData d;
  db::RecordsetPtr trip = open(
      Text(u"Select *, ") +
      T("Isnull((Select Nome From Clientes Where CodCliente=VeículosDeslocamentos.Cliente),'') "
        "As NomeCliente, ") +
      T("(Select Rtrim(Isnull(Descreve,'')) From DadosEntidades Where "
        "CodInterno=VeículosDeslocamentos.CodMotivo) As DescMotivo ") +
      T("From VeículosDeslocamentos ") + u"Where CodInterno=" + CStr(Variant(cod_desloca)));
  AdicionaCamposLista(*trip, u"Des.", d.table, 1);

  db::RecordsetPtr vehicle =
      open(T("Select * From Veículos Where CodVeículo=") + key_text(trip->field(u"Viatura")));
  AdicionaCamposLista(*vehicle, u"Vei.", d.table, 1);

  db::RecordsetPtr driver = open(Text(u"SELECT * From Condutores Where CodCondutor=") +
                                 key_text(trip->field(u"Condutor")));
  AdicionaCamposLista(*driver, u"Con.", d.table, 1);

  d.observacao = trip->field(T("Observação"));
  return d;
}

void substitute_trip_sheet_word(const ObjectPtr& word, const TripSheetData& data) {
  word_long_text_pass(word, T("Des.Observação"), Variant(key_text(data.observacao)));
  word_table_pass(word, data.table);
}

void substitute_trip_sheet_writer(const ObjectPtr& document, const ObjectPtr& replace_descriptor,
                                  const TripSheetData& data) {
  writer_table_pass(document, replace_descriptor, data.table);
}

Text GeraDeslocamentoViatura(const ContextPtr& ctx, const Variant& connorvane, int32_t cod_unidade,
                             int32_t cod_empresa, int32_t cod_desloca, Text& layout, bool visualiza,
                             int16_t copias) {
  Generation g(ctx, connorvane, cod_unidade, cod_empresa, layout, visualiza, copias);
  TripSheet trip(cod_desloca);
  return run(declaration(), trip, g, choose_suite(layout));
}

void add_trip_sheet_members(component::MemberTable& t) {
  using component::ref;
  t.method(
      u"GeraDeslocamentoViatura",
      {ref(u"Connorvane", VarType::Variant), ref(u"CodUnidade", VarType::Long),
       ref(u"CodEmpresa", VarType::Long), ref(u"CodDesloca", VarType::Long),
       ref(u"Layout", VarType::String), ref(u"Visualiza", VarType::Boolean),
       ref(T("Cópias"), VarType::Integer)},
      VarType::String,
      [](Object& self, component::Args& a) {
        Text layout = a[4].text();
        Text result = GeraDeslocamentoViatura(context_of(self), a[0], a[1].lng(), a[2].lng(),
                                              a[3].lng(), layout, a[5].boolean(), a[6].integer());
        a[4] = Variant(std::move(layout));
        return Variant(std::move(result));
      },
      "the vehicle trip sheet as PDF (or .doc); Layout is written back with its path");
}

}  // namespace orvane::docgen
