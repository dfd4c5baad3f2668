#pragma once
// The GDI+ binding: gdiplus.dll loaded on first use, its flat functions
// bound by name (all or nothing), start-up with the background thread
// suppressed, shut-down with the unit; the status check that turns a failed
// call into EdxGdipException, the allocation base of the wrapper objects,
// the shared records and the image codec lookup by MIME type.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "components/core/cxGeometry.h"
#include "components/core/dxCore.h"
#include "vcl/rtl/Types.h"
#include "vcl/rtl/WinApi.h"

struct IStream;

// ---------------------------------------------------------------- records and enumerations

// The GDI+ status of every flat call.
enum Status : int32_t {
  Ok, GenericError, InvalidParameter, OutOfMemory, ObjectBusy, InsufficientBuffer, NotImplemented,
  Win32Error, WrongState, Aborted, FileNotFound, ValueOverflow, AccessDenied, UnknownImageFormat,
  FontFamilyNotFound, FontStyleNotFound, NotTrueTypeFont, UnsupportedGdiplusVersion,
  GdiplusNotInitialized, PropertyNotFound, PropertyNotSupported
};

// A 32-bit ARGB colour, alpha in the top byte.
using TdxAlphaColor = uint32_t;
using TGUID = GUID;

struct TdxGpRect {
  int32_t X = 0, Y = 0, Width = 0, Height = 0;
};

struct TdxGpRectF {
  float X = 0, Y = 0, Width = 0, Height = 0;

  static TdxGpRectF Empty() { return {}; }
  static TdxGpRectF Init(float AX, float AY, float AWidth, float AHeight) {
    return {AX, AY, AWidth, AHeight};
  }
  TdxSizeF SizeF() const { return {Width, Height}; }
  // From and to left/top/right/bottom rectangles; to TRect truncates.
  static TdxGpRectF From(const TRect& R);
  static TdxGpRectF From(const TdxRectF& R);
  TRect ToRect() const;
  TdxRectF ToRectF() const { return {X, Y, X + Width, Y + Height}; }
};

struct TdxGpPointF {
  float X = 0, Y = 0;
};
using TdxGpPointFDynArray = std::vector<TdxGpPointF>;

struct TdxGpCharacterRange {
  int32_t First = 0, Length = 0;
};

// The palette GDI+ fills: Count entries follow the header.
struct TGpColorPalette {
  uint32_t Flags = 0;
  uint32_t Count = 0;
  TdxAlphaColor Entries[1] = {};
};

struct TGpColorMap {
  TdxAlphaColor oldColor = 0, newColor = 0;
};

struct TdxGpColorMatrix {
  float M[5][5] = {};
};
using PdxGpColorMatrix = TdxGpColorMatrix*;

enum WrapMode : int32_t { WrapModeTile, WrapModeTileFlipX, WrapModeTileFlipY, WrapModeTileFlipXY, WrapModeClamp };
enum LinearGradientMode : int32_t {
  LinearGradientModeHorizontal, LinearGradientModeVertical, LinearGradientModeForwardDiagonal,
  LinearGradientModeBackwardDiagonal
};
enum TdxGpMatrixOrder : int32_t { MatrixOrderPrepend, MatrixOrderAppend };
enum TdxGpColorAdjustType : int32_t {
  ColorAdjustTypeDefault, ColorAdjustTypeBitmap, ColorAdjustTypeBrush, ColorAdjustTypePen,
  ColorAdjustTypeText, ColorAdjustTypeCount, ColorAdjustTypeAny
};
enum TdxGpColorMatrixFlags : int32_t { ColorMatrixFlagsDefault, ColorMatrixFlagsSkipGrays, ColorMatrixFlagsAltGray };
enum TdxGpColorChannelFlags : int32_t {
  ColorChannelFlagsC, ColorChannelFlagsM, ColorChannelFlagsY, ColorChannelFlagsK, ColorChannelFlagsLast
};
enum TdxGpStringAlignment : int32_t { StringAlignmentNear, StringAlignmentCenter, StringAlignmentFar };
enum TdxGpStringTrimming : int32_t {
  StringTrimmingNone, StringTrimmingCharacter, StringTrimmingWord, StringTrimmingEllipsisCharacter,
  StringTrimmingEllipsisWord, StringTrimmingEllipsisPath
};
enum TdxGpStringDigitSubstitute : int32_t {
  StringDigitSubstituteUser, StringDigitSubstituteNone, StringDigitSubstituteNational,
  StringDigitSubstituteTraditional
};
enum TdxGPHotkeyPrefix : int32_t { HotkeyPrefixNone, HotkeyPrefixShow, HotkeyPrefixHide };

