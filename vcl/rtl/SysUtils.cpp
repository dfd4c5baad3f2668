#include "vcl/rtl/SysUtils.h"

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <vector>

#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/WinApi.h"

// ---------------------------------------------------------------- exceptions

const wchar_t* const SListIndexError = L"List index out of bounds (%d)";
const wchar_t* const SListCapacityError = L"List capacity out of bounds (%d)";
const wchar_t* const SListCountError = L"List count out of bounds (%d)";

Exception::Exception(const String& AMessage) { SetMessage(AMessage); }

void Exception::SetMessage(const String& AMessage) {
  FMessage = AMessage;
  FWhat = ToUtf8(AMessage);
}

String SysErrorMessage(uint32_t AErrorCode) {
  wchar_t* buffer = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                           nullptr, AErrorCode, 0, reinterpret_cast<wchar_t*>(&buffer), 0,
                           nullptr);
  String text = n ? String(buffer, n) : String();
  if (buffer) LocalFree(buffer);
  return TrimRight(text);
}

void RaiseLastOSError() { RaiseLastOSError(GetLastError()); }

void RaiseLastOSError(uint32_t AErrorCode) {
  if (AErrorCode != 0)
    throw EOSError(Format(L"System Error.  Code: %d.\n%s",
                          {static_cast<int64_t>(AErrorCode), SysErrorMessage(AErrorCode)}),
                   AErrorCode);
  throw EOSError(L"A call to an OS function failed", 0);
}

void Assert(bool ACondition, const std::source_location& ALocation) {
  if (ACondition) return;
  const String path = FromUtf8(ALocation.file_name());
  const String file = path.substr(path.find_last_of(L"/\\") + 1);
  throw EAssertionFailed(Format(L"Assertion failure (%s, line %d)", {file, static_cast<int>(ALocation.line())}));
}

// ---------------------------------------------------------------- strings

int Pos(const String& SubStr, const String& S, int Offset) {
  if (SubStr.empty() || Offset < 1 || Offset > Length(S)) return 0;
  size_t p = S.find(SubStr, static_cast<size_t>(Offset - 1));
  return p == String::npos ? 0 : static_cast<int>(p) + 1;
}

String Copy(const String& S, int Index, int Count) {
  if (Index < 1) Index = 1;
  if (Count <= 0 || Index > Length(S)) return String();
  return S.substr(static_cast<size_t>(Index - 1), static_cast<size_t>(Count));
}

String Copy(const String& S, int Index) { return Copy(S, Index, Length(S)); }

void Delete(String& S, int Index, int Count) {
  if (Index < 1 || Index > Length(S) || Count <= 0) return;
  S.erase(static_cast<size_t>(Index - 1), static_cast<size_t>(Count));
}

void Insert(const String& Source, String& S, int Index) {
  if (Index < 1) Index = 1;
  if (Index > Length(S) + 1) Index = Length(S) + 1;
  S.insert(static_cast<size_t>(Index - 1), Source);
}

String StringOfChar(Char C, int Count) { return Count > 0 ? String(Count, C) : String(); }

String UpperCase(const String& S) {
  String r = S;
  for (wchar_t& c : r)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
  return r;
}

String LowerCase(const String& S) {
  String r = S;
  for (wchar_t& c : r)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c + 32);
  return r;
}

static String MapCase(const String& S, DWORD AFlag) {
  if (S.empty()) return S;
  String r = S;
  LCMapStringW(LOCALE_USER_DEFAULT, AFlag, S.data(), Length(S), r.data(), Length(r));
  return r;
}

String AnsiUpperCase(const String& S) { return MapCase(S, LCMAP_UPPERCASE); }
String AnsiLowerCase(const String& S) { return MapCase(S, LCMAP_LOWERCASE); }

String Trim(const String& S) { return TrimLeft(TrimRight(S)); }

String TrimLeft(const String& S) {
  size_t i = 0;
  while (i < S.size() && S[i] <= L' ') ++i;
  return S.substr(i);
}

String TrimRight(const String& S) {
  size_t n = S.size();
  while (n > 0 && S[n - 1] <= L' ') --n;
  return S.substr(0, n);
}

