#include "vcl/classes/Filer.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

#include "vcl/classes/Collection.h"
#include "vcl/classes/Component.h"
#include "vcl/classes/TypInfo.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/Streams.h"

namespace {
const char Signature[4] = {'T', 'P', 'F', '0'};

bool IsAscii(const String& S) {
  for (Char c : S)
    if (c >= 0x80) return false;
  return true;
}

bool IsDateTime(const TPropInfo* Prop) { return Prop->PropType == DateTimeTypeInfo(); }
bool IsBoolean(const TPropInfo* Prop) { return Prop->PropType->Name == L"Boolean"; }
// What a component read back for an interface property stands for.
TInterfaceRef<IInterface> ComponentInterface(TComponent* Component, const TTypeInfo& Type) {
  void* intf = nullptr;
  if (!Component->GetInterface(Type.Guid, &intf))
    throw EReadError(Format(L"Invalid property value: %s does not offer %s", {Component->Name(), Type.Name}));
  return TInterfaceRef<IInterface>::Adopt(static_cast<IInterface*>(intf));
}

// A name that is no identifier, or is taken, is damage in the stream.
void SetStreamedName(TComponent* Component, const String& Name) {
  try {
    Component->SetName(Name);
  } catch (const EComponentError& e) {
    throw EReadError(e.Message());
  }
}
}  // namespace

// ---------------------------------------------------------------- TWriter

void TWriter::WriteBytes(const void* Data, int64_t Count) { Stream()->WriteBuffer(Data, Count); }

void TWriter::WriteValue(TValueType Value) {
  const uint8_t tag = static_cast<uint8_t>(Value);
  WriteBytes(&tag, 1);
}

void TWriter::WriteInteger(int64_t Value) {
  if (Value >= INT8_MIN && Value <= INT8_MAX) {
    WriteValue(vaInt8);
    const int8_t v = static_cast<int8_t>(Value);
    WriteBytes(&v, 1);
  } else if (Value >= INT16_MIN && Value <= INT16_MAX) {
    WriteValue(vaInt16);
    const int16_t v = static_cast<int16_t>(Value);
    WriteBytes(&v, 2);
  } else if (Value >= INT32_MIN && Value <= INT32_MAX) {
    WriteValue(vaInt32);
    const int32_t v = static_cast<int32_t>(Value);
    WriteBytes(&v, 4);
  } else {
    WriteValue(vaInt64);
    WriteBytes(&Value, 8);
  }
}

void TWriter::WriteBoolean(bool Value) { WriteValue(Value ? vaTrue : vaFalse); }

void TWriter::WriteFloat(double Value) {
  static_assert(sizeof(long double) >= 10, "the 80-bit extended format is needed");
  const long double extended = Value;
  WriteValue(vaExtended);
  WriteBytes(&extended, 10);
}

void TWriter::WriteDouble(double Value) {
  WriteValue(vaDouble);
  WriteBytes(&Value, 8);
}

void TWriter::WriteSingle(float Value) {
  WriteValue(vaSingle);
  WriteBytes(&Value, 4);
}

void TWriter::WriteCurrency(Currency Value) {
  const int64_t scaled = Value.Scaled();
  WriteValue(vaCurrency);
  WriteBytes(&scaled, 8);
}

void TWriter::WriteDate(TDateTime Value) {
  WriteValue(vaDate);
  WriteBytes(&Value, 8);
}

void TWriter::WriteVariant(const Variant& Value) {
  switch (VarType(Value)) {
    case varEmpty: WriteValue(vaNil); break;
    case varNull: WriteValue(vaNull); break;
    case varBoolean: WriteBoolean(Value.AsBoolean()); break;
    case varShortInt:
    case varSmallint:
    case varInteger:
    case varByte:
    case varWord:
    case varLongWord: WriteInteger(Value.AsInt64()); break;
    case varInt64: {
      const int64_t v = Value.AsInt64();
      WriteValue(vaInt64);
      WriteBytes(&v, 8);
      break;
    }
    case varSingle:
    case varDouble: WriteFloat(Value.AsDouble()); break;
    case varCurrency: WriteCurrency(Value.AsCurrency()); break;
    case varDate: WriteDate(Value.AsDateTime()); break;
    case varOleStr:
    case varString:
    case varUString: WriteString(Value.AsString()); break;
    default: throw EWriteError(Format(L"Cannot stream a variant of type %s", {VarTypeAsText(VarType(Value))}));
  }
}

