// The mask edit's modes: what every mode reaches of its edit, and the
// standard mode's block caret, keys, paste and texts.
#include "components/editors/cxMaskEdit.h"
#include "vcl/rtl/SysUtils.h"

#include <algorithm>

// ---------------------------------------------------------------- the common part

TcxMaskEditCustomMode::TcxMaskEditCustomMode(TcxCustomMaskEdit* AEdit, TcxCustomMaskEditProperties* AProperties)
    : FProperties(AProperties), FEdit(AEdit) {}

TcxCustomMaskEditProperties* TcxMaskEditCustomMode::ActiveMaskProperties() const {
  return FEdit ? FEdit->ActiveProperties() : FProperties;
}

void TcxMaskEditCustomMode::BeepOnError() {
  if (!ActiveMaskProperties()->BeepOnError()) return;
  if (FEdit)
    FEdit->Beep();
  else
    MessageBeep(0);
}

bool TcxMaskEditCustomMode::GetPasteText(const String& AText, String& ANewText, int& ACaret) {
  const String text = Text();
  const int start = SelStart();
  ANewText = Copy(text, 1, start) + AText + Copy(text, start + SelLength() + 1, static_cast<int>(text.size()));
  ACaret = start + static_cast<int>(AText.size());
  return true;
}

void TcxMaskEditCustomMode::SynchronizeEditValue() {
  if (!EditHasInnerControl()) return;
  if (FEdit->ModifiedAfterEnter())
    FEdit->DataBinding()->SetDisplayValue(Variant(GetFormattedText(Text(), true)));
  else
    FEdit->SynchronizeDisplayValue();
}

bool TcxMaskEditCustomMode::EditHasInnerControl() const { return FEdit && FEdit->InnerControl(); }
String TcxMaskEditCustomMode::Text() const { return FEdit ? FEdit->Text() : String(); }
int TcxMaskEditCustomMode::SelStart() const { return FEdit ? FEdit->SelStart() : 0; }
int TcxMaskEditCustomMode::SelLength() const { return FEdit ? FEdit->SelLength() : 0; }
int TcxMaskEditCustomMode::CursorPos() const { return FEdit ? FEdit->CursorPos() : 0; }
bool TcxMaskEditCustomMode::ShiftOn() const { return FEdit && FEdit->FShiftOn; }

void TcxMaskEditCustomMode::SetSelection(int AStart, int ALength) {
  if (!FEdit) return;
  FEdit->FInternalTextSelection = true;
  FEdit->SetSelection(AStart, ALength);
  FEdit->FInternalTextSelection = false;
}

void TcxMaskEditCustomMode::ReplaceText(int AStart, int ALength, const String& AText) {
  IcxInnerTextEdit* inner = FEdit ? FEdit->InnerTextEdit() : nullptr;
  if (!inner) return;
  FEdit->FInternalTextSelection = true;
  inner->SetSelStart(AStart);
  inner->SetSelLength(ALength);
  inner->SetSelText(AText);
  FEdit->FInternalTextSelection = false;
}

bool TcxMaskEditCustomMode::IsCharValidForPos(Char& AChar, int APos) {
  return !FEdit || FEdit->IsCharValidForPos(AChar, APos);
}

void TcxMaskEditCustomMode::SendKeyDown(uint16_t AKey) {
  if (FEdit) FEdit->SendMyMessage(WM_KEYDOWN, AKey);
}

void TcxMaskEditCustomMode::SendChar(Char AChar) {
  if (FEdit) FEdit->SendMyMessage(WM_CHAR, AChar);
}

// ---------------------------------------------------------------- the standard mode: texts

void TcxMaskEditStandardMode::Compile(const String& AMask) {
  FEditMask = AMask;
  FMask.Compile(EmptyMask(AMask) ? String() : AMask);
  FNeedUpdateEditValue = !EditHasInnerControl();
}

String TcxMaskEditStandardMode::GetFormattedText(const String& AText, bool AMatchForBlanksAndLiterals) {
  if (EmptyMask(FEditMask)) return AText;
  String text = AText;
  FMask.Format(text, true, AMatchForBlanksAndLiterals);
  return text;
}

