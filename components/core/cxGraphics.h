#pragma once
// The library's drawing unit: DPI scaling, colour arithmetic, gradients,
// alpha blending, bitmap copying and resizing, image fitting, regions, the
// canvas wrapper, text routines, the library's bitmaps, glyph drawing, the
// image list and the shared drawing objects.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "components/core/dxCoreGraphics.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/classes/Collection.h"
#include "vcl/classes/TypInfo.h"
#include "vcl/controls/ImgList.h"
#include "vcl/controls/UITypes.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/Colors.h"
#include "vcl/rtl/Sets.h"
#include "vcl/rtl/Types.h"
#include "vcl/rtl/UnitStartup.h"
#include "vcl/rtl/WinApi.h"

// ---------------------------------------------------------------- DPI

// The screen's pixels per inch, read once at unit start; 96 is the base of
// all scaling.
TSize cxScreenPixelsPerInch();
int cxCurrentDPI();  // the vertical pixels per inch
int cxScaleByCurrentDPI(int AValue);
TPoint cxScalePointByCurrentDPI(const TPoint& P);
TRect cxScaleRectByCurrentDPI(const TRect& R);
TSize cxScaleSizeByCurrentDPI(const TSize& S);

// ---------------------------------------------------------------- colours

struct TdxHSL {
  double H = 0, S = 0, L = 0;  // each 0..1
};
struct TdxHSV {
  double H = 0, S = 0, V = 0;  // H in degrees 0..360, S and V 0..1
};

class TdxColorSpaceConverter {
public:
  // clNone and clDefault convert to all zeros.
  static TdxHSL ColorToHSL(TColor AColor);
  static TdxHSV ColorToHSV(TColor AColor);
  static TColor HSLToColor(const TdxHSL& AHSL) { return HSLToColor(AHSL.H, AHSL.S, AHSL.L); }
  static TColor HSLToColor(double H, double S, double L);
  static TColor HSVToColor(const TdxHSV& AHSV) { return HSVToColor(AHSV.H, AHSV.S, AHSV.V); }
  static TColor HSVToColor(double H, double S, double V);
};

TColor cxInvertedColor(TColor AColor);
inline TColor cxColorOrDefault(TColor AColor, TColor ADefault) { return AColor == clDefault ? ADefault : AColor; }
inline bool cxIsRealColor(TColor AColor) { return AColor != clNone && AColor != clDefault; }
TColor cxNearestScreenColor(TColor AColor);
// APercent of AColor1 and the rest of AColor2, per channel.
TColor cxBlendTwoColors(TColor AColor1, TColor AColor2, int APercent);
TColor cxMixSystemLightColor(int AFacePercent, int AHighlightPercent, int AWindowPercent);
TColor cxSystemTintColor1();
TColor cxSystemTintColor2();
bool cxIsBtnFaceBlack();
bool cxIsBtnFaceBlackWithDarkText();
// Lighter for a positive percentage, darker for a negative one.
TColor cxShiftColorBrightness(TColor AColor, int APercent);

// ---------------------------------------------------------------- fills and gradients

void cxFillRectSolid(HDC ADC, const TRect& R, TColor AColor);
void cxFrameRectSolid(HDC ADC, const TRect& R, TColor AColor);
// The system gradient when msimg32 has one, else cxSoftwareGradientFill.
void cxFillRectWithGradient(HDC ADC, const TRect& R, TColor AColor1, TColor AColor2, bool AHorizontal);
// At most 256 solid strips from AColor1 to AColor2.
void cxSoftwareGradientFill(HDC ADC, const TRect& R, TColor AColor1, TColor AColor2, bool AHorizontal);
// Two gradients meeting at a middle colour moved along the C1-C2 line by
// APercent (100: the plain mean).
void cxFillGradientWithMidpoint(HDC ADC, const TRect& R, TColor AColor1, TColor AColor2, int APercent,
                                bool AHorizontal);

// ---------------------------------------------------------------- alpha blending and bitmaps

bool cxGradientFillBound();
bool cxAlphaBlendBound();
// The system AlphaBlend; false when it is not bound or fails.
bool cxSystemAlphaBlend(HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TRect& ASrcRect,
                        uint8_t AConstantAlpha = 255, bool ASourceAlpha = true);
// Blends with source alpha and AConstantAlpha, resampling smoothly when
// ASmoothImage is set and the sizes differ; its own drawing where the
// system's is missing or fails.
void cxAlphaBlend(HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TRect& ASrcRect,
                  bool ASmoothImage = false, uint8_t AConstantAlpha = 255);
void cxAlphaBlendBitmaps(TBitmap* ADest, TBitmap* ASource, const TRect& ADestRect, const TRect& ASrcRect,
                         bool ASmoothImage = false, uint8_t AConstantAlpha = 255);
// The colour (with alpha in its top byte) over the pixel at AAlpha.
void cxBlendColorIntoPixel(uint32_t AColor, TRGBQuad& APixel, uint8_t AAlpha);
// The library's own blend of a 32-bit source with premultiplied alpha over a
// 32-bit destination of at least its size, pixel by pixel from (0, 0).
void cxBlendBitmapPixels(TBitmap* ADest, TBitmap* ASource, uint8_t AConstantAlpha);

// New bitmaps the caller owns.
TBitmap* cxCreateBitmap(int AWidth, int AHeight, TPixelFormat APixelFormat = pf24bit);
TBitmap* cxCreateBitmapOfRect(const TRect& R, TPixelFormat APixelFormat = pf24bit);
TBitmap* cxCreateBitmapOfSize(const TSize& ASize, TPixelFormat APixelFormat = pf24bit);
void cxBitBltRect(HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TPoint& ASrcPoint, uint32_t ARop);
void cxStretchBitmap(TBitmap* ADest, TBitmap* ASrc);
void cxPaintBitmapToDC(HDC ADC, TBitmap* ABitmap, const TRect& ADestRect, const TPoint& ASrcPoint,
                       uint32_t AMode = SRCCOPY);
