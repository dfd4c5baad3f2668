// Data items: extensions, identifiers, lookup by path and index path, list
// management with its notices, and streaming.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/codelib/TestProvider.h"
#include "vcl/classes/Filer.h"
#include "vcl/controls/Controls.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/Streams.h"

namespace {

// A tree of two levels below the root:  A (A1 (A1a), A2), B (B1).
const std::initializer_list<TTestNode> Tree{
    {L"A", L""}, {L"A1", L"A"}, {L"A1a", L"A1"}, {L"A2", L"A"}, {L"B", L""}, {L"B1", L"B"},
};

// An item that refuses to be deleted.
class TFixedItem : public TJvBaseDataItem {
  VCL_CREATABLE_CLASS(TFixedItem, TJvBaseDataItem)
public:
  TFixedItem() = default;
  bool CanDelete() override { return false; }
};

String IDOf(IJvDataItem* Item) { return Item ? Item->GetID() : L"(nothing)"; }

// The tree below a list as "ID(text)[children]" texts.
String Outline(IJvDataItems* Items) {
  String result;
  for (int i = 0; i < Items->GetCount(); ++i) {
    IJvDataItem* item = Items->GetItem(i);
    result += item->GetID() + L"(" + TextOf(item) + L")";
    if (IJvDataItems* sub = SubItemsOf(item)) result += L"[" + Outline(sub) + L"]";
  }
  return result;
}

}  // namespace

TEST(DataItemsTest, ExtensionsOfOneClassLineAreAttachedOnce) {
  const auto provider = TTestProvider::Create({{L"A", L""}});
  auto* item = static_cast<TJvBaseDataItem*>(TTestProvider::Of(provider)->Find(L"A")->GetImplementer());
  // A carries a plain text; a context text derives from it and may join.
  auto* contextText = CreateExtension(TJvDataItemContextTextImpl::StaticClass(), item);
  EXPECT_THROW(CreateExtension(TJvDataItemTextImpl::StaticClass(), item), EJVCLException);
  EXPECT_THROW(CreateExtension(TJvDataItemContextTextImpl::StaticClass(), item), EJVCLException);
  // The newer extension answers for the interface both offer.
  const auto text = Supports<IJvDataItemText>(static_cast<IJvDataItem*>(item), IID_IJvDataItemText);
  EXPECT_EQ(static_cast<IJvDataItemText*>(static_cast<TJvDataItemContextTextImpl*>(contextText)), text.Get());
  EXPECT_EQ(1, item->ExtensionIndexOfClass(TJvDataItemContextTextImpl::StaticClass()));
  EXPECT_EQ(1, item->ExtensionIndexOfClass(TJvDataItemTextImpl::StaticClass()));
  item->DetachExtension(contextText);
  EXPECT_EQ(L"A", TextOf(item));
}

TEST(DataItemsTest, NewItemsHaveDistinctHexadecimalIDs) {
  const auto provider = TTestProvider::Create();
  IJvDataItems* root = provider->GetItems();
  auto* first = Constructed(new TJvBaseDataItem(root));
  auto* second = Constructed(new TJvBaseDataItem(root));
  for (const String& id : {first->ID(), second->ID()}) {
    EXPECT_EQ(32, Length(id));
    EXPECT_EQ(String::npos, id.find_first_not_of(L"0123456789ABCDEF")) << id;
  }
  EXPECT_NE(first->ID(), second->ID());
  delete first;
  delete second;
}

