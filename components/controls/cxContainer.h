#pragma once
// The container unit: the container styles with their assigned values,
// state defaults and chained style controllers; the container view info
// that lays out and paints a container's border, background and shadow; the
// routines on border widths and colours, shadows, window regions, window
// relationships and scroll-bar information; and TcxContainer, the control
// that hosts one inner control inside such a border (the base of every
// editor).
#include <memory>
#include <optional>

#include "components/controls/cxControls.h"
#include "components/core/dxThemeManager.h"

class TcxContainer;
class TcxStyleController;

// ---------------------------------------------------------------- style values

// A style value; descendants of the style add values after the ten below
// (at most 32 in all).
enum class TcxContainerStyleValue {
  csvBorderColor, csvBorderStyle, csvColor, csvEdges, csvFont, csvHotTrack, csvShadow,
  csvTextColor, csvTextStyle, csvTransparentBorder
};
using enum TcxContainerStyleValue;
using TcxContainerStyleValues = TSet<TcxContainerStyleValue>;

// The state a style is for (its index among a container's four styles).
enum class TcxContainerStateItem { csNormal, csActive, csDisabled, csHotTrack };
using enum TcxContainerStateItem;
using TcxContainerState = TSet<TcxContainerStateItem>;

enum class TcxContainerHotState { chsNoHotTrack, chsNormal, chsSelected };
using enum TcxContainerHotState;
enum class TcxMouseButton { cxmbNone, cxmbLeft, cxmbRight, cxmbMiddle };
using enum TcxMouseButton;

struct TcxContainerStyleData {
  TColor Color = clWindow;
  TFont* Font = nullptr;
  TColor FontColor = clWindowText;
};

// The window region last applied to an inner control.
struct TcxContainerInnerControlBounds {
  bool IsEmpty = true;
  TRect Rect;
};

// A control hosted inside a container.
class IcxContainerInnerControl {
public:
  virtual TWinControl* GetControl() = 0;
  virtual TcxContainer* GetControlContainer() = 0;

protected:
  ~IcxContainerInnerControl() = default;
};

// A popup window, which answers the control it pops up for.
// A form embedded in another form's window that wants CM_ENTER and CM_EXIT
// when the focus moves between it and the form around it.
class IcxEmbeddedForm {
protected:
  virtual ~IcxEmbeddedForm() = default;
};

class IdxPopupControl {
public:
  virtual TWinControl* GetOwnerControl() = 0;

protected:
  ~IdxPopupControl() = default;
};

// ---------------------------------------------------------------- container style

// The look of a container in one state. A value counts only when it is
// assigned; an unassigned value comes from the style controller's style of
// the same state (through chained controllers), and failing that from a
// default of the state. The three state styles read Font, Edges, HotTrack,
// Shadow, TransparentBorder, LookAndFeel and StyleController through the
// normal (top-level) style.
class TcxContainerStyle : public TcxInterfacedPersistent, public IdxSkinSupport {
  VCL_CLASS(TcxContainerStyle, TcxInterfacedPersistent)
  VCL_PUBLISHED(TcxContainerStyle)
public:
  // A direct-access style holds its values rather than inheriting them: a
  // lightweight style to paint with.
  TcxContainerStyle(TPersistent* AOwner, bool ADirectAccessMode, TcxContainerStyle* AParentStyle = nullptr,
                    TcxContainerStateItem AState = csNormal);
  ~TcxContainerStyle() override;
  TcxContainerStyle(const TcxContainerStyle&) = delete;
  TcxContainerStyle& operator=(const TcxContainerStyle&) = delete;

  void Assign(TPersistent* Source) override;
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  virtual void RestoreDefaults();

  static int GetStyleValueCount() { return 10; }
  // False (and an empty name) for a value the style does not know.
  static bool GetStyleValueName(TcxContainerStyleValue AValue, String& AName);
  // Looks the name up ignoring case.
  static bool GetStyleValue(const String& APropertyName, TcxContainerStyleValue& AValue);
  // Assigned here or in the active controller's style of the same state.
  virtual bool IsValueAssigned(TcxContainerStyleValue AValue) const;
  virtual bool HasBorder() const;
  // False for LookAndFeel and StyleController and for the values that the
  // state styles take from the normal one.
  bool IsExtendedStylePropertyPublished(const String& APropertyName) const;
  // Font with TextColor and TextStyle applied; the style owns it.
  TFont* GetVisibleFont();

  bool IsTopLevelStyle() const { return FParentStyle == nullptr; }
  TcxContainerStyle* BaseStyle() { return IsTopLevelStyle() ? this : FParentStyle; }
  const TcxContainerStyle* BaseStyle() const { return IsTopLevelStyle() ? this : FParentStyle; }
  TcxContainer* Container() const;
  TcxStyleController* ActiveStyleController() const { return BaseStyle()->FStyleController; }
  bool DirectAccessMode() const { return FDirectAccessMode; }
  TcxContainerStateItem State() const { return FState; }
  TcxContainerStyle* ParentStyle() const { return FParentStyle; }

