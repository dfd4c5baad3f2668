#include <gtest/gtest.h>

#include <memory>

#include "components/editors/cxEdit.h"
#include "tests/graphics/PaintSurface.h"
#include "vcl/classes/TypInfo.h"
#include "vcl/controls/Application.h"
#include "vcl/graphics/Bitmap.h"

TEST(EditButtons, ANewButtonHoldsTheDefaults) {
  TcxEditButtons buttons(nullptr);
  TcxEditButton* button = buttons.Add();
  EXPECT_EQ(button->ContentAlignment(), taCenter);
  EXPECT_TRUE(button->Enabled());
  EXPECT_EQ(button->Kind(), bkDown);
  EXPECT_TRUE(button->Stretchable());
  EXPECT_EQ(button->TextColor(), clBtnText);
  EXPECT_TRUE(button->Visible());
  EXPECT_EQ(button->ImageIndex(), -1);
  EXPECT_EQ(button->Caption(), L"");
  EXPECT_FALSE(button->Default());
  EXPECT_FALSE(button->LeftAlignment());
  EXPECT_EQ(button->Tag(), 0);
  EXPECT_EQ(button->Width(), 0);
  EXPECT_FALSE(button->HasGlyph());
}

TEST(EditButtons, OnlyOneButtonIsTheDefault) {
  TcxEditButtons buttons(nullptr);
  for (int i = 0; i < 3; ++i) buttons.Add();
  int changes = 0;
  buttons.OnChange = [&changes](TObject*) { ++changes; };
  buttons.Items(0)->SetDefault(true);
  buttons.Items(1)->SetDefault(true);
  EXPECT_FALSE(buttons.Items(0)->Default());
  EXPECT_TRUE(buttons.Items(1)->Default());
  EXPECT_FALSE(buttons.Items(2)->Default());
  EXPECT_EQ(changes, 2);
  buttons.Items(1)->SetDefault(true);
  EXPECT_EQ(changes, 2);
}

TEST(EditButtons, TheVisibleCaptionLosesItsAcceleratorMarks) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"&Open", L"Open"}, {L"Save&", L"Save_"}, {L"A&&B", L"A&B"}, {L"Plain", L"Plain"}};
  TcxEditButtons buttons(nullptr);
  TcxEditButton* button = buttons.Add();
  for (const auto& [caption, visible] : cases) {
    button->SetCaption(caption);
    EXPECT_EQ(button->VisibleCaption(), visible) << caption;
  }
}

// A negative width measures as the default; it can be replaced like any
// other width.
TEST(EditButtons, ANegativeWidthCanBeReplaced) {
  TcxEditButtons buttons(nullptr);
  TcxEditButton* button = buttons.Add();
  button->SetWidth(-1);
  EXPECT_EQ(button->Width(), -1);
  button->SetWidth(20);
  EXPECT_EQ(button->Width(), 20);
}

TEST(EditButtons, VisibleCountLeavesHiddenButtonsOut) {
  TcxEditButtons buttons(nullptr);
  for (int i = 0; i < 3; ++i) buttons.Add();
  buttons.Items(1)->SetVisible(false);
  EXPECT_EQ(buttons.VisibleCount(), 2);
}

// Assigning copies the glyph only when the source has one, and never makes
// one in the source.
TEST(EditButtons, AssignLeavesASourceWithoutAGlyphWithoutOne) {
  TcxEditButtons buttons(nullptr);
  TcxEditButton* source = buttons.Add();
  TcxEditButton* target = buttons.Add();
  source->SetCaption(L"&Find");
  source->SetKind(bkText);
  source->SetWidth(30);
  source->SetHint(L"Search");
  source->SetTag(7);
  target->Glyph()->SetSize(16, 16);
  target->Assign(source);
  EXPECT_FALSE(source->HasGlyph());
  EXPECT_FALSE(target->HasGlyph());
  EXPECT_EQ(target->Caption(), L"&Find");
  EXPECT_EQ(target->VisibleCaption(), L"Find");
  EXPECT_EQ(target->Kind(), bkText);
  EXPECT_EQ(target->Width(), 30);
  EXPECT_EQ(target->Hint(), L"Search");
  EXPECT_EQ(target->Tag(), 7);

  source->Glyph()->SetSize(8, 6);
  target->Assign(source);
  ASSERT_TRUE(target->HasGlyph());
  EXPECT_EQ(target->Glyph()->Width(), 8);
}