TEST(DataItemsTest, ItemsAreFoundByIDPathAndIndexPath) {
  const auto provider = TTestProvider::Create(Tree);
  TTestProvider* test = TTestProvider::Of(provider);
  IJvDataItems* root = provider->GetItems();
  IJvDataItems* underA = SubItemsOf(test->Find(L"A"));
  const struct {
    IJvDataItems* From;
    const wchar_t* Path;
    const wchar_t* Expected;
  } paths[] = {
      {root, L"A/A1", L"A1"},         {root, L"a\\A1\\a1A", L"A1a"}, {root, L"B", L"B"},
      {root, L"/B", L"B"},            {underA, L"A2", L"A2"},        {underA, L"../B", L"B"},
      {underA, L"A1/../B", L"B"},     {underA, L"/B/B1", L"B1"},     {root, L"../A", L"(nothing)"},
      {root, L"missing/A1", L"(nothing)"}, {root, L"A/missing", L"(nothing)"}, {root, L"B1", L"(nothing)"},
      {root, L"A/A2/x", L"(nothing)"},
  };
  for (const auto& c : paths) EXPECT_EQ(c.Expected, IDOf(c.From->ItemByPath(c.Path))) << c.Path;

  EXPECT_EQ(L"B1", IDOf(test->Find(L"B1")));
  const auto search = Supports<IJvDataIDSearch>(root, IID_IJvDataIDSearch);
  EXPECT_EQ(L"(nothing)", IDOf(search->SearchByID(L"A1a", false)));
  EXPECT_EQ(L"A1a", IDOf(search->SearchByID(L"A1a", true)));

  const struct {
    std::vector<int> Path;
    const wchar_t* Expected;
  } indexPaths[] = {{{0, 1}, L"A2"}, {{1}, L"B"}, {{1, 0}, L"B1"}, {{0, 0, 0}, L"A1a"}, {{}, L"(nothing)"},
                    {{0, 1, 0}, L"(nothing)"}};
  for (const auto& c : indexPaths) EXPECT_EQ(c.Expected, IDOf(root->ItemAtIndexPath(c.Path)));
}

TEST(DataItemsTest, ParentsIndexesAndNamePaths) {
  const auto provider = TTestProvider::Create(Tree);
  TTestProvider* test = TTestProvider::Of(provider);
  IJvDataItem* a = test->Find(L"A");
  EXPECT_TRUE(a->IsAncestorOf(test->Find(L"A1"), true));
  EXPECT_FALSE(a->IsAncestorOf(test->Find(L"A1a"), true));
  EXPECT_TRUE(a->IsAncestorOf(test->Find(L"A1a"), false));
  EXPECT_FALSE(a->IsAncestorOf(test->Find(L"B1"), false));
  EXPECT_EQ(1, test->Find(L"A2")->GetIndex());
  EXPECT_EQ(L"Unknown: Item[A2]", static_cast<TPersistent*>(test->Find(L"A2")->GetImplementer())->GetNamePath());
}

TEST(DataItemsTest, ManagementAnnouncesEveryChangeAndKeepsUndeletableItems) {
  const auto provider = TTestProvider::Create(Tree);
  TTestProvider* test = TTestProvider::Of(provider);
  IJvDataItems* underA = SubItemsOf(test->Find(L"A"));
  const auto manage = Supports<IJvDataItemsManagement>(underA, IID_IJvDataItemsManagement);

  IJvDataItem* fixed = test->AddItem(L"F", L"A", TFixedItem::StaticClass());
  ASSERT_EQ(2u, test->Notices.size());
  EXPECT_EQ(pcrAdd, test->Notices[0].Reason);
  EXPECT_TRUE(test->Notices[0].Before);
  EXPECT_EQ(static_cast<IInterface*>(underA), test->Notices[0].Source);
  EXPECT_EQ(static_cast<IInterface*>(fixed), test->Notices[1].Source);

  test->Notices.clear();
  try {
    manage->Delete(2);
    ADD_FAILURE() << "no exception";
  } catch (const EJVCLDataItems& e) {
    EXPECT_EQ(L"Item cannot be deleted", e.Message());
  }
  IJvDataItem* variable = fixed;
  EXPECT_THROW(manage->Remove(variable), EJVCLDataItems);
  EXPECT_EQ(3, underA->GetCount());
  EXPECT_TRUE(test->Notices.empty());
  EXPECT_THROW(manage->Delete(7), EListError);

  manage->Delete(0);  // A1 with its sub-items
  ASSERT_EQ(2u, test->Notices.size());
  EXPECT_EQ(pcrDelete, test->Notices[0].Reason);
  EXPECT_EQ(nullptr, test->Notices[1].Source);
  EXPECT_EQ(L"A2(A2)F(F)", Outline(underA));
  EXPECT_EQ(nullptr, test->Find(L"A1a"));

  // Removed, and announced, even while someone holds a reference to it.
  IJvDataItem* a2 = test->Find(L"A2");
  static_cast<TJvBaseDataItem*>(a2->GetImplementer())->HoldReference();
  test->Notices.clear();
  manage->Remove(a2);
  EXPECT_EQ(nullptr, a2);
  EXPECT_EQ(L"F(F)", Outline(underA));
  ASSERT_EQ(2u, test->Notices.size());
  EXPECT_EQ(pcrDelete, test->Notices[0].Reason);
  manage->Clear();
  EXPECT_EQ(0, underA->GetCount());
  EXPECT_EQ(pcrUpdateItems, test->Notices.back().Reason);
}

