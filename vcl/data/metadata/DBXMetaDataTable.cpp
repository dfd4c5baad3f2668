#include "vcl/data/metadata/DBXMetaDataTable.h"

// ---------------------------------------------------------------- TDBXWritableValue

String TDBXWritableValue::AsString() const {
  switch (FValue.index()) {
    case 1: return std::get<String>(FValue);
    case 2: return IntToStr(std::get<int64_t>(FValue));
    case 3: return std::get<bool>(FValue) ? L"True" : L"False";
    default: return String();
  }
}

int64_t TDBXWritableValue::AsInt64() const {
  switch (FValue.index()) {
    case 1: return StrToInt64(Trim(std::get<String>(FValue)));
    case 2: return std::get<int64_t>(FValue);
    case 3: return std::get<bool>(FValue) ? 1 : 0;
    default: return 0;
  }
}

bool TDBXWritableValue::AsBoolean() const {
  switch (FValue.index()) {
    case 1: {
      const String& text = std::get<String>(FValue);
      if (SameText(text, L"True")) return true;
      if (SameText(text, L"False")) return false;
      throw EConvertError(Format(L"'%s' is not a valid boolean value", {text}));
    }
    case 2: return std::get<int64_t>(FValue) != 0;
    case 3: return std::get<bool>(FValue);
    default: return false;
  }
}

// ---------------------------------------------------------------- TDBXTable

int TDBXTable::ColumnOrdinal(const String& AName) const {
  for (int i = 0; i < ColumnCount(); ++i)
    if (SameText(Column(i).Name, AName)) return i;
  return -1;
}

void TDBXTable::CheckOrdinal(int AOrdinal) const {
  if (AOrdinal < 0 || AOrdinal >= ColumnCount())
    throw EArgumentException(Format(L"Column ordinal %d is out of range for \"%s\" (%d columns)",
                                    {AOrdinal, DBXTableName(), ColumnCount()}));
}

// ---------------------------------------------------------------- TDBXMemoryTable

TDBXMemoryTable::TDBXMemoryTable(const String& AName, std::vector<TDBXValueType> AColumns)
    : FName(AName), FColumns(std::move(AColumns)) {}

void TDBXMemoryTable::AddRow(TDBXRow ARow) {
  if (ARow.size() != FColumns.size())
    throw EArgumentException(Format(L"A row of \"%s\" needs %d values, not %d",
                                    {FName, ColumnCount(), static_cast<int>(ARow.size())}));
  FRows.push_back(std::move(ARow));
}

const TDBXValueType& TDBXMemoryTable::Column(int AOrdinal) const {
  CheckOrdinal(AOrdinal);
  return FColumns[AOrdinal];
}

bool TDBXMemoryTable::Next() {
  if (FCurrent < RowCount()) ++FCurrent;
  return FCurrent < RowCount();
}

const TDBXWritableValue& TDBXMemoryTable::Value(int AOrdinal) const {
  CheckOrdinal(AOrdinal);
  if (FCurrent < 0 || FCurrent >= RowCount())
    throw EInvalidOperation(Format(L"\"%s\" has no current row", {FName}));
  return FRows[FCurrent][AOrdinal];
}

// ---------------------------------------------------------------- TDBXSingleValueRow

void TDBXSingleValueRow::SetNull() {
  for (TDBXWritableValue& value : FValues) value.SetNull();
}

// ---------------------------------------------------------------- TDBXCustomMetaDataTable

TDBXCustomMetaDataTable::TDBXCustomMetaDataTable(const String& ACollectionName,
                                                 std::vector<TDBXValueType> AColumns,
                                                 std::unique_ptr<TDBXTable>&& ACursor)
    : FCollectionName(ACollectionName), FColumns(std::move(AColumns)), FCursor(std::move(ACursor)) {}

const TDBXValueType& TDBXCustomMetaDataTable::Column(int AOrdinal) const {
  CheckOrdinal(AOrdinal);
  return FColumns[AOrdinal];
}

const TDBXWritableValue& TDBXCustomMetaDataTable::Value(int AOrdinal) const {
  CheckOrdinal(AOrdinal);
  return FCursor->Value(AOrdinal);
}
