// A real memo on a form, typed into as a person types: line breaks and
// tabs by its settings, word wrap and scrolling in the platform's
// multi-line edit, pasted line breaks, the display text a cell shows, and
// the sheet of the memo in every look.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/editors-rich/cxMemo.h"
#include "tests/editors-rich/CalendarFixture.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/controls/StdCtrls.h"

namespace {

void PutTextOnClipboard(const String& AText) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (AText.size() + 1) * sizeof(wchar_t));
  auto* chars = static_cast<wchar_t*>(GlobalLock(data));
  std::copy(AText.c_str(), AText.c_str() + AText.size() + 1, chars);
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
}

// A key pressed with Ctrl held, through the message loop.
void PressCtrlKey(WORD AKey) {
  BYTE keys[256];
  GetKeyboardState(keys);
  const BYTE saved = keys[VK_CONTROL];
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PressKey(AKey);
  keys[VK_CONTROL] = saved;
  SetKeyboardState(keys);
}

struct Memo : FormFixture {
  Memo() {
    Form->SetBounds(0, 0, 500, 400);
    Form->Show();
    Other = new TEdit(Form);
    Other->SetBounds(10, 300, 120, 22);
    Other->SetParent(Form);
  }
  TcxMemo* AddMemo(int AWidth = 185, int AHeight = 89) {
    auto* memo = new TcxMemo(Form);
    memo->SetBounds(10, 10, AWidth, AHeight);
    memo->SetParent(Form);
    memo->HandleNeeded();
    ProcessPendingMessages();
    return memo;
  }
  // Focuses the memo and types at its caret, a character at a time.
  static void Type(TcxMemo* AMemo, const String& AText) {
    if (!AMemo->Focused()) AMemo->SetFocus();
    for (wchar_t ch : AText) SendMessageW(GetFocus(), WM_CHAR, ch, 1);
    ProcessPendingMessages();
  }
  void Leave() {
    Other->SetFocus();
    ProcessPendingMessages();
  }
  static HWND Inner(TcxMemo* AMemo) { return AMemo->InnerMemo()->Handle(); }
  TEdit* Other = nullptr;
};

}  // namespace

TEST_F(Memo, EnterTypesALineBreakAndLeavingMakesTheLinesTheValue) {
  TcxMemo* memo = AddMemo();
  Type(memo, L"first");
  PressKey(VK_RETURN);
  Type(memo, L"second");
  EXPECT_EQ(memo->Text(), L"first\r\nsecond");
  ASSERT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Lines()->Strings(1), L"second");
  EXPECT_EQ(memo->CaretPos(), TPoint(6, 1));
  Leave();
  EXPECT_EQ(VarToStr(memo->EditValue()), L"first\r\nsecond");

  // Lines set by the program are the value at once.
  memo->Lines()->SetStrings(0, L"one");
  memo->Lines()->Add(L"three");
  EXPECT_EQ(VarToStr(memo->EditValue()), L"one\r\nsecond\r\nthree");
  memo->SetCaretPos(TPoint(2, 2));
  EXPECT_EQ(memo->CaretPos(), TPoint(2, 2));
  memo->Lines()->Clear();
  EXPECT_EQ(memo->Text(), L"");
}

TEST_F(Memo, EnterAndCtrlEnterFollowWantReturns) {
  struct TCase {
    bool WantReturns;
    bool Ctrl;
    const wchar_t* Expected;
  } cases[] = {
      {true, false, L"a\r\nb"},
      {true, true, L"a\r\nb"},
      {false, false, L"ab"},
      {false, true, L"a\r\nb"},
  };
  for (const TCase& c : cases) {
    TcxMemo* memo = AddMemo();
    memo->Properties()->SetWantReturns(c.WantReturns);
    Type(memo, L"a");
    if (c.Ctrl)
      PressCtrlKey(VK_RETURN);
    else
      PressKey(VK_RETURN);
    Type(memo, L"b");
    EXPECT_EQ(memo->Text(), c.Expected) << c.WantReturns << " " << c.Ctrl;
    delete memo;
  }
}

