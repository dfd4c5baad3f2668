// The check image: glyph strip, theme, painter or the own drawing by the
// border style, with the check-mark mask the flat looks stamp.
#include <memory>

#include "components/controls/cxContainer.h"
#include "components/core/dxThemeManager.h"
#include "components/core/dxUxTheme.h"
#include "components/editors-basic/cxCheckBox.h"
#include "components/editors/cxEditPaintUtils.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"

namespace {

// Black where the system's checked check box differs from its unchecked
// one: the check mark.
HBITMAP CheckMarkMask = nullptr;

TcxButtonState ButtonStateOf(TcxEditCheckState AState) {
  static const TcxButtonState map[] = {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};
  return map[static_cast<int>(AState)];
}

TRect Shrunk(TRect R, int ADelta) {
  R.Inflate(-ADelta, -ADelta);
  return R;
}

void BuildCheckMarkMask();

void StampCheckMark(TcxCanvas* ACanvas, const TRect& AContent, TColor AColor) {
  if (!CheckMarkMask) BuildCheckMarkMask();  // on first use, not at start-up
  if (!CheckMarkMask) return;
  ACanvas->SaveClipRegion();
  ACanvas->IntersectClipRect(AContent);
  ACanvas->SetBrushColor(AColor);
  const TSize size = cxGetEditPainter(false, lfStandard)->CheckButtonSize();
  HDC maskDC = CreateCompatibleDC(ACanvas->Handle());
  HGDIOBJ old = SelectObject(maskDC, CheckMarkMask);
  SetTextColor(ACanvas->Handle(), RGB(0, 0, 0));
  SetBkColor(ACanvas->Handle(), RGB(255, 255, 255));
  BitBlt(ACanvas->Handle(), AContent.Left - 2, AContent.Top - 2, size.cx, size.cy, maskDC, 0, 0, 0xB8074A);
  SelectObject(maskDC, old);
  DeleteDC(maskDC);
  ACanvas->RestoreClipRegion();
}

TColor FlatFrameColor(TcxEditBorderStyle ABorderStyle, TcxEditCheckState AState, bool AIsDesigning, bool AFocused) {
  const bool office11 = ABorderStyle == ebsOffice11;
  if (office11 && AState == ecsNormal && !AIsDesigning && !AFocused) return clBtnText;
  if (AState == ecsHot || AState == ecsPressed || (AIsDesigning && AState != ecsDisabled) ||
      (AState == ecsNormal && AFocused))
    return cxGetHighlightBorderColor(office11);
  return clBtnShadow;
}

void DrawFlatContent(TcxCanvas* ACanvas, const TRect& AContent, TcxCheckBoxState AState,
                     TcxEditCheckState AEditState, TcxEditBorderStyle ABorderStyle,
                     TcxCheckBoxNullValueShowingStyle ANullStyle) {
  TColor fill = clWindow;
  if (AEditState == ecsHot || AEditState == ecsPressed)
    fill = cxGetEditButtonColor(AEditState == ecsPressed, ABorderStyle == ebsOffice11);
  else if (AEditState == ecsDisabled || (AState == cbsGrayed && ANullStyle == nssInactive))
    fill = clBtnFace;
  ACanvas->FillRect(AContent, fill);
  if (AState == cbsUnchecked || (AState == cbsGrayed && ANullStyle != nssGrayedChecked)) return;
  StampCheckMark(ACanvas, AContent, AState == cbsGrayed || AEditState == ecsDisabled ? clBtnShadow : clBtnText);
}

void DrawClassicContent(TcxCanvas* ACanvas, const TRect& AContent, TcxCheckBoxState AState,
                        TcxEditCheckState AEditState, TcxEditBorderStyle ABorderStyle,
                        TcxCheckBoxNullValueShowingStyle ANullStyle) {
  UINT flags = DFCS_BUTTONCHECK;
  const bool checkedLook = AState == cbsChecked || (AState == cbsGrayed && ANullStyle == nssGrayedChecked);
  if (AEditState == ecsDisabled) {
    flags = DFCS_BUTTON3STATE | DFCS_PUSHED | (checkedLook ? DFCS_CHECKED : DFCS_INACTIVE);
  } else {
    if (AState == cbsChecked) flags |= DFCS_CHECKED;
    if (AState == cbsGrayed)
      flags = DFCS_BUTTON3STATE | (ANullStyle == nssInactive ? DFCS_INACTIVE : DFCS_CHECKED);
    if (AEditState == ecsPressed) flags |= DFCS_PUSHED;
  }
  if (ABorderStyle != ebs3D) flags |= DFCS_FLAT;
  ACanvas->SaveClipRegion();
  ACanvas->IntersectClipRect(AContent);
  RECT r{AContent.Left - 2, AContent.Top - 2, AContent.Right + 2, AContent.Bottom + 2};
  DrawFrameControl(ACanvas->Handle(), &r, DFC_BUTTON, flags);
  ACanvas->RestoreClipRegion();
}

void DrawOwnCheck(TcxCanvas* ACanvas, const TRect& ARect, TcxCheckBoxState AState, TcxEditCheckState AEditState,
                  TcxEditBorderStyle ABorderStyle, TColor ABorderColor, TColor ABackgroundColor, bool AIsDesigning,
                  bool AFocused, TcxCheckBoxNullValueShowingStyle ANullStyle) {
  const int margin = cxCheckFrameMargin(ABorderStyle, false, false, nullptr);
  if (ABackgroundColor != clNone && margin > 0) ACanvas->FrameRect(ARect, ABackgroundColor, margin);
  TRect r = Shrunk(ARect, margin);
  switch (ABorderStyle) {
    case ebsSingle:
      ACanvas->FrameRect(r, ABorderColor);
      break;
    case ebsThick:
      ACanvas->FrameRect(r, ABorderColor, 2);
      break;
    case ebsFlat:
      ACanvas->DrawEdge(r, true, true);
      ACanvas->FrameRect(Shrunk(r, 1), clBtnFace);
      break;
    case ebs3D:
      ACanvas->DrawEdge(r, true, true);
      ACanvas->DrawComplexFrame(Shrunk(r, 1), cl3DDkShadow, cl3DLight);
      break;
    case ebsUltraFlat:
    case ebsOffice11:
      ACanvas->FrameRect(r, FlatFrameColor(ABorderStyle, AEditState, AIsDesigning, AFocused));
      break;
    default:
      break;
  }
  const TRect content = Shrunk(ARect, 2);
  if (ABorderStyle == ebsUltraFlat || ABorderStyle == ebsOffice11)
    DrawFlatContent(ACanvas, content, AState, AEditState, ABorderStyle, ANullStyle);
  else
    DrawClassicContent(ACanvas, content, AState, AEditState, ABorderStyle, ANullStyle);
}

void DrawGlyphCheck(TcxCanvas* ACanvas, const TRect& ARect, TcxCheckBoxState AState, TcxEditCheckState AEditState,
                    TBitmap* AGlyph, int AGlyphCount, TColor ABackgroundColor, bool ASupportGrayed) {
  const int index = cxCheckGlyphIndex(AState, AEditState, ASupportGrayed, AGlyphCount);
  TBitmap image;
  image.Assign(AGlyph);
  image.SetSize(ARect.Width(), ARect.Height());
  const int imageWidth = AGlyph->Width() / AGlyphCount;
  const int top = (AGlyph->Height() - ARect.Height()) / 2;
  image.Canvas()->CopyRect(TRect(0, 0, ARect.Width(), ARect.Height()), AGlyph->Canvas(),
                           TRect(index * imageWidth, top, index * imageWidth + ARect.Width(), top + ARect.Height()));
  cxDrawEditGlyph(ACanvas, ARect.Left, ARect.Top, &image, AEditState != ecsDisabled,
                  ABackgroundColor == clNone ? clNone : ColorToRGB(ABackgroundColor));
}

// The mask is made from the platform's own drawing of a flat check box,
// checked and unchecked: the system's OBM_CHECKBOXES image is not the
// check mark on every platform (Wine's holds an X).
void BuildCheckMarkMask() {
  const TSize size = cxGetEditPainter(false, lfStandard)->CheckButtonSize();
  HDC screen = GetDC(nullptr);
  HDC drawDC = CreateCompatibleDC(screen);
  HDC maskDC = CreateCompatibleDC(screen);
  HBITMAP unchecked = CreateCompatibleBitmap(screen, size.cx, size.cy);
  HBITMAP checked = CreateCompatibleBitmap(screen, size.cx, size.cy);
  auto drawCheck = [&](HBITMAP ABitmap, UINT AFlags) {
    SelectObject(drawDC, ABitmap);
    RECT r{0, 0, size.cx, size.cy};
    DrawFrameControl(drawDC, &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | AFlags);
  };
  HGDIOBJ oldDraw = SelectObject(drawDC, unchecked);
  drawCheck(unchecked, 0);
  drawCheck(checked, DFCS_CHECKED);
  CheckMarkMask = CreateBitmap(size.cx, size.cy, 1, 1, nullptr);
  HGDIOBJ oldMask = SelectObject(maskDC, CheckMarkMask);
  HDC uncheckedDC = CreateCompatibleDC(screen);
  HGDIOBJ oldUnchecked = SelectObject(uncheckedDC, unchecked);
  SelectObject(drawDC, checked);
  for (int y = 0; y < size.cy; ++y)
    for (int x = 0; x < size.cx; ++x) {
      const bool same = GetPixel(uncheckedDC, x, y) == GetPixel(drawDC, x, y);
      SetPixel(maskDC, x, y, same ? RGB(255, 255, 255) : RGB(0, 0, 0));
    }
  SelectObject(uncheckedDC, oldUnchecked);
  SelectObject(maskDC, oldMask);
  SelectObject(drawDC, oldDraw);
  DeleteDC(uncheckedDC);
  DeleteDC(maskDC);
  DeleteDC(drawDC);
  DeleteObject(checked);
  DeleteObject(unchecked);
  ReleaseDC(nullptr, screen);
}

}  // namespace

