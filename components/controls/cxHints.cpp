#include "components/controls/cxHints.h"

#include <algorithm>

#include "components/controls/cxContainer.h"
#include "components/core/cxMessageWindow.h"
#include "vcl/controls/Forms.h"

TcxAnimateWindowProc cxAnimateWindowProc = nullptr;

namespace {

TcxHintController* GHintController = nullptr;
TcxRegisteredClasses* GHintStyleClasses = nullptr;

// A showing this soon after the last one does not animate again.
constexpr DWORD AnimationQuietTime = 250;
// Longer texts show at once.
constexpr size_t MaxAnimatedHintLength = 100;
constexpr UINT SpiGetToolTipAnimation = 0x1016;
constexpr UINT SpiGetToolTipFade = 0x1018;

bool SystemFlag(UINT AParameter) {
  BOOL value = FALSE;
  TdxSystemInfo* info = dxGetSystemInfo();
  return info && info->GetParameter(AParameter, &value) && value;
}

DWORD AnimationFlag(TcxHintAnimationStyle AStyle) {
  switch (AStyle) {
    case cxhaSlideFromLeft: return AW_HOR_POSITIVE;
    case cxhaSlideFromRight: return AW_HOR_NEGATIVE;
    case cxhaSlideDownward: return AW_VER_POSITIVE;
    case cxhaSlideUpward: return AW_VER_NEGATIVE;
    case cxhaSlideFromCenter: return AW_CENTER;
    case cxhaHide: return AW_HIDE;
    case cxhaFadeIn: return AW_BLEND;
    default: return AW_ACTIVATE;
  }
}

}  // namespace

// ---------------------------------------------------------------- TcxBaseHintWindow

TcxBaseHintWindow::TcxBaseHintWindow(TComponent* AOwner)
    : THintWindow(AOwner), FcxCanvas(std::make_unique<TcxCanvas>(Canvas())) {}

void TcxBaseHintWindow::CreateParams(TCreateParams& Params) {
  THintWindow::CreateParams(Params);
  if (FStandardHint) return;
  if (FBorderStyle == bsNone) Params.Style &= ~WS_BORDER;
  Params.ExStyle |= WS_EX_TOPMOST;
}

void TcxBaseHintWindow::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      if (!FNeedEraseBackground && !FStandardHint) {
        Message.Result = 1;
        return;
      }
      break;
    case CM_TEXTCHANGED:
      if (FActivating) return;
      break;
  }
  THintWindow::WndProc(Message);
}

void TcxBaseHintWindow::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const TRect work = cxGetDesktopWorkAreaAtPoint(TPoint(ALeft, ATop));
  ALeft = std::max(work.Left, std::min(ALeft, work.Right - AWidth));
  ATop = std::max(work.Top, std::min(ATop, work.Bottom - AHeight));
  THintWindow::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TcxBaseHintWindow::AdjustBoundsToDesktop(TRect& R) {
  TPoint mouse;
  cxGetCursorPosSafe(mouse);
  cxMoveRectIntoWorkArea(R, mouse);
}

void TcxBaseHintWindow::ClearWindowRegion() {
  if (!HandleAllocated()) return;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool hasRegion = GetWindowRgn(Handle(), region) != ERROR;
  DeleteObject(region);
  if (hasRegion) SetWindowRgn(Handle(), nullptr, TRUE);
}

void TcxBaseHintWindow::SetHintAreaBounds(const TRect& ABounds, bool AUseMousePos) {
  FHintAreaBounds = ABounds;
  FUseMousePos = AUseMousePos;
}

