// The image editor control on a shown form: its picture as the edit value
// (a damaged value refused with the old picture kept), the clipboard keys,
// the menu's items for each state, loading and saving real files, zooming
// with Ctrl and the wheel, dragging a zoomed picture, and its painting in
// each fit mode, with a sheet of every fit mode in every look.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "components/core/dxGdiPlusClasses.h"
#include "components/editors-rich/cxImage.h"
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxEditUtils.h"
#include "tests/editors-rich/CalendarFixture.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/controls/Clipbrd.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/Icon.h"
#include "vcl/rtl/Streams.h"

namespace {

// W x H: the left half red, the right half blue.
std::unique_ptr<TBitmap> HalvesBitmap(int W, int H) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(W, H);
  bitmap->Canvas()->Brush()->SetColor(clRed);
  bitmap->Canvas()->FillRect(TRect(0, 0, W / 2, H));
  bitmap->Canvas()->Brush()->SetColor(clBlue);
  bitmap->Canvas()->FillRect(TRect(W / 2, 0, W, H));
  return bitmap;
}

Variant BlobOf(TGraphic* AGraphic) {
  TPicture picture;
  picture.Assign(AGraphic);
  return cxSavePictureToBlob(&picture);
}

// A key pressed with the modifiers held, through the message loop.
void PressKeyWith(WORD AKey, bool AShift, bool ACtrl) {
  BYTE keys[256];
  GetKeyboardState(keys);
  const BYTE savedCtrl = keys[VK_CONTROL];
  keys[VK_CONTROL] = ACtrl ? 0x80 : 0;
  SetKeyboardState(keys);
  PressKey(AKey, AShift);
  keys[VK_CONTROL] = savedCtrl;
  SetKeyboardState(keys);
}

// The file dialogs answer from the test: a file name, or a cancel.
class TScriptedImage : public TcxImage {
public:
  using TcxImage::TcxImage;
  String Answer;  // empty: cancel
  std::vector<std::pair<bool, String>> Asked;  // save?, filter

protected:
  bool ExecuteFileDialog(bool ASave, const String& AFilter, const String& ADefaultExt, String& AFileName) override {
    Asked.push_back({ASave, AFilter});
    if (Answer.empty()) return false;
    AFileName = Answer + (ASave && !ADefaultExt.empty() ? L"." + ADefaultExt : String());
    return true;
  }
};

struct ImageEditor : FormFixture {
  ImageEditor() {
    Form->SetBounds(0, 0, 500, 400);
    Form->Show();
    Image = AddImage();
  }
  TScriptedImage* AddImage() {
    auto* image = Add<TScriptedImage>(10, 10);
    image->SetBounds(10, 10, 140, 100);
    image->HandleNeeded();
    ProcessPendingMessages();
    return image;
  }
  TScriptedImage* Image;
};

TEST_F(ImageEditor, EditValueLoadsThePictureAndADamagedValueIsRefusedWithTheOldKept) {
  auto halves = HalvesBitmap(6, 4);
  const Variant blob = BlobOf(halves.get());
  Image->SetEditValue(blob);
  EXPECT_EQ(6, Image->Picture()->Width());
  EXPECT_TRUE(cxEditValuesEqual(blob, Image->EditValue()));
  EXPECT_FALSE(Image->EditModified());

  const Variant damaged = VarAsType(Variant(String(L"BM not a bitmap at all")), varString);
  EXPECT_THROW(Image->SetEditValue(damaged), EInvalidGraphic);
  EXPECT_EQ(6, Image->Picture()->Width());
  EXPECT_TRUE(cxEditValuesEqual(blob, Image->EditValue()));

  Image->SetEditValue(Null());
  EXPECT_EQ(nullptr, Image->Picture()->Graphic());
  EXPECT_TRUE(VarIsNull(Image->EditValue()));
}

TEST_F(ImageEditor, APictureAssignedByTheProgramBecomesTheEditValueUnmodified) {
  int changes = 0;
  Image->Properties()->OnEditValueChanged = [&](TObject*) { ++changes; };
  auto halves = HalvesBitmap(8, 2);
  Image->Picture()->Assign(halves.get());
  EXPECT_EQ(1, changes);
  EXPECT_TRUE(cxEditValuesEqual(BlobOf(halves.get()), Image->EditValue()));
  EXPECT_FALSE(Image->ModifiedAfterEnter());
  Image->Picture()->Assign(nullptr);
  EXPECT_TRUE(VarIsNull(Image->EditValue()));
  EXPECT_EQ(2, changes);
}

