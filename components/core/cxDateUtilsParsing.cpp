// cxDateUtils: turning typed text into dates - the smart input words, the
// normalisation of text for the system's date conversion, and the decoding
// of dates of non-Gregorian locale calendars.
#include <algorithm>
#include <array>
#include <cmath>

#include "components/core/cxDateUtils.h"
#include "components/core/cxFormats.h"
#include "components/core/cxLibraryStrs.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/WinApi.h"

#include <oleauto.h>

TcxDateTextFallbackHandler cxDateTextFallbackHandler = nullptr;

namespace {

enum TcxDateInputWord {
  diwToday, diwYesterday, diwTomorrow, diwSunday, diwSaturday = diwSunday + 6, diwFirst,
  diwSeventh = diwFirst + 6, diwBOM, diwEOM, diwNow, diwCount
};

const TResStringRec* const cxDateInputWordStrings[diwCount] = {
    &cxSDateToday,  &cxSDateYesterday, &cxSDateTomorrow, &cxSDateSunday, &cxSDateMonday,
    &cxSDateTuesday, &cxSDateWednesday, &cxSDateThursday, &cxSDateFriday, &cxSDateSaturday,
    &cxSDateFirst,  &cxSDateSecond,    &cxSDateThird,    &cxSDateFourth, &cxSDateFifth,
    &cxSDateSixth,  &cxSDateSeventh,   &cxSDateBOM,      &cxSDateEOM,    &cxSDateNow};

std::array<String, diwCount> GDateInputWords;

// Format templates that put day, month and year in a date order (0 month
// first, 1 day first, 2 year first); arguments: separator, day, month, year,
// the rest of the text.
const wchar_t* const cxDateOrderTemplates[3] = {L"%2:s%0:s%1:s%0:s%3:s %4:s", L"%1:s%0:s%2:s%0:s%3:s %4:s",
                                                L"%3:s%0:s%2:s%0:s%1:s %4:s"};

TcxFormatController& Formats() {
  TcxFormatController* controller = cxFormatControllerInstance();
  if (!controller) throw EInvalidOperation(L"The display formats are not available after shut-down");
  return *controller;
}

bool IsDigit(Char C) { return C >= L'0' && C <= L'9'; }

// The system's date conversion of a text, in the thread's locale.
TDateTime VariantTextToDate(const String& AText) {
  DATE result;
  if (FAILED(VarDateFromStr(const_cast<OLECHAR*>(AText.c_str()), GetThreadLocale(), 0, &result)))
    throw EConvertError(Format(L"'%s' is not a valid date", {AText}));
  return result;
}

TDateTime SmartWordDate(int AWord) {
  const TDateTime today = Date();
  int year, month, day;
  DecodeDate(today, year, month, day);
  switch (AWord) {
    case diwToday: return today;
    case diwYesterday: return today - 1;
    case diwTomorrow: return today + 1;
    case diwBOM: return EncodeDate(year, month, 1);
    case diwEOM: return EncodeDate(year, month, cxMonthLength(year, month));
    case diwNow: return Now();
    default: break;
  }
  if (AWord <= diwSaturday) {
    const int ahead = (AWord - diwSunday) - (DayOfWeek(today) - 1);
    return ahead >= 0 ? today + ahead : today + 7 + ahead;
  }
  return today - (cxDaysSinceWeekStart(today) - (AWord - diwFirst));
}

String TrimmedUpper(const String& AText) { return AnsiUpperCase(Trim(AText)); }

// Replaces every literal of AInfo that is not one of the allowed separators
// and markers with as many blanks, so that the system's conversion does not
// stumble over it.
void BlankLiterals(String& AText, const TcxDateTimeFormatInfo& AInfo, const std::vector<String>& AAllowed) {
  for (int i = 0; i < AInfo.ItemCount(); ++i) {
    if (AInfo.Items(i).Kind != dtikString) continue;
    const String literal = TrimmedUpper(AInfo.Items(i).Data);
    if (literal.empty() || std::find(AAllowed.begin(), AAllowed.end(), literal) != AAllowed.end()) continue;
    AText = StringReplace(AText, literal, String(literal.size(), L' '), rfReplaceAll | rfIgnoreCase);
  }
}

// Takes the characters from APos while AAccept holds.
template <typename TAccept>
String TakeWhile(const String& AText, size_t& APos, TAccept AAccept) {
  const size_t start = APos;
  while (APos < AText.size() && AAccept(AText[APos])) ++APos;
  return AText.substr(start, APos - start);
}

// Puts the day, month and year of a text typed in the order of AInfo into
// the order of the locale's short date picture.
void ReorderDateText(String& AText, const TcxDateTimeFormatInfo& AInfo, const std::vector<String>& AAllowed) {
  BlankLiterals(AText, AInfo, AAllowed);
  const TFormatSettings& local = Formats().LocalFormatSettings();
  const int targetOrder = cxPictureDateOrder(local.ShortDateFormat);
  if (cxFormatInfoDateOrder(AInfo) == targetOrder && AInfo.DefinedItems(dtikYear) &&
      AInfo.DefinedItems(dtikMonth) && AInfo.DefinedItems(dtikDay))
    return;
  String day, month, year;
  size_t pos = 0;
  for (int i = 0; i < AInfo.ItemCount() && pos <= AText.size(); ++i) {
    const TcxDateTimeFormatItem& item = AInfo.Items(i);
    if (item.Kind == dtikString) {
      pos += item.Data.size();
    } else if (item.Kind == dtikYear) {
      year = TakeWhile(AText, pos, IsDigit);
    } else if (item.Kind == dtikDay) {
      day = TakeWhile(AText, pos, IsDigit);
    } else if (item.Kind == dtikMonth) {
      month = TakeWhile(AText, pos, [&](Char c) {
        return c != L' ' && c != local.DateSeparator && c != FormatSettings.DateSeparator;
      });
    } else if (item.Kind == dtikDateSeparator) {
      ++pos;
    } else {
      break;
    }
  }
  AText = Format(cxDateOrderTemplates[targetOrder],
                 {String(1, local.DateSeparator), day.empty() ? String(L"1") : day,
                  month.empty() ? String(L"1") : month, year, pos < AText.size() ? AText.substr(pos) : String()});
}

// Runs of blanks and control characters shrink to their last character.
String CollapseBlanks(const String& AText) {
  String result;
  for (size_t i = 0; i < AText.size(); ++i)
    if (AText[i] > L' ' || i + 1 == AText.size() || AText[i + 1] > L' ') result += AText[i];
  return result;
}

// The time of day of a decoded date from the rest of a typed text.
void DecodeTimeText(const String& AText, TcxDateTime& ADate) {
  int hours, minutes, seconds, milliseconds;
  DecodeTime(StrToTime(AText, FormatSettings), hours, minutes, seconds, milliseconds);
  ADate.Hours = static_cast<uint8_t>(hours);
  ADate.Minutes = static_cast<uint8_t>(minutes);
  ADate.Seconds = static_cast<uint8_t>(seconds);
  ADate.Milliseconds = static_cast<uint16_t>(milliseconds);
}

thread_local std::vector<String>* GEnumeratedEraNames = nullptr;

BOOL CALLBACK CollectEraName(LPWSTR AName) {
  GEnumeratedEraNames->push_back(AName);
  return TRUE;
}

// The index in ATable's eras of the era called AName: by the locale, which
// lists its era names from the newest era back (and may know only the
// newest), or by the era's own name. -1 when no era has that name.
int EraIndexOfName(TcxCustomCalendarTable& ATable, const String& AName) {
  std::vector<String> names;
  GEnumeratedEraNames = &names;
  EnumCalendarInfoW(CollectEraName, GetThreadLocale(), ATable.CalendarID(), CAL_SERASTRING);
  GEnumeratedEraNames = nullptr;
  const int eraCount = ATable.Eras()->Count();
  for (int i = 0; i < static_cast<int>(names.size()) && i < eraCount; ++i)
    if (AnsiCompareText(names[i], AName) == 0) return eraCount - 1 - i;
  for (int i = 0; i < eraCount; ++i)
    if (AnsiCompareText(ATable.Eras()->Items(i)->Name(), AName) == 0) return i;
  return -1;
}

}  // namespace