namespace {

void WriteList(IJvDataItems* Items, TMemoryStream& Stream) {
  TWriter writer(&Stream);
  writer.WriteProperties(static_cast<TJvBaseDataItems*>(Items->GetImplementer()));
  writer.WriteListEnd();
  Stream.SetPosition(0);
}

void ReadList(TMemoryStream& Stream, IJvDataItems* Items) {
  TReader(&Stream).ReadPropertyList(static_cast<TJvBaseDataItems*>(Items->GetImplementer()));
}

// A list stream written by hand: AProperties writes the list's properties.
void HandMadeList(TMemoryStream& Stream, const std::function<void(TWriter&)>& AProperties) {
  TWriter writer(&Stream);
  AProperties(writer);
  writer.WriteListEnd();
  Stream.SetPosition(0);
}

// The start of an entry of a streamed collection.
void WriteEntryStart(TWriter& Writer, const wchar_t* AClassName) {
  Writer.WriteListBegin();
  Writer.WriteStr(L"ClassName");
  Writer.WriteString(AClassName);
}

// "Extensions" with one entry of the class, its Item set when given.
void WriteExtension(TWriter& Writer, const wchar_t* AClassName, const wchar_t* AItem = nullptr) {
  Writer.WriteStr(L"Extensions");
  Writer.WriteValue(vaCollection);
  WriteEntryStart(Writer, AClassName);
  if (AItem) {
    Writer.WriteStr(L"Item");
    Writer.WriteString(AItem);
  }
  Writer.WriteListEnd();
  Writer.WriteListEnd();
}

// "Items" with one item whose properties AProperties writes.
void WriteOneItem(TWriter& Writer, const std::function<void(TWriter&)>& AProperties) {
  Writer.WriteStr(L"Items");
  Writer.WriteValue(vaCollection);
  WriteEntryStart(Writer, L"TJvBaseDataItem");
  AProperties(Writer);
  Writer.WriteListEnd();
  Writer.WriteListEnd();
}

TJvBaseDataItems* ListOf(const TInterfaceRef<IJvDataProvider>& Provider) {
  return static_cast<TJvBaseDataItems*>(Provider->GetItems()->GetImplementer());
}

}  // namespace

TEST(DataItemsTest, ItemsWithSubItemsAndExtensionsStreamBackWhole) {
  const auto original = TTestProvider::Create(Tree);
  auto* a1 = static_cast<TJvBaseDataItem*>(TTestProvider::Of(original)->Find(L"A1")->GetImplementer());
  auto* image = static_cast<TJvDataItemImageImpl*>(CreateExtension(TJvDataItemImageImpl::StaticClass(), a1));
  image->SetImageIndex(4);
  image->SetAlignment(taCenter);
  TMemoryStream stream;
  WriteList(original->GetItems(), stream);

  const auto copy = TTestProvider::Create();
  ReadList(stream, copy->GetItems());
  EXPECT_EQ(L"A(A)[A1(A1)[A1a(A1a)]A2(A2)]B(B)[B1(B1)]", Outline(copy->GetItems()));
  const auto copiedImage = Supports<IJvDataItemImage>(TTestProvider::Of(copy)->Find(L"A1"), IID_IJvDataItemImage);
  ASSERT_TRUE(copiedImage);
  EXPECT_EQ(4, copiedImage->GetImageIndex());
  EXPECT_EQ(taCenter, copiedImage->GetAlignment());
  EXPECT_EQ(L"A1a", IDOf(TTestProvider::Of(copy)->Find(L"A1a")));
}

