// The list box on a shown form, driven by a person's keys, typing and
// clicks: navigation in a table, incremental search with its pause, the
// selection under the mouse, scrolling limits, separators and sorting, and
// what it draws in every look.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/editors-basic/cxListBox.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "vcl/rtl/Strings.h"
#include "tests/editors-basic/ButtonFixture.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"

namespace {

// Each item's content filled in one colour, so that what is drawn shows.
class TMarkedListBox : public TdxCustomListBox {
public:
  using TdxCustomListBox::TdxCustomListBox;
  TColor ItemColor = clNone;

protected:
  void DrawItemBackground(const TRect& ARect, TdxCustomListBoxItem* AItem, TcxButtonState AState) override {
    if (ItemColor == clNone)
      TdxCustomListBox::DrawItemBackground(ARect, AItem, AState);
    else
      Canvas()->FillRect(ARect, ItemColor);
  }
};

struct ListBoxFixture : FormFixture {
  TMarkedListBox* ListBox = nullptr;
  int Clicks = 0;

  ListBoxFixture() {
    Form->SetBounds(0, 0, 400, 300);
    ListBox = Add<TMarkedListBox>(10, 10);
    // No border: the items area is the client area less the scroll bar.
    ListBox->SetBorderStyle(cxcbsNone);
    ListBox->SetBounds(10, 10, 150, 100);
    ListBox->OnClick = [this](TObject*) { ++Clicks; };
    Form->Show();
  }
  void Fill(int ACount) {
    ListBox->BeginUpdate();
    for (int i = 0; i < ACount; ++i) ListBox->Add(L"Item " + IntToStr(i));
    ListBox->EndUpdate();
    ProcessPendingMessages();
  }
  void Fill(std::initializer_list<const wchar_t*> ACaptions) {
    for (const wchar_t* caption : ACaptions) ListBox->Add(caption);
    ProcessPendingMessages();
  }
  // A key with Ctrl held or not, on the focused list box.
  void Press(WORD AKey, bool ACtrl = false) {
    ListBox->SetFocus();
    BYTE keys[256];
    GetKeyboardState(keys);
    const BYTE saved = keys[VK_CONTROL];
    keys[VK_CONTROL] = ACtrl ? 0x80 : 0;
    SetKeyboardState(keys);
    PressKey(AKey);
    keys[VK_CONTROL] = saved;
    SetKeyboardState(keys);
  }
  void Type(const String& AText) {
    ListBox->SetFocus();
    for (wchar_t ch : AText) SendMessageW(ListBox->Handle(), WM_CHAR, ch, 1);
    ProcessPendingMessages();
  }
  // A person's press and release at a point of the list box.
  void ClickAt(const TPoint& P, UINT ADown = WM_LBUTTONDOWN, UINT AUp = WM_LBUTTONUP) {
    const LPARAM at = MAKELPARAM(P.X, P.Y);
    PostMessageW(ListBox->Handle(), WM_MOUSEMOVE, 0, at);
    PostMessageW(ListBox->Handle(), ADown, ADown == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, at);
    PostMessageW(ListBox->Handle(), AUp, 0, at);
    ProcessPendingMessages();
  }
  TPoint ItemCentre(int AIndex) {
    const TRect r = ListBox->ItemRect(AIndex);
    return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
};

// ---------------------------------------------------------------- navigation

struct TNavigationCase {
  const char* Name;
  int Count;
  bool Looped;
  int Start;  // selected before the key, -1 for none
  WORD Key;
  bool Ctrl;
  int Index;  // selected after
  int Top;    // top index after
};

// Twenty items of 16 pixels in 100 pixels: six whole ones show, and the
// top index stops at 14 (the last item at the bottom).
const TNavigationCase NavigationCases[] = {
    {"Down from none", 20, false, -1, VK_DOWN, false, 0, 0},
    {"Up from none", 20, false, -1, VK_UP, false, 0, 0},
    {"Up from none looped", 20, true, -1, VK_UP, false, 19, 14},
    {"Down", 20, false, 4, VK_DOWN, false, 5, 0},
    {"Down scrolls the item in at the bottom", 20, false, 5, VK_DOWN, false, 6, 1},
    {"Down on the last stays", 20, false, 19, VK_DOWN, false, 19, 14},
    {"Down on the last looped", 20, true, 19, VK_DOWN, false, 0, 0},
    {"Up on the first stays", 20, false, 0, VK_UP, false, 0, 0},
    {"Up on the first looped", 20, true, 0, VK_UP, false, 19, 14},
    {"Page Down", 20, false, 3, VK_NEXT, false, 9, 4},
    {"Page Down near the end", 20, false, 17, VK_NEXT, false, 19, 14},
    {"Page Down is never looped", 20, true, 19, VK_NEXT, false, 19, 14},
    {"Page Up", 20, false, 10, VK_PRIOR, false, 4, 4},
    {"Page Up near the start", 20, false, 3, VK_PRIOR, false, 0, 0},
    {"Ctrl+Page Down", 20, false, 3, VK_NEXT, true, 19, 14},
    {"Ctrl+Page Up", 20, false, 12, VK_PRIOR, true, 0, 0},
    {"Home", 20, false, 12, VK_HOME, false, 0, 0},
    {"End", 20, false, 2, VK_END, false, 19, 14},
    {"End with nothing selected", 20, false, -1, VK_END, false, 19, 14},
    {"Down when all fit", 3, false, 2, VK_DOWN, false, 2, 0},
    {"End on an empty list", 0, false, -1, VK_END, false, -1, 0},
    {"Down on an empty list", 0, false, -1, VK_DOWN, false, -1, 0},
    // An empty list has nothing to select, looped or not.
    {"Down on an empty list looped", 0, true, -1, VK_DOWN, false, -1, 0},
    {"Up on an empty list looped", 0, true, -1, VK_UP, false, -1, 0},
};

struct ListBoxNavigation : ListBoxFixture, ::testing::WithParamInterface<TNavigationCase> {};

TEST_P(ListBoxNavigation, KeyMovesTheSelectionAndKeepsItInView) {
  const TNavigationCase& c = GetParam();
  Fill(c.Count);
  ListBox->SetLoopedNavigation(c.Looped);
  ListBox->SetItemIndex(c.Start);
  Press(c.Key, c.Ctrl);
  EXPECT_EQ(ListBox->ItemIndex(), c.Index);
  EXPECT_EQ(ListBox->TopIndex(), c.Top);
  if (c.Index >= 0) {
    EXPECT_GE(c.Index, ListBox->TopIndex());
    EXPECT_LT(c.Index, ListBox->TopIndex() + ListBox->VisibleCount());
  }
}

INSTANTIATE_TEST_SUITE_P(Keys, ListBoxNavigation, ::testing::ValuesIn(NavigationCases),
                         [](const auto& info) {
                           std::string name = info.param.Name;
                           for (char& ch : name)
                             if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return name;
                         });

TEST_F(ListBoxFixture, KeysChangingTheSelectionClickOnceAndOthersPassOn) {
  Fill(5);
  Press(VK_DOWN);
  Press(VK_DOWN);
  EXPECT_EQ(Clicks, 2);
  Press(VK_UP);
  Press(VK_UP);  // stays on the first: no click
  EXPECT_EQ(Clicks, 3);
  EXPECT_EQ(ListBox->ItemIndex(), 0);
  Press(VK_RIGHT);
  EXPECT_EQ(ListBox->ItemIndex(), 0);
}

// ---------------------------------------------------------------- top index and visible count

TEST_F(ListBoxFixture, TopIndexStaysWithinTheItemsThatCanFillTheArea) {
  EXPECT_EQ(ListBox->TopIndex(), 0);  // empty
  Fill(20);
  EXPECT_EQ(ListBox->VisibleCount(), 6);
  const int cases[][2] = {{-5, 0}, {3, 3}, {14, 14}, {15, 14}, {100, 14}};
  for (const auto& c : cases) {
    ListBox->SetTopIndex(c[0]);
    EXPECT_EQ(ListBox->TopIndex(), c[1]) << "set to " << c[0];
  }
  // A taller area shows more and lowers the limit.
  ListBox->SetHeight(164);
  ProcessPendingMessages();
  EXPECT_EQ(ListBox->VisibleCount(), 10);
  EXPECT_EQ(ListBox->TopIndex(), 10);
  // All items fitting: no scrolling at all.
  ListBox->SetHeight(400);
  ProcessPendingMessages();
  EXPECT_EQ(ListBox->TopIndex(), 0);
  EXPECT_EQ(ListBox->VisibleCount(), 20);
}

TEST_F(ListBoxFixture, VisibleCountIsAtLeastOne) {
  Fill(3);
  ListBox->SetHeight(10);
  ProcessPendingMessages();
  EXPECT_EQ(ListBox->VisibleCount(), 1);
}

TEST_F(ListBoxFixture, TheScrollBarShowsTheTopIndexAndScrollsByWholeItems) {
  Fill(20);
  ASSERT_TRUE(ListBox->IsVertScrollBarVisible());
  EXPECT_FALSE(ListBox->IsHorzScrollBarVisible());
  IcxControlScrollBar* bar = ListBox->GetVertScrollBar();
  EXPECT_EQ(bar->Max(), 19);
  EXPECT_EQ(bar->PageSize(), 6);
  Press(VK_END);
  EXPECT_EQ(bar->Position(), 14);
  // The wheel scrolls the content, never past the last item at the bottom.
  const TPoint centre = ListBox->ClientToScreen(TPoint(50, 50));
  SendMessageW(ListBox->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(centre.X, centre.Y));
  EXPECT_LT(ListBox->TopIndex(), 14);
  for (int i = 0; i < 5; ++i)
    SendMessageW(ListBox->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(centre.X, centre.Y));
  EXPECT_EQ(ListBox->TopIndex(), 14);
  EXPECT_EQ(ListBox->ItemIndex(), 19);
}

// ---------------------------------------------------------------- incremental search

TEST_F(ListBoxFixture, TypedPrefixSelectsTheNextMatchIgnoringCase) {
  Fill({L"Apple", L"Banana", L"Bravo", L"brown", L"Cherry", L"Brick", L"Élan"});
  struct {
    int Start;
    const wchar_t* Typed;
    int Index;
  } cases[] = {
      {-1, L"b", 1},   // the first "b"
      {-1, L"br", 2},  // "br" within the pause
      {2, L"br", 5},   // each letter searches after the item the last one found
      {5, L"b", 1},    // wrapping to the top
      {5, L"br", 2},
      {0, L"BR", 2},    // any case
      {0, L"bb", 1},    // the same letter extends the prefix: "bb" matches nothing
      {4, L"é", 6},     // letters beyond A to Z too
      {3, L"x", 3},     // nothing matches
  };
  for (const auto& c : cases) {
    Press(VK_HOME);  // a navigation key starts a fresh prefix
    ListBox->SetItemIndex(c.Start);
    Type(c.Typed);
    EXPECT_EQ(ListBox->ItemIndex(), c.Index) << "from " << c.Start << " typed " << static_cast<int>(c.Typed[0]);
  }
}

TEST_F(ListBoxFixture, APauseStartsANewPrefixAndANavigationKeyForgetsIt) {
  Fill({L"Apple", L"Banana", L"Bravo", L"Rose"});
  Type(L"b");
  EXPECT_EQ(ListBox->ItemIndex(), 1);
  Sleep(1100);
  Type(L"r");  // "r" alone, not "br"
  EXPECT_EQ(ListBox->ItemIndex(), 3);
  EXPECT_EQ(ListBox->SearchText(), L"r");
  Press(VK_HOME);
  EXPECT_EQ(ListBox->SearchText(), L"");
  Type(L"b");
  EXPECT_EQ(ListBox->ItemIndex(), 1);
}

TEST_F(ListBoxFixture, SearchOffOrAnEmptyListConsumesNothing) {
  int passed = 0;
  ListBox->OnKeyPress = [&](TObject*, wchar_t&) { ++passed; };
  Type(L"a");
  EXPECT_EQ(ListBox->ItemIndex(), -1);
  Fill({L"Apple"});
  ListBox->SetIncrementalSearch(false);
  Type(L"a");
  EXPECT_EQ(ListBox->ItemIndex(), -1);
  EXPECT_EQ(passed, 2);
}

// ---------------------------------------------------------------- mouse

TEST_F(ListBoxFixture, APressSelectsTheItemUnderItAndClicksOnce) {
  Fill(4);
  ClickAt(ItemCentre(2));
  EXPECT_EQ(ListBox->ItemIndex(), 2);
  EXPECT_EQ(Clicks, 1);  // not once for the change and once for the press
  ClickAt(ItemCentre(2));
  EXPECT_EQ(Clicks, 2);  // every press clicks
  ClickAt(ItemCentre(1), WM_RBUTTONDOWN, WM_RBUTTONUP);
  EXPECT_EQ(ListBox->ItemIndex(), 2);  // the right button selects nothing
  EXPECT_EQ(Clicks, 3);
  ClickAt(TPoint(20, 90));  // below the last item
  EXPECT_EQ(ListBox->ItemIndex(), -1);
  EXPECT_EQ(Clicks, 4);
}

TEST_F(ListBoxFixture, HotItemFollowsTheMouseOnlyWhileFocused) {
  Fill(4);
  Form->SetFocus();
  ProcessPendingMessages();
  const TPoint over = ListBox->ClientToScreen(ItemCentre(1));
  MoveMouseTo(over);
  ProcessPendingMessages();
  EXPECT_EQ(ListBox->HotIndex(), -1);
  ListBox->SetFocus();
  ProcessPendingMessages();
  EXPECT_EQ(ListBox->HotIndex(), 1);
  MoveMouseTo(ListBox->ClientToScreen(ItemCentre(3)));
  ProcessPendingMessages();
  EXPECT_EQ(ListBox->HotIndex(), 3);
  MoveMouseTo(TPoint(390, 290));
  ProcessPendingMessages();
  EXPECT_EQ(ListBox->HotIndex(), -1);
}

TEST_F(ListBoxFixture, AClippedCaptionShowsAsAHintOverTheHotItem) {
  Fill({L"Short", L"A caption far too long for the narrow list box to show"});
  ListBox->SetShowHint(true);
  ListBox->SetFocus();
  MoveMouseTo(ListBox->ClientToScreen(ItemCentre(0)));
  ProcessPendingMessages();
  THintWindow* window = ListBox->HintHelper()->HintWindow();
  EXPECT_FALSE(window && IsWindowVisible(window->Handle()));
  MoveMouseTo(ListBox->ClientToScreen(ItemCentre(1)));
  ProcessPendingMessages();
  window = ListBox->HintHelper()->HintWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window->Handle()));
  EXPECT_EQ(WindowText(window->Handle()), ListBox->Items()->GetItem(1)->Caption());
  MoveMouseTo(TPoint(390, 290));
  ProcessPendingMessages();
  EXPECT_FALSE(IsWindowVisible(window->Handle()));
}

