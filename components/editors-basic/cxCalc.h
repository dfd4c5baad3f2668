#pragma once
// The desk calculator drawn as one control with 27 buttons: a pending
// binary operator with its first operand, a memory register and a
// three-state status. Its number lives in a display text that descendants
// keep (the base has none).
#include <array>

#include "components/controls/cxControls.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"

enum class TcxCalcState { csFirst, csValid, csError };
using enum TcxCalcState;

using TcxCalcButtonClick = std::function<void(TObject* Sender, TcxCalcButtonKind& ButtonKind)>;

struct TcxCalcEditButtonViewInfo {
  TcxCalcButtonKind Kind = cbNone;
  String Text;
  TRect Bounds;
  bool Down = false;
  bool Grayed = false;
};

class TcxCustomCalculator : public TcxControl {
  VCL_COMPONENT_CLASS(TcxCustomCalculator, TcxControl)
public:
  explicit TcxCustomCalculator(TComponent* AOwner);

  // What a press of the button does (OnButtonClick may change the button).
  void ButtonClick(TcxCalcButtonKind AKind);
  // 0 in the error state.
  long double Value();
  void SetValue(long double AValue);
  long double Memory() const { return FMemory; }
  TcxCalcState Status() const { return FStatus; }
  uint8_t Precision() const { return FPrecision; }
  void SetPrecision(uint8_t Value) { FPrecision = Value; }
  bool AutoFontSize() const { return FAutoFontSize; }
  void SetAutoFontSize(bool Value) { FAutoFontSize = Value; }
  // Sizes again from the font (or the bounds, with AutoFontSize) and takes
  // the size the buttons need.
  void FitToFont();
  bool BeepOnError() const { return FBeepOnError; }
  void SetBeepOnError(bool Value) { FBeepOnError = Value; }
  const TcxCalcEditButtonViewInfo& Button(TcxCalcButtonKind AKind) const { return FButtons[Index(AKind)]; }
  // The first button holding the point; cbNone when none does.
  TcxCalcButtonKind GetButtonKindAt(int X, int Y) const;
  static TcxCalcButtonKind GetButtonKindKey(uint16_t AKey, TShiftState AShift);
  static TcxCalcButtonKind GetButtonKindChar(wchar_t AChar);
  // The display text as clipboard text.
  void CopyToClipboard();
  // Clipboard text without currency and thousand separators becomes the
  // value; text that is no number gives 0.
  void PasteFromClipboard();
  // The clipboard's text as a number, currency and thousand separators
  // dropped; false (and 0) when it holds no number.
  static bool ClipboardValue(double& AValue);

  TNotifyEvent OnDisplayChange;
  TNotifyEvent OnResult;
  TcxCalcButtonClick OnButtonClick;

protected:
  virtual String GetDisplay() { return String(); }
  virtual void SetDisplay(const String&) {}
  virtual void LockDisplayChanges(bool ALock, bool AFireOnUnlock) {}
  virtual TcxCustomLookAndFeelPainter* GetCalculatorPainter() { return GetPainter(); }
  virtual void DrawCalculatorBackground(TcxCanvas* ACanvas);
  virtual void DrawCalculatorButton(TcxCanvas* ACanvas, const TcxCalcEditButtonViewInfo& AButton);

  void DoPaint() override;
  void BoundsChanged() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  // A quick second press is a press, not a double click.
  void WndProc(TMessage& Message) override;
  // The button held by a key comes up.
  void ReleaseKeyboardButton();

private:
  static int Index(TcxCalcButtonKind AKind) { return static_cast<int>(AKind); }
  TcxCalcEditButtonViewInfo& ButtonOf(TcxCalcButtonKind AKind) { return FButtons[Index(AKind)]; }
  void Act(TcxCalcButtonKind AKind);
  void ApplyOperator(TcxCalcButtonKind AKind);
  void StartNumber();
  void ClearAll();
  void SetError();
  void Beep();
  void SetStatusForUnary();
  void UpdateMemoryButtons();
  void SetButtonDown(TcxCalcButtonKind AKind, bool ADown);
  void PressByKeyboard(TcxCalcButtonKind AKind);
  void CalculateSizes(int AWidth, int AHeight);
  void LayoutButtons();
  int MaxDigits() const { return std::max<int>(FPrecision, 2); }

  std::array<TcxCalcEditButtonViewInfo, 28> FButtons;
  bool FAutoFontSize = true;
  bool FBeepOnError = true;
  int FCalcFontSize = 8, FCalcBtnWidth = 28, FCalcBtnHeight = 22, FCalcLargeBtnWidth = 47;
  int FCalcXOfs = 3, FCalcYOfs = 3, FCalcWidth = 198, FCalcHeight = 131;
  long double FMemory = 0;
  TcxCalcButtonKind FOperator = cbEqual;
  long double FOperand = 0;
  uint8_t FPrecision = 15;
  TcxCalcState FStatus = csFirst;
  TcxCalcButtonKind FDownButton = cbNone;
  TcxCalcButtonKind FPressedButton = cbNone;
  bool FTracking = false;
};
