#pragma once
// The month calendar: the control with its dates and limits, a tree of
// element view infos that lays it out, hit-tests and paints it, the painters
// that draw the elements through the look-and-feel painter, the controllers
// that turn input into actions, the modern view's zoom levels with their
// animation, and the classic view's popup month list.
#include <array>
#include <memory>
#include <vector>

#include "components/controls/cxControls.h"
#include "components/core/cxClasses.h"
#include "components/core/cxDateUtils.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/editors-basic/cxTimeEdit.h"
#include "components/editors/cxEdit.h"
#include "components/lookandfeel/dxAnimation.h"

class TcxButton;
class TcxClock;
class TcxCustomCalendar;
class TcxCustomDateEdit;
class TcxCalendarController;
class TcxCalendarHitTest;
class TcxCalendarPainter;
class TcxCalendarViewInfo;
class TcxMonthListBox;

enum class TcxCalendarKind { ckDate, ckDateTime };
using enum TcxCalendarKind;
enum class TcxCalendarView { cavClassic, cavModern };
using enum TcxCalendarView;
enum class TCalendarButton { btnClear, btnNow, btnToday, btnOk };
using enum TCalendarButton;
using TDateButton = TCalendarButton;
using TDateButtons = TSet<TCalendarButton>;
enum class TcxCalendarModernDateViewStyle { cvdsMonth, cvdsYear, cvdsDecade, cvdsCentury };
using enum TcxCalendarModernDateViewStyle;

// How a day is drawn, as the owner's custom-draw events see it.
enum class TCustomDrawStateItem { cdsSelected, cdsGrayed, cdsFocused, cdsDefault, cdsHot, cdsMarked };
using enum TCustomDrawStateItem;
using TCustomDrawState = TSet<TCustomDrawStateItem>;

using TcxCalendarGetDayOfWeekStateEvent = std::function<void(TObject* Sender, TDay ADayOfWeek,
                                                             TCustomDrawState AState, TFont* AFont,
                                                             TColor& ABackgroundColor)>;
using TcxCalendarGetDayStateEvent = std::function<void(TObject* Sender, TDateTime ADate, TCustomDrawState AState,
                                                       TFont* AFont, TColor& ABackgroundColor)>;

// A value standing for no valid date in a cell.
constexpr double cxInvalidCellDate = -699999.0;

// ---------------------------------------------------------------- element view infos

// One element of the calendar: bounds, size, state, the visible children
// and what it does with the mouse and keys. Elements own the children they
// create; the visible list only points at them.
class TcxCalendarElementViewInfo : public TObject {
  VCL_CLASS(TcxCalendarElementViewInfo, TObject)
public:
  explicit TcxCalendarElementViewInfo(TcxCustomCalendar* ACalendar);

  const TRect& Bounds() const { return FBounds; }
  void SetBounds(const TRect& AValue) { FBounds = AValue; }
  const TSize& Size() const { return FSize; }
  TcxCalendarElementState State() const { return FState; }
  void SetState(TcxCalendarElementState AValue);
  TcxCustomCalendar* Calendar() const { return FCalendar; }
  TFont* Font() const;
  int VisibleElementCount() const { return static_cast<int>(FVisibleElements.size()); }
  TcxCalendarElementViewInfo* VisibleElement(int AIndex) const { return FVisibleElements[AIndex]; }

  virtual void CalculateBounds();
  virtual void CalculateSize();
  virtual void Click();
  virtual void DblClick() {}
  // Sets this element's bit when it has one and holds the point, then asks
  // the visible children from the last (topmost) to the first.
  virtual bool HitTest(TcxCalendarHitTest* AHitTest);
  virtual void Initialize();
  virtual void Invalidate();
  virtual void KeyDown(uint16_t& AKey, TShiftState AShift) {}
  virtual void MouseDown(TMouseButton AButton, TShiftState AShift, int X, int Y) {}
  virtual void MouseMove(TShiftState AShift, int X, int Y) {}
  virtual void MouseUp(TMouseButton AButton, TShiftState AShift, int X, int Y) {}
  virtual void Paint(TcxCanvas* ACanvas) { PaintChildren(ACanvas); }
  virtual void TranslationChanged();
  bool PtInElement(const TPoint& P) const { return FBounds.Contains(P); }

  TNotifyEvent OnClick;

protected:
  virtual void AddVisibleElements() {}
  virtual void CalculateChildSizes();
  virtual TSize GetSize() { return TSize{0, 0}; }
  virtual int GetHitTestIndex() { return 0; }
  void AddVisibleElement(TcxCalendarElementViewInfo* AElement) { FVisibleElements.push_back(AElement); }
  void ClearVisibleElements();
  void PaintChildren(TcxCanvas* ACanvas);
  TcxCalendarPainter* Painter() const;

  TRect FBounds;
  TSize FSize{0, 0};

private:
  TcxCustomCalendar* FCalendar;
  TcxCalendarElementState FState = cesNormal;
  std::vector<TcxCalendarElementViewInfo*> FVisibleElements;
};

class TcxCalendarDateTableViewInfo;

// A cell of a date table: a day, a month, a year or a decade.
class TcxCalendarDateCellViewInfo : public TcxCalendarElementViewInfo {
  VCL_CLASS(TcxCalendarDateCellViewInfo, TcxCalendarElementViewInfo)
public:
  TcxCalendarDateCellViewInfo(TcxCalendarDateTableViewInfo* ATable, int AIndex, int AColumn, int ARow);

  int Column() const { return FColumn; }
  int Row() const { return FRow; }
  int Index() const { return FIndex; }
  double Value() const { return FValue; }
  const TRect& TextRect() const { return FTextRect; }
  TAlignment HorzAlignment() const { return FHorzAlignment; }
  TcxCalendarDateTableViewInfo* Table() const { return FTable; }

  void CalculateBounds() override;
  void Initialize() override;
  void Paint(TcxCanvas* ACanvas) override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int X, int Y) override;
  void MouseMove(TShiftState AShift, int X, int Y) override;
  virtual TcxCalendarElementStates GetStates();
  virtual String GetText() = 0;
  virtual bool IsEnabled() = 0;
  virtual bool IsSelected() = 0;
  virtual void Select();

