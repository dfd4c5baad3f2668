#include <gtest/gtest.h>

#include <cmath>

#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/SysUtils.h"

namespace {
// Fixed settings, so results do not depend on the machine's locale.
TFormatSettings Brazilian() {
  TFormatSettings s = TFormatSettings::Create(0x0416);  // pt-BR
  s.ShortDateFormat = L"dd/mm/yyyy";
  s.LongTimeFormat = L"hh:nn:ss";
  s.ShortTimeFormat = L"hh:nn";
  s.DateSeparator = L'/';
  s.TimeSeparator = L':';
  s.DecimalSeparator = L',';
  return s;
}

TFormatSettings American() {
  TFormatSettings s = TFormatSettings::Create(0x0409);  // en-US
  s.ShortDateFormat = L"M/d/yyyy";
  s.LongTimeFormat = L"h:mm:ss AMPM";
  s.TimeAMString = L"AM";
  s.TimePMString = L"PM";
  s.DateSeparator = L'/';
  s.TimeSeparator = L':';
  return s;
}
}  // namespace

TEST(DateUtils, EncodeDecodeRoundTrip) {
  struct Case {
    int y, m, d;
    double serial;
    int dow;
  } cases[] = {
      {1899, 12, 30, 0, 7}, {1900, 1, 1, 2, 2},    {2000, 2, 29, 36585, 3},
      {1, 1, 1, -693593, 2}, {9999, 12, 31, 2958465, 6}, {1899, 12, 29, -1, 6},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.serial);
    int y, m, d, dow;
    EXPECT_EQ(DecodeDateFully(c.serial, y, m, d, dow), IsLeapYear(c.y));
    EXPECT_EQ((std::vector<int>{y, m, d, dow}), (std::vector<int>{c.y, c.m, c.d, c.dow}));
    EXPECT_EQ(DayOfWeek(c.serial), c.dow);
  }
  const TDateTime t = EncodeTime(23, 59, 59, 999);
  int h, n, s, ms;
  DecodeTime(t, h, n, s, ms);
  EXPECT_EQ((std::vector<int>{h, n, s, ms}), (std::vector<int>{23, 59, 59, 999}));
  // A value a hair below midnight rounds to the next day, not to 24:00.
  int y, m, d;
  DecodeDate(EncodeDate(2020, 12, 31) + 0.9999999999, y, m, d);
  EXPECT_EQ(y, 2021);
  DecodeTime(0.9999999999, h, n, s, ms);
  EXPECT_EQ(h, 0);
  // Past the last date the year goes on, so that it can be seen to be too far.
  DecodeDate(EncodeDate(9999, 12, 31) + 1, y, m, d);
  EXPECT_EQ((std::vector<int>{y, m, d}), (std::vector<int>{10000, 1, 1}));
  DecodeDate(EncodeDate(1, 1, 1) - 1, y, m, d);
  EXPECT_EQ((std::vector<int>{y, m, d}), (std::vector<int>{0, 0, 0}));
}

// A negative value's time counts forward from its day: rounded up to
// midnight it is the next day, the one nearer zero.
TEST(DateUtils, NegativeValuesRoundToTheirNextDay) {
  const struct {
    double Serial;
    int Y, M, D, H;
  } cases[] = {{-1.9999999999, 1899, 12, 30, 0},
               {-1.25, 1899, 12, 29, 6},
               {-0.5, 1899, 12, 30, 12},
               {-2.0000000001, 1899, 12, 28, 0},
               {1.9999999999, 1900, 1, 1, 0}};
  for (const auto& c : cases) {
    int y, m, d, h, n, s, ms;
    DecodeDateTime(c.Serial, y, m, d, h, n, s, ms);
    EXPECT_EQ((std::vector<int>{y, m, d, h, n, s, ms}), (std::vector<int>{c.Y, c.M, c.D, c.H, 0, 0, 0}))
        << c.Serial;
  }
}

