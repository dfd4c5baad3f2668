#include <gtest/gtest.h>

#include "FakeProviderContext.h"
#include "drivers/DBXOstraMsSqlMetaDataReader.h"

namespace {

using TReader = TDBXOstraMsSqlMetaDataReader;
using TQuery = String (TReader::*)() const;

const wchar_t* const V2000 = L"08.00.2039";
const wchar_t* const V2008 = L"10.50.1600";

struct TReaderFixture {
  explicit TReaderFixture(const String& AVersion, std::map<String, String> AVendor = {})
      : Context(AVersion) {
    Context.VendorProperties = std::move(AVendor);
    Reader.SetContext(&Context);
  }
  TFakeProviderContext Context;
  TReader Reader;
};

struct TQueryCase {
  const char* Name;
  TQuery Query;
  const wchar_t* Version;
  const wchar_t* AzureEdition;  // the vendor property's value
  const wchar_t* Expected;      // a part of the text that only this branch has
};

// One row per branch of every query: the version and edition select it, and
// the part shown (blanks as they are) is found only in that branch's text.
const TQueryCase kQueryCases[] = {
    {"Catalogs/Azure", &TReader::CatalogsQuery, V2008, L"True", L"SELECT name FROM sysdatabases"},
    {"Catalogs", &TReader::CatalogsQuery, V2008, L"false", L"SELECT name FROM master..sysdatabases"},
    {"Catalogs/blank", &TReader::CatalogsQuery, V2008, L"true ", L"FROM master..sysdatabases"},
    {"Schemas/8", &TReader::SchemasQuery, V2000, L"",
     L"SELECT DISTINCT DB_NAME(), USER_NAME(uid) FROM  dbo.sysobjects WHERE   type IN ('U', 'V', "
     L"'S', 'P', 'FN', 'IF', 'TF') ORDER BY 1,2"},
    {"Schemas/9", &TReader::SchemasQuery, L"09.00.0000", L"",
     L"SELECT DISTINCT DB_NAME(), SCHEMA_NAME(schema_id) FROM  sys.objects WHERE   type IN"},
    {"Tables/8", &TReader::TablesQuery, V2000, L"",
     L"END FROM  dbo.sysobjects WHERE   (DB_NAME() = :CATALOG_NAME OR (:CATALOG_NAME IS NULL))   "
     L"AND (USER_NAME(uid) = :SCHEMA_NAME"},
    {"Tables/10", &TReader::TablesQuery, V2008, L"",
     L"FROM  sys.all_objects a LEFT OUTER JOIN sys.system_objects s ON a.object_id=s.object_id "
     L"WHERE   (DB_NAME()"},
    {"Views/8", &TReader::ViewsQuery, V2000, L"",
     L"FROM INFORMATION_SCHEMA.VIEWS WHERE   (TABLE_CATALOG = :CATALOG_NAME"},
    {"Views/10", &TReader::ViewsQuery, V2008, L"True",
     L"AND (TABLE_NAME = :VIEW_NAME OR (:VIEW_NAME IS NULL)) ORDER BY 1,2,3"},
    {"Columns/Azure", &TReader::ColumnsQuery, V2000, L"TRUE",
     L"CONVERT(INT,C.colid), NULL, CONVERT(BIT, C.isnullable)"},
    {"Columns/8", &TReader::ColumnsQuery, V2000, L"",
     L"CASE WHEN COM.text LIKE '(%)' THEN SUBSTRING(COM.text,2,LEN(COM.text)-2) WHEN COM.text "
     L"LIKE '(''%'')'  THEN"},
    {"Columns/10", &TReader::ColumnsQuery, V2008, L"",
     L"CASE WHEN COM.text LIKE '((%))' THEN SUBSTRING(COM.text,3,LEN(COM.text)-4)"},
    {"ColumnConstraints/8", &TReader::ColumnConstraintsQuery, V2000, L"",
     L"AND (USER_NAME(T.uid)=:SCHEMA_NAME OR (:SCHEMA_NAME IS NULL))"},
    {"ColumnConstraints/10", &TReader::ColumnConstraintsQuery, V2008, L"",
     L"AND (SCHEMA_NAME(T.uid)=:SCHEMA_NAME OR (:SCHEMA_NAME IS NULL))"},
    {"Indexes/5", &TReader::IndexesQuery, L"05.00.0000", L"True",
     L"CASE [UNIQUE] WHEN 1 THEN INDEX_NAME ELSE NULL END"},
    {"Indexes/Azure", &TReader::IndexesQuery, L"05.00.0001", L"True",
     L"FROM sysobjects O, sys.indexes I, sys.index_columns IC WHERE"},
    {"Indexes/8", &TReader::IndexesQuery, V2000, L"",
     L"AND IK.keyno <= I.keycnt  AND I.status & 0x800000 = 0   AND (DB_NAME()"},
    {"Indexes/10", &TReader::IndexesQuery, V2008, L"",
     L"AND IK.keyno <= I.keycnt   AND (DB_NAME() = :CATALOG_NAME or (:CATALOG_NAME IS NULL))   "
     L"AND (SCHEMA_NAME(O.uid)"},
    {"IndexColumns/5", &TReader::IndexColumnsQuery, L"04.21.0000", L"",
     L"COLUMN_NAME, ORDINAL_POSITION, CONVERT(BIT, 1) FROM INFORMATION_SCHEMA.INDEXES"},
    {"IndexColumns/Azure", &TReader::IndexColumnsQuery, V2008, L"true",
     L"CONVERT(BIT, 1 - IC.is_descending_key)"},
    {"IndexColumns/8", &TReader::IndexColumnsQuery, V2000, L"",
     L"USER_NAME(O.uid), O.name, I.name, C.name, CONVERT(INT, IK.keyno)"},
    {"IndexColumns/10", &TReader::IndexColumnsQuery, V2008, L"",
     L"SCHEMA_NAME(O.uid), O.name, I.name, C.name, CONVERT(INT, IK.keyno)"},
    {"ForeignKeys/8", &TReader::ForeignKeysQuery, V2000, L"",
     L"FROM sysreferences R, sysobjects FK, sysobjects FT WHERE   R.fkeyid=FT.id"},
    {"ForeignKeys/10", &TReader::ForeignKeysQuery, V2008, L"",
     L"FROM sys.foreign_keys FK, sys.tables FT WHERE   FK.parent_object_id = FT.object_id"},
    {"ForeignKeyColumns/8", &TReader::ForeignKeyColumnsQuery, V2000, L"",
     L"(I.name = :PRIMARY_KEY_NAME OR (:PRIMARY_KEY_NAME IS NULL)) ORDER BY 1, 2, 3, 4, F.keyno"},
    {"ForeignKeyColumns/10", &TReader::ForeignKeyColumnsQuery, V2008, L"",
     L"ORDER BY 1, 2, 3, 4, FKC.constraint_column_id"},
    {"Synonyms/8", &TReader::SynonymsQuery, V2000, L"",
     L"SELECT NULL, NULL, NULL, NULL FROM sysobjects WHERE   (:CATALOG_NAME IS NULL) AND   "
     L"(:SCHEMA_NAME IS NULL) AND   (:SYNONYM_NAME IS NULL)"},
    {"Synonyms/10", &TReader::SynonymsQuery, V2008, L"",
     L"base_object_name FROM sys.synonyms WHERE   (DB_NAME() = :CATALOG_NAME"},
    {"Procedures", &TReader::ProceduresQuery, V2000, L"",
     L"AND (ROUTINE_TYPE = :PROCEDURE_TYPE OR (:PROCEDURE_TYPE IS NULL)) ORDER BY "
     L"ROUTINE_CATALOG,ROUTINE_SCHEMA,ROUTINE_NAME"},
    {"ProcedureSources/8", &TReader::ProcedureSourcesQuery, V2000, L"",
     L"THEN LEFT(ROUTINE_DEFINITION,2950)+' ...' ELSE"},
    {"ProcedureSources/10", &TReader::ProcedureSourcesQuery, V2008, L"",
     L"THEN LEFT(ROUTINE_DEFINITION,4000)+' ...' ELSE"},
    {"Users", &TReader::UsersQuery, V2008, L"",
     L"SELECT name FROM sysusers WHERE islogin=1 AND (sid IS NOT NULL) ORDER BY 1"},
    {"Roles", &TReader::RolesQuery, V2000, L"",
     L"SELECT name FROM sysusers WHERE uid != 0 AND (issqlrole=1 OR isapprole=1) ORDER BY 1"},
};

}  // namespace

