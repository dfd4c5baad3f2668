// The container on real windows, hosting a real EDIT or LISTBOX: its border
// in each border style, the drop shadow and window region, colours of the
// states, focus and Tab through containers, and the library scroll bars
// laid over the inner control's native ones.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/controls/cxContainer.h"
#include "components/controls/cxDWMApi.h"
#include "tests/graphics/PaintSurface.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"

namespace {

// Tells its container of focus changes, as the editors' inner controls do.
template <class TInner>
class TInnerControl : public TInner, public IcxContainerInnerControl {
public:
  explicit TInnerControl(TcxContainer* AContainer) : TInner(AContainer), FContainer(AContainer) {
    TInner::SetParent(AContainer);
    TInner::SetTabStop(false);
    AContainer->SetInnerControl(this);
  }
  TWinControl* GetControl() override { return this; }
  TcxContainer* GetControlContainer() override { return FContainer; }

protected:
  // The container draws the border.
  void CreateParams(TCreateParams& Params) override {
    TInner::CreateParams(Params);
    Params.Style &= ~WS_BORDER;
    Params.ExStyle &= ~WS_EX_CLIENTEDGE;
  }
  void WndProc(TMessage& Message) override {
    TInner::WndProc(Message);
    if ((Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS) && !FContainer->IsDestroying())
      FContainer->FocusChanged();
  }

private:
  TcxContainer* FContainer;
};

TColor Rgb(TColor AColor) { return static_cast<TColor>(ColorToRGB(AColor)); }

// A container drawn by the Standard painter (not themed), placed on the
// form once its look is set.
TcxContainer* NewContainer(TForm* AForm, const TRect& ABounds) {
  auto* container = new TcxContainer(AForm);
  container->Style()->LookAndFeel()->SetNativeStyle(false);
  container->Style()->LookAndFeel()->SetKind(lfStandard);
  container->SetBoundsRect(ABounds);
  container->SetParent(AForm);
  return container;
}

struct ContainerFixture : FormFixture {
  ContainerFixture() {
    Form->SetBounds(0, 0, 400, 300);
    Form->Show();
  }
  // A container of the size with a hosted EDIT.
  TcxContainer* AddContainer(int Left, int Top, int AWidth = 100, int AHeight = 24) {
    TcxContainer* container = NewContainer(Form, Bounds(Left, Top, AWidth, AHeight));
    new TInnerControl<TEdit>(container);
    container->HandleNeeded();
    container->ShortRefreshContainer(false);
    ProcessPendingMessages();
    return container;
  }
};

using ContainerPainting = ContainerFixture;

// The colours two pixels of the border show: the outermost corner pixel
// and the one diagonally inside it.
struct BorderCase {
  TcxContainerBorderStyle Style;
  TColor Outer;
  TColor Inner;
};

TEST_F(ContainerPainting, EachBorderStyleDrawsItsFrameAroundTheInnerControl) {
  const BorderCase cases[] = {{cbsSingle, clRed, clWhite},        {cbsThick, clRed, clRed},
                              {cbsFlat, clBtnShadow, clBtnFace},  {cbs3D, clBtnShadow, cl3DDkShadow},
                              {cbsUltraFlat, clBtnShadow, clWhite}, {cbsOffice11, clBtnShadow, clWhite},
                              {cbsNone, clWhite, clWhite}};
  std::filesystem::create_directories("artifacts");
  // Three times the size, so that a person sees each pixel of the borders.
  constexpr int Zoom = 3;
  TBitmap sheet;
  sheet.SetPixelFormat(pf32bit);
  sheet.SetSize(Zoom * 120, Zoom * (10 + 34 * static_cast<int>(std::size(cases))));
  sheet.Canvas()->Brush()->SetColor(clSilver);
  sheet.Canvas()->FillRect(TRect(0, 0, sheet.Width(), sheet.Height()));
  int row = 0;
  for (const BorderCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Style));
    TcxContainer* container = AddContainer(10, 10);
    container->Style()->SetBorderStyle(c.Style);
    container->Style()->SetBorderColor(clRed);
    container->Style()->SetColor(clWhite);
    container->Style()->SetTransparentBorder(false);
    container->Style()->SetHotTrack(false);
    ProcessPendingMessages();
    const int w = cxGetContainerFrameWidth(c.Style);
    EXPECT_EQ(container->ViewInfo()->BorderRect, TRect(w, w, 100 - w, 24 - w));
    EXPECT_EQ(container->InnerControl()->BoundsRect(), container->ViewInfo()->ClientRect);
    auto capture = CaptureWindow(container);
    EXPECT_EQ(PixelColor(*capture, 0, 0), Rgb(c.Outer));
    EXPECT_EQ(PixelColor(*capture, 1, 1), Rgb(c.Inner));
    EXPECT_EQ(PixelColor(*capture, 99, 23), Rgb(c.Style == cbsNone ? clWhite : c.Style == cbsFlat || c.Style == cbs3D ? clBtnHighlight : c.Outer));
    sheet.Canvas()->StretchDraw(::Bounds(Zoom * 10, Zoom * (10 + 34 * row++), Zoom * 100, Zoom * 24), capture.get());
    delete container;
  }
  SaveAsPng(sheet, L"artifacts\\ContainerBorderStyles.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/ContainerBorderStyles.png"));
}

