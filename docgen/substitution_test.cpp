// The substitution passes, lists and table placeholders on both suites, on a template
// built by LibreOffice from docgen/testdata/, read back from the saved document.
#include "docgen/substitution.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <pugixml.hpp>

#include "component/registry.h"
#include "core/convert.h"
#include "docgen/layouts.h"
#include "docgen/placeholders.h"
#include "platform/office/package.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

namespace fs = std::filesystem;
using orvane::testing::TempDir;

const fs::path kTemplates = fs::path(ORVANE_BINARY_DIR) / "docgen" / "testdata";

const char* kSchema = R"(
CREATE TABLE "Veículos" ("CodVeículo" int PRIMARY KEY, Placa varchar(8), Modelo varchar(60),
  Ano smallint, Ativo bit);
INSERT INTO "Veículos" VALUES (11, 'FZK3J17', 'Strada Endurance', 2022, 1),
  (12, 'GHY6D42', 'Saveiro Robust', 2021, 0), (21, 'RNB1E65', 'Kangoo E-Tech', 2023, 1);
CREATE TABLE Condutores (CodCondutor int PRIMARY KEY, Nome nvarchar(60), CNH varchar(11));
INSERT INTO Condutores VALUES (31, 'Wellington Batista', '04518832197'),
  (32, 'Carlos Nogueira', '05902217460'), (41, 'Wanderson Pacheco', '06233918805');
)";

// The paragraphs of a saved document, in order (table cells included), one per line.
std::vector<std::string> paragraphs(const fs::path& file) {
  office::Package pkg = office::Package::open(file.string());
  const bool odf = file.extension() == ".odt";
  pugi::xml_document xml;
  xml.load_string(pkg.read(odf ? "content.xml" : "word/document.xml").c_str(),
                  pugi::parse_default | pugi::parse_ws_pcdata);
  std::vector<std::string> out;
  const char* para = odf ? "text:p" : "w:p";
  for (pugi::xpath_node p : xml.select_nodes((std::string("//") + para).c_str())) {
    std::string line;
    for (pugi::xpath_node x : p.node().select_nodes(".//node()")) {
      pugi::xml_node n = x.node();
      if (n.type() == pugi::node_pcdata) {
        const std::string parent = n.parent().name();
        if (odf || parent == "w:t") line += n.value();
      } else if (std::string(n.name()) == "text:s") {
        line += std::string(n.attribute("text:c").as_int(1), ' ');
      } else if (std::string(n.name()) == "w:tab" || std::string(n.name()) == "text:tab") {
        line += '\t';
      }
    }
    out.push_back(line);
  }
  return out;
}

::testing::AssertionResult has_line(const std::vector<std::string>& lines, const std::string& l) {
  if (std::find(lines.begin(), lines.end(), l) != lines.end()) return ::testing::AssertionSuccess();
  std::string all;
  for (const auto& x : lines) all += "[" + x + "]\n";
  return ::testing::AssertionFailure() << "no line [" << l << "] in\n" << all;
}

size_t count_nodes(const fs::path& file, const char* xpath) {
  office::Package pkg = office::Package::open(file.string());
  pugi::xml_document xml;
  xml.load_string(
      pkg.read(file.extension() == ".odt" ? "content.xml" : "word/document.xml").c_str());
  return xml.select_nodes(xpath).size();
}

