#pragma once
// TFormatSettings: the separators, formats and names the conversions of
// numbers, currency and dates use; FormatSettings: the process's own, read
// from the user's locale.
#include <array>
#include <cstdint>

#include "vcl/rtl/System.h"

struct TFormatSettings {
  String CurrencyString;
  uint8_t CurrencyFormat = 0;  // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
  uint8_t CurrencyDecimals = 2;
  Char DateSeparator = L'/';
  Char TimeSeparator = L':';
  Char ListSeparator = L',';
  String ShortDateFormat;
  String LongDateFormat;
  String TimeAMString;
  String TimePMString;
  String ShortTimeFormat;
  String LongTimeFormat;
  std::array<String, 12> ShortMonthNames;  // [0] is January
  std::array<String, 12> LongMonthNames;
  std::array<String, 7> ShortDayNames;  // [0] is Sunday
  std::array<String, 7> LongDayNames;
  Char ThousandSeparator = L',';
  Char DecimalSeparator = L'.';
  // Two-digit years fall within the 100 years ending this many years from
  // now (0: the current century).
  uint16_t TwoDigitYearCenturyWindow = 50;
  uint8_t NegCurrFormat = 0;  // the system's negative-currency pattern number

  static TFormatSettings Create();                 // the user's locale
  static TFormatSettings Create(uint32_t Locale);  // a locale identifier
  static TFormatSettings Invariant();
};

extern TFormatSettings FormatSettings;

// Reads FormatSettings again from the user's locale (after the user changed it).
void GetFormatSettings();
