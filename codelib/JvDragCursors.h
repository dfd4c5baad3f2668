#pragma once
// The screen's cursors for the library's drag operations: the indexes 368
// to 371 show the framework's drag cursors.
#include "vcl/rtl/UnitStartup.h"

// With a screen, 368, 370 and 371 get the cursor of crMultiDrag and 369
// that of crDrag; a failure leaves the cursors as they were.
void InstallDragCursors();

extern const TUnitEntry JvDragCursorsUnit;
