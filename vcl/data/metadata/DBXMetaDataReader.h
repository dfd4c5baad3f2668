#pragma once
// The base metadata reader: answers metadata requests (tables, columns,
// indexes, ...) by running the query texts a server's reader supplies, and
// keeps the server's data types and reserved words.
#include "vcl/data/metadata/DBXMetaDataNames.h"
#include "vcl/data/metadata/DBXProviderContext.h"

// Flags of a data type: bit n of TDBXDataTypeDescription::Flags is flag n.
enum class TDBXTypeFlag {
  AutoIncrementable, BestMatch, FixedLength, CaseSensitive, FixedPrecisionScale, Long, Nullable,
  Searchable, SearchableWithLike, Unsigned, ConcurrencyType, LiteralSupported, Unicode
};
inline constexpr int TDBXTypeFlagCount = 13;

// One data type of a server. "{0}" and "{1}" in CreateFormat stand for the
// create parameters; an empty version means no limit.
struct TDBXDataTypeDescription {
  String TypeName;
  int DataType = TDBXDataTypes::UnknownType;
  int64_t ColumnSize = 0;
  String CreateFormat;
  String CreateParameters;
  int MaxScale = 0;
  int MinScale = 0;
  String LiteralPrefix;
  String LiteralSuffix;
  String MaxVersion;
  String MinVersion;
  uint32_t Flags = 0;

  bool HasFlag(TDBXTypeFlag AFlag) const { return Flags & (1u << static_cast<int>(AFlag)); }
  // Whether the type exists on a server of this version.
  bool SupportsVersion(const String& AVersion) const;
};

// Version texts compare as texts, character by character.
bool VersionBefore(const String& AVersion, const String& ALimit);

class TDBXBaseMetaDataReader : public TObject {
  VCL_CLASS(TDBXBaseMetaDataReader, TObject)
public:
  TDBXBaseMetaDataReader() = default;

  TDBXProviderContext* Context() const { return FContext; }
  // The context is not owned; it must outlive the reader's use of it.
  virtual void SetContext(TDBXProviderContext* AContext);
  // The server's version text, taken from the context.
  const String& Version() const { return FVersion; }

  // ------------------------------------------------ the server's dialect
  virtual String ProductName() const { return String(); }
  virtual String SqlIdentifierQuoteChar() const { return L"\""; }
  virtual String SqlIdentifierQuotePrefix() const { return SqlIdentifierQuoteChar(); }
  virtual String SqlIdentifierQuoteSuffix() const { return SqlIdentifierQuoteChar(); }
  virtual String SqlProcedureQuoteChar() const { return SqlIdentifierQuoteChar(); }
  virtual bool QuotedIdentifiersSupported() const { return true; }
  virtual bool LowerCaseIdentifiersSupported() const { return false; }
  virtual bool ParameterMetadataSupported() const { return false; }
  virtual bool CatalogsSupported() const { return false; }
  virtual bool SchemasSupported() const { return false; }
  virtual bool SPReturnCodeSupported() const { return false; }
  virtual bool NestedTransactionsSupported() const { return false; }
  virtual bool SetRowSizeSupported() const { return false; }
  // The words a table request binds to :TABLES, :VIEWS, ... for the types it
  // asks for.
  virtual String TableType() const { return L"TABLE"; }
  virtual String ViewType() const { return L"VIEW"; }
  virtual String SystemTableType() const { return L"SYSTEM TABLE"; }
  virtual String SystemViewType() const { return L"SYSTEM VIEW"; }
  virtual String SynonymType() const { return L"SYNONYM"; }
  // The name between the identifier quotes (a closing quote inside it
  // doubled); unchanged when the dialect quotes with nothing or a blank.
  String QuoteIdentifier(const String& AName) const;

  // ------------------------------------------------ query texts
  // Empty where the server has no such collection: its requests then answer
  // an empty collection.
  virtual String CatalogsQuery() const { return String(); }
  virtual String SchemasQuery() const { return String(); }
  virtual String TablesQuery() const { return String(); }
  virtual String ViewsQuery() const { return String(); }
  virtual String ColumnsQuery() const { return String(); }
  virtual String ColumnConstraintsQuery() const { return String(); }
  virtual String IndexesQuery() const { return String(); }
  virtual String IndexColumnsQuery() const { return String(); }
  virtual String ForeignKeysQuery() const { return String(); }
  virtual String ForeignKeyColumnsQuery() const { return String(); }
  virtual String SynonymsQuery() const { return String(); }
  virtual String ProceduresQuery() const { return String(); }
  virtual String ProcedureSourcesQuery() const { return String(); }
  virtual String ProcedureParametersQuery() const { return String(); }
  virtual String PackagesQuery() const { return String(); }
  virtual String PackageProceduresQuery() const { return String(); }
  virtual String PackageProcedureParametersQuery() const { return String(); }
  virtual String PackageSourcesQuery() const { return String(); }
  virtual String UsersQuery() const { return String(); }
  virtual String RolesQuery() const { return String(); }