// HALFTONE stretching, or a Lanczos-3 resampling of all four channels.
void cxSmoothResizeBitmap(TBitmap* ASource, TBitmap* ADest, bool AForceLanczos = false);

// ---------------------------------------------------------------- fitting and cursor

enum class TcxImageFitMode { ifmNormal, ifmStretch, ifmProportionalStretch, ifmFit, ifmFill };
using enum TcxImageFitMode;

void cxFitRectForImage(const TRect& R, const TSize& AImageSize, TcxImageFitMode AFitMode, bool ACenter,
                       int APercent, TRect& ADest);
void cxFitRectForImageCentered(const TRect& R, const TSize& AImageSize, TcxImageFitMode AFitMode, TRect& ADest);

// The visible extent of the current cursor.
TSize cxCurrentCursorExtent();

// ---------------------------------------------------------------- region

enum class TcxRegionOperation { roSet, roAdd, roSubtract, roIntersect };
using enum TcxRegionOperation;

// The owner of a region handle.
class TcxRegion : public TObject {
  VCL_CLASS(TcxRegion, TObject)
public:
  TcxRegion();  // empty
  explicit TcxRegion(HRGN AHandle);  // takes ownership
  explicit TcxRegion(const TRect& ABounds);
  TcxRegion(int ALeft, int ATop, int ARight, int ABottom);
  ~TcxRegion() override;
  // The window's own region, or its rectangle moved to (0, 0).
  static TcxRegion* CreateFromWindow(HWND AHandle);
  // A rounded rectangle with left and top moved in by one pixel.
  static TcxRegion* CreateRoundCorners(const TRect& ABounds, int AWidthEllipse, int AHeightEllipse);

  HRGN Handle() const { return FHandle; }
  void SetHandle(HRGN Value);  // takes ownership, deleting the old one
  TRect BoundsRect() const;
  bool IsEmpty() const;

  // roSet copies ARegion; the others combine this one with it. With
  // ADestroyRegion ARegion is freed afterwards.
  void Combine(TcxRegion* ARegion, TcxRegionOperation AOperation, bool ADestroyRegion = true);
  void Combine(const TRect& R, TcxRegionOperation AOperation);
  bool IsEqual(TcxRegion* ARegion) const;
  bool IsEqual(HRGN ARegionHandle) const;
  void Offset(const TPoint& P) { Offset(P.X, P.Y); }
  void Offset(int DX, int DY);
  bool PtInRegion(const TPoint& Pt) const { return PtInRegion(Pt.X, Pt.Y); }
  bool PtInRegion(int X, int Y) const;
  bool RectInRegion(const TRect& R) const;

private:
  HRGN FHandle;
};

// ---------------------------------------------------------------- canvas

// The text-flag word of the canvas and the text routines.
constexpr int cxtfAlignLeft = 0x0001;
constexpr int cxtfAlignRight = 0x0002;
constexpr int cxtfAlignHCenter = 0x0004;
constexpr int cxtfAlignTop = 0x0008;
constexpr int cxtfAlignBottom = 0x0010;
constexpr int cxtfAlignVCenter = 0x0020;
constexpr int cxtfSingleLine = 0x0040;
constexpr int cxtfDontClip = 0x0080;
constexpr int cxtfExpandTabs = 0x0100;
constexpr int cxtfShowPrefix = 0x0200;
constexpr int cxtfWordBreak = 0x0400;
constexpr int cxtfEndEllipsis = 0x0800;
constexpr int cxtfCalcOnly = 0x1000;
constexpr int cxtfPathEllipsis = 0x2000;
constexpr int cxtfDontBreakChars = 0x4000;
constexpr int cxtfNoFullWidthCharBreak = 0x8000;

uint32_t cxTextFlagsToDrawTextFlags(int AFlags);

enum class TcxBorder { bLeft, bTop, bRight, bBottom };
using enum TcxBorder;
using TcxBorders = TSet<TcxBorder>;
inline const TcxBorders cxBordersAll{bLeft, bTop, bRight, bBottom};
enum class TcxRotationAngle { ra0, raPlus90, raMinus90, ra180 };
using enum TcxRotationAngle;
enum class TcxAlignmentVert { vaTop, vaBottom, vaCenter };
using enum TcxAlignmentVert;

struct TcxViewParams {
  TBitmap* Bitmap = nullptr;  // a fill pattern
  TColor Color = clNone;      // background
  TFont* Font = nullptr;
  TColor TextColor = clNone;
};

using TRects = std::vector<TRect>;

// The library's drawing wrapper over a framework canvas: saved
// device-context states, clip regions and tools; frames, fills, shapes and
// text with the library's text flags.
class TcxCanvas : public TObject {
  VCL_CLASS(TcxCanvas, TObject)
public:
  explicit TcxCanvas(TCanvas* ACanvas);
  ~TcxCanvas() override;

  TCanvas* Canvas() const { return FCanvas; }
  virtual void AssignCanvas(TCanvas* ACanvas) { FCanvas = ACanvas; }
  // The context with the font, brush and pen selected.
  HDC Handle() const;
  TBrush* Brush() const;
  TFont* Font() const;
  TPen* Pen() const;
  void SetBrush(TBrush* Value);
  void SetFont(TFont* Value);
  void SetPen(TPen* Value);
  void SetBrushColor(TColor Value);
  // Text from now on runs at AValue degrees counter-clockwise (TrueType
  // fonts only, for any angle but 0).
  void SetFontAngle(int Value);
  uint32_t CopyMode() const;
  void SetCopyMode(uint32_t Value);
  void GetParams(TcxViewParams& AParams) const;
  void SetParams(const TcxViewParams& AParams);

