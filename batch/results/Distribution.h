#pragma once

#include <utility>
#include <vector>

#include "batch/results/BatchResult.h"

// How the final balances of a cell's sessions that played are spread: each
// balance in units with its weight (sessions, or expected sessions), in
// ascending order; from the exact odds where the cell has them.
struct Distribution {
  std::vector<std::pair<double, double>> weights;
  double total = 0;

  // The q-quantile: the smallest balance whose cumulative weight reaches
  // q of the total; 0 for no sessions.
  double Quantile(double q) const;
  double Mean() const;
};

Distribution FinalBalances(const CellResult& cell);
