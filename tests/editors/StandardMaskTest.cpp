#include <gtest/gtest.h>

#include "components/editors/cxStandardMask.h"
#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

namespace {

// Runs a test with the platform's format settings of one locale.
class TMaskLocale {
public:
  explicit TMaskLocale(LANGID ALanguage) : FSaved(FormatSettings) {
    FormatSettings = TFormatSettings::Create(MAKELCID(ALanguage, SORT_DEFAULT));
  }
  ~TMaskLocale() { FormatSettings = FSaved; }

private:
  TFormatSettings FSaved;
};

constexpr LANGID LangPtBR = MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN);
constexpr LANGID LangEnUS = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr LANGID LangDe = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);

String Formatted(const String& AMask, String AText, bool AChangeCharCase = true, bool AMatch = false) {
  TcxStandardMask Mask;
  Mask.Compile(AMask);
  Mask.Format(AText, AChangeCharCase, AMatch);
  return AText;
}

class StandardMaskInLocale : public ::testing::TestWithParam<LANGID> {
protected:
  TMaskLocale Locale{GetParam()};
};

// Spreading texts over masks: the shown text, its edit value, and whether it
// is complete.
TEST_P(StandardMaskInLocale, FormatFormat2AndFullValidity) {
  struct TCase {
    const wchar_t* Mask;
    const wchar_t* Text;
    const wchar_t* Shown;
    const wchar_t* Value;
    bool FullValid;
  } Cases[] = {
      {L"00/00/0000", L"12031999", L"12/03/1999", L"12/03/1999", true},
      {L"00/00/0000;0", L"12031999", L"12/03/1999", L"12031999", true},
      {L"00/00/0000;0", L"12/03/1999", L"12/03/1999", L"12031999", true},
      {L"00/00/0000", L"1203", L"12/03/____", L"12/03/    ", false},
      {L"00:00", L"0930", L"09:30", L"09:30", true},
      {L"!999", L"12", L"_12", L" 12", true},
      {L"999", L"12", L"12_", L"12 ", true},
      {L"!00", L"1", L"_1", L" 1", false},
      {L"00;0;*", L"1", L"1*", L"1 ", false},
      {L"00;0;*", L"1 2", L"1*", L"1 ", false},
      {L"00;0", L"12", L"12", L"12", true},
      {L"00;01", L"123", L"12;31", L"12;31", true},
      {L">LL<ll<>LL", L"abCDeF", L"ABcdeF", L"ABcdeF", true},
      {L"L0", L"11", L"_1", L" 1", false},
      {L"LL", L"1a", L"a_", L"a ", false},
      {L"\\0\\\\0", L"5", L"0\\5", L"0\\5", true},
      {L"00\\", L"12", L"12", L"12", true},
      {L"(999) 000-0000", L"5551234567", L"(555) 123-4567", L"(555) 123-4567", true},
      {L"(999) 000-0000;0;_", L"5551234567", L"(555) 123-4567", L"5551234567", true},
      {L"#99", L"-12", L"-12", L"-12", true},
      {L"#99", L"+x1", L"+1_", L"+1 ", true},
      {L"CCC", L"a b", L"a b", L"a b", true},
      {L"aaa", L"a_b", L"a_b", L"a b", true},
      {L"AAA", L"\xE7" L"1?", L"\xE7" L"1_", L"\xE7" L"1 ", false},
      {L"LLL-000", L"\xE3" L"oX123", L"\xE3" L"oX-123", L"\xE3" L"oX-123", true},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(ToUtf8(Case.Mask) + " on " + ToUtf8(Case.Text));
    TcxStandardMask Mask;
    Mask.Compile(Case.Mask);
    String Text = Case.Text;
    Mask.Format(Text, true, false);
    const String Expected = StringReplace(Case.Shown, L"/", String(1, FormatSettings.DateSeparator), rfReplaceAll);
    EXPECT_EQ(ToUtf8(Text), ToUtf8(Expected));
    EXPECT_TRUE(Mask.IsValid(Text));
    EXPECT_EQ(Mask.IsFullValid(Text), Case.FullValid);
    String Value = Text;
    Mask.Format2(Value);
    EXPECT_EQ(ToUtf8(Value),
              ToUtf8(StringReplace(Case.Value, L"/", String(1, FormatSettings.DateSeparator), rfReplaceAll)));
  }
}

