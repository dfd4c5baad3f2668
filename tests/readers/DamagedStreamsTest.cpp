// Every cut and a fixed number of seeded mutations of a valid stream of each
// kind the system reads: a skin, a tagged value, a data-provider item list
// and a component tree. Each load either succeeds or raises the reader's own
// error and leaves what it loads into as it was; none crashes, and none
// takes more than 64 MB.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "components/controls/cxDataStorage.h"
#include "components/controls/cxVariants.h"
#include "components/lookandfeel/dxSkinsCore.h"
#include "tests/classes/Sample.h"
#include "tests/codelib/TestProvider.h"
#include "tests/lookandfeel/SkinFixtures.h"
#include "tests/support/ProcessMemory.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/FMTBcd.h"

namespace {

using TBytes = std::vector<uint8_t>;

TBytes BytesOf(TMemoryStream& AStream) {
  const auto* data = static_cast<const uint8_t*>(AStream.Memory());
  return TBytes(data, data + AStream.Size());
}

// What a reader loads into, made afresh for every load.
class TTarget {
public:
  virtual ~TTarget() = default;
  // What the target holds, written out, to tell whether a load changed it.
  virtual TBytes Content() = 0;
  virtual void Load(TStream* AStream) = 0;
  // Whether E is what this reader raises for a damaged stream.
  virtual bool IsReadersError(const Exception& E) const = 0;
};

struct TStreamKind {
  const char* Name;
  TBytes Valid;
  std::function<std::unique_ptr<TTarget>()> NewTarget;
};

// ---------------------------------------------------------------- skins

class TSkinTarget : public TTarget {
public:
  TSkinTarget() {
    FSkin.AddColor(L"Kept", clRed);
    FSkin.AddGroup(L"Kept")->AddPropertyInteger(L"Kept", 1);
  }
  TBytes Content() override {
    TMemoryStream stream;
    FSkin.SaveToStream(&stream);
    return BytesOf(stream);
  }
  void Load(TStream* AStream) override { FSkin.LoadFromStream(AStream); }
  // The skin's own error, or the stream's for one that ends early.
  bool IsReadersError(const Exception& E) const override {
    return dynamic_cast<const EdxException*>(&E) || dynamic_cast<const EReadError*>(&E);
  }

private:
  TdxSkin FSkin{L"Target"};
};

TBytes ValidSkin() {
  TdxSkin skin(L"Valid");
  skin.Details()->GetIcon(sis16)->Assign(SolidImage(2, 2, 0xFF112233).get());
  skin.Details()->GetIcon(sis48)->Assign(SolidImage(3, 3, 0xFF445566).get());
  skin.AddColor(L"Window", clWhite);
  skin.AddPropertyBool(L"Bool", true);
  TdxSkinControlGroup* group = skin.AddGroup(L"Button");
  group->AddPropertyInteger(L"Int", 7);
  TdxSkinElement* element = group->AddElement(L"Face");
  element->SetColor(clRed);
  element->Borders()->Left()->SetColor(clGreen);
  element->Image()->Texture()->Assign(SolidImage(4, 2, 0xFF00FF00).get());
  element->Image()->SetImageCount(2);
  TMemoryStream stream;
  skin.SaveToStream(&stream);
  return BytesOf(stream);
}

// ---------------------------------------------------------------- values

// A value slot, loaded through its type.
class TValueTarget : public TTarget {
public:
  TValueTarget() : FSlot(static_cast<size_t>(FType->DataSize())) {
    FType->StoreValue(FSlot.data(), VarArrayOf({1, L"kept"}));
  }
  ~TValueTarget() override { FType->DisposeBuffer(FSlot.data()); }
  TBytes Content() override {
    TMemoryStream memory;
    TcxDataStream stream(&memory, false);
    FType->WriteValueToStream(FType->PrepareValueBuffer(FSlot.data()), &stream);
    return BytesOf(memory);
  }
  void Load(TStream* AStream) override {
    TcxDataStream stream(AStream, false);
    FType->ReadValueFromStream(FSlot.data(), &stream);
  }
  bool IsReadersError(const Exception& E) const override { return dynamic_cast<const EReadError*>(&E); }

private:
  TcxValueTypeClass FType = cxValueTypeClass<TcxVariantValueType>();
  TBytes FSlot;
};

TBytes ValidValue() {
  const Variant value = VarArrayOf({
      Null(), Unassigned(), Variant(-5), Variant(300), Variant(70000), Variant(5000000000LL), Variant(0.25),
      VarAsType(Variant(1.5), varSingle), Variant(Currency::FromScaled(12345)),
      VarFromDateTime(EncodeDate(2024, 2, 29)), VarAsType(Variant(L"ansi"), varString), Variant(String(300, L'x')),
      VarAsType(Variant(L"wide \u4E2D"), varOleStr), Variant(true), Variant(false),
      VarArrayOf({1, VarArrayOf({L"nested"})}), VarFMTBcdCreate(StrToBcd(L"12.5")),
      Variant(18446744073709551615ULL)});
  TMemoryStream stream;
  cxWriteVariantToStream(&stream, value);
  return BytesOf(stream);
}

// ---------------------------------------------------------------- item lists

TJvBaseDataItems* ListOf(const TInterfaceRef<IJvDataProvider>& AProvider) {
  return static_cast<TJvBaseDataItems*>(AProvider->GetItems()->GetImplementer());
}

TBytes WrittenList(TJvBaseDataItems* AList) {
  TMemoryStream stream;
  TWriter writer(&stream);
  writer.WriteProperties(AList);
  writer.WriteListEnd();
  return BytesOf(stream);
}

class TItemsTarget : public TTarget {
public:
  TBytes Content() override { return WrittenList(ListOf(FProvider)); }
  void Load(TStream* AStream) override { TReader(AStream).ReadPropertyList(ListOf(FProvider)); }
  bool IsReadersError(const Exception& E) const override { return dynamic_cast<const EFilerError*>(&E); }

private:
  TInterfaceRef<IJvDataProvider> FProvider = TTestProvider::Create({{L"Kept", L""}, {L"Sub", L"Kept"}});
};

TBytes ValidItems() {
  const auto provider = TTestProvider::Create({{L"A", L""}, {L"A1", L"A"}, {L"A1a", L"A1"}, {L"B", L""}});
  auto* item = static_cast<TJvBaseDataItem*>(TTestProvider::Of(provider)->Find(L"A1")->GetImplementer());
  static_cast<TJvDataItemImageImpl*>(CreateExtension(TJvDataItemImageImpl::StaticClass(), item))->SetImageIndex(3);
  return WrittenList(ListOf(provider));
}

// ---------------------------------------------------------------- components

// A root with its properties, items and owned components.
class TComponentTarget : public TTarget {
public:
  TComponentTarget() {
    FRoot.SetName(L"Target");
    FRoot.SetText(L"kept");
    static_cast<TSampleItem*>(FRoot.Items()->Add())->Caption = L"kept";
    (new TSample(&FRoot))->SetName(L"Owned");
  }
  TBytes Content() override {
    TMemoryStream stream;
    TWriter writer(&stream);
    writer.WriteStr(FRoot.Name());
    writer.WriteProperties(&FRoot);
    for (int i = 0; i < FRoot.ComponentCount(); ++i) {
      writer.WriteStr(FRoot.Components(i)->Name());
      writer.WriteProperties(FRoot.Components(i));
    }
    return BytesOf(stream);
  }
  void Load(TStream* AStream) override { TReader(AStream).ReadRootComponent(&FRoot); }
  bool IsReadersError(const Exception& E) const override { return dynamic_cast<const EFilerError*>(&E); }

private:
  TSample FRoot{nullptr};
};

TBytes ValidComponent() {
  TSample root(nullptr);
  root.SetName(L"Root");
  auto* child = new TSample(&root);
  child->SetName(L"Child");
  child->Count = 3;
  root.SetText(L"text");
  root.Ratio = 0.5;
  root.When = EncodeDate(2024, 1, 2);
  root.Shade = shDark;
  root.Pen()->Width = 2;
  root.SetLink(child);
  static_cast<TSampleItem*>(root.Items()->Add())->SetLink(child);
  static_cast<TSampleItem*>(root.Items()->Add())->Caption = L"second";
  root.Secret = L"secret";
  root.Blob = {1, 2, 3};
  TMemoryStream stream;
  TWriter writer(&stream);
  stream.WriteBuffer("TPF0", 4);
  writer.WriteStr(L"TSample");
  writer.WriteStr(L"Root");
  writer.WriteProperties(&root);
  writer.WriteListEnd();
  writer.WriteComponent(child);
  writer.WriteListEnd();
  return BytesOf(stream);
}

// ---------------------------------------------------------------- the loads

// Loads ABytes into a fresh target: a success, or the reader's error with
// the target as it was.
void ExpectSoundLoad(const TStreamKind& AKind, const TBytes& ABytes, int& AFailures) {
  const std::unique_ptr<TTarget> target = AKind.NewTarget();
  const TBytes before = target->Content();
  TMemoryStream stream;
  stream.WriteBuffer(ABytes.data(), static_cast<int64_t>(ABytes.size()));
  stream.SetPosition(0);
  try {
    target->Load(&stream);
  } catch (const Exception& e) {
    ++AFailures;
    EXPECT_TRUE(target->IsReadersError(e)) << e.ClassName() << ": " << ToUtf8(e.Message());
    EXPECT_EQ(before, target->Content()) << "changed by a load that raised " << ToUtf8(e.Message());
  }
}

// Up to three bytes changed: set to a value that often means something to a
// reader (0, 0xFF, a length's top byte, a tag), or to any value.
TBytes Mutated(const TBytes& AValid, std::mt19937& ARandom) {
  static const uint8_t telling[] = {0x00, 0x01, 0x06, 0x0E, 0x12, 0x7F, 0x80, 0xFF};
  TBytes bytes = AValid;
  const int changes = std::uniform_int_distribution<int>(1, 3)(ARandom);
  for (int i = 0; i < changes; ++i) {
    const size_t at = std::uniform_int_distribution<size_t>(0, bytes.size() - 1)(ARandom);
    bytes[at] = ARandom() % 2 ? telling[ARandom() % std::size(telling)] : static_cast<uint8_t>(ARandom());
  }
  return bytes;
}

class DamagedStreamsTest : public ::testing::Test {
protected:
  void SetUp() override { RegisterClasses({TSample::StaticClass()}); }
  void TearDown() override { UnRegisterClass(TSample::StaticClass()); }
};

}  // namespace

