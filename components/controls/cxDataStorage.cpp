#include "components/controls/cxDataStorage.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <type_traits>

#include "components/controls/cxDataConsts.h"
#include "components/controls/cxVariants.h"
#include "components/core/dxCore.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/WinApi.h"

// ---------------------------------------------------------------- slots

namespace {

template <typename T>
T ReadSlot(const void* ASlot) {
  T value;
  std::memcpy(&value, ASlot, sizeof(T));
  return value;
}

template <typename T>
void WriteSlot(void* ASlot, T AValue) {
  std::memcpy(ASlot, &AValue, sizeof(T));
}

// -1, 0 or 1. Reals that are no numbers sort after every number and equal
// each other, so that the order stays total.
template <typename T>
int CompareOrdered(T A, T B) {
  if constexpr (std::is_floating_point_v<T>) {
    if (std::isnan(A) || std::isnan(B)) return std::isnan(A) - std::isnan(B);
  }
  return A < B ? -1 : B < A ? 1 : 0;
}

// The heap object a slot of a variable-length kind points to.
template <typename T>
T* HeapValue(const void* AValue) {
  return static_cast<T*>(const_cast<void*>(AValue));
}

template <typename T>
T*& HeapSlot(void* AField) {
  return *static_cast<T**>(AField);
}

// Null first, then ACompare of the two heap values.
template <typename T, typename TCompare>
int CompareHeapValues(const void* AValue1, const void* AValue2, TCompare ACompare) {
  if (!AValue1 || !AValue2) return (AValue1 != nullptr) - (AValue2 != nullptr);
  return ACompare(*HeapValue<T>(AValue1), *HeapValue<T>(AValue2));
}

template <typename T>
void DisposeHeapSlot(void* AField) {
  delete HeapSlot<T>(AField);
  HeapSlot<T>(AField) = nullptr;
}

// Null empties the slot; anything else is stored in the heap object, made
// on first store.
template <typename T>
void StoreHeapValue(void* AField, const Variant& AValue, T AContent) {
  if (VarIsNull(AValue)) return DisposeHeapSlot<T>(AField);
  T*& slot = HeapSlot<T>(AField);
  if (slot)
    *slot = std::move(AContent);
  else
    slot = new T(std::move(AContent));
}

int Ordinal(int ACompareResult) { return ACompareResult < 0 ? -1 : ACompareResult > 0 ? 1 : 0; }

// Text of a string value type in the stream's text form.
String ReadText(TcxDataStream* AStream) {
  return AStream->WideStrings() ? cxReadWideStringFromStream(AStream)
                                : dxAnsiToWideCodePage(cxReadAnsiStringFromStream(AStream), CP_ACP);
}

void WriteText(TcxDataStream* AStream, const String& AText) {
  if (AStream->WideStrings())
    cxWriteWideStringToStream(AStream, AText);
  else
    cxWriteAnsiStringToStream(AStream, dxWideToAnsiCodePage(AText, CP_ACP));
}

}  // namespace

// ---------------------------------------------------------------- TcxValueType

int TcxValueType::CompareData(const void* AField1, const void* AField2) const {
  return CompareValues(PrepareValueBuffer(AField1), PrepareValueBuffer(AField2));
}

String TcxValueType::GetDisplayText(const void* AValue) const {
  try {
    return VarToStr(GetValue(AValue));
  } catch (const EVariantError&) {
    return String();
  }
}

void TcxValueType::ReadValueFromStream(void* AField, TcxDataStream* AStream) const {
  Variant value;
  cxReadVariantFromStream(AStream, value);
  StoreValue(AField, value);
}

void TcxValueType::WriteValueToStream(const void* AValue, TcxDataStream* AStream) const {
  cxWriteVariantToStream(AStream, GetValue(AValue));
}

void TcxValueType::DisposeDisplayText(String*& AText) {
  delete AText;
  AText = nullptr;
}

void TcxValueType::StoreDisplayText(String*& AText, const String& S) {
  if (AText)
    *AText = S;
  else
    AText = new String(S);
}

void TcxValueType::ReadDisplayTextFromStream(String*& AText, TcxDataStream* AStream) {
  StoreDisplayText(AText, ReadText(AStream));
}

void TcxValueType::WriteDisplayTextToStream(const String* AText, TcxDataStream* AStream) {
  WriteText(AStream, GetStoredDisplayText(AText));
}

