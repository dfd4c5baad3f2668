#include "components/editors/cxEditUtils.h"

#include "components/controls/cxVariants.h"

uint32_t cxConvertTextOutFlags(uint32_t AFlags) {
  static const std::pair<uint32_t, uint32_t> map[] = {{0x1, DT_VCENTER},      {0x2, DT_RIGHT},
                                                      {0x10, DT_SINGLELINE},  {0x20, DT_WORDBREAK},
                                                      {0x100, DT_CALCRECT},   {0x200, DT_EXPANDTABS}};
  uint32_t result = 0;
  for (const auto& [flag, drawTextFlag] : map)
    if (AFlags & flag) result |= drawTextFlag;
  return result;
}

bool cxIsDigitChar(Char C) { return C >= L'0' && C <= L'9'; }

bool cxIsBlankChar(Char C) { return C == 0 || C == 9 || C == 10 || C == 12 || C == 13 || C == L' '; }

bool cxEditValuesEqual(const Variant& V1, const Variant& V2) {
  const bool comparable = (VarIsNumeric(V1) && VarIsNumeric(V2)) || VarType(V1) == VarType(V2) ||
                          (VarIsStr(V1) && VarIsStr(V2));
  return comparable && cxVariantsEqualStrict(V1, V2);
}

bool cxVarEqualsSameType(const Variant& V1, const Variant& V2) {
  return VarType(V1) == VarType(V2) && cxVariantsEqualStrict(V1, V2);
}

namespace {

// Reads the protected owner of any persistent.
struct TOwnerAccess : TPersistent {
  static TPersistent* OwnerOf(TPersistent* AObject) { return (AObject->*(&TOwnerAccess::GetOwner))(); }
};

}  // namespace

TComponent* cxFindOwnerComponent(TPersistent* AObject) {
  for (TPersistent* object = AObject; object; object = TOwnerAccess::OwnerOf(object))
    if (auto* component = dynamic_cast<TComponent*>(object)) return component;
  return nullptr;
}

void cxSendMouseMessage(TWinControl* AControl, UINT AMessage, TShiftState AShift, const TPoint& P) {
  WPARAM keys = 0;
  if (AShift.Contains(ssShift)) keys |= MK_SHIFT;
  if (AShift.Contains(ssCtrl)) keys |= MK_CONTROL;
  if (AShift.Contains(ssLeft)) keys |= MK_LBUTTON;
  if (AShift.Contains(ssRight)) keys |= MK_RBUTTON;
  if (AShift.Contains(ssMiddle)) keys |= MK_MBUTTON;
  SendMessageW(AControl->Handle(), AMessage, keys, MAKELPARAM(P.X, P.Y));
}

void cxSendKeyDown(TWinControl* AControl, uint16_t AKey) { SendMessageW(AControl->Handle(), WM_KEYDOWN, AKey, 0); }

void cxSendKeyPress(TWinControl* AControl, Char AKey) { SendMessageW(AControl->Handle(), WM_CHAR, AKey, 0); }

void cxUniteRegion(HRGN ADestination, HRGN ASource) { CombineRgn(ADestination, ADestination, ASource, RGN_OR); }
