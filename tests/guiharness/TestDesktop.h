#pragma once
// Puts a GUI test program on a desktop of its own before it makes any
// window: test programs run side by side, and on one shared desktop they
// would take the focus and the foreground from one another. List it first
// in the program's unit table.
#include "vcl/rtl/UnitStartup.h"

extern const TUnitEntry TestDesktopUnit;