  TcxContainerStyleValues AssignedValues() const;
  void SetAssignedValues(TcxContainerStyleValues Value);
  TColor BorderColor() const;
  void SetBorderColor(TColor Value);
  TcxContainerBorderStyle BorderStyle() const;
  void SetBorderStyle(TcxContainerBorderStyle Value);
  virtual TColor Color() const;
  void SetColor(TColor Value);
  TcxBorders Edges() const;
  void SetEdges(TcxBorders Value);
  TFont* Font() const { return BaseStyle()->StyleData.Font; }
  void SetFont(TFont* Value);
  bool HotTrack() const;
  void SetHotTrack(bool Value);
  bool Shadow() const;
  void SetShadow(bool Value);
  virtual TColor TextColor() const;
  void SetTextColor(TColor Value);
  virtual TFontStyles TextStyle() const;
  void SetTextStyle(TFontStyles Value);
  bool TransparentBorder() const;
  void SetTransparentBorder(bool Value);
  TcxLookAndFeel* LookAndFeel() const { return BaseStyle()->FLookAndFeel.get(); }
  void SetLookAndFeel(TcxLookAndFeel* Value) { LookAndFeel()->Assign(Value); }
  // Null while linked to the global default controller.
  TcxStyleController* StyleController() const;
  // Null links to the global default controller; a controller whose chain
  // leads back to this style's owner is refused (the old link stays).
  void SetStyleController(TcxStyleController* Value);

  // The colour a container takes as its own.
  virtual TColor InternalGetColor() const;

  TNotifyEvent OnChanged;

protected:
  friend class TcxStyleController;
  void DefineProperties(TFiler* Filer) override;

  virtual void Changed();
  virtual void ControllerChangedNotification();
  virtual void StyleControllerRemoved(TcxStyleController* AController);
  virtual TColor GetDefaultBorderColor() const;
  virtual TcxContainerBorderStyle GetDefaultBorderStyle() const;
  virtual TColor GetDefaultColor() const;
  virtual TColor GetDefaultDisabledTextColor() const { return clBtnShadow; }
  virtual TcxBorders GetDefaultEdges() const { return cxBordersAll; }
  virtual bool GetDefaultHotTrack() const { return true; }
  virtual bool GetDefaultShadow() const { return false; }
  virtual TColor GetDefaultTextColor() const;
  virtual TFontStyles GetDefaultTextStyle() const;
  virtual bool GetDefaultTransparentBorder() const { return true; }
  virtual void FontChanged();
  virtual TcxStyleController* GetDefaultStyleController() const;
  virtual TcxContainerStyleValues InternalGetNotPublishedExtendedStyleValues() const;
  void UpdateFont();

  TcxContainerStyleData StyleData;

private:
  // The value as assigned here or, failing that, in the active
  // controller's style of the same state (recursively along the chain).
  template <class F>
  auto ResolveAssigned(TcxContainerStyleValue AValue, F AOwnValue) const
      -> std::optional<decltype(AOwnValue(*this))>;
  bool IsControllerChainFree(TcxStyleController* AController) const;
  void FireChangedIfModified();
  // Stores a value on this style (or its base), marking it assigned.
  template <class T>
  void StoreValue(TcxContainerStyleValue AValue, T TcxContainerStyle::*AField, const T& ANewValue);
  bool IsPropertyStored(TcxContainerStyleValue AValue) const;

  TColor FBorderColor = clWindowFrame;
  TcxContainerBorderStyle FBorderStyle = cbs3D;
  TcxBorders FEdges = cxBordersAll;
  bool FHotTrack = true;
  bool FShadow = false;
  bool FTransparentBorder = true;
  bool FDirectAccessMode;
  int FFontAssignedValueLockCount = 0;
  bool FIsDestroying = false;
  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  bool FModified = false;
  TcxContainerStyle* FParentStyle = nullptr;
  TcxContainerStateItem FState;
  TFontStyles FTextStyle;
  int FUpdateCount = 0;
  std::unique_ptr<TFont> FVisibleFont;
  TcxContainerStyleValues FAssignedValues;
  TcxStyleController* FStyleController = nullptr;
  std::unique_ptr<TFont> FOwnFont;
};

// The four state styles of a container or a controller.
class TcxContainerStyles : public TObject {
  VCL_CLASS(TcxContainerStyles, TObject)
public:
  using TStyleFactory =
      std::function<TcxContainerStyle*(TPersistent*, TcxContainerStyle*, TcxContainerStateItem)>;
  TcxContainerStyles(TPersistent* AOwner, const TStyleFactory& AStyleFactory);
  ~TcxContainerStyles() override;

  TcxContainerStyle* GetStyle(TcxContainerStateItem AState) const { return FStyles[static_cast<int>(AState)]; }
  // Assigns into the existing style.
  void SetStyle(TcxContainerStateItem AState, TcxContainerStyle* Value) { GetStyle(AState)->Assign(Value); }
  TcxContainerStyle* Style() const { return GetStyle(csNormal); }
  TcxContainerStyle* StyleFocused() const { return GetStyle(csActive); }
  TcxContainerStyle* StyleDisabled() const { return GetStyle(csDisabled); }
  TcxContainerStyle* StyleHot() const { return GetStyle(csHotTrack); }
  void SetOnChanged(const TNotifyEvent& Value);
  void RestoreDefaults();

private:
  TcxContainerStyle* FStyles[4] = {};
};

