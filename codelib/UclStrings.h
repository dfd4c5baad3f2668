#pragma once
// Character tables of the system's ANSI code page, filled at start-up: the
// CT_CTYPE1 type word of each of the 256 characters and their lower-case,
// upper-case and reflected-case forms.
#include <array>
#include <cstdint>

#include "vcl/rtl/UnitStartup.h"

extern std::array<uint16_t, 256> AnsiCharTypes;
// Lower-case forms, then upper-case forms, then reflected case (the other
// case where a character has one, else the character itself).
extern std::array<uint8_t, 3 * 256> AnsiCaseMap;
constexpr int AnsiLoOffset = 0, AnsiUpOffset = 256, AnsiReOffset = 512;

void FillAnsiCharTypeTable();
void FillAnsiCaseMap();  // after the type table; once
bool AnsiCharIsUpper(uint8_t C);
bool AnsiCharIsLower(uint8_t C);

extern const TUnitEntry UclStringsUnit;
