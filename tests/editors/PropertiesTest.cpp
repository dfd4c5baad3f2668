#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

#include "components/core/dxGdiPlusClasses.h"
#include "components/editors/cxEdit.h"
#include "vcl/graphics/Bitmap.h"

namespace {

// Counts the notifications of one properties object.
struct TPropertiesFixture : ::testing::Test {
  TPropertiesFixture() {
    Properties.OnPropertiesChanged = [this](TObject* Sender) {
      EXPECT_EQ(Sender, &Properties);
      EXPECT_TRUE(Properties.IsChanging());
      ++Notifications;
    };
  }
  TcxCustomEditProperties Properties{nullptr};
  int Notifications = 0;
};

// A data source whose answers a test chooses.
struct TTestProvider : TcxCustomEditDefaultValuesProvider {
  TTestProvider() : TcxCustomEditDefaultValuesProvider(nullptr) {}
  bool DefaultReadOnly() override { return ReadOnly; }
  bool DefaultCanModify() override { return CanModify; }
  TAlignment DefaultAlignment() override { return taRightJustify; }
  double DefaultMaxValue() override { return 99; }
  bool ReadOnly = false;
  bool CanModify = true;
};

struct TOtherProperties : TcxCustomEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TOtherProperties, TcxCustomEditProperties)
public:
  explicit TOtherProperties(TPersistent* AOwner) : TcxCustomEditProperties(AOwner) {}
};

struct TThirdProperties : TcxCustomEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TThirdProperties, TcxCustomEditProperties)
public:
  explicit TThirdProperties(TPersistent* AOwner) : TcxCustomEditProperties(AOwner) {}
};

}  // namespace

TEST(EditProperties, ANewObjectHoldsTheDefaults) {
  TcxCustomEditProperties properties(nullptr);
  EXPECT_TRUE(properties.AutoSelect());
  EXPECT_FALSE(properties.BeepOnError());
  EXPECT_EQ(properties.Buttons()->Count(), 0);
  EXPECT_EQ(properties.ButtonsViewStyle(), bvsNormal);
  EXPECT_EQ(properties.ClearKey(), 0);
  EXPECT_EQ(properties.ClickKey(), 0x400D);
  EXPECT_FALSE(properties.ImmediatePost());
  EXPECT_EQ(properties.Images(), nullptr);
  EXPECT_FALSE(properties.ReadOnly());
  EXPECT_FALSE(properties.AssignedValues()->ReadOnly());
  EXPECT_FALSE(properties.Transparent());
  EXPECT_TRUE(properties.UseLeftAlignmentOnEditing());
  EXPECT_TRUE(properties.UseMouseWheel());
  EXPECT_FALSE(properties.ValidateOnEnter());
  EXPECT_EQ(properties.ValidationErrorIconAlignment(), taLeftJustify);
  EXPECT_EQ(properties.ValidationOptions(), TcxEditValidationOptions{evoRaiseException});
  EXPECT_TRUE(properties.ErrorIcon()->Empty());
  EXPECT_EQ(properties.Alignment()->Horz(), taLeftJustify);
  EXPECT_FALSE(properties.Alignment()->IsHorzAssigned());
  EXPECT_EQ(properties.Alignment()->Vert(), taTopJustify);
  EXPECT_EQ(properties.MaxValue(), 0);
  EXPECT_EQ(properties.MinValue(), 0);
  EXPECT_EQ(properties.IDefaultValuesProvider(), nullptr);
  EXPECT_FALSE(properties.IsChanging());
  EXPECT_EQ(properties.DefaultValidateErrorText(0), L"Invalid input value. Use escape key to abandon changes");
}

TEST_F(TPropertiesFixture, EachChangedSettingNotifiesOnceAndAnEqualOneNotAtAll) {
  struct TCase {
    const char* Name;
    std::function<void(TcxCustomEditProperties&)> Change;
    int Expected;
  };
  const TCase cases[] = {
      {"AutoSelect off", [](auto& P) { P.SetAutoSelect(false); }, 1},
      {"AutoSelect unchanged", [](auto& P) { P.SetAutoSelect(true); }, 0},
      {"ButtonsViewStyle", [](auto& P) { P.SetButtonsViewStyle(bvsButtonsOnly); }, 1},
      {"Transparent", [](auto& P) { P.SetTransparent(true); }, 1},
      {"UseLeftAlignmentOnEditing", [](auto& P) { P.SetUseLeftAlignmentOnEditing(false); }, 1},
      {"ValidationErrorIconAlignment", [](auto& P) { P.SetValidationErrorIconAlignment(taRightJustify); }, 1},
      {"plain field BeepOnError", [](auto& P) { P.SetBeepOnError(true); }, 0},
      {"plain field ImmediatePost", [](auto& P) { P.SetImmediatePost(true); }, 0},
      // An unassigned bound set to its current value is assigned all the same.
      {"MaxValue 0 while unassigned", [](auto& P) { P.SetMaxValue(0); }, 1},
      {"both bounds at once", [](auto& P) { P.AssignMinMaxValues(10, 1); }, 1},
      {"ReadOnly false while unassigned", [](auto& P) { P.SetReadOnly(false); }, 1},
      {"Alignment.Horz", [](auto& P) { P.Alignment()->SetHorz(taCenter); }, 1},
      {"a button added", [](auto& P) { P.Buttons()->Add(); }, 1},
      {"assigned values cleared", [](auto& P) { P.AssignedValues()->SetReadOnly(true); }, 1},
  };
  for (const TCase& c : cases) {
    TcxCustomEditProperties properties(nullptr);
    int count = 0;
    properties.OnPropertiesChanged = [&count](TObject*) { ++count; };
    c.Change(properties);
    EXPECT_EQ(count, c.Expected) << c.Name;
  }
}

