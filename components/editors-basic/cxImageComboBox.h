#pragma once
// The image combo box: a fixed-list combo box whose items each pair a value
// with an image and a description. The edit value is the chosen item's
// Value; the editor and its list show the item's image and description.
// The chosen item is known only through the value: of two items with equal
// values the first always wins.
#include "components/editors/cxDropDownEdit.h"

enum class TcxImageAlign { iaLeft, iaRight };
using enum TcxImageAlign;

class TcxImageComboBoxItem : public TCollectionItem {
  VCL_COLLECTION_ITEM_CLASS(TcxImageComboBoxItem, TCollectionItem)
public:
  explicit TcxImageComboBoxItem(TCollection* ACollection);
  void Assign(TPersistent* Source) override;

  const String& Description() const { return FDescription; }
  void SetDescription(const String& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  intptr_t Tag() const { return FTag; }
  void SetTag(intptr_t Value) { FTag = Value; }
  const Variant& Value() const { return FValue; }
  // A change is one by the exact variant (type and value).
  void SetValue(const Variant& Value);

private:
  String FDescription;
  int FImageIndex = -1;
  intptr_t FTag = 0;
  Variant FValue = Null();
};

class TcxCustomImageComboBoxProperties;

// Every change reaches the owning properties' Changed.
class TcxImageComboBoxItems : public TOwnedCollection {
  VCL_CLASS(TcxImageComboBoxItems, TOwnedCollection)
public:
  explicit TcxImageComboBoxItems(TcxCustomImageComboBoxProperties* AOwner);
  TcxImageComboBoxItem* Add() { return static_cast<TcxImageComboBoxItem*>(TCollection::Add()); }
  TcxImageComboBoxItem* Items(int AIndex) const {
    return static_cast<TcxImageComboBoxItem*>(TCollection::Items(AIndex));
  }

protected:
  void Update(TCollectionItem* Item) override;
  // A new item takes its own index as image index while the images suffice.
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override;

private:
  TcxCustomImageComboBoxProperties* FProperties;
};

class TcxCustomImageComboBoxProperties : public TcxCustomComboBoxProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomImageComboBoxProperties, TcxCustomComboBoxProperties)
public:
  explicit TcxCustomImageComboBoxProperties(TPersistent* AOwner);
  ~TcxCustomImageComboBoxProperties() override;

  // The first item whose value equals AValue by cxVariantsEqualStrict (a
  // number matches its text, as values read from data often come as text);
  // null for none.
  TcxImageComboBoxItem* FindItemByValue(const Variant& AValue) const;
  // AItem's description (the default one for none) when AAlwaysText or
  // ShowDescriptions, and its image index (the default one for none).
  virtual void ResolveImageComboDisplayValue(TcxImageComboBoxItem* AItem, String& AText, bool AAlwaysText,
                                             int& AImageIndex);
  void GetImageComboBoxDisplayValue(const Variant& AEditValue, String& AText, int& AImageIndex);

  String GetDisplayText(const Variant& AEditValue, bool AFullText = false, bool AIsInplace = true) override;
  void PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditFocused) override;
  // The same description and, with images, the same image.
  bool CompareDisplayValues(const Variant& AEditValue1, const Variant& AEditValue2) override;
  bool IsEditValueValid(Variant&, bool) override { return true; }
  // Empty, or (with descriptions shown) an item's description in any letter case.
  bool IsDisplayValueValid(Variant& ADisplayValue, bool AEditFocused) override;
  bool GetEditValueSource(bool) override { return true; }  // the value, not the text
  TcxEditDisplayFormatOptions DisplayFormatOptions() override { return {}; }
  TcxEditSupportedOperations GetSupportedOperations() override;
  TcxClassFactory<TcxCustomTextEditLookupData, TPersistent*> LookupDataClassType() const override;
  TcxEditViewInfoClass GetViewInfoClass() const override;
  TcxEditViewDataClass ViewDataClass() const override;
  TcxCustomEditClass GetContainerClass() const override;

  const String& DefaultDescription() const { return FDefaultDescription; }
  void SetDefaultDescription(const String& Value) { SetImageComboValue(FDefaultDescription, Value); }
  int DefaultImageIndex() const { return FDefaultImageIndex; }
  void SetDefaultImageIndex(int Value) { SetImageComboValue(FDefaultImageIndex, Value); }
  TcxImageAlign ImageAlign() const { return FImageAlign; }
  void SetImageAlign(TcxImageAlign Value) { SetImageComboValue(FImageAlign, Value); }
  TcxImageComboBoxItems* Items() const { return FItems.get(); }
  // The drop-down list's images when set (the editor keeps Images).
  TCustomImageList* LargeImages() const { return FLargeImages; }
  void SetLargeImages(TCustomImageList* Value);
  TCustomImageList* ListImages() const { return FLargeImages ? FLargeImages : Images(); }
  // Descriptions wrap over several lines in the list.
  bool MultiLineText() const { return FMultiLineText; }
  void SetMultiLineText(bool Value) { SetImageComboValue(FMultiLineText, Value); }
  void SetItems(TcxImageComboBoxItems* Value);
  bool ShowDescriptions() const { return FShowDescriptions; }
  void SetShowDescriptions(bool Value) { SetImageComboValue(FShowDescriptions, Value); }

