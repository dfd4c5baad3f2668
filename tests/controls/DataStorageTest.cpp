#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "components/controls/cxDataStorage.h"
#include "components/controls/cxVariants.h"
#include "vcl/rtl/DateUtils.h"

namespace {

// One slot of a record buffer of a value type; what it holds is disposed
// with it.
class TSlot {
public:
  explicit TSlot(TcxValueTypeClass AType) : FType(AType), FBytes(std::max(AType->DataSize(), 1), 0) {}
  TSlot(TcxValueTypeClass AType, const Variant& AValue) : TSlot(AType) { AType->StoreValue(Field(), AValue); }
  ~TSlot() { FType->DisposeBuffer(Field()); }
  TSlot(const TSlot&) = delete;
  TSlot& operator=(const TSlot&) = delete;

  void* Field() { return FBytes.data(); }
  const void* Value() { return FType->PrepareValueBuffer(Field()); }
  Variant Get() { return FType->GetValue(Value()); }
  template <typename T>
  void SetRaw(const T& AValue) {
    std::memcpy(Field(), &AValue, sizeof(T));
  }

private:
  TcxValueTypeClass FType;
  std::vector<uint8_t> FBytes;
};

std::vector<uint8_t> BytesOf(TMemoryStream& AStream) {
  const auto* data = static_cast<const uint8_t*>(AStream.Memory());
  return std::vector<uint8_t>(data, data + AStream.Size());
}

TSQLTimeStamp TimeStamp(int16_t AYear, uint16_t AMonth, uint16_t ADay, uint32_t AFractions = 0) {
  return {AYear, AMonth, ADay, 0, 0, 0, AFractions};
}

template <class T>
TcxValueTypeClass Type() {
  return cxValueTypeClass<T>();
}

class TDestroyed : public TObject {
public:
  explicit TDestroyed(bool& AFlag) : FFlag(AFlag) {}
  ~TDestroyed() override { FFlag = true; }

private:
  bool& FFlag;
};

}  // namespace

// ---------------------------------------------------------------- the class list

TEST(ValueTypeClassList, RegistersTheBuiltInTypesByCaption) {
  TcxValueTypeClassList* list = cxValueTypeClassList();
  ASSERT_NE(list, nullptr);
  const wchar_t* const captions[] = {L"String",   L"WideString", L"Smallint",     L"Integer", L"Word",
                                     L"Boolean",  L"Single",     L"Float",        L"Currency", L"DateTime",
                                     L"LargeInt", L"FMTBcd",     L"SQLTimeStamp", L"Variant", L"Object",
                                     L"BLOB"};
  ASSERT_EQ(list->Count(), 16);
  for (int i = 0; i < list->Count(); ++i) {
    EXPECT_EQ(list->Items(i)->Caption(), captions[i]);
    EXPECT_EQ(list->ItemByCaption(captions[i]), list->Items(i));
  }
  EXPECT_EQ(list->ItemByCaption(L"LargeInt"), Type<TcxLargeIntValueType>());
  EXPECT_EQ(list->ItemByCaption(L"largeint"), nullptr);
  EXPECT_EQ(cxValueTypeClass<TcxValueType>()->Caption(), L"");
  EXPECT_THROW(list->Items(16), EListError);

  list->RegisterItem(Type<TcxWordValueType>());
  EXPECT_EQ(list->Count(), 16) << "registered twice, listed once";
  list->UnregisterItem(Type<TcxWordValueType>());
  EXPECT_EQ(list->ItemByCaption(L"Word"), nullptr);
  list->RegisterItem(Type<TcxWordValueType>());
}

TEST(ValueTypeClassList, GoneAfterShutDown) {
  cxDataStorageUnit.Finalize();
  EXPECT_EQ(cxValueTypeClassList(), nullptr);
  cxDataStorageUnit.Initialize();
  ASSERT_NE(cxValueTypeClassList(), nullptr);
  EXPECT_EQ(cxValueTypeClassList()->Count(), 16);
}

// ---------------------------------------------------------------- values

