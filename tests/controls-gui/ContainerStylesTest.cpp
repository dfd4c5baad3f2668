// Container styles: values resolved through two chained style controllers
// and the state defaults, batched change notification, controller links
// (refused cycles, a controller going) and the view-info routines.
#include <gtest/gtest.h>

#include "components/controls/cxContainer.h"

namespace {

// A controller chain: the style links to A, A's style links to B.
struct ChainedStyles : ::testing::Test {
  TcxStyleController* B = new TcxStyleController(nullptr);
  TcxStyleController* A = new TcxStyleController(nullptr);
  std::unique_ptr<TcxContainerStyles> Styles = std::make_unique<TcxContainerStyles>(
      nullptr, [](TPersistent* AOwner, TcxContainerStyle* AParent, TcxContainerStateItem AState) {
        return new TcxContainerStyle(AOwner, false, AParent, AState);
      });
  ChainedStyles() {
    A->Style()->SetStyleController(B);
    Styles->Style()->SetStyleController(A);
  }
  ~ChainedStyles() override {
    Styles.reset();
    delete A;
    delete B;
  }
};

TEST_F(ChainedStyles, ValuesComeFromTheStyleThenEachControllerInTurnThenTheDefault) {
  // Where a value is assigned: in the style itself, in A, in B, or nowhere.
  enum Where { Own, InA, InB, Nowhere };
  struct Case {
    Where Where;
    TColor Expected;
  };
  const Case cases[] = {{Own, clRed}, {InA, clGreen}, {InB, clBlue}, {Nowhere, clWindowFrame}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Where);
    Styles->Style()->SetAssignedValues({});
    A->Style()->SetAssignedValues({});
    B->Style()->SetAssignedValues({});
    if (c.Where == Own) Styles->Style()->SetBorderColor(clRed);
    if (c.Where == Own || c.Where == InA) A->Style()->SetBorderColor(clGreen);
    if (c.Where != Nowhere) B->Style()->SetBorderColor(clBlue);
    EXPECT_EQ(Styles->Style()->BorderColor(), c.Expected);
    EXPECT_EQ(Styles->Style()->IsValueAssigned(csvBorderColor), c.Where != Nowhere);
  }
}

TEST_F(ChainedStyles, StateStylesResolveThroughTheControllersStyleOfTheSameState) {
  B->GetInternalStyle(csActive)->SetBorderStyle(cbsThick);
  B->Style()->SetShadow(true);
  EXPECT_EQ(Styles->StyleFocused()->BorderStyle(), cbsThick);
  EXPECT_TRUE(Styles->StyleFocused()->Shadow());  // through the normal style
  EXPECT_EQ(Styles->StyleDisabled()->BorderColor(), clBtnShadow);
  EXPECT_EQ(Styles->StyleHot()->BorderColor(), clWindowFrame);  // the parent's
}

TEST_F(ChainedStyles, AnAssignedTransparentBorderIsReportedAsAssigned) {
  EXPECT_FALSE(Styles->Style()->IsValueAssigned(csvTransparentBorder));
  B->Style()->SetTransparentBorder(false);
  EXPECT_TRUE(Styles->Style()->IsValueAssigned(csvTransparentBorder));
  EXPECT_FALSE(Styles->Style()->TransparentBorder());
}

TEST_F(ChainedStyles, ACycleOfControllersIsRefusedAndTheOldLinkStays) {
  B->Style()->SetStyleController(A);
  EXPECT_EQ(B->Style()->StyleController(), nullptr);
  A->Style()->SetStyleController(A);
  EXPECT_EQ(A->Style()->StyleController(), B);
}

TEST_F(ChainedStyles, AControllerChangeReachesItsListeners) {
  int changes = 0;
  Styles->Style()->OnChanged = [&](TObject*) { ++changes; };
  B->Style()->SetColor(clYellow);
  EXPECT_GE(changes, 1);
  EXPECT_EQ(Styles->Style()->Color(), clYellow);
}