void TWriter::WriteString(const String& Value) {
  if (IsAscii(Value)) {
    const std::string bytes = ToUtf8(Value);
    if (bytes.size() <= 255) {
      WriteValue(vaString);
      const uint8_t length = static_cast<uint8_t>(bytes.size());
      WriteBytes(&length, 1);
    } else {
      WriteValue(vaLString);
      const uint32_t length = static_cast<uint32_t>(bytes.size());
      WriteBytes(&length, 4);
    }
    WriteBytes(bytes.data(), static_cast<int64_t>(bytes.size()));
    return;
  }
  const std::string utf8 = ToUtf8(Value);
  if (utf8.size() < Value.size() * sizeof(Char)) {
    WriteValue(vaUTF8String);
    const uint32_t length = static_cast<uint32_t>(utf8.size());
    WriteBytes(&length, 4);
    WriteBytes(utf8.data(), static_cast<int64_t>(utf8.size()));
  } else {
    WriteValue(vaWString);
    const uint32_t length = static_cast<uint32_t>(Value.size());
    WriteBytes(&length, 4);
    WriteBytes(Value.data(), static_cast<int64_t>(Value.size() * sizeof(Char)));
  }
}

void TWriter::WriteIdent(const String& Ident) {
  if (SameText(Ident, L"False")) {
    WriteValue(vaFalse);
  } else if (SameText(Ident, L"True")) {
    WriteValue(vaTrue);
  } else if (SameText(Ident, L"nil")) {
    WriteValue(vaNil);
  } else if (SameText(Ident, L"Null")) {
    WriteValue(vaNull);
  } else {
    WriteValue(vaIdent);
    WriteStr(Ident);
  }
}

void TWriter::WriteStr(const String& Value) {
  const std::string bytes = ToUtf8(Value);
  if (bytes.size() > 255)
    throw EWriteError(Format(L"Name too long to stream: %s", {Value}));
  const uint8_t length = static_cast<uint8_t>(bytes.size());
  WriteBytes(&length, 1);
  WriteBytes(bytes.data(), length);
}

void TWriter::WritePropName(const String& Name) { WriteStr(FPropPath + Name); }

// The items' property names are their own, also in a collection of a
// nested object ("Properties.Items"): the reader reads them into the item.
void TWriter::WriteCollection(TCollection* Value) {
  WriteValue(vaCollection);
  const String outerPath = std::exchange(FPropPath, String());
  try {
    for (int i = 0; i < Value->Count(); ++i) {
      WriteListBegin();
      WriteProperties(Value->Items(i));
      WriteListEnd();
    }
  } catch (...) {
    FPropPath = outerPath;
    throw;
  }
  FPropPath = outerPath;
  WriteListEnd();
}

void TWriter::WriteProperties(TPersistent* Instance) {
  for (PPropInfo p : GetPropList(Instance)) WriteProperty(Instance, p);
  Instance->DefineProperties(this);
}

