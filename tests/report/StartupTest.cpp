// The report start-up and shut-down on real files: the temporary directory,
// the left-over report log and the registered temporary files.
#include <gtest/gtest.h>

#include "report/RLUtils.h"
#include "vcl/rtl/WinApi.h"

namespace {

String CurrentDirectory() {
  wchar_t buffer[MAX_PATH];
  return String(buffer, GetCurrentDirectoryW(MAX_PATH, buffer));
}

bool Exists(const String& Path) { return GetFileAttributesW(Path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void WriteFile(const String& Path) {
  const HANDLE file = CreateFileW(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file) << GetLastError();
  CloseHandle(file);
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
    RLTempFileList.reset();
    RLLogFileName = FOldLogFileName;
    SetCurrentDirectoryW(FOldDirectory.c_str());
    RemoveTree(FFolder);
  }
  String InFolder(const String& Name) const { return FFolder + L"\\" + Name; }

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

TEST_F(StartupTest, TheReportLogIsNeitherADirectoryNorALinkNorAPath) {
  ASSERT_TRUE(CreateDirectoryW(InFolder(L"rlib.log").c_str(), nullptr));
  RLDeleteLogFile();
  EXPECT_TRUE(Exists(InFolder(L"rlib.log")));
  ASSERT_TRUE(RemoveDirectoryW(InFolder(L"rlib.log").c_str()));

  WriteFile(InFolder(L"precious.txt"));
  // Wine answers the link's creation without making one; Windows makes it.
  if (CreateSymbolicLinkW(InFolder(L"rlib.log").c_str(), InFolder(L"precious.txt").c_str(), 0) &&
      Exists(InFolder(L"rlib.log"))) {
    RLDeleteLogFile();
    EXPECT_TRUE(Exists(InFolder(L"rlib.log")));
    EXPECT_TRUE(Exists(InFolder(L"precious.txt")));
    DeleteFileW(InFolder(L"rlib.log").c_str());
  }

  ASSERT_TRUE(CreateDirectoryW(InFolder(L"sub").c_str(), nullptr));
  WriteFile(InFolder(L"sub\\rlib.log"));
  RLLogFileName = L"sub\\rlib.log";
  RLDeleteLogFile();
  EXPECT_TRUE(Exists(InFolder(L"sub\\rlib.log")));
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