protected:
  virtual void CalculateTextRect();
  virtual double GetValue() = 0;
  virtual void DrawBackground(TcxCanvas* ACanvas, const TcxCalendarElementStates& AStates) {}
  virtual TcxCalendarElementStates GetExcludedStates() { return {}; }
  virtual bool IsMarked() { return false; }
  int GetHitTestIndex() override { return 5; }

  TAlignment FHorzAlignment = taCenter;
  TRect FTextRect;
  double FValue = cxInvalidCellDate;

private:
  TcxCalendarDateTableViewInfo* FTable;
  int FColumn, FIndex, FRow;
};

// A grid of date cells with the keyboard moves of its level.
class TcxCalendarDateTableViewInfo : public TcxCalendarElementViewInfo {
  VCL_CLASS(TcxCalendarDateTableViewInfo, TcxCalendarElementViewInfo)
public:
  explicit TcxCalendarDateTableViewInfo(TcxCustomCalendar* ACalendar);

  int CellCount() const { return static_cast<int>(FDateCells.size()); }
  TcxCalendarDateCellViewInfo* Cells(int AIndex) const { return FDateCells[AIndex].get(); }
  const TSize& CellSize() const { return FCellSize; }
  // Large tables take the size the date view shares among its tables.
  virtual void EnlargeTo(const TSize& ATableSize) {}
  virtual TSize GetDimensions() { return TSize{7, 6}; }
  virtual bool IsDateInTable(double ADate) = 0;
  TcxCalendarDateCellViewInfo* GetSelectedCell();
  // The top-left of the cell grid (under a day-name row, after a week column).
  virtual TPoint CellsOrigin() { return FBounds.TopLeft(); }

  void CalculateBounds() override;
  void Initialize() override;
  void KeyDown(uint16_t& AKey, TShiftState AShift) override;

  // Where each key moves the selection AD to; the null date keeps it.
  virtual double GetDownDate(double AD) = 0;
  virtual double GetUpDate(double AD) = 0;
  virtual double GetFirstDate(double AD) = 0;
  virtual double GetRowStartDate(double AD) = 0;
  virtual double GetLastDate(double AD) = 0;
  virtual double GetRowEndDate(double AD) = 0;
  virtual double GetNextDate(double AD) = 0;
  virtual double GetNextPageDate(double AD) = 0;
  virtual double GetPriorDate(double AD) = 0;
  virtual double GetPriorPageDate(double AD) = 0;

protected:
  void CreateCells();
  virtual std::unique_ptr<TcxCalendarDateCellViewInfo> CreateCell(int AIndex, int AColumn, int ARow) = 0;
  virtual TSize GetCellSize() = 0;
  virtual TSize CalculateTableSize();
  TSize GetSize() override { return CalculateTableSize(); }
  TcxCustomCalendarTable* CalendarTable() const;

  TSize FCellSize{0, 0};

private:
  std::vector<std::unique_ptr<TcxCalendarDateCellViewInfo>> FDateCells;
};

class TcxCalendarDayCellViewInfo : public TcxCalendarDateCellViewInfo {
  VCL_CLASS(TcxCalendarDayCellViewInfo, TcxCalendarDateCellViewInfo)
public:
  using TcxCalendarDateCellViewInfo::TcxCalendarDateCellViewInfo;
  TDateTime Date() const { return FDate; }
  String GetText() override { return cxDayNumberText(FDate); }
  bool IsEnabled() override;
  bool IsSelected() override;
  void DblClick() override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int X, int Y) override;

protected:
  double GetValue() override;
  void CalculateTextRect() override;
  void DrawBackground(TcxCanvas* ACanvas, const TcxCalendarElementStates& AStates) override;
  TcxCalendarElementStates GetExcludedStates() override { return {cesHot, cesFocused}; }
  bool IsMarked() override;

  TDateTime FDate = 0;
};

// The six weeks of a month with the day names and the week numbers.
class TcxCalendarMonthTableViewInfo : public TcxCalendarDateTableViewInfo {
  VCL_CLASS(TcxCalendarMonthTableViewInfo, TcxCalendarDateTableViewInfo)
public:
  explicit TcxCalendarMonthTableViewInfo(TcxCustomCalendar* ACalendar);

  int WeekNumberWidth() const { return FWeekNumberWidth; }
  int DaysOfWeekHeight() const { return FDaysOfWeekHeight; }
  // The week number a row shows, or 0 when its first day is out of range.
  int RowWeekNumber(int ARow);
  TPoint CellsOrigin() override;
  bool IsDateInTable(double ADate) override;
  void Paint(TcxCanvas* ACanvas) override;

  double GetDownDate(double AD) override { return AD + 7; }
  double GetUpDate(double AD) override { return AD - 7; }
  double GetFirstDate(double AD) override;
  double GetRowStartDate(double AD) override;
  double GetLastDate(double AD) override;
  double GetRowEndDate(double AD) override { return GetRowStartDate(AD) + 6; }
  double GetNextDate(double AD) override { return AD + 1; }
  double GetNextPageDate(double AD) override;
  double GetPriorDate(double AD) override { return AD - 1; }
  double GetPriorPageDate(double AD) override;

protected:
  std::unique_ptr<TcxCalendarDateCellViewInfo> CreateCell(int AIndex, int AColumn, int ARow) override;
  TSize GetCellSize() override;
  TSize CalculateTableSize() override;
  virtual void DrawDaysOfWeek(TcxCanvas* ACanvas);
  virtual void DrawWeekNumbers(TcxCanvas* ACanvas);
  virtual String GetDayOfWeekText(TDay ADay);
  TRect DaysOfWeekBounds();
  int WeekIndent();

  int FWeekNumberWidth = 0;
  int FDaysOfWeekHeight = 0;
};

class TcxCalendarArrowViewInfo;
class TcxCalendarDateHeaderCellViewInfo;

