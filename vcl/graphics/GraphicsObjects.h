#pragma once
// The drawing tools: fonts, brushes and pens. Each keeps its attributes and
// makes its GDI object on first use; a change drops the object and tells
// OnChange, so that whoever selected or sent the old one can take the new.
#include "vcl/graphics/Colors.h"
#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/Sets.h"
#include "vcl/rtl/Strings.h"

struct HFONT__;
struct HBRUSH__;
struct HPEN__;
struct HGDIOBJ__;

class TGraphicsObject : public TPersistent {
  VCL_CLASS(TGraphicsObject, TPersistent)
public:
  ~TGraphicsObject() override;
  TNotifyEvent OnChange;
  bool HandleAllocated() const { return FHandle != nullptr; }

protected:
  TGraphicsObject() = default;
  // Makes the GDI object of the current attributes.
  virtual void* CreateHandle() const = 0;
  void* GetHandle() const;
  // Tells OnChange, then deletes the old object: a listener deselects or
  // replaces it first.
  void Changed();
  // Takes over AHandle (made elsewhere) as the object of these attributes;
  // the old one goes as in Changed.
  void TakeHandle(void* AHandle);

private:
  mutable void* FHandle = nullptr;
};

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using enum TFontStyle;
using TFontStyles = TSet<TFontStyle>;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };
using enum TFontPitch;
enum class TFontQuality { fqDefault, fqDraft, fqProof, fqNonAntialiased, fqAntialiased,
                          fqClearType, fqClearTypeNatural };
using enum TFontQuality;

class TFont : public TGraphicsObject {
  VCL_CREATABLE_CLASS(TFont, TGraphicsObject)
public:
  TFont();
  HFONT__* Handle() const { return static_cast<HFONT__*>(GetHandle()); }
  // Takes over a font made elsewhere; the attributes are read from it.
  void SetHandle(HFONT__* Value);

  const String& Name() const { return FName; }
  void SetName(const String& Value);
  // Height in pixels: negative for the character height, as the platform's
  // LOGFONT; Size in points at PixelsPerInch.
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  int Size() const;
  void SetSize(int Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch Value);
  uint8_t Charset() const { return FCharset; }
  void SetCharset(uint8_t Value);
  TFontQuality Quality() const { return FQuality; }
  void SetQuality(TFontQuality Value);
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }
  // The angle of the text's base line, in tenths of a degree
  // counter-clockwise.
  int Orientation() const { return FOrientation; }
  void SetOrientation(int Value);

  void Assign(TPersistent* Source) override;

private:
  void* CreateHandle() const override;
  String FName;
  int FHeight;
  int FPixelsPerInch = 96;
  TColor FColor = clWindowText;
  TFontStyles FStyle;
  TFontPitch FPitch = fpDefault;
  uint8_t FCharset = 1;  // DEFAULT_CHARSET
  TFontQuality FQuality = fqDefault;
  int FOrientation = 0;
};

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal,
                         bsCross, bsDiagCross };
using enum TBrushStyle;

class TBrush : public TGraphicsObject {
  VCL_CREATABLE_CLASS(TBrush, TGraphicsObject)
public:
  TBrush() = default;
  HBRUSH__* Handle() const { return static_cast<HBRUSH__*>(GetHandle()); }
  // Takes over a brush made elsewhere (a system colour brush, a pattern
  // brush); colour and style are read from it, a pattern counts as solid.
  void SetHandle(HBRUSH__* Value);
  TColor Color() const { return FColor; }
  // Setting a colour makes a clear brush solid; clNone makes it clear.
  void SetColor(TColor Value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);
  void Assign(TPersistent* Source) override;

private:
  void* CreateHandle() const override;
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
using enum TPenStyle;
// How the pen's colour mixes with the screen's (the binary raster
// operations of the platform, R2_BLACK .. R2_WHITE, in this order).
enum class TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
                      pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor,
                      pmNotXor };
using enum TPenMode;
// The platform's binary raster operation of a pen mode.
int PenModeToROP2(TPenMode AMode);

class TPen : public TGraphicsObject {
  VCL_CREATABLE_CLASS(TPen, TGraphicsObject)
public:
  TPen() = default;
  HPEN__* Handle() const { return static_cast<HPEN__*>(GetHandle()); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  // Applied to a context with the pen (SetROP2); pmCopy at first.
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode Value);
  void Assign(TPersistent* Source) override;

private:
  void* CreateHandle() const override;
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
};

// The font new controls and canvases start with: "Tahoma", 8 points.
extern const wchar_t* const DefFontName;
constexpr int DefFontHeight = -11;
