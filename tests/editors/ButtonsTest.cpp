#include <gtest/gtest.h>

#include "components/editors/cxEdit.h"
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
