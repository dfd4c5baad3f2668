#pragma once
// The GDI+ wrapper classes: matrices, brushes, pens, paths, regions and
// image attributes; string formats, font families and fonts; the canvas
// over a GDI+ graphics with its clip and transform stacks and the paint
// canvases bound to a device context; the image (a TGraphic whose pixels
// live in GDI+) with its frame animation; and the registration of the
// image classes as picture formats.
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "components/core/cxGeometry.h"
#include "components/core/dxCoreGraphics.h"
#include "components/core/dxGdiPlusApi.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/Graphic.h"
#include "vcl/graphics/GraphicsObjects.h"
#include "vcl/rtl/StreamAdapter.h"
#include "vcl/rtl/Streams.h"
#include "vcl/rtl/Variants.h"

class TdxGPCanvas;
class TdxGPImage;

// ================================================================ graphic objects

// A wrapper of one GDI+ object that makes its handle on first use and
// reports changes through OnChange. Descendants free their handle in their
// own destructor (DoFreeHandle is theirs).
class TdxGPCustomGraphicObject : public TdxGpBase {
  VCL_CLASS(TdxGPCustomGraphicObject, TdxGpBase)
public:
  TdxGPCustomGraphicObject() = default;
  virtual void Assign(TdxGPCustomGraphicObject* ASource) {}
  void* Handle() {
    HandleNeeded();
    return FHandle;
  }
  bool HandleAllocated() const { return FHandle != nullptr; }
  void FreeHandle();

  TNotifyEvent OnChange;

protected:
  virtual void NotifyChanged();
  virtual void DoCreateHandle(void*& AHandle) = 0;
  virtual void DoFreeHandle(void* AHandle) = 0;
  // No change is reported while the handle is being made.
  virtual void HandleNeeded();

private:
  int FChangeLockCount = 0;
  void* FHandle = nullptr;
};

class TdxGPMatrix : public TdxGPCustomGraphicObject {
  VCL_CLASS(TdxGPMatrix, TdxGPCustomGraphicObject)
public:
  TdxGPMatrix() = default;
  TdxGPMatrix(float M11, float M12, float M21, float M22, float DX, float DY);
  ~TdxGPMatrix() override { FreeHandle(); }
  static std::unique_ptr<TdxGPMatrix> CreateFlip(bool AFlipHorizontally, bool AFlipVertically,
                                                 float APivotPointX, float APivotPointY);
  static std::unique_ptr<TdxGPMatrix> CreateFlip(bool AFlipHorizontally, bool AFlipVertically,
                                                 const TdxPointF& APivotPoint);

  void Assign(TdxGPCustomGraphicObject* ASource) override;
  void GetElements(float& M11, float& M12, float& M21, float& M22, float& DX, float& DY);
  void SetElements(float M11, float M12, float M21, float M22, float DX, float DY);

  void Flip(bool AFlipHorizontally, bool AFlipVertically, const TdxPointF& APivotPoint);
  void Invert();
  void Multiply(TdxGPMatrix* AMatrix, TdxGpMatrixOrder AMatrixOrder = MatrixOrderPrepend);
  void Reset();
  void Rotate(float AAngle, TdxGpMatrixOrder AMatrixOrder = MatrixOrderPrepend);
  void Rotate(float AAngle, const TdxPointF& APivotPoint, TdxGpMatrixOrder AMatrixOrder = MatrixOrderPrepend);
  void Scale(float AScaleX, float AScaleY, TdxGpMatrixOrder AMatrixOrder = MatrixOrderPrepend);
  void Scale(const TdxPointF& AScale, TdxGpMatrixOrder AMatrixOrder = MatrixOrderPrepend);
  // Scales about ACenter, combined with the transform the matrix holds.
  void Scale(const TdxPointF& AScale, const TdxPointF& ACenter, TdxGpMatrixOrder AMatrixOrder = MatrixOrderPrepend);
  void Shear(float AShearX, float AShearY, TdxGpMatrixOrder AMatrixOrder = MatrixOrderPrepend);
  void Shear(const TdxPointF& AShear, TdxGpMatrixOrder AMatrixOrder = MatrixOrderPrepend);
  void Translate(float AOffsetX, float AOffsetY, TdxGpMatrixOrder AMatrixOrder = MatrixOrderPrepend);
  void Translate(const TdxPointF& AOffset, TdxGpMatrixOrder AMatrixOrder = MatrixOrderPrepend);

  TdxPointF TransformPoint(const TdxPointF& P);
  TPoint TransformPoint(const TPoint& P);
  // The two corners are transformed each on its own.
  TdxRectF TransformRect(const TdxRectF& R);
  TRect TransformRect(const TRect& R);
  // The smallest rectangle holding the four transformed corners.
  TdxRectF GetBoundingRectangle(const TdxRectF& R);

  bool IsIdentity();
  bool IsInvertible();
  float OffsetX();
  float OffsetY();

protected:
  void DoCreateHandle(void*& AHandle) override;
  void DoFreeHandle(void* AHandle) override;

private:
  // Moves APoint to the origin, transforms, and moves it back.
  void TransformAbout(const TdxPointF& APoint, TdxGpMatrixOrder AMatrixOrder, const std::function<void()>& ATransform);
};

// The colour stops of a gradient, kept sorted by offset. Index 0 of the
// arrays holds a transparent stop at 0 and the cell after the last stop is
// spare, so that GDI+ can be handed a blend that fades out at open ends.
class TdxGPBrushGradientPoints : public TdxGpBase {
  VCL_CLASS(TdxGPBrushGradientPoints, TdxGpBase)
public:
  TdxGPBrushGradientPoints();

  // The index the stop has once sorted in.
  int Add(float AOffset, TdxAlphaColor AColor);
  void Assign(TdxGPBrushGradientPoints* ASource);
  void Clear() { SetCapacity(0); }
  void Delete(int AIndex);
  // Mirrors the gradient: stops in reverse order at 1 - offset.
  void InvertOrder();

  int Capacity() const { return FCapacity; }
  void SetCapacity(int AValue);
  int Count() const { return FCount; }
  TdxAlphaColor GetColor(int AIndex) const;
  void SetColor(int AIndex, TdxAlphaColor AValue);
  float GetOffset(int AIndex) const;
  void SetOffset(int AIndex, float AValue);

  // The stops as GDI+'s preset blend wants them: starting at 0 and ending
  // at 1, transparent where the stops do not reach.
  int PresetBlend(const TdxAlphaColor*& AColors, const float*& AOffsets);

  TNotifyEvent OnChange;

private:
  void CheckIndex(int AIndex) const;
  void Changed();
  // Sorts stably; returns where the stop at position APosition went.
  int Sort(int APosition = 0);

  int FCapacity = 0;
  std::vector<TdxAlphaColor> FColors;
  int FCount = 0;
  std::vector<float> FOffsets;
};

