// The classic and modern calendar painters: every colour and themed shape
// comes from the calendar's look-and-feel painter.
#include "components/editors-rich/cxCalendar.h"

TcxCustomLookAndFeelPainter* TcxCalendarPainter::LookAndFeelPainter() const { return FCalendar->GetPainter(); }

// ---------------------------------------------------------------- classic

void TcxCalendarPainter::DrawArrow(TcxCanvas* ACanvas, TcxCalendarArrowViewInfo* AElement) {
  TRect r = AElement->Bounds();
  const bool flatDate = FCalendar->Flat() && FCalendar->Kind() == ckDate;
  if (!FCalendar->ViewInfo()->IsThemedBackground()) {
    const TColor header = FCalendar->GetHeaderColor();
    if (flatDate) ACanvas->FillRect(TRect(r.Left, r.Top, r.Right, r.Top + 1), header);
    ACanvas->FillRect(TRect(r.Left, r.Bottom - 1, r.Right, r.Bottom), header);
    --r.Bottom;
    if (flatDate && LookAndFeelPainter()->LookAndFeelStyle() != lfsOffice11) ++r.Top;
    ACanvas->FillRect(r, header);
  }
  TcxArrowPoints points;
  LookAndFeelPainter()->CalculateArrowPoints(r, points, AElement->Direction(), true);
  const TColor color = LookAndFeelPainter()->DefaultDateNavigatorHeaderTextColor(false);
  ACanvas->Brush()->SetColor(color);
  ACanvas->Pen()->SetColor(color);
  ACanvas->Polygon(std::vector<TPoint>(points.begin(), points.end()));
  ACanvas->ExcludeClipRect(AElement->Bounds());
}

void TcxCalendarPainter::DrawButtonsArea(TcxCanvas* ACanvas, TcxCalendarButtonsViewInfo* AElement) {
  TRect r = AElement->Bounds();
  ACanvas->FillRect(TRect(r.Left, r.Top, r.Right - 1, r.Top + 1), FCalendar->GetBorderColor());
  ++r.Top;
  if (!FCalendar->Flat()) {
    ACanvas->DrawEdge(r, false, false);
    r = cxRectDeflated(r, 1);
  }
  ACanvas->FillRect(r, FCalendar->GetBackgroundColor());
  ACanvas->ExcludeClipRect(AElement->Bounds());
}

void TcxCalendarPainter::DrawCellText(TcxCanvas* ACanvas, TcxCalendarDateCellViewInfo* AElement) {
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->DrawTexT(AElement->GetText(), AElement->TextRect(), AElement->HorzAlignment(), vaCenter,
                    AElement->GetText().find(L'\n') != String::npos, false);
  ACanvas->Brush()->SetStyle(bsSolid);
}

void TcxCalendarPainter::DrawCellBackground(TcxCanvas* ACanvas, TcxCalendarDateCellViewInfo* AElement) {
  ACanvas->FillRect(AElement->Bounds());
}

void TcxCalendarPainter::DrawCellSelection(TcxCanvas* ACanvas, TcxCalendarDateCellViewInfo* AElement) {
  LookAndFeelPainter()->DrawCalendarDateCellSelection(ACanvas, AElement->Bounds(), AElement->GetStates());
}

void TcxCalendarPainter::DrawHeaderCell(TcxCanvas* ACanvas, TcxCalendarDateHeaderCellViewInfo* AElement) {
  const bool themed = FCalendar->ViewInfo()->IsThemedBackground();
  ACanvas->Font()->Assign(FCalendar->Font());
  ACanvas->Font()->SetColor(LookAndFeelPainter()->DefaultDateNavigatorHeaderTextColor(
      AElement->State() == cesHot || AElement->State() == cesPressed));
  if (!themed) ACanvas->FillRect(AElement->Bounds(), FCalendar->GetHeaderColor());
  TRect r = AElement->Bounds();
  FCalendar->AdjustHeaderTextRect(r);
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->DrawTexT(AElement->Text(), r, taCenter, vaCenter, false, false);
  ACanvas->Brush()->SetStyle(bsSolid);
}

void TcxCalendarPainter::DrawHeader(TcxCanvas* ACanvas, TcxCalendarHeaderViewInfo* AElement) {
  TRect r = AElement->Bounds();
  LookAndFeelPainter()->DrawDateNavigatorDateHeader(ACanvas, r);
  ACanvas->Font()->Assign(FCalendar->Font());
  ACanvas->Font()->SetColor(LookAndFeelPainter()->DefaultDateNavigatorHeaderTextColor(false));
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->DrawTexT(AElement->GetText(), AElement->Bounds(), taCenter, vaCenter, false, false);
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->ExcludeClipRect(AElement->Bounds());
}