  // Device origin of logical (0, 0), and the window and viewport origins.
  TPoint DCOrigin() const { return QueryDCOrigin(); }
  TPoint WindowOrg() const { return QueryWindowOrg(); }
  void SetWindowOrg(const TPoint& P) { ApplyWindowOrg(P); }
  TPoint ViewportOrg() const;
  void SetViewportOrg(const TPoint& P);
  int DpiX() const;
  int DpiY() const;

  // ---- device-context, tool and clip states
  void SaveDC();
  void RestoreDC();
  void SaveState();
  void RestoreState();
  // The clip region (the whole plane when the context has none); logical
  // coordinates with AConsiderOrigin. The caller owns it.
  TcxRegion* GetClipRegion(bool AConsiderOrigin = true) const;
  void SetClipRegion(TcxRegion* ARegion, TcxRegionOperation AOperation, bool ADestroyRegion = true,
                     bool AConsiderOrigin = true);
  void SaveClipRegion();
  void RestoreClipRegion();
  void ExcludeClipRect(const TRect& R);
  void IntersectClipRect(const TRect& R);
  bool RectVisible(const TRect& R) const;
  bool RectFullyVisible(const TRect& R) const;

  // ---- fills and frames
  void FillRect(const TRect& R, TColor AColor = clDefault);
  // Tiled with ABitmap anchored at logical (0, 0); the brush without one.
  void FillRect(const TRect& R, TBitmap* ABitmap, bool AExcludeRect = false);
  void FillRect(const TRect& R, const TcxViewParams& AParams, bool AExcludeRect = false);
  void FrameRect(const TRect& R, TColor Color = clDefault, int ALineWidth = 1,
                 const TcxBorders& ABorders = cxBordersAll, bool AExcludeFrame = false);
  void ExcludeFrameRect(const TRect& R, int ALineWidth = 1, const TcxBorders& ABorders = cxBordersAll);
  void DrawComplexFrame(const TRect& R, TColor ALeftTopColor, TColor ARightBottomColor,
                        const TcxBorders& ABorders = cxBordersAll, int ABorderWidth = 1);
  void DrawEdge(const TRect& R, bool ASunken, bool AOuter, const TcxBorders& ABorders = cxBordersAll);
  void DrawFocusRect(const TRect& R);
  // The focus frame on the given sides only; with AExclude those sides are
  // then cut from the clip.
  void DrawFocusRectEx(const TRect& R, const TcxBorders& ABorders, bool AExclude = false);
  // AWidth focus frames, each one pixel inside the one before.
  void DrawDesignSelection(TRect ARect, int AWidth);
  // A frame on ABorders, then the rest filled by the view parameters.
  void Rectangle(TRect R, const TcxViewParams& AParams, const TcxBorders& ABorders, TColor ABorderColor,
                 int ALineWidth = 1, bool AExcludeRect = false);
  void InvertRect(const TRect& R);
  void InvertFrame(const TRect& R, int ABorderSize);
  void FillRegion(TcxRegion* ARegion, TColor AColor = clDefault) { FillRegion(ARegion->Handle(), AColor); }
  void FillRegion(HRGN ARegion, TColor AColor = clDefault);
  void FrameRegion(HRGN ARegion, TColor AColor = clDefault, int ABorderWidth = 1, int ABorderHeight = 1);
  void DrawRegion(HRGN ARegion, TColor AContentColor, TColor ABorderColor, int ABorderWidth = 1,
                  int ABorderHeight = 1);

