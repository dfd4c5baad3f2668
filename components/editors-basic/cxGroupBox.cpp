// The group box: caption layout in thirteen positions, the panel look and
// the frame of each border style.
#include "components/editors-basic/cxGroupBox.h"

#include <algorithm>

#include "components/core/dxOffice11.h"
#include "components/core/dxThemeManager.h"
#include "components/core/dxUxTheme.h"
#include "components/editors/cxEditPaintUtils.h"
#include "vcl/controls/Messages.h"
#include "vcl/controls/StdCtrls.h"

namespace {

constexpr int GroupBoxShadowSize = 3;

bool IsGroupBoxNativeStyle(TcxLookAndFeel* ALookAndFeel) {
  return (ALookAndFeel->NativeStyle() || ALookAndFeel->Kind() == lfOffice11) && dxThemesAvailable({totEdit}) &&
         !ALookAndFeel->SkinPainter();
}

// The theme's group-box part of the button class.
constexpr int ThemedGroupBoxPart = 4;

struct TPanelTextAlignment {
  int Horz;
  int Vert;
};

TPanelTextAlignment PanelTextAlignment(TcxCaptionAlignment A) {
  static const TPanelTextAlignment table[] = {
      {cxtfAlignLeft, cxtfAlignTop},       {cxtfAlignHCenter, cxtfAlignTop},   {cxtfAlignRight, cxtfAlignTop},
      {cxtfAlignLeft, cxtfAlignBottom},    {cxtfAlignHCenter, cxtfAlignBottom}, {cxtfAlignRight, cxtfAlignBottom},
      {cxtfAlignLeft, cxtfAlignTop},       {cxtfAlignLeft, cxtfAlignVCenter},  {cxtfAlignLeft, cxtfAlignBottom},
      {cxtfAlignRight, cxtfAlignTop},      {cxtfAlignRight, cxtfAlignVCenter}, {cxtfAlignRight, cxtfAlignBottom},
      {cxtfAlignHCenter, cxtfAlignVCenter}};
  return table[static_cast<int>(A)];
}

TRect Intersection(const TRect& A, const TRect& B) {
  TRect r(std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
          std::min(A.Bottom, B.Bottom));
  return r.IsEmpty() ? TRect() : r;
}

}  // namespace

TcxGroupBoxCaptionPosition cxCaptionAlignmentToPosition(TcxCaptionAlignment AAlignment) {
  switch (AAlignment) {
    case alTopLeft:
    case alTopCenter:
    case alTopRight:
      return TcxGroupBoxCaptionPosition::cxgpTop;
    case alBottomLeft:
    case alBottomCenter:
    case alBottomRight:
      return TcxGroupBoxCaptionPosition::cxgpBottom;
    case alLeftTop:
    case alLeftCenter:
    case alLeftBottom:
      return TcxGroupBoxCaptionPosition::cxgpLeft;
    case alRightTop:
    case alRightCenter:
    case alRightBottom:
      return TcxGroupBoxCaptionPosition::cxgpRight;
    default:
      return TcxGroupBoxCaptionPosition::cxgpCenter;
  }
}

// ---------------------------------------------------------------- panel style

void TcxPanelStyle::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxPanelStyle*>(Source);
  if (!source) return TPersistent::Assign(Source);
  SetActive(source->Active());
  SetCaptionIndent(source->CaptionIndent());
  SetWordWrap(source->WordWrap());
  SetOfficeBackgroundKind(source->OfficeBackgroundKind());
}

void TcxPanelStyle::Changed(bool ANeeded) {
  if (ANeeded && FEdit) FEdit->LayoutChanged();
}

void TcxPanelStyle::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  Changed(true);
}

void TcxPanelStyle::SetBorderWidth(int Value) {
  if (FBorderWidth == Value) return;
  FBorderWidth = Value;
  Changed(FActive);
}

void TcxPanelStyle::SetCaptionIndent(int Value) {
  Value = std::max(Value, 2);
  if (FCaptionIndent == Value) return;
  FCaptionIndent = Value;
  Changed(FActive);
}

void TcxPanelStyle::SetOfficeBackgroundKind(TcxPanelOffice11BackgroundKind Value) {
  if (FOfficeBackgroundKind == Value) return;
  FOfficeBackgroundKind = Value;
  Changed(FActive && FEdit && FEdit->Style()->LookAndFeel()->Kind() == lfOffice11);
}

void TcxPanelStyle::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  Changed(FActive);
}

const TPropTable* TcxPanelStyle::PublishedTable(TPublishedTag<TcxPanelStyle>) {
  using T = TcxPanelStyle;
  static const TTypeInfo backgroundKindType =
      EnumTypeInfo(L"TcxPanelOffice11BackgroundKind", {L"pobkGradient", L"pobkOffice11Color", L"pobkStyleColor"});
  static const TPropTable table =
      TPublished<T>()
          .Property(L"Active", &T::Active, &T::SetActive)
          .Stored([](const T& S) { return S.Active(); })
          .Property(L"BorderWidth", &T::BorderWidth, &T::SetBorderWidth)
          .Stored([](const T& S) { return S.BorderWidth() != 0; })
          .Property(L"CaptionIndent", &T::CaptionIndent, &T::SetCaptionIndent)
          .Stored([](const T& S) { return S.CaptionIndent() != 2; })
          .Property(L"OfficeBackgroundKind", &T::OfficeBackgroundKind, &T::SetOfficeBackgroundKind,
                    &backgroundKindType)
          .Stored([](const T& S) { return S.OfficeBackgroundKind() != pobkOffice11Color; })
          .Property(L"WordWrap", &T::WordWrap, &T::SetWordWrap)
          .Stored([](const T& S) { return S.WordWrap(); })
          .Build();
  return &table;
}

// ---------------------------------------------------------------- properties

TcxCustomEditClass TcxCustomGroupBoxProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxCustomGroupBox>();
}

TcxEditViewInfoClass TcxCustomGroupBoxProperties::GetViewInfoClass() const {
  return TcxEditViewInfoClass::Of<TcxGroupBoxViewInfo>();
}

TcxEditViewDataClass TcxCustomGroupBoxProperties::ViewDataClass() const {
  return TcxEditViewDataClass::Of<TcxGroupBoxViewData>();
}

// ---------------------------------------------------------------- view info

