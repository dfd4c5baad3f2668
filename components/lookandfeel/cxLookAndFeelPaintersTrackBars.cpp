// The root painter's track bars, splitters, layout-control and scroll-box
// backgrounds, print preview, calculator keys, customization form, message
// box, breadcrumb editor, drop-down list boxes and alert windows.
#include <cmath>

#include "components/core/cxGeometry.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"

namespace {

// The four polygons of a pointed thumb: the body and its light, shadow and
// dark edges.
struct TThumbPolygons {
  TPoints Body, Light, Shadow, Dark;
};

TThumbPolygons PointedThumbPolygons(const TRect& ARect, bool AHorizontal, TcxTrackBarTicksAlign ATicks) {
  const int l = ARect.Left, t = ARect.Top, r = ARect.Right, b = ARect.Bottom;
  if (ATicks == tbtaDown) {
    if (AHorizontal) {
      const int d = (r - l) / 2;
      return {{{r - 1, t + 1}, {l + 1, t + 1}, {l + 1, b - d}, {l + d, b - 1}, {r - 1, b - d}},
              {{r, t}, {l, t}, {l, b - d}, {l + d, b}},
              {{l + d, b}, {r, b - d}, {r, t}},
              {{l + d, b - 1}, {r - 1, b - d}, {r - 1, t}}};
    }
    const int d = (b - t) / 2;
    return {{{l + 1, b - 1}, {l + 1, t + 1}, {r - d, t + 1}, {r - 1, t + d}, {r - d, b - 1}},
            {{l, b}, {l, t}, {r - d, t}, {r, t + d}},
            {{r, t + d}, {r - d, b}, {l, b}},
            {{r - 1, t + d}, {r - d, b - 1}, {l, b - 1}}};
  }
  if (AHorizontal) {
    const int x = l + (r - l) / 2, y = t + (r - l) / 2 - 1;
    return {{{r - 1, b - 2}, {l + 1, b - 2}, {l + 1, y}, {x, t}, {r - 1, y}},
            {{l, b - 1}, {l, y}, {x, t - 1}},
            {{x, t - 1}, {r, y}, {r, b - 1}, {l, b - 1}},
            {{x, t}, {r - 1, y}, {r - 1, b - 2}, {l, b - 2}}};
  }
  const int x = l + (b - t) / 2 - 1, y = t + (b - t) / 2;
  return {{{r - 2, b - 1}, {r - 2, t + 1}, {x, t + 1}, {l, y}, {x, b - 1}},
          {{r - 1, t}, {x, t}, {l - 1, y}},
          {{l - 1, y}, {x, b}, {r - 1, b}, {r - 1, t}},
          {{l, y}, {x, b - 1}, {r - 2, b - 1}, {r - 2, t}}};
}

// One line of a splitter grip: five dashes broken by one-pixel gaps around
// the middle, drawn along X (AAlongX) or along Y from AStart to AEnd.
void DrawSplitterLine(TcxCanvas* ACanvas, int AStart, int AEnd, int AAcross, bool AAlongX, TColor AColor) {
  const int m = (AStart + AEnd) / 2;
  const int segments[5][2] = {{AStart, m - 5}, {m - 4, m - 2}, {m - 1, m + 1}, {m + 2, m + 4}, {m + 5, AEnd}};
  for (const auto& s : segments)
    if (s[1] > s[0])
      ACanvas->FillRect(AAlongX ? TRect(s[0], AAcross, s[1], AAcross + 1) : TRect(AAcross, s[0], AAcross + 1, s[1]),
                        AColor);
}

// A part's breadth is always odd. The factors are single-precision values
// (0.9 is slightly below nine tenths) multiplied at full precision.
int PinBreadth(int AExtent, float AFactor) { return static_cast<int>(AExtent * double{AFactor} / 2) * 2 + 1; }
int PinLength(int AExtent, float AFactor) { return static_cast<int>(std::nearbyint(AExtent * double{AFactor})); }

}  // namespace

// ---------------------------------------------------------------- track bar

void TcxCustomLookAndFeelPainter::CorrectThumbRect(TcxCanvas* /*ACanvas*/, TRect& ARect, bool /*AHorizontal*/,
                                                   TcxTrackBarTicksAlign /*ATicks*/) {
  ++ARect.Right;
  ++ARect.Bottom;
}

