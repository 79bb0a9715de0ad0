#include "docgen/contract/contract.h"

#include <algorithm>

#include "core/convert.h"
#include "core/format.h"
#include "docgen/contract/lists.h"
#include "docgen/contract/queries.h"
#include "docgen/frame/apply.h"
#include "docgen/frame/substitution.h"
#include "docgen/frame/values.h"
#include "docgen/gera_docs_orvane.h"
#include "funcs/aggregates.h"
#include "funcs/files.h"
#include "funcs/textclean.h"
#include "funcs/unitchecks.h"
#include "platform/os/files.h"

namespace orvane::docgen {
namespace {

const GeneratorDeclaration& declaration() {
  static const GeneratorDeclaration d{
      .word_member = u"GeraContrato",
      .writer_member = u"GeraContratoOpen",
      .hands_over = ends_in_odt,
      .word_missing = T("Não é possível gerar o contrato pois não há Word instalado na máquina!"),
      .writer_missing = T("Não é possível gerar o contrato pois não há Writer (OpenOffice) "
                          "instalado na máquina!"),
      .writer_tables = true,
      .writer_429_names_writer = true,
      .failure_quits_word = true,
      .failure_closes_writer = true,
  };
  return d;
}

// Units below this one never keep the contract as a Word document.
constexpr int32_t kFirstUnitKeepingWord = 299;
// Keep the contract as a Word (or Writer) document instead of a PDF.
constexpr int32_t kKeepWordSetting = 84;
// How many characters of the customer's name the output name takes.
constexpr long kNameCharacters = 50;

// A file in a folder given by the host ("PathOrvane" + "\" + name), with the platform's
// separator.
Text in_folder(TextView folder, TextView name) { return Text(folder) + u"/" + Text(name); }

class Contract : public Generator {
 public:
  explicit Contract(const ContractArguments& a) : a_(a) {}

  // Template resolution: a standard name is taken from the installation folder, any other
  // from the contracts folder; a unit that stores its files fetches it from its storage; a
  // name found nowhere falls back to the installation folder. The working copy goes to the
  // temporary folder (on Writer under the standard template's working-copy name).
  void make_working_copy(Generation& g) override {
    const Text name = funcs::SeparaArquivo(g.layout, true);
    standard_ = standard_template(name, g.route);
    g.layout = in_folder(standard_ ? a_.path_orvane : a_.pasta_contratos, name);
    storage_ = storage_switch(g);
    if (storage_) {
      Text folder = funcs::SeparaArquivo(g.layout, false);
      Text fetched = g.layout;
      funcs::ManipulaArqsAbreArquivos(g.ctx, g.conn, g.unit, name, u"", fetched, folder, false);
      g.layout = fetched;
    }
    if (!os::file_exists(g.layout)) g.layout = in_folder(a_.path_orvane, name);
    const bool writer_name = standard_ && g.route == Route::Writer;
    copy_to_temporary_folder(g, writer_name ? standard_->working_copy : name);
  }

  // Units below 299 never keep Word; the others as setting 84 says, unless ForçaPDF.
  bool keep_word(Generation& g) override {
    if (a_.forca_pdf || g.unit < kFirstUnitKeepingWord) return false;
    return setting_number(unit_setting(g.conn, kKeepWordSetting, g.unit, u"Descreve")) != 0;
  }

  DocumentData read(Generation& g) override {
    DocumentData d = read_contract(g, a_);
    customer_name_ = key_text(funcs::Dlookup(g.conn, u"Nome", u"Clientes",
                                             u"CodCliente=" + CStr(Variant(a_.cod_cliente))));
    return d;
  }

  void apply_word(Generation& g, DocumentData& d) override { apply_contract_word(g, d); }
  void apply_writer(Generation& g, DocumentData& d) override { apply_contract_writer(g, d); }

  // Units of this customer group mark the contract unsigned once it is filled.
  void after_fill(Generation& g) override {
    if (!funcs::TestaQuenzo(g.unit)) return;
    db::connection_of(g.conn)->execute(
        contract_sql::unsigned_contract(CStr(Variant(a_.cod_cliente))));
  }

  // The customer's code and name (and on Writer the template's type word), cleaned for the
  // file system: in the unit document folder with a "(n)" counter that never overwrites an
  // earlier contract, or, for a unit that stores its files, beside the working copy.
  Text output_path(Generation& g, OutputKind kind) override {
    const Text extension = kind == OutputKind::Pdf   ? Text(u".pdf")
                           : kind == OutputKind::Doc ? Text(u".doc")
                                                     : Text(u".odt");
    Text stem = CStr(Format(Variant(a_.cod_cliente), u"0000000")) + u"-" +
                vb::Left(funcs::TiraAcento(customer_name_), kNameCharacters);
    if (g.route == Route::Writer) stem += u"-" + (standard_ ? standard_->type_word : Text());
    const Text name = funcs::LimpaArquivo(stem + extension);
    if (storage_) return funcs::SeparaArquivo(g.layout, false) + name;
    const Text clean_stem = vb::Left(name, vb::Len(name) - vb::Len(extension));
    return free_file_name(unit_document_folder(g) + clean_stem, extension);
  }

  OutputKind writer_output(Generation& g) override {
    return g.keep_word ? OutputKind::Odt : OutputKind::Pdf;
  }

  // A unit that stores its files keeps the contract in its storage too.
  void after_save(Generation& g) override {
    if (!storage_) return;
    Text folder;
    funcs::ManipulaArqsCopiaArquivos(g.ctx, g.conn, g.unit, g.layout, u"", folder);
  }

