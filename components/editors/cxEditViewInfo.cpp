// The painting of an editor's background, border, error icon and buttons,
// its hit tests, hints and repainting.
#include <algorithm>

#include "components/controls/cxHints.h"
#include "components/core/dxCore.h"
#include "components/core/dxGdiPlusClasses.h"
#include "components/core/dxOffice11.h"
#include "components/editors/cxEdit.h"
#include "vcl/controls/Forms.h"
#include "vcl/graphics/GdiTypes.h"

namespace {

// Where the hint rectangle is measured; remade when the hint window class
// changes.
std::unique_ptr<THintWindow> HintWindow;

TRect Deflated(const TRect& R, int DX, int DY) { return TRect(R.Left + DX, R.Top + DY, R.Right - DX, R.Bottom - DY); }

TRect Intersection(const TRect& A, const TRect& B) {
  const TRect r(std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom));
  return r.IsEmpty() ? TRect() : r;
}

bool IsHotOrPressed(TcxEditButtonState AState) { return AState == ebsPressed || AState == ebsSelected; }

TcxButtonState ToButtonState(TcxEditButtonState AState) {
  static const TcxButtonState states[] = {cxbsDisabled, cxbsNormal, cxbsPressed, cxbsHot};
  return states[static_cast<int>(AState)];
}

TcxEditBtnKind ToSkinButtonKind(TcxEditButtonKind AKind) {
  switch (AKind) {
    case bkEllipsis: return cxbkEllipsisBtn;
    case bkDown: return cxbkComboBtn;
    default: return cxbkEditorBtn;
  }
}

// A line of one pixel along one side of R in AColor; R shrinks past it.
void SideLine(TcxCanvas* ACanvas, TRect& R, int ASide, TColor AColor) { cxDrawEditButtonBorder(ACanvas, R, ASide, AColor); }

}  // namespace

void cxFreeEditHintWindow() { HintWindow.reset(); }

// ---------------------------------------------------------------- copying and moving

void TcxCustomEditViewInfo::Assign(TObject* Source) {
  if (auto* source = dynamic_cast<TcxCustomEditViewInfo*>(Source)) {
    SetBackgroundColor(source->BackgroundColor());
    BorderColor = source->BorderColor;
    BorderStyle = source->BorderStyle;
    ContainerState = source->ContainerState;
    NativeState = source->NativeState;
    SetButtonCount(source->ButtonCount());
    for (int i = 0; i < ButtonCount(); ++i) Button(i)->Assign(source->Button(i));
    PressedButton = source->PressedButton;
    SelectedButton = source->SelectedButton;
  }
  TcxContainerViewInfo::Assign(Source);
}

void TcxCustomEditViewInfo::Offset(int DX, int DY) {
  TcxContainerViewInfo::Offset(DX, DY);
  InnerEditRect.Offset(DX, DY);
  ShadowRect.Offset(DX, DY);
  FEditorBounds.Offset(DX, DY);
  FErrorBounds.Offset(DX, DY);
  for (const auto& button : ButtonsInfo) {
    button->Bounds.Offset(DX, DY);
    button->VisibleBounds.Offset(DX, DY);
  }
}

TPoint TcxCustomEditViewInfo::SetOrigin(const TPoint& APoint) {
  const TPoint old(Left, Top);
  Left = APoint.X;
  Top = APoint.Y;
  return old;
}

void TcxCustomEditViewInfo::SaveButtonStates() {
  LastPressedButton = PressedButton;
  LastSelectedButton = SelectedButton;
}

bool TcxCustomEditViewInfo::ButtonStatesChanged() const {
  return LastPressedButton != PressedButton || LastSelectedButton != SelectedButton;
}

// ---------------------------------------------------------------- parts and hints

int TcxCustomEditViewInfo::PartAtPoint(const TPoint& P) {
  for (int i = 0; i < ButtonCount(); ++i)
    if (Button(i)->Bounds.Contains(P)) return i;
  if (FErrorData->HasError() && FErrorBounds.Contains(P)) return ecpErrorIcon;
  return BorderRect.Contains(P) ? ecpEdit : ecpNone;
}

TRect TcxCustomEditViewInfo::PartBounds(int APart) {
  if (APart == ecpErrorIcon) return FErrorBounds;
  if (APart == ecpEdit) {
    TRect r = BorderRect;
    for (const auto& button : ButtonsInfo) {
      if (button->Data.LeftAlignment && button->Data.Rightmost) r.Left = button->Bounds.Right;
      if (!button->Data.LeftAlignment && button->Data.Leftmost) r.Right = button->Bounds.Left;
    }
    return r;
  }
  return APart >= 0 && APart < ButtonCount() ? Button(APart)->Bounds : TRect();
}

String TcxCustomEditViewInfo::PartHintText(int APart) {
  if (APart >= 0 && APart < ButtonCount()) return Button(APart)->Data.Hint;
  return APart == ecpErrorIcon ? FErrorData->ErrorText : String();
}

