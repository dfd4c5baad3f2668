// Validation of what a person typed: the properties' checks and the user's
// OnValidate handlers, and the editor's reaction to a refused value (the
// error icon, the focus kept, a beep, an error raised or a silent abort).
// A refused value is never thrown away: it stays in the editor.
#include <windows.h>

#include "components/editors/cxEdit.h"
#include "vcl/rtl/SysUtils.h"

// ---------------------------------------------------------------- properties

void TcxCustomEditProperties::ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError,
                                                   TcxCustomEdit* AEdit) {
  if (!SupportsValidation()) return;
  if (AErrorText.empty()) AErrorText = DefaultValidateErrorText(0);
  bool isUserErrorDisplayValue;
  RunValidateHandler(ADisplayValue, AErrorText, isUserErrorDisplayValue, AEdit, AError);
}

void TcxCustomEditProperties::RunValidateHandler(Variant& ADisplayValue, String& AErrorText,
                                                 bool& AIsUserErrorDisplayValue, TcxCustomEdit* AEdit, bool& AError) {
  AIsUserErrorDisplayValue = false;
  TcxCustomEditProperties* own = AEdit ? AEdit->InternalProperties() : this;
  TcxCustomEditProperties* shared = AEdit && AEdit->RepositoryItem() ? AEdit->ActiveProperties() : nullptr;
  if (!own->OnValidate && !(shared && shared->OnValidate)) return;
  TObject* sender = AEdit ? static_cast<TObject*>(AEdit) : this;
  const String savedText = VarToStr(ADisplayValue);
  if (own->OnValidate) own->OnValidate(sender, ADisplayValue, AErrorText, AError);
  if (shared && shared->OnValidate) shared->OnValidate(sender, ADisplayValue, AErrorText, AError);
  if (!AError) return;
  AIsUserErrorDisplayValue = VarToStr(ADisplayValue) != savedText;
  if (!AIsUserErrorDisplayValue && AEdit) ADisplayValue = Variant(AEdit->GetCurrentDisplayText());
}

// ---------------------------------------------------------------- the edit

bool TcxCustomEdit::ValidateEdit(bool ARaiseExceptionOnError) {
  return RunValidation(ARaiseExceptionOnError ? TcxEditValidationOptions{evoRaiseException}
                                              : TcxEditValidationOptions{},
                       true);
}

bool TcxCustomEdit::ValidateEdit() { return RunValidation(ActiveProperties()->ValidationOptions(), true); }

bool TcxCustomEdit::ValidateEditByOptions(bool AForce) {
  return RunValidation(ActiveProperties()->ValidationOptions(), AForce);
}

void TcxCustomEdit::PrepareDisplayValue(const Variant& AEditValue, Variant& ADisplayValue, bool AFocused) {
  ActiveProperties()->PrepareDisplayValue(AEditValue, ADisplayValue, AFocused);
}

Variant TcxCustomEdit::ValidationDisplayValue() {
  if (FModifiedAfterEnter || VarIsNull(FEditValue)) return Variant(GetCurrentDisplayText());
  Variant displayValue;
  PrepareDisplayValue(FEditValue, displayValue, true);
  return displayValue;
}

void TcxCustomEdit::ValidateDisplayValueIfAllowed(Variant& ADisplayValue, String& AErrorText, bool& AError) {
  TcxCustomEditProperties* properties = ActiveProperties();
  if (properties->SupportsValidation()) properties->ValidateDisplayValue(ADisplayValue, AErrorText, AError, this);
}

void TcxCustomEdit::SetValidatedDisplayValue(const Variant& ADisplayValue) {
  SaveModified();
  try {
    StoreDisplayValue(ADisplayValue);
  } catch (...) {
    RestoreModified();
    throw;
  }
  RestoreModified();
}

void TcxCustomEdit::ShowChangedDisplayValue(const Variant& ABuilt, const Variant& AChecked) {
  if (VarToStr(ABuilt) == VarToStr(AChecked)) return;
  SetInternalDisplayValue(AChecked);
  if (!Visible()) return;
  SelectAll();
  if (!IsEditClass()) RefreshDrawnValue();
}

bool TcxCustomEdit::RunValidation(TcxEditValidationOptions AOptions, bool AForce) {
  if (!AForce && (!FModifiedAfterEnter || FIsEditValidated || FLockValidate > 0)) return true;
  struct TValidatingScope {
    bool& Flag;
    explicit TValidatingScope(bool& AFlag) : Flag(AFlag) { Flag = true; }
    ~TValidatingScope() { Flag = false; }
  } validating(FIsEditValidating);

  TcxCustomEditProperties* properties = ActiveProperties();
  const Variant builtValue = ValidationDisplayValue();
  Variant displayValue = builtValue;
  String errorText;
  const bool wasError = FValidationError;
  bool error = false;
  properties->SetInternalValidationOptions(AOptions);
  ValidateDisplayValueIfAllowed(displayValue, errorText, error);
  AOptions = properties->InternalValidationOptions();
  FValidationError = error;
  FValidationErrorText = error ? errorText : String();
  // The icon follows once the queue gets to the refresh.
  if ((error != wasError || error) && HandleAllocated()) PostMessageW(Handle(), DXM_CONTAINERSHORTREFRESH, 0, 0);

  if (error) {
    try {
      ProcessValidationError(errorText, AOptions, !AForce);
    } catch (...) {
      ShowChangedDisplayValue(builtValue, displayValue);
      throw;
    }
    ShowChangedDisplayValue(builtValue, displayValue);
  }
  if (!error || AOptions.Contains(evoAllowLoseFocus)) {
    if (!FModifiedAfterEnter) {
      const Variant current = ValidationDisplayValue();
      if (current.VType() == displayValue.VType() && current == displayValue) return !error;
    }
    if (!FIsUserAction || DoEditing()) {
      SetValidatedDisplayValue(displayValue);
      // Leaving, the focus is already elsewhere: exit processing clears the
      // flag itself once the value is posted.
      if (!FIsInplace && !Focused() && !FIsHiding) FModifiedAfterEnter = false;
      FIsEditValidated = true;
    }
  }
  return !error;
}

void TcxCustomEdit::ProcessValidationError(const String& AErrorText, TcxEditValidationOptions AOptions,
                                           bool ACanAbort) {
  TcxCustomEditProperties* properties = ActiveProperties();
  const bool raises = !AErrorText.empty() && AOptions.Contains(evoRaiseException);
  if (!CanFocus()) {
    FIsEditValidated = true;
  } else {
    const bool mayLoseFocus = properties->ValidationOptions().Contains(evoAllowLoseFocus) && !raises;
    if (HandleAllocated() && IsWindowVisible(Handle()) && !Focused() && !mayLoseFocus) {
      FValidateErrorProcessing = true;
      try {
        SetFocus();
      } catch (...) {
        FValidateErrorProcessing = false;
        throw;
      }
      FValidateErrorProcessing = false;
    }
    if (Focused()) SelectAll();
  }
  if (properties->BeepOnError()) Beep();
  if (raises) throw EcxEditValidationError(AErrorText);
  if (ACanAbort && !AOptions.Contains(evoAllowLoseFocus)) throw EAbort(String());
}
