// The editor control's input on a real form, through the system's own
// mouse and the keys a person presses: its buttons pressed, released and
// clicked, a double click, the click key, Tab in an inplace edit, and the
// clipboard messages with the real clipboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/editors/ValidatingEdit.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"

namespace {

struct EditInput : FormFixture {
  EditInput() {
    Form->SetBounds(0, 0, 300, 200);
    Form->Show();
    Other = new TEdit(Form);
    Other->SetBounds(10, 100, 120, 22);
    Other->SetParent(Form);
  }
  // A standalone (or inplace) edit with one button at its right.
  TValidatingEdit* AddEdit(bool AInplace = false) {
    auto* edit = new TValidatingEdit(Form, AInplace);
    edit->SetBounds(10, 10, 120, 22);
    edit->SetParent(Form);
    edit->ActiveProperties()->Buttons()->Add()->SetKind(bkEllipsis);
    edit->ActiveProperties()->OnButtonClick = [this](TObject*, int AIndex) { Clicks.push_back(AIndex); };
    edit->ActiveProperties()->OnChange = [this](TObject*) { ++Changes; };
    edit->OnDblClick = [this](TObject*) { ++DoubleClicks; };
    edit->HandleNeeded();
    ProcessPendingMessages();
    return edit;
  }
  TPoint ButtonCentre(TValidatingEdit* AEdit) {
    const TRect r = AEdit->ViewInfo()->Button(0)->Bounds;
    return AEdit->ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  }
  void Press(const TPoint& P) {
    MoveMouseTo(P);
    ProcessPendingMessages();
    PressMouseAt(P);
    ProcessPendingMessages();
  }
  void Release(const TPoint& P) {
    ReleaseMouseAt(P);
    ProcessPendingMessages();
  }

  TEdit* Other;
  std::vector<int> Clicks;
  int Changes = 0;
  int DoubleClicks = 0;
};

TEST_F(EditInput, AButtonIsClickedOnlyWhenReleasedOverIt) {
  TValidatingEdit* edit = AddEdit();
  const TPoint onButton = ButtonCentre(edit);
  Press(onButton);
  EXPECT_EQ(edit->ButtonsDown, 1);
  EXPECT_EQ(edit->CaptureButtonVisibleIndex(), 0);
  EXPECT_EQ(edit->ViewInfo()->Button(0)->Data.State, ebsPressed);
  Release(onButton);
  EXPECT_EQ(edit->ButtonsUp, 1);
  EXPECT_EQ(Clicks, std::vector<int>{0});

  // Released away from the button: up, but no click.
  Press(onButton);
  const TPoint away = edit->ClientToScreen(TPoint(20, 11));
  MoveMouseTo(away);
  ProcessPendingMessages();
  Release(away);
  EXPECT_EQ(edit->ButtonsDown, 2);
  EXPECT_EQ(edit->ButtonsUp, 2);
  EXPECT_EQ(Clicks, std::vector<int>{0});
}

TEST_F(EditInput, ADoubleClickOnAButtonIsTwoPressesAndTwoClicks) {
  TValidatingEdit* edit = AddEdit();
  const TPoint onButton = ButtonCentre(edit);
  Press(onButton);
  Release(onButton);
  Press(onButton);
  Release(onButton);
  EXPECT_EQ(edit->ButtonsDown, 2);
  EXPECT_EQ(Clicks, (std::vector<int>{0, 0}));
  EXPECT_EQ(DoubleClicks, 0);
}

// The click that activates an inplace edit and a quick second one make a
// double click, away from the buttons.
TEST_F(EditInput, TheActivatingClickAndAQuickSecondOneMakeADoubleClick) {
  TValidatingEdit* edit = AddEdit(true);
  // The pointer itself is away from the edit's button.
  MoveMouseTo(edit->ClientToScreen(TPoint(20, 11)));
  ProcessPendingMessages();
  edit->ActivateByMouse(TShiftState{ssLeft}, 30, 21);
  ProcessPendingMessages();
  ClickAt(edit, TPoint(20, 11));
  EXPECT_EQ(DoubleClicks, 1);
  // Later clicks are single ones again.
  ClickAt(edit, TPoint(20, 11));
  EXPECT_EQ(DoubleClicks, 1);
}

TEST_F(EditInput, TheClickKeyClicksTheEnabledDefaultButtonAndTypesNothing) {
  TValidatingEdit* edit = AddEdit();
  int keyPresses = 0;
  edit->OnKeyPress = [&](TObject*, wchar_t&) { ++keyPresses; };
  edit->SetFocus();
  ProcessPendingMessages();
  auto pressCtrlEnter = [] {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PressKey(VK_RETURN);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
  };
  pressCtrlEnter();
  EXPECT_TRUE(Clicks.empty()) << "no button is the default one";
  keyPresses = 0;

  TcxCustomEditButton* button = edit->ActiveProperties()->Buttons()->Items(0);
  button->SetDefault(true);
  pressCtrlEnter();
  EXPECT_EQ(Clicks, std::vector<int>{0});
  EXPECT_EQ(keyPresses, 0);

  button->SetEnabled(false);
  pressCtrlEnter();
  EXPECT_EQ(Clicks, std::vector<int>{0});
}

TEST_F(EditInput, TabInAnInplaceEditMovesTheFocusOnThroughTheEdit) {
  TValidatingEdit* edit = AddEdit(true);
  int afterKeyDowns = 0;
  edit->OnAfterKeyDown = [&](TObject*, uint16_t& Key, TShiftState) { afterKeyDowns += Key == VK_TAB; };
  int keyDowns = 0;
  edit->OnKeyDown = [&](TObject*, uint16_t& Key, TShiftState) { keyDowns += Key == VK_TAB; };
  edit->Activate(true);
  ProcessPendingMessages();
  ASSERT_TRUE(edit->Focused());
  PressKey(VK_TAB);
  EXPECT_TRUE(Other->Focused());
  EXPECT_EQ(keyDowns, 1);
  EXPECT_EQ(afterKeyDowns, 1);
}

TEST_F(EditInput, TheClipboardMessagesCopyCutAndPasteWithTheRealClipboard) {
  TValidatingEdit* edit = AddEdit();
  edit->SetEditValue(Variant(L"abc"));
  edit->SetFocus();
  ProcessPendingMessages();
  Changes = 0;

  SendMessageW(edit->Handle(), WM_COPY, 0, 0);
  EXPECT_EQ(ClipboardText(), String(L"abc"));
  EXPECT_FALSE(edit->ModifiedAfterEnter());

  PutClipboardText(L"pasted");
  SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->EditValue(), Variant(L"pasted"));
  EXPECT_TRUE(edit->ModifiedAfterEnter());
  EXPECT_EQ(Changes, 1);

