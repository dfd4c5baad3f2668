#include "vcl/data/SqlExpr.h"

#include "vcl/rtl/Strings.h"

// ---------------------------------------------------------------- TSQLConnection

TSQLConnection::TSQLConnection(TComponent* AOwner)
    : TComponent(AOwner), FParams(std::make_unique<TStringList>()) {}

TSQLConnection::~TSQLConnection() {
  Close();
  for (TSQLDataSet* DataSet : FDataSets) DataSet->FConnection = nullptr;
}

void TSQLConnection::Open() {
  if (Connected()) return;
  if (FDriverName.empty()) throw TDBXError(L"Missing DriverName property");
  TDBXDriver* Driver = TDBXDriverRegistry::DBXDriverRegistry().GetDriver(FDriverName);
  TDBXProperties Properties;
  Properties.MergeProperties(*Driver->DriverProperties());
  Properties.AddProperties(*FParams);
  Properties.SetValue(TDBXPropertyNames::DriverName, FDriverName);
  const std::pair<const wchar_t*, const String*> Settings[] = {
      {TDBXPropertyNames::LibraryName, &FLibraryName},
      {TDBXPropertyNames::GetDriverFunc, &FGetDriverFunc},
      {TDBXPropertyNames::VendorLib, &FVendorLib}};
  for (const auto& [Name, Value] : Settings)
    if (!Value->empty()) Properties.SetValue(Name, *Value);
  FConnection = Driver->CreateConnection(Properties);
}

void TSQLConnection::Close() {
  if (!Connected()) return;
  for (TSQLDataSet* DataSet : FDataSets) DataSet->ConnectionClosing();
  FTransaction.reset();  // rolls an open transaction back
  FConnection.reset();
}

void TSQLConnection::CheckConnected() const {
  if (!Connected()) throw EDatabaseError(L"Cannot perform this operation on a closed connection");
}

void TSQLConnection::StartTransaction(const TTransactionDesc& TransDesc) {
  CheckConnected();
  if (FTransaction) throw EDatabaseError(L"A transaction is already active");
  FTransaction = FConnection->BeginTransaction(TransDesc.IsolationLevel);
}

void TSQLConnection::Commit(const TTransactionDesc& TransDesc) {
  if (!FTransaction) throw EDatabaseError(L"No transaction is active");
  FTransaction->Commit();  // a failed commit keeps the transaction for a rollback
  FTransaction.reset();
}

void TSQLConnection::Rollback(const TTransactionDesc& TransDesc) {
  if (!FTransaction) throw EDatabaseError(L"No transaction is active");
  FTransaction->Rollback();
  FTransaction.reset();
}

String TSQLConnection::ServerVersion() const {
  CheckConnected();
  return FConnection->ProductVersion();
}

void TSQLConnection::RunInTransaction(const std::function<void(TDBXTransaction&)>& Work) {
  CheckConnected();
  if (FTransaction) {
    Work(*FTransaction);
    return;
  }
  const std::unique_ptr<TDBXTransaction> Own = FConnection->BeginTransaction(xilREADCOMMITTED);
  Work(*Own);  // when it raises, Own rolls back as it goes
  Own->Commit();
}

int TSQLConnection::Execute(const String& SQL, const TParams* Params) {
  std::vector<String> MarkerNames;
  const String Parsed = ParseSQLParams(SQL, MarkerNames);
  int64_t Rows = 0;
  RunInTransaction([&](TDBXTransaction& Transaction) {
    const std::unique_ptr<TDBXCommand> Command = FConnection->CreateCommand();
    Command->Prepare(Parsed, Transaction);
    BindCommandParams(*Command, MarkerNames, Params);
    Rows = Command->Execute(Transaction);
  });
  return static_cast<int>(Rows);
}

void BindCommandParams(TDBXCommand& Command, const std::vector<String>& MarkerNames,
                       const TParams* Params) {
  if (static_cast<int>(MarkerNames.size()) != Command.ParameterCount())
    throw EDatabaseError(L"The statement has " + IntToStr(Command.ParameterCount()) +
                         L" parameter markers but its text names " + IntToStr(MarkerNames.size()));
  for (size_t i = 0; i < MarkerNames.size(); ++i) {
    const TParam* Param = Params ? Params->FindParam(MarkerNames[i]) : nullptr;
    if (!Param || !Param->Bound())
      throw EDatabaseError(L"No value for parameter '" + MarkerNames[i] + L"'");
    Command.SetParameter(static_cast<int>(i), Param->AsDBValue());
  }
}

// ---------------------------------------------------------------- TSQLDataSet

TSQLDataSet::TSQLDataSet(TComponent* AOwner) : TDataSet(AOwner), FParams(std::make_unique<TParams>()) {}

TSQLDataSet::~TSQLDataSet() { SetSQLConnection(nullptr); }

void TSQLDataSet::SetSQLConnection(TSQLConnection* Value) {
  if (Value == FConnection) return;
  if (FConnection) {
    ConnectionClosing();
    FConnection->DetachDataSet(this);
  }
  FConnection = Value;
  if (FConnection) FConnection->AttachDataSet(this);
}

void TSQLDataSet::SetCommandText(const String& Value) {
  if (Value == FCommandText) return;
  Close();
  FCommandText = Value;
  FParsedSQL = ParseSQLParams(Value, FMarkerNames);
  FParams->Rebuild(FMarkerNames);
}

void TSQLDataSet::ConnectionClosing() {
  Close();
  FCommand.reset();
  FPreparedSQL.clear();
}

TDBXCommand& TSQLDataSet::PreparedCommand(TDBXTransaction& Transaction) {
  if (!FCommand || FParsedSQL != FPreparedSQL) {
    FCommand.reset();
    FPreparedSQL.clear();
    std::unique_ptr<TDBXCommand> Command = FConnection->FConnection->CreateCommand();
    Command->Prepare(FParsedSQL, Transaction);
    FCommand = std::move(Command);
    FPreparedSQL = FParsedSQL;
  }
  return *FCommand;
}

void TSQLDataSet::OpenCursor(std::vector<TDBXColumn>& Columns, std::vector<std::vector<TDBValue>>& Rows) {
  if (!FConnection) throw EDatabaseError(MessagePrefix() + L"Missing SQLConnection property");
  FConnection->Open();
  FConnection->RunInTransaction([&](TDBXTransaction& Transaction) {
    TDBXCommand& Command = PreparedCommand(Transaction);
    if (!Command.ReturnsRows()) throw EDatabaseError(MessagePrefix() + L"Cursor not returned from Query");
    BindCommandParams(Command, FMarkerNames, FParams.get());
    const std::unique_ptr<TDBXReader> Reader = Command.ExecuteQuery(Transaction);
    for (int i = 0; i < Reader->ColumnCount(); ++i) Columns.push_back(Reader->Column(i));
    while (Reader->Next()) {
      std::vector<TDBValue>& Row = Rows.emplace_back();
      Row.reserve(Columns.size());
      for (int i = 0; i < static_cast<int>(Columns.size()); ++i) Row.push_back(Reader->Value(i));
    }
  });
}

int TSQLDataSet::ExecSQL() {
  if (!FConnection) throw EDatabaseError(MessagePrefix() + L"Missing SQLConnection property");
  FConnection->Open();
  int64_t RowsAffected = 0;
  FConnection->RunInTransaction([&](TDBXTransaction& Transaction) {
    TDBXCommand& Command = PreparedCommand(Transaction);
    BindCommandParams(Command, FMarkerNames, FParams.get());
    RowsAffected = Command.Execute(Transaction);
  });
  return static_cast<int>(RowsAffected);
}
