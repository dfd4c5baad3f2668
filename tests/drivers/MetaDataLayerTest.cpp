#include <gtest/gtest.h>

#include "FakeProviderContext.h"
#include "vcl/data/metadata/DBXSqlScanner.h"

namespace {

// The tokens of a text, each written as kind:text.
std::vector<String> Tokens(TDBXSqlScanner& AScanner, const String& ASql) {
  std::vector<String> tokens;
  AScanner.Init(ASql);
  for (TDBXSqlToken token = AScanner.NextToken(); token != TDBXSqlToken::EndOfStream;
       token = AScanner.NextToken()) {
    switch (token) {
      case TDBXSqlToken::Identifier: tokens.push_back(L"id:" + AScanner.Id()); break;
      case TDBXSqlToken::StringLiteral: tokens.push_back(L"str:" + AScanner.Id()); break;
      case TDBXSqlToken::Number: tokens.push_back(L"num:" + AScanner.Id()); break;
      default: tokens.push_back(String(L"sym:") + AScanner.Symbol()); break;
    }
  }
  return tokens;
}

}  // namespace

TEST(SqlScanner, SplitsIdentifiersQuotedEitherWay) {
  TDBXSqlScanner brackets(L"\"", L"[", L"]");
  TDBXSqlScanner oracle(L" ", L" ", L" ");
  struct {
    TDBXSqlScanner& Scanner;
    const wchar_t* Sql;
    std::vector<String> Expected;
  } cases[] = {
      {brackets, L"[srv].[db].dbo.\"T x\"",
       {L"id:srv", L"sym:.", L"id:db", L"sym:.", L"id:dbo", L"sym:.", L"id:T x"}},
      {brackets, L"[a]]b] = 'it''s' + 12.5", {L"id:a]b", L"sym:=", L"str:it's", L"sym:+", L"num:12.5"}},
      {brackets, L"  @p1,#tmp ", {L"id:@p1", L"sym:,", L"id:#tmp"}},
      {oracle, L"SCOTT.\"Emp\"", {L"id:SCOTT", L"sym:.", L"sym:\"", L"id:Emp", L"sym:\""}},
      {oracle, L"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Tokens(c.Scanner, c.Sql), c.Expected) << ToUtf8(c.Sql);
}

TEST(SqlScanner, AnUnclosedQuoteIsAnError) {
  TDBXSqlScanner scanner(L"\"", L"[", L"]");
  for (const wchar_t* sql : {L"[db].[dbo", L"'open", L"\"half"}) {
    scanner.Init(sql);
    EXPECT_THROW(while (scanner.NextToken() != TDBXSqlToken::EndOfStream){}, EConvertError)
        << ToUtf8(sql);
  }
}

TEST(MetaDataValues, ConvertBetweenKinds) {
  EXPECT_EQ(TDBXWritableValue(42).AsString(), L"42");
  EXPECT_EQ(TDBXWritableValue(true).AsString(), L"True");
  EXPECT_EQ(TDBXWritableValue().AsString(), L"");
  EXPECT_EQ(TDBXWritableValue(L" 7 ").AsInt64(), 7);
  EXPECT_EQ(TDBXWritableValue().AsInt64(), 0);
  EXPECT_TRUE(TDBXWritableValue(L"true").AsBoolean());
  EXPECT_FALSE(TDBXWritableValue(0).AsBoolean());
  EXPECT_THROW(TDBXWritableValue(L"sete").AsInt64(), EConvertError);
  EXPECT_THROW(TDBXWritableValue(L"sim").AsBoolean(), EConvertError);
  EXPECT_NE(TDBXWritableValue(L"1"), TDBXWritableValue(1));
}

TEST(MetaDataValues, TablesCheckRowsAndOrdinals) {
  auto table = ResultTable(2, {{L"a", 1}});
  EXPECT_THROW(table->AddRow({L"only one"}), EArgumentException);
  EXPECT_THROW(table->Value(0), EInvalidOperation);  // before the first row
  ASSERT_TRUE(table->Next());
  EXPECT_THROW(table->Value(2), EArgumentException);
  EXPECT_EQ(table->ColumnOrdinal(L"c1"), 1);
  EXPECT_EQ(table->ColumnOrdinal(L"C9"), -1);
  EXPECT_FALSE(table->Next());
  EXPECT_FALSE(table->Next());
  EXPECT_THROW(table->Value(0), EInvalidOperation);
}
