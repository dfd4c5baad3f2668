#pragma once
// The texts of the data layer (stream, index, provider-mode and grid-mode
// errors), registered with the resource-strings repository so that they can
// be listed and translated by name.
#include "vcl/rtl/ResString.h"
#include "vcl/rtl/UnitStartup.h"

class TdxProductResourceStrings;

// The product under which the data layer registers its strings.
extern const wchar_t* const cxDataProductName;

extern TResStringRec cxSDataReadError;
extern TResStringRec cxSDataWriteError;
extern TResStringRec cxSDataItemExistError;
extern TResStringRec cxSDataRecordIndexError;
extern TResStringRec cxSDataItemIndexError;
extern TResStringRec cxSDataProviderModeError;
extern TResStringRec cxSDataInvalidStreamFormat;
extern TResStringRec cxSDataRowIndexError;
extern TResStringRec cxSDataCustomDataSourceInvalidCompare;
extern TResStringRec cxSDBDetailFilterControllerNotFound;
extern TResStringRec cxSDBNotInGridMode;
extern TResStringRec cxSDBKeyFieldNotFound;

// Adds the twelve strings above to AProduct, in the order listed.
void cxRegisterDataResourceStrings(TdxProductResourceStrings* AProduct);

extern const TUnitEntry cxDataConstsUnit;
