// The native painter: the platform's visual styles for arrows, borders,
// buttons, command links, expand buttons, checks, headers, footers, the
// layout view, tabs, the indicator, scroll bars and the size grip. Every
// operation asks the theme manager for its class; a class the theme cannot
// open falls back to the Standard look for that call.
#include "components/core/dxCore.h"
#include "components/core/dxOffice11.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "vcl/graphics/Bitmap.h"

using TInherited = TcxStandardLookAndFeelPainter;

namespace {

// The offset of a state within a theme's row of four (normal, hot, pressed,
// disabled); the default state counts as normal.
int StateColumn(TcxButtonState AState) {
  static constexpr int Columns[] = {0, 0, 1, 2, 3};
  return Columns[static_cast<int>(AState)];
}

constexpr int ListViewBorderPart = 5;

// The state of the header part, by TcxButtonState.
int HeaderStateId(TcxButtonState AState) { return AState == cxbsHot ? 2 : AState == cxbsPressed ? 3 : 1; }
// The state of a record caption's tab, by TcxButtonState.
int RecordCaptionStateId(TcxButtonState AState) { return AState == cxbsDisabled ? 5 : StateColumn(AState) + 1; }

// The top-left corner of the content of a part drawn in a 100-pixel square:
// the widths of its left and top borders.
bool ContentLeftTop(TdxThemedObjectType AType, int APartId, int AStateId, TPoint& ALeftTop) {
  const HTHEME theme = dxThemeHandleOf(AType);
  if (!theme) return false;
  const RECT probe{0, 0, 100, 100};
  RECT content{};
  if (FAILED(GetThemeBackgroundContentRect(theme, nullptr, APartId, AStateId, &probe, &content))) return false;
  ALeftTop = TPoint(content.left, content.top);
  return true;
}

}  // namespace

// ---------------------------------------------------------------- theme access

int TcxWinXPLookAndFeelPainter::PushButtonStateId(TcxButtonState AState) {
  return AState == cxbsDefault ? PBS_DEFAULTED : StateColumn(AState) + 1;
}

int TcxWinXPLookAndFeelPainter::FiveStateId(TcxButtonState AState) { return StateColumn(AState) + 1; }

bool TcxWinXPLookAndFeelPainter::ThemePartDefined(TdxThemedObjectType AType, int APartId) {
  const HTHEME theme = dxThemeHandleOf(AType);
  return theme && IsThemePartDefined(theme, APartId, 0);
}

bool TcxWinXPLookAndFeelPainter::DrawThemePart(TdxThemedObjectType AType, TcxCanvas* ACanvas, int APartId,
                                               int AStateId, const TRect& R, const TRect* AClip) {
  if (!ThemePartDefined(AType, APartId)) return false;
  DrawThemeBackground(dxThemeHandleOf(AType), ACanvas->Handle(), APartId, AStateId, R, AClip);
  return true;
}

// A colour that cannot be read leaves AColor alone: the caller falls back.
bool TcxWinXPLookAndFeelPainter::ThemeColor(TdxThemedObjectType AType, int APartId, int AStateId, int APropId,
                                            TColor& AColor) {
  const HTHEME theme = dxThemeHandleOf(AType);
  COLORREF color = RGB(255, 0, 0);
  if (!theme || GetThemeColor(theme, APartId, AStateId, APropId, &color) != S_OK) return false;
  AColor = static_cast<TColor>(color);
  return true;
}

bool TcxWinXPLookAndFeelPainter::ThemePartSize(TdxThemedObjectType AType, int APartId, int AStateId,
                                               THEMESIZE ASizeKind, TSize& ASize) {
  const HTHEME theme = dxThemeHandleOf(AType);
  SIZE size{};
  if (!theme || FAILED(GetThemePartSize(theme, nullptr, APartId, AStateId, ASizeKind, &size))) return false;
  ASize = TSize(size.cx, size.cy);
  return true;
}

bool TcxWinXPLookAndFeelPainter::ThemeMargins(TdxThemedObjectType AType, int APartId, int AStateId, int APropId,
                                              TRect& AMargins) {
  const HTHEME theme = dxThemeHandleOf(AType);
  MARGINS margins{};
  if (!theme || FAILED(GetThemeMargins(theme, nullptr, APartId, AStateId, APropId, nullptr, &margins))) return false;
  AMargins = TRect(margins.cxLeftWidth, margins.cyTopHeight, margins.cxRightWidth, margins.cyBottomHeight);
  return true;
}

// ---------------------------------------------------------------- life cycle

TcxWinXPLookAndFeelPainter::TcxWinXPLookAndFeelPainter() {
  const HMODULE module = GetModuleHandleW(nullptr);
  FZoomInButtonGlyph = std::make_unique<TcxBitmap32>();
  FZoomInButtonGlyph->LoadFromResourceName(module, L"CX_ZOOMINBUTTONGLYPH");
  FZoomOutButtonGlyph = std::make_unique<TcxBitmap32>();
  FZoomOutButtonGlyph->LoadFromResourceName(module, L"CX_ZOOMOUTBUTTONGLYPH");
}

