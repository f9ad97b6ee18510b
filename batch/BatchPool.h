#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "batch/BatchRun.h"

// Plays runs with the seeds first_seed, first_seed + 1, ... on `jobs`
// threads and returns them in seed order, so the result is the same for
// any number of threads. `progress` is called, from one thread at a time,
// with the number of runs done so far. With more than one run, the texts
// only a single run prints (its list and report) are not kept.
std::vector<RunOutcome> PlayRuns(const SettingsFile::Values* settings, int64_t first_seed, int64_t runs, int64_t jobs,
                                 const std::function<void(int64_t)>& progress);
