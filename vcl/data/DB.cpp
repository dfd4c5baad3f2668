#include "vcl/data/DB.h"

#include <cmath>
#include <limits>

#include "vcl/rtl/DateUtils.h"

namespace {

using TKind = TDBValue::TKind;

const TDBValue NullValue;

// The text of a value of the given type.
String TextOf(const TDBValue& V, TFieldType Type) {
  switch (V.Kind) {
    case TKind::Null: return String();
    case TKind::Integer: return IntToStr(V.Int);
    case TKind::Float: return FloatToStr(V.Float);
    case TKind::Text: return V.Text;
    case TKind::Boolean: return V.Int ? L"True" : L"False";
    case TKind::DateTime:
      if (Type == ftDate) return DateToStr(V.Float);
      if (Type == ftTime) return TimeToStr(V.Float);
      return DateTimeToStr(V.Float);
  }
  return String();
}

int64_t RoundHalfEven(double Value) {
  if (!std::isfinite(Value) || std::fabs(Value) >= 9.2e18)
    throw EConvertError(FloatToStr(Value) + L" is not a valid integer value");
  return static_cast<int64_t>(std::nearbyint(Value));
}

// The integer of a value; false for a kind that has no integer reading.
bool TryLargeIntOf(const TDBValue& V, int64_t& Result) {
  switch (V.Kind) {
    case TKind::Null: Result = 0; return true;
    case TKind::Integer:
    case TKind::Boolean: Result = V.Int; return true;
    case TKind::Float: Result = RoundHalfEven(V.Float); return true;
    case TKind::Text: Result = StrToInt64(V.Text); return true;
    case TKind::DateTime: return false;
  }
  return false;
}

int32_t CheckedInteger(int64_t Value) {
  if (Value < std::numeric_limits<int32_t>::min() || Value > std::numeric_limits<int32_t>::max())
    throw EConvertError(IntToStr(Value) + L" is not a valid integer value");
  return static_cast<int32_t>(Value);
}

bool TryFloatOf(const TDBValue& V, double& Result) {
  switch (V.Kind) {
    case TKind::Null: Result = 0; return true;
    case TKind::Integer: Result = static_cast<double>(V.Int); return true;
    case TKind::Float:
    case TKind::DateTime: Result = V.Float; return true;
    case TKind::Text: Result = StrToFloat(V.Text); return true;
    case TKind::Boolean: return false;
  }
  return false;
}

bool TryDateTimeOf(const TDBValue& V, TDateTime& Result) {
  switch (V.Kind) {
    case TKind::Null: Result = 0; return true;
    case TKind::DateTime: Result = V.Float; return true;
    case TKind::Text: Result = StrToDateTime(V.Text); return true;
    default: return false;
  }
}

bool TryBooleanOf(const TDBValue& V, bool& Result) {
  switch (V.Kind) {
    case TKind::Null: Result = false; return true;
    case TKind::Boolean:
    case TKind::Integer: Result = V.Int != 0; return true;
    case TKind::Text:
      if (SameText(V.Text, L"True")) Result = true;
      else if (SameText(V.Text, L"False")) Result = false;
      else throw EConvertError(L"'" + V.Text + L"' is not a valid boolean value");
      return true;
    default: return false;
  }
}

Variant VariantOf(const TDBValue& V, TFieldType Type) {
  switch (V.Kind) {
    case TKind::Null: return Null();
    case TKind::Integer:
      return Type == ftLargeint ? Variant(static_cast<long long>(V.Int)) : Variant(static_cast<int>(V.Int));
    case TKind::Float: return Variant(V.Float);
    case TKind::Text: return Variant(V.Text);
    case TKind::DateTime: return VarFromDateTime(V.Float);
    case TKind::Boolean: return Variant(V.Int != 0);
  }
  return Null();
}

bool IsNameChar(wchar_t C) {
  return (C >= L'0' && C <= L'9') || (C >= L'A' && C <= L'Z') || (C >= L'a' && C <= L'z') || C == L'_' ||
         C == L'$' || C > 127;
}

// The end of a quoted text that starts at Start (the quote character is
// doubled inside it); the length of the text when it is not closed.
size_t QuotedEnd(const String& S, size_t Start) {
  const wchar_t Quote = S[Start];
  for (size_t i = Start + 1; i < S.size(); ++i) {
    if (S[i] != Quote) continue;
    if (i + 1 < S.size() && S[i + 1] == Quote) {
      ++i;
      continue;
    }
    return i + 1;
  }
  return S.size();
}

// The end of an alternative-quoted text q'<d>...<d>' that starts at Start
// (its "q"): no quote is doubled inside, it ends at the closing delimiter
// before a quote ("{" closes with "}", and likewise "(", "[" and "<").
// Zero when no such text starts there.
size_t AlternativeQuotedEnd(const String& S, size_t Start) {
  const bool starts = (S[Start] == L'q' || S[Start] == L'Q') && Start + 2 < S.size() &&
                      S[Start + 1] == L'\'' && (Start == 0 || !IsNameChar(S[Start - 1]));
  if (!starts) return 0;
  const wchar_t Open = S[Start + 2];
  const String Pairs = L"{}()[]<>";
  const size_t Pair = Pairs.find(Open);
  const wchar_t Close = Pair != String::npos && Pair % 2 == 0 ? Pairs[Pair + 1] : Open;
  for (size_t i = Start + 3; i + 1 < S.size(); ++i)
    if (S[i] == Close && S[i + 1] == L'\'') return i + 2;
  return S.size();
}

}  // namespace