TEST_F(ImageEditor, ClipboardKeysCopyCutAndPasteAsThePersonsChanges) {
  auto halves = HalvesBitmap(6, 4);
  Image->Picture()->Assign(halves.get());
  Image->SetFocus();
  Clipboard()->Clear();
  PressKeyWith(VK_INSERT, false, true);  // Ctrl+Insert
  EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
  EXPECT_EQ(6, Image->Picture()->Width());
  EXPECT_FALSE(Image->ModifiedAfterEnter());

  PressKeyWith(VK_DELETE, true, false);  // Shift+Delete
  EXPECT_EQ(nullptr, Image->Picture()->Graphic());
  EXPECT_TRUE(VarIsNull(Image->EditValue()));
  EXPECT_TRUE(Image->ModifiedAfterEnter());

  PressKeyWith(VK_INSERT, true, false);  // Shift+Insert
  EXPECT_EQ(6, Image->Picture()->Width());
  EXPECT_EQ(4, Image->Picture()->Height());
  EXPECT_FALSE(VarIsNull(Image->EditValue()));

  struct TCharCase {
    wchar_t Char;
    bool PictureAfter;
  };
  for (const TCharCase& c : {TCharCase{24, false}, TCharCase{22, true}, TCharCase{3, true}}) {  // Ctrl+X, V, C
    SendMessageW(GetFocus(), WM_CHAR, c.Char, 1);
    ProcessPendingMessages();
    EXPECT_EQ(c.PictureAfter, Image->Picture()->Graphic() != nullptr) << int(c.Char);
  }
}

TEST_F(ImageEditor, AReadOnlyEditorKeepsItsPictureAgainstCutPasteAndDelete) {
  auto halves = HalvesBitmap(6, 4);
  Image->Picture()->Assign(halves.get());
  Image->Properties()->SetReadOnly(true);
  Image->SetFocus();
  PressKeyWith(VK_DELETE, true, false);
  EXPECT_EQ(6, Image->Picture()->Width());
  EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));  // copying still works
  auto other = HalvesBitmap(2, 2);
  Clipboard()->Assign(other.get());
  PressKeyWith(VK_INSERT, true, false);
  EXPECT_EQ(6, Image->Picture()->Width());
  EXPECT_FALSE(Image->ModifiedAfterEnter());
}

// Item order: Cut, Copy, Paste, Delete, -, Load, Camera, Save, -, Custom.
TEST_F(ImageEditor, MenuItemsFollowTheLayoutThePictureTheClipboardAndReadOnly) {
  struct TCase {
    const char* Name;
    bool Picture, ReadOnly, IconClass, ClipboardBitmap;
    bool Enabled[8];
  };
  const TCase cases[] = {
      {"empty", false, false, false, false, {false, false, false, false, true, false, false, true}},
      {"empty, bitmap on clipboard", false, false, false, true, {false, false, true, false, true, false, false, true}},
      {"picture", true, false, false, false, {true, true, false, true, true, false, true, true}},
      {"picture, read-only", true, true, false, true, {false, true, false, false, false, false, true, true}},
      {"picture, icon class", true, false, true, true, {false, false, false, true, true, false, true, true}},
  };
  for (const TCase& c : cases) {
    Clipboard()->Clear();
    if (c.ClipboardBitmap) Clipboard()->Assign(HalvesBitmap(2, 2).get());
    Image->Properties()->SetReadOnly(c.ReadOnly);
    Image->Properties()->SetGraphicClass(c.IconClass ? TIcon::StaticClass() : TBitmap::StaticClass());
    Image->Picture()->Assign(c.Picture ? HalvesBitmap(6, 4).get() : nullptr);
    TMenuItem* items = Image->PreparePopupMenu()->Items();
    ASSERT_EQ(10, items->Count());
    const int itemOf[] = {0, 1, 2, 3, 5, 6, 7, 9};  // the camera item is off: no device here
    for (int kind = 0; kind < 8; ++kind)
      EXPECT_EQ(c.Enabled[kind], items->Items(itemOf[kind])->Enabled()) << c.Name << " item " << kind;
  }
  TMenuItem* items = Image->PreparePopupMenu()->Items();
  EXPECT_EQ(LoadResString(&cxSMenuItemCaptionCut), items->Items(0)->Caption());
  EXPECT_EQ(LoadResString(&cxSMenuItemCaptionAssignFromWebCam), items->Items(6)->Caption());
  EXPECT_EQ(6, items->Items(7)->ImageIndex());
  EXPECT_FALSE(items->Items(9)->Visible());  // no custom item by default
  EXPECT_FALSE(items->Items(8)->Visible());

  // Only Copy and the custom item: no first separator, the second shows.
  int customClicks = 0;
  Image->Properties()->OnCustomClick = [&](TObject*) { ++customClicks; };
  Image->Properties()->PopupMenuLayout()->SetMenuItems({pmiCopy, pmiCustom});
  Image->Properties()->PopupMenuLayout()->SetCustomMenuItemCaption(L"Rotate");
  items = Image->PreparePopupMenu()->Items();
  const bool visible[] = {false, true, false, false, false, false, false, false, true, true};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(visible[i], items->Items(i)->Visible()) << i;
  EXPECT_EQ(L"Rotate", items->Items(9)->Caption());
  items->Items(9)->Click();
  EXPECT_EQ(1, customClicks);
  // The menu's glyphs were loaded from the program's resources.
  EXPECT_EQ(7, cxImageCommonResourcesInstance()->PopupMenuImageList()->Count());
}

