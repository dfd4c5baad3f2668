// The root painter: its general answers, default colours, drawing bases and
// images.
#include "components/lookandfeel/cxLookAndFeelPainters.h"

#include "components/core/cxLibraryStrs.h"
#include "components/core/dxCore.h"
#include "vcl/rtl/Streams.h"

void cxDrawSolidPolygon(TcxCanvas* ACanvas, const std::vector<TPoint>& APoints, TColor AColor) {
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->SetBrushColor(AColor);
  ACanvas->Pen()->SetColor(AColor);
  ACanvas->Polygon(APoints);
}

TcxCustomLookAndFeelPainter::TcxCustomLookAndFeelPainter() = default;

TcxCustomLookAndFeelPainter::~TcxCustomLookAndFeelPainter() {
  FLookAndFeelPainterDetailsCache.reset();
  FClockFace.reset();
  FClockGlass.reset();
  FBackButton.reset();
  FMapPushpin.reset();
  FRatingControlIndicator.reset();
}

TdxSmartImage* TcxCustomLookAndFeelPainter::LoadedImage(std::unique_ptr<TdxSmartImage>& AImage,
                                                        const wchar_t* AResourceName) {
  if (!AImage) {
    auto image = std::make_unique<TdxSmartImage>();
    image->LoadFromResource(GetModuleHandleW(nullptr), AResourceName, L"PNG");
    AImage = std::move(image);
  }
  return AImage.get();
}

// ---------------------------------------------------------------- general

bool TcxCustomLookAndFeelPainter::GetPainterData(void*& AData) { return false; }
bool TcxCustomLookAndFeelPainter::GetPainterDetails(TdxSkinDetails*& ADetails) {
  ADetails = CachedDetails();
  return ADetails != nullptr;
}

bool TcxCustomLookAndFeelPainter::IsInternalPainter() { return false; }
String TcxCustomLookAndFeelPainter::LookAndFeelName() { return String(); }
TcxLookAndFeelStyle TcxCustomLookAndFeelPainter::LookAndFeelStyle() { return lfsStandard; }
bool TcxCustomLookAndFeelPainter::NeedRedrawOnResize() { return false; }

// ---------------------------------------------------------------- default colours

TColor TcxCustomLookAndFeelPainter::DefaultContentColor() { return clWindow; }
TColor TcxCustomLookAndFeelPainter::DefaultContentEvenColor() { return DefaultContentColor(); }
TColor TcxCustomLookAndFeelPainter::DefaultContentOddColor() { return DefaultContentColor(); }
TColor TcxCustomLookAndFeelPainter::DefaultContentTextColor() { return clWindowText; }

TColor TcxCustomLookAndFeelPainter::DefaultEditorBackgroundColor(bool AIsDisabled) {
  return DefaultEditorBackgroundColorEx(AIsDisabled ? esckDisabled : esckNormal);
}

TColor TcxCustomLookAndFeelPainter::DefaultEditorBackgroundColorEx(TcxEditStateColorKind AKind) { return clDefault; }

TColor TcxCustomLookAndFeelPainter::DefaultEditorTextColor(bool AIsDisabled) {
  return DefaultEditorTextColorEx(AIsDisabled ? esckDisabled : esckNormal);
}

