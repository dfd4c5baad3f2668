#include "components/core/dxCore.h"
#include "components/core/dxGdiPlusApi.h"
#include "components/core/dxGdiPlusClasses.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{dxCoreUnit, dxGdiPlusApiUnit, dxGdiPlusClassesUnit};
  return units;
}
