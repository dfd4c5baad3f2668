// The month calendar: its grid in each locale and start of week, week
// numbers, limits, navigation by mouse, keys and wheel, and the modern
// view's zoom levels with their animation.
#include <gtest/gtest.h>

#include <vector>

#include "components/core/cxFormats.h"
#include "components/editors-rich/cxClock.h"
#include "tests/calendars/LocaleScope.h"
#include "components/editors-basic/cxButtons.h"
#include "tests/editors-rich/CalendarFixture.h"

namespace {

TDateTime D(int Y, int M, int Day) { return EncodeDate(Y, M, Day); }

using CalendarGrid = CalendarFixture;
using CalendarNavigation = CalendarFixture;
using ModernCalendar = CalendarFixture;

}  // namespace

TEST_F(CalendarGrid, FirstAndLastVisibleDatesPerLocaleAndStartOfWeek) {
  struct TCase {
    LANGID Language;
    TDateTime Month, First, Last;
  };
  // 2024-09-01 is a Sunday, 2024-07-01 a Monday: a month that begins on
  // the first day of the week shows the previous month's last week first.
  const TCase cases[] = {
      {cxLangPtBR, D(2024, 9, 1), D(2024, 8, 25), D(2024, 10, 5)},
      {cxLangEnUS, D(2024, 9, 1), D(2024, 8, 25), D(2024, 10, 5)},
      {cxLangDe, D(2024, 9, 1), D(2024, 8, 26), D(2024, 10, 6)},
      {cxLangJapanese, D(2024, 9, 1), D(2024, 8, 25), D(2024, 10, 5)},
      {cxLangPtBR, D(2024, 7, 1), D(2024, 6, 30), D(2024, 8, 10)},
      {cxLangDe, D(2024, 7, 1), D(2024, 6, 24), D(2024, 8, 4)},
      {cxLangJapanese, D(2024, 7, 1), D(2024, 6, 30), D(2024, 8, 10)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "language " << c.Language << " month " << c.Month);
    TLocaleScope locale(c.Language);
    Calendar->SetFirstDate(c.Month + 14);  // any day of the month shows it
    EXPECT_EQ(Calendar->FirstDate(), c.Month);
    Calendar->CalendarChanged();
    EXPECT_EQ(Calendar->GetFirstVisibleDate(), c.First);
    EXPECT_EQ(Calendar->GetLastVisibleDate(), c.Last);
    EXPECT_EQ(Calendar->GetLastVisibleDate(), Calendar->GetFirstVisibleDate() + 41);
    // The cells carry the same dates.
    TcxCalendarMonthTableViewInfo* table = Calendar->ViewInfo()->DateViewInfo()->MonthTableViewInfo();
    EXPECT_EQ(table->Cells(0)->Value(), c.First);
    EXPECT_EQ(table->Cells(41)->Value(), c.Last);
  }
}

TEST_F(CalendarGrid, EveryStartOfWeekAndTheLowestMonth) {
  const TDateTime month = D(2025, 6, 1);  // a Sunday
  for (int day = 0; day < 7; ++day) {
    SCOPED_TRACE(day);
    cxAssignWeekStartDay(static_cast<TDay>(day));
    Calendar->SetFirstDate(month);
    const int offset = (7 - day) % 7;
    EXPECT_EQ(Calendar->GetFirstVisibleDate(), month - (offset == 0 ? 7 : offset));
    EXPECT_EQ(cxWeekdayOf(Calendar->GetFirstVisibleDate()), static_cast<TDay>(day));
  }
  // At the lowest supported month no earlier week is added.
  const TDateTime lowest = D(100, 1, 1);
  cxAssignWeekStartDay(cxWeekdayOf(lowest));
  Calendar->SetFirstDate(lowest);
  EXPECT_EQ(Calendar->GetFirstVisibleDate(), lowest);
}

