// The substitution passes, lists and table placeholders on both suites, on a template
// built by LibreOffice from docgen/testdata/, read back from the saved document.
#include "docgen/frame/substitution.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "component/registry.h"
#include "core/convert.h"
#include "demo/demo_db.h"
#include "docgen/frame/apply.h"
#include "docgen/frame/pipeline.h"
#include "docgen/frame/tables.h"
#include "testing/documents.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

namespace fs = std::filesystem;
using orvane::testing::count_nodes;
using orvane::testing::has_line;
using orvane::testing::paragraphs;
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

  PlaceholderTable rows(std::vector<std::pair<Text, Variant>> items) {
    PlaceholderTable t(1000);
    for (auto& [k, v] : items) t.add(k, v);
    return t;
  }

  static TableLayout vehicles_table(TextView placeholder = u"vTabelaViaturas") {
    return TableLayout{.placeholder = Text(placeholder),
                       .columns = {{u"Placa", 60.0, text(u"Placa")},
                                   {u"Modelo", 200.0, text(u"Modelo", u">")},
                                   {u"Ano", 0, text(u"Ano", u"0000")}},
                       .writer_separators = {0.2, 0.75}};
  }
  ListContext list_context() const { return ListContext{.conn = db::as_variant(conn_)}; }

  TempDir dir_;
  orvane::testing::RecordingContext ctx_;
  db::ConnectionPtr conn_;
  ObjectPtr funcs_;
};

TEST_F(Suites, WholeWordsOnWordSubstringsOnWriter) {
  PlaceholderTable t =
      rows({{u"Des.Cliente", Variant(int32_t{1042})}, {u"Des.Unidade", Variant(Text(u"301"))}});
  ObjectPtr word = open_word();
  word_table_pass(word, t);
  auto lines = paragraphs(save_word(word));
  EXPECT_TRUE(has_line(lines, "Cliente: 1042; referência Des.ClienteNome."));
  EXPECT_TRUE(has_line(lines, "Relatório de frota da unidade 301"));

  Writer w = open_writer();
  writer_table_pass(w.document, w.descriptor, t);
  lines = paragraphs(save_writer(w));
  EXPECT_TRUE(has_line(lines, "Cliente: 1042; referência 1042Nome."));
}

TEST_F(Suites, WordCutsAtTwoHundredUnlessTypedWhole) {
  const std::string long_text(250, 'x');
  PlaceholderTable t = rows({{u"Des.Unidade", Variant(from_utf8(long_text))}});
  ObjectPtr word = open_word();
  word_table_pass(word, t);
  auto lines = paragraphs(save_word(word));
  EXPECT_TRUE(
      has_line(lines, std::string("Relatório de frota da unidade ") + std::string(200, 'x')));

  fs::remove(dir_.path() / "lista.docx");
  word = open_word();
  word_long_text_pass(word, u"Des.Unidade", Variant(from_utf8(long_text)));
  word_table_pass(word, t);
  lines = paragraphs(save_word(word));
  EXPECT_TRUE(has_line(lines, std::string("Relatório de frota da unidade ") + long_text));
}

bool early_driver(const Line& l) { return CLng(l.field(u"CodCondutor")) < 40; }

