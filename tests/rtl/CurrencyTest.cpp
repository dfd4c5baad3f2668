#include <gtest/gtest.h>

#include "vcl/rtl/Currency.h"
#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/SysUtils.h"

TEST(Currency, ArithmeticKeepsFourDecimalsAndRoundsHalfToEven) {
  EXPECT_EQ(Currency::FromDouble(0.1) + Currency::FromDouble(0.2), Currency::FromDouble(0.3));
  EXPECT_EQ(Currency::FromDouble(-0.1).Scaled(), -1000);
  EXPECT_EQ(Currency::FromDouble(2.5) * Currency::FromDouble(0.0001), Currency::FromScaled(2));
  EXPECT_EQ(Currency(10) / Currency(3), Currency::FromScaled(33333));
  EXPECT_EQ(Currency(-10) / Currency(3), Currency::FromScaled(-33333));
  EXPECT_THROW(Currency(1) / Currency(0), EConvertError);
  EXPECT_THROW(Currency::FromScaled(INT64_MAX) + Currency::FromScaled(1), EConvertError);
  EXPECT_THROW(Currency::FromDouble(1e300), EConvertError);
}

TEST(Currency, TextRoundTrip) {
  TFormatSettings br = TFormatSettings::Create(0x0416);
  br.DecimalSeparator = L',';
  struct Case {
    const wchar_t* text;
    int64_t scaled;
    const wchar_t* shown;
  } cases[] = {
      {L"1,5", 15000, L"1,5"},       {L"-0,0001", -1, L"-0,0001"}, {L"12", 120000, L"12"},
      {L"0,00005", 0, L"0"},         {L"0,00015", 2, L"0,0002"},   {L"0,000051", 1, L"0,0001"},
      {L" +3,25 ", 32500, L"3,25"},  {L"922337203685477,5807", INT64_MAX, L"922337203685477,5807"},
  };
  for (const Case& c : cases) {
    const Currency value = StrToCurr(c.text, br);
    EXPECT_EQ(value.Scaled(), c.scaled) << ToUtf8(c.text);
    EXPECT_EQ(CurrToStr(value, br), c.shown);
  }
  Currency v;
  for (const wchar_t* bad : {L"", L"-", L"1.5", L"1,2,3", L"1e3", L"922337203685478"})
    EXPECT_FALSE(TryStrToCurr(bad, v, br)) << ToUtf8(bad);
  EXPECT_THROW(StrToCurr(L"abc", br), EConvertError);
}
