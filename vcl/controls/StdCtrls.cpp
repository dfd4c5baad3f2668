#include "vcl/controls/StdCtrls.h"

#include <algorithm>

#include "vcl/controls/Forms.h"
#include "vcl/controls/Menus.h"
#include "vcl/graphics/GdiTypes.h"
#include "vcl/rtl/SysUtils.h"

namespace {
WORD NotificationCode(const TMessage& Message) { return HIWORD(Message.WParam); }
}  // namespace

// ---------------------------------------------------------------- TScrollBar

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
}

void TScrollBar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = L"SCROLLBAR";
  Params.Style |= FKind == sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::InitializeWindow() {
  TWinControl::InitializeWindow();
  UpdateWindow(true);
}

void TScrollBar::SetKind(TScrollBarKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  SetBounds(Left(), Top(), Height(), Width());
  if (HandleAllocated()) RecreateWnd();
}

void TScrollBar::SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw) {
  if (AMax < AMin || AMax - AMin < APageSize || APageSize < 0)
    throw EInvalidOperation(L"Scrollbar property out of range");
  APosition = std::clamp(APosition, AMin, AMax);
  const bool changed = APosition != FPosition;
  if (!changed && AMin == FMin && AMax == FMax && APageSize == FPageSize) return;
  FMin = AMin;
  FMax = AMax;
  FPageSize = APageSize;
  FPosition = APosition;
  UpdateWindow(ARedraw);
  if (changed) Change();
}

void TScrollBar::UpdateWindow(bool ARedraw) {
  if (!HandleAllocated()) return;
  SCROLLINFO info{sizeof(info), SIF_ALL | SIF_DISABLENOSCROLL};
  info.nMin = FMin;
  info.nMax = FMax;
  info.nPage = static_cast<UINT>(FPageSize);
  info.nPos = FPosition;
  SetScrollInfo(Handle(), SB_CTL, &info, ARedraw);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos) {
  if (OnScroll) OnScroll(this, ScrollCode, ScrollPos);
}

void TScrollBar::Change() {
  if (OnChange) OnChange(this);
}

void TScrollBar::DoScroll(const TMessage& Message) {
  const auto code = static_cast<TScrollCode>(LOWORD(Message.WParam));
  int pos = FPosition;
  switch (code) {
    case scLineUp: pos -= FSmallChange; break;
    case scLineDown: pos += FSmallChange; break;
    case scPageUp: pos -= FLargeChange; break;
    case scPageDown: pos += FLargeChange; break;
    case scPosition:
    case scTrack: {
      // The 32-bit position: the message carries only 16 bits.
      SCROLLINFO info{sizeof(info), SIF_TRACKPOS};
      GetScrollInfo(Handle(), SB_CTL, &info);
      pos = info.nTrackPos;
      break;
    }
    case scTop: pos = FMin; break;
    case scBottom: pos = FMax; break;
    case scEndScroll: break;
  }
  pos = std::clamp(pos, FMin, FMax);
  Scroll(code, pos);
  SetPosition(pos);
}

void TScrollBar::WndProc(TMessage& Message) {
  if (Message.Msg == CN_HSCROLL || Message.Msg == CN_VSCROLL) {
    DoScroll(Message);
    Message.Result = 0;
    return;
  }
  TWinControl::WndProc(Message);
}

// ---------------------------------------------------------------- TLabel

TLabel::TLabel(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 65, 17);
}

void TLabel::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = L"STATIC";
  Params.Style |= SS_NOTIFY;
  switch (FAlignment) {
    case taLeftJustify: Params.Style |= FWordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP; break;
    case taCenter: Params.Style |= SS_CENTER; break;
    case taRightJustify: Params.Style |= SS_RIGHT; break;
  }
}

void TLabel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  RecreateWnd();
}

void TLabel::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  RecreateWnd();
  AdjustBounds();
}

void TLabel::SetAutoSize(bool Value) {
  FAutoSize = Value;
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!FAutoSize || IsDestroying()) return;
  String text = Text();
  RECT r{0, 0, FWordWrap ? Width() : 0, 0};
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  UINT format = DT_CALCRECT | DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0);
  // An empty label keeps the height of one line.
  DrawTextW(dc, text.empty() ? L" " : text.c_str(), text.empty() ? 1 : -1, &r, format);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  int left = FAlignment == taRightJustify ? Left() + Width() - r.right : Left();
  SetBounds(left, Top(), r.right, r.bottom);
}

