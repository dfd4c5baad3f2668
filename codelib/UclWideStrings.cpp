#include "codelib/UclWideStrings.h"

#include "codelib/UclBase.h"
#include "codelib/UclUnitVersioning.h"

TWideCharTable<uint16_t> WideCharTypes(FillStringCharTypeTable);
TWideCharTable<wchar_t> WideCaseMap(FillStringCaseMap);

namespace {

// Every UTF-16 code unit in order, so each table is filled by one platform call.
std::vector<wchar_t> AllWideCharacters() {
  std::vector<wchar_t> all(0x10000);
  for (int code = 0; code < 0x10000; ++code) all[code] = static_cast<wchar_t>(code);
  return all;
}
}  // namespace

void FillStringCharTypeTable() {
  std::vector<uint16_t>& types = WideCharTypes.Entries();
  types.assign(0x10000, 0);
  const std::vector<wchar_t> all = AllWideCharacters();
  GetStringTypeExW(LOCALE_USER_DEFAULT, CT_CTYPE1, all.data(), static_cast<int>(all.size()), types.data());
}

bool WideCharIsUpper(wchar_t C) { return WideCharTypes[C] & C1_UPPER; }
bool WideCharIsLower(wchar_t C) { return WideCharTypes[C] & C1_LOWER; }

void FillStringCaseMap() {
  std::vector<wchar_t>& map = WideCaseMap.Entries();
  map.assign(3 * 0x10000, 0);
  std::vector<wchar_t> lower = AllWideCharacters(), upper = lower;
  CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
  CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
  for (int code = 0; code < 0x10000; ++code) {
    const auto c = static_cast<wchar_t>(code);
    map[WideLoOffset + code] = lower[code];
    map[WideUpOffset + code] = upper[code];
    map[WideReOffset + code] = WideCharIsUpper(c) ? lower[code] : WideCharIsLower(c) ? upper[code] : c;
  }
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
  AddUnitVersionRecord(UclModuleInstance(), &UnitVersioning);
}

void UclWideStringsFinalize() { RemoveUnitVersionRecord(UclModuleInstance()); }

}  // namespace

const TUnitEntry UclWideStringsUnit{L"UclWideStrings", UclWideStringsInitialize, UclWideStringsFinalize};