TEST_F(Suites, ListsOnWordAndOnWriter) {
  auto rs = db::open_recordset(conn_, u"Select * From Condutores Order By CodCondutor");
  const std::vector<ListLayout> layouts = {{.placeholder = u"vListaCondutores",
                                            .columns = {text(u"Nome"), text(u"CNH")},
                                            .capacity = 50},
                                           {.placeholder = u"vListaRestrita",
                                            .columns = {text(u"Nome", u">")},
                                            .filter = early_driver,
                                            .capacity = 2}};
  ListSet lists;
  lists.declare(layouts);
  build_lists(*rs, layouts, lists, list_context());
  ASSERT_EQ(lists[u"vListaCondutores"].count(), 3);
  ASSERT_EQ(lists[u"vListaRestrita"].count(), 2);
  EXPECT_EQ(lists[u"vListaRestrita"].joined(u"\r\n"), u"WELLINGTON BATISTA\r\nCARLOS NOGUEIRA\r\n");
  // A list is not cut: a third line does not fit in a list of two.
  try {
    lists[u"vListaRestrita"].add(u"mais um");
    FAIL();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 9);
  }

  // Word: the public member, late-bound, types one paragraph per line.
  ObjectPtr word = open_word();
  ObjectPtr docs = component::create_object(u"GeraDocsOrvane", ctx_.ctx);
  const ListLines& drivers = lists[u"vListaCondutores"];
  DocWordSubstLista(Variant(word), Variant(drivers.placeholder()), Variant(drivers.count()),
                    drivers.lines_variant());
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
  PlaceholderTable t = rows({{drivers.placeholder(), Variant(drivers.joined(u"\r\n"))}});
  Writer w = open_writer();
  writer_table_pass(w.document, w.descriptor, t);
  lines = paragraphs(save_writer(w));
  std::string all;
  for (auto& l : lines) all += l + "\n";
  EXPECT_NE(all.find("Wellington Batista\t04518832197"), std::string::npos) << all;
  EXPECT_NE(all.find("Wanderson Pacheco\t06233918805"), std::string::npos) << all;
  EXPECT_EQ(all.find("vListaCondutores"), std::string::npos) << all;
}

bool active_vehicle(const Line& l) { return l.field(u"Ativo").boolean(); }

TEST_F(Suites, TablePlaceholderOnWord) {
  auto rs = db::open_recordset(conn_, T("Select * From Veículos Order By CodVeículo"));
  auto none = db::open_recordset(conn_, T("Select * From Veículos Where Ativo=5"));
  ObjectPtr word = open_word();
  TableLayout active = vehicles_table();
  active.filter = active_vehicle;
  insert_word_table(word, build_table(*rs, active, list_context()));
  const TableLayout gone = vehicles_table(u"vTabelaBaixadas");
  insert_word_table(word, build_table(*none, gone, list_context()));
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

// A picture placeholder: removed, and the picture in its place; a file that is not a picture
// leaves only the removal.
TEST_F(Suites, PicturePlaceholdersOnWord) {
  const fs::path picture = dir_.path() / "foto.jpg";
  const std::string_view jpeg = demo::demo_pictures().front().bytes;
  orvane::testing::write_file(picture, jpeg);
  orvane::testing::write_file(dir_.path() / "nota.jpg", "não é uma imagem");
  ObjectPtr word = open_word();
  insert_word_pictures(word, {{u"vTabelaBaixadas", from_utf8(picture.string())},
                              {u"Des.Unidade", from_utf8(dir_.str() + "nota.jpg")},
                              {u"vListaCondutores", u""}});
  fs::path out = save_word(word);
  EXPECT_EQ(count_nodes(out, "//w:drawing"), 1u);
  auto lines = paragraphs(out);
  EXPECT_TRUE(has_line(lines, "Viaturas baixadas: "));
  EXPECT_TRUE(has_line(lines, "Relatório de frota da unidade "));
  EXPECT_FALSE(has_line(lines, "vListaCondutores"));
}

TEST_F(Suites, TablePlaceholderOnWriter) {
  auto rs = db::open_recordset(conn_, T("Select * From Veículos Order By CodVeículo"));
  auto none = db::open_recordset(conn_, T("Select * From Veículos Where Ativo=5"));
  Writer w = open_writer();
  const TableLayout all_vehicles = vehicles_table();
  insert_writer_table(w.document, w.cursor, w.descriptor,
                      build_table(*rs, all_vehicles, list_context()));
  const TableLayout gone = vehicles_table(u"vTabelaBaixadas");
  insert_writer_table(w.document, w.cursor, w.descriptor, build_table(*none, gone, list_context()));
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
