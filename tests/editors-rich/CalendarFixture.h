#pragma once
// A calendar on a shown form, its day cells by date, and the input a person
// gives it: clicks, keys and the wheel as window messages.
#include <gtest/gtest.h>

#include "components/editors-rich/cxCalendar.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "vcl/rtl/DateUtils.h"

enum class TLook { Standard, Flat, UltraFlat, Office11, Native };
inline const TLook AllLooks[] = {TLook::Standard, TLook::Flat, TLook::UltraFlat, TLook::Office11, TLook::Native};
inline const char* LookName(TLook ALook) {
  static const char* names[] = {"Standard", "Flat", "UltraFlat", "Office11", "Native"};
  return names[static_cast<int>(ALook)];
}
inline void SetLook(TcxLookAndFeel* ALookAndFeel, TLook ALook) {
  ALookAndFeel->SetNativeStyle(ALook == TLook::Native);
  if (ALook == TLook::Native) return;
  static const TcxLookAndFeelKind kinds[] = {lfStandard, lfFlat, lfUltraFlat, lfOffice11};
  ALookAndFeel->SetKind(kinds[static_cast<int>(ALook)]);
}

struct CalendarFixture : FormFixture {
  TcxCustomCalendar* Calendar = nullptr;

  CalendarFixture() {
    Form->SetBounds(0, 0, 700, 500);
    Form->Show();
    Calendar = Add<TcxCustomCalendar>(10, 10);
    Calendar->SetAnimation(false);
    ProcessPendingMessages();
  }
  ~CalendarFixture() override { cxDropWeekStartAssignment(); }

  TcxCalendarDateCellViewInfo* DayCell(double ADate) {
    TcxCalendarDateTableViewInfo* table = Calendar->ViewInfo()->DateViewInfo()->CurrentTable();
    for (int i = 0; i < table->CellCount(); ++i)
      if (table->Cells(i)->Value() == ADate) return table->Cells(i);
    return nullptr;
  }
  static TPoint Centre(const TRect& R) { return TPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2); }
  void Click(const TPoint& P) {
    const LPARAM at = MAKELPARAM(P.X, P.Y);
    SendMessageW(Calendar->Handle(), WM_MOUSEMOVE, 0, at);
    SendMessageW(Calendar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(Calendar->Handle(), WM_LBUTTONUP, 0, at);
    ProcessPendingMessages();
  }
  void Key(WORD AKey) {
    SendMessageW(Calendar->Handle(), WM_KEYDOWN, AKey, 0);
    ProcessPendingMessages();
  }
  // One notch over a point of the calendar's client area.
  void Wheel(const TPoint& P, int ADelta, bool ACtrl = false) {
    const TPoint screen = Calendar->ClientToScreen(P);
    SendMessageW(Calendar->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(ACtrl ? MK_CONTROL : 0, ADelta),
                 MAKELPARAM(screen.X, screen.Y));
    ProcessPendingMessages();
  }
};