TRect TcxGroupBoxButtonViewInfo::GetGlyphRect(const TSize& AGlyphSize, TAlignment AAlignment, bool) {
  TRect r;
  r.Top = Bounds.Top + (Bounds.Height() - AGlyphSize.cy) / 2;
  r.Bottom = r.Top + AGlyphSize.cy;
  if (AAlignment == taRightJustify) {
    r.Left = Bounds.Left;
    r.Right = r.Left + AGlyphSize.cx;
  } else {
    r.Right = Bounds.Right;
    r.Left = r.Right - AGlyphSize.cx;
  }
  return r;
}

TcxCustomGroupBox* TcxGroupBoxViewInfo::GroupBox() const { return dynamic_cast<TcxCustomGroupBox*>(Edit); }

void TcxGroupBoxViewInfo::Offset(int DX, int DY) {
  TcxCustomEditViewInfo::Offset(DX, DY);
  CaptionRect.Offset(DX, DY);
  TextRect.Offset(DX, DY);
}

void TcxGroupBoxViewInfo::InternalPaint(TcxCanvas* ACanvas) {
  TcxCustomGroupBox* groupBox = GroupBox();
  if (groupBox && groupBox->DoCustomDraw()) return;
  if (IsInplace) {
    ACanvas->FillRect(Bounds, BackgroundColor());
    DrawItemButtons(ACanvas);
    return;
  }
  DrawGroupBackground(ACanvas);
  DrawCaption(ACanvas);
  ACanvas->SaveClipRegion();
  if (!PanelActive) ACanvas->ExcludeClipRect(CaptionRect);
  DrawFrame(ACanvas);
  ACanvas->RestoreClipRegion();
  DrawItemButtons(ACanvas);
}

TRect TcxGroupBoxViewInfo::FrameRect() const {
  if (PanelActive) {
    TRect r = Bounds;
    if (Shadow) {
      r.Right -= GroupBoxShadowSize;
      r.Bottom -= GroupBoxShadowSize;
    }
    return r;
  }
  TRect r = BorderRect;
  cxInflateRectByEdges(r, cxGetContainerFrameWidth(static_cast<TcxContainerBorderStyle>(BorderStyle)), Edges);
  return r;
}

void TcxGroupBoxViewInfo::DrawGroupBackground(TcxCanvas* ACanvas) {
  TcxCustomGroupBox* groupBox = GroupBox();
  if (groupBox && groupBox->DoCustomDrawContentBackground(ACanvas, Bounds, Painter)) return;
  if (Shadow) cxPaintContainerShadow(ACanvas, FrameRect());
  if (Transparent && groupBox) {
    cxPaintParentImage(groupBox, ACanvas, Bounds);
    return;
  }
  if (PanelActive) return DrawPanelBackground(ACanvas);
  if (NativeStyle && groupBox) {
    HTHEME theme = dxThemeHandleOf(totButton);
    const int state = Enabled ? GBS_NORMAL : GBS_DISABLED;
    if (theme && IsThemeBackgroundPartiallyTransparent(theme, ThemedGroupBoxPart, state) &&
        groupBox->ControlStyle().Contains(csParentBackground)) {
      cxPaintParentBackground(groupBox, ACanvas, Bounds);
      return;
    }
  }
  ACanvas->FillRect(Bounds, BackgroundColor());
}

// The Office11 look paints the panel with its own colours; the other looks
// with the background colour.
void TcxGroupBoxViewInfo::DrawPanelBackground(TcxCanvas* ACanvas) {
  if (LookAndFeelNativeStyle || LookAndFeelKind != lfOffice11) {
    ACanvas->FillRect(Bounds, BackgroundColor());
    return;
  }
  const TColor from = dxOffice11Colors[0];
  const TColor to = dxOffice11Colors[1];
  TcxCustomLookAndFeelPainter* painter = cxGetEditPainter(false, lfOffice11);
  switch (OfficeBackgroundKind) {
    case pobkGradient:
      painter->DrawPanelBackground(ACanvas, GroupBox(), Bounds, from, to);
      break;
    case pobkOffice11Color:
      painter->DrawPanelBackground(ACanvas, GroupBox(), Bounds, cxBlendTwoColors(from, to, 50), clDefault);
      break;
    default:
      painter->DrawPanelBackground(ACanvas, GroupBox(), Bounds, BackgroundColor(), clDefault);
      break;
  }
}

void TcxGroupBoxViewInfo::DrawCaption(TcxCanvas* ACanvas) {
  if (Caption.empty() || CaptionRect.IsEmpty()) return;
  ACanvas->SaveClipRegion();
  ACanvas->IntersectClipRect(CaptionRect);
  TcxCustomGroupBox* groupBox = GroupBox();
  if (!groupBox || !groupBox->DoCustomDrawCaption(ACanvas, CaptionRect, Painter)) {
    ACanvas->SetFont(CaptionFont ? CaptionFont : Font);
    ACanvas->Font()->SetColor(TextColor);
    ACanvas->Brush()->SetStyle(bsClear);
    const TcxGroupBoxCaptionPosition position = CaptionPosition();
    const bool rotated = !PanelActive && (position == TcxGroupBoxCaptionPosition::cxgpLeft ||
                                          position == TcxGroupBoxCaptionPosition::cxgpRight);
    if (rotated) {
      TRect r = TextRect;
      cxDrawRotatedText(ACanvas, Caption, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER, TextColor,
                        position == TcxGroupBoxCaptionPosition::cxgpLeft ? raPlus90 : raMinus90);
    } else {
      ACanvas->DrawTexT(Caption, TextRect, CaptionFlags);
    }
    ACanvas->Brush()->SetStyle(bsSolid);
  }
  ACanvas->RestoreClipRegion();
}

