#include "platform/db/tsql/translator.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/db/tsql/lexer.h"

namespace orvane::db::tsql {
namespace {

class MapSchema : public Schema {
 public:
  void add(TextView name, std::vector<std::pair<const char*, const char*>> cols) {
    TableDef t;
    t.name = Text(name);
    for (auto& [n, ty] : cols)
      t.columns.push_back({from_utf8(n), parse_sql_type(std::string_view(ty))});
    tables_[fold(name)] = std::move(t);
  }
  const TableDef* find(TextView name) const override {
    auto it = tables_.find(fold(name));
    return it == tables_.end() ? nullptr : &it->second;
  }

 private:
  std::map<Text, TableDef> tables_;
};

MapSchema demo() {
  MapSchema s;
  s.add(u"Unidades", {{"CodUnidade", "int"}, {"S3Ativo", "bit"}, {"Nome", "varchar(50)"}});
  s.add(T("OSs"), {{"Planílha", "int"},
                   {"Ordem", "int"},
                   {"DataAgenda", "datetime"},
                   {"HoraAgenda", "datetime"},
                   {"Status", "char(1)"},
                   {"Técnico", "int"},
                   {"Cliente", "int"},
                   {"CodInterno", "int"},
                   {"DataAbertura", "datetime"},
                   {"Valor", "money"}});
  s.add(u"Clientes", {{"CodCliente", "int"}, {"Nome", "varchar(60)"}, {"ValorNF", "money"}});
  return s;
}

std::string tr(const char* sql) {
  MapSchema s = demo();
  return translate(from_utf8(sql), s).sql;
}

TEST(Translator, TopAndNoLock) {
  EXPECT_EQ(tr("Select Top 1 S3Ativo From Unidades With (NoLock)  Where CodUnidade=3"),
            "SELECT [S3Ativo] FROM [Unidades] WHERE ([CodUnidade] = 3) LIMIT 1");
}

}  // namespace
}  // namespace orvane::db::tsql
