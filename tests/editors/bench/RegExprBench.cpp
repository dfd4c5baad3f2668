// Compares the mask engine with the standard library's ECMAScript matcher on
// the same patterns and inputs in one run: matching 100,000 generated inputs
// (the engine symbol by symbol, as the mask edit drives it, against
// std::regex_match on the whole input), and compiling 1,000 patterns.
//   cmake --build $CONVERSAO_BUILD --target bench_editors_regexpr
//   wine $CONVERSAO_BUILD/tests/editors/bench_editors_regexpr.exe
#include <chrono>
#include <cstdio>
#include <regex>

#include "components/editors/cxRegExpr.h"
#include "tests/editors/RegExprCases.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{};
  return units;
}

namespace {

using TClock = std::chrono::steady_clock;

constexpr int InputCount = 100000;
constexpr int PatternCount = 1000;
constexpr int Block = 1000;  // inputs timed in turn by each matcher

double Milliseconds(TClock::duration ADuration) {
  return std::chrono::duration<double, std::milli>(ADuration).count();
}

bool EngineAccepts(TcxRegExpr& AExpr, const String& AText) {
  AExpr.Reset();
  for (Char C : AText)
    if (!AExpr.Next(C)) return false;
  return AExpr.IsFinal();
}

void Report(const char* AWhat, double AEngine, double AStandard) {
  std::printf("%-28s engine %9.2f ms  std::regex %9.2f ms  engine/std %.3f\n", AWhat, AEngine, AStandard,
              AEngine / AStandard);
}

}  // namespace

int main() {
  TUnitStartup startup;
  const auto& Cases = RegExprCases();
  std::mt19937 Random(20261211);

  // Matching: every case gets its share of the inputs; the two matchers take
  // turns block by block, so both see the same machine conditions.
  TClock::duration Engine{}, Standard{};
  int EngineAccepted = 0, StandardAccepted = 0, Disagreements = 0;
  const int Share = InputCount / static_cast<int>(Cases.size());
  const int Rest = InputCount % static_cast<int>(Cases.size());
  for (size_t CaseIndex = 0; CaseIndex < Cases.size(); ++CaseIndex) {
    const TRegExprCase& Case = Cases[CaseIndex];
    TcxRegExpr Expr;
    Expr.Compile(Case.Pattern);
    const std::wregex Ecma(Case.Ecma, std::regex::ECMAScript);
    const auto Inputs = GenerateInputs(Case, Random, Share + (static_cast<int>(CaseIndex) < Rest));
    std::vector<char> EngineResults(Inputs.size()), StandardResults(Inputs.size());
    for (size_t First = 0; First < Inputs.size(); First += Block) {
      const size_t Last = std::min(Inputs.size(), First + Block);
      auto Start = TClock::now();
      for (size_t I = First; I < Last; ++I) EngineResults[I] = EngineAccepts(Expr, Inputs[I]);
      Engine += TClock::now() - Start;
      Start = TClock::now();
      for (size_t I = First; I < Last; ++I) StandardResults[I] = std::regex_match(Inputs[I], Ecma);
      Standard += TClock::now() - Start;
    }
    for (size_t I = 0; I < Inputs.size(); ++I) {
      EngineAccepted += EngineResults[I];
      StandardAccepted += StandardResults[I];
      Disagreements += EngineResults[I] != StandardResults[I];
    }
  }
  std::printf("%d patterns, %d inputs: accepted %d (engine) %d (std::regex), %d disagreements\n",
              static_cast<int>(Cases.size()), InputCount, EngineAccepted, StandardAccepted, Disagreements);
  Report("matching inputs", Milliseconds(Engine), Milliseconds(Standard));

  // Compiling: the table's patterns in turn, alternating matcher per pattern.
  Engine = Standard = {};
  for (int I = 0; I < PatternCount; ++I) {
    const TRegExprCase& Case = Cases[I % Cases.size()];
    auto Start = TClock::now();
    TcxRegExpr Expr;
    Expr.Compile(Case.Pattern);
    Engine += TClock::now() - Start;
    Start = TClock::now();
    const std::wregex Ecma(Case.Ecma, std::regex::ECMAScript);
    Standard += TClock::now() - Start;
  }
  Report("compiling 1,000 patterns", Milliseconds(Engine), Milliseconds(Standard));
  return Disagreements == 0 ? 0 : 1;
}
