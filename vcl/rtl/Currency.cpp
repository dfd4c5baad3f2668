#include "vcl/rtl/Currency.h"

#include <cmath>

#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/SysUtils.h"

namespace {
[[noreturn]] void OutOfRange(const String& What) {
  throw EConvertError(Format(L"'%s' is not a valid currency value", {What}));
}

Currency Checked(__int128 Scaled, const wchar_t* Operation) {
  if (Scaled > INT64_MAX || Scaled < INT64_MIN)
    throw EConvertError(Format(L"Currency overflow in %s", {Operation}));
  return Currency::FromScaled(static_cast<int64_t>(Scaled));
}

// Division rounding half to even.
__int128 DivideRounded(__int128 Dividend, __int128 Divisor) {
  __int128 quotient = Dividend / Divisor, remainder = Dividend % Divisor;
  const __int128 twice = 2 * (remainder < 0 ? -remainder : remainder);
  const __int128 divisor = Divisor < 0 ? -Divisor : Divisor;
  const int sign = (Dividend < 0) != (Divisor < 0) ? -1 : 1;
  if (twice > divisor || (twice == divisor && quotient % 2 != 0)) quotient += sign;
  return quotient;
}
}  // namespace

Currency Currency::FromDouble(double Value) {
  const double scaled = std::nearbyint(Value * 10000.0);
  if (!(scaled >= -9223372036854775808.0 && scaled < 9223372036854775808.0))
    OutOfRange(FloatToStr(Value));
  return FromScaled(static_cast<int64_t>(scaled));
}

Currency Currency::operator+(Currency Other) const {
  return Checked(static_cast<__int128>(FScaled) + Other.FScaled, L"addition");
}

Currency Currency::operator-(Currency Other) const {
  return Checked(static_cast<__int128>(FScaled) - Other.FScaled, L"subtraction");
}

Currency Currency::operator-() const { return Checked(-static_cast<__int128>(FScaled), L"negation"); }

Currency Currency::operator*(Currency Other) const {
  return Checked(DivideRounded(static_cast<__int128>(FScaled) * Other.FScaled, 10000),
                 L"multiplication");
}

Currency Currency::operator/(Currency Other) const {
  if (Other.FScaled == 0) throw EConvertError(L"Division of a currency value by zero");
  return Checked(DivideRounded(static_cast<__int128>(FScaled) * 10000, Other.FScaled), L"division");
}

String CurrToStr(Currency Value, const TFormatSettings& Settings) {
  const int64_t scaled = Value.Scaled();
  const uint64_t magnitude = scaled < 0 ? 0 - static_cast<uint64_t>(scaled) : scaled;
  String text = std::to_wstring(magnitude / 10000);
  String decimals = std::to_wstring(10000 + magnitude % 10000).substr(1);
  while (!decimals.empty() && decimals.back() == L'0') decimals.pop_back();
  if (!decimals.empty()) text += Settings.DecimalSeparator + decimals;
  return scaled < 0 ? L"-" + text : text;
}

String CurrToStr(Currency Value) { return CurrToStr(Value, FormatSettings); }

bool TryStrToCurr(const String& S, Currency& Value, const TFormatSettings& Settings) {
  const String t = Trim(S);
  const bool negative = !t.empty() && t[0] == L'-';
  const size_t start = !t.empty() && (t[0] == L'-' || t[0] == L'+') ? 1 : 0;
  const size_t separator = t.find(Settings.DecimalSeparator, start);
  const String whole = t.substr(start, separator == String::npos ? String::npos : separator - start);
  const String fraction = separator == String::npos ? String() : t.substr(separator + 1);
  auto isDigits = [](const String& s) {
    return s.find_first_not_of(L"0123456789") == String::npos;
  };
  if (whole.size() + fraction.size() == 0 || !isDigits(whole) || !isDigits(fraction)) return false;
  __int128 scaled = 0;
  for (Char c : whole) {
    scaled = scaled * 10 + (c - L'0');
    if (scaled > INT64_MAX) return false;
  }
  const String decimals = (fraction + L"0000").substr(0, 4);
  for (Char c : decimals) scaled = scaled * 10 + (c - L'0');
  // Further decimals round half to even.
  if (fraction.size() > 4) {
    const Char first = fraction[4];
    const bool moreThanHalf = fraction.find_first_not_of(L'0', 5) != String::npos;
    if (first > L'5' || (first == L'5' && (moreThanHalf || scaled % 2 != 0))) ++scaled;
  }
  if (negative) scaled = -scaled;
  if (scaled > INT64_MAX || scaled < INT64_MIN) return false;
  Value = Currency::FromScaled(static_cast<int64_t>(scaled));
  return true;
}

bool TryStrToCurr(const String& S, Currency& Value) { return TryStrToCurr(S, Value, FormatSettings); }

Currency StrToCurr(const String& S, const TFormatSettings& Settings) {
  Currency value;
  if (!TryStrToCurr(S, value, Settings))
    throw EConvertError(Format(L"'%s' is not a valid floating point value", {S}));
  return value;
}

Currency StrToCurr(const String& S) { return StrToCurr(S, FormatSettings); }