TEST_F(ChainedStyles, AControllerThatGoesLeavesItsStylesOnTheDefaultController) {
  delete A;
  A = nullptr;
  EXPECT_EQ(Styles->Style()->StyleController(), nullptr);
  EXPECT_EQ(Styles->Style()->ActiveStyleController(), cxDefaultContainerStyleController());
  EXPECT_EQ(Styles->Style()->BorderColor(), clWindowFrame);
}

TEST(DefaultStyleController, StylesLinkToItAndLetGoWhenItGoes) {
  auto* controller = new TcxStyleController(nullptr);
  controller->Style()->SetBorderColor(clMaroon);
  cxSetDefaultContainerStyleController(controller);
  {
    TcxContainerStyle style(nullptr, false);
    EXPECT_EQ(style.StyleController(), nullptr);  // the default is not shown
    EXPECT_EQ(style.ActiveStyleController(), controller);
    EXPECT_EQ(style.BorderColor(), clMaroon);
    delete controller;
    EXPECT_EQ(cxDefaultContainerStyleController(), nullptr);
    EXPECT_EQ(style.ActiveStyleController(), nullptr);
    EXPECT_EQ(style.BorderColor(), clWindowFrame);
  }
}

TEST(ContainerStyleDefaults, FocusedAndHotBordersFollowTheNormalBorderAndHotTracking) {
  // Rows: normal border style, HotTrack; expected focused, hot and disabled.
  struct Case {
    TcxContainerBorderStyle Normal;
    bool HotTrack;
    TcxContainerBorderStyle Focused, Hot, Disabled;
  };
  const Case cases[] = {
      {cbsNone, true, cbsFlat, cbsFlat, cbsNone},       {cbsSingle, true, cbsThick, cbsThick, cbsSingle},
      {cbsSingle, false, cbsSingle, cbsSingle, cbsSingle}, {cbsThick, true, cbsThick, cbsThick, cbsThick},
      {cbsFlat, true, cbs3D, cbs3D, cbsFlat},           {cbs3D, true, cbs3D, cbs3D, cbs3D},
      {cbsUltraFlat, true, cbsUltraFlat, cbsUltraFlat, cbsUltraFlat},
      {cbsOffice11, true, cbsOffice11, cbsOffice11, cbsOffice11}};
  TcxContainerStyles styles(nullptr, [](TPersistent* AOwner, TcxContainerStyle* AParent, TcxContainerStateItem AState) {
    return new TcxContainerStyle(AOwner, false, AParent, AState);
  });
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Normal) * 10 + c.HotTrack);
    styles.Style()->SetBorderStyle(c.Normal);
    styles.Style()->SetHotTrack(c.HotTrack);
    EXPECT_EQ(styles.StyleFocused()->BorderStyle(), c.Focused);
    EXPECT_EQ(styles.StyleHot()->BorderStyle(), c.Hot);
    EXPECT_EQ(styles.StyleDisabled()->BorderStyle(), c.Disabled);
  }
}

TEST(ContainerStyleDefaults, TheTopLevelBorderStyleFollowsTheLookAndFeelKind) {
  const std::pair<TcxLookAndFeelKind, TcxContainerBorderStyle> cases[] = {
      {lfFlat, cbsFlat}, {lfStandard, cbs3D}, {lfUltraFlat, cbsUltraFlat}, {lfOffice11, cbsOffice11}};
  TcxContainerStyle style(nullptr, false);
  for (const auto& [kind, expected] : cases) {
    style.LookAndFeel()->SetKind(kind);
    EXPECT_EQ(style.BorderStyle(), expected);
  }
}

TEST(ContainerStyleNotification, WritersInsideAnUpdateRaiseOneChangeAndEqualValuesNone) {
  TcxContainerStyle style(nullptr, false);
  int changes = 0;
  style.OnChanged = [&](TObject*) { ++changes; };
  style.BeginUpdate();
  for (int i = 0; i < 10; ++i) style.SetBorderColor(clRed + i);
  style.EndUpdate();
  EXPECT_EQ(changes, 1);
  style.SetBorderColor(clRed + 9);
  style.SetTextColor(style.TextColor());
  EXPECT_EQ(changes, 2);  // TextColor was not assigned yet
  style.SetTextColor(style.TextColor());
  EXPECT_EQ(changes, 2);
  style.EndUpdate();  // unbalanced: nothing
  EXPECT_EQ(changes, 2);
}

