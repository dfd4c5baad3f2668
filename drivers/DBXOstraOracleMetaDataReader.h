#pragma once
// The Oracle binding's metadata reader: answers from the ALL_* dictionary
// views, with object names upper-cased unless the connection quotes them.
#include "vcl/data/metadata/DBXMetaDataReader.h"

class TDBXOstraOracleCustomMetaDataReader : public TDBXBaseMetaDataReader {
  VCL_CLASS(TDBXOstraOracleCustomMetaDataReader, TDBXBaseMetaDataReader)
public:
  TDBXOstraOracleCustomMetaDataReader() = default;

  // Also reads the driver's "UseUnicode" and "UseQuoteChar".
  void SetContext(TDBXProviderContext* AContext) override;
  bool UseUnicode() const { return FUseUnicode; }
  bool UseQuoteChar() const { return FUseQuoteChar; }
  // The name as given when identifiers are quoted, else upper-cased (as the
  // server keeps unquoted names).
  String NormalizeIdentifierCase(const String& AName) const;

  const std::vector<TDBXDataTypeDescription>& DataTypeDescriptions() const override;

  // Object-name arguments are normalized; catalog and schema arguments never.
  std::unique_ptr<TDBXTable> FetchTables(const String& ACatalog, const String& ASchema,
                                         const String& ATable, const String& ATableTypes) override;
  std::unique_ptr<TDBXTable> FetchViews(const String& ACatalog, const String& ASchema,
                                        const String& AView) override;
  // Column defaults come back trimmed.
  std::unique_ptr<TDBXTable> FetchColumns(const String& ACatalog, const String& ASchema,
                                          const String& ATable) override;
  std::unique_ptr<TDBXTable> FetchIndexes(const String& ACatalog, const String& ASchema,
                                          const String& ATable) override;
  // A column of a function-based index reports the index expression.
  std::unique_ptr<TDBXTable> FetchIndexColumns(const String& ACatalog, const String& ASchema,
                                               const String& ATable,
                                               const String& AIndex) override;
  std::unique_ptr<TDBXTable> FetchForeignKeys(const String& ACatalog, const String& ASchema,
                                              const String& ATable) override;
  std::unique_ptr<TDBXTable> FetchForeignKeyColumns(
      const String& ACatalog, const String& ASchema, const String& ATable,
      const String& AForeignKey, const String& APrimaryCatalog, const String& APrimarySchema,
      const String& APrimaryTable, const String& APrimaryKey) override;
  std::unique_ptr<TDBXTable> FetchSynonyms(const String& ACatalog, const String& ASchema,
                                           const String& ASynonym) override;
  std::unique_ptr<TDBXTable> FetchProcedures(const String& ACatalog, const String& ASchema,
                                             const String& AProcedure,
                                             const String& AProcedureType) override;
  std::unique_ptr<TDBXTable> FetchProcedureSources(const String& ACatalog, const String& ASchema,
                                                   const String& AProcedure) override;
  std::unique_ptr<TDBXTable> FetchProcedureParameters(const String& ACatalog,
                                                      const String& ASchema,
                                                      const String& AProcedure,
                                                      const String& AParameter) override;
  std::unique_ptr<TDBXTable> FetchPackages(const String& ACatalog, const String& ASchema,
                                           const String& APackage) override;
  std::unique_ptr<TDBXTable> FetchPackageProcedures(const String& ACatalog, const String& ASchema,
                                                    const String& APackage,
                                                    const String& AProcedure,
                                                    const String& AProcedureType) override;
  std::unique_ptr<TDBXTable> FetchPackageProcedureParameters(const String& ACatalog,
                                                             const String& ASchema,
                                                             const String& APackage,
                                                             const String& AProcedure,
                                                             const String& AParameter) override;
  std::unique_ptr<TDBXTable> FetchPackageSources(const String& ACatalog, const String& ASchema,
                                                 const String& APackage) override;

protected:
  // "REF CURSOR", "PL/SQL BOOLEAN" and "BINARY_INTEGER", which only
  // procedure parameters have.
  void RegisterExtraDataTypes() override;

private:
  class TDBXOracleColumnsCursor;
  class TDBXOracleIndexColumnsCursor;
  bool FUseUnicode = false;
  bool FUseQuoteChar = false;
};

class TDBXOstraOracleMetaDataReader : public TDBXOstraOracleCustomMetaDataReader {
  VCL_CREATABLE_CLASS(TDBXOstraOracleMetaDataReader, TDBXOstraOracleCustomMetaDataReader)
public:
  TDBXOstraOracleMetaDataReader() = default;

  String ProductName() const override { return L"OstraOracle"; }
  bool QuotedIdentifiersSupported() const override { return UseQuoteChar(); }
  // A double quote when identifiers are quoted, else a blank (no quoting);
  // the quote prefix, suffix and procedure quote are the same character.
  String SqlIdentifierQuoteChar() const override { return UseQuoteChar() ? L"\"" : L" "; }
  bool NestedTransactionsSupported() const override { return true; }
  bool SetRowSizeSupported() const override { return true; }

  const std::vector<String>& ReservedWordList() const override;

  // No catalogs and no column-constraint query: both answer empty
  // collections. The schemas are the users.
  String SchemasQuery() const override;
  String TablesQuery() const override;
  String ViewsQuery() const override;
  String ColumnsQuery() const override;
  String IndexesQuery() const override;
  String IndexColumnsQuery() const override;
  String ForeignKeysQuery() const override;
  String ForeignKeyColumnsQuery() const override;
  String SynonymsQuery() const override;
  String ProceduresQuery() const override;
  String ProcedureSourcesQuery() const override;
  String ProcedureParametersQuery() const override;
  String PackagesQuery() const override;
  String PackageSourcesQuery() const override;
  String PackageProceduresQuery() const override;
  String PackageProcedureParametersQuery() const override;
  String UsersQuery() const override;
  String RolesQuery() const override;
};