// What the platform's menu shows while it is open: each item's bitmap, and
// a picture of the menu window.
struct TShownMenu {
  std::vector<HBITMAP> Bitmaps;
  std::unique_ptr<TBitmap> Picture;
};
TShownMenu ShownMenu;

void CALLBACK ReadShownMenuAndClose(HWND, UINT, UINT_PTR ATimer, DWORD) {
  KillTimer(nullptr, ATimer);
  if (HWND window = FindWindowW(L"#32768", nullptr)) {
    auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_BITMAP;
      GetMenuItemInfoW(menu, i, TRUE, &info);
      ShownMenu.Bitmaps.push_back(info.hbmpItem);
    }
    RECT r;
    GetWindowRect(window, &r);
    ShownMenu.Picture = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top);
    HDC source = GetWindowDC(window);
    BitBlt(ShownMenu.Picture->Canvas()->Handle(), 0, 0, r.right - r.left, r.bottom - r.top, source, 0, 0, SRCCOPY);
    ReleaseDC(window, source);
  }
  EndMenu();
}

TEST_F(ImageEditor, TheShownMenuDrawsTheGlyphsAndTheCustomGlyphWithoutTheirMaskColour) {
  TBitmap custom(16, 16);
  custom.Canvas()->Brush()->SetColor(clFuchsia);
  custom.Canvas()->FillRect(TRect(0, 0, 16, 16));
  custom.Canvas()->Brush()->SetColor(clLime);
  custom.Canvas()->FillRect(TRect(3, 3, 13, 13));
  TcxPopupMenuLayout* layout = Image->Properties()->PopupMenuLayout();
  layout->SetMenuItems(layout->MenuItems() + TcxPopupMenuItems{pmiCustom});
  layout->SetCustomMenuItemCaption(L"Rotate");
  layout->SetCustomMenuItemGlyph(&custom);
  Image->Picture()->Assign(HalvesBitmap(6, 4).get());
  ShownMenu = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, ReadShownMenuAndClose);
  SendMessageW(Image->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Image->Handle()), MAKELPARAM(-1, -1));
  KillTimer(nullptr, timer);
  ASSERT_NE(nullptr, ShownMenu.Picture);
  ASSERT_EQ(10u, ShownMenu.Bitmaps.size());
  for (int i = 0; i < 10; ++i) {
    const bool separator = i == 4 || i == 8;
    EXPECT_EQ(separator, ShownMenu.Bitmaps[i] == nullptr) << "item " << i;
  }
  bool customShown = false, maskShown = false;
  for (int y = 0; y < ShownMenu.Picture->Height(); ++y)
    for (int x = 0; x < ShownMenu.Picture->Width(); ++x) {
      const TColor pixel = PixelColor(*ShownMenu.Picture, x, y);
      customShown = customShown || pixel == clLime;
      maskShown = maskShown || pixel == clFuchsia;
    }
  EXPECT_TRUE(customShown);
  EXPECT_FALSE(maskShown);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(*ShownMenu.Picture, L"artifacts\\ImageEditorMenu.png");
  ShownMenu = {};
}

