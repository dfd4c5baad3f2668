#pragma once
// Look-and-feel objects: which painter a control draws with. Each object
// holds a kind, a native-style switch and a skin name, each either assigned
// on the object or inherited from its master (or, without one, from the one
// root look-and-feel). A change of an effective value makes the object pick
// its painter again and tell its listeners, which pass on what they do not
// override. A hidden window turns the system's colour changes into calls on
// the registered palette notifiers.
#include <functional>
#include <vector>

#include "components/core/cxClasses.h"
#include "components/core/dxCoreClasses.h"
#include "components/core/dxThemeManager.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "vcl/classes/TypInfo.h"
#include "vcl/rtl/Sets.h"
#include "vcl/rtl/UnitStartup.h"

class TcxLookAndFeel;

enum class TcxLookAndFeelValue { lfvKind, lfvNativeStyle, lfvSkinName };
using enum TcxLookAndFeelValue;
using TcxLookAndFeelValues = TSet<TcxLookAndFeelValue>;
inline constexpr TcxLookAndFeelValues cxAllLookAndFeelValues{lfvKind, lfvNativeStyle, lfvSkinName};

using TdxSkinName = String;

struct TcxLookAndFeelData {
  TcxLookAndFeelKind Kind = lfUltraFlat;
  bool NativeStyle = false;
  String SkinName;
  bool UseSkins = false;
};

using TcxLookAndFeelChangedEvent = std::function<void(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues)>;
using TcxSystemPaletteChangedEvent = std::function<void()>;

extern const TTypeInfo cxLookAndFeelKindTypeInfo;
extern const TTypeInfo cxLookAndFeelValueTypeInfo;
extern const TTypeInfo cxLookAndFeelValuesTypeInfo;

// ---------------------------------------------------------------- interfaces

// A listener of a look-and-feel (a dependent look-and-feel, a controller, a
// control). Listeners remove themselves before they are destroyed.
class IcxLookAndFeelNotificationListener {
public:
  virtual TObject* GetObject() = 0;
  // AChangedValues: the effective values of Sender that changed.
  virtual void MasterLookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) = 0;
  virtual void MasterLookAndFeelDestroying(TcxLookAndFeel* Sender) = 0;

protected:
  ~IcxLookAndFeelNotificationListener() = default;
};

// Also told before the first and after the last listener of a change.
class IcxLookAndFeelNotificationListener2 {
public:
  virtual void MasterLookAndFeelBeginChange() = 0;
  virtual void MasterLookAndFeelEndChange() = 0;

protected:
  ~IcxLookAndFeelNotificationListener2() = default;
};

// Marks an object that draws with skins.
class IdxSkinSupport {
protected:
  ~IdxSkinSupport() = default;
};

// An object that tells itself whether it draws with skins.
class IdxSkinSupport2 {
public:
  virtual bool IsSkinSupported() = 0;

protected:
  ~IdxSkinSupport2() = default;
};

// An object (a control) that has a look-and-feel.
class IcxLookAndFeelContainer {
public:
  virtual TcxLookAndFeel* GetLookAndFeel() = 0;

protected:
  ~IcxLookAndFeelContainer() = default;
};

// ---------------------------------------------------------------- palette notifier

// Told when the system colours change. Primary notifiers (the painters'
// shared resources) are told before all others, each list from the last
// registered to the first.
class TcxSystemPaletteChangedNotifier : public TObject {
  VCL_CLASS(TcxSystemPaletteChangedNotifier, TObject)
public:
  explicit TcxSystemPaletteChangedNotifier(bool AIsPrimary = false);
  ~TcxSystemPaletteChangedNotifier() override;
  TcxSystemPaletteChangedNotifier(const TcxSystemPaletteChangedNotifier&) = delete;
  TcxSystemPaletteChangedNotifier& operator=(const TcxSystemPaletteChangedNotifier&) = delete;

  bool IsPrimary() const { return FIsPrimary; }
  // Calls OnSystemPaletteChanged when it is assigned.
  virtual void FirePaletteChanged();

  TcxSystemPaletteChangedEvent OnSystemPaletteChanged;

private:
  bool FIsPrimary;
};

