// The hyperlink edit on a shown form: the prefix a typed address gets, the
// links the shell may open and the texts it must never get (a path, a
// program, a command line), the gestures that start a link, the start event,
// the shell's failure told to the person, the link's colour and underline,
// and the sheet of it in every look. The shell call is recorded, never made.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <filesystem>

#include "components/editors-basic/cxHyperLinkEdit.h"
#include "tests/editors-basic/ButtonFixture.h"
#include "tests/graphics/PaintSurface.h"
#include "tests/guiharness/ScriptedDialogs.h"

namespace {

// Records the links handed to the shell and answers AResult for each.
struct TShellRecorder {
  explicit TShellRecorder(intptr_t AResult = 42) {
    FPrevious = cxSetShellOpenLinkProc([this, AResult](const String& ALink) {
      Links.push_back(ALink);
      return AResult;
    });
  }
  ~TShellRecorder() { cxSetShellOpenLinkProc(FPrevious); }
  std::vector<String> Links;

private:
  TcxShellOpenLinkProc FPrevious;
};

struct HyperLinkEdit : FormFixture {
  HyperLinkEdit() {
    Form->SetBounds(0, 0, 400, 200);
    Form->Show();
    Other = new TEdit(Form);
    Other->SetBounds(10, 150, 120, 22);
    Other->SetParent(Form);
  }
  TcxHyperLinkEdit* AddEdit() {
    auto* edit = new TcxHyperLinkEdit(Form);
    edit->SetBounds(10, 10, 200, 22);
    edit->SetParent(Form);
    edit->HandleNeeded();
    ProcessPendingMessages();
    return edit;
  }
  // Focused, the whole text replaced by what is typed.
  static void Retype(TcxHyperLinkEdit* AEdit, const String& AText) {
    AEdit->SetFocus();
    AEdit->SetSelection(0, static_cast<int>(AEdit->Text().size()));
    SendMessageW(GetFocus(), WM_CHAR, VK_BACK, 1);
    for (wchar_t ch : AText) SendMessageW(GetFocus(), WM_CHAR, ch, 1);
    ProcessPendingMessages();
  }
  void Leave() {
    Other->SetFocus();
    ProcessPendingMessages();
  }
  static void PressCtrlEnter() {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PressKey(VK_RETURN);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
  }
  // A person's clicks on the edit's text, the second soon after the first.
  static void ClickText(TcxHyperLinkEdit* AEdit, int ACount) {
    const TPoint p = AEdit->ClientToScreen(TPoint(20, AEdit->Height() / 2));
    MoveMouseTo(p);
    for (int i = 0; i < ACount; ++i) {
      PressMouseAt(p);
      ReleaseMouseAt(p);
    }
    ProcessPendingMessages();
  }
  TEdit* Other = nullptr;
};

}  // namespace

TEST(HyperLinkPrefix, IsAddedOnlyToAnAddressWithoutALinkScheme) {
  struct TCase {
    const char* Name;
    String Prefix;
    String Text;
    String Result;
  };
  const TCase cases[] = {
      {"bare address", L"http://", L"www.example.com", L"http://www.example.com"},
      {"blanks trimmed", L"http://", L"  www.example.com  ", L"http://www.example.com"},
      {"prefix already there", L"http://", L"http://example.com", L"http://example.com"},
      {"prefix in other letters", L"http://", L"HTTP://example.com", L"HTTP://example.com"},
      {"another web scheme", L"http://", L"https://example.com", L"https://example.com"},
      {"mail address with its scheme", L"http://", L"mailto:ana@example.com", L"mailto:ana@example.com"},
      {"a file link is left to be refused", L"http://", L"file:///C:/x.exe", L"file:///C:/x.exe"},
      {"a drive path becomes a web address", L"http://", L"C:\\x.exe", L"http://C:\\x.exe"},
      {"mail prefix", L"mailto:", L"ana@example.com", L"mailto:ana@example.com"},
      {"empty text", L"http://", L"   ", L""},
      {"no prefix", L"", L" www.example.com ", L"www.example.com"},
  };
  for (const TCase& c : cases) {
    TcxHyperLinkEditProperties properties(nullptr);
    properties.SetPrefix(c.Prefix);
    String result;
    properties.AddLinkPrefix(c.Text, result);
    EXPECT_EQ(result, c.Result) << c.Name;
  }
}

