#include <gtest/gtest.h>

#include <cmath>

#include "LocaleScope.h"
#include "components/core/cxDateUtils.h"
#include "components/core/cxFormats.h"
#include "components/core/cxLibraryStrs.h"
#include "vcl/rtl/DateUtils.h"

namespace {

class TWeekStartScope {
public:
  explicit TWeekStartScope(TDay ADay) { cxAssignWeekStartDay(ADay); }
  ~TWeekStartScope() { cxDropWeekStartAssignment(); }
};

// Replaces one of the smart input words for one test.
class TRetranslation {
public:
  TRetranslation(TResStringRec& AString, const String& AText) : FString(AString), FOld(AString.Text) {
    AString.Text = AText;
  }
  ~TRetranslation() { FString.Text = FOld; }

private:
  TResStringRec& FString;
  String FOld;
};

TDateTime NextWeekday(TDateTime AFrom, int APlatformDay) {
  while (DayOfWeek(AFrom) != APlatformDay) AFrom += 1;
  return AFrom;
}

int GFallbackCalls = 0;

bool AcceptChristmas(const String& AText, TDateTime& ADate) {
  ++GFallbackCalls;
  if (!SameText(AText, L"xmas")) return false;
  ADate = EncodeDate(2024, 12, 25);
  return true;
}

class TFallbackScope {
public:
  TFallbackScope() {
    GFallbackCalls = 0;
    cxDateTextFallbackHandler = AcceptChristmas;
  }
  ~TFallbackScope() { cxDateTextFallbackHandler = nullptr; }
};

}  // namespace

// Every smart input word, with and without a day offset.
TEST(SmartDateInput, EveryWordWithAnOffset) {
  TLocaleScope locale(cxLangEnUS);
  TWeekStartScope mondayWeeks(dMonday);
  const TDateTime today = Date();
  int year, month, day;
  DecodeDate(today, year, month, day);
  const TDateTime monday = today - (DayOfWeek(today) + 5) % 7;
  struct TCase {
    const wchar_t* Word;
    TDateTime Date;
  } cases[] = {
      {L"today", today},
      {L"yesterday", today - 1},
      {L"tomorrow", today + 1},
      {L"Sunday", NextWeekday(today, 1)},
      {L"Monday", NextWeekday(today, 2)},
      {L"Tuesday", NextWeekday(today, 3)},
      {L"Wednesday", NextWeekday(today, 4)},
      {L"Thursday", NextWeekday(today, 5)},
      {L"Friday", NextWeekday(today, 6)},
      {L"Saturday", NextWeekday(today, 7)},
      {L"first", monday},
      {L"second", monday + 1},
      {L"third", monday + 2},
      {L"fourth", monday + 3},
      {L"fifth", monday + 4},
      {L"sixth", monday + 5},
      {L"seventh", monday + 6},
      {L"bom", EncodeDate(year, month, 1)},
      {L"eom", EncodeDate(year, month, DaysInAMonth(year, month))},
  };
  for (const TCase& c : cases) {
    struct TOffset {
      const wchar_t* Text;
      int Days;
    } offsets[] = {{L"", 0}, {L"+3", 3}, {L" - 1", -1}, {L"+ 1234", 1234}};
    for (const TOffset& offset : offsets) {
      const String text = String(L"  ") + c.Word + offset.Text + L" ";
      TDateTime date = cxNullDate;
      ASSERT_TRUE(cxSmartTextToDate(text, date)) << text;
      EXPECT_EQ(date, c.Date + offset.Days) << text;
    }
  }
  TDateTime now = cxNullDate;
  ASSERT_TRUE(cxSmartTextToDate(L"NOW-2", now));
  EXPECT_NEAR(now, Now() - 2, 5.0 / SecsPerDay);
  EXPECT_NE(cxExtractTimePart(now), 0);
}

