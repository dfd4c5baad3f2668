// The text editor's view data and view info: its drawn text, text
// rectangle, flags and selection colours, its content size, and the
// painting of the text with its highlighted selection.
#include "components/core/dxCore.h"
#include "components/editors/cxTextEdit.h"

namespace {

constexpr uint32_t AlignYBits = cxtlCenterY | cxtlBottom;

uint32_t WordBreakInsteadOfSingleLine(uint32_t AFlags) {
  if (AFlags & cxtlSingleLine) AFlags = (AFlags & ~cxtlSingleLine) | cxtlWordBreak | cxtlEditControl;
  return AFlags;
}

// The rows a text takes in R with AFlags, at most AMaxRows (0: no limit).
int TextRowCount(TcxCanvas* ACanvas, const String& AText, const TRect& R, uint32_t AFlags, int AMaxRows,
                 TFont* AFont) {
  TRect r = R;
  return cxDrawTextWithHighlight(ACanvas->Handle(), AText, r, AFlags | cxtlCalcRowCount, 0, 0, AFont, clNone, clNone,
                                 AMaxRows);
}

// The rectangle a text needs, laid out in R with AFlags.
TRect MeasureText(TcxCanvas* ACanvas, const String& AText, const TRect& R, uint32_t AFlags, int AMaxRows,
                  TFont* AFont) {
  TRect r = R;
  cxDrawTextWithHighlight(ACanvas->Handle(), AText, r, AFlags | cxtlCalcRect, 0, 0, AFont, clNone, clNone, AMaxRows);
  return r;
}

TRect RectLessOffsets(const TRect& R, const TRect& AOffsets) {
  return TRect(R.Left + AOffsets.Left, R.Top + AOffsets.Top, R.Right - AOffsets.Right, R.Bottom - AOffsets.Bottom);
}

TColor InvertedColor(TColor AColor) { return static_cast<TColor>(ColorToRGB(AColor) ^ 0xFFFFFF); }

}  // namespace

// ---------------------------------------------------------------- properties' companions

TcxEditViewInfoClass TcxCustomTextEditProperties::GetViewInfoClass() const {
  return TcxEditViewInfoClass::Of<TcxCustomTextEditViewInfo>();
}

TcxEditViewDataClass TcxCustomTextEditProperties::ViewDataClass() const {
  return TcxEditViewDataClass::Of<TcxCustomTextEditViewData>();
}

// ---------------------------------------------------------------- view data

TcxCustomTextEditViewData::TcxCustomTextEditViewData(TcxCustomEditProperties* AProperties,
                                                     TcxCustomEditStyle* AStyle, bool AIsInplace)
    : TcxCustomEditViewData(AProperties, AStyle, AIsInplace),
      FIsValueFormatted(AProperties->IsValueFormattedByProvider()) {}

bool TcxCustomTextEditViewData::IsEditClassEditor() {
  auto* edit = dynamic_cast<TcxCustomTextEdit*>(Edit);
  return edit && edit->IsEditClass();
}

uint32_t TcxCustomTextEditViewData::GetDrawTextFlags() {
  static const uint32_t horz[] = {cxtlLeft, cxtlRight, cxtlCenterX};
  static const uint32_t vert[] = {cxtlTop, cxtlBottom, cxtlCenterY};
  return horz[static_cast<int>(HorzAlignment)] | vert[static_cast<int>(VertAlignment)] | cxtlSingleLine |
         cxtlPreventLeftExceed | cxtlPreventTopExceed;
}

TRect TcxCustomTextEditViewData::GetDrawTextOffset() {
  TRect offset = EditContentParams.Offsets;
  const TcxEditEditingStyle style = Properties()->CurrentEditingStyle();
  if (!IsInplace() && (style == esFixedList || style == esNoEdit)) {
    ++offset.Top;
    --offset.Bottom;
    if (HorzAlignment == taRightJustify)
      ++offset.Right;
    else
      ++offset.Left;
  }
  return offset;
}

void TcxCustomTextEditViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                          TcxMouseButton Button, TShiftState Shift, TcxCustomEditViewInfo* AViewInfo,
                                          bool AIsMouseEvent) {
  TcxCustomEditViewData::Calculate(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  auto* viewInfo = static_cast<TcxCustomTextEditViewInfo*>(AViewInfo);
  viewInfo->DrawSelectionBar = false;
  viewInfo->EditingStyle = Properties()->CurrentEditingStyle();
  viewInfo->IsEditClass = IsEditClassEditor();
  ACanvas->SetFont(viewInfo->Font);
  viewInfo->HasPopupWindow = Edit && Edit->HasPopupWindow();
  viewInfo->TextRect = RectLessOffsets(viewInfo->ClientRect, GetDrawTextOffset());
  if (!IsInplace()) {
    const int textHeight = cxDCTextHeight(ACanvas->Handle());
    if (viewInfo->TextRect.Height() < textHeight)
      viewInfo->TextRect.Bottom = std::min(viewInfo->TextRect.Top + textHeight, viewInfo->ClientRect.Bottom);
  }
  viewInfo->MaxLineCount = GetLineCountLimit();
  viewInfo->TextOutData.Initialized = false;
  CalculateDrawTextFlags(ACanvas, viewInfo);
}

void TcxCustomTextEditViewData::CalculateDrawTextFlags(TcxCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo) {
  const uint32_t flags = GetDrawTextFlags();
  AViewInfo->DrawTextFlags = flags;
  if (!Properties()->IsMultiLineText() && Properties()->GetSupportedOperations().Contains(esoAutoHeight) &&
      PaintOptions.Contains(epoAutoHeight) && !AViewInfo->Text.empty()) {
    const TRect offset = GetDrawTextOffset();
    const TRect& text = AViewInfo->TextRect;
    int width = text.Width() + offset.Left + offset.Right - GetEditContentSizeCorrection().cx -
                EditContentParams.Offsets.Left - EditContentParams.Offsets.Right;
    if (HorzAlignment == taRightJustify) ++width;
    const int rowHeight = std::max(cxDCTextHeight(ACanvas->Handle()), 1);
    const int maxRows = (text.Height() + rowHeight - 1) / rowHeight + 1;
    const uint32_t multiRow = (flags & ~cxtlSingleLine) | cxtlWordBreak | cxtlEditControl;
    const TRect area(0, 0, std::max(width, 1), 32000);
    const int rows = TextRowCount(ACanvas, AViewInfo->Text, area, multiRow, maxRows, AViewInfo->Font);
    if (rows > 1) {
      AViewInfo->DrawTextFlags = multiRow;
      if (rows * rowHeight > text.Height()) AViewInfo->DrawTextFlags &= ~(AlignYBits | cxtlSingleLine);
    }
  }
  if (PaintOptions.Contains(epoShowEndEllipsis)) AViewInfo->DrawTextFlags |= cxtlEndEllipsis;
  AViewInfo->ComboBoxStyle = IsComboBoxStyle();
}

String TcxCustomTextEditViewData::BuildDisplayText(const Variant& AEditValue) {
  String text;
  try {
    text = FIsValueFormatted ? dxVariantToText(AEditValue) : Properties()->EditValueToDisplayValue(AEditValue, Focused);
  } catch (...) {
    Properties()->DisplayValueToDisplayText(text);
    throw;
  }
  Properties()->DisplayValueToDisplayText(text);
  return text;
}

void TcxCustomTextEditViewData::EditValueToDrawValue(const Variant& AEditValue, TcxCustomEditViewInfo* AViewInfo) {
  auto* viewInfo = static_cast<TcxCustomTextEditViewInfo*>(AViewInfo);
  viewInfo->Text = PreviewMode ? String() : ConvertEditValueToDisplayText(AEditValue);
  PrepareSelection(viewInfo);
}

void TcxCustomTextEditViewData::DisplayValueToDrawValue(const Variant& ADisplayValue,
                                                        TcxCustomTextEditViewInfo* AViewInfo) {
  String text = VarToStr(ADisplayValue);
  Properties()->DisplayValueToDisplayText(text);
  AViewInfo->Text = text;
}

void TcxCustomTextEditViewData::PrepareSelection(TcxCustomTextEditViewInfo* AViewInfo) {
  AViewInfo->SelStart = SelStart;
  AViewInfo->SelLength = SelLength;
  if (SelLength == 0) return;
  if (SelBackgroundColor == clDefault) {
    if (SelTextColor != clDefault) {
      AViewInfo->SelTextColor = SelTextColor;
      AViewInfo->SelBackgroundColor = InvertedColor(SelTextColor);
    } else if (Style()->Color() == clHighlight) {
      AViewInfo->SelTextColor = clWhite;
      AViewInfo->SelBackgroundColor = clBlack;
    } else {
      AViewInfo->SelTextColor = clHighlightText;
      AViewInfo->SelBackgroundColor = clHighlight;
    }
  } else {
    AViewInfo->SelBackgroundColor = SelBackgroundColor;
    AViewInfo->SelTextColor = SelTextColor != clDefault ? SelTextColor : InvertedColor(SelBackgroundColor);
  }
}

TSize TcxCustomTextEditViewData::MeasureEditContent(TcxCanvas* ACanvas, const Variant& AEditValue,
                                                    const TcxEditSizeProperties& AEditSizeProperties) {
  const String text = PreviewMode ? String() : ConvertEditValueToDisplayText(AEditValue);
  return cxCalculateTextEditContentSize(ACanvas, this, text, GetDrawTextFlags(), AEditSizeProperties, 0, true);
}

TSize cxCalculateTextEditContentSize(TcxCanvas* ACanvas, TcxCustomTextEditViewData* AViewData, const String& AText,
                                     uint32_t ADrawTextFlags, const TcxEditSizeProperties& AEditSizeProperties,
                                     int ALineCount, bool ACorrectWidth) {
  TFont* font = AViewData->Style()->GetVisibleFont();
  ACanvas->SetFont(font);
  const int textHeight = cxDCTextHeight(ACanvas->Handle());
  const TSize correction = AViewData->GetEditContentSizeCorrection();
  const TcxEditEditingStyle style = AViewData->Properties()->CurrentEditingStyle();
  const bool listStyled = !AViewData->IsInplace() && (style == esFixedList || style == esNoEdit) &&
                          !(AViewData->IsComboBoxStyle() && AViewData->NativeStyle);
  const bool allowZeroHeight = AViewData->PaintOptions.Contains(epoAllowZeroHeight);
  const int emptyHeight = AText.empty() && allowZeroHeight ? 0 : textHeight;
  TSize size;
  if (AEditSizeProperties.Width >= 0) {
    if (ALineCount > 0) {
      size = TSize{AEditSizeProperties.Width, ALineCount * textHeight};
    } else {
      const int available = AEditSizeProperties.Width + (AViewData->IsInplace() ? 0 : 2) + (listStyled ? 0 : 1) - 3;
      if (available > 0) {
        size.cx = AEditSizeProperties.Width;
        size.cy = emptyHeight;
        if (!AText.empty()) {
          const uint32_t flags = WordBreakInsteadOfSingleLine(ADrawTextFlags) & ~AlignYBits;
          size.cy = textHeight * TextRowCount(ACanvas, AText, TRect(0, 0, available, 32000), flags,
                                              AEditSizeProperties.MaxLineCount, font);
        }
      } else {
        size = TSize{0, emptyHeight};
      }
    }
  } else {
    const bool autoHeight = AViewData->PaintOptions.Contains(epoAutoHeight) &&
                            AViewData->Properties()->GetSupportedOperations().Contains(esoAutoHeight);
    if (!(ADrawTextFlags & cxtlSingleLine) || autoHeight) {
      const int rows = ALineCount > 0 ? ALineCount : AEditSizeProperties.MaxLineCount;
      const TRect r = MeasureText(ACanvas, AText, TRect(0, 0, 32000, 32000), WordBreakInsteadOfSingleLine(ADrawTextFlags),
                                  rows, font);
      size.cx = AText.empty() ? 0 : r.Width();
      size.cy = ALineCount > 0 ? ALineCount * textHeight : textHeight;
    } else {
      size.cx = AText.empty() ? 0 : ACanvas->TextWidth(AText);
      size.cy = textHeight;
    }
    if (listStyled) ++size.cx;
    if (ACorrectWidth) size.cx += correction.cx;
  }
  if (size.cy > 0) size.cy += correction.cy;
  return size;
}

// ---------------------------------------------------------------- view info

TcxEditBackgroundPaintingStyle TcxCustomTextEditViewInfo::BackgroundPaintingKind() {
  if (!ComboBoxStyle) return bpsSolid;
  return EditingStyle == esFixedList || EditingStyle == esNoEdit ? bpsComboListEdit : bpsComboEdit;
}

void TcxCustomTextEditViewInfo::PrepareCanvasFont(TcxCanvas* ACanvas) {
  if (Font) ACanvas->SetFont(Font);
  ACanvas->Font()->SetColor(DrawSelectionBar ? clHighlightText : TextColor);
}

void TcxCustomTextEditViewInfo::Offset(int DX, int DY) {
  TcxCustomEditViewInfo::Offset(DX, DY);
  TextRect = cxRectShiftBy(TextRect, DX, DY);
  if (!TextOutData.Initialized) return;
  TextOutData.TextRect = cxRectShiftBy(TextOutData.TextRect, DX, DY);
  for (int i = 0; i < TextOutData.RowCount; ++i) {
    TcxTextRow& row = cxTextRowAt(TextOutData.TextRows, i);
    row.TextOriginX += DX;
    row.TextOriginY += DY;
  }
}

void TcxCustomTextEditViewInfo::InternalPaint(TcxCanvas* ACanvas) {
  DrawCustomEdit(ACanvas, !Transparent && !DrawSelectionBar, true);
  TRect r = ClientRect;
  if (!IsInplace && (!NativeStyle || DrawSelectionBar) && !Transparent && EditingStyle != esNoEdit) {
    ACanvas->FrameRect(r, BackgroundColor());
    r.Inflate(-1, -1);
  }
  if (IsOwnerDrawing && CustomDrawHandler) {
    CustomDrawHandler(ACanvas, r);
  } else {
    if (DrawSelectionBar) ACanvas->FillRect(r, clHighlight);
    if (IsDBEditPaintCopyDrawing || !HasInnerEdit || !IsEditClass) DrawText(ACanvas);
  }
  if (Focused && !IsInplace && !IsEditClass && !HasPopupWindow) {
    ACanvas->Font()->SetColor(DrawSelectionBar ? clHighlightText : clBtnText);
    ACanvas->Brush()->SetColor(DrawSelectionBar ? clHighlight : BackgroundColor());
    ACanvas->DrawFocusRect(r);
  }
}

void TcxCustomTextEditViewInfo::PrepareTextOutData(TcxCanvas* ACanvas) {
  TcxTextOutData& data = TextOutData;
  cxTextParamsFromDC(ACanvas->Handle(), DrawTextFlags, data.TextParams, data.RowHeightFactor);
  data.TextRect = cxTextLayoutRect(TextRect, data.TextParams);
  if (data.TextRect.IsEmpty()) return;
  data.ForceEndEllipsis = !cxLayOutTextRows(ACanvas->Handle(), Text.c_str(), static_cast<int>(Text.size()),
                                            data.TextRect, data.TextParams, data.TextRows, data.RowCount,
                                            MaxLineCount);
  cxPositionTextRows(ACanvas->Handle(), data.TextRect, data.TextParams, data.TextRows, data.RowCount);
  data.SelStart = SelStart;
  data.SelLength = SelLength;
  const int length = static_cast<int>(Text.size());
  if (data.SelStart < 0 || data.SelStart >= length)
    data.SelLength = 0;
  else
    data.SelLength = std::min(data.SelLength, length - data.SelStart);
  data.SelBackgroundColor = SelBackgroundColor;
  data.SelTextColor = SelTextColor;
  data.Initialized = true;
}

void TcxCustomTextEditViewInfo::DrawText(TcxCanvas* ACanvas) {
  if (Text.empty()) return;
  PrepareCanvasFont(ACanvas);
  if (!TextOutData.Initialized) PrepareTextOutData(ACanvas);
  if (!TextOutData.Initialized) return;
  SetBkMode(ACanvas->Handle(), TRANSPARENT);
  SetTextColor(ACanvas->Handle(), ColorToRGB(ACanvas->Font()->Color()));
  const TcxTextOutData& data = TextOutData;
  cxDrawTextRowsHighlighted(ACanvas->Handle(), data.TextRect, data.TextParams, data.TextRows, data.RowCount,
                            data.SelStart, data.SelLength, data.SelLength > 0 ? data.SelBackgroundColor : clNone,
                            data.SelLength > 0 ? data.SelTextColor : clNone, data.ForceEndEllipsis);
}

int TcxCustomTextEditViewInfo::GetTextBaseLine() {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = Font ? SelectObject(dc, Font->Handle()) : nullptr;
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  if (old) SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  switch (EditProperties ? EditProperties->Alignment()->Vert() : taVCenter) {
    case taTopJustify: return TextRect.Top + metrics.tmAscent + 1;
    case taBottomJustify: return TextRect.Bottom - metrics.tmDescent + 1;
    default: return TextRect.Top + (TextRect.Height() - metrics.tmHeight) / 2 + metrics.tmAscent + 1;
  }
}

bool TcxCustomTextEditViewInfo::NeedShowHint(TcxCanvas* ACanvas, const TPoint& P, const TRect& AVisibleBounds,
                                             String& AText, bool& AIsMultiLine, TRect& ATextRect,
                                             int AMaxLineCount) {
  TRect area = TextRect;
  if (!AVisibleBounds.IsEmpty()) {
    const TRect visible = cxRectShiftBy(AVisibleBounds, Left, Top);
    area = TRect(std::max(visible.Left, TextRect.Left), std::max(visible.Top, TextRect.Top),
                 std::min(visible.Right, TextRect.Right), std::min(visible.Bottom, TextRect.Bottom));
  }
  auto fillOut = [&] {
    AIsMultiLine = (DrawTextFlags & cxtlWordBreak) && !(DrawTextFlags & cxtlSingleLine);
    AText = Text;
    ATextRect = cxRectShiftBy(TextRect, Left, Top);
  };
  if (area.Contains(P) && !Text.empty()) {
    ACanvas->SetFont(Font);
    const uint32_t flags = DrawTextFlags & ~(AlignYBits | cxtlSingleLine);
    TRect measured = MeasureText(ACanvas, Text, area, flags, 0, Font);
    TRect limit = area;
    if (AMaxLineCount > 0)
      limit.Bottom = std::min(limit.Bottom, limit.Top + AMaxLineCount * cxDCTextHeight(ACanvas->Handle()));
    if (measured.Right > limit.Right || measured.Bottom > limit.Bottom) {
      fillOut();
      return true;
    }
  }
  const bool result = TcxCustomEditViewInfo::NeedShowHint(ACanvas, P, AVisibleBounds, AText, AIsMultiLine, ATextRect, 0);
  if (!result) fillOut();
  return result;
}
