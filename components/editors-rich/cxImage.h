#pragma once
// The image editor: its picture values (the graphic classes a picture may
// be loaded as, the blob form of a picture: its graphic's own stream), the
// zoom settings, and the editor control that shows a picture fitted,
// stretched or zoomed, with its menu of clipboard, file and camera
// commands.
#include <memory>
#include <vector>

#include "components/core/cxGraphics.h"
#include "components/core/dxCore.h"
#include "components/core/dxGdiPlusClasses.h"
#include "components/editors-basic/dxZoomTrackBar.h"
#include "components/editors/cxEdit.h"
#include "vcl/controls/Menus.h"
#include "vcl/graphics/Graphic.h"
#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/UnitStartup.h"
#include "vcl/rtl/Variants.h"

// TBitmap, TIcon, TMetafile, then the PNG and smart images where they are
// registered; made on first use, freed at shut-down.
const std::vector<TGraphicClass>& cxGraphicClassList();
// The listed class of this name, ignoring case; null when none.
TGraphicClass cxFindGraphicClass(const String& AName);

// A string or one-dimensional array loads into the picture as AGraphicClass
// (the picture's bitmap when null), skipping the 8-byte header {1, 0x0100,
// length - 8} where it is present; an empty value or any other kind of
// value clears the picture. Data that cannot be read raises
// EInvalidGraphic with the reason and leaves the picture as it was: a
// posted blob must never lose the stored image.
void cxLoadPictureFromBlob(TPicture* APicture, TGraphicClass AGraphicClass, const Variant& AValue);
// The graphic's stream as a byte string; empty without a graphic.
Variant cxSavePictureToBlob(TPicture* APicture);

// The picture's graphic onto the clipboard (nothing without one).
void cxCopyPictureToClipboard(TPicture* APicture);
// The clipboard's picture as AGraphicClass (a bitmap when null); a
// clipboard without a picture that class reads raises EInvalidGraphic and
// leaves the picture as it was.
void cxPastePictureFromClipboard(TPicture* APicture, TGraphicClass AGraphicClass);

class TcxImageZoomingOptions : public TPersistent {
  VCL_CLASS(TcxImageZoomingOptions, TPersistent)
public:
  int MaxZoom() const { return FMaxZoom; }
  // At least 100; pulls ZoomPercent down to it.
  void SetMaxZoom(int AValue);
  int MinZoom() const { return FMinZoom; }
  // Within 0..100; pulls ZoomPercent up to it.
  void SetMinZoom(int AValue);
  int ZoomPercent() const { return FZoomPercent; }
  // Within MinZoom..MaxZoom.
  void SetZoomPercent(int AValue);
  bool ShowZoomTrackBar() const { return FShowZoomTrackBar; }
  void SetShowZoomTrackBar(bool AValue);
  void Assign(TPersistent* ASource) override;

  // The zoom bar's steps below and above 100 %.
  int LowerLineSize() const;
  int UpperLineSize() const;
  // One step in or out; a step never passes 100 % on the way.
  void ZoomIn();
  void ZoomOut();

  TNotifyEvent OnChanged;

protected:
  virtual void Changed();

private:
  int FMaxZoom = 500;
  int FMinZoom = 0;
  int FZoomPercent = 100;
  bool FShowZoomTrackBar = false;
};

// The shared objects the unit frees at shut-down.
void cxFreeGraphicClassList();
void cxImageFreeCommonResources();

// ---------------------------------------------------------------- settings

enum class TcxPopupMenuItem { pmiCut, pmiCopy, pmiPaste, pmiDelete, pmiLoad, pmiWebCam, pmiSave, pmiCustom };
using enum TcxPopupMenuItem;
using TcxPopupMenuItems = TSet<TcxPopupMenuItem>;
enum class TcxImageTransparency { gtDefault, gtOpaque, gtTransparent };
using enum TcxImageTransparency;

class TcxCustomImage;
class TcxCustomImageProperties;

using TcxImageAssignPictureEvent = std::function<void(TObject* Sender, TPicture* Picture)>;
using TcxImageGraphicClassEvent = std::function<void(TObject* AItem, int ARecordIndex, bool APastingFromClipboard,
                                                     TGraphicClass& AGraphicClass)>;
