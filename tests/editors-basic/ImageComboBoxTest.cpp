// The image combo box: what each value shows (the first of equal values
// wins, numbers match their text, the defaults), the images new items take,
// a real edit picking, searching and stepping by value, the image drawn in
// the editor and the list, and the sheet of it in every look.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/controls/cxVariants.h"
#include "components/editors-basic/cxImageComboBox.h"
#include "tests/editors-basic/DropDownLookSheet.h"
#include "tests/editors/DropDownFixture.h"
#include "vcl/controls/ImgList.h"

namespace {

const TColor ImageColors[] = {clRed, clLime, clBlue, clYellow, clFuchsia};

// Five square images of solid colours, in the given order.
std::unique_ptr<TCustomImageList> MakeImages(int ASize = 12, const std::vector<TColor>& AColors = {
                                                                  std::begin(ImageColors), std::end(ImageColors)}) {
  auto images = std::make_unique<TCustomImageList>(nullptr);
  images->SetSize(ASize, ASize);
  for (TColor color : AColors) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(ASize, ASize);
    bitmap.Canvas()->Brush()->SetColor(color);
    bitmap.Canvas()->FillRect(TRect(0, 0, ASize, ASize));
    images->AddMasked(&bitmap, clWhite);
  }
  return images;
}

void AddItem(TcxCustomImageComboBoxProperties* AProperties, const Variant& AValue, const String& ADescription,
             int AImageIndex) {
  TcxImageComboBoxItem* item = AProperties->Items()->Add();
  item->SetValue(AValue);
  item->SetDescription(ADescription);
  item->SetImageIndex(AImageIndex);
}

// One, Two, a second two (equal value), and a text-valued Three.
void AddItems(TcxCustomImageComboBoxProperties* AProperties) {
  AddItem(AProperties, Variant(1), L"One", 0);
  AddItem(AProperties, Variant(2), L"Two", 1);
  AddItem(AProperties, Variant(2), L"Second two", 2);
  AddItem(AProperties, Variant(String(L"3")), L"Three", 3);
}

struct ImageComboBox : DropDownFixture {
  ImageComboBox() : Images(MakeImages()) {}
  TcxImageComboBox* AddCombo() {
    auto* combo = AddEdit<TcxImageComboBox>();
    combo->Properties()->SetImages(Images.get());
    AddItems(combo->Properties());
    return combo;
  }
  std::unique_ptr<TCustomImageList> Images;
};

}  // namespace

TEST(ImageComboBoxValues, EachValueShowsTheFirstItemWithItOrTheDefaults) {
  struct TCase {
    const char* Name;
    Variant Value;
    bool ShowDescriptions;
    String Shown;
    int ImageIndex;
    String DisplayText;
  };
  const TCase cases[] = {
      {"an item", Variant(1), true, L"One", 0, L"One"},
      {"the first of equal values", Variant(2), true, L"Two", 1, L"Two"},
      {"a text value", Variant(String(L"3")), true, L"Three", 3, L"Three"},
      {"a number finds its text", Variant(3), true, L"Three", 3, L"Three"},
      {"a text finds its number", Variant(String(L"1")), true, L"One", 0, L"One"},
      {"another number", Variant(1.5), true, L"(none)", 4, L"(none)"},
      {"a Boolean is compared as text", Variant(true), true, L"(none)", 4, L"(none)"},
      {"no value", Null(), true, L"(none)", 4, L"(none)"},
      {"descriptions hidden", Variant(1), false, L"", 0, L"One"},
      {"descriptions hidden, no item", Variant(9), false, L"", 4, L"(none)"},
  };
  for (const TCase& c : cases) {
    TcxImageComboBoxProperties properties(nullptr);
    AddItems(&properties);
    properties.SetDefaultDescription(L"(none)");
    properties.SetDefaultImageIndex(4);
    properties.SetShowDescriptions(c.ShowDescriptions);
    String text;
    int imageIndex = -2;
    properties.GetImageComboBoxDisplayValue(c.Value, text, imageIndex);
    EXPECT_EQ(text, c.Shown) << c.Name;
    EXPECT_EQ(imageIndex, c.ImageIndex) << c.Name;
    EXPECT_EQ(properties.GetDisplayText(c.Value), c.DisplayText) << c.Name;
  }
}

