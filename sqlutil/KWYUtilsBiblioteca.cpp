// KWYUtils: the wrappers of the utilities library and the stored-password
// unscrambler.
#include "bizlibs/ZQUtils01/ZQUtils01.h"
#include "sqlutil/KWYUtils.h"

int NumStr(const String& ATexto, int ACodigo) { return DLL_NumStr(ATexto.c_str(), ACodigo); }

String DataPSql(const String& ABanco, TDateTime ADataHora) {
  String resultado;
  DLL_DataPSql(resultado, ADataHora, ABanco.c_str());
  return resultado;
}

namespace {

// The positions of the scrambled text that carry the password's characters,
// lowest first.
constexpr int Posicoes[] = {5,   11,  17,  23,  26,  31,  38,  44,  47,  52,  58,  63,  69,  71,
                            77,  84,  88,  93,  99,  104, 110, 113, 119, 126, 131, 137, 140, 146,
                            152, 157, 163, 168, 174, 179, 185, 191, 196, 203, 211, 219};
// The last character's place here is the password's length.
const String Chave = L"Hq4TzWCrLmN2vBxKcGPdJs7FgY3tRaEu5kMwZbQn";
// The scrambled characters; the one at place b stands for the b-th character
// of the plain sequence.
const String Alfabeto =
    L"kQ7!mZ#e2R\u00E7$wT%x9&Ub(L\u00E3)Yn*3Vo+G\u00E9,Hp-4Jq.Is/5Kr:Dt;6Au<Ov=S>Cf?8Bg@Ej[0Fh]"
    L"Mi^1Nl_Wy{Pc|Xd}a~\u00C7z";
const String Simples =
    L"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefghijklmnopqrstuvwxyz"
    L"!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~";

}  // namespace

// A position past the end of a short (damaged) text yields "@" like any
// character outside the alphabet.
String DecodificaSenha(const String& ASenha) {
  if (ASenha.empty()) return String();
  const size_t lugar = Chave.find(ASenha.back());
  const size_t comprimento = lugar == String::npos ? 0 : lugar + 1;  // at most 40
  String senha;
  for (size_t k = comprimento; k-- > 0;) {
    const size_t posicao = static_cast<size_t>(Posicoes[k]);
    const size_t b = posicao <= ASenha.size() ? Alfabeto.find(ASenha[posicao - 1]) : String::npos;
    senha += b == String::npos ? L'@' : Simples[b];
  }
  return senha;
}