void TcxGroupBoxViewInfo::DrawFrame(TcxCanvas* ACanvas) {
  const TRect r = FrameRect();
  if (NativeStyle) {
    if (PanelActive) return;
    // The themed frame runs through the middle of the caption.
    TRect frame = Bounds;
    ACanvas->SetFont(CaptionFont ? CaptionFont : Font);
    const int half = ACanvas->TextHeight(L"Zg") / 2;
    switch (CaptionPosition()) {
      case TcxGroupBoxCaptionPosition::cxgpTop:
        frame.Top += half;
        break;
      case TcxGroupBoxCaptionPosition::cxgpBottom:
        frame.Bottom -= half;
        break;
      case TcxGroupBoxCaptionPosition::cxgpLeft:
        frame.Left += half;
        break;
      case TcxGroupBoxCaptionPosition::cxgpRight:
        frame.Right -= half;
        break;
      default:
        break;
    }
    cxGetEditPainter(true, lfStandard)->DrawGroupBoxFrame(ACanvas, frame, Enabled,
                                                         TcxGroupBoxCaptionPosition::cxgpCenter, cxBordersAll);
    return;
  }
  switch (BorderStyle) {
    case ebsSingle:
    case ebsUltraFlat:
    case ebsOffice11:
      ACanvas->FrameRect(r, BorderColor, 1, Edges);
      break;
    case ebsThick:
      ACanvas->FrameRect(r, BorderColor, 2, Edges);
      break;
    case ebsFlat:
      cxGetEditPainter(false, lfFlat)->DrawGroupBoxFrame(ACanvas, r, Enabled, TcxGroupBoxCaptionPosition::cxgpCenter,
                                                         Edges);
      break;
    case ebs3D:
      if (Ctl3D) {
        cxGetEditPainter(false, lfStandard)
            ->DrawGroupBoxFrame(ACanvas, r, Enabled, TcxGroupBoxCaptionPosition::cxgpCenter, Edges);
      } else {
        ACanvas->FrameRect(r, clWindowFrame, 1, Edges);
        TRect inner = r;
        inner.Inflate(-1, -1);
        ACanvas->FrameRect(inner, BackgroundColor(), 1, Edges);
      }
      break;
    default:
      break;
  }
}

// ---------------------------------------------------------------- view data

TcxCustomGroupBox* TcxGroupBoxViewData::GroupBox() const { return dynamic_cast<TcxCustomGroupBox*>(Edit); }

bool TcxGroupBoxViewData::HasCaptionSide() {
  TcxCustomGroupBox* groupBox = GroupBox();
  return !IsInplace() && groupBox && groupBox->Alignment() != alCenterCenter && !groupBox->PanelStyle()->Active();
}

void TcxGroupBoxViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button,
                                    TShiftState Shift, TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) {
  auto* viewInfo = static_cast<TcxGroupBoxViewInfo*>(AViewInfo);
  TcxCustomGroupBox* groupBox = GroupBox();
  if (groupBox) {
    groupBox->CaptionFont()->Assign(Style()->GetVisibleFont());
    viewInfo->CaptionFont = groupBox->CaptionFont();
    viewInfo->CaptionAlignment = groupBox->Alignment();
    viewInfo->PanelActive = groupBox->PanelStyle()->Active();
    viewInfo->OfficeBackgroundKind = groupBox->PanelStyle()->OfficeBackgroundKind();
  }
  viewInfo->LookAndFeelKind = Style()->LookAndFeel()->Kind();
  viewInfo->LookAndFeelNativeStyle = Style()->LookAndFeel()->NativeStyle();
  TcxCustomEditViewData::Calculate(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  if (viewInfo->PanelActive) {
    const int border = groupBox->PanelStyle()->BorderWidth();
    viewInfo->ClientRect.Inflate(-border, -border);
  }
}

TRect TcxGroupBoxViewData::GetBorderExtent() {
  TRect extent = TcxCustomEditViewData::GetBorderExtent();
  if (!HasCaptionSide()) return extent;
  const int half = cxFontPixelHeight(GroupBox()->CaptionFont()) / 2;
  switch (cxCaptionAlignmentToPosition(GroupBox()->Alignment())) {
    case TcxGroupBoxCaptionPosition::cxgpTop:
      extent.Top += half + 1;
      break;
    case TcxGroupBoxCaptionPosition::cxgpBottom:
      extent.Bottom += half + 1;
      break;
    case TcxGroupBoxCaptionPosition::cxgpLeft:
      extent.Left += half;
      break;
    default:
      extent.Right += half;
      break;
  }
  return extent;
}

TRect TcxGroupBoxViewData::GetClientExtent(TcxCanvas*, TcxCustomEditViewInfo*) {
  TRect extent = TcxCustomEditViewData::GetBorderExtent();
  if (!HasCaptionSide()) return extent;
  const int captionHeight = cxFontPixelHeight(GroupBox()->CaptionFont());
  switch (cxCaptionAlignmentToPosition(GroupBox()->Alignment())) {
    case TcxGroupBoxCaptionPosition::cxgpTop:
      extent.Top += captionHeight + 3;
      break;
    case TcxGroupBoxCaptionPosition::cxgpBottom:
      extent.Bottom += captionHeight + 3;
      break;
    case TcxGroupBoxCaptionPosition::cxgpLeft:
      extent.Left += captionHeight + 3;
      break;
    default:
      extent.Right += captionHeight + 3;
      break;
  }
  return extent;
}

TColor TcxGroupBoxViewData::GetBorderColor() {
  const TcxEditBorderStyle style = Style()->BorderStyle();
  if (style == ebsUltraFlat || style == ebsOffice11)
    return Enabled ? cxGetHighlightBorderColor(style == ebsOffice11) : clBtnShadow;
  return Style()->BorderColor();
}

bool TcxGroupBoxViewData::HasShadow() {
  TcxCustomGroupBox* groupBox = GroupBox();
  return groupBox && !NativeStyle && groupBox->IsShadowAllowed() && TcxCustomEditViewData::HasShadow();
}

bool TcxGroupBoxViewData::IsNativeStyle(TcxLookAndFeel* ALookAndFeel) { return IsGroupBoxNativeStyle(ALookAndFeel); }

void TcxGroupBoxViewData::CalculateButtonsViewInfo(TcxCanvas* ACanvas, const TRect&, const TPoint&, TcxMouseButton,
                                                   TShiftState, TcxCustomEditViewInfo* AViewInfo, bool) {
  auto* viewInfo = static_cast<TcxGroupBoxViewInfo*>(AViewInfo);
  viewInfo->SetButtonCount(0);
  viewInfo->CaptionRect = TRect();
  viewInfo->TextRect = TRect();
  TcxCustomGroupBox* groupBox = GroupBox();
  viewInfo->Caption = groupBox && !IsInplace() ? groupBox->Caption() : String();
  if (!groupBox || IsInplace()) return;
  // The caption's colour: the style's, else the look's for the caption.
  TColor color = clDefault;
  if (!Style()->IsValueAssigned(csvTextColor)) {
    TcxCustomLookAndFeelPainter* painter =
        NativeStyle ? cxGetEditPainter(true, lfStandard) : Style()->LookAndFeel()->Painter();
    color = viewInfo->PanelActive ? painter->PanelTextColor()
                                  : painter->GroupBoxTextColor(Enabled, cxCaptionAlignmentToPosition(
                                                                            groupBox->Alignment()));
  }
  if (color != clDefault) viewInfo->TextColor = color;
  ACanvas->SetFont(groupBox->CaptionFont());
  if (viewInfo->PanelActive)
    CalculatePanelCaption(ACanvas, viewInfo);
  else
    CalculateStandardCaption(ACanvas, viewInfo);
}

void TcxGroupBoxViewData::CalculateStandardCaption(TcxCanvas* ACanvas, TcxGroupBoxViewInfo* AViewInfo) {
  AViewInfo->CaptionFlags = cxtfSingleLine | cxtfShowPrefix | cxtfAlignLeft | cxtfAlignTop;
  if (AViewInfo->Caption.empty()) return;
  TRect measured(0, 0, 0, 0);
  ACanvas->TextExtent(AViewInfo->Caption, measured, cxtfSingleLine | cxtfShowPrefix);
  const int w = measured.Width();
  const int h = measured.Height();
  const TRect& b = AViewInfo->Bounds;
  const int s = AViewInfo->Shadow ? 3 : 0;
  const int cw = b.Width();
  const int ch = b.Height();
  TRect r;
  auto horizontal = [&](int ALeft, int ATop) { r = TRect(ALeft, ATop, ALeft + w, ATop + h); };
  auto vertical = [&](int ALeft, int ATop, int ABottom) { r = TRect(ALeft, ATop, ALeft + h, ABottom); };
  switch (GroupBox()->Alignment()) {
    case alTopLeft:
      horizontal(8, 0);
      break;
    case alTopCenter:
      horizontal((cw - s - w) / 2, 0);
      break;
    case alTopRight:
      horizontal(cw - s - 8 - w, 0);
      break;
    case alBottomLeft:
      horizontal(8, ch - h);
      break;
    case alBottomCenter:
      horizontal((cw - s - w) / 2, ch - h);
      break;
    case alBottomRight:
      horizontal(cw - s - 8 - w, ch - h);
      break;
    case alCenterCenter:
      horizontal((cw - s - w) / 2, (ch - s - h) / 2);
      break;
    case alLeftTop:
      vertical(0, 8, 8 + w + 1);
      break;
    case alLeftCenter: {
      const int bottom = ch - s - (ch - s - w) / 2;
      vertical(0, bottom - w - 1, bottom);
      break;
    }
    case alLeftBottom:
      vertical(0, ch - s - 8 - w - 1, ch - s - 8);
      break;
    case alRightTop:
      vertical(cw - h, 8, 8 + w);
      break;
    case alRightCenter:
      vertical(cw - h, (ch - w) / 2, (ch - w) / 2 + w);
      break;
    case alRightBottom:
      vertical(cw - h, ch - w - 8, ch - 8);
      break;
  }
  r.Offset(b.Left, b.Top);
  AViewInfo->CaptionRect = r;
  AViewInfo->TextRect = r;
}

void TcxGroupBoxViewData::CalculatePanelCaption(TcxCanvas* ACanvas, TcxGroupBoxViewInfo* AViewInfo) {
  TcxCustomGroupBox* groupBox = GroupBox();
  const TcxPanelStyle* panel = groupBox->PanelStyle();
  const TPanelTextAlignment alignment = PanelTextAlignment(groupBox->Alignment());
  AViewInfo->CaptionFlags = alignment.Horz | alignment.Vert | cxtfShowPrefix |
                            (panel->WordWrap() ? cxtfWordBreak : cxtfSingleLine);
  if (AViewInfo->Caption.empty()) return;
  TRect content = AViewInfo->Bounds;
  if (AViewInfo->Shadow && !NativeStyle) {
    content.Right -= 3;
    content.Bottom -= 3;
  }
  const int frame = cxGetContainerFrameWidth(static_cast<TcxContainerBorderStyle>(AViewInfo->BorderStyle));
  content.Inflate(-frame, -frame);
  const int indent = panel->CaptionIndent();
  if (alignment.Horz == cxtfAlignLeft) content.Left += indent;
  if (alignment.Horz == cxtfAlignRight) content.Right -= indent;
  if (alignment.Vert == cxtfAlignTop) content.Top += indent;
  if (alignment.Vert == cxtfAlignBottom) content.Bottom -= indent;
  TRect measured(0, 0, std::max<int>(content.Width(), 1), 0);
  ACanvas->TextExtent(AViewInfo->Caption, measured,
                      cxtfShowPrefix | (panel->WordWrap() ? cxtfWordBreak : cxtfSingleLine));
  const int w = measured.Width();
  const int h = measured.Height();
  TRect r;
  if (alignment.Horz == cxtfAlignLeft)
    r.Left = content.Left;
  else if (alignment.Horz == cxtfAlignRight)
    r.Left = content.Right - w;
  else
    r.Left = content.Left + (content.Width() - w) / 2;
  if (alignment.Vert == cxtfAlignTop)
    r.Top = content.Top;
  else if (alignment.Vert == cxtfAlignBottom)
    r.Top = content.Bottom - h;
  else
    r.Top = content.Top + (content.Height() - h) / 2;
  r.Right = r.Left + w;
  r.Bottom = r.Top + h;
  AViewInfo->TextRect = Intersection(r, content);
  AViewInfo->CaptionRect = AViewInfo->TextRect;
}

// ---------------------------------------------------------------- control

TcxCustomGroupBox::TcxCustomGroupBox(TComponent* AOwner, bool AIsInplace)
    : TcxCustomEdit(AOwner, AIsInplace), FCaptionFont(std::make_unique<TFont>()) {
  FPanelStyle = CreatePanelStyle();
  TControlStyle style = ControlStyle();
  style.Include(csAcceptsControls);
  style.Include(csCaptureMouse);
  style.Include(csClickEvents);
  style.Include(csParentBackground);
  SetControlStyle(style);
  SetBounds(Left(), Top(), 105, 185);
  FCaptionFont->Assign(Font());
  SetTabStop(false);
}

TcxCustomGroupBox::~TcxCustomGroupBox() = default;

void TcxCustomGroupBox::SetAlignment(TcxCaptionAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  LayoutChanged();
}

void TcxCustomGroupBox::LayoutChanged() {
  ShortRefreshContainer(false);
  Realign();
  Invalidate();
}

bool TcxCustomGroupBox::DoCustomDraw() {
  bool done = false;
  if (OnCustomDraw) OnCustomDraw(this, done);
  return done;
}

bool TcxCustomGroupBox::DoCustomDrawCaption(TcxCanvas* ACanvas, const TRect& ABounds,
                                            TcxCustomLookAndFeelPainter* APainter) {
  bool done = false;
  if (OnCustomDrawCaption) OnCustomDrawCaption(this, ACanvas->Canvas(), ABounds, APainter, done);
  return done;
}

bool TcxCustomGroupBox::DoCustomDrawContentBackground(TcxCanvas* ACanvas, const TRect& ABounds,
                                                      TcxCustomLookAndFeelPainter* APainter) {
  bool done = false;
  if (OnCustomDrawContentBackground) OnCustomDrawContentBackground(this, ACanvas->Canvas(), ABounds, APainter, done);
  return done;
}

bool TcxCustomGroupBox::HandleAccelChar(wchar_t AChar) {
  if (!IsAccel(AChar, Caption()) || !CanFocus()) return false;
  FIsAccelCharHandling = true;
  try {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    for (TWinControl* control : list)
      if (control != this && control->CanFocus()) {
        control->SetFocus();
        break;
      }
  } catch (...) {
    FIsAccelCharHandling = false;
    throw;
  }
  FIsAccelCharHandling = false;
  return true;
}

void TcxCustomGroupBox::WndProc(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && HandleAccelChar(static_cast<wchar_t>(Message.WParam))) {
    Message.Result = 1;
    return;
  }
  TcxCustomEdit::WndProc(Message);
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == WM_SETTEXT) LayoutChanged();
}

