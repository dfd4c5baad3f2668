#pragma once
// The library's hints: hint windows that can animate in and be shaped,
// pluggable hint styles, the style controller that owns a style, a window,
// the hint pauses and the hint events, and the one hint controller that
// takes the application's hint display over while style controllers exist
// and hands each hint to the controller that applies to the hinted control.
#include <memory>
#include <vector>

#include "components/controls/cxControls.h"
#include "vcl/controls/Application.h"

enum class TcxHintAnimationStyle {
  cxhaSlideFromLeft, cxhaSlideFromRight, cxhaSlideDownward, cxhaSlideUpward, cxhaSlideFromCenter,
  cxhaHide, cxhaActivate, cxhaFadeIn, cxhaAuto, cxhaNone
};
using enum TcxHintAnimationStyle;

// The system's AnimateWindow, bound at start-up; null where it is missing.
using TcxAnimateWindowProc = BOOL(WINAPI*)(HWND AWnd, DWORD ATime, DWORD AFlags);
extern TcxAnimateWindowProc cxAnimateWindowProc;

// A hint window told which area of the screen its hint belongs to.
class IcxHintWindowHelper {
public:
  virtual void SetHintAreaBounds(const TRect& ABounds, bool AUseMousePos) = 0;

protected:
  ~IcxHintWindowHelper() = default;
};

// A hint window that animates in as the system's tooltips do and may have
// a window region; with StandardHint it is the platform's hint window.
class TcxBaseHintWindow : public THintWindow, public IcxHintWindowHelper {
  VCL_COMPONENT_CLASS(TcxBaseHintWindow, THintWindow)
public:
  explicit TcxBaseHintWindow(TComponent* AOwner);

  TcxHintAnimationStyle AnimationStyle() const { return FAnimationStyle; }
  void SetAnimationStyle(TcxHintAnimationStyle Value) { FAnimationStyle = Value; }
  int AnimationDelay() const { return FAnimationDelay; }
  void SetAnimationDelay(int Value) { FAnimationDelay = Value; }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value) { FBorderStyle = Value; }
  TcxCanvas* cxCanvas() const { return FcxCanvas.get(); }
  bool NeedEraseBackground() const { return FNeedEraseBackground; }
  void SetNeedEraseBackground(bool Value) { FNeedEraseBackground = Value; }
  bool StandardHint() const { return FStandardHint; }
  void SetStandardHint(bool Value) { FStandardHint = Value; }
  // The last showing animated.
  bool HasAnimation() const { return FHasAnimation; }
  const TRect& HintAreaBounds() const { return FHintAreaBounds; }

  void ActivateHint(const TRect& Rect, const String& AHint) override;
  // Kept inside the work area of the monitor at its top-left corner.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetHintAreaBounds(const TRect& ABounds, bool AUseMousePos) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  // Into the work area at the mouse position.
  virtual void AdjustBoundsToDesktop(TRect& R);
  virtual void ClearWindowRegion();
  virtual void ApplyWindowRegion() {}
  virtual bool HasWindowRegion() { return false; }
  virtual void ShowHintWindow();
  // The style after the system's tooltip settings have their say.
  TcxHintAnimationStyle GetEffectiveAnimationStyle();

private:
  void ShowAnimated(const String& AHint);
  void AnimateShow(TcxHintAnimationStyle AStyle);

  bool FActivating = false;
  TcxHintAnimationStyle FAnimationStyle = cxhaAuto;
  int FAnimationDelay = 100;
  TBorderStyle FBorderStyle = bsSingle;
  std::unique_ptr<TcxCanvas> FcxCanvas;
  bool FHasAnimation = false;
  TRect FHintAreaBounds;
  // Tick count of the last activation; none yet at start.
  DWORD FLastActive = 0;
  bool FHasBeenActive = false;
  bool FNeedEraseBackground = false;
  bool FUseMousePos = false;
  bool FStandardHint = false;
};

