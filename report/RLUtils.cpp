#include "report/RLUtils.h"

#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

String RLTempDirectoryPath;
String RLLogFileName;
std::unique_ptr<TStringList> RLTempFileList;

namespace {

String WindowsDirectory() {
  wchar_t buffer[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) RaiseLastOSError();
  return String(buffer, length);
}

String EnvironmentValue(const wchar_t* Name) {
  const DWORD size = GetEnvironmentVariableW(Name, nullptr, 0);
  if (size == 0) return String();
  String value(size, L'\0');
  value.resize(GetEnvironmentVariableW(Name, value.data(), size));
  return value;
}

bool IsAbsolutePath(const String& Path) {
  return (Path.size() >= 3 && Path[1] == L':' && (Path[2] == L'\\' || Path[2] == L'/')) ||
         (Path.size() >= 2 && (Path[0] == L'\\' || Path[0] == L'/') &&
          (Path[1] == L'\\' || Path[1] == L'/'));
}

// The full form of an absolute path ("." and ".." resolved).
String FullPath(const String& Path) {
  const DWORD size = GetFullPathNameW(Path.c_str(), 0, nullptr, nullptr);
  if (size == 0) RaiseLastOSError();
  String result(size, L'\0');
  result.resize(GetFullPathNameW(Path.c_str(), size, result.data(), nullptr));
  return result;
}

String WithTrailingBackslash(const String& Path) {
  return !Path.empty() && Path.back() == L'\\' ? Path : Path + L'\\';
}

}  // namespace

String RLTempDirectory() {
  const String windows = WindowsDirectory();
  for (const wchar_t* name : {L"TMP", L"TEMP", L"USERPROFILE"}) {
    const String value = EnvironmentValue(name);
    if (value.empty()) continue;
    return WithTrailingBackslash(FullPath(IsAbsolutePath(value) ? value : windows + L'\\' + value));
  }
  return WithTrailingBackslash(windows);
}

void RLDeleteLogFile() {
  if (RLLogFileName.empty() || RLLogFileName.find_first_of(L"\\/:") != String::npos) return;
  const DWORD attributes = GetFileAttributesW(RLLogFileName.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) return;
  DeleteFileW(RLLogFileName.c_str());
}

void RLDeleteTempFiles() {
  if (!RLTempFileList) return;
  for (int i = 0; i < RLTempFileList->Count(); ++i) DeleteFileW(RLTempFileList->Strings(i).c_str());
  RLTempFileList.reset();
}

namespace {

void RLUtilsInitialize() {
  RLTempDirectoryPath = RLTempDirectory();
  RLLogFileName = L"rlib.log";
  RLDeleteLogFile();
}

void RLUtilsFinalize() {
  RLDeleteTempFiles();
  RLTempDirectoryPath.clear();
  RLLogFileName.clear();
}

}  // namespace

const TUnitEntry RLUtilsUnit{L"RLUtils", RLUtilsInitialize, RLUtilsFinalize};
