#include "components/controls/cxControls.h"
#include "components/controls/cxDataConsts.h"
#include "components/controls/cxDataStorage.h"
#include "components/core/cxLibraryStrs.h"
#include "components/core/dxCore.h"
#include "components/core/dxUxTheme.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"
#include "vcl/rtl/UnitStartup.h"

// cxDWMApi is left out: its tests start and stop the unit themselves.
const TUnitTable& ProgramUnits() {
  static const TUnitTable units{ControlsUnit,     ApplicationUnit, dxCoreUnit,
                                cxLibraryStrsUnit, dxUxThemeUnit,  cxControlsUnit,
                                cxDataConstsUnit,  cxDataStorageUnit};
  return units;
}
