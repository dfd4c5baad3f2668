// Mutexes, waits and critical sections with a second thread, and the
// library's Windows error exception.
#include <gtest/gtest.h>

#include <thread>

#include "codelib/UclSynch.h"

namespace {

String UniqueName(const wchar_t* Stem) { return Stem + IntToStr(GetCurrentProcessId()); }

}  // namespace

TEST(SynchTest, ANamedMutexIsCreatedOnceAndOpenedAfterwards) {
  const String name = UniqueName(L"UclSynchTest_");
  const TUclMutex first(nullptr, false, name);
  EXPECT_FALSE(first.Existed());
  EXPECT_EQ(name, first.Name());
  const TUclMutex second(nullptr, false, name);
  EXPECT_TRUE(second.Existed());
  const std::unique_ptr<TUclMutex> opened(TUclMutex::Open(SYNCHRONIZE | MUTEX_MODIFY_STATE, false, name));
  EXPECT_TRUE(opened->Existed());
  EXPECT_NE(first.Handle(), opened->Handle());
}

TEST(SynchTest, FailuresCarryTheSystemsTextAndNumber) {
  try {
    delete TUclMutex::Open(SYNCHRONIZE, false, UniqueName(L"UclSynchTest_Missing_"));
    FAIL() << "no exception";
  } catch (const EUclMutexError& e) {
    EXPECT_EQ(static_cast<uint32_t>(ERROR_FILE_NOT_FOUND), e.LastError());
    EXPECT_EQ(SysErrorMessage(ERROR_FILE_NOT_FOUND), e.LastErrorMsg());
    EXPECT_FALSE(e.LastErrorMsg().empty());
    EXPECT_EQ(L"Win32 error: " + e.LastErrorMsg() + L" (2)\r\nFailed to open mutex", e.Message());
  }
  SetLastError(ERROR_ACCESS_DENIED);
  const EUclWin32Error formatted(L"key %s, value %d", {L"Run", 7});
  EXPECT_EQ(static_cast<uint32_t>(ERROR_ACCESS_DENIED), formatted.LastError());
  EXPECT_EQ(L"Win32 error: " + SysErrorMessage(ERROR_ACCESS_DENIED) + L" (5)\r\nkey Run, value 7",
            formatted.Message());
}

TEST(SynchTest, WaitsSeeWhatAnotherThreadDoesWithTheMutex) {
  TUclMutex mutex(nullptr, false, L"");
  HANDLE taken = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE letGo = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::unique_ptr<TUclDispatcherObject> takenEvent(TUclDispatcherObject::Attach(taken));
  std::unique_ptr<TUclDispatcherObject> letGoEvent(TUclDispatcherObject::Attach(letGo));
  EXPECT_TRUE(takenEvent->Existed());

  std::thread holder([&] {
    mutex.Acquire();
    SetEvent(taken);
    WaitForSingleObject(letGo, INFINITE);
    mutex.Release();
  });
  ASSERT_EQ(wrSignaled, takenEvent->WaitFor(5000));
  EXPECT_EQ(wrTimeout, mutex.WaitFor(50));
  EXPECT_FALSE(mutex.Acquire(0));
  // Let the holder go and wait for the mutex in one step.
  EXPECT_EQ(wrSignaled, mutex.SignalAndWait(*letGoEvent, 5000, false));
  EXPECT_TRUE(mutex.Release());
  holder.join();

  std::thread abandoner([&] { mutex.Acquire(); });
  abandoner.join();
  EXPECT_EQ(wrAbandoned, mutex.WaitForever());
  EXPECT_TRUE(mutex.Release());
  EXPECT_EQ(wrSignaled, letGoEvent->WaitAlertable(0));
}

TEST(SynchTest, CriticalSectionsAreInstalledOnceAndExcludeAnotherThread) {
  TUclCriticalSection* shared = nullptr;
  TUclCriticalSection* seenByThread = nullptr;
  std::thread other([&] {
    TUclCriticalSection::CreateAndEnter(shared);
    seenByThread = shared;
    shared->Leave();
  });
  other.join();
  TUclCriticalSection::CreateAndEnter(shared);
  EXPECT_EQ(seenByThread, shared);

  bool entered = false;
  std::thread waiter([&] {
    shared->Enter();
    entered = true;
    shared->Leave();
  });
  Sleep(50);
  EXPECT_FALSE(entered);
  shared->Leave();
  waiter.join();
  EXPECT_TRUE(entered);
  delete shared;
}
