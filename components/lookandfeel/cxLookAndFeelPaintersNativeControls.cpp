// The native painter, continued: the scheduler, group boxes and panels,
// edit popups and hints, track bars, navigators, zoom and back buttons,
// drop-down list boxes, the breadcrumb edit, bevels, galleries, toggle
// switches, the clock and the modern calendar.
#include "components/core/dxCore.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"

using TInherited = TcxStandardLookAndFeelPainter;

namespace {

// The canvas clip comes back as it was when the scope ends, also when
// drawing raises.
class TClipRegionSaver {
public:
  explicit TClipRegionSaver(TcxCanvas* ACanvas) : FCanvas(ACanvas) { FCanvas->SaveClipRegion(); }
  ~TClipRegionSaver() { FCanvas->RestoreClipRegion(); }
  TClipRegionSaver(const TClipRegionSaver&) = delete;
  TClipRegionSaver& operator=(const TClipRegionSaver&) = delete;

private:
  TcxCanvas* FCanvas;
};

// The scheduler navigator's tool-bar button by TcxButtonState.
int NavigatorButtonStateId(TcxButtonState AState) {
  static constexpr int States[] = {2, 2, 5, 3, 4};
  return States[static_cast<int>(AState)];
}

// The track-bar thumb by TcxButtonState.
int TrackBarThumbStateId(TcxButtonState AState) {
  static constexpr int States[] = {2, 1, 2, 3, 5};
  return States[static_cast<int>(AState)];
}

// The track-bar thumb part by tick alignment and orientation.
int TrackBarThumbPart(TcxTrackBarTicksAlign ATicks, bool AHorizontal) {
  switch (ATicks) {
    case tbtaUp: return AHorizontal ? TKP_THUMBTOP : TKP_THUMBLEFT;
    case tbtaDown: return AHorizontal ? TKP_THUMBBOTTOM : TKP_THUMBRIGHT;
    case tbtaBoth: break;
  }
  return AHorizontal ? TKP_THUMB : TKP_THUMBVERT;
}

// The breadcrumb push button by its state; 0 for the states drawn without one.
int BreadcrumbButtonStateId(TdxBreadcrumbEditButtonState AState) {
  switch (AState) {
    case dxbcbsFocused: return 1;
    case dxbcbsHot: return 2;
    case dxbcbsPressed: return 3;
    case dxbcbsNormal:
    case dxbcbsDisabled: break;
  }
  return 0;
}

int BreadcrumbEditStateId(TdxBreadcrumbEditState AState) {
  static constexpr int States[] = {1, 5, 2, 4};  // normal, focused, hot, disabled
  return States[static_cast<int>(AState)];
}

// R grown outward by O on every side.
TRect Grown(const TRect& R, const TRect& O) {
  return TRect(R.Left - O.Left, R.Top - O.Top, R.Right + O.Right, R.Bottom + O.Bottom);
}

}  // namespace

// ---------------------------------------------------------------- scheduler

// The tab part is drawn turned, so that the tab's rounded edge faces the
// way the button points; the canvas under R shows through its corners.
void TcxWinXPLookAndFeelPainter::DrawSchedulerNavigationButtonFrame(TcxCanvas* ACanvas, const TRect& R,
                                                                    const TRect& AArrowRect, bool AIsNextButton,
                                                                    TcxButtonState AState) {
  const HTHEME theme = dxThemeHandleOf(totTab);
  if (!theme) {
    TInherited::DrawSchedulerNavigationButtonFrame(ACanvas, R, AArrowRect, AIsNextButton, AState);
    return;
  }
  TcxBitmap bitmap(R, pf32bit);
  cxBitBltRect(bitmap.Canvas()->Handle(), ACanvas->Handle(), bitmap.ClientRect(), R.TopLeft(), SRCCOPY);
  bitmap.Rotate(AIsNextButton ? raMinus90 : raPlus90);
  DrawThemeBackground(theme, bitmap.Canvas()->Handle(), TABP_TABITEM, FiveStateId(AState), bitmap.ClientRect());
  bitmap.Rotate(AIsNextButton ? raPlus90 : raMinus90);
  cxBitBltRect(ACanvas->Handle(), bitmap.Canvas()->Handle(), R, TPoint(0, 0), SRCCOPY);
  DrawSchedulerNavigationButtonArrow(ACanvas, AArrowRect, AIsNextButton, ButtonSymbolColor(AState, clDefault));
}