TEST_F(DamagedStreamsTest, EveryCutAndSeededMutationsLoadOrRaiseTheReadersErrorLeavingTheTarget) {
  constexpr int Mutations = 400;
  constexpr int64_t MemoryBound = 64 << 20;
  const TStreamKind kinds[] = {
      {"skin", ValidSkin(), [] { return std::make_unique<TSkinTarget>(); }},
      {"value", ValidValue(), [] { return std::make_unique<TValueTarget>(); }},
      {"item list", ValidItems(), [] { return std::make_unique<TItemsTarget>(); }},
      {"component", ValidComponent(), [] { return std::make_unique<TComponentTarget>(); }},
  };
  const int64_t memory = ProcessResidentBytes();
  for (const TStreamKind& kind : kinds) {
    SCOPED_TRACE(kind.Name);
    int failures = 0;
    ExpectSoundLoad(kind, kind.Valid, failures);
    ASSERT_EQ(0, failures) << "the valid stream loads";
    for (size_t length = 0; length < kind.Valid.size(); ++length) {
      SCOPED_TRACE(testing::Message() << "cut at " << length);
      ExpectSoundLoad(kind, TBytes(kind.Valid.begin(), kind.Valid.begin() + length), failures);
    }
    EXPECT_EQ(static_cast<int>(kind.Valid.size()), failures) << "every cut raises";
    std::mt19937 random(35);
    for (int i = 0; i < Mutations; ++i) {
      SCOPED_TRACE(testing::Message() << "mutation " << i);
      ExpectSoundLoad(kind, Mutated(kind.Valid, random), failures);
    }
  }
  EXPECT_LT(ProcessPeakResidentBytes() - memory, MemoryBound);
}