void cxDateUtilsReleaseInputWords() { GDateInputWords = {}; }

void cxLoadDateInputWords() {
  for (int i = 0; i < diwCount; ++i) GDateInputWords[i] = dxTranslatedResString(*cxDateInputWordStrings[i]);
}

void cxQuoteRegExprLiteral(String& AMask, const String& AText) {
  size_t i = 0;
  while (i < AText.size()) {
    if (AText[i] == L'\'') {
      AMask += L"\\'";
      ++i;
    } else {
      AMask += L"'" + TakeWhile(AText, i, [](Char c) { return c != L'\''; }) + L"'";
    }
  }
}

void cxAppendDateWordsToMask(String& AMask, bool ACanEnterTime) {
  cxLoadDateInputWords();
  String words;
  cxQuoteRegExprLiteral(words, GDateInputWords[0]);
  for (int i = 1; i < (ACanEnterTime ? diwCount : diwNow); ++i) {
    words += L"|";
    cxQuoteRegExprLiteral(words, GDateInputWords[i]);
  }
  AMask = L"(" + AMask + L")|(" + words + L")((\\+|-)\\d(\\d(\\d\\d?)?)?)?";
}

bool cxFindDateInputWord(const String& AText, int& AIndex) {
  cxLoadDateInputWords();
  std::vector<int> order;
  for (int i = 0; i < diwCount; ++i)
    if (!GDateInputWords[i].empty()) order.push_back(i);
  // Longest first, so that a word that begins another does not hide it.
  std::stable_sort(order.begin(), order.end(), [](int A, int B) {
    const String &a = GDateInputWords[A], &b = GDateInputWords[B];
    return a.size() != b.size() ? a.size() > b.size() : AnsiCompareText(a, b) > 0;
  });
  for (int i : order)
    if (AnsiCompareText(Copy(AText, 1, Length(GDateInputWords[i])), GDateInputWords[i]) == 0) {
      AIndex = i;
      return true;
    }
  return false;
}

