#pragma once
// The blob edit: a large value (a long text, a picture, an OLE object or
// raw data) shown in one line as a kind icon or a short text, and edited in
// a popup that holds a memo for text or an image editor for pictures, with
// OK and Cancel (or Close) in the popup's system panel.
#include <memory>

#include "components/editors-basic/cxButtons.h"
#include "components/editors-rich/cxImage.h"
#include "components/editors-rich/cxMemo.h"
#include "components/editors/cxDropDownEdit.h"

class TcxCustomBlobEdit;

enum class TcxBlobEditKind { bekAuto, bekMemo, bekPict, bekOle, bekBlob };
using enum TcxBlobEditKind;
// Spelled out in full (TcxBlobPaintStyle::bpsIcon): other units have a
// bpsDefault of their own.
enum class TcxBlobPaintStyle { bpsDefault, bpsIcon, bpsText };

// The process-wide kind icons, 16 x 13: blob, memo, picture and OLE, each
// empty then filled. Null before start-up built them.
TcxImageList* cxBlobKindImages();

// The text a closed blob edit shows for a value (see the paint styles);
// with AFullText a memo's whole string.
class TcxCustomBlobEditProperties;
String cxBlobMemoDisplayText(const Variant& AValue, TcxCustomBlobEditProperties* AProperties, bool AFullText);

// The popup's answer to a key: mrOk, mrCancel or mrNone; a key that
// closes is consumed (set to 0).
TModalResult cxBlobPopupKeyToModalResult(uint16_t& Key, TShiftState Shift, bool AReturnCloses,
                                         bool AAlwaysSaveData);

// ---------------------------------------------------------------- properties

