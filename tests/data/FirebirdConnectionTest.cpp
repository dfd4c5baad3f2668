#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "tests/dbfixture/TestDatabase.h"
#include "vcl/data/DBXFirebird.h"
#include "vcl/rtl/WinApi.h"
#include "vcl/rtl/Strings.h"

namespace {

class FirebirdConnection : public ::testing::Test {
protected:
  void SetUp() override {
    Db.Execute({L"create table item (id integer not null primary key, name varchar(20))"});
    Connection = Db.Connect();
  }

  int Count(TSQLConnection& On) {
    TSQLDataSet Query(nullptr);
    Query.SetSQLConnection(&On);
    Query.SetCommandText(L"select count(*) from item");
    Query.Open();
    return Query.Fields(0)->AsInteger();
  }
  int CountOnNewConnection() { return Count(*Db.Connect()); }

  // The message of running a statement.
  String ErrorOf(const String& SQL) {
    try {
      Connection->ExecuteDirect(SQL);
    } catch (const TDBXError& E) {
      return E.Message();
    }
    return L"(no error)";
  }

  TTestDatabase Db;
  std::unique_ptr<TSQLConnection> Connection;
  TTransactionDesc Desc{1, 0, xilREADCOMMITTED, 0};
};

bool Contains(const String& Text, const String& Part) { return Text.find(Part) != String::npos; }

}  // namespace

TEST_F(FirebirdConnection, ConnectsAndReportsTheServerVersion) {
  EXPECT_TRUE(Connection->Connected());
  EXPECT_EQ(Connection->DBXConnection()->ProductName(), L"Firebird");
  EXPECT_EQ(Connection->ServerVersion().substr(0, 2), L"3.");
  Connection->Close();
  EXPECT_FALSE(Connection->Connected());
  Connection->Open();
  EXPECT_EQ(Count(*Connection), 0);
}

TEST_F(FirebirdConnection, RollbackLeavesNoRowAndCommitKeepsThem) {
  Connection->StartTransaction(Desc);
  EXPECT_TRUE(Connection->InTransaction());
  EXPECT_EQ(Connection->ExecuteDirect(L"insert into item values (1, 'a')"), 1);
  EXPECT_EQ(Count(*Connection), 1);  // seen inside its own transaction
  Connection->Rollback(Desc);
  EXPECT_FALSE(Connection->InTransaction());
  EXPECT_EQ(CountOnNewConnection(), 0);

  Connection->StartTransaction(Desc);
  Connection->ExecuteDirect(L"insert into item values (1, 'a')");
  Connection->ExecuteDirect(L"insert into item values (2, 'b')");
  EXPECT_EQ(CountOnNewConnection(), 0);  // read committed: not before the commit
  Connection->Commit(Desc);
  EXPECT_EQ(CountOnNewConnection(), 2);
}

TEST_F(FirebirdConnection, StatementsOutsideATransactionCommitEachOnSuccessOnly) {
  EXPECT_EQ(Connection->ExecuteDirect(L"insert into item values (1, 'a')"), 1);
  EXPECT_EQ(CountOnNewConnection(), 1);
  // A block that inserts and then fails: its own transaction rolls back.
  const String Failing =
      L"execute block as begin insert into item values (2, 'b'); "
      L"insert into item values (1, 'duplicate'); end";
  EXPECT_TRUE(Contains(ErrorOf(Failing), L"violation of PRIMARY or UNIQUE KEY constraint"));
  EXPECT_EQ(CountOnNewConnection(), 1);
  EXPECT_FALSE(Connection->InTransaction());
}

