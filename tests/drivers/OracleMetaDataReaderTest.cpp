#include <gtest/gtest.h>

#include "FakeProviderContext.h"
#include "drivers/DBXOstraOracleMetaDataReader.h"

namespace {

struct TOracleFixture {
  explicit TOracleFixture(const wchar_t* AUseQuoteChar, const wchar_t* AUseUnicode = L"True")
      : Context(L"11.02.0000") {
    Context.VendorProperties = {{L"UseQuoteChar", AUseQuoteChar}, {L"UseUnicode", AUseUnicode}};
    Reader.SetContext(&Context);
  }
  TFakeProviderContext Context;
  TDBXOstraOracleMetaDataReader Reader;
};

}  // namespace

TEST(OracleMetaDataReader, ObjectNamesAreUpperCasedUnlessIdentifiersAreQuoted) {
  struct {
    const wchar_t* UseQuoteChar;
    bool Quoted;
  } cases[] = {{L"False", false}, {L"", false}, {L"yes", false}, {L" true ", true}, {L"TRUE", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.UseQuoteChar));
    TOracleFixture fixture(c.UseQuoteChar);
    TDBXOstraOracleMetaDataReader& reader = fixture.Reader;
    EXPECT_EQ(reader.QuotedIdentifiersSupported(), c.Quoted);
    EXPECT_EQ(reader.SqlIdentifierQuoteChar(), c.Quoted ? L"\"" : L" ");
    EXPECT_EQ(reader.SqlIdentifierQuotePrefix(), reader.SqlIdentifierQuoteChar());
    EXPECT_EQ(reader.SqlProcedureQuoteChar(), reader.SqlIdentifierQuoteChar());
    EXPECT_EQ(reader.QuoteIdentifier(L"emp"), c.Quoted ? L"\"emp\"" : L"emp");

    reader.FetchTables(L"", L"scott", L"emp", L"");
    reader.FetchColumns(L"", L"scott", L"emp");
    reader.FetchIndexColumns(L"", L"scott", L"emp", L"ix_emp");
    reader.FetchForeignKeyColumns(L"", L"scott", L"emp", L"fk_dept", L"", L"scott", L"dept",
                                  L"pk_dept");
    reader.FetchPackageProcedures(L"", L"scott", L"pkg_nota", L"grava", L"PROCEDURE");
    reader.FetchProcedureParameters(L"", L"scott", L"calcula_ação", L"valor");

    auto name = [&](const wchar_t* AName) { return c.Quoted ? String(AName) : AnsiUpperCase(AName); };
    const auto& q = fixture.Context.Queries;
    ASSERT_EQ(q.size(), 6u);
    for (const TRecordedQuery& query : q) EXPECT_EQ(query.ValueOf(L"SCHEMA_NAME"), L"scott");
    EXPECT_EQ(q[0].ValueOf(L"TABLE_NAME"), name(L"emp"));
    EXPECT_EQ(q[1].ValueOf(L"TABLE_NAME"), name(L"emp"));
    EXPECT_EQ(q[2].ValueOf(L"INDEX_NAME"), name(L"ix_emp"));
    EXPECT_EQ(q[3].ValueOf(L"FOREIGN_KEY_NAME"), name(L"fk_dept"));
    EXPECT_EQ(q[3].ValueOf(L"PRIMARY_SCHEMA_NAME"), L"scott");
    EXPECT_EQ(q[3].ValueOf(L"PRIMARY_TABLE_NAME"), name(L"dept"));
    EXPECT_EQ(q[3].ValueOf(L"PRIMARY_KEY_NAME"), name(L"pk_dept"));
    EXPECT_EQ(q[4].ValueOf(L"PACKAGE_NAME"), name(L"pkg_nota"));
    EXPECT_EQ(q[4].ValueOf(L"PROCEDURE_NAME"), name(L"grava"));
    EXPECT_EQ(q[4].ValueOf(L"PROCEDURE_TYPE"), L"PROCEDURE");
    EXPECT_EQ(q[5].ValueOf(L"PROCEDURE_NAME"), c.Quoted ? L"calcula_ação" : L"CALCULA_AÇÃO");
    EXPECT_EQ(q[5].ValueOf(L"PARAMETER_NAME"), name(L"valor"));
  }
}

TEST(OracleMetaDataReader, ReadsTheUnicodeSettingOfTheDriver) {
  EXPECT_TRUE(TOracleFixture(L"", L"true").Reader.UseUnicode());
  EXPECT_FALSE(TOracleFixture(L"", L"False").Reader.UseUnicode());
  EXPECT_FALSE(TOracleFixture(L"", L"").Reader.UseUnicode());
}

TEST(OracleMetaDataReader, ColumnDefaultsComeBackTrimmed) {
  TOracleFixture fixture(L"False");
  auto row = [](const wchar_t* AColumn, const wchar_t* AType, TDBXWritableValue ADefault) {
    return TDBXRow{{}, L"SCOTT", L"EMP", AColumn, AType, 10, 0, 1, ADefault, 1, 0, {}};
  };
  fixture.Context.Answer(ResultTable(12, {row(L"NOME", L"VARCHAR2", L" 'sem nome' \r\n"),
                                          row(L"CRIADO", L"DATE", L"SYSDATE   "),
                                          row(L"VALOR", L"NUMBER", {}),
                                          row(L"LIVRE", L"MDSYS.SDO_GEOMETRY", L"\n\t")}));
  auto table = fixture.Reader.FetchColumns(L"", L"SCOTT", L"EMP");

  EXPECT_EQ(fixture.Context.Queries.at(0).Sql, fixture.Reader.ColumnsQuery());
  EXPECT_EQ(table->DBXTableName(), L"Columns");
  ASSERT_EQ(table->ColumnCount(), 13);
  EXPECT_EQ(table->Column(8).Name, L"DefaultValue");
  const auto rows = ReadAll(*table);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0][8], TDBXWritableValue(L"'sem nome'"));
  EXPECT_EQ(rows[1][8], TDBXWritableValue(L"SYSDATE"));
  EXPECT_TRUE(rows[2][8].IsNull());
  EXPECT_EQ(rows[3][8], TDBXWritableValue(L""));
  EXPECT_EQ(rows[0][12], TDBXWritableValue(TDBXDataTypes::WideStringType));
  EXPECT_EQ(rows[1][12], TDBXWritableValue(TDBXDataTypes::TimeStampType));
  EXPECT_EQ(rows[2][12], TDBXWritableValue(TDBXDataTypes::BcdType));
  EXPECT_EQ(rows[3][12], TDBXWritableValue(TDBXDataTypes::UnknownType));
  EXPECT_EQ(rows[0][3], TDBXWritableValue(L"NOME"));
  EXPECT_THROW(table->Value(13), EArgumentException);
}