class TcxCustomBlobEditProperties : public TcxCustomPopupEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomBlobEditProperties, TcxCustomPopupEditProperties)
public:
  explicit TcxCustomBlobEditProperties(TPersistent* AOwner);

  bool AlwaysSaveData() const { return FAlwaysSaveData; }
  void SetAlwaysSaveData(bool Value) { FAlwaysSaveData = Value; }
  bool ApplyStyleToButtons() const { return FApplyStyleToButtons; }
  void SetApplyStyleToButtons(bool Value) { FApplyStyleToButtons = Value; }
  TcxBlobEditKind BlobEditKind() const { return FBlobEditKind; }
  // The drop-down button becomes an arrow for memo and picture values and
  // an ellipsis for every other kind.
  void SetBlobEditKind(TcxBlobEditKind Value);
  TcxBlobPaintStyle BlobPaintStyle() const { return FBlobPaintStyle; }
  void SetBlobPaintStyle(TcxBlobPaintStyle Value);
  bool MemoAutoReplace() const { return FMemoAutoReplace; }
  void SetMemoAutoReplace(bool Value) { FMemoAutoReplace = Value; }
  TEditCharCase MemoCharCase() const { return FMemoCharCase; }
  void SetMemoCharCase(TEditCharCase Value) { FMemoCharCase = Value; }
  int MemoMaxLength() const { return FMemoMaxLength; }
  void SetMemoMaxLength(int Value) { FMemoMaxLength = Value; }
  bool MemoOEMConvert() const { return FMemoOEMConvert; }
  void SetMemoOEMConvert(bool Value) { FMemoOEMConvert = Value; }
  TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
  void SetMemoScrollBars(TScrollStyle Value) { FMemoScrollBars = Value; }
  bool MemoWantReturns() const { return FMemoWantReturns; }
  void SetMemoWantReturns(bool Value) { FMemoWantReturns = Value; }
  bool MemoWantTabs() const { return FMemoWantTabs; }
  void SetMemoWantTabs(bool Value) { FMemoWantTabs = Value; }
  bool MemoWordWrap() const { return FMemoWordWrap; }
  void SetMemoWordWrap(bool Value) { FMemoWordWrap = Value; }
  bool PictureAutoSize() const { return FPictureAutoSize; }
  void SetPictureAutoSize(bool Value) { FPictureAutoSize = Value; }
  const String& PictureFilter() const { return FPictureFilter; }
  void SetPictureFilter(const String& Value) { FPictureFilter = Value; }
  TGraphicClass PictureGraphicClass() const { return FPictureGraphicClass; }
  void SetPictureGraphicClass(TGraphicClass Value);
  String PictureGraphicClassName() const;
  // A listed name sets that class, an unknown one changes nothing, an
  // empty one sets none.
  void SetPictureGraphicClassName(const String& Value);
  TcxImageTransparency PictureTransparency() const { return FPictureTransparency; }
  void SetPictureTransparency(TcxImageTransparency Value) { FPictureTransparency = Value; }
  bool ShowExPopupItems() const { return FShowExPopupItems; }
  void SetShowExPopupItems(bool Value) { FShowExPopupItems = Value; }
  bool ShowPicturePopup() const { return FShowPicturePopup; }
  void SetShowPicturePopup(bool Value) { FShowPicturePopup = Value; }

  // The first class of the image editor's list, none when it is empty.
  virtual TGraphicClass InitialPictureGraphicClass() const;
  // Resolves an automatic kind from the default-values provider.
  void ResolveBlobEditKind();
  // PictureGraphicClass; without one a bitmap when pasting, else none;
  // then OnGetGraphicClass may change it.
  TGraphicClass ResolveGraphicClass(TObject* AItem, int ARecordIndex, bool APastingFromClipboard);

  bool SupportsValidation() override { return FBlobEditKind == bekMemo; }
  bool IsEditValueValid(Variant& EditValue, bool AEditFocused) override { return true; }
  bool UsesDisplayValue() override { return false; }
  TcxEditDisplayFormatOptions DisplayFormatOptions() override { return {}; }
  TcxEditSupportedOperations GetSupportedOperations() override;
  TcxEditSpecialFeatures GetSpecialFeatures() override;
  bool GetEditValueSource(bool AEditFocused) override;
  bool DropDownOnClick() override { return true; }
  TcxEditEditingStyle CurrentEditingStyle() override { return esNoEdit; }
  TcxCustomEditPopupWindowClass PopupWindowClass() const override;
  TcxCustomEditClass GetContainerClass() const override;
  TcxEditViewDataClass ViewDataClass() const override;
  TcxEditViewInfoClass GetViewInfoClass() const override;
  String GetDisplayText(const Variant& AEditValue, bool AFullText = false, bool AIsInplace = true) override;
  bool CompareDisplayValues(const Variant& AEditValue1, const Variant& AEditValue2) override;

  TcxImageAssignPictureEvent OnAssignPicture;
  TcxImageGraphicClassEvent OnGetGraphicClass;

  // A stream records a missing picture class, although a class is the default.
  void DefineProperties(TFiler* Filer) override;

protected:
  void AssignSettings(TcxCustomEditProperties* Source) override;

private:
  bool FAlwaysSaveData = true;
  bool FApplyStyleToButtons = true;
  TcxBlobEditKind FBlobEditKind = bekAuto;
  TcxBlobPaintStyle FBlobPaintStyle = TcxBlobPaintStyle::bpsIcon;
  bool FMemoAutoReplace = false;
  bool FMemoWantReturns = true;
  bool FMemoWantTabs = true;
  bool FMemoOEMConvert = false;
  bool FMemoWordWrap = true;
  int FMemoMaxLength = 0;
  TEditCharCase FMemoCharCase = ecNormal;
  TScrollStyle FMemoScrollBars = ssNone;
  bool FPictureAutoSize = true;
  String FPictureFilter;
  TGraphicClass FPictureGraphicClass;
  TcxImageTransparency FPictureTransparency = gtDefault;
  bool FShowExPopupItems = true;
  bool FShowPicturePopup = true;
};

class TcxBlobEditProperties : public TcxCustomBlobEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxBlobEditProperties, TcxCustomBlobEditProperties)
public:
  using TcxCustomBlobEditProperties::TcxCustomBlobEditProperties;
};

// ---------------------------------------------------------------- view data and view info

