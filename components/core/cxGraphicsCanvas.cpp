// Regions and the canvas wrapper with its control, screen and paint
// descendants.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "components/core/cxGraphics.h"
#include "components/core/cxMessageWindow.h"
#include "vcl/graphics/GdiTypes.h"

namespace {

// Where a context has no clip region, drawing is limited by nothing: the
// region stands for the whole plane, negative coordinates included.
const TRect NoClipBounds(-0x1000000, -0x1000000, 0x1000000, 0x1000000);

int CombineMode(TcxRegionOperation AOperation) {
  switch (AOperation) {
    case roSet: return RGN_COPY;
    case roAdd: return RGN_OR;
    case roSubtract: return RGN_DIFF;
    default: return RGN_AND;
  }
}

const POINT* AsPOINTs(const std::vector<TPoint>& APoints) {
  return reinterpret_cast<const POINT*>(APoints.data());
}

int FloorDiv(int A, int B) { return A >= 0 ? A / B : -((-A + B - 1) / B); }

}  // namespace

// ---------------------------------------------------------------- region

TcxRegion::TcxRegion() : TcxRegion(TRect()) {}
TcxRegion::TcxRegion(HRGN AHandle) : FHandle(AHandle) {}
TcxRegion::TcxRegion(const TRect& ABounds) : TcxRegion(ABounds.Left, ABounds.Top, ABounds.Right, ABounds.Bottom) {}
TcxRegion::TcxRegion(int ALeft, int ATop, int ARight, int ABottom)
    : FHandle(CreateRectRgn(ALeft, ATop, ARight, ABottom)) {}
TcxRegion::~TcxRegion() { DeleteObject(FHandle); }

TcxRegion* TcxRegion::CreateFromWindow(HWND AHandle) {
  auto* result = new TcxRegion;
  if (GetWindowRgn(AHandle, result->FHandle) == ERROR) result->Combine(cxGetWindowLocalBounds(AHandle), roSet);
  return result;
}

TcxRegion* TcxRegion::CreateRoundCorners(const TRect& ABounds, int AWidthEllipse, int AHeightEllipse) {
  return new TcxRegion(CreateRoundRectRgn(ABounds.Left + 1, ABounds.Top + 1, ABounds.Right, ABounds.Bottom,
                                          AWidthEllipse, AHeightEllipse));
}

void TcxRegion::SetHandle(HRGN Value) {
  if (FHandle == Value) return;
  DeleteObject(FHandle);
  FHandle = Value;
}

TRect TcxRegion::BoundsRect() const {
  RECT box;
  if (GetRgnBox(FHandle, &box) == NULLREGION) return TRect();
  return ToRect(box);
}

bool TcxRegion::IsEmpty() const {
  RECT box;
  return GetRgnBox(FHandle, &box) == NULLREGION;
}

void TcxRegion::Combine(TcxRegion* ARegion, TcxRegionOperation AOperation, bool ADestroyRegion) {
  if (AOperation == roSet)
    CombineRgn(FHandle, ARegion->FHandle, nullptr, RGN_COPY);
  else
    CombineRgn(FHandle, FHandle, ARegion->FHandle, CombineMode(AOperation));
  if (ADestroyRegion) delete ARegion;
}

void TcxRegion::Combine(const TRect& R, TcxRegionOperation AOperation) { Combine(new TcxRegion(R), AOperation); }

bool TcxRegion::IsEqual(TcxRegion* ARegion) const {
  if (!ARegion) return false;
  if (IsEmpty() && ARegion->IsEmpty()) return true;
  return IsEqual(ARegion->FHandle);
}

bool TcxRegion::IsEqual(HRGN ARegionHandle) const { return EqualRgn(FHandle, ARegionHandle) != FALSE; }
void TcxRegion::Offset(int DX, int DY) { OffsetRgn(FHandle, DX, DY); }
bool TcxRegion::PtInRegion(int X, int Y) const { return ::PtInRegion(FHandle, X, Y) != FALSE; }
bool TcxRegion::RectInRegion(const TRect& R) const { return ::RectInRegion(FHandle, AsRECT(R)) != FALSE; }

// ---------------------------------------------------------------- canvas

TcxCanvas::TcxCanvas(TCanvas* ACanvas) : FCanvas(ACanvas) {}
TcxCanvas::~TcxCanvas() = default;

HDC TcxCanvas::Handle() const {
  FCanvas->RequiredState(TCanvas::AllValid);
  return FCanvas->Handle();
}

