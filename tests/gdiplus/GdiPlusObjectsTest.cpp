#include <gtest/gtest.h>

#include "tests/gdiplus/GdiPlusTestUtils.h"

namespace {
constexpr TdxAlphaColor OpaqueRed = 0xFFFF0000;
constexpr TdxAlphaColor OpaqueGreen = 0xFF00FF00;

void ExpectPoint(const TdxPointF& P, float X, float Y) {
  EXPECT_NEAR(P.X, X, 1e-4);
  EXPECT_NEAR(P.Y, Y, 1e-4);
}
}  // namespace

TEST(GdiPlusMatrix, TransformsAboutPivotsAndCentres) {
  TdxGPMatrix rotation;
  rotation.Rotate(90, TdxPointF(10, 10), MatrixOrderAppend);
  ExpectPoint(rotation.TransformPoint(TdxPointF(10, 10)), 10, 10);
  ExpectPoint(rotation.TransformPoint(TdxPointF(11, 10)), 10, 11);

  // A scale about a centre keeps what the matrix held.
  TdxGPMatrix scale;
  scale.Translate(100, 0);
  scale.Scale(TdxPointF(2, 2), TdxPointF(10, 10));
  ExpectPoint(scale.TransformPoint(TdxPointF(10, 10)), 110, 10);
  ExpectPoint(scale.TransformPoint(TdxPointF(11, 10)), 112, 10);
  EXPECT_FLOAT_EQ(scale.OffsetX(), 90);

  const auto flip = TdxGPMatrix::CreateFlip(true, false, 5, 7);
  ExpectPoint(flip->TransformPoint(TdxPointF(0, 3)), 10, 3);
  EXPECT_EQ(flip->TransformPoint(TPoint(2, 2)), TPoint(8, 2));

  TdxGPMatrix shift(1, 0, 0, 1, 3, 4);
  EXPECT_FALSE(shift.IsIdentity());
  EXPECT_TRUE(shift.IsInvertible());
  shift.Invert();
  EXPECT_FLOAT_EQ(shift.OffsetY(), -4);
  shift.Reset();
  EXPECT_TRUE(shift.IsIdentity());

  TdxGPMatrix quarter;
  quarter.Rotate(90);
  const TdxRectF bounds = quarter.GetBoundingRectangle(TdxRectF{0, 0, 4, 2});
  EXPECT_NEAR(bounds.Left, -2, 1e-4);
  EXPECT_NEAR(bounds.Right, 0, 1e-4);
  EXPECT_NEAR(bounds.Bottom, 4, 1e-4);
  const TRect corners = quarter.TransformRect(TRect(0, 0, 4, 2));
  EXPECT_EQ(corners, TRect(0, 0, -2, 4)) << "the two corners each on its own";

  int changes = 0;
  TdxGPMatrix copy;
  copy.OnChange = [&](TObject*) { ++changes; };
  copy.Assign(&scale);
  EXPECT_EQ(changes, 1);
  EXPECT_FLOAT_EQ(copy.OffsetX(), 90);
}

TEST(GdiPlusGradientPoints, StayInOrderAndGrow) {
  TdxGPBrushGradientPoints points;
  EXPECT_EQ(points.Add(0.5f, 1), 0);
  EXPECT_EQ(points.Add(0.25f, 2), 0) << "the index the point has once sorted in";
  EXPECT_EQ(points.Add(0.75f, 3), 2);
  EXPECT_EQ(points.GetColor(1), 1u);
  EXPECT_EQ(points.Capacity(), 16);
  points.SetOffset(0, 0.9f);
  EXPECT_FLOAT_EQ(points.GetOffset(2), 0.9f);
  EXPECT_EQ(points.GetColor(2), 2u);

  try {
    points.GetColor(3);
    ADD_FAILURE();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), L"List index out of bounds (3)");
  }

  for (int i = points.Count(); i < 16; ++i) points.Add(0, 0);
  points.Add(0, 0);
  EXPECT_EQ(points.Capacity(), 32);
  points.SetCapacity(200);
  while (points.Count() < 200) points.Add(1, 0);
  points.Add(1, 0);
  EXPECT_EQ(points.Capacity(), 300);
  points.SetCapacity(-3);
  EXPECT_EQ(points.Capacity(), 0);
  EXPECT_EQ(points.Count(), 0);

  TdxGPBrushGradientPoints mirrored;
  mirrored.Add(0.0f, OpaqueRed);
  mirrored.Add(0.25f, OpaqueGreen);
  mirrored.InvertOrder();
  EXPECT_FLOAT_EQ(mirrored.GetOffset(0), 0.75f);
  EXPECT_EQ(mirrored.GetColor(0), OpaqueGreen);
  EXPECT_FLOAT_EQ(mirrored.GetOffset(1), 1.0f);
  EXPECT_EQ(mirrored.GetColor(1), OpaqueRed);
  mirrored.Delete(0);
  EXPECT_EQ(mirrored.Count(), 1);
}

