// The mask edit control: the shown text through the mode, the keys, mouse,
// paste and cut routed to the mode while masked, and the mode kept in step
// with the properties.
#include "components/editors/cxMaskEdit.h"
#include "vcl/controls/Clipbrd.h"
#include "vcl/rtl/SysUtils.h"

namespace {

String ClipboardUnicodeText() {
  TClipboard* clipboard = Clipboard();
  if (!clipboard->HasFormat(CF_UNICODETEXT)) return String();
  clipboard->Open();
  struct TClose {
    TClipboard* Clipboard;
    ~TClose() { Clipboard->Close(); }
  } close{clipboard};
  String text;
  if (HANDLE data = clipboard->GetAsHandle(CF_UNICODETEXT)) {
    if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  return text;
}

}  // namespace

TcxCustomMaskEdit::TcxCustomMaskEdit(TComponent* AOwner, bool AIsInplace)
    : TcxCustomTextEdit(AOwner, AIsInplace), FMode(std::make_unique<TcxMaskEditStandardMode>(this, nullptr)) {}

TcxCustomMaskEdit::~TcxCustomMaskEdit() = default;

// ---------------------------------------------------------------- the mode

void TcxCustomMaskEdit::RecreateMode() {
  FMode.reset();
  FMode.reset(ActiveProperties()->ModeClassForKind(ActiveProperties()->MaskKind()).Create(this, nullptr));
}

void TcxCustomMaskEdit::CompileMode(const String& AMask) {
  FMode->Compile(AMask);
  ActiveProperties()->FEmptyString = FMode->GetEmptyString();
}

void TcxCustomMaskEdit::HandlePropertiesChanged(TObject* Sender) {
  if (!FMode) return TcxCustomTextEdit::HandlePropertiesChanged(Sender);
  TcxCustomMaskEditProperties* properties = ActiveProperties();
  bool echoChanged = false;
  {
    properties->LockUpdate(true);
    struct TUnlock {
      TcxCustomEditProperties* Properties;
      ~TUnlock() { Properties->LockUpdate(false); }
    } unlock{properties};
    const String mask = properties->EditMask();
    const bool maskChanged = FMode->EditMask() != mask || properties->FormatChanging();
    bool maskEmptied = false;
    // An editor kind may choose a mode class of its own for a mask kind.
    if (properties->MaskKind() != FMode->ModeMaskKind() ||
        FMode->ClassType() != properties->ModeClassForKind(properties->MaskKind()).Class) {
      // A standard mask means something else as a regular expression.
      const bool acrossFamilies = (properties->MaskKind() == emkStandard) != (FMode->ModeMaskKind() == emkStandard);
      RecreateMode();
      if (acrossFamilies) {
        properties->FEditMask.clear();
        maskEmptied = true;
      }
      CompileMode(properties->EditMask());
      if (ModeMasked()) FMode->SynchronizeEditValue();
    }
    if (maskChanged) {
      if (!EmptyMask(mask)) properties->AssignedValues()->SetMaxLength(false);
      CompileMode(mask);
      if (maskEmptied) properties->FEditMask = mask;
      if (ModeMasked())
        FMode->SynchronizeEditValue();
      else if (FMode->ModeMaskKind() == emkStandard && SelLength() == 1)
        SetSelLength(0);
    }
    if (properties->CharCase() != FMode->CharCase()) {
      if (properties->CharCase() == ecNormal && ModeMasked()) FMode->SynchronizeEditValue();
      FMode->SetCharCase(properties->CharCase());
    }
    echoChanged = properties->EchoMode() != FMode->EchoMode();
    FMode->SetEchoMode(properties->EchoMode());
    if ((!EditValue().IsNull() || !InnerControl()) && ModeMasked()) FMode->UpdateEditValue();
  }
  if (auto* regExprMode = dynamic_cast<TcxMaskEditRegExprMode*>(FMode.get())) regExprMode->SetRegExprCaseInsensitive();
  const int selStart = SelStart(), selLength = SelLength();
  TcxCustomTextEdit::HandlePropertiesChanged(Sender);
  if (echoChanged) SetSelection(selStart, selLength);
  if (ModeMasked()) {
    if (InnerTextEdit()) InnerTextEdit()->SetMaxLength(0);
    FText = FMode->GetUpdatedText(Text(), true);
  }
}

// ---------------------------------------------------------------- shown text and value

bool TcxCustomMaskEdit::IsStandardUnfocused() {
  return !InternalFocused() && FMode->ModeMaskKind() == emkStandard;
}

String TcxCustomMaskEdit::MaskedDisplayText(const String& AValue, bool AMatchForBlanksAndLiterals) {
  if (IsStandardUnfocused() && !ActiveProperties()->AlwaysShowBlanksAndLiterals())
    return FMode->GetUpdatedText(AValue, AMatchForBlanksAndLiterals);
  return FMode->GetFormattedText(AValue, AMatchForBlanksAndLiterals);
}

void TcxCustomMaskEdit::WriteDisplayValue(const Variant& ADisplayValue) {
  if (!ModeMasked() || ComponentState().Contains(csLoading))
    return TcxCustomTextEdit::SetInternalDisplayValue(ADisplayValue);
  TcxCustomTextEdit::SetInternalDisplayValue(Variant(MaskedDisplayText(VarToStr(ADisplayValue), true)));
  if (CanSynchronizeModeText()) FMode->SetText(Text());
}

void TcxCustomMaskEdit::SetEditText(const String& Value) {
  WriteDisplayValue(Variant(Value));
  SetEditValue(Variant(ModeMasked() ? FText : Text()));
}

void TcxCustomMaskEdit::HandleTextChange() {
  if (ModeMasked()) FText = FMode->GetUpdatedText(Text(), true);
  TcxCustomTextEdit::HandleTextChange();
}

void TcxCustomMaskEdit::PrepareEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool AEditFocused) {
  bool throughMask = ModeMasked() && (AEditFocused || FMode->ModeMaskKind() != emkStandard);
  if (ModeMasked() && !throughMask && ActiveProperties()->AlwaysShowBlanksAndLiterals()) {
    auto* standard = dynamic_cast<TcxMaskEditStandardMode*>(FMode.get());
    throughMask = standard && !standard->Mask().SaveLiteralCharacters();
  }
  if (throughMask)
    AEditValue = Variant(FMode->GetUpdatedText(VarToStr(ADisplayValue), true));
  else
    TcxCustomTextEdit::PrepareEditValue(ADisplayValue, AEditValue, AEditFocused);
}

