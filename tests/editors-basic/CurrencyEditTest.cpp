// The currency edit on a shown form, typed into as a person types: the
// locale's separators and currency format in pt-BR and en-US, the typing
// rules (decimal places, exponent, thousand separators), null and zero,
// paste, bounds, the filter helper, and the sheet of it in every look.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/editors-basic/cxCurrencyEdit.h"
#include "tests/calendars/LocaleScope.h"
#include "tests/editors-basic/ButtonFixture.h"
#include "tests/graphics/PaintSurface.h"

namespace {

void PutOnClipboard(const String& AText) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (AText.size() + 1) * sizeof(wchar_t));
  auto* chars = static_cast<wchar_t*>(GlobalLock(data));
  std::copy(AText.c_str(), AText.c_str() + AText.size() + 1, chars);
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
}

struct CurrencyEdit : FormFixture {
  CurrencyEdit() {
    Form->SetBounds(0, 0, 400, 200);
    Form->Show();
    Other = new TEdit(Form);
    Other->SetBounds(10, 150, 120, 22);
    Other->SetParent(Form);
  }
  TcxCurrencyEdit* AddEdit() {
    auto* edit = new TcxCurrencyEdit(Form);
    edit->SetBounds(10, 10, 150, 22);
    edit->SetParent(Form);
    edit->HandleNeeded();
    ProcessPendingMessages();
    return edit;
  }
  // Focused, the whole text replaced by what is typed after it.
  static void Retype(TcxCurrencyEdit* AEdit, const String& AText) {
    AEdit->SetFocus();
    AEdit->SelectAll();
    SendMessageW(GetFocus(), WM_CHAR, VK_BACK, 1);
    for (wchar_t ch : AText) SendMessageW(GetFocus(), WM_CHAR, ch, 1);
    ProcessPendingMessages();
  }
  void Leave() {
    Other->SetFocus();
    ProcessPendingMessages();
  }
  TEdit* Other = nullptr;
};

}  // namespace

TEST_F(CurrencyEdit, ShowsTheLocaleCurrencyUnfocusedAndAPlainNumberFocused) {
  struct TCase {
    LANGID Language;
    double Value;
    String Unfocused;
    String Focused;
  };
  const TCase cases[] = {
      {cxLangPtBR, 1234.5, L"R$ 1.234,50", L"1234,5"},
      {cxLangPtBR, -0.25, L"-R$ 0,25", L"-0,25"},
      {cxLangEnUS, 1234.5, L"$1,234.50", L"1234.5"},
      {cxLangEnUS, -7, L"($7.00)", L"-7"},
  };
  for (const TCase& c : cases) {
    TLocaleScope locale(c.Language);
    TcxCurrencyEdit* edit = AddEdit();
    edit->SetValue(c.Value);
    EXPECT_EQ(edit->Text(), c.Unfocused) << c.Value;
    EXPECT_EQ(edit->ActiveProperties()->DecimalPlaces(), 2);
    edit->SetFocus();
    ProcessPendingMessages();
    EXPECT_EQ(edit->Text(), c.Focused) << c.Value;
    Leave();
    EXPECT_DOUBLE_EQ(edit->Value(), c.Value);
    delete edit;
  }
}

TEST_F(CurrencyEdit, TypingKeepsTheTextAnAmountWithinTheDecimalPlaces) {
  struct TCase {
    const char* Name;
    LANGID Language;
    int DecimalPlaces;
    bool Thousands;
    String Typed;
    String Shown;
    double Value;
  };
  const TCase cases[] = {
      {"third fraction digit refused", cxLangEnUS, 2, false, L"12.345", L"12.34", 12.34},
      {"point becomes the pt-BR comma", cxLangPtBR, 2, false, L"1.5", L"1,5", 1.5},
      {"comma becomes the en-US point", cxLangEnUS, 2, false, L"1,5", L"1.5", 1.5},
      {"letters and a second separator refused", cxLangEnUS, 2, false, L"4a.b.2", L"4.2", 4.2},
      {"minus alone, then digits", cxLangEnUS, 2, false, L"-3", L"-3", -3},
      {"minus after a digit refused", cxLangEnUS, 2, false, L"3-", L"3", 3},
      {"no decimals: no fraction digit", cxLangEnUS, 0, false, L"7.5", L"7.", 7},
      {"thousand separator typed when asked", cxLangEnUS, 2, true, L"1,234.5", L"1,234.5", 1234.5},
      {"pt-BR thousand point kept when asked", cxLangPtBR, 2, true, L"1.234,5", L"1.234,5", 1234.5},
  };
  for (const TCase& c : cases) {
    TLocaleScope locale(c.Language);
    TcxCurrencyEdit* edit = AddEdit();
    edit->Properties()->SetDecimalPlaces(c.DecimalPlaces);
    edit->Properties()->SetUseThousandSeparator(c.Thousands);
    Retype(edit, c.Typed);
    EXPECT_EQ(edit->Text(), c.Shown) << c.Name;
    EXPECT_DOUBLE_EQ(edit->Value(), c.Value) << c.Name;
    Leave();
    EXPECT_DOUBLE_EQ(edit->EditValue().AsDouble(), c.Value) << c.Name;
    delete edit;
  }
}