TEST(SmartDateInput, BadOffsetsFailAndAskTheFallback) {
  TDateTime date = cxNullDate;
  EXPECT_FALSE(cxSmartTextToDate(L"today+x", date));
  EXPECT_EQ(date, Date());  // the word's date stays
  EXPECT_FALSE(cxSmartTextToDate(L"todayish", date));
  EXPECT_FALSE(cxSmartTextToDate(L"31/01/2024", date));
  TFallbackScope fallback;
  EXPECT_FALSE(cxSmartTextToDate(L"today+x", date));
  EXPECT_EQ(GFallbackCalls, 1);
  EXPECT_TRUE(cxSmartTextToDate(L"Xmas", date));
  EXPECT_EQ(date, EncodeDate(2024, 12, 25));
  EXPECT_TRUE(cxSmartTextToDate(L"today", date));
  EXPECT_EQ(GFallbackCalls, 2);
}

TEST(SmartDateInput, LongestWordWinsAndRetranslationTakesEffect) {
  TRetranslation first(cxSDateFirst, L"Mon");
  int index = -1;
  EXPECT_TRUE(cxFindDateInputWord(L"monday+1", index));
  EXPECT_EQ(index, 4);
  EXPECT_TRUE(cxFindDateInputWord(L"mon+1", index));
  EXPECT_EQ(index, 10);
  TRetranslation today(cxSDateToday, L"hoje");
  EXPECT_TRUE(cxFindDateInputWord(L"Hoje", index));
  EXPECT_EQ(index, 0);
  EXPECT_FALSE(cxFindDateInputWord(L"today", index));
}

TEST(SmartDateInput, WordsInTheEditMasks) {
  String quoted;
  cxQuoteRegExprLiteral(quoted, L"it's");
  EXPECT_EQ(quoted, L"'it'\\''s'");
  String mask = L"\\d";
  cxAppendDateWordsToMask(mask, false);
  EXPECT_EQ(mask.substr(0, 15), L"(\\d)|('today'|'");
  EXPECT_EQ(Pos(L"'now'", mask), 0);
  EXPECT_TRUE(EndsText(L"|'eom')((\\+|-)\\d(\\d(\\d\\d?)?)?)?", mask));
  mask = L"\\d";
  cxAppendDateWordsToMask(mask, true);
  EXPECT_TRUE(EndsText(L"|'eom'|'now')((\\+|-)\\d(\\d(\\d\\d?)?)?)?", mask));
}

TEST(DateTextParsing, NormalizesAndReordersTypedText) {
  TLocaleScope locale(cxLangPtBR);  // day first
  TcxDateTimeFormatInfo isoFormat;
  cxParseDateTimeFormat(L"yyyy-MM-dd", isoFormat);
  String text = L"2024-01-31";
  cxNormalizeDateText(text, true, &isoFormat, &isoFormat);
  EXPECT_EQ(text, L"31 01 2024");
  TDateTime date;
  ASSERT_TRUE(cxParseDateText(L"2024-01-31", date, L"yyyy-MM-dd"));
  EXPECT_EQ(date, EncodeDate(2024, 1, 31));
  ASSERT_TRUE(cxParseDateText(L"2024.1.5", date, L"yyyy.M.d"));
  EXPECT_EQ(date, EncodeDate(2024, 1, 5));
  EXPECT_THROW(cxParseDateText(L"2024-13-45", date, L"yyyy-MM-dd"), EConvertError);

  // Blanks collapse; literals of the date format that are not separators
  // are blanked.
  text = L"  31/01/2024    14:05 ";
  cxNormalizeDateText(text, true);
  EXPECT_EQ(text, L"31 01 2024 14:05");
}

TEST(DateTextParsing, ReordersIntoMonthFirstLocales) {
  TLocaleScope locale(cxLangEnUS);
  TcxDateTimeFormatInfo format;
  cxParseDateTimeFormat(L"dd.MM.yyyy", format);
  String text = L"31.01.2024 10:30";
  cxNormalizeDateText(text, true, &format, &format);
  EXPECT_EQ(text, L"01 31 2024 10:30");
  TDateTime date;
  ASSERT_TRUE(cxParseDateText(L"31.01.2024", date, L"dd.MM.yyyy"));
  EXPECT_EQ(date, EncodeDate(2024, 1, 31));
}

