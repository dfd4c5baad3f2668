#pragma once
// Pictures for skin tests.
#include <memory>

#include "components/core/dxGdiPlusClasses.h"
#include "vcl/rtl/Streams.h"

// An image of the size in one colour, encoded as AFormat and read back, as
// a picture file would be.
inline std::unique_ptr<TdxSmartImage> SolidImage(int AWidth, int AHeight, TdxAlphaColor AColor,
                                                 TdxImageDataFormat AFormat = dxImagePng) {
  TdxGPImage pixels(AWidth, AHeight, AColor);
  TMemoryStream encoded;
  pixels.SaveToStreamByCodec(&encoded, AFormat);
  encoded.SetPosition(0);
  auto image = std::make_unique<TdxSmartImage>();
  image->LoadFromStream(&encoded);
  return image;
}
