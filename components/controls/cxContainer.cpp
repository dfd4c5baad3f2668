// The container unit's styles: assigned values resolved through chained
// style controllers and state defaults, batched change notification, and
// the style controller with its listeners.
#include "components/controls/cxContainer.h"

#include <algorithm>

#include "vcl/classes/Filer.h"

namespace {

TcxStyleController* DefaultStyleController = nullptr;

const wchar_t* const StyleValueNames[] = {L"BorderColor", L"BorderStyle", L"Color",     L"Edges",
                                          L"Font",        L"HotTrack",    L"Shadow",    L"TextColor",
                                          L"TextStyle",   L"TransparentBorder"};

const TTypeInfo ContainerBorderStyleTypeInfo =
    EnumTypeInfo(L"TcxContainerBorderStyle",
                 {L"cbsNone", L"cbsSingle", L"cbsThick", L"cbsFlat", L"cbs3D", L"cbsUltraFlat", L"cbsOffice11"});

const TcxContainerStyleValues AllStyleValues{csvBorderColor, csvBorderStyle, csvColor,     csvEdges,
                                             csvFont,        csvHotTrack,    csvShadow,    csvTextColor,
                                             csvTextStyle,   csvTransparentBorder};

}  // namespace

TcxStyleController* cxDefaultContainerStyleController() { return DefaultStyleController; }

void cxSetDefaultContainerStyleController(TcxStyleController* AController) { DefaultStyleController = AController; }

// ---------------------------------------------------------------- container style

const TPropTable* TcxContainerStyle::PublishedTable(TPublishedTag<TcxContainerStyle>) {
  using T = TcxContainerStyle;
  const auto stored = [](TcxContainerStyleValue AValue) {
    return [AValue](const T& ASelf) { return ASelf.IsPropertyStored(AValue); };
  };
  static const TPropTable table =
      TPublished<T>()
          .Property(L"BorderColor", &T::BorderColor, &T::SetBorderColor)
          .Stored(stored(csvBorderColor))
          .Property(L"BorderStyle", &T::BorderStyle, &T::SetBorderStyle, &ContainerBorderStyleTypeInfo)
          .Stored(stored(csvBorderStyle))
          .Property(L"Color", &T::Color, &T::SetColor)
          .Stored(stored(csvColor))
          .Property(L"Font", &TcxContainerStyle::Font, &T::SetFont)
          .Stored(stored(csvFont))
          .Property(L"HotTrack", &T::HotTrack, &T::SetHotTrack)
          .Stored(stored(csvHotTrack))
          .Property(L"LookAndFeel", &T::LookAndFeel, &T::SetLookAndFeel)
          .Property(L"Shadow", &T::Shadow, &T::SetShadow)
          .Stored(stored(csvShadow))
          .Property(L"StyleController", &T::StyleController, &T::SetStyleController)
          .Stored([](const T& ASelf) { return ASelf.FState == csNormal; })
          .Property(L"TextColor", &T::TextColor, &T::SetTextColor)
          .Stored(stored(csvTextColor))
          .Property(L"TransparentBorder", &T::TransparentBorder, &T::SetTransparentBorder)
          .Stored(stored(csvTransparentBorder))
          .Build();
  return &table;
}

TcxContainerStyle::TcxContainerStyle(TPersistent* AOwner, bool ADirectAccessMode, TcxContainerStyle* AParentStyle,
                                     TcxContainerStateItem AState)
    : TcxInterfacedPersistent(AOwner),
      FDirectAccessMode(ADirectAccessMode),
      FParentStyle(AState != csNormal ? AParentStyle : nullptr),
      FState(AState),
      FVisibleFont(std::make_unique<TFont>()) {
  if (FDirectAccessMode) FAssignedValues = {csvColor, csvFont, csvTextColor, csvTextStyle};
  if (IsTopLevelStyle() && !FDirectAccessMode) {
    FOwnFont = std::make_unique<TFont>();
    FOwnFont->OnChange = [this](TObject*) { FontChanged(); };
    StyleData.Font = FOwnFont.get();
  }
  if (IsTopLevelStyle()) {
    FLookAndFeel = std::make_unique<TcxLookAndFeel>(this);
    FLookAndFeel->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) { Changed(); };
    SetStyleController(GetDefaultStyleController());
  }
}

