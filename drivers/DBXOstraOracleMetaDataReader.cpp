#include "drivers/DBXOstraOracleMetaDataReader.h"

namespace {

using TKind = TDBXMetaDataKind;

const wchar_t* const kSchemas =
    L"SELECT DISTINCT NULL, USERNAME   FROM ALL_USERS   WHERE (1=1 OR (:CATALOG_NAME IS NULL))   "
    L"ORDER BY USERNAME";

const wchar_t* const kTables =
    L"SELECT NULL, OWNER, OBJECT_NAME,        CASE WHEN OWNER IN "
    L"('SYS','SYSTEM','CTXSYS','DMSYS','EXFSYS','OLAPSYS','ORDSYS','MDSYS','WKSYS','WK_TEST','WMSY"
    L"S','XDB') THEN 'SYSTEM ' ELSE '' END || OBJECT_TYPE   FROM ALL_OBJECTS   WHERE OBJECT_TYPE "
    L"IN ('VIEW','TABLE','SYNONYM') AND         (1=1 OR (:CATALOG_NAME IS NULL)) AND         "
    L"(LOWER(OWNER) = LOWER(:SCHEMA_NAME) OR (:SCHEMA_NAME IS NULL)) AND         (OBJECT_NAME = "
    L":TABLE_NAME OR (:TABLE_NAME IS NULL)) AND         ((CASE WHEN OWNER IN "
    L"('SYS','SYSTEM','CTXSYS','DMSYS','EXFSYS','OLAPSYS','ORDSYS','MDSYS','WKSYS','WK_TEST','WMSY"
    L"S','XDB') THEN 'SYSTEM ' ELSE '' END) || OBJECT_TYPE IN "
    L"(:TABLES,:VIEWS,:SYSTEM_TABLES,:SYSTEM_VIEWS,:SYNONYMS))   ORDER BY OWNER, OBJECT_NAME";

const wchar_t* const kViews =
    L"SELECT NULL, OWNER, VIEW_NAME, TEXT   FROM ALL_VIEWS   WHERE (1=1 OR (:CATALOG_NAME IS "
    L"NULL)) AND         (LOWER(OWNER) = LOWER(:SCHEMA_NAME) OR (:SCHEMA_NAME IS NULL)) AND         "
    L"(VIEW_NAME = :VIEW_NAME OR (:VIEW_NAME IS NULL))   ORDER BY OWNER, VIEW_NAME";

const wchar_t* const kColumns =
    L"SELECT NULL, OWNER, TABLE_NAME, COLUMN_NAME, DATA_TYPE, "
    L"COALESCE(DATA_PRECISION,CHAR_COL_DECL_LENGTH,DATA_LENGTH), DATA_SCALE, COLUMN_ID, "
    L"DATA_DEFAULT, DECODE(NULLABLE,'Y',1,'YES',1,0), 0, NULL   FROM ALL_TAB_COLUMNS   WHERE (1=1 "
    L"OR (:CATALOG_NAME IS NULL)) AND         (LOWER(OWNER) = LOWER(:SCHEMA_NAME) OR "
    L"(:SCHEMA_NAME IS NULL)) AND         (TABLE_NAME = :TABLE_NAME OR (:TABLE_NAME IS NULL))   "
    L"ORDER BY OWNER, TABLE_NAME, COLUMN_ID";

const wchar_t* const kIndexes =
    L"SELECT NULL, I.TABLE_OWNER, I.TABLE_NAME, I.INDEX_NAME, C.CONSTRAINT_NAME,        CASE WHEN "
    L"C.CONSTRAINT_TYPE = 'P' THEN 1 ELSE 0 END, CASE WHEN I.UNIQUENESS = 'UNIQUE' THEN 1 ELSE 0 "
    L"END, 1   FROM ALL_INDEXES I, ALL_CONSTRAINTS C   WHERE I.TABLE_OWNER=C.OWNER(+) AND         "
    L"I.INDEX_NAME=C.INDEX_NAME(+) AND I.TABLE_NAME=C.TABLE_NAME(+) AND         (1=1 OR "
    L"(:CATALOG_NAME IS NULL)) AND         (LOWER(I.TABLE_OWNER) = LOWER(:SCHEMA_NAME) OR "
    L"(:SCHEMA_NAME IS NULL)) AND         (I.TABLE_NAME = :TABLE_NAME OR (:TABLE_NAME IS NULL))   "
    L"ORDER BY I.TABLE_OWNER, I.TABLE_NAME, I.INDEX_NAME";

const wchar_t* const kIndexColumns =
    L"SELECT NULL, C.TABLE_OWNER, C.TABLE_NAME, C.INDEX_NAME, C.COLUMN_NAME, C.COLUMN_POSITION,        "
    L"CASE WHEN C.DESCEND = 'DESC' THEN 0 ELSE 1 END, E.COLUMN_EXPRESSION, CASE WHEN "
    L"E.COLUMN_EXPRESSION IS NULL THEN 1 ELSE 0 END   FROM ALL_IND_COLUMNS C, ALL_IND_EXPRESSIONS "
    L"E   WHERE C.INDEX_OWNER=E.INDEX_OWNER(+) AND         C.INDEX_NAME=E.INDEX_NAME(+) AND         "
    L"C.COLUMN_POSITION=E.COLUMN_POSITION(+) AND         (1=1 OR (:CATALOG_NAME IS NULL)) AND         "
    L"(LOWER(C.TABLE_OWNER) = LOWER(:SCHEMA_NAME) OR (:SCHEMA_NAME IS NULL)) AND         "
    L"(C.TABLE_NAME = :TABLE_NAME OR (:TABLE_NAME IS NULL)) AND         (C.INDEX_NAME = "
    L":INDEX_NAME OR (:INDEX_NAME IS NULL))   ORDER BY C.TABLE_OWNER, C.TABLE_NAME, C.INDEX_NAME, "
    L"C.COLUMN_POSITION";

const wchar_t* const kForeignKeys =
    L"SELECT NULL, OWNER, TABLE_NAME, CONSTRAINT_NAME   FROM ALL_CONSTRAINTS   WHERE "
    L"CONSTRAINT_TYPE = 'R' AND         (1=1 OR (:CATALOG_NAME IS NULL)) AND         "
    L"(LOWER(OWNER) = LOWER(:SCHEMA_NAME) OR (:SCHEMA_NAME IS NULL)) AND         (TABLE_NAME = "
    L":TABLE_NAME OR (:TABLE_NAME IS NULL))   ORDER BY OWNER, TABLE_NAME, CONSTRAINT_NAME";

const wchar_t* const kForeignKeyColumns =
    L"SELECT NULL, FC.OWNER, FC.TABLE_NAME, FC.CONSTRAINT_NAME, FC.COLUMN_NAME, NULL, PC.OWNER, "
    L"PC.TABLE_NAME, PC.CONSTRAINT_NAME, PC.COLUMN_NAME, FC.POSITION   FROM ALL_CONS_COLUMNS FC, "
    L"ALL_CONSTRAINTS F, ALL_CONSTRAINTS P, ALL_CONS_COLUMNS PC   WHERE F.CONSTRAINT_TYPE = 'R' "
    L"AND         F.OWNER=FC.OWNER AND F.TABLE_NAME=FC.TABLE_NAME AND "
    L"F.CONSTRAINT_NAME=FC.CONSTRAINT_NAME AND         F.R_OWNER=P.OWNER AND "
    L"F.R_CONSTRAINT_NAME=P.CONSTRAINT_NAME AND         P.OWNER=PC.OWNER AND "
    L"P.TABLE_NAME=PC.TABLE_NAME AND P.CONSTRAINT_NAME=PC.CONSTRAINT_NAME AND         "
    L"FC.POSITION=PC.POSITION AND         (1=1 OR (:CATALOG_NAME IS NULL)) AND         "
    L"(LOWER(FC.OWNER) = LOWER(:SCHEMA_NAME) OR (:SCHEMA_NAME IS NULL)) AND         "
    L"(FC.TABLE_NAME = :TABLE_NAME OR (:TABLE_NAME IS NULL)) AND         (FC.CONSTRAINT_NAME = "
    L":FOREIGN_KEY_NAME OR (:FOREIGN_KEY_NAME IS NULL)) AND         (1=1 OR "
    L"(:PRIMARY_CATALOG_NAME IS NULL)) AND         (LOWER(PC.OWNER) = LOWER(:PRIMARY_SCHEMA_NAME) "
    L"OR (:PRIMARY_SCHEMA_NAME IS NULL)) AND         (PC.TABLE_NAME = :PRIMARY_TABLE_NAME OR "
    L"(:PRIMARY_TABLE_NAME IS NULL)) AND         (PC.CONSTRAINT_NAME = :PRIMARY_KEY_NAME OR "
    L"(:PRIMARY_KEY_NAME IS NULL))   ORDER BY FC.OWNER, FC.TABLE_NAME, FC.CONSTRAINT_NAME, "
    L"FC.POSITION";

const wchar_t* const kSynonyms =
    L"SELECT NULL, OWNER, SYNONYM_NAME, NULL, TABLE_OWNER, TABLE_NAME   FROM ALL_SYNONYMS   WHERE "
    L"(1=1 OR (:CATALOG_NAME IS NULL)) AND         (LOWER(OWNER) = LOWER(:SCHEMA_NAME) OR "
    L"(:SCHEMA_NAME IS NULL)) AND         (SYNONYM_NAME = :SYNONYM_NAME OR (:SYNONYM_NAME IS "
    L"NULL))   ORDER BY OWNER, SYNONYM_NAME";

const wchar_t* const kProcedures =
    L"SELECT NULL, OWNER, OBJECT_NAME, OBJECT_TYPE   FROM ALL_OBJECTS   WHERE OBJECT_TYPE IN "
    L"('FUNCTION','PROCEDURE') AND         (1=1 OR (:CATALOG_NAME IS NULL)) AND         "
    L"(LOWER(OWNER) = LOWER(:SCHEMA_NAME) OR (:SCHEMA_NAME IS NULL)) AND         (OBJECT_NAME = "
    L":PROCEDURE_NAME OR (:PROCEDURE_NAME IS NULL)) AND         (OBJECT_TYPE = :PROCEDURE_TYPE OR "
    L"(:PROCEDURE_TYPE IS NULL))   ORDER BY OWNER, OBJECT_NAME";

const wchar_t* const kProcedureSources =
    L"SELECT NULL, OWNER, NAME, TYPE, TEXT, NULL, LINE AS SOURCE_LINE_NUMBER   FROM ALL_SOURCE S   "
    L"WHERE TYPE IN ('FUNCTION','PROCEDURE') AND         (1=1 OR (:CATALOG_NAME IS NULL)) AND         "
    L"(LOWER(OWNER) = LOWER(:SCHEMA_NAME) OR (:SCHEMA_NAME IS NULL)) AND          (NAME = "
    L":PROCEDURE_NAME OR (:PROCEDURE_NAME IS NULL))   ORDER BY OWNER, NAME, LINE";

const wchar_t* const kProcedureParameters =
    L"SELECT NULL, OWNER, OBJECT_NAME, ARGUMENT_NAME, CASE WHEN POSITION=0 THEN 'RESULT' WHEN "
    L"IN_OUT='IN/OUT' THEN 'INOUT' ELSE IN_OUT END, DATA_TYPE, NULL, NULL, POSITION, 1   FROM "
    L"ALL_ARGUMENTS   WHERE PACKAGE_NAME IS NULL AND DATA_LEVEL=0 AND DATA_TYPE IS NOT NULL AND         "
    L"(1=1 OR (:CATALOG_NAME IS NULL)) AND         (LOWER(OWNER) = LOWER(:SCHEMA_NAME) OR "
    L"(:SCHEMA_NAME IS NULL)) AND         (OBJECT_NAME = :PROCEDURE_NAME OR (:PROCEDURE_NAME IS "
    L"NULL)) AND         (ARGUMENT_NAME = :PARAMETER_NAME OR (:PARAMETER_NAME IS NULL))   ORDER "
    L"BY OWNER, OBJECT_NAME, POSITION";

const wchar_t* const kPackages =
    L"SELECT NULL, OWNER, OBJECT_NAME   FROM ALL_OBJECTS   WHERE OBJECT_TYPE IN ('PACKAGE') AND         "
    L"(1=1 OR (:CATALOG_NAME IS NULL)) AND         (LOWER(OWNER) = LOWER(:SCHEMA_NAME) OR "
    L"(:SCHEMA_NAME IS NULL)) AND         (OBJECT_NAME = :PACKAGE_NAME OR (:PACKAGE_NAME IS "
    L"NULL))   ORDER BY OWNER, OBJECT_NAME";

const wchar_t* const kPackageSources =
    L"SELECT NULL, OWNER, NAME, TEXT, LINE AS SOURCE_LINE_NUMBER   FROM ALL_SOURCE S   WHERE TYPE "
    L"IN ('PACKAGE') AND         (1=1 OR (:CATALOG_NAME IS NULL)) AND         (LOWER(OWNER) = "
    L"LOWER(:SCHEMA_NAME) OR (:SCHEMA_NAME IS NULL)) AND         (NAME = :PACKAGE_NAME OR "
    L"(:PACKAGE_NAME IS NULL))   ORDER BY OWNER, NAME, LINE";

const wchar_t* const kPackageProcedures =
    L"SELECT NULL, OWNER, PACKAGE_NAME, OBJECT_NAME, CASE WHEN MIN(POSITION)=0 THEN 'FUNCTION' "
    L"ELSE 'PROCEDURE' END   FROM ALL_ARGUMENTS   WHERE PACKAGE_NAME IS NOT NULL AND         (1=1 "
    L"OR (:CATALOG_NAME IS NULL)) AND         (LOWER(OWNER) = LOWER(:SCHEMA_NAME) OR "
    L"(:SCHEMA_NAME IS NULL)) AND         (PACKAGE_NAME = :PACKAGE_NAME OR (:PACKAGE_NAME IS "
    L"NULL)) AND         (OBJECT_NAME = :PROCEDURE_NAME OR (:PROCEDURE_NAME IS NULL))   GROUP BY "
    L"OWNER, PACKAGE_NAME, OBJECT_NAME   HAVING (CASE WHEN MIN(POSITION)=0 THEN 'FUNCTION' ELSE "
    L"'PROCEDURE' END = :PROCEDURE_TYPE OR (:PROCEDURE_TYPE IS NULL))";

const wchar_t* const kPackageProcedureParameters =
    L"SELECT NULL, OWNER, PACKAGE_NAME, OBJECT_NAME, ARGUMENT_NAME,        CASE WHEN POSITION=0 "
    L"THEN 'RESULT' WHEN IN_OUT='IN/OUT' THEN 'INOUT' ELSE IN_OUT END, DATA_TYPE, NULL, NULL, "
    L"POSITION, 1   FROM ALL_ARGUMENTS   WHERE PACKAGE_NAME IS NOT NULL AND DATA_LEVEL=0 AND "
    L"DATA_TYPE IS NOT NULL AND         (1=1 OR (:CATALOG_NAME IS NULL)) AND         "
    L"(LOWER(OWNER) = LOWER(:SCHEMA_NAME) OR (:SCHEMA_NAME IS NULL)) AND         (PACKAGE_NAME = "
    L":PACKAGE_NAME OR (:PACKAGE_NAME IS NULL)) AND         (OBJECT_NAME = :PROCEDURE_NAME OR "
    L"(:PROCEDURE_NAME IS NULL)) AND         (ARGUMENT_NAME = :PARAMETER_NAME OR (:PARAMETER_NAME "
    L"IS NULL))   ORDER BY OWNER, PACKAGE_NAME, OBJECT_NAME, POSITION";

const wchar_t* const kUsers =
    L"SELECT USERNAME FROM ALL_USERS ORDER BY USERNAME";

const wchar_t* const kRoles =
    L"SELECT ROLE FROM SESSION_ROLES ORDER BY ROLE";

}  // namespace