// ---------------------------------------------------------------- TField

TField::TField(TDataSet& DataSet, const TDBXColumn& Column, int Index)
    : FDataSet(DataSet), FColumn(Column), FIndex(Index) {}

const TDBValue& TField::Current() const {
  const TDBValue* Value = FDataSet.CurrentValue(FIndex);
  return Value ? *Value : NullValue;
}

void TField::AccessError(const wchar_t* TypeName) const {
  throw EDatabaseError(L"Cannot access field '" + FieldName() + L"' as type " + TypeName);
}

String TField::AsString() const { return TextOf(Current(), DataType()); }

int64_t TField::AsLargeInt() const {
  int64_t Result;
  if (!TryLargeIntOf(Current(), Result)) AccessError(L"Largeint");
  return Result;
}

int TField::AsInteger() const {
  int64_t Result;
  if (!TryLargeIntOf(Current(), Result)) AccessError(L"Integer");
  return CheckedInteger(Result);
}

double TField::AsFloat() const {
  double Result;
  if (!TryFloatOf(Current(), Result)) AccessError(L"Float");
  return Result;
}

TDateTime TField::AsDateTime() const {
  TDateTime Result;
  if (!TryDateTimeOf(Current(), Result)) AccessError(L"DateTime");
  return Result;
}

bool TField::AsBoolean() const {
  bool Result;
  if (!TryBooleanOf(Current(), Result)) AccessError(L"Boolean");
  return Result;
}

Variant TField::Value() const { return VariantOf(Current(), DataType()); }

// ---------------------------------------------------------------- TParam

Variant TParam::Value() const { return FBound ? VariantOf(FValue, FDataType) : Variant(); }

void TParam::SetValue(const Variant& Value) {
  switch (Value.VType() & varTypeMask) {
    case varNull:
    case varEmpty: Clear(); break;
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varByte:
    case varWord: SetAsInteger(Value.AsInteger()); break;
    case varLongWord:
    case varInt64:
    case varUInt64: SetAsLargeInt(Value.AsInt64()); break;
    case varSingle:
    case varDouble:
    case varCurrency: SetAsFloat(Value.AsDouble()); break;
    case varDate: SetAsDateTime(Value.AsDateTime()); break;
    case varBoolean: SetAsBoolean(Value.AsBoolean()); break;
    case varOleStr:
    case varString:
    case varUString: SetAsString(Value.AsString()); break;
    default: throw EDatabaseError(L"Parameter '" + FName + L"' cannot take a value of that kind");
  }
}

String TParam::AsString() const { return TextOf(FValue, FDataType); }

int64_t TParam::AsLargeInt() const {
  int64_t Result;
  if (!TryLargeIntOf(FValue, Result)) throw EDatabaseError(L"Parameter '" + FName + L"' is not a number");
  return Result;
}

int TParam::AsInteger() const { return CheckedInteger(AsLargeInt()); }

double TParam::AsFloat() const {
  double Result;
  if (!TryFloatOf(FValue, Result)) throw EDatabaseError(L"Parameter '" + FName + L"' is not a number");
  return Result;
}

TDateTime TParam::AsDateTime() const {
  TDateTime Result;
  if (!TryDateTimeOf(FValue, Result)) throw EDatabaseError(L"Parameter '" + FName + L"' is not a date");
  return Result;
}

bool TParam::AsBoolean() const {
  bool Result;
  if (!TryBooleanOf(FValue, Result)) throw EDatabaseError(L"Parameter '" + FName + L"' is not a Boolean");
  return Result;
}

void TParam::SetDBValue(const TDBValue& Value, TFieldType DataType) {
  FValue = Value;
  FDataType = DataType;
  FBound = true;
}

void TParam::SetAsString(const String& Value) { SetDBValue(TDBValue::OfText(Value), ftString); }
void TParam::SetAsInteger(int Value) { SetDBValue(TDBValue::OfInteger(Value), ftInteger); }
void TParam::SetAsLargeInt(int64_t Value) { SetDBValue(TDBValue::OfInteger(Value), ftLargeint); }
void TParam::SetAsFloat(double Value) { SetDBValue(TDBValue::OfFloat(Value), ftFloat); }
void TParam::SetAsDateTime(TDateTime Value) { SetDBValue(TDBValue::OfDateTime(Value), ftTimeStamp); }
void TParam::SetAsDate(TDateTime Value) { SetDBValue(TDBValue::OfDateTime(std::trunc(Value)), ftDate); }
void TParam::SetAsBoolean(bool Value) { SetDBValue(TDBValue::OfBoolean(Value), ftBoolean); }

