#include "batch/results/Distribution.h"

double Distribution::Quantile(double q) const {
  if (weights.empty()) return 0;
  const double reach = q * total;
  double cumulative = 0;
  for (const auto& [balance, weight] : weights) {
    cumulative += weight;
    // A relative slack, so that sums of doubles that should reach the
    // share exactly (a quarter of four sessions) do.
    if (cumulative >= reach * (1 - 1e-12)) return balance;
  }
  return weights.back().first;
}

double Distribution::Mean() const {
  if (total <= 0) return 0;
  double sum = 0;
  for (const auto& [balance, weight] : weights) sum += balance * weight;
  return sum / total;
}

Distribution FinalBalances(const CellResult& cell) {
  Distribution d;
  if (cell.exact) {
    for (const auto& [quanta, weight] : cell.exact->final_balances) {
      d.weights.emplace_back(static_cast<double>(quanta) / cell.exact->quanta, weight);
      d.total += weight;
    }
  } else if (cell.tally) {
    for (const auto& [quanta, count] : cell.tally->final_balances) {
      d.weights.emplace_back(static_cast<double>(quanta) / cell.tally->quanta, static_cast<double>(count));
      d.total += static_cast<double>(count);
    }
  }
  return d;
}