class TdxGPCustomBrush : public TdxGPCustomGraphicObject {
  VCL_CLASS(TdxGPCustomBrush, TdxGPCustomGraphicObject)
public:
  ~TdxGPCustomBrush() override { FreeHandle(); }
  void Assign(TdxGPCustomGraphicObject* ASource) override;
  // The shape's rectangle, grown by one unit on every side.
  void SetTargetRect(const TRect& R);
  void SetTargetRect(const TdxRectF& R);
  void SetTargetRect(const TdxGpRect& R);
  void SetTargetRect(const TdxGpRectF& R);
  const TdxGpRectF& TargetRect() const { return FTargetRect; }

protected:
  virtual void TargetRectChanged();
  virtual bool NeedRecreateHandleOnTargetRectChange() { return false; }
  void DoFreeHandle(void* AHandle) override;

private:
  void StoreTargetRect(const TdxGpRectF& R);
  TdxGpRectF FTargetRect;
};

enum class TdxGPBrushStyle { gpbsSolid, gpbsGradient, gpbsTexture, gpbsClear };
using enum TdxGPBrushStyle;
enum class TdxGPBrushGradientMode { gpbgmHorizontal, gpbgmVertical, gpbgmForwardDiagonal, gpbgmBackwardDiagonal };
using enum TdxGPBrushGradientMode;

class TdxGPBrush : public TdxGPCustomBrush {
  VCL_CLASS(TdxGPBrush, TdxGPCustomBrush)
public:
  TdxGPBrush();
  ~TdxGPBrush() override;
  void Assign(TdxGPCustomGraphicObject* ASource) override;

  TdxAlphaColor Color() const { return FColor; }
  void SetColor(TdxAlphaColor AValue);
  TdxGPBrushGradientMode GradientMode() const { return FGradientMode; }
  void SetGradientMode(TdxGPBrushGradientMode AValue);
  TdxGPBrushGradientPoints* GradientPoints() const { return FGradientPoints.get(); }
  void SetGradientPoints(TdxGPBrushGradientPoints* AValue) { FGradientPoints->Assign(AValue); }
  TdxGPBrushStyle Style() const { return FStyle; }
  void SetStyle(TdxGPBrushStyle AValue);
  TdxGPImage* Texture() const { return FTexture.get(); }
  void SetTexture(TdxGPImage* AValue);
  bool IsEmpty() const { return GetIsEmpty(); }

protected:
  virtual bool GetIsEmpty() const;
  void DoCreateHandle(void*& AHandle) override;
  void TargetRectChanged() override;
  bool NeedRecreateHandleOnTargetRectChange() override { return FStyle == gpbsGradient; }

private:
  void GradientPointsChanged();
  void TextureChanged();
  TdxAlphaColor FColor = 0;
  TdxGPBrushGradientMode FGradientMode = gpbgmHorizontal;
  std::unique_ptr<TdxGPBrushGradientPoints> FGradientPoints;
  TdxGPBrushStyle FStyle = gpbsSolid;
  std::unique_ptr<TdxGPImage> FTexture;
};

enum class TdxGPPenStyle { gppsSolid, gppsDash, gppsDot, gppsDashDot, gppsDashDotDot };
using enum TdxGPPenStyle;

class TdxGPPenBrush;

class TdxGPPen : public TdxGPCustomGraphicObject {
  VCL_CLASS(TdxGPPen, TdxGPCustomGraphicObject)
public:
  TdxGPPen();
  ~TdxGPPen() override;
  void Assign(TdxGPCustomGraphicObject* ASource) override;

  TdxGPBrush* Brush() const;
  void SetBrush(TdxGPBrush* AValue);
  TdxGPPenStyle Style() const { return FStyle; }
  void SetStyle(TdxGPPenStyle AValue);
  float Width() const { return FWidth; }
  void SetWidth(float AValue);
  bool IsEmpty() const { return GetIsEmpty(); }
  void SetTargetRect(const TdxGpRect& R);
  void SetTargetRect(const TRect& R);
  void SetTargetRect(const TdxRectF& R);

protected:
  virtual bool GetIsEmpty() const;
  void DoCreateHandle(void*& AHandle) override;
  void DoFreeHandle(void* AHandle) override;
  void HandleNeeded() override;

private:
  friend class TdxGPPenBrush;
  std::unique_ptr<TdxGPPenBrush> FBrush;
  TdxGPPenStyle FStyle = gppsSolid;
  float FWidth = 1.0f;
};

// The brush a pen draws with: every change reaches the pen's handle.
class TdxGPPenBrush : public TdxGPBrush {
  VCL_CLASS(TdxGPPenBrush, TdxGPBrush)
public:
  explicit TdxGPPenBrush(TdxGPPen* APen) : FPen(APen) {}

protected:
  void NotifyChanged() override;
  void DoCreateHandle(void*& AHandle) override;

private:
  void UpdatePenFill();
  TdxGPPen* FPen;
};

enum class TdxGPFillMode { gpfmAlternate, gpfmWinding };
using enum TdxGPFillMode;

class TdxGPPath : public TdxGpBase {
  VCL_CLASS(TdxGPPath, TdxGpBase)
public:
  explicit TdxGPPath(TdxGPFillMode AFillMode = gpfmAlternate);
  TdxGPPath(const TdxGpPointFDynArray& APoints, const std::vector<uint8_t>& APointTypes);
  ~TdxGPPath() override;
  void* Handle() const { return FHandle; }

  void FigureStart();
  void FigureFinish();
  void Reset();
  void Flatten(TdxGPMatrix* AMatrix = nullptr, float AFlatness = 0.25f);

  void AddArc(float X, float Y, float AWidth, float AHeight, float AStartAngle, float ASweepAngle);
  void AddPie(float X, float Y, float AWidth, float AHeight, float AStartAngle, float ASweepAngle);
  void AddLine(float X1, float Y1, float X2, float Y2);
  void AddEllipse(const TRect& R);
  void AddEllipse(const TdxRectF& R);
  void AddRect(const TRect& R);
  void AddRect(const TdxRectF& R);
  void AddPolygon(const std::vector<TPoint>& APoints);
  void AddPolyline(const std::vector<TPoint>& APoints);
  // Radii are capped at a third of the width and height.
  void AddRoundRect(const TRect& R, int ARadiusX, int ARadiusY);
  void AddRoundRect(const TdxRectF& R, float ARadiusX, float ARadiusY);
  void AddString(const wchar_t* AText, TFont* AFont, float AEmSize, const TRect& ARect);

