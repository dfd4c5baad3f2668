// The text edit control: the inner EDIT and the lookup data it owns, the
// display text and edit value kept in step, selection and clipboard by the
// editing style, incremental search, layout and painting, and the unit's
// registration.
#include "components/core/dxCore.h"
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxEditUtils.h"
#include "components/editors/cxFilterControlUtils.h"
#include "components/editors/cxTextEdit.h"
#include "vcl/controls/Messages.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/SysUtils.h"

#include <algorithm>
#include <climits>

namespace {

String ClipboardText() {
  String text;
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace

TcxCustomEditClass TcxCustomTextEditProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxTextEdit>();
}

// ---------------------------------------------------------------- construction

TcxCustomTextEdit::TcxCustomTextEdit(TComponent* AOwner, bool AIsInplace)
    : TcxCustomEdit(AOwner, AIsInplace) {
  SetBounds(Left(), Top(), 121, 21);
}

TcxCustomTextEdit::~TcxCustomTextEdit() {
  if (TcxFormatController* controller = cxFormatControllerInstance()) controller->RemoveListener(this);
  if (FInnerEdit) {
    FInnerEdit->OnChange = nullptr;
    FInnerEdit->OnSelChange = nullptr;
    SetInnerControl(nullptr);
  }
  FLookupData.reset();
}

void TcxCustomTextEdit::InitializeTextEdit() {
  if (FInnerEdit || FIsInitializing) return;
  FIsInitializing = true;
  TcxCustomTextEditProperties* properties = ActiveProperties();
  FInnerEdit = GetInnerEditClass().Create(this);
  FInnerEdit->SetParent(this);
  FInnerEdit->OnChange = [this](TObject*) { HandleTextChange(); };
  SetInnerControl(FInnerEdit);
  if (properties->HasLookupData()) {
    FLookupData.reset(properties->LookupDataClassType().Create(this));
    FLookupData->OnSelectItem = [this](TObject* Sender) { ApplyLookupSelection(Sender); };
  }
  if (TcxFormatController* controller = cxFormatControllerInstance()) controller->AddListener(this);
  FIsInitializing = false;
  HandlePropertiesChanged(properties);
  SynchronizeDisplayValue();
}

IcxInnerTextEdit* TcxCustomTextEdit::InnerTextEdit() {
  InitializeTextEdit();
  return FInnerEdit ? FInnerEdit->Helper() : nullptr;
}

TcxCustomInnerTextEdit* TcxCustomTextEdit::InnerEditControl() {
  InitializeTextEdit();
  return FInnerEdit;
}

// ---------------------------------------------------------------- display text and value

String TcxCustomTextEdit::GetCurrentDisplayText() { return FInnerEdit ? FInnerEdit->Text() : String(); }

void TcxCustomTextEdit::SetInternalDisplayValue(const Variant& Value) {
  if (InnerTextEdit()) InnerTextEdit()->SetEditValue(Value);
}

void TcxCustomTextEdit::StoreDisplayValue(const Variant& ADisplayValue) {
  DataBinding()->SetDisplayValue(ADisplayValue);
  if (IsUserAction()) return;
  ResetFindSelection();
  UpdateEditValueFromDisplay();
  SetEditModified(false);
}

bool TcxCustomTextEdit::InternalSetDisplayText(const String& AText) {
  Variant display(AText);
  if (!ActiveProperties()->IsDisplayValueValid(display, InternalFocused())) return false;
  if (IsUserAction() && !DoEditing()) return false;
  StoreDisplayValue(display);
  return true;
}

void TcxCustomTextEdit::SetEditingText(const String& Value) {
  if (!DoEditing()) return;
  AsUserAction(true, [&] { return InternalSetDisplayText(Value); });
  SetModifiedAfterEnter(true);
}

void TcxCustomTextEdit::SynchronizeDisplayValue() {
  if (!FInnerEdit) return;
  TcxCustomTextEditProperties* properties = ActiveProperties();
  const bool focused = InternalFocused();
  Variant editValue = EditValue();
  Variant display;
  if (properties->IsEditValueValid(editValue, focused)) {
    properties->PrepareDisplayValue(editValue, display, focused);
  } else if (focused) {
    display = properties->EmptyFocusedDisplayValue();
  } else {
    try {
      display = Variant(VarType(editValue) == varDate ? DateTimeToStr(editValue.AsDateTime())
                                                      : VarToStr(editValue));
    } catch (const EVariantError&) {
      display = Variant(String());
    }
  }
  SaveModified();
  FIsDisplayValueSynchronizing = true;
  try {
    DataBinding()->SetDisplayValue(display);
  } catch (...) {
    FIsDisplayValueSynchronizing = false;
    RestoreModified();
    throw;
  }
  FIsDisplayValueSynchronizing = false;
  RestoreModified();
  ResetFindSelection();
  RefreshDrawnValue();
}

void TcxCustomTextEdit::UpdateEditValueFromDisplay() {
  Variant editValue;
  PrepareEditValue(Variant(Text()), editValue, InternalFocused());
  const Variant previous = EditValue();
  WriteEditValue(editValue);
  const bool changed = ActiveProperties()->CanCompareEditValue() && !cxEditValuesEqual(editValue, previous);
  if (IsUserAction())
    SetModifiedAfterEnter(true);
  else
    SetEditModified(false);
  if (!changed) return;
  DoEditValueChanged();
  if (!ActiveProperties()->UsesDisplayValue()) DoChange();
}

void TcxCustomTextEdit::HandleTextChange() {
  if (FIsInitializing) return;
  // Asked once: every question goes to the window system, on every key.
  const bool focused = IsFocusInside();
  LockChangeEvents(true);
  try {
    if (FIsDisplayValueSynchronizing) SaveModified();
    // Text set by the program while unfocused is not a person's change.
    if (focused || FIsDisplayValueSynchronizing) HandleTextChangeWithFocus(focused);
    else DoChange();
    if (FIsDisplayValueSynchronizing) RestoreModified();
  } catch (...) {
    LockChangeEvents(false);
    throw;
  }
  LockChangeEvents(false);
  // A standalone editor's inner edit draws its own text.
  if (!TextViewInfo()->IsEditClass || !TextViewInfo()->HasInnerEdit) RefreshDrawnValue();
  TcxCustomTextEditProperties* properties = ActiveProperties();
  if (focused && properties->IsNumericValueEditor() && properties->UsesDigitGrouping()) RegroupDigitsKeepingCaret();
}

// The caret stays after the same digits: separators it passed do not count.
void TcxCustomTextEdit::RegroupDigitsKeepingCaret() {
  const String text = Text();
  const String grouped = cxInsertThousandSeparators(text);
  if (grouped == text || !cxIsGroupedNumberText(grouped)) return;
  const Char separator = FormatSettings.ThousandSeparator;
  const int caret = InnerTextEdit()->GetSelStart();
  const int kept = static_cast<int>(std::count_if(text.begin(), text.begin() + std::min<size_t>(caret, text.size()),
                                                  [&](Char c) { return c != separator; }));
  DataBinding()->SetDisplayValue(Variant(grouped));
  int position = 0;
  for (int passed = 0; position < static_cast<int>(grouped.size()) && passed < kept; ++position)
    if (grouped[position] != separator) ++passed;
  InnerTextEdit()->SetSelStart(position);
}

// A completion from the lookup items is validated as the item's own text.
void TcxCustomTextEdit::ValidateDisplayValueIfAllowed(Variant& ADisplayValue, String& AErrorText, bool& AError) {
  if (ActiveProperties()->CurrentEditingStyle() == esEdit && FLookupData && FFindSelection) {
    const String item = FLookupData->GetDisplayText(FLookupData->GetCurrentKey());
    if (!item.empty() && !AnsiSameText(item, VarToStr(ADisplayValue))) ADisplayValue = Variant(item);
  }
  TcxCustomEdit::ValidateDisplayValueIfAllowed(ADisplayValue, AErrorText, AError);
}

void TcxCustomTextEdit::SetValidatedDisplayValue(const Variant& ADisplayValue) {
  if (ActiveProperties()->CurrentEditingStyle() == esEdit && FLookupData && !FLookupData->Find(VarToStr(ADisplayValue)))
    DoNewLookupDisplayText(VarToStr(ADisplayValue));
  TcxCustomEdit::SetValidatedDisplayValue(ADisplayValue);
}

void TcxCustomTextEdit::DoNewLookupDisplayText(const String& AText) {
  if (Properties()->OnNewLookupDisplayText) Properties()->OnNewLookupDisplayText(this, AText);
  if (RepositoryItem() && ActiveProperties()->OnNewLookupDisplayText)
    ActiveProperties()->OnNewLookupDisplayText(this, AText);
}

void TcxCustomTextEdit::HandlePropertiesChanged(TObject* Sender) {
  if (FIsInitializing) return;
  TcxCustomTextEditProperties* properties = ActiveProperties();
  if (FLookupData) {
    FLookupData->PropertiesChanged();
    if (!FLookupDataTextChangedLocked) FLookupData->TextChanged();
  }
  if (IcxInnerTextEdit* inner = FInnerEdit ? FInnerEdit->Helper() : nullptr) {
    inner->SetAlignment(properties->Alignment()->Horz());
    inner->SetUseLeftAlignmentOnEditing(properties->UseLeftAlignmentOnEditing());
    if (!IsInplace()) inner->SetAutoSelect(properties->AutoSelect());
    inner->SetCharCase(properties->CharCase());
    inner->SetEchoMode(properties->EchoMode());
    inner->SetHideSelection(properties->HideSelection());
    inner->SetImeMode(properties->ImeMode());
    inner->SetImeName(properties->ImeName());
    inner->SetMaxLength(properties->MaxLength());
    inner->SetOEMConvert(properties->OEMConvert());
    inner->SetPasswordChar(properties->PasswordChar());
    inner->SetReadOnly(GetEffectiveReadOnly());
  }
  if (!IsPosting() && FInnerEdit && !ModifiedAfterEnter()) SynchronizeDisplayValue();
  RefreshDrawnValue();
  TcxCustomEdit::HandlePropertiesChanged(Sender);
  if (FInnerEdit) FInnerEdit->Invalidate();
}

void TcxCustomTextEdit::NotifyFormatsChanged() {
  ActiveProperties()->Changed();
  SynchronizeDisplayValue();
}

// ---------------------------------------------------------------- selection and clipboard

int TcxCustomTextEdit::SelStart() {
  const TcxEditEditingStyle style = ActiveProperties()->CurrentEditingStyle();
  if (style == esNoEdit || (style == esFixedList && !FFindSelection) || !InnerTextEdit()) return 0;
  return InnerTextEdit()->GetSelStart();
}

int TcxCustomTextEdit::SelLength() {
  const TcxEditEditingStyle style = ActiveProperties()->CurrentEditingStyle();
  if (style == esNoEdit || (style == esFixedList && !FFindSelection) || !InnerTextEdit()) return 0;
  return InnerTextEdit()->GetSelLength();
}

String TcxCustomTextEdit::SelText() { return SelLength() > 0 ? InnerTextEdit()->GetSelText() : String(); }

void TcxCustomTextEdit::SetSelStart(int Value) {
  if (ActiveProperties()->CurrentEditingStyle() != esNoEdit && InnerTextEdit()) InnerTextEdit()->SetSelStart(Value);
}

void TcxCustomTextEdit::SetSelLength(int Value) {
  if (ActiveProperties()->CurrentEditingStyle() != esNoEdit && InnerTextEdit()) InnerTextEdit()->SetSelLength(Value);
}

void TcxCustomTextEdit::SetSelection(int ASelStart, int ASelLength) {
  SetSelStart(ASelStart);
  SetSelLength(ASelLength);
}

void TcxCustomTextEdit::SelectAll() {
  if (InnerTextEdit()) InnerTextEdit()->SelectAll();
}

int TcxCustomTextEdit::CursorPos() { return FInnerEdit ? FInnerEdit->CaretCharIndex() : 0; }

// A replacement the editor may not take is refused whole: what was typed
// before stays as it was, nothing is cut off.
bool TcxCustomTextEdit::PrepareSelTextReplacement(const String& AText, String& ANewText, int& ACaret) {
  const TcxEditEditingStyle style = ActiveProperties()->CurrentEditingStyle();
  if (IsUserAction() && style == esNoEdit) return false;
  if (style == esFixedList || style == esNoEdit) SelectAll();
  const String text = Text();
  const int start = InnerTextEdit()->GetSelStart(), length = InnerTextEdit()->GetSelLength();
  ANewText = style == esFixedList ? AText : Copy(text, 1, start) + AText + Copy(text, start + length + 1, INT_MAX);
  ACaret = start + static_cast<int>(AText.size());
  const int maxLength = ActiveProperties()->MaxLength();
  if (IsUserAction() && style == esEdit && maxLength >= 1 && static_cast<int>(ANewText.size()) > maxLength)
    return false;
  Variant display(ANewText);
  if (!ActiveProperties()->IsDisplayValueValid(display, InternalFocused())) return false;
  if (IsUserAction() && !DoEditing()) return false;
  ANewText = VarToStr(display);
  return true;
}

void TcxCustomTextEdit::SetSelText(const String& Value) {
  if (!InnerTextEdit()) return;
  AsUserAction(Focused() || FIsChangeBySpellChecker, [&] {
    String newText;
    int caret;
    if (!PrepareSelTextReplacement(Value, newText, caret)) return false;
    StoreDisplayValue(Variant(newText));
    InnerTextEdit()->SetSelStart(caret);
    return true;
  });
}

void TcxCustomTextEdit::ClearSelection() {
  if (SelLength() == 0) return;
  AsUserAction(Focused() || FIsChangeBySpellChecker || IsUserAction(), [&] {
    const int start = SelStart();
    String text = Text();
    text.erase(start, SelLength());
    if (!InternalSetDisplayText(text)) return false;
    InnerTextEdit()->SetSelStart(start);
    return true;
  });
}

void TcxCustomTextEdit::CopyToClipboard() {
  const TcxEditEditingStyle style = ActiveProperties()->CurrentEditingStyle();
  if (style == esFixedList || style == esNoEdit) SelectAll();
  if (InnerTextEdit() && InnerTextEdit()->GetSelLength() > 0) InnerTextEdit()->CopyToClipboard();
}

void TcxCustomTextEdit::CutToClipboard() {
  if (SelLength() == 0) return;
  if (!Focused()) {
    InnerTextEdit()->CopyToClipboard();
    SetSelText(String());
    return;
  }
  AsUserAction(true, [&] {
    String newText;
    int caret;
    if (!PrepareSelTextReplacement(String(), newText, caret)) return false;
    SendMessageW(FInnerEdit->Handle(), WM_CUT, 0, 0);
    return true;
  });
}

void TcxCustomTextEdit::PasteFromClipboard() {
  if (!IsClipboardFormatAvailable(CF_TEXT) || !InnerTextEdit()) return;
  const String text = ClipboardText();
  if (!Focused()) {
    SetSelText(text);
    return;
  }
  AsUserAction(true, [&] {
    String newText;
    int caret;
    if (!PrepareSelTextReplacement(text, newText, caret)) {
      if (ActiveProperties()->BeepOnError()) Beep();
      return false;
    }
    SendMessageW(FInnerEdit->Handle(), WM_PASTE, 0, 0);
    return true;
  });
}

String TcxCustomTextEdit::TextHint() { return InnerTextEdit() ? InnerTextEdit()->GetTextHint() : String(); }

void TcxCustomTextEdit::SetTextHint(const String& Value) {
  if (InnerTextEdit()) InnerTextEdit()->SetTextHint(Value);
}

// ---------------------------------------------------------------- spelling

bool TcxCustomTextEdit::IsSpellCheckAllowed() {
  return ActiveProperties()->EchoMode() == eemNormal && !GetEffectiveReadOnly() && CanModify();
}

void TcxCustomTextEdit::ReplaceTextBySpellChecker(const String& AText, bool APost) {
  AsSpellCheckerChange([&] { SetSelText(AText); });
  if (APost && CanPostAfterSpellChange()) PostSpellCheckedText();
  SetModifiedAfterEnter(true);
}

void TcxCustomTextEdit::PostSpellCheckedText() {
  LockChangeEvents(true);
  try {
    AsUserAction(true, [&] { UpdateEditValueFromDisplay(); });
    CommitEditValue(false);
  } catch (...) {
    LockChangeEvents(false);
    throw;
  }
  LockChangeEvents(false);
}

// The range is replaced in the native control, so that Undo takes it back.
// Its hide-selection style stays: changing it would make a new window and
// lose the undo step.
void TcxCustomTextEdit::ReplaceBySpellChecker(const TcxSpellCheckerReplacement& AReplacement) {
  if (!FInnerEdit) return;
  AsSpellCheckerChange([&] {
    const HWND inner = FInnerEdit->Handle();
    SendMessageW(inner, EM_SETSEL, AReplacement.Start, AReplacement.Start + AReplacement.Length);
    SendMessageW(inner, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(AReplacement.Text ? AReplacement.Text : L""));
    SendMessageW(inner, EM_SETSEL, AReplacement.Caret, AReplacement.Caret);
  });
}

// ---------------------------------------------------------------- lookup items as a list of values

int TcxCustomTextEdit::ItemIndex() { return FLookupData ? FLookupData->CurrentKey() : -1; }

TObject* TcxCustomTextEdit::ItemObject() {
  const int index = ItemIndex();
  return index < 0 ? nullptr : ActiveProperties()->LookupItems()->Objects(index);
}

void TcxCustomTextEdit::SetItemIndex(int Value) {
  if (!FLookupData) return;
  const int previous = ItemIndex();
  LockClick(true);
  try {
    FLookupData->SetCurrentKey(Variant(Value));
    const String text = FLookupData->GetDisplayText(FLookupData->GetCurrentKey());
    Variant editValue;
    PrepareEditValue(Variant(text), editValue, false);
    if (!cxEditValuesEqual(editValue, EditValue())) {
      FLookupDataTextChangedLocked = true;
      SetEditValue(editValue);
      FLookupDataTextChangedLocked = false;
    }
  } catch (...) {
    FLookupDataTextChangedLocked = false;
    LockClick(false);
    throw;
  }
  LockClick(false);
  if (ItemIndex() != previous) {
    SetEditModified(false);
    Click();
  }
}

void TcxCustomTextEdit::ApplyLookupSelection(TObject*) {
  const String text = FLookupData->GetDisplayText(FLookupData->GetCurrentKey());
  Variant editValue;
  PrepareEditValue(Variant(text), editValue, false);
  if (cxEditValuesEqual(editValue, EditValue()) && text == Text()) return;
  if (!DoEditing()) return;
  SaveModified();
  FLookupDataTextChangedLocked = true;
  try {
    SetInternalEditValue(editValue);
  } catch (...) {
    FLookupDataTextChangedLocked = false;
    RestoreModified();
    throw;
  }
  FLookupDataTextChangedLocked = false;
  RestoreModified();
  SetModifiedAfterEnter(true);
  SelectAll();
  ShortRefreshContainer(false);
}

void TcxCustomTextEdit::MarkModifiedAndClick(int APrevKey) {
  if (!FLookupData || FLookupData->CurrentKey() == APrevKey) return;
  SetModifiedAfterEnter(true);
  Click();
}

void TcxCustomTextEdit::GoLookup(TcxEditLookupDataGoDirection ADirection) {
  const int previous = FLookupData->CurrentKey();
  LockChangeEvents(true);
  LockClick(true);
  FLookupItemsScrolling = true;
  try {
    FLookupData->Go(ADirection, false);
  } catch (...) {
    FLookupItemsScrolling = false;
    LockClick(false);
    LockChangeEvents(false);
    throw;
  }
  FLookupItemsScrolling = false;
  LockClick(false);
  LockChangeEvents(false);
  MarkModifiedAndClick(previous);
  if (FLookupData->CurrentKey() != previous && ActiveProperties()->ImmediatePost() && CanPostEditValue() &&
      ValidateEditByOptions(false))
    CommitEditValue(false);
}

// ---------------------------------------------------------------- keys and incremental search

void TcxCustomTextEdit::SetFindSelection(bool Value) {
  if (!HandleAllocated() || FFindSelection == Value || FDisableRefresh) return;
  FFindSelection = Value;
  RefreshDrawnValue();
}

void TcxCustomTextEdit::ResetFindSelection() {
  if (ActiveProperties()->HasLookupData()) SetFindSelection(false);
}

bool TcxCustomTextEdit::IsEditingChar(wchar_t AChar) {
  return AChar == VK_BACK || AChar == 22 || AChar == 24 || AChar >= 32;
}

bool TcxCustomTextEdit::IsValidChar(wchar_t AChar) {
  return TcxCustomEdit::IsValidChar(AChar) || ActiveProperties()->ValidChars().test(AChar & 0xFF);
}

bool TcxCustomTextEdit::LocateAndComplete(String& AText) {
  String search = AText;
  const Char imeChar = InnerTextEdit()->GetImeLastChar();
  if (imeChar) search += imeChar;
  String tail;
  const bool found = FLookupData->Locate(search, tail, false);
  if (found) {
    AText = search;
    if (imeChar && !AText.empty()) {
      tail.insert(0, 1, AText.back());
      AText.pop_back();
    }
  }
  FFindSelection = found;
  if (AText.empty() && ActiveProperties()->CurrentEditingStyle() != esFixedList) {
    DataBinding()->SetDisplayValue(Variant(String()));
    FFindSelection = false;
  }
  if (found) {
    DataBinding()->SetDisplayValue(Variant(AText + tail));
    InnerTextEdit()->SetSelStart(static_cast<int>(AText.size()));
    InnerTextEdit()->SetSelLength(static_cast<int>(tail.size()));
  }
  RefreshDrawnValue();
  return found;
}

void TcxCustomTextEdit::HandleEditKeyDown(uint16_t& Key, TShiftState Shift) {
  TcxCustomTextEditProperties* properties = ActiveProperties();
  const TcxEditEditingStyle style = properties->CurrentEditingStyle();
  if (style == esFixedList && (Key == VK_LEFT || Key == VK_RIGHT || Key == VK_DELETE) &&
      ShortCut(Key, Shift) != properties->ClearKey()) {
    SetFindSelection(false);
    if (OnAfterKeyDown) OnAfterKeyDown(this, Key, Shift);
    Key = 0;
    return;
  }
  const uint16_t arrivedKey = Key;
  const bool prevFindSelection = FFindSelection;
  if (FInnerEdit) FInnerEdit->FInternalUpdating = true;
  TcxCustomEdit::HandleEditKeyDown(Key, Shift);
  if (arrivedKey == VK_RETURN && WasFindSelectionActive(prevFindSelection) && FLookupData) {
    FLookupData->SelectItem();
    SelectAll();
  }
  switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
      SetFindSelection(false);
      break;
    case VK_DELETE:
      if (style == esEditList) {
        if (OnAfterKeyDown) OnAfterKeyDown(this, Key, Shift);
        Key = 0;
      } else {
        SetFindSelection(false);
      }
      break;
    case VK_PRIOR: case VK_NEXT: case VK_UP: case VK_DOWN: case VK_HOME: case VK_END: {
      const bool listKey = Key != VK_HOME && Key != VK_END;
      if ((listKey || style == esFixedList) && FLookupData && CanNavigateLookup(false) && !FLookupData->IsEmpty()) {
        const bool ctrl = Shift.Contains(ssCtrl);
        TcxEditLookupDataGoDirection direction = egdNext;
        switch (Key) {
          case VK_PRIOR: direction = ctrl ? egdBegin : egdPageUp; break;
          case VK_NEXT: direction = ctrl ? egdEnd : egdPageDown; break;
          case VK_END: direction = egdEnd; break;
          case VK_HOME: direction = egdBegin; break;
          case VK_UP: direction = egdPrev; break;
          default: direction = egdNext; break;
        }
        GoLookup(direction);
        Key = 0;
      } else if (listKey && !InnerTextEdit()->GetMultiLine()) {
        if (OnAfterKeyDown) OnAfterKeyDown(this, Key, Shift);
        Key = 0;
      }
      break;
    }
    default:
      break;
  }
  if (Key == VK_END && SelLength() == 0 && style != esFixedList) SetFindSelection(false);
  if (Key != 0 && FInnerEdit) FInnerEdit->FInternalUpdating = false;
}

