// The modern view: its month, year, decade and century tables, the date
// view that switches between them with animated slides and zooms, and the
// top element's layout.
#include <algorithm>

#include "components/core/dxGdiPlusClasses.h"
#include "components/editors-rich/cxCalendar.h"
#include "vcl/rtl/DateUtils.h"

namespace {

// The selection, or today when there is none.
double FocusedDate(TcxCustomCalendar* ACalendar) {
  const double selected = ACalendar->SelectDate();
  return selected == cxNullDate ? Date() : cxExtractDatePart(selected);
}

TSize SampleCellSize(TFont* AFont, const String& ASample, const TRect& AMargins, int ALines = 1) {
  TcxCanvas* canvas = cxSharedScreenCanvas();
  canvas->Font()->Assign(AFont);
  const TSize extent = canvas->TextExtent(ASample);
  TSize size{extent.cx + AMargins.Left + AMargins.Right, ALines * extent.cy + AMargins.Top + AMargins.Bottom};
  dxRaiseToTouchMinimum(size.cx);
  dxRaiseToTouchMinimum(size.cy);
  return size;
}

// AD with its Gregorian year, or month, replaced; the day is clamped.
double WithYearMonth(double AD, int AYear, int AMonth) {
  if (AYear < 100 || AYear > cxMaxYear) return cxNullDate;
  const int day = cxClampDayToMonth(AYear, AMonth, cxDecodeDatePart(2, AD));
  return EncodeDate(AYear, AMonth, day);
}
double WithYear(double AD, int AYear) { return WithYearMonth(AD, AYear, cxDecodeDatePart(1, AD)); }
double WithMonth(double AD, int AMonth) { return WithYearMonth(AD, cxDecodeDatePart(0, AD), AMonth); }

// ---------------------------------------------------------------- modern month table

class TcxCalendarModernDayCellViewInfo : public TcxCalendarDayCellViewInfo {
  VCL_CLASS(TcxCalendarModernDayCellViewInfo, TcxCalendarDayCellViewInfo)
public:
  using TcxCalendarDayCellViewInfo::TcxCalendarDayCellViewInfo;

protected:
  void CalculateTextRect() override {
    FHorzAlignment = taCenter;
    TcxCanvas* canvas = cxSharedScreenCanvas();
    canvas->Font()->Assign(Font());
    const TSize extent = canvas->TextExtent(L"00");
    const int left = FBounds.Left + (FBounds.Width() - extent.cx) / 2;
    const int top = FBounds.Top + (FBounds.Height() - extent.cy) / 2;
    FTextRect = TRect(left, top, left + extent.cx, top + extent.cy);
  }
  TcxCalendarElementStates GetExcludedStates() override { return {}; }
};

class TcxCalendarModernMonthTableViewInfo : public TcxCalendarMonthTableViewInfo {
  VCL_CLASS(TcxCalendarModernMonthTableViewInfo, TcxCalendarMonthTableViewInfo)
public:
  using TcxCalendarMonthTableViewInfo::TcxCalendarMonthTableViewInfo;

protected:
  std::unique_ptr<TcxCalendarDateCellViewInfo> CreateCell(int AIndex, int AColumn, int ARow) override {
    return std::make_unique<TcxCalendarModernDayCellViewInfo>(this, AIndex, AColumn, ARow);
  }
  TSize GetCellSize() override { return SampleCellSize(Font(), L"Wed", TRect(2, 1, 2, 1)); }
};

// ---------------------------------------------------------------- large tables

// Twelve cells in four columns; the first and the last belong to the
// neighbouring blocks.
class TcxCalendarModernLargeCellViewInfo : public TcxCalendarDateCellViewInfo {
  VCL_CLASS(TcxCalendarModernLargeCellViewInfo, TcxCalendarDateCellViewInfo)
public:
  using TcxCalendarDateCellViewInfo::TcxCalendarDateCellViewInfo;
  bool IsEnabled() override { return Index() >= 1 && Index() <= 10; }
  void MouseUp(TMouseButton AButton, TShiftState, int, int) override {
    if (AButton != mbLeft) return;
    auto* dateView = static_cast<TcxCalendarModernDateViewInfo*>(Calendar()->ViewInfo()->DateViewInfo());
    dateView->ZoomIn();
  }

protected:
  void CalculateTextRect() override {
    FHorzAlignment = taCenter;
    FTextRect = FBounds;
  }
  int FocusedYear() { return cxDecodeDatePart(0, FocusedDate(Calendar())); }
  double InYear(int AYear) {
    if (!Calendar()->GetCalendarTable()->IsValidYear(AYear) || AYear < 100 || AYear > cxMaxYear)
      return cxInvalidCellDate;
    return WithYear(FocusedDate(Calendar()), AYear);
  }
};

class TcxCalendarModernMonthCellViewInfo : public TcxCalendarModernLargeCellViewInfo {
  VCL_CLASS(TcxCalendarModernMonthCellViewInfo, TcxCalendarModernLargeCellViewInfo)
public:
  using TcxCalendarModernLargeCellViewInfo::TcxCalendarModernLargeCellViewInfo;
  String GetText() override { return FormatSettings.ShortMonthNames[Index()]; }
  bool IsEnabled() override { return true; }
  bool IsSelected() override { return Index() + 1 == cxDecodeDatePart(1, FocusedDate(Calendar())); }

protected:
  double GetValue() override { return WithMonth(FocusedDate(Calendar()), Index() + 1); }
};

class TcxCalendarModernYearCellViewInfo : public TcxCalendarModernLargeCellViewInfo {
  VCL_CLASS(TcxCalendarModernYearCellViewInfo, TcxCalendarModernLargeCellViewInfo)
public:
  using TcxCalendarModernLargeCellViewInfo::TcxCalendarModernLargeCellViewInfo;
  String GetText() override {
    return FYear < 100 || FYear > cxMaxYear ? String()
                                            : cxLocalYearText(Calendar()->GetCalendarTable(), EncodeDate(FYear, 1, 1));
  }
  bool IsSelected() override { return FYear == FocusedYear(); }

protected:
  double GetValue() override {
    FYear = FocusedYear() / 10 * 10 - 1 + Index();
    return InYear(FYear);
  }

private:
  int FYear = 0;
};

class TcxCalendarModernDecadeCellViewInfo : public TcxCalendarModernLargeCellViewInfo {
  VCL_CLASS(TcxCalendarModernDecadeCellViewInfo, TcxCalendarModernLargeCellViewInfo)
public:
  using TcxCalendarModernLargeCellViewInfo::TcxCalendarModernLargeCellViewInfo;
  String GetText() override {
    TcxCustomCalendarTable* table = Calendar()->GetCalendarTable();
    const int start = std::max(FStartYear, 100), end = std::min(FEndYear, cxMaxYear);
    if (start > end) return String();
    return cxLocalYearText(table, EncodeDate(start, 1, 1)) + L"-\n" + cxLocalYearText(table, EncodeDate(end, 1, 1));
  }
  bool IsSelected() override { return FStartYear <= FocusedYear() && FocusedYear() <= FEndYear; }

protected:
  double GetValue() override {
    FStartYear = FocusedYear() / 100 * 100 + 10 * Index() - 10;
    FEndYear = FStartYear + 9;
    return InYear(FStartYear + FocusedYear() % 10);
  }

private:
  int FStartYear = 0, FEndYear = 0;
};

class TcxCalendarModernLargeTableViewInfo : public TcxCalendarDateTableViewInfo {
  VCL_CLASS(TcxCalendarModernLargeTableViewInfo, TcxCalendarDateTableViewInfo)
public:
  using TcxCalendarDateTableViewInfo::TcxCalendarDateTableViewInfo;
  TSize GetDimensions() override { return TSize{4, 3}; }
  void EnlargeTo(const TSize& ATableSize) override {
    FCellSize.cx += (ATableSize.cx - FSize.cx) / 4;
    FCellSize.cy += (ATableSize.cy - FSize.cy) / 3;
    FCellSize.cy = std::min(FCellSize.cy, FCellSize.cx);
    FSize = TSize{4 * FCellSize.cx, 3 * FCellSize.cy};
  }

protected:
  int Year(double AD) { return cxDecodeDatePart(0, AD); }
  // The row of a year within its block: cell 0 is the previous block's.
  static int RowOf(int APlace) { return (APlace + 1) / 4; }
};

class TcxCalendarModernYearTableViewInfo : public TcxCalendarModernLargeTableViewInfo {
  VCL_CLASS(TcxCalendarModernYearTableViewInfo, TcxCalendarModernLargeTableViewInfo)
public:
  using TcxCalendarModernLargeTableViewInfo::TcxCalendarModernLargeTableViewInfo;
  bool IsDateInTable(double ADate) override {
    return CalendarTable()->GetYear(ADate) == CalendarTable()->GetYear(Calendar()->FirstDate());
  }
  double GetDownDate(double AD) override { return CalendarTable()->AddMonths(AD, 4); }
  double GetUpDate(double AD) override { return CalendarTable()->AddMonths(AD, -4); }
  double GetNextDate(double AD) override { return CalendarTable()->AddMonths(AD, 1); }
  double GetPriorDate(double AD) override { return CalendarTable()->AddMonths(AD, -1); }
  double GetNextPageDate(double AD) override { return CalendarTable()->AddYears(AD, 1); }
  double GetPriorPageDate(double AD) override { return CalendarTable()->AddYears(AD, -1); }
  double GetRowStartDate(double AD) override { return WithMonth(AD, (cxDecodeDatePart(1, AD) - 1) / 4 * 4 + 1); }
  double GetRowEndDate(double AD) override { return WithMonth(AD, (cxDecodeDatePart(1, AD) - 1) / 4 * 4 + 4); }
  double GetFirstDate(double AD) override { return MonthOfTableYear(AD, 1); }
  double GetLastDate(double AD) override { return MonthOfTableYear(AD, 12); }

protected:
  std::unique_ptr<TcxCalendarDateCellViewInfo> CreateCell(int AIndex, int AColumn, int ARow) override {
    return std::make_unique<TcxCalendarModernMonthCellViewInfo>(this, AIndex, AColumn, ARow);
  }
  TSize GetCellSize() override { return SampleCellSize(Font(), L"Feb", TRect(4, 4, 4, 4)); }

private:
  double MonthOfTableYear(double AD, int AMonth) {
    TcxDateTime parts = CalendarTable()->FromDateTime(AD);
    parts.Month = AMonth;
    parts.Day = std::min<uint32_t>(parts.Day, CalendarTable()->GetDaysInMonth(parts.Era, parts.Year, AMonth));
    return CalendarTable()->ToDateTime(parts);
  }
};

class TcxCalendarModernDecadeTableViewInfo : public TcxCalendarModernLargeTableViewInfo {
  VCL_CLASS(TcxCalendarModernDecadeTableViewInfo, TcxCalendarModernLargeTableViewInfo)
public:
  using TcxCalendarModernLargeTableViewInfo::TcxCalendarModernLargeTableViewInfo;
  bool IsDateInTable(double ADate) override { return Year(ADate) / 10 == Year(Calendar()->FirstDate()) / 10; }
  double GetDownDate(double AD) override { return CalendarTable()->AddYears(AD, 4); }
  double GetUpDate(double AD) override { return CalendarTable()->AddYears(AD, -4); }
  double GetNextDate(double AD) override { return CalendarTable()->AddYears(AD, 1); }
  double GetPriorDate(double AD) override { return CalendarTable()->AddYears(AD, -1); }
  double GetNextPageDate(double AD) override { return CalendarTable()->AddYears(AD, 10); }
  double GetPriorPageDate(double AD) override { return CalendarTable()->AddYears(AD, -10); }
  double GetRowStartDate(double AD) override { return WithYear(AD, BlockStart(AD) - 1 + RowOf(Year(AD) % 10) * 4); }
  double GetRowEndDate(double AD) override { return WithYear(AD, BlockStart(AD) + 2 + RowOf(Year(AD) % 10) * 4); }
  double GetFirstDate(double AD) override { return WithYear(AD, TableYear(AD) / 10 * 10); }
  double GetLastDate(double AD) override { return WithYear(AD, TableYear(AD) / 10 * 10 + 9); }

protected:
  std::unique_ptr<TcxCalendarDateCellViewInfo> CreateCell(int AIndex, int AColumn, int ARow) override {
    return std::make_unique<TcxCalendarModernYearCellViewInfo>(this, AIndex, AColumn, ARow);
  }
  TSize GetCellSize() override { return SampleCellSize(Font(), L"9999", TRect(4, 4, 4, 4)); }

private:
  int BlockStart(double AD) { return Year(AD) / 10 * 10; }
  int TableYear(double AD) { return CalendarTable()->GetYear(AD); }
};

class TcxCalendarModernCenturyTableViewInfo : public TcxCalendarModernLargeTableViewInfo {
  VCL_CLASS(TcxCalendarModernCenturyTableViewInfo, TcxCalendarModernLargeTableViewInfo)
public:
  using TcxCalendarModernLargeTableViewInfo::TcxCalendarModernLargeTableViewInfo;
  bool IsDateInTable(double ADate) override { return Year(ADate) / 100 == Year(Calendar()->FirstDate()) / 100; }
  double GetDownDate(double AD) override { return CalendarTable()->AddYears(AD, 40); }
  double GetUpDate(double AD) override { return CalendarTable()->AddYears(AD, -40); }
  double GetNextDate(double AD) override { return CalendarTable()->AddYears(AD, 10); }
  double GetPriorDate(double AD) override { return CalendarTable()->AddYears(AD, -10); }
  double GetNextPageDate(double AD) override { return CalendarTable()->AddYears(AD, 100); }
  double GetPriorPageDate(double AD) override { return CalendarTable()->AddYears(AD, -100); }
  double GetRowStartDate(double AD) override { return DecadeOfCell(AD, RowOf(Year(AD) % 100 / 10) * 4); }
  double GetRowEndDate(double AD) override { return DecadeOfCell(AD, RowOf(Year(AD) % 100 / 10) * 4 + 3); }
  double GetFirstDate(double AD) override { return WithYear(AD, CenturyStart(AD) + Year(AD) % 10); }
  double GetLastDate(double AD) override { return WithYear(AD, CenturyStart(AD) + 90 + Year(AD) % 10); }

protected:
  std::unique_ptr<TcxCalendarDateCellViewInfo> CreateCell(int AIndex, int AColumn, int ARow) override {
    return std::make_unique<TcxCalendarModernDecadeCellViewInfo>(this, AIndex, AColumn, ARow);
  }
  TSize GetCellSize() override { return SampleCellSize(Font(), L"9999-", TRect(4, 4, 4, 4), 2); }

private:
  int CenturyStart(double AD) { return CalendarTable()->GetYear(AD) / 100 * 100; }
  // The year of AD moved into the decade of cell AIndex.
  double DecadeOfCell(double AD, int AIndex) {
    return WithYear(AD, Year(AD) / 100 * 100 + 10 * AIndex - 10 + Year(AD) % 10);
  }
};

}  // namespace

