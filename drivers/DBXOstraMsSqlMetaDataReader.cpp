#include "drivers/DBXOstraMsSqlMetaDataReader.h"

namespace {

using TKind = TDBXMetaDataKind;

const wchar_t* const kVersion9 = L"09.00.0000";
const wchar_t* const kVersion5 = L"05.00.0000";

const wchar_t* const kCatalogsAzure =
    L"SELECT name FROM sysdatabases";

const wchar_t* const kCatalogs =
    L"SELECT name FROM master..sysdatabases";

const wchar_t* const kSchemasBefore9 =
    L"SELECT DISTINCT DB_NAME(), USER_NAME(uid) FROM  dbo.sysobjects WHERE   type IN ('U', 'V', "
    L"'S', 'P', 'FN', 'IF', 'TF') ORDER BY 1,2";

const wchar_t* const kSchemas =
    L"SELECT DISTINCT DB_NAME(), SCHEMA_NAME(schema_id) FROM  sys.objects WHERE   type IN ('U', "
    L"'V', 'S', 'P', 'FN', 'IF', 'TF') ORDER BY 1,2";

const wchar_t* const kTablesBefore9 =
    L"SELECT DB_NAME(), USER_NAME(uid), name, CASE type WHEN 'U' THEN 'TABLE' WHEN 'V' THEN "
    L"'VIEW' WHEN 'S' THEN 'SYSTEM TABLE' WHEN 'SN' THEN 'SYNONYM' END FROM  dbo.sysobjects WHERE   "
    L"(DB_NAME() = :CATALOG_NAME OR (:CATALOG_NAME IS NULL))   AND (USER_NAME(uid) = :SCHEMA_NAME "
    L"OR (:SCHEMA_NAME IS NULL))   AND (name = :TABLE_NAME OR (:TABLE_NAME IS NULL))   AND (type "
    L"= :TABLES OR type = :VIEWS OR type = :SYSTEM_TABLES OR type = :SYNONYMS) ORDER BY 1,2,3";

const wchar_t* const kTables =
    L"SELECT DB_NAME(), SCHEMA_NAME(a.schema_id), a.name, CASE WHEN a.type='U' THEN 'TABLE' WHEN "
    L"s.type='V' THEN 'SYSTEM VIEW' WHEN a.type='V' THEN 'VIEW' WHEN a.type='S' THEN 'SYSTEM "
    L"TABLE' WHEN a.type='SN' THEN 'SYNONYM' END FROM  sys.all_objects a LEFT OUTER JOIN "
    L"sys.system_objects s ON a.object_id=s.object_id WHERE   (DB_NAME() = :CATALOG_NAME OR "
    L"(:CATALOG_NAME IS NULL))   AND (SCHEMA_NAME(a.schema_id) = :SCHEMA_NAME OR (:SCHEMA_NAME IS "
    L"NULL))   AND (a.name = :TABLE_NAME OR (:TABLE_NAME IS NULL))   AND (a.type = :TABLES OR "
    L"a.type = :VIEWS OR a.type = :SYSTEM_TABLES OR s.type = :SYSTEM_VIEWS OR a.type = :SYNONYMS) "
    L"ORDER BY 1,2,3";

const wchar_t* const kViews =
    L"SELECT TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, VIEW_DEFINITION FROM "
    L"INFORMATION_SCHEMA.VIEWS WHERE   (TABLE_CATALOG = :CATALOG_NAME OR (:CATALOG_NAME IS NULL))   "
    L"AND (TABLE_SCHEMA = :SCHEMA_NAME OR (:SCHEMA_NAME IS NULL))   AND (TABLE_NAME = :VIEW_NAME "
    L"OR (:VIEW_NAME IS NULL)) ORDER BY 1,2,3";

const wchar_t* const kColumnsAzure =
    L"SELECT DB_NAME(), SCHEMA_NAME(O.uid), O.name, C.name, T.name, CONVERT(INT,C.prec), "
    L"CONVERT(INT,C.scale), CONVERT(INT,C.colid), NULL, CONVERT(BIT, C.isnullable), CONVERT(BIT, "
    L"COLUMNPROPERTY(O.id, C.name, 'ISIDENTITY')), NULL FROM sysobjects O INNER JOIN syscolumns C "
    L"ON O.id=C.id  INNER JOIN systypes T ON C.xusertype = T.xusertype WHERE   "
    L"OBJECTPROPERTY(O.id,'IsView')+OBJECTPROPERTY(O.id,'IsUserTable') > 0   AND (DB_NAME() = "
    L":CATALOG_NAME OR (:CATALOG_NAME IS NULL))   AND (SCHEMA_NAME(O.uid) = :SCHEMA_NAME OR "
    L"(:SCHEMA_NAME IS NULL))   AND (O.name = :TABLE_NAME OR (:TABLE_NAME IS NULL)) ORDER BY "
    L"1,2,3,C.colid";

const wchar_t* const kColumnsBefore9 =
    L"SELECT DB_NAME(), USER_NAME(O.uid), O.name, C.name, T.name, CONVERT(INT,C.prec), "
    L"CONVERT(INT,C.scale), CONVERT(INT,C.colid), CASE WHEN COM.text LIKE '(%)' THEN "
    L"SUBSTRING(COM.text,2,LEN(COM.text)-2) WHEN COM.text LIKE '(''%'')'  THEN "
    L"SUBSTRING(COM.text,2,LEN(COM.text)-2) ELSE COM.text END AS DEFAULT_VALUE, CONVERT(BIT, "
    L"C.isnullable), CONVERT(BIT, COLUMNPROPERTY(O.id, C.name, 'ISIDENTITY')), NULL FROM "
    L"sysobjects O INNER JOIN syscolumns C ON O.id=C.id  INNER JOIN systypes T ON C.xusertype = "
    L"T.xusertype  LEFT OUTER JOIN syscomments COM ON CDEFAULT=COM.id WHERE   "
    L"OBJECTPROPERTY(O.id,'IsView')+OBJECTPROPERTY(O.id,'IsUserTable') > 0   AND (DB_NAME() = "
    L":CATALOG_NAME OR (:CATALOG_NAME IS NULL))   AND (USER_NAME(O.uid) = :SCHEMA_NAME OR "
    L"(:SCHEMA_NAME IS NULL))   AND (O.name = :TABLE_NAME OR (:TABLE_NAME IS NULL)) ORDER BY "
    L"1,2,3,C.colid";

const wchar_t* const kColumns =
    L"SELECT DB_NAME(), SCHEMA_NAME(O.uid), O.name, C.name, T.name, CONVERT(INT,C.prec), "
    L"CONVERT(INT,C.scale), CONVERT(INT,C.colid), CASE WHEN COM.text LIKE '((%))' THEN "
    L"SUBSTRING(COM.text,3,LEN(COM.text)-4) WHEN COM.text LIKE '(''%'')'  THEN "
    L"SUBSTRING(COM.text,2,LEN(COM.text)-2) ELSE COM.text END AS DEFAULT_VALUE, CONVERT(BIT, "
    L"C.isnullable), CONVERT(BIT, COLUMNPROPERTY(O.id, C.name, 'ISIDENTITY')), NULL FROM "
    L"sysobjects O INNER JOIN syscolumns C ON O.id=C.id  INNER JOIN systypes T ON C.xusertype = "
    L"T.xusertype  LEFT OUTER JOIN syscomments COM ON CDEFAULT=COM.id WHERE   "
    L"OBJECTPROPERTY(O.id,'IsView')+OBJECTPROPERTY(O.id,'IsUserTable') > 0   AND (DB_NAME() = "
    L":CATALOG_NAME OR (:CATALOG_NAME IS NULL))   AND (SCHEMA_NAME(O.uid) = :SCHEMA_NAME OR "
    L"(:SCHEMA_NAME IS NULL))   AND (O.name = :TABLE_NAME OR (:TABLE_NAME IS NULL)) ORDER BY "
    L"1,2,3,C.colid";

const wchar_t* const kColumnConstraintsBefore9 =
    L"SELECT DB_NAME(), USER_NAME(T.uid), T.name, CON.name AS CONSTRAINT_NAME, COL.name AS "
    L"COLUMN_NAME FROM sysobjects T, syscolumns COL, sysobjects CON WHERE   T.id=CON.parent_obj "
    L"AND CON.id=COL.cdefault   AND (DB_NAME() = :CATALOG_NAME OR (:CATALOG_NAME IS NULL))   AND "
    L"(USER_NAME(T.uid)=:SCHEMA_NAME OR (:SCHEMA_NAME IS NULL))   AND (T.name=:TABLE_NAME OR "
    L"(:TABLE_NAME IS NULL))";

const wchar_t* const kColumnConstraints =
    L"SELECT DB_NAME(), SCHEMA_NAME(T.uid), T.name, CON.name AS CONSTRAINT_NAME, COL.name AS "
    L"COLUMN_NAME FROM sysobjects T, syscolumns COL, sysobjects CON WHERE   T.id=CON.parent_obj "
    L"AND CON.id=COL.cdefault   AND (DB_NAME() = :CATALOG_NAME OR (:CATALOG_NAME IS NULL))   AND "
    L"(SCHEMA_NAME(T.uid)=:SCHEMA_NAME OR (:SCHEMA_NAME IS NULL))   AND (T.name=:TABLE_NAME OR "
    L"(:TABLE_NAME IS NULL))";

const wchar_t* const kIndexesUpTo5 =
    L"SELECT TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, INDEX_NAME, CASE [UNIQUE] WHEN 1 THEN "
    L"INDEX_NAME ELSE NULL END, CONVERT(BIT, [PRIMARY_KEY]), CONVERT(BIT, [UNIQUE]), CONVERT(BIT, "
    L"1) FROM INFORMATION_SCHEMA.INDEXES WHERE   (TABLE_NAME = :TABLE_NAME OR (:TABLE_NAME IS "
    L"NULL)) ORDER BY INDEX_NAME, ORDINAL_POSITION";

const wchar_t* const kIndexesAzure =
    L"SELECT DISTINCT DB_NAME(), SCHEMA_NAME(O.uid), O.name, I.name, CASE WHEN "
    L"INDEXPROPERTY(I.object_id, I.name,  'IsUnique') > 0 THEN I.name ELSE NULL END, CONVERT(BIT, "
    L"COALESCE(OBJECTPROPERTY(object_id(I.name), 'IsPrimaryKey'), 0)), CONVERT(BIT, "
    L"COALESCE(INDEXPROPERTY(I.object_id, I.name,  'IsUnique'), 0)), CONVERT(BIT, 1) FROM "
    L"sysobjects O, sys.indexes I, sys.index_columns IC WHERE   O.type IN ('U') AND I.object_id = "
    L"O.id AND O.id = IC.object_id AND I.index_id = IC.index_id   AND (DB_NAME() = :CATALOG_NAME "
    L"or (:CATALOG_NAME IS NULL))   AND (SCHEMA_NAME(O.uid) = :SCHEMA_NAME OR (:SCHEMA_NAME IS "
    L"NULL))   AND (O.name = :TABLE_NAME OR (:TABLE_NAME IS NULL)) ORDER BY 1,2,3,4";

const wchar_t* const kIndexesBefore9 =
    L"SELECT DISTINCT DB_NAME(), USER_NAME(O.uid), O.name, I.name, CASE WHEN INDEXPROPERTY(I.id, "
    L"I.name,  'IsUnique') > 0 THEN I.name ELSE NULL END, CONVERT(BIT, "
    L"COALESCE(OBJECTPROPERTY(object_id(I.name), 'IsPrimaryKey'), 0)), CONVERT(BIT, "
    L"COALESCE(INDEXPROPERTY(I.id, I.name,  'IsUnique'), 0)), CONVERT(BIT, 1) FROM sysobjects O, "
    L"sysindexes I, sysindexkeys IK WHERE   O.type IN ('U') AND I.id = O.id AND O.id = IK.id AND "
    L"I.indid = IK.indid   AND IK.keyno <= I.keycnt  AND I.status & 0x800000 = 0   AND (DB_NAME() "
    L"= :CATALOG_NAME or (:CATALOG_NAME IS NULL))   AND (USER_NAME(O.uid) = :SCHEMA_NAME OR "
    L"(:SCHEMA_NAME IS NULL))   AND (O.name = :TABLE_NAME OR (:TABLE_NAME IS NULL)) ORDER BY "
    L"1,2,3,4";

const wchar_t* const kIndexes =
    L"SELECT DISTINCT DB_NAME(), SCHEMA_NAME(O.uid), O.name, I.name, CASE WHEN "
    L"INDEXPROPERTY(I.id, I.name,  'IsUnique') > 0 THEN I.name ELSE NULL END, CONVERT(BIT, "
    L"COALESCE(OBJECTPROPERTY(object_id(I.name), 'IsPrimaryKey'), 0)), CONVERT(BIT, "
    L"COALESCE(INDEXPROPERTY(I.id, I.name,  'IsUnique'), 0)), CONVERT(BIT, 1) FROM sysobjects O, "
    L"sysindexes I, sysindexkeys IK WHERE   O.type IN ('U') AND I.id = O.id AND O.id = IK.id AND "
    L"I.indid = IK.indid   AND IK.keyno <= I.keycnt   AND (DB_NAME() = :CATALOG_NAME or "
    L"(:CATALOG_NAME IS NULL))   AND (SCHEMA_NAME(O.uid) = :SCHEMA_NAME OR (:SCHEMA_NAME IS "
    L"NULL))   AND (O.name = :TABLE_NAME OR (:TABLE_NAME IS NULL)) ORDER BY 1,2,3,4";

const wchar_t* const kIndexColumnsUpTo5 =
    L"SELECT TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, INDEX_NAME, COLUMN_NAME, ORDINAL_POSITION, "
    L"CONVERT(BIT, 1) FROM INFORMATION_SCHEMA.INDEXES WHERE   (TABLE_NAME = :TABLE_NAME OR "
    L"(:TABLE_NAME IS NULL)) ORDER BY INDEX_NAME, ORDINAL_POSITION";

const wchar_t* const kIndexColumnsAzure =
    L"SELECT DISTINCT DB_NAME(), SCHEMA_NAME(O.uid), O.name, I.name, C.name, CONVERT(INT, "
    L"IC.key_ordinal), CONVERT(BIT, 1 - IC.is_descending_key) FROM sysobjects O, sys.indexes I, "
    L"sys.index_columns IC, syscolumns C WHERE   O.type IN ('U') AND I.object_id = O.id AND O.id "
    L"= IC.object_id AND O.id = C.id   AND C.colid = IC.column_id AND I.index_id = IC.index_id   "
    L"AND (DB_NAME() = :CATALOG_NAME OR (:CATALOG_NAME IS NULL))   AND (SCHEMA_NAME(O.uid) = "
    L":SCHEMA_NAME OR (:SCHEMA_NAME IS NULL))   AND (O.name = :TABLE_NAME OR (:TABLE_NAME IS "
    L"NULL))   AND (I.name = :INDEX_NAME OR (:INDEX_NAME IS NULL)) ORDER BY 1,2,3,4,6";

const wchar_t* const kIndexColumnsBefore9 =
    L"SELECT DISTINCT DB_NAME(), USER_NAME(O.uid), O.name, I.name, C.name, CONVERT(INT, "
    L"IK.keyno), CONVERT(BIT, 1 - INDEXKEY_PROPERTY(O.id, I.indid, IK.keyno, 'IsDescending')) "
    L"FROM sysobjects O, sysindexes I, sysindexkeys IK, syscolumns C WHERE   O.type IN ('U') AND "
    L"I.id = O.id AND O.id = IK.id AND O.id = C.id   AND C.colid = IK.colid AND I.indid = "
    L"IK.indid AND IK.keyno <= I.keycnt   AND (DB_NAME() = :CATALOG_NAME OR (:CATALOG_NAME IS "
    L"NULL))   AND (USER_NAME(O.uid) = :SCHEMA_NAME OR (:SCHEMA_NAME IS NULL))   AND (O.name = "
    L":TABLE_NAME OR (:TABLE_NAME IS NULL))   AND (I.name = :INDEX_NAME OR (:INDEX_NAME IS NULL)) "
    L"ORDER BY 1,2,3,4,6";

const wchar_t* const kIndexColumns =
    L"SELECT DISTINCT DB_NAME(), SCHEMA_NAME(O.uid), O.name, I.name, C.name, CONVERT(INT, "
    L"IK.keyno), CONVERT(BIT, 1 - INDEXKEY_PROPERTY(O.id, I.indid, IK.keyno, 'IsDescending')) "
    L"FROM sysobjects O, sysindexes I, sysindexkeys IK, syscolumns C WHERE   O.type IN ('U') AND "
    L"I.id = O.id AND O.id = IK.id AND O.id = C.id   AND C.colid = IK.colid AND I.indid = "
    L"IK.indid AND IK.keyno <= I.keycnt   AND (DB_NAME() = :CATALOG_NAME OR (:CATALOG_NAME IS "
    L"NULL))   AND (SCHEMA_NAME(O.uid) = :SCHEMA_NAME OR (:SCHEMA_NAME IS NULL))   AND (O.name = "
    L":TABLE_NAME OR (:TABLE_NAME IS NULL))   AND (I.name = :INDEX_NAME OR (:INDEX_NAME IS NULL)) "
    L"ORDER BY 1,2,3,4,6";

const wchar_t* const kForeignKeysBefore9 =
    L"SELECT DB_NAME(), USER_NAME(FT.uid), FT.name, FK.name FROM sysreferences R, sysobjects FK, "
    L"sysobjects FT WHERE   R.fkeyid=FT.id AND R.constid=FK.id   AND (DB_NAME() = :CATALOG_NAME "
    L"OR (:CATALOG_NAME IS NULL))   AND (USER_NAME(FT.uid) = :SCHEMA_NAME OR (:SCHEMA_NAME IS "
    L"NULL))   AND (FT.name = :TABLE_NAME OR (:TABLE_NAME IS NULL)) ORDER BY 1,2,3,4";

const wchar_t* const kForeignKeys =
    L"SELECT DB_NAME(), SCHEMA_NAME(FT.schema_id), FT.name, FK.name FROM sys.foreign_keys FK, "
    L"sys.tables FT WHERE   FK.parent_object_id = FT.object_id   AND (DB_NAME() = :CATALOG_NAME "
    L"OR (:CATALOG_NAME IS NULL))   AND (SCHEMA_NAME(FT.schema_id) = :SCHEMA_NAME OR "
    L"(:SCHEMA_NAME IS NULL))   AND (FT.name = :TABLE_NAME OR (:TABLE_NAME IS NULL)) ORDER BY "
    L"1,2,3,4";

const wchar_t* const kForeignKeyColumnsBefore9 =
    L"SELECT DB_NAME(), USER_NAME(FT.uid), FT.name, FK.name, FC.name, DB_NAME(), "
    L"USER_NAME(PT.uid), PT.name, I.name, PC.name, F.keyno FROM sysforeignkeys F, sysobjects FK, "
    L"sysobjects FT, syscolumns FC, sysobjects PT, syscolumns PC, sysreferences R, sysindexes I "
    L"WHERE   F.constid=FK.id AND F.fkeyid=FT.id AND F.rkeyid=PT.id   AND F.fkeyid=FC.id AND "
    L"F.fkey=FC.colid AND F.rkeyid=PC.id AND F.rkey=PC.colid   AND R.constid=F.constid AND "
    L"F.rkeyid=I.id AND R.rkeyindid=I.indid   AND (DB_NAME() = :CATALOG_NAME OR (:CATALOG_NAME IS "
    L"NULL))   AND (USER_NAME(FT.uid) = :SCHEMA_NAME OR (:SCHEMA_NAME IS NULL))   AND (FT.name = "
    L":TABLE_NAME OR (:TABLE_NAME IS NULL))   AND (FK.name = :FOREIGN_KEY_NAME OR "
    L"(:FOREIGN_KEY_NAME IS NULL))   AND (DB_NAME() = :PRIMARY_CATALOG_NAME OR "
    L"(:PRIMARY_CATALOG_NAME IS NULL))   AND (USER_NAME(PT.uid) = :PRIMARY_SCHEMA_NAME OR "
    L"(:PRIMARY_SCHEMA_NAME IS NULL))   AND (PT.name = :PRIMARY_TABLE_NAME OR "
    L"(:PRIMARY_TABLE_NAME IS NULL))   AND (I.name = :PRIMARY_KEY_NAME OR (:PRIMARY_KEY_NAME IS "
    L"NULL)) ORDER BY 1, 2, 3, 4, F.keyno";

const wchar_t* const kForeignKeyColumns =
    L"SELECT DB_NAME(), SCHEMA_NAME(FT.schema_id), FT.name, FK.name, FC.name, DB_NAME(), "
    L"SCHEMA_NAME(PT.schema_id), PT.name, I.name, PC.name, FKC.constraint_column_id FROM "
    L"sys.foreign_keys FK, sys.foreign_key_columns FKC, sys.tables PT, sys.tables FT, sys.columns "
    L"PC, sys.columns FC, sys.indexes I WHERE   FK.parent_object_id = FT.object_id   AND "
    L"FK.referenced_object_id = PT.object_id   AND FKC.constraint_object_id = FK.object_id   AND "
    L"FKC.referenced_column_id = PC.column_id   AND FKC.parent_object_id = FT.object_id   AND "
    L"FKC.parent_column_id = FC.column_id   AND PC.object_id = PT.object_id   AND FC.object_id = "
    L"FT.object_id   AND PC.object_id = I.object_id   AND FK.key_index_id = I.index_id   AND "
    L"(DB_NAME() = :CATALOG_NAME OR (:CATALOG_NAME IS NULL))   AND (SCHEMA_NAME(FT.schema_id) = "
    L":SCHEMA_NAME OR (:SCHEMA_NAME IS NULL))   AND (FT.name = :TABLE_NAME OR (:TABLE_NAME IS "
    L"NULL))   AND (FK.name = :FOREIGN_KEY_NAME OR (:FOREIGN_KEY_NAME IS NULL))   AND (DB_NAME() "
    L"= :PRIMARY_CATALOG_NAME OR (:PRIMARY_CATALOG_NAME IS NULL))   AND "
    L"(SCHEMA_NAME(PT.schema_id) = :PRIMARY_SCHEMA_NAME OR (:PRIMARY_SCHEMA_NAME IS NULL))   AND "
    L"(PT.name = :PRIMARY_TABLE_NAME OR (:PRIMARY_TABLE_NAME IS NULL))   AND (I.name = "
    L":PRIMARY_KEY_NAME OR (:PRIMARY_KEY_NAME IS NULL)) ORDER BY 1, 2, 3, 4, "
    L"FKC.constraint_column_id";

const wchar_t* const kSynonymsBefore9 =
    L"SELECT NULL, NULL, NULL, NULL FROM sysobjects WHERE   (:CATALOG_NAME IS NULL) AND   "
    L"(:SCHEMA_NAME IS NULL) AND   (:SYNONYM_NAME IS NULL)";

const wchar_t* const kSynonyms =
    L"SELECT DB_NAME(), SCHEMA_NAME(schema_id), name, base_object_name FROM sys.synonyms WHERE   "
    L"(DB_NAME() = :CATALOG_NAME OR (:CATALOG_NAME IS NULL))   AND (USER_NAME(object_id) = "
    L":SCHEMA_NAME OR (:SCHEMA_NAME IS NULL))   AND (name = :SYNONYM_NAME OR (:SYNONYM_NAME IS "
    L"NULL)) ORDER BY 1, 2, 3";

const wchar_t* const kProcedures =
    L"SELECT SPECIFIC_CATALOG, SPECIFIC_SCHEMA, SPECIFIC_NAME, ROUTINE_TYPE FROM "
    L"INFORMATION_SCHEMA.ROUTINES WHERE   (SPECIFIC_CATALOG = :CATALOG_NAME or (:CATALOG_NAME IS "
    L"NULL))   AND (SPECIFIC_SCHEMA = :SCHEMA_NAME OR (:SCHEMA_NAME IS NULL))   AND "
    L"(SPECIFIC_NAME = :PROCEDURE_NAME OR (:PROCEDURE_NAME IS NULL))   AND (ROUTINE_TYPE = "
    L":PROCEDURE_TYPE OR (:PROCEDURE_TYPE IS NULL)) ORDER BY "
    L"ROUTINE_CATALOG,ROUTINE_SCHEMA,ROUTINE_NAME";

const wchar_t* const kProcedureSourcesBefore9 =
    L"SELECT SPECIFIC_CATALOG, SPECIFIC_SCHEMA, SPECIFIC_NAME, ROUTINE_TYPE, CASE WHEN "
    L"LEN(ROUTINE_DEFINITION) > 2950 THEN LEFT(ROUTINE_DEFINITION,2950)+' ...' ELSE "
    L"ROUTINE_DEFINITION END, EXTERNAL_NAME FROM INFORMATION_SCHEMA.ROUTINES WHERE   "
    L"(SPECIFIC_CATALOG = :CATALOG_NAME or (:CATALOG_NAME IS NULL))   AND (SPECIFIC_SCHEMA = "
    L":SCHEMA_NAME OR (:SCHEMA_NAME IS NULL))   AND (SPECIFIC_NAME = :PROCEDURE_NAME OR "
    L"(:PROCEDURE_NAME IS NULL)) ORDER BY ROUTINE_CATALOG,ROUTINE_SCHEMA,ROUTINE_NAME";

const wchar_t* const kProcedureSources =
    L"SELECT SPECIFIC_CATALOG, SPECIFIC_SCHEMA, SPECIFIC_NAME, ROUTINE_TYPE, CASE WHEN "
    L"LEN(ROUTINE_DEFINITION) > 4000 THEN LEFT(ROUTINE_DEFINITION,4000)+' ...' ELSE "
    L"ROUTINE_DEFINITION END, EXTERNAL_NAME FROM INFORMATION_SCHEMA.ROUTINES WHERE   "
    L"(SPECIFIC_CATALOG = :CATALOG_NAME or (:CATALOG_NAME IS NULL))   AND (SPECIFIC_SCHEMA = "
    L":SCHEMA_NAME OR (:SCHEMA_NAME IS NULL))   AND (SPECIFIC_NAME = :PROCEDURE_NAME OR "
    L"(:PROCEDURE_NAME IS NULL)) ORDER BY ROUTINE_CATALOG,ROUTINE_SCHEMA,ROUTINE_NAME";

const wchar_t* const kUsers =
    L"SELECT name FROM sysusers WHERE islogin=1 AND (sid IS NOT NULL) ORDER BY 1";

const wchar_t* const kRoles =
    L"SELECT name FROM sysusers WHERE uid != 0 AND (issqlrole=1 OR isapprole=1) ORDER BY 1";

const wchar_t* const kProcedureParametersSelect =
    L"SELECT SPECIFIC_CATALOG, SPECIFIC_SCHEMA, SPECIFIC_NAME, ";
const wchar_t* const kProcedureParametersFrom =
    L"CAST(SUBSTRING(PARAMETER_NAME, 2, 1000) AS VARCHAR(128)) AS PARAMETER_NAME, "
    L"CASE WHEN IS_RESULT='YES' THEN 'RESULT' ELSE PARAMETER_MODE END, DATA_TYPE, "
    L"CASE WHEN DATA_TYPE = 'timestamp' THEN 8 ELSE COALESCE(CHARACTER_MAXIMUM_LENGTH, "
    L"NUMERIC_PRECISION) END, "
    L"NUMERIC_SCALE, ORDINAL_POSITION, CONVERT(BIT,1) "
    L"FROM INFORMATION_SCHEMA.PARAMETERS "
    L"WHERE "
    L"  (SPECIFIC_CATALOG = :CATALOG_NAME OR (:CATALOG_NAME IS NULL)) "
    L"  AND (SPECIFIC_SCHEMA = :SCHEMA_NAME OR (:SCHEMA_NAME IS NULL)) "
    L"  AND (SPECIFIC_NAME = :PROCEDURE_NAME OR (:PROCEDURE_NAME IS NULL)) "
    L"  AND (PARAMETER_NAME = :PARAMETER_NAME OR (:PARAMETER_NAME IS NULL)) "
    L"UNION ALL "
    L"SELECT TOP 1 '', '', '', ";
const wchar_t* const kProcedureParametersReturnValue =
    L"'RETURN_VALUE', 'RESULT', 'int', 10, 0, 0, CONVERT(BIT,1) "
    L"FROM INFORMATION_SCHEMA.PARAMETERS "
    L"ORDER BY 3,9";

// %0:s the schema function, %1:s the parameter-name prefix, %2:s the owner
// qualifier of the system tables.
const wchar_t* const kSysProcedureParameters =
    L"SELECT    CAST(db_name() AS VARCHAR(128)) AS SPECIFIC_CATALOG,   CAST(%0:s(o.uid) AS "
    L"VARCHAR(128)) AS SPECIFIC_SCHEMA,   CAST(o.name AS VARCHAR(128)) AS SPECIFIC_NAME,   "
    L"%1:sCAST(SUBSTRING(c.name, 2, 1000) AS VARCHAR(128)) AS PARAMETER_NAME,   CAST(CASE "
    L"c.isoutparam WHEN 0 THEN 'IN' WHEN 1 THEN 'INOUT' END AS VARCHAR(128)) AS PARAMETER_MODE,   "
    L"CAST(t.name AS VARCHAR(128)) AS DATA_TYPE,   c.prec AS NUMERIC_PRECISION, c.scale AS "
    L"NUMERIC_SCALE, c.colorder AS ORDINAL_POSITION,   CAST(c.isnullable AS BIT) AS IS_NULLABLE "
    L"FROM %2:ssysobjects o, %2:ssyscolumns c, %2:ssystypes t WHERE   o.type IN ('P', 'X') AND "
    L"o.id = c.id AND c.number <= 1 AND c.xusertype = t.xusertype   AND (db_name() = "
    L":CATALOG_NAME OR (:CATALOG_NAME IS NULL))   AND (%0:s(o.uid) = :SCHEMA_NAME OR "
    L"(:SCHEMA_NAME IS NULL))   AND (o.name = :PROCEDURE_NAME OR (:PROCEDURE_NAME IS NULL))   AND "
    L"(c.name = :PARAMETER_NAME OR (:PARAMETER_NAME IS NULL)) UNION ALL SELECT TOP 1   "
    L"CAST(db_name() AS VARCHAR(128)) AS SPECIFIC_CATALOG,   CAST(%0:s(o.uid) AS VARCHAR(128)) AS "
    L"SPECIFIC_SCHEMA,   CAST(o.name AS VARCHAR(128)) AS SPECIFIC_NAME,   %1:s'RETURN_VALUE', "
    L"'RESULT', 'int', 10, 0, 0, CONVERT(BIT,1) FROM %2:ssysobjects o WHERE   o.type IN ('P', "
    L"'X')   AND (o.name = :PROCEDURE_NAME OR (:PROCEDURE_NAME IS NULL)) ORDER BY 3,9 ";

const wchar_t* const kParameterCount =
    L"SELECT COUNT(*) FROM INFORMATION_SCHEMA.PARAMETERS WHERE   (SPECIFIC_CATALOG = "
    L":CATALOG_NAME OR (:CATALOG_NAME IS NULL))   AND (SPECIFIC_SCHEMA = :SCHEMA_NAME OR "
    L"(:SCHEMA_NAME IS NULL))   AND (SPECIFIC_NAME = :PROCEDURE_NAME OR (:PROCEDURE_NAME IS "
    L"NULL)) ";

const wchar_t* const kSystemProcedureCount =
    L"SELECT COUNT(*) FROM sysobjects WHERE   type IN ('P', 'X')   AND (db_name() = :CATALOG_NAME "
    L"OR (:CATALOG_NAME IS NULL))   AND (user_name(uid) = :SCHEMA_NAME OR (:SCHEMA_NAME IS NULL))   "
    L"AND (name = :PROCEDURE_NAME OR (:PROCEDURE_NAME IS NULL)) ";

const wchar_t* const kMasterQualifier = L"master.dbo.";

}  // namespace

