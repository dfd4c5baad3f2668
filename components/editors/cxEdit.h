#pragma once
// The editor framework: every data editor is a properties object (its
// settings, shareable between controls), the control, a view data that lays
// it out and a view info that keeps the result and paints it. This unit
// holds the properties with their registry, the edit buttons, the edit
// styles with their controller, and the view data and view info.
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "components/controls/cxContainer.h"
#include "components/core/cxClasses.h"
#include "components/core/dxCoreClasses.h"
#include "components/editors/cxEditPaintUtils.h"
#include "components/lookandfeel/dxFading.h"
#include "vcl/controls/ActnList.h"
#include "vcl/controls/ImgList.h"
#include "vcl/controls/Menus.h"
#include "vcl/controls/UITypes.h"
#include "vcl/rtl/Variants.h"

class TdxSmartImage;
class TcxCustomEditProperties;
class TcxCustomEditStyle;
class TcxCustomEditViewData;
class TcxCustomEditViewInfo;
class TcxEditButtonViewInfo;
class TcxEditButtonFadingHelper;
class TcxEditButtonActionLink;
class TcxCustomEditButtons;
class TcxEditButtons;

VCL_EXCEPTION(EcxEditError, EdxException)
// A value the validation refused; the message says why.
VCL_EXCEPTION(EcxEditValidationError, EcxEditError)

// A class reference that can also make an instance: what the properties
// answer for the companion classes an editor kind uses.
template <class TBase, class... TArgs>
struct TcxClassFactory {
  TClass Class = nullptr;
  TBase* (*Create)(TArgs...) = nullptr;

  template <class T>
  static TcxClassFactory Of() {
    return {T::StaticClass(), [](TArgs... AArgs) -> TBase* { return new T(AArgs...); }};
  }
};

// ---------------------------------------------------------------- enumerations

enum class TcxEditCloseUpReason { crUnknown, crTab, crClose, crCancel, crEnter };
using enum TcxEditCloseUpReason;
enum class TcxEditSupportedOperation {
  esoAlwaysHotTrack, esoAutoHeight, esoEditing, esoFiltering, esoHorzAlignment, esoHotTrack, esoIncSearch,
  esoShowingCaption, esoSorting, esoSortingByDisplayText, esoTransparency, esoEditingAutoHeight, esoNeedHandle
};
using enum TcxEditSupportedOperation;
using TcxEditSupportedOperations = TSet<TcxEditSupportedOperation>;
enum class TcxEditSpecialFeature { esfBlobEditValue, esfMinSize, esfNoContentPart, esfClickable, esfMultiRow };
using enum TcxEditSpecialFeature;
using TcxEditSpecialFeatures = TSet<TcxEditSpecialFeature>;
enum class TcxBlobKind { bkNone, bkBlob, bkGraphic, bkMemo, bkOle };
using enum TcxBlobKind;
enum class TcxEditVertAlignment { taTopJustify, taBottomJustify, taVCenter };
using enum TcxEditVertAlignment;
enum class TcxEditValidationOption { evoRaiseException, evoShowErrorIcon, evoAllowLoseFocus };
using enum TcxEditValidationOption;
using TcxEditValidationOptions = TSet<TcxEditValidationOption>;
enum class TcxEditButtonsViewStyle { bvsNormal, bvsButtonsOnly, bvsButtonsAutoWidth };
using enum TcxEditButtonsViewStyle;
enum class TcxEditButtonKind { bkEllipsis, bkDown, bkGlyph, bkText };
using enum TcxEditButtonKind;
// Bits of the display-format options: the provider's format applies, and
// currency values are not accepted by it.
enum class TcxEditDisplayFormatOption { dfoSupports, dfoNoCurrencyValue };
using enum TcxEditDisplayFormatOption;
using TcxEditDisplayFormatOptions = TSet<TcxEditDisplayFormatOption>;

// The size a host asks an editor to measure for; -1 is unrestricted.
struct TcxEditSizeProperties {
  int Height = -1;
  int MaxLineCount = 0;
  int Width = -1;
};

using TcxEditButtonClickEvent = std::function<void(TObject* Sender, int AButtonIndex)>;
using TcxEditClosePopupEvent = std::function<void(TObject* Sender, TcxEditCloseUpReason AReason)>;
using TcxEditValidateEvent =
    std::function<void(TObject* Sender, Variant& DisplayValue, String& ErrorText, bool& Error)>;

// ---------------------------------------------------------------- edit buttons

// One button inside an editor's frame.
class TcxCustomEditButton : public TCollectionItem {
  VCL_COLLECTION_ITEM_CLASS(TcxCustomEditButton, TCollectionItem)
public:
  explicit TcxCustomEditButton(TCollection* ACollection);
  ~TcxCustomEditButton() override;
  void Assign(TPersistent* Source) override;