TEST(DateTextParsing, TextToDateValue) {
  TLocaleScope locale(cxLangPtBR);
  struct TCase {
    const wchar_t* Text;
    TDateTime Expected;
  } cases[] = {
      {L"31/01/2024", EncodeDate(2024, 1, 31)},
      {L" 31/01/2024 14:05 ", EncodeDateTime(2024, 1, 31, 14, 5, 0, 0)},
      {L"1/2/2024", EncodeDate(2024, 2, 1)},
      {L"", cxNullDate},
      {L"   ", cxNullDate},
      {L"31/02/2024", cxNullDate},
      {L"abc", cxNullDate},
      {L"14:05", cxNullDate},            // a time is no date
      {L"today+9999", Date() + 9999},
  };
  for (const TCase& c : cases) EXPECT_EQ(cxTextToDateValue(c.Text, false), c.Expected) << c.Text;
  // Beyond the year 9999 is no date.
  const int64_t daysTo10000 = static_cast<int64_t>(EncodeDate(9999, 12, 31) - Date()) + 1;
  EXPECT_EQ(cxTextToDateValue(L"today+" + IntToStr(daysTo10000), false), cxNullDate);
  TDateTime date;
  EXPECT_TRUE(cxParseDateText(L"31/01/2024", date));
  EXPECT_FALSE(cxParseDateText(L"", date));
  EXPECT_EQ(date, cxNullDate);
}

TEST(DateTextParsing, TryTextToDateTime) {
  TLocaleScope locale(cxLangPtBR);
  TDateTime date;
  EXPECT_TRUE(cxTryTextToDateTime(L"31/01/2024", true, date));
  EXPECT_EQ(date, EncodeDate(2024, 1, 31));
  EXPECT_TRUE(cxTryTextToDateTime(L"31/01/2024", false, date));  // the platform's conversion
  EXPECT_EQ(date, EncodeDate(2024, 1, 31));
  EXPECT_FALSE(cxTryTextToDateTime(L"31/13/2024", true, date));
  EXPECT_EQ(date, cxNullDate);
  EXPECT_FALSE(cxTryTextToDateTime(L"", false, date));
}

// The Thai locale uses the Buddhist era calendar: typed dates are decoded
// through its table.
TEST(LocaleCalendarParsing, ThaiDatesGoThroughTheCalendarTable) {
  TLocaleScope locale(cxLangThai);
  ASSERT_EQ(cxThreadLocaleCalendarType(), static_cast<TcxCalendarID>(CAL_THAI));
  TcxFormatController& controller = *cxFormatControllerInstance();
  ASSERT_FALSE(controller.LocalIsGregorianCalendar());
  TDateTime date;
  EXPECT_TRUE(cxTryTextToDateTime(L"31/1/2567", true, date));
  EXPECT_EQ(date, EncodeDate(2024, 1, 31));
  EXPECT_EQ(cxTextToDateValue(L"29/2/67", false), EncodeDate(2024, 2, 29));
  EXPECT_NEAR(cxTextToDateValue(L"31/1/2567 10:30", false), EncodeDateTime(2024, 1, 31, 10, 30, 0, 0), 1e-9);
  // An impossible date is reported as such, not as the calendar's first day.
  EXPECT_FALSE(cxTryTextToDateTime(L"30/2/2567", true, date));
  EXPECT_EQ(date, cxNullDate);
  EXPECT_EQ(cxTextToDateValue(L"30/2/2567", false), cxNullDate);
  EXPECT_EQ(cxCalendarTextToDate(L"31/13/2567"), cxNullDate);
  EXPECT_FALSE(cxTryTextToDateTime(L"x/1/2567", true, date));
}

