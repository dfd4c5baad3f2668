#include "components/editors/cxEditPaintUtils.h"

#include <algorithm>

#include "components/controls/cxContainer.h"
#include "components/lookandfeel/cxLookAndFeels.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/GdiTypes.h"

namespace {

constexpr int SystemBrushCount = 31;
std::vector<HBRUSH> SystemBrushes;
std::unique_ptr<TcxSolidBrushCache> BrushCache;

bool IsSystemBrushColor(TColor AColor) {
  const auto value = static_cast<uint32_t>(AColor);
  const auto first = static_cast<uint32_t>(clSystemColor);
  return !SystemBrushes.empty() && value >= first && value < first + SystemBrushCount;
}

}  // namespace

// ---------------------------------------------------------------- brush cache

TcxSolidBrushCache::TcxSolidBrushCache(int AMaxDepth)
    : FBrushColors(AMaxDepth),
      FBrushes(AMaxDepth),
      FCounts(AMaxDepth),
      FMaxDepth(AMaxDepth),
      FSystemPaletteChangedNotifier(std::make_unique<TcxSystemPaletteChangedNotifier>()) {
  FSystemPaletteChangedNotifier->OnSystemPaletteChanged = [this] { HandlePaletteChange(); };
}

TcxSolidBrushCache::~TcxSolidBrushCache() {
  FSystemPaletteChangedNotifier.reset();
  Clear();
}

void TcxSolidBrushCache::Clear() {
  for (int i = 0; i < FDepth; ++i) DeleteObject(FBrushes[i]);
  FDepth = 0;
}

// The entries are ordered by the sign of the wrapping difference of their
// colours, which a binary search follows.
int TcxSolidBrushCache::Find(TColor AColor, int& AInsertIndex) const {
  int lo = 0, hi = FDepth - 1, found = -1;
  while (hi >= lo) {
    const int mid = (lo + hi) >> 1;
    const auto d = static_cast<int32_t>(static_cast<uint32_t>(FBrushColors[mid]) - static_cast<uint32_t>(AColor));
    if (d < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (d == 0) {
        lo = mid;
        found = mid;
      }
    }
  }
  AInsertIndex = lo;
  return found;
}

void TcxSolidBrushCache::Evict(int& AInsertIndex) {
  int rarest = 0;
  for (int i = 1; i < FDepth && FCounts[rarest] != 0; ++i)
    if (FCounts[i] < FCounts[rarest]) rarest = i;
  DeleteObject(FBrushes[rarest]);
  for (int i = rarest; i < FDepth - 1; ++i) {
    FBrushColors[i] = FBrushColors[i + 1];
    FBrushes[i] = FBrushes[i + 1];
    FCounts[i] = FCounts[i + 1];
  }
  --FDepth;
  if (rarest < AInsertIndex) --AInsertIndex;
}

HBRUSH TcxSolidBrushCache::GetBrush(TColor AColor) {
  if (IsSystemBrushColor(AColor))
    return SystemBrushes[static_cast<uint32_t>(AColor) - static_cast<uint32_t>(clSystemColor)];
  int index;
  if (const int found = Find(AColor, index); found >= 0) {
    ++FCounts[found];
    return FBrushes[found];
  }
  if (FDepth == FMaxDepth) Evict(index);
  for (int i = FDepth; i > index; --i) {
    FBrushColors[i] = FBrushColors[i - 1];
    FBrushes[i] = FBrushes[i - 1];
    FCounts[i] = FCounts[i - 1];
  }
  FBrushColors[index] = AColor;
  FBrushes[index] = CreateSolidBrush(ColorToRGB(AColor));
  FCounts[index] = 0;
  ++FDepth;
  return FBrushes[index];
}


HBRUSH cxGetSolidBrush(TColor AColor) { return BrushCache->GetBrush(AColor); }

// ---------------------------------------------------------------- fills, lines and frames

void cxFillRectByColor(TcxCanvas* ACanvas, const TRect& R, TColor AColor) {
  FillRect(ACanvas->Handle(), AsRECT(R), cxGetSolidBrush(AColor));
}

void cxFillRectAroundRect(TcxCanvas* ACanvas, const TRect& AOuterRect, const TRect& AInnerRect, HBRUSH ABrush) {
  if (AOuterRect.IsEmpty() || AOuterRect == AInnerRect) return;
  const HDC dc = ACanvas->Handle();
  if (AInnerRect.IsEmpty()) {
    FillRect(dc, AsRECT(AOuterRect), ABrush);
    return;
  }
  const TRect strips[] = {
      {AOuterRect.Left, AOuterRect.Top, AInnerRect.Left, AOuterRect.Bottom},
      {AInnerRect.Left, AOuterRect.Top, AInnerRect.Right, AInnerRect.Top},
      {AInnerRect.Right, AOuterRect.Top, AOuterRect.Right, AOuterRect.Bottom},
      {AInnerRect.Left, AInnerRect.Bottom, AInnerRect.Right, AOuterRect.Bottom}};
  for (const TRect& strip : strips) FillRect(dc, AsRECT(strip), ABrush);
}