TcxContainerStyle::~TcxContainerStyle() {
  FIsDestroying = true;
  if (IsTopLevelStyle() && FStyleController) FStyleController->RemoveListener(this);
  FLookAndFeel.reset();
}

TcxContainer* TcxContainerStyle::Container() const { return dynamic_cast<TcxContainer*>(Owner()); }

// ---------------------------------------------------------------- names

bool TcxContainerStyle::GetStyleValueName(TcxContainerStyleValue AValue, String& AName) {
  const int index = static_cast<int>(AValue);
  const bool known = index >= 0 && index < GetStyleValueCount();
  AName = known ? StyleValueNames[index] : L"";
  return known;
}

bool TcxContainerStyle::GetStyleValue(const String& APropertyName, TcxContainerStyleValue& AValue) {
  for (int i = 0; i < GetStyleValueCount(); ++i)
    if (SameText(APropertyName, StyleValueNames[i])) {
      AValue = static_cast<TcxContainerStyleValue>(i);
      return true;
    }
  return false;
}

bool TcxContainerStyle::HasBorder() const { return IsTopLevelStyle() || FParentStyle->HasBorder(); }

bool TcxContainerStyle::IsExtendedStylePropertyPublished(const String& APropertyName) const {
  if (SameText(APropertyName, L"LookAndFeel") || SameText(APropertyName, L"StyleController")) return false;
  TcxContainerStyleValue value;
  return !GetStyleValue(APropertyName, value) || !InternalGetNotPublishedExtendedStyleValues().Contains(value);
}

TcxContainerStyleValues TcxContainerStyle::InternalGetNotPublishedExtendedStyleValues() const {
  return {csvEdges, csvFont, csvHotTrack, csvShadow, csvTransparentBorder};
}

bool TcxContainerStyle::IsPropertyStored(TcxContainerStyleValue AValue) const {
  if (!FAssignedValues.Contains(AValue)) return false;
  TcxContainer* container = Container();
  String name;
  GetStyleValueName(AValue, name);
  return !container || container->IsStylePropertyPublished(name, FState != csNormal);
}

// ---------------------------------------------------------------- value resolution

template <class F>
auto TcxContainerStyle::ResolveAssigned(TcxContainerStyleValue AValue, F AOwnValue) const
    -> std::optional<decltype(AOwnValue(*this))> {
  if (AssignedValues().Contains(AValue)) return AOwnValue(*this);
  if (TcxStyleController* controller = ActiveStyleController())
    return controller->GetInternalStyle(FState)->ResolveAssigned(AValue, AOwnValue);
  return std::nullopt;
}

bool TcxContainerStyle::IsValueAssigned(TcxContainerStyleValue AValue) const {
  // Every value the style knows, TransparentBorder included: an assigned
  // TransparentBorder is as assigned as any other value.
  if (static_cast<int>(AValue) >= GetStyleValueCount()) return false;
  if (FAssignedValues.Contains(AValue)) return true;
  TcxStyleController* controller = ActiveStyleController();
  return controller && controller->GetInternalStyle(FState)->IsValueAssigned(AValue);
}

TcxContainerStyleValues TcxContainerStyle::AssignedValues() const {
  return FDirectAccessMode ? AllStyleValues : FAssignedValues;
}

void TcxContainerStyle::SetAssignedValues(TcxContainerStyleValues Value) {
  if (FAssignedValues == Value) return;
  FAssignedValues = Value;
  if (IsTopLevelStyle()) UpdateFont();
  Changed();
}

TColor TcxContainerStyle::BorderColor() const {
  if (FDirectAccessMode) return clDefault;
  return ResolveAssigned(csvBorderColor, [](const TcxContainerStyle& S) { return S.FBorderColor; })
      .value_or(GetDefaultBorderColor());
}

TcxContainerBorderStyle TcxContainerStyle::BorderStyle() const {
  if (FDirectAccessMode)
    return FAssignedValues.Contains(csvBorderStyle) ? FBorderStyle : GetDefaultBorderStyle();
  return ResolveAssigned(csvBorderStyle, [](const TcxContainerStyle& S) { return S.FBorderStyle; })
      .value_or(GetDefaultBorderStyle());
}

TColor TcxContainerStyle::Color() const {
  if (FDirectAccessMode) return StyleData.Color;
  if (TcxContainer* container = Container(); IsTopLevelStyle() && container && container->ParentColor() &&
                                             container->Parent())
    return container->Parent()->Color();
  return ResolveAssigned(csvColor, [](const TcxContainerStyle& S) { return S.StyleData.Color; })
      .value_or(GetDefaultColor());
}

