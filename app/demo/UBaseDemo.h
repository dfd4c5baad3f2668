#pragma once
// The demo database of the repair tool: the business system's tables that
// the tool reads and writes, and sample invoices to repair. The run command
// prepares its demo database with these, the tests and the benchmark their
// own databases, so all of them work on one schema.
#include <vector>

#include "vcl/rtl/System.h"

class TSQLConnection;

// The DDL statements of the schema, in the order they run.
const std::vector<String>& ComandosEsquemaDemo();

// The statements that insert Quantidade invoice headers of status 'F' for
// one company and dealer, numbered from PrimeiraNota on, each with its old
// invoicing operation and two payment-condition rows of it.
std::vector<String> ComandosCapasDemo(int Empresa, int Revenda, int PrimeiraNota, int Quantidade);

// Runs Comandos on the open connection in one transaction, committed when
// all succeeded and rolled back otherwise.
void ExecutaComandos(TSQLConnection& Conexao, const std::vector<String>& Comandos);

// Creates the schema and the sample invoices of the run command in the
// empty database that Conexao has open.
void PreparaBaseDemo(TSQLConnection& Conexao);