void TcxCustomLookAndFeelPainter::DrawTrackBarTrack(TcxCanvas* ACanvas, const TRect& ARect,
                                                    const TRect& /*ASelection*/, bool /*AShowSelection*/,
                                                    bool /*AEnabled*/, bool /*AHorizontal*/, TColor ATrackColor) {
  ACanvas->FillRect(ARect, ATrackColor);
  DrawTrackBarTrackBounds(ACanvas, ARect);
}

void TcxCustomLookAndFeelPainter::DrawTrackBarTrackBounds(TcxCanvas* /*ACanvas*/, const TRect& /*ARect*/) {}

void TcxCustomLookAndFeelPainter::DrawTrackBarThumb(TcxCanvas* ACanvas, const TRect& ARect,
                                                    TcxButtonState /*AState*/, bool AHorizontal,
                                                    TcxTrackBarTicksAlign ATicks, TColor AThumbColor) {
  ACanvas->Pen()->SetColor(AThumbColor);
  ACanvas->SetBrushColor(AThumbColor);
  if (ATicks == tbtaBoth) {
    ACanvas->FillRect(ARect);
    DrawTrackBarThumbBorderBoth(ACanvas, ARect);
    return;
  }
  const TThumbPolygons polygons = PointedThumbPolygons(ARect, AHorizontal, ATicks);
  ACanvas->Polygon(polygons.Body);
  DrawTrackBarThumbBorderUpDown(ACanvas, polygons.Light, polygons.Shadow, polygons.Dark);
}

void TcxCustomLookAndFeelPainter::DrawTrackBarThumbBorderUpDown(TcxCanvas* /*ACanvas*/,
                                                                const TPoints& /*ALightPolyLine*/,
                                                                const TPoints& /*AShadowPolyLine*/,
                                                                const TPoints& /*ADarkPolyLine*/) {}

void TcxCustomLookAndFeelPainter::DrawTrackBarThumbBorderBoth(TcxCanvas* /*ACanvas*/, const TRect& /*ARect*/) {}

TSize TcxCustomLookAndFeelPainter::TrackBarThumbSize(bool /*AHorizontal*/) { return TSize(0, 0); }
TColor TcxCustomLookAndFeelPainter::TrackBarTicksColor(bool /*AText*/) { return clDefault; }
int TcxCustomLookAndFeelPainter::TrackBarTrackSize() { return 0; }

// ---------------------------------------------------------------- splitter

TColor TcxCustomLookAndFeelPainter::GetSplitterInnerColor(bool /*AHighlighted*/) { return clWhite; }
TColor TcxCustomLookAndFeelPainter::GetSplitterOuterColor(bool /*AHighlighted*/) { return clBtnShadow; }

TSize TcxCustomLookAndFeelPainter::GetSplitterSize(bool AHorizontal) {
  return AHorizontal ? TSize(17, 2) : TSize(2, 17);
}

void TcxCustomLookAndFeelPainter::DrawSplitter(TcxCanvas* ACanvas, const TRect& ARect, bool AHighlighted,
                                               bool /*AClicked*/, bool AHorizontal) {
  const TSize size = GetSplitterSize(AHorizontal);
  const bool twoLines = (AHorizontal ? size.cy : size.cx) > 1;
  for (int line = 0; line < (twoLines ? 2 : 1); ++line) {
    const TColor color = line == 0 ? GetSplitterOuterColor(AHighlighted) : GetSplitterInnerColor(AHighlighted);
    if (AHorizontal) {
      const int top = cxFloorHalf(ARect.Top + ARect.Bottom - 1) + line;
      DrawSplitterLine(ACanvas, ARect.Left + line, ARect.Right - (twoLines ? 0 : 1) + line, top, true, color);
    } else {
      const int left = cxFloorHalf(ARect.Left + ARect.Right - 1) + line;
      DrawSplitterLine(ACanvas, ARect.Top + line, ARect.Bottom - 1 + line, left, false, color);
    }
  }
}

// ---------------------------------------------------------------- layout control, print preview, calculator

