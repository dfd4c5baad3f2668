#include "vcl/rtl/Variants.h"

#include <cmath>
#include <optional>
#include <string>

#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/FMTBcd.h"
#include "vcl/rtl/SqlTimSt.h"
#include "vcl/rtl/WinApi.h"

#include <oleauto.h>

struct Variant::TArray {
  TVarType ElementType;
  std::vector<std::pair<int, int>> Bounds;  // low, high per dimension
  std::vector<Variant> Items;               // the first dimension varies fastest
};

struct Variant::THeap {
  String Text;
  std::optional<TArray> Array;
};

void Variant::THeapDeleter::operator()(THeap* Heap) const { delete Heap; }

Variant::THeapPtr Variant::NewHeap(const THeap* Copy) { return THeapPtr(Copy ? new THeap(*Copy) : new THeap()); }

namespace {
bool IsStringType(TVarType T) { return T == varOleStr || T == varString || T == varUString; }
bool IsIntegerType(TVarType T) {
  switch (T) {
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord:
    case varLongWord: case varInt64: case varUInt64: return true;
    default: return false;
  }
}
bool IsFloatType(TVarType T) { return T == varSingle || T == varDouble || T == varCurrency; }

[[noreturn]] void CastError(TVarType From, TVarType To) {
  throw EVariantTypeCastError(Format(L"Could not convert variant of type (%s) into type (%s)",
                                     {VarTypeAsText(From), VarTypeAsText(To)}));
}

// The system's variant kind for each of ours (text kinds all become BSTR).
VARTYPE OleType(TVarType T) { return IsStringType(T) ? VARTYPE(VT_BSTR) : VARTYPE(T); }

// A system VARIANT that clears itself.
struct TOleVariant {
  VARIANT V;
  TOleVariant() { VariantInit(&V); }
  ~TOleVariant() { VariantClear(&V); }
  TOleVariant(const TOleVariant&) = delete;
  TOleVariant& operator=(const TOleVariant&) = delete;
};
}  // namespace

// ---------------------------------------------------------------- life time

Variant::Variant(const String& Value) : FType(varUString) { SetText(Value); }

Variant::Variant(const Variant& Other)
    : FType(Other.FType), FInt(Other.FInt), FHeap(Other.FHeap ? NewHeap(Other.FHeap.get()) : nullptr) {}

Variant::Variant(Variant&& Other) noexcept = default;
Variant& Variant::operator=(Variant&& Other) noexcept = default;
Variant::~Variant() = default;

Variant& Variant::operator=(const Variant& Other) {
  if (this != &Other) {
    Variant copy(Other);
    *this = std::move(copy);
  }
  return *this;
}

const String& Variant::Text() const {
  static const String none;
  return FHeap ? FHeap->Text : none;
}

void Variant::SetText(String Value) {
  if (!FHeap) FHeap = NewHeap();
  FHeap->Text = std::move(Value);
}

Variant Variant::OfType(TVarType AType) {
  Variant v;
  v.FType = AType;
  return v;
}

Variant Null() { return Variant::OfType(varNull); }
Variant Unassigned() { return Variant(); }

Variant VarFromDateTime(TDateTime Value) {
  Variant v = Variant::OfType(varDate);
  v.FDouble = Value;
  return v;
}

// ---------------------------------------------------------------- conversion

String VarTypeAsText(TVarType AType) {
  static const wchar_t* const names[] = {
      L"Empty", L"Null", L"Smallint", L"Integer", L"Single", L"Double", L"Currency", L"Date",
      L"OleStr", L"Dispatch", L"Error", L"Boolean", L"Variant", L"Unknown", L"Decimal", L"$0F",
      L"ShortInt", L"Byte", L"Word", L"LongWord", L"Int64", L"UInt64"};
  const TVarType base = AType & varTypeMask;
  String text;
  if (base < sizeof(names) / sizeof(names[0]))
    text = names[base];
  else if (base == varString)
    text = L"String";
  else if (base == varUString)
    text = L"UnicodeString";
  else if (base == varFMTBcd)
    text = L"FMTBcd";
  else if (base == varSQLTimeStamp)
    text = L"SQLTimeStamp";
  else
    text = L"$" + IntToHex(base, 4);
  return AType & varArray ? L"Array " + text : text;
}

