#include "components/editors-basic/cxListBox.h"

#include <algorithm>

#include "components/core/cxGeometry.h"
#include "components/core/cxGraphics.h"
#include "components/core/dxCore.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/UnitStartup.h"

namespace {

// The typed prefix starts afresh after this pause.
constexpr uint32_t IncrementalSearchTimeout = 1000;

}  // namespace

// ---------------------------------------------------------------- item

void TdxCustomListBoxItem::Assign(TObject* Source) {
  auto* item = dynamic_cast<TdxCustomListBoxItem*>(Source);
  if (!item) return;
  FCaption = item->FCaption;
  FData = item->FData;
  FImageIndex = item->FImageIndex;
  FHasSeparator = item->FHasSeparator;
  Changed();
}

void TdxCustomListBoxItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Changed();
}

void TdxCustomListBoxItem::SetData(TObject* Value) {
  if (FData == Value) return;
  FData = Value;
  Changed();
}

void TdxCustomListBoxItem::SetHasSeparator(bool Value) {
  if (FHasSeparator == Value) return;
  FHasSeparator = Value;
  Changed();
}

void TdxCustomListBoxItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed();
}

int TdxCustomListBoxItem::Index() const { return FOwner ? FOwner->IndexOf(const_cast<TdxCustomListBoxItem*>(this)) : -1; }

void TdxCustomListBoxItem::Changed() {
  if (FOwner) FOwner->Changed();
}

// ---------------------------------------------------------------- items

TdxCustomListBoxItem* TdxCustomListBoxItems::Add(const String& ACaption, int AImageIndex, TObject* AData,
                                                 bool AHasSeparator) {
  return Insert(FSorted ? SortedPosition(ACaption) : Count(), ACaption, AImageIndex, AData, AHasSeparator);
}

TdxCustomListBoxItem* TdxCustomListBoxItems::AddSeparator() {
  if (Count() == 0) return nullptr;
  TdxCustomListBoxItem* item = GetItem(Count() - 1);
  item->SetHasSeparator(true);
  return item;
}

TdxCustomListBoxItem* TdxCustomListBoxItems::Insert(int AIndex, const String& ACaption, int AImageIndex,
                                                    TObject* AData, bool AHasSeparator) {
  CheckIndex(AIndex, Count() + 1);
  auto item = std::make_unique<TdxCustomListBoxItem>(nullptr);
  item->FCaption = ACaption;
  item->FImageIndex = AImageIndex;
  item->FData = AData;
  item->FHasSeparator = AHasSeparator;
  item->FOwner = this;
  TcxObjectList::Insert(AIndex, item.get());
  return item.release();
}

void TdxCustomListBoxItems::Clear() {
  TcxObjectList::Clear();
  Changed();
}

void TdxCustomListBoxItems::Delete(int AIndex) {
  FreeAndDelete(AIndex);
  Changed();
}

void TdxCustomListBoxItems::EndUpdate() {
  --FLockCount;
  Changed();
}

int TdxCustomListBoxItems::IndexOfCaption(const String& ACaption, bool ACaseSensitive) const {
  for (int i = 0; i < Count(); ++i) {
    const String& caption = GetItem(i)->Caption();
    if (ACaseSensitive ? caption == ACaption : CompareText(caption, ACaption) == 0) return i;
  }
  return -1;
}

int TdxCustomListBoxItems::IndexOfObject(TObject* AObject) const {
  for (int i = 0; i < Count(); ++i)
    if (GetItem(i)->Data() == AObject) return i;
  return -1;
}

TdxCustomListBoxItem* TdxCustomListBoxItems::GetItem(int AIndex) const {
  CheckIndex(AIndex, Count());
  return static_cast<TdxCustomListBoxItem*>(TcxObjectList::GetItem(AIndex));
}

void TdxCustomListBoxItems::LoadFromStrings(TStrings* AStrings) {
  BeginUpdate();
  struct TEndUpdate {
    TdxCustomListBoxItems* Items;
    ~TEndUpdate() { Items->EndUpdate(); }
  } endUpdate{this};
  Clear();
  for (int i = 0; i < AStrings->Count(); ++i) AddObject(AStrings->Strings(i), AStrings->Objects(i));
}

void TdxCustomListBoxItems::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  if (!FSorted) return;
  Sort([](void* A, void* B) {
    return CompareStr(static_cast<TdxCustomListBoxItem*>(A)->Caption(),
                      static_cast<TdxCustomListBoxItem*>(B)->Caption());
  });
  Changed();
}

