#pragma once
// The painter: the drawing interface through which every control of the
// library paints its chrome. The root class draws a plain classic look from
// the system colours; each concrete painter overrides only what differs.
// A painter keeps no drawing state between calls: every operation gets the
// canvas, the geometry, the state and the colours it needs.
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "components/core/cxGraphics.h"
#include "components/core/dxGdiPlusClasses.h"
#include "components/core/dxThemeManager.h"
#include "components/lookandfeel/dxSkinsCore.h"
#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/Sets.h"
#include "vcl/rtl/UnitStartup.h"

// ---------------------------------------------------------------- states and kinds

enum class TcxButtonState { cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled };
using enum TcxButtonState;
enum class TcxLookAndFeelStyle { lfsFlat, lfsStandard, lfsUltraFlat, lfsNative, lfsOffice11, lfsSkin };
using enum TcxLookAndFeelStyle;
enum class TcxArrowDirection { adUp, adDown, adLeft, adRight };
using enum TcxArrowDirection;
using TcxArrowDirections = TSet<TcxArrowDirection>;
// P[1] is the tip.
using TcxArrowPoints = std::array<TPoint, 3>;
enum class TcxEditBtnPosition { cxbpLeft, cxbpRight };
using enum TcxEditBtnPosition;
enum class TcxGroupBoxCaptionPosition { cxgpTop, cxgpBottom, cxgpLeft, cxgpRight, cxgpCenter };
using enum TcxGroupBoxCaptionPosition;
// Which sides of a header touch another header.
enum class TcxNeighbor { nLeft, nTop, nRight, nBottom };
using enum TcxNeighbor;
using TcxNeighbors = TSet<TcxNeighbor>;
enum class TcxScrollBarPart { sbpNone, sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown };
using enum TcxScrollBarPart;
enum class TcxTrackBarTicksAlign { tbtaUp, tbtaDown, tbtaBoth };
using enum TcxTrackBarTicksAlign;
enum class TcxLayoutElement {
  leGroup, leGroupWithoutBorders, leTabbedGroup, leRootGroup, leRootGroupWithoutBorders, leItem
};
using enum TcxLayoutElement;
enum class TdxBevelShape {
  dxbsNone, dxbsBox, dxbsFrame, dxbsLineTop, dxbsLineBottom, dxbsLineLeft, dxbsLineRight, dxbsLineCenteredHorz,
  dxbsLineCenteredVert
};
using enum TdxBevelShape;
enum class TdxBevelStyle { dxbsLowered, dxbsRaised };
using enum TdxBevelStyle;
enum class TdxBreadcrumbEditButtonState { dxbcbsNormal, dxbcbsFocused, dxbcbsHot, dxbcbsPressed, dxbcbsDisabled };
using enum TdxBreadcrumbEditButtonState;
enum class TdxBreadcrumbEditState { dxbcsNormal, dxbcsFocused, dxbcsHot, dxbcsDisabled };
using enum TdxBreadcrumbEditState;
enum class TcxEditCheckState { ecsNormal, ecsHot, ecsPressed, ecsDisabled };
using enum TcxEditCheckState;
enum class TcxButtonPart { cxbpButton, cxbpDropDownLeftPart, cxbpDropDownRightPart };
using enum TcxButtonPart;
enum class TcxCheckBoxState { cbsUnchecked, cbsChecked, cbsGrayed };
using enum TcxCheckBoxState;
enum class TdxRatingControlIndicatorState { rcisUnchecked, rcisChecked, rcisHover };
using enum TdxRatingControlIndicatorState;
struct TdxGalleryItemViewState {
  bool Enabled = false;
  bool Checked = false;
  bool Hover = false;
  bool Pressed = false;
  bool Focused = false;
};
enum class TcxEditBtnKind {
  cxbkCloseBtn, cxbkComboBtn, cxbkEditorBtn, cxbkEllipsisBtn, cxbkSpinUpBtn, cxbkSpinDownBtn, cxbkSpinLeftBtn,
  cxbkSpinRightBtn
};
using enum TcxEditBtnKind;
enum class TcxEditStateColorKind { esckNormal, esckDisabled, esckInactive, esckReadOnly };
using enum TcxEditStateColorKind;
// The calculator's keys.
enum class TcxCalcButtonKind {
  cbBack, cbCancel, cbClear, cbMC, cbMR, cbMS, cbMP, cbNum0, cbNum1, cbNum2, cbNum3, cbNum4, cbNum5, cbNum6,
  cbNum7, cbNum8, cbNum9, cbSign, cbDecimal, cbDiv, cbMul, cbSub, cbAdd, cbSqrt, cbPercent, cbRev, cbEqual, cbNone
};
using enum TcxCalcButtonKind;
enum class TcxIndicatorKind { ikNone, ikArrow, ikEdit, ikInsert, ikMultiDot, ikMultiArrow, ikFilter };
using enum TcxIndicatorKind;
enum class TdxAlertWindowButtonKind { awbkClose, awbkPin, awbkDropdown, awbkPrevious, awbkNext, awbkCustom };
using enum TdxAlertWindowButtonKind;
enum class TcxFilterSmartTagState { fstsNormal, fstsHot, fstsPressed, fstsParentHot };
using enum TcxFilterSmartTagState;
enum class TdxMapControlElementState { mcesNormal, mcesHot, mcesPressed, mcesSelected, mcesDisabled };
using enum TdxMapControlElementState;
enum class TcxCalendarElementState { cesNormal, cesHot, cesPressed, cesSelected, cesFocused, cesMarked, cesDisabled };
using enum TcxCalendarElementState;
using TcxCalendarElementStates = TSet<TcxCalendarElementState>;
enum class TcxContainerBorderStyle { cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11 };
using enum TcxContainerBorderStyle;
enum class TcxEditPopupBorderStyle { epbsDefault, epbsSingle, epbsFrame3D, epbsFlat };
using enum TcxEditPopupBorderStyle;
enum class TcxPopupBorderStyle { pbsNone, pbsUltraFlat, pbsFlat, pbs3D };
using enum TcxPopupBorderStyle;
// True when the handler painted the background itself.
using TcxDrawBackgroundEvent = std::function<bool(TcxCanvas* ACanvas, const TRect& ABounds)>;

// ---------------------------------------------------------------- painters' arithmetic

// AValue / 2 rounded to the nearest integer, halves away from zero.
constexpr int cxHalfRounded(int AValue) { return AValue >= 0 ? (AValue + 1) / 2 : -((1 - AValue) / 2); }
// AValue / 2 rounded down: the lowest bit cleared before halving.
constexpr int cxFloorHalf(int AValue) { return (AValue & ~1) / 2; }
// A polygon filled and outlined in AColor with a solid brush.
void cxDrawSolidPolygon(TcxCanvas* ACanvas, const std::vector<TPoint>& APoints, TColor AColor);
// A scheduler splitter's border: pairs of lines along its length (the
// first colour on the top or left side, the second on the other), each pair
// a pixel inside and a pixel longer than the one before; the view
// parameters fill what lies between.
void cxDrawSplitterBorderLines(TcxCanvas* ACanvas, TRect R, const TcxViewParams& AViewParams, bool AIsHorizontal,
                               std::initializer_list<std::pair<TColor, TColor>> ALines);
// The button state a breadcrumb button draws in (a focused one as normal).
TcxButtonState cxButtonStateOf(TdxBreadcrumbEditButtonState AState);

// ---------------------------------------------------------------- the element families' types

// The corner of a popup that holds its size grip.
enum class TdxCorner { coTopLeft, coTopRight, coBottomLeft, coBottomRight };
using enum TdxCorner;
using TPoints = std::vector<TPoint>;

// R moved in by ASize on every side.
inline TRect cxRectDeflated(const TRect& R, int ASize) {
  return TRect(R.Left + ASize, R.Top + ASize, R.Right - ASize, R.Bottom - ASize);
}

// The angles of a clock's hands showing ADateTime, in radians from three
// o'clock, growing clockwise on the screen.
struct TcxClockHandAngles {
  double Hour, Minute, Second;
};
TcxClockHandAngles cxClockHandAngles(TDateTime ADateTime);

// ---------------------------------------------------------------- the root painter

// The painters manager makes one instance of each painter class and shares
// it among all controls of that look. The images are loaded from the
// program's PNG resources on first use.
class TcxCustomLookAndFeelPainter : public TPersistent {
  VCL_CREATABLE_CLASS(TcxCustomLookAndFeelPainter, TPersistent)
public:
  TcxCustomLookAndFeelPainter();
  ~TcxCustomLookAndFeelPainter() override;

  // ---------------------------------------------------------------- general
public:
  // A skin painter's own data; the built-in painters have none and leave
  // AData alone.
  virtual bool GetPainterData(void*& AData);
  // The painter's description (name, group and icons), built on first use.
  virtual bool GetPainterDetails(TdxSkinDetails*& ADetails);
  virtual bool IsInternalPainter();
  // The registration name ("Standard", "Flat", ...); empty in the root.
  virtual String LookAndFeelName();
  virtual TcxLookAndFeelStyle LookAndFeelStyle();
  virtual bool NeedRedrawOnResize();

  // ---------------------------------------------------------------- default colours
public:
  virtual TColor DefaultContentColor();
  virtual TColor DefaultContentEvenColor();
  virtual TColor DefaultContentOddColor();
  virtual TColor DefaultContentTextColor();
  virtual TColor DefaultEditorBackgroundColor(bool AIsDisabled);
  virtual TColor DefaultEditorBackgroundColorEx(TcxEditStateColorKind AKind);
  virtual TColor DefaultEditorTextColor(bool AIsDisabled);
  virtual TColor DefaultEditorTextColorEx(TcxEditStateColorKind AKind);
  virtual TColor DefaultFilterBoxColor();
  virtual TColor DefaultFilterBoxTextColor();
  virtual TColor DefaultFixedSeparatorColor();
  virtual TColor DefaultFooterColor();
  virtual TColor DefaultFooterTextColor();
  virtual TColor DefaultGridDetailsSiteColor();
  virtual TColor DefaultGridLineColor();
  virtual TColor DefaultGroupByBoxColor();
  virtual TColor DefaultGroupByBoxTextColor();
  virtual TColor DefaultGroupColor();
  virtual TColor DefaultGroupTextColor();
  virtual TColor DefaultHeaderBackgroundColor();
  virtual TColor DefaultHeaderBackgroundTextColor();
  virtual TColor DefaultHeaderColor();
  virtual TColor DefaultHeaderTextColor();
  virtual TColor DefaultHyperlinkTextColor();
  virtual TColor DefaultInactiveColor();
  virtual TColor DefaultInactiveTextColor();
  virtual TColor DefaultPreviewTextColor();
  virtual TColor DefaultRecordSeparatorColor();
  virtual TColor DefaultSizeGripAreaColor();
  virtual TColor DefaultTreeListGridLineColor();
  virtual TColor DefaultTreeListTreeLineColor();
  virtual TColor DefaultVGridBandLineColor();
  virtual TColor DefaultVGridCategoryColor();
  virtual TColor DefaultVGridCategoryTextColor();
  virtual TColor DefaultVGridHeaderColor();
  virtual TColor DefaultVGridHeaderTextColor();
  virtual TColor DefaultVGridLineColor();
  virtual TColor DefaultDateNavigatorContentColor();
  virtual TColor DefaultDateNavigatorHeaderColor();
  virtual TColor DefaultDateNavigatorHeaderTextColor(bool AIsHighlight);
  virtual TColor DefaultDateNavigatorHolydayTextColor();
  virtual TColor DefaultDateNavigatorInactiveTextColor();
  virtual TColor DefaultDateNavigatorSelectionColor();
  virtual TColor DefaultDateNavigatorSelectionTextColor();
  virtual TColor DefaultDateNavigatorSeparator1Color();
  virtual TColor DefaultDateNavigatorSeparator2Color();
  virtual TColor DefaultDateNavigatorTextColor();
  virtual TColor DefaultDateNavigatorTodayFrameColor();
  virtual TColor DefaultDateNavigatorTodayTextColor();
  virtual TColor DefaultSchedulerBackgroundColor();
  virtual TColor DefaultSchedulerBorderColor();
  virtual TColor DefaultSchedulerContentColor(int AResourceIndex);
  virtual TColor DefaultSchedulerControlColor();
  virtual TColor DefaultSchedulerEventColor(bool AIsAllDayEvent);
  virtual TColor DefaultSchedulerNavigatorColor();
  virtual TColor DefaultSchedulerTextColor();
  virtual TColor DefaultSchedulerTimeRulerColor();
  virtual TColor DefaultSchedulerTimeRulerTextColor();
  virtual TColor DefaultSchedulerViewContentColor();
  virtual TColor DefaultSchedulerViewSelectedTextColor();
  virtual TColor DefaultSchedulerViewTextColor();
  virtual TColor DefaultSchedulerYearViewUnusedContentColor(bool AIsWorkTime);
  virtual TColor DefaultSelectionColor();
  virtual TColor DefaultSelectionTextColor();
  virtual TColor DefaultSeparatorColor();
  virtual TColor DefaultTabColor();
  virtual TColor DefaultTabTextColor();
  virtual TColor DefaultTabsBackgroundColor();
  virtual TColor DefaultRootTabsBackgroundColor();
  virtual TColor DefaultTimeGridMajorScaleColor();
  virtual TColor DefaultTimeGridMajorScaleTextColor();
  virtual TColor DefaultTimeGridMinorScaleColor();
  virtual TColor DefaultTimeGridMinorScaleTextColor();
  virtual TColor DefaultTimeGridSelectionBarColor();
  virtual TColor DefaultChartDiagramValueBorderColor();
  virtual TColor DefaultChartDiagramValueCaptionTextColor();
  virtual TColor DefaultChartHistogramAxisColor();
  virtual TColor DefaultChartHistogramGridLineColor();
  virtual TColor DefaultChartHistogramPlotColor();
  virtual TColor DefaultChartPieDiagramSeriesSiteBorderColor();
  virtual TColor DefaultChartPieDiagramSeriesSiteCaptionColor();
  virtual TColor DefaultChartPieDiagramSeriesSiteCaptionTextColor();
  virtual TColor DefaultChartToolBoxDataLevelInfoBorderColor();
  virtual TColor DefaultChartToolBoxItemSeparatorColor();
  virtual TColor DefaultLayoutViewCaptionTextColor(TcxGroupBoxCaptionPosition ACaptionPosition,
                                                   TcxButtonState AState);
  virtual TColor DefaultLayoutViewContentColor();
  virtual TColor DefaultLayoutViewContentTextColor(TcxButtonState AState);
  virtual TColor DefaultGridOptionsTreeViewCategoryColor(bool ASelected);
  virtual TColor DefaultGridOptionsTreeViewCategoryTextColor(bool ASelected);