TEST_F(TPropertiesFixture, AnUpdateBracketNotifiesOnceAtItsOutermostEnd) {
  Properties.BeginUpdate();
  Properties.BeginUpdate();
  for (int i = 0; i < 10; ++i) Properties.SetMaxValue(i + 1);
  Properties.EndUpdate(true);
  EXPECT_EQ(Notifications, 0);
  Properties.EndUpdate(true);
  EXPECT_EQ(Notifications, 1);
  EXPECT_EQ(Properties.MaxValue(), 10);

  Properties.BeginUpdate();
  Properties.SetAutoSelect(false);
  Properties.EndUpdate(false);
  EXPECT_EQ(Notifications, 1);
  Properties.EndUpdate(true);  // no bracket open
  EXPECT_EQ(Notifications, 1);
  Properties.BeginUpdate();
  Properties.EndUpdate(true);  // nothing changed inside
  EXPECT_EQ(Notifications, 1);
}

// A change made while locked is not lost: it is reported once, when the
// last lock goes.
TEST_F(TPropertiesFixture, NestedLocksReportTheirChangesOnceAtTheLastUnlock) {
  Properties.LockUpdate(true);
  Properties.LockUpdate(true);
  Properties.SetTransparent(true);
  Properties.SetAutoSelect(false);
  Properties.LockUpdate(false);
  EXPECT_EQ(Notifications, 0);
  Properties.LockUpdate(false);
  EXPECT_EQ(Notifications, 1);
  Properties.LockUpdate(false);  // not locked
  Properties.LockUpdate(true);
  Properties.LockUpdate(false);  // nothing changed while locked
  EXPECT_EQ(Notifications, 1);

  // A bracket inside a lock reports at the unlock.
  Properties.LockUpdate(true);
  Properties.BeginUpdate();
  Properties.SetTransparent(false);
  Properties.EndUpdate(true);
  EXPECT_EQ(Notifications, 1);
  Properties.LockUpdate(false);
  EXPECT_EQ(Notifications, 2);
}

TEST_F(TPropertiesFixture, AHandlerThatRaisesLeavesTheChangingCountBalanced) {
  Properties.OnPropertiesChanged = [](TObject*) { throw Exception(L"listener failed"); };
  EXPECT_THROW(Properties.SetTransparent(true), Exception);
  EXPECT_FALSE(Properties.IsChanging());
}

TEST(EditProperties, AChangeWhileTheOwnerIsDestroyedIsOnlyRecorded) {
  struct TOwner : TComponent {
    explicit TOwner() : TComponent(nullptr) {}
    void MarkDestroying() { Destroying(); }
  } owner;
  TcxCustomEditProperties properties(&owner);
  int count = 0;
  properties.OnPropertiesChanged = [&count](TObject*) { ++count; };
  owner.MarkDestroying();
  properties.SetTransparent(true);
  EXPECT_EQ(count, 0);
}

// A read-only source stays read-only, whatever the properties say.
TEST(EditProperties, AReadOnlyProviderCannotBeOverriddenByReadOnlyFalse) {
  struct TCase {
    const char* Name;
    bool ProviderReadOnly, ProviderCanModify;
    std::optional<bool> Assigned;
    bool ReadOnly, Modifiable;
  };
  const TCase cases[] = {
      {"no value, writable source", false, true, std::nullopt, false, true},
      {"no value, read-only source", true, true, std::nullopt, true, false},
      {"false over a read-only source", true, true, false, true, false},
      {"false over a source that cannot modify", false, false, false, false, false},
      {"true over a writable source", false, true, true, true, false},
      {"false over a writable source", false, true, false, false, true},
  };
  for (const TCase& c : cases) {
    TTestProvider provider;
    provider.ReadOnly = c.ProviderReadOnly;
    provider.CanModify = c.ProviderCanModify;
    TcxCustomEditProperties properties(nullptr);
    properties.SetIDefaultValuesProvider(&provider);
    if (c.Assigned) properties.SetReadOnly(*c.Assigned);
    EXPECT_EQ(properties.ReadOnly(), c.ReadOnly) << c.Name;
    EXPECT_EQ(properties.IsModifiable(), c.Modifiable) << c.Name;
  }
}

