#include "components/controls/cxControls.h"

#include <algorithm>
#include <iterator>

#include "components/controls/cxDWMApi.h"
#include "components/core/cxMessageWindow.h"
#include "components/core/dxCore.h"
#include "components/core/dxThemeManager.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Forms.h"
#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/Threads.h"

// The mouse-tracking list's start and end (cxControlsGestures.cpp).
void cxMouseTrackingInitialize();
void cxMouseTrackingFinalize();

namespace {

bool UnitFinalized = false;
std::unique_ptr<TcxWindowProcController> WindowProcController;
std::unique_ptr<TdxMessagesController> MessagesController;
std::unique_ptr<TdxApplicationActivateWindowHelper> ApplicationActivateWindowHelper;
std::unique_ptr<TcxMessageWindow> MessageWindow;
std::unique_ptr<TcxSystemController> SystemController;

void cxBufferedPaintInit() { BufferedPaintInit(); }
void cxBufferedPaintUnInit() { BufferedPaintUnInit(); }

// The library's cursors in the program's resources, by their screen index.
constexpr struct {
  TCursor Index;
  const wchar_t* Name;
} ResourceCursors[] = {
    {2100, L"CX_DRAGCOPYCURSOR"},
    {2101, L"CX_FULLSCROLLCURSOR"},
    {2102, L"CX_HORSCROLLCURSOR"},
    {2103, L"CX_VERSCROLLCURSOR"},
    {2104, L"CX_UPSCROLLCURSOR"},
    {2105, L"CX_RIGHTSCROLLCURSOR"},
    {2106, L"CX_DOWNSCROLLCURSOR"},
    {2107, L"CX_LEFTSCROLLCURSOR"},
    {2108, L"CX_REMOVECURSOR"},
    {2109, L"CX_VERTSIZECURSOR"},
    {2110, L"CX_HORZSIZECURSOR"},
    {2111, L"CX_MULTIDRAGCURSOR"},
    {2112, L"CX_NODROPCURSOR"},
    {2113, L"CX_DRAGCURSOR"},
    {2114, L"CX_COLORPICKERCURSOR"},
    {2115, L"CX_MULTIDRAGCOPYCURSOR"},
    {2116, L"CX_HANDCURSOR"},
    {2117, L"CX_HANDDRAGCURSOR"},
};
constexpr TCursor SystemHandCursor = -2099;

// Each is loaded when the screen is first asked for it.
void RegisterCursors() {
  for (const auto& cursor : ResourceCursors)
    Screen->SetCursorLoader(cursor.Index, [name = cursor.Name] {
      return static_cast<HCURSOR>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    });
  // A copy the screen may destroy, unlike the shared system cursor.
  Screen->SetCursorLoader(SystemHandCursor, [] { return CopyCursor(LoadCursorW(nullptr, IDC_HAND)); });
}

void cxControlsInitialize() {
  UnitFinalized = false;
  cxMouseTrackingInitialize();
  if (Screen) RegisterCursors();
  SystemController = std::make_unique<TcxSystemController>();
  if (TdxUnitsLoader* loader = dxUnitsLoaderInstance(); loader && dxOsVistaUp)
    loader->AddUnit(cxBufferedPaintInit, cxBufferedPaintUnInit);
  ApplicationActivateWindowHelper = std::make_unique<TdxApplicationActivateWindowHelper>();
}

void cxControlsFinalize() {
  ApplicationActivateWindowHelper.reset();
  if (TdxUnitsLoader* loader = dxUnitsLoaderInstance()) loader->RemoveUnit(cxBufferedPaintUnInit);
  UnitFinalized = true;
  SystemController.reset();
  cxMouseTrackingFinalize();
  MessageWindow.reset();
  WindowProcController.reset();
  MessagesController.reset();
}

}  // namespace

const TUnitEntry cxControlsUnit{L"cxControls", cxControlsInitialize, cxControlsFinalize};

TcxWindowProcController* cxGetWindowProcController() {
  if (!WindowProcController && !UnitFinalized)
    WindowProcController = std::make_unique<TcxWindowProcController>();
  return WindowProcController.get();
}

