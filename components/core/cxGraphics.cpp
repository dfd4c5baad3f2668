// The drawing unit's routines: DPI, colours, gradients, alpha blending,
// bitmap copying and resizing, fitting, the cursor extent and the unit's
// shared objects.
#include "components/core/cxGraphics.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "components/core/cxClasses.h"
#include "components/core/cxGeometry.h"
#include "components/core/dxCore.h"
#include "components/core/dxGdiPlusClasses.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/GdiTypes.h"

namespace {

// ---------------------------------------------------------------- unit state

using TGradientFill = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
using TAlphaBlend = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

struct TModuleDeleter {
  void operator()(HMODULE AModule) const { FreeLibrary(AModule); }
};
struct TGdiObjectDeleter {
  void operator()(HGDIOBJ AObject) const { DeleteObject(AObject); }
};

std::unique_ptr<HINSTANCE__, TModuleDeleter> msimg32;
TGradientFill GradientFillProc = nullptr;
TAlphaBlend AlphaBlendProc = nullptr;
std::unique_ptr<HBRUSH__, TGdiObjectDeleter> halftoneBrush;
std::vector<std::unique_ptr<TBrush>> systemColorBrushes;
TSize screenPixelsPerInch{96, 96};
bool cxGraphicsFinalized = false;
bool cxGraphicsStarted = false;
std::unique_ptr<TcxScreenCanvas> sharedScreenCanvas;
std::unique_ptr<TcxPaintCanvas> sharedPaintCanvas;

void BindMsimg32() {
  msimg32.reset(LoadLibraryW(L"msimg32.dll"));
  if (!msimg32) return;
  GradientFillProc = reinterpret_cast<TGradientFill>(GetProcAddress(msimg32.get(), "GradientFill"));
  AlphaBlendProc = reinterpret_cast<TAlphaBlend>(GetProcAddress(msimg32.get(), "AlphaBlend"));
}

void ReleaseMsimg32() {
  GradientFillProc = nullptr;
  AlphaBlendProc = nullptr;
  msimg32.reset();
}

HBRUSH CreateHalftoneBrush() {
  static const WORD pattern[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, pattern);
  HBRUSH brush = CreatePatternBrush(bitmap);
  DeleteObject(bitmap);
  return brush;
}

// One brush per system colour, COLOR_SCROLLBAR (0) to COLOR_MENUBAR (30),
// on the system's own brushes.
std::vector<std::unique_ptr<TBrush>> CreateSystemColorBrushes() {
  constexpr int SystemColorCount = 31;
  std::vector<std::unique_ptr<TBrush>> brushes;
  for (int index = 0; index < SystemColorCount; ++index) {
    brushes.push_back(std::make_unique<TBrush>());
    brushes.back()->SetHandle(GetSysColorBrush(index));
  }
  return brushes;
}

TSize ReadScreenPixelsPerInch() {
  HDC dc = GetDC(nullptr);
  const TSize result{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)};
  ReleaseDC(nullptr, dc);
  return result;
}

// ---------------------------------------------------------------- small helpers

uint8_t ClampChannel(int AValue) { return static_cast<uint8_t>(std::clamp(AValue, 0, 255)); }

int RValue(uint32_t ARGB) { return ARGB & 0xFF; }
int GValue(uint32_t ARGB) { return (ARGB >> 8) & 0xFF; }
int BValue(uint32_t ARGB) { return (ARGB >> 16) & 0xFF; }
TColor RGBColor(int R, int G, int B) { return RGB(ClampChannel(R), ClampChannel(G), ClampChannel(B)); }

// One channel of a colour stepping from A to B over ASteps (the last step
// reaching B); a single step is A itself.
int StepChannel(int A, int B, int AStep, int ASteps) { return ASteps > 1 ? A + MulDiv(AStep, B - A, ASteps - 1) : A; }

// A solid strip of a gradient: AFrom..ATo along the gradient, R across it.
void FillStrip(HDC ADC, const TRect& R, int AFrom, int ATo, bool AHorizontal, TColor AColor) {
  if (ATo <= AFrom) return;
  const TRect strip = AHorizontal ? TRect(AFrom, R.Top, ATo, R.Bottom) : TRect(R.Left, AFrom, R.Right, ATo);
  cxFillRectSolid(ADC, strip, AColor);
}

