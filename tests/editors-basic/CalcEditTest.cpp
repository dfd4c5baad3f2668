// The calc edit on a shown form: its settings, the texts it shows for a
// value, the values texts give, typing, and its popup calculator driven
// with keys while the popup is open.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "components/editors-basic/cxCalcEdit.h"
#include "components/editors/cxEditConsts.h"
#include "tests/editors-basic/ButtonFixture.h"
#include "tests/editors/DropDownFixture.h"
#include "tests/graphics/PaintSurface.h"
#include "vcl/rtl/FormatSettings.h"

namespace {

// The text with "." as the locale's decimal separator and "," as its
// thousand separator.
String Localized(const char* AText) {
  String text(AText, AText + strlen(AText));
  for (wchar_t& ch : text)
    if (ch == L'.')
      ch = FormatSettings.DecimalSeparator;
    else if (ch == L',')
      ch = FormatSettings.ThousandSeparator;
  return text;
}

// Characters are typed; {ENTER}, {ESC}, {TAB} and {F4} are keys pressed.
void SendKeys(HWND AWindow, const std::string& AKeys) {
  for (size_t i = 0; i < AKeys.size(); ++i) {
    if (AKeys[i] != '{') {
      const wchar_t ch = AKeys[i];
      SendMessageW(AWindow, WM_CHAR, ch, 1);
      SendMessageW(AWindow, WM_KEYUP, LOBYTE(VkKeyScanW(ch)), 0xC0000001);
      continue;
    }
    const size_t end = AKeys.find('}', i);
    const std::string key = AKeys.substr(i + 1, end - i - 1);
    i = end;
    const WORD vk = key == "ENTER" ? VK_RETURN : key == "ESC" ? VK_ESCAPE : key == "TAB" ? VK_TAB : VK_F4;
    SendMessageW(AWindow, WM_KEYDOWN, vk, 1);
    SendMessageW(AWindow, WM_KEYUP, vk, 0xC0000001);
  }
}

struct CalcEditFixture : DropDownFixture {
  TcxCalcEdit* Edit = nullptr;
  CalcEditFixture() {
    Edit = AddEdit<TcxCalcEdit>();
    Edit->Properties()->SetBeepOnError(false);
  }
};

using CalcEditTest = CalcEditFixture;

TEST_F(CalcEditTest, SettingsAndPrecision) {
  TcxCalcEditProperties* properties = Edit->Properties();
  EXPECT_FALSE(properties->PopupSizeable());
  EXPECT_FALSE(properties->ImmediateDropDownWhenKeyPressed());
  EXPECT_TRUE(properties->PostsEditValueAlways());
  EXPECT_EQ(Edit->Value(), 0);
  EXPECT_EQ(Edit->Text(), L"0");

  struct {
    int Assigned;  // -1: none
    int Read;
  } const cases[] = {{-1, 15}, {0, 0}, {8, 8}, {15, 15}, {16, 15}, {20, 15}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Assigned);
    TcxCalcEditProperties fresh(nullptr);
    if (c.Assigned >= 0) fresh.SetPrecision(static_cast<uint8_t>(c.Assigned));
    EXPECT_EQ(fresh.Precision(), c.Read);
    // Only an assigned precision is copied.
    TcxCalcEditProperties copy(nullptr);
    copy.SetPrecision(7);
    copy.Assign(&fresh);
    EXPECT_EQ(copy.AssignedValues()->Precision(), c.Assigned >= 0);
    EXPECT_EQ(copy.Precision(), c.Read);
  }
}