// ---------------------------------------------------------------- cursors

// Reports the column default (ordinal 8) without surrounding blanks or line
// breaks, which the dictionary keeps as they were written.
class TDBXOstraOracleCustomMetaDataReader::TDBXOracleColumnsCursor
    : public TDBXCustomMetaDataTable {
public:
  explicit TDBXOracleColumnsCursor(std::unique_ptr<TDBXTable> ACursor)
      : TDBXCustomMetaDataTable(MetaDataCollection(TKind::Columns).Name,
                                CollectionColumns(TKind::Columns, *ACursor), std::move(ACursor)) {}

  bool Next() override {
    if (!Cursor().Next()) {
      FDefaultValue.SetNull();
      return false;
    }
    const TDBXWritableValue& stored = Cursor().Value(kDefaultOrdinal);
    FDefaultValue = stored.IsNull() ? TDBXWritableValue() : TDBXWritableValue(Trim(stored.AsString()));
    return true;
  }

  const TDBXWritableValue& Value(int AOrdinal) const override {
    return AOrdinal == kDefaultOrdinal ? FDefaultValue : TDBXCustomMetaDataTable::Value(AOrdinal);
  }

private:
  static constexpr int kDefaultOrdinal = 8;
  TDBXWritableValue FDefaultValue;
};

