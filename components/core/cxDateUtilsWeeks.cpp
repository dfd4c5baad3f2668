// cxDateUtils: day and month routines, the process-wide start of the week,
// weekday numberings and the week-number rule.
#include <cmath>

#include "components/core/cxDateUtils.h"
#include "components/core/cxFormats.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/WinApi.h"

namespace {

TDay GWeekStartDay = dSunday;
bool GWeekStartAssigned = false;

constexpr TDateTime cxNoFirstWeekStart = -699999;

// The date as milliseconds, rounded as the platform's time stamps are: the
// whole days and the time of day both come from this one number.
int64_t TimeStampMilliseconds(TDateTime ADate) {
  return static_cast<int64_t>(std::llround(ADate * MSecsPerDay));
}

constexpr int64_t cxMSecsPerDay = 86400000;

}  // namespace

void cxDateUtilsStartWeekRules() {
  GWeekStartDay = cxLocaleWeekStartDay();
  GWeekStartAssigned = false;
}

bool cxShortWeekdayHeaders = true;

bool cxIsGregorianLeapYear(int AYear) { return IsLeapYear(AYear); }

int cxMonthLength(int AYear, int AMonth) { return DaysInAMonth(AYear, AMonth); }  // 0 outside 1..12

int cxClampDayToMonth(int AYear, int AMonth, int ADay) {
  if (ADay <= 0) return 1;
  return std::min(ADay, cxMonthLength(AYear, AMonth));
}

TDateTime cxExtractTimePart(TDateTime ADate) {
  if (ADate == cxNullDate) return 0;
  return static_cast<double>(std::llabs(TimeStampMilliseconds(ADate)) % cxMSecsPerDay) / MSecsPerDay;
}

TDateTime cxExtractDatePart(TDateTime ADate) {
  if (ADate == cxNullDate) return ADate;
  return static_cast<double>(TimeStampMilliseconds(ADate) / cxMSecsPerDay);
}

TDateTime cxDayWithTime(double ADay, TDateTime ATime) { return ADay < 0 ? ADay - ATime : ADay + ATime; }

bool cxIsDateInSupportedRange(TDateTime ADate) {
  return ADate == cxNullDate || (ADate >= cxMinGregorianDate && ADate <= cxMaxGregorianDate);
}

int cxDecodeDatePart(int ASelector, TDateTime ADate) {
  int year, month, day;
  DecodeDate(ADate, year, month, day);
  return ASelector == 0 ? year : ASelector == 1 ? month : day;
}

TDateTime cxEndOfMonthDate(bool ADateOnly, TDateTime ADate) {
  int year, month, day;
  DecodeDate(ADate, year, month, day);
  return ADateOnly ? EncodeDate(year, month, cxMonthLength(year, month))
                   : EncodeDateTime(year, month, cxMonthLength(year, month), 23, 59, 59, 999);
}

int cxMonthSerial(TDateTime ADate) {
  int year, month, day;
  DecodeDate(ADate, year, month, day);
  return year * 12 + month - 12;
}

// ---------------------------------------------------------------- start of the week

TDay cxWeekStartDay() { return GWeekStartAssigned ? GWeekStartDay : cxLocaleWeekStartDay(); }

bool cxIsWeekStartAssigned() { return GWeekStartAssigned; }

void cxAssignWeekStartDay(TDay ADay) {
  GWeekStartDay = ADay;
  GWeekStartAssigned = true;
}

void cxDropWeekStartAssignment() { GWeekStartAssigned = false; }

namespace {

// The first digit of a numeric locale setting, or ADefault.
int LocaleDigit(LCTYPE AType, int ADefault) {
  const String text = dxLocaleInfoText(GetThreadLocale(), AType, L"0");
  return !text.empty() && text[0] >= L'0' && text[0] <= L'9' ? text[0] - L'0' : ADefault;
}

}  // namespace

TDay cxLocaleWeekStartDay() { return cxWeekdayFromLocale(LocaleDigit(LOCALE_IFIRSTDAYOFWEEK, 0)); }

TcxFirstWeekOfYear cxLocaleFirstWeekOfYear() {
  const int rule = LocaleDigit(LOCALE_IFIRSTWEEKOFYEAR, 0) + 1;
  return rule <= fwyFirstFourDays ? static_cast<TcxFirstWeekOfYear>(rule) : fwyJan1;
}

// ---------------------------------------------------------------- weekdays

TDay cxWeekdayFromPlatform(int ADay) { return static_cast<TDay>(((ADay - 1) % 7 + 7) % 7); }

TDay cxWeekdayFromLocale(int ADay) { return static_cast<TDay>(((ADay + 1) % 7 + 7) % 7); }

int cxWeekdayToPlatform(TDay ADay) { return ADay + 1; }

TDay cxWeekdayOf(TDateTime ADate) { return cxWeekdayFromPlatform(DayOfWeek(ADate)); }

int cxDaysSinceGivenWeekStart(TDay AStart, TDateTime ADate) { return ((cxWeekdayOf(ADate) - AStart) % 7 + 7) % 7; }

int cxDaysSinceWeekStart(TDateTime ADate) { return cxDaysSinceGivenWeekStart(cxWeekStartDay(), ADate); }

TDay cxShiftWeekday(TDay AFrom, int ACount) { return static_cast<TDay>(((AFrom + ACount) % 7 + 7) % 7); }

TDateTime cxWeekStartDate(TDateTime ADate) { return cxExtractDatePart(ADate) - cxDaysSinceWeekStart(ADate); }

// ---------------------------------------------------------------- week numbers

TDateTime cxFirstWeekStartOfYear(int AYear, TcxFirstWeekOfYear ARule) {
  TDateTime january1;
  if (!TryEncodeDate(AYear, 1, 1, january1)) return cxNoFirstWeekStart;
  switch (ARule) {
    case fwyJan1: return cxWeekStartDate(january1);
    case fwyFirstFourDays: return cxWeekStartDate(january1 + 3);
    default: return cxWeekStartDate(january1 + 6);
  }
}

int cxWeekNumberOfDate(TcxFirstWeekOfYear ARule, TDateTime ADate) {
  if (ARule == fwySystem) ARule = cxLocaleFirstWeekOfYear();
  int year, month, day;
  DecodeDate(ADate, year, month, day);
  // Whole days only: before 1899-12-30 a later time of day is a smaller
  // number, so the date-time itself would compare the wrong way.
  const TDateTime wholeDay = cxExtractDatePart(ADate);
  if (month == 12) {
    const TDateTime nextYearStart = cxFirstWeekStartOfYear(year + 1, ARule);
    if (nextYearStart != cxNoFirstWeekStart && wholeDay >= nextYearStart) return 1;
  }
  TDateTime start = cxFirstWeekStartOfYear(year, ARule);
  if (month == 1 && wholeDay < start) start = cxFirstWeekStartOfYear(year - 1, ARule);
  return static_cast<int>(wholeDay - start) / 7 + 1;
}

// ---------------------------------------------------------------- date orders

int cxFormatInfoDateOrder(const TcxDateTimeFormatInfo& AInfo) {
  for (int i = 0; i < AInfo.ItemCount(); ++i) switch (AInfo.Items(i).Kind) {
      case dtikMonth: return 0;
      case dtikDay: return 1;
      case dtikYear: return 2;
      default: break;
    }
  return 0;
}

int cxPictureDateOrder(const String& APicture) {
  for (Char c : APicture) switch (c) {
      case L'd': case L'D': return 1;
      case L'y': case L'Y': case L'e': case L'E': return 2;
      case L'm': case L'M': return 0;
      default: break;
    }
  return 0;
}
