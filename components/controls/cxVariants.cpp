#include "components/controls/cxVariants.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <string>
#include <limits>
#include <vector>

#include "components/controls/cxDataConsts.h"
#include "components/core/dxCore.h"
#include "vcl/rtl/FMTBcd.h"
#include "vcl/rtl/SqlTimSt.h"

static_assert(std::endian::native == std::endian::little, "the stream's numbers are little-endian");

// ---------------------------------------------------------------- comparisons

namespace {

// Texts that are no numbers cannot be compared with numbers, dates or
// Booleans: those sort first. Within one kind the type code decides.
int CompareKinds(const Variant& V1, const Variant& V2) {
  const bool text1 = VarIsStr(V1), text2 = VarIsStr(V2);
  if (text1 != text2) return text1 ? 1 : -1;
  const TVarType type1 = VarType(V1), type2 = VarType(V2);
  return type1 < type2 ? -1 : type1 > type2 ? 1 : 0;
}

int Sign(int64_t AValue) { return AValue < 0 ? -1 : AValue > 0 ? 1 : 0; }

// ---- numbers compared in one order, whatever their kinds

bool IsIntegerKind(TVarType AType) {
  switch (AType) {
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord: case varLongWord:
    case varInt64: case varUInt64: case varBoolean:
      return true;
    default: return false;
  }
}
bool IsBinaryRealKind(TVarType AType) { return AType == varSingle || AType == varDouble || AType == varDate; }
bool IsDecimalKind(TVarType AType) { return AType == varCurrency || AType == varFMTBcd; }
bool IsNumberKind(TVarType AType) { return IsIntegerKind(AType) || IsBinaryRealKind(AType) || IsDecimalKind(AType); }

// The extended real's 64-bit mantissa holds every 64-bit integer and every
// double exactly, so integers and binary reals compare exactly through it.
long double ExactBinary(const Variant& V) {
  const TVarType type = VarType(V);
  if (type == varUInt64) return static_cast<long double>(V.AsUInt64());
  if (IsIntegerKind(type)) return static_cast<long double>(V.AsInt64());
  if (type == varDate) return V.AsDateTime();
  return V.AsDouble();
}

// A decimal number as its digits: a sign, the whole part without leading
// zeros and the fraction without trailing ones.
struct TDecimalDigits {
  bool Negative = false;
  std::string Whole, Fraction;
};

TDecimalDigits DecimalDigitsOf(const std::string& AText) {
  TDecimalDigits result;
  bool fraction = false;
  for (char c : AText) {
    if (c == '-') result.Negative = true;
    else if (c >= '0' && c <= '9') (fraction ? result.Fraction : result.Whole) += c;
    else fraction = true;  // the point, whatever the locale makes it
  }
  result.Whole.erase(0, std::min(result.Whole.find_first_not_of('0'), result.Whole.size()));
  result.Fraction.erase(std::min(result.Fraction.find_last_not_of('0') + 1, result.Fraction.size()));
  if (result.Whole.empty() && result.Fraction.empty()) result.Negative = false;
  return result;
}

// Multiplies a text of decimal digits by a small factor.
void MultiplyDigits(std::string& ADigits, int AFactor) {
  int carry = 0;
  for (size_t i = ADigits.size(); i-- > 0;) {
    const int product = (ADigits[i] - '0') * AFactor + carry;
    ADigits[i] = static_cast<char>('0' + product % 10);
    carry = product / 10;
  }
  while (carry > 0) {
    ADigits.insert(ADigits.begin(), static_cast<char>('0' + carry % 10));
    carry /= 10;
  }
}

// Every digit of a finite double: it is a 53-bit integer times a power of
// two, and 2^-n is 5^n / 10^n.
std::string ExactDoubleText(double AValue) {
  int exponent = 0;
  const double mantissa = std::frexp(std::fabs(AValue), &exponent);
  const auto whole = static_cast<uint64_t>(std::ldexp(mantissa, 53));
  exponent -= 53;
  std::string digits = std::to_string(whole);
  for (; exponent > 0; --exponent) MultiplyDigits(digits, 2);
  const size_t places = static_cast<size_t>(-exponent);
  for (int i = exponent; i < 0; ++i) MultiplyDigits(digits, 5);
  if (digits.size() <= places) digits.insert(0, places - digits.size() + 1, '0');
  digits.insert(digits.size() - places, 1, '.');
  return (AValue < 0 ? "-" : "") + digits;
}

std::string DecimalTextOf(const Variant& V) {
  const TVarType type = VarType(V);
  if (type == varFMTBcd) return ToUtf8(BcdToStr(VarToBcd(V)));
  if (type == varCurrency) {
    const int64_t scaled = V.AsCurrency().Scaled();
    const uint64_t magnitude = scaled < 0 ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
    std::string digits = std::to_string(magnitude);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    digits.insert(digits.size() - 4, 1, '.');
    return (scaled < 0 ? "-" : "") + digits;
  }
  if (type == varUInt64) return std::to_string(V.AsUInt64());
  if (IsIntegerKind(type)) return std::to_string(V.AsInt64());
  return ExactDoubleText(static_cast<double>(ExactBinary(V)));
}

int CompareDecimalDigits(const TDecimalDigits& A, const TDecimalDigits& B) {
  if (A.Negative != B.Negative) return A.Negative ? -1 : 1;
  int magnitude = A.Whole.size() != B.Whole.size() ? (A.Whole.size() < B.Whole.size() ? -1 : 1) : 0;
  if (magnitude == 0) magnitude = A.Whole.compare(B.Whole);
  if (magnitude == 0) magnitude = A.Fraction.compare(B.Fraction);
  magnitude = magnitude < 0 ? -1 : magnitude > 0 ? 1 : 0;
  return A.Negative ? -magnitude : magnitude;
}

// -1, 0 or 1; NaN sorts after every number (and equals NaN), the
// infinities before and after every finite one.
int CompareNumbers(const Variant& V1, const Variant& V2) {
  const long double a = ExactBinary(V1), b = ExactBinary(V2);
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) == std::isnan(b) ? 0 : std::isnan(a) ? 1 : -1;
  const bool decimal = IsDecimalKind(VarType(V1)) || IsDecimalKind(VarType(V2));
  if (!decimal || std::isinf(a) || std::isinf(b)) return a < b ? -1 : a > b ? 1 : 0;
  return CompareDecimalDigits(DecimalDigitsOf(DecimalTextOf(V1)), DecimalDigitsOf(DecimalTextOf(V2)));
}

}  // namespace

