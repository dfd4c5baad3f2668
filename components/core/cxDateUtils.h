#pragma once
// Calendars and dates of the component library: the calendar tables
// (Gregorian family, era calendars, Hijri, Hebrew) shared per calendar
// identifier through one registry, the week rules, the texts of dates in the
// user's locale, and the parsing of typed dates with the smart input words.
#include <memory>

#include "components/core/dxCoreClasses.h"
#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/UnitStartup.h"

class TcxDateTimeFormatInfo;
struct TFormatSettings;

// The null date: no date at all. It passes every range check.
constexpr TDateTime cxNullDate = -700000.0;
// The highest year of the library's dates.
constexpr int cxMaxYear = 9999;
// 0100-01-01 and the end of 9999-12-31, the Gregorian limits.
constexpr TDateTime cxMinGregorianDate = -657434.0;
constexpr TDateTime cxMaxGregorianDate = 2958465.99999;

using TcxCalendarID = uint32_t;  // the platform's CAL_* identifiers, 1..12

// A date of one calendar. Era -1 is the calendar's default era; 0 and up
// index the table's era list.
struct TcxDate {
  int32_t Era = -1;
  uint32_t Year = 0, Month = 0, Day = 0;
};

struct TcxDateTime {
  int32_t Era = -1;
  uint32_t Year = 0, Month = 0, Day = 0;
  uint8_t Hours = 0, Minutes = 0, Seconds = 0;
  uint16_t Milliseconds = 0;
};

enum TcxCalendarAlgorithmType { catUnknown, catSolarCalendar, catLunarCalendar, catLunarSolarCalendar };
enum TDay { dSunday, dMonday, dTuesday, dWednesday, dThursday, dFriday, dSaturday };
enum TcxFirstWeekOfYear { fwySystem, fwyJan1, fwyFirstFullWeek, fwyFirstFourDays };

// One era of an era calendar: Gregorian year = era year + YearOffset. The
// name is the era's own, so that typed dates can name eras the platform's
// locale no longer lists.
class TcxEra : public TPersistent {
  VCL_CLASS(TcxEra, TPersistent)
public:
  TcxEra(int AEra, TDateTime AStartDate, int AYearOffset, int AMinEraYear, int AMaxEraYear,
         const String& AName = String());
  void Assign(TPersistent* Source) override;

  int Era() const { return FEra; }
  void SetEra(int AValue) { FEra = AValue; }
  int MaxEraYear() const { return FMaxEraYear; }
  void SetMaxEraYear(int AValue) { FMaxEraYear = AValue; }
  int MinEraYear() const { return FMinEraYear; }
  void SetMinEraYear(int AValue) { FMinEraYear = AValue; }
  const String& Name() const { return FName; }
  void SetName(const String& AValue) { FName = AValue; }
  TDateTime StartDate() const { return FStartDate; }  // first Gregorian day of the era
  void SetStartDate(TDateTime AValue) { FStartDate = AValue; }
  int YearOffset() const { return FYearOffset; }
  void SetYearOffset(int AValue) { FYearOffset = AValue; }

private:
  int FEra;
  int FMaxEraYear;
  int FMinEraYear;
  TDateTime FStartDate;
  int FYearOffset;
  String FName;
};

// The owned eras of a table.
class TcxEras : public TdxFastObjectList {
  VCL_CLASS(TcxEras, TdxFastObjectList)
public:
  TcxEras() : TdxFastObjectList(true, 0) {}
  TcxEra* Items(int AIndex) const { return static_cast<TcxEra*>(TdxFastObjectList::Items(AIndex)); }
  // The stored era takes the values of AValue; the object stays.
  void SetItems(int AIndex, TcxEra* AValue) { Items(AIndex)->Assign(AValue); }
};

