#pragma once
// The hand cursors of report previews: an open hand to show that a page
// can be dragged, a closed one while it is. Their images are the program's
// cursor resources "HANDOPEN" and "HANDCLOSED" (report/RLCursors.rc).
#include "vcl/controls/Controls.h"
#include "vcl/rtl/UnitStartup.h"

constexpr TCursor crRLHandOpen = 1;
constexpr TCursor crRLHandClosed = 2;

extern const TUnitEntry RLCursorsUnit;