String TcxMaskEditStandardMode::GetUpdatedText(const String& AText, bool AMatchForBlanksAndLiterals) {
  if (EmptyMask(FEditMask)) return AText;
  String text = AText;
  FMask.Format(text, ActiveMaskProperties()->CharCase() == ecNormal, AMatchForBlanksAndLiterals);
  if (FMask.Count() > 0) FMask.Format2(text);
  return text;
}

// With IgnoreMaskBlank a text whose every input position is blank passes
// too, whether the blanks are shown as the blank character or as spaces.
bool TcxMaskEditStandardMode::IsFullValidText(const String& AText) {
  String text = AText;
  if (FMask.IsFullValid(text)) return true;
  return ActiveMaskProperties()->IgnoreMaskBlank() && GetFormattedText(AText, true) == FMask.FullEmptyString();
}

void TcxMaskEditStandardMode::SynchronizeEditValue() {
  TcxMaskEditCustomMode::SynchronizeEditValue();
  LMouseDown();
}

// ---------------------------------------------------------------- the standard mode: caret

int TcxMaskEditStandardMode::SkipLiterals(int APos) const {
  const int length = TextLength();
  while (APos < length && IsLiteralAt(APos)) ++APos;
  return APos;
}

void TcxMaskEditStandardMode::PutCaret(int APos) {
  const int length = TextLength();
  APos = std::clamp(APos, 0, length);
  SetSelection(APos, APos < length ? 1 : 0);
}

void TcxMaskEditStandardMode::LMouseDown() {
  if (SelLength() == 0 && SelStart() < TextLength()) SetSelection(SelStart(), 1);
}

bool TcxMaskEditStandardMode::IsCursorBegin() {
  const int start = SelStart();
  for (int pos = 0; pos < start; ++pos)
    if (!IsLiteralAt(pos)) return false;
  return SelLength() <= 1 || CursorPos() == start;
}

// Without Shift: a real selection collapses onto its start, past the
// literals there; a caret goes to the previous input position, if any.
void TcxMaskEditStandardMode::MoveLeft() {
  const int start = SelStart(), length = SelLength();
  if (length > 1) {
    const int end = start + length;
    int pos = start;
    while (pos < end && IsLiteralAt(pos)) ++pos;
    if (pos == end) pos = end >= TextLength() ? end : start;
    return PutCaret(pos);
  }
  int pos = start - 1;
  while (pos >= 0 && IsLiteralAt(pos)) --pos;
  PutCaret(pos >= 0 ? pos : start);
}

bool TcxMaskEditStandardMode::PressLeft() {
  const int start = SelStart(), length = SelLength();
  if (ShiftOn()) {
    // The block character itself joins the selection the native key extends.
    if (length == 1) {
      SetSelection(start + 1, 0);
      SendKeyDown(VK_LEFT);
    }
    return true;
  }
  MoveLeft();
  return false;
}

bool TcxMaskEditStandardMode::PressRight() {
  const int start = SelStart(), length = SelLength();
  if (ShiftOn()) {
    if (length == 1) SetSelection(start, 0);
    return true;
  }
  if (length > 1) {
    int pos = start + length - 1;
    while (pos > start && IsLiteralAt(pos)) --pos;
    PutCaret(pos);
    return false;
  }
  PutCaret(start >= TextLength() ? start : SkipLiterals(start + 1));
  return false;
}

bool TcxMaskEditStandardMode::PressHome() {
  if (ShiftOn()) return true;
  PutCaret(SkipLiterals(0));
  return false;
}

bool TcxMaskEditStandardMode::PressEnd() {
  if (ShiftOn()) return true;
  SetSelection(TextLength(), 0);
  return false;
}

// ---------------------------------------------------------------- the standard mode: editing

