#pragma once
// The drop-down editors: the popup window an editor opens beside itself,
// the drop-down edit that owns its life (opening, placing, closing with a
// reason, posting the value, remembering the size a person gave it), the
// combo box that lists its items in it, and the popup edit that hosts any
// control of the application in it.
#include <memory>

#include "components/editors/cxFilterControlUtils.h"
#include "components/editors/cxMaskEdit.h"

class TcxCustomDropDownEdit;
class TcxCustomEditPopupWindow;
class TcxCustomEditPopupWindowViewInfo;

// A handler asked with a null canvas only reports the border width it
// draws; with a canvas it draws the border (AHandled) and R comes back as
// the area inside it.
using TcxCustomDrawBorderEvent = std::function<void(TcxCustomEditPopupWindowViewInfo* Sender, TcxCanvas* ACanvas,
                                                    TRect& R, bool& AHandled, int& ABorderWidth)>;

// ---------------------------------------------------------------- popup window

// The layout of an editor's popup: border, client edge, shadow, and the
// system panel with its close button and size grip.
class TcxCustomEditPopupWindowViewInfo : public TcxContainerViewInfo {
  VCL_CLASS(TcxCustomEditPopupWindowViewInfo, TcxContainerViewInfo)
public:
  // Draws the border (a custom-draw handler first); R comes back inside it.
  virtual void DrawBorder(TcxCanvas* ACanvas, TRect& R);
  virtual int GetBorderWidth();
  // Per side: what lies between the window's edge and its content.
  virtual TRect GetBorderExtent();
  virtual TRect GetClientExtent() { return GetBorderExtent(); }
  virtual int GetSysPanelHeight();
  // The panel band's separator line toward the content.
  TRect SysPanelBorders() const;

  TcxCustomDrawBorderEvent OnCustomDrawBorder;
  TcxEditPopupBorderStyle PopupBorderStyle = epbsDefault;
  bool ClientEdge = false;
  int MinSysPanelHeight = 0;
  bool ShowCloseButton = false;
  TRect CloseButtonRect;
  TcxButtonState CloseButtonState = cxbsNormal;
  bool Sizeable = false;
  TdxCorner SizeGripCorner = coBottomRight;
  TRect SizeGripRect;
  TRect SizeGripSizingRect;
  TRect SysPanelBounds;
  bool SysPanelStyle = false;

protected:
  void InternalPaint(TcxCanvas* ACanvas) override;
  void DrawClientEdge(TcxCanvas* ACanvas, TRect& R);
};

// The window a drop-down edit opens: a border of the edit's popup border
// style, an optional client edge, shadow and system panel (close button,
// size grip), sizing by the mouse kept within the desktop and never below
// the size of its parts.
class TcxCustomEditPopupWindow : public TcxCustomPopupWindow {
  VCL_CLASS(TcxCustomEditPopupWindow, TcxCustomPopupWindow)
public:
  explicit TcxCustomEditPopupWindow(TWinControl* AOwnerControl)
      : TcxCustomEditPopupWindow(AOwnerControl, std::make_unique<TcxCustomEditPopupWindowViewInfo>()) {}
  ~TcxCustomEditPopupWindow() override;

  TcxCustomDropDownEdit* Edit() const;
  TcxCustomEditPopupWindowViewInfo* ViewInfo() const { return FViewInfo.get(); }

