// The control unit's routines on windows, work areas, shift states and keys,
// on hidden windows and the desktop Wine reports.
#include <gtest/gtest.h>

#include <string>

#include "components/controls/cxControls.h"
#include "vcl/controls/Forms.h"
#include "vcl/rtl/FormatSettings.h"

namespace {

constexpr UINT WM_PROBE = WM_APP + 3;

// A windowed control that notes the probes it is sent.
class TNotingControl : public TCustomControl {
public:
  TNotingControl(TComponent* AOwner, std::string* ALog, char AName)
      : TCustomControl(AOwner), FLog(ALog), FName(AName) {}

protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_PROBE) *FLog += FName;
    TCustomControl::WndProc(Message);
  }

private:
  std::string* FLog;
  char FName;
};

class TNotingForm : public TForm {
public:
  TNotingForm(std::string* ALog) : TForm(nullptr), FLog(ALog) {}

protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_PROBE) *FLog += 'F';
    TForm::WndProc(Message);
  }

private:
  std::string* FLog;
};

// A hidden form with a panel holding a control; nothing is shown.
struct HiddenNest {
  std::string Log;
  TNotingForm Form{&Log};
  TNotingControl* Panel = new TNotingControl(&Form, &Log, 'P');
  TNotingControl* Inner = new TNotingControl(&Form, &Log, 'I');
  HiddenNest() {
    Panel->SetParent(&Form);
    Panel->SetBounds(0, 0, 100, 100);
    Inner->SetParent(Panel);
    Inner->SetBounds(10, 10, 50, 50);
    Inner->HandleNeeded();
  }
};

}  // namespace

TEST(ControlWindows, ControlsAndFormsAreFoundFromAnyWindowInside) {
  HiddenNest nest;
  const HWND raw = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, nest.Inner->Handle(),
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
  EXPECT_EQ(nest.Inner, cxFindControlOfWindow(raw));
  EXPECT_EQ(nest.Panel, cxFindWindowControl(nest.Panel->Handle()));
  EXPECT_EQ(&nest.Form, cxGetWindowParentForm(raw));
  EXPECT_EQ(nullptr, cxFindControlOfWindow(GetDesktopWindow()));
  EXPECT_TRUE(cxIsSameOrChildWindow(nest.Form.Handle(), raw));
  EXPECT_TRUE(cxIsSameOrChildWindow(raw, raw));
  EXPECT_FALSE(cxIsSameOrChildWindow(raw, nest.Form.Handle()));
  EXPECT_FALSE(cxIsSameOrChildWindow(nullptr, raw));
  DestroyWindow(raw);
}

TEST(ControlWindows, AChildIsEnabledOnlyWithAllItsParents) {
  HiddenNest nest;
  EXPECT_TRUE(cxIsWindowEnabledWithParents(nest.Inner->Handle()));
  EnableWindow(nest.Panel->Handle(), FALSE);
  EXPECT_TRUE(IsWindowEnabled(nest.Inner->Handle()));
  EXPECT_FALSE(cxIsWindowEnabledWithParents(nest.Inner->Handle()));
  EnableWindow(nest.Panel->Handle(), TRUE);
  EnableWindow(nest.Form.Handle(), FALSE);
  EXPECT_FALSE(cxIsWindowEnabledWithParents(nest.Inner->Handle()));
  EXPECT_FALSE(cxIsWindowEnabledWithParents(nest.Form.Handle()));
}

TEST(ControlWindows, AMessageClimbsTheParentsButStopsBeforeTheForm) {
  HiddenNest nest;
  cxPerformToParentsUntilForm(nest.Inner, WM_PROBE);
  EXPECT_EQ("IP", nest.Log);
  nest.Log.clear();
  cxPerformToParentsUntilForm(&nest.Form, WM_PROBE);
  EXPECT_EQ("F", nest.Log);
}

TEST(ControlWindows, ControlsWithoutAWindowAnswerEmptyAndAreLeftAlone) {
  std::string log;
  TNotingControl control(nullptr, &log, 'C');
  EXPECT_FALSE(cxIsControlShowing(&control));
  EXPECT_FALSE(cxIsControlShowing(nullptr));
  EXPECT_TRUE(cxGetControlWindowRect(&control).IsEmpty());
  EXPECT_FALSE(cxIsControlPaintingOnGlass(&control));
  cxRequestWindowRecreate(&control, false);
  EXPECT_FALSE(control.HandleAllocated());
}

TEST(ControlWindows, AHiddenFormIsNotShowingAndHasItsWindowRectangle) {
  HiddenNest nest;
  nest.Form.SetBounds(20, 30, 200, 150);
  EXPECT_FALSE(cxIsControlShowing(&nest.Form));
  EXPECT_EQ(TRect(20, 30, 220, 180), cxGetControlWindowRect(&nest.Form));
  EXPECT_EQ(nest.Panel, cxFindOwnedComponentOfClass(&nest.Form, TCustomControl::StaticClass()));
  EXPECT_EQ(nullptr, cxFindOwnedComponentOfClass(&nest.Form, TForm::StaticClass()));
}

TEST(ControlPainting, WithoutCompositionOnWindows7TheUpdateRegionIsNotTrusted) {
  HiddenNest nest;
  InvalidateRect(nest.Inner->Handle(), nullptr, FALSE);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_FALSE(cxGetControlUpdateRegion(nest.Inner, region));  // Wine: Windows 7, no composition
  DeleteObject(region);
}

