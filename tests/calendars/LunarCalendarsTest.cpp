#include <gtest/gtest.h>

#include <cmath>

#include "components/core/cxDateUtils.h"
#include "vcl/rtl/DateUtils.h"

namespace {

struct TLunarCase {
  int Year, Month, Day;        // in the lunar calendar
  int GYear, GMonth, GDay;     // the same day in the Gregorian calendar
};

void ExpectBothWays(TcxCustomCalendarTable& ATable, const TLunarCase& ACase) {
  const TDateTime gregorian = EncodeDate(ACase.GYear, ACase.GMonth, ACase.GDay);
  EXPECT_EQ(ATable.ToDateTime(ACase.Year, ACase.Month, ACase.Day), gregorian)
      << ACase.Year << "-" << ACase.Month << "-" << ACase.Day;
  const TcxDateTime lunar = ATable.FromDateTime(gregorian);
  EXPECT_EQ(static_cast<int>(lunar.Year), ACase.Year) << DateToStr(gregorian);
  EXPECT_EQ(static_cast<int>(lunar.Month), ACase.Month) << DateToStr(gregorian);
  EXPECT_EQ(static_cast<int>(lunar.Day), ACase.Day) << DateToStr(gregorian);
}

// Hebrew letters as the editors hold them.
const wchar_t* const cxHebrew5784 = L"\u05EA\u05E9\u05E4\u05D3";        // tav shin pe dalet
const wchar_t* const cxHebrew5784Quoted = L"\u05EA\u05E9\u05E4\u05F4\u05D3";  // with gershayim

}  // namespace

TEST(HijriCalendarTable, ConvertsTheTabularCalendar) {
  TcxCustomCalendarTable& table = *cxCalendarTableForID(CAL_HIJRI);
  const TLunarCase cases[] = {
      {1, 1, 1, 622, 7, 18},
      {1445, 1, 1, 2023, 7, 18},
      {1445, 6, 20, 2024, 1, 1},
      {1445, 12, 30, 2024, 7, 6},
      {9666, 4, 3, 9999, 12, 31},
  };
  for (const TLunarCase& c : cases) ExpectBothWays(table, c);
  EXPECT_TRUE(table.IsLeapYear(1445));
  EXPECT_EQ(table.GetDaysInYear(1445), 355);
  EXPECT_EQ(table.GetDaysInMonth(1445, 12), 30);
  EXPECT_EQ(table.GetDaysInMonth(1446, 12), 29);
  EXPECT_TRUE(table.IsLeapDay(1445, 12, 30));
}

TEST(HijriCalendarTable, RangeLimitsAreDaysOfTheCalendar) {
  TcxCustomCalendarTable& table = *cxCalendarTableForID(CAL_HIJRI);
  // The first supported day is day 1 of the year 1, not two days before it.
  const TcxDateTime first = table.FromDateTime(table.MinSupportedDate());
  EXPECT_EQ(first.Year, 1u);
  EXPECT_EQ(first.Month, 1u);
  EXPECT_EQ(first.Day, 1u);
  // The last is the end of 9999-12-31, the Hijri 9666-04-03.
  const TcxDateTime last = table.FromDateTime(table.MaxSupportedDate());
  EXPECT_EQ(last.Year, 9666u);
  EXPECT_EQ(last.Month, 4u);
  EXPECT_EQ(last.Day, 3u);
  EXPECT_EQ(std::trunc(table.MaxSupportedDate()), EncodeDate(9999, 12, 31));
  EXPECT_EQ(table.AddDays(last, 1), table.MaxSupportedDate());
}

TEST(HebrewCalendarTable, ConvertsThroughTheYearTable) {
  TcxHebrewCalendarTable& table = static_cast<TcxHebrewCalendarTable&>(*cxCalendarTableForID(CAL_HEBREW));
  const TLunarCase cases[] = {
      {5784, 4, 20, 2024, 1, 1},
      {5784, 1, 1, 2023, 9, 16},
      {5783, 12, 29, 2023, 9, 15},
      {5784, 7, 29, 2024, 4, 8},   // the last day of the leap month
      {5784, 13, 29, 2024, 10, 2},
      {5343, 4, 7, 1583, 1, 1},
      {5999, 13, 29, 2239, 9, 29},
  };
  for (const TLunarCase& c : cases) ExpectBothWays(table, c);
  EXPECT_TRUE(table.IsLeapYear(5784));
  EXPECT_EQ(table.GetYearType(5784), 1);
  EXPECT_EQ(table.GetDaysInYear(5784), 383);
  EXPECT_EQ(table.GetMonthsInYear(5784), 13);
  EXPECT_EQ(table.GetDaysInYear(5785), 355);
  EXPECT_EQ(table.GetDaysInMonth(5784, 14), 0);
  EXPECT_EQ(table.GetDaysInYear(6000), 0);
  EXPECT_TRUE(table.IsLeapMonth(5784, 7));
  EXPECT_FALSE(table.IsLeapMonth(5785, 7));

  // The year table against the standard calendar's known entries: the
  // Hebrew date of 1 January and the kind of the year.
  struct TYearEntry {
    int GregorianYear, LunarMonth, LunarDay, Type;
    bool Leap;
  } entries[] = {{1583, 4, 7, 3, false},  {1584, 4, 17, 3, false}, {1585, 5, 1, 1, true},
                 {2000, 4, 23, 3, true},  {2023, 4, 8, 3, false},  {2025, 4, 1, 3, false},
                 {2239, 4, 24, 3, true}};
  for (const TYearEntry& e : entries) {
    int month, day;
    TcxHebrewCalendarTable::LunarMonthDayOf(e.GregorianYear, month, day);
    EXPECT_EQ(month, e.LunarMonth) << e.GregorianYear;
    EXPECT_EQ(day, e.LunarDay) << e.GregorianYear;
    EXPECT_EQ(table.GetYearType(e.GregorianYear + 3760), e.Type) << e.GregorianYear;
    EXPECT_EQ(table.IsLeapYear(e.GregorianYear + 3760), e.Leap) << e.GregorianYear;
  }
}

