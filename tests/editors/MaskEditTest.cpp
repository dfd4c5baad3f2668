// A real mask edit on a form, typed into as a person types: the text and
// the caret after each key in every mode, paste, validation against the
// mask, the texts shown focused and unfocused, the mask settings, and the
// sheet of the edit in each mode, empty, partly filled and full.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "components/editors/cxMaskEdit.h"
#include "tests/calendars/LocaleScope.h"
#include "tests/editors/EditorFixture.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/rtl/FormatSettings.h"

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

// Counts the beeps instead of sounding them.
class TCountingMaskEdit : public TcxMaskEdit {
public:
  using TcxMaskEdit::TcxMaskEdit;
  int Beeps = 0;

protected:
  void Beep() override { ++Beeps; }
};

// One step of a script: what is typed or pressed, and the text and
// selection after it. Input in braces is a key ({Left}, {Right}, {Home},
// {End}, {Del}, {BS}, {S-Left}, {S-Right}, {C-Left}), {Sel:n} puts the
// block caret on position n, {Paste:text} pastes with Ctrl+V, anything
// else is typed character by character.
struct TStep {
  String Input;
  String Text;
  int SelStart;
  int SelLength;
  int Beeps = 0;
};

struct TScript {
  const char* Name;
  TcxEditMaskKind Kind;
  String Mask;
  std::vector<TStep> Steps;
  bool BeepOnError = true;
};

struct MaskEdit : FormFixture {
  MaskEdit() {
    Form->SetBounds(0, 0, 400, 300);
    Form->Show();
    Other = new TEdit(Form);
    Other->SetBounds(10, 200, 120, 22);
    Other->SetParent(Form);
    // Tests do not depend on where earlier ones left the focus.
    Other->SetFocus();
    ProcessPendingMessages();
  }
  TCountingMaskEdit* AddEdit(TcxEditMaskKind AKind, const String& AMask, int ATop = 10) {
    auto* edit = new TCountingMaskEdit(Form);
    edit->SetBounds(10, ATop, 150, 22);
    edit->SetParent(Form);
    edit->Properties()->SetMaskKind(AKind);
    edit->Properties()->SetEditMask(AMask);
    edit->HandleNeeded();
    ProcessPendingMessages();
    return edit;
  }
  static void Focus(TcxMaskEdit* AEdit) {
    AEdit->SetFocus();
    ProcessPendingMessages();
  }
  // Keys in braces one by one, the characters between them typed.
  static void Run(TcxMaskEdit* AEdit, const String& AInput) {
    size_t pos = 0;
    while (pos < AInput.size()) {
      const size_t close = AInput[pos] == L'{' ? AInput.find(L'}', pos) : String::npos;
      const size_t end = close != String::npos ? close + 1 : std::min(AInput.find(L'{', pos), AInput.size());
      RunToken(AEdit, AInput.substr(pos, end - pos));
      pos = end;
    }
  }
  static void RunToken(TcxMaskEdit* AEdit, const String& AInput) {
    if (AInput.size() > 2 && AInput.front() == L'{') {
      const String key = AInput.substr(1, AInput.size() - 2);
      if (key.rfind(L"Sel:", 0) == 0) return AEdit->SetSelection(std::stoi(key.substr(4)), 1);
      if (key.rfind(L"Paste:", 0) == 0) {
        PutOnClipboard(key.substr(6));
        SendMessageW(GetFocus(), WM_CHAR, 22, 1);
        return ProcessPendingMessages();
      }
      if (key == L"BS") {
        SendMessageW(GetFocus(), WM_CHAR, VK_BACK, 1);
        return ProcessPendingMessages();
      }
      struct TKey {
        const wchar_t* Name;
        WORD Key;
        bool Shift;
        bool Ctrl;
      };
      static const TKey keys[] = {{L"Left", VK_LEFT, false, false},   {L"Right", VK_RIGHT, false, false},
                                  {L"Home", VK_HOME, false, false},   {L"End", VK_END, false, false},
                                  {L"Del", VK_DELETE, false, false},  {L"S-Left", VK_LEFT, true, false},
                                  {L"S-Right", VK_RIGHT, true, false}, {L"C-Left", VK_LEFT, false, true}};
      for (const TKey& k : keys) {
        if (key != k.Name) continue;
        BYTE state[256];
        GetKeyboardState(state);
        const BYTE savedCtrl = state[VK_CONTROL];
        state[VK_CONTROL] = k.Ctrl ? 0x80 : 0;
        SetKeyboardState(state);
        PressKey(k.Key, k.Shift);
        GetKeyboardState(state);
        state[VK_CONTROL] = savedCtrl;
        SetKeyboardState(state);
        return;
      }
      FAIL() << "unknown key in a script";
    }
    for (wchar_t ch : AInput) SendMessageW(GetFocus(), WM_CHAR, ch, 1);
    ProcessPendingMessages();
  }
  void Leave() {
    Other->SetFocus();
    ProcessPendingMessages();
  }
  void RunScripts(const std::vector<TScript>& AScripts) {
    for (const TScript& script : AScripts) {
      TCountingMaskEdit* edit = AddEdit(script.Kind, script.Mask);
      edit->Properties()->SetBeepOnError(script.BeepOnError);
      Focus(edit);
      for (size_t i = 0; i < script.Steps.size(); ++i) {
        const TStep& step = script.Steps[i];
        const int beeps = edit->Beeps;
        Run(edit, step.Input);
        const std::string where = std::string(script.Name) + ", step " + std::to_string(i + 1);
        EXPECT_EQ(edit->Text(), step.Text) << where;
        EXPECT_EQ(edit->SelStart(), step.SelStart) << where;
        EXPECT_EQ(edit->SelLength(), step.SelLength) << where;
        EXPECT_EQ(edit->Beeps - beeps, step.Beeps) << where;
      }
      delete edit;
    }
  }
  TEdit* Other = nullptr;
};

}  // namespace

