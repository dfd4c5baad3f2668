// cxDateUtils: the calendar tables - the Gregorian family, the era calendars
// (Japanese, Taiwan, Korean, Thai), the tabular Hijri calendar and the
// Hebrew calendar.
#include <array>
#include <cmath>

#include "components/core/cxDateUtils.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/WinApi.h"

namespace {

int ToInt(uint32_t AValue) { return static_cast<int>(AValue); }

std::unique_ptr<TcxEra> NewDefaultEra() { return std::make_unique<TcxEra>(-1, cxNullDate, 0, 1, cxMaxYear); }

// The whole day of a date-time (its time of day dropped).
double WholeDay(TDateTime ADate) { return std::trunc(ADate); }

// A day number joined with a record's time of day.
TDateTime DayWithTime(double ADay, const TcxDateTime& ADate) {
  return cxDayWithTime(ADay, EncodeTime(ADate.Hours, ADate.Minutes, ADate.Seconds, ADate.Milliseconds));
}

TcxDateTime DecodeRecord(TDateTime ADate) {
  int year, month, day, hours, minutes, seconds, milliseconds;
  DecodeDateTime(ADate, year, month, day, hours, minutes, seconds, milliseconds);
  TcxDateTime result;
  result.Year = year;
  result.Month = month;
  result.Day = day;
  result.Hours = static_cast<uint8_t>(hours);
  result.Minutes = static_cast<uint8_t>(minutes);
  result.Seconds = static_cast<uint8_t>(seconds);
  result.Milliseconds = milliseconds;
  return result;
}

// The week number of the lunar calendars: weeks start on the table's own
// first weekday, and the first week of a year follows the first-week rule.
int LunarWeekNumber(TcxCustomCalendarTable& ATable, const TcxDateTime& ADate, TcxFirstWeekOfYear ARule) {
  if (ARule == fwySystem) ARule = cxLocaleFirstWeekOfYear();
  // Whole days: a time of day carried into the week's start would put the
  // week's first day into the week before.
  TcxDateTime date = ADate;
  date.Hours = date.Minutes = date.Seconds = 0;
  date.Milliseconds = 0;
  TcxDateTime firstDay = date;
  firstDay.Month = 1;
  firstDay.Day = 1;
  const TDateTime yearStart = ATable.ToDateTime(firstDay);
  TDateTime weekStart = ATable.GetFirstDayOfWeek(yearStart);
  if ((ARule == fwyFirstFullWeek && ATable.FromDateTime(weekStart).Year < date.Year) ||
      (ARule == fwyFirstFourDays && ATable.FromDateTime(weekStart + 3).Year < date.Year))
    weekStart += 7;
  const double day = WholeDay(ATable.ToDateTime(date));
  // A day before the first week of its year is in the last week of the
  // year before.
  if (day < weekStart) return LunarWeekNumber(ATable, ATable.FromDateTime(yearStart - 1), ARule);
  int result = static_cast<int>(day - weekStart) / 7 + 1;
  if (ToInt(date.Month) == ATable.GetMonthsInYear(ToInt(date.Year))) {
    const TDateTime lastWeekStart = ATable.ToDateTime(ATable.GetFirstDayOfWeek(date));
    if ((ARule == fwyJan1 && ATable.FromDateTime(lastWeekStart + 6).Month == 1) ||
        (ARule == fwyFirstFourDays && ATable.FromDateTime(lastWeekStart + 3).Month == 1))
      result = 1;
  }
  return result;
}

}  // namespace

// ---------------------------------------------------------------- Gregorian

TcxGregorianCalendarTable::TcxGregorianCalendarTable() : FDefaultEra(NewDefaultEra()) {}

TcxGregorianCalendarTable::~TcxGregorianCalendarTable() = default;

TcxDateTime TcxGregorianCalendarTable::FromDateTime(TDateTime ADate) { return DecodeRecord(ADate); }