  // ---- shapes (through the framework canvas's tools)
  void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void ArcTo(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void AngleArc(int X, int Y, uint32_t Radius, float StartAngle, float SweepAngle);
  void Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  void Rectangle(int X1, int Y1, int X2, int Y2) { Rectangle(TRect(X1, Y1, X2, Y2)); }
  void Rectangle(const TRect& R);
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  void RoundRect(const TRect& R, int CX, int CY) { RoundRect(R.Left, R.Top, R.Right, R.Bottom, CX, CY); }
  void Polygon(const std::vector<TPoint>& APoints);
  void Polyline(const std::vector<TPoint>& APoints);
  void PolyBezier(const std::vector<TPoint>& APoints);
  void PolyBezierTo(const std::vector<TPoint>& APoints);
  void FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle) { FCanvas->FloodFill(X, Y, Color, FillStyle); }
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void Line(int X1, int Y1, int X2, int Y2);
  void Line(const TPoint& P1, const TPoint& P2) { Line(P1.X, P1.Y, P2.X, P2.Y); }
  void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Pie(const TRect& R, const TPoint& ARadial1, const TPoint& ARadial2) {
    Pie(R.Left, R.Top, R.Right, R.Bottom, ARadial1.X, ARadial1.Y, ARadial2.X, ARadial2.Y);
  }
  // Angles in degrees, counter-clockwise from three o'clock.
  void Pie(const TRect& R, int AStartAngle, int ASweepAngle);
  void SetPixel(int X, int Y, TColor Value);
  void TextOut(int X, int Y, const String& Text);
  void Draw(int X, int Y, TGraphic* Graphic);
  // The graphic over the canvas, the result laid on the canvas at Opacity.
  void Draw(int X, int Y, TGraphic* Graphic, uint8_t Opacity);
  void StretchDraw(const TRect& Rect, TGraphic* Graphic);
  void CopyRect(const TRect& Dest, TCanvas* ACanvas, const TRect& Source);
  void BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color) {
    FCanvas->BrushCopy(Dest, Bitmap, Source, Color);
  }
  void Refresh() { FCanvas->Refresh(); }
  bool HandleAllocated() const { return FCanvas->HandleAllocated(); }

  // ---- paths (device coordinates in the system; logical in the region
  // with AConsiderOrigin)
  void BeginPath();
  void EndPath();
  void WidenPath();
  // A new region of the current path (empty without one); the caller owns it.
  TcxRegion* PathToRegion(bool AConsiderOrigin = true);

  // ---- images
  // Nothing for an index outside the list.
  void DrawImage(TCustomImageList* Images, int X, int Y, int Index, bool Enabled = true);
  // The glyph with its transparent colour showing ABackgroundColor (the
  // canvas for clNone, the brush colour for clDefault); disabled, the
  // image list's disabled form.
  void DrawGlyph(int X, int Y, TBitmap* AGlyph, bool AEnabled = true, TColor ABackgroundColor = clNone);
  // ABitmap over a background (ABackground, else the canvas) at AAlpha.
  void TransparentDraw(int X, int Y, TBitmap* ABitmap, uint8_t AAlpha, TBitmap* ABackground = nullptr);
  static void RotateBitmap(TBitmap* ABitmap, TcxRotationAngle ARotationAngle, bool AFlipVertically = false);
  static void FlipHorizontally(TBitmap* ABitmap);

  // ---- text
  TSize TextExtent(const String& Text) const;
  int TextWidth(const String& Text) const { return TextExtent(Text).cx; }
  int TextHeight(const String& Text) const { return TextExtent(Text).cy; }
  // The rectangle the text takes laid out in R with the flags.
  void TextExtent(const String& Text, TRect& R, int Flags) const;
  int FontHeight(TFont* AFont);
  void DrawTexT(const String& Text, const TRect& R, int Flags, bool Enabled = true,
                TcxRotationAngle ARotationAngle = ra0);
  void DrawTexT(const String& Text, const TRect& R, TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                bool AMultiLine, bool AShowEndEllipsis);
  // Appends to ABounds the rectangle of each line the text is drawn in.
  void GetTextStringsBounds(String Text, TRect R, int Flags, bool Enabled, TRects& ABounds);
  // Moves R.Top so a block of wrapped text sits at R's bottom or middle.
  void AlignMultiLineTextRectVertically(TRect& R, const String& AText, TcxAlignmentVert AAlignmentVert,
                                        bool AWordBreak, bool AShowPrefix, bool AEnabled = true,
                                        bool ADontBreakChars = false, bool AEndEllipsis = false);

protected:
  virtual TPoint QueryDCOrigin() const;
  virtual TPoint QueryWindowOrg() const;
  virtual void ApplyWindowOrg(const TPoint& P);

private:
  struct TDCState {
    HDC Handle;
    int State;
    TCanvas* Locked;  // the framework canvas wrapped when saved
  };
  struct TToolState {
    std::unique_ptr<TFont> Font;
    std::unique_ptr<TBrush> Brush;
    std::unique_ptr<TPen> Pen;
  };
  void FillStripOrExclude(const TRect& R, bool AExclude);

  std::vector<TDCState> FSavedDCs;
  std::vector<std::unique_ptr<TcxRegion>> FSavedRegions;
  std::vector<TToolState> FSavedStates;
  TCanvas* FCanvas;
};

// A control's canvas while it paints, with a movable origin.
class TcxControlCanvas : public TcxCanvas {
  VCL_CLASS(TcxControlCanvas, TcxCanvas)
public:
  using TcxCanvas::TcxCanvas;
  void BeginPaint();
  void EndPaint();
  TPoint Origin() const { return FOrigin; }
  void SetOrigin(const TPoint& Value) { FOrigin = Value; }
  TPoint BrushOrigin() const { return FBrushOrigin; }

protected:
  TPoint QueryDCOrigin() const override;
  TPoint QueryWindowOrg() const override;
  void ApplyWindowOrg(const TPoint& P) override;

private:
  TPoint FBrushOrigin;
  TPoint FOrigin;
};

// A framework canvas over the desktop's device context, taken on demand.
class TScreenCanvas : public TCanvas {
  VCL_CLASS(TScreenCanvas, TCanvas)
public:
  ~TScreenCanvas() override { FreeHandle(); }
  void FreeHandle();

protected:
  void CreateHandle() override;

private:
  HDC FDeviceContext = nullptr;
  HWND FWindowHandle = nullptr;
};

class TcxScreenCanvas : public TcxCanvas {
  VCL_CLASS(TcxScreenCanvas, TcxCanvas)
public:
  TcxScreenCanvas();
  ~TcxScreenCanvas() override;
  // Lets the screen's context go; the next drawing takes a fresh one.
  void Dormant();
};

// A re-entrant canvas pointed at a device context or canvas for the length
// of one paint.
class TcxPaintCanvas : public TcxCanvas {
  VCL_CLASS(TcxPaintCanvas, TcxCanvas)
public:
  TcxPaintCanvas() : TcxCanvas(nullptr) {}
  ~TcxPaintCanvas() override;
  void BeginPaint(HDC ADC);
  void BeginPaint(TCanvas* ACanvas);
  void EndPaint();

private:
  struct TPaintState {
    TCanvas* PrevCanvas;
    int SaveDC;  // 0 when the canvas was given rather than made
    std::unique_ptr<TCanvas> Made;
  };
  std::vector<TPaintState> FPaintStates;
};