TColor TcxCustomLookAndFeelPainter::LayoutControlEmptyAreaColor() { return clBtnFace; }

void TcxCustomLookAndFeelPainter::DrawLayoutControlBackground(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->FillRect(R, LayoutControlEmptyAreaColor());
}

void TcxCustomLookAndFeelPainter::DrawScrollBoxBackground(TcxCanvas* ACanvas, const TRect& R, TColor AColor) {
  ACanvas->FillRect(R, AColor);
}

TRect TcxCustomLookAndFeelPainter::PrintPreviewPageBordersWidth() { return TRect(2, 2, 4, 4); }

void TcxCustomLookAndFeelPainter::DrawPrintPreviewBackground(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->FillRect(R, clBtnShadow);
}

// A page framed in the selection colour (selected) or the text colour, with
// a two-pixel shadow at its right and bottom.
void TcxCustomLookAndFeelPainter::DrawPrintPreviewPageBackground(TcxCanvas* ACanvas, const TRect& ABorderRect,
                                                                 const TRect& AContentRect, bool ASelected,
                                                                 bool ADrawContent) {
  ACanvas->SaveClipRegion();
  try {
    TRect page(ABorderRect.Left, ABorderRect.Top, ABorderRect.Right - 2, ABorderRect.Bottom - 2);
    if (ADrawContent) ACanvas->FillRect(AContentRect, clWindow);
    if (!ASelected) page = cxRectDeflated(page, 1);
    ACanvas->ExcludeClipRect(AContentRect);
    ACanvas->FillRect(page, ASelected ? clHighlight : clWindowText);
    ACanvas->ExcludeClipRect(page);
    ACanvas->FillRect(cxRectShiftBy(page, 2, 2), clWindowText);
  } catch (...) {
    ACanvas->RestoreClipRegion();
    throw;
  }
  ACanvas->RestoreClipRegion();
}

TColor TcxCustomLookAndFeelPainter::CalcEditButtonTextColor(TcxCalcButtonKind AButtonKind) {
  switch (AButtonKind) {
    case cbBack:
    case cbCancel:
    case cbClear: return clMaroon;
    case cbMC:
    case cbMR:
    case cbMS:
    case cbMP:
    case cbDiv:
    case cbMul:
    case cbSub:
    case cbAdd:
    case cbEqual: return clRed;
    case cbSqrt:
    case cbPercent:
    case cbRev: return clNavy;
    default: return clBlue;
  }
}

TColor TcxCustomLookAndFeelPainter::GetCustomizationFormListBackgroundColor() { return clBtnFace; }

// The frame is kept out of the fill by the clip; the caller's clip comes
// back as it was.
void TcxCustomLookAndFeelPainter::DrawMessageBox(TcxCanvas* ACanvas, const TRect& ABounds, const String& AMessage,
                                                 TFont* AFont, TColor AColor) {
  ACanvas->SaveClipRegion();
  ACanvas->FrameRect(ABounds, DefaultGridLineColor(), 1, cxBordersAll, true);
  ACanvas->FillRect(ABounds, AColor == clNone ? DefaultGroupColor() : AColor);
  ACanvas->RestoreClipRegion();
  if (AFont) ACanvas->SetFont(AFont);
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->DrawTexT(AMessage, ABounds, cxtfAlignHCenter | cxtfAlignVCenter | cxtfSingleLine);
  ACanvas->Brush()->SetStyle(bsSolid);
}

// ---------------------------------------------------------------- breadcrumb edit

TColor TcxCustomLookAndFeelPainter::BreadcrumbEditBackgroundColor(TdxBreadcrumbEditState /*AState*/) {
  return clBtnFace;
}
TRect TcxCustomLookAndFeelPainter::BreadcrumbEditBordersSize() { return TRect(1, 1, 1, 1); }
int TcxCustomLookAndFeelPainter::BreadcrumbEditButtonAreaSeparatorSize() { return 2; }

TRect TcxCustomLookAndFeelPainter::BreadcrumbEditButtonContentOffsets(bool /*AIsFirst*/, bool /*AIsLast*/) {
  return cxScaleRectByCurrentDPI(TRect(3, 3, 3, 3));
}