  SendMessageW(edit->Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(ClipboardText(), String(L"pasted"));
  EXPECT_TRUE(VarIsNull(edit->EditValue()));

  // A read-only edit only copies.
  edit->SetEditValue(Variant(L"kept"));
  edit->ActiveProperties()->SetReadOnly(true);
  PutClipboardText(L"other");
  SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->EditValue(), Variant(L"kept"));
  SendMessageW(edit->Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(edit->EditValue(), Variant(L"kept"));
  EXPECT_EQ(ClipboardText(), String(L"kept"));
}

// Alt with the letter a text button's caption marks clicks that button,
// wherever the focus is on the form; a disabled button or edit does not.
TEST_F(EditInput, AnAcceleratorOnATextButtonCaptionClicksIt) {
  struct TCase {
    const char* Name;
    wchar_t Char;
    bool ButtonEnabled, EditEnabled;
    std::vector<int> Clicks;
  };
  const TCase cases[] = {
      {"marked letter", L'p', true, true, {1}},
      {"upper case", L'P', true, true, {1}},
      {"another letter", L'x', true, true, {}},
      {"disabled button", L'p', false, true, {}},
      {"disabled edit", L'p', true, false, {}},
  };
  for (const TCase& c : cases) {
    TValidatingEdit* edit = AddEdit();
    TcxEditButton* text = edit->ActiveProperties()->Buttons()->Add();
    text->SetKind(bkText);
    text->SetCaption(L"&Pick");
    text->SetEnabled(c.ButtonEnabled);
    edit->SetEnabled(c.EditEnabled);
    ProcessPendingMessages();
    Clicks.clear();
    Other->SetFocus();
    SendMessageW(Other->Handle(), WM_SYSCHAR, c.Char, 1 << 29);
    ProcessPendingMessages();
    EXPECT_EQ(Clicks, c.Clicks) << c.Name;
    delete edit;
  }
}

// The hint shown is the one of the part under the mouse.
TEST_F(EditInput, TheHintFollowsThePartUnderTheMouse) {
  TValidatingEdit* edit = AddEdit();
  edit->SetHint(L"The edit");
  edit->ActiveProperties()->Buttons()->Items(0)->SetHint(L"The button");
  ProcessPendingMessages();
  MoveMouseTo(ButtonCentre(edit));
  ProcessPendingMessages();
  EXPECT_EQ(edit->Hint(), L"The button");
  MoveMouseTo(edit->ClientToScreen(TPoint(20, 11)));
  ProcessPendingMessages();
  EXPECT_EQ(edit->Hint(), L"The edit");
  EXPECT_EQ(edit->OriginalHint(), L"The edit");
}

}  // namespace