String TcxValueType::Caption() const {
  String result = ClassName();
  if (result.compare(0, 3, L"Tcx") == 0) result.erase(0, 3);
  const size_t pos = result.find(L"ValueType");
  if (pos != String::npos) result.erase(pos, 9);
  return result;
}

int TcxValueType::CompareValues(const void* AValue1, const void* AValue2) const {
  return cxVarCompare(GetValue(AValue1), GetValue(AValue2));
}

Variant TcxValueType::GetValue(const void* AValue) const {
  Variant result;
  LoadValue(AValue, result);
  return result;
}

bool TcxValueType::IsValueValid(Variant& AValue) const {
  if (VarIsNull(AValue) || GetVarType() == varVariant) return true;
  try {
    AValue = VarAsType(AValue, GetVarType());
    return true;
  } catch (const EVariantError&) {
    return false;
  }
}

const void* TcxHeapValueType::PrepareValueBuffer(const void* AField) const { return ReadSlot<const void*>(AField); }

// ---------------------------------------------------------------- strings

int TcxStringValueType::CompareValues(const void* AValue1, const void* AValue2) const {
  return CompareHeapValues<String>(AValue1, AValue2,
                                   [](const String& A, const String& B) { return Ordinal(CompareStr(A, B)); });
}

void TcxStringValueType::DisposeBuffer(void* AField) const { DisposeHeapSlot<String>(AField); }

void TcxStringValueType::LoadValue(const void* AValue, Variant& AResult) const {
  AResult = AValue ? Variant(*HeapValue<String>(AValue)) : Null();
}

void TcxStringValueType::StoreValue(void* AField, const Variant& AValue) const {
  StoreHeapValue<String>(AField, AValue, VarToStr(AValue));
}

void TcxStringValueType::ReadValueFromStream(void* AField, TcxDataStream* AStream) const {
  StoreValue(AField, Variant(ReadText(AStream)));
}

void TcxStringValueType::WriteValueToStream(const void* AValue, TcxDataStream* AStream) const {
  WriteText(AStream, AValue ? *HeapValue<String>(AValue) : String());
}

// The block of a wide string: its character count, then the characters.
namespace {

String WideBlockText(const void* ABlock) {
  const auto* bytes = static_cast<const uint8_t*>(ABlock);
  const int32_t count = ReadSlot<int32_t>(bytes);
  String result(static_cast<size_t>(count), L'\0');
  std::memcpy(result.data(), bytes + sizeof(int32_t), result.size() * sizeof(wchar_t));
  return result;
}

void DisposeWideBlock(void* AField) {
  ::operator delete(HeapSlot<void>(AField));
  HeapSlot<void>(AField) = nullptr;
}

}  // namespace

int TcxWideStringValueType::CompareValues(const void* AValue1, const void* AValue2) const {
  if (!AValue1 || !AValue2) return (AValue1 != nullptr) - (AValue2 != nullptr);
  return Ordinal(WideBlockText(AValue1).compare(WideBlockText(AValue2)));
}

void TcxWideStringValueType::DisposeBuffer(void* AField) const { DisposeWideBlock(AField); }

void TcxWideStringValueType::LoadValue(const void* AValue, Variant& AResult) const {
  AResult = AValue ? VarAsType(Variant(WideBlockText(AValue)), varOleStr) : Null();
}

void TcxWideStringValueType::StoreValue(void* AField, const Variant& AValue) const {
  // The text first: a value that is no text leaves the old block in place.
  const String text = VarIsNull(AValue) ? String() : AValue.AsString();
  DisposeWideBlock(AField);
  if (VarIsNull(AValue)) return;
  const int32_t count = static_cast<int32_t>(text.size());
  auto* block = static_cast<uint8_t*>(::operator new(sizeof(int32_t) + text.size() * sizeof(wchar_t)));
  WriteSlot(block, count);
  std::memcpy(block + sizeof(int32_t), text.data(), text.size() * sizeof(wchar_t));
  HeapSlot<void>(AField) = block;
}

void TcxWideStringValueType::ReadValueFromStream(void* AField, TcxDataStream* AStream) const {
  StoreValue(AField, Variant(cxReadWideStringFromStream(AStream)));
}

void TcxWideStringValueType::WriteValueToStream(const void* AValue, TcxDataStream* AStream) const {
  cxWriteWideStringToStream(AStream, AValue ? WideBlockText(AValue) : String());
}

