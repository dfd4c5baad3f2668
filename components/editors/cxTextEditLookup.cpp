// The lookup data between a text editor and its items (current key,
// highlighted row, incremental search, stepping through the items) and the
// list box drop-down editors show them in.
#include "components/editors/cxTextEdit.h"
#include "vcl/controls/Application.h"
#include "vcl/rtl/SysUtils.h"

#include <climits>

// ---------------------------------------------------------------- lookup data

TcxCustomTextEditLookupData::TcxCustomTextEditLookupData(TPersistent* AOwner) : TcxInterfacedPersistent(AOwner) {}

TcxCustomTextEditLookupData::~TcxCustomTextEditLookupData() = default;

TcxCustomTextEdit* TcxCustomTextEditLookupData::Edit() const { return dynamic_cast<TcxCustomTextEdit*>(Owner()); }

TcxCustomTextEditProperties* TcxCustomTextEditLookupData::ActiveProperties() const {
  return Edit()->ActiveProperties();
}

String TcxCustomTextEditLookupData::ItemText(int AIndex) { return ActiveProperties()->LookupItems()->Strings(AIndex); }

int TcxCustomTextEditLookupData::ItemCount() { return ActiveProperties()->LookupItems()->Count(); }

TWinControl* TcxCustomTextEditLookupData::GetActiveControl() { return FList.get(); }

String TcxCustomTextEditLookupData::GetDisplayText(const Variant& AKey) {
  if (AKey.IsNull() || AKey.IsEmpty()) return String();
  const int key = AKey.AsInteger();
  return key >= 0 && key < ItemCount() ? ItemText(key) : String();
}

int TcxCustomTextEditLookupData::GetListItemIndex() { return FList ? FList->ItemIndex() : -1; }

void TcxCustomTextEditLookupData::SelectListItem(int AIndex) {
  if (FList) FList->SetItemIndex(AIndex);
}

void TcxCustomTextEditLookupData::ListItemSelected(TObject*) { FItemIndex = GetListItemIndex(); }

void TcxCustomTextEditLookupData::UpdateListItemCount() {
  if (FList) FList->SetItemCount(ItemCount());
}

void TcxCustomTextEditLookupData::CloseUp() { SyncListItemIndex(FCurrentKey); }

bool TcxCustomTextEditLookupData::IsMouseOverList(const TPoint& P) {
  if (!FList || !FList->HandleAllocated()) return false;
  const TPoint p = FList->Parent() ? FList->Parent()->ScreenToClient(P) : P;
  return FList->BoundsRect().Contains(p);
}

void TcxCustomTextEditLookupData::Initialize(TWinControl* AVisualControlsParent) {
  const TcxCustomEditListBoxClass listClass = ListBoxClassType();
  if (!listClass.Create) return;
  if (!FList) {
    FList.reset(listClass.Create(AVisualControlsParent));
    FList->SetEdit(Edit());
  }
  FList->SetColor(Edit()->TextViewInfo()->BackgroundColor());
  FList->SetFont(Edit()->GetVisibleFontWithTextColor());
  FList->SetParent(AVisualControlsParent);
  FList->OnSelectItem = [this](TObject* Sender) { ListItemSelected(Sender); };
  FList->SetItemCount(ItemCount());
  FList->SetItemIndex(FItemIndex);
  TextChanged();
}

void TcxCustomTextEditLookupData::PositionVisualArea(const TRect& AClientRect) {
  if (!FList) return;
  FList->SetBoundsRect(AClientRect);
  if (FList->HandleAllocated()) {
    const int width = static_cast<int>(SendMessageW(FList->Handle(), LB_GETHORIZONTALEXTENT, 0, 0));
    FList->SetScrollWidth(width);
  }
}

void TcxCustomTextEditLookupData::TextChanged() {
  TcxCustomTextEdit* edit = Edit();
  if (AnsiSameText(GetDisplayText(Variant(FItemIndex)), edit->Text())) return;
  String text = edit->Text(), tail;
  LocateText(text, tail, false, true);
}

int TcxCustomTextEditLookupData::IndexOfItemText(const String& AText) {
  const String upper = AnsiUpperCase(AText);
  for (int i = 0; i < ItemCount(); ++i)
    if (AnsiUpperCase(ItemText(i)) == upper) return i;
  return -1;
}

int TcxCustomTextEditLookupData::MatchItemText(const String& AText, int AStartIndex) {
  if (AText.empty()) return -1;
  const String upper = AnsiUpperCase(AText);
  for (int i = std::max(AStartIndex, 0); i < ItemCount(); ++i)
    if (AnsiUpperCase(Copy(ItemText(i), 1, static_cast<int>(AText.size()))) == upper) return i;
  return -1;
}

