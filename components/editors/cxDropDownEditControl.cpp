// The drop-down edit: the popup's life from its window to its content,
// opening by the button, keys and typing, closing with a reason, the value
// selected and posted, and the popup size a person gave remembered.
#include "components/editors/cxDropDownEdit.h"
#include "components/editors/cxEditConsts.h"
#include "vcl/rtl/SysUtils.h"

TcxCustomDropDownEdit::TcxCustomDropDownEdit(TComponent* AOwner, bool AIsInplace)
    : TcxCustomMaskEdit(AOwner, AIsInplace), FPopupControlsLookAndFeel(std::make_unique<TcxLookAndFeel>(nullptr)) {
  FPopupControlsLookAndFeel->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) { PopupLookAndFeelChanged(); };
}

TcxCustomDropDownEdit::~TcxCustomDropDownEdit() {
  if (ILookupData()) ILookupData()->Deinitialize();
  DestroyPopupWindow();
}

// ---------------------------------------------------------------- the window

TcxCustomEditPopupWindow* TcxCustomDropDownEdit::GetPopupWindow() {
  if (!FPopupWindow && !IsDestroying()) BuildPopupWindow();
  return FPopupWindow;
}

void TcxCustomDropDownEdit::BuildPopupWindow() {
  TcxCustomDropDownEditProperties* properties = ActiveProperties();
  FPopupWindow = properties->PopupWindowClass().Create(this);
  FPopupWindow->SetCaptureFocus(properties->PopupWindowCapturesFocus());
  FPopupWindow->SetIsTopMost(!IsInplace());
  FPopupWindow->Style()->LookAndFeel()->SetMasterLookAndFeel(Style()->LookAndFeel());
  FPopupWindow->OnClosed = [this](TObject* Sender) { PopupWindowClosed(Sender); };
  FPopupWindow->OnClosing = [this](TObject* Sender) { PopupWindowClosing(Sender); };
  FPopupWindow->OnShowed = [this](TObject* Sender) { PopupWindowShowed(Sender); };
  FPopupWindow->OnShowing = [this](TObject* Sender) { PopupWindowShowing(Sender); };
  FPopupWindow->OnCloseQuery = [this](TObject* Sender, bool& CanClose) { PopupWindowCloseQuery(Sender, CanClose); };
  FPopupControlsLookAndFeel->SetMasterLookAndFeel(Style()->LookAndFeel());
}

void TcxCustomDropDownEdit::DestroyPopupWindow() {
  if (!FPopupWindow) return;
  FPopupWindow->OnClosed = nullptr;
  FPopupWindow->OnClosing = nullptr;
  FPopupWindow->OnShowed = nullptr;
  FPopupWindow->OnShowing = nullptr;
  FPopupWindow->OnCloseQuery = nullptr;
  // The lookup's list belongs to the lookup data, not to the window it was shown in.
  if (TcxCustomEditListBox* list = LookupData() ? LookupData()->List() : nullptr) {
    list->SetParent(nullptr);
    if (TComponent* owner = list->Owner()) owner->RemoveComponent(list);
  }
  cxSetPopupMessagesLocked(true);
  struct TUnlock {
    ~TUnlock() { cxSetPopupMessagesLocked(false); }
  } unlock;
  delete std::exchange(FPopupWindow, nullptr);
}

bool TcxCustomDropDownEdit::HasPopupWindow() { return FPopupWindow && FPopupWindow->IsVisible(); }

bool TcxCustomDropDownEdit::HasOpenFocusCapturingPopup() { return HasPopupWindow() && FPopupWindow->CaptureFocus(); }

bool TcxCustomDropDownEdit::IsShowRequestPending() {
  if (!FPopupWindow || !FPopupWindow->HandleAllocated()) return false;
  MSG msg;
  return PeekMessageW(&msg, FPopupWindow->Handle(), TcxCustomPopupWindow::DXM_SHOWPOPUPWINDOW,
                      TcxCustomPopupWindow::DXM_SHOWPOPUPWINDOW, PM_NOREMOVE);
}

