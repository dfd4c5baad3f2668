#include "components/core/cxClasses.h"
#include "components/core/cxGeometry.h"
#include "components/core/cxGraphics.h"
#include "components/core/cxLibraryStrs.h"
#include "components/core/cxMessageWindow.h"
#include "components/core/dxCore.h"
#include "components/core/dxGestures.h"
#include "components/core/dxHooks.h"
#include "components/core/dxThemeManager.h"
#include "components/core/dxUxTheme.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{ControlsUnit,       ApplicationUnit,     dxCoreUnit,     cxLibraryStrsUnit,
                                cxGeometryUnit,     cxMessageWindowUnit, cxClassesUnit,  dxUxThemeUnit,
                                dxThemeManagerUnit, dxHooksUnit,         cxGraphicsUnit, dxGesturesUnit};
  return units;
}
