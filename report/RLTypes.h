#pragma once
// The paper sizes a report page can have: size, description for paper
// lists and, where the printing platform knows the size, its paper code.
#include <array>
#include <cstdint>

#include "vcl/rtl/System.h"
#include "vcl/rtl/UnitStartup.h"

struct TRLPaperInfo {
  double Width = 0;   // millimetres
  double Height = 0;  // millimetres
  String Description;
  bool Emulated = true;    // the platform has no paper code for the size
  int32_t SystemCode = 0;  // DMPAPER_* of the device mode; 0 when emulated
};

// Indexed by the report's paper-size number.
constexpr int RLPaperInfoCount = 141;
extern std::array<TRLPaperInfo, RLPaperInfoCount> RLPaperInfoTable;

// Sets the three fields and marks the size emulated.
void RLSetPaperInfo(int Index, const String& Description, double Width, double Height);
// Gives the size the platform's paper code, so it is no longer emulated.
void RLSetPaperSystemCode(int Index, int32_t Code);

extern const TUnitEntry RLTypesUnit;
