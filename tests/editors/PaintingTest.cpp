#include <gtest/gtest.h>

#include <string>

#include "components/core/dxOffice11.h"
#include "vcl/graphics/GdiTypes.h"
#include "tests/editors/EditorFixture.h"

namespace {

const TRect EditorRect(0, 0, 100, 24);

// An editor with a single border and one right button of a given style.
struct TButtonPainting {
  explicit TButtonPainting(TcxEditButtonStyle AStyle, TcxEditButtonKind AKind = bkDown, int AWidth = 0) {
    Editor.Style.SetTransparentBorder(false);
    Editor.Style.SetBorderStyle(ebsSingle);
    Editor.Style.SetButtonStyle(AStyle);
    Editor.Style.SetColor(clWindow);
    Editor.AddButton(AKind, false, AWidth);
  }
  // Lays out with the mouse on the button (hot), pressing it, or away.
  TRect Paint(TcxEditButtonState AState, bool AEnabled = true) {
    Editor.Calculate(EditorRect, {"normal", AEnabled});
    const TRect button = Editor.ViewInfo.Button(0)->Bounds;
    const TPoint on((button.Left + button.Right) / 2, 3);
    if (AState == ebsSelected) Editor.Calculate(EditorRect, {"hot", AEnabled, false, on});
    if (AState == ebsPressed) Editor.Calculate(EditorRect, {"pressed", AEnabled, false, on, cxmbLeft, {ssLeft}});
    EXPECT_EQ(Editor.ViewInfo.Button(0)->Data.State, AState);
    Editor.ViewInfo.Paint(Editor.Surface.Canvas.get());
    return button;
  }
  TColor At(const TRect& AButton, int DX, int DY) {
    const int x = DX >= 0 ? AButton.Left + DX : AButton.Right + DX;
    const int y = DY >= 0 ? AButton.Top + DY : AButton.Bottom + DY;
    return Editor.Surface.Pixel(x, y);
  }
  TBareEditor Editor;
};

struct TPixel {
  int DX, DY;  // from the button's left or top; negative: from its right or bottom
  TColor Color;
};

}  // namespace

// Each button style frames and fills its button by state.
TEST(EditorPainting, EachButtonStyleFramesAndFillsItsButton) {
  const TColor ultraHot = SysRGB(cxGetEditButtonColor(false, false));
  const TColor ultraPressed = SysRGB(cxGetEditButtonColor(true, false));
  const TColor highlight = SysRGB(cxGetHighlightBorderColor(false));
  const TColor office11Face = SysRGB(PaintersManager->GetPainter(lfsOffice11)->ButtonColor(cxbsNormal));
  const TColor face = SysRGB(clBtnFace), shadow = SysRGB(clBtnShadow), light = SysRGB(clBtnHighlight);
  const TColor window = SysRGB(clWindow);
  const struct {
    const char* Name;
    TcxEditButtonStyle Style;
    TcxEditButtonState State;
    std::vector<TPixel> Pixels;
  } cases[] = {
      {"3D normal", bts3D, ebsNormal,
       {{0, 0, SysRGB(cl3DLight)}, {-1, -1, SysRGB(cl3DDkShadow)}, {1, 1, light}, {-2, -2, shadow}, {2, 2, face}}},
      {"3D pressed", bts3D, ebsPressed, {{0, 0, shadow}, {-1, -1, shadow}, {1, 1, face}, {2, 2, face}}},
      {"flat normal", btsFlat, ebsNormal, {{0, 5, face}, {1, 5, light}, {-1, 5, shadow}, {-2, 5, face}}},
      {"flat pressed", btsFlat, ebsPressed, {{0, 5, face}, {1, 5, shadow}, {-1, 5, light}}},
      {"simple normal", btsSimple, ebsNormal, {{0, 0, window}, {-1, -1, window}, {1, 5, face}, {3, 3, face}}},
      {"simple hot is flat", btsSimple, ebsSelected, {{0, 5, face}, {1, 5, light}, {-1, 5, shadow}}},
      {"hot-flat normal", btsHotFlat, ebsNormal, {{0, 0, shadow}, {-1, -1, shadow}, {2, 2, face}}},
      {"hot-flat hot", btsHotFlat, ebsSelected, {{0, 0, shadow}, {2, 2, shadow}}},
      {"hot-flat pressed", btsHotFlat, ebsPressed, {{0, 0, shadow}, {2, 2, SysRGB(clBtnText)}}},
      {"ultra-flat normal", btsUltraFlat, ebsNormal, {{0, 0, window}, {-1, -1, window}, {2, 2, face}}},
      {"ultra-flat hot", btsUltraFlat, ebsSelected, {{0, 5, highlight}, {2, 2, ultraHot}, {-1, 2, ultraHot}}},
      {"ultra-flat pressed", btsUltraFlat, ebsPressed, {{0, 5, highlight}, {2, 2, ultraPressed}}},
      {"Office11 normal", btsOffice11, ebsNormal, {{0, 0, window}, {2, 2, office11Face}}},
  };
  for (const auto& c : cases) {
    TButtonPainting painting(c.Style);
    const TRect button = painting.Paint(c.State);
    for (const TPixel& pixel : c.Pixels)
      EXPECT_EQ(painting.At(button, pixel.DX, pixel.DY), pixel.Color) << c.Name << " at " << pixel.DX << ","
                                                                       << pixel.DY;
  }
}

