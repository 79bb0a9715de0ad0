// Test-only: a small budget-like database of four lines in two groups (two of them rented)
// and declarations that use every option of the list and table declarations. Shared by
// the builder tests and the tests that apply the lists on both suites.
#pragma once

#include <string>
#include <vector>

#include "core/convert.h"
#include "docgen/frame/lists.h"
#include "docgen/frame/tables.h"
#include "platform/db/db.h"
#include "testing/testing.h"

namespace orvane::docgen::frame_testing {

inline const char* kItemsSchema = R"(
CREATE TABLE Linhas (CodInterno int PRIMARY KEY, CodProduto int, "Descrição" varchar(40),
  "Aplicação" nvarchar(40), Quantidade float, "Líquido" money, "TotalLíquido" money,
  CobraLocado bit, Grupo varchar(20));
INSERT INTO Linhas VALUES
  (1, 101, 'Central de alarme', 'Sala técnica', 1, 850.00, 850.00, 1, 'ALARME'),
  (2, 102, 'Sensor infravermelho', 'Área externa', 4, 95.50, 382.00, 0, 'ALARME'),
  (3, 201, 'Câmera bullet', 'Portão', 2, 420.00, 840.00, 1, 'CFTV'),
  (4, 202, 'Gravador 8 canais', 'Rack', 1, 1250.00, 1250.00, 0, 'CFTV');
)";

class ItemsDatabase {
 public:
  ItemsDatabase() {
    const std::string file = dir_.str() + "itens.db";
    db::create_database(from_utf8(file))->run_script(from_utf8(kItemsSchema));
    conn_ = db::open_connection(from_utf8(file), ctx_.ctx);
  }
  db::RecordsetPtr query(TextView sql) const {
    return db::open_recordset(conn_, sql, db::CursorType::Static, db::LockType::ReadOnly);
  }
  db::RecordsetPtr items() const { return query(u"Select * From Linhas Order By CodInterno"); }
  Variant conn() const { return db::as_variant(conn_); }
  const orvane::testing::RecordingContext& context() const { return ctx_; }
  const orvane::testing::TempDir& dir() const { return dir_; }

 private:
  orvane::testing::TempDir dir_;
  orvane::testing::RecordingContext ctx_;
  db::ConnectionPtr conn_;
};

// A line not charged is rented, as in a rental budget.
inline LineFacts item_facts(const db::Recordset& rs) {
  const bool charged = rs.field(u"CobraLocado").boolean();
  return LineFacts{.rented = !charged, .charged = charged};
}

inline ListContext item_context(const ItemsDatabase& db, bool grouping) {
  return ListContext{.conn = db.conn(),
                     .ctx = db.context().ctx,
                     .unit = 301,
                     .facts = item_facts,
                     .group_field = u"Grupo",
                     .grouping = grouping};
}

inline bool never(const Line&) { return false; }

inline const std::vector<Column>& item_columns() {
  static const std::vector<Column> k = {code(u"CodProduto"), text(T("Descrição")),
                                        quantity(u"Quantidade"), price(T("Líquido")),
                                        total(T("TotalLíquido"))};
  return k;
}

inline const std::vector<ListLayout>& item_lists() {
  static const std::vector<ListLayout> k = {
      {.placeholder = u"vItens",
       .columns = item_columns(),
       .money = Money::Reais,
       .rented = Rented::Locado,
       .grouped = true,
       .grand_total = true},
      {.placeholder = u"vItensSemCodigo",
       .columns = item_columns(),
       .money = Money::Plain,
       .grouped = true,
       .drop_code = true},
      {.placeholder = u"vItensMoeda",
       .columns = item_columns(),
       .money = Money::Currency,
       .rented = Rented::Zero},
      {.placeholder = u"vItensSemValor",
       .columns = item_columns(),
       .grouped = true,
       .drop_money = true},
      {.placeholder = u"vCobrados",
       .columns = {code(u"CodProduto"), text(T("Descrição"))},
       .lines = Lines::Charged},
      {.placeholder = u"vLocados",
       .columns = item_columns(),
       .lines = Lines::Rented,
       .upper_case = true},
      {.placeholder = u"vVazia",
       .columns = item_columns(),
       .filter = never,
       .empty_text = T("*** NÃO HÁ ITENS ***")},
  };
  return k;
}

inline const std::vector<TableLayout>& item_tables() {
  static const std::vector<TableLayout> k = {
      {.placeholder = u"vTabelaItens",
       .columns = {{T("Código"), 50, code(u"CodProduto")},
                   {T("Descrição"), 220, text(T("Descrição")), true, T("Aplicação")},
                   {u"Quant.", 45, quantity(u"Quantidade")},
                   {T("Unitário"), 70, price(T("Líquido"))},
                   {u"Total", 70, total(T("TotalLíquido"))}},
       .writer_separators = {0.12, 0.6, 0.7, 0.85},
       .money = Money::Reais,
       .rented = Rented::Locado,
       .grouped = true,
       .borders = true},
      {.placeholder = u"vTabelaTotal",
       .columns = {{u"Produto", 250, text(T("Descrição"))},
                   {u"Quant.", 45, quantity(u"Quantidade")},
                   {T("Unitário"), 70, price(T("Líquido"))},
                   {u"Total", 70, total(T("TotalLíquido"))}},
       .total_row = true},
  };
  return k;
}

}  // namespace orvane::docgen::frame_testing
