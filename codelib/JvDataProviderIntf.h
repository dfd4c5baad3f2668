#pragma once
// The interfaces of the data-provider framework: a provider serves a tree
// of items to consumers, the objects that controls embed to show them.
// Every lookup goes through QueryInterface, so the identifiers are fixed.
#include <vector>

#include "codelib/UclBase.h"
#include "vcl/classes/Interfaces.h"
#include "vcl/controls/StdCtrls.h"

class TCanvas;
class TComponent;
class TCustomImageList;

inline constexpr GUID IID_IJvDataProvider{0x62A7A17D, 0x1E21, 0x427E, {0x86, 0x1D, 0xC9, 0x2F, 0xBB, 0x9B, 0x09, 0xA6}};
inline constexpr GUID IID_IJvDataProviderNotify{0x5B9D1847, 0x6D35, 0x4D9C, {0x8B, 0xC2, 0x20, 0x54, 0x99, 0x7A, 0xB1, 0x20}};
inline constexpr GUID IID_IJvDataItems{0x93747660, 0x24FB, 0x4294, {0xBF, 0x4E, 0xC7, 0xF8, 0x8E, 0xA2, 0x39, 0x83}};
inline constexpr GUID IID_IJvDataItemsImages{0x735755A6, 0xAD11, 0x460C, {0xB9, 0x85, 0x46, 0x46, 0x4D, 0x73, 0xED, 0xBC}};
inline constexpr GUID IID_IJvDataItemsRenderer{0x4EA490F4, 0x7CCF, 0x44A1, {0xAA, 0x26, 0x53, 0x20, 0xCD, 0xE9, 0xFA, 0xFC}};
inline constexpr GUID IID_IJvDataItemsManagement{0x76611CC0, 0x9DCD, 0x4394, {0x8B, 0x6E, 0x1A, 0xDE, 0xF1, 0x94, 0x2B, 0xC3}};
inline constexpr GUID IID_IJvDataIDSearch{0x0F5BDC79, 0x893B, 0x45C9, {0x94, 0xE9, 0xC2, 0xB2, 0xFD, 0x4A, 0xBF, 0xE7}};
inline constexpr GUID IID_IJvDataItem{0xC965CF64, 0xA1F2, 0x44A4, {0xB8, 0x56, 0x3A, 0x4E, 0xC6, 0xB6, 0x93, 0xE1}};
inline constexpr GUID IID_IJvDataItemText{0x94FA56D9, 0x281B, 0x4252, {0xB4, 0x6D, 0x15, 0xE7, 0xBA, 0xDA, 0x70, 0xDA}};
inline constexpr GUID IID_IJvDataItemImage{0x6425D73A, 0x90CF, 0x42ED, {0x9A, 0xB2, 0x63, 0x12, 0x5A, 0x4C, 0x07, 0x74}};
inline constexpr GUID IID_IJvDataContextSensitive{0x7067F5C1, 0x05DC, 0x4DAC, {0xA5, 0x95, 0xAF, 0x91, 0x51, 0x69, 0x5F, 0xBB}};
inline constexpr GUID IID_IJvDataConsumer{0xB2F18D03, 0xF615, 0x4AA2, {0xA5, 0x1A, 0x74, 0xD3, 0x30, 0xC0, 0x5C, 0x0E}};
inline constexpr GUID IID_IJvDataConsumerProvider{0x1F01D2E5, 0x2ACB, 0x4B84, {0xAF, 0xE6, 0x67, 0xE5, 0x63, 0xFB, 0x47, 0x0B}};
inline constexpr GUID IID_IJvDataConsumerItemSelect{0xF11554AE, 0x263D, 0x4C04, {0xBC, 0xDB, 0x79, 0xF0, 0x4D, 0xE8, 0x96, 0x09}};
inline constexpr GUID IID_IJvDataConsumerViewList{0xF3A78F68, 0xD998, 0x4877, {0x8C, 0x73, 0x1E, 0x0D, 0x29, 0x87, 0x80, 0x8D}};
inline constexpr GUID IID_IJvDataConsumerClientNotify{0xD1AAAFDF, 0xBEB1, 0x44DB, {0xB8, 0xD8, 0xA6, 0x00, 0x80, 0xCE, 0xF3, 0xC7}};
inline constexpr GUID IID_IJvDataContexts{0xBA5DC787, 0x29C6, 0x40FA, {0x95, 0x42, 0xF0, 0xA1, 0xE9, 0x2A, 0x2B, 0x30}};
inline constexpr GUID IID_IJvDataContextsManager{0xA94D62CA, 0xF9B4, 0x4DAA, {0x90, 0x91, 0x86, 0xD0, 0x1A, 0x96, 0x2B, 0xB1}};
inline constexpr GUID IID_IJvDataContext{0xF226D92A, 0x3493, 0x4EF8, {0x9C, 0xE6, 0x03, 0x73, 0x57, 0xEB, 0x0C, 0xEA}};
inline constexpr GUID IID_IJvDataContextManager{0x530367D8, 0x601C, 0x4E36, {0xB5, 0xF0, 0x35, 0x71, 0x60, 0x49, 0x7C, 0x50}};
inline constexpr GUID IID_IJvDataItemRenderer{0x9E877A0D, 0x01C2, 0x4204, {0xAA, 0x74, 0x84, 0xD6, 0x51, 0x6B, 0xBE, 0xB9}};
inline constexpr GUID IID_IJvDataConsumerVisibility{0x09EBDED8, 0x502E, 0x4C2E, {0x98, 0x42, 0x31, 0x28, 0x50, 0xFF, 0x33, 0x58}};
inline constexpr GUID IID_IJvDataItemVisibility{0x5BD81E0B, 0xDAD2, 0x4560, {0x94, 0x3A, 0x20, 0x5E, 0x0F, 0xF2, 0xA9, 0x7F}};
inline constexpr GUID IID_IJvDataItemAction{0x86859A20, 0x560D, 0x4E9A, {0xAC, 0x8B, 0x24, 0x57, 0x78, 0x94, 0x51, 0xB0}};

