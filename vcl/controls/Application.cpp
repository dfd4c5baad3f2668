#include "vcl/controls/Application.h"

#include "vcl/controls/Dialogs.h"
#include "vcl/controls/Forms.h"
#include "vcl/graphics/Icon.h"
#include "vcl/rtl/Threads.h"
#include "vcl/rtl/WinApi.h"

TApplication* Application = nullptr;

namespace {
String ModuleTitle() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  String name(path, length);
  size_t slash = name.find_last_of(L"\\/");
  if (slash != String::npos) name.erase(0, slash + 1);
  size_t dot = name.rfind(L'.');
  if (dot != String::npos) name.erase(dot);
  return name;
}
constexpr wchar_t ApplicationWindowClass[] = L"TApplication";
}  // namespace

LRESULT CALLBACK ApplicationWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* application = reinterpret_cast<TApplication*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
  if (!application) return DefWindowProcW(Window, Msg, WParam, LParam);
  TMessage message{Msg, WParam, LParam, 0};
  try {
    application->WndProc(message);
  } catch (...) {
    application->HandleException(application);
  }
  return message.Result;
}

TApplication::TApplication(TComponent* AOwner)
    : TComponent(AOwner), FTitle(ModuleTitle()), FIcon(std::make_unique<TIcon>()) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (FindResourceW(instance, L"MAINICON", MAKEINTRESOURCEW(14)))  // RT_GROUP_ICON
    FIcon->LoadFromResourceName(instance, L"MAINICON");
  WNDCLASSEXW windowClass{sizeof(windowClass)};
  windowClass.lpfnWndProc = ApplicationWndProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = ApplicationWindowClass;
  RegisterClassExW(&windowClass);
  FHandle = CreateWindowExW(WS_EX_TOOLWINDOW, ApplicationWindowClass, FTitle.c_str(), WS_POPUP, 0, 0, 0, 0,
                            nullptr, nullptr, instance, nullptr);
  if (!FHandle) RaiseLastOSError();
  SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  // A worker's synchronised call runs when this reaches the message loop.
  WakeMainThread = [this](TObject*) { PostMessageW(FHandle, WM_NULL, 0, 0); };
}

TApplication::~TApplication() {
  // Forms close while the application still answers them.
  Destroying();
  FHintWindow.reset();
  DestroyComponents();
  WakeMainThread = nullptr;
  SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
  DestroyWindow(FHandle);
}

int TApplication::HookMainWindow(const TWindowHook& Hook) {
  FWindowHooks.emplace_back(++FLastHookId, Hook);
  return FLastHookId;
}

void TApplication::UnhookMainWindow(int HookId) {
  std::erase_if(FWindowHooks, [HookId](const auto& hook) { return hook.first == HookId; });
}

void TApplication::WndProc(TMessage& Message) {
  // A hook may unhook itself (or others) while it runs.
  const auto hooks = FWindowHooks;
  for (auto hook = hooks.rbegin(); hook != hooks.rend(); ++hook)
    if (hook->second(Message)) return;
  switch (Message.Msg) {
    case WM_NULL:
      CheckSynchronize();
      return;
    case CM_APPKEYDOWN: {
      TMessage key{WM_KEYDOWN, Message.WParam, Message.LParam, 0};
      Message.Result = IsShortCut(key) ? 1 : 0;
      return;
    }
  }
  Message.Result = DefWindowProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
}

bool TApplication::IsShortCut(TMessage& Message) {
  bool handled = false;
  if (OnShortCut) OnShortCut(Message, handled);
  return handled || (FMainForm && FMainForm->IsShortCut(Message));
}

void TApplication::FormCreated(TCustomForm* Form) {
  Form->AfterConstruction();
  if (FMainForm) return;
  FMainForm = Form;
  Form->HandleNeeded();
}

void TApplication::FormDestroyed(TCustomForm* Form) {
  if (FMainForm == Form) FMainForm = nullptr;
}

void TApplication::Run() {
  if (FMainForm && ShowMainForm) FMainForm->Show();
  while (!FTerminated) HandleMessage();
}

// Keys go to the framework control they are meant for (or the one that
// holds the window they are meant for) before the window sees them, so
// that the form can move the focus with Tab.
bool TApplication::IsKeyMsg(MSG& Msg) {
  if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN) return false;
  // Up through the child windows only: a top-level window's "parent" is
  // its owner, whose keys these are not.
  for (HWND window = Msg.hwnd; window;) {
    if (TWinControl* control = FindControl(window))
      return control->Perform(CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
    window = GetWindowLongW(window, GWL_STYLE) & WS_CHILD ? GetParent(window) : nullptr;
  }
  return false;
}

bool TApplication::ProcessMessage(MSG& Msg) {
  if (!PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (Msg.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  if (IsKeyMsg(Msg)) return true;
  TranslateMessage(&Msg);
  DispatchMessageW(&Msg);
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  try {
    if (!ProcessMessage(msg)) WaitMessage();
  } catch (...) {
    HandleException(this);
  }
}

void TApplication::Terminate() {
  if (!FTerminated) PostQuitMessage(0);
}

void TApplication::HandleException(TObject* Sender) {
  try {
    throw;
  } catch (const EAbort&) {
  } catch (const Exception& e) {
    if (OnException) OnException(Sender, e);
    else ShowException(e);
  } catch (const std::exception& e) {
    Exception wrapped(FromUtf8(e.what()));
    if (OnException) OnException(Sender, wrapped);
    else ShowException(wrapped);
  } catch (...) {
    ShowException(Exception(L"Unknown exception"));
  }
}

void TApplication::ShowException(const Exception& E) {
  String msg = E.Message();
  if (!msg.empty() && msg.back() > L'.') msg += L'.';
  DialogService().ShowMessageBox({FTitle, msg, mtError, {mbOK}, 0});
}

namespace {
void ApplicationInitialize() {
  Screen = new TScreen(nullptr);
  Application = new TApplication(nullptr);
}

void ApplicationFinalize() {
  delete Application;
  Application = nullptr;
  delete Screen;
  Screen = nullptr;
}
}  // namespace

const TUnitEntry ApplicationUnit{L"Application", ApplicationInitialize, ApplicationFinalize};
