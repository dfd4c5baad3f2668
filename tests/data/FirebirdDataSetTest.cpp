#include <gtest/gtest.h>

#include <cmath>

#include "tests/dbfixture/TestDatabase.h"
#include "vcl/rtl/DateUtils.h"

namespace {

class FirebirdDataSet : public ::testing::Test {
protected:
  void SetUp() override {
    Db.Execute({L"create table kinds (id integer not null primary key, s smallint, i integer, "
                L"b bigint, n numeric(15,2), d double precision, v varchar(40), c char(5), "
                L"dt date, tm time, ts timestamp, memo blob sub_type text, bin blob, flag boolean)"});
    Connection = Db.Connect();
    Query.SetSQLConnection(Connection.get());
  }

  void OpenQuery(const String& SQL) {
    Query.Close();
    Query.SetCommandText(SQL);
    Query.Open();
  }

  TTestDatabase Db;
  std::unique_ptr<TSQLConnection> Connection;
  TSQLDataSet Query{nullptr};
};

const TDateTime SomeDate = EncodeDate(2022, 8, 3);
const TDateTime SomeTime = EncodeTime(13, 45, 30, 250);
const TDateTime OldDateTime = EncodeDateTime(1850, 6, 15, 18, 0, 0, 0);  // before 1899: negative

}  // namespace

TEST_F(FirebirdDataSet, ReadsEveryColumnKindBack) {
  Connection->ExecuteDirect(
      L"insert into kinds values (1, -7, 2147483647, 9007199254740993, 12345.67, 0.25, 'texto', 'ab', "
      L"'2022-08-03', '13:45:30.2500', '1850-06-15 18:00:00', 'memo text', x'00FF41', true)");
  OpenQuery(L"select * from kinds");
  ASSERT_EQ(Query.FieldCount(), 14);
  const struct {
    const wchar_t* Name;
    TFieldType Type;
  } Types[] = {{L"ID", ftInteger}, {L"S", ftSmallint}, {L"B", ftLargeint}, {L"N", ftFloat},
               {L"D", ftFloat}, {L"V", ftString}, {L"C", ftString}, {L"DT", ftDate},
               {L"TM", ftTime}, {L"TS", ftTimeStamp}, {L"MEMO", ftMemo}, {L"BIN", ftBlob},
               {L"FLAG", ftBoolean}};
  for (const auto& T : Types) EXPECT_EQ(Query.FieldByName(T.Name)->DataType(), T.Type) << T.Name;
  EXPECT_EQ(Query.FieldByName(L"v")->Size(), 40);

  EXPECT_EQ(Query.FieldByName(L"S")->AsInteger(), -7);
  EXPECT_EQ(Query.FieldByName(L"I")->AsInteger(), 2147483647);
  EXPECT_EQ(Query.FieldByName(L"B")->AsLargeInt(), 9007199254740993LL);
  EXPECT_THROW(Query.FieldByName(L"B")->AsInteger(), EConvertError);
  EXPECT_DOUBLE_EQ(Query.FieldByName(L"N")->AsFloat(), 12345.67);
  EXPECT_DOUBLE_EQ(Query.FieldByName(L"D")->AsFloat(), 0.25);
  EXPECT_EQ(Query.FieldByName(L"V")->AsString(), L"texto");
  EXPECT_EQ(Query.FieldByName(L"C")->AsString(), L"ab   ");  // CHAR keeps its padding
  EXPECT_EQ(Query.FieldByName(L"DT")->AsDateTime(), SomeDate);
  EXPECT_NEAR(Query.FieldByName(L"TM")->AsDateTime(), SomeTime, 1e-9);
  EXPECT_NEAR(Query.FieldByName(L"TS")->AsDateTime(), OldDateTime, 1e-9);
  EXPECT_EQ(Query.FieldByName(L"MEMO")->AsString(), L"memo text");
  EXPECT_EQ(Query.FieldByName(L"BIN")->AsString(), String(L"\x00\xFF" L"A", 3));
  EXPECT_TRUE(Query.FieldByName(L"FLAG")->AsBoolean());
  EXPECT_EQ(Query.FieldByName(L"I")->AsString(), L"2147483647");
  EXPECT_THROW(Query.FieldByName(L"DT")->AsInteger(), EDatabaseError);
  const struct {
    const wchar_t* Name;
    TVarType Type;
  } Variants[] = {{L"S", varInteger}, {L"B", varInt64}, {L"N", varDouble}, {L"V", varUString},
                  {L"TS", varDate}, {L"FLAG", varBoolean}};
  for (const auto& V : Variants) EXPECT_EQ(Query.FieldByName(V.Name)->Value().VType(), V.Type) << V.Name;
  EXPECT_EQ(VarToStr(Query.FieldByName(L"V")->Value()), L"texto");
}

