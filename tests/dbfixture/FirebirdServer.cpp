#include "tests/dbfixture/FirebirdServer.h"

#include "vcl/rtl/WinApi.h"

namespace {

String Environment(const wchar_t* Name) {
  wchar_t Value[MAX_PATH];
  const DWORD Length = GetEnvironmentVariableW(Name, Value, MAX_PATH);
  return Length && Length < MAX_PATH ? String(Value, Length) : String();
}

}  // namespace

TFirebirdServer::TFirebirdServer() : FFolder(Environment(L"CONVERSAO_FIREBIRD_DATABASES")) {
  if (FFolder.empty() || !TryStrToInt(Environment(L"CONVERSAO_FIREBIRD_PORT"), FPort))
    throw Exception(L"No Firebird server: run the program through tests/dbfixture/firebird-server.sh.");
}

String TFirebirdServer::DatabaseName(const String& File) const {
  return L"127.0.0.1/" + IntToStr(FPort) + L":" + FFolder + L"/" + File;
}
