// The Office 2003 colour set, its brushes and bitmaps.
#include "components/core/dxOffice11.h"

#include <memory>

#include "components/core/cxGraphics.h"
#include "components/core/dxThemeManager.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/GdiTypes.h"

std::array<TColor, dxOffice11ColorCount> dxOffice11Colors{};

namespace {

constexpr int SchemeColorCount = 49;
constexpr std::array<std::array<TColor, SchemeColorCount>, 3> SchemeColors{{
    {0xFEECDD, 0xE2A981, 0xF5BE9E, 0xF9DAC3, 0x913500, 0xF1A675, 0x76C1FF, 0xD3F8FF, 0x98DDFF, 0x5295FE,
     0x9C613B, 0xE0A47B, 0x764127, 0xFFFFFF, 0xCB8C6A, 0xFFF9F1, 0xC9662A, 0xF9DBC4, 0x962D00, 0xF6F6F6,
     0xC2EEFF, 0x800000, 0xCCF4FF, 0x91D0FF, 0x8ED3FF, 0x4E91FE, 0xFCE1CB, 0x6FC0FF, 0x3E80FE, 0xF0C7A9,
     0x000000, 0x8D8D8D, 0xFBDABE, 0x94E6FB, 0xFADAC4, 0x962D00, 0xB96837, 0x962D00, 0xFBE5D3, 0xE4AE88,
     0xDCFFFF, 0x5BC0F7, 0x94E6FB, 0x1595EE, 0x087FE8, 0x7CDAF7, 0xD68759, 0x933803, 0xFFFFFF},
    {0xDEF7F4, 0x91C6B7, 0xA7D9D9, 0xE4F0F2, 0x6B7760, 0x8CC2B0, 0x76C1FF, 0xD3F8FF, 0x98DDFF, 0x5295FE,
     0x588060, 0x8FC4B5, 0x335E51, 0xFFFFFF, 0x588060, 0xDEF7F4, 0x5E8674, 0xADDEE1, 0x5E8D75, 0xEEF4F4,
     0xC2EEFF, 0x385D3F, 0xCCF4FF, 0x91D0FF, 0x8ED3FF, 0x4E91FE, 0xB6E3D8, 0x6FC0FF, 0x3E80FE, 0x9FD4C5,
     0x000000, 0x8D8D8D, 0x91BAAF, 0x94E6FB, 0xE4F1F2, 0x588060, 0x548973, 0x5E8D75, 0xDBF5F2, 0x97C9BC,
     0xDCFFFF, 0x5BC0F7, 0x94E6FB, 0x1595EE, 0x087FE8, 0x7CDAF7, 0x82C0AF, 0x447A63, 0xFFFFFF},
    {0xFAF4F3, 0xB59799, 0xE5D7D7, 0xF7F3F3, 0x927476, 0xC8B2B3, 0x76C1FF, 0xD3F8FF, 0x98DDFF, 0x5295FE,
     0x947C7C, 0xB09193, 0x755454, 0xFFFFFF, 0x8F6D6E, 0xFFFFFF, 0x99797A, 0xE4DADB, 0x947C7C, 0xFFFAFD,
     0xC2EEFF, 0x6F4B4B, 0xCCF4FF, 0x91D0FF, 0x8ED3FF, 0x4E91FE, 0xE7D3D6, 0x6FC0FF, 0x3E80FE, 0xD3C0C0,
     0x000000, 0x8D8D8D, 0xEBE5E5, 0x94E6FB, 0xF7F3F3, 0x947C7C, 0x916F70, 0x947C7C, 0xF8F1F0, 0xBA9EA0,
     0xDCFFFF, 0x5BC0F7, 0x94E6FB, 0x1595EE, 0x087FE8, 0x7CDAF7, 0xBFA7A8, 0x916F70, 0xFFFFFF},
}};
constexpr std::array<int, 3> SchemeGradientPercents{41, 125, 40};
constexpr int SystemGradientPercent = 75;

// The entries that have a brush.
constexpr std::array<int, 13> BrushEntries{18, 19, 20, 21, 31, 38, 40, 41, 46, 47, 48, 49, 55};

int CurrentScheme = 0;
bool SchemeIsXPStandard = false;
int GradientPercent = SystemGradientPercent;
int AcquireCount = 0;
std::array<HBRUSH, dxOffice11ColorCount> Brushes{};
std::unique_ptr<TBitmap> SubMenuExpandBitmap, ExpandButtonMinusBitmap, ExpandButtonPlusBitmap;

TColor RGBOf(TColor AColor) { return static_cast<TColor>(ColorToRGB(AColor)); }
TColor Blend(TColor A, TColor B, int APercent) { return cxBlendTwoColors(A, B, APercent); }
TColor NearMix(int AFace, int AHighlight, int AWindow) {
  return cxNearestScreenColor(cxMixSystemLightColor(AFace, AHighlight, AWindow));
}

void SetColorsFromScheme(int AScheme) {
  const auto& t = SchemeColors[AScheme - 1];
  auto& c = dxOffice11Colors;
  c[0] = t[2];
  c[1] = t[3];
  c[2] = t[0];
  c[3] = t[1];
  c[4] = t[5];
  c[5] = t[7];
  c[6] = t[9];
  c[7] = t[4];
  c[8] = t[6];
  c[9] = t[8];
  c[10] = t[10];
  c[11] = t[11];
  for (int i = 0; i < 3; ++i) {
    c[12 + i] = Blend(c[4 + i], c[2], 90);
    c[15 + i] = Blend(c[7 + i], c[11], 50);
  }
  c[18] = t[12];
  c[19] = t[13];
  c[20] = t[14];
  c[21] = t[15];
  c[22] = clBlack;
  c[23] = clWhite;
  c[24] = t[16];
  c[25] = t[17];
  c[28] = clWhite;
  c[29] = c[30] = clBlack;
  c[31] = t[19];
  c[38] = t[18];
  c[40] = t[20];
  c[41] = t[21];
  c[42] = t[22];
  c[43] = t[23];
  c[44] = t[24];
  c[45] = t[25];
  c[46] = t[26];
  c[47] = t[27];
  c[48] = t[28];
  c[49] = t[29];
  c[51] = t[30];
  c[52] = t[31];
  GradientPercent = SchemeGradientPercents[AScheme - 1];
  c[58] = t[32];
  c[59] = t[33];
  c[60] = t[35];
  c[61] = t[34];
  c[62] = 0xC9EEFD;
  c[63] = t[36];
  c[64] = c[11];
  c[65] = t[37];
  c[66] = t[38];
  c[67] = t[39];
  c[68] = t[40];
  c[69] = t[41];
  c[70] = t[42];
  c[71] = t[43];
  c[72] = t[44];
  c[73] = t[45];
  c[74] = t[46];
  c[75] = t[47];
  c[76] = t[48];
  c[77] = t[46];
  c[78] = t[47];
}

void SetColorsFromSystem() {
  auto& c = dxOffice11Colors;
  const TColor shadow = RGBOf(clBtnShadow);
  c[0] = RGBOf(clBtnFace);
  c[1] = Blend(clBtnFace, clWindow, 20);
  c[2] = Blend(clBtnFace, clWindow, 22);
  c[3] = Blend(clBtnFace, clWindow, 96);
  c[4] = Blend(shadow, clWindow, 74);
  c[5] = c[8] = NearMix(241, 29, 86);
  c[6] = c[9] = NearMix(42, 11, 47);
  c[7] = shadow;
  c[10] = Blend(clBtnFace, clWindow, 85);
  c[11] = RGBOf(clBtnFace);
  for (int i = 0; i < 3; ++i) {
    c[12 + i] = Blend(c[7 + i], clWindow, 50);
    c[15 + i] = Blend(c[7 + i], c[11], 50);
  }
  c[18] = Blend(clBtnShadow, clWindow, 76);
  c[19] = RGBOf(clWindow);
  c[20] = Blend(clBtnShadow, clWindow, 70);
  c[21] = clWhite;
  c[22] = RGBOf(clBtnText);
  c[23] = RGBOf(clWindow);
  c[24] = shadow;
  c[25] = c[3];
  c[28] = RGBOf(clBtnHighlight);
  c[29] = c[30] = RGBOf(clBtnText);
  c[31] = RGBOf(clWindow);
  c[38] = shadow;
  c[40] = NearMix(-2, 30, 72);
  c[41] = RGBOf(clHighlight);
  c[42] = c[43] = c[40];
  c[44] = c[45] = NearMix(14, 44, 40);
  c[46] = c[3];
  c[47] = cxMixSystemLightColor(41, 11, 48);
  c[48] = NearMix(14, 44, 40);
  c[49] = c[3];
  c[51] = RGBOf(clBtnText);
  c[52] = RGBOf(clGrayText);
  GradientPercent = SystemGradientPercent;
  c[58] = RGBOf(clBtnFace);
  c[59] = c[47];
  c[60] = c[38];
  c[61] = c[0];
  c[62] = RGBOf(clBtnFace);
  c[63] = shadow;
  c[64] = shadow;
  c[65] = cxNearestScreenColor(shadow);
  c[66] = dxOffice11GroupCaptionColor(true);
  c[67] = dxOffice11GroupCaptionColor(false);
  c[68] = c[42];
  c[69] = c[43];
  c[70] = c[71] = c[47];
  c[72] = c[73] = c[48];
  c[74] = c[75] = c[65];
  c[76] = RGBOf(clHighlightText);
  c[77] = cxNearestScreenColor(RGBOf(clBtnFace));
  c[78] = c[65];
}

// Entries copied from others whatever the source of the set.
void SetSharedColors() {
  auto& c = dxOffice11Colors;
  c[26] = c[2];
  c[27] = c[24];
  c[39] = c[31];
  c[32] = c[2];
  c[33] = c[3];
  c[34] = c[2];
  c[35] = c[3];
  c[36] = Blend(c[2], clBlack, 92);
  c[37] = Blend(c[35], clBlack, 92);
  c[50] = c[40];
  c[53] = c[38];
  c[54] = c[0];
  c[55] = c[15];
  c[56] = c[28];
  c[57] = c[38];
}

// A bitmap resource of the program; empty when there is none.
std::unique_ptr<TBitmap> LoadResourceBitmap(const wchar_t* AName) {
  auto bitmap = std::make_unique<TBitmap>();
  const auto handle = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), AName, IMAGE_BITMAP, 0, 0, 0));
  if (!handle) return bitmap;
  BITMAP info{};
  GetObjectW(handle, sizeof(info), &info);
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(info.bmWidth, info.bmHeight);
  const HDC source = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(source, handle);
  BitBlt(bitmap->Canvas()->Handle(), 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
  DeleteObject(handle);
  return bitmap;
}