TEST_F(CalendarGrid, WeekNumbersAtYearBoundaries) {
  cxAssignWeekStartDay(dMonday);
  cxFormatControllerInstance()->SetFirstWeekOfYear(fwyFirstFourDays);
  Calendar->SetWeekNumbers(true);
  struct TCase {
    TDateTime Month;
    int Row0, Row1;
  };
  const TCase cases[] = {
      {D(2021, 1, 1), 53, 1},  // 2020 had 53 weeks
      {D(2026, 1, 1), 1, 2},   // 2025-12-29 starts week 1 of 2026
      {D(2023, 1, 1), 52, 1},  // a Sunday: row 0 is the last week of 2022
      {D(2024, 12, 1), 48, 49},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Month);
    Calendar->SetFirstDate(c.Month);
    TcxCalendarMonthTableViewInfo* table = Calendar->ViewInfo()->DateViewInfo()->MonthTableViewInfo();
    EXPECT_EQ(table->RowWeekNumber(0), c.Row0);
    EXPECT_EQ(table->RowWeekNumber(1), c.Row1);
  }
  // A row that begins before 0100-01-01 shows no number.
  cxAssignWeekStartDay(cxShiftWeekday(cxWeekdayOf(D(100, 1, 1)), -2));
  Calendar->SetFirstDate(D(100, 1, 1));
  EXPECT_EQ(Calendar->ViewInfo()->DateViewInfo()->MonthTableViewInfo()->RowWeekNumber(0), 0);
  EXPECT_GT(Calendar->ViewInfo()->DateViewInfo()->MonthTableViewInfo()->RowWeekNumber(1), 0);
  cxFormatControllerInstance()->SetFirstWeekOfYear(fwySystem);
}

TEST_F(CalendarGrid, WeekColumnIsTheWidthOfTwoDigitsAtTwoThirdsOfTheFontPlusFive) {
  Calendar->Font()->SetSize(11);
  TcxCalendarMonthTableViewInfo* table = Calendar->ViewInfo()->DateViewInfo()->MonthTableViewInfo();
  const int without = table->Size().cx;
  Calendar->SetWeekNumbers(true);
  TcxCanvas* canvas = cxSharedScreenCanvas();
  canvas->Font()->Assign(Calendar->Font());
  canvas->Font()->SetSize(7);
  EXPECT_EQ(table->Size().cx - without, canvas->TextWidth(L"99") + 5);
}

TEST_F(CalendarNavigation, SelectionRepositionsButAPressDoesNot) {
  Calendar->SetFirstDate(D(2024, 3, 1));
  Calendar->SetSelectDate(D(2024, 5, 17));
  EXPECT_EQ(Calendar->FirstDate(), D(2024, 5, 1));
  // A press on a day of the next month in the grid selects it in place.
  TcxCalendarDateCellViewInfo* cell = DayCell(D(2024, 6, 2));
  ASSERT_NE(cell, nullptr);
  const TPoint at = Centre(cell->Bounds());
  SendMessageW(Calendar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.X, at.Y));
  EXPECT_EQ(Calendar->SelectDate(), D(2024, 6, 2));
  EXPECT_EQ(Calendar->FirstDate(), D(2024, 5, 1));
  SendMessageW(Calendar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(at.X, at.Y));
}

TEST_F(CalendarNavigation, LimitsRefuseDatesAndClampSteps) {
  Calendar->SetMinDate(D(2024, 3, 10));
  Calendar->SetMaxDate(D(2024, 5, 20));
  Calendar->SetShowOnlyValidDates(true);
  Calendar->SetSelectDate(D(2024, 3, 15));
  Click(Centre(DayCell(D(2024, 3, 5))->Bounds()));
  EXPECT_EQ(Calendar->SelectDate(), D(2024, 3, 15));
  Click(Centre(DayCell(D(2024, 3, 12))->Bounds()));
  EXPECT_EQ(Calendar->SelectDate(), D(2024, 3, 12));
  Calendar->SetSelectDate(D(2024, 6, 1));
  EXPECT_EQ(Calendar->SelectDate(), D(2024, 3, 12));

  Calendar->SetFirstDate(D(2024, 5, 1));
  Calendar->ShiftFirstDate(1);
  EXPECT_EQ(Calendar->FirstDate(), D(2024, 5, 1));
  Calendar->ShiftFirstDate(2);  // a year back: no allowed month there
  EXPECT_EQ(Calendar->FirstDate(), D(2024, 5, 1));
  Calendar->ShiftFirstDate(0);
  EXPECT_EQ(Calendar->FirstDate(), D(2024, 4, 1));

  // Equal limits restrict nothing.
  Calendar->SetMinDate(0);
  Calendar->SetMaxDate(0);
  Calendar->SetSelectDate(D(2030, 1, 1));
  EXPECT_EQ(Calendar->SelectDate(), D(2030, 1, 1));
}

