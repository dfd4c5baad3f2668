// A button's behaviour on real windows: clicks, speed-button groups,
// drop-down menus, keys and accelerators, and its colours and glyph.
#include <gtest/gtest.h>

#include "tests/editors-basic/ButtonFixture.h"

namespace {

// A button with its protected auto-size switch on, as a descendant sets it.
class TAutoSizedButton : public TcxButton {
  VCL_COMPONENT_CLASS(TAutoSizedButton, TcxButton)
public:
  explicit TAutoSizedButton(TComponent* AOwner) : TcxButton(AOwner) { FAutoSize = true; }
};

struct Button : ButtonFixture {
  int Clicks = 0;
  TcxButton* Counted(TcxButton* AButton) {
    AButton->OnClick = [this](TObject*) { ++Clicks; };
    return AButton;
  }
};

}  // namespace

TEST_F(Button, ClickOnEachKind) {
  struct TCase {
    TcxButtonKind Kind;
    bool OnMenuPart;
    int ExpectedClicks, ExpectedDropDowns;
  };
  // A whole drop-down button opens its menu instead of clicking; a split
  // button opens it only from its arrow part.
  const TCase cases[] = {{cxbkStandard, false, 1, 0},      {cxbkCommandLink, false, 1, 0},
                         {cxbkDropDown, false, 0, 1},      {cxbkOfficeDropDown, false, 0, 1},
                         {cxbkDropDownButton, false, 1, 0}, {cxbkDropDownButton, true, 0, 1}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(c.Kind) << " on menu part " << c.OnMenuPart);
    Clicks = 0;
    TcxButton* button = Counted(AddButton(10, 10));
    button->SetBounds(10, 10, 120, 30);
    button->SetKind(c.Kind);
    auto* menu = new TRecordingMenu(Form);
    button->SetDropDownMenu(menu);
    Click(button, c.OnMenuPart ? TPoint(114, 15) : TPoint(30, 15));
    EXPECT_EQ(Clicks, c.ExpectedClicks);
    ASSERT_EQ(menu->DropDowns.size(), static_cast<size_t>(c.ExpectedDropDowns));
    if (c.ExpectedDropDowns) {
      // Below the button, on its left.
      const TPoint origin = button->ClientToScreen(TPoint(0, 0));
      EXPECT_EQ(menu->ButtonRects[0], TRect(origin.X, origin.Y, origin.X + 120, origin.Y + 30));
      EXPECT_EQ(menu->DropDowns[0].X, origin.X);
      EXPECT_GE(menu->DropDowns[0].Y, origin.Y + 30);
    }
    EXPECT_FALSE(button->InternalState().Contains(bisMenuVisible));
    delete button;
    delete menu;
  }
}

TEST_F(Button, ADropDownButtonWithoutMenuDoesNothingAndTheEventsCanTakeOver) {
  TcxButton* button = Counted(AddButton(10, 10));
  button->SetKind(cxbkDropDown);
  Click(button);
  EXPECT_EQ(Clicks, 0);

  auto* menu = new TRecordingMenu(Form);
  auto* other = new TRecordingMenu(Form);
  button->SetDropDownMenu(menu);
  int asked = 0;
  button->OnDropDownMenuPopupEx = [&](TObject*, TComponent*& AMenu, bool& AHandled) {
    ++asked;
    AMenu = other;  // shown instead
    AHandled = false;
  };
  Click(button);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(menu->DropDowns.empty());
  EXPECT_EQ(other->DropDowns.size(), 1u);
  button->OnDropDownMenuPopupEx = [&](TObject*, TComponent*&, bool& AHandled) { AHandled = true; };
  Click(button);
  EXPECT_EQ(other->DropDowns.size(), 1u);

  // Anything but a popup menu is not taken; a freed menu is forgotten.
  button->SetDropDownMenu(new TComponent(Form));
  EXPECT_EQ(button->DropDownMenu(), nullptr);
  button->SetDropDownMenu(menu);
  delete menu;
  EXPECT_EQ(button->DropDownMenu(), nullptr);
}

TEST_F(Button, TheClickThatClosesASplitMenuOnItsArrowDoesNotOpenItAgain) {
  TcxButton* split = Counted(AddButton(10, 10));
  split->SetBounds(10, 10, 120, 30);
  split->SetKind(cxbkDropDownButton);
  auto* menu = new TRecordingMenu(Form);
  split->SetDropDownMenu(menu);
  // While the menu shows, the person clicks the arrow again: that click
  // waits in the queue as the menu loop ends.
  menu->WhileShown = [&] {
    EXPECT_TRUE(split->InternalState().Contains(bisMenuVisible));
    PostMessageW(split->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(114, 15));
    PostMessageW(split->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(114, 15));
  };
  Click(split, TPoint(114, 15));
  ProcessPendingMessages();
  EXPECT_EQ(menu->DropDowns.size(), 1u);
  EXPECT_EQ(Clicks, 0);
  // The next click on the arrow opens it.
  menu->WhileShown = nullptr;
  Click(split, TPoint(114, 15));
  EXPECT_EQ(menu->DropDowns.size(), 2u);
}

