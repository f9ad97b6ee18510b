// The summary's figures from counts, against values worked out by hand and
// against percentiles computed from every balance; and the odds of the
// wheel counted by hand from its number mapping.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "batch/sampling/PlayRuns.h"
#include "batch/settings/RunSettings.h"
#include "batch/results/BatchSummary.h"
#include "sim/WheelOdds.h"

namespace {

// The quantile as the summary defined it before it kept counts: linear
// between the nearest ranks of all the values, sorted.
double QuantileOfAll(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const double rank = p * static_cast<double>(values.size() - 1);
  const auto below = static_cast<std::size_t>(std::floor(rank));
  const std::size_t above = std::min(below + 1, values.size() - 1);
  return values[below] + (rank - static_cast<double>(below)) * (values[above] - values[below]);
}

TEST(Quantile, FromCountsEqualsTheQuantileOfEveryBalance) {
  const std::vector<std::vector<double>> samples = {
      {0, 10, 20, 30, 100}, {7}, {550, 550, 550, 3, 3, 900}, {5, 5}, {1, 2, 2, 2, 2, 2, 2, 2, 2, 9, 12, 12}};
  for (const auto& values : samples) {
    std::map<int32_t, int64_t> counts;
    for (double value : values) ++counts[static_cast<int32_t>(value)];
    for (double p : {0.0, 0.05, 0.33, 0.5, 0.95, 1.0}) {
      EXPECT_DOUBLE_EQ(Quantile(counts, p), QuantileOfAll(values, p)) << values.size() << " values, p " << p;
    }
  }
  EXPECT_DOUBLE_EQ(Quantile({}, 0.5), 0);
}

SessionRecord Session(int32_t balance, int32_t games, int64_t wagered, SessionEnding ending) {
  SessionRecord s;
  s.final_balance = balance;
  s.games = games;
  s.wagered = wagered;
  s.result = games > 0 ? balance - 500 : 0;
  s.ending = ending;
  return s;
}

TEST(BatchSummary, SmallRunWorkedOutByHand) {
  RunOutcome run;
  run.sessions = {
      Session(560, 10, 40, SessionEnding::MaxBalanceOrWagerLimit), Session(0, 30, 600, SessionEnding::MinBalance),
      Session(600, 1, 100, SessionEnding::BothBalanceLimits), Session(600, 0, 0, SessionEnding::FailedCheck),
      Session(480, 50, 60, SessionEnding::TableLimitOrLastGame)};
  run.wagered_on_black = 800;
  run.squared_bets = 20000;
  RunTally tally;
  tally.Add(run);
  const BatchSummary s = Summarise(tally);
  EXPECT_EQ(s.sessions, 5);
  EXPECT_EQ(s.ended, (EndingCounts<int64_t>{2, 2, 1, 1, 0})) << "both limits count in both";
  // The failed check played nothing: balances 0, 480, 560, 600.
  EXPECT_EQ(s.balances, 4);
  EXPECT_DOUBLE_EQ(s.mean, 410);
  EXPECT_DOUBLE_EQ(s.median, 520);
  EXPECT_DOUBLE_EQ(s.maximum, 600);
  EXPECT_DOUBLE_EQ(s.percentile_5, 72);  // 0.15 of the way from 0 to 480
  EXPECT_EQ(s.result, 60 - 500 + 100 - 20);
  EXPECT_DOUBLE_EQ(s.per_unit, -360.0 / 800);
  // sqrt(20000 * (1 - 0.45^2)) / 800 = 0.1578666...
  EXPECT_NEAR(s.interval_high - s.per_unit, 1.96 * 0.1578666, 1e-6);
}

TEST(WheelOdds, CountedByHandFromTheNumberMapping) {
  // Single zero: 0 to 25 each come from 643 of the 32768 raw values, 26 to
  // 36 from 642; 23780 raw values give a number. Black has 12 numbers below
  // 26 and 6 above, red 13 and 5. Double zero adds 37 with 642: 24422.
  EXPECT_DOUBLE_EQ(ExpectedPerUnit(false, false), (2.0 * (12 * 643 + 6 * 642) - 23780) / 23780);
  EXPECT_DOUBLE_EQ(ExpectedPerUnit(false, true), (2.0 * (13 * 643 + 5 * 642) - 23780) / 23780);
  EXPECT_DOUBLE_EQ(ExpectedPerUnit(true, false), (2.0 * (12 * 643 + 6 * 642) - 24422) / 24422);
  EXPECT_DOUBLE_EQ(ExpectedPerUnit(true, true), (2.0 * (13 * 643 + 5 * 642) - 24422) / 24422);
}

TEST(BatchSummary, ALongRunsResultPerUnitLiesWithinItsIntervalOfTheExpectation) {
  RunTally tally;
  PlayRuns(ResetDefaults(), 20261206, 400, 2, [&tally](RunOutcome& run) { tally.Add(run); });
  const BatchSummary s = Summarise(tally);
  EXPECT_GT(s.wagered, 2000000);
  EXPECT_NEAR(s.expected_per_unit, ExpectedPerUnit(false, false), 1e-12) << "the defaults bet on black only";
  EXPECT_LE(s.interval_low, s.expected_per_unit);
  EXPECT_GE(s.interval_high, s.expected_per_unit);
  EXPECT_LT(s.interval_high - s.interval_low, 0.02) << "narrow enough to mean something";
}

}  // namespace