TColor TcxContainerStyle::InternalGetColor() const {
  if (FDirectAccessMode) return StyleData.Color;
  if (auto color = ResolveAssigned(csvColor, [](const TcxContainerStyle& S) { return S.StyleData.Color; }))
    return *color;
  if (TcxContainer* container = Container(); IsTopLevelStyle() && container && !container->IsInplace() &&
                                             container->ParentColor() && container->Parent())
    return container->Parent()->Color();
  return GetDefaultColor();
}

TcxBorders TcxContainerStyle::Edges() const {
  if (FDirectAccessMode) return {};
  if (!IsTopLevelStyle()) return FParentStyle->Edges();
  return ResolveAssigned(csvEdges, [](const TcxContainerStyle& S) { return S.FEdges; }).value_or(GetDefaultEdges());
}

bool TcxContainerStyle::HotTrack() const {
  if (FDirectAccessMode) return FAssignedValues.Contains(csvHotTrack) ? FHotTrack : GetDefaultHotTrack();
  if (!IsTopLevelStyle()) return FParentStyle->HotTrack();
  return ResolveAssigned(csvHotTrack, [](const TcxContainerStyle& S) { return S.FHotTrack; })
      .value_or(GetDefaultHotTrack());
}

bool TcxContainerStyle::Shadow() const {
  if (FDirectAccessMode) return false;
  if (!IsTopLevelStyle()) return FParentStyle->Shadow();
  return ResolveAssigned(csvShadow, [](const TcxContainerStyle& S) { return S.FShadow; })
      .value_or(GetDefaultShadow());
}

bool TcxContainerStyle::TransparentBorder() const {
  if (FDirectAccessMode) return true;
  if (!IsTopLevelStyle()) return FParentStyle->TransparentBorder();
  return ResolveAssigned(csvTransparentBorder, [](const TcxContainerStyle& S) { return S.FTransparentBorder; })
      .value_or(GetDefaultTransparentBorder());
}

TColor TcxContainerStyle::TextColor() const {
  if (FDirectAccessMode) return StyleData.FontColor;
  return ResolveAssigned(csvTextColor, [](const TcxContainerStyle& S) { return S.StyleData.FontColor; })
      .value_or(GetDefaultTextColor());
}

TFontStyles TcxContainerStyle::TextStyle() const {
  if (FDirectAccessMode) return StyleData.Font->Style();
  return ResolveAssigned(csvTextStyle, [](const TcxContainerStyle& S) { return S.FTextStyle; })
      .value_or(GetDefaultTextStyle());
}

TcxStyleController* TcxContainerStyle::StyleController() const {
  if (!IsTopLevelStyle()) return FParentStyle->StyleController();
  return FStyleController == DefaultStyleController ? nullptr : FStyleController;
}

// ---------------------------------------------------------------- defaults

TColor TcxContainerStyle::GetDefaultBorderColor() const {
  if (FState == csDisabled) return clBtnShadow;
  return IsTopLevelStyle() ? clWindowFrame : FParentStyle->BorderColor();
}

TcxContainerBorderStyle TcxContainerStyle::GetDefaultBorderStyle() const {
  if (IsTopLevelStyle()) {
    switch (LookAndFeel()->Kind()) {
      case lfFlat: return cbsFlat;
      case lfStandard: return cbs3D;
      case lfUltraFlat: return cbsUltraFlat;
      case lfOffice11: return cbsOffice11;
    }
    return cbs3D;
  }
  const bool highlighted = (HotTrack() || FState == csDisabled) && (FState == csActive || FState == csHotTrack);
  const TcxContainerBorderStyle parentStyle = FParentStyle->BorderStyle();
  if (!highlighted) return parentStyle;
  switch (parentStyle) {
    case cbsNone: return cbsFlat;
    case cbsSingle:
    case cbsThick: return cbsThick;
    case cbsFlat:
    case cbs3D: return cbs3D;
    default: return parentStyle;
  }
}

TColor TcxContainerStyle::GetDefaultColor() const {
  TcxContainer* container = Container();
  const bool parentColored = !container || container->DefaultParentColor();
  if (IsTopLevelStyle()) return parentColored ? clBtnFace : clWindow;
  if (FState == csDisabled && !parentColored) return clBtnFace;
  return FParentStyle->Color();
}