void TdxCustomListBoxItems::Changed() {
  if (FOwnerControl) FOwnerControl->LayoutChanged();
}

void TdxCustomListBoxItems::Notify(void* Ptr, TListNotification Action) {
  TcxObjectList::Notify(Ptr, Action);
  Changed();
}

void TdxCustomListBoxItems::FreeObjectAt(int AIndex) {
  BeginUpdate();
  TcxObjectList::FreeObjectAt(AIndex);
  CancelUpdate();
}

// An equal caption goes before the existing one.
int TdxCustomListBoxItems::SortedPosition(const String& ACaption) const {
  int low = 0, high = Count();
  while (low < high) {
    const int middle = (low + high) / 2;
    if (CompareStr(GetItem(middle)->Caption(), ACaption) < 0)
      low = middle + 1;
    else
      high = middle;
  }
  return low;
}

// ---------------------------------------------------------------- hint helper

TcxControl* TdxCustomListBoxHintHelper::GetOwnerTcxControl() { return FOwnerControl; }

bool TdxCustomListBoxHintHelper::IsPointInHintArea(const TPoint& P) {
  return FOwnerControl->ClientBounds().Contains(P);
}

// ---------------------------------------------------------------- list box

TdxCustomListBox::TdxCustomListBox(TComponent* AOwner)
    : TcxControl(AOwner),
      FItems(std::make_unique<TdxCustomListBoxItems>(this)),
      FChangeLink(std::make_unique<TChangeLink>()),
      FHintHelper(std::make_unique<TdxCustomListBoxHintHelper>(this)) {
  FChangeLink->OnChange = [this](TObject* Sender) { ImagesChanged(Sender); };
  SetParentColor(false);
  SetColor(clWindow);
  SetBorderStyle(cxcbsDefault);
  SetKeys(TcxKeys{TcxKey::kArrows, TcxKey::kChars});
  // Double buffering misbehaves on Windows 7.
  SetDoubleBuffered(!dxOsWin7);
  // The press reports the click; the release must not report another.
  SetControlStyle(ControlStyle().Exclude(csClickEvents));
}

TdxCustomListBox::~TdxCustomListBox() {
  FItems->BeginUpdate();
  SetImages(nullptr);
  cxEndMouseTracking(this);
  FChangeLink.reset();
  FHintHelper.reset();
  FItems.reset();
}

int TdxCustomListBox::AddItem(const String& ACaption, TObject* AObject, int AImageIndex) {
  return FItems->Add(ACaption, AImageIndex, AObject, false)->Index();
}

void TdxCustomListBox::Clear() {
  FItems->BeginUpdate();
  struct TEndUpdate {
    TdxCustomListBoxItems* Items;
    ~TEndUpdate() { Items->EndUpdate(); }
  } endUpdate{FItems.get()};
  FItems->Clear();
  FItemIndex = -1;
}

int TdxCustomListBox::Remove(TObject* AObject) {
  const int index = FItems->FreeAndRemove(AObject);
  LayoutChanged();
  return index;
}

// ---- geometry

int TdxCustomListBox::GetItemHeight(int AIndex) {
  int height = FItemHeight;
  if (AIndex < Count()) AdjustItemHeight(AIndex, height);
  return height;
}

void TdxCustomListBox::AdjustItemHeight(int AIndex, int& AHeight) {
  if (HasVisibleSeparator(FItems->GetItem(AIndex))) AHeight += GetPainter()->DropDownListBoxSeparatorSize();
  dxRaiseToTouchMinimum(AHeight);
}

bool TdxCustomListBox::HasVisibleSeparator(TdxCustomListBoxItem* AItem) {
  return AItem->HasSeparator() && AItem->Index() != Count() - 1;
}

TRect TdxCustomListBox::ItemRect(int AIndex) {
  const TRect area = GetItemsAreaBounds();
  const int top = TopIndex();
  if (AIndex < top) return TRect(area.Left, area.Top, area.Right, area.Top);
  TRect r(area.Left, area.Top, area.Right, area.Top);
  for (int i = top; i <= AIndex; ++i) {
    r.Top = r.Bottom;
    r.Bottom = r.Top + GetItemHeight(i);
  }
  return r;
}