TDateTime TcxGregorianCalendarTable::ToDateTime(const TcxDateTime& ADateTime) {
  return EncodeDateTime(ADateTime.Year, ADateTime.Month, ADateTime.Day, ADateTime.Hours, ADateTime.Minutes,
                        ADateTime.Seconds, ADateTime.Milliseconds);
}

int TcxGregorianCalendarTable::GetDaysInMonth(int AEra, int AYear, int AMonth) {
  switch (AMonth) {
    case 2: return IsLeapYear(AEra, AYear) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    default: return 31;
  }
}

int TcxGregorianCalendarTable::GetDaysInYear(int AEra, int AYear) { return IsLeapYear(AEra, AYear) ? 366 : 365; }

int TcxGregorianCalendarTable::GetFullWeeksInYear(int AYear) {
  const int firstDayOffset = ((GetWeekDay(ToDateTime(AYear, 1, 1)) - GetFirstWeekDay()) % 7 + 7) % 7;
  return firstDayOffset >= 6 || (IsLeapYear(AYear) && firstDayOffset >= 5) ? 53 : 52;
}

int TcxGregorianCalendarTable::GetWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek,
                                             TcxFirstWeekOfYear AFirstWeekOfYear) {
  return cxWeekNumberOfDate(AFirstWeekOfYear, ToDateTime(ADate));
}

bool TcxGregorianCalendarTable::IsLeapYear(int AEra, int AYear) {
  EraYearToGregorian(AYear, AEra);
  return cxIsGregorianLeapYear(AYear);
}

bool TcxGregorianCalendarTable::IsLeapMonth(int AEra, int AYear, int AMonth) {
  return IsLeapYear(AEra, AYear) && AMonth == 2;
}

bool TcxGregorianCalendarTable::IsLeapDay(int AEra, int AYear, int AMonth, int ADay) {
  return IsLeapMonth(AEra, AYear, AMonth) && ADay == 29;
}

// ---------------------------------------------------------------- era calendars

TcxJapaneseCalendarTable::TcxJapaneseCalendarTable() {
  static const TEraData eras[] = {
      {1, 1868, 9, 8, 1867, 1, 45, L"\u660E\u6CBB"},
      {2, 1912, 7, 30, 1911, 1, 15, L"\u5927\u6B63"},
      {3, 1926, 12, 25, 1925, 1, 64, L"\u662D\u548C"},
      {4, 1989, 1, 8, 1988, 1, 31, L"\u5E73\u6210"},
      {5, 2019, 5, 1, 2018, 1, cxMaxYear - 2018, L"\u4EE4\u548C"},
  };
  for (const TEraData& era : eras) AddEra(era);
}

TcxJapaneseCalendarTable::TcxJapaneseCalendarTable(const TEraData& AOnlyEra) { AddEra(AOnlyEra); }

void TcxJapaneseCalendarTable::AddEra(const TEraData& AData) {
  Eras()->Add(new TcxEra(AData.Era, EncodeDate(AData.Year, AData.Month, AData.Day), AData.YearOffset,
                         AData.MinEraYear, AData.MaxEraYear, AData.Name));
}

TcxEra* TcxJapaneseCalendarTable::DefaultEra() const { return Eras()->Items(Eras()->Count() - 1); }

TDateTime TcxJapaneseCalendarTable::MaxSupportedDate() const { return EncodeDate(cxMaxYear, 12, 31); }

TDateTime TcxJapaneseCalendarTable::MinSupportedDate() const { return Eras()->Items(0)->StartDate(); }

int TcxJapaneseCalendarTable::MaxSupportedYear() const { return DefaultEra()->MaxEraYear(); }

int TcxJapaneseCalendarTable::MinSupportedYear() const { return Eras()->Items(0)->MinEraYear(); }

