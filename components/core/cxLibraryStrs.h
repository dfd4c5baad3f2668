#pragma once
// The base library's own resource strings, registered with the
// resource-strings repository under the library's product name.
#include "vcl/rtl/ResString.h"
#include "vcl/rtl/UnitStartup.h"

// The product under which the base library's units register their strings.
extern const wchar_t* const cxLibraryProductName;

extern TResStringRec scxCantCreateRegistryKey;
extern TResStringRec scxCantOpenRegistryKey;
extern TResStringRec scxErrorStoreObject;
extern TResStringRec scxConverterCantCreateStyleRepository;
extern TResStringRec scxBuiltInLookAndFeelStyles;
extern TResStringRec scxLockedStateText;
// The smart date-input vocabulary.
extern TResStringRec cxSDateToday;
extern TResStringRec cxSDateYesterday;
extern TResStringRec cxSDateTomorrow;
extern TResStringRec cxSDateSunday;
extern TResStringRec cxSDateMonday;
extern TResStringRec cxSDateTuesday;
extern TResStringRec cxSDateWednesday;
extern TResStringRec cxSDateThursday;
extern TResStringRec cxSDateFriday;
extern TResStringRec cxSDateSaturday;
extern TResStringRec cxSDateFirst;
extern TResStringRec cxSDateSecond;
extern TResStringRec cxSDateThird;
extern TResStringRec cxSDateFourth;
extern TResStringRec cxSDateFifth;
extern TResStringRec cxSDateSixth;
extern TResStringRec cxSDateSeventh;
extern TResStringRec cxSDateBOM;
extern TResStringRec cxSDateEOM;
extern TResStringRec cxSDateNow;

extern const TUnitEntry cxLibraryStrsUnit;