int TcxCustomLookAndFeelPainter::BreadcrumbEditDropDownButtonOriginalWidth() { return GetSystemMetrics(SM_CXHSCROLL); }

int TcxCustomLookAndFeelPainter::BreadcrumbEditDropDownButtonWidth() {
  int result = BreadcrumbEditDropDownButtonOriginalWidth();
  dxRaiseToTouchMinimum(result);
  return result;
}

bool TcxCustomLookAndFeelPainter::BreadcrumbEditIsFadingSupports() { return false; }
int TcxCustomLookAndFeelPainter::BreadcrumbEditNodeDelimiterSize() { return cxScaleByCurrentDPI(16); }

TColor TcxCustomLookAndFeelPainter::BreadcrumbEditNodeTextColor(TdxBreadcrumbEditButtonState AState) {
  return ButtonSymbolColor(AState == dxbcbsDisabled ? cxbsDisabled : cxbsNormal, clDefault);
}

TRect TcxCustomLookAndFeelPainter::BreadcrumbEditNodeTextOffsets() {
  return cxScaleRectByCurrentDPI(TRect(4, 4, 4, 4));
}
TRect TcxCustomLookAndFeelPainter::BreadcrumbEditProgressChunkPadding() { return TRect(1, 1, 1, 1); }
TSize TcxCustomLookAndFeelPainter::BreadcrumbEditProgressChunkOverlaySize() { return TSize(0, 0); }

void TcxCustomLookAndFeelPainter::DrawBreadcrumbEditBorders(TcxCanvas* ACanvas, const TRect& ARect,
                                                            const TcxBorders& ABorders,
                                                            TdxBreadcrumbEditState /*AState*/) {
  ACanvas->DrawComplexFrame(ARect, clBtnShadow, clBtnHighlight, ABorders);
}

void TcxCustomLookAndFeelPainter::DrawBreadcrumbEditButtonAreaSeparator(TcxCanvas* /*ACanvas*/,
                                                                        const TRect& /*ARect*/,
                                                                        TdxBreadcrumbEditState /*AState*/) {}

// Resting buttons show no chrome; a focused one looks like a normal button.
void TcxCustomLookAndFeelPainter::DrawBreadcrumbEditButton(TcxCanvas* ACanvas, const TRect& ARect,
                                                           TdxBreadcrumbEditButtonState AState, bool /*AIsFirst*/,
                                                           bool /*AIsLast*/) {
  if (AState == dxbcbsNormal || AState == dxbcbsDisabled) return;
  DrawButton(ACanvas, ARect, L"", cxButtonStateOf(AState), true, clDefault, clDefault, false, false, cxbpButton);
}

void TcxCustomLookAndFeelPainter::DrawBreadcrumbEditDropDownButton(TcxCanvas* ACanvas, const TRect& ARect,
                                                                   TdxBreadcrumbEditButtonState AState,
                                                                   bool AIsInEditor) {
  if (AIsInEditor)
    DrawButton(ACanvas, ARect, L"", cxButtonStateOf(AState), true, clDefault, clDefault, false, false, cxbpButton);
  else
    DrawBreadcrumbEditButton(ACanvas, ARect, AState, true, true);
}

void TcxCustomLookAndFeelPainter::DrawBreadcrumbEditDropDownButtonGlyph(TcxCanvas* ACanvas, const TRect& ARect,
                                                                        TdxBreadcrumbEditButtonState AState,
                                                                        bool /*AIsInEditor*/) {
  DrawFilledTriangle(ACanvas, cxRectDeflated(ARect, 2), ButtonSymbolColor(cxButtonStateOf(AState), clDefault));
}

void TcxCustomLookAndFeelPainter::DrawBreadcrumbEditNode(TcxCanvas* ACanvas, const TRect& R,
                                                         TdxBreadcrumbEditButtonState AState, bool AHasDelimiter) {
  DrawBreadcrumbEditButton(ACanvas, R, AState, false, AHasDelimiter);
}

void TcxCustomLookAndFeelPainter::DrawBreadcrumbEditNodeDelimiter(TcxCanvas* ACanvas, const TRect& R,
                                                                  TdxBreadcrumbEditButtonState AState) {
  DrawBreadcrumbEditButton(ACanvas, R, AState, false, false);
}