TEST(DateUtils, ValuesWithoutADateAreNotShown) {
  for (double value : {std::nan(""), 1e300, -1e300, HUGE_VAL, EncodeDate(1, 1, 1) - 1}) {
    int y, m, d;
    DecodeDate(value, y, m, d);
    EXPECT_EQ((std::vector<int>{y, m, d}), (std::vector<int>{0, 0, 0})) << value;
    EXPECT_THROW(DateTimeToStr(value), EConvertError) << value;
    EXPECT_THROW(FormatDateTime(L"hh:nn", value), EConvertError) << value;
  }
}

TEST(DateUtils, InvalidEncodingsRaiseOrAnswerFalse) {
  TDateTime v;
  EXPECT_FALSE(TryEncodeDate(2019, 2, 29, v));
  EXPECT_FALSE(TryEncodeDate(0, 1, 1, v));
  EXPECT_FALSE(TryEncodeDate(10000, 1, 1, v));
  EXPECT_FALSE(TryEncodeDate(2020, 13, 1, v));
  EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, v));
  EXPECT_TRUE(TryEncodeDate(1900, 2, 28, v));
  try {
    EncodeDate(2021, 2, 29);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"Invalid argument to date encode");
  }
  EXPECT_THROW(EncodeTime(1, 60, 0, 0), EConvertError);
}

TEST(DateUtils, IncMonthKeepsTimeAndClipsTheDay) {
  const TDateTime v = EncodeDateTime(2020, 1, 31, 10, 30, 0, 0);
  EXPECT_EQ(IncMonth(v, 1), EncodeDateTime(2020, 2, 29, 10, 30, 0, 0));
  EXPECT_EQ(IncMonth(v, -2), EncodeDateTime(2019, 11, 30, 10, 30, 0, 0));
  EXPECT_EQ(IncMonth(v, 12), EncodeDateTime(2021, 1, 31, 10, 30, 0, 0));
}

TEST(DateUtils, FormatDateTimePictures) {
  const TFormatSettings br = Brazilian(), us = American();
  const TDateTime v = EncodeDateTime(2024, 3, 5, 14, 7, 9, 45);
  struct Case {
    const wchar_t* picture;
    const TFormatSettings& settings;
    const wchar_t* expected;
  } cases[] = {
      {L"dd/mm/yyyy hh:nn:ss", br, L"05/03/2024 14:07:09"},
      {L"d/m/yy", br, L"5/3/24"},
      {L"yyyy-mm-dd\"T\"hh:mm:ss.zzz", br, L"2024-03-05T14:07:09.045"},  // m after h: minutes
      {L"h:mm am/pm", us, L"2:07 pm"},
      {L"hh:mm AM/PM", us, L"02:07 PM"},
      {L"h a/p", us, L"2 p"},
      {L"h:mm ampm", us, L"2:07 PM"},
      {L"dddd, d 'de' mmmm", us, L"Tuesday, 5 de March"},
      {L"ddd mmm", us, L"Tue Mar"},
      {L"c", br, L"05/03/2024 14:07:09"},
      {L"ddddd", us, L"3/5/2024"},
      {L"t", br, L"14:07"},
      {L"'unclosed", br, L"unclosed"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatDateTime(c.picture, v, c.settings), c.expected) << ToUtf8(c.picture);
  // Without a time part, "c" leaves the time out; midnight and noon on a 12-hour clock.
  EXPECT_EQ(FormatDateTime(L"c", EncodeDate(2024, 3, 5), br), L"05/03/2024");
  EXPECT_EQ(FormatDateTime(L"h ampm", EncodeTime(0, 0, 0, 0), us), L"12 AM");
  EXPECT_EQ(FormatDateTime(L"h ampm", EncodeTime(12, 0, 0, 0), us), L"12 PM");
  // A picture that refers to itself does not recurse without end.
  TFormatSettings selfish = br;
  selfish.ShortDateFormat = L"ddddd";
  EXPECT_EQ(FormatDateTime(L"ddddd", v, selfish), L"");
}

TEST(DateUtils, StrToDateFollowsTheSettings) {
  const TFormatSettings br = Brazilian(), us = American();
  EXPECT_EQ(StrToDate(L"05/03/2024", br), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDate(L"3/5/2024", us), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDate(L" 5 / 3 / 2024 ", br), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDate(L"5/3", br), EncodeDate(CurrentYear(), 3, 5));
  EXPECT_EQ(StrToDateTime(L"05/03/2024 14:07:09", br), EncodeDateTime(2024, 3, 5, 14, 7, 9, 0));
  EXPECT_EQ(StrToDateTime(L"3/5/2024 2:07 PM", us), EncodeDateTime(2024, 3, 5, 14, 7, 0, 0));
  EXPECT_EQ(StrToTime(L"12:00:00,5", br), EncodeTime(12, 0, 0, 500));
  EXPECT_EQ(StrToTime(L"12 AM", us), 0.0);
  EXPECT_EQ(StrToDateTime(L"14:30", br), EncodeTime(14, 30, 0, 0));

  // Two-digit years fall within the window around the current year.
  TFormatSettings window = br;
  window.TwoDigitYearCenturyWindow = 50;
  const int thisYear = CurrentYear();
  const int nearFuture = (thisYear + 10) % 100, farPast = (thisYear + 60) % 100;
  EXPECT_EQ(YearOf(StrToDate(Format(L"1/1/%.2d", {nearFuture}), window)), thisYear + 10);
  EXPECT_EQ(YearOf(StrToDate(Format(L"1/1/%.2d", {farPast}), window)), thisYear - 40);

  struct Bad {
    const wchar_t* text;
    const wchar_t* message;
  } bad[] = {
      {L"31/02/2024", L"'31/02/2024' is not a valid date"},
      {L"05/03/2024x", L"'05/03/2024x' is not a valid date"},
      {L"", L"'' is not a valid date"},
      {L"05-03-2024", L"'05-03-2024' is not a valid date"},
      {L"1234567890/1/1", L"'1234567890/1/1' is not a valid date"},
  };
  for (const Bad& b : bad) {
    try {
      StrToDate(b.text, br);
      ADD_FAILURE() << ToUtf8(b.text);
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), b.message);
    }
  }
  EXPECT_THROW(StrToTime(L"25:00", br), EConvertError);
  EXPECT_THROW(StrToTime(L"13 PM", us), EConvertError);
  EXPECT_THROW(StrToDateTime(L"05/03/2024 nonsense", br), EConvertError);
}