// A header over the table: an arrow on each side and a text cell between.
class TcxCalendarDateHeaderViewInfo : public TcxCalendarElementViewInfo {
  VCL_CLASS(TcxCalendarDateHeaderViewInfo, TcxCalendarElementViewInfo)
public:
  TcxCalendarDateHeaderViewInfo(TcxCustomCalendar* ACalendar, bool AIsYear);
  ~TcxCalendarDateHeaderViewInfo() override;
  TcxCalendarArrowViewInfo* LeftArrow() const { return FLeftArrow.get(); }
  TcxCalendarArrowViewInfo* RightArrow() const { return FRightArrow.get(); }
  TcxCalendarDateHeaderCellViewInfo* TextCell() const { return FTextCell.get(); }
  bool IsYear() const { return FIsYear; }
  void CalculateBounds() override;

protected:
  void AddVisibleElements() override;
  int GetHitTestIndex() override { return FIsYear ? 2 : 1; }

private:
  bool FIsYear;
  std::unique_ptr<TcxCalendarArrowViewInfo> FLeftArrow, FRightArrow;
  std::unique_ptr<TcxCalendarDateHeaderCellViewInfo> FTextCell;
};

class TcxCalendarArrowViewInfo : public TcxCalendarElementViewInfo {
  VCL_CLASS(TcxCalendarArrowViewInfo, TcxCalendarElementViewInfo)
public:
  TcxCalendarArrowViewInfo(TcxCalendarDateHeaderViewInfo* AHeader, TcxArrowDirection ADirection);
  TcxArrowDirection Direction() const { return FDirection; }
  // One navigation step of the header's kind.
  void DoNavigate();
  int GetNavigationKind();
  void MouseDown(TMouseButton AButton, TShiftState AShift, int X, int Y) override;
  void Paint(TcxCanvas* ACanvas) override;

protected:
  int GetHitTestIndex() override { return 4; }

private:
  TcxCalendarDateHeaderViewInfo* FHeader;
  TcxArrowDirection FDirection;
};

class TcxCalendarDateHeaderCellViewInfo : public TcxCalendarElementViewInfo {
  VCL_CLASS(TcxCalendarDateHeaderCellViewInfo, TcxCalendarElementViewInfo)
public:
  explicit TcxCalendarDateHeaderCellViewInfo(TcxCalendarDateHeaderViewInfo* AHeader);
  const String& Text() const { return FText; }
  const TRect& TextRect() const { return FTextRect; }
  TcxCalendarElementStates GetStates();
  bool IsEnabled();
  void Initialize() override;
  void CalculateBounds() override;
  void Click() override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int X, int Y) override;
  void Paint(TcxCanvas* ACanvas) override;

protected:
  int GetHitTestIndex() override { return 3; }

private:
  TcxCalendarDateHeaderViewInfo* FHeader;
  String FText;
  TRect FTextRect;
};

// The month header (and the classic year header) over the table.
class TcxCalendarDateHeadersViewInfo : public TcxCalendarElementViewInfo {
  VCL_CLASS(TcxCalendarDateHeadersViewInfo, TcxCalendarElementViewInfo)
public:
  explicit TcxCalendarDateHeadersViewInfo(TcxCustomCalendar* ACalendar);
  TcxCalendarDateHeaderViewInfo* MonthHeaderViewInfo() const { return FMonthHeaderViewInfo.get(); }
  // Null without year arrows and in the modern view.
  TcxCalendarDateHeaderViewInfo* YearHeaderViewInfo() const {
    return HasYearHeader() ? FYearHeaderViewInfo.get() : nullptr;
  }
  void CalculateBounds() override;
  void Paint(TcxCanvas* ACanvas) override;

protected:
  void AddVisibleElements() override;
  bool HasYearHeader() const;

private:
  void CalculateHeaderBounds();
  void PaintClassicBackground(TcxCanvas* ACanvas);
  void PaintClassicFrame(TcxCanvas* ACanvas);
  std::unique_ptr<TcxCalendarDateHeaderViewInfo> FMonthHeaderViewInfo, FYearHeaderViewInfo;
};

// The headers over the current level's table.
class TcxCalendarDateViewInfo : public TcxCalendarElementViewInfo {
  VCL_CLASS(TcxCalendarDateViewInfo, TcxCalendarElementViewInfo)
public:
  // The modern view brings a month table of its own.
  explicit TcxCalendarDateViewInfo(TcxCustomCalendar* ACalendar,
                                   std::unique_ptr<TcxCalendarMonthTableViewInfo> AMonthTable = nullptr);
  TcxCalendarDateHeadersViewInfo* HeadersViewInfo() const { return FHeadersViewInfo.get(); }
  TcxCalendarMonthTableViewInfo* MonthTableViewInfo() const { return FMonthTableViewInfo.get(); }
  // The table of the level shown.
  virtual TcxCalendarDateTableViewInfo* CurrentTable() const { return FMonthTableViewInfo.get(); }

  void CalculateBounds() override;
  void KeyDown(uint16_t& AKey, TShiftState AShift) override;
  virtual void ChangeFirstDate(double AValue, bool AAnimated);
  virtual void ChangeSelectDate(double AValue, bool ARepositionVisibleDates, bool AAnimated);

protected:
  void AddVisibleElements() override;
  TSize GetSize() override;
  virtual TRect GetContentMargins();
  virtual void CalculateHeadersBounds();
  virtual void CalculateTableBounds();
  // The first date follows the selection's month; the selection follows a
  // new first date with its own day number.
  void SyncFirstDate();
  void SyncSelectDate();
  // Re-initialises, re-sizes and re-places this element only.
  void Relayout();

  std::unique_ptr<TcxCalendarDateHeadersViewInfo> FHeadersViewInfo;
  std::unique_ptr<TcxCalendarMonthTableViewInfo> FMonthTableViewInfo;
  int FSideWidth = 0;
};