void TWriter::WriteInterfaceReference(const String& PropName, IInterface* Value) {
  if (!Value) {
    WritePropName(PropName);
    WriteValue(vaNil);
    return;
  }
  // Only an interface that a named component stands for can be found again.
  const auto reference = Supports<IInterfaceComponentReference>(Value, IID_IInterfaceComponentReference);
  TComponent* component = reference ? reference->GetComponent() : nullptr;
  if (!component || component->Name().empty()) return;
  WritePropName(PropName);
  WriteIdent(component->Name());
}

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo* Prop) {
  if (Prop->IsStored && !Prop->IsStored(Instance)) return;
  const TTypeKind kind = Prop->PropType->Kind;
  if (kind == tkClass) {
    TObject* value = GetObjectProp(Instance, Prop);
    if (auto* component = dynamic_cast<TComponent*>(value)) {
      if (!Prop->IsWritable()) return;
      WritePropName(Prop->Name);
      WriteIdent(component->Name());
    } else if (auto* collection = dynamic_cast<TCollection*>(value)) {
      WritePropName(Prop->Name);
      WriteCollection(collection);
    } else if (auto* nested = dynamic_cast<TPersistent*>(value)) {
      const String saved = FPropPath;
      FPropPath += Prop->Name + L".";
      try {
        WriteProperties(nested);
      } catch (...) {
        FPropPath = saved;
        throw;
      }
      FPropPath = saved;
    } else if (!value && Prop->IsWritable()) {
      WritePropName(Prop->Name);
      WriteValue(vaNil);
    }
    return;
  }
  if (!Prop->IsWritable()) return;
  if (kind == tkInterface) {
    WriteInterfaceReference(Prop->Name, GetInterfaceProp(Instance, Prop));
    return;
  }
  WritePropName(Prop->Name);
  switch (kind) {
    case tkInteger:
    case tkInt64: WriteInteger(GetOrdProp(Instance, Prop)); break;
    case tkWChar: WriteString(String(1, static_cast<Char>(GetOrdProp(Instance, Prop)))); break;
    case tkFloat:
      if (IsDateTime(Prop))
        WriteDate(GetFloatProp(Instance, Prop));
      else if (Prop->PropType->Name == L"Single")
        WriteSingle(static_cast<float>(GetFloatProp(Instance, Prop)));
      else
        WriteFloat(GetFloatProp(Instance, Prop));
      break;
    case tkUString: WriteString(GetStrProp(Instance, Prop)); break;
    case tkEnumeration:
      if (IsBoolean(Prop))
        WriteBoolean(GetOrdProp(Instance, Prop) != 0);
      else
        WriteIdent(GetEnumName(Prop->PropType, static_cast<int>(GetOrdProp(Instance, Prop))));
      break;
    case tkSet: WriteSet(Prop->PropType, GetOrdProp(Instance, Prop)); break;
    case tkVariant: WriteVariant(GetVariantProp(Instance, Prop)); break;
    default: throw EWriteError(Format(L"Cannot stream property %s", {Prop->Name}));
  }
}

void TWriter::WriteSet(PTypeInfo SetType, int64_t Value) {
  WriteValue(vaSet);
  const std::vector<String>& names = SetType->CompType->EnumNames;
  for (size_t i = 0; i < names.size() && i < 63; ++i)
    if (Value & (int64_t{1} << i)) WriteStr(names[i]);
  WriteStr(String());
}

void TWriter::WriteRootComponent(TComponent* ARoot) {
  SetRoot(ARoot);
  WriteBytes(Signature, 4);
  WriteComponent(ARoot);
}

void TWriter::WriteComponent(TComponent* Component) {
  const bool wasWriting = Component->ComponentState().Contains(csWriting);
  Component->SetComponentStateItem(csWriting, true);
  try {
    WriteStr(Component->ClassName());
    WriteStr(Component->Name());
    WriteProperties(Component);
    WriteListEnd();
    Component->GetChildren([this](TComponent* child) { WriteComponent(child); }, Root());
    WriteListEnd();
  } catch (...) {
    Component->SetComponentStateItem(csWriting, wasWriting);
    throw;
  }
  Component->SetComponentStateItem(csWriting, wasWriting);
}

void TWriter::DefineProperty(const String& Name, const TReaderProc&, const TWriterProc& WriteData,
                             bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(Name);
  WriteData(this);
}

void TWriter::DefineBinaryProperty(const String& Name, const TStreamProc&,
                                   const TStreamProc& WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  TMemoryStream data;
  WriteData(&data);
  WritePropName(Name);
  WriteValue(vaBinary);
  if (data.Size() > UINT32_MAX) throw EWriteError(Format(L"Property %s is too large to stream", {Name}));
  const uint32_t size = static_cast<uint32_t>(data.Size());
  WriteBytes(&size, 4);
  WriteBytes(data.Memory(), size);
}

