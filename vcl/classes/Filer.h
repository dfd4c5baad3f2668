#pragma once
// Streaming of components and persistents in the framework's binary format:
// tagged values (TValueType), property names as short strings, lists ended
// by vaNull. TWriter writes published properties and those an object
// defines itself (DefineProperty, DefineBinaryProperty); TReader reads them
// back into existing objects or creates components by class name.
#include <cstdint>
#include <functional>
#include <vector>

#include "vcl/classes/Interfaces.h"
#include "vcl/rtl/Currency.h"
#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/Variants.h"

class TStream;
class TComponent;
class TCollection;
class TCollectionItem;
class TReader;
class TWriter;
struct TPropInfo;
struct TTypeInfo;

enum class TValueType : uint8_t {
  vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue,
  vaBinary, vaSet, vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate, vaWString,
  vaInt64, vaUTF8String, vaDouble
};
using enum TValueType;

using TReaderProc = std::function<void(TReader* Reader)>;
using TWriterProc = std::function<void(TWriter* Writer)>;
using TStreamProc = std::function<void(TStream* Stream)>;

class TFiler : public TObject {
  VCL_CLASS(TFiler, TObject)
public:
  explicit TFiler(TStream* AStream) : FStream(AStream) {}

  TStream* Stream() const { return FStream; }
  TComponent* Root() const { return FRoot; }
  void SetRoot(TComponent* Value) { FRoot = Value; }
  // The object this one inherits its values from (none here: always null),
  // for the HasData decisions of DefineProperties.
  TPersistent* Ancestor() const { return nullptr; }

  // Called from DefineProperties: a writer calls WriteData when HasData;
  // a reader calls ReadData when the stream holds the named value.
  virtual void DefineProperty(const String& Name, const TReaderProc& ReadData,
                              const TWriterProc& WriteData, bool HasData) = 0;
  // The same for a block of bytes (vaBinary), handed over as a stream.
  virtual void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                                    const TStreamProc& WriteData, bool HasData) = 0;

private:
  TStream* FStream;
  TComponent* FRoot = nullptr;
};

class TWriter : public TFiler {
  VCL_CLASS(TWriter, TFiler)
public:
  explicit TWriter(TStream* AStream) : TFiler(AStream) {}

  void WriteValue(TValueType Value);
  void WriteInteger(int64_t Value);  // the smallest of vaInt8/16/32/Int64
  void WriteBoolean(bool Value);
  void WriteFloat(double Value);     // vaExtended, 10 bytes
  void WriteDouble(double Value);    // vaDouble
  void WriteSingle(float Value);
  void WriteCurrency(Currency Value);
  void WriteDate(TDateTime Value);
  void WriteString(const String& Value);  // the shortest faithful string form
  void WriteIdent(const String& Ident);   // False, True, nil, Null get their own tags
  // Unassigned as nil, Null as vaNull, then by the variant's type; an
  // array or an object raises EWriteError.
  void WriteVariant(const Variant& Value);
  void WriteListBegin() { WriteValue(vaList); }
  void WriteListEnd() { WriteValue(vaNull); }
  void WriteStr(const String& Value);     // a short string without tag (UTF-8, up to 255 bytes)
  // vaSet, the names of the members as short strings, an empty one.
  void WriteSet(const TTypeInfo* SetType, int64_t Value);
  void WriteCollection(TCollection* Value);
  // The published properties, then those Instance defines itself.
  void WriteProperties(TPersistent* Instance);
  // "TPF0", then the component with its properties and its children.
  void WriteRootComponent(TComponent* ARoot);
  void WriteComponent(TComponent* Component);

  void DefineProperty(const String& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                      bool HasData) override;
  void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                            const TStreamProc& WriteData, bool HasData) override;
  // The prefix of the property names written ("Font." inside a nested
  // object); objects written inside a defined value start their own.
  const String& PropPath() const { return FPropPath; }
  void SetPropPath(const String& Value) { FPropPath = Value; }

private:
  void WriteBytes(const void* Data, int64_t Count);
  void WritePropName(const String& Name);
  void WriteProperty(TPersistent* Instance, const TPropInfo* Prop);
  // The name of the component that the interface stands for.
  void WriteInterfaceReference(const String& PropName, IInterface* Value);
  String FPropPath;  // "Font." while writing the properties of a nested object
};