constexpr int32_t PixelFormat32bppPARGB = 0xE200B;
constexpr int32_t UnitPixel = 2;

// One entry of GDI+'s encoder and decoder lists.
struct TdxGpImageCodecInfo {
  CLSID Clsid;
  GUID FormatID;
  const wchar_t* CodecName;
  const wchar_t* DllName;
  const wchar_t* FormatDescription;
  const wchar_t* FilenameExtension;
  const wchar_t* MimeType;
  DWORD Flags, Version, SigCount, SigSize;
  const BYTE* SigPattern;
  const BYTE* SigMask;
};

// A property item as GDI+ hands it out; Value points behind the header.
struct TdxGpPropertyItem {
  uint32_t Id;
  uint32_t Length;
  uint16_t Type;
  void* Value;
};

struct TdxGpStartupInput {
  uint32_t GdiplusVersion = 1;
  void* DebugEventCallback = nullptr;
  BOOL SuppressBackgroundThread = -1;
  BOOL SuppressExternalCodecs = FALSE;
};

struct TdxGpStartupOutput {
  Status(WINAPI* NotificationHook)(ULONG_PTR* AToken) = nullptr;
  void(WINAPI* NotificationUnhook)(ULONG_PTR AToken) = nullptr;
};

// Record helpers.
TdxGpRect MakeRect(int32_t X, int32_t Y, int32_t AWidth, int32_t AHeight);
TdxGpRectF MakeRect(float X, float Y, float AWidth, float AHeight);
TdxGpRect GpRect(const TRect& R);
TdxGpRectF GpRectF(const TRect& R);
TdxGpRectF GpRectF(const TdxGpRect& R);
bool GpIsEqualRectF(const TdxGpRectF& A, const TdxGpRectF& B);

// ---------------------------------------------------------------- entry points