TEST_F(MaskEdit, StandardModeTypingMovesTheBlockCaretOverLiterals) {
  RunScripts({
      {"digits around a hyphen",
       emkStandard,
       L"00-00",
       {{L"", L"__-__", 0, 1},
        {L"1", L"1_-__", 1, 1},
        {L"2", L"12-__", 3, 1},
        {L"3", L"12-3_", 4, 1},
        {L"{BS}", L"12-__", 3, 1},
        {L"x", L"12-__", 3, 1, 1},
        {L"34", L"12-34", 5, 0},
        {L"5", L"12-34", 5, 0, 1}}},
      {"a letter into a digit position changes nothing, silently without BeepOnError",
       emkStandard,
       L"00-00",
       {{L"a", L"__-__", 0, 1, 0}, {L"9", L"9_-__", 1, 1}},
       false},
      {"the literal typed on its own position steps over it",
       emkStandard,
       L"00-00",
       {{L"{Sel:2}", L"__-__", 2, 1}, {L"-", L"__-__", 3, 1, 0}, {L"{Sel:2}", L"__-__", 2, 1}, {L"7", L"__-7_", 4, 1}}},
      {"a position that takes any character takes the literal too",
       emkStandard,
       L"C-C",
       {{L"{Sel:1}", L"_-_", 1, 1}, {L"-", L"_--", 3, 0}}},
      {"arrows, Home, End and Delete",
       emkStandard,
       L"(000) 00",
       {{L"12345", L"(123) 45", 8, 0},
        {L"{Home}", L"(123) 45", 1, 1},
        {L"{Del}", L"(_23) 45", 1, 1},
        {L"{Right}", L"(_23) 45", 2, 1},
        {L"{Right}", L"(_23) 45", 3, 1},
        {L"{Right}", L"(_23) 45", 6, 1},
        {L"{Left}", L"(_23) 45", 3, 1},
        {L"{End}", L"(_23) 45", 8, 0},
        {L"{BS}", L"(_23) 4_", 7, 1},
        {L"{C-Left}", L"(_23) 4_", 1, 1}}},
      {"case controls",
       emkStandard,
       L">LL<LL",
       {{L"abCD", L"ABcd", 4, 0}}},
  });
}

TEST_F(MaskEdit, StandardModePasteWritesOverThePositionsAndRefusesWhatTheyDoNotTake) {
  RunScripts({
      {"digits skip the literal",
       emkStandard,
       L"00-00",
       {{L"{Paste:1234}", L"12-34", 5, 0}}},
      {"the literal in the pasted text lands on its own",
       emkStandard,
       L"00-00",
       {{L"{Paste:12-3}", L"12-3_", 4, 1}}},
      {"a character its position refuses refuses the paste",
       emkStandard,
       L"00-00",
       {{L"1", L"1_-__", 1, 1}, {L"{Paste:2a}", L"1_-__", 1, 1, 1}}},
  });
}