TEST(ImageComboBoxValues, NewItemsTakeTheirImagesAndComparisonsSeeTheImage) {
  std::unique_ptr<TCustomImageList> images = MakeImages();
  TcxImageComboBoxProperties properties(nullptr);
  properties.SetImages(images.get());
  for (int i = 0; i < 6; ++i) properties.Items()->Add()->SetValue(Variant(i));
  for (int i = 0; i < 6; ++i) EXPECT_EQ(properties.Items()->Items(i)->ImageIndex(), i < 5 ? i : -1) << i;
  // Same description, other image: different only while there are images.
  properties.Items()->Items(0)->SetDescription(L"Same");
  properties.Items()->Items(1)->SetDescription(L"Same");
  properties.Items()->Items(2)->SetDescription(L"same");
  EXPECT_FALSE(properties.CompareDisplayValues(Variant(0), Variant(1)));
  properties.SetImages(nullptr);
  EXPECT_TRUE(properties.CompareDisplayValues(Variant(0), Variant(1)));
  EXPECT_FALSE(properties.CompareDisplayValues(Variant(0), Variant(2)));  // letter case counts
  int changes = 0;
  properties.OnPropertiesChanged = [&](TObject*) { ++changes; };
  properties.Items()->Items(3)->SetValue(Variant(3));  // the same value again
  EXPECT_EQ(changes, 0);
  properties.Items()->Items(3)->SetValue(Variant(3.0));  // another type
  EXPECT_EQ(changes, 1);
}

