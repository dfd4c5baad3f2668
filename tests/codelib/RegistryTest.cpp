// Registry strings of every stored shape, key paths with root names, and
// the 32- and 64-bit views.
#include <gtest/gtest.h>

#include "codelib/UclRegistry.h"
#include "codelib/UclSysInfo.h"

namespace {

// ctest runs every test in its own process, several at once: each test
// writes and deletes a key of its own so they never race for one key.
String OwnTestKey() {
  const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  return L"Software\\ConversaoUclTest." + String(name.begin(), name.end());
}

void WriteValue(HKEY Root, REGSAM View, const wchar_t* Name, DWORD Type, const void* Data, DWORD Size) {
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(Root, OwnTestKey().c_str(), 0, nullptr, 0, KEY_WRITE | View, nullptr,
                                           &key, nullptr));
  EXPECT_EQ(ERROR_SUCCESS, RegSetValueExW(key, Name, 0, Type, static_cast<const BYTE*>(Data), Size));
  RegCloseKey(key);
}

void DeleteTestKey(HKEY Root, REGSAM View) { RegDeleteKeyExW(Root, OwnTestKey().c_str(), View, 0); }

class RegistryTest : public ::testing::Test {
protected:
  const String TestKey = OwnTestKey();

  void SetUp() override {
    WriteValue(HKEY_CURRENT_USER, 0, L"Whole", REG_SZ, L"hello", 12);
    WriteValue(HKEY_CURRENT_USER, 0, L"Unterminated", REG_SZ, L"abc", 6);
    WriteValue(HKEY_CURRENT_USER, 0, L"Empty", REG_SZ, L"", 0);
    WriteValue(HKEY_CURRENT_USER, 0, L"Expand", REG_EXPAND_SZ, L"%TEMP%", 14);
    WriteValue(HKEY_CURRENT_USER, 0, L"Binary", REG_BINARY, L"xy", 4);
    WriteValue(HKEY_CURRENT_USER, 0, L"Multi", REG_MULTI_SZ, L"a\0b\0", 10);
    const DWORD number = 7;
    WriteValue(HKEY_CURRENT_USER, 0, L"Number", REG_DWORD, &number, 4);
  }
  void TearDown() override {
    DeleteTestKey(HKEY_CURRENT_USER, 0);
    SetRegistryView(0);
  }
};

}  // namespace

TEST_F(RegistryTest, StringValuesOfEveryShapeAreReadWhole) {
  const struct {
    const wchar_t* Name;
    String Expected;
  } cases[] = {
      {L"Whole", L"hello"},      {L"Unterminated", L"abc"},        {L"Empty", L""},
      {L"Expand", L"%TEMP%"},    {L"Binary", L"xy"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    String value = L"stale";
    EXPECT_TRUE(RegistryReadString(HKEY_CURRENT_USER, TestKey, c.Name, true, value));
    EXPECT_EQ(c.Expected, value);
  }
  String multi;
  EXPECT_TRUE(RegistryReadWideString(HKEY_CURRENT_USER, TestKey, L"Multi", true, multi, true));
  EXPECT_EQ(String(L"a\0b\0", 4), multi);
}

TEST_F(RegistryTest, MissingKeysValuesAndOtherKindsAreRefused) {
  String value = L"stale";
  const String& key = TestKey;
  const struct {
    String Key, Name, Message;
  } cases[] = {
      {key + L"\\Missing", L"Whole", L"Unable to open key \"HKEY_CURRENT_USER\\" + key + L"\\Missing\" for read"},
      {key, L"Missing", L"Unable to open key \"HKEY_CURRENT_USER\\" + key + L"\" and access value \"Missing\""},
      {key, L"Number", L"\"HKEY_CURRENT_USER\\" + key + L"\\Number\" is of wrong kind or size"},
      {key, L"Multi", L"\"HKEY_CURRENT_USER\\" + key + L"\\Multi\" is of wrong kind or size"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_FALSE(RegistryReadString(HKEY_CURRENT_USER, c.Key, c.Name, false, value));
    EXPECT_EQ(L"", value);
    try {
      RegistryReadString(HKEY_CURRENT_USER, c.Key, c.Name, true, value);
      ADD_FAILURE() << "no exception";
    } catch (const EUclRegistryError& e) {
      EXPECT_EQ(c.Message, e.Message());
    }
    EXPECT_EQ(L"fallback", RegistryReadStringDefault(HKEY_CURRENT_USER, c.Key, c.Name, L"fallback"));
  }
}

TEST_F(RegistryTest, KeyPathsMayNameTheirRootKey) {
  String value;
  for (const String prefix : {L"HKCU\\", L"\\HKEY_CURRENT_USER\\", L"\\"}) {
    EXPECT_TRUE(RegistryReadString(HKEY_CURRENT_USER, prefix + TestKey, L"Whole", true, value)) << prefix;
    EXPECT_EQ(L"hello", value);
  }
  const String foreign = L"HKLM\\" + TestKey;
  try {
    RegistryReadString(HKEY_CURRENT_USER, foreign, L"Whole", false, value);
    ADD_FAILURE() << "no exception";
  } catch (const EUclRegistryError& e) {
    EXPECT_EQ(L"\"" + foreign + L"\" does not match RootKey", e.Message());
  }
  EXPECT_EQ(L"fallback", RegistryReadStringDefault(HKEY_CURRENT_USER, foreign, L"Whole", L"fallback"));
  EXPECT_EQ(L"Software\\x", RelativeRegistryKey(HKEY_USERS, L"HKUS\\Software\\x"));
}

TEST_F(RegistryTest, RootKeysHaveTheirNames) {
  EXPECT_EQ(L"HKEY_LOCAL_MACHINE", RootKeyName(HKEY_LOCAL_MACHINE));
  EXPECT_EQ(L"HKEY_DYN_DATA", RootKeyName(HKEY_DYN_DATA));
  EXPECT_EQ(L"$00001234", RootKeyName(reinterpret_cast<HKEY>(0x1234)));
}

TEST_F(RegistryTest, TheThreadsViewChoosesThe64Or32BitKeys) {
  ASSERT_TRUE(IsNative64BitWindows());
  WriteValue(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, L"View", REG_SZ, L"64", 6);
  WriteValue(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, L"View", REG_SZ, L"32", 6);
  WriteValue(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, L"Unterminated", REG_SZ, L"abc", 6);
  const struct {
    int View;
    const wchar_t* Expected;
  } cases[] = {{0, L"64"}, {1, L"64"}, {2, L"32"}, {3, L"64"}};
  for (const auto& c : cases) {
    SetRegistryView(c.View);
    EXPECT_EQ(c.Expected, RegistryReadStringDefault(HKEY_LOCAL_MACHINE, TestKey, L"View", L"")) << c.View;
  }
  SetRegistryView(2);
  EXPECT_EQ(L"abc", RegistryReadStringDefault(HKEY_LOCAL_MACHINE, TestKey, L"Unterminated", L""));
  SetRegistryView(0);
  EXPECT_EQ(L"none", RegistryReadStringDefault(HKEY_LOCAL_MACHINE, TestKey, L"Unterminated", L"none"));
  DeleteTestKey(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY);
  DeleteTestKey(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY);
  EXPECT_THROW(SetRegistryView(4), EUclRegistryError);
}
