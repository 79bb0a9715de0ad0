// The list and table builders on a small budget-like recordset: every option of a
// declaration (groups and their totals, the grand total, the three money styles, rented
// and charged lines, dropped columns, capitals, an empty list's text, the capacity).
#include "docgen/frame/lists.h"

#include <gtest/gtest.h>

#include "core/convert.h"
#include "docgen/frame/tables.h"
#include "docgen/frame/testing_lines.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

using frame_testing::item_context;
using frame_testing::item_lists;
using frame_testing::item_tables;
using frame_testing::ItemsDatabase;

std::vector<Text> lines_of(const ListLines& l) {
  std::vector<Text> out;
  for (int32_t i = 1; i <= l.count(); ++i) out.push_back(l.line(i));
  return out;
}

class Lists : public ::testing::Test {
 protected:
  ItemsDatabase db_;
};

TEST_F(Lists, GroupedLinesWithGroupAndGrandTotals) {
  ListSet lists;
  lists.declare(item_lists());
  auto rs = db_.items();
  build_lists(*rs, item_lists(), lists, item_context(db_, true));

  const std::vector<Text> expected = {u"ALARME",
                                      u"000101\tCentral de alarme\t1,0\tR$ 850,00\tR$ 850,00",
                                      u"000102\tSensor infravermelho\t4,0\tLocado\t ",
                                      u"Total de ALARME\t\t\t\tR$ 850,00",
                                      u"CFTV",
                                      T("000201\tCâmera bullet\t2,0\tR$ 420,00\tR$ 840,00"),
                                      u"000202\tGravador 8 canais\t1,0\tLocado\t ",
                                      u"Total de CFTV\t\t\t\tR$ 840,00",
                                      T("Total Líquido\t\t\t\tR$ 1.690,00")};
  EXPECT_EQ(lines_of(lists[u"vItens"]), expected);

  // No code column, plain money, rented prices shown and counted.
  const std::vector<Text> no_code = {u"ALARME",
                                     u"Central de alarme\t1,0\t850,00\t850,00",
                                     u"Sensor infravermelho\t4,0\t95,50\t382,00",
                                     u"Total de ALARME\t\t\t1.232,00",
                                     u"CFTV",
                                     T("Câmera bullet\t2,0\t420,00\t840,00"),
                                     u"Gravador 8 canais\t1,0\t1.250,00\t1.250,00",
                                     u"Total de CFTV\t\t\t2.090,00"};
  EXPECT_EQ(lines_of(lists[u"vItensSemCodigo"]), no_code);
}

TEST_F(Lists, MoneyStylesLineChoicesAndDroppedColumns) {
  ListSet lists;
  lists.declare(item_lists());
  auto rs = db_.items();
  build_lists(*rs, item_lists(), lists, item_context(db_, true));

  // "Currency" money, rented lines at zero, not grouped.
  EXPECT_EQ(lines_of(lists[u"vItensMoeda"]),
            (std::vector<Text>{u"000101\tCentral de alarme\t1,0\tR$ 850,00\tR$ 850,00",
                               u"000102\tSensor infravermelho\t4,0\tR$ 0,00\tR$ 0,00",
                               T("000201\tCâmera bullet\t2,0\tR$ 420,00\tR$ 840,00"),
                               u"000202\tGravador 8 canais\t1,0\tR$ 0,00\tR$ 0,00"}));
  // Without money columns a grouped list has headers but nothing to total.
  EXPECT_EQ(lines_of(lists[u"vItensSemValor"]),
            (std::vector<Text>{
                u"ALARME", u"000101\tCentral de alarme\t1,0", u"000102\tSensor infravermelho\t4,0",
                u"CFTV", T("000201\tCâmera bullet\t2,0"), u"000202\tGravador 8 canais\t1,0"}));
  EXPECT_EQ(lines_of(lists[u"vCobrados"]),
            (std::vector<Text>{u"000101\tCentral de alarme", T("000201\tCâmera bullet")}));
  EXPECT_EQ(lines_of(lists[u"vLocados"]),
            (std::vector<Text>{u"000102\tSENSOR INFRAVERMELHO\t4,0\tR$ 95,50\tR$ 382,00",
                               u"000202\tGRAVADOR 8 CANAIS\t1,0\tR$ 1.250,00\tR$ 1.250,00"}));
  EXPECT_EQ(lines_of(lists[u"vVazia"]), (std::vector<Text>{T("*** NÃO HÁ ITENS ***")}));
}

TEST_F(Lists, OneGroupWritesNoGroupLines) {
  ListSet lists;
  lists.declare(item_lists());
  auto rs = db_.items();
  build_lists(*rs, item_lists(), lists, item_context(db_, false));
  const ListLines& items = lists[u"vItens"];
  ASSERT_EQ(items.count(), 5);
  EXPECT_EQ(items.line(1), u"000101\tCentral de alarme\t1,0\tR$ 850,00\tR$ 850,00");
  EXPECT_EQ(items.line(5), T("Total Líquido\t\t\t\tR$ 1.690,00"));
}

TEST_F(Lists, AListIsNeverCut) {
  const std::vector<ListLayout> small = {
      {.placeholder = u"vCurta", .columns = {code(u"CodProduto")}, .capacity = 3}};
  ListSet lists;
  lists.declare(small);
  auto rs = db_.items();
  try {
    build_lists(*rs, small, lists, item_context(db_, true));
    FAIL() << "four lines went into a list of three";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 9);
  }
  // An undeclared list is a programming error, said as such.
  EXPECT_THROW(lists[u"vOutra"], VbError);
}