void TcxCustomTextEdit::HandleEditKeyPress(wchar_t& Key) {
  if (FInnerEdit) FInnerEdit->FInternalUpdating = true;
  TcxCustomEdit::HandleEditKeyPress(Key);
  if (Key == 0) return;
  FLookupDataTextChangedLocked = false;
  TcxCustomTextEditProperties* properties = ActiveProperties();
  const TcxEditEditingStyle style = properties->CurrentEditingStyle();
  // Paste and cut go through the editor, so that MaxLength and the list
  // styles decide before the native control changes the text.
  if (Key == 22 || Key == 24) {
    if (Key == 22)
      PasteFromClipboard();
    else
      CutToClipboard();
    Key = 0;
    return;
  }
  AsUserAction(true, [&] {
    if (style == esFixedList && Key == VK_BACK && !properties->FixedListSelection()) {
      SetFindSelection(false);
      Key = 0;
      return 0;
    }
    const int prevKey = FLookupData ? FLookupData->CurrentKey() : -1;
    LockClick(true);
    struct TUnlock {
      TcxCustomTextEdit* Edit;
      ~TUnlock() { Edit->LockClick(false); }
    } unlock{this};
    // Free text over no items has nothing to complete.
    const bool searches = FLookupData && properties->CanSearchIncrementally() &&
                          (style != esEdit || !FLookupData->IsEmpty());
    if (!searches) return 0;
    const String text = Text();
    const int selStart = InnerTextEdit()->GetSelStart(), selLength = InnerTextEdit()->GetSelLength();
    bool found = false;
    if (Key == VK_BACK) {
      if (style == esEditList && !text.empty() && !FFindSelection) {
        InnerTextEdit()->SetSelLength(static_cast<int>(text.size()) - selStart);
        FFindSelection = true;
      }
      if (FFindSelection) {
        String typed = Copy(Text(), 1, InnerTextEdit()->GetSelStart());
        if (!typed.empty()) typed.pop_back();
        FLookupDataTextChangedLocked = true;
        found = LocateAndComplete(typed);
        FLookupDataTextChangedLocked = false;
        if (style != esFixedList) Key = 0;
      }
      if (style == esFixedList) Key = 0;
    } else if (Key >= 32 &&
               (style != esEdit || selLength > 0 || FFindSelection || selStart == static_cast<int>(text.size()))) {
      FLookupDataTextChangedLocked = true;
      String search;
      if (selLength > 0) {
        search = Copy(text, 1, selStart) + Key;
      } else if (style != esFixedList) {
        search = Copy(text, 1, selStart) + Key + Copy(text, selStart + 1, INT_MAX);
      } else if (FFindSelection) {
        search = Copy(text, 1, selStart) + Key;
        found = LocateAndComplete(search);
        if (!found) search = String(1, Key);
      } else {
        search = String(1, Key);
      }
      if (!found) found = LocateAndComplete(search);
      if (!found && style == esFixedList && !properties->FixedListSelection()) {
        search = String(1, Key);
        found = LocateAndComplete(search);
      }
      FLookupDataTextChangedLocked = false;
      if (!found && (style == esEditList || style == esFixedList)) {
        Key = 0;
        if (style == esEditList && !Text().empty()) FFindSelection = true;
        if (style == esFixedList && properties->FixedListSelection()) FFindSelection = true;
      }
    }
    if (found) Key = 0;
    if (FLookupData) MarkModifiedAndClick(prevKey);
    return 0;
  });
  if (Key != 0 && FInnerEdit) FInnerEdit->FInternalUpdating = false;
}