TEST(EditorPainting, TheDownArrowIsDrawnInThePenColourAndTheFaceAroundIt) {
  for (const auto& [state, color] : {std::pair{ebsNormal, clBtnText}, std::pair{ebsDisabled, clBtnShadow}}) {
    TButtonPainting painting(bts3D);
    const TRect button = painting.Paint(state, state != ebsDisabled);
    TPaintSurface& surface = painting.Editor.Surface;
    int arrowPixels = 0;
    for (int y = button.Top + 2; y < button.Bottom - 2; ++y)
      for (int x = button.Left + 2; x < button.Right - 2; ++x) arrowPixels += surface.Pixel(x, y) == SysRGB(color);
    EXPECT_GE(arrowPixels, 9) << static_cast<int>(state);
    if (state == ebsDisabled) {
      int highlights = 0;
      for (int y = button.Top + 2; y < button.Bottom - 2; ++y)
        for (int x = button.Left + 2; x < button.Right - 2; ++x)
          highlights += surface.Pixel(x, y) == SysRGB(clBtnHighlight);
      EXPECT_GT(highlights, 0);
    }
  }
}

// A disabled ellipsis in a content wider than 11 pixels: three 2-pixel
// squares, each first drawn a pixel down and right in the highlight colour.
TEST(EditorPainting, ADisabledEllipsisIsDrawnTwiceInTwoPixelSquares) {
  TButtonPainting painting(bts3D, bkEllipsis, 16);
  const TRect button = painting.Paint(ebsDisabled, false);
  const TRect content(button.Left + 2, button.Top + 2, button.Right - 2, button.Bottom - 2);
  ASSERT_EQ(content.Width(), 12);
  const int x = content.Left + 1, y = content.Top + (content.Height() - 2) / 2;
  TPaintSurface& surface = painting.Editor.Surface;
  for (int i = 0; i < 3; ++i) {
    const int left = x + i * 4;
    EXPECT_EQ(surface.Pixel(left, y), SysRGB(clBtnShadow)) << i;
    EXPECT_EQ(surface.Pixel(left + 1, y + 1), SysRGB(clBtnShadow)) << i;
    EXPECT_EQ(surface.Pixel(left + 2, y + 2), SysRGB(clBtnHighlight)) << i;
  }
}

