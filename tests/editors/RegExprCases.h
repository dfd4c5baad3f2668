#pragma once
// Patterns that the mask engine and the standard library's ECMAScript
// matcher read the same way, with the alphabet their inputs are drawn from
// and texts each accepts; shared by the engine's tests and its benchmark.
#include <random>
#include <vector>

#include "vcl/rtl/System.h"

struct TRegExprCase {
  const wchar_t* Pattern;  // the engine's syntax
  const wchar_t* Ecma;     // the same language for std::regex
  const wchar_t* Alphabet;
  std::vector<const wchar_t*> Samples;  // accepted texts, mutated into near misses
  int MaxLength;
};

inline const std::vector<TRegExprCase>& RegExprCases() {
  static const std::vector<TRegExprCase> Cases{
      {L"\\d{3}-\\d{4}", L"\\d{3}-\\d{4}", L"0123456789-", {L"555-1234"}, 10},
      {L"(ab|cd)*e", L"(ab|cd)*e", L"abcde", {L"e", L"abe", L"abcde", L"cdcdabe"}, 9},
      {L"[a-c]+x?", L"[a-c]+x?", L"abcdx", {L"a", L"abcx", L"cc"}, 6},
      {L"a{2,4}b", L"a{2,4}b", L"ab", {L"aab", L"aaaab"}, 7},
      {L"(a|b)+c", L"(a|b)+c", L"abc", {L"ac", L"babc"}, 7},
      {L"\\w+", L"\\w+", L"aZ9_-!", {L"a_9"}, 6},
      {L"x(yz)?w", L"x(yz)?w", L"xyzw", {L"xw", L"xyzw"}, 6},
      {L"[^a-c]d", L"[^a-c]d", L"abcdez", {L"dd", L"zd"}, 4},
      {L"(a+b)*", L"(a+b)*", L"ab", {L"", L"ab", L"aabab"}, 8},
      {L"a?b?c", L"a?b?c", L"abc", {L"c", L"ac", L"abc"}, 5},
      {L"(ab){1,3}", L"(ab){1,3}", L"ab", {L"ab", L"ababab"}, 8},
      {L"\\d{1,3}(\\.\\d{1,3}){3}", L"\\d{1,3}(\\.\\d{1,3}){3}", L"0123456789.", {L"1.2.3.4", L"192.168.0.1"}, 16},
      {L"(a|ab)(c|bcd)(d*)", L"(a|ab)(c|bcd)(d*)", L"abcd", {L"abcd", L"acd", L"abbcdd"}, 8},
      {L"((a?)b)+", L"((a?)b)+", L"ab", {L"b", L"abab"}, 6},
      {L"(a?)", L"(a?)", L"ab", {L"", L"a"}, 3},
      {L"b(a?)c?", L"b(a?)c?", L"abc", {L"b", L"bac"}, 5},
      {L"\\s*\\S+", L"\\s*\\S+", L" \tab", {L"a", L" \tab"}, 6},
      {L"(x|y|z)*(xy|yz)", L"(x|y|z)*(xy|yz)", L"xyz", {L"xy", L"zxyz"}, 8},
      {L"a*b*c*", L"a*b*c*", L"abc", {L"", L"aabbc"}, 7},
      {L"\\D\\W", L"\\D\\W", L"a1_-", {L"a-"}, 3},
      {L"\\(\\d+\\)", L"\\(\\d+\\)", L"(1)", {L"(12)"}, 6},
      {L"a.c", L"a.c", L"abc.", {L"abc", L"a.c"}, 4},
      {L"[A-Z]{2}\\d{2,}[a-z]?", L"[A-Z]{2}\\d{2,}[a-z]?", L"AZ09az", {L"AB12", L"ZZ123x"}, 8},
  };
  return Cases;
}

// ACount inputs for one case: half drawn at random from its alphabet, half
// its samples with up to two characters replaced, inserted or removed.
inline std::vector<String> GenerateInputs(const TRegExprCase& ACase, std::mt19937& ARandom, int ACount) {
  const String Alphabet = ACase.Alphabet;
  auto Pick = [&](size_t ABound) { return std::uniform_int_distribution<size_t>(0, ABound)(ARandom); };
  auto RandomChar = [&] { return Alphabet[Pick(Alphabet.size() - 1)]; };
  std::vector<String> Result;
  Result.reserve(ACount);
  while (static_cast<int>(Result.size()) < ACount) {
    String Text;
    if (Result.size() % 2 == 0) {
      for (size_t Length = Pick(ACase.MaxLength); Length > 0; --Length) Text += RandomChar();
    } else {
      Text = ACase.Samples[Pick(ACase.Samples.size() - 1)];
      for (size_t Edits = Pick(2); Edits > 0; --Edits) {
        const size_t At = Pick(Text.size());
        switch (Pick(2)) {
          case 0: if (At < Text.size()) Text[At] = RandomChar(); break;
          case 1: Text.insert(Text.begin() + At, RandomChar()); break;
          default: if (At < Text.size()) Text.erase(At, 1);
        }
      }
    }
    Result.push_back(Text);
  }
  return Result;
}