namespace {
String TextOf(const Variant& V, TVarType T) {
  if (T == varUInt64) return FromUtf8(std::to_string(V.AsUInt64()));
  if (IsIntegerType(T)) return IntToStr(V.AsInt64());
  switch (T) {
    case varEmpty: return String();
    case varSingle:
    case varDouble: return FloatToStr(V.AsDouble());
    case varCurrency: return CurrToStr(V.AsCurrency());
    case varDate: return DateTimeToStr(V.AsDateTime());
    case varBoolean: return V.AsBoolean() ? L"True" : L"False";
    default: CastError(T, varUString);
  }
}
}  // namespace

// Converts through the system's variant conversion; text goes in as a
// BSTR. Overflow and mismatch raise the framework's variant errors.
Variant Variant::ConvertedTo(TVarType AType) const {
  if (FType == AType) return *this;
  if (IsArray() || (AType & varArray)) CastError(FType, AType);
  if (FType == varNull) {
    if (AType == varNull) return *this;
    CastError(FType, AType);
  }
  // Decimals convert through their text, both ways.
  if (FType == varFMTBcd) return Variant(BcdToStr(VarToBcd(*this))).ConvertedTo(AType);
  if (AType == varFMTBcd) return VarFMTBcdCreate(VarToBcd(*this));
  // Time stamps convert through the date they name, both ways.
  if (FType == varSQLTimeStamp) return VarFromDateTime(FDouble).ConvertedTo(AType);
  if (AType == varSQLTimeStamp) return VarSQLTimeStampCreate(DateTimeToSQLTimeStamp(AsDateTime()));
  if (IsStringType(AType)) {
    Variant v = OfType(AType);
    v.SetText(IsStringType(FType) ? Text() : TextOf(*this, FType));
    return v;
  }
  if (AType == varEmpty || AType == varNull) return OfType(AType);
  // Infinities and NaN are singles as well; the system's conversion calls
  // them an overflow.
  if (AType == varSingle && (FType == varDouble || FType == varSingle) && !std::isfinite(FDouble)) {
    Variant v = OfType(varSingle);
    v.FDouble = FDouble;
    return v;
  }
  // The framework's own reading of text first, then the system's.
  if (IsStringType(FType)) {
    double number;
    int64_t integer;
    Currency amount;
    if (IsIntegerType(AType) && TryStrToInt64(Text(), integer)) return Variant(static_cast<long long>(integer)).ConvertedTo(AType);
    if (IsFloatType(AType) && AType != varCurrency && TryStrToFloat(Text(), number)) return Variant(number).ConvertedTo(AType);
    if (AType == varCurrency && TryStrToCurr(Text(), amount)) return Variant(amount);
    if (AType == varBoolean && (SameText(Text(), L"True") || SameText(Text(), L"False")))
      return Variant(SameText(Text(), L"True"));
  }
  TOleVariant source, target;
  source.V.vt = IsStringType(FType) ? VARTYPE(VT_BSTR) : OleType(FType);
  switch (FType) {
    case varEmpty: break;
    case varSingle: source.V.fltVal = static_cast<float>(FDouble); break;
    case varDouble: source.V.dblVal = FDouble; break;
    case varDate: source.V.date = FDouble; break;
    case varCurrency: source.V.cyVal.int64 = FInt; break;
    case varBoolean: source.V.boolVal = FInt ? VARIANT_TRUE : VARIANT_FALSE; break;
    case varOleStr: case varString: case varUString:
      source.V.bstrVal = SysAllocStringLen(Text().data(), static_cast<UINT>(Text().size()));
      if (!source.V.bstrVal) throw EOutOfMemory(L"Out of memory");
      break;
    default:  // integers travel as 64-bit values, which every target accepts
      source.V.vt = FType == varUInt64 ? VT_UI8 : VT_I8;
      source.V.llVal = FInt;
  }
  const HRESULT hr = VariantChangeTypeEx(&target.V, &source.V, LOCALE_USER_DEFAULT, 0, OleType(AType));
  if (hr == DISP_E_OVERFLOW) throw EVariantOverflowError(L"Variant overflow");
  if (FAILED(hr)) CastError(FType, AType);
  Variant v = OfType(AType);
  switch (AType) {
    case varSmallint: v.FInt = target.V.iVal; break;
    case varInteger: v.FInt = target.V.lVal; break;
    case varShortInt: v.FInt = target.V.cVal; break;
    case varByte: v.FInt = target.V.bVal; break;
    case varWord: v.FInt = target.V.uiVal; break;
    case varLongWord: v.FInt = target.V.ulVal; break;
    case varInt64: v.FInt = target.V.llVal; break;
    case varUInt64: v.FInt = static_cast<int64_t>(target.V.ullVal); break;
    case varSingle: v.FDouble = target.V.fltVal; break;
    case varDouble: v.FDouble = target.V.dblVal; break;
    case varDate: v.FDouble = target.V.date; break;
    case varCurrency: v.FInt = target.V.cyVal.int64; break;
    case varBoolean: v.FInt = target.V.boolVal ? -1 : 0; break;
    default: CastError(FType, AType);
  }
  return v;
}

