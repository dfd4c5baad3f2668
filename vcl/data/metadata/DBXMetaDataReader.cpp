#include "vcl/data/metadata/DBXMetaDataReader.h"

#include <cwctype>

namespace {

using TKind = TDBXMetaDataKind;

// Whether the text names the parameter as ":NAME" followed by no further
// identifier character (so ":TABLE" is not found in ":TABLES").
bool UsesParameter(const String& ASql, const String& AName) {
  const String marker = L":" + AName;
  for (size_t at = ASql.find(marker); at != String::npos; at = ASql.find(marker, at + 1)) {
    const size_t end = at + marker.size();
    if (end == ASql.size() || !(std::iswalnum(ASql[end]) || ASql[end] == L'_')) return true;
  }
  return false;
}

bool AsksForType(const String& ATableTypes, const wchar_t* AType) {
  if (Trim(ATableTypes).empty()) return true;
  size_t from = 0;
  for (;;) {
    const size_t to = ATableTypes.find(L';', from);
    if (SameText(Trim(ATableTypes.substr(from, to - from)), AType)) return true;
    if (to == String::npos) return false;
    from = to + 1;
  }
}

// The collection's own columns followed by "DbxDataType", computed per row
// from the type name.
class TDBXColumnsTableCursor : public TDBXCustomMetaDataTable {
public:
  TDBXColumnsTableCursor(TDBXBaseMetaDataReader& AReader, std::unique_ptr<TDBXTable> ACollection,
                         std::vector<TDBXValueType> AColumns)
      : TDBXCustomMetaDataTable(ACollection->DBXTableName(), std::move(AColumns),
                                std::move(ACollection)),
        FReader(AReader),
        FTypeNameOrdinal(Cursor().ColumnOrdinal(L"TypeName")),
        FDataTypeOrdinal(Cursor().ColumnCount()) {}

  bool Next() override {
    if (!Cursor().Next()) {
      FDataType.SetNull();
      return false;
    }
    const TDBXDataTypeDescription* type =
        FTypeNameOrdinal < 0 ? nullptr
                             : FReader.FindDataType(Cursor().Value(FTypeNameOrdinal).AsString());
    FDataType = type ? type->DataType : TDBXDataTypes::UnknownType;
    return true;
  }

  const TDBXWritableValue& Value(int AOrdinal) const override {
    return AOrdinal == FDataTypeOrdinal ? FDataType : TDBXCustomMetaDataTable::Value(AOrdinal);
  }

private:
  TDBXBaseMetaDataReader& FReader;
  int FTypeNameOrdinal;
  int FDataTypeOrdinal;
  TDBXWritableValue FDataType;
};

}  // namespace

// ---------------------------------------------------------------- types

bool VersionBefore(const String& AVersion, const String& ALimit) {
  return CompareStr(AVersion, ALimit) < 0;
}

bool TDBXDataTypeDescription::SupportsVersion(const String& AVersion) const {
  return (MinVersion.empty() || !VersionBefore(AVersion, MinVersion)) &&
         (MaxVersion.empty() || !VersionBefore(MaxVersion, AVersion));
}

void TDBXBaseMetaDataReader::EnsureDataTypes() {
  if (FDataTypesBuilt) return;
  FDataTypes.clear();
  for (const TDBXDataTypeDescription& type : DataTypeDescriptions())
    if (type.SupportsVersion(FVersion)) AddDataType(type);
  RegisterExtraDataTypes();
  FDataTypesBuilt = true;
}

void TDBXBaseMetaDataReader::AddDataType(const TDBXDataTypeDescription& AType) {
  for (TDBXDataTypeDescription& known : FDataTypes)
    if (SameText(known.TypeName, AType.TypeName)) {
      known = AType;
      return;
    }
  FDataTypes.push_back(AType);
}

const TDBXDataTypeDescription* TDBXBaseMetaDataReader::FindDataType(const String& ATypeName) {
  EnsureDataTypes();
  for (const TDBXDataTypeDescription& type : FDataTypes)
    if (SameText(type.TypeName, ATypeName)) return &type;
  return nullptr;
}

// ---------------------------------------------------------------- context

void TDBXBaseMetaDataReader::SetContext(TDBXProviderContext* AContext) {
  FContext = AContext;
  FVersion = AContext ? AContext->ProductVersion() : String();
  FDataTypesBuilt = false;
}

String TDBXBaseMetaDataReader::VendorProperty(const String& AName) const {
  return FContext ? FContext->GetVendorProperty(AName) : String();
}

String TDBXBaseMetaDataReader::QuoteIdentifier(const String& AName) const {
  const String prefix = Trim(SqlIdentifierQuotePrefix());
  const String suffix = Trim(SqlIdentifierQuoteSuffix());
  if (prefix.empty() || suffix.empty()) return AName;
  return prefix + StringReplace(AName, suffix, suffix + suffix, rfReplaceAll) + suffix;
}

