#include "vcl/data/DBXFirebird.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "vcl/data/DBXConnection.h"
#include "vcl/data/FBClient.h"
#include "vcl/rtl/WinApi.h"

namespace {

constexpr const wchar_t* BuiltInLibraryName = L"dbxfb.dll";
constexpr const wchar_t* EntryName = L"getSQLDriverINTERBASE";
constexpr const wchar_t* FirebirdDriverName = L"Firebird";

// Firebird dates count days from 1858-11-17; TDateTime from 1899-12-30.
constexpr int DateOffset = 15018;
constexpr double TimeUnitsPerDay = 864000000.0;  // ISC_TIME counts 1/10000 s

// ---------------------------------------------------------------- texts

// Raises where the ANSI code page lacks a character: a replacement ("?"
// or a look-alike) would be written to, or searched for in, the database.
std::string ToAnsiExactly(const String& S) {
  if (S.empty() || GetACP() == CP_UTF8) return ToAnsi(S);
  BOOL Replaced = FALSE;
  const int Length = static_cast<int>(S.size());
  const int Size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, S.data(), Length, nullptr, 0, nullptr,
                                       &Replaced);
  std::string Bytes(static_cast<size_t>(Size), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, S.data(), Length, Bytes.data(), Size, nullptr, &Replaced);
  if (Replaced)
    throw TDBXError(L"The text \"" + S.substr(0, 60) +
                    L"\" has characters that the connection's character set cannot hold.");
  return Bytes;
}

// The attachment's character set decides how texts are encoded: UTF8 as
// UTF-8, every other one in the system's ANSI code page.
struct TFBTextCodec {
  bool Utf8 = false;
  std::string Encode(const String& S) const { return Utf8 ? ToUtf8(S) : ToAnsiExactly(S); }
  String Decode(const char* Bytes, size_t Length) const {
    const std::string Raw(Bytes, Length);
    return Utf8 ? FromUtf8(Raw) : FromAnsi(Raw);
  }
};

// Character sets by the number the client gives a text column.
constexpr int CharsetNone = 0;
constexpr int CharsetOctets = 1;
constexpr int CharsetUnicodeFss = 3;

int CharsetOf(const XSQLVAR& V) { return V.sqlsubtype & 0xFF; }

// OCTETS texts are bytes, not text in any character set.
bool IsOctets(const XSQLVAR& V) {
  const int Type = V.sqltype & ~1;
  return (Type == SQL_TEXT || Type == SQL_VARYING) && CharsetOf(V) == CharsetOctets;
}

// The bytes a text column's value holds per character. A connection in
// UTF8 receives its texts transliterated to it, except NONE and OCTETS
// ones, which travel as they are stored: one byte each.
int BytesPerCharacter(const XSQLVAR& V, const TFBTextCodec& Codec) {
  const int Charset = CharsetOf(V);
  if (!Codec.Utf8 || Charset == CharsetNone || Charset == CharsetOctets) return 1;
  return Charset == CharsetUnicodeFss ? 3 : 4;
}

// A multi-byte CHAR(n) value arrives padded to its bytes per character
// times n: keeps its n characters (what goes beyond is padding blanks).
void CutPadding(String& Text, int Characters) {
  const auto LowSurrogates =
      std::count_if(Text.begin(), Text.end(), [](wchar_t C) { return C >= 0xDC00 && C <= 0xDFFF; });
  const auto CodePoints = static_cast<ptrdiff_t>(Text.size()) - LowSurrogates;
  if (CodePoints > Characters) Text.resize(Text.size() - static_cast<size_t>(CodePoints - Characters));
}

// Binary blobs and OCTETS texts travel as text with one byte per character.
String BytesToText(const std::string& Bytes) {
  String Text(Bytes.size(), L'\0');
  for (size_t i = 0; i < Bytes.size(); ++i) Text[i] = static_cast<unsigned char>(Bytes[i]);
  return Text;
}

std::string TextToBytes(const String& Text) {
  std::string Bytes(Text.size(), '\0');
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] > 0xFF)  // would be cut to its low byte
      throw TDBXError(L"A binary value holds a character that is not a byte (position " +
                      IntToStr(static_cast<int>(i) + 1) + L").");
    Bytes[i] = static_cast<char>(Text[i]);
  }
  return Bytes;
}

// ---------------------------------------------------------------- dates

double DecodeTimestamp(ISC_DATE Date, ISC_TIME Time) {
  const double Day = static_cast<double>(Date) - DateOffset;
  const double Fraction = Time / TimeUnitsPerDay;
  return Day < 0 ? Day - Fraction : Day + Fraction;
}

