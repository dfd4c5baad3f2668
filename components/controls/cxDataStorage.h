#pragma once
// The value types of the data controllers: how a value of one kind sits in
// a slot of a record buffer, how two slots compare, how a slot becomes a
// variant and back, how it is streamed and what text it shows. Every
// operation belongs to the class: each class has one shared instance, which
// a column keeps as its class reference (TcxValueTypeClass).
//
// AField is the address of a value's slot in a record buffer. Kinds of
// variable length keep a pointer there to the value on the heap (null for
// Null); PrepareValueBuffer turns a slot into what the reading operations
// take (AValue): that pointer for those kinds, the slot itself for the
// others. Operations that change a value take the slot. Slots need no
// alignment.
#include <cstdint>
#include <vector>

#include "vcl/rtl/FMTBcd.h"
#include "vcl/rtl/SqlTimSt.h"
#include "vcl/rtl/Streams.h"
#include "vcl/rtl/UnitStartup.h"
#include "vcl/rtl/Variants.h"

// A view of another stream that tells the string value types how text is
// kept there: as UTF-16 (WideStrings) or as ANSI text in the system's code
// page. It does not own the stream it reads and writes.
class TcxDataStream : public TStream {
  VCL_CLASS(TcxDataStream, TStream)
public:
  TcxDataStream(TStream* AStream, bool AWideStrings) : FStream(AStream), FWideStrings(AWideStrings) {}
  int64_t Read(void* Buffer, int64_t Count) override { return FStream->Read(Buffer, Count); }
  int64_t Write(const void* Buffer, int64_t Count) override { return FStream->Write(Buffer, Count); }
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override { return FStream->Seek(Offset, Origin); }
  int64_t Size() override { return FStream->Size(); }
  void SetSize(int64_t NewSize) override { FStream->SetSize(NewSize); }
  bool WideStrings() const { return FWideStrings; }

private:
  TStream* FStream;
  bool FWideStrings;
};



class TcxValueType;
using TcxValueTypeClass = const TcxValueType*;

// The shared instance of a value-type class.
template <class T>
TcxValueTypeClass cxValueTypeClass() {
  static const T instance{};
  return &instance;
}

class TcxValueType : public TObject {
  VCL_CLASS(TcxValueType, TObject)
public:
  // Compares the values of two slots.
  virtual int CompareData(const void* AField1, const void* AField2) const;
  // Frees what the slot holds and leaves it empty.
  virtual void DisposeBuffer(void* AField) const {}
  virtual int DataSize() const { return 0; }
  virtual void LoadValue(const void* AValue, Variant& AResult) const { AResult = Null(); }
  virtual String GetDisplayText(const void* AValue) const;
  virtual void ReadValueFromStream(void* AField, TcxDataStream* AStream) const;
  virtual void StoreValue(void* AField, const Variant& AValue) const {}
  virtual void WriteValueToStream(const void* AValue, TcxDataStream* AStream) const;

  // A display text is kept apart from the value, as a heap string made on
  // first store; null means none.
  static void DisposeDisplayText(String*& AText);
  static String GetStoredDisplayText(const String* AText) { return AText ? *AText : String(); }
  static void StoreDisplayText(String*& AText, const String& S);
  static void ReadDisplayTextFromStream(String*& AText, TcxDataStream* AStream);
  static void WriteDisplayTextToStream(const String* AText, TcxDataStream* AStream);

  // The class name without "Tcx" and "ValueType": "LargeInt", "String".
  String Caption() const;
  virtual int CompareValues(const void* AValue1, const void* AValue2) const;
  Variant GetValue(const void* AValue) const;
  virtual TVarType GetVarType() const { return varVariant; }
  // Null is valid, and anything for a variant type; otherwise AValue is
  // converted to the type's variant type, and left as it was when it cannot.
  bool IsValueValid(Variant& AValue) const;
  virtual bool IsString() const { return false; }
  virtual const void* PrepareValueBuffer(const void* AField) const { return AField; }
};

// The kinds whose slot holds a pointer to the value on the heap.
class TcxHeapValueType : public TcxValueType {
  VCL_CLASS(TcxHeapValueType, TcxValueType)
public:
  int DataSize() const override { return sizeof(void*); }
  const void* PrepareValueBuffer(const void* AField) const override;
};