TDBXQueryParameter TDBXBaseMetaDataReader::Param(const wchar_t* AName, const String& AValue) {
  if (AValue.empty()) return {AName, std::nullopt};
  return {AName, AValue};
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::ExecuteQuery(
    const String& ASql, const TDBXQueryParameters& AParameters) {
  if (!FContext)
    throw EInvalidOperation(L"The metadata reader has no connection to read from");
  TDBXQueryParameters used;
  for (const TDBXQueryParameter& parameter : AParameters)
    if (UsesParameter(ASql, parameter.Name)) used.push_back(parameter);
  return FContext->ExecuteQuery(ASql, used);
}

std::vector<TDBXValueType> TDBXBaseMetaDataReader::CollectionColumns(TDBXMetaDataKind AKind,
                                                                     const TDBXTable& ACursor) {
  const std::vector<TDBXValueType>& columns = MetaDataCollection(AKind).Columns;
  const size_t count = std::min(columns.size(), static_cast<size_t>(ACursor.ColumnCount()));
  return {columns.begin(), columns.begin() + count};
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::EmptyCollection(TDBXMetaDataKind AKind) {
  const TDBXMetaDataCollection& collection = MetaDataCollection(AKind);
  return std::make_unique<TDBXMemoryTable>(collection.Name, collection.Columns);
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchCollection(
    TDBXMetaDataKind AKind, const String& ASql, const TDBXQueryParameters& AParameters) {
  if (ASql.empty()) return EmptyCollection(AKind);
  std::unique_ptr<TDBXTable> cursor = ExecuteQuery(ASql, AParameters);
  std::vector<TDBXValueType> columns = CollectionColumns(AKind, *cursor);
  return std::make_unique<TDBXCustomMetaDataTable>(MetaDataCollection(AKind).Name,
                                                   std::move(columns), std::move(cursor));
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::ColumnsCursor(
    std::unique_ptr<TDBXTable> ACollection) {
  std::vector<TDBXValueType> columns;
  for (int i = 0; i < ACollection->ColumnCount(); ++i) columns.push_back(ACollection->Column(i));
  columns.push_back({L"DbxDataType", TDBXDataTypes::Int32Type});
  return std::make_unique<TDBXColumnsTableCursor>(*this, std::move(ACollection), std::move(columns));
}

// ---------------------------------------------------------------- collections

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchCatalogs() {
  return FetchCollection(TKind::Catalogs, CatalogsQuery(), {});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchSchemas(const String& ACatalog) {
  return FetchCollection(TKind::Schemas, SchemasQuery(), {Param(L"CATALOG_NAME", ACatalog)});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchTables(const String& ACatalog,
                                                               const String& ASchema,
                                                               const String& ATable,
                                                               const String& ATableTypes) {
  auto typeParam = [&](const wchar_t* AName, const wchar_t* AType, const String& AWord) {
    return Param(AName, AsksForType(ATableTypes, AType) ? AWord : String());
  };
  return FetchCollection(
      TKind::Tables, TablesQuery(),
      {Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
       Param(L"TABLE_NAME", ATable), typeParam(L"TABLES", TDBXTableType::Table, TableType()),
       typeParam(L"VIEWS", TDBXTableType::View, ViewType()),
       typeParam(L"SYSTEM_TABLES", TDBXTableType::SystemTable, SystemTableType()),
       typeParam(L"SYSTEM_VIEWS", TDBXTableType::SystemView, SystemViewType()),
       typeParam(L"SYNONYMS", TDBXTableType::Synonym, SynonymType())});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchViews(const String& ACatalog,
                                                              const String& ASchema,
                                                              const String& AView) {
  return FetchCollection(TKind::Views, ViewsQuery(),
                         {Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
                          Param(L"VIEW_NAME", AView)});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchColumns(const String& ACatalog,
                                                                const String& ASchema,
                                                                const String& ATable) {
  return ColumnsCursor(FetchCollection(TKind::Columns, ColumnsQuery(),
                                       {Param(L"CATALOG_NAME", ACatalog),
                                        Param(L"SCHEMA_NAME", ASchema),
                                        Param(L"TABLE_NAME", ATable)}));
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchColumnConstraints(const String& ACatalog,
                                                                          const String& ASchema,
                                                                          const String& ATable) {
  return FetchCollection(TKind::ColumnConstraints, ColumnConstraintsQuery(),
                         {Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
                          Param(L"TABLE_NAME", ATable)});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchIndexes(const String& ACatalog,
                                                                const String& ASchema,
                                                                const String& ATable) {
  return FetchCollection(TKind::Indexes, IndexesQuery(),
                         {Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
                          Param(L"TABLE_NAME", ATable)});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchIndexColumns(const String& ACatalog,
                                                                     const String& ASchema,
                                                                     const String& ATable,
                                                                     const String& AIndex) {
  return FetchCollection(TKind::IndexColumns, IndexColumnsQuery(),
                         {Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
                          Param(L"TABLE_NAME", ATable), Param(L"INDEX_NAME", AIndex)});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchForeignKeys(const String& ACatalog,
                                                                    const String& ASchema,
                                                                    const String& ATable) {
  return FetchCollection(TKind::ForeignKeys, ForeignKeysQuery(),
                         {Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
                          Param(L"TABLE_NAME", ATable)});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchForeignKeyColumns(
    const String& ACatalog, const String& ASchema, const String& ATable, const String& AForeignKey,
    const String& APrimaryCatalog, const String& APrimarySchema, const String& APrimaryTable,
    const String& APrimaryKey) {
  return FetchCollection(
      TKind::ForeignKeyColumns, ForeignKeyColumnsQuery(),
      {Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
       Param(L"TABLE_NAME", ATable), Param(L"FOREIGN_KEY_NAME", AForeignKey),
       Param(L"PRIMARY_CATALOG_NAME", APrimaryCatalog),
       Param(L"PRIMARY_SCHEMA_NAME", APrimarySchema), Param(L"PRIMARY_TABLE_NAME", APrimaryTable),
       Param(L"PRIMARY_KEY_NAME", APrimaryKey)});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchSynonyms(const String& ACatalog,
                                                                 const String& ASchema,
                                                                 const String& ASynonym) {
  return FetchCollection(TKind::Synonyms, SynonymsQuery(),
                         {Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
                          Param(L"SYNONYM_NAME", ASynonym)});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchProcedures(const String& ACatalog,
                                                                   const String& ASchema,
                                                                   const String& AProcedure,
                                                                   const String& AProcedureType) {
  return FetchCollection(TKind::Procedures, ProceduresQuery(),
                         {Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
                          Param(L"PROCEDURE_NAME", AProcedure),
                          Param(L"PROCEDURE_TYPE", AProcedureType)});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchProcedureSources(
    const String& ACatalog, const String& ASchema, const String& AProcedure) {
  return FetchCollection(TKind::ProcedureSources, ProcedureSourcesQuery(),
                         {Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
                          Param(L"PROCEDURE_NAME", AProcedure)});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchProcedureParameters(
    const String& ACatalog, const String& ASchema, const String& AProcedure,
    const String& AParameter) {
  return ColumnsCursor(FetchCollection(
      TKind::ProcedureParameters, ProcedureParametersQuery(),
      {Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
       Param(L"PROCEDURE_NAME", AProcedure), Param(L"PARAMETER_NAME", AParameter)}));
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchPackages(const String& ACatalog,
                                                                 const String& ASchema,
                                                                 const String& APackage) {
  return FetchCollection(TKind::Packages, PackagesQuery(),
                         {Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
                          Param(L"PACKAGE_NAME", APackage)});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchPackageProcedures(
    const String& ACatalog, const String& ASchema, const String& APackage,
    const String& AProcedure, const String& AProcedureType) {
  return FetchCollection(TKind::PackageProcedures, PackageProceduresQuery(),
                         {Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
                          Param(L"PACKAGE_NAME", APackage), Param(L"PROCEDURE_NAME", AProcedure),
                          Param(L"PROCEDURE_TYPE", AProcedureType)});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchPackageProcedureParameters(
    const String& ACatalog, const String& ASchema, const String& APackage,
    const String& AProcedure, const String& AParameter) {
  return ColumnsCursor(FetchCollection(
      TKind::PackageProcedureParameters, PackageProcedureParametersQuery(),
      {Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
       Param(L"PACKAGE_NAME", APackage), Param(L"PROCEDURE_NAME", AProcedure),
       Param(L"PARAMETER_NAME", AParameter)}));
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchPackageSources(const String& ACatalog,
                                                                       const String& ASchema,
                                                                       const String& APackage) {
  return FetchCollection(TKind::PackageSources, PackageSourcesQuery(),
                         {Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
                          Param(L"PACKAGE_NAME", APackage)});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchUsers() {
  return FetchCollection(TKind::Users, UsersQuery(), {});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchRoles() {
  return FetchCollection(TKind::Roles, RolesQuery(), {});
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchDataTypes() {
  EnsureDataTypes();
  const TDBXMetaDataCollection& collection = MetaDataCollection(TKind::DataTypes);
  auto table = std::make_unique<TDBXMemoryTable>(collection.Name, collection.Columns);
  for (const TDBXDataTypeDescription& type : FDataTypes) {
    TDBXRow row{type.TypeName,      type.DataType,      type.ColumnSize,   type.CreateFormat,
                type.CreateParameters, type.MaxScale,   type.MinScale,     type.LiteralPrefix,
                type.LiteralSuffix, type.MaxVersion,    type.MinVersion};
    for (int flag = 0; flag < TDBXTypeFlagCount; ++flag)
      row.emplace_back(type.HasFlag(static_cast<TDBXTypeFlag>(flag)));
    table->AddRow(std::move(row));
  }
  return table;
}

std::unique_ptr<TDBXTable> TDBXBaseMetaDataReader::FetchReservedWords() {
  const TDBXMetaDataCollection& collection = MetaDataCollection(TKind::ReservedWords);
  auto table = std::make_unique<TDBXMemoryTable>(collection.Name, collection.Columns);
  for (const String& word : ReservedWordList()) table->AddRow({word});
  return table;
}