int cxVarCompare(const Variant& V1, const Variant& V2) {
  return VarIsArray(V1) || VarIsArray(V2) ? cxVarArrayCompare(V1, V2) : cxVarCompareScalar(V1, V2);
}

int cxVarArrayCompare(const Variant& V1, const Variant& V2) {
  const bool array1 = VarIsArray(V1), array2 = VarIsArray(V2);
  if (array1 != array2) return array1 ? 1 : -1;
  const int high1 = VarArrayHighBound(V1, 1), high2 = VarArrayHighBound(V2, 1);
  if (high1 != high2) return Sign(int64_t{high1} - high2);
  // Then by the low bounds, so that arrays of other bounds keep one order.
  const int low1 = VarArrayLowBound(V1, 1), low2 = VarArrayLowBound(V2, 1);
  if (low1 != low2) return Sign(int64_t{low1} - low2);
  for (int i = low1; i <= high1; ++i)
    if (const int result = cxVarCompare(VarArrayGet(V1, {i}), VarArrayGet(V2, {i}))) return result;
  return 0;
}

int cxVarCompareScalar(const Variant& V1, const Variant& V2) {
  if (VarIsEmpty(V1)) return VarIsEmpty(V2) ? 0 : -1;
  if (VarIsEmpty(V2)) return 1;
  if (IsNumberKind(VarType(V1)) && IsNumberKind(VarType(V2))) return CompareNumbers(V1, V2);
  try {
    if (V1 == V2) return 0;
    if (VarIsNull(V1)) return -1;
    if (VarIsNull(V2)) return 1;
    return V1 < V2 ? -1 : 1;
  } catch (const EVariantError&) {
    return CompareKinds(V1, V2);
  }
}

bool cxVariantsEqual(const Variant& V1, const Variant& V2) { return cxVarCompare(V1, V2) == 0; }

bool cxVariantsEqualStrict(const Variant& V1, const Variant& V2) {
  if (VarIsNull(V1) || VarIsNull(V2) || (VarType(V1) != varBoolean && VarType(V2) != varBoolean))
    return cxVariantsEqual(V1, V2);
  try {
    return VarAsType(V1, varUString) == VarAsType(V2, varUString);
  } catch (const EVariantError&) {
    return false;
  }
}

