// The Unicode property tables the program carries as "UNICODEDATA"
// resources, and the look-ups that read them.
#include <gtest/gtest.h>

#include "codelib/UclUnicode.h"

namespace {

TEST(UnicodeData, TheExecutableCarriesTheSixTables) {
  for (const wchar_t* name : {L"CASE", L"CATEGORIES", L"COMBINING", L"COMPOSITION", L"DECOMPOSITION", L"NUMBERS"}) {
    HRSRC resource = FindResourceW(GetModuleHandleW(nullptr), name, L"UNICODEDATA");
    ASSERT_NE(nullptr, resource) << name;
    EXPECT_GT(SizeofResource(GetModuleHandleW(nullptr), resource), 1000u) << name;
  }
}

TEST(UnicodeData, CategoriesGiveTheGeneralCategoryAndTheBidirectionalClass) {
  const struct {
    UCS4 Code;
    TCharacterCategories Expected;
  } cases[] = {
      {L'A', {ccLetterUppercase, ccLeftToRight}},
      {L'1', {ccNumberDecimalDigit, ccEuropeanNumber}},
      {L' ', {ccSeparatorSpace, ccWhiteSpace}},
      {L'\t', {ccOtherControl, ccSegmentSeparator}},
      {0x05D0, {ccLetterOther, ccRightToLeft}},      // Hebrew alef
      {0x05FF, {ccOtherUnassigned, ccRightToLeft}},  // unassigned, right to left by its block
      {0x0378, {ccOtherUnassigned, ccLeftToRight}},  // unassigned
      {0x0301, {ccMarkNonSpacing, ccNonSpacingMark}},
      {0x4E00, {ccLetterOther, ccLeftToRight}},      // inside a range of the database
      {0xE000, {ccOtherPrivate, ccLeftToRight}},
      {0x1F600, {ccSymbolOther, ccOtherNeutrals}},   // beyond the BMP
      {0x10FFFF, {ccOtherUnassigned, ccBoundaryNeutral}},  // a noncharacter
  };
  for (const auto& c : cases) EXPECT_EQ(c.Expected, CategoryLookup(c.Code)) << std::hex << c.Code;
  EXPECT_EQ(53u, CharacterCategoryTypeInfo.EnumNames.size());
  EXPECT_EQ(L"ccPopDirectionalIsolate", CharacterCategoryTypeInfo.EnumNames.back());
}

TEST(UnicodeData, CaseMappingsAreTheFullOnes) {
  const struct {
    UCS4 Code;
    TCaseType Case;
    TUCS4Array Expected;
  } cases[] = {
      {L'A', ctLower, {L'a'}},          {L'a', ctUpper, {L'A'}},
      {L'a', ctLower, {L'a'}},          {L'1', ctUpper, {L'1'}},
      {0x00DF, ctUpper, {L'S', L'S'}},  {0x00DF, ctTitle, {L'S', L's'}},
      {0x00DF, ctFold, {L's', L's'}},   {0x00DF, ctLower, {0x00DF}},
      {0x01C4, ctTitle, {0x01C5}},      {0x0130, ctLower, {L'i', 0x0307}},
      {0x10400, ctLower, {0x10428}},    {0x03A3, ctFold, {0x03C3}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.Expected, CaseLookup(c.Code, c.Case)) << std::hex << c.Code << " " << int(c.Case);
}

TEST(UnicodeData, CombiningClassesDecompositionsNumbersAndCompositions) {
  EXPECT_EQ(230, CanonicalCombiningClass(0x0301));
  EXPECT_EQ(220, CanonicalCombiningClass(0x0316));
  EXPECT_EQ(216, CanonicalCombiningClass(0x1D165));
  EXPECT_EQ(0, CanonicalCombiningClass(L'A'));

  const struct {
    UCS4 Code;
    TCompatibilityFormattingTag Tag;
    TUCS4Array Expected;
  } decompositions[] = {
      {0x00E9, cftCanonical, {L'e', 0x0301}},
      {0x00A0, cftNoBreak, {L' '}},
      {0xFB01, cftCompat, {L'f', L'i'}},
      {0x00BD, cftFraction, {L'1', 0x2044, L'2'}},
      {0x1D15E, cftCanonical, {0x1D157, 0x1D165}},
  };
  for (const auto& c : decompositions) {
    TCompatibilityFormattingTag tag = cftCompat;
    EXPECT_EQ(c.Expected, DecompositionLookup(c.Code, tag)) << std::hex << c.Code;
    EXPECT_EQ(c.Tag, tag) << std::hex << c.Code;
  }
  TCompatibilityFormattingTag tag = cftFont;
  EXPECT_TRUE(DecompositionLookup(L'A', tag).empty());
  EXPECT_EQ(cftFont, tag) << "left alone when there is no decomposition";

  const struct {
    UCS4 Code;
    int64_t Numerator;
    int32_t Denominator;
  } numbers[] = {{L'7', 7, 1}, {0x00BD, 1, 2}, {0x0F33, -1, 2}, {0x216B, 12, 1}, {0x16B61, 1000000000000, 1}};
  for (const auto& c : numbers) {
    TUcNumber number;
    ASSERT_TRUE(NumberLookup(c.Code, number)) << std::hex << c.Code;
    EXPECT_EQ(c.Numerator, number.Numerator) << std::hex << c.Code;
    EXPECT_EQ(c.Denominator, number.Denominator) << std::hex << c.Code;
  }
  TUcNumber none;
  EXPECT_FALSE(NumberLookup(L'A', none));

  UCS4 composite = 0;
  EXPECT_TRUE(CompositionLookup(L'e', 0x0301, composite));
  EXPECT_EQ(0x00E9u, composite);
  EXPECT_TRUE(CompositionLookup(L'A', 0x030A, composite));
  EXPECT_EQ(0x00C5u, composite);
  EXPECT_FALSE(CompositionLookup(0x0915, 0x093C, composite)) << "excluded from composition";
  EXPECT_FALSE(CompositionLookup(0x1D157, 0x1D165, composite)) << "excluded from composition";
  EXPECT_FALSE(CompositionLookup(L'A', L'B', composite));
}

}  // namespace
