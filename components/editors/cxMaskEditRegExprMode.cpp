// The regular-expression modes of the mask edit: every key judged on the
// whole text through the automaton, the text seen as units of a typed
// character and the characters forced after it.
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxMaskEdit.h"
#include "vcl/rtl/SysUtils.h"

namespace {

size_t CommonPrefixLength(const String& A, const String& B) {
  const size_t limit = std::min(A.size(), B.size());
  size_t length = 0;
  while (length < limit && A[length] == B[length]) ++length;
  return length;
}

}  // namespace

TcxMaskEditRegExprMode::TcxMaskEditRegExprMode(TcxCustomMaskEdit* AEdit, TcxCustomMaskEditProperties* AProperties)
    : TcxMaskEditCustomMode(AEdit, AProperties) {}

void TcxMaskEditRegExprMode::SetRegExprCaseInsensitive() {
  FRegExpr.SetCaseInsensitive(ActiveMaskProperties()->CaseInsensitive());
}

// The engine's errors, each with its position, under one heading.
void TcxMaskEditRegExprMode::Compile(const String& AMask) {
  FEditMask = AMask;
  FParsedText.clear();
  FBounds.clear();
  FMouseAction = true;
  if (EmptyMask(AMask)) return;
  try {
    FRegExpr.Compile(AMask);
  } catch (const EcxRegExprError& E) {
    String message = dxTranslatedResString(scxMaskEditRegExprError);
    for (int i = 0; i < E.Errors().Count(); ++i) message += L"\r\n" + E.Errors().GetItems(i).FullMessage();
    throw EcxMaskEditError(message);
  }
  SetRegExprCaseInsensitive();
}

// ---------------------------------------------------------------- texts

bool TcxMaskEditRegExprMode::TypeText(String& AHead, String& AJustForced, const String& AText, bool ADropRefused) {
  size_t matched = 0;
  for (const Char typed : AText) {
    Char symbol = typed;
    // The next literal just inserted, typed again, is that literal.
    if (matched < AJustForced.size() && AJustForced[matched] == typed) {
      ++matched;
    } else if (FRegExpr.Next(symbol)) {
      AHead += symbol;
      AJustForced = InsertForced();
      AHead += AJustForced;
      matched = 0;
    } else if (const size_t at = AJustForced.find(typed, matched); at != String::npos) {
      matched = at + 1;
    } else if (!ADropRefused) {
      return false;
    }
  }
  return true;
}

String TcxMaskEditRegExprMode::GetFormattedText(const String& AText, bool) {
  if (!FRegExpr.IsCompiled()) return String();
  FMouseAction = true;
  FRegExpr.Reset();
  String text = InsertForced();
  String forced = text;
  TypeText(text, forced, AText, true);
  return text;
}

bool TcxMaskEditRegExprMode::IsFullValidText(const String& AText) {
  if (AText.empty()) return true;
  if (EmptyMask(FEditMask)) return false;
  TcxRegExpr check;
  check.SetCaseInsensitive(FRegExpr.CaseInsensitive());
  check.Compile(FEditMask);
  for (Char symbol : AText)
    if (!check.Next(symbol)) return false;
  return ActiveMaskProperties()->IgnoreMaskBlank() || check.IsFinal();
}

void TcxMaskEditRegExprMode::SetText(const String&) {
  FMouseAction = true;
  FClipboardTextLength = 0;
}

void TcxMaskEditRegExprMode::SynchronizeEditValue() {
  TcxMaskEditCustomMode::SynchronizeEditValue();
  SetSelection(TextLength(), 0);
  FMouseAction = true;
}

// ---------------------------------------------------------------- units

bool TcxMaskEditRegExprMode::Replay(const String& AText) {
  FRegExpr.Reset();
  for (Char symbol : AText)
    if (!FRegExpr.Next(symbol)) return false;
  return true;
}