TColor TcxWinXPLookAndFeelPainter::DefaultSchedulerBorderColor() {
  TColor color;
  return ThemeColor(totComboBox, 1, 1, TMT_BORDERCOLOR, color) ? color : TInherited::DefaultSchedulerBorderColor();
}

TColor TcxWinXPLookAndFeelPainter::DefaultSchedulerViewContentColor() { return RGB(255, 255, 213); }

void TcxWinXPLookAndFeelPainter::DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                 const TcxNeighbors& ANeighbors, const TcxViewParams& AViewParams,
                                                 const TcxArrowDirections& AArrows, int ASideWidth,
                                                 const TcxDrawBackgroundEvent& AOnDrawBackground) {
  DrawHeader(ACanvas, ABounds, ABounds, ANeighbors, cxBordersAll, cxbsNormal, taCenter, vaCenter, false, false, AText,
             AViewParams.Font, AViewParams.TextColor, AViewParams.Color, AOnDrawBackground,
             !ANeighbors.Contains(nRight), false);
  DrawMonthHeaderArrows(ACanvas, ABounds, AArrows, ASideWidth, clWindowText);
}

void TcxWinXPLookAndFeelPainter::DrawSchedulerEventProgress(TcxCanvas* ACanvas, const TRect& ABounds,
                                                            const TRect& AProgress, const TcxViewParams& AViewParams,
                                                            bool ATransparent) {
  if (DrawThemePart(totProgress, ACanvas, PP_BAR, 0, ABounds))
    DrawThemePart(totProgress, ACanvas, PP_CHUNK, 0, AProgress);
  else
    TInherited::DrawSchedulerEventProgress(ACanvas, ABounds, AProgress, AViewParams, ATransparent);
}

TRect TcxWinXPLookAndFeelPainter::SchedulerEventProgressOffsets() { return TRect(3, 3, 3, 3); }

void TcxWinXPLookAndFeelPainter::DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R,
                                                              TcxButtonState AState) {
  if (!DrawThemePart(totToolBar, ACanvas, TP_BUTTON, NavigatorButtonStateId(AState), R))
    TInherited::DrawSchedulerNavigatorButton(ACanvas, R, AState);
}

// Two one-pixel lines in the theme's border colour along the splitter's
// long sides, the rest in the view's colour.
void TcxWinXPLookAndFeelPainter::DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, const TRect& R,
                                                             const TcxViewParams& AViewParams, bool AIsHorizontal) {
  TColor border;
  if (!dxThemeHandleOf(totListView) || !ThemeColor(totComboBox, 1, 1, TMT_BORDERCOLOR, border)) {
    TInherited::DrawSchedulerSplitterBorder(ACanvas, R, AViewParams, AIsHorizontal);
    return;
  }
  TRect content = R;
  if (AIsHorizontal) {
    ACanvas->FillRect(TRect(R.Left, R.Top, R.Right, R.Top + 1), border);
    ACanvas->FillRect(TRect(R.Left, R.Bottom - 1, R.Right, R.Bottom), border);
    content.Inflate(1, -1);
  } else {
    ACanvas->FillRect(TRect(R.Left, R.Top, R.Left + 1, R.Bottom), border);
    ACanvas->FillRect(TRect(R.Right - 1, R.Top, R.Right, R.Bottom), border);
    content.Inflate(-1, 1);
  }
  ACanvas->FillRect(content, AViewParams);
}

// ---------------------------------------------------------------- group box and panel

void TcxWinXPLookAndFeelPainter::DrawGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled,
                                                   TcxGroupBoxCaptionPosition ACaptionPosition,
                                                   const TcxBorders& ABorders) {
  if (!DrawThemePart(totButton, ACanvas, BP_GROUPBOX, AEnabled ? 1 : 2, R))
    TInherited::DrawGroupBoxFrame(ACanvas, R, AEnabled, ACaptionPosition, ABorders);
}

