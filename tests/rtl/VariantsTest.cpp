#include <gtest/gtest.h>

#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/Variants.h"

namespace {
// Conversions that read or write dates and decimals depend on the locale:
// the tests fix the global settings (the system's reading uses the user
// locale, which is English in the test prefix).
class VariantTest : public ::testing::Test {
protected:
  void SetUp() override {
    saved = FormatSettings;
    FormatSettings = TFormatSettings::Create(0x0409);
    FormatSettings.ShortDateFormat = L"M/d/yyyy";
    FormatSettings.LongTimeFormat = L"hh:nn:ss";
  }
  void TearDown() override { FormatSettings = saved; }
  TFormatSettings saved;
};
}  // namespace

TEST_F(VariantTest, KindsOfTheConstructors) {
  EXPECT_EQ(VarType(Variant()), varEmpty);
  EXPECT_EQ(VarType(Null()), varNull);
  EXPECT_EQ(VarType(Variant(1)), varInteger);
  EXPECT_EQ(VarType(Variant(1LL)), varInt64);
  EXPECT_EQ(VarType(Variant(1.0)), varDouble);
  EXPECT_EQ(VarType(Variant(true)), varBoolean);
  EXPECT_EQ(VarType(Variant(L"x")), varUString);
  EXPECT_EQ(VarType(Variant(Currency(1))), varCurrency);
  EXPECT_EQ(VarType(VarFromDateTime(1.5)), varDate);
  EXPECT_EQ(VarTypeAsText(varUString), L"UnicodeString");
}

TEST_F(VariantTest, ConversionTable) {
  const TDateTime date = EncodeDate(2024, 3, 5);
  struct Case {
    Variant value;
    TVarType target;
    Variant expected;
  } cases[] = {
      {Variant(L"42"), varInteger, Variant(42)},
      {Variant(L" -7 "), varInt64, Variant(-7LL)},
      {Variant(L"2.5"), varDouble, Variant(2.5)},
      {Variant(2.5), varInteger, Variant(2)},  // half to even
      {Variant(3.5), varInteger, Variant(4)},
      {Variant(true), varInteger, Variant(-1)},
      {Variant(0), varBoolean, Variant(false)},
      {Variant(L"true"), varBoolean, Variant(true)},
      {Variant(L"1.23456"), varCurrency, Variant(Currency::FromScaled(12346))},
      {Variant(200), varByte, VarAsType(Variant(200), varByte)},
      {Variant(), varInteger, Variant(0)},
      {Variant(), varUString, Variant(L"")},
      {Variant(42), varUString, Variant(L"42")},
      {Variant(2.5), varUString, Variant(L"2.5")},
      {Variant(true), varUString, Variant(L"True")},
      {Variant(Currency::FromScaled(15000)), varUString, Variant(L"1.5")},
      {VarFromDateTime(date), varUString, Variant(L"3/5/2024")},
      {Variant(L"3/5/2024"), varDate, VarFromDateTime(date)},
      {Variant(36585.0), varDate, VarFromDateTime(36585.0)},
  };
  for (const Case& c : cases) {
    const Variant converted = VarAsType(c.value, c.target);
    EXPECT_EQ(VarType(converted), c.target) << ToUtf8(VarToStr(c.value));
    EXPECT_TRUE(converted == c.expected) << ToUtf8(VarToStr(c.value)) << " -> " << ToUtf8(VarToStr(converted));
  }
  EXPECT_EQ(VarAsType(Variant(200), varByte).AsInteger(), 200);
}