// A component whose four styles give many containers their unassigned
// values.
class TcxStyleController : public TcxScalableComponent {
  VCL_COMPONENT_CLASS(TcxStyleController, TcxScalableComponent)
  VCL_PUBLISHED(TcxStyleController)
public:
  explicit TcxStyleController(TComponent* AOwner);
  // Every linked style goes back to the default controller.
  ~TcxStyleController() override;

  TcxContainerStyle* Style() const { return FStyles->Style(); }
  TcxContainerStyle* GetInternalStyle(TcxContainerStateItem AState) const { return FStyles->GetStyle(AState); }
  void SetInternalStyle(TcxContainerStateItem AState, TcxContainerStyle* Value) { FStyles->SetStyle(AState, Value); }
  void RestoreStyles() { FStyles->RestoreDefaults(); }
  TcxStyleController* FakeStyleController() const { return Style()->StyleController(); }
  void SetFakeStyleController(TcxStyleController*) {}
  int ListenerCount() const { return static_cast<int>(FListeners.size()); }

  TNotifyEvent OnStyleChanged;

protected:
  friend class TcxContainerStyle;
  virtual void AddListener(TcxContainerStyle* AStyle);
  virtual TcxContainerStyle* CreateStyle(TcxContainerStyle* AParentStyle, TcxContainerStateItem AState);
  virtual void RemoveListener(TcxContainerStyle* AStyle);
  // Makes the four styles afresh through CreateStyle: a descendant whose
  // styles are of a class of its own calls it from its constructor.
  void RecreateStyles();
  void Loaded() override;
  void RescaleTo(int M, int D) override;
  void Changed();

private:
  bool FIsDestruction = false;
  std::vector<TcxContainerStyle*> FListeners;
  std::unique_ptr<TcxContainerStyles> FStyles;
};

// The global default controller that the editors install; null until then.
TcxStyleController* cxDefaultContainerStyleController();
void cxSetDefaultContainerStyleController(TcxStyleController* AController);

// ---------------------------------------------------------------- view info

// The calculated layout, colours and painting of a container's border and
// background.
class TcxContainerViewInfo : public TObject {
  VCL_CLASS(TcxContainerViewInfo, TObject)
public:
  TcxContainerViewInfo() = default;

  virtual void Assign(TObject* Source);
  // A new empty region that the caller frees.
  virtual TcxRegion* GetUpdateRegion(TcxContainerViewInfo* AViewInfo) { return new TcxRegion(); }
  virtual void Offset(int DX, int DY);
  virtual void Paint(TcxCanvas* ACanvas) { InternalPaint(ACanvas); }
  virtual void UpdateStyle(TcxContainerStyle* AStyle);
  TColor BackgroundColor() const { return FBackgroundColor; }
  virtual void SetBackgroundColor(TColor Value) { FBackgroundColor = Value; }
  virtual TcxContainerBorderStyle GetContainerBorderStyle() const { return BorderStyle; }

  bool FCalculated = false;
  TColor BorderColor = clDefault;
  TRect BorderRect;
  TcxContainerBorderStyle BorderStyle = cbsNone;
  int BorderWidth = 0;
  TRect Bounds;
  TRect ClientRect;
  TcxContainerState ContainerState{csNormal};
  TcxBorders Edges;
  TcxContainerHotState HotState = chsNoHotTrack;
  int NativePart = 0;
  int NativeState = 0;
  bool NativeStyle = false;
  TObject* Owner = nullptr;
  TcxCustomLookAndFeelPainter* Painter = nullptr;
  bool Shadow = false;
  TdxThemedObjectType ThemedObjectType = totEdit;
  bool UseSkins = false;

protected:
  virtual void DrawBorder(TcxCanvas* ACanvas, const TRect& R);
  virtual void InternalPaint(TcxCanvas* ACanvas);

private:
  void PaintDrawnBorder(TcxCanvas* ACanvas);
  void PaintNativeBorder(TcxCanvas* ACanvas);

  TColor FBackgroundColor = clWindow;
};

// ---------------------------------------------------------------- container

// The control that hosts one windowed inner control inside a border drawn
// from its four state styles, with an optional drop shadow and window
// region; it passes focus and keys on to the inner control and shows
// library scroll bars over the inner control's native ones. The editors
// derive from it.
class TcxContainer : public TcxControl {
  VCL_COMPONENT_CLASS(TcxContainer, TcxControl)
public:
  explicit TcxContainer(TComponent* AOwner);
  ~TcxContainer() override;

