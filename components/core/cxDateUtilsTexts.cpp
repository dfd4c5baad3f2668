// cxDateUtils: the texts of dates in the user's locale - through the
// system's locale functions, or through the platform's format settings when
// the format controller says so and the locale's calendar is Gregorian.
#include "components/core/cxDateUtils.h"
#include "components/core/cxFormats.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/WinApi.h"

#include <oleauto.h>

namespace {

TcxFormatController& Formats() {
  TcxFormatController* controller = cxFormatControllerInstance();
  if (!controller) throw EInvalidOperation(L"The display formats are not available after shut-down");
  return *controller;
}

bool UsePlatformFormats() { return Formats().UsePlatformDateTimeFormats(); }

bool PlatformFormatsForGregorianLocale() { return Formats().LocalIsGregorianCalendar() && UsePlatformFormats(); }

bool PlatformFormatsFor(TcxCustomCalendarTable* ATable) {
  return dxIsGregorianBasedCalendar(ATable) && UsePlatformFormats();
}

TcxCustomCalendarTable* TableOrDefault(TcxCustomCalendarTable* ATable) {
  return ATable ? ATable : cxDefaultCalendarTable();
}

SYSTEMTIME ToSystemTime(TDateTime ADate) {
  int year, month, day, dayOfWeek, hour, minute, second, millisecond;
  DecodeDateFully(ADate, year, month, day, dayOfWeek);
  DecodeTime(ADate, hour, minute, second, millisecond);
  SYSTEMTIME result{};
  result.wYear = static_cast<WORD>(year);
  result.wMonth = static_cast<WORD>(month);
  result.wDay = static_cast<WORD>(day);
  result.wDayOfWeek = static_cast<WORD>(dayOfWeek - 1);
  result.wHour = static_cast<WORD>(hour);
  result.wMinute = static_cast<WORD>(minute);
  result.wSecond = static_cast<WORD>(second);
  result.wMilliseconds = static_cast<WORD>(millisecond);
  return result;
}

// GetDateFormatW / GetTimeFormatW into a buffer of ABufferLength characters.
template <typename TFormatFunction>
bool CallFormatFunction(TFormatFunction AFunction, DWORD AFlags, const SYSTEMTIME& ATime, const String& AFormat,
                        int ABufferLength, String& AText) {
  std::wstring buffer(ABufferLength, L'\0');
  const int length = AFunction(GetThreadLocale(), AFlags, &ATime, AFormat.empty() ? nullptr : AFormat.c_str(),
                               buffer.data(), ABufferLength);
  if (length <= 0) return false;
  AText.assign(buffer.data(), length - 1);
  return true;
}

// The date as the system's variant conversion writes it; empty when it
// cannot.
String VariantDateText(TDateTime ADate) {
  BSTR text = nullptr;
  if (FAILED(VarBstrFromDate(ADate, GetThreadLocale(), 0, &text))) return String();
  String result(text, SysStringLen(text));
  SysFreeString(text);
  return result;
}

String TwoDigits(int AValue) { return (AValue < 10 ? L"0" : L"") + IntToStr(AValue); }

bool IsDateLetter(Char C) {
  switch (C) {
    case L'd': case L'D': case L'm': case L'M': case L'y': case L'Y': return true;
    default: return false;
  }
}

int RunLength(const String& APattern, size_t APos) {
  const Char letter = static_cast<Char>(towlower(APattern[APos]));
  size_t end = APos;
  while (end < APattern.size() && towlower(APattern[end]) == letter) ++end;
  return static_cast<int>(end - APos);
}

String PatternElementText(Char ALetter, int ARun, const SYSTEMTIME& ADate) {
  switch (ALetter) {
    case L'd':
      switch (ARun) {
        case 2: return TwoDigits(ADate.wDay);
        case 3: return FormatSettings.ShortDayNames[ADate.wDayOfWeek];
        case 4: return FormatSettings.LongDayNames[ADate.wDayOfWeek];
        default: return IntToStr(ADate.wDay);
      }
    case L'm':
      return ARun == 4 ? FormatSettings.LongMonthNames[ADate.wMonth - 1] : TwoDigits(ADate.wMonth);
    default: {
      const String year = IntToStr(ADate.wYear);
      if (ARun != 4) return TwoDigits(ADate.wYear % 100);
      return year.size() >= 4 ? year.substr(year.size() - 4) : StringOfChar(L'0', 4 - Length(year)) + year;
    }
  }
}

// A non-Latin text in a charset whose day names read from the right.
bool cxNonLatinCharsetText(uint8_t ACharset, const String& AText) {
  if (ACharset == DEFAULT_CHARSET) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, oldFont);
    ReleaseDC(nullptr, dc);
    ACharset = metrics.tmCharSet;
  }
  if (!AText.empty() && AText[0] < 128) return false;
  return ACharset == GB2312_CHARSET || ACharset == CHINESEBIG5_CHARSET || ACharset == ARABIC_CHARSET;
}

}  // namespace

