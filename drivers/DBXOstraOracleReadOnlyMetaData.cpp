#include "drivers/DBXOstraOracleReadOnlyMetaData.h"

#include "drivers/DBXOstraOracleMetaDataReader.h"

std::unique_ptr<TDBXBaseMetaDataReader>
TDBXOstraOracleMetaDataCommandFactory::CreateMetaDataReader() {
  return std::make_unique<TDBXOstraOracleMetaDataReader>();
}

void DBXOstraOracleReadOnlyMetaData::Initialize() {
  TDBXMetaDataCommandFactory::RegisterMetaDataCommandFactory(
      TDBXOstraOracleMetaDataCommandFactory::StaticClass());
}

void DBXOstraOracleReadOnlyMetaData::Finalize() {
  TDBXMetaDataCommandFactory::UnRegisterMetaDataCommandFactory(
      TDBXOstraOracleMetaDataCommandFactory::StaticClass());
}

const TUnitEntry DBXOstraOracleReadOnlyMetaDataUnit{L"DBXOstraOracleReadOnlyMetaData", DBXOstraOracleReadOnlyMetaData::Initialize, DBXOstraOracleReadOnlyMetaData::Finalize};
