// The painter registry: order, lookup by name and by style, duplicates,
// removal with its listeners; and the routines the painters share.
#include <string>
#include <vector>

#include "PaintersFixture.h"
#include "components/core/cxGraphics.h"

namespace {

using PaintersManagerTest = PaintersTest;

std::vector<String> RegisteredNames() {
  std::vector<String> names;
  for (int i = 0; i < PaintersManager->Count(); ++i) names.push_back(PaintersManager->Items(i)->LookAndFeelName());
  return names;
}

// Writes what it hears, with whether the painter was freed by then.
class TJournalPainterListener : public IcxLookAndFeelPainterListener {
public:
  TJournalPainterListener(const std::string& AName, std::vector<std::string>& AJournal, const bool* AFreed = nullptr)
      : FName(AName), FJournal(AJournal), FFreed(AFreed) {}
  void PainterAdded(TcxCustomLookAndFeelPainter* APainter) override {
    FJournal.push_back(FName + " added " + ToUtf8(APainter->LookAndFeelName()));
  }
  void PainterRemoved(TcxCustomLookAndFeelPainter* APainter) override {
    FJournal.push_back(FName + " removed " + ToUtf8(APainter->LookAndFeelName()) +
                       (FFreed && *FFreed ? " (already freed)" : ""));
  }

private:
  std::string FName;
  std::vector<std::string>& FJournal;
  const bool* FFreed;
};

}  // namespace

TEST_F(PaintersManagerTest, PaintersAreKeptSortedByName) {
  EXPECT_EQ((std::vector<String>{L"Flat", L"Native", L"Office11", L"Standard", L"UltraFlat"}), RegisteredNames());
  Register(L"Zeta", lfsSkin);
  Register(L"Alpha", lfsSkin);
  EXPECT_EQ((std::vector<String>{L"Alpha", L"Flat", L"Native", L"Office11", L"Standard", L"UltraFlat", L"Zeta"}),
            RegisteredNames());
  EXPECT_THROW(PaintersManager->Items(7), EListError);
  EXPECT_THROW(PaintersManager->Items(-1), EListError);
}

TEST_F(PaintersManagerTest, LookupByStyleAndByName) {
  TcxCustomLookAndFeelPainter* found = nullptr;
  EXPECT_FALSE(PaintersManager->GetPainter(lfsSkin, found));
  EXPECT_EQ(nullptr, PaintersManager->GetPainter(lfsSkin));
  // Of two painters of one style, the one whose name sorts first.
  TcxCustomLookAndFeelPainter* zeta = Register(L"Zeta", lfsSkin);
  TcxCustomLookAndFeelPainter* beta = Register(L"Beta", lfsSkin);
  EXPECT_TRUE(PaintersManager->GetPainter(lfsSkin, found));
  EXPECT_EQ(beta, found);
  EXPECT_EQ(zeta, PaintersManager->GetPainter(L"zETA"));
  EXPECT_EQ(lfsOffice11, PaintersManager->GetPainter(L"office11")->LookAndFeelStyle());
  EXPECT_FALSE(PaintersManager->GetPainter(L"Nowhere", found));
  EXPECT_EQ(nullptr, found);
  EXPECT_EQ(nullptr, PaintersManager->GetPainter(String()));
}

TEST(LookAndFeelNames, OnlyTheAsciiLettersIgnoreCase) {
  struct TCase {
    const wchar_t* A;
    const wchar_t* B;
    bool Same;
  };
  for (const TCase& c : {TCase{L"Flat", L"fLAT", true}, TCase{L"", L"", true}, TCase{L"Flat", L"Flat ", false},
                         TCase{L"\u00e9t\u00e9", L"\u00c9T\u00c9", false}, TCase{L"[a]", L"{A}", false},
                         TCase{L"Office11", L"OFFICE11", true}})
    EXPECT_EQ(c.Same, cxSameLookAndFeelName(c.A, c.B)) << ToUtf8(c.A) << " / " << ToUtf8(c.B);
}

// The registry takes the caller's painter over either way: a refused one
// is freed by the registry, and the caller holds no pointer to it.
TEST_F(PaintersManagerTest, ADuplicateNameIsRefusedAndThePainterFreed) {
  TcxCustomLookAndFeelPainter* flat = Painter(L"Flat");
  bool freed = false;
  EXPECT_FALSE(PaintersManager->Register(std::make_unique<TTestPainter>(L"fLaT", lfsSkin, &freed)));
  EXPECT_TRUE(freed);
  EXPECT_EQ(flat, Painter(L"FLAT"));
  EXPECT_EQ(lfsFlat, Painter(L"Flat")->LookAndFeelStyle());
  EXPECT_EQ(5, PaintersManager->Count());
}

