// The exact odds' cost: the defaults' run of 10 sessions, the same settings
// with 500000 sessions (the carried state repeats long before, so the cost
// should barely grow), and against them sampling 100000 sessions of the
// defaults on all cores, the baseline of the same run.
#include <algorithm>
#include <cstdio>
#include <thread>

#include "batch/sampling/PlayRuns.h"
#include "batch/exact/ExactOdds.h"
#include "batch/settings/RunSettings.h"
#include "bench/SessionRuns.h"

namespace {

using namespace bench;

// The fastest of three, in seconds.
template <class Work>
double Fastest(Work&& work) {
  double best = 1e300;
  for (int round = 0; round < 3; ++round) {
    const auto start = Clock::now();
    work();
    best = std::min(best, Since(start));
  }
  return best;
}

}  // namespace

int main() {
  RunSettings ten = ResetDefaults();
  RunSettings many = ResetDefaults();
  SetNamed(many, "session_count=500000");
  int64_t computed = 0;
  const double exact_ten = Fastest([&] { computed = ComputeExactRun(Typed(ten)).sessions_computed; });
  const int64_t computed_ten = computed;
  const double exact_many = Fastest([&] { computed = ComputeExactRun(Typed(many)).sessions_computed; });
  const int64_t cores = std::max(1u, std::thread::hardware_concurrency());
  const double sampled = Fastest([&] { PlayRuns(Typed(ten), 12345, 10000, cores, [](RunOutcome&) {}); });
  std::printf("exact, defaults (10 sessions): %.3f s, %lld sessions computed\n", exact_ten,
              static_cast<long long>(computed_ten));
  std::printf("exact, 500000 sessions: %.3f s, %lld sessions computed (%.2f times the 10)\n", exact_many,
              static_cast<long long>(computed), exact_many / exact_ten);
  std::printf("sampled, 100000 sessions of the defaults on %lld threads: %.3f s (exact 10 sessions / this: %.3f)\n",
              static_cast<long long>(cores), sampled, exact_ten / sampled);
  return 0;
}