  // The inner control, or the container when there is none.
  TWinControl* ActiveControl() { return FInnerControl ? FInnerControl : this; }
  TWinControl* InnerControl() const { return FInnerControl; }
  // The container never owns the inner control; it forgets it when it goes.
  void SetInnerControl(TWinControl* Value);
  bool InnerControlMouseDown() const { return FInnerControlMouseDown; }
  void SetInnerControlMouseDown(bool Value) { FInnerControlMouseDown = Value; }
  TcxContainerStyles* Styles() const { return FStyles.get(); }
  TcxContainerStyle* Style() const { return FStyles->Style(); }
  TcxContainerStyle* StyleFocused() const { return FStyles->StyleFocused(); }
  TcxContainerStyle* StyleDisabled() const { return FStyles->StyleDisabled(); }
  TcxContainerStyle* StyleHot() const { return FStyles->StyleHot(); }
  TcxContainerViewInfo* ViewInfo() const { return FViewInfo.get(); }
  TcxStyleController* FakeStyleController() const { return Style()->StyleController(); }
  void SetFakeStyleController(TcxStyleController*) {}
  // The area that counts as inside the control for hot tracking.
  TRect VisibleBounds() { return GetVisibleBounds(); }

  // The container window or the inner control has the focus.
  bool Focused();
  bool IsFocused() override { return Focused(); }
  void SetFocus() override;
  // While the inner control is the form's active control it stands in the
  // container's place, so that tabbing backwards leaves the container.
  void GetTabOrderList(std::vector<TWinControl*>& List) override;
  void Invalidate() override;
  void Update() override;
  TcxLookAndFeel* GetLookAndFeel() override { return Style()->LookAndFeel(); }
  // The inner control drags as the container does.
  void SetDragMode(TDragMode Value);
  void SetDragKind(TDragKind Value) override;
  // The inner control's images stand for the container's.
  TDragImageList* GetDragImages() override;

  // The inner control's default handling of a message, asked first by the
  // inner control's own default handler; false while the container is
  // being destroyed or the inner control has no window.
  bool InnerControlDefaultHandler(TMessage& Message);
  // The inner control asks it first for its key-down messages: the
  // container's popup-menu shortcuts.
  virtual bool InnerControlMenuHandler(TMessage& Message);
  bool IsStylePropertyPublished(const String& APropertyName, bool AExtendedStyle);
  // Never below 0.
  void LockAlignControls(bool ALock);
  void LockPopupMenu(bool ALock);
  // Recalculates the view info at the cursor (when it is over the control)
  // with the current keys; every state change ends here.
  void ShortRefreshContainer(bool AIsMouseEvent);
  // Posted: the mirrored bars follow the inner control's when the queue
  // gets to it.
  void UpdateScrollBarsParameters();
  void UpdateInnerControlBounds();
  void EnsureViewInfoCalculated();
  TFont* GetVisibleFontWithTextColor();
  // Assigned in the normal or the active style.
  bool IsStyleValueAssigned(TcxContainerStyleValue AValue);
  // The window of the mirrored bar; 0 without one.
  HWND GetScrollBarHandle(TScrollBarKind AKind);
  IcxControlScrollBar* GetMirroredScrollBar(TScrollBarKind AKind) const;
  TcxContainerStyle* GetActiveStyle();

  virtual bool DefaultParentColor() { return false; }
  virtual bool IsInplace() { return false; }
  virtual bool IsReadOnly() { return false; }
  virtual bool HasPopupWindow() { return false; }
  // The inner control reports its focus changes here.
  void FocusChanged() override;

  // Private messages: a short refresh (posted by editors) and the
  // mirrored scroll bars' update.
  static constexpr UINT DXM_CONTAINERSHORTREFRESH = 0x807F;
  static constexpr UINT DXM_UPDATESCROLLBARS = 0x8080;

protected:
  friend class TcxCustomInnerListBox;
  void WndProc(TMessage& Message) override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  // A font of the normal style's own is scaled with the control.
  void ChangeScale(int M, int D) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DoContextPopup(const TPoint& MousePos, bool& Handled) override;
  void DoPaint() override;
  TRect GetClientBounds() override { return FViewInfo->ClientRect; }
  bool CanFocusOnClick() override;
  bool CanFocusOnClickEx(TWinControl*) override { return false; }
  bool CanStartDesignTimeDrag(int X, int Y) override { return false; }
  bool IsOwnWindowHandle(HWND H) override;
  bool HasScrollBars() override { return false; }
  void DoUpdateScrollBars() override;
  bool MayFocus() override;
  void ColorChanged() override;
  void CursorChanged() override;
  void MouseEnter(TControl* AControl) override;
  void MouseLeave(TControl* AControl) override;

