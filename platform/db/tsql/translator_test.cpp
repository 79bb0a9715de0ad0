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

TEST(Lexer, TokensOfTheDialect) {
  auto t = tokenize(T("Select [Nome X], N'ação', 'it''s' From T Where a=5Union--c\n/* x */ 1.5e3"));
  ASSERT_GE(t.size(), 14u);
  EXPECT_EQ(t[1].kind, Tok::QuotedIdent);
  EXPECT_EQ(t[1].text, u"Nome X");
  EXPECT_TRUE(t[3].national);
  EXPECT_EQ(t[3].text, T("ação"));
  EXPECT_EQ(t[5].text, u"it's");
  EXPECT_EQ(t[11].text, u"5");  // a number ends where a letter starts
  EXPECT_EQ(t[12].text, u"Union");
  EXPECT_EQ(t[13].text, u"1.5e3");
  EXPECT_THROW(tokenize(u"Select 'open"), VbError);
  EXPECT_THROW(tokenize(u"Select [open"), VbError);
  EXPECT_THROW(tokenize(u"Select ` From T"), VbError);
}

TEST(Translator, TopAndNoLock) {
  EXPECT_EQ(tr("Select Top 1 S3Ativo From Unidades With (NoLock)  Where CodUnidade=3"),
            "SELECT [S3Ativo] FROM [Unidades] WHERE ([CodUnidade] = 3) LIMIT 1");
  EXPECT_EQ(tr("Select Top 1 1"), "SELECT 1 LIMIT 1");
  EXPECT_EQ(tr("Select Nome From Clientes (NoLock) Order By Nome Desc"),
            "SELECT [Nome] FROM [Clientes] ORDER BY [Nome] COLLATE NOCASE DESC");
  // TOP inside a subquery keeps its own ORDER BY and LIMIT.
  EXPECT_EQ(tr("Select (Select Top 1 Ordem From OSs Where Cliente=Clientes.CodCliente Order By "
               "Ordem Desc) As U From Clientes"),
            "SELECT (SELECT [Ordem] FROM [OSs] WHERE ([Cliente] = [Clientes].[CodCliente]) ORDER "
            "BY [Ordem] DESC LIMIT 1) AS [U] FROM [Clientes]");
}

TEST(Translator, StarExpandsFromTheSchemaWithItsSpelling) {
  MapSchema s = demo();
  Translation t = translate(u"select * from unidades u", s);
  EXPECT_EQ(t.sql, "SELECT [u].[CodUnidade], [u].[S3Ativo], [u].[Nome] FROM [Unidades] AS [u]");
  ASSERT_TRUE(t.columns_known);
  EXPECT_EQ(t.columns[1].name, u"S3Ativo");
  EXPECT_EQ(ado_type(t.columns[1].type), AdoType::Boolean);
  EXPECT_EQ(t.base_table, u"Unidades");
  Translation unknown = translate(u"Select * From Nowhere", s);
  EXPECT_FALSE(unknown.columns_known);
  Translation rowid = translate(u"Select Nome From Clientes", s, Options{true});
  EXPECT_EQ(rowid.sql, "SELECT [Nome], [Clientes]._rowid_ FROM [Clientes]");
  EXPECT_TRUE(rowid.has_rowid);
}

