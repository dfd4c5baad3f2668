// Published set-typed properties: read and written by name, as text and as
// variants, and streamed.
#include <gtest/gtest.h>

#include "Sample.h"
#include "vcl/rtl/Streams.h"

namespace {
const TTypeInfo ShadesTypeInfo = SetTypeInfo(L"TShades", &ShadeTypeInfo);

class TPalette : public TPersistent {
  VCL_CREATABLE_CLASS(TPalette, TPersistent)
  VCL_PUBLISHED(TPalette)
public:
  TPalette() = default;
  TSet<TShade> Shades() const { return FShades; }
  void SetShades(TSet<TShade> Value) {
    FShades = Value;
    ++Writes;
  }
  TSet<TShade> Fixed{shDark};  // read-only
  int Writes = 0;

private:
  TSet<TShade> FShades;
};

const TPropTable* TPalette::PublishedTable(TPublishedTag<TPalette>) {
  static const TPropTable table = TPublished<TPalette>()
                                      .Property(L"Shades", &TPalette::Shades, &TPalette::SetShades, &ShadesTypeInfo)
                                      .Property(L"Fixed", &TPalette::Fixed, nullptr, &ShadesTypeInfo)
                                      .Build();
  return &table;
}

String MessageOf(const std::function<void()>& AAction) {
  try {
    AAction();
  } catch (const Exception& e) {
    return e.Message();
  }
  return L"(no error)";
}
}  // namespace

TEST(TypInfoSets, ReadAndWrittenAsTextBitsAndVariants) {
  TPalette palette;
  PPropInfo prop = GetPropInfo(&palette, L"shades");
  ASSERT_NE(nullptr, prop);
  EXPECT_EQ(tkSet, prop->PropType->Kind);
  EXPECT_EQ(L"TShades", prop->PropType->Name);
  EXPECT_EQ(&ShadeTypeInfo, prop->PropType->CompType);

  SetSetProp(&palette, L"Shades", L"[ shDark , shlight ]");
  EXPECT_EQ(TSet<TShade>({shLight, shDark}), palette.Shades());
  EXPECT_EQ(L"[shLight,shDark]", GetSetProp(&palette, L"Shades", true));
  EXPECT_EQ(L"shLight,shDark", GetSetProp(&palette, L"Shades"));
  EXPECT_EQ(0b101, GetOrdProp(&palette, prop));
  SetSetProp(&palette, L"Shades", L"[]");
  EXPECT_TRUE(palette.Shades().Empty());

  SetPropValue(&palette, L"Shades", Variant(L"shMedium"));
  EXPECT_EQ(TSet<TShade>({shMedium}), palette.Shades());
  SetPropValue(&palette, L"Shades", Variant(0b011));
  EXPECT_EQ(L"shLight,shMedium", GetPropValue(&palette, L"Shades").AsString());

  const int writes = palette.Writes;
  EXPECT_EQ(L"Invalid property element: shPurple", MessageOf([&] { SetSetProp(&palette, L"Shades", L"[shLight,shPurple]"); }));
  EXPECT_EQ(L"Value 8 is out of the range of TShades for property Shades",
            MessageOf([&] { SetOrdProp(&palette, prop, 8); }));
  EXPECT_EQ(L"Property Fixed is read-only", MessageOf([&] { SetSetProp(&palette, L"Fixed", L"[]"); }));
  TSample sample(nullptr);
  EXPECT_EQ(L"Invalid property type: TShade", MessageOf([&] { GetSetProp(&sample, L"Shade"); }));
  EXPECT_EQ(writes, palette.Writes);
  EXPECT_EQ(L"[shDark]", GetSetProp(&palette, L"Fixed", true));
}

TEST(TypInfoSets, StreamedAsTheirMembersNames) {
  TPalette palette;
  palette.SetShades({shMedium, shDark});
  TMemoryStream stream;
  {
    TWriter writer(&stream);
    writer.WriteProperties(&palette);
    writer.WriteListEnd();
  }
  const std::string bytes(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
  EXPECT_NE(std::string::npos, bytes.find(std::string("\x06Shades\x0B\x08shMedium\x06shDark\x00", 25)));
  EXPECT_EQ(std::string::npos, bytes.find("Fixed"));  // read-only: not written

  TPalette read;
  stream.SetPosition(0);
  TReader reader(&stream);
  reader.ReadProperties(&read);
  EXPECT_EQ(palette.Shades(), read.Shades());

  // A member the set does not have is a damaged stream.
  std::string damaged = bytes;
  damaged.replace(damaged.find("shMedium"), 8, "shPurple");
  TMemoryStream bad;
  bad.WriteBuffer(damaged.data(), static_cast<int64_t>(damaged.size()));
  bad.SetPosition(0);
  TReader badReader(&bad);
  EXPECT_THROW(badReader.ReadProperties(&read), EReadError);
}
