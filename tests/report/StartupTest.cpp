// The report start-up and shut-down on real files: the temporary directory,
// the left-over report log and the registered temporary files.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "report/RLUtils.h"
#include "tests/support/SymbolicLink.h"
#include "vcl/rtl/WinApi.h"

namespace {

String CurrentDirectory() {
  wchar_t buffer[MAX_PATH];
  return String(buffer, GetCurrentDirectoryW(MAX_PATH, buffer));
}

bool Exists(const String& Path) { return GetFileAttributesW(Path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void WriteFile(const String& Path, const std::string& Text = std::string()) {
  const HANDLE file = CreateFileW(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file) << GetLastError();
  DWORD written = 0;
  ::WriteFile(file, Text.data(), static_cast<DWORD>(Text.size()), &written, nullptr);
  CloseHandle(file);
}

std::string ReadFile(const String& Path) {
  const HANDLE file = CreateFileW(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "(missing)";
  char buffer[256];
  DWORD read = 0;
  ::ReadFile(file, buffer, sizeof(buffer), &read, nullptr);
  CloseHandle(file);
  return std::string(buffer, read);
}

// An environment variable set (or removed with null) for one test.
class TEnvironmentScope {
public:
  TEnvironmentScope(const wchar_t* Name, const wchar_t* Value) : FName(Name) {
    wchar_t buffer[4096];
    const DWORD length = GetEnvironmentVariableW(Name, buffer, 4096);
    FHadValue = length > 0;
    FOldValue.assign(buffer, length);
    SetEnvironmentVariableW(Name, Value);
  }
  ~TEnvironmentScope() { SetEnvironmentVariableW(FName, FHadValue ? FOldValue.c_str() : nullptr); }

private:
  const wchar_t* FName;
  bool FHadValue;
  String FOldValue;
};

// A fresh folder that is the current directory during the test; the
// report's global state is restored afterwards.
class StartupTest : public ::testing::Test {
protected:
  void SetUp() override {
    FOldDirectory = CurrentDirectory();
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    FFolder = String(temp) + L"report-test-" + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(FFolder.c_str(), nullptr)) << GetLastError();
    ASSERT_TRUE(SetCurrentDirectoryW(FFolder.c_str()));
    FOldLogFileName = RLLogFileName;
    RLLogFileName = L"rlib.log";
  }
  void TearDown() override {
    for (const String& link : FLinks) RemoveSymbolicLink(link);
    RLTempFileList.reset();
    RLLogFileName = FOldLogFileName;
    SetCurrentDirectoryW(FOldDirectory.c_str());
    RemoveTree(FFolder);
  }
  String InFolder(const String& Name) const { return FFolder + L"\\" + Name; }
  // A real link in the folder, removed before the folder goes.
  void MakeLink(const String& Name, const String& TargetName) {
    ASSERT_TRUE(MakeSymbolicLink(InFolder(Name), InFolder(TargetName)));
    FLinks.push_back(InFolder(Name));
  }

private:
  static void RemoveTree(const String& Path) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((Path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const String name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const String child = Path + L"\\" + name;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
          RemoveTree(child);
        else if (!DeleteFileW(child.c_str()))
          RemoveDirectoryW(child.c_str());
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(Path.c_str());
  }

  String FOldDirectory, FFolder, FOldLogFileName;
  std::vector<String> FLinks;
};

}  // namespace

TEST_F(StartupTest, TheReportLogInTheCurrentDirectoryIsDeletedAndNothingElse) {
  WriteFile(InFolder(L"rlib.log"));
  WriteFile(InFolder(L"other.log"));
  ASSERT_TRUE(CreateDirectoryW(InFolder(L"sub").c_str(), nullptr));
  WriteFile(InFolder(L"sub\\rlib.log"));

  RLDeleteLogFile();

  EXPECT_FALSE(Exists(InFolder(L"rlib.log")));
  EXPECT_TRUE(Exists(InFolder(L"other.log")));
  EXPECT_TRUE(Exists(InFolder(L"sub\\rlib.log")));
}

TEST_F(StartupTest, TheReportLogIsNeitherADirectoryNorAPath) {
  ASSERT_TRUE(CreateDirectoryW(InFolder(L"rlib.log").c_str(), nullptr));
  RLDeleteLogFile();
  EXPECT_TRUE(Exists(InFolder(L"rlib.log")));
  ASSERT_TRUE(RemoveDirectoryW(InFolder(L"rlib.log").c_str()));

  ASSERT_TRUE(CreateDirectoryW(InFolder(L"sub").c_str(), nullptr));
  WriteFile(InFolder(L"sub\\rlib.log"));
  RLLogFileName = L"sub\\rlib.log";
  RLDeleteLogFile();
  EXPECT_TRUE(Exists(InFolder(L"sub\\rlib.log")));
}

// As a person may leave it: the tool's folder holds a link "rlib.log" to a
// file elsewhere, or to a folder. Start-up leaves the link and what it
// points at.
TEST_F(StartupTest, AReportLogThatIsALinkIsLeftWithWhatItPointsAt) {
  ASSERT_TRUE(CreateDirectoryW(InFolder(L"precious").c_str(), nullptr));
  WriteFile(InFolder(L"precious\\notes.txt"), "notes");
  ASSERT_TRUE(CreateDirectoryW(InFolder(L"tool").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW(InFolder(L"other").c_str(), nullptr));
  MakeLink(L"tool\\rlib.log", L"precious\\notes.txt");
  MakeLink(L"other\\rlib.log", L"precious");

  for (const wchar_t* folder : {L"tool", L"other"}) {
    SCOPED_TRACE(testing::PrintToString(String(folder)));
    ASSERT_TRUE(SetCurrentDirectoryW(InFolder(folder).c_str()));
    RLUtilsUnit.Finalize();
    RLUtilsUnit.Initialize();
    EXPECT_EQ("notes", ReadFile(InFolder(L"precious\\notes.txt")));
    EXPECT_TRUE(Exists(InFolder(String(folder) + L"\\rlib.log")));
  }
  ASSERT_TRUE(SetCurrentDirectoryW(InFolder(L"tool").c_str()));
  RLDeleteLogFile();
  EXPECT_EQ("notes", ReadFile(InFolder(L"precious\\notes.txt")));
}

TEST_F(StartupTest, ARelativeTemporaryDirectoryLiesInTheWindowsDirectory) {
  wchar_t windows[MAX_PATH];
  const String windowsDirectory(windows, GetWindowsDirectoryW(windows, MAX_PATH));
  const String before = CurrentDirectory();
  {
    const TEnvironmentScope tmp(L"TMP", nullptr);
    const TEnvironmentScope temp(L"TEMP", L"reports\\..\\rtemp");
    EXPECT_EQ(windowsDirectory + L"\\rtemp\\", RLTempDirectory());
  }
  {
    const TEnvironmentScope tmp(L"TMP", L"C:\\reports\\tmp");
    EXPECT_EQ(L"C:\\reports\\tmp\\", RLTempDirectory());
  }
  {
    const TEnvironmentScope tmp(L"TMP", nullptr);
    const TEnvironmentScope temp(L"TEMP", nullptr);
    const TEnvironmentScope profile(L"USERPROFILE", nullptr);
    EXPECT_EQ(windowsDirectory + L"\\", RLTempDirectory());
  }
  EXPECT_EQ(before, CurrentDirectory());
}

TEST_F(StartupTest, ShutDownDeletesTheRegisteredFilesOnly) {
  for (const wchar_t* name : {L"a.tmp", L"b.tmp", L"kept.tmp"}) WriteFile(InFolder(name));
  RLTempFileList = std::make_unique<TStringList>();
  RLTempFileList->Add(InFolder(L"a.tmp"));
  RLTempFileList->Add(InFolder(L"missing.tmp"));
  RLTempFileList->Add(InFolder(L"b.tmp"));

  RLUtilsUnit.Finalize();
  RLUtilsUnit.Initialize();

  EXPECT_FALSE(Exists(InFolder(L"a.tmp")));
  EXPECT_FALSE(Exists(InFolder(L"b.tmp")));
  EXPECT_TRUE(Exists(InFolder(L"kept.tmp")));
  EXPECT_EQ(nullptr, RLTempFileList);
}

// Shut-down deletes each registered file once, whatever the registration
// looks like, never what a link points at and never a folder; a file made
// again by someone else after its deletion stays.
TEST_F(StartupTest, ShutDownDeletesEachRegisteredFileOnceAndNothingThroughALink) {
  WriteFile(InFolder(L"precious.txt"), "precious");
  WriteFile(InFolder(L"twice.tmp"), "first");
  ASSERT_TRUE(CreateDirectoryW(InFolder(L"dir.tmp").c_str(), nullptr));
  MakeLink(L"link.tmp", L"precious.txt");
  RLTempFileList = std::make_unique<TStringList>();
  RLTempFileList->Add(InFolder(L"twice.tmp"));
  RLTempFileList->Add(InFolder(L"link.tmp"));
  RLTempFileList->Add(InFolder(L"dir.tmp"));
  // Enough files in between for someone else to make the first one again.
  for (int i = 0; i < 300; ++i) {
    const String name = InFolder(L"between-" + std::to_wstring(i) + L".tmp");
    WriteFile(name);
    RLTempFileList->Add(name);
  }
  RLTempFileList->Add(InFolder(L"sub\\..\\TWICE.TMP"));

  std::atomic<bool> stop = false, deleted = false;
  std::thread someoneElse([&] {
    while (!stop && !deleted) deleted = !Exists(InFolder(L"twice.tmp"));
    WriteFile(InFolder(L"twice.tmp"), "again");
  });
  RLDeleteTempFiles();
  stop = true;
  someoneElse.join();

  EXPECT_TRUE(deleted);
  EXPECT_EQ("again", ReadFile(InFolder(L"twice.tmp")));
  EXPECT_EQ("precious", ReadFile(InFolder(L"precious.txt")));
  EXPECT_TRUE(Exists(InFolder(L"link.tmp")));
  EXPECT_TRUE(Exists(InFolder(L"dir.tmp")));
  EXPECT_FALSE(Exists(InFolder(L"between-299.tmp")));
  EXPECT_EQ(nullptr, RLTempFileList);
}

TEST_F(StartupTest, WithoutRegisteredFilesShutDownDeletesNothing) {
  WriteFile(InFolder(L"a.tmp"));
  RLDeleteTempFiles();
  EXPECT_TRUE(Exists(InFolder(L"a.tmp")));
}

TEST_F(StartupTest, StartUpFindsTheTemporaryDirectoryAndRemovesTheLog) {
  WriteFile(InFolder(L"rlib.log"));
  const String before = CurrentDirectory();
  RLUtilsUnit.Finalize();
  RLUtilsUnit.Initialize();
  EXPECT_EQ(RLTempDirectory(), RLTempDirectoryPath);
  EXPECT_EQ(L"rlib.log", RLLogFileName);
  EXPECT_FALSE(Exists(InFolder(L"rlib.log")));
  EXPECT_EQ(before, CurrentDirectory());
}