bool cxVarTypeIsDate(TVarType AVarType) { return AVarType == varDate || AVarType == varSQLTimeStamp; }

bool cxIsDateVariant(const Variant& V) { return cxVarTypeIsDate(VarType(V)); }

bool cxIsNumericVariant(const Variant& V) { return VarIsNumeric(V) || VarType(V) == varFMTBcd; }

bool cxIsNullOrEmptyVariant(const Variant& V) { return VarIsNull(V) || (VarIsStr(V) && V.AsString().empty()); }

// ---------------------------------------------------------------- fixed-width stream routines

namespace {

template <typename T>
T ReadRaw(TStream* AStream) {
  T value;
  AStream->ReadBuffer(&value, sizeof(T));
  return value;
}

template <typename T>
void WriteRaw(TStream* AStream, T AValue) {
  AStream->WriteBuffer(&AValue, sizeof(T));
}

[[noreturn]] void RaiseReadError() { throw EReadError(dxTranslatedResString(cxSDataReadError)); }

[[noreturn]] void RaiseWriteError() { throw EWriteError(dxTranslatedResString(cxSDataWriteError)); }

// A stored count of items of AItemSize bytes, checked against the rest of
// the stream before anything is made for it.
void CheckStoredCount(TStream* AStream, int64_t ACount, int64_t AItemSize) {
  const int64_t rest = AStream->Size() - AStream->Position();
  if (ACount < 0 || ACount > rest / AItemSize)
    throw EReadError(Format(L"%s: a stored length of %d does not fit the %d bytes left",
                            {dxTranslatedResString(cxSDataReadError), ACount, rest}));
}

std::string ReadAnsiBytes(TStream* AStream, int64_t ALength) {
  CheckStoredCount(AStream, ALength, 1);
  std::string result(static_cast<size_t>(ALength), '\0');
  AStream->ReadBuffer(result.data(), ALength);
  return result;
}

// 32-bit lengths: a text longer than that cannot be stored.
int32_t StoredLength(size_t ALength) {
  if (ALength > static_cast<size_t>(INT32_MAX)) RaiseWriteError();
  return static_cast<int32_t>(ALength);
}

}  // namespace

std::string cxReadAnsiStringFromStream(TStream* AStream) {
  return ReadAnsiBytes(AStream, cxReadIntegerFromStream(AStream));
}

void cxWriteAnsiStringToStream(TStream* AStream, const std::string& S) {
  cxWriteIntegerToStream(AStream, StoredLength(S.size()));
  AStream->WriteBuffer(S.data(), static_cast<int64_t>(S.size()));
}

String cxReadWideStringFromStream(TStream* AStream) {
  const int32_t count = cxReadIntegerFromStream(AStream);
  CheckStoredCount(AStream, count, sizeof(wchar_t));
  String result(static_cast<size_t>(count), L'\0');
  AStream->ReadBuffer(result.data(), int64_t{count} * sizeof(wchar_t));
  return result;
}

void cxWriteWideStringToStream(TStream* AStream, const String& S) {
  cxWriteIntegerToStream(AStream, StoredLength(S.size()));
  AStream->WriteBuffer(S.data(), static_cast<int64_t>(S.size() * sizeof(wchar_t)));
}

uint8_t cxReadByteFromStream(TStream* AStream) { return ReadRaw<uint8_t>(AStream); }
void cxWriteByteToStream(TStream* AStream, uint8_t AValue) { WriteRaw(AStream, AValue); }
int16_t cxReadSmallIntFromStream(TStream* AStream) { return ReadRaw<int16_t>(AStream); }
void cxWriteSmallIntToStream(TStream* AStream, int16_t AValue) { WriteRaw(AStream, AValue); }
uint16_t cxReadWordFromStream(TStream* AStream) { return ReadRaw<uint16_t>(AStream); }
void cxWriteWordToStream(TStream* AStream, uint16_t AValue) { WriteRaw(AStream, AValue); }
int32_t cxReadIntegerFromStream(TStream* AStream) { return ReadRaw<int32_t>(AStream); }
void cxWriteIntegerToStream(TStream* AStream, int32_t AValue) { WriteRaw(AStream, AValue); }
float cxReadSingleFromStream(TStream* AStream) { return ReadRaw<float>(AStream); }
void cxWriteSingleToStream(TStream* AStream, float AValue) { WriteRaw(AStream, AValue); }
int64_t cxReadInt64FromStream(TStream* AStream) { return ReadRaw<int64_t>(AStream); }
void cxWriteInt64ToStream(TStream* AStream, int64_t AValue) { WriteRaw(AStream, AValue); }
Currency cxReadCurrencyFromStream(TStream* AStream) { return Currency::FromScaled(ReadRaw<int64_t>(AStream)); }
void cxWriteCurrencyToStream(TStream* AStream, Currency AValue) { WriteRaw(AStream, AValue.Scaled()); }
TDateTime cxReadDateTimeFromStream(TStream* AStream) { return ReadRaw<double>(AStream); }
void cxWriteDateTimeToStream(TStream* AStream, TDateTime AValue) { WriteRaw(AStream, AValue); }