TEST(HebrewCalendarTable, DatesOutsideTheTableAreClamped) {
  TcxCustomCalendarTable& table = *cxCalendarTableForID(CAL_HEBREW);
  const TcxDateTime late = table.FromDateTime(EncodeDate(2300, 1, 1));
  EXPECT_NEAR(table.ToDateTime(late), table.MaxSupportedDate(), 1e-8);
  EXPECT_EQ(late.Hours, 23);
  EXPECT_EQ(late.Milliseconds, 999);
  EXPECT_EQ(table.ToDateTime(table.FromDateTime(EncodeDate(1500, 1, 1))), table.MinSupportedDate());
  // A record outside the table gives the first supported date.
  EXPECT_EQ(table.ToDateTime(6000, 1, 1), table.MinSupportedDate());
}

TEST(HebrewCalendarTable, ReadsHebrewNumeralsAsTyped) {
  TcxCustomCalendarTable& table = *cxCalendarTableForID(CAL_HEBREW);
  EXPECT_EQ(cxHebrewNumeralValue(cxHebrew5784), 784);
  EXPECT_EQ(cxHebrewNumeralValue(cxHebrew5784Quoted), 784);
  EXPECT_EQ(cxHebrewNumeralValue(L"\u05D8\u05D5"), 15);  // tet vav
  EXPECT_EQ(cxHebrewNumeralValue(L"\u05DA\u05DB"), 40);  // final kaf and kaf
  EXPECT_EQ(cxHebrewNumeralValue(L""), 0);
  // Latin letters at the code page's Hebrew positions are no numerals.
  EXPECT_EQ(cxHebrewNumeralValue(L"\u00FA\u00F9\u00F4\u00E3"), 0);
  EXPECT_EQ(table.GetYearNumber(cxHebrew5784), 5784);
  EXPECT_EQ(table.GetDayNumber(L"\u05DB"), 20);   // kaf
  EXPECT_EQ(table.GetMonthNumber(5784, L"\u05D3"), 4);  // dalet
  EXPECT_EQ(table.GetDayNumber(L"17"), 17);
  EXPECT_EQ(table.GetMonthNumber(5784, L"13"), 13);
}

// The lunar week rule: weeks start on the calendar's own first weekday;
// within a year a week number grows by one every seven days.
TEST(LunarCalendarTables, WeekNumbersRunThroughTheYear) {
  for (TcxCalendarID id : {CAL_HIJRI, CAL_HEBREW}) {
    TcxCustomCalendarTable& table = *cxCalendarTableForID(id);
    for (TcxFirstWeekOfYear rule : {fwyJan1, fwyFirstFullWeek, fwyFirstFourDays}) {
      TcxDateTime firstDay = table.FromDateTime(EncodeDate(2024, 1, 1));
      firstDay.Month = 1;
      firstDay.Day = 1;
      const TDateTime start = table.ToDateTime(firstDay);
      const int lastDay = table.GetDaysInYear(firstDay.Year) - 1;
      const int firstWeek = table.GetWeekNumber(start, dSunday, rule);
      if (rule == fwyJan1) {
        EXPECT_EQ(firstWeek, 1) << id;
      }
      for (int day = 7; day < lastDay - 7; day += 7) {
        const int week = table.GetWeekNumber(start + day, dSunday, rule);
        const int previous = table.GetWeekNumber(start + day - 7, dSunday, rule);
        if (week == 1 && previous > 1) continue;  // from the previous year's last week
        EXPECT_EQ(week, previous + 1) << "calendar " << id << " rule " << rule << " day " << day;
      }
      EXPECT_GE(table.GetWeekNumber(start + lastDay, dSunday, rule), 1);
      EXPECT_LE(table.GetWeekNumber(start + lastDay, dSunday, rule), 56);
    }
  }
}

// The time of day never moves a day into another week, before or after
// 1899-12-30; the week's first day at 06:00 was once counted in the week
// before.
TEST(LunarCalendarTables, TimeOfDayKeepsTheWeek) {
  for (TcxCalendarID id : {CAL_HIJRI, CAL_HEBREW}) {
    TcxCustomCalendarTable& table = *cxCalendarTableForID(id);
    for (TcxFirstWeekOfYear rule : {fwyJan1, fwyFirstFullWeek, fwyFirstFourDays})
      for (int year : {1898, 2024})
        for (TDateTime day = EncodeDate(year, 1, 1); day < EncodeDate(year, 3, 1); day += 1) {
          const TDateTime morning = EncodeDateTime(YearOf(day), MonthOf(day), DayOf(day), 6, 0, 0, 0);
          EXPECT_EQ(table.GetWeekNumber(morning, dSunday, rule), table.GetWeekNumber(day, dSunday, rule))
              << "calendar " << id << " rule " << rule << " " << DateToStr(day);
        }
  }
}
