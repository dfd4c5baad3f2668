// Popup windows on real windows: placed beside an owner rectangle near each
// edge of the work area, sized around their children inside the frame
// however often they show, closed on losing activation; the translucent
// drag image and the size frame's halftone band.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "components/controls/cxControls.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"

namespace {

struct PopupTest : FormFixture {
  PopupTest() : Popup(new TcxPopupWindow(Form)) {}
  TcxPopupWindow* Popup;
  const TRect Work = cxGetDesktopWorkAreaAtPoint(TPoint(0, 0));

  // An owner rectangle of 100 by 20 whose top-left lies at the point.
  static TRect Owner(int ALeft, int ATop) { return Bounds(ALeft, ATop, 100, 20); }
};

}  // namespace

TEST_F(PopupTest, ItOpensBesideItsOwnerOnTheSideWithRoomAndInsideTheWorkArea) {
  const int w = Work.Width();
  const int h = Work.Height();
  const TPoint size(150, 500);
  const struct {
    const char* Case;
    TcxPopupDirection Direction;
    TcxPopupAlignHorz Horz;
    TcxPopupAlignVert Vert;
    TRect Owner;
    TPoint Position;
    TcxPopupAlignHorz FinalHorz;
    TcxPopupAlignVert FinalVert;
  } cases[] = {
      {"below, left edges aligned", pdVertical, pahLeft, pavBottom, Owner(200, 100), {200, 120}, pahLeft, pavBottom},
      {"right edges aligned", pdVertical, pahRight, pavBottom, Owner(200, 100), {150, 120}, pahRight, pavBottom},
      {"at the bottom with more room above: above",
       pdVertical,
       pahLeft,
       pavBottom,
       Owner(200, h - 40),
       {200, h - 40 - 500},
       pahLeft,
       pavTop},
      {"more room below but not enough: pushed up to the bottom",
       pdVertical,
       pahLeft,
       pavBottom,
       Owner(200, h / 2 - 60),
       {200, h - 500},
       pahLeft,
       pavBottom},
      {"above near the top with room below: below",
       pdVertical,
       pahLeft,
       pavTop,
       Owner(200, 30),
       {200, 50},
       pahLeft,
       pavBottom},
      // As much room above as below, neither enough: below wins the tie.
      {"below, tied: stays below, pushed up",
       pdVertical,
       pahLeft,
       pavBottom,
       TRect(200, h / 2 - 10, 300, h - (h / 2 - 10)),
       {200, h - 500},
       pahLeft,
       pavBottom},
      {"above, tied: turns below",
       pdVertical,
       pahLeft,
       pavTop,
       TRect(200, h / 2 - 10, 300, h - (h / 2 - 10)),
       {200, h - 500},
       pahLeft,
       pavBottom},
      {"right-aligned at the left edge: kept in",
       pdVertical,
       pahRight,
       pavBottom,
       Owner(0, 100),
       {0, 120},
       pahRight,
       pavBottom},
      {"left-aligned at the right edge: kept in",
       pdVertical,
       pahLeft,
       pavBottom,
       Owner(w - 100, 100),
       {w - 150, 120},
       pahLeft,
       pavBottom},
      {"to the right", pdHorizontal, pahRight, pavTop, Owner(200, 100), {300, 100}, pahRight, pavTop},
      {"to the right at the right edge: to the left",
       pdHorizontal,
       pahRight,
       pavTop,
       Owner(w - 120, 100),
       {w - 120 - 150, 100},
       pahLeft,
       pavTop},
      {"to the left at the left edge: to the right",
       pdHorizontal,
       pahLeft,
       pavTop,
       Owner(10, 100),
       {110, 100},
       pahRight,
       pavTop},
      // As much room left as right, neither enough: right wins the tie.
      {"to the right, tied: stays right, pushed left",
       pdHorizontal,
       pahRight,
       pavTop,
       TRect(100, 100, w - 100, 120),
       {w - 150, 100},
       pahRight,
       pavTop},
      {"to the left, tied: turns right",
       pdHorizontal,
       pahLeft,
       pavTop,
       TRect(100, 100, w - 100, 120),
       {w - 150, 100},
       pahRight,
       pavTop},
      {"bottoms aligned near the top: kept in",
       pdHorizontal,
       pahRight,
       pavBottom,
       Owner(200, 10),
       {300, 0},
       pahRight,
       pavBottom},
      {"tops aligned near the bottom: kept in",
       pdHorizontal,
       pahRight,
       pavTop,
       Owner(200, h - 30),
       {300, h - 500},
       pahRight,
       pavTop},
      {"centred on the owner",
       pdHorizontal,
       pahRight,
       pavCenter,
       Owner(200, 300),
       {300, 310 - 250},
       pahRight,
       pavCenter},
      {"centred below", pdVertical, pahCenter, pavBottom, Owner(200, 100), {175, 120}, pahCenter, pavBottom},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    Popup->SetDirection(c.Direction);
    Popup->SetAlignHorz(c.Horz);
    Popup->SetAlignVert(c.Vert);
    Popup->SetOwnerBounds(
        TRect(c.Owner.Left + Work.Left, c.Owner.Top + Work.Top, c.Owner.Right + Work.Left, c.Owner.Bottom + Work.Top));
    TPoint position;
    Popup->CalculatePosition(size, position);
    EXPECT_EQ(TPoint(c.Position.X + Work.Left, c.Position.Y + Work.Top), position);
    EXPECT_EQ(c.FinalHorz, Popup->AlignHorz());
    EXPECT_EQ(c.FinalVert, Popup->AlignVert());
  }

  // Wider than the work area and centred: it starts at the left edge.
  Popup->SetDirection(pdVertical);
  Popup->SetAlignHorz(pahCenter);
  Popup->SetAlignVert(pavBottom);
  Popup->SetOwnerBounds(Owner(Work.Left + 300, Work.Top + 100));
  TPoint position;
  Popup->CalculatePosition(TPoint(w + 100, 50), position);
  EXPECT_EQ(Work.Left, position.X);
}