// The two pixels around the container's colour show the form behind,
// but for the border that stays drawn at its place.
TEST_F(ContainerPainting, ATransparentBorderLeavesTwoPixelsOfBackground) {
  Form->SetColor(clFuchsia);
  const struct {
    TcxContainerBorderStyle Style;
    TColor Outer, Inner;  // the pixels 0 and 1 in from each corner
  } cases[] = {{cbsSingle, clFuchsia, clWindowFrame}, {cbsNone, clFuchsia, clFuchsia}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Style));
    TcxContainer* container = AddContainer(10, 10);
    container->Style()->SetBorderStyle(c.Style);
    container->Style()->SetColor(clYellow);
    ProcessPendingMessages();
    EXPECT_EQ(container->ViewInfo()->BorderRect, TRect(2, 2, 98, 22));
    auto capture = CaptureWindow(Form);
    RECT window;
    GetWindowRect(Form->Handle(), &window);
    const TPoint origin = container->ClientToScreen(TPoint(0, 0));
    const auto pixel = [&](int X, int Y) {
      return PixelColor(*capture, origin.X - window.left + X, origin.Y - window.top + Y);
    };
    const TColor expected[] = {Rgb(c.Outer), Rgb(c.Inner), Rgb(clYellow)};
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(pixel(i, i), expected[i]) << i;
      EXPECT_EQ(pixel(50, i), expected[i]) << i;
      EXPECT_EQ(pixel(99 - i, 23 - i), expected[i]) << i;
    }
    delete container;
  }
}

// The frame between an outer and an inner rectangle is filled, and asked to
// be redrawn, on exactly the pixels of the outer one outside the inner one.
TEST_F(ContainerPainting, TheFrameCoversExactlyTheOuterRectangleOutsideTheInnerOne) {
  const struct {
    const char* Case;
    TRect Outer, Inner;
  } cases[] = {
      {"inner well inside", TRect(2, 3, 40, 30), TRect(6, 8, 30, 20)},
      {"inner touching the top and left", TRect(2, 3, 40, 30), TRect(2, 3, 30, 20)},
      {"inner touching the bottom and right", TRect(2, 3, 40, 30), TRect(10, 10, 40, 30)},
      {"no inner: all of it", TRect(2, 3, 40, 30), TRect()},
  };
  auto* window = Add<TcxControl>(0, 0);
  window->SetBounds(0, 0, 50, 40);
  ProcessPendingMessages();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    TPaintSurface surface(50, 40, clBlack);
    cxFillRectFrame(surface.Canvas.get(), c.Outer, c.Inner, clRed);
    ValidateRect(window->Handle(), nullptr);
    cxRedrawFrameAroundRect(window->Handle(), c.Outer, c.Inner, false, false);
    TcxRegion invalid;
    GetUpdateRgn(window->Handle(), invalid.Handle(), FALSE);
    std::string wrongFills, wrongRedraws;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 50; ++x) {
        const bool frame = c.Outer.Contains(TPoint(x, y)) && !c.Inner.Contains(TPoint(x, y));
        const std::string at = " (" + std::to_string(x) + ", " + std::to_string(y) + ")";
        if (frame != (surface.Pixel(x, y) == clRed)) wrongFills += at;
        if (frame != invalid.PtInRegion(x, y)) wrongRedraws += at;
      }
    EXPECT_EQ("", wrongFills);
    EXPECT_EQ("", wrongRedraws);
  }
}

