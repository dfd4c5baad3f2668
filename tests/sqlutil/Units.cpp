#include "sqlutil/KWYUtils.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"
#include "vcl/data/DBXFirebird.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{
      ControlsUnit,
      ApplicationUnit,
      DBXFirebirdUnit,
      KWYUtilsUnit,
  };
  return units;
}
