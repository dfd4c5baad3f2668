// The editor unit's start-up and shut-down.
#include "components/editors/cxEdit.h"

void cxFreeEditPropertiesRegistry();

const TUnitEntry cxEditUnit{L"cxEdit", [] {}, [] { cxFreeEditPropertiesRegistry(); }};