TEST(DataItemsTest, ItemsOfUnregisteredClassesAreLeftOut) {
  const auto original = TTestProvider::Create();
  TTestProvider::Of(original)->AddItem(L"F", L"", TFixedItem::StaticClass());
  TMemoryStream stream;
  WriteList(original->GetItems(), stream);
  const auto copy = TTestProvider::Create();
  ReadList(stream, copy->GetItems());
  EXPECT_EQ(0, copy->GetItems()->GetCount());
}

TEST(DataItemsTest, ADamagedStreamRaisesAndLeavesTheListAsItWas) {
  const auto original = TTestProvider::Create(Tree);
  TMemoryStream stream;
  WriteList(original->GetItems(), stream);
  const std::string bytes(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
  const struct {
    std::string From, To;
  } damages[] = {
      {"TJvBaseDataItem", "TJvBaseDataItex"},  // a class nobody registered
      {"TJvBaseDataItem", "TJvDataConsumer"},  // a class of the wrong kind
      {"ClassName", "ClassNamf"},
  };
  for (const auto& damage : damages) {
    SCOPED_TRACE(damage.To);
    std::string damaged = bytes;
    const size_t at = damaged.rfind(damage.From);
    ASSERT_NE(std::string::npos, at);
    damaged.replace(at, damage.From.size(), damage.To.substr(0, damage.From.size()));
    TMemoryStream input;
    input.WriteBuffer(damaged.data(), static_cast<int64_t>(damaged.size()));
    input.SetPosition(0);
    const auto copy = TTestProvider::Create({{L"Kept", L""}});
    EXPECT_THROW(ReadList(input, copy->GetItems()), EFilerError);
    EXPECT_EQ(L"Kept(Kept)", Outline(copy->GetItems()));
  }
  TMemoryStream truncated;
  truncated.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size() / 2));
  truncated.SetPosition(0);
  const auto copy = TTestProvider::Create({{L"Kept", L""}});
  EXPECT_THROW(ReadList(truncated, copy->GetItems()), Exception);
  EXPECT_EQ(L"Kept(Kept)", Outline(copy->GetItems()));
}

// Items nested ADepth deep, each the only sub-item of the one before.
void WriteNestedItems(TWriter& Writer, int ADepth) {
  for (int i = 0; i < ADepth; ++i) {
    Writer.WriteStr(L"Items");
    Writer.WriteValue(vaCollection);
    WriteEntryStart(Writer, L"TJvBaseDataItem");
    Writer.WriteStr(L"SubItems");
    Writer.WriteValue(vaCollection);
    WriteEntryStart(Writer, L"TJvDataItemsList");
  }
  // The sub-list's entry, the SubItems collection, the item's entry and
  // the Items collection of each level.
  for (int i = 0; i < ADepth * 4; ++i) Writer.WriteListEnd();
}

TEST(DataItemsTest, SubItemsNestedBeyondAnyTreeAreADamagedStream) {
  for (const int depth : {50, 3000}) {
    SCOPED_TRACE(depth);
    const auto copy = TTestProvider::Create({{L"Kept", L""}});
    TMemoryStream stream;
    HandMadeList(stream, [&](TWriter& writer) { WriteNestedItems(writer, depth); });
    if (depth == 50) {
      ReadList(stream, copy->GetItems());
      int levels = 0;
      for (IJvDataItems* items = copy->GetItems(); items && items->GetCount() > 0; ++levels)
        items = SubItemsOf(items->GetItem(items->GetCount() - 1));
      EXPECT_EQ(depth, levels);
    } else {
      EXPECT_THROW(ReadList(stream, copy->GetItems()), EReadError);
      EXPECT_EQ(L"Kept(Kept)", Outline(copy->GetItems()));
    }
  }
}