TBrush* TcxCanvas::Brush() const { return FCanvas->Brush(); }
TFont* TcxCanvas::Font() const { return FCanvas->Font(); }
TPen* TcxCanvas::Pen() const { return FCanvas->Pen(); }
void TcxCanvas::SetBrush(TBrush* Value) { FCanvas->SetBrush(Value); }
void TcxCanvas::SetFont(TFont* Value) { FCanvas->SetFont(Value); }
void TcxCanvas::SetPen(TPen* Value) { FCanvas->SetPen(Value); }
void TcxCanvas::SetBrushColor(TColor Value) { Brush()->SetColor(Value); }

void TcxCanvas::SetFontAngle(int Value) {
  LOGFONTW font{};
  GetObjectW(Font()->Handle(), sizeof(font), &font);
  font.lfEscapement = Value * 10;
  if (Value != 0) font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  Font()->SetHandle(CreateFontIndirectW(&font));
}
uint32_t TcxCanvas::CopyMode() const { return FCanvas->CopyMode(); }
void TcxCanvas::SetCopyMode(uint32_t Value) { FCanvas->SetCopyMode(Value); }

void TcxCanvas::GetParams(TcxViewParams& AParams) const {
  AParams.Color = Brush()->Color();
  AParams.Font = Font();
  AParams.TextColor = Font()->Color();
}

void TcxCanvas::SetParams(const TcxViewParams& AParams) {
  SetBrushColor(AParams.Color);
  if (AParams.Font) SetFont(AParams.Font);
  Font()->SetColor(AParams.TextColor);
}

TPoint TcxCanvas::QueryDCOrigin() const {
  const TPoint viewport = ViewportOrg(), window = QueryWindowOrg();
  return {viewport.X - window.X, viewport.Y - window.Y};
}

TPoint TcxCanvas::QueryWindowOrg() const {
  TPoint result;
  GetWindowOrgEx(FCanvas->Handle(), AsPOINT(result));
  return result;
}

void TcxCanvas::ApplyWindowOrg(const TPoint& P) { SetWindowOrgEx(FCanvas->Handle(), P.X, P.Y, nullptr); }

TPoint TcxCanvas::ViewportOrg() const {
  TPoint result;
  GetViewportOrgEx(FCanvas->Handle(), AsPOINT(result));
  return result;
}

void TcxCanvas::SetViewportOrg(const TPoint& P) { SetViewportOrgEx(FCanvas->Handle(), P.X, P.Y, nullptr); }
int TcxCanvas::DpiX() const { return GetDeviceCaps(FCanvas->Handle(), LOGPIXELSX); }
int TcxCanvas::DpiY() const { return GetDeviceCaps(FCanvas->Handle(), LOGPIXELSY); }

// ---------------------------------------------------------------- states

void TcxCanvas::SaveDC() {
  // The framework canvas stays locked to this thread until the restore.
  FCanvas->Lock();
  HDC dc = FCanvas->Handle();
  FSavedDCs.push_back({dc, ::SaveDC(dc), FCanvas});
}

void TcxCanvas::RestoreDC() {
  if (FSavedDCs.empty()) return;
  const TDCState state = FSavedDCs.back();
  FSavedDCs.pop_back();
  if (FCanvas->Handle() != state.Handle) FCanvas->SetHandle(state.Handle);
  // The objects the restore selects may be tools deleted since; the
  // canvas selects its current ones again when it next draws.
  FCanvas->Refresh();
  ::RestoreDC(state.Handle, state.State);
  state.Locked->Unlock();
}

void TcxCanvas::SaveState() {
  SaveDC();
  TToolState state{std::make_unique<TFont>(), std::make_unique<TBrush>(), std::make_unique<TPen>()};
  state.Font->Assign(Font());
  state.Brush->Assign(Brush());
  state.Pen->Assign(Pen());
  FSavedStates.push_back(std::move(state));
}

void TcxCanvas::RestoreState() {
  if (FSavedStates.empty()) return;
  TToolState state = std::move(FSavedStates.back());
  FSavedStates.pop_back();
  SetFont(state.Font.get());
  SetBrush(state.Brush.get());
  SetPen(state.Pen.get());
  RestoreDC();
}

TcxRegion* TcxCanvas::GetClipRegion(bool AConsiderOrigin) const {
  auto* result = new TcxRegion;
  if (GetClipRgn(FCanvas->Handle(), result->Handle()) != 1) {
    result->Combine(NoClipBounds, roSet);
    return result;  // the whole plane in either coordinates
  }
  if (AConsiderOrigin) {
    const TPoint origin = DCOrigin();
    result->Offset(-origin.X, -origin.Y);
  }
  return result;
}

