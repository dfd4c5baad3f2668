#pragma once
// Binary-coded decimals (TBcd) as the database layer keeps exact numbers,
// and the variant kind that holds one.
#include <cstdint>

#include "vcl/rtl/Variants.h"

// Precision digits (1..64), two to a byte, the first in the high half;
// SignSpecialPlaces: bit 7 the sign (set: negative), bits 0..5 the number
// of digits after the decimal point.
struct TBcd {
  uint8_t Precision = 0;
  uint8_t SignSpecialPlaces = 0;
  uint8_t Fraction[32] = {};
};
static_assert(sizeof(TBcd) == 34, "the record layout of the database layer");

VCL_EXCEPTION(EBcdException, Exception)

// The variant kind of a TBcd; its conversions go through the decimal text.
constexpr TVarType varFMTBcd = 0x010F;

// Digits, an optional sign, the settings' decimal separator (or '.') and an
// optional exponent ("1.5E3"); at most 64 digits. The digits are kept as
// written, leading and trailing zeros included.
bool TryStrToBcd(const String& S, TBcd& ABcd);
// EBcdException "'%s' is not a valid BCD value".
TBcd StrToBcd(const String& S);
// The shortest text of the value: no leading or trailing zeros, the
// settings' decimal separator. EBcdException for a record that holds no
// decimal digits.
String BcdToStr(const TBcd& ABcd);
// -1, 0 or 1 by value (zero has no sign).
int BcdCompare(const TBcd& A, const TBcd& B);

Variant VarFMTBcdCreate(const TBcd& ABcd);
// A TBcd variant gives its own value; any other its text read as a decimal.
// EVariantTypeCastError when that is no number.
TBcd VarToBcd(const Variant& V);
