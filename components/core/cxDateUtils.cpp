// cxDateUtils: unit start-up, the calendar-table registry, the era records
// and the calendar-independent operations of the table base.
#include "components/core/cxDateUtils.h"

#include <cmath>

#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/WinApi.h"

void cxDateUtilsStartWeekRules();     // the week rules' start-up
void cxDateUtilsReleaseInputWords();  // the parsing's shut-down

namespace {

int GUnitReferences = 0;
// Owns the live tables; every table adds itself on creation and takes itself
// out on destruction. Null outside the unit's life.
TdxFastObjectList* GCalendarTables = nullptr;

int ToInt(uint32_t AValue) { return static_cast<int>(AValue); }

void Initialize() {
  if (GUnitReferences++ > 0) return;
  cxDateUtilsStartWeekRules();
  GCalendarTables = new TdxFastObjectList(true, 0);
}

void Finalize() {
  if (GUnitReferences == 0 || --GUnitReferences > 0) return;
  // Detached first, so that the tables freed with it do not look for it.
  std::unique_ptr<TdxFastObjectList> tables(GCalendarTables);
  GCalendarTables = nullptr;
  tables.reset();
  cxDateUtilsReleaseInputWords();
}

using TGetCalendarInfoW = int(WINAPI*)(LCID, CALID, CALTYPE, LPWSTR, int, LPDWORD);

// Bound at each call: a system without it has no calendar information.
TGetCalendarInfoW GetCalendarInfoFunction() {
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  return kernel ? reinterpret_cast<TGetCalendarInfoW>(GetProcAddress(kernel, "GetCalendarInfoW")) : nullptr;
}

}  // namespace

const TUnitEntry cxDateUtilsUnit{L"cxDateUtils", Initialize, Finalize};

// ---------------------------------------------------------------- platform calendar information

bool cxCalendarInfoText(TcxCalendarID ACalendarID, uint32_t AType, String& AText) {
  TGetCalendarInfoW getCalendarInfo = GetCalendarInfoFunction();
  wchar_t buffer[256];
  const int length = getCalendarInfo ? getCalendarInfo(GetThreadLocale(), ACalendarID, AType, buffer, 256, nullptr) : 0;
  if (length <= 1) return false;
  AText.assign(buffer, length - 1);
  return true;
}

bool cxCalendarInfoNumber(TcxCalendarID ACalendarID, uint32_t AType, uint32_t& AValue) {
  TGetCalendarInfoW getCalendarInfo = GetCalendarInfoFunction();
  DWORD value = 0;
  if (!getCalendarInfo ||
      getCalendarInfo(GetThreadLocale(), ACalendarID, AType | CAL_RETURN_NUMBER, nullptr, 0, &value) == 0)
    return false;
  AValue = value;
  return true;
}

// ---------------------------------------------------------------- registry

TClass dxCalendarTableClassForID(TcxCalendarID ACalendarID) {
  switch (ACalendarID) {
    case CAL_GREGORIAN_US: return TcxGregorianUSEnglishCalendarTable::StaticClass();
    case CAL_JAPAN: return TcxJapaneseCalendarTable::StaticClass();
    case CAL_TAIWAN: return TcxTaiwanCalendarTable::StaticClass();
    case CAL_KOREA: return TcxKoreanCalendarTable::StaticClass();
    case CAL_HIJRI: return TcxHijriCalendarTable::StaticClass();
    case CAL_THAI: return TcxThaiCalendarTable::StaticClass();
    case CAL_HEBREW: return TcxHebrewCalendarTable::StaticClass();
    case CAL_GREGORIAN_ME_FRENCH: return TcxGregorianMiddleEastFrenchCalendarTable::StaticClass();
    case CAL_GREGORIAN_ARABIC: return TcxGregorianArabicCalendarTable::StaticClass();
    case CAL_GREGORIAN_XLIT_ENGLISH: return TcxGregorianTransliteratedEnglishCalendarTable::StaticClass();
    case CAL_GREGORIAN_XLIT_FRENCH: return TcxGregorianTransliteratedFrenchCalendarTable::StaticClass();
    default: return TcxGregorianCalendarTable::StaticClass();
  }
}

TcxCustomCalendarTable* cxFindCachedCalendarTable(TcxCalendarID ACalendarID) {
  if (!GCalendarTables) return nullptr;
  for (int i = 0; i < GCalendarTables->Count(); ++i) {
    auto* table = static_cast<TcxCustomCalendarTable*>(GCalendarTables->Items(i));
    if (table->CalendarID() == ACalendarID) return table;
  }
  return nullptr;
}