TEST_F(FirebirdDataSet, ReadsNullsAsNullInEveryKind) {
  Connection->ExecuteDirect(L"insert into kinds (id) values (1)");
  OpenQuery(L"select * from kinds");
  for (int i = 1; i < Query.FieldCount(); ++i) {
    TField* Field = Query.Fields(i);
    EXPECT_TRUE(Field->IsNull()) << Field->FieldName();
    EXPECT_EQ(Field->AsString(), L"") << Field->FieldName();
  }
  EXPECT_EQ(Query.FieldByName(L"I")->AsInteger(), 0);
  EXPECT_EQ(Query.FieldByName(L"TS")->AsDateTime(), 0);
  EXPECT_TRUE(VarIsNull(Query.FieldByName(L"V")->Value()));
  EXPECT_FALSE(Query.FieldByName(L"ID")->IsNull());
}

TEST_F(FirebirdDataSet, BindsParametersOfEveryKindIncludingNull) {
  Query.SetCommandText(
      L"insert into kinds (id, s, i, b, n, d, v, c, dt, tm, ts, memo, bin, flag) values "
      L"(:id, :s, :i, :b, :n, :d, :v, :c, :dt, :tm, :ts, :memo, :bin, :flag)");
  ASSERT_EQ(Query.Params()->Count(), 14);
  TParams& P = *Query.Params();
  P.ParamByName(L"ID")->SetAsInteger(1);
  P.ParamByName(L"s")->SetAsString(L"12");  // converted by the server
  P.ParamByName(L"i")->SetAsInteger(-5);
  P.ParamByName(L"b")->SetAsLargeInt(1LL << 40);
  P.ParamByName(L"n")->SetAsFloat(99.95);
  P.ParamByName(L"d")->SetAsFloat(-1.5);
  P.ParamByName(L"v")->SetAsString(L"it's quoted");
  P.ParamByName(L"c")->Clear();
  P.ParamByName(L"dt")->SetAsDate(SomeDate + 0.75);
  P.ParamByName(L"tm")->SetAsDateTime(SomeTime);
  P.ParamByName(L"ts")->SetAsDateTime(OldDateTime);
  P.ParamByName(L"memo")->SetAsString(String(70000, L'm'));
  P.ParamByName(L"bin")->SetAsString(String(L"\x01\x00\xFE", 3));
  P.ParamByName(L"flag")->SetAsBoolean(false);
  EXPECT_EQ(Query.ExecSQL(), 1);

  OpenQuery(L"select * from kinds where id = :id");
  EXPECT_EQ(Query.Params()->ParamByName(L"id")->AsInteger(), 1);  // the value stayed with the name
  ASSERT_EQ(Query.RecordCount(), 1);
  EXPECT_EQ(Query.FieldByName(L"S")->AsInteger(), 12);
  EXPECT_EQ(Query.FieldByName(L"I")->AsInteger(), -5);
  EXPECT_EQ(Query.FieldByName(L"B")->AsLargeInt(), 1LL << 40);
  EXPECT_DOUBLE_EQ(Query.FieldByName(L"N")->AsFloat(), 99.95);
  EXPECT_DOUBLE_EQ(Query.FieldByName(L"D")->AsFloat(), -1.5);
  EXPECT_EQ(Query.FieldByName(L"V")->AsString(), L"it's quoted");
  EXPECT_TRUE(Query.FieldByName(L"C")->IsNull());
  EXPECT_EQ(Query.FieldByName(L"DT")->AsDateTime(), SomeDate);
  EXPECT_NEAR(Query.FieldByName(L"TM")->AsDateTime(), SomeTime, 1e-9);
  EXPECT_NEAR(Query.FieldByName(L"TS")->AsDateTime(), OldDateTime, 1e-9);
  EXPECT_EQ(Query.FieldByName(L"MEMO")->AsString(), String(70000, L'm'));
  EXPECT_EQ(Query.FieldByName(L"BIN")->AsString(), String(L"\x01\x00\xFE", 3));
  EXPECT_FALSE(Query.FieldByName(L"FLAG")->AsBoolean());
  EXPECT_FALSE(Query.FieldByName(L"FLAG")->IsNull());
}

