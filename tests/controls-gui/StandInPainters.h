// Test painters standing in for the built-in painters of their names while
// the object lives; the built-in ones come back afterwards.
#pragma once

#include <memory>
#include <vector>

#include "components/lookandfeel/cxLookAndFeelPainters.h"

class TStandInPainters {
public:
  TStandInPainters() = default;
  TStandInPainters(const TStandInPainters&) = delete;
  TStandInPainters& operator=(const TStandInPainters&) = delete;
  ~TStandInPainters() {
    for (const String& name : FNames) PaintersManager->Unregister(name);
    cxRegisterBuiltInPainters();
  }

  void Add(std::unique_ptr<TcxCustomLookAndFeelPainter> APainter) {
    FNames.push_back(APainter->LookAndFeelName());
    PaintersManager->Unregister(FNames.back());
    PaintersManager->Register(std::move(APainter));
  }

private:
  std::vector<String> FNames;
};