  const String& Caption() const { return FCaption; }
  // Also sets VisibleCaption: the accelerator marks removed, a trailing "&"
  // shown as "_".
  void SetCaption(const String& Value);
  TAlignment ContentAlignment() const { return FContentAlignment; }
  void SetContentAlignment(TAlignment Value) { SetValue(FContentAlignment, Value); }
  bool Default() const { return FDefault; }
  // Setting it clears Default on the other buttons of the collection.
  void SetDefault(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { SetValue(FEnabled, Value); }
  // Made empty on first read.
  TBitmap* Glyph();
  bool HasGlyph() const { return FGlyph != nullptr; }
  // Null frees the glyph.
  void SetGlyph(TBitmap* Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { SetValue(FImageIndex, Value); }
  TcxEditButtonKind Kind() const { return FKind; }
  void SetKind(TcxEditButtonKind Value) { SetValue(FKind, Value); }
  bool LeftAlignment() const { return FLeftAlignment; }
  void SetLeftAlignment(bool Value) { SetValue(FLeftAlignment, Value); }
  bool Stretchable() const { return FStretchable; }
  void SetStretchable(bool Value) { SetValue(FStretchable, Value); }
  intptr_t Tag() const { return FTag; }
  void SetTag(intptr_t Value) { FTag = Value; }
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor Value) { SetValue(FTextColor, Value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { SetValue(FVisible, Value); }
  const String& VisibleCaption() const { return FVisibleCaption; }
  // 0: the default width; a negative width measures as the default too.
  int Width() const { return FWidth; }
  void SetWidth(int Value) { SetValue(FWidth, Value); }
  // The button follows the action's caption, enabled state, hint, image
  // and visibility.
  TBasicAction* Action() const { return ReadAction(); }
  void SetAction(TBasicAction* Value);
  TcxEditButtonActionLink* ActionLink() const { return FActionLink.get(); }

protected:
  friend class TcxCustomEditButtons;
  virtual void ForgetAction(TBasicAction* AAction);
  virtual TBasicAction* ReadAction() const;
  virtual TcxEditButtonActionLink* CreateActionLink();
  // Lets the action bring itself up to date.
  virtual void RefreshActionLink();
  // Takes the values of a TCustomAction; with ACheckDefaults only into
  // values still at their defaults.
  virtual void ApplyAction(TObject* Sender, bool ACheckDefaults);

private:
  friend class TcxEditButtonActionLink;
  template <class T>
  void SetValue(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed(false);
  }
  void GlyphChanged(TObject*) { Changed(false); }

  std::unique_ptr<TcxEditButtonActionLink> FActionLink;
  String FCaption;
  TAlignment FContentAlignment = taCenter;
  bool FDefault = false;
  bool FEnabled = true;
  std::unique_ptr<TBitmap> FGlyph;
  String FHint;
  int FImageIndex = -1;
  TcxEditButtonKind FKind = bkDown;
  bool FLeftAlignment = false;
  bool FStretchable = true;
  intptr_t FTag = 0;
  TColor FTextColor = clBtnText;
  bool FVisible = true;
  String FVisibleCaption;
  int FWidth = 0;
};

// A button as streamed: a value the button takes from its action is not
// stored.
class TcxEditButton : public TcxCustomEditButton {
  VCL_COLLECTION_ITEM_CLASS(TcxEditButton, TcxCustomEditButton)
  VCL_PUBLISHED(TcxEditButton)
public:
  explicit TcxEditButton(TCollection* ACollection) : TcxCustomEditButton(ACollection) {}
};

// The buttons of an editor kind, owned by its properties; OnChange tells of
// any change.
class TcxCustomEditButtons : public TCollection {
  VCL_CLASS(TcxCustomEditButtons, TCollection)
public:
  TcxCustomEditButtons(TPersistent* AOwner, TClass AButtonClass);
  ~TcxCustomEditButtons() override;

  TcxCustomEditButton* Items(int AIndex) const { return static_cast<TcxCustomEditButton*>(TCollection::Items(AIndex)); }
  int VisibleCount() const;
  // Every button's action brings itself up to date.
  virtual void RefreshActionLinks();

  TNotifyEvent OnChange;

protected:
  friend class TcxCustomEditButton;
  void Update(TCollectionItem* Item) override;
  TPersistent* GetOwner() const override { return FOwner; }
  // A freed action is forgotten by every button bound to it.
  virtual void HandleActionFreed(TComponent* AAction);
  TcxFreeNotificator* FreeNotificator() const { return FFreeNotificator.get(); }

private:
  std::unique_ptr<TcxFreeNotificator> FFreeNotificator;
  TPersistent* FOwner;
};

// Binds a button to an action: the button follows the action's values, and
// a value counts as linked while the button's equals the action's.
class TcxEditButtonActionLink : public TActionLink {
  VCL_CLASS(TcxEditButtonActionLink, TActionLink)
public:
  explicit TcxEditButtonActionLink(TcxCustomEditButton* AClient) : FClient(AClient) {}

  bool IsCaptionLinked() override;
  bool IsEnabledLinked() override;
  bool IsHintLinked() override;
  bool IsImageIndexLinked() override;
  bool IsVisibleLinked() override;
  void SetCaption(const String& Value) override;
  void SetEnabled(bool Value) override;
  void SetHint(const String& Value) override;
  void SetImageIndex(int Value) override;
  void SetVisible(bool Value) override;
  // With the application showing shortcuts in hints, an action with a
  // shortcut adds it: "Search (Ctrl+F)". Always true.
  virtual bool PrepareHint(String& HintStr);

private:
  TCustomAction* CustomAction() const { return dynamic_cast<TCustomAction*>(Action()); }
  TcxCustomEditButton* FClient;
};

class TcxEditButtons : public TcxCustomEditButtons {
  VCL_CLASS(TcxEditButtons, TcxCustomEditButtons)
public:
  explicit TcxEditButtons(TPersistent* AOwner) : TcxCustomEditButtons(AOwner, TcxEditButton::StaticClass()) {}
  TcxEditButton* Add() { return static_cast<TcxEditButton*>(TCollection::Add()); }
  TcxEditButton* Items(int AIndex) const { return static_cast<TcxEditButton*>(TCollection::Items(AIndex)); }
};

// ---------------------------------------------------------------- styles

enum class TcxEditBorderStyle { ebsNone, ebsSingle, ebsThick, ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11 };
using enum TcxEditBorderStyle;
enum class TcxEditButtonTransparency { ebtNone, ebtInactive, ebtAlways, ebtHideInactive, ebtHideUnselected };
using enum TcxEditButtonTransparency;
// dirLeft .. dirDown of TcxDirection.
using TcxEditGradientDirection = TcxDirection;

// The six values an edit style adds after the container's ten.
inline constexpr TcxContainerStyleValue svButtonStyle = static_cast<TcxContainerStyleValue>(10);
inline constexpr TcxContainerStyleValue svButtonTransparency = static_cast<TcxContainerStyleValue>(11);
inline constexpr TcxContainerStyleValue svPopupBorderStyle = static_cast<TcxContainerStyleValue>(12);
inline constexpr TcxContainerStyleValue svGradientButtons = static_cast<TcxContainerStyleValue>(13);
inline constexpr TcxContainerStyleValue svGradient = static_cast<TcxContainerStyleValue>(14);
inline constexpr TcxContainerStyleValue svGradientDirection = static_cast<TcxContainerStyleValue>(15);

class TcxEditStyleController;

// The look of an editor in one state. Its own values are read like the
// container's: assigned here, else from the controller's style of the same
// state along the controller chain, else the default (for a state style,
// the normal style's value). The values other than ButtonStyle are held by
// the normal style only; a state style passes their writes on to it.
class TcxCustomEditStyle : public TcxContainerStyle {
  VCL_CLASS(TcxCustomEditStyle, TcxContainerStyle)
public:
  TcxCustomEditStyle(TPersistent* AOwner, bool ADirectAccessMode, TcxContainerStyle* AParentStyle = nullptr,
                     TcxContainerStateItem AState = csNormal);
  void Assign(TPersistent* Source) override;

  static int GetStyleValueCount() { return 16; }
  // False (and an empty name) for a value the style does not know.
  static bool GetStyleValueName(TcxContainerStyleValue AValue, String& AName);
  bool IsValueAssigned(TcxContainerStyleValue AValue) const override;
  // The container's assigned values with the edit style's own.
  TcxContainerStyleValues AssignedValues() const;
  void SetAssignedValues(TcxContainerStyleValues Value);
  // Every value but BorderColor, BorderStyle, Color, TextColor, TextStyle
  // and ButtonStyle.
  static TcxContainerStyleValues BaseOnlyStyleValues();

  TcxCustomEditStyle* BaseStyle() { return static_cast<TcxCustomEditStyle*>(TcxContainerStyle::BaseStyle()); }
  const TcxCustomEditStyle* BaseStyle() const {
    return static_cast<const TcxCustomEditStyle*>(TcxContainerStyle::BaseStyle());
  }
  // The owning editor control; null for a controller's style.
  TcxContainer* Edit() const { return Container(); }
  // The explicit controller, else the default one (none for a style of an
  // inplace editor or a direct-access style).
  TcxStyleController* EditActiveStyleController() const;

  TcxEditBorderStyle BorderStyle() const { return static_cast<TcxEditBorderStyle>(TcxContainerStyle::BorderStyle()); }
  void SetBorderStyle(TcxEditBorderStyle Value) {
    TcxContainerStyle::SetBorderStyle(static_cast<TcxContainerBorderStyle>(Value));
  }
  TcxEditButtonStyle ButtonStyle() const;
  void SetButtonStyle(TcxEditButtonStyle Value);
  TcxEditButtonTransparency ButtonTransparency() const;
  void SetButtonTransparency(TcxEditButtonTransparency Value);
  bool Gradient() const;
  void SetGradient(bool Value);
  bool GradientButtons() const;
  void SetGradientButtons(bool Value);
  TcxEditGradientDirection GradientDirection() const;
  void SetGradientDirection(TcxEditGradientDirection Value);
  TcxEditPopupBorderStyle PopupBorderStyle() const;
  void SetPopupBorderStyle(TcxEditPopupBorderStyle Value);
  bool PopupCloseButton() const { return BaseStyle()->FPopupCloseButton; }
  void SetPopupCloseButton(bool Value);

  // Color, Font and TextColor from view parameters, with one notification.
  void Init(const TcxViewParams& AParams);

protected:
  TcxStyleController* GetDefaultStyleController() const override { return EditDefaultStyleController(); }
  TcxStyleController* EditDefaultStyleController() const;
  virtual TcxEditButtonStyle ButtonStyleDefault() const;
  virtual TcxEditButtonTransparency ButtonTransparencyDefault() const;
  virtual bool GradientDefault() const;
  virtual bool GradientButtonsDefault() const;
  virtual TcxEditGradientDirection GradientDirectionDefault() const;
  virtual TcxEditPopupBorderStyle PopupBorderStyleDefault() const;

private:
  // The value as assigned here or along the controller chain.
  template <class T>
  std::optional<T> Resolve(TcxContainerStyleValue AValue, T TcxCustomEditStyle::*AField) const;
  template <class T>
  void StoreEditValue(TcxContainerStyleValue AValue, T TcxCustomEditStyle::*AField, const T& ANewValue);

  TcxEditButtonStyle FButtonStyle = btsDefault;
  TcxEditButtonTransparency FButtonTransparency = ebtNone;
  bool FGradient = false;
  bool FGradientButtons = false;
  TcxEditGradientDirection FGradientDirection = TcxDirection::dirDown;
  TcxEditPopupBorderStyle FPopupBorderStyle = epbsDefault;
  bool FPopupCloseButton = true;
  TcxContainerStyleValues FEditAssignedValues;
};

class TcxEditStyle : public TcxCustomEditStyle {
  VCL_CLASS(TcxEditStyle, TcxCustomEditStyle)
public:
  using TcxCustomEditStyle::TcxCustomEditStyle;
};

// The styles several editors share, one per state.
class TcxEditStyleController : public TcxStyleController {
  VCL_COMPONENT_CLASS(TcxEditStyleController, TcxStyleController)
public:
  explicit TcxEditStyleController(TComponent* AOwner);

  TcxEditStyle* Style() const { return StyleOf(csNormal); }
  void SetStyle(TcxEditStyle* Value) { SetInternalStyle(csNormal, Value); }
  TcxEditStyle* StyleDisabled() const { return StyleOf(csDisabled); }
  void SetStyleDisabled(TcxEditStyle* Value) { SetInternalStyle(csDisabled, Value); }
  TcxEditStyle* StyleFocused() const { return StyleOf(csActive); }
  void SetStyleFocused(TcxEditStyle* Value) { SetInternalStyle(csActive, Value); }
  TcxEditStyle* StyleHot() const { return StyleOf(csHotTrack); }
  void SetStyleHot(TcxEditStyle* Value) { SetInternalStyle(csHotTrack, Value); }

protected:
  TcxContainerStyle* CreateStyle(TcxContainerStyle* AParentStyle, TcxContainerStateItem AState) override;

private:
  TcxEditStyle* StyleOf(TcxContainerStateItem AState) const {
    return static_cast<TcxEditStyle*>(GetInternalStyle(AState));
  }
};

// The controller every non-inplace editor takes unassigned values from;
// made at the editor unit's start-up.
TcxEditStyleController* cxDefaultEditStyleController();

// ---------------------------------------------------------------- layout records

enum class TcxEditButtonState { ebsDisabled, ebsNormal, ebsPressed, ebsSelected };
using enum TcxEditButtonState;
enum class TcxEditBackgroundPaintingStyle { bpsSolid, bpsComboEdit, bpsComboListEdit };
using enum TcxEditBackgroundPaintingStyle;
enum class TcxEditPaintOption {
  epoAllowZeroHeight, epoAutoHeight, epoHasExternalBorder, epoShowEndEllipsis, epoShowFocusRectWhenInplace
};
using enum TcxEditPaintOption;
using TcxEditPaintOptions = TSet<TcxEditPaintOption>;
enum class TcxEditContentOption { ecoShowFocusRectWhenInplace, ecoOffsetButtonContent };
using enum TcxEditContentOption;
using TcxEditContentOptions = TSet<TcxEditContentOption>;
enum class TcxEditViewInfoState { evsPaintButtons };
using enum TcxEditViewInfoState;
using TcxEditViewInfoStates = TSet<TcxEditViewInfoState>;
enum class TcxEditErrorType { eetNone, eetError, eetWarning, eetInfo, eetCustom };
using enum TcxEditErrorType;

// Where an editor's content sits inside its client area.
struct TcxEditContentParams {
  TRect ExternalBorderBounds;  // the frame a host draws around an inplace editor
  TRect Offsets;               // gaps between the client area and the text
  TcxEditContentOptions Options;
  TSize SizeCorrection;
};

struct TcxInplaceEditPosition {
  TObject* Item = nullptr;
  intptr_t RecordIndex = 0;
};

struct TcxInplaceEditParams {
  bool MultiRowParent = false;
  TcxInplaceEditPosition Position;
};

// What a validation found, for the error icon and its hint.
class TcxEditValidateInfo : public TObject {
  VCL_CLASS(TcxEditValidateInfo, TObject)
public:
  TcxEditValidateInfo();
  ~TcxEditValidateInfo() override;
  // An error, a warning or an information takes its built-in glyph; none
  // and a custom type keep the icon.
  void SetErrorType(TcxEditErrorType AValue);
  // No error, no text, no icon.
  void Reset();
  bool HasError() const { return ErrorType != eetNone; }
  // An error to show with an icon.
  bool HasErrorIcon() const;

  TcxEditErrorType ErrorType = eetNone;
  String ErrorText;
  std::unique_ptr<TdxSmartImage> ErrorIcon;
};

// What an editor's host (the control, or a grid painting cells) gives the
// fading of its buttons.
class IcxEditOwner {
public:
  // A view data for the owner's editor; ACreated tells that the caller
  // frees it.
  virtual TcxCustomEditViewData* GetViewData(bool& ACreated) = 0;
  virtual void Invalidate(const TRect& R, bool AEraseBackground) = 0;

protected:
  ~IcxEditOwner() = default;
};

// The state of one button as laid out.
struct TcxEditButtonViewInfoData {
  TObject* ActionLink = nullptr;
  TColor BackgroundColor = clDefault;
  String Caption;
  TAlignment ContentAlignment = taCenter;
  bool Default = false;
  bool Gradient = false;
  String Hint;
  bool IsInplace = false;
  TcxEditButtonKind Kind = bkDown;
  bool LeftAlignment = false;
  bool Leftmost = false;
  bool NativeStyle = false;
  bool Rightmost = false;
  TcxEditButtonState State = ebsNormal;
  TcxEditButtonStyle Style = btsDefault;
  TColor TextColor = clBtnText;
  bool Transparent = false;
  String VisibleCaption;
  bool BackgroundPartiallyTransparent = false;
  bool ComboBoxStyle = false;
  int NativePart = 0;
  int NativeState = 0;
  bool UseSkins = false;
};

// One visible button of a laid-out editor.
class TcxEditButtonViewInfo : public TPersistent {
  VCL_CLASS(TcxEditButtonViewInfo, TPersistent)
public:
  TcxEditButtonViewInfo();
  ~TcxEditButtonViewInfo() override;
  // NativeState, BackgroundColor, Bounds, Style and State.
  void Assign(TPersistent* Source) override;
  // Empty when nothing that shows differs from APrevious, else Bounds; the
  // caller frees it.
  TcxRegion* GetUpdateRegion(TcxEditButtonViewInfo* APrevious);
  // Invalidates Bounds moved by AEditPosition when it changed.
  bool Repaint(TWinControl* AControl, TcxEditButtonViewInfo* APrevious, const TPoint& AEditPosition);
  bool Enabled() const { return Data.State != ebsDisabled; }
  // Made on first use through FadingHelperClass.
  TcxEditButtonFadingHelper* FadingHelper();

  TRect Bounds;
  int ButtonIndex = -1;
  int ButtonVisibleIndex = -1;
  TcxEditButtonViewInfoData Data;
  TcxCustomEditViewInfo* EditViewInfo = nullptr;
  TBitmap* Glyph = nullptr;
  bool HasBackground = false;
  int ImageIndex = -1;
  TCustomImageList* Images = nullptr;
  bool Stretchable = true;
  TRect VisibleBounds;
  int Width = 0;

protected:
  virtual TcxEditButtonFadingHelper* CreateFadingHelper();

private:
  bool DiffersFrom(TcxEditButtonViewInfo* APrevious) const;
  std::unique_ptr<TcxEditButtonFadingHelper> FFadingHelper;
};

// ---------------------------------------------------------------- fading

// An editor element's side of fading: it fades only where its view info
// allows it and an owner can repaint it.
class TcxCustomEditFadingHelper : public TdxFadingObjectHelper {
  VCL_CLASS(TcxCustomEditFadingHelper, TdxFadingObjectHelper)
public:
  virtual TcxCustomEditViewInfo* EditViewInfo() = 0;
  virtual void Invalidate() = 0;
  bool IsFadingAllowed() override;

protected:
  // The view info's bound edit, else its owner when that is an editor's
  // owner; null otherwise (then nothing fades).
  IcxEditOwner* EditOwner();
};

// Fades one edit button between its normal and its hot look.
class TcxEditButtonFadingHelper : public TcxCustomEditFadingHelper {
  VCL_CLASS(TcxEditButtonFadingHelper, TcxCustomEditFadingHelper)
public:
  explicit TcxEditButtonFadingHelper(TcxEditButtonViewInfo* AViewInfo) : FViewInfo(AViewInfo) {}

  TcxCustomEditViewInfo* EditViewInfo() override;
  void Invalidate() override;
  void RepaintFadeFrame() override { Invalidate(); }
  // The normal and the hot look of the button's frame and background.
  void PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) override;
  // The current frame into the button's rectangle; false when none runs.
  virtual bool DrawButton(TcxCanvas* ACanvas);
  TRect ButtonRect() const;
  // Starts or stops a fade when the button's state changed since the last
  // layout.
  virtual void UpdateState();

protected:
  virtual TcxBitmap32* RenderFadingImage(TcxEditButtonState AState);

private:
  TcxEditButtonState FState = ebsNormal;
  TcxEditButtonViewInfo* FViewInfo;
};

// ---------------------------------------------------------------- default values

// Where an editor takes the defaults of its settings from (a data field, a
// data storage); the base answers as if there were no data at all.
class IcxEditDefaultValuesProvider {
public:
  virtual bool CanSetEditMode() = 0;
  virtual void ClearUsers() = 0;
  virtual TAlignment DefaultAlignment() = 0;
  virtual TcxBlobKind DefaultBlobKind() = 0;
  virtual bool DefaultCanModify() = 0;
  virtual String DefaultDisplayFormat() = 0;
  virtual String DefaultEditFormat() = 0;
  virtual String DefaultEditMask() = 0;
  virtual bool DefaultIsFloatValue() = 0;
  virtual int DefaultMaxLength() = 0;
  virtual double DefaultMaxValue() = 0;
  virtual double DefaultMinValue() = 0;
  virtual int DefaultPrecision() = 0;
  virtual bool DefaultReadOnly() = 0;
  virtual bool DefaultRequired() = 0;
  virtual TObject* GetInstance() = 0;
  virtual bool IsDataStorage() = 0;
  virtual bool IsBlob() = 0;
  virtual bool IsCurrency() = 0;
  virtual bool IsDataAvailable() = 0;
  virtual bool IsDisplayFormatDefined(bool AIsCurrencyValueAccepted) = 0;
  virtual bool IsOnGetTextAssigned() = 0;
  virtual bool IsOnSetTextAssigned() = 0;
  virtual bool IsValidChar(Char AChar) = 0;

protected:
  ~IcxEditDefaultValuesProvider() = default;
};

class TcxCustomEditDefaultValuesProvider : public TcxInterfacedPersistent, public IcxEditDefaultValuesProvider {
  VCL_CLASS(TcxCustomEditDefaultValuesProvider, TcxInterfacedPersistent)
public:
  explicit TcxCustomEditDefaultValuesProvider(TPersistent* AOwner) : TcxInterfacedPersistent(AOwner) {}
  // The properties that use it forget it.
  ~TcxCustomEditDefaultValuesProvider() override { ClearUsers(); }

  bool CanSetEditMode() override { return true; }
  void ClearUsers() override;
  TAlignment DefaultAlignment() override { return taLeftJustify; }
  TcxBlobKind DefaultBlobKind() override { return bkMemo; }
  bool DefaultCanModify() override { return true; }
  String DefaultDisplayFormat() override { return String(); }
  String DefaultEditFormat() override { return String(); }
  String DefaultEditMask() override { return String(); }
  bool DefaultIsFloatValue() override { return false; }
  int DefaultMaxLength() override { return 0; }
  double DefaultMaxValue() override { return 0; }
  double DefaultMinValue() override { return 0; }
  int DefaultPrecision() override { return 15; }
  bool DefaultReadOnly() override { return false; }
  bool DefaultRequired() override { return false; }
  TObject* GetInstance() override { return this; }
  bool IsDataStorage() override { return false; }
  bool IsBlob() override { return false; }
  bool IsCurrency() override { return false; }
  bool IsDataAvailable() override { return true; }
  bool IsDisplayFormatDefined(bool) override { return false; }
  bool IsOnGetTextAssigned() override { return false; }
  bool IsOnSetTextAssigned() override { return false; }
  bool IsValidChar(Char) override { return true; }
};

// ---------------------------------------------------------------- alignment

class TcxEditAlignment : public TPersistent {
  VCL_CLASS(TcxEditAlignment, TPersistent)
public:
  explicit TcxEditAlignment(TPersistent* AOwner, TcxEditVertAlignment ADefaultVertAlignment = taTopJustify)
      : FDefaultVertAlignment(ADefaultVertAlignment), FOwner(AOwner), FVert(ADefaultVertAlignment) {}
  void Assign(TPersistent* Source) override;

  TAlignment Horz() const { return FHorz; }
  // Marks Horz assigned.
  void SetHorz(TAlignment Value);
  TcxEditVertAlignment Vert() const { return FVert; }
  void SetVert(TcxEditVertAlignment Value);
  bool IsHorzAssigned() const { return FIsHorzAssigned; }
  // Forgets the assigned Horz.
  void Reset();
  bool IsStored() const { return FIsHorzAssigned || FVert != FDefaultVertAlignment; }

  TNotifyEvent OnChanged;

protected:
  TPersistent* GetOwner() const override { return FOwner; }

private:
  void Changed() { dxFireNotifyEvent(OnChanged, this); }

  TcxEditVertAlignment FDefaultVertAlignment;
  TAlignment FHorz = taLeftJustify;
  bool FIsHorzAssigned = false;
  TPersistent* FOwner;
  TcxEditVertAlignment FVert;
};

// ---------------------------------------------------------------- properties

// Which of MaxValue, MinValue and ReadOnly the properties hold explicitly.
class TcxCustomEditPropertiesValues : public TPersistent {
  VCL_CLASS(TcxCustomEditPropertiesValues, TPersistent)
public:
  explicit TcxCustomEditPropertiesValues(TcxCustomEditProperties* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;
  virtual void RestoreDefaults();

  bool MaxValue() const { return FMaxValue; }
  void SetMaxValue(bool Value) { SetFlag(FMaxValue, Value); }
  bool MinValue() const { return FMinValue; }
  void SetMinValue(bool Value) { SetFlag(FMinValue, Value); }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { SetFlag(FReadOnly, Value); }

protected:
  TPersistent* GetOwner() const override;
  void BeginUpdate();
  void EndUpdate();

private:
  void SetFlag(bool& AFlag, bool AValue);

  TcxCustomEditProperties* FOwner;
  bool FMaxValue = false;
  bool FMinValue = false;
  bool FReadOnly = false;
};

using TcxEditButtonsClass = TcxClassFactory<TcxEditButtons, TPersistent*>;
using TcxEditStyleClass = TcxClassFactory<TcxCustomEditStyle, TPersistent*, bool>;
using TcxEditViewInfoClass = TcxClassFactory<TcxCustomEditViewInfo>;
using TcxEditViewDataClass = TcxClassFactory<TcxCustomEditViewData, TcxCustomEditProperties*, TcxCustomEditStyle*, bool>;
using TcxEditPropertiesValuesClass = TcxClassFactory<TcxCustomEditPropertiesValues, TcxCustomEditProperties*>;

// The properties classes declare themselves with this, so that a copy of
// the same class can be made (Clone).
#define CX_EDIT_PROPERTIES_CLASS(Self, Parent)                                                      \
  VCL_CLASS_INFO_(Self, Parent, nullptr)                                                            \
  TcxCustomEditProperties* NewInstance(TPersistent* AOwner) const override { return new Self(AOwner); } \
                                                                                                    \
private:

class TcxCustomEdit;
// Makes an editor control: (owner, inplace).
using TcxCustomEditClass = TcxClassFactory<TcxCustomEdit, TComponent*, bool>;

// The settings of one editor kind.
class TcxCustomEditProperties : public TcxInterfacedPersistent {
  VCL_CLASS(TcxCustomEditProperties, TcxInterfacedPersistent)
public:
  explicit TcxCustomEditProperties(TPersistent* AOwner);
  ~TcxCustomEditProperties() override;
  TcxCustomEditProperties(const TcxCustomEditProperties&) = delete;
  TcxCustomEditProperties& operator=(const TcxCustomEditProperties&) = delete;

  // From other properties: every setting in one update bracket.
  void Assign(TPersistent* Source) override;
  // An instance of the same class (no settings copied).
  virtual TcxCustomEditProperties* NewInstance(TPersistent* AOwner) const {
    return new TcxCustomEditProperties(AOwner);
  }
  TcxCustomEditProperties* Clone(TPersistent* AOwner) const;
  TcxCustomEditProperties* CreatePreviewProperties() const { return NewInstance(nullptr); }

  // ---------------------------------------------------------------- notification
  void BeginUpdate();
  void EndUpdate(bool AInvokeChanged = true);
  // Reports a change, held back while updating or locked.
  void Changed();
  bool ChangedLocked() const { return FLockCount > 0 || FUpdateCount > 0; }
  // Locks nest; a change reported while locked is reported once when the
  // last lock goes (and no update bracket is open).
  void LockUpdate(bool ALock);
  bool IsChanging() const { return FIsChangingCount > 0; }
  virtual void RestoreDefaults();

  // ---------------------------------------------------------------- companion classes
  virtual TcxEditButtonsClass GetButtonsClass() const { return TcxEditButtonsClass::Of<TcxEditButtons>(); }
  virtual TcxEditStyleClass GetStyleClass() const { return TcxEditStyleClass::Of<TcxEditStyle>(); }
  virtual TcxEditViewInfoClass GetViewInfoClass() const;
  virtual TcxEditViewDataClass ViewDataClass() const;
  // The control that edits with these properties.
  virtual TcxCustomEditClass GetContainerClass() const;
  virtual TcxEditPropertiesValuesClass AssignedValuesClass() const {
    return TcxEditPropertiesValuesClass::Of<TcxCustomEditPropertiesValues>();
  }

  // ---------------------------------------------------------------- queries
  virtual bool CanCompareEditValue() { return false; }
  virtual bool SupportsValidation() { return false; }
  virtual bool UsesDisplayValue() { return false; }
  virtual bool InnerEditWantsTabs() { return false; }
  virtual bool ConversionDependsOnFocus() { return true; }
  virtual TcxEditDisplayFormatOptions DisplayFormatOptions() { return {}; }
  virtual TcxEditSpecialFeatures GetSpecialFeatures() { return {}; }
  // Hot tracking once the editor has a button.
  virtual TcxEditSupportedOperations GetSupportedOperations();
  virtual bool IsActivationKey(Char AKey) { return false; }
  virtual bool IsEditValueValid(Variant& EditValue, bool AEditFocused) { return true; }
  virtual bool IsResetEditClass() { return false; }
  virtual bool IsValueFormattedByProperties() { return false; }
  bool IsValueFormattedByProvider();
  virtual bool GetEditValueSource(bool AEditFocused) { return false; }
  virtual bool ValueEditorEditValueSource(bool AEditFocused);
  virtual bool AllowRepositorySharing() { return true; }
  virtual String GetDisplayText(const Variant& AEditValue, bool AFullText = false, bool AIsInplace = true) {
    return String();
  }
  virtual void PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditFocused) {
    DisplayValue = AEditValue;
  }
  virtual bool CompareDisplayValues(const Variant& AEditValue1, const Variant& AEditValue2);
  virtual String DefaultValidateErrorText(int AErrorKind);
  // Descendants check first and call this last: with validation supported,
  // an empty error text becomes the default one and the OnValidate handlers
  // run.
  virtual void ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError, TcxCustomEdit* AEdit);
  // OnValidate of the edit's own properties, then of its repository item's;
  // an error reported without a changed text takes the edit's current text
  // as the display value. AIsUserErrorDisplayValue: a handler changed it.
  void RunValidateHandler(Variant& ADisplayValue, String& AErrorText, bool& AIsUserErrorDisplayValue,
                          TcxCustomEdit* AEdit, bool& AError);
  virtual void DataChanged() {}
  virtual void Update(TcxCustomEditProperties* AProperties) {}
  virtual void RefreshNonShareable() {}
  // A new view data of ViewDataClass; the caller frees it.
  TcxCustomEditViewData* CreateViewData(TcxCustomEditStyle* AStyle, bool AIsInplace, bool APreviewMode = false);
  // Sizes measured through a temporary view data.
  TSize GetEditConstantPartSize(TcxCanvas* ACanvas, TcxCustomEditStyle* AEditStyle,
                                const TcxEditSizeProperties& AEditSizeProperties, TSize& MinContentSize,
                                bool AIsInplace = true);
  TSize GetEditContentSize(TcxCanvas* ACanvas, TcxCustomEditStyle* AEditStyle, const Variant& AEditValue,
                           const TcxEditSizeProperties& AEditSizeProperties, bool AIsInplace = true);
  TSize GetEditSize(TcxCanvas* ACanvas, TcxCustomEditStyle* AEditStyle, bool AIsInplace, const Variant& AEditValue,
                    const TcxEditSizeProperties& AEditSizeProperties);

  // Not read-only and, with a provider, one that lets the value be edited.
  bool IsModifiable();
  bool IsDesigning() const;

  // ---------------------------------------------------------------- settings
  TcxEditAlignment* Alignment();
  void SetAlignment(TcxEditAlignment* Value) { Alignment()->Assign(Value); }
  TcxCustomEditPropertiesValues* AssignedValues();
  void SetAssignedValues(TcxCustomEditPropertiesValues* Value) { AssignedValues()->Assign(Value); }
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { SetChangingValue(FAutoSelect, Value); }
  bool BeepOnError() const { return FBeepOnError; }
  void SetBeepOnError(bool Value) { FBeepOnError = Value; }
  TcxEditButtons* Buttons();
  void SetButtons(TcxEditButtons* Value) { Buttons()->Assign(Value); }
  TcxEditButtonsViewStyle ButtonsViewStyle() const { return FButtonsViewStyle; }
  void SetButtonsViewStyle(TcxEditButtonsViewStyle Value) { SetChangingValue(FButtonsViewStyle, Value); }
  TShortCut ClearKey() const { return FClearKey; }
  void SetClearKey(TShortCut Value) { FClearKey = Value; }
  TShortCut ClickKey() const { return FClickKey; }
  void SetClickKey(TShortCut Value) { FClickKey = Value; }
  TdxSmartImage* ErrorIcon() const { return FErrorIcon.get(); }
  void SetErrorIcon(TdxSmartImage* Value);
  IcxEditDefaultValuesProvider* IDefaultValuesProvider() const { return FIDefaultValuesProvider; }
  void SetIDefaultValuesProvider(IcxEditDefaultValuesProvider* Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  bool ImmediatePost() const { return FImmediatePost; }
  void SetImmediatePost(bool Value) { FImmediatePost = Value; }
  double MaxValue();
  void SetMaxValue(double Value);
  double MinValue();
  void SetMinValue(double Value);
  // Both bounds with one notification.
  void AssignMinMaxValues(double AMaxValue, double AMinValue);
  // The assigned value or a read-only provider: a read-only source stays
  // read-only whatever is assigned here.
  bool ReadOnly();
  void SetReadOnly(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value) { SetChangingValue(FTransparent, Value); }
  bool UseLeftAlignmentOnEditing();
  void SetUseLeftAlignmentOnEditing(bool Value);
  bool UseMouseWheel() const { return FUseMouseWheel; }
  void SetUseMouseWheel(bool Value) { FUseMouseWheel = Value; }
  bool ValidateOnEnter() const { return FValidateOnEnter; }
  void SetValidateOnEnter(bool Value) { FValidateOnEnter = Value; }
  TAlignment ValidationErrorIconAlignment() const { return FValidationErrorIconAlignment; }
  void SetValidationErrorIconAlignment(TAlignment Value) { SetChangingValue(FValidationErrorIconAlignment, Value); }
  TcxEditValidationOptions ValidationOptions() const { return FValidationOptions; }
  void SetValidationOptions(TcxEditValidationOptions Value);
  TcxEditValidationOptions InternalValidationOptions() const { return FInternalValidationOptions; }
  // The options in force for the validation that runs; a handler may
  // change them.
  void SetInternalValidationOptions(TcxEditValidationOptions Value) { FInternalValidationOptions = Value; }

  TcxEditButtonClickEvent OnButtonClick;
  TNotifyEvent OnChange;
  TcxEditClosePopupEvent OnClosePopup;
  TNotifyEvent OnEditValueChanged;
  TcxEditValidateEvent OnValidate;
  // The owner's listener (the edit or the repository item).
  TNotifyEvent OnPropertiesChanged;

  // Every button's action brings itself up to date.
  virtual void UpdateButtonActions() { Buttons()->RefreshActionLinks(); }

protected:
  virtual void AlignmentChanged(TObject* Sender);
  virtual void HandleButtonsChange(TObject* Sender) { Changed(); }
  virtual bool LeftAlignmentOnEditingDefault() { return true; }
  virtual void ForgetDefaultValuesProvider() { FIDefaultValuesProvider = nullptr; }
  virtual void AssignSettings(TcxCustomEditProperties* Source);
  virtual void NotifyPropertiesChanged();
  virtual void HandleFreeNotification(TComponent* Sender);
  virtual TAlignment GetDefaultHorzAlignment();
  virtual TcxEditVertAlignment GetDefaultVertAlignment() { return taTopJustify; }
  virtual double EffectiveMaxValue() { return MaxValue(); }
  virtual double EffectiveMinValue() { return MinValue(); }

private:
  friend class TcxCustomEditDefaultValuesProvider;
  template <class T>
  void SetChangingValue(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  TcxEditAlignment* InnerAlignment();
  void HandleImageListChange(TObject* Sender);

  bool FAutoSelect = true;
  bool FBeepOnError = false;
  std::unique_ptr<TcxEditButtons> FButtons;
  TcxEditButtonsViewStyle FButtonsViewStyle = bvsNormal;
  bool FChangedOccurred = false;
  TShortCut FClearKey = 0;
  TShortCut FClickKey = 0x400D;  // Ctrl+Enter
  std::unique_ptr<TcxFreeNotificator> FFreeNotificator;
  std::unique_ptr<TChangeLink> FImageChangeLink;
  TCustomImageList* FImages = nullptr;
  bool FImmediatePost = false;
  std::unique_ptr<TcxEditAlignment> FInnerAlignment;
  int FIsChangingCount = 0;
  int FLockCount = 0;
  double FMaxValue = 0;
  double FMinValue = 0;
  bool FReadOnly = false;
  bool FTransparent = false;
  int FUpdateCount = 0;
  // Unset: LeftAlignmentOnEditingDefault.
  std::optional<bool> FUseLeftAlignmentOnEditing;
  bool FUseMouseWheel = true;
  std::unique_ptr<TdxSmartImage> FErrorIcon;
  bool FValidateOnEnter = false;
  TAlignment FValidationErrorIconAlignment = taLeftJustify;
  TcxEditValidationOptions FValidationOptions{evoRaiseException};
  TcxEditValidationOptions FInternalValidationOptions{evoRaiseException};
  std::unique_ptr<TcxEditAlignment> FAlignment;
  std::unique_ptr<TcxCustomEditPropertiesValues> FAssignedValues;
  IcxEditDefaultValuesProvider* FIDefaultValuesProvider = nullptr;
};

// ---------------------------------------------------------------- view info

using TcxEditGetButtonStateEvent = std::function<void(TcxEditButtonViewInfo* Sender, TcxEditButtonState& AState)>;
// Custom drawing: a handler asked with a null canvas only answers whether
// it would draw (AHandled).
using TcxEditDrawBackgroundEvent = std::function<void(TcxCustomEditViewInfo* Sender, TcxCanvas* ACanvas, bool& AHandled)>;
using TcxEditDrawButtonEvent = std::function<void(TcxEditButtonViewInfo* Sender, TcxCanvas* ACanvas, bool& AHandled)>;
using TcxEditDrawButtonBackgroundEvent =
    std::function<void(TcxEditButtonViewInfo* Sender, TcxCanvas* ACanvas, const TRect& ARect, bool& AHandled)>;
using TcxEditDrawButtonBorderEvent = std::function<void(TcxEditButtonViewInfo* Sender, TcxCanvas* ACanvas,
                                                        TRect& ABackgroundRect, TRect& AContentRect, bool& AHandled)>;
using TcxEditGetButtonContentColorEvent = std::function<void(TcxEditButtonViewInfo* Sender, TColor& AColor)>;
using TcxEditPaintEvent = std::function<void(TcxCustomEditViewInfo* Sender, TcxCanvas* ACanvas)>;
using TcxEditCanStartButtonFadingEvent = std::function<void(TcxCustomEditViewInfo* Sender, bool& ACanStart)>;
using TcxEditPrepareButtonFadingImageEvent = std::function<void(
    TcxEditButtonViewInfo* ASender, TcxEditButtonState AState, TcxBitmap32*& AImage, bool& AHandled)>;

// What lies at a point of an editor (PartAtPoint): a button's visible
// index, or one of these.
enum : int { ecpNone = -3, ecpErrorIcon = -2, ecpEdit = -1 };

// An editor's calculated layout (and, through its descendants' content,
// its painting).
class TcxCustomEditViewInfo : public TcxContainerViewInfo {
  VCL_CREATABLE_CLASS(TcxCustomEditViewInfo, TcxContainerViewInfo)
public:
  TcxCustomEditViewInfo();
  ~TcxCustomEditViewInfo() override;

  TcxContainerBorderStyle GetContainerBorderStyle() const override {
    return static_cast<TcxContainerBorderStyle>(BorderStyle);
  }
  // Frees surplus button view infos from the last one down; new ones are
  // made by ButtonViewInfoClass.
  void SetButtonCount(int ACount);
  int ButtonCount() const { return static_cast<int>(ButtonsInfo.size()); }
  TcxEditButtonViewInfo* Button(int AIndex) const { return ButtonsInfo.at(AIndex).get(); }
  const TRect& EditorBounds() const { return FEditorBounds; }
  const TRect& ErrorBounds() const { return FErrorBounds; }
  TcxEditValidateInfo* ErrorData() const { return FErrorData.get(); }
  bool NeedShowErrorIcon() const { return FNeedShowErrorIcon; }

  void Assign(TObject* Source) override;
  // The container's region, with what changed since AViewInfo.
  TcxRegion* GetUpdateRegion(TcxContainerViewInfo* AViewInfo) override;
  void Offset(int DX, int DY) override;
  // OnPaint, then the editor.
  void Paint(TcxCanvas* ACanvas) override;
  // Paints a view info laid out at (0, 0) at (Left, Top).
  void PaintEx(TcxCanvas* ACanvas);
  // The old (Left, Top).
  TPoint SetOrigin(const TPoint& APoint);

  // ---------------------------------------------------------------- parts, hints and repainting
  // ecpNone outside the border, ecpEdit inside it, ecpErrorIcon on the
  // icon of an error, or the index of the button at P.
  virtual int PartAtPoint(const TPoint& P);
  virtual TRect PartBounds(int APart);
  String PartHintText(int APart);
  // For a button or the error icon at P (relative to Left, Top): its hint
  // up to the first "|".
  virtual bool NeedShowHint(TcxCanvas* ACanvas, const TPoint& P, const TRect& AVisibleBounds, String& AText,
                            bool& AIsMultiLine, TRect& ATextRect, int AMaxLineCount = 0);
  // Invalidates in AControl what differs from AViewInfo; true when
  // something was.
  bool Repaint(TWinControl* AControl, TcxContainerViewInfo* AViewInfo);
  virtual bool Repaint(TWinControl* AControl, const TRect& AInnerEditRect, TcxContainerViewInfo* AViewInfo);
  void SaveButtonStates();
  bool ButtonStatesChanged() const;
  virtual bool IsHotTrack();
  virtual bool IsHotTrack(const TPoint& P);
  virtual bool IsFadingAvailable() { return NativeStyle || (UseSkins && Painter); }
  bool IsBackgroundTransparent() { return EditBackgroundMode() != 1 && EditBackgroundMode() != 3; }
  virtual bool IsBackgroundPartiallyTransparent();

  // ---------------------------------------------------------------- custom drawing
  bool DrawBackground(TcxCanvas* ACanvas);
  bool DrawBackground(TcxCanvas* ACanvas, const TPoint& APos);
  bool IsCustomBackground() { return DrawBackground(nullptr); }
  bool IsCustomButton(int AIndex);
  bool IsCustomButtonBackground(int AIndex);
  bool IsCustomButtonBorder(int AIndex);
  bool IsCustomDrawButton(int AIndex);
  // The area behind a descendant's content, in the way the background is
  // painted (ARect less AContentRect unless AContentDrawn).
  void DrawEditBackground(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AContentRect, bool AContentDrawn);
  virtual void DrawButton(TcxCanvas* ACanvas, int AButtonVisibleIndex);
  void DrawButtons(TcxCanvas* ACanvas);

  TcxEditCanStartButtonFadingEvent OnCanStartButtonFading;
  TcxEditDrawBackgroundEvent OnDrawBackground;
  TcxEditDrawButtonEvent OnDrawButton;
  TcxEditDrawButtonBackgroundEvent OnDrawButtonBackground;
  TcxEditDrawButtonBorderEvent OnDrawButtonBorder;
  TcxEditGetButtonContentColorEvent OnGetButtonContentColor;
  TcxEditGetButtonStateEvent OnGetButtonState;
  TcxEditPaintEvent OnPaint;
  TcxEditPrepareButtonFadingImageEvent OnPrepareButtonFadingImage;

  TcxEditViewInfoStates FState;
  // The control that owns this view info; null for a host's cells.
  TcxCustomEdit* Edit = nullptr;
  TRect BorderExtent;
  TcxEditBorderStyle BorderStyle = ebsNone;
  std::vector<std::unique_ptr<TcxEditButtonViewInfo>> ButtonsInfo;
  int Data = 0;
  TcxCustomEditProperties* EditProperties = nullptr;
  bool Enabled = true;
  bool Focused = false;
  TFont* Font = nullptr;
  bool HasBackground = false;
  bool HasContentOffsets = false;
  bool HasInnerEdit = false;
  bool HasTextButtons = false;
  int HitTestInfo = 0;
  TRect InnerEditRect;
  bool IsButtonReallyPressed = false;
  bool IsContainerInnerControl = false;
  bool IsDBEditPaintCopyDrawing = false;
  bool IsDesigning = false;
  bool IsInplace = false;
  bool IsSelected = false;
  int LastPressedButton = -1;
  int LastSelectedButton = -1;
  int Left = 0;
  TcxEditPaintOptions PaintOptions;
  TcxEditPopupBorderStyle PopupBorderStyle = epbsDefault;
  int PressedButton = -1;
  int SelectedButton = -1;
  TRect ShadowRect;
  TColor TextColor = clDefault;
  int Top = 0;
  bool Transparent = false;
  HWND WindowHandle = nullptr;

protected:
  friend class TcxCustomEditViewData;
  friend class TcxEditButtonFadingHelper;
  virtual TcxClassFactory<TcxEditButtonViewInfo> ButtonViewInfoClass() const {
    return TcxClassFactory<TcxEditButtonViewInfo>::Of<TcxEditButtonViewInfo>();
  }
  // Background and text colours an owner supplies (a skinned editor);
  // clDefault for none.
  virtual void GetEditColors(TColor& ABackgroundColor, TColor& ATextColor);
  // Empty in the base; text editors take their font.
  virtual void PrepareCanvasFont(TcxCanvas* ACanvas) {}
  virtual TcxEditBackgroundPaintingStyle BackgroundPaintingKind() { return bpsSolid; }
  virtual bool StateChangeNeedsRepaint() { return true; }
  virtual void PaintOneButton(TcxCanvas* ACanvas, int AButtonVisibleIndex);
  // The frames of the button styles: each draws into ARect, shrinking it,
  // and answers the brush and pen colours and the content rectangle.
  virtual void Paint3DButtonFrame(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo, TColor& ABrushColor,
                                  TColor& APenColor, TRect& AContentRect, TRect& ARect);
  virtual void PaintFlatButtonFrame(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo, TColor& ABrushColor,
                                    TColor& APenColor, TRect& AContentRect, TRect& ARect);
  virtual void PaintHotFlatButtonFrame(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                       TColor& ABrushColor, TColor& APenColor, TRect& AContentRect, TRect& ARect);
  virtual void PaintThemedButtonFrame(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                      TColor& ABrushColor, TColor& APenColor, TRect& AContentRect, TRect& ARect);
  virtual void PaintSimpleButtonFrame(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                      TColor& ABrushColor, TColor& APenColor, TRect& AContentRect, TRect& ARect);
  virtual void PaintUltraFlatButtonFrame(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                         TColor& ABrushColor, TColor& APenColor, TRect& AContentRect, TRect& ARect,
                                         bool AIsOffice11);
  virtual void PaintThemedButtonBackground(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                           const TRect& ARect);
  virtual void PaintPlainButtonBackground(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                          TColor ABrushColor, const TRect& ARect);
  virtual void DrawNativeStyleEditBackground(TcxCanvas* ACanvas, bool ADrawBackground, HBRUSH ABackgroundBrush);
  virtual void DrawButtonBorder(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo, TColor& ABrushColor,
                                TColor& APenColor, TRect& AContentRect, TRect& ARect);
  virtual void DrawButtonBackground(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo, TColor ABrushColor,
                                    const TRect& AContentRect, const TRect& ARect);
  virtual void DrawButtonContent(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo, bool ANeedOffsetContent,
                                 TColor ABrushColor, TColor APenColor, const TRect& AContentRect);
  void InternalPaint(TcxCanvas* ACanvas) override { DrawCustomEdit(ACanvas, true, true); }
  // 0 custom-drawn, 1 the whole editor drawn, 2 nothing, 3 a solid fill,
  // 4 the parent's image, 5 the parent's background.
  int EditBackgroundMode();
  void DrawCustomEdit(TcxCanvas* ACanvas, bool ACanDrawBackground, bool ACanDrawValidationMark);
  void DrawCustomEditValidationMark(TcxCanvas* ACanvas);
  void DrawUsualBackground(TcxCanvas* ACanvas, bool ACanDrawBackground, HBRUSH ABackgroundBrush);
  // The theme part (and theme) the native background is drawn with.
  int NativeBackgroundPart(HTHEME& ATheme);

  TRect FEditorBounds;
  TRect FErrorBounds;
  std::unique_ptr<TcxEditValidateInfo> FErrorData;
  bool FNeedShowErrorIcon = false;

private:
  void FillButtonsRegion(TcxCanvas* ACanvas, HBRUSH ABrush);
  TRect HintTextRect(const TPoint& P, const String& AText);
};

// ---------------------------------------------------------------- view data

using TcxEditGetDefaultButtonWidthEvent =
    std::function<void(TcxCustomEditViewData* Sender, int AIndex, int& ADefaultWidth)>;
using TcxEditViewDataGetDisplayTextEvent = std::function<void(TcxCustomEditViewData* Sender, String& AText)>;

// Lays an editor out into a view info for a rectangle, a mouse position and
// state; made for one calculation or one measurement.
class TcxCustomEditViewData : public TPersistent {
  VCL_CLASS(TcxCustomEditViewData, TPersistent)
public:
  TcxCustomEditViewData(TcxCustomEditProperties* AProperties, TcxCustomEditStyle* AStyle, bool AIsInplace);

  // P in client coordinates; Button is what caused the call (cxmbNone for
  // moves and calls not from the mouse).
  virtual void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button,
                         TShiftState Shift, TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent);
  // Lays out at (0, 0) and keeps ABounds' corner as the view info's origin.
  void CalculateEx(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button,
                   TShiftState Shift, TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent);
  TSize GetEditSize(TcxCanvas* ACanvas, const Variant& AEditValue, const TcxEditSizeProperties& AEditSizeProperties,
                    TcxCustomEditViewInfo* AViewInfo = nullptr);
  TSize GetEditingSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                       const TcxEditSizeProperties& AEditSizeProperties, TcxCustomEditViewInfo* AViewInfo = nullptr);
  virtual TSize GetEditConstantPartSize(TcxCanvas* ACanvas, const TcxEditSizeProperties& AEditSizeProperties,
                                        TSize& AMinContentSize, TcxCustomEditViewInfo* AViewInfo = nullptr);
  virtual TSize GetEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                   const TcxEditSizeProperties& AEditSizeProperties,
                                   TcxEditValidateInfo* AErrorData = nullptr);
  virtual TSize GetEditingContentSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                      const TcxEditSizeProperties& AEditSizeProperties) {
    return GetEditContentSize(ACanvas, AEditValue, AEditSizeProperties);
  }
  virtual TSize GetEditContentSizeCorrection();
  virtual TRect GetBorderExtent();
  virtual TRect GetButtonsExtent(TcxCanvas* ACanvas);
  virtual TRect GetClientExtent(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo);
  virtual TcxEditBorderStyle GetBorderStyle();
  String ConvertEditValueToDisplayText(const Variant& AEditValue);
  // The bound edit's answers, else the view data's own.
  bool IsEditFocused() const;
  int CapturedButtonVisibleIndex() const;
  TcxEditButtonStyle EffectiveButtonStyle();
  TcxEditButtonStyle DefaultButtonStyle();
  // The button's width: its Width, else its picture, caption or the
  // system's scroll-bar height.
  int MeasureEditButtonWidth(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo);

  TcxCustomEditProperties* Properties() const { return FProperties; }
  TcxCustomEditStyle* Style() const { return FStyle; }
  bool IsInplace() const { return FIsInplace; }
  int LeftSideLeftmostButtonIndex() const { return FLeftSideLeftmostButtonIndex; }
  int LeftSideRightmostButtonIndex() const { return FLeftSideRightmostButtonIndex; }
  int RightSideLeftmostButtonIndex() const { return FRightSideLeftmostButtonIndex; }
  int RightSideRightmostButtonIndex() const { return FRightSideRightmostButtonIndex; }

  TcxEditGetDefaultButtonWidthEvent OnGetDefaultButtonWidth;
  TcxEditViewDataGetDisplayTextEvent OnGetDisplayText;

  TObject* Data = nullptr;
  // The control being laid out; null for a host painting cells.
  TcxCustomEdit* Edit = nullptr;
  // The control types into an inner edit, which draws its own text.
  bool HasInnerEdit = false;
  bool ButtonsOnlyStyle = false;
  int ButtonVisibleCount = 0;
  TcxContainerState ContainerState{csNormal};
  TRect ContentOffset;
  TcxEditContentParams EditContentParams;
  bool Enabled = true;
  bool Focused = false;
  TAlignment HorzAlignment = taLeftJustify;
  TcxInplaceEditParams InplaceEditParams;
  bool IsDesigning = false;
  bool IsSelected = false;
  bool IsValueSource = false;
  int MaxLineCount = 0;
  bool NativeStyle = false;
  TcxEditPaintOptions PaintOptions;
  bool PreviewMode = false;
  bool Selected = false;
  int SelStart = 0;
  int SelLength = 0;
  TColor SelTextColor = clDefault;
  TColor SelBackgroundColor = clDefault;
  bool SupportsTouchMode = false;
  TcxEditVertAlignment VertAlignment = taTopJustify;
  HWND WindowHandle = nullptr;