TEST_F(ImageEditor, MenuLoadAndSaveWorkWithRealFilesAndADamagedFileKeepsThePicture) {
  auto halves = HalvesBitmap(6, 4);
  {
    TdxPNGImage png;
    png.Assign(halves.get());
    png.SaveToFile(L"menu-load.png");
  }
  {
    TFileStream damaged(L"menu-damaged.png", fmCreate);
    damaged.WriteBuffer("\x89PNG\r\n\x1a\n broken", 15);
  }
  std::vector<TcxEditCloseUpReason> closes;
  Image->Properties()->OnClosePopup = [&](TObject*, TcxEditCloseUpReason AReason) { closes.push_back(AReason); };
  TMenuItem* items = Image->PreparePopupMenu()->Items();

  Image->Answer = String();  // cancelled
  items->Items(5)->Click();
  EXPECT_EQ(nullptr, Image->Picture()->Graphic());
  Image->Answer = L"menu-load.png";
  items->Items(5)->Click();
  EXPECT_EQ(6, Image->Picture()->Width());
  EXPECT_TRUE(Image->ModifiedAfterEnter());
  EXPECT_EQ((std::vector<TcxEditCloseUpReason>{crCancel, crEnter}), closes);
  ASSERT_EQ(2u, Image->Asked.size());
  EXPECT_FALSE(Image->Asked[0].first);
  EXPECT_NE(0, Pos(L"*.bmp", Image->Asked[0].second)) << Image->Asked[0].second;

  Image->Answer = L"menu-damaged.png";
  EXPECT_THROW(items->Items(5)->Click(), Exception);
  EXPECT_EQ(6, Image->Picture()->Width());

  // Saved with the extension of the picture's own class, and read back.
  Image->Answer = L"menu-saved";
  items = Image->PreparePopupMenu()->Items();
  items->Items(7)->Click();
  EXPECT_TRUE(Image->Asked.back().first);
  ASSERT_TRUE(std::filesystem::exists("menu-saved.png"));
  TPicture saved;
  saved.LoadFromFile(L"menu-saved.png");
  EXPECT_EQ(6, saved.Width());
  for (const char* name : {"menu-load.png", "menu-damaged.png", "menu-saved.png"}) std::filesystem::remove(name);
}

TEST_F(ImageEditor, CtrlWheelZoomsOnlyInTheNormalFitModeAroundTheClientCentre) {
  Image->Properties()->SetCenter(false);
  Image->Picture()->Assign(HalvesBitmap(400, 300).get());
  const TPoint middle = Image->ClientToScreen(TPoint(70, 50));
  auto wheel = [&](int ADelta, bool ACtrl) {
    SendMessageW(Image->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(ACtrl ? MK_CONTROL : 0, ADelta),
                 MAKELPARAM(middle.X, middle.Y));
    ProcessPendingMessages();
  };
  struct TCase {
    TcxImageFitMode FitMode;
    int Delta;
    int Expected;
  };
  for (const TCase& c : {TCase{ifmFit, WHEEL_DELTA, 100}, TCase{ifmStretch, -WHEEL_DELTA, 100},
                         TCase{ifmNormal, WHEEL_DELTA, 140}, TCase{ifmNormal, -WHEEL_DELTA, 100},
                         TCase{ifmNormal, -WHEEL_DELTA, 90}}) {
    Image->Properties()->SetFitMode(c.FitMode);
    wheel(c.Delta, true);
    EXPECT_EQ(c.Expected, Image->ZoomPercent()) << int(c.FitMode) << " " << c.Delta;
  }
  wheel(WHEEL_DELTA, false);  // without Ctrl nothing zooms
  EXPECT_EQ(90, Image->ZoomPercent());

  // A drag moves the picture with the mouse.
  Image->ZoomingOptions()->SetZoomPercent(100);
  Image->SetFocus();
  const TPoint before = Image->TopLeft();
  const TPoint from = Image->ClientToScreen(TPoint(120, 90));
  PressMouseAt(from);
  MoveMouseTo(TPoint(from.X - 100, from.Y - 100));
  ReleaseMouseAt(TPoint(from.X - 100, from.Y - 100));
  const TPoint dragged = Image->TopLeft();
  ASSERT_EQ(TPoint(before.X + 100, before.Y + 100), dragged);
  // Zoomed to 200 %, the picture point under the client's centre stays.
  const TRect client = Image->ViewInfo()->ClientRect;
  Image->ZoomingOptions()->SetZoomPercent(200);
  EXPECT_NEAR((client.Width() / 2.0 + dragged.X) * 2, client.Width() / 2.0 + Image->TopLeft().X, 1);
  EXPECT_NEAR((client.Height() / 2.0 + dragged.Y) * 2, client.Height() / 2.0 + Image->TopLeft().Y, 1);
  // Dragging never passes the zoomed picture's edges.
  auto drag = [&](int ADelta) {
    PressMouseAt(from);
    MoveMouseTo(TPoint(from.X + ADelta, from.Y + ADelta));
    ReleaseMouseAt(TPoint(from.X + ADelta, from.Y + ADelta));
  };
  for (int i = 0; i < 7; ++i) drag(100);
  EXPECT_EQ(TPoint(0, 0), Image->TopLeft());
  for (int i = 0; i < 9; ++i) drag(-100);
  EXPECT_EQ(TPoint(800 - client.Width(), 600 - client.Height()), Image->TopLeft());
  // A new picture starts at the top left.
  Image->Picture()->Assign(HalvesBitmap(400, 300).get());
  EXPECT_EQ(TPoint(0, 0), Image->TopLeft());
}

