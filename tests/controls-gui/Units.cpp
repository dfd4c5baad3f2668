#include "components/controls/cxControls.h"
#include "components/controls/cxDWMApi.h"
#include "components/core/cxClasses.h"
#include "components/core/cxGraphics.h"
#include "components/core/cxLibraryStrs.h"
#include "components/core/cxMessageWindow.h"
#include "components/core/dxCore.h"
#include "components/core/dxUxTheme.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{ControlsUnit,        ApplicationUnit, dxCoreUnit,
                                cxLibraryStrsUnit,   cxMessageWindowUnit, cxClassesUnit,
                                dxUxThemeUnit,       cxGraphicsUnit,  cxDWMApiUnit,
                                cxControlsUnit};
  return units;
}
