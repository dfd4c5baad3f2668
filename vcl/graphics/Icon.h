#pragma once
// TIcon: an icon handle, loaded from an icon group resource or an .ico
// stream, drawn at any size.
#include "vcl/graphics/Graphic.h"

struct HICON__;
struct HINSTANCE__;

class TIcon : public TGraphic {
  VCL_CREATABLE_CLASS(TIcon, TGraphic)
public:
  TIcon() = default;
  ~TIcon() override;

  bool Empty() const override { return FHandle == nullptr; }
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  // An icon keeps the size it was made with: these raise
  // EInvalidGraphicOperation.
  void SetWidth(int Value) override;
  void SetHeight(int Value) override;

  HICON__* Handle() const { return FHandle; }
  // Takes ownership of Value.
  void SetHandle(HICON__* Value);
  // Gives up ownership: the caller destroys the handle.
  HICON__* ReleaseHandle();

  // The first image of the icon group resource ResName of Instance;
  // EResNotFound when there is none.
  void LoadFromResourceName(HINSTANCE__* Instance, const String& ResName);
  // The .ico format: loading takes the directory's first image, saving
  // writes one 32-bit image.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) const override;

  void Assign(TPersistent* Source) override;

protected:
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;

private:
  HICON__* FHandle = nullptr;
  int FWidth = 0;
  int FHeight = 0;
};