enum class TDataProviderChangeReason {
  pcrAdd, pcrDelete, pcrUpdateItem, pcrUpdateItems, pcrDestroy, pcrContextAdd, pcrContextDelete,
  pcrContextUpdate, pcrFullRefresh
};
using enum TDataProviderChangeReason;
using TJvDataItemID = String;
using TJvDataContextID = String;
using TClassArray = std::vector<TClass>;

VCL_EXCEPTION(EJVCLException, Exception)
VCL_EXCEPTION(EJVCLDataProvider, EJVCLException)
VCL_EXCEPTION(EJVCLDataItems, EJVCLDataProvider)
VCL_EXCEPTION(EJVCLDataContexts, EJVCLDataProvider)
VCL_EXCEPTION(EJVCLDataConsumer, EJVCLDataProvider)

struct IJvDataItems;
struct IJvDataItem;
struct IJvDataConsumer;
struct IJvDataContext;
struct IJvDataContexts;
struct IJvDataProviderNotify;

// Interfaces hand out borrowed pointers: the provider's tree keeps its
// objects alive while a caller walks it.
struct IJvDataProvider : IInterface {
  virtual IJvDataItems* GetItems() = 0;
  virtual void RegisterChangeNotify(IJvDataProviderNotify* Notify) = 0;
  virtual void UnregisterChangeNotify(IJvDataProviderNotify* Notify) = 0;
  // Passed on to every registered listener.
  virtual void Changing(TDataProviderChangeReason Reason, IInterface* Source) = 0;
  virtual void Changed(TDataProviderChangeReason Reason, IInterface* Source) = 0;
  // A stack of selected consumers and contexts.
  virtual void SelectConsumer(IJvDataConsumer* Consumer) = 0;
  virtual IJvDataConsumer* SelectedConsumer() = 0;
  virtual void ReleaseConsumer() = 0;
  virtual void SelectContext(IJvDataContext* Context) = 0;
  virtual IJvDataContext* SelectedContext() = 0;
  virtual void ReleaseContext() = 0;
  // The service classes the provider asks its consumers to carry.
  virtual TClassArray ConsumerClasses() = 0;
};

struct IJvDataProviderNotify : IInterface {
  virtual void DataProviderChanging(IJvDataProvider* Provider, TDataProviderChangeReason Reason,
                                    IInterface* Source) = 0;
  virtual void DataProviderChanged(IJvDataProvider* Provider, TDataProviderChangeReason Reason,
                                   IInterface* Source) = 0;
  virtual IJvDataConsumer* Consumer() = 0;
};

struct IJvDataItems : IInterface {
  virtual int GetCount() = 0;
  virtual IJvDataItem* GetItem(int Index) = 0;
  virtual IJvDataItem* ItemByPath(const String& Path) = 0;  // an ID or an ID path
  virtual IJvDataItem* ItemAtIndexPath(const std::vector<int>& IndexPath) = 0;
  virtual IJvDataItem* GetParent() = 0;
  virtual IJvDataProvider* GetProvider() = 0;
  virtual TObject* GetImplementer() = 0;
  virtual bool HoldsVolatileItems() = 0;  // its items are counted by reference
  virtual void ContextGoing(IJvDataContext* Context) = 0;
};

