#include "tests/guiharness/TestDesktop.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{TestDesktopUnit, ControlsUnit, ApplicationUnit};
  return units;
}