TcxWinXPLookAndFeelPainter::~TcxWinXPLookAndFeelPainter() {
  FZoomOutButtonGlyph.reset();
  FZoomInButtonGlyph.reset();
}

String TcxWinXPLookAndFeelPainter::LookAndFeelName() { return L"Native"; }
TcxLookAndFeelStyle TcxWinXPLookAndFeelPainter::LookAndFeelStyle() { return lfsNative; }
bool TcxWinXPLookAndFeelPainter::NeedRedrawOnResize() { return dxThemesAvailable(); }

// ---------------------------------------------------------------- themed text

void TcxWinXPLookAndFeelPainter::DrawThemedText(TcxCanvas* ACanvas, HTHEME ATheme, int APartId, int AStateId,
                                                const TRect& /*ABounds*/, const TRect& ATextRect,
                                                TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                                bool AMultiLine, bool AShowEndEllipsis, bool AShowPrefix,
                                                const String& AText, TFont* AFont, TColor ATextColor,
                                                TColor /*ABkColor*/) {
  if (AText.empty()) return;
  if (AFont) ACanvas->Font()->Assign(AFont);
  ACanvas->Font()->SetColor(ATextColor);
  TRect textRect = ATextRect;
  if (AMultiLine)
    ACanvas->AlignMultiLineTextRectVertically(textRect, AText, AAlignmentVert, true, AShowPrefix, true, false,
                                              AShowEndEllipsis);
  DWORD flags = DT_EDITCONTROL;
  if (AAlignmentHorz == taRightJustify) flags |= DT_RIGHT;
  if (AAlignmentHorz == taCenter) flags |= DT_CENTER;
  if (AAlignmentVert == vaBottom) flags |= DT_BOTTOM;
  if (AAlignmentVert == vaCenter) flags |= DT_VCENTER;
  if (AShowEndEllipsis) flags |= DT_END_ELLIPSIS;
  if (!AShowPrefix) flags |= DT_NOPREFIX;
  flags |= AMultiLine ? DT_WORDBREAK : DT_SINGLELINE;
  DrawThemeText(ATheme, ACanvas->Handle(), APartId, AStateId, AText, -1, flags, 0, textRect);
}

// ---------------------------------------------------------------- arrows, borders and separators

void TcxWinXPLookAndFeelPainter::DrawArrow(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                           TcxArrowDirection AArrowDirection, bool ADrawBorder) {
  static constexpr int RowStart[] = {1, 5, 9, 13};  // adUp, adDown, adLeft, adRight
  const int state = RowStart[static_cast<int>(AArrowDirection)] + StateColumn(AState);
  if (!DrawThemePart(totScrollBar, ACanvas, 1, state, R))
    TInherited::DrawArrow(ACanvas, R, AState, AArrowDirection, ADrawBorder);
}

void TcxWinXPLookAndFeelPainter::DrawArrowBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  if (!DrawThemePart(totButton, ACanvas, 1, PushButtonStateId(AState), R)) TInherited::DrawArrowBorder(ACanvas, R, AState);
}

int TcxWinXPLookAndFeelPainter::BorderSize() {
  return ThemePartDefined(totListView, ListViewBorderPart) ? 1 : TInherited::BorderSize();
}

// Only the list view's one-pixel ring is drawn: the inside is left out of the clip.
void TcxWinXPLookAndFeelPainter::DrawBorder(TcxCanvas* ACanvas, const TRect& R) {
  if (!ThemePartDefined(totListView, ListViewBorderPart)) {
    TInherited::DrawBorder(ACanvas, R);
    return;
  }
  ACanvas->SaveDC();
  ACanvas->ExcludeClipRect(cxRectDeflated(R, 1));
  DrawThemePart(totListView, ACanvas, ListViewBorderPart, 0, R);
  ACanvas->RestoreDC();
}

int TcxWinXPLookAndFeelPainter::SeparatorSize() { return 6; }

void TcxWinXPLookAndFeelPainter::DoDrawSeparator(TcxCanvas* ACanvas, const TRect& R, bool AIsVertical) {
  if (!DrawThemePart(totToolBar, ACanvas, AIsVertical ? 5 : 6, 1, R)) TInherited::DoDrawSeparator(ACanvas, R, AIsVertical);
}

// ---------------------------------------------------------------- buttons and command links

int TcxWinXPLookAndFeelPainter::ButtonBorderSize(TcxButtonState AState) {
  TPoint leftTop;
  return ContentLeftTop(totButton, 1, PushButtonStateId(AState), leftTop) ? leftTop.X
                                                                          : TInherited::ButtonBorderSize(AState);
}