// ---------------------------------------------------------------- synonyms

// The synonym's own columns (ordinals 0 to 2), the catalog, schema and name
// of the object it stands for (3 to 5, split from the query's column 3) and
// any further query column from ordinal 6 on.
class TDBXOstraMsSqlCustomMetaDataReader::TDBXMsSqlSynonymTableCursor
    : public TDBXCustomMetaDataTable {
public:
  TDBXMsSqlSynonymTableCursor(TDBXSqlScanner& AScanner, std::unique_ptr<TDBXTable> ACursor)
      : TDBXCustomMetaDataTable(MetaDataCollection(TKind::Synonyms).Name, ColumnsOf(*ACursor),
                                std::move(ACursor)),
        FScanner(AScanner),
        FRow(kDerivedCount) {}

  bool Next() override {
    FCatalog.clear();
    FSchema.clear();
    FTable.clear();
    if (!Cursor().Next()) {
      FRow.SetNull();
      return false;
    }
    SplitBaseObjectName(Cursor().Value(kBaseObjectOrdinal).AsString());
    if (FSchema.empty()) FSchema = Cursor().Value(1).AsString();
    if (FCatalog.empty()) FCatalog = Cursor().Value(0).AsString();
    const String* parts[kDerivedCount] = {&FCatalog, &FSchema, &FTable};
    for (int i = 0; i < kDerivedCount; ++i)
      FRow.Value(i) = parts[i]->empty() ? TDBXWritableValue() : TDBXWritableValue(*parts[i]);
    return true;
  }

  const TDBXWritableValue& Value(int AOrdinal) const override {
    CheckOrdinal(AOrdinal);
    if (AOrdinal < kDerivedFirst) return Cursor().Value(AOrdinal);
    if (AOrdinal < kDerivedFirst + kDerivedCount) return FRow.Value(AOrdinal - kDerivedFirst);
    return Cursor().Value(AOrdinal - kDerivedCount);
  }

private:
  static constexpr int kDerivedFirst = 3;
  static constexpr int kDerivedCount = 3;
  static constexpr int kBaseObjectOrdinal = 3;

  static std::vector<TDBXValueType> ColumnsOf(const TDBXTable& ACursor) {
    const std::vector<TDBXValueType>& synonym = MetaDataCollection(TKind::Synonyms).Columns;
    std::vector<TDBXValueType> columns(synonym.begin(), synonym.begin() + kDerivedFirst);
    for (int i = 0; i < kDerivedCount; ++i)
      columns.push_back({synonym[kDerivedFirst + i].Name, ACursor.Column(i).DataType});
    for (int i = kDerivedFirst; i < ACursor.ColumnCount(); ++i) columns.push_back(ACursor.Column(i));
    return columns;
  }

  // [catalog.][schema.]table: each identifier shifts the earlier ones left,
  // so a four-part name keeps its last three parts.
  void SplitBaseObjectName(const String& AName) {
    FScanner.Init(AName);
    TDBXSqlToken token = FScanner.NextToken();
    while (token == TDBXSqlToken::Identifier) {
      FCatalog = FSchema;
      FSchema = FTable;
      FTable = FScanner.Id();
      token = FScanner.NextToken();
      if (token == TDBXSqlToken::Symbol && FScanner.Symbol() == L'.') token = FScanner.NextToken();
    }
  }

  TDBXSqlScanner& FScanner;  // the reader's
  String FCatalog;
  String FSchema;
  String FTable;
  TDBXSingleValueRow FRow;
};