ISC_TIMESTAMP EncodeTimestamp(double Value) {
  double Day = std::trunc(Value);
  auto Time = static_cast<int64_t>(std::llround(std::fabs(Value - Day) * TimeUnitsPerDay));
  if (Time >= static_cast<int64_t>(TimeUnitsPerDay)) {  // rounded up to the next midnight
    Time = 0;
    Day += 1;  // the next day also before 1899-12-30, whose days count -1, -2...
  }
  return ISC_TIMESTAMP{static_cast<ISC_DATE>(Day + DateOffset), static_cast<ISC_TIME>(Time)};
}

// 10^Exponent, exact for the scales of numeric columns (0..18).
double PowerOfTen(int Exponent) {
  double Power = 1;
  for (int i = 0; i < Exponent; ++i) Power *= 10;
  return Power;
}

// ---------------------------------------------------------------- parameter blocks

void AddText(std::string& Block, char Item, const std::string& Value) {
  Block += Item;
  Block += static_cast<char>(std::min<size_t>(Value.size(), 255));
  Block.append(Value, 0, std::min<size_t>(Value.size(), 255));
}

std::string DatabaseParameterBlock(const TDBXProperties& P, const TFBTextCodec& Codec) {
  std::string Dpb(1, isc_dpb_version1);
  AddText(Dpb, isc_dpb_user_name, Codec.Encode(P.Values(TDBXPropertyNames::UserName)));
  AddText(Dpb, isc_dpb_password, Codec.Encode(P.Values(TDBXPropertyNames::Password)));
  // The database name goes in UTF-8 (DatabaseName): every name reaches the
  // client as written, whatever the ANSI code page can hold.
  Dpb += static_cast<char>(isc_dpb_utf8_filename);
  Dpb += '\0';
  const String Charset = P.Values(TDBXPropertyNames::ServerCharSet);
  if (!Charset.empty()) AddText(Dpb, isc_dpb_lc_ctype, ToAnsi(Charset));
  const String Role = P.Values(TDBXPropertyNames::RoleName);
  if (!Role.empty()) AddText(Dpb, isc_dpb_sql_role_name, Codec.Encode(Role));
  return Dpb;
}

std::string DatabaseName(const TDBXProperties& P) {
  return ToUtf8(P.Values(TDBXPropertyNames::Database));
}

int Dialect(const TDBXProperties& P) { return P.GetInteger(TDBXPropertyNames::SQLDialect, 3); }

TFBTextCodec CodecFor(const TDBXProperties& P) {
  const String Charset = P.Values(TDBXPropertyNames::ServerCharSet);
  return TFBTextCodec{SameText(Charset, L"UTF8") || SameText(Charset, L"UNICODE_FSS")};
}

// The little-endian integer of an information buffer.
int64_t InfoInteger(const char* Bytes, int Length) {
  int64_t Value = 0;
  for (int i = Length - 1; i >= 0; --i) Value = (Value << 8) | static_cast<unsigned char>(Bytes[i]);
  return Value;
}

int InfoLength(const char* Bytes) { return static_cast<int>(InfoInteger(Bytes, 2)); }

// ---------------------------------------------------------------- descriptor areas

// An XSQLDA with room for Count variables, each variable with storage of
// its own for its data and null indicator.
class TFBDescriptorArea {
public:
  explicit TFBDescriptorArea(int Count) { Resize(Count); }
  XSQLDA* Area() { return reinterpret_cast<XSQLDA*>(FArea.data()); }
  XSQLVAR& Var(int Index) { return Area()->sqlvar[Index]; }
  int Count() const { return reinterpret_cast<const XSQLDA*>(FArea.data())->sqld; }

  void Resize(int Count) {
    FArea.assign(XSQLDA_LENGTH(std::max(Count, 1)), 0);
    Area()->version = SQLDA_VERSION1;
    Area()->sqln = static_cast<ISC_SHORT>(std::max(Count, 1));
  }
  // Gives every described variable a buffer for its declared type.
  void AllocateBuffers() {
    FBuffers.assign(Count(), {});
    FIndicators.assign(Count(), 0);
    for (int i = 0; i < Count(); ++i) {
      XSQLVAR& V = Var(i);
      const int Extra = (V.sqltype & ~1) == SQL_VARYING ? sizeof(short) : 0;
      FBuffers[i].assign(V.sqllen + Extra + 1, '\0');
      V.sqldata = FBuffers[i].data();
      V.sqlind = &FIndicators[i];
    }
  }

private:
  std::vector<char> FArea;
  std::vector<std::vector<char>> FBuffers;
  std::vector<short> FIndicators;
};

