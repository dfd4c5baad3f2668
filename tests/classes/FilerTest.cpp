#include <gtest/gtest.h>

#include <algorithm>

#include "Sample.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/Streams.h"

namespace {
// A root that streams the components it owns as its children.
class TSampleRoot : public TComponent {
  VCL_COMPONENT_CLASS(TSampleRoot, TComponent)
public:
  using TComponent::TComponent;
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override {
    for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
  }
};

class FilerTest : public ::testing::Test {
protected:
  void SetUp() override { RegisterClasses({TSampleRoot::StaticClass(), TSample::StaticClass()}); }
  void TearDown() override {
    UnRegisterClass(TSampleRoot::StaticClass());
    UnRegisterClass(TSample::StaticClass());
  }
};

void Fill(TSample& s, TComponent* link) {
  s.SetText(L"ação 1");
  s.Count = -70000;
  s.Big = 1LL << 40;
  s.Ratio = 0.1;
  s.When = EncodeDateTime(2024, 3, 5, 10, 30, 0, 0);
  s.Enabled = false;
  s.Shade = shDark;
  s.SetLink(link);
  s.Pen()->Width = 3;
  s.Pen()->Style = L"dash";
  static_cast<TSampleItem*>(s.Items()->Add())->Caption = L"first";
  static_cast<TSampleItem*>(s.Items()->Add())->Caption = String(300, L'x');
  s.Secret = L"s3cr3t";
  s.Blob = {0, 1, 2, 255};
}

void ExpectSame(const TSample& a, const TSample& b) {
  EXPECT_EQ(a.Text(), b.Text());
  EXPECT_EQ(a.Count, b.Count);
  EXPECT_EQ(a.Big, b.Big);
  EXPECT_EQ(a.Ratio, b.Ratio);
  EXPECT_EQ(a.When, b.When);
  EXPECT_EQ(a.Enabled, b.Enabled);
  EXPECT_EQ(a.Shade, b.Shade);
  EXPECT_EQ(a.Pen()->Width, b.Pen()->Width);
  EXPECT_EQ(a.Pen()->Style, b.Pen()->Style);
  ASSERT_EQ(a.Items()->Count(), b.Items()->Count());
  for (int i = 0; i < a.Items()->Count(); ++i)
    EXPECT_EQ(static_cast<TSampleItem*>(a.Items()->Items(i))->Caption,
              static_cast<TSampleItem*>(b.Items()->Items(i))->Caption);
  EXPECT_EQ(a.Secret, b.Secret);
  EXPECT_EQ(a.Blob, b.Blob);
}
}  // namespace

TEST_F(FilerTest, ComponentTreeRoundTrip) {
  TSampleRoot original(nullptr);
  original.SetName(L"Root1");
  auto* sample = new TSample(&original);
  sample->SetName(L"Sample1");
  Fill(*sample, nullptr);
  auto* second = new TSample(&original);
  second->SetName(L"Sample2");
  sample->SetLink(second);  // a reference to a component read after it

  TMemoryStream stream;
  TWriter(&stream).WriteRootComponent(&original);
  stream.SetPosition(0);
  TComponent* read = TReader(&stream).ReadRootComponent(nullptr);
  std::unique_ptr<TComponent> owner(read);
  EXPECT_EQ(stream.Position(), stream.Size());
  ASSERT_EQ(read->ClassName(), L"TSampleRoot");
  EXPECT_EQ(read->Name(), L"Root1");
  ASSERT_EQ(read->ComponentCount(), 2);
  auto* copy = dynamic_cast<TSample*>(read->FindComponent(L"Sample1"));
  ASSERT_NE(copy, nullptr);
  ExpectSame(*sample, *copy);
  EXPECT_EQ(copy->Link(), read->FindComponent(L"Sample2"));
  EXPECT_TRUE(copy->WasLoaded);
  EXPECT_FALSE(copy->ComponentState().Contains(csLoading));
}