bool TcxCustomEditViewInfo::NeedShowHint(TcxCanvas*, const TPoint& P, const TRect&, String& AText,
                                         bool& AIsMultiLine, TRect& ATextRect, int) {
  const TPoint local(P.X - Left, P.Y - Top);
  const int part = PartAtPoint(local);
  AText.clear();
  ATextRect = TRect();
  AIsMultiLine = false;
  if (part < 0 && part != ecpErrorIcon) return false;
  AText = cxDescriptionPart(PartHintText(part));
  if (AText.empty()) return false;
  ATextRect = HintTextRect(P, AText);
  return true;
}

TRect TcxCustomEditViewInfo::HintTextRect(const TPoint& P, const String& AText) {
  const TClass hintClass = cxGetActiveHintWindowClass();
  if (!HintWindow || HintWindow->ClassType() != hintClass)
    HintWindow.reset(static_cast<THintWindow*>(TObject::CreateInstance(hintClass, nullptr)));
  TRect r = HintWindow->CalcHintRect(GetSystemMetrics(SM_CXSCREEN), AText, nullptr);
  r.Offset(P.X, P.Y + GetSystemMetrics(SM_CYCURSOR));
  return r;
}

bool TcxCustomEditViewInfo::IsHotTrack() {
  return std::any_of(ButtonsInfo.begin(), ButtonsInfo.end(),
                     [](const auto& AButton) { return AButton->Data.State == ebsSelected; });
}

bool TcxCustomEditViewInfo::IsHotTrack(const TPoint& P) {
  const TPoint local(P.X - Left, P.Y - Top);
  return std::any_of(ButtonsInfo.begin(), ButtonsInfo.end(),
                     [&](const auto& AButton) { return AButton->Bounds.Contains(local); });
}

// ---------------------------------------------------------------- repainting

bool TcxCustomEditViewInfo::Repaint(TWinControl* AControl, TcxContainerViewInfo* AViewInfo) {
  return Repaint(AControl, TRect(), AViewInfo);
}

bool TcxCustomEditViewInfo::Repaint(TWinControl* AControl, const TRect& AInnerEditRect,
                                    TcxContainerViewInfo* AViewInfo) {
  if (!AControl->HandleAllocated()) return false;
  const TRect outer = cxRectShiftBy(Bounds, Left, Top);
  auto* previous = dynamic_cast<TcxCustomEditViewInfo*>(AViewInfo);
  const TRect innerEdit = Intersection(AInnerEditRect, ClientRect);
  if (!previous) {
    cxRedrawFrameAroundRect(AControl->Handle(), outer, innerEdit, false, false);
    return false;
  }
  bool wholeChange = NativeState != previous->NativeState || BackgroundColor() != previous->BackgroundColor() ||
                     (ContainerState != previous->ContainerState && StateChangeNeedsRepaint());
  if (!wholeChange) wholeChange = ButtonCount() != previous->ButtonCount();
  bool repainted = false;
  TRect inner;
  bool frameChanged = wholeChange;
  if (wholeChange) {
    inner = innerEdit;
  } else if ((BorderColor != previous->BorderColor && BorderStyle != ebsNone) || BorderStyle != previous->BorderStyle) {
    inner = cxRectShiftBy(BorderRect, Left, Top);
    frameChanged = true;
  }
  if (frameChanged && !Bounds.IsEmpty() && outer != inner) {
    cxRedrawFrameAroundRect(AControl->Handle(), outer, inner, previous->HasBackground, false);
    repainted = true;
  }
  if (ButtonCount() == previous->ButtonCount())
    for (int i = 0; i < ButtonCount(); ++i)
      repainted = Button(i)->Repaint(AControl, previous->Button(i), TPoint(Left, Top)) || repainted;
  return repainted;
}

TcxRegion* TcxCustomEditViewInfo::GetUpdateRegion(TcxContainerViewInfo* AViewInfo) {
  TcxRegion* region = TcxContainerViewInfo::GetUpdateRegion(AViewInfo);
  auto* previous = dynamic_cast<TcxCustomEditViewInfo*>(AViewInfo);
  if (!previous) return region;
  const bool sameFrame = (BorderColor == previous->BorderColor || BorderStyle == ebsNone) &&
                         BorderStyle == previous->BorderStyle && ButtonCount() == previous->ButtonCount() &&
                         NativeState == previous->NativeState;
  if (sameFrame) {
    for (int i = 0; i < ButtonCount(); ++i) {
      std::unique_ptr<TcxRegion> buttonRegion(Button(i)->GetUpdateRegion(previous->Button(i)));
      region->Combine(buttonRegion.get(), roAdd, false);
    }
  } else if (!Bounds.IsEmpty()) {
    region->Combine(Bounds, roAdd);
  }
  return region;
}

// ---------------------------------------------------------------- custom drawing

bool TcxCustomEditViewInfo::DrawBackground(TcxCanvas* ACanvas) {
  bool handled = false;
  if (IsInplace && OnDrawBackground) OnDrawBackground(this, ACanvas, handled);
  return handled;
}