void TcxBaseHintWindow::ActivateHint(const TRect& Rect, const String& AHint) {
  if (FStandardHint) return THintWindow::ActivateHint(Rect, AHint);
  FActivating = true;
  struct TActivated {
    TcxBaseHintWindow* Window;
    ~TActivated() {
      Window->FLastActive = GetTickCount();
      Window->FHasBeenActive = true;
      Window->FActivating = false;
    }
  } activated{this};
  THintWindow::SetCaption(AHint);
  TRect r = Rect;
  AdjustBoundsToDesktop(r);
  SetBoundsRect(r);
  SetWindowPos(Handle(), HWND_TOPMOST, Left(), Top(), Width(), Height(),
               SWP_NOOWNERZORDER | SWP_NOACTIVATE);
  ShowAnimated(AHint);
  ShowHintWindow();
  FHintAreaBounds = TRect();
}

TcxHintAnimationStyle TcxBaseHintWindow::GetEffectiveAnimationStyle() {
  if (FAnimationStyle == cxhaNone || !SystemFlag(SpiGetToolTipAnimation)) return cxhaNone;
  if (FAnimationStyle == cxhaAuto) return SystemFlag(SpiGetToolTipFade) ? cxhaFadeIn : cxhaSlideDownward;
  return FAnimationStyle;
}

void TcxBaseHintWindow::ShowAnimated(const String& AHint) {
  FHasAnimation = false;
  const bool quiet = !FHasBeenActive || GetTickCount() - FLastActive > AnimationQuietTime;
  if (quiet && AHint.size() < MaxAnimatedHintLength && cxAnimateWindowProc) {
    const TcxHintAnimationStyle style = GetEffectiveAnimationStyle();
    FHasAnimation = style != cxhaNone;
    if (FHasAnimation) {
      if (HasWindowRegion()) ApplyWindowRegion();
      else ClearWindowRegion();
      AnimateShow(style);
      return;
    }
  }
  if (HasWindowRegion()) ApplyWindowRegion();
  else ClearWindowRegion();
}

void TcxBaseHintWindow::AnimateShow(TcxHintAnimationStyle AStyle) {
  cxAnimateWindowProc(Handle(), FAnimationDelay, AnimationFlag(AStyle) | AW_SLIDE);
}

void TcxBaseHintWindow::ShowHintWindow() {
  SetDoubleBuffered(HasWindowRegion());
  ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  if (HasWindowRegion() && FHasAnimation)
    RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
  else
    Invalidate();
}

// ---------------------------------------------------------------- TcxCustomHintStyleController

TcxCustomHintStyleController::TcxCustomHintStyleController(TComponent* AOwner, TClass AHintStyleClass)
    : TcxCustomComponent(AOwner),
      FHintStyleClass(AHintStyleClass),
      FLookAndFeel(std::make_unique<TcxLookAndFeel>(this)) {
  CreateHintStyleAndWindow();
}

TcxCustomHintStyleController::~TcxCustomHintStyleController() {
  Destroying();
  const std::vector<TcxCustomHintStyle*> listeners = FListeners;
  for (TcxCustomHintStyle* listener : listeners) listener->ControllerRemoved(this);
  DestroyHintStyleAndWindow();
}

void TcxCustomHintStyleController::CreateHintStyleAndWindow() {
  FHintStyle.reset(static_cast<TcxCustomHintStyle*>(TObject::CreateInstance(GetHintStyleClass(), this)));
  FHintStyle->OnChanged = [this](TObject*) { HintStyleChanged(); };
  FHintWindow.reset(static_cast<TcxCustomHintWindow*>(TObject::CreateInstance(GetHintWindowClass())));
  if (GHintController) GHintController->AddHintStyleController(this);
}

void TcxCustomHintStyleController::DestroyHintStyleAndWindow() {
  if (GHintController) GHintController->RemoveHintStyleController(this);
  FHintWindow.reset();
  FHintStyle.reset();
}

String TcxCustomHintStyleController::HintStyleClassName() const {
  return FHintStyle ? FHintStyle->ClassName() : String();
}

void TcxCustomHintStyleController::SetHintStyleClassName(const String& Value) {
  const TClass styleClass = GHintStyleClasses ? GHintStyleClasses->FindByClassName(Value) : nullptr;
  if (!styleClass || styleClass == FHintStyleClass) return;
  DestroyHintStyleAndWindow();
  FHintStyleClass = styleClass;
  CreateHintStyleAndWindow();
  HintStyleChanged();
}

