// The track bar control on a shown form: its settings, its position, and
// what a person's keys, clicks, drags and held change buttons do to it.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/editors-basic/cxTrackBar.h"
#include "components/editors/cxEditUtils.h"
#include "tests/editors-basic/ButtonFixture.h"

namespace {

TPoint Centre(const TRect& R) { return TPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2); }

struct TrackBarControl : FormFixture {
  TrackBarControl() {
    Form->SetBounds(0, 0, 500, 400);
    Form->Show();
    Bar = Add<TcxTrackBar>(10, 10);
    Bar->SetWidth(240);
    Bar->SetHeight(50);
    ProcessPendingMessages();
  }
  TcxTrackBarProperties* Props() { return Bar->Properties(); }
  // The laid-out view info, up to date with the settings.
  TcxCustomTrackBarViewInfo* View() {
    Bar->ShortRefreshContainer(false);
    return Bar->TrackBarViewInfo();
  }
  TPoint ThumbCentre() {
    return Centre(View()->VisibleThumbRect());
  }
  // The point on the track's axis at a coordinate along it.
  TPoint AtAlong(int AAlong) {
    const TPoint centre = ThumbCentre();
    return Props()->Orientation() == tboVertical ? TPoint(centre.X, AAlong) : TPoint(AAlong, centre.Y);
  }
  void Post(UINT AMsg, WPARAM AKeys, const TPoint& P) {
    PostMessageW(Bar->Handle(), AMsg, AKeys, MAKELPARAM(P.X, P.Y));
    ProcessPendingMessages();
  }
  void Press(const TPoint& P) {
    Post(WM_MOUSEMOVE, 0, P);
    Post(WM_LBUTTONDOWN, MK_LBUTTON, P);
  }
  void Release(const TPoint& P) { Post(WM_LBUTTONUP, 0, P); }
  void Click(const TPoint& P) {
    Press(P);
    Release(P);
  }
  void Drag(const TPoint& AFrom, const TPoint& ATo, WPARAM AKeys = 0) {
    Press(AFrom);
    Post(WM_MOUSEMOVE, MK_LBUTTON | AKeys, ATo);
    Release(ATo);
  }
  // Handles messages for a while: the timers fire meanwhile.
  static void PumpFor(DWORD AMilliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < AMilliseconds) {
      ProcessPendingMessages();
      Sleep(5);
    }
  }
  TcxTrackBar* Bar = nullptr;
};

}  // namespace

TEST(TrackBarProperties, DefaultsLimitsAndRegistration) {
  TcxTrackBarProperties p(nullptr);
  EXPECT_EQ(p.Min(), 0);
  EXPECT_EQ(p.Max(), 10);
  EXPECT_EQ(p.PageSize(), 2);
  EXPECT_EQ(p.ThumbStep(), cxtsNormal);
  EXPECT_FALSE(p.ShowPositionHint());
  EXPECT_TRUE(p.ShowTicks());
  EXPECT_TRUE(p.SupportsValidation());
  EXPECT_TRUE(p.CanCompareEditValue());
  EXPECT_EQ(p.DefaultValidateErrorText(0), L"Value out of bounds");
  EXPECT_EQ(p.GetContainerClass().Class, TcxTrackBar::StaticClass());

  // Max pulls Min down to it; Min pushes Max up.
  p.SetMin(20);
  EXPECT_EQ(p.Max(), 20);
  p.SetMax(5);
  EXPECT_EQ(p.Min(), 5);
  p.SetMin(0);
  p.SetMax(10);

  struct TCase {
    Variant Value;
    int Position;
  };
  const TCase cases[] = {{Variant(), 0},        {Null(), 0},         {Variant(L"abc"), 0}, {Variant(L"7"), 7},
                         {Variant(25), 10},     {Variant(-3), 0},    {Variant(4.4), 4},    {Variant(1e300), 10}};
  for (const TCase& c : cases) {
    EXPECT_EQ(p.PositionOf(c.Value), c.Position);
    EXPECT_EQ(p.GetDisplayText(c.Value), IntToStr(c.Position));
  }

  p.SetShowChangeButtons(true);
  p.SetThumbStep(cxtsJump);
  p.SetMax(40);
  std::unique_ptr<TcxCustomEditProperties> copy(p.Clone(nullptr));
  auto* clone = dynamic_cast<TcxTrackBarProperties*>(copy.get());
  ASSERT_NE(clone, nullptr);
  EXPECT_TRUE(clone->ShowChangeButtons());
  EXPECT_EQ(clone->ThumbStep(), cxtsJump);
  EXPECT_EQ(clone->Max(), 40);

  TcxRegisteredClasses* registry = cxEditPropertiesRegistry();
  const int index = registry->GetIndexByClass(TcxTrackBarProperties::StaticClass());
  ASSERT_GE(index, 0);
  EXPECT_EQ(registry->GetDescription(index), L"TrackBar");
  EXPECT_EQ(registry->GetHint(index), L"Represents a TrackBar");
}

