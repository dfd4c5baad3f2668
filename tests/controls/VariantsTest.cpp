#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <vector>

#include "components/controls/cxVariants.h"
#include "tests/support/ProcessMemory.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/FMTBcd.h"
#include "vcl/rtl/SqlTimSt.h"

namespace {

std::vector<uint8_t> BytesOf(TMemoryStream& AStream) {
  const auto* data = static_cast<const uint8_t*>(AStream.Memory());
  return std::vector<uint8_t>(data, data + AStream.Size());
}

std::vector<uint8_t> Written(const Variant& V) {
  TMemoryStream stream;
  cxWriteVariantToStream(&stream, V);
  return BytesOf(stream);
}

// Reads the one value of ABytes; the whole stream must be taken.
Variant ReadBack(const std::vector<uint8_t>& ABytes) {
  TMemoryStream stream;
  stream.WriteBuffer(ABytes.data(), static_cast<int64_t>(ABytes.size()));
  stream.SetPosition(0);
  Variant result;
  cxReadVariantFromStream(&stream, result);
  EXPECT_EQ(stream.Position(), stream.Size());
  return result;
}

Variant Typed(const Variant& V, TVarType AType) { return VarAsType(V, AType); }

Variant AnsiText(const std::string& S) { return Typed(Variant(FromAnsi(S)), varString); }

}  // namespace

// ---------------------------------------------------------------- comparisons

// A mixed table in its sorted order: sorting any shuffle of it gives it
// back, and the comparison answers each pair the same from both sides.
TEST(VariantComparison, OrdersAMixedTableTotally) {
  const std::vector<Variant> sorted = {
      Unassigned(), Null(), Variant(-5), Variant(0), Variant(2.5), Variant(10),
      VarFromDateTime(45000.5), Variant(5000000000LL), Variant(L""), Variant(L"abc"), Variant(L"b"),
      VarArrayOf({1}), VarArrayOf({1, 2}), VarArrayOf({1, 3}), VarArrayOf({2, L"x", 1})};
  for (size_t i = 0; i < sorted.size(); ++i)
    for (size_t j = 0; j < sorted.size(); ++j) {
      const int expected = i < j ? -1 : i > j ? 1 : 0;
      EXPECT_EQ(cxVarCompare(sorted[i], sorted[j]), expected) << i << " against " << j;
    }
  std::vector<size_t> order(sorted.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::mt19937 random(7);
  for (int round = 0; round < 5; ++round) {
    std::shuffle(order.begin(), order.end(), random);
    std::sort(order.begin(), order.end(), [&](size_t A, size_t B) { return cxVarCompare(sorted[A], sorted[B]) < 0; });
    for (size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i], i);
  }
}

TEST(VariantComparison, ScalarRulesAndIncomparableValues) {
  EXPECT_EQ(cxVarCompareScalar(Unassigned(), Null()), -1);
  EXPECT_EQ(cxVarCompareScalar(Null(), Unassigned()), 1);
  EXPECT_EQ(cxVarCompareScalar(Null(), Null()), 0);
  EXPECT_EQ(cxVarCompareScalar(Unassigned(), Unassigned()), 0);
  EXPECT_EQ(cxVarCompareScalar(Null(), Variant(L"")), -1);
  // A text that is no number against a number: the number first, from
  // either side.
  EXPECT_EQ(cxVarCompareScalar(Variant(5), Variant(L"abc")), -1);
  EXPECT_EQ(cxVarCompareScalar(Variant(L"abc"), Variant(5)), 1);
  EXPECT_EQ(cxVarCompareScalar(Variant(true), Variant(L"abc")), -1);
  EXPECT_EQ(cxVarCompareScalar(Variant(L"abc"), Variant(true)), 1);
  EXPECT_EQ(cxVarCompareScalar(Variant(L"9"), Variant(10)), -1);  // a number as text compares as a number
  EXPECT_TRUE(cxVariantsEqual(Variant(1), Variant(L"1")));
  EXPECT_TRUE(cxVariantsEqual(Variant(2), Variant(2.0)));
  // Arrays: after every value, then by length, then by element.
  EXPECT_EQ(cxVarArrayCompare(VarArrayOf({1}), Variant(99)), 1);
  EXPECT_EQ(cxVarArrayCompare(Null(), VarArrayOf({})), -1);
  EXPECT_EQ(cxVarCompare(VarArrayOf({1, L"a"}), VarArrayOf({1, L"a"})), 0);
  // Arrays of the same high bound but other low bounds: by the low bound.
  Variant shifted = VarArrayCreate({1, 2}, varVariant);
  VarArrayPut(shifted, Variant(5), {1});
  VarArrayPut(shifted, Variant(6), {2});
  EXPECT_EQ(cxVarCompare(shifted, VarArrayOf({0, 5, 6})), 1);
  EXPECT_EQ(cxVarCompare(VarArrayOf({0, 5, 6}), shifted), -1);
}