TColor TcxWinXPLookAndFeelPainter::ButtonColor(TcxButtonState AState) {
  TColor color;
  return ThemeColor(totButton, 1, PushButtonStateId(AState), TMT_COLOR, color) ? color
                                                                                     : TInherited::ButtonColor(AState);
}

TRect TcxWinXPLookAndFeelPainter::ButtonFocusRect(TcxCanvas* ACanvas, const TRect& R) {
  const HTHEME theme = dxThemeHandleOf(totButton);
  RECT content{};
  if (theme && SUCCEEDED(GetThemeBackgroundContentRect(theme, ACanvas->Handle(), 1, 1, AsRECT(R), &content)))
    return TRect(content.left, content.top, content.right, content.bottom);
  return TInherited::ButtonFocusRect(ACanvas, R);
}

TColor TcxWinXPLookAndFeelPainter::ButtonSymbolColor(TcxButtonState AState, TColor ADefaultColor) {
  TColor color;
  return ThemeColor(totButton, 1, PushButtonStateId(AState), TMT_TEXTCOLOR, color)
             ? color
             : TInherited::ButtonSymbolColor(AState, ADefaultColor);
}

int TcxWinXPLookAndFeelPainter::ButtonTextOffset() { return 2; }
int TcxWinXPLookAndFeelPainter::ButtonTextShift() { return 0; }
bool TcxWinXPLookAndFeelPainter::IsButtonHotTrack() { return true; }

// The caption is centred on one line whatever the word wrap; the colours
// and the part are the theme's.
void TcxWinXPLookAndFeelPainter::DrawButton(TcxCanvas* ACanvas, const TRect& R, const String& ACaption,
                                            TcxButtonState AState, bool ADrawBorder, TColor AColor,
                                            TColor ATextColor, bool AWordWrap, bool AIsToolButton,
                                            TcxButtonPart APart) {
  const HTHEME theme = dxThemeHandleOf(AIsToolButton ? totToolBar : totButton);
  if (!theme) {
    TInherited::DrawButton(ACanvas, R, ACaption, AState, ADrawBorder, AColor, ATextColor, AWordWrap, AIsToolButton,
                           APart);
    return;
  }
  const int state = PushButtonStateId(AState);
  DrawThemeBackground(theme, ACanvas->Handle(), 1, state, R);
  DrawThemeText(theme, ACanvas->Handle(), 1, state, ACaption, -1, DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0, R);
}

void TcxWinXPLookAndFeelPainter::DrawSmallButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  DrawButton(ACanvas, R, L"", AState, true, clDefault, clDefault, false, false, cxbpButton);
}

TColor TcxWinXPLookAndFeelPainter::DefaultCommandLinkTextColor(TcxButtonState AState, TColor ADefaultColor) {
  TColor color;
  if (!dxOsVistaUp || !dxThemeHandleOf(totButton)) return TInherited::DefaultCommandLinkTextColor(AState, ADefaultColor);
  return ThemeColor(totButton, 6, PushButtonStateId(AState), TMT_TEXTCOLOR, color) ? color : ADefaultColor;
}

// Before Vista, or without the button theme, the Flat look's button; the
// Standard one when no Flat painter is registered.
void TcxWinXPLookAndFeelPainter::DrawCommandLinkBackground(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                           TColor AColor) {
  if (dxOsVistaUp && DrawThemePart(totButton, ACanvas, 6, PushButtonStateId(AState), R)) return;
  if (TcxCustomLookAndFeelPainter* flat = PaintersManager ? PaintersManager->GetPainter(lfsFlat) : nullptr)
    flat->DrawButton(ACanvas, R, L"", AState, AState == cxbsHot || AState == cxbsPressed, AColor, clDefault, false,
                     false, cxbpButton);
  else
    TInherited::DrawCommandLinkBackground(ACanvas, R, AState, AColor);
}

void TcxWinXPLookAndFeelPainter::DrawCommandLinkGlyph(TcxCanvas* ACanvas, const TPoint& AGlyphPos,
                                                      TcxButtonState AState) {
  const TSize size = GetCommandLinkGlyphSize();
  if (!dxOsVistaUp || !DrawThemePart(totButton, ACanvas, 7, PushButtonStateId(AState),
                                     Bounds(AGlyphPos.X, AGlyphPos.Y, size.cx, size.cy)))
    TInherited::DrawCommandLinkGlyph(ACanvas, AGlyphPos, AState);
}

TSize TcxWinXPLookAndFeelPainter::GetCommandLinkGlyphSize() {
  TSize size;
  return dxOsVistaUp && ThemePartSize(totButton, 7, 0, TS_TRUE, size) ? size : TInherited::GetCommandLinkGlyphSize();
}