TEST_F(TrackBarControl, APositionOutsideTheRangeOrNoNumberShowsTheNearestAndKeepsTheValue) {
  struct TCase {
    Variant Value;
    int Position;
  };
  const TCase cases[] = {{Variant(25), 10}, {Variant(L"abc"), 0}, {Variant(), 0}, {Variant(6), 6}};
  for (const TCase& c : cases) {
    Bar->SetEditValue(c.Value);
    EXPECT_EQ(Bar->Position(), c.Position);
    EXPECT_EQ(View()->Position(), c.Position);
    std::unique_ptr<TBitmap> image;
    EXPECT_NO_THROW(image = CaptureWindow(Bar));
    EXPECT_TRUE(cxEditValuesEqual(Bar->EditValue(), c.Value)) << c.Position;
  }
  // A program's position is clamped and leaves the edit unmodified.
  Bar->StorePosition(30);
  EXPECT_EQ(Bar->EditValue().AsInteger(), 10);
  EXPECT_FALSE(Bar->EditModified());
}

TEST_F(TrackBarControl, KeysStepByLineAndPageReversedOrNot) {
  struct TCase {
    bool Reverse;
    WORD Key;
    int Expected;
  };
  const TCase cases[] = {{false, VK_RIGHT, 6}, {false, VK_DOWN, 6}, {false, VK_LEFT, 4}, {false, VK_UP, 4},
                         {false, VK_NEXT, 7},  {false, VK_PRIOR, 3}, {false, VK_HOME, 0}, {false, VK_END, 10},
                         {true, VK_RIGHT, 4},  {true, VK_LEFT, 6},  {true, VK_HOME, 10}, {true, VK_END, 0},
                         {true, VK_NEXT, 3},   {false, 'A', 5}};
  Bar->SetFocus();
  for (const TCase& c : cases) {
    Props()->SetReverseDirection(c.Reverse);
    Bar->StorePosition(5);
    PressKey(c.Key);
    EXPECT_EQ(Bar->Position(), c.Expected) << c.Reverse << " key " << c.Key;
  }
  // The arrows stay with the track bar: the dialog does not move the focus.
  EXPECT_NE(SendMessageW(Bar->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, 0);
}

TEST_F(TrackBarControl, APersonsChangeIsModifiedAndReportedAndShiftSelects) {
  int changes = 0;
  Props()->OnChange = [&](TObject*) { ++changes; };
  Bar->SetFocus();
  Bar->StorePosition(3);
  changes = 0;
  PressKey(VK_RIGHT);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(Bar->ModifiedAfterEnter());

  // Shift held while the keys move: the selection runs from where it began.
  PostMessageW(Bar->Handle(), WM_KEYDOWN, VK_SHIFT, 1);
  PressKey(VK_RIGHT, true);
  PressKey(VK_RIGHT, true);
  PostMessageW(Bar->Handle(), WM_KEYUP, VK_SHIFT, 0xC0000001);
  ProcessPendingMessages();
  EXPECT_EQ(Bar->Position(), 6);
  EXPECT_EQ(Props()->SelectionStart(), 4);
  EXPECT_EQ(Props()->SelectionEnd(), 6);
  // Without Shift the selection stays as it is.
  PressKey(VK_LEFT);
  EXPECT_EQ(Props()->SelectionEnd(), 6);

  // An editor that may not start editing keeps its position.
  Bar->OnEditing = [](TObject*, bool& CanEdit) { CanEdit = false; };
  Bar->SetEditModified(false);
  PressKey(VK_RIGHT);
  EXPECT_EQ(Bar->Position(), 5);
}

TEST_F(TrackBarControl, ClicksBesideTheThumbPageOrJumpAndDragsFollowTheMouse) {
  for (const bool vertical : {false, true})
    for (const bool reverse : {false, true}) {
      SCOPED_TRACE(testing::Message() << "vertical " << vertical << " reverse " << reverse);
      if (vertical) Bar->SetBounds(10, 10, 50, 240);
      Props()->SetOrientation(vertical ? tboVertical : tboHorizontal);
      Props()->SetReverseDirection(reverse);
      Props()->SetMax(20);
      Props()->SetPageSize(3);
      Props()->SetThumbStep(cxtsNormal);
      Bar->StorePosition(10);
      TcxCustomTrackBarViewInfo* v = View();
      // Towards the far end of the track: a page up (down when reversed).
      Click(AtAlong(v->PositionToCoordinate(reverse ? 2 : 18)));
      EXPECT_EQ(Bar->Position(), reverse ? 7 : 13);
      Click(AtAlong(v->PositionToCoordinate(reverse ? 19 : 1)));
      EXPECT_EQ(Bar->Position(), 10);
      // A jump puts the thumb under the mouse, and it follows the drag.
      Props()->SetThumbStep(cxtsJump);
      const TPoint at = AtAlong(View()->PositionToCoordinate(15));
      Press(at);
      EXPECT_EQ(Bar->Position(), 15);
      Post(WM_MOUSEMOVE, MK_LBUTTON, AtAlong(View()->PositionToCoordinate(17)));
      EXPECT_EQ(Bar->Position(), 17);
      Release(AtAlong(View()->PositionToCoordinate(17)));
      // A drag of the thumb itself moves it by the distance dragged.
      Props()->SetThumbStep(cxtsNormal);
      Bar->StorePosition(4);
      const int from = View()->PositionToCoordinate(4), to = View()->PositionToCoordinate(9);
      Drag(AtAlong(from), AtAlong(to));
      EXPECT_EQ(Bar->Position(), 9);
      EXPECT_FALSE(View()->MouseStates.Contains(tbmpSliding));
    }
}

TEST_F(TrackBarControl, ShiftDragSelectsAndCtrlPressOnTheThumbClearsTheSelection) {
  Bar->StorePosition(2);
  Bar->SetFocus();
  PostMessageW(Bar->Handle(), WM_KEYDOWN, VK_SHIFT, 1);
  ProcessPendingMessages();
  const int to = View()->PositionToCoordinate(7);
  Drag(ThumbCentre(), AtAlong(to), MK_SHIFT);
  PostMessageW(Bar->Handle(), WM_KEYUP, VK_SHIFT, 0xC0000001);
  ProcessPendingMessages();
  EXPECT_EQ(Bar->Position(), 7);
  EXPECT_EQ(Props()->SelectionStart(), 2);
  EXPECT_EQ(Props()->SelectionEnd(), 7);
  Post(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, ThumbCentre());
  Release(ThumbCentre());
  EXPECT_EQ(Props()->SelectionStart(), 0);
  EXPECT_EQ(Props()->SelectionEnd(), 0);
}

TEST_F(TrackBarControl, ChangeButtonsStepOnTheLineGridAndRepeatWhileHeld) {
  // The hot state follows the real cursor: it goes where each message says
  // the mouse is, as a person's mouse would.
  auto at = [this](const TPoint& P) {
    const TPoint screen = Bar->ClientToScreen(P);
    SetCursorPos(screen.X, screen.Y);
    return P;
  };
  Props()->SetShowChangeButtons(true);
  Props()->SetMax(100);
  Props()->SetLineSize(10);
  struct TCase {
    bool Reverse, Right;
    int Expected;
  };
  const TCase cases[] = {{false, true, 20}, {false, false, 10}, {true, true, 10}, {true, false, 20}};
  for (const TCase& c : cases) {
    Props()->SetReverseDirection(c.Reverse);
    Bar->StorePosition(15);
    const TRect button = c.Right ? View()->RealRightButtonRect() : View()->RealLeftButtonRect();
    Click(at(Centre(button)));
    EXPECT_EQ(Bar->Position(), c.Expected) << c.Reverse << " " << c.Right;
    EXPECT_EQ(View()->ButtonRightState, c.Right ? cxbsHot : cxbsNormal);
  }

  // Held: one step at once, the next after 400 ms, then one every 60 ms.
  Props()->SetReverseDirection(false);
  Props()->SetLineSize(1);
  Bar->StorePosition(0);
  const TPoint increase = at(Centre(View()->RealRightButtonRect()));
  Press(increase);
  EXPECT_EQ(View()->ButtonRightState, cxbsPressed);
  PumpFor(300);
  EXPECT_EQ(Bar->Position(), 1);
  PumpFor(400);  // 700 ms: the first repeat at 400, then about five more
  const int held = Bar->Position();
  EXPECT_GE(held, 4);
  EXPECT_LE(held, 8);
  // Dragged off the button it stops stepping; released, the timer goes.
  Post(WM_MOUSEMOVE, MK_LBUTTON, at(TPoint(increase.X, increase.Y + 100)));
  PumpFor(200);
  EXPECT_EQ(Bar->Position(), held);
  Release(TPoint(increase.X, increase.Y + 100));
  EXPECT_EQ(Bar->Controller()->RepeatTimer(), nullptr);
}

TEST_F(TrackBarControl, ThePositionHintShowsOnAChangeAndGoesASecondLater) {
  Props()->SetShowPositionHint(true);
  String shown;
  Props()->OnGetPositionHint = [&](TObject*, int APosition, String& AText, bool&, bool&) {
    AText = L"at " + IntToStr(APosition);
    shown = AText;
  };
  Bar->SetFocus();
  PressKey(VK_RIGHT);
  EXPECT_EQ(shown, L"at 1");
  TcxTrackBarPositionHintHelper* hint = View()->PositionHintHelper();
  ASSERT_NE(hint, nullptr);
  ASSERT_NE(hint->HintWindow(), nullptr);
  EXPECT_TRUE(IsWindowVisible(hint->HintWindow()->Handle()));
  // Above the thumb, at least 10 pixels clear of it.
  RECT window;
  GetWindowRect(hint->HintWindow()->Handle(), &window);
  const TPoint thumb = Bar->ClientToScreen(View()->VisibleThumbRect().TopLeft());
  EXPECT_LE(window.bottom, thumb.Y - 10);
  EXPECT_GE(window.bottom, thumb.Y - 16);
  PumpFor(1300);
  EXPECT_FALSE(IsWindowVisible(hint->HintWindow()->Handle()));

  // A handler that says no: no hint.
  Props()->OnGetPositionHint = [](TObject*, int, String&, bool& ACanShow, bool&) { ACanShow = false; };
  PressKey(VK_RIGHT);
  EXPECT_FALSE(IsWindowVisible(hint->HintWindow()->Handle()));
}

TEST_F(TrackBarControl, PixelsAndSheetOfStates) {
  struct TState {
    const char* Name;
    std::function<void(TrackBarControl&)> Apply;
  };
  const TState states[] = {
      {"Normal", [](TrackBarControl&) {}},
      {"Thumb hot", [](TrackBarControl& f) { f.Post(WM_MOUSEMOVE, 0, f.ThumbCentre()); }},
      {"Thumb pressed", [](TrackBarControl& f) { f.Press(f.ThumbCentre()); }},
      {"Selection", [](TrackBarControl& f) {
         f.Props()->SetSelectionStart(1);
         f.Props()->SetSelectionEnd(6);
       }},
      {"Button pressed", [](TrackBarControl& f) {
         f.Props()->SetShowChangeButtons(true);
         f.Press(Centre(f.View()->RealLeftButtonRect()));
       }},
      {"Disabled", [](TrackBarControl& f) { f.Bar->SetEnabled(false); }},
  };
  const TLook looks[] = {TLook::Standard, TLook::UltraFlat, TLook::Office11, TLook::Native};
  const int cellWidth = 250, cellHeight = 80, left = 90;
  TBitmap sheet;
  sheet.SetPixelFormat(pf32bit);
  sheet.SetSize(left + cellWidth * static_cast<int>(std::size(states)), 20 + cellHeight * 4);
  sheet.Canvas()->Brush()->SetColor(clWhite);
  sheet.Canvas()->FillRect(TRect(0, 0, sheet.Width(), sheet.Height()));
  for (size_t l = 0; l < std::size(looks); ++l) {
    const int y = 20 + static_cast<int>(l) * cellHeight;
    sheet.Canvas()->TextOut(4, y + 10, String(LookName(looks[l]), LookName(looks[l]) + strlen(LookName(looks[l]))));
    for (size_t s = 0; s < std::size(states); ++s) {
      Bar->SetEnabled(true);
      Props()->SetShowChangeButtons(false);
      Props()->SetSelectionStart(0);
      Props()->SetSelectionEnd(0);
      Props()->SetTickMarks(cxtmBoth);
      Props()->SetSelectionColor(clLime);
      Bar->StorePosition(4);
      SetLook(Bar->Style()->LookAndFeel(), looks[l]);
      states[s].Apply(*this);
      std::unique_ptr<TBitmap> image = CaptureWindow(Bar);
      Release(TPoint(-50, -50));
      ReleaseCapture();
      const int x = left + static_cast<int>(s) * cellWidth;
      if (l == 0)
        sheet.Canvas()->TextOut(x, 2, String(states[s].Name, states[s].Name + strlen(states[s].Name)));
      BitBlt(sheet.Canvas()->Handle(), x, y, image->Width(), image->Height(), image->Canvas()->Handle(), 0, 0,
             SRCCOPY);
      if (std::string(states[s].Name) == "Selection") {
        TcxCustomTrackBarViewInfo* v = View();
        const TRect selection = v->SelectionRect;
        EXPECT_EQ(PixelColor(*image, v->PositionToCoordinate(3), (selection.Top + selection.Bottom) / 2), clLime);
      }
    }
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet, L"artifacts\\TrackBarControls.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/TrackBarControls.png"));
}