  TcxEditPopupBorderStyle BorderStyle() const { return FViewInfo->PopupBorderStyle; }
  void SetBorderStyle(TcxEditPopupBorderStyle Value) { FViewInfo->PopupBorderStyle = Value; }
  bool ClientEdge() const { return FViewInfo->ClientEdge; }
  void SetClientEdge(bool Value) { FViewInfo->ClientEdge = Value; }
  bool CloseButton() const { return FViewInfo->ShowCloseButton; }
  void SetCloseButton(bool Value) { FViewInfo->ShowCloseButton = Value; }
  bool NativeStyle() const { return FViewInfo->NativeStyle; }
  void SetNativeStyle(bool Value) { FViewInfo->NativeStyle = Value; }
  bool Shadow() const { return FViewInfo->Shadow; }
  void SetShadow(bool Value) { FViewInfo->Shadow = Value; }
  bool Sizeable() const { return FViewInfo->Sizeable; }
  void SetSizeable(bool Value) { FViewInfo->Sizeable = Value; }
  bool SysPanelStyle() const { return FViewInfo->SysPanelStyle; }
  void SetSysPanelStyle(bool Value) { FViewInfo->SysPanelStyle = Value; }
  int MinHeight() const { return FMinHeight; }
  void SetMinHeight(int Value) { FMinHeight = Value; }
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value) { FMinWidth = Value; }
  TPoint MinSize() { return MinimumPopupSize(); }
  int MinSysPanelHeight() const { return FViewInfo->MinSysPanelHeight; }
  void SetMinSysPanelHeight(int Value) { FViewInfo->MinSysPanelHeight = Value; }
  bool PopupAutoSize() const { return FPopupAutoSize; }
  void SetPopupAutoSize(bool Value) { FPopupAutoSize = Value; }
  int PopupHeight() const { return FPopupHeight; }
  void SetPopupHeight(int Value) { FPopupHeight = Value; }
  int PopupWidth() const { return FPopupWidth; }
  void SetPopupWidth(int Value) { FPopupWidth = Value; }
  bool ShowContentWhileResize() const { return FShowContentWhileResize; }
  void SetShowContentWhileResize(bool Value) { FShowContentWhileResize = Value; }
  bool IsSizing() const { return FSizingCapture; }

  // Size and place for the owner as it stands, clipped to the work area
  // when the edit's properties ask for it.
  void CalculateBounds(TPoint& APosition, TPoint& ASize);
  void CalculateSize(TPoint& ASize) override;
  void CalculatePosition(const TPoint& ASize, TPoint& APosition) override;
  virtual void CalculateViewInfo();
  // The region that makes the shadow part of the window.
  void ApplyShadowRegion();
  // Hit code of a client point for sizing: 0 the close button, 1 and 2 the
  // diagonals, 3 the height, 4 the width, -1 nothing.
  int SizingHitTest(const TPoint& P);
  void ConstrainPopupResize(int& NewWidth, int& NewHeight);
  // The largest content size that fits the screen beside the owner.
  TSize GetMaxContentSize();
  void LockCheckSize(bool ALock) { FLockCheckSizeCount += ALock ? 1 : -1; }
  void Popup(TWinControl* AFocusedControl) override;
  using TcxCustomPopupWindow::Popup;
  bool ShouldSwallowClickAfterCloseUp(HWND AWindow, UINT AMsg, TShiftState AShift, const TPoint& APoint) override;

  // A character typed into the edit that opened the popup, for the
  // popup's focused window.
  static constexpr UINT DXM_POPUPFORWARDCHAR = 0x8085;

protected:
  // A descendant's own view info in place of the base one.
  TcxCustomEditPopupWindow(TWinControl* AOwnerControl, std::unique_ptr<TcxCustomEditPopupWindowViewInfo> AViewInfo);
  virtual void ForwardChar(wchar_t ACh);
  virtual TPoint MinimumPopupSize();
  // The owner's bounds as the edit gives them.
  void RefreshOwnerBounds();
  // The user's size: set, laid out, stored by the edit.
  void ApplyUserSize(const TRect& ABounds);
  bool NeedsWorkAreaCorrection() override;
  void DoClosing() override;
  void ModalCloseUp() override;
  void AdjustClientRect(TRect& Rect) override;
  void PaintWindow(HDC DC) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Resize() override;
  void WndProc(TMessage& Message) override;
  void PopupStyleChanged(TObject* Sender) override;

private:
  TRect SizedBounds(const TPoint& AMouse);
  void EndSizing(bool AApply);
  void UpdateCloseButtonState(const TPoint& P, bool APressed);

  bool FPopupAutoSize = false;
  int FMinHeight = 0;
  int FMinWidth = 0;
  int FPopupHeight = 0;
  int FPopupWidth = 0;
  bool FShowContentWhileResize = false;
  std::unique_ptr<TcxSizeFrame> FSizeFrame;
  TPoint FCapturePoint;
  TRect FCaptureBounds;
  TRect FSizeFrameBounds;
  bool FSizingCapture = false;
  int FSizingHitTest = -1;
  int FLockCheckSizeCount = 0;
  bool FCloseButtonPressed = false;
  std::unique_ptr<TcxCustomEditPopupWindowViewInfo> FViewInfo;
};

using TcxCustomEditPopupWindowClass = TcxClassFactory<TcxCustomEditPopupWindow, TWinControl*>;

// ---------------------------------------------------------------- drop-down properties

