#pragma once
// The self-drawn list box: its own items (caption, image, separator line,
// attached object), painted through the look-and-feel painter, scrolled by
// whole items, with hot tracking while focused, a hint for clipped
// captions, looped keyboard navigation and incremental search. A host can
// ask the size it needs to show a number of items.
#include <memory>

#include "components/controls/cxControls.h"
#include "components/controls/cxHints.h"
#include "components/core/cxClasses.h"
#include "vcl/controls/ImgList.h"

class TdxCustomListBox;
class TdxCustomListBoxItems;

class TdxCustomListBoxItem : public TObject {
  VCL_CLASS(TdxCustomListBoxItem, TObject)
public:
  explicit TdxCustomListBoxItem(TdxCustomListBoxItems* AOwner) : FOwner(AOwner) {}

  // Copies caption, data, image index and separator from another item.
  void Assign(TObject* Source);

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  // Attached, not owned.
  TObject* Data() const { return FData; }
  void SetData(TObject* Value);
  bool HasSeparator() const { return FHasSeparator; }
  void SetHasSeparator(bool Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // The position in the owner; -1 without one.
  int Index() const;

private:
  friend class TdxCustomListBoxItems;
  void Changed();

  String FCaption;
  TObject* FData = nullptr;
  int FImageIndex = -1;
  bool FHasSeparator = false;
  TdxCustomListBoxItems* FOwner;
};

// The items, owned: every insertion, removal and clearing relayouts the
// list box (not while updating).
class TdxCustomListBoxItems : public TcxObjectList {
  VCL_CLASS(TdxCustomListBoxItems, TcxObjectList)
public:
  explicit TdxCustomListBoxItems(TdxCustomListBox* AOwnerControl) : FOwnerControl(AOwnerControl) {}

  // At the sorted position when Sorted, else at the end.
  TdxCustomListBoxItem* Add(const String& ACaption, int AImageIndex = -1, TObject* AData = nullptr,
                            bool AHasSeparator = false);
  TdxCustomListBoxItem* AddObject(const String& ACaption, TObject* AData) { return Add(ACaption, -1, AData); }
  // Puts a separator below the last item and returns it; null when empty.
  TdxCustomListBoxItem* AddSeparator();
  // At AIndex, whether sorted or not.
  TdxCustomListBoxItem* Insert(int AIndex, const String& ACaption, int AImageIndex = -1, TObject* AData = nullptr,
                               bool AHasSeparator = false);
  void Clear();
  // Frees the item at AIndex.
  void Delete(int AIndex);

  void BeginUpdate() { ++FLockCount; }
  // Notifies even while still locked (the relayout itself waits).
  void EndUpdate();
  void CancelUpdate() { --FLockCount; }
  bool IsLocked() const { return FLockCount > 0; }

  // -1 when none; without ACaseSensitive the letters A to Z match either case.
  int IndexOfCaption(const String& ACaption, bool ACaseSensitive = false) const;
  int IndexOfObject(TObject* AObject) const;
  bool IsValidIndex(int AIndex) const { return AIndex >= 0 && AIndex < Count(); }
  TdxCustomListBoxItem* GetItem(int AIndex) const;
  // Replaces the items with the lines and their objects.
  void LoadFromStrings(TStrings* AStrings);

  bool Sorted() const { return FSorted; }
  // Turning it on sorts the items by caption, ordinal and case-sensitive.
  void SetSorted(bool Value);

  void Changed();

protected:
  void Notify(void* Ptr, TListNotification Action) override;
  // The slot is emptied before the list shrinks: no relayout in between.
  void FreeObjectAt(int AIndex) override;

private:
  int SortedPosition(const String& ACaption) const;

  int FLockCount = 0;
  TdxCustomListBox* FOwnerControl;
  bool FSorted = false;
};

class TdxCustomListBoxHintHelper : public TcxControlHintHelper {
  VCL_CLASS(TdxCustomListBoxHintHelper, TcxControlHintHelper)
public:
  explicit TdxCustomListBoxHintHelper(TdxCustomListBox* AOwnerControl) : FOwnerControl(AOwnerControl) {}

protected:
  TcxControl* GetOwnerTcxControl() override;
  bool IsPointInHintArea(const TPoint& P) override;

private:
  TdxCustomListBox* FOwnerControl;
};

class TdxCustomListBox : public TcxControl, public IcxMouseTrackingCaller2 {
  VCL_COMPONENT_CLASS(TdxCustomListBox, TcxControl)
public:
  explicit TdxCustomListBox(TComponent* AOwner);
  ~TdxCustomListBox() override;

  int Add(const String& ACaption, int AImageIndex = -1) { return AddItem(ACaption, nullptr, AImageIndex); }
  int AddItem(const String& ACaption, TObject* AObject, int AImageIndex = -1);
  void BeginUpdate() { FItems->BeginUpdate(); }
  void EndUpdate() { FItems->EndUpdate(); }
  // Empties the list and drops the selection (no Click).
  void Clear();
  // Frees the item object; its former index (-1 when absent).
  int Remove(TObject* AObject);

  // Empty-height at the top for an index above TopIndex; items below the
  // visible area get rectangles beyond it.
  TRect ItemRect(int AIndex);
  void MakeVisible(int AIndex);
  // Re-clamps the indexes, updates the scroll bar and the hot item and
  // repaints (nothing while the items are locked).
  void LayoutChanged();
  // The item whose content (separator strip excluded) holds the point; -1
  // outside the items area; below the items -1 with AExistOnly, else Count.
  virtual int ItemAtPos(const TPoint& APoint, bool AExistOnly);
  // The size that shows up to AMaxVisibleItemsCount items.
  virtual TSize CalculateContentSize(int AMaxVisibleItemsCount);
  // The height an item needs for the bold font and the images; a host
  // assigns it to ItemHeight.
  virtual int CalculateItemHeight();
  // Whole items shown from TopIndex, at least 1.
  int VisibleCount();