struct IJvDataItemsManagement : IInterface {
  virtual IJvDataItem* Add(IJvDataItem* Item) = 0;
  virtual IJvDataItem* New() = 0;
  virtual void Clear() = 0;
  virtual void Delete(int Index) = 0;
  virtual void Remove(IJvDataItem*& Item) = 0;
};

struct IJvDataIDSearch : IInterface {
  virtual IJvDataItem* SearchByID(const String& ID, bool Recursive) = 0;
};

struct IJvDataItem : IInterface {
  virtual IJvDataItems* GetItems() = 0;  // the list that holds the item
  virtual int GetIndex() = 0;
  virtual TObject* GetImplementer() = 0;
  virtual TJvDataItemID GetID() = 0;
  virtual void ContextGoing(IJvDataContext* Context) = 0;
  virtual bool IsAncestorOf(IJvDataItem* Item, bool DirectParent) = 0;
  virtual bool CanDelete() = 0;
};

struct IJvDataItemText : IInterface {
  virtual String GetCaption() = 0;
  virtual void SetCaption(const String& Value) = 0;
  virtual bool TextIsEditable() = 0;
};

struct IJvDataItemImage : IInterface {
  virtual TAlignment GetAlignment() = 0;
  virtual void SetAlignment(TAlignment Value) = 0;
  virtual int GetImageIndex() = 0;
  virtual void SetImageIndex(int Value) = 0;
  virtual int GetSelectedIndex() = 0;
  virtual void SetSelectedIndex(int Value) = 0;
};

// The image lists of an item list.
struct IJvDataItemsImages : IInterface {
  virtual TCustomImageList* GetDisabledImages() = 0;
  virtual void SetDisabledImages(TCustomImageList* Value) = 0;
  virtual TCustomImageList* GetHotImages() = 0;
  virtual void SetHotImages(TCustomImageList* Value) = 0;
  virtual TCustomImageList* GetImages() = 0;
  virtual void SetImages(TCustomImageList* Value) = 0;
};

struct IJvDataContextSensitive : IInterface {
  virtual void RevertToAncestor() = 0;
  virtual bool IsEqualToAncestor() = 0;
};

// Queried for only: an item that chooses whether it is shown, a consumer
// that chooses for its items, and an item that acts when selected.
struct IJvDataItemVisibility : IInterface {
  virtual int Visibility() = 0;  // 0 hidden, 1 shown, 2 and 3 undecided
};
struct IJvDataConsumerVisibility : IInterface {
  virtual int ItemVisibility(IJvDataItem* Item) = 0;
};
struct IJvDataItemAction : IInterface {
  virtual void Execute(TComponent* Sender) = 0;
};

// Contexts: named variants of a provider's data; a context list belongs
// under an ancestor context (none for the provider's top list).
struct IJvDataContexts : IInterface {
  virtual IJvDataProvider* Provider() = 0;
  virtual IJvDataContext* Ancestor() = 0;
  virtual int GetCount() = 0;
  virtual IJvDataContext* GetContext(int Index) = 0;
  virtual IJvDataContext* GetContextByName(const String& Path) = 0;  // a name or a name path
  virtual int IndexOf(IJvDataContext* Context) = 0;
};

struct IJvDataContextsManager : IInterface {
  virtual IJvDataContext* Add(IJvDataContext* Context) = 0;
  virtual IJvDataContext* New() = 0;
  virtual void Delete(IJvDataContext* Context) = 0;
  virtual void Clear() = 0;
};

struct IJvDataContext : IInterface {
  virtual TObject* GetImplementer() = 0;
  virtual IJvDataContexts* Contexts() = 0;  // the list that holds the context
  virtual String Name() = 0;
  virtual bool CanDelete() = 0;
};

struct IJvDataContextManager : IInterface {
  virtual void SetName(const String& Value) = 0;
};

// The consumer as its provider and services see it.
struct IJvDataConsumer : IInterface {
  virtual TComponent* VCLComponent() = 0;
  virtual bool AttributeApplies(int Attr) = 0;
};

struct IJvDataConsumerProvider : IInterface {
  virtual IJvDataProvider* GetProvider() = 0;
};

struct IJvDataConsumerItemSelect : IInterface {
  virtual IJvDataItem* GetItemIntf() = 0;
  virtual void SetItemIntf(IJvDataItem* Value) = 0;
};

// Links between consumers: a server tells its clients of its item, and of
// links made and undone.
struct IJvDataConsumerClientNotify : IInterface {
  virtual void HandleServerItemChange(IInterface* Server, IJvDataItem* Item) = 0;
  virtual void LinkAdded(IInterface* Server) = 0;
  virtual void LinkRemoved(IInterface* Server) = 0;
};