TEST(MsSqlMetaDataReader, QueryTextFollowsVersionAndEdition) {
  for (const TQueryCase& c : kQueryCases) {
    TReaderFixture fixture(c.Version, {{L"IsSQLAzureEdition", c.AzureEdition}});
    const String text = (fixture.Reader.*c.Query)();
    EXPECT_NE(text.find(c.Expected), String::npos) << c.Name << ": " << ToUtf8(text);
  }
}

TEST(MsSqlMetaDataReader, ParameterNamesGetThePrefixWhenTheDriverAsksForIt) {
  struct {
    const wchar_t* ParamPrefix;
    bool Expected;
  } cases[] = {{L"true", true}, {L"True", true}, {L"false", false}, {L"", false}, {L"yes", false}};
  for (const auto& c : cases) {
    TReaderFixture fixture(V2008, {{L"ParamPrefix", c.ParamPrefix}});
    EXPECT_EQ(fixture.Reader.ParamPrefix(), c.Expected) << ToUtf8(c.ParamPrefix);
    const String infoSchema = fixture.Reader.ProcedureParametersQuery();
    const String sys = fixture.Reader.SysProcedureParametersQuery(String());
    const String prefix = c.Expected ? L"'@' + " : L"";
    EXPECT_NE(infoSchema.find(L"SPECIFIC_NAME, " + prefix + L"CAST(SUBSTRING(PARAMETER_NAME, 2, 1000)"),
              String::npos);
    EXPECT_NE(infoSchema.find(L"SELECT TOP 1 '', '', '', " + prefix +
                              L"'RETURN_VALUE', 'RESULT', 'int', 10, 0, 0, CONVERT(BIT,1) FROM "
                              L"INFORMATION_SCHEMA.PARAMETERS ORDER BY 3,9"),
              String::npos);
    EXPECT_NE(sys.find(L"AS SPECIFIC_NAME,   " + prefix + L"CAST(SUBSTRING(c.name, 2, 1000)"),
              String::npos);
    EXPECT_NE(sys.find(L"AS SPECIFIC_NAME,   " + prefix + L"'RETURN_VALUE'"), String::npos);
  }
}