// ---------------------------------------------------------------- animated images

TcxCalendarAnimatedImageInfo::TcxCalendarAnimatedImageInfo(TdxSmartImage* AImage, const TRect& ASourceBounds,
                                                           const TRect& ADestBounds, const TRect& AClipRect,
                                                           const TcxCalendarAnimatedImageState& AStartState,
                                                           const TcxCalendarAnimatedImageState& AEndState)
    : FImage(AImage), FSourceBounds(ASourceBounds), FDestBounds(ADestBounds), FClipRect(AClipRect),
      FCurrentDestBounds(ADestBounds), FStartState(AStartState), FEndState(AEndState),
      FCurrentAlphaValue(AStartState.Alpha) {}

void TcxCalendarAnimatedImageInfo::Initialize(int ALength) {
  FScaleKoef = TdxSizeF((FEndState.Scale.cx - FStartState.Scale.cx) / ALength,
                        (FEndState.Scale.cy - FStartState.Scale.cy) / ALength);
  FOffsetKoef = TdxPointF((FEndState.Offset.X - FStartState.Offset.X) / ALength,
                          (FEndState.Offset.Y - FStartState.Offset.Y) / ALength);
  FAlphaKoef = (static_cast<double>(FEndState.Alpha) - FStartState.Alpha) / ALength;
}

