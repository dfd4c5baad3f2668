// The button's view info, its three layout calculators and its painter.
#include <algorithm>

#include "components/editors-basic/cxButtons.h"
#include "components/controls/cxControls.h"
#include "components/core/dxThemeManager.h"
#include "vcl/controls/Menus.h"

namespace {

bool IsVertical(TButtonLayout ALayout) { return ALayout == blGlyphTop || ALayout == blGlyphBottom; }
// The extent along the layout's axis.
int Along(TButtonLayout ALayout, const TSize& S) { return IsVertical(ALayout) ? S.cy : S.cx; }
int Along(TButtonLayout ALayout, const TRect& R) { return IsVertical(ALayout) ? R.Height() : R.Width(); }

// Narrows R to AWidth on the side the layout aligns text to.
void AlignToWidth(TRect& R, int AWidth, TButtonLayout ALayout) {
  switch (ALayout) {
    case blGlyphLeft: R.Right = R.Left + AWidth; break;
    case blGlyphRight: R.Left = R.Right - AWidth; break;
    default:
      R.Left = (R.Left + R.Right - AWidth) / 2;
      R.Right = R.Left + AWidth;
  }
}

}  // namespace

// ---------------------------------------------------------------- TcxButtonPainter

TcxCustomLookAndFeelPainter* TcxButtonPainter::LookAndFeelPainter() const {
  return GetButtonLookAndFeelPainter(Button()->LookAndFeel());
}

TcxLookAndFeelStyle TcxButtonPainter::LookAndFeelStyle() const { return LookAndFeelPainter()->LookAndFeelStyle(); }

TcxButtonViewInfo* TcxButtonPainter::ViewInfo() const { return Button()->ViewInfo(); }

uint32_t TcxButtonPainter::GetBiDiFlags() const { return Button()->DrawTextBiDiModeFlags(0); }

void TcxButtonPainter::DrawButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState, TColor AColor,
                                  TcxButtonPart APart) {
  if (Button()->Kind() == cxbkCommandLink) return DrawCommandLinkButton(ACanvas, R, AState, AColor);
  if (Button()->SpeedButtonOptions()->UsesSpeedButtonLook()) return DrawSpeedButton(ACanvas, R, AState, AColor, APart);
  LookAndFeelPainter()->DrawButton(ACanvas, R, String(), AState, true, AColor, ACanvas->Font()->Color(),
                                   Button()->WordWrap(), false, APart);
}

void TcxButtonPainter::DrawSpeedButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState, TColor AColor,
                                       TcxButtonPart APart) {
  TcxCustomLookAndFeelPainter* painter = LookAndFeelPainter();
  TcxSpeedButtonOptions* options = Button()->SpeedButtonOptions();
  const bool mouseOver = Button()->InternalState().Contains(bisHot);
  const TcxLookAndFeelStyle style = LookAndFeelStyle();
  const bool designing = Button()->ComponentState().Contains(csDesigning);
  if (style != lfsSkin && style != lfsNative && style != lfsOffice11 &&
      (!options->Flat() || designing || (AState != cxbsDisabled && (mouseOver || AState != cxbsNormal)))) {
    painter->DrawButtonBorder(ACanvas, R, AState);
    const int border = painter->ButtonBorderSize(AState);
    R.Inflate(-border, -border);
  }
  ACanvas->SaveClipRegion();
  ACanvas->IntersectClipRect(R);
  if (!options->Transparent() || (AState != cxbsDisabled && AState != cxbsNormal && !mouseOver) ||
      (mouseOver && painter->IsButtonHotTrack()))
    painter->DrawButton(ACanvas, R, String(), AState, false, AColor, ACanvas->Font()->Color(), Button()->WordWrap(),
                        true, APart);
  else
    cxPaintParentImage(Button(), ACanvas, ViewInfo()->Bounds());
  ACanvas->RestoreClipRegion();
}