// Created on first call; null once the unit has shut down.
TcxScreenCanvas* cxSharedScreenCanvas();
TcxPaintCanvas* cxSharedPaintCanvas();
// The canvas's tools made from the objects selected in ADC.
void cxSynchronizeCanvasObjects(TCanvas* ACanvas, HDC ADC);
// The pen mode of ADC's raster operation; pmCopy for none of them.
TPenMode cxPenModeFromDC(HDC ADC);
// The point of the ellipse in R at AAngle degrees.
TPoint cxEllipseRadialPoint(const TRect& R, float AAngle);

// ---------------------------------------------------------------- text routines

// Text is UTF-16; a length of -1 means the whole text.
bool cxDCTextExtent(HDC ADC, const String& AText, TSize& ASize, int ALength = -1);
// DrawTextW in ATextColor (clDefault keeps the context's) and ABkMode,
// both put back afterwards; DrawTextW's result.
int cxDrawTextColored(HDC ADC, const String& AText, TRect& R, uint32_t AFormat, int ALength = -1,
                      TColor ATextColor = clDefault, int ABkMode = TRANSPARENT);
bool cxExtTextOut(HDC ADC, const String& AText, const TPoint& AOrigin, const TRect& AClipRect, uint32_t AOptions,
                  int ALength = -1);
// The text drawn turned by the angle into R; the rest of R keeps the canvas.
int cxDrawRotatedText(TcxCanvas* ACanvas, const String& AText, TRect& R, uint32_t AFormat, TColor ATextColor,
                      TcxRotationAngle ARotationAngle);
// The text wrapped to R's width, one line below another; the line count.
int cxDrawTextLines(TcxCanvas* ACanvas, const String& AText, const TRect& R, uint32_t AFormat, TColor ATextColor);
// Splits the text into the lines that fit R's width on the canvas.
void cxWrapTextToLines(const String& AText, TcxCanvas* ACanvas, const TRect& R, std::vector<String>& ALines);

int cxDCTextHeight(HDC ADC);
// Measured on the shared screen canvas, left dormant afterwards.
int cxFontPixelHeight(TFont* AFont);
TSize cxMeasureTextExtent(TFont* AFont, const String& AText, int AFontSize = 0);
int cxMeasureTextWidth(TFont* AFont, const String& AText, int AFontSize = 0);
void cxCalcTextRect(TRect& R, const String& AText, TFont* AFont, uint32_t AFormat = 0);
TSize cxMeasureTextSize(TFont* AFont, const String& AText);
TSize cxDCTextSize(HDC ADC, const String& AText);
// The narrowest rectangle in which the text takes at most ARowCount rows.
void cxDCTextRectForRows(HDC ADC, const String& AText, int ARowCount, bool AReturnMaxRectHeight, TRect& R);
bool cxNonLatinCharsetText(uint8_t ACharset, const String& AText);

bool cxBitmapObjectData(HBITMAP AHandle, BITMAP& AData);
bool cxBrushObjectData(HBRUSH AHandle, LOGBRUSH& AData);
bool cxFontObjectData(HFONT AHandle, LOGFONTW& AData);
bool cxPenObjectData(HPEN AHandle, LOGPEN& AData);
void cxMakeFontNonAntialiased(TFont* AFont);
void cxResetFont(TFont* AFont);
bool cxRegionContainsPoint(HRGN ARegion, const TPoint& P);

// ---------------------------------------------------------------- parent-image painting

class TWinControl;
// The parent's background under the control: the theme's, or its image.
void cxPaintParentBackground(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& R);
void cxPaintParentImage(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& R, bool APaintChildren = true);
// The parent's image of ASourceRect (control window coordinates) with its
// top-left at ADestRect's top-left; nothing while that parent is painted.
void cxPaintParentImageInto(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& ASourceRect,
                            const TRect& ADestRect, bool APaintChildren = true);

// ---------------------------------------------------------------- bitmaps

enum class TcxBitmapTransformationMode {
  btmDingy, btmDirty, btmGrayScale, btmSetOpaque, btmMakeMask, btmFade, btmDisable, btmCorrectBlend, btmHatch,
  btmClear, btmResetAlpha, btmExtractLayer
};
using enum TcxBitmapTransformationMode;

// A bitmap with a library canvas, change notifications that a batch of
// changes can hold back, and an optional compressed stored form ("XDBM").
class TcxBitmap : public TBitmap {
  VCL_CREATABLE_CLASS(TcxBitmap, TBitmap)
public:
  TcxBitmap() : TcxBitmap(0, 0) {}
  TcxBitmap(int AWidth, int AHeight, TPixelFormat APixelFormat = pf24bit);
  TcxBitmap(const TRect& ARect, TPixelFormat APixelFormat = pf24bit);
  ~TcxBitmap() override;

  TcxCanvas* cxCanvas();
  TRect ClientRect() const { return TRect(0, 0, Width(), Height()); }
  bool CompressData() const { return FCompressData; }
  void SetCompressData(bool Value) { FCompressData = Value; }

  // Negative sides become 0; one notification for the change.
  void SetSize(int AWidth, int AHeight) override;
  void SetSize(const TRect& ARect) { SetSize(ARect.Width(), ARect.Height()); }
  // Format and size in one change, always announced.
  virtual void ResetFormatAndSize(int AWidth, int AHeight, TPixelFormat APixelFormat);

  void BeginUpdate() { ++FLockCount; }
  void CancelUpdate() { --FLockCount; }
  void EndUpdate(bool AForceUpdate = true);