TdxMessagesController* dxGetMessagesController() {
  if (!MessagesController && !UnitFinalized)
    MessagesController = std::make_unique<TdxMessagesController>();
  return MessagesController.get();
}

TcxSystemController* cxSystemController() { return SystemController.get(); }

TcxSystemController::TcxSystemController(bool AInLibrary) : FInLibrary(AInLibrary) {
  if (!FInLibrary) return;
  FPrevWakeMainThread = WakeMainThread;
  WakeMainThread = [this](TObject*) { PostMessageW(Handle(), DXM_SYNCHRONIZETHREADS, 0, 0); };
}

TcxSystemController::~TcxSystemController() {
  if (FInLibrary) WakeMainThread = FPrevWakeMainThread;
}

void TcxSystemController::HandleWindowMessage(TMessage& AMessage) {
  if (AMessage.Msg == DXM_SYNCHRONIZETHREADS)
    CheckSynchronize();
  else
    TcxMessageWindow::HandleWindowMessage(AMessage);
}

TcxMessageWindow* cxGetMessageWindow() {
  if (!MessageWindow && !UnitFinalized) MessageWindow = std::make_unique<TcxMessageWindow>();
  return MessageWindow.get();
}

TdxApplicationActivateWindowHelper* dxApplicationActivateWindowHelper() {
  return ApplicationActivateWindowHelper.get();
}

// ---------------------------------------------------------------- application activation

TdxApplicationActivateWindowHelper::TdxApplicationActivateWindowHelper()
    : FFreeNotificator(std::make_unique<TcxFreeNotificator>(nullptr)) {
  FFreeNotificator->OnFreeNotification = [this](TComponent* AComponent) { FormFreed(AComponent); };
}

TdxApplicationActivateWindowHelper::~TdxApplicationActivateWindowHelper() {
  for (TCustomForm* form : FWindowsList) FFreeNotificator->RemoveSender(form);
}

void TdxApplicationActivateWindowHelper::AddWindow(TCustomForm* AForm) {
  if (std::find(FWindowsList.begin(), FWindowsList.end(), AForm) != FWindowsList.end()) return;
  FWindowsList.push_back(AForm);
  FFreeNotificator->AddSender(AForm);
}

void TdxApplicationActivateWindowHelper::RemoveWindow(TCustomForm* AForm) {
  std::erase(FWindowsList, AForm);
  FFreeNotificator->RemoveSender(AForm);
}

void TdxApplicationActivateWindowHelper::FormFreed(TComponent* AComponent) {
  std::erase(FWindowsList, static_cast<TCustomForm*>(AComponent));
}

bool TdxApplicationActivateWindowHelper::IsAboveTopmostModal(TCustomForm* AForm) const {
  for (auto form = FWindowsList.rbegin(); form != FWindowsList.rend(); ++form) {
    if (*form == AForm) return true;
    if ((*form)->Modal()) return false;
  }
  return false;
}

bool TdxApplicationActivateWindowHelper::NormalizeTopMostWindows(const TMessage& AMessage,
                                                                 TCustomForm* AForm) {
  TCustomForm* focused = Screen->FocusedForm();
  if (!AMessage.WParam || Application->ModalLevel() == 0 || AForm == focused ||
      IsAboveTopmostModal(AForm))
    return false;
  constexpr UINT keepPlace = SWP_NOMOVE | SWP_NOSIZE;
  for (auto form = FWindowsList.rbegin(); form != FWindowsList.rend(); ++form)
    if ((*form)->HandleAllocated())
      SetWindowPos((*form)->Handle(), HWND_TOP, 0, 0, 0, 0, keepPlace | SWP_NOACTIVATE);
  if (focused && focused->HandleAllocated())
    SetWindowPos(focused->Handle(), HWND_TOP, 0, 0, 0, 0, keepPlace);
  return true;
}

// ---------------------------------------------------------------- windows and controls

bool cxIsSameOrChildWindow(HWND AParentWnd, HWND AWnd) {
  return AParentWnd && (AWnd == AParentWnd || IsChild(AParentWnd, AWnd));
}

