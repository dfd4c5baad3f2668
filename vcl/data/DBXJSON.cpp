#include "vcl/data/DBXJSON.h"

#include <charconv>
#include <cmath>

String TJSONString::ToString() const {
  String Text = L"\"";
  for (const wchar_t C : FValue) {
    switch (C) {
      case L'"': Text += L"\\\""; break;
      case L'\\': Text += L"\\\\"; break;
      case L'\b': Text += L"\\b"; break;
      case L'\f': Text += L"\\f"; break;
      case L'\n': Text += L"\\n"; break;
      case L'\r': Text += L"\\r"; break;
      case L'\t': Text += L"\\t"; break;
      default:
        if (C < 0x20)
          Text += L"\\u" + IntToHex(C, 4);
        else
          Text += C;
    }
  }
  return Text + L"\"";
}

TJSONNumber::TJSONNumber(double AValue) : FDouble(AValue) {
  if (!std::isfinite(AValue)) throw EConvertError(L"A JSON number must be finite");
  // The shortest text that reads back the same, whatever the locale.
  char Buffer[32];
  const std::to_chars_result End = std::to_chars(Buffer, Buffer + sizeof Buffer, AValue);
  FText.assign(Buffer, End.ptr);
}

TJSONNumber::TJSONNumber(int64_t AValue)
    : FDouble(static_cast<double>(AValue)), FInt64(AValue), FText(IntToStr(AValue)) {}

int64_t TJSONNumber::AsInt64() const {
  if (FInt64) return *FInt64;
  // 2^63 is exact as a double; every double below it in magnitude fits.
  constexpr double Limit = 9223372036854775808.0;
  if (!(FDouble >= -Limit && FDouble < Limit))
    throw EConvertError(L"The JSON number " + FText + L" does not fit a 64-bit integer");
  return static_cast<int64_t>(FDouble);
}

TJSONObject* TJSONObject::AddPair(const String& Name, TJSONValue* Value) {
  FPairs.push_back(std::make_unique<TJSONPair>(Name, Value));
  return this;
}

TJSONPair* TJSONObject::Pairs(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(Format(SListIndexError, {Index}));
  return FPairs[Index].get();
}

TJSONValue* TJSONObject::GetValue(const String& Name) const {
  for (const auto& Pair : FPairs)
    if (Pair->JsonString().Value() == Name) return Pair->JsonValue();
  return nullptr;
}

String TJSONObject::ToString() const {
  String Text = L"{";
  for (size_t i = 0; i < FPairs.size(); ++i) {
    if (i) Text += L",";
    Text += FPairs[i]->JsonString().ToString() + L":" + FPairs[i]->JsonValue()->ToString();
  }
  return Text + L"}";
}