// Reports as the column name (ordinal 4) the index expression of a
// function-based index; a lone quoted name loses its quotes.
class TDBXOstraOracleCustomMetaDataReader::TDBXOracleIndexColumnsCursor
    : public TDBXCustomMetaDataTable {
public:
  explicit TDBXOracleIndexColumnsCursor(std::unique_ptr<TDBXTable> ACursor)
      : TDBXCustomMetaDataTable(MetaDataCollection(TKind::IndexColumns).Name,
                                CollectionColumns(TKind::IndexColumns, *ACursor),
                                std::move(ACursor)) {}

  bool Next() override {
    if (!Cursor().Next()) {
      FNameValue.SetNull();
      return false;
    }
    if (Cursor().Value(kIsPlainColumnOrdinal).AsInt64() != 0)
      FNameValue = Cursor().Value(kColumnNameOrdinal);
    else
      FNameValue = Unquoted(Cursor().Value(kExpressionOrdinal).AsString());
    return true;
  }

  const TDBXWritableValue& Value(int AOrdinal) const override {
    return AOrdinal == kColumnNameOrdinal ? FNameValue : TDBXCustomMetaDataTable::Value(AOrdinal);
  }

private:
  static constexpr int kColumnNameOrdinal = 4;
  static constexpr int kExpressionOrdinal = 7;
  static constexpr int kIsPlainColumnOrdinal = 8;

  static String Unquoted(const String& AExpression) {
    if (AExpression.size() > 2 && AExpression.front() == L'"' && AExpression.back() == L'"' &&
        AExpression.find(L' ') == String::npos)
      return AExpression.substr(1, AExpression.size() - 2);
    return AExpression;
  }

  TDBXWritableValue FNameValue;
};

