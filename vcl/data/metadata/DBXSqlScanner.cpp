#include "vcl/data/metadata/DBXSqlScanner.h"

#include <cwctype>

namespace {
bool IsIdentifierStart(Char C) { return std::iswalpha(C) || C == L'_' || C == L'@' || C == L'#'; }
bool IsIdentifierPart(Char C) { return IsIdentifierStart(C) || std::iswdigit(C) || C == L'$'; }
bool IsNumberPart(Char C) { return std::iswdigit(C) || C == L'.'; }
}  // namespace

TDBXSqlScanner::TDBXSqlScanner(const String& AQuoteChar, const String& AQuotePrefix,
                               const String& AQuoteSuffix)
    : FQuoteChar(QuoteOf(AQuoteChar)),
      FQuotePrefix(QuoteOf(AQuotePrefix)),
      FQuoteSuffix(QuoteOf(AQuoteSuffix)) {}

Char TDBXSqlScanner::QuoteOf(const String& AText) {
  String quote = Trim(AText);
  return quote.empty() ? 0 : quote[0];
}

void TDBXSqlScanner::Init(const String& ASql) {
  FSql = ASql;
  FPos = 0;
  FId.clear();
  FSymbol = 0;
}

TDBXSqlToken TDBXSqlScanner::NextToken() {
  while (FPos < FSql.size() && std::iswspace(FSql[FPos])) ++FPos;
  FId.clear();
  FSymbol = 0;
  if (FPos >= FSql.size()) return TDBXSqlToken::EndOfStream;
  const Char c = FSql[FPos];
  if (FQuotePrefix && c == FQuotePrefix) {
    ReadQuoted(FQuoteSuffix ? FQuoteSuffix : FQuotePrefix);
    return TDBXSqlToken::Identifier;
  }
  if (FQuoteChar && c == FQuoteChar) {
    ReadQuoted(FQuoteChar);
    return TDBXSqlToken::Identifier;
  }
  if (c == L'\'') {
    ReadQuoted(L'\'');
    return TDBXSqlToken::StringLiteral;
  }
  if (IsIdentifierStart(c)) {
    ReadWhile(IsIdentifierPart);
    return TDBXSqlToken::Identifier;
  }
  if (std::iswdigit(c)) {
    ReadWhile(IsNumberPart);
    return TDBXSqlToken::Number;
  }
  FSymbol = c;
  ++FPos;
  return TDBXSqlToken::Symbol;
}

// Reads from the opening quote to AClose; a doubled closing quote stands for
// one character of the text.
void TDBXSqlScanner::ReadQuoted(Char AClose) {
  const size_t start = FPos++;
  while (FPos < FSql.size()) {
    const Char c = FSql[FPos++];
    if (c != AClose) {
      FId += c;
    } else if (FPos < FSql.size() && FSql[FPos] == AClose) {
      FId += c;
      ++FPos;
    } else {
      return;
    }
  }
  throw EConvertError(Format(L"Unclosed quote at position %d of: %s",
                             {static_cast<int>(start) + 1, FSql}));
}

void TDBXSqlScanner::ReadWhile(bool (*AAccept)(Char)) {
  const size_t start = FPos;
  while (FPos < FSql.size() && AAccept(FSql[FPos])) ++FPos;
  FId = FSql.substr(start, FPos - start);
}