bool cxIsWindowEnabledWithParents(HWND AWnd) {
  if (!cxIsChildWindowStyle(AWnd)) return IsWindowEnabled(AWnd);
  return IsWindowEnabled(AWnd) && cxIsWindowEnabledWithParents(GetParent(AWnd));
}

bool cxIsControlShowing(TWinControl* AControl) {
  return AControl && AControl->HandleAllocated() && IsWindowVisible(AControl->Handle());
}

TWinControl* cxFindControlOfWindow(HWND AWnd) {
  for (HWND window = AWnd; window; window = GetAncestor(window, GA_PARENT))
    if (TWinControl* control = FindControl(window)) return control;
  return nullptr;
}

TCustomForm* cxGetWindowParentForm(HWND AWnd) {
  TWinControl* control = cxFindControlOfWindow(AWnd);
  return control ? GetParentForm(control) : nullptr;
}

void cxPerformToParentsUntilForm(TControl* AControl, UINT AMsg) {
  for (TControl* control = AControl; control; control = control->Parent()) {
    if (control != AControl && dynamic_cast<TCustomForm*>(control)) break;
    control->Perform(AMsg);
  }
}

TComponent* cxFindOwnedComponentOfClass(TComponent* AOwner, TClass AClass) {
  for (int i = 0; i < AOwner->ComponentCount(); ++i)
    if (AOwner->Components(i)->InheritsFrom(AClass)) return AOwner->Components(i);
  return nullptr;
}

void cxRequestWindowRecreate(TWinControl* AControl, bool APostponed) {
  if (!AControl->HandleAllocated()) return;
  if (APostponed)
    PostMessageW(AControl->Handle(), CM_RECREATEWND, 0, 0);
  else
    AControl->Perform(CM_RECREATEWND);
}

TRect cxGetControlWindowRect(TWinControl* AControl) {
  return AControl->HandleAllocated() ? cxGetWindowRectSafe(AControl->Handle()) : TRect{};
}

HWND cxWindowAtScreenPoint(const TPoint& P) {
  HWND window = WindowFromPoint(POINT{P.X, P.Y});
  while (window) {
    POINT local{P.X, P.Y};
    ScreenToClient(window, &local);
    const HWND child = ChildWindowFromPointEx(window, local, CWP_SKIPINVISIBLE);
    if (!child || child == window) break;
    window = child;
  }
  return window;
}

void cxRefreshWindowFrame(HWND AHandle, bool AUpdate) {
  SetWindowPos(AHandle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if (AUpdate) UpdateWindow(AHandle);
}

WNDPROC cxSetWindowProc(HWND AHandle, WNDPROC AProc) {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(AHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AProc)));
}

TCustomForm* cxGetActiveForm() {
  if (TCustomForm* form = Screen->ActiveForm()) return form;
  return cxGetWindowParentForm(GetActiveWindow());
}

TPoint cxControlClientToParent(TControl* AControl, const TPoint& P, TWinControl* AParent) {
  if (!AParent) AParent = AControl->Parent();
  TPoint result = P;
  for (TControl* control = AControl; control != AParent; control = control->Parent()) {
    if (!control->Parent())
      throw EInvalidOperation(Format(L"Control '%s' has no parent window", {AControl->Name()}));
    result.X += control->Left();
    result.Y += control->Top();
  }
  return result;
}

bool cxCanAllocateControlHandle(TWinControl* AControl) {
  if (!AControl) return false;
  if (AControl->HandleAllocated()) return true;
  if (AControl->IsDestroying()) return false;
  if (TWinControl* parent = AControl->Parent()) return cxCanAllocateControlHandle(parent);
  const bool topLevel = dynamic_cast<TCustomForm*>(AControl) || dynamic_cast<THintWindow*>(AControl);
  return topLevel && Application && Application->Handle();
}

void cxDispatchPendingControlMessages(TWinControl* AControl) {
  MSG msg;
  while (AControl && AControl->HandleAllocated() && !AControl->IsDestroying() &&
         PeekMessageW(&msg, AControl->Handle(), cxPendingControlMessage, cxPendingControlMessage, PM_REMOVE))
    DispatchMessageW(&msg);
}