TEST_F(PopupTest, TheOwnerRectangleIsTakenFromItsParentsClientArea) {
  Form->SetBounds(100, 100, 300, 200);
  Form->Show();
  Popup->SetOwnerParent(Form);
  Popup->SetOwnerBounds(TRect(10, 20, 110, 40));
  const TPoint origin = Form->ClientToScreen(TPoint(0, 0));
  EXPECT_EQ(TRect(origin.X + 10, origin.Y + 20, origin.X + 110, origin.Y + 40), Popup->GetOwnerBoundsOnScreen());
  Form->Font()->SetSize(15);
  Popup->Popup();
  EXPECT_EQ(15, Popup->Font()->Size()) << "the owner's font";
  EXPECT_EQ(TPoint(origin.X + 10, origin.Y + 40), TPoint(Popup->Left(), Popup->Top()));
  Popup->CloseUp();
}

TEST_F(PopupTest, ChildrenStayOneBorderInHoweverOftenThePopupShows) {
  auto* child = new TCustomControl(Popup);
  child->SetParent(Popup);
  child->SetBounds(0, 0, 40, 20);
  Popup->SetBorderStyle(pbs3D);
  Popup->SetBorderSpace(3);
  for (TcxBorder side : {bLeft, bTop, bRight, bBottom}) EXPECT_EQ(5, Popup->GetBorderWidth(side));
  Popup->SetOwnerBounds(Owner(Work.Left + 100, Work.Top + 100));
  for (int showing = 1; showing <= 3; ++showing) {
    SCOPED_TRACE(showing);
    Popup->Popup();
    EXPECT_EQ(TRect(5, 5, 45, 25), child->BoundsRect());
    EXPECT_EQ(50, Popup->Width());
    EXPECT_EQ(30, Popup->Height());
    EXPECT_EQ(TRect(5, 5, 45, 25), Popup->GetInnerBounds());
    Popup->CloseUp();
    EXPECT_FALSE(Popup->Visible());
  }
  // Other borders: the child goes back first, then one new border in.
  Popup->SetBorderSpace(0);
  EXPECT_EQ(TRect(0, 0, 40, 20), child->BoundsRect());
  Popup->Popup();
  EXPECT_EQ(TRect(2, 2, 42, 22), child->BoundsRect());
  EXPECT_EQ(44, Popup->Width());
  Popup->CloseUp();
  // Not adjustable: the size set stays.
  Popup->SetAdjustable(false);
  Popup->SetBounds(0, 0, 200, 100);
  Popup->Popup();
  EXPECT_EQ(200, Popup->Width());
  EXPECT_EQ(100, Popup->Height());
}

TEST_F(PopupTest, TheFrameIsDrawnInItsStyle) {
  Popup->SetOwnerBounds(Owner(Work.Left + 100, Work.Top + 100));
  Popup->SetBounds(0, 0, 60, 40);
  Popup->SetAdjustable(false);
  Popup->SetFrameColor(clRed);
  TcxBitmap32 sheet(4 * 64, 44, true);
  const struct {
    TcxPopupBorderStyle Style;
    TColor Corner;
    TColor Inside;  // two pixels in
  } cases[] = {{pbsNone, clBtnFace, clBtnFace},
               {pbsUltraFlat, clRed, clBtnFace},
               {pbsFlat, clBtnHighlight, clBtnFace},
               {pbs3D, cl3DLight, clBtnFace}};
  int column = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Style));
    Popup->SetBorderStyle(c.Style);
    Popup->Popup();
    Popup->Invalidate();
    auto picture = CaptureWindow(Popup);
    EXPECT_EQ(static_cast<TColor>(ColorToRGB(c.Corner)), PixelColor(*picture, 0, 0));
    EXPECT_EQ(static_cast<TColor>(ColorToRGB(c.Inside)), PixelColor(*picture, 30, 20));
    BitBlt(sheet.Canvas()->Handle(), 2 + 64 * column++, 2, 60, 40, picture->Canvas()->Handle(), 0, 0, SRCCOPY);
    Popup->CloseUp();
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet, L"artifacts\\PopupFrames.png");
}