// ---------------------------------------------------------------- TReader

void TReader::ReadBytes(void* Data, int64_t Count) { Stream()->ReadBuffer(Data, Count); }

// One level of components, lists or collections read into. A stream that
// nests deeper than any form would is refused as damaged before the
// reader's recursion can exhaust the stack.
class TReader::TNesting {
public:
  explicit TNesting(TReader& Reader) : FReader(Reader) {
    constexpr int MaxNesting = 200;
    if (FReader.FNesting >= MaxNesting) throw EReadError(L"Stream nested too deeply");
    ++FReader.FNesting;
  }
  ~TNesting() { --FReader.FNesting; }
  TNesting(const TNesting&) = delete;
  TNesting& operator=(const TNesting&) = delete;

private:
  TReader& FReader;
};

void TReader::PropValueError() const { throw EReadError(L"Invalid property value"); }

TValueType TReader::ReadValue() {
  uint8_t tag;
  ReadBytes(&tag, 1);
  if (tag > static_cast<uint8_t>(vaDouble)) throw EReadError(L"Invalid stream format");
  return static_cast<TValueType>(tag);
}

bool TReader::EndOfList() {
  uint8_t next;
  ReadBytes(&next, 1);
  Stream()->Seek(-1, soCurrent);
  return next == static_cast<uint8_t>(vaNull);
}

TValueType TReader::NextValue() {
  const TValueType value = ReadValue();
  Stream()->Seek(-1, soCurrent);
  return value;
}

void TReader::CheckValue(TValueType Value) {
  if (ReadValue() != Value) {
    Stream()->Seek(-1, soCurrent);
    SkipValue();
    PropValueError();
  }
}

int64_t TReader::ReadLength() {
  uint32_t length;
  ReadBytes(&length, 4);
  if (length > Stream()->Size() - Stream()->Position()) throw EReadError(L"Stream read error");
  return length;
}

int64_t TReader::ReadInteger() {
  switch (ReadValue()) {
    case vaInt8: {
      int8_t v;
      ReadBytes(&v, 1);
      return v;
    }
    case vaInt16: {
      int16_t v;
      ReadBytes(&v, 2);
      return v;
    }
    case vaInt32: {
      int32_t v;
      ReadBytes(&v, 4);
      return v;
    }
    case vaInt64: {
      int64_t v;
      ReadBytes(&v, 8);
      return v;
    }
    default: PropValueError();
  }
}

bool TReader::ReadBoolean() {
  const TValueType value = ReadValue();
  if (value != vaTrue && value != vaFalse) PropValueError();
  return value == vaTrue;
}

double TReader::ReadFloat() {
  switch (NextValue()) {
    case vaExtended: {
      ReadValue();
      long double extended = 0;
      ReadBytes(&extended, 10);
      return static_cast<double>(extended);
    }
    case vaDouble:
    case vaDate: {
      ReadValue();
      double v;
      ReadBytes(&v, 8);
      return v;
    }
    case vaSingle: {
      ReadValue();
      float v;
      ReadBytes(&v, 4);
      return v;
    }
    case vaCurrency: return ReadCurrency().ToDouble();
    default: return static_cast<double>(ReadInteger());
  }
}

Currency TReader::ReadCurrency() {
  if (NextValue() != vaCurrency) return Currency::FromDouble(ReadFloat());
  ReadValue();
  int64_t scaled;
  ReadBytes(&scaled, 8);
  return Currency::FromScaled(scaled);
}

TDateTime TReader::ReadDate() { return ReadFloat(); }

String TReader::ReadRawString(TValueType Type) {
  switch (Type) {
    case vaString:
    case vaIdent: return ReadStr();
    case vaLString:
    case vaUTF8String: {
      std::string bytes(static_cast<size_t>(ReadLength()), '\0');
      ReadBytes(bytes.data(), static_cast<int64_t>(bytes.size()));
      return Type == vaUTF8String ? FromUtf8(bytes) : FromAnsi(bytes);
    }
    case vaWString: {
      uint32_t count;
      ReadBytes(&count, 4);
      if (count > (Stream()->Size() - Stream()->Position()) / 2) throw EReadError(L"Stream read error");
      String text(count, L'\0');
      ReadBytes(text.data(), static_cast<int64_t>(count) * 2);
      return text;
    }
    default: PropValueError();
  }
}

