#include "batch/results/BatchSummary.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "batch/results/Printed.h"
#include "batch/exact/WheelOdds.h"

namespace {

// The value at a rank (0 for the smallest) of the counted values.
double AtRank(const std::map<int32_t, int64_t>& counts, int64_t rank) {
  for (const auto& [value, count] : counts) {
    if (rank < count) return value;
    rank -= count;
  }
  return counts.empty() ? 0 : counts.rbegin()->first;
}

}  // namespace

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
  summary.ended_high = tally.ended_high;
  summary.ended_low = tally.ended_low;
  summary.ended_limit = tally.ended_limit;
  summary.ended_check = tally.ended_check;
  summary.ended_none = tally.ended_none;
  int64_t total = 0;
  for (const auto& [balance, count] : tally.final_balances) {
    summary.balances += count;
    total += static_cast<int64_t>(balance) * count;
  }
  if (summary.balances > 0) {
    summary.mean = static_cast<double>(total) / static_cast<double>(summary.balances);
    summary.median = Quantile(tally.final_balances, 0.5);
    summary.percentile_5 = Quantile(tally.final_balances, 0.05);
    summary.percentile_95 = Quantile(tally.final_balances, 0.95);
    summary.minimum = tally.final_balances.begin()->first;
    summary.maximum = tally.final_balances.rbegin()->first;
  }
  summary.wagered = tally.wagered;
  summary.result = tally.result;
  summary.double_zero = tally.double_zero;
  if (summary.wagered > 0) {
    const auto wagered = static_cast<double>(summary.wagered);
    summary.per_unit = static_cast<double>(summary.result) / wagered;
    summary.expected_per_unit =
        (static_cast<double>(tally.wagered_on_red) * ExpectedPerUnit(tally.double_zero, true) +
         static_cast<double>(tally.wagered_on_black) * ExpectedPerUnit(tally.double_zero, false)) /
        wagered;
    const double variance = std::max(0.0, 1 - summary.per_unit * summary.per_unit);
    const double error = std::sqrt(static_cast<double>(tally.squared_bets) * variance) / wagered;
    summary.interval_low = summary.per_unit - 1.96 * error;
    summary.interval_high = summary.per_unit + 1.96 * error;
  }
  return summary;
}

namespace {

void Line(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

void Line(std::string& out, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  out += VPrinted(format, arguments);
  va_end(arguments);
  out += '\n';
}

}  // namespace

std::string SeedsText(const std::vector<SeedBlock>& seeds) {
  std::string text = "seeds ";
  for (std::size_t k = 0; k < seeds.size(); ++k) {
    if (k > 0) text += k + 1 == seeds.size() ? " and " : ", ";
    text += Printed("%lld to %lld", static_cast<long long>(seeds[k].first), static_cast<long long>(seeds[k].second));
  }
  return text;
}

std::string FormatSummary(const BatchSummary& s, const std::vector<SeedBlock>& seeds) {
  std::string out;
  int64_t runs = 0;
  for (const SeedBlock& block : seeds) runs += block.second - block.first + 1;
  if (runs == 1) {
    Line(out, "seed: %lld", static_cast<long long>(seeds.front().first));
  } else {
    Line(out, "runs: %lld, %s", static_cast<long long>(runs), SeedsText(seeds).c_str());
  }
  Line(out, "sessions played: %lld", static_cast<long long>(s.sessions));
  Line(out, "ended at max balance or wager limit: %lld", static_cast<long long>(s.ended_high));
  Line(out, "ended at min balance: %lld", static_cast<long long>(s.ended_low));
  Line(out, "ended at table limit or last game: %lld", static_cast<long long>(s.ended_limit));
  Line(out, "ended by a failed check: %lld", static_cast<long long>(s.ended_check));
  Line(out, "ended without a count: %lld", static_cast<long long>(s.ended_none));
  Line(out,
       "final balance, of %lld sessions that played: mean %.2f, median %.1f, 5th percentile %.1f, "
       "95th percentile %.1f, minimum %.0f, maximum %.0f",
       static_cast<long long>(s.balances), s.mean, s.median, s.percentile_5, s.percentile_95, s.minimum, s.maximum);
  Line(out, "total wagered: %lld", static_cast<long long>(s.wagered));
  Line(out, "total result: %lld", static_cast<long long>(s.result));
  Line(out, "result per unit wagered: %+.5f (95%% confidence interval %+.5f to %+.5f)", s.per_unit, s.interval_low,
       s.interval_high);
  Line(out, "expected per unit wagered: %+.5f (%s wheel, exact for its number mapping)", s.expected_per_unit,
       s.double_zero ? "double-zero" : "single-zero");
  return out;
}