// The top header: the selected date and time (classic) or today (modern).
class TcxCalendarHeaderViewInfo : public TcxCalendarElementViewInfo {
  VCL_CLASS(TcxCalendarHeaderViewInfo, TcxCalendarElementViewInfo)
public:
  using TcxCalendarElementViewInfo::TcxCalendarElementViewInfo;
  String GetText();
  const TRect& TextRect() const { return FTextRect; }
  void CalculateBounds() override;
  void Click() override;
  void Paint(TcxCanvas* ACanvas) override;

protected:
  int GetHitTestIndex() override;

private:
  TRect FTextRect;
};

// The time part: the clock and the time editor.
class TcxCalendarTimeViewInfo : public TcxCalendarElementViewInfo {
  VCL_CLASS(TcxCalendarTimeViewInfo, TcxCalendarElementViewInfo)
public:
  explicit TcxCalendarTimeViewInfo(TcxCustomCalendar* ACalendar);
  ~TcxCalendarTimeViewInfo() override;
  TcxClock* Clock() const { return FClock.get(); }
  TcxTimeEdit* TimeEdit() const { return FTimeEdit.get(); }
  // The date kind shows neither the clock nor the time editor.
  void Hide();
  // Where the time editor goes.
  const TRect& TimeEditBounds() const { return FTimeEditBounds; }
  void SetHeight(int AValue) { FHeight = AValue; }
  void CalculateBounds() override;
  void Initialize() override;

protected:
  TSize GetSize() override;

private:
  TSize TimeEditSize();
  int Gap();
  // A time typed or spun: the clock and the calendar's time follow.
  void TimeChanged();
  std::unique_ptr<TcxClock> FClock;
  std::unique_ptr<TcxTimeEdit> FTimeEdit;
  TRect FTimeEditBounds;
  int FHeight = 0;
};

class TcxCalendarButtonsViewInfo : public TcxCalendarElementViewInfo {
  VCL_CLASS(TcxCalendarButtonsViewInfo, TcxCalendarElementViewInfo)
public:
  explicit TcxCalendarButtonsViewInfo(TcxCustomCalendar* ACalendar);
  ~TcxCalendarButtonsViewInfo() override;
  TcxButton* Button(TCalendarButton AType) const { return FButtons[static_cast<int>(AType)].get(); }
  int MaxButtonWidth() const { return FMaxButtonWidth; }
  int VisibleButtonCount();
  void CalculateBounds() override;
  void CalculateSize() override;
  void Initialize() override;
  void Paint(TcxCanvas* ACanvas) override;
  void TranslationChanged() override;

private:
  void CalculateButtonBounds();
  std::array<std::unique_ptr<TcxButton>, 4> FButtons;
  int FMaxButtonWidth = 0;
};

// The top element: the metrics, the layout and the painting of the whole.
class TcxCalendarViewInfo : public TcxCalendarElementViewInfo {
  VCL_CLASS(TcxCalendarViewInfo, TcxCalendarElementViewInfo)
public:
  explicit TcxCalendarViewInfo(TcxCustomCalendar* ACalendar);
  ~TcxCalendarViewInfo() override;

  TcxCalendarHeaderViewInfo* HeaderViewInfo() const { return FHeaderViewInfo.get(); }
  TcxCalendarDateViewInfo* DateViewInfo() const { return FDateViewInfo.get(); }
  TcxCalendarTimeViewInfo* TimeViewInfo() const { return FTimeViewInfo.get(); }
  TcxCalendarButtonsViewInfo* ButtonsViewInfo() const { return FButtonsViewInfo.get(); }
  int ColWidth() const { return FColWidth; }
  int RowHeight() const { return FRowHeight; }
  int HeaderHeight() const { return FHeaderHeight; }
  int ButtonsHeight() const { return FButtonsHeight; }
  int ButtonsOffset() const { return FButtonsOffset; }
  int ButtonsRegionHeight() const { return FButtonsRegionHeight; }
  int SpaceWidth() const { return FSpaceWidth; }

  void CalculateBounds() override;
  void Initialize() override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int X, int Y) override;
  virtual bool CanCloseOnDateClick();
  virtual bool IsButtonVisible(TCalendarButton AButton);
  virtual bool IsHeaderVisible() = 0;
  virtual bool IsThemedBackground() = 0;
  virtual TSize GetArrowSize() = 0;
  virtual String GetMonthHeaderText() = 0;
  virtual String GetYearHeaderText();
  virtual void ResetView() {}
  virtual bool IsModern() const { return false; }
  bool AnyButtonVisible();

protected:
  void AddVisibleElements() override;
  int GetHitTestIndex() override { return 7; }
  virtual std::unique_ptr<TcxCalendarDateViewInfo> CreateDateViewInfo() = 0;
  virtual void CalculateElementBounds() = 0;
  void CalculateMetrics();
  void CreateElements();

  std::unique_ptr<TcxCalendarHeaderViewInfo> FHeaderViewInfo;
  std::unique_ptr<TcxCalendarDateViewInfo> FDateViewInfo;
  std::unique_ptr<TcxCalendarTimeViewInfo> FTimeViewInfo;
  std::unique_ptr<TcxCalendarButtonsViewInfo> FButtonsViewInfo;
  int FColWidth = 0, FRowHeight = 0, FButtonsHeight = 0, FButtonsOffset = 0, FButtonsRegionHeight = 0,
      FHeaderHeight = 0, FSpaceWidth = 0;
};

class TcxCalendarClassicViewInfo : public TcxCalendarViewInfo {
  VCL_CLASS(TcxCalendarClassicViewInfo, TcxCalendarViewInfo)
public:
  explicit TcxCalendarClassicViewInfo(TcxCustomCalendar* ACalendar);
  ~TcxCalendarClassicViewInfo() override;
  TcxMonthListBox* MonthListBox() const { return FMonthListBox.get(); }
  bool IsHeaderVisible() override;
  bool IsThemedBackground() override;
  TSize GetArrowSize() override;
  String GetMonthHeaderText() override;
  void Initialize() override;
  void Paint(TcxCanvas* ACanvas) override;

protected:
  std::unique_ptr<TcxCalendarDateViewInfo> CreateDateViewInfo() override;
  void CalculateElementBounds() override;
  TSize GetSize() override;

private:
  std::unique_ptr<TcxMonthListBox> FMonthListBox;
};

