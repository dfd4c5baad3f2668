#pragma once
// The business system's general-services library ZQGeral01.dll, as the
// repair tool calls it: bound at load time by name. Texts travel as a
// pointer to their first character (null for the empty text); objects are
// the caller's live objects, and the caller keeps both for the call's
// duration. The library's failures arrive as the framework's exceptions.
#include <cstdint>

class TAplicacaoLibrary;
class TSQLConnection;

extern "C" {
// Starts the library's work for a database version; Reservado is 0.
void __stdcall DLL_InicializaGeral01(const wchar_t* VersaoBD, int32_t Reservado);
// Ends the library's work; Reservado is 0.
void __stdcall DLL_FinalizaGeral01(int32_t Reservado);
// The library takes over the application context's data and the open
// connection for the numbering that follows; Reservado is 0.
void __stdcall DLL_AtualizaTAplicacaoGeral01(TAplicacaoLibrary* Aplicacao, TSQLConnection* Conexao,
                                             int32_t Reservado);
// An operation number not yet used in Tabela.Coluna for the company and
// dealer, reserved through the connection's open transaction.
int32_t __stdcall DLL_BuscaProximoNumeroTran(TSQLConnection* Conexao, int32_t Empresa,
                                             int32_t Revenda, const wchar_t* Tabela,
                                             const wchar_t* Coluna, int32_t Quantidade,
                                             const wchar_t* BancoDados, int32_t VersaoSQLServer,
                                             int32_t Reservado);
}
