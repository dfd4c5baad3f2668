#pragma once
// The SQL Server binding's metadata reader: catalog queries chosen by the
// server's version and edition, synonyms split into their base object's
// parts, procedure parameters also of system procedures.
#include "vcl/data/metadata/DBXMetaDataReader.h"
#include "vcl/data/metadata/DBXSqlScanner.h"

class TDBXOstraMsSqlCustomMetaDataReader : public TDBXBaseMetaDataReader {
  VCL_CLASS(TDBXOstraMsSqlCustomMetaDataReader, TDBXBaseMetaDataReader)
public:
  TDBXOstraMsSqlCustomMetaDataReader() = default;

  // Also reads the driver's "ParamPrefix".
  void SetContext(TDBXProviderContext* AContext) override;
  bool SPReturnCodeSupported() const override { return true; }
  std::unique_ptr<TDBXTable> FetchSynonyms(const String& ACatalog, const String& ASchema,
                                           const String& ASynonym) override;

  // Whether parameter names come back with their leading "@".
  bool ParamPrefix() const { return FParamPrefix; }
  // The scanner over the dialect's quotes, made on first use.
  TDBXSqlScanner& Scanner();

private:
  class TDBXMsSqlSynonymTableCursor;
  std::unique_ptr<TDBXSqlScanner> FScanner;
  bool FParamPrefix = false;
};

class TDBXOstraMsSqlMetaDataReader : public TDBXOstraMsSqlCustomMetaDataReader {
  VCL_CREATABLE_CLASS(TDBXOstraMsSqlMetaDataReader, TDBXOstraMsSqlCustomMetaDataReader)
public:
  TDBXOstraMsSqlMetaDataReader() = default;

  String ProductName() const override { return L"OstraSQLServer"; }
  String SqlIdentifierQuotePrefix() const override { return L"["; }
  String SqlIdentifierQuoteSuffix() const override { return L"]"; }
  bool LowerCaseIdentifiersSupported() const override { return true; }
  String SqlIdentifierQuoteChar() const override { return L"\""; }
  bool ParameterMetadataSupported() const override { return true; }
  bool CatalogsSupported() const override { return true; }
  bool SchemasSupported() const override { return true; }
  String TableType() const override { return L"U"; }
  String ViewType() const override { return L"V"; }
  String SystemTableType() const override { return L"S"; }
  String SystemViewType() const override { return L"V"; }
  String SynonymType() const override { return L"SN"; }

  const std::vector<TDBXDataTypeDescription>& DataTypeDescriptions() const override;
  const std::vector<String>& ReservedWordList() const override;

  String CatalogsQuery() const override;
  String SchemasQuery() const override;
  String TablesQuery() const override;
  String ViewsQuery() const override;
  String ColumnsQuery() const override;
  String ColumnConstraintsQuery() const override;
  String IndexesQuery() const override;
  String IndexColumnsQuery() const override;
  String ForeignKeysQuery() const override;
  String ForeignKeyColumnsQuery() const override;
  String SynonymsQuery() const override;
  String ProceduresQuery() const override;
  String ProcedureSourcesQuery() const override;
  String ProcedureParametersQuery() const override;
  String UsersQuery() const override;
  String RolesQuery() const override;
  // Procedure parameters from the system tables of the database that
  // AQualifier names ("master.dbo.", "[db].[dbo].", or empty for the current).
  String SysProcedureParametersQuery(const String& AQualifier) const;

  // From the information schema when it knows the procedure, otherwise from
  // the system tables (of the master database for an unknown "sp_"/"xp_").
  std::unique_ptr<TDBXTable> FetchProcedureParameters(const String& ACatalog,
                                                      const String& ASchema,
                                                      const String& AProcedure,
                                                      const String& AParameter) override;

private:
  bool IsAzureEdition() const;
  bool VersionBefore9() const;
  bool VersionUpTo5() const;
  String ParameterNamePrefix() const;
  // The count in the first row of a "SELECT COUNT(*)" text; 0 without rows.
  int64_t Count(const String& ASql, const TDBXQueryParameters& AParameters);
};