TEST(EditorPainting, Office11GradientButtonsShadeFromTopToBottom) {
  TButtonPainting painting(btsOffice11, bkGlyph, 20);
  painting.Editor.Style.SetGradientButtons(true);
  const TRect button = painting.Paint(ebsNormal);
  const auto [top, bottom] = dxOffice11ButtonGradient(TdxOffice11ButtonFace::bfNormal);
  const TColor upper = painting.At(button, 3, 2), lower = painting.At(button, 3, -3);
  if (top != bottom) EXPECT_NE(upper, lower);
  EXPECT_EQ(upper, SysRGB(top)) << std::hex << upper;
}

TEST(EditorPainting, TextButtonsShowTheirCaption) {
  TButtonPainting painting(btsFlat, bkText, 40);
  painting.Editor.Properties.Buttons()->Items(0)->SetCaption(L"&Go");
  painting.Editor.Properties.Buttons()->Items(0)->SetTextColor(clRed);
  const TRect button = painting.Paint(ebsNormal);
  TPaintSurface& surface = painting.Editor.Surface;
  int red = 0;
  for (int y = button.Top; y < button.Bottom; ++y)
    for (int x = button.Left; x < button.Right; ++x) red += surface.Pixel(x, y) == clRed;
  EXPECT_GT(red, 10);
}

TEST(EditorPainting, TheBorderAndBackgroundOfANormalEditor) {
  TBareEditor editor;
  editor.Style.SetTransparentBorder(false);
  editor.Style.SetBorderStyle(ebsSingle);
  editor.Style.SetBorderColor(clRed);
  editor.Style.SetColor(clYellow);
  editor.Calculate(EditorRect, {"normal"});
  editor.ViewInfo.Paint(editor.Surface.Canvas.get());
  EXPECT_EQ(editor.Surface.Pixel(0, 0), clRed);
  EXPECT_EQ(editor.Surface.Pixel(99, 23), clRed);
  EXPECT_EQ(editor.Surface.Pixel(50, 12), clYellow);
  EXPECT_EQ(editor.Surface.Pixel(100, 12), clWhite);
}

// An inplace editor whose host draws the background draws none itself.
TEST(EditorPainting, AHostDrawnBackgroundReplacesTheEditorsOwn) {
  TBareEditor editor;
  editor.Style.SetColor(clYellow);
  editor.ViewInfo.OnDrawBackground = [](TcxCustomEditViewInfo* Sender, TcxCanvas* ACanvas, bool& AHandled) {
    AHandled = true;
    if (ACanvas) ACanvas->FillRect(Sender->Bounds, clLime);
  };
  editor.Calculate(EditorRect, {"normal"}, true);
  EXPECT_TRUE(editor.ViewInfo.IsBackgroundTransparent());
  editor.ViewInfo.Paint(editor.Surface.Canvas.get());
  EXPECT_EQ(editor.Surface.Pixel(50, 12), clLime);
}

TEST(EditorPainting, PaintExPaintsALayoutAtItsOrigin) {
  TBareEditor editor;
  editor.Style.SetTransparentBorder(false);
  editor.Style.SetBorderStyle(ebsSingle);
  editor.Style.SetBorderColor(clRed);
  editor.AddButton(bkEllipsis);
  std::unique_ptr<TcxCustomEditViewData> viewData(editor.Properties.CreateViewData(&editor.Style, false));
  viewData->CalculateEx(editor.Surface.Canvas.get(), TRect(100, 20, 200, 44), TPoint(-1, -1), cxmbNone, {},
                        &editor.ViewInfo, false);
  editor.ViewInfo.PaintEx(editor.Surface.Canvas.get());
  EXPECT_EQ(editor.ViewInfo.Bounds, TRect(0, 0, 100, 24));
  EXPECT_EQ(editor.Surface.Pixel(100, 20), clRed);
  EXPECT_EQ(editor.Surface.Pixel(199, 43), clRed);
  EXPECT_EQ(editor.Surface.Pixel(99, 19), clWhite);
  EXPECT_EQ(editor.Surface.Canvas->WindowOrg(), TPoint(0, 0));
}