bool TcxCustomEditViewInfo::DrawBackground(TcxCanvas* ACanvas, const TPoint& APos) {
  const TPoint origin = ACanvas->WindowOrg();
  ACanvas->SetWindowOrg(TPoint(origin.X - APos.X, origin.Y - APos.Y));
  try {
    const bool handled = DrawBackground(ACanvas);
    ACanvas->SetWindowOrg(origin);
    return handled;
  } catch (...) {
    ACanvas->SetWindowOrg(origin);
    throw;
  }
}

bool TcxCustomEditViewInfo::IsCustomButton(int AIndex) {
  bool handled = false;
  if (OnDrawButton) OnDrawButton(Button(AIndex), nullptr, handled);
  return handled;
}

bool TcxCustomEditViewInfo::IsCustomButtonBackground(int AIndex) {
  bool handled = false;
  if (OnDrawButtonBackground) OnDrawButtonBackground(Button(AIndex), nullptr, TRect(), handled);
  return handled;
}

bool TcxCustomEditViewInfo::IsCustomButtonBorder(int AIndex) {
  bool handled = false;
  TRect background, content;
  if (OnDrawButtonBorder) OnDrawButtonBorder(Button(AIndex), nullptr, background, content, handled);
  return handled;
}

bool TcxCustomEditViewInfo::IsCustomDrawButton(int AIndex) {
  return IsCustomButton(AIndex) || IsCustomButtonBackground(AIndex) || IsCustomButtonBorder(AIndex);
}

// ---------------------------------------------------------------- the whole editor

void TcxCustomEditViewInfo::Paint(TcxCanvas* ACanvas) {
  if (OnPaint) OnPaint(this, ACanvas);
  TcxContainerViewInfo::Paint(ACanvas);
}

void TcxCustomEditViewInfo::PaintEx(TcxCanvas* ACanvas) {
  const TPoint origin = ACanvas->WindowOrg();
  ACanvas->SetWindowOrg(TPoint(origin.X - Left, origin.Y - Top));
  try {
    Paint(ACanvas);
  } catch (...) {
    ACanvas->SetWindowOrg(origin);
    throw;
  }
  ACanvas->SetWindowOrg(origin);
}

int TcxCustomEditViewInfo::EditBackgroundMode() {
  if (IsInplace) {
    if (IsCustomBackground()) return 0;
    return Transparent ? 2 : 3;
  }
  if (Transparent) return 4;
  if (Edit && Edit->IsNativeBackgroundTransparent()) return 5;
  return NativeStyle ? 3 : 1;
}

void TcxCustomEditViewInfo::DrawEditBackground(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AContentRect,
                                               bool AContentDrawn) {
  ACanvas->SaveDC();
  try {
    if (!AContentDrawn) ACanvas->ExcludeClipRect(AContentRect);
    switch (EditBackgroundMode()) {
      case 0:
        ACanvas->IntersectClipRect(ARect);
        DrawBackground(ACanvas);
        break;
      case 1: DrawCustomEdit(ACanvas, true, false); break;
      case 3: cxFillRectByColor(ACanvas, ARect, BackgroundColor()); break;
      case 4:
        if (Edit) cxPaintParentImage(Edit, ACanvas, ARect);
        break;
      case 5:
        if (Edit) cxPaintParentBackground(Edit, ACanvas, ARect);
        break;
      default: break;  // nothing of the editor's own
    }
  } catch (...) {
    ACanvas->RestoreDC();
    throw;
  }
  ACanvas->RestoreDC();
}

bool TcxCustomEditViewInfo::IsBackgroundPartiallyTransparent() {
  if (FErrorData->HasErrorIcon()) return true;
  if (!NativeStyle || BorderStyle == ebsNone) return false;
  HTHEME theme;
  const int part = NativeBackgroundPart(theme);
  return theme && IsThemeBackgroundPartiallyTransparent(theme, part, NativeState);
}

void TcxCustomEditViewInfo::DrawCustomEdit(TcxCanvas* ACanvas, bool ACanDrawBackground,
                                           bool ACanDrawValidationMark) {
  const HBRUSH brush = cxGetSolidBrush(BackgroundColor());
  // A fade frame is blended over what lies behind the edit.
  const bool bound = Edit && !IsInplace;
  if (bound && (IsBackgroundPartiallyTransparent() || Edit->IsFrameFading())) cxPaintParentImage(Edit, ACanvas, Bounds);
  if (!bound || !Edit->DrawFadeFrame(ACanvas->Handle(), Bounds)) {
    ACanvas->SaveDC();
    try {
      if (ButtonCount() == 0 || !Button(0)->Data.BackgroundPartiallyTransparent)
        for (const auto& button : ButtonsInfo) ACanvas->ExcludeClipRect(button->VisibleBounds);
      if (!DrawBackground(ACanvas)) {
        if (NativeStyle)
          DrawNativeStyleEditBackground(ACanvas, ACanDrawBackground, brush);
        else
          DrawUsualBackground(ACanvas, ACanDrawBackground, brush);
      }
    } catch (...) {
      ACanvas->RestoreDC();
      throw;
    }
    ACanvas->RestoreDC();
  }
  if (ACanDrawValidationMark) DrawCustomEditValidationMark(ACanvas);
  DrawButtons(ACanvas);
}