// Every type keeps a value, gives it back as its variant type, and takes it
// through a stream (in both text forms) into another slot that compares
// equal.
TEST(ValueTypes, KeepCompareAndStreamTheirValues) {
  struct TCase {
    TcxValueTypeClass Type;
    Variant Value;
    TVarType VarType;
    int DataSize;
  } cases[] = {
      {Type<TcxStringValueType>(), Variant(L"Ol\u00E1"), varUString, sizeof(void*)},
      {Type<TcxWideStringValueType>(), Variant(L"\u2713 wide"), varOleStr, sizeof(void*)},
      {Type<TcxSmallintValueType>(), Variant(-32768), varSmallint, 2},
      {Type<TcxIntegerValueType>(), Variant(-2147483647 - 1), varInteger, 4},
      {Type<TcxWordValueType>(), Variant(65535), varWord, 2},
      {Type<TcxBooleanValueType>(), Variant(true), varBoolean, 1},
      {Type<TcxSingleValueType>(), Variant(-1.5), varSingle, 4},
      {Type<TcxFloatValueType>(), Variant(0.1), varDouble, 8},
      {Type<TcxCurrencyValueType>(), Variant(Currency::FromScaled(INT64_MIN)), varCurrency, 8},
      {Type<TcxDateTimeValueType>(), VarFromDateTime(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0)), varDate, 8},
      {Type<TcxLargeIntValueType>(), Variant(9223372036854775807LL), varInt64, 8},
      {Type<TcxFMTBcdValueType>(), VarFMTBcdCreate(StrToBcd(L"-12345678901234567890.123456789")), varFMTBcd, 34},
      {Type<TcxSQLTimeStampValueType>(), VarSQLTimeStampCreate(TimeStamp(2024, 2, 29, 999)), varSQLTimeStamp, 16},
      {Type<TcxVariantValueType>(), VarArrayOf({1, L"a"}), varArray | varVariant, sizeof(void*)},
      {Type<TcxBLOBValueType>(), VarAsType(Variant(L"\u00E9bytes"), varString), varString, sizeof(void*)},
  };
  for (const TCase& c : cases) {
    const String name = c.Type->Caption();
    EXPECT_EQ(c.Type->DataSize(), c.DataSize) << name;
    TSlot slot(c.Type, c.Value);
    const Variant value = slot.Get();
    EXPECT_EQ(VarType(value), c.VarType) << name;
    EXPECT_EQ(cxVarCompare(value, c.Value), 0) << name;
    for (bool wide : {false, true}) {
      TMemoryStream memory;
      TcxDataStream stream(&memory, wide);
      c.Type->WriteValueToStream(slot.Value(), &stream);
      stream.SetPosition(0);
      TSlot copy(c.Type);
      c.Type->ReadValueFromStream(copy.Field(), &stream);
      EXPECT_EQ(stream.Position(), stream.Size()) << name;
      EXPECT_EQ(c.Type->CompareData(slot.Field(), copy.Field()), 0) << name << " wide " << wide;
    }
  }
}