// ---------------------------------------------------------------- look-and-feel

class TcxLookAndFeel : public TcxInterfacedPersistent,
                       public IcxLookAndFeelNotificationListener,
                       public IcxLookAndFeelNotificationListener2 {
  VCL_CLASS(TcxLookAndFeel, TcxInterfacedPersistent)
  VCL_PUBLISHED(TcxLookAndFeel)
public:
  explicit TcxLookAndFeel(TPersistent* AOwner);
  ~TcxLookAndFeel() override;
  TcxLookAndFeel(const TcxLookAndFeel&) = delete;
  TcxLookAndFeel& operator=(const TcxLookAndFeel&) = delete;

  // From another look-and-feel: its own values, what it assigned and its
  // master; listeners hear of the effective differences once.
  void Assign(TPersistent* Source) override;
  void BeginUpdate() { ++FUpdateLockCount; }
  void EndUpdate();
  // Tells the listeners that every value may have changed.
  void Refresh() { NotifyChanged(cxAllLookAndFeelValues); }
  // Forgets every assigned value; the root also restores the global switches.
  void Reset();
  // Native for lfsNative; otherwise the kind of the style, unless native
  // style is still in effect.
  void SetStyle(TcxLookAndFeelStyle Value);

  // Ignored for null, for objects that do not listen to look-and-feels, for
  // a listener already registered and for a controller anywhere but on the
  // root.
  void AddChangeListener(TObject* AListener);
  void RemoveChangeListener(TObject* AListener);

  TcxCustomLookAndFeelPainter* GetAvailablePainter(TdxThemedObjectType ANeededThemedObjectType) {
    return GetAvailablePainter(TdxThemedObjectTypes{ANeededThemedObjectType});
  }
  virtual TcxCustomLookAndFeelPainter* GetAvailablePainter(const TdxThemedObjectTypes& ANeededThemedObjectTypes);

  TcxLookAndFeelStyle ActiveStyle() const;
  TcxLookAndFeelValues AssignedValues() const { return FAssignedValues; }
  void SetAssignedValues(TcxLookAndFeelValues Value);
  TcxLookAndFeelKind Kind() const { return FCurrentState.Kind; }
  void SetKind(TcxLookAndFeelKind Value);
  bool NativeStyle() const { return FCurrentState.NativeStyle; }
  void SetNativeStyle(bool Value);
  const String& SkinName() const { return FCurrentState.SkinName; }
  void SetSkinName(const String& Value);
  // Null on the root; otherwise the explicit master, or the root.
  TcxLookAndFeel* MasterLookAndFeel() const;
  // Null returns to the root. A master whose own chain leads back to this
  // object is refused with EdxException: the chain would never end.
  void SetMasterLookAndFeel(TcxLookAndFeel* Value);
  TcxCustomLookAndFeelPainter* Painter() const { return FPainter; }
  TcxCustomLookAndFeelPainter* SkinPainter() const { return FSkinPainter; }
  void SetSkinPainter(TcxCustomLookAndFeelPainter* Value) { FSkinPainter = Value; }
  bool IsRootLookAndFeel() const { return FIsRootLookAndFeel; }
  // The effective values (read by Kind, NativeStyle and SkinName).
  const TcxLookAndFeelData& CurrentState() const { return FCurrentState; }

  TcxLookAndFeelChangedEvent OnChanged;
  TNotifyEvent OnMasterBeginChange;
  TNotifyEvent OnMasterEndChange;

  // IcxLookAndFeelNotificationListener, IcxLookAndFeelNotificationListener2
  TObject* GetObject() override { return this; }
  void MasterLookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) override;
  void MasterLookAndFeelDestroying(TcxLookAndFeel* Sender) override;
  void MasterLookAndFeelBeginChange() override;
  void MasterLookAndFeelEndChange() override;

protected:
  void DefineProperties(TFiler* Filer) override;

  virtual TcxCustomLookAndFeelPainter* FindSkinPainter(const String& ASkinName);
  virtual void RecalculateCurrentState();
  virtual void ChoosePainter();
  virtual TcxLookAndFeelKind EffectiveKind();
  virtual bool EffectiveNativeStyle();
  virtual String EffectiveSkinName();
  virtual TcxCustomLookAndFeelPainter* EffectiveSkinPainter();
  virtual void SystemPaletteChanged();

  void NotifyChanged(TcxLookAndFeelValues AChangedValues);

