#include "batch/BatchSummary.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "batch/WheelOdds.h"

double Quantile(const std::vector<double>& sorted, double p) {
  if (sorted.empty()) return 0;
  const double rank = p * static_cast<double>(sorted.size() - 1);
  const auto below = static_cast<std::size_t>(std::floor(rank));
  const std::size_t above = std::min(below + 1, sorted.size() - 1);
  return sorted[below] + (rank - static_cast<double>(below)) * (sorted[above] - sorted[below]);
}

namespace {

void Count(BatchSummary& summary, SessionEnding ending) {
  switch (ending) {
    case SessionEnding::MaxBalanceOrWagerLimit: ++summary.ended_high; break;
    case SessionEnding::MinBalance: ++summary.ended_low; break;
    case SessionEnding::BothBalanceLimits:
      ++summary.ended_high;
      ++summary.ended_low;
      break;
    case SessionEnding::TableLimitOrLastGame: ++summary.ended_limit; break;
    case SessionEnding::FailedCheck: ++summary.ended_check; break;
    case SessionEnding::NoCounter: ++summary.ended_none; break;
  }
}

void SummariseBalances(BatchSummary& summary, std::vector<double>& balances) {
  std::sort(balances.begin(), balances.end());
  summary.balances = static_cast<int64_t>(balances.size());
  if (balances.empty()) return;
  double total = 0;
  for (double balance : balances) total += balance;
  summary.mean = total / static_cast<double>(balances.size());
  summary.median = Quantile(balances, 0.5);
  summary.percentile_5 = Quantile(balances, 0.05);
  summary.percentile_95 = Quantile(balances, 0.95);
  summary.minimum = balances.front();
  summary.maximum = balances.back();
}

}  // namespace

BatchSummary Summarise(const std::vector<RunOutcome>& runs) {
  BatchSummary summary;
  std::vector<double> balances;
  double squared_bets = 0;
  double expected = 0;
  for (const RunOutcome& run : runs) {
    for (const SessionRecord& session : run.sessions) {
      ++summary.sessions;
      Count(summary, session.ending);
      if (session.games > 0) balances.push_back(session.final_balance);
      summary.wagered += session.wagered;
      summary.result += session.result;
    }
    squared_bets += run.squared_bets;
    expected += static_cast<double>(run.wagered_on_red) * ExpectedPerUnit(run.double_zero, true) +
                static_cast<double>(run.wagered_on_black) * ExpectedPerUnit(run.double_zero, false);
    summary.double_zero = run.double_zero;
  }
  SummariseBalances(summary, balances);
  if (summary.wagered > 0) {
    const auto wagered = static_cast<double>(summary.wagered);
    summary.per_unit = static_cast<double>(summary.result) / wagered;
    summary.expected_per_unit = expected / wagered;
    const double variance = std::max(0.0, 1 - summary.per_unit * summary.per_unit);
    const double error = std::sqrt(squared_bets * variance) / wagered;
    summary.interval_low = summary.per_unit - 1.96 * error;
    summary.interval_high = summary.per_unit + 1.96 * error;
  }
  return summary;
}

namespace {

void Line(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

void Line(std::string& out, const char* format, ...) {
  char line[256];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(line, sizeof line, format, arguments);
  va_end(arguments);
  out += line;
  out += '\n';
}

}  // namespace

std::string FormatSummary(const BatchSummary& s, int64_t first_seed, int64_t runs) {
  std::string out;
  if (runs == 1) {
    Line(out, "seed: %lld", static_cast<long long>(first_seed));
  } else {
    Line(out, "runs: %lld, seeds %lld to %lld", static_cast<long long>(runs), static_cast<long long>(first_seed),
         static_cast<long long>(first_seed + runs - 1));
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