// Converts between TDateTime and the dates of one calendar and answers what
// a calendar grid asks. Tables register themselves on creation; the shared
// ones come from cxCalendarTableForID and are never freed by their users.
class TcxCustomCalendarTable : public TObject {
  VCL_CLASS(TcxCustomCalendarTable, TObject)
public:
  TcxCustomCalendarTable();
  ~TcxCustomCalendarTable() override;

  TcxEras* Eras() const { return FEras.get(); }

  virtual void NormalizeEraYear(int& AYear, int& AEra);
  virtual void NormalizeEraYear(int& AYear, int& AEra, int AMonth, int ADay);
  virtual TcxCalendarAlgorithmType AlgorithmType() const = 0;
  virtual TcxCalendarID CalendarID() const = 0;
  virtual TcxEra* DefaultEra() const = 0;
  virtual TDateTime MaxSupportedDate() const = 0;
  virtual TDateTime MinSupportedDate() const = 0;
  virtual void ClampToSupportedRange(TDateTime& ADateTime) const;
  virtual int MaxSupportedYear() const = 0;
  virtual int MinSupportedYear() const = 0;

  virtual TDateTime AddDays(const TcxDateTime& ADate, int ACountDays);
  virtual TDateTime AddMonths(TDateTime ADate, int ACountMonths);
  virtual TDateTime AddMonths(const TcxDateTime& ADate, int ACountMonths);
  virtual TDateTime AddYears(TDateTime ADate, int ACountYears);
  virtual TDateTime AddYears(const TcxDateTime& ADate, int ACountYears);
  virtual TDateTime AddWeeks(TDateTime ADate, int ACountWeeks);
  virtual TDateTime AddWeeks(const TcxDateTime& ADate, int ACountWeeks);

  virtual TcxDateTime FromDateTime(TDateTime ADate) = 0;
  virtual TcxDateTime FromDateTime(int AYear, int AMonth, int ADay);
  virtual TcxDateTime FromDateTime(int AYear, int AMonth, int ADay, int AHours, int AMinutes,
                                   int ASeconds, int AMilliseconds);

