#pragma once
// Interfaces with reference counts: IInterface is the platform's IUnknown,
// identified by GUIDs; TInterfaceRef holds one counted reference (taken on
// copy, given back on destruction), as an interface variable does.
#include <utility>

#include "vcl/rtl/WinApi.h"

#include <unknwn.h>

using IInterface = IUnknown;
using TGUID = GUID;

template <class I>
class TInterfaceRef {
public:
  TInterfaceRef() = default;
  TInterfaceRef(std::nullptr_t) {}
  // Takes a reference of its own.
  TInterfaceRef(I* Value) : FValue(Value) {
    if (FValue) FValue->AddRef();
  }
  TInterfaceRef(const TInterfaceRef& Other) : TInterfaceRef(Other.FValue) {}
  TInterfaceRef(TInterfaceRef&& Other) noexcept : FValue(std::exchange(Other.FValue, nullptr)) {}
  ~TInterfaceRef() { Clear(); }
  TInterfaceRef& operator=(TInterfaceRef Other) noexcept {
    std::swap(FValue, Other.FValue);
    return *this;
  }

  // Adopts a reference that was already taken (as QueryInterface gives it).
  static TInterfaceRef Adopt(I* Value) {
    TInterfaceRef result;
    result.FValue = Value;
    return result;
  }
  void Clear() {
    if (I* value = std::exchange(FValue, nullptr)) value->Release();
  }

  I* Get() const { return FValue; }
  I* operator->() const { return FValue; }
  explicit operator bool() const { return FValue != nullptr; }
  friend bool operator==(const TInterfaceRef& A, const TInterfaceRef& B) { return A.FValue == B.FValue; }

private:
  I* FValue = nullptr;
};

// The interface IID of an object, or null when it has none.
template <class I>
TInterfaceRef<I> Supports(IInterface* Object, REFIID IID) {
  void* result = nullptr;
  if (Object && Object->QueryInterface(IID, &result) == S_OK)
    return TInterfaceRef<I>::Adopt(static_cast<I*>(result));
  return nullptr;
}

// Two references to one object: their IInterface identities are equal.
bool SameInterfaceObject(IInterface* A, IInterface* B);

class TComponent;

// Offered by an object that a component stands for: streaming writes a
// reference to the object as that component's name.
inline constexpr GUID IID_IInterfaceComponentReference{
    0xE28B1858, 0xEC86, 0x4559, {0x8F, 0xCD, 0x6B, 0x4F, 0x82, 0x41, 0x51, 0xED}};
struct IInterfaceComponentReference : IInterface {
  virtual TComponent* GetComponent() = 0;
};
