// String formats, font families and fonts.
#include <bit>
#include <cmath>
#include <cstring>

#include "components/core/dxGdiPlusClasses.h"

namespace {

// A GDI+ canvas on the screen's device context, for measuring.
class TScreenCanvas {
public:
  TScreenCanvas() : FDC(GetDC(nullptr)), FCanvas(std::make_unique<TdxGPCanvas>(FDC)) {}
  ~TScreenCanvas() {
    FCanvas.reset();
    ReleaseDC(nullptr, FDC);
  }
  TScreenCanvas(const TScreenCanvas&) = delete;
  TScreenCanvas& operator=(const TScreenCanvas&) = delete;
  TdxGPCanvas* Canvas() const { return FCanvas.get(); }

private:
  HDC FDC;
  std::unique_ptr<TdxGPCanvas> FCanvas;
};

template <class T>
T ReadFormatValue(Status(WINAPI* AGetter)(void*, INT*), void* AHandle) {
  INT value = 0;
  dxCheckGpStatus(AGetter(AHandle, &value));
  return static_cast<T>(value);
}

}  // namespace

// ---------------------------------------------------------------- TdxGPStringFormat

TdxGPStringFormat::TdxGPStringFormat(int AFormatAttributes, LANGID ALanguage) {
  dxCheckGpStatus(GdipCreateStringFormat(AFormatAttributes, ALanguage, &FHandle));
}

TdxGPStringFormat::TdxGPStringFormat(TdxGPStringFormat* AFormat) {
  dxCheckGpStatus(GdipCloneStringFormat(AFormat ? AFormat->FHandle : nullptr, &FHandle));
}

TdxGPStringFormat::~TdxGPStringFormat() {
  if (FHandle) GdipDeleteStringFormat(FHandle);
}

void TdxGPStringFormat::Assign(TdxGPStringFormat* ASource) {
  void* clone = nullptr;
  dxCheckGpStatus(GdipCloneStringFormat(ASource ? ASource->FHandle : nullptr, &clone));
  if (FHandle) GdipDeleteStringFormat(FHandle);
  FHandle = clone;
}

TdxGpStringAlignment TdxGPStringFormat::Alignment() const {
  return ReadFormatValue<TdxGpStringAlignment>(GdipGetStringFormatAlign, FHandle);
}

void TdxGPStringFormat::SetAlignment(TdxGpStringAlignment AValue) {
  dxCheckGpStatus(GdipSetStringFormatAlign(FHandle, AValue));
}

TdxGpStringAlignment TdxGPStringFormat::LineAlignment() const {
  return ReadFormatValue<TdxGpStringAlignment>(GdipGetStringFormatLineAlign, FHandle);
}

void TdxGPStringFormat::SetLineAlignment(TdxGpStringAlignment AValue) {
  dxCheckGpStatus(GdipSetStringFormatLineAlign(FHandle, AValue));
}

int TdxGPStringFormat::FormatFlags() const { return ReadFormatValue<int>(GdipGetStringFormatFlags, FHandle); }
void TdxGPStringFormat::SetFormatFlags(int AValue) { dxCheckGpStatus(GdipSetStringFormatFlags(FHandle, AValue)); }

TdxGPHotkeyPrefix TdxGPStringFormat::HotkeyPrefix() const {
  return ReadFormatValue<TdxGPHotkeyPrefix>(GdipGetStringFormatHotkeyPrefix, FHandle);
}

void TdxGPStringFormat::SetHotkeyPrefix(TdxGPHotkeyPrefix AValue) {
  dxCheckGpStatus(GdipSetStringFormatHotkeyPrefix(FHandle, AValue));
}

TdxGpStringTrimming TdxGPStringFormat::Trimming() const {
  return ReadFormatValue<TdxGpStringTrimming>(GdipGetStringFormatTrimming, FHandle);
}

void TdxGPStringFormat::SetTrimming(TdxGpStringTrimming AValue) {
  dxCheckGpStatus(GdipSetStringFormatTrimming(FHandle, AValue));
}

LANGID TdxGPStringFormat::DigitSubstitutionLanguage() const {
  LANGID language = 0;
  INT method = 0;
  dxCheckGpStatus(GdipGetStringFormatDigitSubstitution(FHandle, &language, &method));
  return language;
}

