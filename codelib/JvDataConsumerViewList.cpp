#include "codelib/JvDataConsumerViewList.h"

namespace {

TViewListItem RowOf(IJvDataItem* Item, uint32_t Level) {
  uint32_t flags = Level & vlLevelMask;
  if (IJvDataItems* subItems = SubItemsOf(Item)) {
    flags |= vlHasSubItems;
    if (subItems->GetCount() > 0) flags |= vlHasChildren;
  }
  return {Item->GetID(), flags};
}

bool IsVisible(IJvDataItem* Item) { return ItemVisibility(Item) != 0; }

}  // namespace

// ---------------------------------------------------------------- TJvCustomDataConsumerViewList

bool TJvCustomDataConsumerViewList::GetInterface(REFIID IID, void** Obj) {
  return IID == IID_IJvDataConsumerViewList && AnswerInterface(static_cast<IJvDataConsumerViewList*>(this), Obj);
}

void TJvCustomDataConsumerViewList::SetLevelIndent(int Value) {
  if (Value == FLevelIndent) return;
  FLevelIndent = Value;
  ReportChange(ccrOther);
}

void TJvCustomDataConsumerViewList::RebuildRows() {
  EmptyView();
  if (ConsumerImpl()->ProviderIntf()) {
    const TConsumerScope scope(ConsumerImpl());
    int index = 0;
    if (IJvDataItems* root = RootItemList()) AppendViewItems(index, root, FAutoExpandLevel);
  }
  ReportViewChange();
}

int TJvCustomDataConsumerViewList::NextSiblingRow(int Row, int& Scan) {
  if (Row >= Scan) Scan = Row + 1;
  const int level = ItemLevel(Row);
  while (Scan < Count() && ItemLevel(Scan) > level) ++Scan;
  return Scan < Count() && ItemLevel(Scan) == level ? Scan : -1;
}

std::vector<uint32_t> TJvCustomDataConsumerViewList::ItemGroupInfo(int Index) {
  const int level = ItemLevel(Index);
  std::vector<uint32_t> words((level + 31) / 32, 0);
  int row = Index;
  for (int k = level - 1; k >= 0; --k) {
    while (row >= 0 && ItemLevel(row) != k) --row;  // the ancestor at level k
    if (row < 0) break;
    int scan = row;
    if (NextSiblingRow(row, scan) >= 0) words[k / 32] |= 1u << (k % 32);
  }
  return words;
}

void TJvCustomDataConsumerViewList::ProviderDataChanging(IJvDataProvider*, TDataProviderChangeReason Reason,
                                                         IInterface* Source) {
  if (Reason != pcrDelete) return;
  const auto item = Supports<IJvDataItem>(Source, IID_IJvDataItem);
  if (!item) return;
  const TConsumerScope scope(ConsumerImpl());
  if (const int row = IndexOfItem(item.Get()); row >= 0) {
    DeleteViewRow(row);
    ReportViewChange();
  }
}

void TJvCustomDataConsumerViewList::ProviderDataChanged(IJvDataProvider*, TDataProviderChangeReason Reason,
                                                        IInterface* Source) {
  if (Reason == pcrUpdateItems) return ItemsWereCleared(Supports<IJvDataItems>(Source, IID_IJvDataItems).Get());
  if (Reason != pcrAdd) return;
  const auto item = Supports<IJvDataItem>(Source, IID_IJvDataItem);
  if (!item) return;
  const TConsumerScope scope(ConsumerImpl());
  IJvDataItem* parent = item->GetItems() ? item->GetItems()->GetParent() : nullptr;
  if (!parent) {
    AppendChildRow(-1, item.Get());
    ReportViewChange();
    return;
  }
  int row = IndexOfItem(parent);
  if (row < 0 && FExpandOnNewItem) {
    ExpandTreeTo(parent);
    row = IndexOfItem(parent);
  }
  if (row < 0) return;
  if (ItemIsExpanded(row)) {
    AppendChildRow(row, item.Get());
    ReportViewChange();
  } else if (FExpandOnNewItem) {
    if (!ItemHasChildren(row)) SetRowFlags(row, vlHasSubItems | vlHasChildren, vlHasSubItems | vlHasChildren);
    ToggleItem(row);
  }
}

// The rows of a cleared list's items are gone, and its parent's row, when
// shown, has no children left: the view is built again when it shows the
// list or its parent.
void TJvCustomDataConsumerViewList::ItemsWereCleared(IJvDataItems* Items) {
  if (!Items) return;
  bool shown;
  {
    const TConsumerScope scope(ConsumerImpl());
    shown = Items == RootItemList() || IndexOfItem(Items->GetParent()) >= 0;
  }
  if (shown) RebuildRows();
}

