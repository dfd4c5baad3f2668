#include "tests/support/SymbolicLink.h"

#include <chrono>
#include <memory>
#include <vector>

#include "vcl/rtl/WinApi.h"

namespace {

using TToUnix = char*(__cdecl*)(const wchar_t*);
using TToDos = wchar_t*(__cdecl*)(const char*);

// Wine's path conversions (null on Windows); their results come from the
// process heap.
template <class F>
F WineExport(const char* AName) {
  return reinterpret_cast<F>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), AName));
}

bool OnWine() { return WineExport<TToUnix>("wine_get_unix_file_name") != nullptr; }

template <class C>
using THeapText = std::unique_ptr<C, void (*)(C*)>;
template <class C>
THeapText<C> HeapText(C* AText) {
  return THeapText<C>(AText, [](C* P) { HeapFree(GetProcessHeap(), 0, P); });
}

String UnixPath(const String& APath) {
  const auto converted = HeapText(WineExport<TToUnix>("wine_get_unix_file_name")(APath.c_str()));
  if (!converted) return String();
  const std::string text(converted.get());
  return String(text.begin(), text.end());
}

String TempPath() {
  wchar_t buffer[MAX_PATH];
  return String(buffer, GetTempPathW(MAX_PATH, buffer));
}

bool Exists(const String& APath) { return GetFileAttributesW(APath.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A command line argument that the host receives as it stands.
String Quoted(const String& AText) {
  String quoted = L"\"";
  for (wchar_t c : AText) quoted += c == L'"' ? String(L"\\\"") : String(1, c);
  return quoted + L"\"";
}

// Runs a host program through the host's shell and waits for it. Wine
// starts a host program named by its path without a process handle to
// wait on, so the shell leaves a mark file when the program has run.
bool RunHostCommand(const std::vector<String>& AArguments) {
  static int runs = 0;
  const String mark = TempPath() + L"host-run-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                      std::to_wstring(++runs) + L".mark";
  const auto shell = HeapText(WineExport<TToDos>("wine_get_dos_file_name")("/bin/sh"));
  const String unixMark = UnixPath(mark);
  if (!shell || unixMark.empty()) return false;
  String commandLine = L"/bin/sh -c " + Quoted(L"m=$0; \"$@\"; : > \"$m\"") + L" " + Quoted(unixMark);
  for (const String& argument : AArguments) commandLine += L" " + Quoted(argument);
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(shell.get(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  if (process.hThread) CloseHandle(process.hThread);
  if (process.hProcess) CloseHandle(process.hProcess);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!Exists(mark) && std::chrono::steady_clock::now() < deadline) Sleep(5);
  return DeleteFileW(mark.c_str());
}

}  // namespace

bool MakeSymbolicLink(const String& ALink, const String& ATarget) {
  if (OnWine()) return RunHostCommand({L"/bin/ln", L"-s", UnixPath(ATarget), UnixPath(ALink)}) && Exists(ALink);
  const DWORD attributes = GetFileAttributesW(ATarget.c_str());
  const bool directory = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  return CreateSymbolicLinkW(ALink.c_str(), ATarget.c_str(),
                             (directory ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) |
                                 SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) &&
         Exists(ALink);
}

bool RemoveSymbolicLink(const String& ALink) {
  if (OnWine()) return RunHostCommand({L"/bin/rm", L"-f", UnixPath(ALink)});
  return DeleteFileW(ALink.c_str()) || RemoveDirectoryW(ALink.c_str());
}
