// The editor control on a real form: the edit value, the modified state and
// the change events in their order, change events held back while locked,
// entering and leaving, and posting through a binding that can fail.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/editors/cxEdit.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "vcl/controls/Menus.h"

namespace {

// Properties that compare values, as a value editor's do.
class TComparingProperties : public TcxCustomEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TComparingProperties, TcxCustomEditProperties)
public:
  using TcxCustomEditProperties::TcxCustomEditProperties;
  bool CanCompareEditValue() override { return true; }
  bool IsResetEditClass() override { return true; }
};

// A binding to a store that takes the posted value or refuses it.
class TStoreBinding : public TcxEditDataBinding {
public:
  using TcxEditDataBinding::TcxEditDataBinding;
  static inline bool Refuse = false;
  static inline std::vector<Variant> Stored;

protected:
  void WriteStoredValue(const Variant& Value) override {
    if (Refuse) throw Exception(L"The value cannot be stored");
    Stored.push_back(Value);
  }
};

class TTestEdit : public TcxCustomEdit {
public:
  using TcxCustomEdit::TcxCustomEdit;
  using TcxCustomEdit::HandleTextChange;
  int Beeps = 0;

protected:
  // Digits are refused.
  bool IsValidChar(wchar_t AChar) override { return AChar < L'0' || AChar > L'9'; }
  void Beep() override { ++Beeps; }
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TComparingProperties>();
  }
  TcxEditDataBindingClass GetDataBindingClass() const override { return TcxEditDataBindingClass::Of<TStoreBinding>(); }
};

struct EditControl : FormFixture {
  EditControl() {
    TStoreBinding::Refuse = false;
    TStoreBinding::Stored.clear();
    Form->SetBounds(0, 0, 300, 200);
    Form->Show();
  }
  // A standalone edit (or an inplace one) on the form, with every event
  // it fires written to Events.
  TTestEdit* AddEdit(bool AInplace = false) {
    auto* edit = new TTestEdit(Form, AInplace);
    edit->SetBounds(10, 10, 120, 22);
    edit->SetParent(Form);
    edit->ActiveProperties()->OnChange = [this](TObject*) { Events.push_back("Change"); };
    edit->ActiveProperties()->OnEditValueChanged = [this](TObject*) { Events.push_back("EditValueChanged"); };
    edit->OnEnter = [this](TObject*) { Events.push_back("Enter"); };
    edit->OnExit = [this](TObject*) { Events.push_back("Exit"); };
    edit->HandleNeeded();
    ProcessPendingMessages();
    return edit;
  }
  TWinControl* AddOther() {
    auto* other = new TEdit(Form);
    other->SetBounds(10, 60, 120, 22);
    other->SetParent(Form);
    return other;
  }
  std::vector<std::string> Events;
};

using Strings = std::vector<std::string>;

TEST_F(EditControl, ProgrammaticValuesFireChangesOnlyWhenTheValueDiffers) {
  TTestEdit* edit = AddEdit();
  EXPECT_TRUE(VarIsNull(edit->EditValue()));
  edit->SetEditValue(Variant(42));
  EXPECT_EQ(Events, (Strings{"EditValueChanged", "Change"}));
  EXPECT_EQ(edit->EditValue(), Variant(42));
  EXPECT_FALSE(edit->EditModified());

  Events.clear();
  edit->SetEditValue(Variant(42));
  EXPECT_TRUE(Events.empty());
  edit->Clear();
  EXPECT_TRUE(VarIsNull(edit->EditValue()));
  EXPECT_EQ(Events, (Strings{"EditValueChanged", "Change"}));
}

TEST_F(EditControl, AValueThePersonSetsMarksTheEditModifiedUnlessEditingIsRefused) {
  TTestEdit* edit = AddEdit();
  edit->SetFocus();
  ProcessPendingMessages();
  Events.clear();
  edit->SetValidatableEditValue(Variant(L"typed"));
  EXPECT_EQ(Events, (Strings{"EditValueChanged", "Change"}));
  EXPECT_TRUE(edit->ModifiedAfterEnter());
  EXPECT_TRUE(edit->EditModified());

  // A programmatic value clears the modified state.
  edit->SetEditValue(Variant(L"set"));
  EXPECT_FALSE(edit->EditModified());
  EXPECT_FALSE(edit->ModifiedAfterEnter());

  edit->OnEditing = [](TObject*, bool& CanEdit) { CanEdit = false; };
  Events.clear();
  edit->SetValidatableEditValue(Variant(L"refused"));
  EXPECT_EQ(edit->EditValue(), Variant(L"set"));
  EXPECT_FALSE(edit->EditModified());
  EXPECT_TRUE(Events.empty());

  edit->ActiveProperties()->SetReadOnly(true);
  edit->OnEditing = nullptr;
  edit->SetValidatableEditValue(Variant(L"read-only"));
  EXPECT_EQ(edit->EditValue(), Variant(L"set"));
}

TEST_F(EditControl, LockedChangeEventsFireOnceOrAreDropped) {
  struct Case {
    bool InvokeOnUnlock;
    Strings Expected;
  } cases[] = {{true, {"Change", "EditValueChanged"}}, {false, {}}};
  for (const Case& c : cases) {
    TTestEdit* edit = AddEdit();
    Events.clear();
    edit->LockChangeEvents(true);
    edit->LockChangeEvents(true);
    for (int value : {1, 2, 3}) edit->SetEditValue(Variant(value));
    edit->LockChangeEvents(false);
    EXPECT_TRUE(Events.empty());
    EXPECT_TRUE(edit->AreChangeEventsLocked());
    edit->LockChangeEvents(false, c.InvokeOnUnlock);
    EXPECT_FALSE(edit->AreChangeEventsLocked());
    EXPECT_EQ(Events, c.Expected) << c.InvokeOnUnlock;
    EXPECT_EQ(edit->EditValue(), Variant(3));
    // An unlock too many changes nothing.
    edit->LockChangeEvents(false);
    EXPECT_FALSE(edit->AreChangeEventsLocked());
    delete edit;
  }
}

