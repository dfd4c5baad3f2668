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
      DBXOstraMSSQLReadOnlyMetaDataUnit,
      DBXOstraMsSqlMetaDataWriterUnit,
      DBXOstraSQLServerUnit,
      DBXOstraOracleReadOnlyMetaDataUnit,
      DBXOstraOracleMetaDataWriterUnit,
      DbxOstraOracleUnit,
  };
  return units;
}
