// The calendar's element tree shared by both views and the classic view's
// own elements: metrics, sizes, placement, hit tests and painting.
#include <algorithm>

#include "components/core/cxFormats.h"
#include "components/editors-basic/cxButtons.h"
#include "components/editors-rich/cxCalendar.h"
#include "components/editors-rich/cxClock.h"
#include "components/editors/cxEditConsts.h"
#include "vcl/rtl/DateUtils.h"

namespace {

// The screen canvas measuring in AFont (at ASize points when given).
TcxCanvas* MeasuringCanvas(TFont* AFont, int ASize = 0) {
  TcxCanvas* canvas = cxSharedScreenCanvas();
  canvas->Font()->Assign(AFont);
  if (ASize > 0) canvas->Font()->SetSize(ASize);
  return canvas;
}

int TextWidthIn(TFont* AFont, const String& AText, int ASize = 0) {
  return MeasuringCanvas(AFont, ASize)->TextWidth(AText);
}

}  // namespace

// ---------------------------------------------------------------- element

TcxCalendarElementViewInfo::TcxCalendarElementViewInfo(TcxCustomCalendar* ACalendar) : FCalendar(ACalendar) {}

TFont* TcxCalendarElementViewInfo::Font() const { return FCalendar->Font(); }
TcxCalendarPainter* TcxCalendarElementViewInfo::Painter() const { return FCalendar->Painter(); }

void TcxCalendarElementViewInfo::SetState(TcxCalendarElementState AValue) {
  if (AValue == FState) return;
  FState = AValue;
  Invalidate();
}

void TcxCalendarElementViewInfo::CalculateBounds() {
  for (TcxCalendarElementViewInfo* element : FVisibleElements) element->CalculateBounds();
}

void TcxCalendarElementViewInfo::CalculateChildSizes() {
  for (TcxCalendarElementViewInfo* element : FVisibleElements) element->CalculateSize();
}

void TcxCalendarElementViewInfo::CalculateSize() {
  CalculateChildSizes();
  FSize = GetSize();
}

void TcxCalendarElementViewInfo::ClearVisibleElements() {
  for (TcxCalendarElementViewInfo* element : FVisibleElements) element->ClearVisibleElements();
  FVisibleElements.clear();
}

void TcxCalendarElementViewInfo::Click() {
  if (OnClick) OnClick(this);
}

bool TcxCalendarElementViewInfo::HitTest(TcxCalendarHitTest* AHitTest) {
  if (!PtInElement(AHitTest->HitPoint())) return false;
  const int index = GetHitTestIndex();
  if (index != 0) {
    AHitTest->SetBitState(index, true);
    AHitTest->SetHitObject(this);
  }
  for (auto it = FVisibleElements.rbegin(); it != FVisibleElements.rend(); ++it)
    if ((*it)->HitTest(AHitTest)) return true;
  return index != 0;
}

void TcxCalendarElementViewInfo::Initialize() {
  ClearVisibleElements();
  AddVisibleElements();
  for (TcxCalendarElementViewInfo* element : FVisibleElements) element->Initialize();
}

void TcxCalendarElementViewInfo::Invalidate() {
  if (FCalendar->HandleAllocated()) FCalendar->InvalidateRect(FBounds, true);
}

void TcxCalendarElementViewInfo::PaintChildren(TcxCanvas* ACanvas) {
  for (TcxCalendarElementViewInfo* element : FVisibleElements) element->Paint(ACanvas);
}

void TcxCalendarElementViewInfo::TranslationChanged() {
  for (TcxCalendarElementViewInfo* element : FVisibleElements) element->TranslationChanged();
}

// ---------------------------------------------------------------- cells

TcxCalendarDateCellViewInfo::TcxCalendarDateCellViewInfo(TcxCalendarDateTableViewInfo* ATable, int AIndex,
                                                         int AColumn, int ARow)
    : TcxCalendarElementViewInfo(ATable->Calendar()), FTable(ATable), FColumn(AColumn), FIndex(AIndex),
      FRow(ARow) {}

void TcxCalendarDateCellViewInfo::Initialize() {
  TcxCalendarElementViewInfo::Initialize();
  FValue = GetValue();
}

void TcxCalendarDateCellViewInfo::CalculateBounds() {
  const TPoint origin = FTable->CellsOrigin();
  const TSize size = FTable->CellSize();
  FBounds = TRect(origin.X + FColumn * size.cx, origin.Y + FRow * size.cy, origin.X + (FColumn + 1) * size.cx,
                  origin.Y + (FRow + 1) * size.cy);
  CalculateTextRect();
}

void TcxCalendarDateCellViewInfo::CalculateTextRect() { FTextRect = FBounds; }

TcxCalendarElementStates TcxCalendarDateCellViewInfo::GetStates() {
  TcxCalendarElementStates states;
  if (State() == cesHot) states.Include(cesHot);
  if (IsSelected()) {
    states.Include(cesSelected);
    if (Calendar()->Focused()) states.Include(cesFocused);
  }
  if (!IsEnabled()) states.Include(cesDisabled);
  if (IsMarked()) states.Include(cesMarked);
  if (states.Empty()) states.Include(cesNormal);
  for (TcxCalendarElementState excluded : {cesHot, cesFocused})
    if (GetExcludedStates().Contains(excluded)) states.Exclude(excluded);
  return states;
}

void TcxCalendarDateCellViewInfo::Paint(TcxCanvas* ACanvas) {
  if (FValue == cxInvalidCellDate || !Calendar()->IsDateAllowed(FValue) ||
      !Calendar()->GetCalendarTable()->IsValidDate(FValue))
    return;
  const TcxCalendarElementStates states = GetStates();
  ACanvas->Font()->Assign(Font());
  ACanvas->Font()->SetColor(Painter()->GetCellTextColor(states));
  ACanvas->Brush()->SetColor(states.Contains(cesSelected)
                                 ? Calendar()->GetPainter()->DefaultDateNavigatorSelectionColor()
                                 : Calendar()->GetBackgroundColor());
  DrawBackground(ACanvas, states);
  Painter()->DrawCellBackground(ACanvas, this);
  Painter()->DrawCellSelection(ACanvas, this);
  Painter()->DrawCellText(ACanvas, this);
}

void TcxCalendarDateCellViewInfo::MouseDown(TMouseButton AButton, TShiftState, int, int) {
  if (AButton == mbLeft) Select();
}

void TcxCalendarDateCellViewInfo::MouseMove(TShiftState AShift, int, int) {
  if (AShift.Contains(ssLeft) && Calendar()->Controller()->PressedElement()) Select();
}

void TcxCalendarDateCellViewInfo::Select() { Calendar()->InternalSetSelectDate(false, FValue); }

double TcxCalendarDayCellViewInfo::GetValue() {
  FDate = Calendar()->GetDateFromCell(Column(), Row());
  return FDate;
}

bool TcxCalendarDayCellViewInfo::IsEnabled() {
  return Calendar()->FirstDate() <= FDate && FDate <= Calendar()->GetMonthEndDate();
}

