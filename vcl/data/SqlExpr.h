#pragma once
// The connection component and the data set that runs SQL through it.
#include <memory>
#include <vector>

#include "vcl/data/DB.h"
#include "vcl/rtl/Strings.h"

class TSQLDataSet;

struct TTransactionDesc {
  uint32_t TransactionID = 0;
  uint32_t GlobalID = 0;
  TTransIsolationLevel IsolationLevel = xilREADCOMMITTED;
  uint32_t CustomIsolation = 0;
};

// A connection to one database through a driver found by DriverName in
// the driver registry. The connection's properties are the driver's
// defaults, overlaid by the Params lines ("name=value"), overlaid by the
// connection's own LibraryName, GetDriverFunc and VendorLib when set.
//
// Statements run in the transaction started by StartTransaction; outside
// one, each statement runs in a transaction of its own that is committed
// when it succeeds and rolled back when it fails. Closing or destroying the
// connection rolls an open transaction back: nothing is ever committed that
// was not asked to be.
class TSQLConnection : public TComponent {
  VCL_COMPONENT_CLASS(TSQLConnection, TComponent)
public:
  explicit TSQLConnection(TComponent* AOwner);
  ~TSQLConnection() override;

  const String& DriverName() const { return FDriverName; }
  void SetDriverName(const String& Value) { FDriverName = Value; }
  const String& ConnectionName() const { return FConnectionName; }
  void SetConnectionName(const String& Value) { FConnectionName = Value; }
  const String& GetDriverFunc() const { return FGetDriverFunc; }
  void SetGetDriverFunc(const String& Value) { FGetDriverFunc = Value; }
  const String& LibraryName() const { return FLibraryName; }
  void SetLibraryName(const String& Value) { FLibraryName = Value; }
  const String& VendorLib() const { return FVendorLib; }
  void SetVendorLib(const String& Value) { FVendorLib = Value; }
  TStrings* Params() const { return FParams.get(); }
  // Kept for the forms that set them: parameters come from Params only
  // (there is no stored connection file), and no login dialog is shown.
  bool LoadParamsOnConnect() const { return FLoadParamsOnConnect; }
  void SetLoadParamsOnConnect(bool Value) { FLoadParamsOnConnect = Value; }
  bool LoginPrompt() const { return FLoginPrompt; }
  void SetLoginPrompt(bool Value) { FLoginPrompt = Value; }

  void Open();
  void Close();
  bool Connected() const { return FConnection != nullptr; }
  void SetConnected(bool Value) { Value ? Open() : Close(); }

  // One transaction at a time; starting a second raises.
  void StartTransaction(const TTransactionDesc& TransDesc);
  void Commit(const TTransactionDesc& TransDesc);
  void Rollback(const TTransactionDesc& TransDesc);
  bool InTransaction() const { return FTransaction != nullptr; }

  // The server's version text (opens nothing: raises when closed).
  String ServerVersion() const;
  // The driver's connection while connected, else nullptr.
  TDBXConnection* DBXConnection() const { return FConnection.get(); }

  // Runs a statement; ":NAME" markers take the values of Params. Answers
  // the rows it changed.
  int Execute(const String& SQL, const TParams* Params);
  int ExecuteDirect(const String& SQL) { return Execute(SQL, nullptr); }

  // Runs Work in the open transaction, or in a transaction of its own that
  // is committed when Work returns and rolled back when it raises.
  void RunInTransaction(const std::function<void(TDBXTransaction&)>& Work);

private:
  friend class TSQLDataSet;
  void CheckConnected() const;
  void AttachDataSet(TSQLDataSet* DataSet) { FDataSets.push_back(DataSet); }
  void DetachDataSet(TSQLDataSet* DataSet) { std::erase(FDataSets, DataSet); }

  String FDriverName, FConnectionName, FGetDriverFunc, FLibraryName, FVendorLib;
  std::unique_ptr<TStrings> FParams;
  bool FLoadParamsOnConnect = false;
  bool FLoginPrompt = true;
  std::vector<TSQLDataSet*> FDataSets;
  // Destroyed in reverse order: the transaction before the connection.
  std::unique_ptr<TDBXConnection> FConnection;
  std::unique_ptr<TDBXTransaction> FTransaction;
};

// A data set over one SQL text. Open reads a query's rows (BeforeOpen runs
// first and may change the text and parameters); ExecSQL runs a statement.
// The prepared statement is kept while the text and the connection stay.
class TSQLDataSet : public TDataSet {
  VCL_COMPONENT_CLASS(TSQLDataSet, TDataSet)
public:
  explicit TSQLDataSet(TComponent* AOwner);
  ~TSQLDataSet() override;

  TSQLConnection* SQLConnection() const { return FConnection; }
  void SetSQLConnection(TSQLConnection* Value);
  const String& CommandText() const { return FCommandText; }
  // Also rebuilds Params from the text's ":NAME" markers, keeping the
  // values of names that stay.
  void SetCommandText(const String& Value);
  TParams* Params() const { return FParams.get(); }
  int MaxBlobSize() const { return FMaxBlobSize; }  // -1: whole blobs
  void SetMaxBlobSize(int Value) { FMaxBlobSize = Value; }
  bool GetMetadata() const { return FGetMetadata; }
  void SetGetMetadata(bool Value) { FGetMetadata = Value; }

  // Runs the text as a statement; answers the rows it changed.
  int ExecSQL();

protected:
  void OpenCursor(std::vector<TDBXColumn>& Columns, std::vector<std::vector<TDBValue>>& Rows) override;

private:
  friend class TSQLConnection;
  void ConnectionClosing();
  TDBXCommand& PreparedCommand(TDBXTransaction& Transaction);

  TSQLConnection* FConnection = nullptr;
  String FCommandText;
  std::unique_ptr<TParams> FParams;
  int FMaxBlobSize = -1;
  bool FGetMetadata = true;
  // The command text with "?" for its markers, and the parameter name of
  // each "?"; the prepared statement of FPreparedSQL.
  String FParsedSQL;
  std::vector<String> FMarkerNames;
  std::unique_ptr<TDBXCommand> FCommand;
  String FPreparedSQL;
};

// Binds each "?" of a prepared command to the parameter of its name.
// Raises EDatabaseError for a missing parameter or one without a value.
void BindCommandParams(TDBXCommand& Command, const std::vector<String>& MarkerNames,
                       const TParams* Params);
