// Regions, and the canvas wrapper's states, clips, frames, fills, shapes
// and text, checked on 32-bit bitmaps.
#include <gtest/gtest.h>

#include "PaintSurface.h"

namespace {

TEST(cxRegion, CombinesComparesAndMoves) {
  TcxRegion region(0, 0, 10, 10);
  region.Combine(TRect(5, 5, 20, 20), roAdd);
  EXPECT_EQ(TRect(0, 0, 20, 20), region.BoundsRect());
  EXPECT_FALSE(region.PtInRegion(15, 2));
  region.Combine(TRect(0, 0, 20, 20), roIntersect);
  region.Combine(TRect(0, 0, 10, 20), roSubtract);
  EXPECT_EQ(TRect(10, 5, 20, 20), region.BoundsRect());
  region.Offset(-10, -5);
  TcxRegion expected(0, 0, 10, 15);
  EXPECT_TRUE(region.IsEqual(&expected));
  EXPECT_FALSE(region.IsEqual(static_cast<TcxRegion*>(nullptr)));
  region.Combine(new TcxRegion(1, 1, 2, 2), roSet);
  EXPECT_TRUE(region.RectInRegion(TRect(0, 0, 5, 5)));
  region.Combine(TRect(0, 0, 5, 5), roSubtract);
  TcxRegion empty;
  EXPECT_TRUE(region.IsEmpty());
  EXPECT_TRUE(region.IsEqual(&empty));
  EXPECT_EQ(TRect(), region.BoundsRect());
  std::unique_ptr<TcxRegion> rounded(TcxRegion::CreateRoundCorners(TRect(0, 0, 20, 20), 4, 4));
  EXPECT_EQ(TRect(1, 1, 19, 19), rounded->BoundsRect());  // the system leaves the far edges out
}

TEST(cxCanvasClip, SubtractingWithoutAClipKeepsEverythingElseDrawableNegativeCoordinatesIncluded) {
  TPaintSurface surface(100, 100);
  surface.Canvas->SetWindowOrg(TPoint(-50, -50));  // logical (0, 0) is the centre
  surface.Canvas->SetClipRegion(new TcxRegion(0, 0, 10, 10), roSubtract);
  surface.Canvas->FillRect(TRect(-50, -50, 50, 50), clRed);
  EXPECT_EQ(clBlack, surface.Pixel(55, 55));  // logical (5, 5): cut out
  EXPECT_EQ(clRed, surface.Pixel(10, 10));    // logical (-40, -40)
  EXPECT_EQ(clRed, surface.Pixel(99, 99));
}

TEST(cxCanvasClip, RestoringASavedClipGivesItBackExactly) {
  TPaintSurface surface(60, 60);
  TcxCanvas& canvas = *surface.Canvas;
  canvas.SetWindowOrg(TPoint(5, 5));
  canvas.IntersectClipRect(TRect(0, 0, 30, 30));
  std::unique_ptr<TcxRegion> before(canvas.GetClipRegion());
  canvas.SaveClipRegion();
  canvas.ExcludeClipRect(TRect(0, 0, 10, 10));
  canvas.SetClipRegion(new TcxRegion(20, 20, 25, 25), roIntersect);
  EXPECT_FALSE(canvas.RectVisible(TRect(0, 0, 10, 10)));
  canvas.RestoreClipRegion();
  canvas.RestoreClipRegion();  // nothing saved any more: no change
  std::unique_ptr<TcxRegion> after(canvas.GetClipRegion());
  EXPECT_TRUE(before->IsEqual(after.get()));
  EXPECT_EQ(TRect(0, 0, 30, 30), after->BoundsRect());
  EXPECT_TRUE(canvas.RectFullyVisible(TRect(0, 0, 30, 30)));
  EXPECT_FALSE(canvas.RectFullyVisible(TRect(0, 0, 31, 30)));
}

TEST(cxCanvasState, RestoreStateBringsBackToolsAndTheContextState) {
  TPaintSurface surface(20, 20);
  TcxCanvas& canvas = *surface.Canvas;
  canvas.SetBrushColor(clRed);
  canvas.Font()->SetColor(clBlue);
  canvas.SaveState();
  canvas.SetBrushColor(clLime);
  canvas.Font()->SetColor(clYellow);
  canvas.IntersectClipRect(TRect(0, 0, 5, 5));
  canvas.RestoreState();
  canvas.RestoreState();  // nothing saved: no change
  EXPECT_EQ(clRed, canvas.Brush()->Color());
  EXPECT_EQ(clBlue, canvas.Font()->Color());
  canvas.FillRect(TRect(0, 0, 20, 20));
  EXPECT_EQ(clRed, surface.Pixel(19, 19));  // the clip went with the state
}

TEST(cxCanvasFrames, FramesStayInsideTheRectangleWhateverTheLineWidth) {
  TPaintSurface surface(30, 30);
  surface.Canvas->FrameRect(TRect(10, 10, 16, 16), clRed, 10);
  EXPECT_EQ(TRect(10, 10, 16, 16), surface.BoundsOfPixelsOtherThan(clBlack));
  EXPECT_EQ(36, surface.CountOf(clRed));

  TPaintSurface sides(30, 30);
  sides.Canvas->FrameRect(TRect(5, 5, 25, 25), clLime, 2, {bLeft, bBottom});
  EXPECT_EQ(clLime, sides.Pixel(5, 10));
  EXPECT_EQ(clLime, sides.Pixel(15, 24));
  EXPECT_EQ(clBlack, sides.Pixel(24, 10));
  EXPECT_EQ(clBlack, sides.Pixel(15, 5));
}

TEST(cxCanvasFrames, FocusFramesOnChosenSidesAndNested) {
  TPaintSurface top(30, 30);
  top.Canvas->DrawFocusRectEx(TRect(5, 5, 25, 25), {bTop}, true);
  const TRect drawn = top.BoundsOfPixelsOtherThan(clBlack);
  EXPECT_EQ(5, drawn.Top);
  EXPECT_EQ(6, drawn.Bottom);
  const TColor dot = top.Pixel(drawn.Left, 5);
  top.Canvas->FillRect(TRect(0, 0, 30, 30), clRed);  // the top side was cut from the clip
  EXPECT_EQ(dot, top.Pixel(drawn.Left, 5));
  EXPECT_EQ(clRed, top.Pixel(5, 10));

  TPaintSurface none(30, 30);
  none.Canvas->DrawFocusRectEx(TRect(5, 5, 25, 25), {});
  EXPECT_EQ(TRect(), none.BoundsOfPixelsOtherThan(clBlack));

  TPaintSurface nested(30, 30);
  nested.Canvas->DrawDesignSelection(TRect(5, 5, 25, 25), 2);
  const TRect outer = nested.BoundsOfPixelsOtherThan(clBlack);
  EXPECT_GE(outer.Left, 5);
  EXPECT_LE(outer.Right, 25);
  int inner = 0;
  for (int x = 7; x < 23; ++x) inner += nested.Pixel(x, 6) != clBlack;
  EXPECT_GT(inner, 0);  // the second frame, one pixel inside
  EXPECT_EQ(clBlack, nested.Pixel(15, 15));
}

TEST(cxCanvasFrames, RectangleWithViewParamsFramesTheChosenSidesAndFillsTheRest) {
  TPaintSurface surface(30, 30);
  TcxViewParams params;
  params.Color = clLime;
  surface.Canvas->Rectangle(TRect(0, 0, 20, 20), params, {bLeft, bTop}, clRed, 3, true);
  EXPECT_EQ(clRed, surface.Pixel(2, 10));
  EXPECT_EQ(clRed, surface.Pixel(10, 2));
  EXPECT_EQ(clLime, surface.Pixel(3, 3));
  EXPECT_EQ(clLime, surface.Pixel(19, 19));
  surface.Canvas->FillRect(TRect(0, 0, 30, 30), clBlue);  // the whole rectangle was cut from the clip
  EXPECT_EQ(TRect(0, 0, 20, 20), surface.BoundsOfPixelsOtherThan(clBlue));
}

TEST(cxCanvasFrames, EdgesUseTheSystemColoursOfEachSide) {
  struct {
    bool Sunken, Outer;
    TColor LeftTop, RightBottom;
  } cases[] = {{true, true, clBtnShadow, clBtnHighlight},
               {true, false, cl3DDkShadow, cl3DLight},
               {false, true, cl3DLight, cl3DDkShadow},
               {false, false, clBtnHighlight, clBtnShadow}};
  for (const auto& c : cases) {
    TPaintSurface surface(10, 10, clRed);
    surface.Canvas->DrawEdge(TRect(0, 0, 10, 10), c.Sunken, c.Outer);
    EXPECT_EQ(SysRGB(c.LeftTop), surface.Pixel(0, 5)) << c.Sunken << c.Outer;
    EXPECT_EQ(SysRGB(c.RightBottom), surface.Pixel(5, 9)) << c.Sunken << c.Outer;
    EXPECT_EQ(clRed, surface.Pixel(5, 5));
  }
}

TEST(cxCanvasFill, PatternTilesAnchorAtTheLogicalOriginAndCanCutTheirArea) {
  TBitmap pattern;
  pattern.SetPixelFormat(pf32bit);
  pattern.SetSize(4, 4);
  TcxCanvas patternCanvas(pattern.Canvas());
  patternCanvas.FillRect(TRect(0, 0, 4, 4), clBlue);
  patternCanvas.FillRect(TRect(0, 0, 1, 1), clYellow);
  TPaintSurface surface(20, 20);
  surface.Canvas->FillRect(TRect(3, 3, 13, 13), &pattern, true);
  for (TPoint p : {TPoint(4, 4), TPoint(8, 8), TPoint(12, 12)}) EXPECT_EQ(clYellow, surface.Pixel(p.X, p.Y));
  EXPECT_EQ(clBlue, surface.Pixel(3, 3));
  EXPECT_EQ(clBlack, surface.Pixel(13, 13));
  surface.Canvas->FillRect(TRect(0, 0, 20, 20), clRed);  // the filled area is cut from the clip
  EXPECT_EQ(clBlue, surface.Pixel(5, 5));
  EXPECT_EQ(clRed, surface.Pixel(15, 15));
}

TEST(cxCanvasShapes, PieBySweepAngle) {
  TPaintSurface full(40, 40);
  full.Canvas->SetBrushColor(clRed);
  full.Canvas->Pen()->SetColor(clRed);
  full.Canvas->Pie(TRect(0, 0, 40, 40), 90, 360);
  EXPECT_EQ(clRed, full.Pixel(10, 20));
  EXPECT_EQ(clRed, full.Pixel(30, 20));

  TPaintSurface quarter(40, 40);
  quarter.Canvas->SetBrushColor(clRed);
  quarter.Canvas->Pen()->SetColor(clRed);
  quarter.Canvas->Pie(TRect(0, 0, 40, 40), 0, 90);  // the upper right quarter
  EXPECT_EQ(clRed, quarter.Pixel(28, 12));
  EXPECT_EQ(clBlack, quarter.Pixel(12, 28));

  TPaintSurface tiny(10, 10);
  tiny.Canvas->SetBrushColor(clRed);
  tiny.Canvas->Pie(TRect(0, 0, 2, 2), 10, 1);  // both radial points coincide
  EXPECT_EQ(TRect(), tiny.BoundsOfPixelsOtherThan(clBlack));
}

TEST(cxCanvasShapes, ArcsChordsAndBeziersDrawWithTheCanvasTools) {
  TPaintSurface surface(60, 60);
  TcxCanvas& canvas = *surface.Canvas;
  canvas.Pen()->SetColor(clRed);
  canvas.SetBrushColor(clLime);
  canvas.Chord(0, 0, 40, 40, 40, 20, 0, 20);  // the upper half of a circle, filled
  EXPECT_EQ(clLime, surface.Pixel(20, 10));
  EXPECT_EQ(clBlack, surface.Pixel(20, 30));
  canvas.Arc(0, 0, 40, 40, 0, 20, 40, 20);  // the lower half, outline only
  EXPECT_EQ(clRed, surface.Pixel(20, 39));
  EXPECT_EQ(clBlack, surface.Pixel(20, 30));
  canvas.PolyBezier({{0, 50}, {10, 50}, {30, 50}, {40, 50}});  // control points on a line: a straight line
  EXPECT_EQ(clRed, surface.Pixel(20, 50));
  canvas.MoveTo(45, 0);
  canvas.PolyBezierTo({{45, 10}, {45, 20}, {45, 30}});  // from the pen position
  EXPECT_EQ(clRed, surface.Pixel(45, 15));
  canvas.MoveTo(50, 40);
  canvas.AngleArc(50, 50, 5, 90, 180);  // a line to the start, then the left half-circle
  EXPECT_EQ(clRed, surface.Pixel(45, 50));
  EXPECT_EQ(clBlack, surface.Pixel(55, 50));
  canvas.RoundRect(2, 42, 8, 48, 2, 2);
  EXPECT_EQ(clLime, surface.Pixel(5, 45));
}

TEST(cxCanvasShapes, FloodFillBySurfaceOrBorder) {
  TPaintSurface surface(30, 30);
  TcxCanvas& canvas = *surface.Canvas;
  canvas.FrameRect(TRect(5, 5, 25, 25), clRed);
  canvas.SetBrushColor(clLime);
  canvas.FloodFill(15, 15, clRed, fsBorder);
  EXPECT_EQ(clLime, surface.Pixel(15, 15));
  EXPECT_EQ(clRed, surface.Pixel(5, 15));
  EXPECT_EQ(clBlack, surface.Pixel(2, 2));
  canvas.SetBrushColor(clBlue);
  canvas.FloodFill(2, 2, clBlack, fsSurface);
  EXPECT_EQ(clBlue, surface.Pixel(29, 29));
  EXPECT_EQ(clLime, surface.Pixel(15, 15));
}

TEST(cxCanvasPaths, APathBecomesARegionInLogicalCoordinates) {
  TPaintSurface surface(40, 40);
  TcxCanvas& canvas = *surface.Canvas;
  canvas.SetWindowOrg(TPoint(-10, -5));
  canvas.BeginPath();
  canvas.Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
  canvas.EndPath();
  std::unique_ptr<TcxRegion> region(canvas.PathToRegion());
  EXPECT_EQ(TRect(0, 0, 10, 10), region->BoundsRect());
  canvas.BeginPath();
  canvas.Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
  canvas.EndPath();
  region.reset(canvas.PathToRegion(false));
  EXPECT_EQ(TRect(10, 5, 20, 15), region->BoundsRect());  // device coordinates
  region.reset(canvas.PathToRegion());  // the path was used up: an empty region
  EXPECT_TRUE(region->IsEmpty());
}

TEST(cxCanvasImages, DrawImageDrawsAListEntryAndIgnoresIndexesOutsideTheList) {
  TcxImageList list(nullptr);
  TcxBitmap32 image(16, 16, true);
  image.cxCanvas()->FillRect(image.ClientRect(), clRed);
  image.MakeOpaque();
  list.Add(&image, nullptr);
  TPaintSurface surface(40, 40);
  surface.Canvas->IntersectClipRect(TRect(0, 0, 30, 30));
  surface.Canvas->DrawImage(&list, 4, 4, 0);
  surface.Canvas->DrawImage(&list, 20, 20, 1);
  surface.Canvas->DrawImage(&list, 20, 20, -1);
  surface.Canvas->DrawImage(nullptr, 20, 20, 0);
  EXPECT_EQ(TRect(4, 4, 20, 20), surface.BoundsOfPixelsOtherThan(clBlack));
  EXPECT_EQ(clRed, surface.Pixel(10, 10));
  EXPECT_FALSE(surface.Canvas->RectVisible(TRect(31, 31, 35, 35)));  // the clip is untouched
}

// A 6 x 6 glyph: a blue 2 x 2 centre on the transparent colour fuchsia.
std::unique_ptr<TBitmap> CentreGlyph() {
  auto glyph = std::make_unique<TBitmap>();
  glyph->SetSize(6, 6);
  TcxCanvas canvas(glyph->Canvas());
  canvas.FillRect(TRect(0, 0, 6, 6), clFuchsia);
  canvas.FillRect(TRect(2, 2, 4, 4), clBlue);
  glyph->SetTransparentColor(clFuchsia);
  return glyph;
}

TEST(cxCanvasImages, AnEnabledGlyphShowsTheBackgroundColourOrTheCanvasThroughItsTransparentColour) {
  auto glyph = CentreGlyph();
  struct {
    TColor Background;
    TColor Expected;
  } cases[] = {{clLime, clLime}, {clNone, clRed}, {clDefault, clYellow}};
  for (const auto& c : cases) {
    TPaintSurface surface(10, 10, clRed);
    surface.Canvas->SetBrushColor(clYellow);
    surface.Canvas->DrawGlyph(2, 2, glyph.get(), true, c.Background);
    EXPECT_EQ(c.Expected, surface.Pixel(3, 3)) << c.Background;
    EXPECT_EQ(clBlue, surface.Pixel(5, 5)) << c.Background;
    EXPECT_EQ(clRed, surface.Pixel(1, 1)) << c.Background;
    EXPECT_EQ(bsSolid, surface.Canvas->Brush()->Style());
  }
}

TEST(cxCanvasImages, ADisabledGlyphIsDrawnGreyOverItsBackground) {
  auto glyph = CentreGlyph();
  glyph->SetTransparentMode(tmFixed);
  TPaintSurface onCanvas(10, 10, clRed);
  onCanvas.Canvas->DrawGlyph(2, 2, glyph.get(), false);
  TPaintSurface onColour(10, 10, clRed);
  onColour.Canvas->DrawGlyph(2, 2, glyph.get(), false, clLime);
  for (TPaintSurface* surface : {&onCanvas, &onColour}) {
    const TColor centre = surface->Pixel(5, 5);
    EXPECT_NE(clBlue, centre);
    EXPECT_EQ(GetRValue(centre), GetGValue(centre));
    EXPECT_EQ(GetGValue(centre), GetBValue(centre));
    EXPECT_EQ(clRed, surface->Pixel(1, 1));
  }
  EXPECT_EQ(clRed, onCanvas.Pixel(3, 3));
  EXPECT_EQ(clLime, onColour.Pixel(3, 3));
}

TEST(cxCanvasImages, DrawingAtAnOpacityMixesTheGraphicWithTheCanvas) {
  TBitmap white;
  white.SetSize(4, 4);
  TcxCanvas(white.Canvas()).FillRect(TRect(0, 0, 4, 4), clWhite);
  TPaintSurface surface(10, 10);
  surface.Canvas->Draw(2, 2, &white, 64);
  EXPECT_NEAR(64, surface.Pixel(3, 3) & 0xFF, 1);
  EXPECT_EQ(clBlack, surface.Pixel(6, 6));
  surface.Canvas->Draw(2, 2, &white, 255);
  EXPECT_EQ(clWhite, surface.Pixel(5, 5));
}

TEST(cxCanvasImages, RotationsAndFlipsMovePixelsAsTurnedOnScreen) {
  auto marked = [] {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(4, 2);
    TcxCanvas canvas(bitmap->Canvas());
    canvas.FillRect(TRect(0, 0, 4, 2), clBlack);
    canvas.FillRect(TRect(3, 0, 4, 1), clRed);  // top right corner
    return bitmap;
  };
  struct {
    TcxRotationAngle Angle;
    bool Flip;
    TSize Size;
    TPoint Red;
  } cases[] = {{raPlus90, false, {2, 4}, {0, 0}},  {raMinus90, false, {2, 4}, {1, 3}},
               {ra180, false, {4, 2}, {0, 1}},    {ra0, true, {4, 2}, {3, 1}},
               {raPlus90, true, {2, 4}, {0, 3}},  {ra180, true, {4, 2}, {0, 0}}};
  for (const auto& c : cases) {
    auto bitmap = marked();
    TcxCanvas::RotateBitmap(bitmap.get(), c.Angle, c.Flip);
    ASSERT_EQ(c.Size, TSize(bitmap->Width(), bitmap->Height())) << static_cast<int>(c.Angle) << c.Flip;
    EXPECT_EQ(clRed, PixelColor(*bitmap, c.Red.X, c.Red.Y)) << static_cast<int>(c.Angle) << c.Flip;
  }
  auto bitmap = marked();
  TcxCanvas::FlipHorizontally(bitmap.get());
  EXPECT_EQ(clRed, PixelColor(*bitmap, 0, 0));
}

TEST(cxCanvasImages, TransparentDrawMixesTheBitmapOverTheCanvas) {
  TBitmap overlay;
  overlay.SetPixelFormat(pf32bit);
  overlay.SetSize(4, 4);
  TcxCanvas(overlay.Canvas()).FillRect(TRect(0, 0, 4, 4), clWhite);
  TPaintSurface surface(10, 10);
  surface.Canvas->TransparentDraw(2, 2, &overlay, 128);
  const TColor mixed = surface.Pixel(3, 3);
  EXPECT_NEAR(128, mixed & 0xFF, 1);
  EXPECT_EQ(clBlack, surface.Pixel(1, 1));
  EXPECT_EQ(clBlack, surface.Pixel(6, 6));
}

TEST(cxPaintCanvas, NestedPaintsReturnToTheCanvasWrappedBefore) {
  TcxPaintCanvas* canvas = cxSharedPaintCanvas();
  ASSERT_NE(nullptr, canvas);
  EXPECT_EQ(canvas, cxSharedPaintCanvas());
  canvas->EndPaint();  // without BeginPaint: nothing
  TCanvas* before = canvas->Canvas();
  TPaintSurface first(10, 10), second(10, 10);
  canvas->BeginPaint(first.Bitmap.Canvas()->Handle());
  canvas->FillRect(TRect(0, 0, 10, 10), clRed);
  canvas->BeginPaint(second.Bitmap.Canvas());
  EXPECT_EQ(second.Bitmap.Canvas(), canvas->Canvas());
  canvas->FillRect(TRect(0, 0, 10, 10), clLime);
  canvas->EndPaint();
  canvas->FillRect(TRect(0, 0, 5, 5), clBlue);
  canvas->EndPaint();
  EXPECT_EQ(before, canvas->Canvas());
  EXPECT_EQ(clBlue, first.Pixel(1, 1));
  EXPECT_EQ(clRed, first.Pixel(8, 8));
  EXPECT_EQ(clLime, second.Pixel(8, 8));
}

// ---------------------------------------------------------------- text

TEST(cxCanvasText, FlagsTranslateToDrawTextFormats) {
  EXPECT_EQ(static_cast<uint32_t>(DT_NOPREFIX), cxTextFlagsToDrawTextFlags(cxtfAlignLeft | cxtfAlignTop));
  EXPECT_EQ(static_cast<uint32_t>(DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX),
            cxTextFlagsToDrawTextFlags(cxtfAlignRight | cxtfAlignVCenter | cxtfSingleLine | cxtfEndEllipsis));
  EXPECT_EQ(static_cast<uint32_t>(DT_WORDBREAK | DT_EDITCONTROL), cxTextFlagsToDrawTextFlags(cxtfWordBreak | cxtfShowPrefix));
  EXPECT_EQ(static_cast<uint32_t>(DT_WORDBREAK | DT_NOFULLWIDTHCHARBREAK | DT_NOPREFIX),
            cxTextFlagsToDrawTextFlags(cxtfWordBreak | cxtfDontBreakChars | cxtfNoFullWidthCharBreak));
}

TEST(cxCanvasText, MeasuringInAZeroWidthRectangleBreaksEveryCharacter) {
  TPaintSurface surface(10, 10);
  const int lineHeight = surface.Canvas->TextHeight(L"W");
  TRect r(5, 5, 5, 5);
  surface.Canvas->TextExtent(L"WWW", r, cxtfWordBreak);
  EXPECT_EQ(3 * lineHeight, r.Height());
  TRect centred(0, 0, 200, 40);
  surface.Canvas->TextExtent(L"W", centred, cxtfSingleLine | cxtfAlignHCenter | cxtfAlignVCenter);
  EXPECT_EQ((200 - centred.Width()) / 2, centred.Left);
  EXPECT_EQ((40 - lineHeight) / 2, centred.Top);
}

TEST(cxCanvasText, DisabledTextIsDrawnInHighlightOffsetByOnePixelThenInShadow) {
  TPaintSurface enabled(60, 30, clRed), disabled(60, 30, clRed);
  for (auto* surface : {&enabled, &disabled}) {
    surface->Canvas->Font()->SetColor(clBlack);
    surface->Canvas->Brush()->SetStyle(bsClear);
  }
  const int flags = cxtfSingleLine | cxtfAlignLeft | cxtfAlignTop;
  enabled.Canvas->DrawTexT(L"Ag", TRect(5, 5, 60, 30), flags, true);
  disabled.Canvas->DrawTexT(L"Ag", TRect(5, 5, 60, 30), flags, false);
  const TRect ink = enabled.BoundsOfPixelsOtherThan(clRed);
  ASSERT_FALSE(ink.IsEmpty());
  const TRect disabledInk = disabled.BoundsOfPixelsOtherThan(clRed);
  EXPECT_EQ(TRect(ink.Left, ink.Top, ink.Right + 1, ink.Bottom + 1), disabledInk);
  EXPECT_GT(disabled.CountOf(SysRGB(clBtnShadow)), 0);
  EXPECT_GT(disabled.CountOf(SysRGB(clBtnHighlight)), 0);
  EXPECT_EQ(0, disabled.CountOf(clBlack));
  EXPECT_EQ(clBlack, disabled.Canvas->Font()->Color());  // put back
}

TEST(cxCanvasText, StringBoundsGiveOneRectanglePerLine) {
  TPaintSurface surface(10, 10);
  TcxCanvas& canvas = *surface.Canvas;
  const int h = canvas.TextHeight(L"W");
  auto width = [&](const String& AText) { return canvas.TextWidth(AText); };
  // Room for "aaa bbb" but not for "aaa bbb ccc".
  const TRect r(10, 20, 10 + width(L"aaa bbb c") - 1, 20 + 5 * h);
  struct {
    String Text;
    int Flags;
    bool Enabled;
    TRects Expected;
  } cases[] = {
      {L"aaa bbb ccc", cxtfAlignLeft, true,
       {TRect(10, 20, 10 + width(L"aaa bbb "), 20 + h), TRect(10, 20 + h, 10 + width(L"ccc"), 20 + 2 * h)}},
      // Right-aligned lines drop the space they break at.
      {L"aaa bbb ccc", cxtfAlignRight, true,
       {TRect(r.Right - width(L"aaa bbb"), 20, r.Right, 20 + h),
        TRect(r.Right - width(L"ccc"), 20 + h, r.Right, 20 + 2 * h)}},
      // A line break ends a line whether or not more would fit; CR LF is one break.
      {L"ab\r\ncd", cxtfAlignLeft, true,
       {TRect(10, 20, 10 + width(L"ab"), 20 + h), TRect(10, 20 + h, 10 + width(L"cd"), 20 + 2 * h)}},
      // Accelerator marks take no room; a disabled text is measured one pixel smaller.
      {L"&ab", cxtfAlignRight | cxtfShowPrefix, false, {TRect(r.Right - 1 - width(L"ab"), 20, r.Right - 1, 20 + h)}},
      {L"ab", cxtfAlignLeft | cxtfAlignBottom | cxtfSingleLine, true,
       {TRect(10, r.Bottom - h, 10 + width(L"ab"), r.Bottom)}},
      {L"", cxtfAlignLeft, true, {}},
  };
  for (const auto& c : cases) {
    TRects bounds{TRect(1, 1, 2, 2)};  // appended to
    canvas.GetTextStringsBounds(c.Text, r, c.Flags, c.Enabled, bounds);
    TRects expected{TRect(1, 1, 2, 2)};
    expected.insert(expected.end(), c.Expected.begin(), c.Expected.end());
    EXPECT_EQ(expected, bounds) << c.Text;
  }
}

TEST(cxCanvasText, TheAlignmentFormMatchesTheFlagForm) {
  TPaintSurface byFlags(80, 30), byAlignment(80, 30);
  for (auto* surface : {&byFlags, &byAlignment}) surface->Canvas->Font()->SetColor(clWhite);
  byFlags.Canvas->DrawTexT(L"Right", TRect(0, 0, 80, 30),
                           cxtfAlignRight | cxtfAlignVCenter | cxtfSingleLine | cxtfEndEllipsis, true);
  byAlignment.Canvas->DrawTexT(L"Right", TRect(0, 0, 80, 30), taRightJustify, vaCenter, false, true);
  const TRect ink = byFlags.BoundsOfPixelsOtherThan(clBlack);
  EXPECT_EQ(ink, byAlignment.BoundsOfPixelsOtherThan(clBlack));
  EXPECT_GT(ink.Right, 70);
}

TEST(cxTextRoutines, RowsWrapAndLines) {
  TPaintSurface surface(200, 100);
  HDC dc = surface.Canvas->Handle();
  const String text = L"word word word";
  TRect two;
  cxDCTextRectForRows(dc, text, 2, false, two);
  const int wordWidth = cxDCTextSize(dc, L"word").cx, pairWidth = cxDCTextSize(dc, L"word word").cx;
  EXPECT_GE(two.Width(), pairWidth);
  EXPECT_LT(two.Width(), pairWidth + wordWidth);
  EXPECT_EQ(2 * cxDCTextHeight(dc), two.Height());

  std::vector<String> lines;
  cxWrapTextToLines(L"a\r\nb", surface.Canvas.get(), TRect(0, 0, 200, 10), lines);
  EXPECT_EQ((std::vector<String>{L"a", L"b"}), lines);
  cxWrapTextToLines(text, surface.Canvas.get(), TRect(0, 0, pairWidth, 10), lines);
  EXPECT_EQ((std::vector<String>{L"word word", L"word"}), lines);
  cxWrapTextToLines(L"", surface.Canvas.get(), TRect(0, 0, 10, 10), lines);
  EXPECT_TRUE(lines.empty());
}

TEST(cxTextRoutines, ABlockTooTallForItsRectangleStartsAtTheTop) {
  TPaintSurface surface(200, 100);
  surface.Canvas->Font()->SetColor(clWhite);
  const int h = cxDCTextHeight(surface.Canvas->Handle());
  const int lines = cxDrawTextLines(surface.Canvas.get(), L"one\ntwo\nthree", TRect(0, 20, 200, 20 + 2 * h),
                                    DT_VCENTER, clDefault);
  EXPECT_EQ(3, lines);
  const TRect ink = surface.BoundsOfPixelsOtherThan(clBlack);
  EXPECT_GE(ink.Top, 20);
  EXPECT_LT(ink.Top, 20 + h);
}

TEST(cxTextRoutines, NonLatinCharsetsAreRecognisedByTheFirstCharacter) {
  EXPECT_TRUE(cxNonLatinCharsetText(GB2312_CHARSET, L"\x4E2D\x6587"));
  EXPECT_FALSE(cxNonLatinCharsetText(GB2312_CHARSET, L"Latin"));
  EXPECT_FALSE(cxNonLatinCharsetText(ANSI_CHARSET, L"\x4E2D"));
  EXPECT_TRUE(cxNonLatinCharsetText(ARABIC_CHARSET, L""));
}

TEST(cxTextRoutines, RotatedTextReadsUpwardsAndLeavesTheRestOfTheRectangle) {
  TPaintSurface surface(80, 120, clBlue);
  surface.Canvas->Font()->SetColor(clWhite);
  TRect r(10, 10, 40, 110);
  cxDrawRotatedText(surface.Canvas.get(), L"Upwards", r, DT_SINGLELINE | DT_NOPREFIX, clDefault, raPlus90);
  const TRect ink = surface.BoundsOfPixelsOtherThan(clBlue);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GT(ink.Height(), 2 * ink.Width());  // the text runs vertically
  EXPECT_GE(ink.Left, r.Left);
  EXPECT_LE(ink.Bottom, r.Bottom);
  EXPECT_GT(ink.Bottom, r.Bottom - 10);  // it starts at the bottom: read upwards
  EXPECT_EQ(clBlue, surface.Pixel(r.Right - 1, r.Top));
}

TEST(cxTextRoutines, MeasuringWithAFontOnTheSharedScreenCanvas) {
  TFont font;
  font.SetHeight(-20);
  EXPECT_GE(cxFontPixelHeight(&font), 20);
  const TSize size = cxMeasureTextSize(&font, L"Text");
  EXPECT_EQ(cxMeasureTextWidth(&font, L"Text"), size.cx);
  EXPECT_GT(cxMeasureTextWidth(&font, L"Text", 30), size.cx);
}

}  // namespace