TColor TcxWinXPLookAndFeelPainter::GroupBoxTextColor(bool AEnabled, TcxGroupBoxCaptionPosition ACaptionPosition) {
  TColor color;
  return ThemeColor(totButton, BP_GROUPBOX, AEnabled ? 1 : 2, TMT_TEXTCOLOR, color)
             ? color
             : TInherited::GroupBoxTextColor(AEnabled, ACaptionPosition);
}

void TcxWinXPLookAndFeelPainter::DrawPanelBackground(TcxCanvas* ACanvas, TWinControl* AControl, const TRect& ABounds,
                                                     TColor AColorFrom, TColor /*AColorTo*/) {
  if (AColorFrom == clDefault)
    cxPaintParentImage(AControl, ACanvas, ABounds, true);
  else
    ACanvas->FillRect(ABounds, AColorFrom);
}

// ---------------------------------------------------------------- edit popups, hints and screen tips

// Without the list-box theme the border is the one of the systems before
// Vista, so that the popup is never left without one.
void TcxWinXPLookAndFeelPainter::DrawEditPopupWindowBorder(TcxCanvas* ACanvas, TRect& R,
                                                           TcxEditPopupBorderStyle /*ABorderStyle*/,
                                                           bool /*AClientEdge*/) {
  if (!dxOsVistaUp || !DrawThemePart(totListBox, ACanvas, LBCP_BORDER_NOSCROLL, 3, R)) ACanvas->FrameRect(R, clBtnText);
  R = cxRectDeflated(R, 1);
}

int TcxWinXPLookAndFeelPainter::GetEditPopupWindowBorderWidth(TcxEditPopupBorderStyle) { return 1; }
int TcxWinXPLookAndFeelPainter::GetEditPopupWindowClientEdgeWidth(TcxEditPopupBorderStyle) { return 2; }

TColor TcxWinXPLookAndFeelPainter::GetHintBorderColor() {
  return dxThemeHandleOf(totToolTip) ? clWindowFrame : TInherited::GetHintBorderColor();
}

void TcxWinXPLookAndFeelPainter::DrawHintBackground(TcxCanvas* ACanvas, const TRect& ARect, TColor AColor) {
  if (!DrawThemePart(totToolTip, ACanvas, TTP_STANDARD, 1, cxRectDeflated(ARect, -4)))
    TInherited::DrawHintBackground(ACanvas, ARect, AColor);
}

TColor TcxWinXPLookAndFeelPainter::ScreenTipGetDescriptionTextColor() {
  TColor color;
  return ThemeColor(totToolTip, TTP_STANDARD, 1, TMT_TEXTCOLOR, color) ? color
                                                                       : TInherited::ScreenTipGetDescriptionTextColor();
}

TColor TcxWinXPLookAndFeelPainter::ScreenTipGetTitleTextColor() { return ScreenTipGetDescriptionTextColor(); }

// ---------------------------------------------------------------- track bar

// The thumb gets the theme's size, centred in ARect.
void TcxWinXPLookAndFeelPainter::CorrectThumbRect(TcxCanvas* ACanvas, TRect& ARect, bool AHorizontal,
                                                  TcxTrackBarTicksAlign ATicks) {
  const HTHEME theme = dxThemeHandleOf(totTrackBar);
  RECT bounds{ARect.Left, ARect.Top, ARect.Right, ARect.Bottom};
  SIZE size{};
  if (!theme || FAILED(GetThemePartSize(theme, ACanvas->Handle(), TrackBarThumbPart(ATicks, AHorizontal), 1, &bounds,
                                        TS_DRAW, &size))) {
    TInherited::CorrectThumbRect(ACanvas, ARect, AHorizontal, ATicks);
    return;
  }
  ARect.Left += (ARect.Width() - size.cx) / 2;
  ARect.Top += (ARect.Height() - size.cy) / 2;
  ARect.Right = ARect.Left + size.cx;
  ARect.Bottom = ARect.Top + size.cy;
}

void TcxWinXPLookAndFeelPainter::DrawTrackBarTrack(TcxCanvas* ACanvas, const TRect& ARect, const TRect& ASelection,
                                                   bool AShowSelection, bool AEnabled, bool AHorizontal,
                                                   TColor ATrackColor) {
  if (!DrawThemePart(totTrackBar, ACanvas, AHorizontal ? TKP_TRACK : TKP_TRACKVERT, 1, ARect))
    TInherited::DrawTrackBarTrack(ACanvas, ARect, ASelection, AShowSelection, AEnabled, AHorizontal, ATrackColor);
}