bool TcxCustomDropDownEdit::RemoveShowRequest() {
  if (!FPopupWindow || !FPopupWindow->HandleAllocated()) return false;
  MSG msg;
  return PeekMessageW(&msg, FPopupWindow->Handle(), TcxCustomPopupWindow::DXM_SHOWPOPUPWINDOW,
                      TcxCustomPopupWindow::DXM_SHOWPOPUPWINDOW, PM_REMOVE);
}

bool TcxCustomDropDownEdit::IsFocusInPopup() {
  const HWND focus = GetFocus();
  return FPopupWindow && FPopupWindow->HandleAllocated() && focus &&
         (focus == FPopupWindow->Handle() || IsChild(FPopupWindow->Handle(), focus));
}

bool TcxCustomDropDownEdit::UsesLookupInPopup() {
  return ILookupData() && ActiveProperties()->HasLookupData() && ActiveProperties()->IsPopupSizedByList();
}

TRect TcxCustomDropDownEdit::DropDownOwnerBounds() {
  TRect r = BoundsRect();
  if (ViewInfo()->Shadow) r.Right += 3;
  return r;
}

// ---------------------------------------------------------------- opening

void TcxCustomDropDownEdit::SetDroppedDown(bool Value) {
  if (Value == HasPopupWindow()) return;
  if (!Value) return CloseUp(crUnknown);
  if (!IsShowRequestPending()) OpenPopup();
}

void TcxCustomDropDownEdit::PreparePopup() {
  if (FPopupInitialized) return;
  FPopupInitialized = true;
  try {
    FirePropertiesEvent(&TcxCustomDropDownEditProperties::OnInitPopup, this);
  } catch (...) {
    FPopupInitialized = false;
    throw;
  }
  if (UsesLookupInPopup()) ILookupData()->DropDown();
}

void TcxCustomDropDownEdit::OpenPopup() {
  if (!HandleAllocated() || !IsWindowVisible(Handle())) return;
  PreparePopup();
  if (!CanDropDown()) return ReleasePopupContent();
  PositionPopupWindow();
  TcxCustomEditPopupWindow* window = PopupWindow();
  window->HandleNeeded();
  window->SetFocusedControl(PopupFocusTarget());
  BeforePopup();
  PostMessageW(window->Handle(), TcxCustomPopupWindow::DXM_SHOWPOPUPWINDOW, 0, 0);
}

TWinControl* TcxCustomDropDownEdit::PopupFocusTarget() {
  if (UsesLookupInPopup() && ActiveProperties()->PopupWindowCapturesFocus())
    if (TWinControl* list = ILookupData()->GetActiveControl()) return list;
  return InnerControl();
}

int TcxCustomDropDownEdit::GetPopupWidth() {
  if (IsInplace() && ActiveProperties()->PopupSizeable() && FEditData.Initialized) return FEditData.Width;
  return ActiveProperties()->PopupWidth();
}

int TcxCustomDropDownEdit::GetPopupHeight() {
  if (IsInplace() && ActiveProperties()->PopupSizeable() && FEditData.Initialized) return FEditData.Height;
  return ActiveProperties()->PopupHeight();
}

void TcxCustomDropDownEdit::InitializeLookupForPopup() {
  if (UsesLookupInPopup()) ILookupData()->Initialize(PopupWindow());
}

