// The canvas over a GDI+ graphics, the paint canvases and the drawing
// routines on a device context.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "components/core/dxGdiPlusClasses.h"
#include "vcl/graphics/Canvas.h"

namespace {

// One temporary GDI+ object, deleted by ADeleter when the holder goes.
template <auto& ADeleter>
class TGpObject {
public:
  TGpObject() = default;
  ~TGpObject() {
    if (FHandle) ADeleter(FHandle);
  }
  TGpObject(const TGpObject&) = delete;
  TGpObject& operator=(const TGpObject&) = delete;
  void** operator&() { return &FHandle; }
  void* Get() const { return FHandle; }

private:
  void* FHandle = nullptr;
};
using TGpBrush = TGpObject<GdipDeleteBrush>;
using TGpPen = TGpObject<GdipDeletePen>;
using TGpGraphics = TGpObject<GdipDeleteGraphics>;
using TGpImage = TGpObject<GdipDisposeImage>;

std::unique_ptr<TdxGPPaintCanvas> SharedPaintCanvas;

TdxAlphaColor AlphaColorOf(TColor AColor, uint8_t AAlpha) {
  const TRGBQuad quad = dxColorToRGBQuadOrMarker(AColor, AAlpha);
  TdxAlphaColor result;
  std::memcpy(&result, &quad, sizeof(result));
  return result;
}

// Integer shape rectangles cover the pixels a GDI rectangle covers.
TdxGpRectF ShapeRect(const TRect& R) {
  return {static_cast<float>(R.Left), static_cast<float>(R.Top), static_cast<float>(R.Right - 1 - R.Left),
          static_cast<float>(R.Bottom - 1 - R.Top)};
}

TRect ShapeTRect(const TRect& R) { return {R.Left, R.Top, R.Right - 1, R.Bottom - 1}; }

bool IsDashStyle(TPenStyle AStyle) { return static_cast<int>(AStyle) <= static_cast<int>(psDashDotDot); }

// A pen of an ARGB colour; none for the styles that draw no line.
void CreateAlphaPen(TGpPen& APen, TdxAlphaColor AColor, float AWidth, TPenStyle AStyle) {
  if (!IsDashStyle(AStyle)) return;
  dxCheckGpStatus(GdipCreatePen1(AColor, AWidth, UnitPixel, &APen));
  dxCheckGpStatus(GdipSetPenDashStyle(APen.Get(), static_cast<INT>(AStyle)));
}

void CreateAlphaBrush(TGpBrush& ABrush, TdxAlphaColor AColor) { dxCheckGpStatus(GdipCreateSolidFill(AColor, &ABrush)); }

std::vector<TdxGpPointF> GpPoints(const std::vector<TdxPointF>& APoints) {
  std::vector<TdxGpPointF> result;
  result.reserve(APoints.size());
  for (const TdxPointF& p : APoints) result.push_back({p.X, p.Y});
  return result;
}

const POINT* AsPoints(const std::vector<TPoint>& APoints) { return reinterpret_cast<const POINT*>(APoints.data()); }

using TShapeCall = std::function<Status(void*)>;

}  // namespace

// ---------------------------------------------------------------- unit routines

bool dxGpCreateSolidBrush(void*& ABrush, TColor AColor, uint8_t AAlpha) {
  ABrush = nullptr;
  if (AColor == clNone) return false;
  dxCheckGpStatus(GdipCreateSolidFill(AlphaColorOf(AColor, AAlpha), &ABrush));
  return true;
}

bool dxGpCreatePen(void*& APen, TColor AColor, TPenStyle AStyle, float AWidth, uint8_t AAlpha) {
  APen = nullptr;
  if (AColor == clNone || AWidth <= 0 || !IsDashStyle(AStyle)) return false;
  dxCheckGpStatus(GdipCreatePen1(AlphaColorOf(AColor, AAlpha), AWidth, UnitPixel, &APen));
  const Status status = GdipSetPenDashStyle(APen, static_cast<INT>(AStyle));
  if (status != Ok) {
    GdipDeletePen(APen);
    APen = nullptr;
    dxCheckGpStatus(status);
  }
  return true;
}

bool dxGpIsRectVisible(void* AGraphics, const TRect& R) {
  BOOL result = FALSE;
  dxCheckGpStatus(GdipIsVisibleRectI(AGraphics, R.Left, R.Top, R.Width(), R.Height(), &result));
  return result;
}

bool dxGpIsRectVisible(void* AGraphics, const TdxRectF& R) {
  BOOL result = FALSE;
  dxCheckGpStatus(GdipIsVisibleRect(AGraphics, R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top, &result));
  return result;
}

void dxGpDrawImagePart(void* AGraphics, const TRect& ADestRect, const TRect& ASourceRect, void* AImage,
                       uint8_t AAlpha, void* AAttributes) {
  if (ASourceRect.Width() < 1 || ASourceRect.Height() < 1 || ADestRect.Width() < 1 || ADestRect.Height() < 1) return;
  TRect source = ASourceRect;
  INT imageType = 0;
  dxCheckGpStatus(GdipGetImageType(AImage, &imageType));
  if (imageType != 2) {  // metafiles are vector drawings
    if (source.Width() > 1 && source.Width() < ADestRect.Width()) --source.Right;
    if (source.Height() > 1 && source.Height() < ADestRect.Height()) --source.Bottom;
  }
  if (!dxGpIsRectVisible(AGraphics, ADestRect)) return;
  if (!AAttributes && AAlpha != 255) AAttributes = dxGpGetAlphaBlendAttributes(AAlpha)->Handle();
  dxCheckGpStatus(GdipDrawImageRectRectI(AGraphics, AImage, ADestRect.Left, ADestRect.Top, ADestRect.Width(),
                                         ADestRect.Height(), source.Left, source.Top, source.Width(), source.Height(),
                                         UnitPixel, AAttributes, nullptr, nullptr));
}

void dxGpDrawImagePart(void* AGraphics, const TdxRectF& ADestRect, const TdxRectF& ASourceRect, void* AImage,
                       uint8_t AAlpha, void* AAttributes) {
  const float destWidth = dxRectFWidth(ADestRect), destHeight = dxRectFHeight(ADestRect);
  float sourceWidth = dxRectFWidth(ASourceRect), sourceHeight = dxRectFHeight(ASourceRect);
  if (sourceWidth < 1 || sourceHeight < 1 || destWidth < 1 || destHeight < 1) return;
  INT imageType = 0;
  dxCheckGpStatus(GdipGetImageType(AImage, &imageType));
  if (imageType != 2) {
    if (sourceWidth > 1 && sourceWidth < destWidth) sourceWidth -= 1;
    if (sourceHeight > 1 && sourceHeight < destHeight) sourceHeight -= 1;
  }
  if (!dxGpIsRectVisible(AGraphics, ADestRect)) return;
  if (!AAttributes && AAlpha != 255) AAttributes = dxGpGetAlphaBlendAttributes(AAlpha)->Handle();
  dxCheckGpStatus(GdipDrawImageRectRect(AGraphics, AImage, ADestRect.Left, ADestRect.Top, destWidth, destHeight,
                                        ASourceRect.Left, ASourceRect.Top, sourceWidth, sourceHeight, UnitPixel,
                                        AAttributes, nullptr, nullptr));
}

