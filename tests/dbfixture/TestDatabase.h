#pragma once
// A fresh embedded Firebird database file for one test, removed when the
// fixture goes. The program must start the "DBXFirebird" unit, and
// fbclient.dll must lie next to it (conversao_copy_fbclient).
#include <memory>

#include "vcl/data/SqlExpr.h"

class TTestDatabase {
public:
  TTestDatabase();   // creates the file in the temporary folder
  ~TTestDatabase();  // connections made by Connect must be gone by then
  TTestDatabase(const TTestDatabase&) = delete;
  TTestDatabase& operator=(const TTestDatabase&) = delete;

  // The file's Windows path (C:\...\conversao-<process>-<n>.fdb).
  const String& Path() const { return FPath; }
  // Gives a connection the Firebird settings and parameters the tool uses,
  // with this database.
  void Configure(TSQLConnection& Connection) const;
  // A configured and opened connection.
  std::unique_ptr<TSQLConnection> Connect(TComponent* Owner = nullptr) const;
  // Runs statements, each in a transaction of its own, on a connection
  // of its own (for setting up tables and rows).
  void Execute(std::initializer_list<const wchar_t*> Statements) const;

private:
  String FPath;
};