TEST(MsSqlMetaDataReader, SystemTableParameterQueryIsFilledByPosition) {
  TReaderFixture old(V2000);
  const String text = old.Reader.SysProcedureParametersQuery(L"master.dbo.");
  EXPECT_NE(text.find(L"CAST(user_name(o.uid) AS VARCHAR(128)) AS SPECIFIC_SCHEMA"), String::npos);
  EXPECT_NE(text.find(L"AND (user_name(o.uid) = :SCHEMA_NAME"), String::npos);
  EXPECT_NE(text.find(L"FROM master.dbo.sysobjects o, master.dbo.syscolumns c, "
                      L"master.dbo.systypes t WHERE"),
            String::npos);
  EXPECT_NE(text.find(L"FROM master.dbo.sysobjects o WHERE   o.type IN ('P', 'X')"), String::npos);
  EXPECT_EQ(text.find(L'%'), String::npos);
  EXPECT_TRUE(EndsText(L"ORDER BY 3,9 ", text));

  TReaderFixture current(V2008);
  EXPECT_NE(current.Reader.SysProcedureParametersQuery(String())
                .find(L"CAST(schema_name(o.uid) AS VARCHAR(128)) AS SPECIFIC_SCHEMA"),
            String::npos);
}

TEST(MsSqlMetaDataReader, ProcedureParametersComeFromInformationSchemaOrSystemTables) {
  struct {
    const char* Name;
    const wchar_t* Catalog;
    const wchar_t* Schema;
    const wchar_t* Procedure;
    int64_t InformationSchemaCount;
    int64_t SystemCount;       // -1: the query is not expected
    const wchar_t* Qualifier;  // nullptr: the information schema answers
  } cases[] = {
      {"known procedure", L"Vendas", L"dbo", L"GravaNota", 3, -1, nullptr},
      {"unknown sp_ of master", L"", L"", L"sp_who", 0, 0, L"master.dbo."},
      {"unknown XP_ of master", L"Vendas", L"dbo", L"XP_cmdshell", 0, 0, L"master.dbo."},
      {"sp_ of this database", L"Vendas", L"dbo", L"sp_Calcula", 0, 1, L"[Vendas].[dbo]."},
      {"plain procedure of a catalog", L"Vendas", L"", L"Calcula", 0, -1, L"[Vendas].."},
      {"quoted catalog", L"we]ird", L"o'k", L"Calcula", 0, -1, L"[we]]ird].[o'k]."},
      {"plain procedure", L"", L"", L"Calcula", 0, -1, L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TReaderFixture fixture(V2008);
    fixture.Context.Answer(ResultTable(1, {{c.InformationSchemaCount}}));
    if (c.SystemCount >= 0) fixture.Context.Answer(ResultTable(1, {{c.SystemCount}}));
    fixture.Context.Answer(ResultTable(10, {{L"Vendas", L"dbo", c.Procedure, L"Valor", L"IN",
                                             L"money", 19, 4, 1, true},
                                            {L"Vendas", L"dbo", c.Procedure, L"Nome", L"IN",
                                             L"VARCHAR", 60, 0, 2, true},
                                            {L"Vendas", L"dbo", c.Procedure, L"Tipo", L"IN",
                                             L"user_type", 4, 0, 3, true}}));

    auto table = fixture.Reader.FetchProcedureParameters(c.Catalog, c.Schema, c.Procedure, L"");
    const auto& queries = fixture.Context.Queries;
    ASSERT_EQ(queries.size(), c.SystemCount >= 0 ? 3u : 2u);
    EXPECT_EQ(queries[0].ValueOf(L"PROCEDURE_NAME"), c.Procedure);
    EXPECT_EQ(queries[0].ValueOf(L"PARAMETER_NAME"), L"<unbound>");
    const TRecordedQuery& last = queries.back();
    if (!c.Qualifier) {
      EXPECT_EQ(last.Sql, fixture.Reader.ProcedureParametersQuery());
      EXPECT_EQ(last.ValueOf(L"CATALOG_NAME"), c.Catalog);
    } else {
      EXPECT_EQ(last.Sql, fixture.Reader.SysProcedureParametersQuery(c.Qualifier));
      EXPECT_EQ(last.ValueOf(L"CATALOG_NAME"), L"<null>");
      EXPECT_EQ(last.ValueOf(L"SCHEMA_NAME"), L"<null>");
    }
    EXPECT_EQ(last.ValueOf(L"PROCEDURE_NAME"), c.Procedure);
    EXPECT_EQ(last.ValueOf(L"PARAMETER_NAME"), L"<null>");

    EXPECT_EQ(table->DBXTableName(), L"ProcedureParameters");
    ASSERT_EQ(table->ColumnCount(), 11);
    EXPECT_EQ(table->Column(5).Name, L"TypeName");
    EXPECT_EQ(table->Column(10).Name, L"DbxDataType");
    const auto rows = ReadAll(*table);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][10], TDBXWritableValue(TDBXDataTypes::BcdType));
    EXPECT_EQ(rows[1][10], TDBXWritableValue(TDBXDataTypes::AnsiStringType));
    EXPECT_EQ(rows[2][10], TDBXWritableValue(TDBXDataTypes::UnknownType));
  }
}