protected:
  friend class TcxEditButtonFadingHelper;
  friend class TcxCustomEdit;
  virtual void ComputeButtonThemeInfo(TcxEditButtonViewInfo* AButtonViewInfo);
  virtual void ComputeButtonThemePart(HTHEME ATheme, TcxEditButtonViewInfo* AButtonViewInfo);
  virtual HTHEME ButtonThemeHandle(TcxEditButtonViewInfo* AButtonViewInfo);
  virtual TcxEditPaintOptions ComposePaintOptions();
  virtual bool IsButtonPressable(TcxCustomEditViewInfo* AViewInfo, int AButtonVisibleIndex) { return true; }
  virtual TcxContainerState ComputeContainerState(const TRect& ABounds, const TPoint& P, TcxMouseButton Button,
                                                  TShiftState Shift);
  virtual TRect DefaultContentOffsets();
  virtual int EditThemeState(TcxCustomEditViewInfo* AViewInfo);
  virtual void FillCacheData();
  virtual void FillContentParams(TcxEditContentParams& AParams);
  virtual void PrepareDefaults();
  virtual String BuildDisplayText(const Variant& AEditValue) { return String(); }
  virtual void CalculateFrameAndMinContentSize(TcxCanvas* ACanvas, bool AIsInplace, TSize& ASize,
                                               TcxCustomEditViewInfo* AViewInfo, TSize& AMinContentSize,
                                               const TcxEditSizeProperties& AEditSizeProperties);
  virtual TSize MeasureEditContent(TcxCanvas* ACanvas, const Variant& AEditValue,
                                   const TcxEditSizeProperties& AEditSizeProperties) {
    return TSize();
  }
  virtual bool IsButtonHeldDown(TcxCustomEditViewInfo* AViewInfo, int AButtonVisibleIndex) { return false; }
  virtual void CalculateButtonBounds(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo, TRect& AButtonsRect,
                                     int AButtonVisibleIndex);
  virtual void CalculateButtonsViewInfo(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                        TcxMouseButton Button, TShiftState Shift, TcxCustomEditViewInfo* AViewInfo,
                                        bool AIsMouseEvent);
  virtual void CalculateButtonViewInfo(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo, int AButtonVisibleIndex,
                                       TRect& AButtonsRect);
  virtual void DoCalculateButtonViewInfos(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo, TRect& AButtonsRect);
  virtual void CheckButtonsOnly(TcxCustomEditViewInfo* AViewInfo, int APrevButtonsWidth, int AButtonsWidth);
  virtual void CheckStartButtonsFading(TcxCustomEditViewInfo* AViewInfo);
  virtual void EditValueToDrawValue(const Variant& AEditValue, TcxCustomEditViewInfo* AViewInfo) {}
  virtual void InitializeButtonInfo(TcxCustomEditViewInfo* AViewInfo, int AButtonVisibleIndex);
  virtual TColor GetBorderColor();
  virtual TColor GetBorderColorByPainter(bool AIsHighlight) { return clDefault; }
  virtual TRect GetBorderExtentByEdges(int ABorderWidth);
  virtual TRect GetBorderExtentByPainter();
  virtual bool HasShadow();
  virtual bool IgnoreButtonWhileStretching(int AButtonVisibleIndex) { return false; }
  virtual bool IsButtonLeftAligned(TcxCustomEditViewInfo* AViewInfo, int AButtonVisibleIndex);
  virtual bool IsNativeStyle(TcxLookAndFeel* ALookAndFeel);

