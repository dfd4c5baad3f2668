#pragma once
// The framework's Firebird driver: driver name "Firebird", implemented by
// the framework itself under the library name "dbxfb.dll"; it talks to the
// database through the Firebird client library named by "VendorLib"
// ("fbclient.dll"), loaded by name.
#include "vcl/data/DBXDynalink.h"
#include "vcl/rtl/UnitStartup.h"

class TDBXFirebirdDriver : public TDBXDynalinkDriverNative {
  VCL_CLASS(TDBXFirebirdDriver, TDBXDynalinkDriverNative)
public:
  explicit TDBXFirebirdDriver(const TDBXDriverDef& DriverDef);
};

// Creates an empty database file with the properties' "Database",
// "User_Name", "Password", "SQLDialect" and "VendorLib". Raises TDBXError
// with the server's message (for example when the file exists).
void CreateFirebirdDatabase(const TDBXProperties& Properties);

// Unit start-up and shut-down: register and unregister the driver and its
// built-in library.
void DBXFirebird_Initialize();
void DBXFirebird_Finalize();
extern const TUnitEntry DBXFirebirdUnit;
