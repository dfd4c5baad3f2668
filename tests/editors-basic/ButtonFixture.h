#pragma once
// Buttons on a shown form, glyph strips of known colours, a menu that
// records where it was shown, and a person's click (the mouse arrives,
// presses and releases).
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "components/editors-basic/cxButtons.h"
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