bool cxSmartTextToDate(const String& AText, TDateTime& ADate) {
  const String text = Trim(AText);
  bool result = false;
  int word;
  if (cxFindDateInputWord(text, word)) {
    ADate = SmartWordDate(word);
    const String rest = Trim(Copy(text, Length(GDateInputWords[word]) + 1));
    int days;
    if (rest.empty()) {
      result = true;
    } else if ((rest[0] == L'+' || rest[0] == L'-') && TryStrToInt(Trim(Copy(rest, 2)), days)) {
      ADate += rest[0] == L'+' ? days : -days;
      result = true;
    }
  }
  if (!result && cxDateTextFallbackHandler) result = cxDateTextFallbackHandler(AText, ADate);
  return result;
}

void cxNormalizeDateText(String& AText, bool AUseLocale, const TcxDateTimeFormatInfo* ADateInfo,
                         const TcxDateTimeFormatInfo* ATimeInfo) {
  TcxFormatController& formats = Formats();
  const TFormatSettings& settings = AUseLocale ? formats.LocalFormatSettings() : FormatSettings;
  const std::vector<String> allowed = {TrimmedUpper(String(1, settings.DateSeparator)),
                                       TrimmedUpper(String(1, settings.TimeSeparator)),
                                       TrimmedUpper(settings.TimeAMString), TrimmedUpper(settings.TimePMString)};
  if (ADateInfo)
    ReorderDateText(AText, *ADateInfo, allowed);
  else
    BlankLiterals(AText, formats.DateFormatInfo(), allowed);
  BlankLiterals(AText, ATimeInfo ? *ATimeInfo : formats.TimeFormatInfo(), allowed);
  AText = CollapseBlanks(Trim(AText));
  if (AUseLocale)
    AText = StringReplace(AText, String(1, formats.LocalFormatSettings().DateSeparator), L" ", rfReplaceAll);
}