// ---------------------------------------------------------------- modern view

class TcxCalendarModernDateViewInfo;

// One snapshot that slides, scales and fades during an animation.
struct TcxCalendarAnimatedImageState {
  uint8_t Alpha = 255;
  TdxSizeF Scale{1, 1};
  TdxPointF Offset{0, 0};
};

class TcxCalendarAnimatedImageInfo : public TObject {
  VCL_CLASS(TcxCalendarAnimatedImageInfo, TObject)
public:
  TcxCalendarAnimatedImageInfo(TdxSmartImage* AImage, const TRect& ASourceBounds, const TRect& ADestBounds,
                               const TRect& AClipRect, const TcxCalendarAnimatedImageState& AStartState,
                               const TcxCalendarAnimatedImageState& AEndState);
  void Initialize(int ALength);
  void Calculate(int APosition);
  void Paint(TdxGPCanvas* AGpCanvas);
  const TRect& CurrentDestBounds() const { return FCurrentDestBounds; }
  uint8_t CurrentAlphaValue() const { return FCurrentAlphaValue; }

private:
  TdxSmartImage* FImage;  // the date view's snapshot
  TRect FSourceBounds, FDestBounds, FClipRect, FCurrentDestBounds;
  TcxCalendarAnimatedImageState FStartState, FEndState;
  uint8_t FCurrentAlphaValue = 255;
  TdxSizeF FScaleKoef{0, 0};
  TdxPointF FOffsetKoef{0, 0};
  double FAlphaKoef = 0;
};

class TcxCalendarModernDateViewAnimationController : public TObject {
  VCL_CLASS(TcxCalendarModernDateViewAnimationController, TObject)
public:
  explicit TcxCalendarModernDateViewAnimationController(TcxCalendarModernDateViewInfo* ADateViewInfo);
  ~TcxCalendarModernDateViewAnimationController() override;
  TcxCalendarAnimatedImageInfo* AddImage(TdxSmartImage* AImage, const TRect& ASourceBounds,
                                         const TRect& ADestBounds, const TRect& AClipRect,
                                         const TcxCalendarAnimatedImageState& AStartState,
                                         const TcxCalendarAnimatedImageState& AEndState);
  void ClearImages() { FImageInfos.clear(); }
  void DrawImages(TdxGPCanvas* AGpCanvas);
  bool IsActive() const { return FIsActive; }
  int ImageCount() const { return static_cast<int>(FImageInfos.size()); }
  TcxCalendarAnimatedImageInfo* Images(int AIndex) const { return FImageInfos[AIndex].get(); }
  // Runs the transition to its end now.
  void Start();
  // Called with the position on every frame; tests watch the frames.
  std::function<void(int APosition)> OnFrame;

private:
  TcxCalendarModernDateViewInfo* FDateViewInfo;
  std::unique_ptr<TdxAnimationTransition> FAnimation;
  std::vector<std::unique_ptr<TcxCalendarAnimatedImageInfo>> FImageInfos;
  bool FIsActive = false;
};

// The modern date view: four levels (month, year, decade, century) with
// slides between months and zooms between levels.
class TcxCalendarModernDateViewInfo : public TcxCalendarDateViewInfo {
  VCL_CLASS(TcxCalendarModernDateViewInfo, TcxCalendarDateViewInfo)
public:
  explicit TcxCalendarModernDateViewInfo(TcxCustomCalendar* ACalendar);
  ~TcxCalendarModernDateViewInfo() override;

  TcxCalendarModernDateViewStyle ViewStyle() const { return FViewStyle; }
  TcxCalendarDateTableViewInfo* GetTableViewInfo(TcxCalendarModernDateViewStyle AViewStyle) const;
  TcxCalendarDateTableViewInfo* CurrentTable() const override { return GetTableViewInfo(FViewStyle); }
  TcxCalendarModernDateViewAnimationController* AnimationController() const { return FAnimationController.get(); }
  TcxDirection Direction() const { return FDirection; }
  const TRect& TableAreaBounds() const { return FTableAreaBounds; }

  void ChangeFirstDate(double AValue, bool AAnimated) override;
  void ChangeSelectDate(double AValue, bool ARepositionVisibleDates, bool AAnimated) override;
  void ChangeViewStyle(TcxCalendarModernDateViewStyle AValue, bool AAnimated);
  void ZoomIn();
  void ZoomOut();
  void KeyDown(uint16_t& AKey, TShiftState AShift) override;
  void CalculateSize() override;
  void Paint(TcxCanvas* ACanvas) override;

protected:
  void AddVisibleElements() override;
  TSize GetSize() override;
  TRect GetContentMargins() override { return TRect(0, 7, 0, 0); }
  void CalculateTableBounds() override;

private:
  std::unique_ptr<TdxSmartImage> TakeSnapshot();
  void AnimateSlide();
  void AnimateZoom();
  void AddHeaderCrossFade();
  // The selected cell's bounds in the current table; with no selected cell
  // (no selection and today out of sight) the cell of the month shown.
  TRect SelectedCellBounds();

  std::unique_ptr<TcxCalendarModernDateViewAnimationController> FAnimationController;
  std::unique_ptr<TdxSmartImage> FStartImage, FEndImage;
  TRect FPrevSelectCellBounds, FNexSelectCellBounds, FTableAreaBounds;
  TcxDirection FDirection = TcxDirection::dirNone;
  TSize FMaxTableSize{0, 0};
  std::unique_ptr<TcxCalendarDateTableViewInfo> FYearTableViewInfo, FDecadeTableViewInfo, FCenturyTableViewInfo;
  TcxCalendarModernDateViewStyle FViewStyle = cvdsMonth;
};