TRect TcxWinXPLookAndFeelPainter::GetCommandLinkMargins() {
  TRect margins;
  return dxOsVistaUp && ThemeMargins(totButton, 6, 0, TMT_CONTENTMARGINS, margins)
             ? margins
             : TInherited::GetCommandLinkMargins();
}

// ---------------------------------------------------------------- expand buttons

void TcxWinXPLookAndFeelPainter::DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor) {
  if (DrawThemePart(totTreeview, ACanvas, 2, AExpanded ? 2 : 1, R))
    ACanvas->ExcludeClipRect(R);
  else
    TInherited::DrawExpandButton(ACanvas, R, AExpanded, AColor);
}

bool TcxWinXPLookAndFeelPainter::DrawExpandButtonFirst() { return false; }

// The explorer bar has no default or disabled state: they draw as normal.
void TcxWinXPLookAndFeelPainter::DrawGroupExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                       TcxButtonState AState) {
  if (!DrawThemePart(totExplorerBar, ACanvas, AExpanded ? 6 : 7, HeaderStateId(AState), R))
    TInherited::DrawGroupExpandButton(ACanvas, R, AExpanded, AState);
}

void TcxWinXPLookAndFeelPainter::DrawSmallExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                       TColor ABorderColor, TColor AColor) {
  if (dxThemeHandleOf(totTreeview))
    DrawExpandButton(ACanvas, R, AExpanded, clDefault);
  else
    TInherited::DrawSmallExpandButton(ACanvas, R, AExpanded, ABorderColor, AColor);
}

int TcxWinXPLookAndFeelPainter::ExpandButtonSize() {
  TSize size;
  return ThemePartSize(totTreeview, 2, 2, TS_TRUE, size) ? size.cx : TInherited::ExpandButtonSize();
}

int TcxWinXPLookAndFeelPainter::GroupExpandButtonSize() {
  TSize size;
  return ThemePartSize(totExplorerBar, 7, 1, TS_TRUE, size) ? size.cx : TInherited::GroupExpandButtonSize();
}

int TcxWinXPLookAndFeelPainter::SmallExpandButtonSize() {
  return dxThemeHandleOf(totTreeview) ? ExpandButtonSize() : TInherited::SmallExpandButtonSize();
}

bool TcxWinXPLookAndFeelPainter::IsPointOverGroupExpandButton(const TRect& R, const TPoint& P) {
  const HTHEME theme = dxThemeHandleOf(totExplorerBar);
  HRGN region = nullptr;
  if (!theme || FAILED(GetThemeBackgroundRegion(theme, nullptr, 7, 2, AsRECT(R), &region)) || !region)
    return TInherited::IsPointOverGroupExpandButton(R, P);
  const bool inside = PtInRegion(region, P.X, P.Y);
  DeleteObject(region);
  return inside;
}

// ---------------------------------------------------------------- check boxes and radio buttons

int TcxWinXPLookAndFeelPainter::CheckBorderSize() { return dxThemeHandleOf(totButton) ? 0 : TInherited::CheckBorderSize(); }

TSize TcxWinXPLookAndFeelPainter::CheckButtonSize() {
  TSize size;
  return ThemePartSize(totButton, 3, 5, TS_TRUE, size) ? size : TInherited::CheckButtonSize();
}

void TcxWinXPLookAndFeelPainter::DrawCheck(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                           TcxCheckBoxState ACheckState, TColor AColor) {
  static constexpr int RowStart[] = {1, 5, 9};  // unchecked, checked, grayed
  if (!DrawThemePart(totButton, ACanvas, 3, RowStart[static_cast<int>(ACheckState)] + StateColumn(AState), R))
    TInherited::DrawCheck(ACanvas, R, AState, ACheckState, AColor);
}

void TcxWinXPLookAndFeelPainter::DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  if (!dxThemeHandleOf(totButton)) TInherited::DrawCheckBorder(ACanvas, R, AState);
}

// Without the button theme, the Standard look's glyph.
void TcxWinXPLookAndFeelPainter::DrawRadioButton(TcxCanvas* ACanvas, int X, int Y, TcxButtonState AButtonState,
                                                 bool AChecked, bool AFocused, TColor ABrushColor, bool AIsDesigning) {
  const TSize size = RadioButtonSize();
  if (!DrawThemePart(totButton, ACanvas, 2, (AChecked ? 5 : 1) + StateColumn(AButtonState),
                     Bounds(X, Y, size.cx, size.cy)))
    TInherited::DrawRadioButton(ACanvas, X, Y, AButtonState, AChecked, AFocused, ABrushColor, AIsDesigning);
}

TSize TcxWinXPLookAndFeelPainter::RadioButtonSize() {
  TSize size;
  return ThemePartSize(totButton, 2, 1, TS_TRUE, size) ? size : TInherited::RadioButtonSize();
}

// ---------------------------------------------------------------- headers and sorting marks