void TcxCanvas::SetClipRegion(TcxRegion* ARegion, TcxRegionOperation AOperation, bool ADestroyRegion,
                              bool AConsiderOrigin) {
  if (AOperation != roSet) {
    TcxRegion* clip = GetClipRegion(AConsiderOrigin);
    clip->Combine(ARegion, AOperation, ADestroyRegion);
    SetClipRegion(clip, roSet, true, AConsiderOrigin);
    return;
  }
  const TPoint origin = AConsiderOrigin ? DCOrigin() : TPoint();
  ARegion->Offset(origin);
  SelectClipRgn(FCanvas->Handle(), ARegion->Handle());
  if (ADestroyRegion)
    delete ARegion;
  else
    ARegion->Offset(-origin.X, -origin.Y);
}

void TcxCanvas::SaveClipRegion() { FSavedRegions.emplace_back(GetClipRegion(true)); }

void TcxCanvas::RestoreClipRegion() {
  if (FSavedRegions.empty()) return;
  TcxRegion* region = FSavedRegions.back().release();
  FSavedRegions.pop_back();
  SetClipRegion(region, roSet, true, true);
}

void TcxCanvas::ExcludeClipRect(const TRect& R) {
  ::ExcludeClipRect(FCanvas->Handle(), R.Left, R.Top, R.Right, R.Bottom);
}

void TcxCanvas::IntersectClipRect(const TRect& R) {
  ::IntersectClipRect(FCanvas->Handle(), R.Left, R.Top, R.Right, R.Bottom);
}

bool TcxCanvas::RectVisible(const TRect& R) const { return ::RectVisible(FCanvas->Handle(), AsRECT(R)) != FALSE; }

bool TcxCanvas::RectFullyVisible(const TRect& R) const {
  std::unique_ptr<TcxRegion> clip(GetClipRegion(true));
  clip->Combine(R, roIntersect);
  TcxRegion rect(R);
  return clip->IsEqual(&rect);
}

// ---------------------------------------------------------------- fills and frames

void TcxCanvas::FillRect(const TRect& R, TColor AColor) {
  if (AColor == clNone) return;
  if (AColor != clDefault) SetBrushColor(AColor);
  FCanvas->FillRect(R);
}

void TcxCanvas::FillRect(const TRect& R, TBitmap* ABitmap, bool AExcludeRect) {
  if (R.IsEmpty()) return;
  if (!ABitmap || ABitmap->Empty()) {
    FCanvas->FillRect(R);
  } else {
    const int w = ABitmap->Width(), h = ABitmap->Height();
    const int lastColumn = FloorDiv(R.Right, w) - (R.Right % w == 0 ? 1 : 0);
    const int lastRow = FloorDiv(R.Bottom, h) - (R.Bottom % h == 0 ? 1 : 0);
    for (int row = FloorDiv(R.Top, h); row <= lastRow; ++row)
      for (int column = FloorDiv(R.Left, w); column <= lastColumn; ++column) {
        const TRect tile(column * w, row * h, column * w + w, row * h + h);
        const TRect part(std::max(tile.Left, R.Left), std::max(tile.Top, R.Top), std::min(tile.Right, R.Right),
                         std::min(tile.Bottom, R.Bottom));
        if (part.IsEmpty()) continue;
        TRect source = part;
        source.Offset(-tile.Left, -tile.Top);
        FCanvas->CopyRect(part, ABitmap->Canvas(), source);
      }
  }
  if (AExcludeRect) SetClipRegion(new TcxRegion(R), roSubtract);
}

void TcxCanvas::FillRect(const TRect& R, const TcxViewParams& AParams, bool AExcludeRect) {
  SetBrushColor(AParams.Color);
  FillRect(R, AParams.Bitmap, AExcludeRect);
}

void TcxCanvas::FrameRect(const TRect& R, TColor Color, int ALineWidth, const TcxBorders& ABorders,
                          bool AExcludeFrame) {
  if (R.IsEmpty() || Color == clNone) return;
  if (Color != clDefault) SetBrushColor(Color);
  const int w = ALineWidth;
  if (ABorders.Contains(bLeft)) FillRect(TRect(R.Left, R.Top, std::min(R.Left + w, R.Right), R.Bottom), nullptr, AExcludeFrame);
  if (ABorders.Contains(bRight)) FillRect(TRect(std::max(R.Left, R.Right - w), R.Top, R.Right, R.Bottom), nullptr, AExcludeFrame);
  if (ABorders.Contains(bTop)) FillRect(TRect(R.Left, R.Top, R.Right, std::min(R.Top + w, R.Bottom)), nullptr, AExcludeFrame);
  if (ABorders.Contains(bBottom)) FillRect(TRect(R.Left, std::max(R.Top, R.Bottom - w), R.Right, R.Bottom), nullptr, AExcludeFrame);
}

