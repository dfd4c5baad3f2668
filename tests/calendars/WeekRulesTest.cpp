#include <gtest/gtest.h>

#include "LocaleScope.h"
#include "components/core/cxDateUtils.h"
#include "vcl/rtl/DateUtils.h"

namespace {

// Sets the process-wide start of the week for one test.
class TWeekStartScope {
public:
  explicit TWeekStartScope(TDay ADay) { cxAssignWeekStartDay(ADay); }
  ~TWeekStartScope() { cxDropWeekStartAssignment(); }
};

struct TWeekCase {
  TDay WeekStart;
  TcxFirstWeekOfYear Rule;
  int Year, Month, Day, Week;
};

// The week number of each day at AHour, by the routine and by the
// Gregorian table.
void ExpectWeekNumbers(std::initializer_list<TWeekCase> ACases, int AHour) {
  TcxCustomCalendarTable* gregorian = cxCalendarTableForID(CAL_GREGORIAN);
  for (const TWeekCase& c : ACases) {
    TWeekStartScope weekStart(c.WeekStart);
    const TDateTime date = EncodeDateTime(c.Year, c.Month, c.Day, AHour, 0, 0, 0);
    EXPECT_EQ(cxWeekNumberOfDate(c.Rule, date), c.Week)
        << DateTimeToStr(date) << " rule " << c.Rule << " start " << c.WeekStart;
    EXPECT_EQ(gregorian->GetWeekNumber(date, c.WeekStart, c.Rule), c.Week) << DateTimeToStr(date);
  }
}

}  // namespace

TEST(WeekRules, WeekdayArithmetic) {
  EXPECT_EQ(cxShiftWeekday(dSaturday, 1), dSunday);
  EXPECT_EQ(cxShiftWeekday(dFriday, 3), dMonday);
  EXPECT_EQ(cxShiftWeekday(dMonday, 0), dMonday);
  EXPECT_EQ(cxWeekdayFromPlatform(1), dSunday);
  EXPECT_EQ(cxWeekdayFromPlatform(7), dSaturday);
  EXPECT_EQ(cxWeekdayFromLocale(0), dMonday);
  EXPECT_EQ(cxWeekdayFromLocale(6), dSunday);
  EXPECT_EQ(cxWeekdayToPlatform(dSaturday), 7);
  EXPECT_EQ(cxWeekdayOf(EncodeDate(2024, 1, 31)), dWednesday);

  TWeekStartScope mondayWeeks(dMonday);
  EXPECT_EQ(cxDaysSinceWeekStart(EncodeDate(2024, 2, 4)), 6);  // a Sunday
  EXPECT_EQ(cxDaysSinceGivenWeekStart(dSunday, EncodeDate(2024, 2, 4)), 0);
  EXPECT_EQ(cxWeekStartDate(EncodeDateTime(2024, 2, 4, 18, 0, 0, 0)), EncodeDate(2024, 1, 29));
}

TEST(WeekRules, StartOfWeekComesFromTheLocaleUnlessAssigned) {
  {
    TLocaleScope german(cxLangDe);  // weeks start on Monday
    EXPECT_EQ(cxLocaleWeekStartDay(), dMonday);
    EXPECT_EQ(cxWeekStartDay(), dMonday);
    EXPECT_EQ(cxLocaleFirstWeekOfYear(), fwyFirstFourDays);
    TWeekStartScope saturdayWeeks(dSaturday);
    EXPECT_TRUE(cxIsWeekStartAssigned());
    EXPECT_EQ(cxWeekStartDay(), dSaturday);
  }
  EXPECT_FALSE(cxIsWeekStartAssigned());
  TLocaleScope brazilian(cxLangPtBR);
  EXPECT_EQ(cxWeekStartDay(), dSunday);
  EXPECT_EQ(cxLocaleFirstWeekOfYear(), fwyJan1);
}

// Week numbers around the turn of the year, for every first-week rule and
// both usual starts of the week.
TEST(WeekRules, WeekNumbersAtYearBoundaries) {
  ExpectWeekNumbers({
      // Monday weeks, the first week holds four days of the year.
      {dMonday, fwyFirstFourDays, 2021, 1, 3, 53},
      {dMonday, fwyFirstFourDays, 2021, 1, 4, 1},
      {dMonday, fwyFirstFourDays, 2024, 12, 30, 1},
      {dMonday, fwyFirstFourDays, 2015, 12, 31, 53},
      {dMonday, fwyFirstFourDays, 2016, 1, 1, 53},
      {dMonday, fwyFirstFourDays, 2016, 1, 4, 1},
      {dMonday, fwyFirstFourDays, 2018, 12, 31, 1},
      {dMonday, fwyFirstFourDays, 2026, 12, 31, 53},
      {dMonday, fwyFirstFourDays, 2027, 1, 3, 53},
      // Monday weeks, the first full week.
      {dMonday, fwyFirstFullWeek, 2021, 1, 3, 52},
      {dMonday, fwyFirstFullWeek, 2021, 1, 4, 1},
      {dMonday, fwyFirstFullWeek, 2020, 12, 31, 52},
      {dMonday, fwyFirstFullWeek, 2020, 1, 5, 52},
      {dMonday, fwyFirstFullWeek, 2020, 1, 6, 1},
      // Monday weeks, the week of 1 January.
      {dMonday, fwyJan1, 2020, 12, 31, 1},
      {dMonday, fwyJan1, 2020, 12, 27, 52},
      {dMonday, fwyJan1, 2021, 1, 3, 1},
      {dMonday, fwyJan1, 2021, 1, 4, 2},
      // Sunday weeks.
      {dSunday, fwyJan1, 2023, 12, 31, 1},
      {dSunday, fwyJan1, 2023, 12, 30, 52},
      {dSunday, fwyJan1, 2021, 12, 31, 1},
      {dSunday, fwyJan1, 2022, 1, 1, 1},
      {dSunday, fwyJan1, 2022, 1, 2, 2},
      {dSunday, fwyFirstFullWeek, 2022, 1, 1, 52},
      {dSunday, fwyFirstFullWeek, 2022, 1, 2, 1},
      {dSunday, fwyFirstFourDays, 2022, 1, 1, 52},
      {dSunday, fwyFirstFourDays, 2022, 1, 2, 1},
      {dSunday, fwyFirstFourDays, 2020, 12, 31, 53},
  }, 12);
}

