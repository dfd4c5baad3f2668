#pragma once
// The desk calculator drawn as one control with 27 buttons (hot under the
// mouse, fading in the themed look): a pending binary operator with its
// first operand, a memory register and a three-state status. Its number
// lives in a display text that descendants keep (the base has none).
#include <array>
#include <memory>

#include "components/controls/cxControls.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/dxFading.h"

enum class TcxCalcState { csFirst, csValid, csError };
using enum TcxCalcState;

using TcxCalcButtonClick = std::function<void(TObject* Sender, TcxCalcButtonKind& ButtonKind)>;

class TcxCustomCalculator;

// Fades one calculator button between its normal (or default) and its hot
// look, in the themed and skinned looks.
class TcxCalcEditButtonFadingHelper : public TdxFadingObjectHelper {
  VCL_CLASS(TcxCalcEditButtonFadingHelper, TdxFadingObjectHelper)
public:
  TcxCalcEditButtonFadingHelper(TcxCustomCalculator* ACalculator, TcxCalcButtonKind AKind)
      : FCalculator(ACalculator), FKind(AKind) {}
  bool IsFadingAllowed() override;
  void RepaintFadeFrame() override;
  void PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) override;

private:
  TcxCustomCalculator* FCalculator;
  TcxCalcButtonKind FKind;
};

struct TcxCalcEditButtonViewInfo {
  TcxCalcButtonKind Kind = cbNone;
  String Text;
  TRect Bounds;
  bool Down = false;
  bool Grayed = false;
  // As last painted; a change starts or stops the button's fade.
  TcxButtonState State = cxbsNormal;
  std::unique_ptr<TcxCalcEditButtonFadingHelper> FadingHelper;
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
  // The button under the mouse while no button is held; cbNone for none.
  TcxCalcButtonKind HotButton() const { return FHotButton; }
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

  // The face of a button in a state, without its caption.
  void DrawButtonFace(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState);

  void DoPaint() override;
  void MouseLeave(TControl* AControl) override;
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
  friend class TcxCalcEditButtonFadingHelper;
  // Disabled, pressed, hot, default ("=" while focused) or normal.
  TcxButtonState CalculateButtonState(const TcxCalcEditButtonViewInfo& AButton);
  // Every button whose state changed is repainted, and fades in or out.
  void UpdateButtonStates();
  void SetHotButton(TcxCalcButtonKind AKind);
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
  TcxCalcButtonKind FHotButton = cbNone;
  bool FTracking = false;
};
