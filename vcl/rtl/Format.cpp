// Format: the framework's formatting of an open array of values.
#include <algorithm>
#include <cstdio>

#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/SysUtils.h"

namespace {

struct TSpec {
  bool LeftJustify = false;
  int Width = -1;
  int Precision = -1;
  wchar_t Type = 0;
};

[[noreturn]] void FormatError(const String& AFormat) {
  throw EConvertError(L"Format '" + AFormat + L"' invalid or incompatible with argument");
}

// Fixed or exponent text of a number with '.' as its decimal point. Longer
// precisions than the framework's 18 digits are cut to them.
String Printf(const wchar_t* AFormat, double AValue, int APrecision) {
  wchar_t buf[400];
  swprintf(buf, 400, AFormat, APrecision > 18 ? 18 : APrecision, AValue);
  return buf;
}

String Localized(String AText, const TFormatSettings& ASettings) {
  const size_t dot = AText.find(L'.');
  if (dot != String::npos) AText[dot] = ASettings.DecimalSeparator;
  return AText;
}

// Inserts the thousands separator into the integer digits of a fixed text
// and puts in the decimal separator.
String GroupThousands(const String& AFixed, const TFormatSettings& ASettings) {
  const size_t start = (!AFixed.empty() && AFixed[0] == L'-') ? 1 : 0;
  const size_t intEnd = std::min(AFixed.find(L'.'), AFixed.size());
  String r = AFixed.substr(0, start);
  for (size_t i = start; i < intEnd; ++i) {
    r += AFixed[i];
    const size_t left = intEnd - i - 1;
    if (left > 0 && left % 3 == 0 && ASettings.ThousandSeparator) r += ASettings.ThousandSeparator;
  }
  return r + Localized(AFixed.substr(intEnd), ASettings);
}

// The settings' currency patterns around the amount's digits N and symbol C.
String CurrencyText(double AValue, int APrecision, const TFormatSettings& ASettings) {
  const String n = GroupThousands(Printf(L"%.*f", AValue < 0 ? -AValue : AValue, APrecision), ASettings);
  const String& c = ASettings.CurrencyString;
  if (!(AValue < 0)) {
    switch (ASettings.CurrencyFormat) {
      case 1: return n + c;
      case 2: return c + L" " + n;
      case 3: return n + L" " + c;
      default: return c + n;
    }
  }
  switch (ASettings.NegCurrFormat) {
    case 1: return L"-" + c + n;
    case 2: return c + L"-" + n;
    case 3: return c + n + L"-";
    case 4: return L"(" + n + c + L")";
    case 5: return L"-" + n + c;
    case 6: return n + L"-" + c;
    case 7: return n + c + L"-";
    case 8: return L"-" + n + L" " + c;
    case 9: return L"-" + c + L" " + n;
    case 10: return n + L" " + c + L"-";
    case 11: return c + L" " + n + L"-";
    case 12: return c + L" -" + n;
    case 13: return n + L"- " + c;
    case 14: return L"(" + c + L" " + n + L")";
    case 15: return L"(" + n + L" " + c + L")";
    default: return L"(" + c + n + L")";
  }
}

// An integer argument as %u and %x show it: a negative one as the unsigned
// integer of its own width.
uint64_t UnsignedBits(const TVarRec& AArg) {
  const auto bits = static_cast<uint64_t>(AArg.Int);
  const bool narrowNegative = AArg.Kind == TVarRec::TKind::Integer && AArg.Int < 0 && !AArg.Wide;
  return narrowNegative ? static_cast<uint32_t>(bits) : bits;
}

String FormatOne(const TSpec& ASpec, const TVarRec& AArg, const String& AFormat,
                 const TFormatSettings& ASettings) {
  using K = TVarRec::TKind;
  const bool integral = AArg.Kind == K::Integer || AArg.Kind == K::Unsigned;
  switch (ASpec.Type) {
    case L'd':
    case L'u': {
      if (!integral) FormatError(AFormat);
      const bool negative = AArg.Kind == K::Integer && AArg.Int < 0 && ASpec.Type == L'd';
      String digits = std::to_wstring(negative ? 0 - static_cast<uint64_t>(AArg.Int) : UnsignedBits(AArg));
      if (ASpec.Precision > static_cast<int>(digits.size()))
        digits.insert(0, static_cast<size_t>(ASpec.Precision) - digits.size(), L'0');
      return negative ? L"-" + digits : digits;
    }
    case L'x': {
      if (!integral) FormatError(AFormat);
      wchar_t buf[32];
      swprintf(buf, 32, L"%0*llX", ASpec.Precision < 0 ? 0 : ASpec.Precision,
               static_cast<unsigned long long>(UnsignedBits(AArg)));
      return buf;
    }
    case L'e':
    case L'f':
    case L'g':
    case L'n':
    case L'm': {
      double v;
      if (AArg.Kind == K::Float) v = AArg.Float;
      else FormatError(AFormat);
      int prec = ASpec.Precision;
      switch (ASpec.Type) {
        case L'e': return Localized(Printf(L"%.*E", v, prec < 0 ? 15 : prec - 1 < 0 ? 0 : prec - 1), ASettings);
        case L'f': return Localized(Printf(L"%.*f", v, prec < 0 ? 2 : prec), ASettings);
        case L'g': return Localized(Printf(L"%.*G", v, prec < 0 ? 15 : prec), ASettings);
        case L'n': return GroupThousands(Printf(L"%.*f", v, prec < 0 ? 2 : prec), ASettings);
        default: return CurrencyText(v, prec < 0 ? ASettings.CurrencyDecimals : prec, ASettings);
      }
    }
    case L's': {
      String s;
      if (AArg.Kind == K::String || AArg.Kind == K::Char) s = AArg.Str;
      else FormatError(AFormat);
      if (ASpec.Precision >= 0 && ASpec.Precision < static_cast<int>(s.size()))
        s.resize(static_cast<size_t>(ASpec.Precision));
      return s;
    }
    case L'p': {
      if (AArg.Kind != K::Pointer) FormatError(AFormat);
      wchar_t buf[32];
      swprintf(buf, 32, L"%016llX", static_cast<unsigned long long>(
                                        reinterpret_cast<uintptr_t>(AArg.Ptr)));
      return buf;
    }
    default:
      FormatError(AFormat);
  }
}

}  // namespace

