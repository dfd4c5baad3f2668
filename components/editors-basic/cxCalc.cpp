#include "components/editors-basic/cxCalc.h"

#include <cmath>
#include <cwchar>

#include "components/editors/cxEditConsts.h"
#include "vcl/controls/Clipbrd.h"
#include "vcl/controls/Messages.h"
#include "vcl/rtl/FormatSettings.h"

namespace {

bool IsDigit(TcxCalcButtonKind AKind) { return AKind >= cbNum0 && AKind <= cbNum9; }
bool IsBinaryOperator(TcxCalcButtonKind AKind) { return AKind >= cbDiv && AKind <= cbAdd; }

String DecimalSeparator() { return String(1, FormatSettings.DecimalSeparator); }

// General format with ADigits significant digits and the locale's separator.
String FormatGeneral(long double AValue, int ADigits) {
  wchar_t text[64];
  swprintf(text, std::size(text), L"%.*G", ADigits, static_cast<double>(AValue));
  String result = text;
  for (wchar_t& ch : result)
    if (ch == L'.') ch = FormatSettings.DecimalSeparator;
  return result == L"-0" ? L"0" : result;
}

}  // namespace

TcxCustomCalculator::TcxCustomCalculator(TComponent* AOwner) : TcxControl(AOwner) {
  SetControlStyle(ControlStyle().Include(csCaptureMouse).Include(csOpaque).Exclude(csClickEvents));
  SetParentColor(false);
  SetColor(clBtnFace);
  SetTabStop(true);
  SetKeys(TcxKeys{TcxKey::kArrows, TcxKey::kChars});
  static const wchar_t* captions[] = {L"Back", L"CE", L"C",  L"MC", L"MR", L"MS",   L"M+", L"0",   L"1",
                                      L"2",    L"3",  L"4",  L"5",  L"6",  L"7",    L"8",  L"9",   L"+/-",
                                      L",",    L"/",  L"*",  L"-",  L"+",  L"sqrt", L"%",  L"1/x", L"="};
  for (int i = 0; i < 27; ++i) {
    FButtons[i].Kind = static_cast<TcxCalcButtonKind>(i);
    FButtons[i].Text = captions[i];
    FButtons[i].FadingHelper = std::make_unique<TcxCalcEditButtonFadingHelper>(this, FButtons[i].Kind);
  }
  SetBounds(Left(), Top(), FCalcWidth, FCalcHeight);
  LayoutButtons();
}

// ---------------------------------------------------------------- value

long double TcxCustomCalculator::Value() {
  if (FStatus == csError) return 0;
  String text = Trim(GetDisplay());
  if (text.empty()) text = L"0";
  text = StringReplace(text, String(1, FormatSettings.ThousandSeparator), L"", {rfReplaceAll});
  double value = 0;
  return TryStrToFloat(text, value) ? value : 0;
}

void TcxCustomCalculator::SetValue(long double AValue) {
  // A result the display cannot hold as a number is an error, not "INF".
  if (!std::isfinite(static_cast<double>(AValue))) return SetError();
  const String text = FormatGeneral(AValue, MaxDigits());
  if (text == GetDisplay()) return;
  SetDisplay(text);
  if (OnDisplayChange) OnDisplayChange(this);
}

void TcxCustomCalculator::CopyToClipboard() {
  const String text = GetDisplay();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!data) RaiseLastOSError();
  memcpy(GlobalLock(data), text.c_str(), bytes);
  GlobalUnlock(data);
  Clipboard()->Open();
  struct TClose {
    ~TClose() { Clipboard()->Close(); }
  } close;
  Clipboard()->Clear();
  Clipboard()->SetAsHandle(CF_UNICODETEXT, data);
}

bool TcxCustomCalculator::ClipboardValue(double& AValue) {
  AValue = 0;
  if (!Clipboard()->HasFormat(CF_TEXT)) return false;
  String text;
  {
    Clipboard()->Open();
    struct TClose {
      ~TClose() { Clipboard()->Close(); }
    } close;
    if (void* data = Clipboard()->GetAsHandle(CF_UNICODETEXT)) {
      text = static_cast<const wchar_t*>(GlobalLock(static_cast<HGLOBAL>(data)));
      GlobalUnlock(static_cast<HGLOBAL>(data));
    }
  }
  if (!FormatSettings.CurrencyString.empty())
    text = StringReplace(text, FormatSettings.CurrencyString, L"", {rfReplaceAll});
  text = Trim(StringReplace(text, String(1, FormatSettings.ThousandSeparator), L"", {rfReplaceAll}));
  if (TryStrToFloat(text, AValue)) return true;
  AValue = 0;
  return false;
}