namespace {
// An interface that components stand for, and a component with a property
// of that interface.
inline constexpr GUID IID_ISampleService{0x6D3B2A11, 0x5C1E, 0x4F0A, {0x9E, 0x41, 0x27, 0x8A, 0x0C, 0x55, 0x13, 0xD2}};
struct ISampleService : IInterface {
  virtual TComponent* Server() = 0;
};
const TTypeInfo SampleServiceTypeInfo = InterfaceTypeInfo(L"ISampleService", IID_ISampleService);

// Stands for a service object of its own, which names the component
// NamedAs (the server itself unless a test says otherwise).
class TServer : public TComponent {
  VCL_COMPONENT_CLASS(TServer, TComponent)
public:
  explicit TServer(TComponent* AOwner) : TComponent(AOwner), FService(this) {}
  bool GetInterface(REFIID IID, void** Obj) override { return FService.QueryInterface(IID, Obj) == S_OK; }
  ISampleService* Service() { return &FService; }
  TComponent* NamedAs = this;

private:
  struct TService : ISampleService, IInterfaceComponentReference {
    explicit TService(TServer* AServer) : FServer(AServer) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
      if (IID == IID_IUnknown || IID == IID_ISampleService)
        *Obj = static_cast<ISampleService*>(this);
      else if (IID == IID_IInterfaceComponentReference)
        *Obj = static_cast<IInterfaceComponentReference*>(this);
      else
        *Obj = nullptr;
      return *Obj ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }  // lives as long as its server
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    TComponent* Server() override { return FServer; }
    TComponent* GetComponent() override { return FServer->NamedAs; }
    TServer* FServer;
  } FService;
};

class TClient : public TComponent {
  VCL_COMPONENT_CLASS(TClient, TComponent)
  VCL_PUBLISHED(TClient)
public:
  using TComponent::TComponent;
  ISampleService* Service() const { return FService.Get(); }
  void SetService(ISampleService* Value) { FService = Value; }

private:
  TInterfaceRef<ISampleService> FService;
};

const TPropTable* TClient::PublishedTable(TPublishedTag<TClient>) {
  static const TPropTable table =
      TPublished<TClient>().Property(L"Service", &TClient::Service, &TClient::SetService, &SampleServiceTypeInfo).Build();
  return &table;
}
}  // namespace

// An interface property is written as the name of the component that
// stands for the interface, and read back from that component.
TEST_F(FilerTest, InterfacePropertiesNameTheirComponents) {
  RegisterClasses({TServer::StaticClass(), TClient::StaticClass()});
  auto readBack = [](TSampleRoot& Original) {
    TMemoryStream stream;
    TWriter(&stream).WriteRootComponent(&Original);
    stream.SetPosition(0);
    auto root = std::make_unique<TSampleRoot>(nullptr);
    TReader(&stream).ReadRootComponent(root.get());
    return root;
  };
  TSampleRoot original(nullptr);
  original.SetName(L"Root1");
  auto* withService = new TClient(&original);  // read before its server
  withService->SetName(L"Client1");
  auto* without = new TClient(&original);
  without->SetName(L"Client2");
  auto* server = new TServer(&original);
  server->SetName(L"Server1");
  withService->SetService(server->Service());

  const auto read = readBack(original);
  auto* readServer = dynamic_cast<TServer*>(read->FindComponent(L"Server1"));
  ASSERT_NE(nullptr, readServer);
  EXPECT_EQ(readServer->Service(), dynamic_cast<TClient*>(read->FindComponent(L"Client1"))->Service());
  EXPECT_EQ(nullptr, dynamic_cast<TClient*>(read->FindComponent(L"Client2"))->Service());

  // A name that leads to a component without the interface.
  auto* sample = new TSample(&original);
  sample->SetName(L"Sample1");
  server->NamedAs = sample;
  try {
    readBack(original);
    ADD_FAILURE() << "Sample1 is no service";
  } catch (const EReadError& e) {
    EXPECT_EQ(L"Invalid property value: Sample1 does not offer ISampleService", e.Message());
  }
  // An interface no component stands for is not written.
  server->NamedAs = nullptr;
  EXPECT_EQ(nullptr, dynamic_cast<TClient*>(readBack(original)->FindComponent(L"Client1"))->Service());
  UnRegisterClass(TServer::StaticClass());
  UnRegisterClass(TClient::StaticClass());
}