class TcxCustomDropDownEditProperties : public TcxCustomMaskEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomDropDownEditProperties, TcxCustomMaskEditProperties)
public:
  explicit TcxCustomDropDownEditProperties(TPersistent* AOwner);

  virtual int GetDropDownButtonIndex() { return 0; }
  virtual bool DropDownOnClick() { return false; }
  virtual bool PostsEditValueAlways() { return false; }
  virtual TcxCustomEditPopupWindowClass PopupWindowClass() const {
    return TcxCustomEditPopupWindowClass::Of<TcxCustomEditPopupWindow>();
  }
  virtual bool ClipPopupToDesktop() { return true; }
  virtual bool PopupWindowCapturesFocus() { return false; }
  bool IsPopupSizedByList() override { return true; }
  TcxEditSupportedOperations GetSupportedOperations() override;
  TcxEditViewDataClass ViewDataClass() const override;

  // The glyph of the button at GlyphButtonIndex: a glyph makes it a glyph
  // button, none turns a glyph button back into an arrow.
  TBitmap* ButtonGlyph();
  void SetButtonGlyph(TBitmap* Value);
  int GlyphButtonIndex() const { return FGlyphButtonIndex; }
  void SetGlyphButtonIndex(int Value);
  bool ImmediateDropDownWhenActivated() const { return FImmediateDropDownWhenActivated; }
  void SetImmediateDropDownWhenActivated(bool Value) { FImmediateDropDownWhenActivated = Value; }
  bool ImmediateDropDownWhenKeyPressed() const { return FImmediateDropDownWhenKeyPressed; }
  void SetImmediateDropDownWhenKeyPressed(bool Value) { FImmediateDropDownWhenKeyPressed = Value; }
  bool ImmediateDropDown() const { return FImmediateDropDownWhenKeyPressed; }
  void SetImmediateDropDown(bool Value) { FImmediateDropDownWhenKeyPressed = Value; }
  bool ImmediatePopup() const { return FImmediateDropDownWhenActivated; }
  void SetImmediatePopup(bool Value) { FImmediateDropDownWhenActivated = Value; }
  bool KeepArrowButtonPressedWhenDroppedDown() const { return FKeepArrowButtonPressedWhenDroppedDown; }
  void SetKeepArrowButtonPressedWhenDroppedDown(bool Value) { SetChanging(FKeepArrowButtonPressedWhenDroppedDown, Value); }
  TAlignment PopupAlignment() const;
  void SetPopupAlignment(TAlignment Value);
  bool PopupAutoSize() const { return FPopupAutoSize; }
  void SetPopupAutoSize(bool Value) { FPopupAutoSize = Value; }
  bool PopupClientEdge() const { return FPopupClientEdge; }
  void SetPopupClientEdge(bool Value) { SetChanging(FPopupClientEdge, Value); }
  TcxPopupDirection PopupDirection() const { return FPopupDirection; }
  void SetPopupDirection(TcxPopupDirection Value) { FPopupDirection = Value; }
  int PopupHeight() const { return FPopupHeight; }
  void SetPopupHeight(int Value);
  TcxPopupAlignHorz PopupHorzAlignment() const { return FPopupHorzAlignment; }
  void SetPopupHorzAlignment(TcxPopupAlignHorz Value) { FPopupHorzAlignment = Value; }
  int PopupMinHeight() const { return FPopupMinHeight; }
  void SetPopupMinHeight(int Value);
  int PopupMinWidth() const { return FPopupMinWidth; }
  void SetPopupMinWidth(int Value);
  bool PopupSizeable() const { return FPopupSizeable; }
  void SetPopupSizeable(bool Value) { SetChanging(FPopupSizeable, Value); }
  bool PopupSysPanelStyle() const { return FPopupSysPanelStyle; }
  void SetPopupSysPanelStyle(bool Value) { SetChanging(FPopupSysPanelStyle, Value); }
  TcxPopupAlignVert PopupVertAlignment() const { return FPopupVertAlignment; }
  void SetPopupVertAlignment(TcxPopupAlignVert Value) { FPopupVertAlignment = Value; }
  int PopupWidth() const { return FPopupWidth; }
  void SetPopupWidth(int Value);
  bool PostPopupValueOnTab() const { return FPostPopupValueOnTab; }
  void SetPostPopupValueOnTab(bool Value) { FPostPopupValueOnTab = Value; }

  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnCloseUp;
  TNotifyEvent OnFinalizePopup;
  TNotifyEvent OnInitPopup;
  TNotifyEvent OnPopup;

protected:
  void AssignSettings(TcxCustomEditProperties* Source) override;
  void NotifyPropertiesChanged() override;

private:
  template <class T>
  void SetChanging(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  TcxCustomEditButton* ButtonAt(int AIndex);
  // The drop-down button shows an arrow unless it carries a glyph.
  void SyncDropDownButtonKind();

  int FGlyphButtonIndex = 0;
  bool FImmediateDropDownWhenActivated = false;
  bool FImmediateDropDownWhenKeyPressed = true;
  bool FKeepArrowButtonPressedWhenDroppedDown = false;
  bool FPopupAutoSize = true;
  bool FPopupClientEdge = false;
  TcxPopupDirection FPopupDirection = pdVertical;
  int FPopupHeight = 0;
  TcxPopupAlignHorz FPopupHorzAlignment = pahLeft;
  int FPopupMinHeight = 0;
  int FPopupMinWidth = 0;
  bool FPopupSizeable = false;
  bool FPopupSysPanelStyle = false;
  TcxPopupAlignVert FPopupVertAlignment = pavBottom;
  int FPopupWidth = 0;
  bool FPostPopupValueOnTab = false;
  bool FSyncingButtons = false;
};

