#include "components/core/cxClasses.h"
#include "components/core/cxGeometry.h"
#include "components/core/cxGraphics.h"
#include "components/core/cxLibraryStrs.h"
#include "components/core/cxMessageWindow.h"
#include "components/core/dxCore.h"
#include "components/core/dxGdiPlusApi.h"
#include "components/core/dxGdiPlusClasses.h"
#include "components/core/dxUxTheme.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{ControlsUnit,     ApplicationUnit,     dxCoreUnit,    cxLibraryStrsUnit,
                                cxGeometryUnit,   cxMessageWindowUnit, cxClassesUnit, dxGdiPlusApiUnit,
                                dxUxThemeUnit,    cxGraphicsUnit,      dxGdiPlusClassesUnit};
  return units;
}
