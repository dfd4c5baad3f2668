#include "vcl/controls/Application.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{ApplicationUnit};
  return units;
}