TEST_F(ListBoxFixture, PanningStartsNoBoundaryFeedback) {
  IdxGestureClient* client = ListBox;
  EXPECT_FALSE(client->WantsOverpanFeedback(sbVertical));
  EXPECT_FALSE(client->WantsOverpanFeedback(sbHorizontal));
}

// ---------------------------------------------------------------- items

TEST_F(ListBoxFixture, SeparatorsAddHeightExceptBelowTheLastItem) {
  EXPECT_EQ(ListBox->Items()->AddSeparator(), nullptr);
  Fill(3);
  const int separator = ListBox->GetPainter()->DropDownListBoxSeparatorSize();
  ASSERT_GT(separator, 0);
  EXPECT_EQ(ListBox->Items()->AddSeparator(), ListBox->Items()->GetItem(2));
  EXPECT_EQ(ListBox->ItemRect(2).Height(), 16);  // the last item's separator is not drawn
  ListBox->Items()->GetItem(0)->SetHasSeparator(true);
  EXPECT_EQ(ListBox->ItemRect(0).Height(), 16 + separator);
  EXPECT_EQ(ListBox->ItemRect(1).Top, 16 + separator);
  // A press on the separator strip clears the selection.
  ListBox->SetItemIndex(1);
  ClickAt(TPoint(20, 16 + separator / 2));
  EXPECT_EQ(ListBox->ItemIndex(), -1);
  EXPECT_EQ(ListBox->ItemAtPos(TPoint(20, 16 + separator / 2), false), ListBox->Count());
}

