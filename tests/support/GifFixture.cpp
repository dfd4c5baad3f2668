#include "tests/support/GifFixture.h"

std::string AnimatedGif(int AFrames, int ALoopCount, int ADelay) {
  std::string gif = "GIF89a";
  gif += std::string("\x01\x00\x01\x00\xF1\x00\x00", 7);
  gif += std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF\xFF\xFF\xFF", 12);  // red, green, blue, white
  if (ALoopCount >= 0) {
    gif += std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
    gif += static_cast<char>(ALoopCount & 0xFF);
    gif += static_cast<char>(ALoopCount >> 8);
    gif += '\0';
  }
  for (int frame = 0; frame < AFrames; ++frame) {
    gif += std::string("\x21\xF9\x04\x00", 4);
    gif += static_cast<char>(ADelay & 0xFF);
    gif += static_cast<char>(ADelay >> 8);
    gif += std::string("\x00\x00", 2);
    gif += std::string("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
    // LZW with 2-bit codes: clear, the colour index, end.
    gif += std::string("\x02\x02", 2);
    gif += static_cast<char>(0x44 | (frame % 3) << 3);
    gif += std::string("\x01\x00", 2);
  }
  gif += ';';
  return gif;
}

std::unique_ptr<TMemoryStream> StreamOf(const std::string& ABytes) {
  auto stream = std::make_unique<TMemoryStream>();
  stream->WriteBuffer(ABytes.data(), static_cast<int64_t>(ABytes.size()));
  stream->SetPosition(0);
  return stream;
}