void cxFreeCheckMarkMask() {
  if (CheckMarkMask) DeleteObject(CheckMarkMask);
  CheckMarkMask = nullptr;
}

int cxCheckGlyphIndex(TcxCheckBoxState AState, TcxEditCheckState AEditCheckState, bool ASupportGrayed,
                      int AGlyphCount) {
  const int statesPerRow = ASupportGrayed || AGlyphCount % 3 == 0 || AGlyphCount % 2 == 1 ? 3 : 2;
  int index = static_cast<int>(AState);
  if (AEditCheckState == ecsPressed) index += statesPerRow;
  if (index >= AGlyphCount && index > statesPerRow - 1) index %= statesPerRow;
  return index;
}

bool cxHasCheckGlyph(TBitmap* AGlyph, int AGlyphCount) { return AGlyphCount > 0 && AGlyph && !AGlyph->Empty(); }

int cxCheckFrameMargin(TcxEditBorderStyle ABorderStyle, bool ANativeStyle, bool AHasGlyph,
                       TcxCustomLookAndFeelPainter* APainter) {
  if (ANativeStyle || AHasGlyph || APainter) return 0;
  return 2 - cxGetContainerFrameWidth(static_cast<TcxContainerBorderStyle>(ABorderStyle));
}

int cxThemedCheckStateId(TcxCheckBoxState AState, TcxEditCheckState AEditCheckState) {
  return 1 + 4 * static_cast<int>(AState) + static_cast<int>(AEditCheckState);
}

