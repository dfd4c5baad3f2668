// The inplace editor list a host keeps: one hidden edit per properties
// object, reused once its properties go, and settings handed over without
// change events.
#include <gtest/gtest.h>

#include <memory>

#include "components/editors/cxEdit.h"
#include "tests/guiharness/FormFixture.h"

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

}  // namespace
