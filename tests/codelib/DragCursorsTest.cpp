// The screen cursors the library's drags show.
#include <gtest/gtest.h>

#include "codelib/JvDragCursors.h"
#include "vcl/controls/Forms.h"

namespace {

TEST(DragCursors, TheLibrarysIndexesShowTheFrameworksDragCursors) {
  ASSERT_EQ(nullptr, Screen) << "this program makes no screen at start-up";
  InstallDragCursors();  // no screen: nothing to do

  TScreen screen(nullptr);
  Screen = &screen;
  struct TRestore {
    ~TRestore() { Screen = nullptr; }
  } restore;
  InstallDragCursors();
  const struct {
    TCursor Index, Shown;
  } cases[] = {{368, crMultiDrag}, {369, crDrag}, {370, crMultiDrag}, {371, crMultiDrag}};
  for (const auto& c : cases) EXPECT_EQ(screen.Cursors(c.Shown), screen.Cursors(c.Index)) << c.Index;
  EXPECT_NE(screen.Cursors(crDrag), screen.Cursors(crMultiDrag));
}

}  // namespace