bool TcxCalendarDayCellViewInfo::IsSelected() {
  const double selected = Calendar()->SelectDate();
  return FDate == (selected == cxNullDate ? ::Date() : cxExtractDatePart(selected));
}

bool TcxCalendarDayCellViewInfo::IsMarked() { return FDate == ::Date(); }

void TcxCalendarDayCellViewInfo::CalculateTextRect() {
  // Right-aligned numbers in a box three digits wide, centred in the cell.
  FHorzAlignment = taRightJustify;
  const int boxWidth = 3 * TextWidthIn(Font(), L"0");
  const int boxLeft = FBounds.Left + (FBounds.Width() - boxWidth) / 2;
  FTextRect = TRect(boxLeft, FBounds.Top, boxLeft + boxWidth - 3, FBounds.Bottom);
}

void TcxCalendarDayCellViewInfo::DrawBackground(TcxCanvas* ACanvas, const TcxCalendarElementStates& AStates) {
  if (!Calendar()->OnGetDayOfWeekState && !Calendar()->OnGetDayState) return;
  TCustomDrawState state;
  if (AStates.Contains(cesHot)) state.Include(cdsHot);
  if (AStates.Contains(cesPressed) || AStates.Contains(cesSelected)) state.Include(cdsSelected);
  if (AStates.Contains(cesFocused)) state.Include(cdsFocused);
  if (AStates.Contains(cesMarked)) state.Include(cdsMarked);
  if (AStates.Contains(cesDisabled)) state.Include(cdsGrayed);
  if (AStates.Contains(cesNormal)) state.Include(cdsDefault);
  const TColor before = ACanvas->Brush()->Color();
  TColor color = before;
  if (Calendar()->OnGetDayOfWeekState)
    Calendar()->OnGetDayOfWeekState(Calendar(), cxWeekdayOf(FDate), state, ACanvas->Font(), color);
  if (Calendar()->OnGetDayState) Calendar()->OnGetDayState(Calendar(), FDate, state, ACanvas->Font(), color);
  if (color != before) {
    ACanvas->Brush()->SetColor(color);
    ACanvas->FillRect(FBounds);
  }
}

void TcxCalendarDayCellViewInfo::MouseUp(TMouseButton AButton, TShiftState, int, int) {
  if (AButton != mbLeft || !IsSelected()) return;
  TcxCustomCalendar* calendar = Calendar();
  if (calendar->Kind() == ckDate) {
    calendar->DoDateTimeChanged();
    calendar->HidePopup(calendar, crEnter);
  } else if (calendar->SelectDate() != cxNullDate) {
    calendar->ApplyFirstDate(cxExtractDatePart(calendar->SelectDate()));
  }
}

void TcxCalendarDayCellViewInfo::DblClick() {
  TcxCustomCalendar* calendar = Calendar();
  Select();
  calendar->DoDateTimeChanged();
  calendar->HidePopup(calendar, crEnter);
}

// ---------------------------------------------------------------- tables

TcxCalendarDateTableViewInfo::TcxCalendarDateTableViewInfo(TcxCustomCalendar* ACalendar)
    : TcxCalendarElementViewInfo(ACalendar) {}

TcxCustomCalendarTable* TcxCalendarDateTableViewInfo::CalendarTable() const {
  return Calendar()->GetCalendarTable();
}

void TcxCalendarDateTableViewInfo::CreateCells() {
  const TSize dimensions = GetDimensions();
  for (int row = 0; row < dimensions.cy; ++row)
    for (int column = 0; column < dimensions.cx; ++column)
      FDateCells.push_back(CreateCell(column + row * dimensions.cx, column, row));
}

void TcxCalendarDateTableViewInfo::Initialize() {
  if (FDateCells.empty()) CreateCells();
  ClearVisibleElements();
  for (auto& cell : FDateCells) AddVisibleElement(cell.get());
  for (auto& cell : FDateCells) cell->Initialize();
}

void TcxCalendarDateTableViewInfo::CalculateBounds() {
  for (auto& cell : FDateCells) cell->CalculateBounds();
}

TSize TcxCalendarDateTableViewInfo::CalculateTableSize() {
  FCellSize = GetCellSize();
  const TSize dimensions = GetDimensions();
  return TSize{FCellSize.cx * dimensions.cx, FCellSize.cy * dimensions.cy};
}

TcxCalendarDateCellViewInfo* TcxCalendarDateTableViewInfo::GetSelectedCell() {
  for (auto& cell : FDateCells)
    if (cell->IsSelected() && cell->IsEnabled()) return cell.get();
  for (auto& cell : FDateCells)
    if (cell->IsSelected()) return cell.get();
  return nullptr;
}

void TcxCalendarDateTableViewInfo::KeyDown(uint16_t& AKey, TShiftState AShift) {
  const double d = Calendar()->SelectDate();
  if (d == cxNullDate) return;
  const bool onlyCtrl = AShift == TShiftState{ssCtrl};
  const bool onlyAlt = AShift == TShiftState{ssAlt};
  double target = d;
  switch (AKey) {
    case VK_PRIOR: target = GetPriorPageDate(d); break;
    case VK_NEXT: target = GetNextPageDate(d); break;
    case VK_END: target = onlyCtrl ? GetLastDate(d) : GetRowEndDate(d); break;
    case VK_HOME: target = onlyCtrl ? GetFirstDate(d) : GetRowStartDate(d); break;
    case VK_LEFT: target = GetPriorDate(d); break;
    case VK_RIGHT: target = GetNextDate(d); break;
    case VK_UP: target = onlyAlt ? d : GetUpDate(d); break;
    case VK_DOWN: target = onlyAlt ? d : GetDownDate(d); break;
    default: return;
  }
  if (target != cxNullDate) Calendar()->ApplySelectDate(target);
}

// ---------------------------------------------------------------- month table

TcxCalendarMonthTableViewInfo::TcxCalendarMonthTableViewInfo(TcxCustomCalendar* ACalendar)
    : TcxCalendarDateTableViewInfo(ACalendar) {}

std::unique_ptr<TcxCalendarDateCellViewInfo> TcxCalendarMonthTableViewInfo::CreateCell(int AIndex, int AColumn,
                                                                                      int ARow) {
  return std::make_unique<TcxCalendarDayCellViewInfo>(this, AIndex, AColumn, ARow);
}

TSize TcxCalendarMonthTableViewInfo::GetCellSize() {
  TcxCalendarViewInfo* viewInfo = Calendar()->ViewInfo();
  return TSize{viewInfo->ColWidth(), viewInfo->RowHeight()};
}

int TcxCalendarMonthTableViewInfo::WeekIndent() { return Calendar()->WeekNumbers() ? FWeekNumberWidth + 5 : 0; }

TSize TcxCalendarMonthTableViewInfo::CalculateTableSize() {
  FCellSize = GetCellSize();
  FDaysOfWeekHeight = FCellSize.cy + 1;
  FWeekNumberWidth = TextWidthIn(Font(), L"99", MulDiv(Font()->Size(), 2, 3));
  return TSize{7 * FCellSize.cx + WeekIndent(), 6 * FCellSize.cy + FDaysOfWeekHeight};
}