// ---------------------------------------------------------------- custom reader

void TDBXOstraMsSqlCustomMetaDataReader::SetContext(TDBXProviderContext* AContext) {
  TDBXBaseMetaDataReader::SetContext(AContext);
  FParamPrefix = LowerCase(VendorProperty(L"ParamPrefix")) == L"true";
}

TDBXSqlScanner& TDBXOstraMsSqlCustomMetaDataReader::Scanner() {
  if (!FScanner)
    FScanner = std::make_unique<TDBXSqlScanner>(SqlIdentifierQuoteChar(), SqlIdentifierQuotePrefix(),
                                                SqlIdentifierQuoteSuffix());
  return *FScanner;
}

std::unique_ptr<TDBXTable> TDBXOstraMsSqlCustomMetaDataReader::FetchSynonyms(
    const String& ACatalog, const String& ASchema, const String& ASynonym) {
  std::unique_ptr<TDBXTable> cursor =
      ExecuteQuery(SynonymsQuery(), {Param(L"CATALOG_NAME", ACatalog),
                                     Param(L"SCHEMA_NAME", ASchema),
                                     Param(L"SYNONYM_NAME", ASynonym)});
  return std::make_unique<TDBXMsSqlSynonymTableCursor>(Scanner(), std::move(cursor));
}

