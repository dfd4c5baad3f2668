#include "codelib/UclUnicode.h"

#include <array>
#include <cstring>
#include <optional>

#include "codelib/UclBase.h"
#include "codelib/UclSynch.h"
#include "codelib/UclSysInfo.h"
#include "codelib/UclUnitVersioning.h"

TUnicodeCompareFunction UnicodeCompareFunction = nullptr;
TUclCriticalSection* UnicodeDataLock = nullptr;

uint32_t CodePageOfLocale(uint32_t Locale) {
  wchar_t buffer[7] = {};
  GetLocaleInfoW(Locale, LOCALE_IDEFAULTANSICODEPAGE, buffer, 6);
  int codePage;
  return TryStrToInt(buffer, codePage) ? static_cast<uint32_t>(codePage) : GetACP();
}

int CompareWideTextNative(const String& A, const String& B, uint32_t Locale) {
  return CompareStringW(Locale, NORM_IGNORECASE, A.data(), Length(A), B.data(), Length(B)) - 2;
}

namespace {

// The text in the code page, one byte per character (none replaced by a
// default character).
std::string InCodePage(const String& S, uint32_t CodePage) {
  std::string bytes(S.size(), '\0');
  const int length = WideCharToMultiByte(CodePage, 0, S.data(), Length(S), bytes.data(), Length(S),
                                         nullptr, nullptr);
  bytes.resize(length);
  return bytes;
}

}  // namespace

int CompareWideTextAnsi(const String& A, const String& B, uint32_t Locale) {
  const uint32_t codePage = CodePageOfLocale(Locale);
  const std::string a = InCodePage(A, codePage), b = InCodePage(B, codePage);
  return CompareStringA(Locale, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                        static_cast<int>(b.size())) -
         2;
}

// ---------------------------------------------------------------- property data

const TTypeInfo CharacterCategoryTypeInfo = EnumTypeInfo(
    L"TCharacterCategory",
    {L"ccLetterUppercase", L"ccLetterLowercase", L"ccLetterTitlecase", L"ccLetterModifier", L"ccLetterOther",
     L"ccMarkNonSpacing", L"ccMarkSpacingCombining", L"ccMarkEnclosing", L"ccNumberDecimalDigit",
     L"ccNumberLetter", L"ccNumberOther", L"ccPunctuationConnector", L"ccPunctuationDash",
     L"ccPunctuationOpen", L"ccPunctuationClose", L"ccPunctuationInitialQuote", L"ccPunctuationFinalQuote",
     L"ccPunctuationOther", L"ccSymbolMath", L"ccSymbolCurrency", L"ccSymbolModifier", L"ccSymbolOther",
     L"ccSeparatorSpace", L"ccSeparatorLine", L"ccSeparatorParagraph", L"ccOtherControl", L"ccOtherFormat",
     L"ccOtherSurrogate", L"ccOtherPrivate", L"ccOtherUnassigned", L"ccLeftToRight", L"ccRightToLeft",
     L"ccRightToLeftArabic", L"ccEuropeanNumber", L"ccEuropeanNumberSeparator", L"ccEuropeanNumberTerminator",
     L"ccArabicNumber", L"ccCommonNumberSeparator", L"ccNonSpacingMark", L"ccBoundaryNeutral",
     L"ccParagraphSeparator", L"ccSegmentSeparator", L"ccWhiteSpace", L"ccOtherNeutrals",
     L"ccLeftToRightEmbedding", L"ccLeftToRightOverride", L"ccRightToLeftEmbedding", L"ccRightToLeftOverride",
     L"ccPopDirectionalFormat", L"ccLeftToRightIsolate", L"ccRightToLeftIsolate", L"ccFirstStrongIsolate",
     L"ccPopDirectionalIsolate"});
const TTypeInfo CharacterCategoriesTypeInfo{tkSet, L"TCharacterCategories"};
const TTypeInfo CompatibilityFormattingTagTypeInfo =
    EnumTypeInfo(L"TCompatibilityFormattingTag",
                 {L"cftCanonical", L"cftFont", L"cftNoBreak", L"cftInitial", L"cftMedial", L"cftFinal",
                  L"cftIsolated", L"cftCircle", L"cftSuper", L"cftSub", L"cftVertical", L"cftWide", L"cftNarrow",
                  L"cftSmall", L"cftSquare", L"cftFraction", L"cftCompat"});
