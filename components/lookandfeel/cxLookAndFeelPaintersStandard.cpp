// The Standard and Flat painters: the classic raised 3-D look with two-pixel
// edges and its flatter variant with one-pixel edges. What the two share is
// drawn by the helpers below.
#include "components/core/cxGraphics.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"

namespace {

// Two complex frames, the second one pixel inside the first.
void DrawDoubleFrame(TcxCanvas* ACanvas, const TRect& R, TColor AOuterLeftTop, TColor AOuterRightBottom,
                     TColor AInnerLeftTop, TColor AInnerRightBottom, const TcxBorders& ABorders = cxBordersAll) {
  ACanvas->DrawComplexFrame(R, AOuterLeftTop, AOuterRightBottom, ABorders);
  ACanvas->DrawComplexFrame(cxRectDeflated(R, 1), AInnerLeftTop, AInnerRightBottom, ABorders);
}

// A default button's one-pixel black frame; returns the rectangle inside it.
TRect DrawDefaultButtonFrame(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->FrameRect(R, clBlack);
  return cxRectDeflated(R, 1);
}

}  // namespace

// ---------------------------------------------------------------- Standard painter

String TcxStandardLookAndFeelPainter::LookAndFeelName() { return L"Standard"; }
TcxLookAndFeelStyle TcxStandardLookAndFeelPainter::LookAndFeelStyle() { return lfsStandard; }

int TcxStandardLookAndFeelPainter::BorderSize() { return 2; }

void TcxStandardLookAndFeelPainter::DrawBorder(TcxCanvas* ACanvas, const TRect& R) {
  DrawDoubleFrame(ACanvas, R, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight);
}

int TcxStandardLookAndFeelPainter::ButtonBorderSize(TcxButtonState AState) { return AState == cxbsDefault ? 3 : 2; }
int TcxStandardLookAndFeelPainter::ButtonTextOffset() { return 1; }
int TcxStandardLookAndFeelPainter::ButtonTextShift() { return 1; }
bool TcxStandardLookAndFeelPainter::IsButtonHotTrack() { return false; }

void TcxStandardLookAndFeelPainter::DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  if (AState == cxbsPressed) {
    ACanvas->DrawComplexFrame(DrawDefaultButtonFrame(ACanvas, R), clBtnShadow, clBtnShadow);
    return;
  }
  const TRect frame = AState == cxbsDefault ? DrawDefaultButtonFrame(ACanvas, R) : R;
  DrawDoubleFrame(ACanvas, frame, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow);
}

int TcxStandardLookAndFeelPainter::ExpandButtonSize() { return cxScaleByCurrentDPI(12); }

void TcxStandardLookAndFeelPainter::DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState) {
  ACanvas->DrawEdge(R, true, false);
  ACanvas->DrawEdge(cxRectDeflated(R, 1), true, true);
}

int TcxStandardLookAndFeelPainter::HeaderBorderSize() { return 1; }

int TcxStandardLookAndFeelPainter::HeaderControlSectionBorderSize(TcxButtonState AState) {
  return AState == cxbsPressed ? 1 : 2;
}

void TcxStandardLookAndFeelPainter::DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R,
                                                                   const TcxBorders& ABorders, TcxButtonState AState) {
  if (AState == cxbsPressed)
    ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnShadow, ABorders);
  else
    DrawDoubleFrame(ACanvas, R, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow, ABorders);
}

int TcxStandardLookAndFeelPainter::FooterBorderSize() { return 1; }
int TcxStandardLookAndFeelPainter::FooterCellBorderSize() { return 1; }
int TcxStandardLookAndFeelPainter::FooterCellOffset() { return 1; }

void TcxStandardLookAndFeelPainter::DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->DrawEdge(R, false, false);
}

void TcxStandardLookAndFeelPainter::DrawFooterCellBorder(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->DrawEdge(R, true, true);
}

void TcxStandardLookAndFeelPainter::DrawFindPanelBorder(TcxCanvas*, const TRect&, const TcxBorders&) {}

int TcxStandardLookAndFeelPainter::TabBorderSize(bool) { return 1; }

void TcxStandardLookAndFeelPainter::DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders,
                                                 bool) {
  ACanvas->DrawEdge(R, false, false, ABorders);
}

TColor TcxStandardLookAndFeelPainter::DefaultSchedulerViewContentColor() { return clWindow; }

void TcxStandardLookAndFeelPainter::DrawGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool,
                                                      TcxGroupBoxCaptionPosition, const TcxBorders& ABorders) {
  const TRect shadow(R.Left, R.Top, R.Right - 1, R.Bottom - 1);
  ACanvas->FrameRect(shadow, clBtnShadow, 1, ABorders, true);
  ACanvas->FrameRect(TRect(shadow.Left + 1, shadow.Top + 1, shadow.Right + 1, shadow.Bottom + 1), clBtnHighlight, 1,
                     ABorders);
}

TColor TcxStandardLookAndFeelPainter::ToggleSwitchToggleColor(bool AChecked) {
  return AChecked ? RGB(33, 153, 33) : RGB(227, 227, 227);
}

void TcxStandardLookAndFeelPainter::DrawTrackBarTrackBounds(TcxCanvas* ACanvas, const TRect& ARect) {
  DrawDoubleFrame(ACanvas, ARect, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight);
}