using TcxImageEditGraphicClassEvent =
    std::function<void(TObject* Sender, bool APastingFromClipboard, TGraphicClass& AGraphicClass)>;

// Which commands the editor's own menu offers, and the custom one.
class TcxPopupMenuLayout : public TPersistent {
  VCL_CLASS(TcxPopupMenuLayout, TPersistent)
public:
  explicit TcxPopupMenuLayout(TcxCustomImageProperties* AProperties) : FProperties(AProperties) {}
  ~TcxPopupMenuLayout() override;
  void Assign(TPersistent* ASource) override;

  TcxPopupMenuItems MenuItems() const { return FMenuItems; }
  void SetMenuItems(TcxPopupMenuItems AValue);
  const String& CustomMenuItemCaption() const { return FCustomMenuItemCaption; }
  void SetCustomMenuItemCaption(const String& AValue);
  // Made on first read; null frees it.
  virtual TBitmap* CustomMenuItemGlyph();
  void SetCustomMenuItemGlyph(TBitmap* AValue);

private:
  TcxCustomImageProperties* FProperties;
  TcxPopupMenuItems FMenuItems{pmiCut, pmiCopy, pmiPaste, pmiDelete, pmiLoad, pmiWebCam, pmiSave};
  String FCustomMenuItemCaption;
  std::unique_ptr<TBitmap> FCustomMenuItemGlyph;
};

// The animation of a picture whose graphic can play frames.
class TcxImageAnimationOptions : public TPersistent {
  VCL_CLASS(TcxImageAnimationOptions, TPersistent)
public:
  explicit TcxImageAnimationOptions(TcxCustomImage* AImage) : FImage(AImage) {}
  void Assign(TPersistent* ASource) override;
  TdxDefaultBoolean Animation() const { return FAnimation; }
  void SetAnimation(TdxDefaultBoolean AValue);
  TdxDefaultBoolean AnimationLoop() const { return FAnimationLoop; }
  void SetAnimationLoop(TdxDefaultBoolean AValue);
  // Hands the settings to the picture's graphic, when it animates.
  virtual void Apply();

private:
  TcxCustomImage* FImage;
  TdxDefaultBoolean FAnimation = bDefault;
  TdxDefaultBoolean FAnimationLoop = bDefault;
};

// The glyphs of the editor's menu, loaded once from the program's
// resources; freed at shut-down.
class TcxImageCommonResources : public TObject {
  VCL_CLASS(TcxImageCommonResources, TObject)
public:
  TcxImageCommonResources();
  ~TcxImageCommonResources() override;
  TcxImageList* PopupMenuImageList() const { return FPopupMenuImageList.get(); }
  // The list's glyph AIndex as a bitmap, transparent where the glyph is.
  void GetPopupMenuGlyph(int AIndex, TBitmap* AGlyph) const;

private:
  std::unique_ptr<TcxImageList> FPopupMenuImageList;
};
TcxImageCommonResources* cxImageCommonResourcesInstance();

