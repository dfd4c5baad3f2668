#include "components/lookandfeel/cxLookAndFeels.h"

#include <algorithm>
#include <unordered_set>

#include "components/core/cxMessageWindow.h"
#include "components/core/dxCore.h"
#include "components/core/dxOffice11.h"
#include "vcl/classes/Filer.h"
#include "vcl/controls/Forms.h"
#include "vcl/rtl/ClassRegistry.h"

bool GlobalUseSkins = true;
bool GlobalTouchMode = false;
TcxSkinSupportQuery SkinSupportQuery = nullptr;

const TTypeInfo cxLookAndFeelKindTypeInfo =
    EnumTypeInfo(L"TcxLookAndFeelKind", {L"lfFlat", L"lfStandard", L"lfUltraFlat", L"lfOffice11"});
const TTypeInfo cxLookAndFeelValueTypeInfo =
    EnumTypeInfo(L"TcxLookAndFeelValue", {L"lfvKind", L"lfvNativeStyle", L"lfvSkinName"});
const TTypeInfo cxLookAndFeelValuesTypeInfo = SetTypeInfo(L"TcxLookAndFeelValues", &cxLookAndFeelValueTypeInfo);

namespace {

TcxLookAndFeel* RootLookAndFeel = nullptr;
int ControllerCount = 0;
// Every look-and-feel alive, so that none keeps a painter the registry frees.
std::unordered_set<TcxLookAndFeel*> LiveLookAndFeels;

bool IsController(TObject* AListener) {
  auto* listener = dynamic_cast<IcxLookAndFeelNotificationListener*>(AListener);
  return listener && dynamic_cast<TcxLookAndFeelController*>(listener->GetObject());
}

// ---------------------------------------------------------------- palette listener

// The hidden window that hears the system's colour changes, shared by every
// notifier; the first notifier creates it, the last one frees it.
class TcxSystemPaletteChangedListener : public TcxMessageWindow {
  VCL_CLASS(TcxSystemPaletteChangedListener, TcxMessageWindow)
public:
  TcxSystemPaletteChangedListener() { dxOffice11ColorsAcquire(); }
  ~TcxSystemPaletteChangedListener() override { dxOffice11ColorsRelease(); }

  void Add(TcxSystemPaletteChangedNotifier* ANotifier) { ListOf(ANotifier).push_back(ANotifier); }
  void Remove(TcxSystemPaletteChangedNotifier* ANotifier) {
    auto& list = ListOf(ANotifier);
    list.erase(std::remove(list.begin(), list.end(), ANotifier), list.end());
  }

  void HandleWindowMessage(TMessage& AMessage) override {
    if (AMessage.Msg == WM_SYSCOLORCHANGE) {
      dxOffice11ColorsRefresh();
      FireAll(FPrimaryNotifierList);
      FireAll(FNotifierList);
    }
    TcxMessageWindow::HandleWindowMessage(AMessage);
  }

private:
  std::vector<TcxSystemPaletteChangedNotifier*>& ListOf(TcxSystemPaletteChangedNotifier* ANotifier) {
    return ANotifier->IsPrimary() ? FPrimaryNotifierList : FNotifierList;
  }
  // From the last registered to the first; a notifier may unregister
  // others while it is told.
  static void FireAll(const std::vector<TcxSystemPaletteChangedNotifier*>& AList) {
    for (size_t i = AList.size(); i > 0; --i) {
      if (i > AList.size()) i = AList.size();
      if (i == 0) break;
      AList[i - 1]->FirePaletteChanged();
    }
  }

  std::vector<TcxSystemPaletteChangedNotifier*> FNotifierList;
  std::vector<TcxSystemPaletteChangedNotifier*> FPrimaryNotifierList;
};

TcxSystemPaletteChangedListener* PaletteListener = nullptr;
int PaletteListenerRefCount = 0;

TcxSystemPaletteChangedListener* AcquirePaletteListener() {
  if (!PaletteListener) PaletteListener = new TcxSystemPaletteChangedListener;
  ++PaletteListenerRefCount;
  return PaletteListener;
}

void ReleasePaletteListener() {
  if (--PaletteListenerRefCount == 0) {
    delete PaletteListener;
    PaletteListener = nullptr;
  }
}

}  // namespace

