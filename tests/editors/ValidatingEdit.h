#pragma once
// An editor that shows its value as a text a person types, as the text
// editors do, with properties that validate and a text on the real
// clipboard: enough of an editor to drive validation, posting, input and
// painting on a real form.
#include <windows.h>

#include <cstring>

#include "components/editors/cxEdit.h"

// The clipboard's text, through the platform.
inline void PutClipboardText(const String& AText) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  const size_t bytes = (AText.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(data), AText.c_str(), bytes);
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
  }
  CloseClipboard();
}

inline String ClipboardText() {
  String text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

class TValidatingProperties : public TcxCustomEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TValidatingProperties, TcxCustomEditProperties)
public:
  using TcxCustomEditProperties::TcxCustomEditProperties;
  bool CanCompareEditValue() override { return true; }
  bool IsResetEditClass() override { return true; }
  bool SupportsValidation() override { return true; }
};

// A binding to a store that takes the posted value or refuses it.
class TValidatingBinding : public TcxEditDataBinding {
public:
  using TcxEditDataBinding::TcxEditDataBinding;
  static inline bool Refuse = false;

protected:
  void WriteStoredValue(const Variant&) override {
    if (Refuse) throw Exception(L"The value cannot be stored");
  }
};

class TValidatingEdit : public TcxCustomEdit {
public:
  using TcxCustomEdit::TcxCustomEdit;
  int Beeps = 0;
  int ButtonsDown = 0;
  int ButtonsUp = 0;

  void CopyToClipboard() override { PutClipboardText(FText); }
  void CutToClipboard() override {
    PutClipboardText(FText);
    SetEditValue(Null());
  }
  void PasteFromClipboard() override { SetEditValue(Variant(ClipboardText())); }

  const String& Text() const { return FText; }
  // What a person's typing does: the text changes and the edit hears it.
  void Type(const String& AText) {
    FText = AText;
    HandleTextChange();
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TValidatingProperties>();
  }
  TcxEditDataBindingClass GetDataBindingClass() const override {
    return TcxEditDataBindingClass::Of<TValidatingBinding>();
  }
  String GetCurrentDisplayText() override { return FText; }
  void SetInternalDisplayValue(const Variant& Value) override { FText = VarToStr(Value); }
  void SynchronizeDisplayValue() override { FText = VarToStr(EditValue()); }
  void StoreDisplayValue(const Variant& Value) override { StoreEditValue(Value, true); }
  void Beep() override { ++Beeps; }
  void NotifyButtonDown(int) override { ++ButtonsDown; }
  void NotifyButtonUp(int) override { ++ButtonsUp; }

private:
  String FText;
};