class TFBConnection;

// ---------------------------------------------------------------- transaction

class TFBTransaction : public TDBXTransaction {
public:
  TFBTransaction(TFBConnection& Connection, TTransIsolationLevel Isolation);
  ~TFBTransaction() override {
    if (FHandle) {
      ISC_STATUS_ARRAY Status;
      FClient.isc_rollback_transaction(Status, &FHandle);
    }
  }
  void Commit() override { FClient.Check(FClient.isc_commit_transaction(FStatus, &FHandle), FStatus); }
  void Rollback() override {
    FClient.Check(FClient.isc_rollback_transaction(FStatus, &FHandle), FStatus);
  }
  isc_tr_handle* Handle() { return &FHandle; }

private:
  const TFBClient& FClient;
  isc_tr_handle FHandle = 0;
  ISC_STATUS_ARRAY FStatus;
};

TFBTransaction& FirebirdTransaction(TDBXTransaction& Transaction) {
  return static_cast<TFBTransaction&>(Transaction);
}

// ---------------------------------------------------------------- connection

class TFBConnection : public TDBXConnection {
public:
  explicit TFBConnection(const TDBXProperties& Properties)
      : FClient(TFBClient::Load(VendorLibOf(Properties))),
        FCodec(CodecFor(Properties)),
        FDialect(Dialect(Properties)),
        FWaitOnLocks(Properties.GetBoolean(L"WaitOnLocks", true)) {
    const std::string Path = DatabaseName(Properties);
    const std::string Dpb = DatabaseParameterBlock(Properties, FCodec);
    ISC_STATUS_ARRAY Status;
    FClient->Check(FClient->isc_attach_database(Status, 0, Path.c_str(), &FHandle,
                                                static_cast<short>(Dpb.size()), Dpb.data()),
                   Status);
  }
  ~TFBConnection() override {
    ISC_STATUS_ARRAY Status;
    FClient->isc_detach_database(Status, &FHandle);
  }

  String ProductName() const override { return FirebirdDriverName; }
  String ProductVersion() const override;
  std::unique_ptr<TDBXTransaction> BeginTransaction(TTransIsolationLevel Isolation) override {
    return std::make_unique<TFBTransaction>(*this, Isolation);
  }
  std::unique_ptr<TDBXCommand> CreateCommand() override;

  static String VendorLibOf(const TDBXProperties& Properties) {
    const String VendorLib = Properties.Values(TDBXPropertyNames::VendorLib);
    return VendorLib.empty() ? String(L"fbclient.dll") : VendorLib;
  }
  const TFBClient& Client() const { return *FClient; }
  const TFBTextCodec& Codec() const { return FCodec; }
  isc_db_handle* Handle() { return &FHandle; }
  int DialectNumber() const { return FDialect; }
  bool WaitOnLocks() const { return FWaitOnLocks; }

private:
  std::shared_ptr<TFBClient> FClient;
  TFBTextCodec FCodec;
  int FDialect;
  bool FWaitOnLocks;
  isc_db_handle FHandle = 0;
};

String TFBConnection::ProductVersion() const {
  const char Items[] = {isc_info_firebird_version, isc_info_end};
  char Result[256] = {};
  ISC_STATUS_ARRAY Status;
  isc_db_handle Handle = FHandle;
  FClient->Check(FClient->isc_database_info(Status, &Handle, sizeof Items, Items, sizeof Result, Result),
                 Status);
  if (Result[0] != isc_info_firebird_version) return String();
  // item, length, count, then the first text with its length byte:
  // "LI-V3.0.11.33637 Firebird 3.0" -> "3.0.11.33637"
  const String Text = FromAnsi(std::string(Result + 5, static_cast<unsigned char>(Result[4])));
  const int Start = Pos(L"-V", Text);
  const String Version = Start ? Copy(Text, Start + 2) : Text;
  const int Blank = Pos(L" ", Version);
  return Blank ? Copy(Version, 1, Blank - 1) : Version;
}