TEST_F(ContainerPainting, AShadowGrowsTheExtentAndShapesTheWindowRegion) {
  TcxContainer* container = AddContainer(10, 10, 100, 30);
  container->Style()->SetBorderStyle(cbsSingle);
  container->Style()->SetBorderColor(clRed);
  container->Style()->SetTransparentBorder(false);
  container->Style()->SetShadow(true);
  ProcessPendingMessages();
  EXPECT_EQ(container->ViewInfo()->BorderRect, TRect(1, 1, 96, 26));
  EXPECT_EQ(container->VisibleBounds(), TRect(0, 0, 97, 27));
  TcxRegion region;
  ASSERT_NE(GetWindowRgn(container->Handle(), region.Handle()), ERROR);
  EXPECT_TRUE(region.PtInRegion(98, 10));   // the shadow strip
  EXPECT_FALSE(region.PtInRegion(98, 1));   // above the shadow's start
  EXPECT_FALSE(region.PtInRegion(1, 28));   // left of the bottom strip
  auto capture = CaptureWindow(container);
  EXPECT_EQ(PixelColor(*capture, 98, 15), Rgb(clBtnShadow));
  EXPECT_EQ(PixelColor(*capture, 50, 28), Rgb(clBtnShadow));
  EXPECT_EQ(PixelColor(*capture, 96, 15), Rgb(clRed));
  std::filesystem::create_directories("artifacts");
  SaveAsPng(*capture, L"artifacts\\ContainerShadow.png");
}

TEST_F(ContainerPainting, TheActiveStyleFollowsFocusAndEnabledState) {
  TcxContainer* container = AddContainer(10, 10);
  TcxContainer* other = AddContainer(10, 60);
  container->Style()->SetBorderStyle(cbsSingle);
  container->Style()->SetTransparentBorder(false);
  container->StyleFocused()->SetBorderColor(clBlue);
  container->StyleHot()->SetBorderColor(clLime);
  container->StyleDisabled()->SetColor(clGray);
  struct Case {
    const char* Name;
    std::function<void()> Act;
    TcxContainerStateItem State;
    TColor Border;
    TColor Background;
  };
  const Case cases[] = {
      {"normal", [&] { other->SetFocus(); }, csNormal, clWindowFrame, clWindow},
      {"hot", [&] { container->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(50, 10)); }, csHotTrack, clLime, clWindow},
      {"focused", [&] { container->SetFocus(); }, csActive, clBlue, clWindow},
      {"disabled", [&] { container->SetEnabled(false); }, csDisabled, clBtnShadow, clGray},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Act();
    ProcessPendingMessages();
    EXPECT_TRUE(container->ViewInfo()->ContainerState.Contains(c.State));
    EXPECT_EQ(container->ViewInfo()->BorderColor, c.Border);
    EXPECT_EQ(container->ViewInfo()->BackgroundColor(), c.Background);
    EXPECT_EQ(container->InnerControl()->Color(), c.Background);
    auto capture = CaptureWindow(container);
    EXPECT_EQ(PixelColor(*capture, 0, 0), Rgb(c.Border));
  }
}