void TcxCustomDropDownEdit::ConfigurePopupWindow() {
  TcxCustomEditPopupWindow* window = PopupWindow();
  TcxCustomDropDownEditProperties* properties = ActiveProperties();
  window->SetOwnerParent(Parent());
  window->SetDirection(properties->PopupDirection());
  window->SetAlignHorz(properties->PopupHorzAlignment());
  window->SetAlignVert(properties->PopupVertAlignment());
  window->SetClientEdge(properties->PopupClientEdge());
  window->SetMinHeight(properties->PopupMinHeight());
  window->SetMinWidth(properties->PopupMinWidth());
  window->SetPopupAutoSize(properties->PopupAutoSize());
  window->SetSizeable(properties->PopupSizeable());
  window->SetSysPanelStyle(properties->PopupSysPanelStyle());
  window->SetPopupWidth(GetPopupWidth());
  window->SetPopupHeight(GetPopupHeight());
  window->SetCloseButton(ActiveStyle()->PopupCloseButton());
  window->SetBorderStyle(ViewInfo()->PopupBorderStyle);
  window->SetNativeStyle(ViewInfo()->NativeStyle);
  window->SetShadow(Style()->Shadow());
}

void TcxCustomDropDownEdit::PositionPopupWindow() {
  TcxCustomEditPopupWindow* window = PopupWindow();
  window->SetCaptureFocus(ActiveProperties()->PopupWindowCapturesFocus());
  InitializeLookupForPopup();
  ConfigurePopupWindow();
  window->LockCheckSize(true);
  struct TUnlock {
    TcxCustomEditPopupWindow* Window;
    ~TUnlock() { Window->LockCheckSize(false); }
  } unlock{window};
  TPoint position, size;
  window->CalculateBounds(position, size);
  window->SetBounds(position.X, position.Y, size.X, size.Y);
  window->CalculateViewInfo();
  ArrangePopupContent(window->ViewInfo()->ClientRect);
  window->ApplyShadowRegion();
}

void TcxCustomDropDownEdit::StorePopupSize() {
  TcxCustomDropDownEditProperties* properties = ActiveProperties();
  if (!properties->PopupSizeable() || !FPopupWindow) return;
  if (IsInplace()) {
    FEditData = {true, FPopupWindow->Width(), FPopupWindow->Height()};
    return;
  }
  properties->SetPopupWidth(FPopupWindow->Width());
  properties->SetPopupHeight(FPopupWindow->Height());
}

void TcxCustomDropDownEdit::PopupWindowShowed(TObject*) {
  ShortRefreshContainer(false);
  FPopupWindow->CalculateViewInfo();
  ArrangePopupContent(FPopupWindow->ViewInfo()->ClientRect);
  DoPopup();
  RefreshDrawnValue();
  // Typing that opened a focus-taking popup: its list finds what was typed.
  TcxCustomDropDownEditProperties* properties = ActiveProperties();
  if (ILookupData() && FindSelection() && properties->ImmediateDropDownWhenKeyPressed() &&
      properties->PopupWindowCapturesFocus()) {
    String typed = Copy(Text(), 1, SelStart());
    String tail;
    ILookupData()->Locate(typed, tail, false);
  }
}

void TcxCustomDropDownEdit::DoPopup() {
  FCloseUpReason = crUnknown;
  FCloseUpReasonGiven = false;
  FirePropertiesEvent(&TcxCustomDropDownEditProperties::OnPopup, this);
}

// ---------------------------------------------------------------- closing

void TcxCustomDropDownEdit::CloseUp(TcxEditCloseUpReason AReason) {
  if (!HasPopupWindow()) return;
  StoreCloseUpReason(AReason);
  LockChangeEvents(true);
  try {
    if (AReason == crTab || AReason == crClose || AReason == crEnter) {
      if (UsesLookupInPopup()) {
        const int previousKey = LookupData()->CurrentKey();
        LockClick(true);
        try {
          ILookupData()->SelectItem();
        } catch (...) {
          LockClick(false);
          throw;
        }
        LockClick(false);
        if (ModifiedAfterEnter() && LookupData()->CurrentKey() != previousKey) {
          SetEditModified(true);
          Click();
        }
      }
      TcxCustomDropDownEditProperties* properties = ActiveProperties();
      if (!properties->PostsEditValueAlways() && properties->ImmediatePost() && CanPostEditValue())
        CommitEditValue(true);
    }
  } catch (...) {
    LockChangeEvents(false);
    throw;
  }
  LockChangeEvents(false);
  FPopupWindow->CloseUp();
}