// A text that leaves the expression (set before the mask, say) is split
// into single characters from there on, so that the caret still moves.
void TcxMaskEditRegExprMode::Parse(const String& AText) {
  FParsedText = AText;
  FBounds.assign(1, 0);
  FLead = 0;
  const int length = static_cast<int>(AText.size());
  bool inStep = FRegExpr.IsCompiled();
  int pos = 0;
  if (inStep) {
    FRegExpr.Reset();
    const String lead = InsertForced();
    FLead = static_cast<int>(CommonPrefixLength(lead, AText));
    if (FLead > 0) FBounds.push_back(FLead);
    pos = FLead;
    inStep = FLead == static_cast<int>(lead.size());
  }
  while (pos < length) {
    Char symbol = AText[pos];
    if (!inStep || !FRegExpr.Next(symbol)) {
      inStep = false;
      FBounds.push_back(++pos);
      continue;
    }
    const String forced = InsertForced();
    const int matched = static_cast<int>(CommonPrefixLength(forced, AText.substr(pos + 1)));
    pos += 1 + matched;
    FBounds.push_back(pos);
    if (matched < static_cast<int>(forced.size())) inStep = false;
  }
}

int TcxMaskEditRegExprMode::UnitStartAt(int APos) const {
  auto it = std::upper_bound(FBounds.begin(), FBounds.end(), APos);
  return it == FBounds.begin() ? 0 : *(it - 1);
}

int TcxMaskEditRegExprMode::UnitEndAt(int APos) const {
  auto it = std::lower_bound(FBounds.begin(), FBounds.end(), APos);
  return it == FBounds.end() ? static_cast<int>(FParsedText.size()) : *it;
}

int TcxMaskEditRegExprMode::PrevBound(int APos) const { return APos <= 0 ? 0 : UnitStartAt(APos - 1); }

int TcxMaskEditRegExprMode::NextBound(int APos) const {
  auto it = std::upper_bound(FBounds.begin(), FBounds.end(), APos);
  return it == FBounds.end() ? static_cast<int>(FParsedText.size()) : *it;
}

String TcxMaskEditRegExprMode::ForcedBefore(int APos) const {
  if (APos <= 0) return String();
  if (APos == FLead) return FParsedText.substr(0, FLead);
  const int start = PrevBound(APos);
  return FParsedText.substr(start + 1, APos - start - 1);
}

bool TcxMaskEditRegExprMode::NeedsResync() { return FMouseAction || Text() != FParsedText; }

void TcxMaskEditRegExprMode::Resync() {
  if (!NeedsResync()) return;
  const String text = Text();
  if (text != FParsedText || FBounds.empty()) Parse(text);
  if (!FMouseAction) return;
  FMouseAction = false;
  if (SelLength() > 0) return;
  const int caret = CursorPos(), start = UnitStartAt(caret);
  if (start != caret) SetSelection(start, 0);
}

void TcxMaskEditRegExprMode::RemoveSelectedText() {
  const String text = Text();
  const int start = SelStart(), length = SelLength();
  const int from = InsertionPoint(start);
  const int to = length > 0 ? std::max(from, UnitEndAt(start + length)) : from;
  FHead = text.substr(0, from);
  FSelect = text.substr(from, to - from);
  FTail = text.substr(to);
}

// ---------------------------------------------------------------- editing

bool TcxMaskEditRegExprMode::Join(const String& AInsert, String& ANewText, int& ACaret) {
  if (!Replay(FHead)) return false;
  String head = FHead;
  const String pending = InsertForced();
  head += pending;
  String tail = FTail.substr(CommonPrefixLength(pending, FTail));
  String forced = ForcedBefore(static_cast<int>(FHead.size())) + pending;
  if (!TypeText(head, forced, AInsert, false)) return false;
  for (Char symbol : tail)
    if (!FRegExpr.Next(symbol)) return false;
  ANewText = head + tail + InsertForced();
  ACaret = static_cast<int>(head.size());
  return true;
}

void TcxMaskEditRegExprMode::ApplyText(const String& ANewText, int ACaret) {
  const String text = Text();
  if (ANewText != text) ReplaceText(0, static_cast<int>(text.size()), ANewText);
  SetSelection(ACaret, 0);
}

bool TcxMaskEditRegExprMode::Refuse() {
  FSelect.clear();
  BeepOnError();
  return false;
}