TEST_F(ContainerPainting, AParentFontIsNotAssignedButTheContainersOwnFontIs) {
  TcxContainer* container = AddContainer(10, 10);
  Form->Font()->SetSize(14);
  ProcessPendingMessages();
  EXPECT_EQ(container->Style()->Font()->Size(), 14);
  EXPECT_FALSE(container->Style()->AssignedValues().Contains(csvFont));
  EXPECT_TRUE(container->ParentFont());
  auto font = std::make_unique<TFont>();
  font->SetSize(9);
  container->SetFont(font.get());
  EXPECT_TRUE(container->Style()->AssignedValues().Contains(csvFont));
  EXPECT_EQ(container->Style()->Font()->Size(), 9);
  EXPECT_FALSE(container->ParentFont());
  EXPECT_EQ(container->InnerControl()->Font()->Size(), 9);
}

TEST_F(ContainerPainting, AThemedContainerFramesItselfInTheThemesBorderColour) {
  // With desktop composition the frame takes the list box's border colour.
  const bool composition = cxIsDesktopCompositionEnabled();
  HTHEME theme = dxThemeHandleOf(composition ? totListBox : totComboBox);
  if (!theme || !dxThemeHandleOf(totEdit)) GTEST_SKIP() << "no visual styles";
  TcxContainer* container = AddContainer(10, 10);
  container->Style()->LookAndFeel()->SetNativeStyle(true);
  container->Style()->SetTransparentBorder(false);
  container->Style()->SetColor(clYellow);
  ProcessPendingMessages();
  ASSERT_TRUE(container->ViewInfo()->NativeStyle);
  EXPECT_EQ(container->ViewInfo()->BorderRect, TRect(2, 2, 98, 22));
  COLORREF border = 0;
  ASSERT_EQ(GetThemeColor(theme, composition ? 3 : 1, 1, TMT_BORDERCOLOR, &border), S_OK);
  auto capture = CaptureWindow(container);
  EXPECT_EQ(PixelColor(*capture, 0, 0), static_cast<TColor>(border));
  EXPECT_EQ(PixelColor(*capture, 99, 23), static_cast<TColor>(border));
  std::filesystem::create_directories("artifacts");
  SaveAsPng(*capture, L"artifacts\\ContainerThemed.png");
}

TEST_F(ContainerPainting, AThemedContainerWithoutBorderKeepsATwoPixelTransparentMargin) {
  if (!dxThemeHandleOf(totEdit)) GTEST_SKIP() << "no visual styles";
  TcxContainer* container = AddContainer(10, 10);
  container->Style()->LookAndFeel()->SetNativeStyle(true);
  container->Style()->SetBorderStyle(cbsNone);
  ProcessPendingMessages();
  EXPECT_EQ(container->VisibleBounds(), TRect(2, 2, 98, 22));
  EXPECT_EQ(container->ViewInfo()->BorderRect, TRect(2, 2, 98, 22));
}

using ContainerFocus = ContainerFixture;

TEST_F(ContainerFocus, FocusPassesToTheInnerControlAndTabMovesThroughContainers) {
  TcxContainer* first = AddContainer(10, 10);
  TcxContainer* second = AddContainer(10, 60);
  first->SetFocus();
  ProcessPendingMessages();
  EXPECT_EQ(GetFocus(), first->InnerControl()->Handle());
  EXPECT_TRUE(first->Focused());
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), second->InnerControl()->Handle());
  EXPECT_TRUE(second->ViewInfo()->ContainerState.Contains(csActive));
  EXPECT_FALSE(first->ViewInfo()->ContainerState.Contains(csActive));
  PressKey(VK_TAB, true);
  EXPECT_EQ(GetFocus(), first->InnerControl()->Handle());
}

TEST_F(ContainerFocus, KeysSentToTheContainerReachTheInnerControl) {
  TcxContainer* container = AddContainer(10, 10);
  container->SetFocus();
  SendMessageW(container->Handle(), WM_CHAR, L'x', 0);
  EXPECT_EQ(WindowText(container->InnerControl()->Handle()), L"x");
}