void TcxWinXPLookAndFeelPainter::DrawHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                            const TcxNeighbors& ANeighbors, const TcxBorders& ABorders,
                                            TcxButtonState AState, TAlignment AAlignmentHorz,
                                            TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis,
                                            const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor,
                                            const TcxDrawBackgroundEvent& AOnDrawBackground, bool AIsLast,
                                            bool AIsGroup) {
  const HTHEME theme = dxThemeHandleOf(totHeader);
  if (!theme) {
    TInherited::DrawHeader(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState, AAlignmentHorz,
                           AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor,
                           AOnDrawBackground, AIsLast, AIsGroup);
    return;
  }
  const int state = HeaderStateId(AState);
  const int scheme = dxOffice11CurrentScheme();
  const bool rightmost = AIsLast && state == 1 && (scheme == 1 || scheme == 2);
  const int part = rightmost && ThemePartDefined(totHeader, HP_HEADERITEMRIGHT) ? HP_HEADERITEMRIGHT : HP_HEADERITEM;
  if (dxOsWin10Up) cxFillRectSolid(ACanvas->Handle(), ABounds, clWindow);
  DrawThemeBackground(theme, ACanvas->Handle(), part, state, ABounds);
  TRect textRect = ATextAreaBounds;
  if (AState == cxbsPressed) textRect.Offset(1, 1);
  DrawThemedText(ACanvas, theme, part, state, ABounds, textRect, AAlignmentHorz, AAlignmentVert, AMultiLine,
                 AShowEndEllipsis, false, AText, AFont, ATextColor, ABkColor);
}

void TcxWinXPLookAndFeelPainter::DrawSpreadSheetHeader(
    TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, const TcxNeighbors& ANeighbors,
    const TcxBorders& ABorders, TcxButtonState AState, TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
    bool AMultiLine, bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor,
    const TcxDrawBackgroundEvent& AOnDrawBackground, bool AIsLast, bool AIsGroup) {
  DrawHeader(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState, AAlignmentHorz, AAlignmentVert,
             AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor, AOnDrawBackground, AIsLast, AIsGroup);
}

void TcxWinXPLookAndFeelPainter::DrawHeaderPressed(TcxCanvas*, const TRect&) {}

void TcxWinXPLookAndFeelPainter::DrawHeaderControlSection(
    TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, const TcxNeighbors& /*ANeighbors*/,
    const TcxBorders& ABorders, TcxButtonState AState, TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
    bool AMultiLine, bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor) {
  ACanvas->FillRect(ABounds, clBtnFace);
  DrawHeader(ACanvas, ABounds, ATextAreaBounds, TcxNeighbors{nRight}, ABorders, AState, AAlignmentHorz,
             AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor, nullptr, false, false);
}

int TcxWinXPLookAndFeelPainter::HeaderBorderSize() {
  TPoint leftTop;
  return ContentLeftTop(totHeader, 1, 1, leftTop) ? std::max(1, (leftTop.X + leftTop.Y) / 2)
                                                  : TInherited::HeaderBorderSize();
}

int TcxWinXPLookAndFeelPainter::HeaderControlSectionBorderSize(TcxButtonState) { return HeaderBorderSize(); }

TRect TcxWinXPLookAndFeelPainter::HeaderControlSectionContentBounds(const TRect& ABounds, TcxButtonState AState) {
  return dxThemeHandleOf(totHeader) ? cxRectDeflated(ABounds, HeaderBorderSize())
                                    : TInherited::HeaderControlSectionContentBounds(ABounds, AState);
}

bool TcxWinXPLookAndFeelPainter::IsHeaderHotTrack() { return true; }

TPoint TcxWinXPLookAndFeelPainter::SortingMarkSize() { return cxScalePointByCurrentDPI(TPoint(7, 8)); }

void TcxWinXPLookAndFeelPainter::DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) {
  DrawSortingMarkArrow(ACanvas, R, clBtnShadow, clBtnShadow, AAscendingSorting);
}

void TcxWinXPLookAndFeelPainter::DrawSummarySortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) {
  DrawSummarySortingMarkArrow(ACanvas, R, clBtnShadow, clBtnShadow, AAscendingSorting);
}

// ---------------------------------------------------------------- footers, filter and find panels

void TcxWinXPLookAndFeelPainter::DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) {
  const HTHEME theme = dxThemeHandleOf(totEdit);
  if (!theme) {
    TInherited::DrawFooterBorder(ACanvas, R);
    return;
  }
  DrawThemeEdge(theme, ACanvas->Handle(), 0, 0, AsRECT(R), BDR_RAISEDINNER, BF_RECT, nullptr);
}

int TcxWinXPLookAndFeelPainter::FooterBorderSize() { return dxThemeHandleOf(totEdit) ? 1 : TInherited::FooterBorderSize(); }