TcxDateTime TcxJapaneseCalendarTable::FromDateTime(TDateTime ADate) {
  TcxDateTime result = DecodeRecord(ADate);
  result.Era = GetEra(ToInt(result.Year), ToInt(result.Month), ToInt(result.Day));
  const TcxEra* era = result.Era == -1 ? DefaultEra() : Eras()->Items(result.Era);
  result.Year = ToInt(result.Year) - era->YearOffset();
  return result;
}

TDateTime TcxJapaneseCalendarTable::ToDateTime(const TcxDateTime& ADateTime) {
  TDateTime result;
  if (IsInvalidDate(ADateTime, result)) return result;
  int year = ToInt(ADateTime.Year);
  EraYearToGregorian(year, ADateTime.Era);
  return DayWithTime(EncodeDate(year, ADateTime.Month, ADateTime.Day), ADateTime);
}

TcxTaiwanCalendarTable::TcxTaiwanCalendarTable()
    : TcxJapaneseCalendarTable({1, 1912, 1, 1, 1911, 1, 8088, L"\u4E2D\u83EF\u6C11\u570B"}) {}

TcxKoreanCalendarTable::TcxKoreanCalendarTable()
    : TcxJapaneseCalendarTable({0, 1, 1, 1, -2333, 2334, 12332, L"\uB2E8\uAE30"}) {}

TcxThaiCalendarTable::TcxThaiCalendarTable()
    : TcxJapaneseCalendarTable({0, 1, 1, 1, -543, 544, 10542, L"\u0E1E.\u0E28."}) {}

// ---------------------------------------------------------------- Hijri

namespace {

// Days from 0001-01-01 (day 1) to the day before the first Hijri day.
constexpr int cxHijriEpochOffset = 227013;

// Leap days of the years 1..ACount of one 30-year cycle.
int HijriLeapDaysInCycle(TcxCustomCalendarTable& ATable, int ACount) {
  int result = 0;
  for (int year = 1; year <= ACount; ++year)
    if (ATable.IsLeapYear(year)) ++result;
  return result;
}

}  // namespace

TcxHijriCalendarTable::TcxHijriCalendarTable() : FDefaultEra(NewDefaultEra()) {}

TcxHijriCalendarTable::~TcxHijriCalendarTable() = default;

// The first day of the year 1 and the end of 9999-12-31 (9666-04-03): any
// wider range converts to days of no Hijri year.
TDateTime TcxHijriCalendarTable::MinSupportedDate() const { return EncodeDate(622, 7, 18); }

TDateTime TcxHijriCalendarTable::MaxSupportedDate() const { return cxMaxGregorianDate; }

bool TcxHijriCalendarTable::IsLeapYear(int AEra, int AYear) {
  switch ((AYear % 30 + 30) % 30) {
    case 2: case 5: case 7: case 10: case 13: case 15: case 18: case 21: case 24: case 26: case 29:
      return true;
    default:
      return false;
  }
}

bool TcxHijriCalendarTable::IsLeapMonth(int AEra, int AYear, int AMonth) {
  return IsLeapYear(AEra, AYear) && AMonth == 12;
}

bool TcxHijriCalendarTable::IsLeapDay(int AEra, int AYear, int AMonth, int ADay) {
  return IsLeapMonth(AEra, AYear, AMonth) && ADay == 30;
}

int TcxHijriCalendarTable::GetDaysInMonth(int AEra, int AYear, int AMonth) {
  if (IsLeapMonth(AEra, AYear, AMonth)) return 30;
  return AMonth % 2 == 0 ? 29 : 30;
}

int TcxHijriCalendarTable::GetDaysInYear(int AEra, int AYear) { return IsLeapYear(AEra, AYear) ? 355 : 354; }

int TcxHijriCalendarTable::GetMonthNumber(int AYear, const String& S) {
  for (int month = 1; month <= 12; ++month)
    if (AnsiCompareText(S, cxMonthNameOfYearMonth(AYear, month, this)) == 0) return month;
  return TcxCustomCalendarTable::GetMonthNumber(AYear, S);
}

