// The inplace editor list a host keeps: one hidden edit per properties
// object, reused once its properties go, and settings handed over without
// change events.
#include <gtest/gtest.h>

#include <memory>

#include "components/editors/cxEdit.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"

namespace {

struct InplaceEditList : FormFixture {
  // Freed before the form that owns the edits.
  std::unique_ptr<TcxInplaceEditList> List = std::make_unique<TcxInplaceEditList>(Form);
  ~InplaceEditList() override { List.reset(); }
};

TEST_F(InplaceEditList, EachPropertiesObjectGetsItsOwnHiddenInplaceEdit) {
  TcxCustomEditProperties first(nullptr), second(nullptr);
  first.SetAutoSelect(false);
  TcxCustomEdit* firstEdit = List->GetEdit(&first);
  TcxCustomEdit* secondEdit = List->GetEdit(&second);
  EXPECT_NE(firstEdit, secondEdit);
  EXPECT_EQ(List->Count(), 2);
  EXPECT_TRUE(firstEdit->IsInplace());
  EXPECT_FALSE(firstEdit->Visible());
  EXPECT_EQ(firstEdit->Owner(), Form);
  EXPECT_FALSE(firstEdit->ActiveProperties()->AutoSelect());
  EXPECT_TRUE(secondEdit->ActiveProperties()->AutoSelect());
}

TEST_F(InplaceEditList, TheSamePropertiesGetTheSameEditWithTheirSettingsAndNoChangeEvents) {
  TcxCustomEditProperties host(nullptr);
  TcxCustomEdit* edit = List->GetEdit(&host);
  int events = 0;
  edit->InternalProperties()->OnChange = [&](TObject*) { ++events; };
  edit->InternalProperties()->OnEditValueChanged = [&](TObject*) { ++events; };
  host.SetReadOnly(true);
  EXPECT_EQ(List->GetEdit(&host), edit);
  EXPECT_TRUE(edit->ActiveProperties()->ReadOnly());
  EXPECT_EQ(List->Count(), 1);
  EXPECT_EQ(events, 0);
  EXPECT_FALSE(edit->AreChangeEventsLocked());
}

TEST_F(InplaceEditList, AnEditWhosePropertiesWentIsReusedForNewPropertiesOfItsKind) {
  auto gone = std::make_unique<TcxCustomEditProperties>(nullptr);
  TcxCustomEditProperties kept(nullptr);
  TcxCustomEdit* reused = List->GetEdit(gone.get());
  List->GetEdit(&kept);
  gone.reset();
  EXPECT_EQ(List->FindEdit(TcxCustomEditProperties(nullptr)), reused);

  TcxCustomEditProperties fresh(nullptr);
  EXPECT_EQ(List->GetEdit(&fresh), reused);
  EXPECT_EQ(List->Count(), 2);
  EXPECT_EQ(List->FindEdit(TcxCustomEditProperties(nullptr)), nullptr);

  // Unbound edits of the kind are removed; bound ones stay.
  List->DisconnectProperties(&fresh);
  List->RemoveItem(TcxCustomEditProperties(nullptr));
  EXPECT_EQ(List->Count(), 1);
  List->RemoveItem(&kept);
  EXPECT_EQ(List->Count(), 0);
}

// One edit serves several cells of a host: placed over a cell and activated
// by a typed key or a click, the key and the press reach the edit.
TEST_F(InplaceEditList, AnEditReusedAcrossCellsTakesTheActivatingKeyAndClick) {
  Form->SetBounds(0, 0, 300, 200);
  Form->Show();
  TcxCustomEditProperties column(nullptr);
  TcxCustomEdit* edit = List->GetEdit(&column);
  edit->SetParent(Form);
  std::wstring keys;
  std::vector<TPoint> presses;
  edit->OnKeyPress = [&](TObject*, wchar_t& Key) { keys += Key; };
  edit->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int X, int Y) { presses.push_back(TPoint(X, Y)); };

  const TRect cells[] = {Bounds(10, 10, 100, 20), Bounds(10, 40, 100, 20), Bounds(120, 40, 100, 20)};
  for (int i = 0; i < 3; ++i) {
    edit->SetBoundsRect(cells[i]);
    edit->HandleNeeded();
    if (i % 2 == 0) {
      edit->ActivateByKey(L'a' + i);
    } else {
      edit->ActivateByMouse(TShiftState{ssLeft}, cells[i].Left + 5, cells[i].Top + 7);
    }
    ProcessPendingMessages();
    EXPECT_TRUE(edit->Visible());
    EXPECT_TRUE(edit->Focused()) << i;
    EXPECT_FALSE(edit->EditModified());
    EXPECT_TRUE(edit->Deactivate());
    EXPECT_TRUE(edit->IsEditValidated());
    EXPECT_EQ(List->GetEdit(&column), edit);
  }
  EXPECT_EQ(keys, L"ac");
  EXPECT_EQ(presses, std::vector<TPoint>{TPoint(5, 7)});
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace

namespace {

// The edits belong to the list's owner: whichever goes first, neither is
// left holding what the other freed.
TEST(InplaceEditListOwnership, TheListAndTheOwnerOfItsEditsMayGoInEitherOrder) {
  TcxCustomEditProperties first(nullptr), second(nullptr);
  {
    auto owner = std::make_unique<TComponent>(nullptr);
    TcxInplaceEditList list(owner.get());
    list.GetEdit(&first);
    list.GetEdit(&second);
    owner.reset();
    EXPECT_EQ(list.Count(), 0);
    // Later edits belong to the list alone, which frees them.
    TcxCustomEdit* edit = list.GetEdit(&first);
    EXPECT_EQ(edit->Owner(), nullptr);
    EXPECT_EQ(list.Count(), 1);
  }
  {
    TComponent owner(nullptr);
    {
      TcxInplaceEditList list(&owner);
      TcxCustomEdit* edit = list.GetEdit(&first);
      list.GetEdit(&second);
      // An edit freed by someone else leaves the list.
      delete edit;
      EXPECT_EQ(list.Count(), 1);
      EXPECT_EQ(list.FindEdit(&first), nullptr);
    }
    EXPECT_EQ(owner.ComponentCount(), 0);
  }
}

}  // namespace