TEST_F(CalcEditTest, TextsOfValues) {
  struct {
    double Value;
    int Precision;
    bool Scientific, Grouped;
    const char* Text;
  } const cases[] = {
      {15, 15, false, false, "15"},
      {0.1 + 0.2, 15, false, false, "0.3"},          // 15 significant digits
      {-1234567.5, 15, false, false, "-1234567.5"},
      {-1234567.5, 15, false, true, "-1,234,567.5"},
      {1234567.5, 15, true, true, "1.2345675E+6"},    // no groups in exponent format
      {0.00125, 15, true, false, "1.25E-3"},
      {100, 15, true, false, "1E+2"},                 // mantissa trimmed to its digit
      {1234567.5, 3, false, false, "1.23E6"},
      {1e20, 15, false, false, "1E20"},
      {2.0 / 3, 0, false, false, "0.666666666666667"},  // 0 reads as 15
  };
  TcxCalcEditProperties* properties = Edit->Properties();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    properties->SetPrecision(static_cast<uint8_t>(c.Precision));
    properties->SetScientificFormat(c.Scientific);
    properties->SetUseThousandSeparator(c.Grouped);
    Edit->SetValue(c.Value);
    EXPECT_EQ(Edit->Text(), Localized(c.Text));
  }
}

TEST_F(CalcEditTest, ValuesOfTexts) {
  struct {
    const char* Text;
    bool Grouped;
    bool IsNull;
    double Value;
  } const cases[] = {
      {"12.5", false, false, 12.5},   {" -3 ", false, false, -3},  {"1,234.5", true, false, 1234.5},
      {"1E3", false, false, 1000},    {"", false, true, 0},        {"abc", false, true, 0},
      {"1E999", false, true, 0},      {"1E-999", false, true, 0},  {"Error", false, true, 0},
      {"0.000E-999", false, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    Edit->Properties()->SetUseThousandSeparator(c.Grouped);
    const Variant value = Edit->ActiveProperties()->DisplayTextToValue(Localized(c.Text));
    ASSERT_EQ(value.IsNull(), c.IsNull);
    if (!c.IsNull) {
      EXPECT_DOUBLE_EQ(value.AsDouble(), c.Value);
    }
  }
}

// What a person types into the focused edit: refused characters are
// dropped, "," and "." become the decimal separator.
TEST_F(CalcEditTest, Typing) {
  struct {
    const char* Keys;
    const char* Text;
  } const cases[] = {
      {"12.5", "12.5"}, {"12,5", "12.5"}, {"-7", "-7"}, {"1a2", "12"}, {"1.2.3", "1.23"}, {"1e", "1"},
  };
  Focus(Edit);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Keys);
    Edit->SetEditingText(String());
    SendKeys(Edit->InnerEditControl()->Handle(), c.Keys);
    ProcessPendingMessages();
    EXPECT_EQ(Edit->Text(), Localized(c.Text));
  }
}

// The popup opens with the calculator showing the value; keys go to the
// calculator while the popup is open.
TEST_F(CalcEditTest, PopupCalculator) {
  struct {
    const char* Keys;
    bool QuickClose;
    const char* Text;
    double Value;  // after validation
  } const cases[] = {
      {"+3{ENTER}", false, "15", 15},
      {"*2=", true, "24", 24},                  // "=" closes with QuickClose
      {"5{ESC}", false, "12", 12},              // Escape gives back the value
      {"+3=", false, "15", 15},                 // closed with F4 after the result
      {"1.5{ENTER}", false, "1.5", 1.5},
  };
  Focus(Edit);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Keys);
    Edit->SetValue(12);
    Edit->Properties()->SetQuickClose(c.QuickClose);
    String shown;
    bool visible = false;
    Edit->Properties()->OnPopup = [&](TObject*) {
      TcxPopupCalculator* calculator = Edit->Calculator();
      visible = calculator->HandleAllocated() && IsWindowVisible(calculator->Handle());
      shown = Edit->Text();
      SendKeys(calculator->Handle(), c.Keys);
      if (Edit->DroppedDown()) SendKeys(calculator->Handle(), "{F4}");
    };
    Do(Edit, TGesture::F4);
    ProcessPendingMessages();
    EXPECT_TRUE(visible);
    EXPECT_EQ(shown, L"12");
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->Text(), Localized(c.Text));
    EXPECT_TRUE(Edit->ValidateEdit(false));
    EXPECT_DOUBLE_EQ(Edit->Value(), c.Value);
  }
}

