#include "batch/results/BatchSummary.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "batch/results/Printed.h"
#include "sim/WheelOdds.h"

double AtRank(const std::map<int32_t, int64_t>& counts, int64_t rank) {
  for (const auto& [value, count] : counts) {
    if (rank < count) return value;
    rank -= count;
  }
  return counts.empty() ? 0 : counts.rbegin()->first;
}

double Quantile(const std::map<int32_t, int64_t>& counts, double p) {
  int64_t total = 0;
  for (const auto& entry : counts) total += entry.second;
  if (total == 0) return 0;
  const double rank = p * static_cast<double>(total - 1);
  const auto below = static_cast<int64_t>(std::floor(rank));
  const int64_t above = std::min(below + 1, total - 1);
  const double low = AtRank(counts, below);
  return low + (rank - static_cast<double>(below)) * (AtRank(counts, above) - low);
}

BatchSummary Summarise(const RunTally& tally) {
  BatchSummary summary;
  summary.sessions = tally.sessions;
  summary.ended = tally.ended;
  summary.quanta = tally.quanta;
  const double quanta = tally.quanta;
  if (tally.sessions > 0) summary.mean_games = static_cast<double>(tally.games) / static_cast<double>(tally.sessions);
  summary.median_games = Quantile(tally.session_games, 0.5);
  summary.p90_games = Quantile(tally.session_games, 0.9);
  int64_t total = 0;
  for (const auto& [balance, count] : tally.final_balances) {
    summary.balances += count;
    total += static_cast<int64_t>(balance) * count;
  }
  if (summary.balances > 0) {
    summary.mean = static_cast<double>(total) / static_cast<double>(summary.balances) / quanta;
    summary.median = Quantile(tally.final_balances, 0.5) / quanta;
    summary.percentile_5 = Quantile(tally.final_balances, 0.05) / quanta;
    summary.percentile_95 = Quantile(tally.final_balances, 0.95) / quanta;
    summary.minimum = tally.final_balances.begin()->first / quanta;
    summary.maximum = tally.final_balances.rbegin()->first / quanta;
  }
  summary.wagered = tally.wagered;
  summary.result = tally.result;
  summary.double_zero = tally.double_zero;
  summary.zero_rule = tally.zero_rule;
  if (summary.wagered > 0) {
    const auto wagered = static_cast<double>(summary.wagered);
    summary.per_unit = static_cast<double>(summary.result) / wagered;
    summary.expected_per_unit =
        (static_cast<double>(tally.wagered_on_red) * ExpectedPerUnit(tally.double_zero, true, tally.zero_rule) +
         static_cast<double>(tally.wagered_on_black) * ExpectedPerUnit(tally.double_zero, false, tally.zero_rule)) /
        wagered;
    const double variance = std::max(0.0, 1 - summary.per_unit * summary.per_unit);
    const double error = std::sqrt(static_cast<double>(tally.squared_bets) * variance) / wagered;
    summary.interval_low = summary.per_unit - 1.96 * error;
    summary.interval_high = summary.per_unit + 1.96 * error;
  }
  return summary;
}