void TcxMaskEditStandardMode::BlankSelection() {
  const int start = SelStart(), length = SelLength();
  const String text = Text();
  String replacement = text.substr(start, length);
  bool changed = false;
  for (int i = 0; i < length; ++i) {
    const int pos = start + i;
    if (pos >= FMask.Count() || IsLiteralAt(pos)) continue;
    const Char blank = GetBlank(pos + 1);
    if (blank == 0 || replacement[i] == blank) continue;
    replacement[i] = blank;
    changed = true;
  }
  if (changed) {
    FEdit->LockChangeEvents(true);
    struct TUnlock {
      TcxCustomEdit* Edit;
      ~TUnlock() { Edit->LockChangeEvents(false); }
    } unlock{FEdit};
    ReplaceText(start, length, replacement);
  }
  SetSelection(start, length);
}

bool TcxMaskEditStandardMode::PressDelete() {
  if (SelLength() > 0) BlankSelection();
  return false;
}

bool TcxMaskEditStandardMode::PressBackSpace() {
  if (SelLength() <= 1) MoveLeft();
  return PressDelete();
}

bool TcxMaskEditStandardMode::PressSymbol(Char& ASymbol) {
  if (TextLength() == 0 || (SelLength() == 0 && SelStart() >= TextLength())) {
    BeepOnError();
    return false;
  }
  TrySymbolAt(ASymbol, false);
  return false;
}

// A refused character beeps where BeepOnError asks, except a literal typed
// over its own position: that only steps over it.
bool TcxMaskEditStandardMode::TrySymbolAt(Char ASymbol, bool AQuietRefusal) {
  const int start = SelStart();
  if (start >= TextLength() || start >= FMask.Count()) {
    if (!AQuietRefusal) BeepOnError();
    return false;
  }
  if (IsLiteralAt(start)) {
    if (SelLength() > 1) BlankSelection();
    Char literal = ASymbol;
    const bool isThisLiteral = FMask.GetItems(start)->Check(literal);
    const int next = SkipLiterals(start + 1);
    PutCaret(next);
    if (next < TextLength()) return TrySymbolAt(ASymbol, isThisLiteral);
    if (!isThisLiteral) BeepOnError();
    return false;
  }
  Char symbol = ASymbol;
  if (!FMask.GetItems(start)->Check(symbol) || !IsCharValidForPos(symbol, start + 1) || symbol == 0) {
    if (!AQuietRefusal) BeepOnError();
    return false;
  }
  if (SelLength() > 1) BlankSelection();
  ReplaceText(start, 1, String(1, symbol));
  PutCaret(SkipLiterals(start + 1));
  return true;
}

// ---------------------------------------------------------------- the standard mode: paste

void TcxMaskEditStandardMode::PrePasteFromClipboard() {
  FSelStart = SelStart();
  SetSelection(FSelStart, std::min(FClipboardTextLength, TextLength() - FSelStart));
}

// Each pasted character goes over the next position, past literals that
// differ from it. A character that its position does not take refuses the
// whole paste, so what stands in the edit is never replaced by text the
// mask would not let a person type; a blank or a space blanks its position.
bool TcxMaskEditStandardMode::GetPasteText(const String& AText, String& ANewText, int& ACaret) {
  if (AText.empty()) return false;
  String text = Text();
  const int caret = SelStart();
  const int limit = std::min(FMask.Count(), static_cast<int>(text.size()));
  int pos = caret, skipped = 0;
  for (Char symbol : AText) {
    while (pos < limit && IsLiteralAt(pos) && static_cast<const TcxStandardMaskLiteralItem*>(FMask.GetItems(pos))->Literal() != symbol) {
      ++pos;
      ++skipped;
    }
    if (pos >= limit) break;
    if (!IsLiteralAt(pos)) {
      Char converted = symbol;
      if (symbol == FMask.Blank() || symbol == L' ')
        converted = GetBlank(pos + 1) ? GetBlank(pos + 1) : text[pos];
      else if (!FMask.GetItems(pos)->Check(converted) || !IsCharValidForPos(converted, pos + 1) ||
               converted == 0)
        return false;
      text[pos] = converted;
    }
    ++pos;
  }
  ANewText = text;
  ACaret = std::min(caret + static_cast<int>(AText.size()) + skipped, static_cast<int>(text.size()));
  return true;
}

void TcxMaskEditStandardMode::AfterPasteFromClipboard() { PutCaret(SkipLiterals(SelStart())); }