int TcxHijriCalendarTable::GetWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek,
                                         TcxFirstWeekOfYear AFirstWeekOfYear) {
  return LunarWeekNumber(*this, ADate, AFirstWeekOfYear);
}

TcxDateTime TcxHijriCalendarTable::FromDateTime(TDateTime ADate) {
  TcxDateTime result = DecodeRecord(ADate);
  int days = static_cast<int>(WholeDay(ADate) - EncodeDate(1, 1, 1) + 1) - cxHijriEpochOffset;
  int year = 30 * days / 10631 + 1;
  days -= 354 * (year - 1) + 11 * ((year - 1) / 30) + HijriLeapDaysInCycle(*this, (year - 1) % 30);
  int month = 1;
  while (GetDaysInMonth(year, month) < days) {
    days -= GetDaysInMonth(year, month);
    if (++month > GetMonthsInYear(year)) {
      month = 1;
      ++year;
    }
  }
  if (days == 0) {
    --year;
    month = GetMonthsInYear(year);
    days = GetDaysInMonth(year, month);
  }
  result.Year = year;
  result.Month = month;
  result.Day = days;
  return result;
}

TDateTime TcxHijriCalendarTable::ToDateTime(const TcxDateTime& ADateTime) {
  const int year = ToInt(ADateTime.Year);
  const double days = cxHijriEpochOffset + 354.0 * (year - 1) + 11 * ((year - 1) / 30) +
                      HijriLeapDaysInCycle(*this, (year - 1) % 30) + GetDayOfYear(ADateTime);
  return DayWithTime(days + EncodeDate(1, 1, 1) - 1, ADateTime);
}

// ---------------------------------------------------------------- Hebrew

namespace {

constexpr int cxHebrewFirstYear = 5343, cxHebrewLastYear = 5999;  // Gregorian 1583..2239
constexpr int cxHebrewYearOffset = 3760;

// Month lengths by row: the year kind 1..3 (deficient, regular, complete),
// plus 3 for leap years; row 0 is empty.
constexpr uint8_t cxHebrewMonthLengths[7][13] = {
    {},
    {30, 29, 29, 29, 30, 29, 30, 29, 30, 29, 30, 29},
    {30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29},
    {30, 30, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29},
    {30, 29, 29, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29},
    {30, 29, 30, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29},
    {30, 30, 30, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29},
};

struct THebrewYear {
  uint8_t Kind;                    // 1..6: the row of month lengths
  uint8_t LunarMonth, LunarDay;    // the Hebrew date of 1 January of the Gregorian year
};

// Days from the Hebrew epoch to the new year of AYear by the molad and the
// first postponement rules.
int64_t HebrewElapsedDays(int64_t AYear) {
  const int64_t months = (235 * AYear - 234) / 19;
  const int64_t parts = 12084 + 13753 * months;
  const int64_t day = 29 * months + parts / 25920;
  return (3 * (day + 1)) % 7 < 3 ? day + 1 : day;
}

// The new year of AYear as a day number counted from 0001-01-01 (day 1),
// after the postponements that keep year lengths to the six allowed ones.
int64_t HebrewNewYear(int64_t AYear) {
  constexpr int64_t epoch = -1373427;
  const int64_t previous = HebrewElapsedDays(AYear - 1), current = HebrewElapsedDays(AYear),
                next = HebrewElapsedDays(AYear + 1);
  const int correction = next - current == 356 ? 2 : current - previous == 382 ? 1 : 0;
  return epoch + current + correction;
}

const THebrewYear& HebrewYear(int AYear) {
  static const auto years = [] {
    std::array<THebrewYear, cxHebrewLastYear - cxHebrewFirstYear + 1> result{};
    for (int year = cxHebrewFirstYear; year <= cxHebrewLastYear; ++year) {
      const int64_t newYear = HebrewNewYear(year);
      const int length = static_cast<int>(HebrewNewYear(year + 1) - newYear);
      THebrewYear& entry = result[year - cxHebrewFirstYear];
      entry.Kind = static_cast<uint8_t>(length % 10 - 2 + (length > 355 ? 3 : 0));
      // 1 January of the Gregorian year falls in month 3, 4 or 5.
      int64_t days = static_cast<int64_t>(EncodeDate(year - cxHebrewYearOffset, 1, 1) - EncodeDate(1, 1, 1)) + 1 - newYear;
      int month = 1;
      while (days >= cxHebrewMonthLengths[entry.Kind][month - 1]) days -= cxHebrewMonthLengths[entry.Kind][month++ - 1];
      entry.LunarMonth = static_cast<uint8_t>(month);
      entry.LunarDay = static_cast<uint8_t>(days + 1);
    }
    return result;
  }();
  return years[AYear - cxHebrewFirstYear];
}

bool IsHebrewYearInRange(int AYear) { return AYear >= cxHebrewFirstYear && AYear <= cxHebrewLastYear; }

}  // namespace