TEST(DateUtils, FormatAndParseRoundTrip) {
  const TFormatSettings br = Brazilian();
  for (TDateTime v : {EncodeDateTime(1999, 12, 31, 23, 59, 59, 0), EncodeDateTime(2000, 1, 1, 0, 0, 1, 0),
                      EncodeDateTime(2024, 2, 29, 12, 0, 0, 0)})
    EXPECT_EQ(StrToDateTime(DateTimeToStr(v, br), br), v);
}

TEST(FormatSettings, LocaleFieldsAndTheGlobalSettings) {
  const TFormatSettings br = TFormatSettings::Create(0x0416);
  EXPECT_EQ(br.DecimalSeparator, L',');
  EXPECT_EQ(br.LongMonthNames[0], L"janeiro");
  EXPECT_EQ(br.LongDayNames[0], L"domingo");  // Sunday first
  const TFormatSettings us = TFormatSettings::Create(0x0409);
  EXPECT_EQ(us.ShortDayNames[6], L"Sat");
  EXPECT_EQ(us.LongTimeFormat, L"h:mm:ss AMPM");

  // Format and the float conversions follow the global settings.
  const TFormatSettings saved = FormatSettings;
  FormatSettings.DecimalSeparator = L',';
  FormatSettings.ThousandSeparator = L'.';
  EXPECT_EQ(Format(L"%.2f|%n", {1.5, 1234567.891}), L"1,50|1.234.567,89");
  EXPECT_EQ(FloatToStr(2.25), L"2,25");
  EXPECT_EQ(StrToFloat(L"2,25"), 2.25);
  EXPECT_THROW(StrToFloat(L"2.25"), EConvertError);
  FormatSettings = saved;

  TFormatSettings money = us;
  money.CurrencyString = L"R$";
  money.CurrencyFormat = 2;
  money.NegCurrFormat = 9;
  money.CurrencyDecimals = 2;
  EXPECT_EQ(Format(L"%m", {1234.5}, money), L"R$ 1,234.50");
  EXPECT_EQ(Format(L"%m", {-3.0}, money), L"-R$ 3.00");
}
