// The inner text edit: the platform's EDIT window inside a text editor,
// and the interface table the editor reaches it through.
#include "components/editors/cxTextEdit.h"
#include "vcl/controls/Messages.h"
#include "vcl/rtl/SysUtils.h"

// ---------------------------------------------------------------- the window

TcxCustomInnerTextEdit::TcxCustomInnerTextEdit(TComponent* AOwner)
    : TEdit(AOwner), FHelper(std::make_unique<TcxCustomInnerTextEditHelper>(this)) {
  SetColor(clWindow);
  SetParentFont(false);
  SetTabStop(false);
  SetControlStyle(ControlStyle() + TControlStyle{csDoubleClicks});
  FIsCreating = false;
}

TcxCustomInnerTextEdit::~TcxCustomInnerTextEdit() = default;

TcxCustomTextEdit* TcxCustomInnerTextEdit::Container() const { return dynamic_cast<TcxCustomTextEdit*>(Owner()); }

TcxContainer* TcxCustomInnerTextEdit::GetControlContainer() { return Container(); }

TPopupMenu* TcxCustomInnerTextEdit::GetPopupMenu() {
  return Container() ? Container()->GetPopupMenu() : TEdit::GetPopupMenu();
}

// Left-aligned while a person edits, unless designing.
TAlignment TcxCustomInnerTextEdit::EffectiveAlignment() {
  TcxCustomTextEdit* container = Container();
  if (FUseLeftAlignmentOnEditing && !(container && container->IsDesigning())) return taLeftJustify;
  return FAlignment;
}

