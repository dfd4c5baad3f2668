// The button edit's default button and its registration.
#include "components/editors-basic/cxButtonEdit.h"

#include "components/core/dxCore.h"
#include "components/editors/cxEditConsts.h"

TcxCustomButtonEditProperties::TcxCustomButtonEditProperties(TPersistent* AOwner)
    : TcxCustomMaskEditProperties(AOwner) {
  TcxEditButton* button = Buttons()->Add();
  button->SetKind(bkEllipsis);
  button->SetDefault(true);
}

TcxCustomEditClass TcxCustomButtonEditProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxButtonEdit>();
}

// No filter helper of its own: filter rows take the mask edit's through
// the class tree.
const TUnitEntry cxButtonEditUnit{L"cxButtonEdit",
                                  [] {
                                    cxEditPropertiesRegistry()->Register(
                                        TcxButtonEditProperties::StaticClass(),
                                        dxTranslatedResString(scxSEditRepositoryButtonItem));
                                  },
                                  [] {
                                    cxEditPropertiesRegistry()->Unregister(TcxButtonEditProperties::StaticClass());
                                  }};
