// A real text edit on a form, typed into as a person types: texts, events,
// paste and MaxLength, undo, incremental search, case and echo, and the
// sheet of the editor in every look and state.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "components/editors/cxTextEdit.h"
#include "tests/calendars/LocaleScope.h"
#include "tests/editors/EditorFixture.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"

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

// A numeric text editor that groups its digits, as the currency editors do.
class TGroupingProperties : public TcxTextEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TGroupingProperties, TcxTextEditProperties)
public:
  using TcxTextEditProperties::TcxTextEditProperties;
  bool IsNumericValueEditor() override { return true; }
  bool UsesDigitGrouping() override { return true; }
};

class TGroupingEdit : public TcxCustomTextEdit {
public:
  explicit TGroupingEdit(TComponent* AOwner) : TcxCustomTextEdit(AOwner) { InitializeTextEdit(); }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TGroupingProperties>();
  }
};

struct TextEdit : FormFixture {
  TextEdit() {
    Form->SetBounds(0, 0, 400, 300);
    Form->Show();
    Other = new TEdit(Form);
    Other->SetBounds(10, 200, 120, 22);
    Other->SetParent(Form);
  }
  TcxTextEdit* AddEdit(int ATop = 10) {
    auto* edit = new TcxTextEdit(Form);
    edit->SetBounds(10, ATop, 150, 22);
    edit->SetParent(Form);
    edit->Properties()->OnChange = [this](TObject*) { Events.push_back("Change"); };
    edit->Properties()->OnEditValueChanged = [this](TObject*) { Events.push_back("EditValueChanged"); };
    edit->HandleNeeded();
    ProcessPendingMessages();
    return edit;
  }
  // Focuses the edit and types at the caret, as the keyboard does.
  static void Type(TcxCustomTextEdit* AEdit, const String& AText) {
    if (!AEdit->Focused()) AEdit->SetFocus();
    for (wchar_t ch : AText) SendMessageW(GetFocus(), WM_CHAR, ch, 1);
    ProcessPendingMessages();
  }
  static void Key(WORD AKey) { PressKey(AKey); }
  static void SetLook(TcxTextEdit* AEdit, TLook ALook) {
    TcxLookAndFeel* lookAndFeel = AEdit->Style()->LookAndFeel();
    lookAndFeel->SetNativeStyle(ALook == TLook::Native);
    if (ALook != TLook::Native) {
      static const TcxLookAndFeelKind kinds[] = {lfStandard, lfFlat, lfUltraFlat, lfOffice11};
      lookAndFeel->SetKind(kinds[static_cast<int>(ALook)]);
    }
  }
  void Leave() {
    Other->SetFocus();
    ProcessPendingMessages();
  }
  TEdit* Other = nullptr;
  std::vector<std::string> Events;
};

}  // namespace

TEST_F(TextEdit, TypingShowsTheTextAndLeavingMakesItTheValue) {
  TcxTextEdit* edit = AddEdit();
  Type(edit, L"abc");
  EXPECT_EQ(edit->Text(), L"abc");
  EXPECT_EQ(GetFocus(), edit->InnerEditControl()->Handle());
  EXPECT_EQ(WindowText(edit->Handle()), L"abc");
  EXPECT_EQ(std::count(Events.begin(), Events.end(), "Change"), 3);
  EXPECT_TRUE(edit->ModifiedAfterEnter());
  Leave();
  EXPECT_EQ(VarToStr(edit->EditValue()), L"abc");
  EXPECT_EQ(Events.back(), "EditValueChanged");

  // A value set by the program shows at once and is not a person's change.
  edit->SetEditValue(Variant(L"set"));
  EXPECT_EQ(edit->Text(), L"set");
  EXPECT_FALSE(edit->EditModified());
}

