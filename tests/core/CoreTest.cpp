#include <gtest/gtest.h>

#include <vector>

#include "components/core/cxLibraryStrs.h"
#include "components/core/dxCore.h"
#include "vcl/rtl/Streams.h"
#include "vcl/rtl/Variants.h"
#include "vcl/rtl/WinApi.h"

namespace {

TResStringRec sFirst{L"first text"};
TResStringRec sSecond{L"second text"};
std::vector<String> Calls;

void AddFirst(TdxProductResourceStrings* AProduct) {
  Calls.push_back(L"first");
  AProduct->Add(L"sFirst", &sFirst);
}

void AddSecond(TdxProductResourceStrings* AProduct) {
  Calls.push_back(L"second");
  AProduct->Add(L"sSecond", &sSecond);
  AProduct->Add(L"SFIRST", &sSecond);  // equal ignoring case: ignored
}

class TListener : public IdxLocalizerListener {
public:
  TListener(std::vector<String>& ALog, const String& AName) : FLog(ALog), FName(AName) {}
  void TranslationChanged() override { FLog.push_back(FName); }

private:
  std::vector<String>& FLog;
  String FName;
};

}  // namespace

TEST(ResourceStrings, ProductsAndTheirProcedures) {
  Calls.clear();
  TdxResourceStringsRepository repository;
  repository.RegisterProduct(L"Test", AddFirst);
  repository.RegisterProduct(L"Test", AddFirst);
  repository.RegisterProduct(L"Test", AddSecond);
  EXPECT_EQ(Calls, (std::vector<String>{L"first", L"second"})) << "each procedure runs once";
  ASSERT_EQ(repository.ProductsCount(), 1);
  EXPECT_EQ(repository.GetProductIndexByName(L"TEST"), -1) << "product names are case-sensitive";

  TdxProductResourceStrings* product = repository.Products(0);
  ASSERT_EQ(product->ResStringsCount(), 2);
  EXPECT_EQ(product->Names(0), L"sFirst");
  EXPECT_EQ(product->Values(0), L"first text");
  EXPECT_EQ(product->GetIndexByName(L"ssecond"), 1);
  EXPECT_EQ(product->GetIndexByName(L"sThird"), -1);

  repository.UnRegisterProduct(L"Test", AddFirst);
  ASSERT_EQ(repository.ProductsCount(), 1) << "one procedure is left";
  EXPECT_EQ(repository.GetOriginalValue(L"sFirst"), L"first text") << "its strings stay";
  repository.UnRegisterProduct(L"Unknown");
  repository.UnRegisterProduct(L"Test", AddSecond);
  EXPECT_EQ(repository.ProductsCount(), 0);
  EXPECT_EQ(repository.GetOriginalValue(L"sFirst"), L"");

  repository.RegisterProduct(L"Other", AddFirst);
  repository.UnRegisterProduct(L"Other");
  EXPECT_EQ(repository.ProductsCount(), 0) << "no procedure given: the product goes";
}

TEST(ResourceStrings, TranslationAndListeners) {
  TdxResourceStringsRepository repository;
  repository.RegisterProduct(L"Test", AddFirst);
  repository.Translate();  // no handler: nothing happens
  EXPECT_EQ(dxTranslatedResString(sFirst), L"first text");

  std::vector<String> translated;
  repository.OnTranslateResString = [&](const String& AName, PResStringRec AResString) {
    translated.push_back(AName);
    AResString->Text = L"primeiro texto";
  };
  repository.Translate();
  EXPECT_EQ(translated, (std::vector<String>{L"sFirst"}));
  EXPECT_EQ(dxTranslatedResString(sFirst), L"primeiro texto");
  EXPECT_EQ(repository.GetOriginalValue(L"sFirst"), L"primeiro texto");
  sFirst.Text = L"first text";

  std::vector<String> told;
  TListener a(told, L"a"), b(told, L"b");
  repository.AddListener(&a);
  repository.AddListener(&b);
  repository.AddListener(&a);
  repository.NotifyListeners();
  repository.RemoveListener(&a);
  repository.NotifyListeners();
  EXPECT_EQ(told, (std::vector<String>{L"a", L"b", L"b"}));
}

TEST(ResourceStrings, LibraryStringsAreRegisteredAtStartUp) {
  TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance();
  ASSERT_NE(repository, nullptr);
  const int index = repository->GetProductIndexByName(cxLibraryProductName);
  ASSERT_GE(index, 0);
  EXPECT_EQ(repository->Products(index)->ResStringsCount(), 26);
  EXPECT_EQ(repository->GetOriginalValue(L"scxLockedStateText"), L"Please wait...");
  EXPECT_EQ(repository->GetOriginalValue(L"scxCantOpenRegistryKey"),
            L"Can't open the registry key: \\%s");
  EXPECT_EQ(dxTranslatedResString(cxSDateEOM), L"eom");
}