namespace {
// One texture-filled bitmap of the destination's size, drawn at once.
bool DrawTiledByTexture(void* AGraphics, const TRect& ADestRect, const TRect& ATileRect, void* AImage) {
  TGpBrush texture;
  if (GdipCreateTexture2I(AImage, WrapModeTile, ATileRect.Left, ATileRect.Top, ATileRect.Width(), ATileRect.Height(),
                          &texture) != Ok)
    return false;
  TGpImage bitmap;
  *&bitmap = dxGpCreateBitmap(ADestRect.Width(), ADestRect.Height());
  {
    TGpGraphics graphics;
    dxCheckGpStatus(GdipGetImageGraphicsContext(bitmap.Get(), &graphics));
    dxCheckGpStatus(GdipFillRectangleI(graphics.Get(), texture.Get(), 0, 0, ADestRect.Width(), ADestRect.Height()));
  }
  dxCheckGpStatus(
      GdipDrawImageRectI(AGraphics, bitmap.Get(), ADestRect.Left, ADestRect.Top, ADestRect.Width(), ADestRect.Height()));
  return true;
}
}  // namespace

void dxGpDrawImageTiled(void* AGraphics, const TRect& ADestRect, const TRect& ATileRect, void* AImage,
                        uint8_t AAlpha) {
  if (ATileRect.IsEmpty() || !dxGpIsRectVisible(AGraphics, ADestRect)) return;
  const int tileWidth = ATileRect.Width(), tileHeight = ATileRect.Height();
  if (AAlpha == 255 && (tileWidth < ADestRect.Width() || tileHeight < ADestRect.Height()) &&
      DrawTiledByTexture(AGraphics, ADestRect, ATileRect, AImage))
    return;
  const int columns = (ADestRect.Width() + tileWidth - 1) / tileWidth;
  const int rows = (ADestRect.Height() + tileHeight - 1) / tileHeight;
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column) {
      TRect cell = Bounds(ADestRect.Left + column * tileWidth, ADestRect.Top + row * tileHeight, tileWidth, tileHeight);
      TRect source = ATileRect;
      if (cell.Right > ADestRect.Right) {
        source.Right -= cell.Right - ADestRect.Right;
        cell.Right = ADestRect.Right;
      }
      if (cell.Bottom > ADestRect.Bottom) {
        source.Bottom -= cell.Bottom - ADestRect.Bottom;
        cell.Bottom = ADestRect.Bottom;
      }
      dxGpDrawImagePart(AGraphics, cell, source, AImage, AAlpha);
    }
}

void dxGpFillRectSolid(void* AGraphics, const TRect& R, TdxAlphaColor AColor) {
  TGpBrush brush;
  CreateAlphaBrush(brush, AColor);
  dxCheckGpStatus(GdipFillRectangleI(AGraphics, brush.Get(), R.Left, R.Top, R.Width(), R.Height()));
}