void TcxCustomLookAndFeelPainter::DrawBreadcrumbEditNodeDelimiterGlyph(TcxCanvas* ACanvas, const TRect& R,
                                                                       TdxBreadcrumbEditButtonState AState) {
  DrawArrow(ACanvas, R, adDown, BreadcrumbEditNodeTextColor(AState));
}

void TcxCustomLookAndFeelPainter::DrawBreadcrumbEditNodeMoreButtonGlyph(TcxCanvas* ACanvas, const TRect& R,
                                                                        TdxBreadcrumbEditButtonState AState) {
  DrawBreadcrumbEditNodeDelimiterGlyph(ACanvas, R, AState);
}

void TcxCustomLookAndFeelPainter::DrawBreadcrumbEditProgressChunk(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->FillRect(R, TColorOf(0xAAA8A4));
}

void TcxCustomLookAndFeelPainter::DrawBreadcrumbEditProgressChunkOverlay(TcxCanvas* /*ACanvas*/,
                                                                         const TRect& /*R*/) {}

// ---------------------------------------------------------------- drop-down list box

int TcxCustomLookAndFeelPainter::DropDownListBoxBordersSize() { return 3; }
TRect TcxCustomLookAndFeelPainter::DropDownListBoxItemImageOffsets() {
  return cxScaleRectByCurrentDPI(TRect(5, 3, 5, 3));
}
TRect TcxCustomLookAndFeelPainter::DropDownListBoxItemTextOffsets() {
  return cxScaleRectByCurrentDPI(TRect(5, 2, 5, 2));
}
TColor TcxCustomLookAndFeelPainter::DropDownListBoxItemTextColor(bool ASelected) {
  return ASelected ? clHighlightText : clMenuText;
}
int TcxCustomLookAndFeelPainter::DropDownListBoxSeparatorSize() { return cxScaleByCurrentDPI(8); }

void TcxCustomLookAndFeelPainter::DrawDropDownListBoxBackground(TcxCanvas* ACanvas, const TRect& ARect,
                                                                bool AHasBorders) {
  TRect r = ARect;
  if (AHasBorders) {
    ACanvas->DrawComplexFrame(r, cl3DLight, cl3DDkShadow);
    r = cxRectDeflated(r, 1);
    ACanvas->DrawComplexFrame(r, clBtnHighlight, clBtnShadow);
    r = cxRectDeflated(r, 1);
  }
  ACanvas->FillRect(r, clMenu);
}

void TcxCustomLookAndFeelPainter::DrawDropDownListBoxGutterBackground(TcxCanvas* /*ACanvas*/,
                                                                      const TRect& /*ARect*/) {}

void TcxCustomLookAndFeelPainter::DrawDropDownListBoxSelection(TcxCanvas* ACanvas, const TRect& ARect,
                                                               const TRect& /*AGutterRect*/) {
  ACanvas->FillRect(ARect, clMenuHighlight);
}

void TcxCustomLookAndFeelPainter::DrawDropDownListBoxSeparator(TcxCanvas* ACanvas, const TRect& ARect,
                                                               const TRect& /*AGutterRect*/) {
  const int top = cxFloorHalf(ARect.Top + ARect.Bottom - 2);
  const TRect band(ARect.Left, top, ARect.Right, top + 2);
  ACanvas->FrameRect(band, clBtnShadow, 1, {bTop});
  ACanvas->FrameRect(band, clBtnHighlight, 1, {bBottom});
}

// ---------------------------------------------------------------- alert window

TRect TcxCustomLookAndFeelPainter::AlertWindowButtonContentOffsets(TdxAlertWindowButtonKind /*AKind*/) {
  return cxScaleRectByCurrentDPI(TRect(3, 3, 3, 3));
}

// Custom buttons carry their own glyphs; an empty size says so to callers.
TSize TcxCustomLookAndFeelPainter::AlertWindowButtonGlyphSize(TdxAlertWindowButtonKind AKind) {
  return AKind == awbkCustom ? TSize(0, 0) : cxScaleSizeByCurrentDPI(TSize(10, 10));
}

