#pragma once
// Buttons on a shown form, glyph strips of known colours, a menu that
// records where it was shown, and a person's click (the mouse arrives,
// presses and releases).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "components/editors-basic/cxButtons.h"
#include "components/lookandfeel/dxFading.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/controls/Forms.h"

enum class TLook { Standard, Flat, UltraFlat, Office11, Native };
inline const TLook AllLooks[] = {TLook::Standard, TLook::Flat, TLook::UltraFlat, TLook::Office11, TLook::Native};
inline const char* LookName(TLook ALook) {
  static const char* names[] = {"Standard", "Flat", "UltraFlat", "Office11", "Native"};
  return names[static_cast<int>(ALook)];
}
inline void SetLook(TcxLookAndFeel* ALookAndFeel, TLook ALook) {
  ALookAndFeel->SetNativeStyle(ALook == TLook::Native);
  if (ALook == TLook::Native) return;
  static const TcxLookAndFeelKind kinds[] = {lfStandard, lfFlat, lfUltraFlat, lfOffice11};
  ALookAndFeel->SetKind(kinds[static_cast<int>(ALook)]);
}

// The fader runs while the object lives (the system's setting may be off).
struct TFaderOn {
  TFaderOn() { dxGetGlobalFader()->SetState(fasEnabled); }
  ~TFaderOn() {
    dxGetGlobalFader()->Clear();
    dxGetGlobalFader()->SetState(fasDefault);
  }
  TFaderOn(const TFaderOn&) = delete;
  TFaderOn& operator=(const TFaderOn&) = delete;
  // Ticks until every fade has ended.
  static void FinishFades() {
    for (int tick = 0; tick < 200 && dxGetGlobalFader()->Count() > 0; ++tick) dxGetGlobalFader()->Update();
  }
};

// The first pixel of the middle column, then of the middle row, at which
// two images of one size differ (their corners may be partly transparent);
// (-1, -1) when none does.
inline TPoint FirstDifference(TBitmap& A, TBitmap& B) {
  GdiFlush();
  const int w = A.Width(), h = A.Height();
  for (int y = 0; y < h; ++y)
    if (PixelColor(A, w / 2, y) != PixelColor(B, w / 2, y)) return TPoint(w / 2, y);
  for (int x = 0; x < w; ++x)
    if (PixelColor(A, x, h / 2) != PixelColor(B, x, h / 2)) return TPoint(x, h / 2);
  return TPoint(-1, -1);
}

// Every colour lies between the two, channel by channel (one step of
// rounding allowed), and one of them is neither.
inline ::testing::AssertionResult FramesBetween(const std::vector<TColor>& AFrames, TColor AFrom, TColor ATo) {
  bool strictlyBetween = false;
  for (TColor c : AFrames) {
    for (int shift : {0, 8, 16}) {
      const int v = (c >> shift) & 0xFF, a = (AFrom >> shift) & 0xFF, b = (ATo >> shift) & 0xFF;
      if (v < std::min(a, b) - 1 || v > std::max(a, b) + 1)
        return ::testing::AssertionFailure() << std::hex << c << " is not between " << AFrom << " and " << ATo;
    }
    strictlyBetween = strictlyBetween || (c != AFrom && c != ATo);
  }
  if (!strictlyBetween) return ::testing::AssertionFailure() << "no frame between the two looks";
  return ::testing::AssertionSuccess();
}

