#include <gtest/gtest.h>

#include <set>

#include "FakeProviderContext.h"
#include "drivers/DBXOstraMsSqlMetaDataReader.h"
#include "drivers/DBXOstraOracleMetaDataReader.h"

namespace {

// The "DataTypes" collection's row of a type, empty when the type is absent.
TDBXRow DataTypeRow(TDBXBaseMetaDataReader& AReader, const String& ATypeName) {
  auto table = AReader.FetchDataTypes();
  for (TDBXRow& row : ReadAll(*table))
    if (row[0].AsString() == ATypeName) return row;
  return {};
}

}  // namespace

TEST(DataTypes, SqlServerTypesDependOnTheServerVersion) {
  struct {
    const wchar_t* Version;
    const wchar_t* TypeName;
    int64_t ColumnSize;  // 0: the type does not exist on that version
  } cases[] = {
      {L"08.00.2039", L"varchar", 8000},        {L"09.00.1399", L"varchar", 2147483647},
      {L"08.99.9999", L"nvarchar", 4000},       {L"10.50.1600", L"nvarchar", 1073741823},
      {L"08.00.2039", L"varbinary", 8000},      {L"09.00.0000", L"varbinary", 1073741823},
      {L"08.00.2039", L"xml", 0},               {L"09.00.0000", L"xml", 2147483647},
      {L"09.00.5000", L"date", 0},              {L"10.00.0000", L"date", 10},
      {L"09.00.5000", L"datetimeoffset", 0},    {L"10.50.1600", L"datetimeoffset", 34},
      {L"09.00.5000", L"geography", 0},         {L"11.00.2100", L"geography", 1073741823},
      {L"08.00.2039", L"datetime", 23},         {L"10.50.1600", L"hierarchyid", 892},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.Version) + " " + ToUtf8(c.TypeName));
    TFakeProviderContext context(c.Version);
    TDBXOstraMsSqlMetaDataReader reader;
    reader.SetContext(&context);
    const TDBXDataTypeDescription* type = reader.FindDataType(c.TypeName);
    const TDBXRow row = DataTypeRow(reader, c.TypeName);
    if (c.ColumnSize == 0) {
      EXPECT_EQ(type, nullptr);
      EXPECT_TRUE(row.empty());
    } else {
      ASSERT_NE(type, nullptr);
      EXPECT_EQ(type->ColumnSize, c.ColumnSize);
      ASSERT_FALSE(row.empty());
      EXPECT_EQ(row[2].AsInt64(), c.ColumnSize);
    }
  }
}

TEST(DataTypes, TheTypeTableFollowsANewConnectionsVersion) {
  TDBXOstraMsSqlMetaDataReader reader;
  TFakeProviderContext old(L"08.00.2039");
  TFakeProviderContext current(L"10.50.1600");
  reader.SetContext(&old);
  EXPECT_EQ(reader.FindDataType(L"VARCHAR")->ColumnSize, 8000);
  reader.SetContext(&current);
  EXPECT_EQ(reader.FindDataType(L"VARCHAR")->ColumnSize, 2147483647);
}