TEST_F(CalendarNavigation, KeysMoveTheSelection) {
  cxAssignWeekStartDay(dSunday);
  struct TCase {
    WORD Key;
    TShiftState Shift;
    TDateTime From, To;
  };
  const TCase cases[] = {
      {VK_RIGHT, {}, D(2024, 1, 31), D(2024, 2, 1)},   {VK_LEFT, {}, D(2024, 3, 1), D(2024, 2, 29)},
      {VK_DOWN, {}, D(2024, 2, 26), D(2024, 3, 4)},    {VK_UP, {}, D(2024, 2, 5), D(2024, 1, 29)},
      {VK_UP, {ssAlt}, D(2024, 2, 5), D(2024, 2, 5)},  {VK_NEXT, {}, D(2024, 1, 31), D(2024, 2, 29)},
      {VK_PRIOR, {}, D(2024, 3, 31), D(2024, 2, 29)},  {VK_HOME, {}, D(2024, 2, 14), D(2024, 2, 11)},
      {VK_END, {}, D(2024, 2, 14), D(2024, 2, 17)},    {VK_HOME, {ssCtrl}, D(2024, 2, 14), D(2024, 2, 1)},
      {VK_END, {ssCtrl}, D(2024, 2, 14), D(2024, 2, 29)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "key " << c.Key << " from " << c.From);
    Calendar->SetSelectDate(c.From);
    uint16_t key = c.Key;
    if (c.Shift.Empty())
      Key(c.Key);
    else
      Calendar->Controller()->KeyDown(key, c.Shift);
    EXPECT_EQ(Calendar->SelectDate(), c.To);
    EXPECT_EQ(Calendar->FirstDate(), Calendar->GetCalendarTable()->GetFirstDayOfMonth(c.To));
  }
  // With no selection no key changes anything.
  Calendar->SetSelectDate(cxNullDate);
  Key(VK_RIGHT);
  EXPECT_EQ(Calendar->SelectDate(), cxNullDate);
}

TEST_F(CalendarNavigation, WheelOverTheHeadersStepsMonthsAndYears) {
  Calendar->SetFirstDate(D(2024, 5, 1));
  TcxCalendarDateHeadersViewInfo* headers = Calendar->ViewInfo()->DateViewInfo()->HeadersViewInfo();
  const TPoint month = Centre(headers->MonthHeaderViewInfo()->TextCell()->Bounds());
  const TPoint year = Centre(headers->YearHeaderViewInfo()->TextCell()->Bounds());
  Wheel(month, -WHEEL_DELTA);
  EXPECT_EQ(Calendar->FirstDate(), D(2024, 6, 1));
  Wheel(month, WHEEL_DELTA);
  Wheel(month, WHEEL_DELTA);
  EXPECT_EQ(Calendar->FirstDate(), D(2024, 4, 1));
  Wheel(year, -WHEEL_DELTA);
  EXPECT_EQ(Calendar->FirstDate(), D(2025, 4, 1));
  // Over the grid the wheel does nothing.
  Wheel(Centre(DayCell(D(2025, 4, 15))->Bounds()), -WHEEL_DELTA);
  EXPECT_EQ(Calendar->FirstDate(), D(2025, 4, 1));
}