TEST_F(Button, SpeedButtonGroups) {
  TcxButton* a = AddButton(10, 10, L"A");
  TcxButton* b = AddButton(100, 10, L"B");
  TcxButton* lone = AddButton(200, 10, L"C");
  for (TcxButton* button : {a, b}) {
    button->SetCanBeFocused(false);
    button->SetGroupIndex(1);
  }
  lone->SetDown(true);
  EXPECT_FALSE(lone->Down());  // outside a group a button never stays down

  Click(a);
  EXPECT_TRUE(a->Down());
  Click(a);  // the down member of a group without all-up stays down
  EXPECT_TRUE(a->Down());
  Click(b);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  EXPECT_FALSE(a->Focused());
  EXPECT_FALSE(b->Focused());

  // All-up (copied to the group from the member that changes it) lets the
  // down member go up.
  b->SetAllowAllUp(true);
  EXPECT_TRUE(a->AllowAllUp());
  Click(b);
  EXPECT_FALSE(b->Down());
  EXPECT_FALSE(a->Down());

  // A focusable group member toggles on its click.
  TcxButton* focusable = AddButton(10, 60, L"F");
  focusable->SetGroupIndex(2);
  focusable->SetAllowAllUp(true);
  Click(focusable);
  EXPECT_TRUE(focusable->Down());
  Click(focusable);
  EXPECT_FALSE(focusable->Down());
}

TEST_F(Button, TabPassesOverButtonsThatCannotTakeTheFocus) {
  TEdit* first = Add<TEdit>(10, 100);
  TcxButton* speed = AddButton(10, 10, L"Speed");
  TcxButton* plain = AddButton(100, 10, L"Plain");
  speed->SetCanBeFocused(false);
  first->SetFocus();
  ProcessPendingMessages();
  PressKey(VK_TAB);
  EXPECT_EQ(FocusedControl(), plain);
}

TEST_F(Button, DefaultAndCancelButtonsTakeEnterAndEscape) {
  TEdit* edit = Add<TEdit>(10, 100);
  TcxButton* ok = AddButton(10, 10, L"OK");
  TcxButton* cancel = AddButton(100, 10, L"Cancel");
  TcxButton* other = AddButton(200, 10, L"Other");
  int okClicks = 0, cancelClicks = 0, otherClicks = 0;
  ok->OnClick = [&](TObject*) { ++okClicks; };
  cancel->OnClick = [&](TObject*) { ++cancelClicks; };
  other->OnClick = [&](TObject*) { ++otherClicks; };
  ok->SetDefault(true);
  cancel->SetCancel(true);

  edit->SetFocus();
  ProcessPendingMessages();
  EXPECT_TRUE(ok->IsDefaultLook());
  PressKey(VK_RETURN);
  EXPECT_EQ(okClicks, 1);
  PressKey(VK_ESCAPE);
  EXPECT_EQ(cancelClicks, 1);
  // Enter clicks the focused button rather than the default one, which
  // loses its default look meanwhile.
  other->SetFocus();
  ProcessPendingMessages();
  EXPECT_FALSE(ok->IsDefaultLook());
  EXPECT_TRUE(other->IsDefaultLook());
  PressKey(VK_RETURN);
  EXPECT_EQ(otherClicks, 1);
  EXPECT_EQ(okClicks, 1);
  // A disabled default button is not clicked.
  edit->SetFocus();
  ok->SetEnabled(false);
  PressKey(VK_RETURN);
  EXPECT_EQ(okClicks, 1);
}

TEST_F(Button, AcceleratorsAndTheSplitButtonsMenuKey) {
  TEdit* edit = Add<TEdit>(10, 100);
  TcxButton* save = Counted(AddButton(10, 10, L"&Save"));
  TcxButton* split = AddButton(100, 10, L"Split");
  split->SetKind(cxbkDropDownButton);
  auto* menu = new TRecordingMenu(Form);
  split->SetDropDownMenu(menu);
  edit->SetFocus();
  ProcessPendingMessages();
  // Alt+S, as the keyboard sends it.
  PostMessageW(edit->Handle(), WM_SYSCHAR, L's', 0x20000001);
  ProcessPendingMessages();
  EXPECT_EQ(Clicks, 1);
  PostMessageW(edit->Handle(), WM_SYSCHAR, L'x', 0x20000001);
  ProcessPendingMessages();
  EXPECT_EQ(Clicks, 1);
  // A grouped focusable button does not toggle from its accelerator.
  save->SetGroupIndex(1);
  save->SetAllowAllUp(true);
  PostMessageW(edit->Handle(), WM_SYSCHAR, L'S', 0x20000001);
  ProcessPendingMessages();
  EXPECT_EQ(Clicks, 2);
  EXPECT_FALSE(save->Down());

  split->SetFocus();
  ProcessPendingMessages();
  PressKey(VK_DOWN);
  EXPECT_TRUE(menu->DropDowns.empty());
  PressKey(VK_DOWN, true);
  EXPECT_EQ(menu->DropDowns.size(), 1u);
}