void TcxCanvas::ExcludeFrameRect(const TRect& R, int ALineWidth, const TcxBorders& ABorders) {
  const int w = ALineWidth;
  if (ABorders.Contains(bLeft)) SetClipRegion(new TcxRegion(R.Left, R.Top, std::min(R.Left + w, R.Right), R.Bottom), roSubtract);
  if (ABorders.Contains(bRight)) SetClipRegion(new TcxRegion(std::max(R.Left, R.Right - w), R.Top, R.Right, R.Bottom), roSubtract);
  if (ABorders.Contains(bTop)) SetClipRegion(new TcxRegion(R.Left, R.Top, R.Right, std::min(R.Top + w, R.Bottom)), roSubtract);
  if (ABorders.Contains(bBottom)) SetClipRegion(new TcxRegion(R.Left, std::max(R.Top, R.Bottom - w), R.Right, R.Bottom), roSubtract);
}

void TcxCanvas::DrawComplexFrame(const TRect& R, TColor ALeftTopColor, TColor ARightBottomColor,
                                 const TcxBorders& ABorders, int ABorderWidth) {
  const int w = ABorderWidth;
  if (ABorders.Contains(bLeft)) FillRect(TRect(R.Left, R.Top, R.Left + w, R.Bottom), ALeftTopColor);
  if (ABorders.Contains(bTop)) FillRect(TRect(R.Left, R.Top, R.Right, R.Top + w), ALeftTopColor);
  if (ABorders.Contains(bRight)) FillRect(TRect(R.Right - w, R.Top, R.Right, R.Bottom), ARightBottomColor);
  if (ABorders.Contains(bBottom)) FillRect(TRect(R.Left, R.Bottom - w, R.Right, R.Bottom), ARightBottomColor);
}

void TcxCanvas::DrawEdge(const TRect& R, bool ASunken, bool AOuter, const TcxBorders& ABorders) {
  if (ASunken)
    DrawComplexFrame(R, AOuter ? clBtnShadow : cl3DDkShadow, AOuter ? clBtnHighlight : cl3DLight, ABorders);
  else
    DrawComplexFrame(R, AOuter ? cl3DLight : clBtnHighlight, AOuter ? cl3DDkShadow : clBtnShadow, ABorders);
}

void TcxCanvas::DrawFocusRect(const TRect& R) {
  SetBrushColor(clWhite);
  Font()->SetColor(clBlack);
  ::DrawFocusRect(Handle(), AsRECT(R));
}

void TcxCanvas::DrawFocusRectEx(const TRect& R, const TcxBorders& ABorders, bool AExclude) {
  if (ABorders.Empty()) return;
  SaveClipRegion();
  ExcludeFrameRect(R, 1, cxBordersAll - ABorders);
  DrawFocusRect(R);
  RestoreClipRegion();
  if (AExclude) ExcludeFrameRect(R, 1, ABorders);
}

void TcxCanvas::DrawDesignSelection(TRect ARect, int AWidth) {
  for (int i = 0; i < AWidth; ++i) {
    DrawFocusRect(ARect);
    ARect.Inflate(-1, -1);
  }
}

void TcxCanvas::Rectangle(TRect R, const TcxViewParams& AParams, const TcxBorders& ABorders, TColor ABorderColor,
                          int ALineWidth, bool AExcludeRect) {
  if (!ABorders.Empty()) {
    FrameRect(R, ABorderColor, ALineWidth, ABorders, AExcludeRect);
    if (ABorders.Contains(bLeft)) R.Left += ALineWidth;
    if (ABorders.Contains(bTop)) R.Top += ALineWidth;
    if (ABorders.Contains(bRight)) R.Right -= ALineWidth;
    if (ABorders.Contains(bBottom)) R.Bottom -= ALineWidth;
  }
  FillRect(R, AParams, AExcludeRect);
}

void TcxCanvas::InvertRect(const TRect& R) {
  SetCopyMode(DSTINVERT);
  FCanvas->CopyRect(R, FCanvas, R);
  SetCopyMode(SRCCOPY);
}