String cxFormatDateWithPattern(const String& APattern, Char ASeparator, TDateTime ADate) {
  const SYSTEMTIME date = ToSystemTime(ADate);
  String result, pending;
  size_t i = 0;
  while (i < APattern.size() && !IsDateLetter(APattern[i])) ++i;
  while (i < APattern.size()) {
    const Char c = APattern[i];
    if (c == L'"' || c == L'\'') {
      const size_t close = APattern.find(c, i + 1);
      const size_t end = close == String::npos ? APattern.size() : close;
      pending += APattern.substr(i + 1, end - i - 1);
      i = end + 1;
    } else if (IsDateLetter(c)) {
      const int run = RunLength(APattern, i);
      if (!result.empty()) result += ASeparator != 0 ? String(1, ASeparator) : pending;
      result += PatternElementText(static_cast<Char>(towlower(c)), run, date);
      pending.clear();
      i += run;
    } else if (c == L'e' || c == L'E') {
      pending.clear();
      while (i < APattern.size() && !IsDateLetter(APattern[i])) ++i;
    } else {
      pending += c;
      ++i;
    }
  }
  return result;
}

bool cxFormatDateText(uint32_t AFlags, const String& AFormat, TDateTime ADate, String& AText) {
  if (PlatformFormatsForGregorianLocale()) {
    AText = cxFormatDateWithPattern(AFormat.empty() ? FormatSettings.LongDateFormat : AFormat, 0, ADate);
    return true;
  }
  if (CallFormatFunction(GetDateFormatW, AFlags, ToSystemTime(ADate), AFormat, 256, AText)) return true;
  AText.clear();
  return false;
}

String cxDateTimeToText(bool AFourDigitYear, bool AUsePlatformFormats, TDateTime ADate) {
  if (ADate == cxNullDate) return String();
  const bool hasTime = cxExtractTimePart(ADate) != 0;
  String picture = AUsePlatformFormats ? FormatSettings.ShortDateFormat : Formats().LocalFormatSettings().ShortDateFormat;
  if (AUsePlatformFormats && hasTime) picture += L" " + FormatSettings.LongTimeFormat;
  if (AFourDigitYear) {
    const String lower = LowerCase(picture);
    const int yearPos = Pos(L"yy", lower);
    if (yearPos > 0 && Pos(L"yyy", lower) == 0) Insert(String(2, picture[yearPos - 1]), picture, yearPos);
  }
  if (AUsePlatformFormats) return FormatDateTime(picture, ADate, FormatSettings);
  const SYSTEMTIME time = ToSystemTime(ADate);
  String result;
  if (!CallFormatFunction(GetDateFormatW, 0, time, picture, 100, result)) return VariantDateText(ADate);
  String timeText;
  if (hasTime && CallFormatFunction(GetTimeFormatW, 0, time, String(), 100, timeText)) result += L" " + timeText;
  return result;
}

String cxDateTimeToDisplayText(bool AFourDigitYear, TDateTime ADate) {
  return cxDateTimeToText(AFourDigitYear, UsePlatformFormats(), ADate);
}

String cxDateToLocaleText(TDateTime ADate) { return cxDateTimeToText(false, false, ADate); }