TEST(Translator, FunctionsBecomeSqliteForms) {
  EXPECT_EQ(tr("Select Isnull(Nome,'') From Clientes"),
            "SELECT ifnull([Nome], '') FROM [Clientes]");
  EXPECT_EQ(tr("Select NullIf(Nome,'x') From Clientes"),
            "SELECT nullif([Nome], 'x') FROM [Clientes]");
  EXPECT_EQ(tr("Select LEN(Nome) From Clientes"), "SELECT length(rtrim([Nome])) FROM [Clientes]");
  EXPECT_EQ(tr("Select Left(Nome,3) From Clientes"), "SELECT substr([Nome], 1, 3) FROM [Clientes]");
  EXPECT_EQ(tr("Select Right(Nome,3) From Clientes"),
            "SELECT (CASE WHEN 3 > 0 THEN substr([Nome], -(3)) ELSE '' END) FROM [Clientes]");
  EXPECT_EQ(tr("Select RTrim(LTRIM(Nome)) From Clientes"),
            "SELECT rtrim(ltrim([Nome])) FROM [Clientes]");
  EXPECT_EQ(tr("Select Round(ValorNF,2) From Clientes"),
            "SELECT round([ValorNF], 2) FROM [Clientes]");
  EXPECT_EQ(tr("Select GetDate()"), "SELECT @orvane_now");
  EXPECT_EQ(tr("Select DateDiff(Day,DataAbertura,GetDate()) From OSs"),
            "SELECT CAST(julianday(date(@orvane_now)) - julianday(date([DataAbertura])) AS "
            "INTEGER) FROM [OSs]");
  EXPECT_EQ(tr("Select Count(1), Count(*) From OSs"), "SELECT count(1), count(*) FROM [OSs]");
  EXPECT_NE(tr("Select IsNumeric(Nome) From Clientes").find("GLOB '*[^0-9.]*'"), std::string::npos);
}

TEST(Translator, PlusConcatenatesTextsAddsNumbersAndDays) {
  EXPECT_EQ(tr("Select Nome+' '+Nome From Clientes"),
            "SELECT (([Nome] || ' ') || [Nome]) FROM [Clientes]");
  EXPECT_EQ(tr("Select Ordem+1 From OSs"), "SELECT ([Ordem] + 1) FROM [OSs]");
  EXPECT_EQ(tr("Select DataAgenda+2 From OSs"),
            "SELECT strftime('%Y-%m-%d %H:%M:%S', julianday([DataAgenda]) + (2)) FROM [OSs]");
  // A date plus a date adds the second's days since 1900-01-01, as SQL Server does.
  EXPECT_EQ(tr("Select DataAgenda+HoraAgenda From OSs"),
            "SELECT strftime('%Y-%m-%d %H:%M:%S', julianday([DataAgenda]) + "
            "(julianday([HoraAgenda]) - 2415020.5)) FROM [OSs]");
  EXPECT_EQ(tr("Select Valor/2 From OSs"), "SELECT (CAST([Valor] AS REAL) / 2) FROM [OSs]");
  EXPECT_EQ(tr("Select Ordem/2 From OSs"), "SELECT ([Ordem] / 2) FROM [OSs]");
}

TEST(Translator, TextComparisonsAndDatesLiterals) {
  EXPECT_EQ(tr("Select 1 From OSs Where Status<>'C' And Ordem=1"),
            "SELECT 1 FROM [OSs] WHERE (([Status] <> 'C' COLLATE NOCASE) AND ([Ordem] = 1))");
  EXPECT_EQ(tr("Select 1 From OSs Where Status In ('B','F')"),
            "SELECT 1 FROM [OSs] WHERE ([Status] COLLATE NOCASE IN ('B', 'F'))");
  EXPECT_EQ(tr("Select 1 From OSs Where DataAbertura>='12/31/2025'"),
            "SELECT 1 FROM [OSs] WHERE ([DataAbertura] >= '2025-12-31 00:00:00')");
  EXPECT_EQ(tr("Select 1 From OSs Where Ordem Not In (Select CodCliente From Clientes)"),
            "SELECT 1 FROM [OSs] WHERE ([Ordem] NOT IN (SELECT [CodCliente] FROM [Clientes]))");
  EXPECT_EQ(tr("Select Case Status When 'a' Then 1 Else 0 End, Case When Ordem>1 Then 'x' End "
               "From OSs"),
            "SELECT CASE [Status] COLLATE NOCASE WHEN 'a' THEN 1 ELSE 0 END, CASE WHEN ([Ordem] > "
            "1) THEN 'x' END FROM [OSs]");
}