void TcxButtonPainter::DrawCommandLinkButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                             TColor AColor) {
  LookAndFeelPainter()->DrawCommandLinkBackground(ACanvas, R, AState, AColor);
  if (!Button()->ButtonGlyph()->IsImageAssigned())
    LookAndFeelPainter()->DrawCommandLinkGlyph(ACanvas, ViewInfo()->GlyphPos(), AState);
}

void TcxButtonPainter::DrawDropDownArrow(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  LookAndFeelPainter()->DrawScrollBarArrow(ACanvas, R, AState, adDown);
}

void TcxButtonPainter::DrawFocusRect(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->DrawFocusRect(LookAndFeelPainter()->ButtonFocusRect(ACanvas, R));
}

void TcxButtonPainter::DrawParentBackground(TcxCanvas* ACanvas, const TRect& R) {
  switch (LookAndFeelStyle()) {
    case lfsNative:
      if (HTHEME theme = dxThemeHandleOf(totButton);
          theme && IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, PBS_NORMAL))
        cxPaintParentBackground(Button(), ACanvas, R);
      break;
    case lfsSkin: cxPaintParentImage(Button(), ACanvas, R); break;
    default: break;
  }
}

int TcxButtonPainter::GetDropDownArrowSize() { return LookAndFeelPainter()->GetDropDownButtonRightPartSize(); }
int TcxButtonPainter::GetDropDownButtonSize() { return LookAndFeelPainter()->GetDropDownButtonRightPartSize(); }

void TcxButtonPainter::DrawText(TcxCanvas* ACanvas, const String& AText, uint32_t AFlags, TRect R) {
  if (ViewInfo()->IsDrawOnGlass()) {
    cxDrawTextOnGlass(ACanvas->Handle(), AText, ACanvas->Font(), R, ACanvas->Font()->Color(), AFlags, 0, true);
    return;
  }
  cxDrawTextColored(ACanvas->Handle(), AText, R, AFlags, -1, ACanvas->Font()->Color());
}

void TcxButtonPainter::DrawText(TcxCanvas* ACanvas, const String& AText, uint32_t AFlags, TcxButtonState AState,
                                const TRect& R) {
  if (AText.empty() || !ACanvas->RectVisible(R)) return;
  AFlags |= GetBiDiFlags();
  const TBrushStyle savedBrushStyle = ACanvas->Brush()->Style();
  ACanvas->Brush()->SetStyle(bsClear);
  if (AState == cxbsDisabled && LookAndFeelStyle() != lfsSkin) {
    // Embossed: a highlight copy one pixel down and right under the text.
    const TColor textColor = ACanvas->Font()->Color();
    TRect shadow = R;
    shadow.Offset(1, 1);
    ACanvas->Font()->SetColor(clBtnHighlight);
    DrawText(ACanvas, AText, AFlags, shadow);
    ACanvas->Font()->SetColor(textColor);
  }
  DrawText(ACanvas, AText, AFlags, R);
  ACanvas->Brush()->SetStyle(savedBrushStyle);
}

TColor TcxButtonPainter::GetTextColor(TcxButtonState AState, TColor ADefaultColor) {
  const TColor assigned = Button()->Colors()->GetTextColorByState(AState);
  if (assigned != clDefault) return assigned;
  if (Button()->Kind() == cxbkCommandLink) return LookAndFeelPainter()->DefaultCommandLinkTextColor(AState, ADefaultColor);
  return LookAndFeelPainter()->ButtonSymbolColor(AState, ADefaultColor);
}

TColor TcxButtonPainter::GetDescriptionTextColor(TcxButtonState AState, TColor ADefaultColor) {
  return LookAndFeelPainter()->ButtonDescriptionTextColor(AState, ADefaultColor);
}

TPoint TcxButtonPainter::GetPressedTextShift() {
  const int shift = LookAndFeelPainter()->ButtonTextShift();
  return TPoint(shift, shift);
}

TSize TcxButtonPainter::GetCommandLinkGlyphSize() { return LookAndFeelPainter()->GetCommandLinkGlyphSize(); }
TRect TcxButtonPainter::GetCommandLinkMargins() { return LookAndFeelPainter()->GetCommandLinkMargins(); }