// ---------------------------------------------------------------- painter watcher

// Told by the painter registry when a painter goes: every look-and-feel that
// still draws with it (one that assigned all its values does not follow the
// root's refresh) chooses again before the painter is freed.
class TcxLookAndFeelPainterWatcher : public IcxLookAndFeelPainterListener {
public:
  void PainterAdded(TcxCustomLookAndFeelPainter*) override {}
  void PainterRemoved(TcxCustomLookAndFeelPainter* APainter) override {
    const std::vector<TcxLookAndFeel*> snapshot(LiveLookAndFeels.begin(), LiveLookAndFeels.end());
    for (TcxLookAndFeel* lookAndFeel : snapshot)
      if (LiveLookAndFeels.contains(lookAndFeel) && lookAndFeel->UsesPainter(APainter)) lookAndFeel->Refresh();
  }
};

namespace {
TcxLookAndFeelPainterWatcher PainterWatcher;
}

// ---------------------------------------------------------------- palette notifier

TcxSystemPaletteChangedNotifier::TcxSystemPaletteChangedNotifier(bool AIsPrimary) : FIsPrimary(AIsPrimary) {
  AcquirePaletteListener()->Add(this);
}

TcxSystemPaletteChangedNotifier::~TcxSystemPaletteChangedNotifier() {
  PaletteListener->Remove(this);
  ReleasePaletteListener();
}

void TcxSystemPaletteChangedNotifier::FirePaletteChanged() {
  if (OnSystemPaletteChanged) OnSystemPaletteChanged();
}

// ---------------------------------------------------------------- look-and-feel

const TPropTable* TcxLookAndFeel::PublishedTable(TPublishedTag<TcxLookAndFeel>) {
  static const TPropTable table =
      TPublished<TcxLookAndFeel>()
          .Property(L"AssignedValues", &TcxLookAndFeel::AssignedValues, &TcxLookAndFeel::SetAssignedValues,
                    &cxLookAndFeelValuesTypeInfo)
          .Stored([](const TcxLookAndFeel&) { return false; })
          .Property(L"Kind", &TcxLookAndFeel::Kind, &TcxLookAndFeel::SetKind, &cxLookAndFeelKindTypeInfo)
          .Stored(&TcxLookAndFeel::IsKindStored)
          .Property(L"NativeStyle", &TcxLookAndFeel::NativeStyle, &TcxLookAndFeel::SetNativeStyle)
          .Stored(&TcxLookAndFeel::IsNativeStyleStored)
          // An assigned empty name is streamed by DefineProperties.
          .Property(L"SkinName", &TcxLookAndFeel::SkinName, &TcxLookAndFeel::SetSkinName)
          .Stored([](const TcxLookAndFeel& ASelf) { return ASelf.IsSkinNameStored() && !ASelf.SkinName().empty(); })
          .Build();
  return &table;
}

TcxLookAndFeel::TcxLookAndFeel(TPersistent* AOwner) : TcxInterfacedPersistent(AOwner) {
  FCurrentState = FData;
  FSystemPaletteChangedNotifier = std::make_unique<TcxSystemPaletteChangedNotifier>(false);
  FSystemPaletteChangedNotifier->OnSystemPaletteChanged = [this] { SystemPaletteChanged(); };
  LiveLookAndFeels.insert(this);
  if (RootLookAndFeel) {
    RootLookAndFeel->AddChangeListener(this);
    RecalculateCurrentState();
  }
  ChoosePainter();
}

TcxLookAndFeel::~TcxLookAndFeel() {
  FSystemPaletteChangedNotifier.reset();
  NotifyDestroying();
  FChangeListenerList.clear();
  if (TcxLookAndFeel* master = MasterLookAndFeel()) master->RemoveChangeListener(this);
  LiveLookAndFeels.erase(this);
  if (FIsRootLookAndFeel) {
    RootLookAndFeel = nullptr;
    FIsRootLookAndFeel = false;
  }
}