TdxGpStringDigitSubstitute TdxGPStringFormat::DigitSubstitutionMethod() const {
  LANGID language = 0;
  INT method = 0;
  dxCheckGpStatus(GdipGetStringFormatDigitSubstitution(FHandle, &language, &method));
  return static_cast<TdxGpStringDigitSubstitute>(method);
}

int TdxGPStringFormat::MeasurableCharacterRangeCount() const {
  return ReadFormatValue<int>(GdipGetStringFormatMeasurableCharacterRangeCount, FHandle);
}

void TdxGPStringFormat::SetTabStops(float AFirstTabOffset, int ACount, const std::vector<float>& ATabStops) {
  if (ACount < 0 || static_cast<size_t>(ACount) > ATabStops.size()) dxCheckGpStatus(InvalidParameter);
  dxCheckGpStatus(GdipSetStringFormatTabStops(FHandle, AFirstTabOffset, ACount, ATabStops.data()));
}

int TdxGPStringFormat::GetTabStopCount() const {
  return ReadFormatValue<int>(GdipGetStringFormatTabStopCount, FHandle);
}

std::vector<float> TdxGPStringFormat::GetTabStops(int ACount, float& AFirstTabOffset) const {
  std::vector<float> result(std::max(ACount, 0));
  dxCheckGpStatus(GdipGetStringFormatTabStops(FHandle, ACount, &AFirstTabOffset, result.data()));
  return result;
}

void TdxGPStringFormat::SetDigitSubstitution(LANGID ALanguage, TdxGpStringDigitSubstitute ASubstitute) {
  dxCheckGpStatus(GdipSetStringFormatDigitSubstitution(FHandle, ALanguage, ASubstitute));
}

void TdxGPStringFormat::SetMeasurableCharacterRanges(int ACount, const std::vector<TdxGpCharacterRange>& ARanges) {
  if (ACount < 0 || static_cast<size_t>(ACount) > ARanges.size()) dxCheckGpStatus(InvalidParameter);
  dxCheckGpStatus(GdipSetStringFormatMeasurableCharacterRanges(FHandle, ACount, ARanges.data()));
}

// ---------------------------------------------------------------- TdxGPFontFamily

TdxGPFontFamily::TdxGPFontFamily(const String& AName) {
  if (GdipCreateFontFamilyFromName(AName.c_str(), nullptr, &FHandle) != Ok) FHandle = nullptr;
}

std::unique_ptr<TdxGPFontFamily> TdxGPFontFamily::FromHandle(void* AFamily) {
  std::unique_ptr<TdxGPFontFamily> result(new TdxGPFontFamily());
  dxCheckGpStatus(GdipCloneFontFamily(AFamily, &result->FHandle));
  return result;
}

TdxGPFontFamily::~TdxGPFontFamily() {
  if (FHandle) GdipDeleteFontFamily(FHandle);
}

namespace {
using TFamilyMetric = Status(WINAPI*)(void*, INT, UINT16*);
uint16_t FamilyMetric(TFamilyMetric AGetter, void* AFamily, int AStyle) {
  UINT16 value = 0;
  dxCheckGpStatus(AGetter(AFamily, AStyle, &value));
  return value;
}
}  // namespace

uint16_t TdxGPFontFamily::GetCellAscent(int AStyle) const { return FamilyMetric(GdipGetCellAscent, FHandle, AStyle); }
uint16_t TdxGPFontFamily::GetCellDescent(int AStyle) const { return FamilyMetric(GdipGetCellDescent, FHandle, AStyle); }
uint16_t TdxGPFontFamily::GetEmHeight(int AStyle) const { return FamilyMetric(GdipGetEmHeight, FHandle, AStyle); }
uint16_t TdxGPFontFamily::GetLineSpacing(int AStyle) const { return FamilyMetric(GdipGetLineSpacing, FHandle, AStyle); }

bool TdxGPFontFamily::IsStyleAvailable(int AStyle) const {
  BOOL result = FALSE;
  dxCheckGpStatus(GdipIsStyleAvailable(FHandle, AStyle, &result));
  return result;
}

String TdxGPFontFamily::GetName(LANGID ALanguage) const {
  wchar_t name[LF_FACESIZE + 1] = {};
  dxCheckGpStatus(GdipGetFamilyName(FHandle, name, ALanguage));
  return String(name);
}

// ---------------------------------------------------------------- TdxGPFont