class TcxCustomImageProperties : public TcxCustomEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomImageProperties, TcxCustomEditProperties)
public:
  explicit TcxCustomImageProperties(TPersistent* AOwner);
  ~TcxCustomImageProperties() override;

  // Shown where there is no picture.
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& AValue) { SetImageValue(FCaption, AValue); }
  bool Center() const { return FCenter; }
  void SetCenter(bool AValue) { SetImageValue(FCenter, AValue); }
  // The file dialogs' filter; empty: the graphic class's own.
  const String& CustomFilter() const { return FCustomFilter; }
  void SetCustomFilter(const String& AValue) { FCustomFilter = AValue; }
  TcxImageFitMode FitMode() const { return FFitMode; }
  void SetFitMode(TcxImageFitMode AValue) { SetImageValue(FFitMode, AValue); }
  TGraphicClass GraphicClass() const { return FGraphicClass; }
  void SetGraphicClass(TGraphicClass AValue) { SetImageValue(FGraphicClass, AValue); }
  String GraphicClassName() const { return FGraphicClass ? String(FGraphicClass->Name) : String(); }
  // A listed name (any case) sets that class, an unlisted one changes
  // nothing, an empty one sets none.
  void SetGraphicClassName(const String& AValue);
  TcxImageTransparency GraphicTransparency() const { return FGraphicTransparency; }
  void SetGraphicTransparency(TcxImageTransparency AValue);
  TcxPopupMenuLayout* PopupMenuLayout() const { return FPopupMenuLayout.get(); }
  void SetPopupMenuLayout(TcxPopupMenuLayout* AValue) { FPopupMenuLayout->Assign(AValue); }
  bool ShowFocusRect() const { return FShowFocusRect; }
  void SetShowFocusRect(bool AValue) { SetImageValue(FShowFocusRect, AValue); }
  // The look of the zoom bar the editor shows under the mouse.
  TdxCustomZoomTrackBarProperties* ZoomTrackBarProperties() const { return FZoomTrackBarProperties.get(); }
  // Both read and written through FitMode.
  bool Proportional() const { return FFitMode == ifmProportionalStretch || FFitMode == ifmFit; }
  void SetProportional(bool AValue) { SetFitMode(FitModeOf(AValue, Stretch())); }
  bool Stretch() const { return FFitMode == ifmStretch || FFitMode == ifmProportionalStretch; }
  void SetStretch(bool AValue) { SetFitMode(FitModeOf(Proportional(), AValue)); }

  virtual TGraphicClass DefaultGraphicClass() const;
  // GraphicClass; without one a bitmap when pasting, else none; then
  // OnGetGraphicClass may change it.
  virtual TGraphicClass GetGraphicClass(TObject* AItem, int ARecordIndex, bool APastingFromClipboard = false);

  TcxEditViewInfoClass GetViewInfoClass() const override;
  TcxEditViewDataClass ViewDataClass() const override;
  TcxCustomEditClass GetContainerClass() const override;
  bool SupportsValidation() override { return true; }
  bool IsResetEditClass() override { return true; }
  bool GetEditValueSource(bool) override { return true; }
  // Empty for no picture, else the Caption.
  String GetDisplayText(const Variant& AEditValue, bool AFullText = false, bool AIsInplace = true) override;
  TcxEditSpecialFeatures GetSpecialFeatures() override;
  TcxEditSupportedOperations GetSupportedOperations() override;
  void ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError, TcxCustomEdit* AEdit) override;

  TcxImageAssignPictureEvent OnAssignPicture;
  TNotifyEvent OnCustomClick;
  TcxImageGraphicClassEvent OnGetGraphicClass;

protected:
  void AssignSettings(TcxCustomEditProperties* Source) override;

private:
  friend class TcxCustomImage;
  static TcxImageFitMode FitModeOf(bool AProportional, bool AStretch);
  template <class T>
  void SetImageValue(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  String FCaption;
  bool FCenter = true;
  String FCustomFilter;
  TcxImageFitMode FFitMode = ifmFit;
  TGraphicClass FGraphicClass;
  TcxImageTransparency FGraphicTransparency = gtDefault;
  bool FNeedUpdateImage = false;
  std::unique_ptr<TcxPopupMenuLayout> FPopupMenuLayout;
  bool FShowFocusRect = true;
  std::unique_ptr<TdxCustomZoomTrackBarProperties> FZoomTrackBarProperties;
};

class TcxImageProperties : public TcxCustomImageProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxImageProperties, TcxCustomImageProperties)
public:
  using TcxCustomImageProperties::TcxCustomImageProperties;
};

// ---------------------------------------------------------------- view data and view info

class TcxImageViewInfo : public TcxCustomEditViewInfo {
  VCL_CREATABLE_CLASS(TcxImageViewInfo, TcxCustomEditViewInfo)
public:
  ~TcxImageViewInfo() override;
  // The picture's rectangle for the fit mode, zoom, centring and scroll.
  TRect PictureRect() const;
  // A picture of the view info's own (inplace drawing).
  TPicture* OwnPicture();
  // The zoom bar's layout, relative to ZoomTrackBarRect's corner.
  TdxCustomZoomTrackBarViewInfo* ZoomTrackBarViewInfo();

