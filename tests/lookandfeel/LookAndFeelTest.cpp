// Look-and-feel objects: values assigned or inherited through the master
// chain, the painter each resolves to, change notification and its
// batching, controllers on the root, streaming and system colour changes.
#include <memory>
#include <string>
#include <vector>

#include "PaintersFixture.h"
#include "components/core/dxCore.h"
#include "components/core/dxThemeManager.h"
#include "tests/support/MessagePump.h"
#include "vcl/classes/Filer.h"
#include "vcl/classes/TypInfo.h"
#include "vcl/controls/Controls.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/Streams.h"

namespace {

using LookAndFeelTest = PaintersTest;

String Names(TcxLookAndFeelValues AValues) {
  String result;
  if (AValues.Contains(lfvKind)) result += L"K";
  if (AValues.Contains(lfvNativeStyle)) result += L"N";
  if (AValues.Contains(lfvSkinName)) result += L"S";
  return result;
}

// Records every OnChanged of a look-and-feel as the letters of its set.
struct TChangeLog {
  std::vector<String> Sets;
  explicit TChangeLog(TcxLookAndFeel& ALookAndFeel) {
    ALookAndFeel.OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues AValues) { Sets.push_back(Names(AValues)); };
  }
};

// A listener that writes what it is told into a shared journal.
class TJournalListener : public TObject,
                         public IcxLookAndFeelNotificationListener,
                         public IcxLookAndFeelNotificationListener2 {
  VCL_CLASS(TJournalListener, TObject)
public:
  TJournalListener(const std::string& AName, std::vector<std::string>& AJournal) : FName(AName), FJournal(AJournal) {}
  TObject* GetObject() override { return this; }
  void MasterLookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues) override {
    FJournal.push_back("changed " + FName);
    if (RemoveOnChange) Sender->RemoveChangeListener(this);
  }
  void MasterLookAndFeelDestroying(TcxLookAndFeel*) override { FJournal.push_back("destroying " + FName); }
  void MasterLookAndFeelBeginChange() override { FJournal.push_back("begin " + FName); }
  void MasterLookAndFeelEndChange() override { FJournal.push_back("end " + FName); }
  bool RemoveOnChange = false;

private:
  std::string FName;
  std::vector<std::string>& FJournal;
};

TcxLookAndFeel* Root() { return GetRootLookAndFeel(); }

}  // namespace

TEST_F(LookAndFeelTest, AChildFollowsTheRootUntilItAssignsAValue) {
  TcxLookAndFeel child(nullptr);
  TChangeLog log(child);
  TcxLookAndFeelController controller(nullptr);
  controller.SetKind(lfFlat);
  EXPECT_EQ(lfFlat, child.Kind());
  EXPECT_EQ(Painter(L"Flat"), child.Painter());
  EXPECT_EQ(std::vector<String>{L"K"}, log.Sets);
  EXPECT_TRUE(child.AssignedValues().Empty());

  child.SetKind(lfOffice11);
  controller.SetKind(lfStandard);
  EXPECT_EQ(lfOffice11, child.Kind());
  EXPECT_EQ(Painter(L"Office11"), child.Painter());
  EXPECT_EQ((std::vector<String>{L"K", L"K"}), log.Sets) << "the root's kind does not reach a child that set its own";

  // The value already in effect is only marked assigned.
  child.SetNativeStyle(false);
  EXPECT_EQ(2u, log.Sets.size());
  EXPECT_TRUE(child.AssignedValues().Contains(lfvNativeStyle));
}

TEST_F(LookAndFeelTest, OneAnnouncementPerUpdateBracketWithTheUnionOfTheChanges) {
  TcxLookAndFeel lookAndFeel(nullptr);
  TChangeLog log(lookAndFeel);
  lookAndFeel.BeginUpdate();
  lookAndFeel.BeginUpdate();
  lookAndFeel.SetKind(lfFlat);
  lookAndFeel.SetNativeStyle(true);
  lookAndFeel.EndUpdate();
  lookAndFeel.SetSkinName(L"Office11");
  EXPECT_TRUE(log.Sets.empty());
  lookAndFeel.EndUpdate();
  EXPECT_EQ(std::vector<String>{L"KNS"}, log.Sets);
  lookAndFeel.EndUpdate();  // unbalanced: nothing more
  EXPECT_EQ(1u, log.Sets.size());
}

