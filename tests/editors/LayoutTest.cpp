#include <gtest/gtest.h>

#include <string>

#include "tests/editors/EditorFixture.h"

namespace {

const TRect EditorBounds(0, 0, 160, 24);

int ScrollBarHeight() { return GetSystemMetrics(SM_CYHSCROLL); }

TPoint Middle(const TRect& R) { return TPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2); }

struct TButtonSet {
  const char* Name;
  std::vector<bool> LeftAligned;  // one entry per button, in collection order
};

const TButtonSet ButtonSets[] = {{"no button", {}},
                                 {"one right", {false}},
                                 {"left and right", {true, false}},
                                 {"two right and one left", {false, true, false}}};

std::string Describe(TLook ALook, const char* AState, const TButtonSet& ASet, bool AInplace) {
  return std::string(LookName(ALook)) + ", " + AState + ", " + ASet.Name + (AInplace ? ", inplace" : "");
}

// What holds in every look and state: buttons lie side by side from the
// outer edges inwards in the area inside the border, and the client area
// lies between the two groups.
void ExpectButtonsFrameTheClientArea(TcxCustomEditViewInfo& AViewInfo, const TButtonSet& ASet,
                                     const std::string& AContext) {
  ASSERT_EQ(AViewInfo.ButtonCount(), static_cast<int>(ASet.LeftAligned.size())) << AContext;
  const TRect& client = AViewInfo.ClientRect;
  EXPECT_FALSE(client.IsEmpty()) << AContext;
  EXPECT_TRUE(AViewInfo.Bounds.Contains(client.TopLeft())) << AContext;
  int leftEdge = client.Left, rightEdge = client.Right;
  // Left-aligned buttons: the last in the collection outermost.
  for (int i = AViewInfo.ButtonCount() - 1; i >= 0; --i) {
    TcxEditButtonViewInfo* button = AViewInfo.Button(i);
    EXPECT_EQ(button->Data.LeftAlignment, ASet.LeftAligned[i]) << AContext << ", button " << i;
    EXPECT_EQ(button->Bounds, button->VisibleBounds) << AContext << ", button " << i;
    EXPECT_EQ(button->Bounds.Width(), ScrollBarHeight()) << AContext << ", button " << i;
    EXPECT_EQ(button->Bounds.Top, button->Bounds.Top) << AContext;
  }
  for (int i = 0; i < AViewInfo.ButtonCount(); ++i) {
    TcxEditButtonViewInfo* button = AViewInfo.Button(i);
    if (button->Data.LeftAlignment) {
      EXPECT_EQ(button->Bounds.Right, leftEdge) << AContext << ", button " << i;
      leftEdge = button->Bounds.Left;
    }
  }
  for (int i = 0; i < AViewInfo.ButtonCount(); ++i) {
    TcxEditButtonViewInfo* button = AViewInfo.Button(i);
    if (!button->Data.LeftAlignment) {
      EXPECT_EQ(button->Bounds.Left, rightEdge) << AContext << ", button " << i;
      rightEdge = button->Bounds.Right;
    }
  }
  EXPECT_GE(leftEdge, AViewInfo.Bounds.Left) << AContext;
  EXPECT_LE(rightEdge, AViewInfo.Bounds.Right) << AContext;
}

}  // namespace

