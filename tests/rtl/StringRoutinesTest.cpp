#include <gtest/gtest.h>

#include "vcl/rtl/SysUtils.h"

TEST(StringRoutines, PositionsAreOneBasedAtBothEnds) {
  EXPECT_EQ(Pos(L"A", L"ABCA"), 1);
  EXPECT_EQ(Pos(L"CA", L"ABCA"), 3);
  EXPECT_EQ(Pos(L"A", L"ABCA", 2), 4);
  EXPECT_EQ(Pos(L"X", L"ABCA"), 0);
  EXPECT_EQ(Pos(L"", L"ABC"), 0);
  EXPECT_EQ(Pos(L"A", L""), 0);
  EXPECT_EQ(Pos(L"A", L"ABCA", 5), 0);
  EXPECT_EQ(Pos(L"A", L"ABCA", 0), 0);
  EXPECT_EQ(Pos(L"ABCA", L"ABCA"), 1);
  EXPECT_EQ(Pos(L"ABCAB", L"ABCA"), 0);
  EXPECT_EQ(Copy(L"ABCDE", 2, 3), L"BCD");
  EXPECT_EQ(Copy(L"ABCDE", 4, 100), L"DE");
  EXPECT_EQ(Copy(L"ABCDE", 6, 1), L"");
  EXPECT_EQ(Copy(L"ABCDE", 0, 2), L"AB");
  EXPECT_EQ(Copy(L"", 1, 2), L"");
}

TEST(StringRoutines, DeleteAndInsertIgnorePositionsOutsideTheText) {
  String s = L"ABCDE";
  Delete(s, 2, 2);
  EXPECT_EQ(s, L"ADE");
  Delete(s, 9, 1);
  EXPECT_EQ(s, L"ADE");
  Insert(L"xy", s, 2);
  EXPECT_EQ(s, L"AxyDE");
  Insert(L"!", s, 99);
  EXPECT_EQ(s, L"AxyDE!");
}

TEST(StringRoutines, StringReplaceFlags) {
  struct Case {
    const wchar_t *text, *from, *to;
    TReplaceFlags flags;
    const wchar_t* expected;
  } cases[] = {
      {L"a SUM (x), sum (y)", L" sum (", L" SUM(", rfReplaceAll | rfIgnoreCase, L"a SUM(x), SUM(y)"},
      {L"a SUM (x), sum (y)", L" sum (", L" SUM(", rfIgnoreCase, L"a SUM(x), sum (y)"},
      {L"a SUM (x), sum (y)", L" sum (", L" SUM(", rfReplaceAll, L"a SUM (x), SUM(y)"},
      {L"||a||", L"||", L"+", rfReplaceAll, L"+a+"},
      {L"", L"x", L"y", rfReplaceAll, L""},
      {L"abc", L"", L"y", rfReplaceAll, L"abc"},
      {L"aaa", L"a", L"aa", rfReplaceAll, L"aaaaaa"},
      {L"ação", L"ÇÃO", L"x", rfIgnoreCase, L"ax"},
      {L"ABcab", L"ab", L"x", rfReplaceAll | rfIgnoreCase, L"xcx"},  // at both ends
      {L"aaaa", L"aa", L"a", rfReplaceAll, L"aa"},                   // no overlaps
      {L"x", L"x", L"", rfReplaceAll, L""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StringReplace(c.text, c.from, c.to, c.flags), c.expected) << c.text;
}

TEST(StringRoutines, CaseAndTrim) {
  EXPECT_EQ(UpperCase(L"abç"), L"ABç");
  EXPECT_EQ(AnsiUpperCase(L"abç"), L"ABÇ");
  EXPECT_EQ(Trim(L"  a b \t\r\n"), L"a b");
  EXPECT_EQ(TrimLeft(L"  a "), L"a ");
  EXPECT_EQ(TrimRight(L"  a "), L"  a");
  EXPECT_TRUE(SameText(L"Select", L"SELECT"));
  EXPECT_LT(CompareText(L"abc", L"ABD"), 0);
  EXPECT_EQ(QuotedStr(L"it's"), L"'it''s'");
}

TEST(StringRoutines, IntegerConversions) {
  EXPECT_EQ(StrToInt(L" 42 "), 42);
  EXPECT_EQ(StrToInt(L"-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToIntDef(L"x", 7), 7);
  int v = 0;
  EXPECT_FALSE(TryStrToInt(L"2147483648", v));
  EXPECT_FALSE(TryStrToInt(L"", v));
  try {
    StrToInt(L"12a");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'12a' is not a valid integer value");
  }
}

TEST(Format, Specifiers) {
  EXPECT_EQ(Format(L"List index out of bounds (%d)", {5}), L"List index out of bounds (5)");
  EXPECT_EQ(Format(L"%s-%5d|%-4s|%.3d", {L"a", 42, L"b", 7}), L"a-   42|b   |007");
  EXPECT_EQ(Format(L"%1:s %0:s", {L"x", L"y"}), L"y x");
  EXPECT_EQ(Format(L"%.2f %x %%", {3.14159, 255}), L"3.14 FF %");
  EXPECT_EQ(Format(L"%n", {1234567.5}), L"1,234,567.50");
  EXPECT_THROW(Format(L"%d", {L"text"}), EConvertError);
  EXPECT_THROW(Format(L"%d %d", {1}), EConvertError);
}

// Each integer keeps its own width and signedness: a negative one shows as
// unsigned in %u and %x at 32 bits when it is an Integer, 64 when an Int64.
TEST(Format, IntegersOfEveryWidth) {
  const struct {
    const wchar_t* Spec;
    TVarRec Arg;
    const wchar_t* Text;
  } cases[] = {
      {L"%d", -1, L"-1"},
      {L"%u", -1, L"4294967295"},
      {L"%x", -1, L"FFFFFFFF"},
      {L"%u", 4294967295U, L"4294967295"},
      {L"%d", INT64_MIN, L"-9223372036854775808"},
      {L"%d", INT64_MAX, L"9223372036854775807"},
      {L"%u", int64_t{-1}, L"18446744073709551615"},
      {L"%x", int64_t{-1}, L"FFFFFFFFFFFFFFFF"},
      {L"%u", UINT64_MAX, L"18446744073709551615"},
      {L"%d", UINT64_MAX, L"18446744073709551615"},
      {L"%u", uint64_t{1} << 63, L"9223372036854775808"},
      {L"%.3u", 7U, L"007"},
  };
  for (const auto& c : cases) EXPECT_EQ(Format(c.Spec, {c.Arg}), c.Text) << ToUtf8(c.Text);
}