// ---------------------------------------------------------------- custom reader

void TDBXOstraOracleCustomMetaDataReader::SetContext(TDBXProviderContext* AContext) {
  TDBXBaseMetaDataReader::SetContext(AContext);
  FUseUnicode = UpperCase(VendorProperty(L"UseUnicode")) == L"TRUE";
  FUseQuoteChar = UpperCase(Trim(VendorProperty(L"UseQuoteChar"))) == L"TRUE";
}

String TDBXOstraOracleCustomMetaDataReader::NormalizeIdentifierCase(const String& AName) const {
  return FUseQuoteChar ? AName : AnsiUpperCase(AName);
}

void TDBXOstraOracleCustomMetaDataReader::RegisterExtraDataTypes() {
  AddDataType({L"REF CURSOR", TDBXDataTypes::CursorType});
  AddDataType({L"PL/SQL BOOLEAN", TDBXDataTypes::BooleanType});
  AddDataType({L"BINARY_INTEGER", TDBXDataTypes::Int32Type});
}

std::unique_ptr<TDBXTable> TDBXOstraOracleCustomMetaDataReader::FetchTables(
    const String& ACatalog, const String& ASchema, const String& ATable,
    const String& ATableTypes) {
  return TDBXBaseMetaDataReader::FetchTables(ACatalog, ASchema, NormalizeIdentifierCase(ATable),
                                             ATableTypes);
}

