#include "vcl/controls/Forms.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

#include "vcl/controls/Application.h"
#include "vcl/graphics/Icon.h"

TScreen* Screen = nullptr;

namespace {
// The program's other enabled windows, disabled while a modal form runs
// and enabled again when it ends.
class TDisabledWindows {
public:
  explicit TDisabledWindows(HWND Except) : FExcept(Except) {
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(this));
    for (HWND window : FWindows) EnableWindow(window, FALSE);
  }
  ~TDisabledWindows() {
    for (HWND window : FWindows)
      if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  TDisabledWindows(const TDisabledWindows&) = delete;
  TDisabledWindows& operator=(const TDisabledWindows&) = delete;

private:
  static BOOL CALLBACK Collect(HWND Window, LPARAM Self) {
    auto* self = reinterpret_cast<TDisabledWindows*>(Self);
    if (Window != self->FExcept && IsWindowVisible(Window) && IsWindowEnabled(Window))
      self->FWindows.push_back(Window);
    return TRUE;
  }
  HWND FExcept;
  std::vector<HWND> FWindows;
};
}  // namespace

TCustomForm* GetParentForm(TControl* Control) {
  while (Control && Control->Parent()) Control = Control->Parent();
  return dynamic_cast<TCustomForm*>(Control);
}

// ---------------------------------------------------------------- TCustomForm

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  SetVisible(false);
  SetBounds(0, 0, 320, 240);
  SetColor(clBtnFace);
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  Destroying();
  if (Screen) Screen->RemoveForm(this);
  if (Application) Application->FormDestroyed(this);
}

void TCustomForm::AfterConstruction() {
  if (FCreated) return;
  FCreated = true;
  try {
    if (OnCreate) OnCreate(this);
  } catch (...) {
    Application->HandleException(this);
  }
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (!Enabled()) Params.Style |= WS_DISABLED;
  Params.ExStyle = WS_EX_CONTROLPARENT;
  if (FFormStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
  Params.WndParent = PopupOwnerWindow();
  if (Parent()) {
    // A form placed on a control is embedded: a child window without a frame.
    Params.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (Visible() ? WS_VISIBLE : 0);
    if (!Enabled()) Params.Style |= WS_DISABLED;
    Params.ExStyle &= ~WS_EX_TOPMOST;
    Params.WndParent = Parent()->Handle();
  }
}

HWND TCustomForm::PopupOwnerWindow() {
  TCustomForm* owner = nullptr;
  switch (FPopupMode) {
    case pmNone: owner = Application ? Application->MainForm() : nullptr; break;
    case pmAuto: owner = Screen->ActiveForm(); break;
    case pmExplicit: owner = FPopupParent; break;
  }
  if (!owner || owner == this) return nullptr;
  // An explicit popup parent gets its window for the form's sake.
  if (FPopupMode == pmExplicit || owner->HandleAllocated()) return owner->Handle();
  return nullptr;
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (Value == FFormStyle) return;
  FFormStyle = Value;
  // A window made anew carries the new style (the system keeps an owned
  // window topmost whatever it is told).
  if (HandleAllocated()) RecreateWnd();
}

void TCustomForm::SetPopupMode(TPopupMode Value) {
  if (Value == FPopupMode) return;
  FPopupMode = Value;
  if (Value != pmExplicit) SetPopupParent(nullptr);
  if (HandleAllocated()) RecreateWnd();
}

void TCustomForm::SetPopupParent(TCustomForm* Value) {
  if (Value == FPopupParent) return;
  if (FPopupParent) FPopupParent->RemoveFreeNotification(this);
  FPopupParent = Value;
  if (Value) {
    Value->FreeNotification(this);
    FPopupMode = pmExplicit;
  }
  if (HandleAllocated()) RecreateWnd();
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupParent) FPopupParent = nullptr;
}

void TCustomForm::InitializeWindow() {
  TWinControl::InitializeWindow();
  if (Application && !Application->Icon()->Empty()) {
    auto icon = reinterpret_cast<LPARAM>(Application->Icon()->Handle());
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, icon);
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, icon);
  }
}

void TCustomForm::DoShow() {
  try {
    if (OnShow) OnShow(this);
  } catch (...) {
    Application->HandleException(this);
  }
}

