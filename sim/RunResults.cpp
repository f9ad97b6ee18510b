#include "sim/RunResults.h"

#include "sim/Formatted.h"

WString ResultsListEntry(int32_t sessions_remaining, int32_t final_balance) {
  WString entry = Formatted("%6d.%4d ||", sessions_remaining, final_balance);
  if (sessions_remaining % 5 == 0) entry += "\n";
  return entry;
}

bool ShowsPercentages(const std::array<double, 3>& counts) { return counts[0] > 0 || counts[1] > 0 || counts[2] != 0; }

double Percentage(const std::array<double, 3>& counts, std::size_t k) {
  const double total = (counts[1] + counts[0]) + counts[2];
  return counts[k] / total * 100;
}

ResultsDisplays DisplaysOf(const RunResults& results) {
  ResultsDisplays shown;
  int32_t remaining = results.session_count;
  for (int32_t balance : results.final_balances) shown.list += ResultsListEntry(remaining--, balance);
  const bool played = !results.final_balances.empty();
  for (std::size_t k = 0; k < 3; ++k) {
    shown.counters[k] = played ? Formatted(kCounterFormat, results.counts[k]) : WString("");
    shown.percentages[k] = played && ShowsPercentages(results.counts)
                               ? Formatted(kPercentageFormat, Percentage(results.counts, k))
                               : WString(" %");
  }
  return shown;
}
