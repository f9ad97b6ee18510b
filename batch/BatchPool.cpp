#include "batch/BatchPool.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

std::vector<RunOutcome> PlayRuns(const SettingsFile::Values* settings, int64_t first_seed, int64_t runs, int64_t jobs,
                                 const std::function<void(int64_t)>& progress) {
  std::vector<RunOutcome> outcomes(static_cast<std::size_t>(runs));
  std::atomic<int64_t> next{0};
  std::atomic<int64_t> done{0};
  std::mutex reporting;
  auto work = [&] {
    for (int64_t index = next++; index < runs; index = next++) {
      RunOutcome outcome = PlayRun(settings, first_seed + index, static_cast<int32_t>(index + 1));
      if (runs > 1) {
        outcome.results_list = std::string();
        outcome.report = std::string();
      }
      outcomes[static_cast<std::size_t>(index)] = std::move(outcome);
      const int64_t finished = ++done;
      if (progress) {
        const std::lock_guard<std::mutex> hold(reporting);
        progress(finished);
      }
    }
  };
  const int64_t threads = std::max<int64_t>(1, std::min(jobs, runs));
  std::vector<std::thread> pool;
  for (int64_t i = 1; i < threads; ++i) pool.emplace_back(work);
  work();
  for (std::thread& thread : pool) thread.join();
  return outcomes;
}