void TcxWinXPLookAndFeelPainter::DrawTrackBarThumb(TcxCanvas* ACanvas, const TRect& ARect, TcxButtonState AState,
                                                   bool AHorizontal, TcxTrackBarTicksAlign ATicks,
                                                   TColor AThumbColor) {
  if (!DrawThemePart(totTrackBar, ACanvas, TrackBarThumbPart(ATicks, AHorizontal), TrackBarThumbStateId(AState), ARect))
    TInherited::DrawTrackBarThumb(ACanvas, ARect, AState, AHorizontal, ATicks, AThumbColor);
}

// ---------------------------------------------------------------- date navigator and navigator

// The themed header leaves R as it is; without the header theme the
// Standard header is drawn and R comes back inside its edge.
void TcxWinXPLookAndFeelPainter::DrawDateNavigatorDateHeader(TcxCanvas* ACanvas, TRect& R) {
  if (!DrawThemePart(totHeader, ACanvas, HP_HEADERITEMLEFT, 1, R)) TInherited::DrawDateNavigatorDateHeader(ACanvas, R);
}

TPoint TcxWinXPLookAndFeelPainter::NavigatorButtonPressedGlyphOffset() { return TPoint(0, 0); }
TSize TcxWinXPLookAndFeelPainter::NavigatorButtonMinSize() { return cxScaleSizeByCurrentDPI(TSize(18, 19)); }

// ---------------------------------------------------------------- zoom and back buttons

bool TcxWinXPLookAndFeelPainter::ThemedZoomButtonSize(TcxBitmap32* AGlyph, TSize& ASize) {
  TRect margins;
  if (!ThemeMargins(totButton, BP_PUSHBUTTON, 0, TMT_CONTENTMARGINS, margins)) return false;
  ASize = TSize(AGlyph->Width() + margins.Left + margins.Right, AGlyph->Height() + margins.Top + margins.Bottom);
  return true;
}

bool TcxWinXPLookAndFeelPainter::DrawThemedZoomButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                      TcxBitmap32* AGlyph) {
  if (!DrawThemePart(totButton, ACanvas, BP_PUSHBUTTON, PushButtonStateId(AState), R)) return false;
  cxDrawFittedImage(ACanvas, R, AGlyph, nullptr, -1, ifmNormal, gdsNormal, true);
  return true;
}

TSize TcxWinXPLookAndFeelPainter::GetZoomInButtonSize() {
  TSize size;
  return ThemedZoomButtonSize(FZoomInButtonGlyph.get(), size) ? size : TInherited::GetZoomInButtonSize();
}

TSize TcxWinXPLookAndFeelPainter::GetZoomOutButtonSize() {
  TSize size;
  return ThemedZoomButtonSize(FZoomOutButtonGlyph.get(), size) ? size : TInherited::GetZoomOutButtonSize();
}

void TcxWinXPLookAndFeelPainter::DrawZoomInButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  if (!DrawThemedZoomButton(ACanvas, R, AState, FZoomInButtonGlyph.get()))
    TInherited::DrawZoomInButton(ACanvas, R, AState);
}

void TcxWinXPLookAndFeelPainter::DrawZoomOutButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  if (!DrawThemedZoomButton(ACanvas, R, AState, FZoomOutButtonGlyph.get()))
    TInherited::DrawZoomOutButton(ACanvas, R, AState);
}

TSize TcxWinXPLookAndFeelPainter::GetBackButtonSize() {
  TSize size;
  return ThemePartSize(totNavigation, NAV_BACKBUTTON, 0, TS_TRUE, size) ? size : TInherited::GetBackButtonSize();
}

void TcxWinXPLookAndFeelPainter::DrawBackButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  if (!DrawThemePart(totNavigation, ACanvas, NAV_BACKBUTTON, FiveStateId(AState), R))
    TInherited::DrawBackButton(ACanvas, R, AState);
}

// ---------------------------------------------------------------- drop-down list box

// A menu theme whose item text colour cannot be read gives the Standard colour.
TColor TcxWinXPLookAndFeelPainter::DropDownListBoxItemTextColor(bool ASelected) {
  TColor color;
  return ThemeColor(totMenu, MENU_POPUPITEM, 1, TMT_TEXTCOLOR, color) ? color
                                                                      : TInherited::DropDownListBoxItemTextColor(ASelected);
}