TEST_F(TextEdit, CaseAndEchoModes) {
  TcxTextEdit* upper = AddEdit(10);
  upper->Properties()->SetCharCase(ecUpperCase);
  Type(upper, L"são");
  EXPECT_EQ(upper->Text(), L"SÃO");

  TcxTextEdit* password = AddEdit(40);
  password->Properties()->SetEchoMode(eemPassword);
  Type(password, L"secret");
  HWND inner = password->InnerEditControl()->Handle();
  EXPECT_EQ(password->Text(), L"secret");
  EXPECT_TRUE(GetWindowLongW(inner, GWL_STYLE) & ES_PASSWORD);
  EXPECT_NE(SendMessageW(inner, EM_GETPASSWORDCHAR, 0, 0), 0);
  password->Properties()->SetPasswordChar(L'#');
  EXPECT_EQ(SendMessageW(password->InnerEditControl()->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'#');
  EXPECT_EQ(password->Text(), L"secret");  // kept across the new window
  EXPECT_EQ(password->ActiveProperties()->GetDisplayText(Variant(L"secret")), L"######");
}

TEST_F(TextEdit, AReplacementThatDoesNotFitMaxLengthIsRefusedWhole) {
  TcxTextEdit* edit = AddEdit();
  edit->Properties()->SetMaxLength(5);
  Type(edit, L"abc");
  struct TCase {
    const char* Name;
    String Clipboard;
    bool ByPaste;
    String Expected;
    int Caret;
  };
  const TCase cases[] = {
      {"SelText that overflows", L"xyz", false, L"abc", 2},
      {"paste that overflows", L"xyz", true, L"abc", 2},
      {"paste that fits", L"xy", true, L"abxyc", 4},
  };
  for (const TCase& c : cases) {
    edit->SetEditValue(Variant(L"abc"));
    edit->SetFocus();
    edit->SetSelection(2, 0);
    if (c.ByPaste) {
      PutOnClipboard(c.Clipboard);
      SendMessageW(GetFocus(), WM_CHAR, 22, 1);  // Ctrl+V
      ProcessPendingMessages();
    } else {
      edit->SetSelText(c.Clipboard);
    }
    EXPECT_EQ(edit->Text(), c.Expected) << c.Name;
    EXPECT_EQ(edit->SelStart(), c.Caret) << c.Name;
  }
  // Typing stops at the limit; nothing typed before is lost.
  edit->SetEditValue(Variant(L"abcd"));
  edit->SetSelection(4, 0);
  Type(edit, L"efg");
  EXPECT_EQ(edit->Text(), L"abcde");
}

TEST_F(TextEdit, UndoAndEscapeGoBackToTheStoredValue) {
  TcxTextEdit* edit = AddEdit();
  edit->SetEditValue(Variant(L"stored"));
  edit->SetFocus();
  edit->SetSelection(6, 0);
  Type(edit, L" more");
  EXPECT_EQ(edit->Text(), L"stored more");
  edit->Undo();
  EXPECT_EQ(edit->Text(), L"stored");
  Type(edit, L"X");
  Key(VK_ESCAPE);
  EXPECT_EQ(edit->Text(), L"stored");
  EXPECT_EQ(VarToStr(edit->EditValue()), L"stored");
}

TEST_F(TextEdit, IncrementalSearchCompletesFromTheLookupItems) {
  TcxTextEdit* edit = AddEdit();
  edit->Properties()->LookupItems()->Add(L"Apple");
  edit->Properties()->LookupItems()->Add(L"Apricot");
  struct TStep {
    wchar_t Key;
    String Text;
    int SelStart, SelLength;
  };
  const TStep steps[] = {
      {L'a', L"apple", 1, 4},
      {L'p', L"apple", 2, 3},
      {L'r', L"apricot", 3, 4},
      {VK_BACK, L"apple", 2, 3},
  };
  edit->SetFocus();
  for (const TStep& step : steps) {
    SendMessageW(GetFocus(), WM_CHAR, step.Key, 1);
    ProcessPendingMessages();
    EXPECT_EQ(edit->Text(), step.Text) << static_cast<int>(step.Key);
    EXPECT_EQ(edit->SelStart(), step.SelStart) << static_cast<int>(step.Key);
    EXPECT_EQ(edit->SelLength(), step.SelLength) << static_cast<int>(step.Key);
  }
  EXPECT_TRUE(edit->FindSelection());
  EXPECT_EQ(edit->ItemIndex(), 0);
  // A text that starts no item is typed as it is.
  edit->SetEditValue(Variant(L""));
  Type(edit, L"xy");
  EXPECT_EQ(edit->Text(), L"xy");
  EXPECT_EQ(edit->ItemIndex(), -1);
}

TEST_F(TextEdit, NullTextShowsOnlyWhileUnfocused) {
  TcxTextEdit* edit = AddEdit();
  edit->Properties()->SetUseNullString(true);
  edit->Properties()->SetNullstring(L"(none)");
  EXPECT_EQ(edit->Text(), L"(none)");
  edit->SetFocus();
  ProcessPendingMessages();
  EXPECT_EQ(edit->Text(), L"");
  Leave();
  EXPECT_EQ(edit->Text(), L"(none)");
  EXPECT_TRUE(VarIsNull(edit->EditValue()));
}

TEST_F(TextEdit, InnerEditSitsInsideTheFrameAndTheFrameIsPainted) {
  TcxTextEdit* edit = AddEdit();
  edit->SetEditValue(Variant(L"text"));
  ProcessPendingMessages();
  const TRect inner = edit->InnerEditControl()->BoundsRect();
  EXPECT_GT(inner.Left, 0);
  EXPECT_LT(inner.Right, edit->Width());
  EXPECT_GT(inner.Top, 0);
  EXPECT_LT(inner.Bottom, edit->Height());
  std::unique_ptr<TBitmap> picture = CaptureWindow(edit);
  // The text is drawn: some pixel inside the inner edit is dark.
  bool dark = false;
  for (int x = inner.Left; x < inner.Right && !dark; ++x)
    for (int y = inner.Top; y < inner.Bottom && !dark; ++y) dark = ColorToRGB(PixelColor(*picture, x, y)) == 0;
  EXPECT_TRUE(dark);
  EXPECT_NE(PixelColor(*picture, 0, edit->Height() / 2), PixelColor(*picture, inner.Left + 60, inner.Top + 1));
}

// The frame's first two columns at the middle of the left edge, as each
// look draws it (clNone: any colour but the edit's own background).
TEST_F(TextEdit, TheFrameIsDrawnInEveryLook) {
  struct TCase {
    TLook Look;
    TColor Outer, Inner;
  };
  const TColor single = cxGetContainerFrameColor(false, false);
  const TColor office11 = cxGetContainerFrameColor(false, true);
  const TCase cases[] = {
      {TLook::Standard, clBtnShadow, cl3DDkShadow}, {TLook::Flat, clBtnShadow, clBtnFace},
      {TLook::UltraFlat, clNone, single},           {TLook::Office11, clNone, office11},
      {TLook::Native, clNone, clNone},
  };
  for (const TCase& c : cases) {
    TcxTextEdit* edit = AddEdit();
    SetLook(edit, c.Look);
    edit->SetEditValue(Variant(L"text"));
    ProcessPendingMessages();
    std::unique_ptr<TBitmap> picture = CaptureWindow(edit);
    const int y = edit->Height() / 2;
    const TColor background = ColorToRGB(clWindow);
    const TColor outer = PixelColor(*picture, 0, y), inner = PixelColor(*picture, 1, y);
    if (c.Outer != clNone) EXPECT_EQ(outer, ColorToRGB(c.Outer)) << LookName(c.Look);
    if (c.Inner != clNone) EXPECT_EQ(inner, ColorToRGB(c.Inner)) << LookName(c.Look);
    EXPECT_TRUE(outer != background || inner != background) << LookName(c.Look);
    delete edit;
  }
}

// Every look down the columns; the rows are the states.
TEST_F(TextEdit, SheetOfTheTextEditInEveryLookAndState) {
  const char* states[] = {"Normal", "Selection", "Disabled", "Read-only", "Password", "Null text", "Right-aligned"};
  const int rows = 7, cellWidth = 150, rowHeight = 28;
  Form->SetBounds(0, 0, 5 * (cellWidth + 10) + 20, rows * rowHeight + 140);
  // The fixture's other edit would lie over the lookup list's editor.
  Other->SetVisible(false);
  TPaintSurface sheet(5 * (cellWidth + 10) + 110, rows * rowHeight + 150, clWhite);
  std::vector<TcxTextEdit*> selected;
  int column = 0;
  for (const TLook look : AllLooks) {
    for (int row = 0; row < rows; ++row) {
      auto* edit = new TcxTextEdit(Form);
      edit->SetBounds(10 + column * (cellWidth + 10), 10 + row * rowHeight, cellWidth, 22);
      edit->SetParent(Form);
      SetLook(edit, look);
      edit->SetEditValue(Variant(L"Conversão 2024"));
      switch (row) {
        case 1: selected.push_back(edit); break;
        case 2: edit->SetEnabled(false); break;
        case 3: edit->Properties()->SetReadOnly(true); break;
        case 4: edit->Properties()->SetEchoMode(eemPassword); break;
        case 5:
          edit->Properties()->SetUseNullString(true);
          edit->Properties()->SetNullstring(L"<empty>");
          edit->SetEditValue(Null());
          break;
        case 6: edit->Properties()->Alignment()->SetHorz(taRightJustify); break;
      }
    }
    ++column;
  }
  // An open lookup list under the sheet.
  auto* list = new TcxCustomEditListBox(Form);
  auto* owner = new TcxTextEdit(Form);
  owner->SetBounds(10, 10 + rows * rowHeight, cellWidth, 22);
  owner->SetParent(Form);
  for (const wchar_t* item : {L"Apple", L"Apricot", L"Banana", L"Cherry"}) owner->Properties()->LookupItems()->Add(item);
  owner->SetEditValue(Variant(L"Apricot"));
  list->SetEdit(owner);
  list->SetParent(Form);
  list->SetBounds(10, 10 + rows * rowHeight + 22, cellWidth, 4 * list->GetItemHeight());
  list->SetItemCount(4);
  list->SetItemIndex(1);
  ProcessPendingMessages();
  // One focused editor per capture: the selection row of each look.
  for (size_t i = 0; i < selected.size(); ++i) {
    selected[i]->SetFocus();
    selected[i]->SetSelection(0, 9);
    ProcessPendingMessages();
    std::unique_ptr<TBitmap> picture = CaptureWindow(Form);
    // The capture holds the form's frame: client point (0, 0) lies inside.
    RECT window;
    GetWindowRect(Form->Handle(), &window);
    const TPoint origin = Form->ClientToScreen(TPoint(0, 0));
    const int dx = origin.X - window.left, dy = origin.Y - window.top;
    const int x = 10 + static_cast<int>(i) * (cellWidth + 10);
    BitBlt(sheet.Bitmap.Canvas()->Handle(), 100 + x, 10, cellWidth, rows * rowHeight + 120,
           picture->Canvas()->Handle(), dx + x, dy + 10, SRCCOPY);
    EXPECT_EQ(selected[i]->SelLength(), 9);
  }
  // The editor above the open list shows its text on the sheet.
  const TRect ownerCell = cxRectShiftBy(owner->BoundsRect(), 100, 0);
  bool ownerText = false;
  for (int x = ownerCell.Left; x < ownerCell.Right && !ownerText; ++x)
    for (int y = ownerCell.Top; y < ownerCell.Bottom && !ownerText; ++y)
      ownerText = PixelColor(sheet.Bitmap, x, y) == ColorToRGB(clWindowText);
  EXPECT_TRUE(ownerText);
  TcxCanvas* canvas = sheet.Canvas.get();
  canvas->Brush()->SetStyle(bsClear);
  for (int row = 0; row < rows; ++row)
    canvas->DrawTexT(String(states[row], states[row] + strlen(states[row])),
                     TRect(4, 14 + row * rowHeight, 100, 30 + row * rowHeight), cxtfAlignLeft | cxtfSingleLine);
  canvas->DrawTexT(L"Lookup list", TRect(4, 14 + rows * rowHeight, 100, 40 + rows * rowHeight),
                   cxtfAlignLeft | cxtfSingleLine);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\TextEdit.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/TextEdit.png"));
}

// Digits are grouped as they are typed; the caret stays after the digit
// just typed, whatever separators went in before it.
TEST_F(TextEdit, ANumericEditorRegroupsItsDigitsWhileTyping) {
  struct TCase {
    LANGID Language;
    String Typed;
    String Expected;
  };
  const TCase cases[] = {
      {cxLangEnUS, L"1234567", L"1,234,567"},
      {cxLangEnUS, L"-1234.5", L"-1,234.5"},
      {cxLangPtBR, L"1234567", L"1.234.567"},
      {cxLangPtBR, L"123456,75", L"123.456,75"},
  };
  for (const TCase& c : cases) {
    TLocaleScope locale(c.Language);
    auto* edit = new TGroupingEdit(Form);
    edit->SetBounds(10, 10, 150, 22);
    edit->SetParent(Form);
    Type(edit, c.Typed);
    EXPECT_EQ(edit->Text(), c.Expected) << c.Expected;
    EXPECT_EQ(edit->SelStart(), static_cast<int>(c.Expected.size())) << c.Expected;
    delete edit;
  }
  // A digit typed inside the number: the caret stays right after it.
  TLocaleScope locale(cxLangEnUS);
  auto* edit = new TGroupingEdit(Form);
  edit->SetBounds(10, 10, 150, 22);
  edit->SetParent(Form);
  Type(edit, L"1234");
  edit->SetSelection(1, 0);  // 1|,234
  Type(edit, L"9");
  EXPECT_EQ(edit->Text(), L"19,234");
  EXPECT_EQ(edit->SelStart(), 2);
  // What does not read as a number is left as typed.
  edit->SetEditValue(Variant(L""));
  edit->SetSelection(0, 0);
  Type(edit, L"12a4567");
  EXPECT_EQ(edit->Text(), L"12a4567");
  // A plain text editor never groups.
  TcxTextEdit* plain = AddEdit(40);
  Type(plain, L"1234567");
  EXPECT_EQ(plain->Text(), L"1234567");
}

// A key that activates an inplace editor replaces its text when its inner
// edit selects on entering, whatever the shared properties' AutoSelect.
TEST_F(TextEdit, AnActivatingKeyReplacesTheInplaceText) {
  auto* edit = new TcxTextEdit(Form, true);
  edit->SetBounds(10, 10, 150, 22);
  edit->SetParent(Form);
  edit->Properties()->SetAutoSelect(false);
  edit->SetVisible(false);
  edit->SetEditValue(Variant(L"old text"));
  edit->ActivateByKey(L'n');
  ProcessPendingMessages();
  EXPECT_EQ(edit->Text(), L"n");
  EXPECT_EQ(edit->SelStart(), 1);
  EXPECT_EQ(GetFocus(), edit->InnerEditControl()->Handle());
  // The hook is gone: a later focus does not select everything.
  Leave();
  edit->SetFocus();
  ProcessPendingMessages();
  EXPECT_EQ(edit->SelLength(), 0);
}

// The spell checker's replacement goes through the native control: the
// caret lands where asked and the native undo takes the step back.
TEST_F(TextEdit, TheSpellCheckerReplacesARangeThatUndoTakesBack) {
  TcxTextEdit* edit = AddEdit();
  Type(edit, L"the quikc fox");
  TcxSpellCheckerReplacement replacement{L"quick", 4, 5, 9};
  SendMessageW(edit->Handle(), cxWM_SPELLCHECKERREPLACE, 0, reinterpret_cast<LPARAM>(&replacement));
  ProcessPendingMessages();
  EXPECT_EQ(edit->Text(), L"the quick fox");
  EXPECT_EQ(edit->SelStart(), 9);
  EXPECT_TRUE(edit->ModifiedAfterEnter());
  SendMessageW(edit->InnerEditControl()->Handle(), EM_UNDO, 0, 0);
  EXPECT_EQ(edit->Text(), L"the quikc fox");

  // Outside the editor the replacement becomes the value at once.
  Leave();
  edit->SetSelection(4, 5);
  edit->ReplaceTextBySpellChecker(L"quick", true);
  EXPECT_EQ(edit->Text(), L"the quick fox");
  EXPECT_EQ(VarToStr(edit->EditValue()), L"the quick fox");
}

TEST_F(TextEdit, OnlyAChangeableNormallyEchoedTextIsSpellChecked) {
  struct TCase {
    const char* Name;
    TcxEditEchoMode Echo;
    bool ReadOnly;
    bool Allowed;
  };
  const TCase cases[] = {
      {"normal", eemNormal, false, true},
      {"password", eemPassword, false, false},
      {"read-only", eemNormal, true, false},
  };
  for (const TCase& c : cases) {
    TcxTextEdit* edit = AddEdit();
    edit->Properties()->SetEchoMode(c.Echo);
    edit->Properties()->SetReadOnly(c.ReadOnly);
    EXPECT_EQ(edit->SupportsSpelling(), c.Allowed) << c.Name;
    delete edit;
  }
}