TEST_F(ListBoxFixture, SortedItemsGoInOrdinalOrder) {
  ListBox->SetSorted(true);
  Fill({L"b", L"a", L"B"});
  EXPECT_EQ(ListBox->Items()->GetItem(0)->Caption(), L"B");
  EXPECT_EQ(ListBox->Items()->GetItem(1)->Caption(), L"a");
  EXPECT_EQ(ListBox->Items()->GetItem(2)->Caption(), L"b");
  ListBox->SetSorted(false);
  Fill({L"A"});
  EXPECT_EQ(ListBox->Items()->GetItem(3)->Caption(), L"A");
  ListBox->SetSorted(true);
  EXPECT_EQ(ListBox->Items()->GetItem(0)->Caption(), L"A");
  EXPECT_EQ(ListBox->Items()->IndexOfCaption(L"b", true), 3);
  EXPECT_EQ(ListBox->Items()->IndexOfCaption(L"b", false), 1);  // "B" first
}

TEST_F(ListBoxFixture, RemovingOrClearingKeepsTheSelectionValid) {
  TObject first, last;
  ListBox->AddItem(L"First", &first);
  ListBox->Add(L"Middle");
  ListBox->AddItem(L"Last", &last);
  ListBox->SetItemIndex(2);
  Clicks = 0;
  ListBox->Items()->Delete(2);
  EXPECT_EQ(ListBox->ItemIndex(), 1);  // the new last item
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(ListBox->Items()->IndexOfObject(&first), 0);
  ListBox->Clear();
  EXPECT_EQ(ListBox->ItemIndex(), -1);
  EXPECT_EQ(Clicks, 1);  // clearing does not click
}

