#pragma once
// The base metadata writer: writes the DDL statements of a server's dialect,
// quoting identifiers the way its metadata reader gives.
#include "vcl/data/metadata/DBXMetaDataReader.h"

class TDBXBaseMetaDataWriter : public TObject {
  VCL_CLASS(TDBXBaseMetaDataWriter, TObject)
public:
  TDBXBaseMetaDataWriter() = default;

  // Opening gives a writer its server's reader; the base has none to give.
  virtual void Open() {}
  // The reader the writer quotes and decides by; EInvalidOperation when the
  // writer has none.
  TDBXBaseMetaDataReader& MetaDataReader() const;
  bool HasMetaDataReader() const { return FReader != nullptr; }
  void SetMetaDataReader(std::unique_ptr<TDBXBaseMetaDataReader> AReader);

  // ------------------------------------------------ capabilities
  // The template of the rename statement, with ":SCHEMA_NAME", ":TABLE_NAME"
  // and ":NEW_TABLE_NAME"; empty when the server cannot rename a table.
  virtual String SqlRenameTable() const { return String(); }
  virtual String SqlAutoIncrementKeyword() const { return String(); }
  virtual String SqlAutoIncrementInserts() const { return String(); }
  virtual bool CatalogsSupported() const { return MetaDataReader().CatalogsSupported(); }
  virtual bool SchemasSupported() const { return MetaDataReader().SchemasSupported(); }
  virtual bool MultipleStatementsSupported() const { return false; }
  // The set of ALTER TABLE operations the server supports, as its integer.
  virtual int AlterTableSupport() const { return 0; }
  // Whether index names are unique in a schema rather than per table.
  virtual bool IndexNamesGlobal() const { return false; }
  virtual bool DescendingIndexConstraintsSupported() const { return true; }

  // ------------------------------------------------ statements
  // The name quoted as the reader quotes identifiers.
  String MakeSqlIdentifier(const String& AName) const {
    return MetaDataReader().QuoteIdentifier(AName);
  }
  // The name behind its schema, when the server has schemas and one is given.
  String MakeSqlQualifiedName(const String& ASchema, const String& AName) const;
  // The rename statement from SqlRenameTable: a name inside a quoted literal
  // of the template goes in as literal text (quotes doubled), elsewhere as an
  // identifier. EInvalidOperation when the server cannot rename.
  String MakeSqlRenameTable(const String& ASchema, const String& ATable,
                            const String& ANewTable) const;
  // "DROP INDEX", ending with ";" and a line feed.
  virtual String MakeSqlDropIndex(const String& ASchema, const String& ATable,
                                  const String& AIndex) const;

private:
  std::unique_ptr<TDBXBaseMetaDataReader> FReader;
};