TEST(Translator, JoinsDerivedTablesUnionsAndGrouping) {
  EXPECT_EQ(tr("Select O.Ordem, C.Nome From OSs O Inner Join Clientes C On O.Cliente=C.CodCliente "
               "Left Outer Join (Select CodCliente As K From Clientes) D On D.K=C.CodCliente"),
            "SELECT [O].[Ordem], [C].[Nome] FROM [OSs] AS [O] INNER JOIN [Clientes] AS [C] ON "
            "([O].[Cliente] = [C].[CodCliente]) LEFT JOIN (SELECT [CodCliente] AS [K] FROM "
            "[Clientes]) AS [D] ON ([D].[K] = [C].[CodCliente])");
  EXPECT_EQ(tr("Select Ordem From OSs Where Cliente=1Union All Select -1 As Ordem Order By Ordem"),
            "SELECT [Ordem] FROM [OSs] WHERE ([Cliente] = 1) UNION ALL SELECT (-1) AS [Ordem] "
            "ORDER BY [Ordem]");
  EXPECT_EQ(tr("Select Top 1 Ordem From OSs Union Select 2"),
            "SELECT * FROM (SELECT [Ordem] FROM [OSs] LIMIT 1) UNION SELECT 2");
  EXPECT_EQ(tr("Select Distinct Isnull(Status,'') From OSs Group By Isnull(Status,'') Having "
               "Count(1)>1 Order By Min(Ordem)"),
            "SELECT DISTINCT ifnull([Status], '') FROM [OSs] GROUP BY ifnull([Status], '') COLLATE "
            "NOCASE HAVING (count(1) > 1) ORDER BY min([Ordem])");
}

TEST(Translator, ActionStatements) {
  EXPECT_EQ(tr("Update Clientes Set Nome='x', ValorNF=null Where CodCliente=5"),
            "UPDATE [Clientes] SET [Nome] = 'x', [ValorNF] = NULL WHERE ([CodCliente] = 5)");
  EXPECT_EQ(tr("Delete From OSs Where Isnull(Ordem,0)=0"),
            "DELETE FROM [OSs] WHERE (ifnull([Ordem], 0) = 0)");
  EXPECT_EQ(tr("Delete OSs"), "DELETE FROM [OSs]");
  EXPECT_EQ(tr("Insert Into OSs (Ordem, DataAbertura) Values (1, '20260105')"),
            "INSERT INTO [OSs] ([Ordem], [DataAbertura]) VALUES (1, '2026-01-05 00:00:00')");
  EXPECT_EQ(tr("create table X (a int)"), "create table X (a int)");
}

TEST(Translator, ResultTypes) {
  MapSchema s = demo();
  auto types = [&](const char* sql) {
    std::vector<AdoType> out;
    for (const auto& c : translate(from_utf8(sql), s).columns) out.push_back(ado_type(c.type));
    return out;
  };
  EXPECT_EQ(types("Select Sum(Valor), Count(1), Avg(Ordem), Max(DataAbertura), Nome+'x', "
                  "Valor*Ordem, 1.5, Case When 1=1 Then Valor Else 0 End From OSs, Clientes"),
            (std::vector<AdoType>{AdoType::Currency, AdoType::Integer, AdoType::Integer,
                                  AdoType::DBTimeStamp, AdoType::VarChar, AdoType::Currency,
                                  AdoType::Numeric, AdoType::Currency}));
}

TEST(Translator, ConstructsOutsideTheSubsetNameThemselves) {
  auto message = [](const char* sql) {
    try {
      tr(sql);
    } catch (const VbError& e) {
      EXPECT_EQ(e.number(), kDbCommandError);
      return to_utf8(e.description());
    }
    return std::string("no error");
  };
  EXPECT_EQ(message("Select Top 5 Percent Nome From Clientes"),
            "unsupported SQL construct: TOP ... PERCENT");
  EXPECT_EQ(message("Select Soundex(Nome) From Clientes"),
            "unsupported SQL construct: function Soundex");
  EXPECT_EQ(message("Select @x"), "unsupported SQL construct: variable @x");
  EXPECT_EQ(message("Select Nome From Clientes With (Index(1))"),
            "unsupported SQL construct: table hint Index");
  EXPECT_EQ(message("Select * From A Cross Apply B"), "unsupported SQL construct: CROSS APPLY");
  EXPECT_EQ(message("Merge Into T"), "unsupported SQL construct: MERGE statement");
  EXPECT_EQ(message("Select Nome From Clientes Where Nome Like '[a]%'"),
            "unsupported SQL construct: LIKE pattern with [ ]");
  EXPECT_NE(message("Select Nome From").find("syntax error near end of text"), std::string::npos);
  EXPECT_NE(message("Select (1"), "no error");
}