// Numbers of every kind in one order: exactly, NaN after every number and
// equal to itself; arrays of other low bounds apart. Each pair answers the
// same from both sides and no three make a cycle.
TEST(VariantComparison, NumbersOfEveryKindKeepOneOrder) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  Variant shifted = VarArrayCreate({1, 2}, varVariant);
  VarArrayPut(shifted, Variant(5), {1});
  VarArrayPut(shifted, Variant(6), {2});
  const struct {
    const char* Name;
    Variant Value;
  } ordered[] = {
      {"-inf", Variant(-inf)},
      {"-2^63", Variant(static_cast<long long>(INT64_MIN))},
      {"-0.1 as a decimal", VarFMTBcdCreate(StrToBcd(L"-0.1"))},
      {"0", Variant(0)},
      {"0.1 as currency", Variant(Currency::FromScaled(1000))},
      {"0.1 as a double", Variant(0.1)},
      {"1", Variant(1)},
      {"2^53 as a double", Variant(9007199254740992.0)},
      {"2^53 + 1", Variant(9007199254740993LL)},
      {"2^53 + 2 as a decimal", VarFMTBcdCreate(StrToBcd(L"9007199254740994"))},
      {"2^63 - 1", Variant(static_cast<long long>(INT64_MAX))},
      {"2^63", Variant(9223372036854775808ULL)},
      {"2^64 - 1", Variant(18446744073709551615ULL)},
      {"2^64 as a double", Variant(18446744073709551616.0)},
      {"inf", Variant(inf)},
      {"NaN", Variant(nan)},
      {"[5, 6] from 0", VarArrayOf({5, 6})},
      {"[0, 5, 6] from 0", VarArrayOf({0, 5, 6})},
      {"[5, 6] from 1", shifted},
  };
  const size_t count = std::size(ordered);
  for (size_t i = 0; i < count; ++i)
    for (size_t j = 0; j < count; ++j) {
      const int expected = i < j ? -1 : i > j ? 1 : 0;
      EXPECT_EQ(expected, cxVarCompare(ordered[i].Value, ordered[j].Value))
          << ordered[i].Name << " against " << ordered[j].Name;
    }
  // Equal values of other kinds stay equal.
  EXPECT_EQ(0, cxVarCompare(Variant(nan), Variant(nan)));
  EXPECT_EQ(0, cxVarCompare(Variant(9007199254740992LL), Variant(9007199254740992.0)));
  EXPECT_EQ(0, cxVarCompare(Variant(Currency::FromScaled(5000)), Variant(0.5)));
  EXPECT_EQ(0, cxVarCompare(VarFMTBcdCreate(StrToBcd(L"18446744073709551615")), Variant(18446744073709551615ULL)));
}

// 2^64 - 1 is written as its digits, not as the text of -1.
TEST(TaggedValueStream, UnsignedValuesAboveTheSignedRangeKeepTheirDigits) {
  EXPECT_EQ(Written(AnsiText("18446744073709551615")), Written(Variant(18446744073709551615ULL)));
  EXPECT_EQ(Written(AnsiText("9223372036854775808")), Written(Variant(9223372036854775808ULL)));
}