bool dxGpIsLowColorDC(HDC DC) {
  if (GetDeviceCaps(DC, BITSPIXEL) <= 16 || GetDeviceCaps(DC, TECHNOLOGY) == DT_RASPRINTER ||
      GetDeviceCaps(DC, NUMCOLORS) > 1)
    return true;
  if (dxOsVistaUp) return false;
  const HWND window = WindowFromDC(DC);
  return window && (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
}

TdxGPPaintCanvas* dxGpSharedPaintCanvas() {
  if (!SharedPaintCanvas) SharedPaintCanvas = std::make_unique<TdxGPPaintCanvas>();
  return SharedPaintCanvas.get();
}

void dxGpFreeSharedPaintCanvas() { SharedPaintCanvas.reset(); }

std::unique_ptr<TdxGPCustomPaintCanvas> dxGpBeginPaintOnDC(HDC DC, const TRect& R) {
  auto canvas = std::make_unique<TdxGPPaintCanvas>();
  canvas->BeginPaint(DC, R);
  return canvas;
}

void dxGpEndPaintAndFree(std::unique_ptr<TdxGPCustomPaintCanvas>& ACanvas) {
  std::unique_ptr<TdxGPCustomPaintCanvas> canvas = std::move(ACanvas);
  if (canvas) canvas->EndPaint();
}

void dxGpPaintOnDC(HDC DC, const TRect& R, const std::function<void(TdxGPCanvas*)>& APaint) {
  TdxGPPaintCanvas* canvas = dxGpSharedPaintCanvas();
  canvas->BeginPaint(DC, R);
  try {
    APaint(canvas);
  } catch (...) {
    canvas->EndPaint();
    throw;
  }
  canvas->EndPaint();
}

void dxGpFillRectOnDC(HDC DC, const TRect& R, TColor AColor, uint8_t AAlpha) {
  dxGpPaintOnDC(DC, R, [&](TdxGPCanvas* ACanvas) { dxGpFillRectSolid(ACanvas->Handle(), R, AlphaColorOf(AColor, AAlpha)); });
}

// ---------------------------------------------------------------- TdxGPCanvas

TdxGPCanvas::TdxGPCanvas(HDC DC) { dxCheckGpStatus(GdipCreateFromHDC(DC, &FHandle)); }

TdxGPCanvas::~TdxGPCanvas() {
  for (void* region : FSavedClipRegions) GdipDeleteRegion(region);
  for (void* matrix : FSavedWorldTransforms) GdipDeleteMatrix(matrix);
  DeleteHandle();
}

void TdxGPCanvas::DeleteHandle() {
  if (FHandle) GdipDeleteGraphics(FHandle);
  FHandle = nullptr;
}

HDC TdxGPCanvas::GetHDC() {
  HDC dc = nullptr;
  dxCheckGpStatus(GdipGetDC(FHandle, &dc));
  return dc;
}

void TdxGPCanvas::ReleaseHDC(HDC DC) { dxCheckGpStatus(GdipReleaseDC(FHandle, DC)); }

void TdxGPCanvas::Clear(TColor AColor) { dxCheckGpStatus(GdipGraphicsClear(FHandle, AlphaColorOf(AColor, 255))); }

float TdxGPCanvas::DpiX() {
  float dpi = 0;
  dxCheckGpStatus(GdipGetDpiX(FHandle, &dpi));
  return dpi;
}

float TdxGPCanvas::DpiY() {
  float dpi = 0;
  dxCheckGpStatus(GdipGetDpiY(FHandle, &dpi));
  return dpi;
}

TdxGPInterpolationMode TdxGPCanvas::InterpolationMode() {
  INT mode = 0;
  dxCheckGpStatus(GdipGetInterpolationMode(FHandle, &mode));
  return mode >= 0 && mode <= static_cast<INT>(imHighQualityBicubic) ? static_cast<TdxGPInterpolationMode>(mode)
                                                                      : imDefault;
}

void TdxGPCanvas::SetInterpolationMode(TdxGPInterpolationMode AValue) {
  dxCheckGpStatus(GdipSetInterpolationMode(FHandle, static_cast<INT>(AValue)));
}

TdxGPSmoothingMode TdxGPCanvas::SmoothingMode() {
  INT mode = 0;
  dxCheckGpStatus(GdipGetSmoothingMode(FHandle, &mode));
  return mode >= 0 && mode <= static_cast<INT>(smAntiAlias) ? static_cast<TdxGPSmoothingMode>(mode) : smDefault;
}

void TdxGPCanvas::SetSmoothingMode(TdxGPSmoothingMode AValue) {
  dxCheckGpStatus(GdipSetSmoothingMode(FHandle, static_cast<INT>(AValue)));
}

// ---------------------------------------------------------------- images

void TdxGPCanvas::Draw(TdxGPImage* AGraphic, const TRect& R, uint8_t AAlpha) {
  Draw(AGraphic, R, AGraphic->ClientRect(), AAlpha);
}

void TdxGPCanvas::Draw(TdxGPImage* AGraphic, const TdxRectF& R, uint8_t AAlpha) {
  Draw(AGraphic, R, dxRectFFromRect(AGraphic->ClientRect()), AAlpha);
}

void TdxGPCanvas::Draw(TdxGPImage* AGraphic, const TRect& ADestRect, const TRect& ASourceRect, uint8_t AAlpha) {
  if (AGraphic->Empty()) return;
  dxGpDrawImagePart(FHandle, ADestRect, ASourceRect, AGraphic->Handle(), AAlpha);
}

void TdxGPCanvas::Draw(TdxGPImage* AGraphic, const TdxRectF& ADestRect, const TdxRectF& ASourceRect, uint8_t AAlpha) {
  if (AGraphic->Empty()) return;
  dxGpDrawImagePart(FHandle, ADestRect, ASourceRect, AGraphic->Handle(), AAlpha);
}

void TdxGPCanvas::Draw(TdxGPImage* AGraphic, const TRect& R, TdxGPImageAttributes* AAttributes) {
  Draw(AGraphic, dxRectFFromRect(R), dxRectFFromRect(AGraphic->ClientRect()), AAttributes);
}

void TdxGPCanvas::Draw(TdxGPImage* AGraphic, const TdxRectF& ADestRect, const TdxRectF& ASourceRect,
                       TdxGPImageAttributes* AAttributes) {
  if (AGraphic->Empty()) return;
  dxGpDrawImagePart(FHandle, ADestRect, ASourceRect, AGraphic->Handle(), 255,
                    AAttributes ? AAttributes->Handle() : nullptr);
}

void TdxGPCanvas::DrawBitmap(TBitmap* ABitmap, const TRect& R, uint8_t AAlpha) {
  if (ABitmap->Empty()) return;
  TdxGPImage image(ABitmap);
  Draw(&image, R, AAlpha);
}

void TdxGPCanvas::DrawTile(TdxGPImage* AGraphic, const TRect& R, uint8_t AAlpha) {
  if (AGraphic->Empty()) return;
  dxGpDrawImageTiled(FHandle, R, AGraphic->ClientRect(), AGraphic->Handle(), AAlpha);
}

// ---------------------------------------------------------------- clipping

bool TdxGPCanvas::IsClipEmpty() {
  BOOL result = FALSE;
  dxCheckGpStatus(GdipIsClipEmpty(FHandle, &result));
  return result;
}

void TdxGPCanvas::SetClipRect(const TRect& R, TdxGPCombineMode AMode) { SetClipRect(dxRectFFromRect(R), AMode); }

void TdxGPCanvas::SetClipRect(const TdxRectF& R, TdxGPCombineMode AMode) {
  dxCheckGpStatus(GdipSetClipRect(FHandle, R.Left, R.Top, dxRectFWidth(R), dxRectFHeight(R), static_cast<INT>(AMode)));
}

void TdxGPCanvas::SetClipPath(TdxGPPath* APath, TdxGPCombineMode AMode) {
  dxCheckGpStatus(GdipSetClipPath(FHandle, APath->Handle(), static_cast<INT>(AMode)));
}

void TdxGPCanvas::SetClipRegion(HRGN ARgn, TdxGPCombineMode AMode) {
  dxCheckGpStatus(GdipSetClipHrgn(FHandle, ARgn, static_cast<INT>(AMode)));
}

void TdxGPCanvas::SaveClipRegion() {
  void* region = nullptr;
  dxCheckGpStatus(GdipCreateRegion(&region));
  const Status status = GdipGetClip(FHandle, region);
  if (status != Ok) GdipDeleteRegion(region);
  dxCheckGpStatus(status);
  FSavedClipRegions.push_back(region);
}

void TdxGPCanvas::RestoreClipRegion() {
  if (FSavedClipRegions.empty()) throw EdxException(L"No clip region was saved");
  void* region = FSavedClipRegions.back();
  FSavedClipRegions.pop_back();
  const Status status = GdipSetClipRegion(FHandle, region, static_cast<INT>(gmReplace));
  GdipDeleteRegion(region);
  dxCheckGpStatus(status);
}

// ---------------------------------------------------------------- shapes

void TdxGPCanvas::DrawShape(void* APen, void* ABrush, const TShapeCall& AFill, const TShapeCall& AOutline) {
  if (ABrush && AFill) dxCheckGpStatus(AFill(ABrush));
  if (APen) dxCheckGpStatus(AOutline(APen));
}

void TdxGPCanvas::DrawShape(TdxGPPen* APen, TdxGPCustomBrush* ABrush, const TdxGpRectF& ABounds,
                            const TShapeCall& AFill, const TShapeCall& AOutline) {
  if (ABrush) ABrush->SetTargetRect(ABounds);
  if (APen) APen->Brush()->SetTargetRect(ABounds);
  DrawShape(APen ? APen->Handle() : nullptr, ABrush ? ABrush->Handle() : nullptr, AFill, AOutline);
}

namespace {
// The temporary tools of the TColor and ARGB shape forms.
struct TShapeTools {
  TGpPen Pen;
  TGpBrush Brush;
  TShapeTools(TColor APenColor, TColor ABrushColor, float APenWidth, TPenStyle APenStyle, uint8_t APenAlpha,
              uint8_t ABrushAlpha) {
    dxGpCreatePen(*&Pen, APenColor, APenStyle, APenWidth, APenAlpha);
    dxGpCreateSolidBrush(*&Brush, ABrushColor, ABrushAlpha);
  }
  TShapeTools(TdxAlphaColor APenColor, TdxAlphaColor ABrushColor, float APenWidth, TPenStyle APenStyle,
              bool AFilled = true) {
    CreateAlphaPen(Pen, APenColor, APenWidth, APenStyle);
    if (AFilled) CreateAlphaBrush(Brush, ABrushColor);
  }
};
}  // namespace

void TdxGPCanvas::Arc(const TRect& R, float AStartAngle, float ASweepAngle, TColor APenColor, float APenWidth,
                      TPenStyle APenStyle, uint8_t APenColorAlpha) {
  const TShapeTools tools(APenColor, clNone, APenWidth, APenStyle, APenColorAlpha, 0);
  const TdxGpRectF r = ShapeRect(R);
  DrawShape(tools.Pen.Get(), nullptr, nullptr,
            [&](void* pen) { return GdipDrawArc(FHandle, pen, r.X, r.Y, r.Width, r.Height, -AStartAngle, -ASweepAngle); });
}

void TdxGPCanvas::Arc(const TRect& R, float AStartAngle, float ASweepAngle, TdxAlphaColor APenColor, float APenWidth,
                      TPenStyle APenStyle) {
  const TShapeTools tools(APenColor, 0, APenWidth, APenStyle, false);
  const TdxGpRectF r = ShapeRect(R);
  DrawShape(tools.Pen.Get(), nullptr, nullptr,
            [&](void* pen) { return GdipDrawArc(FHandle, pen, r.X, r.Y, r.Width, r.Height, -AStartAngle, -ASweepAngle); });
}

namespace {
TShapeCall FillEllipse(void* AGraphics, const TdxGpRectF& R) {
  return [=](void* brush) { return GdipFillEllipse(AGraphics, brush, R.X, R.Y, R.Width, R.Height); };
}
TShapeCall DrawEllipse(void* AGraphics, const TdxGpRectF& R) {
  return [=](void* pen) { return GdipDrawEllipse(AGraphics, pen, R.X, R.Y, R.Width, R.Height); };
}
}  // namespace

void TdxGPCanvas::Ellipse(const TRect& R, TdxGPPen* APen, TdxGPCustomBrush* ABrush) {
  const TdxGpRectF r = ShapeRect(R);
  DrawShape(APen, ABrush, r, FillEllipse(FHandle, r), DrawEllipse(FHandle, r));
}

void TdxGPCanvas::Ellipse(const TRect& R, TColor APenColor, TColor ABrushColor, float APenWidth, TPenStyle APenStyle,
                          uint8_t APenColorAlpha, uint8_t ABrushColorAlpha) {
  const TShapeTools tools(APenColor, ABrushColor, APenWidth, APenStyle, APenColorAlpha, ABrushColorAlpha);
  const TdxGpRectF r = ShapeRect(R);
  DrawShape(tools.Pen.Get(), tools.Brush.Get(), FillEllipse(FHandle, r), DrawEllipse(FHandle, r));
}

void TdxGPCanvas::Ellipse(const TdxRectF& R, TColor APenColor, TColor ABrushColor, float APenWidth,
                          TPenStyle APenStyle, uint8_t APenColorAlpha, uint8_t ABrushColorAlpha) {
  const TShapeTools tools(APenColor, ABrushColor, APenWidth, APenStyle, APenColorAlpha, ABrushColorAlpha);
  const TdxGpRectF r = TdxGpRectF::From(R);
  DrawShape(tools.Pen.Get(), tools.Brush.Get(), FillEllipse(FHandle, r), DrawEllipse(FHandle, r));
}

void TdxGPCanvas::Ellipse(const TRect& R, TdxAlphaColor APenColor, TdxAlphaColor ABrushColor, float APenWidth,
                          TPenStyle APenStyle) {
  const TShapeTools tools(APenColor, ABrushColor, APenWidth, APenStyle);
  const TdxGpRectF r = ShapeRect(R);
  DrawShape(tools.Pen.Get(), tools.Brush.Get(), FillEllipse(FHandle, r), DrawEllipse(FHandle, r));
}

namespace {
TShapeCall FillPie(void* AGraphics, const TdxGpRectF& R, float AStart, float ASweep) {
  return [=](void* brush) { return GdipFillPie(AGraphics, brush, R.X, R.Y, R.Width, R.Height, -AStart, -ASweep); };
}
TShapeCall DrawPie(void* AGraphics, const TdxGpRectF& R, float AStart, float ASweep) {
  return [=](void* pen) { return GdipDrawPie(AGraphics, pen, R.X, R.Y, R.Width, R.Height, -AStart, -ASweep); };
}
}  // namespace

void TdxGPCanvas::Pie(const TRect& R, float AStartAngle, float ASweepAngle, TColor APenColor, TColor ABrushColor,
                      float APenWidth, TPenStyle APenStyle, uint8_t APenColorAlpha, uint8_t ABrushColorAlpha) {
  const TShapeTools tools(APenColor, ABrushColor, APenWidth, APenStyle, APenColorAlpha, ABrushColorAlpha);
  const TdxGpRectF r = ShapeRect(R);
  DrawShape(tools.Pen.Get(), tools.Brush.Get(), FillPie(FHandle, r, AStartAngle, ASweepAngle),
            DrawPie(FHandle, r, AStartAngle, ASweepAngle));
}

void TdxGPCanvas::Pie(const TRect& R, float AStartAngle, float ASweepAngle, TdxAlphaColor APenColor,
                      TdxAlphaColor ABrushColor, float APenWidth, TPenStyle APenStyle) {
  const TShapeTools tools(APenColor, ABrushColor, APenWidth, APenStyle);
  const TdxGpRectF r = ShapeRect(R);
  DrawShape(tools.Pen.Get(), tools.Brush.Get(), FillPie(FHandle, r, AStartAngle, ASweepAngle),
            DrawPie(FHandle, r, AStartAngle, ASweepAngle));
}

void TdxGPCanvas::Line(int X1, int Y1, int X2, int Y2, TColor APenColor, float APenWidth, TPenStyle APenStyle,
                       uint8_t APenColorAlpha) {
  const TShapeTools tools(APenColor, clNone, APenWidth, APenStyle, APenColorAlpha, 0);
  DrawShape(tools.Pen.Get(), nullptr, nullptr, [&](void* pen) { return GdipDrawLineI(FHandle, pen, X1, Y1, X2, Y2); });
}

void TdxGPCanvas::Line(int X1, int Y1, int X2, int Y2, TdxAlphaColor APenColor, float APenWidth,
                       TPenStyle APenStyle) {
  const TShapeTools tools(APenColor, 0, APenWidth, APenStyle, false);
  DrawShape(tools.Pen.Get(), nullptr, nullptr, [&](void* pen) { return GdipDrawLineI(FHandle, pen, X1, Y1, X2, Y2); });
}

void TdxGPCanvas::Line(float X1, float Y1, float X2, float Y2, TdxAlphaColor APenColor, float APenWidth,
                       TPenStyle APenStyle) {
  const TShapeTools tools(APenColor, 0, APenWidth, APenStyle, false);
  DrawShape(tools.Pen.Get(), nullptr, nullptr, [&](void* pen) { return GdipDrawLine(FHandle, pen, X1, Y1, X2, Y2); });
}

void TdxGPCanvas::Line(int X1, int Y1, int X2, int Y2, TdxGPPen* APen) {
  if (!APen) return;
  const TRect bounds(std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2));
  DrawShape(APen, nullptr, GpRectF(bounds), nullptr,
            [&](void* pen) { return GdipDrawLineI(FHandle, pen, X1, Y1, X2, Y2); });
}