void TcxCanvas::InvertFrame(const TRect& R, int ABorderSize) {
  const int s = ABorderSize;
  InvertRect(TRect(R.Left, R.Top, R.Left + s, R.Bottom));
  InvertRect(TRect(R.Right - s, R.Top, R.Right, R.Bottom));
  InvertRect(TRect(R.Left + s, R.Top, R.Right - s, R.Top + s));
  InvertRect(TRect(R.Left + s, R.Bottom - s, R.Right - s, R.Bottom));
}

void TcxCanvas::FillRegion(HRGN ARegion, TColor AColor) {
  if (AColor == clNone) return;
  if (AColor != clDefault) SetBrushColor(AColor);
  FillRgn(Handle(), ARegion, Brush()->Handle());
}

void TcxCanvas::FrameRegion(HRGN ARegion, TColor AColor, int ABorderWidth, int ABorderHeight) {
  if (AColor == clNone) return;
  if (AColor != clDefault) SetBrushColor(AColor);
  FrameRgn(Handle(), ARegion, Brush()->Handle(), ABorderWidth, ABorderHeight);
}

void TcxCanvas::DrawRegion(HRGN ARegion, TColor AContentColor, TColor ABorderColor, int ABorderWidth,
                           int ABorderHeight) {
  FillRegion(ARegion, AContentColor);
  FrameRegion(ARegion, ABorderColor, ABorderWidth, ABorderHeight);
}

// ---------------------------------------------------------------- shapes

void TcxCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  ::Arc(Handle(), X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}
void TcxCanvas::ArcTo(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  ::ArcTo(Handle(), X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}
void TcxCanvas::AngleArc(int X, int Y, uint32_t Radius, float StartAngle, float SweepAngle) {
  ::AngleArc(Handle(), X, Y, Radius, StartAngle, SweepAngle);
}
void TcxCanvas::Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  ::Chord(Handle(), X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}
void TcxCanvas::Ellipse(int X1, int Y1, int X2, int Y2) { ::Ellipse(Handle(), X1, Y1, X2, Y2); }
void TcxCanvas::Rectangle(const TRect& R) { FCanvas->Rectangle(R); }
void TcxCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  ::RoundRect(Handle(), X1, Y1, X2, Y2, X3, Y3);
}
void TcxCanvas::Polygon(const std::vector<TPoint>& APoints) {
  ::Polygon(Handle(), AsPOINTs(APoints), static_cast<int>(APoints.size()));
}
void TcxCanvas::Polyline(const std::vector<TPoint>& APoints) {
  ::Polyline(Handle(), AsPOINTs(APoints), static_cast<int>(APoints.size()));
}
void TcxCanvas::PolyBezier(const std::vector<TPoint>& APoints) {
  ::PolyBezier(Handle(), AsPOINTs(APoints), static_cast<DWORD>(APoints.size()));
}
void TcxCanvas::PolyBezierTo(const std::vector<TPoint>& APoints) {
  ::PolyBezierTo(Handle(), AsPOINTs(APoints), static_cast<DWORD>(APoints.size()));
}
void TcxCanvas::MoveTo(int X, int Y) { FCanvas->MoveTo(X, Y); }
void TcxCanvas::LineTo(int X, int Y) { FCanvas->LineTo(X, Y); }
void TcxCanvas::Line(int X1, int Y1, int X2, int Y2) {
  MoveTo(X1, Y1);
  LineTo(X2, Y2);
}
void TcxCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  ::Pie(Handle(), X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

TPoint cxEllipseRadialPoint(const TRect& R, float AAngle) {
  const int a = R.Width() / 2, b = R.Height() / 2;
  const float theta = AAngle * std::numbers::pi_v<float> / 180;
  const float sine = std::sin(theta), cosine = std::cos(theta);
  const float radius = a != 0 && b != 0
                           ? static_cast<float>(a) * b / std::sqrt(static_cast<float>(a) * a * sine * sine +
                                                                   static_cast<float>(b) * b * cosine * cosine)
                           : 0;
  return {R.Left + a + static_cast<int>(std::lround(radius * cosine)),
          R.Top + b - static_cast<int>(std::lround(radius * sine))};
}

void TcxCanvas::Pie(const TRect& R, int AStartAngle, int ASweepAngle) {
  if (R.IsEmpty() || ASweepAngle == 0) return;
  const TPoint first = cxEllipseRadialPoint(R, static_cast<float>(AStartAngle));
  const TPoint second =
      ASweepAngle == 360 ? first : cxEllipseRadialPoint(R, static_cast<float>(AStartAngle + ASweepAngle));
  if (first != second || ASweepAngle > 180) Pie(R, first, second);
}

void TcxCanvas::SetPixel(int X, int Y, TColor Value) { FCanvas->SetPixels(X, Y, Value); }
void TcxCanvas::TextOut(int X, int Y, const String& Text) { FCanvas->TextOut(X, Y, Text); }
void TcxCanvas::Draw(int X, int Y, TGraphic* Graphic) { FCanvas->Draw(X, Y, Graphic); }
void TcxCanvas::Draw(int X, int Y, TGraphic* Graphic, uint8_t Opacity) {
  if (!cxGraphicPresent(Graphic)) return;
  TBitmap composed;
  composed.SetPixelFormat(pf32bit);
  composed.SetSize(Graphic->Width(), Graphic->Height());
  cxBitBltRect(composed.Canvas()->Handle(), Handle(), TRect(0, 0, Graphic->Width(), Graphic->Height()), TPoint(X, Y),
               SRCCOPY);
  composed.Canvas()->Draw(0, 0, Graphic);
  TransparentDraw(X, Y, &composed, Opacity);
}
void TcxCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic) { FCanvas->StretchDraw(Rect, Graphic); }
void TcxCanvas::CopyRect(const TRect& Dest, TCanvas* ACanvas, const TRect& Source) {
  FCanvas->CopyRect(Dest, ACanvas, Source);
}

