// Worker threads running calls on the user-interface thread: real threads,
// the queue, the wake-up and the exception carried back to the worker.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/Threads.h"
#include "vcl/rtl/WinApi.h"

namespace {

// Replaces the wake-up for one test and counts its calls.
struct TWakeCounter {
  TNotifyEvent Saved = WakeMainThread;
  std::atomic<int> Count = 0;
  TWakeCounter() { WakeMainThread = [this](TObject*) { ++Count; }; }
  ~TWakeCounter() { WakeMainThread = Saved; }
};

// Runs the queue on this (the main) thread until AFinished holds.
void SynchronizeUntil(const std::atomic<bool>& AFinished) {
  for (int i = 0; i < 500 && !AFinished; ++i) CheckSynchronize(10);
}

}  // namespace

TEST(Threads, AWorkersCallRunsOnTheMainThreadAfterTheWakeUp) {
  TWakeCounter wake;
  std::atomic<bool> finished = false;
  DWORD ranOn = 0;
  std::thread worker([&] {
    TThread::Synchronize([&] { ranOn = GetCurrentThreadId(); });
    finished = true;
  });
  SynchronizeUntil(finished);
  worker.join();
  EXPECT_TRUE(finished);
  EXPECT_EQ(GetCurrentThreadId(), ranOn);
  EXPECT_EQ(1, wake.Count);
}

TEST(Threads, OnTheMainThreadTheCallRunsAtOnceWithoutAWakeUp) {
  TWakeCounter wake;
  int runs = 0;
  TThread::Synchronize([&] { ++runs; });
  EXPECT_EQ(1, runs);
  EXPECT_EQ(0, wake.Count);
  EXPECT_FALSE(CheckSynchronize());
}

TEST(Threads, CallsOfSeveralWorkersAllRunOnTheMainThread) {
  TWakeCounter wake;
  constexpr int Workers = 4;
  std::atomic<int> finished = 0;
  std::vector<DWORD> ranOn;
  std::vector<std::thread> workers;
  for (int i = 0; i < Workers; ++i)
    workers.emplace_back([&] {
      for (int call = 0; call < 3; ++call) TThread::Synchronize([&] { ranOn.push_back(GetCurrentThreadId()); });
      ++finished;
    });
  for (int i = 0; i < 2000 && finished < Workers; ++i) CheckSynchronize(10);
  for (auto& worker : workers) worker.join();
  ASSERT_EQ(Workers * 3u, ranOn.size());
  for (DWORD id : ranOn) EXPECT_EQ(GetCurrentThreadId(), id);
}

TEST(Threads, AnExceptionOfTheCallIsRaisedAgainInTheWorker) {
  TWakeCounter wake;
  std::atomic<bool> finished = false;
  String caught;
  std::thread worker([&] {
    try {
      TThread::Synchronize([] { throw EConvertError(L"not a number"); });
    } catch (const EConvertError& e) {
      caught = e.Message();
    }
    finished = true;
  });
  SynchronizeUntil(finished);
  worker.join();
  EXPECT_EQ(L"not a number", caught);
}

TEST(Threads, CheckSynchronizeRefusesAnotherThread) {
  bool refused = false;
  std::thread worker([&] {
    try {
      CheckSynchronize();
    } catch (const EThread&) {
      refused = true;
    }
  });
  worker.join();
  EXPECT_TRUE(refused);
}