std::unique_ptr<TDBXTable> TDBXOstraOracleCustomMetaDataReader::FetchViews(
    const String& ACatalog, const String& ASchema, const String& AView) {
  return TDBXBaseMetaDataReader::FetchViews(ACatalog, ASchema, NormalizeIdentifierCase(AView));
}

std::unique_ptr<TDBXTable> TDBXOstraOracleCustomMetaDataReader::FetchColumns(
    const String& ACatalog, const String& ASchema, const String& ATable) {
  std::unique_ptr<TDBXTable> cursor =
      ExecuteQuery(ColumnsQuery(), {Param(L"CATALOG_NAME", ACatalog),
                                    Param(L"SCHEMA_NAME", ASchema),
                                    Param(L"TABLE_NAME", NormalizeIdentifierCase(ATable))});
  return ColumnsCursor(std::make_unique<TDBXOracleColumnsCursor>(std::move(cursor)));
}

std::unique_ptr<TDBXTable> TDBXOstraOracleCustomMetaDataReader::FetchIndexes(
    const String& ACatalog, const String& ASchema, const String& ATable) {
  return TDBXBaseMetaDataReader::FetchIndexes(ACatalog, ASchema, NormalizeIdentifierCase(ATable));
}

std::unique_ptr<TDBXTable> TDBXOstraOracleCustomMetaDataReader::FetchIndexColumns(
    const String& ACatalog, const String& ASchema, const String& ATable, const String& AIndex) {
  std::unique_ptr<TDBXTable> cursor =
      ExecuteQuery(IndexColumnsQuery(), {Param(L"CATALOG_NAME", ACatalog),
                                         Param(L"SCHEMA_NAME", ASchema),
                                         Param(L"TABLE_NAME", NormalizeIdentifierCase(ATable)),
                                         Param(L"INDEX_NAME", NormalizeIdentifierCase(AIndex))});
  return std::make_unique<TDBXOracleIndexColumnsCursor>(std::move(cursor));
}