// The closed edit's look: the kind icon centred in the client, or the text.
class TcxBlobEditViewInfo : public TcxCustomTextEditViewInfo {
  VCL_CREATABLE_CLASS(TcxBlobEditViewInfo, TcxCustomTextEditViewInfo)
public:
  void Offset(int DX, int DY) override;
  bool NeedShowHint(TcxCanvas* ACanvas, const TPoint& P, const TRect& AVisibleBounds, String& AText,
                    bool& AIsMultiLine, TRect& ATextRect, int AMaxLineCount = 0) override;

  TRect IconRect;
  // -1: no icon.
  int ImageIndex = -1;
  // A memo shown as its text may hint at the rest of it.
  bool TextHints = false;

protected:
  void InternalPaint(TcxCanvas* ACanvas) override;
  TcxEditBackgroundPaintingStyle BackgroundPaintingKind() override;
};

class TcxBlobEditViewData : public TcxCustomDropDownEditViewData {
  VCL_CLASS(TcxBlobEditViewData, TcxCustomDropDownEditViewData)
public:
  using TcxCustomDropDownEditViewData::TcxCustomDropDownEditViewData;
  TcxCustomBlobEditProperties* Properties() const {
    return static_cast<TcxCustomBlobEditProperties*>(TcxCustomDropDownEditViewData::Properties());
  }
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                 TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  void EditValueToDrawValue(const Variant& AEditValue, TcxCustomEditViewInfo* AViewInfo) override;

protected:
  String BuildDisplayText(const Variant& AEditValue) override;
  void CalculateDrawTextFlags(TcxCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo) override;
};

// ---------------------------------------------------------------- popup contents

// The memo in the popup: its keys close the popup as the popup's buttons do.
class TcxPopupMemo : public TcxMemo {
  VCL_COMPONENT_CLASS(TcxPopupMemo, TcxMemo)
public:
  explicit TcxPopupMemo(TComponent* AOwner) : TcxMemo(AOwner) {}
  TcxCustomBlobEdit* BlobEdit() const { return FBlobEdit; }
  void SetBlobEdit(TcxCustomBlobEdit* Value) { FBlobEdit = Value; }

protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
  TcxCustomBlobEdit* FBlobEdit = nullptr;
};

// The image editor in the popup: Enter, Escape, F4 and Alt+arrows close it.
class TcxPopupImage : public TcxImage {
  VCL_COMPONENT_CLASS(TcxPopupImage, TcxImage)
public:
  explicit TcxPopupImage(TComponent* AOwner) : TcxImage(AOwner) {}
  TcxCustomBlobEdit* BlobEdit() const { return FBlobEdit; }
  void SetBlobEdit(TcxCustomBlobEdit* Value) { FBlobEdit = Value; }
  using TcxCustomImage::OnGetGraphicClass;

protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
  TcxCustomBlobEdit* FBlobEdit = nullptr;
};

// Typing into the closed edit reaches a popup memo only, and with
// MemoAutoReplace replaces its whole text.
class TcxBlobEditPopupWindow : public TcxPopupEditPopupWindow {
  VCL_CLASS(TcxBlobEditPopupWindow, TcxPopupEditPopupWindow)
public:
  using TcxPopupEditPopupWindow::TcxPopupEditPopupWindow;

protected:
  void ForwardChar(wchar_t ACh) override;
  void DoClosing() override;
};

// ---------------------------------------------------------------- the edit

class TcxCustomBlobEdit : public TcxCustomPopupEdit {
  VCL_COMPONENT_CLASS(TcxCustomBlobEdit, TcxCustomPopupEdit)
public:
  explicit TcxCustomBlobEdit(TComponent* AOwner) : TcxCustomBlobEdit(AOwner, false) {}
  TcxCustomBlobEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomPopupEdit(AOwner, AIsInplace) {}
  ~TcxCustomBlobEdit() override;