// ---------------------------------------------------------------- values in the slot

namespace {

template <TVarType AVarType, typename T>
Variant FixedToVariant(T AValue) {
  if constexpr (AVarType == varBoolean) return Variant(AValue != 0);
  else if constexpr (AVarType == varCurrency) return Variant(Currency::FromScaled(AValue));
  else if constexpr (AVarType == varDate) return VarFromDateTime(AValue);
  else if constexpr (AVarType == varDouble) return Variant(AValue);
  else if constexpr (AVarType == varSingle) return VarAsType(Variant(double{AValue}), varSingle);
  else return VarAsType(Variant(static_cast<long long>(AValue)), AVarType);
}

template <TVarType AVarType, typename T>
T VariantToFixed(const Variant& AValue) {
  if constexpr (AVarType == varBoolean) return AValue.AsBoolean() ? 1 : 0;
  else if constexpr (AVarType == varCurrency) return AValue.AsCurrency().Scaled();
  else if constexpr (AVarType == varDate) return AValue.AsDateTime();
  else if constexpr (std::is_floating_point_v<T>) return static_cast<T>(AValue.AsDouble());
  else return static_cast<T>(AValue.AsInt64());  // kept to the slot's width
}

}  // namespace

template <typename T, TVarType AVarType>
int TcxFixedValueType<T, AVarType>::CompareValues(const void* AValue1, const void* AValue2) const {
  return CompareOrdered(ReadSlot<T>(AValue1), ReadSlot<T>(AValue2));
}

template <typename T, TVarType AVarType>
void TcxFixedValueType<T, AVarType>::LoadValue(const void* AValue, Variant& AResult) const {
  AResult = FixedToVariant<AVarType>(ReadSlot<T>(AValue));
}

template <typename T, TVarType AVarType>
void TcxFixedValueType<T, AVarType>::StoreValue(void* AField, const Variant& AValue) const {
  WriteSlot(AField, VariantToFixed<AVarType, T>(AValue));
}

template <typename T, TVarType AVarType>
void TcxFixedValueType<T, AVarType>::ReadValueFromStream(void* AField, TcxDataStream* AStream) const {
  T value;
  AStream->ReadBuffer(&value, sizeof(T));
  if constexpr (AVarType == varBoolean) value = value != 0;
  WriteSlot(AField, value);
}

template <typename T, TVarType AVarType>
void TcxFixedValueType<T, AVarType>::WriteValueToStream(const void* AValue, TcxDataStream* AStream) const {
  const T value = ReadSlot<T>(AValue);
  AStream->WriteBuffer(&value, sizeof(T));
}

template class TcxFixedValueType<int16_t, varSmallint>;
template class TcxFixedValueType<int32_t, varInteger>;
template class TcxFixedValueType<uint16_t, varWord>;
template class TcxFixedValueType<uint8_t, varBoolean>;
template class TcxFixedValueType<float, varSingle>;
template class TcxFixedValueType<double, varDouble>;
template class TcxFixedValueType<int64_t, varCurrency>;
template class TcxFixedValueType<double, varDate>;
template class TcxFixedValueType<int64_t, varInt64>;

String TcxBooleanValueType::GetDisplayText(const void* AValue) const {
  try {
    return BoolToStr(GetValue(AValue).AsBoolean(), true);
  } catch (const EVariantError&) {
    return String();
  }
}

void TcxFloatValueType::ReadValueFromStream(void* AField, TcxDataStream* AStream) const {
  WriteSlot(AField, cxReadExtendedFromStream(AStream));
}

void TcxFloatValueType::WriteValueToStream(const void* AValue, TcxDataStream* AStream) const {
  cxWriteExtendedToStream(AStream, ReadSlot<double>(AValue));
}

TDateTime TcxDateTimeValueType::BufferToDateTime(const void* AValue) { return ReadSlot<double>(AValue); }

String TcxDateTimeValueType::GetDisplayText(const void* AValue) const {
  try {
    return GetValue(AValue).AsString();
  } catch (const EVariantError&) {
    return DateTimeToStr(BufferToDateTime(AValue), FormatSettings);
  }
}

// ---------------------------------------------------------------- decimals

