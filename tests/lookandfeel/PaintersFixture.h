#pragma once
// Painters for the look-and-feel tests: root painters answering a name and
// a style of their choosing, registered for a test and taken out after it.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/cxLookAndFeels.h"

class TTestPainter : public TcxCustomLookAndFeelPainter {
  VCL_CLASS(TTestPainter, TcxCustomLookAndFeelPainter)
public:
  TTestPainter(const String& AName, TcxLookAndFeelStyle AStyle, bool* AFreed = nullptr)
      : FName(AName), FStyle(AStyle), FFreed(AFreed) {}
  ~TTestPainter() override {
    if (FFreed) *FFreed = true;
  }
  String LookAndFeelName() override { return FName; }
  TcxLookAndFeelStyle LookAndFeelStyle() override { return FStyle; }

private:
  String FName;
  TcxLookAndFeelStyle FStyle;
  bool* FFreed;
};

// The five looks registered under their usual names for each test, in place
// of the built-in painters (given back afterwards); what a test registers
// itself it takes out again.
class PaintersTest : public ::testing::Test {
protected:
  void SetUp() override {
    while (PaintersManager->Count() > 0) PaintersManager->Unregister(PaintersManager->Items(0)->LookAndFeelName());
    for (auto [name, style] : {std::pair{L"Flat", lfsFlat}, {L"Native", lfsNative}, {L"Office11", lfsOffice11},
                               {L"Standard", lfsStandard}, {L"UltraFlat", lfsUltraFlat}})
      Register(name, style);
  }
  void TearDown() override {
    for (const String& name : FRegistered) PaintersManager->Unregister(name);
    GetRootLookAndFeel()->Reset();
    EXPECT_EQ(0, PaintersManager->Count()) << "a test left painters behind";
    cxRegisterBuiltInPainters();
  }
  // The painter now registered under AName.
  TcxCustomLookAndFeelPainter* Register(const String& AName, TcxLookAndFeelStyle AStyle, bool* AFreed = nullptr) {
    if (!PaintersManager->Register(std::make_unique<TTestPainter>(AName, AStyle, AFreed))) return nullptr;
    FRegistered.push_back(AName);
    return PaintersManager->GetPainter(AName);
  }
  static TcxCustomLookAndFeelPainter* Painter(const String& AName) { return PaintersManager->GetPainter(AName); }

private:
  std::vector<String> FRegistered;
};