TFBTransaction::TFBTransaction(TFBConnection& Connection, TTransIsolationLevel Isolation)
    : FClient(Connection.Client()) {
  std::string Tpb{isc_tpb_version3, isc_tpb_write};
  if (Isolation == xilREPEATABLEREAD) {
    Tpb += static_cast<char>(isc_tpb_concurrency);
  } else {
    Tpb += static_cast<char>(isc_tpb_read_committed);
    Tpb += static_cast<char>(isc_tpb_rec_version);
  }
  Tpb += static_cast<char>(Connection.WaitOnLocks() ? isc_tpb_wait : isc_tpb_nowait);
  struct {  // the client's transaction existence block
    isc_db_handle* Database;
    ISC_LONG TpbLength;
    const char* Tpb;
  } Teb{Connection.Handle(), static_cast<ISC_LONG>(Tpb.size()), Tpb.data()};
  FClient.Check(FClient.isc_start_multiple(FStatus, &FHandle, 1, &Teb), FStatus);
}

// ---------------------------------------------------------------- command

class TFBCommand;

class TFBReader : public TDBXReader {
public:
  TFBReader(TFBCommand& Command, TFBTransaction& Transaction)
      : FCommand(Command), FTransaction(Transaction) {}
  ~TFBReader() override;
  int ColumnCount() const override;
  const TDBXColumn& Column(int Index) const override;
  bool Next() override;
  TDBValue Value(int Index) const override;

private:
  TFBCommand& FCommand;
  TFBTransaction& FTransaction;
};

class TFBCommand : public TDBXCommand {
public:
  explicit TFBCommand(TFBConnection& Connection)
      : FConnection(Connection), FClient(Connection.Client()), FOutput(1), FInput(1) {
    FClient.Check(FClient.isc_dsql_allocate_statement(FStatus, Connection.Handle(), &FHandle), FStatus);
  }
  ~TFBCommand() override {
    ISC_STATUS_ARRAY Status;
    FClient.isc_dsql_free_statement(Status, &FHandle, DSQL_drop);
  }

  void Prepare(const String& Text, TDBXTransaction& Transaction) override;
  int ParameterCount() const override { return static_cast<int>(FParameters.size()); }
  void SetParameter(int Index, const TDBValue& Value) override { FParameters.at(Index) = Value; }
  bool ReturnsRows() const override { return FReturnsRows; }
  int64_t Execute(TDBXTransaction& Transaction) override;
  std::unique_ptr<TDBXReader> ExecuteQuery(TDBXTransaction& Transaction) override;

  const std::vector<TDBXColumn>& Columns() const { return FColumns; }
  bool Fetch();
  TDBValue ColumnValue(int Index, TFBTransaction& Transaction);
  void CloseCursor() {
    ISC_STATUS_ARRAY Status;
    FClient.isc_dsql_free_statement(Status, &FHandle, DSQL_close);
  }

private:
  struct TDeclared {
    short Type;
    short SubType;
    short Scale;
    bool Octets;  // a text of bytes
  };
  struct TBound {  // storage of one bound parameter value
    int64_t Integer = 0;
    double Float = 0;
    ISC_TIMESTAMP Timestamp{};
    ISC_QUAD Blob{};
    std::string Bytes;
    bool Boolean = false;
    short Indicator = 0;
  };

  void Describe();
  void BindParameters(TFBTransaction& Transaction);
  void Bind(int Index, TFBTransaction& Transaction);
  ISC_QUAD WriteBlob(const std::string& Bytes, TFBTransaction& Transaction);
  std::string ReadBlob(ISC_QUAD Id, TFBTransaction& Transaction);
  int64_t RowsAffected();

  TFBConnection& FConnection;
  const TFBClient& FClient;
  isc_stmt_handle FHandle = 0;
  ISC_STATUS_ARRAY FStatus;
  TFBDescriptorArea FOutput;
  TFBDescriptorArea FInput;
  std::vector<TDBXColumn> FColumns;
  std::vector<TDeclared> FDeclared;  // the parameters' declared types
  std::vector<TBound> FBound;
  std::vector<TDBValue> FParameters;
  bool FReturnsRows = false;
};

TFieldType FieldTypeOf(const XSQLVAR& V) {
  switch (V.sqltype & ~1) {
    case SQL_SHORT: return V.sqlscale ? ftFloat : ftSmallint;
    case SQL_LONG: return V.sqlscale ? ftFloat : ftInteger;
    case SQL_INT64: return V.sqlscale ? ftFloat : ftLargeint;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT: return ftFloat;
    case SQL_TEXT:
    case SQL_VARYING: return ftString;
    case SQL_TYPE_DATE: return ftDate;
    case SQL_TYPE_TIME: return ftTime;
    case SQL_TIMESTAMP: return ftTimeStamp;
    case SQL_BLOB: return V.sqlsubtype == 1 ? ftMemo : ftBlob;
    case SQL_BOOLEAN: return ftBoolean;
    default: return ftUnknown;
  }
}