TcxCustomCalendarTable* cxCalendarTableForID(TcxCalendarID ACalendarID) {
  if (!GCalendarTables)
    throw EInvalidOperation(L"Calendar tables are only available while the date routines are started");
  TClass tableClass = dxCalendarTableClassForID(ACalendarID);
  // Every identifier without a table of its own shares the Gregorian one:
  // looking it up under its own number would make a new table per request.
  if (tableClass == TcxGregorianCalendarTable::StaticClass()) ACalendarID = CAL_GREGORIAN;
  if (TcxCustomCalendarTable* cached = cxFindCachedCalendarTable(ACalendarID)) return cached;
  return static_cast<TcxCustomCalendarTable*>(TObject::CreateInstance(tableClass));
}

TcxCalendarID cxLocaleCalendarType(uint32_t ALocale) {
  DWORD value = 0;
  if (GetLocaleInfoW(ALocale, LOCALE_ICALENDARTYPE | LOCALE_RETURN_NUMBER, reinterpret_cast<LPWSTR>(&value),
                     sizeof(value) / sizeof(wchar_t)) == 0)
    return CAL_GREGORIAN;
  return value;
}

TcxCalendarID cxThreadLocaleCalendarType() { return cxLocaleCalendarType(GetThreadLocale()); }

TcxCustomCalendarTable* cxDefaultCalendarTable() { return cxCalendarTableForID(cxThreadLocaleCalendarType()); }

bool dxIsGregorianBasedCalendar(TcxCustomCalendarTable* ATable) {
  switch ((ATable ? ATable : cxDefaultCalendarTable())->CalendarID()) {
    case CAL_GREGORIAN:
    case CAL_GREGORIAN_US:
    case CAL_GREGORIAN_ME_FRENCH:
    case CAL_GREGORIAN_ARABIC:
    case CAL_GREGORIAN_XLIT_ENGLISH:
    case CAL_GREGORIAN_XLIT_FRENCH: return true;
    default: return false;
  }
}

// ---------------------------------------------------------------- eras

TcxEra::TcxEra(int AEra, TDateTime AStartDate, int AYearOffset, int AMinEraYear, int AMaxEraYear,
               const String& AName)
    : FEra(AEra), FMaxEraYear(AMaxEraYear), FMinEraYear(AMinEraYear), FStartDate(AStartDate),
      FYearOffset(AYearOffset), FName(AName) {}

void TcxEra::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxEra*>(Source)) {
    FEra = source->FEra;
    FMaxEraYear = source->FMaxEraYear;
    FMinEraYear = source->FMinEraYear;
    FStartDate = source->FStartDate;
    FYearOffset = source->FYearOffset;
    FName = source->FName;
  } else {
    TPersistent::Assign(Source);
  }
}

// ---------------------------------------------------------------- table base

TcxCustomCalendarTable::TcxCustomCalendarTable() : FEras(std::make_unique<TcxEras>()) {
  if (GCalendarTables) GCalendarTables->Add(this);
}

TcxCustomCalendarTable::~TcxCustomCalendarTable() {
  if (GCalendarTables) GCalendarTables->Extract(this);
}

void TcxCustomCalendarTable::NormalizeEraYear(int& AYear, int& AEra) { NormalizeEraYear(AYear, AEra, 1, 1); }

void TcxCustomCalendarTable::NormalizeEraYear(int& AYear, int& AEra, int AMonth, int ADay) {
  int gregorianYear = AYear;
  EraYearToGregorian(gregorianYear, AEra);
  AEra = GetEra(gregorianYear, AMonth, ADay);
  if (AEra >= 0) AYear = gregorianYear - FEras->Items(AEra)->YearOffset();
}

void TcxCustomCalendarTable::EraYearToGregorian(int& AYear, int AEra) const {
  if (AEra == -1)
    AYear += DefaultEra()->YearOffset();
  else if (AEra >= 0 && AEra < FEras->Count())
    AYear += FEras->Items(AEra)->YearOffset();
}

namespace {

// Date-times in time order: before 1899-12-30 the time of day is a negative
// fraction, so a later moment of a day there is a smaller number.
double Chronological(TDateTime ADateTime) {
  const double day = std::trunc(ADateTime);
  return ADateTime < 0 ? day + (day - ADateTime) : ADateTime;
}

}  // namespace

void TcxCustomCalendarTable::ClampToSupportedRange(TDateTime& ADateTime) const {
  if (Chronological(ADateTime) < Chronological(MinSupportedDate())) ADateTime = MinSupportedDate();
  if (Chronological(ADateTime) > Chronological(MaxSupportedDate())) ADateTime = MaxSupportedDate();
}