  void CopyBitmap(TBitmap* ASrcBitmap, uint32_t ACopyMode = SRCCOPY);
  void CopyBitmap(TBitmap* ASrcBitmap, const TRect& ADestRect, const TPoint& ASrcTopLeft,
                  uint32_t ACopyMode = SRCCOPY);
  void Rotate(TcxRotationAngle ARotationAngle, bool AFlipVertically = false);

protected:
  // Deferred while updates are held back; then validates the format.
  void Changed() override;
  virtual void ValidateFormat() {}
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) const override;

private:
  bool FCompressData = false;
  std::unique_ptr<TcxCanvas> FcxCanvas;
  int FLockCount = 0;
  bool FModified = false;
};

// A 32-bit bitmap with alpha helpers; any change that leaves it at another
// depth raises "Wrong PixelFormat".
class TcxBitmap32 : public TcxBitmap {
  VCL_CREATABLE_CLASS(TcxBitmap32, TcxBitmap)
public:
  TcxBitmap32() : TcxBitmap32(0, 0) {}
  TcxBitmap32(int AWidth, int AHeight, bool AClear = false);
  TcxBitmap32(const TRect& ARect, bool AClear = false) : TcxBitmap32(ARect.Width(), ARect.Height(), AClear) {}

  bool IsAlphaUsed();
  // Every pixel, bottom row first.
  void GetBitmapColors(TRGBColors& AColors);
  void SetBitmapColors(const TRGBColors& AColors);
  // All bytes 0, alpha included.
  virtual void Clear();
  void MakeOpaque() { SetAlphaChannel(255); }
  void SetAlphaChannel(uint8_t Alpha);
  // Percentages above 100 count as 100.
  void Darken(uint8_t APercent);
  void Lighten(uint8_t APercent);
  void Invert();
  // Transparent (white) areas of the mask become 0 here.
  void Filter(TcxBitmap32* AMaskBitmap);
  // Pixels of the key colour become transparent black, the others opaque.
  void RecoverTransparency(TColor ATransparentColor);
  void AlphaBlend(TcxBitmap32* ADestBitmap, const TRect& ADestRect, bool ASmoothImage = false,
                  uint8_t AConstantAlpha = 255);
  void LoadFromStream(TStream* Stream) override;

protected:
  void ValidateFormat() override;
};

using TcxColorList = std::vector<uint32_t>;  // RGB values (0x00BBGGRR)

struct TcxHatchData {
  TRGBQuad Color1;
  uint8_t Alpha1;
  TRGBQuad Color2;
  uint8_t Alpha2;
  uint8_t Step;
};

// A 32-bit bitmap that knows which pixels are transparent (a background
// colour and a list of colours) and transforms its pixels for the glyph
// states.
class TcxAlphaBitmap : public TcxBitmap32 {
  VCL_CREATABLE_CLASS(TcxAlphaBitmap, TcxBitmap32)
public:
  TcxAlphaBitmap() : TcxAlphaBitmap(0, 0) {}
  TcxAlphaBitmap(int AWidth, int AHeight) : TcxBitmap32(AWidth, AHeight) {}
  TcxAlphaBitmap(int AWidth, int AHeight, TRGBQuad ATransparentBkColor);

  TRGBQuad TransparentBkColor() const { return FTransparentBkColor; }
  void SetTransparentBkColor(TRGBQuad Value) { FTransparentBkColor = Value; }
  TcxColorList& TransparentPixels() { return FTransparentPixels; }

  void Clear() override;
  // Resized, no transparent colours, cleared.
  void RefreshImage(int AWidth, int AHeight);
  void RefreshImage(const TRect& ARect) { RefreshImage(ARect.Width(), ARect.Height()); }
  void RecoverAlphaChannel(TColor ATransparentColor);
  void ExtractLayer(TColor ATransparentColor);
  void DrawHatch(const TcxHatchData& AHatchData);
  void DrawHatch(TColor AColor1, TColor AColor2, uint8_t AStep, uint8_t AAlpha1, uint8_t AAlpha2);
  void Shade(TcxAlphaBitmap* AMaskBitmap);
  void DrawShadow(TcxAlphaBitmap* AMaskBitmap, int AShadowSize, TColor AShadowColor = clBtnShadow,
                  bool AInflateSize = false);
  void TransformBitmap(TcxBitmapTransformationMode AMode);

private:
  bool IsTransparentPixel(const TRGBQuad& APixel) const;

  TRGBQuad FTransparentBkColor{};
  TcxColorList FTransparentPixels;
  TcxHatchData FHatchData{};
};

// The current content copied into a new size: stretched (blended, smoothly
// when asked) or centred on AColor (cleared for clNone).
void cxResizeBitmapContent(TBitmap* ABitmap, int AWidth, int AHeight, bool AStretch, bool ASmooth, TColor AColor);
void cxClearBitmap(TBitmap* ABitmap);
TcxAlphaBitmap* cxCreateAlphaBitmapCopy(TBitmap* ABitmap);
// AMask: white where ASource is transparent, black elsewhere.
void cxBuildMaskBitmap(TBitmap* ASource, TBitmap* AMask);

// The compressed stored form: a 10-byte header (body length, "XDBM",
// version 2), the block size, the unaligned head, then runs of blocks.
void cxWriteCompressedBitmapData(const uint8_t* AData, size_t ASize, int ABlockSize, TStream* AStream);
// Expands compressed data at the stream's position into AExpanded; false,
// with the position restored, when the data is not compressed. Damaged
// data raises EInvalidGraphic.
bool cxReadCompressedBitmapData(TStream* AStream, TStream* AExpanded);

// ---------------------------------------------------------------- glyphs

enum class TcxGlyphDrawState { gdsNormal, gdsDisabled, gdsFaded, gdsGrayScale, gdsDingy, gdsShadowed };
using enum TcxGlyphDrawState;