  // ---------------------------------------------------------------- arrows, borders and separators
public:
  // The three corners of a solid arrow in R, P[1] its tip. A proportional
  // arrow is computed in R made square about its centre; a zero size is
  // chosen from R.
  void CalculateArrowPoints(TRect R, TcxArrowPoints& P, TcxArrowDirection AArrowDirection, bool AProportional,
                            int AArrowSize = 0);
  virtual void DrawArrow(TcxCanvas* ACanvas, const TRect& R, TcxArrowDirection AArrowDirection, TColor AColor);
  // The arrow of a button in AState, over the button's border or colour.
  virtual void DrawArrow(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                         TcxArrowDirection AArrowDirection, bool ADrawBorder = true);
  virtual void DrawArrowBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState);
  // A double chevron pointing left.
  virtual void DrawCollapseArrow(TcxCanvas* ACanvas, const TRect& R, TColor AColor, int ALineWidth = 1);
  virtual void DrawScrollBarArrow(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                  TcxArrowDirection AArrowDirection);
  virtual int BorderSize();
  virtual int SeparatorSize();
  virtual void DrawBorder(TcxCanvas* ACanvas, const TRect& R);
  virtual void DrawContainerBorder(TcxCanvas* ACanvas, const TRect& R, TcxContainerBorderStyle AStyle, int AWidth,
                                   TColor AColor, const TcxBorders& ABorders);
  virtual void DoDrawSeparator(TcxCanvas* ACanvas, const TRect& R, bool AIsVertical);
  // DoDrawSeparator on a span of SeparatorSize across R's middle.
  void DrawSeparator(TcxCanvas* ACanvas, const TRect& R, bool AIsVertical);

  // ---------------------------------------------------------------- buttons
public:
  virtual int ButtonBorderSize(TcxButtonState AState = cxbsNormal);
  virtual TColor ButtonColor(TcxButtonState AState);
  virtual TColor ButtonDescriptionTextColor(TcxButtonState AState, TColor ADefaultColor);
  virtual TRect ButtonFocusRect(TcxCanvas* ACanvas, const TRect& R);
  // ADefaultColor (clBtnText for clDefault) unless disabled.
  virtual TColor ButtonSymbolColor(TcxButtonState AState, TColor ADefaultColor = clDefault);
  virtual int ButtonTextOffset();
  // How far the caption and symbols of a pressed button move right and down.
  virtual int ButtonTextShift();
  virtual TcxButtonState ButtonSymbolState(TcxButtonState AState);
  // The border (when asked), the face in AColor or ButtonColor, then the
  // caption centred in ATextColor or ButtonSymbolColor.
  virtual void DrawButton(TcxCanvas* ACanvas, const TRect& R, const String& ACaption, TcxButtonState AState,
                          bool ADrawBorder = true, TColor AColor = clDefault, TColor ATextColor = clDefault,
                          bool AWordWrap = false, bool AIsToolButton = false, TcxButtonPart APart = cxbpButton);
  virtual void DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState);
  // The width of the arrow part of a split button.
  virtual int GetDropDownButtonRightPartSize();
  virtual bool IsButtonHotTrack();

  // ---------------------------------------------------------------- expand buttons
public:
  virtual bool IsPointOverGroupExpandButton(const TRect& R, const TPoint& P);
  // The room an expand button takes: its size, raised to the touch minimum.
  virtual int ExpandButtonAreaSize();
  virtual int ExpandButtonSize();
  virtual int GroupExpandButtonSize();
  virtual int SmallExpandButtonSize();
  virtual void DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor = clDefault);
  // A button with the expand mark turned by ARotationAngle.
  virtual void DrawExpandButtonEx(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AExpanded,
                                  TcxRotationAngle ARotationAngle = ra0);
  virtual bool DrawExpandButtonFirst();
  virtual void DrawGroupExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TcxButtonState AState);
  virtual void DrawSmallExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor ABorderColor,
                                     TColor AColor = clDefault);
  // Two chevrons, pointing up when expanded and down otherwise.
  void DrawExpandMark(TcxCanvas* ACanvas, const TRect& R, TColor AColor, bool AExpanded);

protected:
  // A minus when expanded, a plus otherwise.
  void DrawExpandSign(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor);

  // ---------------------------------------------------------------- command links
public:
  virtual TColor DefaultCommandLinkTextColor(TcxButtonState AState, TColor ADefaultColor);
  virtual void DrawCommandLinkBackground(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                         TColor AColor = clDefault);
  // The normal or (hot) the hot frame of the command-link picture.
  virtual void DrawCommandLinkGlyph(TcxCanvas* ACanvas, const TPoint& AGlyphPos, TcxButtonState AState);
  virtual TSize GetCommandLinkGlyphSize();
  virtual TRect GetCommandLinkMargins();


  // The further drawing families follow here, one block each.

  // ---------------------------------------------------------------- headers, footers, grid and filter panels
public:
  virtual int HeaderHeight(int AFontHeight);
  virtual TPoint SortingMarkAreaSize();
  virtual TPoint SummaryValueSortingMarkSize();
  // The indicator glyph of a sort by summary value at R's top-left corner.
  virtual void DrawSummaryValueSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting);
  virtual TPoint FilterDropDownButtonSize();
  virtual TcxBorders HeaderBorders(const TcxNeighbors& ANeighbors);
  virtual int HeaderBorderSize();
  // ABounds grown on the bordered sides whose border the neighbours do not draw.
  virtual TRect HeaderBounds(const TRect& ABounds, const TcxNeighbors& ANeighbors, const TcxBorders& ABorders);
  // ABounds less the header border on the sides in ABorders.
  virtual TRect HeaderContentBounds(const TRect& ABounds, const TcxBorders& ABorders);
  virtual bool HeaderDrawCellsFirst();
  // The width a header needs for AText in AFont, its borders included.
  virtual int HeaderWidth(TcxCanvas* ACanvas, const TcxBorders& ABorders, const String& AText, TFont* AFont);
  virtual int HeaderControlSectionBorderSize(TcxButtonState AState);
  virtual TRect HeaderControlSectionTextAreaBounds(const TRect& ABounds, TcxButtonState AState);
  virtual TRect HeaderControlSectionContentBounds(const TRect& ABounds, TcxButtonState AState);
  virtual bool IsHeaderHotTrack();
  virtual TPoint SortingMarkSize();
  virtual TPoint SummarySortingMarkSize();
  // The border, then the background (unless the handler paints it) and the text.
  virtual void DrawHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                          const TcxNeighbors& ANeighbors, const TcxBorders& ABorders, TcxButtonState AState,
                          TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                          bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor,
                          const TcxDrawBackgroundEvent& AOnDrawBackground, bool AIsLast, bool AIsGroup);
  virtual void DrawHeaderEx(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                            const TcxNeighbors& ANeighbors, const TcxBorders& ABorders, TcxButtonState AState,
                            TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                            bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
                            TColor ABkColor, const TcxDrawBackgroundEvent& AOnDrawBackground);
  virtual void DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, const TcxNeighbors& ANeighbors,
                                const TcxBorders& ABorders);
  // Inverts the pixels of ABounds.
  virtual void DrawHeaderPressed(TcxCanvas* ACanvas, const TRect& ABounds);
  virtual void DrawHeaderControlSection(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                        const TcxNeighbors& ANeighbors, const TcxBorders& ABorders,
                                        TcxButtonState AState, TAlignment AAlignmentHorz,
                                        TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis,
                                        const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor);
  virtual void DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders,
                                              TcxButtonState AState);
  virtual void DrawHeaderControlSectionContent(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                               TcxButtonState AState, TAlignment AAlignmentHorz,
                                               TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis,
                                               const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor);
  // Disabled text is embossed.
  virtual void DrawHeaderControlSectionText(TcxCanvas* ACanvas, const TRect& ATextAreaBounds, TcxButtonState AState,
                                            TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                                            bool AShowEndEllipsis, const String& AText, TFont* AFont,
                                            TColor ATextColor);
  // The indents at both ends from AViewParams, the middle in AColor.
  virtual void DrawHeaderSeparator(TcxCanvas* ACanvas, const TRect& ABounds, int AIndentSize, TColor AColor,
                                   const TcxViewParams& AViewParams);
  virtual void DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting);
  virtual void DrawSummarySortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting);
  virtual void DrawFilterRowSeparator(TcxCanvas* ACanvas, const TRect& ARect, TColor ABackgroundColor);
  virtual void DrawGroupByBox(TcxCanvas* ACanvas, const TRect& ARect, bool ATransparent, TColor ABackgroundColor,
                              TBitmap* ABackgroundBitmap);
  virtual int GridBordersOverlapSize();
  virtual TColor GridGroupRowStyleOffice11ContentColor(bool AHasData);
  virtual TColor GridGroupRowStyleOffice11SeparatorColor();
  virtual TColor GridGroupRowStyleOffice11TextColor();
  virtual bool GridDrawHeaderCellsFirst();
  virtual TColor PivotGridHeadersAreaColor();
  virtual TColor PivotGridHeadersAreaTextColor();
  virtual void DrawImageZoomInButton(TcxCanvas* ACanvas, const TRect& ARect, TcxButtonState AState);
  virtual void DrawImageZoomOutButton(TcxCanvas* ACanvas, const TRect& ARect, TcxButtonState AState);
  virtual TSize GetImageZoomInButtonSize();
  virtual TSize GetImageZoomOutButtonSize();
  virtual void LayoutViewDrawItem(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState,
                                  const TcxBorders& ABorders);
  virtual void LayoutViewDrawRecordCaption(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextRect,
                                           TcxGroupBoxCaptionPosition APosition, TcxButtonState AState);
  // The frame stays out of the clip for what is painted inside it next.
  virtual void LayoutViewDrawRecordBorder(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState,
                                          const TcxBorders& ABorders);
  virtual void LayoutViewDrawRecordContent(TcxCanvas* ACanvas, const TRect& ABounds,
                                           TcxGroupBoxCaptionPosition ACaptionPosition, TcxButtonState AState,
                                           const TcxBorders& ABorders);
  virtual void LayoutViewDrawRecordExpandButton(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState,
                                                bool AExpanded);
  virtual TRect LayoutViewGetPadding(TcxLayoutElement AElement);
  virtual TRect LayoutViewGetSpacing(TcxLayoutElement AElement);
  virtual int LayoutViewRecordCaptionTailSize(TcxGroupBoxCaptionPosition ACaptionPosition);
  virtual int ChartToolBoxDataLevelInfoBorderSize();
  virtual TcxBorders FooterBorders();
  virtual int FooterBorderSize();
  virtual int FooterCellBorderSize();
  virtual int FooterCellOffset();
  virtual bool FooterDrawCellsFirst();
  virtual TColor FooterSeparatorColor();
  virtual int FooterSeparatorSize();
  // The content and the border clipped to ABounds; the clip comes back as it was.
  void DrawFooterPanel(TcxCanvas* ACanvas, const TRect& ABounds, const TcxViewParams& AViewParams,
                       const TcxBorders& ABorders);
  virtual void DrawFooterCell(TcxCanvas* ACanvas, const TRect& ABounds, TAlignment AAlignmentHorz,
                              TcxAlignmentVert AAlignmentVert, bool AMultiLine, const String& AText, TFont* AFont,
                              TColor ATextColor, TColor ABkColor, const TcxDrawBackgroundEvent& AOnDrawBackground);
  virtual void DrawFooterCellContent(TcxCanvas* ACanvas, const TRect& ABounds, TAlignment AAlignmentHorz,
                                     TcxAlignmentVert AAlignmentVert, bool AMultiLine, const String& AText,
                                     TFont* AFont, TColor ATextColor, TColor ABkColor,
                                     const TcxDrawBackgroundEvent& AOnDrawBackground);
  virtual void DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R);
  virtual void DrawFooterBorderEx(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders);
  virtual void DrawFooterCellBorder(TcxCanvas* ACanvas, const TRect& R);
  virtual void DrawFooterContent(TcxCanvas* ACanvas, const TRect& ARect, const TcxViewParams& AViewParams);
  virtual void DrawFooterSeparator(TcxCanvas* ACanvas, const TRect& R);
  // The X of a close button, two pixels thick.
  void DrawButtonCross(TcxCanvas* ACanvas, const TRect& R, TColor AColor, TcxButtonState AState);
  virtual void DrawFilterActivateButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AChecked);
  virtual void DrawFilterCloseButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState);
  virtual void DrawFilterDropDownButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                        bool AIsFilterActive);
  virtual void DrawFilterPanel(TcxCanvas* ACanvas, const TRect& ARect, bool ATransparent, TColor ABackgroundColor,
                               TBitmap* ABackgroundBitmap);
  // An outlined funnel in the colour of the tag's state (the filter's colour when active).
  virtual void DrawFilterSmartTag(TcxCanvas* ACanvas, const TRect& R, TcxFilterSmartTagState AState,
                                  bool AIsFilterActive);
  virtual TPoint FilterActivateButtonSize();
  virtual TPoint FilterCloseButtonSize();
  virtual TSize FilterSmartTagSize();
  virtual void DrawFindPanel(TcxCanvas* ACanvas, const TRect& ARect, bool ATransparent, TColor ABackgroundColor,
                             TBitmap* ABackgroundBitmap);
  virtual void DrawFindPanelBorder(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders);

