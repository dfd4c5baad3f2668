// The Oracle reader's data types and reserved words.
#include "drivers/DBXOstraOracleMetaDataReader.h"

// Columns: type name, data type, column size (4294967296 stands for 4 GB),
// create format, create parameters, maximum and minimum scale, literal prefix
// and suffix, maximum and minimum server version, flags.
const std::vector<TDBXDataTypeDescription>&
TDBXOstraOracleCustomMetaDataReader::DataTypeDescriptions() const {
  namespace T = TDBXDataTypes;
  static const std::vector<TDBXDataTypeDescription> types{
      {L"BFILE", T::BlobType, 4294967296, L"BFILE", {}, -1, -1, {}, {}, {}, {}, 96},
      {L"BLOB", T::BlobType, 4294967296, L"BLOB", {}, -1, -1, {}, {}, {}, {}, 96},
      {L"CHAR", T::WideStringType, 2000, L"CHAR({0})", L"Precision", -1, -1, L"'", L"'", {}, {}, 2508},
      {L"CLOB", T::WideStringType, 4294967296, L"CLOB", {}, -1, -1, {}, {}, {}, {}, 106},
      {L"DATE", T::TimeStampType, 19, L"DATE", {}, -1, -1, L"TO_DATE('", L"','YYYY-MM-DD HH24:MI:SS')", {}, {}, 2246},
      {L"FLOAT", T::BcdType, 126, L"FLOAT({0})", L"Precision", -1, -1, {}, {}, {}, {}, 2240},
      {L"BINARY_FLOAT", T::SingleType, 7, L"BINARY_FLOAT", {}, -1, -1, {}, {}, {}, {}, 2246},
      {L"BINARY_DOUBLE", T::DoubleType, 53, L"BINARY_DOUBLE", {}, -1, -1, {}, {}, {}, {}, 2246},
      {L"INTERVAL DAY TO SECOND", T::IntervalType, 0, L"INTERVAL DAY({0}) TO SECOND({1})", L"Precision,Scale", -1, -1, L"TO_DSINTERVAL('", L"')", {}, {}, 2246},
      {L"INTERVAL YEAR TO MONTH", T::IntervalType, 0, L"INTERVAL YEAR({0}) TO MONTH", L"Precision", -1, -1, L"TO_YMINTERVAL('", L"')", {}, {}, 2244},
      {L"LONG", T::WideStringType, 2147483647, L"LONG", {}, -1, -1, {}, {}, {}, {}, 32},
      {L"LONG RAW", T::BytesType, 2147483647, L"LONG RAW", {}, -1, -1, {}, {}, {}, {}, 96},
      {L"NCHAR", T::WideStringType, 2000, L"NCHAR({0})", L"Precision", -1, -1, L"N'", L"'", {}, {}, 6604},
      {L"NCLOB", T::WideStringType, 4294967296, L"NCLOB", {}, -1, -1, {}, {}, {}, {}, 4200},
      {L"NUMBER", T::BcdType, 38, L"NUMBER({0},{1})", L"Precision,Scale", 127, -84, {}, {}, {}, {}, 2242},
      {L"NVARCHAR2", T::WideStringType, 4000, L"NVARCHAR2({0})", L"Precision", -1, -1, L"N'", L"'", {}, {}, 6344},
      {L"RAW", T::BytesType, 2000, L"RAW({0})", L"Precision", -1, -1, L"HEXTORAW('", L"')", {}, {}, 2246},
      {L"TIMESTAMP", T::TimeStampType, 27, L"TIMESTAMP({0})", L"Precision", -1, -1, L"TO_TIMESTAMP('", L"','YYYY-MM-DD HH24:MI:SS.FF')", {}, {}, 2244},
      {L"TIMESTAMP WITH LOCAL TIME ZONE", T::TimeStampType, 27, L"TIMESTAMP({0} WITH LOCAL TIME ZONE)", L"Precision", -1, -1, L"TO_TIMESTAMP_TZ('", L"','YYYY-MM-DD HH24:MI:SS.FF')", {}, {}, 2244},
      {L"TIMESTAMP WITH TIME ZONE", T::TimeStampType, 34, L"TIMESTAMP({0} WITH TIME ZONE)", L"Precision", -1, -1, L"TO_TIMESTAMP_TZ('", L"','YYYY-MM-DD HH24:MI:SS.FF TZH:TZM')", {}, {}, 2244},
      {L"VARCHAR2", T::WideStringType, 4000, L"VARCHAR2({0})", L"Precision", -1, -1, L"'", L"'", {}, {}, 2496},
      {L"XMLTYPE", T::WideStringType, 4000, L"XMLTYPE", {}, -1, -1, {}, {}, {}, {}, 2048},
  };
  return types;
}

const std::vector<String>& TDBXOstraOracleMetaDataReader::ReservedWordList() const {
  static const std::vector<String> words{
      L"ALL", L"ALTER", L"AND", L"ANY", L"AS", L"ASC", L"BETWEEN", L"BY", L"CHAR", L"CHECK",
      L"CLUSTER", L"COMPRESS", L"CONNECT", L"CREATE", L"DATE", L"DECIMAL", L"DEFAULT", L"DELETE",
      L"DESC", L"DISTINCT", L"DROP", L"ELSE", L"EXCLUSIVE", L"EXISTS", L"FLOAT", L"FOR", L"FROM",
      L"GRANT", L"GROUP", L"HAVING", L"IDENTIFIED", L"IN", L"INDEX", L"INSERT", L"INTEGER",
      L"INTERSECT", L"INTO", L"IS", L"LIKE", L"LOCK", L"LONG", L"MINUS", L"MODE", L"NOCOMPRESS",
      L"NOT", L"NOWAIT", L"NULL", L"NUMBER", L"OF", L"ON", L"OPTION", L"OR", L"ORDER", L"PCTFREE",
      L"PRIOR", L"PUBLIC", L"RAW", L"RENAME", L"RESOURCE", L"REVOKE", L"SELECT", L"SET", L"SHARE",
      L"SIZE", L"SMALLINT", L"START", L"SYNONYM", L"TABLE", L"THEN", L"TO", L"TRIGGER", L"UNION",
      L"UNIQUE", L"UPDATE", L"VALUES", L"VARCHAR", L"VARCHAR2", L"VIEW", L"WHERE", L"WITH",
  };
  return words;
}
