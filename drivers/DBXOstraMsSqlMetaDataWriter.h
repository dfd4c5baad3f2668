#pragma once
// The SQL Server binding's metadata writer, registered for the dialect
// "OstraSQLServer".
#include "vcl/data/metadata/DBXMetaDataWriter.h"
#include "vcl/rtl/UnitStartup.h"

class TDBXOstraMsSqlCustomMetaDataWriter : public TDBXBaseMetaDataWriter {
  VCL_CLASS(TDBXOstraMsSqlCustomMetaDataWriter, TDBXBaseMetaDataWriter)
public:
  TDBXOstraMsSqlCustomMetaDataWriter() = default;
  // Servers before version 9 name the index behind its table.
  String MakeSqlDropIndex(const String& ASchema, const String& ATable,
                          const String& AIndex) const override;
};

class TDBXOstraMsSqlMetaDataWriter : public TDBXOstraMsSqlCustomMetaDataWriter {
  VCL_CREATABLE_CLASS(TDBXOstraMsSqlMetaDataWriter, TDBXOstraMsSqlCustomMetaDataWriter)
public:
  TDBXOstraMsSqlMetaDataWriter() { Open(); }
  // Gives the writer a SQL Server reader when it has none.
  void Open() override;

  String SqlAutoIncrementKeyword() const override { return L"IDENTITY"; }
  String SqlAutoIncrementInserts() const override { return L"IDENTITY_INSERT"; }
  String SqlRenameTable() const override {
    return L"EXEC sp_rename ':SCHEMA_NAME.:TABLE_NAME', ':NEW_TABLE_NAME', 'OBJECT'";
  }
  bool CatalogsSupported() const override { return true; }
  bool SchemasSupported() const override { return true; }
  bool MultipleStatementsSupported() const override { return true; }
};

// Unit start-up and shut-down: the writer class is registered for
// "OstraSQLServer".
namespace DBXOstraMsSqlMetaDataWriter {
void Initialize();
void Finalize();
}  // namespace DBXOstraMsSqlMetaDataWriter
extern const TUnitEntry DBXOstraMsSqlMetaDataWriterUnit;