void TdxGPCanvas::Line(float X1, float Y1, float X2, float Y2, TdxGPPen* APen) {
  if (!APen) return;
  const TdxGpRectF bounds{std::min(X1, X2), std::min(Y1, Y2), std::fabs(X2 - X1), std::fabs(Y2 - Y1)};
  DrawShape(APen, nullptr, bounds, nullptr, [&](void* pen) { return GdipDrawLine(FHandle, pen, X1, Y1, X2, Y2); });
}

void TdxGPCanvas::Polyline(const std::vector<TPoint>& APoints, TColor APenColor, float APenWidth,
                           TPenStyle APenStyle, uint8_t APenColorAlpha) {
  const TShapeTools tools(APenColor, clNone, APenWidth, APenStyle, APenColorAlpha, 0);
  DrawShape(tools.Pen.Get(), nullptr, nullptr, [&](void* pen) {
    return GdipDrawLinesI(FHandle, pen, AsPoints(APoints), static_cast<INT>(APoints.size()));
  });
}

void TdxGPCanvas::Polyline(const std::vector<TdxPointF>& APoints, TColor APenColor, float APenWidth,
                           TPenStyle APenStyle, uint8_t APenColorAlpha) {
  const TShapeTools tools(APenColor, clNone, APenWidth, APenStyle, APenColorAlpha, 0);
  const std::vector<TdxGpPointF> points = GpPoints(APoints);
  DrawShape(tools.Pen.Get(), nullptr, nullptr, [&](void* pen) {
    return GdipDrawLines(FHandle, pen, points.data(), static_cast<INT>(points.size()));
  });
}