// A 32-bit bitmap of the given size (all bytes 0).
std::unique_ptr<TBitmap> NewBitmap32(int AWidth, int AHeight) {
  auto result = std::make_unique<TBitmap>();
  result->SetPixelFormat(pf32bit);
  result->SetSize(AWidth, AHeight);
  if (!result->Empty()) FillRect(result->Canvas()->Handle(), AsRECT(TRect(0, 0, AWidth, AHeight)),
                                 static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  return result;
}

// ---------------------------------------------------------------- Lanczos resampling

float Sinc(float X) {
  if (X == 0) return 1;
  const float x = X * std::numbers::pi_v<float>;
  return std::sin(x) / x;
}

float Lanczos3(float X) { return std::fabs(X) < 3 ? Sinc(X) * Sinc(X / 3) : 0; }

struct TContributor {
  int Index;
  int Weight;  // in 1/256
};

// For every destination index the source indexes and weights that make it.
std::vector<std::vector<TContributor>> Contributors(int ASourceSize, int ADestSize) {
  const float scale = ASourceSize == 1 || ADestSize == 1
                          ? static_cast<float>(ADestSize) / ASourceSize
                          : static_cast<float>(ADestSize - 1) / (ASourceSize - 1);
  const bool shrinking = scale < 1;
  const float width = shrinking ? 1 / scale : 1;
  const float radius = shrinking ? 3 / scale : 3;
  std::vector<std::vector<TContributor>> result(ADestSize);
  for (int i = 0; i < ADestSize; ++i) {
    const float centre = i / scale;
    int sum = 0;
    for (int j = static_cast<int>(std::floor(centre - radius)); j <= static_cast<int>(std::ceil(centre + radius));
         ++j) {
      const int weight = static_cast<int>(std::lround(Lanczos3((centre - j) / width) / width * 256));
      if (weight == 0) continue;
      int index = j < 0 ? -j : j;
      if (index >= ASourceSize) index = 2 * ASourceSize - 1 - index;
      result[i].push_back({std::clamp(index, 0, ASourceSize - 1), weight});
      sum += weight;
    }
    // The rounded weights may miss 256 by a few: the largest takes the rest,
    // so that an opaque image stays opaque and a plain one keeps its colour.
    if (!result[i].empty()) {
      auto largest = std::max_element(result[i].begin(), result[i].end(),
                                      [](const TContributor& A, const TContributor& B) { return A.Weight < B.Weight; });
      largest->Weight += 256 - sum;
    }
  }
  return result;
}

uint8_t WeightedByte(int ASum) { return ASum < 0 ? 0 : ASum >= 65536 ? 255 : static_cast<uint8_t>(ASum / 256); }

TRGBQuad Resample(const TRGBQuad* APixels, int AStride, const std::vector<TContributor>& AContributors) {
  int b = 0, g = 0, r = 0, a = 0;
  for (const TContributor& contributor : AContributors) {
    const TRGBQuad& pixel = APixels[contributor.Index * AStride];
    b += pixel.rgbBlue * contributor.Weight;
    g += pixel.rgbGreen * contributor.Weight;
    r += pixel.rgbRed * contributor.Weight;
    a += pixel.rgbReserved * contributor.Weight;
  }
  return {WeightedByte(b), WeightedByte(g), WeightedByte(r), WeightedByte(a)};
}

void LanczosResize(TBitmap* ASource, TBitmap* ADest) {
  const int sw = ASource->Width(), sh = ASource->Height(), dw = ADest->Width(), dh = ADest->Height();
  TRGBColors source;
  dxReadBitmapColors(ASource, source, true);
  const auto columns = Contributors(sw, dw);
  const auto rows = Contributors(sh, dh);
  TRGBColors rowPass(static_cast<size_t>(dw) * sh);
  for (int y = 0; y < sh; ++y)
    for (int x = 0; x < dw; ++x) rowPass[y * dw + x] = Resample(&source[y * sw], 1, columns[x]);
  TRGBColors result(static_cast<size_t>(dw) * dh);
  for (int x = 0; x < dw; ++x)
    for (int y = 0; y < dh; ++y) result[y * dw + x] = Resample(&rowPass[x], dw, rows[y]);
  dxWriteBitmapColors(ADest, result, true);
}

// ---------------------------------------------------------------- HSL helpers

double HueToChannel(double P, double Q, double T) {
  const double x = (T - std::floor(T)) * 6;
  if (x < 1) return P + (Q - P) * x;
  if (x < 3) return Q;
  if (x < 4) return P + (Q - P) * (4 - x);
  return P;
}

int RoundChannel(double AValue) { return static_cast<int>(std::lround(AValue * 255)); }

}  // namespace

