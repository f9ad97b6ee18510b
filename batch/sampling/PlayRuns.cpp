#include "batch/sampling/PlayRuns.h"

#include "batch/core/MakeInOrder.h"

void PlayRuns(const SimSettings& settings, int64_t first_seed, int64_t runs, int64_t jobs,
              const std::function<void(RunOutcome&)>& take, const std::function<void(int64_t)>& progress,
              int64_t first_run) {
  MakeInOrder<RunOutcome>(
      runs, jobs,
      [&](int64_t index) { return PlayRun(settings, first_seed + index, static_cast<int32_t>(first_run + index)); },
      [&](int64_t index, RunOutcome& outcome) {
        take(outcome);
        if (progress) progress(index + 1);
      });
}