class TcxStringValueType : public TcxHeapValueType {
  VCL_CLASS(TcxStringValueType, TcxHeapValueType)
public:
  int CompareValues(const void* AValue1, const void* AValue2) const override;
  void DisposeBuffer(void* AField) const override;
  void LoadValue(const void* AValue, Variant& AResult) const override;
  void ReadValueFromStream(void* AField, TcxDataStream* AStream) const override;
  void StoreValue(void* AField, const Variant& AValue) const override;
  void WriteValueToStream(const void* AValue, TcxDataStream* AStream) const override;
  TVarType GetVarType() const override { return varUString; }
  bool IsString() const override { return true; }
};

// The slot points to a block: a 4-byte character count, then UTF-16.
class TcxWideStringValueType : public TcxStringValueType {
  VCL_CLASS(TcxWideStringValueType, TcxStringValueType)
public:
  int CompareValues(const void* AValue1, const void* AValue2) const override;
  void DisposeBuffer(void* AField) const override;
  void LoadValue(const void* AValue, Variant& AResult) const override;
  void ReadValueFromStream(void* AField, TcxDataStream* AStream) const override;
  void StoreValue(void* AField, const Variant& AValue) const override;
  void WriteValueToStream(const void* AValue, TcxDataStream* AStream) const override;
  TVarType GetVarType() const override { return varOleStr; }
};

// A value kept in the slot itself: compared by value, streamed as its raw
// bytes.
template <typename T, TVarType AVarType>
class TcxFixedValueType : public TcxValueType {
public:
  int CompareValues(const void* AValue1, const void* AValue2) const override;
  int DataSize() const override { return sizeof(T); }
  void LoadValue(const void* AValue, Variant& AResult) const override;
  void ReadValueFromStream(void* AField, TcxDataStream* AStream) const override;
  void StoreValue(void* AField, const Variant& AValue) const override;
  void WriteValueToStream(const void* AValue, TcxDataStream* AStream) const override;
  TVarType GetVarType() const override { return AVarType; }
};

class TcxSmallintValueType : public TcxFixedValueType<int16_t, varSmallint> {
  VCL_CLASS(TcxSmallintValueType, TcxValueType)
};

class TcxIntegerValueType : public TcxFixedValueType<int32_t, varInteger> {
  VCL_CLASS(TcxIntegerValueType, TcxValueType)
};

class TcxWordValueType : public TcxFixedValueType<uint16_t, varWord> {
  VCL_CLASS(TcxWordValueType, TcxValueType)
};

class TcxBooleanValueType : public TcxFixedValueType<uint8_t, varBoolean> {
  VCL_CLASS(TcxBooleanValueType, TcxValueType)
public:
  String GetDisplayText(const void* AValue) const override;
};

class TcxSingleValueType : public TcxFixedValueType<float, varSingle> {
  VCL_CLASS(TcxSingleValueType, TcxValueType)
};

// A 10-byte extended real on the stream.
class TcxFloatValueType : public TcxFixedValueType<double, varDouble> {
  VCL_CLASS(TcxFloatValueType, TcxValueType)
public:
  void ReadValueFromStream(void* AField, TcxDataStream* AStream) const override;
  void WriteValueToStream(const void* AValue, TcxDataStream* AStream) const override;
};

// The slot holds the currency's 64-bit count of ten-thousandths.
class TcxCurrencyValueType : public TcxFixedValueType<int64_t, varCurrency> {
  VCL_CLASS(TcxCurrencyValueType, TcxValueType)
};

class TcxDateTimeValueType : public TcxFixedValueType<double, varDate> {
  VCL_CLASS(TcxDateTimeValueType, TcxValueType)
public:
  String GetDisplayText(const void* AValue) const override;
  static TDateTime BufferToDateTime(const void* AValue);
};

class TcxLargeIntValueType : public TcxFixedValueType<int64_t, varInt64> {
  VCL_CLASS(TcxLargeIntValueType, TcxValueType)
};