// ---------------------------------------------------------------- DPI

TSize cxScreenPixelsPerInch() { return screenPixelsPerInch; }
int cxCurrentDPI() { return screenPixelsPerInch.cy; }
int cxScaleByCurrentDPI(int AValue) { return MulDiv(AValue, cxCurrentDPI(), 96); }
TPoint cxScalePointByCurrentDPI(const TPoint& P) { return {cxScaleByCurrentDPI(P.X), cxScaleByCurrentDPI(P.Y)}; }
TRect cxScaleRectByCurrentDPI(const TRect& R) {
  return {cxScaleByCurrentDPI(R.Left), cxScaleByCurrentDPI(R.Top), cxScaleByCurrentDPI(R.Right),
          cxScaleByCurrentDPI(R.Bottom)};
}
TSize cxScaleSizeByCurrentDPI(const TSize& S) { return {cxScaleByCurrentDPI(S.cx), cxScaleByCurrentDPI(S.cy)}; }

// ---------------------------------------------------------------- colours

TdxHSL TdxColorSpaceConverter::ColorToHSL(TColor AColor) {
  if (!cxIsRealColor(AColor)) return {};
  const uint32_t rgb = ColorToRGB(AColor);
  const double r = RValue(rgb) / 255.0, g = GValue(rgb) / 255.0, b = BValue(rgb) / 255.0;
  const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
  TdxHSL result;
  result.L = (mx + mn) / 2;
  if (mx == mn) return result;
  const double delta = mx - mn;
  result.S = result.L >= 0.5 ? delta / (2 - mx - mn) : delta / (mx + mn);
  if (r == mx)
    result.H = (g - b) / delta;
  else if (g == mx)
    result.H = (b - r) / delta + 2;
  else
    result.H = (r - g) / delta + 4;
  result.H /= 6;
  if (result.H < 0) result.H += 1;
  return result;
}

TColor TdxColorSpaceConverter::HSLToColor(double H, double S, double L) {
  if (S == 0) {
    const int grey = RoundChannel(L);
    return RGBColor(grey, grey, grey);
  }
  const double q = L > 0.5 ? L + S - L * S : L * (1 + S);
  const double p = 2 * L - q;
  return RGBColor(RoundChannel(HueToChannel(p, q, H + 1.0 / 3)), RoundChannel(HueToChannel(p, q, H)),
                  RoundChannel(HueToChannel(p, q, H - 1.0 / 3)));
}

TdxHSV TdxColorSpaceConverter::ColorToHSV(TColor AColor) {
  if (!cxIsRealColor(AColor)) return {};
  const uint32_t rgb = ColorToRGB(AColor);
  const int r = RValue(rgb), g = GValue(rgb), b = BValue(rgb);
  const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
  TdxHSV result;
  result.V = mx / 255.0;
  result.S = mx == 0 ? 0 : 1 - static_cast<double>(mn) / mx;
  if (mx == mn) return result;
  const double delta = mx - mn;
  if (r == mx)
    result.H = 60 * (g - b) / delta;
  else if (g == mx)
    result.H = 60 * (b - r) / delta + 120;
  else
    result.H = 60 * (r - g) / delta + 240;
  if (result.H < 0) result.H += 360;
  return result;
}

TColor TdxColorSpaceConverter::HSVToColor(double H, double S, double V) {
  const int v = RoundChannel(V);
  const int sector = static_cast<int>(std::trunc(H / 60)) % 6;
  const double f = H / 60 - std::trunc(H / 60);
  const int p = static_cast<int>(std::lround(v * (1 - S)));
  const int q = static_cast<int>(std::lround(v * (1 - S * f)));
  const int t = static_cast<int>(std::lround(v * (1 - S * (1 - f))));
  switch (sector) {
    case 0: return RGBColor(v, t, p);
    case 1: return RGBColor(q, v, p);
    case 2: return RGBColor(p, v, t);
    case 3: return RGBColor(p, q, v);
    case 4: return RGBColor(t, p, v);
    default: return RGBColor(v, p, q);
  }
}