bool TcxCustomGroupBox::IsShadowAllowed() {
  TcxLookAndFeel* lookAndFeel = Style()->LookAndFeel();
  if (IsGroupBoxNativeStyle(lookAndFeel) || lookAndFeel->SkinPainter()) return false;
  const TcxGroupBoxCaptionPosition position = cxCaptionAlignmentToPosition(FAlignment);
  return FPanelStyle->Active() || position == TcxGroupBoxCaptionPosition::cxgpTop ||
         position == TcxGroupBoxCaptionPosition::cxgpLeft;
}

bool TcxCustomGroupBox::IsShadowVisible() {
  return !IsInplace() && TcxCustomEdit::IsShadowVisible() && IsShadowAllowed();
}

TRect TcxCustomGroupBox::GetShadowBounds() {
  const TcxGroupBoxViewInfo* viewInfo = GroupViewInfo();
  TRect r = viewInfo->FrameRect();
  if (FPanelStyle->Active() || FAlignment == alCenterCenter) return r;
  switch (cxCaptionAlignmentToPosition(FAlignment)) {
    case TcxGroupBoxCaptionPosition::cxgpTop:
      r.Top = viewInfo->Bounds.Top;
      break;
    case TcxGroupBoxCaptionPosition::cxgpBottom:
      r.Bottom = viewInfo->Bounds.Bottom;
      break;
    case TcxGroupBoxCaptionPosition::cxgpLeft:
      r.Left = viewInfo->Bounds.Left;
      break;
    default:
      r.Right = viewInfo->Bounds.Right;
      break;
  }
  return r;
}

TRect TcxCustomGroupBox::GetShadowBoundsExtent() {
  const TRect bounds = GetShadowBounds();
  const TRect frame = GroupViewInfo()->FrameRect();
  return TRect(frame.Left - bounds.Left, frame.Top - bounds.Top, 0, 0);
}

const TPropTable* TcxCustomGroupBox::PublishedTable(TPublishedTag<TcxCustomGroupBox>) {
  using T = TcxCustomGroupBox;
  static const TTypeInfo alignmentType =
      EnumTypeInfo(L"TcxCaptionAlignment",
                   {L"alTopLeft", L"alTopCenter", L"alTopRight", L"alBottomLeft", L"alBottomCenter", L"alBottomRight",
                    L"alLeftTop", L"alLeftCenter", L"alLeftBottom", L"alRightTop", L"alRightCenter",
                    L"alRightBottom", L"alCenterCenter"});
  static const TPropTable table = TPublished<T>()
                                      .Property(L"Alignment", &T::Alignment, &T::SetAlignment, &alignmentType)
                                      .Stored([](const T& B) { return B.Alignment() != alTopLeft; })
                                      .Property(L"Transparent", &T::Transparent, &T::SetTransparent)
                                      .Stored([](const T& B) { return B.Transparent(); })
                                      .Build();
  return &table;
}

// ---------------------------------------------------------------- button group items

void TcxButtonGroupItem::Assign(TPersistent* Source) {
  TcxCaptionItem::Assign(Source);
  if (auto* source = dynamic_cast<TcxButtonGroupItem*>(Source)) SetEnabled(source->Enabled());
}

void TcxButtonGroupItem::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Changed(false);
}

TcxButtonGroupItems::TcxButtonGroupItems(TcxCustomButtonGroupProperties* AOwner, TClass AItemClass)
    : TcxCaptionItems(AOwner, AItemClass) {}

TcxCustomButtonGroupProperties* TcxButtonGroupItems::Properties() const {
  return static_cast<TcxCustomButtonGroupProperties*>(GetOwner());
}

// Only a change made outside an update is a single one.
void TcxButtonGroupItems::Notify(TCollectionItem* Item, TCollectionNotification Action) {
  TcxCaptionItems::Notify(Item, Action);
  if (UpdateCount() > 0) {
    FHasPendingItem = false;
    return;
  }
  if (Action == cnExtracting && FHasPendingItem && FChangedItemOperation == copDelete) return;
  FHasPendingItem = true;
  FChangedItemIndex = Item->Index();
  FChangedItemOperation = Action == cnAdded ? copAdd : copDelete;
}

void TcxButtonGroupItems::Update(TCollectionItem* AItem) {
  TcxCaptionItems::Update(AItem);
  if (IsBeingDestroyed()) return;
  if (FHasPendingItem)
    ReportChange(FChangedItemIndex, FChangedItemOperation);
  else if (AItem)
    ReportChange(AItem->Index(), copChanged);
  else
    Properties()->Changed();
  FHasPendingItem = false;
}

void TcxButtonGroupItems::ReportChange(int AIndex, TcxCollectionOperation AOperation) {
  FHasPendingItem = false;
  FChangedItemIndex = AIndex;
  FChangedItemOperation = AOperation;
  FItemChanged = !Properties()->ChangedLocked();
  try {
    Properties()->Changed();
  } catch (...) {
    FItemChanged = false;
    throw;
  }
  FItemChanged = false;
}

// ---------------------------------------------------------------- button group properties

TcxCustomButtonGroupProperties::TcxCustomButtonGroupProperties(TPersistent* AOwner)
    : TcxCustomGroupBoxProperties(AOwner) {}

TcxCustomButtonGroupProperties::~TcxCustomButtonGroupProperties() {
  if (FItems) FItems->BeginUpdate();
  FItems.reset();
}