void TcxCustomInnerTextEdit::CreateParams(TCreateParams& Params) {
  TEdit::CreateParams(Params);
  static const DWORD alignmentStyles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  Params.Style |= alignmentStyles[static_cast<int>(EffectiveAlignment())];
  Params.Style &= ~(WS_BORDER | WS_DLGFRAME | WS_THICKFRAME);
  Params.Style |= ES_AUTOHSCROLL;
  if (FEchoMode == eemPassword) Params.Style |= ES_PASSWORD;
  if (!FHideSelection) Params.Style |= ES_NOHIDESEL;
  if (FOEMConvert) Params.Style |= ES_OEMCONVERT;
  if (FReadOnly) Params.Style |= ES_READONLY;
  Params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TcxCustomInnerTextEdit::CreateWnd() {
  if (TcxCustomTextEdit* container = Container()) container->ClearSavedChildControlRegions();
  TEdit::CreateWnd();
}

void TcxCustomInnerTextEdit::InitializeWindow() {
  TEdit::InitializeWindow();
  if (FEchoMode == eemPassword) {
    Char passwordChar = FPasswordChar;
    // The system's own mask only where it is drawn natively and the text
    // is edited as it rests.
    TcxCustomTextEdit* container = Container();
    if (passwordChar == 0 && (!container || !container->IsNativeStyle() ||
                              (container->ActiveProperties()->Alignment()->Horz() != taLeftJustify &&
                               FUseLeftAlignmentOnEditing)))
      passwordChar = L'*';
    if (passwordChar != 0) SendMessageW(Handle(), EM_SETPASSWORDCHAR, passwordChar, 0);
  }
  if (!FTextHint.empty()) SendMessageW(Handle(), EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(FTextHint.c_str()));
  AdjustMargins();
}

void TcxCustomInnerTextEdit::DestroyWnd() {
  // What was posted to the window goes before it.
  MSG msg;
  while (HandleAllocated() && PeekMessageW(&msg, Handle(), 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  TEdit::DestroyWnd();
}

void TcxCustomInnerTextEdit::AdjustMargins() {
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(0, 1));
}

void TcxCustomInnerTextEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (FIsCreating || FLockBoundsCount > 0) return;
  TcxCustomTextEdit* container = Container();
  if (container) container->LockAlignControls(true);
  TEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (container) container->LockAlignControls(false);
}

void TcxCustomInnerTextEdit::SetEchoMode(TcxEditEchoMode Value) {
  if (FEchoMode == Value) return;
  FEchoMode = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TcxCustomInnerTextEdit::SetHideSelection(bool Value) {
  if (FHideSelection == Value) return;
  FHideSelection = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TcxCustomInnerTextEdit::SetOEMConvert(bool Value) {
  if (FOEMConvert == Value) return;
  FOEMConvert = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TcxCustomInnerTextEdit::SetReadOnly(bool Value) {
  FReadOnly = Value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, Value, 0);
}

void TcxCustomInnerTextEdit::SetTextHint(const String& Value) {
  FTextHint = Value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(FTextHint.c_str()));
}

// ---------------------------------------------------------------- selection and clipboard

int TcxCustomInnerTextEdit::SelStart() {
  if (!HandleAllocated()) return 0;
  DWORD start = 0, end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

int TcxCustomInnerTextEdit::SelLength() {
  if (!HandleAllocated()) return 0;
  DWORD start = 0, end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TcxCustomInnerTextEdit::SetSelStart(int Value) {
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, Value, Value);
}

void TcxCustomInnerTextEdit::SetSelLength(int Value) {
  if (!HandleAllocated()) return;
  const int start = SelStart();
  SendMessageW(Handle(), EM_SETSEL, start, start + Value);
}

String TcxCustomInnerTextEdit::SelText() { return Copy(Text(), SelStart() + 1, SelLength()); }

void TcxCustomInnerTextEdit::SetSelText(const String& Value) {
  if (HandleAllocated()) SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Value.c_str()));
}

void TcxCustomInnerTextEdit::SelectAll() {
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TcxCustomInnerTextEdit::CopyToClipboard() {
  if (HandleAllocated()) SendMessageW(Handle(), WM_COPY, 0, 0);
}

// A binary search over the characters' positions for the caret's x.
int TcxCustomInnerTextEdit::CaretCharIndex() {
  POINT caret;
  if (!HandleAllocated() || !GetCaretPos(&caret)) return 0;
  const int length = static_cast<int>(Text().size());
  if (length == 0) return 0;
  auto x = [&](int AIndex) {
    return static_cast<short>(LOWORD(SendMessageW(Handle(), EM_POSFROMCHAR, AIndex, 0)));
  };
  int lo = 0, hi = length - 1;
  while (hi - lo >= 2) {
    const int middle = (lo + hi) / 2;
    if (x(middle) < caret.x)
      lo = middle;
    else
      hi = middle;
  }
  if (x(lo) == caret.x) return lo;
  if (x(hi) == caret.x) return hi;
  return hi + 1;
}

// ---------------------------------------------------------------- keys and mouse

TcxCustomInnerTextEdit::TPrevState TcxCustomInnerTextEdit::SaveState() { return {Text(), SelStart(), SelLength()}; }

bool TcxCustomInnerTextEdit::StateChanged(const TPrevState& AState) {
  return AState.SelStart != SelStart() || AState.SelLength != SelLength() || AState.Text != Text();
}

void TcxCustomInnerTextEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  FInternalUpdating = false;
  if (TcxCustomTextEdit* container = Container()) container->KeyDown(Key, Shift);
  if (Key == 0)
    FInternalUpdating = true;
  else
    TEdit::KeyDown(Key, Shift);
}

void TcxCustomInnerTextEdit::KeyPress(wchar_t& Key) {
  if (Key == L'\t') Key = 0;
  FInternalUpdating = false;
  TcxCustomTextEdit* container = Container();
  if (container && Key != 0) container->KeyPress(Key);
  if (Key == 0) {
    FInternalUpdating = true;
    return;
  }
  if (container && (Key == L'\r' || Key == 27)) {
    if (container->IsInplace() || (Key == L'\r' && !container->BeepOnEnter())) Key = 0;
  }
  if (Key != 0) TEdit::KeyPress(Key);
}

bool TcxCustomInnerTextEdit::DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) {
  TcxCustomTextEdit* container = Container();
  return container && container->DoMouseWheel(Shift, WheelDelta, MousePos);
}