// A decimal record; the stream holds its text as a tagged value.
class TcxFMTBcdValueType : public TcxValueType {
  VCL_CLASS(TcxFMTBcdValueType, TcxValueType)
public:
  int CompareValues(const void* AValue1, const void* AValue2) const override;
  int DataSize() const override { return sizeof(TBcd); }
  String GetDisplayText(const void* AValue) const override;
  void LoadValue(const void* AValue, Variant& AResult) const override;
  void StoreValue(void* AField, const Variant& AValue) const override;
  TVarType GetVarType() const override { return varFMTBcd; }
};

// Loads as a time-stamp variant; the stream holds its date as a tagged value.
class TcxSQLTimeStampValueType : public TcxValueType {
  VCL_CLASS(TcxSQLTimeStampValueType, TcxValueType)
public:
  int CompareValues(const void* AValue1, const void* AValue2) const override;
  int DataSize() const override { return sizeof(TSQLTimeStamp); }
  void LoadValue(const void* AValue, Variant& AResult) const override;
  void StoreValue(void* AField, const Variant& AValue) const override;
  void ReadValueFromStream(void* AField, TcxDataStream* AStream) const override;
  TVarType GetVarType() const override { return varSQLTimeStamp; }
};

class TcxVariantValueType : public TcxHeapValueType {
  VCL_CLASS(TcxVariantValueType, TcxHeapValueType)
public:
  int CompareValues(const void* AValue1, const void* AValue2) const override;
  void DisposeBuffer(void* AField) const override;
  void LoadValue(const void* AValue, Variant& AResult) const override;
  void StoreValue(void* AField, const Variant& AValue) const override;
};

// An object reference kept as a pointer-sized integer; the slot owns the
// object. Nothing of it goes to a stream.
class TcxObjectValueType : public TcxIntegerValueType {
  VCL_CLASS(TcxObjectValueType, TcxIntegerValueType)
public:
  int CompareValues(const void* AValue1, const void* AValue2) const override;
  int DataSize() const override { return sizeof(TObject*); }
  void DisposeBuffer(void* AField) const override;
  void LoadValue(const void* AValue, Variant& AResult) const override;
  void StoreValue(void* AField, const Variant& AValue) const override;
  void ReadValueFromStream(void* AField, TcxDataStream* AStream) const override {}
  void WriteValueToStream(const void* AValue, TcxDataStream* AStream) const override {}
  TVarType GetVarType() const override { return sizeof(TObject*) == 8 ? varInt64 : varInteger; }
};

// Bytes, kept as an AnsiString and streamed as one whatever the stream's
// text form.
class TcxBLOBValueType : public TcxHeapValueType {
  VCL_CLASS(TcxBLOBValueType, TcxHeapValueType)
public:
  int CompareValues(const void* AValue1, const void* AValue2) const override;
  void DisposeBuffer(void* AField) const override;
  void LoadValue(const void* AValue, Variant& AResult) const override;
  void ReadValueFromStream(void* AField, TcxDataStream* AStream) const override;
  void StoreValue(void* AField, const Variant& AValue) const override;
  void WriteValueToStream(const void* AValue, TcxDataStream* AStream) const override;
  TVarType GetVarType() const override { return varString; }
  bool IsString() const override { return true; }
};

// The registered value types, so that a stored column finds its type again
// by caption.
class TcxValueTypeClassList : public TObject {
  VCL_CLASS(TcxValueTypeClassList, TObject)
public:
  void RegisterItem(TcxValueTypeClass AValueTypeClass);  // once
  void UnregisterItem(TcxValueTypeClass AValueTypeClass);
  int Count() const { return static_cast<int>(FItems.size()); }
  TcxValueTypeClass Items(int AIndex) const;
  // The first with exactly this caption (case-sensitive); null when none.
  TcxValueTypeClass ItemByCaption(const String& ACaption) const;

private:
  std::vector<TcxValueTypeClass> FItems;
};

// The process-wide list, created on first use; null once the unit has shut
// down.
TcxValueTypeClassList* cxValueTypeClassList();

// Start-up registers the value types; shut-down unregisters them in reverse
// and frees the list.
extern const TUnitEntry cxDataStorageUnit;