// A property whose stored predicate answers false is left out of the
// stream, so reading keeps the value the object already has.
TEST_F(FilerTest, UnstoredPropertyIsNotWritten) {
  auto streamed = [](int ACount) {
    TSampleRoot root(nullptr);
    (new TSample(&root))->Count = ACount;
    TMemoryStream stream;
    TWriter(&stream).WriteRootComponent(&root);
    const auto* bytes = static_cast<const char*>(stream.Memory());
    return std::string(bytes, bytes + stream.Size());
  };
  EXPECT_NE(streamed(5).find("Count"), std::string::npos);
  EXPECT_EQ(streamed(0).find("Count"), std::string::npos);
}

TEST_F(FilerTest, ValueEncodings) {
  TMemoryStream stream;
  TWriter writer(&stream);
  for (int64_t v : {int64_t{127}, int64_t{128}, int64_t{-32768}, int64_t{32768}, int64_t{2147483648LL}})
    writer.WriteInteger(v);
  writer.WriteString(String(255, L'a'));
  writer.WriteString(String(256, L'a'));
  writer.WriteString(L"ação");
  writer.WriteString(L"план");
  writer.WriteIdent(L"nil");
  writer.WriteFloat(1.5);
  writer.WriteCurrency(Currency::FromScaled(12345));
  const std::vector<int> expectedTags = {2, 3, 3, 4, 19, 6, 12, 20, 18, 13, 5, 16};
  std::vector<int> tags;
  stream.SetPosition(0);
  TReader reader(&stream);
  while (stream.Position() < stream.Size()) {
    tags.push_back(static_cast<int>(reader.NextValue()));
    reader.SkipValue();
  }
  EXPECT_EQ(tags, expectedTags);

  stream.SetPosition(0);
  EXPECT_EQ(reader.ReadInteger(), 127);
  EXPECT_EQ(reader.ReadInteger(), 128);
  EXPECT_EQ(reader.ReadInteger(), -32768);
  EXPECT_EQ(reader.ReadInteger(), 32768);
  EXPECT_EQ(reader.ReadInteger(), 2147483648LL);
  EXPECT_EQ(reader.ReadString(), String(255, L'a'));
  EXPECT_EQ(reader.ReadString(), String(256, L'a'));
  EXPECT_EQ(reader.ReadString(), L"ação");
  EXPECT_EQ(reader.ReadString(), L"план");
  EXPECT_EQ(reader.ReadIdent(), L"nil");
  EXPECT_EQ(reader.ReadFloat(), 1.5);
  EXPECT_EQ(reader.ReadCurrency(), Currency::FromScaled(12345));
}

// Components nested Depth deep under the root, each child of the one before.
std::string NestedComponents(int Depth) {
  auto header = [](const std::string& className) {
    return static_cast<char>(className.size()) + className + '\0' + '\0';  // no name, no properties
  };
  std::string stream = "TPF0" + header("TSampleRoot");
  for (int i = 0; i < Depth; ++i) stream += header("TSample");
  return stream + std::string(Depth + 1, '\0');
}

int ComponentsRead(const std::string& Data) {
  TMemoryStream stream;
  stream.WriteBuffer(Data.data(), static_cast<int64_t>(Data.size()));
  stream.SetPosition(0);
  TSampleRoot root(nullptr);
  TReader(&stream).ReadRootComponent(&root);
  return root.ComponentCount();
}

TEST_F(FilerTest, NestingBeyondAnyFormIsADamagedStream) {
  EXPECT_EQ(ComponentsRead(NestedComponents(50)), 50);
  EXPECT_THROW(ComponentsRead(NestedComponents(10000)), EReadError);

  TMemoryStream lists;
  const std::string nested = std::string(10000, static_cast<char>(vaList)) + std::string(10000, '\0');
  lists.WriteBuffer(nested.data(), static_cast<int64_t>(nested.size()));
  lists.SetPosition(0);
  EXPECT_THROW(TReader(&lists).SkipValue(), EReadError);
}

