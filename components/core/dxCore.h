#pragma once
// The bottom layer of the component library: its exception root, the
// repository of localisable resource strings, the units loader, the
// operating-system flags and small helpers.
#include <bitset>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "vcl/rtl/ResString.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/UnitStartup.h"

class TStream;
class Variant;

// Every exception class of the library derives from this one.
VCL_EXCEPTION(EdxException, Exception)

// ---------------------------------------------------------------- resource strings

class TdxProductResourceStrings;
using TdxAddResourceStringsProcedure = void (*)(TdxProductResourceStrings* AProduct);
// Called for every registered string when the texts are retranslated; the
// handler changes the text behind the record.
using TdxLocalizationTranslateResStringEvent =
    std::function<void(const String& AResStringName, PResStringRec AResString)>;

// Told when the texts were retranslated. Listeners remove themselves before
// they die; the repository does not own them.
class IdxLocalizerListener {
public:
  virtual void TranslationChanged() = 0;

protected:
  ~IdxLocalizerListener() = default;
};

// The resource strings of one product, sorted by identifier (ignoring
// case; a second identifier equal to one already there is ignored).
class TdxProductResourceStrings : public TObject {
  VCL_CLASS(TdxProductResourceStrings, TObject)
public:
  // Registers and runs AInitializeProc when it is given.
  TdxProductResourceStrings(const String& AName, TdxAddResourceStringsProcedure AInitializeProc);

  void Add(const String& AResStringName, PResStringRec AResString);
  void Clear() { FResStrings.clear(); }
  int GetIndexByName(const String& AName) const;  // -1 when absent
  const String& Names(int AIndex) const { return FResStrings.at(AIndex).first; }
  String Values(int AIndex) const { return LoadResString(FResStrings.at(AIndex).second); }
  PResStringRec ResStrings(int AIndex) const { return FResStrings.at(AIndex).second; }
  int ResStringsCount() const { return static_cast<int>(FResStrings.size()); }
  const String& Name() const { return FName; }

private:
  friend class TdxResourceStringsRepository;
  // Adds and runs AProc unless it is null or already there.
  void AddProcedure(TdxAddResourceStringsProcedure AProc);
  bool RemoveProcedure(TdxAddResourceStringsProcedure AProc);  // true when none is left
  bool Find(const String& AName, int& AIndex) const;

  String FName;
  std::vector<TdxAddResourceStringsProcedure> FInitializeProcedures;
  std::vector<std::pair<String, PResStringRec>> FResStrings;
};

// The process-wide repository in which every part of the library registers
// its resource strings under a product name.
class TdxResourceStringsRepository : public TObject {
  VCL_CLASS(TdxResourceStringsRepository, TObject)
public:
  TdxResourceStringsRepository() = default;
  ~TdxResourceStringsRepository() override;

  void RegisterProduct(const String& AProductName, TdxAddResourceStringsProcedure AAddStringsProc);
  // A null procedure removes the product; otherwise the procedure is
  // removed and the product goes with its last procedure.
  void UnRegisterProduct(const String& AProductName,
                         TdxAddResourceStringsProcedure AAddStringsProc = nullptr);
  void AddListener(IdxLocalizerListener* AListener);
  void RemoveListener(IdxLocalizerListener* AListener);
  void NotifyListeners();
  // Hands every registered string to OnTranslateResString.
  void Translate();
  // The current text of the first string so named; empty when none is.
  String GetOriginalValue(const String& AName) const;
  int GetProductIndexByName(const String& AName) const;
  int ProductsCount() const { return static_cast<int>(FProducts.size()); }
  TdxProductResourceStrings* Products(int AIndex) const { return FProducts.at(AIndex).get(); }

  TdxLocalizationTranslateResStringEvent OnTranslateResString;

private:
  std::vector<IdxLocalizerListener*> FListeners;
  std::vector<std::unique_ptr<TdxProductResourceStrings>> FProducts;
};

// The process-wide repository, created on first use; null once dxCore has
// shut down.
TdxResourceStringsRepository* dxResStringsRepositoryInstance();
// The current text of one of the library's resource strings.
inline String dxTranslatedResString(const TResStringRec& AResString) {
  return LoadResString(&AResString);
}

// ---------------------------------------------------------------- units loader

using TdxUnitProcedure = void (*)();

