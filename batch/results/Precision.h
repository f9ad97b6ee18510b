#pragma once

#include <cstdint>

#include "batch/sampling/RunTally.h"

// How precise `--runs auto` samples: until every share the output shows
// (the endings, at or above the capital) has an interval at most `share`
// either side, and, where `mean` is given, every mean (the final balance,
// games and wagered a session, the result per unit) one at most that
// share of its value either side.
// The widest either may be asked: a share's interval up to 0.5 either
// side, a mean's up to the mean itself.
constexpr double kMostSharePrecision = 0.5;
constexpr double kMostMeanPrecision = 1;

struct Precision {
  double share = 0.001;
  double mean = 0;  // 0: the means as they come
};

// The runs in all that a batch like the tally's needs for the precision
// at that confidence: the tally's own where it has it, else an estimate
// from how the intervals narrow (as one over the square root of the runs).
int64_t RunsForPrecision(const RunTally& tally, const Precision& precision, double confidence);