  String Caption;
  bool Center = true;
  TcxImageFitMode FitMode = ifmFit;
  TPicture* Picture = nullptr;
  bool ShowFocusRect = false;
  TPoint TopLeft;
  int ZoomPercent = 100;
  bool ShowZoomTrackBar = false;
  TRect ZoomTrackBarRect;

protected:
  void InternalPaint(TcxCanvas* ACanvas) override;

private:
  std::unique_ptr<TPicture> FFreePicture;
  std::unique_ptr<TdxCustomZoomTrackBarViewInfo> FZoomTrackBarViewInfo;
  friend class TcxImageViewData;
  // The bar's own style: the editor's look, no border.
  std::unique_ptr<TcxEditStyle> FZoomTrackBarStyle;
};

class TcxImageViewData : public TcxCustomEditViewData {
  VCL_CLASS(TcxImageViewData, TcxCustomEditViewData)
public:
  using TcxCustomEditViewData::TcxCustomEditViewData;
  TcxCustomImageProperties* Properties() const {
    return static_cast<TcxCustomImageProperties*>(TcxCustomEditViewData::Properties());
  }
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                 TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  // A host's cell: the value's picture loaded into the view info's own.
  void EditValueToDrawValue(const Variant& AEditValue, TcxCustomEditViewInfo* AViewInfo) override;
  TSize GetEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                           const TcxEditSizeProperties& AEditSizeProperties,
                           TcxEditValidateInfo* AErrorData = nullptr) override;

private:
  // Below the client's middle, at most 200 wide; shown while the mouse is
  // over an editor whose zoom applies.
  void CalculateZoomTrackBar(TcxCanvas* ACanvas, TcxImageViewInfo* AViewInfo, TcxCustomImage* AImage);
};

// ---------------------------------------------------------------- the control

class TcxCustomImage : public TcxCustomEdit, public IcxTrackBar {
  VCL_COMPONENT_CLASS(TcxCustomImage, TcxCustomEdit)
public:
  explicit TcxCustomImage(TComponent* AOwner) : TcxCustomImage(AOwner, false) {}
  TcxCustomImage(TComponent* AOwner, bool AIsInplace);
  ~TcxCustomImage() override;

  TcxCustomImageProperties* Properties() { return static_cast<TcxCustomImageProperties*>(InternalProperties()); }
  TcxCustomImageProperties* ActiveProperties() {
    return static_cast<TcxCustomImageProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxImageViewInfo* ViewInfo() { return static_cast<TcxImageViewInfo*>(TcxCustomEdit::ViewInfo()); }
  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* AValue) { FPicture->Assign(AValue); }
  TcxImageAnimationOptions* AnimationOptions() const { return FAnimationOptions.get(); }
  TcxImageZoomingOptions* ZoomingOptions() const { return FZoomingOptions.get(); }
  // The zoom in force: ZoomingOptions' in the normal fit mode, else 100.
  int ZoomPercent() const { return FZoomPercent; }
  // The scroll offset of a picture larger than the client.
  TPoint TopLeft() const { return FTopLeft; }
  uint32_t ClipboardFormat() const { return FClipboardFormat; }
  void SetClipboardFormat(uint32_t AValue) { FClipboardFormat = AValue; }

  void CopyToClipboard() override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  // The picture goes when editing is allowed.
  void DeletePicture();
  // The open- and save-picture dialogs of the menu.
  void LoadFromFile();
  void SaveToFile();
  // The camera dialog's frozen frame becomes the picture.
  void AssignFromCamera();
  void ZoomIn() { FZoomingOptions->ZoomIn(); }
  void ZoomOut() { FZoomingOptions->ZoomOut(); }

  // The menu the editor shows without a PopupMenu of its own, prepared for
  // the picture and the clipboard as they are now.
  TPopupMenu* PreparePopupMenu();

  // The zoom bar: shown while the mouse is over the editor, the options
  // ask for it and the zoom applies.
  bool IsZoomTrackBarShown();
  bool IsZoomApplied();

  // IcxTrackBar: the zoom bar, moved by its controller.
  TcxCustomTrackBarProperties* GetActiveProperties() override;
  bool IsInplace() override { return TcxCustomEdit::IsInplace(); }
  TPoint GetMouseDownPos() override { return FZoomTrackBarMouseDownPos; }
  int GetPosition() override { return FZoomingOptions->ZoomPercent(); }
  TcxCustomTrackBarProperties* GetProperties() override { return GetActiveProperties(); }
  TcxCustomTrackBarViewInfo* GetViewInfo() override;
  void SetPosition(int AValue) override { FZoomingOptions->SetZoomPercent(AValue); }