TEST(VariantComparison, StrictEqualityComparesBooleansAsText) {
  struct TCase {
    Variant V1, V2;
    bool Strict, Loose;
  } cases[] = {
      {Variant(true), Variant(L"True"), true, false},
      {Variant(L"False"), Variant(false), true, false},
      {Variant(true), Variant(-1), false, true},
      {Variant(true), Variant(true), true, true},
      {Null(), Variant(true), false, false},
      {Variant(1), Variant(L"1"), true, true},
      {Variant(1), Variant(1.5), false, false},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(cxVariantsEqualStrict(c.V1, c.V2), c.Strict) << VarToStr(c.V1) << " " << VarToStr(c.V2);
    EXPECT_EQ(cxVariantsEqual(c.V1, c.V2), c.Loose) << VarToStr(c.V1) << " " << VarToStr(c.V2);
  }
}

TEST(VariantComparison, TypeTests) {
  EXPECT_TRUE(cxIsDateVariant(VarFromDateTime(1)));
  EXPECT_FALSE(cxIsDateVariant(Variant(1.0)));
  EXPECT_TRUE(cxVarTypeIsDate(varDate));
  EXPECT_TRUE(cxVarTypeIsDate(varSQLTimeStamp));
  EXPECT_TRUE(cxIsDateVariant(VarSQLTimeStampCreate({2020, 1, 2, 3, 4, 5, 6})));
  EXPECT_TRUE(cxIsNumericVariant(Variant(1)));
  EXPECT_TRUE(cxIsNumericVariant(Variant(Currency(3))));
  EXPECT_TRUE(cxIsNumericVariant(Typed(Variant(2.5), varSingle)));
  EXPECT_TRUE(cxIsNumericVariant(VarFMTBcdCreate(StrToBcd(L"1.5"))));
  EXPECT_FALSE(cxIsNumericVariant(Variant(L"1")));
  EXPECT_FALSE(cxIsNumericVariant(Null()));
  EXPECT_TRUE(cxIsNullOrEmptyVariant(Null()));
  EXPECT_TRUE(cxIsNullOrEmptyVariant(Variant(L"")));
  EXPECT_TRUE(cxIsNullOrEmptyVariant(Typed(Variant(L""), varOleStr)));
  EXPECT_FALSE(cxIsNullOrEmptyVariant(Unassigned()));
  EXPECT_FALSE(cxIsNullOrEmptyVariant(Variant(L" ")));
  EXPECT_FALSE(cxIsNullOrEmptyVariant(Variant(0)));
}

// ---------------------------------------------------------------- fixed-width routines

TEST(ValueStreamRoutines, LittleEndianFixedWidths) {
  TMemoryStream stream;
  cxWriteByteToStream(&stream, 0xAB);
  cxWriteSmallIntToStream(&stream, -2);
  cxWriteWordToStream(&stream, 0x1234);
  cxWriteIntegerToStream(&stream, 0x01020304);
  cxWriteSingleToStream(&stream, 1.0f);
  cxWriteInt64ToStream(&stream, -1);
  cxWriteCurrencyToStream(&stream, Currency::FromScaled(0x0102));
  cxWriteDateTimeToStream(&stream, 1.0);
  cxWriteExtendedToStream(&stream, 1.0);
  cxWriteAnsiStringToStream(&stream, "ab");
  cxWriteWideStringToStream(&stream, L"\u00E9");
  const std::vector<uint8_t> expected = {
      0xAB, 0xFE, 0xFF, 0x34, 0x12, 0x04, 0x03, 0x02, 0x01, 0x00, 0x00, 0x80, 0x3F,
      0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x01, 0, 0, 0, 0, 0, 0,
      0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F,
      2, 0, 0, 0, 'a', 'b', 1, 0, 0, 0, 0xE9, 0x00};
  EXPECT_EQ(BytesOf(stream), expected);
  stream.SetPosition(0);
  EXPECT_EQ(cxReadByteFromStream(&stream), 0xAB);
  EXPECT_EQ(cxReadSmallIntFromStream(&stream), -2);
  EXPECT_EQ(cxReadWordFromStream(&stream), 0x1234);
  EXPECT_EQ(cxReadIntegerFromStream(&stream), 0x01020304);
  EXPECT_EQ(cxReadSingleFromStream(&stream), 1.0f);
  EXPECT_EQ(cxReadInt64FromStream(&stream), -1);
  EXPECT_EQ(cxReadCurrencyFromStream(&stream).Scaled(), 0x0102);
  EXPECT_EQ(cxReadDateTimeFromStream(&stream), 1.0);
  EXPECT_EQ(cxReadExtendedFromStream(&stream), 1.0);
  EXPECT_EQ(cxReadAnsiStringFromStream(&stream), "ab");
  EXPECT_EQ(cxReadWideStringFromStream(&stream), L"\u00E9");
  EXPECT_THROW(cxReadByteFromStream(&stream), EReadError);
}