void TcxCustomMaskEdit::ReapplyDisplayValue() {
  Variant display;
  ActiveProperties()->PrepareDisplayValue(EditValue(), display, InternalFocused());
  WriteDisplayValue(display);
}

void TcxCustomMaskEdit::Loaded() {
  TcxCustomTextEdit::Loaded();
  LockChangeEvents(true);
  struct TUnlock {
    TcxCustomEdit* Edit;
    ~TUnlock() { Edit->LockChangeEvents(false); }
  } unlock{this};
  ReapplyDisplayValue();
}

// The mask judges a masked value; the text edit's checks an unmasked one.
bool TcxCustomMaskEdit::ValidateEditByOptions(bool AForce) {
  if (ModeMasked()) return TcxCustomEdit::ValidateEditByOptions(AForce);
  return TcxCustomTextEdit::ValidateEditByOptions(AForce);
}

// ---------------------------------------------------------------- clipboard

bool TcxCustomMaskEdit::PrepareSelTextReplacement(const String& AText, String& ANewText, int& ACaret) {
  if (!ModeMasked()) return TcxCustomTextEdit::PrepareSelTextReplacement(AText, ANewText, ACaret);
  if (IsUserAction() && (GetEffectiveReadOnly() || !DoEditing())) return false;
  if (FMode->GetPasteText(AText, ANewText, ACaret)) return true;
  if (!AText.empty()) FMode->BeepOnError();
  return false;
}

