#include <gtest/gtest.h>

#include <cstdio>

#include "vcl/rtl/UnitStartup.h"

// Every test program starts the units it links, as the real program does,
// and shuts them down in reverse order at the end.
int main(int argc, char** argv) {
  // Output goes to a file, which the C run-time buffers whole: a program that
  // crashed, in a test or while shutting down, would leave nothing to read.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  ::testing::InitGoogleTest(&argc, argv);
  TUnitStartup startup;
  return RUN_ALL_TESTS();
}