void TcxCalendarAnimatedImageInfo::Calculate(int APosition) {
  const int width = std::lround(FDestBounds.Width() * (FStartState.Scale.cx + APosition * FScaleKoef.cx));
  const int height = std::lround(FDestBounds.Height() * (FStartState.Scale.cy + APosition * FScaleKoef.cy));
  TRect moved = FDestBounds;
  moved.Offset(std::lround(FStartState.Offset.X + APosition * FOffsetKoef.X),
               std::lround(FStartState.Offset.Y + APosition * FOffsetKoef.Y));
  const int left = moved.Left + (moved.Width() - width) / 2;
  const int top = moved.Top + (moved.Height() - height) / 2;
  FCurrentDestBounds = TRect(left, top, left + width, top + height);
  FCurrentAlphaValue = static_cast<uint8_t>(std::clamp<long>(std::lround(FStartState.Alpha + APosition * FAlphaKoef), 0, 255));
}

void TcxCalendarAnimatedImageInfo::Paint(TdxGPCanvas* AGpCanvas) {
  AGpCanvas->SaveClipRegion();
  AGpCanvas->SetClipRect(FClipRect, gmIntersect);
  AGpCanvas->Draw(FImage, FCurrentDestBounds, FSourceBounds, FCurrentAlphaValue);
  AGpCanvas->RestoreClipRegion();
}