  TRect GetBounds(TdxGPPen* APen = nullptr);
  TdxRectF GetBoundsF(TdxGPPen* APen = nullptr);
  bool IsPointInPath(const TPoint& P, TdxGPCanvas* ACanvas = nullptr);
  bool IsPointInPath(const TdxPointF& P, TdxGPCanvas* ACanvas = nullptr);
  bool IsPointInPathOutline(const TPoint& P, TdxGPPen* APen, TdxGPCanvas* ACanvas = nullptr);
  bool IsPointInPathOutline(const TdxPointF& P, TdxGPPen* APen, TdxGPCanvas* ACanvas = nullptr);
  // With a pen of APenWidth pixels; never inside for a width of 0 or less.
  bool IsPointInPathOutline(const TPoint& P, int APenWidth, TdxGPCanvas* ACanvas = nullptr);

private:
  void* FHandle = nullptr;
};

enum class TdxGPCombineMode { gmReplace, gmIntersect, gmUnion, gmXor, gmExclude, gmComplement };
using enum TdxGPCombineMode;

class TdxGPRegion : public TdxGpBase {
  VCL_CLASS(TdxGPRegion, TdxGpBase)
public:
  TdxGPRegion();  // the infinite region
  explicit TdxGPRegion(void* APath);
  explicit TdxGPRegion(const TRect& ARect);
  explicit TdxGPRegion(const TdxRectF& ARect);
  ~TdxGPRegion() override;
  void* Handle() const { return FHandle; }
  void CombineRegionRect(const TRect& ARect, TdxGPCombineMode AMode);
  void CombineRegionRect(const TdxRectF& ARect, TdxGPCombineMode AMode);

private:
  void* FHandle = nullptr;
};

class TdxGPImageAttributes : public TdxGpBase {
  VCL_CLASS(TdxGPImageAttributes, TdxGpBase)
public:
  TdxGPImageAttributes();
  ~TdxGPImageAttributes() override;
  void* Handle() const { return FHandle; }