void TcxCustomMaskEdit::SetSelText(const String& Value) {
  if (!ModeMasked()) return TcxCustomTextEdit::SetSelText(Value);
  FMode->SetClipboardTextLength(static_cast<int>(Value.size()));
  FMode->PrePasteFromClipboard();
  TcxCustomTextEdit::SetSelText(Value);
  FMode->SetClipboardTextLength(0);
  FMode->AfterPasteFromClipboard();
}

void TcxCustomMaskEdit::PasteFromClipboard() {
  if (!ModeMasked()) return TcxCustomTextEdit::PasteFromClipboard();
  if (!Clipboard()->HasFormat(CF_UNICODETEXT) || !InnerTextEdit()) return;
  SetSelText(ClipboardUnicodeText());
}

// Clearing blanks the selection as Delete does, keeping the mask's positions.
void TcxCustomMaskEdit::ClearSelection() {
  if (!ModeMasked()) return TcxCustomTextEdit::ClearSelection();
  if (SelLength() > 0 && !GetEffectiveReadOnly()) FMode->PressDelete();
}

void TcxCustomMaskEdit::CutToClipboard() {
  if (!ModeMasked()) return TcxCustomTextEdit::CutToClipboard();
  if (SelLength() == 0 || !InnerTextEdit()) return;
  if (Focused() && (GetEffectiveReadOnly() || !DoEditing())) return;
  InnerTextEdit()->CopyToClipboard();
  if (FMode->PressDelete()) SendMyMessage(WM_CHAR, VK_BACK);
}

// ---------------------------------------------------------------- keys

void TcxCustomMaskEdit::SendMyMessage(UINT AMsg, WPARAM AParam) {
  TcxCustomInnerTextEdit* inner = InnerEditControl();
  if (!inner || !inner->HandleAllocated()) return;
  const bool was = FMyMessage;
  FMyMessage = true;
  struct TRestore {
    bool& Flag;
    bool Value;
    ~TRestore() { Flag = Value; }
  } restore{FMyMessage, was};
  SendMessageW(inner->Handle(), AMsg, AParam, AMsg == WM_KEYDOWN ? 1 : 0);
}

void TcxCustomMaskEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (!FMyMessage) TcxCustomTextEdit::KeyDown(Key, Shift);
}

void TcxCustomMaskEdit::KeyPress(wchar_t& Key) {
  if (!FMyMessage) TcxCustomTextEdit::KeyPress(Key);
}

bool TcxCustomMaskEdit::HandleArrowKey(uint16_t Key, TShiftState Shift) {
  const bool left = Key == VK_LEFT;
  if (Shift.Contains(ssCtrl)) {
    SendMyMessage(WM_KEYDOWN, left ? VK_HOME : VK_END);
    return left ? FMode->PressHome() : FMode->PressEnd();
  }
  const bool atBound = left ? FMode->IsCursorBegin() : FMode->IsCursorEnd();
  if (left ? FMode->PressLeft() : FMode->PressRight()) return true;
  if (atBound && OnAfterKeyDown) OnAfterKeyDown(this, Key, Shift);
  return false;
}