void TdxGPCanvas::Polyline(const std::vector<TPoint>& APoints, TdxAlphaColor APenColor, float APenWidth,
                           TPenStyle APenStyle) {
  const TShapeTools tools(APenColor, 0, APenWidth, APenStyle, false);
  DrawShape(tools.Pen.Get(), nullptr, nullptr, [&](void* pen) {
    return GdipDrawLinesI(FHandle, pen, AsPoints(APoints), static_cast<INT>(APoints.size()));
  });
}

namespace {
constexpr INT FillModeWinding = 1;

void DrawPolygonI(TdxGPCanvas* ACanvas, const std::vector<TPoint>& APoints, void* APen, void* ABrush) {
  const INT count = static_cast<INT>(APoints.size());
  if (ABrush) dxCheckGpStatus(GdipFillPolygonI(ACanvas->Handle(), ABrush, AsPoints(APoints), count, FillModeWinding));
  if (APen) dxCheckGpStatus(GdipDrawPolygonI(ACanvas->Handle(), APen, AsPoints(APoints), count));
}
}  // namespace

void TdxGPCanvas::Polygon(const std::vector<TPoint>& APoints, TColor APenColor, TColor ABrushColor, float APenWidth,
                          TPenStyle APenStyle, uint8_t APenColorAlpha, uint8_t ABrushColorAlpha) {
  const TShapeTools tools(APenColor, ABrushColor, APenWidth, APenStyle, APenColorAlpha, ABrushColorAlpha);
  DrawPolygonI(this, APoints, tools.Pen.Get(), tools.Brush.Get());
}

void TdxGPCanvas::Polygon(const std::vector<TdxPointF>& APoints, TColor APenColor, TColor ABrushColor,
                          float APenWidth, TPenStyle APenStyle, uint8_t APenColorAlpha, uint8_t ABrushColorAlpha) {
  const TShapeTools tools(APenColor, ABrushColor, APenWidth, APenStyle, APenColorAlpha, ABrushColorAlpha);
  const std::vector<TdxGpPointF> points = GpPoints(APoints);
  const INT count = static_cast<INT>(points.size());
  DrawShape(
      tools.Pen.Get(), tools.Brush.Get(),
      [&](void* brush) { return GdipFillPolygon(FHandle, brush, points.data(), count, FillModeWinding); },
      [&](void* pen) { return GdipDrawPolygon(FHandle, pen, points.data(), count); });
}

void TdxGPCanvas::Polygon(const std::vector<TPoint>& APoints, TdxAlphaColor APenColor, TdxAlphaColor ABrushColor,
                          float APenWidth, TPenStyle APenStyle) {
  const TShapeTools tools(APenColor, ABrushColor, APenWidth, APenStyle);
  DrawPolygonI(this, APoints, tools.Pen.Get(), tools.Brush.Get());
}

namespace {
TShapeCall FillRect(void* AGraphics, const TdxGpRectF& R) {
  return [=](void* brush) { return GdipFillRectangle(AGraphics, brush, R.X, R.Y, R.Width, R.Height); };
}
TShapeCall DrawRect(void* AGraphics, const TdxGpRectF& R) {
  return [=](void* pen) { return GdipDrawRectangle(AGraphics, pen, R.X, R.Y, R.Width, R.Height); };
}
}  // namespace