void TFBCommand::Prepare(const String& Text, TDBXTransaction& Transaction) {
  const std::string Sql = FConnection.Codec().Encode(Text);
  // The client reads the text up to its terminating null (a length would
  // be cut to 16 bits, and a cut statement may still be a valid one).
  if (Sql.find('\0') != std::string::npos)
    throw TDBXError(L"The statement text contains a null character.");
  FOutput.Resize(1);
  FClient.Check(FClient.isc_dsql_prepare(FStatus, FirebirdTransaction(Transaction).Handle(), &FHandle, 0,
                                         Sql.c_str(),
                                         static_cast<unsigned short>(FConnection.DialectNumber()),
                                         FOutput.Area()),
                FStatus);
  Describe();
}

void TFBCommand::Describe() {
  const int OutputCount = FOutput.Area()->sqld;
  if (OutputCount > FOutput.Area()->sqln) {
    FOutput.Resize(OutputCount);
    FClient.Check(FClient.isc_dsql_describe(FStatus, &FHandle, SQLDA_VERSION1, FOutput.Area()), FStatus);
  }
  FColumns.clear();
  for (int i = 0; i < FOutput.Count(); ++i) {
    XSQLVAR& V = FOutput.Var(i);
    const TFieldType Type = FieldTypeOf(V);
    if (Type == ftUnknown)
      throw TDBXError(L"Column " + IntToStr(i + 1) + L" has a data type (" + IntToStr(V.sqltype & ~1) +
                      L") that this driver does not read.");
    FColumns.push_back(TDBXColumn{FConnection.Codec().Decode(V.aliasname, V.aliasname_length), Type,
                                  Type == ftString ? V.sqllen / BytesPerCharacter(V, FConnection.Codec())
                                                   : 0,
                                  (V.sqltype & 1) != 0});
  }
  FOutput.AllocateBuffers();

  FInput.Resize(1);
  FClient.Check(FClient.isc_dsql_describe_bind(FStatus, &FHandle, SQLDA_VERSION1, FInput.Area()), FStatus);
  if (FInput.Area()->sqld > FInput.Area()->sqln) {
    FInput.Resize(FInput.Area()->sqld);
    FClient.Check(FClient.isc_dsql_describe_bind(FStatus, &FHandle, SQLDA_VERSION1, FInput.Area()),
                  FStatus);
  }
  FDeclared.clear();
  for (int i = 0; i < FInput.Count(); ++i) {
    const XSQLVAR& V = FInput.Var(i);
    FDeclared.push_back(
        TDeclared{static_cast<short>(V.sqltype & ~1), V.sqlsubtype, V.sqlscale, IsOctets(V)});
  }
  FBound.assign(FInput.Count(), {});
  FParameters.assign(FInput.Count(), TDBValue{});

  const char Items[] = {isc_info_sql_stmt_type};
  char Result[16] = {};
  FClient.Check(FClient.isc_dsql_sql_info(FStatus, &FHandle, sizeof Items, Items, sizeof Result, Result),
                FStatus);
  const int64_t Type = Result[0] == isc_info_sql_stmt_type ? InfoInteger(Result + 3, InfoLength(Result + 1)) : 0;
  FReturnsRows = Type == isc_info_sql_stmt_select || Type == isc_info_sql_stmt_select_for_upd;
}

// Binds every parameter in the type its value has; the server converts to
// the declared type (and reports a value it cannot convert).
void TFBCommand::BindParameters(TFBTransaction& Transaction) {
  for (int i = 0; i < FInput.Count(); ++i) Bind(i, Transaction);
}

