#pragma once
// The Oracle binding's metadata writer, registered for the dialect
// "OstraOracle".
#include "vcl/data/metadata/DBXMetaDataWriter.h"
#include "vcl/rtl/UnitStartup.h"

class TDBXOstraOracleMetaDataWriter : public TDBXBaseMetaDataWriter {
  VCL_CREATABLE_CLASS(TDBXOstraOracleMetaDataWriter, TDBXBaseMetaDataWriter)
public:
  TDBXOstraOracleMetaDataWriter() { Open(); }
  // Gives the writer an Oracle reader when it has none.
  void Open() override;

  String SqlRenameTable() const override { return L"RENAME :TABLE_NAME TO :NEW_TABLE_NAME"; }
  int AlterTableSupport() const override { return 0x23ED; }
  bool CatalogsSupported() const override { return false; }
  bool SchemasSupported() const override { return true; }
  bool MultipleStatementsSupported() const override { return false; }
  bool IndexNamesGlobal() const override { return true; }
  bool DescendingIndexConstraintsSupported() const override { return false; }
};

// Unit start-up and shut-down: the writer class is registered for
// "OstraOracle".
namespace DBXOstraOracleMetaDataWriter {
void Initialize();
void Finalize();
}  // namespace DBXOstraOracleMetaDataWriter
extern const TUnitEntry DBXOstraOracleMetaDataWriterUnit;
