// Compares the parallel sort of 1,000,000 pointers with std::sort and with
// the serial path on the same data, on this machine's processors.
//   cmake --build $CONVERSAO_BUILD --target bench_core_sort
//   wine $CONVERSAO_BUILD/tests/core/bench_core_sort.exe
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "components/core/dxCoreClasses.h"
#include "components/core/dxThreading.h"
#include "vcl/rtl/UnitStartup.h"
#include "vcl/rtl/WinApi.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{dxThreadingUnit};
  return units;
}

namespace {

constexpr int ItemCount = 1000000;
constexpr int Rounds = 5;

int CompareValues(void* A, void* B) {
  const intptr_t a = reinterpret_cast<intptr_t>(A), b = reinterpret_cast<intptr_t>(B);
  return a < b ? -1 : (a > b ? 1 : 0);
}

using TSort = std::function<void(std::vector<void*>&)>;

// The best time of each sort in milliseconds, each on a fresh copy of the
// data; the sorts take turns within every round, so that a busy moment of
// the machine does not fall on one of them alone.
std::vector<double> BestTimes(const std::vector<void*>& AData, const std::vector<TSort>& ASorts) {
  std::vector<double> best(ASorts.size(), 1e300);
  for (int round = 0; round < Rounds; ++round)
    for (size_t i = 0; i < ASorts.size(); ++i) {
      std::vector<void*> items = AData;
      const auto start = std::chrono::steady_clock::now();
      ASorts[i](items);
      const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
      best[i] = std::min(best[i], elapsed.count());
      if (!std::is_sorted(items.begin(), items.end())) {
        std::printf("result not sorted\n");
        std::exit(1);
      }
    }
  return best;
}

}  // namespace

int main() {
  TUnitStartup startup;
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  if (!dxParallelWorkAvailable()) {
    std::printf("parallel work is not available on this machine\n");
    return 1;
  }
  std::mt19937_64 random(2024);
  std::vector<void*> data(ItemCount);
  for (void*& item : data) item = reinterpret_cast<void*>(random() >> 1);

  const TCompareItems compare = CompareValues;
  const std::vector<double> best = BestTimes(
      data, {[&](std::vector<void*>& AItems) {
               std::sort(AItems.begin(), AItems.end(), [&](void* A, void* B) { return compare(A, B) < 0; });
             },
             [&](std::vector<void*>& AItems) { dxSerialSortPointerList(AItems.data(), ItemCount, compare); },
             [&](std::vector<void*>& AItems) {
               dxSharedParallelSorter()->Sort(AItems.data(), ItemCount, compare);
             }});
  const double standard = best[0], serial = best[1], parallel = best[2];

  std::printf("%d pointers, %lu processors, %d sort chunks, best of %d interleaved rounds\n", ItemCount,
              info.dwNumberOfProcessors, dxSharedParallelSorter()->SortChunkCount(), Rounds);
  std::printf("std::sort          %8.1f ms\n", standard);
  std::printf("serial path        %8.1f ms\n", serial);
  std::printf("parallel sort      %8.1f ms\n", parallel);
  std::printf("std::sort / parallel   %5.2f\n", standard / parallel);
  std::printf("serial / parallel      %5.2f\n", serial / parallel);
  return 0;
}