void TLabel::WndProc(TMessage& Message) {
  TWinControl::WndProc(Message);
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) AdjustBounds();
}

// ---------------------------------------------------------------- TEdit

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
  SetTabStop(true);
}

void TEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = L"EDIT";
  Params.Style |= ES_AUTOHSCROLL;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
  if (FCharCase == ecUpperCase) Params.Style |= ES_UPPERCASE;
  if (FCharCase == ecLowerCase) Params.Style |= ES_LOWERCASE;
  if (FNumbersOnly) Params.Style |= ES_NUMBER;
}

void TEdit::InitializeWindow() {
  TWinControl::InitializeWindow();
  SendMessageW(Handle(), EM_LIMITTEXT, FMaxLength, 0);
}

void TEdit::SetCharCase(TEditCharCase Value) {
  if (Value == FCharCase) return;
  FCharCase = Value;
  RecreateWnd();
}

void TEdit::SetNumbersOnly(bool Value) {
  if (Value == FNumbersOnly) return;
  FNumbersOnly = Value;
  RecreateWnd();
}

void TEdit::SetMaxLength(int Value) {
  FMaxLength = std::max(Value, 0);
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, FMaxLength, 0);
}

void TEdit::WndProc(TMessage& Message) {
  if (Message.Msg == CN_COMMAND && NotificationCode(Message) == EN_CHANGE) {
    if (OnChange && !ControlState().Contains(csCreating)) OnChange(this);
    return;
  }
  TWinControl::WndProc(Message);
}

// ---------------------------------------------------------------- TButton

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle(ControlStyle() - TControlStyle{csClickEvents});
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = L"BUTTON";
  Params.Style |= BS_PUSHBUTTON;
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this); form && FModalResult != mrNone)
    form->SetModalResult(FModalResult);
  TWinControl::Click();
}

void TButton::SetDefault(bool Value) {
  if (FDefault == Value) return;
  FDefault = Value;
  TCustomForm* form = GetParentForm(this);
  SetButtonStyle(IsEnterTarget(form ? form->ActiveControl() : nullptr));
}

bool TButton::IsEnterTarget(TWinControl* AFocused) const {
  if (dynamic_cast<TButton*>(AFocused)) return AFocused == this;
  return FDefault;
}

void TButton::SetButtonStyle(bool ADefault) {
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), BM_SETSTYLE, ADefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (NotificationCode(Message) == BN_CLICKED) return Click();
      break;
    case CM_FOCUSCHANGED:
      SetButtonStyle(IsEnterTarget(reinterpret_cast<TWinControl*>(Message.LParam)));
      return;
    case CM_DIALOGKEY: {
      TCustomForm* form = GetParentForm(this);
      const bool wanted = (Message.WParam == VK_RETURN && IsEnterTarget(form ? form->ActiveControl() : nullptr)) ||
                          (Message.WParam == VK_ESCAPE && FCancel);
      if (wanted && KeyDataToShiftState(Message.LParam) == TShiftState{} && CanFocus()) {
        Click();
        Message.Result = 1;
      }
      return;
    }
  }
  TWinControl::WndProc(Message);
}

bool IsAccel(wchar_t VK, const String& Caption) {
  for (size_t i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != L'&') continue;
    if (Caption[i + 1] != L'&') return CharUpperW(reinterpret_cast<LPWSTR>(static_cast<uintptr_t>(Caption[i + 1]))) ==
                                       CharUpperW(reinterpret_cast<LPWSTR>(static_cast<uintptr_t>(VK)));
    ++i;
  }
  return false;
}

// ---------------------------------------------------------------- TCheckBox

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle(ControlStyle() - TControlStyle{csClickEvents});
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
}

void TCheckBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = L"BUTTON";
  Params.Style |= BS_AUTOCHECKBOX;
}

void TCheckBox::InitializeWindow() {
  TWinControl::InitializeWindow();
  SendMessageW(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::SaveWindowState() {
  TWinControl::SaveWindowState();
  FChecked = Checked();
}

bool TCheckBox::Checked() {
  if (!HandleAllocated()) return FChecked;
  return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool Value) {
  if (Value == Checked()) return;
  FChecked = Value;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, Value ? BST_CHECKED : BST_UNCHECKED, 0);
  Click();
}

void TCheckBox::WndProc(TMessage& Message) {
  if (Message.Msg == CN_COMMAND && NotificationCode(Message) == BN_CLICKED) {
    FChecked = Checked();
    return Click();
  }
  TWinControl::WndProc(Message);
}

// ---------------------------------------------------------------- list items

void TListControlItems::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) Error(SListIndexError, Index);
}