String TReader::ReadString() {
  const TValueType type = ReadValue();
  if (type == vaIdent) PropValueError();
  return ReadRawString(type);
}

String TReader::ReadIdent() {
  switch (ReadValue()) {
    case vaIdent: return ReadStr();
    case vaFalse: return L"False";
    case vaTrue: return L"True";
    case vaNil: return L"nil";
    case vaNull: return L"Null";
    default: PropValueError();
  }
}

Variant TReader::ReadVariant() {
  switch (NextValue()) {
    case vaNil: ReadValue(); return Unassigned();
    case vaNull: ReadValue(); return Null();
    case vaFalse:
    case vaTrue: return Variant(ReadBoolean());
    case vaInt8:
    case vaInt16:
    case vaInt32: return Variant(static_cast<int>(ReadInteger()));
    case vaInt64: return Variant(static_cast<long long>(ReadInteger()));
    case vaExtended:
    case vaDouble:
    case vaSingle: return Variant(ReadFloat());
    case vaCurrency: return Variant(ReadCurrency());
    case vaDate: return VarFromDateTime(ReadDate());
    case vaString:
    case vaLString:
    case vaWString:
    case vaUTF8String: return Variant(ReadString());
    default: PropValueError();
  }
}

String TReader::ReadStr() {
  uint8_t length;
  ReadBytes(&length, 1);
  std::string bytes(length, '\0');
  ReadBytes(bytes.data(), length);
  return FromUtf8(bytes);
}

void TReader::SkipValue() {
  const TNesting nesting(*this);
  switch (const TValueType type = ReadValue()) {
    case vaNull: case vaFalse: case vaTrue: case vaNil: break;
    case vaList:
      while (!EndOfList()) SkipValue();
      ReadListEnd();
      break;
    case vaInt8: Stream()->Seek(1, soCurrent); break;
    case vaInt16: Stream()->Seek(2, soCurrent); break;
    case vaInt32: case vaSingle: Stream()->Seek(4, soCurrent); break;
    case vaInt64: case vaDouble: case vaDate: case vaCurrency: Stream()->Seek(8, soCurrent); break;
    case vaExtended: Stream()->Seek(10, soCurrent); break;
    case vaString: case vaIdent: case vaLString: case vaUTF8String: case vaWString:
      ReadRawString(type);
      break;
    case vaBinary: Stream()->Seek(ReadLength(), soCurrent); break;
    case vaSet:
      while (!ReadStr().empty()) {
      }
      break;
    case vaCollection:
      while (!EndOfList()) {
        if (NextValue() != vaList) ReadInteger();
        ReadListBegin();
        while (!EndOfList()) {
          ReadStr();
          SkipValue();
        }
        ReadListEnd();
      }
      ReadListEnd();
      break;
  }
}

void TReader::Journal(std::function<void()> Undo, std::function<void()> Release) {
  if (!FLoading) {  // outside a load a change stands as made
    if (Release) Release();
    return;
  }
  FJournal.push_back({std::move(Undo), std::move(Release)});
}

template <class F>
void TReader::AsOneLoad(const F& Read) {
  if (FLoading) return Read();
  FLoading = true;
  try {
    Read();
  } catch (...) {
    std::vector<TJournalEntry> journal;
    journal.swap(FJournal);
    FLoading = false;
    FFixups.clear();
    FReadingItems.clear();
    // The load's own error is what the caller hears of; putting back goes
    // on past a change that cannot be put back.
    for (auto entry = journal.rbegin(); entry != journal.rend(); ++entry) try {
        entry->Undo();
      } catch (...) {
      }
    throw;
  }
  std::vector<TJournalEntry> journal;
  journal.swap(FJournal);
  FLoading = false;
  for (TJournalEntry& entry : journal)
    if (entry.Release) entry.Release();
}