void TdxCustomListBox::CalculateItemRects(TdxCustomListBoxItem* AItem, const TRect& AItemRect, TRect& AContentRect,
                                          TRect& ASeparatorRect) {
  AContentRect = AItemRect;
  ASeparatorRect = TRect();
  if (!HasVisibleSeparator(AItem)) return;
  ASeparatorRect = AItemRect;
  ASeparatorRect.Top = AItemRect.Bottom - GetPainter()->DropDownListBoxSeparatorSize();
  AContentRect.Bottom = ASeparatorRect.Top;
}

TSize TdxCustomListBox::GetImageSize() {
  return FImages ? TSize{FImages->Width(), FImages->Height()} : TSize{0, 0};
}

TRect TdxCustomListBox::GetImageColumnRect() {
  const TRect client = ClientBounds();
  int width = 0;
  if (FImages) {
    const TRect margins = GetImageMargins();
    width = std::max(FItemHeight, GetImageSize().cx + margins.Left + margins.Right);
  }
  return TRect(client.Left, client.Top, client.Left + width, client.Bottom);
}

namespace {

TRect Deflated(const TRect& R, const TRect& AMargins) {
  return cxRectExpand(R, -AMargins.Left, -AMargins.Top, -AMargins.Right, -AMargins.Bottom);
}

}  // namespace

int TdxCustomListBox::ItemAtPos(const TPoint& APoint, bool AExistOnly) {
  const TRect area = GetItemsAreaBounds();
  if (!area.Contains(APoint)) return -1;
  TRect r(area.Left, area.Top, area.Right, area.Top);
  for (int i = TopIndex(); i < Count() && r.Bottom <= area.Bottom; ++i) {
    r.Top = r.Bottom;
    r.Bottom = r.Top + GetItemHeight(i);
    TRect content, separator;
    CalculateItemRects(FItems->GetItem(i), r, content, separator);
    if (content.Contains(APoint)) return i;
  }
  return AExistOnly ? -1 : Count();
}

int TdxCustomListBox::VisibleCount() {
  const TRect area = GetItemsAreaBounds();
  int count = 0;
  int bottom = area.Top;
  for (int i = TopIndex(); i < Count(); ++i) {
    bottom += GetItemHeight(i);
    if (bottom > area.Bottom) break;
    ++count;
  }
  return std::max(count, 1);
}

int TdxCustomListBox::GetMaxTopIndex() {
  const TRect area = GetItemsAreaBounds();
  int top = area.Bottom;
  for (int i = Count() - 1; i >= 0; --i) {
    top -= GetItemHeight(i);
    if (top < area.Top) return std::min(i + 1, Count() - 1);
  }
  return 0;
}

// ---- layout

int TdxCustomListBox::TopIndex() const {
  return Count() == 0 ? 0 : std::clamp(FTopIndex, 0, Count() - 1);
}

void TdxCustomListBox::SetTopIndex(int Value) {
  Value = std::max(Value, 0);
  if (FTopIndex == Value) return;
  FTopIndex = Value;
  LayoutChanged();
}

void TdxCustomListBox::SetItemHeight(int Value) {
  Value = std::max(Value, 0);
  if (FItemHeight == Value) return;
  FItemHeight = Value;
  LayoutChanged();
}

void TdxCustomListBox::SetImages(TCustomImageList* Value) {
  cxAssignImageList(Value, FImages, FChangeLink.get(), this);
}

void TdxCustomListBox::ImagesChanged(TObject*) {
  if (!IsLocked()) LayoutChanged();
}

void TdxCustomListBox::Notification(TComponent* AComponent, TOperation Operation) {
  TcxControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) SetImages(nullptr);
}

void TdxCustomListBox::LayoutChanged() {
  if (IsLocked()) return;
  CalculateLayout();
  Invalidate();
}

void TdxCustomListBox::CalculateLayout() {
  CheckTopIndex();
  CheckItemIndex();
  UpdateScrollBars();
  UpdateHotIndex();
}

void TdxCustomListBox::CheckTopIndex() {
  FTopIndex = std::max(0, std::min(TopIndex(), GetMaxTopIndex()));
  UpdateScrollBars();
}

void TdxCustomListBox::CheckItemIndex() {
  if (FItemIndex >= Count()) ChangeItemIndex(Count() - 1);
}

void TdxCustomListBox::InitScrollBarsParameters() {
  SetScrollBarInfo(sbHorizontal, 0, 0, 1, 1, 0, false, true);
  SetScrollBarInfo(sbVertical, 0, Count() - 1, 1, VisibleCount(), TopIndex(), true, true);
}