TEST(ContainerStyleNames, TenNamedValuesLookedUpIgnoringCase) {
  String name;
  EXPECT_TRUE(TcxContainerStyle::GetStyleValueName(csvTransparentBorder, name));
  EXPECT_EQ(name, L"TransparentBorder");
  EXPECT_FALSE(TcxContainerStyle::GetStyleValueName(static_cast<TcxContainerStyleValue>(10), name));
  EXPECT_TRUE(name.empty());
  TcxContainerStyleValue value;
  ASSERT_TRUE(TcxContainerStyle::GetStyleValue(L"textcolor", value));
  EXPECT_EQ(value, csvTextColor);
  TcxContainerStyle style(nullptr, false);
  EXPECT_FALSE(style.IsExtendedStylePropertyPublished(L"Edges"));
  EXPECT_TRUE(style.IsExtendedStylePropertyPublished(L"BorderColor"));
  EXPECT_FALSE(style.IsExtendedStylePropertyPublished(L"StyleController"));
}

TEST(ContainerRoutines, RectanglesByEdgesAndFrames) {
  TRect r(10, 10, 20, 20);
  cxInflateRectByEdges(r, 2, {});
  EXPECT_EQ(r, TRect(10, 10, 20, 20));
  cxInflateRectByEdges(r, 2, {bLeft, bBottom});
  EXPECT_EQ(r, TRect(8, 10, 20, 22));
  r = TRect(10, 10, 20, 20);
  cxShrinkRectByMissingEdges(r, 1, {});
  EXPECT_EQ(r, TRect(11, 11, 19, 19));
  EXPECT_TRUE(cxTextEquals(L"Ação", L"AÇÃO", false));
  EXPECT_FALSE(cxTextEquals(L"Ação", L"AÇÃO", true));
}

TEST(ContainerRoutines, ShadowRegionIsTheBoundsAndTheirThreePixelOffsetCopy) {
  EXPECT_EQ(cxBuildWindowShadowRegion(nullptr, TRect(0, 0, 10, 10), TRect(), false, false, TRect()), nullptr);
  EXPECT_EQ(cxBuildWindowShadowRegion(nullptr, TRect(0, 0, 10, 10), TRect(), true, true, TRect()), nullptr);
  std::unique_ptr<TcxRegion> region(
      cxBuildWindowShadowRegion(nullptr, TRect(0, 0, 10, 10), TRect(), false, true, TRect(0, 0, 2, 2)));
  ASSERT_TRUE(region);
  EXPECT_TRUE(region->PtInRegion(12, 12));
  EXPECT_FALSE(region->PtInRegion(12, 1));
  EXPECT_FALSE(region->PtInRegion(1, 1));  // excluded
  EXPECT_TRUE(region->PtInRegion(5, 5));
}

TEST(ContainerRoutines, WindowRelationsAndRegionsOnRealWindows) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
  EXPECT_FALSE(cxIsWindowRelated(parent, parent));
  EXPECT_TRUE(cxIsWindowRelated(parent, child));
  EXPECT_FALSE(cxIsWindowRelated(child, parent));
  cxSetWindowRegionIfChanged(parent, new TcxRegion(0, 0, 20, 20));
  EXPECT_FALSE(cxIsWindowRegionChanged(parent, std::make_unique<TcxRegion>(0, 0, 20, 20).get()));
  EXPECT_TRUE(cxIsWindowRegionChanged(parent, nullptr));
  cxSetWindowRegionIfChanged(parent, nullptr);
  EXPECT_FALSE(cxIsWindowRegionChanged(parent, nullptr));
  DestroyWindow(parent);
}

}  // namespace