TEST_F(MaskEdit, ValidationAsksForEveryRequiredPosition) {
  struct TCase {
    const char* Name;
    String Mask;
    bool IgnoreMaskBlank;
    String Typed;
    bool Valid;
  };
  const TCase cases[] = {
      {"complete", L"00-00", false, L"1234", true},
      {"incomplete", L"00-00", false, L"12", false},
      {"empty", L"00-00", false, L"", false},
      {"empty, blanks ignored", L"00-00", true, L"", true},
      {"incomplete, blanks ignored", L"00-00", true, L"12", false},
      {"optional positions may stay blank", L"00-99", false, L"12", true},
  };
  for (const TCase& c : cases) {
    TCountingMaskEdit* edit = AddEdit(emkStandard, c.Mask);
    edit->Properties()->SetIgnoreMaskBlank(c.IgnoreMaskBlank);
    Focus(edit);
    Run(edit, c.Typed);
    EXPECT_EQ(edit->ValidateEdit(false), c.Valid) << c.Name;
    EXPECT_EQ(edit->ValidationErrorText(), c.Valid ? L"" : L"The edit value is invalid") << c.Name;
    delete edit;
  }
}

TEST_F(MaskEdit, TheValueAndTheTextsShownFocusedAndUnfocused) {
  struct TCase {
    const char* Name;
    String Mask;
    bool AlwaysShowBlanksAndLiterals;
    String Value;
    String Unfocused;
    String Focused;
  };
  const TCase cases[] = {
      {"literals saved", L"00-00", false, L"12-34", L"12-34", L"12-34"},
      {"blanks shown as spaces unfocused", L"00-00", false, L"1", L"1 -  ", L"1_-__"},
      {"literals not saved", L"00-00;0", false, L"1234", L"1234", L"12-34"},
      {"always the full mask", L"00-00;0", true, L"1234", L"12-34", L"12-34"},
      {"a blank character of its own", L"00-00;1;*", true, L"1", L"1*-**", L"1*-**"},
  };
  for (const TCase& c : cases) {
    TCountingMaskEdit* edit = AddEdit(emkStandard, c.Mask);
    edit->Properties()->SetAlwaysShowBlanksAndLiterals(c.AlwaysShowBlanksAndLiterals);
    edit->SetEditValue(Variant(c.Value));
    EXPECT_EQ(edit->Text(), c.Unfocused) << c.Name;
    Focus(edit);
    EXPECT_EQ(edit->Text(), c.Focused) << c.Name;
    Leave();
    EXPECT_EQ(edit->Text(), c.Unfocused) << c.Name;
    delete edit;
  }
  // What is typed becomes the value through the mask.
  TCountingMaskEdit* edit = AddEdit(emkStandard, L"00-00;0");
  Focus(edit);
  Run(edit, L"1234");
  Leave();
  EXPECT_EQ(VarToStr(edit->EditValue()), L"1234");
  EXPECT_EQ(edit->Text(), L"1234");
}

TEST_F(MaskEdit, MaskSettings) {
  TcxMaskEditProperties properties(nullptr);
  EXPECT_TRUE(properties.CaseInsensitive());
  EXPECT_TRUE(properties.ValidateOnEnter());
  EXPECT_FALSE(properties.IsMasked());
  properties.SetEditMask(L" \t");
  EXPECT_FALSE(properties.IsMasked());
  properties.SetEditMask(L"00");
  EXPECT_TRUE(properties.IsMasked());
  properties.SetCharCase(ecUpperCase);
  properties.SetCaseInsensitive(false);
  EXPECT_TRUE(properties.CaseInsensitive());
  properties.SetCharCase(ecNormal);
  properties.SetCaseInsensitive(false);
  EXPECT_FALSE(properties.CaseInsensitive());
  EXPECT_FALSE(properties.GetSupportedOperations().Contains(esoEditingAutoHeight));

  TcxMaskEditProperties copy(nullptr);
  properties.SetIgnoreMaskBlank(true);
  copy.Assign(&properties);
  EXPECT_EQ(copy.EditMask(), L"00");
  EXPECT_TRUE(copy.IgnoreMaskBlank());
}

