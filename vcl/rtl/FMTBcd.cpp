#include "vcl/rtl/FMTBcd.h"

#include "vcl/rtl/FormatSettings.h"

namespace {

constexpr int cxMaxBcdDigits = 64;
constexpr uint8_t cxBcdSignBit = 0x80, cxBcdPlacesMask = 0x3F;

bool IsDigit(Char C) { return C >= L'0' && C <= L'9'; }

// The value's parts as digit texts: sign, digits before and after the point.
struct TBcdParts {
  bool Negative = false;
  String Whole, Fraction;
};

TBcdParts PartsOf(const TBcd& ABcd) {
  const int places = ABcd.SignSpecialPlaces & cxBcdPlacesMask;
  if (ABcd.Precision > cxMaxBcdDigits || places > ABcd.Precision) throw EBcdException(L"Invalid BCD value");
  String digits;
  for (int i = 0; i < ABcd.Precision; ++i) {
    const int digit = i % 2 == 0 ? ABcd.Fraction[i / 2] >> 4 : ABcd.Fraction[i / 2] & 0x0F;
    if (digit > 9) throw EBcdException(L"Invalid BCD value");
    digits += static_cast<Char>(L'0' + digit);
  }
  TBcdParts parts;
  parts.Negative = (ABcd.SignSpecialPlaces & cxBcdSignBit) != 0;
  parts.Whole = digits.substr(0, digits.size() - places);
  parts.Fraction = digits.substr(digits.size() - places);
  return parts;
}

// Without leading zeros of the whole part (but one) and trailing zeros of
// the fraction; zero is never negative.
TBcdParts Shortest(TBcdParts AParts) {
  const size_t first = AParts.Whole.find_first_not_of(L'0');
  AParts.Whole = first == String::npos ? String(L"0") : AParts.Whole.substr(first);
  const size_t last = AParts.Fraction.find_last_not_of(L'0');
  AParts.Fraction = last == String::npos ? String() : AParts.Fraction.substr(0, last + 1);
  if (AParts.Whole == L"0" && AParts.Fraction.empty()) AParts.Negative = false;
  return AParts;
}

String TextOf(const TBcdParts& AParts, Char ASeparator) {
  const String whole = AParts.Whole.empty() ? String(L"0") : AParts.Whole;
  String result = AParts.Negative ? L"-" + whole : whole;
  if (!AParts.Fraction.empty()) result += ASeparator + AParts.Fraction;
  return result;
}

}  // namespace

bool TryStrToBcd(const String& S, TBcd& ABcd) {
  const String text = Trim(S);
  size_t pos = 0;
  const bool negative = pos < text.size() && text[pos] == L'-';
  if (pos < text.size() && (text[pos] == L'-' || text[pos] == L'+')) ++pos;
  String digits;
  int pointAt = -1;  // digits before the point
  for (; pos < text.size(); ++pos) {
    const Char c = text[pos];
    if (IsDigit(c))
      digits += c;
    else if ((c == FormatSettings.DecimalSeparator || c == L'.') && pointAt < 0)
      pointAt = static_cast<int>(digits.size());
    else
      break;
  }
  if (digits.empty()) return false;
  if (pointAt < 0) pointAt = static_cast<int>(digits.size());
  if (pos < text.size()) {  // an exponent moves the point
    int exponent;
    if ((text[pos] != L'E' && text[pos] != L'e') || !TryStrToInt(text.substr(pos + 1), exponent) ||
        exponent < -cxMaxBcdDigits || exponent > cxMaxBcdDigits)
      return false;
    pointAt += exponent;
    if (pointAt < 0) {
      digits.insert(0, -pointAt, L'0');
      pointAt = 0;
    }
    if (pointAt > static_cast<int>(digits.size())) digits.append(pointAt - digits.size(), L'0');
  }
  if (pointAt == 0) {  // "0" before a point that comes first
    digits.insert(0, 1, L'0');
    pointAt = 1;
  }
  const int places = static_cast<int>(digits.size()) - pointAt;
  if (static_cast<int>(digits.size()) > cxMaxBcdDigits || places > cxBcdPlacesMask) return false;
  TBcd result;
  result.Precision = static_cast<uint8_t>(digits.size());
  result.SignSpecialPlaces = static_cast<uint8_t>(places | (negative ? cxBcdSignBit : 0));
  for (size_t i = 0; i < digits.size(); ++i)
    result.Fraction[i / 2] |= static_cast<uint8_t>((digits[i] - L'0') << (i % 2 == 0 ? 4 : 0));
  ABcd = result;
  return true;
}

TBcd StrToBcd(const String& S) {
  TBcd result;
  if (!TryStrToBcd(S, result)) throw EBcdException(Format(L"'%s' is not a valid BCD value", {S}));
  return result;
}

String BcdToStr(const TBcd& ABcd) { return TextOf(Shortest(PartsOf(ABcd)), FormatSettings.DecimalSeparator); }

int BcdCompare(const TBcd& A, const TBcd& B) {
  const TBcdParts a = Shortest(PartsOf(A)), b = Shortest(PartsOf(B));
  if (a.Negative != b.Negative) return a.Negative ? -1 : 1;
  // Magnitudes: the longer whole part is larger; digit texts without
  // leading or trailing zeros then compare as texts.
  int magnitude = a.Whole.size() != b.Whole.size() ? (a.Whole.size() < b.Whole.size() ? -1 : 1) : 0;
  if (magnitude == 0) magnitude = a.Whole.compare(b.Whole);
  if (magnitude == 0) magnitude = a.Fraction.compare(b.Fraction);
  magnitude = magnitude < 0 ? -1 : magnitude > 0 ? 1 : 0;
  return a.Negative ? -magnitude : magnitude;
}

// A TBcd variant keeps every digit of its record, with '.' as the point, so
// that the record comes back as it was.
Variant VarFMTBcdCreate(const TBcd& ABcd) {
  Variant result = Variant::OfType(varFMTBcd);
  result.SetText(TextOf(PartsOf(ABcd), L'.'));
  return result;
}

TBcd VarToBcd(const Variant& V) {
  TBcd result;
  if (!TryStrToBcd(V.FType == varFMTBcd ? V.Text() : V.AsString(), result))
    throw EVariantTypeCastError(Format(L"Could not convert variant of type (%s) into type (%s)",
                                       {VarTypeAsText(V.FType), VarTypeAsText(varFMTBcd)}));
  return result;
}