// ---------------------------------------------------------------- TJvDataConsumerViewList

void TJvDataConsumerViewList::CollectRows(IJvDataItems* Items, uint32_t Level, int ExpandToLevel,
                                          TViewListItems& Rows) {
  for (int i = 0; i < Items->GetCount(); ++i) {
    IJvDataItem* item = Items->GetItem(i);
    if (!IsVisible(item)) continue;
    Rows.push_back(RowOf(item, Level));
    IJvDataItems* subItems = SubItemsOf(item);
    if (ExpandToLevel != 0 && subItems && subItems->GetCount() > 0) {
      Rows.back().Flags |= vlExpanded;
      CollectRows(subItems, Level + 1, ExpandToLevel - 1, Rows);
    }
  }
}

void TJvDataConsumerViewList::AppendViewItems(int& Index, IJvDataItems* Items, int ExpandToLevel) {
  uint32_t level = 0;
  if (Index >= 1) {
    FViewItems[Index - 1].Flags |= vlExpanded;
    level = ItemLevel(Index - 1) + 1;
  }
  TViewListItems rows;
  CollectRows(Items, level, ExpandToLevel, rows);
  FViewItems.insert(FViewItems.begin() + Index, rows.begin(), rows.end());
  Index += static_cast<int>(rows.size());
}

int TJvDataConsumerViewList::EndOfDescendants(int Index) {
  int scan = Index + 1;
  while (scan < Count() && ItemLevel(scan) > ItemLevel(Index)) ++scan;
  return scan;
}

void TJvDataConsumerViewList::AppendViewItem(int Index, IJvDataItem* Item, int ExpandToLevel) {
  if (!IsVisible(Item)) return;
  if (Index < 0) {
    FViewItems.push_back(RowOf(Item, 0));
    return;
  }
  if (ItemHasChildren(Index) && !ItemIsExpanded(Index)) {
    ToggleItem(Index);
    return;
  }
  int position = EndOfDescendants(Index);
  FViewItems.insert(FViewItems.begin() + position, RowOf(Item, ItemLevel(Index) + 1));
  SetRowFlags(Index, vlExpanded | vlHasSubItems | vlHasChildren, vlExpanded | vlHasSubItems | vlHasChildren);
  IJvDataItems* subItems = SubItemsOf(Item);
  if (ExpandToLevel != 0 && subItems && subItems->GetCount() > 0) {
    ++position;
    AppendViewItems(position, subItems, ExpandToLevel - 1);
  }
}

void TJvDataConsumerViewList::AppendChildRow(int ParentIndex, IJvDataItem* Item) {
  if (!IsVisible(Item)) return;
  if (ParentIndex < 0) {
    FViewItems.push_back(RowOf(Item, 0));
    return;
  }
  if (!ItemIsExpanded(ParentIndex)) {
    if (!ItemHasChildren(ParentIndex))
      SetRowFlags(ParentIndex, vlHasSubItems | vlHasChildren, vlHasSubItems | vlHasChildren);
    ToggleItem(ParentIndex);
  }
  if (IndexOfItem(Item) < 0) InsertViewRow(EndOfDescendants(ParentIndex), ParentIndex, Item);
}

void TJvDataConsumerViewList::InsertViewRow(int InsertIndex, int ParentIndex, IJvDataItem* Item) {
  if (!IsVisible(Item)) return;
  const uint32_t level = ParentIndex >= 0 ? ItemLevel(ParentIndex) + 1 : 0;
  FViewItems.insert(FViewItems.begin() + InsertIndex, RowOf(Item, level));
  if (ParentIndex >= 0)
    SetRowFlags(ParentIndex, vlExpanded | vlHasSubItems | vlHasChildren, vlExpanded | vlHasSubItems | vlHasChildren);
}

void TJvDataConsumerViewList::CollapseViewRow(int Index) {
  const uint32_t flags = FViewItems.at(Index).Flags;
  if (!(flags & vlExpanded) || !(flags & vlHasChildren)) return;
  FViewItems.erase(FViewItems.begin() + Index + 1, FViewItems.begin() + EndOfDescendants(Index));
  FViewItems[Index].Flags &= ~vlExpanded;
}