void TcxCustomEditViewInfo::FillButtonsRegion(TcxCanvas* ACanvas, HBRUSH ABrush) {
  if (Transparent || ButtonCount() == 0 || !Button(0)->Data.BackgroundPartiallyTransparent) return;
  for (const auto& button : ButtonsInfo) FillRect(ACanvas->Handle(), AsRECT(button->Bounds), ABrush);
}

void TcxCustomEditViewInfo::DrawUsualBackground(TcxCanvas* ACanvas, bool ACanDrawBackground, HBRUSH ABackgroundBrush) {
  const auto containerStyle = static_cast<TcxContainerBorderStyle>(BorderStyle);
  const int width = Painter->GetContainerBorderWidth(containerStyle);
  TRect r = BorderRect;
  cxInflateRectByEdges(r, width, TcxBorders{bLeft, bTop} + (Edges * TcxBorders{bRight, bBottom}));
  if (Shadow) cxPaintContainerShadow(ACanvas, r);
  cxInflateRectByEdges(r, width, TcxBorders{bRight, bBottom} - Edges);
  if (BorderStyle != ebsNone) Painter->DrawContainerBorder(ACanvas, r, containerStyle, width, BorderColor, Edges);
  if (IsInplace) {
    if (Transparent) return;
    if (ACanDrawBackground) {
      FillRect(ACanvas->Handle(), AsRECT(Bounds), ABackgroundBrush);
      return;
    }
    if (HasContentOffsets) cxFillRectAroundRect(ACanvas, Bounds, BorderRect, ABackgroundBrush);
    FillButtonsRegion(ACanvas, ABackgroundBrush);
    return;
  }
  if (ACanDrawBackground) {
    if (!Transparent) FillRect(ACanvas->Handle(), AsRECT(BorderRect), ABackgroundBrush);
  } else {
    FillButtonsRegion(ACanvas, ABackgroundBrush);
  }
}

int TcxCustomEditViewInfo::NativeBackgroundPart(HTHEME& ATheme) {
  if (!dxOsVistaUp) {
    ATheme = dxThemeHandleOf(totEdit);
    return EP_EDITTEXT;
  }
  if (BackgroundPaintingKind() == bpsComboListEdit) {
    ATheme = dxThemeHandleOf(totButton);
    return BP_PUSHBUTTON;
  }
  ATheme = dxThemeHandleOf(totEdit);
  return EP_EDITBORDER_NOSCROLL;
}

void TcxCustomEditViewInfo::DrawNativeStyleEditBackground(TcxCanvas* ACanvas, bool ADrawBackground,
                                                          HBRUSH ABackgroundBrush) {
  TRect r;
  const TcxEditBackgroundPaintingStyle kind = BackgroundPaintingKind();
  if (IsInplace || BorderStyle == ebsNone) {
    r = Bounds;
  } else {
    HTHEME theme;
    const int part = NativeBackgroundPart(theme);
    switch (kind) {
      case bpsSolid:
        if (dxOsVistaUp) {
          r = Deflated(FEditorBounds, 2, 2);
        } else {
          RECT content = *AsRECT(FEditorBounds);
          GetThemeBackgroundContentRect(theme, ACanvas->Handle(), part, NativeState, AsRECT(FEditorBounds), &content);
          r = ToRect(content);
        }
        break;
      case bpsComboEdit:
        r = Deflated(FEditorBounds, 3, 3);
        --r.Right;
        break;
      case bpsComboListEdit: r = dxOsVistaUp ? TRect() : ClientRect; break;
    }
    const TRect target = kind == bpsComboListEdit && dxOsVistaUp ? Deflated(FEditorBounds, -1, -1) : FEditorBounds;
    ACanvas->SaveClipRegion();
    ACanvas->ExcludeClipRect(r);
    DrawThemeBackground(theme, ACanvas->Handle(), part, NativeState, AsRECT(target), nullptr);
    ACanvas->RestoreClipRegion();
  }
  if (Transparent) return;
  if (!ADrawBackground && !IsInplace && BorderStyle != ebsNone) {
    if (kind != bpsComboListEdit) cxFillRectAroundRect(ACanvas, r, BorderRect, ABackgroundBrush);
  } else {
    FillRect(ACanvas->Handle(), AsRECT(r), ABackgroundBrush);
  }
}

void TcxCustomEditViewInfo::DrawCustomEditValidationMark(TcxCanvas* ACanvas) {
  if (!FErrorData->HasErrorIcon() || FErrorBounds.IsEmpty()) return;
  TdxSmartImage* icon = FErrorData->ErrorIcon.get();
  const int w = std::min(icon->Width(), FErrorBounds.Width());
  const int h = std::min(icon->Height(), FErrorBounds.Height());
  const int x = ((FErrorBounds.Left + FErrorBounds.Right) & ~1) / 2 - w / 2;
  const int y = ((FErrorBounds.Top + FErrorBounds.Bottom) & ~1) / 2 - h / 2;
  ACanvas->StretchDraw(TRect(x, y, x + w, y + h), icon);
}

