// The editor control: its edit value and modified state, the change events
// (collected while locked), entering and leaving, and posting through the
// data binding.
#include <windows.h>

#include "components/editors/cxEdit.h"
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxEditUtils.h"
#include "vcl/controls/Forms.h"

// ---------------------------------------------------------------- change events catcher

void TcxEditChangeEventsCatcher::Lock(bool ALock, bool AInvokeChangedOnUnlock) {
  if (ALock) {
    if (FLockCount == 0) OnChangeEvent = OnEditValueChangedEvent = false;
    ++FLockCount;
    return;
  }
  if (FLockCount == 0) return;
  if (--FLockCount == 0) {
    if (AInvokeChangedOnUnlock) InvokeEditChangedEvents();
    OnChangeEvent = OnEditValueChangedEvent = false;
  }
}

void TcxEditChangeEventsCatcher::InvokeEditChangedEvents() {
  if (FEdit->IsLoading() || FEdit->IsDestroying()) return;
  if (OnChangeEvent && FEdit->HasOnChange()) {
    OnChangeEvent = false;
    FEdit->DoOnChange();
  }
  if (OnEditValueChangedEvent && FEdit->HasOnEditValueChanged()) {
    OnEditValueChangedEvent = false;
    FEdit->DoOnEditValueChanged();
  }
}

// ---------------------------------------------------------------- data binding

TcxEditDataBinding::TcxEditDataBinding(TcxCustomEdit* AEdit) : FEdit(AEdit) {}

TcxEditDataBinding::~TcxEditDataBinding() = default;

IcxEditDefaultValuesProvider* TcxEditDataBinding::IDefaultValuesProvider() const {
  if (!FDefaultValuesProvider) FDefaultValuesProvider.reset(GetDefaultValuesProviderClass().Create(nullptr));
  return FDefaultValuesProvider.get();
}

bool TcxEditDataBinding::CanCheckEditorValue() { return FEdit->IsDesigning() || !FEdit->ModifiedAfterEnter(); }

bool TcxEditDataBinding::EnterEditMode() {
  FEdit->SetModifiedAfterEnter(true);
  return true;
}

void TcxEditDataBinding::RestoreValue() { FEdit->RestorePreviousEditValue(); }

void TcxEditDataBinding::SetModified() {
  if (FEdit->Focused()) FEdit->SetModifiedAfterEnter(true);
}

void TcxEditDataBinding::UpdateDisplayValue() { FEdit->SynchronizeDisplayValue(); }

Variant TcxEditDataBinding::ReadDisplayValue() { return Variant(FEdit->GetCurrentDisplayText()); }

bool TcxEditDataBinding::ReadEditing() { return FEdit->ModifiedAfterEnter(); }

bool TcxEditDataBinding::ReadIsDataAvailable() { return IDefaultValuesProvider()->IsDataAvailable(); }

bool TcxEditDataBinding::ReadModified() { return FEdit->ModifiedAfterEnter(); }

Variant TcxEditDataBinding::ReadStoredValue() { return FEdit->EditValue(); }

void TcxEditDataBinding::WriteDisplayValue(const Variant& Value) { FEdit->SetInternalDisplayValue(Value); }

// ---------------------------------------------------------------- container

bool TcxCustomEditContainer::IsCaptureInside() {
  if (!HandleAllocated()) return false;
  const HWND capture = GetCapture();
  return capture && (capture == Handle() || IsChild(Handle(), capture));
}

// ---------------------------------------------------------------- the edit

TcxCustomEdit::TcxCustomEdit(TComponent* AOwner, bool AIsInplace)
    : TcxCustomEditContainer(AOwner), FIsInplace(AIsInplace) {
  SetTabStop(true);
}

TcxCustomEdit::~TcxCustomEdit() {
  FFadingObject.reset();  // leaves the fader
  if (FWindowProcObject && cxGetWindowProcController()) cxGetWindowProcController()->Remove(FWindowProcObject);
  if (FRepositoryItem) FRepositoryItem->RemoveListener(this);
  if (!FProperties) return;
  FProperties->OnPropertiesChanged = nullptr;
  if (!FIsInplace) FProperties->SetIDefaultValuesProvider(nullptr);
  FDataBinding.reset();
}

