// The character tables and case maps against the platform's own character
// classification, locale comparison and the wide substring search.
#include <gtest/gtest.h>

#include <cwctype>

#include "codelib/UclBase.h"
#include "codelib/UclStrings.h"
#include "codelib/UclUnicode.h"
#include "codelib/UclWideStrings.h"

TEST(CharTablesTest, WideTablesAgreeWithThePlatformsClassification) {
  const wchar_t sample[] = L"Aa5 ÉéßΣσςЖжǅ€\x00BD\x2160\x2170";
  for (wchar_t c : String(sample)) {
    SCOPED_TRACE(static_cast<int>(c));
    EXPECT_EQ(static_cast<bool>(IsCharUpperW(c)), WideCharIsUpper(c));
    EXPECT_EQ(static_cast<bool>(IsCharLowerW(c)), WideCharIsLower(c));
    EXPECT_EQ(static_cast<bool>(IsCharAlphaW(c)), static_cast<bool>(WideCharTypes[c] & C1_ALPHA));
    const wchar_t lower = WideCaseMap[WideLoOffset + c], upper = WideCaseMap[WideUpOffset + c];
    EXPECT_EQ(static_cast<wchar_t>(reinterpret_cast<uintptr_t>(CharLowerW(reinterpret_cast<wchar_t*>(c)))),
              lower);
    EXPECT_EQ(static_cast<wchar_t>(reinterpret_cast<uintptr_t>(CharUpperW(reinterpret_cast<wchar_t*>(c)))),
              upper);
    const wchar_t reflected = WideCaseMap[WideReOffset + c];
    EXPECT_EQ(WideCharIsUpper(c) ? lower : WideCharIsLower(c) ? upper : c, reflected);
  }
  EXPECT_EQ(L'a', WideCaseMap[WideReOffset + L'A']);
  EXPECT_EQ(L'Σ', WideCaseMap[WideReOffset + L'σ']);
  EXPECT_EQ(L'5', WideCaseMap[WideReOffset + L'5']);  // neither case: itself
}

// The tables are filled by one platform call each; they must match asking
// about every character on its own.
TEST(CharTablesTest, WideTablesMatchThePerCharacterAnswerForEveryCharacter) {
  int mismatches = 0;
  for (int code = 0; code < 0x10000; ++code) {
    wchar_t c = static_cast<wchar_t>(code), lower = c, upper = c;
    WORD type = 0;
    GetStringTypeExW(LOCALE_USER_DEFAULT, CT_CTYPE1, &c, 1, &type);
    CharLowerBuffW(&lower, 1);
    CharUpperBuffW(&upper, 1);
    const bool same = WideCharTypes[code] == type && WideCaseMap[WideLoOffset + code] == lower &&
                      WideCaseMap[WideUpOffset + code] == upper;
    if (!same && ++mismatches <= 10) ADD_FAILURE() << "character " << code;
  }
  EXPECT_EQ(0, mismatches);
}

TEST(CharTablesTest, AnsiTablesAgreeWithThePlatformsClassification) {
  for (int code : {int('A'), int('z'), int('5'), int(' '), 0xC9, 0xE9, 0xDF, 0x80}) {
    SCOPED_TRACE(code);
    const auto c = static_cast<uint8_t>(code);
    const char ch = static_cast<char>(code);
    EXPECT_EQ(static_cast<bool>(IsCharUpperA(ch)), AnsiCharIsUpper(c));
    EXPECT_EQ(static_cast<bool>(IsCharLowerA(ch)), AnsiCharIsLower(c));
    const uint8_t reflected = AnsiCaseMap[AnsiReOffset + c];
    EXPECT_EQ(AnsiCharIsUpper(c) ? AnsiCaseMap[c] : AnsiCharIsLower(c) ? AnsiCaseMap[AnsiUpOffset + c] : c,
              reflected);
  }
  EXPECT_EQ('a', AnsiCaseMap[AnsiReOffset + 'A']);
  EXPECT_EQ('5', AnsiCaseMap[AnsiReOffset + '5']);
  CPINFO info;
  ASSERT_TRUE(GetCPInfo(CP_ACP, &info));
  EXPECT_EQ(static_cast<char>(info.DefaultChar[0]), AnsiReplacementCharacter);
}

TEST(CharTablesTest, LocalesHaveTheirCodePagesAndCompareIgnoringCase) {
  EXPECT_EQ(1252u, CodePageOfLocale(MAKELCID(MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN), 0)));
  EXPECT_EQ(1251u, CodePageOfLocale(MAKELCID(MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), 0)));
  EXPECT_EQ(932u, CodePageOfLocale(MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), 0)));
  EXPECT_EQ(GetACP(), CodePageOfLocale(0x7FFF0000));  // no such locale

  const uint32_t brazil = MAKELCID(MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN), 0);
  for (TUnicodeCompareFunction compare : {CompareWideTextNative, CompareWideTextAnsi}) {
    EXPECT_EQ(0, compare(L"Relatório", L"RELATÓRIO", brazil));
    EXPECT_EQ(-1, compare(L"abc", L"abd", brazil));
    EXPECT_EQ(1, compare(L"b", L"A", brazil));
  }
  EXPECT_EQ(CompareWideTextNative, UnicodeCompareFunction);
  EXPECT_NE(nullptr, UnicodeDataLock);
}

TEST(CharTablesTest, WideTextPosFindsTheFirstOccurrence) {
  const wchar_t* text = L"banana";
  EXPECT_EQ(text + 1, WideTextPos(text, L"ana"));
  EXPECT_EQ(text, WideTextPos(text, L"banana"));
  EXPECT_EQ(nullptr, WideTextPos(text, L"bananas"));
  EXPECT_EQ(nullptr, WideTextPos(text, L""));
  EXPECT_EQ(nullptr, WideTextPos(text, nullptr));
  EXPECT_EQ(nullptr, WideTextPos(L"", L"a"));
  EXPECT_EQ(nullptr, WideTextPos(nullptr, L"a"));
}
