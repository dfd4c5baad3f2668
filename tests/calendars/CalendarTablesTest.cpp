#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "LocaleScope.h"
#include "components/core/cxDateUtils.h"
#include "vcl/rtl/DateUtils.h"

namespace {

struct TExpectedDate {
  int Era, Year, Month, Day;
};

void ExpectDate(const TcxDateTime& AActual, const TExpectedDate& AExpected) {
  EXPECT_EQ(AActual.Era, AExpected.Era);
  EXPECT_EQ(static_cast<int>(AActual.Year), AExpected.Year);
  EXPECT_EQ(static_cast<int>(AActual.Month), AExpected.Month);
  EXPECT_EQ(static_cast<int>(AActual.Day), AExpected.Day);
}

TcxDateTime Record(int AEra, int AYear, int AMonth, int ADay) {
  TcxDateTime result;
  result.Era = AEra;
  result.Year = AYear;
  result.Month = AMonth;
  result.Day = ADay;
  return result;
}

}  // namespace

TEST(CalendarRegistry, SharesOneTablePerCalendar) {
  const wchar_t* const tableClasses[] = {
      L"TcxGregorianCalendarTable",
      L"TcxGregorianUSEnglishCalendarTable",
      L"TcxJapaneseCalendarTable",
      L"TcxTaiwanCalendarTable",
      L"TcxKoreanCalendarTable",
      L"TcxHijriCalendarTable",
      L"TcxThaiCalendarTable",
      L"TcxHebrewCalendarTable",
      L"TcxGregorianMiddleEastFrenchCalendarTable",
      L"TcxGregorianArabicCalendarTable",
      L"TcxGregorianTransliteratedEnglishCalendarTable",
      L"TcxGregorianTransliteratedFrenchCalendarTable",
  };
  std::set<TcxCustomCalendarTable*> tables;
  for (TcxCalendarID id = 1; id <= std::size(tableClasses); ++id) {
    SCOPED_TRACE(id);
    TcxCustomCalendarTable* table = cxCalendarTableForID(id);
    EXPECT_STREQ(table->ClassName().c_str(), tableClasses[id - 1]);
    EXPECT_EQ(table->CalendarID(), id);
    EXPECT_EQ(cxCalendarTableForID(id), table) << "asked again: the same table";
    EXPECT_EQ(cxFindCachedCalendarTable(id), table);
    tables.insert(table);
  }
  EXPECT_EQ(tables.size(), std::size(tableClasses)) << "one table of its own per calendar";
}

TEST(CalendarRegistry, UnknownIdentifiersShareTheGregorianTable) {
  TcxCustomCalendarTable* gregorian = cxCalendarTableForID(CAL_GREGORIAN);
  // Every request for an unknown calendar answers the one Gregorian table
  // instead of making (and keeping) a new table each time.
  for (TcxCalendarID id : {0u, 13u, 23u, 13u, 4000u}) EXPECT_EQ(cxCalendarTableForID(id), gregorian) << id;
  EXPECT_EQ(cxFindCachedCalendarTable(13), nullptr);
}

TEST(CalendarRegistry, FreedTableLeavesTheRegistry) {
  TcxCustomCalendarTable* shared = cxCalendarTableForID(CAL_THAI);
  auto* own = new TcxThaiCalendarTable();
  EXPECT_EQ(cxFindCachedCalendarTable(CAL_THAI), shared);  // the first registered wins
  delete own;
  EXPECT_EQ(cxCalendarTableForID(CAL_THAI), shared);
}

TEST(CalendarRegistry, GregorianBasedCalendars) {
  for (TcxCalendarID id = 1; id <= 12; ++id) {
    const bool gregorian = id <= 2 || id >= 9;
    EXPECT_EQ(dxIsGregorianBasedCalendar(cxCalendarTableForID(id)), gregorian) << id;
  }
}