// Zero to three buttons, left and right, in every look and state, normal
// and inplace.
TEST(EditorLayout, ButtonsAndClientAreaInEveryLookAndState) {
  const TEditorState states[] = {{"normal"},
                                 {"hot", true, false, {60, 12}},
                                 {"focused", true, true},
                                 {"disabled", false},
                                 {"read only"}};
  for (const TButtonSet& set : ButtonSets)
    for (const TLook look : AllLooks)
      for (const TEditorState& state : states)
        for (const bool inplace : {false, true}) {
          TBareEditor editor;
          editor.SetLook(look);
          for (const bool left : set.LeftAligned) editor.AddButton(bkEllipsis, left);
          if (std::string(state.Name) == "read only") editor.Properties.SetReadOnly(true);
          editor.Calculate(EditorBounds, state, inplace);
          const std::string context = Describe(look, state.Name, set, inplace);
          TcxCustomEditViewInfo& info = editor.ViewInfo;
          ExpectButtonsFrameTheClientArea(info, set, context);
          if (inplace) {
            EXPECT_EQ(info.BorderRect, EditorBounds) << context;
            EXPECT_EQ(info.BorderStyle, ebsNone) << context;
            EXPECT_EQ(info.HotState, chsNoHotTrack) << context;
          } else {
            // A transparent border (the default) leaves two pixels all round.
            EXPECT_EQ(info.BorderRect, TRect(2, 2, 158, 22)) << context;
            EXPECT_EQ(info.HotState, state.Mouse.X >= 0 || state.Focused ? chsSelected : chsNormal) << context;
          }
          const bool native = look == TLook::Native;
          EXPECT_EQ(info.NativeStyle, native) << context;
          if (native && !inplace) {
            const int expectedState = !state.Enabled           ? ETS_DISABLED
                                      : state.Mouse.X >= 0     ? ETS_HOT
                                      : state.Focused          ? ETS_FOCUSED
                                      : editor.Properties.ReadOnly() ? ETS_READONLY
                                                               : ETS_NORMAL;
            EXPECT_EQ(info.NativeState, expectedState) << context;
          }
          const TcxContainerState expected = !state.Enabled   ? TcxContainerState{csDisabled}
                                             : state.Focused  ? TcxContainerState{csActive}
                                             : state.Mouse.X >= 0 ? TcxContainerState{csNormal, csHotTrack}
                                                                  : TcxContainerState{csNormal};
          EXPECT_EQ(info.ContainerState, expected) << context;
          for (const auto& button : info.ButtonsInfo)
            EXPECT_EQ(button->Data.State, state.Enabled ? ebsNormal : ebsDisabled) << context;
        }
}

// The frame each border style leaves, and the default button style it
// brings, without a transparent border.
TEST(EditorLayout, BorderWidthAndButtonStyleFollowTheBorderStyle) {
  const struct {
    TcxEditBorderStyle Border;
    int Width;
    TcxEditButtonStyle ButtonStyle;
  } cases[] = {{ebsNone, 0, btsSimple},     {ebsSingle, 1, btsHotFlat},    {ebsThick, 2, bts3D},
               {ebsFlat, 2, btsFlat},       {ebs3D, 2, bts3D},             {ebsUltraFlat, 1, btsUltraFlat},
               {ebsOffice11, 1, btsOffice11}};
  for (const auto& c : cases) {
    TBareEditor editor;
    editor.Style.SetTransparentBorder(false);
    editor.Style.SetBorderStyle(c.Border);
    editor.AddButton(bkDown);
    editor.Calculate(EditorBounds, {"normal"});
    const int w = c.Width;
    EXPECT_EQ(editor.ViewInfo.BorderRect, TRect(w, w, 160 - w, 24 - w)) << static_cast<int>(c.Border);
    ASSERT_EQ(editor.ViewInfo.ButtonCount(), 1);
    EXPECT_EQ(editor.ViewInfo.Button(0)->Data.Style, c.ButtonStyle) << static_cast<int>(c.Border);
    EXPECT_EQ(editor.ViewInfo.Button(0)->Bounds, TRect(160 - w - ScrollBarHeight(), w, 160 - w, 24 - w));
    EXPECT_EQ(editor.ViewInfo.ClientRect, TRect(w, w, 160 - w - ScrollBarHeight(), 24 - w));
  }
}

// Inplace (and without border or hot tracking) the look decides.
TEST(EditorLayout, InplaceButtonStyleFollowsTheLook) {
  const std::pair<TLook, TcxEditButtonStyle> cases[] = {{TLook::Flat, btsFlat},
                                                        {TLook::Standard, bts3D},
                                                        {TLook::UltraFlat, btsUltraFlat},
                                                        {TLook::Office11, btsOffice11}};
  for (const auto& [look, style] : cases) {
    TBareEditor editor;
    editor.SetLook(look);
    editor.AddButton(bkEllipsis);
    editor.Calculate(EditorBounds, {"normal"}, true);
    EXPECT_EQ(editor.ViewInfo.Button(0)->Data.Style, style) << LookName(look);
  }
}