// ---------------------------------------------------------------- paths

void TcxCanvas::BeginPath() { ::BeginPath(Handle()); }
void TcxCanvas::EndPath() { ::EndPath(Handle()); }
void TcxCanvas::WidenPath() { ::WidenPath(Handle()); }

TcxRegion* TcxCanvas::PathToRegion(bool AConsiderOrigin) {
  HRGN path = ::PathToRegion(Handle());
  auto* result = path ? new TcxRegion(path) : new TcxRegion;
  if (AConsiderOrigin) {
    const TPoint origin = DCOrigin();
    result->Offset(-origin.X, -origin.Y);
  }
  return result;
}

// ---------------------------------------------------------------- images

void TcxCanvas::DrawImage(TCustomImageList* Images, int X, int Y, int Index, bool Enabled) {
  if (!cxImageIndexValid(Images, Index)) return;
  SaveDC();
  Images->Draw(FCanvas, X, Y, Index, Enabled);
  RestoreDC();
}

void TcxCanvas::DrawGlyph(int X, int Y, TBitmap* AGlyph, bool AEnabled, TColor ABackgroundColor) {
  if (!cxGlyphPresent(AGlyph)) return;
  const int w = AGlyph->Width(), h = AGlyph->Height();
  if (AEnabled) {
    const TBrushStyle style = Brush()->Style();
    if (ABackgroundColor == clNone)
      Brush()->SetStyle(bsClear);
    else if (ABackgroundColor != clDefault)
      SetBrushColor(ABackgroundColor);
    BrushCopy(TRect(X, Y, X + w, Y + h), AGlyph, TRect(0, 0, w, h), AGlyph->TransparentColor());
    Brush()->SetStyle(style);
    return;
  }
  TCustomImageList images(nullptr);
  images.SetSize(w, h);
  images.AddMasked(AGlyph, AGlyph->TransparentMode() == tmFixed ? AGlyph->TransparentColor() : clDefault);
  if (ABackgroundColor == clNone) {
    images.Draw(FCanvas, X, Y, 0, false);
    return;
  }
  TBitmap background;
  background.SetSize(w, h);
  background.Canvas()->Brush()->SetColor(cxColorOrDefault(ABackgroundColor, Brush()->Color()));
  background.Canvas()->FillRect(TRect(0, 0, w, h));
  images.Draw(background.Canvas(), 0, 0, 0, false);
  Draw(X, Y, &background);
}