String TListControlItems::Get(int Index) const {
  CheckIndex(Index);
  return FItems[Index].Text;
}

TObject* TListControlItems::GetObject(int Index) const {
  CheckIndex(Index);
  return FItems[Index].Object;
}

void TListControlItems::PutObject(int Index, TObject* AObject) {
  CheckIndex(Index);
  FItems[Index].Object = AObject;
}

int TListControlItems::Add(const String& S) {
  Insert(Count(), S);
  return Count() - 1;
}

void TListControlItems::Insert(int Index, const String& S) {
  if (Index < 0 || Index > Count()) Error(SListIndexError, Index);
  FItems.insert(FItems.begin() + Index, {S, nullptr});
  if (FOwner->HandleAllocated())
    SendMessageW(FOwner->Handle(), FOwner->FMessages.InsertString, Index,
                 reinterpret_cast<LPARAM>(S.c_str()));
}

void TListControlItems::Put(int Index, const String& S) {
  TObject* object = GetObject(Index);
  int selected = FOwner->ItemIndex();
  Delete(Index);
  Insert(Index, S);
  PutObject(Index, object);
  FOwner->SetItemIndex(selected);
}

void TListControlItems::Delete(int Index) {
  CheckIndex(Index);
  FItems.erase(FItems.begin() + Index);
  if (FOwner->HandleAllocated()) SendMessageW(FOwner->Handle(), FOwner->FMessages.DeleteString, Index, 0);
}

void TListControlItems::Clear() {
  FItems.clear();
  FOwner->FItemIndex = -1;
  if (FOwner->HandleAllocated()) SendMessageW(FOwner->Handle(), FOwner->FMessages.ResetContent, 0, 0);
}

void TListControlItems::SetUpdateState(bool Updating) {
  if (FOwner->HandleAllocated()) {
    SendMessageW(FOwner->Handle(), WM_SETREDRAW, !Updating, 0);
    if (!Updating) FOwner->Invalidate();
  }
}

// ---------------------------------------------------------------- TCustomListControl

TCustomListControl::TCustomListControl(TComponent* AOwner, const TListMessages& Messages)
    : TWinControl(AOwner),
      FItems(std::make_unique<TListControlItems>(this)),
      FCanvas(std::make_unique<TControlCanvas>(this)),
      FMessages(Messages) {
  // Clicks are reported by the window when the choice changes.
  SetControlStyle(ControlStyle() - TControlStyle{csClickEvents});
  SetColor(clWindow);
  SetTabStop(true);
}

void TCustomListControl::InitializeWindow() {
  TWinControl::InitializeWindow();
  for (const auto& item : FItems->FItems)
    SendMessageW(Handle(), FMessages.AddString, 0, reinterpret_cast<LPARAM>(item.Text.c_str()));
  SetWindowItemIndex(FItemIndex);
}

void TCustomListControl::SaveWindowState() {
  TWinControl::SaveWindowState();
  FItemIndex = ItemIndex();
}

int TCustomListControl::ItemIndex() {
  if (!HandleAllocated()) return FItemIndex;
  return WindowItemIndex();
}

void TCustomListControl::SetItemIndex(int Value) {
  if (Value < -1 || Value >= FItems->Count()) throw EListError(Format(SListIndexError, {Value}));
  FItemIndex = Value;
  if (HandleAllocated()) SetWindowItemIndex(Value);
}

int TCustomListControl::WindowItemIndex() {
  return static_cast<int>(SendMessageW(Handle(), FMessages.GetCurSel, 0, 0));
}

void TCustomListControl::SetWindowItemIndex(int Value) { SendMessageW(Handle(), FMessages.SetCurSel, Value, 0); }

void TCustomListControl::SetItemHeight(int Value) {
  if (Value <= 0 || Value == FItemHeight) return;
  FItemHeight = Value;
  RecreateWnd();
}

void TCustomListControl::Change() {
  if (OnChange) OnChange(this);
}

void TCustomListControl::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
  if (OnDrawItem) return OnDrawItem(this, Index, Rect, State);
  FCanvas->FillRect(Rect);
  if (Index >= 0) FCanvas->TextOut(Rect.Left + 2, Rect.Top, Items()->Strings(Index));
}

