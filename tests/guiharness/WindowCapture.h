#pragma once
// What a window shows, copied pixel by pixel (frame and child windows
// included) into a 32-bit bitmap that tests compare or save as PNG.
#include <memory>

#include "vcl/controls/Controls.h"
#include "vcl/graphics/Bitmap.h"

// Paints what is pending, then copies the window from its window DC.
std::unique_ptr<TBitmap> CaptureWindow(TWinControl* Control);
// The RGB colour of a pixel (as a TColor).
TColor PixelColor(TBitmap& Bitmap, int X, int Y);
// Writes the bitmap as a PNG file through GDI+.
void SaveAsPng(TBitmap& Bitmap, const String& FileName);
