#include "vcl/graphics/Colors.h"

#include "vcl/rtl/WinApi.h"

uint32_t ColorToRGB(TColor Color) {
  if (Color < 0) return GetSysColor(Color & 0xFF);
  return static_cast<uint32_t>(Color);
}
