// The group box: caption rectangles in every position, the extents that
// place the frame and the children, the panel's caption, and the frame
// and caption pixels in each look, with a sheet of them.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/editors-basic/cxGroupBox.h"
#include "tests/editors-basic/ButtonFixture.h"
#include "tests/graphics/PaintSurface.h"

namespace {

struct GroupBox : FormFixture {
  GroupBox() {
    Form->SetBounds(0, 0, 500, 400);
    Form->Show();
    Box = Add<TcxCustomGroupBox>(10, 10);
    Box->SetBounds(10, 10, 200, 150);
    Box->SetCaption(L"Grupo");
    SetLook(Box->Style()->LookAndFeel(), TLook::Standard);
    ProcessPendingMessages();
  }
  // The caption's text size in the caption font.
  TSize CaptionSize() {
    TcxScreenCanvas canvas;
    canvas.SetFont(Box->CaptionFont());
    TRect r(0, 0, 0, 0);
    canvas.TextExtent(L"Grupo", r, cxtfSingleLine | cxtfShowPrefix);
    return TSize(r.Width(), r.Height());
  }
  void Relayout() {
    Box->ShortRefreshContainer(false);
    ProcessPendingMessages();
  }
  TcxCustomGroupBox* Box = nullptr;
};

}  // namespace

TEST_F(GroupBox, CaptionRectanglesInEveryPosition) {
  const TSize s = CaptionSize();
  const int w = s.cx;
  const int h = s.cy;
  struct TCase {
    TcxCaptionAlignment Alignment;
    TRect Caption;
  };
  // Horizontal captions 8 pixels in from their end; side captions turned,
  // h wide and w long.
  const TCase cases[] = {
      {alTopLeft, TRect(8, 0, 8 + w, h)},
      {alTopCenter, TRect((200 - w) / 2, 0, (200 - w) / 2 + w, h)},
      {alTopRight, TRect(192 - w, 0, 192, h)},
      {alBottomLeft, TRect(8, 150 - h, 8 + w, 150)},
      {alBottomCenter, TRect((200 - w) / 2, 150 - h, (200 - w) / 2 + w, 150)},
      {alBottomRight, TRect(192 - w, 150 - h, 192, 150)},
      {alLeftTop, TRect(0, 8, h, 8 + w + 1)},
      {alLeftCenter, TRect(0, 150 - (150 - w) / 2 - w - 1, h, 150 - (150 - w) / 2)},
      {alLeftBottom, TRect(0, 142 - w - 1, h, 142)},
      {alRightTop, TRect(200 - h, 8, 200, 8 + w)},
      {alRightCenter, TRect(200 - h, (150 - w) / 2, 200, (150 - w) / 2 + w)},
      {alRightBottom, TRect(200 - h, 142 - w, 200, 142)},
      {alCenterCenter, TRect((200 - w) / 2, (150 - h) / 2, (200 - w) / 2 + w, (150 - h) / 2 + h)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Alignment));
    Box->SetAlignment(c.Alignment);
    Relayout();
    EXPECT_EQ(Box->GroupViewInfo()->CaptionRect, c.Caption);
    EXPECT_EQ(Box->GroupViewInfo()->TextRect, c.Caption);
  }
  // No caption, no caption rectangle.
  Box->SetAlignment(alTopLeft);
  Box->SetCaption(L"");
  Relayout();
  EXPECT_TRUE(Box->GroupViewInfo()->CaptionRect.IsEmpty());
}

// The frame runs through the middle of the caption; the children start
// below the caption line; in the middle the caption takes no side.
TEST_F(GroupBox, ExtentsOfTheFrameAndTheChildren) {
  const int fontHeight = cxFontPixelHeight(Box->CaptionFont());
  const int frame = 2;
  struct TCase {
    TcxCaptionAlignment Alignment;
    TRect Border;
    TRect Client;
  };
  const int half = fontHeight / 2;
  const int side = frame + fontHeight + 3;
  const TCase cases[] = {
      {alTopLeft, TRect(frame, frame + half + 1, 200 - frame, 150 - frame), TRect(frame, side, 198, 148)},
      {alBottomRight, TRect(frame, frame, 200 - frame, 150 - frame - half - 1), TRect(frame, frame, 198, 150 - side)},
      {alLeftCenter, TRect(frame + half, frame, 198, 148), TRect(side, frame, 198, 148)},
      {alRightTop, TRect(frame, frame, 198 - half, 148), TRect(frame, frame, 200 - side, 148)},
      {alCenterCenter, TRect(frame, frame, 198, 148), TRect(frame, frame, 198, 148)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Alignment));
    Box->SetAlignment(c.Alignment);
    Relayout();
    EXPECT_EQ(Box->GroupViewInfo()->BorderRect, c.Border);
    EXPECT_EQ(Box->GroupViewInfo()->ClientRect, c.Client);
  }
}

