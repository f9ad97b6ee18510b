#pragma once

#include <array>

#include "batch/results/Figures.h"
#include "batch/sampling/RunTally.h"

// How sure a sampled figure is: an interval that holds the figure's true
// value with the asked confidence (95% unless asked otherwise).
//
// Shares (the endings, at or above the capital) take the Wilson score
// interval; means (final balance, games, wagered, the result per unit)
// the normal interval of their sample's variance; the median and the
// percentiles the distribution-free interval between two order statistics.
// A run's sessions carry their streaks into each other, so where a batch
// has two runs or more, the run is the unit that varies independently:
// the means' variances come from how the runs differ (a ratio's by the
// ratio estimator), with Student's t on runs - 1 degrees of freedom, and a
// share's Wilson interval counts the sessions as fewer, by how much more
// the runs differ than independent sessions would (the design effect,
// never below 1). A batch of one run can only treat its sessions as
// independent. The percentiles always do.
struct Interval {
  double low = 0;
  double high = 0;
};
using FigureIntervals = std::array<Interval, kFigureCount>;

constexpr double kDefaultConfidence = 0.95;
// The confidences the intervals are given at, and what a share of the
// file or the command line says of one out of them.
constexpr double kLeastConfidence = 0.5;
constexpr double kMostConfidence = 0.9999;
inline bool IsConfidence(double value) { return value >= kLeastConfidence && value <= kMostConfidence; }
constexpr const char* kConfidenceRange = "a confidence from 0.5 to 0.9999";

FigureIntervals SampledIntervals(const RunTally& tally, double confidence);

// How far a sampled figure may be off: its value, the variance of it as
// an estimate, the degrees of freedom of its quantile (0: the normal
// distribution's), and for a share the trials it counts as. The median
// and the percentiles have none (their intervals come from order
// statistics).
enum class ErrorKind : unsigned char { Share, Mean, Order };
struct FigureError {
  double value = 0;
  double variance = 0;
  double degrees = 0;
  double trials = 0;
  ErrorKind kind = ErrorKind::Order;
};
using FigureErrors = std::array<FigureError, kFigureCount>;
FigureErrors SampledErrors(const RunTally& tally);

// The quantile of a two-sided interval of that confidence.
double QuantileOf(double confidence, double degrees);

// The p-quantile of the standard normal distribution and of Student's t
// with `degrees` degrees of freedom, 0 < p < 1.
double NormalQuantile(double p);
double StudentQuantile(double p, double degrees);
// The Wilson score interval of a share observed over n trials (n may be
// an effective, fractional count), with the quantile q.
Interval WilsonInterval(double share, double n, double q);
