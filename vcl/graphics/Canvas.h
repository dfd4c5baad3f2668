#pragma once
// TCanvas: drawing on a device context with a font, a brush and a pen that
// are selected into it when a drawing operation needs them.
#include <atomic>
#include <memory>
#include <mutex>

#include "vcl/graphics/GraphicsObjects.h"
#include "vcl/rtl/Types.h"

struct HDC__;
class TGraphic;
class TBitmap;

// What FloodFill fills: the area of one colour, or up to a border colour.
enum class TFillStyle { fsSurface, fsBorder };
using enum TFillStyle;

class TCanvas : public TPersistent {
  VCL_CREATABLE_CLASS(TCanvas, TPersistent)
public:
  TCanvas();
  ~TCanvas() override;

  // The device context; a canvas that can make one (a bitmap's, a
  // control's) makes it here, any other raises EInvalidOperation.
  HDC__* Handle();
  // Draws on a context someone else owns; null lets it go again.
  void SetHandle(HDC__* Value);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TFont* Font() const { return FFont.get(); }
  TBrush* Brush() const { return FBrush.get(); }
  TPen* Pen() const { return FPen.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
  void SetPen(TPen* Value) { FPen->Assign(Value); }

  void TextOut(int X, int Y, const String& Text);
  // Text clipped to Rect (the rectangle is filled with the brush unless it
  // is clear).
  void TextRect(const TRect& Rect, int X, int Y, const String& Text);
  TSize TextExtent(const String& Text);
  int TextWidth(const String& Text) { return TextExtent(Text).cx; }
  int TextHeight(const String& Text) { return TextExtent(Text).cy; }

  void FillRect(const TRect& Rect);
  void FrameRect(const TRect& Rect);  // one-pixel frame in the brush colour
  void Rectangle(const TRect& Rect);  // pen outline, brush inside
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  TPoint PenPos();
  TColor Pixels(int X, int Y);
  void SetPixels(int X, int Y, TColor Value);

  void Draw(int X, int Y, TGraphic* Graphic);
  void StretchDraw(const TRect& Rect, TGraphic* Graphic);
  void CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect);
  // Source of the bitmap stretched into Dest, its pixels of Color replaced
  // by the brush (a clear brush leaves the canvas under them).
  void BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color);
  // Fills with the brush from (X, Y): the area of Color (fsSurface) or the
  // area bounded by Color (fsBorder).
  void FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle);

  // The clipping rectangle of the context (its box, in logical units).
  TRect ClipRect();
  // Limits drawing to Rect (intersected with the current clip).
  void IntersectClipRect(const TRect& Rect);
  // Deselects the tools, so the next drawing selects them afresh.
  void Refresh() { DeselectHandles(); }

  // The raster operation of CopyRect (SRCCOPY at first).
  uint32_t CopyMode() const { return FCopyMode; }
  void SetCopyMode(uint32_t Value) { FCopyMode = Value; }

  // Keeps other threads from drawing on the canvas until the matching
  // Unlock; nests on one thread. TryLock does not wait.
  void Lock();
  bool TryLock();
  void Unlock();
  int LockCount() const { return FLockCount; }

  // Makes the context and selects the tools that drawing with the handle
  // directly needs.
  enum TState : uint8_t { HandleValid = 1, FontValid = 2, PenValid = 4, BrushValid = 8,
                          AllValid = 15 };
  void RequiredState(uint8_t State);

protected:
  virtual void CreateHandle();
  void DeselectHandles();

private:
  void ToolChanged(uint8_t State);
  HDC__* FHandle = nullptr;
  uint8_t FState = 0;
  uint32_t FCopyMode = 0x00CC0020;  // SRCCOPY
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TPen> FPen;
  std::recursive_mutex FLock;
  std::atomic<int> FLockCount{0};
};

// Holds a canvas locked for the length of a scope.
class TCanvasLock {
public:
  explicit TCanvasLock(TCanvas* ACanvas) : FCanvas(ACanvas) { FCanvas->Lock(); }
  ~TCanvasLock() { FCanvas->Unlock(); }
  TCanvasLock(const TCanvasLock&) = delete;
  TCanvasLock& operator=(const TCanvasLock&) = delete;

private:
  TCanvas* FCanvas;
};