// The pixel's colour, alpha left out: a bitmap copied from the resource
// has no alpha, so black reads as an all-zero pixel and is still black.
TColor PixelRGB(const TRGBQuad& APixel) { return static_cast<TColor>(RGB(APixel.rgbRed, APixel.rgbGreen, APixel.rgbBlue)); }

// The sub-menu arrow takes the set's colours: every pixel that is neither
// the background (the top-left one) nor black becomes a blend of entries 2
// and 3 by its red component.
void RecolorSubMenuExpandBitmap(TBitmap* ABitmap) {
  if (ABitmap->Empty()) return;
  TRGBColors pixels;
  if (!dxReadBitmapColors(ABitmap, pixels, true)) return;
  const TColor background = PixelRGB(pixels[0]);
  TColor c1 = dxOffice11Colors[2], c2 = dxOffice11Colors[3];
  if (c1 == c2) c2 = c1 == clBlack ? clWhite : clBlack;
  auto recolored = [&](const TRGBQuad& APixel) {
    const TColor color = PixelRGB(APixel);
    return color != background && color != clBlack;
  };
  int smallest = 255, largest = 1;
  for (const TRGBQuad& pixel : pixels)
    if (recolored(pixel)) {
      smallest = std::min<int>(smallest, pixel.rgbRed);
      largest = std::max<int>(largest, pixel.rgbRed);
    }
  for (TRGBQuad& pixel : pixels)
    if (recolored(pixel)) {
      const int percent = largest > smallest ? MulDiv(pixel.rgbRed - smallest, 100, largest - smallest) : 0;
      pixel = dxColorAsRGBQuad(Blend(c1, c2, percent), pixel.rgbReserved);
    }
  dxWriteBitmapColors(ABitmap, pixels, true);
}

