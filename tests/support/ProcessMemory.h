#pragma once
// The memory this process holds, for tests that bound what a reader may
// take for a stream. Under Wine the peak is the host's high-water mark of
// resident memory, which every byte a reader fills counts towards.
#include <cstdint>

int64_t ProcessResidentBytes();
int64_t ProcessPeakResidentBytes();