void TcxCustomCalculator::PasteFromClipboard() {
  if (!Clipboard()->HasFormat(CF_TEXT)) return;
  double value;
  ClipboardValue(value);
  SetValue(value);
  FStatus = csValid;
}

// ---------------------------------------------------------------- actions

void TcxCustomCalculator::ButtonClick(TcxCalcButtonKind AKind) {
  if (OnButtonClick) OnButtonClick(this, AKind);
  if (AKind == cbNone) return;
  if (FStatus == csError && AKind != cbCancel && AKind != cbClear) {
    SetError();
    return;
  }
  const String before = GetDisplay();
  LockDisplayChanges(true, true);
  struct TUnlock {
    TcxCustomCalculator* Self;
    const String& Before;
    ~TUnlock() { Self->LockDisplayChanges(false, Self->GetDisplay() != Before); }
  } unlock{this, before};
  Act(AKind);
}

void TcxCustomCalculator::Act(TcxCalcButtonKind AKind) {
  if (IsDigit(AKind)) {
    StartNumber();
    String display = GetDisplay();
    if (display == L"0") display.clear();
    const size_t limit = MaxDigits() + (StartsText(L"-", display) ? 1 : 0);
    if (display.size() < limit)
      SetDisplay(display + static_cast<wchar_t>(L'0' + Index(AKind) - Index(cbNum0)));
    else
      Beep();
    return;
  }
  switch (AKind) {
    case cbDecimal:
      StartNumber();
      if (GetDisplay().find(FormatSettings.DecimalSeparator) == String::npos)
        SetDisplay(GetDisplay() + DecimalSeparator());
      break;
    case cbBack: {
      StartNumber();
      const String display = GetDisplay();
      if (display.size() <= 1 || (display.size() == 2 && display[0] == L'-'))
        SetDisplay(L"0");
      else
        SetDisplay(display.substr(0, display.size() - 1));
      break;
    }
    case cbCancel:
    case cbClear: ClearAll(); break;
    case cbSign: SetValue(-Value()); break;
    case cbMC:
      FMemory = 0;
      UpdateMemoryButtons();
      break;
    case cbMR:
      FStatus = csFirst;
      StartNumber();
      SetValue(FMemory);
      break;
    case cbMS:
      FStatus = csFirst;
      FMemory = Value();
      UpdateMemoryButtons();
      break;
    case cbMP:
      FStatus = csFirst;
      FMemory += Value();
      UpdateMemoryButtons();
      break;
    case cbSqrt:
      SetStatusForUnary();
      if (Value() < 0)
        SetError();
      else
        SetValue(std::sqrt(Value()));
      break;
    case cbRev:
      SetStatusForUnary();
      if (Value() == 0)
        SetError();
      else
        SetValue(1 / Value());
      break;
    default: ApplyOperator(AKind); break;
  }
}

void TcxCustomCalculator::SetStatusForUnary() { FStatus = IsBinaryOperator(FOperator) ? csValid : csFirst; }

void TcxCustomCalculator::ApplyOperator(TcxCalcButtonKind AKind) {
  if (FStatus == csValid) {
    FStatus = csFirst;
    long double v = Value();
    if (AKind == cbPercent) {
      if (FOperator == cbDiv || FOperator == cbMul) v /= 100;
      if (FOperator == cbSub || FOperator == cbAdd) v = FOperand * v / 100;
    }
    switch (FOperator) {
      case cbDiv:
        if (v == 0) {
          SetError();
          return;
        }
        SetValue(FOperand / v);
        break;
      case cbMul: SetValue(FOperand * v); break;
      case cbSub: SetValue(FOperand - v); break;
      case cbAdd: SetValue(FOperand + v); break;
      default: break;
    }
  }
  FOperator = AKind;
  FOperand = Value();
  if ((AKind == cbPercent || AKind == cbEqual) && OnResult) OnResult(this);
}

void TcxCustomCalculator::StartNumber() {
  if (FStatus != csFirst) return;
  FStatus = csValid;
  SetDisplay(L"0");
}

void TcxCustomCalculator::ClearAll() {
  FStatus = csFirst;
  SetValue(0);
  FOperator = cbEqual;
}

void TcxCustomCalculator::SetError() {
  FStatus = csError;
  SetDisplay(LoadResString(&scxSCalcError));
  Beep();
}

void TcxCustomCalculator::Beep() {
  if (FBeepOnError) MessageBeep(0);
}

