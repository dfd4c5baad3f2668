#include "vcl/data/DBXFirebird.h"
#include "vcl/data/DBXStandardDrivers.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{
      DBXFirebirdUnit,
      DBXStandardDriversUnit,
  };
  return units;
}
