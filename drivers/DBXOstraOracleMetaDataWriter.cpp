#include "drivers/DBXOstraOracleMetaDataWriter.h"

#include "drivers/DBXOstraOracleMetaDataReader.h"
#include "vcl/data/metadata/DBXMetaDataWriterFactory.h"

namespace {
const wchar_t* const kDialect = L"OstraOracle";
}

void TDBXOstraOracleMetaDataWriter::Open() {
  if (!HasMetaDataReader()) SetMetaDataReader(std::make_unique<TDBXOstraOracleMetaDataReader>());
}

void DBXOstraOracleMetaDataWriter::Initialize() {
  TDBXMetaDataWriterFactory::RegisterWriter(kDialect, TDBXOstraOracleMetaDataWriter::StaticClass());
}

void DBXOstraOracleMetaDataWriter::Finalize() {
  TDBXMetaDataWriterFactory::UnRegisterWriter(kDialect);
}

const TUnitEntry DBXOstraOracleMetaDataWriterUnit{L"DBXOstraOracleMetaDataWriter", DBXOstraOracleMetaDataWriter::Initialize, DBXOstraOracleMetaDataWriter::Finalize};