// The painter each combination of values resolves to, and the active style.
TEST_F(LookAndFeelTest, ThePainterEachSettingResolvesTo) {
  const bool themes = dxThemesAvailable();
  struct TCase {
    TcxLookAndFeelKind Kind;
    bool NativeStyle;
    const wchar_t* SkinName;
    bool UseSkins;
    const wchar_t* Painter;
    TcxLookAndFeelStyle Style;
  };
  const TCase cases[] = {
      {lfFlat, false, L"", true, L"Flat", lfsFlat},
      {lfStandard, false, L"", true, L"Standard", lfsStandard},
      {lfUltraFlat, false, L"", true, L"UltraFlat", lfsUltraFlat},
      {lfOffice11, false, L"", true, L"Office11", lfsOffice11},
      {lfFlat, true, L"", true, themes ? L"Native" : L"Flat", themes ? lfsNative : lfsFlat},
      // Any registered name is a skin, whatever the case of its letters.
      {lfFlat, false, L"oFFICE11", true, L"Office11", lfsSkin},
      {lfFlat, false, L"Nowhere", true, L"Flat", lfsFlat},
      {lfFlat, false, L"Office11", false, L"Flat", lfsFlat},
      {lfStandard, true, L"Office11", true, themes ? L"Native" : L"Standard", themes ? lfsNative : lfsStandard},
  };
  for (const TCase& c : cases) {
    GlobalUseSkins = c.UseSkins;
    TcxLookAndFeel lookAndFeel(nullptr);
    lookAndFeel.SetKind(c.Kind);
    lookAndFeel.SetNativeStyle(c.NativeStyle);
    lookAndFeel.SetSkinName(c.SkinName);
    const String where = String(L"kind ") + IntToStr(static_cast<int>(c.Kind)) + L" native " +
                         IntToStr(c.NativeStyle) + L" skin " + c.SkinName + L" use skins " + IntToStr(c.UseSkins);
    EXPECT_EQ(Painter(c.Painter), lookAndFeel.Painter()) << ToUtf8(where);
    EXPECT_EQ(c.Style, lookAndFeel.ActiveStyle()) << ToUtf8(where);
    EXPECT_EQ(c.Style == lfsSkin, lookAndFeel.SkinPainter() != nullptr) << ToUtf8(where);
  }
  GlobalUseSkins = true;
}

TEST_F(LookAndFeelTest, SetStyleSetsNativeStyleAndTheKindOfTheStyle) {
  struct TCase {
    TcxLookAndFeelStyle Style;
    bool NativeStyle;
    TcxLookAndFeelKind Kind;
    bool KindAssigned;
  };
  for (const TCase& c : {TCase{lfsFlat, false, lfFlat, true}, TCase{lfsStandard, false, lfStandard, true},
                         TCase{lfsUltraFlat, false, lfUltraFlat, true}, TCase{lfsOffice11, false, lfOffice11, true},
                         TCase{lfsSkin, false, lfUltraFlat, true}, TCase{lfsNative, true, lfUltraFlat, false}}) {
    TcxLookAndFeel lookAndFeel(nullptr);
    lookAndFeel.SetStyle(c.Style);
    EXPECT_EQ(c.NativeStyle, lookAndFeel.NativeStyle()) << static_cast<int>(c.Style);
    EXPECT_EQ(c.Kind, lookAndFeel.Kind()) << static_cast<int>(c.Style);
    EXPECT_EQ(c.KindAssigned, lookAndFeel.AssignedValues().Contains(lfvKind)) << static_cast<int>(c.Style);
  }
}