TEST_F(GroupBox, ThePanelIndentsItsCaptionAndKeepsTheIndentAtLeastTwo) {
  Box->PanelStyle()->SetCaptionIndent(-4);
  EXPECT_EQ(Box->PanelStyle()->CaptionIndent(), 2);
  Box->PanelStyle()->SetActive(true);
  Box->PanelStyle()->SetCaptionIndent(6);
  const TSize s = CaptionSize();
  struct TCase {
    TcxCaptionAlignment Alignment;
    TRect Text;
  };
  // Inside the 3D frame (2) and the indent (6) on the attached sides.
  const TCase cases[] = {
      {alTopLeft, TRect(8, 8, 8 + s.cx, 8 + s.cy)},
      {alBottomRight, TRect(192 - s.cx, 142 - s.cy, 192, 142)},
      {alCenterCenter, TRect(2 + (196 - s.cx) / 2, 2 + (146 - s.cy) / 2, 2 + (196 - s.cx) / 2 + s.cx,
                             2 + (146 - s.cy) / 2 + s.cy)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Alignment));
    Box->SetAlignment(c.Alignment);
    Relayout();
    EXPECT_EQ(Box->GroupViewInfo()->TextRect, c.Text);
    EXPECT_EQ(Box->GroupViewInfo()->CaptionRect, c.Text);
  }
  // The panel's border width narrows the children's area.
  Box->PanelStyle()->SetBorderWidth(5);
  Relayout();
  EXPECT_EQ(Box->GroupViewInfo()->ClientRect, TRect(7, 7, 193, 143));
}

// The caption's accelerator gives the focus to the first child control.
TEST_F(GroupBox, TheCaptionAcceleratorFocusesTheFirstChild) {
  Box->SetCaption(L"&Grupo");
  auto* inside = new TEdit(Form);
  inside->SetParent(Box);
  inside->SetBounds(10, 30, 100, 21);
  TEdit* outside = Add<TEdit>(250, 10);
  outside->SetFocus();
  ProcessPendingMessages();
  PostMessageW(outside->Handle(), WM_SYSCHAR, L'g', 0x20000001);
  ProcessPendingMessages();
  EXPECT_EQ(FocusedControl(), inside);
  EXPECT_FALSE(Box->CanFocus() && Box->Focused());
}

// With the style's shadow: the frame leaves 3 pixels at the right and the
// bottom, where the shadow falls from the frame line down; the window keeps
// the caption's side whole and cuts away the corners beside the shadow.
// Bottom and right captions get no shadow.
TEST_F(GroupBox, TheShadowFallsFromTheFrameLine) {
  Box->Style()->SetShadow(true);
  struct TCase {
    TcxCaptionAlignment Alignment;
    bool Panel;
    bool Shadow;
  };
  const TCase cases[] = {
      {alTopLeft, false, true},      {alLeftCenter, false, true},  {alBottomLeft, true, true},
      {alBottomRight, false, false}, {alRightTop, false, false},
  };
  const TColor shadow = SysRGB(clBtnShadow);
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.Alignment) << " panel " << c.Panel);
    Box->PanelStyle()->SetActive(c.Panel);
    Box->SetAlignment(c.Alignment);
    Relayout();
    const TcxGroupBoxViewInfo* v = Box->GroupViewInfo();
    EXPECT_EQ(v->Shadow, c.Shadow);
    const TRect frame = v->FrameRect();
    std::unique_ptr<TBitmap> shot = CaptureWindow(Box);
    const TcxRegion region;
    const bool hasRegion = GetWindowRgn(Box->Handle(), region.Handle()) != ERROR;
    if (!c.Shadow) {
      EXPECT_FALSE(hasRegion);
      continue;
    }
    EXPECT_EQ(frame.Right, 197);
    EXPECT_EQ(frame.Bottom, 147);
    // The two strips, from 3 pixels in.
    for (int y = frame.Top + 3; y < 150; y += 7)
      for (int x = 197; x < 200; ++x) EXPECT_EQ(PixelColor(*shot, x, y), shadow) << x << "," << y;
    for (int x = frame.Left + 3; x < 200; x += 7)
      for (int y = 147; y < 150; ++y) EXPECT_EQ(PixelColor(*shot, x, y), shadow) << x << "," << y;
    // The window: whole up to the outer edge on the caption's side, without
    // the corners beside the strips.
    ASSERT_TRUE(hasRegion);
    EXPECT_TRUE(region.PtInRegion(frame.Left + 4, 148));
    EXPECT_TRUE(region.PtInRegion(198, frame.Top + 4));
    EXPECT_FALSE(region.PtInRegion(198, frame.Top + 1));
    EXPECT_FALSE(region.PtInRegion(frame.Left + 1, 148));
    EXPECT_TRUE(region.PtInRegion(v->CaptionRect.Left + 1, v->CaptionRect.Top));
  }
}

