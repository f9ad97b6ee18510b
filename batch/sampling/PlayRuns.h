#pragma once

#include <cstdint>
#include <functional>

#include "batch/sampling/SampledRun.h"

// Plays runs with the seeds first_seed, first_seed + 1, ... on `jobs`
// threads and hands each to `take` in seed order (see MakeInOrder).
// `progress` is called after each run taken, with the number taken so far.
// The runs are numbered from `first_run` in their sessions' records.
void PlayRuns(const SimSettings& settings, int64_t first_seed, int64_t runs, int64_t jobs,
              const std::function<void(RunOutcome&)>& take, const std::function<void(int64_t)>& progress = nullptr,
              int64_t first_run = 1);