TDateTime TcxCustomCalendarTable::Clamped(TDateTime ADateTime) const {
  ClampToSupportedRange(ADateTime);
  return ADateTime;
}

bool TcxCustomCalendarTable::IsInvalidDate(const TcxDateTime& ADate, TDateTime& AResult) {
  if (IsValidDay(ADate)) return false;
  AResult = MinSupportedDate();
  return true;
}

// The day moves and the time of day stays: a plain sum would run the time
// the wrong way across 1899-12-30, where its fraction changes sign.
TDateTime TcxCustomCalendarTable::AddDays(const TcxDateTime& ADate, int ACountDays) {
  const TDateTime start = ToDateTime(ADate);
  return Clamped(cxDayWithTime(cxExtractDatePart(start) + ACountDays, cxExtractTimePart(start)));
}

TDateTime TcxCustomCalendarTable::AddMonths(TDateTime ADate, int ACountMonths) {
  return AddMonths(FromDateTime(ADate), ACountMonths);
}

TDateTime TcxCustomCalendarTable::AddMonths(const TcxDateTime& ADate, int ACountMonths) {
  TDateTime result;
  if (IsInvalidDate(ADate, result)) return result;
  int era = ADate.Era, year = ToInt(ADate.Year), month = ToInt(ADate.Month) + ACountMonths;
  // The direction is fixed once, so that months of different years' lengths
  // cannot make the walk swing back and forth.
  const bool forward = month > GetMonthsInYear(era, year);
  while (month > GetMonthsInYear(era, year) || month <= 0) {
    if (forward) {
      month -= GetMonthsInYear(era, year);
      ++year;
    } else {
      month += GetMonthsInYear(era, year - 1);
      --year;
    }
  }
  int day = ToInt(ADate.Day);
  if (!IsValidDay(era, year, month, day)) day = GetDaysInMonth(era, year, month);
  NormalizeEraYear(year, era, month, day);
  TcxDateTime moved = ADate;
  moved.Era = era;
  moved.Year = year;
  moved.Month = month;
  moved.Day = day;
  if (IsInvalidDate(moved, result)) return result;
  return Clamped(ToDateTime(moved));
}

TDateTime TcxCustomCalendarTable::AddYears(TDateTime ADate, int ACountYears) {
  return AddYears(FromDateTime(ADate), ACountYears);
}

TDateTime TcxCustomCalendarTable::AddYears(const TcxDateTime& ADate, int ACountYears) {
  TDateTime result;
  if (IsInvalidDate(ADate, result)) return result;
  int era = ADate.Era, year = ToInt(ADate.Year) + ACountYears;
  NormalizeEraYear(year, era);
  if (!IsValidYear(era, year)) return MinSupportedDate();
  int month = ToInt(ADate.Month), day = ToInt(ADate.Day);
  if (!IsValidMonth(era, year, month)) month = GetMonthsInYear(era, year);
  if (!IsValidDay(era, year, month, day)) day = GetDaysInMonth(era, year, month);
  NormalizeEraYear(year, era, month, day);
  TcxDateTime moved = ADate;
  moved.Era = era;
  moved.Year = year;
  moved.Month = month;
  moved.Day = day;
  return Clamped(ToDateTime(moved));
}

TDateTime TcxCustomCalendarTable::AddWeeks(TDateTime ADate, int ACountWeeks) {
  return AddWeeks(FromDateTime(ADate), ACountWeeks);
}

TDateTime TcxCustomCalendarTable::AddWeeks(const TcxDateTime& ADate, int ACountWeeks) {
  return AddDays(ADate, 7 * ACountWeeks);
}

TcxDateTime TcxCustomCalendarTable::FromDateTime(int AYear, int AMonth, int ADay) {
  return FromDateTime(AYear, AMonth, ADay, 0, 0, 0, 0);
}

TcxDateTime TcxCustomCalendarTable::FromDateTime(int AYear, int AMonth, int ADay, int AHours, int AMinutes,
                                                 int ASeconds, int AMilliseconds) {
  return FromDateTime(EncodeDateTime(AYear, AMonth, ADay, AHours, AMinutes, ASeconds, AMilliseconds));
}

int TcxCustomCalendarTable::GetDayOfYear(TDateTime ADate) { return GetDayOfYear(FromDateTime(ADate)); }