TEST_F(CurrencyEdit, OnlyTheDigitsBeforeAnExponentAreFractionDigits) {
  TLocaleScope locale(cxLangEnUS);
  TcxCurrencyEdit* edit = AddEdit();
  edit->Properties()->SetDecimalPlaces(2);
  edit->SetFocus();
  edit->SetEditingText(L"1.5E3");
  edit->SetSelection(3, 0);
  SendMessageW(GetFocus(), WM_CHAR, L'1', 1);
  EXPECT_EQ(edit->Text(), L"1.51E3");
  SendMessageW(GetFocus(), WM_CHAR, L'2', 1);
  EXPECT_EQ(edit->Text(), L"1.51E3");
  EXPECT_DOUBLE_EQ(edit->Value(), 1510);
}

TEST_F(CurrencyEdit, AnEmptyTextIsNullOnlyWhenNullable) {
  TLocaleScope locale(cxLangEnUS);
  for (const bool nullable : {true, false}) {
    TcxCurrencyEdit* edit = AddEdit();
    edit->Properties()->SetNullable(nullable);
    edit->SetValue(5);
    Retype(edit, L"");
    Leave();
    EXPECT_EQ(edit->EditValue().IsNull(), nullable) << nullable;
    EXPECT_EQ(edit->Value(), 0);
    // Unfocused, null shows nothing when nullable, else the formatted 0.
    EXPECT_EQ(edit->Text(), nullable ? L"" : L"$0.00") << nullable;
    edit->SetEditValue(Null());
    EXPECT_EQ(edit->Text(), nullable ? L"" : L"$0.00") << nullable;
    delete edit;
  }
}

TEST_F(CurrencyEdit, APastedAmountShowsWithTheDecimalPlaces) {
  struct TCase {
    LANGID Language;
    String Clipboard;
    String Shown;
  };
  const TCase cases[] = {
      {cxLangEnUS, L"1234.5", L"1234.50"},
      {cxLangEnUS, L"-2", L"-2.00"},
      {cxLangPtBR, L"1234,5", L"1234,50"},
      {cxLangEnUS, L"12abc", L""},  // no amount: refused, the text kept
  };
  for (const TCase& c : cases) {
    TLocaleScope locale(c.Language);
    TcxCurrencyEdit* edit = AddEdit();
    edit->Properties()->SetDecimalPlaces(2);
    edit->SetFocus();
    edit->SelectAll();
    PutOnClipboard(c.Clipboard);
    SendMessageW(GetFocus(), WM_CHAR, 22, 1);  // Ctrl+V
    ProcessPendingMessages();
    EXPECT_EQ(edit->Text(), c.Shown) << c.Clipboard;
    delete edit;
  }
}

TEST_F(CurrencyEdit, ValuesStayInsideTheBounds) {
  TLocaleScope locale(cxLangEnUS);
  TcxCurrencyEdit* edit = AddEdit();
  edit->Properties()->SetMinMaxValues(0, 100);
  struct TCase {
    double Set;
    double Stored;
  };
  for (const TCase& c : {TCase{150, 100}, TCase{-3, 0}, TCase{42.5, 42.5}}) {
    edit->SetValue(c.Set);
    EXPECT_DOUBLE_EQ(edit->EditValue().AsDouble(), c.Stored) << c.Set;
  }
  // Typed out of bounds: refused with the reason, the text kept.
  edit->Properties()->SetValidationOptions({});
  Retype(edit, L"250");
  EXPECT_FALSE(edit->ValidateEdit(false));
  EXPECT_EQ(edit->ValidationErrorText(), L"Value out of bounds");
  EXPECT_EQ(edit->Text(), L"250");
  EXPECT_DOUBLE_EQ(edit->EditValue().AsDouble(), 42.5);
  // Narrowing the bounds brings a held value inside them.
  edit->SetValue(80);
  Leave();
  edit->Properties()->SetMaxValue(50);
  EXPECT_DOUBLE_EQ(edit->EditValue().AsDouble(), 50);
}