void TcxCustomCalculator::UpdateMemoryButtons() {
  for (TcxCalcButtonKind kind : {cbMC, cbMR}) ButtonOf(kind).Grayed = FMemory == 0;
  UpdateButtonStates();
}

// ---------------------------------------------------------------- layout

void TcxCustomCalculator::BoundsChanged() {
  TcxControl::BoundsChanged();
  FitToFont();
}

void TcxCustomCalculator::FitToFont() {
  CalculateSizes(ClientWidth(), ClientHeight());
  // The calculator keeps the size its buttons need.
  if (ClientWidth() != FCalcWidth || ClientHeight() != FCalcHeight) SetClientSize(FCalcWidth, FCalcHeight);
}

void TcxCustomCalculator::CalculateSizes(int AWidth, int AHeight) {
  int h;
  if (FAutoFontSize) {
    const int available = std::min(MulDiv(AWidth, 131, 198), AHeight);
    auto misfit = [available](int H) { return std::abs(5 * H + 6 * MulDiv(H, 3, 22) - available); };
    h = 22;
    while (misfit(h + 1) < misfit(h)) ++h;
  } else {
    h = 2 * ActiveCanvas()->FontHeight(Font());
  }
  dxRaiseToTouchMinimum(h);
  FCalcBtnHeight = h;
  FCalcBtnWidth = MulDiv(h, 28, 22);
  FCalcXOfs = FCalcYOfs = MulDiv(h, 3, 22);
  FCalcLargeBtnWidth = MulDiv(FCalcBtnWidth, 17, 10);
  FCalcFontSize = MulDiv(h, 8, 22);
  FCalcHeight = 5 * h + 6 * FCalcYOfs;
  FCalcWidth = 6 * FCalcBtnWidth + 8 * FCalcXOfs + 4;
  LayoutButtons();
}

void TcxCustomCalculator::LayoutButtons() {
  const int H = FCalcBtnHeight, W = FCalcBtnWidth, L = FCalcLargeBtnWidth, X = FCalcXOfs, Y = FCalcYOfs;
  ButtonOf(cbDecimal).Text = DecimalSeparator();
  for (auto& button : FButtons) button.Down = button.Grayed = false;
  auto row = [&](int r) { return std::pair((r + 1) * Y + r * H, (r + 1) * (Y + H)); };
  const TcxCalcButtonKind memory[] = {cbMC, cbMR, cbMS, cbMP};
  for (int r = 1; r <= 4; ++r) ButtonOf(memory[r - 1]).Bounds = TRect(X, row(r).first, X + W, row(r).second);
  const int B = W + 2 * X + 4;
  const TcxCalcButtonKind keypad[4][5] = {{cbNum7, cbNum8, cbNum9, cbDiv, cbSqrt},
                                          {cbNum4, cbNum5, cbNum6, cbMul, cbPercent},
                                          {cbNum1, cbNum2, cbNum3, cbSub, cbRev},
                                          {cbNum0, cbSign, cbDecimal, cbAdd, cbEqual}};
  for (int r = 1; r <= 4; ++r)
    for (int c = 0; c < 5; ++c)
      ButtonOf(keypad[r - 1][c]).Bounds =
          TRect(B + X + c * (X + W), row(r).first, B + (c + 1) * (X + W), row(r).second);
  int right = ButtonOf(cbEqual).Bounds.Right;
  for (TcxCalcButtonKind kind : {cbClear, cbCancel, cbBack}) {
    ButtonOf(kind).Bounds = TRect(right - L, Y, right, Y + H);
    right -= L + Y;
  }
  FOperator = cbEqual;
  FStatus = csFirst;
  FMemory = 0;
  UpdateMemoryButtons();
  if (HandleAllocated()) Invalidate();
}

TcxCalcButtonKind TcxCustomCalculator::GetButtonKindAt(int X, int Y) const {
  for (int i = 0; i < 27; ++i)
    if (cxRectContainsXY(FButtons[i].Bounds, X, Y)) return FButtons[i].Kind;
  return cbNone;
}

// ---------------------------------------------------------------- painting

void TcxCustomCalculator::DoPaint() {
  TcxControl::DoPaint();
  DrawCalculatorBackground(Canvas());
  Canvas()->Font()->Assign(Font());
  if (FAutoFontSize) {
    Canvas()->Font()->SetSize(FCalcFontSize);
    if (FCalcFontSize > 9) Canvas()->Font()->SetStyle(TFontStyles{fsBold});
  }
  for (int i = 0; i < 27; ++i) DrawCalculatorButton(Canvas(), FButtons[i]);
}