String Format(const String& AFormat, std::initializer_list<TVarRec> AArgs) {
  return Format(AFormat, AArgs, FormatSettings);
}

String Format(const String& AFormat, std::initializer_list<TVarRec> AArgs,
              const TFormatSettings& ASettings) {
  const TVarRec* args = AArgs.begin();
  const int count = static_cast<int>(AArgs.size());
  int next = 0;
  auto takeInt = [&]() -> int {
    if (next >= count || args[next].Kind != TVarRec::TKind::Integer) FormatError(AFormat);
    return static_cast<int>(args[next++].Int);
  };
  auto readNumber = [&](size_t& i) -> int {
    if (i < AFormat.size() && AFormat[i] == L'*') {
      ++i;
      return takeInt();
    }
    int n = 0;
    bool any = false;
    while (i < AFormat.size() && AFormat[i] >= L'0' && AFormat[i] <= L'9') {
      n = n * 10 + (AFormat[i++] - L'0');
      any = true;
    }
    return any ? n : -1;
  };

  String out;
  out.reserve(AFormat.size() + 16);
  for (size_t i = 0; i < AFormat.size(); ++i) {
    wchar_t c = AFormat[i];
    if (c != L'%') {
      out += c;
      continue;
    }
    if (++i >= AFormat.size()) FormatError(AFormat);
    if (AFormat[i] == L'%') {
      out += L'%';
      continue;
    }
    TSpec spec;
    // Optional "index:", then "-", width, ".precision", type.
    size_t save = i;
    int number = readNumber(i);
    if (i < AFormat.size() && AFormat[i] == L':') {
      if (number < 0) number = 0;
      next = number;
      ++i;
    } else {
      i = save;
    }
    if (i < AFormat.size() && AFormat[i] == L'-') {
      spec.LeftJustify = true;
      ++i;
    }
    spec.Width = readNumber(i);
    if (i < AFormat.size() && AFormat[i] == L'.') {
      ++i;
      spec.Precision = readNumber(i);
      if (spec.Precision < 0) spec.Precision = 0;
    }
    if (i >= AFormat.size()) FormatError(AFormat);
    spec.Type = static_cast<wchar_t>(towlower(AFormat[i]));
    if (next >= count) FormatError(AFormat);
    String text = FormatOne(spec, args[next++], AFormat, ASettings);
    if (spec.Width > static_cast<int>(text.size())) {
      String pad(static_cast<size_t>(spec.Width) - text.size(), L' ');
      text = spec.LeftJustify ? text + pad : pad + text;
    }
    out += text;
  }
  return out;
}