// The glyph (or the list's entry) in AImageRect over ABackgroundRect
// (filled with the brush, or taken from ADC) in one of six states.
void cxDrawGlyphOrImage(HDC ADC, const TRect& AImageRect, const TRect& ABackgroundRect, TBitmap* AGlyph,
                        TCustomImageList* AImages, int AImageIndex, TcxGlyphDrawState AState = gdsNormal,
                        bool ASmoothImage = false, HBRUSH ABackgroundBrush = nullptr, TColor ATransparentColor = clNone,
                        bool AUseGlyphTransparentColor = true);
// The glyph (or the list's entry) fitted into R and drawn in AState.
void cxDrawFittedImage(TcxCanvas* ACanvas, const TRect& R, TGraphic* AGraphic, TCustomImageList* AImages,
                       int AImageIndex, TcxImageFitMode AFitMode, TcxGlyphDrawState AState = gdsNormal,
                       bool AUseGlyphTransparentColor = true);
void cxDrawFittedGraphic(TcxCanvas* ACanvas, const TRect& R, TGraphic* AGraphic, TcxImageFitMode AFitMode);
inline bool cxGlyphPresent(TBitmap* AGlyph) { return AGlyph && !AGlyph->Empty(); }
inline bool cxGraphicPresent(TGraphic* AGraphic) { return AGraphic && !AGraphic->Empty(); }
inline bool cxPicturePresent(TPicture* APicture) { return APicture && cxGraphicPresent(APicture->Graphic()); }
// The graphic's size, else the list's image size for a valid index, else (0, 0).
TSize cxGlyphOrListImageSize(TGraphic* AGlyph, TCustomImageList* AImages, int AIndex);
TSize cxPictureSize(TPicture* APicture);

// ---------------------------------------------------------------- image list

class TcxImageList;
class TReader;
class TdxSmartImage;

// One entry's own bitmaps as they were added, at full colour depth.
class TcxImageInfo : public TPersistent {
  VCL_CREATABLE_CLASS(TcxImageInfo, TPersistent)
public:
  TcxImageInfo();
  ~TcxImageInfo() override;
  TcxBitmap* Image() const { return FImage.get(); }
  TcxBitmap* Mask() const { return FMask.get(); }
  void SetImage(TBitmap* Value) { FImage->Assign(Value); }
  void SetMask(TBitmap* Value) { FMask->Assign(Value); }
  TColor MaskColor() const { return FMaskColor; }
  void SetMaskColor(TColor Value) { FMaskColor = Value; }
  void Assign(TPersistent* Source) override;

private:
  std::unique_ptr<TcxBitmap> FImage;
  std::unique_ptr<TcxBitmap> FMask;
  TColor FMaskColor = clNone;
};

class TcxImageInfoItem : public TCollectionItem {
  VCL_COLLECTION_ITEM_CLASS(TcxImageInfoItem, TCollectionItem)
  VCL_PUBLISHED(TcxImageInfoItem)
public:
  explicit TcxImageInfoItem(TCollection* ACollection);
  TcxImageInfo* ImageInfo() const { return FImageInfo.get(); }
  TBitmap* Image() const { return FImageInfo->Image(); }
  void SetImage(TBitmap* Value) { FImageInfo->SetImage(Value); }
  TBitmap* Mask() const { return FImageInfo->Mask(); }
  void SetMask(TBitmap* Value) { FImageInfo->SetMask(Value); }
  TColor MaskColor() const { return FImageInfo->MaskColor(); }
  void SetMaskColor(TColor Value) { FImageInfo->SetMaskColor(Value); }
  // Both bitmaps are stored compressed.
  bool CompressData() const;
  void SetCompressData(bool Value);
  void Assign(TPersistent* Source) override;

private:
  std::unique_ptr<TcxImageInfo> FImageInfo;
};

class TcxImageInfoCollection : public TCollection {
  VCL_CLASS(TcxImageInfoCollection, TCollection)
public:
  explicit TcxImageInfoCollection(TcxImageList* AImageList);
  TcxImageInfoItem* Items(int AIndex) const { return static_cast<TcxImageInfoItem*>(TCollection::Items(AIndex)); }
  TcxImageInfoItem* Add(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor);
  void Move(int ACurrentIndex, int ANewIndex) { Items(ACurrentIndex)->SetIndex(ANewIndex); }
  // -1 deletes every item.
  void Delete(int AIndex);
  bool CompressData() const { return FCompressData; }
  void SetCompressData(bool Value);

protected:
  TPersistent* GetOwner() const override;

private:
  bool FCompressData = false;
  TcxImageList* FImageList;
};

// The library's image list: the system list for drawing, and beside it
// every entry's own bitmaps (alpha kept), which it streams as "ImageInfo"
// with "FormatVersion" and "DesignInfo".
class TcxImageList : public TDragImageList {
  VCL_COMPONENT_CLASS(TcxImageList, TDragImageList)
  VCL_PUBLISHED(TcxImageList)
public:
  explicit TcxImageList(TComponent* AOwner);
  ~TcxImageList() override;

  bool AlphaBlending() const { return FAlphaBlending; }
  void SetAlphaBlending(bool Value) { FAlphaBlending = Value; }
  bool CompressData() const { return FImages->CompressData(); }
  void SetCompressData(bool Value) { FImages->SetCompressData(Value); }
  int FormatVersion() const { return FFormatVersion; }
  // Sides below 1 become 1; a new size empties the list.
  void SetSize(int AWidth, int AHeight) override;
  void SetWidth(int Value) { SetSize(Value, Height()); }
  void SetHeight(int Value) { SetSize(Width(), Value); }
  // Copies the given system list; the caller keeps (and frees) it.
  void SetHandle(HIMAGELIST Value);

