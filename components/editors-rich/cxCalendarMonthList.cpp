// The classic header's popup list of months.
#include <algorithm>

#include "components/editors-rich/cxCalendar.h"

TcxMonthListBox::TcxMonthListBox(TComponent* AOwnerControl)
    : TcxPopupWindow(AOwnerControl), FTimer(std::make_unique<TcxTimer>(nullptr)) {
  SetControlStyle(TControlStyle{csCaptureMouse, csOpaque});
  FTimer->SetEnabled(false);
  FTimer->SetInterval(200);
  FTimer->SetOnTimer([this](TObject* Sender) { TimerTick(Sender); });
  SetAdjustable(false);
  SetBorderStyle(pbsFlat);
}

TcxMonthListBox::~TcxMonthListBox() = default;

TcxCustomCalendar* TcxMonthListBox::Calendar() const { return static_cast<TcxCustomCalendar*>(Owner()); }

void TcxMonthListBox::CreateParams(TCreateParams& Params) {
  TcxPopupWindow::CreateParams(Params);
  Params.ExStyle |= WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
}

void TcxMonthListBox::SetShowYears(bool AValue) {
  FShowYears = AValue;
  SetControlStyle(AValue ? ControlStyle() - TControlStyle{csClickEvents} : ControlStyle() + TControlStyle{csClickEvents});
}

TDateTime TcxMonthListBox::MonthDate(int ADelta) {
  TcxCustomCalendarTable* table = Calendar()->GetCalendarTable();
  return table->AddMonths(table->ToDateTime(FCurrentDate), ADelta);
}

// A month of a valid year that the calendar allows.
bool TcxMonthListBox::IsMonthAllowed(int ADelta) {
  TcxCustomCalendarTable* table = Calendar()->GetCalendarTable();
  const TDateTime date = MonthDate(ADelta);
  if (!cxIsDateInSupportedRange(date)) return false;
  const TcxDateTime parts = table->FromDateTime(date);
  return table->IsValidYear(parts.Era, static_cast<int>(parts.Year)) && Calendar()->IsMonthAllowed(date);
}

TDateTime TcxMonthListBox::ItemDate(int AIndex) {
  if (AIndex < 0 || AIndex >= FItemCount) return cxNullDate;
  return MonthDate(FTopMonthDelta + AIndex);
}

TDateTime TcxMonthListBox::Date() { return ItemDate(FItemIndex); }

String TcxMonthListBox::ItemText(int AIndex) {
  TcxCustomCalendarTable* table = Calendar()->GetCalendarTable();
  const TDateTime date = ItemDate(AIndex);
  return FShowYears ? cxMonthYearText(table, date) : cxMonthNameText(table, date);
}

