#include "components/core/cxGeometry.h"
#include "components/core/cxLibraryStrs.h"
#include "components/core/dxCore.h"
#include "components/core/dxThreading.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{dxCoreUnit, cxLibraryStrsUnit, dxThreadingUnit, cxGeometryUnit};
  return units;
}
