#include <gtest/gtest.h>

#include "vcl/rtl/UnitStartup.h"

// Every test program starts the units it links, as the real program does,
// and shuts them down in reverse order at the end.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  TUnitStartup startup;
  return RUN_ALL_TESTS();
}