// ---------------------------------------------------------------- view data

// The drop-down button held down while the popup is open, when asked or
// drawn natively, and never hot then; the popup border style worked out
// from the edit.
class TcxCustomDropDownEditViewData : public TcxCustomTextEditViewData {
  VCL_CLASS(TcxCustomDropDownEditViewData, TcxCustomTextEditViewData)
public:
  using TcxCustomTextEditViewData::TcxCustomTextEditViewData;
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                 TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;

  bool HasPopupWindow = false;
  bool IsHotAndPopup = false;
  bool KeepArrowButtonPressedWhenDroppedDown = false;

protected:
  bool IsButtonHeldDown(TcxCustomEditViewInfo* AViewInfo, int AButtonVisibleIndex) override;

private:
  TcxEditPopupBorderStyle ResolvePopupBorderStyle(TcxCustomEditViewInfo* AViewInfo);
  // A fixed list: the platform's own combo states (disabled, dropped down,
  // hot, normal), or the whole text drawn as a selection bar while focused.
  void CalculateFixedListLook(TcxCustomEditViewInfo* AViewInfo);
  int FixedListNativeState(TcxCustomEditViewInfo* AViewInfo) const;
};

// ---------------------------------------------------------------- drop-down edit

// The popup size an inplace editor remembers between activations.
struct TcxCustomDropDownEditData {
  bool Initialized = false;
  int Width = 0;
  int Height = 0;
};

// The inner edit of a drop-down edit: no hint while its edit's popup is open.
class TcxCustomDropDownInnerEdit : public TcxCustomInnerTextEdit {
  VCL_COMPONENT_CLASS(TcxCustomDropDownInnerEdit, TcxCustomInnerTextEdit)
public:
  using TcxCustomInnerTextEdit::TcxCustomInnerTextEdit;

protected:
  void WndProc(TMessage& Message) override;
};

// The mask edit with a drop-down button and a popup window: it opens the
// popup on the button, on keys and on activation, closes it with a reason,
// posts the chosen value and remembers the size a person gave the popup.
// It has no content of its own: descendants give the popup its content.
class TcxCustomDropDownEdit : public TcxCustomMaskEdit {
  VCL_CLASS(TcxCustomDropDownEdit, TcxCustomMaskEdit)
public:
  explicit TcxCustomDropDownEdit(TComponent* AOwner) : TcxCustomDropDownEdit(AOwner, false) {}
  TcxCustomDropDownEdit(TComponent* AOwner, bool AIsInplace);
  ~TcxCustomDropDownEdit() override;

  TcxCustomDropDownEditProperties* ActiveProperties() {
    return static_cast<TcxCustomDropDownEditProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomDropDownEditProperties* Properties() {
    return static_cast<TcxCustomDropDownEditProperties*>(InternalProperties());
  }
  // Made on first use, of the properties' popup window class.
  TcxCustomEditPopupWindow* PopupWindow() { return GetPopupWindow(); }
  bool DroppedDown() { return HasPopupWindow(); }
  void SetDroppedDown(bool Value);
  bool HasPopupWindow() override;
  // The reason the popup last closed for.
  TcxEditCloseUpReason CloseUpReason() const { return FCloseUpReason; }
  virtual void CloseUp(TcxEditCloseUpReason AReason);
  TcxLookAndFeel* PopupControlsLookAndFeel() const { return FPopupControlsLookAndFeel.get(); }
  TcxCustomDropDownEditData& EditData() { return FEditData; }
  bool PopupSizeChanged() const { return FPopupSizeChanged; }
  void SetPopupSizeChanged(bool Value) { FPopupSizeChanged = Value; }
  void PasteFromClipboard() override;
  // Inplace activation hands the remembered popup size in and out, and
  // opens the popup when the properties ask for it.
  void Activate(bool ANeedSetFocus) override;
  void ActivateByMouse(TShiftState AShift, int X, int Y) override;
  bool Deactivate() override;
  // Posted to the edit after a paste opened the popup: the lookup follows
  // the pasted text.
  static constexpr UINT DXM_LOOKUPTEXTCHANGE = 0x8086;

  // What the popup window asks of its edit.
  virtual TSize GetPopupContentPreferredSize() = 0;
  virtual void ArrangePopupContent(const TRect& AClientRect) {}
  virtual void StorePopupSize();
  virtual void ReleasePopupContent();
  virtual bool CanHide() { return true; }
  // The edit's bounds in its parent's client coordinates, with its shadow.
  TRect DropDownOwnerBounds();

protected:
  friend class TcxCustomEditPopupWindow;
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomDropDownEditProperties>();
  }
  TcxClassFactory<TcxCustomInnerTextEdit, TComponent*> GetInnerEditClass() const override {
    return TcxClassFactory<TcxCustomInnerTextEdit, TComponent*>::Of<TcxCustomDropDownInnerEdit>();
  }
  virtual TcxCustomEditPopupWindow* GetPopupWindow();
  virtual bool CanDropDown() { return false; }
  virtual void BuildPopupWindow();
  virtual void DestroyPopupWindow();
  virtual void DoCloseUp();
  virtual void PreparePopup();
  virtual void DoPopup();
  virtual void OpenPopup();
  virtual void BeforePopup() {}
  virtual int GetPopupHeight();
  virtual TWinControl* PopupFocusTarget();
  virtual int GetPopupWidth();
  virtual void InitializeLookupForPopup();
  virtual void ConfigurePopupWindow();
  virtual void PopupLookAndFeelChanged() {}
  virtual void PositionPopupWindow();
  // Wired to the popup window's notifications.
  virtual void PopupWindowClosed(TObject* Sender);
  virtual void PopupWindowCloseQuery(TObject* Sender, bool& CanClose);
  virtual void PopupWindowClosing(TObject* Sender) {}
  virtual void PopupWindowShowing(TObject* Sender) {}
  virtual void PopupWindowShowed(TObject* Sender);

