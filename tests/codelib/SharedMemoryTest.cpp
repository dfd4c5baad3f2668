// Named shared memory: mapped once per module and counted, seen by a second
// module of the process, and the lock over the mapped views.
#include <gtest/gtest.h>

#include "codelib/UclSysUtils.h"

namespace {

String UniqueName(const wchar_t* Stem) { return Stem + IntToStr(GetCurrentProcessId()); }

}  // namespace

TEST(SharedMemoryTest, ANameMappedTwiceGivesTheSameViewUntilBothAreUnmapped) {
  const String name = UniqueName(L"UclShmTest_");
  void* first = nullptr;
  void* second = nullptr;
  EXPECT_EQ(0, MapSharedMemory(first, name, 64, FILE_MAP_ALL_ACCESS));
  EXPECT_EQ(ERROR_ALREADY_EXISTS, MapSharedMemory(second, name, 64, FILE_MAP_ALL_ACCESS));
  ASSERT_EQ(first, second);
  static_cast<char*>(first)[0] = 'x';

  void* kept = first;
  EXPECT_TRUE(UnmapSharedMemory(first));
  EXPECT_EQ(nullptr, first);
  EXPECT_EQ('x', static_cast<char*>(kept)[0]);  // still mapped for the second user
  EXPECT_TRUE(UnmapSharedMemory(second));
  EXPECT_FALSE(UnmapSharedMemory(kept));  // no longer one of ours
}

TEST(SharedMemoryTest, NullAndUnknownAddressesAndEmptySizes) {
  void* none = nullptr;
  EXPECT_TRUE(UnmapSharedMemory(none));
  int local = 0;
  void* unknown = &local;
  EXPECT_FALSE(UnmapSharedMemory(unknown));
  EXPECT_EQ(&local, unknown);

  void* memory = reinterpret_cast<void*>(1);
  const String name = UniqueName(L"UclShmTest_Empty_");
  try {
    MapSharedMemory(memory, name, 0, FILE_MAP_ALL_ACCESS);
    FAIL() << "no exception";
  } catch (const ESharedMemError& e) {
    EXPECT_EQ(L"The MMF named \"" + name + L"\" cannot be created empty", e.Message());
  }
  EXPECT_EQ(nullptr, memory);
}

TEST(SharedMemoryTest, AnotherModuleSeesTheSameMemoryByItsName) {
  const HMODULE library = LoadLibraryW(L"UclTestLib.dll");
  ASSERT_NE(nullptr, library);
  using TMap = void*(const wchar_t*, uint32_t, int*);
  using TUnmap = bool(void*);
  auto* map = reinterpret_cast<TMap*>(GetProcAddress(library, "UclTestLibMap"));
  auto* unmap = reinterpret_cast<TUnmap*>(GetProcAddress(library, "UclTestLibUnmap"));

  const String name = UniqueName(L"UclShmTest_Modules_");
  void* ours = nullptr;
  ASSERT_EQ(0, MapSharedMemory(ours, name, 16, FILE_MAP_ALL_ACCESS));
  static_cast<char*>(ours)[3] = 'q';
  int result = -1;
  char* theirs = static_cast<char*>(map(name.c_str(), 16, &result));
  EXPECT_EQ(ERROR_ALREADY_EXISTS, result);
  ASSERT_NE(nullptr, theirs);
  EXPECT_EQ('q', theirs[3]);
  EXPECT_TRUE(unmap(theirs));
  EXPECT_TRUE(UnmapSharedMemory(ours));
  FreeLibrary(library);
}

TEST(SharedMemoryTest, TheLockExcludesAnotherThreadWhileHeld) {
  bool entered = false;
  HANDLE thread;
  {
    const auto lock = SharedMemoryLock();
    ASSERT_TRUE(lock);
    thread = CreateThread(
        nullptr, 0,
        [](void* flag) -> DWORD {
          const auto lock = SharedMemoryLock();
          *static_cast<bool*>(flag) = true;
          return 0;
        },
        &entered, 0, nullptr);
    Sleep(50);
    EXPECT_FALSE(entered);
  }
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  EXPECT_TRUE(entered);
}
