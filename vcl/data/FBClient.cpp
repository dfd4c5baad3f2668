#include "vcl/data/FBClient.h"

#include <cstddef>
#include <map>
#include <mutex>

#include "vcl/data/DBXDynalink.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/WinApi.h"

// The client library behind fbclient.dll is a Linux one fed these very
// structures: pin the layouts it was built against.
static_assert(sizeof(ISC_STATUS) == 8 && sizeof(ISC_LONG) == 4 && sizeof(isc_db_handle) == 4,
              "client scalar sizes");
static_assert(sizeof(XSQLVAR) == 160 && offsetof(XSQLVAR, sqldata) == 8, "XSQLVAR layout");
static_assert(sizeof(XSQLDA) == 184 && offsetof(XSQLDA, sqlvar) == 24, "XSQLDA layout");

namespace {

// The loaded libraries by upper-cased name, and the lock of their loading.
struct TLoadedClients {
  std::mutex Lock;
  std::map<String, std::shared_ptr<TFBClient>> Clients;
};

TLoadedClients& LoadedClients() {
  static TLoadedClients Loaded;
  return Loaded;
}

}  // namespace

std::shared_ptr<TFBClient> TFBClient::Load(const String& LibraryName) {
  TLoadedClients& Loaded = LoadedClients();
  const std::lock_guard<std::mutex> Guard(Loaded.Lock);
  std::shared_ptr<TFBClient>& Slot = Loaded.Clients[UpperCase(LibraryName)];
  if (Slot) return Slot;

  std::shared_ptr<TFBClient> Client(new TFBClient);
  Client->FModule = LoadLibraryW(LibraryName.c_str());
  if (!Client->FModule) throw TDBXError(DBXLoadErrorMessage(LibraryName, GetLastError()));
  const auto Module = static_cast<HMODULE>(Client->FModule);
#define FB_RESOLVE(name)                                                                \
  Client->name = reinterpret_cast<decltype(Client->name)>(GetProcAddress(Module, #name)); \
  if (!Client->name) throw TDBXError(LibraryName + L" lacks the function " L## #name L".");
  FB_CLIENT_FUNCTIONS(FB_RESOLVE)
#undef FB_RESOLVE
  Slot = Client;
  return Client;
}

void TFBClient::UnloadAll() {
  TLoadedClients& Loaded = LoadedClients();
  const std::lock_guard<std::mutex> Guard(Loaded.Lock);
  Loaded.Clients.clear();
}

TFBClient::~TFBClient() {
  if (FModule) FreeLibrary(static_cast<HMODULE>(FModule));
}

void TFBClient::RaiseError(const ISC_STATUS* Status) const {
  String Message;
  char Buffer[1024];
  const ISC_STATUS* Cursor = Status;
  while (fb_interpret(Buffer, sizeof Buffer, &Cursor) > 0) {
    if (!Message.empty()) Message += sLineBreak;
    Message += FromAnsi(Buffer);
  }
  const int SqlCode = isc_sqlcode(Status);
  if (Message.empty()) Message = L"Unknown Firebird error";
  Message += sLineBreak + Format(L"Error code %d (SQL code %d)", {Status[1], SqlCode});
  throw TDBXError(Message, SqlCode);
}