// ---------------------------------------------------------------- TcxButtonViewInfo

TcxButtonViewInfo::TcxButtonViewInfo(TcxCustomButton* AOwner)
    : TcxButtonCustomPersistent(AOwner), FDescriptionFont(std::make_unique<TFont>()),
      FFont(std::make_unique<TFont>()) {
  FPainter.reset(MakeButtonPainter());
}

TcxButtonViewInfo::~TcxButtonViewInfo() = default;

TcxButtonPainter* TcxButtonViewInfo::MakeButtonPainter() { return new TcxButtonPainter(Button()); }

TcxButtonGlyph* TcxButtonViewInfo::ButtonGlyph() const { return Button()->ButtonGlyph(); }
String TcxButtonViewInfo::Caption() const { return Button()->Caption(); }
String TcxButtonViewInfo::Description() const { return Button()->Description(); }
TcxButtonKind TcxButtonViewInfo::Kind() const { return Button()->Kind(); }
bool TcxButtonViewInfo::HasDropDownButton() const { return Kind() == cxbkDropDownButton; }
bool TcxButtonViewInfo::IsDrawOnGlass() const { return cxIsControlPaintingOnGlass(Button()); }

bool TcxButtonViewInfo::IsCaptionVisible() const {
  const TcxButtonPaintStyle style = Button()->PaintStyle();
  return !Caption().empty() && (style == bpsDefault || style == bpsCaption || Kind() == cxbkCommandLink);
}

bool TcxButtonViewInfo::IsGlyphVisible() const {
  const TcxButtonPaintStyle style = Button()->PaintStyle();
  return (style == bpsDefault || style == bpsGlyph) && ButtonGlyph()->IsImageAssigned();
}

TRect TcxButtonViewInfo::GetContentRect(TcxButtonState AState) const {
  TRect result = FButtonRect;
  if (Kind() == cxbkCommandLink) return result;
  const int border = FPainter->LookAndFeelPainter()->ButtonBorderSize(AState);
  result.Inflate(-border, -border);
  return result;
}

void TcxButtonViewInfo::EnsureLayout(TButtonLayout& ALayout) {
  if ((FPainter->GetBiDiFlags() & DT_RIGHT) == 0) return;
  if (ALayout == blGlyphLeft) ALayout = blGlyphRight;
  else if (ALayout == blGlyphRight) ALayout = blGlyphLeft;
}

uint32_t TcxButtonViewInfo::GetCaptionDrawTextFlags() const {
  if (Kind() == cxbkCommandLink) return DT_WORDBREAK | DT_NOCLIP | DT_END_ELLIPSIS;
  return DT_CENTER | DT_VCENTER | DT_NOCLIP | (Button()->WordWrap() ? DT_WORDBREAK : 0);
}

uint32_t TcxButtonViewInfo::GetDescriptionDrawTextFlags() const {
  uint32_t flags = DT_WORDBREAK;
  if (Kind() == cxbkOfficeDropDown) {
    switch (FLayout) {
      case blGlyphLeft: flags |= DT_LEFT; break;
      case blGlyphRight: flags |= DT_RIGHT; break;
      default: flags |= DT_CENTER;
    }
  }
  return flags;
}

TcxButtonState TcxButtonViewInfo::DropDownButtonState() const {
  if (Button()->InternalState().Contains(bisMenuVisible)) return cxbsPressed;
  if (FState == cxbsPressed) return Button()->IsDefaultLook() ? cxbsHot : cxbsNormal;
  return FState;
}

bool TcxButtonViewInfo::NeedDrawDropDownArrow() const {
  return !FDropDownArrowRect.IsEmpty() && !(HasDropDownButton() && FPainter->LookAndFeelStyle() == lfsSkin);
}

bool TcxButtonViewInfo::NeedDrawFocusRect() const {
  return Button()->CanFocus() && Button()->ShowFocusRect() && Button()->Focused() &&
         !Button()->InternalState().Contains(bisMenuVisible);
}