TEST_F(Button, ColoursByStateFallBackToNormalAndDefault) {
  TcxButton* button = AddButton(10, 10);
  TcxButtonColors* colors = button->Colors();
  EXPECT_EQ(colors->GetColorByState(cxbsHot), clDefault);
  colors->SetColor(cxbcDefault, clYellow);
  EXPECT_EQ(colors->GetColorByState(cxbsNormal), clYellow);  // normal falls back to default
  EXPECT_EQ(colors->GetColorByState(cxbsHot), clDefault);    // the others to normal
  colors->SetColor(cxbcNormal, clLime);
  colors->SetColor(cxbcHot, clRed);
  colors->SetColor(cxbcNormalText, clBlue);
  struct TCase {
    TcxButtonState State;
    TColor Color, Text;
  };
  const TCase cases[] = {{cxbsDefault, clYellow, clBlue},
                         {cxbsNormal, clLime, clBlue},
                         {cxbsHot, clRed, clBlue},
                         {cxbsPressed, clLime, clBlue},
                         {cxbsDisabled, clLime, clBlue}};
  for (const TCase& c : cases) {
    EXPECT_EQ(colors->GetColorByState(c.State), c.Color) << static_cast<int>(c.State);
    EXPECT_EQ(colors->GetTextColorByState(c.State), c.Text) << static_cast<int>(c.State);
  }
  colors->SetColor(cxbcHot, clNone);
  EXPECT_FALSE(colors->AssignedColors().Contains(cxbcHot));
  EXPECT_EQ(colors->GetColorByState(cxbsHot), clLime);
  // Outside design time the assigned set is not written.
  colors->SetAssignedColors(TcxButtonAssignedColors{});
  EXPECT_TRUE(colors->AssignedColors().Contains(cxbcNormal));
}

TEST_F(Button, GlyphStripsAndTheSectionEachStateShows) {
  struct TCase {
    int Width;
    int ExpectedNumGlyphs;
  };
  const TCase counts[] = {{64, 4}, {80, 1}, {48, 3}, {32, 2}, {16, 1}};
  TcxButton* button = AddButton(10, 10);
  for (const TCase& c : counts) {
    TBitmap strip;
    strip.SetSize(c.Width, 16);
    button->OptionsImage()->SetGlyph(&strip);
    EXPECT_EQ(button->OptionsImage()->NumGlyphs(), c.ExpectedNumGlyphs) << c.Width;
  }
  // Drawn pressed, a three-section strip shows its third section, a
  // two-section one its first.
  struct TSectionCase {
    std::vector<TColor> Sections;
    TcxButtonState State;
    TColor Expected;
  };
  const TSectionCase sections[] = {{{clRed, clGray, clBlue}, cxbsPressed, clBlue},
                                   {{clRed, clGray}, cxbsPressed, clRed},
                                   {{clRed, clGray, clBlue}, cxbsNormal, clRed},
                                   {{clRed, clGray, clBlue}, cxbsDisabled, clGray}};
  for (const TSectionCase& c : sections) {
    std::unique_ptr<TBitmap> strip = MakeStrip(16, c.Sections);
    button->OptionsImage()->SetGlyph(strip.get());
    TcxBitmap target(20, 20, pf32bit);
    target.cxCanvas()->FillRect(TRect(0, 0, 20, 20), clWhite);
    button->ButtonGlyph()->DrawButtonGlyph(target.cxCanvas(), TPoint(2, 2), c.State);
    GdiFlush();
    EXPECT_EQ(PixelColor(target, 10, 10), c.Expected) << static_cast<int>(c.State);
    EXPECT_EQ(PixelColor(target, 2, 17), clWhite);  // the transparent corner
  }
}

TEST_F(Button, AutoSizeKeepsTheOptimalSizeThroughCaptionFontAndBounds) {
  TcxButton* plain = AddButton(10, 10, L"OK");
  plain->SetBounds(10, 10, 30, 12);
  EXPECT_EQ(plain->Width(), 30);  // the switch is off by default
  TAutoSizedButton* button = Add<TAutoSizedButton>(10, 60);
  auto expectOptimal = [&](const char* AStep) {
    TSize optimal;
    button->GetOptimalSize(optimal);
    EXPECT_EQ(button->Width(), optimal.cx) << AStep;
    EXPECT_EQ(button->Height(), optimal.cy) << AStep;
  };
  button->SetCaption(L"OK");
  expectOptimal("short caption");
  const int shortWidth = button->Width(), shortHeight = button->Height();
  button->SetCaption(L"A &much longer caption");
  expectOptimal("long caption");
  EXPECT_GT(button->Width(), shortWidth);
  button->Font()->SetSize(button->Font()->Size() * 2);
  expectOptimal("larger font");
  EXPECT_GT(button->Height(), shortHeight);
  button->SetBounds(20, 70, 10, 10);
  expectOptimal("bounds given");
  EXPECT_EQ(button->Left(), 20);
}