// ---------------------------------------------------------------- painting on glass

bool cxIsControlPaintingOnGlass(TWinControl* AControl) {
  return AControl->HandleAllocated() && cxIsDesktopCompositionEnabled() &&
         AControl->ControlState().Contains(csGlassPaint);
}

bool cxGetControlUpdateRegion(TWinControl* AControl, HRGN ARegion) {
  // Windows 7 without composition reports update regions that miss parts.
  if (dxOsWin7 && !cxIsDesktopCompositionEnabled()) return false;
  if (!AControl->HandleAllocated()) return false;
  const int kind = GetUpdateRgn(AControl->Handle(), ARegion, FALSE);
  return kind == SIMPLEREGION || kind == COMPLEXREGION;
}

bool cxIsEraseFromOwnPrint(const TMessage& Message) {
  return Message.Msg == WM_ERASEBKGND && static_cast<WPARAM>(Message.LParam) == Message.WParam;
}

namespace {

void EraseAndPrintClient(HWND AHandle, HDC DC) {
  SendMessageW(AHandle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), reinterpret_cast<LPARAM>(DC));
  SendMessageW(AHandle, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(DC), PRF_CLIENT);
}

}  // namespace

void cxBufferedPaintWindow(HWND AHandle, bool AKeepAlpha) {
  const TcxPaintScope paint(AHandle);
  if (IsRectEmpty(&paint.PaintRect())) return;
  BP_PAINTPARAMS params{sizeof(params)};
  HDC bufferDC = nullptr;
  const HPAINTBUFFER buffer =
      BeginBufferedPaint(paint.DC(), &paint.PaintRect(), BPBF_TOPDOWNDIB, &params, &bufferDC);
  if (!buffer) {
    EraseAndPrintClient(AHandle, paint.DC());
    return;
  }
  BufferedPaintClear(buffer, nullptr);
  EraseAndPrintClient(AHandle, bufferDC);
  if (!AKeepAlpha) BufferedPaintSetAlpha(buffer, &paint.PaintRect(), 255);
  // The caret would be copied over.
  const bool hideCaret = GetFocus() == AHandle;
  if (hideCaret) HideCaret(AHandle);
  EndBufferedPaint(buffer, TRUE);
  if (hideCaret) ShowCaret(AHandle);
}