void TReader::ReadCollection(TCollection* Collection) {
  AsOneLoad([&] {
    const TNesting nesting(*this);
    Collection->BeginUpdate();
    try {
      ReadCollectionItems(Collection);
    } catch (...) {
      Collection->EndUpdate();
      throw;
    }
    Collection->EndUpdate();
  });
}

// A collection read replaces the items: the old ones are kept aside until
// the load has succeeded, and the references read for them are dropped.
void TReader::ReadCollectionItems(TCollection* Collection) {
  if (!EndOfList() && Collection->Count() > 0) {
    const int nextID = Collection->FNextID;
    std::vector<TCollectionItem*> replaced = Collection->ExtractItems();
    std::erase_if(FFixups, [&](const TFixup& fixup) {
      return std::ranges::any_of(fixup.Within, [&](TCollectionItem* item) { return std::ranges::count(replaced, item) > 0; });
    });
    Journal([Collection, replaced, nextID] { Collection->RestoreItems(replaced, nextID); },
            [replaced] {
              for (TCollectionItem* item : replaced) delete item;
            });
  }
  while (!EndOfList()) {
    if (NextValue() != vaList) ReadInteger();  // an item index: not needed
    TCollectionItem* item = Collection->Add();
    Journal([item] { delete item; });
    FReadingItems.push_back(item);
    ReadListBegin();
    ReadProperties(item);
    ReadListEnd();
    FReadingItems.pop_back();
  }
  ReadListEnd();
}

void TReader::ReadProperties(TPersistent* Instance) {
  AsOneLoad([&] {
    const TNesting nesting(*this);
    while (!EndOfList()) ReadProperty(Instance);
  });
}

void TReader::ReadPropertyList(TPersistent* Instance) {
  AsOneLoad([&] {
    ReadProperties(Instance);
    ReadListEnd();
  });
}

void TReader::ReadProperty(TPersistent* Instance) {
  AsOneLoad([&] { ReadPropertyOf(Instance); });
}

void TReader::ReadPropertyOf(TPersistent* Instance) {
  const String path = ReadStr();
  TPersistent* target = Instance;
  size_t start = 0;
  for (size_t dot = path.find(L'.'); dot != String::npos; dot = path.find(L'.', start)) {
    PPropInfo p = GetPropInfo(target, path.substr(start, dot - start));
    auto* nested = p && p->PropType->Kind == tkClass ? dynamic_cast<TPersistent*>(GetObjectProp(target, p)) : nullptr;
    if (!nested) throw EReadError(Format(L"Error reading %s: Property does not exist", {path}));
    target = nested;
    start = dot + 1;
  }
  const String name = path.substr(start);
  if (PPropInfo p = GetPropInfo(target, name)) {
    ReadPropValue(target, p);
    return;
  }
  FPropName = name;
  target->DefineProperties(this);
  if (!FPropName.empty()) {
    FPropName.clear();
    throw EReadError(Format(L"Error reading %s: Property does not exist", {path}));
  }
}

namespace {

// Sets a property, recording in the reader's journal how to put it back.
template <class T, class Get, class Set>
void SetJournaled(TReader& Reader, TPersistent* Instance, const TPropInfo* Prop, Get GetProp, Set SetProp, T Value) {
  T old = GetProp(Instance, Prop);
  SetProp(Instance, Prop, Value);
  Reader.Journal([Instance, Prop, SetProp, old = std::move(old)] { SetProp(Instance, Prop, old); });
}

void SetOrdJournaled(TReader& Reader, TPersistent* Instance, const TPropInfo* Prop, int64_t Value) {
  SetJournaled<int64_t>(Reader, Instance, Prop, [](TPersistent* I, PPropInfo P) { return GetOrdProp(I, P); },
                        [](TPersistent* I, PPropInfo P, int64_t V) { SetOrdProp(I, P, V); }, Value);
}

void SetObjectJournaled(TReader& Reader, TPersistent* Instance, const TPropInfo* Prop, TObject* Value) {
  SetJournaled<TObject*>(Reader, Instance, Prop, [](TPersistent* I, PPropInfo P) { return GetObjectProp(I, P); },
                         [](TPersistent* I, PPropInfo P, TObject* V) { SetObjectProp(I, P, V); }, Value);
}

void SetInterfaceJournaled(TReader& Reader, TPersistent* Instance, const TPropInfo* Prop, IInterface* Value) {
  SetJournaled<TInterfaceRef<IInterface>>(
      Reader, Instance, Prop,
      [](TPersistent* I, PPropInfo P) { return TInterfaceRef<IInterface>(GetInterfaceProp(I, P)); },
      [](TPersistent* I, PPropInfo P, const TInterfaceRef<IInterface>& V) { SetInterfaceProp(I, P, V.Get()); },
      TInterfaceRef<IInterface>(Value));
}

}  // namespace

