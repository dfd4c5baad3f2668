#pragma once
// What the repair tool's tests work in: a working folder of their own (the
// tool reads "conexao.dat" from the current folder), a fresh database with
// the business system's tables, and the main window with scripted dialogs.
#include <memory>

#include "app/Unit1.h"
#include "vcl/controls/StdCtrls.h"
#include "tests/dbfixture/TestDatabase.h"
#include "tests/guiharness/ScriptedDialogs.h"

// A new empty folder that is the current folder while the object lives.
class TPastaDeTrabalho {
public:
  TPastaDeTrabalho();
  ~TPastaDeTrabalho();
  TPastaDeTrabalho(const TPastaDeTrabalho&) = delete;
  TPastaDeTrabalho& operator=(const TPastaDeTrabalho&) = delete;

  const String& Caminho() const { return FCaminho; }
  // Writes a file of the folder (a name relative to it) in the ANSI code page.
  void Escreve(const String& Nome, const String& Texto) const;

private:
  String FAnterior, FCaminho;
};

// A database with the demo schema and nothing in it.
class TBaseDeTeste : public TTestDatabase {
public:
  TBaseDeTeste();
  // The database of that name (see TTestDatabase).
  explicit TBaseDeTeste(const String& Nome, const String& Senha = EmbeddedPassword,
                        const String& Arquivo = String());
  // Every row of the query as "v1|v2|...", one row a line.
  String Linhas(const String& Consulta) const;
  // All the rows of the tables the tool writes, to compare before and after.
  String Tudo() const;
};

// The invoices the repair runs work on. Company 1, dealer 1: two closed
// invoices of July (1001 with operation 10 and its payment conditions, 1002
// with operation 0), a cancelled one, one of August and one without
// operation; dealer 2 has one of July. A log table records every inserted
// operation, in order.
void PreparaNotas(const TBaseDeTeste& Base);

// The main window, created as the program creates it and shown.
class TJanelaDeTeste {
public:
  TJanelaDeTeste();
  ~TJanelaDeTeste();
  TJanelaDeTeste(const TJanelaDeTeste&) = delete;
  TJanelaDeTeste& operator=(const TJanelaDeTeste&) = delete;
  TForm1* operator->() const { return FForm; }
  TForm1& operator*() const { return *FForm; }

private:
  TForm1* FForm;
};

// Clicks a button as its window reports a click to the form. A click made
// of mouse messages can be lost when another test program's window takes
// the focus between the button's press and release.
void Clica(TButton* Botao);

// The texts of the dialogs shown so far.
std::vector<String> TextosDosDialogos(const TScriptedDialogs& Dialogos);