void TCustomListControl::HandleDrawItem(const DRAWITEMSTRUCT& Item) {
  TOwnerDrawState state;
  if (Item.itemState & ODS_SELECTED) state.Include(odSelected);
  if (Item.itemState & ODS_GRAYED) state.Include(odGrayed);
  if (Item.itemState & ODS_DISABLED) state.Include(odDisabled);
  if (Item.itemState & ODS_FOCUS) state.Include(odFocused);
  if (Item.itemState & ODS_COMBOBOXEDIT) state.Include(odComboBoxEdit);
  FCanvas->FreeHandle();
  FCanvas->SetHandle(Item.hDC);
  struct TRelease {
    TControlCanvas* Canvas;
    ~TRelease() { Canvas->SetHandle(nullptr); }
  } release{FCanvas.get()};
  FCanvas->SetFont(Font());
  bool selected = state.Contains(odSelected);
  FCanvas->Brush()->SetColor(selected ? clHighlight : Color());
  if (selected) FCanvas->Font()->SetColor(clHighlightText);
  TRect rect = ToRect(Item.rcItem);
  DrawItem(static_cast<int>(Item.itemID), rect, state);
  if (state.Contains(odFocused) && NeedDrawFocusRect()) DrawFocusRect(Item.hDC, &Item.rcItem);
}

void TCustomListControl::HandleMeasureItem(MEASUREITEMSTRUCT& Item) {
  int height = FItemHeight;
  int index = static_cast<int>(Item.itemID);
  // A combo box's selection field (-1) keeps ItemHeight.
  if (IsVariableHeight() && index >= 0 && OnMeasureItem) OnMeasureItem(this, index, height);
  Item.itemHeight = std::max(height, 1);
}

void TCustomListControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM:
      HandleDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam));
      Message.Result = TRUE;
      return;
    case CN_MEASUREITEM:
      HandleMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam));
      Message.Result = TRUE;
      return;
  }
  TWinControl::WndProc(Message);
}

// ---------------------------------------------------------------- TComboBox

TComboBox::TComboBox(TComponent* AOwner)
    : TCustomListControl(AOwner, {CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING,
                                  CB_RESETCONTENT, CB_SETCURSEL, CB_GETCURSEL}) {
  SetBounds(0, 0, 145, 21);
}

void TComboBox::CreateParams(TCreateParams& Params) {
  TCustomListControl::CreateParams(Params);
  static const DWORD styles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST,
                                 CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                                 CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE};
  Params.WinClassName = L"COMBOBOX";
  Params.Style |= styles[static_cast<int>(FStyle)] | CBS_HASSTRINGS | CBS_AUTOHSCROLL | WS_VSCROLL;
  Params.Height += DropDownHeight();
}

void TComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomListControl::SetBounds(ALeft, ATop, AWidth,
                                HandleAllocated() ? AHeight + DropDownHeight() : AHeight);
}

void TComboBox::SetStyle(TComboBoxStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  RecreateWnd();
}

void TComboBox::SetDropDownCount(int Value) {
  FDropDownCount = std::max(Value, 1);
  if (HandleAllocated()) SetBounds(Left(), Top(), Width(), Height());
}

bool TComboBox::DroppedDown() {
  return HandleAllocated() && SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0);
}

void TComboBox::SetDroppedDown(bool Value) { SendMessageW(Handle(), CB_SHOWDROPDOWN, Value, 0); }

void TComboBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      switch (NotificationCode(Message)) {
        case CBN_SELCHANGE:
          Click();
          return Change();
        case CBN_EDITCHANGE: return Change();
      }
      break;
  }
  TCustomListControl::WndProc(Message);
}

// ---------------------------------------------------------------- TListBox

TListBox::TListBox(TComponent* AOwner)
    : TCustomListControl(AOwner, {LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING,
                                  LB_RESETCONTENT, LB_SETCURSEL, LB_GETCURSEL}) {
  SetBounds(0, 0, 121, 97);
}