void TcxCustomButtonGroupProperties::EnsureItems() {
  if (!FItems) FItems = CreateItemCollection();
}

std::unique_ptr<TcxButtonGroupItems> TcxCustomButtonGroupProperties::CreateItemCollection() {
  return std::make_unique<TcxButtonGroupItems>(this, TcxButtonGroupItem::StaticClass());
}

void TcxCustomButtonGroupProperties::SetColumns(int Value) {
  Value = std::max(Value, 1);
  if (FColumns == Value) return;
  FColumns = Value;
  Changed();
}

void TcxCustomButtonGroupProperties::SetShowEndEllipsis(bool Value) {
  if (FShowEndEllipsis == Value) return;
  FShowEndEllipsis = Value;
  Changed();
}

void TcxCustomButtonGroupProperties::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  Changed();
}

// No column stays empty: 5 items in 4 columns fill 3 columns of 2.
int TcxCustomButtonGroupProperties::GetUsedColumnCount() {
  const int count = Items()->Count();
  if (count == 0) return 1;
  const int columns = std::min(FColumns, count);
  const int rows = (count + columns - 1) / columns;
  return (count + rows - 1) / rows;
}

int TcxCustomButtonGroupProperties::GetRowCount() {
  const int count = Items()->Count();
  const int columns = GetUsedColumnCount();
  return (count + columns - 1) / columns;
}

TcxCustomEditClass TcxCustomButtonGroupProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxCustomGroupBox>();
}

TcxEditViewInfoClass TcxCustomButtonGroupProperties::GetViewInfoClass() const {
  return TcxEditViewInfoClass::Of<TcxButtonGroupViewInfo>();
}

TcxEditViewDataClass TcxCustomButtonGroupProperties::ViewDataClass() const {
  return TcxEditViewDataClass::Of<TcxButtonGroupViewData>();
}

TcxEditSpecialFeatures TcxCustomButtonGroupProperties::GetSpecialFeatures() {
  TcxEditSpecialFeatures features = TcxCustomGroupBoxProperties::GetSpecialFeatures();
  features.Include(esfMinSize);
  return features;
}

TcxEditSupportedOperations TcxCustomButtonGroupProperties::GetSupportedOperations() {
  TcxEditSupportedOperations operations{esoAlwaysHotTrack, esoAutoHeight,  esoEditing,     esoFiltering,
                                        esoShowingCaption, esoSorting,     esoTransparency, esoNeedHandle};
  if (Items()->Count() > 0) operations.Include(esoHotTrack);
  return operations;
}

void TcxCustomButtonGroupProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomGroupBoxProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomButtonGroupProperties*>(Source);
  if (!source) return;
  SetColumns(source->Columns());
  SetItems(source->Items());
  SetShowEndEllipsis(source->ShowEndEllipsis());
  SetWordWrap(source->WordWrap());
}

const TPropTable* TcxCustomButtonGroupProperties::PublishedTable(TPublishedTag<TcxCustomButtonGroupProperties>) {
  using T = TcxCustomButtonGroupProperties;
  static const TPropTable table = TPublished<T>()
                                      .Property(L"Columns", &T::Columns, &T::SetColumns)
                                      .Stored([](const T& P) { return P.Columns() != 1; })
                                      .Property(L"Items", NonConstGetter<&T::Items>, &T::SetItems)
                                      .Property(L"ShowEndEllipsis", &T::ShowEndEllipsis, &T::SetShowEndEllipsis)
                                      .Stored([](const T& P) { return P.ShowEndEllipsis(); })
                                      .Property(L"WordWrap", &T::WordWrap, &T::SetWordWrap)
                                      .Stored([](const T& P) { return P.WordWrap(); })
                                      .Build();
  return &table;
}

// ---------------------------------------------------------------- button group view info

void TcxButtonGroupViewInfo::DrawItemButtons(TcxCanvas* ACanvas) {
  if (Edit) return;  // the control's child buttons paint themselves
  for (int i = 0; i < ButtonCount(); ++i) DrawButton(ACanvas, i);
}

void TcxButtonGroupViewInfo::DrawButton(TcxCanvas* ACanvas, int AButtonVisibleIndex) {
  TcxGroupBoxButtonViewInfo* button = ItemButton(AButtonVisibleIndex);
  const TRect glyph = button->GetGlyphRect(GetGlyphSize(), Alignment, IsPaintCopy);
  if (!IsPaintCopy)
    DrawEditBackground(ACanvas, button->Bounds, glyph, IsButtonGlyphTransparent(button));
  DrawButtonGlyph(ACanvas, button, glyph);
  DrawButtonCaption(ACanvas, button, glyph);
}

// ---------------------------------------------------------------- button group view data

bool TcxButtonGroupViewData::IsButtonNativeStyle(TcxLookAndFeel* ALookAndFeel) {
  return ALookAndFeel->NativeStyle() && dxThemesAvailable({totButton});
}

int TcxButtonGroupViewData::GetButtonTextFlags() {
  int flags = cxtfAlignLeft | cxtfAlignVCenter | cxtfShowPrefix;
  if (PaintOptions.Contains(epoAutoHeight) && Properties()->WordWrap())
    return flags | cxtfDontClip | cxtfWordBreak;
  flags |= cxtfSingleLine;
  if (Properties()->ShowEndEllipsis()) flags |= cxtfEndEllipsis;
  return flags;
}

TcxEditButtonStyle TcxButtonGroupViewData::ItemButtonStyle(TcxButtonGroupViewInfo* AViewInfo) {
  if (IsInplace()) {
    switch (Style()->LookAndFeel()->Kind()) {
      case lfFlat:
        return btsFlat;
      case lfUltraFlat:
        return btsUltraFlat;
      case lfOffice11:
        return btsOffice11;
      default:
        return bts3D;
    }
  }
  switch (AViewInfo->BorderStyle) {
    case ebsUltraFlat:
      return btsUltraFlat;
    case ebsOffice11:
      return btsOffice11;
    case ebsSingle:
    case ebsThick:
    case ebsFlat:
      return btsFlat;
    default:
      return bts3D;
  }
}