TEST(HyperLinkPrefix, OnlyLinksMayBeOpened) {
  struct TCase {
    const char* Name;
    String Link;
    String Prefix;
    bool Openable;
  };
  const TCase cases[] = {
      {"web address", L"http://www.example.com/a?b=1", L"http://", true},
      {"secure web address", L"https://example.com", L"http://", true},
      {"scheme in capitals", L"HTTPS://EXAMPLE.COM", L"http://", true},
      {"file transfer", L"ftp://example.com/f.txt", L"http://", true},
      {"mail address", L"mailto:ana@example.com", L"http://", true},
      {"the prefix's own scheme", L"news:comp.lang", L"news:", true},
      {"unknown scheme", L"news:comp.lang", L"http://", false},
      {"handler scheme", L"ms-msdt:/id", L"http://", false},
      {"program name", L"calc.exe", L"http://", false},
      {"command line", L"cmd /c del x", L"http://", false},
      {"drive path", L"C:\\Windows\\System32\\calc.exe", L"http://", false},
      {"network path", L"\\\\server\\share\\run.exe", L"http://", false},
      {"file link", L"file:///C:/Windows/System32/calc.exe", L"http://", false},
      {"file link even as the prefix", L"file:///C:/run.exe", L"file:///", false},
      {"scheme and nothing", L"http://", L"http://", false},
      {"blank inside", L"http://example.com calc.exe", L"http://", false},
      {"quote inside", L"http://example.com\"--x", L"http://", false},
      {"control character", L"http://example.com\tx", L"http://", false},
  };
  for (const TCase& c : cases) EXPECT_EQ(cxIsOpenableLink(c.Link, c.Prefix), c.Openable) << c.Name;
}

TEST_F(HyperLinkEdit, ATypedAddressIsStoredOrOpenedWithThePrefixAsUsePrefixSays) {
  struct TCase {
    const char* Name;
    TcxHyperLinkEditUsePrefix UsePrefix;
    String Typed;
    String Stored;
    String Opened;  // empty: refused with a message
  };
  const TCase cases[] = {
      {"always", upAlways, L"www.example.com", L"http://www.example.com", L"http://www.example.com"},
      {"always, prefix typed in capitals", upAlways, L"HTTP://example.com", L"HTTP://example.com",
       L"HTTP://example.com"},
      {"only on execute", upOnlyOnExecute, L"www.example.com", L"www.example.com", L"http://www.example.com"},
      {"never: an address without scheme is no link", upNever, L"www.example.com", L"www.example.com", L""},
      {"never: a program is refused", upNever, L"C:\\Windows\\System32\\calc.exe",
       L"C:\\Windows\\System32\\calc.exe", L""},
      {"never: a full link opens", upNever, L"https://example.com", L"https://example.com", L"https://example.com"},
  };
  for (const TCase& c : cases) {
    TShellRecorder shell;
    TScriptedDialogs dialogs;
    TcxHyperLinkEdit* edit = AddEdit();
    edit->Properties()->SetUsePrefix(c.UsePrefix);
    Retype(edit, c.Typed);
    Leave();
    EXPECT_EQ(VarToStr(edit->EditValue()), c.Stored) << c.Name;
    if (c.Opened.empty()) dialogs.Answer(mrOk);
    edit->SetFocus();
    PressCtrlEnter();
    if (c.Opened.empty()) {
      EXPECT_TRUE(shell.Links.empty()) << c.Name;
      ASSERT_EQ(dialogs.Messages().size(), 1u) << c.Name;
      EXPECT_NE(dialogs.Messages()[0].Text.find(L"is not a link"), String::npos) << c.Name;
      EXPECT_NE(dialogs.Messages()[0].Text.find(c.Stored), String::npos) << c.Name;
    } else {
      EXPECT_EQ(shell.Links, std::vector<String>{c.Opened}) << c.Name;
      EXPECT_TRUE(dialogs.Messages().empty()) << c.Name;
    }
    EXPECT_TRUE(dialogs.AllAnswered()) << c.Name;
    delete edit;
  }
}

