// The painter registry, the painters' start-up and the routines the
// painters and the controls share.
#include <algorithm>

#include "components/core/cxGraphics.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/cxLookAndFeels.h"

TcxLookAndFeelPaintersManager* PaintersManager = nullptr;
TSize SystemCheckButtonSize{};

// ---------------------------------------------------------------- registry

bool cxSameLookAndFeelName(const String& AName1, const String& AName2) {
  auto fold = [](Char C) { return C >= L'a' && C <= L'z' ? static_cast<Char>(C - L'a' + L'A') : C; };
  return AName1.size() == AName2.size() &&
         std::equal(AName1.begin(), AName1.end(), AName2.begin(), [&](Char A, Char B) { return fold(A) == fold(B); });
}

TcxLookAndFeelPaintersManager::~TcxLookAndFeelPaintersManager() = default;

bool TcxLookAndFeelPaintersManager::Register(std::unique_ptr<TcxCustomLookAndFeelPainter> APainter) {
  if (GetPainter(APainter->LookAndFeelName())) return false;
  TcxCustomLookAndFeelPainter* painter = APainter.get();
  FPainters.push_back(std::move(APainter));
  std::stable_sort(FPainters.begin(), FPainters.end(), [](const auto& A, const auto& B) {
    return AnsiCompareStr(A->LookAndFeelName(), B->LookAndFeelName()) < 0;
  });
  // Before the look-and-feel unit has started there is no root to refresh.
  if (TcxLookAndFeel* root = GetRootLookAndFeel()) root->Refresh();
  TellListeners([painter](IcxLookAndFeelPainterListener* AListener) { AListener->PainterAdded(painter); });
  return true;
}

bool TcxLookAndFeelPaintersManager::Unregister(const String& AName) {
  auto found = std::find_if(FPainters.begin(), FPainters.end(),
                            [&](const auto& APainter) { return cxSameLookAndFeelName(APainter->LookAndFeelName(), AName); });
  if (found == FPainters.end()) return false;
  const std::unique_ptr<TcxCustomLookAndFeelPainter> painter = std::move(*found);
  FPainters.erase(found);
  if (TcxLookAndFeel* root = GetRootLookAndFeel()) root->Refresh();
  TellListeners([&painter](IcxLookAndFeelPainterListener* AListener) { AListener->PainterRemoved(painter.get()); });
  return true;
}

bool TcxLookAndFeelPaintersManager::GetPainter(TcxLookAndFeelStyle AStyle, TcxCustomLookAndFeelPainter*& APainter) const {
  APainter = GetPainter(AStyle);
  return APainter != nullptr;
}

TcxCustomLookAndFeelPainter* TcxLookAndFeelPaintersManager::GetPainter(TcxLookAndFeelStyle AStyle) const {
  for (const auto& painter : FPainters)
    if (painter->LookAndFeelStyle() == AStyle) return painter.get();
  return nullptr;
}

bool TcxLookAndFeelPaintersManager::GetPainter(const String& AName, TcxCustomLookAndFeelPainter*& APainter) const {
  APainter = GetPainter(AName);
  return APainter != nullptr;
}

TcxCustomLookAndFeelPainter* TcxLookAndFeelPaintersManager::GetPainter(const String& AName) const {
  for (const auto& painter : FPainters)
    if (cxSameLookAndFeelName(painter->LookAndFeelName(), AName)) return painter.get();
  return nullptr;
}

void TcxLookAndFeelPaintersManager::AddListener(IcxLookAndFeelPainterListener* AListener) {
  if (std::find(FListeners.begin(), FListeners.end(), AListener) == FListeners.end()) FListeners.push_back(AListener);
}

void TcxLookAndFeelPaintersManager::RemoveListener(IcxLookAndFeelPainterListener* AListener) {
  FListeners.erase(std::remove(FListeners.begin(), FListeners.end(), AListener), FListeners.end());
}

TcxCustomLookAndFeelPainter* TcxLookAndFeelPaintersManager::Items(int AIndex) const {
  if (AIndex < 0 || AIndex >= Count()) throw EListError(Format(SListIndexError, {AIndex}));
  return FPainters[AIndex].get();
}

// From the last added to the first; a listener may remove itself (or
// others) while it is told.
template <class F>
void TcxLookAndFeelPaintersManager::TellListeners(F ATell) {
  for (size_t i = FListeners.size(); i > 0; --i) {
    i = std::min(i, FListeners.size());
    if (i == 0) break;
    ATell(FListeners[i - 1]);
  }
}

// ---------------------------------------------------------------- shared routines

void dxRaiseToTouchMinimum(int& AValue) {
  if (GlobalTouchMode && AValue > 0) AValue = std::max(AValue, cxScaleByCurrentDPI(27));
}

void dxRaiseSizeToTouchMinimum(TSize& ASize) {
  dxRaiseToTouchMinimum(ASize.cx);
  dxRaiseToTouchMinimum(ASize.cy);
}

void SplitterInnerRect(const TRect& R, TRect& AResult) {
  AResult = TRect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
}

void GetSchedulerGroupPolygon(const TRect& R, TPoints& APoints) {
  const int left = R.Left, top = R.Top + 2, right = R.Right - 1, bottom = R.Bottom - 2;
  const int h = (bottom - top) / 2;
  APoints = {{left, top}, {right, top}, {right, bottom}, {right - h, bottom - h}, {left + h, bottom - h}, {left, bottom}};
}

void GetSchedulerMilestonePolygon(const TRect& R, TPoints& APoints) {
  const int a = std::min(R.Width(), R.Height());
  auto origin = [a](int ANear, int AFar) {
    const int s = ANear + AFar - a;
    return (s - (s & 1)) / 2;
  };
  const int x0 = origin(R.Left, R.Right), y0 = origin(R.Top, R.Bottom);
  const int d = a - (a & 1), m = d / 2;
  APoints = {{x0, y0 + m}, {x0 + m, y0}, {x0 + d, y0 + m}, {x0 + m, y0 + d}};
}