void TcxCustomCalculator::DrawButtonFace(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  GetCalculatorPainter()->DrawButton(ACanvas, R, String(), AState, true);
}

void TcxCustomCalculator::DrawCalculatorBackground(TcxCanvas* ACanvas) {
  GetCalculatorPainter()->DrawWindowContent(ACanvas, Bounds());
}

void TcxCustomCalculator::DrawCalculatorButton(TcxCanvas* ACanvas, const TcxCalcEditButtonViewInfo& AButton) {
  TcxCustomLookAndFeelPainter* painter = GetCalculatorPainter();
  const TcxButtonState state = AButton.State;
  if (!AButton.FadingHelper->DrawImage(ACanvas->Handle(), AButton.Bounds))
    DrawButtonFace(ACanvas, AButton.Bounds, state);
  TRect caption = AButton.Bounds;
  if (state == cxbsPressed) caption.Offset(painter->ButtonTextShift(), painter->ButtonTextShift());
  ACanvas->Font()->SetColor(state == cxbsDisabled ? painter->ButtonSymbolColor(state)
                                                  : painter->CalcEditButtonTextColor(AButton.Kind));
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->DrawTexT(AButton.Text, caption, cxtfAlignHCenter | cxtfAlignVCenter | cxtfSingleLine,
                    state != cxbsDisabled);
  ACanvas->Brush()->SetStyle(bsSolid);
  if (state == cxbsDefault) ACanvas->DrawFocusRect(painter->ButtonFocusRect(ACanvas, AButton.Bounds));
}

void TcxCustomCalculator::SetButtonDown(TcxCalcButtonKind AKind, bool ADown) {
  if (AKind == cbNone || ButtonOf(AKind).Down == ADown) return;
  ButtonOf(AKind).Down = ADown;
  UpdateButtonStates();
}

TcxButtonState TcxCustomCalculator::CalculateButtonState(const TcxCalcEditButtonViewInfo& AButton) {
  if (AButton.Grayed || !Enabled()) return cxbsDisabled;
  if (AButton.Down) return cxbsPressed;
  if (AButton.Kind == FHotButton && AButton.Kind != FDownButton) return cxbsHot;
  return AButton.Kind == cbEqual && Focused() ? cxbsDefault : cxbsNormal;
}

void TcxCustomCalculator::UpdateButtonStates() {
  for (int i = 0; i < 27; ++i) {
    TcxCalcEditButtonViewInfo& button = FButtons[i];
    const TcxButtonState state = CalculateButtonState(button);
    if (state == button.State) continue;
    const TcxButtonState previous = button.State;
    button.State = state;
    button.FadingHelper->CheckStartFading(previous, state);
    if (HandleAllocated()) InvalidateRect(button.Bounds, false);
  }
}

void TcxCustomCalculator::SetHotButton(TcxCalcButtonKind AKind) {
  if (AKind == FHotButton) return;
  FHotButton = AKind;
  UpdateButtonStates();
}

// ---------------------------------------------------------------- fading

bool TcxCalcEditButtonFadingHelper::IsFadingAllowed() {
  const TcxLookAndFeelStyle style = FCalculator->GetCalculatorPainter()->LookAndFeelStyle();
  return style == lfsNative || style == lfsSkin;
}

void TcxCalcEditButtonFadingHelper::RepaintFadeFrame() {
  if (FCalculator->HandleAllocated()) FCalculator->InvalidateRect(FCalculator->ButtonOf(FKind).Bounds, false);
}

void TcxCalcEditButtonFadingHelper::PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) {
  const TcxCalcEditButtonViewInfo& button = FCalculator->ButtonOf(FKind);
  auto render = [&](TcxButtonState AState) {
    auto image = std::make_unique<TcxBitmap32>(button.Bounds, true);
    FCalculator->DrawButtonFace(image->cxCanvas(), image->ClientRect(), AState);
    return image;
  };
  const bool isDefault = FKind == cbEqual && FCalculator->Focused();
  std::unique_ptr<TcxBitmap32> normal = render(isDefault ? cxbsDefault : cxbsNormal);
  std::unique_ptr<TcxBitmap32> hot = render(cxbsHot);
  AFadeOutImage = normal.release();
  AFadeInImage = hot.release();
}

// ---------------------------------------------------------------- mouse

void TcxCustomCalculator::WndProc(TMessage& Message) {
  if (Message.Msg == WM_LBUTTONDBLCLK) Message.Msg = WM_LBUTTONDOWN;
  TcxControl::WndProc(Message);
  if (Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS || Message.Msg == CM_ENABLEDCHANGED)
    UpdateButtonStates();
}