protected:
  // A two-coloured arrow of SortingMarkSize, pointing up when ascending.
  void DrawSortingMarkArrow(TcxCanvas* ACanvas, const TRect& R, TColor AShadowColor, TColor AHighlightColor,
                            bool AAscendingSorting);
  // The same under a bar, of SummarySortingMarkSize.
  void DrawSummarySortingMarkArrow(TcxCanvas* ACanvas, const TRect& R, TColor AShadowColor, TColor AHighlightColor,
                                   bool AAscendingSorting);
  virtual TRect FooterCellContentBounds(const TRect& ABounds);
  virtual TRect FooterCellTextBounds(const TRect& ABounds);

  // ---------------------------------------------------------------- popups, hints, indicator and scroll bars
public:
  virtual TSize SmallCloseButtonSize();
  // The height of a popup's panel band.
  int PopupPanelSize();
  // Lays out a popup's client area, panel band, grip and close button for the grip's corner.
  void CalculatePopupPanelClientRect(TRect& AClientRect, TRect& APanelRect, TRect& AGripRect, TRect& ACloseButtonRect,
                                     TdxCorner ACorner, const TRect& ABorders, const TRect& APanelBorders,
                                     int APanelHeight, bool AShowCloseButton, bool AShowGripSize);
  virtual void DrawIndicatorImage(TcxCanvas* ACanvas, const TRect& R, TcxIndicatorKind AKind);
  virtual void DrawIndicatorItem(TcxCanvas* ACanvas, const TRect& R, TcxIndicatorKind AKind, TColor AColor,
                                 const TcxDrawBackgroundEvent& AOnDrawBackground);
  virtual void DrawIndicatorItemEx(TcxCanvas* ACanvas, const TRect& R, TcxIndicatorKind AKind, TColor AColor,
                                   const TcxDrawBackgroundEvent& AOnDrawBackground);
  virtual TColor GetWindowContentTextColor();
  virtual void DrawWindowContent(TcxCanvas* ACanvas, const TRect& ARect);
  // The border of the style; R comes back as the area inside it.
  virtual void DrawEditPopupWindowBorder(TcxCanvas* ACanvas, TRect& R, TcxEditPopupBorderStyle ABorderStyle,
                                         bool AClientEdge);
  virtual int GetEditPopupWindowBorderWidth(TcxEditPopupBorderStyle AStyle);
  virtual int GetEditPopupWindowClientEdgeWidth(TcxEditPopupBorderStyle AStyle);
  virtual TcxPopupBorderStyle PopupBorderStyle();
  virtual TColor GetHintBorderColor();
  virtual void DrawHintBackground(TcxCanvas* ACanvas, const TRect& ARect, TColor AColor);
  virtual TColor ScreenTipGetDescriptionTextColor();
  virtual TColor ScreenTipGetTitleTextColor();
  virtual int ScreenTipGetFooterLineSize();
  virtual void ScreenTipDrawBackground(TcxCanvas* ACanvas, const TRect& ARect);
  virtual void ScreenTipDrawFooterLine(TcxCanvas* ACanvas, const TRect& ARect);
  virtual void DrawTab(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders, const String& AText,
                       TcxButtonState AState, bool AVertical, TFont* AFont, TColor ATextColor, TColor ABkColor,
                       bool AShowPrefixes);
  virtual void DrawTabBorder(TcxCanvas* ACanvas, const TRect& R, TcxBorder ABorder, const TcxBorders& ABorders,
                             bool AVertical);
  virtual void DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders, bool AVertical);
  virtual bool IsDrawTabImplemented(bool AVertical);
  virtual bool IsTabHotTrack(bool AVertical);
  virtual int TabBorderSize(bool AVertical);
  virtual void DrawIndicatorCustomizationMark(TcxCanvas* ACanvas, const TRect& R, TColor AColor);
  virtual bool IndicatorDrawItemsFirst();
  virtual int ScrollBarMinimalThumbSize(bool AVertical);
  virtual void DrawScrollBarBackground(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal);
  virtual void DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R, TcxScrollBarPart APart,
                                 TcxButtonState AState);
  virtual void DrawScrollBarSplitter(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState);
  virtual TSize SizeGripSize();
  virtual void DoDrawSizeGrip(TcxCanvas* ACanvas, const TRect& ARect);
  // The system size grip turned toward ACorner, over ABackgroundColor or (clNone) what was there.
  virtual void DrawSizeGrip(TcxCanvas* ACanvas, const TRect& ARect, TColor ABackgroundColor, TdxCorner ACorner);
  virtual TSize SliderButtonSize(TcxArrowDirection ADirection);
  virtual void DrawSliderButton(TcxCanvas* ACanvas, const TRect& ARect, TcxArrowDirection ADirection,
                                TcxButtonState AState);
  virtual TSize DoGetSmallCloseButtonSize();
  virtual void DrawSmallButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState);
  virtual void DrawSmallCloseButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState);
  // The border and the panel band of a resizable popup, drawn into its window's non-client area;
  // the rectangles are in screen coordinates.
  void DrawPopupNCPanel(HWND AHandle, bool AMouseAboveCloseButton, bool ACloseButtonIsTracking, TdxCorner ACorner,
                        const TRect& ACloseButtonRect, const TRect& AGripRect, TColor ABorderColor);
  // The band with its grip and close button; afterwards ABounds is out of the clip.
  void DrawPopupPanelBand(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& AGripRect,
                          const TRect& ACloseButtonRect, TdxCorner AGripCorner, TcxButtonState ACloseButtonState,
                          const TRect& ABorders, TColor ABorderColor, bool AShowGripSize, bool AShowCloseButton);

protected:
  TcxArrowDirection ScrollBarArrowDirection(bool AHorizontal, TcxScrollBarPart APart);

  // ---------------------------------------------------------------- scheduler, navigators, clock and progress
public:
  virtual void DrawSchedulerGroup(TcxCanvas* ACanvas, const TRect& R, TColor AColor);
  virtual void DrawSchedulerMilestone(TcxCanvas* ACanvas, const TRect& R);
  virtual void DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                               const TcxNeighbors& ANeighbors, const TcxViewParams& AViewParams,
                               const TcxArrowDirections& AArrows, int ASideWidth,
                               const TcxDrawBackgroundEvent& AOnDrawBackground);
  virtual void DrawSchedulerBorder(TcxCanvas* ACanvas, const TRect& R);
  virtual void DrawSchedulerEventProgress(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& AProgress,
                                          const TcxViewParams& AViewParams, bool ATransparent);
  virtual void DrawSchedulerGroupSeparator(TcxCanvas* ACanvas, const TRect& ABounds, TColor ABackgroundColor,
                                           const TcxDrawBackgroundEvent& AOnDrawBackground);
  virtual void DrawSchedulerNavigationButton(TcxCanvas* ACanvas, const TRect& ARect, bool AIsNextButton,
                                             TcxButtonState AState, const String& AText, const TRect& ATextRect,
                                             const TRect& AArrowRect);
  virtual void DrawSchedulerNavigationButtonArrow(TcxCanvas* ACanvas, const TRect& ARect, bool AIsNextButton,
                                                  TColor AColor);
  virtual void DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState);
  virtual void DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, const TRect& R, const TcxViewParams& AViewParams,
                                           bool AIsHorizontal);
  virtual TRect SchedulerEventProgressOffsets();
  virtual TColor SchedulerNavigationButtonTextColor(bool AIsNextButton, TcxButtonState AState, TColor ADefaultColor);
  virtual void SchedulerNavigationButtonSizes(bool AIsNextButton, TRect& ABorders, TSize& AArrowSize,
                                              bool& AHasTextArea);
  // Lays out the arrow and the upright text; the bounds grow so that the longer text fits.
  virtual void CalculateSchedulerNavigationButtonRects(bool AIsNextButton, bool ACollapsed,
                                                       const TSize& APrevButtonTextSize,
                                                       const TSize& ANextButtonTextSize, TRect& ABounds,
                                                       TRect& ATextRect, TRect& AArrowRect);
  virtual void DrawEditorButton(TcxCanvas* ACanvas, const TRect& ARect, TcxEditBtnKind AButtonKind,
                                TcxButtonState AState, TcxEditBtnPosition APosition);
  virtual void DrawEditorButtonGlyph(TcxCanvas* ACanvas, const TRect& ARect, TcxEditBtnKind AButtonKind,
                                     TcxButtonState AState, TcxEditBtnPosition APosition);
  virtual int EditButtonTextOffset();
  virtual TSize EditButtonSize();
  virtual TColor EditButtonTextColor();
  virtual TColor GetContainerBorderColor(bool AIsHighlightBorder);
  virtual int GetContainerBorderWidth(TcxContainerBorderStyle ABorderStyle);
  virtual TSize ClockSize();
  // An analogue clock with hour marks and three hands over ABackgroundColor.
  virtual void DrawClock(TcxCanvas* ACanvas, const TRect& ARect, TDateTime ADateTime, TColor ABackgroundColor);
  virtual TSize GetZoomInButtonSize();
  virtual TSize GetZoomOutButtonSize();
  virtual void DrawZoomOutButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState);
  virtual void DrawZoomInButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState);
  virtual TSize GetBackButtonSize();
  // One of the four frames of the back-button picture, by state.
  virtual void DrawBackButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState);
  virtual void DrawDateNavigatorCellSelection(TcxCanvas* ACanvas, const TRect& R, TColor AColor);
  // R comes back inside the header's edge.
  virtual void DrawDateNavigatorDateHeader(TcxCanvas* ACanvas, TRect& R);
  virtual void DrawDateNavigatorTodayCellSelection(TcxCanvas* ACanvas, const TRect& R);
  virtual void DrawNavigatorBorder(TcxCanvas* ACanvas, const TRect& R, bool ASelected);
  virtual void DrawNavigatorButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, TColor ABackgroundColor);
  virtual void DrawNavigatorButtonGlyph(TcxCanvas* ACanvas, TCustomImageList* AImageList, int AImageIndex,
                                        const TRect& AGlyphRect, bool AEnabled, bool AUserGlyphs);
  virtual bool NavigatorBorderOverlap();
  virtual int NavigatorBorderSize();
  virtual TRect NavigatorButtonGlyphPadding();
  virtual TSize NavigatorButtonGlyphSize();
  virtual TSize NavigatorButtonMinSize();
  virtual TPoint NavigatorButtonPressedGlyphOffset();
  virtual TColor NavigatorButtonTextColor(TcxButtonState AState);
  virtual void DrawProgressBarBorder(TcxCanvas* ACanvas, const TRect& ARect, bool AVertical);
  virtual void DrawProgressBarChunk(TcxCanvas* ACanvas, const TRect& ARect, bool AVertical);
  virtual TRect ProgressBarBorderSize(bool AVertical);
  virtual TColor ProgressBarTextColorEx(bool AIsFilledArea);
  virtual TColor ProgressBarTextColor();
  // The text in its colours over the empty and the filled part, inside ATextRect.
  virtual void DrawProgressBarText(TcxCanvas* ACanvas, bool AVertical, bool ASolid, const String& AText,
                                   const TRect& ATextRect, const TRect& AProgressBarRect,
                                   const TRect& AProgressChunkRect, TColor ATextColor);

protected:
  void DrawMonthHeaderArrows(TcxCanvas* ACanvas, const TRect& R, const TcxArrowDirections& AArrows, int ASideWidth,
                             TColor AColor);
  virtual void DrawSchedulerNavigationButtonFrame(TcxCanvas* ACanvas, const TRect& R, const TRect& AArrowRect,
                                                  bool AIsNextButton, TcxButtonState AState);

  // ---------------------------------------------------------------- check boxes, toggles, group boxes and panels
