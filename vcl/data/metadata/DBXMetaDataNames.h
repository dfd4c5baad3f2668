#pragma once
// The metadata collections: their names and column descriptions.
#include "vcl/data/metadata/DBXMetaDataTable.h"

enum class TDBXMetaDataKind {
  Catalogs, Schemas, Tables, Views, Columns, ColumnConstraints, Indexes, IndexColumns,
  ForeignKeys, ForeignKeyColumns, Synonyms, Procedures, ProcedureSources, ProcedureParameters,
  Packages, PackageProcedures, PackageProcedureParameters, PackageSources, Users, Roles,
  DataTypes, ReservedWords
};

struct TDBXMetaDataCollection {
  String Name;                         // "Tables", "Columns", ...
  std::vector<TDBXValueType> Columns;  // in ordinal order
};

const TDBXMetaDataCollection& MetaDataCollection(TDBXMetaDataKind AKind);

// The type words a table request may ask for, separated by ";".
namespace TDBXTableType {
inline constexpr const wchar_t* Table = L"Table";
inline constexpr const wchar_t* View = L"View";
inline constexpr const wchar_t* SystemTable = L"SystemTable";
inline constexpr const wchar_t* SystemView = L"SystemView";
inline constexpr const wchar_t* Synonym = L"Synonym";
}  // namespace TDBXTableType