void TcxCustomInnerTextEdit::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_TAB) Key = 0;
  FInternalUpdating = false;
  TcxCustomTextEdit* container = Container();
  if (container && Key != 0) container->KeyUp(Key, Shift);
  if (Key == 0)
    FInternalUpdating = true;
  else
    TEdit::KeyUp(Key, Shift);
}

void TcxCustomInnerTextEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TEdit::MouseDown(Button, Shift, X, Y);
  TcxCustomTextEdit* container = Container();
  if (!container) return;
  container->SetInnerControlMouseDown(true);
  struct TReset {
    TcxContainer* Container;
    ~TReset() { Container->SetInnerControlMouseDown(false); }
  } reset{container};
  container->MouseDown(Button, Shift, X + Left(), Y + Top());
}

void TcxCustomInnerTextEdit::MouseMove(TShiftState Shift, int X, int Y) {
  TEdit::MouseMove(Shift, X, Y);
  if (TcxCustomTextEdit* container = Container()) container->MouseMove(Shift, X + Left(), Y + Top());
}

void TcxCustomInnerTextEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TEdit::MouseUp(Button, Shift, X, Y);
  if (TcxCustomTextEdit* container = Container()) container->MouseUp(Button, Shift, X + Left(), Y + Top());
}

void TcxCustomInnerTextEdit::HandleKeyDownMessage(TMessage& Message) {
  const TPrevState state = SaveState();
  FInternalUpdating = false;
  TEdit::WndProc(Message);
  TcxCustomTextEdit* container = Container();
  // OnAfterKeyDown sees only the keys the native control ignored.
  if (container && !FInternalUpdating && Message.WParam != 0 && !StateChanged(state) && container->OnAfterKeyDown) {
    auto key = static_cast<uint16_t>(Message.WParam);
    container->OnAfterKeyDown(container, key, KeyboardStateToShiftState());
  }
}

void TcxCustomInnerTextEdit::HandleCharMessage(TMessage& Message) {
  TcxCustomTextEdit* container = Container();
  // Only a completion shown after the caret cares what the character did.
  const bool watches = container && container->FindSelection();
  const TPrevState state = watches ? SaveState() : TPrevState{};
  FInternalUpdating = false;
  TEdit::WndProc(Message);
  if (FImeCharCount > 0 && --FImeCharCount == 0 && container && container->FindSelection()) {
    SendMessageW(Handle(), EM_SETSEL, FHelper->FSelStart, FHelper->FSelStart + FHelper->FSelLength);
  }
  if (!container) return;
  container->FLookupDataTextChangedLocked = false;
  if (watches && !FInternalUpdating && StateChanged(state)) container->SetFindSelection(false);
}

// ---------------------------------------------------------------- painting

bool TcxCustomInnerTextEdit::PaintsAlignedText() { return FUseLeftAlignmentOnEditing && FAlignment != taLeftJustify; }

// The resting text where its alignment puts it; the edit itself types
// left-aligned.
void TcxCustomInnerTextEdit::PaintAlignedText(TMessage& Message) {
  PAINTSTRUCT paint{};
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  const bool ownDC = dc == nullptr;
  if (ownDC) dc = BeginPaint(Handle(), &paint);
  RECT client;
  GetClientRect(Handle(), &client);
  HFONT oldFont = static_cast<HFONT>(SelectObject(dc, Font()->Handle()));
  HBRUSH brush = CreateSolidBrush(ColorToRGB(Color()));
  FillRect(dc, &client, brush);
  DeleteObject(brush);
  String text = Text();
  if (FEchoMode == eemPassword) text = String(text.size(), FPasswordChar ? FPasswordChar : L'*');
  const LRESULT margins = SendMessageW(Handle(), EM_GETMARGINS, 0, 0);
  const int leftMargin = LOWORD(margins), rightMargin = HIWORD(margins);
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  const int width = client.right - client.left;
  int x = leftMargin;
  if (FAlignment == taRightJustify) x = leftMargin + width - extent.cx - rightMargin;
  if (FAlignment == taCenter) x = leftMargin + (width - rightMargin - leftMargin - extent.cx) / 2;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  ExtTextOutW(dc, x, 0, ETO_CLIPPED, &client, text.c_str(), static_cast<UINT>(text.size()), nullptr);
  SelectObject(dc, oldFont);
  if (ownDC) EndPaint(Handle(), &paint);
}