  virtual int GetDayOfYear(TDateTime ADate);
  virtual int GetDayOfYear(const TcxDateTime& ADate);
  virtual int GetDaysInMonth(int AYear, int AMonth);
  virtual int GetDaysInMonth(int AEra, int AYear, int AMonth) = 0;
  virtual int GetDaysInYear(int AYear);
  virtual int GetDaysInYear(int AEra, int AYear) = 0;
  virtual int GetEra(int AYear);
  virtual int GetEra(int AYear, int AMonth, int ADay);
  virtual TDateTime GetFirstDayOfWeek(TDateTime ADate);
  virtual TDateTime GetFirstDayOfWeek(TDateTime ADate, TDay AStartDayOfWeek);
  virtual TcxDateTime GetFirstDayOfWeek(const TcxDateTime& ADate);
  virtual TcxDateTime GetFirstDayOfWeek(const TcxDateTime& ADate, TDay AStartDayOfWeek);
  virtual TDateTime GetFirstDayOfMonth(TDateTime ADate);
  virtual TcxDateTime GetFirstDayOfMonth(const TcxDateTime& ADate);
  virtual TDateTime GetFirstDayOfYear(TDateTime ADate);
  virtual TcxDateTime GetFirstDayOfYear(const TcxDateTime& ADate);
  virtual uint8_t GetFirstWeekDay() = 0;
  virtual int GetFullWeeksInYear(int AYear) = 0;
  virtual TDateTime GetLastDayOfMonth(TDateTime ADate);
  virtual TcxDateTime GetLastDayOfMonth(const TcxDateTime& ADate);
  virtual TDateTime GetLastDayOfYear(TDateTime ADate);
  virtual TcxDateTime GetLastDayOfYear(const TcxDateTime& ADate);
  virtual int GetMonthsInYear(int AYear);
  virtual int GetMonthsInYear(int AEra, int AYear) = 0;
  virtual int GetYear(TDateTime ADate);
  virtual int GetYear(const TcxDate& ADate);
  virtual int GetYear(const TcxDateTime& ADate);
  virtual uint8_t GetWeekDay(TDateTime ADate);
  virtual uint8_t GetWeekDay(const TcxDateTime& ADate);
  virtual int GetWeekNumber(TDateTime ADate, TDay AStartOfWeek, TcxFirstWeekOfYear AFirstWeekOfYear);
  virtual int GetWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek,
                            TcxFirstWeekOfYear AFirstWeekOfYear) = 0;
  virtual bool IsLeapDay(int AYear, int AMonth, int ADay);
  virtual bool IsLeapDay(int AEra, int AYear, int AMonth, int ADay) = 0;
  virtual bool IsLeapMonth(int AYear, int AMonth);
  virtual bool IsLeapMonth(int AEra, int AYear, int AMonth) = 0;
  virtual bool IsLeapYear(int AYear);
  virtual bool IsLeapYear(int AEra, int AYear) = 0;
  virtual bool IsValidYear(int AYear);
  virtual bool IsValidYear(int AEra, int AYear);
  virtual bool IsValidMonth(int AYear, int AMonth);
  virtual bool IsValidMonth(int AEra, int AYear, int AMonth);
  virtual bool IsValidDay(int AYear, int AMonth, int ADay);
  virtual bool IsValidDay(int AEra, int AYear, int AMonth, int ADay);
  virtual bool IsValidDate(TDateTime ADate);
  virtual TDateTime ToDateTime(const TcxDate& ADate);
  virtual TDateTime ToDateTime(int AYear, int AMonth, int ADay);
  virtual TDateTime ToDateTime(int AYear, int AMonth, int ADay, int AHours, int AMinutes,
                               int ASeconds, int AMilliseconds);
  virtual TDateTime ToDateTime(const TcxDateTime& ADateTime) = 0;
  virtual int GetDayNumber(const String& S);
  virtual int GetMonthNumber(int AYear, const String& S);
  virtual int GetYearNumber(const String& S);

  void EraYearToGregorian(int& AYear, int AEra) const;
  // True when the record names no day of this calendar; AResult is then
  // MinSupportedDate.
  bool IsInvalidDate(const TcxDateTime& ADate, TDateTime& AResult);
  bool IsValidDay(const TcxDateTime& ADate) {
    return IsValidDay(ADate.Era, static_cast<int>(ADate.Year), static_cast<int>(ADate.Month),
                      static_cast<int>(ADate.Day));
  }

protected:
  TDateTime Clamped(TDateTime ADateTime) const;

private:
  std::unique_ptr<TcxEras> FEras;
};

// ---------------------------------------------------------------- Gregorian

class TcxGregorianCalendarTable : public TcxCustomCalendarTable {
  VCL_CREATABLE_CLASS(TcxGregorianCalendarTable, TcxCustomCalendarTable)
public:
  TcxGregorianCalendarTable();
  ~TcxGregorianCalendarTable() override;

  using TcxCustomCalendarTable::FromDateTime;
  using TcxCustomCalendarTable::GetDaysInMonth;
  using TcxCustomCalendarTable::GetDaysInYear;
  using TcxCustomCalendarTable::GetMonthsInYear;
  using TcxCustomCalendarTable::GetWeekNumber;
  using TcxCustomCalendarTable::IsLeapDay;
  using TcxCustomCalendarTable::IsLeapMonth;
  using TcxCustomCalendarTable::IsLeapYear;
  using TcxCustomCalendarTable::ToDateTime;