void cxDrawTextOnGlass(HDC ADC, const String& AText, TFont* AFont, const TRect& R, TColor AColor, UINT AFlags,
                       int AGlowSize, bool ACopyBackground) {
  const int width = R.Width();
  const int height = R.Height();
  if (width <= 0 || height <= 0) return;
  TcxBitmap32 buffer(width, height, true);
  HDC bufferDC = buffer.Canvas()->Handle();
  if (ACopyBackground) BitBlt(bufferDC, 0, 0, width, height, ADC, R.Left, R.Top, SRCCOPY);
  const HGDIOBJ oldFont =
      SelectObject(bufferDC, AFont ? AFont->Handle() : GetCurrentObject(ADC, OBJ_FONT));
  DTTOPTS options{sizeof(options)};
  options.dwFlags = DTT_COMPOSITED | DTT_TEXTCOLOR;
  options.crText = AColor == clDefault ? GetTextColor(ADC) : ColorToRGB(AColor);
  if (AGlowSize > 0) {
    options.dwFlags |= DTT_GLOWSIZE;
    options.iGlowSize = AGlowSize;
  }
  RECT textRect{0, 0, width, height};
  DrawThemeTextEx(dxThemeHandleOf(totWindow), bufferDC, 0, 0, AText.c_str(), -1, AFlags, &textRect, &options);
  SelectObject(bufferDC, oldFont);
  BitBlt(ADC, R.Left, R.Top, width, height, bufferDC, 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------- desktop

TRect cxGetWorkAreaOfMonitor(HMONITOR AMonitor) {
  MONITORINFO info{sizeof(info)};
  if (!AMonitor || !GetMonitorInfoW(AMonitor, &info)) return Screen->WorkAreaRect();
  return TRect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

TRect cxGetDesktopWorkAreaAtPoint(const TPoint& P) {
  return cxGetWorkAreaOfMonitor(MonitorFromPoint(POINT{P.X, P.Y}, MONITOR_DEFAULTTONEAREST));
}

void cxMoveRectIntoWorkArea(TRect& ABounds, const TPoint& P) {
  const TRect area = cxGetDesktopWorkAreaAtPoint(P);
  if (ABounds.Right > area.Right) ABounds.Offset(area.Right - ABounds.Right, 0);
  if (ABounds.Bottom > area.Bottom) ABounds.Offset(0, area.Bottom - ABounds.Bottom);
  if (ABounds.Left < area.Left) ABounds.Offset(area.Left - ABounds.Left, 0);
  if (ABounds.Top < area.Top) ABounds.Offset(0, area.Top - ABounds.Top);
}

// ---------------------------------------------------------------- mouse and keys

void cxGetCursorPosSafe(TPoint& P) {
  POINT position;
  P = GetCursorPos(&position) ? TPoint{position.x, position.y} : cxInvalidPoint;
}

namespace {
bool IsAsyncKeyDown(int AKey) { return GetAsyncKeyState(AKey) < 0; }
}  // namespace

WPARAM cxGetMouseKeyFlags() {
  const struct {
    int Key;
    WPARAM Flag;
  } keys[] = {{VK_LBUTTON, MK_LBUTTON}, {VK_RBUTTON, MK_RBUTTON}, {VK_SHIFT, MK_SHIFT},
              {VK_CONTROL, MK_CONTROL}, {VK_MBUTTON, MK_MBUTTON}};
  WPARAM flags = 0;
  for (const auto& key : keys)
    if (IsAsyncKeyDown(key.Key)) flags |= key.Flag;
  return flags;
}

WPARAM cxShiftStateToMouseKeys(TShiftState AShift) {
  const struct {
    TShiftStateItem Item;
    WPARAM Flag;
  } keys[] = {{ssShift, MK_SHIFT}, {ssLeft, MK_LBUTTON},   {ssRight, MK_RBUTTON},
              {ssCtrl, MK_CONTROL}, {ssMiddle, MK_MBUTTON}};
  WPARAM flags = 0;
  for (const auto& key : keys)
    if (AShift.Contains(key.Item)) flags |= key.Flag;
  return flags;
}

bool cxIsControlKeyDown() { return IsAsyncKeyDown(VK_CONTROL); }

bool cxIsShiftStateClear(TShiftState AShift) {
  return (AShift * TShiftState{ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble})
      .Empty();
}

bool cxIsShiftStateLeftButtonOnly(TShiftState AShift, bool ACanIncludeDoubleClick) {
  TShiftState others{ssShift, ssAlt, ssCtrl, ssRight, ssMiddle};
  if (!ACanIncludeDoubleClick) others.Include(ssDouble);
  return AShift.Contains(ssLeft) && (AShift * others).Empty();
}

bool cxIsNumberInputChar(Char ACh, int AKind) {
  if ((ACh >= L'0' && ACh <= L'9') || ACh == L'+' || ACh == L'-') return true;
  if (AKind >= 1 && ACh == FormatSettings.DecimalSeparator) return true;
  return AKind == 2 && (ACh == L'e' || ACh == L'E');
}

bool cxIsSysKeyCode(uint16_t AKey) {
  const struct {
    uint16_t First, Last;
  } ranges[] = {{3, 3},     {9, 9},     {12, 13},   {16, 20},  {27, 27},
                {33, 47},   {91, 145},  {160, 165}, {229, 229}, {246, 254}};
  return std::any_of(std::begin(ranges), std::end(ranges),
                     [AKey](const auto& R) { return AKey >= R.First && AKey <= R.Last; });
}

bool cxIsPrintableChar(Char ACh) { return (dxCharTypeFlags(ACh) & C1_CNTRL) == 0; }
