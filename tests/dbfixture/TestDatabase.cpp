#include "tests/dbfixture/TestDatabase.h"

#include "vcl/data/DBXFirebird.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/WinApi.h"

namespace {

constexpr const wchar_t* User = L"sysdba";

String NewDatabasePath() {
  static int Counter = 0;
  wchar_t Folder[MAX_PATH];
  const DWORD Length = GetTempPathW(MAX_PATH, Folder);
  if (Length == 0 || Length >= MAX_PATH) RaiseLastOSError();
  const String Path = String(Folder, Length) + L"conversao-" + IntToStr(GetCurrentProcessId()) + L"-" +
                      IntToStr(++Counter) + L".fdb";
  DeleteFileW(Path.c_str());  // a leftover of an earlier run with the same process id
  return Path;
}

}  // namespace

TTestDatabase::TTestDatabase() : TTestDatabase(NewDatabasePath()) { FFile = FPath; }

TTestDatabase::TTestDatabase(const String& Name, const String& Password, const String& File)
    : FPath(Name), FPassword(Password), FFile(File) {
  TDBXProperties Properties;
  Properties.SetValue(TDBXPropertyNames::Database, FPath);
  Properties.SetValue(TDBXPropertyNames::UserName, User);
  Properties.SetValue(TDBXPropertyNames::Password, FPassword);
  CreateFirebirdDatabase(Properties);
}

TTestDatabase::~TTestDatabase() {
  if (!FFile.empty()) DeleteFileW(FFile.c_str());
}

void TTestDatabase::Configure(TSQLConnection& Connection) const {
  Connection.SetDriverName(L"Firebird");
  Connection.SetConnectionName(L"FBConnection");
  Connection.SetGetDriverFunc(L"getSQLDriverINTERBASE");
  Connection.SetLibraryName(L"dbxfb.dll");
  Connection.SetVendorLib(L"fbclient.dll");
  Connection.SetLoadParamsOnConnect(false);
  Connection.SetLoginPrompt(false);
  TStrings& Params = *Connection.Params();
  Params.Clear();
  for (const String& Line :
       {String(L"EnableBCD=False"), String(L"BlobSize=-1"), String(L"CommitRetain=False"),
        String(L"LocaleCode=0000"), String(L"RoleName=RoleName"), String(L"IsolationLevel=ReadCommited"),
        String(L"WaitOnLocks=True"), String(L"SQLDialect=3"), String(L"VendorLib=fbclient.dll"),
        L"DataBase=" + FPath, String(L"User_Name=") + User, L"Password=" + FPassword})
    Params.Add(Line);
}

std::unique_ptr<TSQLConnection> TTestDatabase::Connect(TComponent* Owner) const {
  auto Connection = std::make_unique<TSQLConnection>(Owner);
  Configure(*Connection);
  Connection->Open();
  return Connection;
}

void TTestDatabase::Execute(std::initializer_list<const wchar_t*> Statements) const {
  const std::unique_ptr<TSQLConnection> Connection = Connect();
  for (const wchar_t* Statement : Statements) Connection->ExecuteDirect(Statement);
}