void TcxButtonGroupViewData::InitializeButtons(TcxButtonGroupViewInfo* AViewInfo) {
  TcxButtonGroupItems* items = Properties()->Items();
  const int rows = Properties()->GetRowCount();
  for (int i = 0; i < AViewInfo->ButtonCount(); ++i) {
    TcxGroupBoxButtonViewInfo* button = AViewInfo->ItemButton(i);
    TcxButtonGroupItem* item = items->Items(i);
    button->ButtonIndex = i;
    button->ButtonVisibleIndex = i;
    button->HasBackground = AViewInfo->HasBackground;
    button->Data.Style = ItemButtonStyle(AViewInfo);
    button->Caption = item->Caption();
    button->ItemEnabled = item->Enabled();
    button->Column = i / rows;
    button->Row = i % rows;
    button->ItemTextColor = !IsInplace() || item->Enabled() ? AViewInfo->TextColor : Style()->TextColor();
  }
}

void TcxButtonGroupViewData::ArrangeButtons(TcxCanvas* ACanvas, TcxButtonGroupViewInfo* AViewInfo) {
  TcxButtonGroupMetrics metrics;
  GetButtonMetrics(false, ACanvas, metrics);
  const TRect extent = GetClientExtent(ACanvas, AViewInfo);
  const TRect& bounds = AViewInfo->Bounds;
  const int columns = Properties()->GetUsedColumnCount();
  const int rows = std::max(Properties()->GetRowCount(), 1);
  const int width = (bounds.Width() - extent.Left - extent.Right + metrics.CellWidthCorrection -
                     (columns - 1) * metrics.ColumnSpacing) /
                    columns;
  const int height = bounds.Height() - extent.Top - extent.Bottom;
  const int rowHeight = height / rows;
  const int firstRow = bounds.Top + extent.Top + (height % rows) / 2;
  for (int i = 0; i < AViewInfo->ButtonCount(); ++i) {
    TcxGroupBoxButtonViewInfo* button = AViewInfo->ItemButton(i);
    TRect& r = button->Bounds;
    r.Left = bounds.Left + extent.Left + (width + metrics.ColumnSpacing) * button->Column + metrics.ButtonLeft;
    r.Top = firstRow + rowHeight * button->Row;
    r.Right = r.Left + width;
    r.Bottom = r.Top + rowHeight;
    button->VisibleBounds = r;
  }
}

void TcxButtonGroupViewData::CalculateButtonStates(TcxButtonGroupViewInfo* AViewInfo, const TPoint& P,
                                                   TShiftState Shift) {
  AViewInfo->IsButtonReallyPressed = false;
  AViewInfo->PressedButton = -1;
  AViewInfo->SelectedButton = -1;
  const bool native = IsButtonNativeStyle(Style()->LookAndFeel());
  const bool anyButton = Shift.Contains(ssLeft) || Shift.Contains(ssRight) || Shift.Contains(ssMiddle);
  for (int i = 0; i < AViewInfo->ButtonCount(); ++i) {
    TcxGroupBoxButtonViewInfo* button = AViewInfo->ItemButton(i);
    button->Data.NativeStyle = native;
    button->Data.BackgroundColor = AViewInfo->BackgroundColor();
    TcxEditButtonState state = ebsNormal;
    if (!button->ItemEnabled || !Enabled)
      state = ebsDisabled;
    else if (!IsDesigning && button->Bounds.Contains(P)) {
      if (!anyButton) {
        state = ebsSelected;
        AViewInfo->SelectedButton = i;
      } else if (Shift.Contains(ssLeft)) {
        state = ebsPressed;
        AViewInfo->PressedButton = i;
        AViewInfo->IsButtonReallyPressed = true;
      }
    }
    button->Data.State = state;
    if (native) ComputeButtonThemePart(ButtonThemeHandle(button), button);
  }
}

void TcxButtonGroupViewData::CalculateButtonsViewInfo(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                                      TcxMouseButton Button, TShiftState Shift,
                                                      TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) {
  TcxGroupBoxViewData::CalculateButtonsViewInfo(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  auto* viewInfo = static_cast<TcxButtonGroupViewInfo*>(AViewInfo);
  viewInfo->ButtonTextFlags = GetButtonTextFlags();
  viewInfo->SetButtonCount(Properties()->Items()->Count());
  if (viewInfo->ButtonCount() == 0) return;
  InitializeButtons(viewInfo);
  ArrangeButtons(ACanvas, viewInfo);
  CalculateButtonStates(viewInfo, P, Shift);
}

TSize TcxButtonGroupViewData::GetEditConstantPartSize(TcxCanvas* ACanvas,
                                                      const TcxEditSizeProperties& AEditSizeProperties,
                                                      TSize& AMinContentSize, TcxCustomEditViewInfo* AViewInfo) {
  AMinContentSize = TSize(0, 0);
  ACanvas->SetFont(Style()->GetVisibleFont());
  const TSize correction = GetEditContentSizeCorrection();
  int rowHeight = ACanvas->TextHeight(L"Zg") + correction.cy;
  TcxButtonGroupItems* items = Properties()->Items();
  const int count = items->Count();
  if (count == 0) return TSize(AEditSizeProperties.Width < 0 ? 0 : AEditSizeProperties.Width, rowHeight);
  TcxButtonGroupMetrics metrics;
  GetButtonMetrics(true, ACanvas, metrics);
  const int columns = Properties()->GetUsedColumnCount();
  const int rows = Properties()->GetRowCount();
  if (AEditSizeProperties.Width < 0) {
    int widest = 0;
    for (int i = 0; i < count; ++i) widest = std::max(widest, ACanvas->TextWidth(items->Items(i)->Caption()));
    return TSize((widest + metrics.GlyphTextGap + metrics.GlyphWidth) * columns +
                     (columns - 1) * metrics.ColumnSpacing + metrics.ExtraWidth,
                 std::max(metrics.GlyphHeight, rowHeight) * rows);
  }
  const int textWidth = std::max(
      (AEditSizeProperties.Width + metrics.WidthCorrection - ContentOffset.Left - ContentOffset.Right -
       (columns - 1) * metrics.ColumnSpacing) / columns - metrics.GlyphWidth - metrics.TextIndent,
      1);
  PaintOptions.Include(epoAutoHeight);
  if (Properties()->WordWrap())
    for (int i = 0; i < count; ++i) {
      const String& caption = items->Items(i)->Caption();
      if (caption.empty()) continue;
      TRect r(0, 0, textWidth, 0);
      ACanvas->TextExtent(caption, r, cxtfAlignLeft | cxtfAlignTop | cxtfShowPrefix | cxtfWordBreak);
      rowHeight = std::max<int>(rowHeight, r.Height() + correction.cy);
    }
  int height = rowHeight * rows;
  if (!IsInplace()) {
    const TRect extent = GetClientExtent(ACanvas, AViewInfo);
    height += extent.Top + extent.Bottom;
  }
  return TSize(AEditSizeProperties.Width, height);
}

// ---------------------------------------------------------------- button group control

TcxCustomButtonGroup::TcxCustomButtonGroup(TComponent* AOwner, bool AIsInplace)
    : TcxCustomGroupBox(AOwner, AIsInplace) {
  SetTabStop(true);
}

TcxCustomButtonGroup::~TcxCustomButtonGroup() {
  while (!FButtons.empty()) FreeButton(ButtonCount() - 1);
}

bool TcxCustomButtonGroup::Focused() {
  if (TcxCustomGroupBox::Focused()) return true;
  for (TWinControl* button : FButtons)
    if (button->Focused()) return true;
  return false;
}

bool TcxCustomButtonGroup::IsButtonNativeStyle() {
  return Style()->LookAndFeel()->NativeStyle() && dxThemesAvailable({totButton});
}

int TcxCustomButtonGroup::FocusedButtonIndex() {
  for (int i = 0; i < ButtonCount(); ++i)
    if (FButtons[i]->Focused()) return i;
  return -1;
}

void TcxCustomButtonGroup::FreeButton(int AIndex) {
  TWinControl* button = FButtons.at(AIndex);
  FButtons.erase(FButtons.begin() + AIndex);
  delete button;
}

void TcxCustomButtonGroup::InitializeButton(TWinControl* AButton) {
  AButton->SetParent(this);
  // The mouse on a button is reported by the group's events, in its
  // coordinates; the group's own mouse handling (focus, capture) stays out.
  AButton->OnMouseDown = [this, AButton](TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {
    SetInnerControlMouseDown(true);
    try {
      if (OnMouseDown) OnMouseDown(this, Button, Shift, X + AButton->Left(), Y + AButton->Top());
    } catch (...) {
      SetInnerControlMouseDown(false);
      throw;
    }
    SetInnerControlMouseDown(false);
  };
  AButton->OnMouseMove = [this, AButton](TObject*, TShiftState Shift, int X, int Y) {
    if (OnMouseMove) OnMouseMove(this, Shift, X + AButton->Left(), Y + AButton->Top());
  };
  AButton->OnMouseUp = [this, AButton](TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X + AButton->Left(), Y + AButton->Top());
  };
  AButton->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) { KeyDown(Key, Shift); };
  AButton->OnKeyPress = [this](TObject*, wchar_t& Key) { KeyPress(Key); };
  AButton->OnKeyUp = [this](TObject*, uint16_t& Key, TShiftState Shift) { KeyUp(Key, Shift); };
}