TEST_F(ContainerFocus, TheInnerControlTakesTheContainersCursorAndDragMode) {
  TcxContainer* container = AddContainer(10, 10);
  container->SetCursor(crHandPoint);
  container->SetDragMode(dmAutomatic);
  EXPECT_EQ(container->InnerControl()->Cursor(), crHandPoint);
  EXPECT_EQ(container->InnerControl()->DragMode(), dmAutomatic);
}

TEST_F(ContainerFocus, ACaptionOf64KCharactersOrMoreStillReachesTheWindow) {
  for (const int length : {100, 65536, 70000}) {
    SCOPED_TRACE(length);
    auto* container = new TcxContainer(Form);
    container->SetText(String(length, L'a'));
    container->Style()->LookAndFeel()->SetKind(lfStandard);
    container->SetParent(Form);
    container->HandleNeeded();
    EXPECT_EQ(GetWindowTextLengthW(container->Handle()), length);
    delete container;
  }
}

using ContainerScrollBars = ContainerFixture;

TEST_F(ContainerScrollBars, TheLibraryBarLiesOverTheNativeOneWithItsRange) {
  ASSERT_TRUE(cxIsLibraryScrollBarsEnabled());
  TcxContainer* container = NewContainer(Form, Bounds(10, 10, 120, 80));
  auto* list = new TInnerControl<TListBox>(container);
  for (int i = 0; i < 30; ++i) list->Items()->Add(IntToStr(i));
  container->HandleNeeded();
  container->ShortRefreshContainer(false);
  container->UpdateScrollBarsParameters();
  ProcessPendingMessages();
  IcxControlScrollBar* vert = container->GetMirroredScrollBar(sbVertical);
  IcxControlScrollBar* horz = container->GetMirroredScrollBar(sbHorizontal);
  ASSERT_TRUE(vert && horz);
  EXPECT_TRUE(vert->Visible());
  EXPECT_FALSE(horz->Visible());
  SCROLLBARINFO native{};
  ASSERT_TRUE(cxGetScrollBarInfoSafe(list->Handle(), OBJID_VSCROLL, native));
  const TPoint topLeft = container->ScreenToClient(TPoint(native.rcScrollBar.left, native.rcScrollBar.top));
  EXPECT_EQ(vert->BoundsRect().TopLeft(), topLeft);
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL};
  GetScrollInfo(list->Handle(), SB_VERT, &info);
  EXPECT_EQ(vert->Max(), info.nMax);
  EXPECT_EQ(vert->PageSize(), static_cast<int>(info.nPage));
  SendMessageW(list->Handle(), LB_SETTOPINDEX, 10, 0);
  container->UpdateScrollBarsParameters();
  ProcessPendingMessages();
  EXPECT_EQ(vert->Position(), GetScrollPos(list->Handle(), SB_VERT));
  EXPECT_GT(vert->Position(), 0);
}

using ContainerHints = ContainerFixture;

TEST_F(ContainerHints, AHintShowsOnlyForTheVisibleControlUnderTheCursorOfTheActiveProgram) {
  TcxContainer* container = AddContainer(10, 10);
  TcxContainer* other = AddContainer(10, 60);
  SetForegroundWindow(Form->Handle());
  // The cursor is shared by every test run on the display: put it back.
  POINT saved;
  GetCursorPos(&saved);
  struct TCursorRestore {
    POINT P;
    ~TCursorRestore() { SetCursorPos(P.x, P.y); }
  } restore{saved};
  const TPoint centre = container->ClientToScreen(TPoint(50, 12));
  SetCursorPos(centre.X, centre.Y);
  ProcessPendingMessages();
  // The inner edit lies over the container's centre: the hint is the
  // inner control's.
  EXPECT_TRUE(cxCanShowHintForControl(container->InnerControl()));
  EXPECT_FALSE(cxCanShowHintForControl(other->InnerControl()));
  container->Hide();
  EXPECT_FALSE(cxCanShowHintForControl(container->InnerControl()));
}

}  // namespace