class TcxCalendarModernViewInfo : public TcxCalendarViewInfo {
  VCL_CLASS(TcxCalendarModernViewInfo, TcxCalendarViewInfo)
public:
  explicit TcxCalendarModernViewInfo(TcxCustomCalendar* ACalendar);
  TcxCalendarModernDateViewInfo* ModernDateViewInfo() const {
    return static_cast<TcxCalendarModernDateViewInfo*>(FDateViewInfo.get());
  }
  bool IsHeaderVisible() override;
  bool IsThemedBackground() override { return true; }
  TSize GetArrowSize() override;
  String GetMonthHeaderText() override;
  bool CanCloseOnDateClick() override;
  void ResetView() override { ModernDateViewInfo()->ChangeViewStyle(cvdsMonth, false); }
  bool IsModern() const override { return true; }
  void Paint(TcxCanvas* ACanvas) override;

protected:
  std::unique_ptr<TcxCalendarDateViewInfo> CreateDateViewInfo() override;
  void CalculateElementBounds() override;
  TSize GetSize() override;

private:
  TRect Margins();
};

// ---------------------------------------------------------------- painters

class TcxCalendarPainter : public TObject {
  VCL_CLASS(TcxCalendarPainter, TObject)
public:
  explicit TcxCalendarPainter(TcxCustomCalendar* ACalendar) : FCalendar(ACalendar) {}

  virtual void DrawArrow(TcxCanvas* ACanvas, TcxCalendarArrowViewInfo* AElement);
  virtual void DrawButtonsArea(TcxCanvas* ACanvas, TcxCalendarButtonsViewInfo* AElement);
  virtual void DrawCellText(TcxCanvas* ACanvas, TcxCalendarDateCellViewInfo* AElement);
  virtual void DrawCellBackground(TcxCanvas* ACanvas, TcxCalendarDateCellViewInfo* AElement);
  virtual void DrawCellSelection(TcxCanvas* ACanvas, TcxCalendarDateCellViewInfo* AElement);
  virtual void DrawHeaderCell(TcxCanvas* ACanvas, TcxCalendarDateHeaderCellViewInfo* AElement);
  virtual void DrawHeaderCellText(TcxCanvas* ACanvas, TcxCalendarDateHeaderCellViewInfo* AElement) {}
  virtual void DrawHeader(TcxCanvas* ACanvas, TcxCalendarHeaderViewInfo* AElement);
  virtual void DrawHeaderText(TcxCanvas* ACanvas, TcxCalendarHeaderViewInfo* AElement) {}
  virtual TColor GetCellTextColor(const TcxCalendarElementStates& AStates);

protected:
  TcxCustomLookAndFeelPainter* LookAndFeelPainter() const;
  TcxCustomCalendar* FCalendar;
};

class TcxCalendarModernPainter : public TcxCalendarPainter {
  VCL_CLASS(TcxCalendarModernPainter, TcxCalendarPainter)
public:
  using TcxCalendarPainter::TcxCalendarPainter;
  void DrawArrow(TcxCanvas* ACanvas, TcxCalendarArrowViewInfo* AElement) override;
  void DrawCellBackground(TcxCanvas* ACanvas, TcxCalendarDateCellViewInfo* AElement) override {}
  void DrawCellSelection(TcxCanvas* ACanvas, TcxCalendarDateCellViewInfo* AElement) override;
  void DrawHeaderCell(TcxCanvas* ACanvas, TcxCalendarDateHeaderCellViewInfo* AElement) override;
  void DrawHeaderCellText(TcxCanvas* ACanvas, TcxCalendarDateHeaderCellViewInfo* AElement) override;
  void DrawHeader(TcxCanvas* ACanvas, TcxCalendarHeaderViewInfo* AElement) override;
  void DrawHeaderText(TcxCanvas* ACanvas, TcxCalendarHeaderViewInfo* AElement) override;
  TColor GetCellTextColor(const TcxCalendarElementStates& AStates) override;
};

// ---------------------------------------------------------------- hit test and controllers

class TcxCalendarHitTest : public TObject {
  VCL_CLASS(TcxCalendarHitTest, TObject)
public:
  explicit TcxCalendarHitTest(TcxCalendarController* AOwner) : FController(AOwner) {}
  void Calculate(const TPoint& APoint);
  void Clear();
  void Recalculate();
  void SetBitState(int AIndex, bool AValue);
  void SetHitObject(TcxCalendarElementViewInfo* AValue) { FHitObject = AValue; }
  TcxCalendarElementViewInfo* HitObject() const { return FHitObject; }
  const TPoint& HitPoint() const { return FHitPoint; }
  bool HitAtMonthDateHeader() const { return Bit(1); }
  bool HitAtYearDateHeader() const { return Bit(2); }
  bool HitAtDateHeaderText() const { return Bit(3); }
  bool HitAtDateHeaderArrow() const { return Bit(4); }
  bool HitAtDateTableCell() const { return Bit(5); }
  bool HitAtHeader() const { return Bit(6); }
  bool HitAtBackground() const { return Bit(7); }

private:
  bool Bit(int AIndex) const { return (FFlags >> AIndex) & 1; }
  TcxCalendarController* FController;
  TcxCalendarElementViewInfo* FHitObject = nullptr;
  int64_t FFlags = 0;
  TPoint FHitPoint;
};

class TcxCalendarController : public TObject {
  VCL_CLASS(TcxCalendarController, TObject)
public:
  explicit TcxCalendarController(TcxCustomCalendar* ACalendar);
  ~TcxCalendarController() override;

  TcxCalendarHitTest* HitTest() const { return FHitTest.get(); }
  TcxCalendarElementViewInfo* HotElement() const { return FHotElement; }
  TcxCalendarElementViewInfo* PressedElement() const { return FPressedElement; }
  TcxCustomCalendar* Calendar() const { return FCalendar; }
  TcxCalendarViewInfo* ViewInfo() const;
  // The arrow repeat.
  TcxTimer* Timer() const { return FTimer.get(); }

