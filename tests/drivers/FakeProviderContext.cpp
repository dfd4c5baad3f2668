#include "FakeProviderContext.h"

String TRecordedQuery::ValueOf(const String& AName) const {
  for (const TDBXQueryParameter& parameter : Parameters)
    if (parameter.Name == AName) return parameter.Value ? *parameter.Value : L"<null>";
  return L"<unbound>";
}

std::vector<String> TRecordedQuery::Names() const {
  std::vector<String> names;
  for (const TDBXQueryParameter& parameter : Parameters) names.push_back(parameter.Name);
  return names;
}

std::unique_ptr<TDBXTable> TFakeProviderContext::ExecuteQuery(
    const String& ASql, const TDBXQueryParameters& AParameters) {
  Queries.push_back({ASql, AParameters});
  if (FAnswers.empty()) return ResultTable(1, {});
  std::unique_ptr<TDBXTable> answer = std::move(FAnswers.front());
  FAnswers.pop_front();
  return answer;
}

String TFakeProviderContext::GetVendorProperty(const String& AName) {
  const auto found = VendorProperties.find(AName);
  return found == VendorProperties.end() ? String() : found->second;
}

std::unique_ptr<TDBXMemoryTable> ResultTable(int AColumnCount, std::vector<TDBXRow> ARows) {
  std::vector<TDBXValueType> columns;
  for (int i = 0; i < AColumnCount; ++i)
    columns.push_back({Format(L"C%d", {i}), TDBXDataTypes::WideStringType});
  auto table = std::make_unique<TDBXMemoryTable>(L"Result", std::move(columns));
  for (TDBXRow& row : ARows) table->AddRow(std::move(row));
  return table;
}

std::vector<TDBXRow> ReadAll(TDBXTable& ATable) {
  std::vector<TDBXRow> rows;
  while (ATable.Next()) {
    TDBXRow row;
    for (int i = 0; i < ATable.ColumnCount(); ++i) row.push_back(ATable.Value(i));
    rows.push_back(std::move(row));
  }
  return rows;
}

void PrintTo(const TDBXWritableValue& AValue, std::ostream* AStream) {
  if (AValue.IsNull())
    *AStream << "<null>";
  else
    *AStream << '"' << ToUtf8(AValue.AsString()) << '"';
}