// Before 1899-12-30 the time of day is a negative fraction; the week of a
// day must not depend on it.
TEST(WeekRules, TimeOfDayKeepsTheWeekBefore1899) {
  ExpectWeekNumbers({
      {dSunday, fwyJan1, 1899, 1, 1, 1},
      {dSunday, fwyJan1, 1601, 12, 30, 1},
      {dSunday, fwyJan1, 1898, 12, 31, 53},
      {dMonday, fwyFirstFourDays, 1898, 12, 31, 52},
      {dMonday, fwyFirstFourDays, 1899, 1, 2, 1},
      {dSunday, fwyFirstFullWeek, 1899, 1, 1, 1},
  }, 6);
  // Every rule and both usual starts, over the turns of years before and
  // after 1899-12-30: any time of day gives the week of the day's midnight.
  for (TDay weekStart : {dSunday, dMonday}) {
    TWeekStartScope scope(weekStart);
    for (TcxFirstWeekOfYear rule : {fwyJan1, fwyFirstFullWeek, fwyFirstFourDays})
      for (int year : {1601, 1700, 1898, 1899, 1900})
        for (TDateTime day = EncodeDate(year, 12, 20); day <= EncodeDate(year + 1, 1, 12); day += 1)
          for (int hour : {1, 6, 12, 23}) {
            const TDateTime date = EncodeDateTime(YearOf(day), MonthOf(day), DayOf(day), hour, 0, 0, 0);
            EXPECT_EQ(cxWeekNumberOfDate(rule, date), cxWeekNumberOfDate(rule, day))
                << DateTimeToStr(date) << " rule " << rule << " start " << weekStart;
          }
  }
}

TEST(WeekRules, SystemRuleIsTheLocalesRule) {
  TLocaleScope german(cxLangDe);
  EXPECT_EQ(cxWeekNumberOfDate(fwySystem, EncodeDate(2021, 1, 3)), 53);
  EXPECT_EQ(cxFirstWeekStartOfYear(10000, fwyJan1), -699999);
}

TEST(DayRoutines, DateAndTimeParts) {
  EXPECT_EQ(cxExtractDatePart(cxNullDate), cxNullDate);
  EXPECT_EQ(cxExtractTimePart(cxNullDate), 0);
  EXPECT_NEAR(cxExtractTimePart(EncodeDateTime(2024, 1, 31, 6, 0, 0, 0)), 0.25, 1e-12);
  EXPECT_EQ(cxExtractDatePart(EncodeDateTime(2024, 1, 31, 23, 59, 59, 999)), EncodeDate(2024, 1, 31));
  // Before 1899-12-30 the time of day is a negative fraction.
  EXPECT_EQ(cxExtractDatePart(-1.25), -1);
  EXPECT_NEAR(cxExtractTimePart(-1.25), 0.25, 1e-12);
  EXPECT_NEAR(cxEndOfMonthDate(false, EncodeDate(2024, 2, 10)), EncodeDateTime(2024, 2, 29, 23, 59, 59, 999), 1e-9);
  EXPECT_EQ(cxEndOfMonthDate(true, EncodeDate(2023, 2, 10)), EncodeDate(2023, 2, 28));
  EXPECT_EQ(cxMonthLength(2024, 2), 29);
  EXPECT_EQ(cxMonthLength(2100, 2), 28);
  EXPECT_EQ(cxMonthLength(2024, 13), 0);
  EXPECT_EQ(cxClampDayToMonth(2023, 4, 31), 30);
  EXPECT_EQ(cxClampDayToMonth(2023, 4, -2), 1);
  EXPECT_EQ(cxMonthSerial(EncodeDate(2024, 3, 5)) - cxMonthSerial(EncodeDate(2023, 11, 30)), 4);
  EXPECT_EQ(cxDecodeDatePart(0, EncodeDate(2024, 3, 5)), 2024);
  EXPECT_EQ(cxDecodeDatePart(1, EncodeDate(2024, 3, 5)), 3);
  EXPECT_EQ(cxDecodeDatePart(2, EncodeDate(2024, 3, 5)), 5);
  EXPECT_TRUE(cxIsDateInSupportedRange(cxNullDate));
  EXPECT_TRUE(cxIsDateInSupportedRange(cxMinGregorianDate));
  EXPECT_FALSE(cxIsDateInSupportedRange(cxMinGregorianDate - 1));
  EXPECT_FALSE(cxIsDateInSupportedRange(cxMaxGregorianDate + 1));
}

TEST(DayRoutines, DateOrderOfPictures) {
  EXPECT_EQ(cxPictureDateOrder(L"dd/MM/yyyy"), 1);
  EXPECT_EQ(cxPictureDateOrder(L"M/d/yyyy"), 0);
  EXPECT_EQ(cxPictureDateOrder(L"yyyy-MM-dd"), 2);
  EXPECT_EQ(cxPictureDateOrder(L"gg ee/MM/dd"), 2);
  EXPECT_EQ(cxPictureDateOrder(L"hh:nn"), 0);
}