TEST_F(EditControl, TextChangesSeenByAnInplaceHandlerAsModified) {
  TTestEdit* edit = AddEdit(true);
  bool modifiedInHandler = false;
  edit->ActiveProperties()->OnChange = [&](TObject*) { modifiedInHandler = edit->EditModified(); };
  edit->HandleTextChange();
  EXPECT_TRUE(modifiedInHandler);
  EXPECT_FALSE(edit->EditModified());
}

TEST_F(EditControl, EnteringAndLeavingPostWhatThePersonChanged) {
  TTestEdit* edit = AddEdit();
  TWinControl* other = AddOther();
  edit->SetFocus();
  ProcessPendingMessages();
  EXPECT_EQ(Events, (Strings{"Enter"}));
  edit->SetValidatableEditValue(Variant(7));
  EXPECT_TRUE(edit->DataBinding()->Modified());

  Events.clear();
  other->SetFocus();
  ProcessPendingMessages();
  EXPECT_EQ(Events, (Strings{"Exit"}));
  EXPECT_EQ(TStoreBinding::Stored, std::vector<Variant>{Variant(7)});
  EXPECT_FALSE(edit->ModifiedAfterEnter());
  EXPECT_FALSE(edit->IsHiding());
}

// A post the store refuses reaches the caller with its message; the edit
// keeps the typed value and stays modified, so nothing typed is lost.
TEST_F(EditControl, AFailedPostRaisesAndKeepsTheTypedValueAndTheModifiedState) {
  for (bool inplace : {false, true}) {
    TTestEdit* edit = AddEdit(inplace);
    if (inplace)
      edit->OnPostEditValue = [](TObject*) { throw Exception(L"The value cannot be stored"); };
    else
      TStoreBinding::Refuse = true;
    edit->SetFocus();
    ProcessPendingMessages();
    edit->SetValidatableEditValue(Variant(L"typed"));

    try {
      edit->PostEditValue();
      ADD_FAILURE() << "the failed post was reported as success, inplace " << inplace;
    } catch (const Exception& E) {
      EXPECT_EQ(E.Message(), String(L"The value cannot be stored"));
    }
    EXPECT_EQ(edit->EditValue(), Variant(L"typed")) << inplace;
    EXPECT_TRUE(edit->EditModified()) << inplace;
    EXPECT_TRUE(edit->ModifiedAfterEnter()) << inplace;
    EXPECT_FALSE(edit->IsPosting()) << inplace;

    // Posting a value the edit holds unmodified commits it as well; that
    // failing leaves the edit modified too.
    if (inplace) {
      edit->SetEditValue(Variant(L"set"));
      ASSERT_FALSE(edit->EditModified());
      EXPECT_THROW(edit->PostEditValue(), Exception);
      EXPECT_TRUE(edit->EditModified());
      EXPECT_EQ(edit->EditValue(), Variant(L"set"));
    }

    // Once the store takes it, the post succeeds and the edit is clean.
    TStoreBinding::Refuse = false;
    edit->OnPostEditValue = nullptr;
    edit->PostEditValue();
    if (inplace)
      EXPECT_FALSE(edit->EditModified());
    else
      EXPECT_EQ(TStoreBinding::Stored, std::vector<Variant>{Variant(L"typed")});
    delete edit;
  }
}

// Keys a person presses in the focused edit.
TEST_F(EditControl, EscapeRestoresTheValueOnEnterAndTheClearKeyClears) {
  TTestEdit* edit = AddEdit();
  edit->SetEditValue(Variant(L"start"));
  edit->SetFocus();
  ProcessPendingMessages();
  edit->SetValidatableEditValue(Variant(L"typed"));
  Events.clear();
  PressKey(VK_ESCAPE);
  EXPECT_EQ(edit->EditValue(), Variant(L"start"));
  EXPECT_TRUE(edit->EditModified());
  EXPECT_FALSE(edit->ModifiedAfterEnter());
  EXPECT_EQ(Events, (Strings{"Change", "EditValueChanged"}));

  edit->ActiveProperties()->SetClearKey(ShortCut(VK_F2, TShiftState()));
  edit->ActiveProperties()->SetImmediatePost(true);
  PressKey(VK_F2);
  EXPECT_TRUE(VarIsNull(edit->EditValue()));
  EXPECT_TRUE(edit->IsEditValidated());
  ASSERT_EQ(TStoreBinding::Stored.size(), 1u);
  EXPECT_TRUE(VarIsNull(TStoreBinding::Stored[0]));
}

TEST_F(EditControl, ARefusedCharacterBeepsOnlyWhenThePropertiesAskForIt) {
  TTestEdit* edit = AddEdit();
  for (bool beepOnError : {false, true}) {
    edit->Beeps = 0;
    edit->ActiveProperties()->SetBeepOnError(beepOnError);
    TypeText(edit, L"a1b2");
    EXPECT_EQ(edit->Beeps, beepOnError ? 2 : 0) << beepOnError;
  }
}

}  // namespace