TEST_F(ImageComboBox, PickingSearchingAndSteppingGoByValue) {
  TcxImageComboBox* combo = AddCombo();
  combo->SetEditValue(Variant(2));
  EXPECT_EQ(combo->Text(), L"Two");
  EXPECT_EQ(combo->SelectedItem(), 1);
  // The second of two equal values picked: the value is 2, and 2 is "Two".
  Focus(combo);
  Do(combo, TGesture::F4);
  ASSERT_TRUE(combo->DroppedDown());
  RECT row;
  SendMessageW(combo->ListBox()->Handle(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
  PressAt(combo->ListBox()->ClientToScreen(TPoint(row.left + 30, (row.top + row.bottom) / 2)));
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_TRUE(cxVariantsEqualStrict(combo->EditingValue(), Variant(2)));
  EXPECT_EQ(combo->Text(), L"Two");
  // Typing searches the descriptions (the list opens on the first key); the
  // value follows the item found, Home goes to the first one.
  const struct {
    const wchar_t* Typed;
    WORD Key;
    String Text;
    Variant Value;
  } steps[] = {{L"o", 0, L"One", Variant(1)},
               {L"th", 0, L"Three", Variant(String(L"3"))},
               {L"s", 0, L"Two", Variant(2)},  // the second two is the first
               {L"", VK_HOME, L"One", Variant(1)}};
  for (const auto& step : steps) {
    for (const wchar_t* c = step.Typed; *c; ++c) {
      SendMessageW(GetFocus(), WM_CHAR, *c, 1);
      ProcessPendingMessages();
    }
    if (step.Key) PressKey(step.Key);
    if (combo->DroppedDown()) PressKey(VK_RETURN);
    EXPECT_EQ(combo->Text(), step.Text) << step.Typed;
    EXPECT_TRUE(cxVariantsEqualStrict(combo->EditingValue(), step.Value)) << step.Typed;
  }
  Focus(Other);
  EXPECT_TRUE(cxVariantsEqualStrict(combo->EditValue(), Variant(1)));
}

TEST_F(ImageComboBox, TheEditorAndItsListDrawTheItemsImage) {
  TcxImageComboBox* combo = AddCombo();
  combo->SetEditValue(Variant(String(L"3")));
  ProcessPendingMessages();
  auto* viewInfo = static_cast<TcxImageComboBoxViewInfo*>(combo->ViewInfo());
  EXPECT_EQ(viewInfo->ImageIndex, 3);
  ASSERT_EQ(viewInfo->ImageRect.Width(), 12);
  ASSERT_EQ(viewInfo->ImageRect.Height(), 12);
  EXPECT_GE(viewInfo->TextRect.Left, viewInfo->ImageRect.Right);
  std::unique_ptr<TBitmap> picture = CaptureWindow(combo);
  const TRect& image = viewInfo->ImageRect;
  EXPECT_EQ(PixelColor(*picture, image.Left + 6, image.Top + 6), ImageColors[3]);
  // The image on the right.
  combo->Properties()->SetImageAlign(iaRight);
  ProcessPendingMessages();
  EXPECT_LE(viewInfo->TextRect.Right, viewInfo->ImageRect.Left);
  // The open list shows each row's image beside its description.
  Focus(combo);
  Do(combo, TGesture::F4);
  ASSERT_TRUE(combo->DroppedDown());
  std::unique_ptr<TBitmap> list = CaptureWindow(combo->ListBox());
  for (int i = 0; i < 4; ++i) {
    RECT row;
    SendMessageW(combo->ListBox()->Handle(), LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&row));
    EXPECT_GE(row.bottom - row.top, 14) << i;
    const int x = row.right - 2 - (12 + 4) / 2;
    EXPECT_EQ(PixelColor(*list, x, (row.top + row.bottom) / 2), ImageColors[i]) << i;
  }
  PressKey(VK_ESCAPE);
}

// The editor's image with a hole (its transparent colour) in the middle:
// the hole shows the editor's background colour, or the form behind a
// transparent editor, and the rest the image's colour, enabled, or a
// disabled rendering of it.
TEST_F(ImageComboBox, TheEditorsImageIsComposedOnItsBackground) {
  Form->SetColor(clLime);
  auto holed = std::make_unique<TCustomImageList>(nullptr);
  holed->SetSize(12, 12);
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(12, 12);
  bitmap.Canvas()->Brush()->SetColor(clRed);
  bitmap.Canvas()->FillRect(TRect(0, 0, 12, 12));
  bitmap.Canvas()->Brush()->SetColor(clWhite);
  bitmap.Canvas()->FillRect(TRect(4, 4, 8, 8));
  holed->AddMasked(&bitmap, clWhite);
  const struct {
    bool Enabled, Transparent;
    TColor Hole;
  } states[] = {{true, false, clYellow}, {false, false, clAqua}, {true, true, clLime}};
  for (const TcxLookAndFeelKind kind : {lfFlat, lfStandard, lfUltraFlat, lfOffice11})
    for (const auto& state : states) {
      const bool enabled = state.Enabled;
      SCOPED_TRACE(testing::Message() << "look " << static_cast<int>(kind) << (enabled ? ", enabled" : ", disabled")
                                      << (state.Transparent ? ", transparent" : ""));
      auto* combo = AddEdit<TcxImageComboBox>();
      combo->SetTransparent(state.Transparent);
      combo->Style()->LookAndFeel()->SetKind(kind);
      combo->Style()->SetColor(clYellow);
      combo->StyleDisabled()->SetColor(clAqua);
      combo->Properties()->SetImages(holed.get());
      AddItem(combo->Properties(), Variant(1), L"One", 0);
      combo->SetEditValue(Variant(1));
      combo->SetEnabled(enabled);
      ProcessPendingMessages();
      const TRect image = static_cast<TcxImageComboBoxViewInfo*>(combo->ViewInfo())->ImageRect;
      ASSERT_EQ(image.Width(), 12);
      std::unique_ptr<TBitmap> picture = CaptureWindow(combo);
      EXPECT_EQ(PixelColor(*picture, image.Left + 6, image.Top + 6), state.Hole);
      const TColor solid = PixelColor(*picture, image.Left + 1, image.Top + 1);
      if (enabled) {
        EXPECT_EQ(solid, clRed);
      } else {
        EXPECT_NE(solid, clRed);
      }
      delete combo;
    }
}

// Single-line rows are all one height and the list is as wide as its widest
// description; wrapped rows grow with their text inside the editor's width.
TEST_F(ImageComboBox, LongDescriptionsWidenTheListOrWrap) {
  const String longText = L"A description long enough to need more than one line of the list";
  for (bool multiLine : {false, true}) {
    SCOPED_TRACE(multiLine ? "wrapped" : "single line");
    TcxImageComboBox* combo = AddCombo();
    combo->Properties()->Items()->Items(3)->SetDescription(longText);
    combo->Properties()->SetMultiLineText(multiLine);
    Focus(combo);
    Do(combo, TGesture::F4);
    ASSERT_TRUE(combo->DroppedDown());
    const HWND list = combo->ListBox()->Handle();
    const auto rowHeight = [&](int AIndex) { return static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, AIndex, 0)); };
    const int popupWidth = ScreenBounds(combo->PopupWindow()).Width();
    TcxScreenCanvas* canvas = cxSharedScreenCanvas();
    canvas->SetFont(combo->ListBox()->Font());
    if (multiLine) {
      EXPECT_GT(rowHeight(3), rowHeight(0) + 4);
      EXPECT_EQ(popupWidth, combo->Width());
      EXPECT_EQ(SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0), 0);
    } else {
      EXPECT_EQ(rowHeight(3), rowHeight(0));
      EXPECT_GE(popupWidth, canvas->TextWidth(longText) + 12 + 8);
    }
    PressKey(VK_ESCAPE);
    Focus(Other);
    delete combo;
  }
}