// ---------------------------------------------------------------- TParams

TParam* TParams::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(Format(SListIndexError, {Index}));
  return FItems[Index].get();
}

TParam* TParams::FindParam(const String& Name) const {
  for (const auto& Item : FItems)
    if (SameText(Item->Name(), Name)) return Item.get();
  return nullptr;
}

TParam* TParams::ParamByName(const String& Name) const {
  TParam* Param = FindParam(Name);
  if (!Param) throw EDatabaseError(L"Parameter '" + Name + L"' not found");
  return Param;
}

TParam* TParams::CreateParam(const String& Name) {
  FItems.push_back(std::make_unique<TParam>(Name));
  return FItems.back().get();
}

void TParams::Rebuild(const std::vector<String>& Names) {
  std::vector<std::unique_ptr<TParam>> Old = std::move(FItems);
  FItems.clear();
  for (const String& Name : Names) {
    if (FindParam(Name)) continue;
    auto Same = std::find_if(Old.begin(), Old.end(),
                             [&](const std::unique_ptr<TParam>& P) { return P && SameText(P->Name(), Name); });
    FItems.push_back(Same != Old.end() ? std::move(*Same) : std::make_unique<TParam>(Name));
  }
}

String ParseSQLParams(const String& SQL, std::vector<String>& Names) {
  Names.clear();
  String Result;
  Result.reserve(SQL.size());
  size_t i = 0;
  while (i < SQL.size()) {
    const wchar_t C = SQL[i];
    size_t End = i + 1;
    if (const size_t Alternative = AlternativeQuotedEnd(SQL, i)) {
      End = Alternative;
    } else if (C == L'\'' || C == L'"') {
      End = QuotedEnd(SQL, i);
    } else if (C == L'-' && i + 1 < SQL.size() && SQL[i + 1] == L'-') {
      End = SQL.find(L'\n', i);
      End = End == String::npos ? SQL.size() : End;
    } else if (C == L'/' && i + 1 < SQL.size() && SQL[i + 1] == L'*') {
      End = SQL.find(L"*/", i + 2);
      End = End == String::npos ? SQL.size() : End + 2;
    } else if (C == L':' && i + 1 < SQL.size() && IsNameChar(SQL[i + 1])) {
      End = i + 1;
      while (End < SQL.size() && IsNameChar(SQL[End])) ++End;
      Names.push_back(SQL.substr(i + 1, End - i - 1));
      Result += L'?';
      i = End;
      continue;
    }
    Result.append(SQL, i, End - i);
    i = End;
  }
  return Result;
}

// ---------------------------------------------------------------- TDataSet

TDataSet::TDataSet(TComponent* AOwner) : TComponent(AOwner) {}

TDataSet::~TDataSet() = default;

void TDataSet::Open() {
  if (FActive) return;
  if (BeforeOpen) BeforeOpen(this);
  std::vector<TDBXColumn> Columns;
  std::vector<std::vector<TDBValue>> Rows;
  OpenCursor(Columns, Rows);
  FFields.clear();
  for (size_t i = 0; i < Columns.size(); ++i)
    FFields.push_back(std::make_unique<TField>(*this, Columns[i], static_cast<int>(i)));
  FRows = std::move(Rows);
  FRecNo = 0;
  FActive = true;
}

void TDataSet::Close() {
  if (!FActive) return;
  FActive = false;
  FFields.clear();
  FRows.clear();
  FRecNo = 0;
  CloseCursor();
}

void TDataSet::Next() {
  CheckActive();
  if (FRecNo < RecordCount()) ++FRecNo;
}

void TDataSet::CheckActive() const {
  if (!FActive) throw EDatabaseError(MessagePrefix() + L"Cannot perform this operation on a closed dataset");
}

TField* TDataSet::Fields(int Index) const {
  if (Index < 0 || Index >= FieldCount()) throw EListError(Format(SListIndexError, {Index}));
  return FFields[Index].get();
}

TField* TDataSet::FindField(const String& FieldName) const {
  for (const auto& Field : FFields)
    if (SameText(Field->FieldName(), FieldName)) return Field.get();
  return nullptr;
}

TField* TDataSet::FieldByName(const String& FieldName) const {
  TField* Field = FindField(FieldName);
  if (!Field) throw EDatabaseError(MessagePrefix() + L"Field '" + FieldName + L"' not found");
  return Field;
}

String TDataSet::MessagePrefix() const { return Name().empty() ? String() : Name() + L": "; }

const TDBValue* TDataSet::CurrentValue(int FieldIndex) const {
  if (!FActive || FRecNo >= RecordCount()) return nullptr;
  return &FRows[FRecNo][FieldIndex];
}
