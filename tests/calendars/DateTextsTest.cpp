#include <gtest/gtest.h>

#include "LocaleScope.h"
#include "components/core/cxDateUtils.h"
#include "components/core/cxFormats.h"
#include "vcl/rtl/DateUtils.h"

namespace {

// Makes the display texts use the platform's format settings for one test.
class TPlatformFormatsScope {
public:
  TPlatformFormatsScope() { cxFormatControllerInstance()->SetUsePlatformDateTimeFormats(true); }
  ~TPlatformFormatsScope() { cxFormatControllerInstance()->SetUsePlatformDateTimeFormats(false); }
};

const TDateTime cxJanuary31 = EncodeDate(2024, 1, 31);
const TDateTime cxJanuary31Afternoon = EncodeDateTime(2024, 1, 31, 14, 5, 0, 0);

}  // namespace

TEST(DateTexts, PatternFormatterBuildsElementsFromThePlatformNames) {
  TLocaleScope locale(cxLangEnUS);
  struct TCase {
    const wchar_t* Pattern;
    Char Separator;
    const wchar_t* Expected;
  } cases[] = {
      {L"MMMM yyyy", L' ', L"January 2024"},
      {L"dd.MM.yy", 0, L"31.01.24"},
      {L"On d/M/yyyy", 0, L"31/01/2024"},            // leading literal text dropped
      {L"D-m-Y", 0, L"31-01-24"},                    // letters in either case
      {L"dddd, d 'de' MMMM", 0, L"Wednesday, 31 de January"},
      {L"ddd d 'of' MMMM!", L'|', L"Wed|31|January"},  // a separator replaces the literals
      {L"yyyy ee MM", 0, L"202401"},                  // an era skips to the next element
      {L"d.M.yyyy.", 0, L"31.01.2024"},               // trailing literal text dropped
  };
  for (const TCase& c : cases) EXPECT_EQ(cxFormatDateWithPattern(c.Pattern, c.Separator, cxJanuary31), c.Expected) << c.Pattern;
  EXPECT_EQ(cxFormatDateWithPattern(L"yyyy", 0, EncodeDate(987, 5, 1)), L"0987");
}

TEST(DateTexts, LocaleTextsInBrazilianPortuguese) {
  TLocaleScope locale(cxLangPtBR);
  EXPECT_EQ(cxDateToLocaleText(cxJanuary31), L"31/01/2024");
  EXPECT_EQ(cxDateToLocaleText(cxJanuary31Afternoon), L"31/01/2024 14:05:00");
  EXPECT_EQ(cxDateToLocaleText(cxNullDate), L"");
  EXPECT_EQ(cxLongDateText(cxJanuary31), L"quarta-feira, 31 de janeiro de 2024");
  EXPECT_EQ(cxDayNumberText(EncodeDate(2024, 2, 5)), L"5");
  EXPECT_EQ(cxMonthNameText(nullptr, cxJanuary31), L"janeiro");
  EXPECT_EQ(cxMonthNameOfYearMonth(2024, 3), L"março");
  EXPECT_EQ(cxMonthNameOfYearMonth(2024, 13), L"");
  EXPECT_EQ(cxLocalYearText(nullptr, cxJanuary31), L"2024");
  EXPECT_EQ(cxMonthYearText(nullptr, cxJanuary31), L"janeiro de 2024");
  EXPECT_EQ(cxDateToEditText(false, false, false, cxJanuary31), L"31/01/2024");
  EXPECT_EQ(cxDateToEditText(true, false, false, cxJanuary31Afternoon), L"31/01/2024");
  EXPECT_EQ(cxDateToEditText(true, true, false, cxJanuary31Afternoon), L"31/01/2024 14:05:00");
}

TEST(DateTexts, LocaleTextsInAmericanEnglish) {
  TLocaleScope locale(cxLangEnUS);
  EXPECT_EQ(cxDateToLocaleText(cxJanuary31), L"1/31/2024");
  EXPECT_EQ(cxDateToLocaleText(cxJanuary31Afternoon), L"1/31/2024 2:05:00 PM");
  EXPECT_EQ(cxLongDateText(cxJanuary31), L"Wednesday, January 31, 2024");
  EXPECT_EQ(cxMonthYearText(nullptr, cxJanuary31), L"January 2024");
}

TEST(DateTexts, PlatformFormatsWhenTheControllerSaysSo) {
  TLocaleScope locale(cxLangPtBR);
  FormatSettings.ShortDateFormat = L"dd/MM/yy";
  FormatSettings.LongMonthNames[0] = L"Janeiro";
  TPlatformFormatsScope platformFormats;
  EXPECT_EQ(cxDateTimeToDisplayText(false, cxJanuary31), L"31/01/24");
  EXPECT_EQ(cxDateTimeToDisplayText(true, cxJanuary31), L"31/01/2024");  // the year run grows to four
  EXPECT_EQ(cxMonthYearText(nullptr, cxJanuary31), L"Janeiro 2024");
  EXPECT_EQ(cxMonthNameOfYearMonth(2024, 1), L"Janeiro");
  EXPECT_EQ(cxWeekdayHeaderText(dWednesday, DEFAULT_CHARSET), L"q");
  // The locale's own picture is still used where the platform formats are off.
  EXPECT_EQ(cxDateTimeToText(true, false, cxJanuary31), L"31/01/2024");
}

TEST(DateTexts, WeekdayHeadersAreCutToOneLetter) {
  TLocaleScope locale(cxLangDe);
  EXPECT_EQ(cxWeekdayHeaderText(dMonday, DEFAULT_CHARSET), L"M");
  cxShortWeekdayHeaders = false;
  const String monday = cxWeekdayHeaderText(dMonday, DEFAULT_CHARSET);
  const String sunday = cxWeekdayHeaderText(dSunday, DEFAULT_CHARSET);
  cxShortWeekdayHeaders = true;
  EXPECT_EQ(monday, L"Mo.");
  EXPECT_EQ(sunday, L"So.");
}

TEST(DateTexts, FallsBackWhenTheSystemCannotFormat) {
  TLocaleScope locale(cxLangPtBR);
  String text = L"unchanged";
  // A picture the system rejects: no text, and the callers fall back.
  EXPECT_FALSE(cxFormatDateText(DATE_LONGDATE, L"dd", cxJanuary31, text));
  EXPECT_EQ(text, L"");
  EXPECT_EQ(cxDayNumberText(EncodeDate(2024, 2, 5)), L"5");
}