TcxCalendarModernDateViewAnimationController::TcxCalendarModernDateViewAnimationController(
    TcxCalendarModernDateViewInfo* ADateViewInfo)
    : FDateViewInfo(ADateViewInfo) {}

TcxCalendarModernDateViewAnimationController::~TcxCalendarModernDateViewAnimationController() = default;

TcxCalendarAnimatedImageInfo* TcxCalendarModernDateViewAnimationController::AddImage(
    TdxSmartImage* AImage, const TRect& ASourceBounds, const TRect& ADestBounds, const TRect& AClipRect,
    const TcxCalendarAnimatedImageState& AStartState, const TcxCalendarAnimatedImageState& AEndState) {
  FImageInfos.push_back(std::make_unique<TcxCalendarAnimatedImageInfo>(AImage, ASourceBounds, ADestBounds, AClipRect,
                                                                       AStartState, AEndState));
  return FImageInfos.back().get();
}

void TcxCalendarModernDateViewAnimationController::DrawImages(TdxGPCanvas* AGpCanvas) {
  for (auto& image : FImageInfos) image->Paint(AGpCanvas);
}

void TcxCalendarModernDateViewAnimationController::Start() {
  constexpr int length = 255;
  FAnimation = std::make_unique<TdxAnimationTransition>(length, ateLinear, length, atmIn);
  FAnimation->SetFreeOnTerminate(false);
  FAnimation->OnAnimate = [this](TdxAnimationTransition*, int& APosition, bool&) {
    for (auto& image : FImageInfos) image->Calculate(APosition);
    if (OnFrame) OnFrame(APosition);
    FDateViewInfo->Invalidate();
    FDateViewInfo->Calendar()->Update();
  };
  for (auto& image : FImageInfos) image->Initialize(length);
  struct TActive {
    bool& Flag;
    explicit TActive(bool& AFlag) : Flag(AFlag) { Flag = true; }
    ~TActive() { Flag = false; }
  } active(FIsActive);
  FAnimation->ImmediateAnimation();
}