void TcxCustomEdit::InitializeEdit() {
  if (FProperties) return;
  FProperties.reset(GetPropertiesClass().Create(this));
  FDataBinding.reset(GetDataBindingClass().Create(this));
  AttachOwnProperties();
  // An inplace edit takes every key a host's cell would; Tab moves on
  // through the edit itself.
  if (FIsInplace) SetKeys({kAll, kArrows, kTab});
  FDblClickTimer = std::make_unique<TcxTimer>(nullptr);
  FDblClickTimer->SetEnabled(false);
  FDblClickTimer->SetInterval(GetDoubleClickTime());
  FDblClickTimer->SetOnTimer([this](TObject*) { FDblClickTimer->SetEnabled(false); });
  RecreateStylesAndViewInfo();
  ViewInfo()->Edit = this;
}

void TcxCustomEdit::AttachOwnProperties() {
  FProperties->OnPropertiesChanged = [this](TObject* Sender) { HandlePropertiesChanged(Sender); };
  if (!FIsInplace) FProperties->SetIDefaultValuesProvider(FDataBinding->IDefaultValuesProvider());
}

TcxCustomEditProperties* TcxCustomEdit::ActiveProperties() {
  TcxCustomEditProperties* own = InternalProperties();
  if (!FRepositoryItem) return own;
  TcxCustomEditProperties* shared = FRepositoryItem->Properties();
  shared->SetIDefaultValuesProvider(FDataBinding->IDefaultValuesProvider());
  return shared;
}

// ---------------------------------------------------------------- repository item

bool TcxCustomEdit::IsRepositoryItemAcceptable(TcxEditRepositoryItem* AItem) {
  return !AItem || AItem->PropertiesInheritFrom(GetPropertiesClass().Class);
}

void TcxCustomEdit::SetRepositoryItem(TcxEditRepositoryItem* Value) {
  if (FRepositoryItem == Value) return;
  if (!IsRepositoryItemAcceptable(Value)) throw EcxEditError(dxTranslatedResString(cxSEditInvalidRepositoryItem));
  TcxCustomEditProperties* own = InternalProperties();
  RepositoryItemChanging();
  if (FRepositoryItem) FRepositoryItem->RemoveListener(this);
  FRepositoryItem = Value;
  if (FRepositoryItem) {
    FRepositoryItem->AddListener(this);
    own->SetIDefaultValuesProvider(nullptr);
    own->OnPropertiesChanged = nullptr;
    if (!IsLoading() && !IsDestroying()) HandlePropertiesChanged(ActiveProperties());
  } else if (!IsLoading() && !IsDestroying()) {
    AttachOwnProperties();
    HandlePropertiesChanged(own);
  }
  RepositoryItemChanged();
}

void TcxCustomEdit::ItemRemoved(TcxEditRepositoryItem* Sender) {
  FRepositoryItem = nullptr;
  if (!IsDestroying()) AttachOwnProperties();
}

void TcxCustomEdit::PropertiesChanged(TcxEditRepositoryItem* Sender) {
  if (!IsLoading() && !IsDestroying()) HandlePropertiesChanged(ActiveProperties());
}

bool TcxCustomEdit::IsReadOnly() { return ActiveProperties()->ReadOnly(); }

void TcxCustomEdit::HandlePropertiesChanged(TObject* Sender) {
  FIsEditValidated = false;
  if (GetEffectiveReadOnly()) SetModifiedAfterEnter(false);
  // The properties make an edit transparent, never opaque again.
  if (ActiveProperties()->Transparent()) SetTransparent(true);
  ShortRefreshContainer(false);
}

bool TcxCustomEdit::GetEffectiveReadOnly() { return ActiveProperties()->ReadOnly() || DataBinding()->IsDataReadOnly(); }

bool TcxCustomEdit::InternalFocused() { return !ActiveProperties()->ConversionDependsOnFocus() || Focused(); }

// ---------------------------------------------------------------- modified state

void TcxCustomEdit::SetModifiedAfterEnter(bool Value) {
  FModifiedAfterEnter = Value;
  if (Value) {
    FModified = true;
    FIsEditValidated = false;
  }
}

void TcxCustomEdit::SetEditModified(bool Value) {
  FModified = Value;
  if (!Value) FModifiedAfterEnter = false;
}

void TcxCustomEdit::SaveModified() { FPrevModifiedList.push_back({FModified, FModifiedAfterEnter}); }