// ---------------------------------------------------------------- the tagged value stream

// Every tag the writer makes, read back: the tag, the size on the stream
// and the variant type that comes back.
TEST(TaggedValueStream, RoundTripsEveryValueType) {
  const Variant emptyArray = VarArrayCreate({0, -1}, varVariant);
  struct TCase {
    const char* Name;
    Variant Value;
    uint8_t Tag;
    size_t Size;
    TVarType ReadType;
  } cases[] = {
      {"empty", Unassigned(), 13, 1, varEmpty},
      {"null", Null(), 0, 1, varNull},
      {"127", Variant(127), 2, 2, varShortInt},
      {"-128", Variant(-128), 2, 2, varShortInt},
      {"128", Variant(128), 3, 3, varSmallint},
      {"-32768", Typed(Variant(-32768), varSmallint), 3, 3, varSmallint},
      {"32768", Variant(32768), 4, 5, varInteger},
      {"2147483647", Variant(2147483647), 4, 5, varInteger},
      {"2147483648", Variant(2147483648LL), 19, 9, varInt64},
      {"-2147483649", Variant(-2147483649LL), 19, 9, varInt64},
      {"int64 max", Variant(9223372036854775807LL), 19, 9, varInt64},
      {"byte 200", Typed(Variant(200), varByte), 3, 3, varSmallint},
      {"word 65535", Typed(Variant(65535), varWord), 4, 5, varInteger},
      {"longword max", Variant(4294967295u), 19, 9, varInt64},
      {"single", Typed(Variant(1.5), varSingle), 15, 5, varSingle},
      {"double", Variant(0.1), 5, 11, varDouble},
      {"double max", Variant(1.7976931348623157e308), 5, 11, varDouble},
      {"currency", Variant(Currency::FromScaled(123456)), 16, 9, varCurrency},
      {"currency min", Variant(Currency::FromScaled(INT64_MIN)), 16, 9, varCurrency},
      {"date", VarFromDateTime(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0)), 17, 9, varDate},
      {"time stamp as its date", VarSQLTimeStampCreate({1899, 12, 29, 6, 0, 0, 0}), 17, 9, varDate},
      {"text", Variant(L"Ol\u00E1 \u2713"), 18, 15, varOleStr},
      {"ole text", Typed(Variant(L"x"), varOleStr), 18, 7, varOleStr},
      {"true", Variant(true), 9, 1, varBoolean},
      {"false", Variant(false), 8, 1, varBoolean},
      {"ansi 255", AnsiText(std::string(255, 'x')), 6, 257, varString},
      {"ansi 256", AnsiText(std::string(256, 'y')), 12, 261, varString},
      {"empty ansi", AnsiText(""), 6, 2, varString},
      {"uint64 as text", Typed(Variant(5LL), varUInt64), 6, 3, varString},
      {"decimal as text", VarFMTBcdCreate(StrToBcd(L"12.50")), 6, 6, varString},
      {"empty array", emptyArray, 1, 3, varArray | varVariant},
      {"array", VarArrayOf({1, L"a", Null(), VarArrayOf({true})}), 1, 17, varArray | varVariant},
  };
  for (const TCase& c : cases) {
    const std::vector<uint8_t> bytes = Written(c.Value);
    ASSERT_FALSE(bytes.empty()) << c.Name;
    EXPECT_EQ(bytes[0], c.Tag) << c.Name;
    EXPECT_EQ(bytes.size(), c.Size) << c.Name;
    const Variant back = ReadBack(bytes);
    EXPECT_EQ(VarType(back), c.ReadType) << c.Name;
    EXPECT_EQ(cxVarCompare(back, c.Value), 0) << c.Name;
    EXPECT_EQ(Written(back), bytes) << c.Name << ": written again the same";
  }
  EXPECT_EQ(Written(emptyArray), (std::vector<uint8_t>{1, 2, 0}));
  EXPECT_EQ(ReadBack(Written(Variant(0.1))).AsDouble(), 0.1);  // exactly, through extended precision
}