TEST_F(MaskEdit, UnmaskedItTypesLikeTheTextEdit) {
  TCountingMaskEdit* edit = AddEdit(emkStandard, L"");
  Focus(edit);
  Run(edit, L"free text");
  EXPECT_EQ(edit->Text(), L"free text");
  Leave();
  EXPECT_EQ(VarToStr(edit->EditValue()), L"free text");
}

TEST_F(MaskEdit, RegisteredWithItsFilterHelper) {
  EXPECT_NE(cxEditPropertiesRegistry()->FindByClassName(L"TcxMaskEditProperties"), nullptr);
  const TcxCustomFilterEditHelper* helper = cxFilterEditsRegistry()->FindHelper(TcxMaskEditProperties::StaticClass());
  EXPECT_EQ(helper, TcxFilterMaskEditHelper::Instance());
  TcxMaskEditProperties masked(nullptr);
  masked.SetEditMask(L"00");
  struct TStringType : IcxFilterValueType {
    bool IsString() const override { return true; }
    bool IsValueValid(Variant&) const override { return true; }
  } stringType;
  EXPECT_FALSE(helper->GetSupportedFilterOperators(&masked, &stringType).Contains(fcoLike));
  TcxMaskEditProperties unmasked(nullptr);
  EXPECT_TRUE(helper->GetSupportedFilterOperators(&unmasked, &stringType).Contains(fcoLike));

  // A filter row completes the literals of a regular expression and does
  // not select a masked text on entering.
  TcxMaskEditProperties column(nullptr);
  column.SetMaskKind(emkRegExpr);
  column.SetEditMask(L"\\d+");
  std::unique_ptr<TcxCustomEdit> filterEdit(helper->GetFilterEdit(&column));
  auto* filterMaskEdit = dynamic_cast<TcxMaskEdit*>(filterEdit.get());
  ASSERT_NE(filterMaskEdit, nullptr);
  EXPECT_EQ(filterMaskEdit->ActiveProperties()->MaskKind(), emkRegExprEx);
  EXPECT_EQ(filterMaskEdit->ActiveProperties()->EditMask(), L"\\d+");
  EXPECT_FALSE(filterMaskEdit->ActiveProperties()->AutoSelect());
  EXPECT_EQ(filterMaskEdit->Mode()->ModeMaskKind(), emkRegExprEx);
}

TEST_F(MaskEdit, RegularExpressionModeRefusesWhatBreaksTheMatch) {
  RunScripts({
      {"two digits",
       emkRegExpr,
       L"\\d{2}",
       {{L"1", L"1", 1, 0}, {L"2", L"12", 2, 0}, {L"3", L"12", 2, 0, 1}, {L"{BS}", L"1", 1, 0}, {L"x", L"1", 1, 0, 1}}},
      {"a character in the middle that the rest no longer fits behind",
       emkRegExpr,
       L"\\d\\d-\\d\\d",
       {{L"12-34", L"12-34", 5, 0},
        {L"{Home}", L"12-34", 0, 0},
        {L"5", L"12-34", 0, 0, 1},
        {L"{Right}", L"12-34", 1, 0},
        {L"{Del}", L"12-34", 1, 0, 1},
        {L"{End}", L"12-34", 5, 0},
        {L"{BS}", L"12-3", 4, 0},
        {L"{Left}{Left}", L"12-3", 2, 0},
        {L"{BS}", L"12-3", 2, 0, 1}}},
      {"case follows the expression",
       emkRegExpr,
       L"ab(c|d)",
       {{L"AB", L"ab", 2, 0}, {L"D", L"abd", 3, 0}}},
      {"alternatives and optional parts",
       emkRegExpr,
       L"(a?)b|c+",
       {{L"b", L"b", 1, 0}, {L"b", L"b", 1, 0, 1}, {L"{BS}c", L"c", 1, 0}, {L"cc", L"ccc", 3, 0}}},
      {"a paste is typed through the expression, or refused whole",
       emkRegExpr,
       L"\\d+",
       {{L"{Paste:123}", L"123", 3, 0}, {L"{Paste:4x5}", L"123", 3, 0, 1}, {L"{Home}{Paste:0}", L"0123", 1, 0}}},
  });
}