  virtual bool UsesInnerControlScrollBars() { return FInnerControl != nullptr; }
  virtual void AdjustInnerControl();
  virtual void AdjustScrollBar(IcxControlScrollBar* ABar);
  virtual void CalculateViewInfo(const TPoint& P, bool AllowHotTrack);
  virtual bool NeedsFocusMoveOnTab() { return true; }
  virtual bool IsTransparentBorderUsed();
  virtual bool CanRefreshContainer();
  virtual bool IsContextPopupPoint(const TPoint& P) { return true; }
  virtual void StyleChanged(TObject* Sender);
  virtual TcxRegion* CreateWindowRegion();
  virtual void StyleChangedHook(TcxContainerStyle* AStyle) {}
  virtual void DataChanged() { ShortRefreshContainer(false); }
  virtual void ProcessMouseRefreshEvents() {}
  // Offers the inner control's unhandled key-downs to the application.
  virtual bool ProcessInnerControlDefaultMessage(TMessage& Message);
  virtual bool RefreshContainer(const TPoint& P, TcxMouseButton Button, TShiftState Shift, bool AIsMouseEvent);
  virtual void EnabledChanged();
  virtual TColor GetBackgroundColor();
  virtual TColor GetBorderColor();
  virtual TRect GetBorderExtent();
  virtual TcxEditStateColorKind GetEditStateColorKind();
  virtual void GetInnerControlVisibleBounds(const TRect& AVisibleBounds, TWinControl* AControl,
                                            TcxContainerInnerControlBounds& ABounds);
  virtual TRect GetShadowBounds();
  virtual TRect GetShadowBoundsExtent() { return TRect(); }
  virtual TcxContainerStyle* CreateStyle(TcxContainerStyle* AParentStyle, TcxContainerStateItem AState);
  virtual std::unique_ptr<TcxContainerViewInfo> CreateViewInfo();
  virtual TRect GetWindowRegionAddition() { return TRect(); }
  virtual bool IsShadowVisible();
  virtual TcxContainerStyle* InternalGetActiveStyle();
  virtual TcxContainerStyleValues InternalGetNotPublishedStyleValues() { return {}; }
  virtual TColor GetSkinBorderColor(bool AIsHighlight);
  virtual void GetSkinColors(TColor& ABackground, TColor& AText);
  virtual TColor GetDefaultBackgroundColor();
  virtual TColor GetDefaultTextColor();
  virtual bool IsInnerControlHandleOwned() { return false; }
  virtual bool IsNativeScrollBarVisible(const SCROLLBARINFO& AInfo);
  virtual bool IsFocusWithin();
  virtual bool IsContainerClass() { return false; }
  virtual bool IsNativeStyle();
  virtual void AdjustInnerControlBounds();
  virtual void SetShadowClipRegion();
  virtual void ViewInfoCalculatedHook() {}
  virtual void UpdateWindowRegion();
  virtual TdxThemedObjectType GetThemedObjectType() { return totEdit; }
  virtual int GetNativePart();
  virtual int GetNativeState();
  virtual void GetScrollBarBounds(const TRect& AScreenRect, TRect& R);
  virtual bool GetScrollBarEnabled(IcxControlScrollBar* ABar, const SCROLLBARINFO& AInfo);
  virtual bool GetNativeScrollBarInfo(SCROLLBARINFO& AInfo, TScrollBarKind AKind);
  virtual void FocusInnerControl();
  virtual void SetScrollBarVisible(IcxControlScrollBar* ABar, bool AVisible);
  virtual void ClearSavedChildControlRegions() { FInnerControlBounds.IsEmpty = true; }
  virtual TRect GetVisibleBounds();
  virtual void SetScrollBarsParameters(bool AIsScrolling);
  // Clips the inner control (or aligns the children the platform's way).
  virtual void ArrangeChildControls(TWinControl* AControl);

  void InternalRefreshContainer(const TPoint& P, TcxMouseButton Button, TShiftState Shift, bool AIsMouseEvent);
  // For a descendant whose style and view info classes are known only
  // after its construction: both made anew (what the old styles held is
  // dropped).
  void RecreateStylesAndViewInfo();

private:
  void CreateStylesAndViewInfo();
  void ProcessEvents();
  bool IsInnerControlBoundsChanged(TWinControl* AControl, const TcxContainerInnerControlBounds& ABounds) const;
  void HandleKeyDown(TMessage& Message);
  bool HandleSetFocusMessage(TMessage& Message);
  bool HandleKillFocusMessage(TMessage& Message);
  void HandleFontChangedMessage(TMessage& Message);
  void HandleParentFontChangedMessage(TMessage& Message);
  void HandleParentColorChangedMessage(TMessage& Message);
  void HandleSetCursorMessage(TMessage& Message);
  void CalculateContainerState(const TPoint& P, bool AllowHotTrack);
  TcxControlScrollBar* MirroredBar(TScrollBarKind AKind);

  struct TActiveStyleData {
    TcxContainerState ContainerState{csNormal};
    TcxContainerStyle* ActiveStyle = nullptr;
  };
  struct TSizeGripData {
    TRect Bounds;
    bool Visible = false;
  };