  void SetColorKey(TdxAlphaColor AColorLow, TdxAlphaColor AColorHigh, TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void ClearColorKey(TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void SetColorMatrix(const TdxGpColorMatrix* ANewColorMatrix, TdxGpColorMatrixFlags AMode = ColorMatrixFlagsDefault,
                      TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void SetColorMatrices(const TdxGpColorMatrix* ANewColorMatrix, const TdxGpColorMatrix* AGrayMatrix,
                        TdxGpColorMatrixFlags AMode = ColorMatrixFlagsDefault,
                        TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void ClearColorMatrix(TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void SetGamma(float AGamma, TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void ClearGamma(TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void SetNoOp(TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void ClearNoOp(TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void SetOutputChannel(TdxGpColorChannelFlags AFlags, TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void ClearOutputChannel(TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void SetOutputChannelColorProfile(const String& AColorProfileFilename,
                                    TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void ClearOutputChannelColorProfile(TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void SetRemapTable(const std::vector<TGpColorMap>& AMap, TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void ClearRemapTable(TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void SetBrushRemapTable(const std::vector<TGpColorMap>& AMap) { SetRemapTable(AMap, ColorAdjustTypeBrush); }
  void ClearBrushRemapTable() { ClearRemapTable(ColorAdjustTypeBrush); }
  void SetThreshold(float AThreshold, TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void ClearThreshold(TdxGpColorAdjustType AType = ColorAdjustTypeDefault);
  void SetWrapMode(WrapMode AMode, TdxAlphaColor AColor = 0xFF000000, bool AClamp = false);
  void GetAdjustedPalette(TGpColorPalette* APalette, TdxGpColorAdjustType AType);
  std::unique_ptr<TdxGPImageAttributes> Clone();

private:
  explicit TdxGPImageAttributes(void* AHandle) : FHandle(AHandle) {}
  void* FHandle = nullptr;
};

// Attributes that draw an image with a constant opacity.
class TdxGPAlphaBlendAttributes : public TdxGpBase {
  VCL_CLASS(TdxGPAlphaBlendAttributes, TdxGpBase)
public:
  TdxGPAlphaBlendAttributes();
  ~TdxGPAlphaBlendAttributes() override;
  uint8_t Alpha() const { return FAlpha; }
  void SetAlpha(uint8_t AValue);
  void* Handle() const { return FHandle; }

private:
  uint8_t FAlpha = 0;
  TdxGpColorMatrix FColorMatrix;
  void* FHandle = nullptr;
};

// The one shared instance, with its opacity set to AAlpha.
TdxGPAlphaBlendAttributes* dxGpGetAlphaBlendAttributes(uint8_t AAlpha);
void dxGpFreeAlphaBlendAttributes();  // at the unit's shut-down

// ================================================================ text objects

class TdxGPStringFormat : public TdxGpBase {
  VCL_CLASS(TdxGPStringFormat, TdxGpBase)
public:
  explicit TdxGPStringFormat(int AFormatAttributes = 0, LANGID ALanguage = 0);
  explicit TdxGPStringFormat(TdxGPStringFormat* AFormat);  // a copy
  ~TdxGPStringFormat() override;
  void* Handle() const { return FHandle; }
  void Assign(TdxGPStringFormat* ASource);
  std::unique_ptr<TdxGPStringFormat> Clone() { return std::make_unique<TdxGPStringFormat>(this); }

  TdxGpStringAlignment Alignment() const;
  void SetAlignment(TdxGpStringAlignment AValue);
  TdxGpStringAlignment LineAlignment() const;
  void SetLineAlignment(TdxGpStringAlignment AValue);
  int FormatFlags() const;
  void SetFormatFlags(int AValue);
  TdxGPHotkeyPrefix HotkeyPrefix() const;
  void SetHotkeyPrefix(TdxGPHotkeyPrefix AValue);
  TdxGpStringTrimming Trimming() const;
  void SetTrimming(TdxGpStringTrimming AValue);
  LANGID DigitSubstitutionLanguage() const;
  TdxGpStringDigitSubstitute DigitSubstitutionMethod() const;
  int MeasurableCharacterRangeCount() const;

  void SetTabStops(float AFirstTabOffset, int ACount, const std::vector<float>& ATabStops);
  int GetTabStopCount() const;
  std::vector<float> GetTabStops(int ACount, float& AFirstTabOffset) const;
  void SetDigitSubstitution(LANGID ALanguage, TdxGpStringDigitSubstitute ASubstitute);
  void SetMeasurableCharacterRanges(int ACount, const std::vector<TdxGpCharacterRange>& ARanges);

private:
  void* FHandle = nullptr;
};

class TdxGPFontFamily : public TdxGpBase {
  VCL_CLASS(TdxGPFontFamily, TdxGpBase)
public:
  // An unknown name leaves the handle nil; GDI+ reports it on first use.
  explicit TdxGPFontFamily(const String& AName);
  // Wraps a copy of an existing GDI+ family.
  static std::unique_ptr<TdxGPFontFamily> FromHandle(void* AFamily);
  ~TdxGPFontFamily() override;
  void* Handle() const { return FHandle; }
  std::unique_ptr<TdxGPFontFamily> Clone() const { return FromHandle(FHandle); }

  uint16_t GetCellAscent(int AStyle) const;
  uint16_t GetCellDescent(int AStyle) const;
  uint16_t GetEmHeight(int AStyle) const;
  uint16_t GetLineSpacing(int AStyle) const;
  bool IsStyleAvailable(int AStyle) const;
  String GetName(LANGID ALanguage) const;
  String Name() const { return GetName(0); }

private:
  TdxGPFontFamily() = default;
  void* FHandle = nullptr;
};

enum class TdxGraphicUnit { guWorld, guDisplay, guPixel, guPoint, guInch, guDocument, guMillimeter };
using enum TdxGraphicUnit;

// A GDI+ font that also keeps what GDI+ drops of a GDI font (character set,
// vertical "@" face), so that it turns back into a LOGFONT or an HFONT.
class TdxGPFont : public TObject {
  VCL_CLASS(TdxGPFont, TObject)
public:
  // Adopts a GDI+ font.
  TdxGPFont(void* ANativeFont, uint8_t AGdiCharSet = DEFAULT_CHARSET, bool AGdiVerticalFont = false);
  // A family by name; a leading "@" asks for the vertical face.
  TdxGPFont(const String& AFamilyName, float AEmSize, int AStyle = 0, TdxGraphicUnit AUnit = guPoint,
            uint8_t AGdiCharSet = DEFAULT_CHARSET);
  TdxGPFont(const String& AFamilyName, float AEmSize, int AStyle, TdxGraphicUnit AUnit, uint8_t AGdiCharSet,
            bool AGdiVerticalFont);
  // A family object the font refers to without owning it.
  TdxGPFont(TdxGPFontFamily* AFamily, float AEmSize, int AStyle = 0, TdxGraphicUnit AUnit = guPoint,
            uint8_t AGdiCharSet = DEFAULT_CHARSET, bool AGdiVerticalFont = false);
  // The prototype's family, size and unit with another style.
  TdxGPFont(TdxGPFont* APrototype, int AStyle);
  ~TdxGPFont() override;

  static std::unique_ptr<TdxGPFont> FromHfont(HFONT AHfont);
  static std::unique_ptr<TdxGPFont> FromLogFont(const LOGFONTW& ALogFont, HDC AHdc = nullptr);
  static std::unique_ptr<TdxGPFont> FromHdc(HDC AHdc);
  std::unique_ptr<TdxGPFont> Clone() const;

  void* NativeFont() const { return FNativeFont; }
  TdxGPFontFamily* FontFamily() const { return FFontFamily; }
  void SetFontFamily(TdxGPFontFamily* AValue) { FFontFamily = AValue; }
  String Name() const { return FFontFamily ? FFontFamily->Name() : String(); }
  int Style() const { return FFontStyle; }
  float Size() const { return FFontSize; }
  TdxGraphicUnit Unit() const { return FFontUnit; }
  uint8_t GdiCharSet() const { return FGdiCharSet; }
  bool GdiVerticalFont() const { return FGdiVerticalFont; }
  const String& OriginalFontName() const { return FOriginalFontName; }
  const String& SystemFontName() const { return FSystemFontName; }
  void SetSystemFontName(const String& ASystemFontName) { FSystemFontName = ASystemFontName; }
  bool IsSystemFont() const { return !FSystemFontName.empty(); }
  bool Bold() const { return FFontStyle & 1; }
  bool Italic() const { return FFontStyle & 2; }
  bool Underline() const { return FFontStyle & 4; }
  bool Strikeout() const { return FFontStyle & 8; }

  void ToLogFont(LOGFONTW& ALogFont);
  void ToLogFont(LOGFONTW& ALogFont, TdxGPCanvas* ACanvas);
  HFONT ToHfont();  // the caller owns it
  float GetHeight(TdxGPCanvas* AGraphics);
  float GetHeight();
  float GetHeight(float ADpi);
  int Height() { return static_cast<int>(std::ceil(GetHeight())); }
  float SizeInPoints();
  int GetHashCode() const;

  static bool IsVerticalName(const String& AFamilyName);
  static String StripVerticalName(const String& AFamilyName);

private:
  TdxGPFont() = default;
  void Initialize(TdxGPFontFamily* AFamily, int AStyle, bool AGdiVerticalFont, uint8_t AGdiCharSet,
                  TdxGraphicUnit AUnit, float AEmSize);
  void InitializeByName(const String& AFamilyName, float AEmSize, int AStyle, TdxGraphicUnit AUnit,
                        uint8_t AGdiCharSet, bool AGdiVerticalFont);

  void* FNativeFont = nullptr;
  float FFontSize = 0;
  int FFontStyle = 0;
  TdxGPFontFamily* FFontFamily = nullptr;
  TdxGraphicUnit FFontUnit = guPoint;
  uint8_t FGdiCharSet = DEFAULT_CHARSET;
  bool FGdiVerticalFont = false;
  std::unique_ptr<TdxGPFontFamily> FOwnFontFamily;  // the family when the font made it
  String FSystemFontName;
  String FOriginalFontName;
};

// ================================================================ canvas

enum class TdxGPInterpolationMode {
  imDefault, imLowQuality, imHighQuality, imBilinear, imBicubic, imNearestNeighbor, imHighQualityBilinear,
  imHighQualityBicubic
};
using enum TdxGPInterpolationMode;
enum class TdxGPSmoothingMode { smDefault, smHighSpeed, smHighQuality, smNone, smAntiAlias };
using enum TdxGPSmoothingMode;

// Drawing on one GDI+ graphics, which the canvas owns. Rectangles given in
// integers are used like GDI rectangles: (0, 0, 10, 10) covers pixels 0 to
// 9. Colours come as pen and brush objects (nil: skipped), as TColor with
// alpha (clNone: skipped) or as ARGB values.
class TdxGPCanvas : public TdxGpBase {
  VCL_CLASS(TdxGPCanvas, TdxGpBase)
public:
  TdxGPCanvas() = default;
  explicit TdxGPCanvas(void* AHandle) : FHandle(AHandle) {}
  explicit TdxGPCanvas(HDC DC);
  // Also gives back clip regions and transforms still saved.
  ~TdxGPCanvas() override;

  void* Handle() const { return FHandle; }
  HDC GetHDC();
  void ReleaseHDC(HDC DC);
  void Clear(TColor AColor);
  float DpiX();
  float DpiY();
  TdxGPInterpolationMode InterpolationMode();
  void SetInterpolationMode(TdxGPInterpolationMode AValue);
  TdxGPSmoothingMode SmoothingMode();
  void SetSmoothingMode(TdxGPSmoothingMode AValue);
  bool IsLowColorsMode() const { return FIsLowColorsMode; }

  // Images.
  void Draw(TdxGPImage* AGraphic, const TRect& R, uint8_t AAlpha = 255);
  void Draw(TdxGPImage* AGraphic, const TdxRectF& R, uint8_t AAlpha = 255);
  void Draw(TdxGPImage* AGraphic, const TRect& ADestRect, const TRect& ASourceRect, uint8_t AAlpha = 255);
  void Draw(TdxGPImage* AGraphic, const TdxRectF& ADestRect, const TdxRectF& ASourceRect, uint8_t AAlpha = 255);
  void Draw(TdxGPImage* AGraphic, const TRect& R, TdxGPImageAttributes* AAttributes);
  void Draw(TdxGPImage* AGraphic, const TdxRectF& ADestRect, const TdxRectF& ASourceRect,
            TdxGPImageAttributes* AAttributes);
  void DrawBitmap(TBitmap* ABitmap, const TRect& R, uint8_t AAlpha = 255);
  void DrawTile(TdxGPImage* AGraphic, const TRect& R, uint8_t AAlpha = 255);

  // Clipping.
  bool IsClipEmpty();
  void SetClipRect(const TRect& R, TdxGPCombineMode AMode);
  void SetClipRect(const TdxRectF& R, TdxGPCombineMode AMode);
  void SetClipPath(TdxGPPath* APath, TdxGPCombineMode AMode);
  void SetClipRegion(HRGN ARgn, TdxGPCombineMode AMode);
  void SaveClipRegion();
  void RestoreClipRegion();

  // Shapes; the fill is drawn before the outline.
  void Arc(const TRect& R, float AStartAngle, float ASweepAngle, TColor APenColor, float APenWidth = 1,
           TPenStyle APenStyle = psSolid, uint8_t APenColorAlpha = 255);
  void Arc(const TRect& R, float AStartAngle, float ASweepAngle, TdxAlphaColor APenColor, float APenWidth = 1,
           TPenStyle APenStyle = psSolid);
  void Ellipse(const TRect& R, TdxGPPen* APen, TdxGPCustomBrush* ABrush);
  void Ellipse(const TRect& R, TColor APenColor, TColor ABrushColor, float APenWidth = 1,
               TPenStyle APenStyle = psSolid, uint8_t APenColorAlpha = 255, uint8_t ABrushColorAlpha = 255);
  void Ellipse(const TdxRectF& R, TColor APenColor, TColor ABrushColor, float APenWidth = 1,
               TPenStyle APenStyle = psSolid, uint8_t APenColorAlpha = 255, uint8_t ABrushColorAlpha = 255);
  void Ellipse(const TRect& R, TdxAlphaColor APenColor, TdxAlphaColor ABrushColor, float APenWidth = 1,
               TPenStyle APenStyle = psSolid);
  void Pie(const TRect& R, float AStartAngle, float ASweepAngle, TColor APenColor, TColor ABrushColor,
           float APenWidth = 1, TPenStyle APenStyle = psSolid, uint8_t APenColorAlpha = 255,
           uint8_t ABrushColorAlpha = 255);
  void Pie(const TRect& R, float AStartAngle, float ASweepAngle, TdxAlphaColor APenColor, TdxAlphaColor ABrushColor,
           float APenWidth = 1, TPenStyle APenStyle = psSolid);
  void Line(int X1, int Y1, int X2, int Y2, TColor APenColor, float APenWidth = 1, TPenStyle APenStyle = psSolid,
            uint8_t APenColorAlpha = 255);
  void Line(int X1, int Y1, int X2, int Y2, TdxAlphaColor APenColor, float APenWidth = 1,
            TPenStyle APenStyle = psSolid);
  void Line(float X1, float Y1, float X2, float Y2, TdxAlphaColor APenColor, float APenWidth = 1,
            TPenStyle APenStyle = psSolid);
  void Line(int X1, int Y1, int X2, int Y2, TdxGPPen* APen);
  void Line(float X1, float Y1, float X2, float Y2, TdxGPPen* APen);
  void Polyline(const std::vector<TPoint>& APoints, TColor APenColor, float APenWidth = 1,
                TPenStyle APenStyle = psSolid, uint8_t APenColorAlpha = 255);
  void Polyline(const std::vector<TdxPointF>& APoints, TColor APenColor, float APenWidth = 1,
                TPenStyle APenStyle = psSolid, uint8_t APenColorAlpha = 255);
  void Polyline(const std::vector<TPoint>& APoints, TdxAlphaColor APenColor, float APenWidth = 1,
                TPenStyle APenStyle = psSolid);
  void Polygon(const std::vector<TPoint>& APoints, TColor APenColor, TColor ABrushColor, float APenWidth = 1,
               TPenStyle APenStyle = psSolid, uint8_t APenColorAlpha = 255, uint8_t ABrushColorAlpha = 255);
  void Polygon(const std::vector<TdxPointF>& APoints, TColor APenColor, TColor ABrushColor, float APenWidth = 1,
               TPenStyle APenStyle = psSolid, uint8_t APenColorAlpha = 255, uint8_t ABrushColorAlpha = 255);
  void Polygon(const std::vector<TPoint>& APoints, TdxAlphaColor APenColor, TdxAlphaColor ABrushColor,
               float APenWidth = 1, TPenStyle APenStyle = psSolid);
  void Rectangle(const TRect& R, TdxGPPen* APen, TdxGPCustomBrush* ABrush);
  void Rectangle(const TRect& R, TColor APenColor, TColor ABrushColor, float APenWidth = 1,
                 TPenStyle APenStyle = psSolid, uint8_t APenColorAlpha = 255, uint8_t ABrushColorAlpha = 255);
  // A zero brush colour skips the fill, a zero pen colour the outline.
  void Rectangle(const TRect& R, TdxAlphaColor APenColor, TdxAlphaColor ABrushColor, float APenWidth = 1,
                 TPenStyle APenStyle = psSolid);
  void Rectangle(const TdxRectF& R, TdxAlphaColor APenColor, TdxAlphaColor ABrushColor, float APenWidth = 1,
                 TPenStyle APenStyle = psSolid);
  void RoundRect(const TRect& R, TdxGPPen* APen, TdxGPCustomBrush* ABrush, int ARadiusX, int ARadiusY);
  void RoundRect(const TRect& R, TColor APenColor, TColor ABrushColor, int ARadiusX, int ARadiusY,
                 int APenWidth = 1, uint8_t APenColorAlpha = 255, uint8_t ABrushColorAlpha = 255);
  void RoundRect(const TRect& R, TdxAlphaColor APenColor, TdxAlphaColor ABrushColor, int ARadiusX, int ARadiusY,
                 float APenWidth = 1);
  void Path(TdxGPPath* APath, TdxGPPen* APen, TdxGPCustomBrush* ABrush);
  void Path(TdxGPPath* APath, TColor APenColor, TColor ABrushColor, float APenWidth = 1,
            TPenStyle APenStyle = psSolid, uint8_t APenColorAlpha = 255, uint8_t ABrushColorAlpha = 255);
  void Path(TdxGPPath* APath, TdxAlphaColor APenColor, TdxAlphaColor ABrushColor, float APenWidth = 1,
            TPenStyle APenStyle = psSolid);
  // Fills the region with ABrushColor.
  void Region(TdxGPRegion* ARegion, TdxAlphaColor APenColor, TdxAlphaColor ABrushColor, float APenWidth = 1,
              TPenStyle APenStyle = psSolid);
  // Nothing for the colours 0 and 0x00FFFFFF.
  void FillRectangle(const TRect& R, TdxAlphaColor AColor);
  void FillRectangle(const TdxRectF& R, TdxAlphaColor AColor);
  void FillRectangle(const TRect& R, TdxGPCustomBrush* ABrush);
  void FillRectangle(const TdxRectF& R, TdxGPCustomBrush* ABrush);
  void FillRectangleByGradient(const TRect& R, TdxAlphaColor AColor1, TdxAlphaColor AColor2,
                               LinearGradientMode AMode);

  // Text. A nil font or brush raises InvalidParameter.
  void DrawString(const String& S, TdxGPFont* AFont, TdxGPBrush* ABrush, float X, float Y,
                  TdxGPStringFormat* AFormat = nullptr);
  void DrawString(const String& S, TdxGPFont* AFont, TdxGPBrush* ABrush, const TdxPointF& APoint,
                  TdxGPStringFormat* AFormat = nullptr);
  void DrawString(const String& S, TdxGPFont* AFont, TdxGPBrush* ABrush, const TdxRectF& ARect,
                  TdxGPStringFormat* AFormat = nullptr);
  TdxSizeF MeasureString(const String& AText, TdxGPFont* AFont, const TdxRectF& ALayoutArea,
                         TdxGPStringFormat* AStringFormat, int& ACharactersFitted, int& ALinesFilled);
  TdxSizeF MeasureString(const String& AText, TdxGPFont* AFont, const TdxPointF& AOrigin,
                         TdxGPStringFormat* AStringFormat);
  TdxSizeF MeasureString(const String& AText, TdxGPFont* AFont, const TdxSizeF& ALayoutArea,
                         TdxGPStringFormat* AStringFormat = nullptr);
  TdxSizeF MeasureString(const String& AText, TdxGPFont* AFont);
  // Laid out in a box AWidth wide and 999999 high.
  TdxSizeF MeasureString(const String& AText, TdxGPFont* AFont, int AWidth, TdxGPStringFormat* AFormat = nullptr);
  // One region per range of the format; the caller owns them.
  std::vector<std::unique_ptr<TdxGPRegion>> MeasureCharacterRanges(const String& AText, TdxGPFont* AFont,
                                                                    const TdxRectF& ALayoutRect,
                                                                    TdxGPStringFormat* AStringFormat);

  // World transform.
  std::unique_ptr<TdxGPMatrix> GetWorldTransform();
  void SetWorldTransform(TdxGPMatrix* AMatrix);
  void ModifyWorldTransform(TdxGPMatrix* AMatrix, TdxGpMatrixOrder AOrder = MatrixOrderPrepend);
  void ResetWorldTransform();
  void RotateWorldTransform(float AAngle, TdxGpMatrixOrder AOrder = MatrixOrderPrepend);
  void RotateWorldTransform(float AAngle, const TdxPointF& APivotPoint, TdxGpMatrixOrder AOrder = MatrixOrderPrepend);
  void RotateWorldTransform(float AAngle, const TPoint& APivotPoint, TdxGpMatrixOrder AOrder = MatrixOrderPrepend);
  void ScaleWorldTransform(float AScaleX, float AScaleY, TdxGpMatrixOrder AOrder = MatrixOrderPrepend);
  // Scales about ACenter, combined with the current transform.
  void ScaleWorldTransform(float AScaleX, float AScaleY, const TdxPointF& ACenter,
                           TdxGpMatrixOrder AOrder = MatrixOrderPrepend);
  void TranslateWorldTransform(float AOffsetX, float AOffsetY, TdxGpMatrixOrder AOrder = MatrixOrderPrepend);
  void FlipWorldTransform(bool AFlipHorizontally, bool AFlipVertically, const TdxPointF& APivotPoint);
  void FlipWorldTransform(bool AFlipHorizontally, bool AFlipVertically, const TPoint& APivotPoint);
  void FlipWorldTransform(bool AFlipHorizontally, bool AFlipVertically, float APivotPointX, float APivotPointY);
  void SaveWorldTransfrom();
  void RestoreWorldTransfrom();

protected:
  void SetHandle(void* AHandle) { FHandle = AHandle; }
  void DeleteHandle();
  bool FIsLowColorsMode = false;

private:
  void WorldTransformAbout(const TdxPointF& APoint, TdxGpMatrixOrder AOrder, const std::function<void()>& ATransform);
  void DrawShape(TdxGPPen* APen, TdxGPCustomBrush* ABrush, const TdxGpRectF& ABounds,
                 const std::function<Status(void*)>& AFill, const std::function<Status(void*)>& AOutline);
  void DrawShape(void* APen, void* ABrush, const std::function<Status(void*)>& AFill,
                 const std::function<Status(void*)>& AOutline);
  void* FHandle = nullptr;
  std::vector<void*> FSavedClipRegions;
  std::vector<void*> FSavedWorldTransforms;
};

class TdxGPGraphics : public TdxGPCanvas {
  VCL_CLASS(TdxGPGraphics, TdxGPCanvas)
public:
  using TdxGPCanvas::TdxGPCanvas;
};

// A canvas bound to a device context for one paint. Devices that cannot
// take GDI+ output directly (few colours, printers) are painted through a
// 32-bit buffer that EndPaint copies back.
class TdxGPCustomPaintCanvas : public TdxGPGraphics {
  VCL_CLASS(TdxGPCustomPaintCanvas, TdxGPGraphics)
public:
  TdxGPCustomPaintCanvas() = default;
  void BeginPaint(HDC DC, const TRect& R);
  // Paints on a graphics someone else owns.
  void BeginPaint(void* AHandle);
  void EndPaint();
  TBitmap* Buffer() const { return FBuffer; }
  HDC DrawDC() const { return FDrawDC; }
  const TRect& DrawRect() const { return FDrawRect; }

protected:
  virtual void SaveState() {}
  virtual void RestoreState() {}
  TBitmap* FBuffer = nullptr;
  HDC FDrawDC = nullptr;
  TRect FDrawRect;
};

struct TdxGPPaintCanvasState {
  void* Handle = nullptr;
  TBitmap* Buffer = nullptr;
  TRect DrawRect;
  HDC DC = nullptr;
};

// A paint canvas whose paints nest: each EndPaint gives back the binding of
// the enclosing paint.
class TdxGPPaintCanvas : public TdxGPCustomPaintCanvas {
  VCL_CLASS(TdxGPPaintCanvas, TdxGPCustomPaintCanvas)
public:
  TdxGPPaintCanvas() = default;
  int Counter() const { return FCounter; }

protected:
  void SaveState() override;
  void RestoreState() override;

private:
  int FCounter = 0;
  std::vector<TdxGPPaintCanvasState> FSavedStates;
};

TdxGPPaintCanvas* dxGpSharedPaintCanvas();
void dxGpFreeSharedPaintCanvas();  // at the unit's shut-down
std::unique_ptr<TdxGPCustomPaintCanvas> dxGpBeginPaintOnDC(HDC DC, const TRect& R);
void dxGpEndPaintAndFree(std::unique_ptr<TdxGPCustomPaintCanvas>& ACanvas);
// Runs APaint on the shared paint canvas bound to DC and R for the call.
void dxGpPaintOnDC(HDC DC, const TRect& R, const std::function<void(TdxGPCanvas*)>& APaint);
void dxGpFillRectOnDC(HDC DC, const TRect& R, TColor AColor, uint8_t AAlpha = 255);
void dxGpFillRectSolid(void* AGraphics, const TRect& R, TdxAlphaColor AColor);
// Draws a part of an image; a source smaller than an enlarged destination
// loses its last row and column, so that GDI+ blends no pixel from outside.
void dxGpDrawImagePart(void* AGraphics, const TRect& ADestRect, const TRect& ASourceRect, void* AImage,
                       uint8_t AAlpha = 255, void* AAttributes = nullptr);
void dxGpDrawImagePart(void* AGraphics, const TdxRectF& ADestRect, const TdxRectF& ASourceRect, void* AImage,
                       uint8_t AAlpha = 255, void* AAttributes = nullptr);
void dxGpDrawImageTiled(void* AGraphics, const TRect& ADestRect, const TRect& ATileRect, void* AImage,
                        uint8_t AAlpha = 255);
bool dxGpIsRectVisible(void* AGraphics, const TRect& R);
bool dxGpIsRectVisible(void* AGraphics, const TdxRectF& R);
bool dxGpIsLowColorDC(HDC DC);
bool dxGpCreateSolidBrush(void*& ABrush, TColor AColor, uint8_t AAlpha);
bool dxGpCreatePen(void*& APen, TColor AColor, TPenStyle AStyle, float AWidth, uint8_t AAlpha);

// ================================================================ image

enum class TdxImageDataFormat {
  dxImageUnknown, dxImageBitmap, dxImageJpeg, dxImagePng, dxImageTiff, dxImageGif, dxImageEmf, dxImageExif,
  dxImageIcon, dxImageMemoryBmp, dxImageWmf
};
using enum TdxImageDataFormat;

enum class TdxDefaultBoolean { bFalse, bTrue, bDefault };
using enum TdxDefaultBoolean;

// The CRC-32 of zlib and PNG; 0 for no bytes.
uint32_t dxCalcCrc32(const void* AData, int ACount);

// The encoder of a format; a zero CLSID where GDI+ has none. Unknown and
// EXIF raise EdxException.
CLSID dxGetImageEncoder(TdxImageDataFormat AFormat);
// The clipboard format of an image format; 0 for none. The unit's
// start-up fills the table.
uint32_t dxGetImageClipboardFormat(TdxImageDataFormat AFormat);
void dxSetImageClipboardFormat(TdxImageDataFormat AFormat, uint32_t AClipboardFormat);

// The largest picture an image takes from encoded bytes: at most this many
// pixels a side and in all (64 MB of 32-bit pixels). A PNG, JPEG, GIF or
// BMP header that claims more is refused with EdxException before anything
// is decoded; a picture of another kind, once decoded.
constexpr int dxMaxImageSide = 16384;
constexpr int64_t dxMaxImagePixels = 16777216;

// A memory stream whose block GDI+ allocates (GdipAlloc), sized exactly as
// asked; running out of memory raises EStreamError "Out of memory while
// expanding memory stream".
class TdxGPMemoryStream : public TMemoryStream {
  VCL_CREATABLE_CLASS(TdxGPMemoryStream, TMemoryStream)
public:
  TdxGPMemoryStream() = default;
  ~TdxGPMemoryStream() override { Clear(); }

protected:
  void* Realloc(int64_t& NewCapacity) override;
};

// The stream adapter GDI+ reads and writes images through: its Stat
// accepts a null record and answers E_UNEXPECTED for any failure.
class TdxGPStreamAdapter : public TStreamAdapter {
public:
  using TStreamAdapter::TStreamAdapter;
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* AStat, DWORD AFlag) override;
};

// The source of an image: its 32-bit pixels (top-down, premultiplied) or
// its encoded bytes. The image data owns both.
class TdxGPImageData : public TObject {
  VCL_CLASS(TdxGPImageData, TObject)
public:
  bool Empty() const { return !FData && FBits.empty(); }
  void Clear();
  // Takes a copy of the pixels; without an alpha channel the alpha bytes
  // come from the transparency settings.
  void LoadFromBits(int AWidth, int AHeight, const TRGBColors& ABits, bool AHasAlphaChannel);
  void LoadFromStream(TStream* AStream);
  void Assign(TdxGPImageData* ASource);

  bool Transparent = false;
  TColor TransparentColor = clDefault;
  TTransparentMode TransparentMode = tmAuto;
  TRGBColors FBits;
  TSize FBitsBounds;
  std::unique_ptr<TdxGPMemoryStream> FData;
  TSize FNewSize;

private:
  void ComputeAlpha();
};

class TdxGPImageCustomAnimationController;

// A picture whose pixels live in a GDI+ image, made from the image data
// when it is first needed. Every visible change ends in Changed.
class TdxGPImage : public TGraphic {
  VCL_CREATABLE_CLASS(TdxGPImage, TGraphic)
public:
  TdxGPImage();
  // Pixels of ASize, all AColor, with an alpha channel.
  TdxGPImage(const TSize& ASize, TdxAlphaColor AColor = 0);
  TdxGPImage(int AWidth, int AHeight, TdxAlphaColor AColor = 0);
  explicit TdxGPImage(TBitmap* ABitmap);
  explicit TdxGPImage(HBITMAP ABitmap);
  TdxGPImage(int AWidth, int AHeight, const TRGBColors& ABits, bool AHasAlphaChannel);
  explicit TdxGPImage(TStream* AStream);
  ~TdxGPImage() override;

  // TGraphic.
  bool Empty() const override;
  int Width() const override { return Size().cx; }
  int Height() const override { return Size().cy; }
  void SetWidth(int Value) override {}
  void SetHeight(int Value) override {}
  bool Transparent() const override { return IsAlphaUsed(); }
  void LoadFromStream(TStream* AStream) override;
  void SaveToStream(TStream* AStream) const override;
  void LoadFromClipboardFormat(uint32_t AFormat, void* AData, void* APalette) override;
  void SaveToClipboardFormat(uint32_t& AFormat, void*& AData, void*& APalette) override;
  void Assign(TPersistent* ASource) override;

  void LoadFromBits(int AWidth, int AHeight, const TRGBColors& ABits, bool AHasAlphaChannel);
  void LoadFromResource(HINSTANCE AInstance, const String& AResName, const wchar_t* AResType);
  // Binary field values, also behind an 8-byte header {1, 0x0100, size}.
  void LoadFromFieldValue(const Variant& AValue);
  void SaveToStreamByCodec(TStream* AStream, TdxImageDataFormat AImageFormat) const;
  void SetBitmap(TBitmap* ABitmap);

  void Clear();
  std::unique_ptr<TdxGPImage> Clone() const;
  void ChangeColor(TColor AColor);
  bool Compare(TdxGPImage* AImage) const;
  // Compare for another image, else the base's test.
  bool Equals(const TGraphic* AGraphic) const override;
  uint32_t GetHashCode() const;
  std::unique_ptr<TBitmap> GetAsBitmap() const;
  TRGBColors GetBitmapBits() const;
  std::unique_ptr<TdxGPImage> MakeComposition(TdxGPImage* AOverlayImage, uint8_t AOverlayAlpha,
                                              uint8_t ASourceAlpha = 255) const;
  void ConvertToBitmap();
  void Resize(int AWidth, int AHeight);
  void Resize(const TSize& ASize) { Resize(ASize.cx, ASize.cy); }
  void Scale(int M, int D);
  std::unique_ptr<TdxGPCanvas> CreateCanvas();
  void StretchDraw(HDC DC, const TRect& ADest, uint8_t AAlpha = 255);
  void StretchDraw(HDC DC, const TRect& ADest, const TRect& ASource, uint8_t AAlpha = 255);
  void StretchDraw(HDC DC, const TdxRectF& ADest, const TdxRectF& ASource, uint8_t AAlpha = 255);

  void* Handle() const;
  void SetHandle(void* AValue);
  bool HandleAllocated() const { return FHandle != nullptr; }
  TdxImageDataFormat ImageDataFormat() const;
  void SetImageDataFormat(TdxImageDataFormat AValue);
  bool IsAlphaUsed() const;
  TSize Size() const;
  TRect ClientRect() const { return {0, 0, Width(), Height()}; }
  TdxGPImageData* ImageData() const { return FImageData.get(); }

  // Clipboard, in the order PNG, GIF, TIFF, JPEG, bitmap.
  static bool IsSupportClipboardFormat(uint32_t AFormat);
  static bool HasClipboardFormat();
  void PasteFromClipboard();
  void CopyToClipboard();
  void CutToClipboard();

  // Animation.
  uint32_t ActiveFrame() const { return FActiveFrame; }
  void SetActiveFrame(uint32_t AValue);
  bool Animation() const;
  void SetAnimation(bool AValue);
  uint32_t AnimationFrameCount() const;
  int AnimationFrameDelay() const;
  void SetAnimationFrameDelay(int AValue);
  TdxDefaultBoolean AnimationLoop = bTrue;
  int AnimationLoopIndex = 0;
  int AnimationLoopCount() const;
  void StartAnimation();
  void StopAnimation();

protected:
  void Draw(TCanvas* ACanvas, const TRect& ARect) override;
  void Changed() override;
  void AssignTo(TPersistent* ADest) override;
  virtual void AssignFromBitmap(TBitmap* ABitmap);
  virtual void AssignFromGPImage(TdxGPImage* AImage);
  virtual void AssignFromGraphic(TGraphic* AGraphic);
  virtual void FreeImageHandle() const;
  virtual bool IsBitmapStream(TStream* AStream) const;
  virtual bool IsHandleReady() const { return FHandle || FImageData->Empty(); }

private:
  void HandleNeeded() const;
  void CreateHandleFromImageData() const;
  void UpdateImageDataFormat() const;
  void TakeHandle(void* AHandle);
  // The image drawn over the whole of a new 32-bit bitmap of the size.
  void* DrawnOnNewBitmap(int AWidth, int AHeight) const;
  std::unique_ptr<TdxGPMemoryStream> Encode(TdxImageDataFormat AFormat) const;
  // The image as a metafile: its own when it is one, else drawn into one.
  void EncodeAsMetafile(TStream* AStream, bool AEnhanced) const;
  void SelectActiveFrame(uint32_t AValue) const;
  bool ReadPropertyItem(uint32_t ATag, std::vector<uint8_t>& AData) const;

  mutable uint32_t FActiveFrame = 0;
  std::unique_ptr<TdxGPImageCustomAnimationController> FAnimationController;
  int FAnimationFrameDelay = 0;
  mutable GUID FDimensionID{};
  std::unique_ptr<TdxGPImageData> FImageData;
  mutable TdxImageDataFormat FImageDataFormat = dxImageUnknown;
  mutable bool FIsAlphaUsed = false;
  mutable bool FIsAlphaUsedAssigned = false;
  mutable void* FHandle = nullptr;
};

// Plays the frames of an animated image. This base never advances; the
// graphics unit plugs in a timer-driven one.
class TdxGPImageCustomAnimationController : public TObject {
  VCL_CLASS(TdxGPImageCustomAnimationController, TObject)
public:
  explicit TdxGPImageCustomAnimationController(TdxGPImage* AImage) : FImage(AImage) {}
  ~TdxGPImageCustomAnimationController() override;
  TdxGPImage* Image() const { return FImage; }
  bool Active() const { return FImage->AnimationFrameCount() > 1 && IsAnimating(); }
  void StartAnimation() { DoStartAnimation(); }
  void StopAnimation() { DoStopAnimation(); }
  // Moves to the next frame; at the end of the animation the image's
  // StopAnimation frees this controller.
  virtual void AnimationTimerHandler(TObject* Sender);

protected:
  virtual void DoStartAnimation() {}
  virtual void DoStopAnimation() {}
  virtual bool IsAnimating() const { return false; }

private:
  TdxGPImage* FImage;
};

using TdxGPImageAnimationControllerFactory =
    std::function<std::unique_ptr<TdxGPImageCustomAnimationController>(TdxGPImage*)>;
// What StartAnimation makes; an empty function means the never-advancing base.
extern TdxGPImageAnimationControllerFactory dxGPImageAnimationControllerClass;

// The picture class for TIFF, GIF and JPEG files.
class TdxSmartImage : public TdxGPImage {
  VCL_CREATABLE_CLASS(TdxSmartImage, TdxGPImage)
public:
  using TdxGPImage::TdxGPImage;
};

// The picture class for PNG files: it always saves as PNG.
class TdxPNGImage : public TdxSmartImage {
  VCL_CREATABLE_CLASS(TdxPNGImage, TdxSmartImage)
public:
  using TdxSmartImage::TdxSmartImage;
  void SaveToStream(TStream* AStream) const override { SaveToStreamByCodec(AStream, dxImagePng); }
};

// Registers the picture formats GDI+ can decode and the images' clipboard
// formats; its shut-down frees the shared canvas and attributes.
extern const TUnitEntry dxGdiPlusClassesUnit;
