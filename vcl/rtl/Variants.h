#pragma once
// Variant: a value of one of the framework's kinds (empty, null, integers,
// floats, currency, date, string, boolean, arrays of variants, and the
// decimals of FMTBcd.h and the time stamps of SqlTimSt.h) with the
// framework's conversions between them. Conversions from text use the
// framework's own parsing first and then the system's variant conversion
// for the user's locale.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "vcl/rtl/Currency.h"
#include "vcl/rtl/SysUtils.h"

using TVarType = uint16_t;
constexpr TVarType varEmpty = 0x0000, varNull = 0x0001, varSmallint = 0x0002,
                   varInteger = 0x0003, varSingle = 0x0004, varDouble = 0x0005,
                   varCurrency = 0x0006, varDate = 0x0007, varOleStr = 0x0008,
                   varBoolean = 0x000B, varVariant = 0x000C, varShortInt = 0x0010,
                   varByte = 0x0011, varWord = 0x0012, varLongWord = 0x0013,
                   varInt64 = 0x0014, varUInt64 = 0x0015, varString = 0x0100,
                   varUString = 0x0102, varTypeMask = 0x0FFF, varArray = 0x2000;

struct TBcd;
struct TSQLTimeStamp;

VCL_EXCEPTION(EVariantTypeCastError, EVariantError)
VCL_EXCEPTION(EVariantOverflowError, EVariantError)
VCL_EXCEPTION(EVariantInvalidOpError, EVariantError)
VCL_EXCEPTION(EVariantArrayBoundError, EVariantError)

class Variant {
public:
  Variant() = default;  // Empty
  Variant(int Value) : FType(varInteger), FInt(Value) {}
  Variant(long Value) : FType(varInteger), FInt(Value) {}
  Variant(long long Value) : FType(varInt64), FInt(Value) {}
  Variant(unsigned Value) : FType(varLongWord), FInt(Value) {}
  Variant(unsigned long long Value) : FType(varUInt64), FInt(static_cast<int64_t>(Value)) {}
  Variant(double Value) : FType(varDouble), FDouble(Value) {}
  Variant(bool Value) : FType(varBoolean), FInt(Value ? -1 : 0) {}
  Variant(Currency Value) : FType(varCurrency), FInt(Value.Scaled()) {}
  Variant(const String& Value);
  Variant(const wchar_t* Value) : Variant(String(Value ? Value : L"")) {}
  Variant(const void*) = delete;  // no silent pointer-to-boolean
  Variant(const char*) = delete;
  Variant(const Variant& Other);
  Variant(Variant&& Other) noexcept;
  Variant& operator=(const Variant& Other);
  Variant& operator=(Variant&& Other) noexcept;
  ~Variant();

  TVarType VType() const { return FType; }
  bool IsEmpty() const { return FType == varEmpty; }
  bool IsNull() const { return FType == varNull; }
  bool IsArray() const { return (FType & varArray) != 0; }

  // Conversions; Null raises EVariantTypeCastError (use VarToStr for
  // Null as an empty text), a value out of the target's range
  // EVariantOverflowError.
  int32_t AsInteger() const;
  int64_t AsInt64() const;
  uint64_t AsUInt64() const;
  double AsDouble() const;
  Currency AsCurrency() const;
  TDateTime AsDateTime() const;
  bool AsBoolean() const;
  String AsString() const;

