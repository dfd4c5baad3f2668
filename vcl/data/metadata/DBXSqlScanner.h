#pragma once
// Splits an SQL text into tokens: identifiers (plain or quoted, returned
// without their quotes), string literals, numbers and one-character symbols.
#include "vcl/rtl/SysUtils.h"

enum class TDBXSqlToken { EndOfStream, Identifier, StringLiteral, Number, Symbol };

class TDBXSqlScanner {
public:
  // The quote character and the quote prefix and suffix each start and end a
  // quoted identifier; an empty or blank one quotes nothing.
  TDBXSqlScanner(const String& AQuoteChar, const String& AQuotePrefix, const String& AQuoteSuffix);

  void Init(const String& ASql);
  // The next token; EConvertError for a quote that is never closed.
  TDBXSqlToken NextToken();
  // The text of the last identifier, literal or number.
  const String& Id() const { return FId; }
  // The last symbol.
  Char Symbol() const { return FSymbol; }

private:
  void ReadQuoted(Char AClose);
  void ReadWhile(bool (*AAccept)(Char));
  static Char QuoteOf(const String& AText);

  Char FQuoteChar;
  Char FQuotePrefix;
  Char FQuoteSuffix;
  String FSql;
  size_t FPos = 0;
  String FId;
  Char FSymbol = 0;
};
