#include "codelib/JvDataConsumer.h"
#include "codelib/JvDragCursors.h"
#include "codelib/UclBase.h"
#include "codelib/UclRegistry.h"
#include "codelib/UclStrings.h"
#include "codelib/UclSynch.h"
#include "codelib/UclSysInfo.h"
#include "codelib/UclSysUtils.h"
#include "codelib/UclUnicode.h"
#include "codelib/UclUnitVersioning.h"
#include "codelib/UclWideStrings.h"
#include "vcl/controls/Controls.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{ControlsUnit,          UclUnitVersioningUnit, UclBaseUnit,      UclRegistryUnit,
                                UclSynchUnit,          UclSysUtilsUnit,  UclSysInfoUnit,
                                JvDragCursorsUnit,     UclStringsUnit,   UclUnicodeUnit,
                                UclWideStringsUnit,    JvDataProviderUnit};
  return units;
}
