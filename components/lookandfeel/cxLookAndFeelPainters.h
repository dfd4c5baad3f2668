#pragma once
// The painter: the drawing interface through which every control of the
// library paints its chrome. The root class draws a plain classic look from
// the system colours; each concrete painter overrides only what differs.
// A painter keeps no drawing state between calls: every operation gets the
// canvas, the geometry, the state and the colours it needs.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "components/core/cxGraphics.h"
#include "components/core/dxGdiPlusClasses.h"
#include "components/lookandfeel/dxSkinsCore.h"
#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/Sets.h"

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