const TTypeInfo CaseTypeTypeInfo = EnumTypeInfo(L"TCaseType", {L"ctFold", L"ctLower", L"ctTitle", L"ctUpper"});
const TTypeInfo UcNumberTypeInfo{tkRecord, L"TUcNumber"};

namespace {

constexpr UCS4 CodePointCount = 0x110000;

// The records of one "UNICODEDATA" resource of the executable (the layout
// is the build step's, MakeUnicodeData.py).
class TUnicodeDataReader {
public:
  explicit TUnicodeDataReader(const wchar_t* Name) : FName(Name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, Name, L"UNICODEDATA");
    HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    FData = data ? static_cast<const uint8_t*>(LockResource(data)) : nullptr;
    if (!FData) Damaged();
    FSize = SizeofResource(module, info);
    FCount = Read<uint32_t>();
  }
  uint32_t Count() const { return FCount; }
  bool AtEnd() const { return FPosition == FSize; }

  template <class T>
  T Read() {
    if (FSize - FPosition < sizeof(T)) Damaged();
    T value;
    std::memcpy(&value, FData + FPosition, sizeof(T));
    FPosition += sizeof(T);
    return value;
  }
  UCS4 ReadCode() {
    const UCS4 code = Read<uint32_t>();
    if (code >= CodePointCount) Damaged();
    return code;
  }
  TUCS4Array ReadCodes(size_t Count) {
    TUCS4Array codes(Count);
    for (UCS4& code : codes) code = ReadCode();
    return codes;
  }
  [[noreturn]] void Damaged() const {
    throw EUclInternalError(Format(L"The Unicode data \"%s\" is missing or damaged", {String(FName)}));
  }

private:
  const wchar_t* FName;
  const uint8_t* FData = nullptr;
  size_t FSize = 0, FPosition = 0;
  uint32_t FCount = 0;
};

// A value for every code point in 256 blocks, each made when a value in it
// is set; values never set read as T{}.
template <class T>
class TUnicodeBlocks {
public:
  static constexpr UCS4 BlockSize = CodePointCount / 256;
  T Get(UCS4 Code) const {
    if (Code >= CodePointCount) return T{};
    const auto& block = FBlocks[Code / BlockSize];
    return block ? (*block)[Code % BlockSize] : T{};
  }
  void Set(UCS4 Code, T Value) {
    auto& block = FBlocks[Code / BlockSize];
    if (!block) block = std::make_unique<std::array<T, BlockSize>>();
    (*block)[Code % BlockSize] = Value;
  }

private:
  std::array<std::unique_ptr<std::array<T, BlockSize>>, 256> FBlocks;
};

// Category entries keep the general category and the bidirectional class,
// each plus one, so that 0 stands for the commonest: unassigned, left to
// right.
constexpr TCharacterCategories DefaultCategories{ccOtherUnassigned, ccLeftToRight};

struct TCategoryTable {
  TUnicodeBlocks<uint16_t> Entries;
  explicit TCategoryTable(TUnicodeDataReader& Reader) {
    for (uint32_t i = 0; i < Reader.Count(); ++i) {
      const UCS4 first = Reader.ReadCode(), last = Reader.ReadCode();
      const auto general = Reader.Read<uint8_t>(), bidi = Reader.Read<uint8_t>();
      Reader.Read<uint16_t>();
      if (first > last || general >= ToInt(ccLeftToRight) || bidi < ToInt(ccLeftToRight) ||
          bidi > ToInt(ccPopDirectionalIsolate))
        Reader.Damaged();
      if (TCharacterCategories{TCharacterCategory(general), TCharacterCategory(bidi)} == DefaultCategories) continue;
      for (UCS4 code = first; code <= last; ++code) Entries.Set(code, uint16_t((general + 1) | (bidi + 1) << 8));
    }
  }
  static int ToInt(TCharacterCategory Category) { return static_cast<int>(Category); }
  TCharacterCategories Lookup(UCS4 Code) const {
    const uint16_t entry = Entries.Get(Code);
    if (entry == 0) return DefaultCategories;
    return {TCharacterCategory((entry & 0xFF) - 1), TCharacterCategory((entry >> 8) - 1)};
  }
};

