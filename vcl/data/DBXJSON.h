#pragma once
// JSON values: true, false, null, strings, numbers and objects, with their
// text value (Value) and their JSON text (ToString).
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "vcl/rtl/SysUtils.h"

class TJSONValue : public TObject {
  VCL_CLASS(TJSONValue, TObject)
public:
  // The value as plain text: a string's characters, a number's digits,
  // "true", "false" or "null".
  virtual String Value() const = 0;
  // The value written as JSON.
  virtual String ToString() const { return Value(); }
  virtual bool Null() const { return false; }
};

class TJSONTrue : public TJSONValue {
  VCL_CREATABLE_CLASS(TJSONTrue, TJSONValue)
public:
  TJSONTrue() = default;
  String Value() const override { return L"true"; }
};

class TJSONFalse : public TJSONValue {
  VCL_CREATABLE_CLASS(TJSONFalse, TJSONValue)
public:
  TJSONFalse() = default;
  String Value() const override { return L"false"; }
};

class TJSONNull : public TJSONValue {
  VCL_CREATABLE_CLASS(TJSONNull, TJSONValue)
public:
  TJSONNull() = default;
  String Value() const override { return L"null"; }
  bool Null() const override { return true; }
};

class TJSONString : public TJSONValue {
  VCL_CLASS(TJSONString, TJSONValue)
public:
  explicit TJSONString(String AValue = String()) : FValue(std::move(AValue)) {}
  String Value() const override { return FValue; }
  // Quoted, with quotes, back-slashes and control characters escaped.
  String ToString() const override;

private:
  String FValue;
};

class TJSONNumber : public TJSONValue {
  VCL_CLASS(TJSONNumber, TJSONValue)
public:
  explicit TJSONNumber(double AValue);
  explicit TJSONNumber(int64_t AValue);
  explicit TJSONNumber(int AValue) : TJSONNumber(static_cast<int64_t>(AValue)) {}
  // Digits with "." as the decimal point whatever the locale.
  String Value() const override { return FText; }
  double AsDouble() const { return FDouble; }
  // The integer a number was made of, exactly; a fractional one cut toward
  // zero. EConvertError when the number lies beyond the integer's range.
  int64_t AsInt64() const;

private:
  double FDouble;
  std::optional<int64_t> FInt64;  // set when made of an integer
  String FText;
};

// A name and the value it owns.
class TJSONPair : public TObject {
  VCL_CLASS(TJSONPair, TObject)
public:
  TJSONPair(const String& Name, TJSONValue* Value) : FName(Name), FValue(Value) {}
  const TJSONString& JsonString() const { return FName; }
  TJSONValue* JsonValue() const { return FValue.get(); }

private:
  TJSONString FName;
  std::unique_ptr<TJSONValue> FValue;
};

// An object: pairs in the order they were added; it owns them.
class TJSONObject : public TJSONValue {
  VCL_CREATABLE_CLASS(TJSONObject, TJSONValue)
public:
  TJSONObject() = default;
  // Takes ownership of Value; returns this object for chaining.
  TJSONObject* AddPair(const String& Name, TJSONValue* Value);
  int Count() const { return static_cast<int>(FPairs.size()); }
  TJSONPair* Pairs(int Index) const;
  // The value of the first pair of that name (compared exactly), or null.
  TJSONValue* GetValue(const String& Name) const;
  String Value() const override { return ToString(); }
  String ToString() const override;

private:
  std::vector<std::unique_ptr<TJSONPair>> FPairs;
};