void TFBCommand::Bind(int Index, TFBTransaction& Transaction) {
  XSQLVAR& V = FInput.Var(Index);
  const TDeclared& Declared = FDeclared[Index];
  const TDBValue& Value = FParameters[Index];
  TBound& B = FBound[Index];
  V.sqlind = &B.Indicator;
  V.sqlscale = 0;
  V.sqlsubtype = Declared.SubType;
  B.Indicator = 0;
  auto Use = [&V](short Type, void* Data, size_t Length) {
    V.sqltype = static_cast<short>(Type | 1);
    V.sqldata = static_cast<char*>(Data);
    V.sqllen = static_cast<short>(Length);
  };
  switch (Value.Kind) {
    case TDBValue::TKind::Null:
      B.Indicator = -1;
      V.sqltype = static_cast<short>(Declared.Type | 1);
      V.sqlscale = Declared.Scale;
      V.sqldata = nullptr;
      break;
    case TDBValue::TKind::Integer:
    case TDBValue::TKind::Boolean:
      if (Declared.Type == SQL_BOOLEAN) {
        B.Boolean = Value.Int != 0;
        Use(SQL_BOOLEAN, &B.Boolean, 1);
      } else {
        B.Integer = Value.Int;
        Use(SQL_INT64, &B.Integer, sizeof B.Integer);
      }
      break;
    case TDBValue::TKind::Float:
      B.Float = Value.Float;
      Use(SQL_DOUBLE, &B.Float, sizeof B.Float);
      break;
    case TDBValue::TKind::DateTime:
      B.Timestamp = EncodeTimestamp(Value.Float);
      Use(SQL_TIMESTAMP, &B.Timestamp, sizeof B.Timestamp);
      break;
    case TDBValue::TKind::Text:
      if (Declared.Type == SQL_BLOB) {
        B.Blob = WriteBlob(Declared.SubType == 1 ? FConnection.Codec().Encode(Value.Text)
                                                 : TextToBytes(Value.Text),
                           Transaction);
        Use(SQL_BLOB, &B.Blob, sizeof B.Blob);
      } else {
        B.Bytes = Declared.Octets ? TextToBytes(Value.Text) : FConnection.Codec().Encode(Value.Text);
        if (B.Bytes.size() > 32765) throw TDBXError(L"Parameter value too long for a text parameter.");
        if (Declared.Type != SQL_TEXT && Declared.Type != SQL_VARYING) V.sqlsubtype = 0;
        Use(SQL_TEXT, B.Bytes.data(), B.Bytes.size());
      }
      break;
  }
}

ISC_QUAD TFBCommand::WriteBlob(const std::string& Bytes, TFBTransaction& Transaction) {
  isc_blob_handle Blob = 0;
  ISC_QUAD Id{};
  FClient.Check(FClient.isc_create_blob2(FStatus, FConnection.Handle(), Transaction.Handle(), &Blob, &Id, 0,
                                         nullptr),
                FStatus);
  for (size_t Offset = 0; Offset < Bytes.size(); Offset += 32768) {
    const auto Length = static_cast<unsigned short>(std::min<size_t>(32768, Bytes.size() - Offset));
    if (FClient.isc_put_segment(FStatus, &Blob, Length, Bytes.data() + Offset)) {
      ISC_STATUS_ARRAY Ignored;
      FClient.isc_close_blob(Ignored, &Blob);
      FClient.RaiseError(FStatus);
    }
  }
  FClient.Check(FClient.isc_close_blob(FStatus, &Blob), FStatus);
  return Id;
}

std::string TFBCommand::ReadBlob(ISC_QUAD Id, TFBTransaction& Transaction) {
  isc_blob_handle Blob = 0;
  FClient.Check(FClient.isc_open_blob2(FStatus, FConnection.Handle(), Transaction.Handle(), &Blob, &Id, 0,
                                       nullptr),
                FStatus);
  std::string Bytes;
  char Segment[32768];
  for (;;) {
    unsigned short Got = 0;
    const ISC_STATUS Result = FClient.isc_get_segment(FStatus, &Blob, &Got, sizeof Segment, Segment);
    if (Result == 0 || FStatus[1] == isc_segment) {
      Bytes.append(Segment, Got);
      continue;
    }
    if (FStatus[1] == isc_segstr_eof) break;
    ISC_STATUS_ARRAY Ignored;
    FClient.isc_close_blob(Ignored, &Blob);
    FClient.RaiseError(FStatus);
  }
  FClient.Check(FClient.isc_close_blob(FStatus, &Blob), FStatus);
  return Bytes;
}

int64_t TFBCommand::RowsAffected() {
  const char Items[] = {isc_info_sql_records};
  char Result[64] = {};
  FClient.Check(FClient.isc_dsql_sql_info(FStatus, &FHandle, sizeof Items, Items, sizeof Result, Result),
                FStatus);
  if (Result[0] != isc_info_sql_records) return 0;
  int64_t Rows = 0;
  const char* Cursor = Result + 3;
  while (*Cursor != isc_info_end && Cursor < Result + sizeof Result - 3) {
    const char Item = *Cursor;
    const int Length = InfoLength(Cursor + 1);
    if (Item == isc_info_req_insert_count || Item == isc_info_req_update_count ||
        Item == isc_info_req_delete_count)
      Rows += InfoInteger(Cursor + 3, Length);
    Cursor += 3 + Length;
  }
  return Rows;
}