void TcxCustomEdit::RestoreModified() {
  if (FPrevModifiedList.empty()) return;
  const TModifiedState state = FPrevModifiedList.back();
  FPrevModifiedList.pop_back();
  FModified = state.Modified;
  FModifiedAfterEnter = state.ModifiedAfterEnter;
}

// ---------------------------------------------------------------- edit value

Variant TcxCustomEdit::EditingValue() {
  if (Focused() && FModifiedAfterEnter && !FIsEditValidated) return GetTypedEditValue();
  return FEditValue;
}

void TcxCustomEdit::AssignEditValue(const Variant& Value) {
  if (FEditValueChangingLockCount > 0) return;
  LockClick(true);
  try {
    AssignInternalEditValue(Value);
  } catch (...) {
    LockClick(false);
    throw;
  }
  LockClick(false);
}

void TcxCustomEdit::AssignInternalEditValue(const Variant& Value) {
  if (FEditValueChangingLockCount > 0) return;
  if (FIsUserAction && !DoEditing()) return;
  StoreEditValue(Value, true);
}

void TcxCustomEdit::SetValidatableEditValue(const Variant& Value) {
  AsUserAction(true, [&] { SetEditValue(Value); });
}

void TcxCustomEdit::SetUserInternalEditValue(const Variant& Value) {
  AsUserAction(true, [&] { SetInternalEditValue(Value); });
}

void TcxCustomEdit::StoreEditValue(const Variant& Value, bool) {
  if (FIsUserAction && !DoEditing()) return;
  const bool changed = ActiveProperties()->CanCompareEditValue() && !cxEditValuesEqual(Value, FEditValue);
  WriteEditValue(Value);
  SynchronizeDisplayValue();
  if (FIsUserAction)
    SetModifiedAfterEnter(true);
  else
    SetEditModified(false);
  if (!changed) return;
  DoEditValueChanged();
  if (!ActiveProperties()->UsesDisplayValue()) DoChange();
}

// Esc: the value the edit had on enter, the edit still marked modified.
void TcxCustomEdit::RestorePreviousEditValue() {
  if (!FModifiedAfterEnter || !ActiveProperties()->IsResetEditClass()) return;
  LockChangeEvents(true);
  try {
    FModifiedAfterEnter = false;
    SetInternalEditValue(FPrevEditValue);
    FValidationError = FPrevValidationError;
    if (HandleAllocated()) PostMessageW(Handle(), DXM_CONTAINERSHORTREFRESH, 0, 0);
    FModified = true;
    SelectAll();
    if (ActiveProperties()->ImmediatePost() && CanPostEditValue()) CommitEditValue(false);
  } catch (...) {
    LockChangeEvents(false);
    throw;
  }
  LockChangeEvents(false);
}

bool TcxCustomEdit::DoEditing() {
  if (!IsEditingAllowed()) return false;
  if (DataBinding()->Modified()) return true;
  bool answer = CanModify();
  if (!answer) return false;
  const bool wasSetting = FEditModeSetting;
  FEditModeSetting = true;
  try {
    if (FIsInplace) {
      if (OnEditing) {
        LockEditValueChanging(true);
        try {
          OnEditing(this, answer);
        } catch (...) {
          LockEditValueChanging(false);
          throw;
        }
        LockEditValueChanging(false);
      }
    } else {
      const bool wasEditing = DataBinding()->Editing();
      if (OnEditing) OnEditing(this, answer);
      if (wasEditing && answer) {
        DataBinding()->SetModified();
      } else if (!wasEditing && answer) {
        LockEditValueChanging(true);
        try {
          answer = DataBinding()->EnterEditMode();
        } catch (...) {
          LockEditValueChanging(false);
          throw;
        }
        LockEditValueChanging(false);
      }
    }
  } catch (...) {
    FEditModeSetting = wasSetting;
    throw;
  }
  FEditModeSetting = wasSetting;
  return answer;
}

bool TcxCustomEdit::CanModify() {
  if (FIsInplace) return ActiveProperties()->IsModifiable();
  TcxCustomEditProperties* properties = ActiveProperties();
  if (properties->AssignedValues()->ReadOnly()) return !properties->ReadOnly();
  IcxEditDefaultValuesProvider* provider = DataBinding()->IDefaultValuesProvider();
  return provider->DefaultCanModify() && provider->CanSetEditMode();
}

void TcxCustomEdit::HandleTextChange() { HandleTextChangeWithFocus(Focused()); }

