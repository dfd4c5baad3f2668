#pragma once
// Small helpers the editors share: text-output flags, character tests,
// value comparison, the owning component, synthetic key and mouse input and
// region union.
#include "components/core/cxGraphics.h"
#include "vcl/controls/Controls.h"
#include "vcl/rtl/Variants.h"

// Library text-output flags to DrawText flags: 0x1 vertical centre, 0x2
// right, 0x10 single line, 0x20 word break, 0x100 calculate, 0x200 tabs.
uint32_t cxConvertTextOutFlags(uint32_t AFlags);
bool cxIsDigitChar(Char C);
bool cxIsBlankChar(Char C);
// Numbers compare across their kinds, other values only with their own.
bool cxEditValuesEqual(const Variant& V1, const Variant& V2);
bool cxVarEqualsSameType(const Variant& V1, const Variant& V2);
// The object itself or the first component up its owner chain; null when none.
TComponent* cxFindOwnerComponent(TPersistent* AObject);
// Sent to the control's window: the key flags of AShift in wParam, the
// point in lParam.
void cxSendMouseMessage(TWinControl* AControl, UINT AMessage, TShiftState AShift, const TPoint& P);
void cxSendKeyDown(TWinControl* AControl, uint16_t AKey);
void cxSendKeyPress(TWinControl* AControl, Char AKey);
// ADestination becomes the union of both.
void cxUniteRegion(HRGN ADestination, HRGN ASource);
