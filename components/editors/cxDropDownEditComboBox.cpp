// The combo box: its list styles, the list of its items in the popup with
// rows of the item height, the popup sized by those rows (and in whole rows
// when a person sizes it), the lookup following the text, and its filter
// helper.
#include <algorithm>

#include "components/editors/cxDropDownEdit.h"
#include "vcl/rtl/SysUtils.h"

// ---------------------------------------------------------------- properties

TcxEditEditingStyle TcxCustomComboBoxProperties::CurrentEditingStyle() {
  switch (FDropDownListStyle) {
    case lsEditFixedList: return esEditList;
    case lsFixedList: return esFixedList;
    default: return esEdit;
  }
}

TcxCustomEditPopupWindowClass TcxCustomComboBoxProperties::PopupWindowClass() const {
  return TcxCustomEditPopupWindowClass::Of<TcxComboBoxPopupWindow>();
}

TcxClassFactory<TcxCustomTextEditLookupData, TPersistent*> TcxCustomComboBoxProperties::LookupDataClassType() const {
  return TcxClassFactory<TcxCustomTextEditLookupData, TPersistent*>::Of<TcxComboBoxLookupData>();
}

TcxCustomEditClass TcxCustomComboBoxProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxComboBox>();
}

TcxEditViewInfoClass TcxCustomComboBoxProperties::GetViewInfoClass() const {
  return TcxEditViewInfoClass::Of<TcxCustomComboBoxViewInfo>();
}

void TcxCustomComboBoxProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomDropDownEditProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomComboBoxProperties*>(Source);
  if (!source) return;
  FDropDownListStyle = source->FDropDownListStyle;
  FDropDownRows = source->FDropDownRows;
  FItemHeight = source->FItemHeight;
  FRevertable = source->FRevertable;
  OnDrawItem = source->OnDrawItem;
  OnMeasureItem = source->OnMeasureItem;
  Changed();
}

// ---------------------------------------------------------------- list box

TcxCustomComboBox* TcxCustomComboBoxListBox::ComboBox() const { return dynamic_cast<TcxCustomComboBox*>(Edit()); }

TcxCustomComboBoxProperties* TcxCustomComboBoxListBox::ComboProperties() const {
  TcxCustomComboBox* combo = ComboBox();
  return combo ? combo->ActiveProperties() : nullptr;
}

bool TcxCustomComboBoxListBox::HasMeasureHandler() const {
  TcxCustomComboBox* combo = ComboBox();
  return combo && (combo->Properties()->OnMeasureItem || combo->ActiveProperties()->OnMeasureItem);
}

int TcxCustomComboBoxListBox::GetItemHeight(int AIndex) {
  TcxCustomComboBoxProperties* properties = ComboProperties();
  int height = properties && properties->ItemHeight() > 0 ? properties->ItemHeight()
                                                           : TcxCustomEditListBox::GetItemHeight(AIndex);
  if (AIndex < 0 || !properties || AIndex >= properties->Items()->Count()) return height;
  TcxCustomComboBox* combo = ComboBox();
  for (TcxCustomComboBoxProperties* p : {combo->Properties(), combo->ActiveProperties()}) {
    if (p->OnMeasureItem) {
      p->OnMeasureItem(this, AIndex, Canvas(), height);
      break;
    }
  }
  return height;
}

int TcxCustomComboBoxListBox::GetHeight(int ARowCount, int AMaxHeight) {
  int height = 0;
  for (int i = 0; i < ARowCount; ++i) height += GetItemHeight(i);
  return height;
}

bool TcxCustomComboBoxListBox::DoDrawItem(int AIndex, const TRect& ARect, TOwnerDrawState AState) {
  TcxCustomComboBox* combo = ComboBox();
  if (!combo) return false;
  for (TcxCustomComboBoxProperties* p : {combo->Properties(), combo->ActiveProperties()}) {
    if (!p->OnDrawItem) continue;
    p->OnDrawItem(combo, Canvas(), AIndex, ARect, AState);
    return true;
  }
  return false;
}

void TcxCustomComboBoxListBox::CreateParams(TCreateParams& Params) {
  TcxCustomEditListBox::CreateParams(Params);
  if (HasMeasureHandler()) Params.Style = (Params.Style & ~LBS_OWNERDRAWFIXED) | LBS_OWNERDRAWVARIABLE;
}

void TcxCustomComboBoxListBox::SelectByProgram(int AIndex) {
  SetItemIndex(AIndex);
  FIgnoreNextMove = true;
}

int TcxCustomComboBoxListBox::ItemAt(LPARAM APoint) {
  const LRESULT hit = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, APoint);
  return HIWORD(hit) == 0 ? LOWORD(hit) : -1;
}

void TcxCustomComboBoxListBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      item.itemHeight = GetItemHeight(static_cast<int>(item.itemID));
      Message.Result = TRUE;
      return;
    }
    case WM_MOUSEACTIVATE:
      // The focus stays in the edit.
      Message.Result = MA_NOACTIVATE;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int index = ItemAt(Message.LParam);
      if (index >= 0 && index != ItemIndex()) SetItemIndex(index);
      ::SetCapture(Handle());
      return;
    }
    case WM_MOUSEMOVE:
      if (std::exchange(FIgnoreNextMove, false)) return;
      if (GetCapture() == Handle()) {
        const int index = ItemAt(Message.LParam);
        if (index >= 0 && index != ItemIndex()) SetItemIndex(index);
        return;
      }
      break;
    case WM_LBUTTONUP: {
      if (GetCapture() != Handle()) break;
      ReleaseCapture();
      const int index = ItemAt(Message.LParam);
      if (index < 0) return;
      if (index != ItemIndex()) SetItemIndex(index);
      if (TcxCustomComboBox* combo = ComboBox()) combo->CloseUp(crEnter);
      return;
    }
  }
  TcxCustomEditListBox::WndProc(Message);
}

// ---------------------------------------------------------------- lookup data

TcxCustomComboBoxProperties* TcxComboBoxLookupData::ComboProperties() const {
  return static_cast<TcxCustomComboBoxProperties*>(ActiveProperties());
}

int TcxComboBoxLookupData::ScrollBarWidth() const { return GetSystemMetrics(SM_CXVSCROLL); }
int TcxComboBoxLookupData::ScrollBarHeight() const { return GetSystemMetrics(SM_CYHSCROLL); }

int TcxComboBoxLookupData::RowsHeight(int ARowCount) {
  auto* list = static_cast<TcxCustomComboBoxListBox*>(List());
  return list ? list->GetHeight(ARowCount, 0) : 0;
}

void TcxComboBoxLookupData::Initialize(TWinControl* AVisualControlsParent) {
  TcxCustomTextEditLookupData::Initialize(AVisualControlsParent);
  auto* edit = dynamic_cast<TcxCustomDropDownEdit*>(Edit());
  if (List() && edit) List()->LookAndFeel()->SetMasterLookAndFeel(edit->PopupControlsLookAndFeel());
}

TSize TcxComboBoxLookupData::GetVisualAreaPreferredSize(int AMaxHeight, int AWidth) {
  TcxCustomEditListBox* list = List();
  if (!list) return TSize();
  const int count = ItemCount();
  const int rows = ComboProperties()->DropDownRows();
  TSize result(0, RowsHeight(std::min(rows, count)));
  for (int i = 0; i < count; ++i) result.cx = std::max(result.cx, list->GetItemWidth(i));
  result.cx += 4;
  list->SetScrollWidth(result.cx);
  if (count > rows || (AMaxHeight > 0 && result.cy > AMaxHeight)) result.cx += ScrollBarWidth();
  if (AWidth > 0 && AWidth < result.cx) result.cy += ScrollBarHeight();
  return result;
}

bool TcxComboBoxLookupData::CanResizeVisualArea(TSize& NewSize, int AMaxHeight, int AMaxWidth) {
  TcxCustomEditListBox* list = List();
  if (!list) return true;
  if (NewSize.cx == list->Width() && NewSize.cy == list->Height()) return true;
  if (AMaxHeight <= 0) AMaxHeight = 32000;
  if (AMaxWidth <= 0) AMaxWidth = 32000;
  const int scrollWidth =
      list->HandleAllocated() ? static_cast<int>(SendMessageW(list->Handle(), LB_GETHORIZONTALEXTENT, 0, 0)) : 0;
  auto* comboList = static_cast<TcxCustomComboBoxListBox*>(list);
  // Whether the horizontal bar shows for a usable width.
  const auto needsHorzBar = [&](bool ARowsHidden) {
    const int usable = NewSize.cx - (ARowsHidden ? ScrollBarWidth() : 0);
    return scrollWidth > usable || usable > AMaxWidth;
  };
  const int count = ItemCount();
  int rowsHeight = 0;
  int height = 0;
  bool rowsHidden = false;
  bool horzBar = false;
  bool decided = false;
  for (int i = 0; i < count && !decided; ++i) {
    const int row = comboList->GetItemHeight(i);
    rowsHeight += row;
    rowsHidden = i < count - 1;
    horzBar = needsHorzBar(rowsHidden);
    height = rowsHeight + (horzBar ? ScrollBarHeight() : 0);
    if (height <= AMaxHeight && height < NewSize.cy) continue;
    decided = true;
    if (height <= AMaxHeight && (height == NewSize.cy || NewSize.cy < list->Height())) break;
    // This row does not fit: it is given up.
    rowsHeight -= row;
    rowsHidden = true;
    horzBar = needsHorzBar(true);
    height = rowsHeight + (horzBar ? ScrollBarHeight() : 0);
  }
  NewSize.cy = height;
  if (rowsHidden) NewSize.cx = std::max(NewSize.cx, ScrollBarWidth() + (horzBar ? ScrollBarWidth() : 0));
  return true;
}

