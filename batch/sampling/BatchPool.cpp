#include "batch/sampling/BatchPool.h"

void PlayRuns(const RunSettings& settings, int64_t first_seed, int64_t runs, int64_t jobs,
              const std::function<void(RunOutcome&)>& take, const std::function<void(int64_t)>& progress,
              int64_t first_run) {
  MakeInOrder<RunOutcome>(
      runs, jobs,
      [&](int64_t index) {
        RunOutcome outcome = PlayRun(settings, first_seed + index, static_cast<int32_t>(first_run + index));
        if (runs > 1) {
          outcome.results_list = std::string();
          outcome.report = std::string();
        }
        return outcome;
      },
      [&](int64_t index, RunOutcome& outcome) {
        take(outcome);
        if (progress) progress(index + 1);
      });
}