private:
  friend void cxLookAndFeelsInitialize();
  friend class TcxLookAndFeelPainterWatcher;

  bool IsKindStored() const { return FAssignedValues.Contains(lfvKind); }
  bool IsNativeStyleStored() const { return FAssignedValues.Contains(lfvNativeStyle); }
  bool IsSkinNameStored() const { return FAssignedValues.Contains(lfvSkinName); }
  // The object whose current state is inherited: the explicit master, the
  // root, or null (on the root, and before the root exists).
  static TcxLookAndFeelStyle StyleOfKind(TcxLookAndFeelKind AKind);
  TcxLookAndFeel* InheritanceSource() const;
  void CheckMasterChain(TcxLookAndFeel* AMaster) const;
  // Moves from the listeners of the current master to those of AMaster.
  void MoveToMaster(TcxLookAndFeel* AMaster);
  bool UsesPainter(const TcxCustomLookAndFeelPainter* APainter) const;
  void SaveCurrentState();
  void CompareWithSavedState();
  void NotifyListeners(TcxLookAndFeelValues AChangedValues);
  void NotifyDestroying();

  TcxLookAndFeelValues FAssignedValues;
  TcxLookAndFeelValues FChangedValues;
  std::vector<TObject*> FChangeListenerList;
  TcxLookAndFeelData FCurrentState;
  TcxLookAndFeelData FData;
  bool FIsDestruction = false;
  bool FIsRootLookAndFeel = false;
  TcxLookAndFeel* FMasterLookAndFeel = nullptr;
  TcxCustomLookAndFeelPainter* FPainter = nullptr;
  TcxCustomLookAndFeelPainter* FSkinPainter = nullptr;
  TcxLookAndFeelData FPrevState;
  std::unique_ptr<TcxSystemPaletteChangedNotifier> FSystemPaletteChangedNotifier;
  int FUpdateLockCount = 0;
};

// ---------------------------------------------------------------- controller

// Edits the root look-and-feel at design time and from code. While any
// controller exists its values stay on the root; the last one to go resets
// the root.
class TcxLookAndFeelController : public TcxCustomComponent, public IcxLookAndFeelNotificationListener {
  VCL_COMPONENT_CLASS(TcxLookAndFeelController, TcxCustomComponent)
  VCL_PUBLISHED(TcxLookAndFeelController)
public:
  explicit TcxLookAndFeelController(TComponent* AOwner);
  ~TcxLookAndFeelController() override;

  void BeginUpdate();
  void EndUpdate();
  virtual void Reset();

  TcxLookAndFeelKind Kind() const;
  void SetKind(TcxLookAndFeelKind Value);
  bool NativeStyle() const;
  void SetNativeStyle(bool Value);
  String SkinName() const;
  void SetSkinName(const String& Value);
  bool TouchMode() const;
  void SetTouchMode(bool Value);

  // IcxLookAndFeelNotificationListener
  TObject* GetObject() override { return this; }
  void MasterLookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) override {}
  void MasterLookAndFeelDestroying(TcxLookAndFeel* Sender) override {}
};

// ---------------------------------------------------------------- unit

// The root look-and-feel; null before the unit's start-up and after its
// shut-down.
TcxLookAndFeel* GetRootLookAndFeel();
// Whether look-and-feels resolve skin names to painters (initially true).
extern bool GlobalUseSkins;
// Whether sizes are raised to the touch minimum (initially false).
extern bool GlobalTouchMode;
// The controllers registered on the root.
int cxLookAndFeelControllerCount();

// Whether the object draws with skins: what IdxSkinSupport2 answers, else
// whether it is marked with IdxSkinSupport.
bool ObjectSupportsSkins(TObject* AObject);
using TcxSkinSupportQuery = bool (*)(TObject* AObject);
// Set by the unit's start-up to ObjectSupportsSkins.
extern TcxSkinSupportQuery SkinSupportQuery;

extern const TUnitEntry cxLookAndFeelsUnit;
