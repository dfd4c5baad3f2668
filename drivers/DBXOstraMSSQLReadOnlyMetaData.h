#pragma once
// The SQL Server binding's metadata command factory, found by the class name
// in the drivers' "MetaDataPackageLoader" property.
#include "vcl/data/metadata/DBXMetaDataCommandFactory.h"
#include "vcl/rtl/UnitStartup.h"

class TDBXOstraMSSQLMetaDataCommandFactory : public TDBXMetaDataCommandFactory {
  VCL_CREATABLE_CLASS(TDBXOstraMSSQLMetaDataCommandFactory, TDBXMetaDataCommandFactory)
public:
  TDBXOstraMSSQLMetaDataCommandFactory() = default;
  // A new TDBXOstraMsSqlMetaDataReader.
  std::unique_ptr<TDBXBaseMetaDataReader> CreateMetaDataReader() override;
};

// Unit start-up and shut-down: registers the factory class by its name.
namespace DBXOstraMSSQLReadOnlyMetaData {
void Initialize();
void Finalize();
}  // namespace DBXOstraMSSQLReadOnlyMetaData
extern const TUnitEntry DBXOstraMSSQLReadOnlyMetaDataUnit;
