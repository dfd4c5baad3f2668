// The library's image list: entries kept beside the system list, their
// order, streaming and drawing.
#include <gtest/gtest.h>

#include "PaintSurface.h"
#include "components/core/dxGdiPlusClasses.h"
#include "vcl/graphics/Icon.h"
#include "vcl/classes/Filer.h"
#include "vcl/rtl/Streams.h"

namespace {

// A strip of square images of the given colours, side by side.
std::unique_ptr<TcxBitmap32> Strip(std::initializer_list<TColor> AColors, int ASize = 16) {
  auto strip = std::make_unique<TcxBitmap32>(ASize * static_cast<int>(AColors.size()), ASize, true);
  int left = 0;
  for (TColor color : AColors) {
    strip->cxCanvas()->FillRect(TRect(left, 0, left + ASize, ASize), color);
    left += ASize;
  }
  strip->MakeOpaque();
  return strip;
}

// The colour at the centre of each entry.
std::vector<TColor> Colours(TcxImageList& AList) {
  std::vector<TColor> result;
  for (int i = 0; i < AList.Count(); ++i) {
    TBitmap image;
    AList.GetImageInfo(i, &image, nullptr);
    result.push_back(PixelColor(image, image.Width() / 2, image.Height() / 2));
  }
  return result;
}

TEST(cxImageList, AStripAddsOneEntryPerImageLeftToRight) {
  TcxImageList list(nullptr);
  EXPECT_EQ(0, list.Add(Strip({clRed, clLime, clBlue}).get(), nullptr));
  EXPECT_EQ(3, list.Count());
  EXPECT_EQ((std::vector<TColor>{clRed, clLime, clBlue}), Colours(list));
  list.Insert(0, Strip({clYellow, clAqua}).get(), nullptr);
  EXPECT_EQ((std::vector<TColor>{clYellow, clAqua, clRed, clLime, clBlue}), Colours(list));
  list.Move(0, 4);
  EXPECT_EQ((std::vector<TColor>{clAqua, clRed, clLime, clBlue, clYellow}), Colours(list));
  list.Delete(1);
  EXPECT_EQ((std::vector<TColor>{clAqua, clLime, clBlue, clYellow}), Colours(list));
  list.Replace(0, Strip({clFuchsia}).get(), nullptr);
  EXPECT_EQ((std::vector<TColor>{clFuchsia, clLime, clBlue, clYellow}), Colours(list));
}

TEST(cxImageList, RefusedAndOutOfRangeChangesLeaveTheListAsItWas) {
  TcxImageList list(nullptr);
  list.Add(Strip({clRed, clLime}).get(), nullptr);
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  TcxBitmap32 tooSmall(4, 4, true);
  list.Replace(1, &tooSmall, nullptr);  // refused: the old image stays
  EXPECT_EQ((std::vector<TColor>{clRed, clLime}), Colours(list));
  list.Insert(5, Strip({clBlue}).get(), nullptr);
  EXPECT_EQ(2, list.Count());

  TcxImageList other(nullptr);
  EXPECT_EQ(-1, other.AddImage(&list, -1));  // not the whole list
  EXPECT_EQ(-1, other.AddImage(&list, 2));
  EXPECT_EQ(0, other.Count());
  EXPECT_EQ(0, other.AddImage(&list, 1));
  EXPECT_EQ(std::vector<TColor>{clLime}, Colours(other));
}

TEST(cxImageList, SizeAndMaskedAdditions) {
  TcxImageList list(nullptr);
  list.Add(Strip({clRed}).get(), nullptr);
  list.SetSize(0, 0);
  EXPECT_EQ(1, list.Width());
  EXPECT_EQ(1, list.Height());
  EXPECT_EQ(0, list.Count());
  list.SetSize(16, 16);
  EXPECT_EQ(0, list.AddMasked(Strip({clRed}).get(), clNone));
  EXPECT_EQ(1, list.Count());
  TBitmap mask;
  list.GetImageInfo(0, nullptr, &mask);
  EXPECT_EQ(clBlack, PixelColor(mask, 8, 8));  // nothing masked out
}

TEST(cxImageList, WritingAHandleCopiesTheCallersListAndLeavesItAlive) {
  TcxImageList source(nullptr);
  source.Add(Strip({clRed, clBlue}).get(), nullptr);
  HIMAGELIST handle = ImageList_Duplicate(source.Handle());
  TcxImageList list(nullptr);
  list.SetHandle(handle);
  EXPECT_EQ(2, list.Count());
  EXPECT_EQ(2, ImageList_GetImageCount(handle));
  EXPECT_TRUE(ImageList_Destroy(handle));
  EXPECT_EQ(clBlue, Colours(list)[1]);
}

TEST(cxImageList, LoadsImagesFromTheProgramsResourcesAndFromFiles) {
  TcxImageList list(nullptr);
  list.Add(Strip({clBlue}).get(), nullptr);
  EXPECT_FALSE(list.ResourceLoad(rtBitmap, L"NOSUCHSTRIP", clNone));
  EXPECT_EQ(std::vector<TColor>{clBlue}, Colours(list));

  // The loaded list takes the place of the old one; its entries are read back.
  ASSERT_TRUE(list.ResourceLoad(rtBitmap, L"GRAPHICSSTRIP", clFuchsia));
  EXPECT_EQ((std::vector<TColor>{clRed, clLime}), Colours(list));
  TBitmap mask;
  list.GetImageInfo(0, nullptr, &mask);
  EXPECT_EQ(clWhite, PixelColor(mask, 1, 1));  // the fuchsia corner is masked out
  EXPECT_EQ(clBlack, PixelColor(mask, 8, 8));

  // LoadImage adds the images after the list's own.
  TcxImageList added(nullptr);
  added.Add(Strip({clBlue}).get(), nullptr);
  EXPECT_FALSE(added.LoadImage(GetModuleHandleW(nullptr), L"NOSUCHSTRIP", clNone, 16, {}));
  EXPECT_TRUE(added.LoadImage(GetModuleHandleW(nullptr), L"GRAPHICSSTRIP", clNone, 16, {}));
  EXPECT_EQ((std::vector<TColor>{clBlue, clRed, clLime}), Colours(added));

  const String file = L"ImageListStrip.bmp";
  Strip({clYellow, clAqua})->SaveToFile(file);
  TcxImageList fromFile(nullptr);
  EXPECT_TRUE(fromFile.FileLoad(rtBitmap, file, clNone));
  DeleteFileW(file.c_str());
  EXPECT_EQ((std::vector<TColor>{clYellow, clAqua}), Colours(fromFile));
  EXPECT_EQ(16, fromFile.Width());
}

TEST(cxImageList, IconsAndSmartImagesJoinTheList) {
  auto blueIcon = [] {
    auto colour = Strip({clBlue});
    TBitmap mask;
    mask.SetSize(16, 16);
    TcxCanvas(mask.Canvas()).FillRect(TRect(0, 0, 16, 16), clBlack);  // opaque everywhere
    ICONINFO info{TRUE, 0, 0, mask.Handle(), colour->Handle()};
    auto icon = std::make_unique<TIcon>();
    icon->SetHandle(CreateIconIndirect(&info));
    return icon;
  };
  TcxImageList list(nullptr);
  list.Add(Strip({clRed, clLime}).get(), nullptr);
  list.InsertIcon(1, blueIcon().get());
  EXPECT_EQ((std::vector<TColor>{clRed, clBlue, clLime}), Colours(list));
  list.ReplaceIcon(0, blueIcon().get());
  EXPECT_EQ((std::vector<TColor>{clBlue, clBlue, clLime}), Colours(list));

  TdxSmartImage yellow(16, 16, TRGBColors(256, TRGBQuad{0, 255, 255, 255}), true);
  EXPECT_EQ(3, list.Add(&yellow));
  TBitmap image;
  list.GetImage(3, &image);
  EXPECT_EQ(clYellow, PixelColor(image, 8, 8));
}

TEST(cxImageList, PixelFormatOfTheSystemList) {
  TcxImageList list(nullptr);
  EXPECT_EQ(0, TcxImageList::GetPixelFormat(list.Handle()));
  list.Add(Strip({clRed}).get(), nullptr);
  EXPECT_EQ(32, TcxImageList::GetPixelFormat(list.Handle()));
}

TEST(cxImageList, DrawsAnEntryWithItsOverlay) {
  auto opaque = [](TColor AColor) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(16, 16);
    TcxCanvas(bitmap->Canvas()).FillRect(TRect(0, 0, 16, 16), AColor);
    return bitmap;
  };
  TcxImageList list(nullptr);
  list.Add(opaque(clRed).get(), nullptr);
  auto dotMask = opaque(clWhite);  // white: transparent
  TcxCanvas(dotMask->Canvas()).FillRect(TRect(6, 6, 10, 10), clBlack);
  list.Add(opaque(clBlue).get(), dotMask.get());
  ASSERT_TRUE(list.Overlay(1, 0));
  TPaintSurface surface(40, 20, clWhite);
  list.DrawOverlay(surface.Bitmap.Canvas(), 0, 0, 0, 0);
  list.DrawOverlay(surface.Bitmap.Canvas(), 20, 0, 0, 1);  // no image set for overlay 1
  EXPECT_EQ(clBlue, surface.Pixel(8, 8));
  EXPECT_EQ(clRed, surface.Pixel(2, 2));
  EXPECT_EQ(clRed, surface.Pixel(28, 8));