TEST_F(CalendarNavigation, HeaderArrowStepsAtOnceAndRepeatsWhileHeld) {
  Calendar->SetFirstDate(D(2024, 5, 1));
  TcxCalendarArrowViewInfo* arrow =
      Calendar->ViewInfo()->DateViewInfo()->HeadersViewInfo()->MonthHeaderViewInfo()->RightArrow();
  const TPoint at = Centre(arrow->Bounds());
  SendMessageW(Calendar->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(at.X, at.Y));
  SendMessageW(Calendar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.X, at.Y));
  EXPECT_EQ(Calendar->FirstDate(), D(2024, 6, 1));
  EXPECT_TRUE(Calendar->Controller()->Timer()->Enabled());
  const DWORD until = GetTickCount() + 700;
  while (GetTickCount() < until) ProcessPendingMessages();
  EXPECT_GE(Calendar->FirstDate(), D(2024, 8, 1));
  SendMessageW(Calendar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(at.X, at.Y));
  const TDateTime released = Calendar->FirstDate();
  EXPECT_FALSE(Calendar->Controller()->Timer()->Enabled());
  Sleep(300);
  ProcessPendingMessages();
  EXPECT_EQ(Calendar->FirstDate(), released);
  // Leaving clears the hot and pressed elements.
  SendMessageW(Calendar->Handle(), CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Calendar->Controller()->HotElement(), nullptr);
  EXPECT_EQ(Calendar->Controller()->PressedElement(), nullptr);
}