// The images in rows of AColumns cells (one row by default), 4 pixels
// apart on white, saved as artifacts/<AName>.png.
inline void SaveStrip(const std::vector<std::unique_ptr<TBitmap>>& AImages, const std::string& AName,
                      int AColumns = 0) {
  const int count = static_cast<int>(AImages.size());
  const int columns = AColumns > 0 ? AColumns : std::max(count, 1);
  int cellWidth = 0, cellHeight = 0;
  for (const auto& image : AImages) {
    cellWidth = std::max(cellWidth, image->Width() + 4);
    cellHeight = std::max(cellHeight, image->Height() + 4);
  }
  const int rows = (count + columns - 1) / columns;
  TBitmap sheet;
  sheet.SetPixelFormat(pf32bit);
  sheet.SetSize(columns * cellWidth + 4, rows * cellHeight + 4);
  sheet.Canvas()->Brush()->SetColor(clWhite);
  sheet.Canvas()->FillRect(TRect(0, 0, sheet.Width(), sheet.Height()));
  for (int i = 0; i < count; ++i) {
    TBitmap& image = *AImages[i];
    BitBlt(sheet.Canvas()->Handle(), 4 + (i % columns) * cellWidth, 4 + (i / columns) * cellHeight, image.Width(),
           image.Height(), image.Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet, String(L"artifacts\\") + String(AName.begin(), AName.end()) + L".png");
}

// AHelper's element, at ABounds in AControl's client area, fades between
// the two looks AHelper prepares: before AHover the control shows the
// normal look, while the fade runs frames between the two, then the hot
// look. The control before, during and after is saved as AName's strip.
template <class THelper, class THover>
void ExpectFadeBetweenLooks(THelper* AHelper, TWinControl* AControl, const TRect& ABounds, THover AHover,
                            const std::string& AName) {
  TBitmap *normal = nullptr, *hot = nullptr;
  AHelper->PrepareFadeImages(normal, hot);
  std::unique_ptr<TBitmap> normalImage(normal), hotImage(hot);
  ASSERT_EQ(normal->Width(), ABounds.Width());
  ASSERT_EQ(hot->Height(), ABounds.Height());
  const TPoint probe = FirstDifference(*normal, *hot);
  ASSERT_NE(probe, TPoint(-1, -1));
  const TColor from = PixelColor(*normal, probe.X, probe.Y), to = PixelColor(*hot, probe.X, probe.Y);
  const TPoint at(ABounds.Left + probe.X, ABounds.Top + probe.Y);
  std::vector<std::unique_ptr<TBitmap>> shots;
  shots.push_back(CaptureWindow(AControl));
  EXPECT_EQ(PixelColor(*shots.back(), at.X, at.Y), from);
  AHover();
  ASSERT_TRUE(AHelper->Active());
  std::vector<TColor> frames;
  for (int tick = 0; tick < 200 && AHelper->Active(); ++tick) {
    dxGetGlobalFader()->Update();
    if (!AHelper->Active()) break;
    std::unique_ptr<TBitmap> shot = CaptureWindow(AControl);
    frames.push_back(PixelColor(*shot, at.X, at.Y));
    if (frames.size() == 2) shots.push_back(std::move(shot));
  }
  EXPECT_TRUE(FramesBetween(frames, from, to));
  shots.push_back(CaptureWindow(AControl));
  EXPECT_EQ(PixelColor(*shots.back(), at.X, at.Y), to);
  SaveStrip(shots, AName);
}

// A strip of ACount sections of AHeight square pixels, section i in
// AColors[i]; the bottom-left pixel of each (white) is the transparent
// colour.
inline std::unique_ptr<TBitmap> MakeStrip(int AHeight, const std::vector<TColor>& AColors) {
  auto strip = std::make_unique<TBitmap>();
  strip->SetPixelFormat(pf24bit);
  strip->SetSize(AHeight * static_cast<int>(AColors.size()), AHeight);
  for (size_t i = 0; i < AColors.size(); ++i) {
    strip->Canvas()->Brush()->SetColor(AColors[i]);
    const int left = static_cast<int>(i) * AHeight;
    strip->Canvas()->FillRect(TRect(left, 0, left + AHeight, AHeight));
    strip->Canvas()->SetPixels(left, AHeight - 1, clWhite);
  }
  return strip;
}

// A menu of the library's kind that remembers where the button showed it.
class TRecordingMenu : public TComponent, public IcxContextMenuComponent, public IcxButtonAttachedMenu {
  VCL_COMPONENT_CLASS(TRecordingMenu, TComponent)
public:
  using TComponent::TComponent;
  bool IsShortCut(const TMessage&) override { return false; }
  void Popup(int X, int Y) override { Popups.push_back(TPoint(X, Y)); }
  void ButtonAttachedPopup(const TPoint& P, TPopupAlignment, const TRect& AButtonScreenRect) override {
    DropDowns.push_back(P);
    ButtonRects.push_back(AButtonScreenRect);
    if (WhileShown) WhileShown();
  }
  std::vector<TPoint> DropDowns;
  std::vector<TRect> ButtonRects;
  std::vector<TPoint> Popups;
  std::function<void()> WhileShown;
};

struct ButtonFixture : FormFixture {
  ButtonFixture() {
    Form->SetBounds(0, 0, 400, 300);
    Form->Show();
  }
  TcxButton* AddButton(int Left, int Top, const String& ACaption = L"Button") {
    TcxButton* button = Add<TcxButton>(Left, Top);
    button->SetCaption(ACaption);
    return button;
  }
  // A person's click: the mouse comes over the point, presses, releases.
  static void Click(TcxButton* AButton, const TPoint& P) {
    const LPARAM at = MAKELPARAM(P.X, P.Y);
    PostMessageW(AButton->Handle(), WM_MOUSEMOVE, 0, at);
    PostMessageW(AButton->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(AButton->Handle(), WM_LBUTTONUP, 0, at);
    ProcessPendingMessages();
  }
  // The view info as the button's last painting laid it out.
  static TcxButtonViewInfo* Painted(TcxButton* AButton) {
    AButton->Invalidate();
    UpdateWindow(AButton->Handle());
    return AButton->ViewInfo();
  }
  static void Click(TcxButton* AButton) { Click(AButton, TPoint(AButton->Width() / 2, AButton->Height() / 2)); }
};
