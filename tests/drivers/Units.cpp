#include "drivers/DBXOstraMSSQLReadOnlyMetaData.h"
#include "drivers/DBXOstraMsSqlMetaDataWriter.h"
#include "drivers/DBXOstraOracleMetaDataWriter.h"
#include "drivers/DBXOstraOracleReadOnlyMetaData.h"
#include "drivers/DBXOstraSQLServer.h"
#include "drivers/DbxOstraOracle.h"
#include "vcl/rtl/UnitStartup.h"

// The driver bindings' units in their link order.
const TUnitTable& ProgramUnits() {
  static const TUnitTable units{
      {L"DBXOstraMSSQLReadOnlyMetaData", DBXOstraMSSQLReadOnlyMetaData::Initialize,
       DBXOstraMSSQLReadOnlyMetaData::Finalize},
      {L"DBXOstraMsSqlMetaDataWriter", DBXOstraMsSqlMetaDataWriter::Initialize,
       DBXOstraMsSqlMetaDataWriter::Finalize},
      {L"DBXOstraSQLServer", DBXOstraSQLServer::Initialize, DBXOstraSQLServer::Finalize},
      {L"DBXOstraOracleReadOnlyMetaData", DBXOstraOracleReadOnlyMetaData::Initialize,
       DBXOstraOracleReadOnlyMetaData::Finalize},
      {L"DBXOstraOracleMetaDataWriter", DBXOstraOracleMetaDataWriter::Initialize,
       DBXOstraOracleMetaDataWriter::Finalize},
      {L"DbxOstraOracle", DbxOstraOracle::Initialize, DbxOstraOracle::Finalize},
  };
  return units;
}