void TcxCanvas::TransparentDraw(int X, int Y, TBitmap* ABitmap, uint8_t AAlpha, TBitmap* ABackground) {
  const int w = ABitmap->Width(), h = ABitmap->Height();
  TBitmap work;
  work.SetPixelFormat(pf32bit);
  work.SetSize(w, h);
  HDC workDC = work.Canvas()->Handle();
  const TRect bounds(0, 0, w, h);
  if (ABackground)
    work.Canvas()->Draw(0, 0, ABackground);
  else
    cxBitBltRect(workDC, Handle(), bounds, TPoint(X, Y), SRCCOPY);
  if (!cxSystemAlphaBlend(workDC, ABitmap->Canvas()->Handle(), bounds, bounds, AAlpha, false)) {
    TRGBColors source, dest;
    dxReadBitmapColors(ABitmap, source, true);
    dxReadBitmapColors(&work, dest, true);
    auto mix = [AAlpha](uint8_t& ADest, uint8_t ASource) {
      ADest = static_cast<uint8_t>(MulDiv(ADest, 255 - AAlpha, 255) + MulDiv(ASource, AAlpha, 255));
    };
    for (size_t i = 0; i < dest.size(); ++i) {
      mix(dest[i].rgbBlue, source[i].rgbBlue);
      mix(dest[i].rgbGreen, source[i].rgbGreen);
      mix(dest[i].rgbRed, source[i].rgbRed);
    }
    dxWriteBitmapColors(&work, dest, true);
  }
  cxBitBltRect(Handle(), workDC, TRect(X, Y, X + w, Y + h), TPoint(), SRCCOPY);
}

void TcxCanvas::RotateBitmap(TBitmap* ABitmap, TcxRotationAngle ARotationAngle, bool AFlipVertically) {
  if (ARotationAngle == ra0 && !AFlipVertically) return;
  TRGBColors source;
  dxReadBitmapColors(ABitmap, source, true);
  const int w = ABitmap->Width(), h = ABitmap->Height();
  TRGBColors dest(source.size());
  const bool flip = AFlipVertically;
  for (int i = 0; i < h; ++i)
    for (int j = 0; j < w; ++j) {
      int index;
      switch (ARotationAngle) {
        case ra0: index = j + w * (h - 1 - i); break;
        case raPlus90: index = flip ? i + h * j : i + h * (w - 1 - j); break;
        case raMinus90: index = flip ? h * (w - j) - 1 - i : h * (j + 1) - 1 - i; break;
        default: index = flip ? w * (i + 1) - 1 - j : w * (h - i) - 1 - j; break;
      }
      dest[index] = source[j + i * w];
    }
  if (ARotationAngle == raPlus90 || ARotationAngle == raMinus90) ABitmap->SetSize(h, w);
  dxWriteBitmapColors(ABitmap, dest, true);
}

void TcxCanvas::FlipHorizontally(TBitmap* ABitmap) {
  TRGBColors colors;
  dxReadBitmapColors(ABitmap, colors, true);
  const int w = ABitmap->Width();
  for (size_t row = 0; row + w <= colors.size(); row += w) std::reverse(colors.begin() + row, colors.begin() + row + w);
  dxWriteBitmapColors(ABitmap, colors, true);
}

// ---------------------------------------------------------------- control canvas

void TcxControlCanvas::BeginPaint() {
  HDC dc = Canvas()->Handle();
  GetWindowOrgEx(dc, AsPOINT(FOrigin));
  SetBrushOrgEx(dc, FOrigin.X, FOrigin.Y, AsPOINT(FBrushOrigin));
}

void TcxControlCanvas::EndPaint() {
  SetBrushOrgEx(Canvas()->Handle(), FBrushOrigin.X, FBrushOrigin.Y, nullptr);
  FBrushOrigin = TPoint();
  FOrigin = TPoint();
}

TPoint TcxControlCanvas::QueryDCOrigin() const {
  TPoint viewport, window;
  GetViewportOrgEx(Canvas()->Handle(), AsPOINT(viewport));
  GetWindowOrgEx(Canvas()->Handle(), AsPOINT(window));
  return {viewport.X - window.X, viewport.Y - window.Y};
}

TPoint TcxControlCanvas::QueryWindowOrg() const {
  TPoint window;
  GetWindowOrgEx(Canvas()->Handle(), AsPOINT(window));
  return {window.X - FOrigin.X, window.Y - FOrigin.Y};
}

void TcxControlCanvas::ApplyWindowOrg(const TPoint& P) {
  SetWindowOrgEx(Canvas()->Handle(), P.X + FOrigin.X, P.Y + FOrigin.Y, nullptr);
}

// ---------------------------------------------------------------- screen canvas

void TScreenCanvas::CreateHandle() {
  FWindowHandle = GetDesktopWindow();
  FDeviceContext = GetDCEx(FWindowHandle, nullptr, DCX_CACHE | DCX_LOCKWINDOWUPDATE);
  SetHandle(FDeviceContext);
}

void TScreenCanvas::FreeHandle() {
  if (!FDeviceContext) return;
  SetHandle(nullptr);
  ReleaseDC(FWindowHandle, FDeviceContext);
  FDeviceContext = nullptr;
  FWindowHandle = nullptr;
}