TEST_F(ListBoxFixture, LoadFromStringsReplacesTheItems) {
  Fill(3);
  TStringList lines;
  TObject tag;
  lines.AddObject(L"one", &tag);
  lines.Add(L"two");
  ListBox->Items()->LoadFromStrings(&lines);
  ASSERT_EQ(ListBox->Count(), 2);
  EXPECT_EQ(ListBox->Items()->GetItem(0)->Data(), &tag);
  EXPECT_EQ(ListBox->Items()->GetItem(1)->Caption(), L"two");
}

TEST_F(ListBoxFixture, ContentSizeFitsTheItemsAndTheScrollBar) {
  Fill({L"Short", L"Much longer caption"});
  ListBox->SetItemHeight(ListBox->CalculateItemHeight());
  const TSize size = ListBox->CalculateContentSize(10);
  EXPECT_EQ(size.cy, 2 * ListBox->ItemHeight());
  EXPECT_EQ(ListBox->CalculateContentSize(1).cy, ListBox->ItemHeight());
  TcxScreenCanvas* canvas = cxSharedScreenCanvas();
  canvas->Font()->Assign(ListBox->Font());
  canvas->Font()->SetStyle(TFontStyles{fsBold});
  EXPECT_EQ(size.cx, canvas->TextWidth(L"Much longer caption") + GetSystemMetrics(SM_CXVSCROLL) + 4);
  EXPECT_EQ(ListBox->ItemHeight(), canvas->TextHeight(L"Wg") + 4);
}