// The window of a hint style: a caption over the hint text.
class TcxCustomHintWindow : public TcxBaseHintWindow {
  VCL_COMPONENT_CLASS(TcxCustomHintWindow, TcxBaseHintWindow)
public:
  using TcxBaseHintWindow::TcxBaseHintWindow;
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { FCaption = Value; }
  // The styles' windows show a hint of their own here.
  virtual void ShowHintAt(int X, int Y, const String& ACaption, const String& AHint, int AMaxWidth) {}

private:
  String FCaption;
};

class TcxCustomHintStyleController;

// How hints look; the style names the window class it needs.
class TcxCustomHintStyle : public TcxInterfacedPersistent {
  VCL_CLASS(TcxCustomHintStyle, TcxInterfacedPersistent)
public:
  // AOwner: the style controller (a component), or null.
  explicit TcxCustomHintStyle(TPersistent* AOwner) : TcxInterfacedPersistent(AOwner) {}
  virtual void ControllerChanged(TcxCustomHintStyleController* AController) {}
  virtual void ControllerRemoved(TcxCustomHintStyleController* AController) {}
  virtual void PrepareHint(String& HintStr, bool& CanShow, THintInfo& HintInfo) {}
  virtual void ComponentRemoved(TComponent* AComponent) {}
  virtual TClass GetHintWindowClass() = 0;
  TNotifyEvent OnChanged;

protected:
  void Changed() {
    if (OnChanged) OnChanged(this);
  }
};

using TcxHintStyleChangedEvent = std::function<void(TObject* Sender, TcxCustomHintStyle* AStyle)>;
using TcxShowHintEvent =
    std::function<void(TObject* Sender, String& HintStr, bool& CanShow, THintInfo& HintInfo)>;
using TcxShowHintExEvent = std::function<void(TObject* Sender, String& Caption, String& HintStr,
                                              bool& CanShow, THintInfo& HintInfo)>;

// Owns a hint style and its window, the pauses it gives the application and
// the hint events; while it exists the application's hints pass through it.
class TcxCustomHintStyleController : public TcxCustomComponent, public IcxLookAndFeelContainer {
  VCL_CLASS(TcxCustomHintStyleController, TcxCustomComponent)
public:
  // AHintStyleClass: the class of the style (a TcxCustomHintStyle made with
  // the controller as its owner).
  TcxCustomHintStyleController(TComponent* AOwner, TClass AHintStyleClass);
  ~TcxCustomHintStyleController() override;

  TcxCustomHintStyle* HintStyle() const { return FHintStyle.get(); }
  void SetHintStyle(TcxCustomHintStyle* Value) { FHintStyle->Assign(Value); }
  TcxCustomHintWindow* HintWindow() const { return FHintWindow.get(); }
  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
  void SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }
  TcxCustomLookAndFeelPainter* LookAndFeelPainter() const { return FLookAndFeel->Painter(); }
  TcxLookAndFeel* GetLookAndFeel() override { return FLookAndFeel.get(); }
  bool UseHintControlLookAndFeel() const { return FUseHintControlLookAndFeel; }
  void SetUseHintControlLookAndFeel(bool Value) { FUseHintControlLookAndFeel = Value; }
  // May serve controls that have no controller of their own.
  bool Global() const { return FGlobal; }
  void SetGlobal(bool Value) { FGlobal = Value; }
  int HintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(int Value);
  int HintPause() const { return FHintPause; }
  void SetHintPause(int Value);
  int HintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int Value);
  // A registered style class by name; another class makes style and window
  // anew.
  String HintStyleClassName() const;
  void SetHintStyleClassName(const String& Value);

  void Assign(TPersistent* Source) override;
  virtual void BeginUpdate() { ++FUpdateCount; }
  virtual void EndUpdate();
  virtual void AddListener(TcxCustomHintStyle* AStyle);
  virtual void RemoveListener(TcxCustomHintStyle* AStyle);
  // Shows a hint of its own at the screen point.
  void ShowHint(int X, int Y, const String& ACaption, const String& AHint, int AMaxWidth = 0);
  void HideHint();
  virtual TClass GetHintStyleClass() { return FHintStyleClass; }
  virtual TClass GetHintWindowClass() { return FHintStyle->GetHintWindowClass(); }

  TcxHintStyleChangedEvent OnHintStyleChanged;
  TcxShowHintEvent OnShowHint;
  TcxShowHintExEvent OnShowHintEx;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;
  virtual void NotifyListener(TcxCustomHintStyle* AStyle);
  // The style changed: the event, then each listener.
  void HintStyleChanged();

