#include "vcl/data/metadata/DBXMetaDataWriter.h"

#include <algorithm>
#include <array>

TDBXBaseMetaDataReader& TDBXBaseMetaDataWriter::MetaDataReader() const {
  if (!FReader) throw EInvalidOperation(Format(L"%s has no metadata reader", {ClassName()}));
  return *FReader;
}

void TDBXBaseMetaDataWriter::SetMetaDataReader(std::unique_ptr<TDBXBaseMetaDataReader> AReader) {
  FReader = std::move(AReader);
}

String TDBXBaseMetaDataWriter::MakeSqlQualifiedName(const String& ASchema,
                                                    const String& AName) const {
  if (ASchema.empty() || !SchemasSupported()) return MakeSqlIdentifier(AName);
  return MakeSqlIdentifier(ASchema) + L"." + MakeSqlIdentifier(AName);
}

String TDBXBaseMetaDataWriter::MakeSqlRenameTable(const String& ASchema, const String& ATable,
                                                  const String& ANewTable) const {
  String sql = SqlRenameTable();
  if (sql.empty())
    throw EInvalidOperation(
        Format(L"%s cannot rename a table", {MetaDataReader().ProductName()}));
  if (ASchema.empty() || !SchemasSupported())
    sql = StringReplace(sql, L":SCHEMA_NAME.", String(), rfReplaceAll);
  // Longest marker first: ":TABLE_NAME" is not a part of ":NEW_TABLE_NAME".
  const std::array<std::pair<String, String>, 3> markers{{{L":NEW_TABLE_NAME", ANewTable},
                                                          {L":SCHEMA_NAME", ASchema},
                                                          {L":TABLE_NAME", ATable}}};
  String result;
  bool inLiteral = false;
  for (size_t i = 0; i < sql.size();) {
    const auto marker = std::find_if(markers.begin(), markers.end(), [&](const auto& m) {
      return sql.compare(i, m.first.size(), m.first) == 0;
    });
    if (marker == markers.end()) {
      if (sql[i] == L'\'') inLiteral = !inLiteral;
      result += sql[i++];
      continue;
    }
    result += inLiteral ? StringReplace(marker->second, L"'", L"''", rfReplaceAll)
                        : MakeSqlIdentifier(marker->second);
    i += marker->first.size();
  }
  return result;
}

String TDBXBaseMetaDataWriter::MakeSqlDropIndex(const String& ASchema, const String& ATable,
                                                const String& AIndex) const {
  if (IndexNamesGlobal()) return L"DROP INDEX " + MakeSqlQualifiedName(ASchema, AIndex) + L";\n";
  return L"DROP INDEX " + MakeSqlIdentifier(AIndex) + L" ON " +
         MakeSqlQualifiedName(ASchema, ATable) + L";\n";
}
