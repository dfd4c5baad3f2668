#include <gtest/gtest.h>

#include <vector>

#include "components/core/cxGeometry.h"
#include "vcl/classes/Filer.h"
#include "vcl/classes/TypInfo.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/Streams.h"
#include "vcl/rtl/SysUtils.h"

namespace {

void ExpectRectF(const TdxRectF& AActual, const TdxRectF& AExpected) {
  EXPECT_FLOAT_EQ(AActual.Left, AExpected.Left);
  EXPECT_FLOAT_EQ(AActual.Top, AExpected.Top);
  EXPECT_FLOAT_EQ(AActual.Right, AExpected.Right);
  EXPECT_FLOAT_EQ(AActual.Bottom, AExpected.Bottom);
}

bool Inside(const TdxRectF& AInner, const TdxRectF& AOuter) {
  const float tolerance = 1e-3f;
  return AInner.Left >= AOuter.Left - tolerance && AInner.Top >= AOuter.Top - tolerance &&
         AInner.Right <= AOuter.Right + tolerance && AInner.Bottom <= AOuter.Bottom + tolerance;
}

}  // namespace

TEST(Geometry, IntegerRectangles) {
  struct CenterCase {
    TRect R;
    int W, H;
    TRect Expected;
  };
  for (const CenterCase& c : {CenterCase{{0, 0, 5, 5}, 2, 2, {1, 1, 3, 3}},
                              CenterCase{{-5, -5, 0, 0}, 2, 2, {-4, -4, -2, -2}},
                              CenterCase{{-3, -3, 0, 0}, 0, 0, {-2, -2, -2, -2}},
                              CenterCase{{0, 0, 4, 4}, 10, 10, {-3, -3, 7, 7}},
                              CenterCase{{10, 20, 10, 20}, 1, 1, {9, 19, 10, 20}}}) {
    EXPECT_EQ(cxRectCenteredOfSize(c.R, c.W, c.H), c.Expected)
        << c.R.Left << "," << c.R.Top << " size " << c.W;
  }

  const TRect r(-10, -20, 30, 40);
  EXPECT_EQ(cxRectExpand(r, 1, 2, 3, 4), TRect(-11, -22, 33, 44));
  EXPECT_EQ(cxRectShiftBy(r, 5, -5), TRect(-5, -25, 35, 35));
  EXPECT_EQ(cxRectShiftBy(r, 5, -5, false), TRect(-15, -15, 25, 45));
  EXPECT_EQ(cxPointShiftBy(TPoint(1, 1), 2, 3, false), TPoint(-1, -2));
  EXPECT_EQ(cxRectPlaceBottom(r, 0, 5), TRect(-10, -5, 30, 0));
  EXPECT_EQ(cxRectPlaceLeft(r, -3, 6), TRect(-3, -20, 3, 40));
  EXPECT_EQ(cxRectPlaceTop(r, 7, 2), TRect(-10, 7, 30, 9));
  EXPECT_EQ(cxRectFromPoints(TPoint(1, 2), TPoint(3, 4)), TRect(1, 2, 3, 4));

  EXPECT_TRUE(cxRectContainsXY(r, -10, -20));
  EXPECT_FALSE(cxRectContainsXY(r, 30, 0)) << "right edge";
  EXPECT_FALSE(cxRectContainsXY(r, 0, 40)) << "bottom edge";
  EXPECT_FALSE(cxRectContainsXY(TRect(0, 0, 0, 0), 0, 0)) << "an empty rectangle holds nothing";
  EXPECT_FALSE(cxRectContainsXY(TRect(5, 5, 0, 0), 2, 2)) << "nor does an inverted one";
}

