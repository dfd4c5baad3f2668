// The frames of an animated image played on the library's shared timer once
// the drawing unit has started.
#include <gtest/gtest.h>

#include <set>

#include "components/core/dxGdiPlusClasses.h"
#include "tests/support/GifFixture.h"
#include "tests/support/MessagePump.h"

namespace {

TEST(dxImageAnimationController, FramesAdvanceOnTheSharedTimerAndLoopAsTheImageSays) {
  TdxGPImage looping(StreamOf(AnimatedGif(3, 0, 2)).get());
  looping.StartAnimation();
  EXPECT_TRUE(looping.Animation());
  std::set<uint32_t> shown;
  int wraps = 0;
  uint32_t last = looping.ActiveFrame();
  EXPECT_TRUE(PumpUntil([&] {
    const uint32_t frame = looping.ActiveFrame();
    wraps += frame < last;
    last = frame;
    shown.insert(frame);
    return wraps == 2;
  }));
  EXPECT_EQ((std::set<uint32_t>{0, 1, 2}), shown);
  EXPECT_TRUE(looping.Animation());
  looping.SetAnimation(false);
  EXPECT_FALSE(looping.Animation());

  // Without looping the animation ends on the last frame and lets its
  // controller go.
  TdxGPImage once(StreamOf(AnimatedGif(3, 0, 2)).get());
  once.AnimationLoop = bFalse;
  once.SetAnimation(true);
  EXPECT_TRUE(PumpUntil([&] { return !once.Animation(); }));
  EXPECT_EQ(2u, once.ActiveFrame());
}

}  // namespace