void TcxWinXPLookAndFeelPainter::DrawFooterCell(TcxCanvas* ACanvas, const TRect& ABounds, TAlignment AAlignmentHorz,
                                                TcxAlignmentVert AAlignmentVert, bool AMultiLine, const String& AText,
                                                TFont* AFont, TColor ATextColor, TColor ABkColor,
                                                const TcxDrawBackgroundEvent& AOnDrawBackground) {
  const HTHEME theme = dxThemeHandleOf(totTrackBar);
  if (!theme) {
    TInherited::DrawFooterCell(ACanvas, ABounds, AAlignmentHorz, AAlignmentVert, AMultiLine, AText, AFont,
                               ATextColor, ABkColor, AOnDrawBackground);
    return;
  }
  DrawThemeBackground(theme, ACanvas->Handle(), 1, 1, ABounds);
  DrawThemedText(ACanvas, theme, 1, 1, ABounds, FooterCellTextBounds(ABounds), AAlignmentHorz, AAlignmentVert,
                 AMultiLine, false, false, AText, AFont, ATextColor, ABkColor);
}

int TcxWinXPLookAndFeelPainter::FooterCellBorderSize() {
  TPoint leftTop;
  return ContentLeftTop(totTrackBar, 1, 1, leftTop) ? leftTop.X : TInherited::FooterCellBorderSize();
}

int TcxWinXPLookAndFeelPainter::FooterCellOffset() {
  return dxThemeHandleOf(totTrackBar) ? 1 : TInherited::FooterCellOffset();
}

bool TcxWinXPLookAndFeelPainter::FooterDrawCellsFirst() { return false; }

void TcxWinXPLookAndFeelPainter::DrawFilterCloseButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  if (!DrawThemePart(totWindow, ACanvas, WP_SMALLCLOSEBUTTON, FiveStateId(AState), R))
    TInherited::DrawFilterCloseButton(ACanvas, R, AState);
}

TPoint TcxWinXPLookAndFeelPainter::FilterCloseButtonSize() {
  if (!dxThemeHandleOf(totWindow)) return TInherited::FilterCloseButtonSize();
  const TSize size = DoGetSmallCloseButtonSize();
  return TPoint(size.cx + 4, size.cy + 4);
}

void TcxWinXPLookAndFeelPainter::DrawFilterDropDownButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                          bool AIsFilterActive) {
  if (!DrawThemePart(totComboBox, ACanvas, 1, FiveStateId(AState), R))
    TInherited::DrawFilterDropDownButton(ACanvas, R, AState, AIsFilterActive);
}

TPoint TcxWinXPLookAndFeelPainter::FilterActivateButtonSize() {
  TSize size;
  return ThemePartSize(totButton, 3, 5, TS_TRUE, size) ? TPoint(size.cx, size.cy)
                                                       : TInherited::FilterActivateButtonSize();
}

void TcxWinXPLookAndFeelPainter::DrawFindPanelBorder(TcxCanvas*, const TRect&, const TcxBorders&) {}

// ---------------------------------------------------------------- layout view

TColor TcxWinXPLookAndFeelPainter::DefaultLayoutViewContentTextColor(TcxButtonState AState) {
  return dxThemeHandleOf(totTab) ? clMenuText : TInherited::DefaultLayoutViewContentTextColor(AState);
}

TColor TcxWinXPLookAndFeelPainter::DefaultLayoutViewCaptionTextColor(TcxGroupBoxCaptionPosition ACaptionPosition,
                                                                     TcxButtonState AState) {
  return dxThemeHandleOf(totTab) ? DefaultTabTextColor()
                                 : TInherited::DefaultLayoutViewCaptionTextColor(ACaptionPosition, AState);
}

void TcxWinXPLookAndFeelPainter::LayoutViewDrawRecordCaption(TcxCanvas* ACanvas, const TRect& ABounds,
                                                             const TRect& /*ATextRect*/,
                                                             TcxGroupBoxCaptionPosition APosition,
                                                             TcxButtonState AState) {
  // The border stays out of the tab; the caller's clip comes back.
  ACanvas->SaveClipRegion();
  LayoutViewDrawRecordBorder(ACanvas, ABounds, AState, cxBordersAll);
  const bool vertical = APosition != cxgpTop;
  if (const HTHEME theme = dxThemeHandleOf(totTab))
    DrawThemedTab(ACanvas, ABounds, TcxBorders{}, L"", theme, RecordCaptionStateId(AState), vertical, nullptr,
                  clDefault, clDefault, false);
  else
    TInherited::DrawTab(ACanvas, ABounds, TcxBorders{}, L"", AState, vertical, nullptr, clDefault, clDefault, false);
  ACanvas->RestoreClipRegion();
}