TColor TcxContainerStyle::GetDefaultTextColor() const {
  if (FState == csDisabled) return GetDefaultDisabledTextColor();
  return IsTopLevelStyle() ? StyleData.Font->Color() : FParentStyle->TextColor();
}

TFontStyles TcxContainerStyle::GetDefaultTextStyle() const {
  return IsTopLevelStyle() ? StyleData.Font->Style() : FParentStyle->TextStyle();
}

TcxStyleController* TcxContainerStyle::GetDefaultStyleController() const { return DefaultStyleController; }

// ---------------------------------------------------------------- writers

template <class T>
void TcxContainerStyle::StoreValue(TcxContainerStyleValue AValue, T TcxContainerStyle::*AField,
                                   const T& ANewValue) {
  if (FAssignedValues.Contains(AValue) && this->*AField == ANewValue) return;
  this->*AField = ANewValue;
  FAssignedValues.Include(AValue);
  Changed();
}

void TcxContainerStyle::SetBorderColor(TColor Value) { StoreValue(csvBorderColor, &TcxContainerStyle::FBorderColor, Value); }

void TcxContainerStyle::SetBorderStyle(TcxContainerBorderStyle Value) {
  StoreValue(csvBorderStyle, &TcxContainerStyle::FBorderStyle, Value);
}

void TcxContainerStyle::SetColor(TColor Value) {
  if (FAssignedValues.Contains(csvColor) && StyleData.Color == Value) return;
  StyleData.Color = Value;
  FAssignedValues.Include(csvColor);
  Changed();
}

void TcxContainerStyle::SetEdges(TcxBorders Value) { BaseStyle()->StoreValue(csvEdges, &TcxContainerStyle::FEdges, Value); }

void TcxContainerStyle::SetHotTrack(bool Value) { BaseStyle()->StoreValue(csvHotTrack, &TcxContainerStyle::FHotTrack, Value); }

void TcxContainerStyle::SetShadow(bool Value) { BaseStyle()->StoreValue(csvShadow, &TcxContainerStyle::FShadow, Value); }

void TcxContainerStyle::SetTransparentBorder(bool Value) {
  BaseStyle()->StoreValue(csvTransparentBorder, &TcxContainerStyle::FTransparentBorder, Value);
}

void TcxContainerStyle::SetTextColor(TColor Value) {
  if (FAssignedValues.Contains(csvTextColor) && TextColor() == Value) return;
  StyleData.FontColor = Value;
  FAssignedValues.Include(csvTextColor);
  Changed();
}

void TcxContainerStyle::SetTextStyle(TFontStyles Value) {
  if (FAssignedValues.Contains(csvTextStyle) && TextStyle() == Value) return;
  FTextStyle = Value;
  FAssignedValues.Include(csvTextStyle);
  Changed();
}

void TcxContainerStyle::SetFont(TFont* Value) {
  if (FDirectAccessMode) {
    StyleData.Font = Value;
    return;
  }
  if (!IsTopLevelStyle()) return FParentStyle->SetFont(Value);
  BeginUpdate();
  StyleData.Font->Assign(Value);
  FAssignedValues.Include(csvFont);
  Changed();
  EndUpdate();
}

void TcxContainerStyle::SetStyleController(TcxStyleController* Value) {
  if (!IsTopLevelStyle()) return FParentStyle->SetStyleController(Value);
  if (DefaultStyleController && Owner() == DefaultStyleController) return;
  if (!Value) Value = DefaultStyleController;
  if (!IsControllerChainFree(Value) || Value == FStyleController) return;
  if (FStyleController) FStyleController->RemoveListener(this);
  FStyleController = Value;
  if (FStyleController) FStyleController->AddListener(this);
  ControllerChangedNotification();
}

bool TcxContainerStyle::IsControllerChainFree(TcxStyleController* AController) const {
  for (TcxStyleController* controller = AController; controller;
       controller = controller->Style()->FStyleController)
    if (controller == Owner()) return false;
  return true;
}

// ---------------------------------------------------------------- notification

void TcxContainerStyle::Changed() {
  FModified = true;
  FireChangedIfModified();
}

void TcxContainerStyle::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  FireChangedIfModified();
}

