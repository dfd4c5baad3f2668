#pragma once
// Locale-aware comparison of wide texts: the platform's own comparison on
// the NT family, the ANSI one of the locale's code page elsewhere.
#include <cstdint>

#include "vcl/rtl/System.h"
#include "vcl/rtl/UnitStartup.h"

class TUclCriticalSection;

// -1, 0 or 1 ignoring case; -2 when the platform cannot compare.
using TUnicodeCompareFunction = int (*)(const String& A, const String& B, uint32_t Locale);
extern TUnicodeCompareFunction UnicodeCompareFunction;
extern TUclCriticalSection* UnicodeDataLock;

// The locale's ANSI code page, or the system's when the locale names none.
uint32_t CodePageOfLocale(uint32_t Locale);
int CompareWideTextNative(const String& A, const String& B, uint32_t Locale);
int CompareWideTextAnsi(const String& A, const String& B, uint32_t Locale);

void PrepareUnicodeCategoryData();
void ReleaseUnicodeData();

extern const TUnitEntry UclUnicodeUnit;