TEST(GregorianCalendarTable, AddsMonthsAndYearsKeepingTheDayInTheMonth) {
  TcxCustomCalendarTable* table = cxCalendarTableForID(CAL_GREGORIAN);
  struct TCase {
    TDateTime Date;
    int Months, Years;
    TDateTime Expected;
  } cases[] = {
      {EncodeDate(2024, 1, 31), 1, 0, EncodeDate(2024, 2, 29)},
      {EncodeDate(2023, 3, 31), -13, 0, EncodeDate(2022, 2, 28)},
      {EncodeDate(2023, 11, 30), 3, 0, EncodeDate(2024, 2, 29)},
      {EncodeDate(2024, 5, 15), 24, 0, EncodeDate(2026, 5, 15)},
      {EncodeDate(2024, 2, 29), 0, 1, EncodeDate(2025, 2, 28)},
      {EncodeDate(2024, 2, 29), 0, -4, EncodeDate(2020, 2, 29)},
      {EncodeDateTime(2024, 1, 31, 10, 30, 0, 0), 1, 0, EncodeDateTime(2024, 2, 29, 10, 30, 0, 0)},
  };
  for (const TCase& c : cases) {
    const TDateTime actual = c.Years != 0 ? table->AddYears(c.Date, c.Years) : table->AddMonths(c.Date, c.Months);
    EXPECT_NEAR(actual, c.Expected, 1e-9) << DateTimeToStr(c.Date);
  }
  // Beyond the supported years the result is clamped or the minimum.
  EXPECT_EQ(table->AddMonths(EncodeDate(9999, 12, 1), 1), table->MinSupportedDate());
  EXPECT_EQ(table->AddYears(EncodeDate(9999, 1, 1), 1), table->MinSupportedDate());
  EXPECT_EQ(table->AddDays(table->FromDateTime(EncodeDate(9999, 12, 31)), 5), table->MaxSupportedDate());
}

// Days and weeks move the day and keep the time of day, also across
// 1899-12-30, where the time's fraction changes sign.
TEST(GregorianCalendarTable, AddsDaysAndWeeksKeepingTheTimeOfDay) {
  TcxCustomCalendarTable* table = cxCalendarTableForID(CAL_GREGORIAN);
  struct TCase {
    TDateTime Date;
    int Days, Weeks;
    TDateTime Expected;
  } cases[] = {
      {EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), 3, 0, EncodeDateTime(1900, 1, 1, 6, 0, 0, 0)},
      {EncodeDateTime(1900, 1, 1, 6, 0, 0, 0), -3, 0, EncodeDateTime(1899, 12, 29, 6, 0, 0, 0)},
      {EncodeDateTime(1899, 12, 29, 18, 0, 0, 0), 1, 0, EncodeDateTime(1899, 12, 30, 18, 0, 0, 0)},
      {EncodeDateTime(1899, 12, 30, 6, 0, 0, 0), -1, 0, EncodeDateTime(1899, 12, 29, 6, 0, 0, 0)},
      {EncodeDateTime(1899, 12, 20, 6, 0, 0, 0), 5, 0, EncodeDateTime(1899, 12, 25, 6, 0, 0, 0)},
      {EncodeDateTime(1899, 12, 25, 6, 0, 0, 0), -5, 0, EncodeDateTime(1899, 12, 20, 6, 0, 0, 0)},
      {EncodeDateTime(2024, 1, 31, 6, 0, 0, 0), 1, 0, EncodeDateTime(2024, 2, 1, 6, 0, 0, 0)},
      {EncodeDateTime(1899, 12, 25, 6, 0, 0, 0), 0, 1, EncodeDateTime(1900, 1, 1, 6, 0, 0, 0)},
      {EncodeDateTime(1900, 1, 3, 12, 0, 0, 0), 0, -1, EncodeDateTime(1899, 12, 27, 12, 0, 0, 0)},
      {EncodeDateTime(1899, 12, 28, 23, 59, 59, 999), 0, 2, EncodeDateTime(1900, 1, 11, 23, 59, 59, 999)},
  };
  for (const TCase& c : cases) {
    const TDateTime actual = c.Weeks != 0 ? table->AddWeeks(c.Date, c.Weeks)
                                          : table->AddDays(table->FromDateTime(c.Date), c.Days);
    EXPECT_NEAR(actual, c.Expected, 1e-9) << DateTimeToStr(c.Date) << " " << c.Days << " days " << c.Weeks << " weeks";
  }
}