void TdxCustomListBox::BoundsChanged() {
  TcxControl::BoundsChanged();
  LayoutChanged();
}

void TdxCustomListBox::Scroll(TScrollBarKind AScrollBarKind, TScrollCode AScrollCode, int& AScrollPos) {
  if (AScrollBarKind == sbHorizontal) {
    TcxControl::Scroll(AScrollBarKind, AScrollCode, AScrollPos);
    return;
  }
  if (IsLocked() || AScrollCode == scEndScroll) return;
  switch (AScrollCode) {
    case scLineUp: FTopIndex = TopIndex() - 1; break;
    case scLineDown: FTopIndex = TopIndex() + 1; break;
    case scPageUp: FTopIndex = TopIndex() - VisibleCount(); break;
    case scPageDown: FTopIndex = TopIndex() + VisibleCount(); break;
    case scTrack: FTopIndex = AScrollPos; break;
    case scTop: FTopIndex = 0; break;
    case scBottom: FTopIndex = Count() - VisibleCount(); break;
    default: break;
  }
  LayoutChanged();
  AScrollPos = TopIndex();
  Update();
}

// ---- selection

void TdxCustomListBox::ChangeItemIndex(int Value) {
  // An empty list has nothing to select (looped navigation would ask for 0).
  if (Value >= Count()) Value = Count() - 1;
  if (Value == FItemIndex) return;
  InvalidateItem(FItemIndex);
  InvalidateItem(Value);
  FItemIndex = Value;
  if (Value >= 0) MakeVisible(Value);
  Click();
}

void TdxCustomListBox::MakeVisible(int AIndex) {
  const int top = TopIndex();
  const int visible = VisibleCount();
  if (AIndex >= top && AIndex < top + visible) return;
  SetTopIndex(AIndex < top ? AIndex : AIndex + 1 - visible);
}

void TdxCustomListBox::InvalidateItem(int AIndex) {
  if (!HandleAllocated() || AIndex < TopIndex() || AIndex > TopIndex() + VisibleCount()) return;
  InvalidateRect(ItemRect(AIndex), false);
}

// ---- keyboard

void TdxCustomListBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  TcxControl::KeyDown(Key, Shift);
  if (Key != 0 && ProcessNavigationKey(Key, Shift)) {
    ResetIncrementalSearch();
    Key = 0;
  }
}

int TdxCustomListBox::NavigationIndex(int AIndex) const {
  if (AIndex < 0) return FLoopedNavigation ? Count() - 1 : 0;
  if (AIndex >= Count()) return FLoopedNavigation ? 0 : Count() - 1;
  return AIndex;
}

bool TdxCustomListBox::ProcessNavigationKey(uint16_t& Key, TShiftState Shift) {
  const bool ctrl = Shift.Contains(ssCtrl);
  switch (Key) {
    case VK_PRIOR: ChangeItemIndex(ctrl ? 0 : std::max(FItemIndex - VisibleCount(), 0)); return true;
    case VK_NEXT: ChangeItemIndex(ctrl ? Count() - 1 : FItemIndex + VisibleCount()); return true;
    case VK_HOME: ChangeItemIndex(0); return true;
    case VK_END: ChangeItemIndex(Count() - 1); return true;
    case VK_UP: ChangeItemIndex(NavigationIndex(FItemIndex - 1)); return true;
    case VK_DOWN: ChangeItemIndex(NavigationIndex(FItemIndex + 1)); return true;
    default: return false;
  }
}

void TdxCustomListBox::KeyPress(wchar_t& Key) {
  TcxControl::KeyPress(Key);
  if (Key != 0 && ProcessIncrementalSearchKey(Key)) Key = 0;
}

bool TdxCustomListBox::ProcessIncrementalSearchKey(wchar_t& Key) {
  return FIncrementalSearch && Count() > 0 && IsIncrementalSearchChar(Key) && DoIncrementalSearch(Key);
}

bool TdxCustomListBox::DoIncrementalSearch(wchar_t& Key) {
  const uint32_t now = GetTickCount();
  if (now - FStartIncrementalSearch > IncrementalSearchTimeout) ResetIncrementalSearch();
  FStartIncrementalSearch = now;
  FSearchText += Key;
  auto matches = [this](int i) {
    const String& caption = FItems->GetItem(i)->Caption();
    return FSearchText.size() <= caption.size() && AnsiSameText(FSearchText, caption.substr(0, FSearchText.size()));
  };
  // After the current item first, the current item last.
  for (int i = FItemIndex + 1; i < Count(); ++i)
    if (matches(i)) return ChangeItemIndex(i), true;
  for (int i = 0; i <= FItemIndex && i < Count(); ++i)
    if (matches(i)) return ChangeItemIndex(i), true;
  return false;
}