void TcxCustomEdit::HandleTextChangeWithFocus(bool AFocused) {
  if (AFocused)
    SetModifiedAfterEnter(true);
  else if (!ActiveProperties()->IsChanging())
    DataBinding()->SetModified();
  DoChange();
}

// ---------------------------------------------------------------- change notifications

bool TcxCustomEdit::HasOnChange() {
  return InternalProperties()->OnChange || ActiveProperties()->OnChange;
}

bool TcxCustomEdit::HasOnEditValueChanged() {
  return InternalProperties()->OnEditValueChanged || ActiveProperties()->OnEditValueChanged;
}

void TcxCustomEdit::FireChangeEvent(void (TcxCustomEdit::*AFire)()) {
  if (!FIsInplace) {
    (this->*AFire)();
    return;
  }
  SaveModified();
  FModified = FModifiedAfterEnter = true;
  try {
    (this->*AFire)();
  } catch (...) {
    RestoreModified();
    throw;
  }
  RestoreModified();
}

void TcxCustomEdit::DoChange() {
  if (IsLoading() || IsDestroying()) return;
  if (HasOnChange()) {
    if (AreChangeEventsLocked())
      FChangeEventsCatcher.OnChangeEvent = true;
    else
      FireChangeEvent(&TcxCustomEdit::DoOnChange);
  }
  if (!ActiveProperties()->UsesDisplayValue() && !ActiveProperties()->CanCompareEditValue()) DoEditValueChanged();
}

void TcxCustomEdit::DoEditValueChanged() {
  if (IsLoading() || IsDestroying() || !HasOnEditValueChanged()) return;
  if (AreChangeEventsLocked())
    FChangeEventsCatcher.OnEditValueChangedEvent = true;
  else
    FireChangeEvent(&TcxCustomEdit::DoOnEditValueChanged);
}

// The own properties' handler, then the repository item's.
void TcxCustomEdit::DoOnChange() {
  if (InternalProperties()->OnChange) InternalProperties()->OnChange(this);
  if (FRepositoryItem && ActiveProperties()->OnChange) ActiveProperties()->OnChange(this);
}

void TcxCustomEdit::DoOnEditValueChanged() {
  if (InternalProperties()->OnEditValueChanged) InternalProperties()->OnEditValueChanged(this);
  if (FRepositoryItem && ActiveProperties()->OnEditValueChanged) ActiveProperties()->OnEditValueChanged(this);
}

// ---------------------------------------------------------------- posting

bool TcxCustomEdit::CanPostEditValue() { return !IsDesigning() && DataBinding()->CanPostEditorValue(); }

void TcxCustomEdit::PostEditValue() {
  if (CanPostEditValue()) {
    CommitEditValue(true);
    return;
  }
  if (!Focused() || !DoEditing()) return;
  SetModifiedAfterEnter(true);
  FIsEditValidated = true;
  // A failed commit keeps the edit modified: what was typed is not posted.
  CommitEditValue(false);
  FModifiedAfterEnter = false;
}

void TcxCustomEdit::CommitEditValue(bool AValidateFirst) {
  if (AValidateFirst) {
    if (!AsUserAction(false, [&] { return ValidateEditByOptions(false); })) return;
  }
  // A failed post always reaches the caller, inplace or not: the editor
  // keeps the typed value and stays modified.
  BeginPosting();
  try {
    if (FIsInplace) {
      if (OnPostEditValue) OnPostEditValue(this);
      SetEditModified(false);
    } else if (DataBinding()->Modified()) {
      DataBinding()->SetStoredValue(FEditValue);
    }
  } catch (...) {
    EndPosting();
    if (ShouldProcessPostError()) ProcessValidationError(String(), ActiveProperties()->ValidationOptions(), false);
    throw;
  }
  EndPosting();
}

// ---------------------------------------------------------------- enter and exit

void TcxCustomEdit::DoEnter() {
  if (IsDestroying()) return;
  ProcessEnter();
  ShortRefreshContainer(false);
}

// The focus given back after a refused value is no new entering: the
// typed text and its modified state stay as they are.
void TcxCustomEdit::ProcessEnter() {
  if (FValidateErrorProcessing) return;
  SaveModified();
  TcxCustomEditContainer::DoEnter();
  if (NeedsDisplayValueRefreshOnFocus()) DataBinding()->UpdateDisplayValue();
  if (ActiveProperties()->IsResetEditClass()) {
    FPrevEditValue = FEditValue;
    FPrevValidationError = FValidationError;
  }
  if (NeedsDisplayValueRefreshOnFocus()) SynchronizeDisplayValue();
  RestoreModified();
  FModifiedAfterEnter = false;
}