// Each pair in ascending order: compared both ways and with itself.
TEST(ValueTypes, CompareAtTheirLimits) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct TCase {
    const char* Name;
    TcxValueTypeClass Type;
    Variant Low, High;
  } cases[] = {
      {"smallint", Type<TcxSmallintValueType>(), Variant(-32768), Variant(32767)},
      {"integer", Type<TcxIntegerValueType>(), Variant(-2147483647 - 1), Variant(2147483647)},
      {"word extremes", Type<TcxWordValueType>(), Variant(0), Variant(65535)},
      {"word neighbours", Type<TcxWordValueType>(), Variant(1), Variant(2)},
      {"boolean", Type<TcxBooleanValueType>(), Variant(false), Variant(true)},
      {"single", Type<TcxSingleValueType>(), Variant(-3.4e38), Variant(3.4e38)},
      {"float", Type<TcxFloatValueType>(), Variant(-DBL_MAX), Variant(DBL_MAX)},
      {"float infinity", Type<TcxFloatValueType>(), Variant(-HUGE_VAL), Variant(HUGE_VAL)},
      {"float no number", Type<TcxFloatValueType>(), Variant(DBL_MAX), Variant(nan)},
      {"float smallest", Type<TcxFloatValueType>(), Variant(0.0), Variant(DBL_TRUE_MIN)},
      {"currency", Type<TcxCurrencyValueType>(), Variant(Currency::FromScaled(INT64_MIN)),
       Variant(Currency::FromScaled(INT64_MAX))},
      {"date", Type<TcxDateTimeValueType>(), VarFromDateTime(-657434.0), VarFromDateTime(2958465.99)},
      {"largeint", Type<TcxLargeIntValueType>(), Variant(static_cast<long long>(INT64_MIN)),
       Variant(9223372036854775807LL)},
      {"decimal sign", Type<TcxFMTBcdValueType>(), Variant(L"-0.001"), Variant(L"0")},
      {"decimal widest", Type<TcxFMTBcdValueType>(), Variant(L"-" + String(64, L'9')), Variant(String(64, L'9'))},
      {"decimal digits", Type<TcxFMTBcdValueType>(), Variant(L"99.99"), Variant(L"100")},
      {"decimal places", Type<TcxFMTBcdValueType>(), Variant(L"0.1"), Variant(L"0.10001")},
      {"decimal negative", Type<TcxFMTBcdValueType>(), Variant(L"-100"), Variant(L"-99.5")},
      {"string null", Type<TcxStringValueType>(), Null(), Variant(L"")},
      {"string", Type<TcxStringValueType>(), Variant(L"B"), Variant(L"a")},
      {"wide string null", Type<TcxWideStringValueType>(), Null(), Variant(L"")},
      {"wide string", Type<TcxWideStringValueType>(), Variant(L"a"), Variant(L"ab")},
      {"variant", Type<TcxVariantValueType>(), Variant(5), Variant(L"abc")},
      {"blob null", Type<TcxBLOBValueType>(), Null(), VarAsType(Variant(L""), varString)},
      {"blob bytes", Type<TcxBLOBValueType>(), VarArrayOf({0x7F}), VarArrayOf({0x80})},
  };
  for (const TCase& c : cases) {
    TSlot low(c.Type, c.Low), high(c.Type, c.High);
    EXPECT_LT(c.Type->CompareData(low.Field(), high.Field()), 0) << c.Name;
    EXPECT_GT(c.Type->CompareData(high.Field(), low.Field()), 0) << c.Name;
    EXPECT_EQ(c.Type->CompareData(low.Field(), low.Field()), 0) << c.Name;
    EXPECT_EQ(c.Type->CompareData(high.Field(), high.Field()), 0) << c.Name;
  }
}

// Time stamps field by field: years before year 0 and fractions beyond
// what a 32-bit difference holds.
TEST(ValueTypes, CompareTimeStampsFieldByField) {
  struct TCase {
    const char* Name;
    TSQLTimeStamp Low, High;
  } cases[] = {
      {"negative year", TimeStamp(-1, 12, 31), TimeStamp(1, 1, 1)},
      {"lowest year", TimeStamp(-32768, 1, 1), TimeStamp(32767, 1, 1)},
      {"month", TimeStamp(2024, 1, 31), TimeStamp(2024, 12, 1)},
      {"day", TimeStamp(2024, 5, 1), TimeStamp(2024, 5, 2)},
      {"fractions", TimeStamp(2024, 5, 1, 0), TimeStamp(2024, 5, 1, 4000000000u)},
      {"fractions near", TimeStamp(2024, 5, 1, 1), TimeStamp(2024, 5, 1, 2)},
  };
  TcxValueTypeClass type = Type<TcxSQLTimeStampValueType>();
  for (const TCase& c : cases) {
    TSlot low(type), high(type);
    low.SetRaw(c.Low);
    high.SetRaw(c.High);
    EXPECT_LT(type->CompareData(low.Field(), high.Field()), 0) << c.Name;
    EXPECT_GT(type->CompareData(high.Field(), low.Field()), 0) << c.Name;
    EXPECT_EQ(type->CompareData(high.Field(), high.Field()), 0) << c.Name;
  }
  // A time stamp that names no date cannot be loaded.
  TSlot invalid(type);
  invalid.SetRaw(TimeStamp(2024, 13, 1));
  EXPECT_THROW(invalid.Get(), EConvertError);
}

