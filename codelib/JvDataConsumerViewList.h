#pragma once
// A consumer service that shows a provider's item tree as a flat list of
// rows, as list and tree controls need it: one row per shown item in
// display order, with its level, whether it has children and whether they
// are shown. Rows follow the provider's additions and deletions.
#include <cstdint>

#include "codelib/JvDataConsumer.h"

struct TViewListItem {
  TJvDataItemID ItemID;
  uint32_t Flags;  // the level in bits 0-23, then the flags below
};
using TViewListItems = std::vector<TViewListItem>;
constexpr uint32_t vlLevelMask = 0x00FFFFFF;
constexpr uint32_t vlExpanded = 0x20000000;     // the children follow as rows
constexpr uint32_t vlHasSubItems = 0x40000000;  // the item offers a sub-item list
constexpr uint32_t vlHasChildren = 0x80000000;  // and it is not empty

// What a list or tree control asks of a consumer's view list.
struct IJvDataConsumerViewList : IInterface {
  virtual int AutoExpandLevel() const = 0;  // -1: every level
  virtual void SetAutoExpandLevel(int Value) = 0;
  virtual bool ExpandOnNewItem() const = 0;
  virtual void SetExpandOnNewItem(bool Value) = 0;
  virtual int LevelIndent() const = 0;
  virtual void SetLevelIndent(int Value) = 0;
  virtual void RebuildRows() = 0;
  virtual void ExpandTreeTo(IJvDataItem* Item) = 0;
  virtual void ToggleItem(int Index) = 0;
  virtual int IndexOfItem(IJvDataItem* Item) = 0;
  virtual int IndexOfID(const TJvDataItemID& ID) = 0;
  virtual int ChildIndexOfItem(IJvDataItem* Item) = 0;
  virtual int ChildIndexOfID(const TJvDataItemID& ID) = 0;
  virtual IJvDataItem* Item(int Index) = 0;
  virtual int ItemLevel(int Index) = 0;
  virtual bool ItemIsExpanded(int Index) = 0;
  virtual bool ItemHasChildren(int Index) = 0;
  virtual IJvDataItem* ItemParent(int Index) = 0;
  virtual int ItemParentIndex(int Index) = 0;
  virtual IJvDataItem* ItemSibling(int Index) = 0;
  virtual int ItemSiblingIndex(int Index) = 0;
  virtual IJvDataItem* SubItem(IJvDataItem* Parent, int Index) = 0;
  virtual IJvDataItem* SubItem(int Parent, int Index) = 0;
  virtual int SubItemIndex(IJvDataItem* Parent, int Index) = 0;
  virtual int SubItemIndex(int Parent, int Index) = 0;
  // One bit per level above the row's: set where the ancestor at that
  // level has a later sibling (for the lines of a tree).
  virtual std::vector<uint32_t> ItemGroupInfo(int Index) = 0;
  virtual int Count() = 0;
};

class TJvCustomDataConsumerViewList : public TJvDataConsumerAggregatedObject, public IJvDataConsumerViewList {
  VCL_CLASS(TJvCustomDataConsumerViewList, TJvDataConsumerAggregatedObject)
public:
  TJvCustomDataConsumerViewList() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TJvDataConsumerAggregatedObject::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TJvDataConsumerAggregatedObject::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TJvDataConsumerAggregatedObject::Release(); }
  bool GetInterface(REFIID IID, void** Obj) override;

  int AutoExpandLevel() const override { return FAutoExpandLevel; }
  void SetAutoExpandLevel(int Value) override { FAutoExpandLevel = Value; }
  bool ExpandOnNewItem() const override { return FExpandOnNewItem; }
  void SetExpandOnNewItem(bool Value) override { FExpandOnNewItem = Value; }
  int LevelIndent() const override { return FLevelIndent; }
  void SetLevelIndent(int Value) override;
  void RebuildRows() override;
  std::vector<uint32_t> ItemGroupInfo(int Index) override;

  bool SurvivesProviderChange() override { return true; }
  void ProviderIsChanging() override { EmptyView(); }
  void ProviderWasChanged() override { RebuildRows(); }
  void ContextWasChanged() override { RebuildRows(); }
  void ViewWasChanged(TJvDataConsumerAggregatedObject*) override { RebuildRows(); }
  void ProviderDataChanging(IJvDataProvider* Provider, TDataProviderChangeReason Reason, IInterface* Source) override;
  void ProviderDataChanged(IJvDataProvider* Provider, TDataProviderChangeReason Reason, IInterface* Source) override;

