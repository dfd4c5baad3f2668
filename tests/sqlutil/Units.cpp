#include "sqlutil/KWYUtils.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"
#include "vcl/data/DBXFirebird.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{
      ControlsUnit,
      ApplicationUnit,
      {L"DBXFirebird", DBXFirebird_Initialize, DBXFirebird_Finalize},
      KWYUtilsUnit,
  };
  return units;
}