void TcxButtonViewInfo::Calculate(const TRect& ABounds) {
  FBounds = ABounds;
  FState = Button()->GetPaintState();
  FLayout = Button()->OptionsImage()->Layout();
  EnsureLayout(FLayout);
  CalculateDrawParams();
  CalculateButtonRects();
  CalculateContentLayout();
}

void TcxButtonViewInfo::CalculateDrawParams() {
  FFont->Assign(Button()->Font());
  FFont->SetColor(FPainter->GetTextColor(FState, FFont->Color()));
  FDescriptionFont->Assign(FFont.get());
  FDescriptionFont->SetColor(FPainter->GetDescriptionTextColor(FState, FDescriptionFont->Color()));
  if (Kind() == cxbkCommandLink) FDescriptionFont->SetSize(std::max(1, 3 * FFont->Size() / 4));
  FColor = Button()->Colors()->GetColorByState(FState);
  Button()->FireGetDrawParams(FState, FColor, FFont.get());
}

void TcxButtonViewInfo::CalculateButtonRects() {
  FButtonRect = FBounds;
  FDropDownButtonRect = TRect();
  if (!HasDropDownButton()) return;
  FDropDownButtonRect = TRect(FBounds.Right - FPainter->GetDropDownButtonSize(), FBounds.Top, FBounds.Right,
                              FBounds.Bottom);
  FButtonRect.Right = FDropDownButtonRect.Left;
  // The two parts overlap so that they share one border.
  if (FPainter->LookAndFeelStyle() != lfsSkin && !Button()->SpeedButtonOptions()->UsesSpeedButtonLook())
    FButtonRect.Right += 2;
}

TcxButtonCustomLayoutCalculator* TcxButtonViewInfo::MakeLayoutCalculator(TcxButtonKind AKind) {
  switch (AKind) {
    case cxbkCommandLink: return new TcxButtonCommandLinkLayoutCalculator(Button());
    case cxbkOfficeDropDown: return new TcxButtonOfficeDropDownLayoutCalculator(Button());
    default: return new TcxButtonStandardLayoutCalculator(Button());
  }
}

void TcxButtonViewInfo::CalculateContentLayout() {
  FCaptionRect = FDescriptionRect = FDropDownArrowRect = TRect();
  FGlyphPos = TPoint(0, 0);
  std::unique_ptr<TcxButtonCustomLayoutCalculator> calculator(MakeLayoutCalculator(Kind()));
  calculator->Calculate();
}

void TcxButtonViewInfo::Draw(TcxCanvas* ACanvas) {
  if (Button()->UsesSystemDrawing()) return;
  // A running fade draws the parent's image and the background together.
  if (!Button()->FadingHelper()->DrawImage(ACanvas->Handle(), FBounds)) {
    FPainter->DrawParentBackground(ACanvas, FBounds);
    DrawBackground(ACanvas);
  }
  DrawContent(ACanvas);
  if (NeedDrawFocusRect()) FPainter->DrawFocusRect(ACanvas, FButtonRect);
}

void TcxButtonViewInfo::DrawBackground(TcxCanvas* ACanvas) {
  if (HasDropDownButton()) {
    FPainter->DrawButton(ACanvas, FButtonRect, FState, FColor, cxbpDropDownLeftPart);
    FPainter->DrawButton(ACanvas, FDropDownButtonRect, DropDownButtonState(), FColor, cxbpDropDownRightPart);
  } else {
    FPainter->DrawButton(ACanvas, FButtonRect, FState, FColor, cxbpButton);
  }
}

void TcxButtonViewInfo::DrawBackgroundInState(TcxCanvas* ACanvas, TcxButtonState AState) {
  const TcxButtonState state = FState;
  FState = AState;
  FPainter->DrawParentBackground(ACanvas, FBounds);
  DrawBackground(ACanvas);
  FState = state;
}