private:
  void CalculateViewInfoLayout(TcxCustomEditViewInfo* AViewInfo);
  TcxEditPopupBorderStyle CalculatePopupBorderStyle(TcxCustomEditViewInfo* AViewInfo);
  // The bound edit's validation error, its text and icon.
  void CalculateErrorData(TcxCustomEditViewInfo* AViewInfo);
  void CalculateColors(TcxCustomEditViewInfo* AViewInfo);
  void CalculateButtonStates(TcxCustomEditViewInfo* AViewInfo, const TPoint& P, TcxMouseButton Button,
                             TShiftState Shift, int APreviousPressedButton,
                             const std::vector<TcxEditButtonState>& APreviousStates);
  void MarkOutermostButtons(TcxCustomEditViewInfo* AViewInfo);
  TSize GetSize(TcxCanvas* ACanvas, const Variant& AEditValue, const TcxEditSizeProperties& AEditSizeProperties,
                TcxCustomEditViewInfo* AViewInfo, bool AEditing);
  TcxCustomEditButton* ButtonOf(TcxEditButtonViewInfo* AButtonViewInfo) const;

  TcxCustomEditProperties* FProperties;
  TcxCustomEditStyle* FStyle;
  bool FIsInplace;
  int FLeftSideLeftmostButtonIndex = -1;
  int FLeftSideRightmostButtonIndex = -1;
  int FRightSideLeftmostButtonIndex = -1;
  int FRightSideRightmostButtonIndex = -1;
  TAlignment FValidationErrorIconAlignment = taLeftJustify;
};