int CompareText(const String& A, const String& B) {
  size_t n = std::min(A.size(), B.size());
  for (size_t i = 0; i < n; ++i) {
    wchar_t a = A[i], b = B[i];
    if (a >= L'a' && a <= L'z') a = static_cast<wchar_t>(a - 32);
    if (b >= L'a' && b <= L'z') b = static_cast<wchar_t>(b - 32);
    if (a != b) return static_cast<int>(a) - static_cast<int>(b);
  }
  return static_cast<int>(A.size()) - static_cast<int>(B.size());
}

bool SameText(const String& A, const String& B) {
  return A.size() == B.size() && CompareText(A, B) == 0;
}

int CompareStr(const String& A, const String& B) {
  int c = A.compare(B);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

static int CompareByLocale(const String& A, const String& B, DWORD AFlags) {
  return CompareStringW(LOCALE_USER_DEFAULT, AFlags, A.data(), Length(A), B.data(), Length(B)) -
         CSTR_EQUAL;
}

int AnsiCompareText(const String& A, const String& B) {
  return CompareByLocale(A, B, NORM_IGNORECASE);
}

int AnsiCompareStr(const String& A, const String& B) { return CompareByLocale(A, B, 0); }

bool AnsiSameText(const String& A, const String& B) { return AnsiCompareText(A, B) == 0; }

bool StartsText(const String& ASubText, const String& AText) {
  return ASubText.size() <= AText.size() &&
         SameText(ASubText, AText.substr(0, ASubText.size()));
}

bool EndsText(const String& ASubText, const String& AText) {
  return ASubText.size() <= AText.size() &&
         SameText(ASubText, AText.substr(AText.size() - ASubText.size()));
}

String QuotedStr(const String& S) {
  String r = L"'";
  for (wchar_t c : S) {
    r += c;
    if (c == L'\'') r += c;
  }
  return r + L"'";
}

String AnsiDequotedStr(const String& S, Char AQuote) {
  if (S.size() < 2 || S.front() != AQuote || S.back() != AQuote) return S;
  String r;
  for (size_t i = 1; i + 1 < S.size(); ++i) {
    r += S[i];
    if (S[i] == AQuote && i + 2 < S.size() && S[i + 1] == AQuote) ++i;
  }
  return r;
}

String StringReplace(const String& S, const String& OldPattern, const String& NewPattern,
                     TReplaceFlags Flags) {
  if (OldPattern.empty() || S.empty()) return S;
  const bool ignoreCase = Flags.Contains(rfIgnoreCase);
  const String hay = ignoreCase ? AnsiUpperCase(S) : S;
  const String needle = ignoreCase ? AnsiUpperCase(OldPattern) : OldPattern;
  String result;
  result.reserve(S.size());
  size_t from = 0;
  for (;;) {
    size_t p = hay.find(needle, from);
    if (p == String::npos) break;
    result.append(S, from, p - from);
    result += NewPattern;
    from = p + needle.size();
    if (!Flags.Contains(rfReplaceAll)) break;
  }
  result.append(S, from, String::npos);
  return result;
}

// ---------------------------------------------------------------- numbers

String IntToStr(int64_t Value) { return std::to_wstring(Value); }

String IntToHex(int64_t Value, int Digits) {
  wchar_t buf[32];
  swprintf(buf, 32, L"%0*llX", Digits, static_cast<unsigned long long>(Value));
  return buf;
}

bool TryStrToInt64(const String& S, int64_t& Value) {
  String t = Trim(S);
  if (t.empty()) return false;
  size_t i = 0;
  bool negative = false;
  if (t[0] == L'-' || t[0] == L'+') {
    negative = t[0] == L'-';
    i = 1;
  }
  int base = 10;
  if (i < t.size() && t[i] == L'$') {
    base = 16;
    ++i;
  } else if (i + 1 < t.size() && t[i] == L'0' && (t[i + 1] == L'x' || t[i + 1] == L'X')) {
    base = 16;
    i += 2;
  }
  if (i >= t.size()) return false;
  unsigned long long v = 0;
  for (; i < t.size(); ++i) {
    wchar_t c = t[i];
    int d;
    if (c >= L'0' && c <= L'9') d = c - L'0';
    else if (base == 16 && c >= L'a' && c <= L'f') d = c - L'a' + 10;
    else if (base == 16 && c >= L'A' && c <= L'F') d = c - L'A' + 10;
    else return false;
    if (v > (~0ULL - d) / base) return false;
    v = v * base + d;
  }
  const unsigned long long limit = negative ? 9223372036854775808ULL : 9223372036854775807ULL;
  if (base == 10 && v > limit) return false;
  Value = negative ? static_cast<int64_t>(0 - v) : static_cast<int64_t>(v);
  return true;
}

bool TryStrToInt(const String& S, int& Value) {
  int64_t v;
  if (!TryStrToInt64(S, v) || v < INT32_MIN || v > INT32_MAX) return false;
  Value = static_cast<int>(v);
  return true;
}

static EConvertError NotAnInteger(const String& S) {
  return EConvertError(Format(L"'%s' is not a valid integer value", {S}));
}

int StrToInt(const String& S) {
  int v;
  if (!TryStrToInt(S, v)) throw NotAnInteger(S);
  return v;
}

int64_t StrToInt64(const String& S) {
  int64_t v;
  if (!TryStrToInt64(S, v)) throw NotAnInteger(S);
  return v;
}

int StrToIntDef(const String& S, int Default) {
  int v;
  return TryStrToInt(S, v) ? v : Default;
}

String FloatToStr(double Value, const TFormatSettings& Settings) {
  if (std::isnan(Value)) return L"NAN";
  if (std::isinf(Value)) return Value > 0 ? L"INF" : L"-INF";
  wchar_t buf[64];
  swprintf(buf, 64, L"%.15G", Value);
  String r = buf;
  // The framework writes exponents as E+NN without padding zeros beyond two.
  size_t e = r.find(L'E');
  if (e != String::npos) {
    String mantissa = r.substr(0, e), exponent = r.substr(e + 1);
    wchar_t sign = exponent[0];
    exponent = exponent.substr(1);
    while (exponent.size() > 2 && exponent[0] == L'0') exponent.erase(0, 1);
    r = mantissa + L"E" + (sign == L'-' ? L"-" : L"+") + exponent;
  }
  const size_t dot = r.find(L'.');
  if (dot != String::npos) r[dot] = Settings.DecimalSeparator;
  return r;
}

String FloatToStr(double Value) { return FloatToStr(Value, FormatSettings); }

namespace {

// The picture's sections, split at ";" outside quotes.
std::vector<String> FormatSections(const String& Format) {
  std::vector<String> sections(1);
  wchar_t quote = 0;
  for (wchar_t c : Format) {
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == L'"' || c == L'\'') {
      quote = c;
    } else if (c == L';') {
      sections.emplace_back();
      continue;
    }
    sections.back() += c;
  }
  return sections;
}

}  // namespace

