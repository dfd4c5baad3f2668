#include <gtest/gtest.h>

#include "vcl/data/DB.h"
#include "vcl/rtl/DateUtils.h"

namespace {

String Joined(const std::vector<String>& Names) {
  String Text;
  for (const String& Name : Names) Text += (Text.empty() ? L"" : L",") + Name;
  return Text;
}

}  // namespace

TEST(ParseSQLParams, MarksEachNamedParameterAndLeavesTheRestAlone) {
  const struct {
    const wchar_t* SQL;
    const wchar_t* Parsed;
    const wchar_t* Names;
  } Cases[] = {
      {L"select * from t where a = :A and b=:b_2", L"select * from t where a = ? and b=?", L"A,b_2"},
      {L"insert into t values (:id, :ID, :x)", L"insert into t values (?, ?, ?)", L"id,ID,x"},
      {L"select ':no' from t where c = 'it''s :not' and d = :yes", L"select ':no' from t where c = 'it''s :not' and d = ?", L"yes"},
      {L"select \"A:B\" from t", L"select \"A:B\" from t", L""},
      {L"select 1 -- :comment\nfrom t where x = :x", L"select 1 -- :comment\nfrom t where x = ?", L"x"},
      {L"select /*:NUM*/'7' from t /* :a */ where y=:y)", L"select /*:NUM*/'7' from t /* :a */ where y=?)", L"y"},
      {L"select '10:30', : x, a:: b from t", L"select '10:30', : x, a:: b from t", L""},
      {L"where a = :", L"where a = :", L""},
      {L"select 'unclosed :p", L"select 'unclosed :p", L""},
      {L"", L"", L""},
      {L"select q'{it's :not}' from t where a = :a", L"select q'{it's :not}' from t where a = ?", L"a"},
      {L"select Q'[a]:no]', q'(x)', q'<>:no>', q'!:no!' from t where b = :b",
       L"select Q'[a]:no]', q'(x)', q'<>:no>', q'!:no!' from t where b = ?", L"b"},
      {L"select q'{:no}}', x from t", L"select q'{:no}}', x from t", L""},
      {L"select q'{unclosed :p", L"select q'{unclosed :p", L""},
      {L"select seq'it''s' || :v from t", L"select seq'it''s' || ? from t", L"v"},
  };
  for (const auto& C : Cases) {
    std::vector<String> Names;
    EXPECT_EQ(ParseSQLParams(C.SQL, Names), C.Parsed) << C.SQL;
    EXPECT_EQ(Joined(Names), C.Names) << C.SQL;
  }
}

TEST(Params, RebuildKeepsTheValuesOfNamesThatStay) {
  TParams Params;
  Params.Rebuild({L"A", L"B"});
  Params.ParamByName(L"a")->SetAsInteger(7);
  Params.ParamByName(L"B")->SetAsString(L"x");
  Params.Rebuild({L"b", L"C", L"B"});
  ASSERT_EQ(Params.Count(), 2);
  EXPECT_EQ(Params.Items(0)->AsString(), L"x");
  EXPECT_FALSE(Params.Items(1)->Bound());
  EXPECT_EQ(Params.FindParam(L"A"), nullptr);
  EXPECT_THROW(Params.ParamByName(L"A"), EDatabaseError);
  EXPECT_THROW(Params.Items(2), EListError);
  Params.Clear();
  EXPECT_EQ(Params.Count(), 0);
}

TEST(Params, TakeVariantsOfEachKindAndGiveThemBack) {
  const TDateTime When = EncodeDateTime(2022, 8, 3, 10, 30, 0, 0);
  const struct {
    Variant In;
    TFieldType Type;
    TVarType OutType;
    const wchar_t* Text;
  } Cases[] = {
      {Variant(7), ftInteger, varInteger, L"7"},
      {Variant(1LL << 40), ftLargeint, varInt64, L"1099511627776"},
      {Variant(2.5), ftFloat, varDouble, nullptr},
      {Variant(L"abc"), ftString, varUString, L"abc"},
      {Variant(true), ftBoolean, varBoolean, L"True"},
      {VarFromDateTime(When), ftTimeStamp, varDate, nullptr},
      {Null(), ftUnknown, varNull, L""},
  };
  for (const auto& C : Cases) {
    TParam Param(L"P");
    EXPECT_FALSE(Param.Bound());
    EXPECT_EQ(Param.Value().VType(), varEmpty);
    Param.SetValue(C.In);
    EXPECT_TRUE(Param.Bound());
    EXPECT_EQ(Param.DataType(), C.Type);
    EXPECT_EQ(Param.Value().VType(), C.OutType);
    if (C.Text) {
      EXPECT_EQ(Param.AsString(), C.Text);
    }
  }
  TParam Date(L"D");
  Date.SetAsDate(When);
  EXPECT_EQ(Date.AsDateTime(), EncodeDate(2022, 8, 3));
  EXPECT_EQ(Date.DataType(), ftDate);
  TParam Text(L"T");
  Text.SetAsString(L"12a");
  EXPECT_THROW(Text.AsInteger(), EConvertError);
  Text.Clear();
  EXPECT_TRUE(Text.IsNull());
  EXPECT_TRUE(Text.Bound());
  EXPECT_EQ(Text.AsInteger(), 0);
}