// Tables whose entries number mapping records from 1 (0: none).
template <class Record>
struct TMappingTable {
  TUnicodeBlocks<uint32_t> Index;
  std::vector<Record> Records;
  const Record* Lookup(UCS4 Code) const {
    const uint32_t index = Index.Get(Code);
    return index ? &Records[index - 1] : nullptr;
  }
  void Add(UCS4 Code, Record Value) {
    Records.push_back(std::move(Value));
    Index.Set(Code, static_cast<uint32_t>(Records.size()));
  }
};

using TCaseRecord = std::array<TUCS4Array, 4>;  // by TCaseType

struct TCaseTable : TMappingTable<TCaseRecord> {
  explicit TCaseTable(TUnicodeDataReader& Reader) {
    for (uint32_t i = 0; i < Reader.Count(); ++i) {
      const UCS4 code = Reader.ReadCode();
      uint8_t counts[4];
      for (uint8_t& count : counts) count = Reader.Read<uint8_t>();
      TCaseRecord mappings;
      for (int kind = 0; kind < 4; ++kind) mappings[kind] = Reader.ReadCodes(counts[kind]);
      Add(code, std::move(mappings));
    }
  }
};

struct TDecompositionRecord {
  TCompatibilityFormattingTag Tag;
  TUCS4Array Codes;
};

struct TDecompositionTable : TMappingTable<TDecompositionRecord> {
  explicit TDecompositionTable(TUnicodeDataReader& Reader) {
    for (uint32_t i = 0; i < Reader.Count(); ++i) {
      const UCS4 code = Reader.ReadCode();
      const auto tag = Reader.Read<uint8_t>(), count = Reader.Read<uint8_t>();
      Reader.Read<uint16_t>();
      if (tag > static_cast<int>(cftCompat) || count == 0) Reader.Damaged();
      Add(code, {TCompatibilityFormattingTag(tag), Reader.ReadCodes(count)});
    }
  }
};

struct TCombiningTable {
  TUnicodeBlocks<uint8_t> Classes;
  explicit TCombiningTable(TUnicodeDataReader& Reader) {
    for (uint32_t i = 0; i < Reader.Count(); ++i) {
      const UCS4 first = Reader.ReadCode(), last = Reader.ReadCode();
      const uint32_t combiningClass = Reader.Read<uint32_t>();
      if (first > last || combiningClass > 255) Reader.Damaged();
      for (UCS4 code = first; code <= last; ++code) Classes.Set(code, static_cast<uint8_t>(combiningClass));
    }
  }
};

// The code points with a numeric value, in ascending order.
struct TNumberTable {
  std::vector<std::pair<UCS4, TUcNumber>> Numbers;
  explicit TNumberTable(TUnicodeDataReader& Reader) {
    for (uint32_t i = 0; i < Reader.Count(); ++i) {
      const UCS4 code = Reader.ReadCode();
      TUcNumber number;
      number.Denominator = Reader.Read<int32_t>();
      number.Numerator = Reader.Read<int64_t>();
      if (number.Denominator <= 0 || (!Numbers.empty() && Numbers.back().first >= code)) Reader.Damaged();
      Numbers.emplace_back(code, number);
    }
  }
};

// The canonical pairs that compose, in ascending order of the pair.
struct TCompositionTable {
  struct TEntry {
    UCS4 First, Second, Composite;
    auto Key() const { return std::pair(First, Second); }
  };
  std::vector<TEntry> Entries;
  explicit TCompositionTable(TUnicodeDataReader& Reader) {
    for (uint32_t i = 0; i < Reader.Count(); ++i) {
      TEntry entry;
      entry.First = Reader.ReadCode();
      entry.Second = Reader.ReadCode();
      entry.Composite = Reader.ReadCode();
      if (!Entries.empty() && Entries.back().Key() >= entry.Key()) Reader.Damaged();
      Entries.push_back(entry);
    }
  }
};

