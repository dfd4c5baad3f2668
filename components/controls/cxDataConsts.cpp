#include "components/controls/cxDataConsts.h"

#include "components/core/dxCore.h"

const wchar_t* const cxDataProductName = L"Data Controller";

TResStringRec cxSDataReadError{L"Stream read error"};
TResStringRec cxSDataWriteError{L"Stream write error"};
TResStringRec cxSDataItemExistError{L"Item already exists"};
TResStringRec cxSDataRecordIndexError{L"RecordIndex out of range"};
TResStringRec cxSDataItemIndexError{L"ItemIndex out of range"};
TResStringRec cxSDataProviderModeError{L"This operation is not supported in provider mode"};
TResStringRec cxSDataInvalidStreamFormat{L"Invalid stream format"};
TResStringRec cxSDataRowIndexError{L"RowIndex out of range"};
TResStringRec cxSDataCustomDataSourceInvalidCompare{L"GetInfoForCompare not implemented"};
TResStringRec cxSDBDetailFilterControllerNotFound{L"DetailFilterController not found"};
TResStringRec cxSDBNotInGridMode{L"DataController not in GridMode"};
TResStringRec cxSDBKeyFieldNotFound{L"Key Field not found"};

#define CX_ADD_RES_STRING(Name) AProduct->Add(VCL_WSTR_(Name), &Name)

void cxRegisterDataResourceStrings(TdxProductResourceStrings* AProduct) {
  CX_ADD_RES_STRING(cxSDataReadError);
  CX_ADD_RES_STRING(cxSDataWriteError);
  CX_ADD_RES_STRING(cxSDataItemExistError);
  CX_ADD_RES_STRING(cxSDataRecordIndexError);
  CX_ADD_RES_STRING(cxSDataItemIndexError);
  CX_ADD_RES_STRING(cxSDataProviderModeError);
  CX_ADD_RES_STRING(cxSDataInvalidStreamFormat);
  CX_ADD_RES_STRING(cxSDataRowIndexError);
  CX_ADD_RES_STRING(cxSDataCustomDataSourceInvalidCompare);
  CX_ADD_RES_STRING(cxSDBDetailFilterControllerNotFound);
  CX_ADD_RES_STRING(cxSDBNotInGridMode);
  CX_ADD_RES_STRING(cxSDBKeyFieldNotFound);
}

#undef CX_ADD_RES_STRING

namespace {

void Initialize() {
  if (TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance())
    repository->RegisterProduct(cxDataProductName, cxRegisterDataResourceStrings);
}

void Finalize() {
  if (TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance())
    repository->UnRegisterProduct(cxDataProductName);
}

}  // namespace

const TUnitEntry cxDataConstsUnit{L"cxDataConsts", Initialize, Finalize};