private:
  void CreateHintStyleAndWindow();
  void DestroyHintStyleAndWindow();
  void ApplyPausesToApplication();

  bool FGlobal = true;
  int FHintShortPause = 50;
  int FHintPause = 500;
  int FHintHidePause = 2500;
  TClass FHintStyleClass;
  std::unique_ptr<TcxCustomHintWindow> FHintWindow;
  std::vector<TcxCustomHintStyle*> FListeners;
  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  int FUpdateCount = 0;
  bool FUseHintControlLookAndFeel = false;
  std::unique_ptr<TcxCustomHintStyle> FHintStyle;
};

// Takes the application's hints over while style controllers exist and
// gives them back after the last one.
class TcxHintController : public TComponent {
  VCL_CLASS(TcxHintController, TComponent)
public:
  explicit TcxHintController(TComponent* AOwner) : TComponent(AOwner) {}
  ~TcxHintController() override;

  TControl* HintedControl() const { return FHintedControl; }
  void SetHintedControl(TControl* Value);
  void AddHintStyleController(TcxCustomHintStyleController* AController);
  void RemoveHintStyleController(TcxCustomHintStyleController* AController);
  // The controller of the hinted control (or of the control under the
  // capture or the mouse): one owned by a parent, else the newest global
  // one; null for none.
  TcxCustomHintStyleController* GetActiveHintStyleController();

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void HandleApplicationShowHint(String& HintStr, bool& CanShow, THintInfo& HintInfo);
  void CallSavedShowHint(String& HintStr, bool& CanShow, THintInfo& HintInfo);
  TClass CurrentHintWindowClass() const;

  TControl* FHintedControl = nullptr;
  std::vector<TcxCustomHintStyleController*> FControllerList;
  TShowHintEvent FSavedApplicationOnShowHint;
  TClass FSavedHintWindowClass = nullptr;
};

// The width of the hint text's widest line in the hint window's font.
int cxWidestHintLineWidth(THintWindow* AHintWindow, const String& AText);
// Makes the hint window anew as AHintWindowClass (null: the platform's
// HintWindowClass) in AColor.
void cxRecreateHintWindow(std::unique_ptr<THintWindow>& AHintWindow, TClass AHintWindowClass, TColor AColor);
// Shows the hint window at R (screen) with AHint; a window placed on a
// parent is taken off it first.
void cxActivateHintWindow(THintWindow* AHintWindow, const TRect& R, const String& AHint);
// Fills AHintInfo for a hint of AControl showing AText in R (screen) and
// lets the application's OnShowHint have its say: the window then takes the
// class it asks for and R the size of the text it leaves. Whether the hint
// shows: not when OnShowHint forbids it or leaves no text.
bool cxPrepareHintInfo(THintInfo& AHintInfo, std::unique_ptr<THintWindow>& AHintWindow, TControl* AControl,
                       const String& AText, TRect& R, void* AHintObject, int AHideTimeout);

// The hint window class the active style controller needs, else the
// platform's.
TClass cxGetActiveHintWindowClass();
TcxCustomHintStyleController* cxGetActiveHintStyleController();
void cxResetHintedControl();
// The one controller; null outside the unit's lifetime.
TcxHintController* cxHintController();
// The registered hint style classes.
TcxRegisteredClasses* cxHintStyleClasses();