TPoint TcxCalendarMonthTableViewInfo::CellsOrigin() {
  return TPoint(FBounds.Left + WeekIndent(), FBounds.Top + FDaysOfWeekHeight);
}

bool TcxCalendarMonthTableViewInfo::IsDateInTable(double ADate) {
  return Calendar()->FirstDate() <= ADate && ADate <= Calendar()->GetMonthEndDate();
}

double TcxCalendarMonthTableViewInfo::GetFirstDate(double AD) { return CalendarTable()->GetFirstDayOfMonth(AD); }
double TcxCalendarMonthTableViewInfo::GetLastDate(double AD) {
  return cxExtractDatePart(CalendarTable()->GetLastDayOfMonth(AD));
}
double TcxCalendarMonthTableViewInfo::GetRowStartDate(double AD) {
  return cxExtractDatePart(AD) - cxDaysSinceWeekStart(AD);
}
double TcxCalendarMonthTableViewInfo::GetNextPageDate(double AD) { return CalendarTable()->AddMonths(AD, 1); }
double TcxCalendarMonthTableViewInfo::GetPriorPageDate(double AD) { return CalendarTable()->AddMonths(AD, -1); }

int TcxCalendarMonthTableViewInfo::RowWeekNumber(int ARow) {
  const double first = Calendar()->GetDateFromCell(0, ARow);
  if (!cxIsDateInSupportedRange(first)) return 0;
  return CalendarTable()->GetWeekNumber(first, cxWeekStartDay(), cxFormatControllerInstance()->FirstWeekOfYear());
}

TRect TcxCalendarMonthTableViewInfo::DaysOfWeekBounds() {
  const TPoint origin = CellsOrigin();
  return TRect(origin.X, FBounds.Top, origin.X + 7 * FCellSize.cx, origin.Y);
}

String TcxCalendarMonthTableViewInfo::GetDayOfWeekText(TDay ADay) {
  return cxWeekdayHeaderText(ADay, static_cast<uint8_t>(Font()->Charset()));
}

void TcxCalendarMonthTableViewInfo::Paint(TcxCanvas* ACanvas) {
  ACanvas->FillRect(FBounds, Calendar()->GetBackgroundColor());
  DrawDaysOfWeek(ACanvas);
  if (Calendar()->WeekNumbers()) DrawWeekNumbers(ACanvas);
  PaintChildren(ACanvas);
}

void TcxCalendarMonthTableViewInfo::DrawDaysOfWeek(TcxCanvas* ACanvas) {
  const TRect row = DaysOfWeekBounds();
  const bool modern = Calendar()->ViewInfo()->IsModern();
  TcxCustomLookAndFeelPainter* painter = Calendar()->GetPainter();
  ACanvas->Font()->Assign(Font());
  ACanvas->Font()->SetColor(painter->DefaultDateNavigatorTextColor());
  ACanvas->Brush()->SetStyle(bsClear);
  for (int column = 0; column < 7; ++column) {
    const TDay day = cxShiftWeekday(cxWeekStartDay(), column);
    TRect cell(row.Left + column * FCellSize.cx, row.Top, row.Left + (column + 1) * FCellSize.cx, row.Bottom - 1);
    if (Calendar()->OnGetDayOfWeekState) {
      TColor color = Calendar()->GetBackgroundColor();
      Calendar()->OnGetDayOfWeekState(Calendar(), day, TCustomDrawState{cdsDefault}, ACanvas->Font(), color);
      if (color != Calendar()->GetBackgroundColor()) ACanvas->FillRect(cell, color);
    }
    if (modern) {
      ACanvas->DrawTexT(FormatSettings.ShortDayNames[static_cast<int>(day)], cell, taCenter, vaCenter, false,
                        false);
    } else {
      cell.Right -= 3;
      ACanvas->DrawTexT(GetDayOfWeekText(day), cell, taRightJustify, vaCenter, false, false);
    }
  }
  ACanvas->Brush()->SetStyle(bsSolid);
  if (modern) {
    ACanvas->FillRect(TRect(FBounds.Left, row.Bottom - 1, row.Right, row.Bottom), static_cast<TColor>(0xF5F5F5));
    if (Calendar()->WeekNumbers())
      ACanvas->FillRect(TRect(row.Left - 2, row.Bottom, row.Left - 1, FBounds.Bottom), static_cast<TColor>(0xF5F5F5));
  } else {
    TColor second = painter->DefaultDateNavigatorSeparator2Color();
    if (second == clNone || second == clDefault) second = Calendar()->GetBackgroundColor();
    ACanvas->FillRect(TRect(row.Left, row.Bottom - 1, row.Right, row.Bottom),
                      painter->DefaultDateNavigatorSeparator1Color());
    ACanvas->FillRect(TRect(row.Left, row.Bottom, row.Right, row.Bottom + 1), second);
    if (Calendar()->WeekNumbers())
      ACanvas->FillRect(TRect(row.Left - 2, row.Bottom, row.Left - 1, FBounds.Bottom),
                        painter->DefaultDateNavigatorSeparator1Color());
  }
}

void TcxCalendarMonthTableViewInfo::DrawWeekNumbers(TcxCanvas* ACanvas) {
  ACanvas->Font()->Assign(Font());
  ACanvas->Font()->SetSize(MulDiv(Font()->Size(), 2, 3));
  ACanvas->Font()->SetColor(Calendar()->GetPainter()->DefaultDateNavigatorTextColor());
  ACanvas->Brush()->SetStyle(bsClear);
  const TPoint origin = CellsOrigin();
  for (int row = 0; row < 6; ++row) {
    const int number = RowWeekNumber(row);
    if (number == 0) continue;
    const TRect cell(FBounds.Left, origin.Y + row * FCellSize.cy, FBounds.Left + FWeekNumberWidth,
                     origin.Y + (row + 1) * FCellSize.cy);
    ACanvas->DrawTexT(IntToStr(number), cell, taRightJustify, vaCenter, false, false);
  }
  ACanvas->Brush()->SetStyle(bsSolid);
}

// ---------------------------------------------------------------- date headers

TcxCalendarDateHeaderViewInfo::TcxCalendarDateHeaderViewInfo(TcxCustomCalendar* ACalendar, bool AIsYear)
    : TcxCalendarElementViewInfo(ACalendar), FIsYear(AIsYear),
      FLeftArrow(std::make_unique<TcxCalendarArrowViewInfo>(this, adLeft)),
      FRightArrow(std::make_unique<TcxCalendarArrowViewInfo>(this, adRight)),
      FTextCell(std::make_unique<TcxCalendarDateHeaderCellViewInfo>(this)) {}

TcxCalendarDateHeaderViewInfo::~TcxCalendarDateHeaderViewInfo() = default;