// The bar lies in the client's lower part: its full width up to 200,
// 30 high, 40 above the client's bottom for a client this low.
TEST_F(ImageEditor, TheZoomBarShowsUnderTheMouseAndItsClicksZoom) {
  Image->Properties()->SetFitMode(ifmNormal);
  Image->ZoomingOptions()->SetShowZoomTrackBar(true);
  Image->Picture()->Assign(HalvesBitmap(60, 40).get());
  EXPECT_FALSE(Image->ViewInfo()->ShowZoomTrackBar);
  MoveMouseTo(Image->ClientToScreen(TPoint(70, 20)));
  ASSERT_TRUE(Image->ViewInfo()->ShowZoomTrackBar);
  const TRect client = Image->ViewInfo()->ClientRect;
  const TRect bar = Image->ViewInfo()->ZoomTrackBarRect;
  EXPECT_EQ(TRect(client.Left, client.Bottom - 40, client.Right, client.Bottom - 10), bar);
  EXPECT_EQ(500, Image->ActiveProperties()->ZoomTrackBarProperties()->Max());
  EXPECT_EQ(40, Image->ActiveProperties()->ZoomTrackBarProperties()->SecondRange()->LineSize());
  std::filesystem::create_directories("artifacts");
  SaveAsPng(*CaptureWindow(Image), L"artifacts\\ImageEditorZoomBar.png");

  // A press three quarters along the track jumps above 100 %.
  const TRect track = Image->ViewInfo()->ZoomTrackBarViewInfo()->TrackRect;
  const TPoint right = Image->ClientToScreen(
      TPoint(bar.Left + track.Left + track.Width() * 3 / 4, bar.Top + (track.Top + track.Bottom) / 2));
  PressMouseAt(right);
  ReleaseMouseAt(right);
  EXPECT_GT(Image->ZoomPercent(), 100);
  EXPECT_EQ(Image->ZoomingOptions()->ZoomPercent(), Image->ZoomPercent());
  // In the fit mode the zoom does not apply: no bar.
  Image->Properties()->SetFitMode(ifmFit);
  MoveMouseTo(Image->ClientToScreen(TPoint(70, 30)));
  EXPECT_FALSE(Image->ViewInfo()->ShowZoomTrackBar);
  EXPECT_EQ(100, Image->ZoomPercent());
  // Leaving the editor hides it.
  Image->Properties()->SetFitMode(ifmNormal);
  MoveMouseTo(Image->ClientToScreen(TPoint(70, 31)));
  EXPECT_TRUE(Image->ViewInfo()->ShowZoomTrackBar);
  MoveMouseTo(Image->ClientToScreen(TPoint(300, 250)));
  EXPECT_FALSE(Image->ViewInfo()->ShowZoomTrackBar);
}