// Timestamps keep a ten-thousandth of a second; a time that rounds up to
// midnight becomes the next day, before 1899-12-30 (negative values) too.
TEST_F(FirebirdDataSet, RoundsTimestampsToTheServersPrecision) {
  const TDateTime AlmostMidnight = 0.99999999999;
  const struct {
    TDateTime Written;
    TDateTime Read;
  } Cases[] = {
      {SomeDate + SomeTime, SomeDate + SomeTime},
      {SomeDate + EncodeTime(0, 0, 0, 1) / 10 * 5, SomeDate + EncodeTime(0, 0, 0, 1) / 10 * 5},
      {SomeDate + AlmostMidnight, EncodeDate(2022, 8, 4)},
      {OldDateTime, OldDateTime},
      {EncodeDate(1850, 6, 15) - AlmostMidnight, EncodeDate(1850, 6, 16)},
  };
  Query.SetCommandText(L"insert into kinds (id, ts) values (:id, :ts)");
  for (int i = 0; i < static_cast<int>(std::size(Cases)); ++i) {
    Query.Params()->ParamByName(L"id")->SetAsInteger(i);
    Query.Params()->ParamByName(L"ts")->SetAsDateTime(Cases[i].Written);
    Query.ExecSQL();
  }
  OpenQuery(L"select ts from kinds order by id");
  for (const auto& C : Cases) {
    EXPECT_NEAR(Query.Fields(0)->AsDateTime(), C.Read, 1e-10) << DateTimeToStr(C.Written);
    Query.Next();
  }
}

TEST_F(FirebirdDataSet, KeepsThePreparedStatementForNewValues) {
  Query.SetCommandText(L"insert into kinds (id, v) values (:id, :v)");
  for (int Id = 1; Id <= 3; ++Id) {
    Query.Params()->ParamByName(L"id")->SetAsInteger(Id);
    Query.Params()->ParamByName(L"v")->SetAsString(L"row " + IntToStr(Id));
    EXPECT_EQ(Query.ExecSQL(), 1);
  }
  Query.SetCommandText(L"update kinds set v = 'x' where id >= :low");
  Query.Params()->ParamByName(L"low")->SetAsInteger(2);
  EXPECT_EQ(Query.ExecSQL(), 2);
}

TEST_F(FirebirdDataSet, MovesOverTheRowsItRead) {
  Db.Execute({L"insert into kinds (id, v) values (1, 'one')", L"insert into kinds (id, v) values (2, 'two')",
              L"insert into kinds (id, v) values (3, 'three')"});
  OpenQuery(L"select id, v from kinds order by id");
  EXPECT_TRUE(Query.Active());
  EXPECT_EQ(Query.RecordCount(), 3);
  EXPECT_FALSE(Query.IsEmpty());
  String Seen;
  for (Query.First(); !Query.Eof(); Query.Next()) Seen += Query.FieldByName(L"V")->AsString() + L";";
  EXPECT_EQ(Seen, L"one;two;three;");
  EXPECT_TRUE(Query.FieldByName(L"V")->IsNull());  // past the end
  Query.First();
  EXPECT_EQ(Query.Fields(0)->AsInteger(), 1);

  OpenQuery(L"select id from kinds where id > 10");
  EXPECT_TRUE(Query.IsEmpty());
  EXPECT_TRUE(Query.Eof());
  EXPECT_EQ(Query.RecordCount(), 0);
  Query.Close();
  EXPECT_FALSE(Query.Active());
  EXPECT_EQ(Query.FieldCount(), 0);
  EXPECT_THROW(Query.First(), EDatabaseError);
}