int TcxWinXPLookAndFeelPainter::DropDownListBoxSeparatorSize() {
  TSize size;
  return ThemePartSize(totMenu, MENU_POPUPSEPARATOR, 0, TS_TRUE, size) ? size.cy
                                                                        : TInherited::DropDownListBoxSeparatorSize();
}

// With borders: a frame in the menu's edge light colour, one in its edge
// highlight colour inside it; then the menu's popup background, or the
// window colour without the menu theme.
void TcxWinXPLookAndFeelPainter::DrawDropDownListBoxBackground(TcxCanvas* ACanvas, const TRect& ARect,
                                                               bool AHasBorders) {
  if (!dxThemesAvailable()) {
    TInherited::DrawDropDownListBoxBackground(ACanvas, ARect, AHasBorders);
    return;
  }
  TRect r = ARect;
  if (AHasBorders) {
    const auto edgeColor = [](int APropId, TColor ADefault) {
      TColor color;
      return ThemeColor(totMenu, MENU_POPUPBACKGROUND, 0, APropId, color) ? color : ADefault;
    };
    ACanvas->FrameRect(r, edgeColor(TMT_EDGELIGHTCOLOR, clBtnShadow));
    r = cxRectDeflated(r, 1);
    ACanvas->FrameRect(r, edgeColor(TMT_EDGEHIGHLIGHTCOLOR, clBtnHighlight));
    r = cxRectDeflated(r, 1);
  }
  if (!DrawThemePart(totMenu, ACanvas, MENU_POPUPBACKGROUND, 0, r)) ACanvas->FillRect(r, clWindow);
}

void TcxWinXPLookAndFeelPainter::DrawDropDownListBoxGutterBackground(TcxCanvas* ACanvas, const TRect& ARect) {
  if (!DrawThemePart(totMenu, ACanvas, MENU_POPUPGUTTER, 0, ARect))
    TInherited::DrawDropDownListBoxGutterBackground(ACanvas, ARect);
}

void TcxWinXPLookAndFeelPainter::DrawDropDownListBoxSelection(TcxCanvas* ACanvas, const TRect& ARect,
                                                              const TRect& AGutterRect) {
  if (!DrawThemePart(totMenu, ACanvas, MENU_POPUPITEM, 2, ARect))
    TInherited::DrawDropDownListBoxSelection(ACanvas, ARect, AGutterRect);
}

// The separator's own height, centred in ARect, from past the gutter.
void TcxWinXPLookAndFeelPainter::DrawDropDownListBoxSeparator(TcxCanvas* ACanvas, const TRect& ARect,
                                                              const TRect& AGutterRect) {
  const HTHEME theme = dxThemeHandleOf(totMenu);
  SIZE size{};
  if (!theme || FAILED(GetThemePartSize(theme, ACanvas->Handle(), MENU_POPUPSEPARATOR, 0, nullptr, TS_TRUE, &size))) {
    TInherited::DrawDropDownListBoxSeparator(ACanvas, ARect, AGutterRect);
    return;
  }
  const int top = cxFloorHalf(ARect.Top + ARect.Bottom - size.cy);
  DrawThemeBackground(theme, ACanvas->Handle(), MENU_POPUPSEPARATOR, 0,
                      TRect(AGutterRect.Right + 2, top, ARect.Right, top + size.cy));
}

// ---------------------------------------------------------------- breadcrumb edit

TColor TcxWinXPLookAndFeelPainter::BreadcrumbEditBackgroundColor(TdxBreadcrumbEditState) {
  return DefaultContentColor();
}

TRect TcxWinXPLookAndFeelPainter::BreadcrumbEditBordersSize() { return TRect(1, 1, 1, 1); }

TRect TcxWinXPLookAndFeelPainter::BreadcrumbEditButtonContentOffsets(bool AIsFirst, bool AIsLast) {
  TRect margins;
  return ThemeMargins(totButton, BP_PUSHBUTTON, 0, TMT_CONTENTMARGINS, margins)
             ? margins
             : TInherited::BreadcrumbEditButtonContentOffsets(AIsFirst, AIsLast);
}