Variant VarAsType(const Variant& V, TVarType AType) { return V.ConvertedTo(AType); }

int32_t Variant::AsInteger() const { return static_cast<int32_t>(ConvertedTo(varInteger).FInt); }
int64_t Variant::AsInt64() const {
  if (IsIntegerType(FType) && FType != varUInt64) return FInt;
  if (FType == varUInt64 && FInt < 0) throw EVariantOverflowError(L"Variant overflow");
  return ConvertedTo(varInt64).FInt;
}
uint64_t Variant::AsUInt64() const {
  if (FType == varUInt64) return static_cast<uint64_t>(FInt);
  if (IsIntegerType(FType) && FInt < 0) throw EVariantOverflowError(L"Variant overflow");
  if (IsIntegerType(FType)) return static_cast<uint64_t>(FInt);
  return static_cast<uint64_t>(ConvertedTo(varUInt64).FInt);
}
double Variant::AsDouble() const {
  if (FType == varDouble || FType == varSingle) return FDouble;
  return ConvertedTo(varDouble).FDouble;
}
Currency Variant::AsCurrency() const { return Currency::FromScaled(ConvertedTo(varCurrency).FInt); }
TDateTime Variant::AsDateTime() const {
  if (FType == varDate) return FDouble;
  if (IsStringType(FType)) {
    // The system's reading of dates first, as the framework does; then its own.
    try {
      return ConvertedTo(varDate).FDouble;
    } catch (const EVariantTypeCastError&) {
      TDateTime value;
      if (TryStrToDateTime(Text(), value)) return value;
      throw;
    }
  }
  return ConvertedTo(varDate).FDouble;
}
bool Variant::AsBoolean() const {
  if (FType == varBoolean) return FInt != 0;
  return ConvertedTo(varBoolean).FInt != 0;
}
String Variant::AsString() const { return ConvertedTo(varUString).Text(); }

bool VarIsStr(const Variant& V) { return IsStringType(V.VType()); }
bool VarIsOrdinal(const Variant& V) { return IsIntegerType(V.VType()) || V.VType() == varBoolean; }
bool VarIsFloat(const Variant& V) { return IsFloatType(V.VType()); }
bool VarIsNumeric(const Variant& V) { return VarIsOrdinal(V) || VarIsFloat(V); }

String VarToStr(const Variant& V) { return V.IsNull() ? String() : V.AsString(); }
String VarToStrDef(const Variant& V, const String& ADefault) {
  return V.IsNull() ? ADefault : V.AsString();
}
TDateTime VarToDateTime(const Variant& V) { return V.AsDateTime(); }

// ---------------------------------------------------------------- comparison

namespace {
// -1, 0 or 1 for two non-null, non-array values.
int CompareValues(const Variant& A, const Variant& B) {
  const TVarType a = A.VType(), b = B.VType();
  if (a == varEmpty && b == varEmpty) return 0;
  if (a == varFMTBcd && b == varFMTBcd) return BcdCompare(VarToBcd(A), VarToBcd(B));
  if (IsStringType(a) && IsStringType(b)) {
    const int c = AnsiCompareStr(A.AsString(), B.AsString());
    return c < 0 ? -1 : c > 0;
  }
  if ((a == varEmpty && IsStringType(b)) || (IsStringType(a) && b == varEmpty))
    return A.AsString().empty() == B.AsString().empty() ? 0 : (a == varEmpty ? -1 : 1);
  if ((IsIntegerType(a) || a == varEmpty || a == varBoolean) &&
      (IsIntegerType(b) || b == varEmpty || b == varBoolean)) {
    // Exactly, unsigned 64-bit values above the signed range included.
    const auto exact = [](const Variant& V) -> __int128 {
      return V.VType() == varUInt64 ? __int128{V.AsUInt64()} : __int128{V.AsInt64()};
    };
    const __int128 x = exact(A), y = exact(B);
    return x < y ? -1 : x > y;
  }
  const double x = A.AsDouble(), y = B.AsDouble();
  return x < y ? -1 : x > y;
}

void CheckComparable(const Variant& A, const Variant& B) {
  if (A.IsArray() || B.IsArray()) throw EVariantInvalidOpError(L"Invalid variant operation");
}
}  // namespace

