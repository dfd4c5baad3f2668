#pragma once
// Pictures the GDI+ tests draw on and the images they load, all made here:
// 32-bit bitmaps, images encoded through GDI+ and GIF files written byte by
// byte.
#include <functional>
#include <memory>
#include <string>

#include "components/core/dxGdiPlusClasses.h"
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
// A GIF of 1 x 1 frames coloured red, green, blue in turn, each shown
// ADelay hundredths of a second; ALoopCount < 0 writes no loop count.
std::string AnimatedGif(int AFrames, int ALoopCount, int ADelay = 10);
std::unique_ptr<TMemoryStream> StreamOf(const std::string& ABytes);
std::string BytesOf(TMemoryStream& AStream);