// ---------------------------------------------------------------- modern date view

TcxCalendarModernDateViewInfo::TcxCalendarModernDateViewInfo(TcxCustomCalendar* ACalendar)
    : TcxCalendarDateViewInfo(ACalendar, std::make_unique<TcxCalendarModernMonthTableViewInfo>(ACalendar)),
      FAnimationController(std::make_unique<TcxCalendarModernDateViewAnimationController>(this)),
      FYearTableViewInfo(std::make_unique<TcxCalendarModernYearTableViewInfo>(ACalendar)),
      FDecadeTableViewInfo(std::make_unique<TcxCalendarModernDecadeTableViewInfo>(ACalendar)),
      FCenturyTableViewInfo(std::make_unique<TcxCalendarModernCenturyTableViewInfo>(ACalendar)) {}

TcxCalendarModernDateViewInfo::~TcxCalendarModernDateViewInfo() = default;

TcxCalendarDateTableViewInfo* TcxCalendarModernDateViewInfo::GetTableViewInfo(
    TcxCalendarModernDateViewStyle AViewStyle) const {
  switch (AViewStyle) {
    case cvdsMonth: return FMonthTableViewInfo.get();
    case cvdsYear: return FYearTableViewInfo.get();
    case cvdsDecade: return FDecadeTableViewInfo.get();
    default: return FCenturyTableViewInfo.get();
  }
}

void TcxCalendarModernDateViewInfo::AddVisibleElements() {
  AddVisibleElement(CurrentTable());
  AddVisibleElement(FHeadersViewInfo.get());
}

void TcxCalendarModernDateViewInfo::CalculateSize() {
  // Every table's natural size; the large ones grow to the largest.
  FMaxTableSize = TSize{0, 0};
  for (auto style : {cvdsMonth, cvdsYear, cvdsDecade, cvdsCentury}) {
    TcxCalendarDateTableViewInfo* table = GetTableViewInfo(style);
    table->CalculateSize();
    FMaxTableSize.cx = std::max(FMaxTableSize.cx, table->Size().cx);
    FMaxTableSize.cy = std::max(FMaxTableSize.cy, table->Size().cy);
  }
  for (auto style : {cvdsYear, cvdsDecade, cvdsCentury}) GetTableViewInfo(style)->EnlargeTo(FMaxTableSize);
  FHeadersViewInfo->CalculateSize();
  FSize = GetSize();
}

TSize TcxCalendarModernDateViewInfo::GetSize() {
  return TSize{FMaxTableSize.cx, Calendar()->ViewInfo()->HeaderHeight() + GetContentMargins().Top + FMaxTableSize.cy};
}

void TcxCalendarModernDateViewInfo::CalculateTableBounds() {
  FTableAreaBounds =
      TRect(FBounds.Left, FHeadersViewInfo->Bounds().Bottom + GetContentMargins().Top, FBounds.Right, FBounds.Bottom);
  const TSize table = CurrentTable()->Size();
  const int left = FTableAreaBounds.Left + (FTableAreaBounds.Width() - table.cx) / 2;
  const int top = FTableAreaBounds.Top + (FTableAreaBounds.Height() - table.cy) / 2;
  CurrentTable()->SetBounds(TRect(left, top, left + table.cx, top + table.cy));
}