TEST(OracleMetaDataReader, FunctionBasedIndexColumnsReportTheirExpression) {
  TOracleFixture fixture(L"False");
  auto row = [](const wchar_t* AColumn, TDBXWritableValue AExpression, int AIsPlain) {
    return TDBXRow{{}, L"SCOTT", L"EMP", L"IX", AColumn, 1, 1, AExpression, AIsPlain};
  };
  struct {
    TDBXRow Row;
    const wchar_t* Expected;
  } cases[] = {
      {row(L"ENAME", {}, 1), L"ENAME"},
      {row(L"SYS_NC00009$", L"\"ENAME\"", 0), L"ENAME"},
      {row(L"SYS_NC00010$", L"UPPER(\"ENAME\")", 0), L"UPPER(\"ENAME\")"},
      {row(L"SYS_NC00011$", L"\"ENAME\" || \"JOB\"", 0), L"\"ENAME\" || \"JOB\""},
      {row(L"SYS_NC00012$", L"\"\"", 0), L"\"\""},
  };
  std::vector<TDBXRow> rows;
  for (const auto& c : cases) rows.push_back(c.Row);
  fixture.Context.Answer(ResultTable(9, std::move(rows)));
  auto table = fixture.Reader.FetchIndexColumns(L"", L"SCOTT", L"EMP", L"");

  EXPECT_EQ(table->DBXTableName(), L"IndexColumns");
  ASSERT_EQ(table->ColumnCount(), 7);
  for (const auto& c : cases) {
    ASSERT_TRUE(table->Next());
    EXPECT_EQ(table->Value(4), TDBXWritableValue(c.Expected));
    EXPECT_EQ(table->Value(2), TDBXWritableValue(L"EMP"));
  }
  EXPECT_FALSE(table->Next());
}

TEST(OracleMetaDataReader, CatalogsAndColumnConstraintsAreEmptyAndSchemasAreUsers) {
  TOracleFixture fixture(L"False");
  auto catalogs = fixture.Reader.FetchCatalogs();
  auto constraints = fixture.Reader.FetchColumnConstraints(L"", L"SCOTT", L"EMP");
  EXPECT_EQ(catalogs->DBXTableName(), L"Catalogs");
  EXPECT_FALSE(catalogs->Next());
  EXPECT_EQ(constraints->DBXTableName(), L"ColumnConstraints");
  EXPECT_FALSE(constraints->Next());
  EXPECT_TRUE(fixture.Context.Queries.empty());

  fixture.Context.Answer(ResultTable(2, {{{}, L"SCOTT"}, {{}, L"SYSTEM"}}));
  auto schemas = fixture.Reader.FetchSchemas(L"");
  EXPECT_EQ(fixture.Context.Queries.at(0).Sql,
            L"SELECT DISTINCT NULL, USERNAME   FROM ALL_USERS   WHERE (1=1 OR (:CATALOG_NAME IS "
            L"NULL))   ORDER BY USERNAME");
  EXPECT_EQ(schemas->DBXTableName(), L"Schemas");
  EXPECT_EQ(ReadAll(*schemas).size(), 2u);
}

TEST(OracleMetaDataReader, QueriesTestCatalogsOnlyInAnAlwaysTrueCondition) {
  TOracleFixture fixture(L"False");
  const TDBXOstraOracleMetaDataReader& r = fixture.Reader;
  const String texts[] = {r.TablesQuery(), r.ViewsQuery(), r.ColumnsQuery(), r.IndexesQuery(),
                          r.IndexColumnsQuery(), r.ForeignKeysQuery(), r.ForeignKeyColumnsQuery(),
                          r.SynonymsQuery(), r.ProceduresQuery(), r.ProcedureSourcesQuery(),
                          r.ProcedureParametersQuery(), r.PackagesQuery(), r.PackageSourcesQuery(),
                          r.PackageProceduresQuery(), r.PackageProcedureParametersQuery()};
  for (const String& text : texts) {
    EXPECT_NE(text.find(L"(1=1 OR (:CATALOG_NAME IS NULL))"), String::npos) << ToUtf8(text);
    EXPECT_NE(text.find(L"LOWER(:SCHEMA_NAME) OR (:SCHEMA_NAME IS NULL)"), String::npos);
  }
  EXPECT_NE(r.ForeignKeyColumnsQuery().find(L"(1=1 OR (:PRIMARY_CATALOG_NAME IS NULL))"),
            String::npos);
  EXPECT_EQ(r.UsersQuery(), L"SELECT USERNAME FROM ALL_USERS ORDER BY USERNAME");
  EXPECT_EQ(r.RolesQuery(), L"SELECT ROLE FROM SESSION_ROLES ORDER BY ROLE");
}