TEST(EditProperties, UnassignedValuesComeFromTheProviderUntilAssignedOrRestored) {
  TTestProvider provider;
  TcxCustomEditProperties properties(nullptr);
  properties.SetIDefaultValuesProvider(&provider);
  EXPECT_EQ(properties.MaxValue(), 99);
  EXPECT_EQ(properties.Alignment()->Horz(), taRightJustify);
  EXPECT_FALSE(properties.Alignment()->IsHorzAssigned());

  properties.Alignment()->SetHorz(taCenter);
  properties.SetMaxValue(5);
  EXPECT_EQ(properties.Alignment()->Horz(), taCenter);
  EXPECT_EQ(properties.MaxValue(), 5);

  int count = 0;
  properties.OnPropertiesChanged = [&count](TObject*) { ++count; };
  properties.RestoreDefaults();
  EXPECT_EQ(count, 1);
  EXPECT_EQ(properties.Alignment()->Horz(), taRightJustify);
  EXPECT_EQ(properties.MaxValue(), 99);
}

TEST(EditProperties, AFreedProviderIsForgottenByEveryUser) {
  TcxCustomEditProperties first(nullptr), second(nullptr);
  {
    TTestProvider provider;
    first.SetIDefaultValuesProvider(&provider);
    second.SetIDefaultValuesProvider(&provider);
  }
  EXPECT_EQ(first.IDefaultValuesProvider(), nullptr);
  EXPECT_EQ(second.IDefaultValuesProvider(), nullptr);
}

TEST(EditProperties, EveryLivingObjectIsListed) {
  auto listed = [](TcxCustomEditProperties* P) {
    const auto& list = cxEditPropertiesList();
    return std::find(list.begin(), list.end(), P) != list.end();
  };
  auto properties = std::make_unique<TOtherProperties>(nullptr);
  TcxCustomEditProperties* raw = properties.get();
  EXPECT_TRUE(listed(raw));
  properties.reset();
  EXPECT_FALSE(listed(raw));
}

TEST(EditProperties, ACloneIsOfTheSameClassWithTheSettingsButNotTheOwnersListener) {
  TOtherProperties source(nullptr);
  source.SetAutoSelect(false);
  source.SetReadOnly(true);
  source.SetMinValue(3);
  source.Alignment()->SetHorz(taRightJustify);
  source.Buttons()->Add()->SetKind(bkEllipsis);
  int clicked = -1;
  source.OnButtonClick = [&clicked](TObject*, int AIndex) { clicked = AIndex; };
  source.OnPropertiesChanged = [](TObject*) {};
  std::unique_ptr<TcxCustomEditProperties> clone(source.Clone(nullptr));
  EXPECT_EQ(clone->ClassType(), TOtherProperties::StaticClass());
  EXPECT_FALSE(clone->AutoSelect());
  EXPECT_TRUE(clone->ReadOnly());
  EXPECT_EQ(clone->MinValue(), 3);
  EXPECT_FALSE(clone->AssignedValues()->MaxValue());
  EXPECT_EQ(clone->Alignment()->Horz(), taRightJustify);
  ASSERT_EQ(clone->Buttons()->Count(), 1);
  EXPECT_EQ(clone->Buttons()->Items(0)->Kind(), bkEllipsis);
  EXPECT_FALSE(clone->OnPropertiesChanged);
  clone->OnButtonClick(nullptr, 2);
  EXPECT_EQ(clicked, 2);
  EXPECT_THROW(clone->Assign(clone->Buttons()), EConvertError);
}

TEST(EditProperties, HotTrackingIsSupportedOnceThereIsAButton) {
  TcxCustomEditProperties properties(nullptr);
  EXPECT_TRUE(properties.GetSupportedOperations().Empty());
  properties.Buttons()->Add();
  EXPECT_EQ(properties.GetSupportedOperations(), TcxEditSupportedOperations{esoHotTrack});
}

TEST(EditPropertiesRegistry, KeepsOneEntryPerClassSortedByNameIgnoringCase) {
  TcxRegisteredClasses* registry = cxEditPropertiesRegistry();
  const int before = registry->Count();
  registry->Register(TOtherProperties::StaticClass(), L"zeta|Last of all");
  registry->Register(TThirdProperties::StaticClass(), L"Alpha|First of all");
  registry->Register(TOtherProperties::StaticClass(), L"beta|Registered twice");
  ASSERT_EQ(registry->Count(), before + 2);
  const int first = registry->GetIndexByClass(TThirdProperties::StaticClass());
  const int last = registry->GetIndexByClass(TOtherProperties::StaticClass());
  EXPECT_LT(first, last);
  EXPECT_EQ(registry->GetDescription(first), L"Alpha");
  EXPECT_EQ(registry->GetHint(first), L"First of all");
  EXPECT_EQ(registry->GetDescriptionByClass(TOtherProperties::StaticClass()), L"zeta");
  EXPECT_EQ(registry->GetHintByClass(TcxCustomEditProperties::StaticClass()), L"");
  registry->Unregister(TOtherProperties::StaticClass());
  registry->Unregister(TThirdProperties::StaticClass());
  EXPECT_EQ(registry->Count(), before);
}
