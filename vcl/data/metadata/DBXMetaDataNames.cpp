#include "vcl/data/metadata/DBXMetaDataNames.h"

#include <array>

namespace {

TDBXValueType Text(const wchar_t* AName) { return {AName, TDBXDataTypes::WideStringType}; }
TDBXValueType Int(const wchar_t* AName) { return {AName, TDBXDataTypes::Int32Type}; }
TDBXValueType Int64(const wchar_t* AName) { return {AName, TDBXDataTypes::Int64Type}; }
TDBXValueType Bool(const wchar_t* AName) { return {AName, TDBXDataTypes::BooleanType}; }

std::array<TDBXMetaDataCollection, 22> MakeCollections() {
  return {{
      {L"Catalogs", {Text(L"CatalogName")}},
      {L"Schemas", {Text(L"CatalogName"), Text(L"SchemaName")}},
      {L"Tables", {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"TableName"), Text(L"TableType")}},
      {L"Views", {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"ViewName"), Text(L"Definition")}},
      {L"Columns",
       {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"TableName"), Text(L"ColumnName"),
        Text(L"TypeName"), Int(L"Precision"), Int(L"Scale"), Int(L"Ordinal"), Text(L"DefaultValue"),
        Bool(L"IsNullable"), Bool(L"IsAutoIncrement"), Int(L"MaxInline")}},
      {L"ColumnConstraints",
       {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"TableName"), Text(L"ConstraintName"),
        Text(L"ColumnName")}},
      {L"Indexes",
       {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"TableName"), Text(L"IndexName"),
        Text(L"ConstraintName"), Bool(L"IsPrimary"), Bool(L"IsUnique"), Bool(L"IsAscending")}},
      {L"IndexColumns",
       {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"TableName"), Text(L"IndexName"),
        Text(L"ColumnName"), Int(L"Ordinal"), Bool(L"IsAscending")}},
      {L"ForeignKeys",
       {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"TableName"), Text(L"ForeignKeyName")}},
      {L"ForeignKeyColumns",
       {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"TableName"), Text(L"ForeignKeyName"),
        Text(L"ColumnName"), Text(L"PrimaryCatalogName"), Text(L"PrimarySchemaName"),
        Text(L"PrimaryTableName"), Text(L"PrimaryKeyName"), Text(L"PrimaryColumnName"),
        Int(L"Ordinal")}},
      {L"Synonyms",
       {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"SynonymName"), Text(L"TableCatalogName"),
        Text(L"TableSchemaName"), Text(L"TableName")}},
      {L"Procedures",
       {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"ProcedureName"), Text(L"ProcedureType")}},
      {L"ProcedureSources",
       {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"ProcedureName"), Text(L"ProcedureType"),
        Text(L"Definition"), Text(L"ExternalDefinition"), Int(L"LineNumber")}},
      {L"ProcedureParameters",
       {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"ProcedureName"), Text(L"ParameterName"),
        Text(L"ParameterMode"), Text(L"TypeName"), Int(L"Precision"), Int(L"Scale"), Int(L"Ordinal"),
        Bool(L"IsNullable")}},
      {L"Packages", {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"PackageName")}},
      {L"PackageProcedures",
       {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"PackageName"), Text(L"ProcedureName"),
        Text(L"ProcedureType")}},
      {L"PackageProcedureParameters",
       {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"PackageName"), Text(L"ProcedureName"),
        Text(L"ParameterName"), Text(L"ParameterMode"), Text(L"TypeName"), Int(L"Precision"),
        Int(L"Scale"), Int(L"Ordinal"), Bool(L"IsNullable")}},
      {L"PackageSources",
       {Text(L"CatalogName"), Text(L"SchemaName"), Text(L"PackageName"), Text(L"Definition"),
        Int(L"LineNumber")}},
      {L"Users", {Text(L"UserName")}},
      {L"Roles", {Text(L"RoleName")}},
      {L"DataTypes",
       {Text(L"TypeName"), Int(L"DbxDataType"), Int64(L"ColumnSize"), Text(L"CreateFormat"),
        Text(L"CreateParameters"), Int(L"MaximumScale"), Int(L"MinimumScale"),
        Text(L"LiteralPrefix"), Text(L"LiteralSuffix"), Text(L"MaximumVersion"),
        Text(L"MinimumVersion"), Bool(L"IsAutoIncrementable"), Bool(L"IsBestMatch"),
        Bool(L"IsFixedLength"), Bool(L"IsCaseSensitive"), Bool(L"IsFixedPrecisionScale"),
        Bool(L"IsLong"), Bool(L"IsNullable"), Bool(L"IsSearchable"), Bool(L"IsSearchableWithLike"),
        Bool(L"IsUnsigned"), Bool(L"IsConcurrencyType"), Bool(L"IsLiteralSupported"),
        Bool(L"IsUnicode")}},
      {L"ReservedWords", {Text(L"ReservedWord")}},
  }};
}

}  // namespace

const TDBXMetaDataCollection& MetaDataCollection(TDBXMetaDataKind AKind) {
  static const std::array<TDBXMetaDataCollection, 22> collections = MakeCollections();
  return collections.at(static_cast<size_t>(AKind));
}