int TcxCustomCalendarTable::GetDayOfYear(const TcxDateTime& ADate) {
  int result = ToInt(ADate.Day);
  // The months of the date's own era: another era's leap rule would count a
  // different February.
  for (int month = 1; month < ToInt(ADate.Month); ++month)
    result += GetDaysInMonth(ADate.Era, ToInt(ADate.Year), month);
  return result;
}

int TcxCustomCalendarTable::GetDaysInMonth(int AYear, int AMonth) { return GetDaysInMonth(-1, AYear, AMonth); }

int TcxCustomCalendarTable::GetDaysInYear(int AYear) { return GetDaysInYear(-1, AYear); }

int TcxCustomCalendarTable::GetEra(int AYear) { return GetEra(AYear, 1, 1); }

int TcxCustomCalendarTable::GetEra(int AYear, int AMonth, int ADay) {
  // Compared as (year, month, day), so that no date outside the platform's
  // range can make the lookup fail.
  const int64_t key = (int64_t(AYear) * 12 + AMonth) * 31 + ADay;
  int result = -1;
  for (int i = 0; i < FEras->Count(); ++i) {
    int year, month, day;
    DecodeDate(FEras->Items(i)->StartDate(), year, month, day);
    if ((int64_t(year) * 12 + month) * 31 + day <= key) result = i;
  }
  return result;
}

TDateTime TcxCustomCalendarTable::GetFirstDayOfWeek(TDateTime ADate) {
  return ToDateTime(GetFirstDayOfWeek(FromDateTime(ADate)));
}

TDateTime TcxCustomCalendarTable::GetFirstDayOfWeek(TDateTime ADate, TDay AStartDayOfWeek) {
  const int weekDay = GetWeekDay(ADate);
  TDateTime result = ADate + (AStartDayOfWeek - weekDay);
  if (weekDay < AStartDayOfWeek) result -= 7;
  return result;
}

TcxDateTime TcxCustomCalendarTable::GetFirstDayOfWeek(const TcxDateTime& ADate) {
  const int weekDay = GetWeekDay(ADate), firstWeekDay = GetFirstWeekDay();
  int offset = firstWeekDay - weekDay;
  if (weekDay < firstWeekDay) offset -= 7;
  return FromDateTime(AddDays(ADate, offset));
}

TcxDateTime TcxCustomCalendarTable::GetFirstDayOfWeek(const TcxDateTime& ADate, TDay AStartDayOfWeek) {
  return FromDateTime(GetFirstDayOfWeek(ToDateTime(ADate), AStartDayOfWeek));
}

TDateTime TcxCustomCalendarTable::GetFirstDayOfMonth(TDateTime ADate) {
  return ToDateTime(GetFirstDayOfMonth(FromDateTime(ADate)));
}

TcxDateTime TcxCustomCalendarTable::GetFirstDayOfMonth(const TcxDateTime& ADate) {
  TcxDateTime result = ADate;
  result.Day = 1;
  return result;
}

TDateTime TcxCustomCalendarTable::GetFirstDayOfYear(TDateTime ADate) {
  return ToDateTime(GetFirstDayOfYear(FromDateTime(ADate)));
}

TcxDateTime TcxCustomCalendarTable::GetFirstDayOfYear(const TcxDateTime& ADate) {
  TcxDateTime result = ADate;
  result.Month = 1;
  result.Day = 1;
  return result;
}

TDateTime TcxCustomCalendarTable::GetLastDayOfMonth(TDateTime ADate) {
  return ToDateTime(GetLastDayOfMonth(FromDateTime(ADate)));
}

TcxDateTime TcxCustomCalendarTable::GetLastDayOfMonth(const TcxDateTime& ADate) {
  TcxDateTime result = ADate;
  result.Day = GetDaysInMonth(ADate.Era, ToInt(ADate.Year), ToInt(ADate.Month));
  return result;
}

TDateTime TcxCustomCalendarTable::GetLastDayOfYear(TDateTime ADate) {
  return ToDateTime(GetLastDayOfYear(FromDateTime(ADate)));
}

TcxDateTime TcxCustomCalendarTable::GetLastDayOfYear(const TcxDateTime& ADate) {
  TcxDateTime result = ADate;
  result.Month = GetMonthsInYear(ADate.Era, ToInt(ADate.Year));
  result.Day = GetDaysInMonth(ADate.Era, ToInt(ADate.Year), ToInt(result.Month));
  return result;
}

int TcxCustomCalendarTable::GetMonthsInYear(int AYear) { return GetMonthsInYear(-1, AYear); }

