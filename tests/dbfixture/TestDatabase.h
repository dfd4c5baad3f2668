#pragma once
// A fresh embedded Firebird database file for one test, removed when the
// fixture goes. The program must start the "DBXFirebird" unit, and
// fbclient.dll must lie next to it (conversao_copy_fbclient).
#include <memory>

#include "vcl/data/SqlExpr.h"

class TTestDatabase {
public:
  // The embedded engine checks no password; a server does.
  static constexpr const wchar_t* EmbeddedPassword = L"masterkey";

  TTestDatabase();   // creates the file in the temporary folder
  // Creates the database of that name (a file's Windows path, or a
  // server's database), whose SYSDBA has that password; File is the local
  // file removed with the fixture (none when empty).
  explicit TTestDatabase(const String& Name, const String& Password = EmbeddedPassword,
                         const String& File = String());
  ~TTestDatabase();  // connections made by Connect must be gone by then
  TTestDatabase(const TTestDatabase&) = delete;
  TTestDatabase& operator=(const TTestDatabase&) = delete;

  // The name connections open: by default the file's Windows path
  // (C:\...\conversao-<process>-<n>.fdb).
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
  String FPath, FPassword, FFile;
};