void TcxCustomEdit::DoExit() {
  AsUserAction(false, [&] { ProcessExit(true); });
}

void TcxCustomEdit::ProcessExit(bool AFireExit) {
  if (IsDestroying() || FValidateErrorProcessing) return;
  SaveModified();
  FIsHiding = true;
  LockChangeEvents(true);
  try {
    // A cancelled modal form takes nothing of what was typed.
    if (ClosingModalResult() != mrCancel) {
      ValidateEditByOptions(false);
      if (!FIsInplace && CanPostEditValue()) CommitEditValue(false);
    }
  } catch (...) {
    LockChangeEvents(false);
    FIsHiding = false;
    RestoreModified();
    throw;
  }
  LockChangeEvents(false);
  if (NeedsDisplayValueRefreshOnFocus()) DataBinding()->UpdateDisplayValue();
  RefreshDrawnValue();
  ShortRefreshContainer(false);
  RestoreModified();
  if (AFireExit) TcxCustomEditContainer::DoExit();
  FModifiedAfterEnter = false;
  FIsHiding = false;
}

TModalResult TcxCustomEdit::ClosingModalResult() {
  TCustomForm* form = GetParentForm(this);
  return form && form->ModalClosing() ? form->ModalResult() : mrNone;
}

void TcxCustomEdit::DoFocusChanged() {
  RefreshDrawnValue();
  const TModalResult closing = ClosingModalResult();
  if (closing == mrNone || closing == mrCancel || IsDestroying()) return;
  LockChangeEvents(true);
  try {
    AsUserAction(false, [&] { ValidateEditByOptions(false); });
  } catch (...) {
    LockChangeEvents(false);
    throw;
  }
  LockChangeEvents(false);
}

// ---------------------------------------------------------------- keyboard

void TcxCustomEdit::Beep() { MessageBeep(0); }

bool TcxCustomEdit::IsValidChar(wchar_t AChar) {
  IcxEditDefaultValuesProvider* provider = ActiveProperties()->IDefaultValuesProvider();
  return !provider || provider->IsValidChar(AChar) || provider->IsOnSetTextAssigned();
}

void TcxCustomEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  FIsKeyPressHandled = false;
  if (!IsOwnKey(Key, Shift)) TcxCustomEditContainer::KeyDown(Key, Shift);
  if (Key != 0) HandleEditKeyDown(Key, Shift);
  if (Key != 0 && NeedsAfterKeyDownEvent(Key, Shift) && OnAfterKeyDown) OnAfterKeyDown(this, Key, Shift);
}

void TcxCustomEdit::HandleEditKeyDown(uint16_t& Key, TShiftState Shift) {
  TcxCustomEditProperties* properties = ActiveProperties();
  auto afterKeyDown = [&] {
    if (OnAfterKeyDown) OnAfterKeyDown(this, Key, Shift);
  };
  if (properties->ClearKey() != 0 && ShortCut(Key, Shift) == properties->ClearKey()) {
    LockChangeEvents(true);
    try {
      AsUserAction(true, [&] {
        SetInternalEditValue(GetClearValue());
        if (properties->ImmediatePost() && CanPostEditValue()) CommitEditValue(false);
      });
    } catch (...) {
      LockChangeEvents(false);
      throw;
    }
    LockChangeEvents(false);
    FIsEditValidated = true;
    Key = 0;
    return;
  }
  if (ShortCut(Key, Shift) == properties->ClickKey() && DefaultButton()) {
    // The key's character must not reach the edit as typing.
    MSG pending;
    while (PeekMessageW(&pending, Handle(), WM_CHAR, WM_CHAR, PM_REMOVE)) {
    }
    ClickDefaultButton();
    Key = 0;
    return;
  }
  switch (Key) {
    case VK_TAB:
      if (Shift.Contains(ssAlt) || Shift.Contains(ssCtrl) || !Focused() || properties->InnerEditWantsTabs()) return;
      HandleTabKey(Shift);
      afterKeyDown();
      if (Key == 0) return;
      Key = 0;
      MoveFocusOnTab(Shift);
      return;
    case VK_RETURN:
      if (!properties->ValidateOnEnter()) return;
      Key = 0;
      LockChangeEvents(true);
      try {
        if (ValidateEditByOptions(false) && CanPostEditValue()) CommitEditValue(false);
      } catch (...) {
        LockChangeEvents(false);
        throw;
      }
      LockChangeEvents(false);
      return;
    case VK_ESCAPE:
      if (!FModifiedAfterEnter || !properties->IsResetEditClass()) return;
      LockChangeEvents(true);
      try {
        Reset();
        FModified = true;
      } catch (...) {
        LockChangeEvents(false);
        throw;
      }
      LockChangeEvents(false);
      FIsKeyPressHandled = true;
      Key = 0;
      return;
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME:
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
      if (HandlesNavigationKeys()) return;
      afterKeyDown();
      Key = 0;
      return;
    default:
      return;
  }
}

