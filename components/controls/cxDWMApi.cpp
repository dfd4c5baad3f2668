#include "components/controls/cxDWMApi.h"

#include "components/core/dxCore.h"
#include "components/core/dxGdiPlusApi.h"

#define CX_DWM_DEFINE(Name, Result, Arguments) Tcx##Name cx##Name = nullptr;
CX_DWM_ENTRY_POINTS(CX_DWM_DEFINE)
#undef CX_DWM_DEFINE

namespace {

#define CX_DWM_BINDING(Name, Result, Arguments) {#Name, reinterpret_cast<void**>(&cx##Name)},
const TdxProcBinding EntryPoints[] = {CX_DWM_ENTRY_POINTS(CX_DWM_BINDING)};
#undef CX_DWM_BINDING

HMODULE Library = nullptr;
bool Loaded = false;
bool LoadAttempted = false;
int StartCount = 0;

// The library is loaded on the first question asked while the unit is started,
// not at start-up, and tried only once per start (UI thread only).
void LoadOnFirstUse() {
  if (StartCount == 0 || LoadAttempted) return;
  LoadAttempted = true;
  Loaded = cxLoadDwmApi();
}

void FreeDwmApi() {
  if (Library) FreeLibrary(Library);
  Library = nullptr;
  Loaded = false;
  LoadAttempted = false;
  for (const TdxProcBinding& binding : EntryPoints) *binding.Address = nullptr;
}

void cxDWMApiInitialize() {
  ++StartCount;
}

void cxDWMApiFinalize() {
  if (StartCount > 0 && --StartCount == 0) FreeDwmApi();
}

}  // namespace

const TUnitEntry cxDWMApiUnit{L"cxDWMApi", cxDWMApiInitialize, cxDWMApiFinalize};

bool cxLoadDwmApi() {
  if (!dxOsVistaUp) return false;
  if (Library) return true;
  Library = LoadLibraryW(L"dwmapi.dll");
  if (!Library) return false;
  // Functions are bound one by one: a missing one leaves only itself null.
  for (const TdxProcBinding& binding : EntryPoints)
    *binding.Address = reinterpret_cast<void*>(GetProcAddress(Library, binding.Name));
  return true;
}

bool cxIsDwmLoaded() {
  LoadOnFirstUse();
  return Loaded;
}

bool cxIsDesktopCompositionEnabled() {
  BOOL enabled = FALSE;
  return cxIsDwmLoaded() && cxDwmIsCompositionEnabled && SUCCEEDED(cxDwmIsCompositionEnabled(&enabled)) &&
         enabled;
}
