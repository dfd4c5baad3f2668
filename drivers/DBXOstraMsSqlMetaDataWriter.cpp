#include "drivers/DBXOstraMsSqlMetaDataWriter.h"

#include "drivers/DBXOstraMsSqlMetaDataReader.h"
#include "vcl/data/metadata/DBXMetaDataWriterFactory.h"

namespace {
const wchar_t* const kDialect = L"OstraSQLServer";
}

String TDBXOstraMsSqlCustomMetaDataWriter::MakeSqlDropIndex(const String& ASchema,
                                                            const String& ATable,
                                                            const String& AIndex) const {
  if (!VersionBefore(MetaDataReader().Version(), L"09.00.0000"))
    return TDBXBaseMetaDataWriter::MakeSqlDropIndex(ASchema, ATable, AIndex);
  return L"DROP INDEX " + MakeSqlIdentifier(ATable) + L"." + MakeSqlIdentifier(AIndex) + L";\n";
}

void TDBXOstraMsSqlMetaDataWriter::Open() {
  if (!HasMetaDataReader()) SetMetaDataReader(std::make_unique<TDBXOstraMsSqlMetaDataReader>());
}

void DBXOstraMsSqlMetaDataWriter::Initialize() {
  TDBXMetaDataWriterFactory::RegisterWriter(kDialect, TDBXOstraMsSqlMetaDataWriter::StaticClass());
}

void DBXOstraMsSqlMetaDataWriter::Finalize() {
  TDBXMetaDataWriterFactory::UnRegisterWriter(kDialect);
}

const TUnitEntry DBXOstraMsSqlMetaDataWriterUnit{L"DBXOstraMsSqlMetaDataWriter", DBXOstraMsSqlMetaDataWriter::Initialize, DBXOstraMsSqlMetaDataWriter::Finalize};