void TcxWinXPLookAndFeelPainter::LayoutViewDrawItem(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState,
                                                    const TcxBorders& ABorders) {
  const bool highlighted = AState == cxbsHot || AState == cxbsPressed || AState == cxbsDisabled;
  if (!highlighted || !DrawThemePart(totMenu, ACanvas, MENU_POPUPITEM, AState == cxbsDisabled ? 4 : 2, ABounds))
    TInherited::LayoutViewDrawItem(ACanvas, ABounds, AState, ABorders);
}

// ---------------------------------------------------------------- tabs, indicator and splitters

void TcxWinXPLookAndFeelPainter::DrawTab(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders,
                                         const String& AText, TcxButtonState AState, bool AVertical, TFont* AFont,
                                         TColor ATextColor, TColor ABkColor, bool AShowPrefixes) {
  if (const HTHEME theme = dxThemeHandleOf(totTab))
    DrawThemedTab(ACanvas, R, ABorders, AText, theme, FiveStateId(AState), AVertical, AFont, ATextColor, ABkColor,
                  AShowPrefixes);
  else
    TInherited::DrawTab(ACanvas, R, ABorders, AText, AState, AVertical, AFont, ATextColor, ABkColor, AShowPrefixes);
}

// The tab is drawn a little wider than R on the sides without a border, so
// that they reach into the neighbours; only the selected tab reaches below
// R, into the pane. A vertical tab is drawn upright into a bitmap, then
// turned onto the canvas.
void TcxWinXPLookAndFeelPainter::DrawThemedTab(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders,
                                               const String& AText, HTHEME ATheme, int AStateId, bool AVertical,
                                               TFont* AFont, TColor ATextColor, TColor ABkColor, bool AShowPrefix) {
  constexpr int SelectedState = 3;
  TRect clip = R;
  std::unique_ptr<TBitmap> upright;
  HDC dc = ACanvas->Handle();
  if (AVertical) {
    clip = TRect(0, 0, R.Height(), R.Width());
    upright = std::make_unique<TBitmap>();
    upright->SetPixelFormat(pf32bit);
    upright->SetSize(clip.Right, clip.Bottom);
    dc = upright->Canvas()->Handle();
  }
  TRect draw = clip;
  if (!ABorders.Contains(AVertical ? bTop : bLeft)) draw.Left -= 2;
  if (!ABorders.Contains(AVertical ? bBottom : bRight)) draw.Right += 2;
  if (AStateId == SelectedState)
    ++draw.Bottom;
  else
    --clip.Bottom;
  DrawThemeBackground(ATheme, dc, 1, AStateId, draw, &clip);
  if (AVertical) {
    TcxCanvas::RotateBitmap(upright.get(), raPlus90, true);
    std::swap(clip.Right, clip.Bottom);
    std::swap(draw.Right, draw.Bottom);
    ACanvas->CopyRect(TRect(R.Left, R.Top, R.Left + clip.Right, R.Top + clip.Bottom), upright->Canvas(), clip);
    upright.reset();
    clip.Offset(R.Left, R.Top);
    draw.Offset(R.Left, R.Top);
  }
  if (AStateId == SelectedState) (AVertical ? draw.Right : draw.Bottom) -= 2;
  DrawThemedText(ACanvas, ATheme, 1, AStateId, clip, draw, taCenter, vaCenter, false, false, AShowPrefix, AText, AFont,
                 ATextColor, ABkColor);
}

void TcxWinXPLookAndFeelPainter::DrawTabBorder(TcxCanvas* ACanvas, const TRect& R, TcxBorder ABorder,
                                               const TcxBorders& ABorders, bool AVertical) {
  if (!dxThemeHandleOf(totTab)) TInherited::DrawTabBorder(ACanvas, R, ABorder, ABorders, AVertical);
}

// The pane is drawn grown past R's far edge and one side, so that only its
// near edge and the other sides show inside R.
void TcxWinXPLookAndFeelPainter::DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders,
                                              bool AVertical) {
  const HTHEME theme = dxThemeHandleOf(totTab);
  if (!theme) {
    TInherited::DrawTabsRoot(ACanvas, R, ABorders, AVertical);
    return;
  }
  RECT content{R.Left, R.Top, R.Right, R.Bottom};
  GetThemeBackgroundContentRect(theme, nullptr, TABP_PANE, 0, AsRECT(R), &content);
  TRect draw = R;
  if (AVertical) {
    draw.Bottom += (R.Bottom - content.bottom) - (content.top - R.Top);
    draw.Right += 10;
  } else {
    draw.Right += (R.Right - content.right) - (content.left - R.Left);
    draw.Bottom += 10;
  }
  DrawThemeBackground(theme, ACanvas->Handle(), TABP_PANE, 0, draw, &R);
}

bool TcxWinXPLookAndFeelPainter::IsDrawTabImplemented(bool AVertical) {
  return dxThemeHandleOf(totTab) ? true : TInherited::IsDrawTabImplemented(AVertical);
}