TSize cxMeasureCheck(TcxCanvas*, bool ANativeStyle, TBitmap* AGlyph, TcxCustomLookAndFeelPainter* APainter,
                     int AGlyphCount) {
  if (cxHasCheckGlyph(AGlyph, AGlyphCount)) return TSize(AGlyph->Width() / AGlyphCount, AGlyph->Height());
  if (APainter) return APainter->CheckButtonSize();
  return cxGetEditPainter(ANativeStyle && dxThemesAvailable({totButton}), lfStandard)->CheckButtonSize();
}

void cxPaintCheck(TcxCanvas* ACanvas, const TRect& ARect, TcxCheckBoxState AState, TcxEditCheckState AEditCheckState,
                  TBitmap* AGlyph, int AGlyphCount, TcxEditBorderStyle ABorderStyle, bool ANativeStyle,
                  TColor ABorderColor, TColor ABackgroundColor, bool ADrawBackground, bool AIsDesigning,
                  bool AFocused, bool ASupportGrayed, TcxCustomLookAndFeelPainter* APainter,
                  TcxCheckBoxNullValueShowingStyle ANullValueShowingStyle) {
  if (!ADrawBackground) ABackgroundColor = clNone;
  if (AState == cbsGrayed && ANullValueShowingStyle == nssUnchecked) AState = cbsUnchecked;
  if (cxHasCheckGlyph(AGlyph, AGlyphCount)) {
    DrawGlyphCheck(ACanvas, ARect, AState, AEditCheckState, AGlyph, AGlyphCount, ABackgroundColor, ASupportGrayed);
  } else if (APainter) {
    if (ABackgroundColor != clNone) ACanvas->FillRect(ARect, ABackgroundColor);
    APainter->DrawCheckButton(ACanvas, ARect, ButtonStateOf(AEditCheckState), AState);
  } else if (ANativeStyle) {
    DrawThemeBackground(dxThemeHandleOf(totButton), ACanvas->Handle(), cxThemedCheckBoxPart,
                        cxThemedCheckStateId(AState, AEditCheckState), ARect);
  } else {
    DrawOwnCheck(ACanvas, ARect, AState, AEditCheckState, ABorderStyle, ABorderColor, ABackgroundColor,
                 AIsDesigning, AFocused, ANullValueShowingStyle);
  }
}

TcxEditBorderStyle cxCheckBoxHotBorderStyle(TcxEditBorderStyle ABorderStyle, TcxContainerHotState AHotState) {
  if (AHotState != chsSelected) return ABorderStyle;
  switch (ABorderStyle) {
    case ebsNone:
      return ebsFlat;
    case ebsSingle:
    case ebsThick:
      return ebsThick;
    case ebsFlat:
    case ebs3D:
      return ebs3D;
    default:
      return ABorderStyle;
  }
}