  void HandleEditKeyDown(uint16_t& Key, TShiftState Shift) override;
  void HandleEditKeyPress(wchar_t& Key) override;
  bool WantsTabKey() override;
  void NotifyButtonDown(int AButtonVisibleIndex) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DoEnter() override;
  void DoExit() override;
  void DestroyWnd() override;
  // No hint shows while the popup is open.
  void WndProc(TMessage& Message) override;
  void HandlePropertiesChanged(TObject* Sender) override;
  void FillViewDataState(TcxCustomEditViewData* AViewData) override;
  // The wheel scrolls the open list.
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) override;
  // A show request is waiting in the popup window's queue.
  bool IsShowRequestPending();
  // Takes a waiting show request out of the queue; false when none waited.
  bool RemoveShowRequest();
  // The focus is in the popup window.
  bool IsFocusInPopup();
  bool HasOpenFocusCapturingPopup();
  // A typed character for the popup's focused control.
  void PostCharToPopup(wchar_t AKey);
  // Fires an event of the own properties, then of the repository item's.
  template <class TProperties, class TEvent, class... TArgs>
  void FirePropertiesEvent(TEvent TProperties::*AEvent, TArgs&&... AArgs) {
    auto fire = [&](TProperties* AProperties) {
      if (AProperties->*AEvent) (AProperties->*AEvent)(AArgs...);
    };
    fire(Properties());
    if (RepositoryItem()) fire(ActiveProperties());
  }
  // The lookup data lists its items in the popup.
  bool UsesLookupInPopup();

  // The first reason given since the popup opened is kept.
  void StoreCloseUpReason(TcxEditCloseUpReason AReason);
  // The lookup follows the text as it stands, with the find selection.
  void LookupTextChanged();

private:
  TcxEditCloseUpReason FCloseUpReason = crUnknown;
  bool FCloseUpReasonGiven = false;
  // The focus went into the edit's own focus-capturing popup: no exit
  // then, and no new entering when it comes back.
  bool FFocusInPopup = false;
  // The press that activates the edit does not open a fixed list.
  bool FIsActivatingByMouse = false;
  std::unique_ptr<TcxLookAndFeel> FPopupControlsLookAndFeel;
  bool FPopupInitialized = false;
  bool FPopupSizeChanged = false;
  TcxCustomDropDownEditData FEditData;
  TcxCustomEditPopupWindow* FPopupWindow = nullptr;
};

// The drop-down edits in filter rows keep their buttons.
class TcxFilterDropDownEditHelper : public TcxFilterMaskEditHelper {
  VCL_CLASS(TcxFilterDropDownEditHelper, TcxFilterMaskEditHelper)
public:
  bool EditPropertiesHasButtons() const override { return true; }
};

// ---------------------------------------------------------------- combo box

enum class TcxEditDropDownListStyle { lsEditFixedList, lsEditList, lsFixedList };
using enum TcxEditDropDownListStyle;

class TcxCustomComboBox;
// Draws an item of the list (or the value of a fixed-list edit).
using TcxEditDrawItemEvent = std::function<void(TcxCustomComboBox* AControl, TcxCanvas* ACanvas, int AIndex,
                                                const TRect& ARect, TOwnerDrawState AState)>;
using TcxEditMeasureItemEvent =
    std::function<void(TWinControl* AControl, int AIndex, TcxCanvas* ACanvas, int& AHeight)>;