protected:
  void AssignSettings(TcxCustomEditProperties* Source) override;

private:
  template <class T>
  void SetImageComboValue(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  String FDefaultDescription;
  int FDefaultImageIndex = -1;
  TcxImageAlign FImageAlign = iaLeft;
  std::unique_ptr<TcxImageComboBoxItems> FItems;
  TCustomImageList* FLargeImages = nullptr;
  std::unique_ptr<TChangeLink> FLargeImagesChangeLink;
  std::unique_ptr<TcxFreeNotificator> FLargeImagesFreeNotificator;
  bool FMultiLineText = false;
  bool FShowDescriptions = true;
};

class TcxImageComboBoxProperties : public TcxCustomImageComboBoxProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxImageComboBoxProperties, TcxCustomImageComboBoxProperties)
public:
  using TcxCustomImageComboBoxProperties::TcxCustomImageComboBoxProperties;
};

// The list: each row the item's image beside its description, in one line
// or wrapped (rows then as high as their text needs, never scrolled sideways).
class TcxImageComboBoxListBox : public TcxCustomComboBoxListBox {
  VCL_COMPONENT_CLASS(TcxImageComboBoxListBox, TcxCustomComboBoxListBox)
public:
  explicit TcxImageComboBoxListBox(TComponent* AOwner) : TcxCustomComboBoxListBox(AOwner) {}
  int GetHeight(int ARowCount, int AMaxHeight) override;
  int GetItemHeight(int AIndex = -1) override;
  int GetItemWidth(int AIndex) override;
  // The image column and the widest description, and the scroll bar when
  // not every item fits in the drop-down rows.
  virtual int GetPreferredWidth();

protected:
  bool DoDrawItem(int AIndex, const TRect& ARect, TOwnerDrawState AState) override;
  String GetItemText(int AIndex) override;
  void CreateParams(TCreateParams& Params) override;

private:
  TcxCustomImageComboBoxProperties* ImageComboProperties() const;
  int MeasureRow(int AIndex);
  int SumRowHeights(int ARowCount);
  int FClientWidth = 0;
  bool FHasScrollbar = false;
};

// The lookup works on the descriptions; its current key follows the value
// being edited, never the text.
class TcxImageComboBoxLookupData : public TcxComboBoxLookupData {
  VCL_CLASS(TcxImageComboBoxLookupData, TcxComboBoxLookupData)
public:
  using TcxComboBoxLookupData::TcxComboBoxLookupData;
  void TextChanged() override;

protected:
  String ItemText(int AIndex) override;
  int ItemCount() override;
  TcxCustomEditListBoxClass ListBoxClassType() const override {
    return TcxCustomEditListBoxClass::Of<TcxImageComboBoxListBox>();
  }

private:
  TcxCustomImageComboBoxProperties* ImageComboProperties() const;
};

// The editor's image beside its description.
class TcxImageComboBoxViewInfo : public TcxCustomTextEditViewInfo {
  VCL_CREATABLE_CLASS(TcxImageComboBoxViewInfo, TcxCustomTextEditViewInfo)
public:
  void Offset(int DX, int DY) override;

