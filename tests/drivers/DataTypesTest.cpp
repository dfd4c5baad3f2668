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

  // TypeName, DbxDataType, ColumnSize, CreateFormat, CreateParameters,
  // MaximumScale, MinimumScale, LiteralPrefix, LiteralSuffix, then the flags.
  const TDBXRow datetime = DataTypeRow(sqlServer, L"datetime");
  ASSERT_EQ(datetime.size(), 24u);
  EXPECT_EQ(datetime[1], TDBXWritableValue(TDBXDataTypes::TimeStampType));
  EXPECT_EQ(datetime[7], TDBXWritableValue(L"{ts '"));
  EXPECT_EQ(datetime[8], TDBXWritableValue(L"'}"));

  const TDBXRow decimal = DataTypeRow(sqlServer, L"decimal");
  EXPECT_EQ(decimal[3], TDBXWritableValue(L"decimal({0}, {1})"));
  EXPECT_EQ(decimal[4], TDBXWritableValue(L"Precision, Scale"));
  EXPECT_EQ(decimal[5], TDBXWritableValue(38));
  EXPECT_EQ(decimal[6], TDBXWritableValue(0));

  const TDBXRow date = DataTypeRow(oracle, L"DATE");
  EXPECT_EQ(date[7], TDBXWritableValue(L"TO_DATE('"));
  EXPECT_EQ(date[8], TDBXWritableValue(L"','YYYY-MM-DD HH24:MI:SS')"));
  const TDBXRow number = DataTypeRow(oracle, L"NUMBER");
  EXPECT_EQ(number[5], TDBXWritableValue(127));
  EXPECT_EQ(number[6], TDBXWritableValue(-84));
  EXPECT_EQ(DataTypeRow(oracle, L"BLOB")[2], TDBXWritableValue(int64_t{4294967296}));

  const auto flag = [](const TDBXRow& ARow, TDBXTypeFlag AFlag) {
    return ARow.at(11 + static_cast<int>(AFlag)).AsBoolean();
  };
  const TDBXRow tinyint = DataTypeRow(sqlServer, L"tinyint");
  const TDBXRow ntext = DataTypeRow(sqlServer, L"ntext");
  const TDBXRow nchar = DataTypeRow(oracle, L"NCHAR");
  EXPECT_TRUE(flag(tinyint, TDBXTypeFlag::Unsigned));
  EXPECT_TRUE(flag(tinyint, TDBXTypeFlag::AutoIncrementable));
  EXPECT_FALSE(flag(tinyint, TDBXTypeFlag::Unicode));
  EXPECT_TRUE(flag(ntext, TDBXTypeFlag::Unicode));
  EXPECT_TRUE(flag(ntext, TDBXTypeFlag::Long));
  EXPECT_FALSE(flag(ntext, TDBXTypeFlag::FixedLength));
  EXPECT_TRUE(flag(DataTypeRow(sqlServer, L"timestamp"), TDBXTypeFlag::ConcurrencyType));
  EXPECT_TRUE(flag(nchar, TDBXTypeFlag::Unicode));
  EXPECT_TRUE(flag(nchar, TDBXTypeFlag::FixedLength));
  EXPECT_TRUE(flag(nchar, TDBXTypeFlag::LiteralSupported));
  EXPECT_TRUE(flag(nchar, TDBXTypeFlag::CaseSensitive));
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
