#pragma once
// Shared hooks of the user-interface thread: parts of the library register
// a hook procedure per hook type with one process-wide controller, which
// owns one Windows hook per type, installed while procedures are
// registered. Every procedure is called for each hook event, the newest
// first, before the event passes on to the next hook.
#include <array>
#include <memory>
#include <vector>

#include "vcl/rtl/System.h"
#include "vcl/rtl/UnitStartup.h"
#include "vcl/rtl/WinApi.h"

enum TdxHookType { htKeyboard, htMouse, htWndProc, htGetMessage, htCBT };

// A procedure that sets AHookResult to a non-zero value makes the hook
// answer that value.
using TdxHookProc = void (*)(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT& AHookResult);

class TdxSystemHook : public TObject {
  VCL_CLASS(TdxSystemHook, TObject)
public:
  explicit TdxSystemHook(TdxHookType AHookType) : FHookType(AHookType) {}
  // Removes a Windows hook still installed; CheckReleased tells of it first.
  ~TdxSystemHook() override;

  TdxHookType HookType() const { return FHookType; }
  bool Installed() const { return FHandle != nullptr; }
  // Registering a procedure twice raises EAssertionFailed; the first one
  // installs the Windows hook.
  void Add(TdxHookProc AHookProc);
  // The last one removed uninstalls the Windows hook.
  void Remove(TdxHookProc AHookProc);
  // Raises EAssertionFailed while a procedure is registered or the hook
  // installed.
  void CheckReleased() const;
  // The hook callback of the type: every procedure from the last registered
  // to the first, then the next hook.
  LRESULT Call(int ACode, WPARAM AWParam, LPARAM ALParam);

private:
  void Install();
  void Uninstall();

  HHOOK FHandle = nullptr;
  TdxHookType FHookType;
  std::vector<TdxHookProc> FHooks;
};

class TdxHookController : public TObject {
  VCL_CLASS(TdxHookController, TObject)
public:
  TdxHookController();
  TdxSystemHook* SystemHook(TdxHookType AHookType) const { return FSystemHooks[AHookType].get(); }
  void SetHook(TdxHookType AHookType, TdxHookProc AHookProc);
  // Removes the procedure from every hook type it is registered with.
  void ReleaseHook(TdxHookProc AHookProc);
  void CheckReleased() const;

private:
  std::array<std::unique_ptr<TdxSystemHook>, htCBT + 1> FSystemHooks;
};

// The process-wide controller; null outside the unit's lifetime.
TdxHookController* dxHookController();
void dxInstallHookProc(TdxHookType AHookType, TdxHookProc AHookProc);
void dxRemoveHookProc(TdxHookProc AHookProc);

extern const TUnitEntry dxHooksUnit;
