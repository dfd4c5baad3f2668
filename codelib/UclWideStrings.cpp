#include "codelib/UclWideStrings.h"

#include "codelib/UclBase.h"
#include "codelib/UclUnitVersioning.h"

std::vector<uint16_t> WideCharTypes;
std::vector<wchar_t> WideCaseMap;

namespace {
bool WideCaseMapReady = false;
}

void FillStringCharTypeTable() {
  WideCharTypes.assign(0x10000, 0);
  for (int code = 0; code < 0x10000; ++code) {
    const auto c = static_cast<wchar_t>(code);
    WORD type = 0;
    GetStringTypeExW(LOCALE_USER_DEFAULT, CT_CTYPE1, &c, 1, &type);
    WideCharTypes[code] = type;
  }
}

bool WideCharIsUpper(wchar_t C) { return WideCharTypes[C] & C1_UPPER; }
bool WideCharIsLower(wchar_t C) { return WideCharTypes[C] & C1_LOWER; }

void FillStringCaseMap() {
  if (WideCaseMapReady) return;
  WideCaseMap.assign(3 * 0x10000, 0);
  for (int code = 0; code < 0x10000; ++code) {
    wchar_t lower = static_cast<wchar_t>(code), upper = static_cast<wchar_t>(code);
    CharLowerBuffW(&lower, 1);
    CharUpperBuffW(&upper, 1);
    const auto c = static_cast<wchar_t>(code);
    WideCaseMap[WideLoOffset + code] = lower;
    WideCaseMap[WideUpOffset + code] = upper;
    WideCaseMap[WideReOffset + code] = WideCharIsUpper(c) ? lower : WideCharIsLower(c) ? upper : c;
  }
  WideCaseMapReady = true;
}

const wchar_t* WideTextPos(const wchar_t* Text, const wchar_t* SubText) {
  if (!Text || !SubText || !*Text || !*SubText) return nullptr;
  for (const wchar_t* start = Text; *start; ++start) {
    const wchar_t* t = start;
    const wchar_t* s = SubText;
    while (*s && *t == *s) ++t, ++s;
    if (!*s) return start;
  }
  return nullptr;
}

namespace {

const TUnitVersionInfo UnitVersioning = UclUnitVersionInfo(UclCommonSource);

void UclWideStringsInitialize() {
  FillStringCharTypeTable();
  FillStringCaseMap();
  AddUnitVersionRecord(UclModuleInstance(), &UnitVersioning);
}

void UclWideStringsFinalize() { RemoveUnitVersionRecord(UclModuleInstance()); }

}  // namespace

const TUnitEntry UclWideStringsUnit{L"UclWideStrings", UclWideStringsInitialize, UclWideStringsFinalize};
