#pragma once
// The Oracle binding's metadata command factory, found by the class name
// in the drivers' "MetaDataPackageLoader" property.
#include "vcl/data/metadata/DBXMetaDataCommandFactory.h"
#include "vcl/rtl/UnitStartup.h"

class TDBXOstraOracleMetaDataCommandFactory : public TDBXMetaDataCommandFactory {
  VCL_CREATABLE_CLASS(TDBXOstraOracleMetaDataCommandFactory, TDBXMetaDataCommandFactory)
public:
  TDBXOstraOracleMetaDataCommandFactory() = default;
  // A new TDBXOstraOracleMetaDataReader.
  std::unique_ptr<TDBXBaseMetaDataReader> CreateMetaDataReader() override;
};

// Unit start-up and shut-down: registers the factory class by its name.
namespace DBXOstraOracleReadOnlyMetaData {
void Initialize();
void Finalize();
}  // namespace DBXOstraOracleReadOnlyMetaData
extern const TUnitEntry DBXOstraOracleReadOnlyMetaDataUnit;
