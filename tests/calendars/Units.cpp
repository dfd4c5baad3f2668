#include "components/core/cxDateUtils.h"
#include "components/core/cxFormats.h"
#include "components/core/cxLibraryStrs.h"
#include "components/core/dxCore.h"
#include "vcl/controls/Application.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{ApplicationUnit, dxCoreUnit, cxLibraryStrsUnit, cxDateUtilsUnit, cxFormatsUnit};
  return units;
}