// ---------------------------------------------------------------- queries

bool TDBXOstraMsSqlMetaDataReader::IsAzureEdition() const {
  return LowerCase(VendorProperty(L"IsSQLAzureEdition")) == L"true";
}

bool TDBXOstraMsSqlMetaDataReader::VersionBefore9() const {
  return VersionBefore(Version(), kVersion9);
}

bool TDBXOstraMsSqlMetaDataReader::VersionUpTo5() const {
  return !VersionBefore(kVersion5, Version());
}

String TDBXOstraMsSqlMetaDataReader::ParameterNamePrefix() const {
  return ParamPrefix() ? L"'@' + " : L"";
}

String TDBXOstraMsSqlMetaDataReader::CatalogsQuery() const {
  return IsAzureEdition() ? kCatalogsAzure : kCatalogs;
}

String TDBXOstraMsSqlMetaDataReader::SchemasQuery() const {
  return VersionBefore9() ? kSchemasBefore9 : kSchemas;
}

String TDBXOstraMsSqlMetaDataReader::TablesQuery() const {
  return VersionBefore9() ? kTablesBefore9 : kTables;
}

String TDBXOstraMsSqlMetaDataReader::ViewsQuery() const { return kViews; }

String TDBXOstraMsSqlMetaDataReader::ColumnsQuery() const {
  if (IsAzureEdition()) return kColumnsAzure;
  return VersionBefore9() ? kColumnsBefore9 : kColumns;
}