void TcxCustomTextEditLookupData::ResetKeyAfterFailedSearch(const String& AText, bool AFromTextChange) {
  switch (ActiveProperties()->CurrentEditingStyle()) {
    case esEditList:
      if (AFromTextChange || AText.empty()) InternalSetCurrentKey(-1);
      break;
    case esFixedList:
      if (AFromTextChange) InternalSetCurrentKey(-1);
      break;
    default:
      InternalSetCurrentKey(-1);
      break;
  }
}

bool TcxCustomTextEditLookupData::LocateText(String& AText, String& ATail, bool ANext, bool AFromTextChange) {
  ATail.clear();
  if (ItemCount() == 0) {
    ResetKeyAfterFailedSearch(AText, AFromTextChange);
    return false;
  }
  TcxCustomTextEditProperties* properties = ActiveProperties();
  if (AFromTextChange && properties->MRUMode()) {
    const int index = IndexOfItemText(AText);
    InternalSetCurrentKey(index);
    return index >= 0;
  }
  const int start = ANext ? FItemIndex + 1 : 0;
  int found = PrefersWholeTextMatch() ? IndexOfItemText(AText) : -1;
  if (found < 0) found = MatchItemText(AText, start);
  if (found < 0) {
    ResetKeyAfterFailedSearch(AText, AFromTextChange);
    return false;
  }
  const String item = ItemText(found);
  const int length = static_cast<int>(AText.size());
  if (properties->CurrentEditingStyle() != esEdit) AText = Copy(item, 1, length);
  ATail = Copy(item, length + 1, INT_MAX);
  InternalSetCurrentKey(found);
  return true;
}

void TcxCustomTextEditLookupData::InternalSetCurrentKey(int AKey) {
  if (AKey < -1 || AKey >= ItemCount()) return;
  FCurrentKey = AKey;
  SyncListItemIndex(AKey);
}

void TcxCustomTextEditLookupData::SyncListItemIndex(int AIndex) {
  if (AIndex < -1 || AIndex >= ItemCount() || (AIndex == FItemIndex && AIndex != -1)) return;
  if (FList && ItemCount() > 0) {
    // Clearing scrolls the list to its top first.
    if (AIndex == -1) FList->SetItemIndex(0);
    FList->SetItemIndex(AIndex);
  }
  FItemIndex = AIndex;
}

void TcxCustomTextEditLookupData::SetCurrentKey(const Variant& AKey) {
  const int previous = FCurrentKey;
  const int key = AKey.IsNull() || AKey.IsEmpty() ? -1 : AKey.AsInteger();
  InternalSetCurrentKey(key);
  TcxCustomTextEdit* edit = Edit();
  const bool wasLocked = edit->FLookupDataTextChangedLocked;
  edit->FLookupDataTextChangedLocked = true;
  struct TRestore {
    bool& Flag;
    bool Value;
    ~TRestore() { Flag = Value; }
  } restore{edit->FLookupDataTextChangedLocked, wasLocked};
  const bool changed = FCurrentKey != previous;
  const bool textDiffers = !changed && key >= 0 && key < ItemCount() && edit->Text() != ItemText(key);
  if ((changed || textDiffers) && OnSelectItem) OnSelectItem(this);
}

void TcxCustomTextEditLookupData::SelectItem() {
  if (FItemIndex < 0) return;
  const int previous = FCurrentKey;
  if (FItemIndex != FCurrentKey && !Edit()->DoEditing()) return;
  SetCurrentKey(Variant(FItemIndex));
  if (FCurrentKey == previous && OnSelectItem) OnSelectItem(this);
}

void TcxCustomTextEditLookupData::Go(TcxEditLookupDataGoDirection ADirection, bool ACircular) {
  const int count = ItemCount();
  if (count == 0) return;
  const int page = ActiveProperties()->LookupPageItemCount();
  const int i = FItemIndex >= 0 ? FItemIndex : FCurrentKey;
  int result = i;
  switch (ADirection) {
    case egdBegin: result = 0; break;
    case egdEnd: result = count - 1; break;
    case egdNext: result = i < count - 1 ? i + 1 : (ACircular ? 0 : i); break;
    case egdPrev: result = i - 1 >= 0 ? i - 1 : (ACircular ? count - 1 : i); break;
    case egdPageUp:
      if (i < 0)
        result = ACircular ? count - 1 : -1;
      else
        result = ACircular && i == 0 ? count - 1 : std::max(i - page + 1, 0);
      break;
    case egdPageDown:
      result = i < 0 ? page - 1 : i + page - 1;
      if (result >= count - 1) result = ACircular && i == count - 1 ? 0 : count - 1;
      break;
  }
  TcxCustomTextEdit* edit = Edit();
  if (!FList || !FList->IsVisible() || (ActiveProperties()->ImmediateUpdateText() && edit->DoEditing()))
    SetCurrentKey(Variant(result));
  else
    SyncListItemIndex(result);
}