void TcxButtonViewInfo::DrawContent(TcxCanvas* ACanvas) {
  if (NeedDrawDropDownArrow()) FPainter->DrawDropDownArrow(ACanvas, FDropDownArrowRect, DropDownButtonState());
  ACanvas->SaveClipRegion();
  ACanvas->IntersectClipRect(GetContentRect(FState));
  if (IsGlyphVisible()) ButtonGlyph()->DrawButtonGlyph(ACanvas, FGlyphPos, FState);
  if (IsCaptionVisible() && !FCaptionRect.IsEmpty()) {
    ACanvas->SetFont(FFont.get());
    FPainter->DrawText(ACanvas, Caption(), GetCaptionDrawTextFlags(), FState, FCaptionRect);
  }
  if (!FDescriptionRect.IsEmpty()) {
    ACanvas->SetFont(FDescriptionFont.get());
    FPainter->DrawText(ACanvas, Description(), GetDescriptionDrawTextFlags(), FState, FDescriptionRect);
  }
  ACanvas->RestoreClipRegion();
}

// ---------------------------------------------------------------- layout calculators

TcxButtonImageOptions* TcxButtonCustomLayoutCalculator::OptionsImage() const { return Button()->OptionsImage(); }
TcxButtonViewInfo* TcxButtonCustomLayoutCalculator::ViewInfo() const { return Button()->ViewInfo(); }

TSize TcxButtonStandardLayoutCalculator::GlyphSize() const {
  return ViewInfo()->IsGlyphVisible() ? ViewInfo()->ButtonGlyph()->ImageSize() : TSize{0, 0};
}

void TcxButtonStandardLayoutCalculator::Calculate() {
  FMargin = OptionsImage()->Margin();
  FSpacing = OptionsImage()->Spacing();
  DoCalculate(ViewInfo()->GetContentRect(cxbsDefault));
}

void TcxButtonStandardLayoutCalculator::DoCalculate(TRect R) {
  if (ViewInfo()->State() == cxbsPressed) {
    const TPoint shift = Painter()->GetPressedTextShift();
    R.Offset(shift.X, shift.Y);
  }
  TRect textRect;
  CalculateTextAreaSize(R);
  CalculateMarginAndSpacing(R, FMargin, FSpacing);
  CalculateGlyphPos(R);
  CalculateTextBounds(R, textRect);
  SetCaptionRect(textRect);
  CalculateDropDownArrowRect();
}

TRect TcxButtonStandardLayoutCalculator::GetTextOffsets() {
  return ViewInfo()->IsGlyphVisible() ? TRect(0, 0, 0, 0) : TRect(1, 0, 2, 0);
}

TRect TcxButtonStandardLayoutCalculator::AvailableTextRect(const TRect& R) {
  const TRect offsets = GetTextOffsets();
  TRect result(offsets.Left, offsets.Top, R.Width() - offsets.Right, -offsets.Bottom);
  if (IsHorizontalLayout()) result.Right -= std::max(FMargin, 0) + GlyphSize().cx + FSpacing;
  return result;
}

void TcxButtonStandardLayoutCalculator::CalculateTextAreaSize(const TRect& R) {
  FTextAreaSize = TSize{0, 0};
  if (!ViewInfo()->IsCaptionVisible()) return;
  const TRect offsets = GetTextOffsets();
  TRect text = AvailableTextRect(R);
  cxCalcTextRect(text, ViewInfo()->Caption(), ViewInfo()->Font(),
                 Painter()->GetBiDiFlags() | (Button()->WordWrap() ? DT_WORDBREAK : 0));
  FTextAreaSize = TSize{text.Width() + offsets.Left + offsets.Right, text.Height() + offsets.Top + offsets.Bottom};
}

void TcxButtonStandardLayoutCalculator::CalculateMarginAndSpacing(const TRect& R, int& AMargin, int& ASpacing) {
  const TButtonLayout layout = Layout();
  const TSize glyph = GlyphSize();
  if (FTextAreaSize.cx == 0 || glyph.cx == 0) ASpacing = 0;
  const TSize total{glyph.cx + FTextAreaSize.cx, glyph.cy + FTextAreaSize.cy};
  if (AMargin == -1) {
    if (ASpacing == -1) {
      AMargin = (Along(layout, R) - Along(layout, total)) / 3;
      ASpacing = AMargin;
    } else {
      AMargin = (Along(layout, R) - (Along(layout, total) + ASpacing)) / 2;
    }
  } else if (ASpacing == -1) {
    ASpacing = (Along(layout, R) - AMargin - Along(layout, glyph) - Along(layout, FTextAreaSize)) / 2;
  }
}