TEST_F(FilerTest, DamagedStreamsRaiseReadErrors) {
  TSampleRoot original(nullptr);
  auto* sample = new TSample(&original);
  sample->SetName(L"Sample1");
  Fill(*sample, nullptr);
  TMemoryStream stream;
  TWriter(&stream).WriteRootComponent(&original);
  const auto* bytes = static_cast<const uint8_t*>(stream.Memory());
  const std::vector<uint8_t> good(bytes, bytes + stream.Size());

  auto readOf = [](const std::vector<uint8_t>& data) {
    TMemoryStream damaged;
    damaged.WriteBuffer(data.data(), static_cast<int64_t>(data.size()));
    damaged.SetPosition(0);
    TSampleRoot root(nullptr);
    TReader(&damaged).ReadRootComponent(&root);
    return root.ComponentCount();
  };
  EXPECT_EQ(readOf(good), 1);
  for (size_t cut : {size_t{3}, good.size() / 2, good.size() - 1}) {
    EXPECT_THROW(readOf(std::vector<uint8_t>(good.begin(), good.begin() + cut)), EReadError) << cut;
  }
  // A huge length must not be trusted.
  std::vector<uint8_t> hugeLength = good;
  const std::string marker = "Blob";
  auto blob = std::search(hugeLength.begin(), hugeLength.end(), marker.begin(), marker.end());
  ASSERT_NE(blob, hugeLength.end());
  blob[5] = 0xFF, blob[6] = 0xFF, blob[7] = 0xFF, blob[8] = 0x7F;  // after the vaBinary tag
  EXPECT_THROW(readOf(hugeLength), EReadError);
  // A property the class does not know; a class nobody registered.
  std::vector<uint8_t> unknown = good;
  const std::string count = "Count";
  auto prop = std::search(unknown.begin(), unknown.end(), count.begin(), count.end());
  ASSERT_NE(prop, unknown.end());
  prop[0] = 'M';
  EXPECT_THROW(readOf(unknown), EReadError);
  std::vector<uint8_t> unregistered = good;
  const std::string sampleClass = "TSample";
  auto cls = std::search(unregistered.begin() + 4 + 12, unregistered.end(), sampleClass.begin(), sampleClass.end());
  ASSERT_NE(cls, unregistered.end());
  cls[1] = 'X';
  EXPECT_THROW(readOf(unregistered), EClassNotFound);
}

namespace {

// The bytes of a root TSample named Root whose properties AProperties
// writes, with no children.
TMemoryStream* SampleRootStream(TMemoryStream& Stream, const std::function<void(TWriter&)>& AProperties,
                                const std::function<void(TWriter&)>& AChildren = {}) {
  TWriter writer(&Stream);
  Stream.WriteBuffer("TPF0", 4);
  writer.WriteStr(L"TSample");
  writer.WriteStr(L"Root");
  AProperties(writer);
  writer.WriteListEnd();
  if (AChildren) AChildren(writer);
  writer.WriteListEnd();
  Stream.SetPosition(0);
  return &Stream;
}

}  // namespace

// The first copy of a collection read twice refers to a component; its
// items are gone once the second copy is read, and so are their references.
TEST_F(FilerTest, ReferencesOfItemsReplacedDuringTheReadAreDropped) {
  TSample source(nullptr);
  source.SetName(L"Root");
  static_cast<TSampleItem*>(source.Items()->Add())->SetLink(&source);
  static_cast<TSampleItem*>(source.Items()->Add())->SetLink(&source);
  TMemoryStream stream;
  SampleRootStream(stream, [&](TWriter& writer) {
    writer.WriteStr(L"Items");
    writer.WriteCollection(source.Items());
    writer.WriteStr(L"Items");
    writer.WriteValue(vaCollection);
    writer.WriteListBegin();
    writer.WriteStr(L"Caption");
    writer.WriteString(L"second");
    writer.WriteListEnd();
    writer.WriteListEnd();
  });

  TSampleItem::CallsOnFreedItems = 0;
  TSample root(nullptr);
  TReader(&stream).ReadRootComponent(&root);
  EXPECT_EQ(0, TSampleItem::CallsOnFreedItems);
  ASSERT_EQ(1, root.Items()->Count());
  const auto* item = static_cast<TSampleItem*>(root.Items()->Items(0));
  EXPECT_EQ(L"second", item->Caption);
  EXPECT_EQ(nullptr, item->Link());
}

