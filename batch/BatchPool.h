#pragma once

#include <cstdint>
#include <functional>

#include "batch/BatchRun.h"

// Plays runs with the seeds first_seed, first_seed + 1, ... on `jobs`
// threads and hands each to `take` in seed order, one at a time, so what
// is made of them is the same for any number of threads. A run waits for
// the earlier ones in a window of twice the jobs, so memory stays flat.
// `progress` is called after each run taken, with the number taken so far.
// With more than one run, the texts only a single run prints (its list and
// report) are not kept.
// The runs are numbered from `first_run` in their sessions' records.
void PlayRuns(const RunSettings& settings, int64_t first_seed, int64_t runs, int64_t jobs,
              const std::function<void(RunOutcome&)>& take, const std::function<void(int64_t)>& progress = nullptr,
              int64_t first_run = 1);