// The combo box's settings: the list style, the rows shown, the item
// height and the handlers that draw and measure items.
class TcxCustomComboBoxProperties : public TcxCustomDropDownEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomComboBoxProperties, TcxCustomDropDownEditProperties)
public:
  using TcxCustomDropDownEditProperties::TcxCustomDropDownEditProperties;

  TcxEditEditingStyle CurrentEditingStyle() override;
  bool DropDownOnClick() override { return FDropDownListStyle == lsFixedList; }
  int LookupPageItemCount() override { return FDropDownRows; }
  TcxCustomEditPopupWindowClass PopupWindowClass() const override;
  TcxClassFactory<TcxCustomTextEditLookupData, TPersistent*> LookupDataClassType() const override;
  TcxCustomEditClass GetContainerClass() const override;
  TcxEditViewInfoClass GetViewInfoClass() const override;

  TcxEditDropDownListStyle DropDownListStyle() const { return FDropDownListStyle; }
  void SetDropDownListStyle(TcxEditDropDownListStyle Value) { SetListValue(FDropDownListStyle, Value); }
  int DropDownRows() const { return FDropDownRows; }
  // Zero and negative counts are ignored.
  void SetDropDownRows(int Value) {
    if (Value > 0) SetListValue(FDropDownRows, Value);
  }
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value) { SetListValue(FItemHeight, Value); }
  bool Revertable() const { return FRevertable; }
  void SetRevertable(bool Value) { FRevertable = Value; }
  TStringList* Items() const { return LookupItems(); }
  void SetItems(TStrings* Value) { SetLookupItems(Value); }
  bool Sorted() const { return LookupItemsSorted(); }
  void SetSorted(bool Value) { SetLookupItemsSorted(Value); }
  bool DropDownAutoWidth() const { return PopupAutoSize(); }
  void SetDropDownAutoWidth(bool Value) { SetPopupAutoSize(Value); }
  bool DropDownSizeable() const { return PopupSizeable(); }
  void SetDropDownSizeable(bool Value) { SetPopupSizeable(Value); }
  int DropDownWidth() const { return PopupWidth(); }
  void SetDropDownWidth(int Value) { SetPopupWidth(Value); }

  TcxEditDrawItemEvent OnDrawItem;
  TcxEditMeasureItemEvent OnMeasureItem;

protected:
  void AssignSettings(TcxCustomEditProperties* Source) override;

private:
  template <class T>
  void SetListValue(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }

  TcxEditDropDownListStyle FDropDownListStyle = lsEditList;
  int FDropDownRows = 8;
  int FItemHeight = 0;
  bool FRevertable = false;
};

class TcxComboBoxProperties : public TcxCustomComboBoxProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxComboBoxProperties, TcxCustomComboBoxProperties)
public:
  using TcxCustomComboBoxProperties::TcxCustomComboBoxProperties;
};

// The combo box's list: rows of the item height (or measured by the
// handler), drawn by the handler when there is one, and picked by a
// release of the left button, which closes the popup with crEnter.
class TcxCustomComboBoxListBox : public TcxCustomEditListBox {
  VCL_COMPONENT_CLASS(TcxCustomComboBoxListBox, TcxCustomEditListBox)
public:
  explicit TcxCustomComboBoxListBox(TComponent* AOwner) : TcxCustomEditListBox(AOwner) {}
  int GetHeight(int ARowCount, int AMaxHeight) override;
  int GetItemHeight(int AIndex = -1) override;
  // A row chosen by the program: the next move of the mouse over the list
  // does not track.
  void SelectByProgram(int AIndex);

protected:
  TcxCustomComboBox* ComboBox() const;
  TcxCustomComboBoxProperties* ComboProperties() const;
  bool HasMeasureHandler() const;
  bool DoDrawItem(int AIndex, const TRect& ARect, TOwnerDrawState AState) override;
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

private:
  int ItemAt(LPARAM APoint);
  bool FIgnoreNextMove = false;
};

class TcxComboBoxListBox : public TcxCustomComboBoxListBox {
  VCL_COMPONENT_CLASS(TcxComboBoxListBox, TcxCustomComboBoxListBox)
public:
  explicit TcxComboBoxListBox(TComponent* AOwner) : TcxCustomComboBoxListBox(AOwner) {}
};