TColor cxInvertedColor(TColor AColor) { return static_cast<TColor>(ColorToRGB(AColor) ^ 0xFFFFFF); }

TColor cxNearestScreenColor(TColor AColor) {
  HDC dc = GetDC(nullptr);
  const TColor result = static_cast<TColor>(GetNearestColor(dc, ColorToRGB(AColor)));
  ReleaseDC(nullptr, dc);
  return result;
}

TColor cxBlendTwoColors(TColor AColor1, TColor AColor2, int APercent) {
  const uint32_t c1 = ColorToRGB(AColor1), c2 = ColorToRGB(AColor2);
  auto channel = [APercent](int A, int B) { return MulDiv(B, 100 - APercent, 100) + MulDiv(A, APercent, 100); };
  return cxNearestScreenColor(RGBColor(channel(RValue(c1), RValue(c2)), channel(GValue(c1), GValue(c2)),
                                       channel(BValue(c1), BValue(c2))));
}

TColor cxMixSystemLightColor(int AFacePercent, int AHighlightPercent, int AWindowPercent) {
  const uint32_t face = ColorToRGB(clBtnFace), highlight = ColorToRGB(clHighlight), window = ColorToRGB(clWindow);
  if ((face == 0 || face == 0xFFFFFF) && highlight != 0) return static_cast<TColor>(highlight);
  auto channel = [&](int (*AValue)(uint32_t)) {
    return MulDiv(AValue(face), AFacePercent, 100) + MulDiv(AValue(highlight), AHighlightPercent, 100) +
           MulDiv(AValue(window), AWindowPercent, 100);
  };
  return RGBColor(channel(RValue), channel(GValue), channel(BValue));
}

TColor cxSystemTintColor1() { return cxNearestScreenColor(cxMixSystemLightColor(14, 44, 40)); }
TColor cxSystemTintColor2() { return cxNearestScreenColor(cxMixSystemLightColor(-2, 30, 72)); }
bool cxIsBtnFaceBlack() { return GetSysColor(COLOR_BTNFACE) == 0; }
bool cxIsBtnFaceBlackWithDarkText() { return cxIsBtnFaceBlack() && GetSysColor(COLOR_BTNTEXT) != 0xFFFFFF; }

TColor cxShiftColorBrightness(TColor AColor, int APercent) {
  TdxHSV hsv = TdxColorSpaceConverter::ColorToHSV(AColor);
  const double p = std::abs(APercent) / 100.0;
  if (APercent >= 0) {
    if (hsv.S != 0) hsv.S -= hsv.S * p;
    hsv.V += (1 - hsv.V) * p;
  } else {
    if (hsv.S != 0) hsv.S += (1 - hsv.S) * p;
    hsv.V -= hsv.V * p;
  }
  hsv.S = std::clamp(hsv.S, 0.0, 1.0);
  hsv.V = std::clamp(hsv.V, 0.0, 1.0);
  return TdxColorSpaceConverter::HSVToColor(hsv);
}

// ---------------------------------------------------------------- fills and gradients

void cxFillRectSolid(HDC ADC, const TRect& R, TColor AColor) {
  if (AColor == clNone) return;
  std::unique_ptr<HBRUSH__, TGdiObjectDeleter> brush(CreateSolidBrush(ColorToRGB(AColor)));
  FillRect(ADC, AsRECT(R), brush.get());
}

void cxFrameRectSolid(HDC ADC, const TRect& R, TColor AColor) {
  if (AColor == clNone) return;
  std::unique_ptr<HBRUSH__, TGdiObjectDeleter> brush(CreateSolidBrush(ColorToRGB(AColor)));
  FrameRect(ADC, AsRECT(R), brush.get());
}

