#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <regex>

#include "components/editors/cxRegExpr.h"
#include "tests/editors/RegExprCases.h"
#include "vcl/rtl/FormatSettings.h"

namespace {

// Feeds AText symbol by symbol: whether every symbol is taken and the whole
// is a complete match.
bool Accepts(TcxRegExpr& AExpr, const String& AText) {
  AExpr.Reset();
  for (Char C : AText)
    if (!AExpr.Next(C)) return false;
  return AExpr.IsFinal();
}

bool Accepts(const String& APattern, const String& AText) {
  TcxRegExpr Expr;
  Expr.Compile(APattern);
  return Accepts(Expr, AText);
}

// The full message of the first error a pattern's compile raises, or a
// note that it compiled.
String FirstError(const String& APattern) {
  TcxRegExpr Expr;
  try {
    Expr.Compile(APattern);
  } catch (const EcxRegExprError& E) {
    EXPECT_FALSE(Expr.IsCompiled());
    EXPECT_EQ(Expr.Stream(), nullptr);
    EXPECT_GT(E.Errors().Count(), 0);
    return E.Errors().GetItems(0).FullMessage();
  }
  return L"(compiled)";
}

// The engine and an independent matcher accept exactly the same texts, on
// patterns both read the same way and a seeded set of inputs over each
// pattern's alphabet.
TEST(RegExpr, AcceptsWhatAnIndependentMatcherAccepts) {
  std::mt19937 Random(20261211);
  for (const TRegExprCase& Case : RegExprCases()) {
    SCOPED_TRACE(Case.Pattern);
    TcxRegExpr Expr;
    Expr.Compile(Case.Pattern);
    const std::wregex Independent(Case.Ecma, std::regex::ECMAScript);
    int Accepted = 0;
    for (const String& Input : GenerateInputs(Case, Random, 400)) {
      const bool Expected = std::regex_match(Input, Independent);
      EXPECT_EQ(Accepts(Expr, Input), Expected) << "input \"" << ToUtf8(Input) << '"';
      Accepted += Expected;
    }
    EXPECT_GT(Accepted, 0);  // the inputs reach the accepting side too
  }
}

// Texts the engine's own syntax gives its own meaning, and the groups that
// can match nothing: (a?) accepts the empty text, b(a?) a single b.
TEST(RegExpr, OwnSyntax) {
  struct TCase {
    const wchar_t* Pattern;
    const wchar_t* Text;
    bool Accepted;
  } Cases[] = {
      {L"a b", L"ab", true},         {L"a b", L"a b", false},      {L"'a b'", L"a b", true},
      {L"'it''s'", L"it's", true},   {L"(a)\\1", L"aa", true},     {L"(a|b)\\1", L"ab", true},
      {L"a+*", L"", true},           {L"a+*", L"aaa", true},       {L"a*?", L"aa", true},
      {L"a??", L"", true},           {L"a{0,}", L"", true},        {L"a{0,}", L"aaaa", true},
      {L"a{2,4}", L"a", false},      {L"a{2,4}", L"aa", true},     {L"a{2,4}", L"aaaa", true},
      {L"a{2,4}", L"aaaaa", false},  {L"a{0}", L"", true},         {L"a{0}", L"a", false},
      {L"(a?)", L"", true},          {L"b(a?)", L"b", true},       {L"b(a?)", L"ba", true},
      {L"((a?)(b?))c", L"c", true},  {L"x((a?))", L"x", true},     {L"(a?|b)", L"", true},
      {L"\\x41\\t", L"A\t", true},   {L"\\e\\a", L"\x1B\x07", true}, {L"\\(\\.", L"(.", true},
      {L"[a-]", L"-", true},         {L"[-a]", L"-", true},        {L"[^a]", L"a", false},
      {L"\\s\\S", L"\tx", true},     {L"\\s", L"\v", false},       {L"\\W", L"_", false},
      {L"[\\d.]+", L"1.x", false},   {L"[\\d.]+", L"1.5", true},   {L"\\0", L"0", true},
  };
  for (const TCase& Case : Cases)
    EXPECT_EQ(Accepts(Case.Pattern, Case.Text), Case.Accepted) << ToUtf8(Case.Pattern) << " on " << ToUtf8(Case.Text);
}

// Separators are the locale's: the date separator at each check, the
// decimal separator of \p when compiling.
TEST(RegExpr, LocaleSeparators) {
  const TFormatSettings Saved = FormatSettings;
  FormatSettings.DateSeparator = L'.';
  FormatSettings.TimeSeparator = L'h';
  FormatSettings.DecimalSeparator = L',';
  TcxRegExpr Expr;
  Expr.Compile(L"\\d/\\d:\\p");
  EXPECT_TRUE(Accepts(Expr, L"1.2h,"));
  EXPECT_FALSE(Accepts(Expr, L"1/2:,"));
  FormatSettings.DateSeparator = L'-';
  FormatSettings.DecimalSeparator = L'.';
  EXPECT_TRUE(Accepts(Expr, L"1-2h,"));
  FormatSettings = Saved;
}

TEST(RegExpr, CaseInsensitiveRewritesToTheWrittenCase) {
  struct TCase {
    const wchar_t* Pattern;
    Char Token;
    bool Accepted;
    Char After;
  } Cases[] = {
      {L"a", L'A', true, L'a'},   {L"A", L'a', true, L'A'},   {L"[a-z]", L'A', false, L'A'},
      {L"[xa]", L'A', true, L'a'}, {L"(A|a)", L'a', true, L'a'},
      {L"\\w", L'Q', true, L'Q'}, {L"\xE9", L'\xC9', true, L'\xE9'},
  };
  for (const TCase& Case : Cases) {
    TcxRegExpr Expr;
    Expr.SetCaseInsensitive(true);
    Expr.Compile(Case.Pattern);
    Char Token = Case.Token;
    EXPECT_EQ(Expr.Next(Token), Case.Accepted) << ToUtf8(Case.Pattern);
    EXPECT_EQ(Token, Case.After) << ToUtf8(Case.Pattern);
  }
  TcxRegExpr Sensitive;
  Sensitive.Compile(L"a");
  Char Token = L'A';
  EXPECT_FALSE(Sensitive.Next(Token));
}

// A script of typed symbols and steps back ('<'), logged as: a symbol taken,
// (x) refused, +x inserted on its own after it, - taken back, < stepped back,
// <! nothing to step back over.
String RunScript(const String& APattern, const String& AScript) {
  TcxRegExpr Expr;
  String Log;
  std::vector<String> Events;
  auto Note = [&Log](const String& S) { Log += (Log.empty() ? L"" : L" ") + S; };
  auto NoteEvents = [&] {
    for (const String& Event : Events) Note(Event);
    Events.clear();
  };
  Expr.OnSymbolUpdate = [&](Char C) { Events.push_back(L"+" + String(1, C)); };
  Expr.OnSymbolDelete = [&] { Events.push_back(L"-"); };
  Expr.SetUpdateOn(true);
  Expr.Compile(APattern);
  NoteEvents();
  Note(L"|");
  for (Char C : AScript) {
    if (C == L'<') {
      const bool Stepped = Expr.Prev();
      NoteEvents();
      Note(Stepped ? L"<" : L"<!");
    } else {
      Char Token = C;
      Note(Expr.Next(Token) ? String(1, Token) : L"(" + String(1, C) + L")");
      NoteEvents();
    }
  }
  Note(Expr.IsStart() ? L"start" : Expr.IsFinal() ? L"final" : L"open");
  return Log;
}

TEST(RegExpr, ForcedSymbolsAndPrev) {
  const TFormatSettings Saved = FormatSettings;
  FormatSettings.DateSeparator = L'/';
  struct TCase {
    const wchar_t* Pattern;
    const wchar_t* Script;
    const wchar_t* Log;
  } Cases[] = {
      {L"'+7'\\d", L"5<<", L"++ +7 | 5 < - - <! start"},
      {L"'+7'\\d", L"x5", L"++ +7 | (x) 5 final"},
      {L"\\d\\d/\\d\\d", L"12", L"| 1 2 +/ open"},
      {L"\\d\\d/\\d\\d", L"12<3", L"| 1 2 +/ - < 3 +/ open"},
      {L"\\d\\d/\\d\\d", L"1234<", L"| 1 2 +/ 3 4 < open"},
      {L"abc|abd", L"d<<", L"+a +b | d < - - <! start"},
      {L"abc|abd", L"d<", L"+a +b | d < open"},
      {L"(ab|ac)x", L"c", L"+a | c +x final"},
      {L"a?b", L"b", L"| b final"},
      {L"x(yz)?", L"<", L"+x | - <! start"},
      {L"\\d+'kg'", L"12", L"| 1 2 open"},
  };
  for (const TCase& Case : Cases)
    EXPECT_EQ(ToUtf8(RunScript(Case.Pattern, Case.Script)), ToUtf8(Case.Log)) << ToUtf8(Case.Pattern);
  FormatSettings = Saved;
}

TEST(RegExpr, NextExSkipsRefusedSymbolsAndInsertsNothing) {
  TcxRegExpr Expr;
  int Inserted = 0;
  Expr.OnSymbolUpdate = [&](Char) { ++Inserted; };
  Expr.Compile(L"\\d\\d'-'\\d");
  Expr.SetUpdateOn(true);
  EXPECT_EQ(Expr.NextEx(L"1x2-3"), L"12-3");
  EXPECT_EQ(Inserted, 0);
  EXPECT_TRUE(Expr.IsFinal());
}

TEST(RegExpr, CompileErrorsWithTheirPositions) {
  struct TCase {
    const wchar_t* Pattern;
    const wchar_t* Message;
  } Cases[] = {
      {L"", L"The source stream is empty"},
      {L" \t\r\n", L"The source stream is empty"},
      {L"a|", L"The alternative should not be empty"},
      {L"|a", L"Line1, Char1: The alternative should not be empty"},
      {L"()", L"Line1, Char2: The block should not be empty"},
      {L"(a|)", L"Line1, Char4: The block should not be empty"},
      {L")", L"Unnecessary ')'"},
      {L"(ab", L"Missing ')'"},
      {L"a**", L"Line1, Char3: The '*' quantifier cannot be applied here"},
      {L"a?+", L"Line1, Char3: The '+' quantifier cannot be applied here"},
      {L"(a?)*", L"Line1, Char5: The '*' quantifier cannot be applied here"},
      {L"*a", L"Line1, Char1: Illegal quantifier '*'"},
      {L"a{3,1}", L"Line1, Char5: Incorrect parameter quantifier"},
      {L"{2}", L"Line1, Char1: Incorrect parameter quantifier"},
      {L"a{2", L"Line1, Char4: Missing '}'"},
      {L"a{x}", L"Line1, Char3: Illegal 'x'"},
      {L"a{'}", L"Line1, Char3: Illegal ' ' '"},
      {L"a?{2}", L"Line1, Char3: The parameter quantifier cannot be applied here"},
      {L"[a-c-e]", L"Line1, Char5: Illegal '-'"},
      {L"[z-a]", L"Line1, Char2: The starting character of the subrange must be less than the finishing one"},
      {L"[a-a]", L"Line1, Char2: The starting character of the subrange must be less than the finishing one"},
      {L"[]", L"Line1, Char2: Can't create empty enumeration"},
      {L"[^]", L"Line1, Char3: Can't create empty enumeration"},
      {L"[ab", L"Line1, Char4: Missing ']'"},
      {L"'ab", L"Line1, Char4: Missing ' ' '"},
      {L"\\1(a)", L"Line1, Char1: Too big reference number"},
      {L"\\xZ1", L"Line1, Char3: Hexadecimal number expected but 'Z' found"},
      {L"\\x1", L"Line1, Char4: Hexadecimal number expected"},
      {L"a\\ b", L"Line1, Char3: The space character is not allowed after '\\'"},
      {L"a\r\n**", L"Line2, Char2: The '*' quantifier cannot be applied here"},
  };
  for (const TCase& Case : Cases)
    EXPECT_EQ(ToUtf8(FirstError(Case.Pattern)), ToUtf8(Case.Message)) << ToUtf8(Case.Pattern);
}

TEST(RegExpr, ErrorsAreCollectedAndJoinedInTheMessage) {
  TcxRegExpr Expr;
  try {
    Expr.Compile(L"|a|");
    FAIL();
  } catch (const EcxRegExprError& E) {
    ASSERT_EQ(E.Errors().Count(), 2);
    EXPECT_EQ(E.Message(), L"Line1, Char1: The alternative should not be empty\r\nThe alternative should not be empty");
  }
  // A compile starts from nothing: the errors of the last one are gone.
  Expr.Compile(L"a");
  EXPECT_EQ(Expr.Errors().Count(), 0);
  EXPECT_TRUE(Accepts(Expr, L"a"));
  EXPECT_THROW(Expr.Compile(static_cast<TStream*>(nullptr)), EcxRegExprError);
  EXPECT_EQ(ToUtf8(Expr.Errors().GetItems(0).FullMessage()), "The source stream is not assigned");
  EXPECT_FALSE(Expr.IsCompiled());
}

// Bounds and copies that would grow the automaton past reason are refused
// with the engine's error at their place, quickly.
TEST(RegExpr, HostilePatternsAreRefusedQuickly) {
  struct TCase {
    String Pattern;
    const wchar_t* Message;
  } Cases[] = {
      {L"a{99999999}", L"Line1, Char2: Incorrect parameter quantifier"},
      {L"a{99999999999999999999}", L"Line1, Char3: Incorrect parameter quantifier"},
      {L"a{1,99999999}", L"Line1, Char2: Incorrect parameter quantifier"},
      {L"((a{1,40}){1,40}){1,40}", L"Line1, Char11: Incorrect parameter quantifier"},
      {L"a{0,600}", L"Line1, Char2: Incorrect parameter quantifier"},
      {L"(a{400})\\1\\1\\1\\1\\1", L"Line1, Char17: Too big reference number"},
      {String(600, L'(') + L"a" + String(600, L')'), L"Line1, Char513: Illegal '('"},
      {L"a" + String(600, L'?'), L"Line1, Char515: Illegal quantifier '?'"},
  };
  for (const TCase& Case : Cases) {
    const auto Start = std::chrono::steady_clock::now();
    EXPECT_EQ(ToUtf8(FirstError(Case.Pattern)), ToUtf8(Case.Message)) << ToUtf8(Case.Pattern.substr(0, 40));
    EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(1)) << ToUtf8(Case.Pattern.substr(0, 40));
  }
  // What stays under the limits still works.
  EXPECT_TRUE(Accepts(L"\\d{0,255}x", String(255, L'7') + L"x"));
  EXPECT_FALSE(Accepts(L"\\d{0,255}x", String(256, L'7') + L"x"));
  EXPECT_TRUE(Accepts(L"(a{1,20}){1,20}", String(400, L'a')));
  // The deepest nesting allowed is built, matched and freed.
  const String Deepest = String(10, L'(') + L"a{0,500}" + String(10, L')') + L"b";
  EXPECT_TRUE(Accepts(Deepest, String(500, L'a') + L"b"));
  EXPECT_TRUE(Accepts(Deepest, L"b"));
  EXPECT_FALSE(Accepts(Deepest, String(501, L'a') + L"b"));
}

