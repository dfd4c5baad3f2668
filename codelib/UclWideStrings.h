#pragma once
// Character tables of all 65,536 UTF-16 code units, filled at start-up
// like the ANSI ones, and a substring search in wide texts.
#include <cstdint>
#include <vector>

#include "vcl/rtl/UnitStartup.h"

extern std::vector<uint16_t> WideCharTypes;  // 65,536 CT_CTYPE1 words
// Lower-case, upper-case and reflected-case forms, 65,536 each.
extern std::vector<wchar_t> WideCaseMap;
constexpr int WideLoOffset = 0, WideUpOffset = 0x10000, WideReOffset = 0x20000;

void FillStringCharTypeTable();
void FillStringCaseMap();  // after the type table; once
bool WideCharIsUpper(wchar_t C);
bool WideCharIsLower(wchar_t C);

// The first place in Text where SubText begins; null when either is null
// or empty, or SubText does not occur.
const wchar_t* WideTextPos(const wchar_t* Text, const wchar_t* SubText);

extern const TUnitEntry UclWideStringsUnit;