void TcxLookAndFeel::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxLookAndFeel*>(Source);
  if (!source) return TcxInterfacedPersistent::Assign(Source);
  TcxLookAndFeel* master = source->MasterLookAndFeel();
  const bool changesMaster = !FIsRootLookAndFeel && master != this && master != MasterLookAndFeel();
  if (changesMaster) CheckMasterChain(master);
  SaveCurrentState();
  FData = source->FData;
  FAssignedValues = source->FAssignedValues;
  if (changesMaster) MoveToMaster(master);
  CompareWithSavedState();
}

void TcxLookAndFeel::EndUpdate() {
  if (FUpdateLockCount == 0 || --FUpdateLockCount > 0) return;
  const TcxLookAndFeelValues changed = FChangedValues;
  FChangedValues = {};
  NotifyChanged(changed);
}

void TcxLookAndFeel::Reset() {
  SetAssignedValues({});
  if (FIsRootLookAndFeel) {
    GlobalUseSkins = true;
    GlobalTouchMode = false;
  }
}

void TcxLookAndFeel::SetStyle(TcxLookAndFeelStyle Value) {
  SetNativeStyle(Value == lfsNative);
  if (NativeStyle()) return;
  switch (Value) {
    case lfsFlat: SetKind(lfFlat); break;
    case lfsOffice11: SetKind(lfOffice11); break;
    case lfsUltraFlat:
    case lfsSkin: SetKind(lfUltraFlat); break;
    default: SetKind(lfStandard); break;
  }
}

void TcxLookAndFeel::AddChangeListener(TObject* AListener) {
  if (!dynamic_cast<IcxLookAndFeelNotificationListener*>(AListener)) return;
  const bool isController = IsController(AListener);
  if (isController && !FIsRootLookAndFeel) return;
  if (std::find(FChangeListenerList.begin(), FChangeListenerList.end(), AListener) != FChangeListenerList.end())
    return;
  FChangeListenerList.push_back(AListener);
  if (isController) ++ControllerCount;
}

void TcxLookAndFeel::RemoveChangeListener(TObject* AListener) {
  auto found = std::find(FChangeListenerList.begin(), FChangeListenerList.end(), AListener);
  if (found == FChangeListenerList.end() || !dynamic_cast<IcxLookAndFeelNotificationListener*>(AListener)) return;
  if (!FIsDestruction) FChangeListenerList.erase(found);
  if (FIsRootLookAndFeel && IsController(AListener) && --ControllerCount == 0) Reset();
}

TcxCustomLookAndFeelPainter* TcxLookAndFeel::GetAvailablePainter(const TdxThemedObjectTypes& ANeededThemedObjectTypes) {
  if (!PaintersManager) return nullptr;
  // Without a registered native painter the look falls back to its kind
  // rather than to no painter at all.
  if (FCurrentState.NativeStyle && dxThemesAvailable(ANeededThemedObjectTypes))
    if (TcxCustomLookAndFeelPainter* native = PaintersManager->GetPainter(lfsNative)) return native;
  if (FSkinPainter) return FSkinPainter;
  return PaintersManager->GetPainter(StyleOfKind(FCurrentState.Kind));
}

TcxLookAndFeelStyle TcxLookAndFeel::ActiveStyle() const {
  if (FCurrentState.NativeStyle && dxThemesAvailable()) return lfsNative;
  if (FSkinPainter) return lfsSkin;
  return StyleOfKind(FCurrentState.Kind);
}

void TcxLookAndFeel::SetAssignedValues(TcxLookAndFeelValues Value) {
  if (Value == FAssignedValues) return;
  SaveCurrentState();
  FAssignedValues = Value;
  CompareWithSavedState();
}

void TcxLookAndFeel::SetKind(TcxLookAndFeelKind Value) {
  const TcxLookAndFeelKind previous = FCurrentState.Kind;
  FAssignedValues.Include(lfvKind);
  FData.Kind = Value;
  if (EffectiveKind() != previous) NotifyChanged({lfvKind});
}

void TcxLookAndFeel::SetNativeStyle(bool Value) {
  const bool previous = FCurrentState.NativeStyle;
  FAssignedValues.Include(lfvNativeStyle);
  FData.NativeStyle = Value;
  if (EffectiveNativeStyle() != previous) NotifyChanged({lfvNativeStyle});
}