// ---------------------------------------------------------------- repository

class TcxEditRepository;
class TcxEditRepositoryItem;

// What an editor that uses a repository item hears of it.
class IcxEditRepositoryItemListener {
public:
  virtual void ItemRemoved(TcxEditRepositoryItem* Sender) = 0;
  virtual void PropertiesChanged(TcxEditRepositoryItem* Sender) = 0;

protected:
  ~IcxEditRepositoryItemListener() = default;
};

// A named properties object that many editors share.
class TcxEditRepositoryItem : public TComponent {
  VCL_COMPONENT_CLASS(TcxEditRepositoryItem, TComponent)
public:
  explicit TcxEditRepositoryItem(TComponent* AOwner);
  ~TcxEditRepositoryItem() override;

  // Made on first use, from a descendant's GetEditPropertiesClass.
  TcxCustomEditProperties* Properties();
  void SetProperties(TcxCustomEditProperties* Value);
  TcxEditRepository* Repository() const { return FRepository; }
  void SetRepository(TcxEditRepository* Value);
  void AddListener(IcxEditRepositoryItemListener* AListener);
  void RemoveListener(IcxEditRepositoryItemListener* AListener);
  // The repository's name followed by what the class name adds to
  // "TcxEditRepository"; new item names are built from it.
  virtual String GetBaseName();
  bool PropertiesInheritFrom(TClass AClass);