// ---------------------------------------------------------------- messages

void TcxCustomInnerTextEdit::WndProc(TMessage& Message) {
  TcxCustomTextEdit* container = Container();
  if (container && Message.Msg == WM_KEYDOWN && container->InnerControlMenuHandler(Message)) return;
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (container && container->DragMode() == dmAutomatic && !container->Dragging()) {
        container->BeginDrag(false);
        return;
      }
      break;
    case WM_KEYDOWN:
      return HandleKeyDownMessage(Message);
    case WM_CHAR:
      return HandleCharMessage(Message);
    case WM_IME_CHAR:
      if (FImeCharCount == 0) {
        FHelper->FSelStart = SelStart();
        FHelper->FSelLength = SelLength();
      }
      if (Message.WParam > 0xFF) {
        FImeCharCount += 2;
        FImeLastChar = static_cast<Char>(Message.WParam & 0xFF);
      } else {
        ++FImeCharCount;
      }
      break;
    case WM_IME_COMPOSITION:
      if (container && !container->DoEditing()) return;
      break;
    case WM_GETDLGCODE: {
      TEdit::WndProc(Message);
      Message.Result |= DLGC_WANTCHARS;
      if (container && container->ActiveProperties()->InnerEditWantsTabs() && GetKeyState(VK_CONTROL) >= 0)
        Message.Result |= DLGC_WANTTAB;
      if (container && (container->IsInplace() || container->HasPopupWindow())) Message.Result |= DLGC_WANTALLKEYS;
      return;
    }
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case WM_NCPAINT:
      Message.Result = 0;
      return;
    case WM_CLEAR:
      if (FReadOnly || !container) return;
      container->AsUserAction(true, [&] {
        container->ClearSelection();
        return 0;
      });
      return;
    case EM_REPLACESEL:
      if (container && container->Focused() && !container->DoEditing()) return;
      break;
    case EM_SETSEL:
      TEdit::WndProc(Message);
      if (OnSelChange) OnSelChange(this);
      return;
    case WM_SETFONT:
    case WM_SIZE:
      TEdit::WndProc(Message);
      AdjustMargins();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TEdit::WndProc(Message);
      if (container && !IsDestroying() && !ControlState().Contains(csDestroyingHandle)) {
        if (Message.Msg == WM_SETFOCUS)
          container->DoEnter();
        else
          container->DoExit();
        if (!(Message.Msg == WM_SETFOCUS && reinterpret_cast<HWND>(Message.WParam) == container->Handle()))
          container->FocusChanged();
      }
      if (PaintsAlignedText()) Invalidate();
      return;
    case WM_PAINT:
      if (PaintsAlignedText() && GetFocus() != Handle()) return PaintAlignedText(Message);
      break;
    default:
      break;
  }
  TEdit::WndProc(Message);
}

void TcxCustomInnerTextEdit::DefaultHandler(TMessage& Message) {
  if (TcxCustomTextEdit* container = Container(); container && container->InnerControlDefaultHandler(Message)) return;
  TEdit::DefaultHandler(Message);
}

// ---------------------------------------------------------------- the interface table

bool TcxCustomInnerTextEditHelper::ImePending() const { return FEdit->FImeCharCount > 0; }
TWinControl* TcxCustomInnerTextEditHelper::GetControl() { return FEdit; }
TcxContainer* TcxCustomInnerTextEditHelper::GetControlContainer() { return FEdit->GetControlContainer(); }

LRESULT TcxCustomInnerTextEditHelper::CallDefWndProc(UINT AMsg, WPARAM WParam, LPARAM LParam) {
  TMessage message{AMsg, WParam, LParam, 0};
  FEdit->TEdit::DefaultHandler(message);
  return message.Result;
}