void TdxGPCanvas::Rectangle(const TRect& R, TdxGPPen* APen, TdxGPCustomBrush* ABrush) {
  const TdxGpRectF r = ShapeRect(R);
  DrawShape(APen, ABrush, r, FillRect(FHandle, r), DrawRect(FHandle, r));
}

void TdxGPCanvas::Rectangle(const TRect& R, TColor APenColor, TColor ABrushColor, float APenWidth,
                            TPenStyle APenStyle, uint8_t APenColorAlpha, uint8_t ABrushColorAlpha) {
  const TShapeTools tools(APenColor, ABrushColor, APenWidth, APenStyle, APenColorAlpha, ABrushColorAlpha);
  const TdxGpRectF r = ShapeRect(R);
  DrawShape(tools.Pen.Get(), tools.Brush.Get(), FillRect(FHandle, r), DrawRect(FHandle, r));
}

void TdxGPCanvas::Rectangle(const TRect& R, TdxAlphaColor APenColor, TdxAlphaColor ABrushColor, float APenWidth,
                            TPenStyle APenStyle) {
  const TShapeTools tools(APenColor, ABrushColor, APenWidth, APenColor != 0 ? APenStyle : psClear, ABrushColor != 0);
  const TdxGpRectF r = ShapeRect(R);
  DrawShape(tools.Pen.Get(), tools.Brush.Get(), FillRect(FHandle, r), DrawRect(FHandle, r));
}

void TdxGPCanvas::Rectangle(const TdxRectF& R, TdxAlphaColor APenColor, TdxAlphaColor ABrushColor, float APenWidth,
                            TPenStyle APenStyle) {
  const TShapeTools tools(APenColor, ABrushColor, APenWidth, APenStyle);
  const TdxGpRectF r = TdxGpRectF::From(R);
  DrawShape(tools.Pen.Get(), tools.Brush.Get(), FillRect(FHandle, r), DrawRect(FHandle, r));
}

void TdxGPCanvas::RoundRect(const TRect& R, TdxGPPen* APen, TdxGPCustomBrush* ABrush, int ARadiusX, int ARadiusY) {
  TdxGPPath path;
  path.AddRoundRect(ShapeTRect(R), ARadiusX, ARadiusY);
  Path(&path, APen, ABrush);
}

void TdxGPCanvas::RoundRect(const TRect& R, TColor APenColor, TColor ABrushColor, int ARadiusX, int ARadiusY,
                            int APenWidth, uint8_t APenColorAlpha, uint8_t ABrushColorAlpha) {
  RoundRect(R, AlphaColorOf(APenColor, APenColorAlpha), AlphaColorOf(ABrushColor, ABrushColorAlpha), ARadiusX,
            ARadiusY, static_cast<float>(APenWidth));
}

void TdxGPCanvas::RoundRect(const TRect& R, TdxAlphaColor APenColor, TdxAlphaColor ABrushColor, int ARadiusX,
                            int ARadiusY, float APenWidth) {
  TdxGPPath path;
  path.AddRoundRect(ShapeTRect(R), ARadiusX, ARadiusY);
  Path(&path, APenColor, ABrushColor, APenWidth, psSolid);
}

namespace {
TShapeCall FillPath(void* AGraphics, TdxGPPath* APath) {
  return [=](void* brush) { return GdipFillPath(AGraphics, brush, APath->Handle()); };
}
TShapeCall DrawPath(void* AGraphics, TdxGPPath* APath) {
  return [=](void* pen) { return GdipDrawPath(AGraphics, pen, APath->Handle()); };
}
}  // namespace

void TdxGPCanvas::Path(TdxGPPath* APath, TdxGPPen* APen, TdxGPCustomBrush* ABrush) {
  DrawShape(APen, ABrush, TdxGpRectF::From(APath->GetBoundsF()), FillPath(FHandle, APath), DrawPath(FHandle, APath));
}

void TdxGPCanvas::Path(TdxGPPath* APath, TColor APenColor, TColor ABrushColor, float APenWidth, TPenStyle APenStyle,
                       uint8_t APenColorAlpha, uint8_t ABrushColorAlpha) {
  const TShapeTools tools(APenColor, ABrushColor, APenWidth, APenStyle, APenColorAlpha, ABrushColorAlpha);
  DrawShape(tools.Pen.Get(), tools.Brush.Get(), FillPath(FHandle, APath), DrawPath(FHandle, APath));
}

void TdxGPCanvas::Path(TdxGPPath* APath, TdxAlphaColor APenColor, TdxAlphaColor ABrushColor, float APenWidth,
                       TPenStyle APenStyle) {
  const TShapeTools tools(APenColor, ABrushColor, APenWidth, APenStyle);
  DrawShape(tools.Pen.Get(), tools.Brush.Get(), FillPath(FHandle, APath), DrawPath(FHandle, APath));
}

void TdxGPCanvas::Region(TdxGPRegion* ARegion, TdxAlphaColor APenColor, TdxAlphaColor ABrushColor, float APenWidth,
                         TPenStyle APenStyle) {
  TGpBrush brush;
  CreateAlphaBrush(brush, ABrushColor);
  dxCheckGpStatus(GdipFillRegion(FHandle, brush.Get(), ARegion->Handle()));
}

void TdxGPCanvas::FillRectangle(const TRect& R, TdxAlphaColor AColor) {
  if (AColor == 0 || AColor == 0x00FFFFFF) return;
  dxGpFillRectSolid(FHandle, R, AColor);
}

void TdxGPCanvas::FillRectangle(const TdxRectF& R, TdxAlphaColor AColor) {
  if (AColor == 0 || AColor == 0x00FFFFFF) return;
  TGpBrush brush;
  CreateAlphaBrush(brush, AColor);
  dxCheckGpStatus(GdipFillRectangle(FHandle, brush.Get(), R.Left, R.Top, dxRectFWidth(R), dxRectFHeight(R)));
}

void TdxGPCanvas::FillRectangle(const TRect& R, TdxGPCustomBrush* ABrush) {
  if (!ABrush) return;
  ABrush->SetTargetRect(R);
  dxCheckGpStatus(GdipFillRectangleI(FHandle, ABrush->Handle(), R.Left, R.Top, R.Width(), R.Height()));
}

void TdxGPCanvas::FillRectangle(const TdxRectF& R, TdxGPCustomBrush* ABrush) {
  if (!ABrush) return;
  ABrush->SetTargetRect(R);
  dxCheckGpStatus(GdipFillRectangle(FHandle, ABrush->Handle(), R.Left, R.Top, dxRectFWidth(R), dxRectFHeight(R)));
}