  TActiveStyleData FActiveStyleData;
  bool FHasChanges = false;
  TWinControl* FInnerControl = nullptr;
  TcxContainerInnerControlBounds FInnerControlBounds;
  bool FInnerControlMouseDown = false;
  bool FIsViewInfoCalculated = false;
  int FLockAlignControlsCount = 0;
  int FPopupMenuLockCount = 0;
  int FProcessEventsLockCount = 0;
  int FRefreshLockCount = 0;
  TSizeGripData FSizeGripData;
  bool FInternalSetting = false;
  bool FIsCreating = true;
  std::unique_ptr<TcxContainerStyles> FStyles;
  std::unique_ptr<TcxContainerViewInfo> FViewInfo;
  // The library bars shown over the inner control's native ones (children
  // of the container, made on first need).
  TcxControlScrollBar* FMirroredBars[2] = {};
};

// ---------------------------------------------------------------- routines

TcxMouseButton cxMouseButtonToContainerButton(TMouseButton AButton);
// False when user32.dll has no GetScrollBarInfo or the call fails.
bool cxGetScrollBarInfoSafe(HWND AWindow, LONG AObjectId, SCROLLBARINFO& AInfo);
// Containers mirror native scroll bars only where GetScrollBarInfo exists.
bool cxIsLibraryScrollBarsEnabled();
// Looks GetScrollBarInfo up in user32.dll (the unit's start-up does).
void cxBindScrollBarInfo();
// Fills the 3-pixel shadow strips below and right of R in clBtnShadow and
// excludes them from the canvas clip.
void cxPaintContainerShadow(TcxCanvas* ACanvas, const TRect& R);
void cxInflateRectByEdges(TRect& R, int AWidth, const TcxBorders& AEdges);
void cxShrinkRectByMissingEdges(TRect& R, int AWidth, const TcxBorders& AEdges);
TColor cxGetContainerFrameColor(bool AIsHighlight, bool AIsOffice11Style);
int cxGetContainerFrameWidth(TcxContainerBorderStyle ABorderStyle);
TRect cxGetControlLocalRect(TControl* AControl);
TcxContainer* cxFindContainerOfControl(TWinControl* AControl);
bool cxControlOwnsWindowHandle(TWinControl* AControl, HWND AWindow, bool ACheckRelated);
bool cxIsWindowRelatedToControl(TWinControl* AControl, HWND AWindow);
// B is a descendant of A, or lies in a popup whose owner (or its popup's
// owner, and so on) is A or a descendant of A; false for equal or null
// windows.
bool cxIsWindowRelated(HWND AWindowA, HWND AWindowB);
bool cxTextEquals(const String& S1, const String& S2, bool ACaseSensitive);
// Fills the frame between AOuter and AInner.
void cxFillRectFrame(TcxCanvas* ACanvas, const TRect& AOuter, const TRect& AInner, TColor AColor);
// Invalidates the frame between AOuter and AInner (all of AOuter for an
// empty AInner).
void cxRedrawFrameAroundRect(HWND AWindow, const TRect& AOuter, const TRect& AInner, bool AErase, bool AFrame);
// The container's window region with a drop shadow, or null without one.
TcxRegion* cxBuildWindowShadowRegion(HWND AWindow, const TRect& AShadowBounds, const TRect& AShadowExtent,
                                     bool ANativeBorder, bool AShadow, const TRect& AExclusion);
void cxApplyWindowShadowRegion(HWND AWindow, const TRect& AShadowBounds, const TRect& AShadowExtent,
                               bool ANativeBorder, bool AShadow, const TRect& AExclusion);
bool cxIsWindowRegionChanged(HWND AWindow, TcxRegion* ARegion);
// Takes ARegion (null: no region): the window keeps it when it differs from
// its current region, else it is freed.
void cxSetWindowRegionIfChanged(HWND AWindow, TcxRegion* ARegion);

void cxSetWindowRegionFromBounds(TWinControl* AControl, const TcxContainerInnerControlBounds& ABounds);
bool cxShouldUseThemedPainting(bool ANativeStyle, TdxThemedObjectType AType);
void cxGetSizeGripRect(IcxContainerInnerControl* AInnerControl, TRect& R);
void cxPaintSizeGripBackground(TcxContainer* AContainer, const TRect& R);
bool cxGetFormOfWindow(HWND AWindow, TCustomForm*& AForm);
HWND cxGetMDIChildOrTopWindow(HWND AWindow);
bool cxIsWindowInOwnerForm(TWinControl* AControl, HWND AWindow);
bool cxCanShowHintForControl(TWinControl* AControl);

extern const TUnitEntry cxContainerUnit;

// ---------------------------------------------------------------- popup windows

class TcxCustomPopupWindow;

// The popups that are open, in the order they were shown: the last one is
// the topmost.
class TcxPopupVisibleController : public TObject {
  VCL_CLASS(TcxPopupVisibleController, TObject)
public:
  // Raises EdxException for a null popup or one listed already.
  void Register(TcxCustomPopupWindow* AItem);
  // Raises EdxException for a null popup or one that is not listed.
  void UnRegister(TcxCustomPopupWindow* AItem);
  bool IsVisible(const TcxCustomPopupWindow* AItem) const;
  bool IsAnyVisible() const { return !FItems.empty(); }
  int Count() const { return static_cast<int>(FItems.size()); }
  TcxCustomPopupWindow* GetItems(int Index) const { return FItems.at(Index); }

private:
  std::vector<TcxCustomPopupWindow*> FItems;
};