namespace {

std::vector<String> UnitLog;
void InitA() { UnitLog.push_back(L"init A"); }
void FinA() { UnitLog.push_back(L"fin A"); }
void InitB() { UnitLog.push_back(L"init B"); }
void FinB() { UnitLog.push_back(L"fin B"); }

}  // namespace

TEST(UnitsLoader, RunsUnitsAtOnceInAProgram) {
  EXPECT_FALSE(dxIsPlainLibraryModule());
  UnitLog.clear();
  {
    TdxUnitsLoader loader(false);
    loader.AddUnit(InitA, FinA);
    loader.AddUnit(InitB, FinB);
    EXPECT_EQ(UnitLog, (std::vector<String>{L"init A", L"init B"}));
    loader.RemoveUnit(FinA);
    loader.RemoveUnit(FinA);  // no longer there: nothing
  }
  EXPECT_EQ(UnitLog, (std::vector<String>{L"init A", L"init B", L"fin A", L"fin B"}));
}

TEST(UnitsLoader, QueuesUnitsInAPlainLibraryUntilTheHostAsks) {
  UnitLog.clear();
  TdxUnitsLoader loader(true);
  loader.AddUnit(InitA, FinA);
  loader.AddUnit(InitB, FinB);
  loader.RemoveUnit(FinB);  // not initialised yet: not run
  EXPECT_TRUE(UnitLog.empty());
  loader.AddUnit(InitB, FinB);
  loader.Initialize();
  loader.Finalize();
  loader.Finalize();  // only once
  EXPECT_EQ(UnitLog, (std::vector<String>{L"init A", L"init B", L"init B", L"fin B", L"fin A"}));
  EXPECT_FALSE(loader.UnitsInitialized());
}

TEST(OperatingSystem, FlagsFromTheVersion) {
  struct Case {
    uint32_t Platform, Major, Minor;
    std::vector<bool*> Set;
  };
  const std::vector<Case> cases{
      {1, 4, 0, {&dxOsWin9x, &dxOsWin95}},
      {1, 4, 10, {&dxOsWin9x, &dxOsWin98}},
      {1, 4, 90, {&dxOsWin9x, &dxOsWinMe}},
      {2, 5, 0, {&dxOsNT, &dxOsWin2000, &dxOsWin2000Up, &dxOsWin2000OrXP}},
      {2, 5, 1, {&dxOsNT, &dxOsWin2000Up, &dxOsWinXP, &dxOsWinXPUp, &dxOsWin2000OrXP}},
      {2, 6, 0, {&dxOsNT, &dxOsWin2000Up, &dxOsWinXPUp, &dxOsVista, &dxOsVistaUp}},
      {2, 6, 1, {&dxOsNT, &dxOsWin2000Up, &dxOsWinXPUp, &dxOsVistaUp, &dxOsWin7, &dxOsWin7Up}},
      {2, 6, 2,
       {&dxOsNT, &dxOsWin2000Up, &dxOsWinXPUp, &dxOsVistaUp, &dxOsWin7Up, &dxOsWin8, &dxOsWin8Up}},
      {2, 6, 3, {&dxOsNT, &dxOsWin2000Up, &dxOsWinXPUp, &dxOsVistaUp, &dxOsWin7Up, &dxOsWin8Up}},
  };
  bool* const all[]{&dxOsWin9x,   &dxOsWin95,       &dxOsWin98,  &dxOsWinMe,   &dxOsNT,
                    &dxOsWin2000, &dxOsWin2000Up,   &dxOsWinXP,  &dxOsWinXPUp, &dxOsWin2000OrXP,
                    &dxOsVista,   &dxOsVistaUp,     &dxOsWin7,   &dxOsWin7Up,  &dxOsWin8,
                    &dxOsWin8Up};
  for (const Case& c : cases) {
    dxDetectWindowsVersion(c.Platform, c.Major, c.Minor);
    for (bool* flag : all) {
      const bool expected = std::find(c.Set.begin(), c.Set.end(), flag) != c.Set.end();
      EXPECT_EQ(*flag, expected) << c.Platform << " " << c.Major << "." << c.Minor << " flag #"
                                 << (flag - &dxOsWin9x);
    }
  }
  dxDetectWindowsVersion();
  // What this process really runs on: the NT family, a 64-bit process.
  EXPECT_TRUE(dxOsNT);
  EXPECT_TRUE(dxOsVistaUp);
  EXPECT_FALSE(dxOsWow64);
  EXPECT_TRUE(!dxOsWin10 || dxOsWin10Up);
}

