// The exact odds' cost: the defaults' run of 10 sessions and of 500000
// (a run's sessions are mixed from the sessions of each start state, so
// the count should barely matter), the defaults where the wager limit can
// end a session (300, where no session reaches its last game first, and
// 3000, where both limits can), and as the baseline of the same run,
// sampling 100000 sessions of the defaults on all cores.
#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>

#include "batch/exact/ExactOdds.h"
#include "batch/exact/MemoryBudget.h"
#include "batch/sampling/PlayRuns.h"
#include "batch/settings/RunSettings.h"
#include "bench/SessionRuns.h"

namespace {

using namespace bench;

// The fastest of `rounds`, in seconds.
template <class Work>
double Fastest(int rounds, Work&& work) {
  double best = 1e300;
  for (int round = 0; round < rounds; ++round) {
    const auto start = Clock::now();
    work();
    best = std::min(best, Since(start));
  }
  return best;
}

SimSettings DefaultsWith(const std::string& set) {
  RunSettings settings = ResetDefaults();
  if (!set.empty()) (void)SetNamed(settings, set);
  return settings;
}

}  // namespace

int main(int argc, char** argv) {
  // The longest case is left out unless asked for: `vantrel-exact-bench all`.
  const bool all = argc > 1 && std::string(argv[1]) == "all";
  const int64_t cores = std::max(1u, std::thread::hardware_concurrency());
  const auto exact = [&](const SimSettings& settings, int64_t& starts) {
    MemoryBudget budget(kExactMemoryBudget);
    starts = ComputeExactRun(settings, budget, nullptr, cores).sessions_computed;
  };
  int64_t starts = 0;
  const SimSettings ten = DefaultsWith("");
  const double exact_ten = Fastest(3, [&] { exact(ten, starts); });
  std::printf("exact, defaults (10 sessions): %.3f s, sessions from %lld start states\n", exact_ten,
              static_cast<long long>(starts));
  const double with_fan = Fastest(3, [&] {
    MemoryBudget budget(kExactMemoryBudget);
    ComputeExactRun(ten, budget, nullptr, cores, FanCourse::Always);
  });
  std::printf("exact, defaults with the course of the first session: %.3f s (%.2f times without)\n", with_fan,
              with_fan / exact_ten);
  const double exact_many = Fastest(3, [&] { exact(DefaultsWith("session_count=500000"), starts); });
  std::printf("exact, 500000 sessions: %.3f s (%.2f times the 10)\n", exact_many, exact_many / exact_ten);
  const double sampled = Fastest(3, [&] { PlayRuns(ten, 12345, 10000, cores, [](RunOutcome&) {}); });
  std::printf("sampled, 100000 sessions of the defaults on %lld threads: %.3f s (exact 10 sessions / this: %.3f)\n",
              static_cast<long long>(cores), sampled, exact_ten / sampled);
  const double w300 = Fastest(3, [&] { exact(DefaultsWith("wager_limit=300"), starts); });
  std::printf("exact, defaults with wager_limit=300: %.3f s\n", w300);
  if (all) {
    const double w3000 = Fastest(1, [&] { exact(DefaultsWith("wager_limit=3000"), starts); });
    std::printf("exact, defaults with wager_limit=3000 on %lld threads: %.1f s\n", static_cast<long long>(cores),
                w3000);
  }
  return 0;
}
