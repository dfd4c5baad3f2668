#pragma once
// The geometry records as the platform's own RECT, POINT and SIZE.
#include "vcl/rtl/Types.h"
#include "vcl/rtl/WinApi.h"

static_assert(sizeof(TRect) == sizeof(RECT) && sizeof(TPoint) == sizeof(POINT) &&
              sizeof(TSize) == sizeof(SIZE));

inline RECT* AsRECT(TRect& R) { return reinterpret_cast<RECT*>(&R); }
inline const RECT* AsRECT(const TRect& R) { return reinterpret_cast<const RECT*>(&R); }
inline POINT* AsPOINT(TPoint& P) { return reinterpret_cast<POINT*>(&P); }
inline TRect ToRect(const RECT& R) { return {R.left, R.top, R.right, R.bottom}; }
