#pragma once
// Frames that are not a camera's: a small uncompressed AVI of known 32-bit
// pixels, played by the platform's file source into the camera's own graph
// (grabber and null renderer, or the AVI multiplexer when recording).
#include <cstdint>
#include <vector>

#include "components/editors-rich/dxCameraControl.h"

// Frame pixel (x, y), y counted from the top.
inline uint32_t KnownFramePixel(int X, int Y) {
  return 0xFF000000u | (X == 0 ? 0x0000FFu : 0x00FF00u) | (static_cast<uint32_t>(Y * 40) << 16);
}
constexpr int KnownFrameWidth = 8;
constexpr int KnownFrameHeight = 6;

// An AVI of AFrames frames of KnownFramePixel at 10 frames a second.
void WriteKnownAvi(const String& AFileName, int AFrames);

// A camera whose source is the file source over an AVI file.
class TFileSourceCamera : public TdxCamera {
public:
  explicit TFileSourceCamera(const String& AFileName) : TdxCamera(nullptr), FFileName(AFileName) {}
  // Sends the graph's own event, as a capture filter does when unplugged.
  void NotifyGraphEvent(long ACode, LONG_PTR AParam);

protected:
  bool AddCaptureFilter(int ADeviceIndex) override;
  HRESULT RenderCaptureStream(IBaseFilter* ASink) override;

private:
  String FFileName;
};
