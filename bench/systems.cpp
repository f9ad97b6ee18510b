// The betting systems' cost on the default limits (capital 500, max 550,
// min 0, 500 games, table limit 1000, 10 sessions): the exact odds of each
// system, and sampled games a second of each on all cores, each against
// the rows' defaults measured in the same run as the baseline. Labouchère
// and its reverse carry a line that grows without bound, so their exact
// odds are refused on these limits; the benchmark says so and how far they
// got.
#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>

#include "batch/output/Exporters.h"
#include "batch/output/Page.h"
#include "batch/exact/ExactOdds.h"
#include "batch/exact/MemoryBudget.h"
#include "batch/sampling/PlayRuns.h"
#include "batch/settings/RunSettings.h"
#include "bench/SessionRuns.h"

namespace {

using namespace bench;

SimSettings DefaultsWith(const std::string& system) {
  RunSettings settings = ResetDefaults();
  if (!system.empty()) (void)SetNamed(settings, "system=" + system);
  return settings;
}

struct Measured {
  double exact_seconds = 0;
  std::string refused;
  double games_per_second = 0;
};

Measured Measure(const SimSettings& settings, int64_t cores) {
  Measured m;
  const auto start = Clock::now();
  MemoryBudget budget(kExactMemoryBudget);
  const ExactRun run = ComputeExactRun(settings, budget, nullptr, cores);
  m.exact_seconds = Since(start);
  m.refused = run.refused;
  int64_t games = 0;
  const auto sampled = Clock::now();
  PlayRuns(settings, 4242, 2000, cores, [&games](RunOutcome& outcome) {
    for (const SessionRecord& session : outcome.sessions) games += session.games;
  });
  m.games_per_second = static_cast<double>(games) / Since(sampled);
  return m;
}

}  // namespace

int main() {
  const int64_t cores = std::max(1u, std::thread::hardware_concurrency());
  const Measured rows = Measure(DefaultsWith(""), cores);
  std::printf("%-20s %12s %16s %14s\n", "system", "exact (s)", "games/s sampled", "/ the rows'");
  std::printf("%-20s %12.3f %16.3g %14.2f\n", "rows (defaults)", rows.exact_seconds, rows.games_per_second, 1.0);
  for (const char* system :
       {"dalembert", "contra_dalembert", "fibonacci", "oscars_grind", "labouchere", "reverse_labouchere"}) {
    const Measured m = Measure(DefaultsWith(system), cores);
    std::printf("%-20s %12.3f %16.3g %14.2f%s%s\n", system, m.exact_seconds, m.games_per_second,
                m.games_per_second / rows.games_per_second,
                m.refused.empty() ? "" : "  exact refused: ", m.refused.c_str());
  }
  // A page of four systems compared exactly, with their courses, against
  // the same four computed without.
  BatchResult comparison;
  comparison.exact = true;
  comparison.settings = ResetDefaults();
  comparison.compared = {"martingale", "dalembert", "fibonacci", "oscars_grind"};
  comparison.part_end = 4;
  double bare = 0;
  const auto page_start = Clock::now();
  for (const std::string& name : comparison.compared) {
    CellResult cell;
    cell.settings = ResetDefaults();
    (void)ApplySystem(*cell.settings, name);
    const auto alone = Clock::now();
    MemoryBudget bare_budget(kExactMemoryBudget);
    ComputeExactRun(*cell.settings, bare_budget, nullptr, cores);
    bare += Since(alone);
    MemoryBudget budget(kExactMemoryBudget);
    cell.exact = ComputeExactRun(*cell.settings, budget, nullptr, cores, FanCourse::Always);
    comparison.cells.push_back(std::move(cell));
  }
  const std::string page = BatchPage(OutputChoice(), comparison);
  const double page_seconds = Since(page_start) - bare;
  std::printf(
      "page of martingale, dalembert, fibonacci and oscars_grind compared exactly: %.2f s (%.2f times their "
      "exact odds alone, %zu bytes)\n",
      page_seconds, page_seconds / bare, page.size());
  return 0;
}