  void DblClick();
  void KeyDown(uint16_t& AKey, TShiftState AShift);
  void MouseDown(TMouseButton AButton, TShiftState AShift, int X, int Y);
  void MouseLeave();
  void MouseMove(TShiftState AShift, int X, int Y);
  void MouseUp(TMouseButton AButton, TShiftState AShift, int X, int Y);
  bool MouseWheel(TShiftState AShift, int AWheelDelta, const TPoint& AMousePos);
  virtual bool CanMouseWheel(const TPoint& AMousePos) { return true; }
  virtual void HidePopup(TcxControl* Sender, TcxEditCloseUpReason AReason);
  // An arrow was pressed: the timer repeats its step while it stays pressed.
  void StartArrowRepeat();

protected:
  virtual void DoKeyDown(uint16_t& AKey, TShiftState AShift);
  virtual bool DoMouseWheel(TShiftState AShift, int AWheelDelta, const TPoint& AMousePos) = 0;
  void SetHotElement(TcxCalendarElementViewInfo* AValue);
  void SetPressedElement(TcxCalendarElementViewInfo* AValue);

private:
  void TimerTick(TObject* Sender);
  TcxCustomCalendar* FCalendar;
  std::unique_ptr<TcxCalendarHitTest> FHitTest;
  std::unique_ptr<TcxTimer> FTimer;
  TcxCalendarElementViewInfo* FHotElement = nullptr;
  TcxCalendarElementViewInfo* FPressedElement = nullptr;
};

class TcxCalendarClassicController : public TcxCalendarController {
  VCL_CLASS(TcxCalendarClassicController, TcxCalendarController)
public:
  using TcxCalendarController::TcxCalendarController;
  bool CanMouseWheel(const TPoint& AMousePos) override;
  void HidePopup(TcxControl* Sender, TcxEditCloseUpReason AReason) override;

protected:
  void DoKeyDown(uint16_t& AKey, TShiftState AShift) override;
  bool DoMouseWheel(TShiftState AShift, int AWheelDelta, const TPoint& AMousePos) override;

private:
  TcxMonthListBox* MonthList() const;
};

class TcxCalendarModernController : public TcxCalendarController {
  VCL_CLASS(TcxCalendarModernController, TcxCalendarController)
public:
  using TcxCalendarController::TcxCalendarController;
  bool CanMouseWheel(const TPoint& AMousePos) override;

protected:
  void DoKeyDown(uint16_t& AKey, TShiftState AShift) override;
  bool DoMouseWheel(TShiftState AShift, int AWheelDelta, const TPoint& AMousePos) override;

private:
  TcxCalendarModernDateViewInfo* DateView() const;
};

// ---------------------------------------------------------------- month list

// The classic header's popup list of months: with years, seven months
// around the shown one that scroll while the mouse is dragged beyond the
// list; without years, the months of the shown year.
class TcxMonthListBox : public TcxPopupWindow {
  VCL_COMPONENT_CLASS(TcxMonthListBox, TcxPopupWindow)
public:
  explicit TcxMonthListBox(TComponent* AOwnerControl);
  ~TcxMonthListBox() override;

  // The first day of the hot month, or the null date.
  TDateTime Date();
  bool ShowYears() const { return FShowYears; }
  void SetShowYears(bool AValue);
  int ItemCount() const { return FItemCount; }
  int ItemIndex() const { return FItemIndex; }
  int ItemHeight() const { return FItemHeight; }
  int TopMonthDelta() const { return FTopMonthDelta; }
  const TPoint& Origin() const { return FOrigin; }
  TcxTimer* Timer() const { return FTimer.get(); }
  // The first day of the month AIndex items below the top, or the null date.
  TDateTime ItemDate(int AIndex);
  String ItemText(int AIndex);

  void CloseUp() override;
  void Popup(TWinControl* AFocusedControl);

protected:
  void CreateParams(TCreateParams& Params) override;
  void PaintWindow(HDC DC) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  TcxCustomCalendar* Calendar() const;
  bool IsMonthAllowed(int ADelta);
  TDateTime MonthDate(int ADelta);
  void SetItemIndex(int AValue);
  void TimerTick(TObject* Sender);

  TcxDateTime FCurrentDate;
  TPoint FOrigin;
  int FTopMonthDelta = 0;
  int FItemHeight = 0;
  int FItemIndex = -1;
  int FItemCount = 0;
  int FSign = 1;
  bool FShowYears = true;
  std::unique_ptr<TcxTimer> FTimer;
};

// ---------------------------------------------------------------- the control

class TcxCustomCalendar : public TcxControl {
  VCL_COMPONENT_CLASS(TcxCustomCalendar, TcxControl)
public:
  explicit TcxCustomCalendar(TComponent* AOwner);
  ~TcxCustomCalendar() override;

  void BeginUpdate() { ++FLockCount; }
  void EndUpdate();
  bool IsUpdateLocked();
  void CalendarChanged();
  void CheckChanges();

  bool Animation() const { return FAnimation; }
  void SetAnimation(bool AValue) { FAnimation = AValue; }
  bool ArrowsForYear() const { return FArrowsForYear; }
  void SetArrowsForYear(bool AValue);
  TDateButtons CalendarButtons() const { return FCalendarButtons; }
  void SetCalendarButtons(TDateButtons AValue);
  double FirstDate() const { return FFirstDate; }
  void SetFirstDate(double AValue) { ApplyFirstDate(AValue); }
  bool Flat() const { return FFlat; }
  void SetFlat(bool AValue);
  TcxCalendarKind Kind() const { return FKind; }
  void SetKind(TcxCalendarKind AValue);
  double MaxDate() const { return FMaxDate; }
  void SetMaxDate(double AValue);
  double MinDate() const { return FMinDate; }
  void SetMinDate(double AValue);
  bool ShowOnlyValidDates() const { return FShowOnlyValidDates; }
  void SetShowOnlyValidDates(bool AValue) { FShowOnlyValidDates = AValue; }
  double SelectDate() const { return FSelectDate; }
  void SetSelectDate(double AValue) { ApplySelectDate(AValue); }
  bool ShowToday() const { return FShowToday; }
  void SetShowToday(bool AValue);
  TDateTime Time() const { return FTime; }
  void SetTime(TDateTime AValue);
  TcxTimeEditTimeFormat TimeFormat() const { return FTimeFormat; }
  void SetTimeFormat(TcxTimeEditTimeFormat AValue);
  bool Use24HourFormat() const { return FUse24HourFormat; }
  void SetUse24HourFormat(bool AValue);
  TcxCalendarView View() const { return FView; }
  void SetView(TcxCalendarView AValue);
  bool WeekNumbers() const { return FWeekNumbers; }
  void SetWeekNumbers(bool AValue);
  bool YearsInMonthList() const { return FYearsInMonthList; }
  void SetYearsInMonthList(bool AValue) { FYearsInMonthList = AValue; }