TEST(DataTypes, DescriptionsCarryLiteralsScalesAndFlags) {
  TFakeProviderContext context(L"10.50.1600");
  TDBXOstraMsSqlMetaDataReader sqlServer;
  TDBXOstraOracleMetaDataReader oracle;
  sqlServer.SetContext(&context);
  oracle.SetContext(&context);
  const wchar_t* const flagColumns[TDBXTypeFlagCount] = {
      L"IsAutoIncrementable", L"IsBestMatch", L"IsFixedLength",        L"IsCaseSensitive", L"IsFixedPrecisionScale",
      L"IsLong",              L"IsNullable",  L"IsSearchable",         L"IsSearchableWithLike", L"IsUnsigned",
      L"IsConcurrencyType",   L"IsLiteralSupported", L"IsUnicode"};

  // Every row of the collection shows its type's description, each value
  // under the column of its name.
  for (TDBXBaseMetaDataReader* reader : {static_cast<TDBXBaseMetaDataReader*>(&sqlServer),
                                         static_cast<TDBXBaseMetaDataReader*>(&oracle)}) {
    auto table = reader->FetchDataTypes();
    const auto column = [&](const wchar_t* AName) { return table->ColumnOrdinal(AName); };
    for (const TDBXRow& row : ReadAll(*table)) {
      const TDBXDataTypeDescription* type = reader->FindDataType(row.at(column(L"TypeName")).AsString());
      ASSERT_NE(type, nullptr);
      SCOPED_TRACE(ToUtf8(type->TypeName));
      const std::pair<const wchar_t*, TDBXWritableValue> values[] = {
          {L"DbxDataType", type->DataType},          {L"ColumnSize", type->ColumnSize},
          {L"CreateFormat", type->CreateFormat},     {L"CreateParameters", type->CreateParameters},
          {L"MaximumScale", type->MaxScale},         {L"MinimumScale", type->MinScale},
          {L"LiteralPrefix", type->LiteralPrefix},   {L"LiteralSuffix", type->LiteralSuffix},
          {L"MaximumVersion", type->MaxVersion},     {L"MinimumVersion", type->MinVersion}};
      for (const auto& [name, value] : values) EXPECT_EQ(row.at(column(name)), value) << ToUtf8(name);
      for (int flag = 0; flag < TDBXTypeFlagCount; ++flag)
        EXPECT_EQ(row.at(column(flagColumns[flag])), TDBXWritableValue(type->HasFlag(static_cast<TDBXTypeFlag>(flag))))
            << ToUtf8(flagColumns[flag]);
    }
  }

  // What each server documents of some of its types.
  const struct {
    TDBXBaseMetaDataReader& Reader;
    const wchar_t* TypeName;
    const wchar_t* Column;
    TDBXWritableValue Value;
  } facts[] = {
      {sqlServer, L"datetime", L"DbxDataType", TDBXDataTypes::TimeStampType},
      {sqlServer, L"datetime", L"LiteralPrefix", L"{ts '"},
      {sqlServer, L"datetime", L"LiteralSuffix", L"'}"},
      {sqlServer, L"decimal", L"CreateFormat", L"decimal({0}, {1})"},
      {sqlServer, L"decimal", L"CreateParameters", L"Precision, Scale"},
      {sqlServer, L"decimal", L"MaximumScale", 38},
      {sqlServer, L"decimal", L"MinimumScale", 0},
      {sqlServer, L"tinyint", L"IsUnsigned", true},
      {sqlServer, L"tinyint", L"IsAutoIncrementable", true},
      {sqlServer, L"tinyint", L"IsUnicode", false},
      {sqlServer, L"ntext", L"IsUnicode", true},
      {sqlServer, L"ntext", L"IsLong", true},
      {sqlServer, L"ntext", L"IsFixedLength", false},
      {sqlServer, L"timestamp", L"IsConcurrencyType", true},
      {oracle, L"DATE", L"LiteralPrefix", L"TO_DATE('"},
      {oracle, L"DATE", L"LiteralSuffix", L"','YYYY-MM-DD HH24:MI:SS')"},
      {oracle, L"NUMBER", L"MaximumScale", 127},
      {oracle, L"NUMBER", L"MinimumScale", -84},
      {oracle, L"BLOB", L"ColumnSize", int64_t{4294967296}},
      {oracle, L"NCHAR", L"IsUnicode", true},
      {oracle, L"NCHAR", L"IsFixedLength", true},
      {oracle, L"NCHAR", L"IsLiteralSupported", true},
      {oracle, L"NCHAR", L"IsCaseSensitive", true},
  };
  for (const auto& f : facts) {
    SCOPED_TRACE(ToUtf8(f.TypeName) + " " + ToUtf8(f.Column));
    const TDBXRow row = DataTypeRow(f.Reader, f.TypeName);
    ASSERT_FALSE(row.empty());
    EXPECT_EQ(row.at(f.Reader.FetchDataTypes()->ColumnOrdinal(f.Column)), f.Value);
  }
}