void TcxCustomHintStyleController::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomHintStyleController*>(Source);
  if (!source) return TcxCustomComponent::Assign(Source);
  BeginUpdate();
  struct TUpdate {
    TcxCustomHintStyleController* Controller;
    ~TUpdate() { Controller->EndUpdate(); }
  } update{this};
  OnHintStyleChanged = source->OnHintStyleChanged;
  OnShowHint = source->OnShowHint;
  OnShowHintEx = source->OnShowHintEx;
  SetHintShortPause(source->FHintShortPause);
  SetHintPause(source->FHintPause);
  SetHintHidePause(source->FHintHidePause);
  SetHintStyleClassName(source->HintStyleClassName());
  FHintStyle->Assign(source->FHintStyle.get());
  FLookAndFeel->Assign(source->FLookAndFeel.get());
}

void TcxCustomHintStyleController::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) ApplyPausesToApplication();
}

void TcxCustomHintStyleController::SetHintShortPause(int Value) {
  FHintShortPause = Value;
  ApplyPausesToApplication();
}

void TcxCustomHintStyleController::SetHintPause(int Value) {
  FHintPause = Value;
  ApplyPausesToApplication();
}

void TcxCustomHintStyleController::SetHintHidePause(int Value) {
  FHintHidePause = Value;
  ApplyPausesToApplication();
}

void TcxCustomHintStyleController::ApplyPausesToApplication() {
  if (ComponentState().Contains(csDesigning) || FUpdateCount > 0 || !Application) return;
  Application->SetHintShortPause(FHintShortPause);
  Application->SetHintPause(FHintPause);
  Application->SetHintHidePause(FHintHidePause);
}

void TcxCustomHintStyleController::Loaded() {
  TcxCustomComponent::Loaded();
  ApplyPausesToApplication();
  HintStyleChanged();
}

void TcxCustomHintStyleController::HintStyleChanged() {
  if (ComponentState().Contains(csDestroying)) return;
  if (OnHintStyleChanged && FHintStyle) OnHintStyleChanged(this, FHintStyle.get());
  for (TcxCustomHintStyle* listener : FListeners) NotifyListener(listener);
}

void TcxCustomHintStyleController::NotifyListener(TcxCustomHintStyle* AStyle) {
  AStyle->ControllerChanged(this);
  if (OnHintStyleChanged) OnHintStyleChanged(this, AStyle);
}

void TcxCustomHintStyleController::AddListener(TcxCustomHintStyle* AStyle) {
  if (AStyle && std::find(FListeners.begin(), FListeners.end(), AStyle) == FListeners.end())
    FListeners.push_back(AStyle);
}

void TcxCustomHintStyleController::RemoveListener(TcxCustomHintStyle* AStyle) {
  if (!ComponentState().Contains(csDestroying)) std::erase(FListeners, AStyle);
}

void TcxCustomHintStyleController::Notification(TComponent* AComponent, TOperation Operation) {
  TcxCustomComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && FHintStyle) FHintStyle->ComponentRemoved(AComponent);
}

void TcxCustomHintStyleController::ShowHint(int X, int Y, const String& ACaption, const String& AHint,
                                            int AMaxWidth) {
  if (GHintController) GHintController->SetHintedControl(cxFindWindowControl(WindowFromPoint(POINT{X, Y})));
  FHintWindow->ShowHintAt(X, Y, ACaption, AHint, AMaxWidth);
}

void TcxCustomHintStyleController::HideHint() {
  cxResetHintedControl();
  if (FHintWindow->HandleAllocated()) ShowWindow(FHintWindow->Handle(), SW_HIDE);
}

// ---------------------------------------------------------------- TcxHintController

TcxHintController::~TcxHintController() {
  Destroying();
  SetHintedControl(nullptr);
}

