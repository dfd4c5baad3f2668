#include "drivers/DBXOstraMSSQLReadOnlyMetaData.h"

#include "drivers/DBXOstraMsSqlMetaDataReader.h"

std::unique_ptr<TDBXBaseMetaDataReader>
TDBXOstraMSSQLMetaDataCommandFactory::CreateMetaDataReader() {
  return std::make_unique<TDBXOstraMsSqlMetaDataReader>();
}

void DBXOstraMSSQLReadOnlyMetaData::Initialize() {
  TDBXMetaDataCommandFactory::RegisterMetaDataCommandFactory(
      TDBXOstraMSSQLMetaDataCommandFactory::StaticClass());
}

void DBXOstraMSSQLReadOnlyMetaData::Finalize() {
  TDBXMetaDataCommandFactory::UnRegisterMetaDataCommandFactory(
      TDBXOstraMSSQLMetaDataCommandFactory::StaticClass());
}

const TUnitEntry DBXOstraMSSQLReadOnlyMetaDataUnit{L"DBXOstraMSSQLReadOnlyMetaData", DBXOstraMSSQLReadOnlyMetaData::Initialize, DBXOstraMSSQLReadOnlyMetaData::Finalize};
