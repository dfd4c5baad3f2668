#include <gtest/gtest.h>

#include <cmath>

#include "vcl/data/DBXCommon.h"
#include "vcl/data/DBXJSON.h"

TEST(JSONValues, GiveTheirTextValueAndTheirJsonText) {
  const struct {
    std::shared_ptr<TJSONValue> Value;
    const wchar_t* Text;
    const wchar_t* Json;
  } Cases[] = {
      {std::make_shared<TJSONTrue>(), L"true", L"true"},
      {std::make_shared<TJSONFalse>(), L"false", L"false"},
      {std::make_shared<TJSONNull>(), L"null", L"null"},
      {std::make_shared<TJSONString>(L"SIM"), L"SIM", L"\"SIM\""},
      {std::make_shared<TJSONString>(L"mtError#$#a \"b\"\\c\r\n\x01"), L"mtError#$#a \"b\"\\c\r\n\x01",
       L"\"mtError#$#a \\\"b\\\"\\\\c\\r\\n\\u0001\""},
      {std::make_shared<TJSONNumber>(10), L"10", L"10"},
      {std::make_shared<TJSONNumber>(int64_t{-9007199254740993}), L"-9007199254740993", L"-9007199254740993"},
      {std::make_shared<TJSONNumber>(2.5), L"2.5", L"2.5"},
      {std::make_shared<TJSONNumber>(0.1), L"0.1", L"0.1"},
  };
  for (const auto& C : Cases) {
    EXPECT_EQ(C.Value->Value(), C.Text);
    EXPECT_EQ(C.Value->ToString(), C.Json);
  }
  EXPECT_TRUE(TJSONNull().Null());
  EXPECT_FALSE(TJSONString(L"").Null());
  EXPECT_THROW(TJSONNumber(std::nan("")), EConvertError);
}

// An integer comes back exactly, also where a double cannot hold it.
TEST(JSONValues, NumbersGiveBackTheirIntegerExactly) {
  for (int64_t Value : {int64_t{0}, int64_t{-7}, int64_t{9007199254740993}, INT64_MAX, INT64_MIN})
    EXPECT_EQ(TJSONNumber(Value).AsInt64(), Value) << Value;
  EXPECT_EQ(TJSONNumber(-2.9).AsInt64(), -2);
  EXPECT_EQ(TJSONNumber(9007199254740992.0).AsInt64(), 9007199254740992);
  EXPECT_THROW(TJSONNumber(1e300).AsInt64(), EConvertError);
  EXPECT_THROW(TJSONNumber(9223372036854775808.0).AsInt64(), EConvertError);
}

TEST(JSONValues, ObjectsOwnTheirPairsInOrder) {
  TJSONObject Object;
  Object.AddPair(L"kind", new TJSONString(L"InputBox"))->AddPair(L"ok", new TJSONTrue);
  Object.AddPair(L"inner", (new TJSONObject)->AddPair(L"n", new TJSONNumber(1)));
  EXPECT_EQ(Object.Count(), 3);
  EXPECT_EQ(Object.ToString(), L"{\"kind\":\"InputBox\",\"ok\":true,\"inner\":{\"n\":1}}");
  EXPECT_EQ(Object.GetValue(L"kind")->Value(), L"InputBox");
  EXPECT_EQ(Object.GetValue(L"KIND"), nullptr);
  EXPECT_EQ(Object.Pairs(1)->JsonString().Value(), L"ok");
  EXPECT_THROW(Object.Pairs(3), EListError);
}

TEST(DBXCallbacks, AnswerThroughTheirOverride) {
  class TEcho : public TDBXCallback {
  public:
    TJSONValue* Execute(TJSONValue* Arg) override { return new TJSONString(L"echo " + Arg->Value()); }
  };
  TEcho Echo;
  TDBXCallback& Callback = Echo;
  TJSONString Request(L"mtInformation#$#Oi");
  const std::unique_ptr<TJSONValue> Answer(Callback.Execute(&Request));
  EXPECT_EQ(Answer->Value(), L"echo mtInformation#$#Oi");
}