void TJvDataConsumerViewList::DeleteViewRow(int Index) {
  CollapseViewRow(Index);
  const int level = ItemLevel(Index);
  const bool firstChild = Index > 0 && ItemLevel(Index - 1) == level - 1;
  FViewItems.erase(FViewItems.begin() + Index);
  if (firstChild && (Index >= Count() || ItemLevel(Index) != level))
    FViewItems[Index - 1].Flags &= ~(vlExpanded | vlHasChildren);
}

void TJvDataConsumerViewList::SetRowFlags(int Index, uint32_t Value, uint32_t Mask) {
  uint32_t& flags = FViewItems.at(Index).Flags;
  flags = (flags & ~Mask) | (Value & Mask);
}

void TJvDataConsumerViewList::ToggleItem(int Index) {
  if (!ItemHasChildren(Index)) return;
  if (ItemIsExpanded(Index)) {
    CollapseViewRow(Index);
  } else {
    int position = Index + 1;
    if (IJvDataItems* subItems = SubItemsOf(Item(Index))) AppendViewItems(position, subItems, 0);
  }
  ReportViewChange();
}

void TJvDataConsumerViewList::ExpandTreeTo(IJvDataItem* Item) {
  if (!IsVisible(Item) || IndexOfItem(Item) >= 0) return;
  IJvDataItem* parent = Item->GetItems() ? Item->GetItems()->GetParent() : nullptr;
  if (!parent) return;
  ExpandTreeTo(parent);
  const int row = IndexOfItem(parent);
  if (row < 0) return;
  if (ItemIsExpanded(row)) throw EJVCLDataConsumer(L"ViewList out of sync");
  ToggleItem(row);
}

int TJvDataConsumerViewList::IndexOfID(const TJvDataItemID& ID) {
  for (int i = Count() - 1; i >= 0; --i)
    if (AnsiSameText(FViewItems[i].ItemID, ID)) return i;
  return -1;
}

int TJvDataConsumerViewList::IndexOfItem(IJvDataItem* Item) { return Item ? IndexOfID(Item->GetID()) : -1; }

int TJvDataConsumerViewList::ChildIndexOfID(const TJvDataItemID& ID) {
  const int row = IndexOfID(ID);
  if (row <= 0) return row;
  const int level = ItemLevel(row);
  int result = 0;
  for (int i = row - 1; i >= 0 && ItemLevel(i) >= level; --i)
    if (ItemLevel(i) == level) ++result;
  return result;
}

int TJvDataConsumerViewList::ChildIndexOfItem(IJvDataItem* Item) { return Item ? ChildIndexOfID(Item->GetID()) : -1; }

IJvDataItem* TJvDataConsumerViewList::Item(int Index) {
  const int parent = ItemParentIndex(Index);
  IJvDataItems* items = parent >= 0 ? SubItemsOf(Item(parent)) : RootItemList();
  const auto search = Supports<IJvDataIDSearch>(items, IID_IJvDataIDSearch);
  return search ? search->SearchByID(FViewItems.at(Index).ItemID, false) : nullptr;
}

int TJvDataConsumerViewList::ItemParentIndex(int Index) {
  const int level = ItemLevel(Index);
  for (int i = Index - 1; i >= 0; --i)
    if (ItemLevel(i) <= level - 1) return i;
  return -1;
}

IJvDataItem* TJvDataConsumerViewList::ItemParent(int Index) {
  const int parent = ItemParentIndex(Index);
  return parent >= 0 ? Item(parent) : nullptr;
}

int TJvDataConsumerViewList::ItemSiblingIndex(int Index) {
  int scan = Index;
  return NextSiblingRow(Index, scan);
}

IJvDataItem* TJvDataConsumerViewList::ItemSibling(int Index) {
  const int sibling = ItemSiblingIndex(Index);
  return sibling >= 0 ? Item(sibling) : nullptr;
}

int TJvDataConsumerViewList::SubItemIndex(int Parent, int Index) {
  int row = Parent + 1;
  if (row >= Count() || ItemLevel(row) != (Parent >= 0 ? ItemLevel(Parent) + 1 : 0)) return -1;
  for (int i = 0; i < Index && row >= 0; ++i) row = ItemSiblingIndex(row);
  return row;
}

int TJvDataConsumerViewList::SubItemIndex(IJvDataItem* Parent, int Index) {
  return SubItemIndex(IndexOfItem(Parent), Index);
}

IJvDataItem* TJvDataConsumerViewList::SubItem(int Parent, int Index) {
  const int row = SubItemIndex(Parent, Index);
  return row >= 0 ? Item(row) : nullptr;
}

IJvDataItem* TJvDataConsumerViewList::SubItem(IJvDataItem* Parent, int Index) {
  return SubItem(IndexOfItem(Parent), Index);
}