Variant TcxCustomInnerTextEditHelper::GetEditValue() { return Variant(FEdit->Text()); }
TNotifyEvent TcxCustomInnerTextEditHelper::GetOnChange() { return FEdit->OnChange; }
bool TcxCustomInnerTextEditHelper::GetReadOnly() { return FEdit->ReadOnly(); }

void TcxCustomInnerTextEditHelper::LockBounds(bool ALock) {
  if (ALock)
    ++FEdit->FLockBoundsCount;
  else if (FEdit->FLockBoundsCount > 0)
    --FEdit->FLockBoundsCount;
}

void TcxCustomInnerTextEditHelper::SafelySetFocus() {
  const bool autoSelect = FEdit->FAutoSelect;
  FEdit->FAutoSelect = false;
  struct TRestore {
    TcxCustomInnerTextEdit* Edit;
    bool Value;
    ~TRestore() { Edit->FAutoSelect = Value; }
  } restore{FEdit, autoSelect};
  FEdit->SetFocus();
}

void TcxCustomInnerTextEditHelper::SetEditValue(const Variant& Value) {
  const String text = cxApplyCharCase(VarToStr(Value), FEdit->CharCase());
  TcxCustomTextEdit* container = FEdit->Container();
  const String current = FEdit->Text();
  // While validating a completed lookup text that only changed case, the
  // completion stays selected.
  const bool keepSelection = FEdit->HandleAllocated() && container && container->IsEditValidated() &&
                             container->ActiveProperties()->HasLookupData() && container->FindSelection() &&
                             AnsiSameText(text, current) && text != current;
  const int selStart = FEdit->SelStart(), selLength = FEdit->SelLength();
  FEdit->SetText(text);
  if (keepSelection) SendMessageW(FEdit->Handle(), EM_SETSEL, selStart, selStart + selLength);
}

void TcxCustomInnerTextEditHelper::SetParent(TWinControl* Value) { FEdit->SetParent(Value); }
void TcxCustomInnerTextEditHelper::SetOnChange(TNotifyEvent Value) { FEdit->OnChange = Value; }
void TcxCustomInnerTextEditHelper::SetReadOnly(bool Value) { FEdit->SetReadOnly(Value); }
void TcxCustomInnerTextEditHelper::ClearSelection() { FEdit->ClearSelection(); }
void TcxCustomInnerTextEditHelper::CopyToClipboard() { FEdit->CopyToClipboard(); }
TAlignment TcxCustomInnerTextEditHelper::GetAlignment() { return FEdit->FAlignment; }
bool TcxCustomInnerTextEditHelper::GetAutoSelect() { return FEdit->AutoSelect(); }
TEditCharCase TcxCustomInnerTextEditHelper::GetCharCase() { return FEdit->CharCase(); }
TcxEditEchoMode TcxCustomInnerTextEditHelper::GetEchoMode() { return FEdit->FEchoMode; }

int TcxCustomInnerTextEditHelper::GetFirstVisibleCharIndex() {
  if (!FEdit->HandleAllocated()) return 0;
  return LOWORD(SendMessageW(FEdit->Handle(), EM_CHARFROMPOS, 0, 0));
}

bool TcxCustomInnerTextEditHelper::GetHideSelection() { return FEdit->HideSelection(); }
Char TcxCustomInnerTextEditHelper::GetImeLastChar() { return FEdit->FImeCharCount >= 2 ? FEdit->FImeLastChar : 0; }
TImeMode TcxCustomInnerTextEditHelper::GetImeMode() { return FEdit->ImeMode(); }
String TcxCustomInnerTextEditHelper::GetImeName() { return FEdit->ImeName(); }
bool TcxCustomInnerTextEditHelper::GetInternalUpdating() { return FEdit->FInternalUpdating; }
int TcxCustomInnerTextEditHelper::GetMaxLength() { return FEdit->MaxLength(); }
bool TcxCustomInnerTextEditHelper::GetOEMConvert() { return FEdit->OEMConvert(); }
TNotifyEvent TcxCustomInnerTextEditHelper::GetOnSelChange() { return FEdit->OnSelChange; }
Char TcxCustomInnerTextEditHelper::GetPasswordChar() { return FEdit->FPasswordChar; }
int TcxCustomInnerTextEditHelper::GetSelLength() { return ImePending() ? FSelLength : FEdit->SelLength(); }
int TcxCustomInnerTextEditHelper::GetSelStart() { return ImePending() ? FSelStart : FEdit->SelStart(); }
String TcxCustomInnerTextEditHelper::GetSelText() { return FEdit->SelText(); }
bool TcxCustomInnerTextEditHelper::GetUseLeftAlignmentOnEditing() { return FEdit->FUseLeftAlignmentOnEditing; }

