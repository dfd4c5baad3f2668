#pragma once
// Variant comparisons and tests of the library's data layer, the fixed-width
// little-endian stream routines, and the tagged value stream in which one
// variant (or a one-dimensional array of them) is written and read.
#include <cstdint>
#include <string>

#include "vcl/rtl/Currency.h"
#include "vcl/rtl/Streams.h"
#include "vcl/rtl/Variants.h"

// The tags of the value stream: the numbers of the component-stream value
// types. The reader takes only those the writer makes.
enum TcxValueTag : uint8_t {
  cxvtNull = 0, cxvtList = 1, cxvtInt8 = 2, cxvtInt16 = 3, cxvtInt32 = 4, cxvtExtended = 5,
  cxvtString = 6, cxvtFalse = 8, cxvtTrue = 9, cxvtLString = 12, cxvtNil = 13, cxvtSingle = 15,
  cxvtCurrency = 16, cxvtDate = 17, cxvtWString = 18, cxvtInt64 = 19
};

// ---------------------------------------------------------------- comparisons

// Empty sorts before Null, Null before every value, and an array after
// every non-array. Two values the platform cannot compare (a text that is no
// number against a number) are ordered by kind: numbers, dates and Booleans
// before texts, so that the answer is the same from both sides. Numbers of
// any kinds compare exactly (no rounding through doubles), NaN after every
// number.
int cxVarCompare(const Variant& V1, const Variant& V2);
// Arrays: by their high bounds, then their low bounds, then element by
// element.
int cxVarArrayCompare(const Variant& V1, const Variant& V2);
int cxVarCompareScalar(const Variant& V1, const Variant& V2);
bool cxVariantsEqual(const Variant& V1, const Variant& V2);
// With a Boolean on either side (and no Null), both sides compared as text.
bool cxVariantsEqualStrict(const Variant& V1, const Variant& V2);
bool cxVarTypeIsDate(TVarType AVarType);
bool cxIsDateVariant(const Variant& V);
// The platform's numbers, and decimals (TBcd variants).
bool cxIsNumericVariant(const Variant& V);
// Null, or a text equal to the empty text (Empty is not included).
bool cxIsNullOrEmptyVariant(const Variant& V);

// ---------------------------------------------------------------- fixed-width stream routines
// Each raises EReadError "Stream read error" when the stream ends early. A
// stored length or count that is negative or longer than the rest of the
// stream raises before anything is allocated.

std::string cxReadAnsiStringFromStream(TStream* AStream);  // 4-byte length, the bytes
void cxWriteAnsiStringToStream(TStream* AStream, const std::string& S);
String cxReadWideStringFromStream(TStream* AStream);  // 4-byte count, UTF-16
void cxWriteWideStringToStream(TStream* AStream, const String& S);
uint8_t cxReadByteFromStream(TStream* AStream);
void cxWriteByteToStream(TStream* AStream, uint8_t AValue);
int16_t cxReadSmallIntFromStream(TStream* AStream);
void cxWriteSmallIntToStream(TStream* AStream, int16_t AValue);
uint16_t cxReadWordFromStream(TStream* AStream);
void cxWriteWordToStream(TStream* AStream, uint16_t AValue);
int32_t cxReadIntegerFromStream(TStream* AStream);
void cxWriteIntegerToStream(TStream* AStream, int32_t AValue);
float cxReadSingleFromStream(TStream* AStream);
void cxWriteSingleToStream(TStream* AStream, float AValue);
int64_t cxReadInt64FromStream(TStream* AStream);
void cxWriteInt64ToStream(TStream* AStream, int64_t AValue);
Currency cxReadCurrencyFromStream(TStream* AStream);
void cxWriteCurrencyToStream(TStream* AStream, Currency AValue);
TDateTime cxReadDateTimeFromStream(TStream* AStream);
void cxWriteDateTimeToStream(TStream* AStream, TDateTime AValue);
// 10 bytes: the 80-bit extended real.
double cxReadExtendedFromStream(TStream* AStream);
void cxWriteExtendedToStream(TStream* AStream, double AValue);

// ---------------------------------------------------------------- the tagged value stream

// An integer in the fewest bytes: tag 2, 3, 4 or 19 and 1, 2, 4 or 8 bytes.
void cxWriteStreamInteger(TStream* AStream, int64_t AValue);
// Up to 255 bytes as tag 6 with a 1-byte length, longer as tag 12.
void cxWriteStreamAnsiString(TStream* AStream, const std::string& S);
// EWriteError "Stream write error" for an array of more than one dimension
// or a value that cannot be turned into text.
void cxWriteVariantToStream(TStream* AStream, const Variant& V);
// V is Null until a whole value is read. EReadError "Stream read error" for
// an unknown tag, an array count that is no tagged integer, and a length or
// count that is negative or longer than the rest of the stream.
void cxReadVariantFromStream(TStream* AStream, Variant& V);
