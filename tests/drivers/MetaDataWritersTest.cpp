#include <gtest/gtest.h>

#include "FakeProviderContext.h"
#include "drivers/DBXOstraMsSqlMetaDataReader.h"
#include "drivers/DBXOstraMsSqlMetaDataWriter.h"
#include "drivers/DBXOstraOracleMetaDataReader.h"
#include "drivers/DBXOstraOracleMetaDataWriter.h"
#include "vcl/data/DBXCommon.h"
#include "vcl/data/metadata/DBXMetaDataWriterFactory.h"

namespace {

// A writer of the dialect, reading its server through the context.
std::unique_ptr<TDBXBaseMetaDataWriter> WriterFor(const String& ADialect,
                                                  TFakeProviderContext& AContext) {
  std::unique_ptr<TDBXBaseMetaDataWriter> writer = TDBXMetaDataWriterFactory::CreateWriter(ADialect);
  writer->MetaDataReader().SetContext(&AContext);
  return writer;
}

}  // namespace

TEST(MetaDataWriters, DialectsResolveToTheirOpenedWriters) {
  TFakeProviderContext context;
  auto sqlServer = WriterFor(L"OstraSQLServer", context);
  auto oracle = WriterFor(L"ostraoracle", context);
  EXPECT_EQ(sqlServer->ClassName(), L"TDBXOstraMsSqlMetaDataWriter");
  EXPECT_EQ(sqlServer->MetaDataReader().ClassName(), L"TDBXOstraMsSqlMetaDataReader");
  EXPECT_EQ(oracle->ClassName(), L"TDBXOstraOracleMetaDataWriter");
  EXPECT_EQ(oracle->MetaDataReader().ClassName(), L"TDBXOstraOracleMetaDataReader");
  EXPECT_THROW(TDBXMetaDataWriterFactory::CreateWriter(L"OstraSybase"), TDBXError);
  EXPECT_THROW(TDBXMetaDataWriterFactory::RegisterWriter(
                   L"Bad", TDBXOstraMsSqlCustomMetaDataWriter::StaticClass()),
               EArgumentException);  // not creatable

  // Opening keeps a reader that was set before.
  TDBXOstraMsSqlMetaDataWriter writer;
  auto reader = std::make_unique<TDBXOstraMsSqlMetaDataReader>();
  TDBXBaseMetaDataReader* given = reader.get();
  writer.SetMetaDataReader(std::move(reader));
  writer.Open();
  EXPECT_EQ(&writer.MetaDataReader(), given);
}

TEST(MetaDataWriters, RenameTableStatements) {
  struct {
    const char* Name;
    const wchar_t* Dialect;
    const wchar_t* UseQuoteChar;
    const wchar_t* Schema;
    const wchar_t* Table;
    const wchar_t* NewTable;
    const wchar_t* Expected;
  } cases[] = {
      {"sql server", L"OstraSQLServer", L"", L"dbo", L"Nota", L"NotaFiscal",
       L"EXEC sp_rename 'dbo.Nota', 'NotaFiscal', 'OBJECT'"},
      {"sql server, no schema", L"OstraSQLServer", L"", L"", L"Nota", L"NotaFiscal",
       L"EXEC sp_rename 'Nota', 'NotaFiscal', 'OBJECT'"},
      {"sql server, quote in names", L"OstraSQLServer", L"", L"dbo", L"D'Ávila", L"x'); DROP--",
       L"EXEC sp_rename 'dbo.D''Ávila', 'x''); DROP--', 'OBJECT'"},
      {"oracle", L"OstraOracle", L"False", L"SCOTT", L"EMP", L"EMPREGADO",
       L"RENAME EMP TO EMPREGADO"},
      {"oracle, quoted", L"OstraOracle", L"True", L"SCOTT", L"Emp", L"Em\"p",
       L"RENAME \"Emp\" TO \"Em\"\"p\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TFakeProviderContext context;
    context.VendorProperties[L"UseQuoteChar"] = c.UseQuoteChar;
    auto writer = WriterFor(c.Dialect, context);
    EXPECT_EQ(writer->MakeSqlRenameTable(c.Schema, c.Table, c.NewTable), c.Expected);
  }
}

TEST(MetaDataWriters, DropIndexStatements) {
  struct {
    const char* Name;
    const wchar_t* Dialect;
    const wchar_t* Version;
    const wchar_t* UseQuoteChar;
    const wchar_t* Schema;
    const wchar_t* Expected;
  } cases[] = {
      {"sql server 8", L"OstraSQLServer", L"08.00.2039", L"", L"dbo",
       L"DROP INDEX [Nota].[IX_Nota];\n"},
      {"sql server 9", L"OstraSQLServer", L"09.00.0000", L"", L"dbo",
       L"DROP INDEX [IX_Nota] ON [dbo].[Nota];\n"},
      {"sql server 10, no schema", L"OstraSQLServer", L"10.50.1600", L"", L"",
       L"DROP INDEX [IX_Nota] ON [Nota];\n"},
      {"oracle", L"OstraOracle", L"11.02.0000", L"False", L"SCOTT", L"DROP INDEX SCOTT.IX_Nota;\n"},
      {"oracle, quoted", L"OstraOracle", L"11.02.0000", L"True", L"SCOTT",
       L"DROP INDEX \"SCOTT\".\"IX_Nota\";\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TFakeProviderContext context(c.Version);
    context.VendorProperties[L"UseQuoteChar"] = c.UseQuoteChar;
    auto writer = WriterFor(c.Dialect, context);
    EXPECT_EQ(writer->MakeSqlDropIndex(c.Schema, L"Nota", L"IX_Nota"), c.Expected);
  }
}

TEST(MetaDataWriters, ABaseWriterWithoutReaderOrRenameTemplateSaysSo) {
  TDBXBaseMetaDataWriter plain;
  EXPECT_THROW(plain.MakeSqlIdentifier(L"x"), EInvalidOperation);
  plain.SetMetaDataReader(std::make_unique<TDBXOstraOracleMetaDataReader>());
  EXPECT_THROW(plain.MakeSqlRenameTable(L"S", L"A", L"B"), EInvalidOperation);
}
