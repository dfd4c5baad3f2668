#include "components/core/cxLibraryStrs.h"

#include "components/core/dxCore.h"

const wchar_t* const cxLibraryProductName = L"Component Library";

TResStringRec scxCantCreateRegistryKey{L"Can't create the registry key: \\%s"};
TResStringRec scxCantOpenRegistryKey{L"Can't open the registry key: \\%s"};
TResStringRec scxErrorStoreObject{L"Error store %s object"};
TResStringRec scxConverterCantCreateStyleRepository{L"Can't create the Style Repository"};
TResStringRec scxBuiltInLookAndFeelStyles{L"Built-In Look && Feel Styles"};
TResStringRec scxLockedStateText{L"Please wait..."};
TResStringRec cxSDateToday{L"today"};
TResStringRec cxSDateYesterday{L"yesterday"};
TResStringRec cxSDateTomorrow{L"tomorrow"};
TResStringRec cxSDateSunday{L"Sunday"};
TResStringRec cxSDateMonday{L"Monday"};
TResStringRec cxSDateTuesday{L"Tuesday"};
TResStringRec cxSDateWednesday{L"Wednesday"};
TResStringRec cxSDateThursday{L"Thursday"};
TResStringRec cxSDateFriday{L"Friday"};
TResStringRec cxSDateSaturday{L"Saturday"};
TResStringRec cxSDateFirst{L"first"};
TResStringRec cxSDateSecond{L"second"};
TResStringRec cxSDateThird{L"third"};
TResStringRec cxSDateFourth{L"fourth"};
TResStringRec cxSDateFifth{L"fifth"};
TResStringRec cxSDateSixth{L"sixth"};
TResStringRec cxSDateSeventh{L"seventh"};
TResStringRec cxSDateBOM{L"bom"};
TResStringRec cxSDateEOM{L"eom"};
TResStringRec cxSDateNow{L"now"};

namespace {

#define CX_ADD_RES_STRING(Name) AProduct->Add(VCL_WSTR_(Name), &Name)

void AddcxLibraryResourceStringNames(TdxProductResourceStrings* AProduct) {
  CX_ADD_RES_STRING(scxCantCreateRegistryKey);
  CX_ADD_RES_STRING(scxCantOpenRegistryKey);
  CX_ADD_RES_STRING(scxErrorStoreObject);
  CX_ADD_RES_STRING(scxConverterCantCreateStyleRepository);
  CX_ADD_RES_STRING(scxBuiltInLookAndFeelStyles);
  CX_ADD_RES_STRING(scxLockedStateText);
  CX_ADD_RES_STRING(cxSDateToday);
  CX_ADD_RES_STRING(cxSDateYesterday);
  CX_ADD_RES_STRING(cxSDateTomorrow);
  CX_ADD_RES_STRING(cxSDateSunday);
  CX_ADD_RES_STRING(cxSDateMonday);
  CX_ADD_RES_STRING(cxSDateTuesday);
  CX_ADD_RES_STRING(cxSDateWednesday);
  CX_ADD_RES_STRING(cxSDateThursday);
  CX_ADD_RES_STRING(cxSDateFriday);
  CX_ADD_RES_STRING(cxSDateSaturday);
  CX_ADD_RES_STRING(cxSDateFirst);
  CX_ADD_RES_STRING(cxSDateSecond);
  CX_ADD_RES_STRING(cxSDateThird);
  CX_ADD_RES_STRING(cxSDateFourth);
  CX_ADD_RES_STRING(cxSDateFifth);
  CX_ADD_RES_STRING(cxSDateSixth);
  CX_ADD_RES_STRING(cxSDateSeventh);
  CX_ADD_RES_STRING(cxSDateBOM);
  CX_ADD_RES_STRING(cxSDateEOM);
  CX_ADD_RES_STRING(cxSDateNow);
}

#undef CX_ADD_RES_STRING

void cxLibraryStrsInitialize() {
  if (TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance())
    repository->RegisterProduct(cxLibraryProductName, AddcxLibraryResourceStringNames);
}

void cxLibraryStrsFinalize() {
  if (TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance())
    repository->UnRegisterProduct(cxLibraryProductName);
}

}  // namespace

const TUnitEntry cxLibraryStrsUnit{L"cxLibraryStrs", cxLibraryStrsInitialize, cxLibraryStrsFinalize};