bool TcxWinXPLookAndFeelPainter::IsTabHotTrack(bool AVertical) {
  return dxThemeHandleOf(totTab) ? true : TInherited::IsTabHotTrack(AVertical);
}

int TcxWinXPLookAndFeelPainter::TabBorderSize(bool AVertical) {
  return dxThemeHandleOf(totTab) ? 1 : TInherited::TabBorderSize(AVertical);
}

void TcxWinXPLookAndFeelPainter::DrawIndicatorItem(TcxCanvas* ACanvas, const TRect& R, TcxIndicatorKind AKind,
                                                   TColor AColor, const TcxDrawBackgroundEvent& AOnDrawBackground) {
  if (TcxCustomLookAndFeelPainter* flat = PaintersManager ? PaintersManager->GetPainter(lfsFlat) : nullptr)
    flat->DrawIndicatorItem(ACanvas, R, AKind, AColor, AOnDrawBackground);
  else
    TInherited::DrawIndicatorItem(ACanvas, R, AKind, AColor, AOnDrawBackground);
}

void TcxWinXPLookAndFeelPainter::DrawSplitter(TcxCanvas*, const TRect&, bool, bool, bool) {}

// ---------------------------------------------------------------- scroll bars and size grip

int TcxWinXPLookAndFeelPainter::ScrollBarMinimalThumbSize(bool AVertical) {
  const int thumb = AVertical ? SBP_THUMBBTNVERT : SBP_THUMBBTNHORZ;
  TSize size;
  if (!ThemePartSize(totScrollBar, thumb, 1, TS_MIN, size)) return TInherited::ScrollBarMinimalThumbSize(AVertical);
  int result = AVertical ? size.cy : size.cx;
  TRect margins;
  if (dxOsVistaUp && ThemeMargins(totScrollBar, thumb, 1, TMT_CONTENTMARGINS, margins))
    result += AVertical ? margins.Top + margins.Bottom : margins.Left + margins.Right;
  return result;
}

void TcxWinXPLookAndFeelPainter::DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                                   TcxScrollBarPart APart, TcxButtonState AState) {
  if (R.IsEmpty()) return;
  if (!dxThemeHandleOf(totScrollBar)) {
    TInherited::DrawScrollBarPart(ACanvas, AHorizontal, R, APart, AState);
    return;
  }
  const int state = FiveStateId(AState);
  switch (APart) {
    case sbpLineUp:
    case sbpLineDown: DrawArrow(ACanvas, R, AState, ScrollBarArrowDirection(AHorizontal, APart), true); break;
    case sbpThumbnail: {
      const int thumb = AHorizontal ? SBP_THUMBBTNHORZ : SBP_THUMBBTNVERT;
      DrawThemePart(totScrollBar, ACanvas, thumb, state, R);
      // The gripper only on a thumb longer than the bar is thick.
      TSize size;
      const bool measured = ThemePartSize(totScrollBar, thumb, 1, TS_TRUE, size);
      if (!measured || (AHorizontal ? R.Width() > size.cy : R.Height() > size.cx))
        DrawThemePart(totScrollBar, ACanvas, AHorizontal ? SBP_GRIPPERHORZ : SBP_GRIPPERVERT, state, R);
      break;
    }
    case sbpPageUp: DrawThemePart(totScrollBar, ACanvas, AHorizontal ? 4 : 6, state, R); break;
    case sbpPageDown: DrawThemePart(totScrollBar, ACanvas, AHorizontal ? 5 : 7, state, R); break;
    case sbpNone: break;
  }
}

void TcxWinXPLookAndFeelPainter::DrawScrollBarSplitter(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  TcxCustomLookAndFeelPainter::DrawSplitter(ACanvas, cxRectDeflated(R, 2), AState == cxbsHot, AState == cxbsPressed,
                                            false);
}

TSize TcxWinXPLookAndFeelPainter::SizeGripSize() {
  TSize size;
  return ThemePartSize(totScrollBar, SBP_SIZEBOX, 1, TS_TRUE, size) ? size : TInherited::SizeGripSize();
}

void TcxWinXPLookAndFeelPainter::DoDrawSizeGrip(TcxCanvas* ACanvas, const TRect& ARect) {
  if (!DrawThemePart(totScrollBar, ACanvas, SBP_SIZEBOX, 1, ARect)) TInherited::DoDrawSizeGrip(ACanvas, ARect);
}

// From Windows 8 on the theme's close button may be too small to hit.
TSize TcxWinXPLookAndFeelPainter::DoGetSmallCloseButtonSize() {
  TSize size;
  if (!ThemePartSize(totWindow, WP_SMALLCLOSEBUTTON, 1, TS_TRUE, size)) return TInherited::DoGetSmallCloseButtonSize();
  if (dxOsWin8Up && (size.cx < 10 || size.cy < 10)) size = TSize(13, 13);
  return size;
}