void TcxCalendarDateHeaderViewInfo::AddVisibleElements() {
  AddVisibleElement(FLeftArrow.get());
  AddVisibleElement(FRightArrow.get());
  AddVisibleElement(FTextCell.get());
}

void TcxCalendarDateHeaderViewInfo::CalculateBounds() {
  const TSize arrow = Calendar()->ViewInfo()->GetArrowSize();
  const int off = Calendar()->Kind() == ckDateTime || !Calendar()->Flat() ? 1 : 0;
  FLeftArrow->SetBounds(TRect(FBounds.Left, FBounds.Top + off, FBounds.Left + arrow.cx, FBounds.Top + off + arrow.cy));
  FRightArrow->SetBounds(
      TRect(FBounds.Right - arrow.cx, FBounds.Top + off, FBounds.Right, FBounds.Top + off + arrow.cy));
  FTextCell->SetBounds(TRect(FBounds.Left + arrow.cx, FBounds.Top, FBounds.Right - arrow.cx, FBounds.Bottom));
  TcxCalendarElementViewInfo::CalculateBounds();
}

TcxCalendarArrowViewInfo::TcxCalendarArrowViewInfo(TcxCalendarDateHeaderViewInfo* AHeader,
                                                   TcxArrowDirection ADirection)
    : TcxCalendarElementViewInfo(AHeader->Calendar()), FHeader(AHeader), FDirection(ADirection) {}

int TcxCalendarArrowViewInfo::GetNavigationKind() {
  const int forward = FDirection == adRight ? 1 : 0;
  TcxCalendarViewInfo* viewInfo = Calendar()->ViewInfo();
  if (!viewInfo->IsModern()) return (FHeader->IsYear() ? 2 : 0) + forward;
  auto* dateView = static_cast<TcxCalendarModernDateViewInfo*>(viewInfo->DateViewInfo());
  return 2 * static_cast<int>(dateView->ViewStyle()) + forward;
}

void TcxCalendarArrowViewInfo::DoNavigate() { Calendar()->ShiftFirstDate(GetNavigationKind()); }

void TcxCalendarArrowViewInfo::MouseDown(TMouseButton AButton, TShiftState, int, int) {
  if (AButton != mbLeft) return;
  DoNavigate();
  Calendar()->Controller()->StartArrowRepeat();
}

void TcxCalendarArrowViewInfo::Paint(TcxCanvas* ACanvas) { Painter()->DrawArrow(ACanvas, this); }

TcxCalendarDateHeaderCellViewInfo::TcxCalendarDateHeaderCellViewInfo(TcxCalendarDateHeaderViewInfo* AHeader)
    : TcxCalendarElementViewInfo(AHeader->Calendar()), FHeader(AHeader) {}

void TcxCalendarDateHeaderCellViewInfo::Initialize() {
  TcxCalendarViewInfo* viewInfo = Calendar()->ViewInfo();
  FText = FHeader->IsYear() ? viewInfo->GetYearHeaderText() : viewInfo->GetMonthHeaderText();
}

void TcxCalendarDateHeaderCellViewInfo::CalculateBounds() { FTextRect = FBounds; }

bool TcxCalendarDateHeaderCellViewInfo::IsEnabled() {
  TcxCalendarViewInfo* viewInfo = Calendar()->ViewInfo();
  return !viewInfo->IsModern() ||
         static_cast<TcxCalendarModernDateViewInfo*>(viewInfo->DateViewInfo())->ViewStyle() != cvdsCentury;
}

TcxCalendarElementStates TcxCalendarDateHeaderCellViewInfo::GetStates() {
  TcxCalendarElementStates states{State()};
  if (!IsEnabled()) states.Include(cesDisabled);
  return states;
}

void TcxCalendarDateHeaderCellViewInfo::MouseDown(TMouseButton AButton, TShiftState, int, int) {
  auto* viewInfo = dynamic_cast<TcxCalendarClassicViewInfo*>(Calendar()->ViewInfo());
  if (AButton == mbLeft && viewInfo && !FHeader->IsYear() &&
      Calendar()->Controller()->HitTest()->HitAtMonthDateHeader())
    viewInfo->MonthListBox()->Popup(Calendar());
}

void TcxCalendarDateHeaderCellViewInfo::Click() {
  TcxCalendarElementViewInfo::Click();
  TcxCalendarViewInfo* viewInfo = Calendar()->ViewInfo();
  if (viewInfo->IsModern() && IsEnabled())
    static_cast<TcxCalendarModernDateViewInfo*>(viewInfo->DateViewInfo())->ZoomOut();
}

void TcxCalendarDateHeaderCellViewInfo::Paint(TcxCanvas* ACanvas) {
  Painter()->DrawHeaderCell(ACanvas, this);
  Painter()->DrawHeaderCellText(ACanvas, this);
}

TcxCalendarDateHeadersViewInfo::TcxCalendarDateHeadersViewInfo(TcxCustomCalendar* ACalendar)
    : TcxCalendarElementViewInfo(ACalendar),
      FMonthHeaderViewInfo(std::make_unique<TcxCalendarDateHeaderViewInfo>(ACalendar, false)),
      FYearHeaderViewInfo(std::make_unique<TcxCalendarDateHeaderViewInfo>(ACalendar, true)) {}

bool TcxCalendarDateHeadersViewInfo::HasYearHeader() const {
  return !Calendar()->ViewInfo()->IsModern() && Calendar()->ArrowsForYear();
}

void TcxCalendarDateHeadersViewInfo::AddVisibleElements() {
  AddVisibleElement(FMonthHeaderViewInfo.get());
  if (HasYearHeader()) AddVisibleElement(FYearHeaderViewInfo.get());
}

void TcxCalendarDateHeadersViewInfo::CalculateBounds() {
  CalculateHeaderBounds();
  TcxCalendarElementViewInfo::CalculateBounds();
}

void TcxCalendarDateHeadersViewInfo::CalculateHeaderBounds() {
  const TRect offsets = Calendar()->GetContentOffsets();
  if (!HasYearHeader()) {
    FMonthHeaderViewInfo->SetBounds(
        TRect(FBounds.Left + offsets.Left, FBounds.Top, FBounds.Right - offsets.Right, FBounds.Bottom));
    return;
  }
  // The month and year headers share the width in the ratio of their
  // widest texts.
  TcxCustomCalendarTable* table = Calendar()->GetCalendarTable();
  const double first = Calendar()->FirstDate();
  const int months = table->GetMonthsInYear(table->GetYear(first));
  int m = 0, y = 0;
  TcxCanvas* canvas = MeasuringCanvas(Font());
  for (int i = 1; i <= months; ++i) {
    m = std::max(m, canvas->TextWidth(cxMonthNameText(table, table->AddMonths(first, i))));
    y = std::max(y, canvas->TextWidth(cxLocalYearText(table, table->AddYears(first, i))));
  }
  const int a = Calendar()->ViewInfo()->GetArrowSize().cx;
  const int off = Calendar()->Kind() == ckDateTime || !Calendar()->Flat() ? 1 : 0;
  const int w = FBounds.Width();
  const int x0 = FBounds.Left + offsets.Left + off;
  const int rest = w - 2 * off - offsets.Left - offsets.Right - m - y - 4 * a;
  const int split = x0 + m + 2 * a + (m + y > 0 ? m * rest / (m + y) : 0);
  FMonthHeaderViewInfo->SetBounds(TRect(x0, FBounds.Top, split, FBounds.Bottom));
  FYearHeaderViewInfo->SetBounds(TRect(split, FBounds.Top, FBounds.Right - offsets.Right - off, FBounds.Bottom));
}