void TcxHintController::SetHintedControl(TControl* Value) {
  if (FHintedControl == Value) return;
  if (FHintedControl) FHintedControl->RemoveFreeNotification(this);
  FHintedControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TcxHintController::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FHintedControl) FHintedControl = nullptr;
}

TClass TcxHintController::CurrentHintWindowClass() const {
  return FControllerList.empty() ? FSavedHintWindowClass : FControllerList.back()->GetHintWindowClass();
}

void TcxHintController::AddHintStyleController(TcxCustomHintStyleController* AController) {
  if (!AController || AController->ComponentState().Contains(csDesigning)) return;
  if (FControllerList.empty()) {
    FSavedHintWindowClass = HintWindowClass;
    if (Application) {
      FSavedApplicationOnShowHint = Application->OnShowHint;
      Application->OnShowHint = [this](String& HintStr, bool& CanShow, THintInfo& HintInfo) {
        HandleApplicationShowHint(HintStr, CanShow, HintInfo);
      };
    }
  }
  HintWindowClass = AController->GetHintWindowClass();
  FControllerList.push_back(AController);
}

void TcxHintController::RemoveHintStyleController(TcxCustomHintStyleController* AController) {
  if (!AController || AController->ComponentState().Contains(csDesigning)) return;
  const TClass current = CurrentHintWindowClass();
  const bool listed =
      std::find(FControllerList.begin(), FControllerList.end(), AController) != FControllerList.end();
  std::erase(FControllerList, AController);
  if (listed && current == HintWindowClass) HintWindowClass = CurrentHintWindowClass();
  if (listed && FControllerList.empty() && Application)
    Application->OnShowHint = std::move(FSavedApplicationOnShowHint);
}

void TcxHintController::HandleApplicationShowHint(String& HintStr, bool& CanShow, THintInfo& HintInfo) {
  SetHintedControl(HintInfo.HintControl);
  if (TcxCustomHintStyleController* controller = GetActiveHintStyleController()) {
    HintInfo.HintWindowClass = controller->GetHintWindowClass();
    controller->HintStyle()->PrepareHint(HintStr, CanShow, HintInfo);
    if (controller->OnShowHint) controller->OnShowHint(controller, HintStr, CanShow, HintInfo);
    String caption;
    if (controller->OnShowHintEx) controller->OnShowHintEx(controller, caption, HintStr, CanShow, HintInfo);
    controller->HintWindow()->SetCaption(caption);
  }
  CallSavedShowHint(HintStr, CanShow, HintInfo);
  if (!CanShow || HintStr.empty()) SetHintedControl(nullptr);
}

void TcxHintController::CallSavedShowHint(String& HintStr, bool& CanShow, THintInfo& HintInfo) {
  if (FSavedApplicationOnShowHint) FSavedApplicationOnShowHint(HintStr, CanShow, HintInfo);
}

TcxCustomHintStyleController* TcxHintController::GetActiveHintStyleController() {
  TControl* control = FHintedControl;
  if (!control) control = cxFindWindowControl(GetCapture());
  if (!control) {
    TPoint cursor;
    cxGetCursorPosSafe(cursor);
    control = cxFindWindowControl(WindowFromPoint(POINT{cursor.X, cursor.Y}));
  }
  if (control)
    for (TWinControl* parent = control->Parent(); parent; parent = parent->Parent())
      if (TComponent* owned =
              cxFindOwnedComponentOfClass(parent, TcxCustomHintStyleController::StaticClass()))
        return static_cast<TcxCustomHintStyleController*>(owned);
  for (auto it = FControllerList.rbegin(); it != FControllerList.rend(); ++it)
    if ((*it)->Global()) return *it;
  return nullptr;
}

// ---------------------------------------------------------------- routines

TcxHintController* cxHintController() { return GHintController; }

TcxRegisteredClasses* cxHintStyleClasses() { return GHintStyleClasses; }

