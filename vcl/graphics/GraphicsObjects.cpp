#include "vcl/graphics/GraphicsObjects.h"

#include "vcl/graphics/Graphic.h"
#include "vcl/rtl/WinApi.h"

const wchar_t* const DefFontName = L"Tahoma";

// ---------------------------------------------------------------- TGraphicsObject

TGraphicsObject::~TGraphicsObject() {
  if (FHandle) DeleteObject(static_cast<HGDIOBJ>(FHandle));
}

void* TGraphicsObject::GetHandle() const {
  if (!FHandle) FHandle = CreateHandle();
  return FHandle;
}

void TGraphicsObject::Changed() {
  void* old = FHandle;
  FHandle = nullptr;
  if (OnChange) OnChange(this);
  if (old) DeleteObject(static_cast<HGDIOBJ>(old));
}

void TGraphicsObject::TakeHandle(void* AHandle) {
  void* old = FHandle;
  FHandle = AHandle;
  if (OnChange) OnChange(this);
  if (old && old != AHandle) DeleteObject(static_cast<HGDIOBJ>(old));
}

namespace {
// Stores Value in Field; true when that changed it.
template <typename T>
bool Store(T& Field, const T& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}
}  // namespace

// ---------------------------------------------------------------- TFont

TFont::TFont() : FName(DefFontName), FHeight(DefFontHeight) {}

void TFont::SetName(const String& Value) {
  if (Value.empty()) return;  // a font needs a face name
  if (Store(FName, Value)) Changed();
}
void TFont::SetHeight(int Value) { if (Store(FHeight, Value)) Changed(); }
int TFont::Size() const { return -MulDiv(FHeight, 72, FPixelsPerInch); }
void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, FPixelsPerInch, 72)); }
void TFont::SetColor(TColor Value) {
  // The colour is not part of the GDI font: only listeners care.
  if (FColor == Value) return;
  FColor = Value;
  if (OnChange) OnChange(this);
}
void TFont::SetStyle(TFontStyles Value) { if (Store(FStyle, Value)) Changed(); }
void TFont::SetPitch(TFontPitch Value) { if (Store(FPitch, Value)) Changed(); }
void TFont::SetCharset(uint8_t Value) { if (Store(FCharset, Value)) Changed(); }
void TFont::SetQuality(TFontQuality Value) { if (Store(FQuality, Value)) Changed(); }
void TFont::SetOrientation(int Value) { if (Store(FOrientation, Value)) Changed(); }

void TFont::SetHandle(HFONT Value) {
  LOGFONTW lf{};
  if (!Value || !GetObjectW(Value, sizeof(lf), &lf))
    throw EInvalidGraphicOperation(L"The font handle is not a font");
  FName = lf.lfFaceName;
  FHeight = lf.lfHeight;
  FStyle = {};
  if (lf.lfWeight >= FW_BOLD) FStyle.Include(fsBold);
  if (lf.lfItalic) FStyle.Include(fsItalic);
  if (lf.lfUnderline) FStyle.Include(fsUnderline);
  if (lf.lfStrikeOut) FStyle.Include(fsStrikeOut);
  FCharset = lf.lfCharSet;
  const int pitch = lf.lfPitchAndFamily & 3;
  FPitch = pitch == VARIABLE_PITCH ? fpVariable : pitch == FIXED_PITCH ? fpFixed : fpDefault;
  FOrientation = lf.lfEscapement;
  TakeHandle(Value);
}

void TFont::Assign(TPersistent* Source) {
  auto* font = dynamic_cast<TFont*>(Source);
  if (!font) return TGraphicsObject::Assign(Source);
  FName = font->FName;
  FHeight = MulDiv(font->FHeight, FPixelsPerInch, font->FPixelsPerInch);
  FColor = font->FColor;
  FStyle = font->FStyle;
  FPitch = font->FPitch;
  FCharset = font->FCharset;
  FQuality = font->FQuality;
  FOrientation = font->FOrientation;
  Changed();
}