TColor TcxCustomLookAndFeelPainter::DefaultEditorTextColorEx(TcxEditStateColorKind AKind) { return clDefault; }
TColor TcxCustomLookAndFeelPainter::DefaultFilterBoxColor() { return clBtnShadow; }
TColor TcxCustomLookAndFeelPainter::DefaultFilterBoxTextColor() { return clBtnHighlight; }
TColor TcxCustomLookAndFeelPainter::DefaultFixedSeparatorColor() { return clBtnText; }
TColor TcxCustomLookAndFeelPainter::DefaultFooterColor() { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultFooterTextColor() { return clBtnText; }
TColor TcxCustomLookAndFeelPainter::DefaultGridDetailsSiteColor() { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultGridLineColor() { return clBtnShadow; }
TColor TcxCustomLookAndFeelPainter::DefaultGroupByBoxColor() { return clBtnShadow; }
TColor TcxCustomLookAndFeelPainter::DefaultGroupByBoxTextColor() { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultGroupColor() { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultGroupTextColor() { return clBtnText; }
TColor TcxCustomLookAndFeelPainter::DefaultHeaderBackgroundColor() { return clBtnShadow; }
TColor TcxCustomLookAndFeelPainter::DefaultHeaderBackgroundTextColor() { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultHeaderColor() { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultHeaderTextColor() { return clBtnText; }
TColor TcxCustomLookAndFeelPainter::DefaultHyperlinkTextColor() { return clBlue; }
TColor TcxCustomLookAndFeelPainter::DefaultInactiveColor() { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultInactiveTextColor() { return clBtnText; }
TColor TcxCustomLookAndFeelPainter::DefaultPreviewTextColor() { return clBlue; }
TColor TcxCustomLookAndFeelPainter::DefaultRecordSeparatorColor() { return DefaultGridLineColor(); }
TColor TcxCustomLookAndFeelPainter::DefaultSizeGripAreaColor() { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultTreeListGridLineColor() { return DefaultGridLineColor(); }
TColor TcxCustomLookAndFeelPainter::DefaultTreeListTreeLineColor() { return DefaultGridLineColor(); }
TColor TcxCustomLookAndFeelPainter::DefaultVGridBandLineColor() { return DefaultVGridLineColor(); }
TColor TcxCustomLookAndFeelPainter::DefaultVGridCategoryColor() { return DefaultHeaderColor(); }
TColor TcxCustomLookAndFeelPainter::DefaultVGridCategoryTextColor() { return clDefault; }
TColor TcxCustomLookAndFeelPainter::DefaultVGridHeaderColor() { return DefaultHeaderColor(); }
TColor TcxCustomLookAndFeelPainter::DefaultVGridHeaderTextColor() { return DefaultHeaderTextColor(); }
TColor TcxCustomLookAndFeelPainter::DefaultVGridLineColor() { return clBlack; }

TColor TcxCustomLookAndFeelPainter::DefaultDateNavigatorContentColor() {
  const TColor editorColor = DefaultEditorBackgroundColor(false);
  return editorColor == clDefault ? DefaultContentColor() : editorColor;
}

TColor TcxCustomLookAndFeelPainter::DefaultDateNavigatorHeaderColor() { return clBtnFace; }

TColor TcxCustomLookAndFeelPainter::DefaultDateNavigatorHeaderTextColor(bool AIsHighlight) {
  return AIsHighlight ? HotLightTextColor() : DefaultHeaderTextColor();
}

TColor TcxCustomLookAndFeelPainter::DefaultDateNavigatorHolydayTextColor() { return clRed; }
TColor TcxCustomLookAndFeelPainter::DefaultDateNavigatorInactiveTextColor() { return clGrayText; }
TColor TcxCustomLookAndFeelPainter::DefaultDateNavigatorSelectionColor() { return clHighlight; }
TColor TcxCustomLookAndFeelPainter::DefaultDateNavigatorSelectionTextColor() { return clHighlightText; }
TColor TcxCustomLookAndFeelPainter::DefaultDateNavigatorSeparator1Color() { return clBtnShadow; }
TColor TcxCustomLookAndFeelPainter::DefaultDateNavigatorSeparator2Color() { return clWindow; }
TColor TcxCustomLookAndFeelPainter::DefaultDateNavigatorTextColor() { return clWindowText; }
TColor TcxCustomLookAndFeelPainter::DefaultDateNavigatorTodayFrameColor() { return clMaroon; }
TColor TcxCustomLookAndFeelPainter::DefaultDateNavigatorTodayTextColor() { return clNavy; }
TColor TcxCustomLookAndFeelPainter::DefaultSchedulerBackgroundColor() { return clWindow; }
TColor TcxCustomLookAndFeelPainter::DefaultSchedulerBorderColor() { return TColor(0x9D9DA1); }
TColor TcxCustomLookAndFeelPainter::DefaultSchedulerContentColor(int AResourceIndex) { return clDefault; }
TColor TcxCustomLookAndFeelPainter::DefaultSchedulerControlColor() { return clBtnFace; }

TColor TcxCustomLookAndFeelPainter::DefaultSchedulerEventColor(bool AIsAllDayEvent) {
  return AIsAllDayEvent ? clWhite : clWindow;
}

TColor TcxCustomLookAndFeelPainter::DefaultSchedulerNavigatorColor() { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultSchedulerTextColor() { return clWindowText; }
TColor TcxCustomLookAndFeelPainter::DefaultSchedulerTimeRulerColor() { return DefaultHeaderColor(); }
TColor TcxCustomLookAndFeelPainter::DefaultSchedulerTimeRulerTextColor() { return DefaultHeaderTextColor(); }
TColor TcxCustomLookAndFeelPainter::DefaultSchedulerViewContentColor() { return TColor(0xD5FFFF); }
TColor TcxCustomLookAndFeelPainter::DefaultSchedulerViewSelectedTextColor() { return DefaultSelectionTextColor(); }
TColor TcxCustomLookAndFeelPainter::DefaultSchedulerViewTextColor() { return clWindowText; }
TColor TcxCustomLookAndFeelPainter::DefaultSchedulerYearViewUnusedContentColor(bool AIsWorkTime) { return clDefault; }
TColor TcxCustomLookAndFeelPainter::DefaultSelectionColor() { return clHighlight; }
TColor TcxCustomLookAndFeelPainter::DefaultSelectionTextColor() { return clHighlightText; }
TColor TcxCustomLookAndFeelPainter::DefaultSeparatorColor() { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultTabColor() { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultTabTextColor() { return clBtnText; }
TColor TcxCustomLookAndFeelPainter::DefaultTabsBackgroundColor() { return clWindow; }
TColor TcxCustomLookAndFeelPainter::DefaultRootTabsBackgroundColor() { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultTimeGridMajorScaleColor() { return clWhite; }
TColor TcxCustomLookAndFeelPainter::DefaultTimeGridMajorScaleTextColor() { return clBlack; }
TColor TcxCustomLookAndFeelPainter::DefaultTimeGridMinorScaleColor() { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultTimeGridMinorScaleTextColor() { return clBtnText; }
TColor TcxCustomLookAndFeelPainter::DefaultTimeGridSelectionBarColor() { return clWhite; }
TColor TcxCustomLookAndFeelPainter::DefaultChartDiagramValueBorderColor() { return clBlack; }
TColor TcxCustomLookAndFeelPainter::DefaultChartDiagramValueCaptionTextColor() { return clBlack; }
TColor TcxCustomLookAndFeelPainter::DefaultChartHistogramAxisColor() { return clBlack; }
TColor TcxCustomLookAndFeelPainter::DefaultChartHistogramGridLineColor() { return TColor(0xCFCFCF); }
TColor TcxCustomLookAndFeelPainter::DefaultChartHistogramPlotColor() { return clWhite; }
TColor TcxCustomLookAndFeelPainter::DefaultChartPieDiagramSeriesSiteBorderColor() { return clBtnShadow; }
TColor TcxCustomLookAndFeelPainter::DefaultChartPieDiagramSeriesSiteCaptionColor() { return clSkyBlue; }
TColor TcxCustomLookAndFeelPainter::DefaultChartPieDiagramSeriesSiteCaptionTextColor() { return clNavy; }
TColor TcxCustomLookAndFeelPainter::DefaultChartToolBoxDataLevelInfoBorderColor() { return clBtnShadow; }
TColor TcxCustomLookAndFeelPainter::DefaultChartToolBoxItemSeparatorColor() { return clBtnShadow; }

TColor TcxCustomLookAndFeelPainter::DefaultLayoutViewCaptionTextColor(TcxGroupBoxCaptionPosition ACaptionPosition,
                                                                      TcxButtonState AState) {
  return DefaultLayoutViewContentTextColor(AState);
}

TColor TcxCustomLookAndFeelPainter::DefaultLayoutViewContentColor() { return DefaultContentColor(); }

TColor TcxCustomLookAndFeelPainter::DefaultLayoutViewContentTextColor(TcxButtonState AState) {
  switch (AState) {
    case cxbsPressed: return DefaultSelectionTextColor();
    case cxbsDisabled: return clInactiveCaptionText;
    default: return DefaultContentTextColor();
  }
}

TColor TcxCustomLookAndFeelPainter::DefaultGridOptionsTreeViewCategoryColor(bool ASelected) {
  return ASelected ? clHighlight : clBtnShadow;
}

TColor TcxCustomLookAndFeelPainter::DefaultGridOptionsTreeViewCategoryTextColor(bool ASelected) {
  return ASelected ? clHighlightText : clBtnText;
}

// ---------------------------------------------------------------- drawing bases

std::unique_ptr<TdxSkinDetails> TcxCustomLookAndFeelPainter::BuildDetails() {
  auto details = std::make_unique<TdxSkinDetails>();
  details->SetName(LookAndFeelName());
  details->SetDisplayName(LookAndFeelName());
  details->SetGroupName(dxTranslatedResString(scxBuiltInLookAndFeelStyles));
  const HMODULE module = GetModuleHandleW(nullptr);
  for (auto [size, suffix] : {std::pair{sis16, L"16"}, std::pair{sis48, L"48"}}) {
    const String resourceName = L"CX_LOOKANDFEELSTYLEICON_" + UpperCase(LookAndFeelName()) + suffix;
    if (FindResourceW(module, resourceName.c_str(), L"PNG"))
      details->GetIcon(size)->LoadFromResource(module, resourceName, L"PNG");
    else
      details->GetIcon(size)->Clear();
  }
  return details;
}

TdxSkinDetails* TcxCustomLookAndFeelPainter::CachedDetails() {
  if (!FLookAndFeelPainterDetailsCache) FLookAndFeelPainterDetailsCache = BuildDetails();
  return FLookAndFeelPainterDetailsCache.get();
}

TColor TcxCustomLookAndFeelPainter::HotLightTextColor() { return dxOsVistaUp ? clHotLight : clHighlightText; }

void TcxCustomLookAndFeelPainter::FillBackground(TcxCanvas* ACanvas, const TRect& R, TBitmap* ABackgroundBitmap,
                                                 TColor ABackgroundColor, bool ATransparent) {
  if (!ATransparent)
    ACanvas->FillRect(R, ABackgroundColor);
  else if (ABackgroundBitmap)
    ACanvas->FillRect(R, ABackgroundBitmap);
}

void TcxCustomLookAndFeelPainter::DrawFilledTriangle(TcxCanvas* ACanvas, const TRect& R, TColor AColor) {
  int width = R.Width() / 2;
  if (width % 2 == 0) ++width;
  const int height = width / 2 + 1;
  const int left = (R.Left + R.Right - width) / 2;
  const int top = cxHalfRounded(R.Top + R.Bottom - height);
  cxDrawSolidPolygon(ACanvas, {TPoint(left, top), TPoint(left + width - 1, top), TPoint(left + width / 2, top + height - 1)},
                     AColor);
}

void TcxCustomLookAndFeelPainter::DrawCellBackgroundAndText(
    TcxCanvas* ACanvas, const TRect& R, const TRect& ATextRect, TcxButtonState AState, TAlignment AAlignmentHorz,
    TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis, const String& AText, TFont* AFont,
    TColor ATextColor, TColor AColor, const TcxDrawBackgroundEvent& AOnDrawBackground, bool AIsFooter) {
  if (!AOnDrawBackground || !AOnDrawBackground(ACanvas, R)) ACanvas->FillRect(R, AColor);
  if (AText.empty()) return;
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->SetFont(AFont);
  ACanvas->Font()->SetColor(ATextColor);
  ACanvas->DrawTexT(AText, ATextRect, AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis);
  ACanvas->Brush()->SetStyle(bsSolid);
}

void TcxCustomLookAndFeelPainter::DrawStateGlyph(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                 bool AActive) {
  static constexpr TPoint funnel[] = {{0, 0}, {5, 0}, {5, 2}, {4, 2}, {4, 3}, {3, 3}, {3, 5},
                                      {2, 5}, {2, 3}, {1, 3}, {1, 2}, {0, 2}, {0, 0}};
  const TPoint origin(cxFloorHalf(R.Left + R.Right - 6), cxFloorHalf(R.Top + R.Bottom - 6));
  std::vector<TPoint> points;
  for (const TPoint& offset : funnel) points.emplace_back(origin.X + offset.X, origin.Y + offset.Y);
  ACanvas->Pen()->SetColor(StateGlyphColor(AState, AActive));
  ACanvas->Polyline(points);
}

TColor TcxCustomLookAndFeelPainter::StateGlyphColor(TcxButtonState AState, bool AActive) {
  constexpr TColor inactive = TColor(0x909090);
  switch (AState) {
    case cxbsNormal: return TColor(0x848484);
    case cxbsHot: return TColor(0x303030);
    case cxbsDisabled: return inactive;
    default: return AActive ? TColor(0xFF2600) : inactive;
  }
}

TRect TcxCustomLookAndFeelPainter::CenterSpanInRect(const TRect& R, int ALength, bool AHorizontal) {
  TRect result = R;
  const int half = ALength / 2;
  if (AHorizontal) {
    const int middle = cxFloorHalf(R.Left + R.Right);
    result.Left = middle - half;
    result.Right = middle + ALength - half;
  } else {
    const int middle = cxFloorHalf(R.Top + R.Bottom);
    result.Top = middle - half;
    result.Bottom = middle + ALength - half;
  }
  return result;
}
