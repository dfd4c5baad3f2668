#include "vcl/classes/Interfaces.h"

bool SameInterfaceObject(IInterface* A, IInterface* B) {
  if (!A || !B) return A == B;
  const auto a = Supports<IInterface>(A, IID_IUnknown);
  const auto b = Supports<IInterface>(B, IID_IUnknown);
  return a.Get() == b.Get();
}