void TdxGPCanvas::FillRectangleByGradient(const TRect& R, TdxAlphaColor AColor1, TdxAlphaColor AColor2,
                                          LinearGradientMode AMode) {
  if (AColor2 == AColor1 || AColor2 == 0x00010203) return dxGpFillRectSolid(FHandle, R, AColor1);
  const TdxGpRectF area{R.Left - 1.0f, R.Top - 1.0f, R.Width() + 2.0f, R.Height() + 2.0f};
  TGpBrush brush;
  dxCheckGpStatus(GdipCreateLineBrushFromRect(&area, AColor1, AColor2, AMode, WrapModeTile, &brush));
  dxCheckGpStatus(GdipFillRectangleI(FHandle, brush.Get(), R.Left, R.Top, R.Width(), R.Height()));
}

// ---------------------------------------------------------------- text

void TdxGPCanvas::DrawString(const String& S, TdxGPFont* AFont, TdxGPBrush* ABrush, float X, float Y,
                             TdxGPStringFormat* AFormat) {
  DrawString(S, AFont, ABrush, TdxRectF{X, Y, X, Y}, AFormat ? AFormat : nullptr);
}

void TdxGPCanvas::DrawString(const String& S, TdxGPFont* AFont, TdxGPBrush* ABrush, const TdxPointF& APoint,
                             TdxGPStringFormat* AFormat) {
  DrawString(S, AFont, ABrush, APoint.X, APoint.Y, AFormat);
}

void TdxGPCanvas::DrawString(const String& S, TdxGPFont* AFont, TdxGPBrush* ABrush, const TdxRectF& ARect,
                             TdxGPStringFormat* AFormat) {
  if (!AFont || !ABrush) dxCheckGpStatus(InvalidParameter);
  if (S.empty()) return;
  const TdxGpRectF layout = TdxGpRectF::From(ARect);
  dxCheckGpStatus(GdipDrawString(FHandle, S.c_str(), static_cast<INT>(S.size()), AFont->NativeFont(), &layout,
                                 AFormat ? AFormat->Handle() : nullptr, ABrush->Handle()));
}

TdxSizeF TdxGPCanvas::MeasureString(const String& AText, TdxGPFont* AFont, const TdxRectF& ALayoutArea,
                                    TdxGPStringFormat* AStringFormat, int& ACharactersFitted, int& ALinesFilled) {
  ACharactersFitted = 0;
  ALinesFilled = 0;
  if (AText.empty()) return {};
  if (!AFont) dxCheckGpStatus(InvalidParameter);
  const TdxGpRectF layout = TdxGpRectF::From(ALayoutArea);
  TdxGpRectF bounds;
  INT fitted = 0, lines = 0;
  dxCheckGpStatus(GdipMeasureString(FHandle, AText.c_str(), static_cast<INT>(AText.size()), AFont->NativeFont(),
                                    &layout, AStringFormat ? AStringFormat->Handle() : nullptr, &bounds, &fitted,
                                    &lines));
  ACharactersFitted = fitted;
  ALinesFilled = lines;
  return {bounds.Width, bounds.Height};
}

TdxSizeF TdxGPCanvas::MeasureString(const String& AText, TdxGPFont* AFont, const TdxPointF& AOrigin,
                                    TdxGPStringFormat* AStringFormat) {
  int fitted, lines;
  return MeasureString(AText, AFont, TdxRectF{AOrigin.X, AOrigin.Y, AOrigin.X, AOrigin.Y}, AStringFormat, fitted,
                       lines);
}

TdxSizeF TdxGPCanvas::MeasureString(const String& AText, TdxGPFont* AFont, const TdxSizeF& ALayoutArea,
                                    TdxGPStringFormat* AStringFormat) {
  int fitted, lines;
  return MeasureString(AText, AFont, TdxRectF{0, 0, ALayoutArea.cx, ALayoutArea.cy}, AStringFormat, fitted, lines);
}

TdxSizeF TdxGPCanvas::MeasureString(const String& AText, TdxGPFont* AFont) {
  return MeasureString(AText, AFont, TdxSizeF(), nullptr);
}

TdxSizeF TdxGPCanvas::MeasureString(const String& AText, TdxGPFont* AFont, int AWidth, TdxGPStringFormat* AFormat) {
  return MeasureString(AText, AFont, TdxSizeF(static_cast<float>(AWidth), 999999.0f), AFormat);
}

std::vector<std::unique_ptr<TdxGPRegion>> TdxGPCanvas::MeasureCharacterRanges(const String& AText, TdxGPFont* AFont,
                                                                               const TdxRectF& ALayoutRect,
                                                                               TdxGPStringFormat* AStringFormat) {
  std::vector<std::unique_ptr<TdxGPRegion>> result;
  if (AText.empty()) return result;
  if (!AFont || !AStringFormat) dxCheckGpStatus(InvalidParameter);
  const int count = AStringFormat->MeasurableCharacterRangeCount();
  std::vector<void*> handles;
  for (int i = 0; i < count; ++i) {
    result.push_back(std::make_unique<TdxGPRegion>());
    handles.push_back(result.back()->Handle());
  }
  const TdxGpRectF layout = TdxGpRectF::From(ALayoutRect);
  dxCheckGpStatus(GdipMeasureCharacterRanges(FHandle, AText.c_str(), static_cast<INT>(AText.size()),
                                             AFont->NativeFont(), &layout, AStringFormat->Handle(), count,
                                             handles.data()));
  return result;
}

// ---------------------------------------------------------------- world transform

std::unique_ptr<TdxGPMatrix> TdxGPCanvas::GetWorldTransform() {
  auto matrix = std::make_unique<TdxGPMatrix>();
  dxCheckGpStatus(GdipGetWorldTransform(FHandle, matrix->Handle()));
  return matrix;
}

void TdxGPCanvas::SetWorldTransform(TdxGPMatrix* AMatrix) {
  dxCheckGpStatus(GdipSetWorldTransform(FHandle, AMatrix->Handle()));
}

void TdxGPCanvas::ModifyWorldTransform(TdxGPMatrix* AMatrix, TdxGpMatrixOrder AOrder) {
  dxCheckGpStatus(GdipMultiplyWorldTransform(FHandle, AMatrix->Handle(), AOrder));
}

void TdxGPCanvas::ResetWorldTransform() { dxCheckGpStatus(GdipResetWorldTransform(FHandle)); }

void TdxGPCanvas::RotateWorldTransform(float AAngle, TdxGpMatrixOrder AOrder) {
  dxCheckGpStatus(GdipRotateWorldTransform(FHandle, AAngle, AOrder));
}