TEST(EditorLayout, AHiddenInactiveButtonLeavesTheClientAreaToTheBorder) {
  TBareEditor editor;
  editor.Style.SetButtonTransparency(ebtHideInactive);
  editor.AddButton(bkEllipsis);
  editor.Calculate(EditorBounds, {"normal"});
  EXPECT_EQ(editor.ViewInfo.ButtonCount(), 0);
  EXPECT_EQ(editor.ViewInfo.ClientRect, editor.ViewInfo.BorderRect);
  editor.Calculate(EditorBounds, {"focused", true, true});
  EXPECT_EQ(editor.ViewInfo.ButtonCount(), 1);

  editor.Style.SetButtonTransparency(ebtHideUnselected);
  editor.Calculate(EditorBounds, {"normal"});
  EXPECT_EQ(editor.ViewInfo.ButtonCount(), 0);
  editor.Calculate(EditorBounds, {"hot", true, false, {10, 10}});
  EXPECT_EQ(editor.ViewInfo.ButtonCount(), 1);
}

// Buttons nearest the edges keep their width; the ones that do not fit are
// cut, and those after them get nothing.
TEST(EditorLayout, ANarrowEditorCutsItsInnerButtons) {
  TBareEditor editor;
  editor.Style.SetTransparentBorder(false);
  editor.Style.SetBorderStyle(ebsNone);
  editor.AddButton(bkText, false, 30);
  editor.AddButton(bkText, false, 30);
  editor.AddButton(bkText, false, 30);
  editor.Calculate(TRect(0, 0, 70, 20), {"normal"});
  TcxCustomEditViewInfo& info = editor.ViewInfo;
  EXPECT_EQ(info.Button(2)->VisibleBounds, TRect(40, 0, 70, 20));
  EXPECT_EQ(info.Button(1)->VisibleBounds, TRect(10, 0, 40, 20));
  EXPECT_EQ(info.Button(0)->Bounds, TRect(-20, 0, 10, 20));
  EXPECT_EQ(info.Button(0)->VisibleBounds, TRect(0, 0, 10, 20));
  editor.Calculate(TRect(0, 0, 50, 20), {"normal"});
  EXPECT_TRUE(info.Button(0)->VisibleBounds.IsEmpty());
  EXPECT_EQ(info.Button(1)->VisibleBounds, TRect(0, 0, 20, 20));
}

// The room left over in the buttons-only style goes to the stretchable
// buttons by their widths, so that they fill the editor.
TEST(EditorLayout, ButtonsOnlyStretchesTheStretchableButtons) {
  TBareEditor editor;
  editor.Style.SetTransparentBorder(false);
  editor.Style.SetBorderStyle(ebsNone);
  editor.Properties.SetButtonsViewStyle(bvsButtonsOnly);
  editor.AddButton(bkText, false, 20);
  editor.AddButton(bkText, false, 10);
  editor.Calculate(TRect(0, 0, 61, 20), {"normal"});
  TcxCustomEditViewInfo& info = editor.ViewInfo;
  // 31 pixels left over: the last button (width 10) gets 10 * 31 div 30 = 10,
  // the first one the other 21.
  EXPECT_EQ(info.Button(1)->Bounds, TRect(41, 0, 61, 20));
  EXPECT_EQ(info.Button(0)->Bounds, TRect(0, 0, 41, 20));

  editor.Properties.Buttons()->Items(0)->SetStretchable(false);
  editor.Calculate(TRect(0, 0, 61, 20), {"normal"});
  EXPECT_EQ(info.Button(1)->Bounds, TRect(20, 0, 61, 20));
  EXPECT_EQ(info.Button(0)->Bounds, TRect(0, 0, 20, 20));
}