TdxGPFont::TdxGPFont(void* ANativeFont, uint8_t AGdiCharSet, bool AGdiVerticalFont) : FNativeFont(ANativeFont) {
  try {
    INT unit = static_cast<INT>(guPoint), style = 0;
    float size = 0;
    void* family = nullptr;
    dxCheckGpStatus(GdipGetFontUnit(FNativeFont, &unit));
    dxCheckGpStatus(GdipGetFontSize(FNativeFont, &size));
    dxCheckGpStatus(GdipGetFontStyle(FNativeFont, &style));
    dxCheckGpStatus(GdipGetFamily(FNativeFont, &family));
    try {
      FOwnFontFamily = TdxGPFontFamily::FromHandle(family);
    } catch (...) {
      GdipDeleteFontFamily(family);
      throw;
    }
    GdipDeleteFontFamily(family);
    FOriginalFontName = FOwnFontFamily->Name();
    Initialize(FOwnFontFamily.get(), style, AGdiVerticalFont, AGdiCharSet, static_cast<TdxGraphicUnit>(unit), size);
  } catch (...) {
    GdipDeleteFont(FNativeFont);
    throw;
  }
}

TdxGPFont::TdxGPFont(const String& AFamilyName, float AEmSize, int AStyle, TdxGraphicUnit AUnit,
                     uint8_t AGdiCharSet) {
  InitializeByName(AFamilyName, AEmSize, AStyle, AUnit, AGdiCharSet, IsVerticalName(AFamilyName));
}

TdxGPFont::TdxGPFont(const String& AFamilyName, float AEmSize, int AStyle, TdxGraphicUnit AUnit,
                     uint8_t AGdiCharSet, bool AGdiVerticalFont) {
  InitializeByName(AFamilyName, AEmSize, AStyle, AUnit, AGdiCharSet, AGdiVerticalFont);
}

TdxGPFont::TdxGPFont(TdxGPFontFamily* AFamily, float AEmSize, int AStyle, TdxGraphicUnit AUnit,
                     uint8_t AGdiCharSet, bool AGdiVerticalFont) {
  if (AFamily) FOriginalFontName = AFamily->Handle() ? AFamily->Name() : String();
  Initialize(AFamily, AStyle, AGdiVerticalFont, AGdiCharSet, AUnit, AEmSize);
}

TdxGPFont::TdxGPFont(TdxGPFont* APrototype, int AStyle) {
  FOriginalFontName = APrototype->FOriginalFontName;
  Initialize(APrototype->FFontFamily, AStyle, APrototype->FGdiVerticalFont, APrototype->FGdiCharSet,
             APrototype->FFontUnit, APrototype->FFontSize);
}

TdxGPFont::~TdxGPFont() {
  if (FNativeFont) GdipDeleteFont(FNativeFont);
}

void TdxGPFont::InitializeByName(const String& AFamilyName, float AEmSize, int AStyle, TdxGraphicUnit AUnit,
                                 uint8_t AGdiCharSet, bool AGdiVerticalFont) {
  FOwnFontFamily = std::make_unique<TdxGPFontFamily>(StripVerticalName(AFamilyName));
  FOriginalFontName = AFamilyName;
  Initialize(FOwnFontFamily.get(), AStyle, AGdiVerticalFont, AGdiCharSet, AUnit, AEmSize);
}

void TdxGPFont::Initialize(TdxGPFontFamily* AFamily, int AStyle, bool AGdiVerticalFont, uint8_t AGdiCharSet,
                           TdxGraphicUnit AUnit, float AEmSize) {
  if (!AFamily) dxCheckGpStatus(FontFamilyNotFound);
  if (!std::isfinite(AEmSize) || AEmSize <= 0) dxCheckGpStatus(InvalidParameter);
  FFontSize = AEmSize;
  FFontStyle = AStyle;
  FFontUnit = AUnit;
  FGdiCharSet = AGdiCharSet;
  FGdiVerticalFont = AGdiVerticalFont;
  if (!FFontFamily) FFontFamily = AFamily;
  if (!FNativeFont)
    dxCheckGpStatus(GdipCreateFont(FFontFamily->Handle(), AEmSize, AStyle, static_cast<INT>(AUnit), &FNativeFont));
  dxCheckGpStatus(GdipGetFontSize(FNativeFont, &FFontSize));
}