void CreateBrushes() {
  for (int entry : BrushEntries) Brushes[entry] = CreateSolidBrush(ColorToRGB(dxOffice11Colors[entry]));
}

// The set's bitmaps are loaded when first asked for while the colours are
// held, in the colours of that moment; a refresh drops them.
TBitmap* HeldBitmap(std::unique_ptr<TBitmap>& ABitmap, const wchar_t* AName, bool ARecolor) {
  if (AcquireCount == 0) return nullptr;
  if (!ABitmap) {
    ABitmap = LoadResourceBitmap(AName);
    if (ARecolor) RecolorSubMenuExpandBitmap(ABitmap.get());
  }
  return ABitmap.get();
}

void DestroyBrushes() {
  SubMenuExpandBitmap.reset();
  ExpandButtonMinusBitmap.reset();
  ExpandButtonPlusBitmap.reset();
  for (HBRUSH& brush : Brushes) {
    if (brush) DeleteObject(brush);
    brush = nullptr;
  }
}

// A brush of the colour, or null for clDefault.
class TOptionalBrush {
public:
  explicit TOptionalBrush(TColor AColor)
      : FHandle(AColor == clDefault ? nullptr : CreateSolidBrush(ColorToRGB(AColor))) {}
  ~TOptionalBrush() {
    if (FHandle) DeleteObject(FHandle);
  }
  TOptionalBrush(const TOptionalBrush&) = delete;
  TOptionalBrush& operator=(const TOptionalBrush&) = delete;
  HBRUSH Or(HBRUSH ADefault) const { return FHandle ? FHandle : ADefault; }

private:
  HBRUSH FHandle;
};

}  // namespace