// ---- mouse, hot item and hint

void TdxCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxControl::MouseDown(Button, Shift, X, Y);
  FHintHelper->MouseDown();
  const int selected = FItemIndex;
  if (Button == mbLeft && GetItemsAreaBounds().Contains(TPoint(X, Y)))
    ChangeItemIndex(ItemAtPos(TPoint(X, Y), true));
  // Every press reports a click, once: a changed selection has reported it.
  if (FItemIndex == selected) Click();
}

void TdxCustomListBox::MouseMove(TShiftState Shift, int X, int Y) {
  TcxControl::MouseMove(Shift, X, Y);
  UpdateHotIndex();
}

void TdxCustomListBox::MouseEnter(TControl* AControl) {
  TcxControl::MouseEnter(AControl);
  cxBeginMouseTracking(this, Bounds(), this);
  UpdateHotIndex();
}

void TdxCustomListBox::MouseLeave(TControl* AControl) {
  TcxControl::MouseLeave(AControl);
  UpdateHotIndex();
}

void TdxCustomListBox::WndProc(TMessage& Message) {
  TcxControl::WndProc(Message);
  if (Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS) FocusChanged();
}

void TdxCustomListBox::FocusChanged() {
  TcxControl::FocusChanged();
  LayoutChanged();
}

void TdxCustomListBox::UpdateHotIndex() {
  int index = -1;
  if (HandleAllocated() && Focused() && DragAndDropState() == ddsNone)
    index = ItemAtPos(GetMouseCursorClientPos(), true);
  if (index == FHotIndex) return;
  InvalidateItem(FHotIndex);
  InvalidateItem(index);
  FHotIndex = index;
  UpdateHint();
}

void TdxCustomListBox::UpdateHint() {
  TRect itemRect, textRect;
  if (FShowHint && IsItemTextClipped(FHotIndex, itemRect, textRect))
    FHintHelper->ShowHint(itemRect, textRect, FItems->GetItem(FHotIndex)->Caption(), false, nullptr, Font());
  else
    FHintHelper->CancelHint();
}

bool TdxCustomListBox::IsItemTextClipped(int AIndex, TRect& AItemRect, TRect& ATextRect) {
  if (!FItems->IsValidIndex(AIndex)) return false;
  TdxCustomListBoxItem* item = FItems->GetItem(AIndex);
  TRect separator;
  CalculateItemRects(item, ItemRect(AIndex), AItemRect, separator);
  ATextRect = Deflated(TRect(GetImageColumnRect().Right, AItemRect.Top, AItemRect.Right, AItemRect.Bottom),
                       GetTextMargins());
  TcxScreenCanvas* canvas = cxSharedScreenCanvas();
  canvas->Font()->Assign(Font());
  canvas->Font()->SetStyle(TFontStyles());
  return canvas->TextWidth(item->Caption()) > ATextRect.Width();
}

// ---- painting

TcxButtonState TdxCustomListBox::GetItemState(int AIndex) {
  if (AIndex == FItemIndex) return cxbsPressed;
  if (AIndex == FHotIndex) return cxbsHot;
  return cxbsNormal;
}

void TdxCustomListBox::DoPaint() {
  TcxControl::DoPaint();
  DrawBackground();
  TcxCanvas* canvas = Canvas();
  canvas->Font()->Assign(Font());
  canvas->Brush()->SetStyle(bsClear);
  const TRect area = GetItemsAreaBounds();
  TRect r(area.Left, area.Top, area.Right, area.Top);
  for (int i = TopIndex(); i < Count(); ++i) {
    r.Top = r.Bottom;
    r.Bottom = r.Top + GetItemHeight(i);
    // A partly visible last item is left out.
    if (r.Bottom > area.Bottom) break;
    if (canvas->RectVisible(r)) DrawItem(r, FItems->GetItem(i), GetItemState(i));
  }
}

void TdxCustomListBox::DrawBackground() {
  // The border came with the base's painting.
  TColor color = GetPainter()->DefaultEditorBackgroundColor(!Enabled());
  if (color == clDefault) color = clWindow;
  Canvas()->FillRect(ClientBounds(), color);
}

