// A real drop-down edit on a form, its popup opened and closed as a person
// does it (F4, Alt+Down, Alt+Up, Enter, Escape, Tab, the button, a press
// elsewhere, another window taking the focus): the events, the reason and
// the value after each; the popup placed at every edge of the work area,
// sized by the mouse from its grip and remembering that size; the
// properties' own rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/editors/cxDropDownEdit.h"
#include "tests/editors/DropDownFixture.h"

namespace {

using DropDownEdit = DropDownFixture;

// How the popup is opened and closed, and what that must report.
struct TOpenClose {
  const char* Name;
  TGesture Open;
  TGesture Close;
  TcxEditCloseUpReason Reason;
  bool ReadOnly = false;
  bool PostOnTab = false;
};

TEST_F(DropDownEdit, OpensAndClosesWithTheReasonOfEachWay) {
  const std::vector<TOpenClose> cases = {
      {"F4 twice", TGesture::F4, TGesture::F4, crClose},
      {"Alt+Down, Alt+Up", TGesture::AltDown, TGesture::AltUp, crClose},
      {"Alt+Up, Alt+Down", TGesture::AltUp, TGesture::AltDown, crClose},
      {"Enter", TGesture::F4, TGesture::Enter, crEnter},
      {"Enter, read-only", TGesture::F4, TGesture::Enter, crCancel, true},
      {"Escape", TGesture::F4, TGesture::Escape, crCancel},
      {"Tab posting the value", TGesture::F4, TGesture::Tab, crTab, false, true},
      {"the button twice", TGesture::Button, TGesture::Button, crUnknown},
      {"a press elsewhere", TGesture::Button, TGesture::PressElsewhere, crUnknown},
      {"another window takes the focus", TGesture::F4, TGesture::OtherWindow, crUnknown},
  };
  for (const TOpenClose& c : cases) {
    SCOPED_TRACE(c.Name);
    TTestDropDownEdit* edit = AddEdit();
    edit->Properties()->SetReadOnly(c.ReadOnly);
    edit->Properties()->SetPostPopupValueOnTab(c.PostOnTab);
    std::vector<std::string> events;
    Record(edit, events);
    Focus(edit);
    Do(edit, c.Open);
    ASSERT_TRUE(edit->DroppedDown());
    EXPECT_TRUE(IsWindowVisible(edit->PopupWindow()->Handle()));
    Do(edit, c.Close);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_FALSE(IsWindowVisible(edit->PopupWindow()->Handle()));
    EXPECT_EQ(edit->CloseUpReason(), c.Reason);
    EXPECT_EQ(events, (std::vector<std::string>{"init", "popup", "finalize",
                                                "close " + std::to_string(static_cast<int>(c.Reason)), "closeup"}));
    delete edit;
  }
}

TEST_F(DropDownEdit, TheKeysThatOpenAndCloseAreConsumedAltF4IsNot) {
  TTestDropDownEdit* edit = AddEdit();
  Focus(edit);
  struct TKeyCase {
    uint16_t Key;
    TShiftState Shift;
    bool Consumed;
  };
  const TKeyCase keys[] = {{VK_F4, {}, true}, {VK_DOWN, {ssAlt}, true}, {VK_F4, {ssAlt}, false}};
  for (const TKeyCase& k : keys) {
    uint16_t key = k.Key;
    edit->SendKeyDown(key, k.Shift);
    EXPECT_EQ(key == 0, k.Consumed) << k.Key;
    ProcessPendingMessages();
    edit->SetDroppedDown(false);
  }
}

TEST_F(DropDownEdit, AContentThatCannotDropDownNeverOpens) {
  TTestDropDownEdit* edit = AddEdit();
  edit->Droppable = false;
  std::vector<std::string> events;
  Record(edit, events);
  Focus(edit);
  Do(edit, TGesture::F4);
  EXPECT_FALSE(edit->DroppedDown());
  // Prepared and released again.
  EXPECT_EQ(events, (std::vector<std::string>{"init", "finalize"}));
}

TEST_F(DropDownEdit, AnErrorInInitPopupKeepsItClosedAndComesThrough) {
  TTestDropDownEdit* edit = AddEdit();
  edit->Properties()->OnInitPopup = [](TObject*) { throw EcxEditError(L"no content"); };
  Focus(edit);
  EXPECT_THROW(edit->SetDroppedDown(true), EcxEditError);
  ProcessPendingMessages();
  EXPECT_FALSE(edit->DroppedDown());
  // The next opening prepares again.
  int inits = 0;
  edit->Properties()->OnInitPopup = [&](TObject*) { ++inits; };
  edit->SetDroppedDown(true);
  ProcessPendingMessages();
  EXPECT_TRUE(edit->DroppedDown());
  EXPECT_EQ(inits, 1);
}

TEST_F(DropDownEdit, TypingOpensThePopupAndTheTextStaysInTheEdit) {
  TTestDropDownEdit* edit = AddEdit();
  Focus(edit);
  SendMessageW(GetFocus(), WM_CHAR, L'a', 1);
  ProcessPendingMessages();
  EXPECT_TRUE(edit->DroppedDown());
  EXPECT_EQ(edit->Text(), L"a");
  edit->Properties()->SetImmediateDropDownWhenKeyPressed(false);
  Do(edit, TGesture::Escape);
  SendMessageW(GetFocus(), WM_CHAR, L'b', 1);
  ProcessPendingMessages();
  EXPECT_FALSE(edit->DroppedDown());
  EXPECT_EQ(edit->Text(), L"ab");
}

// ---------------------------------------------------------------- placement

struct TPlacement {
  const char* Name;
  TPoint EditAt;  // the edit's screen position
  TcxPopupAlignHorz Align;
  TdxCorner Grip;
  // Where the popup lands against the edit (E) and the work area (W).
  enum { Below, Above } Side;
  enum { EditLeft, EditRight, WorkRight, WorkLeft } Horz;
};

TEST_F(DropDownEdit, PlacedBesideTheEditInsideTheWorkAreaWithTheGripAwayFromIt) {
  const TRect work = cxGetDesktopWorkAreaAtPoint(TPoint(0, 0));
  const std::vector<TPlacement> cases = {
      {"room below", {100, 100}, pahLeft, coBottomRight, TPlacement::Below, TPlacement::EditLeft},
      {"bottom edge: flipped above", {100, work.Bottom - 40}, pahLeft, coTopRight, TPlacement::Above,
       TPlacement::EditLeft},
      {"right aligned", {300, 100}, pahRight, coBottomLeft, TPlacement::Below, TPlacement::EditRight},
      {"right edge: pushed in", {work.Right - 60, 100}, pahLeft, coBottomLeft, TPlacement::Below,
       TPlacement::WorkRight},
      {"left edge, right aligned: pushed in", {work.Left + 2, 100}, pahRight, coBottomRight, TPlacement::Below,
       TPlacement::WorkLeft},
      {"bottom right corner", {work.Right - 60, work.Bottom - 40}, pahLeft, coTopLeft, TPlacement::Above,
       TPlacement::WorkRight},
  };
  for (const TPlacement& c : cases) {
    SCOPED_TRACE(c.Name);
    TTestDropDownEdit* edit = AddEdit();
    edit->Style()->SetShadow(true);
    edit->Properties()->SetPopupHorzAlignment(c.Align);
    edit->ContentSize = TSize(200, 150);
    MoveEditTo(edit, c.EditAt);
    Focus(edit);
    Do(edit, TGesture::F4);
    ASSERT_TRUE(edit->DroppedDown());
    const TRect e = ScreenBounds(edit);
    const TRect p = ScreenBounds(edit->PopupWindow());
    const TPoint size(p.Width(), p.Height());
    EXPECT_EQ(edit->PopupWindow()->ViewInfo()->SizeGripCorner, c.Grip);
    // The shadow below an upward popup overlaps the edit.
    EXPECT_EQ(p.Top, c.Side == TPlacement::Below ? e.Bottom : e.Top - size.Y + 3);
    const int expectedLeft = c.Horz == TPlacement::EditLeft    ? e.Left
                             : c.Horz == TPlacement::EditRight ? e.Right + 3 - size.X
                             : c.Horz == TPlacement::WorkRight ? work.Right - size.X
                                                               : work.Left;
    EXPECT_EQ(p.Left, expectedLeft);
    EXPECT_GE(p.Left, work.Left);
    EXPECT_LE(p.Right, work.Right);
    delete edit;
  }
}

TEST_F(DropDownEdit, AHorizontalPopupOpensBesideTheEditAndFlipsAtTheRightEdge) {
  const TRect work = cxGetDesktopWorkAreaAtPoint(TPoint(0, 0));
  struct THorizontal {
    const char* Name;
    TPoint EditAt;
    TcxPopupAlignVert Align;
    bool Right;  // opens to the right of the edit
    TdxCorner Grip;
  };
  const THorizontal cases[] = {
      {"right, top aligned", {100, 200}, pavTop, true, coBottomRight},
      {"right, bottom aligned", {100, 300}, pavBottom, true, coTopRight},
      {"right edge: flipped to the left", {work.Right - 200, 200}, pavTop, false, coBottomLeft},
  };
  for (const THorizontal& c : cases) {
    SCOPED_TRACE(c.Name);
    TTestDropDownEdit* edit = AddEdit();
    edit->Properties()->SetPopupDirection(pdHorizontal);
    edit->Properties()->SetPopupVertAlignment(c.Align);
    edit->ContentSize = TSize(120, 80);
    MoveEditTo(edit, c.EditAt);
    Focus(edit);
    Do(edit, TGesture::F4);
    ASSERT_TRUE(edit->DroppedDown());
    const TRect e = ScreenBounds(edit);
    const TRect p = ScreenBounds(edit->PopupWindow());
    EXPECT_EQ(c.Right ? p.Left : p.Right, c.Right ? e.Right : e.Left);
    EXPECT_EQ(c.Align == pavTop ? p.Top : p.Bottom, c.Align == pavTop ? e.Top : e.Bottom);
    EXPECT_EQ(edit->PopupWindow()->ViewInfo()->SizeGripCorner, c.Grip);
    delete edit;
  }
}

TEST_F(DropDownEdit, APopupTallerThanTheRoomIsClippedToTheWorkArea) {
  const TRect work = cxGetDesktopWorkAreaAtPoint(TPoint(0, 0));
  TTestDropDownEdit* edit = AddEdit();
  edit->ContentSize = TSize(200, work.Height() * 2);
  Focus(edit);
  Do(edit, TGesture::F4);
  const TRect p = ScreenBounds(edit->PopupWindow());
  EXPECT_GE(p.Top, work.Top);
  EXPECT_LE(p.Bottom, work.Bottom);
}

TEST_F(DropDownEdit, WithoutAutoSizeAsWideAsTheEditPlusItsShadow) {
  TTestDropDownEdit* edit = AddEdit();
  edit->Properties()->SetPopupAutoSize(false);
  edit->Properties()->SetPopupHeight(90);
  Focus(edit);
  Do(edit, TGesture::F4);
  EXPECT_EQ(edit->PopupWindow()->Width(), edit->Width());
  EXPECT_EQ(edit->PopupWindow()->Height(), 90);
  Do(edit, TGesture::Escape);
  edit->Style()->SetShadow(true);
  Do(edit, TGesture::F4);
  EXPECT_EQ(edit->PopupWindow()->Width(), edit->Width() + 3);
}

// ---------------------------------------------------------------- sizing

struct TSizing {
  const char* Name;
  TPoint EditAt;
  TcxPopupAlignHorz Align;
  TdxCorner Grip;
  TPoint Drag;
  bool Live;
};

TEST_F(DropDownEdit, SizedByTheGripFromEachCornerAndTheSizeRemembered) {
  const TRect work = cxGetDesktopWorkAreaAtPoint(TPoint(0, 0));
  const std::vector<TSizing> cases = {
      {"bottom right, live", {100, 100}, pahLeft, coBottomRight, {30, 20}, true},
      {"bottom right, framed", {100, 100}, pahLeft, coBottomRight, {30, 20}, false},
      {"bottom left", {400, 100}, pahRight, coBottomLeft, {-30, 20}, true},
      {"top right", {100, work.Bottom - 40}, pahLeft, coTopRight, {30, -20}, true},
      {"top left", {400, work.Bottom - 40}, pahRight, coTopLeft, {-30, -20}, false},
  };
  for (const TSizing& c : cases) {
    SCOPED_TRACE(c.Name);
    TTestDropDownEdit* edit = AddEdit();
    // A size of its own, not its content's.
    edit->Properties()->SetPopupAutoSize(false);
    edit->Properties()->SetPopupHeight(100);
    edit->Properties()->SetPopupSizeable(true);
    edit->Properties()->SetPopupSysPanelStyle(true);
    edit->Properties()->SetPopupHorzAlignment(c.Align);
    MoveEditTo(edit, c.EditAt);
    Focus(edit);
    Do(edit, TGesture::F4);
    TcxCustomEditPopupWindow* popup = edit->PopupWindow();
    popup->SetShowContentWhileResize(c.Live);
    ASSERT_EQ(popup->ViewInfo()->SizeGripCorner, c.Grip);
    const TRect before = ScreenBounds(popup);
    const TRect grip = popup->ViewInfo()->SizeGripRect;
    const TPoint start = popup->ClientToScreen(TPoint((grip.Left + grip.Right) / 2, (grip.Top + grip.Bottom) / 2));
    const TPoint end(start.X + c.Drag.X, start.Y + c.Drag.Y);
    PressMouseAt(start);
    MoveMouseTo(TPoint(start.X + c.Drag.X / 2, start.Y + c.Drag.Y / 2));
    MoveMouseTo(end);
    // Framed sizing keeps the window as it was until the release.
    if (!c.Live) {
      EXPECT_EQ(ScreenBounds(popup), before);
    }
    ReleaseMouseAt(end);
    const TRect after = ScreenBounds(popup);
    EXPECT_EQ(after.Width(), before.Width() + std::abs(c.Drag.X));
    EXPECT_EQ(after.Height(), before.Height() + std::abs(c.Drag.Y));
    // Anchored at the corner opposite the grip.
    const bool left = c.Grip == coTopLeft || c.Grip == coBottomLeft;
    const bool top = c.Grip == coTopLeft || c.Grip == coTopRight;
    EXPECT_EQ(left ? after.Right : after.Left, left ? before.Right : before.Left);
    EXPECT_EQ(top ? after.Bottom : after.Top, top ? before.Bottom : before.Top);
    // Remembered for the next opening.
    EXPECT_EQ(edit->Properties()->PopupWidth(), after.Width());
    EXPECT_EQ(edit->Properties()->PopupHeight(), after.Height());
    Do(edit, TGesture::Escape);
    Do(edit, TGesture::F4);
    EXPECT_EQ(ScreenBounds(popup).Width(), after.Width());
    EXPECT_EQ(ScreenBounds(popup).Height(), after.Height());
    delete edit;
  }
}

TEST_F(DropDownEdit, EscapeDuringAFramedDragLeavesTheSize) {
  TTestDropDownEdit* edit = AddEdit();
  edit->Properties()->SetPopupSizeable(true);
  edit->Properties()->SetPopupSysPanelStyle(true);
  Focus(edit);
  Do(edit, TGesture::F4);
  TcxCustomEditPopupWindow* popup = edit->PopupWindow();
  const TRect before = ScreenBounds(popup);
  const TRect grip = popup->ViewInfo()->SizeGripRect;
  const TPoint start = popup->ClientToScreen(TPoint(grip.Left + 2, grip.Top + 2));
  PressMouseAt(start);
  MoveMouseTo(TPoint(start.X + 40, start.Y + 40));
  EXPECT_TRUE(popup->IsSizing());
  Do(edit, TGesture::Escape);
  ReleaseMouseAt(TPoint(start.X + 40, start.Y + 40));
  EXPECT_FALSE(popup->IsSizing());
  EXPECT_EQ(ScreenBounds(popup).Width(), before.Width());
  EXPECT_EQ(edit->Properties()->PopupWidth(), 0);
}

TEST_F(DropDownEdit, NeverSizedBelowItsBordersCloseButtonAndGrip) {
  TTestDropDownEdit* edit = AddEdit();
  edit->Properties()->SetPopupSizeable(true);
  edit->Properties()->SetPopupSysPanelStyle(true);
  edit->Style()->SetPopupBorderStyle(epbsFrame3D);
  Focus(edit);
  Do(edit, TGesture::F4);
  TcxCustomEditPopupWindow* popup = edit->PopupWindow();
  TcxCustomLookAndFeelPainter* painter = popup->ViewInfo()->Painter;
  const TRect extent = popup->ViewInfo()->GetClientExtent();
  int width = 1, height = 1;
  popup->ConstrainPopupResize(width, height);
  EXPECT_EQ(width, extent.Left + extent.Right + painter->SmallCloseButtonSize().cx + painter->SizeGripSize().cx + 10);
  EXPECT_EQ(height, extent.Top + extent.Bottom);
}

TEST_F(DropDownEdit, TheCloseButtonClosesWhenTheCloseQueryAllows) {
  for (const bool allow : {false, true}) {
    SCOPED_TRACE(allow ? "allowed" : "refused");
    TTestDropDownEdit* edit = AddEdit();
    edit->Properties()->SetPopupSysPanelStyle(true);
    edit->Properties()->OnCloseQuery = [allow](TObject*, bool& CanClose) { CanClose = allow; };
    Focus(edit);
    Do(edit, TGesture::F4);
    TcxCustomEditPopupWindow* popup = edit->PopupWindow();
    const TRect button = popup->ViewInfo()->CloseButtonRect;
    ASSERT_FALSE(button.IsEmpty());
    const TPoint center = popup->ClientToScreen(TPoint((button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2));
    MoveMouseTo(center);
    EXPECT_EQ(popup->ViewInfo()->CloseButtonState, cxbsHot);
    PressMouseAt(center);
    EXPECT_EQ(popup->ViewInfo()->CloseButtonState, cxbsPressed);
    ReleaseMouseAt(center);
    EXPECT_EQ(edit->DroppedDown(), !allow);
    if (allow) {
      EXPECT_EQ(edit->CloseUpReason(), crUnknown);
    }
    delete edit;
  }
}

TEST_F(DropDownEdit, SizingHitCodesAndCursorsAlongTheBorder) {
  TTestDropDownEdit* edit = AddEdit();
  edit->Properties()->SetPopupSizeable(true);
  edit->Style()->SetPopupBorderStyle(epbsFrame3D);
  edit->ContentSize = TSize(200, 100);
  Focus(edit);
  Do(edit, TGesture::F4);
  TcxCustomEditPopupWindow* popup = edit->PopupWindow();
  const int w = popup->Width(), h = popup->Height();
  struct THit {
    TPoint P;
    int Code;
    LPCWSTR Cursor;
  };
  // The grip is at the bottom right: only the bottom and right edges size.
  const THit hits[] = {{{w - 2, h - 2}, 1, IDC_SIZENWSE}, {{w / 2, h - 2}, 3, IDC_SIZENS},
                       {{w - 2, h / 2}, 4, IDC_SIZEWE},  {{w / 2, 1}, -1, IDC_ARROW},
                       {{1, h / 2}, -1, IDC_ARROW},      {{w / 2, h / 2}, -1, IDC_ARROW}};
  for (const THit& hit : hits) {
    EXPECT_EQ(popup->SizingHitTest(hit.P), hit.Code) << hit.P.X << "," << hit.P.Y;
    const TPoint screen = popup->ClientToScreen(hit.P);
    MoveMouseTo(screen);
    SendMessageW(popup->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(popup->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    if (hit.Code > 0) {
      EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, hit.Cursor)) << hit.Code;
    }
  }
}

// ---------------------------------------------------------------- properties

TEST_F(DropDownEdit, PopupSizePropertiesKeepTheirMinimums) {
  TcxCustomDropDownEditProperties properties(nullptr);
  properties.SetPopupMinWidth(-5);
  EXPECT_EQ(properties.PopupMinWidth(), 0);
  properties.SetPopupMinWidth(100);
  properties.SetPopupWidth(50);
  EXPECT_EQ(properties.PopupWidth(), 100);
  properties.SetPopupWidth(-1);
  EXPECT_EQ(properties.PopupWidth(), 0);
  properties.SetPopupMinHeight(80);
  properties.SetPopupHeight(10);
  EXPECT_EQ(properties.PopupHeight(), 80);
  properties.SetPopupHeight(120);
  properties.SetPopupMinHeight(150);
  EXPECT_EQ(properties.PopupHeight(), 150);
  // The alignment view of the horizontal alignment.
  const std::pair<TAlignment, TcxPopupAlignHorz> alignments[] = {
      {taLeftJustify, pahLeft}, {taRightJustify, pahRight}, {taCenter, pahCenter}};
  for (auto [alignment, horz] : alignments) {
    properties.SetPopupAlignment(alignment);
    EXPECT_EQ(properties.PopupHorzAlignment(), horz);
    EXPECT_EQ(properties.PopupAlignment(), alignment);
  }
}

TEST_F(DropDownEdit, AButtonGlyphTurnsTheArrowIntoAGlyphButtonAndBack) {
  TcxCustomDropDownEditProperties properties(nullptr);
  ASSERT_EQ(properties.Buttons()->Count(), 1);
  EXPECT_EQ(properties.Buttons()->Items(0)->Kind(), bkDown);
  TBitmap glyph;
  glyph.SetSize(8, 8);
  properties.SetButtonGlyph(&glyph);
  EXPECT_EQ(properties.Buttons()->Items(0)->Kind(), bkGlyph);
  ASSERT_NE(properties.ButtonGlyph(), nullptr);
  EXPECT_EQ(properties.ButtonGlyph()->Width(), 8);
  // The glyph moves with the index.
  properties.Buttons()->Add()->SetKind(bkEllipsis);
  properties.SetGlyphButtonIndex(1);
  EXPECT_EQ(properties.Buttons()->Items(0)->Kind(), bkDown);
  EXPECT_EQ(properties.Buttons()->Items(1)->Kind(), bkGlyph);
  properties.SetButtonGlyph(nullptr);
  EXPECT_EQ(properties.Buttons()->Items(1)->Kind(), bkDown);
  EXPECT_EQ(properties.ButtonGlyph(), nullptr);
}

TEST_F(DropDownEdit, SettingsCopiedWithTheEvents) {
  TcxCustomDropDownEditProperties source(nullptr), target(nullptr);
  source.SetPopupMinWidth(40);
  source.SetPopupWidth(300);
  source.SetPopupSizeable(true);
  source.SetPostPopupValueOnTab(true);
  source.SetPopupDirection(pdHorizontal);
  source.SetImmediateDropDownWhenKeyPressed(false);
  source.OnPopup = [](TObject*) {};
  target.Assign(&source);
  EXPECT_EQ(target.PopupMinWidth(), 40);
  EXPECT_EQ(target.PopupWidth(), 300);
  EXPECT_TRUE(target.PopupSizeable());
  EXPECT_TRUE(target.PostPopupValueOnTab());
  EXPECT_EQ(target.PopupDirection(), pdHorizontal);
  EXPECT_FALSE(target.ImmediateDropDown());
  EXPECT_TRUE(target.OnPopup);
  EXPECT_FALSE(target.GetSupportedOperations().Contains(esoAutoHeight));
}

// Hovered by the real mouse over its text (the inner edit) and over its
// button, the edit shows its hints while closed and none while open.
TEST_F(DropDownEdit, NoHintShowsWhileThePopupIsOpen) {
  auto* edit = AddEdit();
  edit->SetHint(L"Of the edit");
  edit->Properties()->Buttons()->Items(0)->SetHint(L"Of the button");
  Focus(edit);
  const TPoint overText = edit->ClientToScreen(TPoint(20, edit->Height() / 2));
  const struct {
    const char* Name;
    TPoint Point;
    const wchar_t* Hint;
  } places[] = {{"text", overText, L"Of the edit"}, {"button", DropDownButtonCenter(edit), L"Of the button"}};
  for (const bool open : {false, true}) {
    if (open) Do(edit, TGesture::F4);
    ASSERT_EQ(edit->DroppedDown(), open);
    for (const auto& place : places) {
      SCOPED_TRACE(std::string(place.Name) + (open ? ", open" : ", closed"));
      MoveMouseTo(place.Point);
      Application->ActivateHint(place.Point);
      THintWindow* window = Application->HintWindow();
      const bool shown = window && window->HandleAllocated() && IsWindowVisible(window->Handle());
      EXPECT_EQ(shown, !open);
      if (shown) {
        EXPECT_EQ(WindowText(window->Handle()), place.Hint);
      }
      Application->CancelHint();
    }
  }
  Do(edit, TGesture::Escape);
}

}  // namespace