  TdxCustomListBoxItems* Items() const { return FItems.get(); }
  int Count() const { return FItems ? FItems->Count() : 0; }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value) { ChangeItemIndex(Value); }
  int TopIndex() const;
  void SetTopIndex(int Value);
  int HotIndex() const { return FHotIndex; }
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  bool IncrementalSearch() const { return FIncrementalSearch; }
  void SetIncrementalSearch(bool Value) { FIncrementalSearch = Value; }
  bool LoopedNavigation() const { return FLoopedNavigation; }
  void SetLoopedNavigation(bool Value) { FLoopedNavigation = Value; }
  bool Sorted() const { return FItems->Sorted(); }
  void SetSorted(bool Value) { FItems->SetSorted(Value); }
  const String& SearchText() const { return FSearchText; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value) { FShowHint = Value; }
  TdxCustomListBoxHintHelper* HintHelper() const { return FHintHelper.get(); }
  // The items area: the client bounds.
  virtual TRect GetItemsAreaBounds() { return ClientBounds(); }

  // IcxMouseTrackingCaller2: the mouse left the items area.
  void MouseLeave() override { MouseLeave(nullptr); }
  bool ContainsPoint(const TPoint& P) override { return GetItemsAreaBounds().Contains(P); }

protected:
  virtual void PrepareItemFont(TFont* AFont, TdxCustomListBoxItem* AItem, TcxButtonState AState) {}
  virtual bool IsItemTextClipped(int AIndex, TRect& AItemRect, TRect& ATextRect);
  virtual void CheckItemIndex();
  virtual void CheckTopIndex();
  virtual void CalculateLayout();
  virtual bool HasVisibleSeparator(TdxCustomListBoxItem* AItem);
  virtual bool IsIncrementalSearchChar(wchar_t AChar) { return AChar > 31; }
  virtual void AdjustItemHeight(int AIndex, int& AHeight);
  virtual bool ProcessIncrementalSearchKey(wchar_t& Key);
  virtual bool ProcessNavigationKey(uint16_t& Key, TShiftState Shift);
  virtual void ChangeItemIndex(int Value);
  virtual TRect GetImageMargins() { return TRect(2, 2, 2, 2); }
  virtual TSize GetImageSize();
  virtual void CalculateItemRects(TdxCustomListBoxItem* AItem, const TRect& AItemRect, TRect& AContentRect,
                                  TRect& ASeparatorRect);
  virtual TcxButtonState GetItemState(int AIndex);
  virtual TColor GetItemTextColor(TdxCustomListBoxItem* AItem, TcxButtonState AState);
  virtual int GetItemTextFlags();
  virtual TRect GetTextMargins() { return TRect(2, 2, 2, 2); }
  virtual void DrawBackground();
  virtual void DrawItem(const TRect& ARect, TdxCustomListBoxItem* AItem, TcxButtonState AState);
  virtual void DrawItemBackground(const TRect& ARect, TdxCustomListBoxItem* AItem, TcxButtonState AState);
  virtual void DrawItemImage(const TRect& ARect, TdxCustomListBoxItem* AItem, TcxButtonState AState);
  virtual void DrawItemText(const TRect& ARect, TdxCustomListBoxItem* AItem, TcxButtonState AState);
  virtual void DrawItemSeparator(const TRect& ARect);
  virtual void ResetIncrementalSearch() { FSearchText.clear(); }
  virtual bool DoIncrementalSearch(wchar_t& Key);

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void DoPaint() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseEnter(TControl* AControl) override;
  void MouseLeave(TControl* AControl) override;
  void FocusChanged() override;
  // Focus gained or lost: FocusChanged.
  void WndProc(TMessage& Message) override;
  void Scroll(TScrollBarKind AScrollBarKind, TScrollCode AScrollCode, int& AScrollPos) override;
  void InitScrollBarsParameters() override;
  // All painting happens in DoPaint.
  bool NeedsEraseBackground() override { return false; }
  // No boundary feedback while panning.
  bool WantsOverpanFeedback(TScrollBarKind) override { return false; }
  void BoundsChanged() override;

private:
  bool IsLocked() const { return !FItems || FItems->IsLocked(); }
  int GetItemHeight(int AIndex);
  int GetMaxTopIndex();
  int NavigationIndex(int AIndex) const;
  TRect GetImageColumnRect();
  void InvalidateItem(int AIndex);
  void UpdateHotIndex();
  void UpdateHint();
  void ImagesChanged(TObject* Sender);

  std::unique_ptr<TdxCustomListBoxItems> FItems;
  int FItemHeight = 16;
  int FItemIndex = -1;
  int FTopIndex = 0;
  int FHotIndex = -1;
  TCustomImageList* FImages = nullptr;
  std::unique_ptr<TChangeLink> FChangeLink;
  std::unique_ptr<TdxCustomListBoxHintHelper> FHintHelper;
  bool FIncrementalSearch = true;
  bool FLoopedNavigation = false;
  bool FShowHint = false;
  String FSearchText;
  uint32_t FStartIncrementalSearch = 0;
};

extern const TUnitEntry cxListBoxUnit;