// ---------------------------------------------------------------- edit list box

TcxCustomEditListBox::TcxCustomEditListBox(TComponent* AOwner) : TcxCustomInnerListBox(AOwner) {}

void TcxCustomEditListBox::CreateParams(TCreateParams& Params) {
  TcxCustomInnerListBox::CreateParams(Params);
  Params.Style |= LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT;
  Params.Style &= ~(LBS_SORT | LBS_HASSTRINGS);
}

int TcxCustomEditListBox::GetItemHeight(int) {
  TcxScreenCanvas* canvas = cxSharedScreenCanvas();
  canvas->SetFont(Font());
  return cxDCTextHeight(canvas->Handle());
}

int TcxCustomEditListBox::GetItemWidth(int AIndex) {
  TcxScreenCanvas* canvas = cxSharedScreenCanvas();
  canvas->SetFont(Font());
  return canvas->TextWidth(GetItemText(AIndex));
}

String TcxCustomEditListBox::GetItemText(int AIndex) {
  if (!FEdit || AIndex < 0 || AIndex >= FEdit->ActiveProperties()->LookupItems()->Count()) return String();
  return FEdit->ActiveProperties()->LookupItems()->Strings(AIndex);
}

void TcxCustomEditListBox::SetScrollWidth(int Value) {
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), LB_SETHORIZONTALEXTENT, 0, 0);
  SendMessageW(Handle(), LB_SETHORIZONTALEXTENT, Value, 0);
}

void TcxCustomEditListBox::SetItemCount(int ACount) {
  TStrings* items = Items();
  items->BeginUpdate();
  while (items->Count() < ACount) items->Add(String());
  while (items->Count() > ACount) items->Delete(items->Count() - 1);
  items->EndUpdate();
}

void TcxCustomEditListBox::SetItemIndex(int Value) {
  TcxCustomInnerListBox::SetItemIndex(Value);
  if (OnSelectItem) OnSelectItem(this);
}

void TcxCustomEditListBox::Click() {
  TcxCustomInnerListBox::Click();
  if (OnSelectItem) OnSelectItem(this);
}

void TcxCustomEditListBox::MouseMove(TShiftState Shift, int X, int Y) {
  TcxCustomInnerListBox::MouseMove(Shift, X, Y);
  if (GetCapture() == Handle() || !FHotTrack || FPrevMousePos == TPoint(X, Y)) return;
  FPrevMousePos = TPoint(X, Y);
  const LRESULT hit = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(X, Y));
  const int index = LOWORD(hit);
  if (HIWORD(hit) == 0 && index != ItemIndex()) SetItemIndex(index);
}

bool TcxCustomEditListBox::DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) {
  if (TcxCustomInnerListBox::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  for (UINT i = 0; i < lines; ++i) SendMessageW(Handle(), WM_VSCROLL, WheelDelta > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
  return true;
}

void TcxCustomEditListBox::DrawListItem(DRAWITEMSTRUCT& AItem) {
  TOwnerDrawState state;
  if (AItem.itemState & ODS_SELECTED) state.Include(odSelected);
  const TRect r(AItem.rcItem.left, AItem.rcItem.top, AItem.rcItem.right, AItem.rcItem.bottom);
  if (DoDrawItem(static_cast<int>(AItem.itemID), r, state)) return;
  const bool selected = AItem.itemState & ODS_SELECTED;
  HBRUSH brush = CreateSolidBrush(ColorToRGB(selected ? clHighlight : Color()));
  FillRect(AItem.hDC, &AItem.rcItem, brush);
  DeleteObject(brush);
  if (static_cast<int>(AItem.itemID) < 0) return;
  const String text = GetItemText(static_cast<int>(AItem.itemID));
  RECT textRect = AItem.rcItem;
  textRect.left += 2;
  SetBkMode(AItem.hDC, TRANSPARENT);
  SetTextColor(AItem.hDC, ColorToRGB(selected ? clHighlightText : Font()->Color()));
  HGDIOBJ old = SelectObject(AItem.hDC, Font()->Handle());
  ::DrawTextW(AItem.hDC, text.c_str(), static_cast<int>(text.size()), &textRect,
              DrawTextBiDiModeFlags(DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX));
  SelectObject(AItem.hDC, old);
}

void TcxCustomEditListBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM:
      DrawListItem(*reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam));
      Message.Result = TRUE;
      return;
    case CN_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam)->itemHeight = GetItemHeight();
      Message.Result = TRUE;
      return;
    case WM_MOUSELEAVE:
      FPrevMousePos = TPoint(-1, -1);
      break;
    default:
      break;
  }
  TcxCustomInnerListBox::WndProc(Message);
}