void TcxLookAndFeel::SetSkinName(const String& Value) {
  const String previous = FCurrentState.SkinName;
  FAssignedValues.Include(lfvSkinName);
  FData.SkinName = Value;
  if (EffectiveSkinName() != previous) NotifyChanged({lfvSkinName});
}

TcxLookAndFeel* TcxLookAndFeel::MasterLookAndFeel() const {
  if (FIsRootLookAndFeel) return nullptr;
  return FMasterLookAndFeel ? FMasterLookAndFeel : RootLookAndFeel;
}

void TcxLookAndFeel::SetMasterLookAndFeel(TcxLookAndFeel* Value) {
  if (FIsRootLookAndFeel || Value == this || Value == MasterLookAndFeel()) return;
  CheckMasterChain(Value);
  SaveCurrentState();
  MoveToMaster(Value);
  CompareWithSavedState();
}

void TcxLookAndFeel::MasterLookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues AChangedValues) {
  NotifyChanged(AChangedValues - FAssignedValues);
}

void TcxLookAndFeel::MasterLookAndFeelDestroying(TcxLookAndFeel*) { SetMasterLookAndFeel(nullptr); }

void TcxLookAndFeel::MasterLookAndFeelBeginChange() { dxFireNotifyEvent(OnMasterBeginChange, this); }

void TcxLookAndFeel::MasterLookAndFeelEndChange() { dxFireNotifyEvent(OnMasterEndChange, this); }

void TcxLookAndFeel::DefineProperties(TFiler* Filer) {
  Filer->DefineProperty(
      L"SkinName", [this](TReader* AReader) { SetSkinName(AReader->ReadString()); },
      [this](TWriter* AWriter) { AWriter->WriteString(SkinName()); },
      FAssignedValues.Contains(lfvSkinName) && SkinName().empty());
}

TcxCustomLookAndFeelPainter* TcxLookAndFeel::FindSkinPainter(const String& ASkinName) {
  if (!GlobalUseSkins || ASkinName.empty() || !PaintersManager) return nullptr;
  return PaintersManager->GetPainter(ASkinName);
}

void TcxLookAndFeel::RecalculateCurrentState() {
  FCurrentState.Kind = EffectiveKind();
  FCurrentState.NativeStyle = EffectiveNativeStyle();
  FCurrentState.SkinName = EffectiveSkinName();
  FCurrentState.UseSkins = GlobalUseSkins;
  FSkinPainter = FCurrentState.NativeStyle ? nullptr : EffectiveSkinPainter();
}

void TcxLookAndFeel::ChoosePainter() { FPainter = GetAvailablePainter(TdxThemedObjectTypes{}); }

TcxLookAndFeelKind TcxLookAndFeel::EffectiveKind() {
  if (FAssignedValues.Contains(lfvKind)) return FData.Kind;
  const TcxLookAndFeel* source = InheritanceSource();
  return source ? source->FCurrentState.Kind : lfUltraFlat;
}

bool TcxLookAndFeel::EffectiveNativeStyle() {
  if (FAssignedValues.Contains(lfvNativeStyle)) return FData.NativeStyle;
  const TcxLookAndFeel* source = InheritanceSource();
  return source && source->FCurrentState.NativeStyle;
}

String TcxLookAndFeel::EffectiveSkinName() {
  if (FAssignedValues.Contains(lfvSkinName)) return FData.SkinName;
  const TcxLookAndFeel* source = InheritanceSource();
  return source ? source->FCurrentState.SkinName : String();
}

TcxCustomLookAndFeelPainter* TcxLookAndFeel::EffectiveSkinPainter() {
  if (FAssignedValues.Contains(lfvSkinName)) return FindSkinPainter(FData.SkinName);
  TcxLookAndFeel* source = InheritanceSource();
  return source ? source->FindSkinPainter(source->FCurrentState.SkinName) : nullptr;
}

void TcxLookAndFeel::SystemPaletteChanged() { NotifyChanged({lfvNativeStyle}); }