TEST(Geometry, FloatRectangles) {
  const TdxRectF r = dxRectFMake(-4, -2, 6, 8);
  ExpectRectF(dxRectFFromRect(TRect(-1, 2, 3, 4)), dxRectFMake(-1, 2, 3, 4));
  ExpectRectF(dxRectFInsideMargins(r, dxRectFMake(1, 2, 3, 4)), dxRectFMake(-3, 0, 3, 4));
  ExpectRectF(dxRectFShiftBy(r, 1.5f, -1, false), dxRectFMake(-5.5f, -1, 4.5f, 9));
  EXPECT_FLOAT_EQ(dxRectFWidth(r), 10);
  EXPECT_FLOAT_EQ(dxRectFHeight(r), 10);
  ExpectRectF(dxRectFSetWidth(r, 2), dxRectFMake(-4, -2, -2, 8));
  ExpectRectF(dxRectFSetHeight(r, 0), dxRectFMake(-4, -2, 6, -2));

  // The union ignores a second rectangle without area.
  ExpectRectF(dxRectFUnionBounds(r, dxRectFMake(100, 100, 100, 200)), r);
  ExpectRectF(dxRectFUnionBounds(r, dxRectFMake(0, 0, -5, 5)), r);
  ExpectRectF(dxRectFUnionBounds(r, dxRectFMake(-10, 0, 1, 20)), dxRectFMake(-10, -2, 6, 20));

  EXPECT_TRUE(dxRectFIsEqual(dxRectFMake(1000, 0, 0, 0), dxRectFMake(1000.05f, 0, 0, 0)));
  EXPECT_FALSE(dxRectFIsEqual(dxRectFMake(1000, 0, 0, 0), dxRectFMake(1000.5f, 0, 0, 0)));
  EXPECT_TRUE(dxRectFIsEqual(dxRectFMake(0, 0, 0, 0), dxRectFMake(0.00005f, 0, 0, 0)));
}

TEST(Geometry, ProportionalFitStaysInsideTheTarget) {
  struct Case {
    TdxRectF Source, Target, Expected;
  };
  const std::vector<Case> cases{
      // wide source into a square: full width, centred vertically
      {dxRectFMake(0, 0, 200, 100), dxRectFMake(10, 10, 110, 110), dxRectFMake(10, 35, 110, 85)},
      // tall source: full height, centred horizontally
      {dxRectFMake(0, 0, 50, 100), dxRectFMake(0, 0, 100, 100), dxRectFMake(25, 0, 75, 100)},
      // a source away from the origin lands in the target all the same
      {dxRectFMake(300, 400, 500, 500), dxRectFMake(10, 10, 110, 110), dxRectFMake(10, 35, 110, 85)},
      {dxRectFMake(-80, -60, -30, 40), dxRectFMake(-100, -100, 0, 0), dxRectFMake(-75, -100, -25, 0)},
  };
  for (const Case& c : cases) {
    const TdxRectF fitted = dxRectFFitProportional(c.Source, c.Target);
    ExpectRectF(fitted, c.Expected);
    EXPECT_TRUE(Inside(fitted, c.Target));
  }
  ExpectRectF(dxRectFFitProportional(dxRectFMake(5, 5, 25, 15), TdxSizeF(10, 10)),
              dxRectFMake(0, 2.5f, 10, 7.5f));
  // Without height there is nothing to scale: the source comes back.
  const TdxRectF flat = dxRectFMake(1, 1, 5, 1);
  ExpectRectF(dxRectFFitProportional(flat, dxRectFMake(0, 0, 10, 10)), flat);
  ExpectRectF(dxRectFFitProportional(dxRectFMake(0, 0, 4, 4), dxRectFMake(0, 0, 10, -1)),
              dxRectFMake(0, 0, 4, 4));
}