void cxDrawPolyLine(TcxCanvas* ACanvas, const TPoint* APoints, int ASegmentCount, bool AUseBrushes, TColor AColor) {
  const TPoint& last = APoints[ASegmentCount];
  if (!AUseBrushes) {
    ACanvas->Pen()->SetColor(AColor);
    ACanvas->Polyline(std::vector<TPoint>(APoints, APoints + ASegmentCount + 1));
    ACanvas->SetPixel(last.X, last.Y, AColor);
    return;
  }
  const HBRUSH brush = cxGetSolidBrush(AColor);
  const HDC dc = ACanvas->Handle();
  for (int i = 0; i < ASegmentCount; ++i) {
    const TPoint& a = APoints[i];
    const TPoint& b = APoints[i + 1];
    const RECT r{std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1, std::max(a.Y, b.Y) + 1};
    FillRect(dc, &r, brush);
  }
  const RECT end{last.X, last.Y, last.X + 1, last.Y + 1};
  FillRect(dc, &end, brush);
}

void cxDrawEditButtonBorder(TcxCanvas* ACanvas, TRect& R, int ASides, TColor AColor) {
  auto line = [&](int X1, int Y1, int X2, int Y2) {
    const TPoint points[] = {{X1, Y1}, {X2, Y2}};
    cxDrawPolyLine(ACanvas, points, 1, false, AColor);
  };
  if (ASides & cxEditBorderLeft) {
    line(R.Left, R.Top, R.Left, R.Bottom - 1);
    ++R.Left;
  }
  if (ASides & cxEditBorderRight) {
    line(R.Right - 1, R.Top, R.Right - 1, R.Bottom - 1);
    --R.Right;
  }
  if (ASides & cxEditBorderTop) {
    line(R.Left, R.Top, R.Right - 1, R.Top);
    ++R.Top;
  }
  if (ASides & cxEditBorderBottom) {
    line(R.Left, R.Bottom - 1, R.Right - 1, R.Bottom - 1);
    --R.Bottom;
  }
}

void cxDrawComplexFrameAndShrink(TcxCanvas* ACanvas, TRect& R, TColor ALeftTopColor, TColor ARightBottomColor) {
  ACanvas->DrawComplexFrame(R, ALeftTopColor, ARightBottomColor);
  R.Inflate(-1, -1);
}

void cxFrameRectAndShrink(TcxCanvas* ACanvas, TRect& R, TColor AColor) {
  ACanvas->FrameRect(R, AColor);
  R.Inflate(-1, -1);
}

// ---------------------------------------------------------------- arrows

TSize cxCalculateArrowSize(const TSize& ASize, TcxArrowDirection ADirection) {
  int a = (std::min(ASize.cx, ASize.cy) - 1) / 2;
  if (a % 2 == 0) ++a;
  const bool vertical = ADirection == adUp || ADirection == adDown;
  return vertical ? TSize{a, a / 2 + 1} : TSize{a / 2 + 1, a};
}

void cxDrawEditArrow(TcxCanvas* ACanvas, int ASize, const TRect& AContentRect, TColor AColor, bool AOffsetContent,
                     bool AIsDoubleArrow, TcxArrowDirection ADirection) {
  const int count = AIsDoubleArrow ? 2 : 1;
  const bool vertical = ADirection == adUp || ADirection == adDown;
  const int along = count * ASize, across = 2 * ASize - 1;
  const int width = vertical ? across : along, height = vertical ? along : across;
  int left = AContentRect.Left + (AContentRect.Width() - width) / 2;
  int top = AContentRect.Top + (AContentRect.Height() - height) / 2;
  if (AOffsetContent) {
    ++left;
    ++top;
  }
  const HBRUSH brush = cxGetSolidBrush(AColor);
  const HDC dc = ACanvas->Handle();
  for (int arrow = 0; arrow < count; ++arrow) {
    const int start = arrow * ASize;
    for (int i = 0; i < ASize; ++i) {
      // Row i is i pixels from the apex (growing) or from the base (shrinking).
      const bool growing = ADirection == adUp || ADirection == adLeft;
      const int inset = growing ? ASize - 1 - i : i;
      RECT r;
      if (vertical)
        r = {left + inset, top + start + i, left + across - inset, top + start + i + 1};
      else
        r = {left + start + i, top + inset, left + start + i + 1, top + across - inset};
      FillRect(dc, &r, brush);
    }
  }
}