int64_t TReader::ReadSet(PTypeInfo SetType) {
  CheckValue(vaSet);
  int64_t result = 0;
  for (String name = ReadStr(); !name.empty(); name = ReadStr()) {
    const int ordinal = GetEnumValue(SetType->CompType, name);
    if (ordinal < 0) PropValueError();
    result |= int64_t{1} << ordinal;
  }
  return result;
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo* Prop) {
  switch (Prop->PropType->Kind) {
    case tkInteger:
    case tkInt64: SetOrdJournaled(*this, Instance, Prop, ReadInteger()); break;
    case tkWChar: {
      const String s = ReadString();
      if (s.size() != 1) PropValueError();
      SetOrdJournaled(*this, Instance, Prop, s[0]);
      break;
    }
    case tkFloat:
      SetJournaled<double>(*this, Instance, Prop, [](TPersistent* I, PPropInfo P) { return GetFloatProp(I, P); },
                           [](TPersistent* I, PPropInfo P, double V) { SetFloatProp(I, P, V); }, ReadFloat());
      break;
    case tkUString:
      SetJournaled<String>(*this, Instance, Prop, [](TPersistent* I, PPropInfo P) { return GetStrProp(I, P); },
                           [](TPersistent* I, PPropInfo P, const String& V) { SetStrProp(I, P, V); }, ReadString());
      break;
    case tkEnumeration: {
      if (IsBoolean(Prop)) {
        SetOrdJournaled(*this, Instance, Prop, ReadBoolean());
        break;
      }
      const int ordinal = GetEnumValue(Prop->PropType, ReadIdent());
      if (ordinal < 0) PropValueError();
      SetOrdJournaled(*this, Instance, Prop, ordinal);
      break;
    }
    case tkInterface:
      if (NextValue() == vaNil) {
        ReadValue();
        SetInterfaceJournaled(*this, Instance, Prop, nullptr);
      } else {
        FFixups.push_back({Instance, Prop, ReadIdent(), FReadingItems});
      }
      break;
    case tkSet: SetOrdJournaled(*this, Instance, Prop, ReadSet(Prop->PropType)); break;
    case tkVariant:
      SetJournaled<Variant>(*this, Instance, Prop, [](TPersistent* I, PPropInfo P) { return GetVariantProp(I, P); },
                            [](TPersistent* I, PPropInfo P, const Variant& V) { SetVariantProp(I, P, V); },
                            ReadVariant());
      break;
    case tkClass: {
      const TValueType next = NextValue();
      if (next == vaCollection) {
        ReadValue();
        auto* collection = dynamic_cast<TCollection*>(GetObjectProp(Instance, Prop));
        if (!collection) PropValueError();
        ReadCollection(collection);
      } else if (next == vaNil) {
        ReadValue();
        SetObjectJournaled(*this, Instance, Prop, nullptr);
      } else {
        // A component reference: resolved once every component is read.
        FFixups.push_back({Instance, Prop, ReadIdent(), FReadingItems});
      }
      break;
    }
    default: PropValueError();
  }
}