void TcxCustomMaskEdit::HandleEditKeyDown(uint16_t& Key, TShiftState Shift) {
  TcxCustomMaskEditProperties* properties = ActiveProperties();
  if (!ModeMasked() || (properties->ClearKey() != 0 && ShortCut(Key, Shift) == properties->ClearKey()) ||
      IsOwnKey(Key, Shift))
    return TcxCustomTextEdit::HandleEditKeyDown(Key, Shift);
  auto dropKey = [&] {
    if (OnAfterKeyDown) OnAfterKeyDown(this, Key, Shift);
    Key = 0;
  };
  const bool editingKey = Key == VK_DELETE || (Key == VK_INSERT && Shift.Contains(ssShift));
  if (editingKey && (GetEffectiveReadOnly() || (!DataBinding()->Modified() && !DoEditing()))) return dropKey();
  if (Key != VK_TAB) FShiftOn = Shift.Contains(ssShift);
  bool pass = true;
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
      return dropKey();
    case VK_LEFT:
    case VK_RIGHT:
      pass = HandleArrowKey(Key, Shift);
      break;
    case VK_DELETE:
      if (!Shift.Contains(ssShift))
        pass = FMode->PressDelete();
      else if (SelLength() == 0)
        pass = FMode->PressBackSpace();
      else
        pass = (CutToClipboard(), false);
      break;
    case VK_INSERT:
      // The native paste would bypass the mask.
      if (Shift.Contains(ssShift)) pass = (PasteFromClipboard(), false);
      break;
    case VK_HOME:
      pass = FMode->PressHome();
      break;
    case VK_END:
      pass = FMode->PressEnd();
      break;
    default:
      break;
  }
  if (!pass) {
    Key = 0;
    return;
  }
  TcxCustomTextEdit::HandleEditKeyDown(Key, Shift);
}

void TcxCustomMaskEdit::HandleEditKeyPress(wchar_t& Key) {
  if (!ModeMasked()) return TcxCustomTextEdit::HandleEditKeyPress(Key);
  switch (Key) {
    case L'\t':
    case 27:
      Key = 0;
      return;
    case 1:
    case 3:
    case 22:
    case 24:
      return TcxCustomTextEdit::HandleEditKeyPress(Key);
    default:
      break;
  }
  TcxCustomEdit::HandleEditKeyPress(Key);
  if (Key == 0 || Key == L'\r') return;
  // Other control characters (the native undo among them) would bypass
  // the mask.
  if ((Key < 32 && Key != VK_BACK) || GetEffectiveReadOnly()) {
    Key = 0;
    return;
  }
  const bool pass = Key == VK_BACK ? FMode->PressBackSpace() : FMode->PressSymbol(Key);
  if (!pass) Key = 0;
}

// ---------------------------------------------------------------- focus and mouse

void TcxCustomMaskEdit::DoEnter() {
  TcxCustomTextEdit::DoEnter();
  if (ModeMasked() && ActiveProperties()->AutoSelect()) FMode->GotoEnd();
}

void TcxCustomMaskEdit::DblClick() {
  TcxCustomTextEdit::DblClick();
  if (!ModeMasked()) return;
  FMode->GotoEnd();
  FMode->LMouseDown();
}

void TcxCustomMaskEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxCustomTextEdit::MouseDown(Button, Shift, X, Y);
  if (Button == mbLeft && ModeMasked()) FMode->LMouseDown();
}

// The native control places the caret after the press has been seen, so
// the release makes it the block caret again.
void TcxCustomMaskEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxCustomTextEdit::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft && ModeMasked()) FMode->LMouseDown();
}

void TcxCustomMaskEdit::MouseMove(TShiftState Shift, int X, int Y) {
  TcxCustomTextEdit::MouseMove(Shift, X, Y);
  if (!Shift.Contains(ssLeft) || !ModeMasked()) return;
  const bool shiftOn = FShiftOn;
  FShiftOn = true;
  FMode->LMouseDown();
  FShiftOn = shiftOn;
}

void TcxCustomMaskEdit::LockInnerRedraw() {
  if (InnerControl() && InnerControl()->HandleAllocated()) SendMessageW(InnerControl()->Handle(), WM_SETREDRAW, 0, 0);
}

void TcxCustomMaskEdit::UnlockInnerRedraw() {
  if (!InnerControl() || !InnerControl()->HandleAllocated()) return;
  SendMessageW(InnerControl()->Handle(), WM_SETREDRAW, 1, 0);
  InnerControl()->Invalidate();
}
