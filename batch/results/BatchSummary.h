#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "batch/sampling/RunTally.h"

// What a batch of runs says about a betting system: how its sessions ended,
// the spread of their final balances, and what it won or lost per unit
// wagered against what the wheel lets any system expect.
struct BatchSummary {
  // The sessions and how they ended, as the tally counts them.
  int64_t sessions = 0;
  EndingCounts<int64_t> ended{};

  // The games a session of the run played, on average.
  double mean_games = 0;
  double median_games = 0;
  double p90_games = 0;
  // Final balances of the sessions that played at least one game, in units.
  int64_t balances = 0;
  double mean = 0;
  double median = 0;
  double percentile_5 = 0;
  double percentile_95 = 0;
  double minimum = 0;
  double maximum = 0;

  // In quanta.
  int64_t wagered = 0;
  int64_t result = 0;
  int32_t quanta = 1;
  double per_unit = 0;
  // The 95% confidence interval of the result per unit wagered. Given the
  // bets, games are independent: the error is the square root of the sum of
  // the squared bets times the variance of one unit's outcome.
  double interval_low = 0;
  double interval_high = 0;
  double expected_per_unit = 0;
  bool double_zero = false;
  ZeroRule zero_rule = ZeroRule::Lose;
};

// The p-th quantile (0 to 1) of the counted values, interpolating linearly
// between the two nearest ranks of the values in ascending order; in the
// values' own quanta.
double Quantile(const std::map<int32_t, int64_t>& counts, double p);
// The value at a rank (0 for the smallest) of the counted values.
double AtRank(const std::map<int32_t, int64_t>& counts, int64_t rank);

BatchSummary Summarise(const RunTally& tally);