TEST_F(FirebirdDataSet, BeforeOpenMayRewriteTheTextAndItsParameters) {
  Db.Execute({L"insert into kinds (id, v) values (1, 'one')", L"insert into kinds (id, v) values (2, 'two')"});
  int Calls = 0;
  Query.BeforeOpen = [&](TDataSet* DataSet) {
    ++Calls;
    auto* Sql = dynamic_cast<TSQLDataSet*>(DataSet);
    ASSERT_NE(Sql, nullptr);
    const String Value = Sql->Params()->ParamByName(L"ID")->AsString();
    Sql->Params()->Clear();
    Sql->SetCommandText(L"select v from kinds where id = " + Value);
  };
  Query.SetCommandText(L"select v from kinds where id = :ID");
  Query.Params()->ParamByName(L"ID")->SetAsInteger(2);
  Query.Open();
  EXPECT_EQ(Calls, 1);
  EXPECT_EQ(Query.CommandText(), L"select v from kinds where id = 2");
  EXPECT_EQ(Query.FieldByName(L"V")->AsString(), L"two");
}

TEST_F(FirebirdDataSet, ReportsMisuseClearly) {
  const auto MessageOf = [](const std::function<void()>& Action) -> String {
    try {
      Action();
    } catch (const Exception& E) {
      return E.Message();
    }
    return L"(no error)";
  };
  Query.SetName(L"sds1");
  EXPECT_EQ(MessageOf([&] { OpenQuery(L"insert into kinds (id) values (1)"); }),
            L"sds1: Cursor not returned from Query");
  EXPECT_EQ(MessageOf([&] { OpenQuery(L"select * from kinds where id = :ID"); }),
            L"No value for parameter 'ID'");
  EXPECT_EQ(MessageOf([&] { Query.Params()->ParamByName(L"NOPE"); }), L"Parameter 'NOPE' not found");
  OpenQuery(L"select id from kinds");
  EXPECT_EQ(MessageOf([&] { Query.FieldByName(L"NOPE"); }), L"sds1: Field 'NOPE' not found");
  TSQLDataSet Loose(nullptr);
  Loose.SetCommandText(L"select 1 from rdb$database");
  EXPECT_EQ(MessageOf([&] { Loose.Open(); }), L"Missing SQLConnection property");
}

TEST_F(FirebirdDataSet, OpensItsClosedConnectionAndClosesWithIt) {
  Connection->Close();
  OpenQuery(L"select count(*) from kinds");
  EXPECT_TRUE(Connection->Connected());
  EXPECT_TRUE(Query.Active());
  Connection->Close();
  EXPECT_FALSE(Query.Active());
  Connection.reset();  // the data set forgets a destroyed connection
  EXPECT_EQ(Query.SQLConnection(), nullptr);
}

