#include "codelib/UclRegistry.h"

#include "codelib/UclSysInfo.h"
#include "codelib/UclUnitVersioning.h"

const std::array<TUclRootKeyName, 14> RegistryRootKeyNames{{
    {HKEY_CLASSES_ROOT, L"HKEY_CLASSES_ROOT"},
    {HKEY_CURRENT_USER, L"HKEY_CURRENT_USER"},
    {HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE"},
    {HKEY_USERS, L"HKEY_USERS"},
    {HKEY_PERFORMANCE_DATA, L"HKEY_PERFORMANCE_DATA"},
    {HKEY_CURRENT_CONFIG, L"HKEY_CURRENT_CONFIG"},
    {HKEY_DYN_DATA, L"HKEY_DYN_DATA"},
    {HKEY_CLASSES_ROOT, L"HKCR"},
    {HKEY_CURRENT_USER, L"HKCU"},
    {HKEY_LOCAL_MACHINE, L"HKLM"},
    {HKEY_USERS, L"HKUS"},
    {HKEY_PERFORMANCE_DATA, L"HKPD"},
    {HKEY_CURRENT_CONFIG, L"HKCC"},
    {HKEY_DYN_DATA, L"HKDD"},
}};

namespace {

thread_local int ThreadRegistryView = 0;

// The access flags of each view on 32-bit and on 64-bit Windows.
constexpr REGSAM ViewAccess[2][4] = {{0, 0, 0, 0},
                                     {0, KEY_WOW64_64KEY, KEY_WOW64_32KEY, KEY_WOW64_64KEY}};

REGSAM RegistryViewAccess(REGSAM Access) {
  if (Access & (KEY_WOW64_64KEY | KEY_WOW64_32KEY)) return Access;
  return Access | ViewAccess[IsNative64BitWindows() ? 1 : 0][ThreadRegistryView];
}

// An open key, closed by its holder.
class TRegistryKey {
public:
  TRegistryKey(HKEY RootKey, const String& Key, REGSAM Access) {
    FError = RegOpenKeyExW(RootKey, RelativeRegistryKey(RootKey, Key).c_str(), 0,
                           RegistryViewAccess(Access), &FKey);
  }
  ~TRegistryKey() {
    if (FError == ERROR_SUCCESS) RegCloseKey(FKey);
  }
  TRegistryKey(const TRegistryKey&) = delete;
  TRegistryKey& operator=(const TRegistryKey&) = delete;
  bool IsOpen() const { return FError == ERROR_SUCCESS; }
  HKEY Handle() const { return FKey; }

private:
  HKEY FKey = nullptr;
  LSTATUS FError;
};

}  // namespace

int RegistryView() { return ThreadRegistryView; }

void SetRegistryView(int Value) {
  if (Value < 0 || Value > 3) throw EUclRegistryError(Format(L"Invalid registry view %d", {Value}));
  ThreadRegistryView = Value;
}

String RootKeyName(HKEY RootKey) {
  for (size_t i = 0; i < 7; ++i)
    if (RegistryRootKeyNames[i].RootKey == RootKey) return RegistryRootKeyNames[i].Name;
  return Format(L"$%.8x", {static_cast<unsigned>(reinterpret_cast<uintptr_t>(RootKey))});
}

String RelativeRegistryKey(HKEY RootKey, const String& Key) {
  const String path = StartsText(L"\\", Key) ? Copy(Key, 2) : Key;
  for (const auto& root : RegistryRootKeyNames) {
    const String prefix = String(root.Name) + L'\\';
    if (!StartsText(prefix, path)) continue;
    if (root.RootKey != RootKey) throw EUclRegistryError(Format(L"\"%s\" does not match RootKey", {Key}));
    return Copy(path, Length(prefix) + 1);
  }
  return path;
}

bool RegistryReadWideString(HKEY RootKey, const String& Key, const String& Name, bool RaiseException,
                            String& Value, bool MultiString) {
  Value.clear();
  auto fail = [&](const String& Message) {
    if (RaiseException) throw EUclRegistryError(Message);
    return false;
  };
  auto accessError = [&] {
    return fail(Format(L"Unable to open key \"%s\\%s\" and access value \"%s\"",
                       {RootKeyName(RootKey), Key, Name}));
  };
  const TRegistryKey key(RootKey, Key, KEY_READ);
  if (!key.IsOpen()) return fail(Format(L"Unable to open key \"%s\\%s\" for read", {RootKeyName(RootKey), Key}));
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key.Handle(), Name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return accessError();
  if (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_BINARY && !(MultiString && type == REG_MULTI_SZ))
    return fail(Format(L"\"%s\\%s\\%s\" is of wrong kind or size", {RootKeyName(RootKey), Key, Name}));
  // Room for an odd last byte; the data need not end with a zero.
  String data((size + 1) / 2, L'\0');
  if (size && RegQueryValueExW(key.Handle(), Name.c_str(), nullptr, nullptr,
                               reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
    return accessError();
  data.resize((size + 1) / 2);
  if (!data.empty() && data.back() == L'\0') data.pop_back();
  Value = std::move(data);
  return true;
}

bool RegistryReadString(HKEY RootKey, const String& Key, const String& Name, bool RaiseException,
                        String& Value) {
  return RegistryReadWideString(RootKey, Key, Name, RaiseException, Value, false);
}

String RegistryReadStringDefault(HKEY RootKey, const String& Key, const String& Name,
                                 const String& Default) {
  try {
    String value;
    return RegistryReadString(RootKey, Key, Name, false, value) ? value : Default;
  } catch (const Exception&) {
    return Default;
  }
}

namespace {

const TUnitVersionInfo UnitVersioning = UclUnitVersionInfo(UclWindowsSource);

void UclRegistryInitialize() { AddUnitVersionRecord(UclModuleInstance(), &UnitVersioning); }
void UclRegistryFinalize() { RemoveUnitVersionRecord(UclModuleInstance()); }

}  // namespace

const TUnitEntry UclRegistryUnit{L"UclRegistry", UclRegistryInitialize, UclRegistryFinalize};