int TcxFMTBcdValueType::CompareValues(const void* AValue1, const void* AValue2) const {
  return BcdCompare(ReadSlot<TBcd>(AValue1), ReadSlot<TBcd>(AValue2));
}

// The value's own digits, in the shortest form.
String TcxFMTBcdValueType::GetDisplayText(const void* AValue) const { return BcdToStr(ReadSlot<TBcd>(AValue)); }

void TcxFMTBcdValueType::LoadValue(const void* AValue, Variant& AResult) const {
  AResult = VarFMTBcdCreate(ReadSlot<TBcd>(AValue));
}

void TcxFMTBcdValueType::StoreValue(void* AField, const Variant& AValue) const { WriteSlot(AField, VarToBcd(AValue)); }

// ---------------------------------------------------------------- time stamps

// Field by field: the year as the signed number it is, the other fields as
// unsigned ones, without differences that could wrap.
int TcxSQLTimeStampValueType::CompareValues(const void* AValue1, const void* AValue2) const {
  const TSQLTimeStamp a = ReadSlot<TSQLTimeStamp>(AValue1), b = ReadSlot<TSQLTimeStamp>(AValue2);
  const int64_t fields1[] = {a.Year, a.Month, a.Day, a.Hour, a.Minute, a.Second, a.Fractions};
  const int64_t fields2[] = {b.Year, b.Month, b.Day, b.Hour, b.Minute, b.Second, b.Fractions};
  for (size_t i = 0; i < std::size(fields1); ++i)
    if (const int result = CompareOrdered(fields1[i], fields2[i])) return result;
  return 0;
}

void TcxSQLTimeStampValueType::LoadValue(const void* AValue, Variant& AResult) const {
  AResult = VarSQLTimeStampCreate(ReadSlot<TSQLTimeStamp>(AValue));
}

void TcxSQLTimeStampValueType::StoreValue(void* AField, const Variant& AValue) const {
  WriteSlot(AField, VarToSQLTimeStamp(AValue));
}

namespace {
[[noreturn]] void RaiseDataReadError() { throw EReadError(dxTranslatedResString(cxSDataReadError)); }
}  // namespace

// A date outside the calendar is refused here rather than stored as a time
// stamp that can never be loaded again.
void TcxSQLTimeStampValueType::ReadValueFromStream(void* AField, TcxDataStream* AStream) const {
  Variant value;
  cxReadVariantFromStream(AStream, value);
  if (VarIsNull(value) || !IsSQLTimeStampDate(value.AsDateTime())) RaiseDataReadError();
  StoreValue(AField, value);
}

// ---------------------------------------------------------------- variants

int TcxVariantValueType::CompareValues(const void* AValue1, const void* AValue2) const {
  return CompareHeapValues<Variant>(AValue1, AValue2, cxVarCompare);
}

void TcxVariantValueType::DisposeBuffer(void* AField) const { DisposeHeapSlot<Variant>(AField); }

void TcxVariantValueType::LoadValue(const void* AValue, Variant& AResult) const {
  AResult = AValue ? *HeapValue<Variant>(AValue) : Null();
}

void TcxVariantValueType::StoreValue(void* AField, const Variant& AValue) const {
  Variant*& slot = HeapSlot<Variant>(AField);
  if (slot)
    *slot = AValue;
  else
    slot = new Variant(AValue);
}

// ---------------------------------------------------------------- objects

int TcxObjectValueType::CompareValues(const void* AValue1, const void* AValue2) const {
  return CompareOrdered(ReadSlot<intptr_t>(AValue1), ReadSlot<intptr_t>(AValue2));
}

void TcxObjectValueType::DisposeBuffer(void* AField) const { DisposeHeapSlot<TObject>(AField); }

void TcxObjectValueType::LoadValue(const void* AValue, Variant& AResult) const {
  AResult = VarAsType(Variant(static_cast<long long>(ReadSlot<intptr_t>(AValue))), GetVarType());
}

void TcxObjectValueType::StoreValue(void* AField, const Variant& AValue) const {
  WriteSlot(AField, static_cast<intptr_t>(AValue.AsInt64()));
}

// ---------------------------------------------------------------- BLOBs

int TcxBLOBValueType::CompareValues(const void* AValue1, const void* AValue2) const {
  return CompareHeapValues<std::string>(
      AValue1, AValue2, [](const std::string& A, const std::string& B) { return Ordinal(A.compare(B)); });
}