void TcxCustomInnerTextEditHelper::SelectAll() {
  if (FEdit->HandleAllocated()) FEdit->SelectAll();
}

void TcxCustomInnerTextEditHelper::SetAlignment(TAlignment Value) {
  if (FEdit->FAlignment == Value) return;
  FEdit->FAlignment = Value;
  if (!FEdit->FUseLeftAlignmentOnEditing && FEdit->HandleAllocated()) FEdit->RecreateWnd();
  FEdit->Invalidate();
}

void TcxCustomInnerTextEditHelper::SetAutoSelect(bool Value) { FEdit->SetAutoSelect(Value); }
void TcxCustomInnerTextEditHelper::SetCharCase(TEditCharCase Value) { FEdit->SetCharCase(Value); }
void TcxCustomInnerTextEditHelper::SetEchoMode(TcxEditEchoMode Value) { FEdit->SetEchoMode(Value); }
void TcxCustomInnerTextEditHelper::SetHideSelection(bool Value) { FEdit->SetHideSelection(Value); }
void TcxCustomInnerTextEditHelper::SetInternalUpdating(bool Value) { FEdit->FInternalUpdating = Value; }
void TcxCustomInnerTextEditHelper::SetImeMode(TImeMode Value) { FEdit->SetImeMode(Value); }
void TcxCustomInnerTextEditHelper::SetImeName(const String& Value) { FEdit->SetImeName(Value); }
void TcxCustomInnerTextEditHelper::SetMaxLength(int Value) { FEdit->SetMaxLength(Value); }
void TcxCustomInnerTextEditHelper::SetOEMConvert(bool Value) { FEdit->SetOEMConvert(Value); }
void TcxCustomInnerTextEditHelper::SetOnSelChange(TNotifyEvent Value) { FEdit->OnSelChange = Value; }

void TcxCustomInnerTextEditHelper::SetPasswordChar(Char Value) {
  if (FEdit->FPasswordChar == Value) return;
  FEdit->FPasswordChar = Value;
  if (FEdit->FEchoMode == eemPassword && FEdit->HandleAllocated()) FEdit->RecreateWnd();
}

void TcxCustomInnerTextEditHelper::SetSelLength(int Value) {
  if (!FEdit->HandleAllocated()) return;
  if (ImePending())
    FSelLength = Value;
  else
    FEdit->SetSelLength(Value);
}

void TcxCustomInnerTextEditHelper::SetSelStart(int Value) {
  if (!FEdit->HandleAllocated()) return;
  if (ImePending())
    FSelStart = Value;
  else
    FEdit->SetSelStart(Value);
}

void TcxCustomInnerTextEditHelper::SetSelText(const String& Value) { FEdit->SetSelText(Value); }

void TcxCustomInnerTextEditHelper::SetUseLeftAlignmentOnEditing(bool Value) {
  if (FEdit->FUseLeftAlignmentOnEditing == Value) return;
  FEdit->FUseLeftAlignmentOnEditing = Value;
  if (FEdit->FAlignment != taLeftJustify && FEdit->HandleAllocated()) FEdit->RecreateWnd();
}

String TcxCustomInnerTextEditHelper::GetTextHint() { return FEdit->TextHint(); }
void TcxCustomInnerTextEditHelper::SetTextHint(const String& Value) { FEdit->SetTextHint(Value); }