  int Add(TBitmap* AImage, TBitmap* AMask) override;
  // clNone adds as Add without a mask.
  int AddMasked(TBitmap* AImage, TColor AMaskColor) override;
  int AddIcon(TIcon* AIcon) override;
  // The image's bitmap form, without a mask.
  int Add(TdxSmartImage* AImage);
  // An image of another size is fitted to the list's first.
  int AddBitmap(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor, bool AStretch, bool ASmooth);
  // -1 for no list or an index outside it.
  int AddImage(TCustomImageList* AValue, int AIndex);
  void AddImages(TCustomImageList* AImages);
  void CopyImages(TCustomImageList* AImages, int AStartIndex = 0, int AEndIndex = -1);
  void Insert(int AIndex, TBitmap* AImage, TBitmap* AMask);
  void InsertMasked(int AIndex, TBitmap* AImage, TColor AMaskColor);
  void InsertIcon(int AIndex, TIcon* AIcon);
  void Move(int ACurIndex, int ANewIndex);
  void Delete(int AIndex) override;
  // The old image stays when the list refuses the new one.
  void Replace(int AIndex, TBitmap* AImage, TBitmap* AMask);
  void ReplaceMasked(int AIndex, TBitmap* AImage, TColor AMaskColor);
  void ReplaceIcon(int AIndex, TIcon* AIcon);

  // The entry at 32 bits per pixel (and its mask); nothing outside the list.
  void GetImageInfo(int AIndex, TBitmap* AImage, TBitmap* AMask);
  void GetImage(int AIndex, TBitmap* AImage) { GetImageInfo(AIndex, AImage, nullptr); }
  void GetMask(int AIndex, TBitmap* AMask) { GetImageInfo(AIndex, nullptr, AMask); }
  static void GetImageInfo(TCustomImageList* AImages, int AIndex, TBitmap* AImage, TBitmap* AMask);
  static void GetImageInfo(HIMAGELIST AHandle, int AIndex, TBitmap* AImage, TBitmap* AMask);
  // The bits per pixel of the list's images; 0 for a list without images.
  static int GetPixelFormat(HIMAGELIST AHandle);
  void Draw(TCanvas* ACanvas, const TRect& ARect, int AIndex, bool AStretch = false, bool ASmoothResize = false,
            bool AEnabled = true);
  // The entry with the overlay image set for AOverlay, as the system draws it.
  void DrawOverlay(TCanvas* ACanvas, int X, int Y, int AImageIndex, TOverlay AOverlay, bool AEnabled = true) {
    DrawOverlay(ACanvas, X, Y, AImageIndex, AOverlay, dsNormal, itImage, AEnabled);
  }
  void DrawOverlay(TCanvas* ACanvas, int X, int Y, int AImageIndex, TOverlay AOverlay, TDrawingStyle ADrawingStyle,
                   TImageType AImageType, bool AEnabled = true);
  // The images of a bitmap resource (or of a file with lrFromFile) cut at
  // AWidth and added after the list's own; false when nothing loads.
  bool LoadImage(HINSTANCE AInstance, const String& AResourceName, TColor AMaskColor, int AWidth,
                 TLoadResources AFlags);

  void BeginUpdate() { ++FLockCount; }
  void CancelUpdate() { --FLockCount; }
  void EndUpdate();
  void Assign(TPersistent* Source) override;

protected:
  void DefineProperties(TFiler* Filer) override;
  void Change() override;
  void DoDraw(int AIndex, TCanvas* ACanvas, int X, int Y, uint32_t AStyle, bool AEnabled = true) override;
  // The list's own images are read back from the loaded ones.
  bool LoadResourceImages(HINSTANCE Instance, TResType ResType, const wchar_t* Name, int Width,
                          TLoadResources LoadFlags, TColor MaskColor) override;

private:
  class TUpdate;
  // Puts the images AAdd adds at AIndex (in place of the image there).
  void PlaceAdded(int AIndex, bool AReplace, const std::function<int()>& AAdd);
  void AddToImageInfo(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor);
  int AddImageInfoItem(TcxImageInfoItem* AItem);
  void RebuildImageInfo();
  void RebuildFromImageInfo();
  void ReadImageInfo(TReader* AReader);
  void DrawImageEx(int AIndex, TCanvas* ACanvas, bool AEnabled, bool ASmooth, bool AStretch, uint32_t AFlags,
                   const TRect& R);

  bool FAlphaBlending = true;
  int FFormatVersion = 0;
  std::unique_ptr<TcxImageInfoCollection> FImages;
  int FLockCount = 0;
  bool FSynchronization = false;
};

uint32_t cxImageListDrawFlags(TDrawingStyle ADrawingStyle, TImageType AImageType);
// Puts AValue in AField: the old list forgets AOwner and the link, the new
// one registers both; the link then hears of the change (nothing at all
// when AValue is already there).
void cxAssignImageList(TCustomImageList* AValue, TCustomImageList*& AField, TChangeLink* AChangeLink,
                       TComponent* AOwner);
inline bool cxImageIndexValid(TCustomImageList* AImages, int AIndex) {
  return AImages && AIndex >= 0 && AIndex < AImages->Count();
}

// ---------------------------------------------------------------- shared objects

// A pattern brush of a one-pixel checkerboard.
HBRUSH cxHalftoneBrush();
// The brushes of the 31 system colours (by COLOR_* index), on the
// system's own brushes, built on first use; empty outside the unit's
// start-up and shut-down.
const std::vector<std::unique_ptr<TBrush>>& cxSystemColorBrushes();

extern const TUnitEntry cxGraphicsUnit;
