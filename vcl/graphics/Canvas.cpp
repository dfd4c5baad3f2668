#include "vcl/graphics/Canvas.h"

#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/GdiTypes.h"
#include "vcl/graphics/Graphic.h"
#include "vcl/rtl/SysUtils.h"

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()),
      FBrush(std::make_unique<TBrush>()),
      FPen(std::make_unique<TPen>()) {
  FFont->OnChange = [this](TObject*) { ToolChanged(FontValid); };
  FBrush->OnChange = [this](TObject*) { ToolChanged(BrushValid); };
  FPen->OnChange = [this](TObject*) { ToolChanged(PenValid); };
}

TCanvas::~TCanvas() { DeselectHandles(); }

HDC TCanvas::Handle() {
  RequiredState(HandleValid);
  return FHandle;
}

void TCanvas::SetHandle(HDC Value) {
  if (FHandle == Value) return;
  DeselectHandles();
  FHandle = Value;
  FState = Value ? HandleValid : 0;
}

void TCanvas::CreateHandle() {
  throw EInvalidOperation(L"Canvas does not allow drawing");
}

// Selects into the context whatever the next operation needs and is not
// selected yet.
void TCanvas::RequiredState(uint8_t State) {
  uint8_t needed = State & ~FState;
  if (!needed) return;
  if (needed & HandleValid) {
    CreateHandle();
    if (!FHandle) throw EInvalidOperation(L"Canvas does not allow drawing");
    FState |= HandleValid;
  }
  if (needed & FontValid) {
    SelectObject(FHandle, FFont->Handle());
    SetTextColor(FHandle, ColorToRGB(FFont->Color()));
  }
  if (needed & PenValid) {
    SelectObject(FHandle, FPen->Handle());
    SetROP2(FHandle, PenModeToROP2(FPen->Mode()));
  }
  if (needed & BrushValid) {
    UnrealizeObject(FBrush->Handle());
    SelectObject(FHandle, FBrush->Handle());
    bool opaque = FBrush->Style() == bsSolid && FBrush->Color() != clNone;
    SetBkColor(FHandle, ColorToRGB(FBrush->Color()));
    SetBkMode(FHandle, opaque ? OPAQUE : TRANSPARENT);
  }
  FState |= needed;
}

// Puts the stock objects back, so that the tools' own objects can be
// deleted or replaced while the context lives on.
void TCanvas::DeselectHandles() {
  if (!FHandle || !(FState & (FontValid | PenValid | BrushValid))) return;
  SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
  SelectObject(FHandle, GetStockObject(BLACK_PEN));
  SelectObject(FHandle, GetStockObject(HOLLOW_BRUSH));
  FState &= ~(FontValid | PenValid | BrushValid);
}

void TCanvas::Lock() {
  FLock.lock();
  ++FLockCount;
}

bool TCanvas::TryLock() {
  if (!FLock.try_lock()) return false;
  ++FLockCount;
  return true;
}

void TCanvas::Unlock() {
  --FLockCount;
  FLock.unlock();
}

void TCanvas::ToolChanged(uint8_t State) {
  if (!FHandle || !(FState & State)) return;
  // Select the new object now: the old one is deleted right after this.
  FState &= ~State;
  RequiredState(State);
}

void TCanvas::TextOut(int X, int Y, const String& Text) {
  RequiredState(HandleValid | FontValid | BrushValid);
  ExtTextOutW(FHandle, X, Y, 0, nullptr, Text.c_str(), static_cast<UINT>(Text.size()), nullptr);
  MoveToEx(FHandle, X + TextWidth(Text), Y, nullptr);
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, const String& Text) {
  RequiredState(HandleValid | FontValid | BrushValid);
  UINT options = ETO_CLIPPED;
  if (FBrush->Style() != bsClear) options |= ETO_OPAQUE;
  ExtTextOutW(FHandle, X, Y, options, AsRECT(Rect), Text.c_str(), static_cast<UINT>(Text.size()),
              nullptr);
}

TSize TCanvas::TextExtent(const String& Text) {
  RequiredState(HandleValid | FontValid);
  TSize size;
  GetTextExtentPoint32W(FHandle, Text.c_str(), static_cast<int>(Text.size()),
                        reinterpret_cast<SIZE*>(&size));
  return size;
}

void TCanvas::FillRect(const TRect& Rect) {
  RequiredState(HandleValid | BrushValid);
  ::FillRect(FHandle, AsRECT(Rect), FBrush->Handle());
}

void TCanvas::FrameRect(const TRect& Rect) {
  RequiredState(HandleValid | BrushValid);
  ::FrameRect(FHandle, AsRECT(Rect), FBrush->Handle());
}

