// The theme-handle cache and the theme-change notification.
#include "components/core/dxThemeManager.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "components/core/cxMessageWindow.h"
#include "components/core/dxCore.h"

namespace {

constexpr int ThemedObjectTypeCount = totTextStyle + 1;

constexpr std::array<const wchar_t*, ThemedObjectTypeCount> ThemedObjectClassNames{
    L"Button",      L"Clock",
    L"ComboBox",    L"Edit",
    L"ExplorerBar", L"Header",
    L"ListBox",     L"ListView",
    L"Menu",        L"Page",
    L"Progress",    L"Rebar",
    L"ScrollBar",   L"Spin",
    L"StartPanel",  L"Status",
    L"Tab",         L"TaskBand",
    L"TaskBar",     L"ToolBar",
    L"ToolTip",     L"TrackBar",
    L"TrayNotify",  L"TreeView",
    L"Window",      L"Explorer::ListView",
    L"Navigation",  L"TEXTSTYLE"};

struct TThemeHandle {
  HTHEME Handle = nullptr;
  String ClassList;  // what the handle was opened with
};

std::array<TThemeHandle, ThemedObjectTypeCount> ThemeHandles;
bool ThemesActive = false;
// Present while the manager runs with the library loaded.
std::unique_ptr<std::vector<TdxThemeChangedNotificator*>> Listeners;

}  // namespace

// Hears the theme and system-colour changes on a hidden top-level window.
class TdxThemeChangedEventReceiver : public TcxMessageWindow {
  VCL_CLASS(TdxThemeChangedEventReceiver, TcxMessageWindow)
public:
  TdxThemeChangedEventReceiver() = default;
  ~TdxThemeChangedEventReceiver() override { ThemesActive = false; }

  void HandleWindowMessage(TMessage& AMessage) override {
    if (AMessage.Msg != WM_THEMECHANGED && AMessage.Msg != WM_SYSCOLORCHANGE) {
      TcxMessageWindow::HandleWindowMessage(AMessage);
      return;
    }
    dxCloseAllThemeHandles();
    TcxMessageWindow::HandleWindowMessage(AMessage);
    ThemesActive = IsThemeActive();
    // A listener may make or free notificators while it is told: those made
    // meanwhile wait for the next change, those freed are not told.
    const std::vector<TdxThemeChangedNotificator*> listeners = Listeners ? *Listeners : decltype(listeners){};
    for (TdxThemeChangedNotificator* listener : listeners)
      if (Listeners && std::ranges::find(*Listeners, listener) != Listeners->end()) listener->FireThemeChanged();
    AMessage.Result = 0;
  }
};

namespace {

std::unique_ptr<TdxThemeChangedEventReceiver> Receiver;

void dxThemeManagerStart() {
  if (!dxIsUxThemeLoaded()) return;
  ThemesActive = IsThemeActive();
  Receiver = std::make_unique<TdxThemeChangedEventReceiver>();
  Listeners = std::make_unique<std::vector<TdxThemeChangedNotificator*>>();
}

void dxThemeManagerStop() {
  if (!dxIsUxThemeLoaded()) return;
  Receiver.reset();
  dxCloseAllThemeHandles();
  Listeners.reset();
}

void dxThemeManagerInitialize() {
  if (TdxUnitsLoader* loader = dxUnitsLoaderInstance()) loader->AddUnit(dxThemeManagerStart, dxThemeManagerStop);
}

void dxThemeManagerFinalize() {
  if (TdxUnitsLoader* loader = dxUnitsLoaderInstance()) loader->RemoveUnit(dxThemeManagerStop);
  ThemeHandles = {};
}

}  // namespace

const wchar_t* dxThemedObjectClassName(TdxThemedObjectType AType) { return ThemedObjectClassNames.at(AType); }

bool dxThemesAvailable(const TdxThemedObjectTypes& ANeededTypes) {
  if (!ThemesActive || !dxIsUxThemeLoaded()) return false;
  for (int type = 0; type < ThemedObjectTypeCount; ++type) {
    const auto themedType = static_cast<TdxThemedObjectType>(type);
    if (ANeededTypes.Contains(themedType) && !dxThemeHandleOf(themedType)) return false;
  }
  return true;
}

bool dxThemeKindAvailable(TdxThemedObjectType AType) {
  return ThemesActive && dxIsUxThemeLoaded() && dxThemeHandleOf(AType);
}

HTHEME dxThemeHandleOf(TdxThemedObjectType AType, const wchar_t* AClassList) {
  if (!dxThemesAvailable()) return nullptr;
  TThemeHandle& cached = ThemeHandles.at(AType);
  if (cached.Handle) {
    if (!AClassList || AnsiUpperCase(AClassList) == AnsiUpperCase(cached.ClassList)) return cached.Handle;
    dxCloseThemeHandle(AType);
  }
  String classList;
  if (AClassList)
    classList = AClassList;
  else if (!cached.ClassList.empty())
    classList = cached.ClassList;
  else
    classList = ThemedObjectClassNames[AType];
  cached.Handle = OpenThemeData(nullptr, classList.c_str());
  cached.ClassList = cached.Handle ? classList : String();
  return cached.Handle;
}

HRESULT dxCloseThemeHandle(TdxThemedObjectType AType) {
  if (!dxThemesAvailable()) return 1;
  TThemeHandle& cached = ThemeHandles.at(AType);
  if (!cached.Handle) return 0;
  const HRESULT result = CloseThemeData(cached.Handle);
  cached = {};
  return result;
}

void dxCloseAllThemeHandles() {
  for (TThemeHandle& cached : ThemeHandles) {
    if (!cached.Handle) continue;
    CloseThemeData(cached.Handle);
    cached.Handle = nullptr;
  }
}

// ---------------------------------------------------------------- TdxThemeChangedNotificator

TdxThemeChangedNotificator::TdxThemeChangedNotificator() {
  if (dxIsUxThemeLoaded() && Listeners) Listeners->push_back(this);
}

TdxThemeChangedNotificator::~TdxThemeChangedNotificator() {
  if (dxIsUxThemeLoaded() && Listeners) std::erase(*Listeners, this);
}

void TdxThemeChangedNotificator::FireThemeChanged() {
  if (OnThemeChanged) OnThemeChanged();
}

const TUnitEntry dxThemeManagerUnit{L"dxThemeManager", dxThemeManagerInitialize, dxThemeManagerFinalize};