TEST_F(TrackBarControl, TheThumbAndTheChangeButtonsFadeInTheNativeLook) {
  TdxFader* fader = dxGetGlobalFader();
  fader->SetState(fasEnabled);
  Props()->SetShowChangeButtons(true);
  SetLook(Bar->Style()->LookAndFeel(), TLook::Native);
  TcxCustomTrackBarViewInfo* v = View();
  Post(WM_MOUSEMOVE, 0, ThumbCentre());
  EXPECT_TRUE(v->ThumbFadingHelper()->Active());
  // A frame of the fade paints where the thumb is.
  EXPECT_NO_THROW(CaptureWindow(Bar));
  Post(WM_MOUSEMOVE, 0, Centre(v->RealRightButtonRect()));
  EXPECT_TRUE(v->ButtonRightFadingHelper()->Active());
  EXPECT_FALSE(v->ButtonLeftFadingHelper()->Active());
  // Pressed, the fade stops.
  Press(Centre(v->RealRightButtonRect()));
  EXPECT_FALSE(v->ButtonRightFadingHelper()->Active());
  Release(Centre(v->RealRightButtonRect()));
  // The looks the library draws itself do not fade.
  fader->Clear();
  SetLook(Bar->Style()->LookAndFeel(), TLook::UltraFlat);
  Post(WM_MOUSEMOVE, 0, TPoint(2, 2));
  Post(WM_MOUSEMOVE, 0, ThumbCentre());
  EXPECT_FALSE(v->ThumbFadingHelper()->Active());
  fader->Clear();
  fader->SetState(fasDefault);
}