void TcxCustomDropDownEdit::StoreCloseUpReason(TcxEditCloseUpReason AReason) {
  if (std::exchange(FCloseUpReasonGiven, true)) return;
  FCloseUpReason = AReason;
}

void TcxCustomDropDownEdit::ReleasePopupContent() {
  if (!FPopupInitialized) return;
  FPopupInitialized = false;
  if (UsesLookupInPopup()) ILookupData()->CloseUp();
  FirePropertiesEvent(&TcxCustomDropDownEditProperties::OnFinalizePopup, this);
}

void TcxCustomDropDownEdit::DoCloseUp() {
  FirePropertiesEvent(&TcxCustomEditProperties::OnClosePopup, this, FCloseUpReason);
  FirePropertiesEvent(&TcxCustomDropDownEditProperties::OnCloseUp, this);
}

void TcxCustomDropDownEdit::PopupWindowClosed(TObject*) {
  ReleasePopupContent();
  if (ActiveProperties()->CurrentEditingStyle() == esFixedList) Invalidate();
  DoCloseUp();
  FCloseUpReasonGiven = false;
  TcxCustomDropDownEditProperties* properties = ActiveProperties();
  if (properties->PostsEditValueAlways() && properties->ImmediatePost() && CanPostEditValue()) {
    LockChangeEvents(true);
    try {
      if (ValidateEdit(false)) CommitEditValue(false);
    } catch (...) {
      LockChangeEvents(false);
      throw;
    }
    LockChangeEvents(false);
  }
  if (!IsDestroying()) ShortRefreshContainer(false);
  // The focus went from the popup to another window: the edit is left now.
  const HWND focus = GetFocus();
  const bool focusInEdit = focus && HandleAllocated() && (focus == Handle() || IsChild(Handle(), focus));
  if (FFocusInPopup && !focusInEdit) {
    FFocusInPopup = false;
    TcxCustomMaskEdit::DoExit();
  }
}

void TcxCustomDropDownEdit::PopupWindowCloseQuery(TObject*, bool& CanClose) {
  FirePropertiesEvent(&TcxCustomDropDownEditProperties::OnCloseQuery, this, CanClose);
}

// ---------------------------------------------------------------- keys, mouse and focus

void TcxCustomDropDownEdit::HandleEditKeyDown(uint16_t& Key, TShiftState Shift) {
  const bool alt = Shift.Contains(ssAlt);
  if (((Key == VK_UP || Key == VK_DOWN) && alt) || (Key == VK_F4 && !alt)) {
    if (HasPopupWindow())
      CloseUp(crClose);
    else
      SetDroppedDown(true);
    Key = 0;
    return;
  }
  if ((Key == VK_RETURN || Key == VK_ESCAPE) && !alt && HasPopupWindow()) {
    CloseUp(Key == VK_RETURN && DoEditing() ? crEnter : crCancel);
    if (!HasPopupWindow()) {
      if (Key == VK_ESCAPE && GetCapture()) ReleaseCapture();
      Key = 0;
    }
    return;
  }
  if (Key == VK_TAB && HasPopupWindow() && ActiveProperties()->PostPopupValueOnTab()) CloseUp(crTab);
  TcxCustomMaskEdit::HandleEditKeyDown(Key, Shift);
}

void TcxCustomDropDownEdit::PostCharToPopup(wchar_t AKey) {
  PostMessageW(PopupWindow()->Handle(), TcxCustomEditPopupWindow::DXM_POPUPFORWARDCHAR, AKey, 0);
}