TEST_F(CalendarNavigation, ButtonsStoreTheirValuesAndClose) {
  auto* popup = Add<TcxPopupCalendar>(300, 10);
  std::vector<TcxEditCloseUpReason> reasons;
  popup->OnHidePopup = [&](TObject*, TcxEditCloseUpReason AReason) { reasons.push_back(AReason); };
  int changes = 0;
  popup->OnDateTimeChanged = [&](TObject*) { ++changes; };
  popup->SetKind(ckDateTime);
  popup->SetTime(0.25);
  popup->SetSelectDate(D(1899, 12, 20));  // before day zero
  TcxButton* ok = popup->ViewInfo()->ButtonsViewInfo()->Button(btnOk);
  popup->ButtonClick(ok);
  EXPECT_DOUBLE_EQ(popup->SelectDate(), D(1899, 12, 20) - 0.25);
  popup->ButtonClick(popup->ViewInfo()->ButtonsViewInfo()->Button(btnClear));
  EXPECT_EQ(popup->SelectDate(), cxNullDate);
  EXPECT_EQ(popup->Time(), 0);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(reasons, (std::vector<TcxEditCloseUpReason>{crEnter, crEnter}));
  // Enter commits, Escape cancels.
  popup->SetSelectDate(D(2024, 2, 2));
  SendMessageW(popup->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  SendMessageW(popup->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(reasons.back(), crCancel);
  EXPECT_EQ(changes, 3);
}

TEST_F(CalendarNavigation, ClockKeepsOnlyTheTimeOfDay) {
  TcxClock* clock = Add<TcxClock>(400, 10);
  EXPECT_EQ(clock->Width(), 130);
  clock->SetTime(45000.75);
  EXPECT_DOUBLE_EQ(clock->Time(), 0.75);
  clock->SetAutoSize(true);
  EXPECT_EQ(clock->Width(), clock->GetPainter()->ClockSize().cx);
}

// ---------------------------------------------------------------- modern view

namespace {

int64_t FakeTicks = 0;
int64_t ReadFakeTicks() { return FakeTicks += 15; }  // 15 ms per reading

}  // namespace

TEST_F(ModernCalendar, ZoomStepsInBothDirectionsWithTheirAnimationFrames) {
  dxSetAnimationClock(ReadFakeTicks, 1000);
  Calendar->SetView(cavModern);
  Calendar->SetAnimation(true);
  Calendar->SetSelectDate(D(2024, 5, 17));
  auto* dateView = static_cast<TcxCalendarModernViewInfo*>(Calendar->ViewInfo())->ModernDateViewInfo();
  std::vector<int> frames;
  dateView->AnimationController()->OnFrame = [&](int APosition) { frames.push_back(APosition); };

  const TcxCalendarModernDateViewStyle outward[] = {cvdsYear, cvdsDecade, cvdsCentury, cvdsCentury};
  for (TcxCalendarModernDateViewStyle expected : outward) {
    frames.clear();
    dateView->ZoomOut();
    EXPECT_EQ(dateView->ViewStyle(), expected);
    if (expected == cvdsCentury && frames.empty()) continue;  // already at the top: no animation
    ASSERT_GT(frames.size(), 3u);
    EXPECT_TRUE(std::is_sorted(frames.begin(), frames.end()));
    EXPECT_EQ(frames.back(), 255);
    EXPECT_EQ(dateView->Direction(), TcxDirection::dirUp);
    // At the end the new level's image fills the table area at full alpha.
    TcxCalendarAnimatedImageInfo* incoming = dateView->AnimationController()->Images(1);
    EXPECT_EQ(incoming->CurrentAlphaValue(), 255);
    EXPECT_EQ(incoming->CurrentDestBounds(), dateView->TableAreaBounds());
    EXPECT_EQ(dateView->AnimationController()->Images(0)->CurrentAlphaValue(), 0);
    EXPECT_FALSE(dateView->AnimationController()->IsActive());
  }
  EXPECT_EQ(Calendar->ViewInfo()->GetMonthHeaderText(), L"2000-2099");
  // Inward again: each step zooms into the selected cell.
  for (TcxCalendarModernDateViewStyle expected : {cvdsDecade, cvdsYear, cvdsMonth}) {
    frames.clear();
    dateView->ZoomIn();
    EXPECT_EQ(dateView->ViewStyle(), expected);
    EXPECT_EQ(dateView->Direction(), TcxDirection::dirDown);
    EXPECT_EQ(frames.back(), 255);
  }
  frames.clear();
  dateView->ZoomIn();  // nothing below the month level
  EXPECT_TRUE(frames.empty());
  EXPECT_EQ(Calendar->SelectDate(), D(2024, 5, 17));
  dxSetAnimationClock(nullptr, 0);
}

TEST_F(ModernCalendar, ZoomingOutWithoutASelectedCellStartsFromTheMonthShown) {
  Calendar->SetView(cavModern);
  Calendar->SetAnimation(true);
  dxSetAnimationClock(ReadFakeTicks, 1000);
  Calendar->SetSelectDate(cxNullDate);
  Calendar->SetFirstDate(D(1990, 3, 1));  // today is not in this grid
  auto* dateView = static_cast<TcxCalendarModernViewInfo*>(Calendar->ViewInfo())->ModernDateViewInfo();
  ASSERT_EQ(Calendar->FirstDate(), D(1990, 3, 1));
  ASSERT_EQ(Calendar->SelectDate(), cxNullDate);
  ASSERT_EQ(dateView->CurrentTable()->GetSelectedCell(), nullptr);
  dateView->ZoomOut();
  EXPECT_EQ(dateView->ViewStyle(), cvdsYear);
  dxSetAnimationClock(nullptr, 0);
}

TEST_F(ModernCalendar, KeysWheelAndSlides) {
  dxSetAnimationClock(ReadFakeTicks, 1000);
  Calendar->SetView(cavModern);
  Calendar->SetAnimation(true);
  Calendar->SetSelectDate(D(2024, 5, 17));
  auto* dateView = static_cast<TcxCalendarModernViewInfo*>(Calendar->ViewInfo())->ModernDateViewInfo();
  std::vector<int> frames;
  dateView->AnimationController()->OnFrame = [&](int APosition) { frames.push_back(APosition); };
  Key(VK_RIGHT);  // inside the month: no animation
  EXPECT_EQ(Calendar->SelectDate(), D(2024, 5, 18));
  EXPECT_TRUE(frames.empty());
  Key(VK_NEXT);  // into June: slides left
  EXPECT_EQ(Calendar->SelectDate(), D(2024, 6, 18));
  EXPECT_FALSE(frames.empty());
  EXPECT_EQ(dateView->Direction(), TcxDirection::dirLeft);
  Key(VK_PRIOR);
  EXPECT_EQ(dateView->Direction(), TcxDirection::dirRight);

  // Ctrl+Up zooms out; the year table's End takes the last month of the row.
  uint16_t key = VK_UP;
  Calendar->Controller()->KeyDown(key, TShiftState{ssCtrl});
  EXPECT_EQ(dateView->ViewStyle(), cvdsYear);
  Key(VK_END);
  EXPECT_EQ(Calendar->SelectDate(), D(2024, 8, 18));
  Key(VK_RETURN);  // zooms in
  EXPECT_EQ(dateView->ViewStyle(), cvdsMonth);

  // The wheel needs the focus; Ctrl+wheel zooms.
  Calendar->SetFocus();
  ProcessPendingMessages();
  const TPoint inside(Calendar->Width() / 2, Calendar->Height() / 2);
  Wheel(inside, -WHEEL_DELTA);
  EXPECT_EQ(Calendar->FirstDate(), D(2024, 9, 1));
  Wheel(inside, -WHEEL_DELTA, true);
  EXPECT_EQ(dateView->ViewStyle(), cvdsYear);
  Wheel(inside, -WHEEL_DELTA);
  EXPECT_EQ(Calendar->FirstDate(), D(2025, 9, 1));
  Wheel(inside, WHEEL_DELTA, true);
  Wheel(inside, WHEEL_DELTA, true);  // inward at the month level does nothing
  EXPECT_EQ(dateView->ViewStyle(), cvdsMonth);
  dxSetAnimationClock(nullptr, 0);
}

TEST_F(ModernCalendar, DecadeViewDisablesTheNeighbouringYears) {
  Calendar->SetView(cavModern);
  Calendar->SetSelectDate(D(2024, 5, 17));
  auto* dateView = static_cast<TcxCalendarModernViewInfo*>(Calendar->ViewInfo())->ModernDateViewInfo();
  dateView->ChangeViewStyle(cvdsDecade, false);
  TcxCalendarDateTableViewInfo* table = dateView->CurrentTable();
  EXPECT_EQ(table->Cells(0)->GetText(), L"2019");
  EXPECT_EQ(table->Cells(11)->GetText(), L"2030");
  EXPECT_FALSE(table->Cells(0)->IsEnabled());
  EXPECT_FALSE(table->Cells(11)->IsEnabled());
  EXPECT_TRUE(table->Cells(5)->IsSelected());
  EXPECT_EQ(Calendar->ViewInfo()->GetMonthHeaderText(), L"2020-2029");
}

TEST_F(CalendarNavigation, MonthListRanges) {
  struct TCase {
    bool ArrowsForYear, YearsInMonthList;
    TDateTime FirstDate, MinDate, MaxDate;
    int Count;
    TDateTime Top;
  };
  const TCase cases[] = {
      {true, true, D(2024, 6, 1), 0, 0, 7, D(2024, 3, 1)},               // with years: three around
      {true, false, D(2024, 10, 1), 0, 0, 12, D(2024, 1, 1)},            // without: the whole year
      {true, true, D(2024, 6, 1), D(2024, 6, 10), D(2024, 12, 1), 4, D(2024, 6, 1)},
      {true, true, D(2024, 6, 1), D(2024, 6, 10), D(2024, 6, 20), 0, cxNullDate},  // one month: no list
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.FirstDate);
    Calendar->SetArrowsForYear(c.ArrowsForYear);
    Calendar->SetYearsInMonthList(c.YearsInMonthList);
    Calendar->SetShowOnlyValidDates(c.MinDate != c.MaxDate);
    Calendar->SetMinDate(c.MinDate);
    Calendar->SetMaxDate(c.MaxDate);
    Calendar->SetFirstDate(c.FirstDate);
    Calendar->CalendarChanged();
    TcxMonthListBox* list = static_cast<TcxCalendarClassicViewInfo*>(Calendar->ViewInfo())->MonthListBox();
    list->Popup(Calendar);
    const bool shown = list->HandleAllocated() && IsWindowVisible(list->Handle());
    EXPECT_EQ(shown, c.Count > 0);
    if (shown) {
      EXPECT_EQ(list->ItemCount(), c.Count);
      EXPECT_EQ(list->ItemDate(0), c.Top);
    }
    list->CloseUp();  // nothing hot: the shown month stays
    EXPECT_EQ(Calendar->FirstDate(), c.FirstDate);
  }
}