  // The entry's own mask also holds when the list blends it.
  TPaintSurface blended(20, 20, clWhite);
  list.Draw(blended.Bitmap.Canvas(), TRect(0, 0, 16, 16), 1);
  EXPECT_EQ(TRect(6, 6, 10, 10), blended.BoundsOfPixelsOtherThan(clWhite));
  EXPECT_EQ(clBlue, blended.Pixel(8, 8));
}

TEST(cxImageList, AssigningAListMovesTheLinkAndTellsItOnce) {
  TcxImageList first(nullptr), second(nullptr);
  TCustomImageList* field = nullptr;
  TChangeLink link;
  int changes = 0;
  link.OnChange = [&](TObject*) { ++changes; };
  cxAssignImageList(&first, field, &link, nullptr);
  cxAssignImageList(&first, field, &link, nullptr);  // already there: nothing
  EXPECT_EQ(&first, field);
  EXPECT_EQ(1, changes);
  cxAssignImageList(&second, field, &link, nullptr);
  EXPECT_EQ(2, changes);
  first.Add(Strip({clRed}).get(), nullptr);  // no longer linked
  EXPECT_EQ(2, changes);
  second.Add(Strip({clRed}).get(), nullptr);
  EXPECT_EQ(3, changes);
  cxAssignImageList(nullptr, field, &link, nullptr);
  EXPECT_EQ(nullptr, field);
  EXPECT_EQ(4, changes);
}