void TcxCustomEdit::KeyPress(wchar_t& Key) {
  if (FIsKeyPressHandled) {
    FIsKeyPressHandled = false;
    Key = 0;
    return;
  }
  TcxCustomEditContainer::KeyPress(Key);
  if (Key != 0) HandleEditKeyPress(Key);
}

// A refused character beeps only where the properties ask for it.
void TcxCustomEdit::HandleEditKeyPress(wchar_t& Key) {
  if (cxIsPrintableChar(Key) && !IsValidChar(Key)) {
    Key = 0;
    if (ActiveProperties()->BeepOnError()) Beep();
    return;
  }
  if (!DataBinding()->Modified() && IsEditingChar(Key) && !DoEditing()) Key = 0;
}

// ---------------------------------------------------------------- inplace activation

void TcxCustomEdit::FocusAndSelectAll() {
  SetFocus();
  if (ActiveProperties()->AutoSelect()) SelectAll();
}

void TcxCustomEdit::Activate(bool ANeedSetFocus) {
  SetVisible(true);
  SynchronizeDisplayValue();
  SetEditModified(false);
  if (HandleAllocated() && CanFocus() && ANeedSetFocus) FocusAndSelectAll();
}

void TcxCustomEdit::ActivateByKey(wchar_t AKey) {
  BeginActivationByKey();
  struct TEnd {
    TcxCustomEdit* Edit;
    ~TEnd() { Edit->EndActivationByKey(); }
  } end{this};
  Activate(true);
  if (!ForwardsActivationKey(AKey)) return;
  FIsKeyPressHandled = false;
  SendMessageW(Handle(), WM_CHAR, AKey, 0);
}

void TcxCustomEdit::BeginActivationByKey() {
  if (InnerControl() && !FWindowProcObject)
    FWindowProcObject =
        cxGetWindowProcController()->Add(InnerControl(), [this](TMessage& Message) { ActivationWindowProc(Message); });
}

void TcxCustomEdit::EndActivationByKey() {
  if (FWindowProcObject && cxGetWindowProcController()) cxGetWindowProcController()->Remove(FWindowProcObject);
}

void TcxCustomEdit::ActivateByMouse(TShiftState AShift, int X, int Y) {
  Activate(true);
  const TPoint p = ScreenToClient(Parent()->ClientToScreen(TPoint(X, Y)));
  const LPARAM position = MAKELPARAM(p.X, p.Y);
  if (AShift.Contains(ssLeft)) {
    WPARAM keys = MK_LBUTTON;
    if (AShift.Contains(ssShift)) keys |= MK_SHIFT;
    if (AShift.Contains(ssCtrl)) keys |= MK_CONTROL;
    SendMessageW(Handle(), WM_MOUSEMOVE, 0, position);
    SendMessageW(Handle(), WM_LBUTTONDOWN, keys, position);
    // The press that activated the edit may be over already.
    if (GetCapture() == Handle() && (GetKeyState(VK_LBUTTON) & 0x8000) == 0) ReleaseCapture();
  } else {
    SendMessageW(Handle(), WM_LBUTTONUP, 0, position);
  }
  // A quick second click makes a double click with this one.
  FDblClickTimer->SetEnabled(false);
  FDblClickTimer->SetEnabled(true);
}

bool TcxCustomEdit::Deactivate() {
  if (FDblClickTimer) FDblClickTimer->SetEnabled(false);
  FIsUserAction = false;
  const bool valid = ValidateEditByOptions(false);
  if (valid) {
    SynchronizeDisplayValue();
    FIsEditValidated = true;
  }
  return valid;
}