TEST_F(HyperLinkEdit, GesturesStartTheLinkAsSingleClickSays) {
  struct TCase {
    const char* Name;
    bool SingleClick;
    int Clicks;
    size_t Opened;
  };
  const TCase cases[] = {
      {"single click off: a click places the caret", false, 1, 0},
      {"single click off: a double click starts", false, 2, 1},
      {"single click on: a click starts", true, 1, 1},
  };
  for (const TCase& c : cases) {
    TShellRecorder shell;
    TcxHyperLinkEdit* edit = AddEdit();
    edit->Properties()->SetSingleClick(c.SingleClick);
    edit->SetText(L"example.com");
    Leave();
    ClickText(edit, c.Clicks);
    EXPECT_EQ(shell.Links.size(), c.Opened) << c.Name;
    if (c.Opened) EXPECT_EQ(shell.Links[0], L"http://example.com") << c.Name;
    EXPECT_EQ(edit->ActiveProperties()->GetSupportedOperations().Contains(esoAlwaysHotTrack), c.SingleClick);
    delete edit;
    MoveMouseTo(TPoint(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1));
  }
}

TEST_F(HyperLinkEdit, TheStartKeyOrAStartHandlerAloneAndTheShellFailureTold) {
  TcxHyperLinkEdit* edit = AddEdit();
  edit->SetText(L"www.example.com");
  edit->SetFocus();
  {
    // Another start key: Ctrl+Enter is an ordinary key then.
    TShellRecorder shell;
    edit->Properties()->SetStartKey(ShortCut(VK_F5, {}));
    PressCtrlEnter();
    EXPECT_TRUE(shell.Links.empty());
    PressKey(VK_F5);
    EXPECT_EQ(shell.Links, std::vector<String>{L"http://www.example.com"});
    edit->Properties()->SetStartKey(0x400D);
  }
  {
    // A handler takes the start over; the shell is not called.
    TShellRecorder shell;
    int started = 0;
    edit->Properties()->OnStartClick = [&](TObject* Sender) {
      EXPECT_EQ(Sender, edit);
      ++started;
    };
    PressCtrlEnter();
    EXPECT_EQ(started, 1);
    EXPECT_TRUE(shell.Links.empty());
    edit->Properties()->OnStartClick = nullptr;
  }
  {
    // The shell cannot open it: the person is told, with the shell's code.
    TShellRecorder shell(SE_ERR_NOASSOC);
    TScriptedDialogs dialogs;
    dialogs.Answer(mrOk);
    PressCtrlEnter();
    EXPECT_EQ(shell.Links.size(), 1u);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Text, L"The link \"http://www.example.com\" could not be opened (error 31).");
    EXPECT_EQ(dialogs.Messages()[0].DlgType, mtError);
  }
  EXPECT_EQ(edit->Text(), L"www.example.com");
}