TEST(GeometryObjects, RectNotifiesRealChanges) {
  TcxRect rect(nullptr);
  int changes = 0;
  rect.OnChange = [&](TObject* ASender) {
    EXPECT_EQ(ASender, &rect);
    ++changes;
  };
  rect.SetRect(TRect(1, 2, 3, 4));
  rect.SetRect(TRect(1, 2, 3, 4));
  EXPECT_EQ(changes, 1);
  rect.SetValue(4, 99);  // no such side
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(rect.GetValue(7), 4) << "any other index reads Bottom";
  rect.SetWidth(10);
  rect.SetHeight(-2);
  EXPECT_EQ(rect.Rect(), TRect(1, 2, 11, 0));
  EXPECT_TRUE(rect.IsEmpty());
  rect.SetBottomRight(TPoint(20, 30));
  rect.SetTopLeft(TPoint(-5, -6));
  EXPECT_EQ(rect.Rect(), TRect(-5, -6, 20, 30));
  EXPECT_EQ(rect.TopRight(), TPoint(20, -6));
  EXPECT_EQ(rect.BottomLeft(), TPoint(-5, 30));
  EXPECT_FALSE(rect.IsEmpty());
  EXPECT_EQ(changes, 5);

  TcxRect copy(nullptr);
  copy.Assign(&rect);
  EXPECT_TRUE(copy.IsEqual(&rect));
  TcxSize size(nullptr);
  copy.Assign(&size);  // another geometry object: nothing to copy
  EXPECT_TRUE(copy.IsEqual(rect.Rect()));
}

TEST(GeometryObjects, SizeClampsAndKnowsItsDefault) {
  TcxSize size(nullptr, 16, 8);
  EXPECT_FALSE(size.IsValueStored(0));
  EXPECT_FALSE(size.IsValueStored(1));
  size.SetSize(TSize(-3, 7));
  EXPECT_EQ(size.Size(), TSize(0, 7));
  EXPECT_EQ(size.Width(), 0);
  EXPECT_EQ(size.Height(), 7);
  EXPECT_TRUE(size.IsValueStored(0));
  EXPECT_TRUE(size.IsValueStored(1));
  size.SetHeight(0);
  EXPECT_TRUE(size.IsEmpty());
  size.SetWidth(16);
  size.SetHeight(8);
  EXPECT_FALSE(size.IsValueStored(0));
}

TEST(GeometryObjects, MarginAllAndItsStoredValues) {
  TcxMargin margin(nullptr, 2);
  int changes = 0;
  margin.OnChange = [&](TObject*) { ++changes; };
  EXPECT_EQ(margin.Margin(), TRect(2, 2, 2, 2));
  const auto stored = [&] {
    std::vector<bool> result;
    for (int index = 0; index <= 4; ++index) result.push_back(margin.IsValueStored(index));
    return result;
  };
  EXPECT_EQ(stored(), (std::vector<bool>{false, false, false, false, false}));

  margin.SetLeft(5);
  EXPECT_EQ(margin.All(), -1);
  EXPECT_EQ(stored(), (std::vector<bool>{true, true, true, true, true}));
  margin.SetAll(-1);  // reads -1 already: nothing changes
  EXPECT_EQ(margin.Margin(), TRect(5, 2, 2, 2));
  EXPECT_EQ(changes, 1);

  margin.SetLeft(2);
  EXPECT_EQ(margin.All(), 2);
  EXPECT_EQ(stored(), (std::vector<bool>{false, false, false, false, false}));
  margin.SetAll(7);
  EXPECT_EQ(margin.Margin(), TRect(7, 7, 7, 7));
  EXPECT_EQ(stored(), (std::vector<bool>{true, false, false, false, false}));
  margin.SetValue(9, 3);  // an index outside 1..4 means All
  EXPECT_EQ(margin.Margin(), TRect(3, 3, 3, 3));
  EXPECT_EQ(changes, 4);

  TcxMargin zero(nullptr);
  EXPECT_EQ(zero.Margin(), TRect(0, 0, 0, 0));
  EXPECT_FALSE(zero.IsValueStored(0));
}