// ---------------------------------------------------------------- window, layout and painting

void TcxCustomTextEdit::CreateWnd() {
  InitializeTextEdit();
  TcxCustomEdit::CreateWnd();
}

// The focus moving between the editor's window and its inner edit is no
// entering or leaving.
bool TcxCustomTextEdit::IsFocusInside() {
  const HWND focus = GetFocus();
  return focus && HandleAllocated() && (focus == Handle() || (FInnerEdit && FInnerEdit->HandleAllocated() &&
                                                              focus == FInnerEdit->Handle()));
}

void TcxCustomTextEdit::DoEnter() {
  if (FEntered) return;
  FEntered = true;
  TcxCustomEdit::DoEnter();
  RefreshDrawnValue();
}

void TcxCustomTextEdit::DoExit() {
  if (!FEntered || IsFocusInside()) return;
  FEntered = false;
  TcxCustomEdit::DoExit();
  ResetFindSelection();
}

void TcxCustomTextEdit::FocusAndSelectAll() {
  if (InnerTextEdit()) InnerTextEdit()->SetSelStart(0);
  TcxCustomEdit::FocusAndSelectAll();
}

// A key that activates the editor replaces the whole text when the inner
// edit selects on entering. The focus message itself is still processed:
// the editor's entering rides on it, and it must run before the key, or
// entering would put the stored text back over what the key typed.
void TcxCustomTextEdit::ActivationWindowProc(TMessage& Message) {
  TcxCustomEdit::ActivationWindowProc(Message);
  if (Message.Msg == WM_SETFOCUS && FInnerEdit && FInnerEdit->AutoSelect()) InnerTextEdit()->SelectAll();
}