void TdxGPCanvas::WorldTransformAbout(const TdxPointF& APoint, TdxGpMatrixOrder AOrder,
                                      const std::function<void()>& ATransform) {
  const float s = AOrder == MatrixOrderPrepend ? 1.0f : -1.0f;
  TranslateWorldTransform(s * APoint.X, s * APoint.Y, AOrder);
  ATransform();
  TranslateWorldTransform(-s * APoint.X, -s * APoint.Y, AOrder);
}

void TdxGPCanvas::RotateWorldTransform(float AAngle, const TdxPointF& APivotPoint, TdxGpMatrixOrder AOrder) {
  WorldTransformAbout(APivotPoint, AOrder, [&] { RotateWorldTransform(AAngle, AOrder); });
}

void TdxGPCanvas::RotateWorldTransform(float AAngle, const TPoint& APivotPoint, TdxGpMatrixOrder AOrder) {
  RotateWorldTransform(AAngle, TdxPointF(static_cast<float>(APivotPoint.X), static_cast<float>(APivotPoint.Y)), AOrder);
}

void TdxGPCanvas::ScaleWorldTransform(float AScaleX, float AScaleY, TdxGpMatrixOrder AOrder) {
  dxCheckGpStatus(GdipScaleWorldTransform(FHandle, AScaleX, AScaleY, AOrder));
}

void TdxGPCanvas::ScaleWorldTransform(float AScaleX, float AScaleY, const TdxPointF& ACenter, TdxGpMatrixOrder AOrder) {
  WorldTransformAbout(ACenter, AOrder, [&] { ScaleWorldTransform(AScaleX, AScaleY, AOrder); });
}

void TdxGPCanvas::TranslateWorldTransform(float AOffsetX, float AOffsetY, TdxGpMatrixOrder AOrder) {
  dxCheckGpStatus(GdipTranslateWorldTransform(FHandle, AOffsetX, AOffsetY, AOrder));
}

void TdxGPCanvas::FlipWorldTransform(bool AFlipHorizontally, bool AFlipVertically, const TdxPointF& APivotPoint) {
  if (!AFlipHorizontally && !AFlipVertically) return;
  const auto flip = TdxGPMatrix::CreateFlip(AFlipHorizontally, AFlipVertically, APivotPoint);
  ModifyWorldTransform(flip.get(), MatrixOrderPrepend);
}

void TdxGPCanvas::FlipWorldTransform(bool AFlipHorizontally, bool AFlipVertically, const TPoint& APivotPoint) {
  FlipWorldTransform(AFlipHorizontally, AFlipVertically,
                     TdxPointF(static_cast<float>(APivotPoint.X), static_cast<float>(APivotPoint.Y)));
}

void TdxGPCanvas::FlipWorldTransform(bool AFlipHorizontally, bool AFlipVertically, float APivotPointX,
                                     float APivotPointY) {
  FlipWorldTransform(AFlipHorizontally, AFlipVertically, TdxPointF(APivotPointX, APivotPointY));
}

void TdxGPCanvas::SaveWorldTransfrom() {
  void* matrix = nullptr;
  dxCheckGpStatus(GdipCreateMatrix(&matrix));
  const Status status = GdipGetWorldTransform(FHandle, matrix);
  if (status != Ok) GdipDeleteMatrix(matrix);
  dxCheckGpStatus(status);
  FSavedWorldTransforms.push_back(matrix);
}

void TdxGPCanvas::RestoreWorldTransfrom() {
  if (FSavedWorldTransforms.empty()) throw EdxException(L"No world transform was saved");
  void* matrix = FSavedWorldTransforms.back();
  FSavedWorldTransforms.pop_back();
  const Status status = GdipSetWorldTransform(FHandle, matrix);
  GdipDeleteMatrix(matrix);
  dxCheckGpStatus(status);
}

// ---------------------------------------------------------------- paint canvases

void TdxGPCustomPaintCanvas::BeginPaint(HDC DC, const TRect& R) {
  SaveState();
  FDrawRect = R;
  FDrawDC = DC;
  FBuffer = nullptr;
  HDC target = DC;
  try {
    if (dxGpIsLowColorDC(DC)) {
      auto buffer = std::make_unique<TBitmap>();
      buffer->SetPixelFormat(pf32bit);
      buffer->SetSize(R.Width() + 1, R.Height() + 1);
      target = buffer->Canvas()->Handle();
      BitBlt(target, 0, 0, buffer->Width(), buffer->Height(), DC, R.Left, R.Top, SRCCOPY);
      SetWindowOrgEx(target, R.Left, R.Top, nullptr);
      FBuffer = buffer.release();
      FIsLowColorsMode = true;
    }
    void* graphics = nullptr;
    dxCheckGpStatus(GdipCreateFromHDC(target, &graphics));
    SetHandle(graphics);
  } catch (...) {
    delete FBuffer;
    FBuffer = nullptr;
    SetHandle(nullptr);
    FDrawDC = nullptr;
    RestoreState();
    throw;
  }
}

void TdxGPCustomPaintCanvas::BeginPaint(void* AHandle) {
  SaveState();
  FDrawRect = TRect();
  FDrawDC = nullptr;
  SetHandle(AHandle);
  FBuffer = nullptr;
}

void TdxGPCustomPaintCanvas::EndPaint() {
  if (FDrawDC) DeleteHandle();
  if (FBuffer) {
    const int saved = SaveDC(FDrawDC);
    HDC source = FBuffer->Canvas()->Handle();
    SetWindowOrgEx(source, 0, 0, nullptr);
    BitBlt(FDrawDC, FDrawRect.Left, FDrawRect.Top, FBuffer->Width(), FBuffer->Height(), source, 0, 0, SRCCOPY);
    RestoreDC(FDrawDC, saved);
    delete FBuffer;
    FBuffer = nullptr;
  }
  SetHandle(nullptr);
  RestoreState();
}

void TdxGPPaintCanvas::SaveState() {
  if (FCounter >= static_cast<int>(FSavedStates.size()))
    FSavedStates.resize(std::max<size_t>(FCounter + 1, FSavedStates.size() + 4));
  FSavedStates[FCounter] = {Handle(), FBuffer, FDrawRect, FDrawDC};
  ++FCounter;
}

void TdxGPPaintCanvas::RestoreState() {
  if (FCounter == 0) return;
  --FCounter;
  const TdxGPPaintCanvasState& state = FSavedStates[FCounter];
  SetHandle(state.Handle);
  FBuffer = state.Buffer;
  FDrawRect = state.DrawRect;
  FDrawDC = state.DC;
}
