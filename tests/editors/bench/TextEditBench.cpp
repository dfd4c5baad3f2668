// Typing 10,000 characters into the text edit and into a plain platform
// EDIT window in the same run: characters per second of each and their
// ratio (the text edit should stay within twice the plain EDIT's time).
//   cmake --build $CONVERSAO_BUILD --target bench_editors_textedit
//   wine $CONVERSAO_BUILD/tests/editors/bench_editors_textedit.exe
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>

#include "components/editors/cxTextEdit.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Forms.h"
#include "vcl/rtl/UnitStartup.h"

namespace {

using TClock = std::chrono::steady_clock;
constexpr int CharCount = 10000;
constexpr int LineLength = 100;
constexpr int Rounds = 3;  // the text starts again, so that no edit grows without end

// Characters per second typed into the control that has the focus.
double TypeInto(TWinControl* AControl) {
  AControl->SetFocus();
  const HWND target = GetFocus();
  const TClock::time_point start = TClock::now();
  for (int i = 0; i < CharCount; ++i) {
    if (i % LineLength == 0) SendMessageW(target, EM_SETSEL, 0, -1);
    SendMessageW(target, WM_CHAR, L'a' + i % 26, 1);
  }
  const double seconds = std::chrono::duration<double>(TClock::now() - start).count();
  return CharCount / seconds;
}

}  // namespace

int main() try {
  TUnitStartup startup;
  auto* form = new TForm(Application);
  form->SetBounds(0, 0, 400, 200);
  form->Show();
  auto* textEdit = new TcxTextEdit(form);
  textEdit->SetBounds(10, 10, 300, 22);
  textEdit->SetParent(form);
  auto* plain = new TEdit(form);
  plain->SetBounds(10, 50, 300, 22);
  plain->SetParent(form);
  TypeInto(textEdit);  // warm up both
  TypeInto(plain);
  // Rounds taken in turns, the best of each: the display server's own
  // pauses fall on either side alike and are not counted.
  double textEditRate = 0, plainRate = 0;
  for (int round = 0; round < Rounds; ++round) {
    textEditRate = std::max(textEditRate, TypeInto(textEdit));
    plainRate = std::max(plainRate, TypeInto(plain));
  }
  std::printf("text edit:  %10.0f characters/s\n", textEditRate);
  std::printf("plain EDIT: %10.0f characters/s\n", plainRate);
  std::printf("ratio (plain / text edit): %.2f (at most 2 expected)\n", plainRate / textEditRate);
  delete form;
  return plainRate / textEditRate <= 2.0 ? 0 : 1;
} catch (const std::exception& E) {
  std::printf("%s\n", E.what());
  return 2;
}
