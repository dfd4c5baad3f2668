#pragma once
// What a driver gives the data-access layer: a connection to one database,
// its transactions, prepared commands and the rows they read. Each object
// owns its handle and releases it in its destructor; a transaction that is
// destroyed while still active is rolled back, never committed.
#include <memory>

#include "vcl/data/DBXCommon.h"

enum class TFieldType {
  ftUnknown, ftString, ftSmallint, ftInteger, ftLargeint, ftBoolean, ftFloat,
  ftDate, ftTime, ftTimeStamp, ftMemo, ftBlob
};
using enum TFieldType;

// One value read from or bound for the database. Dates and times are
// TDateTime values; blobs and memos travel as text (a blob's bytes one per
// character).
struct TDBValue {
  enum class TKind : uint8_t { Null, Integer, Float, Text, DateTime, Boolean };
  TKind Kind = TKind::Null;
  int64_t Int = 0;   // Integer, Boolean
  double Float = 0;  // Float, DateTime
  String Text;

  static TDBValue OfInteger(int64_t V) { TDBValue R; R.Kind = TKind::Integer; R.Int = V; return R; }
  static TDBValue OfFloat(double V) { TDBValue R; R.Kind = TKind::Float; R.Float = V; return R; }
  static TDBValue OfText(String V) { TDBValue R; R.Kind = TKind::Text; R.Text = std::move(V); return R; }
  static TDBValue OfDateTime(double V) { TDBValue R; R.Kind = TKind::DateTime; R.Float = V; return R; }
  static TDBValue OfBoolean(bool V) { TDBValue R; R.Kind = TKind::Boolean; R.Int = V; return R; }
  bool IsNull() const { return Kind == TKind::Null; }
};

// Isolation of a transaction.
enum class TTransIsolationLevel { xilREADCOMMITTED, xilREPEATABLEREAD, xilDIRTYREAD, xilCUSTOM };
using enum TTransIsolationLevel;

class TDBXTransaction {
public:
  virtual ~TDBXTransaction() = default;
  virtual void Commit() = 0;
  virtual void Rollback() = 0;
};

struct TDBXColumn {
  String Name;
  TFieldType DataType = ftUnknown;
  int Size = 0;  // characters of a text column
  bool Nullable = true;
};

// The rows of an executed query, read forward.
class TDBXReader {
public:
  virtual ~TDBXReader() = default;
  virtual int ColumnCount() const = 0;
  virtual const TDBXColumn& Column(int Index) const = 0;
  // Moves to the next row; false after the last.
  virtual bool Next() = 0;
  // The current row's value of a column.
  virtual TDBValue Value(int Index) const = 0;
};

// One prepared statement; "?" marks each parameter in its text.
class TDBXCommand {
public:
  virtual ~TDBXCommand() = default;
  virtual void Prepare(const String& Text, TDBXTransaction& Transaction) = 0;
  virtual int ParameterCount() const = 0;
  virtual void SetParameter(int Index, const TDBValue& Value) = 0;
  // True when the prepared statement returns rows.
  virtual bool ReturnsRows() const = 0;
  // Runs a statement; answers the rows it changed.
  virtual int64_t Execute(TDBXTransaction& Transaction) = 0;
  // Runs a query; the reader must be destroyed before the command and
  // before its transaction ends.
  virtual std::unique_ptr<TDBXReader> ExecuteQuery(TDBXTransaction& Transaction) = 0;
};

class TDBXConnection {
public:
  virtual ~TDBXConnection() = default;
  virtual String ProductName() const = 0;
  // The server's version text, such as "3.0.11.33637".
  virtual String ProductVersion() const = 0;
  virtual std::unique_ptr<TDBXTransaction> BeginTransaction(TTransIsolationLevel Isolation) = 0;
  virtual std::unique_ptr<TDBXCommand> CreateCommand() = 0;
};