// Part codes on either side of each part's edges.
TEST(EditorHitTests, EveryPartAnswersUpToItsEdges) {
  TBareEditor editor;
  editor.Style.SetTransparentBorder(false);
  editor.Style.SetBorderStyle(ebsSingle);
  editor.AddButton(bkEllipsis, true);
  editor.AddButton(bkDown);
  editor.Calculate(EditorRect, {"normal"});
  TcxCustomEditViewInfo& info = editor.ViewInfo;
  const TRect left = info.Button(0)->Bounds, right = info.Button(1)->Bounds;
  const struct {
    TPoint P;
    int Part;
  } cases[] = {{{0, 12}, ecpNone},          {{1, 0}, ecpNone},
               {{1, 1}, 0},                 {{left.Right - 1, 22}, 0},
               {{left.Right, 12}, ecpEdit}, {{right.Left - 1, 12}, ecpEdit},
               {{right.Left, 12}, 1},       {{98, 22}, 1},
               {{99, 12}, ecpNone},         {{50, 23}, ecpNone},
               {{50, 1}, ecpEdit}};
  for (const auto& c : cases) EXPECT_EQ(info.PartAtPoint(c.P), c.Part) << c.P.X << "," << c.P.Y;
  EXPECT_EQ(info.PartBounds(ecpEdit), TRect(left.Right, 1, right.Left, 23));
  EXPECT_EQ(info.PartBounds(1), right);
  EXPECT_EQ(info.PartBounds(5), TRect());
}

TEST(EditorHitTests, AButtonShowsTheShortPartOfItsHint) {
  TBareEditor editor;
  editor.AddButton(bkEllipsis)->SetHint(L"Open|Opens a file");
  editor.AddButton(bkDown);
  editor.Calculate(EditorRect, {"normal"});
  TcxCustomEditViewInfo& info = editor.ViewInfo;
  String text;
  bool multiLine = true;
  TRect textRect;
  const TRect button = info.Button(0)->Bounds;
  const TPoint on(button.Left + 2, 5);
  EXPECT_TRUE(info.NeedShowHint(nullptr, on, info.Bounds, text, multiLine, textRect));
  EXPECT_EQ(text, L"Open");
  EXPECT_FALSE(multiLine);
  EXPECT_GT(textRect.Top, on.Y);
  EXPECT_FALSE(info.NeedShowHint(nullptr, TPoint(info.Button(1)->Bounds.Left + 1, 5), info.Bounds, text, multiLine,
                                 textRect));
  EXPECT_FALSE(info.NeedShowHint(nullptr, TPoint(10, 5), info.Bounds, text, multiLine, textRect));
  EXPECT_EQ(text, L"");
}

// After a recalculation only what changed is repainted.
TEST(EditorRepainting, OnlyTheChangedButtonOrTheChangedFrameIsUpdated) {
  TBareEditor editor;
  editor.AddButton(bkEllipsis);
  editor.AddButton(bkDown);
  editor.Calculate(EditorRect, {"hot", true, false, {10, 10}});
  TcxCustomEditViewInfo previous;
  previous.Assign(&editor.ViewInfo);
  const TRect second = editor.ViewInfo.Button(1)->Bounds;
  editor.Calculate(EditorRect, {"hot", true, false, {second.Left + 2, 10}});
  std::unique_ptr<TcxRegion> region(editor.ViewInfo.GetUpdateRegion(&previous));
  RECT box;
  EXPECT_EQ(GetRgnBox(region->Handle(), &box), SIMPLEREGION);
  EXPECT_EQ(ToRect(box), second);

  previous.Assign(&editor.ViewInfo);
  previous.BorderColor = clRed;
  region.reset(editor.ViewInfo.GetUpdateRegion(&previous));
  GetRgnBox(region->Handle(), &box);
  EXPECT_EQ(ToRect(box), EditorRect);

  previous.Assign(&editor.ViewInfo);
  region.reset(editor.ViewInfo.GetUpdateRegion(&previous));
  EXPECT_EQ(GetRgnBox(region->Handle(), &box), NULLREGION);
}