TEST_F(FirebirdConnection, AFailedStatementLeavesTheTransactionUsable) {
  Connection->StartTransaction(Desc);
  Connection->ExecuteDirect(L"insert into item values (1, 'a')");
  EXPECT_NE(ErrorOf(L"insert into item values (1, 'again')"), L"(no error)");
  EXPECT_NE(ErrorOf(L"insert into nowhere values (1)"), L"(no error)");
  ASSERT_TRUE(Connection->InTransaction());
  Connection->ExecuteDirect(L"insert into item values (2, 'b')");
  Connection->Commit(Desc);
  EXPECT_EQ(CountOnNewConnection(), 2);

  Connection->StartTransaction(Desc);
  Connection->ExecuteDirect(L"delete from item");
  EXPECT_NE(ErrorOf(L"insert into item values (null, 'x')"), L"(no error)");
  Connection->Rollback(Desc);
  EXPECT_EQ(CountOnNewConnection(), 2);
}

TEST_F(FirebirdConnection, ClosingOrDestroyingAConnectionRollsItsTransactionBack) {
  Connection->StartTransaction(Desc);
  Connection->ExecuteDirect(L"insert into item values (1, 'a')");
  Connection->Close();
  EXPECT_FALSE(Connection->InTransaction());
  EXPECT_EQ(CountOnNewConnection(), 0);

  Connection->Open();
  Connection->StartTransaction(Desc);
  Connection->ExecuteDirect(L"insert into item values (2, 'b')");
  Connection.reset();
  EXPECT_EQ(CountOnNewConnection(), 0);
}

// The server may refuse a commit: an explicit transaction then stays open
// for the caller to fix or roll back; a statement's own one rolls back.
TEST_F(FirebirdConnection, ARefusedCommitKeepsTheTransactionOrRollsItsOwnBack) {
  Db.Execute({L"create exception refused 'commit refused'",
              L"create trigger refuse_commit on transaction commit as begin "
              L"if (exists(select 1 from item where name = 'refuse')) then exception refused; end"});
  Connection = Db.Connect();  // an attachment reads the database's triggers when it opens
  Connection->StartTransaction(Desc);
  Connection->ExecuteDirect(L"insert into item values (1, 'a')");
  Connection->ExecuteDirect(L"insert into item values (2, 'refuse')");
  EXPECT_THROW(Connection->Commit(Desc), TDBXError);
  ASSERT_TRUE(Connection->InTransaction());
  EXPECT_EQ(Count(*Connection), 2);  // still usable, its work intact
  Connection->ExecuteDirect(L"delete from item where id = 2");
  Connection->Commit(Desc);
  EXPECT_EQ(CountOnNewConnection(), 1);

  Connection->StartTransaction(Desc);
  Connection->ExecuteDirect(L"insert into item values (3, 'refuse')");
  EXPECT_THROW(Connection->Commit(Desc), TDBXError);
  Connection->Rollback(Desc);
  EXPECT_FALSE(Connection->InTransaction());
  EXPECT_EQ(CountOnNewConnection(), 1);

  EXPECT_TRUE(Contains(ErrorOf(L"insert into item values (4, 'refuse')"), L"commit refused"));
  EXPECT_FALSE(Connection->InTransaction());
  EXPECT_EQ(CountOnNewConnection(), 1);
}

// A statement runs whole or not at all: cut after "id = 1", each of these
// would delete row 1.
TEST_F(FirebirdConnection, RunsAStatementWholeOrNotAtAll) {
  const String Head = L"delete from item where id = 1";
  String Long = Head;  // past 64 KiB: its first 4464 bytes are the head
  Long.resize(70000 - 65536, L' ');
  Long += L"and id = 2";
  Long.resize(70000, L' ');
  const struct {
    String SQL;
    bool Runs;
  } Cases[] = {{Long, true}, {Head + String(1, L'\0') + L" and id = 2", false}};
  for (const auto& C : Cases) {
    Connection->ExecuteDirect(L"update or insert into item values (1, 'a')");
    EXPECT_EQ(ErrorOf(C.SQL) == L"(no error)", C.Runs) << C.SQL.size();
    EXPECT_EQ(CountOnNewConnection(), 1) << C.SQL.size();
  }
}