void TcxBLOBValueType::DisposeBuffer(void* AField) const { DisposeHeapSlot<std::string>(AField); }

void TcxBLOBValueType::LoadValue(const void* AValue, Variant& AResult) const {
  AResult = AValue ? VarAsType(Variant(FromAnsi(*HeapValue<std::string>(AValue))), varString) : Null();
}

void TcxBLOBValueType::StoreValue(void* AField, const Variant& AValue) const {
  StoreHeapValue<std::string>(AField, AValue, VarIsNull(AValue) ? std::string() : dxVariantToAnsiBytes(AValue));
}

void TcxBLOBValueType::ReadValueFromStream(void* AField, TcxDataStream* AStream) const {
  std::string bytes = cxReadAnsiStringFromStream(AStream);
  std::string*& slot = HeapSlot<std::string>(AField);
  if (slot)
    *slot = std::move(bytes);
  else
    slot = new std::string(std::move(bytes));
}

void TcxBLOBValueType::WriteValueToStream(const void* AValue, TcxDataStream* AStream) const {
  cxWriteAnsiStringToStream(AStream, AValue ? *HeapValue<std::string>(AValue) : std::string());
}

// ---------------------------------------------------------------- the class list

void TcxValueTypeClassList::RegisterItem(TcxValueTypeClass AValueTypeClass) {
  if (std::find(FItems.begin(), FItems.end(), AValueTypeClass) == FItems.end()) FItems.push_back(AValueTypeClass);
}

void TcxValueTypeClassList::UnregisterItem(TcxValueTypeClass AValueTypeClass) {
  std::erase(FItems, AValueTypeClass);
}

TcxValueTypeClass TcxValueTypeClassList::Items(int AIndex) const {
  if (AIndex < 0 || AIndex >= Count()) throw EListError(Format(L"List index out of bounds (%d)", {AIndex}));
  return FItems[AIndex];
}

TcxValueTypeClass TcxValueTypeClassList::ItemByCaption(const String& ACaption) const {
  for (TcxValueTypeClass item : FItems)
    if (item->Caption() == ACaption) return item;
  return nullptr;
}

namespace {

std::unique_ptr<TcxValueTypeClassList> GValueTypeClassList;
bool GValueTypeClassListFinalized = false;

// The built-in types in the order they are registered.
const std::vector<TcxValueTypeClass>& BuiltInValueTypes() {
  static const std::vector<TcxValueTypeClass> types{
      cxValueTypeClass<TcxStringValueType>(),   cxValueTypeClass<TcxWideStringValueType>(),
      cxValueTypeClass<TcxSmallintValueType>(), cxValueTypeClass<TcxIntegerValueType>(),
      cxValueTypeClass<TcxWordValueType>(),     cxValueTypeClass<TcxBooleanValueType>(),
      cxValueTypeClass<TcxSingleValueType>(),   cxValueTypeClass<TcxFloatValueType>(),
      cxValueTypeClass<TcxCurrencyValueType>(), cxValueTypeClass<TcxDateTimeValueType>(),
      cxValueTypeClass<TcxLargeIntValueType>(), cxValueTypeClass<TcxFMTBcdValueType>(),
      cxValueTypeClass<TcxSQLTimeStampValueType>(), cxValueTypeClass<TcxVariantValueType>(),
      cxValueTypeClass<TcxObjectValueType>(),   cxValueTypeClass<TcxBLOBValueType>()};
  return types;
}

void Initialize() {
  GValueTypeClassListFinalized = false;
  for (TcxValueTypeClass type : BuiltInValueTypes()) cxValueTypeClassList()->RegisterItem(type);
}

void Finalize() {
  if (TcxValueTypeClassList* list = GValueTypeClassList.get()) {
    const auto& types = BuiltInValueTypes();
    for (auto type = types.rbegin(); type != types.rend(); ++type) list->UnregisterItem(*type);
  }
  GValueTypeClassList.reset();
  GValueTypeClassListFinalized = true;
}

}  // namespace

TcxValueTypeClassList* cxValueTypeClassList() {
  if (!GValueTypeClassList && !GValueTypeClassListFinalized)
    GValueTypeClassList = std::make_unique<TcxValueTypeClassList>();
  return GValueTypeClassList.get();
}

const TUnitEntry cxDataStorageUnit{L"cxDataStorage", Initialize, Finalize};
