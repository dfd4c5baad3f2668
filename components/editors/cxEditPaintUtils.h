#pragma once
// The editors' shared drawing: a process-wide cache of solid brushes (and
// the platform's system-colour brushes), and the small routines that every
// editor's painting uses: fills, one-pixel lines and frames, arrows, glyphs
// and images, the painter of a look, and button colours and margins.
#include <vector>

#include "components/core/cxGraphics.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "vcl/rtl/UnitStartup.h"

class TcxSystemPaletteChangedNotifier;

enum class TcxEditButtonStyle { btsDefault, bts3D, btsFlat, btsSimple, btsHotFlat, btsUltraFlat, btsOffice11 };
using enum TcxEditButtonStyle;

// Solid brushes by colour, the ones asked for least evicted when full. The
// cache owns its brushes: callers never delete them, and a brush stays valid
// until it is evicted or the cache is cleared (on a palette change).
class TcxSolidBrushCache : public TObject {
  VCL_CLASS(TcxSolidBrushCache, TObject)
public:
  explicit TcxSolidBrushCache(int AMaxDepth = 128);
  ~TcxSolidBrushCache() override;

  void Clear();
  // A system colour (clSystemColor + 0..30) answers the platform's own
  // brush without touching the cache.
  HBRUSH GetBrush(TColor AColor);
  int Depth() const { return FDepth; }
  int MaxDepth() const { return FMaxDepth; }
  // The colours held, in their search order.
  TColor Colors(int AIndex) const { return FBrushColors.at(AIndex); }

protected:
  virtual void HandlePaletteChange() { Clear(); }

private:
  // The index of AColor, or -1 with AInsertIndex where it belongs.
  int Find(TColor AColor, int& AInsertIndex) const;
  void Evict(int& AInsertIndex);

  std::vector<TColor> FBrushColors;
  std::vector<HBRUSH> FBrushes;
  std::vector<uint32_t> FCounts;
  int FDepth = 0;
  int FMaxDepth;
  std::unique_ptr<TcxSystemPaletteChangedNotifier> FSystemPaletteChangedNotifier;
};

// The unit's cache.
HBRUSH cxGetSolidBrush(TColor AColor);

void cxFillRectByColor(TcxCanvas* ACanvas, const TRect& R, TColor AColor);
// The part of AOuterRect outside AInnerRect, in four strips.
void cxFillRectAroundRect(TcxCanvas* ACanvas, const TRect& AOuterRect, const TRect& AInnerRect, HBRUSH ABrush);
// Sides: 1 left, 2 top, 4 right, 8 bottom; each drawn side moves inwards.
enum : int { cxEditBorderLeft = 1, cxEditBorderTop = 2, cxEditBorderRight = 4, cxEditBorderBottom = 8 };
void cxDrawEditButtonBorder(TcxCanvas* ACanvas, TRect& R, int ASides, TColor AColor);
// ASegmentCount segments through the points; the end point is drawn too.
void cxDrawPolyLine(TcxCanvas* ACanvas, const TPoint* APoints, int ASegmentCount, bool AUseBrushes, TColor AColor);
void cxDrawComplexFrameAndShrink(TcxCanvas* ACanvas, TRect& R, TColor ALeftTopColor, TColor ARightBottomColor);
void cxFrameRectAndShrink(TcxCanvas* ACanvas, TRect& R, TColor AColor);
// The size of an arrow drawn in a rectangle of ASize.
TSize cxCalculateArrowSize(const TSize& ASize, TcxArrowDirection ADirection);
// An arrow of ASize rows centred in AContentRect (moved by (1, 1) with
// AOffsetContent), two of them one after the other with AIsDoubleArrow.
void cxDrawEditArrow(TcxCanvas* ACanvas, int ASize, const TRect& AContentRect, TColor AColor, bool AOffsetContent,
                     bool AIsDoubleArrow, TcxArrowDirection ADirection);
// The glyph at (X, Y) with its transparent colour keyed out, disabled in the
// platform's disabled look; over ABackgroundColor unless it is clNone. With
// AWorkBitmap the picture is composed there first.
void cxDrawEditGlyph(TcxCanvas* ACanvas, int X, int Y, TBitmap* AGlyph, bool AEnabled, TColor ABackgroundColor,
                     TBitmap* AWorkBitmap = nullptr);
void cxDrawEditImage(TcxCanvas* ACanvas, TCustomImageList* AImages, int AImageIndex, TBitmap* AWorkBitmap,
                     bool AEnabled, TColor ABackgroundColor, const TRect& R);
// The native painter when asked for and themes are on, else the kind's.
TcxCustomLookAndFeelPainter* cxGetEditPainter(bool ANativeStyle, TcxLookAndFeelKind AKind);
TColor cxGetHighlightBorderColor(bool AIsOffice11);
// The Office11 or ultra-flat painter's button colour when pressed or hot.
TColor cxGetEditButtonColor(bool APressed, bool AIsOffice11);

// The margins of a theme part's content inside a 100 x 100 rectangle (left,
// top, right and bottom widths); empty without a theme.
TRect cxThemeContentMargins(HTHEME ATheme, int APart, int AState);
// The vertical room a button's frame takes around its content.
int cxButtonsContentVerticalMargin(TcxEditButtonStyle AStyle, bool ANativeStyle);

extern const TUnitEntry cxEditPaintUtilsUnit;