// Decimals keep every digit they are given and compare by value.
TEST(ValueTypes, DecimalsKeepTheirDigits) {
  struct TCase {
    const wchar_t* Text;
    const wchar_t* Shortest;
    int Precision, Places;
  } cases[] = {
      {L"007.50", L"7.5", 5, 2},      {L"-0", L"0", 1, 0},       {L"1.5E3", L"1500", 4, 0},
      {L"1E-3", L"0.001", 4, 3},      {L".5", L"0.5", 2, 1},     {L"+42", L"42", 2, 0},
      {L"-0.000", L"0", 4, 3},        {L"123456789012345678901234567890.5", L"123456789012345678901234567890.5", 31, 1},
  };
  for (const TCase& c : cases) {
    const TBcd value = StrToBcd(c.Text);
    EXPECT_EQ(value.Precision, c.Precision) << c.Text;
    EXPECT_EQ(value.SignSpecialPlaces & 0x3F, c.Places) << c.Text;
    EXPECT_EQ(BcdToStr(value), c.Shortest) << c.Text;
    EXPECT_EQ(BcdCompare(value, StrToBcd(c.Shortest)), 0) << c.Text;
    const TBcd back = VarToBcd(VarFMTBcdCreate(value));
    EXPECT_EQ(std::memcmp(&back, &value, sizeof(TBcd)), 0) << c.Text << ": the variant keeps the record";
  }
  for (const wchar_t* bad : {L"", L"abc", L"1.2.3", L"1E", L"--1", L"1E99"})
    EXPECT_THROW(StrToBcd(bad), EBcdException) << bad;
  EXPECT_THROW(StrToBcd(String(65, L'1')), EBcdException);

  TcxValueTypeClass decimal = Type<TcxFMTBcdValueType>();
  Variant text(L"12.5x");
  EXPECT_FALSE(decimal->IsValueValid(text));
  text = Variant(L"12.50");
  EXPECT_TRUE(decimal->IsValueValid(text));
  EXPECT_EQ(VarType(text), varFMTBcd);
  EXPECT_EQ(text.AsDouble(), 12.5);
  TSlot slot(decimal, text);
  EXPECT_EQ(decimal->GetDisplayText(slot.Value()), L"12.5");
}

TEST(ValueTypes, NullsOfTheHeapKinds) {
  TSlot text(Type<TcxStringValueType>());
  EXPECT_TRUE(VarIsNull(text.Get()));
  Type<TcxStringValueType>()->StoreValue(text.Field(), Variant(L"x"));
  EXPECT_EQ(text.Get().AsString(), L"x");
  Type<TcxStringValueType>()->StoreValue(text.Field(), Null());
  EXPECT_EQ(text.Value(), nullptr);
  EXPECT_TRUE(VarIsNull(text.Get()));

  TSlot wide(Type<TcxWideStringValueType>(), Variant(L"y"));
  Type<TcxWideStringValueType>()->StoreValue(wide.Field(), Null());
  EXPECT_EQ(wide.Value(), nullptr);
  EXPECT_TRUE(VarIsNull(wide.Get()));

  TSlot variant(Type<TcxVariantValueType>());
  EXPECT_TRUE(VarIsNull(variant.Get()));
  Type<TcxVariantValueType>()->StoreValue(variant.Field(), Unassigned());
  EXPECT_TRUE(VarIsEmpty(variant.Get()));
  EXPECT_GT(Type<TcxVariantValueType>()->CompareData(variant.Field(), TSlot(Type<TcxVariantValueType>()).Field()), 0);
}

TEST(ValueTypes, ValidValuesAreConvertedInPlace) {
  TcxValueTypeClass integer = Type<TcxIntegerValueType>();
  Variant value(L"12x");
  EXPECT_FALSE(integer->IsValueValid(value));
  EXPECT_EQ(VarType(value), varUString);
  value = Variant(L"12");
  EXPECT_TRUE(integer->IsValueValid(value));
  EXPECT_EQ(VarType(value), varInteger);
  EXPECT_EQ(value.AsInteger(), 12);
  Variant tooLarge(70000);
  EXPECT_FALSE(Type<TcxSmallintValueType>()->IsValueValid(tooLarge));
  Variant null = Null();
  EXPECT_TRUE(integer->IsValueValid(null));
  Variant anything(L"text");
  EXPECT_TRUE(Type<TcxVariantValueType>()->IsValueValid(anything));
  EXPECT_EQ(VarType(anything), varUString);
}