  TcxCalendarController* Controller() const { return FController.get(); }
  TcxCalendarPainter* Painter() const { return FPainter.get(); }
  TcxCalendarViewInfo* ViewInfo() const { return FViewInfo.get(); }

  virtual bool IsPopup() { return false; }
  virtual void Recalculate();
  virtual int GetContentSpacing();
  virtual double GetMonthEndDate();
  virtual TSize GetContentMargins();
  virtual double GetFirstVisibleDate();
  virtual double GetLastVisibleDate();
  virtual TSize GetCalculatedSize();
  virtual void HidePopup(TcxControl* Sender, TcxEditCloseUpReason AReason);
  virtual void ApplyFirstDate(double AValue);
  virtual void ApplySelectDate(double AValue);

  double GetDateFromCell(int ACol, int ARow);
  void DoDateTimeChanged();
  void ButtonClick(TObject* Sender);
  void ShiftFirstDate(int AKind);
  void InternalSetSelectDate(bool ARepositionVisibleDates, double AValue);
  // Stores without repositioning or repainting; the date views use it.
  void StoreFirstDate(double AValue) { FFirstDate = AValue; }
  void StoreSelectDate(double AValue) { FSelectDate = AValue; }
  // The time editor's time, without a new layout.
  void StoreTime(TDateTime AValue) { FTime = AValue; }

  bool IsDateAllowed(double ADate);
  bool IsMonthAllowed(double ADate);
  bool IsYearAllowed(double ADate);
  bool IsRestrictedToValidDates() const { return FShowOnlyValidDates && FMinDate != FMaxDate; }
  bool CanAnimate();
  TcxCustomCalendarTable* GetCalendarTable() { return cxDefaultCalendarTable(); }
  TColor GetBackgroundColor();
  TColor GetBorderColor();
  TColor GetHeaderColor();
  TColor GetNativeFrameColor();
  TColor GetOffice11FrameColor();
  TRect GetContentOffsets();
  void AdjustHeaderTextRect(TRect& R);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void TranslationChanged();

  TNotifyEvent OnDateTimeChanged;
  TcxCalendarGetDayOfWeekStateEvent OnGetDayOfWeekState;
  TcxCalendarGetDayStateEvent OnGetDayState;

protected:
  virtual std::unique_ptr<TcxCalendarController> CreateController();
  virtual std::unique_ptr<TcxCalendarPainter> CreatePainter();
  virtual std::unique_ptr<TcxCalendarViewInfo> CreateViewInfo();

  void CreateWnd() override;
  void DoPaint() override;
  bool NeedsDoubleBuffering() override { return true; }
  bool HasScrollBars() override { return false; }
  bool AllowMouseWheelScroll(TShiftState Shift, int ADelta, const TPoint& MousePos) override;
  bool ScrollByMouseWheel(TShiftState Shift, int ADelta, const TPoint& MousePos) override;
  void FocusChanged() override;
  void FontChanged(TFont* AFont) override;
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) override;
  void MouseLeave(TControl* AControl) override;
  void DblClick() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  // Where the month grid starts: days from the start of the week to
  // FirstDate's weekday, a whole week when that is 0 (but not in the
  // lowest supported month).
  int FirstDateOffset();
  template <class T>
  void StoreAndChange(T& AField, T AValue);
  void CreateViewObjects();

  bool FAnimation = true;
  bool FArrowsForYear = true;
  TDateButtons FCalendarButtons{btnClear, btnToday};
  std::unique_ptr<TcxCalendarController> FController;
  double FFirstDate = 0;
  bool FFlat = true;
  bool FIsViewInfoDirty = true;
  bool FIsSizeCalculated = false;
  TcxCalendarKind FKind = ckDate;
  int FLockCount = 0;
  double FMaxDate = 0;
  double FMinDate = 0;
  std::unique_ptr<TcxCalendarPainter> FPainter;
  double FSelectDate = 0;
  bool FShowOnlyValidDates = false;
  bool FShowToday = false;
  TDateTime FTime = 0;
  TcxTimeEditTimeFormat FTimeFormat = tfHourMinSec;
  bool FUse24HourFormat = false;
  TcxCalendarView FView = cavClassic;
  std::unique_ptr<TcxCalendarViewInfo> FViewInfo;
  bool FWeekNumbers = false;
  bool FYearsInMonthList = true;
};

// The calendar in the date edit's popup: it closes on the closing keys.
class TcxPopupCalendar : public TcxCustomCalendar {
  VCL_COMPONENT_CLASS(TcxPopupCalendar, TcxCustomCalendar)
public:
  using TcxCustomCalendar::TcxCustomCalendar;
  bool IsPopup() override { return true; }
  void HidePopup(TcxControl* Sender, TcxEditCloseUpReason AReason) override;
  // Back to the month level before each drop-down.
  void ResetView() { ViewInfo()->ResetView(); }
  // The date edit whose popup holds the calendar.
  TcxCustomDateEdit* Edit() const { return FEdit; }
  void SetEdit(TcxCustomDateEdit* AValue) { FEdit = AValue; }
  TcxEditClosePopupEvent OnHidePopup;

protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
  TcxCustomDateEdit* FEdit = nullptr;
};

// Registers the calendar and clock controls for streaming.
extern const TUnitEntry cxCalendarUnit;