// ---------------------------------------------------------------- popup window

void TcxComboBoxPopupWindow::CalculateSize(TPoint& ASize) {
  ViewInfo()->SizeGripCorner = coBottomRight;
  RefreshOwnerBounds();
  TcxCustomDropDownEdit* edit = Edit();
  const TRect extent = ViewInfo()->GetClientExtent();
  const bool userSized = Sizeable() && edit && edit->PopupSizeChanged();
  const TSize content = edit ? edit->GetPopupContentPreferredSize() : TSize();
  const int ownerWidth = OwnerBounds().Width();
  int width = userSized || (!PopupAutoSize() && PopupWidth() > 0) ? PopupWidth()
              : PopupAutoSize() ? std::max(ownerWidth, extent.Left + extent.Right + content.cx)
                                : ownerWidth;
  int height = userSized || ((Sizeable() || !PopupAutoSize()) && PopupHeight() > 0)
                   ? PopupHeight()
                   : extent.Top + extent.Bottom + content.cy;
  if (Sizeable()) {
    width = std::max(width, MinWidth());
    height = std::max(height, MinHeight());
  }
  const TPoint minimum = MinimumPopupSize();
  ASize = TPoint(std::max(width, minimum.X), std::max(height, minimum.Y));
}

// ---------------------------------------------------------------- the control

TSize TcxCustomComboBox::GetPopupContentPreferredSize() {
  TcxCustomComboBoxProperties* properties = ActiveProperties();
  TcxCustomEditPopupWindow* window = PopupWindow();
  const TSize maxSize = window->GetMaxContentSize();
  int width = maxSize.cx;
  if (!properties->PopupSizeable() && !properties->PopupAutoSize()) {
    const TRect extent = window->ViewInfo()->GetClientExtent();
    width = properties->PopupWidth() >= 1 ? properties->PopupWidth() : DropDownOwnerBounds().Width();
    width = std::min(width - extent.Left - extent.Right, maxSize.cx);
  }
  return ILookupData()->GetVisualAreaPreferredSize(maxSize.cy, width);
}

void TcxCustomComboBox::ArrangePopupContent(const TRect& AClientRect) { ILookupData()->PositionVisualArea(AClientRect); }

void TcxCustomComboBox::ConfigurePopupWindow() {
  TcxCustomDropDownEdit::ConfigurePopupWindow();
  // A sizeable list shows its size grip.
  if (ActiveProperties()->PopupSizeable()) PopupWindow()->SetSysPanelStyle(true);
}

void TcxCustomComboBox::PositionPopupWindow() {
  TcxCustomDropDownEdit::PositionPopupWindow();
  if (ListBox()) ListBox()->Invalidate();
}

void TcxCustomComboBox::PopupWindowShowed(TObject* Sender) {
  TcxCustomDropDownEdit::PopupWindowShowed(Sender);
  TcxCustomComboBoxListBox* list = ListBox();
  if (!list || !list->HandleAllocated()) return;
  POINT cursor;
  GetCursorPos(&cursor);
  // A list opened under the resting mouse does not jump to the row there.
  if (ILookupData()->IsMouseOverList(TPoint(cursor.x, cursor.y))) list->SelectByProgram(list->ItemIndex());
}

bool TcxCustomComboBox::LookupFollowsText() {
  TcxCustomComboBoxProperties* properties = ActiveProperties();
  if (HasPopupWindow() || (IsShowRequestPending() && !properties->IncrementalSearch())) return true;
  if (properties->CurrentEditingStyle() != esEdit) return true;
  return Focused() && !AnsiSameText(Text(), ILookupData()->GetDisplayText(ILookupData()->GetCurrentKey()));
}

void TcxCustomComboBox::HandleTextChange() {
  TcxCustomTextEditLookupData* lookup = LookupData();
  if (!lookup) return TcxCustomDropDownEdit::HandleTextChange();
  const int previousKey = lookup->CurrentKey();
  LockChangeEvents(true);
  LockClick(true);
  try {
    TcxCustomDropDownEdit::HandleTextChange();
    if (LookupFollowsText()) lookup->TextChanged();
  } catch (...) {
    LockClick(false);
    LockChangeEvents(false);
    throw;
  }
  LockClick(false);
  LockChangeEvents(false);
  if (lookup->CurrentKey() != previousKey && ActiveProperties()->IncrementalSearch()) {
    SetModifiedAfterEnter(true);
    Click();
  }
}