void cxDecodeLocaleDateText(const String& AText, const TFormatSettings& ASettings, TcxCustomCalendarTable* ATable,
                            TcxDateTime& ADate) {
  if (!ATable) ATable = cxDefaultCalendarTable();
  size_t pos = 0;
  int era = ATable->GetEra(1);  // without an era in the text: the one in force on 0001-01-01
  if (StartsText(L"g", ASettings.ShortDateFormat)) {
    const String name = Trim(TakeWhile(AText, pos, [](Char c) { return !IsDigit(c); }));
    // A table without eras keeps its one era whatever the text calls it; in
    // an era calendar an unknown era is no date, not a year of the default.
    if (!name.empty() && ATable->Eras()->Count() > 0) {
      era = EraIndexOfName(*ATable, name);
      if (era < 0) throw EConvertError(Format(L"'%s' is not a valid date", {AText}));
    }
  } else if (Pos(L"e", LowerCase(FormatSettings.ShortDateFormat)) > 0 && ATable->Eras()->Count() > 0) {
    era = ATable->Eras()->Count() - 1;  // an era-year picture without the name: the current era
  }
  const Char separator = ASettings.DateSeparator;
  auto skipBlanks = [&] {
    while (pos < AText.size() && AText[pos] == L' ') ++pos;
  };
  auto nextPart = [&](Char AStop) { return TakeWhile(AText, pos, [AStop](Char c) { return c != AStop; }); };
  String part1 = nextPart(separator);
  ++pos;
  String part2 = nextPart(separator);
  ++pos;
  String part3 = nextPart(L' ');
  skipBlanks();
  const int order = cxPictureDateOrder(ASettings.ShortDateFormat);
  // A month name of two words, when blanks separate the parts: the part
  // after the month's first word is then no number.
  const String& afterMonth = order == 0 ? part2 : part3;
  if (separator == L' ' && !afterMonth.empty() && !IsDigit(afterMonth[0])) {
    if (order == 0) {
      part1 += L" " + part2;
      part2 = part3;
    } else {
      part2 += L" " + part3;
    }
    part3 = nextPart(L' ');
    skipBlanks();
  }
  int year, month, day;
  if (order == 0) {
    year = ATable->GetYearNumber(part3);
    month = ATable->GetMonthNumber(year, part1);
    day = ATable->GetDayNumber(part2);
  } else if (order == 1) {
    day = ATable->GetDayNumber(part1);
    year = ATable->GetYearNumber(part3);
    month = ATable->GetMonthNumber(year, part2);
  } else {
    year = ATable->GetYearNumber(part1);
    month = ATable->GetMonthNumber(year, part2);
    day = ATable->GetDayNumber(part3);
  }
  ADate = TcxDateTime();
  ADate.Era = era;
  ADate.Year = year;
  ADate.Month = month;
  ADate.Day = day;
  if (pos + 1 < AText.size()) DecodeTimeText(AText.substr(pos), ADate);
}

TDateTime cxCalendarTextToDate(const String& AText) {
  const TcxCalendarID calendarType = cxThreadLocaleCalendarType();
  if (calendarType < CAL_JAPAN || calendarType > CAL_HEBREW) {
    TDateTime result;
    cxParseDateText(AText, result);
    return result;
  }
  TcxCustomCalendarTable* table = cxDefaultCalendarTable();
  TcxDateTime date;
  cxDecodeLocaleDateText(AText, Formats().LocalFormatSettings(), table, date);
  // A day the calendar does not have is no date, not the calendar's first.
  if (!table->IsValidDay(date)) return cxNullDate;
  const TDateTime result = table->ToDateTime(date);
  return result >= table->MinSupportedDate() && result <= table->MaxSupportedDate() ? result : cxNullDate;
}

bool cxParseDateText(const String& AText, TDateTime& ADate, const String& AEditFormat) {
  if (AEditFormat.empty()) {
    ADate = cxTextToDateValue(AText, Formats().UsePlatformDateTimeFormats());
  } else {
    TcxDateTimeFormatInfo info;
    cxParseDateTimeFormat(AEditFormat, info);
    String text = AText;
    cxNormalizeDateText(text, true, &info, &info);
    ADate = VariantTextToDate(text);
  }
  return ADate != cxNullDate;
}

TDateTime cxTextToDateValue(const String& AText, bool AUsePlatformFormats) {
  try {
    String text = Trim(AText);
    if (text.empty()) return cxNullDate;
    if (!Formats().LocalIsGregorianCalendar()) return cxCalendarTextToDate(text);
    TDateTime result = cxNullDate;
    if (!cxSmartTextToDate(text, result)) {
      cxNormalizeDateText(text, !AUsePlatformFormats);
      result = AUsePlatformFormats ? StrToDateTime(text, FormatSettings) : VariantTextToDate(text);
    }
    // A bare time, or a date after the library's last year, is no date.
    const TDateTime firstDayAfterLastYear = EncodeDate(cxMaxYear, 12, 31) + 1;
    if (!(result > -2147483648.0 && result < firstDayAfterLastYear) || std::trunc(result) == 0) return cxNullDate;
    return result;
  } catch (const std::exception&) {
    return cxNullDate;
  }
}

bool cxTryTextToDateTime(const String& AText, bool AUseLocale, TDateTime& ADate) {
  ADate = cxNullDate;
  try {
    if (Formats().LocalIsGregorianCalendar()) {
      String text = AText;
      cxNormalizeDateText(text, AUseLocale);
      ADate = AUseLocale ? VariantTextToDate(text) : StrToDateTime(text, FormatSettings);
    } else {
      ADate = cxCalendarTextToDate(AText);
    }
  } catch (const std::exception&) {
    ADate = cxNullDate;
    return false;
  }
  // An impossible date of a locale calendar comes back as no date.
  return ADate != cxNullDate;
}
