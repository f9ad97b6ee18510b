#pragma once

#include <cstdint>

// What a batch may ask for: the runs, the threads, the seeds (32 bits, as
// the generator takes them) and the parts of a batch.
constexpr int64_t kMaxRuns = 1000000000;
constexpr int64_t kMaxJobs = 256;
constexpr int64_t kMaxSeed = 4294967295;
constexpr int64_t kMaxShards = 1000000000;
// The systems or files a comparison sets side by side: as many as its
// picture tells apart.
constexpr int64_t kMaxCompared = 8;
// The cells of a sweep sampled until precise: all are held until the least
// precise one is, a few tens of kilobytes each.
constexpr int64_t kMostPreciseCells = 1000;
// The fastest pace --spins-per-hour takes.
constexpr int64_t kMostSpinsPerHour = 1000;
