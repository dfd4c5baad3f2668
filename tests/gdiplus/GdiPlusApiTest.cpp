#include <gtest/gtest.h>

#include <memory>

#include "components/core/dxGdiPlusApi.h"
#include "components/core/dxGdiPlusClasses.h"

namespace {

// The library the binding is pointed at to make a load fail: present, not
// otherwise loaded by the tests, and without any GDI+ name.
const wchar_t* const LibraryWithoutGdiPlus = L"mscms.dll";

// Points the binding at another library until the end of the scope, then
// loads GDI+ again. The shared GDI+ objects go first, as at shut-down.
class TOtherLibrary {
public:
  explicit TOtherLibrary(const wchar_t* AName) : FSaved(dxGdiPlusLibraryName) {
    dxGpFreeAlphaBlendAttributes();
    dxGpFreeSharedPaintCanvas();
    dxUnloadGdiPlus();
    dxGdiPlusLibraryName = AName;
  }
  ~TOtherLibrary() {
    dxGdiPlusLibraryName = FSaved;
    dxEnsureGdiPlus();
  }

private:
  const wchar_t* FSaved;
};

class TGpObject : public TdxGpBase {
public:
  int Value = 42;
};

}  // namespace

TEST(GdiPlusBinding, LoadsBindsAndStartsOnFirstUse) {
  ASSERT_TRUE(dxEnsureGdiPlus());
  EXPECT_TRUE(dxGdiPlusLoaded());
  EXPECT_NE(GdipAlloc, nullptr);
  EXPECT_NE(GdipGetImageAttributesAdjustedPalette, nullptr) << "the last name of the table";
  // A started GDI+ answers calls.
  void* bitmap = dxGpCreateBitmap(3, 2);
  UINT width = 0, height = 0;
  EXPECT_EQ(GdipGetImageWidth(bitmap, &width), Ok);
  EXPECT_EQ(GdipGetImageHeight(bitmap, &height), Ok);
  EXPECT_EQ(width, 3u);
  EXPECT_EQ(height, 2u);
  GdipDisposeImage(bitmap);
}

TEST(GdiPlusBinding, OneMissingNameLeavesItAndEveryLaterPointerNil) {
  void* first = nullptr;
  void* missing = &first;
  void* later = &first;
  const TdxProcBinding table[] = {{"GetTickCount", &first}, {"NoSuchEntryPoint", &missing}, {"GetCurrentProcessId", &later}};
  EXPECT_FALSE(dxBindProcedures(GetModuleHandleW(L"kernel32.dll"), table, 3));
  EXPECT_NE(first, nullptr);
  EXPECT_EQ(missing, nullptr);
  EXPECT_EQ(later, nullptr);

  first = &first;
  EXPECT_FALSE(dxBindProcedures(nullptr, table, 1)) << "no library binds nothing";
  EXPECT_EQ(first, nullptr);
}

TEST(GdiPlusBinding, FailedLoadReportsFalseAndGivesTheLibraryBack) {
  {
    const TOtherLibrary other(LibraryWithoutGdiPlus);
    EXPECT_FALSE(dxEnsureGdiPlus());
    EXPECT_FALSE(dxEnsureGdiPlus()) << "retried, again quietly false";
    EXPECT_EQ(GdipAlloc, nullptr);
    EXPECT_EQ(GetModuleHandleW(LibraryWithoutGdiPlus), nullptr) << "every failed load frees its handle";
    CLSID clsid{};
    EXPECT_EQ(dxGpGetEncoderClsid(L"image/png", clsid), GenericError);
  }
  EXPECT_TRUE(dxGdiPlusLoaded());
}

TEST(GdiPlusBinding, StatusBecomesExceptionWithItsText) {
  EXPECT_NO_THROW(dxCheckGpStatus(Ok));
  const struct {
    Status Status;
    DWORD LastError;
    const wchar_t* Message;
  } cases[] = {
      {InvalidParameter, 5, L"Invalid operation in GDI+ (Code: 2)"},
      {Win32Error, 5, L"Invalid operation in GDI+ (Win32 error code: 5)"},
      {Win32Error, 0, L"Invalid operation in GDI+ (Code: 7)"},
      {PropertyNotSupported, 0, L"Invalid operation in GDI+ (Code: 20)"},
  };
  for (const auto& c : cases) {
    SetLastError(c.LastError);
    try {
      dxCheckGpStatus(c.Status);
      ADD_FAILURE() << "no exception for " << c.Status;
    } catch (const EdxGdipException& e) {
      EXPECT_EQ(e.Message(), c.Message);
      EXPECT_EQ(e.GetStatus(), c.Status);
    }
  }
}