// ---------------------------------------------------------------- buttons

void TcxCustomEditViewInfo::DrawButtons(TcxCanvas* ACanvas) {
  if (FState.Contains(evsPaintButtons)) return;
  FState.Include(evsPaintButtons);
  try {
    for (int i = 0; i < ButtonCount(); ++i) DrawButton(ACanvas, i);
  } catch (...) {
    FState.Exclude(evsPaintButtons);
    throw;
  }
  FState.Exclude(evsPaintButtons);
}

void TcxCustomEditViewInfo::DrawButton(TcxCanvas* ACanvas, int AButtonVisibleIndex) {
  TcxEditButtonViewInfo* button = Button(AButtonVisibleIndex);
  button->Data.BackgroundColor = BackgroundColor();
  if (button->VisibleBounds.IsEmpty()) return;
  const TRect& b = button->Bounds;
  const bool clipped = b.Left < BorderRect.Left || b.Top < BorderRect.Top || b.Right > BorderRect.Right ||
                       b.Bottom > BorderRect.Bottom;
  if (clipped) {
    ACanvas->SaveClipRegion();
    ACanvas->IntersectClipRect(button->VisibleBounds);
  }
  bool handled = false;
  if (OnDrawButton) OnDrawButton(button, ACanvas, handled);
  if (!handled) PaintOneButton(ACanvas, AButtonVisibleIndex);
  if (clipped) ACanvas->RestoreClipRegion();
}

void TcxCustomEditViewInfo::PaintOneButton(TcxCanvas* ACanvas, int AButtonVisibleIndex) {
  TcxEditButtonViewInfo* button = Button(AButtonVisibleIndex);
  // While a fade runs its frame stands for the frame and background, which
  // are then only measured; the content is drawn over it.
  const bool fading = button->FadingHelper()->Active();
  if (fading) button->FadingHelper()->DrawButton(ACanvas);
  TColor brushColor = 0, penColor = clBtnText;
  TRect r = button->Bounds, contentRect;
  ACanvas->SaveClipRegion();
  try {
    if (fading) ACanvas->ExcludeClipRect(button->Bounds);
    DrawButtonBorder(ACanvas, button, brushColor, penColor, contentRect, r);
    if (!r.IsEmpty()) DrawButtonBackground(ACanvas, button, brushColor, contentRect, r);
  } catch (...) {
    ACanvas->RestoreClipRegion();
    throw;
  }
  ACanvas->RestoreClipRegion();
  if (!contentRect.IsEmpty())
    DrawButtonContent(ACanvas, button, button->Data.State == ebsPressed, brushColor, penColor, contentRect);
}

void TcxCustomEditViewInfo::DrawButtonBorder(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                             TColor& ABrushColor, TColor& APenColor, TRect& AContentRect,
                                             TRect& ARect) {
  bool handled = false;
  if (OnDrawButtonBorder) OnDrawButtonBorder(AButtonViewInfo, ACanvas, ARect, AContentRect, handled);
  if (handled) return;
  const TcxEditButtonViewInfoData& data = AButtonViewInfo->Data;
  if (data.NativeState != 0)
    return PaintThemedButtonFrame(ACanvas, AButtonViewInfo, ABrushColor, APenColor, AContentRect, ARect);
  if (UseSkins) {
    AContentRect = ARect;
    GetEditColors(ABrushColor, APenColor);
    if (ABrushColor == clDefault) ABrushColor = data.State == ebsDisabled ? clBtnFace : clWindow;
    if (APenColor == clDefault) APenColor = clBtnText;
    return;
  }
  TcxEditButtonStyle style = data.Style;
  if (style == btsSimple && IsHotOrPressed(data.State)) style = btsFlat;
  switch (style) {
    case bts3D:
    case btsDefault: Paint3DButtonFrame(ACanvas, AButtonViewInfo, ABrushColor, APenColor, AContentRect, ARect); break;
    case btsFlat: PaintFlatButtonFrame(ACanvas, AButtonViewInfo, ABrushColor, APenColor, AContentRect, ARect); break;
    case btsSimple: PaintSimpleButtonFrame(ACanvas, AButtonViewInfo, ABrushColor, APenColor, AContentRect, ARect); break;
    case btsHotFlat: PaintHotFlatButtonFrame(ACanvas, AButtonViewInfo, ABrushColor, APenColor, AContentRect, ARect); break;
    case btsUltraFlat:
    case btsOffice11:
      PaintUltraFlatButtonFrame(ACanvas, AButtonViewInfo, ABrushColor, APenColor, AContentRect, ARect,
                                style == btsOffice11);
      break;
  }
}