// The flat functions the library calls: name, result, arguments. Handles
// are plain pointers.
#define DX_GDIPLUS_ENTRY_POINTS(X)                                                                            \
  X(GdiplusStartup, Status, (ULONG_PTR*, const TdxGpStartupInput*, TdxGpStartupOutput*))                     \
  X(GdiplusShutdown, void, (ULONG_PTR))                                                                      \
  X(GdipAlloc, void*, (size_t))                                                                              \
  X(GdipFree, void, (void*))                                                                                 \
  X(GdipGetImageEncodersSize, Status, (UINT*, UINT*))                                                        \
  X(GdipGetImageEncoders, Status, (UINT, UINT, TdxGpImageCodecInfo*))                                        \
  X(GdipGetImageDecodersSize, Status, (UINT*, UINT*))                                                        \
  X(GdipGetImageDecoders, Status, (UINT, UINT, TdxGpImageCodecInfo*))                                        \
  X(GdipCreateBitmapFromScan0, Status, (INT, INT, INT, INT, BYTE*, void**))                                  \
  X(GdipCreateBitmapFromHBITMAP, Status, (HBITMAP, HPALETTE, void**))                                        \
  X(GdipCreateHBITMAPFromBitmap, Status, (void*, HBITMAP*, TdxAlphaColor))                                   \
  X(GdipLoadImageFromStream, Status, (IStream*, void**))                                                     \
  X(GdipSaveImageToStream, Status, (void*, IStream*, const CLSID*, const void*))                             \
  X(GdipDisposeImage, Status, (void*))                                                                       \
  X(GdipGetImageWidth, Status, (void*, UINT*))                                                               \
  X(GdipGetImageHeight, Status, (void*, UINT*))                                                              \
  X(GdipGetImageRawFormat, Status, (void*, GUID*))                                                           \
  X(GdipGetImageType, Status, (void*, INT*))                                                                 \
  X(GdipGetImageGraphicsContext, Status, (void*, void**))                                                    \
  X(GdipImageGetFrameDimensionsCount, Status, (void*, UINT*))                                                \
  X(GdipImageGetFrameDimensionsList, Status, (void*, GUID*, UINT))                                           \
  X(GdipImageGetFrameCount, Status, (void*, const GUID*, UINT*))                                             \
  X(GdipImageSelectActiveFrame, Status, (void*, const GUID*, UINT))                                          \
  X(GdipGetPropertyItemSize, Status, (void*, UINT, UINT*))                                                   \
  X(GdipGetPropertyItem, Status, (void*, UINT, UINT, TdxGpPropertyItem*))                                    \
  X(GdipCreateFromHDC, Status, (HDC, void**))                                                                \
  X(GdipDeleteGraphics, Status, (void*))                                                                     \
  X(GdipGetDC, Status, (void*, HDC*))                                                                        \
  X(GdipReleaseDC, Status, (void*, HDC))                                                                     \
  X(GdipGraphicsClear, Status, (void*, TdxAlphaColor))                                                       \
  X(GdipGetDpiX, Status, (void*, float*))                                                                    \
  X(GdipGetDpiY, Status, (void*, float*))                                                                    \
  X(GdipGetInterpolationMode, Status, (void*, INT*))                                                         \
  X(GdipSetInterpolationMode, Status, (void*, INT))                                                          \
  X(GdipGetSmoothingMode, Status, (void*, INT*))                                                             \
  X(GdipSetSmoothingMode, Status, (void*, INT))                                                              \
  X(GdipSetClipRect, Status, (void*, float, float, float, float, INT))                                       \
  X(GdipSetClipPath, Status, (void*, void*, INT))                                                            \
  X(GdipSetClipRegion, Status, (void*, void*, INT))                                                          \
  X(GdipSetClipHrgn, Status, (void*, HRGN, INT))                                                             \
  X(GdipGetClip, Status, (void*, void*))                                                                     \
  X(GdipIsClipEmpty, Status, (void*, BOOL*))                                                                 \
  X(GdipIsVisibleRect, Status, (void*, float, float, float, float, BOOL*))                                   \
  X(GdipIsVisibleRectI, Status, (void*, INT, INT, INT, INT, BOOL*))                                          \
  X(GdipGetWorldTransform, Status, (void*, void*))                                                           \
  X(GdipSetWorldTransform, Status, (void*, void*))                                                           \
  X(GdipResetWorldTransform, Status, (void*))                                                                \
  X(GdipMultiplyWorldTransform, Status, (void*, void*, INT))                                                 \
  X(GdipTranslateWorldTransform, Status, (void*, float, float, INT))                                         \
  X(GdipScaleWorldTransform, Status, (void*, float, float, INT))                                             \
  X(GdipRotateWorldTransform, Status, (void*, float, INT))                                                   \
  X(GdipDrawLine, Status, (void*, void*, float, float, float, float))                                        \
  X(GdipDrawLineI, Status, (void*, void*, INT, INT, INT, INT))                                               \
  X(GdipDrawLines, Status, (void*, void*, const TdxGpPointF*, INT))                                          \
  X(GdipDrawLinesI, Status, (void*, void*, const POINT*, INT))                                               \
  X(GdipDrawArc, Status, (void*, void*, float, float, float, float, float, float))                           \
  X(GdipDrawRectangle, Status, (void*, void*, float, float, float, float))                                   \
  X(GdipDrawEllipse, Status, (void*, void*, float, float, float, float))                                     \
  X(GdipDrawPie, Status, (void*, void*, float, float, float, float, float, float))                           \
  X(GdipDrawPolygon, Status, (void*, void*, const TdxGpPointF*, INT))                                        \
  X(GdipDrawPolygonI, Status, (void*, void*, const POINT*, INT))                                             \
  X(GdipDrawPath, Status, (void*, void*, void*))                                                             \
  X(GdipFillRectangle, Status, (void*, void*, float, float, float, float))                                   \
  X(GdipFillRectangleI, Status, (void*, void*, INT, INT, INT, INT))                                          \
  X(GdipFillEllipse, Status, (void*, void*, float, float, float, float))                                     \
  X(GdipFillPie, Status, (void*, void*, float, float, float, float, float, float))                           \
  X(GdipFillPolygon, Status, (void*, void*, const TdxGpPointF*, INT, INT))                                   \
  X(GdipFillPolygonI, Status, (void*, void*, const POINT*, INT, INT))                                        \
  X(GdipFillPath, Status, (void*, void*, void*))                                                             \
  X(GdipFillRegion, Status, (void*, void*, void*))                                                           \
  X(GdipDrawImageRectI, Status, (void*, void*, INT, INT, INT, INT))                                          \
  X(GdipDrawImageRectRect, Status,                                                                           \
    (void*, void*, float, float, float, float, float, float, float, float, INT, void*, void*, void*))        \
  X(GdipDrawImageRectRectI, Status,                                                                          \
    (void*, void*, INT, INT, INT, INT, INT, INT, INT, INT, INT, void*, void*, void*))                        \
  X(GdipDrawString, Status, (void*, const wchar_t*, INT, void*, const TdxGpRectF*, void*, void*))           \
  X(GdipMeasureString, Status,                                                                               \
    (void*, const wchar_t*, INT, void*, const TdxGpRectF*, void*, TdxGpRectF*, INT*, INT*))                  \
  X(GdipMeasureCharacterRanges, Status,                                                                      \
    (void*, const wchar_t*, INT, void*, const TdxGpRectF*, void*, INT, void**))                              \
  X(GdipCreateSolidFill, Status, (TdxAlphaColor, void**))                                                    \
  X(GdipSetSolidFillColor, Status, (void*, TdxAlphaColor))                                                   \
  X(GdipCreateLineBrushFromRect, Status,                                                                     \
    (const TdxGpRectF*, TdxAlphaColor, TdxAlphaColor, INT, INT, void**))                                     \
  X(GdipSetLinePresetBlend, Status, (void*, const TdxAlphaColor*, const float*, INT))                        \
  X(GdipCreateTexture, Status, (void*, INT, void**))                                                         \
  X(GdipCreateTexture2I, Status, (void*, INT, INT, INT, INT, INT, void**))                                   \
  X(GdipResetTextureTransform, Status, (void*))                                                              \
  X(GdipTranslateTextureTransform, Status, (void*, float, float, INT))                                       \
  X(GdipDeleteBrush, Status, (void*))                                                                        \
  X(GdipCreatePen1, Status, (TdxAlphaColor, float, INT, void**))                                             \
  X(GdipCreatePen2, Status, (void*, float, INT, void**))                                                     \
  X(GdipSetPenWidth, Status, (void*, float))                                                                 \
  X(GdipSetPenDashStyle, Status, (void*, INT))                                                               \
  X(GdipSetPenBrushFill, Status, (void*, void*))                                                             \
  X(GdipDeletePen, Status, (void*))                                                                          \
  X(GdipCreateMatrix, Status, (void**))                                                                      \
  X(GdipDeleteMatrix, Status, (void*))                                                                       \
  X(GdipGetMatrixElements, Status, (void*, float*))                                                          \
  X(GdipSetMatrixElements, Status, (void*, float, float, float, float, float, float))                        \
  X(GdipInvertMatrix, Status, (void*))                                                                       \
  X(GdipMultiplyMatrix, Status, (void*, void*, INT))                                                         \
  X(GdipRotateMatrix, Status, (void*, float, INT))                                                           \
  X(GdipScaleMatrix, Status, (void*, float, float, INT))                                                     \
  X(GdipShearMatrix, Status, (void*, float, float, INT))                                                     \
  X(GdipTranslateMatrix, Status, (void*, float, float, INT))                                                 \
  X(GdipIsMatrixIdentity, Status, (void*, BOOL*))                                                            \
  X(GdipIsMatrixInvertible, Status, (void*, BOOL*))                                                          \
  X(GdipCreatePath, Status, (INT, void**))                                                                   \
  X(GdipCreatePath2, Status, (const TdxGpPointF*, const BYTE*, INT, INT, void**))                            \
  X(GdipDeletePath, Status, (void*))                                                                         \
  X(GdipStartPathFigure, Status, (void*))                                                                    \
  X(GdipClosePathFigure, Status, (void*))                                                                    \
  X(GdipResetPath, Status, (void*))                                                                          \
  X(GdipFlattenPath, Status, (void*, void*, float))                                                          \
  X(GdipAddPathArc, Status, (void*, float, float, float, float, float, float))                               \
  X(GdipAddPathPie, Status, (void*, float, float, float, float, float, float))                               \
  X(GdipAddPathLine, Status, (void*, float, float, float, float))                                            \
  X(GdipAddPathEllipse, Status, (void*, float, float, float, float))                                         \
  X(GdipAddPathEllipseI, Status, (void*, INT, INT, INT, INT))                                                \
  X(GdipAddPathRectangle, Status, (void*, float, float, float, float))                                       \
  X(GdipAddPathRectangleI, Status, (void*, INT, INT, INT, INT))                                              \
  X(GdipAddPathPolygonI, Status, (void*, const POINT*, INT))                                                 \
  X(GdipAddPathLine2I, Status, (void*, const POINT*, INT))                                                   \
  X(GdipAddPathStringI, Status,                                                                              \
    (void*, const wchar_t*, INT, void*, INT, float, const TdxGpRect*, void*))                                \
  X(GdipGetPathWorldBounds, Status, (void*, TdxGpRectF*, void*, void*))                                      \
  X(GdipIsVisiblePathPoint, Status, (void*, float, float, void*, BOOL*))                                     \
  X(GdipIsOutlineVisiblePathPoint, Status, (void*, float, float, void*, void*, BOOL*))                       \
  X(GdipCreateRegion, Status, (void**))                                                                      \
  X(GdipCreateRegionPath, Status, (void*, void**))                                                           \
  X(GdipCreateRegionRect, Status, (const TdxGpRectF*, void**))                                               \
  X(GdipCreateRegionRectI, Status, (const TdxGpRect*, void**))                                               \
  X(GdipCombineRegionRect, Status, (void*, const TdxGpRectF*, INT))                                          \
  X(GdipCombineRegionRectI, Status, (void*, const TdxGpRect*, INT))                                          \
  X(GdipDeleteRegion, Status, (void*))                                                                       \
  X(GdipCreateStringFormat, Status, (INT, LANGID, void**))                                                   \
  X(GdipCloneStringFormat, Status, (void*, void**))                                                          \
  X(GdipDeleteStringFormat, Status, (void*))                                                                 \
  X(GdipGetStringFormatAlign, Status, (void*, INT*))                                                         \
  X(GdipSetStringFormatAlign, Status, (void*, INT))                                                          \
  X(GdipGetStringFormatLineAlign, Status, (void*, INT*))                                                     \
  X(GdipSetStringFormatLineAlign, Status, (void*, INT))                                                      \
  X(GdipGetStringFormatFlags, Status, (void*, INT*))                                                         \
  X(GdipSetStringFormatFlags, Status, (void*, INT))                                                          \
  X(GdipGetStringFormatHotkeyPrefix, Status, (void*, INT*))                                                  \
  X(GdipSetStringFormatHotkeyPrefix, Status, (void*, INT))                                                   \
  X(GdipGetStringFormatTrimming, Status, (void*, INT*))                                                      \
  X(GdipSetStringFormatTrimming, Status, (void*, INT))                                                       \
  X(GdipSetStringFormatTabStops, Status, (void*, float, INT, const float*))                                  \
  X(GdipGetStringFormatTabStopCount, Status, (void*, INT*))                                                  \
  X(GdipGetStringFormatTabStops, Status, (void*, INT, float*, float*))                                       \
  X(GdipSetStringFormatDigitSubstitution, Status, (void*, LANGID, INT))                                      \
  X(GdipGetStringFormatDigitSubstitution, Status, (void*, LANGID*, INT*))                                    \
  X(GdipGetStringFormatMeasurableCharacterRangeCount, Status, (void*, INT*))                                 \
  X(GdipSetStringFormatMeasurableCharacterRanges, Status, (void*, INT, const TdxGpCharacterRange*))          \
  X(GdipCreateFontFamilyFromName, Status, (const wchar_t*, void*, void**))                                   \
  X(GdipCloneFontFamily, Status, (void*, void**))                                                            \
  X(GdipDeleteFontFamily, Status, (void*))                                                                   \
  X(GdipGetFamilyName, Status, (void*, wchar_t*, LANGID))                                                    \
  X(GdipGetCellAscent, Status, (void*, INT, UINT16*))                                                        \
  X(GdipGetCellDescent, Status, (void*, INT, UINT16*))                                                       \
  X(GdipGetEmHeight, Status, (void*, INT, UINT16*))                                                          \
  X(GdipGetLineSpacing, Status, (void*, INT, UINT16*))                                                       \
  X(GdipIsStyleAvailable, Status, (void*, INT, BOOL*))                                                       \
  X(GdipCreateFont, Status, (void*, float, INT, INT, void**))                                                \
  X(GdipCreateFontFromDC, Status, (HDC, void**))                                                             \
  X(GdipCreateFontFromLogfontW, Status, (HDC, const LOGFONTW*, void**))                                      \
  X(GdipCloneFont, Status, (void*, void**))                                                                  \
  X(GdipDeleteFont, Status, (void*))                                                                         \
  X(GdipGetFontSize, Status, (void*, float*))                                                                \
  X(GdipGetFontStyle, Status, (void*, INT*))                                                                 \
  X(GdipGetFontUnit, Status, (void*, INT*))                                                                  \
  X(GdipGetFamily, Status, (void*, void**))                                                                  \
  X(GdipGetFontHeight, Status, (void*, void*, float*))                                                       \
  X(GdipGetFontHeightGivenDPI, Status, (void*, float, float*))                                               \
  X(GdipGetLogFontW, Status, (void*, void*, LOGFONTW*))                                                      \
  X(GdipCreateImageAttributes, Status, (void**))                                                             \
  X(GdipCloneImageAttributes, Status, (void*, void**))                                                       \
  X(GdipDisposeImageAttributes, Status, (void*))                                                             \
  X(GdipSetImageAttributesColorMatrix, Status,                                                               \
    (void*, INT, BOOL, const TdxGpColorMatrix*, const TdxGpColorMatrix*, INT))                               \
  X(GdipSetImageAttributesColorKeys, Status, (void*, INT, BOOL, TdxAlphaColor, TdxAlphaColor))               \
  X(GdipSetImageAttributesGamma, Status, (void*, INT, BOOL, float))                                          \
  X(GdipSetImageAttributesNoOp, Status, (void*, INT, BOOL))                                                  \
  X(GdipSetImageAttributesOutputChannel, Status, (void*, INT, BOOL, INT))                                    \
  X(GdipSetImageAttributesOutputChannelColorProfile, Status, (void*, INT, BOOL, const wchar_t*))             \
  X(GdipSetImageAttributesRemapTable, Status, (void*, INT, BOOL, UINT, const TGpColorMap*))                  \
  X(GdipSetImageAttributesThreshold, Status, (void*, INT, BOOL, float))                                      \
  X(GdipSetImageAttributesWrapMode, Status, (void*, INT, TdxAlphaColor, BOOL))                               \
  X(GdipGetImageAttributesAdjustedPalette, Status, (void*, TGpColorPalette*, INT))