void TcxCalendarModernDateViewInfo::ZoomIn() {
  if (FViewStyle != cvdsMonth)
    ChangeViewStyle(static_cast<TcxCalendarModernDateViewStyle>(static_cast<int>(FViewStyle) - 1),
                    Calendar()->CanAnimate());
}

void TcxCalendarModernDateViewInfo::ZoomOut() {
  if (FViewStyle != cvdsCentury)
    ChangeViewStyle(static_cast<TcxCalendarModernDateViewStyle>(static_cast<int>(FViewStyle) + 1),
                    Calendar()->CanAnimate());
}

void TcxCalendarModernDateViewInfo::KeyDown(uint16_t& AKey, TShiftState AShift) {
  const bool onlyCtrl = AShift == TShiftState{ssCtrl};
  if (onlyCtrl && AKey == VK_UP)
    ZoomOut();
  else if (onlyCtrl && AKey == VK_DOWN)
    ZoomIn();
  else if (AKey == VK_RETURN || AKey == VK_SPACE)
    ZoomIn();
  else
    CurrentTable()->KeyDown(AKey, AShift);
}

TRect TcxCalendarModernDateViewInfo::SelectedCellBounds() {
  TcxCalendarDateTableViewInfo* table = CurrentTable();
  if (TcxCalendarDateCellViewInfo* cell = table->GetSelectedCell()) return cell->Bounds();
  // No selection and today out of sight: the first of the month shown.
  for (int i = 0; i < table->CellCount(); ++i)
    if (table->Cells(i)->Value() == Calendar()->FirstDate()) return table->Cells(i)->Bounds();
  return table->CellCount() > 0 ? table->Cells(0)->Bounds() : table->Bounds();
}

void TcxCalendarModernDateViewInfo::ChangeViewStyle(TcxCalendarModernDateViewStyle AValue, bool AAnimated) {
  if (AValue == FViewStyle || AValue > cvdsCentury) return;
  FDirection = AValue > FViewStyle ? TcxDirection::dirUp : TcxDirection::dirDown;
  FPrevSelectCellBounds = SelectedCellBounds();
  if (AAnimated) FStartImage = TakeSnapshot();
  FViewStyle = AValue;
  SyncFirstDate();
  Relayout();
  FNexSelectCellBounds = SelectedCellBounds();
  if (AAnimated) {
    FEndImage = TakeSnapshot();
    AnimateZoom();
  }
  Calendar()->CalendarChanged();
}

void TcxCalendarModernDateViewInfo::ChangeFirstDate(double AValue, bool AAnimated) {
  if (!AAnimated || CurrentTable()->IsDateInTable(AValue)) {
    Calendar()->StoreFirstDate(AValue);
    SyncSelectDate();
    Calendar()->CalendarChanged();
    return;
  }
  FDirection = AValue >= Calendar()->FirstDate() ? TcxDirection::dirLeft : TcxDirection::dirRight;
  FStartImage = TakeSnapshot();
  Calendar()->StoreFirstDate(AValue);
  SyncSelectDate();
  Relayout();
  FEndImage = TakeSnapshot();
  AnimateSlide();
  Calendar()->CalendarChanged();
}

void TcxCalendarModernDateViewInfo::ChangeSelectDate(double AValue, bool ARepositionVisibleDates, bool AAnimated) {
  if (!ARepositionVisibleDates || !AAnimated || AValue == cxNullDate) {
    TcxCalendarDateViewInfo::ChangeSelectDate(AValue, ARepositionVisibleDates, false);
    return;
  }
  const bool inTable = CurrentTable()->IsDateInTable(AValue);
  if (!inTable) {
    FDirection = AValue >= Calendar()->SelectDate() ? TcxDirection::dirLeft : TcxDirection::dirRight;
    FStartImage = TakeSnapshot();
  }
  Calendar()->StoreSelectDate(AValue);
  SyncFirstDate();
  if (!inTable) {
    Relayout();
    FEndImage = TakeSnapshot();
    AnimateSlide();
  }
  Calendar()->CalendarChanged();
}

std::unique_ptr<TdxSmartImage> TcxCalendarModernDateViewInfo::TakeSnapshot() {
  TcxBitmap32 bitmap(FBounds.Width(), FBounds.Height(), true);
  TcxCanvas* canvas = bitmap.cxCanvas();
  canvas->SetWindowOrg(FBounds.TopLeft());
  Calendar()->ViewInfo()->Paint(canvas);
  canvas->SetWindowOrg(TPoint(0, 0));
  bitmap.MakeOpaque();
  return std::make_unique<TdxSmartImage>(&bitmap);
}