TEST_F(FirebirdDataSet, CarriesNationalCharactersBothWays) {
  const String Text = L"Correção das Operações";
  Query.SetCommandText(L"insert into kinds (id, v, memo) values (1, :v, :v)");
  Query.Params()->ParamByName(L"v")->SetAsString(Text);
  Query.ExecSQL();
  OpenQuery(L"select v, memo from kinds");
  EXPECT_EQ(Query.FieldByName(L"V")->AsString(), Text);
  EXPECT_EQ(Query.FieldByName(L"MEMO")->AsString(), Text);

  // Without a character set texts travel in the ANSI code page: one it
  // cannot hold raises rather than reaching the database as "?".
  const String Greek = L"\x03A9\x03BC\x03AD\x03B3\x03B1";
  Query.SetCommandText(L"insert into kinds (id, v) values (3, :v)");
  Query.Params()->ParamByName(L"v")->SetAsString(Greek);
  EXPECT_THROW(Query.ExecSQL(), TDBXError);
  EXPECT_THROW(Connection->ExecuteDirect(L"insert into kinds (id, v) values (3, '" + Greek + L"')"),
               TDBXError);
  Query.SetCommandText(L"insert into kinds (id, bin) values (3, :bin)");  // bytes one per character
  Query.Params()->ParamByName(L"bin")->SetAsString(L"\x20AC");
  EXPECT_THROW(Query.ExecSQL(), TDBXError);
  OpenQuery(L"select count(*) from kinds where id = 3");
  EXPECT_EQ(Query.Fields(0)->AsInteger(), 0);

  TSQLConnection Utf8(nullptr);
  Db.Configure(Utf8);
  Utf8.Params()->Add(L"ServerCharSet=UTF8");
  TSQLDataSet Writer(nullptr);
  Writer.SetSQLConnection(&Utf8);
  Writer.SetCommandText(L"insert into kinds (id, memo) values (2, :m)");
  Writer.Params()->ParamByName(L"m")->SetAsString(Greek);
  Writer.ExecSQL();
  Utf8.ExecuteDirect(L"create table utf8_texts (c char(5) character set utf8)");
  Writer.SetCommandText(L"insert into utf8_texts (c) values (:c)");
  const String TwoCharacters = Greek.substr(0, 1) + L"\xD83D\xDE00";  // the second outside the BMP
  Writer.Params()->ParamByName(L"c")->SetAsString(TwoCharacters);
  Writer.ExecSQL();
  Writer.SetCommandText(L"select memo from kinds where id = 2");
  Writer.Open();
  EXPECT_EQ(Writer.Fields(0)->AsString(), Greek);
  Writer.Close();
  Writer.SetCommandText(L"select c from utf8_texts");
  Writer.Open();
  EXPECT_EQ(Writer.Fields(0)->AsString(), TwoCharacters + L"   ");  // CHAR(5): five characters
}

// Scaled numbers come back as the double nearest their decimal value, the
// one the same literal in code gives, whether written as text or bound.
TEST_F(FirebirdDataSet, ReadsScaledNumbersAsTheirNearestDouble) {
  Connection->ExecuteDirect(L"create table amounts (id integer, n2 numeric(15,2), n1 numeric(9,1), "
                            L"d4 decimal(18,4))");
  const struct {
    const wchar_t* Column;
    const wchar_t* Text;
    double Expected;
  } Cases[] = {{L"n2", L"-0.05", -0.05},     {L"n2", L"12345.67", 12345.67}, {L"n2", L"19.99", 19.99},
               {L"n2", L"0.35", 0.35},       {L"n1", L"0.3", 0.3},           {L"n1", L"2.9", 2.9},
               {L"n1", L"-123456.7", -123456.7}, {L"d4", L"1.2345", 1.2345}, {L"d4", L"-0.0003", -0.0003}};
  Query.SetCommandText(L"insert into amounts (id, n2, n1, d4) values (:id, :n2, :n1, :d4)");
  for (int i = 0; i < static_cast<int>(std::size(Cases)); ++i) {
    TParams& P = *Query.Params();
    for (const wchar_t* Column : {L"n2", L"n1", L"d4"}) P.ParamByName(Column)->Clear();
    P.ParamByName(L"id")->SetAsInteger(i);
    P.ParamByName(Cases[i].Column)->SetAsString(Cases[i].Text);
    Query.ExecSQL();
    P.ParamByName(L"id")->SetAsInteger(100 + i);  // the same value bound as a double
    P.ParamByName(Cases[i].Column)->SetAsFloat(Cases[i].Expected);
    Query.ExecSQL();
  }
  for (int i = 0; i < static_cast<int>(std::size(Cases)); ++i) {
    for (int Id : {i, 100 + i}) {
      OpenQuery(String(L"select ") + Cases[i].Column + L" from amounts where id = " + IntToStr(Id));
      EXPECT_EQ(Query.Fields(0)->AsFloat(), Cases[i].Expected) << Cases[i].Text << L" id " << Id;
    }
  }
}