TEST_F(FirebirdConnection, TransactionCallsOutOfOrderRaise) {
  EXPECT_THROW(Connection->Commit(Desc), EDatabaseError);
  EXPECT_THROW(Connection->Rollback(Desc), EDatabaseError);
  Connection->StartTransaction(Desc);
  EXPECT_THROW(Connection->StartTransaction(Desc), EDatabaseError);
  Connection->Close();
  EXPECT_THROW(Connection->StartTransaction(Desc), EDatabaseError);
}

TEST_F(FirebirdConnection, TwoConnectionsSeeEachOthersCommittedRows) {
  const std::unique_ptr<TSQLConnection> Other = Db.Connect();
  Connection->ExecuteDirect(L"insert into item values (1, 'a')");
  EXPECT_EQ(Count(*Other), 1);
  Other->StartTransaction(Desc);
  Other->ExecuteDirect(L"insert into item values (2, 'b')");
  EXPECT_EQ(Count(*Connection), 1);
  Other->Commit(Desc);
  EXPECT_EQ(Count(*Connection), 2);
}

TEST_F(FirebirdConnection, ServerErrorsCarryTheServersTextAndCode) {
  const struct {
    const wchar_t* SQL;
    const wchar_t* Part;
  } Cases[] = {
      {L"selec * from item", L"Token unknown"},
      {L"select * from nowhere", L"Table unknown"},
      {L"insert into item values (1, 'b')", L"violation of PRIMARY or UNIQUE KEY constraint"},
      {L"insert into item values (2, 'a name that is far too long')", L"string right truncation"},
      {L"insert into item (name) values ('no id')", L"validation error for column"},
  };
  Connection->ExecuteDirect(L"insert into item values (1, 'a')");
  for (const auto& C : Cases) {
    const String Message = ErrorOf(C.SQL);
    EXPECT_TRUE(Contains(Message, C.Part)) << C.SQL << L" -> " << Message;
    EXPECT_TRUE(Contains(Message, L"SQL code -")) << Message;
  }
  try {
    Connection->ExecuteDirect(L"selec 1");
    ADD_FAILURE() << "a statement the server refuses raised nothing";
  } catch (const TDBXError& E) {
    EXPECT_EQ(E.ErrorCode, -104);
  }
}

// Names reach the client exactly, in UTF-8: one the ANSI code page cannot
// hold makes and opens the very file named, not a look-alike ("baseO").
TEST_F(FirebirdConnection, OpensDatabasesWhosePathHasNationalCharacters) {
  for (const wchar_t* Name : {L".opera\u00e7\u00f5es.fdb", L".base\u03a9.fdb"}) {
    const String Path = Db.Path() + Name;
    SCOPED_TRACE(ToUtf8(Path));
    TSQLConnection Other(nullptr);
    Db.Configure(Other);
    TDBXProperties Properties;
    Properties.AddProperties(*Other.Params());
    Properties.SetValue(L"Database", Path);
    CreateFirebirdDatabase(Properties);
    EXPECT_EQ(GetFileAttributesW((Db.Path() + L".baseO.fdb").c_str()), INVALID_FILE_ATTRIBUTES);
    Other.Params()->SetValues(L"DataBase", Path);
    Other.Open();
    EXPECT_TRUE(Other.Connected());
    Other.Close();
    EXPECT_TRUE(DeleteFileW(Path.c_str()));
    EXPECT_THROW(Other.Open(), TDBXError);  // no other file answers to the name
  }
}

namespace {

// The current folder, changed for the object's life.
class TCurrentFolder {
public:
  explicit TCurrentFolder(const String& Folder) : FPrevious(MAX_PATH, L'\0') {
    FPrevious.resize(GetCurrentDirectoryW(MAX_PATH, FPrevious.data()));
    SetCurrentDirectoryW(Folder.c_str());
  }
  ~TCurrentFolder() { SetCurrentDirectoryW(FPrevious.c_str()); }

private:
  String FPrevious;
};

}  // namespace