// The process-wide list, created on first use.
TcxPopupVisibleController* cxGetPopupVisibleController();

// The drop-down window of an editor, shown beside its owner control. It
// either takes the focus (a popup form, optionally with a modal message
// loop) or leaves it with the owner (a tool window that never activates).
// The thread hooks close it on a press elsewhere, an application switch and
// when its owner's form hides, closes or is destroyed.
class TcxCustomPopupWindow : public TcxPopupWindow, public IdxPopupControl {
  VCL_CLASS(TcxCustomPopupWindow, TcxPopupWindow)
public:
  explicit TcxCustomPopupWindow(TWinControl* AOwnerControl);
  ~TcxCustomPopupWindow() override;

  TWinControl* GetOwnerControl() override { return FOwnerControl; }
  TWinControl* OwnerControl() const { return FOwnerControl; }
  // Changing it recreates the window; a visible popup closes and opens again.
  bool CaptureFocus() const { return FCaptureFocus; }
  void SetCaptureFocus(bool Value);
  bool IsTopMost() const { return FIsTopMost; }
  void SetIsTopMost(bool Value);
  TWinControl* FocusedControl() const { return FFocusedControl; }
  void SetFocusedControl(TWinControl* Value) { FFocusedControl = Value; }
  // A press on the owner closed the popup and was swallowed; reading clears it.
  bool JustClosed();
  bool ModalMode() const { return FModalMode; }
  void SetModalMode(bool Value) { FModalMode = Value; }
  bool TerminateOnDestroy() const { return FTerminateOnDestroy; }
  void SetTerminateOnDestroy(bool Value) { FTerminateOnDestroy = Value; }
  TcxContainerStyle* Style() const { return FStyle.get(); }
  TcxContainerViewInfo* ViewInfo() const { return FViewInfo.get(); }

  // Listed in the visible-popup list (not the form's Visible).
  bool IsVisible() const;
  void Popup() override { Popup(FFocusedControl); }
  virtual void Popup(TWinControl* AFocusedControl);
  void CloseUp() override;
  // Closes from inside an event handler: the close is posted.
  void ClosePopup();
  void LockDeactivate(bool ALock) { FDeactivateLockCount += ALock ? 1 : -1; }
  bool IsDeactivateLocked() const { return FDeactivateLockCount != 0; }
  void SetWindowEnabled(bool AEnabled);
  bool IsOwnerControlVisible() const;
  bool HasCapture();
  bool Focused();
  // The form's close query (OnCloseQuery), asked by the hooks.
  bool CanClose() { return CloseQuery(); }
  TRect GetOwnerBoundsOnScreen() override;
  // Whether the press that closed the popup is discarded.
  virtual bool ShouldSwallowClickAfterCloseUp(HWND AWindow, UINT AMsg, TShiftState AShift, const TPoint& APoint) {
    return false;
  }
  // The system keys a non-modal popup lets through: the navigation keys and F4.
  virtual bool IsSysKeyAccepted(uint16_t AKey) const { return (AKey >= VK_PRIOR && AKey <= VK_DOWN) || AKey == VK_F4; }

  TNotifyEvent OnClosed;
  TNotifyEvent OnClosing;
  TNotifyEvent OnShowed;
  TNotifyEvent OnShowing;

  // Private messages: the posted close, and the popup shown again (posted
  // by editors).
  static constexpr UINT DXM_CLOSEPOPUPWINDOW = 0x807D;
  static constexpr UINT DXM_SHOWPOPUPWINDOW = 0x807E;

protected:
  friend void cxProcessPopupMouseDown(HWND, const MOUSEHOOKSTRUCT&, UINT, bool&);
  virtual bool NeedsWorkAreaCorrection() { return false; }
  virtual void DoClosed();
  virtual void DoClosing();
  virtual void DoShowed();
  virtual void DoShowing();
  virtual bool NeedsEraseBackground() { return false; }
  virtual void ModalCloseUp() { CloseUp(); }
  virtual void PopupStyleChanged(TObject* Sender) {}
  virtual void CorrectBoundsWithDesktopWorkArea(TPoint& APosition, TPoint& ASize);
  // Aligned children share the view info's client rectangle (the whole
  // client area until the view info was first calculated).
  void AdjustClientRect(TRect& Rect) override {
    if (!FViewInfo->ClientRect.IsEmpty()) Rect = FViewInfo->ClientRect;
  }
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void InitPopup() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void PaintWindow(HDC DC) override;
  void VisibleChanged() override;
  void WndProc(TMessage& Message) override;

private:
  TWinControl* GetFirstFocusedControl(TWinControl* AFocusedControl);
  TCustomForm* OwnerParentForm() const;
  void HandleDeactivate();
  void RecreateKeepingVisibility();
  void RestorePreviousActiveControl();
  void RunModalLoop();
  void ShowAndFocus(const TPoint& APosition, const TPoint& ASize, TWinControl* AFocusedControl);