TEST(EditorLayout, ButtonWidthsComeFromTheSettingThePictureOrTheScrollBar) {
  TBareEditor editor;
  editor.Style.SetTransparentBorder(false);
  editor.Style.SetBorderStyle(ebsNone);
  editor.AddButton(bkEllipsis);
  editor.AddButton(bkGlyph)->Glyph()->SetSize(16, 16);
  editor.AddButton(bkDown, false, 2);
  editor.AddButton(bkDown, false, -1);
  editor.Calculate(TRect(0, 0, 200, 20), {"normal"});
  TcxCustomEditViewInfo& info = editor.ViewInfo;
  EXPECT_EQ(info.Button(0)->Bounds.Width(), ScrollBarHeight());
  EXPECT_EQ(info.Button(1)->Bounds.Width(), 20);  // the glyph and the margins
  EXPECT_EQ(info.Button(2)->Bounds.Width(), 4);   // the margins are the least
  EXPECT_EQ(info.Button(3)->Bounds.Width(), ScrollBarHeight());  // a negative width is the default

  TBareEditor asked;
  asked.AddButton(bkEllipsis);
  std::unique_ptr<TcxCustomEditViewData> viewData(asked.Properties.CreateViewData(&asked.Style, false));
  viewData->OnGetDefaultButtonWidth = [](TcxCustomEditViewData*, int AIndex, int& AWidth) { AWidth = 33; };
  viewData->Calculate(asked.Surface.Canvas.get(), EditorBounds, TPoint(-1, -1), cxmbNone, {}, &asked.ViewInfo, false);
  EXPECT_EQ(asked.ViewInfo.Button(0)->Bounds.Width(), 33);
}

// Hover, press and leave a button with the left mouse button held.
TEST(EditorLayout, AButtonIsHotUnderTheMouseAndPressedByTheLeftButton) {
  TBareEditor editor;
  editor.AddButton(bkEllipsis);
  editor.AddButton(bkDown);
  editor.Calculate(EditorBounds, {"normal"});
  const TPoint onFirst = Middle(editor.ViewInfo.Button(0)->Bounds);
  const TPoint onClient = Middle(editor.ViewInfo.ClientRect);
  const struct {
    const char* Name;
    TEditorState State;
    TcxEditButtonState First, Second;
    int Selected, Pressed;
  } steps[] = {
      {"over the first", {"", true, false, onFirst}, ebsSelected, ebsNormal, 0, -1},
      {"left press", {"", true, false, onFirst, cxmbLeft, {ssLeft}}, ebsPressed, ebsNormal, -1, 0},
      {"held still", {"", true, false, onFirst, cxmbNone, {ssLeft}}, ebsPressed, ebsNormal, -1, 0},
      {"held off it", {"", true, false, onClient, cxmbNone, {ssLeft}}, ebsNormal, ebsNormal, -1, -1},
      {"released outside", {"", true, false, onClient}, ebsNormal, ebsNormal, -1, -1},
      {"right press", {"", true, false, onFirst, cxmbRight, {ssRight}}, ebsNormal, ebsNormal, -1, -1},
  };
  for (const auto& step : steps) {
    editor.Calculate(EditorBounds, step.State, false, true);
    EXPECT_EQ(editor.ViewInfo.Button(0)->Data.State, step.First) << step.Name;
    EXPECT_EQ(editor.ViewInfo.Button(1)->Data.State, step.Second) << step.Name;
    EXPECT_EQ(editor.ViewInfo.SelectedButton, step.Selected) << step.Name;
    EXPECT_EQ(editor.ViewInfo.PressedButton, step.Pressed) << step.Name;
  }
}

TEST(EditorLayout, OutermostButtonsAreMarked) {
  TBareEditor editor;
  editor.AddButton(bkEllipsis, true);
  editor.AddButton(bkEllipsis, true);
  editor.AddButton(bkEllipsis);
  editor.AddButton(bkEllipsis);
  editor.Calculate(EditorBounds, {"normal"});
  TcxCustomEditViewInfo& info = editor.ViewInfo;
  EXPECT_TRUE(info.Button(1)->Data.Leftmost);   // the last left one sits at the edge
  EXPECT_TRUE(info.Button(0)->Data.Rightmost);  // next to the text
  EXPECT_TRUE(info.Button(2)->Data.Leftmost);   // next to the text
  EXPECT_TRUE(info.Button(3)->Data.Rightmost);
  EXPECT_FALSE(info.Button(0)->Data.Leftmost);
  EXPECT_FALSE(info.Button(3)->Data.Leftmost);
}