  TcxCalendarAlgorithmType AlgorithmType() const override { return catSolarCalendar; }
  TcxCalendarID CalendarID() const override { return 1; }
  TcxEra* DefaultEra() const override { return FDefaultEra.get(); }
  TDateTime MaxSupportedDate() const override { return cxMaxGregorianDate; }
  TDateTime MinSupportedDate() const override { return cxMinGregorianDate; }
  int MaxSupportedYear() const override { return cxMaxYear; }
  int MinSupportedYear() const override { return 100; }
  TcxDateTime FromDateTime(TDateTime ADate) override;
  int GetDaysInMonth(int AEra, int AYear, int AMonth) override;
  int GetDaysInYear(int AEra, int AYear) override;
  uint8_t GetFirstWeekDay() override { return 0; }
  int GetFullWeeksInYear(int AYear) override;
  int GetMonthsInYear(int AEra, int AYear) override { return 12; }
  int GetWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek,
                    TcxFirstWeekOfYear AFirstWeekOfYear) override;
  bool IsLeapDay(int AEra, int AYear, int AMonth, int ADay) override;
  bool IsLeapMonth(int AEra, int AYear, int AMonth) override;
  bool IsLeapYear(int AEra, int AYear) override;
  TDateTime ToDateTime(const TcxDateTime& ADateTime) override;

private:
  std::unique_ptr<TcxEra> FDefaultEra;
};

#define CX_GREGORIAN_TABLE(Name, ID, FirstWeekDay)                        \
  class Name : public TcxGregorianCalendarTable {                        \
    VCL_CREATABLE_CLASS(Name, TcxGregorianCalendarTable)                 \
  public:                                                                \
    TcxCalendarID CalendarID() const override { return ID; }             \
    uint8_t GetFirstWeekDay() override { return FirstWeekDay; }          \
  };
CX_GREGORIAN_TABLE(TcxGregorianUSEnglishCalendarTable, 2, 0)
CX_GREGORIAN_TABLE(TcxGregorianMiddleEastFrenchCalendarTable, 9, 1)
CX_GREGORIAN_TABLE(TcxGregorianArabicCalendarTable, 10, 6)
CX_GREGORIAN_TABLE(TcxGregorianTransliteratedEnglishCalendarTable, 11, 1)
CX_GREGORIAN_TABLE(TcxGregorianTransliteratedFrenchCalendarTable, 12, 1)
#undef CX_GREGORIAN_TABLE

// ---------------------------------------------------------------- era calendars

// The Japanese emperor eras; the base of the single-era calendars below.
class TcxJapaneseCalendarTable : public TcxGregorianCalendarTable {
  VCL_CREATABLE_CLASS(TcxJapaneseCalendarTable, TcxGregorianCalendarTable)
public:
  TcxJapaneseCalendarTable();

  using TcxGregorianCalendarTable::FromDateTime;
  using TcxGregorianCalendarTable::ToDateTime;

  TcxCalendarID CalendarID() const override { return 3; }
  TcxEra* DefaultEra() const override;
  TDateTime MaxSupportedDate() const override;
  TDateTime MinSupportedDate() const override;
  int MaxSupportedYear() const override;
  int MinSupportedYear() const override;
  TcxDateTime FromDateTime(TDateTime ADate) override;
  TDateTime ToDateTime(const TcxDateTime& ADateTime) override;

protected:
  struct TEraData {
    int Era, Year, Month, Day, YearOffset, MinEraYear, MaxEraYear;
    const wchar_t* Name;
  };
  // Single-era calendars replace the Japanese eras with their own.
  explicit TcxJapaneseCalendarTable(const TEraData& AOnlyEra);

private:
  void AddEra(const TEraData& AData);
};

#define CX_SINGLE_ERA_TABLE(Name, ID)                                          \
  class Name : public TcxJapaneseCalendarTable {                               \
    VCL_CREATABLE_CLASS(Name, TcxJapaneseCalendarTable)                        \
  public:                                                                      \
    Name();                                                                    \
    TcxCalendarID CalendarID() const override { return ID; }                   \
  };
CX_SINGLE_ERA_TABLE(TcxTaiwanCalendarTable, 4)
CX_SINGLE_ERA_TABLE(TcxKoreanCalendarTable, 5)
CX_SINGLE_ERA_TABLE(TcxThaiCalendarTable, 7)
#undef CX_SINGLE_ERA_TABLE