void TcxCustomEditViewInfo::PaintThemedButtonFrame(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                   TColor&, TColor&, TRect& AContentRect, TRect& ARect) {
  ARect = AButtonViewInfo->Bounds;
  if (IsCustomDrawButton(0)) {
    AContentRect = ARect;
  } else if (AButtonViewInfo->Data.ComboBoxStyle) {
    AContentRect = TRect();
  } else {
    RECT content = *AsRECT(ARect);
    GetThemeBackgroundContentRect(dxThemeHandleOf(totButton), ACanvas->Handle(), BP_PUSHBUTTON,
                                  AButtonViewInfo->Data.NativeState, AsRECT(ARect), &content);
    AContentRect = ToRect(content);
  }
}

void TcxCustomEditViewInfo::Paint3DButtonFrame(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                               TColor& ABrushColor, TColor& APenColor, TRect& AContentRect,
                                               TRect& ARect) {
  const TcxEditButtonViewInfoData& data = AButtonViewInfo->Data;
  ABrushColor = data.Transparent ? data.BackgroundColor : clBtnFace;
  APenColor = clBtnText;
  if (data.State == ebsPressed) {
    cxFrameRectAndShrink(ACanvas, ARect, clBtnShadow);
    cxFrameRectAndShrink(ACanvas, ARect, ABrushColor);
  } else {
    cxDrawComplexFrameAndShrink(ACanvas, ARect, cl3DLight, cl3DDkShadow);
    cxDrawComplexFrameAndShrink(ACanvas, ARect, clBtnHighlight, clBtnShadow);
  }
  AContentRect = ARect;
}

void TcxCustomEditViewInfo::PaintFlatButtonFrame(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                 TColor& ABrushColor, TColor& APenColor, TRect& AContentRect,
                                                 TRect& ARect) {
  const TcxEditButtonViewInfoData& data = AButtonViewInfo->Data;
  ABrushColor = data.Transparent ? data.BackgroundColor : clBtnFace;
  APenColor = clBtnText;
  SideLine(ACanvas, ARect, cxEditBorderLeft, ABrushColor);
  if (data.State == ebsPressed)
    cxDrawComplexFrameAndShrink(ACanvas, ARect, clBtnShadow, clBtnHighlight);
  else
    cxDrawComplexFrameAndShrink(ACanvas, ARect, clBtnHighlight, clBtnShadow);
  SideLine(ACanvas, ARect, cxEditBorderRight, ABrushColor);
  AContentRect = ARect;
}

void TcxCustomEditViewInfo::PaintSimpleButtonFrame(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                   TColor& ABrushColor, TColor& APenColor, TRect& AContentRect,
                                                   TRect& ARect) {
  const TcxEditButtonViewInfoData& data = AButtonViewInfo->Data;
  ABrushColor = data.Transparent ? data.BackgroundColor : clBtnFace;
  APenColor = clBtnText;
  if (!Transparent) ACanvas->FrameRect(ARect, data.BackgroundColor);
  ARect.Inflate(-1, -1);
  SideLine(ACanvas, ARect, cxEditBorderLeft | cxEditBorderRight, ABrushColor);
  AContentRect = ARect;
}

void TcxCustomEditViewInfo::PaintHotFlatButtonFrame(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                    TColor& ABrushColor, TColor& APenColor, TRect& AContentRect,
                                                    TRect& ARect) {
  const TcxEditButtonViewInfoData& data = AButtonViewInfo->Data;
  static const TColor brushes[] = {clBtnFace, clBtnFace, clBtnText, clBtnShadow};  // disabled, normal, pressed, hot
  ABrushColor = data.Transparent ? data.BackgroundColor : brushes[static_cast<int>(data.State)];
  if (!IsHotOrPressed(data.State))
    APenColor = clBtnText;
  else
    APenColor = data.Transparent && data.State == ebsSelected ? clBtnShadow : clWindow;
  const bool nextToText = data.LeftAlignment ? data.Rightmost : data.Leftmost;
  if (nextToText) {
    cxFrameRectAndShrink(ACanvas, ARect, clBtnShadow);
  } else {
    const int inner = data.LeftAlignment ? cxEditBorderRight : cxEditBorderLeft;
    const int outer = data.LeftAlignment ? cxEditBorderLeft : cxEditBorderRight;
    SideLine(ACanvas, ARect, inner, ABrushColor);
    SideLine(ACanvas, ARect, outer | cxEditBorderTop | cxEditBorderBottom, clBtnShadow);
  }
  SideLine(ACanvas, ARect, cxEditBorderLeft | cxEditBorderRight, ABrushColor);
  AContentRect = ARect;
}

