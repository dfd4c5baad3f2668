// The editor control's mouse and button input, its click key and Tab, and
// the clipboard messages.
#include <windows.h>

#include "components/editors/cxEdit.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Forms.h"
#include "vcl/controls/Messages.h"
#include "vcl/controls/StdCtrls.h"

// ---------------------------------------------------------------- buttons

TcxCustomEditButton* TcxCustomEdit::DefaultButton() {
  TcxEditButtons* buttons = ActiveProperties()->Buttons();
  for (int i = 0; i < buttons->Count(); ++i)
    if (TcxCustomEditButton* button = buttons->Items(i); button->Default() && button->Enabled()) return button;
  return nullptr;
}

bool TcxCustomEdit::IsOwnKey(uint16_t Key, TShiftState Shift) {
  return ShortCut(Key, Shift) == ActiveProperties()->ClickKey() && DefaultButton();
}

bool TcxCustomEdit::ClickDefaultButton() {
  TcxEditButtons* buttons = ActiveProperties()->Buttons();
  for (int i = 0; i < buttons->Count(); ++i)
    if (buttons->Items(i)->Default()) {
      FireButtonClick(i);
      return true;
    }
  return false;
}

void TcxCustomEdit::FireButtonClick(int AButtonIndex) {
  if (TBasicAction* action = ActiveProperties()->Buttons()->Items(AButtonIndex)->Action()) action->Execute();
  TcxCustomEditProperties* own = InternalProperties();
  if (own->OnButtonClick) own->OnButtonClick(this, AButtonIndex);
  if (RepositoryItem() && ActiveProperties()->OnButtonClick) ActiveProperties()->OnButtonClick(this, AButtonIndex);
}

// A button released is clicked when the mouse is still over it; a button
// that went down is told so.
void TcxCustomEdit::ProcessMouseRefreshEvents() {
  TcxCustomEditViewInfo* viewInfo = ViewInfo();
  const int last = viewInfo->LastPressedButton;
  const int pressed = viewInfo->PressedButton;
  if (last != -1 && pressed != last && last < viewInfo->ButtonCount()) {
    NotifyButtonUp(last);
    if (viewInfo->SelectedButton == last) FireButtonClick(viewInfo->Button(last)->ButtonIndex);
  }
  if (pressed != -1 && last == -1) {
    if (TcxEditButtonFadingHelper* fading = viewInfo->Button(pressed)->FadingHelper()) fading->StopFading();
    NotifyButtonDown(pressed);
  }
}

// ---------------------------------------------------------------- mouse

void TcxCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && FDblClickTimer && FDblClickTimer->Enabled()) {
    FDblClickTimer->SetEnabled(false);
    if (ViewInfo()->PartAtPoint(TPoint(X, Y)) < 0) DblClick();
  }
  TcxCustomEditContainer::MouseDown(Button, Shift, X, Y);
  if (Button == mbLeft && IsCaptureInside()) {
    const int part = ViewInfo()->PartAtPoint(TPoint(X, Y));
    FCaptureButtonVisibleIndex = part >= 0 ? part : -1;
  }
}

void TcxCustomEdit::DblClick() {
  const TPoint p = GetMouseCursorClientPos();
  if (ViewInfo()->PartAtPoint(p) >= 0) {
    TShiftState shift = KeyboardStateToShiftState();
    shift.Include(ssLeft);
    MouseDown(mbLeft, shift, p.X, p.Y);
    Click();
    return;
  }
  TcxCustomEditContainer::DblClick();
}

void TcxCustomEdit::Click() {
  if (IsDestroying() || FClickLockCount > 0 || (IsLoading() && !CanClickWhileLoading())) return;
  TcxCustomEditContainer::Click();
}

// ---------------------------------------------------------------- Tab

void TcxCustomEdit::MoveFocusOnTab(TShiftState Shift) {
  TCustomForm* form = GetParentForm(this);
  if (!form) return;
  form->SelectNext(this, !Shift.Contains(ssShift), true);
  if (InnerControl() && GetFocus() == Handle()) InnerControl()->SetFocus();
}

// ---------------------------------------------------------------- clipboard

void TcxCustomEdit::HandleClipboardMessage(TMessage& Message) {
  if (Message.Msg == WM_COPY) return CopyToClipboard();
  const bool mayChange = !ActiveProperties()->ReadOnly() && DataBinding()->IsDataAvailable();
  if (!mayChange) {
    if (Message.Msg == WM_CUT) CopyToClipboard();
    return;
  }
  const bool paste = Message.Msg == WM_PASTE;
  if (paste) LockChangeEvents(true);
  try {
    AsUserAction(true, [&] {
      if (paste)
        PasteFromClipboard();
      else
        CutToClipboard();
    });
  } catch (...) {
    if (paste) LockChangeEvents(false);
    throw;
  }
  if (paste) LockChangeEvents(false);
}

// ---------------------------------------------------------------- accelerators and hints

bool TcxCustomEdit::ClickAcceleratedButton(wchar_t AChar) {
  if (!Enabled()) return false;
  for (const auto& button : ViewInfo()->ButtonsInfo)
    if (button->Enabled() && IsAccel(AChar, button->Data.Caption)) {
      FireButtonClick(button->ButtonIndex);
      return true;
    }
  return false;
}

void TcxCustomEdit::UpdateHintAtPoint(const TPoint& P) {
  const int part = ViewInfo()->PartAtPoint(P);
  String hint;
  if (part >= 0)
    hint = ViewInfo()->ButtonsInfo[part]->Data.Hint;
  else if (part == ecpErrorIcon)
    hint = FValidationErrorText;
  else if (part == ecpEdit)
    hint = OriginalHint();
  if (hint == Hint()) return;
  // A hint showing for another part goes; the new one shows after a pause.
  if (Application) Application->CancelHint();
  SetInheritedHint(hint);
}

void TcxCustomEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR:
      if (ClickAcceleratedButton(static_cast<wchar_t>(Message.WParam))) {
        Message.Result = 1;
        return;
      }
      break;
    case WM_COPY:
    case WM_CUT:
    case WM_PASTE:
      // An inner edit that handles them itself gets them as they come.
      if (!InnerControl()) return HandleClipboardMessage(Message);
      break;
    case CM_FOCUSCHANGED:
      TcxCustomEditContainer::WndProc(Message);
      return DoFocusChanged();
  }
  TcxCustomEditContainer::WndProc(Message);
}