void TcxCustomDropDownEdit::HandleEditKeyPress(wchar_t& Key) {
  if (Key != 0 && cxIsPrintableChar(Key) && ActiveProperties()->ImmediateDropDownWhenKeyPressed() &&
      !HasPopupWindow() && !IsShowRequestPending()) {
    SetDroppedDown(true);
    if (ActiveProperties()->PopupWindowCapturesFocus() && Key != L'\r' && CanDropDown() && PopupFocusTarget()) {
      PostCharToPopup(Key);
      Key = 0;
      return;
    }
  }
  TcxCustomMaskEdit::HandleEditKeyPress(Key);
}

bool TcxCustomDropDownEdit::WantsTabKey() {
  return (HasPopupWindow() && ActiveProperties()->PostPopupValueOnTab()) || TcxCustomMaskEdit::WantsTabKey();
}

void TcxCustomDropDownEdit::NotifyButtonDown(int AButtonVisibleIndex) {
  TcxCustomMaskEdit::NotifyButtonDown(AButtonVisibleIndex);
  if (ViewInfo()->Button(AButtonVisibleIndex)->ButtonIndex != ActiveProperties()->GetDropDownButtonIndex()) return;
  // The press that closed the popup does not open it again.
  if (FPopupWindow && FPopupWindow->JustClosed()) return;
  if (HasPopupWindow())
    CloseUp(crUnknown);
  else
    SetDroppedDown(true);
}

void TcxCustomDropDownEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool wasFocused = Focused();
  TcxCustomMaskEdit::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !ActiveProperties()->DropDownOnClick() || !wasFocused || FIsActivatingByMouse ||
      HasPopupWindow() || ViewInfo()->PartAtPoint(TPoint(X, Y)) != ecpEdit)
    return;
  if (FPopupWindow && FPopupWindow->JustClosed()) return;
  SetDroppedDown(true);
}

void TcxCustomDropDownEdit::DoEnter() {
  if (std::exchange(FFocusInPopup, false)) return;
  TcxCustomMaskEdit::DoEnter();
}

void TcxCustomDropDownEdit::DoExit() {
  if (HasOpenFocusCapturingPopup() && IsFocusInPopup()) {
    FFocusInPopup = true;
    return;
  }
  if (HasPopupWindow()) CloseUp(crUnknown);
  TcxCustomMaskEdit::DoExit();
}

void TcxCustomDropDownEdit::DestroyWnd() {
  if (FPopupWindow) {
    if (HasPopupWindow()) FPopupWindow->CloseUp();
    ReleasePopupContent();
  }
  TcxCustomMaskEdit::DestroyWnd();
}

void TcxCustomDropDownEdit::HandlePropertiesChanged(TObject* Sender) {
  TcxCustomMaskEdit::HandlePropertiesChanged(Sender);
  if (!ActiveProperties()->PopupSizeable()) {
    FPopupSizeChanged = false;
    FEditData.Initialized = false;
  }
  if (HasPopupWindow()) PositionPopupWindow();
}

void TcxCustomDropDownEdit::FillViewDataState(TcxCustomEditViewData* AViewData) {
  TcxCustomMaskEdit::FillViewDataState(AViewData);
  if (auto* viewData = dynamic_cast<TcxCustomDropDownEditViewData*>(AViewData)) {
    viewData->HasPopupWindow = HasPopupWindow();
    POINT cursor;
    viewData->IsHotAndPopup = viewData->HasPopupWindow && HandleAllocated() && GetCursorPos(&cursor) &&
                              WindowFromPoint(cursor) && BoundsRect().Contains(Parent()->ScreenToClient(
                                                             TPoint(cursor.x, cursor.y)));
  }
}

bool TcxCustomDropDownEdit::DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) {
  // The text edit steps through its items only while the list is closed.
  TWinControl* list = HasPopupWindow() && UsesLookupInPopup() && !ILookupData()->IsEmpty()
                          ? ILookupData()->GetActiveControl()
                          : nullptr;
  if (!list || !list->HandleAllocated()) return TcxCustomMaskEdit::DoMouseWheel(Shift, WheelDelta, MousePos);
  SendMessageW(list->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(WheelDelta)),
               MAKELPARAM(MousePos.X, MousePos.Y));
  return true;
}

