#include "FamilyCatalogue.h"

#include <memory>

namespace {

// The painter's protected operations, reached through member pointers.
struct TProtectedAccess : TcxCustomLookAndFeelPainter {
  using TcxCustomLookAndFeelPainter::DrawMonthHeaderArrows;
  using TcxCustomLookAndFeelPainter::DrawSchedulerNavigationButtonFrame;
  using TcxCustomLookAndFeelPainter::DrawSortingMarkArrow;
  using TcxCustomLookAndFeelPainter::DrawSummarySortingMarkArrow;
};

TFont* TextFont() {
  static const std::unique_ptr<TFont> font = [] {
    auto result = std::make_unique<TFont>();
    result->SetName(L"Tahoma");
    result->SetHeight(-11);
    return result;
  }();
  return font.get();
}

const std::vector<const wchar_t*> ButtonStates{L"Default", L"Normal", L"Hot", L"Pressed", L"Disabled"};
const std::vector<const wchar_t*> Directions{L"Ascending", L"Descending"};
const std::vector<const wchar_t*> OneState{L"Normal"};
const std::vector<const wchar_t*> Booleans{L"Off", L"On"};

TcxButtonState ButtonState(int AState) { return static_cast<TcxButtonState>(AState); }

TRect Inner(const TRect& R, int ASize) { return TRect(R.Left + ASize, R.Top + ASize, R.Right - ASize, R.Bottom - ASize); }

TdxGalleryItemViewState GalleryState(int AState) {
  switch (AState) {
    case 1: return {true, false, true, false, false};
    case 2: return {true, false, false, true, false};
    case 3: return {true, true, false, false, false};
    case 4: return {true, true, true, false, false};
    case 5: return {true, false, false, false, true};
    default: return {true, false, false, false, false};
  }
}

std::vector<TFamilyElement> BuildCatalogue() {
  using P = TcxCustomLookAndFeelPainter;
  const TcxViewParams view{nullptr, TColor(0xE0F0FF), TextFont(), clNavy};
  const auto header = [](P& APainter, TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
    APainter.DrawHeader(ACanvas, R, Inner(R, 2), {}, cxBordersAll, AState, taCenter, vaCenter, false, true,
                        L"Header", TextFont(), clBtnText, clBtnFace, nullptr, false, false);
  };
  std::vector<TFamilyElement> e;
  // ---- headers, footers, grid, layout view, filter and find panels
  e.push_back({L"Headers", L"DrawHeader", {70, 22}, ButtonStates,
               [=](P& p, TcxCanvas* c, const TRect& r, int s) { header(p, c, r, ButtonState(s)); }});
  e.push_back({L"Headers", L"DrawHeaderControlSection", {70, 22}, ButtonStates, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawHeaderControlSection(c, r, r, {}, cxBordersAll, ButtonState(s), taCenter, vaCenter, false, true,
                                            L"Section", TextFont(), clBtnText, clWindow);
               }});
  e.push_back({L"Headers", L"DrawHeaderPressed", {70, 22}, OneState, [=](P& p, TcxCanvas* c, const TRect& r, int) {
                 header(p, c, r, cxbsNormal);
                 p.DrawHeaderPressed(c, r);
               }});
  e.push_back({L"Headers", L"DrawHeaderSeparator", {70, 22}, OneState, [=](P& p, TcxCanvas* c, const TRect& r, int) {
                 p.DrawHeaderSeparator(c, r, 6, clBtnShadow, view);
               }});
  e.push_back({L"Headers", L"DrawSortingMarkArrow", {22, 22}, Directions, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 (p.*(&TProtectedAccess::DrawSortingMarkArrow))(c, r, clBtnShadow, clBtnHighlight, s == 0);
               }});
  e.push_back({L"Headers", L"DrawSummarySortingMarkArrow", {22, 22}, Directions,
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 (p.*(&TProtectedAccess::DrawSummarySortingMarkArrow))(c, r, clBtnShadow, clBtnHighlight, s == 0);
               }});
  e.push_back({L"Headers", L"DrawSummaryValueSortingMark", {22, 22}, Directions,
               [](P& p, TcxCanvas* c, const TRect& r, int s) { p.DrawSummaryValueSortingMark(c, Inner(r, 5), s == 0); }});
  e.push_back({L"Headers", L"DrawFilterRowSeparator", {70, 22}, OneState,
               [](P& p, TcxCanvas* c, const TRect& r, int) { p.DrawFilterRowSeparator(c, r, clInfoBk); }});
  e.push_back({L"Headers", L"DrawGroupByBox", {70, 22}, OneState,
               [](P& p, TcxCanvas* c, const TRect& r, int) { p.DrawGroupByBox(c, r, false, clBtnShadow, nullptr); }});
  e.push_back({L"Headers", L"DrawImageZoomInButton", {22, 22}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) { p.DrawImageZoomInButton(c, r, ButtonState(s)); }});
  e.push_back({L"Headers", L"LayoutViewDrawItem", {70, 22}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) { p.LayoutViewDrawItem(c, r, ButtonState(s), cxBordersAll); }});
  e.push_back({L"Headers", L"LayoutViewDrawRecordCaption", {70, 22}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.LayoutViewDrawRecordCaption(c, r, r, cxgpTop, ButtonState(s));
               }});
  e.push_back({L"Headers", L"LayoutViewDrawRecordBorder", {70, 22}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.LayoutViewDrawRecordBorder(c, r, ButtonState(s), cxBordersAll);
               },
               true});
  e.push_back({L"Headers", L"LayoutViewDrawRecordContent", {70, 22}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.LayoutViewDrawRecordContent(c, r, cxgpTop, ButtonState(s), cxBordersAll);
               }});
  e.push_back({L"Headers", L"LayoutViewDrawRecordExpandButton", {22, 22}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.LayoutViewDrawRecordExpandButton(c, Inner(r, 3), ButtonState(s), s % 2 == 0);
               }});
  e.push_back({L"Headers", L"DrawFooterPanel", {70, 22}, OneState,
               [=](P& p, TcxCanvas* c, const TRect& r, int) { p.DrawFooterPanel(c, r, view, cxBordersAll); }});
  e.push_back({L"Headers", L"DrawFooterCell", {70, 22}, OneState, [](P& p, TcxCanvas* c, const TRect& r, int) {
                 p.DrawFooterCell(c, r, taRightJustify, vaCenter, false, L"1,234.00", TextFont(), clBtnText,
                                  clBtnFace, nullptr);
               }});
  e.push_back({L"Headers", L"DrawFilterActivateButton", {22, 22}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawFilterActivateButton(c, Inner(r, 4), ButtonState(s), s % 2 == 1);
               }});
  e.push_back({L"Headers", L"DrawFilterCloseButton", {22, 22}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawFilterCloseButton(c, TRect(r.Left + 3, r.Top + 4, r.Left + 19, r.Top + 18), ButtonState(s));
               }});
  e.push_back({L"Headers", L"DrawFilterSmartTag", {22, 22},
               {L"Normal", L"Normal active", L"Hot", L"Pressed", L"Parent hot", L"Parent hot active"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 static const TcxFilterSmartTagState states[] = {fstsNormal,  fstsNormal,    fstsHot,
                                                                 fstsPressed, fstsParentHot, fstsParentHot};
                 p.DrawFilterSmartTag(c, Inner(r, 5), states[s], s == 1 || s == 5);
               }});
  e.push_back({L"Headers", L"DrawFindPanelBorder", {70, 22}, OneState,
               [](P& p, TcxCanvas* c, const TRect& r, int) { p.DrawFindPanelBorder(c, r, cxBordersAll); }});

  // ---- popups, hints, indicator, scroll bars, size grips
  e.push_back({L"Popups", L"DrawEditPopupWindowBorder", {40, 30}, {L"Default", L"Single", L"Frame3D", L"Flat"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 TRect inside = r;
                 p.DrawEditPopupWindowBorder(c, inside, static_cast<TcxEditPopupBorderStyle>(s), true);
                 c->FillRect(inside, clWindow);
               }});
  e.push_back({L"Popups", L"DrawWindowContent", {40, 30}, OneState,
               [](P& p, TcxCanvas* c, const TRect& r, int) { p.DrawWindowContent(c, r); }});
  e.push_back({L"Popups", L"ScreenTipDrawBackground", {40, 30}, OneState, [](P& p, TcxCanvas* c, const TRect& r, int) {
                 p.ScreenTipDrawBackground(c, r);
                 p.ScreenTipDrawFooterLine(c, TRect(r.Left + 2, r.Bottom - 8, r.Right - 2, r.Bottom - 2));
               }});
  e.push_back({L"Popups", L"DrawIndicatorItem", {22, 22},
               {L"None", L"Arrow", L"Edit", L"Insert", L"MultiDot", L"MultiArrow", L"Filter"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawIndicatorItem(c, r, static_cast<TcxIndicatorKind>(s), clBtnFace, nullptr);
               }});
  e.push_back({L"Popups", L"DrawIndicatorCustomizationMark", {22, 22}, OneState,
               [](P& p, TcxCanvas* c, const TRect& r, int) { p.DrawIndicatorCustomizationMark(c, r, clBtnText); }});
  e.push_back({L"Popups", L"DrawScrollBarSplitter", {22, 40}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) { p.DrawScrollBarSplitter(c, r, ButtonState(s)); }});
  e.push_back({L"Popups", L"DrawSizeGrip", {22, 22}, {L"Top left", L"Top right", L"Bottom left", L"Bottom right"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawSizeGrip(c, r, clBtnFace, static_cast<TdxCorner>(s));
               }});
  e.push_back({L"Popups", L"DrawSmallButton", {22, 22}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) { p.DrawSmallButton(c, Inner(r, 3), ButtonState(s)); }});
  e.push_back({L"Popups", L"DrawSmallCloseButton", {22, 22}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawSmallCloseButton(c, TRect(r.Left + 4, r.Top + 3, r.Left + 18, r.Top + 18), ButtonState(s));
               }});
  e.push_back({L"Popups", L"DrawPopupPanelBand", {90, 30}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 const TSize grip = p.SizeGripSize();
                 p.DrawPopupPanelBand(c, r, TRect(r.Right - 2 - grip.cx, r.Bottom - 2 - grip.cy, r.Right - 2, r.Bottom - 2),
                                      TRect(r.Left + 4, r.Top + 7, r.Left + 18, r.Top + 22), coBottomRight,
                                      ButtonState(s), TRect(0, 1, 0, 0), clBtnShadow, true, true);
               },
               true});

  // ---- scheduler, editor buttons, clock, zoom and back buttons, navigators, progress bar
  e.push_back({L"Scheduler", L"DrawMonthHeader", {90, 22}, {L"No arrows", L"Left", L"Right", L"Both"},
               [=](P& p, TcxCanvas* c, const TRect& r, int s) {
                 TcxArrowDirections arrows;
                 if (s & 1) arrows.Include(adLeft);
                 if (s & 2) arrows.Include(adRight);
                 p.DrawMonthHeader(c, r, L"May 2026", {}, view, arrows, 0, nullptr);
               }});
  e.push_back({L"Scheduler", L"DrawSchedulerEventProgress", {60, 16}, Booleans, [=](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawSchedulerEventProgress(c, r, TRect(r.Left + 2, r.Top + 2, r.Left + 30, r.Bottom - 2), view,
                                              s == 0);
               }});
  e.push_back({L"Scheduler", L"DrawSchedulerGroup", {60, 16}, OneState,
               [](P& p, TcxCanvas* c, const TRect& r, int) { p.DrawSchedulerGroup(c, r, clSkyBlue); }});
  e.push_back({L"Scheduler", L"DrawSchedulerGroupSeparator", {60, 16}, OneState,
               [](P& p, TcxCanvas* c, const TRect& r, int) { p.DrawSchedulerGroupSeparator(c, r, clBtnFace, nullptr); }});
  e.push_back({L"Scheduler", L"DrawSchedulerMilestone", {22, 22}, OneState,
               [](P& p, TcxCanvas* c, const TRect& r, int) { p.DrawSchedulerMilestone(c, Inner(r, 4)); }});
  for (bool next : {false, true})
    e.push_back({L"Scheduler", next ? L"DrawSchedulerNavigationButton (next)" : L"DrawSchedulerNavigationButton (previous)",
                 {24, 120}, ButtonStates, [next](P& p, TcxCanvas* c, const TRect& r, int s) {
                   TRect bounds = r, text, arrow;
                   p.CalculateSchedulerNavigationButtonRects(next, false, TSize(50, 12), TSize(50, 12), bounds, text,
                                                             arrow);
                   c->SetFont(TextFont());
                   p.DrawSchedulerNavigationButton(c, bounds, next, ButtonState(s), L"Next week", text, arrow);
                 }});
  e.push_back({L"Scheduler", L"DrawSchedulerNavigatorButton", {22, 22}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) { p.DrawSchedulerNavigatorButton(c, r, ButtonState(s)); }});
  e.push_back({L"Scheduler", L"DrawClock", {130, 130}, {L"3:00:00", L"10:08:30"}, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawClock(c, r, s == 0 ? 3 / 24.0 : (10 * 3600 + 8 * 60 + 30) / 86400.0, clWindow);
               }});
  e.push_back({L"Scheduler", L"DrawZoomInButton", {22, 22}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) { p.DrawZoomInButton(c, Inner(r, 3), ButtonState(s)); }});
  e.push_back({L"Scheduler", L"DrawZoomOutButton", {22, 22}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) { p.DrawZoomOutButton(c, Inner(r, 3), ButtonState(s)); }});
  e.push_back({L"Scheduler", L"DrawBackButton", {34, 34}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) { p.DrawBackButton(c, Inner(r, 2), ButtonState(s)); }});
  e.push_back({L"Scheduler", L"DrawDateNavigatorDateHeader", {60, 20}, OneState, [](P& p, TcxCanvas* c, const TRect& r, int) {
                 TRect header = r;
                 p.DrawDateNavigatorDateHeader(c, header);
                 p.DrawDateNavigatorTodayCellSelection(c, TRect(header.Left + 20, header.Top + 2, header.Left + 36,
                                                                header.Bottom - 2));
               }});
  e.push_back({L"Scheduler", L"DrawNavigatorButton", {22, 22}, ButtonStates, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawNavigatorButton(c, r, ButtonState(s), clDefault);
                 p.DrawNavigatorButtonGlyph(c, cxIndicatorImages(), 0, TRect(r.Left + 7, r.Top + 6, r.Left + 15, r.Top + 15),
                                            ButtonState(s) != cxbsDisabled, false);
               }});
  e.push_back({L"Scheduler", L"DrawProgressBarText", {80, 18}, {L"Solid", L"Inverted"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 c->FillRect(r, clWindow);
                 const TRect chunk(r.Left, r.Top, r.Left + 45, r.Bottom);
                 c->FillRect(chunk, clHighlight);
                 c->SetFont(TextFont());
                 p.DrawProgressBarText(c, false, s == 0, L"56 % done", TRect(r.Left + 14, r.Top + 2, r.Right - 4, r.Bottom - 2),
                                       r, chunk, clDefault);
               }});

  // ---- check boxes, toggle switches, radio buttons, label lines, map, spreadsheet, group boxes, panels
  e.push_back({L"Checks", L"DrawCheckButton", {22, 22},
               {L"Normal", L"Checked", L"Grayed", L"Hot", L"Pressed", L"Disabled"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 static const std::pair<TcxButtonState, TcxCheckBoxState> states[] = {
                     {cxbsNormal, cbsUnchecked}, {cxbsNormal, cbsChecked},  {cxbsNormal, cbsGrayed},
                     {cxbsHot, cbsChecked},      {cxbsPressed, cbsChecked}, {cxbsDisabled, cbsChecked}};
                 p.DrawCheckButton(c, Inner(r, 2), states[s].first, states[s].second);
               }});
  e.push_back({L"Checks", L"DrawToggleSwitchThumb", {40, 22}, ButtonStates, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawToggleSwitch(c, r, ButtonState(s), TRect(r.Left, r.Top, r.Left + 20, r.Bottom));
                 p.DrawToggleSwitchThumb(c, TRect(r.Left, r.Top, r.Left + 20, r.Bottom), ButtonState(s));
               }});
  e.push_back({L"Checks", L"DrawToggleSwitchStateIndicator", {40, 22}, Booleans, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawToggleSwitchStateIndicator(c, r, s == 1 ? L"On" : L"Off", TextFont());
               }});
  e.push_back({L"Checks", L"DrawLabelLine", {60, 22}, {L"Horizontal", L"Vertical"}, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 const int middle = (r.Top + r.Bottom) / 2, centre = (r.Left + r.Right) / 2;
                 p.DrawLabelLine(c, s == 0 ? TRect(r.Left, middle, r.Right, middle + 2) : TRect(centre, r.Top, centre + 2, r.Bottom),
                                 clDefault, clDefault, s == 1);
               }});
  e.push_back({L"Checks", L"DrawGaugeControlBackground", {40, 22}, OneState,
               [](P& p, TcxCanvas* c, const TRect& r, int) { p.DrawGaugeControlBackground(c, r, false, clWindow); }});
  e.push_back({L"Checks", L"DrawMapCustomElementBackground", {40, 30},
               {L"Normal", L"Hot", L"Pressed", L"Selected", L"Disabled"}, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 c->FillRect(r, p.MapControlBackgroundColor());
                 p.DrawMapCustomElementBackground(c, r, static_cast<TdxMapControlElementState>(s));
               }});
  e.push_back({L"Checks", L"DrawMapPushpin", {35, 44}, OneState,
               [](P& p, TcxCanvas* c, const TRect& r, int) { p.DrawMapPushpin(c, r, mcesNormal); }});
  e.push_back({L"Checks", L"DrawSpreadSheetHeader", {60, 22}, ButtonStates, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawSpreadSheetHeader(c, r, r, {}, cxBordersAll, ButtonState(s), taCenter, vaCenter, false, false,
                                         L"B", TextFont(), clBtnText, clBtnFace, nullptr, false, false);
               }});
  e.push_back({L"Checks", L"DrawSpreadSheetGroupExpandButton", {22, 22}, ButtonStates,
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawSpreadSheetGroupExpandButton(c, Inner(r, 2), ButtonState(s));
                 p.DrawSpreadSheetGroupExpandButtonGlyph(c, r, ButtonState(s), false, cxIndicatorImages());
               }});
  e.push_back({L"Checks", L"DrawGroupBoxExpandButton", {22, 22}, ButtonStates, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawGroupBoxExpandButton(c, Inner(r, 2), ButtonState(s), s % 2 == 0, ra0);
               }});
  e.push_back({L"Checks", L"DrawGroupBoxButton", {22, 22}, ButtonStates, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawGroupBoxButton(c, Inner(r, 2), ButtonState(s));
                 p.DrawGroupBoxExpandGlyph(c, Inner(r, 2), ButtonState(s), s % 2 == 1);
               }});
  e.push_back({L"Checks", L"DrawPanelContent", {40, 22}, OneState,
               [](P& p, TcxCanvas* c, const TRect& r, int) { p.DrawPanelContent(c, r, true); }});

  // ---- track bars, splitters, print preview, message box, breadcrumb edit, drop-down lists, alert windows
  e.push_back({L"TrackBars", L"DrawTrackBarTrack", {80, 22}, OneState, [](P& p, TcxCanvas* c, const TRect& r, int) {
                 p.DrawTrackBarTrack(c, TRect(r.Left + 2, r.Top + 9, r.Right - 2, r.Top + 13), TRect(), false, true, true,
                                     clWindow);
               }});
  e.push_back({L"TrackBars", L"DrawTrackBarThumb", {22, 30},
               {L"Down", L"Up", L"Both", L"Right", L"Left"}, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 static const TcxTrackBarTicksAlign ticks[] = {tbtaDown, tbtaUp, tbtaBoth, tbtaDown, tbtaUp};
                 const bool horizontal = s < 3;
                 const TRect thumb = horizontal ? TRect(r.Left + 5, r.Top + 4, r.Left + 16, r.Top + 25)
                                                : TRect(r.Left + 1, r.Top + 9, r.Left + 21, r.Top + 20);
                 p.DrawTrackBarThumb(c, thumb, cxbsNormal, horizontal, ticks[s], clBtnFace);
               }});
  e.push_back({L"TrackBars", L"DrawSplitter", {40, 40}, {L"Horizontal", L"Vertical", L"Highlighted"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) { p.DrawSplitter(c, r, s == 2, false, s == 0); }});
  e.push_back({L"TrackBars", L"DrawLayoutControlBackground", {40, 22}, OneState,
               [](P& p, TcxCanvas* c, const TRect& r, int) { p.DrawLayoutControlBackground(c, r); }});
  e.push_back({L"TrackBars", L"DrawPrintPreviewPageBackground", {50, 60}, {L"Selected", L"Unselected"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawPrintPreviewBackground(c, r);
                 const TRect page = Inner(r, 4);
                 p.DrawPrintPreviewPageBackground(c, page, TRect(page.Left + 2, page.Top + 2, page.Right - 4, page.Bottom - 4),
                                                  s == 0, true);
               }});
  e.push_back({L"TrackBars", L"DrawMessageBox", {90, 24}, OneState, [](P& p, TcxCanvas* c, const TRect& r, int) {
                 p.DrawMessageBox(c, r, L"No data", TextFont(), clNone);
               }});
  e.push_back({L"TrackBars", L"DrawBreadcrumbEditButton", {30, 22}, {L"Normal", L"Focused", L"Hot", L"Pressed", L"Disabled"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 const auto state = static_cast<TdxBreadcrumbEditButtonState>(s);
                 p.DrawBreadcrumbEditBorders(c, r, cxBordersAll, dxbcsNormal);
                 p.DrawBreadcrumbEditNode(c, Inner(r, 1), state, true);
                 p.DrawBreadcrumbEditNodeDelimiterGlyph(c, TRect(r.Right - 13, r.Top + 1, r.Right - 1, r.Bottom - 1), state);
               }});
  e.push_back({L"TrackBars", L"DrawBreadcrumbEditDropDownButton", {22, 22}, {L"Normal", L"Focused", L"Hot", L"Pressed", L"Disabled"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 const auto state = static_cast<TdxBreadcrumbEditButtonState>(s);
                 p.DrawBreadcrumbEditDropDownButton(c, r, state, true);
                 p.DrawBreadcrumbEditDropDownButtonGlyph(c, r, state, true);
               }});
  e.push_back({L"TrackBars", L"DrawBreadcrumbEditProgressChunk", {40, 22}, OneState,
               [](P& p, TcxCanvas* c, const TRect& r, int) { p.DrawBreadcrumbEditProgressChunk(c, Inner(r, 2)); }});
  e.push_back({L"TrackBars", L"DrawDropDownListBox", {60, 40}, {L"Borders", L"No borders"}, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawDropDownListBoxBackground(c, r, s == 0);
                 p.DrawDropDownListBoxSelection(c, TRect(r.Left + 3, r.Top + 4, r.Right - 3, r.Top + 16), TRect());
                 p.DrawDropDownListBoxSeparator(c, TRect(r.Left + 3, r.Top + 18, r.Right - 3, r.Top + 26),
                                                TRect(r.Left + 2, r.Top + 2, r.Left + 12, r.Bottom - 2));
               }});
  e.push_back({L"TrackBars", L"DrawAlertWindowBackground", {60, 30}, OneState, [](P& p, TcxCanvas* c, const TRect& r, int) {
                 p.DrawAlertWindowBackground(c, r);
                 p.DrawAlertWindowNavigationPanel(c, Inner(r, 4));
               }});
  e.push_back({L"TrackBars", L"DrawAlertWindowButton", {22, 22},
               {L"Close", L"Pin", L"Pinned", L"Dropdown", L"Previous", L"Next", L"Custom", L"Hot", L"Disabled"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 static const TdxAlertWindowButtonKind kinds[] = {awbkClose, awbkPin,  awbkPin,    awbkDropdown, awbkPrevious,
                                                                  awbkNext,  awbkCustom, awbkClose, awbkNext};
                 const TcxButtonState state = s == 7 ? cxbsHot : s == 8 ? cxbsDisabled : cxbsNormal;
                 p.DrawAlertWindowButton(c, r, state, kinds[s], s == 2);
               }});

  // ---- gallery, bevel, modern calendar and rating control
  e.push_back({L"Gallery", L"DrawGalleryItemSelection", {30, 30},
               {L"Enabled", L"Hover", L"Pressed", L"Checked", L"Checked hover", L"Focused"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawGalleryBackground(c, r);
                 p.DrawGalleryItemSelection(c, Inner(r, 2), GalleryState(s));
               }});
  e.push_back({L"Gallery", L"DrawColorGalleryItemSelection", {22, 22},
               {L"Enabled", L"Hover", L"Pressed", L"Checked", L"Checked hover", L"Focused"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 c->FillRect(Inner(r, 3), clSkyBlue);
                 p.DrawColorGalleryItemSelection(c, Inner(r, 2), GalleryState(s));
               }});
  e.push_back({L"Gallery", L"DrawGalleryGroupHeader", {60, 20}, OneState, [](P& p, TcxCanvas* c, const TRect& r, int) {
                 p.DrawGalleryGroupHeader(c, r);
                 p.DrawGalleryItemImageFrame(c, TRect(r.Left + 40, r.Top + 4, r.Left + 52, r.Top + 16));
               }});
  e.push_back({L"Gallery", L"DrawBevelShape", {26, 26},
               {L"Box", L"Frame", L"Top", L"Bottom", L"Left", L"Right", L"Centred H", L"Centred V", L"Raised box"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawBevelShape(c, Inner(r, 3), s == 8 ? dxbsBox : static_cast<TdxBevelShape>(s + 1),
                                  s == 8 ? dxbsRaised : dxbsLowered);
               }});
  e.push_back({L"Gallery", L"DrawModernCalendarDateCellSelection", {26, 22},
               {L"Normal", L"Hot", L"Selected", L"Selected hot", L"Selected focused", L"Marked", L"Marked focused"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 static const TcxCalendarElementStates states[] = {
                     {}, {cesHot}, {cesSelected}, {cesSelected, cesHot}, {cesSelected, cesFocused}, {cesMarked},
                     {cesMarked, cesFocused}};
                 c->FillRect(r, clWindow);
                 p.DrawModernCalendarDateCellSelection(c, Inner(r, 1), states[s]);
                 p.DrawCalendarDateCellSelection(c, Inner(r, 4), states[s]);
               }});
  e.push_back({L"Gallery", L"DrawModernCalendarArrow", {22, 22}, {L"Normal", L"Hot", L"Pressed", L"Disabled"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 static const TcxCalendarElementState states[] = {cesNormal, cesHot, cesPressed, cesDisabled};
                 p.DrawModernCalendarArrow(c, Inner(r, 4), s % 2 == 0 ? adLeft : adRight, states[s]);
               }});
  e.push_back({L"Gallery", L"DrawModernCalendarClock", {130, 130}, {L"12:00:00", L"10:08:30"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawModernCalendarClock(c, r, s == 0 ? 0.5 : (10 * 3600 + 8 * 60 + 30) / 86400.0, clWindow);
               }});
  e.push_back({L"Gallery", L"DrawRatingControlIndicator", {22, 22}, {L"Unchecked", L"Checked", L"Hover", L"Half"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 if (s == 3)
                   p.DrawRatingControlIndicatorPart(c, nullptr, r, TRect(r.Left, r.Top, (r.Left + r.Right) / 2, r.Bottom),
                                                    rcisChecked);
                 else
                   p.DrawRatingControlIndicator(c, nullptr, r, static_cast<TdxRatingControlIndicatorState>(s));
               }});
  return e;
}

}  // namespace

const std::vector<TFamilyElement>& FamilyElements() {
  static const std::vector<TFamilyElement> elements = BuildCatalogue();
  return elements;
}