void TListBox::CreateParams(TCreateParams& Params) {
  TCustomListControl::CreateParams(Params);
  static const DWORD styles[] = {0, LBS_OWNERDRAWFIXED, LBS_OWNERDRAWVARIABLE};
  Params.WinClassName = L"LISTBOX";
  Params.Style |= styles[static_cast<int>(FStyle)] | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  if (FMultiSelect) Params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::InitializeWindow() {
  TCustomListControl::InitializeWindow();
  for (int index : FSelection) SendMessageW(Handle(), LB_SETSEL, TRUE, index);
  SendMessageW(Handle(), LB_SETTOPINDEX, FTopIndex, 0);
}

void TListBox::SaveWindowState() {
  FTopIndex = TopIndex();
  FSelection.clear();
  if (FMultiSelect)
    for (int i = 0; i < Items()->Count(); ++i)
      if (Selected(i)) FSelection.push_back(i);
  TCustomListControl::SaveWindowState();
}

void TListBox::SetStyle(TListBoxStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  RecreateWnd();
}

void TListBox::SetMultiSelect(bool Value) {
  if (Value == FMultiSelect) return;
  FMultiSelect = Value;
  RecreateWnd();
}

void TListBox::SetExtendedSelect(bool Value) {
  if (Value == FExtendedSelect) return;
  FExtendedSelect = Value;
  RecreateWnd();
}

// A multi-choice list has no single choice: its item index is the focused
// item (the caret), and choosing one moves the caret there.
int TListBox::WindowItemIndex() {
  if (!FMultiSelect) return TCustomListControl::WindowItemIndex();
  return Items()->Count() == 0 ? -1 : static_cast<int>(SendMessageW(Handle(), LB_GETCARETINDEX, 0, 0));
}

void TListBox::SetWindowItemIndex(int Value) {
  if (!FMultiSelect) return TCustomListControl::SetWindowItemIndex(Value);
  if (Value >= 0) SendMessageW(Handle(), LB_SETCARETINDEX, Value, FALSE);
}

bool TListBox::Selected(int Index) {
  if (Index < 0 || Index >= Items()->Count()) throw EListError(Format(SListIndexError, {Index}));
  if (!HandleAllocated())
    return FMultiSelect ? std::find(FSelection.begin(), FSelection.end(), Index) != FSelection.end()
                        : ItemIndex() == Index;
  return SendMessageW(Handle(), LB_GETSEL, Index, 0) > 0;
}

void TListBox::SetSelected(int Index, bool Value) {
  if (Index < 0 || Index >= Items()->Count()) throw EListError(Format(SListIndexError, {Index}));
  if (!FMultiSelect) {
    if (Value) SetItemIndex(Index);
    else if (ItemIndex() == Index) SetItemIndex(-1);
    return;
  }
  if (!HandleAllocated()) {
    std::erase(FSelection, Index);
    if (Value) FSelection.push_back(Index);
    return;
  }
  SendMessageW(Handle(), LB_SETSEL, Value, Index);
}

int TListBox::SelCount() {
  if (!FMultiSelect) return -1;
  if (!HandleAllocated()) return static_cast<int>(FSelection.size());
  return static_cast<int>(SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0));
}

void TListBox::ClearSelection() {
  if (!FMultiSelect) return SetItemIndex(-1);
  FSelection.clear();
  if (HandleAllocated()) SendMessageW(Handle(), LB_SETSEL, FALSE, -1);
}

int TListBox::TopIndex() {
  return HandleAllocated() ? static_cast<int>(SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0)) : FTopIndex;
}

void TListBox::SetTopIndex(int Value) {
  FTopIndex = Value;
  if (HandleAllocated()) SendMessageW(Handle(), LB_SETTOPINDEX, Value, 0);
}

TRect TListBox::ItemRect(int Index) {
  RECT r{};
  if (!HandleAllocated() || SendMessageW(Handle(), LB_GETITEMRECT, Index, reinterpret_cast<LPARAM>(&r)) == LB_ERR)
    return TRect();
  return ToRect(r);
}

int TListBox::ItemAtPos(const TPoint& Pos, bool Existing) {
  if (!HandleAllocated()) return -1;
  const LRESULT answer = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(Pos.X, Pos.Y));
  const int index = LOWORD(answer);
  // The high word is 1 below the last item (or outside the client area).
  if (HIWORD(answer) == 0 && ItemRect(index).Contains(Pos)) return index;
  return Existing ? -1 : Items()->Count();
}

void TListBox::WndProc(TMessage& Message) {
  if (Message.Msg == CN_COMMAND && NotificationCode(Message) == LBN_SELCHANGE) {
    Click();
    return Change();
  }
  TCustomListControl::WndProc(Message);
}