TEST_F(ListBoxFixture, AFreedImageListIsLetGo) {
  Fill(3);
  auto* images = new TCustomImageList(nullptr);
  images->SetSize(24, 24);
  ListBox->SetImages(images);
  EXPECT_EQ(ListBox->ItemRect(0).Height(), 16);
  delete images;
  EXPECT_EQ(ListBox->Images(), nullptr);
  CaptureWindow(ListBox);  // paints without it
}

// ---------------------------------------------------------------- painting

TEST_F(ListBoxFixture, APartlyVisibleLastItemIsNotDrawn) {
  Fill(20);
  ListBox->ItemColor = clLime;
  std::unique_ptr<TBitmap> image = CaptureWindow(ListBox);
  EXPECT_EQ(PixelColor(*image, 10, 5), clLime);
  EXPECT_EQ(PixelColor(*image, 10, 95), clLime);    // the sixth item
  EXPECT_NE(PixelColor(*image, 10, 97), clLime);    // where the seventh would start
  EXPECT_EQ(PixelColor(*image, 10, 97), PixelColor(*image, 10, 99));
}

TEST_F(ListBoxFixture, TheSelectedItemIsFilledInTheSelectionColour) {
  Fill(5);
  ListBox->SetItemIndex(1);
  std::unique_ptr<TBitmap> image = CaptureWindow(ListBox);
  EXPECT_EQ(PixelColor(*image, 100, 17), ColorToRGB(ListBox->GetPainter()->DefaultSelectionColor()));
  EXPECT_EQ(PixelColor(*image, 100, 3), ColorToRGB(clWindow));
}