TEST(GeometryObjects, StreamForms) {
  TMemoryStream stream;
  TcxRect rect(nullptr);
  rect.SetRect(TRect(-1, 2, 0x01020304, -65536));
  rect.SaveToStream(&stream);
  TcxSize size(nullptr);
  size.SetSize(TSize(640, 480));
  size.SaveToStream(&stream);
  TcxMargin margin(nullptr, 1);
  margin.SetTop(9);
  margin.SaveToStream(&stream);
  ASSERT_EQ(stream.Size(), 40);
  const auto* bytes = static_cast<const uint8_t*>(stream.Memory());
  EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 16),
            (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 4, 3, 2, 1, 0, 0, 0xFF, 0xFF}));

  stream.SetPosition(0);
  TcxRect rectCopy(nullptr);
  rectCopy.LoadFromStream(&stream);
  TcxSize sizeCopy(nullptr);
  sizeCopy.LoadFromStream(&stream);
  TcxMargin marginCopy(nullptr);
  marginCopy.LoadFromStream(&stream);
  EXPECT_TRUE(rectCopy.IsEqual(&rect));
  EXPECT_TRUE(sizeCopy.IsEqual(&size));
  EXPECT_TRUE(marginCopy.IsEqual(&margin));

  // A short stream raises and leaves the object as it was.
  TMemoryStream shortStream;
  shortStream.WriteBuffer(bytes, 12);
  shortStream.SetPosition(0);
  EXPECT_THROW(rectCopy.LoadFromStream(&shortStream), EReadError);
  EXPECT_TRUE(rectCopy.IsEqual(&rect));

  // Negative sizes read from a stream become 0.
  TMemoryStream negative;
  for (int32_t value : {-5, 3}) negative.WriteBuffer(&value, 4);
  negative.SetPosition(0);
  sizeCopy.LoadFromStream(&negative);
  EXPECT_EQ(sizeCopy.Size(), TSize(0, 3));
}

namespace {

// A component that publishes its margins and bounds, as controls do.
class TFramed : public TComponent {
  VCL_COMPONENT_CLASS(TFramed, TComponent)
public:
  static const TPropTable* PublishedTable(TPublishedTag<TFramed>) {
    static const TPropTable table = TPublished<TFramed>()
                                        .Property(L"Margins", &TFramed::Margins)
                                        .Property(L"Bounds", &TFramed::Bounds)
                                        .Build();
    return &table;
  }
  explicit TFramed(TComponent* AOwner)
      : TComponent(AOwner), FMargins(new TcxMargin(this, 2)), FBounds(new TcxRect(this)) {}
  TcxMargin* Margins() const { return FMargins.get(); }
  TcxRect* Bounds() const { return FBounds.get(); }

private:
  std::unique_ptr<TcxMargin> FMargins;
  std::unique_ptr<TcxRect> FBounds;
};

}  // namespace

TEST(GeometryObjects, PublishedAndStreamedWithTheirComponent) {
  std::vector<String> names;
  for (PPropInfo prop : GetPropList(TcxMargin::StaticClass())) names.push_back(prop->Name);
  EXPECT_EQ(names, (std::vector<String>{L"All", L"Left", L"Top", L"Right", L"Bottom"}));
  EXPECT_EQ(GetClass(L"TcxRect"), TcxRect::StaticClass()) << "registered at start-up";

  TFramed source(nullptr);
  source.SetName(L"Framed");
  SetOrdProp(source.Margins(), L"Left", 5);
  EXPECT_EQ(GetOrdProp(source.Margins(), L"All"), -1);
  source.Bounds()->SetRect(TRect(1, 2, 30, 40));
  TMemoryStream stream;
  TWriter(&stream).WriteRootComponent(&source);

  stream.SetPosition(0);
  TFramed target(nullptr);
  TReader(&stream).ReadRootComponent(&target);
  EXPECT_EQ(target.Margins()->Margin(), TRect(5, 2, 2, 2)) << "uneven sides come back";
  EXPECT_TRUE(target.Bounds()->IsEqual(source.Bounds()));
}
