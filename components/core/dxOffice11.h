#pragma once
// The Office 2003 colour set of the Office11 look: taken from a fixed table
// for the three standard colour variants of the XP visual style (blue,
// olive green, silver), mixed from the system colours otherwise; with the
// brushes the look paints with and three small drawing routines. The set is
// shared: the first user acquires the brushes, the last releases them.
#include <array>
#include <utility>

#include "vcl/graphics/Colors.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/Types.h"
#include "vcl/rtl/WinApi.h"

class TBitmap;

constexpr int dxOffice11ColorCount = 79;
// The colour set; consumers read fixed entries (41: the highlighted frame;
// 62, 63, 64: a grid's group rows).
extern std::array<TColor, dxOffice11ColorCount> dxOffice11Colors;
// The colours of the expand buttons.
constexpr TColor dxOffice11ExpandButtonColor1 = 0xBFAE9E;
constexpr TColor dxOffice11ExpandButtonColor2 = 0x5F462E;

// 0: not a standard XP colour variant; 1 NormalColor (blue), 2 HomeStead
// (olive), 3 Metallic (silver); as detected by the last initialisation.
int dxOffice11CurrentScheme();
// Themes are available and the scheme is a standard one.
bool dxOffice11SchemeIsXPStandard();
// The scheme of the visual style now active.
int dxOffice11DetectScheme();
// The scheme a visual style gives: its file (a path), its colour name and
// the major version of the system.
int dxOffice11SchemeOfTheme(const String& AThemeFile, const String& AColorName, int AWindowsMajorVersion);
// The colour set for a scheme (0 mixes it from the system colours).
void dxOffice11InitColorsForScheme(int AScheme);
void dxOffice11InitColors();

// The brush of one of the entries 18, 19, 20, 21, 31, 38, 40, 41, 46, 47,
// 48, 49 and 55 while the set is acquired; null otherwise.
HBRUSH dxOffice11Brush(int AEntry);
// The look's bitmaps while the set is acquired (empty when the program has
// no such resource).
TBitmap* dxOffice11SubMenuExpandBitmap();
TBitmap* dxOffice11ExpandButtonBitmap(bool AExpanded);

void dxOffice11ColorsAcquire();
void dxOffice11ColorsRefresh();
void dxOffice11ColorsRelease();

// The percentage of the middle colour of the look's gradients.
int dxOffice11GradientPercent();
// The top and bottom colours of a toolbar button's gradient face.
enum class TdxOffice11ButtonFace { bfNormal, bfHot, bfPressed };
std::pair<TColor, TColor> dxOffice11ButtonGradient(TdxOffice11ButtonFace AFace);
void dxOffice11FillGradient(HDC DC, const TRect& R, TColor AColor1, TColor AColor2, bool AHorizontal);
void dxOffice11FrameSelection(HDC DC, const TRect& R);
// Three rows of 3, 2 and 1 dots at the bottom right of R (at 96 DPI); a
// colour clDefault takes the set's.
void dxOffice11DrawSizeGripDots(HDC DC, const TRect& R, TColor AColor1 = clDefault, TColor AColor2 = clDefault);
TColor dxOffice11GroupCaptionColor(bool AFlag);