TEST_F(LookAndFeelTest, MastersPassOnWhatTheirDependantsDoNotOverride) {
  TcxLookAndFeel master(nullptr), child(nullptr);
  master.SetKind(lfOffice11);
  child.SetNativeStyle(true);
  TChangeLog log(child);
  child.SetMasterLookAndFeel(&master);
  EXPECT_EQ(&master, child.MasterLookAndFeel());
  EXPECT_EQ(lfOffice11, child.Kind());
  EXPECT_EQ(std::vector<String>{L"K"}, log.Sets);

  master.SetSkinName(L"Flat");
  master.SetNativeStyle(true);  // the child set its own
  EXPECT_EQ(L"Flat", child.SkinName());
  EXPECT_EQ((std::vector<String>{L"K", L"S"}), log.Sets);

  // Back to the root, which has none of the master's values.
  child.SetMasterLookAndFeel(nullptr);
  EXPECT_EQ(Root(), child.MasterLookAndFeel());
  EXPECT_EQ(lfUltraFlat, child.Kind());
  EXPECT_EQ(L"", child.SkinName());
  EXPECT_EQ((std::vector<String>{L"K", L"S", L"KS"}), log.Sets);
  EXPECT_EQ(nullptr, Root()->MasterLookAndFeel());
}

TEST_F(LookAndFeelTest, ADestroyedMasterHandsItsDependantsToTheRoot) {
  TcxLookAndFeel child(nullptr);
  auto master = std::make_unique<TcxLookAndFeel>(nullptr);
  master->SetKind(lfFlat);
  child.SetMasterLookAndFeel(master.get());
  ASSERT_EQ(lfFlat, child.Kind());
  TChangeLog log(child);
  master.reset();
  EXPECT_EQ(std::vector<String>{L"K"}, log.Sets);
  EXPECT_EQ(Root(), child.MasterLookAndFeel());
  EXPECT_EQ(lfUltraFlat, child.Kind());
  EXPECT_EQ(Painter(L"UltraFlat"), child.Painter());
}

// A chain of masters that closes on itself would recurse without end.
TEST_F(LookAndFeelTest, AMasterWhoseChainLeadsBackIsRefused) {
  TcxLookAndFeel a(nullptr), b(nullptr), c(nullptr);
  b.SetMasterLookAndFeel(&a);
  c.SetMasterLookAndFeel(&b);
  a.SetKind(lfFlat);
  EXPECT_THROW(a.SetMasterLookAndFeel(&c), EdxException);
  EXPECT_THROW(a.SetMasterLookAndFeel(&b), EdxException);
  EXPECT_EQ(Root(), a.MasterLookAndFeel());
  a.SetMasterLookAndFeel(&a);  // itself: ignored
  EXPECT_EQ(Root(), a.MasterLookAndFeel());

  // Assign takes the source's master: the same chain is refused before
  // anything is copied.
  TcxLookAndFeel source(nullptr);
  source.SetKind(lfOffice11);
  source.SetMasterLookAndFeel(&c);
  EXPECT_THROW(a.Assign(&source), EdxException);
  EXPECT_EQ(lfFlat, a.Kind());
  EXPECT_EQ(lfFlat, c.Kind());
}

TEST_F(LookAndFeelTest, AssignCopiesValuesAndMasterAndAnnouncesOnce) {
  TcxLookAndFeel master(nullptr), source(nullptr), target(nullptr);
  master.SetSkinName(L"Flat");
  source.SetMasterLookAndFeel(&master);
  source.SetKind(lfStandard);
  TChangeLog log(target);
  target.Assign(&source);
  EXPECT_EQ(&master, target.MasterLookAndFeel());
  EXPECT_EQ(TcxLookAndFeelValues{lfvKind}, target.AssignedValues());
  EXPECT_EQ(lfStandard, target.Kind());
  EXPECT_EQ(L"Flat", target.SkinName());
  EXPECT_EQ(std::vector<String>{L"KS"}, log.Sets);
}