public:
  virtual TSize CheckButtonSize();
  virtual TSize CheckButtonAreaSize();
  // The shared radio glyph of the look this painter's style maps to.
  virtual void DrawRadioButton(TcxCanvas* ACanvas, int X, int Y, TcxButtonState AButtonState, bool AChecked,
                               bool AFocused, TColor ABrushColor, bool AIsDesigning);
  virtual TSize RadioButtonSize();
  virtual int CheckBorderSize();
  virtual TColor CheckButtonColor(TcxButtonState AState, TcxCheckBoxState ACheckState);
  // A tick three pixels thick on the box colour of the state (a clear brush keeps the background).
  virtual void DrawCheck(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AChecked, TColor AColor);
  virtual void DrawCheck(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, TcxCheckBoxState ACheckState,
                         TColor AColor);
  virtual void DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState);
  virtual void DrawCheckButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, TcxCheckBoxState ACheckState);
  virtual void DrawCheckButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AChecked);
  virtual TColor ToggleSwitchToggleColor(bool AChecked);
  virtual int GetToggleSwitchThumbPercentsWidth();
  // The look for the thumb's place: checked behind a moving thumb, unchecked ahead of it.
  virtual void DrawToggleSwitch(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState,
                                const TRect& AThumbBounds);
  virtual void DrawToggleSwitchState(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState, bool AChecked);
  virtual void DrawToggleSwitchStateIndicator(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                              TFont* AFont);
  virtual void DrawToggleSwitchThumb(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState);
  virtual TColor RadioButtonBodyColor(TcxButtonState AState);
  virtual void DrawLabelLine(TcxCanvas* ACanvas, const TRect& R, TColor AOuterColor, TColor AInnerColor,
                             bool AIsVertical);
  virtual int LabelLineHeight();
  virtual TColor GaugeControlBackgroundColor();
  virtual void DrawGaugeControlBackground(TcxCanvas* ACanvas, const TRect& ARect, bool ATransparent,
                                          TColor ABackgroundColor);
  virtual TColor MapControlBackgroundColor();
  virtual TdxAlphaColor MapControlPanelBackColor();
  virtual TdxAlphaColor MapControlPanelHotTrackedTextColor();
  virtual TdxAlphaColor MapControlPanelPressedTextColor();
  virtual TdxAlphaColor MapControlPanelTextColor();
  virtual TSize MapControlGetMapPushpinSize();
  virtual TPoint MapControlGetMapPushpinTextOrigin();
  virtual TRect MapControlMapCustomElementSelectionOffset();
  virtual TdxAlphaColor MapControlMapCustomElementTextColor();
  virtual TdxAlphaColor MapControlMapCustomElementTextGlowColor();
  virtual TdxAlphaColor MapControlMapPushpinTextColor();
  virtual TdxAlphaColor MapControlMapPushpinTextGlowColor();
  virtual TdxAlphaColor MapControlSelectedRegionBackgroundColor();
  virtual TdxAlphaColor MapControlSelectedRegionBorderColor();
  virtual TdxAlphaColor MapControlShapeColor();
  virtual TdxAlphaColor MapControlShapeBorderColor();
  virtual int MapControlShapeBorderWidth();
  virtual TdxAlphaColor MapControlShapeHighlightedColor();
  virtual TdxAlphaColor MapControlShapeBorderHighlightedColor();
  virtual int MapControlShapeBorderHighlightedWidth();
  virtual TdxAlphaColor MapControlShapeSelectedColor();
  virtual TdxAlphaColor MapControlShapeBorderSelectedColor();
  virtual int MapControlShapeBorderSelectedWidth();
  // A translucent rounded box by state.
  virtual void DrawMapCustomElementBackground(TcxCanvas* ACanvas, const TRect& ARect, TdxMapControlElementState AState);
  virtual void DrawMapPushpin(TcxCanvas* ACanvas, const TRect& ARect, TdxMapControlElementState AState);
  virtual TColor SpreadSheetContentColor();
  virtual TColor SpreadSheetContentTextColor();
  virtual TColor SpreadSheetFrozenPaneSeparatorColor();
  virtual TRect SpreadSheetGroupExpandButtonContentOffsets();
  virtual TSize SpreadSheetGroupExpandButtonGlyphSize();
  virtual TColor SpreadSheetGroupExpandButtonTextColor(TcxButtonState AState);
  virtual TSize SpreadSheetGroupLevelMarkSize();
  virtual TColor SpreadSheetGroupLineColor();
  virtual TColor SpreadSheetSelectionColor();
  virtual void DrawSpreadSheetGroupExpandButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState);
  virtual void DrawSpreadSheetGroupExpandButtonGlyph(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                     bool AExpanded, TCustomImageList* ADefaultGlyphs);
  // A header cell, tinted toward the selection colour when hot.
  virtual void DrawSpreadSheetHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                     const TcxNeighbors& ANeighbors, const TcxBorders& ABorders, TcxButtonState AState,
                                     TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                                     bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
                                     TColor ABkColor, const TcxDrawBackgroundEvent& AOnDrawBackground, bool AIsLast,
                                     bool AIsGroup);
  virtual void DrawGroupBoxBackground(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ARect);
  virtual void DrawGroupBoxCaption(TcxCanvas* ACanvas, const TRect& ACaptionRect, const TRect& ATextRect,
                                   TcxGroupBoxCaptionPosition ACaptionPosition);
  virtual void DrawGroupBoxContent(TcxCanvas* ACanvas, const TRect& ABorderRect,
                                   TcxGroupBoxCaptionPosition ACaptionPosition, const TcxBorders& ABorders);
  virtual void DrawGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled,
                                 TcxGroupBoxCaptionPosition ACaptionPosition, const TcxBorders& ABorders);
  virtual void DrawGroupBoxExpandButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AExpanded,
                                        TcxRotationAngle ARotationAngle);
  virtual void DrawGroupBoxButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState);
  virtual void DrawGroupBoxExpandGlyph(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AExpanded);
  virtual TRect GroupBoxBorderSize(bool ACaption, TcxGroupBoxCaptionPosition ACaptionPosition);
  virtual int GroupBoxCaptionTailSize(TcxGroupBoxCaptionPosition ACaptionPosition);
  virtual TColor GroupBoxTextColor(bool AEnabled, TcxGroupBoxCaptionPosition ACaptionPosition);
  virtual bool IsGroupBoxCaptionTextDrawnOverBorder(TcxGroupBoxCaptionPosition ACaptionPosition);
  virtual bool IsGroupBoxTransparent(bool AIsCaption, TcxGroupBoxCaptionPosition ACaptionPosition);
  virtual void DrawPanelBackground(TcxCanvas* ACanvas, TWinControl* AControl, const TRect& ABounds, TColor AColorFrom,
                                   TColor AColorTo);
  virtual void DrawPanelBorders(TcxCanvas* ACanvas, const TRect& ABorderRect);
  virtual void DrawPanelCaption(TcxCanvas* ACanvas, const TRect& ACaptionRect,
                                TcxGroupBoxCaptionPosition ACaptionPosition);
  virtual void DrawPanelContent(TcxCanvas* ACanvas, const TRect& ABorderRect, bool ABorder);
  virtual TRect PanelBorderSize();
  virtual TColor PanelTextColor();

  // ---------------------------------------------------------------- track bars, splitters, breadcrumbs and alerts
public:
  virtual int BreadcrumbEditDropDownButtonWidth();
  virtual void CorrectThumbRect(TcxCanvas* ACanvas, TRect& ARect, bool AHorizontal, TcxTrackBarTicksAlign ATicks);
  virtual void DrawTrackBarTrack(TcxCanvas* ACanvas, const TRect& ARect, const TRect& ASelection, bool AShowSelection,
                                 bool AEnabled, bool AHorizontal, TColor ATrackColor);
  virtual void DrawTrackBarTrackBounds(TcxCanvas* ACanvas, const TRect& ARect);
  // A box (ticks on both sides) or a pointed thumb whose edges DrawTrackBarThumbBorderUpDown draws.
  virtual void DrawTrackBarThumb(TcxCanvas* ACanvas, const TRect& ARect, TcxButtonState AState, bool AHorizontal,
                                 TcxTrackBarTicksAlign ATicks, TColor AThumbColor);
  virtual void DrawTrackBarThumbBorderUpDown(TcxCanvas* ACanvas, const TPoints& ALightPolyLine,
                                             const TPoints& AShadowPolyLine, const TPoints& ADarkPolyLine);
  virtual void DrawTrackBarThumbBorderBoth(TcxCanvas* ACanvas, const TRect& ARect);
  virtual TSize TrackBarThumbSize(bool AHorizontal);
  virtual TColor TrackBarTicksColor(bool AText);
  virtual int TrackBarTrackSize();
  virtual TColor GetSplitterInnerColor(bool AHighlighted);
  virtual TColor GetSplitterOuterColor(bool AHighlighted);
  virtual TSize GetSplitterSize(bool AHorizontal);
  // Two dashed lines across the middle of ARect.
  virtual void DrawSplitter(TcxCanvas* ACanvas, const TRect& ARect, bool AHighlighted, bool AClicked, bool AHorizontal);
  virtual TColor LayoutControlEmptyAreaColor();
  virtual void DrawLayoutControlBackground(TcxCanvas* ACanvas, const TRect& R);
  virtual void DrawScrollBoxBackground(TcxCanvas* ACanvas, const TRect& R, TColor AColor);
  virtual TRect PrintPreviewPageBordersWidth();
  virtual void DrawPrintPreviewBackground(TcxCanvas* ACanvas, const TRect& R);
  // A framed page with a two-pixel shadow.
  virtual void DrawPrintPreviewPageBackground(TcxCanvas* ACanvas, const TRect& ABorderRect, const TRect& AContentRect,
                                              bool ASelected, bool ADrawContent);
  virtual TColor CalcEditButtonTextColor(TcxCalcButtonKind AButtonKind);
  virtual TColor GetCustomizationFormListBackgroundColor();
  // A framed box with AMessage centred in it.
  virtual void DrawMessageBox(TcxCanvas* ACanvas, const TRect& ABounds, const String& AMessage, TFont* AFont,
                              TColor AColor);
  virtual TColor BreadcrumbEditBackgroundColor(TdxBreadcrumbEditState AState);
  virtual TRect BreadcrumbEditBordersSize();
  virtual int BreadcrumbEditButtonAreaSeparatorSize();
  virtual TRect BreadcrumbEditButtonContentOffsets(bool AIsFirst, bool AIsLast);
  virtual int BreadcrumbEditDropDownButtonOriginalWidth();
  virtual bool BreadcrumbEditIsFadingSupports();
  virtual int BreadcrumbEditNodeDelimiterSize();
  virtual TColor BreadcrumbEditNodeTextColor(TdxBreadcrumbEditButtonState AState);
  virtual TRect BreadcrumbEditNodeTextOffsets();
  virtual TRect BreadcrumbEditProgressChunkPadding();
  virtual TSize BreadcrumbEditProgressChunkOverlaySize();
  virtual void DrawBreadcrumbEditBorders(TcxCanvas* ACanvas, const TRect& ARect, const TcxBorders& ABorders,
                                         TdxBreadcrumbEditState AState);
  virtual void DrawBreadcrumbEditButtonAreaSeparator(TcxCanvas* ACanvas, const TRect& ARect,
                                                     TdxBreadcrumbEditState AState);
  virtual void DrawBreadcrumbEditButton(TcxCanvas* ACanvas, const TRect& ARect, TdxBreadcrumbEditButtonState AState,
                                        bool AIsFirst, bool AIsLast);
  virtual void DrawBreadcrumbEditDropDownButton(TcxCanvas* ACanvas, const TRect& ARect,
                                                TdxBreadcrumbEditButtonState AState, bool AIsInEditor);
  virtual void DrawBreadcrumbEditDropDownButtonGlyph(TcxCanvas* ACanvas, const TRect& ARect,
                                                     TdxBreadcrumbEditButtonState AState, bool AIsInEditor);
  virtual void DrawBreadcrumbEditNode(TcxCanvas* ACanvas, const TRect& R, TdxBreadcrumbEditButtonState AState,
                                      bool AHasDelimiter);
  virtual void DrawBreadcrumbEditNodeDelimiter(TcxCanvas* ACanvas, const TRect& R, TdxBreadcrumbEditButtonState AState);
  virtual void DrawBreadcrumbEditNodeDelimiterGlyph(TcxCanvas* ACanvas, const TRect& R,
                                                    TdxBreadcrumbEditButtonState AState);
  virtual void DrawBreadcrumbEditNodeMoreButtonGlyph(TcxCanvas* ACanvas, const TRect& R,
                                                     TdxBreadcrumbEditButtonState AState);
  virtual void DrawBreadcrumbEditProgressChunk(TcxCanvas* ACanvas, const TRect& R);
  virtual void DrawBreadcrumbEditProgressChunkOverlay(TcxCanvas* ACanvas, const TRect& R);
  virtual int DropDownListBoxBordersSize();
  virtual TRect DropDownListBoxItemImageOffsets();
  virtual TRect DropDownListBoxItemTextOffsets();
  virtual TColor DropDownListBoxItemTextColor(bool ASelected);
  virtual int DropDownListBoxSeparatorSize();
  virtual void DrawDropDownListBoxBackground(TcxCanvas* ACanvas, const TRect& ARect, bool AHasBorders);
  virtual void DrawDropDownListBoxGutterBackground(TcxCanvas* ACanvas, const TRect& ARect);
  virtual void DrawDropDownListBoxSelection(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AGutterRect);
  virtual void DrawDropDownListBoxSeparator(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AGutterRect);
  virtual TRect AlertWindowButtonContentOffsets(TdxAlertWindowButtonKind AKind);
  virtual TSize AlertWindowButtonGlyphSize(TdxAlertWindowButtonKind AKind);
  virtual TRect AlertWindowContentOffsets();
  virtual int AlertWindowCornerRadius();
  virtual TColor AlertWindowTextColor();
  virtual TColor AlertWindowNavigationPanelTextColor();
  virtual void DrawAlertWindowBackground(TcxCanvas* ACanvas, const TRect& ABounds);
  // A button with its kind's glyph; ADown draws it pressed.
  virtual void DrawAlertWindowButton(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState,
                                     TdxAlertWindowButtonKind AKind, bool ADown);
  virtual void DrawAlertWindowNavigationPanel(TcxCanvas* ACanvas, const TRect& ABounds);
  // A push pin pointing down when pinned, left otherwise.
  void DrawPin(TcxCanvas* ACanvas, const TRect& ABounds, TColor AColor, bool APinned);

  // ---------------------------------------------------------------- gallery, bevel, modern calendar and rating