TcxCustomHintStyleController* cxGetActiveHintStyleController() {
  return GHintController ? GHintController->GetActiveHintStyleController() : nullptr;
}

TClass cxGetActiveHintWindowClass() {
  TcxCustomHintStyleController* controller = cxGetActiveHintStyleController();
  return controller ? controller->GetHintWindowClass() : HintWindowClass;
}

void cxResetHintedControl() {
  if (GHintController) GHintController->SetHintedControl(nullptr);
}

void cxRecreateHintWindow(std::unique_ptr<THintWindow>& AHintWindow, TClass AHintWindowClass, TColor AColor) {
  AHintWindow.reset();
  AHintWindow.reset(static_cast<THintWindow*>(
      TObject::CreateInstance(AHintWindowClass ? AHintWindowClass : HintWindowClass)));
  AHintWindow->SetColor(AColor);
}

void cxActivateHintWindow(THintWindow* AHintWindow, const TRect& R, const String& AHint) {
  if (AHintWindow->Parent()) {
    if (AHintWindow->HandleAllocated()) ShowWindow(AHintWindow->Handle(), SW_HIDE);
    AHintWindow->SetParent(nullptr);
  }
  AHintWindow->ActivateHint(R, AHint);
}

int cxWidestHintLineWidth(THintWindow* AHintWindow, const String& AText) {
  int widest = 0;
  size_t start = 0;
  while (start <= AText.size()) {
    size_t end = AText.find(L'\n', start);
    if (end == String::npos) end = AText.size();
    String line = AText.substr(start, end - start);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    widest = std::max(widest, AHintWindow->Canvas()->TextWidth(line));
    start = end + 1;
  }
  return widest;
}

bool cxPrepareHintInfo(THintInfo& AHintInfo, std::unique_ptr<THintWindow>& AHintWindow, TControl* AControl,
                       const String& AText, TRect& R, void* AHintObject, int AHideTimeout) {
  AHintInfo.HintControl = AControl;
  AHintInfo.HintWindowClass = AHintWindow ? AHintWindow->ClassType() : nullptr;
  AHintInfo.HintPos = R.TopLeft();
  AHintInfo.HintMaxWidth = Screen->Width();
  AHintInfo.HintColor = Application->HintColor();
  AHintInfo.ReshowTimeout = 0;
  AHintInfo.HideTimeout = AHideTimeout > 0 ? AHideTimeout : Application->HintHidePause();
  AHintInfo.HintStr = AText;
  AHintInfo.HintData = AHintObject;
  if (AControl) {
    TPoint cursor;
    cxGetCursorPosSafe(cursor);
    AHintInfo.CursorPos = AControl->ScreenToClient(cursor);
    AHintInfo.CursorRect = TRect(0, 0, AControl->Width(), AControl->Height());
  }
  bool canShow = true;
  if (!Application->OnShowHint) return canShow;
  Application->OnShowHint(AHintInfo.HintStr, canShow, AHintInfo);
  // A hint whose text was taken away would show an empty window.
  if (!canShow || AHintInfo.HintStr.empty()) return false;
  const TClass wanted = AHintInfo.HintWindowClass ? AHintInfo.HintWindowClass : HintWindowClass;
  if (!AHintWindow || AHintWindow->ClassType() != wanted)
    cxRecreateHintWindow(AHintWindow, wanted, AHintInfo.HintColor);
  if (AControl) AHintWindow->SetBiDiMode(AControl->BiDiMode());
  R = AHintWindow->CalcHintRect(AHintInfo.HintMaxWidth, AHintInfo.HintStr, AHintInfo.HintData);
  R.Offset(AHintInfo.HintPos.X, AHintInfo.HintPos.Y);
  // A right-to-left hint ends where a left-to-right one would start.
  if (AHintWindow->IsRightToLeft()) R.Offset(-(cxWidestHintLineWidth(AHintWindow.get(), AHintInfo.HintStr) + 5), 0);
  return true;
}