// ---------------------------------------------------------------- lunar calendars

// The tabular Hijri calendar of the 30-year cycle.
class TcxHijriCalendarTable : public TcxCustomCalendarTable {
  VCL_CREATABLE_CLASS(TcxHijriCalendarTable, TcxCustomCalendarTable)
public:
  TcxHijriCalendarTable();
  ~TcxHijriCalendarTable() override;

  using TcxCustomCalendarTable::FromDateTime;
  using TcxCustomCalendarTable::GetDaysInMonth;
  using TcxCustomCalendarTable::GetDaysInYear;
  using TcxCustomCalendarTable::GetMonthsInYear;
  using TcxCustomCalendarTable::IsLeapDay;
  using TcxCustomCalendarTable::IsLeapMonth;
  using TcxCustomCalendarTable::IsLeapYear;
  using TcxCustomCalendarTable::ToDateTime;
  using TcxCustomCalendarTable::GetWeekNumber;

  TcxCalendarAlgorithmType AlgorithmType() const override { return catLunarCalendar; }
  TcxCalendarID CalendarID() const override { return 6; }
  TcxEra* DefaultEra() const override { return FDefaultEra.get(); }
  int GetWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek,
                    TcxFirstWeekOfYear AFirstWeekOfYear) override;
  TDateTime MaxSupportedDate() const override;
  TDateTime MinSupportedDate() const override;
  int MaxSupportedYear() const override { return 9666; }
  int MinSupportedYear() const override { return 1; }
  TcxDateTime FromDateTime(TDateTime ADate) override;
  int GetDaysInMonth(int AEra, int AYear, int AMonth) override;
  int GetDaysInYear(int AEra, int AYear) override;
  uint8_t GetFirstWeekDay() override { return 6; }
  int GetFullWeeksInYear(int AYear) override { return 50; }
  int GetMonthsInYear(int AEra, int AYear) override { return 12; }
  int GetMonthNumber(int AYear, const String& S) override;
  bool IsLeapDay(int AEra, int AYear, int AMonth, int ADay) override;
  bool IsLeapMonth(int AEra, int AYear, int AMonth) override;
  bool IsLeapYear(int AEra, int AYear) override;
  TDateTime ToDateTime(const TcxDateTime& ADateTime) override;

private:
  std::unique_ptr<TcxEra> FDefaultEra;
};

// The Hebrew calendar for the years 5343..5999 (Gregorian 1583..2239).
class TcxHebrewCalendarTable : public TcxCustomCalendarTable {
  VCL_CREATABLE_CLASS(TcxHebrewCalendarTable, TcxCustomCalendarTable)
public:
  TcxHebrewCalendarTable();
  ~TcxHebrewCalendarTable() override;

  using TcxCustomCalendarTable::FromDateTime;
  using TcxCustomCalendarTable::GetDaysInMonth;
  using TcxCustomCalendarTable::GetDaysInYear;
  using TcxCustomCalendarTable::GetMonthsInYear;
  using TcxCustomCalendarTable::IsLeapDay;
  using TcxCustomCalendarTable::IsLeapMonth;
  using TcxCustomCalendarTable::IsLeapYear;
  using TcxCustomCalendarTable::ToDateTime;
  using TcxCustomCalendarTable::GetWeekNumber;

