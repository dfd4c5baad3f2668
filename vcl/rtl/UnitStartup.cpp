#include "vcl/rtl/UnitStartup.h"

TUnitStartup::TUnitStartup(const TUnitTable& units) : FUnits(units) {
  try {
    for (const TUnitEntry& unit : FUnits) {
      if (unit.Initialize) unit.Initialize();
      ++FStarted;
    }
  } catch (...) {
    ShutDown();
    throw;
  }
}

TUnitStartup::~TUnitStartup() { ShutDown(); }

void TUnitStartup::ShutDown() noexcept {
  while (FStarted > 0) {
    const TUnitEntry& unit = FUnits[--FStarted];
    // A shut-down that fails must not keep the others from running.
    try {
      if (unit.Finalize) unit.Finalize();
    } catch (...) {
    }
  }
}