TEST_F(FirebirdDataSet, RefusesTextParametersLongerThanTheColumnAndWritesNothing) {
  const struct {
    int Length;
    const wchar_t* Part;
  } Cases[] = {{41, L"string right truncation"}, {40000, L"too long"}};
  Query.SetCommandText(L"insert into kinds (id, v) values (1, :v)");
  for (const auto& C : Cases) {
    Query.Params()->ParamByName(L"v")->SetAsString(String(C.Length, L'x'));
    try {
      Query.ExecSQL();
      ADD_FAILURE() << C.Length << L" characters were accepted";
    } catch (const EDatabaseError& E) {
      EXPECT_NE(E.Message().find(C.Part), String::npos) << C.Length << L": " << E.Message();
    }
  }
  OpenQuery(L"select count(*) from kinds");
  EXPECT_EQ(Query.Fields(0)->AsInteger(), 0);
}

// NONE and OCTETS texts are stored byte for byte: a UTF8 connection gets
// them untransliterated, one byte a character, and OCTETS ones are bytes,
// read and written one per character as binary blobs are.
TEST_F(FirebirdDataSet, ReadsOctetsAndNoneTextsByteForByteOnEveryConnection) {
  Connection->ExecuteDirect(L"create table raw_texts (id integer, o char(8) character set octets, "
                            L"vo varchar(4) character set octets, n char(4) character set none, "
                            L"w char(3) character set win1252)");
  Connection->ExecuteDirect(L"insert into raw_texts values (1, 'ABCDEFGH', x'C0FFEE', 'ab', 'ção')");
  const String Bytes = String(L"\x00\xFF\x80", 3) + L"\xC0";
  const String Uuid(L"\xA0\xBD\xCD\x17\x7F\x3A\x11\xE1\x9B\x00\x16\x3E\x2D\x7E\x35\xFD", 16);
  for (const wchar_t* Charset : {L"", L"UTF8"}) {
    SCOPED_TRACE(ToUtf8(Charset));
    TSQLConnection On(nullptr);
    Db.Configure(On);
    if (*Charset) On.Params()->Add(String(L"ServerCharSet=") + Charset);
    TSQLDataSet Raw(nullptr);
    Raw.SetSQLConnection(&On);
    Raw.SetCommandText(L"insert into raw_texts (id, o, vo) values (2, :o, :vo)");
    Raw.Params()->ParamByName(L"o")->SetAsString(String(8, L'\xFE'));
    Raw.Params()->ParamByName(L"vo")->SetAsString(Bytes);
    Raw.ExecSQL();
    Raw.SetCommandText(L"select o, vo, n, w, char_to_uuid('A0BDCD17-7F3A-11E1-9B00-163E2D7E35FD') u "
                       L"from raw_texts order by id");
    Raw.Open();
    EXPECT_EQ(Raw.FieldByName(L"O")->AsString(), L"ABCDEFGH");
    EXPECT_EQ(Raw.FieldByName(L"O")->Size(), 8);
    EXPECT_EQ(Raw.FieldByName(L"VO")->AsString(), L"\xC0\xFF\xEE");
    EXPECT_EQ(Raw.FieldByName(L"N")->AsString(), L"ab  ");
    EXPECT_EQ(Raw.FieldByName(L"N")->Size(), 4);
    EXPECT_EQ(Raw.FieldByName(L"W")->AsString(), L"ção");
    EXPECT_EQ(Raw.FieldByName(L"U")->AsString(), Uuid);
    Raw.Next();
    EXPECT_EQ(Raw.FieldByName(L"O")->AsString(), String(8, L'\xFE'));
    EXPECT_EQ(Raw.FieldByName(L"VO")->AsString(), Bytes);
    Raw.Close();
    On.ExecuteDirect(L"delete from raw_texts where id = 2");
  }
}