// ---------------------------------------------------------------- glyphs and images

namespace {

// Draws through AWorkBitmap (composed at its origin, then laid on the
// canvas) when one is given, else straight onto the canvas.
template <class F>
void DrawThroughWorkBitmap(TcxCanvas* ACanvas, int X, int Y, const TSize& ASize, TBitmap* AWorkBitmap, F ADraw) {
  if (!AWorkBitmap) return ADraw(ACanvas->Handle(), TRect(X, Y, X + ASize.cx, Y + ASize.cy));
  ADraw(AWorkBitmap->Canvas()->Handle(), TRect(0, 0, ASize.cx, ASize.cy));
  BitBlt(ACanvas->Handle(), X, Y, ASize.cx, ASize.cy, AWorkBitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
}

HBRUSH BackgroundBrush(TColor AColor) { return AColor == clNone || AColor == clDefault ? nullptr : cxGetSolidBrush(AColor); }

}  // namespace

void cxDrawEditGlyph(TcxCanvas* ACanvas, int X, int Y, TBitmap* AGlyph, bool AEnabled, TColor ABackgroundColor,
                     TBitmap* AWorkBitmap) {
  const TSize size{AGlyph->Width(), AGlyph->Height()};
  DrawThroughWorkBitmap(ACanvas, X, Y, size, AWorkBitmap, [&](HDC DC, const TRect& R) {
    cxDrawGlyphOrImage(DC, R, R, AGlyph, nullptr, -1, AEnabled ? gdsNormal : gdsDisabled, false,
                       BackgroundBrush(ABackgroundColor), AGlyph->TransparentColor());
  });
}

void cxDrawEditImage(TcxCanvas* ACanvas, TCustomImageList* AImages, int AImageIndex, TBitmap* AWorkBitmap,
                     bool AEnabled, TColor ABackgroundColor, const TRect& R) {
  const TSize size{AImages->Width(), AImages->Height()};
  DrawThroughWorkBitmap(ACanvas, R.Left, R.Top, size, AWorkBitmap, [&](HDC DC, const TRect& AImageRect) {
    cxDrawGlyphOrImage(DC, AImageRect, AImageRect, nullptr, AImages, AImageIndex, AEnabled ? gdsNormal : gdsDisabled,
                       false, BackgroundBrush(ABackgroundColor));
  });
}

// ---------------------------------------------------------------- painters and colours

TcxCustomLookAndFeelPainter* cxGetEditPainter(bool ANativeStyle, TcxLookAndFeelKind AKind) {
  if (ANativeStyle && dxThemesAvailable())
    if (TcxCustomLookAndFeelPainter* painter = PaintersManager->GetPainter(lfsNative)) return painter;
  static const TcxLookAndFeelStyle styles[] = {lfsFlat, lfsStandard, lfsUltraFlat, lfsOffice11};
  return PaintersManager->GetPainter(styles[static_cast<int>(AKind)]);
}

TColor cxGetHighlightBorderColor(bool AIsOffice11) { return cxGetContainerFrameColor(true, AIsOffice11); }

TColor cxGetEditButtonColor(bool APressed, bool AIsOffice11) {
  TcxCustomLookAndFeelPainter* painter = PaintersManager->GetPainter(AIsOffice11 ? lfsOffice11 : lfsUltraFlat);
  return painter->ButtonColor(APressed ? cxbsPressed : cxbsHot);
}

TRect cxThemeContentMargins(HTHEME ATheme, int APart, int AState) {
  if (!ATheme) return TRect();
  const RECT bounds{0, 0, 100, 100};
  RECT content = bounds;
  GetThemeBackgroundContentRect(ATheme, nullptr, APart, AState, &bounds, &content);
  return TRect(content.left, content.top, 100 - content.right, 100 - content.bottom);
}

int cxButtonsContentVerticalMargin(TcxEditButtonStyle AStyle, bool ANativeStyle) {
  if (ANativeStyle) {
    const TRect margins = cxThemeContentMargins(dxThemeHandleOf(totButton), BP_PUSHBUTTON, PBS_NORMAL);
    return margins.Top + margins.Bottom;
  }
  switch (AStyle) {
    case btsDefault: return 0;
    case bts3D: return 4;
    default: return 2;
  }
}

// ---------------------------------------------------------------- unit

const TUnitEntry cxEditPaintUtilsUnit{L"cxEditPaintUtils",
                                      [] {
                                        SystemBrushes.resize(SystemBrushCount);
                                        for (int i = 0; i < SystemBrushCount; ++i)
                                          SystemBrushes[i] = GetSysColorBrush(i);
                                        BrushCache = std::make_unique<TcxSolidBrushCache>();
                                      },
                                      [] {
                                        BrushCache.reset();
                                        SystemBrushes.clear();
                                      }};