  TcxCalendarAlgorithmType AlgorithmType() const override { return catLunarSolarCalendar; }
  TcxCalendarID CalendarID() const override { return 8; }
  TcxEra* DefaultEra() const override { return FDefaultEra.get(); }
  int GetWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek,
                    TcxFirstWeekOfYear AFirstWeekOfYear) override;
  TDateTime MaxSupportedDate() const override;
  TDateTime MinSupportedDate() const override;
  int MaxSupportedYear() const override { return 5999; }
  int MinSupportedYear() const override { return 5343; }
  TcxDateTime FromDateTime(TDateTime ADate) override;
  int GetDaysInMonth(int AEra, int AYear, int AMonth) override;
  int GetDaysInYear(int AEra, int AYear) override;
  uint8_t GetFirstWeekDay() override { return 0; }
  int GetFullWeeksInYear(int AYear) override { return GetDaysInYear(AYear) / 7; }
  int GetMonthsInYear(int AEra, int AYear) override;
  int GetDayNumber(const String& S) override;
  int GetMonthNumber(int AYear, const String& S) override;
  int GetYearNumber(const String& S) override;
  bool IsLeapDay(int AEra, int AYear, int AMonth, int ADay) override;
  bool IsLeapMonth(int AEra, int AYear, int AMonth) override;
  bool IsLeapYear(int AEra, int AYear) override;
  TDateTime ToDateTime(const TcxDateTime& ADateTime) override;

  // 1 deficient, 2 regular, 3 complete; 0 outside the supported years.
  int GetYearType(int AYear);
  // The Hebrew month and day of 1 January of a Gregorian year 1583..2239.
  static void LunarMonthDayOf(int AGregorianYear, int& ALunarMonth, int& ALunarDay);
  static int LunarDayDifference(int ARow, int AMonth, int ALunarDay, int ALunarMonth, int ADay);

private:
  std::unique_ptr<TcxEra> FDefaultEra;
};

// The value of a Hebrew numeral (letters alef..tav, U+05D0..U+05EA).
int cxHebrewNumeralValue(const String& S);

// ---------------------------------------------------------------- registry

TClass dxCalendarTableClassForID(TcxCalendarID ACalendarID);
TcxCustomCalendarTable* cxFindCachedCalendarTable(TcxCalendarID ACalendarID);
// The shared table of a calendar, created on first request.
TcxCustomCalendarTable* cxCalendarTableForID(TcxCalendarID ACalendarID);
TcxCalendarID cxLocaleCalendarType(uint32_t ALocale);
TcxCalendarID cxThreadLocaleCalendarType();
// The table the calendar and date editors show dates in.
TcxCustomCalendarTable* cxDefaultCalendarTable();
// For ATable, or for the default table when ATable is null.
bool dxIsGregorianBasedCalendar(TcxCustomCalendarTable* ATable = nullptr);

// ---------------------------------------------------------------- day and week routines

bool cxIsGregorianLeapYear(int AYear);
int cxMonthLength(int AYear, int AMonth);
int cxClampDayToMonth(int AYear, int AMonth, int ADay);
TDateTime cxExtractTimePart(TDateTime ADate);
TDateTime cxExtractDatePart(TDateTime ADate);
// A whole day joined with a time of day; days before 1899-12-30 carry their
// time as a negative fraction, as TDateTime does.
TDateTime cxDayWithTime(double ADay, TDateTime ATime);
bool cxIsDateInSupportedRange(TDateTime ADate);
int cxDecodeDatePart(int ASelector, TDateTime ADate);  // 0 year, 1 month, else day
TDateTime cxEndOfMonthDate(bool ADateOnly, TDateTime ADate);
int cxMonthSerial(TDateTime ADate);

TDay cxWeekStartDay();
bool cxIsWeekStartAssigned();
void cxAssignWeekStartDay(TDay ADay);
void cxDropWeekStartAssignment();
TDay cxLocaleWeekStartDay();
TcxFirstWeekOfYear cxLocaleFirstWeekOfYear();
TDay cxWeekdayFromPlatform(int ADay);  // DayOfWeek 1..7, Sunday first
TDay cxWeekdayFromLocale(int ADay);    // LOCALE_IFIRSTDAYOFWEEK 0..6, Monday first
int cxWeekdayToPlatform(TDay ADay);
TDay cxWeekdayOf(TDateTime ADate);
int cxDaysSinceGivenWeekStart(TDay AStart, TDateTime ADate);
int cxDaysSinceWeekStart(TDateTime ADate);
TDay cxShiftWeekday(TDay AFrom, int ACount);
TDateTime cxWeekStartDate(TDateTime ADate);
// -699999 when 1 January of AYear cannot be encoded.
TDateTime cxFirstWeekStartOfYear(int AYear, TcxFirstWeekOfYear ARule);
int cxWeekNumberOfDate(TcxFirstWeekOfYear ARule, TDateTime ADate);