public:
  virtual TRect GetGalleryGroupHeaderContentOffsets();
  virtual TColor GetGalleryGroupTextColor();
  virtual TColor GetGalleryItemCaptionTextColor(const TdxGalleryItemViewState& AState);
  virtual TColor GetGalleryItemDescriptionTextColor(const TdxGalleryItemViewState& AState);
  virtual TColor GetGalleryItemImageFrameColor();
  virtual bool DrawGalleryItemSelectionFirst();
  virtual TColor GetColorGalleryGlyphFrameColor();
  virtual void DrawGalleryBackground(TcxCanvas* ACanvas, const TRect& ABounds);
  virtual void DrawGalleryGroupHeader(TcxCanvas* ACanvas, const TRect& ABounds);
  // A translucent fill and a two-pixel frame by the item's state.
  virtual void DrawGalleryItemSelection(TcxCanvas* ACanvas, const TRect& R, const TdxGalleryItemViewState& AViewState);
  virtual void DrawGalleryItemImageFrame(TcxCanvas* ACanvas, const TRect& R);
  virtual void DrawColorGalleryItemSelection(TcxCanvas* ACanvas, const TRect& R,
                                             const TdxGalleryItemViewState& AViewState);
  virtual TSize GetBevelMinimalShapeSize(TdxBevelShape AShape);
  virtual void GetBevelShapeColors(TColor& AColor1, TColor& AColor2);
  virtual void DrawBevelFrame(TcxCanvas* ACanvas, const TRect& R, TColor AColor1, TColor AColor2, bool ABoxStyle);
  virtual void DrawBevelLine(TcxCanvas* ACanvas, const TRect& R, TColor AColor1, TColor AColor2, bool AIsVertical);
  // The lines or frame of AShape in the shadow and highlight colours (exchanged when raised).
  virtual void DrawBevelShape(TcxCanvas* ACanvas, const TRect& R, TdxBevelShape AShape, TdxBevelStyle AStyle);
  virtual void DrawCalendarDateCellSelection(TcxCanvas* ACanvas, const TRect& ARect,
                                             const TcxCalendarElementStates& AStates);
  virtual void DrawModernCalendarArrow(TcxCanvas* ACanvas, const TRect& ARect, TcxArrowDirection ADirection,
                                       TcxCalendarElementState AState);
  // The clock face, the hands and the glass over ABackgroundColor or (clNone) what was there.
  virtual void DrawModernCalendarClock(TcxCanvas* ACanvas, const TRect& ARect, TDateTime ADateTime,
                                       TColor ABackgroundColor);
  virtual void DrawModernCalendarDateCellSelection(TcxCanvas* ACanvas, const TRect& ARect,
                                                   const TcxCalendarElementStates& AStates);
  virtual void DrawModernCalendarDateHeaderSelection(TcxCanvas* ACanvas, const TRect& ARect,
                                                     const TcxCalendarElementStates& AStates);
  // A hot or pressed header underlines the canvas font for the caption drawn next.
  virtual void DrawModernCalendarHeaderSelection(TcxCanvas* ACanvas, const TRect& ARect,
                                                 const TcxCalendarElementStates& AStates);
  virtual TColor GetModernCalendarCellTextColor(const TcxCalendarElementStates& AStates);
  virtual TColor GetModernCalendarDateHeaderTextColor(const TcxCalendarElementStates& AStates);
  virtual TColor GetModernCalendarHeaderTextColor(const TcxCalendarElementStates& AStates);
  virtual TRect GetModernCalendarHeaderTextOffsets();
  virtual TColor GetModernCalendarMarkedCellBorderColor();
  virtual TColor GetModernCalendarSelectedTextColor();
  // Anti-aliased hands of a clock showing ADateTime.
  virtual void DrawModernClockHands(TcxCanvas* ACanvas, const TRect& ARect, TDateTime ADateTime, TColor AColor);
  virtual TSize GetRatingControlIndicatorSize();
  virtual void DrawRatingControlIndicator(TcxCanvas* ACanvas, const TRect& ABounds,
                                          TdxRatingControlIndicatorState AState);
  virtual void DrawRatingControlIndicator(TcxCanvas* ACanvas, TdxSmartImage* AGlyph, const TRect& ABounds,
                                          TdxRatingControlIndicatorState AState);
  // The indicator clipped to APartRect (a partly filled star).
  virtual void DrawRatingControlIndicatorPart(TcxCanvas* ACanvas, TdxSmartImage* AGlyph, const TRect& ABounds,
                                              const TRect& APartRect, TdxRatingControlIndicatorState AState);

  // ---------------------------------------------------------------- drawing bases
protected:
  // A new description: the look's name, the built-in group and the look's
  // icons where the program carries them.
  virtual std::unique_ptr<TdxSkinDetails> BuildDetails();
  TdxSkinDetails* CachedDetails();
  // clHotLight from Vista on, clHighlightText before.
  virtual TColor HotLightTextColor();
  // R in ABackgroundColor; when transparent, tiled with the bitmap if one
  // is given, else left alone.
  virtual void FillBackground(TcxCanvas* ACanvas, const TRect& R, TBitmap* ABackgroundBitmap,
                              TColor ABackgroundColor, bool ATransparent);
  // A downward triangle centred in R.
  virtual void DrawFilledTriangle(TcxCanvas* ACanvas, const TRect& R, TColor AColor);
  // The background of a header or footer cell (unless the handler paints
  // it), then its text.
  virtual void DrawCellBackgroundAndText(TcxCanvas* ACanvas, const TRect& R, const TRect& ATextRect,
                                         TcxButtonState AState, TAlignment AAlignmentHorz,
                                         TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis,
                                         const String& AText, TFont* AFont, TColor ATextColor, TColor AColor,
                                         const TcxDrawBackgroundEvent& AOnDrawBackground, bool AIsFooter);
  // The 6 x 6 funnel of a filter button.
  virtual void DrawStateGlyph(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AActive);
  virtual TColor StateGlyphColor(TcxButtonState AState, bool AActive);
  // R with its horizontal (AHorizontal) or vertical extent replaced by a
  // span of ALength centred on R's middle.
  virtual TRect CenterSpanInRect(const TRect& R, int ALength, bool AHorizontal);

  // The painter's images, each loaded from its PNG resource on first use.
  TdxSmartImage* BackButtonImage() { return LoadedImage(FBackButton, L"CX_BACKBUTTON"); }
  TdxSmartImage* MapPushpinImage() { return LoadedImage(FMapPushpin, L"DX_MAPPUSHPIN"); }
  TdxSmartImage* ClockFaceImage() { return LoadedImage(FClockFace, L"CX_CLOCKFACE"); }
  TdxSmartImage* ClockGlassImage() { return LoadedImage(FClockGlass, L"CX_CLOCKGLASS"); }
  TdxSmartImage* RatingControlIndicatorImage() {
    return LoadedImage(FRatingControlIndicator, L"CX_RATINGCONTROLINDICATOR");
  }

private:
  static TdxSmartImage* LoadedImage(std::unique_ptr<TdxSmartImage>& AImage, const wchar_t* AResourceName);

  std::unique_ptr<TdxSkinDetails> FLookAndFeelPainterDetailsCache;
  std::unique_ptr<TdxSmartImage> FBackButton;
  std::unique_ptr<TdxSmartImage> FMapPushpin;
  std::unique_ptr<TdxSmartImage> FClockFace;
  std::unique_ptr<TdxSmartImage> FClockGlass;
  std::unique_ptr<TdxSmartImage> FRatingControlIndicator;
};

// The kinds of the non-native looks, a look-and-feel's Kind.
enum class TcxLookAndFeelKind { lfFlat, lfStandard, lfUltraFlat, lfOffice11 };
using enum TcxLookAndFeelKind;

// ---------------------------------------------------------------- painter registry

// Told when a painter joins or leaves the registry; listeners remove
// themselves before they are destroyed.
class IcxLookAndFeelPainterListener {
public:
  virtual void PainterAdded(TcxCustomLookAndFeelPainter* APainter) = 0;
  virtual void PainterRemoved(TcxCustomLookAndFeelPainter* APainter) = 0;

protected:
  ~IcxLookAndFeelPainterListener() = default;
};

// The one registry of painters, sorted by name. It owns the painters it
// holds: one leaves only through Unregister, which frees it.
class TcxLookAndFeelPaintersManager : public TObject {
  VCL_CLASS(TcxLookAndFeelPaintersManager, TObject)
public:
  TcxLookAndFeelPaintersManager() = default;
  ~TcxLookAndFeelPaintersManager() override;

  // Takes the painter over. A painter whose name (ASCII letters in any
  // case) is already registered is freed and false answered; the one
  // registered stays. Otherwise the root look-and-feel is refreshed and the
  // listeners told.
  bool Register(std::unique_ptr<TcxCustomLookAndFeelPainter> APainter);
  // Tells the root look-and-feel and the listeners, then frees the painter
  // (also when a listener raises); false when no painter has the name.
  bool Unregister(const String& AName);
  // The first painter of the style (the one whose name sorts first).
  bool GetPainter(TcxLookAndFeelStyle AStyle, TcxCustomLookAndFeelPainter*& APainter) const;
  TcxCustomLookAndFeelPainter* GetPainter(TcxLookAndFeelStyle AStyle) const;
  bool GetPainter(const String& AName, TcxCustomLookAndFeelPainter*& APainter) const;
  TcxCustomLookAndFeelPainter* GetPainter(const String& AName) const;

  // Each listener is listed once; they are told from the last added to the
  // first.
  void AddListener(IcxLookAndFeelPainterListener* AListener);
  void RemoveListener(IcxLookAndFeelPainterListener* AListener);

  int Count() const { return static_cast<int>(FPainters.size()); }
  // EListError for an index outside the list.
  TcxCustomLookAndFeelPainter* Items(int AIndex) const;

private:
  template <class F>
  void TellListeners(F ATell);

  std::vector<std::unique_ptr<TcxCustomLookAndFeelPainter>> FPainters;
  std::vector<IcxLookAndFeelPainterListener*> FListeners;
};

// Equal names: the same length, and the same code units once the ASCII
// letters are folded to upper case.
bool cxSameLookAndFeelName(const String& AName1, const String& AName2);

// The registry; null before the unit's start-up and after its shut-down.
extern TcxLookAndFeelPaintersManager* PaintersManager;
// The size of one cell of the system's check-box picture.
extern TSize SystemCheckButtonSize;

// ---------------------------------------------------------------- shared routines

// In touch mode a positive size is raised to 27 pixels at 96 DPI.
void dxRaiseToTouchMinimum(int& AValue);
void dxRaiseSizeToTouchMinimum(TSize& ASize);
// R shrunk by 2 on each side.
void SplitterInnerRect(const TRect& R, TRect& AResult);
using TPoints = std::vector<TPoint>;
// A bar whose lower edge is notched by two 45-degree slopes (6 points).
void GetSchedulerGroupPolygon(const TRect& R, TPoints& APoints);
// A diamond in the square of the smaller side, centred (4 points).
void GetSchedulerMilestonePolygon(const TRect& R, TPoints& APoints);

// ---------------------------------------------------------------- radio glyphs

class TcxCanvas;
class TCustomImageList;

// The radio buttons of the four non-native looks: 128 glyphs, one per look,
// state, check, focus and design mode, shaped after the system's own radio
// button and coloured by the painters.
class TcxRadioButtonImageList : public TObject {
  VCL_CLASS(TcxRadioButtonImageList, TObject)
public:
  // Measures the system's radio button; renders nothing yet.
  TcxRadioButtonImageList();
  ~TcxRadioButtonImageList() override;
  TcxRadioButtonImageList(const TcxRadioButtonImageList&) = delete;
  TcxRadioButtonImageList& operator=(const TcxRadioButtonImageList&) = delete;

  // Renders every glyph unless the list holds them already.
  void Prepare();
  // Renders every glyph again in the current system colours.
  void Reset();
  TSize GetSize() const;
  // The glyph's top-left corner at (X, Y). With ABrushColor clDefault the
  // corners outside the button stay as they are; otherwise they take that
  // colour. cxbsDefault draws as cxbsNormal.
  void Draw(TcxCanvas* ACanvas, int X, int Y, TColor ABrushColor, TcxLookAndFeelKind ALookAndFeelKind,
            TcxButtonState AButtonState, bool AChecked, bool AFocused, bool AIsDesigning);

