#include "vcl/controls/ComCtrls.h"

#include <cmath>

#include <commctrl.h>

#include "vcl/rtl/DateUtils.h"

namespace {
SYSTEMTIME ToSystemTime(TDateTime Value) {
  int year, month, day, hour, minute, second, msec;
  DecodeDateTime(Value, year, month, day, hour, minute, second, msec);
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(year);
  time.wMonth = static_cast<WORD>(month);
  time.wDay = static_cast<WORD>(day);
  time.wDayOfWeek = static_cast<WORD>(DayOfWeek(Value) - 1);
  time.wHour = static_cast<WORD>(hour);
  time.wMinute = static_cast<WORD>(minute);
  time.wSecond = static_cast<WORD>(second);
  time.wMilliseconds = static_cast<WORD>(msec);
  return time;
}

TDateTime FromSystemTime(const SYSTEMTIME& Time) {
  return EncodeDateTime(Time.wYear, Time.wMonth, Time.wDay, Time.wHour, Time.wMinute, Time.wSecond,
                        Time.wMilliseconds);
}
}  // namespace

// ---------------------------------------------------------------- TDateTimePicker

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner), FDateTime(Now()) {
  SetBounds(0, 0, 186, 21);
  SetColor(clWindow);
  SetTabStop(true);
}

void TDateTimePicker::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = DATETIMEPICK_CLASSW;
  Params.Style |= DTS_SHORTDATEFORMAT;
  if (FShowCheckbox) Params.Style |= DTS_SHOWNONE;
}

void TDateTimePicker::InitializeWindow() {
  TWinControl::InitializeWindow();
  ShowValue();
}

// Hands the value and the check box to the window. The picker ignores "no
// date" without a valid time beside it, so one is always given.
void TDateTimePicker::ShowValue() {
  if (!HandleAllocated()) return;
  SYSTEMTIME time = ToSystemTime(FDateTime);
  SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
  if (FShowCheckbox && !FChecked)
    SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&time));
}

void TDateTimePicker::SetDateTime(TDateTime Value) {
  if (!(Value >= EncodeDate(1601, 1, 1) && Value < EncodeDate(9999, 12, 31) + 1))
    throw EDateTimeError(L"Failed to set calendar date or time");
  FDateTime = Value;
  ShowValue();
}

TDateTime TDateTimePicker::Date() const { return std::trunc(FDateTime); }

void TDateTimePicker::SetDate(TDateTime Value) {
  SetDateTime(std::trunc(Value) + (FDateTime - std::trunc(FDateTime)));
}

void TDateTimePicker::SetShowCheckbox(bool Value) {
  if (Value == FShowCheckbox) return;
  FShowCheckbox = Value;
  RecreateWnd();
}

void TDateTimePicker::SetChecked(bool Value) {
  FChecked = Value;
  ShowValue();
}

void TDateTimePicker::WndProc(TMessage& Message) {
  if (Message.Msg == CN_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(Message.LParam);
    if (header->code == DTN_DATETIMECHANGE) {
      auto* change = reinterpret_cast<NMDATETIMECHANGE*>(Message.LParam);
      FChecked = change->dwFlags == GDT_VALID;
      if (FChecked) FDateTime = FromSystemTime(change->st);
      if (OnChange) OnChange(this);
      return;
    }
  }
  TWinControl::WndProc(Message);
}

// ---------------------------------------------------------------- TStatusBar

void TStatusPanel::SetText(const String& Value) {
  FText = Value;
  FOwner->ShowPanels();
}

void TStatusPanel::SetWidth(int Value) {
  FWidth = std::max(Value, 0);
  FOwner->ShowPanels();
}

TStatusBar::TStatusBar(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 200, 19);
  SetColor(clBtnFace);
  SetAlign(alBottom);
}

void TStatusBar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = STATUSCLASSNAMEW;
  Params.Style |= SBARS_SIZEGRIP | CCS_NOPARENTALIGN | CCS_BOTTOM;
}

void TStatusBar::InitializeWindow() {
  TWinControl::InitializeWindow();
  ShowPanels();
}

void TStatusBar::SetSimplePanel(bool Value) {
  FSimplePanel = Value;
  ShowPanels();
}

void TStatusBar::SetSimpleText(const String& Value) {
  FSimpleText = Value;
  ShowPanels();
}

TStatusPanel* TStatusBar::AddPanel() {
  FPanels.push_back(std::make_unique<TStatusPanel>(this));
  ShowPanels();
  return FPanels.back().get();
}

void TStatusBar::ClearPanels() {
  FPanels.clear();
  ShowPanels();
}

void TStatusBar::ShowPanels() {
  if (!HandleAllocated()) return;
  HWND bar = Handle();
  SendMessageW(bar, SB_SIMPLE, FSimplePanel, 0);
  if (FSimplePanel) {
    SendMessageW(bar, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(FSimpleText.c_str()));
    return;
  }
  // Right edges of the parts; the last one reaches the end of the bar.
  std::vector<int> edges;
  int right = 0;
  for (const auto& panel : FPanels) edges.push_back(right += panel->Width());
  if (edges.empty()) edges.push_back(-1);
  else edges.back() = -1;
  SendMessageW(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (size_t i = 0; i < FPanels.size(); ++i)
    SendMessageW(bar, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(FPanels[i]->Text().c_str()));
}