void TcxCustomEditViewInfo::PaintUltraFlatButtonFrame(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                      TColor& ABrushColor, TColor&, TRect& AContentRect, TRect& ARect,
                                                      bool AIsOffice11) {
  const TcxEditButtonViewInfoData& data = AButtonViewInfo->Data;
  if (data.Transparent)
    ABrushColor = data.BackgroundColor;
  else if (data.State == ebsDisabled)
    ABrushColor = clBtnFace;
  else if (data.State == ebsNormal)
    ABrushColor = AIsOffice11 ? PaintersManager->GetPainter(lfsOffice11)->ButtonColor(cxbsNormal) : clBtnFace;
  else
    ABrushColor = cxGetEditButtonColor(data.State == ebsPressed, AIsOffice11);
  const TColor highlight = cxGetHighlightBorderColor(AIsOffice11);
  const bool framed = !IsHotOrPressed(data.State) || (!IsInplace && BorderStyle == ebsNone) ||
                      (IsInplace && !PaintOptions.Contains(epoHasExternalBorder));
  if (framed) {
    if (IsHotOrPressed(data.State))
      ACanvas->FrameRect(ARect, highlight);
    else if (!Transparent)
      ACanvas->FrameRect(ARect, data.BackgroundColor);
    ARect.Inflate(-1, -1);
    AContentRect = TRect(ARect.Left + 1, ARect.Top, ARect.Right - 1, ARect.Bottom);
    return;
  }
  // Hot or pressed inside a border: lines only where the button meets the
  // text or another button; the border serves as the rest of the frame.
  TRect content = ARect;
  const bool outerEdgeIsLeft = data.LeftAlignment;
  const bool outermost = data.LeftAlignment ? data.Leftmost : data.Rightmost;
  auto narrowOuter = [&] {
    if (outermost) {
      (outerEdgeIsLeft ? content.Left : content.Right) += outerEdgeIsLeft ? 1 : -1;
    } else {
      SideLine(ACanvas, ARect, outerEdgeIsLeft ? cxEditBorderLeft : cxEditBorderRight, highlight);
      (outerEdgeIsLeft ? content.Left : content.Right) = outerEdgeIsLeft ? ARect.Left : ARect.Right;
    }
  };
  auto narrowInner = [&] {
    const bool touchesBorder = outerEdgeIsLeft ? ARect.Right == BorderRect.Right : ARect.Left == BorderRect.Left;
    if (touchesBorder) {
      (outerEdgeIsLeft ? content.Right : content.Left) += outerEdgeIsLeft ? -1 : 1;
    } else {
      SideLine(ACanvas, ARect, outerEdgeIsLeft ? cxEditBorderRight : cxEditBorderLeft, highlight);
      (outerEdgeIsLeft ? content.Right : content.Left) = outerEdgeIsLeft ? ARect.Right : ARect.Left;
    }
  };
  narrowOuter();
  narrowInner();
  AContentRect = Deflated(content, 1, 1);
}

void TcxCustomEditViewInfo::DrawButtonBackground(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                 TColor ABrushColor, const TRect& AContentRect, const TRect& ARect) {
  bool handled = false;
  if (OnDrawButtonBackground) OnDrawButtonBackground(AButtonViewInfo, ACanvas, ARect, handled);
  if (handled) return;
  const TcxEditButtonViewInfoData& data = AButtonViewInfo->Data;
  if (data.NativeState != 0) return PaintThemedButtonBackground(ACanvas, AButtonViewInfo, ARect);
  if (UseSkins)
    return Painter->DrawEditorButton(ACanvas, AContentRect, ToSkinButtonKind(data.Kind), ToButtonState(data.State),
                                     data.LeftAlignment ? cxbpLeft : cxbpRight);
  PaintPlainButtonBackground(ACanvas, AButtonViewInfo, ABrushColor, ARect);
}

void TcxCustomEditViewInfo::PaintThemedButtonBackground(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                        const TRect& ARect) {
  const TcxEditButtonViewInfoData& data = AButtonViewInfo->Data;
  const HTHEME theme = dxThemeHandleOf(data.ComboBoxStyle ? totComboBox : totButton);
  int part = 1;
  if (data.ComboBoxStyle && !IsInplace && dxOsVistaUp)
    part = data.LeftAlignment ? CP_DROPDOWNBUTTONLEFT : CP_DROPDOWNBUTTONRIGHT;
  DrawThemeBackground(theme, ACanvas->Handle(), part, data.NativeState, AsRECT(ARect), nullptr);
}

void TcxCustomEditViewInfo::PaintPlainButtonBackground(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                       TColor ABrushColor, const TRect& ARect) {
  const TcxEditButtonViewInfoData& data = AButtonViewInfo->Data;
  if (data.Style == btsOffice11 && data.Gradient && !data.Transparent && data.State != ebsDisabled) {
    const TdxOffice11ButtonFace face = data.State == ebsPressed    ? TdxOffice11ButtonFace::bfPressed
                                       : data.State == ebsSelected ? TdxOffice11ButtonFace::bfHot
                                                                   : TdxOffice11ButtonFace::bfNormal;
    const int inset = data.State == ebsNormal ? 1 : 0;
    const auto [top, bottom] = dxOffice11ButtonGradient(face);
    ACanvas->SaveClipRegion();
    ACanvas->IntersectClipRect(ARect);
    dxOffice11FillGradient(ACanvas->Handle(),
                           TRect(ARect.Left, BorderRect.Top + inset, ARect.Right, BorderRect.Bottom - inset), top,
                           bottom, false);
    ACanvas->RestoreClipRegion();
    return;
  }
  cxFillRectByColor(ACanvas, ARect, ABrushColor);
}

