// What buttons show in their states: pixels of real windows, and one
// sheet of every kind in every state and look for a person to look at.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/editors-basic/ButtonFixture.h"

namespace {

enum class TState { Normal, Hot, Pressed, Default, Focused, Disabled };
const char* StateName(TState AState) {
  static const char* names[] = {"Normal", "Hot", "Pressed", "Default", "Focused", "Disabled"};
  return names[static_cast<int>(AState)];
}

struct ButtonPainting : ButtonFixture {
  // Puts the button into the state as a person (or the form) would, and
  // returns what its window shows.
  std::unique_ptr<TBitmap> Show(TcxButton* AButton, TState AState) {
    switch (AState) {
      case TState::Hot: SendMessageW(AButton->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); break;
      case TState::Pressed:
        SendMessageW(AButton->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        SendMessageW(AButton->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        break;
      case TState::Default: AButton->SetDefault(true); break;
      case TState::Focused:
        if (AButton->CanFocus()) AButton->SetFocus();  // a speed button never takes it
        break;
      case TState::Disabled: AButton->SetEnabled(false); break;
      default: break;
    }
    std::unique_ptr<TBitmap> image = CaptureWindow(AButton);
    if (AState == TState::Pressed) {
      // Let go outside, so that nothing is clicked.
      SendMessageW(AButton->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));
      ReleaseCapture();
    }
    return image;
  }
};

}  // namespace

TEST_F(ButtonPainting, StateColoursFillTheFace) {
  struct TCase {
    TState State;
    TcxButtonAssignedColor Slot;
    TColor Color;
  };
  // UltraFlat tracks the mouse, so its hot state is painted.
  const TCase cases[] = {{TState::Normal, cxbcNormal, clRed},
                         {TState::Hot, cxbcHot, clLime},
                         {TState::Pressed, cxbcPressed, clBlue},
                         {TState::Default, cxbcDefault, clYellow},
                         {TState::Disabled, cxbcDisabled, clFuchsia}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(StateName(c.State));
    TcxButton* button = AddButton(10, 10, L"");
    button->SetBounds(10, 10, 80, 30);
    SetLook(button->LookAndFeel(), TLook::UltraFlat);
    button->Colors()->SetColor(c.Slot, c.Color);
    std::unique_ptr<TBitmap> image = Show(button, c.State);
    EXPECT_EQ(PixelColor(*image, 40, 15), c.Color);
    delete button;
  }
}

TEST_F(ButtonPainting, DisabledCaptionIsEmbossedAndFocusShowsItsRectangle) {
  TcxButton* button = AddButton(10, 10, L"WWWW");
  button->SetBounds(10, 10, 90, 30);
  SetLook(button->LookAndFeel(), TLook::Standard);
  button->Colors()->SetColor(cxbcNormal, clSilver);
  button->Colors()->SetColor(cxbcDisabled, clSilver);
  const TRect caption = Painted(button)->CaptionRect();
  auto count = [&](TBitmap& AImage, TColor AColor, const TRect& R) {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) n += PixelColor(AImage, x, y) == AColor;
    return n;
  };
  TRect around = caption;
  around.Inflate(1, 1);
  std::unique_ptr<TBitmap> normal = Show(button, TState::Normal);
  EXPECT_EQ(count(*normal, ColorToRGB(clBtnHighlight), around), 0);
  std::unique_ptr<TBitmap> disabled = Show(button, TState::Disabled);
  // Thin strokes hide most of the highlight copy under the text itself.
  EXPECT_GT(count(*disabled, ColorToRGB(clBtnHighlight), around), 0);
  EXPECT_GT(count(*disabled, ColorToRGB(clBtnShadow), around), 10);
  button->SetEnabled(true);

  // The focus rectangle runs four pixels inside the face.
  std::unique_ptr<TBitmap> unfocused = Show(button, TState::Normal);
  std::unique_ptr<TBitmap> focused = Show(button, TState::Focused);
  int changed = 0;
  for (int x = 4; x < 86; ++x) changed += PixelColor(*focused, x, 4) != PixelColor(*unfocused, x, 4);
  EXPECT_GT(changed, 20);
  button->SetShowFocusRect(false);
  std::unique_ptr<TBitmap> plain = Show(button, TState::Focused);
  EXPECT_EQ(PixelColor(*plain, 10, 4), PixelColor(*unfocused, 10, 4));
}

TEST_F(ButtonPainting, SheetOfEveryKindStateAndLook) {
  const int cellWidth = 150, cellHeight = 46, left = 150, top = 24;
  const TState states[] = {TState::Normal, TState::Hot,     TState::Pressed,
                           TState::Default, TState::Focused, TState::Disabled};
  struct TKind {
    const char* Name;
    TcxButtonKind Kind;
    bool Glyph, Speed;
  };
  const TKind kinds[] = {{"Push", cxbkStandard, false, false},     {"Glyph", cxbkStandard, true, false},
                         {"DropDown", cxbkDropDown, false, false}, {"Split", cxbkDropDownButton, true, false},
                         {"CommandLink", cxbkCommandLink, false, false},
                         {"OfficeDropDown", cxbkOfficeDropDown, true, false},
                         {"Flat speed", cxbkStandard, true, true}};
  const int rows = std::size(kinds) * std::size(AllLooks);
  TcxBitmap sheet(left + std::size(states) * cellWidth, top + rows * cellHeight, pf32bit);
  TcxCanvas* canvas = sheet.cxCanvas();
  canvas->FillRect(sheet.ClientRect(), clWhite);
  canvas->Font()->SetName(L"Tahoma");
  canvas->Font()->SetHeight(-11);
  canvas->Brush()->SetStyle(bsClear);
  auto label = [&](const std::string& AText, int X, int Y) {
    canvas->Canvas()->TextOut(X, Y, String(AText.begin(), AText.end()));
  };
  for (size_t s = 0; s < std::size(states); ++s) label(StateName(states[s]), left + s * cellWidth, 4);
  std::unique_ptr<TBitmap> strip = MakeStrip(16, {clGreen, clGray, clNavy});
  int row = 0;
  for (const TKind& kind : kinds)
    for (const TLook look : AllLooks) {
      const int y = top + row++ * cellHeight;
      label(std::string(kind.Name) + " " + LookName(look), 4, y + 14);
      for (size_t s = 0; s < std::size(states); ++s) {
        TcxButton* button = AddButton(10, 10, L"&Save");
        button->SetBounds(10, 10, cellWidth - 8, cellHeight - 6);
        SetLook(button->LookAndFeel(), look);
        button->SetKind(kind.Kind);
        if (kind.Kind == cxbkCommandLink || kind.Kind == cxbkOfficeDropDown) button->SetDescription(L"Keeps it");
        if (kind.Glyph) button->OptionsImage()->SetGlyph(strip.get());
        if (kind.Speed) {
          button->SetCanBeFocused(false);
          button->SpeedButtonOptions()->SetFlat(true);
        }
        std::unique_ptr<TBitmap> image = Show(button, states[s]);
        BitBlt(canvas->Handle(), left + s * cellWidth, y, image->Width(), image->Height(),
               image->Canvas()->Handle(), 0, 0, SRCCOPY);
        delete button;
      }
    }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet, L"artifacts\\Buttons.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/Buttons.png"));
}