  // ------------------------------------------------ collections
  // An empty name argument matches every name.
  virtual std::unique_ptr<TDBXTable> FetchCatalogs();
  virtual std::unique_ptr<TDBXTable> FetchSchemas(const String& ACatalog);
  // ATableTypes: TDBXTableType words separated by ";"; empty asks for all.
  virtual std::unique_ptr<TDBXTable> FetchTables(const String& ACatalog, const String& ASchema,
                                                 const String& ATable, const String& ATableTypes);
  virtual std::unique_ptr<TDBXTable> FetchViews(const String& ACatalog, const String& ASchema,
                                                const String& AView);
  virtual std::unique_ptr<TDBXTable> FetchColumns(const String& ACatalog, const String& ASchema,
                                                  const String& ATable);
  virtual std::unique_ptr<TDBXTable> FetchColumnConstraints(const String& ACatalog,
                                                            const String& ASchema,
                                                            const String& ATable);
  virtual std::unique_ptr<TDBXTable> FetchIndexes(const String& ACatalog, const String& ASchema,
                                                  const String& ATable);
  virtual std::unique_ptr<TDBXTable> FetchIndexColumns(const String& ACatalog,
                                                       const String& ASchema, const String& ATable,
                                                       const String& AIndex);
  virtual std::unique_ptr<TDBXTable> FetchForeignKeys(const String& ACatalog,
                                                      const String& ASchema, const String& ATable);
  virtual std::unique_ptr<TDBXTable> FetchForeignKeyColumns(
      const String& ACatalog, const String& ASchema, const String& ATable,
      const String& AForeignKey, const String& APrimaryCatalog, const String& APrimarySchema,
      const String& APrimaryTable, const String& APrimaryKey);
  virtual std::unique_ptr<TDBXTable> FetchSynonyms(const String& ACatalog, const String& ASchema,
                                                   const String& ASynonym);
  virtual std::unique_ptr<TDBXTable> FetchProcedures(const String& ACatalog,
                                                     const String& ASchema,
                                                     const String& AProcedure,
                                                     const String& AProcedureType);
  virtual std::unique_ptr<TDBXTable> FetchProcedureSources(const String& ACatalog,
                                                           const String& ASchema,
                                                           const String& AProcedure);
  virtual std::unique_ptr<TDBXTable> FetchProcedureParameters(const String& ACatalog,
                                                              const String& ASchema,
                                                              const String& AProcedure,
                                                              const String& AParameter);
  virtual std::unique_ptr<TDBXTable> FetchPackages(const String& ACatalog, const String& ASchema,
                                                   const String& APackage);
  virtual std::unique_ptr<TDBXTable> FetchPackageProcedures(const String& ACatalog,
                                                            const String& ASchema,
                                                            const String& APackage,
                                                            const String& AProcedure,
                                                            const String& AProcedureType);
  virtual std::unique_ptr<TDBXTable> FetchPackageProcedureParameters(
      const String& ACatalog, const String& ASchema, const String& APackage,
      const String& AProcedure, const String& AParameter);
  virtual std::unique_ptr<TDBXTable> FetchPackageSources(const String& ACatalog,
                                                         const String& ASchema,
                                                         const String& APackage);
  virtual std::unique_ptr<TDBXTable> FetchUsers();
  virtual std::unique_ptr<TDBXTable> FetchRoles();
  std::unique_ptr<TDBXTable> FetchDataTypes();
  std::unique_ptr<TDBXTable> FetchReservedWords();

  // ------------------------------------------------ types and words
  virtual const std::vector<TDBXDataTypeDescription>& DataTypeDescriptions() const = 0;
  virtual const std::vector<String>& ReservedWordList() const = 0;
  // Builds the type table, once per context: the described types that exist
  // on the server's version, then the extra ones.
  void EnsureDataTypes();
  // The type of that name (without regard to case), nullptr when unknown.
  const TDBXDataTypeDescription* FindDataType(const String& ATypeName);

protected:
  // A property of the connection's driver; empty without a context.
  String VendorProperty(const String& AName) const;
  // Stores a type by its name, replacing one stored under the same name.
  void AddDataType(const TDBXDataTypeDescription& AType);
  virtual void RegisterExtraDataTypes() {}

  // A parameter for a name argument: an empty argument binds NULL.
  static TDBXQueryParameter Param(const wchar_t* AName, const String& AValue);
  // Runs a query through the context with the parameters its text uses.
  std::unique_ptr<TDBXTable> ExecuteQuery(const String& ASql, const TDBXQueryParameters& AParameters);
  // The collection over a query's rows; an empty collection for no query.
  std::unique_ptr<TDBXTable> FetchCollection(TDBXMetaDataKind AKind, const String& ASql,
                                             const TDBXQueryParameters& AParameters);
  // The collection's columns, as many as the cursor has.
  static std::vector<TDBXValueType> CollectionColumns(TDBXMetaDataKind AKind,
                                                      const TDBXTable& ACursor);
  static std::unique_ptr<TDBXTable> EmptyCollection(TDBXMetaDataKind AKind);
  // Wraps a collection whose rows carry a "TypeName" column and adds the
  // column "DbxDataType": the data type of that name, or 0 when unknown.
  std::unique_ptr<TDBXTable> ColumnsCursor(std::unique_ptr<TDBXTable> ACollection);

private:
  TDBXProviderContext* FContext = nullptr;
  String FVersion;
  bool FDataTypesBuilt = false;
  std::vector<TDBXDataTypeDescription> FDataTypes;
};