void TCustomForm::DoHide() {
  try {
    if (OnHide) OnHide(this);
  } catch (...) {
    Application->HandleException(this);
  }
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

TCloseAction TCustomForm::DoClose() {
  TCloseAction action = caHide;
  if (OnClose) OnClose(this, action);
  return action;
}

void TCustomForm::CenterOnScreen() {
  SetBounds((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2, Width(), Height());
}

void TCustomForm::VisibleChanging(bool Showing) {
  if (Showing) {
    HandleNeeded();
    if (FPosition == poScreenCenter) CenterOnScreen();
    DoShow();
    ShowWindow(Handle(), SW_SHOW);
  } else if (HandleAllocated()) {
    DoHide();
    ShowWindow(Handle(), SW_HIDE);
  }
}

void TCustomForm::Activated() {
  if (Screen) Screen->SetActiveForm(this);
  if (FActiveControl && FActiveControl->CanFocus()) ::SetFocus(FActiveControl->Handle());
  else if (!FActiveControl) SelectNext(nullptr, true, true);
}

// Offers a message to every control inside AParent, depth first, until one
// answers it (a non-zero result).
static LRESULT BroadcastToControls(TWinControl* AParent, UINT Msg, WPARAM WParam, LPARAM LParam) {
  for (int i = 0; i < AParent->ControlCount(); ++i) {
    TControl* control = AParent->Controls(i);
    if (LRESULT result = control->Perform(Msg, WParam, LParam)) return result;
    if (auto* container = dynamic_cast<TWinControl*>(control))
      if (LRESULT result = BroadcastToControls(container, Msg, WParam, LParam)) return result;
  }
  return 0;
}

void TCustomForm::FocusChanged(TWinControl* Control) {
  FActiveControl = Control;
  BroadcastToControls(this, CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
}

void TCustomForm::ControlRemoved(TControl* Control) {
  for (TControl* c = FActiveControl; c; c = c->Parent())
    if (c == Control) {
      FActiveControl = nullptr;
      return;
    }
}

void TCustomForm::SetActiveControl(TWinControl* Value) {
  if (Value && (Value == this || GetParentForm(Value) != this || !Value->CanFocus()))
    InvalidOperation(L"cannot make that control active: it is not a focusable control of the form");
  FActiveControl = Value;
  if (Value && HandleAllocated() && GetActiveWindow() == Handle()) Value->SetFocus();
}

void TCustomForm::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return;
  int count = static_cast<int>(list.size());
  auto found = std::find(list.begin(), list.end(), CurControl);
  int start = found != list.end() ? static_cast<int>(found - list.begin())
                                  : (GoForward ? -1 : count);
  for (int step = 1; step <= count; ++step) {
    int index = ((start + (GoForward ? step : -step)) % count + count) % count;
    TWinControl* control = list[index];
    if (control->CanFocus() && (!CheckTabStop || control->TabStop())) {
      control->SetFocus();
      return;
    }
  }
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || FModal)
    InvalidOperation(L"cannot be shown modally: it is visible, disabled or already modal");
  HandleNeeded();
  FModal = true;
  ++Application->FModalLevel;
  FModalResult = mrNone;
  struct TModalState {
    TCustomForm* Form;
    ~TModalState() {
      Form->FModal = false;
      --Application->FModalLevel;
    }
  } modalState{this};
  {
    TDisabledWindows disabled(Handle());
    Show();
    while (FModalResult == mrNone) {
      Application->HandleMessage();
      if (Application->Terminated()) {
        FModalResult = mrCancel;
      } else if (FModalResult != mrNone) {
        // A result closes the form unless the close handlers keep it open
        // or a control cannot let the focus go.
        if (!CloseQuery() || DoClose() == caNone || !ReleaseFocusForModalResult()) FModalResult = mrNone;
      }
    }
  }
  FModalClosing = true;
  struct TClosingEnd {
    bool& Flag;
    ~TClosingEnd() { Flag = false; }
  } closingEnd{FModalClosing};
  Hide();
  return FModalResult;
}

bool TCustomForm::ReleaseFocusForModalResult() {
  if (FModalResult == mrCancel) return true;
  FModalClosing = true;
  try {
    BroadcastToControls(this, CM_FOCUSCHANGED, 0, 0);
  } catch (...) {
    FModalClosing = false;
    Application->HandleException(this);
    // The controls see the focus where it stayed.
    FocusChanged(FActiveControl);
    return false;
  }
  FModalClosing = false;
  return true;
}

bool TCustomForm::IsShortCut(TMessage& Message) {
  bool handled = false;
  if (OnShortCut) OnShortCut(Message, handled);
  return handled;
}

void TCustomForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = DoClose();
  if (action == caNone) return;
  if (Application && Application->MainForm() == this) return Application->Terminate();
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: ShowWindow(Handle(), SW_MINIMIZE); break;
    default: Release(); break;
  }
}