TEST_F(MaskEdit, ExtendedModeInsertsAndRemovesForcedLiteralsWithTheTypedCharacter) {
  const String phone = L"'+7 ('\\d\\d\\d') '\\d\\d\\d";
  RunScripts({
      {"a phone number",
       emkRegExprEx,
       phone,
       {{L"{End}", L"+7 (", 4, 0},
        {L"9", L"+7 (9", 5, 0},
        {L"1", L"+7 (91", 6, 0},
        {L"6", L"+7 (916) ", 9, 0},
        {L"{BS}", L"+7 (91", 6, 0},
        {L"{BS}{BS}", L"+7 (", 4, 0},
        {L"{BS}", L"+7 (", 4, 0, 1},
        {L"9161", L"+7 (916) 1", 10, 0},
        {L"{Left}", L"+7 (916) 1", 9, 0},
        {L"{Left}", L"+7 (916) 1", 6, 0},
        {L"{Right}", L"+7 (916) 1", 9, 0},
        {L"{Home}", L"+7 (916) 1", 0, 0},
        {L"{Del}", L"+7 (916) 1", 0, 0, 1},
        {L"{Right}", L"+7 (916) 1", 4, 0},
        {L"{Left}", L"+7 (916) 1", 0, 0},
        {L"5", L"+7 (916) 1", 0, 0, 1},
        {L"{End}23", L"+7 (916) 123", 12, 0},
        {L"4", L"+7 (916) 123", 12, 0, 1}}},
      {"pasted text with or without the literals",
       emkRegExprEx,
       phone,
       {{L"{End}{Paste:(916) 123}", L"+7 (916) 123", 12, 0},
        {L"{Home}{S-Right}", L"+7 (916) 123", 0, 1},
        {L"{End}{BS}{BS}{BS}{BS}{BS}{BS}", L"+7 (", 4, 0},
        {L"{Paste:916123}", L"+7 (916) 123", 12, 0},
        {L"{BS}{Paste:7x}", L"+7 (916) 12", 11, 0, 1}}},
  });
}

TEST_F(MaskEdit, RegularExpressionValidationAndErrors) {
  struct TCase {
    const char* Name;
    TcxEditMaskKind Kind;
    String Mask;
    bool IgnoreMaskBlank;
    String Typed;
    bool Valid;
  };
  const TCase cases[] = {
      {"complete", emkRegExpr, L"\\d{2}", false, L"12", true},
      {"incomplete", emkRegExpr, L"\\d{2}", false, L"1", false},
      {"incomplete, blanks ignored", emkRegExpr, L"\\d{2}", true, L"1", true},
      {"empty", emkRegExpr, L"\\d{2}", false, L"", true},
      {"only the leading literals", emkRegExprEx, L"'+7 '\\d\\d", false, L"", true},
      {"incomplete with literals", emkRegExprEx, L"'+7 '\\d\\d", false, L"1", false},
      {"complete with literals", emkRegExprEx, L"'+7 '\\d\\d", false, L"12", true},
  };
  for (const TCase& c : cases) {
    TCountingMaskEdit* edit = AddEdit(c.Kind, c.Mask);
    edit->Properties()->SetIgnoreMaskBlank(c.IgnoreMaskBlank);
    Focus(edit);
    Run(edit, L"{End}");
    Run(edit, c.Typed);
    EXPECT_EQ(edit->ValidateEdit(false), c.Valid) << c.Name;
    delete edit;
  }

  // A mask that does not compile says where, and the old mask stays.
  TcxMaskEditProperties properties(nullptr);
  properties.SetMaskKind(emkRegExpr);
  properties.SetEditMask(L"\\d+");
  try {
    properties.SetEditMask(L"a{3,1}");
    ADD_FAILURE() << "a reversed repetition compiled";
  } catch (const EcxMaskEditError& E) {
    EXPECT_EQ(E.Message(), L"Regular expression errors:\r\nLine1, Char5: Incorrect parameter quantifier");
  }
  EXPECT_EQ(properties.EditMask(), L"\\d+");
  // A hostile repetition is refused by the engine, not grown.
  EXPECT_THROW(properties.SetEditMask(L"a{99999999}"), EcxMaskEditError);
}