void TcxContainerStyle::FireChangedIfModified() {
  if (!FModified || FUpdateCount != 0) return;
  FModified = false;
  if (!FIsDestroying && !FDirectAccessMode) dxFireNotifyEvent(OnChanged, this);
}

void TcxContainerStyle::ControllerChangedNotification() {
  UpdateFont();
  Changed();
}

void TcxContainerStyle::StyleControllerRemoved(TcxStyleController* AController) {
  if (AController == ActiveStyleController()) SetStyleController(nullptr);
}

void TcxContainerStyle::FontChanged() {
  if (FFontAssignedValueLockCount == 0) FAssignedValues.Include(csvFont);
  Changed();
}

void TcxContainerStyle::UpdateFont() {
  if (FDirectAccessMode || !FOwnFont || FAssignedValues.Contains(csvFont)) return;
  ++FFontAssignedValueLockCount;
  TcxStyleController* controller = ActiveStyleController();
  const auto font = controller ? controller->Style()->ResolveAssigned(csvFont, [](const TcxContainerStyle& S) {
    return S.StyleData.Font;
  })
                               : std::nullopt;
  if (font) {
    FOwnFont->Assign(*font);
  } else if (TcxContainer* container = Container(); !container || !container->ParentFont()) {
    cxResetFont(FOwnFont.get());
  }
  if (FFontAssignedValueLockCount > 0) --FFontAssignedValueLockCount;
}

TFont* TcxContainerStyle::GetVisibleFont() {
  FVisibleFont->Assign(Font());
  FVisibleFont->SetColor(TextColor());
  FVisibleFont->SetStyle(TextStyle());
  return FVisibleFont.get();
}

// ---------------------------------------------------------------- assign, defaults, streaming

void TcxContainerStyle::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxContainerStyle*>(Source);
  if (!source) return TcxInterfacedPersistent::Assign(Source);
  BeginUpdate();
  if (IsTopLevelStyle()) {
    SetStyleController(source->StyleController());
    LookAndFeel()->Assign(source->LookAndFeel());
  }
  FBorderColor = source->BorderColor();
  FBorderStyle = source->BorderStyle();
  BaseStyle()->FEdges = source->Edges();
  BaseStyle()->FHotTrack = source->HotTrack();
  BaseStyle()->FShadow = source->Shadow();
  BaseStyle()->FTransparentBorder = source->TransparentBorder();
  StyleData.Color = source->Color();
  if (FDirectAccessMode) {
    StyleData.Font = source->Font();
    StyleData.FontColor = source->TextColor();
  } else {
    if (FOwnFont) {
      ++FFontAssignedValueLockCount;
      FOwnFont->Assign(source->Font());
      if (source->DirectAccessMode()) FOwnFont->SetColor(source->TextColor());
      --FFontAssignedValueLockCount;
    }
    StyleData.FontColor = source->TextColor();
    FTextStyle = source->TextStyle();
  }
  FAssignedValues = source->FAssignedValues;
  Changed();
  EndUpdate();
}

void TcxContainerStyle::RestoreDefaults() {
  BeginUpdate();
  SetAssignedValues({});
  if (IsTopLevelStyle()) LookAndFeel()->Reset();
  if (TcxContainer* container = Container()) {
    container->SetParentColor(false);
    container->SetParentFont(true);
    if (container->DefaultParentColor()) {
      TcxStyleController* controller = ActiveStyleController();
      container->SetParentColor(!controller || !controller->Style()->FAssignedValues.Contains(csvColor));
    }
  } else if (FOwnFont) {
    ++FFontAssignedValueLockCount;
    cxResetFont(FOwnFont.get());
    --FFontAssignedValueLockCount;
  }
  EndUpdate();
}

void TcxContainerStyle::DefineProperties(TFiler* Filer) {
  // An assigned font stays assigned after loading, even when it equals the
  // default font.
  Filer->DefineProperty(
      L"IsFontAssigned",
      [this](TReader* AReader) {
        AReader->ReadBoolean();
        TcxContainerStyleValues assigned = FAssignedValues;
        assigned.Include(csvFont);
        AReader->AssignJournaled(FAssignedValues, assigned);
      },
      [](TWriter* AWriter) { AWriter->WriteBoolean(true); }, IsPropertyStored(csvFont));
}

// ---------------------------------------------------------------- styles