void TcxCustomTextEdit::CalculateViewInfoAtPoint(const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                                                 bool AIsMouseEvent) {
  FLastMousePos = P;
  TcxCustomEdit::CalculateViewInfoAtPoint(P, Button, Shift, AIsMouseEvent);
}

// With an inner edit, what it holds is drawn (not yet the edit value).
void TcxCustomTextEdit::CalculateDrawValue(TcxCustomEditViewData* AViewData) {
  TcxCustomEdit::CalculateDrawValue(AViewData);
  if (FInnerEdit)
    static_cast<TcxCustomTextEditViewData*>(AViewData)->DisplayValueToDrawValue(Variant(Text()), TextViewInfo());
}

void TcxCustomTextEdit::RefreshDrawnValue() {
  if (!FInnerEdit || !HandleAllocated()) return;
  CalculateViewInfoAtPoint(FLastMousePos, cxmbNone, {}, false);
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

int TcxCustomTextEdit::InnerEditTextHeight() {
  if (!FInnerEdit) return 0;
  TcxScreenCanvas* canvas = cxSharedScreenCanvas();
  canvas->SetFont(FInnerEdit->Font());
  return cxDCTextHeight(canvas->Handle());
}

void TcxCustomTextEdit::AdjustInnerControlBounds() { AdjustInnerEditPosition(); }

void TcxCustomTextEdit::AdjustInnerEditPosition() {
  if (!FInnerEdit || FInnerEditPositionAdjusting || TextViewInfo()->ClientRect.IsEmpty()) return;
  FInnerEditPositionAdjusting = true;
  struct TReset {
    bool& Flag;
    ~TReset() { Flag = false; }
  } reset{FInnerEditPositionAdjusting};
  const TRect client = TextViewInfo()->ClientRect;
  std::unique_ptr<TcxCustomTextEditViewData> viewData(CreateTextViewData());
  const TRect offsets = viewData->EditContentParams.Offsets;
  const int height = InnerEditTextHeight();
  const int contentTop = client.Top + offsets.Top;
  int top = contentTop;
  switch (ActiveProperties()->Alignment()->Vert()) {
    case taBottomJustify: top = client.Bottom - height - offsets.Bottom; break;
    case taVCenter: top = client.Top + offsets.Top + (client.Height() - offsets.Top - offsets.Bottom - height) / 2; break;
    default: break;
  }
  top = std::max(top, contentTop);
  const TRect bounds(client.Left + offsets.Left, top, client.Right - offsets.Right + 1, top + height);
  if (FInnerEdit->BoundsRect() != bounds) FInnerEdit->TEdit::SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
}

// ---------------------------------------------------------------- messages

void TcxCustomTextEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETTEXT: {
      if (Message.WParam == 0) {
        Message.Result = 0;
        return;
      }
      const String text = Copy(GetCurrentDisplayText(), 1, static_cast<int>(Message.WParam) - 1);
      auto* buffer = reinterpret_cast<wchar_t*>(Message.LParam);
      std::copy(text.begin(), text.end(), buffer);
      buffer[text.size()] = 0;
      Message.Result = static_cast<LRESULT>(text.size());
      return;
    }
    case WM_GETTEXTLENGTH:
      Message.Result = static_cast<LRESULT>(GetCurrentDisplayText().size());
      return;
    case WM_SETTEXT:
      if (FInternalTextSetting || !FInnerEdit) break;
      FInternalTextSetting = true;
      try {
        Message.Result = InternalSetDisplayText(reinterpret_cast<const wchar_t*>(Message.LParam)) ? 1 : 0;
      } catch (...) {
        FInternalTextSetting = false;
        throw;
      }
      FInternalTextSetting = false;
      return;
    case WM_CLEAR:
      if (!ActiveProperties()->ReadOnly() && DataBinding()->IsDataAvailable())
        AsUserAction(true, [&] {
          ClearSelection();
          return 0;
        });
      return;
    case WM_CUT:
      return CutToClipboard();
    case WM_PASTE:
      return PasteFromClipboard();
    case WM_COPY:
      return CopyToClipboard();
    case cxWM_SPELLCHECKERREPLACE:
      if (Message.LParam) ReplaceBySpellChecker(*reinterpret_cast<const TcxSpellCheckerReplacement*>(Message.LParam));
      return;
    default:
      break;
  }
  TcxCustomEdit::WndProc(Message);
}

// ---------------------------------------------------------------- unit

const TUnitEntry cxTextEditUnit{L"cxTextEdit",
                                [] {
                                  cxEditPropertiesRegistry()->Register(TcxTextEditProperties::StaticClass(),
                                                                       L"TextEdit|Represents a single line text editor");
                                  cxFilterEditsRegistry()->Register(TcxTextEditProperties::StaticClass(),
                                                                    TcxFilterTextEditHelper::Instance());
                                },
                                [] {
                                  cxFilterEditsRegistry()->Unregister(TcxTextEditProperties::StaticClass(),
                                                                      TcxFilterTextEditHelper::Instance());
                                }};