void TcxCalendarModernDateViewInfo::AddHeaderCrossFade() {
  const TRect cell = FHeadersViewInfo->MonthHeaderViewInfo()->TextCell()->Bounds();
  TRect source = cell;
  source.Offset(-FBounds.Left, -FBounds.Top);
  FAnimationController->AddImage(FStartImage.get(), source, cell, cell, {255, {1, 1}, {0, 0}}, {0, {1, 1}, {0, 0}});
  FAnimationController->AddImage(FEndImage.get(), source, cell, cell, {0, {1, 1}, {0, 0}}, {255, {1, 1}, {0, 0}});
}

void TcxCalendarModernDateViewInfo::AnimateSlide() {
  FAnimationController->ClearImages();
  const TRect area = FTableAreaBounds;
  TRect source = area;
  source.Offset(-FBounds.Left, -FBounds.Top);
  const float w = static_cast<float>(area.Width());
  const float side = FDirection == TcxDirection::dirLeft ? 1.0f : -1.0f;
  FAnimationController->AddImage(FStartImage.get(), source, area, area, {255, {1, 1}, {0, 0}},
                                 {255, {1, 1}, {-side * w, 0}});
  FAnimationController->AddImage(FEndImage.get(), source, area, area, {255, {1, 1}, {side * w, 0}},
                                 {255, {1, 1}, {0, 0}});
  AddHeaderCrossFade();
  FAnimationController->Start();
}

void TcxCalendarModernDateViewInfo::AnimateZoom() {
  FAnimationController->ClearImages();
  const TRect area = FTableAreaBounds;
  TRect source = area;
  source.Offset(-FBounds.Left, -FBounds.Top);
  const bool zoomIn = FDirection == TcxDirection::dirDown;
  const TRect c = zoomIn ? FPrevSelectCellBounds : FNexSelectCellBounds;
  const float cw = std::max(1, c.Width()), ch = std::max(1, c.Height());
  const float aw = area.Width(), ah = area.Height();
  const float dx = (area.Left + area.Right) / 2.0f - (c.Left + c.Right) / 2.0f;
  const float dy = (area.Top + area.Bottom) / 2.0f - (c.Top + c.Bottom) / 2.0f;
  const TcxCalendarAnimatedImageState unchanged{255, {1, 1}, {0, 0}};
  if (zoomIn) {
    const TdxSizeF grown(aw / cw, ah / ch);
    FAnimationController->AddImage(FStartImage.get(), source, area, area, unchanged,
                                   {0, grown, {dx * grown.cx, dy * grown.cy}});
    FAnimationController->AddImage(FEndImage.get(), source, area, area, {0, {cw / aw, ch / ah}, {-dx, -dy}},
                                   unchanged);
  } else {
    const TdxSizeF grown(aw / cw, ah / ch);
    FAnimationController->AddImage(FStartImage.get(), source, area, area, unchanged,
                                   {0, {cw / aw, ch / ah}, {-dx, -dy}});
    FAnimationController->AddImage(FEndImage.get(), source, area, area, {0, grown, {dx * grown.cx, dy * grown.cy}},
                                   unchanged);
  }
  AddHeaderCrossFade();
  FAnimationController->Start();
}

void TcxCalendarModernDateViewInfo::Paint(TcxCanvas* ACanvas) {
  if (!FAnimationController->IsActive()) {
    PaintChildren(ACanvas);
    return;
  }
  ACanvas->FillRect(FTableAreaBounds, Calendar()->GetBackgroundColor());
  dxGpPaintOnDC(ACanvas->Handle(), FBounds, [this](TdxGPCanvas* AGpCanvas) {
    AGpCanvas->SetSmoothingMode(smAntiAlias);
    FAnimationController->DrawImages(AGpCanvas);
  });
  ACanvas->SaveClipRegion();
  ACanvas->ExcludeClipRect(FTableAreaBounds);
  ACanvas->ExcludeClipRect(FHeadersViewInfo->MonthHeaderViewInfo()->TextCell()->Bounds());
  FHeadersViewInfo->Paint(ACanvas);
  ACanvas->RestoreClipRegion();
}

// ---------------------------------------------------------------- modern top element

TcxCalendarModernViewInfo::TcxCalendarModernViewInfo(TcxCustomCalendar* ACalendar) : TcxCalendarViewInfo(ACalendar) {
  CreateElements();
}