TEST_F(LookAndFeelTest, ListenersHearBeginThenChangesThenEnd) {
  std::vector<std::string> journal;
  TJournalListener first("1", journal), second("2", journal), third("3", journal);
  TcxLookAndFeel lookAndFeel(nullptr);
  for (TJournalListener* listener : {&first, &second, &third, &second}) lookAndFeel.AddChangeListener(listener);
  first.RemoveOnChange = true;  // must not make the second be skipped
  lookAndFeel.SetKind(lfFlat);
  EXPECT_EQ((std::vector<std::string>{"begin 1", "begin 2", "begin 3", "changed 1", "changed 2", "changed 3", "end 2",
                                      "end 3"}),
            journal);
  journal.clear();
  lookAndFeel.AddChangeListener(nullptr);
  lookAndFeel.RemoveChangeListener(&second);
  lookAndFeel.RemoveChangeListener(&third);
  lookAndFeel.SetKind(lfStandard);
  EXPECT_TRUE(journal.empty());
}

TEST_F(LookAndFeelTest, ControllersKeepTheirValuesOnTheRootUntilTheLastGoes) {
  TcxLookAndFeel other(nullptr);
  auto first = std::make_unique<TcxLookAndFeelController>(nullptr);
  auto second = std::make_unique<TcxLookAndFeelController>(nullptr);
  other.AddChangeListener(first.get());  // only the root takes controllers
  EXPECT_EQ(2, cxLookAndFeelControllerCount());
  Root()->AddChangeListener(first.get());  // listed once
  EXPECT_EQ(2, cxLookAndFeelControllerCount());

  first->SetKind(lfOffice11);
  second->SetNativeStyle(true);
  second->SetSkinName(L"Standard");
  first->SetTouchMode(true);
  EXPECT_EQ(lfOffice11, other.Kind());
  first.reset();
  EXPECT_EQ(lfOffice11, Root()->Kind());
  EXPECT_TRUE(GlobalTouchMode);
  second.reset();
  EXPECT_EQ(0, cxLookAndFeelControllerCount());
  EXPECT_TRUE(Root()->AssignedValues().Empty());
  EXPECT_EQ(lfUltraFlat, other.Kind());
  EXPECT_FALSE(other.NativeStyle());
  EXPECT_EQ(L"", other.SkinName());
  EXPECT_FALSE(GlobalTouchMode);
}

// Only assigned values are streamed; an assigned empty skin name too.
TEST_F(LookAndFeelTest, StreamingKeepsWhatWasAssigned) {
  auto roundTrip = [](TcxLookAndFeel& ASource, TcxLookAndFeel& ATarget) {
    TMemoryStream stream;
    TWriter writer(&stream);
    writer.WriteProperties(&ASource);
    writer.WriteListEnd();
    stream.SetPosition(0);
    TReader(&stream).ReadProperties(&ATarget);
    const auto* bytes = static_cast<const char*>(stream.Memory());
    return std::string(bytes, bytes + stream.Size());
  };
  TcxLookAndFeel inherited(nullptr), copy1(nullptr);
  EXPECT_EQ(1u, roundTrip(inherited, copy1).size()) << "nothing but the end of the list";
  EXPECT_TRUE(copy1.AssignedValues().Empty());

  TcxLookAndFeel emptySkin(nullptr), copy2(nullptr);
  emptySkin.SetSkinName(L"");
  emptySkin.SetKind(lfOffice11);
  const std::string bytes = roundTrip(emptySkin, copy2);
  EXPECT_NE(bytes.find("SkinName"), std::string::npos);
  EXPECT_EQ(bytes.find("NativeStyle"), std::string::npos);
  EXPECT_EQ(bytes.find("AssignedValues"), std::string::npos) << "published, never stored";
  EXPECT_EQ((TcxLookAndFeelValues{lfvKind, lfvSkinName}), copy2.AssignedValues());
  EXPECT_EQ(lfOffice11, copy2.Kind());

  TcxLookAndFeel named(nullptr), copy3(nullptr);
  named.SetSkinName(L"Flat");
  const std::string namedBytes = roundTrip(named, copy3);
  EXPECT_EQ(namedBytes.find("SkinName"), namedBytes.rfind("SkinName")) << "written once";
  EXPECT_EQ(L"Flat", copy3.SkinName());
}