TEST(TaggedValueStream, ArraysOfMoreThanOneDimensionAreNotWritten) {
  TMemoryStream stream;
  const Variant matrix = VarArrayCreate({0, 1, 0, 1}, varVariant);
  try {
    cxWriteVariantToStream(&stream, matrix);
    ADD_FAILURE() << "a two-dimensional array was written";
  } catch (const EWriteError& e) {
    EXPECT_EQ(e.Message(), L"Stream write error");
  }
}

// Damaged streams raise the read error and leave the variant Null; none
// allocates what its lengths ask for or reads past its end.
TEST(TaggedValueStream, DamagedStreamsRaiseReadErrors) {
  std::vector<uint8_t> deep;
  for (int i = 0; i < 100; ++i) deep.insert(deep.end(), {1, 2, 1});
  deep.push_back(13);
  struct TCase {
    const char* Name;
    std::vector<uint8_t> Bytes;
  } cases[] = {
      {"empty stream", {}},
      {"tag 21", {21}},
      {"tag 7", {7, 0}},
      {"tag 10", {10, 0, 0, 0, 0}},
      {"tag 11", {11, 0}},
      {"tag 14", {14, 0}},
      {"tag 20", {20, 0, 0, 0, 0}},
      {"tag 255", {255}},
      {"short integer", {4, 1, 2}},
      {"short int64", {19, 1, 2, 3, 4, 5, 6, 7}},
      {"short extended", {5, 0, 0, 0}},
      {"short single", {15, 0}},
      {"short date", {17, 0, 0, 0, 0}},
      {"text past the end", {6, 5, 'a'}},
      {"negative long text", {12, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}},
      {"huge long text", {12, 0x00, 0x00, 0x00, 0x40, 'a'}},
      {"huge wide text", {18, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 0}},
      {"negative wide text", {18, 0xFE, 0xFF, 0xFF, 0xFF}},
      {"wide text of odd bytes", {18, 2, 0, 0, 0, 'a', 0, 'b'}},
      {"count that is no integer", {1, 5, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 13}},
      {"count of tag 13", {1, 13, 13}},
      {"negative count", {1, 4, 0xFF, 0xFF, 0xFF, 0xFF, 13}},
      {"huge count", {1, 19, 0, 0, 0, 0, 0, 0, 0, 0x10, 13}},
      {"count past the elements", {1, 2, 3, 13, 13}},
      {"count without elements", {1, 2, 1}},
      {"short count", {1, 3, 1}},
      {"arrays nested too deep", deep},
  };
  for (const TCase& c : cases) {
    TMemoryStream stream;
    if (!c.Bytes.empty()) stream.WriteBuffer(c.Bytes.data(), static_cast<int64_t>(c.Bytes.size()));
    stream.SetPosition(0);
    Variant value = Variant(42);
    EXPECT_THROW(cxReadVariantFromStream(&stream, value), EReadError) << c.Name;
    EXPECT_TRUE(VarIsNull(value)) << c.Name;
    EXPECT_LE(stream.Position(), stream.Size()) << c.Name;
  }
}

// Each element of an array takes at least its tag byte on the stream; read,
// it takes at most 32 bytes: 4 million Nulls stay within 128 MB.
TEST(TaggedValueStream, AnArrayTakesASmallMultipleOfItsStreamsSize) {
  const int32_t count = 4'000'000;
  std::vector<uint8_t> bytes = {cxvtList, cxvtInt32};
  bytes.insert(bytes.end(), reinterpret_cast<const uint8_t*>(&count), reinterpret_cast<const uint8_t*>(&count) + 4);
  bytes.resize(bytes.size() + count, cxvtNull);
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  const int64_t before = ProcessResidentBytes();
  Variant value;
  cxReadVariantFromStream(&stream, value);
  const int64_t taken = ProcessPeakResidentBytes() - before;
  ASSERT_EQ(count - 1, VarArrayHighBound(value, 1));
  EXPECT_TRUE(VarIsNull(VarArrayGet(value, {count - 1})));
  EXPECT_LT(taken, 32 * int64_t{count});
}
