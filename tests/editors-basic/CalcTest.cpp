// The calculator on a shown form: key sequences a person types in a table,
// buttons pressed with the mouse, the memory buttons, and what it draws in
// every look.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/editors-basic/cxCalc.h"
#include "tests/editors-basic/ButtonFixture.h"
#include "vcl/controls/Messages.h"
#include "vcl/rtl/FormatSettings.h"

namespace {

// A calculator whose display is a plain text.
class TDisplayCalculator : public TcxCustomCalculator {
public:
  using TcxCustomCalculator::TcxCustomCalculator;
  String Display = L"0";

protected:
  String GetDisplay() override { return Display; }
  void SetDisplay(const String& AText) override { Display = AText; }
};

struct CalculatorFixture : FormFixture {
  TDisplayCalculator* Calculator = nullptr;
  CalculatorFixture() {
    Form->SetBounds(0, 0, 300, 200);
    Calculator = Add<TDisplayCalculator>(10, 10);
    Calculator->SetBeepOnError(false);
    Form->Show();
    Calculator->SetFocus();
    ProcessPendingMessages();
  }
  // Characters are typed; {F9}, {ESC}, {DEL}, {ENTER}, {R} and {^X} (Ctrl
  // with a letter) are keys pressed.
  void Enter(const std::string& ASequence) {
    for (size_t i = 0; i < ASequence.size(); ++i) {
      if (ASequence[i] != '{') {
        const wchar_t ch = ASequence[i];
        SendMessageW(Calculator->Handle(), WM_CHAR, ch, 1);
        SendMessageW(Calculator->Handle(), WM_KEYUP, LOBYTE(VkKeyScanW(ch)), 0xC0000001);
        continue;
      }
      const size_t end = ASequence.find('}', i);
      const std::string key = ASequence.substr(i + 1, end - i - 1);
      i = end;
      const bool ctrl = key[0] == '^';
      WORD vk = ctrl ? key[1] : key == "F9" ? VK_F9 : key == "ESC" ? VK_ESCAPE : key == "DEL" ? VK_DELETE
                              : key == "ENTER" ? VK_RETURN : key[0];
      BYTE keys[256];
      GetKeyboardState(keys);
      keys[VK_CONTROL] = ctrl ? 0x80 : 0;
      SetKeyboardState(keys);
      SendMessageW(Calculator->Handle(), WM_KEYDOWN, vk, 1);
      SendMessageW(Calculator->Handle(), WM_KEYUP, vk, 0xC0000001);
      keys[VK_CONTROL] = 0;
      SetKeyboardState(keys);
    }
    ProcessPendingMessages();
  }
  // The text with "." as the locale's decimal separator.
  static String Localized(const char* AText) {
    String text(AText, AText + strlen(AText));
    for (wchar_t& ch : text)
      if (ch == L'.') ch = FormatSettings.DecimalSeparator;
    return text;
  }
};

struct TSequenceCase {
  const char* Keys;
  const char* Display;
};

const TSequenceCase SequenceCases[] = {
    {"2+3=", "5"},
    {"2+3==", "5"},                        // nothing pending the second time
    {"2+3*4=", "20"},                      // chained: 2 + 3 first
    {"2+*3=", "6"},                        // a second operator replaces the first
    {"200+10%", "220"},                    // the percentage of 200 added at once
    {"200+10%=", "220"},
    {"200-10%", "180"},
    {"200*10%", "20"},                     // 200 * (10 / 100)
    {"50/10%", "500"},
    {"3{R}", "0.333333333333333"},         // 1/x to 15 significant digits
    {"8{R}{R}", "8"},
    {"9@", "3"},
    {"9{F9}@", "Error"},                   // the square root of a negative
    {"0{R}", "Error"},
    {"5/0=", "Error"},
    {"5/0=7+", "Error"},                   // every key but C and CE repeats it
    {"5/0={^L}", "Error"},
    {"5/0={ESC}", "0"},                    // C recovers
    {"5/0={DEL}2+2=", "4"},                // CE too
    {"7{^M}{ESC}{^R}", "7"},               // memory store and recall
    {"7{^M}{^P}{^R}", "14"},               // memory add
    {"7{^M}5/0={ESC}{^R}", "7"},           // the memory outlives an error
    {"7{^M}{^L}{^R}", "0"},                // memory clear
    {"123\b", "12"},
    {"5{F9}\b", "0"},                      // a minus sign and one digit
    {"1.5.2", "1.52"},                     // one separator only
    {",5+1=", "1.5"},
    {"1234567890123456", "123456789012345"},  // the 16th digit is refused
    {"12345678901234{F9}5", "-123456789012345"},  // the minus sign is not a digit
    {"123456789012345{F9}6", "-123456789012345"},
    {"12{ENTER}", "12"},
    {"12{C}", "0"},
};

struct CalculatorSequences : CalculatorFixture, ::testing::WithParamInterface<TSequenceCase> {};

TEST_P(CalculatorSequences, KeysShowTheResult) {
  Enter(GetParam().Keys);
  EXPECT_EQ(Calculator->Display, Localized(GetParam().Display)) << GetParam().Keys;
}

INSTANTIATE_TEST_SUITE_P(Keys, CalculatorSequences, ::testing::ValuesIn(SequenceCases));

TEST_F(CalculatorFixture, ValueReadsZeroInTheErrorStateAndPrecisionFollows) {
  Enter("5/0=");
  EXPECT_EQ(Calculator->Status(), csError);
  EXPECT_EQ(Calculator->Value(), 0);
  Enter("{ESC}");
  Calculator->SetPrecision(1);  // still two digits
  Enter("123");
  EXPECT_EQ(Calculator->Display, L"12");
}

TEST_F(CalculatorFixture, CopiesAndPastesThroughTheClipboard) {
  Enter("12.5");
  SendMessageW(Calculator->Handle(), WM_CHAR, 3, 1);  // Ctrl+C
  Enter("{ESC}");
  SendMessageW(Calculator->Handle(), WM_CHAR, 22, 1);  // Ctrl+V
  EXPECT_EQ(Calculator->Display, Localized("12.5"));
  Enter("*2=");
  EXPECT_EQ(Calculator->Display, L"25");
  // Text that is no number becomes 0.
  Calculator->Display = L"abc";
  SendMessageW(Calculator->Handle(), WM_CHAR, 3, 1);
  Calculator->Display = L"7";
  SendMessageW(Calculator->Handle(), WM_CHAR, 22, 1);
  EXPECT_EQ(Calculator->Display, L"0");
}

TEST_F(CalculatorFixture, ButtonsPressedWithTheMouseAct) {
  auto click = [&](TcxCalcButtonKind AKind) {
    const TRect r = Calculator->Button(AKind).Bounds;
    const LPARAM at = MAKELPARAM((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    PostMessageW(Calculator->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(Calculator->Handle(), WM_LBUTTONUP, 0, at);
    ProcessPendingMessages();
  };
  EXPECT_TRUE(Calculator->Button(cbMR).Grayed);
  for (TcxCalcButtonKind kind : {cbNum7, cbMul, cbNum6, cbEqual}) click(kind);
  EXPECT_EQ(Calculator->Display, L"42");
  click(cbMS);
  EXPECT_FALSE(Calculator->Button(cbMR).Grayed);
  EXPECT_FALSE(Calculator->Button(cbMC).Grayed);
  // A press released away from the button does nothing.
  const TRect r = Calculator->Button(cbNum1).Bounds;
  PostMessageW(Calculator->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.Left + 2, r.Top + 2));
  PostMessageW(Calculator->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1, 1));
  PostMessageW(Calculator->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  ProcessPendingMessages();
  EXPECT_EQ(Calculator->Display, L"42");
}

// From 198 x 131 the buttons grow to the height that fits best (23), and
// the calculator takes the size they need.
TEST_F(CalculatorFixture, LaysOutItsButtonsForItsSize) {
  EXPECT_EQ(Calculator->ClientWidth(), 202);
  EXPECT_EQ(Calculator->ClientHeight(), 133);
  EXPECT_EQ(Calculator->Button(cbMC).Bounds, TRect(3, 29, 32, 52));
  Calculator->SetBounds(10, 10, 400, 400);
  ProcessPendingMessages();
  EXPECT_EQ(Calculator->ClientHeight(), 5 * Calculator->Button(cbMC).Bounds.Height() +
                                            6 * Calculator->Button(cbMC).Bounds.Left);
  EXPECT_EQ(Calculator->Button(cbEqual).Bounds.Right, Calculator->Button(cbClear).Bounds.Right);
  EXPECT_EQ(Calculator->GetButtonKindAt(1, 1), cbNone);
  const TRect five = Calculator->Button(cbNum5).Bounds;
  EXPECT_EQ(Calculator->GetButtonKindAt(five.Left + 1, five.Top + 1), cbNum5);
}

TEST_F(CalculatorFixture, SheetOfEveryLook) {
  const int cellWidth = 210, cellHeight = 145, left = 80;
  TcxBitmap sheet(left + 2 * cellWidth, std::size(AllLooks) * cellHeight, pf32bit);
  TcxCanvas* canvas = sheet.cxCanvas();
  canvas->FillRect(sheet.ClientRect(), clWhite);
  canvas->Brush()->SetStyle(bsClear);
  for (size_t l = 0; l < std::size(AllLooks); ++l) {
    canvas->Canvas()->TextOut(4, l * cellHeight + 60, String(LookName(AllLooks[l]), LookName(AllLooks[l]) +
                                                                                         strlen(LookName(AllLooks[l]))));
    SetLook(Calculator->LookAndFeel(), AllLooks[l]);
    for (int focused = 0; focused < 2; ++focused) {
      if (focused)
        Calculator->SetFocus();
      else
        Form->SetFocus();
      ProcessPendingMessages();
      std::unique_ptr<TBitmap> image = CaptureWindow(Calculator);
      BitBlt(canvas->Handle(), left + focused * cellWidth, l * cellHeight, image->Width(), image->Height(),
             image->Canvas()->Handle(), 0, 0, SRCCOPY);
    }
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet, L"artifacts\\Calculator.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/Calculator.png"));
}

}  // namespace

// ---------------------------------------------------------------- hot buttons and fading

namespace {

struct CalculatorFading : CalculatorFixture {
  TFaderOn Fader;
  TcxCalcEditButtonFadingHelper* Helper(TcxCalcButtonKind AKind) {
    return Calculator->Button(AKind).FadingHelper.get();
  }
  TPoint Centre(TcxCalcButtonKind AKind) {
    const TRect r = Calculator->Button(AKind).Bounds;
    return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  void MoveTo(const TPoint& P, WPARAM AButtons = 0) {
    SendMessageW(Calculator->Handle(), WM_MOUSEMOVE, AButtons, MAKELPARAM(P.X, P.Y));
  }
  void Leave() { Calculator->Perform(CM_MOUSELEAVE, 0, 0); }
};

}  // namespace

// A hovered button becomes hot where the look tracks it, and fades in the
// themed look only; leaving fades out, a press stops the fade.
TEST_F(CalculatorFading, AHoveredButtonTurnsHotAndFadesInTheThemedLook) {
  const struct {
    TLook Look;
    bool Hot, Fades;
  } cases[] = {{TLook::Native, true, true}, {TLook::UltraFlat, true, false}, {TLook::Standard, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(LookName(c.Look));
    SetLook(Calculator->LookAndFeel(), c.Look);
    ProcessPendingMessages();
    MoveTo(Centre(cbNum7));
    EXPECT_EQ(Calculator->HotButton(), c.Hot ? cbNum7 : cbNone);
    EXPECT_EQ(Calculator->Button(cbNum7).State, c.Hot ? cxbsHot : cxbsNormal);
    EXPECT_EQ(Helper(cbNum7)->Active(), c.Fades);
    // Moving on: the old button fades out, the new one in.
    MoveTo(Centre(cbNum8));
    EXPECT_EQ(Helper(cbNum7)->Active(), c.Fades);
    EXPECT_EQ(Helper(cbNum8)->Active(), c.Fades);
    TFaderOn::FinishFades();
    Leave();
    EXPECT_EQ(Calculator->HotButton(), cbNone);
    EXPECT_EQ(Helper(cbNum8)->Active(), c.Fades);
    // A press stops the fade of the button it holds.
    MoveTo(Centre(cbNum9));
    SendMessageW(Calculator->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Centre(cbNum9).X, Centre(cbNum9).Y));
    EXPECT_EQ(Calculator->Button(cbNum9).State, cxbsPressed);
    EXPECT_FALSE(Helper(cbNum9)->Active());
    SendMessageW(Calculator->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    Leave();
    dxGetGlobalFader()->Clear();
  }
}

// The window shows frames between the button's normal and hot look, the
// caption over them, and then the hot look.
TEST_F(CalculatorFading, TheButtonShowsFramesBetweenItsNormalAndHotLook) {
  SetLook(Calculator->LookAndFeel(), TLook::Native);
  ProcessPendingMessages();
  // "=" is the default button while the calculator is focused.
  EXPECT_EQ(Calculator->Button(cbEqual).State, cxbsDefault);
  ExpectFadeBetweenLooks(Helper(cbNum5), Calculator, Calculator->Button(cbNum5).Bounds,
                         [this] { MoveTo(Centre(cbNum5)); }, "CalculatorFade");
}