String cxDateToEditText(bool AUseMaskedFormat, bool ADateTime, bool AFourDigitYear, TDateTime ADate) {
  if (ADate == cxNullDate) return String();
  if (!Formats().LocalIsGregorianCalendar()) return cxDateToLocaleText(ADate);
  if (!AUseMaskedFormat) return cxDateTimeToDisplayText(AFourDigitYear, ADate);
  if (ADateTime) return FormatDateTime(Formats().MaskedDateTimeEditFormat(), ADate, FormatSettings);
  return FormatDateTime(Formats().MaskedDateEditFormat(), cxExtractDatePart(ADate), FormatSettings);
}

String cxLongDateText(TDateTime ADate) {
  String result;
  if (cxFormatDateText(DATE_LONGDATE, String(), ADate, result)) return result;
  return FormatDateTime(L"dddddd", ADate, FormatSettings);
}

String cxDayNumberText(TDateTime ADate) {
  String result;
  if (cxFormatDateText(0, L"d", ADate, result)) return result;
  TFormatSettings dayOnly = FormatSettings;
  dayOnly.ShortDateFormat = L"d";
  return DateToStr(ADate, dayOnly);
}

String cxMonthNameText(TcxCustomCalendarTable* ATable, TDateTime ADate) {
  ATable = TableOrDefault(ATable);
  TcxDateTime date = ATable->FromDateTime(ADate);
  date.Day = 1;
  String result;
  if (!PlatformFormatsFor(ATable) && cxFormatDateText(0, L"MMMM", ATable->ToDateTime(date), result)) return result;
  return date.Month >= 1 && date.Month <= 12 ? FormatSettings.LongMonthNames[date.Month - 1] : String();
}

String cxMonthNameOfYearMonth(int AYear, int AMonth, TcxCustomCalendarTable* ATable) {
  ATable = TableOrDefault(ATable);
  if (PlatformFormatsFor(ATable)) return AMonth >= 1 && AMonth <= 12 ? FormatSettings.LongMonthNames[AMonth - 1] : String();
  if (!ATable->IsValidMonth(AYear, AMonth)) return String();
  TcxDate firstDay;
  firstDay.Year = AYear;
  firstDay.Month = AMonth;
  firstDay.Day = 1;
  return cxMonthNameText(ATable, ATable->ToDateTime(firstDay));
}

String cxLocalYearText(TcxCustomCalendarTable* ATable, TDateTime ADate) {
  ATable = TableOrDefault(ATable);
  TcxDateTime date = ATable->FromDateTime(ADate);
  date.Day = 1;
  String result;
  if (cxFormatDateText(0, L"yyyy", ATable->ToDateTime(date), result)) return result;
  return IntToStr(date.Year);
}

String cxMonthYearText(TcxCustomCalendarTable* ATable, TDateTime ADate) {
  ATable = TableOrDefault(ATable);
  if (PlatformFormatsFor(ATable)) return cxFormatDateWithPattern(L"MMMM yyyy", L' ', ADate);
  TcxDateTime date = ATable->FromDateTime(ADate);
  date.Day = 1;
  String picture, result;
  if (!cxCalendarInfoText(ATable->CalendarID(), CAL_SYEARMONTH, picture)) picture = L"MMMM yyyy";
  if (cxFormatDateText(0, picture, ATable->ToDateTime(date), result)) return result;
  return cxMonthNameOfYearMonth(date.Year, date.Month, ATable) + L" " + cxLocalYearText(ATable, ADate);
}

String cxWeekdayHeaderText(TDay ADay, uint8_t ACharset) {
  String result;
  if (PlatformFormatsForGregorianLocale()) {
    result = FormatSettings.ShortDayNames[ADay];
  } else {
    // The locale numbers its day names from Monday (1) to Sunday (7).
    const int localeDay = ADay == dSunday ? 7 : ADay;
    const LCTYPE firstName = dxOsVistaUp ? LOCALE_SSHORTESTDAYNAME1 : LOCALE_SABBREVDAYNAME1;
    result = dxLocaleInfoText(GetThreadLocale(), firstName + localeDay - 1, String());
  }
  if (cxShortWeekdayHeaders && Length(result) > 1)
    result = cxNonLatinCharsetText(ACharset, result) ? result.substr(result.size() - 1) : result.substr(0, 1);
  return result;
}