TEST_F(CurrencyEdit, TheFilterHelperGivesAnUnboundedNullableEditor) {
  const TcxCustomFilterEditHelper* helper = cxFilterEditsRegistry()->FindHelper(TcxCurrencyEditProperties::StaticClass());
  ASSERT_EQ(helper, TcxFilterCurrencyEditHelper::Instance());
  TcxCurrencyEditProperties column(nullptr);
  column.SetMinMaxValues(10, 20);
  column.SetNullable(false);
  column.SetNullstring(L"none");
  column.SetUseDisplayFormatWhenEditing(true);
  std::unique_ptr<TcxCustomEdit> edit(helper->GetFilterEdit(&column));
  auto* properties = static_cast<TcxCustomCurrencyEditProperties*>(edit->ActiveProperties());
  EXPECT_FALSE(properties->HasValueBounds());
  EXPECT_TRUE(properties->Nullable());
  EXPECT_EQ(properties->Nullstring(), L"");
  EXPECT_FALSE(properties->UseDisplayFormatWhenEditing());
  EXPECT_TRUE(helper->GetSupportedFilterOperators(properties, nullptr).Contains(fcoGreaterEqual));
  EXPECT_FALSE(helper->GetSupportedFilterOperators(properties, nullptr, true).Contains(fcoLike));
  EXPECT_TRUE(helper->GetSupportedFilterOperators(properties, nullptr, true).Contains(fcoNotInList));
  TcxRegisteredClasses* registry = cxEditPropertiesRegistry();
  const int index = registry->GetIndexByClass(TcxCurrencyEditProperties::StaticClass());
  ASSERT_GE(index, 0);
  EXPECT_EQ(registry->GetDescription(index), L"CurrencyEdit");
  EXPECT_EQ(registry->GetHint(index), L"Represents an editor enabling editing currency data");
}

// Every look down the columns; the rows are the states.
TEST_F(CurrencyEdit, SheetInEveryLook) {
  TLocaleScope locale(cxLangPtBR);
  const char* states[] = {"Amount", "Negative", "Focused", "Disabled", "Null"};
  const int rows = 5, cellWidth = 130, rowHeight = 28;
  Form->SetBounds(0, 0, 5 * (cellWidth + 10) + 40, rows * rowHeight + 80);
  std::vector<TcxCurrencyEdit*> focused;
  for (int column = 0; column < 5; ++column)
    for (int row = 0; row < rows; ++row) {
      auto* edit = new TcxCurrencyEdit(Form);
      edit->SetBounds(10 + column * (cellWidth + 10), 10 + row * rowHeight, cellWidth, 22);
      edit->SetParent(Form);
      SetLook(edit->Style()->LookAndFeel(), AllLooks[column]);
      edit->SetValue(row == 1 ? -1234.5 : 1234567.89);
      if (row == 2) focused.push_back(edit);
      if (row == 3) edit->SetEnabled(false);
      if (row == 4) edit->SetEditValue(Null());
    }
  TPaintSurface sheet(5 * (cellWidth + 10) + 90, rows * rowHeight + 20, clWhite);
  RECT window;
  for (size_t i = 0; i < focused.size(); ++i) {
    focused[i]->SetFocus();
    ProcessPendingMessages();
    EXPECT_EQ(focused[i]->Text(), L"1234567,89");
    std::unique_ptr<TBitmap> picture = CaptureWindow(Form);
    GetWindowRect(Form->Handle(), &window);
    const TPoint origin = Form->ClientToScreen(TPoint(0, 0));
    const int x = 10 + static_cast<int>(i) * (cellWidth + 10);
    BitBlt(sheet.Bitmap.Canvas()->Handle(), 80 + x, 0, cellWidth, rows * rowHeight + 10, picture->Canvas()->Handle(),
           origin.X - window.left + x, origin.Y - window.top, SRCCOPY);
  }
  TcxCanvas* canvas = sheet.Canvas.get();
  canvas->Brush()->SetStyle(bsClear);
  for (int row = 0; row < rows; ++row)
    canvas->DrawTexT(String(states[row], states[row] + strlen(states[row])),
                     TRect(4, 14 + row * rowHeight, 80, 30 + row * rowHeight), cxtfAlignLeft | cxtfSingleLine);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\CurrencyEdit.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/CurrencyEdit.png"));
}