std::string Streamed(TcxImageList& AList) {
  TMemoryStream stream;
  TWriter(&stream).WriteRootComponent(&AList);
  return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

void ReadInto(TcxImageList& AList, const std::string& AData) {
  TMemoryStream stream;
  stream.WriteBuffer(AData.data(), static_cast<int64_t>(AData.size()));
  stream.SetPosition(0);
  TReader(&stream).ReadRootComponent(&AList);
}

TEST(cxImageList, StreamsItsOwnFormatWithCompressedImages) {
  TcxImageList empty(nullptr);
  const std::string nothing = Streamed(empty);
  EXPECT_NE(std::string::npos, nothing.find("FormatVersion"));
  EXPECT_NE(std::string::npos, nothing.find("DesignInfo"));
  EXPECT_EQ(std::string::npos, nothing.find("ImageInfo"));

  TcxImageList list(nullptr);
  list.SetCompressData(true);
  list.SetDesignInfo(0x00050007);
  list.Add(Strip({clRed, clLime, clBlue}).get(), nullptr);
  const std::string data = Streamed(list);
  EXPECT_EQ(1, list.FormatVersion());
  EXPECT_NE(std::string::npos, data.find("ImageInfo"));
  EXPECT_NE(std::string::npos, data.find("XDBM"));

  TcxImageList copy(nullptr);
  ReadInto(copy, data);
  EXPECT_EQ((std::vector<TColor>{clRed, clLime, clBlue}), Colours(copy));
  EXPECT_EQ(0x00050007, copy.DesignInfo());
  EXPECT_EQ(1, copy.FormatVersion());
}

TEST(cxImageList, ADamagedStreamRaisesAndKeepsTheImages) {
  TcxImageList source(nullptr);
  source.Add(Strip({clRed}).get(), nullptr);
  std::string data = Streamed(source);

  TcxImageList target(nullptr);
  target.Add(Strip({clBlue, clLime}).get(), nullptr);
  std::string wrongVersion = data;
  const size_t at = wrongVersion.find("FormatVersion") + std::string("FormatVersion").size();
  ASSERT_EQ(1, wrongVersion[at + 1]);  // after the vaInt8 tag
  wrongVersion[at + 1] = 7;
  EXPECT_THROW(ReadInto(target, wrongVersion), EReadError);
  EXPECT_EQ((std::vector<TColor>{clBlue, clLime}), Colours(target));

  std::string shortData = data.substr(0, data.size() - 40);
  EXPECT_ANY_THROW(ReadInto(target, shortData));
  EXPECT_EQ((std::vector<TColor>{clBlue, clLime}), Colours(target));
}

TEST(cxImageList, DrawsEntriesByTheirAlphaAndGreysThemWhenDisabled) {
  TcxImageList list(nullptr);
  auto image = std::make_unique<TcxBitmap32>(16, 16, true);
  TRGBColors colors(256, TRGBQuad{0, 0, 255, 255});
  for (int i = 0; i < 16; ++i) colors[i] = TRGBQuad{};  // the bottom row is transparent
  image->SetBitmapColors(colors);
  list.Add(image.get(), nullptr);
  TPaintSurface surface(40, 20, clWhite);
  list.Draw(surface.Bitmap.Canvas(), TRect(0, 0, 20, 20), 0);
  EXPECT_EQ(clRed, surface.Pixel(10, 10));
  EXPECT_EQ(clWhite, surface.Pixel(10, 17));  // the transparent row
  EXPECT_EQ(clWhite, surface.Pixel(1, 1));    // centred: 2 pixels of margin
  list.Draw(surface.Bitmap.Canvas(), TRect(20, 0, 40, 20), 0, false, false, false);
  const TColor disabled = surface.Pixel(30, 10);
  EXPECT_EQ(disabled & 0xFF, (disabled >> 8) & 0xFF);  // grey
  EXPECT_NE(clWhite, disabled);
}

}  // namespace
