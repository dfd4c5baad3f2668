// The fixed-list look of the combo box: the platform's own states, the
// selection bar a focused fixed list draws its text on, and a value drawn
// by the items' draw handler.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "components/editors/cxDropDownEdit.h"
#include "tests/editors/DropDownFixture.h"
#include "tests/editors/EditorFixture.h"
#include "tests/guiharness/WindowCapture.h"

namespace {

struct DropDownLook : DropDownFixture {
  TcxComboBox* AddCombo(TcxEditDropDownListStyle AStyle, bool ANative) {
    auto* combo = AddEdit<TcxComboBox>();
    combo->Style()->LookAndFeel()->SetNativeStyle(ANative);
    if (!ANative) combo->Style()->LookAndFeel()->SetKind(lfStandard);
    combo->Properties()->SetDropDownListStyle(AStyle);
    for (const wchar_t* item : {L"Apple", L"Apricot", L"Banana"}) combo->Properties()->Items()->Add(item);
    return combo;
  }
};

enum class TComboState { Normal, Focused, Hot, DroppedDown, Disabled };

struct TLookCase {
  const char* Name;
  TcxEditDropDownListStyle Style;
  bool Native;
  TComboState State;
  int NativeState;
  bool SelectionBar;
};

TEST_F(DropDownLook, AFixedListTakesThePlatformStatesOrDrawsASelectionBarWhenFocused) {
  const TLookCase cases[] = {
      {"native normal", lsFixedList, true, TComboState::Normal, 1, false},
      {"native focused", lsFixedList, true, TComboState::Focused, 1, false},
      {"native hot", lsFixedList, true, TComboState::Hot, 2, false},
      {"native dropped down", lsFixedList, true, TComboState::DroppedDown, 3, false},
      {"native disabled", lsFixedList, true, TComboState::Disabled, 4, false},
      // Other editing styles keep the text edit's states.
      {"native edit list focused", lsEditList, true, TComboState::Focused, ETS_FOCUSED, false},
      {"standard normal", lsFixedList, false, TComboState::Normal, 0, false},
      {"standard focused", lsFixedList, false, TComboState::Focused, 0, true},
      {"standard dropped down", lsFixedList, false, TComboState::DroppedDown, 0, false},
      {"standard edit list focused", lsEditList, false, TComboState::Focused, 0, false},
  };
  for (const TLookCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxComboBox* combo = AddCombo(c.Style, c.Native);
    switch (c.State) {
      case TComboState::Normal: break;
      case TComboState::Focused: Focus(combo); break;
      case TComboState::Hot: {
        const TRect r = ScreenBounds(combo);
        MoveMouseTo(TPoint(r.Left + 20, r.Top + 8));
        ProcessPendingMessages();
        break;
      }
      case TComboState::DroppedDown:
        Focus(combo);
        Do(combo, TGesture::F4);
        break;
      case TComboState::Disabled: combo->SetEnabled(false); break;
    }
    ProcessPendingMessages();
    EXPECT_EQ(combo->ViewInfo()->NativeState, c.NativeState);
    EXPECT_EQ(combo->TextViewInfo()->DrawSelectionBar, c.SelectionBar);
    if (combo->DroppedDown()) Do(combo, TGesture::Escape);
    MoveMouseTo(TPoint(0, 0));
    Focus(Other);
    delete combo;
  }
}

TEST_F(DropDownLook, AFixedListShowingAFindSelectionDrawsNoSelectionBar) {
  TcxComboBox* combo = AddCombo(lsFixedList, false);
  combo->Properties()->SetImmediateDropDownWhenKeyPressed(false);
  Focus(combo);
  ASSERT_TRUE(combo->TextViewInfo()->DrawSelectionBar);
  TypeText(combo, L"a");
  ProcessPendingMessages();
  ASSERT_FALSE(combo->DroppedDown());
  ASSERT_TRUE(combo->FindSelection());
  EXPECT_FALSE(combo->TextViewInfo()->DrawSelectionBar);
}

TEST_F(DropDownLook, AnOpenListHasTheBorderOfItsLook) {
  for (const bool native : {false, true}) {
    SCOPED_TRACE(native ? "native" : "standard");
    TcxComboBox* combo = AddCombo(lsEditList, native);
    Focus(combo);
    Do(combo, TGesture::F4);
    ASSERT_TRUE(combo->DroppedDown());
    TcxCustomEditPopupWindow* popup = combo->PopupWindow();
    EXPECT_NE(popup->BorderStyle(), epbsDefault);
    const int border = popup->ViewInfo()->GetBorderWidth();
    EXPECT_GE(border, 1);
    const TRect client = popup->ViewInfo()->ClientRect;
    EXPECT_GE(client.Left, border);
    EXPECT_GE(client.Top, border);
    std::unique_ptr<TBitmap> picture = CaptureWindow(popup);
    const TColor edge = PixelColor(*picture, 0, picture->Height() / 2);
    EXPECT_NE(edge, static_cast<TColor>(ColorToRGB(clWindow)));
    Do(combo, TGesture::Escape);
    delete combo;
  }
}

// A fixed-list value painted for a host, without an edit: the handler
// draws a known item, on the highlight when the selection bar shows.
struct TDrawnValueCase {
  const char* Name;
  TcxEditDropDownListStyle Style;
  const wchar_t* Value;
  bool Focused;
  int ExpectedIndex;  // -1: the handler is not asked
  TOwnerDrawState ExpectedState;
};

TEST(ComboDrawnValue, AFixedListValueThatIsAnItemIsDrawnByTheHandler) {
  const TDrawnValueCase cases[] = {
      {"item, focused", lsFixedList, L"Banana", true, 2, TOwnerDrawState{odSelected, odFocused, odComboBoxEdit}},
      {"item", lsFixedList, L"Apricot", false, 1, TOwnerDrawState{odComboBoxEdit}},
      {"not an item", lsFixedList, L"Cherry", false, -1, {}},
      {"edit list", lsEditList, L"Banana", false, -1, {}},
  };
  for (const TDrawnValueCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxComboBoxProperties properties(nullptr);
    properties.SetDropDownListStyle(c.Style);
    for (const wchar_t* item : {L"Apple", L"Apricot", L"Banana"}) properties.Items()->Add(item);
    int drawnIndex = -1;
    TOwnerDrawState drawnState;
    properties.OnDrawItem = [&](TcxCustomComboBox* AControl, TcxCanvas* ACanvas, int AIndex, const TRect& ARect,
                                TOwnerDrawState AState) {
      EXPECT_EQ(AControl, nullptr);
      drawnIndex = AIndex;
      drawnState = AState;
      ACanvas->FillRect(TRect(ARect.Left, ARect.Top, ARect.Left + 10, ARect.Bottom), clRed);
    };
    TcxEditStyle style(nullptr, false);
    style.LookAndFeel()->SetNativeStyle(false);
    style.LookAndFeel()->SetKind(lfStandard);
    std::unique_ptr<TcxCustomEditViewInfo> viewInfo(properties.GetViewInfoClass().Create());
    std::unique_ptr<TcxCustomEditViewData> viewData(properties.CreateViewData(&style, false));
    viewData->Focused = c.Focused;
    TPaintSurface surface(200, 40, clWhite);
    static_cast<TcxCustomTextEditViewData*>(viewData.get())->EditValueToDrawValue(Variant(String(c.Value)),
                                                                                 viewInfo.get());
    viewData->Calculate(surface.Canvas.get(), TRect(0, 0, 150, 22), TPoint(-1, -1), cxmbNone, {}, viewInfo.get(),
                        false);
    viewInfo->Paint(surface.Canvas.get());
    EXPECT_EQ(drawnIndex, c.ExpectedIndex);
    if (c.ExpectedIndex < 0) continue;
    EXPECT_EQ(drawnState, c.ExpectedState);
    const TRect client = viewInfo->ClientRect;
    // The handler's mark at the left, the rest on the selection bar or the background.
    EXPECT_EQ(surface.Pixel(client.Left + 3, client.Top + 5), clRed);
    const TColor rest = ColorToRGB(c.Focused ? clHighlight : viewInfo->BackgroundColor());
    EXPECT_EQ(ColorToRGB(surface.Pixel(client.Left + 30, client.Top + 5)), rest);
  }
}

}  // namespace