// Buttons of the open calculator pressed with the real mouse compute, and
// the presses leave the focus where the popup put it, so it stays open.
TEST_F(CalcEditTest, PressingThePopupsButtonsComputesAndLeavesTheFocusWhereItIs) {
  Focus(Edit);
  Edit->SetValue(12);
  Edit->Properties()->OnPopup = [&](TObject*) {
    TcxPopupCalculator* calculator = Edit->Calculator();
    ProcessPendingMessages();
    const HWND focused = GetFocus();
    for (const TcxCalcButtonKind kind : {cbNum7, cbAdd, cbNum1, cbEqual}) {
      const TRect bounds = calculator->Button(kind).Bounds;
      PressAt(calculator->ClientToScreen(TPoint((bounds.Left + bounds.Right) / 2, (bounds.Top + bounds.Bottom) / 2)));
      EXPECT_EQ(GetFocus(), focused) << calculator->Button(kind).Text;
      ASSERT_TRUE(Edit->DroppedDown()) << calculator->Button(kind).Text;
    }
    EXPECT_EQ(Edit->Text(), L"8");
    SendKeys(calculator->Handle(), "{ENTER}");
  };
  Do(Edit, TGesture::F4);
  ProcessPendingMessages();
  EXPECT_FALSE(Edit->DroppedDown());
  EXPECT_TRUE(Edit->ValidateEdit(false));
  EXPECT_DOUBLE_EQ(Edit->Value(), 8);
}

// A calculator left in its error state posts nothing: the text says
// "Error", validation refuses it with its reason, the value stays.
TEST_F(CalcEditTest, ErrorIsNeverPosted) {
  struct {
    double Start;
    const char* Keys;
  } const cases[] = {
      {12, "/0{ENTER}"},             // division by zero
      {12, "/0=1{ENTER}"},           // a key after the error repeats it
      {12, "-20=@{ENTER}"},          // the square root of a negative
      {1e300, "*1000000000{ENTER}"}, // beyond the Double range
  };
  Focus(Edit);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Keys);
    Edit->SetValue(c.Start);
    Edit->Properties()->OnPopup = [&](TObject*) { SendKeys(Edit->Calculator()->Handle(), c.Keys); };
    Do(Edit, TGesture::F4);
    ProcessPendingMessages();
    ASSERT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->Text(), L"Error");
    try {
      Edit->ValidateEdit(true);
      ADD_FAILURE() << "the error was accepted";
    } catch (const EcxEditValidationError& E) {
      EXPECT_EQ(E.Message(), dxTranslatedResString(cxSEditNumericValueConvertError));
    }
    EXPECT_DOUBLE_EQ(Edit->EditValue().AsDouble(), c.Start);
    // A new drop-down starts over from the calculator's first state.
    Edit->Properties()->OnPopup = [&](TObject*) { SendKeys(Edit->Calculator()->Handle(), "7{ENTER}"); };
    Do(Edit, TGesture::F4);
    ProcessPendingMessages();
    EXPECT_EQ(Edit->Text(), L"7");
  }
}

void SetClipboardText(const String& AText) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const size_t bytes = (AText.size() + 1) * sizeof(wchar_t);
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(GlobalLock(data), AText.c_str(), bytes);
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
}

// A pasted number goes through the calculator; text that is no number is
// refused and the value stays.
TEST_F(CalcEditTest, Paste) {
  struct {
    String Clipboard;
    const char* Text;
  } const cases[] = {
      {Localized("1,234.5"), "1234.5"},
      {FormatSettings.CurrencyString + L" 7", "7"},
      {L"abc", "12"},
      {L"", "12"},
  };
  Focus(Edit);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    Edit->SetValue(12);
    SetClipboardText(c.Clipboard);
    Edit->PasteFromClipboard();
    EXPECT_EQ(Edit->Text(), Localized(c.Text));
  }
}