int64_t TFBCommand::Execute(TDBXTransaction& Transaction) {
  TFBTransaction& FBTransaction = FirebirdTransaction(Transaction);
  BindParameters(FBTransaction);
  FClient.Check(FClient.isc_dsql_execute(FStatus, FBTransaction.Handle(), &FHandle, SQLDA_VERSION1,
                                         FInput.Area()),
                FStatus);
  if (FReturnsRows) {
    CloseCursor();
    return 0;
  }
  return RowsAffected();
}

std::unique_ptr<TDBXReader> TFBCommand::ExecuteQuery(TDBXTransaction& Transaction) {
  TFBTransaction& FBTransaction = FirebirdTransaction(Transaction);
  BindParameters(FBTransaction);
  FClient.Check(FClient.isc_dsql_execute(FStatus, FBTransaction.Handle(), &FHandle, SQLDA_VERSION1,
                                         FInput.Area()),
                FStatus);
  return std::make_unique<TFBReader>(*this, FBTransaction);
}

bool TFBCommand::Fetch() {
  const ISC_STATUS Result = FClient.isc_dsql_fetch(FStatus, &FHandle, SQLDA_VERSION1, FOutput.Area());
  if (Result == 100) return false;
  FClient.Check(Result, FStatus);
  return true;
}

TDBValue TFBCommand::ColumnValue(int Index, TFBTransaction& Transaction) {
  XSQLVAR& V = FOutput.Var(Index);
  if ((V.sqltype & 1) && *V.sqlind < 0) return TDBValue{};
  const char* Data = V.sqldata;
  // Dividing by the exact power of ten gives the double nearest the
  // decimal value (multiplying by 10^scale, itself inexact, does not).
  auto Scaled = [&V](int64_t Raw) {
    return V.sqlscale ? TDBValue::OfFloat(static_cast<double>(Raw) / PowerOfTen(-V.sqlscale))
                      : TDBValue::OfInteger(Raw);
  };
  switch (V.sqltype & ~1) {
    case SQL_SHORT: { int16_t X; std::memcpy(&X, Data, sizeof X); return Scaled(X); }
    case SQL_LONG: { int32_t X; std::memcpy(&X, Data, sizeof X); return Scaled(X); }
    case SQL_INT64: { int64_t X; std::memcpy(&X, Data, sizeof X); return Scaled(X); }
    case SQL_FLOAT: { float X; std::memcpy(&X, Data, sizeof X); return TDBValue::OfFloat(X); }
    case SQL_DOUBLE:
    case SQL_D_FLOAT: { double X; std::memcpy(&X, Data, sizeof X); return TDBValue::OfFloat(X); }
    case SQL_TEXT: {
      if (IsOctets(V)) return TDBValue::OfText(BytesToText(std::string(Data, V.sqllen)));
      String Text = FConnection.Codec().Decode(Data, V.sqllen);
      if (BytesPerCharacter(V, FConnection.Codec()) > 1) CutPadding(Text, FColumns[Index].Size);
      return TDBValue::OfText(std::move(Text));
    }
    case SQL_VARYING: {
      short Length;
      std::memcpy(&Length, Data, sizeof Length);
      const char* Bytes = Data + sizeof Length;
      return TDBValue::OfText(IsOctets(V) ? BytesToText(std::string(Bytes, Length))
                                          : FConnection.Codec().Decode(Bytes, Length));
    }
    case SQL_TYPE_DATE: {
      ISC_DATE X;
      std::memcpy(&X, Data, sizeof X);
      return TDBValue::OfDateTime(DecodeTimestamp(X, 0));
    }
    case SQL_TYPE_TIME: {
      ISC_TIME X;
      std::memcpy(&X, Data, sizeof X);
      return TDBValue::OfDateTime(X / TimeUnitsPerDay);
    }
    case SQL_TIMESTAMP: {
      ISC_TIMESTAMP X;
      std::memcpy(&X, Data, sizeof X);
      return TDBValue::OfDateTime(DecodeTimestamp(X.timestamp_date, X.timestamp_time));
    }
    case SQL_BLOB: {
      ISC_QUAD Id;
      std::memcpy(&Id, Data, sizeof Id);
      const std::string Bytes = ReadBlob(Id, Transaction);
      return TDBValue::OfText(V.sqlsubtype == 1 ? FConnection.Codec().Decode(Bytes.data(), Bytes.size())
                                                : BytesToText(Bytes));
    }
    case SQL_BOOLEAN: return TDBValue::OfBoolean(*Data != 0);
    default: return TDBValue{};  // not reached: Describe refuses unknown types
  }
}

