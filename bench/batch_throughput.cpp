// Games per second of vantrel-batch's runs: long sessions on one thread
// against the bare loop (the engine's cost per core), the same on every
// core (how runs scale), and the default settings with --runs 100 and
// --runs 10000 on one thread and on all.
#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>

#include "batch/sampling/PlayRuns.h"
#include "batch/settings/RunSettings.h"
#include "bench/SessionRuns.h"

namespace {

using namespace bench;

// The fastest of `rounds`, in games per second.
double BatchRate(const RunSettings& settings, int64_t runs, int64_t jobs, int rounds = 3) {
  double best = 0;
  for (int round = 0; round < rounds; ++round) {
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

  // The long sessions of the bare loop.
  RunSettings settings = ResetDefaults();
  for (const std::string& set :
       {"capital=" + std::to_string(kCapital), "max_balance=" + std::to_string(kMaxBalance),
        "games_per_session=" + std::to_string(longest.games_per_session), "table_limit=" + std::to_string(kTableLimit),
        std::string("wager_limit=9999999"), "session_count=" + std::to_string(longest.sessions)}) {
    (void)SetNamed(settings, set);
  }
  // The bare loop and the batch take turns, so that a machine that speeds
  // up or slows down during the run moves both alike; the fastest of each.
  Result bare{1, 0};
  double one = 0;
  for (int round = 0; round < 5; ++round) {
    bare = Fastest(bare, BareSessions(longest, 12345));
    one = std::max(one, BatchRate(settings, 8, 1, 1));
  }
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