void TcxButtonStandardLayoutCalculator::CalculateGlyphPos(const TRect& R) {
  const TSize glyph = GlyphSize();
  TPoint& pos = ViewInfo()->FGlyphPos;
  switch (Layout()) {
    case blGlyphLeft: pos.X = R.Left + FMargin; break;
    case blGlyphRight: pos.X = R.Right - FMargin - glyph.cx; break;
    case blGlyphTop: pos.Y = R.Top + FMargin; break;
    case blGlyphBottom: pos.Y = R.Bottom - FMargin - glyph.cy; break;
  }
  if (IsHorizontalLayout()) pos.Y = R.Top + (R.Height() - glyph.cy) / 2;
  else pos.X = R.Left + (R.Width() - glyph.cx) / 2;
}

void TcxButtonStandardLayoutCalculator::CalculateTextBounds(const TRect& R, TRect& ATextRect) {
  const TRect o = GetTextOffsets();
  const TSize glyph = GlyphSize();
  const TPoint pos = ViewInfo()->GlyphPos();
  ATextRect = TRect(o.Left, o.Top, o.Left + FTextAreaSize.cx - o.Left - o.Right,
                    o.Top + FTextAreaSize.cy - o.Top - o.Bottom);
  switch (Layout()) {
    case blGlyphLeft: ATextRect.Offset(pos.X + glyph.cx + FSpacing, 0); break;
    case blGlyphRight: ATextRect.Offset(pos.X - FSpacing - FTextAreaSize.cx, 0); break;
    case blGlyphTop: ATextRect.Offset(0, pos.Y + glyph.cy + FSpacing); break;
    case blGlyphBottom: ATextRect.Offset(0, pos.Y - FSpacing - FTextAreaSize.cy); break;
  }
  if (IsHorizontalLayout()) ATextRect.Offset(0, R.Top + (R.Height() - FTextAreaSize.cy - 1) / 2);
  else ATextRect.Offset(R.Left + (R.Width() - FTextAreaSize.cx) / 2, 0);
}

void TcxButtonStandardLayoutCalculator::SetCaptionRect(const TRect& ATextRect) { ViewInfo()->FCaptionRect = ATextRect; }

void TcxButtonStandardLayoutCalculator::CalculateDropDownArrowRect() {
  ViewInfo()->FDropDownArrowRect = ViewInfo()->HasDropDownButton() ? ViewInfo()->DropDownButtonRect() : TRect();
}

TRect TcxButtonOfficeDropDownLayoutCalculator::GetTextOffsets() {
  TRect result = TcxButtonStandardLayoutCalculator::GetTextOffsets();
  if (!IsHorizontalLayout()) {
    const int arrow = Painter()->GetDropDownArrowSize() + 2;
    result.Left += arrow;
    result.Right += arrow;
  }
  return result;
}

void TcxButtonOfficeDropDownLayoutCalculator::DoCalculate(TRect R) {
  if (IsHorizontalLayout()) {
    R.Right -= Painter()->GetDropDownArrowSize() + 2;
    if (FMargin < 0) FMargin = Layout() == blGlyphRight ? 0 : 7;
  }
  TcxButtonStandardLayoutCalculator::DoCalculate(R);
}