TColor TcxCalendarPainter::GetCellTextColor(const TcxCalendarElementStates& AStates) {
  TcxCustomLookAndFeelPainter* painter = LookAndFeelPainter();
  if (AStates.Contains(cesSelected)) return painter->DefaultDateNavigatorSelectionTextColor();
  if (AStates.Contains(cesDisabled)) return painter->DefaultDateNavigatorInactiveTextColor();
  if (AStates.Contains(cesMarked)) return painter->DefaultDateNavigatorTodayTextColor();
  return painter->DefaultDateNavigatorTextColor();
}

// ---------------------------------------------------------------- modern

void TcxCalendarModernPainter::DrawArrow(TcxCanvas* ACanvas, TcxCalendarArrowViewInfo* AElement) {
  LookAndFeelPainter()->DrawModernCalendarArrow(ACanvas, AElement->Bounds(), AElement->Direction(),
                                                AElement->State());
}

void TcxCalendarModernPainter::DrawCellSelection(TcxCanvas* ACanvas, TcxCalendarDateCellViewInfo* AElement) {
  const TcxCalendarElementStates states = AElement->GetStates();
  if (states.Contains(cesHot) || states.Contains(cesSelected) || states.Contains(cesMarked))
    LookAndFeelPainter()->DrawModernCalendarDateCellSelection(ACanvas, AElement->Bounds(), states);
}

void TcxCalendarModernPainter::DrawHeaderCell(TcxCanvas* ACanvas, TcxCalendarDateHeaderCellViewInfo* AElement) {
  const TRect offsets = LookAndFeelPainter()->GetModernCalendarHeaderTextOffsets();
  TcxCanvas* canvas = cxSharedScreenCanvas();
  canvas->Font()->Assign(FCalendar->Font());
  const TSize extent = canvas->TextExtent(AElement->Text());
  const TRect cell = AElement->Bounds();
  const int left = cell.Left + (cell.Width() - extent.cx) / 2, top = cell.Top + (cell.Height() - extent.cy) / 2;
  const TRect r(left - offsets.Left, top - offsets.Top, left + extent.cx + offsets.Right,
                top + extent.cy + offsets.Bottom);
  LookAndFeelPainter()->DrawModernCalendarDateHeaderSelection(ACanvas, r, AElement->GetStates());
}

void TcxCalendarModernPainter::DrawHeaderCellText(TcxCanvas* ACanvas, TcxCalendarDateHeaderCellViewInfo* AElement) {
  ACanvas->Font()->Assign(FCalendar->Font());
  ACanvas->Font()->SetColor(LookAndFeelPainter()->GetModernCalendarDateHeaderTextColor(AElement->GetStates()));
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->DrawTexT(AElement->Text(), AElement->TextRect(), taCenter, vaCenter, false, false);
  ACanvas->Brush()->SetStyle(bsSolid);
}

void TcxCalendarModernPainter::DrawHeader(TcxCanvas* ACanvas, TcxCalendarHeaderViewInfo* AElement) {
  const TRect offsets = LookAndFeelPainter()->GetModernCalendarHeaderTextOffsets();
  const TRect text = AElement->TextRect();
  LookAndFeelPainter()->DrawModernCalendarHeaderSelection(
      ACanvas,
      TRect(text.Left - offsets.Left, text.Top - offsets.Top, text.Right + offsets.Right, text.Bottom + offsets.Bottom),
      TcxCalendarElementStates{AElement->State()});
}

void TcxCalendarModernPainter::DrawHeaderText(TcxCanvas* ACanvas, TcxCalendarHeaderViewInfo* AElement) {
  ACanvas->Font()->Assign(FCalendar->Font());
  ACanvas->Font()->SetColor(
      LookAndFeelPainter()->GetModernCalendarHeaderTextColor(TcxCalendarElementStates{AElement->State()}));
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->DrawTexT(AElement->GetText(), AElement->TextRect(), taCenter, vaCenter, false, false);
  ACanvas->Brush()->SetStyle(bsSolid);
}

TColor TcxCalendarModernPainter::GetCellTextColor(const TcxCalendarElementStates& AStates) {
  return LookAndFeelPainter()->GetModernCalendarCellTextColor(AStates);
}