TEST(DataTypes, OracleAddsTheTypesOnlyParametersHave) {
  TFakeProviderContext context(L"11.02.0000");
  TDBXOstraOracleMetaDataReader reader;
  reader.SetContext(&context);
  const std::pair<const wchar_t*, int> extras[] = {{L"REF CURSOR", TDBXDataTypes::CursorType},
                                                   {L"pl/sql boolean", TDBXDataTypes::BooleanType},
                                                   {L"BINARY_INTEGER", TDBXDataTypes::Int32Type}};
  for (const auto& [name, dataType] : extras) {
    const TDBXDataTypeDescription* type = reader.FindDataType(name);
    ASSERT_NE(type, nullptr) << ToUtf8(name);
    EXPECT_EQ(type->DataType, dataType);
    EXPECT_EQ(type->ColumnSize, 0);
    EXPECT_TRUE(type->CreateFormat.empty());
    EXPECT_EQ(type->Flags, 0u);
  }
  EXPECT_EQ(ReadAll(*reader.FetchDataTypes()).size(), 22u + 3u);
  EXPECT_EQ(reader.DataTypeDescriptions().size(), 22u);
}

TEST(DataTypes, ReservedWordListsAreCompleteAndInOrder) {
  TDBXOstraMsSqlMetaDataReader sqlServer;
  TDBXOstraOracleMetaDataReader oracle;
  struct {
    TDBXBaseMetaDataReader& Reader;
    size_t Count;
    const wchar_t* First;
    const wchar_t* Last;
  } cases[] = {{sqlServer, 393, L"ADD", L"UPPER"}, {oracle, 80, L"ALL", L"WITH"}};
  for (const auto& c : cases) {
    const std::vector<String>& words = c.Reader.ReservedWordList();
    EXPECT_EQ(words.size(), c.Count);
    EXPECT_EQ(words.front(), c.First);
    EXPECT_EQ(words.back(), c.Last);
    EXPECT_EQ(std::set<String>(words.begin(), words.end()).size(), words.size());
    for (const String& word : words) EXPECT_EQ(word, UpperCase(Trim(word)));

    auto table = c.Reader.FetchReservedWords();
    EXPECT_EQ(table->DBXTableName(), L"ReservedWords");
    EXPECT_EQ(table->Column(0).Name, L"ReservedWord");
    EXPECT_EQ(ReadAll(*table).size(), c.Count);
  }
  const std::vector<String>& words = sqlServer.ReservedWordList();
  EXPECT_NE(std::find(words.begin(), words.end(), L"END-EXEC"), words.end());
  EXPECT_NE(std::find(words.begin(), words.end(), L"CURRENT_TIMESTAMP"), words.end());
}

TEST(DataTypes, SqlServerTableHasEveryDescribedRow) {
  TDBXOstraMsSqlMetaDataReader reader;
  const std::vector<TDBXDataTypeDescription>& types = reader.DataTypeDescriptions();
  ASSERT_EQ(types.size(), 38u);
  EXPECT_EQ(types.front().TypeName, L"smallint");
  EXPECT_EQ(types.back().TypeName, L"geography");
  int twice = 0;
  for (size_t i = 1; i < types.size(); ++i)
    if (types[i].TypeName == types[i - 1].TypeName) {
      ++twice;
      EXPECT_EQ(types[i - 1].MaxVersion, L"08.99.9999");
      EXPECT_EQ(types[i].MinVersion, L"09.00.0000");
    }
  EXPECT_EQ(twice, 5);  // varchar, char, nchar, nvarchar, varbinary
}