void TcxCalendarDateHeadersViewInfo::PaintClassicBackground(TcxCanvas* ACanvas) {
  TcxCustomLookAndFeelPainter* painter = Calendar()->GetPainter();
  if (painter->LookAndFeelStyle() == lfsNative) {
    TRect r = FBounds;
    painter->DrawDateNavigatorDateHeader(ACanvas, r);
  } else if (!Calendar()->ViewInfo()->IsThemedBackground()) {
    ACanvas->FillRect(FBounds, Calendar()->GetHeaderColor());
  }
}

void TcxCalendarDateHeadersViewInfo::PaintClassicFrame(TcxCanvas* ACanvas) {
  if (Calendar()->ViewInfo()->IsThemedBackground()) {
    if (Calendar()->Kind() == ckDate && Calendar()->Flat())
      ACanvas->FrameRect(TRect(FBounds.Left, FBounds.Top - 2, FBounds.Right, FBounds.Bottom + 1),
                         Calendar()->GetBackgroundColor(), 2);
    return;
  }
  if (!Calendar()->Flat())
    ACanvas->DrawEdge(FBounds, false, false);
  else if (Calendar()->Kind() == ckDateTime)
    ACanvas->FrameRect(FBounds, Calendar()->GetOffice11FrameColor());
  else
    ACanvas->FillRect(TRect(FBounds.Left, FBounds.Bottom - 1, FBounds.Right, FBounds.Bottom),
                      Calendar()->GetNativeFrameColor());
}

void TcxCalendarDateHeadersViewInfo::Paint(TcxCanvas* ACanvas) {
  const bool classic = !Calendar()->ViewInfo()->IsModern();
  if (classic) PaintClassicBackground(ACanvas);
  PaintChildren(ACanvas);
  if (classic) PaintClassicFrame(ACanvas);
}

// ---------------------------------------------------------------- date view

TcxCalendarDateViewInfo::TcxCalendarDateViewInfo(TcxCustomCalendar* ACalendar,
                                                 std::unique_ptr<TcxCalendarMonthTableViewInfo> AMonthTable)
    : TcxCalendarElementViewInfo(ACalendar),
      FHeadersViewInfo(std::make_unique<TcxCalendarDateHeadersViewInfo>(ACalendar)),
      FMonthTableViewInfo(AMonthTable ? std::move(AMonthTable)
                                      : std::make_unique<TcxCalendarMonthTableViewInfo>(ACalendar)) {}

void TcxCalendarDateViewInfo::AddVisibleElements() {
  AddVisibleElement(CurrentTable());
  AddVisibleElement(FHeadersViewInfo.get());
}

TRect TcxCalendarDateViewInfo::GetContentMargins() { return TRect(FSideWidth, 1, FSideWidth, 0); }

TSize TcxCalendarDateViewInfo::GetSize() {
  FSideWidth = 2 * TextWidthIn(Font(), L"0");
  const TRect margins = GetContentMargins();
  const TSize table = CurrentTable()->Size();
  return TSize{margins.Left + margins.Right + table.cx,
               margins.Top + Calendar()->ViewInfo()->HeaderHeight() + table.cy};
}

void TcxCalendarDateViewInfo::CalculateHeadersBounds() {
  FHeadersViewInfo->SetBounds(
      TRect(FBounds.Left, FBounds.Top, FBounds.Right, FBounds.Top + Calendar()->ViewInfo()->HeaderHeight()));
}

void TcxCalendarDateViewInfo::CalculateTableBounds() {
  const TRect margins = GetContentMargins();
  const TSize table = CurrentTable()->Size();
  const int left = FBounds.Left + margins.Left, top = FHeadersViewInfo->Bounds().Bottom + margins.Top;
  CurrentTable()->SetBounds(TRect(left, top, left + table.cx, top + table.cy));
}

void TcxCalendarDateViewInfo::CalculateBounds() {
  CalculateHeadersBounds();
  CalculateTableBounds();
  TcxCalendarElementViewInfo::CalculateBounds();
}

void TcxCalendarDateViewInfo::KeyDown(uint16_t& AKey, TShiftState AShift) { CurrentTable()->KeyDown(AKey, AShift); }

void TcxCalendarDateViewInfo::SyncFirstDate() {
  const double selected = Calendar()->SelectDate();
  const double source = selected == cxNullDate ? Date() : selected;
  Calendar()->StoreFirstDate(cxExtractDatePart(Calendar()->GetCalendarTable()->GetFirstDayOfMonth(source)));
}

void TcxCalendarDateViewInfo::SyncSelectDate() {
  const double selected = Calendar()->SelectDate();
  if (selected == cxNullDate) return;
  TcxCustomCalendarTable* table = Calendar()->GetCalendarTable();
  TcxDateTime parts = table->FromDateTime(Calendar()->FirstDate());
  const TcxDateTime own = table->FromDateTime(selected);
  parts.Day = std::min<uint32_t>(own.Day, table->GetDaysInMonth(parts.Era, parts.Year, parts.Month));
  Calendar()->StoreSelectDate(cxDayWithTime(cxExtractDatePart(table->ToDateTime(parts)), cxExtractTimePart(selected)));
}

void TcxCalendarDateViewInfo::Relayout() {
  Initialize();
  CalculateSize();
  CalculateBounds();
}

void TcxCalendarDateViewInfo::ChangeFirstDate(double AValue, bool) {
  Calendar()->StoreFirstDate(AValue);
  Calendar()->CalendarChanged();
}

void TcxCalendarDateViewInfo::ChangeSelectDate(double AValue, bool ARepositionVisibleDates, bool) {
  Calendar()->StoreSelectDate(AValue);
  if (ARepositionVisibleDates && AValue != cxNullDate) Calendar()->ApplyFirstDate(cxExtractDatePart(AValue));
  Calendar()->CalendarChanged();
}

// ---------------------------------------------------------------- top header

String TcxCalendarHeaderViewInfo::GetText() {
  if (Calendar()->ViewInfo()->IsModern()) return cxLongDateText(Date());
  const double selected = Calendar()->SelectDate();
  if (selected == cxNullDate) return String();
  return cxDateToLocaleText(cxDayWithTime(cxExtractDatePart(selected), Calendar()->Time()));
}

int TcxCalendarHeaderViewInfo::GetHitTestIndex() { return Calendar()->ViewInfo()->IsModern() ? 6 : 0; }

