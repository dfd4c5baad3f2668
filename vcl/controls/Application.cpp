#include "vcl/controls/Application.h"

#include "vcl/controls/Dialogs.h"
#include "vcl/controls/Forms.h"
#include "vcl/graphics/Icon.h"
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
}  // namespace

TApplication::TApplication(TComponent* AOwner)
    : TComponent(AOwner), FTitle(ModuleTitle()), FIcon(std::make_unique<TIcon>()) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (FindResourceW(instance, L"MAINICON", MAKEINTRESOURCEW(14)))  // RT_GROUP_ICON
    FIcon->LoadFromResourceName(instance, L"MAINICON");
}

TApplication::~TApplication() {
  // Forms close while the application still answers them.
  Destroying();
  FHintWindow.reset();
  DestroyComponents();
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
