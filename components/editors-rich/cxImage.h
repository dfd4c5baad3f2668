#pragma once
// The image editor's picture values: the graphic classes a picture may be
// loaded as, the blob form of a picture (its graphic's own stream) and the
// zoom settings.
#include <vector>

#include "components/core/dxCore.h"
#include "vcl/graphics/Graphic.h"
#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/UnitStartup.h"
#include "vcl/rtl/Variants.h"

// TBitmap, TIcon, TMetafile, then the PNG and smart images where they are
// registered; made on first use, freed at shut-down.
const std::vector<TGraphicClass>& cxGraphicClassList();
// The listed class of this name, ignoring case; null when none.
TGraphicClass cxFindGraphicClass(const String& AName);

// A string or one-dimensional array loads into the picture as AGraphicClass
// (the picture's bitmap when null), skipping the 8-byte header {1, 0x0100,
// length - 8} where it is present; an empty value or any other kind of
// value clears the picture. Data that cannot be read raises
// EInvalidGraphic with the reason and leaves the picture as it was: a
// posted blob must never lose the stored image.
void cxLoadPictureFromBlob(TPicture* APicture, TGraphicClass AGraphicClass, const Variant& AValue);
// The graphic's stream as a byte string; empty without a graphic.
Variant cxSavePictureToBlob(TPicture* APicture);

// The picture's graphic onto the clipboard (nothing without one).
void cxCopyPictureToClipboard(TPicture* APicture);
// The clipboard's picture as AGraphicClass (a bitmap when null); a
// clipboard without a picture that class reads raises EInvalidGraphic and
// leaves the picture as it was.
void cxPastePictureFromClipboard(TPicture* APicture, TGraphicClass AGraphicClass);

class TcxImageZoomingOptions : public TPersistent {
  VCL_CLASS(TcxImageZoomingOptions, TPersistent)
public:
  int MaxZoom() const { return FMaxZoom; }
  // At least 100; pulls ZoomPercent down to it.
  void SetMaxZoom(int AValue);
  int MinZoom() const { return FMinZoom; }
  // Within 0..100; pulls ZoomPercent up to it.
  void SetMinZoom(int AValue);
  int ZoomPercent() const { return FZoomPercent; }
  // Within MinZoom..MaxZoom.
  void SetZoomPercent(int AValue);
  bool ShowZoomTrackBar() const { return FShowZoomTrackBar; }
  void SetShowZoomTrackBar(bool AValue);
  void Assign(TPersistent* ASource) override;

  // The zoom bar's steps below and above 100 %.
  int LowerLineSize() const;
  int UpperLineSize() const;
  // One step in or out; a step never passes 100 % on the way.
  void ZoomIn();
  void ZoomOut();

  TNotifyEvent OnChanged;

protected:
  virtual void Changed();

private:
  int FMaxZoom = 500;
  int FMinZoom = 0;
  int FZoomPercent = 100;
  bool FShowZoomTrackBar = false;
};

// Frees the graphic-class list at shut-down.
extern const TUnitEntry cxImageUnit;