// The group may come from a computed value (here the second of two columns of one name,
// which a field name does not reach) and computed columns read the document's values.
Variant last_group_column(const db::Recordset& rs) { return rs.field(rs.field_count() - 1); }
Variant per_month(const Line& line) {
  return Variant(CCur(Round(CDbl(line.field(T("TotalLíquido"))) / CDbl(line.value(u"Meses")), 2)));
}

TEST_F(Lists, GroupFromAComputedValueAndDocumentValues) {
  const std::vector<ListLayout> layouts = {
      {.placeholder = u"vMensal",
       .columns = {text(T("Descrição")), computed(per_month, u"", Role::Total)},
       .grouped = true}};
  ListSet lists;
  lists.declare(layouts);
  auto rs = db_.query(
      u"Select *, Case Grupo When 'ALARME' Then 'OUTROS' Else Grupo End As Grupo From Linhas "
      u"Order By CodInterno");
  ListContext context = item_context(db_, true);
  context.group_field.clear();
  context.group_value = last_group_column;
  context.values = {{u"Meses", Variant(int32_t{12})}};
  build_lists(*rs, layouts, lists, context);
  EXPECT_EQ(lines_of(lists[u"vMensal"]),
            (std::vector<Text>{u"OUTROS", u"Central de alarme\tR$ 70,83",
                               u"Sensor infravermelho\tR$ 31,83", u"Total de OUTROS\tR$ 102,66",
                               u"CFTV", T("Câmera bullet\tR$ 70,00"),
                               u"Gravador 8 canais\tR$ 104,17", u"Total de CFTV\tR$ 174,17"}));

  TableLayout table{.placeholder = u"vTabela",
                    .columns = {{T("Descrição"), 100, text(T("Descrição"))},
                                {u"Total", 50, total(T("TotalLíquido"))}},
                    .grouped = true};
  const TableContent content = build_table(*rs, table, context);
  ASSERT_EQ(content.blocks.size(), 2u);
  EXPECT_EQ(content.blocks[0].total_label, u"Total de OUTROS:");
}

TEST_F(Lists, TablesByGroupWithTotals) {
  auto rs = db_.items();
  const TableContent grouped = build_table(*rs, item_tables()[0], item_context(db_, true));
  ASSERT_TRUE(grouped.present);
  ASSERT_EQ(grouped.blocks.size(), 2u);
  EXPECT_EQ(grouped.blocks[0].total_label, u"Total de ALARME:");
  EXPECT_EQ(grouped.blocks[0].total_value, u"R$ 850,00");
  EXPECT_EQ(grouped.blocks[1].total_value, u"R$ 840,00");
  ASSERT_EQ(grouped.blocks[0].rows.size(), 2u);
  const auto& sensor = grouped.blocks[0].rows[1];
  EXPECT_EQ(sensor[1].text, u"Sensor infravermelho");
  EXPECT_TRUE(sensor[1].bold);
  EXPECT_EQ(sensor[1].detail, T("Área externa"));
  EXPECT_EQ(sensor[3].text, u"Locado");
  EXPECT_EQ(grouped.rows(), 6);

  const TableContent with_total = build_table(*rs, item_tables()[1], item_context(db_, true));
  ASSERT_EQ(with_total.blocks.size(), 1u);
  const auto& last = with_total.blocks[0].rows.back();
  EXPECT_EQ(last[0].text, u"Total: ");
  EXPECT_EQ(last[3].text, u"R$ 3.322,00");

  auto none = db_.query(u"Select * From Linhas Where CodInterno<0");
  EXPECT_FALSE(build_table(*none, item_tables()[1], item_context(db_, true)).present);
  EXPECT_FALSE(build_table(*rs, item_tables()[1], item_context(db_, true), false).present);
}

TEST_F(Lists, ItemNumbersAndATotalRowOverEveryTotalColumn) {
  // Numbers count the lines a list takes, not its group lines.
  const std::vector<ListLayout> numbered = {{.placeholder = u"vNumerados",
                                             .columns = {item_number(u"00"), text(T("Descrição"))},
                                             .lines = Lines::Charged,
                                             .grouped = true}};
  ListSet lists;
  lists.declare(numbered);
  auto rs = db_.items();
  build_lists(*rs, numbered, lists, item_context(db_, true));
  EXPECT_EQ(lines_of(lists[u"vNumerados"]), (std::vector<Text>{u"ALARME", u"01\tCentral de alarme",
                                                               u"CFTV", T("02\tCâmera bullet")}));

  static const TableLayout two_totals = {.placeholder = u"vDuasSomas",
                                         .columns = {{u"Item", 0, item_number()},
                                                     {u"Produto", 0, text(T("Descrição"))},
                                                     {u"Unitário", 0, total(T("Líquido"))},
                                                     {u"Total", 0, total(T("TotalLíquido"))}},
                                         .money = Money::Reais,
                                         .total_row = true};
  const TableContent t = build_table(*rs, two_totals, item_context(db_, true));
  ASSERT_EQ(t.blocks.size(), 1u);
  ASSERT_EQ(t.blocks[0].rows.size(), 5u);
  EXPECT_EQ(t.blocks[0].rows[3][0].text, u"4");
  const auto& last = t.blocks[0].rows.back();
  EXPECT_EQ(last[0].text, u"Total: ");
  EXPECT_EQ(last[2].text, u"R$ 2.615,50");
  EXPECT_EQ(last[3].text, u"R$ 3.322,00");
}

}  // namespace
}  // namespace orvane::docgen