void TCustomForm::Release() { PostMessageW(Handle(), CM_RELEASE, 0, 0); }

void TCustomForm::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CLOSE: return Close();
    case WM_ACTIVATE:
      DefaultHandler(Message);
      if (LOWORD(Message.WParam) != WA_INACTIVE) Activated();
      return;
    case CM_DIALOGKEY:
      // Enter and Escape go to the default and cancel buttons.
      if (Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE) {
        Message.Result = BroadcastToControls(this, CM_DIALOGKEY, Message.WParam, Message.LParam);
        return;
      }
      if (Message.WParam != VK_TAB || GetKeyState(VK_CONTROL) < 0) break;
      SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
      Message.Result = 1;
      return;
    case CM_DIALOGCHAR:
      Message.Result = BroadcastToControls(this, CM_DIALOGCHAR, Message.WParam, Message.LParam);
      return;
    case CM_VISIBLECHANGED: return VisibleChanging(Message.WParam != 0);
    case CM_RELEASE:
      delete this;  // nothing of the form is touched after this
      return;
  }
  TWinControl::WndProc(Message);
}

// ---------------------------------------------------------------- TScreen

namespace {

// The drag cursors, drawn as rows of 'X' (black), '.' (white) and blanks
// (transparent): the arrow over one page, or over a stack of pages.
constexpr int CursorSize = 32;
using TCursorArt = std::array<std::array<char, CursorSize>, CursorSize>;

void PaintArt(TCursorArt& Art, int Left, int Top, std::initializer_list<const char*> Rows) {
  int y = Top;
  for (const char* row : Rows) {
    for (int x = 0; row[x]; ++x)
      if (row[x] != ' ') Art[y][Left + x] = row[x];
    ++y;
  }
}

void PaintPage(TCursorArt& Art, int Left, int Top) {
  PaintArt(Art, Left, Top,
           {"XXXXXXXX", "X......X", "X.XXXX.X", "X......X", "X.XXXX.X", "X......X", "X.XXXX.X", "X......X",
            "X......X", "XXXXXXXX"});
}

HCURSOR MakeDragCursor(bool Multiple) {
  TCursorArt art;
  for (auto& row : art) row.fill(' ');
  if (Multiple) {
    PaintPage(art, 16, 14);
    PaintPage(art, 14, 16);
  }
  PaintPage(art, 12, 18);
  PaintArt(art, 0, 0,
           {"X", "XX", "X.X", "X..X", "X...X", "X....X", "X.....X", "X......X", "X.......X", "X........X",
            "X.....XXXXX", "X..X..X", "X.X X..X", "XX  X..X", "X    X..X", "     X..X", "      XX"});
  // Transparent: AND 1; black: AND 0, XOR 0; white: AND 0, XOR 1.
  uint8_t andPlane[CursorSize * CursorSize / 8], xorPlane[CursorSize * CursorSize / 8] = {};
  std::fill(std::begin(andPlane), std::end(andPlane), 0xFF);
  for (int y = 0; y < CursorSize; ++y)
    for (int x = 0; x < CursorSize; ++x) {
      const int byte = (y * CursorSize + x) / 8;
      const uint8_t bit = 0x80 >> (x % 8);
      if (art[y][x] == ' ') continue;
      andPlane[byte] &= ~bit;
      if (art[y][x] == '.') xorPlane[byte] |= bit;
    }
  HCURSOR cursor = CreateCursor(GetModuleHandleW(nullptr), 0, 0, CursorSize, CursorSize, andPlane, xorPlane);
  if (!cursor) RaiseLastOSError();
  return cursor;
}

}  // namespace

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {
  SetCursorLoader(crDrag, [] { return MakeDragCursor(false); });
  SetCursorLoader(crMultiDrag, [] { return MakeDragCursor(true); });
}

