#pragma once
// Generated SELECT texts of every shape the translator's passes handle
// (price columns, aggregates, ON conditions, aggregates over sub-selects,
// line breaks, concatenations, type and function names), some of them
// mutated, and the signature of the translator's outputs for each: the
// differential corpus that guards the translator's results.
#include <cstdint>
#include <random>

#include "vcl/rtl/System.h"

struct TCasoGerado {
  String Texto;
  int Revenda;
  bool Forca;
};

// The number of cases of the recorded corpus.
constexpr uint32_t CasosGerados = 60000;

// Case number Indice of the corpus; the same on every run.
TCasoGerado CasoGerado(uint32_t Indice);

// A hash of what ConverteSQL makes of the case for SQL Server and for
// Firebird.
uint32_t AssinaturaConversao(const TCasoGerado& Caso);

// The file (in the build's test folder) that holds the signature of each
// case of the corpus, four bytes each, little-endian.
extern const char* const ArquivoAssinaturas;

// A random SQL piece (keywords, markers, parentheses, line breaks).
String PedacoAoAcaso(std::mt19937& Gerador);
// Random edits of a text: deletions, insertions of SQL pieces, copies of
// stretches of itself.
String Muta(String Texto, std::mt19937& Gerador, int Edicoes);