  TNotifyEvent PropertiesEvents;

protected:
  virtual TcxClassFactory<TcxCustomEditProperties, TPersistent*> GetEditPropertiesClass() const {
    return TcxClassFactory<TcxCustomEditProperties, TPersistent*>::Of<TcxCustomEditProperties>();
  }
  // Every listener, the last first.
  virtual void NotifyListenersPropertiesChanged();

private:
  std::vector<IcxEditRepositoryItemListener*> FListenerList;
  std::unique_ptr<TcxCustomEditProperties> FProperties;
  TcxEditRepository* FRepository = nullptr;
};

// The items editors share, found by name.
class TcxEditRepository : public TcxCustomComponent {
  VCL_COMPONENT_CLASS(TcxEditRepository, TcxCustomComponent)
public:
  explicit TcxEditRepository(TComponent* AOwner) : TcxCustomComponent(AOwner) {}
  ~TcxEditRepository() override { Clear(); }

  int Count() const { return static_cast<int>(FItems.size()); }
  TcxEditRepositoryItem* Items(int AIndex) const { return FItems.at(AIndex); }
  // Frees every item, the last first.
  void Clear();
  template <class TItem>
  TItem* CreateItem() {
    return CreateItemEx<TItem>(this);
  }
  template <class TItem>
  TItem* CreateItemEx(TComponent* AOwner) {
    auto* item = new TItem(AOwner);
    item->SetRepository(this);
    return item;
  }
  // By name, case-insensitive in the user's locale; null when none.
  TcxEditRepositoryItem* ItemByName(const String& AName) const;

private:
  friend class TcxEditRepositoryItem;
  std::vector<TcxEditRepositoryItem*> FItems;
};

// ---------------------------------------------------------------- the editor control

class TcxCustomEdit;

// Collects the change events of an editor while they are locked; the last
// unlock fires each collected kind once, or drops them.
class TcxEditChangeEventsCatcher {
public:
  explicit TcxEditChangeEventsCatcher(TcxCustomEdit* AEdit) : FEdit(AEdit) {}
  bool IsLocked() const { return FLockCount > 0; }
  void Lock(bool ALock, bool AInvokeChangedOnUnlock = true);
  void InvokeEditChangedEvents();

  bool OnChangeEvent = false;
  bool OnEditValueChangedEvent = false;

private:
  TcxCustomEdit* FEdit;
  int FLockCount = 0;
};

// Stands between an editor and its data; the base reflects the editor's
// own flags and stores nothing.
class TcxEditDataBinding : public TPersistent {
  VCL_CLASS(TcxEditDataBinding, TPersistent)
public:
  explicit TcxEditDataBinding(TcxCustomEdit* AEdit);
  ~TcxEditDataBinding() override;

  TcxCustomEdit* Edit() const { return FEdit; }
  IcxEditDefaultValuesProvider* IDefaultValuesProvider() const;
  Variant DisplayValue() { return ReadDisplayValue(); }
  void SetDisplayValue(const Variant& Value) { WriteDisplayValue(Value); }
  bool Editing() { return ReadEditing(); }
  bool IsDataAvailable() { return ReadIsDataAvailable(); }
  bool Modified() { return ReadModified(); }
  Variant StoredValue() { return ReadStoredValue(); }
  void SetStoredValue(const Variant& Value) { WriteStoredValue(Value); }

  virtual bool CanCheckEditorValue();
  virtual bool CanModify() { return IsDataAvailable(); }
  virtual bool CanPostEditorValue() { return Modified(); }
  virtual bool EnterEditMode();
  virtual bool IsDataReadOnly() { return !IsDataAvailable(); }
  virtual void RestoreValue();
  virtual void SetModified();
  virtual void UpdateDisplayValue();
  virtual void UpdateNotConnectedDBEditDisplayValue() {}

protected:
  virtual TcxClassFactory<TcxCustomEditDefaultValuesProvider, TPersistent*> GetDefaultValuesProviderClass() const {
    return TcxClassFactory<TcxCustomEditDefaultValuesProvider, TPersistent*>::Of<TcxCustomEditDefaultValuesProvider>();
  }
  virtual Variant ReadDisplayValue();
  virtual bool ReadEditing();
  virtual bool ReadIsDataAvailable();
  virtual bool ReadModified();
  virtual Variant ReadStoredValue();
  virtual void WriteDisplayValue(const Variant& Value);
  virtual void WriteStoredValue(const Variant& Value) {}

private:
  TcxCustomEdit* FEdit;
  // Made on first use, from a descendant's GetDefaultValuesProviderClass.
  mutable std::unique_ptr<TcxCustomEditDefaultValuesProvider> FDefaultValuesProvider;
};

