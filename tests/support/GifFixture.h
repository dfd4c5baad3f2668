#pragma once
// GIF files written byte by byte for tests of image loading and animation,
// and memory streams of any bytes.
#include <memory>
#include <string>

#include "vcl/rtl/Streams.h"

// A GIF of 1 x 1 frames coloured red, green, blue in turn, each shown
// ADelay hundredths of a second; ALoopCount < 0 writes no loop count.
std::string AnimatedGif(int AFrames, int ALoopCount, int ADelay = 10);
// A stream of the bytes, positioned at their start.
std::unique_ptr<TMemoryStream> StreamOf(const std::string& ABytes);