String TDBXOstraMsSqlMetaDataReader::ColumnConstraintsQuery() const {
  return VersionBefore9() ? kColumnConstraintsBefore9 : kColumnConstraints;
}

String TDBXOstraMsSqlMetaDataReader::IndexesQuery() const {
  if (VersionUpTo5()) return kIndexesUpTo5;
  if (IsAzureEdition()) return kIndexesAzure;
  return VersionBefore9() ? kIndexesBefore9 : kIndexes;
}

String TDBXOstraMsSqlMetaDataReader::IndexColumnsQuery() const {
  if (VersionUpTo5()) return kIndexColumnsUpTo5;
  if (IsAzureEdition()) return kIndexColumnsAzure;
  return VersionBefore9() ? kIndexColumnsBefore9 : kIndexColumns;
}

String TDBXOstraMsSqlMetaDataReader::ForeignKeysQuery() const {
  return VersionBefore9() ? kForeignKeysBefore9 : kForeignKeys;
}

String TDBXOstraMsSqlMetaDataReader::ForeignKeyColumnsQuery() const {
  return VersionBefore9() ? kForeignKeyColumnsBefore9 : kForeignKeyColumns;
}

String TDBXOstraMsSqlMetaDataReader::SynonymsQuery() const {
  return VersionBefore9() ? kSynonymsBefore9 : kSynonyms;
}