TcxScreenCanvas::TcxScreenCanvas() : TcxCanvas(new TScreenCanvas) {}
TcxScreenCanvas::~TcxScreenCanvas() { delete Canvas(); }
void TcxScreenCanvas::Dormant() { static_cast<TScreenCanvas*>(Canvas())->FreeHandle(); }

// ---------------------------------------------------------------- paint canvas

TcxPaintCanvas::~TcxPaintCanvas() {
  while (!FPaintStates.empty()) EndPaint();
}

void TcxPaintCanvas::BeginPaint(HDC ADC) {
  auto canvas = std::make_unique<TCanvas>();
  const int saved = ::SaveDC(ADC);
  canvas->SetHandle(ADC);
  cxSynchronizeCanvasObjects(canvas.get(), ADC);
  FPaintStates.push_back({Canvas(), saved, std::move(canvas)});
  AssignCanvas(FPaintStates.back().Made.get());
  SaveState();
}

void TcxPaintCanvas::BeginPaint(TCanvas* ACanvas) {
  FPaintStates.push_back({Canvas(), 0, nullptr});
  AssignCanvas(ACanvas);
  SaveState();
}

void TcxPaintCanvas::EndPaint() {
  if (FPaintStates.empty()) return;
  RestoreState();
  TPaintState state = std::move(FPaintStates.back());
  FPaintStates.pop_back();
  if (state.SaveDC != 0) {
    HDC dc = state.Made->Handle();
    state.Made.reset();
    ::RestoreDC(dc, state.SaveDC);
  }
  AssignCanvas(state.PrevCanvas);
}

// ---------------------------------------------------------------- unit routines

namespace {

TBrushStyle BrushStyleFromLogBrush(const LOGBRUSH& ABrush) {
  if (ABrush.lbStyle == BS_NULL) return bsClear;
  if (ABrush.lbStyle != BS_HATCHED) return bsSolid;
  switch (ABrush.lbHatch) {
    case HS_HORIZONTAL: return bsHorizontal;
    case HS_VERTICAL: return bsVertical;
    case HS_FDIAGONAL: return bsFDiagonal;
    case HS_BDIAGONAL: return bsBDiagonal;
    case HS_CROSS: return bsCross;
    case HS_DIAGCROSS: return bsDiagCross;
    default: return bsSolid;
  }
}

}  // namespace

void cxSynchronizeCanvasObjects(TCanvas* ACanvas, HDC ADC) {
  LOGFONTW font{};
  if (GetObjectW(GetCurrentObject(ADC, OBJ_FONT), sizeof(font), &font)) {
    TFont* target = ACanvas->Font();
    target->SetName(font.lfFaceName);
    target->SetHeight(font.lfHeight);
    TFontStyles style;
    if (font.lfWeight >= FW_BOLD) style.Include(fsBold);
    if (font.lfItalic) style.Include(fsItalic);
    if (font.lfUnderline) style.Include(fsUnderline);
    if (font.lfStrikeOut) style.Include(fsStrikeOut);
    target->SetStyle(style);
    target->SetCharset(font.lfCharSet);
  }
  ACanvas->Font()->SetColor(static_cast<TColor>(GetTextColor(ADC)));
  LOGBRUSH brush{};
  if (GetObjectW(GetCurrentObject(ADC, OBJ_BRUSH), sizeof(brush), &brush)) {
    ACanvas->Brush()->SetColor(static_cast<TColor>(brush.lbColor));
    ACanvas->Brush()->SetStyle(BrushStyleFromLogBrush(brush));
  }
  LOGPEN pen{};
  if (GetObjectW(GetCurrentObject(ADC, OBJ_PEN), sizeof(pen), &pen)) {
    ACanvas->Pen()->SetColor(static_cast<TColor>(pen.lopnColor));
    ACanvas->Pen()->SetStyle(static_cast<TPenStyle>(std::min<UINT>(pen.lopnStyle, 6)));
    ACanvas->Pen()->SetWidth(pen.lopnWidth.x);
  }
  ACanvas->Pen()->SetMode(cxPenModeFromDC(ADC));
}

TPenMode cxPenModeFromDC(HDC ADC) {
  const int code = GetROP2(ADC);
  for (int mode = static_cast<int>(pmNotXor); mode >= static_cast<int>(pmBlack); --mode)
    if (PenModeToROP2(static_cast<TPenMode>(mode)) == code) return static_cast<TPenMode>(mode);
  return pmCopy;
}