void TcxLookAndFeel::NotifyChanged(TcxLookAndFeelValues AChangedValues) {
  if (FIsDestruction) return;
  if (FCurrentState.UseSkins != GlobalUseSkins) AChangedValues.Include(lfvSkinName);
  if (AChangedValues.Empty()) return;
  RecalculateCurrentState();
  ChoosePainter();
  if (FUpdateLockCount > 0) {
    FChangedValues = FChangedValues + AChangedValues;
    return;
  }
  NotifyListeners(AChangedValues);
  if (OnChanged) OnChanged(this, AChangedValues);
}

TcxLookAndFeelStyle TcxLookAndFeel::StyleOfKind(TcxLookAndFeelKind AKind) {
  switch (AKind) {
    case lfFlat: return lfsFlat;
    case lfStandard: return lfsStandard;
    case lfOffice11: return lfsOffice11;
    default: return lfsUltraFlat;
  }
}

TcxLookAndFeel* TcxLookAndFeel::InheritanceSource() const {
  if (FIsRootLookAndFeel) return nullptr;
  return FMasterLookAndFeel ? FMasterLookAndFeel : RootLookAndFeel;
}

void TcxLookAndFeel::CheckMasterChain(TcxLookAndFeel* AMaster) const {
  for (const TcxLookAndFeel* master = AMaster; master; master = master->FMasterLookAndFeel)
    if (master == this)
      throw EdxException(L"A look-and-feel cannot follow itself: its master's chain of masters leads back to it");
}

void TcxLookAndFeel::MoveToMaster(TcxLookAndFeel* AMaster) {
  if (TcxLookAndFeel* master = MasterLookAndFeel()) master->RemoveChangeListener(this);
  FMasterLookAndFeel = AMaster;
  if (TcxLookAndFeel* master = MasterLookAndFeel()) master->AddChangeListener(this);
}

bool TcxLookAndFeel::UsesPainter(const TcxCustomLookAndFeelPainter* APainter) const {
  return FPainter == APainter || FSkinPainter == APainter;
}

void TcxLookAndFeel::SaveCurrentState() {
  FPrevState.Kind = FCurrentState.Kind;
  FPrevState.NativeStyle = FCurrentState.NativeStyle;
  FPrevState.SkinName = FCurrentState.SkinName;
}

void TcxLookAndFeel::CompareWithSavedState() {
  TcxLookAndFeelValues changed;
  if (EffectiveKind() != FPrevState.Kind) changed.Include(lfvKind);
  if (EffectiveNativeStyle() != FPrevState.NativeStyle) changed.Include(lfvNativeStyle);
  if (EffectiveSkinName() != FPrevState.SkinName) changed.Include(lfvSkinName);
  NotifyChanged(changed);
}

void TcxLookAndFeel::NotifyListeners(TcxLookAndFeelValues AChangedValues) {
  auto tellChangeBrackets = [](const std::vector<TObject*>& AListeners, bool ABegin) {
    for (TObject* listener : AListeners)
      if (auto* listener2 = dynamic_cast<IcxLookAndFeelNotificationListener2*>(listener))
        ABegin ? listener2->MasterLookAndFeelBeginChange() : listener2->MasterLookAndFeelEndChange();
  };
  tellChangeBrackets(std::vector<TObject*>(FChangeListenerList), true);
  // A listener that leaves the list while it is told must not make the
  // next one be skipped.
  for (size_t i = 0; i < FChangeListenerList.size();) {
    const size_t count = FChangeListenerList.size();
    dynamic_cast<IcxLookAndFeelNotificationListener*>(FChangeListenerList[i])
        ->MasterLookAndFeelChanged(this, AChangedValues);
    if (FChangeListenerList.size() == count) ++i;
  }
  tellChangeBrackets(std::vector<TObject*>(FChangeListenerList), false);
}

void TcxLookAndFeel::NotifyDestroying() {
  FIsDestruction = true;
  for (TObject* listener : FChangeListenerList)
    dynamic_cast<IcxLookAndFeelNotificationListener*>(listener)->MasterLookAndFeelDestroying(this);
  FIsDestruction = false;
}

// ---------------------------------------------------------------- controller