void TcxCustomDropDownEdit::PasteFromClipboard() {
  const String before = Text();
  TcxCustomMaskEdit::PasteFromClipboard();
  if (!Focused() || Text() == before || !ActiveProperties()->ImmediateDropDownWhenKeyPressed()) return;
  SetDroppedDown(true);
  if (ILookupData() && HandleAllocated()) PostMessageW(Handle(), DXM_LOOKUPTEXTCHANGE, 0, 0);
}

void TcxCustomDropDownEdit::LookupTextChanged() {
  TcxCustomTextEditLookupData* lookup = LookupData();
  if (!lookup) return;
  const int previousKey = lookup->CurrentKey();
  LockClick(true);
  try {
    ILookupData()->TextChanged();
  } catch (...) {
    LockClick(false);
    throw;
  }
  LockClick(false);
  if (lookup->CurrentKey() != previousKey) {
    SetModifiedAfterEnter(true);
    Click();
  }
  const TcxEditEditingStyle style = ActiveProperties()->CurrentEditingStyle();
  const String text = Text();
  if (style == esFixedList ||
      (style == esEdit && SelStart() == static_cast<int>(text.size()) && ILookupData()->Find(text)))
    SetFindSelection(true);
}

void TcxCustomDropDownEdit::WndProc(TMessage& Message) {
  if (Message.Msg == DXM_LOOKUPTEXTCHANGE) return LookupTextChanged();
  if (Message.Msg == CM_HINTSHOW && HasPopupWindow()) {
    Message.Result = 1;
    return;
  }
  TcxCustomMaskEdit::WndProc(Message);
}

void TcxCustomDropDownInnerEdit::WndProc(TMessage& Message) {
  if (Message.Msg == CM_HINTSHOW && Container() && Container()->HasPopupWindow()) {
    Message.Result = 1;
    return;
  }
  TcxCustomInnerTextEdit::WndProc(Message);
}

// ---------------------------------------------------------------- inplace activation

void TcxCustomDropDownEdit::Activate(bool ANeedSetFocus) {
  if (ActiveProperties()->PopupSizeable()) FPopupSizeChanged = FEditData.Initialized;
  TcxCustomMaskEdit::Activate(ANeedSetFocus);
  if (ActiveProperties()->ImmediateDropDownWhenActivated()) SetDroppedDown(true);
}

void TcxCustomDropDownEdit::ActivateByMouse(TShiftState AShift, int X, int Y) {
  FIsActivatingByMouse = true;
  struct TEnd {
    bool& Flag;
    ~TEnd() { Flag = false; }
  } end{FIsActivatingByMouse};
  TcxCustomMaskEdit::ActivateByMouse(AShift, X, Y);
}

bool TcxCustomDropDownEdit::Deactivate() {
  if (HasPopupWindow())
    CloseUp(crUnknown);
  else if (RemoveShowRequest())
    PopupWindowClosed(FPopupWindow);  // releases what the opening prepared
  FEditData.Initialized = FPopupSizeChanged;
  return TcxCustomMaskEdit::Deactivate();
}

// ---------------------------------------------------------------- unit

const TUnitEntry cxDropDownEditUnit{
    L"cxDropDownEdit",
    [] {
      cxEditPropertiesRegistry()->Register(TcxComboBoxProperties::StaticClass(),
                                           dxTranslatedResString(scxSEditRepositoryComboBoxItem));
      cxFilterEditsRegistry()->Register(TcxComboBoxProperties::StaticClass(), TcxFilterComboBoxHelper::Instance());
      cxEditPropertiesRegistry()->Register(TcxPopupEditProperties::StaticClass(),
                                           dxTranslatedResString(scxSEditRepositoryPopupItem));
    },
    [] {
      cxFilterEditsRegistry()->Unregister(TcxComboBoxProperties::StaticClass(), TcxFilterComboBoxHelper::Instance());
    }};