class TReader : public TFiler {
  VCL_CLASS(TReader, TFiler)
public:
  explicit TReader(TStream* AStream) : TFiler(AStream) {}

  TValueType ReadValue();
  TValueType NextValue();  // without consuming it
  // The next byte ends the list. It is no value tag where a component's
  // class name or a property name (their length byte) follows.
  bool EndOfList();
  void ReadListBegin() { CheckValue(vaList); }
  void ReadListEnd() { CheckValue(vaNull); }
  void CheckValue(TValueType Value);
  // Each raises EReadError "Invalid property value" for a value of
  // another kind; the numeric ones accept any numeric tag.
  int64_t ReadInteger();
  bool ReadBoolean();
  double ReadFloat();
  Currency ReadCurrency();
  TDateTime ReadDate();
  String ReadString();
  String ReadIdent();
  // A value written by WriteVariant (integers that fit come back as
  // Integer, a vaInt64 as Int64, floats as Double).
  Variant ReadVariant();
  String ReadStr();
  // A set written by WriteSet; an unknown member raises EReadError.
  int64_t ReadSet(const TTypeInfo* SetType);
  void SkipValue();
  // Each of the reading calls below is one load when not called from
  // within another: should it raise, every object it changed is put back
  // as it was and every object it made is freed.
  void ReadCollection(TCollection* Collection);  // after its vaCollection tag
  void ReadProperty(TPersistent* Instance);      // one name and its value
  void ReadProperties(TPersistent* Instance);    // up to the end of the list
  void ReadPropertyList(TPersistent* Instance);  // and the end of the list
  // Reads a stream made by WriteRootComponent into ARoot (or, with null, a
  // new instance of the stream's root class); children are created by
  // their registered class, owned by the root. Loaded runs for each at the
  // end.
  TComponent* ReadRootComponent(TComponent* ARoot);

  // Records a change the load makes to an object: Undo puts it back should
  // the load raise, Release (when given) runs once the load has succeeded,
  // for example to free what the change replaced. An object the load makes
  // is freed by its own Undo, recorded before any change to it, so that
  // the later changes are undone while it still exists; an object read
  // into aside must live as long as the load (a journal entry can hold it).
  void Journal(std::function<void()> Undo, std::function<void()> Release = {});
  // For the readers of defined properties: stores Value in Field, recording
  // the old value.
  template <class T>
  void AssignJournaled(T& Field, T Value) {
    Journal([&Field, old = Field]() mutable { Field = std::move(old); });
    Field = std::move(Value);
  }

  void DefineProperty(const String& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                      bool HasData) override;
  void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                            const TStreamProc& WriteData, bool HasData) override;

private:
  void ReadBytes(void* Data, int64_t Count);
  int64_t ReadLength();  // a 4-byte length that the stream can still hold
  String ReadRawString(TValueType Type);
  void ReadPropValue(TPersistent* Instance, const TPropInfo* Prop);
  // A component nested in AParent's children becomes AParent's child.
  void ReadComponent(TComponent* AParent);
  void ReadPropertyOf(TPersistent* Instance);
  void ReadCollectionItems(TCollection* Collection);
  void ApplyFixups(TComponent* ARoot);
  template <class F>
  void AsOneLoad(const F& Read);
  [[noreturn]] void PropValueError() const;
  class TNesting;

  int FNesting = 0;  // components, lists, collections and objects being read into
  bool FLoading = false;
  struct TJournalEntry {
    std::function<void()> Undo, Release;
  };
  std::vector<TJournalEntry> FJournal;
  String FPropName;  // the defined property being looked for; emptied when read
  struct TFixup {
    TPersistent* Instance;
    const TPropInfo* Prop;
    String Name;
    std::vector<TCollectionItem*> Within;  // the collection items it was read in
  };
  std::vector<TFixup> FFixups;  // references to components not yet read
  std::vector<TCollectionItem*> FReadingItems;  // the collection items being read, outermost first
  std::vector<TComponent*> FLoaded;
};