std::unique_ptr<TdxGPFont> TdxGPFont::FromLogFont(const LOGFONTW& ALogFont, HDC AHdc) {
  const HDC screen = AHdc ? nullptr : GetDC(nullptr);
  void* font = nullptr;
  const Status status = GdipCreateFontFromLogfontW(AHdc ? AHdc : screen, &ALogFont, &font);
  if (screen) ReleaseDC(nullptr, screen);
  if (status != Ok || !font) dxCheckGpStatus(NotTrueTypeFont);
  return std::make_unique<TdxGPFont>(font, ALogFont.lfCharSet, ALogFont.lfFaceName[0] == L'@');
}

std::unique_ptr<TdxGPFont> TdxGPFont::FromHfont(HFONT AHfont) {
  LOGFONTW logFont{};
  if (!GetObjectW(AHfont, sizeof(logFont), &logFont)) dxCheckGpStatus(InvalidParameter);
  return FromLogFont(logFont);
}

std::unique_ptr<TdxGPFont> TdxGPFont::FromHdc(HDC AHdc) {
  void* font = nullptr;
  dxCheckGpStatus(GdipCreateFontFromDC(AHdc, &font));
  return std::make_unique<TdxGPFont>(font, 0, false);
}

std::unique_ptr<TdxGPFont> TdxGPFont::Clone() const {
  void* font = nullptr;
  dxCheckGpStatus(GdipCloneFont(FNativeFont, &font));
  return std::make_unique<TdxGPFont>(font, FGdiCharSet, FGdiVerticalFont);
}

void TdxGPFont::ToLogFont(LOGFONTW& ALogFont) {
  const TScreenCanvas screen;
  ToLogFont(ALogFont, screen.Canvas());
}

void TdxGPFont::ToLogFont(LOGFONTW& ALogFont, TdxGPCanvas* ACanvas) {
  if (!ACanvas) dxCheckGpStatus(InvalidParameter);
  dxCheckGpStatus(GdipGetLogFontW(FNativeFont, ACanvas->Handle(), &ALogFont));
  if (FGdiVerticalFont) {
    std::memmove(ALogFont.lfFaceName + 1, ALogFont.lfFaceName, (LF_FACESIZE - 1) * sizeof(wchar_t));
    ALogFont.lfFaceName[0] = L'@';
    ALogFont.lfFaceName[LF_FACESIZE - 1] = 0;
  }
  if (ALogFont.lfCharSet == 0) ALogFont.lfCharSet = FGdiCharSet;
}

HFONT TdxGPFont::ToHfont() {
  LOGFONTW logFont{};
  ToLogFont(logFont);
  return CreateFontIndirectW(&logFont);
}

float TdxGPFont::GetHeight(TdxGPCanvas* AGraphics) {
  if (!AGraphics) dxCheckGpStatus(InvalidParameter);
  float height = 0;
  dxCheckGpStatus(GdipGetFontHeight(FNativeFont, AGraphics->Handle(), &height));
  return height;
}

float TdxGPFont::GetHeight() {
  const TScreenCanvas screen;
  return GetHeight(screen.Canvas());
}

float TdxGPFont::GetHeight(float ADpi) {
  float height = 0;
  dxCheckGpStatus(GdipGetFontHeightGivenDPI(FNativeFont, ADpi, &height));
  return height;
}

float TdxGPFont::SizeInPoints() {
  if (FFontUnit == guPoint) return FFontSize;
  const TScreenCanvas screen;
  return FFontFamily->GetEmHeight(FFontStyle) * GetHeight(screen.Canvas()) / FFontFamily->GetLineSpacing(FFontStyle) /
         (screen.Canvas()->DpiY() / 72);
}

int TdxGPFont::GetHashCode() const {
  const int64_t rounded = std::llround(static_cast<double>(FFontSize));
  const uint32_t unit = static_cast<uint32_t>(FFontUnit);
  const uint32_t size = (static_cast<uint32_t>(rounded) << 7) | static_cast<uint32_t>(rounded >> 25);
  return static_cast<int>(size ^ ((unit << 26) | (unit >> 6)) ^ std::rotl(static_cast<uint32_t>(FFontStyle), 13));
}

bool TdxGPFont::IsVerticalName(const String& AFamilyName) {
  return !AFamilyName.empty() && AFamilyName[0] == L'@';
}

String TdxGPFont::StripVerticalName(const String& AFamilyName) {
  return AFamilyName.size() > 1 && IsVerticalName(AFamilyName) ? AFamilyName.substr(1) : AFamilyName;
}
