// Drop-down edits activated inplace by a host: opening on activation, the
// activating press that does not open a fixed list, a pending opening
// withdrawn by deactivation, and the popup size handed in and out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/editors/cxDropDownEdit.h"
#include "tests/editors/DropDownFixture.h"

namespace {

struct DropDownActivation : DropDownFixture {
  TcxComboBox* AddInplaceCombo(TcxEditDropDownListStyle AStyle) {
    auto* combo = new TcxComboBox(Form, true);
    combo->SetBounds(10, 10, 150, 20);
    combo->SetParent(Form);
    combo->Properties()->SetDropDownListStyle(AStyle);
    for (const wchar_t* item : {L"Apple", L"Apricot", L"Banana", L"Cherry"}) combo->Properties()->Items()->Add(item);
    combo->HandleNeeded();
    return combo;
  }
  // A point of the text area in the form's client coordinates.
  static TPoint TextPoint(TcxCustomDropDownEdit* AEdit) { return TPoint(AEdit->Left() + 30, AEdit->Top() + 10); }
};

enum class TActivation { Plain, ByMouse, ByKey };

struct TActivationCase {
  const char* Name;
  TActivation How;
  TcxEditDropDownListStyle Style;
  bool ImmediateDropDownWhenActivated;
  bool ExpectOpen;
};

TEST_F(DropDownActivation, OpensOnActivationOnlyWhenAskedAndNotByTheActivatingPress) {
  const TActivationCase cases[] = {
      {"plain, not asked", TActivation::Plain, lsEditList, false, false},
      {"plain, asked", TActivation::Plain, lsEditList, true, true},
      {"by mouse, asked", TActivation::ByMouse, lsEditList, true, true},
      // A click in a fixed list's text opens it, but not the click that activates it.
      {"by mouse, fixed list", TActivation::ByMouse, lsFixedList, false, false},
      {"by key, asked", TActivation::ByKey, lsFixedList, true, true},
  };
  for (const TActivationCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxComboBox* combo = AddInplaceCombo(c.Style);
    combo->Properties()->SetImmediateDropDownWhenActivated(c.ImmediateDropDownWhenActivated);
    combo->Properties()->SetImmediateDropDownWhenKeyPressed(false);
    const TPoint p = TextPoint(combo);
    switch (c.How) {
      case TActivation::Plain: combo->Activate(true); break;
      case TActivation::ByMouse: combo->ActivateByMouse(TShiftState{ssLeft}, p.X, p.Y); break;
      case TActivation::ByKey: combo->ActivateByKey(L'b'); break;
    }
    ProcessPendingMessages();
    EXPECT_EQ(combo->DroppedDown(), c.ExpectOpen);
    if (combo->DroppedDown()) Do(combo, TGesture::Escape);
    EXPECT_TRUE(combo->Deactivate());
    delete combo;
  }
}

TEST_F(DropDownActivation, ASecondPressOnAnActiveFixedListOpensIt) {
  TcxComboBox* combo = AddInplaceCombo(lsFixedList);
  const TPoint p = TextPoint(combo);
  combo->ActivateByMouse(TShiftState{ssLeft}, p.X, p.Y);
  ReleaseMouseAt(Form->ClientToScreen(p));
  ProcessPendingMessages();
  ASSERT_FALSE(combo->DroppedDown());
  PressAt(Form->ClientToScreen(p));
  ProcessPendingMessages();
  EXPECT_TRUE(combo->DroppedDown());
  Do(combo, TGesture::Escape);
}

TEST_F(DropDownActivation, DeactivationClosesTheOpenPopupAndWithdrawsAPendingOne) {
  for (const bool shown : {false, true}) {
    SCOPED_TRACE(shown ? "shown" : "pending");
    TcxComboBox* combo = AddInplaceCombo(lsEditList);
    combo->Properties()->SetImmediateDropDownWhenActivated(true);
    std::vector<std::string> events;
    Record(combo, events);
    combo->Activate(true);
    if (shown) ProcessPendingMessages();
    ASSERT_EQ(combo->DroppedDown(), shown);
    EXPECT_TRUE(combo->Deactivate());
    ProcessPendingMessages();
    EXPECT_FALSE(combo->DroppedDown());
    const std::vector<std::string> expected =
        shown ? std::vector<std::string>{"init", "popup", "finalize", "close 0", "closeup"}
              : std::vector<std::string>{"init", "finalize", "close 0", "closeup"};
    EXPECT_EQ(events, expected);
    delete combo;
  }
}

TEST_F(DropDownActivation, TheRememberedPopupSizeIsHandedInAndOut) {
  struct TCase {
    bool Sizeable;
    bool Remembered;
  };
  for (const TCase c : {TCase{true, true}, TCase{true, false}, TCase{false, true}}) {
    SCOPED_TRACE(std::to_string(c.Sizeable) + std::to_string(c.Remembered));
    TcxComboBox* combo = AddInplaceCombo(lsEditList);
    combo->Properties()->SetDropDownSizeable(c.Sizeable);
    combo->EditData() = {c.Remembered, 260, 90};
    combo->Activate(true);
    ProcessPendingMessages();
    const bool used = c.Sizeable && c.Remembered;
    EXPECT_EQ(combo->PopupSizeChanged(), used);
    Do(combo, TGesture::F4);
    ASSERT_TRUE(combo->DroppedDown());
    if (used)
      EXPECT_EQ(combo->PopupWindow()->Width(), 260);
    else
      EXPECT_NE(combo->PopupWindow()->Width(), 260);
    Do(combo, TGesture::Escape);
    EXPECT_TRUE(combo->Deactivate());
    EXPECT_EQ(combo->EditData().Initialized, used);
    delete combo;
  }
}

TEST_F(DropDownActivation, APopupEditOpensWhenActivated) {
  auto* hosted = Add<TListBox>(200, 10);
  hosted->SetBounds(200, 10, 90, 70);
  auto* edit = new TcxPopupEdit(Form, true);
  edit->SetBounds(10, 10, 150, 20);
  edit->SetParent(Form);
  edit->Properties()->SetPopupControl(hosted);
  bool opened = false;
  edit->Properties()->OnPopup = [&](TObject*) {
    opened = true;
    edit->CloseUp(crCancel);
  };
  edit->Activate(true);
  ProcessPendingMessages();
  EXPECT_TRUE(opened);
  EXPECT_FALSE(edit->DroppedDown());
  EXPECT_TRUE(edit->Deactivate());
}

}  // namespace