TEST_F(MaskEdit, SwitchingTheMaskKind) {
  TCountingMaskEdit* edit = AddEdit(emkStandard, L"00-00");
  TcxMaskEditProperties* properties = edit->Properties();
  // A standard mask means something else as a regular expression.
  properties->SetMaskKind(emkRegExpr);
  EXPECT_EQ(properties->EditMask(), L"");
  EXPECT_EQ(edit->Mode()->ModeMaskKind(), emkRegExpr);
  properties->SetEditMask(L"\\d+");
  properties->SetMaskKind(emkRegExprEx);
  EXPECT_EQ(properties->EditMask(), L"\\d+");
  // Kind and mask together in one update keep the new mask.
  properties->BeginUpdate();
  properties->SetMaskKind(emkStandard);
  properties->SetEditMask(L"00");
  properties->EndUpdate();
  EXPECT_EQ(properties->EditMask(), L"00");
  EXPECT_EQ(edit->Mode()->ModeMaskKind(), emkStandard);
  Focus(edit);
  EXPECT_EQ(edit->Text(), L"__");
}

TEST_F(MaskEdit, SheetOfTheMaskEditInEachModeEmptyPartlyFilledAndFull) {
  struct TRow {
    const char* Name;
    TcxEditMaskKind Kind;
    String Mask;
    String Values[3];
  };
  const TRow rows[] = {
      {"Standard", emkStandard, L"(00) 0000-0000", {L"", L"(11) 3", L"(11) 3456-7890"}},
      {"RegExpr", emkRegExpr, L"\\d{3}-\\d{4}", {L"", L"123", L"123-4567"}},
      {"RegExprEx", emkRegExprEx, L"'+55 ('\\d\\d') '\\d{4}'-'\\d{4}", {L"", L"1134", L"1134567890"}},
  };
  const int cellWidth = 160, rowHeight = 30;
  Form->SetBounds(0, 0, 3 * (cellWidth + 10) + 40, 3 * rowHeight + 80);
  std::vector<TCountingMaskEdit*> edits;
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column) {
      TCountingMaskEdit* edit = AddEdit(rows[row].Kind, rows[row].Mask, 10 + row * rowHeight);
      edit->SetBounds(10 + column * (cellWidth + 10), 10 + row * rowHeight, cellWidth, 22);
      edit->Properties()->SetAlwaysShowBlanksAndLiterals(true);
      edit->SetEditValue(rows[row].Values[column].empty() ? Null() : Variant(rows[row].Values[column]));
      edits.push_back(edit);
    }
  // The partly filled standard edit focused, its block caret on the first blank.
  Focus(edits[1]);
  edits[1]->SetSelection(6, 1);
  ProcessPendingMessages();
  EXPECT_EQ(edits[0]->Text(), L"(__) ____-____");
  EXPECT_EQ(edits[2]->Text(), L"(11) 3456-7890");
  EXPECT_EQ(edits[4]->Text(), L"123");
  EXPECT_EQ(edits[6]->Text(), L"+55 (");
  EXPECT_EQ(edits[7]->Text(), L"+55 (11) 34");
  EXPECT_EQ(edits[8]->Text(), L"+55 (11) 3456-7890");

  std::unique_ptr<TBitmap> picture = CaptureWindow(Form);
  RECT window;
  GetWindowRect(Form->Handle(), &window);
  const TPoint origin = Form->ClientToScreen(TPoint(0, 0));
  const int dx = origin.X - window.left, dy = origin.Y - window.top;
  // Text is drawn where there is text, and an empty edit stays blank.
  auto darkPixels = [&](TcxMaskEdit* AEdit) {
    int count = 0;
    for (int y = 4; y < 18; ++y)
      for (int x = 4; x < cellWidth - 4; ++x) {
        const TColor color = PixelColor(*picture, dx + AEdit->Left() + x, dy + AEdit->Top() + y);
        if ((color & 0xFF) < 0x80 && ((color >> 8) & 0xFF) < 0x80 && ((color >> 16) & 0xFF) < 0x80) ++count;
      }
    return count;
  };
  EXPECT_EQ(darkPixels(edits[3]), 0);
  int highlighted = 0;
  for (int y = 4; y < 18; ++y)
    for (int x = 4; x < cellWidth - 4; ++x)
      if (PixelColor(*picture, dx + edits[1]->Left() + x, dy + edits[1]->Top() + y) == ColorToRGB(clHighlight))
        ++highlighted;
  EXPECT_GT(highlighted, 0);
  EXPECT_GT(darkPixels(edits[5]), darkPixels(edits[4]));
  EXPECT_GT(darkPixels(edits[4]), 0);
  EXPECT_GT(darkPixels(edits[8]), darkPixels(edits[6]));
  std::filesystem::create_directories("artifacts");
  SaveAsPng(*picture, L"artifacts\\MaskEdit.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/MaskEdit.png"));
}