String TDBXOstraMsSqlMetaDataReader::ProceduresQuery() const { return kProcedures; }

String TDBXOstraMsSqlMetaDataReader::ProcedureSourcesQuery() const {
  return VersionBefore9() ? kProcedureSourcesBefore9 : kProcedureSources;
}

String TDBXOstraMsSqlMetaDataReader::ProcedureParametersQuery() const {
  const String prefix = ParameterNamePrefix();
  return kProcedureParametersSelect + prefix + kProcedureParametersFrom + prefix +
         kProcedureParametersReturnValue;
}

String TDBXOstraMsSqlMetaDataReader::SysProcedureParametersQuery(const String& AQualifier) const {
  return Format(kSysProcedureParameters,
                {VersionBefore9() ? L"user_name" : L"schema_name", ParameterNamePrefix(), AQualifier});
}

String TDBXOstraMsSqlMetaDataReader::UsersQuery() const { return kUsers; }

String TDBXOstraMsSqlMetaDataReader::RolesQuery() const { return kRoles; }

// ---------------------------------------------------------------- procedure parameters

int64_t TDBXOstraMsSqlMetaDataReader::Count(const String& ASql,
                                            const TDBXQueryParameters& AParameters) {
  std::unique_ptr<TDBXTable> result = ExecuteQuery(ASql, AParameters);
  return result->Next() ? result->Value(0).AsInt64() : 0;
}

