// One Windows hook per hook type, shared by the procedures registered with
// the controller.
#include "components/core/dxHooks.h"

#include <algorithm>

#include "vcl/controls/Application.h"
#include "vcl/rtl/SysUtils.h"

namespace {

std::unique_ptr<TdxHookController> HookController;

template <TdxHookType AHookType>
LRESULT CALLBACK HookCallback(int ACode, WPARAM AWParam, LPARAM ALParam) {
  if (!HookController) return CallNextHookEx(nullptr, ACode, AWParam, ALParam);
  return HookController->SystemHook(AHookType)->Call(ACode, AWParam, ALParam);
}

struct THookTypeInfo {
  int WindowsHookId;
  HOOKPROC Callback;
};

constexpr std::array<THookTypeInfo, htCBT + 1> HookTypeInfos{{
    {WH_KEYBOARD, HookCallback<htKeyboard>},
    {WH_MOUSE, HookCallback<htMouse>},
    {WH_CALLWNDPROC, HookCallback<htWndProc>},
    {WH_GETMESSAGE, HookCallback<htGetMessage>},
    {WH_CBT, HookCallback<htCBT>},
}};

void dxHooksInitialize() { HookController = std::make_unique<TdxHookController>(); }

// Every user must have removed its procedures; a hook left installed is
// removed all the same before the failure is reported.
void dxHooksFinalize() {
  const std::unique_ptr<TdxHookController> controller = std::move(HookController);
  if (controller) controller->CheckReleased();
}

}  // namespace

// ---------------------------------------------------------------- TdxSystemHook

TdxSystemHook::~TdxSystemHook() {
  if (FHandle) UnhookWindowsHookEx(FHandle);
}

void TdxSystemHook::Add(TdxHookProc AHookProc) {
  Assert(std::ranges::find(FHooks, AHookProc) == FHooks.end());
  if (FHooks.empty()) Install();
  FHooks.push_back(AHookProc);
}

void TdxSystemHook::Remove(TdxHookProc AHookProc) {
  const auto found = std::ranges::find(FHooks, AHookProc);
  if (found == FHooks.end()) return;
  FHooks.erase(found);
  if (FHooks.empty()) Uninstall();
}

void TdxSystemHook::CheckReleased() const { Assert(FHooks.empty() && !FHandle); }

void TdxSystemHook::Install() {
  Assert(!FHandle);
  const THookTypeInfo& info = HookTypeInfos[FHookType];
  FHandle = SetWindowsHookExW(info.WindowsHookId, info.Callback, nullptr, GetCurrentThreadId());
  if (!FHandle) RaiseLastOSError();
}

void TdxSystemHook::Uninstall() {
  Assert(FHandle != nullptr);
  UnhookWindowsHookEx(FHandle);
  FHandle = nullptr;
}

LRESULT TdxSystemHook::Call(int ACode, WPARAM AWParam, LPARAM ALParam) {
  LRESULT hookResult = 0;
  // From the end, so that a procedure may remove itself (or others) while
  // it is called.
  for (size_t i = FHooks.size(); i-- > 0;) {
    if (i >= FHooks.size()) continue;
    try {
      FHooks[i](ACode, AWParam, ALParam, hookResult);
    } catch (...) {
      try {
        if (Application) Application->HandleException(this);
      } catch (...) {
        // Nothing may unwind into the system's hook chain.
      }
    }
  }
  const LRESULT nextResult = CallNextHookEx(FHandle, ACode, AWParam, ALParam);
  return hookResult != 0 ? hookResult : nextResult;
}

// ---------------------------------------------------------------- TdxHookController

TdxHookController::TdxHookController() {
  for (int type = htKeyboard; type <= htCBT; ++type)
    FSystemHooks[type] = std::make_unique<TdxSystemHook>(static_cast<TdxHookType>(type));
}

void TdxHookController::SetHook(TdxHookType AHookType, TdxHookProc AHookProc) {
  FSystemHooks.at(AHookType)->Add(AHookProc);
}

void TdxHookController::ReleaseHook(TdxHookProc AHookProc) {
  for (const auto& hook : FSystemHooks) hook->Remove(AHookProc);
}

void TdxHookController::CheckReleased() const {
  for (const auto& hook : FSystemHooks) hook->CheckReleased();
}

TdxHookController* dxHookController() { return HookController.get(); }

void dxInstallHookProc(TdxHookType AHookType, TdxHookProc AHookProc) { HookController->SetHook(AHookType, AHookProc); }

void dxRemoveHookProc(TdxHookProc AHookProc) { HookController->ReleaseHook(AHookProc); }

const TUnitEntry dxHooksUnit{L"dxHooks", dxHooksInitialize, dxHooksFinalize};