TEST_F(MaskEdit, ClickAndCutInTheStandardMode) {
  TCountingMaskEdit* edit = AddEdit(emkStandard, L"00-00");
  Focus(edit);
  Run(edit, L"1234");
  // A click between two characters puts the block caret on the next one.
  TcxCustomInnerTextEdit* inner = edit->InnerEditControl();
  const LRESULT at = SendMessageW(inner->Handle(), EM_POSFROMCHAR, 1, 0);
  ClickAt(inner, TPoint(static_cast<short>(LOWORD(at)) + 1, static_cast<short>(HIWORD(at)) + 2));
  EXPECT_EQ(edit->SelStart(), 1);
  EXPECT_EQ(edit->SelLength(), 1);
  // Cut copies the selection and blanks its input positions; literals stay.
  edit->SetSelection(1, 3);
  SendMessageW(GetFocus(), WM_CHAR, 24, 1);  // Ctrl+X
  ProcessPendingMessages();
  EXPECT_EQ(edit->Text(), L"1_-_4");
  ASSERT_TRUE(OpenClipboard(nullptr));
  const auto* copied = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
  EXPECT_EQ(String(copied ? copied : L""), L"2-3");
  GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
  CloseClipboard();
  // Shift+Insert pastes through the mask, Shift+Delete cuts through it and
  // clearing blanks: the native ones would shift the positions.
  edit->SetSelection(1, 1);
  PressKey(VK_INSERT, true);
  EXPECT_EQ(edit->Text(), L"12-34");
  edit->SetSelection(0, 2);
  PressKey(VK_DELETE, true);
  EXPECT_EQ(edit->Text(), L"__-34");
  edit->SetSelection(3, 2);
  SendMessageW(GetFocus(), WM_CLEAR, 0, 0);
  EXPECT_EQ(edit->Text(), L"__-__");
}

TEST_F(MaskEdit, DateSeparatorsFollowTheLocaleInEveryMode) {
  for (const LANGID language : {cxLangPtBR, cxLangEnUS, cxLangDe}) {
    TLocaleScope locale(language);
    const String d(1, FormatSettings.DateSeparator);
    const String date = L"25" + d + L"12" + d + L"2026";
    struct TCase {
      TcxEditMaskKind Kind;
      String Mask;
      String Typed;
    };
    const TCase cases[] = {
        {emkStandard, L"00/00/0000", L"25122026"},
        {emkRegExpr, L"\\d\\d/\\d\\d/\\d{4}", L"25" + d + L"12" + d + L"2026"},
        {emkRegExprEx, L"\\d\\d/\\d\\d/\\d{4}", L"25122026"},
    };
    for (const TCase& c : cases) {
      TCountingMaskEdit* edit = AddEdit(c.Kind, c.Mask);
      Focus(edit);
      Run(edit, L"{Home}" + c.Typed);
      EXPECT_EQ(edit->Text(), date) << language << " " << static_cast<int>(c.Kind);
      EXPECT_TRUE(edit->ValidateEdit(false)) << language << " " << static_cast<int>(c.Kind);
      delete edit;
    }
  }
  // A live standard mask follows a change of the locale.
  const String d(1, FormatSettings.DateSeparator);
  TCountingMaskEdit* edit = nullptr;
  {
    TLocaleScope english(cxLangEnUS);
    edit = AddEdit(emkStandard, L"00/00");
    Focus(edit);
    EXPECT_EQ(edit->Text(), L"__/__");
    TLocaleScope german(cxLangDe);
    EXPECT_EQ(edit->Text(), L"__.__");
  }
  EXPECT_EQ(edit->Text(), L"__" + d + L"__");
}