TEST(GdiPlusBinding, FailingCallRaisesThroughTheCheck) {
  ASSERT_TRUE(dxEnsureGdiPlus());
  try {
    dxCheckGpStatus(GdipDrawImageRectRectI(nullptr, nullptr, 0, 0, 1, 1, 0, 0, 1, 1, UnitPixel, nullptr,
                                           nullptr, nullptr));
    ADD_FAILURE() << "a draw on no graphics succeeded";
  } catch (const EdxException& e) {
    EXPECT_EQ(e.Message(), L"Invalid operation in GDI+ (Code: 2)");
  }
  EXPECT_THROW(dxGpCreateBitmap(0, 5), EdxGdipException) << "a zero-sized bitmap";
}

TEST(GdiPlusBinding, InstancesGoBackToTheAllocatorTheyCameFrom) {
  std::unique_ptr<TGpObject> before;
  {
    const TOtherLibrary other(LibraryWithoutGdiPlus);
    before = std::make_unique<TGpObject>();
    EXPECT_FALSE(before->IsGpUsed());
  }
  ASSERT_TRUE(dxGdiPlusLoaded());
  auto after = std::make_unique<TGpObject>();
  EXPECT_TRUE(after->IsGpUsed());
  EXPECT_EQ(before->Value, 42);
  EXPECT_EQ(after->Value, 42);
  before.reset();  // made before GDI+ was there: freed by the default allocator
  after.reset();
}

TEST(GdiPlusBinding, CodecsAreFoundByMimeTypeIgnoringCase) {
  const CLSID pngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
  CLSID clsid{};
  ASSERT_EQ(dxGpGetEncoderClsid(L"IMAGE/Png", clsid), Ok);
  EXPECT_TRUE(clsid == pngEncoder);
  EXPECT_EQ(dxGpGetDecoderClsid(L"image/gif", clsid), Ok);
  EXPECT_EQ(dxGpGetEncoderClsid(L"image/x-emf", clsid), GenericError) << "metafiles decode only";
  EXPECT_EQ(dxGpGetDecoderClsid(L"image/none", clsid), GenericError);
}

TEST(GdiPlusBinding, CodecTableIsFilledOnceAndKeepsWhatIsSet) {
  const CLSID marker = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
  dxGpImageCodecs = {};
  dxGpImageCodecs.BmpEncoder = marker;
  dxGpPrepareImageCodecs();
  EXPECT_TRUE(dxGpImageCodecs.BmpEncoder == marker) << "a CLSID already set is not looked up";
  CLSID png{};
  dxGpGetEncoderClsid(L"image/png", png);
  EXPECT_TRUE(dxGpImageCodecs.PngEncoder == png);
  for (const CLSID* codec : {&dxGpImageCodecs.PngDecoder, &dxGpImageCodecs.GifEncoder, &dxGpImageCodecs.JpegDecoder,
                             &dxGpImageCodecs.TiffEncoder, &dxGpImageCodecs.IconDecoder})
    EXPECT_FALSE(dxGpIsCodecEmpty(*codec));
  dxGpImageCodecs = {};
  dxGpPrepareImageCodecs();
  EXPECT_FALSE(dxGpIsCodecEmpty(dxGpImageCodecs.BmpEncoder));
}

TEST(GdiPlusBinding, RectangleRecordsConvert) {
  const TdxGpRectF fromRect = TdxGpRectF::From(TRect(1, 2, 11, 7));
  EXPECT_TRUE(GpIsEqualRectF(fromRect, MakeRect(1.0f, 2.0f, 10.0f, 5.0f)));
  const TdxGpRectF fromRectF = TdxGpRectF::From(TdxRectF{0.5f, 1, 2.5f, 4});
  EXPECT_TRUE(GpIsEqualRectF(fromRectF, MakeRect(0.5f, 1.0f, 2.0f, 3.0f)));
  EXPECT_EQ(MakeRect(-1.5f, 2.7f, 3.0f, 1.0f).ToRect(), TRect(-1, 2, 1, 3)) << "truncated toward zero";
  const TdxRectF back = MakeRect(1.0f, 2.0f, 3.0f, 4.0f).ToRectF();
  EXPECT_EQ(back.Right, 4.0f);
  EXPECT_EQ(back.Bottom, 6.0f);
  const TdxGpRect integer = GpRect(TRect(3, 4, 10, 5));
  EXPECT_EQ(integer.Width, 7);
  EXPECT_EQ(integer.Height, 1);
  EXPECT_TRUE(GpIsEqualRectF(GpRectF(integer), MakeRect(3.0f, 4.0f, 7.0f, 1.0f)));
  EXPECT_FALSE(GpIsEqualRectF(MakeRect(0.0f, 0.0f, 1.0f, 1.0f), MakeRect(0.0f, 0.0f, 1.0f, 1.0001f)));
}