  bool FCaptureFocus = true;
  int FDeactivateLockCount = 0;
  TWinControl* FFocusedControl = nullptr;
  bool FIsPopup = false;
  bool FIsTopMost = false;
  bool FJustClosed = false;
  bool FModalMode = true;
  bool FTerminateOnDestroy = false;
  TWinControl* FOwnerControl;
  std::unique_ptr<TcxContainerStyle> FStyle;
  std::unique_ptr<TcxContainerViewInfo> FViewInfo;
  TCustomForm* FPrevActiveForm = nullptr;
  TWinControl* FPrevActiveControl = nullptr;
};

// Locks or unlocks CM_ACTIVATE and CM_DEACTIVATE in the messages controller.
void cxSetPopupMessagesLocked(bool ALock);
// The focus moves between a form and an IcxEmbeddedForm placed in it.
bool cxIsFocusMoveBetweenEmbeddedForms(HWND AWindow, HWND AOtherWindow);
// The popup hooks of the thread; the unit installs them at start.
void cxInstallPopupHooks();
void cxRemovePopupHooks();

// ---------------------------------------------------------------- inner list box

// The platform list box inside a container: it hands its keys and presses
// to the container, reports focus changes to it, lets the container mirror
// its native scroll bars, and selects items by a typed prefix.
class TcxCustomInnerListBox : public TListBox, public IcxContainerInnerControl {
  VCL_COMPONENT_CLASS(TcxCustomInnerListBox, TListBox)
public:
  explicit TcxCustomInnerListBox(TComponent* AOwner);
  ~TcxCustomInnerListBox() override;

  TWinControl* GetControl() override { return this; }
  TcxContainer* GetControlContainer() override { return FContainer; }
  void SetContainer(TcxContainer* Value);

  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool Value) { FAutoComplete = Value; }
  uint32_t AutoCompleteDelay() const { return FAutoCompleteDelay; }
  void SetAutoCompleteDelay(uint32_t Value) { FAutoCompleteDelay = Value; }
  const String& AutoCompleteFilter() const { return FAutoCompleteFilter; }
  bool ItemVisible(int Index);
  // The library canvas over the list box's.
  TcxCanvas* Canvas() const { return FCanvas.get(); }
  // The library bars shown over the native ones of a list box outside a
  // container (a container mirrors its inner control's bars itself).
  // Null once a bar was freed with the parent it was placed on.
  TcxScrollBar* HScrollBar() const { return FHScrollBar; }
  TcxScrollBar* VScrollBar() const { return FVScrollBar; }
  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
  void SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }
  // The corner between the visible horizontal and vertical bars, relative
  // to the list box's window origin; empty unless both show.
  TRect GetScrollBarsCornerRect();
  // The container's menu.
  TPopupMenu* GetPopupMenu() override;
  // While locked the library bars are not recalculated.
  void LockScrollBars() { ++FScrollBarsLockCount; }
  void UnlockScrollBars() { --FScrollBarsLockCount; }

protected:
  virtual void DoAutoComplete(wchar_t& Key);
  virtual int FindItemByPrefix(const String& APrefix);
  virtual void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  bool NeedDrawFocusRect() override { return !OnDrawItem; }
  virtual void SetExternalScrollBarsParameters();
  void CreateParams(TCreateParams& Params) override;
  void DestroyWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void DefaultHandler(TMessage& Message) override;
  void Click() override;
  void DblClick() override;
  void DragDrop(TObject* Source, int X, int Y) override;
  void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WndProc(TMessage& Message) override;

private:
  bool IsScrollingMessage(UINT AMsg) const;
  // The library bars still there.
  std::vector<TcxScrollBar*> Bars() const;
  void UpdateScrollBars();
  void PlaceScrollBar(TcxScrollBar* ABar);
  void HScrollBarScroll(TScrollCode AScrollCode, int& AScrollPos);
  void VScrollBarScroll(TScrollCode AScrollCode, int& AScrollPos);
  // The native bar's message through the list box's own window procedure.
  void ScrollNatively(UINT AMsg, TcxScrollBar* ABar, TScrollCode AScrollCode, int APos);
  void PaintScrollBarsCorner();
  bool HandleNonClientPrint(TMessage& Message);
  bool IsDragFromSelectedItem(const TPoint& P, TShiftState AShift);
  void HandleLeftButtonDown(TMessage& Message);
  TPoint ToContainer(int X, int Y) const { return TPoint(X + Left(), Y + Top()); }

  String FAutoCompleteFilter;
  bool FAutoComplete = true;
  uint32_t FAutoCompleteDelay = 500;
  std::unique_ptr<TcxCanvas> FCanvas;
  TcxScrollBar* FHScrollBar;
  TcxScrollBar* FVScrollBar;
  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  bool FIsRedrawLocked = false;
  uint32_t FPrevKeyPressTime = 0;
  bool FScrollBarsCalculating = false;
  int FScrollBarsLockCount = 0;
  TcxContainer* FContainer = nullptr;
};
