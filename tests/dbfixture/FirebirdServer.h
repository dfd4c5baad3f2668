#pragma once
// The Firebird server that tests/dbfixture/firebird-server.sh runs for a
// test program: a real server on 127.0.0.1 that checks every login.
#include "vcl/rtl/SysUtils.h"

class TFirebirdServer {
public:
  // SYSDBA's password on the server: the tool's standard Firebird password.
  static constexpr const wchar_t* SysdbaPassword = L"tulipwand";

  // Raises when the program runs without a server.
  TFirebirdServer();
  int Port() const { return FPort; }
  // How a client names a database file of the server's database folder
  // ("127.0.0.1/PORT:/folder/File"), which goes with the server.
  String DatabaseName(const String& File) const;

private:
  int FPort = 0;
  String FFolder;  // the server's database folder, a Unix path
};
