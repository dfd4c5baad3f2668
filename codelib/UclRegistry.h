#pragma once
// Reading string values from the registry: key paths that may begin with
// a root key's name, the 32/64-bit registry views, and the root keys' names.
#include <array>

#include "codelib/UclBase.h"
#include "vcl/rtl/WinApi.h"

VCL_EXCEPTION(EUclRegistryError, EUclError)

struct TUclRootKeyName {
  HKEY RootKey;
  const wchar_t* Name;
};
// The seven predefined root keys by their long names, then by their short
// ones ("HKLM"), in the same order.
extern const std::array<TUclRootKeyName, 14> RegistryRootKeyNames;

// The registry view of the calling thread: 0 the process's own, 1 the
// 64-bit view, 2 the 32-bit view, 3 the 64-bit view again. Only on 64-bit
// Windows do views other than 0 change what is read.
int RegistryView();
void SetRegistryView(int Value);

// The long name of a predefined root key, else "$" and eight hex digits.
String RootKeyName(HKEY RootKey);
// The key path below RootKey: a leading backslash and a root key's name
// (long or short) taken off; a root name other than RootKey's raises
// EUclRegistryError.
String RelativeRegistryKey(HKEY RootKey, const String& Key);

// Reads a REG_SZ, REG_EXPAND_SZ or REG_BINARY value (and REG_MULTI_SZ
// when asked) whole: a value stored without its terminating zero keeps its
// last character, an empty one reads as empty. Missing keys and values and
// values of another kind raise EUclRegistryError, or give false when
// RaiseException is false.
bool RegistryReadWideString(HKEY RootKey, const String& Key, const String& Name, bool RaiseException,
                            String& Value, bool MultiString);
bool RegistryReadString(HKEY RootKey, const String& Key, const String& Name, bool RaiseException,
                        String& Value);
// The value, or Default when it cannot be read for any reason.
String RegistryReadStringDefault(HKEY RootKey, const String& Key, const String& Name,
                                 const String& Default);

extern const TUnitEntry UclRegistryUnit;
