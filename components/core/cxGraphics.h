#pragma once
// The library's drawing unit: DPI scaling, colour arithmetic, gradients,
// alpha blending, bitmap copying and resizing, image fitting, regions, the
// canvas wrapper and the shared drawing objects.
#include <cstdint>
#include <memory>
#include <vector>

#include "components/core/dxCoreGraphics.h"
#include "vcl/graphics/Bitmap.h"
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
  void InvertRect(const TRect& R);
  void InvertFrame(const TRect& R, int ABorderSize);
  void FillRegion(TcxRegion* ARegion, TColor AColor = clDefault) { FillRegion(ARegion->Handle(), AColor); }
  void FillRegion(HRGN ARegion, TColor AColor = clDefault);
  void FrameRegion(HRGN ARegion, TColor AColor = clDefault, int ABorderWidth = 1, int ABorderHeight = 1);
  void DrawRegion(HRGN ARegion, TColor AContentColor, TColor ABorderColor, int ABorderWidth = 1,
                  int ABorderHeight = 1);

  // ---- shapes (through the framework canvas's tools)
  void Ellipse(const TRect& R);
  void Rectangle(const TRect& R);
  void RoundRect(const TRect& R, int CX, int CY);
  void Polygon(const std::vector<TPoint>& APoints);
  void Polyline(const std::vector<TPoint>& APoints);
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void Line(int X1, int Y1, int X2, int Y2);
  void Line(const TPoint& P1, const TPoint& P2) { Line(P1.X, P1.Y, P2.X, P2.Y); }
  void Pie(const TRect& R, const TPoint& ARadial1, const TPoint& ARadial2);
  // Angles in degrees, counter-clockwise from three o'clock.
  void Pie(const TRect& R, int AStartAngle, int ASweepAngle);
  void SetPixel(int X, int Y, TColor Value);
  void TextOut(int X, int Y, const String& Text);
  void Draw(int X, int Y, TGraphic* Graphic);
  void StretchDraw(const TRect& Rect, TGraphic* Graphic);
  void CopyRect(const TRect& Dest, TCanvas* ACanvas, const TRect& Source);

  // ---- images
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

// ---------------------------------------------------------------- shared objects

// A pattern brush of a one-pixel checkerboard.
HBRUSH cxHalftoneBrush();

extern const TUnitEntry cxGraphicsUnit;