std::unique_ptr<TDBXTable> TDBXOstraOracleCustomMetaDataReader::FetchForeignKeys(
    const String& ACatalog, const String& ASchema, const String& ATable) {
  return TDBXBaseMetaDataReader::FetchForeignKeys(ACatalog, ASchema,
                                                  NormalizeIdentifierCase(ATable));
}

std::unique_ptr<TDBXTable> TDBXOstraOracleCustomMetaDataReader::FetchForeignKeyColumns(
    const String& ACatalog, const String& ASchema, const String& ATable, const String& AForeignKey,
    const String& APrimaryCatalog, const String& APrimarySchema, const String& APrimaryTable,
    const String& APrimaryKey) {
  return TDBXBaseMetaDataReader::FetchForeignKeyColumns(
      ACatalog, ASchema, NormalizeIdentifierCase(ATable), NormalizeIdentifierCase(AForeignKey),
      APrimaryCatalog, APrimarySchema, NormalizeIdentifierCase(APrimaryTable),
      NormalizeIdentifierCase(APrimaryKey));
}

std::unique_ptr<TDBXTable> TDBXOstraOracleCustomMetaDataReader::FetchSynonyms(
    const String& ACatalog, const String& ASchema, const String& ASynonym) {
  return TDBXBaseMetaDataReader::FetchSynonyms(ACatalog, ASchema,
                                               NormalizeIdentifierCase(ASynonym));
}

std::unique_ptr<TDBXTable> TDBXOstraOracleCustomMetaDataReader::FetchProcedures(
    const String& ACatalog, const String& ASchema, const String& AProcedure,
    const String& AProcedureType) {
  return TDBXBaseMetaDataReader::FetchProcedures(ACatalog, ASchema,
                                                 NormalizeIdentifierCase(AProcedure),
                                                 AProcedureType);
}

std::unique_ptr<TDBXTable> TDBXOstraOracleCustomMetaDataReader::FetchProcedureSources(
    const String& ACatalog, const String& ASchema, const String& AProcedure) {
  return TDBXBaseMetaDataReader::FetchProcedureSources(ACatalog, ASchema,
                                                       NormalizeIdentifierCase(AProcedure));
}

