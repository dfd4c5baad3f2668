#include "report/RLUtils.h"

#include <algorithm>
#include <vector>

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

// The full form of a path ("." and ".." resolved, from the current
// directory); empty when it has none.
String FullPathOf(const String& Path) {
  const DWORD size = GetFullPathNameW(Path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return String();
  String result(size, L'\0');
  result.resize(GetFullPathNameW(Path.c_str(), size, result.data(), nullptr));
  return result;
}

String FullPath(const String& Path) {
  String result = FullPathOf(Path);
  if (result.empty()) RaiseLastOSError();
  return result;
}

String WithTrailingBackslash(const String& Path) {
  return !Path.empty() && Path.back() == L'\\' ? Path : Path + L'\\';
}

bool SamePath(const String& A, const String& B) {
  return CompareStringOrdinal(A.c_str(), static_cast<int>(A.size()), B.c_str(), static_cast<int>(B.size()), TRUE) ==
         CSTR_EQUAL;
}

class TFileHandle {
public:
  TFileHandle(const String& Path, DWORD Access, DWORD Flags)
      : FHandle(CreateFileW(Path.c_str(), Access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, Flags, nullptr)) {}
  ~TFileHandle() {
    if (IsOpen()) CloseHandle(FHandle);
  }
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;
  bool IsOpen() const { return FHandle != INVALID_HANDLE_VALUE; }
  HANDLE Handle() const { return FHandle; }

  // The path the opened file has, links resolved; empty when unknown.
  String FinalPath() const {
    const DWORD size = GetFinalPathNameByHandleW(FHandle, nullptr, 0, FILE_NAME_NORMALIZED);
    if (size == 0) return String();
    String result(size, L'\0');
    result.resize(GetFinalPathNameByHandleW(FHandle, result.data(), size, FILE_NAME_NORMALIZED));
    return result;
  }

private:
  HANDLE FHandle;
};

// Deletes the file of that full path when it is a plain file of that very
// name: never a folder, and never through a link, whose deletion would
// take what it points at. Under Wine a host link shows as the file it
// points at, so the opened file's own path must be the folder's followed
// by the name. The file goes through the handle that was checked.
void DeletePlainFile(const String& FullName) {
  const size_t separator = FullName.find_last_of(L'\\');
  if (separator == String::npos) return;
  const TFileHandle folder(FullName.substr(0, separator + 1), FILE_READ_ATTRIBUTES, FILE_FLAG_BACKUP_SEMANTICS);
  const TFileHandle file(FullName, DELETE | FILE_READ_ATTRIBUTES, FILE_FLAG_OPEN_REPARSE_POINT);
  if (!folder.IsOpen() || !file.IsOpen()) return;
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file.Handle(), &info) ||
      (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
    return;
  const String folderPath = folder.FinalPath();
  if (folderPath.empty() ||
      !SamePath(file.FinalPath(), WithTrailingBackslash(folderPath) + FullName.substr(separator + 1)))
    return;
  FILE_DISPOSITION_INFO disposition{TRUE};
  SetFileInformationByHandle(file.Handle(), FileDispositionInfo, &disposition, sizeof(disposition));
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
  if (const String fullName = FullPathOf(RLLogFileName); !fullName.empty()) DeletePlainFile(fullName);
}

void RLDeleteTempFiles() {
  if (!RLTempFileList) return;
  // A name registered again is not deleted again: by then the file may be
  // someone else's.
  std::vector<String> handled;
  for (int i = 0; i < RLTempFileList->Count(); ++i) {
    const String fullName = FullPathOf(RLTempFileList->Strings(i));
    if (fullName.empty() ||
        std::any_of(handled.begin(), handled.end(), [&](const String& done) { return SamePath(done, fullName); }))
      continue;
    DeletePlainFile(fullName);
    handled.push_back(fullName);
  }
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