TEST(EditorLayout, MeasuringAddsTheFrameAndNeverStretchesInplaceButtons) {
  TBareEditor editor;
  editor.Style.SetTransparentBorder(false);
  editor.Style.SetBorderStyle(ebsSingle);
  editor.AddButton(bkGlyph)->Glyph()->SetSize(16, 30);
  TSize minContent;
  const TSize frame = editor.Properties.GetEditConstantPartSize(editor.Surface.Canvas.get(), &editor.Style, {},
                                                                minContent, false);
  EXPECT_EQ(frame.cx, 2 + 20);
  EXPECT_EQ(frame.cy, 2);
  // The glyph, the border around the buttons and the hot-flat margins.
  EXPECT_EQ(minContent.cy, 30 + 2 + 2 - 2);
  const TSize size = editor.Properties.GetEditSize(editor.Surface.Canvas.get(), &editor.Style, false, Variant(), {});
  EXPECT_EQ(size.cx, frame.cx);
  EXPECT_EQ(size.cy, frame.cy + minContent.cy);

  editor.Properties.SetButtonsViewStyle(bvsButtonsAutoWidth);
  std::unique_ptr<TcxCustomEditViewData> viewData(editor.Properties.CreateViewData(&editor.Style, true));
  TcxCustomEditViewInfo info;
  viewData->Calculate(editor.Surface.Canvas.get(), TRect(0, 0, 32000, 32000), TPoint(-1, -1), cxmbNone, {}, &info,
                      false);
  EXPECT_FALSE(viewData->ButtonsOnlyStyle);
  viewData->Calculate(editor.Surface.Canvas.get(), TRect(0, 0, 300, 20), TPoint(-1, -1), cxmbNone, {}, &info, false);
  EXPECT_TRUE(viewData->ButtonsOnlyStyle);
}

TEST(EditorLayout, ContentParametersAndColours) {
  TBareEditor editor;
  std::unique_ptr<TcxCustomEditViewData> normal(editor.Properties.CreateViewData(&editor.Style, false));
  EXPECT_EQ(normal->EditContentParams.Offsets, TRect(1, 1, 1, 3));
  EXPECT_EQ(normal->EditContentParams.SizeCorrection.cx, 1);
  EXPECT_EQ(normal->GetEditContentSizeCorrection(), TSize(3, 4));
  std::unique_ptr<TcxCustomEditViewData> inplace(editor.Properties.CreateViewData(&editor.Style, true));
  EXPECT_EQ(inplace->EditContentParams.Offsets, TRect(1, 1, 1, 1));
  EXPECT_EQ(inplace->EditContentParams.Options, TcxEditContentOptions{ecoOffsetButtonContent});

  editor.Style.SetColor(clYellow);
  editor.Style.SetTextColor(clNavy);
  editor.Calculate(EditorBounds, {"normal"});
  EXPECT_EQ(editor.ViewInfo.BackgroundColor(), clYellow);
  EXPECT_EQ(editor.ViewInfo.TextColor, clNavy);
}

// CalculateEx lays out at the origin and keeps the corner apart.
TEST(EditorLayout, CalculateExKeepsTheOriginApart) {
  TBareEditor editor;
  editor.AddButton(bkEllipsis);
  std::unique_ptr<TcxCustomEditViewData> viewData(editor.Properties.CreateViewData(&editor.Style, false));
  viewData->CalculateEx(editor.Surface.Canvas.get(), TRect(100, 20, 260, 44), TPoint(250, 30), cxmbNone, {},
                        &editor.ViewInfo, false);
  EXPECT_EQ(editor.ViewInfo.Left, 100);
  EXPECT_EQ(editor.ViewInfo.Top, 20);
  EXPECT_EQ(editor.ViewInfo.Bounds, TRect(0, 0, 160, 24));
  EXPECT_EQ(editor.ViewInfo.Button(0)->Data.State, ebsSelected);
}