TEST(GdiPlusBrush, TargetRectangleAndGradients) {
  TdxGPBrush brush;
  int changes = 0;
  brush.OnChange = [&](TObject*) { ++changes; };
  brush.SetTargetRect(TRect(0, 0, 10, 10));
  EXPECT_TRUE(GpIsEqualRectF(brush.TargetRect(), MakeRect(-1.0f, -1.0f, 12.0f, 12.0f)));
  brush.SetTargetRect(TRect(0, 0, 10, 10));
  EXPECT_EQ(changes, 0);

  // A gradient without a target is a transparent brush.
  auto bitmap = FilledBitmap(40, 10);
  TdxGPBrush gradient;
  gradient.SetStyle(gpbsGradient);
  gradient.GradientPoints()->Add(0.5f, OpaqueRed);
  PaintOn(*bitmap, [&](TdxGPCanvas& canvas) {
    dxCheckGpStatus(GdipFillRectangleI(canvas.Handle(), gradient.Handle(), 0, 0, 40, 10));
  });
  EXPECT_EQ(PixelColor(*bitmap, 20, 5), clWhite);

  // One stop in the middle: the colour there, fading out toward both ends.
  PaintOn(*bitmap, [&](TdxGPCanvas& canvas) { canvas.FillRectangle(TRect(0, 0, 40, 10), &gradient); });
  EXPECT_TRUE(ColorNear(PixelColor(*bitmap, 20, 5), clRed, 24));
  EXPECT_TRUE(ColorNear(PixelColor(*bitmap, 0, 5), clWhite, 40));
  EXPECT_TRUE(ColorNear(PixelColor(*bitmap, 39, 5), clWhite, 40));
  EXPECT_FALSE(gradient.IsEmpty());
  gradient.GradientPoints()->Clear();
  EXPECT_TRUE(gradient.IsEmpty());

  TdxGPBrush copy;
  brush.SetColor(OpaqueGreen);
  copy.Assign(&brush);
  EXPECT_EQ(copy.Color(), OpaqueGreen);
  EXPECT_TRUE(GpIsEqualRectF(copy.TargetRect(), brush.TargetRect())) << "a copy aims where its source does";
}

TEST(GdiPlusBrush, TextureFillsFromItsImage) {
  TdxGPBrush brush;
  brush.SetStyle(gpbsTexture);
  EXPECT_TRUE(brush.IsEmpty());
  TdxGPImage tile(2, 2, OpaqueGreen);
  brush.SetTexture(&tile);
  EXPECT_FALSE(brush.IsEmpty());
  auto bitmap = FilledBitmap(10, 10);
  PaintOn(*bitmap, [&](TdxGPCanvas& canvas) { canvas.FillRectangle(TRect(2, 2, 8, 8), &brush); });
  EXPECT_EQ(PixelColor(*bitmap, 5, 5), clLime);
  EXPECT_EQ(PixelColor(*bitmap, 1, 1), clWhite);
}

TEST(GdiPlusPen, WidthStyleAndBrush) {
  TdxGPPen pen;
  pen.SetWidth(0.00005f);
  pen.Brush()->SetColor(OpaqueRed);
  EXPECT_TRUE(pen.IsEmpty());
  pen.SetWidth(-3);
  EXPECT_EQ(pen.Width(), 0.0f);
  pen.SetWidth(3);
  EXPECT_FALSE(pen.IsEmpty());

  auto bitmap = FilledBitmap(20, 20);
  PaintOn(*bitmap, [&](TdxGPCanvas& canvas) { canvas.Line(0, 5, 19, 5, &pen); });
  EXPECT_EQ(PixelColor(*bitmap, 10, 5), clRed);
  int changes = 0;
  pen.OnChange = [&](TObject*) { ++changes; };
  pen.Brush()->SetColor(OpaqueGreen);  // reaches the live pen
  EXPECT_EQ(changes, 1);
  PaintOn(*bitmap, [&](TdxGPCanvas& canvas) { canvas.Line(0, 15, 19, 15, &pen); });
  EXPECT_EQ(PixelColor(*bitmap, 10, 15), clLime);

  TdxGPPen copy;
  pen.SetStyle(gppsDash);
  copy.Assign(&pen);
  EXPECT_EQ(copy.Style(), gppsDash);
  EXPECT_EQ(copy.Width(), 3.0f);
  EXPECT_EQ(copy.Brush()->Color(), OpaqueGreen);
}