void TdxCustomListBox::DrawItem(const TRect& ARect, TdxCustomListBoxItem* AItem, TcxButtonState AState) {
  TRect content, separator;
  CalculateItemRects(AItem, ARect, content, separator);
  const TRect column = GetImageColumnRect();
  DrawItemBackground(content, AItem, AState);
  DrawItemImage(Deflated(TRect(column.Left, content.Top, column.Right, content.Bottom), GetImageMargins()), AItem,
                AState);
  DrawItemText(Deflated(TRect(column.Right, content.Top, content.Right, content.Bottom), GetTextMargins()), AItem,
               AState);
  DrawItemSeparator(separator);
}

void TdxCustomListBox::DrawItemBackground(const TRect& ARect, TdxCustomListBoxItem*, TcxButtonState AState) {
  if (AState == cxbsPressed) Canvas()->FillRect(ARect, GetPainter()->DefaultSelectionColor());
}

void TdxCustomListBox::DrawItemImage(const TRect& ARect, TdxCustomListBoxItem* AItem, TcxButtonState) {
  if (!cxImageIndexValid(FImages, AItem->ImageIndex())) return;
  const TSize size = GetImageSize();
  const TRect image = cxRectCenteredOfSize(ARect, size.cx, size.cy);
  cxDrawGlyphOrImage(Canvas()->Handle(), image, image, nullptr, FImages, AItem->ImageIndex(), gdsNormal, false,
                     nullptr, clNone);
}

TColor TdxCustomListBox::GetItemTextColor(TdxCustomListBoxItem*, TcxButtonState AState) {
  if (Font()->Color() != clWindowText) return Font()->Color();
  if (AState == cxbsPressed) return GetPainter()->DefaultSelectionTextColor();
  return GetPainter()->DefaultEditorTextColor(AState == cxbsDisabled);
}

int TdxCustomListBox::GetItemTextFlags() {
  return cxtfAlignLeft | cxtfAlignVCenter | cxtfSingleLine | cxtfEndEllipsis;
}

void TdxCustomListBox::DrawItemText(const TRect& ARect, TdxCustomListBoxItem* AItem, TcxButtonState AState) {
  TcxCanvas* canvas = Canvas();
  canvas->Font()->Assign(Font());
  canvas->Font()->SetColor(GetItemTextColor(AItem, AState));
  PrepareItemFont(canvas->Font(), AItem, AState);
  canvas->Brush()->SetStyle(bsClear);
  canvas->DrawTexT(AItem->Caption(), ARect, GetItemTextFlags());
}

void TdxCustomListBox::DrawItemSeparator(const TRect& ARect) {
  if (!ARect.IsEmpty()) GetPainter()->DrawDropDownListBoxSeparator(Canvas(), ARect, GetImageColumnRect());
}

// ---- measuring

int TdxCustomListBox::CalculateItemHeight() {
  TcxScreenCanvas* canvas = cxSharedScreenCanvas();
  canvas->Font()->Assign(Font());
  canvas->Font()->SetStyle(TFontStyles{fsBold});
  const TRect text = GetTextMargins(), image = GetImageMargins();
  return std::max(canvas->TextHeight(L"Wg") + text.Top + text.Bottom,
                  GetImageSize().cy + image.Top + image.Bottom);
}

TSize TdxCustomListBox::CalculateContentSize(int AMaxVisibleItemsCount) {
  TcxScreenCanvas* canvas = cxSharedScreenCanvas();
  canvas->Font()->Assign(Font());
  canvas->Font()->SetStyle(TFontStyles{fsBold});
  int widest = 0;
  for (int i = 0; i < Count(); ++i) widest = std::max(widest, canvas->TextWidth(FItems->GetItem(i)->Caption()));
  const TRect margins = GetTextMargins();
  TSize size{widest + GetImageColumnRect().Width() + GetSystemMetrics(SM_CXVSCROLL) + margins.Left + margins.Right,
             0};
  for (int i = 0; i < std::min(Count(), AMaxVisibleItemsCount); ++i) size.cy += GetItemHeight(i);
  const int border = GetBorderSize();
  size.cx += 2 * border;
  size.cy += 2 * border;
  return size;
}

// ---------------------------------------------------------------- unit

const TUnitEntry cxListBoxUnit{L"cxListBox", [] { RegisterClasses({TdxCustomListBox::StaticClass()}); },
                               [] { UnRegisterClass(TdxCustomListBox::StaticClass()); }};