TEST(EditButtons, EverySettingReachesTheCollectionOnce) {
  TcxEditButtons buttons(nullptr);
  TcxEditButton* button = buttons.Add();
  int changes = 0;
  buttons.OnChange = [&changes](TObject*) { ++changes; };
  button->SetKind(bkEllipsis);
  button->SetKind(bkEllipsis);
  button->SetEnabled(false);
  button->SetWidth(12);
  button->SetCaption(L"x");
  button->SetHint(L"not told");
  button->SetTag(3);
  EXPECT_EQ(changes, 4);
  button->Glyph()->SetSize(4, 4);
  EXPECT_GE(changes, 5);
}

TEST(EditButtonActions, AButtonFollowsItsActionAndForgetsItWhenItIsFreed) {
  TcxEditButtons buttons(nullptr);
  TcxEditButton* first = buttons.Add();
  TcxEditButton* second = buttons.Add();
  auto action = std::make_unique<TAction>(nullptr);
  action->SetCaption(L"Find");
  action->SetImageIndex(3);
  first->SetAction(action.get());
  EXPECT_EQ(first->Caption(), L"Find");
  EXPECT_EQ(first->ImageIndex(), 3);
  EXPECT_TRUE(first->ActionLink()->IsCaptionLinked());

  action->SetCaption(L"Search");
  action->SetEnabled(false);
  EXPECT_EQ(first->Caption(), L"Search");
  EXPECT_FALSE(first->Enabled());

  // A caption typed differently is no longer the action's.
  first->SetCaption(L"Look up");
  EXPECT_FALSE(first->ActionLink()->IsCaptionLinked());
  EXPECT_TRUE(first->ActionLink()->IsImageIndexLinked());

  second->Assign(first);
  EXPECT_EQ(second->Action(), action.get());
  action.reset();
  EXPECT_EQ(first->Action(), nullptr);
  EXPECT_EQ(second->Action(), nullptr);
}

TEST(EditButtonActions, TheHintShowsTheActionsShortCutWhenTheApplicationAsks) {
  TcxCustomEditProperties properties(nullptr);
  TcxEditButton* button = properties.Buttons()->Add();
  TAction action(nullptr);
  action.SetHint(L"Search");
  action.SetShortCut(ShortCut('F', {ssCtrl}));
  button->SetAction(&action);
  const struct {
    bool ShowShortCuts;
    TShortCut Key;
    const wchar_t* Expected;
  } cases[] = {{true, ShortCut('F', {ssCtrl}), L"Search (Ctrl+F)"},
               {true, ShortCut(VK_RETURN, {ssShift, ssAlt}), L"Search (Shift+Alt+Enter)"},
               {false, ShortCut('F', {ssCtrl}), L"Search"},
               {true, 0, L"Search"}};
  for (const auto& c : cases) {
    Application->SetHintShortCuts(c.ShowShortCuts);
    action.SetShortCut(c.Key);
    TcxEditStyle style(nullptr, false);
    std::unique_ptr<TcxCustomEditViewData> viewData(properties.CreateViewData(&style, false));
    TcxCustomEditViewInfo viewInfo;
    TPaintSurface canvas(10, 10);
    viewData->Calculate(canvas.Canvas.get(), TRect(0, 0, 100, 20), TPoint(-1, -1), cxmbNone, {}, &viewInfo, false);
    EXPECT_EQ(viewInfo.Button(0)->Data.Hint, c.Expected);
  }
  Application->SetHintShortCuts(true);
}

TEST(EditButtonActions, UpdatingButtonActionsLetsEachActionUpdateItself) {
  TcxCustomEditProperties properties(nullptr);
  TAction action(nullptr);
  int updates = 0;
  action.OnUpdate = [&updates](TObject*) { ++updates; };
  properties.Buttons()->Add()->SetAction(&action);
  properties.Buttons()->Add();
  properties.UpdateButtonActions();
  EXPECT_EQ(updates, 1);
}

// What the action supplies is not streamed with the button.
TEST(EditButtonActions, ValuesTakenFromTheActionAreNotStored) {
  TcxEditButtons buttons(nullptr);
  TcxEditButton* button = buttons.Add();
  auto stored = [button](const wchar_t* AName) {
    PPropInfo info = GetPropInfo(button, AName);
    EXPECT_NE(info, nullptr) << AName;
    return info && (!info->IsStored || info->IsStored(button));
  };
  EXPECT_FALSE(stored(L"Tag"));
  EXPECT_FALSE(stored(L"Kind"));
  button->SetTag(5);
  EXPECT_TRUE(stored(L"Tag"));
  TAction action(nullptr);
  action.SetCaption(L"Find");
  button->SetAction(&action);
  EXPECT_FALSE(stored(L"Caption"));
  EXPECT_FALSE(stored(L"Enabled"));
  button->SetCaption(L"Look up");
  EXPECT_TRUE(stored(L"Caption"));
  button->SetAction(nullptr);
  EXPECT_TRUE(stored(L"Enabled"));
}
