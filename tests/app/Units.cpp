#include "app/UAplicacaoLibrary.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"
#include "vcl/data/DBXFirebird.h"
#include "vcl/data/DBXStandardDrivers.h"
#include "vcl/rtl/UnitStartup.h"

// The tool's units, in the program's order.
const TUnitTable& ProgramUnits() {
  static const TUnitTable units{
      ControlsUnit,
      ApplicationUnit,
      {L"DBXFirebird", DBXFirebird_Initialize, DBXFirebird_Finalize},
      {L"DBXStandardDrivers", DBXStandardDrivers_Initialize, DBXStandardDrivers_Finalize},
      UAplicacaoLibraryUnit,
  };
  return units;
}
