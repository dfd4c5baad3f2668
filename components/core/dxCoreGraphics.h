#pragma once
// Colours as 32-bit pixels, a bitmap's pixels as one 32-bit array (top-down
// or bottom-up), and the comparison of two graphics.
#include <cstdint>
#include <vector>

#include "vcl/graphics/Colors.h"
#include "vcl/rtl/WinApi.h"

class TBitmap;
class TGraphic;

using TRGBQuad = RGBQUAD;  // blue, green, red, reserved (alpha)
using TRGBColors = std::vector<TRGBQuad>;

// The colour (system colours resolved) as a pixel with the given alpha.
TRGBQuad dxColorAsRGBQuad(TColor AColor, uint8_t AReserved = 0);
// As dxColorAsRGBQuad, but clNone gives 0 and clDefault the marker pixel
// 0x00010203, so that both survive the way through a pixel.
TRGBQuad dxColorToRGBQuadOrMarker(TColor AColor, uint8_t AReserved = 0);
// The reverse of dxColorToRGBQuadOrMarker.
TColor dxQuadAsColorAndAlpha(const TRGBQuad& AQuad, uint8_t& AAlpha);
TColor dxQuadAsColor(const TRGBQuad& AQuad);
// Exchanges bytes 0 and 2.
uint32_t dxSwapQuadRedBlue(uint32_t AValue);

int dxBitsPerPixelOf(TBitmap* ABitmap);
void dxFillBitmapInfoHeader(BITMAPINFOHEADER& AHeader, int AWidth, int AHeight, bool ATopDown);
// Width x Height pixels, the first row the top one when ATopDownDIB; false
// for an empty bitmap or when the system could not deliver every row.
bool dxReadBitmapColors(TBitmap* ABitmap, TRGBColors& AColors, bool ATopDownDIB);
// Writes Width x Height pixels laid out as dxReadBitmapColors reads them; an
// array with fewer pixels raises EInvalidGraphicOperation.
void dxWriteBitmapColors(TBitmap* ABitmap, const TRGBColors& AColors, bool ATopDownDIB);
// At least 32 bits per pixel and a pixel with a non-zero alpha byte.
bool dxBitmapUsesAlpha(TBitmap* ABitmap);
bool dxGetBitmapObjectInfo(HBITMAP AHandle, BITMAP& ABitmap);
// Same class, same size and the same bytes when saved.
bool dxGraphicsAreEqual(TGraphic* A, TGraphic* B);