TEST_F(LookAndFeelTest, AssignedValuesArePublishedAndWritingThemAnnouncesTheDifference) {
  TcxLookAndFeel lookAndFeel(nullptr);
  lookAndFeel.SetKind(lfOffice11);
  ASSERT_TRUE(IsPublishedProp(&lookAndFeel, L"AssignedValues"));
  EXPECT_EQ(tkSet, PropType(&lookAndFeel, L"AssignedValues"));
  EXPECT_EQ(L"[lfvKind]", GetSetProp(&lookAndFeel, L"AssignedValues", true));
  TChangeLog log(lookAndFeel);
  SetSetProp(&lookAndFeel, L"AssignedValues", L"[]");
  EXPECT_TRUE(lookAndFeel.AssignedValues().Empty());
  EXPECT_EQ(Root()->Kind(), lookAndFeel.Kind());  // back to the root's
  EXPECT_EQ(std::vector<String>{L"K"}, log.Sets);
  EXPECT_EQ(TControl::StaticClass(), ClassGroupOf(TcxLookAndFeelController::StaticClass()));
}

// A look-and-feel that assigned all its values does not follow the root's
// refresh; it must still let go of a painter the registry frees.
TEST_F(LookAndFeelTest, NoLookAndFeelKeepsAPainterTheRegistryFrees) {
  TcxLookAndFeel own(nullptr), skinned(nullptr);
  own.SetKind(lfFlat);
  own.SetNativeStyle(false);
  own.SetSkinName(L"");
  skinned.SetKind(lfStandard);
  skinned.SetNativeStyle(false);
  skinned.SetSkinName(L"Office11");
  ASSERT_EQ(Painter(L"Flat"), own.Painter());
  ASSERT_EQ(Painter(L"Office11"), skinned.SkinPainter());
  TChangeLog log(own);
  ASSERT_TRUE(PaintersManager->Unregister(L"Flat"));
  ASSERT_TRUE(PaintersManager->Unregister(L"Office11"));
  EXPECT_EQ(nullptr, own.Painter());
  EXPECT_FALSE(log.Sets.empty());
  EXPECT_EQ(nullptr, skinned.SkinPainter());
  EXPECT_EQ(Painter(L"Standard"), skinned.Painter());
  EXPECT_EQ(lfsStandard, skinned.ActiveStyle());
}

// The painters' own start-up registers painters before any root exists.
TEST_F(LookAndFeelTest, PaintersRegisteredWithoutARootAreFoundOnceItExists) {
  cxLookAndFeelsUnit.Finalize();
  ASSERT_EQ(nullptr, GetRootLookAndFeel());
  EXPECT_NE(nullptr, Register(L"Early", lfsSkin));
  cxLookAndFeelsUnit.Initialize();
  ASSERT_NE(nullptr, GetRootLookAndFeel());
  TcxLookAndFeel lookAndFeel(nullptr);
  lookAndFeel.SetSkinName(L"early");
  EXPECT_EQ(Painter(L"Early"), lookAndFeel.Painter());
}

TEST_F(LookAndFeelTest, SystemColourChangesReachEveryLookAndFeel) {
  TcxLookAndFeel lookAndFeel(nullptr);
  TChangeLog log(lookAndFeel);
  const int element = COLOR_BTNFACE;
  const COLORREF color = GetSysColor(element);
  ASSERT_TRUE(SetSysColors(1, &element, &color));  // the same colour: a change all the same
  ASSERT_TRUE(PumpUntil([&] { return !log.Sets.empty(); }));
  EXPECT_EQ(L"N", log.Sets.front());
}

TEST(LookAndFeelSkins, ObjectsTellWhetherTheyDrawWithSkins) {
  struct TPlain : TObject {};
  struct TMarked : TObject, IdxSkinSupport {};
  struct TAsks : TObject, IdxSkinSupport2 {
    bool Answer = false;
    bool IsSkinSupported() override { return Answer; }
  };
  TPlain plain;
  TMarked marked;
  TAsks asks;
  EXPECT_FALSE(SkinSupportQuery(&plain));
  EXPECT_TRUE(SkinSupportQuery(&marked));
  EXPECT_FALSE(SkinSupportQuery(&asks));
  asks.Answer = true;
  EXPECT_TRUE(SkinSupportQuery(&asks));
}