// ---------------------------------------------------------------- hint helper

namespace {

// A single-line hint is as wide as its text.
constexpr int MaxHintTextWidth = 32000;
constexpr uint32_t HintCheckInterval = 100;

TPoint CursorPos() {
  TPoint P;
  cxGetCursorPosSafe(P);
  return P;
}

bool IsVisibleWindow(TWinControl* AControl) {
  return AControl && AControl->HandleAllocated() && IsWindowVisible(AControl->Handle());
}

}  // namespace

TcxCustomHintHelper::~TcxCustomHintHelper() { HideHint(); }

void TcxCustomHintHelper::ShowHint(const TRect& AHintAreaBounds, const TRect& ATextRect, const String& AText,
                                   bool AIsHintMultiLine, TObject* AHintObject, TFont* AFont) {
  if (!IsHintAllowed()) return;
  if (FLastHintableObject && AHintObject == FLastHintableObject) {
    if (HintFollowsMouse()) {
      if (FHintHideTimer && CursorPos() != FLastHintMousePos) RestartHideTimer();
      else if (HasHideTimeout()) return;
    } else if (HasHideTimeout()) {
      if (AText != FLastHintText) FLastHintableObject = nullptr;
      return;
    }
  } else if (FHintableObject) {
    CancelHint();
  }

  const TClass windowClass = GetHintWindowClassToUse();
  if (!FHintWindow || FHintWindow->ClassType() != windowClass) {
    cxRecreateHintWindow(FHintWindow, windowClass, Application->HintColor());
  } else if (IsVisibleWindow(FHintWindow.get())) {
    if (AText == FLastHintText && ATextRect == FHintTextRect) return;
    cxEndMouseTracking(this);
  }

  if (AFont) FHintWindow->Canvas()->Font()->Assign(AFont);
  TRect R = CalculateHintWindowRect(ATextRect, AText, AIsHintMultiLine);
  THintInfo hintInfo;
  if (!cxPrepareHintInfo(hintInfo, FHintWindow, GetOwnerControl(), AText, R, AHintObject, GetHideTimeout())) return;

  FLastHintText = AText;
  FHintTextRect = ATextRect;
  FHintAreaBounds = AHintAreaBounds;
  FHintableObject = AHintObject;
  FLastHintableObject = AHintObject;
  FLastHintMousePos = CursorPos();
  if (auto* helper = dynamic_cast<IcxHintWindowHelper*>(FHintWindow.get())) {
    TRect screenArea = AHintAreaBounds;
    if (TWinControl* control = GetHintControl()) {
      const TPoint origin = control->ClientToScreen(TPoint(0, 0));
      screenArea.Offset(origin.X, origin.Y);
    }
    helper->SetHintAreaBounds(screenArea, HintFollowsMouse());
  }
  cxActivateHintWindow(FHintWindow.get(), R, hintInfo.HintStr);
  FHintHidePause = hintInfo.HideTimeout;
  cxBeginMouseTracking(GetHintControl(), FHintAreaBounds, this);
  StartHintTimers();
}

void TcxCustomHintHelper::HideHint() {
  // Asked before the object is let go: its answer decides.
  const bool keepsLastText = HasHideTimeout();
  StopHintTimers();
  cxEndMouseTracking(this);
  FHintableObject = nullptr;
  FHintAreaBounds = TRect();
  if (FHintWindow && FHintWindow->HandleAllocated()) ShowWindow(FHintWindow->Handle(), SW_HIDE);
  if (!keepsLastText) FLastHintText.clear();
}

void TcxCustomHintHelper::CancelHint() {
  HideHint();
  FLastHintableObject = nullptr;
}

void TcxCustomHintHelper::MouseDown() {
  if (HidesHintOnMouseDown()) HideHint();
}

IcxHintableObject* TcxCustomHintHelper::HintableObject() const {
  return dynamic_cast<IcxHintableObject*>(FHintableObject);
}

