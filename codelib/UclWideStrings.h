#pragma once
// Character tables of all 65,536 UTF-16 code units, filled on their first
// read (the platform calls behind them take a while), and a substring search
// in wide texts.
#include <cstdint>
#include <mutex>
#include <vector>

#include "vcl/rtl/UnitStartup.h"

// A table that its fill function makes on the first read; a fill called
// directly makes it again.
template <typename T>
class TWideCharTable {
 public:
  explicit TWideCharTable(void (*Fill)()) : FFill(Fill) {}
  T operator[](size_t Index) const {
    std::call_once(FFilled, FFill);
    return FEntries[Index];
  }
  // For the fill function only.
  std::vector<T>& Entries() { return FEntries; }

 private:
  void (*FFill)();
  mutable std::once_flag FFilled;
  std::vector<T> FEntries;
};

extern TWideCharTable<uint16_t> WideCharTypes;  // 65,536 CT_CTYPE1 words
// Lower-case, upper-case and reflected-case forms, 65,536 each.
extern TWideCharTable<wchar_t> WideCaseMap;
constexpr int WideLoOffset = 0, WideUpOffset = 0x10000, WideReOffset = 0x20000;

void FillStringCharTypeTable();
void FillStringCaseMap();
bool WideCharIsUpper(wchar_t C);
bool WideCharIsLower(wchar_t C);

// The first place in Text where SubText begins; null when either is null
// or empty, or SubText does not occur.
const wchar_t* WideTextPos(const wchar_t* Text, const wchar_t* SubText);

extern const TUnitEntry UclWideStringsUnit;
