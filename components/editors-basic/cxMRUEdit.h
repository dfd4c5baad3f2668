#pragma once
// The most-recently-used edit: a combo box whose list is a history. Every
// value the person confirms moves to the top of the list (a new one is
// inserted there), the list is cut to MaxItemCount, and an ellipsis button
// raises an event of its own.
#include "components/editors/cxDropDownEdit.h"

class TcxCustomMRUEditProperties;

using TcxMRUEditDeleteLookupItemEvent = std::function<void(TcxCustomMRUEditProperties* AProperties, int AItemIndex)>;

class TcxCustomMRUEditProperties : public TcxCustomComboBoxProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomMRUEditProperties, TcxCustomComboBoxProperties)
public:
  explicit TcxCustomMRUEditProperties(TPersistent* AOwner);

  // The text at the top of the history, telling OnNewLookupDisplayText of a
  // new one.
  void AddItem(const String& AItem) { InsertLookupItem(AItem, true); }
  // OnNewLookupDisplayText with the properties as sender.
  virtual void NotifyNewLookupItem(const String& AText);
  // An empty text does nothing; a known one (compared as the list compares,
  // without case by default) moves to the top keeping its letters; a new
  // one is inserted there and the list cut to MaxItemCount.
  virtual void InsertLookupItem(const String& AText, bool ANotify);
  // A repository item's history reaches the editors that use it.
  void Update(TcxCustomEditProperties* AProperties) override;

  // 0: no limit; a negative count is 0. Lowering it cuts the list at once.
  int MaxItemCount() const { return FMaxItemCount; }
  void SetMaxItemCount(int Value);
  bool ShowEllipsis() const { return FShowEllipsis; }
  void SetShowEllipsis(bool Value);

  // The ellipsis button's own event (it hides the generic button event,
  // which no button of this editor raises).
  TNotifyEvent OnButtonClick;
  // Before an item is cut off the end.
  TcxMRUEditDeleteLookupItemEvent OnDeleteLookupItem;

  TcxCustomEditClass GetContainerClass() const override;

protected:
  void AssignSettings(TcxCustomEditProperties* Source) override;

private:
  void TrimToMaxItemCount();
  int FMaxItemCount = 0;
  bool FShowEllipsis = true;
};

class TcxMRUEditProperties : public TcxCustomMRUEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxMRUEditProperties, TcxCustomMRUEditProperties)
public:
  using TcxCustomMRUEditProperties::TcxCustomMRUEditProperties;
};

class TcxCustomMRUEdit : public TcxCustomComboBox {
  VCL_COMPONENT_CLASS(TcxCustomMRUEdit, TcxCustomComboBox)
public:
  explicit TcxCustomMRUEdit(TComponent* AOwner) : TcxCustomMRUEdit(AOwner, false) {}
  TcxCustomMRUEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomComboBox(AOwner, AIsInplace) {}

  TcxCustomMRUEditProperties* ActiveProperties() {
    return static_cast<TcxCustomMRUEditProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomMRUEditProperties* Properties() {
    return static_cast<TcxCustomMRUEditProperties*>(InternalProperties());
  }
  // Value at the top of the history; a new one first raises the editor's
  // OnNewLookupDisplayText.
  virtual void AddItem(const String& Value);

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomMRUEditProperties>();
  }
  void HandleEditKeyDown(uint16_t& Key, TShiftState Shift) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) override;
  // A chosen item joins the history; one stepped to by keys or the wheel
  // does not.
  void ApplyLookupSelection(TObject* Sender) override;
  bool ValidateEditByOptions(bool AForce) override;
  // Only the ellipsis button raises an event: the properties' own.
  void FireButtonClick(int AButtonIndex) override;
  void HandlePropertiesChanged(TObject* Sender) override;

private:
  // The button carrying the glyph shows it, else the ellipsis or the arrow.
  void SyncGlyphButtonKind();
  // Keys or the wheel step through the items.
  bool FStepping = false;
};

class TcxMRUEdit : public TcxCustomMRUEdit {
  VCL_COMPONENT_CLASS(TcxMRUEdit, TcxCustomMRUEdit)
public:
  explicit TcxMRUEdit(TComponent* AOwner) : TcxMRUEdit(AOwner, false) {}
  TcxMRUEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomMRUEdit(AOwner, AIsInplace) { InitializeTextEdit(); }
  TcxMRUEditProperties* Properties() { return static_cast<TcxMRUEditProperties*>(InternalProperties()); }
  TcxMRUEditProperties* ActiveProperties() {
    return static_cast<TcxMRUEditProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxMRUEditProperties>();
  }
};

extern const TUnitEntry cxMRUEditUnit;
