// The contract end to end: the demo database, the templates built from demo/templates (the
// standard ".dll" names among them), both suites, PDFs read back with pdftotext. Each
// conversion costs a second or so: every test checks what it can on one produced document.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cctype>
#include <filesystem>
#include <regex>

#include "component/registry.h"
#include "core/convert.h"
#include "docgen/contract/contract.h"
#include "platform/db/db.h"
#include "testing/documents.h"
#include "testing/s3rver.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

namespace fs = std::filesystem;
using orvane::testing::pdf_text;
using orvane::testing::read_file;
using orvane::testing::RecordingContext;
using orvane::testing::TempDir;

const fs::path kTemplates = fs::path(ORVANE_BINARY_DIR) / "demo" / "templates";

// Placeholders left in a document: a record prefix or a computed name followed by letters.
std::vector<std::string> leftovers(const std::string& text) {
  static const std::regex kPlaceholder(
      R"((\b(Cli|Contr|EMP|GR|ACT|VEI|POSTO|CANC)\.[A-Za-z])|(\bv[A-Z][A-Za-z0-9]{3,}))");
  std::vector<std::string> out;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), kPlaceholder);
       it != std::sregex_iterator(); ++it) {
    out.push_back(text.substr(it->position(), 30));
  }
  return out;
}

class ContractDocuments : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    shared_ = new TempDir();
    orvane::testing::demo_database(*shared_);
    // One temporary folder for the whole process: the converter keeps its files there.
    fs::create_directories(shared_->path() / "tmp");
    setenv("TMPDIR", (shared_->str() + "tmp/").c_str(), 1);
    // The host's contracts folder, with templates of its own.
    fs::create_directories(shared_->path() / "contratos");
    for (const char* name : {"Contrato.odt", "Contrato.docx"}) {
      fs::copy_file(kTemplates / name, shared_->path() / "contratos" / name,
                    fs::copy_options::overwrite_existing);
    }
  }
  static void TearDownTestSuite() {
    delete shared_;
    shared_ = nullptr;
  }
  void SetUp() override {
    if (!fs::exists(kTemplates / "Contract.dll")) GTEST_SKIP() << "templates not built";
  }

  struct Run {
    Text result, contrato;
    std::vector<ui::Message> messages;
    std::string path() const { return to_utf8(result); }
  };
  Run run(Route member, int32_t customer, const char* contrato, ContractArguments a = {},
          HostSettings settings = {}, const std::string& database = "demo.db") {
    RecordingContext rec(settings);
    auto conn = db::as_variant(db::open_connection(from_utf8(shared_->str() + database), rec.ctx));
    a.path_orvane = from_utf8(kTemplates.string());
    a.pasta_contratos = from_utf8(shared_->str() + "contratos");
    a.cod_cliente = customer;
    if (a.cod_unidade == 0) a.cod_unidade = 301;
    if (a.cod_empresa == 0) a.cod_empresa = 1;
    Run r;
    r.contrato = from_utf8(contrato);
    r.result = member == Route::Word ? GeraContrato(rec.ctx, conn, a, r.contrato)
                                     : GeraContratoOpen(rec.ctx, conn, a, r.contrato);
    r.messages = rec.sink->messages();
    return r;
  }
  static std::string folder(const char* unit_folder) { return shared_->str() + unit_folder + "/"; }
  static std::string tmp() { return shared_->str() + "tmp/"; }

  static inline TempDir* shared_ = nullptr;
};

#define EXPECT_CLEAN(r) ASSERT_TRUE((r).messages.empty()) << to_utf8((r).messages[0].text)