  TcxCustomBlobEditProperties* ActiveProperties() {
    return static_cast<TcxCustomBlobEditProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomBlobEditProperties* Properties() {
    return static_cast<TcxCustomBlobEditProperties*>(InternalProperties());
  }
  // The popup's memo or image once the popup was prepared; null otherwise.
  TcxCustomEdit* Storage() const { return FStorage.get(); }
  TcxButton* OkButton() const { return FOkButton.get(); }
  TcxButton* CancelButton() const { return FCancelButton.get(); }
  TSize GetPopupContentPreferredSize() override;
  // The graphic class for the popup image.
  TGraphicClass ResolveGraphicClass(bool APastingFromClipboard);

  TcxImageEditGraphicClassEvent OnGetGraphicClass;

protected:
  friend class TcxPopupMemo;
  friend class TcxPopupImage;
  friend class TcxBlobEditPopupWindow;
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomBlobEditProperties>();
  }
  // Sets up the edit after its properties exist (the constructors call it).
  void InitializeBlobEdit();
  bool IsEditClass() override { return false; }
  // The closed edit takes no typing, yet the popup's value may be written.
  bool IsEditingAllowed() override { return TcxCustomEdit::IsEditingAllowed(); }
  // The edit value is drawn, never the hidden inner window's text.
  void CalculateDrawValue(TcxCustomEditViewData* AViewData) override {
    TcxCustomEdit::CalculateDrawValue(AViewData);
  }
  // The edit only paints: its inner text window is kept out of sight.
  void AdjustInnerEditPosition() override;
  bool CanDropDown() override;
  void PreparePopup() override;
  TWinControl* PopupFocusTarget() override;
  void PositionPopupWindow() override;
  // The content, and the buttons beside the size grip (also after the
  // person resized the popup).
  void ArrangePopupContent(const TRect& AClientRect) override;
  void PopupWindowClosed(TObject* Sender) override;
  String GetCurrentDisplayText() override;
  void SynchronizeDisplayValue() override;
  void UpdateEditValueFromDisplay() override;
  void HandlePropertiesChanged(TObject* Sender) override;

  virtual void SetupPopupStorage();
  virtual void FreePopupStorage();
  virtual void HandleStorageEditing(TObject* Sender, bool& CanEdit);

  // What the popup holds now: the memo's text or the image's value while
  // it is open, else the edit value.
  Variant ReadEditingValue();
  // Writes the popup's value back when it changed and closing allows it.
  void SavePopupValue();

private:
  TcxPopupMemo* PopupMemo() const { return dynamic_cast<TcxPopupMemo*>(FStorage.get()); }
  TcxPopupImage* PopupImage() const { return dynamic_cast<TcxPopupImage*>(FStorage.get()); }
  void SetupMemo(TcxPopupMemo* AMemo);
  void SetupImage(TcxPopupImage* AImage);
  void SetupButtons();
  void PlaceButtons();
  TcxButton* PrepareButton(std::unique_ptr<TcxButton>& AButton, const String& ACaption, int AHeight);
  void StorageChanged(TObject* Sender);
  void ImageClosePopup(TObject* Sender, TcxEditCloseUpReason AReason);
  void FireAssignPicture(TPicture* APicture);
  // Read-only properties or no data: nothing can be saved.
  bool IsPopupReadOnly();

  int FButtonWidth = 0;
  std::unique_ptr<TcxButton> FCancelButton;
  std::unique_ptr<TcxButton> FOkButton;
  std::unique_ptr<TcxCustomEdit> FStorage;
};

class TcxBlobEdit : public TcxCustomBlobEdit {
  VCL_COMPONENT_CLASS(TcxBlobEdit, TcxCustomBlobEdit)
public:
  explicit TcxBlobEdit(TComponent* AOwner) : TcxBlobEdit(AOwner, false) {}
  TcxBlobEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomBlobEdit(AOwner, AIsInplace) { InitializeBlobEdit(); }
  TcxBlobEditProperties* Properties() { return static_cast<TcxBlobEditProperties*>(InternalProperties()); }
  TcxBlobEditProperties* ActiveProperties() {
    return static_cast<TcxBlobEditProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxBlobEditProperties>();
  }
};

// Builds the kind icons and registers the blob edit's properties; frees
// the icons at shut-down.
extern const TUnitEntry cxBlobEditUnit;