// In each look: the frame drawn beside the caption, none through it; the
// caption in the look's group-box text colour. A sheet of every position
// in every look, and a last row with the style's shadow.
TEST_F(GroupBox, FrameAndCaptionInEachLookAndTheSheet) {
  const int cellW = 210;
  const int cellH = 160;
  TPaintSurface sheet(cellW * 5, cellH * 5, clWhite);
  Box->SetCaption(L"Grupo");
  for (size_t l = 0; l < std::size(AllLooks); ++l) {
    SCOPED_TRACE(LookName(AllLooks[l]));
    SetLook(Box->Style()->LookAndFeel(), AllLooks[l]);
    Box->SetAlignment(alTopLeft);
    Relayout();
    std::unique_ptr<TBitmap> shot = CaptureWindow(Box);
    const TcxGroupBoxViewInfo* v = Box->GroupViewInfo();
    const TColor background = SysRGB(v->BackgroundColor());
    // The frame's top line runs right of the caption and is left out
    // behind it.
    int frameY = 0;
    while (frameY < v->CaptionRect.Bottom && PixelColor(*shot, 150, frameY) == background) ++frameY;
    ASSERT_LT(frameY, v->CaptionRect.Bottom);
    const TColor frame = PixelColor(*shot, 150, frameY);
    for (int x = v->CaptionRect.Right + 2; x < 140; ++x) EXPECT_EQ(PixelColor(*shot, x, frameY), frame) << x;
    int frameInCaption = 0;
    for (int x = v->CaptionRect.Left; x < v->CaptionRect.Right; ++x)
      frameInCaption += PixelColor(*shot, x, frameY) == frame;
    EXPECT_LT(frameInCaption * 2, v->CaptionRect.Width());
    int textPixels = 0;
    for (int y = v->CaptionRect.Top; y < v->CaptionRect.Bottom; ++y)
      for (int x = v->CaptionRect.Left; x < v->CaptionRect.Right; ++x) textPixels += PixelColor(*shot, x, y) != background;
    EXPECT_GT(textPixels, 10);
    sheet.Canvas->Canvas()->Draw(static_cast<int>(l) * cellW, 0, shot.get());
    // Four positions per look on the next rows: left, right, bottom, middle.
    const TcxCaptionAlignment others[] = {alLeftCenter, alRightTop, alBottomRight};
    for (size_t o = 0; o < std::size(others); ++o) {
      Box->SetAlignment(others[o]);
      Relayout();
      std::unique_ptr<TBitmap> other = CaptureWindow(Box);
      sheet.Canvas->Canvas()->Draw(static_cast<int>(l) * cellW, static_cast<int>(o + 1) * cellH, other.get());
    }
  }
  // The shadow in the classic look: top and left captions, the panel, and
  // a bottom caption that takes none.
  SetLook(Box->Style()->LookAndFeel(), TLook::Standard);
  Box->Style()->SetShadow(true);
  const TcxCaptionAlignment shadowed[] = {alTopLeft, alLeftCenter, alTopLeft, alBottomLeft};
  for (size_t i = 0; i < std::size(shadowed); ++i) {
    Box->PanelStyle()->SetActive(i == 2);
    Box->SetAlignment(shadowed[i]);
    Relayout();
    std::unique_ptr<TBitmap> shot = CaptureWindow(Box);
    sheet.Canvas->Canvas()->Draw(static_cast<int>(i) * cellW, 4 * cellH, shot.get());
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\GroupBoxes.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/GroupBoxes.png"));
}

// The Office11 panel: a gradient from top to bottom, a flat blend, or the
// style's colour.
TEST_F(GroupBox, TheOffice11PanelBackgrounds) {
  SetLook(Box->Style()->LookAndFeel(), TLook::Office11);
  Box->Style()->LookAndFeel()->SetNativeStyle(false);
  Box->PanelStyle()->SetActive(true);
  Box->Style()->SetColor(clYellow);
  TPaintSurface sheet(210 * 3, 160, clWhite);
  const TcxPanelOffice11BackgroundKind kinds[] = {pobkGradient, pobkOffice11Color, pobkStyleColor};
  std::vector<std::pair<TColor, TColor>> corners;
  for (size_t k = 0; k < std::size(kinds); ++k) {
    Box->PanelStyle()->SetOfficeBackgroundKind(kinds[k]);
    Relayout();
    std::unique_ptr<TBitmap> shot = CaptureWindow(Box);
    corners.emplace_back(PixelColor(*shot, 100, 20), PixelColor(*shot, 100, 130));
    sheet.Canvas->Canvas()->Draw(static_cast<int>(k) * 210, 0, shot.get());
  }
  EXPECT_NE(corners[0].first, corners[0].second);
  EXPECT_EQ(corners[1].first, corners[1].second);
  EXPECT_EQ(corners[2].first, SysRGB(clYellow));
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\GroupBoxPanels.png");
}