  // The framework's comparison: numbers by value (a text compared with a
  // number is read as a number), texts by the locale, case-sensitively;
  // Null equals only Null and sorts before everything else; Empty counts as
  // zero or the empty text. EVariantTypeCastError when a text cannot be
  // read as the other's number, EVariantInvalidOpError for arrays.
  bool operator==(const Variant& Other) const;
  bool operator<(const Variant& Other) const;
  bool operator>(const Variant& Other) const { return Other < *this; }
  bool operator<=(const Variant& Other) const { return !(Other < *this); }
  bool operator>=(const Variant& Other) const { return !(*this < Other); }

private:
  struct TArray;
  friend Variant VarAsType(const Variant& V, TVarType AType);
  friend Variant VarFromDateTime(TDateTime Value);
  friend Variant Null();
  friend Variant VarArrayCreate(std::initializer_list<int> Bounds, TVarType ElementType);
  friend int VarArrayDimCount(const Variant& A);
  friend int VarArrayLowBound(const Variant& A, int Dim);
  friend int VarArrayHighBound(const Variant& A, int Dim);
  friend Variant VarArrayGet(const Variant& A, std::initializer_list<int> Indices);
  friend void VarArrayPut(Variant& A, const Variant& Value, std::initializer_list<int> Indices);
void VarArrayPut(Variant& A, Variant&& Value, std::initializer_list<int> Indices);
  friend void VarArrayPut(Variant& A, Variant&& Value, std::initializer_list<int> Indices);
  friend Variant VarFMTBcdCreate(const TBcd& ABcd);
  friend TBcd VarToBcd(const Variant& V);
  friend Variant VarSQLTimeStampCreate(const TSQLTimeStamp& AValue);
  friend TSQLTimeStamp VarToSQLTimeStamp(const Variant& V);

  struct THeap;
  static Variant OfType(TVarType AType);
  Variant ConvertedTo(TVarType AType) const;
  const TArray& ArrayData() const;
  Variant* Element(std::initializer_list<int> Indices) const;
  const String& Text() const;  // texts; the decimal text of a TBcd
  void SetText(String Value);

  TVarType FType = varEmpty;
  union {
    int64_t FInt = 0;  // integers, booleans (-1 true), currency (scaled)
    double FDouble;    // single, double, date, the date of a time stamp
  };
  // Texts and arrays live apart, so that a number (an array element, mostly)
  // takes 24 bytes. Never shared: copies copy it.
  struct THeapDeleter {
    void operator()(THeap* Heap) const;
  };
  using THeapPtr = std::unique_ptr<THeap, THeapDeleter>;
  static THeapPtr NewHeap(const THeap* Copy = nullptr);
  THeapPtr FHeap;
};

Variant Null();
Variant Unassigned();
Variant VarFromDateTime(TDateTime Value);
// V converted to AType (varInteger, varByte, varDate, varUString, ...).
Variant VarAsType(const Variant& V, TVarType AType);

inline TVarType VarType(const Variant& V) { return V.VType(); }
inline bool VarIsNull(const Variant& V) { return V.IsNull(); }
inline bool VarIsEmpty(const Variant& V) { return V.IsEmpty(); }
inline bool VarIsClear(const Variant& V) { return V.IsEmpty(); }
inline bool VarIsArray(const Variant& V) { return V.IsArray(); }
bool VarIsStr(const Variant& V);
bool VarIsOrdinal(const Variant& V);  // integers and booleans
bool VarIsFloat(const Variant& V);    // single, double, currency
bool VarIsNumeric(const Variant& V);  // ordinal or float
String VarTypeAsText(TVarType AType);  // "Integer", "Null", "UnicodeString", ...
// Text of the value; Null and Empty give the empty text.
String VarToStr(const Variant& V);
String VarToStrDef(const Variant& V, const String& ADefault);  // ADefault for Null
TDateTime VarToDateTime(const Variant& V);

// Arrays with one or more dimensions: Bounds holds a low and a high bound
// per dimension. Elements start Empty (or zero for a numeric element type).
Variant VarArrayCreate(std::initializer_list<int> Bounds, TVarType ElementType);
Variant VarArrayOf(std::initializer_list<Variant> Values);  // bounds 0..n-1
int VarArrayDimCount(const Variant& A);  // 0 for a non-array
int VarArrayLowBound(const Variant& A, int Dim);   // Dim from 1
int VarArrayHighBound(const Variant& A, int Dim);
Variant VarArrayGet(const Variant& A, std::initializer_list<int> Indices);
void VarArrayPut(Variant& A, const Variant& Value, std::initializer_list<int> Indices);
void VarArrayPut(Variant& A, Variant&& Value, std::initializer_list<int> Indices);