TEST_F(Memo, TabIsTypedOnlyWithWantTabsOtherwiseItMovesTheFocus) {
  TcxMemo* memo = AddMemo();
  Type(memo, L"x");
  PressKey(VK_TAB);
  EXPECT_EQ(memo->Text(), L"x");
  EXPECT_EQ(GetFocus(), Other->Handle());

  memo->Properties()->SetWantTabs(true);
  Type(memo, L"y");
  PressKey(VK_TAB);
  Type(memo, L"z");
  EXPECT_EQ(GetFocus(), Inner(memo));
  EXPECT_EQ(memo->Text(), L"xy\tz");
}

TEST_F(Memo, LongLinesWrapOnlyWithWordWrapAndNoHorizontalScrollBar) {
  const String text = L"the quick brown fox jumps over the lazy dog and keeps running far away";
  struct TCase {
    bool WordWrap;
    TScrollStyle ScrollBars;
    bool Wraps;
  } cases[] = {{true, ssNone, true}, {true, ssVertical, true}, {true, ssHorizontal, false}, {false, ssNone, false}};
  for (const TCase& c : cases) {
    TcxMemo* memo = AddMemo();
    memo->Properties()->SetWordWrap(c.WordWrap);
    memo->Properties()->SetScrollBars(c.ScrollBars);
    memo->SetEditValue(Variant(text));
    ProcessPendingMessages();
    EXPECT_EQ(memo->Lines()->Count(), 1);
    const LRESULT rows = SendMessageW(Inner(memo), EM_GETLINECOUNT, 0, 0);
    EXPECT_EQ(rows > 1, c.Wraps) << c.WordWrap << " " << static_cast<int>(c.ScrollBars) << " rows " << rows;
    EXPECT_EQ(memo->Text(), text) << "the text survives the window made again";
    delete memo;
  }
}