void TcxCalendarHeaderViewInfo::CalculateBounds() {
  FTextRect = FBounds;
  if (Calendar()->ViewInfo()->IsModern()) {
    const TSize extent = MeasuringCanvas(Font())->TextExtent(GetText());
    const int left = FBounds.Left + (FBounds.Width() - extent.cx) / 2;
    const int top = FBounds.Top + (FBounds.Height() - extent.cy) / 2;
    FTextRect = TRect(left, top, left + extent.cx, top + extent.cy);
  }
}

void TcxCalendarHeaderViewInfo::Paint(TcxCanvas* ACanvas) {
  Painter()->DrawHeader(ACanvas, this);
  Painter()->DrawHeaderText(ACanvas, this);
}

void TcxCalendarHeaderViewInfo::Click() {
  TcxCalendarElementViewInfo::Click();
  if (!Calendar()->ViewInfo()->IsModern()) return;
  // Today: back to the month level and today selected.
  TcxCustomCalendar* calendar = Calendar();
  auto* dateView = static_cast<TcxCalendarModernDateViewInfo*>(calendar->ViewInfo()->DateViewInfo());
  const double today = Date();
  const double selected = calendar->SelectDate();
  if (selected == cxNullDate || cxMonthSerial(selected) != cxMonthSerial(today))
    dateView->ChangeViewStyle(cvdsMonth, false);
  if (calendar->IsDateAllowed(today) && selected != today)
    dateView->ChangeSelectDate(today, true, calendar->CanAnimate() && dateView->ViewStyle() == cvdsMonth);
  dateView->ChangeViewStyle(cvdsMonth, calendar->CanAnimate());
}

// ---------------------------------------------------------------- time part

TcxCalendarTimeViewInfo::TcxCalendarTimeViewInfo(TcxCustomCalendar* ACalendar)
    : TcxCalendarElementViewInfo(ACalendar),
      FClock(std::make_unique<TcxClock>(nullptr)),
      FTimeEdit(std::make_unique<TcxTimeEdit>(nullptr)) {
  FClock->SetVisible(false);
  FClock->SetTabStop(false);
  FClock->LookAndFeel()->SetMasterLookAndFeel(ACalendar->LookAndFeel());
  FClock->SetParent(ACalendar);
  FTimeEdit->SetVisible(false);
  FTimeEdit->Properties()->SetCircular(true);
  FTimeEdit->Style()->LookAndFeel()->SetMasterLookAndFeel(ACalendar->LookAndFeel());
  FTimeEdit->SetParent(ACalendar);
}

TcxCalendarTimeViewInfo::~TcxCalendarTimeViewInfo() = default;

void TcxCalendarTimeViewInfo::Hide() {
  FClock->SetVisible(false);
  FTimeEdit->Properties()->OnChange = nullptr;
  FTimeEdit->SetVisible(false);
}

void TcxCalendarTimeViewInfo::TimeChanged() {
  const TDateTime time = FTimeEdit->Time();
  FClock->SetTime(time);
  Calendar()->StoreTime(time);
  if (Calendar()->HandleAllocated()) Calendar()->InvalidateRect(Calendar()->ViewInfo()->HeaderViewInfo()->Bounds(), false);
}

void TcxCalendarTimeViewInfo::Initialize() {
  TcxCalendarElementViewInfo::Initialize();
  FClock->SetAutoSize(Calendar()->ViewInfo()->IsModern());
  FClock->SetTime(Calendar()->Time());
}

int TcxCalendarTimeViewInfo::Gap() {
  TcxCalendarViewInfo* viewInfo = Calendar()->ViewInfo();
  return (viewInfo->ButtonsRegionHeight() - viewInfo->ButtonsHeight() - 1) / 2;
}

// The place the time editor takes: one line of a full time text.
TSize TcxCalendarTimeViewInfo::TimeEditSize() {
  TcxCanvas* canvas = MeasuringCanvas(Font());
  const TSize text = canvas->TextExtent(L"00:00:00 AM");
  return TSize{text.cx + canvas->TextWidth(L"0") + 8, text.cy + 8};
}

TSize TcxCalendarTimeViewInfo::GetSize() {
  const TSize edit = TimeEditSize();
  if (Calendar()->ViewInfo()->IsModern()) {
    const TSize clock = Calendar()->GetPainter()->ClockSize();
    return TSize{std::max(clock.cx, edit.cx), Calendar()->ViewInfo()->ButtonsRegionHeight() + clock.cy};
  }
  const int g = Gap();
  const int clock = std::max(0, FHeight - edit.cy - 3 * g);
  return TSize{std::max(clock, edit.cx) + 2 * g, g + clock + edit.cy};
}

void TcxCalendarTimeViewInfo::CalculateBounds() {
  const TSize edit = TimeEditSize();
  const bool modern = Calendar()->ViewInfo()->IsModern();
  const int g = modern ? 0 : Gap();
  const int clockSide = modern ? Calendar()->GetPainter()->ClockSize().cx : FBounds.Height() - edit.cy - 2 * g;
  const int clockHeight = modern ? Calendar()->GetPainter()->ClockSize().cy : clockSide;
  const int clockLeft = FBounds.Left + (FBounds.Width() - clockSide) / 2;
  FClock->SetBounds(clockLeft, FBounds.Top + g, clockSide, clockHeight);
  FClock->SetVisible(true);
  const int editLeft = FBounds.Left + (FBounds.Width() - edit.cx) / 2;
  const int editTop = FBounds.Top + g + clockHeight + g;
  FTimeEditBounds = TRect(editLeft, editTop, editLeft + edit.cx, editTop + edit.cy);
  TcxCustomTimeEditProperties* properties = FTimeEdit->Properties();
  properties->OnChange = nullptr;
  properties->SetTimeFormat(Calendar()->TimeFormat());
  properties->SetUse24HourFormat(Calendar()->Use24HourFormat());
  FTimeEdit->SetTime(Calendar()->Time());
  properties->OnChange = [this](TObject*) { TimeChanged(); };
  FTimeEdit->SetBounds(editLeft, editTop, edit.cx, edit.cy);
  FTimeEdit->SetTabStop(true);
  FTimeEdit->SetTabOrder(0);
  FTimeEdit->SetVisible(true);
  FTimeEdit->SetSelStart(0);
}

// ---------------------------------------------------------------- buttons

TcxCalendarButtonsViewInfo::TcxCalendarButtonsViewInfo(TcxCustomCalendar* ACalendar)
    : TcxCalendarElementViewInfo(ACalendar) {
  for (int i = 0; i < 4; ++i) {
    auto button = std::make_unique<TcxButton>(nullptr);
    button->SetVisible(false);
    button->SetTag(i);
    button->OnClick = [ACalendar](TObject* Sender) { ACalendar->ButtonClick(Sender); };
    button->LookAndFeel()->SetMasterLookAndFeel(ACalendar->LookAndFeel());
    button->SetDefault(static_cast<TCalendarButton>(i) == btnOk);
    button->SetParent(ACalendar);
    FButtons[i] = std::move(button);
  }
  TranslationChanged();
}

