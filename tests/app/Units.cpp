#include "app/UAplicacaoLibrary.h"
#include "drivers/DBXOstraSQLServer.h"
#include "drivers/DbxOstraOracle.h"
#include "sqlutil/KWYUtils.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"
#include "vcl/data/DBXFirebird.h"
#include "vcl/data/DBXStandardDrivers.h"
#include "vcl/rtl/UnitStartup.h"

// The tool's own units and those it works through, in the program's order.
const TUnitTable& ProgramUnits() {
  static const TUnitTable units{
      ControlsUnit,
      ApplicationUnit,
      KWYUtilsUnit,
      DBXFirebirdUnit,
      DBXStandardDriversUnit,
      DBXOstraSQLServerUnit,
      DbxOstraOracleUnit,
      UAplicacaoLibraryUnit,
  };
  return units;
}
