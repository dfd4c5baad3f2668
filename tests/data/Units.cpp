#include "vcl/data/DBXFirebird.h"
#include "vcl/data/DBXStandardDrivers.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{
      {L"DBXFirebird", DBXFirebird_Initialize, DBXFirebird_Finalize},
      {L"DBXStandardDrivers", DBXStandardDrivers_Initialize, DBXStandardDrivers_Finalize},
  };
  return units;
}