void cxFillRectWithGradient(HDC ADC, const TRect& R, TColor AColor1, TColor AColor2, bool AHorizontal) {
  const uint32_t c1 = ColorToRGB(AColor1), c2 = ColorToRGB(AColor2);
  if (c1 == c2) return cxFillRectSolid(ADC, R, AColor1);
  if (!GradientFillProc) return cxSoftwareGradientFill(ADC, R, AColor1, AColor2, AHorizontal);
  auto vertex = [](int X, int Y, uint32_t AColor) {
    return TRIVERTEX{X, Y, static_cast<COLOR16>(RValue(AColor) << 8), static_cast<COLOR16>(GValue(AColor) << 8),
                     static_cast<COLOR16>(BValue(AColor) << 8), 0};
  };
  TRIVERTEX vertices[2] = {vertex(R.Left, R.Top, c1), vertex(R.Right, R.Bottom, c2)};
  GRADIENT_RECT rect{0, 1};
  GradientFillProc(ADC, vertices, 2, &rect, 1, AHorizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void cxSoftwareGradientFill(HDC ADC, const TRect& R, TColor AColor1, TColor AColor2, bool AHorizontal) {
  const uint32_t c1 = ColorToRGB(AColor1), c2 = ColorToRGB(AColor2);
  const int nearEdge = AHorizontal ? R.Left : R.Top;
  const int farEdge = AHorizontal ? R.Right : R.Bottom;
  const int length = farEdge - nearEdge;
  const int count = std::min(length, 256);
  int from = nearEdge;
  for (int i = 0; i < count && from < farEdge; ++i) {
    const int to = nearEdge + MulDiv(i + 1, length, count);
    FillStrip(ADC, R, from, to, AHorizontal,
              RGBColor(StepChannel(RValue(c1), RValue(c2), i, count), StepChannel(GValue(c1), GValue(c2), i, count),
                       StepChannel(BValue(c1), BValue(c2), i, count)));
    from = std::max(from, to);
  }
}

void cxFillGradientWithMidpoint(HDC ADC, const TRect& R, TColor AColor1, TColor AColor2, int APercent,
                                bool AHorizontal) {
  const uint32_t c1 = ColorToRGB(AColor1), c2 = ColorToRGB(AColor2);
  if (c1 == c2) return cxFillRectSolid(ADC, R, AColor1);
  const int nearEdge = AHorizontal ? R.Left : R.Top;
  const int length = (AHorizontal ? R.Right : R.Bottom) - nearEdge;
  if (length <= 0) return;
  const int half = length / 2;
  const int last = std::max(length - 1, 1);
  int (*channels[3])(uint32_t) = {RValue, GValue, BValue};
  int n[3], e[3], m[3];
  for (int k = 0; k < 3; ++k) {
    const int a = channels[k](c1), b = channels[k](c2);
    n[k] = MulDiv(a - b, APercent, 200);
    e[k] = half > 0 ? MulDiv(n[k], length, half) : 0;
    m[k] = half > 0 ? b + MulDiv(a - n[k] - b, length, half) : b;
  }
  for (int i = 0; i < length; ++i) {
    int colour[3];
    for (int k = 0; k < 3; ++k) {
      const int a = channels[k](c1), b = channels[k](c2);
      if (i < half)
        colour[k] = a + MulDiv(i, -e[k], last);
      else if (i == half)
        colour[k] = a - n[k];
      else
        colour[k] = m[k] + MulDiv(i, b - m[k], last);
    }
    FillStrip(ADC, R, nearEdge + i, nearEdge + i + 1, AHorizontal, RGBColor(colour[0], colour[1], colour[2]));
  }
}

// ---------------------------------------------------------------- alpha blending and bitmaps

bool cxGradientFillBound() { return GradientFillProc != nullptr; }
bool cxAlphaBlendBound() { return AlphaBlendProc != nullptr; }

bool cxSystemAlphaBlend(HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TRect& ASrcRect,
                        uint8_t AConstantAlpha, bool ASourceAlpha) {
  if (!AlphaBlendProc) return false;
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, AConstantAlpha, static_cast<BYTE>(ASourceAlpha ? AC_SRC_ALPHA : 0)};
  return AlphaBlendProc(ADestDC, ADestRect.Left, ADestRect.Top, ADestRect.Width(), ADestRect.Height(), ASrcDC,
                        ASrcRect.Left, ASrcRect.Top, ASrcRect.Width(), ASrcRect.Height(), blend) != FALSE;
}

void cxBlendColorIntoPixel(uint32_t AColor, TRGBQuad& APixel, uint8_t AAlpha) {
  const float k = AAlpha / 255.0f;
  const float d = k * static_cast<float>(AColor >> 24);
  const float e = 1 - d / 255;
  auto mix = [&](int AColorChannel, int APixelChannel) {
    return ClampChannel(static_cast<int>(std::lround(k * AColorChannel + e * APixelChannel)));
  };
  APixel.rgbBlue = mix(AColor & 0xFF, APixel.rgbBlue);
  APixel.rgbGreen = mix((AColor >> 8) & 0xFF, APixel.rgbGreen);
  APixel.rgbRed = mix((AColor >> 16) & 0xFF, APixel.rgbRed);
  APixel.rgbReserved = ClampChannel(static_cast<int>(std::lround(d + e * APixel.rgbReserved)));
}

void cxBlendBitmapPixels(TBitmap* ADest, TBitmap* ASource, uint8_t AConstantAlpha) {
  const int width = std::min(ADest->Width(), ASource->Width());
  const int height = std::min(ADest->Height(), ASource->Height());
  GdiFlush();
  for (int y = 0; y < height; ++y) {
    auto* dest = static_cast<TRGBQuad*>(ADest->ScanLine(y));
    const auto* source = static_cast<const uint32_t*>(ASource->ScanLine(y));
    for (int x = 0; x < width; ++x) cxBlendColorIntoPixel(source[x], dest[x], AConstantAlpha);
  }
}

void cxAlphaBlend(HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TRect& ASrcRect, bool ASmoothImage,
                  uint8_t AConstantAlpha) {
  if (ADestRect.IsEmpty() || ASrcRect.IsEmpty()) return;
  const bool smoothing = ASmoothImage && ADestRect.Size() != ASrcRect.Size();
  // A 64-bit process never runs under WOW64, so the system blend serves
  // whenever it is there and no smoothing is wanted.
  if (AlphaBlendProc && !dxOsWin9x && !smoothing &&
      cxSystemAlphaBlend(ADestDC, ASrcDC, ADestRect, ASrcRect, AConstantAlpha))
    return;
  auto source = NewBitmap32(ASrcRect.Width(), ASrcRect.Height());
  cxBitBltRect(source->Canvas()->Handle(), ASrcDC, TRect(0, 0, ASrcRect.Width(), ASrcRect.Height()),
               ASrcRect.TopLeft(), SRCCOPY);
  auto work = NewBitmap32(ADestRect.Width(), ADestRect.Height());
  const TRect workRect(0, 0, ADestRect.Width(), ADestRect.Height());
  cxBitBltRect(work->Canvas()->Handle(), ADestDC, workRect, ADestRect.TopLeft(), SRCCOPY);
  auto resized = NewBitmap32(ADestRect.Width(), ADestRect.Height());
  if (smoothing)
    cxSmoothResizeBitmap(source.get(), resized.get(), true);
  else
    cxStretchBitmap(resized.get(), source.get());
  if (!cxSystemAlphaBlend(work->Canvas()->Handle(), resized->Canvas()->Handle(), workRect, workRect,
                          AConstantAlpha))
    cxBlendBitmapPixels(work.get(), resized.get(), AConstantAlpha);
  cxBitBltRect(ADestDC, work->Canvas()->Handle(), ADestRect, TPoint(), SRCCOPY);
}

void cxAlphaBlendBitmaps(TBitmap* ADest, TBitmap* ASource, const TRect& ADestRect, const TRect& ASrcRect,
                         bool ASmoothImage, uint8_t AConstantAlpha) {
  cxAlphaBlend(ADest->Canvas()->Handle(), ASource->Canvas()->Handle(), ADestRect, ASrcRect, ASmoothImage,
               AConstantAlpha);
}

TBitmap* cxCreateBitmap(int AWidth, int AHeight, TPixelFormat APixelFormat) {
  auto* result = new TBitmap;
  result->SetPixelFormat(APixelFormat);
  result->SetSize(AWidth, AHeight);
  return result;
}

TBitmap* cxCreateBitmapOfRect(const TRect& R, TPixelFormat APixelFormat) {
  return cxCreateBitmap(R.Width(), R.Height(), APixelFormat);
}

TBitmap* cxCreateBitmapOfSize(const TSize& ASize, TPixelFormat APixelFormat) {
  return cxCreateBitmap(ASize.cx, ASize.cy, APixelFormat);
}

void cxBitBltRect(HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TPoint& ASrcPoint, uint32_t ARop) {
  BitBlt(ADestDC, ADestRect.Left, ADestRect.Top, ADestRect.Width(), ADestRect.Height(), ASrcDC, ASrcPoint.X,
         ASrcPoint.Y, ARop);
}

void cxStretchBitmap(TBitmap* ADest, TBitmap* ASrc) {
  StretchBlt(ADest->Canvas()->Handle(), 0, 0, ADest->Width(), ADest->Height(), ASrc->Canvas()->Handle(), 0, 0,
             ASrc->Width(), ASrc->Height(), SRCCOPY);
}

void cxPaintBitmapToDC(HDC ADC, TBitmap* ABitmap, const TRect& ADestRect, const TPoint& ASrcPoint, uint32_t AMode) {
  // The framework's bitmaps have 24 or 32 bits and no palette.
  cxBitBltRect(ADC, ABitmap->Canvas()->Handle(), ADestRect, ASrcPoint, AMode);
}

void cxSmoothResizeBitmap(TBitmap* ASource, TBitmap* ADest, bool AForceLanczos) {
  if (ASource->Empty() || ADest->Empty()) return;
  TCanvasLock sourceLock(ASource->Canvas()), destLock(ADest->Canvas());
  if (dxOsNT && !AForceLanczos) {
    HDC dc = ADest->Canvas()->Handle();
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, 0, 0, ADest->Width(), ADest->Height(), ASource->Canvas()->Handle(), 0, 0, ASource->Width(),
               ASource->Height(), SRCCOPY);
    SetStretchBltMode(dc, oldMode);
  } else {
    LanczosResize(ASource, ADest);
  }
}