// The list draws the large images when there are some; the editor keeps the
// small ones.
TEST_F(ImageComboBox, TheListTakesTheLargeImages) {
  TcxImageComboBox* combo = AddCombo();
  std::unique_ptr<TCustomImageList> large = MakeImages(20, {clNavy, clMaroon, clGreen, clTeal, clOlive});
  combo->Properties()->SetLargeImages(large.get());
  combo->SetEditValue(Variant(1));
  ProcessPendingMessages();
  auto* viewInfo = static_cast<TcxImageComboBoxViewInfo*>(combo->ViewInfo());
  EXPECT_EQ(viewInfo->ImageRect.Width(), 12);
  std::unique_ptr<TBitmap> editor = CaptureWindow(combo);
  EXPECT_EQ(PixelColor(*editor, viewInfo->ImageRect.Left + 6, viewInfo->ImageRect.Top + 6), ImageColors[0]);
  Focus(combo);
  Do(combo, TGesture::F4);
  ASSERT_TRUE(combo->DroppedDown());
  std::unique_ptr<TBitmap> list = CaptureWindow(combo->ListBox());
  const TColor largeColors[] = {clNavy, clMaroon, clGreen, clTeal};
  for (int i = 0; i < 4; ++i) {
    RECT row;
    SendMessageW(combo->ListBox()->Handle(), LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&row));
    EXPECT_GE(row.bottom - row.top, 22) << i;
    EXPECT_EQ(PixelColor(*list, row.left + 2 + (20 + 4) / 2, (row.top + row.bottom) / 2), largeColors[i]) << i;
  }
  PressKey(VK_ESCAPE);
  // A freed list is forgotten.
  large.reset();
  EXPECT_EQ(combo->Properties()->LargeImages(), nullptr);
}