 private:
  const ContractArguments& a_;
  const StandardTemplate* standard_ = nullptr;
  bool storage_ = false;
  Text customer_name_;
};

Generation generation(const ContextPtr& ctx, const Variant& conn, const ContractArguments& a,
                      Text& contrato) {
  return Generation(ctx, conn, a.cod_unidade, a.cod_empresa, contrato, a.visualiza, a.copias,
                    a.forca_pdf);
}

// The tables go in longest placeholder first: a placeholder that begins another is removed
// from the document (as a substring) once its table is in.
std::vector<Text> tables_longest_first(const DocumentData& d) {
  std::vector<Text> names;
  for (const TableContent& t : d.tables) names.push_back(t.placeholder);
  std::stable_sort(names.begin(), names.end(),
                   [](const Text& a, const Text& b) { return a.size() > b.size(); });
  return names;
}

}  // namespace

const std::vector<StandardTemplate>& standard_templates() {
  static const std::vector<StandardTemplate> k = {
      {u"Contract.dll", u"Contrato.odt", u"CONTRATO"},
      {u"ContractN.dll", u"Contrato.odt", u"CONTRATO"},
      {u"ContractNRent.dll", u"Contrato.odt", u"CONTRATO"},
      {u"ContractRentClient.dll", u"Contrato.odt", u"CONTRATO"},
      {u"ContractD.dll", u"Distrato.odt", u"DISTRATO"},
      {u"ContractAttach1.dll", u"ContratoAnexo1.odt", u"ANEXO I"},
      {u"ContractRent.dll", u"ContratoComodato.odt", u"LOCACAO"},
      {u"ContractFence.dll", u"ContratoCerca.odt", T("CERCA ELÉTRICA")},
      {u"ContractImg.dll", u"ContratoImagens.odt", u"IMAGENS"},
  };
  return k;
}

const StandardTemplate* standard_template(TextView name, Route route) {
  const std::vector<StandardTemplate>& all = standard_templates();
  const size_t known = route == Route::Word ? 4 : all.size();
  for (size_t i = 0; i < known; ++i) {
    if (all[i].name == name) return &all[i];
  }
  return nullptr;
}

// Word: the tables where their placeholders stand, the table pass, the observations typed
// whole, then the lists in the contract's order.
void apply_contract_word(Generation& g, DocumentData& d) {
  insert_word_tables(g.word, d);
  word_table_pass(g.word, d.table);
  type_long_texts(g.word, d.long_texts);
  type_word_lists(g.word, d.lists, contract_word_list_order());
}

// Writer: every list joined into the table (longer names first), the long texts as rows,
// the contract tables at their placeholders, then the table pass.
void apply_contract_writer(Generation& g, DocumentData& d) {
  for (const LongText& t : d.long_texts) d.table.add(t.placeholder, t.value);
  add_writer_lists(d.table, d.lists);
  insert_writer_tables(g, d, tables_longest_first(d));
  writer_table_pass(g.document, g.replace_descriptor, d.table);
}

Text GeraContrato(const ContextPtr& ctx, const Variant& connorvane, const ContractArguments& a,
                  Text& contrato) {
  Generation g = generation(ctx, connorvane, a, contrato);
  Contract c(a);
  return run_word_member(declaration(), c, g);
}

Text GeraContratoOpen(const ContextPtr& ctx, const Variant& connorvane, const ContractArguments& a,
                      Text& contrato) {
  Generation g = generation(ctx, connorvane, a, contrato);
  Contract c(a);
  return run_writer_member(declaration(), c, g);
}

void add_contract_members(component::MemberTable& t) {
  using component::opt;
  using component::ref;
  const std::vector<component::Param> params = {
      ref(u"Connorvane", VarType::Variant),
      ref(u"PathOrvane", VarType::String),
      ref(u"PastaContratos", VarType::String),
      ref(u"CodUnidade", VarType::Long),
      ref(u"CodEmpresa", VarType::Long),
      ref(u"CodCliente", VarType::Long),
      ref(u"Contrato", VarType::String),
      ref(u"Visualiza", VarType::Boolean),
      ref(T("Cópias"), VarType::Integer),
      opt(T("ForçaPDF"), VarType::Boolean, Variant(false)),
      opt(T("CodVeículo"), VarType::Long, Variant(int32_t{0})),
      opt(u"CodPosto", VarType::Long, Variant(int32_t{0})),
      opt(u"FiltroOrc", VarType::String, Variant(Text())),
      opt(u"DataContrato", VarType::Variant),
      opt(u"vPlaOrc", VarType::Long, Variant(int32_t{0})),
  };
  auto member = [&](const char16_t* name, auto generate, const char* doc) {
    t.method(
        name, params, VarType::String,
        [generate](Object& self, component::Args& a) {
          ContractArguments c;
          c.path_orvane = a[1].text();
          c.pasta_contratos = a[2].text();
          c.cod_unidade = a[3].lng();
          c.cod_empresa = a[4].lng();
          c.cod_cliente = a[5].lng();
          c.visualiza = a[7].boolean();
          c.copias = a[8].integer();
          c.forca_pdf = a[9].boolean();
          c.cod_veiculo = a[10].lng();
          c.cod_posto = a[11].lng();
          c.filtro_orc = a[12].text();
          c.data_contrato = a[13];
          c.v_pla_orc = a[14].lng();
          Text contrato = a[6].text();
          Text result = generate(context_of(self), a[0], c, contrato);
          a[6] = Variant(std::move(contrato));
          return Variant(std::move(result));
        },
        doc);
  };
  member(u"GeraContrato", GeraContrato,
         "the customer's contract as PDF (or .doc); Contrato is written back with its path");
  member(u"GeraContratoOpen", GeraContratoOpen,
         "the customer's contract on Writer as PDF (or .odt); Contrato is written back");
}

}  // namespace orvane::docgen