int dxOffice11CurrentScheme() { return CurrentScheme; }
bool dxOffice11SchemeIsXPStandard() { return SchemeIsXPStandard; }
int dxOffice11GradientPercent() { return GradientPercent; }

int dxOffice11SchemeOfTheme(const String& AThemeFile, const String& AColorName, int AWindowsMajorVersion) {
  const String fileName = AnsiUpperCase(AThemeFile.substr(AThemeFile.find_last_of(L"\\/") + 1));
  if (fileName != L"LUNA.MSSTYLES" && AWindowsMajorVersion <= 5) return 0;
  const String colorName = AnsiUpperCase(AColorName);
  if (colorName == L"NORMALCOLOR") return 1;
  if (colorName == L"HOMESTEAD") return 2;
  if (colorName == L"METALLIC") return 3;
  return 0;
}

int dxOffice11DetectScheme() {
  constexpr int bufferLength = 1024;
  wchar_t file[bufferLength], color[bufferLength], size[bufferLength];
  if (!dxThemesAvailable() || GetCurrentThemeName(file, bufferLength, color, bufferLength, size, bufferLength) != S_OK)
    return 0;
  OSVERSIONINFOW version{sizeof(version)};
  GetVersionExW(&version);
  return dxOffice11SchemeOfTheme(file, color, static_cast<int>(version.dwMajorVersion));
}

void dxOffice11InitColorsForScheme(int AScheme) {
  CurrentScheme = AScheme;
  SchemeIsXPStandard = dxThemesAvailable() && AScheme != 0;
  if (AScheme >= 1 && AScheme <= 3)
    SetColorsFromScheme(AScheme);
  else
    SetColorsFromSystem();
  SetSharedColors();
}

void dxOffice11InitColors() { dxOffice11InitColorsForScheme(dxOffice11DetectScheme()); }