#define DX_GDIPLUS_DECLARE(Name, Result, Arguments) \
  using T##Name = Result(WINAPI*) Arguments;         \
  extern T##Name Name;
DX_GDIPLUS_ENTRY_POINTS(DX_GDIPLUS_DECLARE)
#undef DX_GDIPLUS_DECLARE

// ---------------------------------------------------------------- binding

// A name to look up and the pointer that receives its address.
struct TdxProcBinding {
  const char* Name;
  void** Address;
};

// Binds the names in table order, all or nothing: once one is missing, it
// and every later pointer are nil. True when every name bound.
bool dxBindProcedures(HMODULE ALibrary, const TdxProcBinding* ABindings, size_t ACount);

// The library file GDI+ is loaded from; tests point it elsewhere.
extern const wchar_t* dxGdiPlusLibraryName;

// Loads, binds and starts GDI+ unless that has been done.
void dxLoadGdiPlusEntryPoints();
// Whether GDI+ is usable, loading it first when needed. With
// AShowErrorOnFailure a failure shows the error box and halts the program.
bool dxEnsureGdiPlus(bool AShowErrorOnFailure = false);
bool dxGdiPlusLoaded();
// Shuts GDI+ down and frees the library.
void dxUnloadGdiPlus();

// ---------------------------------------------------------------- errors