// The 6 x 4 halves picture in the client (c): where red and blue land,
// and a point that keeps the background.
TEST_F(ImageEditor, EachFitModePaintsThePictureWhereItBelongs) {
  Image->Properties()->SetShowFocusRect(false);
  Image->Picture()->Assign(HalvesBitmap(6, 4).get());
  const TRect c = Image->ViewInfo()->ClientRect;
  const int cx = (c.Left + c.Right) / 2, cy = (c.Top + c.Bottom) / 2;
  struct TCase {
    TcxImageFitMode FitMode;
    bool Center;
    TPoint Red, Blue, Background;
  };
  const TCase cases[] = {
      // At its own size, from the top left or centred.
      {ifmNormal, false, {c.Left + 1, c.Top + 1}, {c.Left + 4, c.Top + 3}, {c.Left + 10, c.Top + 10}},
      {ifmNormal, true, {cx - 2, cy}, {cx + 2, cy}, {cx - 10, cy}},
      // The whole client.
      {ifmStretch, true, {c.Left + 2, c.Top + 2}, {c.Right - 3, c.Bottom - 3}, {-1, -1}},
      // As wide as the client, a little less high: a strip above stays.
      {ifmProportionalStretch, true, {c.Left + 2, cy}, {c.Right - 3, cy}, {cx, c.Top}},
      // Smaller than the client: kept at its size.
      {ifmFit, true, {cx - 2, cy}, {cx + 2, cy}, {cx - 10, cy}},
      // As high as the client, wider than it: cut at both sides.
      {ifmFill, true, {c.Left, c.Top}, {c.Right - 1, c.Bottom - 1}, {-1, -1}},
  };
  for (const TCase& k : cases) {
    Image->Properties()->SetFitMode(k.FitMode);
    Image->Properties()->SetCenter(k.Center);
    std::unique_ptr<TBitmap> shot = CaptureWindow(Image);
    EXPECT_EQ(clRed, PixelColor(*shot, k.Red.X, k.Red.Y)) << int(k.FitMode);
    EXPECT_EQ(clBlue, PixelColor(*shot, k.Blue.X, k.Blue.Y)) << int(k.FitMode);
    if (k.Background.X >= 0)
      EXPECT_EQ(ColorToRGB(clWindow), PixelColor(*shot, k.Background.X, k.Background.Y)) << int(k.FitMode);
  }
}

TEST_F(ImageEditor, WithoutAPictureTheCaptionIsDrawnAndFocusShowsTheFrame) {
  Image->Properties()->SetCaption(L"No photo");
  std::unique_ptr<TBitmap> shot = CaptureWindow(Image);
  int dark = 0;
  for (int x = 30; x < 110; ++x)
    for (int y = 40; y < 60; ++y) dark += PixelColor(*shot, x, y) == clBlack ? 1 : 0;
  EXPECT_GT(dark, 20);
  const TRect c = Image->ViewInfo()->ClientRect;
  EXPECT_EQ(ColorToRGB(clWindow), PixelColor(*shot, c.Left, c.Top));
  Image->SetFocus();
  ProcessPendingMessages();
  shot = CaptureWindow(Image);
  EXPECT_EQ(clBlack, PixelColor(*shot, c.Left, c.Top));
  EXPECT_EQ(clBlack, PixelColor(*shot, c.Right - 1, c.Bottom - 1));
  EXPECT_EQ(ColorToRGB(clWindow), PixelColor(*shot, c.Left + 1, c.Top + 1));
}

TEST_F(ImageEditor, SheetOfEveryFitModeInEveryLook) {
  const std::pair<const char*, TcxImageFitMode> modes[] = {{"Normal", ifmNormal},
                                                          {"Stretch", ifmStretch},
                                                          {"Proportional", ifmProportionalStretch},
                                                          {"Fit", ifmFit},
                                                          {"Fill", ifmFill},
                                                          {"Caption", ifmFit}};
  Image->SetVisible(false);
  const int cellWidth = 170, cellHeight = 110, left = 80, top = 20;
  TcxBitmap sheet(left + std::size(modes) * cellWidth, top + std::size(AllLooks) * cellHeight, pf32bit);
  TcxCanvas* canvas = sheet.cxCanvas();
  canvas->FillRect(sheet.ClientRect(), clWhite);
  canvas->Brush()->SetStyle(bsClear);
  auto label = [&](const std::string& AText, int X, int Y) {
    canvas->Canvas()->TextOut(X, Y, String(AText.begin(), AText.end()));
  };
  // A picture wider than the editor: quarters in four colours.
  auto picture = HalvesBitmap(200, 80);
  picture->Canvas()->Brush()->SetColor(clLime);
  picture->Canvas()->FillRect(TRect(0, 40, 100, 80));
  picture->Canvas()->Brush()->SetColor(clYellow);
  picture->Canvas()->FillRect(TRect(100, 40, 200, 80));
  for (size_t m = 0; m < std::size(modes); ++m) label(modes[m].first, left + m * cellWidth, 2);
  for (size_t l = 0; l < std::size(AllLooks); ++l) {
    const int y = top + l * cellHeight;
    label(LookName(AllLooks[l]), 4, y + 40);
    for (size_t m = 0; m < std::size(modes); ++m) {
      auto* image = Add<TcxImage>(10, 10);
      image->SetBounds(10, 10, 160, 100);
      SetLook(image->Style()->LookAndFeel(), AllLooks[l]);
      image->Properties()->SetFitMode(modes[m].second);
      image->Properties()->SetCaption(L"(no picture)");
      if (std::string(modes[m].first) != "Caption") image->Picture()->Assign(picture.get());
      std::unique_ptr<TBitmap> shot = CaptureWindow(image);
      BitBlt(canvas->Handle(), left + m * cellWidth, y, shot->Width(), shot->Height(), shot->Canvas()->Handle(), 0, 0,
             SRCCOPY);
      delete image;
    }
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet, L"artifacts\\ImageEditor.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/ImageEditor.png"));
}