void TcxMonthListBox::Popup(TWinControl* AFocusedControl) {
  TcxCustomCalendar* calendar = Calendar();
  TcxCustomCalendarTable* table = calendar->GetCalendarTable();
  FCurrentDate = table->FromDateTime(calendar->FirstDate());
  const int before = FShowYears ? 3 : static_cast<int>(FCurrentDate.Month) - 1;
  int first = -before;
  while (first < 0 && !IsMonthAllowed(first)) ++first;
  FTopMonthDelta = first;
  const int limit = FShowYears ? before + 4
                               : before + table->GetMonthsInYear(FCurrentDate.Era, FCurrentDate.Year) -
                                     static_cast<int>(FCurrentDate.Month) + 1;
  const int limitFromFirst = limit - (first + before);
  FItemCount = 0;
  while (FItemCount < limitFromFirst && IsMonthAllowed(FTopMonthDelta + FItemCount)) ++FItemCount;
  if (FItemCount < 2) return;

  Font()->Assign(calendar->Font());
  TcxCalendarViewInfo* viewInfo = calendar->ViewInfo();
  FItemHeight = viewInfo->HeaderHeight() - 2;
  const int width = 6 * viewInfo->ColWidth() + 2, height = FItemCount * FItemHeight + 2;
  const TRect cell = viewInfo->DateViewInfo()->HeadersViewInfo()->MonthHeaderViewInfo()->TextCell()->Bounds();
  const TPoint cellTopLeft = calendar->ClientToScreen(cell.TopLeft());
  const int middle = cellTopLeft.Y + cell.Height() / 2;
  FOrigin.X = cellTopLeft.X + (cell.Width() - width) / 2;
  FOrigin.Y = FShowYears ? middle - FItemHeight / 2 + FTopMonthDelta * FItemHeight : middle - height / 2;
  FItemIndex = -1;
  SetBounds(FOrigin.X, FOrigin.Y, width, height);
  SetWindowPos(Handle(), HWND_TOPMOST, FOrigin.X, FOrigin.Y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  if (FShowYears)
    SetCapture(Handle());
  else if (GetCapture())
    ReleaseCapture();
}

void TcxMonthListBox::CloseUp() {
  if (!HandleAllocated() || !IsWindowVisible(Handle())) return;
  if (GetCapture() == Handle()) ReleaseCapture();
  FTimer->SetEnabled(false);
  ShowWindow(Handle(), SW_HIDE);
  const TDateTime date = Date();
  if (date != cxNullDate) Calendar()->SetFirstDate(date);
}

void TcxMonthListBox::PaintWindow(HDC DC) {
  TcxPaintCanvas* canvas = cxSharedPaintCanvas();
  canvas->BeginPaint(DC);
  struct TEndPaint {
    TcxPaintCanvas* Canvas;
    ~TEndPaint() { Canvas->EndPaint(); }
  } endPaint{canvas};
  const TRect client(0, 0, Width(), Height());
  canvas->FrameRect(client, clBlack);
  canvas->Font()->Assign(Calendar()->Font());
  for (int i = 0; i < FItemCount; ++i) {
    const TRect item(1, 1 + i * FItemHeight, Width() - 1, 1 + (i + 1) * FItemHeight);
    const bool hot = i == FItemIndex;
    canvas->FillRect(item, hot ? clWindowText : Calendar()->Color());
    canvas->Font()->SetColor(hot ? Calendar()->Color() : clWindowText);
    canvas->Brush()->SetStyle(bsClear);
    canvas->DrawTexT(ItemText(i), item, taCenter, vaCenter, false, false);
    canvas->Brush()->SetStyle(bsSolid);
  }
}

void TcxMonthListBox::SetItemIndex(int AValue) {
  if (AValue == FItemIndex) return;
  FItemIndex = AValue;
  Invalidate();
}

void TcxMonthListBox::MouseMove(TShiftState Shift, int X, int Y) {
  TcxPopupWindow::MouseMove(Shift, X, Y);
  const int height = ClientHeight();
  if (X >= 0 && X < ClientWidth() && Y >= 0 && Y < height) {
    FTimer->SetEnabled(false);
    SetItemIndex(std::min(std::max(0, (Y - 1) / std::max(1, FItemHeight)), FItemCount - 1));
    return;
  }
  SetItemIndex(-1);
  if (Y >= 0 && Y < height) {
    FTimer->SetEnabled(false);
    return;
  }
  const int distance = Y < 0 ? Y : Y + 1 - height;
  FSign = distance < 0 ? -1 : 1;
  const int steps = std::min(3, std::abs(distance) / std::max(1, FItemHeight));
  static const uint32_t intervals[] = {500, 250, 100, 50};
  if (!FTimer->Enabled() || FTimer->Interval() != intervals[steps]) {
    FTimer->SetInterval(intervals[steps]);
    FTimer->SetEnabled(true);
  }
}

void TcxMonthListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxPopupWindow::MouseUp(Button, Shift, X, Y);
  CloseUp();
}

void TcxMonthListBox::TimerTick(TObject*) {
  const int top = FTopMonthDelta + FSign;
  if (IsMonthAllowed(top) && IsMonthAllowed(top + FItemCount - 1)) {
    FTopMonthDelta = top;
    Invalidate();
  }
}