std::unique_ptr<TcxCalendarDateViewInfo> TcxCalendarModernViewInfo::CreateDateViewInfo() {
  return std::make_unique<TcxCalendarModernDateViewInfo>(Calendar());
}

bool TcxCalendarModernViewInfo::IsHeaderVisible() { return Calendar()->ShowToday(); }

TSize TcxCalendarModernViewInfo::GetArrowSize() {
  const int off = Calendar()->Kind() == ckDateTime || !Calendar()->Flat() ? 1 : 0;
  const int side = FHeaderHeight - off - 1;
  return TSize{side, side};
}

bool TcxCalendarModernViewInfo::CanCloseOnDateClick() {
  return TcxCalendarViewInfo::CanCloseOnDateClick() && ModernDateViewInfo()->ViewStyle() == cvdsMonth;
}

String TcxCalendarModernViewInfo::GetMonthHeaderText() {
  TcxCustomCalendarTable* table = Calendar()->GetCalendarTable();
  const double date = FocusedDate(Calendar());
  switch (ModernDateViewInfo()->ViewStyle()) {
    case cvdsMonth: return cxMonthYearText(table, date);
    case cvdsYear: return cxLocalYearText(table, date);
    default: {
      const int n = ModernDateViewInfo()->ViewStyle() == cvdsDecade ? 10 : 100;
      const int start = std::max(100, cxDecodeDatePart(0, date) / n * n);
      const int end = std::min(cxMaxYear, start / n * n + n - 1);
      return cxLocalYearText(table, EncodeDate(start, 1, 1)) + L"-" + cxLocalYearText(table, EncodeDate(end, 1, 1));
    }
  }
}

TRect TcxCalendarModernViewInfo::Margins() {
  const int fontSize = Font()->Size();
  const int b = Calendar()->Kind() == ckDateTime ? MulDiv(fontSize, 7, 4) : MulDiv(fontSize, 3, 8);
  return TRect(b, fontSize, b, b);
}

TSize TcxCalendarModernViewInfo::GetSize() {
  const TRect margins = Margins();
  const int fontSize = Font()->Size();
  const bool buttons = AnyButtonVisible();
  int height = margins.Top + FDateViewInfo->Size().cy + (buttons ? FButtonsViewInfo->Size().cy : margins.Bottom);
  if (Calendar()->Kind() == ckDateTime) height = std::max(height, margins.Top + FTimeViewInfo->Size().cy);
  if (IsHeaderVisible()) height += fontSize + FHeaderHeight;
  int width = std::max(FDateViewInfo->Size().cx, buttons ? FButtonsViewInfo->Size().cx : 0) + margins.Left +
              margins.Right;
  if (Calendar()->Kind() == ckDateTime) width += MulDiv(fontSize, 7, 4) + FTimeViewInfo->Size().cx;
  return TSize{width, height};
}

void TcxCalendarModernViewInfo::CalculateElementBounds() {
  const TRect margins = Margins();
  const int fontSize = Font()->Size();
  FHeaderViewInfo->SetBounds(
      TRect(FBounds.Left, FBounds.Top + fontSize, FBounds.Right, FBounds.Top + fontSize + FHeaderHeight));
  const bool buttons = AnyButtonVisible();
  const TSize date = FDateViewInfo->Size();
  const int buttonsWidth = buttons ? FButtonsViewInfo->Size().cx : 0;
  const int left = FBounds.Left + margins.Left + std::max(0, (buttonsWidth - date.cx) / 2);
  const int top = FBounds.Top + (IsHeaderVisible() ? fontSize + FHeaderHeight : 0) + margins.Top;
  FDateViewInfo->SetBounds(TRect(left, top, left + date.cx, top + date.cy));
  if (buttons) {
    const int region = FButtonsViewInfo->Size().cy;
    const bool narrower = buttonsWidth < date.cx;
    const int bLeft = narrower ? left : FBounds.Left + margins.Left;
    FButtonsViewInfo->SetBounds(
        TRect(bLeft, FBounds.Bottom - region, bLeft + (narrower ? date.cx : buttonsWidth), FBounds.Bottom));
  }
  if (Calendar()->Kind() == ckDateTime) {
    const int right = FBounds.Right - margins.Right;
    FTimeViewInfo->SetBounds(TRect(right - FTimeViewInfo->Size().cx, top, right, FBounds.Bottom));
  }
}

void TcxCalendarModernViewInfo::Paint(TcxCanvas* ACanvas) {
  ACanvas->FillRect(FBounds, Calendar()->GetBackgroundColor());
  PaintChildren(ACanvas);
}