// Found by fuzzing: SQLite stops reading a statement at a NUL byte, so one inside a
// literal cut the translated text short.
TEST(Translator, NulInsideALiteralIsJoinedIn) {
  MapSchema s = demo();
  const Text nul(1, u'\0');
  std::string out = translate(u"Select Nome From Clientes Where Nome='a" + nul + u"b'", s).sql;
  EXPECT_EQ(out.find('\0'), std::string::npos) << out;
  EXPECT_NE(out.find("('a'||char(0)||'b')"), std::string::npos) << out;
  try {
    translate(u"Select [a" + nul + u"] From Clientes", s);
    ADD_FAILURE() << "an identifier with a NUL was translated";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), kDbCommandError);
  }
}

// Found by fuzzing: each ^ writes its operands twice, so a chain of them grew the
// text exponentially until memory ran out.
TEST(Translator, LongXorChainsAreRefused) {
  MapSchema s = demo();
  EXPECT_NE(translate(u"Select Ordem ^ 1 ^ 2 ^ 3 From OSs", s).sql.find("|"), std::string::npos);
  Text chain = u"Select Ordem";
  for (int i = 0; i < 40; ++i) chain += u" ^ Ordem";
  try {
    translate(chain + u" From OSs", s);
    ADD_FAILURE() << "a chain of 40 ^ was translated";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), kDbCommandError);
  }
}

Translation trp(const char* sql) {
  MapSchema s = demo();
  Options o;
  o.parameters = true;
  return translate(from_utf8(sql), s, o);
}

using Bind = Translation::Bind;

std::vector<Bind> binds(const Translation& t) {
  std::vector<Bind> b;
  for (const auto& l : t.literals) b.push_back(l.bind);
  return b;
}

TEST(Parameters, LiteralsThatOnlySupplyValuesAreBound) {
  Translation t = trp(
      "Select Nome From Clientes With (NoLock) Where CodCliente=5 And Nome='x' And ValorNF>1.5");
  EXPECT_TRUE(t.parameterized);
  EXPECT_EQ(t.sql,
            "SELECT [Nome] FROM [Clientes] WHERE ((([CodCliente] = ?1) AND ([Nome] = ?2 COLLATE "
            "NOCASE)) AND ([ValorNF] > (CAST(?3 AS REAL) + 0)))");
  EXPECT_EQ(binds(t), (std::vector<Bind>{Bind::Int, Bind::Text, Bind::Real}));
  EXPECT_EQ(t.slots, 3);
  // A string compared with or stored into a datetime is bound in ISO form.
  EXPECT_EQ(binds(trp("Update OSs Set DataAgenda='01/12/2026' Where DataAbertura>='2026-01-12' "
                      "And Status In ('A', 'B')")),
            (std::vector<Bind>{Bind::Date, Bind::Date, Bind::Text, Bind::Text}));
  // A bigint stays inline, written as the engine reads it.
  Translation big = trp("Select Nome From Clientes Where CodCliente=3000000000");
  EXPECT_NE(big.sql.find("= 3000000000"), std::string::npos);
  EXPECT_EQ(binds(big), (std::vector<Bind>{Bind::Inline}));
}