TEST(ValueTypes, StringsFollowTheStreamsTextForm) {
  TSlot text(Type<TcxStringValueType>(), Variant(L"\u00E9"));
  struct TCase {
    bool Wide;
    std::vector<uint8_t> Bytes;
  } cases[] = {{true, {1, 0, 0, 0, 0xE9, 0}}, {false, {1, 0, 0, 0, 0xE9}}};
  for (const TCase& c : cases) {
    TMemoryStream memory;
    TcxDataStream stream(&memory, c.Wide);
    Type<TcxStringValueType>()->WriteValueToStream(text.Value(), &stream);
    EXPECT_EQ(BytesOf(memory), c.Bytes) << c.Wide;
    // A BLOB keeps its bytes whatever the text form.
    TMemoryStream blobMemory;
    TcxDataStream blobStream(&blobMemory, c.Wide);
    TSlot blob(Type<TcxBLOBValueType>(), VarArrayOf({0xE9, 0x00, 0xFF}));
    Type<TcxBLOBValueType>()->WriteValueToStream(blob.Value(), &blobStream);
    EXPECT_EQ(BytesOf(blobMemory), (std::vector<uint8_t>{3, 0, 0, 0, 0xE9, 0x00, 0xFF})) << c.Wide;
    // The wide string type always writes UTF-16.
    TMemoryStream wideMemory;
    TcxDataStream wideStream(&wideMemory, c.Wide);
    TSlot wide(Type<TcxWideStringValueType>(), Variant(L"\u00E9"));
    Type<TcxWideStringValueType>()->WriteValueToStream(wide.Value(), &wideStream);
    EXPECT_EQ(BytesOf(wideMemory), (std::vector<uint8_t>{1, 0, 0, 0, 0xE9, 0})) << c.Wide;
  }
}