// The typed character goes in, or nothing changes: a character that the
// text after the caret no longer fits behind is refused, so what was typed
// there stays.
bool TcxMaskEditRegExprMode::PressSymbol(Char& ASymbol) {
  Resync();
  RemoveSelectedText();
  String text;
  int caret;
  if (!Join(String(1, ASymbol), text, caret)) return Refuse();
  ApplyText(text, caret);
  FSelect.clear();
  return false;
}

bool TcxMaskEditRegExprMode::PressBackSpace() {
  Resync();
  if (SelLength() > 0) {
    RemoveSelectedText();
    if (FSelect.empty()) return Refuse();
  } else {
    const int caret = InsertionPoint(CursorPos());
    if (caret == 0) return false;
    if (caret <= FLead) return Refuse();
    const String text = Text();
    const int start = PrevBound(caret);
    FHead = text.substr(0, start);
    FSelect = text.substr(start, caret - start);
    FTail = text.substr(caret);
  }
  String text;
  int caret;
  if (!Join(String(), text, caret)) return Refuse();
  ApplyText(text, caret);
  FSelect.clear();
  return false;
}

bool TcxMaskEditRegExprMode::PressDelete() {
  Resync();
  if (SelLength() > 0) return PressBackSpace();
  const int cursor = CursorPos();
  if (cursor < FLead) return Refuse();
  const int start = InsertionPoint(cursor);
  if (start >= TextLength()) return false;
  const String text = Text();
  const int end = NextBound(start);
  FHead = text.substr(0, start);
  FSelect = text.substr(start, end - start);
  FTail = text.substr(end);
  String newText;
  int caret;
  if (!Join(String(), newText, caret)) return Refuse();
  ApplyText(newText, caret);
  FSelect.clear();
  return false;
}

bool TcxMaskEditRegExprMode::GetPasteText(const String& AText, String& ANewText, int& ACaret) {
  Resync();
  RemoveSelectedText();
  const bool taken = Join(AText, ANewText, ACaret);
  FSelect.clear();
  return taken;
}

// ---------------------------------------------------------------- caret

// With Shift the native control extends the selection; the units are
// found again at the next key.
bool TcxMaskEditRegExprMode::PressLeft() {
  if (ShiftOn()) {
    FMouseAction = true;
    return true;
  }
  Resync();
  const int caret = SelLength() > 0 ? UnitStartAt(SelStart()) : PrevBound(CursorPos());
  SetSelection(caret, 0);
  return false;
}

bool TcxMaskEditRegExprMode::PressRight() {
  if (ShiftOn()) {
    FMouseAction = true;
    return true;
  }
  Resync();
  const int caret = SelLength() > 0 ? UnitEndAt(SelStart() + SelLength()) : NextBound(CursorPos());
  SetSelection(std::min(caret, TextLength()), 0);
  return false;
}

bool TcxMaskEditRegExprMode::PressHome() {
  FMouseAction = true;
  if (ShiftOn()) return true;
  SetSelection(0, 0);
  return false;
}

bool TcxMaskEditRegExprMode::PressEnd() {
  FMouseAction = true;
  if (ShiftOn()) return true;
  SetSelection(TextLength(), 0);
  return false;
}

// ---------------------------------------------------------------- the extended kind

TcxMaskEditRegExprExMode::TcxMaskEditRegExprExMode(TcxCustomMaskEdit* AEdit, TcxCustomMaskEditProperties* AProperties)
    : TcxMaskEditRegExprMode(AEdit, AProperties) {
  FRegExpr.OnSymbolUpdate = [this](Char ASymbol) { FUpdate += ASymbol; };
}

// Switching insertion on runs the forced characters in from the current
// state; switching it off again leaves the automaton after them.
String TcxMaskEditRegExprExMode::InsertForced() {
  FUpdate.clear();
  FRegExpr.SetUpdateOn(true);
  FRegExpr.SetUpdateOn(false);
  return FUpdate;
}

String TcxMaskEditRegExprExMode::GetEmptyString() {
  if (!FRegExpr.IsCompiled()) return String();
  FMouseAction = true;
  FRegExpr.Reset();
  return InsertForced();
}

bool TcxMaskEditRegExprExMode::IsFullValidText(const String& AText) {
  return AText == GetEmptyString() || TcxMaskEditRegExprMode::IsFullValidText(AText);
}