bool Variant::operator==(const Variant& Other) const {
  CheckComparable(*this, Other);
  if (IsNull() || Other.IsNull()) return IsNull() && Other.IsNull();
  return CompareValues(*this, Other) == 0;
}

bool Variant::operator<(const Variant& Other) const {
  CheckComparable(*this, Other);
  if (IsNull() || Other.IsNull()) return IsNull() && !Other.IsNull();
  return CompareValues(*this, Other) < 0;
}

// ---------------------------------------------------------------- arrays

Variant VarArrayCreate(std::initializer_list<int> Bounds, TVarType ElementType) {
  if (Bounds.size() == 0 || Bounds.size() % 2 != 0)
    throw EVariantArrayBoundError(L"Variant array bounds must come in pairs");
  Variant::TArray data;
  data.ElementType = ElementType;
  size_t count = 1;
  for (auto it = Bounds.begin(); it != Bounds.end(); it += 2) {
    if (it[1] < it[0] - 1) throw EVariantArrayBoundError(L"Variant array bounds error");
    data.Bounds.emplace_back(it[0], it[1]);
    count *= static_cast<size_t>(it[1] - it[0] + 1);
  }
  // Elements start empty: no value, an empty string, or zero.
  const Variant initial = ElementType == varVariant ? Variant()
                          : IsStringType(ElementType) ? Variant(String()).ConvertedTo(ElementType)
                                                      : Variant(0).ConvertedTo(ElementType);
  data.Items.assign(count, initial);
  Variant v = Variant::OfType(varArray | ElementType);
  v.FHeap = Variant::NewHeap();
  v.FHeap->Array = std::move(data);
  return v;
}

Variant VarArrayOf(std::initializer_list<Variant> Values) {
  Variant a = VarArrayCreate({0, static_cast<int>(Values.size()) - 1}, varVariant);
  int i = 0;
  for (const Variant& value : Values) VarArrayPut(a, value, {i++});
  return a;
}

const Variant::TArray& Variant::ArrayData() const {
  if (!FHeap || !FHeap->Array) throw EVariantInvalidOpError(L"Variant is not an array");
  return *FHeap->Array;
}

int VarArrayDimCount(const Variant& A) {
  return A.IsArray() ? static_cast<int>(A.ArrayData().Bounds.size()) : 0;
}

int VarArrayLowBound(const Variant& A, int Dim) {
  const auto& bounds = A.ArrayData().Bounds;
  if (Dim < 1 || Dim > static_cast<int>(bounds.size()))
    throw EVariantArrayBoundError(L"Variant array bounds error");
  return bounds[Dim - 1].first;
}

int VarArrayHighBound(const Variant& A, int Dim) {
  const auto& bounds = A.ArrayData().Bounds;
  if (Dim < 1 || Dim > static_cast<int>(bounds.size()))
    throw EVariantArrayBoundError(L"Variant array bounds error");
  return bounds[Dim - 1].second;
}

Variant* Variant::Element(std::initializer_list<int> Indices) const {
  const TArray& data = ArrayData();
  if (Indices.size() != data.Bounds.size())
    throw EVariantArrayBoundError(L"Variant array bounds error");
  size_t offset = 0, stride = 1;
  auto index = Indices.begin();
  for (const auto& [low, high] : data.Bounds) {
    if (*index < low || *index > high) throw EVariantArrayBoundError(L"Variant array bounds error");
    offset += static_cast<size_t>(*index - low) * stride;
    stride *= static_cast<size_t>(high - low + 1);
    ++index;
  }
  return &FHeap->Array->Items[offset];
}

Variant VarArrayGet(const Variant& A, std::initializer_list<int> Indices) {
  return *A.Element(Indices);
}

void VarArrayPut(Variant& A, const Variant& Value, std::initializer_list<int> Indices) {
  Variant* element = A.Element(Indices);
  const TVarType type = A.ArrayData().ElementType;
  *element = type == varVariant ? Value : Value.ConvertedTo(type);
}

void VarArrayPut(Variant& A, Variant&& Value, std::initializer_list<int> Indices) {
  Variant* element = A.Element(Indices);
  const TVarType type = A.ArrayData().ElementType;
  if (type == varVariant)
    *element = std::move(Value);
  else
    *element = Value.ConvertedTo(type);
}