void TCanvas::Rectangle(const TRect& Rect) {
  RequiredState(HandleValid | PenValid | BrushValid);
  ::Rectangle(FHandle, Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
}

void TCanvas::MoveTo(int X, int Y) {
  RequiredState(HandleValid);
  MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
  RequiredState(HandleValid | PenValid | BrushValid);
  ::LineTo(FHandle, X, Y);
}

TPoint TCanvas::PenPos() {
  RequiredState(HandleValid);
  TPoint pos;
  GetCurrentPositionEx(FHandle, AsPOINT(pos));
  return pos;
}

TColor TCanvas::Pixels(int X, int Y) {
  RequiredState(HandleValid);
  return static_cast<TColor>(GetPixel(FHandle, X, Y));
}

void TCanvas::SetPixels(int X, int Y, TColor Value) {
  RequiredState(HandleValid | PenValid | BrushValid);
  SetPixel(FHandle, X, Y, ColorToRGB(Value));
}

namespace {

// A one-bit bitmap selected into a memory context, both freed with it.
class TMonochromeMask {
public:
  TMonochromeMask(int AWidth, int AHeight)
      : FBitmap(CreateBitmap(AWidth, AHeight, 1, 1, nullptr)), FDC(CreateCompatibleDC(nullptr)) {
    FOld = SelectObject(FDC, FBitmap);
  }
  ~TMonochromeMask() {
    SelectObject(FDC, FOld);
    DeleteDC(FDC);
    DeleteObject(FBitmap);
  }
  TMonochromeMask(const TMonochromeMask&) = delete;
  TMonochromeMask& operator=(const TMonochromeMask&) = delete;
  HDC Handle() const { return FDC; }

private:
  HBITMAP FBitmap;
  HDC FDC;
  HGDIOBJ FOld;
};

// A 32-bit work bitmap of the given size and its context.
HDC WorkBitmap(TBitmap& ABitmap, int AWidth, int AHeight) {
  ABitmap.SetPixelFormat(pf32bit);
  ABitmap.SetSize(AWidth, AHeight);
  return ABitmap.Canvas()->Handle();
}

}  // namespace

void TCanvas::BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color) {
  if (!Bitmap || Bitmap->Empty() || Dest.IsEmpty()) return;
  RequiredState(HandleValid | BrushValid);
  const int w = Dest.Width(), h = Dest.Height();
  TBitmap image, result;
  HDC imageDC = WorkBitmap(image, w, h), resultDC = WorkBitmap(result, w, h);
  SetStretchBltMode(imageDC, COLORONCOLOR);
  StretchBlt(imageDC, 0, 0, w, h, Bitmap->Canvas()->Handle(), Source.Left, Source.Top, Source.Width(),
             Source.Height(), SRCCOPY);
  // White in the mask where the picture has the key colour.
  TMonochromeMask mask(w, h);
  SetBkColor(imageDC, ColorToRGB(Color));
  BitBlt(mask.Handle(), 0, 0, w, h, imageDC, 0, 0, SRCCOPY);
  if (FBrush->Style() == bsClear)
    BitBlt(resultDC, 0, 0, w, h, FHandle, Dest.Left, Dest.Top, SRCCOPY);
  else
    ::FillRect(resultDC, AsRECT(TRect(0, 0, w, h)), FBrush->Handle());
  // The background where the mask is white, the picture elsewhere.
  for (HDC dc : {imageDC, resultDC}) {
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
  }
  constexpr DWORD DestAndNotSource = 0x00220326;
  BitBlt(resultDC, 0, 0, w, h, mask.Handle(), 0, 0, SRCAND);
  BitBlt(imageDC, 0, 0, w, h, mask.Handle(), 0, 0, DestAndNotSource);
  BitBlt(resultDC, 0, 0, w, h, imageDC, 0, 0, SRCPAINT);
  BitBlt(FHandle, Dest.Left, Dest.Top, w, h, resultDC, 0, 0, SRCCOPY);
}

void TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle) {
  RequiredState(HandleValid | BrushValid);
  ExtFloodFill(FHandle, X, Y, ColorToRGB(Color), FillStyle == fsSurface ? FLOODFILLSURFACE : FLOODFILLBORDER);
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  StretchDraw(Bounds(X, Y, Graphic->Width(), Graphic->Height()), Graphic);
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  RequiredState(HandleValid);
  Graphic->Draw(this, Rect);
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect) {
  RequiredState(HandleValid | BrushValid);
  HDC source = Source->Handle();
  SetStretchBltMode(FHandle, COLORONCOLOR);
  StretchBlt(FHandle, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), source, SourceRect.Left,
             SourceRect.Top, SourceRect.Width(), SourceRect.Height(), FCopyMode);
}

TRect TCanvas::ClipRect() {
  RequiredState(HandleValid);
  RECT box;
  GetClipBox(FHandle, &box);
  return ToRect(box);
}

void TCanvas::IntersectClipRect(const TRect& Rect) {
  RequiredState(HandleValid);
  ::IntersectClipRect(FHandle, Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
}