// A streamed extension names its class; one made for another kind of owner
// (the consumer's item selection on an item, an item's text on a list, a
// list's renderer on an item) is refused before it is used.
TEST(DataItemsTest, AnExtensionForAnotherKindOfOwnerIsADamagedStream) {
  const struct {
    const char* Name;
    std::function<void(TWriter&)> Properties;
  } cases[] = {
      {"item selection on the list",
       [](TWriter& w) { WriteExtension(w, L"TJvDataConsumerItemSelect", L"Kept"); }},
      {"item selection on an item",
       [](TWriter& w) { WriteOneItem(w, [](TWriter& w) { WriteExtension(w, L"TJvDataConsumerItemSelect", L"Kept"); }); }},
      {"item text on the list", [](TWriter& w) { WriteExtension(w, L"TJvDataItemTextImpl"); }},
      {"list renderer on an item",
       [](TWriter& w) { WriteOneItem(w, [](TWriter& w) { WriteExtension(w, L"TJvCustomDataItemsTextRenderer"); }); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const auto copy = TTestProvider::Create({{L"Kept", L""}});
    const int extensions = ListOf(copy)->ExtensionCount();
    TMemoryStream stream;
    HandMadeList(stream, c.Properties);
    EXPECT_THROW(ReadList(stream, copy->GetItems()), EReadError);
    EXPECT_EQ(L"Kept(Kept)", Outline(copy->GetItems()));
    EXPECT_EQ(extensions, ListOf(copy)->ExtensionCount());
  }
}

// Items stored and extensions attached before the error leave again.
TEST(DataItemsTest, ALoadThatFailsTakesBackWhatItAdded) {
  const auto original = TTestProvider::Create(Tree);
  TMemoryStream written;
  WriteList(original->GetItems(), written);
  const auto* bytes = static_cast<const char*>(written.Memory());
  const std::string whole(bytes, bytes + written.Size());

  const struct {
    const char* Name;
    std::function<void(TMemoryStream&)> Write;
  } cases[] = {
      {"a list cut by its last byte",
       [&](TMemoryStream& s) { s.WriteBuffer(whole.data(), static_cast<int64_t>(whole.size()) - 1); }},
      {"an extension, then a property the list has not", [](TMemoryStream& s) {
         HandMadeList(s, [](TWriter& w) {
           WriteExtension(w, L"TJvCustomDataItemsTextRenderer");
           w.WriteStr(L"NoSuchProperty");
           w.WriteInteger(1);
         });
       }},
      {"an item with an extension, then a damaged item", [](TMemoryStream& s) {
         HandMadeList(s, [](TWriter& w) {
           w.WriteStr(L"Items");
           w.WriteValue(vaCollection);
           WriteEntryStart(w, L"TJvBaseDataItem");
           WriteExtension(w, L"TJvDataItemTextImpl");
           w.WriteListEnd();
           WriteEntryStart(w, L"TJvBaseDataItem");
           w.WriteStr(L"ID");
           w.WriteInteger(5);
         });
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const auto copy = TTestProvider::Create(Tree);
    const String before = Outline(copy->GetItems());
    const int extensions = ListOf(copy)->ExtensionCount();
    TMemoryStream stream;
    c.Write(stream);
    stream.SetPosition(0);
    EXPECT_THROW(ReadList(stream, copy->GetItems()), EReadError);
    EXPECT_EQ(before, Outline(copy->GetItems()));
    EXPECT_EQ(extensions, ListOf(copy)->ExtensionCount());
  }
}

TEST(DataItemsTest, StreamedItemClassesAreFoundWithTheControls) {
  for (TClass item : {TJvBaseDataItem::StaticClass(), TJvDataItemsList::StaticClass()})
    EXPECT_EQ(TControl::StaticClass(), ClassGroupOf(item)) << item->Name;
  EXPECT_EQ(TJvBaseDataItem::StaticClass(), GetClass(L"TJvBaseDataItem"));
}