TEST_F(ContractDocuments, WordContractNamedAfterTheCustomerNeverOverwritten) {
  const std::string first =
      folder("Documentos Campinas") + "0001042-Ana LUcia Bertolini Cardoso.pdf";
  Run r = run(Route::Word, 1042, "Contract.dll");
  EXPECT_CLEAN(r);
  EXPECT_EQ(r.path(), first);
  EXPECT_EQ(r.contrato, r.result);
  const std::string text = pdf_text(first);
  for (const char* expected :
       {"CT-301-2025-0117", "ANA LÚCIA BERTOLINI CARDOSO", "Telefone, GPRS e Internet/IP",
        "R$ 264,70 (Duzentos e sessenta e quatro reais e setenta centavos)",
        "vigora por 36 (Trinta e seis) meses", "até 09/04/2028", "IGP-M (FGV)",
        "CAMPINAS, 10 de Março de 2025", "[X] Débito automático no banco Itaú Unibanco",
        "elege como horário diário do teste as 08:00 horas, tendo optado pelo sistema de "
        "comunicação VIA GPRS"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
  EXPECT_EQ(leftovers(text), std::vector<std::string>{}) << text;

  // The same call again through the command line: a "(1)" copy, the first file untouched.
  const std::string before = read_file(first);
  auto cli = orvane::testing::run_command(
      "TMPDIR='" + tmp() + "' " + orvane::testing::orvane_bin() + " call --db '" + shared_->str() +
      "demo.db' GeraDocsOrvane GeraContrato @conn '" + kTemplates.string() + "' '" +
      shared_->str() +
      "contratos' @long:301 @long:1 @long:1042 @str:Contract.dll @bool:false @int:0");
  ASSERT_EQ(cli.status, 0) << cli.err;
  EXPECT_EQ(cli.out,
            folder("Documentos Campinas") + "0001042-Ana LUcia Bertolini Cardoso(1).pdf\n");
  EXPECT_EQ(read_file(first), before);
}

TEST_F(ContractDocuments, KeepWordByUnitAndForcePdf) {
  // Unit 298 never keeps Word whatever setting 84 says; 299 does; ForçaPDF overrides it.
  ContractArguments a;
  a.cod_unidade = 298;
  Run below = run(Route::Word, 1057, "Contract.dll", a);
  EXPECT_CLEAN(below);
  EXPECT_EQ(below.path(),
            folder("Documentos Sumare") + "0001057-PADARIA E CONFEITARIA SANTA EDWIGES LTDA.pdf");
  a.cod_unidade = 299;
  Run kept = run(Route::Word, 1057, "Contract.dll", a);
  EXPECT_CLEAN(kept);
  EXPECT_EQ(kept.path(), folder("Documentos Hortolandia") +
                             "0001057-PADARIA E CONFEITARIA SANTA EDWIGES LTDA.doc");
  EXPECT_EQ(read_file(kept.path()).substr(0, 4), std::string("\xD0\xCF\x11\xE0", 4));
  a.forca_pdf = true;
  Run forced = run(Route::Word, 1057, "Contract.dll", a);
  EXPECT_CLEAN(forced);
  EXPECT_EQ(forced.path(), folder("Documentos Hortolandia") +
                               "0001057-PADARIA E CONFEITARIA SANTA EDWIGES LTDA.pdf");
}

TEST_F(ContractDocuments, WriterStandardNamesCarryTheirTypeWord) {
  Run contract = run(Route::Writer, 1057, "Contract.dll");
  EXPECT_CLEAN(contract);
  EXPECT_EQ(contract.path(), folder("Documentos Campinas") +
                                 "0001057-PADARIA E CONFEITARIA SANTA EDWIGES LTDA-CONTRATO.pdf");
  const std::string text = pdf_text(contract.path());
  EXPECT_NE(text.find("itens 4.3, 4.5 e 4.4 desta cláusula"), std::string::npos) << text;
  EXPECT_NE(text.find("13 (Treze) parcelas anuais"), std::string::npos) << text;
  EXPECT_EQ(leftovers(text), std::vector<std::string>{}) << text;

  Run distrato = run(Route::Writer, 1057, "ContractD.dll");
  EXPECT_CLEAN(distrato);
  EXPECT_EQ(distrato.path(), folder("Documentos Campinas") +
                                 "0001057-PADARIA E CONFEITARIA SANTA EDWIGES LTDA-DISTRATO.pdf");
  const std::string canc = pdf_text(distrato.path());
  for (const char* expected :
       {"880013/3", "15/02/2027", "Total do distrato: R$ 692,29",
        "no mês de novembro: R$ 93,19 (Noventa e tres reais e dezenove centavos)",
        "parcelada em três vezes"}) {
    EXPECT_NE(canc.find(expected), std::string::npos) << expected << "\n" << canc;
  }
  EXPECT_EQ(leftovers(canc), std::vector<std::string>{}) << canc;
}

TEST_F(ContractDocuments, WriterTemplateOfTheContractsFolderKeptAsOdt) {
  // Handed over for its "odt"; not a standard name, so no type word; unit 299 keeps the
  // Writer document itself. The name drops what a file name cannot hold.
  ContractArguments a;
  a.cod_unidade = 299;
  Run r = run(Route::Word, 1160, "Contrato.odt", a);
  EXPECT_CLEAN(r);
  EXPECT_EQ(r.path(), folder("Documentos Hortolandia") +
                          "0001160-CONDOMINIO EDIFICIO SAO JOSEBLOCO B RESIDENCIAL -.odt");
  const auto lines = orvane::testing::paragraphs(r.path());
  std::string all;
  for (const std::string& l : lines) all += l + "\n";
  EXPECT_NE(all.find("a cada 1 (uma) hora"), std::string::npos) << all;
  EXPECT_NE(all.find("R$ 338,78"), std::string::npos) << all;  // ISS and INSS withheld
  EXPECT_NE(all.find("Jorge Luís Nakamura"), std::string::npos) << all;
  EXPECT_EQ(leftovers(all), std::vector<std::string>{}) << all;
}

TEST_F(ContractDocuments, QuenzoUnitsMarkTheContractUnsigned) {
  Run r = run(Route::Word, 1161, "Contrato.docx", ContractArguments{.cod_unidade = 634});
  EXPECT_CLEAN(r);
  EXPECT_EQ(r.path(), folder("Documentos Piracicaba") +
                          "0001161-CLINICA ODONTOLOGICA SORRISO PLENO LTDA.pdf");
  auto conn = db::open_connection(from_utf8(shared_->str() + "demo.db"));
  auto rs =
      conn->execute(u"Select Assinado, Assinatura From ClientesContratos Where CodCliente=1161");
  EXPECT_FALSE(rs->field(u"Assinado").boolean());
  EXPECT_TRUE(rs->field(u"Assinatura").is_null());
  // Other units leave the record alone.
  EXPECT_TRUE(conn->execute(u"Select Assinado From ClientesContratos Where CodCliente=1042")
                  ->field(u"Assinado")
                  .boolean());
}

TEST_F(ContractDocuments, BadInputGivesTheGenericMessageAndNoFile) {
  const fs::path out = shared_->path() / "Documentos Campinas";
  auto count_files = [&] {
    return fs::exists(out) ? std::distance(fs::directory_iterator(out), fs::directory_iterator())
                           : 0;
  };
  const auto before = count_files();
  struct Case {
    int32_t customer;
    const char* contrato;
    const char* filter;
  };
  for (const Case& c :
       {Case{4242, "Contract.dll", ""}, Case{9001, "Contract.dll", ""},
        Case{1042, "Nenhum.docx", ""}, Case{1042, "Contract.dll", "Orçamentos.NaoExiste=1"}}) {
    ContractArguments a;
    a.filtro_orc = T(c.filter);
    Run r = run(Route::Word, c.customer, c.contrato, a);
    EXPECT_EQ(r.result, u"") << c.customer << " " << c.contrato;
    ASSERT_EQ(r.messages.size(), 1u) << c.customer << " " << c.contrato;
    EXPECT_EQ(to_utf8(r.messages[0].text).rfind("Ocorreu um erro ao processar o arquivo:", 0), 0u)
        << to_utf8(r.messages[0].text);
  }
  EXPECT_EQ(count_files(), before);

  HostSettings none;
  none.without_word = true;
  none.without_writer = true;
  Run word = run(Route::Word, 1042, "Contract.dll", {}, none);
  ASSERT_EQ(word.messages.size(), 1u);
  EXPECT_EQ(word.messages[0].text,
            T("Não é possível gerar o contrato pois não há Word instalado na máquina!"));
  Run writer = run(Route::Writer, 1042, "Contract.dll", {}, none);
  ASSERT_EQ(writer.messages.size(), 1u);
  EXPECT_EQ(writer.messages[0].text, T("Não é possível gerar o contrato pois não há Writer "
                                       "(OpenOffice) instalado na máquina!"));
}

// Every list and table the contract fills stands in one of its templates.
TEST_F(ContractDocuments, TemplatesHoldEveryListAndTable) {
  std::string sources;
  for (const char* name : {"Contrato", "ContratoAnexo1", "ContratoComodato", "Distrato"}) {
    sources += read_file(fs::path(ORVANE_SOURCE_DIR) / "demo" / "templates" /
                         (std::string(name) + ".fodt"));
  }
  RecordingContext rec;
  auto conn = db::as_variant(db::open_connection(from_utf8(shared_->str() + "demo.db"), rec.ctx));
  ContractArguments a{.cod_unidade = 301, .cod_empresa = 1, .cod_cliente = 1042};
  Text layout = u"Contract.dll";
  Generation g(rec.ctx, conn, 301, 1, layout, false, 0);
  const DocumentData d = read_contract(g, a);
  // A list stands on its own or ends a phrase (a one-line list).
  auto stands = [&](const std::string& name) {
    for (size_t at = sources.find(name); at != std::string::npos; at = sources.find(name, at + 1)) {
      const char next = sources[at + name.size()];
      if (!std::isalnum(static_cast<unsigned char>(next)) && next != '_') return true;
    }
    return false;
  };
  size_t names = 0;
  for (const ListLines& l : d.lists.all()) {
    EXPECT_TRUE(stands(to_utf8(l.placeholder()))) << to_utf8(l.placeholder());
    ++names;
  }
  for (const TableContent& t : d.tables) {
    EXPECT_NE(sources.find(">" + to_utf8(t.placeholder) + "<"), std::string::npos)
        << to_utf8(t.placeholder);
    ++names;
  }
  EXPECT_GE(names, 88u);  // lists and tables of the contract
}

TEST_F(ContractDocuments, WordDocumentsShowTheListsAndTables) {
  struct Case {
    int32_t customer, unit, company;
    const char* contrato;
    std::vector<const char*> expected;
  };
  const Case cases[] = {
      {1042,
       301,
       1,
       "ContratoComodato.docx",
       {"Total de SENSORES:", "R$ 4.457,40", "GRAVADOR DIGITAL MHDX 1108 8 CANAIS",
        "Cedidos sem cobrança", "Locado"}},
      {1042,
       301,
       1,
       "Contrato.docx",
       {"MONITORAMENTO MENSAL", "R$ 1.438,52", "Thor2026", "ENTRADA R$ 263,63",
        "1 + 2 (UMA MAIS DUAS) PARCELAS", "APLICATIVO DE CELULAR (ARME/DESARME)",
        "Equipamentos cedidos em comodato"}},
      {1063,
       740,
       2,
       "ContratoAnexo1.docx",
       {"89551093144010233816", "PORTARIA GALPÃO 3", "R$ 9.450,00",
        "Valor Mensal Rastreamento: R$ 233,80", "Rastreador 861585040124018 (ST340)",
        "(31) 99702-5540", "R$ 186,36"}},
  };
  for (const Case& c : cases) {
    ContractArguments a;
    a.cod_unidade = c.unit;
    a.cod_empresa = c.company;
    fs::copy_file(kTemplates / c.contrato, shared_->path() / "contratos" / c.contrato,
                  fs::copy_options::overwrite_existing);
    Run r = run(Route::Word, c.customer, c.contrato, a);
    EXPECT_CLEAN(r);
    const std::string text = pdf_text(r.path());
    for (const char* expected : c.expected) {
      EXPECT_NE(text.find(expected), std::string::npos) << c.contrato << ": " << expected << "\n"
                                                        << text;
    }
    EXPECT_EQ(leftovers(text), std::vector<std::string>{}) << c.contrato;
  }
}

TEST_F(ContractDocuments, WriterDocumentsShowTheListsAndTables) {
  // Unit 299 keeps the Writer document itself: read back without a conversion.
  for (int32_t customer : {1042, 1063}) {
    for (const char* contrato : {"Contrato.odt", "ContratoAnexo1.odt", "ContratoComodato.odt"}) {
      fs::copy_file(kTemplates / contrato, shared_->path() / "contratos" / contrato,
                    fs::copy_options::overwrite_existing);
      ContractArguments a;
      a.cod_unidade = 299;
      Run r = run(Route::Writer, customer, contrato, a);
      EXPECT_CLEAN(r);
      std::string all;
      for (const std::string& l : orvane::testing::paragraphs(r.path())) all += l + "\n";
      EXPECT_EQ(leftovers(all), std::vector<std::string>{}) << contrato << "\n" << all;
      if (customer == 1063 && std::string(contrato) == "ContratoAnexo1.odt") {
        EXPECT_NE(all.find("Placa: SHX2J90 - Marca/Modelo: SCANIA/R 450 A6X2NA"), std::string::npos)
            << all;
        EXPECT_NE(all.find("QPD4F21\tVOLVO/FH 540 6X4\t861585040123456"), std::string::npos) << all;
        // Tables are Writer tables.
        EXPECT_GE(orvane::testing::count_nodes(r.path(), "//table:table"), 10u);
      }
      if (customer == 1042 && std::string(contrato) == "ContratoComodato.odt") {
        EXPECT_NE(all.find("Total de CÂMERAS:"), std::string::npos) << all;
        EXPECT_NE(all.find("001014\tBOTÃO DE PÂNICO SEM FIO XAP 8000\t1,0\tUN"), std::string::npos)
            << all;
      }
    }
  }
}

TEST_F(ContractDocuments, StorageSwitchFetchesTheTemplateAndStoresTheContract) {
  orvane::testing::S3rver s3;
  if (s3.absent()) GTEST_SKIP() << s3.problem();
  ASSERT_TRUE(s3.running()) << s3.problem();
  const std::string database = "s3.db";
  fs::copy_file(shared_->path() / "demo.db", shared_->path() / database,
                fs::copy_options::overwrite_existing);
  db::open_connection(from_utf8(shared_->str() + database))
      ->execute(
          from_utf8("Update Unidades Set S3Ativo=1, UrlAmbienteS3='" + s3.endpoint() +
                    "', ChaveAcessoS3='S3RVER', ChaveSecretS3='S3RVER' Where CodUnidade=299"));
  // The store holds the unit's own version of the template, under the contracts folder's key;
  // the contracts folder itself has no such file.
  const std::string key = shared_->str() + "contratos/Contrato da Unidade.odt";
  ObjectPtr store = component::create_object(u"Tesmar.Orvane.OrvaneArquivos", nullptr);
  call(store, u"SalvarArquivo",
       {Variant(from_utf8(s3.endpoint())), Variant(Text(u"S3RVER")), Variant(Text(u"S3RVER")),
        Variant(from_utf8(key)), Variant(from_utf8((kTemplates / "Distrato.odt").string()))});

  ContractArguments a;
  a.cod_unidade = 299;  // keeps the Writer document: no conversion needed here
  Run r = run(Route::Word, 1057, "Contrato da Unidade.odt", a, {}, database);
  EXPECT_CLEAN(r);
  const std::string name = "0001057-PADARIA E CONFEITARIA SANTA EDWIGES LTDA-.odt";
  // Beside the working copy, without a counter, and stored in the unit's storage.
  EXPECT_EQ(fs::path(r.path()).filename(), name);
  EXPECT_EQ(fs::path(r.path()).parent_path(), fs::path(tmp()).parent_path());
  std::string all;
  for (const std::string& l : orvane::testing::paragraphs(r.path())) all += l + "\n";
  EXPECT_NE(all.find("TERMO DE DISTRATO"), std::string::npos) << all;
  const Variant stored =
      call(store, u"ObterArquivo",
           {Variant(from_utf8(s3.endpoint())), Variant(Text(u"S3RVER")), Variant(Text(u"S3RVER")),
            Variant(from_utf8(shared_->str() + "Arquivos Hortolandia/" + name))});
  ASSERT_FALSE(CStr(stored).empty());
  EXPECT_EQ(read_file(to_utf8(CStr(stored))), read_file(r.path()));
}

}  // namespace
}  // namespace orvane::docgen