TEST_F(Memo, ScrollBarsScrollTheLinesAndAreDrawn) {
  TcxMemo* memo = AddMemo();
  memo->Properties()->SetScrollBars(ssVertical);
  String text;
  for (int i = 1; i <= 40; ++i) text += L"line " + IntToStr(i) + L"\r\n";
  memo->SetEditValue(Variant(text));
  ProcessPendingMessages();
  EXPECT_TRUE(GetWindowLongW(Inner(memo), GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(SendMessageW(Inner(memo), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  std::unique_ptr<TBitmap> before = CaptureWindow(memo);

  SendMessageW(Inner(memo), WM_VSCROLL, SB_PAGEDOWN, 0);
  ProcessPendingMessages();
  EXPECT_GT(SendMessageW(Inner(memo), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  // The caret at the end brings the last lines into view.
  Type(memo, String());
  PressCtrlKey(VK_END);
  EXPECT_GE(SendMessageW(Inner(memo), EM_GETFIRSTVISIBLELINE, 0, 0), 30);

  // The bar's pixels differ from the text area's background at its right.
  const int x = memo->Width() - 3 - GetSystemMetrics(SM_CXVSCROLL) / 2;
  EXPECT_NE(PixelColor(*before, x, memo->Height() / 2), PixelColor(*before, memo->Width() / 2, memo->Height() - 4));
}

TEST_F(Memo, PastedLineFeedCarriageReturnPairsBecomeTwoLineBreaks) {
  TcxMemo* memo = AddMemo();
  Type(memo, L"<");
  PutTextOnClipboard(L"a\n\rb");
  Type(memo, String(1, wchar_t(22)));  // Ctrl+V
  Type(memo, L">");
  EXPECT_EQ(memo->Text(), L"<a\r\n\r\nb>");
  EXPECT_EQ(memo->Lines()->Count(), 3);
}

TEST_F(Memo, CtrlASelectsEverything) {
  TcxMemo* memo = AddMemo();
  Type(memo, L"ab");
  PressKey(VK_RETURN);
  Type(memo, L"cd");
  PressCtrlKey('A');
  EXPECT_EQ(memo->SelStart(), 0);
  EXPECT_EQ(memo->SelLength(), 6);
}

TEST_F(Memo, ReadOnlyMemoTakesNoTyping) {
  TcxMemo* memo = AddMemo();
  memo->SetEditValue(Variant(L"kept"));
  memo->Properties()->SetReadOnly(true);
  Type(memo, L"x");
  PressKey(VK_RETURN);
  EXPECT_EQ(memo->Text(), L"kept");
}

TEST(MemoProperties, DisplayTextOfACellIsTheFirstLineAtMost250Characters) {
  TcxMemoProperties properties(nullptr);
  const String longLine(300, L'w');
  struct TCase {
    String Value;
    bool FullText;
    String Expected;
  } cases[] = {
      {L"one\r\ntwo", false, L"one"},
      {L"one\ntwo", false, L"one"},
      {L"one\r\ntwo", true, L"one\r\ntwo"},
      {longLine, false, longLine.substr(0, 250)},
      {longLine, true, longLine},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(properties.GetDisplayText(Variant(c.Value), c.FullText), c.Expected) << c.FullText;
}

TEST(MemoProperties, DefaultsSettingsAndTheirCopies) {
  TcxMemoProperties properties(nullptr);
  EXPECT_EQ(properties.Alignment()->Vert(), taTopJustify);
  EXPECT_FALSE(properties.AutoSelect());
  EXPECT_TRUE(properties.WantReturns());
  EXPECT_FALSE(properties.WantTabs());
  EXPECT_TRUE(properties.WordWrap());
  EXPECT_EQ(properties.ScrollBars(), ssNone);
  EXPECT_TRUE(properties.IsMultiLineText());
  EXPECT_TRUE(properties.GetSpecialFeatures().Contains(esfMultiRow));
  properties.SetVisibleLineCount(-4);
  EXPECT_EQ(properties.VisibleLineCount(), 0);

  int changes = 0;
  properties.OnPropertiesChanged = [&](TObject*) { ++changes; };
  properties.SetWantTabs(true);
  properties.SetWantTabs(true);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(properties.InnerEditWantsTabs());

  properties.SetScrollBars(ssBoth);
  properties.SetVisibleLineCount(3);
  properties.SetWordWrap(false);
  properties.SetWantReturns(false);
  TcxMemoProperties copy(nullptr);
  copy.Assign(&properties);
  EXPECT_EQ(copy.ScrollBars(), ssBoth);
  EXPECT_EQ(copy.VisibleLineCount(), 3);
  EXPECT_FALSE(copy.WordWrap());
  EXPECT_FALSE(copy.WantReturns());
  EXPECT_TRUE(copy.WantTabs());
}

TEST(MemoProperties, DrawTextFlagsWrapOnlyWithoutAHorizontalScrollBar) {
  struct TCase {
    bool WordWrap;
    TScrollStyle ScrollBars;
    TAlignment Alignment;
    uint32_t Expected;
  } cases[] = {
      {true, ssNone, taLeftJustify, 0x4000 | 0x40000 | 0x400 | 0x100 | 0x20000},
      {true, ssVertical, taRightJustify, 0x4000 | 0x40000 | 0x400 | 0x2 | 0x100 | 0x20000},
      {true, ssBoth, taCenter, 0x4000 | 0x40000 | 0x400 | 0x1},
      {false, ssNone, taLeftJustify, 0x4000 | 0x40000 | 0x400},
  };
  for (const TCase& c : cases) {
    TcxMemoProperties properties(nullptr);
    properties.SetWordWrap(c.WordWrap);
    properties.SetScrollBars(c.ScrollBars);
    properties.SetHorzAlignment(c.Alignment);
    TcxEditStyle style(nullptr, false);
    std::unique_ptr<TcxCustomEditViewData> viewData(properties.CreateViewData(&style, false));
    auto* memoData = static_cast<TcxCustomMemoViewData*>(viewData.get());
    memoData->HorzAlignment = c.Alignment;
    EXPECT_EQ(memoData->GetDrawTextFlags(), c.Expected) << static_cast<int>(c.ScrollBars);
    EXPECT_EQ(memoData->GetDrawTextOffset(), TRect(1, 1, 1, 3));
  }
}

TEST(MemoProperties, RegisteredWithAFilterHelperOfTextMatchingAndBlanks) {
  EXPECT_EQ(cxEditPropertiesRegistry()->GetDescriptionByClass(TcxMemoProperties::StaticClass()), L"Memo");
  const TcxCustomFilterEditHelper* helper = cxFilterEditsRegistry()->FindHelper(TcxMemoProperties::StaticClass());
  ASSERT_EQ(helper, TcxFilterMemoHelper::Instance());
  TcxMemoProperties properties(nullptr);
  EXPECT_EQ(helper->GetSupportedFilterOperators(&properties, nullptr),
            (TcxFilterControlOperators{fcoLike, fcoNotLike, fcoBlanks, fcoNonBlanks}));
}

// Every look, unfocused and focused, with and without scroll bars, and
// disabled: the text is drawn dark on the light text area.
TEST_F(Memo, SheetInEveryLook) {
  struct TState {
    const char* Name;
    bool Focused;
    bool Enabled;
    TScrollStyle ScrollBars;
  } states[] = {{"Normal", false, true, ssNone},
                {"Focused", true, true, ssNone},
                {"Scroll bars", false, true, ssBoth},
                {"Disabled", false, false, ssVertical}};
  const int cellWidth = 220, cellHeight = 120, left = 90, top = 20;
  TcxBitmap sheet(left + std::size(states) * cellWidth, top + std::size(AllLooks) * cellHeight, pf32bit);
  TcxCanvas* canvas = sheet.cxCanvas();
  canvas->FillRect(sheet.ClientRect(), clWhite);
  canvas->Brush()->SetStyle(bsClear);
  auto label = [&](const std::string& AText, int X, int Y) {
    canvas->Canvas()->TextOut(X, Y, String(AText.begin(), AText.end()));
  };
  for (size_t s = 0; s < std::size(states); ++s) label(states[s].Name, left + s * cellWidth, 2);
  for (size_t l = 0; l < std::size(AllLooks); ++l) {
    const int y = top + l * cellHeight;
    label(LookName(AllLooks[l]), 4, y + 20);
    for (size_t s = 0; s < std::size(states); ++s) {
      TcxMemo* memo = AddMemo(200, 100);
      SetLook(memo->Style()->LookAndFeel(), AllLooks[l]);
      memo->Properties()->SetScrollBars(states[s].ScrollBars);
      memo->SetEditValue(Variant(String(L"Memo text that wraps onto the next row\r\nSecond line\r\n\tTabbed")));
      memo->SetEnabled(states[s].Enabled);
      if (states[s].Focused) memo->SetFocus();
      ProcessPendingMessages();
      std::unique_ptr<TBitmap> image = CaptureWindow(memo);
      // Some pixel of the first text row is dark.
      bool dark = false;
      for (int x = 3; x < 60 && !dark; ++x)
        for (int yy = 3; yy < 14 && !dark; ++yy) dark = (PixelColor(*image, x, yy) & 0xFF) < 0x80;
      EXPECT_EQ(dark, states[s].Enabled) << states[s].Name << " " << LookName(AllLooks[l]);
      BitBlt(canvas->Handle(), left + s * cellWidth, y, image->Width(), image->Height(), image->Canvas()->Handle(), 0,
             0, SRCCOPY);
      delete memo;
      Other->SetFocus();
    }
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet, L"artifacts\\Memos.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/Memos.png"));
}