TFBReader::~TFBReader() { FCommand.CloseCursor(); }
int TFBReader::ColumnCount() const { return static_cast<int>(FCommand.Columns().size()); }
const TDBXColumn& TFBReader::Column(int Index) const { return FCommand.Columns().at(Index); }
bool TFBReader::Next() { return FCommand.Fetch(); }
TDBValue TFBReader::Value(int Index) const { return FCommand.ColumnValue(Index, FTransaction); }

std::unique_ptr<TDBXCommand> TFBConnection::CreateCommand() { return std::make_unique<TFBCommand>(*this); }

TDBXConnection* OpenFirebirdConnection(const TDBXProperties& Properties) {
  return new TFBConnection(Properties);
}

}  // namespace

// ---------------------------------------------------------------- driver

TDBXFirebirdDriver::TDBXFirebirdDriver(const TDBXDriverDef& DriverDef)
    : TDBXDynalinkDriverNative(DriverDef, TDBXDynalinkDriverLoader::StaticClass()) {
  const std::pair<const wchar_t*, const wchar_t*> Defaults[] = {
      {TDBXPropertyNames::DriverUnit, L"DBXFirebird"},
      {TDBXPropertyNames::ProductName, FirebirdDriverName},
      {TDBXPropertyNames::GetDriverFunc, EntryName},
      {TDBXPropertyNames::LibraryName, BuiltInLibraryName},
      {TDBXPropertyNames::VendorLib, L"fbclient.dll"},
      {TDBXPropertyNames::Database, nullptr},
      {TDBXPropertyNames::UserName, nullptr},
      {TDBXPropertyNames::Password, nullptr},
      {TDBXPropertyNames::RoleName, nullptr},
      {TDBXPropertyNames::MaxBlobSize, L"-1"},
      {TDBXPropertyNames::ServerCharSet, nullptr},
      {TDBXPropertyNames::SQLDialect, L"3"},
      {TDBXPropertyNames::IsolationLevel, L"ReadCommitted"},
      {L"WaitOnLocks", L"True"}};
  for (const auto& [Name, Value] : Defaults) DriverProperties()->SetValue(Name, Value ? Value : String());
}

void CreateFirebirdDatabase(const TDBXProperties& Properties) {
  const std::shared_ptr<TFBClient> Client = TFBClient::Load(TFBConnection::VendorLibOf(Properties));
  const TFBTextCodec Codec = CodecFor(Properties);
  std::string Dpb = DatabaseParameterBlock(Properties, Codec);
  Dpb += static_cast<char>(isc_dpb_sql_dialect);
  Dpb += static_cast<char>(4);
  const int32_t DialectValue = Dialect(Properties);
  Dpb.append(reinterpret_cast<const char*>(&DialectValue), 4);
  const std::string Path = DatabaseName(Properties);
  isc_db_handle Handle = 0;
  ISC_STATUS_ARRAY Status;
  Client->Check(Client->isc_create_database(Status, 0, Path.c_str(), &Handle, static_cast<short>(Dpb.size()),
                                            Dpb.data(), 0),
                Status);
  Client->Check(Client->isc_detach_database(Status, &Handle), Status);
}

void DBXFirebird_Initialize() {
  TDBXDynalinkDriverLoader::RegisterBuiltInLibrary(BuiltInLibraryName, EntryName, &OpenFirebirdConnection);
  TDBXDriverRegistry& Registry = TDBXDriverRegistry::DBXDriverRegistry();
  Registry.RegisterDriverClass<TDBXFirebirdDriver>(FirebirdDriverName);
  Registry.AddKnownDriverName(FirebirdDriverName);
}

void DBXFirebird_Finalize() {
  TDBXDriverRegistry::DBXDriverRegistry().UnloadDriver(FirebirdDriverName);
  TDBXDynalinkDriverLoader::UnregisterBuiltInLibrary(BuiltInLibraryName);
  TFBClient::UnloadAll();
}

const TUnitEntry DBXFirebirdUnit{L"DBXFirebird", DBXFirebird_Initialize, DBXFirebird_Finalize};