  // The index of a combination among the 128 (cxbsDefault counts as
  // cxbsNormal).
  static int CombinationIndex(TcxLookAndFeelKind ALookAndFeelKind, TcxButtonState AButtonState, bool AChecked,
                              bool AFocused, bool AIsDesigning);
  // The pixel class (0 outside, 1 and 2 outer ring, 3 and 4 inner ring,
  // 5 body, 6 check dot) of every glyph pixel, row by row.
  const std::vector<std::vector<int>>& Pattern() const { return FRadioButtonPattern; }
  TCustomImageList* Images() const { return FList.get(); }
  // The button's and the check dot's bounds in the system's radio-button cell.
  const TRect& RadioButtonRect() const { return FRadioButtonRect; }
  const TRect& RadioButtonCheckRect() const { return FRadioButtonCheckRect; }

private:
  void MeasureSystemRadioButton();
  void CreateButtonMask();
  void CreatePattern();

  std::unique_ptr<TBitmap> FButtonMask;
  std::unique_ptr<TCustomImageList> FList;
  TRect FRadioButtonCheckRect;
  std::vector<std::vector<int>> FRadioButtonPattern;
  TRect FRadioButtonRect;
};

// The shared list, created and prepared on first use; null once the unit
// has shut down.
TcxRadioButtonImageList* cxGetRadioButtonImageList();

// ---------------------------------------------------------------- indicators and scroll-bar patterns

// The seven 8 x 9 grid-row indicator glyphs (ikArrow uses image 0).
TCustomImageList* cxIndicatorImages();
// The 8 x 8 checkerboards of scroll-bar page areas: normal and pressed.
TBitmap* cxScrollBarPatternBitmap(bool APressed);
// Creates the two bitmaps when missing, then paints them in the current
// system colours.
void cxFillScrollBarPatternBitmaps();

// ---------------------------------------------------------------- Standard and Flat painters

// The classic raised look of the system's own controls: two-pixel 3-D edges.
class TcxStandardLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  VCL_CREATABLE_CLASS(TcxStandardLookAndFeelPainter, TcxCustomLookAndFeelPainter)
public:
  String LookAndFeelName() override;
  TcxLookAndFeelStyle LookAndFeelStyle() override;
  int BorderSize() override;
  void DrawBorder(TcxCanvas* ACanvas, const TRect& R) override;
  int ButtonBorderSize(TcxButtonState AState = cxbsNormal) override;
  int ButtonTextOffset() override;
  int ButtonTextShift() override;
  bool IsButtonHotTrack() override;
  void DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  int ExpandButtonSize() override;
  void DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  int HeaderBorderSize() override;
  int HeaderControlSectionBorderSize(TcxButtonState AState) override;
  void DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders,
                                      TcxButtonState AState) override;
  int FooterBorderSize() override;
  int FooterCellBorderSize() override;
  int FooterCellOffset() override;
  void DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) override;
  void DrawFooterCellBorder(TcxCanvas* ACanvas, const TRect& R) override;
  void DrawFindPanelBorder(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders) override;
  int TabBorderSize(bool AVertical) override;
  void DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders, bool AVertical) override;
  TColor DefaultSchedulerViewContentColor() override;
  void DrawGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled, TcxGroupBoxCaptionPosition ACaptionPosition,
                         const TcxBorders& ABorders) override;
  TColor ToggleSwitchToggleColor(bool AChecked) override;
  void DrawTrackBarTrackBounds(TcxCanvas* ACanvas, const TRect& ARect) override;
  void DrawTrackBarThumbBorderBoth(TcxCanvas* ACanvas, const TRect& ARect) override;
  void DrawBreadcrumbEditButton(TcxCanvas* ACanvas, const TRect& ARect, TdxBreadcrumbEditButtonState AState,
                                bool AIsFirst, bool AIsLast) override;
  void DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor = clDefault) override;
  // Drawn as the Flat look draws it while a Flat painter is registered.
  void DrawGroupExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TcxButtonState AState) override;
  void DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, const TcxNeighbors& ANeighbors,
                        const TcxBorders& ABorders) override;
  void DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) override;
  void DrawSummarySortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) override;
  TPoint SortingMarkSize() override;
  TPoint SummarySortingMarkSize() override;
  void DrawFilterDropDownButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                bool AIsFilterActive) override;
  void DrawTabBorder(TcxCanvas* ACanvas, const TRect& R, TcxBorder ABorder, const TcxBorders& ABorders,
                     bool AVertical) override;
  void DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R, TcxScrollBarPart APart,
                         TcxButtonState AState) override;
  void DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, const TRect& R, const TcxViewParams& AViewParams,
                                   bool AIsHorizontal) override;
  void DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText, const TcxNeighbors& ANeighbors,
                       const TcxViewParams& AViewParams, const TcxArrowDirections& AArrows, int ASideWidth,
                       const TcxDrawBackgroundEvent& AOnDrawBackground) override;
  void DrawToggleSwitchState(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState, bool AChecked) override;
  void DrawTrackBarThumbBorderUpDown(TcxCanvas* ACanvas, const TPoints& ALightPolyLine, const TPoints& AShadowPolyLine,
                                     const TPoints& ADarkPolyLine) override;
};

// A flatter variant of the Standard look with one-pixel edges.
class TcxFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  VCL_CREATABLE_CLASS(TcxFlatLookAndFeelPainter, TcxCustomLookAndFeelPainter)
public:
  String LookAndFeelName() override;
  TcxLookAndFeelStyle LookAndFeelStyle() override;
  int BorderSize() override;
  int SeparatorSize() override;
  void DrawBorder(TcxCanvas* ACanvas, const TRect& R) override;
  int ButtonBorderSize(TcxButtonState AState = cxbsNormal) override;
  int ButtonTextOffset() override;
  int ButtonTextShift() override;
  bool IsButtonHotTrack() override;
  void DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  int ExpandButtonSize() override;
  void DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  int HeaderBorderSize() override;
  void DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders,
                                      TcxButtonState AState) override;
  int FooterBorderSize() override;
  int FooterCellBorderSize() override;
  int FooterCellOffset() override;
  void DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) override;
  void DrawFooterCellBorder(TcxCanvas* ACanvas, const TRect& R) override;
  void DrawFindPanelBorder(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders) override;
  int TabBorderSize(bool AVertical) override;
  void DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders, bool AVertical) override;
  void DrawGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled, TcxGroupBoxCaptionPosition ACaptionPosition,
                         const TcxBorders& ABorders) override;
  TColor GetSplitterOuterColor(bool AHighlighted) override;
  TColor ToggleSwitchToggleColor(bool AChecked) override;
  void DrawTrackBarTrackBounds(TcxCanvas* ACanvas, const TRect& ARect) override;
  void DrawTrackBarThumbBorderBoth(TcxCanvas* ACanvas, const TRect& ARect) override;
  void DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor = clDefault) override;
  void DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, const TcxNeighbors& ANeighbors,
                        const TcxBorders& ABorders) override;
  void DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) override;
  void DrawSummarySortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) override;
  TPoint SortingMarkSize() override;
  TPoint SummarySortingMarkSize() override;
  void DrawFilterDropDownButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                bool AIsFilterActive) override;
  void DrawTabBorder(TcxCanvas* ACanvas, const TRect& R, TcxBorder ABorder, const TcxBorders& ABorders,
                     bool AVertical) override;
  void DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R, TcxScrollBarPart APart,
                         TcxButtonState AState) override;
  void DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, const TRect& R, const TcxViewParams& AViewParams,
                                   bool AIsHorizontal) override;
  void DrawDateNavigatorDateHeader(TcxCanvas* ACanvas, TRect& R) override;
  void DrawToggleSwitchState(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState, bool AChecked) override;
  void DrawTrackBarThumbBorderUpDown(TcxCanvas* ACanvas, const TPoints& ALightPolyLine, const TPoints& AShadowPolyLine,
                                     const TPoints& ADarkPolyLine) override;
};

// ---------------------------------------------------------------- UltraFlat and Office11 painters

// Every frame a single one-pixel line in system colours; hot and pressed
// buttons tinted with the system tint colours.
class TcxUltraFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  VCL_CREATABLE_CLASS(TcxUltraFlatLookAndFeelPainter, TcxCustomLookAndFeelPainter)
public:
  String LookAndFeelName() override;
  TcxLookAndFeelStyle LookAndFeelStyle() override;
  int BorderSize() override;
  void DrawBorder(TcxCanvas* ACanvas, const TRect& R) override;
  void DoDrawSeparator(TcxCanvas* ACanvas, const TRect& R, bool AIsVertical) override;
  int ButtonBorderSize(TcxButtonState AState = cxbsNormal) override;
  TColor ButtonColor(TcxButtonState AState) override;
  TRect ButtonFocusRect(TcxCanvas* ACanvas, const TRect& R) override;
  TColor ButtonSymbolColor(TcxButtonState AState, TColor ADefaultColor = clDefault) override;
  TcxButtonState ButtonSymbolState(TcxButtonState AState) override;
  int ButtonTextOffset() override;
  int ButtonTextShift() override;
  bool IsButtonHotTrack() override;
  void DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  int ExpandButtonSize() override;
  void DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor = clDefault) override;
  void DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  TColor RadioButtonBodyColor(TcxButtonState AState) override;
  int HeaderBorderSize() override;
  TcxBorders HeaderBorders(const TcxNeighbors& ANeighbors) override;
  void DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, const TcxNeighbors& ANeighbors,
                        const TcxBorders& ABorders) override;
  void DrawHeaderEx(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                    const TcxNeighbors& ANeighbors, const TcxBorders& ABorders, TcxButtonState AState,
                    TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis,
                    const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor,
                    const TcxDrawBackgroundEvent& AOnDrawBackground) override;
  void DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders,
                                      TcxButtonState AState) override;
  void DrawHeaderControlSectionContent(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                       TcxButtonState AState, TAlignment AAlignmentHorz,
                                       TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis,
                                       const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor) override;
  void DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) override;
  void DrawSummarySortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) override;
  TPoint SortingMarkSize() override;
  TPoint SummarySortingMarkSize() override;
  int GridBordersOverlapSize() override;
  TcxBorders FooterBorders() override;
  int FooterBorderSize() override;
  int FooterCellBorderSize() override;
  int FooterCellOffset() override;
  void DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) override;
  void DrawFooterBorderEx(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders) override;
  void DrawFooterCellBorder(TcxCanvas* ACanvas, const TRect& R) override;
  void DrawFilterDropDownButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                bool AIsFilterActive) override;
  TPoint FilterCloseButtonSize() override;
  int TabBorderSize(bool AVertical) override;
  void DrawTabBorder(TcxCanvas* ACanvas, const TRect& R, TcxBorder ABorder, const TcxBorders& ABorders,
                     bool AVertical) override;
  void DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders, bool AVertical) override;
  void DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R, TcxScrollBarPart APart,
                         TcxButtonState AState) override;
  TColor DefaultSchedulerBorderColor() override;
  void DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  void DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, const TRect& R, const TcxViewParams& AViewParams,
                                   bool AIsHorizontal) override;
  void DrawNavigatorButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, TColor ABackgroundColor) override;
  void DrawNavigatorBorder(TcxCanvas* ACanvas, const TRect& R, bool ASelected) override;
  bool NavigatorBorderOverlap() override;
  int NavigatorBorderSize() override;
  void DrawGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled, TcxGroupBoxCaptionPosition ACaptionPosition,
                         const TcxBorders& ABorders) override;
  TColor ToggleSwitchToggleColor(bool AChecked) override;
  void DrawToggleSwitchState(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState, bool AChecked) override;
  void DrawToggleSwitchThumb(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState) override;
  void DrawTrackBarTrackBounds(TcxCanvas* ACanvas, const TRect& ARect) override;
  void DrawTrackBarThumbBorderBoth(TcxCanvas* ACanvas, const TRect& ARect) override;
  void DrawTrackBarThumbBorderUpDown(TcxCanvas* ACanvas, const TPoints& ALightPolyLine, const TPoints& AShadowPolyLine,
                                     const TPoints& ADarkPolyLine) override;
  TColor GetSplitterOuterColor(bool AHighlighted) override;
  TSize GetSplitterSize(bool AHorizontal) override;
  void DrawPrintPreviewBackground(TcxCanvas* ACanvas, const TRect& R) override;
  void DrawDropDownListBoxBackground(TcxCanvas* ACanvas, const TRect& ARect, bool AHasBorders) override;
  void DrawDropDownListBoxSelection(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AGutterRect) override;
  void DrawDropDownListBoxSeparator(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AGutterRect) override;
  void DrawDropDownListBoxGutterBackground(TcxCanvas* ACanvas, const TRect& ARect) override;
  TColor DropDownListBoxItemTextColor(bool ASelected) override;
  int BreadcrumbEditButtonAreaSeparatorSize() override;
  TRect BreadcrumbEditButtonContentOffsets(bool AIsFirst, bool AIsLast) override;
  void DrawBreadcrumbEditBorders(TcxCanvas* ACanvas, const TRect& ARect, const TcxBorders& ABorders,
                                 TdxBreadcrumbEditState AState) override;
  void DrawBreadcrumbEditButtonAreaSeparator(TcxCanvas* ACanvas, const TRect& ARect,
                                             TdxBreadcrumbEditState AState) override;
  void DrawBreadcrumbEditButton(TcxCanvas* ACanvas, const TRect& ARect, TdxBreadcrumbEditButtonState AState,
                                bool AIsFirst, bool AIsLast) override;
  void DrawBreadcrumbEditDropDownButton(TcxCanvas* ACanvas, const TRect& ARect, TdxBreadcrumbEditButtonState AState,
                                        bool AIsInEditor) override;
  TSize GetBevelMinimalShapeSize(TdxBevelShape AShape) override;
  void GetBevelShapeColors(TColor& AColor1, TColor& AColor2) override;

  // The colours and fills the look's frames are drawn with.
  virtual TColor StateFrameColor(TcxButtonState AState);
  // R filled by the button colour of the state and framed on ABorders.
  virtual void FillAndFrameByState(TcxCanvas* ACanvas, const TRect& R, TdxBreadcrumbEditButtonState AState,
                                   const TcxBorders& ABorders);
  virtual TColor ShadowEdgeColor();
  virtual TColor ButtonTextSystemColor();
  virtual TColor BorderHighlightColor();