TEST_F(CalcEditTest, ReadOnlyEditDoesNotDropDown) {
  Edit->Properties()->SetReadOnly(true);
  Focus(Edit);
  bool popped = false;
  Edit->Properties()->OnPopup = [&](TObject*) { popped = true; };
  Do(Edit, TGesture::F4);
  ProcessPendingMessages();
  EXPECT_FALSE(popped);
  EXPECT_FALSE(Edit->DroppedDown());
}

TEST_F(CalcEditTest, RegisteredWithAFilterHelperThatClosesOnEquals) {
  const TcxCustomFilterEditHelper* helper = cxFilterEditsRegistry()->FindHelper(TcxCalcEditProperties::StaticClass());
  ASSERT_EQ(helper, TcxFilterCalcEditHelper::Instance());
  TcxCalcEditProperties column(nullptr);
  std::unique_ptr<TcxCustomEdit> edit(helper->GetFilterEdit(&column));
  auto* properties = static_cast<TcxCustomCalcEditProperties*>(edit->ActiveProperties());
  EXPECT_TRUE(properties->QuickClose());
  EXPECT_FALSE(column.QuickClose());
  EXPECT_TRUE(helper->GetSupportedFilterOperators(properties, nullptr).Contains(fcoGreaterEqual));
  EXPECT_FALSE(helper->GetSupportedFilterOperators(properties, nullptr).Contains(fcoBetween));
  EXPECT_TRUE(helper->GetSupportedFilterOperators(properties, nullptr, true).Contains(fcoBetween));
  EXPECT_FALSE(helper->GetSupportedFilterOperators(properties, nullptr, true).Contains(fcoLike));
  TcxRegisteredClasses* registry = cxEditPropertiesRegistry();
  const int index = registry->GetIndexByClass(TcxCalcEditProperties::StaticClass());
  ASSERT_GE(index, 0);
  EXPECT_EQ(registry->GetDescription(index), L"CalcEdit");
  EXPECT_EQ(registry->GetHint(index), L"Represents an edit control with a dropdown calculator window");
}

// The edit with its calculator open, one look a column.
TEST_F(CalcEditTest, SheetWithTheCalculatorOpen) {
  const int cellWidth = 260, cellHeight = 200;
  TPaintSurface sheet(5 * cellWidth, cellHeight, clWhite);
  Edit->SetValue(1234.5);
  Focus(Edit);
  for (int column = 0; column < 5; ++column) {
    SCOPED_TRACE(column);
    SetLook(Edit->Style()->LookAndFeel(), AllLooks[column]);
    SetLook(Edit->PopupControlsLookAndFeel(), AllLooks[column]);
    std::unique_ptr<TBitmap> popup;
    Edit->Properties()->OnPopup = [&](TObject*) {
      ProcessPendingMessages();
      popup = CaptureWindow(Edit->PopupWindow());
      SendKeys(Edit->Calculator()->Handle(), "{ESC}");
    };
    Do(Edit, TGesture::F4);
    ProcessPendingMessages();
    ASSERT_TRUE(popup);
    EXPECT_GE(popup->Width(), Edit->Calculator()->Width());
    EXPECT_GE(popup->Height(), Edit->Calculator()->Height());
    // The buttons are drawn: more than a couple of colours.
    std::set<COLORREF> colours;
    for (int y = 0; y < popup->Height(); y += 3)
      for (int x = 0; x < popup->Width(); x += 3) colours.insert(GetPixel(popup->Canvas()->Handle(), x, y));
    EXPECT_GT(colours.size(), 3u);
    std::unique_ptr<TBitmap> edit = CaptureWindow(Edit);
    HDC target = sheet.Bitmap.Canvas()->Handle();
    BitBlt(target, column * cellWidth + 5, 5, edit->Width(), edit->Height(), edit->Canvas()->Handle(), 0, 0, SRCCOPY);
    BitBlt(target, column * cellWidth + 5, 5 + edit->Height(), popup->Width(), popup->Height(),
           popup->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  EXPECT_EQ(Edit->Text(), Localized("1234.5"));
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\CalcEdit.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/CalcEdit.png"));
}

}  // namespace
