#pragma once
// A connection stand-in for the metadata readers: records every query with
// its parameters and answers with prepared tables.
#include <deque>
#include <map>
#include <ostream>

#include "vcl/data/metadata/DBXProviderContext.h"

struct TRecordedQuery {
  String Sql;
  TDBXQueryParameters Parameters;

  // The bound value of a parameter: "<null>" for NULL, "<unbound>" when the
  // query was not given the parameter.
  String ValueOf(const String& AName) const;
  std::vector<String> Names() const;
};

class TFakeProviderContext : public TDBXProviderContext {
public:
  explicit TFakeProviderContext(const String& AVersion = L"10.50.1600") : Version(AVersion) {}

  String Version;
  std::map<String, String> VendorProperties;
  std::vector<TRecordedQuery> Queries;

  // The next query answers with this table; queries without a prepared
  // answer get a table of no rows and one column.
  void Answer(std::unique_ptr<TDBXTable> ATable) { FAnswers.push_back(std::move(ATable)); }

  std::unique_ptr<TDBXTable> ExecuteQuery(const String& ASql,
                                          const TDBXQueryParameters& AParameters) override;
  String GetVendorProperty(const String& AName) override;
  String ProductVersion() override { return Version; }

private:
  std::deque<std::unique_ptr<TDBXTable>> FAnswers;
};

// A query result of text columns "C0".."Cn" with the given rows.
std::unique_ptr<TDBXMemoryTable> ResultTable(int AColumnCount, std::vector<TDBXRow> ARows);

// Every row of a table, read to its end.
std::vector<TDBXRow> ReadAll(TDBXTable& ATable);

// Readable values in test messages.
void PrintTo(const TDBXWritableValue& AValue, std::ostream* AStream);