protected:
  void DrawSchedulerNavigationButtonFrame(TcxCanvas* ACanvas, const TRect& R, const TRect& AArrowRect,
                                          bool AIsNextButton, TcxButtonState AState) override;
  // A drop-down list's frames and fill in the given colours.
  static void DrawDropDownListBoxFrame(TcxCanvas* ACanvas, const TRect& ARect, bool AHasBorders, TColor AOuterColor,
                                       TColor AInnerColor, TColor AFillColor);
  // The list's separator line from AIndent past the gutter to the right.
  static void DrawDropDownListBoxSeparatorLine(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AGutterRect,
                                               int AIndent, TColor AColor);
  // The sides of a scheduler navigation button: the one facing the view stays open.
  static TcxBorders SchedulerNavigationButtonBorders(bool AIsNextButton);
};

// The UltraFlat look in the colours of the Office 2003 colour set, with
// gradient headers and bitmap expand buttons; scroll bars, scheduler
// navigator buttons and themed group boxes are left to the Native painter
// when one is registered.
class TcxOffice11LookAndFeelPainter : public TcxUltraFlatLookAndFeelPainter {
  VCL_CREATABLE_CLASS(TcxOffice11LookAndFeelPainter, TcxUltraFlatLookAndFeelPainter)
public:
  String LookAndFeelName() override;
  TcxLookAndFeelStyle LookAndFeelStyle() override;
  bool NeedRedrawOnResize() override;
  TColor DefaultDateNavigatorHeaderColor() override;
  TColor DefaultDateNavigatorSelectionColor() override;
  TColor DefaultDateNavigatorSelectionTextColor() override;
  TColor DefaultFilterBoxColor() override;
  TColor DefaultFilterBoxTextColor() override;
  TColor DefaultFooterColor() override;
  TColor DefaultFooterTextColor() override;
  TColor DefaultGroupColor() override;
  TColor DefaultGroupByBoxColor() override;
  TColor DefaultGroupByBoxTextColor() override;
  TColor DefaultHeaderColor() override;
  TColor DefaultHeaderBackgroundColor() override;
  TColor DefaultSchedulerBorderColor() override;
  TColor DefaultSchedulerControlColor() override;
  TColor DefaultTabColor() override;
  TColor DefaultTabsBackgroundColor() override;
  TColor DefaultTimeGridMinorScaleColor() override;
  TColor DefaultTimeGridSelectionBarColor() override;
  int SeparatorSize() override;
  void DrawBorder(TcxCanvas* ACanvas, const TRect& R) override;
  void DoDrawSeparator(TcxCanvas* ACanvas, const TRect& R, bool AIsVertical) override;
  TColor ButtonColor(TcxButtonState AState) override;
  TColor ButtonSymbolColor(TcxButtonState AState, TColor ADefaultColor = clDefault) override;
  void DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  int SmallExpandButtonSize() override;
  bool DrawExpandButtonFirst() override;
  // The look's expand-button bitmap with its corners blended into what lies
  // under them; the UltraFlat button when the program has no such bitmap.
  void DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor = clDefault) override;
  void DrawSmallExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor ABorderColor,
                             TColor AColor = clDefault) override;
  TColor CheckButtonColor(TcxButtonState AState, TcxCheckBoxState ACheckState) override;
  TColor RadioButtonBodyColor(TcxButtonState AState) override;
  void DrawHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, const TcxNeighbors& ANeighbors,
                  const TcxBorders& ABorders, TcxButtonState AState, TAlignment AAlignmentHorz,
                  TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                  TFont* AFont, TColor ATextColor, TColor ABkColor, const TcxDrawBackgroundEvent& AOnDrawBackground,
                  bool AIsLast, bool AIsGroup) override;
  void DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, const TcxNeighbors& ANeighbors,
                        const TcxBorders& ABorders) override;
  void DrawHeaderControlSection(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                const TcxNeighbors& ANeighbors, const TcxBorders& ABorders, TcxButtonState AState,
                                TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                                bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
                                TColor ABkColor) override;
  void DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) override;
  void DrawSummarySortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) override;
  TcxBorders HeaderBorders(const TcxNeighbors& ANeighbors) override;
  bool IsHeaderHotTrack() override;
  int GridBordersOverlapSize() override;
  void LayoutViewDrawRecordCaption(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextRect,
                                   TcxGroupBoxCaptionPosition APosition, TcxButtonState AState) override;
  TColor FooterSeparatorColor() override;
  int ScrollBarMinimalThumbSize(bool AVertical) override;
  void DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R, TcxScrollBarPart APart,
                         TcxButtonState AState) override;
  void DoDrawSizeGrip(TcxCanvas* ACanvas, const TRect& ARect) override;
  void DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText, const TcxNeighbors& ANeighbors,
                       const TcxViewParams& AViewParams, const TcxArrowDirections& AArrows, int ASideWidth,
                       const TcxDrawBackgroundEvent& AOnDrawBackground) override;
  void DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  void DrawSchedulerBorder(TcxCanvas* ACanvas, const TRect& R) override;
  TSize ClockSize() override;
  void DrawClock(TcxCanvas* ACanvas, const TRect& ARect, TDateTime ADateTime, TColor ABackgroundColor) override;
  void DrawDateNavigatorDateHeader(TcxCanvas* ACanvas, TRect& R) override;
  int NavigatorBorderSize() override;
  void DrawGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled, TcxGroupBoxCaptionPosition ACaptionPosition,
                         const TcxBorders& ABorders) override;
  TColor GroupBoxTextColor(bool AEnabled, TcxGroupBoxCaptionPosition ACaptionPosition) override;
  void DrawPanelBackground(TcxCanvas* ACanvas, TWinControl* AControl, const TRect& ABounds, TColor AColorFrom,
                           TColor AColorTo) override;
  void DrawTrackBarTrackBounds(TcxCanvas* ACanvas, const TRect& ARect) override;
  void DrawTrackBarThumbBorderBoth(TcxCanvas* ACanvas, const TRect& ARect) override;
  void DrawTrackBarThumbBorderUpDown(TcxCanvas* ACanvas, const TPoints& ALightPolyLine, const TPoints& AShadowPolyLine,
                                     const TPoints& ADarkPolyLine) override;
  TColor GetSplitterInnerColor(bool AHighlighted) override;
  TColor GetSplitterOuterColor(bool AHighlighted) override;
  void DrawLayoutControlBackground(TcxCanvas* ACanvas, const TRect& R) override;
  TColor BreadcrumbEditBackgroundColor(TdxBreadcrumbEditState AState) override;
  void DrawBreadcrumbEditBorders(TcxCanvas* ACanvas, const TRect& ARect, const TcxBorders& ABorders,
                                 TdxBreadcrumbEditState AState) override;
  void DrawDropDownListBoxBackground(TcxCanvas* ACanvas, const TRect& ARect, bool AHasBorders) override;
  void DrawDropDownListBoxSelection(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AGutterRect) override;
  void DrawDropDownListBoxSeparator(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AGutterRect) override;
  void DrawDropDownListBoxGutterBackground(TcxCanvas* ACanvas, const TRect& ARect) override;
  void DrawAlertWindowBackground(TcxCanvas* ACanvas, const TRect& ABounds) override;
  TSize GetBevelMinimalShapeSize(TdxBevelShape AShape) override;
  void GetBevelShapeColors(TColor& AColor1, TColor& AColor2) override;

  TColor StateFrameColor(TcxButtonState AState) override;
  void FillAndFrameByState(TcxCanvas* ACanvas, const TRect& R, TdxBreadcrumbEditButtonState AState,
                           const TcxBorders& ABorders) override;
  TColor ShadowEdgeColor() override;
  TColor BorderHighlightColor() override;
  // The header's gradient and border colours.
  virtual TColor HeaderBottomColor();
  virtual TColor HeaderShadowColor();
  virtual TColor HeaderHighlightColor();
  virtual TColor HeaderTopColor();

protected:
  TColor HotLightTextColor() override;
  void DrawCellBackgroundAndText(TcxCanvas* ACanvas, const TRect& R, const TRect& ATextRect, TcxButtonState AState,
                                 TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                                 bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
                                 TColor AColor, const TcxDrawBackgroundEvent& AOnDrawBackground,
                                 bool AIsFooter) override;
  void DrawSchedulerNavigationButtonFrame(TcxCanvas* ACanvas, const TRect& R, const TRect& AArrowRect,
                                          bool AIsNextButton, TcxButtonState AState) override;

private:
  // The registered Native painter, which draws some elements for this look.
  TcxCustomLookAndFeelPainter* NativePainter();
};

// Registers a new instance of each built-in painter with the painters
// manager, in their documented order; done at the end of the start-up.
void cxRegisterBuiltInPainters();

extern const TUnitEntry cxLookAndFeelPaintersUnit;

// ---------------------------------------------------------------- native painter

// The platform's own look: every element is a part of the visual style's
// class for that kind of control. A class the theme cannot open falls back,
// call by call, to the Standard look.
class TcxWinXPLookAndFeelPainter : public TcxStandardLookAndFeelPainter {
  VCL_CREATABLE_CLASS(TcxWinXPLookAndFeelPainter, TcxStandardLookAndFeelPainter)
public:
  TcxWinXPLookAndFeelPainter();
  ~TcxWinXPLookAndFeelPainter() override;

  String LookAndFeelName() override;
  TcxLookAndFeelStyle LookAndFeelStyle() override;
  bool NeedRedrawOnResize() override;
  // AText in ATextRect with the theme's text drawing; ABounds and ABkColor
  // play no part.
  virtual void DrawThemedText(TcxCanvas* ACanvas, HTHEME ATheme, int APartId, int AStateId, const TRect& ABounds,
                              const TRect& ATextRect, TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                              bool AMultiLine, bool AShowEndEllipsis, bool AShowPrefix, const String& AText,
                              TFont* AFont, TColor ATextColor, TColor ABkColor);
  // A push-button part clipped to R, grown past R on the sides not in
  // ABorders so that only the bordered sides show.
  virtual void DrawThemedBreadcrumbPart(TcxCanvas* ACanvas, const TRect& R, TdxBreadcrumbEditButtonState AState,
                                        const TcxBorders& ABorders);

  // arrows, borders and separators
  using TcxStandardLookAndFeelPainter::DrawArrow;
  void DrawArrow(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, TcxArrowDirection AArrowDirection,
                 bool ADrawBorder = true) override;
  void DrawArrowBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  int BorderSize() override;
  void DrawBorder(TcxCanvas* ACanvas, const TRect& R) override;
  int SeparatorSize() override;
  void DoDrawSeparator(TcxCanvas* ACanvas, const TRect& R, bool AIsVertical) override;

  // buttons and command links
  int ButtonBorderSize(TcxButtonState AState = cxbsNormal) override;
  TColor ButtonColor(TcxButtonState AState) override;
  TRect ButtonFocusRect(TcxCanvas* ACanvas, const TRect& R) override;
  TColor ButtonSymbolColor(TcxButtonState AState, TColor ADefaultColor = clDefault) override;
  int ButtonTextOffset() override;
  int ButtonTextShift() override;
  bool IsButtonHotTrack() override;
  void DrawButton(TcxCanvas* ACanvas, const TRect& R, const String& ACaption, TcxButtonState AState,
                  bool ADrawBorder = true, TColor AColor = clDefault, TColor ATextColor = clDefault,
                  bool AWordWrap = false, bool AIsToolButton = false, TcxButtonPart APart = cxbpButton) override;
  void DrawSmallButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  TColor DefaultCommandLinkTextColor(TcxButtonState AState, TColor ADefaultColor) override;
  void DrawCommandLinkBackground(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                 TColor AColor = clDefault) override;
  void DrawCommandLinkGlyph(TcxCanvas* ACanvas, const TPoint& AGlyphPos, TcxButtonState AState) override;
  TSize GetCommandLinkGlyphSize() override;
  TRect GetCommandLinkMargins() override;

