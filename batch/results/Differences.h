#pragma once

#include <cstddef>
#include <vector>

#include "batch/results/BatchResult.h"
#include "batch/results/Intervals.h"

// Whether one compared system's sampled figure is larger than another's:
// the difference (the first less the second) with its interval, and which
// is larger where the interval leaves out 0. The systems play the same
// seeds, but their sessions drift apart as soon as one ends before the
// other, so the two samples are weighed as independent: where the shared
// spins make them agree, the interval errs on the wide side. A share's
// difference takes Newcombe's interval from the two Wilson intervals, a
// mean's the sum of the two variances.
struct Difference {
  std::size_t first = 0;  // the cells compared
  std::size_t second = 0;
  Figure figure = Figure::PMax;
  double difference = 0;
  Interval interval;
  // The cell whose figure is larger, or none where the interval holds 0.
  bool clear = false;
  std::size_t larger = 0;
};

// The figures a comparison weighs, in this order.
extern const Figure kComparedFigures[8];

// Every pair of the comparison's cells (the first before the second), and
// every figure weighed; none where the comparison was not sampled.
std::vector<Difference> SampledDifferences(const BatchResult& comparison);