HBRUSH dxOffice11Brush(int AEntry) { return AEntry >= 0 && AEntry < dxOffice11ColorCount ? Brushes[AEntry] : nullptr; }
TBitmap* dxOffice11SubMenuExpandBitmap() { return HeldBitmap(SubMenuExpandBitmap, L"DXSUBMENUEXPAND", true); }
TBitmap* dxOffice11ExpandButtonBitmap(bool AExpanded) {
  return AExpanded ? HeldBitmap(ExpandButtonMinusBitmap, L"DXEXPANDBUTTON_MINUS", false)
                   : HeldBitmap(ExpandButtonPlusBitmap, L"DXEXPANDBUTTON_PLUS", false);
}

void dxOffice11ColorsAcquire() {
  if (AcquireCount == 0) {
    dxOffice11InitColors();
    CreateBrushes();
  }
  ++AcquireCount;
}

void dxOffice11ColorsRefresh() {
  dxOffice11InitColors();
  if (AcquireCount > 0) {
    DestroyBrushes();
    CreateBrushes();
  }
}

void dxOffice11ColorsRelease() {
  if (AcquireCount == 0) return;
  if (--AcquireCount == 0) DestroyBrushes();
}

void dxOffice11FillGradient(HDC DC, const TRect& R, TColor AColor1, TColor AColor2, bool AHorizontal) {
  cxFillGradientWithMidpoint(DC, R, AColor1, AColor2, GradientPercent, AHorizontal);
}

void dxOffice11FrameSelection(HDC DC, const TRect& R) {
  if (cxIsBtnFaceBlack() || cxIsBtnFaceBlackWithDarkText()) {
    FrameRect(DC, AsRECT(R), GetSysColorBrush(COLOR_HIGHLIGHTTEXT));
    return;
  }
  const TOptionalBrush own(Brushes[41] ? clDefault : dxOffice11Colors[41]);
  FrameRect(DC, AsRECT(R), own.Or(Brushes[41]));
}

void dxOffice11DrawSizeGripDots(HDC DC, const TRect& R, TColor AColor1, TColor AColor2) {
  const TOptionalBrush light(AColor1 == clDefault && !Brushes[18] ? dxOffice11Colors[18] : AColor1);
  const TOptionalBrush dark(AColor2 == clDefault && !Brushes[19] ? dxOffice11Colors[19] : AColor2);
  const HBRUSH firstBrush = light.Or(Brushes[18]), secondBrush = dark.Or(Brushes[19]);
  const int cell = cxScaleByCurrentDPI(4), offset = cxScaleByCurrentDPI(1);
  TRect row(R.Right - 12, R.Bottom - cxScaleByCurrentDPI(3), R.Right, R.Bottom);
  for (int i = 0; i < 3; ++i) {
    const int rest = row.Width() - cell * (row.Width() / 4);
    TRect dot(row.Left, row.Top, row.Left + cell, row.Top + cell);
    dot.Offset(rest > offset ? rest / 2 : rest, 0);
    while (dot.Right <= row.Right) {
      TRect inner = dot;
      inner.Inflate(-offset, -offset);
      FillRect(DC, AsRECT(inner), secondBrush);
      inner.Offset(-offset, -offset);
      FillRect(DC, AsRECT(inner), firstBrush);
      dot.Offset(cell, 0);
    }
    row.Left += 4;
    row.Offset(0, -cell);
  }
}

TColor dxOffice11GroupCaptionColor(bool AFlag) {
  const COLORREF face = ColorToRGB(clBtnFace);
  auto channel = [AFlag](int c) { return AFlag ? 128 + c * 127 / 255 : c + 4 - (4 * c / 255); };
  return cxNearestScreenColor(
      static_cast<TColor>(RGB(channel(GetRValue(face)), channel(GetGValue(face)), channel(GetBValue(face)))));
}

std::pair<TColor, TColor> dxOffice11ButtonGradient(TdxOffice11ButtonFace AFace) {
  static const std::pair<int, int> entries[] = {{0, 1}, {42, 43}, {44, 45}};
  const auto [top, bottom] = entries[static_cast<int>(AFace)];
  return {dxOffice11Colors[top], dxOffice11Colors[bottom]};
}