void TcxCustomEditViewInfo::DrawButtonContent(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                              bool ANeedOffsetContent, TColor, TColor APenColor,
                                              const TRect& AContentRect) {
  const TcxEditButtonViewInfoData& data = AButtonViewInfo->Data;
  ACanvas->SaveState();
  ACanvas->SaveClipRegion();
  ACanvas->IntersectClipRect(AContentRect);
  const bool enabled = data.State != ebsDisabled;
  // The top-left corner of a W x H item centred in the content.
  auto place = [&](int W, int H) {
    TPoint p(AContentRect.Left + (AContentRect.Width() - W) / 2, AContentRect.Top + (AContentRect.Height() - H) / 2);
    if (ANeedOffsetContent && p.X + W + 1 <= AContentRect.Right) ++p.X;
    if (ANeedOffsetContent && p.Y + H + 1 <= AContentRect.Bottom) ++p.Y;
    return p;
  };
  // Disabled pictures: a highlight a pixel down and right, then the shadow.
  auto drawInColours = [&](auto ADraw) {
    if (enabled) return ADraw(0, APenColor);
    ADraw(1, clBtnHighlight);
    ADraw(0, clBtnShadow);
  };
  if (UseSkins) {
    Painter->DrawEditorButtonGlyph(ACanvas, AContentRect, ToSkinButtonKind(data.Kind), ToButtonState(data.State),
                                   data.LeftAlignment ? cxbpLeft : cxbpRight);
  } else if (data.Kind == bkEllipsis) {
    const int s = AContentRect.Width() > 11 ? 2 : 1;
    const TPoint p = place(3 * s + 4, s);
    drawInColours([&](int AShift, TColor AColor) {
      for (int i = 0; i < 3; ++i) {
        const int x = p.X + AShift + i * (s + 2);
        cxFillRectByColor(ACanvas, TRect(x, p.Y + AShift, x + s, p.Y + AShift + s), AColor);
      }
    });
  } else if (data.Kind == bkDown) {
    TRect r = AContentRect;
    const int extra = AButtonViewInfo->Bounds.Width() - r.Width();
    r.Left -= ANeedOffsetContent ? extra / 2 : extra - extra / 2;
    r.Right = r.Left + AButtonViewInfo->Bounds.Width();
    if (ANeedOffsetContent && extra % 2 == 0) r.Offset(1, 0);
    if (ANeedOffsetContent) r.Offset(0, 1);
    if (IsInplace) {
      const int extraHeight = AButtonViewInfo->Bounds.Height() - r.Height();
      r.Top -= ANeedOffsetContent ? extraHeight / 2 : extraHeight - extraHeight / 2;
      r.Bottom = r.Top + AButtonViewInfo->Bounds.Height();
    }
    TcxCustomLookAndFeelPainter* standard = PaintersManager->GetPainter(lfsStandard);
    drawInColours([&](int AShift, TColor AColor) { standard->DrawArrow(ACanvas, cxRectShiftBy(r, AShift, AShift), adDown, AColor); });
  } else if (data.Kind == bkGlyph) {
    TBitmap* glyph = cxGlyphPresent(AButtonViewInfo->Glyph) ? AButtonViewInfo->Glyph : nullptr;
    if (glyph || cxImageIndexValid(AButtonViewInfo->Images, AButtonViewInfo->ImageIndex)) {
      const TSize size = cxGlyphOrListImageSize(glyph, AButtonViewInfo->Images, AButtonViewInfo->ImageIndex);
      const TPoint p = place(size.cx, size.cy);
      const TRect r(p.X, p.Y, p.X + size.cx, p.Y + size.cy);
      cxDrawGlyphOrImage(ACanvas->Handle(), r, r, glyph, AButtonViewInfo->Images, AButtonViewInfo->ImageIndex,
                         enabled ? gdsNormal : gdsDisabled);
    }
  } else if (data.Kind == bkText) {
    ACanvas->Brush()->SetStyle(bsClear);
    if (Font) ACanvas->SetFont(Font);
    TRect r(AContentRect.Left + 1, AContentRect.Top, AContentRect.Right - 2, AContentRect.Bottom);
    if (!IsInplace) r = TRect(r.Left, r.Top + 1, r.Right, r.Bottom - 1);
    static const int alignments[] = {cxtfAlignLeft, cxtfAlignRight, cxtfAlignHCenter};
    const int flags = alignments[static_cast<int>(data.ContentAlignment)] | cxtfAlignVCenter | cxtfSingleLine |
                      cxtfShowPrefix | cxtfEndEllipsis;
    if (enabled) {
      TColor color = data.TextColor == clDefault ? TextColor : data.TextColor;
      if (data.Style == btsHotFlat && IsHotOrPressed(data.State)) color = APenColor;
      if (ANeedOffsetContent) r.Offset(1, 1);
      ACanvas->Font()->SetColor(color);
    }
    ACanvas->DrawTexT(data.Caption, r, flags, enabled);
    ACanvas->Brush()->SetStyle(bsSolid);
  }
  ACanvas->RestoreClipRegion();
  ACanvas->RestoreState();
}