using TcxEditDataBindingClass = TcxClassFactory<TcxEditDataBinding, TcxCustomEdit*>;

// The native control an editor types into, reached only through this table
// so that other inner controls can stand in.
class IcxCustomInnerEdit : public IcxContainerInnerControl {
public:
  // The window's own procedure, bypassing the framework's handling.
  virtual LRESULT CallDefWndProc(UINT AMsg, WPARAM WParam, LPARAM LParam) = 0;
  virtual bool CanProcessClipboardMessages() = 0;
  virtual Variant GetEditValue() = 0;
  virtual TNotifyEvent GetOnChange() = 0;
  virtual bool GetReadOnly() = 0;
  virtual void LockBounds(bool ALock) = 0;
  // Focuses without selecting everything.
  virtual void SafelySetFocus() = 0;
  virtual void SetEditValue(const Variant& Value) = 0;
  virtual void SetParent(TWinControl* Value) = 0;
  virtual void SetOnChange(TNotifyEvent Value) = 0;
  virtual void SetReadOnly(bool Value) = 0;

protected:
  ~IcxCustomInnerEdit() = default;
};
using TcxCustomEditPropertiesClass = TcxClassFactory<TcxCustomEditProperties, TPersistent*>;
using TcxEditEditingEvent = std::function<void(TObject* Sender, bool& CanEdit)>;

// The container an editor is: the mouse reports of its inner control count
// as its own.
class TcxCustomEditContainer : public TcxContainer {
  VCL_COMPONENT_CLASS(TcxCustomEditContainer, TcxContainer)
public:
  using TcxContainer::TcxContainer;
  // The mouse capture is held by this control or one of its children.
  virtual bool IsCaptureInside();
  virtual bool IsPointInBounds(const TPoint& P) { return BoundsRect().Contains(P); }
};

class TcxCustomEdit;

// The edit's side of the fader: the fader holds objects that answer
// interface queries, so the edit keeps one of these as its fading element.
class TcxEditFadingObject : public TdxFadingObjectHelper {
  VCL_CLASS(TcxEditFadingObject, TdxFadingObjectHelper)
public:
  explicit TcxEditFadingObject(TcxCustomEdit* AEdit) : FEdit(AEdit) {}
  bool IsFadingAllowed() override;
  void RepaintFadeFrame() override;
  void PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) override;

private:
  TcxCustomEdit* FEdit;
};

// The control of every data editor: it keeps the edit value, the modified
// state and the change events, and posts through its data binding.
class TcxCustomEdit : public TcxCustomEditContainer,
                      public IcxEditRepositoryItemListener,
                      public IcxEditOwner {
  VCL_COMPONENT_CLASS(TcxCustomEdit, TcxCustomEditContainer)
public:
  explicit TcxCustomEdit(TComponent* AOwner) : TcxCustomEdit(AOwner, false) {}
  TcxCustomEdit(TComponent* AOwner, bool AIsInplace);
  ~TcxCustomEdit() override;

  // The properties and the data binding are made on first use, so that a
  // descendant's GetPropertiesClass and GetDataBindingClass choose them (a
  // constructor cannot ask its descendants).
  // The repository item's properties when an item is set.
  TcxCustomEditProperties* ActiveProperties();
  TcxCustomEditProperties* InternalProperties() {
    InitializeEdit();
    return FProperties.get();
  }
  TcxEditDataBinding* DataBinding() {
    InitializeEdit();
    return FDataBinding.get();
  }

  Variant EditValue() const { return FEditValue; }
  void SetEditValue(const Variant& Value) { AssignEditValue(Value); }
  Variant InternalEditValue() const { return FEditValue; }
  void SetInternalEditValue(const Variant& Value) { AssignInternalEditValue(Value); }
  // What the person is typing while the edit is focused and the value not
  // yet validated; else the edit value.
  Variant EditingValue();
  // Sets the value as a person would: only when editing may start.
  void SetValidatableEditValue(const Variant& Value);
  void Clear() { SetEditValue(GetClearValue()); }

  bool EditModified() const { return FModified; }
  void SetEditModified(bool Value);
  bool ModifiedAfterEnter() const { return FModifiedAfterEnter; }
  void SetModifiedAfterEnter(bool Value);
  bool IsEditValidated() const { return FIsEditValidated; }
  bool IsHiding() const { return FIsHiding; }
  bool IsPosting() const { return FIsPosting; }
  bool IsInplace() override { return FIsInplace; }
  bool IsReadOnly() override;

  // A forced validation: with ARaiseExceptionOnError an invalid value
  // raises EcxEditValidationError, else only the answer tells.
  bool ValidateEdit(bool ARaiseExceptionOnError);
  // A forced validation with the active properties' options.
  bool ValidateEdit();
  bool IsEditValidating() const { return FIsEditValidating; }

  // The state styles as edit styles.
  TcxCustomEditStyle* Style() { return EditStyle(csNormal); }
  TcxCustomEditStyle* StyleDisabled() { return EditStyle(csDisabled); }
  TcxCustomEditStyle* StyleFocused() { return EditStyle(csActive); }
  TcxCustomEditStyle* StyleHot() { return EditStyle(csHotTrack); }
  // The style in force for the state the edit was last laid out in.
  TcxCustomEditStyle* ActiveStyle() {
    InitializeEdit();
    return static_cast<TcxCustomEditStyle*>(GetActiveStyle());
  }
  TcxCustomEditViewInfo* ViewInfo() {
    InitializeEdit();
    return static_cast<TcxCustomEditViewInfo*>(TcxContainer::ViewInfo());
  }
  // A view data of the active properties for the edit in its state; the
  // caller frees it.
  TcxCustomEditViewData* CreateViewData();
  // The button the mouse pressed while the edit holds the capture; -1 none.
  int CaptureButtonVisibleIndex() const { return FCaptureButtonVisibleIndex; }
  bool Transparent() const { return FTransparent; }
  // The parent shows through (not for an inplace edit).
  void SetTransparent(bool Value);
  virtual bool IsTransparent() { return !FIsInplace && FTransparent; }
  // The parent's background rather than its image shows through.
  virtual bool IsNativeBackgroundTransparent() { return false; }
  // The last validation failed, and why.
  bool ValidationError() const { return FValidationError; }
  const String& ValidationErrorText() const { return FValidationErrorText; }

  // May the person start changing the value.
  bool DoEditing();
  // Posts through the binding; a failed post raises with the typed value
  // and the modified state kept.
  void PostEditValue();
  bool CanPostEditValue();
  void Reset() { FDataBinding->RestoreValue(); }

  void LockChangeEvents(bool ALock, bool AInvokeChangedOnUnlock = true) {
    FChangeEventsCatcher.Lock(ALock, AInvokeChangedOnUnlock);
  }
  bool AreChangeEventsLocked() const { return FChangeEventsCatcher.IsLocked(); }
  void LockClick(bool ALock) { LockCounter(FClickLockCount, ALock); }
  bool IsClickLocked() const { return FClickLockCount > 0; }
  void LockEditValueChanging(bool ALock) { LockCounter(FEditValueChangingLockCount, ALock); }
  bool InternalFocused();

  // Inplace activation by a host: shown, unmodified and, when asked,
  // focused; by a key, which then reaches the edit; by a press at (X, Y)
  // in the parent's client coordinates, which then reaches the edit.
  virtual void Activate(bool ANeedSetFocus);
  virtual void ActivateByKey(wchar_t AKey);
  virtual void ActivateByMouse(TShiftState AShift, int X, int Y);
  // Validates the value the host takes back; false when it is invalid.
  virtual bool Deactivate();
  virtual void SelectAll() {}
  // A spell checker may check and replace the text (the text editors).
  virtual bool SupportsSpelling() { return false; }
  // The spell checker's replacement of the selection, posted when APost.
  virtual void ReplaceTextBySpellChecker(const String& AText, bool APost) {}
  // The edit sits on a bar.
  void SetIsBarControl(bool Value) { FIsBarControl = Value; }
  bool IsBarControl() const { return FIsBarControl; }
  // The clipboard: nothing in the base; the text editors copy, cut and
  // paste their text.
  virtual void CopyToClipboard() {}
  virtual void CutToClipboard() {}
  virtual void PasteFromClipboard() {}

  TcxEditRepositoryItem* RepositoryItem() const { return FRepositoryItem; }
  // Raises EcxEditError, changing nothing, for an item whose properties
  // this editor cannot use.
  void SetRepositoryItem(TcxEditRepositoryItem* Value);
  virtual bool IsRepositoryItemAcceptable(TcxEditRepositoryItem* AItem);

  // ---------------------------------------------------------------- fading
  // The editor fades between its normal and its hot look where its view
  // info can (a themed or skinned look) and it is not inplace.
  bool IsEditFadingAllowed();
  // The edit in two new 32-bit bitmaps of its view info's bounds: its look
  // with the mouse far outside, and with the mouse at its centre.
  void PrepareFadingImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage);
  // The element the fader holds while the edit fades.
  TcxEditFadingObject* FadingObject() const { return FFadingObject.get(); }
  // A fade of the edit's frame runs (not while its images are made).
  bool IsFrameFading();
  // The current fade frame into R; false when none runs.
  bool DrawFadeFrame(HDC DC, const TRect& R);
  // A view data for the fading of the edit's parts; the caller frees it.
  TcxCustomEditViewData* GetViewData(bool& ACreated) override;
  using TcxCustomEditContainer::Invalidate;
  void Invalidate(const TRect& R, bool AEraseBackground) override;

  TKeyEvent OnAfterKeyDown;
  TcxEditEditingEvent OnEditing;
  TNotifyEvent OnPostEditValue;