void TcxButtonOfficeDropDownLayoutCalculator::CalculateTextAreaSize(const TRect& R) {
  FCaptionSize = FDescriptionSize = FTextAreaSize = TSize{0, 0};
  if (!ViewInfo()->IsCaptionVisible()) return;
  const TRect available = AvailableTextRect(R);
  const uint32_t bidi = Painter()->GetBiDiFlags();
  TRect caption = available;
  cxCalcTextRect(caption, ViewInfo()->Caption(), ViewInfo()->Font(), bidi | (Button()->WordWrap() ? DT_WORDBREAK : 0));
  FCaptionSize = caption.Size();
  TRect description = available;
  cxCalcTextRect(description, ViewInfo()->Description(), ViewInfo()->DescriptionFont(), bidi | DT_WORDBREAK);
  FDescriptionSize = description.Size();
  FTextAreaSize = FCaptionSize;
  if (FDescriptionSize.cx > 0 && FDescriptionSize.cy > 0) {
    FTextAreaSize.cx = std::max(FCaptionSize.cx, FDescriptionSize.cx);
    FTextAreaSize.cy += FDescriptionSize.cy + 2;
  }
  const TRect o = GetTextOffsets();
  FTextAreaSize.cx += o.Left + o.Right;
  FTextAreaSize.cy += o.Top + o.Bottom;
}

void TcxButtonOfficeDropDownLayoutCalculator::SetCaptionRect(const TRect& T) {
  TRect caption(T.Left, T.Top, T.Right, T.Top + FCaptionSize.cy);
  TRect description(T.Left, T.Bottom - FDescriptionSize.cy, T.Right, T.Bottom);
  AlignToWidth(caption, FCaptionSize.cx, Layout());
  AlignToWidth(description, FDescriptionSize.cx, Layout());
  ViewInfo()->FCaptionRect = caption;
  ViewInfo()->FDescriptionRect = description;
}

void TcxButtonOfficeDropDownLayoutCalculator::CalculateDropDownArrowRect() {
  const int size = Painter()->GetDropDownArrowSize();
  TcxButtonViewInfo* viewInfo = ViewInfo();
  if (IsHorizontalLayout()) {
    const int right = viewInfo->Bounds().Right - 2;
    viewInfo->FDropDownArrowRect = TRect(right - size, viewInfo->Bounds().Top, right, viewInfo->Bounds().Bottom);
    return;
  }
  const TRect& c = viewInfo->CaptionRect();
  const TRect& d = viewInfo->DescriptionRect();
  TRect u = c;
  if (u.IsEmpty()) u = d;
  else if (!d.IsEmpty())
    u = TRect(std::min(c.Left, d.Left), std::min(c.Top, d.Top), std::max(c.Right, d.Right),
              std::max(c.Bottom, d.Bottom));
  const int top = (u.Top + u.Bottom - size) / 2;
  viewInfo->FDropDownArrowRect = TRect(u.Right, top, u.Right + size, top + size);
}

void TcxButtonCommandLinkLayoutCalculator::Calculate() {
  DoCalculate(ViewInfo()->GetContentRect(cxbsDefault), OptionsImage()->Margin(), OptionsImage()->Spacing());
}

void TcxButtonCommandLinkLayoutCalculator::DoCalculate(const TRect& R, int AMargin, int ASpacing) {
  TcxButtonViewInfo* viewInfo = ViewInfo();
  const TRect margins = Painter()->GetCommandLinkMargins();
  TRect content(R.Left + margins.Left, R.Top + margins.Top, R.Right - margins.Right, R.Bottom - margins.Bottom);
  if (AMargin >= 0) {
    content.Left = R.Left + AMargin;
    content.Right = R.Right - AMargin;
  }
  viewInfo->FGlyphPos = TPoint(content.Left, content.Top);
  TRect caption = content;
  const int glyphWidth = viewInfo->ButtonGlyph()->ImageSize().cx;
  if (glyphWidth > 0) caption.Left += glyphWidth + std::max(ASpacing, 0);
  if (viewInfo->Caption().empty()) caption.Bottom = caption.Top;
  else
    cxCalcTextRect(caption, viewInfo->Caption(), viewInfo->Font(),
                   Painter()->GetBiDiFlags() | DT_WORDBREAK | DT_END_ELLIPSIS);
  viewInfo->FCaptionRect = caption;
  TRect description = content;
  description.Left = caption.Left;
  if (caption.Height() > 0) description.Top = caption.Bottom + 2;
  viewInfo->FDescriptionRect = description;
}
