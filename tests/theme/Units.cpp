#include "components/core/dxCore.h"
#include "components/core/dxHooks.h"
#include "components/core/dxThemeManager.h"
#include "components/core/dxUxTheme.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{ControlsUnit,  ApplicationUnit,    dxCoreUnit,
                                dxUxThemeUnit, dxThemeManagerUnit, dxHooksUnit};
  return units;
}