class EdxGdipException : public EdxException {
public:
  explicit EdxGdipException(Status AStatus);
  const wchar_t* ClassName() const override { return L"EdxGdipException"; }
  Status GetStatus() const { return FStatus; }

private:
  Status FStatus;
};

extern TResStringRec sdxGdipInvalidOperation;       // "... (Code: %d)"
extern TResStringRec sdxGdipInvalidOperationWin32;  // "... (Win32 error code: %d)"

// Raises EdxGdipException unless AStatus is Ok.
void dxCheckGpStatus(Status AStatus);

// ---------------------------------------------------------------- wrapper base

// The base of every wrapper GDI+ may see: while GDI+ is loaded an instance
// lives in GDI+'s own memory. The choice is kept per instance, so an object
// made before GDI+ was loaded goes back to the default allocator.
class TdxGpBase : public TObject {
  VCL_CLASS(TdxGpBase, TObject)
public:
  TdxGpBase() = default;
  static void* operator new(size_t ASize);
  static void operator delete(void* P);
  bool IsGpUsed() const;
};

// ---------------------------------------------------------------- bitmaps and codecs

// A new 32-bit premultiplied GDI+ bitmap; the caller owns it.
void* dxGpCreateBitmap(int AWidth, int AHeight);
void* dxGpCreateBitmap(const TSize& ASize);
void* dxGpCreateBitmapOfRect(const TRect& R);

// The CLSID of the encoder (decoder) whose MIME type equals AMimeType,
// ignoring ASCII case; GenericError when there is none.
Status dxGpGetEncoderClsid(const String& AMimeType, CLSID& AClsid);
Status dxGpGetDecoderClsid(const String& AMimeType, CLSID& AClsid);

// The codecs the images use, filled by dxGpPrepareImageCodecs; a codec GDI+
// lacks stays all zero (PNG must exist).
struct TdxGpImageCodecs {
  CLSID BmpEncoder, BmpDecoder, GifEncoder, GifDecoder, JpegEncoder, JpegDecoder;
  CLSID PngEncoder, PngDecoder, TiffEncoder, TiffDecoder;
  CLSID EmfDecoder, WmfDecoder, IconDecoder;
};
extern TdxGpImageCodecs dxGpImageCodecs;
bool dxGpIsCodecEmpty(const CLSID& AClsid);
void dxGpPrepareImageCodecs();

// Registers the binding with the units loader; its shut-down unloads GDI+.
extern const TUnitEntry dxGdiPlusApiUnit;