TEST_F(HyperLinkEdit, TheTextIsUnderlinedInTheLinkColour) {
  TcxHyperLinkEdit* edit = AddEdit();
  edit->Properties()->SetLinkColor(clRed);
  edit->SetText(L"www.example.com");
  Leave();
  EXPECT_EQ(edit->Style()->TextColor(), clRed);
  EXPECT_TRUE(edit->Style()->TextStyle().Contains(fsUnderline));
  EXPECT_TRUE(edit->InnerEditControl()->Font()->Style().Contains(fsUnderline));
  // The longest run of pure red along a row is the underline, nearly as
  // wide as the text.
  std::unique_ptr<TBitmap> picture = CaptureWindow(edit);
  int longest = 0;
  for (int y = 0; y < picture->Height(); ++y) {
    int run = 0;
    for (int x = 0; x < picture->Width(); ++x) {
      run = PixelColor(*picture, x, y) == clRed ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  EXPECT_GT(longest, 60);
  // A new colour reaches the shown text at once.
  edit->Properties()->SetLinkColor(clGreen);
  EXPECT_EQ(edit->InnerEditControl()->Font()->Color(), clGreen);
}

TEST_F(HyperLinkEdit, WithSingleClickTheLinkCursorShowsOnlyWhileTheMouseIsOver) {
  TcxHyperLinkEdit* edit = AddEdit();
  const TCursor screenCursor = Screen->Cursor();
  const TPoint over = edit->ClientToScreen(TPoint(20, edit->Height() / 2));
  const TPoint away = Other->ClientToScreen(TPoint(5, 5));
  struct TCase {
    const char* Name;
    bool SingleClick;
    TCursor Own;
    TCursor Over;
  };
  const TCase cases[] = {
      {"single click: the link cursor", true, crDefault, -2099},
      {"double click: the edit's cursor", false, crDefault, crDefault},
      {"a cursor of its own is kept", true, crCross, crCross},
  };
  for (const TCase& c : cases) {
    edit->Properties()->SetSingleClick(c.SingleClick);
    edit->SetCursor(c.Own);
    MoveMouseTo(over);
    ProcessPendingMessages();
    EXPECT_EQ(edit->Cursor(), c.Over) << c.Name;
    EXPECT_EQ(Screen->Cursor(), c.Over == -2099 ? -2099 : screenCursor) << c.Name;
    MoveMouseTo(away);
    ProcessPendingMessages();
    EXPECT_EQ(edit->Cursor(), c.Own) << c.Name;
    EXPECT_EQ(Screen->Cursor(), screenCursor) << c.Name;
  }
  // Freed with the mouse over it, the edit gives the screen its cursor back.
  edit->SetCursor(crDefault);
  edit->Properties()->SetSingleClick(true);
  MoveMouseTo(over);
  ProcessPendingMessages();
  EXPECT_EQ(Screen->Cursor(), -2099);
  delete edit;
  EXPECT_EQ(Screen->Cursor(), screenCursor);
}

// A host shows the edit under the mouse and activates it by the press or
// by the release: with SingleClick the hand shows at once, and goes when
// the mouse leaves.
TEST_F(HyperLinkEdit, AnInplaceActivationByMouseShowsTheLinkCursorWithSingleClick) {
  TShellRecorder shell;
  const TCursor screenCursor = Screen->Cursor();
  const struct {
    bool SingleClick;
    TShiftState Shift;  // with ssLeft: activated by the press
  } cases[] = {{true, {ssLeft}}, {true, {}}, {false, {ssLeft}}};
  for (const auto& c : cases) {
    const bool singleClick = c.SingleClick;
    SCOPED_TRACE(testing::Message() << (singleClick ? "single click" : "double click")
                                    << (c.Shift.Contains(ssLeft) ? ", by the press" : ", by the release"));
    auto* edit = new TcxHyperLinkEdit(Form, true);
    edit->SetBounds(10, 40, 200, 22);
    edit->SetParent(Form);
    edit->Properties()->SetSingleClick(singleClick);
    edit->HandleNeeded();
    const TPoint press(edit->Left() + 20, edit->Top() + 10);
    MoveMouseTo(Form->ClientToScreen(press));
    edit->ActivateByMouse(c.Shift, press.X, press.Y);
    ProcessPendingMessages();
    const TCursor expected = singleClick ? -2099 : crDefault;
    EXPECT_EQ(edit->Cursor(), expected);
    EXPECT_EQ(Screen->Cursor(), singleClick ? -2099 : screenCursor);
    MoveMouseTo(Other->ClientToScreen(TPoint(5, 5)));
    EXPECT_EQ(edit->Cursor(), crDefault);
    EXPECT_EQ(Screen->Cursor(), screenCursor);
    EXPECT_TRUE(edit->Deactivate());
    delete edit;
  }
  EXPECT_TRUE(shell.Links.empty());
}

TEST(HyperLinkCell, AHostsCellDrawsTheLinkUnderlinedInItsColour) {
  TcxHyperLinkEditProperties properties(nullptr);
  properties.SetLinkColor(clRed);
  TcxEditStyle style(nullptr, false);
  std::unique_ptr<TcxCustomEditViewInfo> viewInfo(properties.GetViewInfoClass().Create());
  std::unique_ptr<TcxCustomTextEditViewData> viewData(
      static_cast<TcxCustomTextEditViewData*>(properties.CreateViewData(&style, true)));
  TPaintSurface surface(220, 24, clWhite);
  viewData->EditValueToDrawValue(Variant(L"www.example.com"), viewInfo.get());
  viewData->Calculate(surface.Canvas.get(), TRect(0, 0, 220, 24), TPoint(-1, -1), cxmbNone, TShiftState{},
                      viewInfo.get(), false);
  viewInfo->Paint(surface.Canvas.get());
  EXPECT_EQ(viewInfo->TextColor, clRed);
  int longest = 0;
  for (int y = 0; y < 24; ++y) {
    int run = 0;
    for (int x = 0; x < 220; ++x) {
      run = surface.Pixel(x, y) == clRed ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  EXPECT_GT(longest, 60);
}

TEST_F(HyperLinkEdit, RegisteredWithItsFilterHelper) {
  const TcxCustomFilterEditHelper* helper =
      cxFilterEditsRegistry()->FindHelper(TcxHyperLinkEditProperties::StaticClass());
  ASSERT_EQ(helper, TcxFilterHyperLinkEditHelper::Instance());
  TcxHyperLinkEditProperties column(nullptr);
  std::unique_ptr<TcxCustomEdit> edit(helper->GetFilterEdit(&column));
  EXPECT_NE(dynamic_cast<TcxHyperLinkEdit*>(edit.get()), nullptr);
  TcxRegisteredClasses* registry = cxEditPropertiesRegistry();
  const int index = registry->GetIndexByClass(TcxHyperLinkEditProperties::StaticClass());
  ASSERT_GE(index, 0);
  EXPECT_EQ(registry->GetDescription(index), L"HyperLink");
  EXPECT_EQ(registry->GetHint(index), L"Represents a text editor with hyperlink functionality");
  TcxHyperLinkEditProperties defaults(nullptr);
  EXPECT_EQ(defaults.Prefix(), L"http://");
  EXPECT_EQ(defaults.LinkColor(), clBlue);
  EXPECT_FALSE(defaults.AutoSelect());
  EXPECT_EQ(defaults.StartKey(), 0x400D);
  defaults.SetAutoComplete(false);
  EXPECT_EQ(defaults.UsePrefix(), upNever);
}

// Every look down the columns; the rows are the states.
TEST_F(HyperLinkEdit, SheetInEveryLook) {
  const char* states[] = {"Link", "Focused", "Disabled", "Red link"};
  const int rows = 4, cellWidth = 150, rowHeight = 28;
  Form->SetBounds(0, 0, 5 * (cellWidth + 10) + 40, rows * rowHeight + 80);
  std::vector<TcxHyperLinkEdit*> focused;
  for (int column = 0; column < 5; ++column)
    for (int row = 0; row < rows; ++row) {
      auto* edit = new TcxHyperLinkEdit(Form);
      edit->SetBounds(10 + column * (cellWidth + 10), 10 + row * rowHeight, cellWidth, 22);
      edit->SetParent(Form);
      SetLook(edit->Style()->LookAndFeel(), AllLooks[column]);
      edit->SetText(L"http://www.example.com");
      if (row == 1) focused.push_back(edit);
      if (row == 2) edit->SetEnabled(false);
      if (row == 3) edit->Properties()->SetLinkColor(clRed);
    }
  TPaintSurface sheet(5 * (cellWidth + 10) + 90, rows * rowHeight + 20, clWhite);
  RECT window;
  for (size_t i = 0; i < focused.size(); ++i) {
    focused[i]->SetFocus();
    ProcessPendingMessages();
    std::unique_ptr<TBitmap> picture = CaptureWindow(Form);
    GetWindowRect(Form->Handle(), &window);
    const TPoint origin = Form->ClientToScreen(TPoint(0, 0));
    const int x = 10 + static_cast<int>(i) * (cellWidth + 10);
    BitBlt(sheet.Bitmap.Canvas()->Handle(), 80 + x, 0, cellWidth, rows * rowHeight + 10, picture->Canvas()->Handle(),
           origin.X - window.left + x, origin.Y - window.top, SRCCOPY);
  }
  TcxCanvas* canvas = sheet.Canvas.get();
  canvas->Brush()->SetStyle(bsClear);
  for (int row = 0; row < rows; ++row)
    canvas->DrawTexT(String(states[row], states[row] + strlen(states[row])),
                     TRect(4, 14 + row * rowHeight, 80, 30 + row * rowHeight), cxtfAlignLeft | cxtfSingleLine);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\HyperLinkEdit.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/HyperLinkEdit.png"));
}
