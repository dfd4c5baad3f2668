#include "codelib/UclStrings.h"

#include "codelib/UclBase.h"
#include "codelib/UclUnitVersioning.h"

std::array<uint16_t, 256> AnsiCharTypes;
std::array<uint8_t, 3 * 256> AnsiCaseMap;

namespace {
bool AnsiCaseMapReady = false;
}

void FillAnsiCharTypeTable() {
  for (int code = 0; code < 256; ++code) {
    const char c = static_cast<char>(code);
    WORD type = 0;
    GetStringTypeExA(LOCALE_USER_DEFAULT, CT_CTYPE1, &c, 1, &type);
    AnsiCharTypes[code] = type;
  }
}

bool AnsiCharIsUpper(uint8_t C) { return AnsiCharTypes[C] & C1_UPPER; }
bool AnsiCharIsLower(uint8_t C) { return AnsiCharTypes[C] & C1_LOWER; }

void FillAnsiCaseMap() {
  if (AnsiCaseMapReady) return;
  for (int code = 0; code < 256; ++code) {
    char lower = static_cast<char>(code), upper = static_cast<char>(code);
    CharLowerBuffA(&lower, 1);
    CharUpperBuffA(&upper, 1);
    const auto c = static_cast<uint8_t>(code);
    AnsiCaseMap[AnsiLoOffset + code] = static_cast<uint8_t>(lower);
    AnsiCaseMap[AnsiUpOffset + code] = static_cast<uint8_t>(upper);
    AnsiCaseMap[AnsiReOffset + code] = AnsiCharIsUpper(c)   ? static_cast<uint8_t>(lower)
                                       : AnsiCharIsLower(c) ? static_cast<uint8_t>(upper)
                                                            : c;
  }
  AnsiCaseMapReady = true;
}

namespace {

const TUnitVersionInfo UnitVersioning = UclUnitVersionInfo(UclCommonSource);

void UclStringsInitialize() {
  FillAnsiCharTypeTable();
  FillAnsiCaseMap();
  AddUnitVersionRecord(UclModuleInstance(), &UnitVersioning);
}

void UclStringsFinalize() { RemoveUnitVersionRecord(UclModuleInstance()); }

}  // namespace

const TUnitEntry UclStringsUnit{L"UclStrings", UclStringsInitialize, UclStringsFinalize};