String FormatFloat(const String& Format, double Value, const TFormatSettings& Settings) {
  if (std::isnan(Value) || std::isinf(Value)) return FloatToStr(Value, Settings);
  const std::vector<String> sections = FormatSections(Format);
  String picture = sections[0];
  bool signShown = true;
  if (Value < 0 && sections.size() > 1 && !sections[1].empty()) {
    picture = sections[1];
    signShown = false;
  }
  // Where the placeholders are.
  int intZeros = 0, decimals = 0, decimalZeros = 0;
  bool afterPoint = false, grouping = false, anyPlaceholder = false;
  wchar_t quote = 0;
  for (wchar_t c : picture) {
    if (quote) {
      if (c == quote) quote = 0;
      continue;
    }
    if (c == L'"' || c == L'\'') quote = c;
    else if (c == L'.') afterPoint = true;
    else if (c == L',' && !afterPoint) grouping = true;
    else if (c == L'0' || c == L'#') {
      anyPlaceholder = true;
      if (afterPoint) {
        ++decimals;
        if (c == L'0') decimalZeros = decimals;
      } else if (c == L'0') {
        ++intZeros;
      }
    }
  }
  if (!anyPlaceholder) return picture.empty() ? FloatToStr(Value, Settings) : picture;
  wchar_t buf[400];
  swprintf(buf, 400, L"%.*f", decimals, std::fabs(Value));
  String digits = buf, intPart = digits, fraction;
  if (const size_t dot = digits.find(L'.'); dot != String::npos) {
    intPart = digits.substr(0, dot);
    fraction = digits.substr(dot + 1);
  }
  const bool isZero = intPart.find_first_not_of(L'0') == String::npos &&
                      fraction.find_first_not_of(L'0') == String::npos;
  if (isZero && sections.size() > 2 && !sections[2].empty()) return FormatFloat(sections[2], 0.0, Settings);
  while (static_cast<int>(fraction.size()) > decimalZeros && !fraction.empty() && fraction.back() == L'0')
    fraction.pop_back();
  if (intPart == L"0" && intZeros == 0) intPart.clear();
  while (static_cast<int>(intPart.size()) < intZeros) intPart.insert(0, 1, L'0');
  if (grouping)
    for (int i = static_cast<int>(intPart.size()) - 3; i > 0; i -= 3) intPart.insert(i, 1, Settings.ThousandSeparator);
  String number = intPart;
  if (!fraction.empty()) number += Settings.DecimalSeparator + fraction;
  // The number stands where the first placeholder is; literals stay.
  String result;
  bool placed = false;
  quote = 0;
  for (wchar_t c : picture) {
    if (quote) {
      if (c == quote) quote = 0;
      else result += c;
      continue;
    }
    if (c == L'"' || c == L'\'') {
      quote = c;
    } else if (c == L'0' || c == L'#' || c == L'.' || c == L',') {
      if (!placed) result += number;
      placed = true;
    } else {
      result += c;
    }
  }
  if (Value < 0 && signShown && !isZero) result.insert(0, 1, L'-');
  return result;
}