TcxHebrewCalendarTable::TcxHebrewCalendarTable() : FDefaultEra(NewDefaultEra()) {}

TcxHebrewCalendarTable::~TcxHebrewCalendarTable() = default;

TDateTime TcxHebrewCalendarTable::MinSupportedDate() const { return EncodeDate(1583, 1, 1); }

TDateTime TcxHebrewCalendarTable::MaxSupportedDate() const { return EncodeDateTime(2239, 9, 29, 23, 59, 59, 999); }

int TcxHebrewCalendarTable::GetYearType(int AYear) {
  if (!IsHebrewYearInRange(AYear)) return 0;
  const int kind = HebrewYear(AYear).Kind;
  return kind > 3 ? kind - 3 : kind;
}

bool TcxHebrewCalendarTable::IsLeapYear(int AEra, int AYear) {
  return IsHebrewYearInRange(AYear) && HebrewYear(AYear).Kind >= 4;
}

bool TcxHebrewCalendarTable::IsLeapMonth(int AEra, int AYear, int AMonth) {
  return IsValidMonth(AEra, AYear, AMonth) && IsLeapYear(AEra, AYear) && AMonth == 7;
}

bool TcxHebrewCalendarTable::IsLeapDay(int AEra, int AYear, int AMonth, int ADay) {
  return IsValidDay(AEra, AYear, AMonth, ADay) && IsLeapMonth(AEra, AYear, AMonth);
}

int TcxHebrewCalendarTable::GetMonthsInYear(int AEra, int AYear) { return IsLeapYear(AEra, AYear) ? 13 : 12; }

int TcxHebrewCalendarTable::GetDaysInMonth(int AEra, int AYear, int AMonth) {
  if (!IsValidMonth(AEra, AYear, AMonth)) return 0;
  const int row = GetYearType(AYear) + (IsLeapYear(AEra, AYear) ? 3 : 0);
  return cxHebrewMonthLengths[row][AMonth - 1];
}

int TcxHebrewCalendarTable::GetDaysInYear(int AEra, int AYear) {
  if (!IsValidYear(AEra, AYear)) return 0;
  static constexpr int lengths[] = {353, 353, 354, 355};
  const int type = GetYearType(AYear);
  return (type >= 1 && type <= 3 ? lengths[type] : 353) + (IsLeapYear(AEra, AYear) ? 30 : 0);
}

int TcxHebrewCalendarTable::GetDayNumber(const String& S) {
  const int value = cxHebrewNumeralValue(S);
  return value != 0 ? value : TcxCustomCalendarTable::GetDayNumber(S);
}

int TcxHebrewCalendarTable::GetMonthNumber(int AYear, const String& S) {
  const int value = cxHebrewNumeralValue(S);
  if (IsValidMonth(AYear, value)) return value;
  for (int month = 1; month <= 13; ++month)
    if (AnsiCompareText(S, cxMonthNameOfYearMonth(AYear, month, this)) == 0) return month;
  return TcxCustomCalendarTable::GetMonthNumber(AYear, S);
}