std::unique_ptr<TDBXTable> TDBXOstraMsSqlMetaDataReader::FetchProcedureParameters(
    const String& ACatalog, const String& ASchema, const String& AProcedure,
    const String& AParameter) {
  TDBXQueryParameters values{Param(L"CATALOG_NAME", ACatalog), Param(L"SCHEMA_NAME", ASchema),
                             Param(L"PROCEDURE_NAME", AProcedure),
                             Param(L"PARAMETER_NAME", AParameter)};
  if (Count(kParameterCount, values) > 0)
    return ColumnsCursor(
        FetchCollection(TKind::ProcedureParameters, ProcedureParametersQuery(), values));

  // Not in the information schema: read the system tables. The catalog and
  // schema are quoted, since they become a part of the text.
  String qualifier;
  const String prefix = LowerCase(Copy(AProcedure, 1, 3));
  if ((prefix == L"sp_" || prefix == L"xp_") && Count(kSystemProcedureCount, values) <= 0)
    qualifier = kMasterQualifier;
  else if (!ACatalog.empty())
    qualifier = QuoteIdentifier(ACatalog) + L"." +
                (ASchema.empty() ? String() : QuoteIdentifier(ASchema)) + L".";
  values[0] = Param(L"CATALOG_NAME", String());
  values[1] = Param(L"SCHEMA_NAME", String());
  return ColumnsCursor(FetchCollection(TKind::ProcedureParameters,
                                       SysProcedureParametersQuery(qualifier), values));
}
