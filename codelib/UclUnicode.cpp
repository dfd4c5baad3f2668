#include "codelib/UclUnicode.h"

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

void PrepareUnicodeCategoryData() {
  UnicodeDataLock = new TUclCriticalSection();
  UnicodeCompareFunction = IsWinNT ? CompareWideTextNative : CompareWideTextAnsi;
}

void ReleaseUnicodeData() {
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
