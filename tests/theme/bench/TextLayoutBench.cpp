// Lays out a text of 1,048,576 characters (words of several scripts, line
// breaks now and then) in rows 400 pixels wide, and measures the same with
// the platform's DrawText (DT_WORDBREAK | DT_CALCRECT): the times and their
// ratio.
//   cmake --build $CONVERSAO_BUILD --target bench_theme_layout
//   wine $CONVERSAO_BUILD/tests/theme/bench_theme_layout.exe
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "components/core/cxDrawTextUtils.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{cxDrawTextUtilsUnit};
  return units;
}

namespace {

constexpr int TextLength = 1 << 20;
constexpr int RowWidth = 400;
constexpr int Rounds = 3;

String MakeText() {
  const wchar_t* const words[] = {L"the",      L"layout",    L"engine", L"breaks", L"rows",     L"at",    L"words",
                                  L"Correção", L"operações", L"Привет", L"日本語", L"テキスト", L"한국어"};
  std::mt19937 random(2026);
  String text;
  text.reserve(TextLength + 16);
  while (static_cast<int>(text.size()) < TextLength) {
    text += words[random() % std::size(words)];
    text += random() % 200 == 0 ? L"\r\n" : L" ";
  }
  text.resize(TextLength);
  return text;
}

// The best of several rounds, in milliseconds.
template <class TRun>
double BestTime(TRun ARun) {
  double best = 1e300;
  for (int round = 0; round < Rounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    ARun();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    best = std::min(best, elapsed.count());
  }
  return best;
}

}  // namespace

int main() {
  TUnitStartup startup;
  const HDC dc = CreateCompatibleDC(nullptr);
  const HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
  SelectObject(dc, font);
  const String text = MakeText();

  TcxTextParams params;
  cxTextParamsFromDC(dc, cxtlWordBreak | cxtlCalcRect, params);
  TcxTextRows rows;
  int rowCount = 0;
  const double ours = BestTime(
      [&] { cxLayOutTextRows(dc, text.c_str(), TextLength, TRect(0, 0, RowWidth, 0), params, rows, rowCount); });
  int platformHeight = 0;
  const double platform = BestTime([&] {
    RECT bounds{0, 0, RowWidth, 0};
    platformHeight = DrawTextW(dc, text.c_str(), TextLength, &bounds, DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
  });
  std::printf("%d characters in rows %d pixels wide\n", TextLength, RowWidth);
  std::printf("cxLayOutTextRows: %9.1f ms, %d rows\n", ours, rowCount);
  std::printf("DrawText:         %9.1f ms, %d rows\n", platform, platformHeight / params.RowHeight);
  std::printf("ratio (ours / DrawText): %.2f\n", ours / platform);
  DeleteDC(dc);
  DeleteObject(font);
  return 0;
}
