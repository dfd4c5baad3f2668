#pragma once
// The button edit: a masked text editor that starts with one ellipsis
// button, the default one, so that the click key presses it; a click on
// any of its buttons raises the properties' OnButtonClick.
#include "components/editors/cxMaskEdit.h"

class TcxCustomButtonEditProperties : public TcxCustomMaskEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomButtonEditProperties, TcxCustomMaskEditProperties)
public:
  explicit TcxCustomButtonEditProperties(TPersistent* AOwner);
  TcxCustomEditClass GetContainerClass() const override;
};

class TcxButtonEditProperties : public TcxCustomButtonEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxButtonEditProperties, TcxCustomButtonEditProperties)
public:
  using TcxCustomButtonEditProperties::TcxCustomButtonEditProperties;
};

class TcxCustomButtonEdit : public TcxCustomMaskEdit {
  VCL_COMPONENT_CLASS(TcxCustomButtonEdit, TcxCustomMaskEdit)
public:
  explicit TcxCustomButtonEdit(TComponent* AOwner) : TcxCustomButtonEdit(AOwner, false) {}
  TcxCustomButtonEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomMaskEdit(AOwner, AIsInplace) {}
  TcxCustomButtonEditProperties* ActiveProperties() {
    return static_cast<TcxCustomButtonEditProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomButtonEditProperties* Properties() {
    return static_cast<TcxCustomButtonEditProperties*>(InternalProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomButtonEditProperties>();
  }
};

class TcxButtonEdit : public TcxCustomButtonEdit {
  VCL_COMPONENT_CLASS(TcxButtonEdit, TcxCustomButtonEdit)
public:
  explicit TcxButtonEdit(TComponent* AOwner) : TcxButtonEdit(AOwner, false) {}
  TcxButtonEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomButtonEdit(AOwner, AIsInplace) {
    InitializeTextEdit();
  }
  TcxButtonEditProperties* Properties() { return static_cast<TcxButtonEditProperties*>(InternalProperties()); }
  TcxButtonEditProperties* ActiveProperties() {
    return static_cast<TcxButtonEditProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxButtonEditProperties>();
  }
};

extern const TUnitEntry cxButtonEditUnit;
