#include "batch/BatchPool.h"

#include <algorithm>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

void PlayRuns(const RunSettings& settings, int64_t first_seed, int64_t runs, int64_t jobs,
              const std::function<void(RunOutcome&)>& take, const std::function<void(int64_t)>& progress,
              int64_t first_run) {
  const int64_t threads = std::max<int64_t>(1, std::min(jobs, runs));
  const int64_t window = 2 * threads;
  std::mutex lock;
  std::condition_variable taken;
  std::map<int64_t, RunOutcome> waiting;
  int64_t claimed = 0;
  int64_t next_to_take = 0;
  auto work = [&] {
    for (;;) {
      int64_t index = 0;
      {
        std::unique_lock<std::mutex> hold(lock);
        taken.wait(hold, [&] { return claimed >= runs || claimed < next_to_take + window; });
        if (claimed >= runs) return;
        index = claimed++;
      }
      RunOutcome outcome = PlayRun(settings, first_seed + index, static_cast<int32_t>(first_run + index));
      if (runs > 1) {
        outcome.results_list = std::string();
        outcome.report = std::string();
      }
      const std::lock_guard<std::mutex> hold(lock);
      waiting.emplace(index, std::move(outcome));
      for (auto first = waiting.begin(); first != waiting.end() && first->first == next_to_take;
           first = waiting.begin()) {
        take(first->second);
        waiting.erase(first);
        ++next_to_take;
        if (progress) progress(next_to_take);
      }
      taken.notify_all();
    }
  };
  std::vector<std::thread> pool;
  for (int64_t i = 1; i < threads; ++i) pool.emplace_back(work);
  work();
  for (std::thread& thread : pool) thread.join();
}