// An object whose hint a hint helper shows (a cell, a button of a control)
// and that says itself where its hint area lies and how its hint behaves.
class IcxHintableObject {
public:
  // P in the hint control's client coordinates.
  virtual bool HintAreaContains(const TPoint& P) = 0;
  virtual bool HintFollowsMouse() = 0;
  virtual bool HintHidePauseApplies() = 0;

protected:
  ~IcxHintableObject() = default;
};

// Shows hints for parts of a control with their own timing: the hint goes
// when the mouse leaves the hint area, when hints are no longer allowed
// (checked every 100 ms) and after the hide pause.
class TcxCustomHintHelper : public TcxIUnknownObject, public IcxMouseTrackingCaller2 {
  VCL_CLASS(TcxCustomHintHelper, TcxIUnknownObject)
public:
  TcxCustomHintHelper() = default;
  ~TcxCustomHintHelper() override;

  // AHintAreaBounds and ATextRect in the hint control's client coordinates;
  // the hint window lies over ATextRect. AHintObject may support
  // IcxHintableObject; AFont, when given, is the hint window's font.
  void ShowHint(const TRect& AHintAreaBounds, const TRect& ATextRect, const String& AText, bool AIsHintMultiLine,
                TObject* AHintObject, TFont* AFont = nullptr);
  void HideHint();
  // Hides the hint and forgets the object last hinted.
  void CancelHint();
  virtual void MouseDown();
  THintWindow* HintWindow() const { return FHintWindow.get(); }

protected:
  virtual void MouseTrackingMouseLeave() { CancelHint(); }
  virtual bool IsPointInHintArea(const TPoint& P);
  virtual bool IsHintAllowed();
  virtual void AdjustHintWindowRect(TRect& R);
  virtual TWinControl* GetHintControl() { return GetOwnerControl(); }
  virtual TRect GetDefaultHintArea();
  virtual int GetHideTimeout() { return Application->HintHidePause(); }
  virtual TClass GetHintWindowClassToUse() { return cxGetActiveHintWindowClass(); }
  virtual TRect CalculateHintWindowRect(const TRect& ATextRect, const String& AText, bool AIsHintMultiLine);
  virtual TWinControl* GetOwnerControl() { return nullptr; }
  virtual bool HintFollowsMouse();
  virtual bool HidesHintOnMouseDown() { return true; }
  virtual bool HasHideTimeout();

private:
  void MouseLeave() override { MouseTrackingMouseLeave(); }
  bool ContainsPoint(const TPoint& P) override { return IsPointInHintArea(P); }
  IcxHintableObject* HintableObject() const;
  TPoint GetHintWindowMargins();
  void StartHintTimers();
  void RestartHideTimer();
  void StopHintTimers();
  void CheckTimerTick();

  TObject* FHintableObject = nullptr;
  TRect FHintAreaBounds;
  std::unique_ptr<TcxTimer> FHintCheckerTimer;
  std::unique_ptr<TcxTimer> FHintHideTimer;
  int FHintHidePause = 0;
  TObject* FLastHintableObject = nullptr;
  TPoint FLastHintMousePos;
  String FLastHintText;
  TRect FHintTextRect;
  std::unique_ptr<THintWindow> FHintWindow;
};

// The hint helper of a library control: the hint area defaults to the
// control's bounds.
class TcxControlHintHelper : public TcxCustomHintHelper {
  VCL_CLASS(TcxControlHintHelper, TcxCustomHintHelper)
protected:
  virtual TcxControl* GetHintedControl() { return GetOwnerTcxControl(); }
  virtual TcxControl* GetOwnerTcxControl() = 0;
  TWinControl* GetHintControl() override { return GetHintedControl(); }
  TWinControl* GetOwnerControl() override { return GetOwnerTcxControl(); }
  TRect GetDefaultHintArea() override { return GetOwnerTcxControl()->Bounds(); }
};

extern const TUnitEntry cxHintsUnit;