class Suites : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kTemplates / "Listas e Tabelas.docx")) GTEST_SKIP() << "templates not built";
    std::string file = dir_.str() + "frota.db";
    db::create_database(from_utf8(file))->run_script(from_utf8(kSchema));
    conn_ = db::open_connection(from_utf8(file), ctx_.ctx);
    funcs_ = component::create_object(u"FuncoesOrvane", ctx_.ctx);
  }

  // The test template copied into the scratch folder and opened in Word.
  ObjectPtr open_word() {
    fs::copy_file(kTemplates / "Listas e Tabelas.docx", dir_.path() / "lista.docx");
    ObjectPtr word = component::create_object(u"Word.Application", ctx_.ctx);
    call(word, u"ChangeFileOpenDirectory", {Variant(from_utf8(dir_.str()))});
    call(as_object(get(word, u"Documents")), u"Open", {Variant(Text(u"lista.docx"))});
    return word;
  }
  fs::path save_word(const ObjectPtr& word) {
    fs::path out = dir_.path() / "saida.docx";
    call(as_object(get(word, u"ActiveDocument")), u"SaveAs",
         {Variant(from_utf8(out.string())), Variant(int32_t{16})});
    call(word, u"Quit", {Variant(false)});
    return out;
  }

  struct Writer {
    ObjectPtr document, descriptor, cursor;
  };
  Writer open_writer() {
    fs::copy_file(kTemplates / "Listas e Tabelas.odt", dir_.path() / "lista.odt");
    ObjectPtr sm = component::create_object(u"com.sun.star.ServiceManager", ctx_.ctx);
    ObjectPtr desktop =
        as_object(call(sm, u"createInstance", {Variant(Text(u"com.sun.star.frame.Desktop"))}));
    Variant url = call(funcs_, u"ConvertToUrl", {Variant(from_utf8(dir_.str() + "lista.odt"))});
    Writer w;
    w.document = as_object(
        call(desktop, u"loadComponentFromURL",
             {url, Variant(Text(u"_blank")), Variant(int32_t{0}), Variant(Array::of({}, 0))}));
    w.descriptor = as_object(call(w.document, u"createReplaceDescriptor"));
    w.cursor = as_object(call(as_object(call(w.document, u"GetText")), u"createTextCursor"));
    return w;
  }
  fs::path save_writer(const Writer& w) {
    fs::path out = dir_.path() / "saida.odt";
    Array props({Array::Bound{0, 1}});
    props.at(0) = call(funcs_, u"MakePropertyValue",
                       {Variant(Text(u"FilterName")), Variant(Text(u"writer8"))});
    call(w.document, u"storeToURL",
         {call(funcs_, u"ConvertToUrl", {Variant(from_utf8(out.string()))}), Variant(props)});
    call(w.document, u"close", {Variant(false)});
    return out;
  }

  Array rows(std::vector<std::pair<Text, Variant>> items, int32_t& counter) {
    Array t = make_placeholder_table(1000);
    counter = 0;
    for (auto& [k, v] : items) add_placeholder(t, counter, k, v);
    return t;
  }

  TableLayout vehicles_table() {
    return TableLayout{u"vTabelaViaturas",
                       {{u"Placa", 60.0, field(u"Placa")},
                        {u"Modelo", 200.0, field(u"Modelo", u">")},
                        {u"Ano", std::nullopt, field(u"Ano", u"0000")}},
                       {0.2, 0.75},
                       {}};
  }

  TempDir dir_;
  orvane::testing::RecordingContext ctx_;
  db::ConnectionPtr conn_;
  ObjectPtr funcs_;
};

TEST_F(Suites, WholeWordsOnWordSubstringsOnWriter) {
  int32_t n = 0;
  Array t =
      rows({{u"Des.Cliente", Variant(int32_t{1042})}, {u"Des.Unidade", Variant(Text(u"301"))}}, n);
  ObjectPtr word = open_word();
  word_table_pass(word, t, n);
  auto lines = paragraphs(save_word(word));
  EXPECT_TRUE(has_line(lines, "Cliente: 1042; referência Des.ClienteNome."));
  EXPECT_TRUE(has_line(lines, "Relatório de frota da unidade 301"));

  Writer w = open_writer();
  writer_table_pass(w.document, w.descriptor, t, n);
  lines = paragraphs(save_writer(w));
  EXPECT_TRUE(has_line(lines, "Cliente: 1042; referência 1042Nome."));
}

TEST_F(Suites, WordCutsAtTwoHundredUnlessTypedWhole) {
  const std::string long_text(250, 'x');
  int32_t n = 0;
  Array t = rows({{u"Des.Unidade", Variant(from_utf8(long_text))}}, n);
  ObjectPtr word = open_word();
  word_table_pass(word, t, n);
  auto lines = paragraphs(save_word(word));
  EXPECT_TRUE(
      has_line(lines, std::string("Relatório de frota da unidade ") + std::string(200, 'x')));

  fs::remove(dir_.path() / "lista.docx");
  word = open_word();
  word_long_text_pass(word, u"Des.Unidade", Variant(from_utf8(long_text)));
  word_table_pass(word, t, n);
  lines = paragraphs(save_word(word));
  EXPECT_TRUE(has_line(lines, std::string("Relatório de frota da unidade ") + long_text));
}