protected:
  friend class TcxEditChangeEventsCatcher;
  friend class TcxEditDataBinding;
  friend class TcxCustomEditProperties;

  virtual TcxCustomEditPropertiesClass GetPropertiesClass() const {
    return TcxCustomEditPropertiesClass::Of<TcxCustomEditProperties>();
  }
  virtual TcxEditDataBindingClass GetDataBindingClass() const {
    return TcxEditDataBindingClass::Of<TcxEditDataBinding>();
  }
  // Second-stage construction, once: the properties, the binding, and the
  // styles and view info of their classes.
  void InitializeEdit();
  TcxContainerStyle* CreateStyle(TcxContainerStyle* AParentStyle, TcxContainerStateItem AState) override;
  std::unique_ptr<TcxContainerViewInfo> CreateViewInfo() override;
  void CreateWnd() override;
  bool RefreshContainer(const TPoint& P, TcxMouseButton Button, TShiftState Shift, bool AIsMouseEvent) override;
  // Lays the edit out through a new view data for its rectangle.
  virtual void CalculateViewInfoAtPoint(const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                                        bool AIsMouseEvent);
  // Enabled, focused, inner edit and design state.
  virtual void FillViewDataState(TcxCustomEditViewData* AViewData);
  // The view info's drawn value from the edit value.
  virtual void CalculateDrawValue(TcxCustomEditViewData* AViewData) {
    AViewData->EditValueToDrawValue(FEditValue, ViewInfo());
  }
  virtual void AssignEditValue(const Variant& Value);
  virtual void AssignInternalEditValue(const Variant& Value);
  virtual void StoreEditValue(const Variant& Value, bool AFlag);
  void StoreEditValueQuietly(const Variant& Value) { StoreEditValue(Value, false); }
  // The internal edit value set as a person's action: editing may refuse
  // it, and an accepted value marks the edit modified.
  void SetUserInternalEditValue(const Variant& Value);
  virtual void WriteEditValue(const Variant& Value) { FEditValue = Value; }
  virtual void SynchronizeDisplayValue() {}
  virtual void SetInternalDisplayValue(const Variant& Value) {}
  virtual void RestorePreviousEditValue();
  virtual Variant GetClearValue() { return Null(); }
  virtual Variant GetTypedEditValue() { return FEditValue; }
  virtual String GetCurrentDisplayText() { return String(); }
  virtual bool IsEditingAllowed() { return true; }
  virtual bool CanModify();
  virtual bool GetEffectiveReadOnly();
  virtual void HandleTextChange();
  // The same, the focus already known.
  void HandleTextChangeWithFocus(bool AFocused);
  virtual void DoChange();
  virtual void DoEditValueChanged();
  virtual void DoOnChange();
  virtual void DoOnEditValueChanged();
  virtual void BeginPosting() { FIsPosting = true; }
  virtual void EndPosting() { FIsPosting = false; }
  // Validation with the active properties' options; unless forced, only
  // of a value changed since enter and not yet validated.
  virtual bool ValidateEditByOptions(bool AForce);
  // Checks the display value; on an error reacts as AOptions say (raise,
  // keep the focus, abort); a valid value (or, with evoAllowLoseFocus, an
  // invalid one) is stored.
  bool RunValidation(TcxEditValidationOptions AOptions, bool AForce);
  virtual void ValidateDisplayValueIfAllowed(Variant& ADisplayValue, String& AErrorText, bool& AError);
  // Keeps or gives back the focus, beeps where asked, raises the error or
  // (with ACanAbort) silently aborts what caused the validation.
  virtual void ProcessValidationError(const String& AErrorText, TcxEditValidationOptions AOptions, bool ACanAbort);
  // Stores an accepted display value, the modified state kept.
  virtual void SetValidatedDisplayValue(const Variant& ADisplayValue);
  virtual void StoreDisplayValue(const Variant& ADisplayValue) {}
  virtual void PrepareDisplayValue(const Variant& AEditValue, Variant& ADisplayValue, bool AFocused);
  virtual bool IsEditClass() { return false; }
  // A failed post gives the focus back (and beeps) before it is raised.
  virtual bool ShouldProcessPostError() { return !FIsInplace; }
  virtual void ProcessEnter();
  virtual void ProcessExit(bool AFireExit);
  // The focus moved on the form (CM_FOCUSCHANGED): a modal form closing
  // with an accepting result validates the edit first, and a refused value
  // keeps the form open.
  virtual void DoFocusChanged();
  virtual bool NeedsDisplayValueRefreshOnFocus() { return true; }
  virtual void RefreshDrawnValue() {}
  virtual void HandlePropertiesChanged(TObject* Sender);
  // Commits the edit value: validated first when asked, then posted.
  void CommitEditValue(bool AValidateFirst);
  void DoEnter() override;
  void DoExit() override;

  virtual void RepositoryItemChanging() {}
  virtual void RepositoryItemChanged() {}
  // The edit goes back to its own properties.
  void ItemRemoved(TcxEditRepositoryItem* Sender) override;
  void PropertiesChanged(TcxEditRepositoryItem* Sender) override;

  // Keyboard: the clear key, Enter validation, Esc reset and navigation
  // keys; refused characters.
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  virtual void HandleEditKeyDown(uint16_t& Key, TShiftState Shift);
  virtual void HandleEditKeyPress(wchar_t& Key);
  virtual bool NeedsAfterKeyDownEvent(uint16_t Key, TShiftState Shift) { return false; }
  virtual bool HandlesNavigationKeys() { return false; }
  virtual bool IsEditingChar(wchar_t AChar) { return false; }
  virtual bool IsValidChar(wchar_t AChar);
  virtual bool ForwardsActivationKey(wchar_t AKey) { return true; }
  // The click key with an enabled default button.
  virtual bool IsOwnKey(uint16_t Key, TShiftState Shift);
  virtual void HandleTabKey(TShiftState Shift) {}
  virtual bool WantsTabKey() { return FIsInplace; }
  // An edit that wants Tab moves the focus on itself (HandleEditKeyDown).
  bool NeedsFocusMoveOnTab() override { return !WantsTabKey(); }

  // Mouse and buttons: a button pressed and released over it is clicked;
  // the first click of an activation and a quick second one make a double
  // click.
  void WndProc(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Click() override;
  void DblClick() override;
  void ProcessMouseRefreshEvents() override;
  // The hint of the part under the mouse: a button's, the error's text
  // over the error icon, else the edit's own.
  void UpdateHintAtPoint(const TPoint& P) override;
  virtual bool CanClickWhileLoading() { return false; }
  // The button's action, then OnButtonClick of the own properties and of
  // the repository item's, with the button's collection index.
  virtual void FireButtonClick(int AButtonIndex);
  // A visible button went down or up.
  virtual void NotifyButtonDown(int AButtonVisibleIndex) {}
  virtual void NotifyButtonUp(int AButtonVisibleIndex) {}
  // Clicks the first button marked Default; false when there is none.
  virtual bool ClickDefaultButton();
  virtual void FocusAndSelectAll();
  // While a host's typed key activates the edit, the inner control's
  // messages pass ActivationWindowProc first.
  virtual void BeginActivationByKey();
  virtual void EndActivationByKey();
  virtual void ActivationWindowProc(TMessage& Message) { FWindowProcObject->DefaultProc(Message); }
  // A refused key or value, where the properties ask for a beep.
  virtual void Beep();

  // The modified state saved around work that must not change it.
  void SaveModified();
  void RestoreModified();

  // The current change comes from the person (DoEditing decides what may
  // change), not from the program.
  bool IsUserAction() const { return FIsUserAction; }
  // Runs AWork with the user-action flag set to AIsUser, restored after.
  template <class F>
  auto AsUserAction(bool AIsUser, F AWork) {
    struct TRestore {
      bool& Flag;
      bool Value;
      ~TRestore() { Flag = Value; }
    } restore{FIsUserAction, FIsUserAction};
    FIsUserAction = AIsUser;
    return AWork();
  }

private:
  static void LockCounter(int& ACount, bool ALock) {
    if (ALock)
      ++ACount;
    else if (ACount > 0)
      --ACount;
  }
  bool HasOnChange();
  bool HasOnEditValueChanged();
  TcxCustomEditStyle* EditStyle(TcxContainerStateItem AState) {
    InitializeEdit();
    return static_cast<TcxCustomEditStyle*>(Styles()->GetStyle(AState));
  }
  // The own properties notify the edit and use the binding's provider.
  void AttachOwnProperties();
  // Fires a change event with the inplace edit seen as modified.
  void FireChangeEvent(void (TcxCustomEdit::*AFire)());
  // The enabled default button, or null.
  TcxCustomEditButton* DefaultButton();
  // Clicks the enabled button whose caption has the accelerator; false
  // when there is none.
  bool ClickAcceleratedButton(wchar_t AChar);
  // The clipboard messages: cutting and pasting change the value as the
  // person's own action.
  void HandleClipboardMessage(TMessage& Message);
  void MoveFocusOnTab(TShiftState Shift);
  // The result the parent form closes with, while a modal form closes;
  // else mrNone.
  TModalResult ClosingModalResult();
  // What a validation checks: the edit value as shown focused while it is
  // unchanged since enter, else the text shown.
  Variant ValidationDisplayValue();
  // A display value a validate handler changed is shown in the edit.
  void ShowChangedDisplayValue(const Variant& ABuilt, const Variant& AChecked);

  // Fades in when the hot-track state is entered, out when it is left.
  void CheckStartFading(bool AWasHot);

  std::unique_ptr<TcxEditFadingObject> FFadingObject{std::make_unique<TcxEditFadingObject>(this)};
  bool FPreparingFadingImages = false;
  TcxEditChangeEventsCatcher FChangeEventsCatcher{this};
  TcxWindowProcLinkedObject* FWindowProcObject = nullptr;
  bool FIsBarControl = false;
  std::unique_ptr<TcxCustomEditProperties> FProperties;
  TcxEditRepositoryItem* FRepositoryItem = nullptr;
  bool FIsKeyPressHandled = false;
  std::unique_ptr<TcxEditDataBinding> FDataBinding;
  Variant FEditValue = Null();
  Variant FPrevEditValue;
  int FClickLockCount = 0;
  int FCaptureButtonVisibleIndex = -1;
  std::unique_ptr<TcxTimer> FDblClickTimer;
  bool FTransparent = false;
  int FEditValueChangingLockCount = 0;
  bool FEditModeSetting = false;
  bool FIsHiding = false;
  bool FIsInplace = false;
  bool FIsPosting = false;
  bool FIsUserAction = false;
  bool FIsEditValidated = false;
  bool FIsEditValidating = false;
  int FLockValidate = 0;
  bool FValidateErrorProcessing = false;
  bool FValidationError = false;
  String FValidationErrorText;
  bool FPrevValidationError = false;
  bool FModified = false;
  bool FModifiedAfterEnter = false;
  struct TModifiedState {
    bool Modified;
    bool ModifiedAfterEnter;
  };
  std::vector<TModifiedState> FPrevModifiedList;
};

// ---------------------------------------------------------------- inplace editor list

// The hidden inplace editors a host (a grid) reuses across its cells: one
// per properties object, or unbound and waiting for properties of its kind.
// The edits belong to the editor owner: an edit freed by anyone leaves the
// list, and when the owner goes the list forgets all of its edits (later
// edits then belong to the list alone).
class TcxInplaceEditList : public TObject {
public:
  explicit TcxInplaceEditList(TComponent* AEditorOwner);
  ~TcxInplaceEditList() override;
  TcxInplaceEditList(const TcxInplaceEditList&) = delete;
  TcxInplaceEditList& operator=(const TcxInplaceEditList&) = delete;

  int Count() const { return static_cast<int>(FItems.size()); }
  // The edit for these properties, bound to them (an unbound one of their
  // kind, or a new one), with their settings assigned without change
  // events.
  TcxCustomEdit* GetEdit(TcxCustomEditProperties* AProperties);
  // An unbound edit of the kind, made when none waits.
  TcxCustomEdit* GetEdit(const TcxCustomEditProperties& AKind);
  // As GetEdit, but making nothing: null when none.
  TcxCustomEdit* FindEdit(TcxCustomEditProperties* AProperties);
  TcxCustomEdit* FindEdit(const TcxCustomEditProperties& AKind);
  // The edit bound to the properties waits, unbound, for reuse.
  void DisconnectProperties(TcxCustomEditProperties* AProperties);
  void RemoveItem(TcxCustomEditProperties* AProperties);
  // Every unbound edit of the kind.
  void RemoveItem(const TcxCustomEditProperties& AKind);

private:
  struct TcxEditListItem {
    TcxCustomEdit* Edit;
    TcxCustomEditProperties* Properties;
  };
  int IndexOfBound(TcxCustomEditProperties* AProperties) const;
  int IndexOfUnbound(TClass AEditClass) const;
  TcxCustomEdit* CreateEdit(const TcxCustomEditProperties& AKind, TcxCustomEditProperties* ABoundTo);
  void DeleteItem(int AIndex);
  void HandleFreed(TComponent* AComponent);

  std::vector<TcxEditListItem> FItems;
  TComponent* FEditorOwner;
  std::unique_ptr<TcxFreeNotificator> FFreeNotificator;
};

// The cursor the editor unit's start-up registers with the screen.
inline constexpr TCursor crcxEditMouseWheel = 4101;

// The built-in glyph of an error, a warning or an information (loaded by
// the editor unit's start-up); null for other types.
TdxSmartImage* cxEditValidationGlyph(TcxEditErrorType AType);

// Properties that go leave every inplace editor list.
void cxDisconnectPropertiesFromInplaceEditLists(TcxCustomEditProperties* AProperties);

// ---------------------------------------------------------------- registries

// The properties class of every editor kind, each with its
// "Name|Description" text, sorted by name.
TcxRegisteredClasses* cxEditPropertiesRegistry();
// Every living properties object, in the order they were made.
const std::vector<TcxCustomEditProperties*>& cxEditPropertiesList();

extern const TUnitEntry cxEditUnit;