bool TcxWinXPLookAndFeelPainter::BreadcrumbEditIsFadingSupports() { return true; }

TSize TcxWinXPLookAndFeelPainter::BreadcrumbEditProgressChunkOverlaySize() {
  TSize size;
  return dxOsVistaUp && ThemePartSize(totProgress, PP_MOVEOVERLAY, 0, TS_TRUE, size)
             ? size
             : TInherited::BreadcrumbEditProgressChunkOverlaySize();
}

TRect TcxWinXPLookAndFeelPainter::BreadcrumbEditProgressChunkPadding() { return TRect(0, 0, 0, 0); }

// A side missing from ABorders is drawn outside ARect, beyond the clip.
void TcxWinXPLookAndFeelPainter::DrawBreadcrumbEditBorders(TcxCanvas* ACanvas, const TRect& ARect,
                                                           const TcxBorders& ABorders, TdxBreadcrumbEditState AState) {
  const HTHEME theme = dxThemeHandleOf(totEdit);
  if (!theme) {
    TInherited::DrawBreadcrumbEditBorders(ACanvas, ARect, ABorders, AState);
    return;
  }
  const int part = dxOsVistaUp ? EP_EDITBORDER_NOSCROLL : EP_EDITTEXT;
  const int state = BreadcrumbEditStateId(AState);
  if (ABorders == cxBordersAll) {
    DrawThemeBackground(theme, ACanvas->Handle(), part, state, ARect);
    return;
  }
  TClipRegionSaver clip(ACanvas);
  ACanvas->IntersectClipRect(ARect);
  MARGINS margins{};
  GetThemeMargins(theme, ACanvas->Handle(), part, 0, TMT_SIZINGMARGINS, nullptr, &margins);
  const TRect outside(ABorders.Contains(bLeft) ? 0 : margins.cxLeftWidth,
                      ABorders.Contains(bTop) ? 0 : margins.cyTopHeight,
                      ABorders.Contains(bRight) ? 0 : margins.cxRightWidth,
                      ABorders.Contains(bBottom) ? 0 : margins.cyBottomHeight);
  DrawThemeBackground(theme, ACanvas->Handle(), part, state, Grown(ARect, outside));
}

void TcxWinXPLookAndFeelPainter::DrawBreadcrumbEditButtonAreaSeparator(TcxCanvas*, const TRect&,
                                                                       TdxBreadcrumbEditState) {}

// A push button whose top and bottom edges fall outside ARect.
void TcxWinXPLookAndFeelPainter::DrawBreadcrumbEditButton(TcxCanvas* ACanvas, const TRect& ARect,
                                                          TdxBreadcrumbEditButtonState AState, bool AIsFirst,
                                                          bool AIsLast) {
  const HTHEME theme = dxThemeHandleOf(totButton);
  if (!theme) {
    TInherited::DrawBreadcrumbEditButton(ACanvas, ARect, AState, AIsFirst, AIsLast);
    return;
  }
  const int state = BreadcrumbButtonStateId(AState);
  if (!state) return;
  TClipRegionSaver clip(ACanvas);
  ACanvas->IntersectClipRect(ARect);
  TRect offsets = BreadcrumbEditButtonContentOffsets(AIsFirst, AIsLast);
  offsets.Left = offsets.Right = 1;
  DrawThemeBackground(theme, ACanvas->Handle(), BP_PUSHBUTTON, state, Grown(ARect, offsets));
}

void TcxWinXPLookAndFeelPainter::DrawBreadcrumbEditDropDownButton(TcxCanvas* ACanvas, const TRect& ARect,
                                                                  TdxBreadcrumbEditButtonState AState,
                                                                  bool /*AIsInEditor*/) {
  DrawBreadcrumbEditButton(ACanvas, ARect, AState, true, true);
}

void TcxWinXPLookAndFeelPainter::DrawBreadcrumbEditNode(TcxCanvas* ACanvas, const TRect& R,
                                                        TdxBreadcrumbEditButtonState AState, bool AHasDelimiter) {
  if (dxThemeHandleOf(totButton))
    DrawThemedBreadcrumbPart(ACanvas, R, AState, AHasDelimiter ? TcxBorders{bLeft} : TcxBorders{bLeft, bRight});
  else
    TInherited::DrawBreadcrumbEditNode(ACanvas, R, AState, AHasDelimiter);
}

