#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{ControlsUnit, ApplicationUnit};
  return units;
}