TEST(ImageEditorProperties, FitModeProportionalStretchAndTheGraphicClassName) {
  TcxImageProperties properties(nullptr);
  struct TCase {
    bool Proportional, Stretch;
    TcxImageFitMode FitMode;
  };
  for (const TCase& c : {TCase{false, false, ifmNormal}, TCase{false, true, ifmStretch},
                         TCase{true, true, ifmProportionalStretch}, TCase{true, false, ifmFit}}) {
    properties.SetFitMode(ifmFill);
    properties.SetStretch(c.Stretch);
    properties.SetProportional(c.Proportional);
    EXPECT_EQ(c.FitMode, properties.FitMode());
    EXPECT_EQ(c.Proportional, properties.Proportional());
    EXPECT_EQ(c.Stretch, properties.Stretch());
  }
  EXPECT_EQ(L"TBitmap", properties.GraphicClassName());
  properties.SetGraphicClassName(L"tdxpngimage");
  EXPECT_EQ(L"TdxPNGImage", properties.GraphicClassName());
  properties.SetGraphicClassName(L"TNoSuchImage");
  EXPECT_EQ(L"TdxPNGImage", properties.GraphicClassName());
  properties.SetGraphicClassName(L"");
  EXPECT_EQ(nullptr, properties.GraphicClass());
  EXPECT_EQ(TBitmap::StaticClass(), properties.GetGraphicClass(nullptr, -1, true));
  EXPECT_EQ(nullptr, properties.GetGraphicClass(nullptr, -1, false));
  EXPECT_EQ(L"", properties.GetDisplayText(Null()));
  properties.SetCaption(L"photo");
  EXPECT_EQ(L"photo", properties.GetDisplayText(VarAsType(Variant(String(L"x")), varString)));
}

// A host's cell: the value's picture is drawn, unreadable data draws
// nothing instead of failing the painting.
TEST(ImageEditorCells, ACellLoadsItsValueAndUnreadableDataDrawsEmpty) {
  TcxImageProperties properties(nullptr);
  TcxEditStyle style(nullptr, true);
  std::unique_ptr<TcxCustomEditViewData> viewData(properties.CreateViewData(&style, true));
  TcxImageViewInfo viewInfo;
  auto* data = static_cast<TcxImageViewData*>(viewData.get());
  data->EditValueToDrawValue(BlobOf(HalvesBitmap(6, 4).get()), &viewInfo);
  ASSERT_NE(nullptr, viewInfo.Picture);
  EXPECT_EQ(6, viewInfo.Picture->Width());
  data->EditValueToDrawValue(VarAsType(Variant(String(L"BM not a bitmap")), varString), &viewInfo);
  EXPECT_EQ(nullptr, viewInfo.Picture->Graphic());
  data->EditValueToDrawValue(Null(), &viewInfo);
  EXPECT_EQ(nullptr, viewInfo.Picture->Graphic());
}

TEST(ImageEditorRegistration, TheImagePropertiesAreRegistered) {
  EXPECT_NE(-1, cxEditPropertiesRegistry()->GetIndexByClass(TcxImageProperties::StaticClass()));
}

}  // namespace