int TcxCustomCalendarTable::GetYear(TDateTime ADate) { return ToInt(FromDateTime(ADate).Year); }
int TcxCustomCalendarTable::GetYear(const TcxDate& ADate) { return ToInt(ADate.Year); }
int TcxCustomCalendarTable::GetYear(const TcxDateTime& ADate) { return ToInt(ADate.Year); }

uint8_t TcxCustomCalendarTable::GetWeekDay(TDateTime ADate) { return static_cast<uint8_t>(DayOfWeek(ADate) - 1); }

uint8_t TcxCustomCalendarTable::GetWeekDay(const TcxDateTime& ADate) { return GetWeekDay(ToDateTime(ADate)); }

int TcxCustomCalendarTable::GetWeekNumber(TDateTime ADate, TDay AStartOfWeek,
                                          TcxFirstWeekOfYear AFirstWeekOfYear) {
  return GetWeekNumber(FromDateTime(ADate), AStartOfWeek, AFirstWeekOfYear);
}

bool TcxCustomCalendarTable::IsLeapDay(int AYear, int AMonth, int ADay) { return IsLeapDay(-1, AYear, AMonth, ADay); }
bool TcxCustomCalendarTable::IsLeapMonth(int AYear, int AMonth) { return IsLeapMonth(-1, AYear, AMonth); }
bool TcxCustomCalendarTable::IsLeapYear(int AYear) { return IsLeapYear(-1, AYear); }

bool TcxCustomCalendarTable::IsValidYear(int AYear) {
  return AYear >= MinSupportedYear() && AYear <= MaxSupportedYear();
}

bool TcxCustomCalendarTable::IsValidYear(int AEra, int AYear) { return IsValidYear(AYear); }

bool TcxCustomCalendarTable::IsValidMonth(int AYear, int AMonth) { return IsValidMonth(-1, AYear, AMonth); }

bool TcxCustomCalendarTable::IsValidMonth(int AEra, int AYear, int AMonth) {
  return IsValidYear(AEra, AYear) && AMonth >= 1 && AMonth <= GetMonthsInYear(AEra, AYear);
}

bool TcxCustomCalendarTable::IsValidDay(int AYear, int AMonth, int ADay) {
  return IsValidDay(-1, AYear, AMonth, ADay);
}

bool TcxCustomCalendarTable::IsValidDay(int AEra, int AYear, int AMonth, int ADay) {
  return IsValidMonth(AEra, AYear, AMonth) && ADay >= 1 && ADay <= GetDaysInMonth(AEra, AYear, AMonth);
}

bool TcxCustomCalendarTable::IsValidDate(TDateTime ADate) { return IsValidDay(FromDateTime(ADate)); }

TDateTime TcxCustomCalendarTable::ToDateTime(const TcxDate& ADate) {
  TcxDateTime date;
  date.Era = ADate.Era;
  date.Year = ADate.Year;
  date.Month = ADate.Month;
  date.Day = ADate.Day;
  return ToDateTime(date);
}

TDateTime TcxCustomCalendarTable::ToDateTime(int AYear, int AMonth, int ADay) {
  return ToDateTime(AYear, AMonth, ADay, 0, 0, 0, 0);
}

TDateTime TcxCustomCalendarTable::ToDateTime(int AYear, int AMonth, int ADay, int AHours, int AMinutes,
                                             int ASeconds, int AMilliseconds) {
  TcxDateTime date;
  date.Year = AYear;
  date.Month = AMonth;
  date.Day = ADay;
  date.Hours = AHours;
  date.Minutes = AMinutes;
  date.Seconds = ASeconds;
  date.Milliseconds = AMilliseconds;
  return ToDateTime(date);
}

int TcxCustomCalendarTable::GetDayNumber(const String& S) { return StrToInt(S); }

int TcxCustomCalendarTable::GetMonthNumber(int AYear, const String& S) {
  for (int month = 1; month <= 12; ++month)
    if (AnsiCompareText(S, FormatSettings.LongMonthNames[month - 1]) == 0 ||
        AnsiCompareText(S, FormatSettings.ShortMonthNames[month - 1]) == 0)
      return month;
  return StrToInt(S);
}

int TcxCustomCalendarTable::GetYearNumber(const String& S) {
  const int year = StrToInt(S);
  uint32_t twoDigitYearMax;
  // A calendar the platform knows no century window for keeps the year typed.
  if (Length(S) > 2 || !cxCalendarInfoNumber(CalendarID(), CAL_ITWODIGITYEARMAX, twoDigitYearMax))
    return year;
  const int maxYear = static_cast<int>(twoDigitYearMax);
  int result = year + 100 * (maxYear / 100);
  if (year > maxYear % 100) result -= 100;
  return result;
}