TEST_F(PaintersManagerTest, RegistrationRefreshesTheRootBeforeListenersHear) {
  std::vector<std::string> journal;
  TJournalPainterListener first("first", journal), second("second", journal);
  PaintersManager->AddListener(&first);
  PaintersManager->AddListener(&second);
  PaintersManager->AddListener(&first);  // listed once
  GetRootLookAndFeel()->OnChanged = [&](TcxLookAndFeel*, TcxLookAndFeelValues) { journal.push_back("root refreshed"); };
  Register(L"Skin", lfsSkin);
  GetRootLookAndFeel()->OnChanged = nullptr;
  PaintersManager->RemoveListener(&first);
  PaintersManager->RemoveListener(&second);
  EXPECT_EQ((std::vector<std::string>{"root refreshed", "second added Skin", "first added Skin"}), journal);
}

TEST_F(PaintersManagerTest, UnregisterTellsListenersThenFreesThePainter) {
  bool freed = false;
  Register(L"Skin", lfsSkin, &freed);
  std::vector<std::string> journal;
  TJournalPainterListener first("first", journal, &freed), second("second", journal, &freed);
  PaintersManager->AddListener(&first);
  PaintersManager->AddListener(&second);
  EXPECT_FALSE(PaintersManager->Unregister(L"Nowhere"));
  EXPECT_TRUE(journal.empty());
  EXPECT_TRUE(PaintersManager->Unregister(L"SKIN"));
  PaintersManager->RemoveListener(&first);
  PaintersManager->RemoveListener(&second);
  EXPECT_EQ((std::vector<std::string>{"second removed Skin", "first removed Skin"}), journal);
  EXPECT_TRUE(freed);
  EXPECT_EQ(nullptr, Painter(L"Skin"));
}

TEST_F(PaintersManagerTest, APainterIsFreedEvenWhenAListenerRaises) {
  struct TRaising : IcxLookAndFeelPainterListener {
    void PainterAdded(TcxCustomLookAndFeelPainter*) override {}
    void PainterRemoved(TcxCustomLookAndFeelPainter*) override { throw EdxException(L"listener failed"); }
  } raising;
  bool freed = false;
  Register(L"Skin", lfsSkin, &freed);
  PaintersManager->AddListener(&raising);
  EXPECT_THROW(PaintersManager->Unregister(L"Skin"), EdxException);
  PaintersManager->RemoveListener(&raising);
  EXPECT_TRUE(freed);
  EXPECT_EQ(nullptr, Painter(L"Skin"));
}

TEST(PaintersRoutines, TouchModeRaisesPositiveSizesToItsMinimum) {
  const int minimum = cxScaleByCurrentDPI(27);
  struct TCase {
    bool TouchMode;
    int Value;
    int Expected;
  };
  for (const TCase& c : {TCase{true, 0, 0}, TCase{true, -5, -5}, TCase{true, 10, minimum}, TCase{true, 30, 30},
                         TCase{false, 10, 10}}) {
    GlobalTouchMode = c.TouchMode;
    int value = c.Value;
    dxRaiseToTouchMinimum(value);
    EXPECT_EQ(c.Expected, value) << c.TouchMode << " " << c.Value;
  }
  GlobalTouchMode = true;
  TSize size{5, 0};
  dxRaiseSizeToTouchMinimum(size);
  EXPECT_EQ(minimum, size.cx);
  EXPECT_EQ(0, size.cy);
  GlobalTouchMode = false;
}

TEST(PaintersRoutines, SchedulerPolygonsAndSplitterBounds) {
  TPoints points;
  GetSchedulerMilestonePolygon(TRect(0, 0, 9, 12), points);  // a 9-pixel square, an 8-pixel diamond
  EXPECT_EQ((TPoints{{0, 5}, {4, 1}, {8, 5}, {4, 9}}), points);
  GetSchedulerMilestonePolygon(TRect(10, 20, 22, 30), points);  // 10 high: centred across
  EXPECT_EQ((TPoints{{11, 25}, {16, 20}, {21, 25}, {16, 30}}), points);
  GetSchedulerGroupPolygon(TRect(0, 0, 20, 14), points);
  EXPECT_EQ((TPoints{{0, 2}, {19, 2}, {19, 12}, {14, 7}, {5, 7}, {0, 12}}), points);
  TRect inner;
  SplitterInnerRect(TRect(1, 2, 11, 12), inner);
  EXPECT_EQ(TRect(3, 4, 9, 10), inner);
}