// ---------------------------------------------------------------- fitting and cursor

void cxFitRectForImage(const TRect& R, const TSize& AImageSize, TcxImageFitMode AFitMode, bool ACenter,
                       int APercent, TRect& ADest) {
  if (AImageSize.cx <= 0 || AImageSize.cy <= 0) {
    ADest = R;
    return;
  }
  const int w = R.Width(), h = R.Height();
  const double kx = static_cast<double>(w) / AImageSize.cx, ky = static_cast<double>(h) / AImageSize.cy;
  auto proportional = [&]() -> TSize {
    if (kx >= ky) return {static_cast<int>(std::trunc(AImageSize.cx * ky)), h};
    return {w, static_cast<int>(std::trunc(kx * AImageSize.cy))};
  };
  TSize size;
  switch (AFitMode) {
    case ifmNormal:
      size = {MulDiv(AImageSize.cx, APercent, 100), MulDiv(AImageSize.cy, APercent, 100)};
      break;
    case ifmStretch:
      size = {w, h};
      break;
    case ifmProportionalStretch:
      size = proportional();
      break;
    case ifmFit:
      size = std::min(kx, ky) >= 1 ? AImageSize : proportional();
      break;
    case ifmFill:
      size = kx > ky ? TSize{w, static_cast<int>(std::trunc(kx * AImageSize.cy))}
                     : TSize{static_cast<int>(std::trunc(AImageSize.cx * ky)), h};
      break;
  }
  ADest = ACenter ? cxRectCenteredOfSize(R, size.cx, size.cy) : TRect(R.Left, R.Top, R.Left + size.cx, R.Top + size.cy);
}