void TReader::ReadComponent(TComponent* AParent) {
  const TNesting nesting(*this);
  const String className = ReadStr();
  const String name = ReadStr();
  TClass cls = FindClass(className);
  if (!TObject::ClassInheritsFrom(cls, TComponent::StaticClass()))
    throw EReadError(Format(L"%s is not a component class", {className}));
  auto* component = static_cast<TComponent*>(TObject::CreateInstance(cls, Root()));
  Journal([component] { delete component; });
  component->SetComponentStateItem(csLoading, true);
  component->SetComponentStateItem(csReading, true);
  SetStreamedName(component, name);
  FLoaded.push_back(component);
  if (AParent) component->SetParentComponent(AParent);
  ReadProperties(component);
  ReadListEnd();
  while (!EndOfList()) ReadComponent(component);
  ReadListEnd();
}

void TReader::ApplyFixups(TComponent* ARoot) {
  for (const TFixup& fixup : FFixups) {
    TComponent* target = SameText(fixup.Name, ARoot->Name()) ? ARoot : ARoot->FindComponent(fixup.Name);
    if (!target) throw EReadError(Format(L"Invalid property value: no component named %s", {fixup.Name}));
    if (fixup.Prop->PropType->Kind == tkInterface)
      SetInterfaceJournaled(*this, fixup.Instance, fixup.Prop, ComponentInterface(target, *fixup.Prop->PropType).Get());
    else
      SetObjectJournaled(*this, fixup.Instance, fixup.Prop, target);
  }
  FFixups.clear();
}

TComponent* TReader::ReadRootComponent(TComponent* ARoot) {
  char signature[4];
  ReadBytes(signature, 4);
  if (std::memcmp(signature, Signature, 4) != 0) throw EReadError(L"Invalid stream format");
  const String className = ReadStr();
  const String name = ReadStr();
  std::unique_ptr<TComponent> created;
  if (!ARoot) {
    TObject* object = TObject::CreateInstance(FindClass(className));
    ARoot = dynamic_cast<TComponent*>(object);
    if (!ARoot) {
      delete object;
      throw EReadError(Format(L"%s is not a component class", {className}));
    }
    created.reset(ARoot);
  }
  SetRoot(ARoot);
  FLoaded.clear();
  FFixups.clear();
  FLoaded.push_back(ARoot);
  try {
    AsOneLoad([&] {
      const TComponentState state = ARoot->ComponentState();
      Journal([ARoot, state] {
        ARoot->SetComponentStateItem(csLoading, state.Contains(csLoading));
        ARoot->SetComponentStateItem(csReading, state.Contains(csReading));
      });
      ARoot->SetComponentStateItem(csLoading, true);
      ARoot->SetComponentStateItem(csReading, true);
      const String oldName = ARoot->Name();
      SetStreamedName(ARoot, name);
      Journal([ARoot, oldName] { ARoot->SetName(oldName); });
      ReadProperties(ARoot);
      ReadListEnd();
      while (!EndOfList()) ReadComponent(ARoot);
      ReadListEnd();
      ApplyFixups(ARoot);
    });
  } catch (...) {
    FLoaded.clear();
    throw;
  }
  for (TComponent* component : FLoaded) component->SetComponentStateItem(csReading, false);
  for (TComponent* component : FLoaded) component->Loaded();
  FLoaded.clear();
  created.release();
  return ARoot;
}

void TReader::DefineProperty(const String& Name, const TReaderProc& ReadData, const TWriterProc&,
                             bool) {
  if (FPropName.empty() || !SameText(Name, FPropName) || !ReadData) return;
  FPropName.clear();
  ReadData(this);
}

void TReader::DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                                   const TStreamProc& WriteData, bool) {
  if (FPropName.empty() || !SameText(Name, FPropName) || !ReadData) return;
  FPropName.clear();
  CheckValue(vaBinary);
  TMemoryStream data;
  data.SetSize(ReadLength());
  ReadBytes(data.Memory(), data.Size());
  // A block of bytes is the object's own record of the value: the record
  // of the value before is what puts it back.
  if (WriteData) {
    auto before = std::make_shared<TMemoryStream>();
    WriteData(before.get());
    Journal([ReadData, before] {
      before->SetPosition(0);
      ReadData(before.get());
    });
  }
  data.SetPosition(0);
  ReadData(&data);
}
