#include "report/RLConsts.h"
#include "report/RLCursors.h"
#include "report/RLPDFFilter.h"
#include "report/RLTypes.h"
#include "report/RLUtils.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{ControlsUnit, ApplicationUnit, RLUtilsUnit,   RLConstsUnit,
                                RLTypesUnit,  RLCursorsUnit,   RLPDFFilterUnit};
  return units;
}