  // expand buttons
  void DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor = clDefault) override;
  bool DrawExpandButtonFirst() override;
  void DrawGroupExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TcxButtonState AState) override;
  void DrawSmallExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor ABorderColor,
                             TColor AColor = clDefault) override;
  int ExpandButtonSize() override;
  int GroupExpandButtonSize() override;
  int SmallExpandButtonSize() override;
  bool IsPointOverGroupExpandButton(const TRect& R, const TPoint& P) override;

  // check boxes and radio buttons
  int CheckBorderSize() override;
  TSize CheckButtonSize() override;
  using TcxStandardLookAndFeelPainter::DrawCheck;
  void DrawCheck(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, TcxCheckBoxState ACheckState,
                 TColor AColor) override;
  void DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  void DrawRadioButton(TcxCanvas* ACanvas, int X, int Y, TcxButtonState AButtonState, bool AChecked, bool AFocused,
                       TColor ABrushColor, bool AIsDesigning) override;
  TSize RadioButtonSize() override;

  // headers and sorting marks
  void DrawHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                  const TcxNeighbors& ANeighbors, const TcxBorders& ABorders, TcxButtonState AState,
                  TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis,
                  const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor,
                  const TcxDrawBackgroundEvent& AOnDrawBackground, bool AIsLast, bool AIsGroup) override;
  void DrawSpreadSheetHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                             const TcxNeighbors& ANeighbors, const TcxBorders& ABorders, TcxButtonState AState,
                             TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                             bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
                             TColor ABkColor, const TcxDrawBackgroundEvent& AOnDrawBackground, bool AIsLast,
                             bool AIsGroup) override;
  void DrawHeaderPressed(TcxCanvas* ACanvas, const TRect& ABounds) override;
  void DrawHeaderControlSection(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                const TcxNeighbors& ANeighbors, const TcxBorders& ABorders, TcxButtonState AState,
                                TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                                bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
                                TColor ABkColor) override;
  int HeaderBorderSize() override;
  int HeaderControlSectionBorderSize(TcxButtonState AState) override;
  TRect HeaderControlSectionContentBounds(const TRect& ABounds, TcxButtonState AState) override;
  bool IsHeaderHotTrack() override;
  TPoint SortingMarkSize() override;
  void DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) override;
  void DrawSummarySortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) override;

  // footers, filter and find panels
  void DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) override;
  int FooterBorderSize() override;
  void DrawFooterCell(TcxCanvas* ACanvas, const TRect& ABounds, TAlignment AAlignmentHorz,
                      TcxAlignmentVert AAlignmentVert, bool AMultiLine, const String& AText, TFont* AFont,
                      TColor ATextColor, TColor ABkColor, const TcxDrawBackgroundEvent& AOnDrawBackground) override;
  int FooterCellBorderSize() override;
  int FooterCellOffset() override;
  bool FooterDrawCellsFirst() override;
  void DrawFilterCloseButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  TPoint FilterCloseButtonSize() override;
  void DrawFilterDropDownButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                bool AIsFilterActive) override;
  TPoint FilterActivateButtonSize() override;
  void DrawFindPanelBorder(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders) override;

  // layout view
  TColor DefaultLayoutViewContentTextColor(TcxButtonState AState) override;
  TColor DefaultLayoutViewCaptionTextColor(TcxGroupBoxCaptionPosition ACaptionPosition,
                                           TcxButtonState AState) override;
  void LayoutViewDrawRecordCaption(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextRect,
                                   TcxGroupBoxCaptionPosition APosition, TcxButtonState AState) override;
  void LayoutViewDrawItem(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState,
                          const TcxBorders& ABorders) override;

  // tabs, indicator and splitters
  void DrawTab(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders, const String& AText,
               TcxButtonState AState, bool AVertical, TFont* AFont, TColor ATextColor, TColor ABkColor,
               bool AShowPrefixes) override;
  void DrawTabBorder(TcxCanvas* ACanvas, const TRect& R, TcxBorder ABorder, const TcxBorders& ABorders,
                     bool AVertical) override;
  void DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders, bool AVertical) override;
  bool IsDrawTabImplemented(bool AVertical) override;
  bool IsTabHotTrack(bool AVertical) override;
  int TabBorderSize(bool AVertical) override;
  void DrawIndicatorItem(TcxCanvas* ACanvas, const TRect& R, TcxIndicatorKind AKind, TColor AColor,
                         const TcxDrawBackgroundEvent& AOnDrawBackground) override;
  void DrawSplitter(TcxCanvas* ACanvas, const TRect& ARect, bool AHighlighted, bool AClicked,
                    bool AHorizontal) override;

  // scroll bars, size grip and the small close button
  int ScrollBarMinimalThumbSize(bool AVertical) override;
  void DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R, TcxScrollBarPart APart,
                         TcxButtonState AState) override;
  void DrawScrollBarSplitter(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  TSize SizeGripSize() override;
  void DoDrawSizeGrip(TcxCanvas* ACanvas, const TRect& ARect) override;
  TSize DoGetSmallCloseButtonSize() override;

  // scheduler
  TColor DefaultSchedulerBorderColor() override;
  TColor DefaultSchedulerViewContentColor() override;
  void DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText, const TcxNeighbors& ANeighbors,
                       const TcxViewParams& AViewParams, const TcxArrowDirections& AArrows, int ASideWidth,
                       const TcxDrawBackgroundEvent& AOnDrawBackground) override;
  void DrawSchedulerEventProgress(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& AProgress,
                                  const TcxViewParams& AViewParams, bool ATransparent) override;
  TRect SchedulerEventProgressOffsets() override;
  void DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  void DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, const TRect& R, const TcxViewParams& AViewParams,
                                   bool AIsHorizontal) override;

  // group box and panel
  void DrawGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled, TcxGroupBoxCaptionPosition ACaptionPosition,
                         const TcxBorders& ABorders) override;
  TColor GroupBoxTextColor(bool AEnabled, TcxGroupBoxCaptionPosition ACaptionPosition) override;
  void DrawPanelBackground(TcxCanvas* ACanvas, TWinControl* AControl, const TRect& ABounds, TColor AColorFrom,
                           TColor AColorTo) override;

  // edit popups, hints and screen tips
  void DrawEditPopupWindowBorder(TcxCanvas* ACanvas, TRect& R, TcxEditPopupBorderStyle ABorderStyle,
                                 bool AClientEdge) override;
  int GetEditPopupWindowBorderWidth(TcxEditPopupBorderStyle AStyle) override;
  int GetEditPopupWindowClientEdgeWidth(TcxEditPopupBorderStyle AStyle) override;
  TColor GetHintBorderColor() override;
  void DrawHintBackground(TcxCanvas* ACanvas, const TRect& ARect, TColor AColor) override;
  TColor ScreenTipGetDescriptionTextColor() override;
  TColor ScreenTipGetTitleTextColor() override;

  // track bar
  void CorrectThumbRect(TcxCanvas* ACanvas, TRect& ARect, bool AHorizontal, TcxTrackBarTicksAlign ATicks) override;
  void DrawTrackBarTrack(TcxCanvas* ACanvas, const TRect& ARect, const TRect& ASelection, bool AShowSelection,
                         bool AEnabled, bool AHorizontal, TColor ATrackColor) override;
  void DrawTrackBarThumb(TcxCanvas* ACanvas, const TRect& ARect, TcxButtonState AState, bool AHorizontal,
                         TcxTrackBarTicksAlign ATicks, TColor AThumbColor) override;

  // date navigator and navigator
  void DrawDateNavigatorDateHeader(TcxCanvas* ACanvas, TRect& R) override;
  TPoint NavigatorButtonPressedGlyphOffset() override;
  TSize NavigatorButtonMinSize() override;

  // zoom and back buttons
  TSize GetZoomInButtonSize() override;
  TSize GetZoomOutButtonSize() override;
  void DrawZoomInButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  void DrawZoomOutButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;
  TSize GetBackButtonSize() override;
  void DrawBackButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override;

  // drop-down list box
  TColor DropDownListBoxItemTextColor(bool ASelected) override;
  int DropDownListBoxSeparatorSize() override;
  void DrawDropDownListBoxBackground(TcxCanvas* ACanvas, const TRect& ARect, bool AHasBorders) override;
  void DrawDropDownListBoxGutterBackground(TcxCanvas* ACanvas, const TRect& ARect) override;
  void DrawDropDownListBoxSelection(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AGutterRect) override;
  void DrawDropDownListBoxSeparator(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AGutterRect) override;

  // breadcrumb edit
  TColor BreadcrumbEditBackgroundColor(TdxBreadcrumbEditState AState) override;
  TRect BreadcrumbEditBordersSize() override;
  TRect BreadcrumbEditButtonContentOffsets(bool AIsFirst, bool AIsLast) override;
  bool BreadcrumbEditIsFadingSupports() override;
  TSize BreadcrumbEditProgressChunkOverlaySize() override;
  TRect BreadcrumbEditProgressChunkPadding() override;
  void DrawBreadcrumbEditBorders(TcxCanvas* ACanvas, const TRect& ARect, const TcxBorders& ABorders,
                                 TdxBreadcrumbEditState AState) override;
  void DrawBreadcrumbEditButtonAreaSeparator(TcxCanvas* ACanvas, const TRect& ARect,
                                             TdxBreadcrumbEditState AState) override;
  void DrawBreadcrumbEditButton(TcxCanvas* ACanvas, const TRect& ARect, TdxBreadcrumbEditButtonState AState,
                                bool AIsFirst, bool AIsLast) override;
  void DrawBreadcrumbEditDropDownButton(TcxCanvas* ACanvas, const TRect& ARect, TdxBreadcrumbEditButtonState AState,
                                        bool AIsInEditor) override;
  void DrawBreadcrumbEditNode(TcxCanvas* ACanvas, const TRect& R, TdxBreadcrumbEditButtonState AState,
                              bool AHasDelimiter) override;
  void DrawBreadcrumbEditNodeDelimiter(TcxCanvas* ACanvas, const TRect& R,
                                       TdxBreadcrumbEditButtonState AState) override;
  void DrawBreadcrumbEditNodeDelimiterGlyph(TcxCanvas* ACanvas, const TRect& R,
                                            TdxBreadcrumbEditButtonState AState) override;
  void DrawBreadcrumbEditNodeMoreButtonGlyph(TcxCanvas* ACanvas, const TRect& R,
                                             TdxBreadcrumbEditButtonState AState) override;
  void DrawBreadcrumbEditProgressChunk(TcxCanvas* ACanvas, const TRect& R) override;
  void DrawBreadcrumbEditProgressChunkOverlay(TcxCanvas* ACanvas, const TRect& R) override;

  // alert window, bevel, gallery, toggle switch, clock and modern calendar
  int AlertWindowCornerRadius() override;
  TSize GetBevelMinimalShapeSize(TdxBevelShape AShape) override;
  void DrawBevelFrame(TcxCanvas* ACanvas, const TRect& R, TColor AColor1, TColor AColor2, bool ABoxStyle) override;
  void DrawBevelLine(TcxCanvas* ACanvas, const TRect& R, TColor AColor1, TColor AColor2, bool AIsVertical) override;
  bool DrawGalleryItemSelectionFirst() override;
  void DrawGalleryItemSelection(TcxCanvas* ACanvas, const TRect& R, const TdxGalleryItemViewState& AViewState) override;
  TColor ToggleSwitchToggleColor(bool AChecked) override;
  void DrawToggleSwitchState(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState, bool AChecked) override;
  void DrawToggleSwitchThumb(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState) override;
  TSize ClockSize() override;
  void DrawClock(TcxCanvas* ACanvas, const TRect& ARect, TDateTime ADateTime, TColor ABackgroundColor) override;
  void DrawModernCalendarDateCellSelection(TcxCanvas* ACanvas, const TRect& ARect,
                                           const TcxCalendarElementStates& AStates) override;
  TColor GetModernCalendarHeaderTextColor(const TcxCalendarElementStates& AStates) override;

protected:
  void DrawSchedulerNavigationButtonFrame(TcxCanvas* ACanvas, const TRect& R, const TRect& AArrowRect,
                                          bool AIsNextButton, TcxButtonState AState) override;

private:
  // Theme access shared by the painter's operations. The state maps give
  // the theme state of a TcxButtonState: push button (5, 1, 2, 3, 4 from
  // cxbsDefault on) and the five-state map (1, 1, 2, 3, 4).
  static int PushButtonStateId(TcxButtonState AState);
  static int FiveStateId(TcxButtonState AState);
  // The theme opens the type's class and defines the part in it: a theme
  // may leave some parts of a class out.
  static bool ThemePartDefined(TdxThemedObjectType AType, int APartId);
  // Draws the part of the type's class in R (clipped to AClip when given);
  // false, drawing nothing, when the class or the part is missing.
  static bool DrawThemePart(TdxThemedObjectType AType, TcxCanvas* ACanvas, int APartId, int AStateId, const TRect& R,
                            const TRect* AClip = nullptr);
  // Each false when the theme cannot open the class or answer the question.
  static bool ThemeColor(TdxThemedObjectType AType, int APartId, int AStateId, int APropId, TColor& AColor);
  static bool ThemePartSize(TdxThemedObjectType AType, int APartId, int AStateId, THEMESIZE ASizeKind, TSize& ASize);
  static bool ThemeMargins(TdxThemedObjectType AType, int APartId, int AStateId, int APropId, TRect& AMargins);
  // A rectangle as the theme functions take it (the layouts are the same).
  static const RECT* AsRECT(const TRect& R) { return reinterpret_cast<const RECT*>(&R); }

  // The tab part for DrawTab and the layout view's record caption; a
  // vertical tab is drawn upright into a bitmap and turned.
  void DrawThemedTab(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders, const String& AText, HTHEME ATheme,
                     int AStateId, bool AVertical, TFont* AFont, TColor ATextColor, TColor ABkColor,
                     bool AShowPrefix);
  // False without the button theme.
  bool ThemedZoomButtonSize(TcxBitmap32* AGlyph, TSize& ASize);
  bool DrawThemedZoomButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, TcxBitmap32* AGlyph);

  std::unique_ptr<TcxBitmap32> FZoomInButtonGlyph;
  std::unique_ptr<TcxBitmap32> FZoomOutButtonGlyph;
};