const TPropTable* TcxLookAndFeelController::PublishedTable(TPublishedTag<TcxLookAndFeelController>) {
  using T = TcxLookAndFeelController;
  static const TPropTable table =
      TPublished<T>()
          .Property(L"Kind", &T::Kind, &T::SetKind, &cxLookAndFeelKindTypeInfo)
          .Stored([](const T& ASelf) { return ASelf.Kind() != lfUltraFlat; })
          .Property(L"NativeStyle", &T::NativeStyle, &T::SetNativeStyle)
          .Stored(&T::NativeStyle)
          .Property(L"SkinName", &T::SkinName, &T::SetSkinName)
          .Stored([](const T& ASelf) { return !ASelf.SkinName().empty(); })
          .Property(L"TouchMode", &T::TouchMode, &T::SetTouchMode)
          .Stored(&T::TouchMode)
          .Build();
  return &table;
}

TcxLookAndFeelController::TcxLookAndFeelController(TComponent* AOwner) : TcxCustomComponent(AOwner) {
  if (RootLookAndFeel) RootLookAndFeel->AddChangeListener(this);
}

TcxLookAndFeelController::~TcxLookAndFeelController() {
  if (RootLookAndFeel) RootLookAndFeel->RemoveChangeListener(this);
}

void TcxLookAndFeelController::BeginUpdate() {
  if (RootLookAndFeel) RootLookAndFeel->BeginUpdate();
}

void TcxLookAndFeelController::EndUpdate() {
  if (RootLookAndFeel) RootLookAndFeel->EndUpdate();
}

void TcxLookAndFeelController::Reset() {
  if (RootLookAndFeel) RootLookAndFeel->Reset();
}

TcxLookAndFeelKind TcxLookAndFeelController::Kind() const {
  return RootLookAndFeel ? RootLookAndFeel->Kind() : lfUltraFlat;
}

void TcxLookAndFeelController::SetKind(TcxLookAndFeelKind Value) {
  if (RootLookAndFeel) RootLookAndFeel->SetKind(Value);
}

bool TcxLookAndFeelController::NativeStyle() const { return RootLookAndFeel && RootLookAndFeel->NativeStyle(); }

void TcxLookAndFeelController::SetNativeStyle(bool Value) {
  if (RootLookAndFeel) RootLookAndFeel->SetNativeStyle(Value);
}

String TcxLookAndFeelController::SkinName() const { return RootLookAndFeel ? RootLookAndFeel->SkinName() : String(); }

void TcxLookAndFeelController::SetSkinName(const String& Value) {
  if (RootLookAndFeel) RootLookAndFeel->SetSkinName(Value);
}

bool TcxLookAndFeelController::TouchMode() const { return GlobalTouchMode; }

void TcxLookAndFeelController::SetTouchMode(bool Value) {
  if (Value == GlobalTouchMode) return;
  GlobalTouchMode = Value;
  if (RootLookAndFeel) RootLookAndFeel->Refresh();
}

// ---------------------------------------------------------------- unit

TcxLookAndFeel* GetRootLookAndFeel() { return RootLookAndFeel; }

int cxLookAndFeelControllerCount() { return ControllerCount; }

bool ObjectSupportsSkins(TObject* AObject) {
  if (auto* support2 = dynamic_cast<IdxSkinSupport2*>(AObject)) return support2->IsSkinSupported();
  return dynamic_cast<IdxSkinSupport*>(AObject) != nullptr;
}

void cxLookAndFeelsInitialize() {
  GroupDescendentsWith(TcxLookAndFeelController::StaticClass(), TForm::StaticClass());
  auto* root = new TcxLookAndFeel(nullptr);
  root->FIsRootLookAndFeel = true;
  RootLookAndFeel = root;
  SkinSupportQuery = ObjectSupportsSkins;
  if (PaintersManager) PaintersManager->AddListener(&PainterWatcher);
}

namespace {
void Finalize() {
  if (PaintersManager) PaintersManager->RemoveListener(&PainterWatcher);
  SkinSupportQuery = nullptr;
  delete RootLookAndFeel;
}
}  // namespace

const TUnitEntry cxLookAndFeelsUnit{L"cxLookAndFeels", cxLookAndFeelsInitialize, Finalize};
