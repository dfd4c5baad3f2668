#pragma once
// TBitmap: an image over a device-independent section of 24 or 32 bits per
// pixel, drawn through its canvas and read or written row by row.
#include <memory>

#include "vcl/graphics/Colors.h"
#include "vcl/graphics/Graphic.h"

struct HBITMAP__;
struct HINSTANCE__;

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit,
                          pfCustom };
using enum TPixelFormat;

class TBitmap : public TGraphic {
  VCL_CREATABLE_CLASS(TBitmap, TGraphic)
public:
  TBitmap();
  TBitmap(int AWidth, int AHeight);
  ~TBitmap() override;

  bool Empty() const override { return FWidth == 0 || FHeight == 0; }
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  void SetWidth(int Value) override { SetSize(Value, FHeight); }
  void SetHeight(int Value) override { SetSize(FWidth, Value); }
  // Keeps the picture in the part that both sizes share.
  void SetSize(int AWidth, int AHeight) override;

  // pfDevice and pf32bit mean 32 bits, pf24bit 24; other formats raise
  // EInvalidGraphicOperation. A change keeps the picture.
  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat Value);

  // The bitmap's canvas, drawing into its pixels.
  TCanvas* Canvas();
  // The section (null while the bitmap is empty).
  HBITMAP__* Handle() const { return FHandle; }
  // Takes the section out of the canvas's device context, so that another
  // context can select it (the canvas makes a new one when next used).
  void ReleaseCanvasHandle();
  // The first byte of row Row (0 is the top); pixels are blue, green, red
  // (and alpha at 32 bits).
  void* ScanLine(int Row);
  int BytesPerScanLine() const;

  // The BMP file format. Loading takes uncompressed and bit-field images
  // of any depth the platform can draw; 32-bit images keep their alpha.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) const override;
  // The bitmap resource ResName of Instance (the program's own when null);
  // EResNotFound when there is none.
  void LoadFromResourceName(HINSTANCE__* Instance, const String& ResName);

  void Assign(TPersistent* Source) override;

  // The colour drawn transparent when Transparent is set: with tmAuto that
  // of the bottom-left pixel (clNone for an empty bitmap); setting a colour
  // other than clDefault fixes it.
  TColor TransparentColor();
  void SetTransparentColor(TColor Value);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value);

  // CF_BITMAP: a copy of the picture; loading takes the picture of the
  // bitmap handle given (which stays its owner's).
  void LoadFromClipboardFormat(uint32_t AFormat, void* AData, void* APalette) override;
  void SaveToClipboardFormat(uint32_t& AFormat, void*& AData, void*& APalette) override;

protected:
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  // "Data": the length of the BMP file (4 bytes), then the file.
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) const override;

private:
  class TBitmapCanvas;
  void Replace(HBITMAP__* Handle, void* Bits, int AWidth, int AHeight, TPixelFormat Format,
               bool KeepPicture);
  HBITMAP__* NewSection(int AWidth, int AHeight, TPixelFormat Format, void*& Bits) const;

  HBITMAP__* FHandle = nullptr;
  uint8_t* FBits = nullptr;
  int FWidth = 0;
  int FHeight = 0;
  TPixelFormat FPixelFormat = pf32bit;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = tmAuto;
  std::unique_ptr<TBitmapCanvas> FCanvas;
};
