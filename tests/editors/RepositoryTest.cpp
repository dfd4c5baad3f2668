// The editor repository: items made by class, found by name, cleared; and
// editors sharing an item's properties, hearing its changes and going back
// to their own properties when it goes.
#include <gtest/gtest.h>

#include "components/editors/cxEdit.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"

namespace {

class TNarrowProperties : public TcxCustomEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TNarrowProperties, TcxCustomEditProperties)
public:
  using TcxCustomEditProperties::TcxCustomEditProperties;
};

class TcxEditRepositoryNarrowItem : public TcxEditRepositoryItem {
  VCL_COMPONENT_CLASS(TcxEditRepositoryNarrowItem, TcxEditRepositoryItem)
public:
  using TcxEditRepositoryItem::TcxEditRepositoryItem;

protected:
  TcxCustomEditPropertiesClass GetEditPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TNarrowProperties>();
  }
};

// An item class whose name does not extend the repository's.
class TSharedItem : public TcxEditRepositoryItem {
  VCL_COMPONENT_CLASS(TSharedItem, TcxEditRepositoryItem)
public:
  using TcxEditRepositoryItem::TcxEditRepositoryItem;
};

// An editor that takes only the narrow properties.
class TNarrowEdit : public TcxCustomEdit {
public:
  using TcxCustomEdit::TcxCustomEdit;

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TNarrowProperties>();
  }
};

// An editor whose text changes the test can report.
class TPlainEdit : public TcxCustomEdit {
public:
  using TcxCustomEdit::TcxCustomEdit;
  using TcxCustomEdit::HandleTextChange;
};

struct Repository : FormFixture {
  Repository() {
    Form->SetBounds(0, 0, 300, 200);
    Form->Show();
    EditRepository->SetName(L"Repo1");
  }
  template <class TEdit = TcxCustomEdit>
  TEdit* AddEdit(int Top) {
    auto* edit = new TEdit(Form);
    edit->SetBounds(10, Top, 120, 22);
    edit->SetParent(Form);
    edit->HandleNeeded();
    return edit;
  }
  TcxEditRepository* EditRepository = new TcxEditRepository(Form);
};

TEST_F(Repository, ItemsAreMadeByClassFoundByNameAndCleared) {
  auto* text = EditRepository->CreateItem<TcxEditRepositoryItem>();
  text->SetName(L"ComboBoxItem1");
  auto* narrow = EditRepository->CreateItem<TcxEditRepositoryNarrowItem>();
  EXPECT_EQ(EditRepository->Count(), 2);
  EXPECT_EQ(narrow->Repository(), EditRepository);
  EXPECT_TRUE(narrow->PropertiesInheritFrom(TNarrowProperties::StaticClass()));
  EXPECT_FALSE(text->PropertiesInheritFrom(TNarrowProperties::StaticClass()));

  EXPECT_EQ(EditRepository->ItemByName(L"comboboxitem1"), text);
  EXPECT_EQ(EditRepository->ItemByName(L"ComboBoxItem2"), nullptr);
  EXPECT_EQ(narrow->GetBaseName(), String(L"Repo1NarrowItem"));
  EXPECT_EQ(text->GetBaseName(), String(L"Repo1Item"));
  EXPECT_EQ(EditRepository->CreateItem<TSharedItem>()->GetBaseName(), String(L"Repo1"));

  text->SetRepository(nullptr);
  EXPECT_EQ(EditRepository->Count(), 2);
  text->SetRepository(EditRepository);
  text->SetRepository(EditRepository);
  EXPECT_EQ(EditRepository->Count(), 3);
  EditRepository->Clear();
  EXPECT_EQ(EditRepository->Count(), 0);
}

TEST_F(Repository, EditorsShareAnItemAndHearItsChanges) {
  auto* item = EditRepository->CreateItem<TcxEditRepositoryItem>();
  auto* first = AddEdit<TPlainEdit>(10);
  auto* second = AddEdit<TPlainEdit>(40);
  first->SetRepositoryItem(item);
  second->SetRepositoryItem(item);
  EXPECT_EQ(first->ActiveProperties(), item->Properties());
  EXPECT_EQ(second->ActiveProperties(), item->Properties());
  EXPECT_NE(first->InternalProperties(), item->Properties());

  item->Properties()->SetReadOnly(true);
  EXPECT_TRUE(first->IsReadOnly());
  EXPECT_TRUE(second->IsReadOnly());

  // The item's change handler fires for a value set on either edit.
  int changes = 0;
  item->Properties()->OnEditValueChanged = [&](TObject*) { ++changes; };
  first->HandleTextChange();
  EXPECT_EQ(changes, 1);

  // The item goes: both edits use their own properties again.
  delete item;
  EXPECT_EQ(first->RepositoryItem(), nullptr);
  EXPECT_EQ(second->RepositoryItem(), nullptr);
  EXPECT_EQ(first->ActiveProperties(), first->InternalProperties());
  EXPECT_FALSE(first->IsReadOnly());
  first->InternalProperties()->SetReadOnly(true);
  EXPECT_TRUE(first->IsReadOnly());
}

TEST_F(Repository, AnItemOfOtherPropertiesIsRefusedWithoutSideEffects) {
  auto* wide = EditRepository->CreateItem<TcxEditRepositoryItem>();
  auto* narrow = EditRepository->CreateItem<TcxEditRepositoryNarrowItem>();
  auto* edit = AddEdit<TNarrowEdit>(10);
  edit->SetRepositoryItem(narrow);
  try {
    edit->SetRepositoryItem(wide);
    ADD_FAILURE() << "a repository item of other properties was taken";
  } catch (const EcxEditError& E) {
    EXPECT_EQ(E.Message(), String(L"The repository item is not acceptable"));
  }
  EXPECT_EQ(edit->RepositoryItem(), narrow);
  EXPECT_EQ(edit->ActiveProperties(), narrow->Properties());
  edit->SetRepositoryItem(nullptr);
  EXPECT_EQ(edit->ActiveProperties(), edit->InternalProperties());
}

}  // namespace