TcxCalendarButtonsViewInfo::~TcxCalendarButtonsViewInfo() = default;

void TcxCalendarButtonsViewInfo::TranslationChanged() {
  static const TResStringRec* captions[] = {&cxSDatePopupClear, &cxSDatePopupNow, &cxSDatePopupToday,
                                            &cxSDatePopupOK};
  for (int i = 0; i < 4; ++i) FButtons[i]->SetCaption(LoadResString(captions[i]));
}

int TcxCalendarButtonsViewInfo::VisibleButtonCount() {
  int count = 0;
  for (int i = 0; i < 4; ++i) count += Calendar()->ViewInfo()->IsButtonVisible(static_cast<TCalendarButton>(i));
  return count;
}

void TcxCalendarButtonsViewInfo::Initialize() {
  TcxCustomCalendar* calendar = Calendar();
  const bool todayAllowed = calendar->IsDateAllowed(Date());
  static const int tabOrder[] = {3, 2, 1, 4};
  for (int i = 0; i < 4; ++i) {
    const auto type = static_cast<TCalendarButton>(i);
    TcxButton* button = FButtons[i].get();
    button->SetEnabled(type == btnClear || type == btnOk || todayAllowed);
    button->SetTabStop(calendar->Kind() == ckDateTime);
    button->SetTabOrder(tabOrder[i]);
  }
}

void TcxCalendarButtonsViewInfo::CalculateSize() {
  TcxCanvas* canvas = MeasuringCanvas(Font());
  FMaxButtonWidth = 0;
  for (auto& button : FButtons) FMaxButtonWidth = std::max(FMaxButtonWidth, canvas->TextWidth(button->Caption()));
  TcxCalendarViewInfo* viewInfo = Calendar()->ViewInfo();
  FMaxButtonWidth += viewInfo->ColWidth();
  const int count = VisibleButtonCount();
  const int fontSize = Font()->Size();
  const int width = viewInfo->IsModern() ? (fontSize + FMaxButtonWidth) * count - fontSize
                                         : (viewInfo->ColWidth() + FMaxButtonWidth) * count + viewInfo->ColWidth();
  FSize = TSize{width, viewInfo->ButtonsRegionHeight()};
}

void TcxCalendarButtonsViewInfo::CalculateBounds() { CalculateButtonBounds(); }

void TcxCalendarButtonsViewInfo::CalculateButtonBounds() {
  TcxCalendarViewInfo* viewInfo = Calendar()->ViewInfo();
  std::vector<TcxButton*> shown;  // in the order Today, Now, Clear, OK
  for (TCalendarButton type : {btnToday, btnNow, btnClear, btnOk}) {
    TcxButton* button = Button(type);
    const bool visible = viewInfo->IsButtonVisible(type);
    button->SetVisible(visible);
    if (visible) shown.push_back(button);
  }
  if (shown.empty()) return;
  const int w = FMaxButtonWidth + 1, h = viewInfo->ButtonsHeight();
  const int fontSize = Font()->Size();
  const int count = static_cast<int>(shown.size());
  std::vector<int> lefts(count);
  int top;
  if (viewInfo->IsModern()) {
    const int group = count * w + (count - 1) * fontSize;
    for (int i = 0; i < count; ++i) lefts[i] = FBounds.Left + (FBounds.Width() - group) / 2 + i * (w + fontSize);
    top = FBounds.Top + (FBounds.Height() - h) / 2;
  } else if (Calendar()->Kind() == ckDate) {
    const int width = viewInfo->Bounds().Width();
    if (count == 2) {
      lefts[0] = (width - 2 * FMaxButtonWidth) / 3;
      lefts[1] = width - lefts[0] - FMaxButtonWidth;
    } else {
      lefts[0] = (width - w) / 2;
    }
    top = Calendar()->ClientHeight() + viewInfo->ButtonsOffset() - viewInfo->ButtonsRegionHeight();
  } else {
    const int gap = MulDiv(fontSize, 5, 4);
    lefts[count - 1] = viewInfo->Bounds().Width() - gap - w;
    if (count == 2)
      lefts[0] = lefts[1] - gap - w;
    else
      for (int i = 0; i < count - 1; ++i) lefts[i] = gap + i * (w + gap);
    top = FBounds.Top + (FBounds.Height() - h) / 2;
  }
  for (int i = 0; i < count; ++i) shown[i]->SetBounds(lefts[i], top, w, h);
}

void TcxCalendarButtonsViewInfo::Paint(TcxCanvas* ACanvas) {
  if (Calendar()->Kind() == ckDateTime && !Calendar()->ViewInfo()->IsModern())
    Painter()->DrawButtonsArea(ACanvas, this);
}

// ---------------------------------------------------------------- top element

TcxCalendarViewInfo::TcxCalendarViewInfo(TcxCustomCalendar* ACalendar) : TcxCalendarElementViewInfo(ACalendar) {}

TcxCalendarViewInfo::~TcxCalendarViewInfo() = default;

void TcxCalendarViewInfo::CreateElements() {
  FHeaderViewInfo = std::make_unique<TcxCalendarHeaderViewInfo>(Calendar());
  FDateViewInfo = CreateDateViewInfo();
  FTimeViewInfo = std::make_unique<TcxCalendarTimeViewInfo>(Calendar());
  FButtonsViewInfo = std::make_unique<TcxCalendarButtonsViewInfo>(Calendar());
}

void TcxCalendarViewInfo::CalculateMetrics() {
  TcxCanvas* canvas = MeasuringCanvas(Font());
  const int fontSize = Font()->Size();
  FColWidth = 3 * canvas->TextWidth(L"0");
  FRowHeight = canvas->TextHeight(L"0") + 2;
  dxRaiseToTouchMinimum(FColWidth);
  dxRaiseToTouchMinimum(FRowHeight);
  FHeaderHeight = FRowHeight + 3;
  if (Calendar()->Kind() == ckDate && Calendar()->GetPainter()->LookAndFeelStyle() == lfsOffice11) --FHeaderHeight;
  FButtonsOffset = fontSize / 2;
  TEXTMETRICW metrics{};
  GetTextMetricsW(canvas->Handle(), &metrics);
  FButtonsHeight = MulDiv(metrics.tmHeight, 20, 13) + 1;
  dxRaiseToTouchMinimum(FButtonsHeight);
  if (Calendar()->Kind() == ckDateTime) {
    const int a = MulDiv(fontSize, 5, 4);
    FButtonsRegionHeight = a + (a % 2 == 0 ? 1 : 2) + FButtonsHeight;
  } else {
    FButtonsRegionHeight = MulDiv(fontSize, 3, 4) + FButtonsOffset + FButtonsHeight - 1;
  }
}

void TcxCalendarViewInfo::Initialize() {
  CalculateMetrics();
  TcxCalendarElementViewInfo::Initialize();
  if (Calendar()->Kind() != ckDateTime) FTimeViewInfo->Hide();
  if (!AnyButtonVisible())
    for (TCalendarButton type : {btnToday, btnNow, btnClear, btnOk}) FButtonsViewInfo->Button(type)->SetVisible(false);
}