void TcxCustomCalculator::MouseLeave(TControl* AControl) {
  TcxControl::MouseLeave(AControl);
  SetHotButton(cbNone);
}

void TcxCustomCalculator::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const TcxCalcButtonKind kind = GetButtonKindAt(X, Y);
  if (kind == cbNone || ButtonOf(kind).Grayed || !Enabled()) return;
  SetCapture(Handle());
  FTracking = true;
  FDownButton = kind;
  SetButtonDown(kind, true);
}

void TcxCustomCalculator::MouseMove(TShiftState Shift, int X, int Y) {
  TcxControl::MouseMove(Shift, X, Y);
  if (FTracking)
    SetButtonDown(FDownButton, GetButtonKindAt(X, Y) == FDownButton);
  else if (GetCalculatorPainter()->IsButtonHotTrack())
    SetHotButton(GetButtonKindAt(X, Y));
}

void TcxCustomCalculator::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxControl::MouseUp(Button, Shift, X, Y);
  if (!FTracking || Button != mbLeft) return;
  const TcxCalcButtonKind held = FDownButton;
  const bool down = ButtonOf(held).Down;
  FTracking = false;
  FDownButton = cbNone;
  if (GetCapture() == Handle()) ReleaseCapture();
  SetButtonDown(held, false);
  if (GetCalculatorPainter()->IsButtonHotTrack()) SetHotButton(GetButtonKindAt(X, Y));
  if (down) ButtonClick(held);
}

// ---------------------------------------------------------------- keyboard

TcxCalcButtonKind TcxCustomCalculator::GetButtonKindKey(uint16_t AKey, TShiftState AShift) {
  const bool ctrl = AShift.Contains(ssCtrl);
  switch (AKey) {
    case VK_RETURN: return cbEqual;
    case VK_ESCAPE: return cbClear;
    case VK_DELETE: return cbCancel;
    case VK_F9: return cbSign;
    case 'C': return ctrl ? cbNone : cbClear;
    case 'R': return ctrl ? cbMR : cbRev;
    case 'L': return ctrl ? cbMC : cbNone;
    case 'M': return ctrl ? cbMS : cbNone;
    case 'P': return ctrl ? cbMP : cbNone;
    default: return cbNone;
  }
}

TcxCalcButtonKind TcxCustomCalculator::GetButtonKindChar(wchar_t AChar) {
  if (AChar >= L'0' && AChar <= L'9') return static_cast<TcxCalcButtonKind>(Index(cbNum0) + AChar - L'0');
  switch (AChar) {
    case VK_BACK: return cbBack;
    case L'%': return cbPercent;
    case L'*': return cbMul;
    case L'+': return cbAdd;
    case L',':
    case L'.': return cbDecimal;
    case L'-': return cbSub;
    case L'/': return cbDiv;
    case L'=': return cbEqual;
    case L'@': return cbSqrt;
    default: return cbNone;
  }
}

void TcxCustomCalculator::PressByKeyboard(TcxCalcButtonKind AKind) {
  if (AKind == FPressedButton) return;
  ReleaseKeyboardButton();
  FPressedButton = AKind;
  SetButtonDown(AKind, true);
  ButtonClick(AKind);
}

void TcxCustomCalculator::ReleaseKeyboardButton() {
  SetButtonDown(FPressedButton, false);
  FPressedButton = cbNone;
}

void TcxCustomCalculator::KeyDown(uint16_t& Key, TShiftState Shift) {
  TcxControl::KeyDown(Key, Shift);
  const TcxCalcButtonKind kind = GetButtonKindKey(Key, Shift);
  if (kind != cbNone) PressByKeyboard(kind);
}

void TcxCustomCalculator::KeyPress(wchar_t& Key) {
  TcxControl::KeyPress(Key);
  if (Key == 3) {  // Ctrl+C
    CopyToClipboard();
    return;
  }
  if (Key == 22) {  // Ctrl+V
    PasteFromClipboard();
    return;
  }
  const TcxCalcButtonKind kind = GetButtonKindChar(Key);
  if (kind == cbNone) return;
  // Back acts here, the other keys at key down or now.
  if (kind == cbBack) {
    ReleaseKeyboardButton();
    FPressedButton = kind;
    SetButtonDown(kind, true);
    ButtonClick(kind);
  } else {
    PressByKeyboard(kind);
  }
}

void TcxCustomCalculator::KeyUp(uint16_t& Key, TShiftState Shift) {
  TcxControl::KeyUp(Key, Shift);
  ReleaseKeyboardButton();
}