TEST(MsSqlMetaDataReader, SynonymsAreSplitIntoTheirBaseObjectsParts) {
  TReaderFixture fixture(V2008);
  fixture.Context.Answer(ResultTable(4, {{L"Vendas", L"dbo", L"S1", L"[srv].[db].[dbo].[T]"},
                                         {L"Vendas", L"dbo", L"S2", L"[Outra].[rh].[Pessoa]"},
                                         {L"Vendas", L"vnd", L"S3", L"[rh].[Pessoa]"},
                                         {L"Vendas", L"vnd", L"S4", L"Pessoa"},
                                         {L"Vendas", L"vnd", L"S5", L"\"Dados Antigos\""},
                                         {L"Vendas", L"vnd", L"S6", {}}}));
  auto table = fixture.Reader.FetchSynonyms(L"Vendas", L"", L"");

  const auto& query = fixture.Context.Queries.at(0);
  EXPECT_EQ(query.Sql, fixture.Reader.SynonymsQuery());
  EXPECT_EQ(query.ValueOf(L"CATALOG_NAME"), L"Vendas");
  EXPECT_EQ(query.ValueOf(L"SCHEMA_NAME"), L"<null>");
  EXPECT_EQ(query.ValueOf(L"SYNONYM_NAME"), L"<null>");

  EXPECT_EQ(table->DBXTableName(), L"Synonyms");
  ASSERT_EQ(table->ColumnCount(), 7);
  const wchar_t* const names[] = {L"CatalogName",      L"SchemaName",      L"SynonymName",
                                  L"TableCatalogName", L"TableSchemaName", L"TableName", L"C3"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(table->Column(i).Name, names[i]);

  const TDBXWritableValue null;
  const std::vector<TDBXRow> expected{
      {L"Vendas", L"dbo", L"S1", L"db", L"dbo", L"T", L"[srv].[db].[dbo].[T]"},
      {L"Vendas", L"dbo", L"S2", L"Outra", L"rh", L"Pessoa", L"[Outra].[rh].[Pessoa]"},
      {L"Vendas", L"vnd", L"S3", L"Vendas", L"rh", L"Pessoa", L"[rh].[Pessoa]"},
      {L"Vendas", L"vnd", L"S4", L"Vendas", L"vnd", L"Pessoa", L"Pessoa"},
      {L"Vendas", L"vnd", L"S5", L"Vendas", L"vnd", L"Dados Antigos", L"\"Dados Antigos\""},
      {L"Vendas", L"vnd", L"S6", L"Vendas", L"vnd", null, null},
  };
  EXPECT_EQ(ReadAll(*table), expected);
  EXPECT_FALSE(table->Next());
}

TEST(MsSqlMetaDataReader, TableRequestsBindTheTypeWordsAskedFor) {
  TReaderFixture fixture(V2008);
  fixture.Reader.FetchTables(L"", L"dbo", L"Nota", L"Table; SystemView");
  fixture.Reader.FetchTables(L"", L"", L"", L"");
  TReaderFixture old(V2000);
  old.Reader.FetchTables(L"", L"", L"", L"View;Synonym");

  const TRecordedQuery& some = fixture.Context.Queries.at(0);
  EXPECT_EQ(some.ValueOf(L"CATALOG_NAME"), L"<null>");
  EXPECT_EQ(some.ValueOf(L"SCHEMA_NAME"), L"dbo");
  EXPECT_EQ(some.ValueOf(L"TABLE_NAME"), L"Nota");
  EXPECT_EQ(some.ValueOf(L"TABLES"), L"U");
  EXPECT_EQ(some.ValueOf(L"VIEWS"), L"<null>");
  EXPECT_EQ(some.ValueOf(L"SYSTEM_TABLES"), L"<null>");
  EXPECT_EQ(some.ValueOf(L"SYSTEM_VIEWS"), L"V");
  EXPECT_EQ(some.ValueOf(L"SYNONYMS"), L"<null>");

  const TRecordedQuery& all = fixture.Context.Queries.at(1);
  EXPECT_EQ(all.ValueOf(L"TABLES"), L"U");
  EXPECT_EQ(all.ValueOf(L"VIEWS"), L"V");
  EXPECT_EQ(all.ValueOf(L"SYSTEM_TABLES"), L"S");
  EXPECT_EQ(all.ValueOf(L"SYSTEM_VIEWS"), L"V");
  EXPECT_EQ(all.ValueOf(L"SYNONYMS"), L"SN");

  // The text of servers before version 9 has no :SYSTEM_VIEWS.
  const TRecordedQuery& before9 = old.Context.Queries.at(0);
  EXPECT_EQ(before9.Names(), (std::vector<String>{L"CATALOG_NAME", L"SCHEMA_NAME", L"TABLE_NAME",
                                                  L"TABLES", L"VIEWS", L"SYSTEM_TABLES",
                                                  L"SYNONYMS"}));
  EXPECT_EQ(before9.ValueOf(L"VIEWS"), L"V");
  EXPECT_EQ(before9.ValueOf(L"SYNONYMS"), L"SN");
}

TEST(MsSqlMetaDataReader, CollectionsWithoutQueriesAreEmpty) {
  TReaderFixture fixture(V2008);
  const std::pair<std::unique_ptr<TDBXTable>, const wchar_t*> collections[] = {
      {fixture.Reader.FetchPackages(L"", L"", L""), L"Packages"},
      {fixture.Reader.FetchPackageProcedures(L"", L"", L"", L"", L""), L"PackageProcedures"},
      {fixture.Reader.FetchPackageProcedureParameters(L"", L"", L"", L"", L""),
       L"PackageProcedureParameters"},
      {fixture.Reader.FetchPackageSources(L"", L"", L""), L"PackageSources"},
  };
  for (const auto& [table, name] : collections) {
    EXPECT_EQ(table->DBXTableName(), name);
    EXPECT_FALSE(table->Next());
  }
  EXPECT_TRUE(fixture.Context.Queries.empty());
}

TEST(MsSqlMetaDataReader, ReadingWithoutAConnectionIsAClearError) {
  TReader reader;
  EXPECT_THROW(reader.FetchTables(L"", L"", L"", L""), EInvalidOperation);
}