TcxContainerStyles::TcxContainerStyles(TPersistent* AOwner, const TStyleFactory& AStyleFactory) {
  for (int i = 0; i < 4; ++i)
    FStyles[i] = AStyleFactory(AOwner, i > 0 ? FStyles[0] : nullptr, static_cast<TcxContainerStateItem>(i));
}

TcxContainerStyles::~TcxContainerStyles() {
  for (int i = 3; i >= 0; --i) delete FStyles[i];
}

void TcxContainerStyles::SetOnChanged(const TNotifyEvent& Value) {
  for (TcxContainerStyle* style : FStyles) style->OnChanged = Value;
}

void TcxContainerStyles::RestoreDefaults() {
  for (TcxContainerStyle* style : FStyles) style->RestoreDefaults();
}

// ---------------------------------------------------------------- style controller

const TPropTable* TcxStyleController::PublishedTable(TPublishedTag<TcxStyleController>) {
  using T = TcxStyleController;
  static const TPropTable table =
      TPublished<T>()
          .Property(L"Scalable", &T::Scalable, &T::SetScalable)
          .Stored([](const T& ASelf) { return !ASelf.Scalable(); })
          .Property(L"FakeStyleController", &T::FakeStyleController, &T::SetFakeStyleController)
          .Stored([](const T&) { return false; })
          .Build();
  return &table;
}

TcxStyleController::TcxStyleController(TComponent* AOwner) : TcxScalableComponent(AOwner) { RecreateStyles(); }

void TcxStyleController::RecreateStyles() {
  FStyles = std::make_unique<TcxContainerStyles>(
      this, [this](TPersistent*, TcxContainerStyle* AParentStyle, TcxContainerStateItem AState) {
        return CreateStyle(AParentStyle, AState);
      });
  FStyles->SetOnChanged([this](TObject*) { Changed(); });
}

TcxStyleController::~TcxStyleController() {
  FIsDestruction = true;
  // The default controller going leaves its listeners without one.
  if (DefaultStyleController == this) DefaultStyleController = nullptr;
  while (!FListeners.empty()) {
    TcxContainerStyle* listener = FListeners.back();
    listener->StyleControllerRemoved(this);
    // A listener that did not let go is dropped all the same.
    if (!FListeners.empty() && FListeners.back() == listener) {
      FListeners.pop_back();
      listener->FStyleController = nullptr;
    }
  }
  FStyles.reset();
}

TcxContainerStyle* TcxStyleController::CreateStyle(TcxContainerStyle* AParentStyle, TcxContainerStateItem AState) {
  return new TcxContainerStyle(this, false, AParentStyle, AState);
}

void TcxStyleController::AddListener(TcxContainerStyle* AStyle) {
  if (!AStyle || std::find(FListeners.begin(), FListeners.end(), AStyle) != FListeners.end()) return;
  FListeners.push_back(AStyle);
  AStyle->LookAndFeel()->SetMasterLookAndFeel(Style()->LookAndFeel());
}

void TcxStyleController::RemoveListener(TcxContainerStyle* AStyle) {
  const auto it = std::find(FListeners.begin(), FListeners.end(), AStyle);
  if (it == FListeners.end()) return;
  FListeners.erase(it);
  if (!AStyle->FIsDestroying) AStyle->LookAndFeel()->SetMasterLookAndFeel(nullptr);
}

void TcxStyleController::Changed() {
  dxFireNotifyEvent(OnStyleChanged, this);
  if (FIsDestruction) return;
  for (size_t i = 0; i < FListeners.size(); ++i) FListeners[i]->ControllerChangedNotification();
}

void TcxStyleController::Loaded() {
  TcxScalableComponent::Loaded();
  Changed();
}

void TcxStyleController::RescaleTo(int M, int D) {
  for (int i = 0; i < 4; ++i)
    if (TcxContainerStyle* style = GetInternalStyle(static_cast<TcxContainerStateItem>(i));
        style->AssignedValues().Contains(csvFont))
      style->Font()->SetHeight(MulDiv(style->Font()->Height(), M, D));
}

// ---------------------------------------------------------------- unit

const TUnitEntry cxContainerUnit{L"cxContainer",
                                 [] {
                                   cxBindScrollBarInfo();
                                   cxInstallPopupHooks();
                                 },
                                 [] {
                                   cxRemovePopupHooks();
                                   DefaultStyleController = nullptr;
                                 }};
