#include "components/controls/cxDataConsts.h"
#include "components/controls/cxDataStorage.h"
#include "components/core/cxLibraryStrs.h"
#include "components/core/dxCore.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{dxCoreUnit, cxLibraryStrsUnit, cxDataConstsUnit, cxDataStorageUnit};
  return units;
}