// Runs the start-up and shut-down steps of library units: at once in a
// program, or inside a plain DLL when the host asks for it (Initialize).
class TdxUnitsLoader : public TObject {
  VCL_CLASS(TdxUnitsLoader, TObject)
public:
  explicit TdxUnitsLoader(bool AInPlainLibrary);
  ~TdxUnitsLoader() override;

  void AddUnit(TdxUnitProcedure AInitializeProc, TdxUnitProcedure AFinalizeProc);
  void RemoveUnit(TdxUnitProcedure AFinalizeProc);
  void Initialize();
  void Finalize();
  bool UnitsInitialized() const { return FUnitsInitialized; }
  bool HasFinalizeProcedures() const { return !FFinalizeList.empty(); }

private:
  bool FInPlainLibrary;
  bool FUnitsInitialized = false;
  std::vector<TdxUnitProcedure> FInitializeList;
  std::vector<TdxUnitProcedure> FFinalizeList;
};

// The process-wide loader, created on first use; null once dxCore has shut
// down.
TdxUnitsLoader* dxUnitsLoaderInstance();

// ---------------------------------------------------------------- operating system

extern bool dxOsWin9x, dxOsWin95, dxOsWin98, dxOsWinMe;
extern bool dxOsNT, dxOsWin2000, dxOsWin2000Up, dxOsWinXP, dxOsWinXPUp, dxOsWin2000OrXP;
extern bool dxOsVista, dxOsVistaUp, dxOsWin7, dxOsWin7Up, dxOsWin8, dxOsWin8Up;
extern bool dxOsWin10, dxOsWin10Up, dxOsWow64;

// Sets the flags from the platform id and version that the system reports.
void dxDetectWindowsVersion();
// Sets the flags for the given platform id (1 the 9x family, 2 NT) and
// version; Windows 10 and later are then recognised by the workstation
// information, as the version numbers may be capped for compatibility.
void dxDetectWindowsVersion(uint32_t APlatformId, uint32_t AMajor, uint32_t AMinor);

// ---------------------------------------------------------------- helpers

// True when the running module is a DLL rather than the program.
bool dxIsPlainLibraryModule();

inline void dxFillZero(void* P, size_t ACount) { std::memset(P, 0, ACount); }
void* dxAllocZeroed(size_t ASize);
void dxFreeBlock(void* P);
inline void dxSwapIntegers(int32_t& A, int32_t& B) { std::swap(A, B); }
inline void dxMoveMemory(const void* ASource, void* ADest, size_t ACount) {
  std::memmove(ADest, ASource, ACount);
}

// The CT_CTYPE1 type word of one character; 0 when the system cannot tell.
uint16_t dxCharTypeFlags(Char C);
bool dxCharIsLetter(Char C);
bool dxCharIsDigit(Char C);
// False for codes above 255, else whether ASet holds the code.
inline bool dxCharInAnsiSet(Char C, const std::bitset<256>& ASet) { return C <= 255 && ASet[C]; }

// The locale's text for AType, or ADefault when the locale has none.
String dxLocaleInfoText(uint32_t ALocale, uint32_t AType, const String& ADefault);

// Calls the event when it is assigned.
inline void dxFireNotifyEvent(const TNotifyEvent& AEvent, TObject* ASender) {
  if (AEvent) AEvent(ASender);
}

void dxStreamWriteInt32(TStream* AStream, int32_t AValue);  // 4 bytes, little-endian

// A string variant, or an array variant of one dimension.
bool dxVarIsBinaryData(const Variant& V);
// A one-dimensional array: its elements as bytes; anything else: its text
// in the system's ANSI code page.
std::string dxVariantToAnsiBytes(const Variant& V);
// String variants: their text; anything else: dxVariantToAnsiBytes read in
// the system's ANSI code page.
String dxVariantToWideText(const Variant& V);
inline String dxVariantToText(const Variant& V) { return dxVariantToWideText(V); }

// Bytes in a code page and UTF-16 text; empty input gives empty output, and
// ALength < 0 means the whole input.
String dxAnsiToWideCodePage(const std::string& S, uint32_t ACodePage, int ALength = -1);
std::string dxWideToAnsiCodePage(const String& W, uint32_t ACodePage, int ALength = -1);

extern const TUnitEntry dxCoreUnit;