void TcxWinXPLookAndFeelPainter::DrawBreadcrumbEditNodeDelimiter(TcxCanvas* ACanvas, const TRect& R,
                                                                 TdxBreadcrumbEditButtonState AState) {
  if (dxThemeHandleOf(totButton))
    DrawThemedBreadcrumbPart(ACanvas, R, AState, TcxBorders{bLeft, bRight});
  else
    TInherited::DrawBreadcrumbEditNodeDelimiter(ACanvas, R, AState);
}

void TcxWinXPLookAndFeelPainter::DrawBreadcrumbEditNodeDelimiterGlyph(TcxCanvas* ACanvas, const TRect& R,
                                                                      TdxBreadcrumbEditButtonState AState) {
  DrawArrow(ACanvas, cxRectDeflated(R, 1), AState == dxbcbsPressed ? adDown : adRight,
            BreadcrumbEditNodeTextColor(AState));
}

void TcxWinXPLookAndFeelPainter::DrawBreadcrumbEditNodeMoreButtonGlyph(TcxCanvas* ACanvas, const TRect& R,
                                                                       TdxBreadcrumbEditButtonState AState) {
  DrawCollapseArrow(ACanvas, R, BreadcrumbEditNodeTextColor(AState), cxScaleByCurrentDPI(2));
}

void TcxWinXPLookAndFeelPainter::DrawBreadcrumbEditProgressChunk(TcxCanvas* ACanvas, const TRect& R) {
  if (!DrawThemePart(totProgress, ACanvas, PP_CHUNK, 1, R)) TInherited::DrawBreadcrumbEditProgressChunk(ACanvas, R);
}

void TcxWinXPLookAndFeelPainter::DrawBreadcrumbEditProgressChunkOverlay(TcxCanvas* ACanvas, const TRect& R) {
  if (!dxOsVistaUp || !DrawThemePart(totProgress, ACanvas, PP_MOVEOVERLAY, 0, R))
    TInherited::DrawBreadcrumbEditProgressChunkOverlay(ACanvas, R);
}

// The sides in ABorders reach one pixel past R, the others as far as the
// button's content margins, so that only the inner edge of a bordered side
// shows.
void TcxWinXPLookAndFeelPainter::DrawThemedBreadcrumbPart(TcxCanvas* ACanvas, const TRect& R,
                                                          TdxBreadcrumbEditButtonState AState,
                                                          const TcxBorders& ABorders) {
  const int state = BreadcrumbButtonStateId(AState);
  if (!state || R.IsEmpty()) return;
  TClipRegionSaver clip(ACanvas);
  ACanvas->IntersectClipRect(R);
  TRect offsets = BreadcrumbEditButtonContentOffsets(true, true);
  if (ABorders.Contains(bLeft)) offsets.Left = 1;
  if (ABorders.Contains(bTop)) offsets.Top = 1;
  if (ABorders.Contains(bRight)) offsets.Right = 1;
  if (ABorders.Contains(bBottom)) offsets.Bottom = 1;
  DrawThemeBackground(dxThemeHandleOf(totButton), ACanvas->Handle(), BP_PUSHBUTTON, state, Grown(R, offsets));
}

// ---------------------------------------------------------------- alert window, bevel and gallery

int TcxWinXPLookAndFeelPainter::AlertWindowCornerRadius() { return 5; }
TSize TcxWinXPLookAndFeelPainter::GetBevelMinimalShapeSize(TdxBevelShape) { return TSize(6, 6); }

void TcxWinXPLookAndFeelPainter::DrawBevelFrame(TcxCanvas* ACanvas, const TRect& R, TColor AColor1, TColor AColor2,
                                                bool ABoxStyle) {
  if (!DrawThemePart(totButton, ACanvas, BP_GROUPBOX, 1, R))
    TInherited::DrawBevelFrame(ACanvas, R, AColor1, AColor2, ABoxStyle);
}

void TcxWinXPLookAndFeelPainter::DrawBevelLine(TcxCanvas* ACanvas, const TRect& R, TColor AColor1, TColor AColor2,
                                               bool AIsVertical) {
  if (!DrawThemePart(totToolBar, ACanvas, AIsVertical ? TP_SEPARATOR : TP_SEPARATORVERT, 1, R))
    TInherited::DrawBevelLine(ACanvas, R, AColor1, AColor2, AIsVertical);
}

