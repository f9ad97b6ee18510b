// Games per second of vantrel-batch's runs: long sessions on one thread
// against the bare loop (the engine's cost per core), the same on every
// core (how runs scale), and the default settings with --runs 100 and
// --runs 10000 on one thread and on all.
#include <algorithm>
#include <cstdio>
#include <thread>

#include "batch/sampling/BatchPool.h"
#include "bench/SessionRuns.h"

namespace {

using namespace bench;

// The fastest of three, in games per second.
double BatchRate(const RunSettings& settings, int64_t runs, int64_t jobs) {
  double best = 0;
  for (int round = 0; round < 3; ++round) {
    long long games = 0;
    const auto start = Clock::now();
    PlayRuns(settings, 12345, runs, jobs, [&games](RunOutcome& run) {
      for (const SessionRecord& session : run.sessions) games += session.games;
    });
    best = std::max(best, static_cast<double>(games) / Since(start));
  }
  return best;
}

}  // namespace

int main() {
  const int64_t cores = std::max(1u, std::thread::hardware_concurrency());
  const Case longest{"10000 games per session", kLongestSession, 20, false};
  Result bare{1, 0};
  for (int round = 0; round < 3; ++round) bare = Fastest(bare, BareSessions(longest, 12345));

  MemoryForm form;
  Simulation simulation(form);
  simulation.reset_settings();
  PrepareForm(form, longest);
  RunSettings settings = ResetDefaults();
  settings.values = SettingsFile::Collect(form);
  const double one = BatchRate(settings, 8, 1);
  const double all = BatchRate(settings, 8, cores);
  std::printf("cores: %lld\n", static_cast<long long>(cores));
  std::printf(
      "long sessions: bare loop %.0f games/s; batch on 1 thread %.0f (per core / bare %.3f); on %lld "
      "threads %.0f (scaling %.2f)\n",
      bare.Rate(), one, one / bare.Rate(), static_cast<long long>(cores), all, all / one);
  for (int64_t runs : {100, 10000}) {
    const double single = BatchRate(ResetDefaults(), runs, 1);
    const double every = BatchRate(ResetDefaults(), runs, cores);
    std::printf("default settings, --runs %lld: %.0f games/s with --jobs 1, %.0f with --jobs %lld (scaling %.2f)\n",
                static_cast<long long>(runs), single, every, static_cast<long long>(cores), every / single);
  }
  return 0;
}