// long double is the processor's 80-bit extended real here; its first ten
// bytes are the value.
static_assert(sizeof(long double) >= 10 && std::numeric_limits<long double>::digits == 64,
              "the stream's reals are 80-bit extended");

double cxReadExtendedFromStream(TStream* AStream) {
  long double value = 0;
  AStream->ReadBuffer(&value, 10);
  return static_cast<double>(value);
}

void cxWriteExtendedToStream(TStream* AStream, double AValue) {
  const long double value = AValue;
  AStream->WriteBuffer(&value, 10);
}

// ---------------------------------------------------------------- the tagged value stream

namespace {

void WriteTag(TStream* AStream, TcxValueTag ATag) { cxWriteByteToStream(AStream, ATag); }

// Arrays inside arrays: deeper than this, a stream is taken as damaged
// rather than read on until the stack runs out.
constexpr int cxMaxArrayNesting = 64;

void WriteArray(TStream* AStream, const Variant& V) {
  if (VarArrayDimCount(V) != 1) RaiseWriteError();
  const int low = VarArrayLowBound(V, 1), high = VarArrayHighBound(V, 1);
  WriteTag(AStream, cxvtList);
  cxWriteStreamInteger(AStream, int64_t{high} - low + 1);
  for (int i = low; i <= high; ++i) cxWriteVariantToStream(AStream, VarArrayGet(V, {i}));
}

// The count of an array: a tagged integer and nothing else.
int64_t ReadArrayCount(TStream* AStream) {
  switch (cxReadByteFromStream(AStream)) {
    case cxvtInt8: return ReadRaw<int8_t>(AStream);
    case cxvtInt16: return cxReadSmallIntFromStream(AStream);
    case cxvtInt32: return cxReadIntegerFromStream(AStream);
    case cxvtInt64: return cxReadInt64FromStream(AStream);
    default: RaiseReadError();
  }
}

void ReadVariant(TStream* AStream, Variant& V, int ANesting);

Variant ReadArray(TStream* AStream, int ANesting) {
  if (ANesting >= cxMaxArrayNesting) RaiseReadError();
  const int64_t count = ReadArrayCount(AStream);
  // Every element takes at least its tag byte, and the bounds are 32-bit.
  CheckStoredCount(AStream, count, 1);
  if (count > INT32_MAX) RaiseReadError();
  // Each element goes straight into its place: one copy of the values.
  Variant result = VarArrayCreate({0, static_cast<int>(count) - 1}, varVariant);
  for (int i = 0; i < static_cast<int>(count); ++i) {
    Variant item;
    ReadVariant(AStream, item, ANesting + 1);
    VarArrayPut(result, std::move(item), {i});
  }
  return result;
}

Variant AnsiStringVariant(const std::string& ABytes) { return VarAsType(Variant(FromAnsi(ABytes)), varString); }

void ReadVariant(TStream* AStream, Variant& V, int ANesting) {
  V = Null();
  switch (cxReadByteFromStream(AStream)) {
    case cxvtNull: break;
    case cxvtList: V = ReadArray(AStream, ANesting); break;
    case cxvtInt8: V = VarAsType(Variant(int{ReadRaw<int8_t>(AStream)}), varShortInt); break;
    case cxvtInt16: V = VarAsType(Variant(int{cxReadSmallIntFromStream(AStream)}), varSmallint); break;
    case cxvtInt32: V = Variant(cxReadIntegerFromStream(AStream)); break;
    case cxvtExtended: V = Variant(cxReadExtendedFromStream(AStream)); break;
    case cxvtString: V = AnsiStringVariant(ReadAnsiBytes(AStream, cxReadByteFromStream(AStream))); break;
    case cxvtFalse: V = Variant(false); break;
    case cxvtTrue: V = Variant(true); break;
    case cxvtLString: V = AnsiStringVariant(cxReadAnsiStringFromStream(AStream)); break;
    case cxvtNil: V = Unassigned(); break;
    case cxvtSingle: V = VarAsType(Variant(double{cxReadSingleFromStream(AStream)}), varSingle); break;
    case cxvtCurrency: V = Variant(cxReadCurrencyFromStream(AStream)); break;
    case cxvtDate: V = VarFromDateTime(cxReadDateTimeFromStream(AStream)); break;
    case cxvtWString: V = VarAsType(Variant(cxReadWideStringFromStream(AStream)), varOleStr); break;
    case cxvtInt64: V = Variant(static_cast<long long>(cxReadInt64FromStream(AStream))); break;
    default: RaiseReadError();
  }
}

}  // namespace