TEST(ControlPainting, AnEraseIsFromOwnPrintWhenItsParameterIsItsContext) {
  const struct {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    bool Expected;
  } cases[] = {{WM_ERASEBKGND, 0x1234, 0x1234, true},
               {WM_ERASEBKGND, 0x1234, 0, false},
               {WM_PRINTCLIENT, 0x1234, 0x1234, false}};
  for (const auto& c : cases)
    EXPECT_EQ(c.Expected, cxIsEraseFromOwnPrint(TMessage{c.Msg, c.WParam, c.LParam, 0}));
}

TEST(Desktop, WorkAreasAreTheSystemsAnswers) {
  RECT system{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &system, 0));
  const TRect area{system.left, system.top, system.right, system.bottom};
  EXPECT_EQ(area, cxGetWorkAreaOfMonitor(nullptr));
  EXPECT_EQ(area, cxGetDesktopWorkAreaAtPoint({area.Left + 1, area.Top + 1}));
  EXPECT_EQ(area, cxGetDesktopWorkAreaAtPoint({-5000, -5000}));  // the nearest monitor
  EXPECT_EQ(area, cxGetWorkAreaOfMonitor(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)));
}

TEST(Desktop, RectanglesAreMovedIntoTheWorkAreaLeftAndTopWinning) {
  const TRect area = cxGetDesktopWorkAreaAtPoint({0, 0});
  const int w = area.Width(), h = area.Height();
  const struct {
    TRect Bounds;
    TRect Expected;
  } cases[] = {
      {Bounds(area.Left + 10, area.Top + 10, 50, 40), Bounds(area.Left + 10, area.Top + 10, 50, 40)},
      {Bounds(area.Right - 20, area.Bottom - 10, 50, 40), Bounds(area.Right - 50, area.Bottom - 40, 50, 40)},
      {Bounds(area.Left - 30, area.Top - 5, 50, 40), Bounds(area.Left, area.Top, 50, 40)},
      {Bounds(area.Left + 40, area.Top + 40, w + 100, h + 60), Bounds(area.Left, area.Top, w + 100, h + 60)},
  };
  for (const auto& c : cases) {
    TRect bounds = c.Bounds;
    cxMoveRectIntoWorkArea(bounds, {area.Left + 1, area.Top + 1});
    EXPECT_EQ(c.Expected, bounds);
  }
}

TEST(MouseAndKeys, ShiftStatesAreClassified) {
  EXPECT_TRUE(cxIsShiftStateClear({}));
  EXPECT_FALSE(cxIsShiftStateClear({ssDouble}));
  const struct {
    TShiftState Shift;
    bool AllowDouble;
    bool Expected;
  } cases[] = {{{ssLeft}, false, true},          {{ssLeft, ssDouble}, false, false},
               {{ssLeft, ssDouble}, true, true}, {{ssLeft, ssShift}, true, false},
               {{ssRight}, true, false},         {{ssLeft, ssMiddle}, false, false}};
  for (const auto& c : cases) EXPECT_EQ(c.Expected, cxIsShiftStateLeftButtonOnly(c.Shift, c.AllowDouble));
  EXPECT_EQ(WPARAM(MK_SHIFT | MK_LBUTTON | MK_MBUTTON),
            cxShiftStateToMouseKeys({ssShift, ssLeft, ssMiddle, ssAlt, ssDouble}));
  EXPECT_EQ(WPARAM(MK_RBUTTON | MK_CONTROL), cxShiftStateToMouseKeys({ssRight, ssCtrl}));
}

TEST(MouseAndKeys, NumberCharactersFollowTheKindAndTheLocaleSeparator) {
  const Char saved = FormatSettings.DecimalSeparator;
  FormatSettings.DecimalSeparator = L',';
  const struct {
    Char Ch;
    bool Whole, Decimal, Float;
  } cases[] = {{L'7', true, true, true},    {L'-', true, true, true},   {L'+', true, true, true},
               {L',', false, true, true},   {L'.', false, false, false}, {L'e', false, false, true},
               {L'E', false, false, true},  {L'x', false, false, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.Whole, cxIsNumberInputChar(c.Ch, 0)) << char(c.Ch);
    EXPECT_EQ(c.Decimal, cxIsNumberInputChar(c.Ch, 1)) << char(c.Ch);
    EXPECT_EQ(c.Float, cxIsNumberInputChar(c.Ch, 2)) << char(c.Ch);
  }
  FormatSettings.DecimalSeparator = saved;
}

TEST(MouseAndKeys, SystemKeysAreThoseThatTypeNoCharacter) {
  for (int key : {VK_CANCEL, VK_TAB, VK_RETURN, VK_SHIFT, VK_CAPITAL, VK_ESCAPE, VK_PRIOR,
                       VK_HELP, VK_LWIN, VK_NUMPAD5, VK_F12, VK_SCROLL, VK_LSHIFT, VK_RMENU,
                       VK_PROCESSKEY, VK_ATTN, VK_OEM_CLEAR})
    EXPECT_TRUE(cxIsSysKeyCode(static_cast<uint16_t>(key))) << key;
  for (int key : {0, 8, 32, 48, 65, 90, 146, 186, 228, 230, 255, 256, 0x1009})
    EXPECT_FALSE(cxIsSysKeyCode(static_cast<uint16_t>(key))) << key;
  EXPECT_TRUE(cxIsPrintableChar(L'a'));
  EXPECT_TRUE(cxIsPrintableChar(L'\u00e7'));
  EXPECT_FALSE(cxIsPrintableChar(L'\t'));
  EXPECT_FALSE(cxIsPrintableChar(L'\x7f'));
}