// Whatever a failing read had changed by then, the root has again: its
// name, its values, its items with their IDs, and no children.
TEST_F(FilerTest, AReadThatFailsLeavesTheRootAsItWas) {
  auto properties = [](TWriter& writer) {
    writer.WriteStr(L"Text");
    writer.WriteString(L"changed");
    writer.WriteStr(L"Count");
    writer.WriteInteger(9);
    writer.WriteStr(L"Pen.Width");
    writer.WriteInteger(7);
    writer.WriteStr(L"Link");
    writer.WriteIdent(L"Child");
    writer.WriteStr(L"Items");
    writer.WriteValue(vaCollection);
    writer.WriteListBegin();
    writer.WriteStr(L"Caption");
    writer.WriteString(L"new");
    writer.WriteListEnd();
    writer.WriteListEnd();
  };
  auto child = [](const wchar_t* AClassName) {
    return [AClassName](TWriter& writer) {
      writer.WriteStr(AClassName);
      writer.WriteStr(L"Child");
      writer.WriteListEnd();
      writer.WriteListEnd();
    };
  };
  struct Case {
    const char* Name;
    std::function<void(TWriter&)> Children;
  } cases[] = {
      {"a child of no registered class", child(L"TNoSuchClass")},
      {"a child cut short", [](TWriter& writer) { writer.WriteStr(L"TSample"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TSample root(nullptr);
    root.SetName(L"Before");
    Fill(root, nullptr);
    auto* kept = static_cast<TSampleItem*>(root.Items()->Items(1));
    const int keptID = kept->ID();
    TSample expected(nullptr);
    Fill(expected, nullptr);

    TMemoryStream stream;
    SampleRootStream(stream, properties, c.Children);
    EXPECT_THROW(TReader(&stream).ReadRootComponent(&root), EFilerError);
    EXPECT_EQ(L"Before", root.Name());
    ExpectSame(expected, root);
    EXPECT_EQ(nullptr, root.Link());
    EXPECT_EQ(0, root.ComponentCount());
    EXPECT_EQ(kept, root.Items()->Items(1));
    EXPECT_EQ(keptID, kept->ID());
    EXPECT_EQ(root.Items(), kept->Collection());
    EXPECT_FALSE(root.ComponentState().Contains(csLoading));
  }
  // The same stream with a good child reads whole.
  TSample root(nullptr);
  Fill(root, nullptr);
  TMemoryStream stream;
  SampleRootStream(stream, properties, child(L"TSample"));
  TReader(&stream).ReadRootComponent(&root);
  EXPECT_EQ(L"changed", root.Text());
  ASSERT_EQ(1, root.Items()->Count());
  EXPECT_EQ(root.FindComponent(L"Child"), root.Link());
}

namespace {
// A component with one variant property, streamed unless it is Unassigned.
class TVariantHolder : public TComponent {
  VCL_COMPONENT_CLASS(TVariantHolder, TComponent)
  VCL_PUBLISHED(TVariantHolder)
public:
  using TComponent::TComponent;
  const Variant& Value() const { return FValue; }
  void SetValue(const Variant& V) { FValue = V; }

private:
  Variant FValue;
};

const TPropTable* TVariantHolder::PublishedTable(TPublishedTag<TVariantHolder>) {
  using T = TVariantHolder;
  static const TPropTable table = TPublished<T>()
                                      .Property(L"Value", &T::Value, &T::SetValue)
                                      .Stored([](const T& H) { return !H.Value().IsEmpty(); })
                                      .Build();
  return &table;
}
}  // namespace

// A variant comes back with its value and, where the stream can tell,
// its type: Null stays Null rather than becoming Unassigned or an empty
// text, a Boolean stays Boolean rather than becoming a number.
TEST_F(FilerTest, VariantPropertiesRoundTrip) {
  struct TCase {
    Variant Value;
    TVarType Type;
  };
  const TCase cases[] = {
      {Null(), varNull},
      {Variant(true), varBoolean},
      {Variant(false), varBoolean},
      {Variant(30), varInteger},
      {Variant(-70000), varInteger},
      {Variant(5LL), varInt64},
      {Variant(1LL << 40), varInt64},
      {Variant(2.5), varDouble},
      {Variant(Currency::FromScaled(12345)), varCurrency},
      {VarFromDateTime(EncodeDateTime(2024, 3, 5, 10, 30, 0, 0)), varDate},
      {Variant(L"ação"), varUString},
      {Variant(L""), varUString},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(VarTypeAsText(c.Type));
    TVariantHolder original(nullptr);
    original.SetValue(c.Value);
    TMemoryStream stream;
    TWriter(&stream).WriteRootComponent(&original);
    stream.SetPosition(0);
    TVariantHolder read(nullptr);
    TReader(&stream).ReadRootComponent(&read);
    EXPECT_EQ(VarType(read.Value()), c.Type);
    if (!c.Value.IsNull()) EXPECT_TRUE(read.Value() == c.Value);
    // The property can be read and set by name like any other.
    EXPECT_EQ(PropType(&read, L"Value"), tkVariant);
    EXPECT_EQ(VarType(GetPropValue(&read, L"Value")), c.Type);
  }
  // An Unassigned value is not stored; an array has no stream form.
  TVariantHolder empty(nullptr);
  TMemoryStream emptyStream;
  TWriter(&emptyStream).WriteRootComponent(&empty);
  EXPECT_EQ(std::string(static_cast<const char*>(emptyStream.Memory()), emptyStream.Size()).find("Value"),
            std::string::npos);
  TVariantHolder array(nullptr);
  array.SetValue(VarArrayCreate({0, 1}, varInteger));
  TMemoryStream arrayStream;
  EXPECT_THROW(TWriter(&arrayStream).WriteRootComponent(&array), EWriteError);
}

namespace {
// A component whose collection sits inside a nested object.
class TListHolder : public TPersistent {
  VCL_CLASS(TListHolder, TPersistent)
  VCL_PUBLISHED(TListHolder)
public:
  TListHolder() : FItems(std::make_unique<TCollection>(TSampleItem::StaticClass())) {}
  TCollection* Items() const { return FItems.get(); }

private:
  std::unique_ptr<TCollection> FItems;
};

const TPropTable* TListHolder::PublishedTable(TPublishedTag<TListHolder>) {
  static const TPropTable table = TPublished<TListHolder>().Property(L"Items", &TListHolder::Items).Build();
  return &table;
}

class TNestedListOwner : public TComponent {
  VCL_COMPONENT_CLASS(TNestedListOwner, TComponent)
  VCL_PUBLISHED(TNestedListOwner)
public:
  using TComponent::TComponent;
  TListHolder* Holder() const { return FHolder.get(); }

private:
  std::unique_ptr<TListHolder> FHolder = std::make_unique<TListHolder>();
};

const TPropTable* TNestedListOwner::PublishedTable(TPublishedTag<TNestedListOwner>) {
  static const TPropTable table =
      TPublished<TNestedListOwner>().Property(L"Holder", &TNestedListOwner::Holder).Build();
  return &table;
}
}  // namespace

// The items of a collection inside a nested object ("Holder.Items") are
// written under their own names and read back into the items.
TEST_F(FilerTest, ACollectionInsideANestedObjectRoundTrips) {
  TNestedListOwner original(nullptr);
  for (const wchar_t* caption : {L"um", L"dois"})
    static_cast<TSampleItem*>(original.Holder()->Items()->Add())->Caption = caption;
  TMemoryStream stream;
  TWriter(&stream).WriteRootComponent(&original);
  stream.SetPosition(0);
  TNestedListOwner read(nullptr);
  TReader(&stream).ReadRootComponent(&read);
  ASSERT_EQ(read.Holder()->Items()->Count(), 2);
  EXPECT_EQ(static_cast<TSampleItem*>(read.Holder()->Items()->Items(0))->Caption, L"um");
  EXPECT_EQ(static_cast<TSampleItem*>(read.Holder()->Items()->Items(1))->Caption, L"dois");
}
