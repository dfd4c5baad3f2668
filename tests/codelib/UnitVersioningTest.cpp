// The unit-version registry: version keywords, per-module records, and one
// registry shared by the program and a library it loads.
#include <gtest/gtest.h>

#include "codelib/UclBase.h"
#include "codelib/UclUnitVersioning.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/WinApi.h"

namespace {

TUnitVersionInfo Record(const wchar_t* RCSfile, const wchar_t* Revision, const wchar_t* Date,
                        const wchar_t* Extra = L"") {
  return {RCSfile, Revision, Date, L" UCL\\source\\common ", Extra, nullptr};
}

}  // namespace

TEST(UnitVersioningTest, VersionKeywordsAreReadWithoutTheirMarks) {
  const struct {
    const wchar_t* RCSfile;
    const wchar_t* Revision;
    const wchar_t* Date;
    const wchar_t* ExpectedFile;
    const wchar_t* ExpectedRevision;
    const wchar_t* ExpectedDate;
    TDateTime ExpectedDateTime;
  } cases[] = {
      {L"$URL$", L"$Revision$", L"$Date$", L"$URL$", L"$Revision$", L"$Date$", 0},
      {L"$RCSfile: UclBase.pas,v $", L"$Revision: 1.42 $", L"$Date: 2009/10/20 14:35:12 $",
       L"UclBase.pas", L"1.42", L"2009/10/20 14:35:12", EncodeDateTime(2009, 10, 20, 14, 35, 12, 0)},
      {L"$URL: https://example.org/svn/ucl/trunk/source/common/UclBase.pas $", L" $Revision: 3042 $ ",
       L"$Date: 2009-10-20 14:35:12 +0200 (Tue, 20 Oct 2009) $", L"UclBase.pas", L"3042",
       L"2009-10-20 14:35:12 +0200 (Tue, 20 Oct 2009)", EncodeDateTime(2009, 10, 20, 14, 35, 12, 0)},
      {L"UclSynch.pas", L"7", L"10-21-2009 08:05:09", L"UclSynch.pas", L"7", L"10-21-2009 08:05:09",
       EncodeDateTime(2009, 10, 21, 8, 5, 9, 0)},
      {L"UclSynch.pas", L"7", L"21.10.2009 08:05", L"UclSynch.pas", L"7", L"21.10.2009 08:05",
       EncodeDateTime(2009, 10, 21, 8, 5, 0, 0)},
      {L"UclSynch.pas", L"7", L"2009/10/21 08/05/09", L"UclSynch.pas", L"7", L"2009/10/21 08/05/09",
       EncodeDateTime(2009, 10, 21, 8, 5, 9, 0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Date);
    const TUnitVersionInfo info = Record(c.RCSfile, c.Revision, c.Date);
    const TUnitVersion unit(&info);
    EXPECT_EQ(c.ExpectedFile, unit.RCSfile());
    EXPECT_EQ(c.ExpectedRevision, unit.Revision());
    EXPECT_EQ(c.ExpectedDate, unit.Date());
    EXPECT_NEAR(c.ExpectedDateTime, unit.DateTime(), 1e-9);
  }
}

TEST(UnitVersioningTest, SummaryJoinsTheTextsWithTabs) {
  const TUnitVersionInfo plain = Record(L"$URL$", L"$Revision$", L"$Date$");
  EXPECT_EQ(L"UCL\\source\\common\t$URL$\t$Revision$\t$Date$", TUnitVersion(&plain).Summary());
  const TUnitVersionInfo extra = Record(L"$URL$", L"$Revision$", L"$Date$", L" patched ");
  EXPECT_EQ(L"UCL\\source\\common\t$URL$\t$Revision$\t$Date$\tpatched", TUnitVersion(&extra).Summary());
  const TUnitVersionInfo none = Record(L"$URL$", L"$Revision$", L"$Date$", nullptr);
  EXPECT_EQ(L"", TUnitVersion(&none).Extra());
}

TEST(UnitVersioningTest, AnImpossibleDateRaises) {
  const TUnitVersionInfo info = Record(L"x", L"1", L"2009-13-40 10:00:00");
  EXPECT_THROW(TUnitVersion(&info).DateTime(), EConvertError);
}

TEST(UnitVersioningTest, RecordsAreKeptPerModuleAndFoundByName) {
  TUnitVersioning registry;
  const TUnitVersionInfo a = Record(L"UnitA.pas", L"1", L"$Date$");
  const TUnitVersionInfo b = Record(L"UnitB.pas", L"1", L"$Date$");
  const HINSTANCE program = GetModuleHandleW(nullptr);
  const HINSTANCE kernel = GetModuleHandleW(L"kernel32.dll");
  registry.AddUnitRecord(program, &a);
  registry.AddUnitRecord(program, &a);  // the same record once
  registry.AddUnitRecord(program, &b);
  registry.AddUnitRecord(kernel, &a);   // once more, for another module
  EXPECT_EQ(2, registry.ModuleCount());
  EXPECT_EQ(3, registry.Count());
  EXPECT_EQ(2, registry.Modules(0)->Count());
  EXPECT_EQ(1, registry.IndexOf(L"unitb.PAS"));
  EXPECT_EQ(1, registry.IndexOf(L"UnitB.pas", L"ucl\\SOURCE\\common"));
  EXPECT_EQ(-1, registry.IndexOf(L"UnitB.pas", L"UCL\\source\\windows"));
  EXPECT_EQ(&b, registry.FindUnit(L"UnitB.pas")->Info());
  EXPECT_EQ(&a, registry.Items(2)->Info());
  EXPECT_EQ(nullptr, registry.Items(3));

  registry.DropModule(program);
  EXPECT_EQ(1, registry.ModuleCount());
  EXPECT_EQ(kernel, registry.Modules(0)->Instance());
}

namespace {

// Records what the registry tells it.
class TRecordingProvider : public TCustomUnitVersioningProvider {
  VCL_CREATABLE_CLASS(TRecordingProvider, TCustomUnitVersioningProvider)
public:
  TRecordingProvider() = default;
  void LoadModuleUnitVersioningInfo(HINSTANCE Instance) override { Loaded.push_back(Instance); }
  void ReleaseModuleUnitVersioningInfo(HINSTANCE Instance) override { Released.push_back(Instance); }
  static inline std::vector<HINSTANCE> Loaded, Released;
};

}  // namespace

TEST(UnitVersioningTest, ProvidersAreHeldOnceAndToldOfEveryModuleDropped) {
  TUnitVersioning registry;
  registry.RegisterProvider(TRecordingProvider::StaticClass());
  registry.RegisterProvider(TRecordingProvider::StaticClass());
  const auto module = reinterpret_cast<HINSTANCE>(0x10000);
  registry.LoadModuleUnitVersioningInfo(module);
  registry.DropModule(module);  // no records of it: the provider is told all the same
  EXPECT_EQ(std::vector<HINSTANCE>{module}, TRecordingProvider::Loaded);
  EXPECT_EQ(std::vector<HINSTANCE>{module}, TRecordingProvider::Released);
}

TEST(UnitVersioningTest, TheLibrarysUnitsRegisterTheirRecordsAtStartUp) {
  TUnitVersioning* registry = SharedUnitVersioning();
  ASSERT_NE(nullptr, registry);
  EXPECT_EQ(1, registry->ModuleCount());
  EXPECT_EQ(UclModuleInstance(), registry->Modules(0)->Instance());
  EXPECT_EQ(10, registry->Count());
  EXPECT_EQ(L"$URL$", registry->Items(0)->RCSfile());
  EXPECT_EQ(SharedUnitVersioning(), registry);
}

TEST(UnitVersioningTest, AfterItsShutDownTheRegistryIsGoneAndRecordsAreIgnored) {
  UclUnitVersioningUnit.Finalize();
  EXPECT_EQ(nullptr, SharedUnitVersioning());
  const TUnitVersionInfo info = Record(L"Late.pas", L"1", L"$Date$");
  AddUnitVersionRecord(UclModuleInstance(), &info);
  RemoveUnitVersionRecord(UclModuleInstance());
  EXPECT_EQ(nullptr, SharedUnitVersioning());
  UclUnitVersioningUnit.Initialize();
  ASSERT_NE(nullptr, SharedUnitVersioning());
  EXPECT_EQ(1, SharedUnitVersioning()->Count());
}

// ---------------------------------------------------------------- one registry for all modules

namespace {

// The test library, loaded beside the program and freed at the end.
class TTestLibrary {
public:
  TTestLibrary() : FModule(LoadLibraryW(L"UclTestLib.dll")) {
    if (!FModule) throw Exception(L"UclTestLib.dll cannot be loaded");
  }
  ~TTestLibrary() { Free(); }
  void Free() {
    if (FModule) FreeLibrary(FModule);
    FModule = nullptr;
  }
  template <class F>
  F* Function(const char* Name) const {
    return reinterpret_cast<F*>(GetProcAddress(FModule, Name));
  }
  void Start() const { Function<void()>("UclTestLibStart")(); }
  void Stop() const { Function<void()>("UclTestLibStop")(); }
  TUnitVersioning* Registry() const { return Function<TUnitVersioning*()>("UclTestLibRegistry")(); }
  HINSTANCE Instance() const { return Function<HINSTANCE()>("UclTestLibInstance")(); }

private:
  HMODULE FModule;
};

}  // namespace

TEST(UnitVersioningTest, AProgramAndItsLibraryShareOneRegistry) {
  TTestLibrary library;
  library.Start();
  TUnitVersioning* registry = SharedUnitVersioning();
  EXPECT_EQ(registry, library.Registry());
  ASSERT_EQ(2, registry->ModuleCount());
  EXPECT_EQ(library.Instance(), registry->Modules(1)->Instance());
  EXPECT_EQ(4, registry->Modules(1)->Count());
  EXPECT_EQ(14, registry->Count());

  library.Stop();
  EXPECT_EQ(1, registry->ModuleCount());
  EXPECT_EQ(10, registry->Count());
}

TEST(UnitVersioningTest, AModuleNoLongerLoadedIsDroppedFromTheAnswers) {
  TTestLibrary library;
  library.Start();
  TUnitVersioning* registry = SharedUnitVersioning();
  ASSERT_EQ(2, registry->ModuleCount());
  library.Free();  // gone without removing its records
  EXPECT_EQ(1, registry->ModuleCount());
  EXPECT_EQ(10, registry->Count());
}

TEST(UnitVersioningTest, ALibraryOutlivingTheOwnerDoesNotReachTheFreedRegistry) {
  TTestLibrary library;
  library.Start();
  ASSERT_EQ(SharedUnitVersioning(), library.Registry());
  UclUnitVersioningUnit.Finalize();  // the program, the owner, lets its registry go
  EXPECT_EQ(nullptr, library.Registry());
  library.Stop();
  UclUnitVersioningUnit.Initialize();
}