// The combo box's lookup: the list's preferred size by its rows, and a
// height fitted to whole rows when the popup is sized.
class TcxComboBoxLookupData : public TcxCustomTextEditLookupData {
  VCL_CLASS(TcxComboBoxLookupData, TcxCustomTextEditLookupData)
public:
  using TcxCustomTextEditLookupData::TcxCustomTextEditLookupData;
  TSize GetVisualAreaPreferredSize(int AMaxHeight, int AWidth) override;
  bool CanResizeVisualArea(TSize& NewSize, int AMaxHeight, int AMaxWidth) override;
  void Initialize(TWinControl* AVisualControlsParent) override;
  // The list's height for the first ARowCount rows.
  int RowsHeight(int ARowCount);

protected:
  TcxCustomEditListBoxClass ListBoxClassType() const override {
    return TcxCustomEditListBoxClass::Of<TcxComboBoxListBox>();
  }

private:
  TcxCustomComboBoxProperties* ComboProperties() const;
  int ScrollBarWidth() const;
  int ScrollBarHeight() const;
};

// A fixed-list combo value drawn by the items' draw handler, as the list
// draws that item; other values as text.
class TcxCustomComboBoxViewInfo : public TcxCustomTextEditViewInfo {
  VCL_CREATABLE_CLASS(TcxCustomComboBoxViewInfo, TcxCustomTextEditViewInfo)
protected:
  void InternalPaint(TcxCanvas* ACanvas) override;

private:
  // The item the value is, when a handler draws it; else -1.
  int DrawnItemIndex(TcxEditDrawItemEvent& AHandler);
  void DrawItemValue(TcxCanvas* ACanvas, const TRect& ARect, int AIndex, const TcxEditDrawItemEvent& AHandler);
};

// The combo box's popup size: its list's rows unless a person sized it.
class TcxComboBoxPopupWindow : public TcxCustomEditPopupWindow {
  VCL_CLASS(TcxComboBoxPopupWindow, TcxCustomEditPopupWindow)
public:
  using TcxCustomEditPopupWindow::TcxCustomEditPopupWindow;
  void CalculateSize(TPoint& ASize) override;
};

// The drop-down edit whose popup is the list of its items.
class TcxCustomComboBox : public TcxCustomDropDownEdit {
  VCL_COMPONENT_CLASS(TcxCustomComboBox, TcxCustomDropDownEdit)
public:
  explicit TcxCustomComboBox(TComponent* AOwner) : TcxCustomComboBox(AOwner, false) {}
  TcxCustomComboBox(TComponent* AOwner, bool AIsInplace) : TcxCustomDropDownEdit(AOwner, AIsInplace) {}

  TcxCustomComboBoxProperties* ActiveProperties() {
    return static_cast<TcxCustomComboBoxProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomComboBoxProperties* Properties() {
    return static_cast<TcxCustomComboBoxProperties*>(InternalProperties());
  }
  // The lookup's current row.
  int SelectedItem() { return LookupData()->CurrentKey(); }
  TcxComboBoxLookupData* ComboLookupData() { return static_cast<TcxComboBoxLookupData*>(LookupData()); }
  TcxCustomComboBoxListBox* ListBox() { return static_cast<TcxCustomComboBoxListBox*>(LookupData()->List()); }

  TSize GetPopupContentPreferredSize() override;
  void ArrangePopupContent(const TRect& AClientRect) override;

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomComboBoxProperties>();
  }
  bool CanDropDown() override { return !ILookupData()->IsEmpty(); }
  bool CanNavigateLookup(bool AMouseWheel) override { return true; }
  void ConfigurePopupWindow() override;
  void PositionPopupWindow() override;
  void PopupWindowShowed(TObject* Sender) override;
  void HandleTextChange() override;
  void DblClick() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  // Whether the lookup follows a change of the text.
  bool LookupFollowsText();
};

class TcxComboBox : public TcxCustomComboBox {
  VCL_COMPONENT_CLASS(TcxComboBox, TcxCustomComboBox)
public:
  explicit TcxComboBox(TComponent* AOwner) : TcxComboBox(AOwner, false) {}
  TcxComboBox(TComponent* AOwner, bool AIsInplace) : TcxCustomComboBox(AOwner, AIsInplace) { InitializeTextEdit(); }
  TcxComboBoxProperties* Properties() { return static_cast<TcxComboBoxProperties*>(InternalProperties()); }
  TcxComboBoxProperties* ActiveProperties() {
    return static_cast<TcxComboBoxProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxComboBoxProperties>();
  }
};

// Combo boxes in filter rows: free text with the list's suggestions, the
// list not dropped by typing.
class TcxFilterComboBoxHelper : public TcxFilterDropDownEditHelper {
  VCL_CLASS(TcxFilterComboBoxHelper, TcxFilterDropDownEditHelper)
public:
  static const TcxFilterComboBoxHelper* Instance();
  TcxCustomEditClass GetFilterEditClass() const override;
  void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                            bool AHasButtons) const override;
};

// ---------------------------------------------------------------- popup edit