TEST_F(PopupTest, LosingActivationClosesIt) {
  const struct {
    const char* Case;
    UINT Msg;
    WPARAM WParam;
  } cases[] = {{"another window of the program", WM_ACTIVATE, WA_INACTIVE}, {"another program", WM_ACTIVATEAPP, FALSE}};
  Popup->SetOwnerBounds(Owner(Work.Left + 100, Work.Top + 100));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    Popup->Popup();
    ASSERT_TRUE(Popup->Visible());
    SendMessageW(Popup->Handle(), c.Msg, c.WParam, 0);
    EXPECT_FALSE(Popup->Visible());
    EXPECT_FALSE(IsWindowVisible(Popup->Handle()));
  }
  SendMessageW(Popup->Handle(), WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_FALSE(Popup->Visible()) << "gaining activation changes nothing";
  const LONG exStyle = GetWindowLongW(Popup->Handle(), GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST) << "stays on top";
  EXPECT_FALSE(GetWindowLongW(Popup->Handle(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME)) << "borderless";
}

TEST_F(PopupTest, ADragImageKeepsTheGrabOffsetAndLetsTheMouseThrough) {
  Form->Show();
  auto* image = new TcxCustomDragImage(Form);
  image->Init(TRect(100, 100, 200, 150), TPoint(130, 110));
  image->MoveTo(TPoint(500, 300));
  EXPECT_EQ(TRect(470, 290, 570, 340), image->BoundsRect());
  EXPECT_FALSE(image->Visible());
  const HWND active = GetActiveWindow();
  image->SetVisible(true);
  EXPECT_TRUE(image->Visible());
  EXPECT_EQ(active, GetActiveWindow()) << "shown without activation";
  EXPECT_EQ(HTTRANSPARENT, SendMessageW(image->Handle(), WM_NCHITTEST, 0, MAKELPARAM(480, 300)));
  EXPECT_EQ(Form->Handle(), GetWindow(image->Handle(), GW_OWNER)) << "belongs to the active form";

  // Layered alpha where the system has it; otherwise an opaque image.
  const bool layered = GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetLayeredWindowAttributes") != nullptr;
  EXPECT_EQ(layered, image->AlphaBlended());
  if (layered) {
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(image->Handle(), nullptr, &alpha, &flags));
    EXPECT_EQ(180, alpha);
    EXPECT_TRUE(flags & LWA_ALPHA);
  }
  image->SetAlphaBlend(false);
  EXPECT_FALSE(GetWindowLongW(image->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  image->SetVisible(false);
  EXPECT_FALSE(image->Visible());
}

TEST_F(PopupTest, ASizeFrameShowsAHalftoneBandOfItsWidth) {
  TcxSizeFrame frame(4);
  frame.HandleNeeded();
  frame.SetVisible(true);
  auto windowRegionContains = [&](int X, int Y) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(frame.Handle(), region);
    const bool inside = kind != ERROR && PtInRegion(region, X, Y);
    DeleteObject(region);
    return inside;
  };
  // Too small for a band: no region of its own.
  frame.DrawSizeFrame(TRect(10, 10, 16, 30));
  HRGN none = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(ERROR, GetWindowRgn(frame.Handle(), none));
  DeleteObject(none);

  frame.DrawSizeFrame(TRect(100, 100, 200, 160));
  EXPECT_EQ(TRect(100, 100, 200, 160), frame.BoundsRect());
  EXPECT_TRUE(windowRegionContains(1, 1));
  EXPECT_TRUE(windowRegionContains(96, 30));
  EXPECT_FALSE(windowRegionContains(4, 4));
  EXPECT_FALSE(windowRegionContains(50, 30));
  auto picture = CaptureWindow(&frame);
  EXPECT_NE(PixelColor(*picture, 0, 0), PixelColor(*picture, 1, 0)) << "alternating pixels";
  EXPECT_EQ(PixelColor(*picture, 0, 0), PixelColor(*picture, 1, 1));

  // Filled, and from a region of the caller's.
  frame.SetFillSelection(true);
  TcxRegion triangle(CreatePolygonRgn(std::array<POINT, 3>{{{0, 0}, {80, 0}, {0, 40}}}.data(), 3, WINDING));
  frame.DrawSizeFrame(TRect(300, 100, 380, 140), &triangle);
  EXPECT_TRUE(windowRegionContains(10, 10));
  EXPECT_FALSE(windowRegionContains(70, 35));
  EXPECT_FALSE(triangle.IsEmpty()) << "the caller keeps its region";
}
