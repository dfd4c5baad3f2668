#pragma once
// Pictures the GDI+ tests draw on and the images they load, all made here:
// 32-bit bitmaps and images encoded through GDI+ (GIF files and their
// streams come from the shared fixture).
#include <functional>
#include <memory>
#include <string>

#include "components/core/dxGdiPlusClasses.h"
#include "tests/support/GifFixture.h"
#include "vcl/graphics/Canvas.h"

// A TrueType family every test machine has.
inline const wchar_t* const TestFontName = L"DejaVu Sans";

// A 32-bit bitmap filled with one colour.
std::unique_ptr<TBitmap> FilledBitmap(int AWidth, int AHeight, TColor AColor = clWhite);
// Draws on the bitmap through a GDI+ canvas that is gone (and flushed) when
// APaint returns.
void PaintOn(TBitmap& ABitmap, const std::function<void(TdxGPCanvas&)>& APaint);
// The colour and alpha of one pixel.
TColor PixelColor(TBitmap& ABitmap, int X, int Y);
uint8_t PixelAlpha(TBitmap& ABitmap, int X, int Y);
// Within ATolerance per channel.
bool ColorNear(TColor A, TColor B, int ATolerance);

// Opaque pixels of AWidth x AHeight: red at the left half, blue at the
// right, a green pixel at (0, 0).
TRGBColors TestPixels(int AWidth, int AHeight);
// The test pixels encoded in a format through GDI+.
std::unique_ptr<TMemoryStream> EncodedImage(TdxImageDataFormat AFormat, int AWidth = 8, int AHeight = 6);
std::string BytesOf(TMemoryStream& AStream);
