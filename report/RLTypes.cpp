#include "report/RLTypes.h"

#include "vcl/rtl/WinApi.h"

std::array<TRLPaperInfo, RLPaperInfoCount> RLPaperInfoTable;

void RLSetPaperInfo(int Index, const String& Description, double Width, double Height) {
  TRLPaperInfo& info = RLPaperInfoTable.at(Index);
  info.Description = Description;
  info.Width = Width;
  info.Height = Height;
  info.Emulated = true;
}

void RLSetPaperSystemCode(int Index, int32_t Code) {
  TRLPaperInfo& info = RLPaperInfoTable.at(Index);
  info.SystemCode = Code;
  info.Emulated = false;
}

namespace {

struct TPaperSize {
  const wchar_t* Description;
  double Width, Height;
};

// In paper-size number order. The sizes that carry a platform paper code
// are the platform's own for that code.
const TPaperSize PaperSizes[RLPaperInfoCount] = {
    {L"A0 841 x 1189 mm", 841, 1189},
    {L"A1 594 x 841 mm", 594, 841},
    {L"A2 420 x 594 mm", 420, 594},
    {L"A3 297 x 420 mm", 297, 420},
    {L"A4 210 x 297 mm", 210, 297},
    {L"A5 148 x 210 mm", 148, 210},
    {L"A6 105 x 148 mm", 105, 148},
    {L"A7 74 x 105 mm", 74, 105},
    {L"A8 52 x 74 mm", 52, 74},
    {L"A9 37 x 52 mm", 37, 52},
    {L"A10 26 x 37 mm", 26, 37},
    {L"B0 1000 x 1414 mm", 1000, 1414},
    {L"B1 707 x 1000 mm", 707, 1000},
    {L"B2 500 x 707 mm", 500, 707},
    {L"B3 353 x 500 mm", 353, 500},
    {L"B4 250 x 353 mm", 250, 353},
    {L"B5 176 x 250 mm", 176, 250},
    {L"B6 125 x 176 mm", 125, 176},
    {L"B7 88 x 125 mm", 88, 125},
    {L"B8 62 x 88 mm", 62, 88},
    {L"B9 44 x 62 mm", 44, 62},
    {L"B10 31 x 44 mm", 31, 44},
    {L"SRA0 900 x 1280 mm", 900, 1280},
    {L"SRA1 640 x 900 mm", 640, 900},
    {L"SRA2 450 x 640 mm", 450, 640},
    {L"SRA3 320 x 450 mm", 320, 450},
    {L"SRA4 225 x 320 mm", 225, 320},
    {L"RA0 860 x 1220 mm", 860, 1220},
    {L"RA1 610 x 860 mm", 610, 860},
    {L"RA2 430 x 610 mm", 430, 610},
    {L"RA3 305 x 430 mm", 305, 430},
    {L"RA4 215 x 305 mm", 215, 305},
    {L"2A 1189 x 1682 mm", 1189, 1682},
    {L"2B 1414 x 2000 mm", 1414, 2000},
    {L"4A 1682 x 2378 mm", 1682, 2378},
    {L"4B 2000 x 2828 mm", 2000, 2828},
    {L"9x11 228.6 x 279.4 mm", 228.6, 279.4},
    {L"10x11 254 x 279.4 mm", 254, 279.4},
    {L"10x14 254 x 355.6 mm", 254, 355.6},
    {L"11x17 279.4 x 431.8 mm", 279.4, 431.8},
    {L"12x11 304.8 x 279.4 mm", 304.8, 279.4},
    {L"15x11 381 x 279.4 mm", 381, 279.4},
    {L"A3 Extra 322.44 x 445.2 mm", 322.44, 445.2},
    {L"A3 Extra Transverse 322 x 445 mm", 322, 445},
    {L"A3 Transverse 297 x 420 mm", 297, 420},
    {L"A4 Small 210 x 297 mm", 210, 297},
    {L"A4 Extra 235.3 x 322.44 mm", 235.3, 322.44},
    {L"A4 Plus 210 x 330 mm", 210, 330},
    {L"A4 Transverse 210 x 297 mm", 210, 297},
    {L"A5 Extra 174 x 235 mm", 174, 235},
    {L"A5 Transverse 148 x 210 mm", 148, 210},
    {L"SuperA/SuperA/A4 227 x 356 mm", 227, 356},
    {L"B4 (JIS) 250 x 354", 250, 354},
    {L"B5 (ISO) Extra 201 x 276 mm", 201, 276},
    {L"B5 (JIS) Transverse 182 x 257 mm", 182, 257},
    {L"B6 (JIS) 128 x 182 mm", 128, 182},
    {L"SuperB/SuperB/A3 305 x 487 mm", 305, 487},
    {L"Envelope #9 98.43 x 225.43 mm", 98.43, 225.43},
    {L"Envelope #10 104.78 x 241.3 mm", 104.78, 241.3},
    {L"Envelope #11 114.3 x 263.53 mm", 114.3, 263.53},
    {L"Envelope #12 120.65 x 279.4 mm", 120.65, 279.4},
    {L"Envelope #14 127 x 292.1 mm", 127, 292.1},
    {L"Envelope B4 250 x 353 mm", 250, 353},
    {L"Envelope B5 176 x 250 mm", 176, 250},
    {L"Envelope B6 176 x 125 mm", 176, 125},
    {L"Envelope C0 917 x 1297 mm", 917, 1297},
    {L"Envelope C1 648 x 917 mm", 648, 917},
    {L"Envelope C2 458 x 648 mm", 458, 648},
    {L"Envelope C3 324 x 458 mm", 324, 458},
    {L"Envelope C4 229 x 324 mm", 229, 324},
    {L"Envelope C5 162 x 229 mm", 162, 229},
    {L"Envelope C5E 163 x 229 mm", 163, 229},
    {L"Envelope C6 114 x 162 mm", 114, 162},
    {L"Envelope C65 114 x 229 mm", 114, 229},
    {L"Envelope C7 81 x 114 mm", 81, 114},
    {L"Envelope C8 57 x 81 mm", 57, 81},
    {L"Envelope C9 40 x 57 mm", 40, 57},
    {L"Envelope C10 28 x 40 mm", 28, 40},
    {L"Envelope DL 110 x 220 mm", 110, 220},
    {L"Envelope Invite 220 x 220 mm", 220, 220},
    {L"Envelope 110 x 230 mm", 110, 230},
    {L"Envelope Monarch 98.43 x 190.5 mm", 98.43, 190.5},
    {L"Envelope 92.08 x 165.1 mm", 92.08, 165.1},
    {L"Letter 215.9 x 279.4 mm", 215.9, 279.4},
    {L"Legal 215.9 x 355.6 mm", 215.9, 355.6},
    {L"Ledger 431.8 x 279 mm", 431.8, 279},
    {L"Tabloid 279 x 431.8 mm", 279, 431.8},
    {L"Executive 184.15 x 266.7 mm", 184.15, 266.7},
    {L"US Std Fanfold 377.83 x 279.4 mm", 377.83, 279.4},
    {L"Comm10E 105 x 241 mm", 105, 241},
    {L"DLE 110 x 220 mm", 110, 220},
    {L"Folio 215.9 x 330.2 mm", 215.9, 330.2},
    {L"Note 215.9 x 279.4 mm", 215.9, 279.4},
    {L"Postcard 100 x 148 mm", 100, 148},
    {L"Quarto 215 x 275 mm", 215, 275},
    {L"Statement 139.7 x 215.9 mm", 139.7, 215.9},
    {L"Legal Extra 241.3 x 381 mm", 241.3, 381},
    {L"Legal 3 215.9 x 330.2 mm", 215.9, 330.2},
    {L"Letter Small 215.9 x 279.4 mm", 215.9, 279.4},
    {L"Letter Extra 241.3 x 304.8 mm", 241.3, 304.8},
    {L"Letter Extra Transverse 241.3 x 304.8 mm", 241.3, 304.8},
    {L"Letter Plus 215.9 x 322.33 mm", 215.9, 322.33},
    {L"Letter Transverse 215.9 x 279.4 mm", 215.9, 279.4},
    {L"PRC 16K 146 x 215 mm", 146, 215},
    {L"PRC 32K 97 x 151 mm", 97, 151},
    {L"PRC 32K(Big) 97 x 151 mm", 97, 151},
    {L"PRC Envelope #1 102 x 165 mm", 102, 165},
    {L"PRC Envelope #2 102 x 176 mm", 102, 176},
    {L"PRC Envelope #3 125 x 176 mm", 125, 176},
    {L"PRC Envelope #4 110 x 208 mm", 110, 208},
    {L"PRC Envelope #5 110 x 220 mm", 110, 220},
    {L"PRC Envelope #6 120 x 230 mm", 120, 230},
    {L"PRC Envelope #7 160 x 230 mm", 160, 230},
    {L"PRC Envelope #8 120 x 309 mm", 120, 309},
    {L"PRC Envelope #9 229 x 324 mm", 229, 324},
    {L"PRC Envelope #10 324 x 458 mm", 324, 458},
    {L"Tabloid Extra 296.93 x 457.2 mm", 296.93, 457.2},
    {L"German Legal Fanfold 215.9 x 330.2 mm", 215.9, 330.2},
    {L"German Std Fanfold 215.9 x 304.8 mm", 215.9, 304.8},
    {L"Japanese Double Postcard 200 x 148 mm", 200, 148},
    {L"Japanese Postcard 100 x 148 mm", 100, 148},
    {L"Foolscap 419 x 336 mm", 419, 336},
    {L"Double Foolscap 685.8 x 431.8 mm", 685.8, 431.8},
    {L"Quad Foolscap 863.6 x 685.8 mm", 863.6, 685.8},
    {L"Crown 508 x 381 mm", 508, 381},
    {L"Double Crown 762 x 508 mm", 762, 508},
    {L"Quad Crown 1016 x 762 mm", 1016, 762},
    {L"Double Quad Crown 1524 x 1016 mm", 1524, 1016},
    {L"Post 488.95 x 393.7 mm", 488.95, 393.7},
    {L"Double Post 800.1 x 495.3 mm", 800.1, 495.3},
    {L"Double Large Post 838.2 x 533.4 mm", 838.2, 533.4},
    {L"Demy 571.5 x 444.5 mm", 571.5, 444.5},
    {L"Double Demy 889 x 571.5 mm", 889, 571.5},
    {L"Quad Demy 1143 x 889 mm", 1143, 889},
    {L"Music Demy 508 x 393.7 mm", 508, 393.7},
    {L"Medium 584.2 x 457.2 mm", 584.2, 457.2},
    {L"Royal 634 x 507 mm", 634, 507},
    {L"Super Royal 698.5 x 520.7 mm", 698.5, 520.7},
    {L"Elephant 711.2 x 584.2 mm", 711.2, 584.2},
    {L"Imperial 761 x 559 mm", 761, 559},
    {L"User Defined", 0, 0},
};

struct TPaperCode {
  int Index;
  int32_t Code;
};

// The sizes the platform prints on paper of its own, in paper-size number
// order. The ISO B4 size has the platform's ISO code; JIS B4 and ISO B5 and
// B6 have none, so they are emulated.
const TPaperCode PaperCodes[] = {
    {2, DMPAPER_A2},
    {3, DMPAPER_A3},
    {4, DMPAPER_A4},
    {5, DMPAPER_A5},
    {6, DMPAPER_A6},
    {15, DMPAPER_ISO_B4},
    {36, DMPAPER_9X11},
    {37, DMPAPER_10X11},
    {38, DMPAPER_10X14},
    {39, DMPAPER_11X17},
    {40, DMPAPER_12X11},
    {41, DMPAPER_15X11},
    {42, DMPAPER_A3_EXTRA},
    {43, DMPAPER_A3_EXTRA_TRANSVERSE},
    {44, DMPAPER_A3_TRANSVERSE},
    {45, DMPAPER_A4SMALL},
    {46, DMPAPER_A4_EXTRA},
    {47, DMPAPER_A4_PLUS},
    {48, DMPAPER_A4_TRANSVERSE},
    {49, DMPAPER_A5_EXTRA},
    {50, DMPAPER_A5_TRANSVERSE},
    {51, DMPAPER_A_PLUS},
    {53, DMPAPER_B5_EXTRA},
    {54, DMPAPER_B5_TRANSVERSE},
    {55, DMPAPER_B6_JIS},
    {56, DMPAPER_B_PLUS},
    {57, DMPAPER_ENV_9},
    {58, DMPAPER_ENV_10},
    {59, DMPAPER_ENV_11},
    {60, DMPAPER_ENV_12},
    {61, DMPAPER_ENV_14},
    {62, DMPAPER_ENV_B4},
    {63, DMPAPER_ENV_B5},
    {64, DMPAPER_ENV_B6},
    {68, DMPAPER_ENV_C3},
    {69, DMPAPER_ENV_C4},
    {70, DMPAPER_ENV_C5},
    {72, DMPAPER_ENV_C6},
    {73, DMPAPER_ENV_C65},
    {78, DMPAPER_ENV_DL},
    {79, DMPAPER_ENV_INVITE},
    {80, DMPAPER_ENV_ITALY},
    {81, DMPAPER_ENV_MONARCH},
    {82, DMPAPER_ENV_PERSONAL},
    {83, DMPAPER_LETTER},
    {84, DMPAPER_LEGAL},
    {85, DMPAPER_LEDGER},
    {86, DMPAPER_TABLOID},
    {87, DMPAPER_EXECUTIVE},
    {88, DMPAPER_FANFOLD_US},
    {91, DMPAPER_FOLIO},
    {92, DMPAPER_NOTE},
    {94, DMPAPER_QUARTO},
    {95, DMPAPER_STATEMENT},
    {96, DMPAPER_LEGAL_EXTRA},
    {98, DMPAPER_LETTERSMALL},
    {99, DMPAPER_LETTER_EXTRA},
    {100, DMPAPER_LETTER_EXTRA_TRANSVERSE},
    {101, DMPAPER_LETTER_PLUS},
    {102, DMPAPER_LETTER_TRANSVERSE},
    {103, DMPAPER_P16K},
    {104, DMPAPER_P32K},
    {105, DMPAPER_P32KBIG},
    {106, DMPAPER_PENV_1},
    {107, DMPAPER_PENV_2},
    {108, DMPAPER_PENV_3},
    {109, DMPAPER_PENV_4},
    {110, DMPAPER_PENV_5},
    {111, DMPAPER_PENV_6},
    {112, DMPAPER_PENV_7},
    {113, DMPAPER_PENV_8},
    {114, DMPAPER_PENV_9},
    {115, DMPAPER_PENV_10},
    {116, DMPAPER_TABLOID_EXTRA},
    {117, DMPAPER_FANFOLD_LGL_GERMAN},
    {118, DMPAPER_FANFOLD_STD_GERMAN},
    {119, DMPAPER_DBL_JAPANESE_POSTCARD},
    {120, DMPAPER_JAPANESE_POSTCARD},
    {140, DMPAPER_USER},
};

void RLTypesInitialize() {
  for (int index = 0; index < RLPaperInfoCount; ++index) {
    const TPaperSize& size = PaperSizes[index];
    RLSetPaperInfo(index, size.Description, size.Width, size.Height);
  }
  for (const TPaperCode& code : PaperCodes) RLSetPaperSystemCode(code.Index, code.Code);
}

void RLTypesFinalize() { RLPaperInfoTable = {}; }

}  // namespace

const TUnitEntry RLTypesUnit{L"RLTypes", RLTypesInitialize, RLTypesFinalize};