// The property tables, each read from its resource when first asked for
// and released at shut-down.
struct TUnicodeTables {
  std::optional<TCategoryTable> Categories;
  std::optional<TCaseTable> Cases;
  std::optional<TCombiningTable> Combining;
  std::optional<TDecompositionTable> Decompositions;
  std::optional<TNumberTable> Numbers;
  std::optional<TCompositionTable> Compositions;
};
TUnicodeTables* UnicodeTables = nullptr;

template <class Table>
const Table& LoadedTable(std::optional<Table> TUnicodeTables::*Member, const wchar_t* ResourceName) {
  if (!UnicodeDataLock) throw EUclInternalError(L"The Unicode data is not prepared");
  UnicodeDataLock->Enter();
  try {
    if (!UnicodeTables) UnicodeTables = new TUnicodeTables();
    std::optional<Table>& table = UnicodeTables->*Member;
    if (!table) {
      TUnicodeDataReader reader(ResourceName);
      std::optional<Table> read(std::in_place, reader);
      if (!reader.AtEnd()) reader.Damaged();
      table = std::move(read);
    }
    UnicodeDataLock->Leave();
    return *table;
  } catch (...) {
    UnicodeDataLock->Leave();
    throw;
  }
}

}  // namespace

TCharacterCategories CategoryLookup(UCS4 Code) {
  return LoadedTable(&TUnicodeTables::Categories, L"CATEGORIES").Lookup(Code);
}

TUCS4Array CaseLookup(UCS4 Code, TCaseType CaseType) {
  const TCaseRecord* mappings = LoadedTable(&TUnicodeTables::Cases, L"CASE").Lookup(Code);
  if (!mappings || (*mappings)[static_cast<int>(CaseType)].empty()) return {Code};
  return (*mappings)[static_cast<int>(CaseType)];
}

uint8_t CanonicalCombiningClass(UCS4 Code) {
  return LoadedTable(&TUnicodeTables::Combining, L"COMBINING").Classes.Get(Code);
}

TUCS4Array DecompositionLookup(UCS4 Code, TCompatibilityFormattingTag& Tag) {
  const TDecompositionRecord* record =
      LoadedTable(&TUnicodeTables::Decompositions, L"DECOMPOSITION").Lookup(Code);
  if (!record) return {};
  Tag = record->Tag;
  return record->Codes;
}

bool NumberLookup(UCS4 Code, TUcNumber& Number) {
  const auto& numbers = LoadedTable(&TUnicodeTables::Numbers, L"NUMBERS").Numbers;
  const auto found = std::lower_bound(numbers.begin(), numbers.end(), Code,
                                      [](const auto& entry, UCS4 code) { return entry.first < code; });
  if (found == numbers.end() || found->first != Code) return false;
  Number = found->second;
  return true;
}

bool CompositionLookup(UCS4 First, UCS4 Second, UCS4& Composite) {
  const auto& entries = LoadedTable(&TUnicodeTables::Compositions, L"COMPOSITION").Entries;
  const auto key = std::pair(First, Second);
  const auto found = std::lower_bound(entries.begin(), entries.end(), key,
                                      [](const auto& entry, const auto& k) { return entry.Key() < k; });
  if (found == entries.end() || found->Key() != key) return false;
  Composite = found->Composite;
  return true;
}

void PrepareUnicodeCategoryData() {
  UnicodeDataLock = new TUclCriticalSection();
  UnicodeCompareFunction = IsWinNT ? CompareWideTextNative : CompareWideTextAnsi;
}

void ReleaseUnicodeData() {
  delete std::exchange(UnicodeTables, nullptr);
  delete UnicodeDataLock;
  UnicodeDataLock = nullptr;
}

namespace {

const TUnitVersionInfo UnitVersioning = UclUnitVersionInfo(UclCommonSource);

void UclUnicodeInitialize() {
  PrepareUnicodeCategoryData();
  AddUnitVersionRecord(UclModuleInstance(), &UnitVersioning);
}

void UclUnicodeFinalize() {
  RemoveUnitVersionRecord(UclModuleInstance());
  ReleaseUnicodeData();
}

}  // namespace

const TUnitEntry UclUnicodeUnit{L"UclUnicode", UclUnicodeInitialize, UclUnicodeFinalize};