TEST(Parameters, LiteralsThatShapeTheResultStayInline) {
  // TOP, result columns (their names and types come from the literals), ORDER BY and
  // GROUP BY (an ordinal there names a column), a Convert style, a date added as a time.
  Translation t =
      trp("Select Top 3 'ab' As X, Convert(varchar, DataAbertura, 103) From OSs Where Ordem>2 "
          "Group By DataAbertura Order By 1");
  EXPECT_EQ(binds(t),
            (std::vector<Bind>{Bind::Inline, Bind::Inline, Bind::Inline, Bind::Int, Bind::Inline}));
  EXPECT_NE(t.sql.find("LIMIT 3"), std::string::npos);
  EXPECT_NE(t.sql.find("ORDER BY 1"), std::string::npos);
  EXPECT_NE(t.sql.find("'ab' AS [X]"), std::string::npos);
  ASSERT_EQ(t.columns.size(), 2u);
  EXPECT_EQ(t.columns[0].type.size, 2);
  // The operands of ^ are measured as written.
  EXPECT_EQ(binds(trp("Select Ordem From OSs Where Ordem ^ 3 = 1")),
            (std::vector<Bind>{Bind::Inline, Bind::Int}));
  Translation plus = trp("Select Ordem From OSs Where DataAgenda+'14:30' > DataAbertura");
  EXPECT_TRUE(plus.literals[0].pinned);
  // GetDate() takes the slot after the literals, wherever it appears.
  Translation now = trp("Select Ordem From OSs Where DateDiff(Day, DataAbertura, GetDate()) > 5");
  EXPECT_EQ(now.now_slot, 2);
  EXPECT_EQ(now.slots, 2);
  EXPECT_NE(now.sql.find("?2"), std::string::npos);
  EXPECT_EQ(now.sql.find(kNowParameter), std::string::npos);
}

TEST(Parameters, TextsOfOneShapeShareATranslation) {
  auto key = [](const char* sql) {
    Shape s;
    EXPECT_TRUE(shape_of(from_utf8(sql), s)) << sql;
    return s.key;
  };
  EXPECT_EQ(key("Select a From T Where k=5 And n='x'"),
            key("Select a From T Where k=123456 And n='other'"));
  // Literal classes: int, bigint, decimal by precision and scale, float, national.
  EXPECT_NE(key("Select a From T Where k=5"), key("Select a From T Where k=5.0"));
  EXPECT_NE(key("Select a From T Where k=5"), key("Select a From T Where k=5000000000"));
  EXPECT_NE(key("Select a From T Where k=1.25"), key("Select a From T Where k=1.250"));
  EXPECT_NE(key("Select a From T Where k=1.25"), key("Select a From T Where k=12.5"));
  EXPECT_NE(key("Select a From T Where n='x'"), key("Select a From T Where n=N'x'"));
  EXPECT_NE(key("Select a From T Where k=5"), key("Select b From T Where k=5"));
  Shape s;
  EXPECT_FALSE(shape_of(u"Select 'open", s));
  EXPECT_FALSE(shape_of(u"CREATE TABLE T (x int DEFAULT 5)", s));
  EXPECT_FALSE(shape_of(u"Select [a\x01] From T", s));
  ASSERT_TRUE(shape_of(u"Select a From T Where n=N'it''s' And k=-7", s));
  ASSERT_EQ(s.literals.size(), 2u);
  EXPECT_EQ(s.literals[0].text, u"it's");
  EXPECT_EQ(s.literals[1].text, u"7");
}