void TcxStandardLookAndFeelPainter::DrawTrackBarThumbBorderBoth(TcxCanvas* ACanvas, const TRect& ARect) {
  DrawDoubleFrame(ACanvas, ARect, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow);
}

void TcxStandardLookAndFeelPainter::DrawBreadcrumbEditButton(TcxCanvas* ACanvas, const TRect& ARect,
                                                             TdxBreadcrumbEditButtonState AState, bool, bool) {
  if (ARect.IsEmpty()) return;
  switch (AState) {
    case dxbcbsPressed: ACanvas->DrawComplexFrame(ARect, clBtnShadow, clBtnHighlight); break;
    case dxbcbsFocused:
    case dxbcbsHot: ACanvas->DrawComplexFrame(ARect, clBtnHighlight, clBtnShadow); break;
    default: break;
  }
}

// ---------------------------------------------------------------- Flat painter

String TcxFlatLookAndFeelPainter::LookAndFeelName() { return L"Flat"; }
TcxLookAndFeelStyle TcxFlatLookAndFeelPainter::LookAndFeelStyle() { return lfsFlat; }

int TcxFlatLookAndFeelPainter::BorderSize() { return 1; }
int TcxFlatLookAndFeelPainter::SeparatorSize() { return 2; }

void TcxFlatLookAndFeelPainter::DrawBorder(TcxCanvas* ACanvas, const TRect& R) { ACanvas->DrawEdge(R, true, true); }

int TcxFlatLookAndFeelPainter::ButtonBorderSize(TcxButtonState AState) { return AState == cxbsDefault ? 2 : 1; }
int TcxFlatLookAndFeelPainter::ButtonTextOffset() { return 1; }
int TcxFlatLookAndFeelPainter::ButtonTextShift() { return 1; }
bool TcxFlatLookAndFeelPainter::IsButtonHotTrack() { return false; }

void TcxFlatLookAndFeelPainter::DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  if (AState == cxbsPressed) {
    ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnHighlight);
    return;
  }
  const TRect frame = AState == cxbsDefault ? DrawDefaultButtonFrame(ACanvas, R) : R;
  ACanvas->DrawComplexFrame(frame, clBtnHighlight, clBtnShadow);
}

int TcxFlatLookAndFeelPainter::ExpandButtonSize() { return cxScaleByCurrentDPI(11); }

void TcxFlatLookAndFeelPainter::DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  ACanvas->DrawEdge(R, true, true);
  ACanvas->FrameRect(cxRectDeflated(R, 1), CheckButtonColor(AState, cbsChecked));
}

int TcxFlatLookAndFeelPainter::HeaderBorderSize() { return 1; }

void TcxFlatLookAndFeelPainter::DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R,
                                                               const TcxBorders& ABorders, TcxButtonState AState) {
  if (AState == cxbsPressed)
    ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnHighlight, ABorders);
  else
    ACanvas->DrawComplexFrame(R, clBtnHighlight, clBtnShadow, ABorders);
}

int TcxFlatLookAndFeelPainter::FooterBorderSize() { return 1; }
int TcxFlatLookAndFeelPainter::FooterCellBorderSize() { return 1; }
int TcxFlatLookAndFeelPainter::FooterCellOffset() { return 1; }

void TcxFlatLookAndFeelPainter::DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->DrawEdge(R, false, false);
}

void TcxFlatLookAndFeelPainter::DrawFooterCellBorder(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->DrawEdge(R, true, true);
}

void TcxFlatLookAndFeelPainter::DrawFindPanelBorder(TcxCanvas*, const TRect&, const TcxBorders&) {}

int TcxFlatLookAndFeelPainter::TabBorderSize(bool) { return 1; }

void TcxFlatLookAndFeelPainter::DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders, bool) {
  ACanvas->DrawEdge(R, false, false, ABorders);
}

void TcxFlatLookAndFeelPainter::DrawGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool,
                                                  TcxGroupBoxCaptionPosition, const TcxBorders& ABorders) {
  ACanvas->FrameRect(R, clBtnShadow, 1, ABorders);
  ACanvas->FrameRect(cxRectDeflated(R, 1), clBtnHighlight, 1, ABorders);
}

TColor TcxFlatLookAndFeelPainter::GetSplitterOuterColor(bool AHighlighted) {
  return AHighlighted ? cl3DDkShadow : TcxCustomLookAndFeelPainter::GetSplitterOuterColor(AHighlighted);
}

TColor TcxFlatLookAndFeelPainter::ToggleSwitchToggleColor(bool AChecked) {
  return AChecked ? RGB(160, 160, 160) : RGB(200, 200, 200);
}

void TcxFlatLookAndFeelPainter::DrawTrackBarTrackBounds(TcxCanvas* ACanvas, const TRect& ARect) {
  DrawDoubleFrame(ACanvas, ARect, clBtnShadow, clBtnHighlight, clBtnFace, clBtnFace);
}

void TcxFlatLookAndFeelPainter::DrawTrackBarThumbBorderBoth(TcxCanvas* ACanvas, const TRect& ARect) {
  ACanvas->DrawComplexFrame(ARect, clBtnHighlight, clBtnShadow);
}

// ---------------------------------------------------------------- registration

void cxRegisterBuiltInPainters() {
  PaintersManager->Register(std::make_unique<TcxFlatLookAndFeelPainter>());
  PaintersManager->Register(std::make_unique<TcxStandardLookAndFeelPainter>());
  PaintersManager->Register(std::make_unique<TcxWinXPLookAndFeelPainter>());
}