bool TcxWinXPLookAndFeelPainter::DrawGalleryItemSelectionFirst() {
  return dxThemeHandleOf(totExplorerListView) ? true : TInherited::DrawGalleryItemSelectionFirst();
}

void TcxWinXPLookAndFeelPainter::DrawGalleryItemSelection(TcxCanvas* ACanvas, const TRect& R,
                                                          const TdxGalleryItemViewState& AViewState) {
  if (!dxThemeHandleOf(totExplorerListView)) {
    TInherited::DrawGalleryItemSelection(ACanvas, R, AViewState);
    return;
  }
  int state = 1;
  if (AViewState.Pressed)
    state = 3;
  else if (AViewState.Checked)
    state = (AViewState.Hover || AViewState.Focused) && dxOsVistaUp ? 6 : 3;
  else if (AViewState.Focused)
    state = 5;
  else if (AViewState.Hover)
    state = 2;
  if (state != 1) DrawThemePart(totExplorerListView, ACanvas, LVP_LISTITEM, state, R);
}

// ---------------------------------------------------------------- toggle switch, clock and modern calendar

TColor TcxWinXPLookAndFeelPainter::ToggleSwitchToggleColor(bool AChecked) {
  return AChecked ? RGB(160, 160, 160) : RGB(200, 200, 200);
}

void TcxWinXPLookAndFeelPainter::DrawToggleSwitchState(TcxCanvas* ACanvas, const TRect& ABounds,
                                                       TcxButtonState /*AState*/, bool AChecked) {
  const TColor fill = ToggleSwitchToggleColor(AChecked);
  dxGpPaintOnDC(ACanvas->Handle(), ABounds,
                [&](TdxGPCanvas* AGraphics) { AGraphics->Rectangle(ABounds, TColor(RGB(112, 112, 112)), fill, 1); });
}

void TcxWinXPLookAndFeelPainter::DrawToggleSwitchThumb(TcxCanvas* ACanvas, const TRect& ABounds,
                                                       TcxButtonState AState) {
  DrawButton(ACanvas, cxRectDeflated(ABounds, 1), L"", AState, true, clDefault, clDefault, false, false, cxbpButton);
}

TSize TcxWinXPLookAndFeelPainter::ClockSize() {
  TdxSmartImage* face = ClockFaceImage();
  return TSize(face->Width(), face->Height());
}

void TcxWinXPLookAndFeelPainter::DrawClock(TcxCanvas* ACanvas, const TRect& ARect, TDateTime ADateTime,
                                           TColor ABackgroundColor) {
  DrawModernCalendarClock(ACanvas, ARect, ADateTime, ABackgroundColor);
}

void TcxWinXPLookAndFeelPainter::DrawModernCalendarDateCellSelection(TcxCanvas* ACanvas, const TRect& ARect,
                                                                     const TcxCalendarElementStates& AStates) {
  if (!dxThemeHandleOf(totExplorerListView)) {
    TInherited::DrawModernCalendarDateCellSelection(ACanvas, ARect, AStates);
    return;
  }
  const bool hot = AStates.Contains(cesHot), selected = AStates.Contains(cesSelected);
  if (hot || selected) {
    const int state = !selected ? 2 : hot ? 6 : AStates.Contains(cesFocused) ? 3 : 5;
    DrawThemePart(totExplorerListView, ACanvas, LVP_LISTITEM, state, ARect);
  }
  if (AStates.Contains(cesMarked)) ACanvas->FrameRect(ARect, GetModernCalendarMarkedCellBorderColor());
  if (AStates.Contains(cesFocused)) ACanvas->DrawFocusRect(cxRectDeflated(ARect, 1));
}

TColor TcxWinXPLookAndFeelPainter::GetModernCalendarHeaderTextColor(const TcxCalendarElementStates& AStates) {
  TColor color;
  return ThemeColor(totTextStyle, TEXT_HYPERLINKTEXT, 1, TMT_TEXTCOLOR, color)
             ? color
             : TInherited::GetModernCalendarHeaderTextColor(AStates);
}