TEST_F(Suites, ListsOnWordAndOnWriter) {
  auto rs = db::open_recordset(conn_, u"Select * From Condutores Order By CodCondutor");
  std::vector<ListLayout> layouts = {
      {u"vListaCondutores", {field(u"Nome"), field(u"CNH")}, u"\t", {}},
      {u"vListaRestrita", {field(u"Nome", u">")}, u"", [](const db::Recordset& r) {
         return CLng(r.field(u"CodCondutor")) < 40;
       }}};
  std::vector<ListLines> lists = {ListLines(u"vListaCondutores", 50),
                                  ListLines(u"vListaRestrita", 2)};
  build_lists(*rs, layouts, lists);
  ASSERT_EQ(lists[0].count(), 3);
  ASSERT_EQ(lists[1].count(), 2);
  EXPECT_EQ(lists[1].joined(u"\r\n"), u"WELLINGTON BATISTA\r\nCARLOS NOGUEIRA\r\n");
  // A list is not cut: a third line does not fit in a list of two.
  try {
    lists[1].add(u"mais um");
    FAIL();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 9);
  }

  // Word: the public member, late-bound, types one paragraph per line.
  ObjectPtr word = open_word();
  ObjectPtr docs = component::create_object(u"GeraDocsOrvane", ctx_.ctx);
  word_list(word, lists[0]);
  call(docs, u"DocWordSubstLista",
       {Variant(word), Variant(Text(u"vTabelaBaixadas")), Variant(int32_t{0}),
        Variant(Array::of({}, 1))});
  auto lines = paragraphs(save_word(word));
  auto at = std::find(lines.begin(), lines.end(), "Condutores:");
  ASSERT_NE(at, lines.end());
  ASSERT_GE(lines.end() - at, 5);
  EXPECT_EQ(at[1], "Wellington Batista\t04518832197");
  EXPECT_EQ(at[2], "Carlos Nogueira\t05902217460");
  EXPECT_EQ(at[3], "Wanderson Pacheco\t06233918805");
  EXPECT_EQ(at[4], "Viaturas:");
  EXPECT_TRUE(has_line(lines, "Viaturas baixadas:  "));

  // Writer: the joined lines are an ordinary value of the placeholder table.
  int32_t n = 0;
  Array t = rows({}, n);
  writer_list(t, n, lists[0], u"\r\n");
  Writer w = open_writer();
  writer_table_pass(w.document, w.descriptor, t, n);
  lines = paragraphs(save_writer(w));
  std::string all;
  for (auto& l : lines) all += l + "\n";
  EXPECT_NE(all.find("Wellington Batista\t04518832197"), std::string::npos) << all;
  EXPECT_NE(all.find("Wanderson Pacheco\t06233918805"), std::string::npos) << all;
  EXPECT_EQ(all.find("vListaCondutores"), std::string::npos) << all;
}

TEST_F(Suites, TablePlaceholderOnWord) {
  auto rs = db::open_recordset(conn_, T("Select * From Veículos Order By CodVeículo"));
  auto none = db::open_recordset(conn_, T("Select * From Veículos Where Ativo=5"));
  ObjectPtr word = open_word();
  TableLayout active = vehicles_table();
  active.include = [](const db::Recordset& r) { return r.field(u"Ativo").boolean(); };
  word_table_at_placeholder(word, active, *rs);
  TableLayout gone = vehicles_table();
  gone.placeholder = u"vTabelaBaixadas";
  word_table_at_placeholder(word, gone, *none);
  fs::path out = save_word(word);

  EXPECT_EQ(count_nodes(out, "//w:tbl"), 1u);
  EXPECT_EQ(count_nodes(out, "//w:tbl/w:tr"), 3u);  // headings and the two active vehicles
  EXPECT_GE(count_nodes(out, "//w:tbl/w:tr[1]//w:r[w:rPr/w:b]"), 3u);
  EXPECT_EQ(count_nodes(out,
                        "//w:tbl/w:tr[2]//w:r[w:rPr/w:b[not(@w:val='false') and "
                        "not(@w:val='0')]]"),
            0u);
  auto lines = paragraphs(out);
  for (const char* cell : {"Placa", "Modelo", "Ano", "FZK3J17", "STRADA ENDURANCE", "2022",
                           "RNB1E65", "KANGOO E-TECH", "2023"}) {
    EXPECT_TRUE(has_line(lines, cell)) << cell;
  }
  EXPECT_FALSE(has_line(lines, "GHY6D42"));
  EXPECT_TRUE(has_line(lines, "Viaturas baixadas:  "));
  EXPECT_FALSE(has_line(lines, "vTabelaViaturas"));
}

TEST_F(Suites, TablePlaceholderOnWriter) {
  auto rs = db::open_recordset(conn_, T("Select * From Veículos Order By CodVeículo"));
  auto none = db::open_recordset(conn_, T("Select * From Veículos Where Ativo=5"));
  Writer w = open_writer();
  writer_table_at_placeholder(w.document, w.cursor, w.descriptor, vehicles_table(), *rs);
  TableLayout gone = vehicles_table();
  gone.placeholder = u"vTabelaBaixadas";
  writer_table_at_placeholder(w.document, w.cursor, w.descriptor, gone, *none);
  fs::path out = save_writer(w);

  EXPECT_EQ(count_nodes(out, "//table:table"), 1u);
  EXPECT_EQ(count_nodes(out, "//table:table//table:table-row"), 4u);
  auto lines = paragraphs(out);
  for (const char* cell : {"Placa", "Modelo", "Ano", "FZK3J17", "STRADA ENDURANCE", "2022",
                           "GHY6D42", "RNB1E65", "2023"}) {
    EXPECT_TRUE(has_line(lines, cell)) << cell;
  }
  std::string all;
  for (auto& l : lines) all += l + "\n";
  EXPECT_EQ(all.find("vTabela"), std::string::npos) << all;
  EXPECT_NE(all.find("Viaturas baixadas: "), std::string::npos) << all;
}

}  // namespace
}  // namespace orvane::docgen