TEST(RegExpr, UseBeforeACompileIsRefused) {
  TcxRegExpr Expr;
  Char Token = L'a';
  for (const std::function<void()>& Use : std::vector<std::function<void()>>{
           [&] { Expr.Next(Token); }, [&] { Expr.NextEx(L"a"); }, [&] { Expr.Prev(); }, [&] { Expr.IsFinal(); },
           [&] { Expr.IsStart(); }, [&] { Expr.Reset(); }, [&] { Expr.Print(); }}) {
    try {
      Use();
      ADD_FAILURE();
    } catch (const EcxEditError& E) {
      EXPECT_EQ(E.Message(), L"Regular expression is not compiled");
    }
  }
  // Nor may an expression whose compile failed be printed.
  EXPECT_THROW(Expr.Compile(L"a**"), EcxRegExprError);
  EXPECT_THROW(Expr.Print(), EcxEditError);
}

TEST(RegExpr, PrintDumpsTheParseTree) {
  TcxRegExpr Expr;
  Expr.Compile(L"a(b|c)?d+");
  EXPECT_EQ(Expr.Print(),
            L"<Start_Alt>\r\nitem --> \r\n<Start_Block>\r\n<Start_Alt>\r\nitem --> \r\n<Finish_Alt>\r\n"
            L"<Start_Alt>\r\nitem --> \r\n<Finish_Alt>\r\n<Finish_Block> --> ?\r\nitem --> +\r\n<Finish_Alt>\r\n");
}

TEST(RegExpr, StreamHoldsTheCompiledSource) {
  TcxRegExpr Expr;
  Expr.Compile(L"\xE7\\d");
  ASSERT_NE(Expr.Stream(), nullptr);
  EXPECT_EQ(Expr.Stream()->Size(), 4);  // UTF-8
  EXPECT_TRUE(Accepts(Expr, L"\xE7" L"5"));
}

}  // namespace