TEST_P(StandardMaskInLocale, EmptyTexts) {
  const String D(1, FormatSettings.DateSeparator);
  struct TCase {
    const wchar_t* Mask;
    String Empty;
    String FullEmpty;
    int Count;
  } Cases[] = {
      {L"00/00", L"  " + D + L"  ", L"__" + D + L"__", 5},
      {L"00/00;0", L"    ", L"__" + D + L"__", 5},
      {L"00/00;1;#", L"  " + D + L"  ", L"##" + D + L"##", 5},
      {L"00;0; ", L"  ", L"  ", 2},
      {L"!\\!0", L"! ", L"!_", 2},
      {L"", L"", L"", 0},
  };
  for (const TCase& Case : Cases) {
    TcxStandardMask Mask;
    Mask.Compile(Case.Mask);
    EXPECT_EQ(Mask.EmptyString(), Case.Empty) << ToUtf8(Case.Mask);
    EXPECT_EQ(Mask.FullEmptyString(), Case.FullEmpty) << ToUtf8(Case.Mask);
    EXPECT_EQ(Mask.Count(), Case.Count) << ToUtf8(Case.Mask);
  }
}

INSTANTIATE_TEST_SUITE_P(PtBrAndEnUs, StandardMaskInLocale, ::testing::Values(LangPtBR, LangEnUS));

TEST(StandardMask, ValidityOfShownTexts) {
  struct TCase {
    const wchar_t* Mask;
    const wchar_t* Text;
    bool Valid;
    bool FullValid;
  } Cases[] = {
      {L"00-00", L"1_-2_", true, false},  // a blank in a required position
      {L"99-99", L"1_-2 ", true, true},
      {L"#l-ac", L"_ -  ", true, true},
      {L"00", L"123", false, false},
      {L"00", L"1", true, false},
      {L"LL", L"a1", false, false},
      {L"00-00", L"12+34", false, false},  // a literal must be itself
      {L"CC", L"__", true, true},  // C takes any character, the blank too
      {L"00;0;*", L"1*", true, false},
      {L"00;0;*", L"1_", false, false},  // the blank is *, not _
  };
  for (const TCase& Case : Cases) {
    TcxStandardMask Mask;
    Mask.Compile(Case.Mask);
    String Text = Case.Text;
    EXPECT_EQ(Mask.IsValid(Text), Case.Valid) << ToUtf8(Case.Mask) << " " << ToUtf8(Case.Text);
    Text = Case.Text;
    EXPECT_EQ(Mask.IsFullValid(Text), Case.FullValid) << ToUtf8(Case.Mask) << " " << ToUtf8(Case.Text);
  }
}

TEST(StandardMask, CaseControlsConvertInPlace) {
  TcxStandardMask Mask;
  Mask.Compile(L">L<L");
  String Text = L"aB";
  EXPECT_TRUE(Mask.IsFullValid(Text));
  EXPECT_EQ(Text, L"Ab");
  // Spreading keeps the typed case unless asked to change it.
  EXPECT_EQ(Formatted(L">LL", L"ab", false), L"ab");
  EXPECT_EQ(Formatted(L">LL", L"\xE9" L"a", true), L"\xC9" L"A");
}

TEST(StandardMask, MatchingBlanksAndLiteralsReadsLiteralsInTheText) {
  // Without literals saved, a bare value skips the literals; when asked to
  // match literals, the text's own literals are matched in place.
  EXPECT_EQ(Formatted(L"00-00;0", L"1234", true, false), L"12-34");
  EXPECT_EQ(Formatted(L"00-00;0", L"12-3", true, true), L"12-3_");
  EXPECT_EQ(Formatted(L"00-00;0", L"12-3", true, false), L"12-3_");
  EXPECT_EQ(Formatted(L"00-00;0", L"1-23", true, false), L"12-3_");
}

TEST(StandardMask, ACompileStartsFromTheDefaults) {
  TcxStandardMask Mask;
  Mask.Compile(L"!00;0;*");
  EXPECT_TRUE(Mask.Leading());
  EXPECT_FALSE(Mask.SaveLiteralCharacters());
  EXPECT_EQ(Mask.Blank(), L'*');
  Mask.Compile(L"00");
  EXPECT_FALSE(Mask.Leading());
  EXPECT_TRUE(Mask.SaveLiteralCharacters());
  EXPECT_EQ(Mask.Blank(), L'_');
  EXPECT_EQ(Mask.Mask(), L"00");
}

TEST(StandardMask, SeparatorsAreTheLocaleOfTheCompile) {
  TMaskLocale German(LangDe);
  TcxStandardMask Mask;
  Mask.Compile(L"00/00 00:00");
  EXPECT_EQ(Mask.FullEmptyString(), L"__.__ __:__");
  FormatSettings.DateSeparator = L'-';
  EXPECT_EQ(Mask.FullEmptyString(), L"__.__ __:__");
  EXPECT_EQ(Formatted(L"00/00", L"1234"), L"12-34");
}

}  // namespace