  // One of the editor's file dialogs is open.
  bool IsDialogShowed() const { return FIsDialogShowed; }

  TcxImageEditGraphicClassEvent OnGetGraphicClass;

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomImageProperties>();
  }
  virtual bool CanPasteFromClipboard();
  virtual void DoCustomMenuClick();
  virtual void FileLoaded() {}
  // The properties' class for this editor; then OnGetGraphicClass.
  virtual TGraphicClass GetEditGraphicClass(bool APastingFromClipboard);
  // A file name from the platform's open or save dialog; false when the
  // person cancels.
  virtual bool ExecuteFileDialog(bool ASave, const String& AFilter, const String& ADefaultExt, String& AFileName);
  // The camera dialog over the active form.
  virtual bool ExecuteCameraDialog(TPicture* APicture);

  void StoreEditValue(const Variant& Value, bool AFlag) override;
  void HandlePropertiesChanged(TObject* Sender) override;
  void DoContextPopup(const TPoint& MousePos, bool& Handled) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  bool NeedsAfterKeyDownEvent(uint16_t Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter(TControl* AControl) override;
  void MouseLeave(TControl* AControl) override;
  bool AllowMouseWheelScroll(TShiftState Shift, int ADelta, const TPoint& MousePos) override;
  bool ScrollByMouseWheel(TShiftState Shift, int ADelta, const TPoint& MousePos) override;
  void Resize() override;

private:
  void PictureChanged(TObject* Sender);
  // GraphicTransparency, unless it is the default, without a change report.
  void ApplyGraphicTransparency();
  void ZoomingOptionsChanged(TObject* Sender);
  // The zoom of the options (or 100), the client centre kept in place.
  void UpdateZoom();
  // Keeps the scroll offset inside the picture.
  void SetTopLeft(const TPoint& AValue);
  // The bar's range and steps from the zooming options.
  void UpdateZoomTrackBarRange();
  // P relative to the zoom bar's corner.
  TPoint ZoomTrackBarPoint(int X, int Y);
  bool IsOverZoomTrackBar(int X, int Y);
  // Centring off, the normal fit mode and a picture.
  bool CanScroll();
  // How far the zoomed picture reaches beyond the client.
  TSize ScrollRange();
  // Runs a person's command: editing asked first where it changes the
  // picture, changes marked as the person's.
  void RunUserAction(const std::function<void()>& AAction);
  void FireClosePopup(TcxEditCloseUpReason AReason);
  String FileFilter(TGraphicClass AGraphicClass);

  std::unique_ptr<TcxImageAnimationOptions> FAnimationOptions;
  uint32_t FClipboardFormat;
  std::unique_ptr<TPopupMenu> FEditPopupMenu;
  bool FIsDialogShowed = false;
  bool FIsMouseInControl = false;
  bool FIsUserAction = false;
  bool FStoringEditValue = false;
  TPoint FLastDragPos;
  std::unique_ptr<TPicture> FPicture;
  TPoint FTopLeft;
  int FZoomPercent = 100;
  std::unique_ptr<TcxImageZoomingOptions> FZoomingOptions;
  std::unique_ptr<TdxZoomTrackBarController> FZoomTrackBarController;
  TPoint FZoomTrackBarMouseDownPos;
  bool FZoomTrackBarSliding = false;
};

class TcxImage : public TcxCustomImage {
  VCL_COMPONENT_CLASS(TcxImage, TcxCustomImage)
public:
  explicit TcxImage(TComponent* AOwner) : TcxImage(AOwner, false) {}
  TcxImage(TComponent* AOwner, bool AIsInplace) : TcxCustomImage(AOwner, AIsInplace) {}
  TcxImageProperties* Properties() { return static_cast<TcxImageProperties*>(InternalProperties()); }
  TcxImageProperties* ActiveProperties() {
    return static_cast<TcxImageProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxImageProperties>();
  }
};

// Registers the image editor's properties; frees the graphic-class list and
// the menu glyphs at shut-down.
extern const TUnitEntry cxImageUnit;