TEST(GregorianCalendarTable, DaysWeeksAndDayNumbers) {
  TcxCustomCalendarTable* table = cxCalendarTableForID(CAL_GREGORIAN);
  EXPECT_EQ(table->GetWeekDay(0.0), 6);  // 1899-12-30 was a Saturday
  EXPECT_EQ(table->GetDaysInMonth(2024, 2), 29);
  EXPECT_EQ(table->GetDaysInMonth(1900, 2), 28);
  EXPECT_EQ(table->GetDaysInYear(2000), 366);
  EXPECT_EQ(table->GetDayOfYear(EncodeDate(2024, 3, 1)), 61);
  EXPECT_EQ(table->GetFullWeeksInYear(2022), 53);  // begins on the last day of a Sunday week
  EXPECT_EQ(table->GetFullWeeksInYear(2016), 53);  // leap, begins on a Friday
  EXPECT_EQ(table->GetFullWeeksInYear(2021), 52);  // begins on a Friday
  EXPECT_EQ(table->GetFullWeeksInYear(2024), 52);
  EXPECT_TRUE(table->IsLeapDay(2024, 2, 29));
  EXPECT_FALSE(table->IsLeapDay(2023, 2, 28));
  EXPECT_FALSE(table->IsValidDay(2023, 2, 29));
  EXPECT_FALSE(table->IsValidYear(99));
  EXPECT_NEAR(table->GetFirstDayOfWeek(EncodeDateTime(2024, 1, 31, 8, 0, 0, 0), dMonday),
              EncodeDateTime(2024, 1, 29, 8, 0, 0, 0), 1e-9);
  EXPECT_EQ(table->GetFirstDayOfWeek(EncodeDate(2024, 1, 31)), EncodeDate(2024, 1, 28));  // Sunday weeks
  EXPECT_EQ(table->GetLastDayOfYear(EncodeDate(2024, 5, 5)), EncodeDate(2024, 12, 31));
  EXPECT_EQ(cxCalendarTableForID(CAL_GREGORIAN_ARABIC)->GetFirstWeekDay(), 6);
}

TEST(GregorianCalendarTable, TwoDigitYearsFollowTheCalendarWindow) {
  TLocaleScope locale(cxLangEnUS);  // the platform's window ends in 2049
  TcxCustomCalendarTable* table = cxCalendarTableForID(CAL_GREGORIAN);
  EXPECT_EQ(table->GetYearNumber(L"5"), 2005);
  EXPECT_EQ(table->GetYearNumber(L"49"), 2049);
  EXPECT_EQ(table->GetYearNumber(L"75"), 1975);
  EXPECT_EQ(table->GetYearNumber(L"2075"), 2075);
  EXPECT_EQ(table->GetMonthNumber(2024, L"MARCH"), 3);
  EXPECT_EQ(table->GetMonthNumber(2024, L"sep"), 9);
  EXPECT_EQ(table->GetMonthNumber(2024, L"11"), 11);
  EXPECT_THROW(table->GetDayNumber(L"x"), EConvertError);
}

