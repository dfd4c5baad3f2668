#pragma once
// Values and tables of the metadata layer. A metadata request answers with a
// table: a forward-only cursor over rows of typed values.
#include <memory>
#include <variant>
#include <vector>

#include "vcl/rtl/SysUtils.h"

// Data-type codes of database values, as the type descriptions give them.
namespace TDBXDataTypes {
inline constexpr int UnknownType = 0;
inline constexpr int AnsiStringType = 1;
inline constexpr int DateType = 2;
inline constexpr int BlobType = 3;
inline constexpr int BooleanType = 4;
inline constexpr int Int16Type = 5;
inline constexpr int Int32Type = 6;
inline constexpr int DoubleType = 7;
inline constexpr int BcdType = 8;
inline constexpr int BytesType = 9;
inline constexpr int TimeType = 10;
inline constexpr int VarBytesType = 15;
inline constexpr int CursorType = 17;
inline constexpr int Int64Type = 18;
inline constexpr int TimeStampType = 24;
inline constexpr int WideStringType = 26;
inline constexpr int SingleType = 27;
inline constexpr int UInt8Type = 29;
inline constexpr int IntervalType = 32;
inline constexpr int TimeStampOffsetType = 36;
}  // namespace TDBXDataTypes

// The name and data type of one column.
struct TDBXValueType {
  String Name;
  int DataType = TDBXDataTypes::UnknownType;
};

// One value: null, a text, an integer or a Boolean.
class TDBXWritableValue {
public:
  TDBXWritableValue() = default;  // null
  TDBXWritableValue(const String& AValue) : FValue(AValue) {}
  TDBXWritableValue(const wchar_t* AValue) : FValue(String(AValue)) {}
  TDBXWritableValue(int64_t AValue) : FValue(AValue) {}
  TDBXWritableValue(int AValue) : FValue(static_cast<int64_t>(AValue)) {}
  TDBXWritableValue(bool AValue) : FValue(AValue) {}

  bool IsNull() const { return FValue.index() == 0; }
  void SetNull() { FValue = std::monostate(); }
  // Null reads as an empty text; integers in decimal; Booleans "True"/"False".
  String AsString() const;
  // Null reads as 0; a text must hold a decimal integer (EConvertError).
  int64_t AsInt64() const;
  // Null reads as false; integers are true when not zero; texts must be
  // "True" or "False" (EConvertError).
  bool AsBoolean() const;

  bool operator==(const TDBXWritableValue&) const = default;

private:
  std::variant<std::monostate, String, int64_t, bool> FValue;
};

using TDBXRow = std::vector<TDBXWritableValue>;

// A forward-only cursor: Next moves to the first row, then on; values are
// read by column ordinal (0-based) from the current row.
class TDBXTable : public TObject {
  VCL_CLASS(TDBXTable, TObject)
public:
  virtual String DBXTableName() const = 0;
  virtual int ColumnCount() const = 0;
  virtual const TDBXValueType& Column(int AOrdinal) const = 0;
  virtual bool Next() = 0;
  virtual const TDBXWritableValue& Value(int AOrdinal) const = 0;

  // The ordinal of the named column (names compare without regard to case),
  // -1 when there is none.
  int ColumnOrdinal(const String& AName) const;

protected:
  // Raises EArgumentException for an ordinal outside the table's columns.
  void CheckOrdinal(int AOrdinal) const;
};

// A table of rows held in memory.
class TDBXMemoryTable : public TDBXTable {
  VCL_CLASS(TDBXMemoryTable, TDBXTable)
public:
  TDBXMemoryTable(const String& AName, std::vector<TDBXValueType> AColumns);

  // Adds a row at the end; it must have one value per column.
  void AddRow(TDBXRow ARow);
  int RowCount() const { return static_cast<int>(FRows.size()); }

  String DBXTableName() const override { return FName; }
  int ColumnCount() const override { return static_cast<int>(FColumns.size()); }
  const TDBXValueType& Column(int AOrdinal) const override;
  bool Next() override;
  const TDBXWritableValue& Value(int AOrdinal) const override;

private:
  String FName;
  std::vector<TDBXValueType> FColumns;
  std::vector<TDBXRow> FRows;
  int FCurrent = -1;
};

// A row of values computed by a cursor, one per derived column.
class TDBXSingleValueRow {
public:
  explicit TDBXSingleValueRow(int ACount) : FValues(ACount) {}
  TDBXWritableValue& Value(int AIndex) { return FValues.at(AIndex); }
  const TDBXWritableValue& Value(int AIndex) const { return FValues.at(AIndex); }
  void SetNull();

private:
  TDBXRow FValues;
};

// A metadata collection over an underlying cursor that it owns: the
// collection's name and column descriptions, the cursor's rows. Derived
// cursors compute some of the values themselves. (The cursor is taken by
// reference so that the column list may be computed from it in the same
// call.)
class TDBXCustomMetaDataTable : public TDBXTable {
  VCL_CLASS(TDBXCustomMetaDataTable, TDBXTable)
public:
  TDBXCustomMetaDataTable(const String& ACollectionName, std::vector<TDBXValueType> AColumns,
                          std::unique_ptr<TDBXTable>&& ACursor);

  String DBXTableName() const override { return FCollectionName; }
  int ColumnCount() const override { return static_cast<int>(FColumns.size()); }
  const TDBXValueType& Column(int AOrdinal) const override;
  bool Next() override { return FCursor->Next(); }
  const TDBXWritableValue& Value(int AOrdinal) const override;

protected:
  TDBXTable& Cursor() const { return *FCursor; }

private:
  String FCollectionName;
  std::vector<TDBXValueType> FColumns;
  std::unique_ptr<TDBXTable> FCursor;
};