TEST(ValueTypes, FixedValuesStreamTheirBytes) {
  struct TCase {
    TcxValueTypeClass Type;
    Variant Value;
    std::vector<uint8_t> Bytes;
  } cases[] = {
      {Type<TcxSmallintValueType>(), Variant(-2), {0xFE, 0xFF}},
      {Type<TcxWordValueType>(), Variant(0x1234), {0x34, 0x12}},
      {Type<TcxBooleanValueType>(), Variant(true), {1}},
      {Type<TcxFloatValueType>(), Variant(1.0), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
      {Type<TcxDateTimeValueType>(), VarFromDateTime(1.0), {0, 0, 0, 0, 0, 0, 0xF0, 0x3F}},
      {Type<TcxSQLTimeStampValueType>(), VarFromDateTime(1.0), {17, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}},
  };
  for (const TCase& c : cases) {
    TSlot slot(c.Type, c.Value);
    TMemoryStream memory;
    TcxDataStream stream(&memory, false);
    c.Type->WriteValueToStream(slot.Value(), &stream);
    EXPECT_EQ(BytesOf(memory), c.Bytes) << c.Type->Caption();
  }
  // A Float goes through extended precision and comes back exactly.
  TSlot third(Type<TcxFloatValueType>(), Variant(1.0 / 3));
  TMemoryStream memory;
  TcxDataStream stream(&memory, false);
  Type<TcxFloatValueType>()->WriteValueToStream(third.Value(), &stream);
  stream.SetPosition(0);
  TSlot back(Type<TcxFloatValueType>());
  Type<TcxFloatValueType>()->ReadValueFromStream(back.Field(), &stream);
  EXPECT_EQ(back.Get().AsDouble(), 1.0 / 3);
}

TEST(ValueTypes, ObjectsAreOwnedAndNotStreamed) {
  TcxValueTypeClass type = Type<TcxObjectValueType>();
  EXPECT_EQ(type->DataSize(), static_cast<int>(sizeof(void*)));
  bool destroyed = false;
  auto* object = new TDestroyed(destroyed);
  {
    TSlot slot(type, Variant(static_cast<long long>(reinterpret_cast<intptr_t>(object))));
    EXPECT_EQ(slot.Get().AsInt64(), reinterpret_cast<intptr_t>(object)) << "the whole pointer is kept";
    TMemoryStream memory;
    TcxDataStream stream(&memory, true);
    type->WriteValueToStream(slot.Value(), &stream);
    EXPECT_EQ(memory.Size(), 0);
    cxWriteIntegerToStream(&stream, 7);
    stream.SetPosition(0);
    type->ReadValueFromStream(slot.Field(), &stream);
    EXPECT_EQ(stream.Position(), 0);
    EXPECT_EQ(slot.Get().AsInt64(), reinterpret_cast<intptr_t>(object));
    EXPECT_FALSE(destroyed);
  }
  EXPECT_TRUE(destroyed) << "disposing the slot frees the object";
}

TEST(ValueTypes, DisplayTexts) {
  TSlot yes(Type<TcxBooleanValueType>(), Variant(true));
  EXPECT_EQ(Type<TcxBooleanValueType>()->GetDisplayText(yes.Value()), L"True");
  TSlot number(Type<TcxIntegerValueType>(), Variant(-12));
  EXPECT_EQ(Type<TcxIntegerValueType>()->GetDisplayText(number.Value()), L"-12");
  TSlot none(Type<TcxStringValueType>());
  EXPECT_EQ(Type<TcxStringValueType>()->GetDisplayText(none.Value()), L"");
  TSlot date(Type<TcxDateTimeValueType>(), VarFromDateTime(EncodeDate(2024, 1, 31)));
  EXPECT_EQ(Type<TcxDateTimeValueType>()->GetDisplayText(date.Value()), DateTimeToStr(EncodeDate(2024, 1, 31)));

  // Display texts kept apart from the values, in both text forms.
  String* text = nullptr;
  EXPECT_EQ(TcxValueType::GetStoredDisplayText(text), L"");
  TcxValueType::StoreDisplayText(text, L"\u00E9t\u00E9");
  EXPECT_EQ(TcxValueType::GetStoredDisplayText(text), L"\u00E9t\u00E9");
  for (bool wide : {false, true}) {
    TMemoryStream memory;
    TcxDataStream stream(&memory, wide);
    TcxValueType::WriteDisplayTextToStream(text, &stream);
    EXPECT_EQ(memory.Size(), wide ? 10 : 7);
    stream.SetPosition(0);
    String* read = nullptr;
    TcxValueType::ReadDisplayTextFromStream(read, &stream);
    EXPECT_EQ(TcxValueType::GetStoredDisplayText(read), L"\u00E9t\u00E9");
    TcxValueType::DisposeDisplayText(read);
    EXPECT_EQ(read, nullptr);
  }
  TcxValueType::DisposeDisplayText(text);
}

// A single infinity loads as the single it is, and comes back through the
// stream.
TEST(ValueTypes, SingleInfinitiesLoadAgain) {
  for (const float value : {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()}) {
    TSlot slot(Type<TcxSingleValueType>());
    slot.SetRaw(value);
    const Variant loaded = slot.Get();
    EXPECT_EQ(varSingle, VarType(loaded));
    EXPECT_EQ(value, loaded.AsDouble());
    TSlot stored(Type<TcxSingleValueType>(), loaded);
    EXPECT_EQ(value, stored.Get().AsDouble());
  }
  // A double beyond the single's range still overflows.
  EXPECT_THROW(VarAsType(Variant(1e300), varSingle), EVariantOverflowError);
}

// A time stamp read from a stream must be a date of the calendar: one that
// is no number or lies beyond the year 9999 is refused, and the slot keeps
// what it had.
TEST(ValueTypes, TimeStampsOutsideTheCalendarAreRefusedWhenRead) {
  const TcxValueTypeClass type = Type<TcxSQLTimeStampValueType>();
  for (const double date : {std::numeric_limits<double>::quiet_NaN(), 1e300, 1e7, -1e7,
                            std::numeric_limits<double>::infinity()}) {
    SCOPED_TRACE(date);
    TMemoryStream memory;
    cxWriteByteToStream(&memory, cxvtDate);
    cxWriteDateTimeToStream(&memory, date);
    memory.SetPosition(0);
    TcxDataStream stream(&memory, false);
    TSlot slot(type, VarFromDateTime(EncodeDate(2024, 5, 6)));
    EXPECT_THROW(type->ReadValueFromStream(slot.Field(), &stream), EReadError);
    EXPECT_EQ(EncodeDate(2024, 5, 6), slot.Get().AsDateTime());
    EXPECT_THROW(type->StoreValue(slot.Field(), VarFromDateTime(date)), EConvertError);
  }
  // The calendar's first and last days are time stamps.
  for (const TDateTime date : {EncodeDate(1, 1, 1), EncodeDateTime(9999, 12, 31, 12, 0, 0, 0)}) {
    TSlot slot(type, VarFromDateTime(date));
    EXPECT_EQ(date, slot.Get().AsDateTime());
  }
}