// Date orders: 0 month first, 1 day first, 2 year first.
int cxFormatInfoDateOrder(const TcxDateTimeFormatInfo& AInfo);
int cxPictureDateOrder(const String& APicture);

// Whether weekday headers are cut to one character.
extern bool cxShortWeekdayHeaders;

// ---------------------------------------------------------------- locale date texts
// A null table means cxDefaultCalendarTable.

String cxFormatDateWithPattern(const String& APattern, Char ASeparator, TDateTime ADate);
bool cxFormatDateText(uint32_t AFlags, const String& AFormat, TDateTime ADate, String& AText);
String cxDateTimeToText(bool AFourDigitYear, bool AUsePlatformFormats, TDateTime ADate);
String cxDateTimeToDisplayText(bool AFourDigitYear, TDateTime ADate);
String cxDateToLocaleText(TDateTime ADate);
String cxDateToEditText(bool AUseMaskedFormat, bool ADateTime, bool AFourDigitYear, TDateTime ADate);
String cxLongDateText(TDateTime ADate);
String cxDayNumberText(TDateTime ADate);
String cxMonthNameText(TcxCustomCalendarTable* ATable, TDateTime ADate);
String cxMonthNameOfYearMonth(int AYear, int AMonth, TcxCustomCalendarTable* ATable = nullptr);
String cxLocalYearText(TcxCustomCalendarTable* ATable, TDateTime ADate);
String cxMonthYearText(TcxCustomCalendarTable* ATable, TDateTime ADate);
String cxWeekdayHeaderText(TDay ADay, uint8_t ACharset);

// ---------------------------------------------------------------- typed dates

// Further words an application recognises; called when smart input fails.
using TcxDateTextFallbackHandler = bool (*)(const String& AText, TDateTime& ADate);
extern TcxDateTextFallbackHandler cxDateTextFallbackHandler;

// The smart input words, indexed 0..19: today, yesterday, tomorrow, Sunday ..
// Saturday, first .. seventh, bom, eom, now.
void cxLoadDateInputWords();
void cxQuoteRegExprLiteral(String& AMask, const String& AText);
void cxAppendDateWordsToMask(String& AMask, bool ACanEnterTime);
bool cxFindDateInputWord(const String& AText, int& AIndex);
bool cxSmartTextToDate(const String& AText, TDateTime& ADate);
void cxNormalizeDateText(String& AText, bool AUseLocale, const TcxDateTimeFormatInfo* ADateInfo = nullptr,
                         const TcxDateTimeFormatInfo* ATimeInfo = nullptr);
void cxDecodeLocaleDateText(const String& AText, const TFormatSettings& ASettings,
                            TcxCustomCalendarTable* ATable, TcxDateTime& ADate);
TDateTime cxCalendarTextToDate(const String& AText);
bool cxParseDateText(const String& AText, TDateTime& ADate, const String& AEditFormat = String());
TDateTime cxTextToDateValue(const String& AText, bool AUsePlatformFormats);
bool cxTryTextToDateTime(const String& AText, bool AUseLocale, TDateTime& ADate);

// The thread locale's information about a calendar (GetCalendarInfoW, bound
// by name): false when the platform has none.
bool cxCalendarInfoText(TcxCalendarID ACalendarID, uint32_t AType, String& AText);
bool cxCalendarInfoNumber(TcxCalendarID ACalendarID, uint32_t AType, uint32_t& AValue);

// Start-up (the locale's start of week, the table registry) and shut-down
// (the tables still registered, the input words); reference-counted.
extern const TUnitEntry cxDateUtilsUnit;