TEST(EraCalendarTables, ConvertAcrossEraBoundaries) {
  TcxCustomCalendarTable* japanese = cxCalendarTableForID(CAL_JAPAN);
  ExpectDate(japanese->FromDateTime(EncodeDate(1989, 1, 7)), {2, 64, 1, 7});
  ExpectDate(japanese->FromDateTime(EncodeDate(1989, 1, 8)), {3, 1, 1, 8});
  ExpectDate(japanese->FromDateTime(EncodeDate(2019, 4, 30)), {3, 31, 4, 30});
  // The era that began on 2019-05-01.
  ExpectDate(japanese->FromDateTime(EncodeDate(2019, 5, 1)), {4, 1, 5, 1});
  ExpectDate(japanese->FromDateTime(EncodeDate(2024, 1, 31)), {4, 6, 1, 31});
  EXPECT_EQ(japanese->DefaultEra()->Era(), 5);
  EXPECT_EQ(japanese->ToDateTime(Record(-1, 6, 1, 31)), EncodeDate(2024, 1, 31));
  EXPECT_EQ(japanese->ToDateTime(Record(0, 45, 7, 29)), EncodeDate(1912, 7, 29));
  // One month on from the last month of an era moves into the next era.
  ExpectDate(japanese->FromDateTime(japanese->AddMonths(EncodeDate(2019, 4, 30), 1)), {4, 1, 5, 30});
  ExpectDate(japanese->FromDateTime(japanese->AddYears(EncodeDate(2018, 6, 1), 1)), {4, 1, 6, 1});
  // A record naming no day of the calendar gives the first supported date.
  EXPECT_EQ(japanese->ToDateTime(Record(3, 1, 2, 30)), japanese->MinSupportedDate());
  EXPECT_EQ(japanese->MinSupportedDate(), EncodeDate(1868, 9, 8));

  struct TSingleEra {
    TcxCalendarID ID;
    int Year;
  } singleEras[] = {{CAL_TAIWAN, 113}, {CAL_KOREA, 4357}, {CAL_THAI, 2567}};
  for (const TSingleEra& c : singleEras) {
    TcxCustomCalendarTable* table = cxCalendarTableForID(c.ID);
    ExpectDate(table->FromDateTime(EncodeDate(2024, 2, 29)), {0, c.Year, 2, 29});
    EXPECT_EQ(table->ToDateTime(c.Year, 2, 29), EncodeDate(2024, 2, 29)) << c.ID;
    EXPECT_TRUE(table->IsLeapYear(c.Year)) << c.ID;
  }
}

TEST(EraCalendarTables, ErasAreOwnedRecords) {
  TcxJapaneseCalendarTable table;
  TcxEras& eras = *table.Eras();
  ASSERT_EQ(eras.Count(), 5);
  EXPECT_THROW(eras.Items(5), EListError);
  TcxEra replacement(7, EncodeDate(2100, 1, 1), 2099, 1, 100);
  TcxEra* stored = eras.Items(4);
  eras.SetItems(4, &replacement);
  EXPECT_EQ(eras.Items(4), stored);  // the stored era takes the values
  EXPECT_EQ(stored->Era(), 7);
  EXPECT_EQ(stored->YearOffset(), 2099);
  EXPECT_EQ(table.GetEra(2050, 6, 1), 3);
  TPersistent other;
  EXPECT_THROW(stored->Assign(&other), EConvertError);
}

// Every calendar converts each day of its range to a valid date of its own
// and back to the same moment; the step skips through the range with times
// of day on both sides of 1899-12-30.
TEST(CalendarTables, RoundTripAcrossTheirRanges) {
  for (TcxCalendarID id = 1; id <= 12; ++id) {
    TcxCustomCalendarTable* table = cxCalendarTableForID(id);
    const double first = std::ceil(table->MinSupportedDate()), last = std::floor(table->MaxSupportedDate());
    const double step = std::floor((last - first) / 1500);
    for (double day = first;; day = std::min(day + step, last)) {
      const TDateTime date = day < 0 ? day - 0.573 : day + 0.573;  // 13:45:07.200
      const TcxDateTime converted = table->FromDateTime(date);
      ASSERT_TRUE(table->IsValidDay(converted)) << "calendar " << id << " day " << day;
      ASSERT_NEAR(table->ToDateTime(converted), date, 1e-8) << "calendar " << id << " day " << day;
      if (day == last) break;
    }
  }
}

TEST(CalendarTables, AddingMonthsStaysInsideEachCalendar) {
  for (TcxCalendarID id : {CAL_GREGORIAN, CAL_JAPAN, CAL_HIJRI, CAL_HEBREW, CAL_THAI}) {
    TcxCustomCalendarTable* table = cxCalendarTableForID(id);
    TcxDateTime date = table->FromDateTime(EncodeDate(2020, 1, 31));
    for (int month = 1; month <= 40; ++month) {
      const TcxDateTime next = table->FromDateTime(table->AddMonths(date, 1));
      ASSERT_TRUE(table->IsValidDay(next)) << id;
      const int expectedMonth = static_cast<int>(date.Month) % table->GetMonthsInYear(date.Era, date.Year) + 1;
      ASSERT_EQ(static_cast<int>(next.Month), expectedMonth) << id << " step " << month;
      date = next;
    }
  }
}