// Relative names are taken from the current folder, as any Windows file
// name, in any case; a name of a folder is that folder's file.
TEST_F(FirebirdConnection, RelativeNamesAreFilesOfTheCurrentFolder) {
  const String Folder = Db.Path() + L".folder";
  ASSERT_TRUE(CreateDirectoryW(Folder.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW((Folder + L"\\sub").c_str(), nullptr));
  {
    const TCurrentFolder Current(Folder);
    TSQLConnection Other(nullptr);
    Db.Configure(Other);
    TDBXProperties Properties;
    Properties.AddProperties(*Other.Params());
    Properties.SetValue(L"Database", L"sub\\rel2.fdb");
    CreateFirebirdDatabase(Properties);
    EXPECT_NE(GetFileAttributesW((Folder + L"\\sub\\rel2.fdb").c_str()), INVALID_FILE_ATTRIBUTES);
    for (const wchar_t* Name : {L"SUB\\REL2.FDB", L"sub/rel2.fdb", L".\\sub\\..\\sub\\rel2.fdb"}) {
      SCOPED_TRACE(ToUtf8(Name));
      Other.Params()->SetValues(L"DataBase", Name);
      Other.Open();
      EXPECT_TRUE(Other.Connected());
      Other.Close();
    }
  }
  EXPECT_TRUE(DeleteFileW((Folder + L"\\sub\\rel2.fdb").c_str()));
  EXPECT_TRUE(RemoveDirectoryW((Folder + L"\\sub").c_str()));
  EXPECT_TRUE(RemoveDirectoryW(Folder.c_str()));
}

// Opened and closed on many threads at once, first uses of the driver and
// of the client library included, connections work and nothing breaks.
TEST_F(FirebirdConnection, OpensConnectionsOnSeveralThreadsAtOnce) {
  constexpr int Threads = 16, ConnectionsPerThread = 5, Rounds = 4;
  Connection.reset();
  std::atomic<int> Opened{0};
  std::mutex FailuresLock;
  std::vector<String> Failures;
  for (int Round = 0; Round < Rounds; ++Round) {
    // The driver and the client library are let go between rounds, so
    // every round loads them anew.
    DBXFirebird_Finalize();
    DBXFirebird_Initialize();
    std::atomic<int> Waiting{Threads};
    std::vector<std::thread> Workers;
    for (int t = 0; t < Threads; ++t)
      Workers.emplace_back([&] {
        for (--Waiting; Waiting > 0;) std::this_thread::yield();  // start together
        try {
          for (int i = 0; i < ConnectionsPerThread; ++i) {
            const std::unique_ptr<TSQLConnection> C = Db.Connect();
            if (C->Connected()) ++Opened;
          }
        } catch (const Exception& E) {
          const std::lock_guard<std::mutex> Guard(FailuresLock);
          Failures.push_back(E.Message());
        }
      });
    for (std::thread& Worker : Workers) Worker.join();
  }
  EXPECT_EQ(Failures, std::vector<String>{});
  EXPECT_EQ(Opened, Threads * ConnectionsPerThread * Rounds);
}

TEST_F(FirebirdConnection, OpeningAMissingOrUnreachableDatabaseSaysWhy) {
  const struct {
    String Database;
    const wchar_t* Part;
  } Cases[] = {
      {Db.Path() + L".missing", L"No such file or directory"},
      {L"Q:\\nowhere\\base.fdb", L"Q:\\nowhere\\base.fdb"},
      {L"/no/such/folder/base.fdb", L"/no/such/folder/base.fdb"},
  };
  for (const auto& C : Cases) {
    TSQLConnection Other(nullptr);
    Db.Configure(Other);
    Other.Params()->SetValues(L"DataBase", C.Database);
    try {
      Other.Open();
      ADD_FAILURE() << "opened " << C.Database;
    } catch (const TDBXError& E) {
      EXPECT_TRUE(Contains(E.Message(), C.Part)) << E.Message();
      EXPECT_TRUE(Contains(E.Message(), L"I/O error")) << E.Message();
      EXPECT_FALSE(Other.Connected());
    }
  }
}