void cxFitRectForImageCentered(const TRect& R, const TSize& AImageSize, TcxImageFitMode AFitMode, TRect& ADest) {
  cxFitRectForImage(R, AImageSize, AFitMode, true, 100, ADest);
}

TSize cxCurrentCursorExtent() {
  TSize result{GetSystemMetrics(SM_CXCURSOR), GetSystemMetrics(SM_CYCURSOR)};
  ICONINFO info{};
  if (!GetIconInfo(GetCursor(), &info)) return result;
  std::unique_ptr<HBITMAP__, TGdiObjectDeleter> mask(info.hbmMask), colour(info.hbmColor);
  BITMAP bitmap{};
  if (!mask || !GetObjectW(mask.get(), sizeof(bitmap), &bitmap) || bitmap.bmBitsPixel != 1) return result;
  result.cx = bitmap.bmWidth;
  const int bytesPerRow = ((bitmap.bmWidth + 31) / 32) * 4;
  const int andBytes = bitmap.bmWidth * bytesPerRow;
  // The mask bottom-up: its last rows are the top of the cursor, the AND
  // mask; a monochrome cursor's XOR mask lies below it.
  std::vector<uint8_t> bits(static_cast<size_t>(bytesPerRow) * bitmap.bmHeight);
  struct {
    BITMAPINFOHEADER Header;
    RGBQUAD Colors[2];
  } info1{};
  info1.Header = {sizeof(BITMAPINFOHEADER), bitmap.bmWidth, bitmap.bmHeight, 1, 1, BI_RGB};
  HDC dc = GetDC(nullptr);
  const int rows = GetDIBits(dc, mask.get(), 0, bitmap.bmHeight, bits.data(),
                             reinterpret_cast<BITMAPINFO*>(&info1), DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  if (rows != bitmap.bmHeight || static_cast<int>(bits.size()) < andBytes) return result;
  // The bytes left after the first one that is not AFill.
  auto remaining = [&](int AStart, uint8_t AFill) {
    int i = AStart;
    while (i < AStart + andBytes && bits[i] == AFill) ++i;
    return AStart + andBytes - i - (i < AStart + andBytes ? 1 : 0);
  };
  const int andStart = static_cast<int>(bits.size()) - andBytes;
  int d = remaining(andStart, 0xFF);
  if (d == 0 && bitmap.bmHeight >= 2 * bitmap.bmWidth && andStart >= andBytes) d = remaining(andStart - andBytes, 0);
  result.cy = d / bytesPerRow - static_cast<int>(info.yHotspot);
  return result;
}

// ---------------------------------------------------------------- shared objects and unit

HBRUSH cxHalftoneBrush() { return halftoneBrush.get(); }
// Built on first use while the unit is started (UI thread only).
const std::vector<std::unique_ptr<TBrush>>& cxSystemColorBrushes() {
  if (systemColorBrushes.empty() && cxGraphicsStarted) systemColorBrushes = CreateSystemColorBrushes();
  return systemColorBrushes;
}

TcxScreenCanvas* cxSharedScreenCanvas() {
  if (!sharedScreenCanvas && !cxGraphicsFinalized) sharedScreenCanvas = std::make_unique<TcxScreenCanvas>();
  return sharedScreenCanvas.get();
}

TcxPaintCanvas* cxSharedPaintCanvas() {
  if (!sharedPaintCanvas && !cxGraphicsFinalized) sharedPaintCanvas = std::make_unique<TcxPaintCanvas>();
  return sharedPaintCanvas.get();
}

namespace {

// Plays an image's frames on the library's shared timer window: one timer
// per frame, started with that frame's delay.
class TdxImageAnimationController : public TdxGPImageCustomAnimationController {
  VCL_CLASS(TdxImageAnimationController, TdxGPImageCustomAnimationController)
public:
  using TdxGPImageCustomAnimationController::TdxGPImageCustomAnimationController;
  ~TdxImageAnimationController() override { DoStopAnimation(); }

protected:
  void DoStartAnimation() override {
    if (FTimer) return;
    FTimer = std::make_unique<TcxTimer>(nullptr);
    FTimer->SetOnTimer([this](TObject* Sender) { AnimationTimerHandler(Sender); });
    FTimer->SetInterval(static_cast<uint32_t>(Image()->AnimationFrameDelay()));
    FTimer->SetEnabled(true);
  }
  void DoStopAnimation() override { FTimer.reset(); }
  bool IsAnimating() const override { return FTimer && FTimer->Enabled(); }

private:
  std::unique_ptr<TcxTimer> FTimer;
};

void Initialize() {
  cxGraphicsFinalized = false;
  cxGraphicsStarted = true;
  halftoneBrush.reset(CreateHalftoneBrush());
  BindMsimg32();
  screenPixelsPerInch = ReadScreenPixelsPerInch();
  dxGPImageAnimationControllerClass = [](TdxGPImage* AImage) {
    return std::make_unique<TdxImageAnimationController>(AImage);
  };
}

void Finalize() {
  cxGraphicsFinalized = true;
  cxGraphicsStarted = false;
  dxGPImageAnimationControllerClass = nullptr;
  systemColorBrushes.clear();
  halftoneBrush.reset();
  sharedPaintCanvas.reset();
  sharedScreenCanvas.reset();
  ReleaseMsimg32();
}

}  // namespace

const TUnitEntry cxGraphicsUnit{L"cxGraphics", Initialize, Finalize};