TEST(LocaleCalendarParsing, DecodesPartsInThePicturesOrder) {
  TFormatSettings settings;
  settings.DateSeparator = L'/';
  settings.ShortDateFormat = L"dd/MM/yyyy";
  TcxDateTime date;
  // Hebrew numerals as typed: day kaf (20), month dalet (4), year 5784.
  cxDecodeLocaleDateText(L"\u05DB/\u05D3/\u05EA\u05E9\u05E4\u05F4\u05D3", settings,
                         cxCalendarTableForID(CAL_HEBREW), date);
  EXPECT_EQ(date.Year, 5784u);
  EXPECT_EQ(date.Month, 4u);
  EXPECT_EQ(date.Day, 20u);
  EXPECT_EQ(cxCalendarTableForID(CAL_HEBREW)->ToDateTime(date), EncodeDate(2024, 1, 1));

  settings.ShortDateFormat = L"yyyy/MM/dd";
  cxDecodeLocaleDateText(L"1445/6/20 08:15", settings, cxCalendarTableForID(CAL_HIJRI), date);
  EXPECT_EQ(date.Year, 1445u);
  EXPECT_EQ(date.Month, 6u);
  EXPECT_EQ(date.Day, 20u);
  EXPECT_EQ(date.Hours, 8);
  EXPECT_EQ(date.Minutes, 15);

  // Month names of two words, with blanks between the parts, in each order.
  TLocaleScope locale(cxLangEnUS);
  FormatSettings.LongMonthNames[0] = L"First Month";
  settings.DateSeparator = L' ';
  struct TCase {
    const wchar_t* Picture;
    const wchar_t* Text;
  } cases[] = {{L"MMMM d yyyy", L"First Month 31 2024 10:30"},
               {L"d MMMM yyyy", L"31 First Month 2024 10:30"},
               {L"yyyy MMMM d", L"2024 First Month 31 10:30"}};
  for (const TCase& c : cases) {
    settings.ShortDateFormat = c.Picture;
    cxDecodeLocaleDateText(c.Text, settings, cxCalendarTableForID(CAL_GREGORIAN), date);
    EXPECT_EQ(date.Month, 1u) << c.Text;
    EXPECT_EQ(date.Day, 31u) << c.Text;
    EXPECT_EQ(date.Year, 2024u) << c.Text;
    EXPECT_EQ(date.Hours, 10) << c.Text;
    EXPECT_EQ(date.Era, -1);
  }
}

TEST(LocaleCalendarParsing, EraNamedInTheText) {
  TLocaleScope locale(cxLangJapanese);
  TcxCustomCalendarTable* japanese = cxCalendarTableForID(CAL_JAPAN);
  TFormatSettings settings;
  settings.DateSeparator = L'/';
  settings.ShortDateFormat = L"gg yy/MM/dd";
  TcxDateTime date;
  // The locale names its current era; the year counts in that era.
  cxDecodeLocaleDateText(L"\u4EE4\u548C6/01/31", settings, japanese, date);
  EXPECT_EQ(date.Era, 4);
  EXPECT_EQ(japanese->ToDateTime(date), EncodeDate(2024, 1, 31));
  // Eras the locale no longer lists are found by their own names.
  struct TCase {
    const wchar_t* Text;
    int Era;
    TDateTime Date;
  } cases[] = {{L"\u5E73\u6210" L"31/04/30", 3, EncodeDate(2019, 4, 30)},
               {L"\u662D\u548C" L"64/01/07", 2, EncodeDate(1989, 1, 7)},
               {L"\u660E\u6CBB" L"45/07/29", 0, EncodeDate(1912, 7, 29)}};
  for (const TCase& c : cases) {
    cxDecodeLocaleDateText(c.Text, settings, japanese, date);
    EXPECT_EQ(date.Era, c.Era) << c.Era;
    EXPECT_EQ(japanese->ToDateTime(date), c.Date) << c.Era;
  }
  // An era no one knows is no date, not a year of the current era.
  EXPECT_THROW(cxDecodeLocaleDateText(L"\u4E0D\u660E" L"31/04/30", settings, japanese, date), EConvertError);
  // Without an era name the year counts in the era of the table's default.
  settings.ShortDateFormat = L"yy/MM/dd";
  cxDecodeLocaleDateText(L"6/01/31", settings, japanese, date);
  EXPECT_EQ(date.Era, -1);
  EXPECT_EQ(japanese->ToDateTime(date), EncodeDate(2024, 1, 31));
}