void TcxCustomButtonGroup::SynchronizeButtonCount(int ACount) {
  TcxButtonGroupItems* items = ActiveProperties()->Items();
  if (items->ItemChanged() && items->ChangedItemOperation() == copAdd && ButtonCount() + 1 == ACount) {
    TWinControl* button = CreateButton();
    FButtons.insert(FButtons.begin() + std::min(items->ChangedItemIndex(), ButtonCount()), button);
    InitializeButton(button);
    return;
  }
  if (items->ItemChanged() && items->ChangedItemOperation() == copDelete && ButtonCount() - 1 == ACount) {
    FreeButton(items->ChangedItemIndex());
    return;
  }
  LockAlignControls(true);
  try {
    while (ButtonCount() > ACount) FreeButton(ButtonCount() - 1);
    while (ButtonCount() < ACount) {
      TWinControl* button = CreateButton();
      FButtons.push_back(button);
      InitializeButton(button);
    }
  } catch (...) {
    LockAlignControls(false);
    throw;
  }
  LockAlignControls(false);
}

void TcxCustomButtonGroup::UpdateButtons() {
  TcxButtonGroupItems* items = ActiveProperties()->Items();
  SynchronizeButtonCount(items->Count());
  ShortRefreshContainer(false);
  for (int i = 0; i < ButtonCount(); ++i) {
    FButtons[i]->SetEnabled(Enabled() && items->Items(i)->Enabled());
    FButtons[i]->SetCursor(Cursor());
  }
  UpdateButtonColors();
}

void TcxCustomButtonGroup::UpdateButtonColors() {
  for (TWinControl* button : FButtons) button->SetColor(ViewInfo()->BackgroundColor());
}

void TcxCustomButtonGroup::UpdateButtonBounds() {
  TcxCustomEditViewInfo* viewInfo = ViewInfo();
  for (int i = 0; i < ButtonCount() && i < viewInfo->ButtonCount(); ++i) {
    const TRect& r = viewInfo->Button(i)->Bounds;
    FButtons[i]->SetBounds(r.Left, r.Top, r.Width(), r.Height());
  }
}

void TcxCustomButtonGroup::HandlePropertiesChanged(TObject* Sender) {
  TcxCustomGroupBox::HandlePropertiesChanged(Sender);
  UpdateButtons();
}

void TcxCustomButtonGroup::CalculateViewInfoAtPoint(const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                                                    bool AIsMouseEvent) {
  TcxCustomGroupBox::CalculateViewInfoAtPoint(P, Button, Shift, AIsMouseEvent);
  UpdateButtonBounds();
}

void TcxCustomButtonGroup::EnabledChanged() {
  TcxCustomGroupBox::EnabledChanged();
  UpdateButtons();
}

void TcxCustomButtonGroup::CreateWnd() {
  TcxCustomGroupBox::CreateWnd();
  UpdateButtons();
}

// The arrows move the focus to the neighbouring enabled button, column by
// column; nothing wraps.
void TcxCustomButtonGroup::HandleEditKeyDown(uint16_t& Key, TShiftState Shift) {
  const int index = FocusedButtonIndex();
  if (index >= 0) {
    const int count = ButtonCount();
    const int rows = std::max(ActiveProperties()->GetRowCount(), 1);
    const int column = index / rows;
    const int row = index % rows;
    const int lastRow = std::min(rows, count - column * rows) - 1;
    int target = -1;
    switch (Key) {
      case VK_LEFT:
        if (column > 0) target = index - rows;
        break;
      case VK_UP:
        if (row > 0) target = index - 1;
        break;
      case VK_RIGHT:
        if (index + rows < count) target = index + rows;
        break;
      case VK_DOWN:
        if (row < lastRow) target = index + 1;
        break;
      default:
        break;
    }
    if (target >= 0 && FButtons[target]->Enabled()) {
      FButtons[target]->SetFocus();
      Key = 0;
    }
  }
  TcxCustomGroupBox::HandleEditKeyDown(Key, Shift);
}