protected:
  virtual void AppendViewItem(int Index, IJvDataItem* Item, int ExpandToLevel) = 0;
  virtual void AppendViewItems(int& Index, IJvDataItems* Items, int ExpandToLevel) = 0;
  virtual void AppendChildRow(int ParentIndex, IJvDataItem* Item) = 0;
  virtual void InsertViewRow(int InsertIndex, int ParentIndex, IJvDataItem* Item) = 0;
  virtual void DeleteViewRow(int Index) = 0;
  virtual void CollapseViewRow(int Index) = 0;
  virtual void SetRowFlags(int Index, uint32_t Value, uint32_t Mask) = 0;
  virtual void EmptyView() = 0;
  // The next row at Row's level below Row's descendants, starting the scan
  // at Scan (moved past Row first); -1 at the end or a shallower row.
  int NextSiblingRow(int Row, int& Scan);

private:
  void ItemsWereCleared(IJvDataItems* Items);
  int FAutoExpandLevel = 0;
  bool FExpandOnNewItem = false;
  int FLevelIndent = 16;
};

class TJvDataConsumerViewList : public TJvCustomDataConsumerViewList {
  VCL_CREATABLE_CLASS(TJvDataConsumerViewList, TJvCustomDataConsumerViewList)
public:
  TJvDataConsumerViewList() = default;

  const TViewListItems& ViewItems() const { return FViewItems; }
  void ExpandTreeTo(IJvDataItem* Item) override;
  void ToggleItem(int Index) override;
  int IndexOfItem(IJvDataItem* Item) override;
  int IndexOfID(const TJvDataItemID& ID) override;
  int ChildIndexOfItem(IJvDataItem* Item) override;
  int ChildIndexOfID(const TJvDataItemID& ID) override;
  IJvDataItem* Item(int Index) override;
  int ItemLevel(int Index) override { return FViewItems.at(Index).Flags & vlLevelMask; }
  bool ItemIsExpanded(int Index) override { return FViewItems.at(Index).Flags & vlExpanded; }
  bool ItemHasChildren(int Index) override { return FViewItems.at(Index).Flags & vlHasChildren; }
  IJvDataItem* ItemParent(int Index) override;
  int ItemParentIndex(int Index) override;
  IJvDataItem* ItemSibling(int Index) override;
  int ItemSiblingIndex(int Index) override;
  IJvDataItem* SubItem(IJvDataItem* Parent, int Index) override;
  IJvDataItem* SubItem(int Parent, int Index) override;
  int SubItemIndex(IJvDataItem* Parent, int Index) override;
  int SubItemIndex(int Parent, int Index) override;
  int Count() override { return static_cast<int>(FViewItems.size()); }

protected:
  void AppendViewItem(int Index, IJvDataItem* Item, int ExpandToLevel) override;
  void AppendViewItems(int& Index, IJvDataItems* Items, int ExpandToLevel) override;
  void AppendChildRow(int ParentIndex, IJvDataItem* Item) override;
  void InsertViewRow(int InsertIndex, int ParentIndex, IJvDataItem* Item) override;
  void DeleteViewRow(int Index) override;
  void CollapseViewRow(int Index) override;
  void SetRowFlags(int Index, uint32_t Value, uint32_t Mask) override;
  void EmptyView() override { FViewItems.clear(); }

private:
  // The rows of Items and, down to ExpandToLevel, of their sub-items.
  void CollectRows(IJvDataItems* Items, uint32_t Level, int ExpandToLevel, TViewListItems& Rows);
  int EndOfDescendants(int Index);
  TViewListItems FViewItems;
};