bool TcxCalendarViewInfo::IsButtonVisible(TCalendarButton AButton) {
  const bool dateTime = Calendar()->Kind() == ckDateTime;
  switch (AButton) {
    case btnClear:
    case btnToday: return Calendar()->CalendarButtons().Contains(AButton);
    case btnNow: return dateTime && Calendar()->CalendarButtons().Contains(AButton);
    case btnOk: return dateTime;
  }
  return false;
}

bool TcxCalendarViewInfo::AnyButtonVisible() {
  for (TCalendarButton type : {btnToday, btnNow, btnClear, btnOk})
    if (IsButtonVisible(type)) return true;
  return false;
}

void TcxCalendarViewInfo::AddVisibleElements() {
  if (IsHeaderVisible()) AddVisibleElement(FHeaderViewInfo.get());
  AddVisibleElement(FDateViewInfo.get());
  if (Calendar()->Kind() == ckDateTime) AddVisibleElement(FTimeViewInfo.get());
  if (AnyButtonVisible()) AddVisibleElement(FButtonsViewInfo.get());
}

void TcxCalendarViewInfo::CalculateBounds() {
  CalculateElementBounds();
  TcxCalendarElementViewInfo::CalculateBounds();
}

String TcxCalendarViewInfo::GetYearHeaderText() {
  return cxLocalYearText(Calendar()->GetCalendarTable(), Calendar()->FirstDate());
}

bool TcxCalendarViewInfo::CanCloseOnDateClick() { return Calendar()->Kind() == ckDate; }

void TcxCalendarViewInfo::MouseUp(TMouseButton, TShiftState, int, int) {
  if (CanCloseOnDateClick() && !Calendar()->IsRestrictedToValidDates()) Calendar()->HidePopup(Calendar(), crEnter);
}

// ---------------------------------------------------------------- classic top element

TcxCalendarClassicViewInfo::TcxCalendarClassicViewInfo(TcxCustomCalendar* ACalendar)
    : TcxCalendarViewInfo(ACalendar), FMonthListBox(std::make_unique<TcxMonthListBox>(ACalendar)) {
  CreateElements();
}

TcxCalendarClassicViewInfo::~TcxCalendarClassicViewInfo() = default;

std::unique_ptr<TcxCalendarDateViewInfo> TcxCalendarClassicViewInfo::CreateDateViewInfo() {
  return std::make_unique<TcxCalendarDateViewInfo>(Calendar());
}

bool TcxCalendarClassicViewInfo::IsHeaderVisible() { return Calendar()->Kind() == ckDateTime; }

bool TcxCalendarClassicViewInfo::IsThemedBackground() {
  return Calendar()->GetPainter()->LookAndFeelStyle() == lfsNative;
}

TSize TcxCalendarClassicViewInfo::GetArrowSize() {
  const int off = Calendar()->Kind() == ckDateTime || !Calendar()->Flat() ? 1 : 0;
  return TSize{FColWidth - 2, FHeaderHeight - off - 1};
}

String TcxCalendarClassicViewInfo::GetMonthHeaderText() {
  TcxCustomCalendarTable* table = Calendar()->GetCalendarTable();
  return Calendar()->ArrowsForYear() ? cxMonthNameText(table, Calendar()->FirstDate())
                                     : cxMonthYearText(table, Calendar()->FirstDate());
}

void TcxCalendarClassicViewInfo::Initialize() {
  TcxCalendarViewInfo::Initialize();
  FMonthListBox->SetShowYears(!Calendar()->ArrowsForYear() || Calendar()->YearsInMonthList());
}

TSize TcxCalendarClassicViewInfo::GetSize() {
  const TSize margins = Calendar()->GetContentMargins();
  const int fontSize = Font()->Size();
  const bool buttons = AnyButtonVisible();
  int height = FDateViewInfo->Size().cy + (buttons ? FButtonsViewInfo->Size().cy : 0);
  height += IsHeaderVisible() ? margins.cy + FHeaderHeight + fontSize / 2 : 1;
  height += Calendar()->GetContentOffsets().Top;
  int width = FDateViewInfo->Size().cx;
  if (Calendar()->Kind() == ckDateTime) {
    FTimeViewInfo->SetHeight(height - (buttons ? FButtonsViewInfo->Size().cy : 0) - FHeaderHeight - margins.cy);
    FTimeViewInfo->CalculateSize();
    width += 2 * margins.cx + FColWidth + FTimeViewInfo->Size().cx;
  }
  FSpaceWidth = 0;
  if (buttons && width < FButtonsViewInfo->Size().cx) {
    FSpaceWidth = (FButtonsViewInfo->Size().cx - width) / 2;
    if (Calendar()->Kind() == ckDateTime) FSpaceWidth /= 2;
    width = FButtonsViewInfo->Size().cx;
  }
  return TSize{width, height};
}

void TcxCalendarClassicViewInfo::CalculateElementBounds() {
  const TSize margins = Calendar()->GetContentMargins();
  const bool dateTime = Calendar()->Kind() == ckDateTime;
  TRect header(FBounds.Left, FBounds.Top, FBounds.Right, FBounds.Top + FHeaderHeight);
  if (Calendar()->GetPainter()->LookAndFeelStyle() == lfsOffice11) header = cxRectExpand(header, -2, -2, -2, 0);
  FHeaderViewInfo->SetBounds(header);
  const int left = FBounds.Left + FSpaceWidth + (dateTime ? margins.cx : 0);
  const int top = (IsHeaderVisible() ? header.Bottom + margins.cy : FBounds.Top) + Calendar()->GetContentOffsets().Top;
  const TSize date = FDateViewInfo->Size();
  FDateViewInfo->SetBounds(TRect(left, top, left + date.cx, top + date.cy));
  if (dateTime) {
    const int right = FBounds.Right - FSpaceWidth - margins.cx;
    FTimeViewInfo->SetBounds(
        TRect(right - FTimeViewInfo->Size().cx, top, right, top + FTimeViewInfo->Size().cy));
  }
  FButtonsViewInfo->SetBounds(
      TRect(FBounds.Left, FDateViewInfo->Bounds().Bottom + Font()->Size() / 2, FBounds.Right, FBounds.Bottom));
}

void TcxCalendarClassicViewInfo::Paint(TcxCanvas* ACanvas) {
  ACanvas->FillRect(FBounds, Calendar()->GetBackgroundColor());
  PaintChildren(ACanvas);
  if (Calendar()->Kind() == ckDateTime) {
    const int x = FDateViewInfo->Bounds().Right + FColWidth / 2 + FSpaceWidth;
    const TRect table = FDateViewInfo->MonthTableViewInfo()->Bounds();
    ACanvas->FillRect(TRect(x, table.Top, x + 1, FTimeViewInfo->TimeEditBounds().Bottom),
                      Calendar()->GetPainter()->DefaultDateNavigatorSeparator1Color());
  }
}