TEST(CoreHelpers, CharactersAndLocale) {
  std::bitset<256> set;
  set.set(65);
  set.set(255);
  EXPECT_TRUE(dxCharInAnsiSet(L'A', set));
  EXPECT_TRUE(dxCharInAnsiSet(Char(255), set));
  EXPECT_FALSE(dxCharInAnsiSet(Char(256), set)) << "bit 256 % 256 must not be read";
  EXPECT_FALSE(dxCharInAnsiSet(Char(256 + 65), set));

  EXPECT_TRUE(dxCharIsLetter(L'\x00E7'));  // c cedilla
  EXPECT_FALSE(dxCharIsLetter(L'7'));
  EXPECT_TRUE(dxCharIsDigit(L'7'));
  EXPECT_FALSE(dxCharIsDigit(L'x'));

  const LCID brazil = MAKELCID(MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN), SORT_DEFAULT);
  EXPECT_EQ(dxLocaleInfoText(brazil, LOCALE_SDECIMAL, L"?"), L",");
  EXPECT_EQ(dxLocaleInfoText(brazil, 0xFFFF, L"none"), L"none");

  int fired = 0;
  dxFireNotifyEvent(nullptr, nullptr);
  dxFireNotifyEvent([&](TObject*) { ++fired; }, nullptr);
  EXPECT_EQ(fired, 1);
}

TEST(CoreHelpers, CodePagesAndStreams) {
  const String text = L"a\x00E7\x00E3o";  // "ação"
  struct Case {
    uint32_t CodePage;
    std::string Bytes;
  };
  for (const Case& c : {Case{CP_UTF8, "a\xC3\xA7\xC3\xA3o"}, Case{1252, "a\xE7\xE3o"}}) {
    EXPECT_EQ(dxWideToAnsiCodePage(text, c.CodePage), c.Bytes);
    EXPECT_EQ(dxAnsiToWideCodePage(c.Bytes, c.CodePage), text);
    EXPECT_EQ(dxWideToAnsiCodePage(text, c.CodePage, 1), "a");
    EXPECT_EQ(dxAnsiToWideCodePage(c.Bytes, c.CodePage, 99), text) << "length beyond the text";
    EXPECT_EQ(dxAnsiToWideCodePage("", c.CodePage), L"");
    EXPECT_EQ(dxWideToAnsiCodePage(L"", c.CodePage), "");
  }

  TMemoryStream stream;
  dxStreamWriteInt32(&stream, 0x01020304);
  dxStreamWriteInt32(&stream, -2);
  ASSERT_EQ(stream.Size(), 8);
  const auto* bytes = static_cast<const uint8_t*>(stream.Memory());
  EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 8),
            (std::vector<uint8_t>{4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST(CoreHelpers, VariantsAsBinaryData) {
  Variant bytes = VarArrayCreate({1, 3}, varByte);
  VarArrayPut(bytes, 0x41, {1});
  VarArrayPut(bytes, 0, {2});
  VarArrayPut(bytes, 0xFF, {3});
  EXPECT_TRUE(dxVarIsBinaryData(bytes));
  EXPECT_EQ(dxVariantToAnsiBytes(bytes), std::string("A\0\xFF", 3));

  EXPECT_TRUE(dxVarIsBinaryData(Variant(L"text")));
  EXPECT_FALSE(dxVarIsBinaryData(Variant(12)));
  EXPECT_FALSE(dxVarIsBinaryData(VarArrayCreate({0, 1, 0, 1}, varByte))) << "two dimensions";

  EXPECT_EQ(dxVariantToAnsiBytes(Variant(L"a\x00E7")), dxWideToAnsiCodePage(L"a\x00E7", CP_ACP));
  EXPECT_EQ(dxVariantToAnsiBytes(Variant(12)), "12");
  EXPECT_EQ(dxVariantToText(Variant(L"a\x00E7")), L"a\x00E7");
  EXPECT_EQ(dxVariantToText(bytes), String(L"A\0\x00FF", 3));

  Variant tooLarge = VarArrayCreate({0, 0}, varInteger);
  VarArrayPut(tooLarge, 300, {0});
  EXPECT_THROW(dxVariantToAnsiBytes(tooLarge), EVariantError) << "not a byte";
}
