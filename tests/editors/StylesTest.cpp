#include <gtest/gtest.h>

#include "components/editors/cxEdit.h"

namespace {

// A control that owns its four styles as an editor does, inplace or not.
class TStyledControl : public TcxContainer {
public:
  explicit TStyledControl(bool AInplace = false) : TcxContainer(nullptr), FInplace(AInplace) {
    FStyles = std::make_unique<TcxContainerStyles>(
        this, [this](TPersistent*, TcxContainerStyle* AParent, TcxContainerStateItem AState) {
          return new TcxEditStyle(this, false, AParent, AState);
        });
  }
  bool IsInplace() override { return FInplace; }
  TcxEditStyle* EditStyle(TcxContainerStateItem AState = csNormal) const {
    return static_cast<TcxEditStyle*>(FStyles->GetStyle(AState));
  }

private:
  bool FInplace;
  std::unique_ptr<TcxContainerStyles> FStyles;
};

}  // namespace

TEST(EditStyles, ValuesHaveTheirNames) {
  const std::pair<int, const wchar_t*> cases[] = {{1, L"BorderStyle"},       {10, L"ButtonStyle"},
                                                  {11, L"ButtonTransparency"}, {12, L"PopupBorderStyle"},
                                                  {13, L"GradientButtons"},  {14, L"Gradient"},
                                                  {15, L"GradientDirection"}, {16, L""}};
  for (const auto& [value, name] : cases) {
    String text;
    EXPECT_EQ(TcxCustomEditStyle::GetStyleValueName(static_cast<TcxContainerStyleValue>(value), text), value < 16);
    EXPECT_EQ(text, name) << value;
  }
  EXPECT_EQ(TcxCustomEditStyle::GetStyleValueCount(), 16);
  EXPECT_EQ(TcxCustomEditStyle::BaseOnlyStyleValues().Bits(), 0xFA78u);
}

TEST(EditStyles, ANewStyleAnswersTheBuiltInDefaults) {
  TStyledControl control;
  TcxEditStyle* style = control.EditStyle();
  EXPECT_EQ(style->ButtonStyle(), btsDefault);
  EXPECT_EQ(style->ButtonTransparency(), ebtNone);
  EXPECT_EQ(style->PopupBorderStyle(), epbsDefault);
  EXPECT_FALSE(style->Gradient());
  EXPECT_FALSE(style->GradientButtons());
  EXPECT_EQ(style->GradientDirection(), TcxDirection::dirDown);
  EXPECT_TRUE(style->PopupCloseButton());
  EXPECT_FALSE(style->IsValueAssigned(svButtonStyle));
}

// Own value, then the controller, then the controller's controller, then
// the default; a state style without any falls back to the normal style.
TEST(EditStyles, UnassignedValuesAreReadThroughTwoControllers) {
  TcxEditStyleController outer(nullptr), inner(nullptr);
  inner.Style()->SetStyleController(&outer);
  TStyledControl control;
  TcxEditStyle* normal = control.EditStyle();
  TcxEditStyle* focused = control.EditStyle(csActive);
  normal->SetStyleController(&inner);

  outer.Style()->SetButtonStyle(btsUltraFlat);
  outer.Style()->SetPopupBorderStyle(epbsFrame3D);
  EXPECT_EQ(normal->ButtonStyle(), btsUltraFlat);
  EXPECT_EQ(normal->PopupBorderStyle(), epbsFrame3D);
  EXPECT_TRUE(normal->IsValueAssigned(svButtonStyle));
  EXPECT_FALSE(normal->AssignedValues().Contains(svButtonStyle));

  inner.Style()->SetButtonStyle(btsFlat);
  EXPECT_EQ(normal->ButtonStyle(), btsFlat);
  normal->SetButtonStyle(bts3D);
  EXPECT_EQ(normal->ButtonStyle(), bts3D);

  // The focused style: no value of its own nor in the controllers' focused
  // styles, so the normal style's.
  EXPECT_EQ(focused->ButtonStyle(), bts3D);
  outer.StyleFocused()->SetButtonStyle(btsOffice11);
  EXPECT_EQ(focused->ButtonStyle(), btsOffice11);
  focused->SetButtonStyle(btsSimple);
  EXPECT_EQ(focused->ButtonStyle(), btsSimple);
  EXPECT_EQ(normal->ButtonStyle(), bts3D);

  normal->SetStyleController(nullptr);
  EXPECT_EQ(focused->PopupBorderStyle(), epbsDefault);
}

TEST(EditStyles, BaseOnlyValuesWrittenOnAStateStyleGoToTheNormalOne) {
  TStyledControl control;
  TcxEditStyle* focused = control.EditStyle(csActive);
  focused->SetGradient(true);
  focused->SetButtonTransparency(ebtHideInactive);
  focused->SetPopupCloseButton(false);
  EXPECT_TRUE(control.EditStyle()->Gradient());
  EXPECT_TRUE(control.EditStyle()->AssignedValues().Contains(svGradient));
  EXPECT_FALSE(focused->AssignedValues().Contains(svGradient));
  EXPECT_EQ(control.EditStyle()->ButtonTransparency(), ebtHideInactive);
  EXPECT_TRUE(focused->Gradient());
  EXPECT_FALSE(control.EditStyle()->PopupCloseButton());
}

// Only a style of a normal editor takes values from the default controller.
TEST(EditStyles, TheDefaultControllerServesNormalEditorsOnly) {
  ASSERT_NE(cxDefaultEditStyleController(), nullptr);
  cxDefaultEditStyleController()->Style()->SetButtonStyle(btsHotFlat);
  TStyledControl normal(false), inplace(true);
  TcxEditStyle direct(nullptr, true);
  EXPECT_EQ(normal.EditStyle()->ButtonStyle(), btsHotFlat);
  EXPECT_EQ(inplace.EditStyle()->ButtonStyle(), btsDefault);
  EXPECT_EQ(direct.ButtonStyle(), btsDefault);
  cxDefaultEditStyleController()->Style()->SetAssignedValues({});
  EXPECT_EQ(normal.EditStyle()->ButtonStyle(), btsDefault);
}

TEST(EditStyles, WritingAnAssignedEqualValueDoesNotNotify) {
  TStyledControl control;
  TcxEditStyle* style = control.EditStyle();
  int changes = 0;
  style->OnChanged = [&changes](TObject*) { ++changes; };
  style->SetButtonStyle(btsDefault);  // unassigned: assigned now, even equal to the default
  EXPECT_EQ(changes, 1);
  style->SetButtonStyle(btsDefault);
  EXPECT_EQ(changes, 1);
  style->SetButtonStyle(btsFlat);
  EXPECT_EQ(changes, 2);

  TcxEditStyle copy(nullptr, false);
  int copyChanges = 0;
  copy.OnChanged = [&copyChanges](TObject*) { ++copyChanges; };
  copy.Assign(style);
  EXPECT_EQ(copyChanges, 1);
  EXPECT_EQ(copy.ButtonStyle(), btsFlat);
  EXPECT_TRUE(copy.AssignedValues().Contains(svButtonStyle));
}
