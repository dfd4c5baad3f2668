#pragma once
// The translator's cases for SQL Server, as tables: its unit tests compare
// each output with the one expected, and the T-SQL check (tsql/) parses
// every output.
#include <span>

#include "vcl/rtl/System.h"

struct TCasoConversao {
  const wchar_t* Nome;
  const wchar_t* Texto;
  const wchar_t* Esperado;
  // Why the output is not T-SQL: the case shows a rule on a fragment of a
  // statement, or on a text that the rule breaks as it must. Null for an
  // output that must parse.
  const wchar_t* NaoETSQL = nullptr;
};

extern const std::span<const TCasoConversao> CasosEspacoAgregacao, CasosCondicoesOn, CasosConcatenacao,
    CasosOperandosInteiros, CasosNomes;