TRect TcxCustomLookAndFeelPainter::AlertWindowContentOffsets() { return cxScaleRectByCurrentDPI(TRect(4, 4, 4, 4)); }
int TcxCustomLookAndFeelPainter::AlertWindowCornerRadius() { return 0; }
TColor TcxCustomLookAndFeelPainter::AlertWindowTextColor() { return clBtnText; }
TColor TcxCustomLookAndFeelPainter::AlertWindowNavigationPanelTextColor() { return AlertWindowTextColor(); }

void TcxCustomLookAndFeelPainter::DrawAlertWindowBackground(TcxCanvas* ACanvas, const TRect& ABounds) {
  ACanvas->FillRect(ABounds, clBtnFace);
  const int radius = AlertWindowCornerRadius();
  ACanvas->RoundRect(ABounds, radius, radius);
}

void TcxCustomLookAndFeelPainter::DrawAlertWindowButton(TcxCanvas* ACanvas, const TRect& ABounds,
                                                        TcxButtonState AState, TdxAlertWindowButtonKind AKind,
                                                        bool ADown) {
  const TcxButtonState state = ADown ? cxbsPressed : AState;
  DrawButton(ACanvas, ABounds, L"", state, true, clDefault, clDefault, false, false, cxbpButton);
  const TRect offsets = AlertWindowButtonContentOffsets(AKind);
  const TRect glyph(ABounds.Left + offsets.Left, ABounds.Top + offsets.Top, ABounds.Right - offsets.Right,
                    ABounds.Bottom - offsets.Bottom);
  const TColor color = ButtonSymbolColor(state, clDefault);
  switch (AKind) {
    case awbkClose: DrawButtonCross(ACanvas, glyph, color, state); break;
    case awbkPin: DrawPin(ACanvas, glyph, color, ADown); break;
    case awbkDropdown: DrawArrow(ACanvas, glyph, adDown, color); break;
    case awbkPrevious: DrawArrow(ACanvas, glyph, adLeft, color); break;
    case awbkNext: DrawArrow(ACanvas, glyph, adRight, color); break;
    case awbkCustom: break;
  }
}

void TcxCustomLookAndFeelPainter::DrawAlertWindowNavigationPanel(TcxCanvas* ACanvas, const TRect& ABounds) {
  ACanvas->FrameRect(ABounds, clBtnShadow);
}

// A push pin of head, crossbar and needle: pointing down when pinned,
// turned a quarter to point left otherwise.
void TcxCustomLookAndFeelPainter::DrawPin(TcxCanvas* ACanvas, const TRect& ABounds, TColor AColor, bool APinned) {
  struct TPart {
    float Across, Along;
  };
  static const TPart parts[] = {{0.5f, 0.5f}, {0.9f, 0.1f}, {0.1f, 0.5f}};  // head, crossbar, needle
  const int w = ABounds.Width(), h = ABounds.Height();
  int start = APinned ? ABounds.Top : ABounds.Right;
  for (int i = 0; i < 3; ++i) {
    const int breadth = PinBreadth(w, parts[i].Across), length = PinLength(h, parts[i].Along);
    TRect part;
    if (APinned) {
      const int left = cxFloorHalf(ABounds.Left + ABounds.Right - breadth);
      part = TRect(left, start, left + breadth, start + length);
      start = part.Bottom - 1;
    } else {
      const int top = cxFloorHalf(ABounds.Top + ABounds.Bottom - breadth);
      part = TRect(start - length, top, start, top + breadth);
      start = part.Left + 1;
    }
    if (i == 0) {
      ACanvas->FrameRect(part, AColor);
      if (APinned)
        ACanvas->FillRect(TRect(part.Right - part.Width() / 2, part.Top, part.Right, part.Bottom), AColor);
      else
        ACanvas->FillRect(TRect(part.Left, part.Bottom - part.Height() / 2, part.Right, part.Bottom), AColor);
    } else {
      ACanvas->FillRect(part, AColor);
    }
  }
}

TcxButtonState cxButtonStateOf(TdxBreadcrumbEditButtonState AState) {
  switch (AState) {
    case dxbcbsHot: return cxbsHot;
    case dxbcbsPressed: return cxbsPressed;
    case dxbcbsDisabled: return cxbsDisabled;
    default: return cxbsNormal;
  }
}