bool TcxCustomHintHelper::IsPointInHintArea(const TPoint& P) {
  if (FHintableObject) {
    IcxHintableObject* object = HintableObject();
    return object && object->HintAreaContains(P);
  }
  return (FHintAreaBounds.IsEmpty() ? GetDefaultHintArea() : FHintAreaBounds).Contains(P);
}

bool TcxCustomHintHelper::IsHintAllowed() {
  constexpr WPARAM buttons = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;
  if (HidesHintOnMouseDown() && (cxGetMouseKeyFlags() & buttons)) return false;
  return cxCanShowHintForControl(GetHintControl());
}

TPoint TcxCustomHintHelper::GetHintWindowMargins() {
  RECT window;
  GetWindowRect(FHintWindow->Handle(), &window);
  const TPoint client = FHintWindow->ClientToScreen(TPoint(0, 0));
  return TPoint(client.X - window.left + 2, client.Y - window.top + 2);
}

void TcxCustomHintHelper::AdjustHintWindowRect(TRect& R) {
  const TPoint margins = GetHintWindowMargins();
  R.Inflate(margins.X, margins.Y);
}

TRect TcxCustomHintHelper::GetDefaultHintArea() {
  TWinControl* control = GetHintControl();
  return control ? control->ClientRect() : TRect();
}

TRect TcxCustomHintHelper::CalculateHintWindowRect(const TRect& ATextRect, const String& AText,
                                                   bool AIsHintMultiLine) {
  TRect R = FHintWindow->CalcHintRect(AIsHintMultiLine ? ATextRect.Width() : MaxHintTextWidth, AText, nullptr);
  R.Right -= 6;
  R.Bottom -= 2;
  TPoint origin = ATextRect.TopLeft();
  if (TWinControl* control = GetHintControl()) origin = control->ClientToScreen(origin);
  R.Offset(origin.X - R.Left, origin.Y - R.Top);
  AdjustHintWindowRect(R);
  cxMoveRectIntoWorkArea(R, R.TopLeft());
  R.Bottom -= 4;
  return R;
}

bool TcxCustomHintHelper::HintFollowsMouse() {
  IcxHintableObject* object = HintableObject();
  return object && object->HintFollowsMouse();
}

bool TcxCustomHintHelper::HasHideTimeout() {
  if (!FHintableObject) return true;
  IcxHintableObject* object = HintableObject();
  return object && object->HintHidePauseApplies();
}

void TcxCustomHintHelper::StartHintTimers() {
  if (!FHintCheckerTimer)
    FHintCheckerTimer.reset(cxNewTimer(HintCheckInterval, true, [this](TObject*) { CheckTimerTick(); }));
  if (HasHideTimeout() && !FHintHideTimer)
    FHintHideTimer.reset(cxNewTimer(static_cast<uint32_t>(FHintHidePause), true, [this](TObject*) { HideHint(); }));
}

void TcxCustomHintHelper::RestartHideTimer() {
  FLastHintMousePos = CursorPos();
  FHintHideTimer->SetEnabled(false);
  FHintHideTimer->SetEnabled(true);
}

void TcxCustomHintHelper::StopHintTimers() {
  FHintCheckerTimer.reset();
  FHintHideTimer.reset();
}

void TcxCustomHintHelper::CheckTimerTick() {
  if (!IsHintAllowed()) CancelHint();
}

// ---------------------------------------------------------------- unit

namespace {

void cxHintsInitialize() {
  cxAnimateWindowProc = reinterpret_cast<TcxAnimateWindowProc>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AnimateWindow")));
  GHintStyleClasses = new TcxRegisteredClasses;
  GHintController = new TcxHintController(nullptr);
}

void cxHintsFinalize() {
  delete GHintController;
  GHintController = nullptr;
  delete GHintStyleClasses;
  GHintStyleClasses = nullptr;
}

}  // namespace

const TUnitEntry cxHintsUnit{L"cxHints", cxHintsInitialize, cxHintsFinalize};