TEST_F(ListBoxFixture, SheetOfEveryLookAndState) {
  std::unique_ptr<TBitmap> strip = MakeStrip(16, {clRed, clGreen, clBlue});
  TCustomImageList images(nullptr);
  images.SetSize(16, 16);
  images.AddMasked(strip.get(), clWhite);
  const char* states[] = {"Normal", "Focused and hot", "Images and separators", "Disabled"};
  const int cellWidth = 170, cellHeight = 130, left = 90, top = 20;
  TcxBitmap sheet(left + std::size(states) * cellWidth, top + std::size(AllLooks) * cellHeight, pf32bit);
  TcxCanvas* canvas = sheet.cxCanvas();
  canvas->FillRect(sheet.ClientRect(), clWhite);
  canvas->Brush()->SetStyle(bsClear);
  auto label = [&](const std::string& AText, int X, int Y) {
    canvas->Canvas()->TextOut(X, Y, String(AText.begin(), AText.end()));
  };
  for (size_t s = 0; s < std::size(states); ++s) label(states[s], left + s * cellWidth, 4);
  delete ListBox;
  for (size_t l = 0; l < std::size(AllLooks); ++l) {
    label(LookName(AllLooks[l]), 4, top + l * cellHeight + 50);
    for (size_t s = 0; s < std::size(states); ++s) {
      auto* listBox = Add<TdxCustomListBox>(10, 10);
      listBox->SetBounds(10, 10, cellWidth - 10, cellHeight - 10);
      SetLook(listBox->LookAndFeel(), AllLooks[l]);
      for (int i = 0; i < 12; ++i)
        listBox->Add(i == 1 ? L"A caption too long to show whole" : L"Item " + IntToStr(i), i % 3);
      listBox->SetItemIndex(2);
      if (s == 1) {
        listBox->SetFocus();
        MoveMouseTo(listBox->ClientToScreen(TPoint(30, 8)));
        ProcessPendingMessages();
      }
      if (s == 2) {
        listBox->SetImages(&images);
        listBox->SetItemHeight(listBox->CalculateItemHeight());
        listBox->Items()->GetItem(0)->SetHasSeparator(true);
        listBox->Items()->GetItem(3)->SetHasSeparator(true);
      }
      if (s == 3) listBox->SetEnabled(false);
      std::unique_ptr<TBitmap> image = CaptureWindow(listBox);
      BitBlt(canvas->Handle(), left + s * cellWidth, top + l * cellHeight, image->Width(), image->Height(),
             image->Canvas()->Handle(), 0, 0, SRCCOPY);
      delete listBox;
    }
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet, L"artifacts\\ListBox.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/ListBox.png"));
}

}  // namespace
