#pragma once
// Dates and times: TDateTime (days since 1899-12-30, the time as the
// fraction) encoded, decoded, formatted and parsed.
#include <cstdint>

#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/System.h"

constexpr double HoursPerDay = 24, MinsPerDay = 24 * 60, SecsPerDay = 24 * 60 * 60;
constexpr double MSecsPerDay = SecsPerDay * 1000;
// Days from 0001-01-01 to the framework's day 0, 1899-12-30.
constexpr int DateDelta = 693594;

bool IsLeapYear(int Year);
int DaysInAMonth(int Year, int Month);  // 0 for a month outside 1..12

// EConvertError "Invalid argument to date encode" / "... time encode" for a
// date outside 1..9999 / a time outside the day.
TDateTime EncodeDate(int Year, int Month, int Day);
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date);
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time);
TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec);
bool TryEncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec,
                       TDateTime& Value);
void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day);
// Also the day of the week, 1 (Sunday) to 7; answers whether the year is a
// leap year. A date before 0001-01-01 decodes as all 0; one after 9999
// decodes as the year it would be, so callers can tell it is too far.
bool DecodeDateFully(TDateTime Date, int& Year, int& Month, int& Day, int& DOW);
void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec);
void DecodeDateTime(TDateTime Value, int& Year, int& Month, int& Day, int& Hour, int& Min,
                    int& Sec, int& MSec);
int DayOfWeek(TDateTime Date);  // 1 Sunday .. 7 Saturday
int YearOf(TDateTime Value);
int MonthOf(TDateTime Value);
int DayOf(TDateTime Value);
TDateTime DateOf(TDateTime Value);
TDateTime TimeOf(TDateTime Value);
// Same day of a month NumberOfMonths on, or the month's last day when it is
// shorter.
TDateTime IncMonth(TDateTime Date, int NumberOfMonths = 1);

TDateTime Now();
TDateTime Date();
TDateTime Time();
int CurrentYear();

// Formatting pictures: c d dd ddd dddd ddddd dddddd e ee m mm mmm mmmm y yy
// yyyy h hh n nn s ss z zzz t tt am/pm a/p ampm / : and 'quoted' or "quoted"
// literals; letters may be in either case, and m right after h means minutes.
String FormatDateTime(const String& Format, TDateTime Value);
String FormatDateTime(const String& Format, TDateTime Value, const TFormatSettings& Settings);
String DateToStr(TDateTime Date);
String DateToStr(TDateTime Date, const TFormatSettings& Settings);
String TimeToStr(TDateTime Time);
String TimeToStr(TDateTime Time, const TFormatSettings& Settings);
String DateTimeToStr(TDateTime Value);
String DateTimeToStr(TDateTime Value, const TFormatSettings& Settings);

// Parsing follows the order of day, month and year in ShortDateFormat and
// the separators of the settings; a year of one or two digits falls in the
// TwoDigitYearCenturyWindow. The StrTo... routines raise EConvertError
// "'<text>' is not a valid date" (time, date and time).
bool TryStrToDate(const String& S, TDateTime& Value);
bool TryStrToDate(const String& S, TDateTime& Value, const TFormatSettings& Settings);
bool TryStrToTime(const String& S, TDateTime& Value);
bool TryStrToTime(const String& S, TDateTime& Value, const TFormatSettings& Settings);
bool TryStrToDateTime(const String& S, TDateTime& Value);
bool TryStrToDateTime(const String& S, TDateTime& Value, const TFormatSettings& Settings);
TDateTime StrToDate(const String& S);
TDateTime StrToDate(const String& S, const TFormatSettings& Settings);
TDateTime StrToTime(const String& S);
TDateTime StrToTime(const String& S, const TFormatSettings& Settings);
TDateTime StrToDateTime(const String& S);
TDateTime StrToDateTime(const String& S, const TFormatSettings& Settings);