void cxWriteStreamInteger(TStream* AStream, int64_t AValue) {
  if (AValue >= INT8_MIN && AValue <= INT8_MAX) {
    WriteTag(AStream, cxvtInt8);
    WriteRaw(AStream, static_cast<int8_t>(AValue));
  } else if (AValue >= INT16_MIN && AValue <= INT16_MAX) {
    WriteTag(AStream, cxvtInt16);
    cxWriteSmallIntToStream(AStream, static_cast<int16_t>(AValue));
  } else if (AValue >= INT32_MIN && AValue <= INT32_MAX) {
    WriteTag(AStream, cxvtInt32);
    cxWriteIntegerToStream(AStream, static_cast<int32_t>(AValue));
  } else {
    WriteTag(AStream, cxvtInt64);
    cxWriteInt64ToStream(AStream, AValue);
  }
}

void cxWriteStreamAnsiString(TStream* AStream, const std::string& S) {
  if (S.size() <= 255) {
    WriteTag(AStream, cxvtString);
    cxWriteByteToStream(AStream, static_cast<uint8_t>(S.size()));
    AStream->WriteBuffer(S.data(), static_cast<int64_t>(S.size()));
  } else {
    WriteTag(AStream, cxvtLString);
    cxWriteAnsiStringToStream(AStream, S);
  }
}

void cxWriteVariantToStream(TStream* AStream, const Variant& V) {
  if (VarIsArray(V)) return WriteArray(AStream, V);
  switch (VarType(V) & varTypeMask) {
    case varEmpty: WriteTag(AStream, cxvtNil); break;
    case varNull: WriteTag(AStream, cxvtNull); break;
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord: case varLongWord:
    case varInt64:
      cxWriteStreamInteger(AStream, V.AsInt64());
      break;
    case varSingle:
      WriteTag(AStream, cxvtSingle);
      cxWriteSingleToStream(AStream, static_cast<float>(V.AsDouble()));
      break;
    case varDouble:
      WriteTag(AStream, cxvtExtended);
      cxWriteExtendedToStream(AStream, V.AsDouble());
      break;
    case varCurrency:
      WriteTag(AStream, cxvtCurrency);
      cxWriteCurrencyToStream(AStream, V.AsCurrency());
      break;
    case varDate:
    case varSQLTimeStamp:  // as the date it names
      WriteTag(AStream, cxvtDate);
      cxWriteDateTimeToStream(AStream, V.AsDateTime());
      break;
    case varOleStr: case varUString:
      WriteTag(AStream, cxvtWString);
      cxWriteWideStringToStream(AStream, V.AsString());
      break;
    case varBoolean: WriteTag(AStream, V.AsBoolean() ? cxvtTrue : cxvtFalse); break;
    case varString: cxWriteStreamAnsiString(AStream, dxVariantToAnsiBytes(V)); break;
    default: {  // any other kind goes as its text
      std::string text;
      try {
        text = dxVariantToAnsiBytes(V);
      } catch (const EVariantError&) {
        RaiseWriteError();
      }
      cxWriteStreamAnsiString(AStream, text);
    }
  }
}

void cxReadVariantFromStream(TStream* AStream, Variant& V) { ReadVariant(AStream, V, 0); }