// Measured for a host's cell, the frame leaves room for the image beside
// the text and the content is at least as tall as the image.
TEST(ImageComboBoxValues, TheMeasuredFrameMakesRoomForTheImage) {
  TcxEditStyle style(nullptr, false);
  TPaintSurface surface(10, 10);
  TcxComboBoxProperties combo(nullptr);
  TSize comboMinContent;
  const TSize comboFrame = combo.GetEditConstantPartSize(surface.Canvas.get(), &style, {}, comboMinContent);
  std::unique_ptr<TCustomImageList> small = MakeImages(12), tall = MakeImages(30);
  const struct {
    const char* Name;
    TCustomImageList* Images;
    int ExtraWidth;
    int MinContentHeight;
  } cases[] = {
      {"no images", nullptr, 1, comboMinContent.cy},
      {"small images", small.get(), 12 + 5, std::max(comboMinContent.cy, 12)},
      {"tall images", tall.get(), 30 + 5, std::max(comboMinContent.cy, 30)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxImageComboBoxProperties properties(nullptr);
    properties.SetImages(c.Images);
    TSize minContent;
    const TSize frame = properties.GetEditConstantPartSize(surface.Canvas.get(), &style, {}, minContent);
    EXPECT_EQ(frame.cx, comboFrame.cx + c.ExtraWidth);
    EXPECT_EQ(frame.cy, comboFrame.cy);
    EXPECT_EQ(minContent.cy, c.MinContentHeight);
  }
}

TEST(ImageComboBoxValues, RegisteredWithItsFilterHelper) {
  const TcxCustomFilterEditHelper* helper =
      cxFilterEditsRegistry()->FindHelper(TcxImageComboBoxProperties::StaticClass());
  ASSERT_EQ(helper, TcxFilterImageComboBoxHelper::Instance());
  TcxImageComboBoxProperties column(nullptr);
  column.SetShowDescriptions(false);
  std::unique_ptr<TcxCustomEdit> edit(helper->GetFilterEdit(&column));
  auto* properties = static_cast<TcxCustomImageComboBoxProperties*>(edit->ActiveProperties());
  EXPECT_TRUE(properties->ShowDescriptions());
  EXPECT_EQ(properties->DropDownListStyle(), lsFixedList);
  EXPECT_TRUE(helper->GetSupportedFilterOperators(properties, nullptr).Contains(fcoEqual));
  EXPECT_FALSE(helper->GetSupportedFilterOperators(properties, nullptr).Contains(fcoInList));
  EXPECT_TRUE(helper->GetSupportedFilterOperators(properties, nullptr, true).Contains(fcoNotInList));
  TcxRegisteredClasses* registry = cxEditPropertiesRegistry();
  const int index = registry->GetIndexByClass(TcxImageComboBoxProperties::StaticClass());
  ASSERT_GE(index, 0);
  EXPECT_EQ(registry->GetDescription(index), L"ImageComboBox");
}

// Every look down the columns; the rows are the states; below, each look's
// list open.
TEST_F(ImageComboBox, SheetInEveryLook) {
  const char* states[] = {"Item", "Focused", "Disabled", "No item", "Transparent"};
  const int rows = 5, cellWidth = 150, rowHeight = 28, listHeight = 90;
  Form->SetBounds(0, 0, 5 * (cellWidth + 10) + 40, rows * rowHeight + 80);
  Other->SetTop(rows * rowHeight + 20);
  std::vector<TcxCustomDropDownEdit*> focused;
  for (int column = 0; column < 5; ++column)
    for (int row = 0; row < rows; ++row) {
      auto* combo = new TcxImageComboBox(Form);
      combo->SetBounds(10 + column * (cellWidth + 10), 10 + row * rowHeight, cellWidth, 22);
      combo->SetParent(Form);
      combo->Properties()->SetImages(Images.get());
      AddItems(combo->Properties());
      combo->Properties()->SetDefaultDescription(L"(none)");
      combo->Properties()->SetDefaultImageIndex(4);
      combo->SetEditValue(row == 3 ? Variant(7) : Variant(2));
      combo->Style()->LookAndFeel()->SetNativeStyle(column == 4);
      if (column < 4) combo->Style()->LookAndFeel()->SetKind(static_cast<TcxLookAndFeelKind>(column));
      if (row == 1) focused.push_back(combo);
      if (row == 2) combo->SetEnabled(false);
      if (row == 4) combo->SetTransparent(true);
    }
  SaveDropDownLookSheet(Form, focused, {{std::begin(states), std::end(states)}, cellWidth, rowHeight, listHeight},
                        "ImageComboBox");
}
