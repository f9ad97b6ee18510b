// Which compared system's figure is larger: two samples of one system on
// other seeds are told apart no more often than the intervals allow, and
// two systems that differ are told apart, the larger named.
#include "batch/results/Differences.h"

#include <gtest/gtest.h>

#include <string>

#include "batch/sampling/PlayRuns.h"
#include "batch/settings/RunSettings.h"
#include "SettingsWith.h"

namespace {

RunSettings Short(const std::string& system) {
  return SettingsWith({{"games_per_session=40", "max_balance=530", "session_count=4", "system=" + system}});
}

BatchResult Comparison(const RunSettings& first, const RunSettings& second, int64_t seed, int64_t runs) {
  BatchResult result;
  result.sampled = true;
  result.compared = {"first", "second"};
  for (const RunSettings* settings : {&first, &second}) {
    RunTally tally;
    PlayRuns(*settings, seed, runs, 1, [&tally](RunOutcome& run) { tally.Add(run); });
    result.cells.push_back({{}, tally, std::nullopt, *settings});
    seed += runs;  // other seeds: two independent samples of a system
  }
  return result;
}

TEST(Differences, OneSystemOnOtherSeedsIsRarelyToldFromItself) {
  const RunSettings settings = Short("fibonacci");
  constexpr int kTrials = 200;
  std::array<int, kFigureCount> clear{};
  for (int trial = 0; trial < kTrials; ++trial) {
    for (const Difference& d : SampledDifferences(Comparison(settings, settings, 100 + trial * 60, 30))) {
      clear[static_cast<std::size_t>(d.figure)] += d.clear ? 1 : 0;
    }
  }
  // About 5% by chance (10 of 200, a spread of 3.1): 22 or more fails.
  for (const Figure figure : kComparedFigures) {
    EXPECT_LE(clear[static_cast<std::size_t>(figure)], 21) << kFigures[static_cast<std::size_t>(figure)].key;
  }
}

TEST(Differences, SystemsThatDifferAreToldApartAndTheLargerNamed) {
  const BatchResult result = Comparison(Short("fibonacci"), Short("dalembert"), 7, 400);
  const std::vector<Difference> differences = SampledDifferences(result);
  ASSERT_EQ(differences.size(), std::size(kComparedFigures));
  for (const Difference& d : differences) {
    const std::string key = kFigures[static_cast<std::size_t>(d.figure)].key;
    if (d.clear) {
      EXPECT_EQ(d.larger, d.difference > 0 ? d.first : d.second) << key;
    }
  }
  // The d'Alembert wagers far more a session than the Fibonacci's first
  // games: its figure is the larger, clearly.
  const Difference& wagered = differences[6];
  ASSERT_EQ(wagered.figure, Figure::WageredPerSession);
  EXPECT_TRUE(wagered.clear);
  EXPECT_EQ(wagered.larger, 1u);
}

}  // namespace