std::unique_ptr<TDBXTable> TDBXOstraOracleCustomMetaDataReader::FetchProcedureParameters(
    const String& ACatalog, const String& ASchema, const String& AProcedure,
    const String& AParameter) {
  return TDBXBaseMetaDataReader::FetchProcedureParameters(ACatalog, ASchema,
                                                          NormalizeIdentifierCase(AProcedure),
                                                          NormalizeIdentifierCase(AParameter));
}

std::unique_ptr<TDBXTable> TDBXOstraOracleCustomMetaDataReader::FetchPackages(
    const String& ACatalog, const String& ASchema, const String& APackage) {
  return TDBXBaseMetaDataReader::FetchPackages(ACatalog, ASchema,
                                               NormalizeIdentifierCase(APackage));
}

std::unique_ptr<TDBXTable> TDBXOstraOracleCustomMetaDataReader::FetchPackageProcedures(
    const String& ACatalog, const String& ASchema, const String& APackage,
    const String& AProcedure, const String& AProcedureType) {
  return TDBXBaseMetaDataReader::FetchPackageProcedures(
      ACatalog, ASchema, NormalizeIdentifierCase(APackage), NormalizeIdentifierCase(AProcedure),
      AProcedureType);
}

std::unique_ptr<TDBXTable> TDBXOstraOracleCustomMetaDataReader::FetchPackageProcedureParameters(
    const String& ACatalog, const String& ASchema, const String& APackage,
    const String& AProcedure, const String& AParameter) {
  return TDBXBaseMetaDataReader::FetchPackageProcedureParameters(
      ACatalog, ASchema, NormalizeIdentifierCase(APackage), NormalizeIdentifierCase(AProcedure),
      NormalizeIdentifierCase(AParameter));
}

std::unique_ptr<TDBXTable> TDBXOstraOracleCustomMetaDataReader::FetchPackageSources(
    const String& ACatalog, const String& ASchema, const String& APackage) {
  return TDBXBaseMetaDataReader::FetchPackageSources(ACatalog, ASchema,
                                                     NormalizeIdentifierCase(APackage));
}

// ---------------------------------------------------------------- queries

String TDBXOstraOracleMetaDataReader::SchemasQuery() const { return kSchemas; }
String TDBXOstraOracleMetaDataReader::TablesQuery() const { return kTables; }
String TDBXOstraOracleMetaDataReader::ViewsQuery() const { return kViews; }
String TDBXOstraOracleMetaDataReader::ColumnsQuery() const { return kColumns; }
String TDBXOstraOracleMetaDataReader::IndexesQuery() const { return kIndexes; }
String TDBXOstraOracleMetaDataReader::IndexColumnsQuery() const { return kIndexColumns; }
String TDBXOstraOracleMetaDataReader::ForeignKeysQuery() const { return kForeignKeys; }
String TDBXOstraOracleMetaDataReader::ForeignKeyColumnsQuery() const { return kForeignKeyColumns; }
String TDBXOstraOracleMetaDataReader::SynonymsQuery() const { return kSynonyms; }
String TDBXOstraOracleMetaDataReader::ProceduresQuery() const { return kProcedures; }
String TDBXOstraOracleMetaDataReader::ProcedureSourcesQuery() const { return kProcedureSources; }
String TDBXOstraOracleMetaDataReader::ProcedureParametersQuery() const {
  return kProcedureParameters;
}
String TDBXOstraOracleMetaDataReader::PackagesQuery() const { return kPackages; }
String TDBXOstraOracleMetaDataReader::PackageSourcesQuery() const { return kPackageSources; }
String TDBXOstraOracleMetaDataReader::PackageProceduresQuery() const {
  return kPackageProcedures;
}
String TDBXOstraOracleMetaDataReader::PackageProcedureParametersQuery() const {
  return kPackageProcedureParameters;
}
String TDBXOstraOracleMetaDataReader::UsersQuery() const { return kUsers; }
String TDBXOstraOracleMetaDataReader::RolesQuery() const { return kRoles; }
