#include "vcl/rtl/FormatSettings.h"

#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

namespace {
// The locale's text, or empty when the locale has none.
String LocaleString(LCID Locale, LCTYPE Type) {
  wchar_t buffer[256];
  const int n = GetLocaleInfoW(Locale, Type, buffer, 256);
  return n > 1 ? String(buffer, n - 1) : String();
}

String LocaleString(LCID Locale, LCTYPE Type, const wchar_t* Default) {
  const String s = LocaleString(Locale, Type);
  return s.empty() ? String(Default) : s;
}

Char LocaleChar(LCID Locale, LCTYPE Type, Char Default) {
  const String s = LocaleString(Locale, Type);
  return s.empty() ? Default : s[0];
}

int LocaleNumber(LCID Locale, LCTYPE Type, int Default) {
  return StrToIntDef(LocaleString(Locale, Type), Default);
}

// The system's date pictures mark literals as the framework does, but know
// era and calendar pictures that it does not: those are dropped.
String TranslateDateFormat(const String& Picture) {
  String result;
  bool quoted = false;
  for (Char c : Picture) {
    if (c == L'\'') quoted = !quoted;
    if (!quoted && (c == L'g' || c == L'G')) continue;
    result += c;
  }
  return Trim(result);
}
}  // namespace

TFormatSettings TFormatSettings::Create() { return Create(GetThreadLocale()); }

TFormatSettings TFormatSettings::Create(uint32_t Locale) {
  const LCID lcid = Locale;
  TFormatSettings s;
  for (int i = 0; i < 12; ++i) {
    s.ShortMonthNames[i] = LocaleString(lcid, LOCALE_SABBREVMONTHNAME1 + i);
    s.LongMonthNames[i] = LocaleString(lcid, LOCALE_SMONTHNAME1 + i);
  }
  // The system numbers the days from Monday, the framework from Sunday.
  for (int i = 0; i < 7; ++i) {
    const int day = (i + 6) % 7;
    s.ShortDayNames[i] = LocaleString(lcid, LOCALE_SABBREVDAYNAME1 + day);
    s.LongDayNames[i] = LocaleString(lcid, LOCALE_SDAYNAME1 + day);
  }
  s.CurrencyString = LocaleString(lcid, LOCALE_SCURRENCY);
  s.CurrencyFormat = static_cast<uint8_t>(LocaleNumber(lcid, LOCALE_ICURRENCY, 0));
  s.NegCurrFormat = static_cast<uint8_t>(LocaleNumber(lcid, LOCALE_INEGCURR, 0));
  s.CurrencyDecimals = static_cast<uint8_t>(LocaleNumber(lcid, LOCALE_ICURRDIGITS, 2));
  s.ThousandSeparator = LocaleChar(lcid, LOCALE_STHOUSAND, L',');
  s.DecimalSeparator = LocaleChar(lcid, LOCALE_SDECIMAL, L'.');
  s.DateSeparator = LocaleChar(lcid, LOCALE_SDATE, L'/');
  s.TimeSeparator = LocaleChar(lcid, LOCALE_STIME, L':');
  s.ListSeparator = LocaleChar(lcid, LOCALE_SLIST, L',');
  s.ShortDateFormat = TranslateDateFormat(LocaleString(lcid, LOCALE_SSHORTDATE, L"m/d/yy"));
  s.LongDateFormat = TranslateDateFormat(LocaleString(lcid, LOCALE_SLONGDATE, L"mmmm d, yyyy"));
  s.TimeAMString = LocaleString(lcid, LOCALE_S1159, L"am");
  s.TimePMString = LocaleString(lcid, LOCALE_S2359, L"pm");
  const String hour = LocaleNumber(lcid, LOCALE_ITLZERO, 0) == 0 ? L"h" : L"hh";
  String prefix, suffix;
  if (LocaleNumber(lcid, LOCALE_ITIME, 0) == 0) {
    if (LocaleNumber(lcid, LOCALE_ITIMEMARKPOSN, 0) == 0)
      suffix = L" AMPM";
    else
      prefix = L"AMPM ";
  }
  s.ShortTimeFormat = prefix + hour + L":mm" + suffix;
  s.LongTimeFormat = prefix + hour + L":mm:ss" + suffix;
  return s;
}

TFormatSettings TFormatSettings::Invariant() { return Create(LOCALE_INVARIANT); }

TFormatSettings FormatSettings = TFormatSettings::Create();

void GetFormatSettings() { FormatSettings = TFormatSettings::Create(); }