// The popup edit's settings: the control it hosts (not owned; forgotten
// when it goes) and a sizeable popup that takes the focus.
class TcxCustomPopupEditProperties : public TcxCustomDropDownEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomPopupEditProperties, TcxCustomDropDownEditProperties)
public:
  explicit TcxCustomPopupEditProperties(TPersistent* AOwner);
  ~TcxCustomPopupEditProperties() override;

  TcxCustomEditPopupWindowClass PopupWindowClass() const override;
  TcxCustomEditClass GetContainerClass() const override;
  bool PopupWindowCapturesFocus() override { return true; }
  bool IsPopupSizedByList() override { return false; }

  TControl* PopupControl() const { return FPopupControl; }
  void SetPopupControl(TControl* Value);

protected:
  void AssignSettings(TcxCustomEditProperties* Source) override;

private:
  TControl* FPopupControl = nullptr;
  std::unique_ptr<TcxFreeNotificator> FPopupControlNotificator;
};

class TcxPopupEditProperties : public TcxCustomPopupEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxPopupEditProperties, TcxCustomPopupEditProperties)
public:
  explicit TcxPopupEditProperties(TPersistent* AOwner) : TcxCustomPopupEditProperties(AOwner) {
    SetImmediateDropDownWhenActivated(true);
  }
};

// Draws the border as if the client edge were on.
class TcxPopupEditPopupWindowViewInfo : public TcxCustomEditPopupWindowViewInfo {
  VCL_CLASS(TcxPopupEditPopupWindowViewInfo, TcxCustomEditPopupWindowViewInfo)
public:
  void DrawBorder(TcxCanvas* ACanvas, TRect& R) override;
};

class TcxPopupEditPopupWindow : public TcxCustomEditPopupWindow {
  VCL_CLASS(TcxPopupEditPopupWindow, TcxCustomEditPopupWindow)
public:
  explicit TcxPopupEditPopupWindow(TWinControl* AOwnerControl)
      : TcxCustomEditPopupWindow(AOwnerControl, std::make_unique<TcxPopupEditPopupWindowViewInfo>()) {}
};

// Where a hosted control came from, to return it there.
struct TcxPrevPopupControlData {
  TAlign Align = alNone;
  TRect Bounds;
  TWinControl* Parent = nullptr;
  bool Visible = false;
  // A hosted form's window styles, given back with its caption and border.
  bool IsForm = false;
  LONG_PTR Style = 0;
  LONG_PTR ExStyle = 0;
  TWinControl* ActiveControl = nullptr;
};

// The drop-down edit whose popup hosts any control of the application:
// taken out of its parent into the popup on opening and put back exactly
// where it was on closing (also when the edit goes while it is open).
class TcxCustomPopupEdit : public TcxCustomDropDownEdit {
  VCL_COMPONENT_CLASS(TcxCustomPopupEdit, TcxCustomDropDownEdit)
public:
  explicit TcxCustomPopupEdit(TComponent* AOwner) : TcxCustomPopupEdit(AOwner, false) {}
  TcxCustomPopupEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomDropDownEdit(AOwner, AIsInplace) {}
  ~TcxCustomPopupEdit() override;

  TcxCustomPopupEditProperties* ActiveProperties() {
    return static_cast<TcxCustomPopupEditProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomPopupEditProperties* Properties() {
    return static_cast<TcxCustomPopupEditProperties*>(InternalProperties());
  }
  TSize GetPopupContentPreferredSize() override;
  void ArrangePopupContent(const TRect& AClientRect) override;
  // Closes when the close message is handled, with this reason.
  virtual void ClosePopupWithReason(TcxEditCloseUpReason AReason);

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomPopupEditProperties>();
  }
  bool CanDropDown() override { return ActiveProperties()->PopupControl() != nullptr; }
  TWinControl* PopupFocusTarget() override;
  void PreparePopup() override;
  void PositionPopupWindow() override;
  void PopupWindowClosing(TObject* Sender) override;
  void PopupWindowClosed(TObject* Sender) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void RestorePopupControl();
  virtual void SavePopupControlData();

private:
  // The control in the popup now, or null.
  TControl* FHostedControl = nullptr;
  TcxPrevPopupControlData FPrevPopupControlData;
};

class TcxPopupEdit : public TcxCustomPopupEdit {
  VCL_COMPONENT_CLASS(TcxPopupEdit, TcxCustomPopupEdit)
public:
  explicit TcxPopupEdit(TComponent* AOwner) : TcxPopupEdit(AOwner, false) {}
  TcxPopupEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomPopupEdit(AOwner, AIsInplace) { InitializeTextEdit(); }
  TcxPopupEditProperties* Properties() { return static_cast<TcxPopupEditProperties*>(InternalProperties()); }
  TcxPopupEditProperties* ActiveProperties() {
    return static_cast<TcxPopupEditProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxPopupEditProperties>();
  }
};

extern const TUnitEntry cxDropDownEditUnit;