  TRect ImageRect;
  bool ShowDescriptions = true;
  TcxImageAlign ImageAlign = iaLeft;
  int ImageIndex = -1;
  TCustomImageList* Images = nullptr;

protected:
  void InternalPaint(TcxCanvas* ACanvas) override;
};

class TcxImageComboBoxViewData : public TcxCustomDropDownEditViewData {
  VCL_CLASS(TcxImageComboBoxViewData, TcxCustomDropDownEditViewData)
public:
  using TcxCustomDropDownEditViewData::TcxCustomDropDownEditViewData;
  TcxCustomImageComboBoxProperties* ImageComboProperties() const {
    return static_cast<TcxCustomImageComboBoxProperties*>(Properties());
  }
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                 TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  void EditValueToDrawValue(const Variant& AEditValue, TcxCustomEditViewInfo* AViewInfo) override;
  void DisplayValueToDrawValue(const Variant& ADisplayValue, TcxCustomTextEditViewInfo* AViewInfo) override;

protected:
  // The frame is wider by the image and its gaps; the content at least as
  // tall as the image.
  void CalculateFrameAndMinContentSize(TcxCanvas* ACanvas, bool AIsInplace, TSize& ASize,
                                       TcxCustomEditViewInfo* AViewInfo, TSize& AMinContentSize,
                                       const TcxEditSizeProperties& AEditSizeProperties) override;
};

class TcxCustomImageComboBox : public TcxCustomComboBox {
  VCL_COMPONENT_CLASS(TcxCustomImageComboBox, TcxCustomComboBox)
public:
  explicit TcxCustomImageComboBox(TComponent* AOwner) : TcxCustomImageComboBox(AOwner, false) {}
  TcxCustomImageComboBox(TComponent* AOwner, bool AIsInplace) : TcxCustomComboBox(AOwner, AIsInplace) {}

  TcxCustomImageComboBoxProperties* ActiveProperties() {
    return static_cast<TcxCustomImageComboBoxProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomImageComboBoxProperties* Properties() {
    return static_cast<TcxCustomImageComboBoxProperties*>(InternalProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomImageComboBoxProperties>();
  }
  // The current item's value, whatever the text: Null for none.
  void PrepareEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool AEditFocused) override;
  Variant GetTypedEditValue() override;
  // Every character but a control character.
  bool IsValidChar(wchar_t AChar) override;
  // The text shown follows the current item, not the other way round: while
  // the text changes the lookup keeps its key (a search has just set it).
  void HandleTextChange() override;
  // After the text, the current item follows the new value; a change of
  // item clicks.
  void SynchronizeDisplayValue() override;
  // Wrapped rows take the popup's width; single lines at least the list's
  // preferred width.
  TSize GetPopupContentPreferredSize() override;

private:
  friend class TcxImageComboBoxLookupData;
  bool FTextChanging = false;
};

class TcxImageComboBox : public TcxCustomImageComboBox {
  VCL_COMPONENT_CLASS(TcxImageComboBox, TcxCustomImageComboBox)
public:
  explicit TcxImageComboBox(TComponent* AOwner) : TcxImageComboBox(AOwner, false) {}
  TcxImageComboBox(TComponent* AOwner, bool AIsInplace) : TcxCustomImageComboBox(AOwner, AIsInplace) {
    InitializeTextEdit();
  }
  TcxImageComboBoxProperties* Properties() {
    return static_cast<TcxImageComboBoxProperties*>(InternalProperties());
  }
  TcxImageComboBoxProperties* ActiveProperties() {
    return static_cast<TcxImageComboBoxProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxImageComboBoxProperties>();
  }
};

// A filter row's image combo box: a fixed list of the descriptions.
class TcxFilterImageComboBoxHelper : public TcxFilterComboBoxHelper {
  VCL_CLASS(TcxFilterImageComboBoxHelper, TcxFilterComboBoxHelper)
public:
  static const TcxFilterImageComboBoxHelper* Instance();
  TcxCustomEditClass GetFilterEditClass() const override;
  TcxFilterControlOperators GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                        const IcxFilterValueType* AValueType,
                                                        bool AExtendedSet = false) const override;
  void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                            bool AHasButtons) const override;
};

extern const TUnitEntry cxImageComboBoxUnit;