String FormatFloat(const String& Format, double Value) { return FormatFloat(Format, Value, FormatSettings); }

// [sign] digits [separator digits] [E [sign] digits], with at least one
// digit before the exponent; blanks around are ignored.
bool TryStrToFloat(const String& S, double& Value, const TFormatSettings& Settings) {
  String t = Trim(S);
  size_t i = 0, digits = 0;
  auto skipDigits = [&] {
    const size_t start = i;
    while (i < t.size() && t[i] >= L'0' && t[i] <= L'9') ++i;
    return i - start;
  };
  if (i < t.size() && (t[i] == L'-' || t[i] == L'+')) ++i;
  digits += skipDigits();
  if (i < t.size() && t[i] == Settings.DecimalSeparator) {
    t[i++] = L'.';
    digits += skipDigits();
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == L'E' || t[i] == L'e')) {
    ++i;
    if (i < t.size() && (t[i] == L'-' || t[i] == L'+')) ++i;
    if (skipDigits() == 0) return false;
  }
  if (i != t.size()) return false;
  const double v = wcstod(t.c_str(), nullptr);
  if (std::isinf(v)) return false;
  Value = v;
  return true;
}

bool TryStrToFloat(const String& S, double& Value) { return TryStrToFloat(S, Value, FormatSettings); }

double StrToFloat(const String& S, const TFormatSettings& Settings) {
  double v;
  if (!TryStrToFloat(S, v, Settings))
    throw EConvertError(Format(L"'%s' is not a valid floating point value", {S}));
  return v;
}

double StrToFloat(const String& S) { return StrToFloat(S, FormatSettings); }

String BoolToStr(bool B, bool UseBoolStrs) {
  if (UseBoolStrs) return B ? L"True" : L"False";
  return B ? L"-1" : L"0";
}

// ---------------------------------------------------------------- code pages

static std::string ToCodePage(const String& S, UINT ACodePage) {
  if (S.empty()) return {};
  int n = WideCharToMultiByte(ACodePage, 0, S.data(), Length(S), nullptr, 0, nullptr, nullptr);
  std::string r(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(ACodePage, 0, S.data(), Length(S), r.data(), n, nullptr, nullptr);
  return r;
}

static String FromCodePage(const std::string& S, UINT ACodePage) {
  if (S.empty()) return {};
  int n = MultiByteToWideChar(ACodePage, 0, S.data(), static_cast<int>(S.size()), nullptr, 0);
  String r(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(ACodePage, 0, S.data(), static_cast<int>(S.size()), r.data(), n);
  return r;
}

std::string ToUtf8(const String& S) { return ToCodePage(S, CP_UTF8); }
String FromUtf8(const std::string& S) { return FromCodePage(S, CP_UTF8); }
std::string ToAnsi(const String& S) { return ToCodePage(S, CP_ACP); }
String FromAnsi(const std::string& S) { return FromCodePage(S, CP_ACP); }
