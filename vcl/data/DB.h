#pragma once
// Data sets, their fields and the parameters of their commands.
#include <functional>
#include <memory>
#include <vector>

#include "vcl/classes/Component.h"
#include "vcl/data/DBXConnection.h"
#include "vcl/rtl/Variants.h"

class TDataSet;

// ---------------------------------------------------------------- fields

// One column of an open data set, read on the data set's current row.
// Reading a field with no current row (an empty data set, or past the
// end) gives null.
class TField : public TObject {
  VCL_CLASS(TField, TObject)
public:
  TField(TDataSet& DataSet, const TDBXColumn& Column, int Index);

  const String& FieldName() const { return FColumn.Name; }
  TFieldType DataType() const { return FColumn.DataType; }
  int Size() const { return FColumn.Size; }
  int Index() const { return FIndex; }
  TDataSet* DataSet() const { return &FDataSet; }

  bool IsNull() const { return Current().IsNull(); }
  // Null reads as "" and 0. A value that does not convert raises
  // EConvertError; a kind that has no such reading raises EDatabaseError.
  String AsString() const;
  int AsInteger() const;
  int64_t AsLargeInt() const;
  double AsFloat() const;
  TDateTime AsDateTime() const;
  bool AsBoolean() const;
  // Null, or an integer, double, string, date or Boolean variant.
  Variant Value() const;
  const TDBValue& AsDBValue() const { return Current(); }

private:
  const TDBValue& Current() const;
  [[noreturn]] void AccessError(const wchar_t* TypeName) const;
  TDataSet& FDataSet;
  TDBXColumn FColumn;
  int FIndex;
};

// ---------------------------------------------------------------- parameters

// A named parameter of a command. A parameter that was never given a
// value cannot be bound; Clear gives it the value null.
class TParam : public TObject {
  VCL_CLASS(TParam, TObject)
public:
  explicit TParam(const String& Name) : FName(Name) {}

  const String& Name() const { return FName; }
  TFieldType DataType() const { return FDataType; }
  void SetDataType(TFieldType Value) { FDataType = Value; }
  bool IsNull() const { return FValue.IsNull(); }
  // True once a value (null included) was given.
  bool Bound() const { return FBound; }
  void Clear() { SetDBValue(TDBValue{}, FDataType); }

  String AsString() const;
  void SetAsString(const String& Value);
  int AsInteger() const;
  void SetAsInteger(int Value);
  int64_t AsLargeInt() const;
  void SetAsLargeInt(int64_t Value);
  double AsFloat() const;
  void SetAsFloat(double Value);
  TDateTime AsDateTime() const;
  void SetAsDateTime(TDateTime Value);
  void SetAsDate(TDateTime Value);
  bool AsBoolean() const;
  void SetAsBoolean(bool Value);
  // Unassigned before a value was given, else as TField::Value.
  Variant Value() const;
  // Null clears; other variants set the value of their kind. Raises
  // EDatabaseError for a variant kind that has no parameter type.
  void SetValue(const Variant& Value);
  const TDBValue& AsDBValue() const { return FValue; }
  void SetDBValue(const TDBValue& Value, TFieldType DataType);

private:
  String FName;
  TFieldType FDataType = ftUnknown;
  TDBValue FValue;
  bool FBound = false;
};

class TParams : public TObject {
  VCL_CLASS(TParams, TObject)
public:
  TParams() = default;
  int Count() const { return static_cast<int>(FItems.size()); }
  TParam* Items(int Index) const;
  TParam* FindParam(const String& Name) const;  // names compare without case
  // Raises EDatabaseError "Parameter 'X' not found".
  TParam* ParamByName(const String& Name) const;
  TParam* CreateParam(const String& Name);
  void Clear() { FItems.clear(); }
  // Keeps exactly the given names, in order, each with its old value when
  // it had one.
  void Rebuild(const std::vector<String>& Names);

private:
  std::vector<std::unique_ptr<TParam>> FItems;
};

// Replaces each ":NAME" marker of an SQL text by "?" and lists the names in
// order of appearance. Quoted texts, quoted names and comments are left
// alone.
String ParseSQLParams(const String& SQL, std::vector<String>& Names);

// ---------------------------------------------------------------- data sets

using TDataSetNotifyEvent = std::function<void(TDataSet* DataSet)>;

// A data set that holds the rows it read when it opened and moves over
// them.
class TDataSet : public TComponent {
  VCL_CLASS(TDataSet, TComponent)
public:
  explicit TDataSet(TComponent* AOwner);
  ~TDataSet() override;

  void Open();
  void Close();
  bool Active() const { return FActive; }
  void SetActive(bool Value) { Value ? Open() : Close(); }

  void First() { CheckActive(); FRecNo = 0; }
  void Next();
  bool Eof() const { return !FActive || FRecNo >= RecordCount(); }
  bool Bof() const { return !FActive || FRecNo == 0; }
  int RecordCount() const { return static_cast<int>(FRows.size()); }
  bool IsEmpty() const { return FRows.empty(); }
  int RecNo() const { return FActive && !IsEmpty() ? FRecNo + 1 : 0; }

  int FieldCount() const { return static_cast<int>(FFields.size()); }
  TField* Fields(int Index) const;
  TField* FindField(const String& FieldName) const;  // names compare without case
  // Raises EDatabaseError "Field 'X' not found".
  TField* FieldByName(const String& FieldName) const;

  TDataSetNotifyEvent BeforeOpen;

protected:
  // Reads the columns and every row; called by Open after BeforeOpen.
  virtual void OpenCursor(std::vector<TDBXColumn>& Columns, std::vector<std::vector<TDBValue>>& Rows) = 0;
  virtual void CloseCursor() {}
  void CheckActive() const;
  // "Name: " for messages, empty for a data set without a name.
  String MessagePrefix() const;

private:
  friend class TField;
  const TDBValue* CurrentValue(int FieldIndex) const;

  bool FActive = false;
  int FRecNo = 0;
  std::vector<std::unique_ptr<TField>> FFields;
  std::vector<std::vector<TDBValue>> FRows;
};
