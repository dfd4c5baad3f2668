#pragma once
// The SQL texts of the repair run. Every piece, blanks included, is what the
// business system's DBA expects in the server's statement log; only the
// values in between change. Texts typed by the operator or read from a row
// go into a quoted literal with their quotes doubled, and numbers must be
// numbers, so no value can change a statement's structure.
#include "vcl/rtl/System.h"

// The operator's filter of the run, as the window's edits and pickers hold it.
struct TFiltroReparo {
  String Empresa, Revenda, Nota, Serie, Transacao, Contador;
  bool DataInicialMarcada = false;
  bool DataFinalMarcada = false;
  // The bounds as SQL date expressions of the run's database kind.
  String DataInicialSQL, DataFinalSQL;
};

// One selected invoice header, its values read as text from the row.
struct TCapaNota {
  String Empresa, Revenda, Nota, Serie, Transacao, Contador;
  String DataSQL;          // the header's date as an SQL date expression
  int OperacaoAntiga = 0;  // its invoicing operation before the run, 0 for none
};

// Company and dealer given, and either the whole invoice key or both dates.
bool FiltroValido(const TFiltroReparo& AFiltro);
// The caption of the first filled number field that holds anything but the
// digits 0 to 9 (text pasted past the edit's digit filter); empty when all
// are sound.
String CampoNumericoInvalido(const TFiltroReparo& AFiltro);

// The statements. Each raises EConvertError when a number it is given is not
// a whole number, so no statement with a foreign piece in it is ever made.
String SQLFiltroCapas(const TFiltroReparo& AFiltro);
String SQLInsereFatOperacao(const TCapaNota& ACapa, int AOperacao);
String SQLInsereGerOperacao(const TCapaNota& ACapa, int AOperacao);
String SQLAtualizaCapa(const TCapaNota& ACapa, int AFatOperacao, int AGerOperacao);
String SQLAtualizaCondicao(const TCapaNota& ACapa, int AFatOperacao);