void TcxCustomComboBox::DblClick() {
  TcxCustomDropDownEdit::DblClick();
  if (HasPopupWindow() || !ActiveProperties()->Revertable() || !LookupData()) return;
  const int previousKey = LookupData()->CurrentKey();
  ILookupData()->Go(egdNext, true);
  if (LookupData()->CurrentKey() == previousKey) return;
  if (ActiveProperties()->ImmediatePost() && CanPostEditValue() && ValidateEditByOptions(false)) CommitEditValue(false);
}

void TcxCustomComboBox::MouseMove(TShiftState Shift, int X, int Y) {
  TcxCustomDropDownEdit::MouseMove(Shift, X, Y);
  TcxCustomComboBoxListBox* list = ListBox();
  if (!HasPopupWindow() || GetCapture() != Handle() || !list || !list->HandleAllocated()) return;
  // The button pressed and dragged into the list picks the row there.
  const TPoint screen = ClientToScreen(TPoint(X, Y));
  if (!ILookupData()->IsMouseOverList(screen)) return;
  ReleaseCapture();
  const TPoint p = list->ScreenToClient(screen);
  SendMessageW(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.X, p.Y));
}

// ---------------------------------------------------------------- the drawn value

int TcxCustomComboBoxViewInfo::DrawnItemIndex(TcxEditDrawItemEvent& AHandler) {
  auto* properties = dynamic_cast<TcxCustomComboBoxProperties*>(EditProperties);
  if (!properties || properties->DropDownListStyle() != lsFixedList) return -1;
  auto* combo = dynamic_cast<TcxCustomComboBox*>(Edit);
  AHandler = combo && combo->Properties()->OnDrawItem ? combo->Properties()->OnDrawItem : properties->OnDrawItem;
  if (!AHandler) return -1;
  const int index = combo ? combo->SelectedItem() : properties->Items()->IndexOf(Text);
  return index >= 0 && index < properties->Items()->Count() ? index : -1;
}

void TcxCustomComboBoxViewInfo::InternalPaint(TcxCanvas* ACanvas) {
  TcxEditDrawItemEvent handler;
  const int index = DrawnItemIndex(handler);
  IsOwnerDrawing = index >= 0;
  CustomDrawHandler = nullptr;
  if (IsOwnerDrawing)
    CustomDrawHandler = [this, index, handler](TcxCanvas* ACanvas, const TRect& ARect) {
      DrawItemValue(ACanvas, ARect, index, handler);
    };
  TcxCustomTextEditViewInfo::InternalPaint(ACanvas);
}

void TcxCustomComboBoxViewInfo::DrawItemValue(TcxCanvas* ACanvas, const TRect& ARect, int AIndex,
                                              const TcxEditDrawItemEvent& AHandler) {
  if (Font) ACanvas->SetFont(Font);
  ACanvas->Brush()->SetColor(DrawSelectionBar ? clHighlight : BackgroundColor());
  ACanvas->Font()->SetColor(DrawSelectionBar ? clHighlightText : TextColor);
  ACanvas->FillRect(ARect);
  const TOwnerDrawState state = Focused ? TOwnerDrawState{odSelected, odFocused, odComboBoxEdit}
                                        : TOwnerDrawState{odComboBoxEdit};
  AHandler(dynamic_cast<TcxCustomComboBox*>(Edit), ACanvas, AIndex, ARect, state);
}

// ---------------------------------------------------------------- filter rows

const TcxFilterComboBoxHelper* TcxFilterComboBoxHelper::Instance() {
  static const TcxFilterComboBoxHelper instance;
  return &instance;
}

TcxCustomEditClass TcxFilterComboBoxHelper::GetFilterEditClass() const {
  return TcxCustomEditClass::Of<TcxComboBox>();
}

void TcxFilterComboBoxHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                   TcxCustomEditProperties* AEditProperties, bool AHasButtons) const {
  TcxFilterDropDownEditHelper::InitializeProperties(AProperties, AEditProperties, AHasButtons);
  auto* properties = dynamic_cast<TcxCustomComboBoxProperties*>(AProperties);
  if (!properties) return;
  properties->SetButtonGlyph(nullptr);
  properties->SetDropDownRows(8);
  properties->SetDropDownListStyle(lsEditList);
  properties->SetImmediateDropDownWhenKeyPressed(false);
  properties->SetPopupAlignment(taLeftJustify);
  properties->SetRevertable(false);
}
