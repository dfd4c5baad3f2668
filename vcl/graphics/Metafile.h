#pragma once
// TMetafile: a picture recorded as drawing commands, held as an enhanced
// metafile of the platform and read and written as an enhanced metafile
// (.emf) or as a placeable Windows metafile (.wmf); TMetafileCanvas records
// into one.
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/Graphic.h"

struct HENHMETAFILE__;

class TMetafile : public TGraphic {
  VCL_CREATABLE_CLASS(TMetafile, TGraphic)
public:
  TMetafile() = default;
  ~TMetafile() override;

  bool Empty() const override { return !FHandle; }
  // In screen pixels; the metafile keeps its size in 0.01 mm.
  int Width() const override;
  int Height() const override;
  void SetWidth(int Value) override;
  void SetHeight(int Value) override;
  int MMWidth() const { return FMMWidth; }
  int MMHeight() const { return FMMHeight; }
  void SetMMWidth(int Value) { FMMWidth = Value; }
  void SetMMHeight(int Value) { FMMHeight = Value; }

  // Which format SaveToStream writes: an enhanced metafile (at first) or a
  // placeable Windows metafile.
  bool Enhanced() const { return FEnhanced; }
  void SetEnhanced(bool Value) { FEnhanced = Value; }
  // Units per inch of a Windows metafile's placeable header (96 unless one
  // was read).
  int Inch() const { return FInch; }

  HENHMETAFILE__* Handle() const { return FHandle; }
  // Takes over AHandle; the size comes from its frame.
  void SetHandle(HENHMETAFILE__* AHandle);
  void Clear();

  // Either format, told apart by its header; anything else raises
  // EInvalidGraphic "Invalid metafile" and leaves the metafile as it was.
  void LoadFromStream(TStream* AStream) override;
  void SaveToStream(TStream* AStream) const override;
  void Assign(TPersistent* ASource) override;

protected:
  void Draw(TCanvas* ACanvas, const TRect& ARect) override;

private:
  void ReadEnhanced(TStream* AStream);
  void ReadPlaceable(TStream* AStream);
  void WriteEnhanced(TStream* AStream) const;
  void WritePlaceable(TStream* AStream) const;
  void TakeHandle(HENHMETAFILE__* AHandle, int AMMWidth, int AMMHeight);

  HENHMETAFILE__* FHandle = nullptr;
  int FMMWidth = 0;
  int FMMHeight = 0;
  int FInch = 96;
  bool FEnhanced = true;
};

// Records what is drawn on it into AMetafile, which receives the recording
// when the canvas is destroyed. The metafile's size (when set) is the
// recording's frame; the reference device is the screen unless given.
class TMetafileCanvas : public TCanvas {
  VCL_CLASS(TMetafileCanvas, TCanvas)
public:
  TMetafileCanvas(TMetafile* AMetafile, HDC__* AReferenceDevice);
  ~TMetafileCanvas() override;

private:
  TMetafile* FMetafile;
};