TEST_F(VariantTest, ConversionErrors) {
  struct Case {
    Variant value;
    TVarType target;
    const wchar_t* message;
  } cases[] = {
      {Variant(L"12a"), varInteger, L"Could not convert variant of type (UnicodeString) into type (Integer)"},
      {Null(), varInteger, L"Could not convert variant of type (Null) into type (Integer)"},
      {Null(), varUString, L"Could not convert variant of type (Null) into type (UnicodeString)"},
      {Variant(L"x"), varDate, L"Could not convert variant of type (UnicodeString) into type (Date)"},
      {Variant(300), varByte, L"Variant overflow"},
      {Variant(1e300), varCurrency, L"Variant overflow"},
  };
  for (const Case& c : cases) {
    try {
      VarAsType(c.value, c.target);
      ADD_FAILURE() << ToUtf8(c.message);
    } catch (const EVariantError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
  EXPECT_EQ(VarToStr(Null()), L"");
  EXPECT_EQ(VarToStrDef(Null(), L"-"), L"-");
}

TEST_F(VariantTest, Comparisons) {
  EXPECT_TRUE(Variant(1) == Variant(1.0));
  EXPECT_TRUE(Variant(1) == Variant(L"1"));  // the text is read as a number
  EXPECT_TRUE(Variant(2) < Variant(L"10"));
  EXPECT_TRUE(Variant(L"10") < Variant(L"2"));  // two texts compare as texts
  EXPECT_FALSE(Variant(L"a") == Variant(L"A"));
  EXPECT_TRUE(Null() == Null());
  EXPECT_FALSE(Null() == Variant(0));
  EXPECT_TRUE(Null() < Variant(-5));
  EXPECT_FALSE(Variant(-5) < Null());
  EXPECT_TRUE(Variant() == Variant(0));
  EXPECT_TRUE(Variant() == Variant(L""));
  EXPECT_TRUE(Variant(9223372036854775807LL) > Variant(9223372036854775806LL));
  EXPECT_THROW((void)(Variant(1) == Variant(L"one")), EVariantTypeCastError);
  EXPECT_THROW((void)(VarArrayOf({1}) == Variant(1)), EVariantInvalidOpError);
}

TEST_F(VariantTest, Arrays) {
  Variant a = VarArrayOf({1, L"two", Null()});
  EXPECT_TRUE(VarIsArray(a));
  EXPECT_EQ(VarType(a), varArray | varVariant);
  EXPECT_EQ(VarArrayDimCount(a), 1);
  EXPECT_EQ(VarArrayLowBound(a, 1), 0);
  EXPECT_EQ(VarArrayHighBound(a, 1), 2);
  EXPECT_EQ(VarArrayGet(a, {1}).AsString(), L"two");
  Variant copy = a;  // arrays copy by value
  VarArrayPut(copy, 5, {0});
  EXPECT_EQ(VarArrayGet(a, {0}).AsInteger(), 1);

  Variant grid = VarArrayCreate({1, 2, 0, 2}, varInteger);
  EXPECT_EQ(VarArrayDimCount(grid), 2);
  VarArrayPut(grid, L"7", {2, 1});
  EXPECT_EQ(VarType(VarArrayGet(grid, {2, 1})), varInteger);
  EXPECT_EQ(VarArrayGet(grid, {2, 1}).AsInteger(), 7);
  EXPECT_THROW(VarArrayGet(grid, {3, 0}), EVariantArrayBoundError);
  EXPECT_THROW(VarArrayGet(grid, {1}), EVariantArrayBoundError);
  EXPECT_EQ(VarArrayHighBound(VarArrayCreate({0, -1}, varVariant), 1), -1);  // empty
}

TEST(VariantArrays, ElementsStartEmptyOfTheirType) {
  const struct {
    TVarType Type;
    const wchar_t* Text;
  } cases[] = {{varUString, L""}, {varOleStr, L""}, {varString, L""},
               {varInteger, L"0"}, {varDouble, L"0"}, {varVariant, L""}};
  for (const auto& c : cases) {
    const Variant element = VarArrayGet(VarArrayCreate({0, 1}, c.Type), {1});
    EXPECT_EQ(VarType(element), c.Type == varVariant ? varEmpty : c.Type) << c.Type;
    EXPECT_EQ(element.AsString(), c.Text) << c.Type;
  }
}

// Unsigned 64-bit values above the signed range keep their value: in their
// text, in comparisons, and by refusing to pass for a signed one.
TEST_F(VariantTest, UnsignedValuesAboveTheSignedRange) {
  const Variant max(18446744073709551615ULL);
  EXPECT_EQ(varUInt64, VarType(max));
  EXPECT_EQ(L"18446744073709551615", max.AsString());
  EXPECT_EQ(18446744073709551615ULL, max.AsUInt64());
  EXPECT_THROW(max.AsInt64(), EVariantOverflowError);
  EXPECT_TRUE(Variant(5) < max);
  EXPECT_FALSE(max < Variant(5));
  EXPECT_TRUE(Variant(static_cast<long long>(INT64_MAX)) < Variant(9223372036854775808ULL));
  EXPECT_FALSE(max == Variant(-1));
  EXPECT_THROW(Variant(-1).AsUInt64(), EVariantOverflowError);
}
