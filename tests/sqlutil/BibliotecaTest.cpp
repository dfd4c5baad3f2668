#include <gtest/gtest.h>
#include <malloc.h>

#include "sqlutil/KWYUtils.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/WinApi.h"

namespace {

constexpr TDateTime Dia10Dez2026 = 46366;  // 2026-12-10

// The scrambled characters, and the character each stands for by its place b
// (1 to 94) in this alphabet.
const String Alfabeto =
    L"kQ7!mZ#e2R\u00E7$wT%x9&Ub(L\u00E3)Yn*3Vo+G\u00E9,Hp-4Jq.Is/5Kr:Dt;6Au<Ov=S>Cf?8Bg@Ej[0Fh]"
    L"Mi^1Nl_Wy{Pc|Xd}a~\u00C7z";
wchar_t Claro(int b) {
  const int desvio = b <= 26 ? 64 : b <= 36 ? 21 : b <= 62 ? 60 : b <= 77 ? -30 : b <= 84 ? -20 : b <= 90 ? 6 : 32;
  return static_cast<wchar_t>(b + desvio);
}
const int Posicoes[] = {5,   11,  17,  23,  26,  31,  38,  44,  47,  52,  58,  63,  69,  71,
                        77,  84,  88,  93,  99,  104, 110, 113, 119, 126, 131, 137, 140, 146,
                        152, 157, 163, 168, 174, 179, 185, 191, 196, 203, 211, 219};
const String Chave = L"Hq4TzWCrLmN2vBxKcGPdJs7FgY3tRaEu5kMwZbQn";

// The password file's line for a password: its characters at the lowest
// positions, the first at the highest of them, and its length in the last
// character.
String Embaralha(const String& Senha) {
  String linha(230, L'.');
  const size_t n = Senha.size();
  for (size_t i = 0; i < n; ++i) {
    int b = 1;
    while (Claro(b) != Senha[i]) ++b;
    linha[Posicoes[n - 1 - i] - 1] = Alfabeto[b - 1];
  }
  linha.back() = Chave[n - 1];
  return linha;
}

}  // namespace

TEST(Biblioteca, NumStrCountsOneCharacter) {
  EXPECT_EQ(NumStr(L"((a)(b)", 40), 3);
  EXPECT_EQ(NumStr(L"((a)(b)", 41), 2);
  EXPECT_EQ(NumStr(L"it's 'x'", 39), 3);
  EXPECT_EQ(NumStr(String(), 40), 0);
}

TEST(Biblioteca, DataPSqlPerKind) {
  const TDateTime tarde = Dia10Dez2026 + (13 * 3600 + 5 * 60 + 9) / 86400.0;
  EXPECT_EQ(DataPSql(L"INTERBASE", Dia10Dez2026), L"CAST('2026-12-10 00:00:00' AS TIMESTAMP)");
  EXPECT_EQ(DataPSql(L"ORACLE", tarde), L"TO_DATE('2026-12-10 13:05:09', 'YYYY-MM-DD HH24:MI:SS')");
  EXPECT_EQ(DataPSql(L"SQLSERVER", tarde), L"CONVERT(DATETIME, '2026-12-10 13:05:09', 120)");
  EXPECT_EQ(DataPSql(L"interbase", 2), L"CAST('1900-01-01 00:00:00' AS TIMESTAMP)");
}

// The library raises in its own module; the program catches by class.
TEST(Biblioteca, DataPSqlRejectsUnknownKindsAndDates) {
  EXPECT_THROW(DataPSql(String(), Dia10Dez2026), EArgumentException);
  EXPECT_THROW(DataPSql(L"DB2", Dia10Dez2026), EArgumentException);
  EXPECT_THROW(DataPSql(L"ORACLE", 1e9), EConvertError);
  try {
    DataPSql(L"DB2", Dia10Dez2026);
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find(L"'DB2'"), String::npos) << ToUtf8(e.Message());
  }
}

// The date text is allocated by the library's code and freed here: a long
// one leaves the small-string buffer, and its block must be one of the
// run-time heap the program frees into, holding the library's text.
TEST(Biblioteca, TextFromTheLibraryIsFreedByTheProgram) {
  const auto heap = reinterpret_cast<HANDLE>(_get_heap_handle());
  for (int i = 0; i < 1000; ++i) {
    auto texto = std::make_unique<String>(DataPSql(L"ORACLE", Dia10Dez2026 + i));
    ASSERT_TRUE(HeapValidate(heap, 0, texto->data())) << i;
    ASSERT_EQ(*texto, L"TO_DATE('" + FormatDateTime(L"yyyy-mm-dd", Dia10Dez2026 + i) +
                          L" 00:00:00', 'YYYY-MM-DD HH24:MI:SS')");
  }
}

TEST(Senha, UnscramblesWhatTheFileHolds) {
  const String senhas[] = {L"A", L"brisanoturn", L"Zz09!/:@[`{~", L"K", L"W6}",
                           String(L"abcdefghijklmnopqrstuvwxyz0123456789ABCD")};
  for (const String& senha : senhas) EXPECT_EQ(DecodificaSenha(Embaralha(senha)), senha) << ToUtf8(senha);
}

TEST(Senha, TheTablesInDetail) {
  String linha(230, L'.');
  linha[4] = L'k';  // alphabet place 1: "A"
  linha.back() = L'H';  // key place 1: one character, from position 5
  EXPECT_EQ(DecodificaSenha(linha), L"A");
  linha[4] = L'\u00E7';  // place 11, read in the ANSI code page: "K"
  EXPECT_EQ(DecodificaSenha(linha), L"K");
  linha[4] = L'\u00C7';  // place 93: "}"
  EXPECT_EQ(DecodificaSenha(linha), L"}");
  linha[4] = L'"';  // not in the alphabet
  EXPECT_EQ(DecodificaSenha(linha), L"@");
  linha.back() = L'!';  // not in the key: no password
  EXPECT_EQ(DecodificaSenha(linha), L"");
}

TEST(Senha, ShortOrEmptyTextsGiveAPasswordOfTheirLength) {
  EXPECT_EQ(DecodificaSenha(String()), L"");
  EXPECT_EQ(DecodificaSenha(L"H"), L"@");
  EXPECT_EQ(DecodificaSenha(L"k...kq"), L"@A");  // needs positions 11 and 5
  // 40 characters asked for, the text ends at position 211 (its own "n": "Z").
  EXPECT_EQ(DecodificaSenha(String(210, L'k') + L"n"), L"@Z" + String(38, L'A'));
}