TEST(GdiPlusPath, ShapesBoundsAndHitTests) {
  TdxGPPath path;
  path.AddRoundRect(TRect(0, 0, 30, 12), 20, 20);  // radii capped at 10 and 4
  EXPECT_EQ(path.GetBounds(), TRect(0, 0, 30, 12));
  EXPECT_FALSE(path.IsPointInPath(TPoint(2, 1)));
  EXPECT_TRUE(path.IsPointInPath(TPoint(2, 5)));
  EXPECT_TRUE(path.IsPointInPath(TdxPointF(15, 6)));
  EXPECT_FALSE(path.IsPointInPathOutline(TPoint(0, 6), 0));
  EXPECT_TRUE(path.IsPointInPathOutline(TPoint(0, 6), 2));

  TdxGPPen pen;
  pen.SetWidth(4);
  pen.Brush()->SetColor(OpaqueRed);
  const TdxRectF widened = path.GetBoundsF(&pen);
  EXPECT_LT(widened.Left, 0);
  EXPECT_TRUE(path.IsPointInPathOutline(TdxPointF(15, 1), &pen));

  path.Reset();
  path.AddPolygon({TPoint(0, 0), TPoint(10, 0), TPoint(0, 10)});
  EXPECT_TRUE(path.IsPointInPath(TPoint(2, 2)));
  EXPECT_FALSE(path.IsPointInPath(TPoint(8, 8)));

  TFont font;
  font.SetName(TestFontName);
  TdxGPPath text;
  text.AddString(L"Hi", &font, 20, TRect(0, 0, 100, 40));
  const TRect textBounds = text.GetBounds();
  EXPECT_FALSE(textBounds.IsEmpty());
  EXPECT_LE(textBounds.Right, 100);
}

TEST(GdiPlusRegion, CombinesRectangles) {
  auto bitmap = FilledBitmap(20, 10);
  TdxGPRegion region(TRect(0, 0, 10, 10));
  region.CombineRegionRect(TRect(5, 0, 20, 10), gmXor);
  PaintOn(*bitmap, [&](TdxGPCanvas& canvas) { canvas.Region(&region, 0, OpaqueRed); });
  EXPECT_EQ(PixelColor(*bitmap, 2, 5), clRed);
  EXPECT_EQ(PixelColor(*bitmap, 7, 5), clWhite);
  EXPECT_EQ(PixelColor(*bitmap, 15, 5), clRed);
}

TEST(GdiPlusImageAttributes, RecolourAndFade) {
  TdxGPImage image(4, 4, OpaqueRed);
  TdxGPImageAttributes attributes;
  attributes.SetRemapTable({{OpaqueRed, OpaqueGreen}});
  auto bitmap = FilledBitmap(8, 4);
  PaintOn(*bitmap, [&](TdxGPCanvas& canvas) {
    canvas.Draw(&image, TRect(0, 0, 4, 4), &attributes);
    const auto clone = attributes.Clone();
    clone->ClearRemapTable();
    canvas.Draw(&image, TRect(4, 0, 8, 4), clone.get());
  });
  EXPECT_EQ(PixelColor(*bitmap, 1, 1), clLime);
  EXPECT_EQ(PixelColor(*bitmap, 5, 1), clRed);

  EXPECT_EQ(dxGpGetAlphaBlendAttributes(128)->Alpha(), 128);
  PaintOn(*bitmap, [&](TdxGPCanvas& canvas) { canvas.Draw(&image, TRect(0, 0, 4, 4), 128); });
  EXPECT_TRUE(ColorNear(PixelColor(*bitmap, 1, 1), RGB(128, 127, 0), 8)) << "half red over green";
}