TEST(Parameters, BindingTheValuesOfAnotherText) {
  MapSchema schema = demo();
  auto shape = [](const char* sql) {
    Shape s;
    EXPECT_TRUE(shape_of(from_utf8(sql), s));
    return s;
  };
  Options o;
  o.parameters = true;
  const char* first =
      "Select Top 2 Nome From OSs Where Ordem=7 And DataAbertura<'2026-01-12' "
      "And Status Like 'A%'";
  Translation t = translate(from_utf8(first), schema, o);
  Shape origin = shape(first);
  std::vector<Variant> p;
  ASSERT_TRUE(bind_literals(t, origin.literals,
                            shape("Select Top 2 Nome From OSs Where Ordem=42 And "
                                  "DataAbertura<'12/31/2025 08:00' And Status Like 'B%'")
                                .literals,
                            p));
  ASSERT_EQ(p.size(), 4u);
  EXPECT_TRUE(p[0].is_empty());  // TOP 2 is inline
  EXPECT_EQ(p[1], Variant(int32_t{42}));
  EXPECT_EQ(p[2], Variant(u"2025-12-31 08:00:00"));
  EXPECT_EQ(p[3], Variant(u"B%"));
  auto with = [&](const char* date) {
    std::string sql = std::string("Select Top 2 Nome From OSs Where Ordem=1 And DataAbertura<'") +
                      date + "' And Status Like 'A%'";
    EXPECT_TRUE(bind_literals(t, origin.literals, shape(sql.c_str()).literals, p));
    return p[2];
  };
  EXPECT_EQ(with(""), Variant(u"1900-01-01 00:00:00"));
  EXPECT_EQ(with("soon"), Variant(u"soon"));  // as the inline text compares
  // An inline literal that differs, or a pattern the translation rejects, needs a
  // translation of its own.
  EXPECT_FALSE(bind_literals(t, origin.literals,
                             shape("Select Top 3 Nome From OSs Where Ordem=7 And "
                                   "DataAbertura<'2026-01-12' And Status Like 'A%'")
                                 .literals,
                             p));
  EXPECT_FALSE(bind_literals(t, origin.literals,
                             shape("Select Top 2 Nome From OSs Where Ordem=7 And "
                                   "DataAbertura<'2026-01-12' And Status Like '[A]%'")
                                 .literals,
                             p));
}

// Found by fuzzing: deep nesting exhausted the stack.
TEST(Translator, DeepNestingIsRefused) {
  MapSchema s = demo();
  auto nested = [&](int n) {
    return translate(u"Select " + Text(n, u'(') + u"1" + Text(n, u')'), s).sql;
  };
  EXPECT_NO_THROW(nested(50));
  try {
    nested(100000);
    ADD_FAILURE() << "100000 parentheses were translated";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), kDbCommandError);
  }
  EXPECT_THROW(translate(u"Select " + Text(100000, u'-') + u"1", s), VbError);
}

// Found by fuzzing: a long chain of operators builds a tree as deep as the chain, with
// no parentheses at all, and writing it exhausted the stack.
TEST(Translator, LongOperatorChainsAreBounded) {
  MapSchema s = demo();
  auto chain = [](int n, const char16_t* op) {
    Text t = u"1";
    for (int i = 0; i < n; ++i) t += Text(op) + u"1";
    return t;
  };
  // A filter built from a long selection is an ordinary thing to send.
  const std::string long_sum = translate(u"Select " + chain(400, u"+"), s).sql;
  EXPECT_EQ(std::count(long_sum.begin(), long_sum.end(), '1'), 401);
  for (const Text& sql : {u"Select " + chain(100000, u"+"),
                          // chains inside parentheses inside chains: each short, deep in all
                          u"Select " + [&] {
                            Text t = chain(300, u"-");
                            for (int i = 0; i < 50; ++i) t = u"(" + t + u")-" + chain(300, u"-");
                            return t;
                          }()}) {
    try {
      translate(sql, s);
      ADD_FAILURE() << "a chain " << sql.size() << " characters long was translated";
    } catch (const VbError& e) {
      EXPECT_EQ(e.number(), kDbCommandError);
    }
  }
}

TEST(Types, DeclaredNames) {
  EXPECT_EQ(parse_sql_type(std::string_view("varchar(60)")), sql_type(SqlBase::VarChar, 60));
  SqlType d = parse_sql_type(std::string_view("DECIMAL(18, 2)"));
  EXPECT_EQ(d.base, SqlBase::Decimal);
  EXPECT_EQ(d.scale, 2);
  EXPECT_EQ(ado_type(parse_sql_type(std::string_view("int identity(1,1)"))), AdoType::Integer);
  EXPECT_EQ(ado_type(parse_sql_type(std::string_view("nvarchar(max)"))), AdoType::VarWChar);
  EXPECT_FALSE(parse_sql_type(std::string_view("geography")).known());
  EXPECT_EQ(wider(sql_type(SqlBase::Int), sql_type(SqlBase::Money)).base, SqlBase::Money);
  EXPECT_EQ(wider(sql_type(SqlBase::DateTime), sql_type(SqlBase::Int)).base, SqlBase::DateTime);
}

}  // namespace
}  // namespace orvane::db::tsql