int TcxHebrewCalendarTable::GetYearNumber(const String& S) {
  const int value = cxHebrewNumeralValue(S);
  return value != 0 ? value + 5000 : TcxCustomCalendarTable::GetYearNumber(S);
}

int TcxHebrewCalendarTable::GetWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek,
                                          TcxFirstWeekOfYear AFirstWeekOfYear) {
  return LunarWeekNumber(*this, ADate, AFirstWeekOfYear);
}

void TcxHebrewCalendarTable::LunarMonthDayOf(int AGregorianYear, int& ALunarMonth, int& ALunarDay) {
  const THebrewYear& year = HebrewYear(AGregorianYear + cxHebrewYearOffset);
  ALunarMonth = year.LunarMonth;
  ALunarDay = year.LunarDay;
}

int TcxHebrewCalendarTable::LunarDayDifference(int ARow, int AMonth, int ALunarDay, int ALunarMonth, int ADay) {
  const uint8_t* lengths = cxHebrewMonthLengths[ARow];
  if (AMonth == ALunarMonth) return ADay - ALunarDay;
  if (ALunarMonth < AMonth) {
    int result = lengths[ALunarMonth - 1] - ALunarDay + ADay;
    for (int month = ALunarMonth + 1; month < AMonth; ++month) result += lengths[month - 1];
    return result;
  }
  int result = lengths[AMonth - 1] - ADay + ALunarDay;
  for (int month = AMonth + 1; month < ALunarMonth; ++month) result += lengths[month - 1];
  return -result;
}

TcxDateTime TcxHebrewCalendarTable::FromDateTime(TDateTime ADate) {
  ClampToSupportedRange(ADate);
  TcxDateTime result = DecodeRecord(ADate);
  int year = ToInt(result.Year) + cxHebrewYearOffset, month = 1;
  int day = static_cast<int>(WholeDay(ADate) - ToDateTime(year, 1, 1)) + 1;
  while (day < 1 || day > GetDaysInMonth(year, month)) {
    if (day < 1) {
      if (--month == 0) month = GetMonthsInYear(--year);
    } else if (++month > GetMonthsInYear(year)) {
      month = 1;
      ++year;
    }
    day = static_cast<int>(WholeDay(ADate) - ToDateTime(year, month, 1)) + 1;
  }
  result.Year = year;
  result.Month = month;
  result.Day = day;
  return result;
}

TDateTime TcxHebrewCalendarTable::ToDateTime(const TcxDateTime& ADateTime) {
  TDateTime result;
  if (IsInvalidDate(ADateTime, result)) return result;
  const int year = ToInt(ADateTime.Year), month = ToInt(ADateTime.Month), day = ToInt(ADateTime.Day);
  const int row = GetYearType(year) + (IsLeapYear(year) ? 3 : 0);
  const int gregorianYear = year - cxHebrewYearOffset;
  int lunarMonth, lunarDay;
  LunarMonthDayOf(gregorianYear, lunarMonth, lunarDay);
  double days = EncodeDate(gregorianYear, 1, 1);
  if (month != lunarMonth || day != lunarDay) days += LunarDayDifference(row, month, lunarDay, lunarMonth, day);
  return DayWithTime(days, ADateTime);
}

// Letters alef..tav, U+05D0..U+05EA, in the order of their code points.
int cxHebrewNumeralValue(const String& S) {
  static constexpr int16_t values[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,   10,  20,  20,  30, 40,
                                       40, 50, 50, 60, 70, 80, 80, 90, 90, 100, 200, 300, 400};
  int result = 0;
  for (Char c : S)
    if (c >= 0x05D0 && c <= 0x05EA) result += values[c - 0x05D0];
  return result;
}
