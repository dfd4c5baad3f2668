#pragma once
// The framework's standard Oracle ("ORACLE") and SQL Server ("MSSQL")
// drivers: dynalink drivers whose libraries lie outside the framework and
// are loaded by name when a connection opens.
#include "vcl/data/DBXDynalink.h"
#include "vcl/rtl/UnitStartup.h"

class TDBXOracleDriver : public TDBXDynalinkDriverNative {
  VCL_CLASS(TDBXOracleDriver, TDBXDynalinkDriverNative)
public:
  explicit TDBXOracleDriver(const TDBXDriverDef& DriverDef);
};

class TDBXMSSQLDriver : public TDBXDynalinkDriverNative {
  VCL_CLASS(TDBXMSSQLDriver, TDBXDynalinkDriverNative)
public:
  explicit TDBXMSSQLDriver(const TDBXDriverDef& DriverDef);
};

// Unit start-up and shut-down: register and unregister both names.
void DBXStandardDrivers_Initialize();
void DBXStandardDrivers_Finalize();
extern const TUnitEntry DBXStandardDriversUnit;
