#include "tests/editors-rich/CameraFixture.h"

#include <gtest/gtest.h>
#include <dshow.h>

#include <cstdio>
#include <filesystem>

namespace {

struct TRiffWriter {
  std::vector<uint8_t> Bytes;
  void U16(uint16_t V) { Bytes.insert(Bytes.end(), {uint8_t(V), uint8_t(V >> 8)}); }
  void U32(uint32_t V) { U16(uint16_t(V)), U16(uint16_t(V >> 16)); }
  void FourCC(const char* S) { Bytes.insert(Bytes.end(), S, S + 4); }
  void Chunk(const char* AId, const std::vector<uint8_t>& AData) {
    FourCC(AId);
    U32(static_cast<uint32_t>(AData.size()));
    Bytes.insert(Bytes.end(), AData.begin(), AData.end());
  }
  void List(const char* AType, const std::vector<uint8_t>& AData) {
    FourCC("LIST");
    U32(static_cast<uint32_t>(AData.size() + 4));
    FourCC(AType);
    Bytes.insert(Bytes.end(), AData.begin(), AData.end());
  }
};

}  // namespace

void WriteKnownAvi(const String& AFileName, int AFrames) {
  const int w = KnownFrameWidth, h = KnownFrameHeight;
  const uint32_t frameSize = w * h * 4;
  TRiffWriter avih;
  for (uint32_t v : {100000u, frameSize * 10, 0u, 0x10u, uint32_t(AFrames), 0u, 1u, frameSize, uint32_t(w),
                     uint32_t(h), 0u, 0u, 0u, 0u})
    avih.U32(v);
  TRiffWriter strh;
  strh.FourCC("vids");
  strh.U32(0);  // handler: uncompressed
  for (uint32_t v : {0u, 0u, 1u, 10u, 0u, uint32_t(AFrames), frameSize, 0xFFFFFFFFu, 0u}) strh.U32(v);
  strh.U16(0), strh.U16(0), strh.U16(uint16_t(w)), strh.U16(uint16_t(h));
  TRiffWriter strf;  // BITMAPINFOHEADER, 32 bits, BI_RGB
  strf.U32(40), strf.U32(w), strf.U32(h), strf.U16(1), strf.U16(32);
  for (uint32_t v : {0u, frameSize, 0u, 0u, 0u, 0u}) strf.U32(v);
  TRiffWriter strl;
  strl.Chunk("strh", strh.Bytes);
  strl.Chunk("strf", strf.Bytes);
  TRiffWriter hdrl;
  hdrl.Chunk("avih", avih.Bytes);
  hdrl.List("strl", strl.Bytes);

  TRiffWriter frame;  // bottom row first
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; ++x) frame.U32(KnownFramePixel(x, y));
  TRiffWriter movi, idx1;
  for (int i = 0; i < AFrames; ++i) {
    idx1.FourCC("00db"), idx1.U32(0x10), idx1.U32(static_cast<uint32_t>(movi.Bytes.size() + 4)), idx1.U32(frameSize);
    movi.Chunk("00db", frame.Bytes);
  }
  TRiffWriter body;
  body.FourCC("AVI ");
  body.List("hdrl", hdrl.Bytes);
  body.List("movi", movi.Bytes);
  body.Chunk("idx1", idx1.Bytes);
  TRiffWriter file;
  file.Chunk("RIFF", body.Bytes);
  FILE* out = _wfopen(AFileName.c_str(), L"wb");
  ASSERT_TRUE(out);
  fwrite(file.Bytes.data(), 1, file.Bytes.size(), out);
  fclose(out);
}

bool TFileSourceCamera::AddCaptureFilter(int) {
  IBaseFilter* source = nullptr;
  const String path = std::filesystem::absolute(FFileName).wstring();
  if (FAILED(FGraph->AddSourceFilter(path.c_str(), L"Video Capture", &source))) return false;
  FCameraFilter = TInterfaceRef<IBaseFilter>::Adopt(source);
  FDeviceName = L"File source";
  return true;
}

// A file source has no capture pin: its stream is rendered as it comes.
HRESULT TFileSourceCamera::RenderCaptureStream(IBaseFilter* ASink) {
  return FBuilder->RenderStream(nullptr, nullptr, FCameraFilter.Get(), FGrabberFilter.Get(), ASink);
}

void TFileSourceCamera::NotifyGraphEvent(long ACode, LONG_PTR AParam) {
  IMediaEventSink* sink = nullptr;
  ASSERT_EQ(S_OK, FGraph->QueryInterface(IID_IMediaEventSink, reinterpret_cast<void**>(&sink)));
  sink->Notify(ACode, AParam, 0);
  sink->Release();
}