void* TFont::CreateHandle() const {
  static const BYTE pitches[] = {DEFAULT_PITCH, VARIABLE_PITCH, FIXED_PITCH};
  static const BYTE qualities[] = {DEFAULT_QUALITY,     DRAFT_QUALITY,     PROOF_QUALITY,
                                   NONANTIALIASED_QUALITY, ANTIALIASED_QUALITY,
                                   CLEARTYPE_QUALITY,   CLEARTYPE_NATURAL_QUALITY};
  LOGFONTW lf{};
  lf.lfHeight = FHeight;
  lf.lfEscapement = lf.lfOrientation = FOrientation;
  lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = FStyle.Contains(fsItalic);
  lf.lfUnderline = FStyle.Contains(fsUnderline);
  lf.lfStrikeOut = FStyle.Contains(fsStrikeOut);
  lf.lfCharSet = FCharset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = qualities[static_cast<int>(FQuality)];
  lf.lfPitchAndFamily = pitches[static_cast<int>(FPitch)];
  FName.copy(lf.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&lf);
}

// ---------------------------------------------------------------- TBrush

void TBrush::SetColor(TColor Value) {
  if (FColor == Value && FStyle != bsClear) return;
  FColor = Value;
  if (FStyle == bsClear) FStyle = bsSolid;
  Changed();
}
void TBrush::SetStyle(TBrushStyle Value) { if (Store(FStyle, Value)) Changed(); }

void TBrush::SetHandle(HBRUSH Value) {
  LOGBRUSH lb{};
  if (!Value || !GetObjectW(Value, sizeof(lb), &lb))
    throw EInvalidGraphicOperation(L"The brush handle is not a brush");
  static const TBrushStyle hatches[] = {bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross};
  FColor = static_cast<TColor>(lb.lbColor);
  FStyle = lb.lbStyle == BS_NULL ? bsClear
           : lb.lbStyle == BS_HATCHED && lb.lbHatch <= HS_DIAGCROSS ? hatches[lb.lbHatch]
                                                                    : bsSolid;
  // System colour brushes belong to the system: DeleteObject leaves them.
  TakeHandle(Value);
}

void TBrush::Assign(TPersistent* Source) {
  auto* brush = dynamic_cast<TBrush*>(Source);
  if (!brush) return TGraphicsObject::Assign(Source);
  FColor = brush->FColor;
  FStyle = brush->FStyle;
  Changed();
}

void* TBrush::CreateHandle() const {
  // Stock objects may be "deleted" safely: DeleteObject ignores them.
  if (FStyle == bsClear || FColor == clNone) return GetStockObject(NULL_BRUSH);
  COLORREF color = ColorToRGB(FColor);
  if (FStyle == bsSolid) return CreateSolidBrush(color);
  static const int hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
  return CreateHatchBrush(hatches[static_cast<int>(FStyle) - static_cast<int>(bsHorizontal)], color);
}

// ---------------------------------------------------------------- TPen

void TPen::SetColor(TColor Value) { if (Store(FColor, Value)) Changed(); }
void TPen::SetWidth(int Value) {
  if (Value < 0) return;
  if (Store(FWidth, Value)) Changed();
}
void TPen::SetStyle(TPenStyle Value) { if (Store(FStyle, Value)) Changed(); }

int PenModeToROP2(TPenMode AMode) {
  static const int codes[] = {R2_BLACK,       R2_WHITE,       R2_NOP,         R2_NOT,
                              R2_COPYPEN,     R2_NOTCOPYPEN,  R2_MERGEPENNOT, R2_MASKPENNOT,
                              R2_MERGENOTPEN, R2_MASKNOTPEN,  R2_MERGEPEN,    R2_NOTMERGEPEN,
                              R2_MASKPEN,     R2_NOTMASKPEN,  R2_XORPEN,      R2_NOTXORPEN};
  return codes[static_cast<int>(AMode)];
}

void TPen::SetMode(TPenMode Value) {
  // Not part of the GDI pen: the canvas applies it when it selects the pen.
  if (FMode == Value) return;
  FMode = Value;
  if (OnChange) OnChange(this);
}

void TPen::Assign(TPersistent* Source) {
  auto* pen = dynamic_cast<TPen*>(Source);
  if (!pen) return TGraphicsObject::Assign(Source);
  FColor = pen->FColor;
  FWidth = pen->FWidth;
  FStyle = pen->FStyle;
  FMode = pen->FMode;
  Changed();
}

void* TPen::CreateHandle() const {
  static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL,
                               PS_INSIDEFRAME};
  if (FColor == clNone) return GetStockObject(NULL_PEN);
  return CreatePen(styles[static_cast<int>(FStyle)], FWidth, ColorToRGB(FColor));
}