TScreen::~TScreen() {
  std::set<HCURSOR> owned;
  for (auto& [index, handle] : FCursors) owned.insert(handle);
  for (HCURSOR handle : owned) DestroyCursor(handle);
}

bool TScreen::HoldsCursor(HCURSOR Handle) const {
  return std::any_of(FCursors.begin(), FCursors.end(), [&](const auto& entry) { return entry.second == Handle; });
}

void TScreen::SetCursor(TCursor Value) {
  FCursor = Value;
  ::SetCursor(Cursors(Value));
}

HCURSOR TScreen::Cursors(TCursor Index) const {
  if (auto registered = FCursors.find(Index); registered != FCursors.end()) return registered->second;
  if (auto pending = FCursorLoaders.find(Index); pending != FCursorLoaders.end()) {
    // Out of the list before it runs: a loader that fails is not run again.
    const std::function<HCURSOR()> loader = std::move(pending->second);
    FCursorLoaders.erase(pending);
    if (HCURSOR made = loader()) return FCursors[Index] = made;
  }
  static const struct {
    TCursor Index;
    const wchar_t* Id;
  } standard[] = {
      {crDefault, IDC_ARROW},      {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},
      {crIBeam, IDC_IBEAM},        {crSizeNESW, IDC_SIZENESW}, {crSizeNS, IDC_SIZENS},
      {crSizeNWSE, IDC_SIZENWSE},  {crSizeWE, IDC_SIZEWE},     {crUpArrow, IDC_UPARROW},
      {crHourGlass, IDC_WAIT},     {crNo, IDC_NO},             {crAppStart, IDC_APPSTARTING},
      {crHelp, IDC_HELP},          {crHandPoint, IDC_HAND},    {crSizeAll, IDC_SIZEALL},
      {crNoDrop, IDC_NO},
  };
  if (Index == crNone) return nullptr;
  for (const auto& cursor : standard)
    if (cursor.Index == Index) return LoadCursorW(nullptr, cursor.Id);
  return LoadCursorW(nullptr, IDC_ARROW);
}

void TScreen::SetCursors(TCursor Index, HCURSOR Handle) {
  FCursorLoaders.erase(Index);
  const HCURSOR old = std::exchange(FCursors[Index], Handle);
  if (old && !HoldsCursor(old)) DestroyCursor(old);
}

void TScreen::SetCursorLoader(TCursor Index, std::function<HCURSOR()> Loader) {
  ReleaseCursor(Index);
  FCursorLoaders[Index] = std::move(Loader);
}

void TScreen::ReleaseCursor(TCursor Index) {
  const auto registered = FCursors.find(Index);
  if (registered == FCursors.end()) return;
  const HCURSOR old = registered->second;
  FCursors.erase(registered);
  if (old && !HoldsCursor(old)) DestroyCursor(old);
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

TCustomForm* TScreen::FocusedForm() const {
  for (HWND window = GetFocus(); window; window = GetAncestor(window, GA_PARENT))
    if (TWinControl* control = FindControl(window)) return GetParentForm(control);
  return nullptr;
}

TFont* TScreen::MenuFont() {
  if (!FMenuFont) {
    FMenuFont = std::make_unique<TFont>();
    NONCLIENTMETRICSW metrics{sizeof(metrics)};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
      FMenuFont->SetName(metrics.lfMenuFont.lfFaceName);
      FMenuFont->SetHeight(metrics.lfMenuFont.lfHeight);
      FMenuFont->SetCharset(metrics.lfMenuFont.lfCharSet);
    }
  }
  return FMenuFont.get();
}

TRect TScreen::WorkAreaRect() const {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return TRect{area.left, area.top, area.right, area.bottom};
}

void TScreen::RemoveForm(TCustomForm* Form) {
  std::erase(FForms, Form);
  if (FActiveForm == Form) FActiveForm = nullptr;
}
