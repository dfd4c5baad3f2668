#pragma once
// The theme manager: one cached theme handle per kind of themed control,
// opened on first use with the class name of that kind and closed when the
// theme or the system colours change, and the notification of that change.
#include "components/core/dxUxTheme.h"
#include "vcl/rtl/Sets.h"
#include "vcl/rtl/System.h"

enum TdxThemedObjectType {
  totButton,
  totClock,
  totComboBox,
  totEdit,
  totExplorerBar,
  totHeader,
  totListBox,
  totListView,
  totMenu,
  totPage,
  totProgress,
  totRebar,
  totScrollBar,
  totSpin,
  totStartPanel,
  totStatus,
  totTab,
  totTaskBand,
  totTaskBar,
  totToolBar,
  totToolTip,
  totTrackBar,
  totTrayNotify,
  totTreeview,
  totWindow,
  totExplorerListView,
  totNavigation,
  totTextStyle
};
using TdxThemedObjectTypes = TSet<TdxThemedObjectType>;

// The class list opened for a type when the caller names none.
const wchar_t* dxThemedObjectClassName(TdxThemedObjectType AType);

// Themes are active (as last read) and the library is loaded; and every
// type of ANeededTypes has a theme handle.
bool dxThemesAvailable(const TdxThemedObjectTypes& ANeededTypes = {});
bool dxThemeKindAvailable(TdxThemedObjectType AType);
// The cached handle of the type, opened on first use with AClassList (or
// the class list it was last opened with, or the type's class name); a
// different AClassList closes the cached handle and opens the new one.
// 0 when themes are not available or the theme cannot be opened.
HTHEME dxThemeHandleOf(TdxThemedObjectType AType, const wchar_t* AClassList = nullptr);
// 1 without doing anything when themes are not available; 0 when the type
// has no handle; otherwise the result of closing it.
HRESULT dxCloseThemeHandle(TdxThemedObjectType AType);
// Closes every open handle; the class lists they were opened with stay.
void dxCloseAllThemeHandles();

using TdxThemeChangedEvent = std::function<void()>;

// Told when the theme or the system colours changed, after the cached
// handles were closed; notificators are told in the order they were made.
class TdxThemeChangedNotificator : public TObject {
  VCL_CLASS(TdxThemeChangedNotificator, TObject)
public:
  TdxThemeChangedNotificator();
  ~TdxThemeChangedNotificator() override;
  TdxThemeChangedEvent OnThemeChanged;

protected:
  friend class TdxThemeChangedEventReceiver;
  virtual void FireThemeChanged();
};

// Registers the manager's start-up and shut-down with the units loader.
extern const TUnitEntry dxThemeManagerUnit;
