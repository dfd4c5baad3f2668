#pragma once
// Currency: a fixed-point amount with four decimals, held as a 64-bit count
// of ten-thousandths.
#include <compare>
#include <cstdint>

#include "vcl/rtl/System.h"

struct TFormatSettings;

class Currency {
public:
  constexpr Currency() = default;
  constexpr Currency(int Value) : FScaled(int64_t{Value} * 10000) {}
  static constexpr Currency FromScaled(int64_t Scaled) {
    Currency c;
    c.FScaled = Scaled;
    return c;
  }
  // Rounds half to even, as the processor does; EConvertError outside the
  // range of about +-922337203685477.
  static Currency FromDouble(double Value);

  constexpr int64_t Scaled() const { return FScaled; }
  double ToDouble() const { return static_cast<double>(FScaled) / 10000.0; }

  // A result outside the range raises EConvertError.
  Currency operator+(Currency Other) const;
  Currency operator-(Currency Other) const;
  Currency operator*(Currency Other) const;
  Currency operator/(Currency Other) const;  // EConvertError on division by zero
  Currency operator-() const;
  constexpr auto operator<=>(const Currency&) const = default;

private:
  int64_t FScaled = 0;
};

// Text with the settings' decimal separator and no thousands separators,
// without trailing zeros ("1.5", "-3").
String CurrToStr(Currency Value);
String CurrToStr(Currency Value, const TFormatSettings& Settings);
bool TryStrToCurr(const String& S, Currency& Value);
bool TryStrToCurr(const String& S, Currency& Value, const TFormatSettings& Settings);
Currency StrToCurr(const String& S);  // EConvertError "'%s' is not a valid floating point value"
Currency StrToCurr(const String& S, const TFormatSettings& Settings);
